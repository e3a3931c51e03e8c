// The text entry's dialog: opening on the carrier, touches and held keys, the host keyboard, OK and Cancel.
#include <cstring>

#include "GUI.h"
#include "TXT_UserDesignations.h"
#include "UI_EntryDialog.h"
#include "UI_Main.h"
#include "UI_TextEntryPrivate.h"

#define S UI_TextEntryState

namespace {

enum { _TIMER_HOLD = 0, _TIMER_REPEAT = 1 };

WM_HTIMER _hTimerHold, _hTimerRepeat;
UI_SIDE_BUTTON_SAVE _SideButtons;
int _SideButtonsTaken;
int _HoldElapsed;  // the hold delay of the current press has passed: the repeat timer belongs to it

int _GetParams(WM_HWIN hWin, UI_TextEntryParams* p) {
  memset(p, 0, sizeof(*p));
  if (WM_GetUserData(hWin, p, sizeof(*p)) < int(sizeof(*p))) {
    memset(p, 0, sizeof(*p));
    p->Mode = UI_TEXT_SILENT;  // a record that did not arrive whole: nothing to write, nobody to tell
    return 0;
  }
  return 1;
}

int _KeyAt(int x, int y) {
  for (int k = 0; k < UI_TE_KEYS; k++) {
    if (UI_PointOnKey(UI_TextEntryKeys[k], x, y)) return k;
  }
  return UI_TE_NO_KEY;
}

// The string of the table that mode 0 edits; null when the record names none.
char16_t* _TableString(const UI_TextEntryParams* p) { return p->ppTable ? p->ppTable[p->Index] : nullptr; }

void _GiveSideButtons(void) {
  if (!_SideButtonsTaken) return;
  _SideButtonsTaken = 0;
  UI_GiveSideButtons(&_SideButtons);
}

void _Close(WM_HWIN hWin) {
  _SideButtonsTaken = 0;
  _hTimerHold = _hTimerRepeat = 0;  // they go with the window
  UI_CloseEntryDialog(hWin, &_SideButtons);
}

void _Opened(WM_HWIN hWin, const UI_TextEntryParams* p) {
  UI_TakeSideButtons(&_SideButtons, 1);
  _SideButtonsTaken = 1;
  int Mode = UI_TextEntryBaseMode(p->Mode);
  const char16_t* pText = Mode == UI_TEXT_TO_TABLE ? _TableString(p) : p->pBuffer;
  // The initial text is shown up to 24 characters, however short the result may be; the caller's text ends at
  // its terminator. Only the confirmed result is cut to the maximum length.
  UI_TextEntryStart(pText, UI_TE_TEXT_LEN - 1);
  WM_ShowWindow(hWin);
  WM_BringToTop(hWin);
}

// OK: a file name that would be refused keeps the dialog open (its text is red).
void _Confirm(WM_HWIN hWin, const UI_TextEntryParams* p) {
  int MaxLen = UI_TextEntryClampLength(p->MaxLen);
  if (UI_TextEntryWantsFileName(p->Mode) && !UI_TextEntryIsFileName(S.acText, MaxLen)) return;
  _Close(hWin);
  int Mode = UI_TextEntryBaseMode(p->Mode);
  char16_t* pDest = Mode == UI_TEXT_TO_TABLE ? _TableString(p) : p->pBuffer;
  if (pDest && MaxLen > 0) {
    int n = 0;
    for (; n < MaxLen - 1 && S.acText[n]; n++) pDest[n] = S.acText[n];
    pDest[n] = 0;
  }
  if (Mode == UI_TEXT_NOTIFY || Mode == UI_TEXT_NOTIFY_CANCEL) {
    UI_SendResult(p->hNotify, UI_MSG_TEXT_DONE, p->Id, p->Index);
  }
}

void _Cancel(WM_HWIN hWin, const UI_TextEntryParams* p) {
  _Close(hWin);
  if (UI_TextEntryBaseMode(p->Mode) == UI_TEXT_NOTIFY_CANCEL && WM_IsWindow(p->hNotify)) {
    WM_SendMessageNoPara(p->hNotify, UI_MSG_HOME);
  }
}

void _OnPointer(WM_HWIN hWin, const UI_TextEntryParams* p, const GUI_POINTER_STATE* pState) {
  if (!pState) return;
  if (pState->Pressed) {
    WM_SetCapture(hWin, 0);
    if (_hTimerHold) WM_RestartTimer(_hTimerHold, UI_TE_HOLD_MS);
    _HoldElapsed = 0;
    int k = _KeyAt(pState->x, pState->y);
    if (k != S.Pressed) WM_InvalidateWindow(hWin);
    S.Pressed = uint8_t(k);
    return;
  }
  WM_ReleaseCapture();
  _HoldElapsed = 0;
  int k = S.Pressed;
  S.Pressed = UI_TE_NO_KEY;
  WM_InvalidateWindow(hWin);
  if (S.Repeat) {  // the key was held: its release types nothing
    S.Repeat = 0;
    return;
  }
  if (k == UI_TE_NO_KEY) {
    if (pState->y > 16 && pState->y < 49) UI_TextEntryPlaceCursor(pState->x);
  } else if (UI_PointOnKey(UI_TextEntryKeys[k], pState->x, pState->y)) {
    UI_TextEntryApplyKey(k, UI_TextEntryClampLength(p->MaxLen));
  }
}

void _OnTimer(WM_HWIN hWin, WM_HTIMER hTimer) {
  if (S.Pressed == UI_TE_NO_KEY) return;
  if (WM_GetTimerId(hTimer) == _TIMER_HOLD) {
    _HoldElapsed = 1;
    WM_RestartTimer(_hTimerRepeat, UI_TE_REPEAT_MS);
    return;
  }
  if (!_HoldElapsed) return;  // still running from an earlier press
  if (S.Pressed == UI_TE_KEY_BACKSPACE) {
    UI_TextEntryBackspace();
    WM_RestartTimer(_hTimerRepeat, UI_TE_REPEAT_MS);
    WM_InvalidateWindow(hWin);
  }
  S.Repeat = 1;  // any other key held this long is dropped
}

void _OnKey(WM_HWIN hWin, const UI_TextEntryParams* p, const GUI_KEY_MSG* pKey) {
  if (!pKey || pKey->PressedCnt <= 0) return;
  int c = pKey->Key;
  switch (c) {
    case GUI_KEY_BACKSPACE: UI_TextEntryBackspace(); break;
    case GUI_KEY_ENTER: WM_SendMessageNoPara(hWin, UI_MSG_BACK); return;
    case GUI_KEY_ESCAPE: WM_SendMessageNoPara(hWin, UI_MSG_CLOSED); return;
    case GUI_KEY_LEFT:
      if (S.Cursor > 0) S.Cursor--;
      break;
    case GUI_KEY_RIGHT:
      if (S.Cursor < UI_TextEntryLength()) S.Cursor++;
      break;
    default:
      // Codes below 32 are control keys; codes that are no UTF-16 character are not typed either.
      if (c < 32 || c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) return;
      UI_TextEntryInsert(char16_t(c), UI_TextEntryClampLength(p->MaxLen));
      break;
  }
  WM_InvalidateWindow(hWin);
}

}  // namespace

void UI_TextEntryCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_TextEntryParams Params;
  _GetParams(hWin, &Params);
  switch (pMsg->MsgId) {
    case WM_CREATE:
      _hTimerHold = WM_CreateTimer(hWin, _TIMER_HOLD, 0);
      _hTimerRepeat = WM_CreateTimer(hWin, _TIMER_REPEAT, 0);
      break;
    case WM_DELETE:
      // Deleted from outside (a new entry screen replaces it): the side buttons go back all the same.
      if (UI_hEntryDialog == hWin) {
        _GiveSideButtons();
        UI_hEntryDialog = 0;
      }
      _hTimerHold = _hTimerRepeat = 0;
      WM_DefaultProc(pMsg);
      break;
    case UI_MSG_OPENED: _Opened(hWin, &Params); break;
    case UI_MSG_CLOSED: _Cancel(hWin, &Params); break;
    case UI_MSG_BACK: _Confirm(hWin, &Params); break;
    case WM_PAINT: UI__TextEntryPaint(&Params); break;
    case WM_POINTER: _OnPointer(hWin, &Params, (const GUI_POINTER_STATE*)pMsg->Data.p); break;
    case WM_POINTER_STATE_CHANGED: break;
    case WM_SET_FOCUS: pMsg->Data.v = 0; break;  // takes the keys
    case WM_KEY: _OnKey(hWin, &Params, (const GUI_KEY_MSG*)pMsg->Data.p); break;
    case WM_TIMER: _OnTimer(hWin, WM_HTIMER(pMsg->Data.v)); break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

int UI_CreateTextEntry(WM_HWIN, const UI_TextEntryParams* pParams) {
  if (!pParams) return 0;
  WM_HWIN hWin = UI_NewEntryDialog(UI_TextEntryCallback, sizeof(UI_TextEntryParams));
  if (!hWin) return 0;
  WM_SetUserData(hWin, pParams, sizeof(*pParams));
  WM_SendMessageNoPara(hWin, UI_MSG_OPENED);
  if (!WM_IsWindow(hWin)) return 0;
  return WM_SetFocus(hWin);
}

namespace {

int _Open(WM_HWIN hReceiver, const char16_t* pTitle, int MaxLen, int Id, int Mode) {
  UI_TextEntryParams p = {};
  p.pBuffer = UI_TextBuffer;
  p.Mode = uint8_t(Mode);
  p.Id = uint16_t(Id);
  p.hNotify = hReceiver;
  p.MaxLen = MaxLen;
  p.pTitle = pTitle;
  return UI_CreateTextEntry(hReceiver, &p);
}

int _OpenForDispatcher(WM_HWIN hReceiver, const char16_t* pTitle, int MaxLen, int Id) {
  return _Open(hReceiver, pTitle, MaxLen, Id, UI_TEXT_NOTIFY_CANCEL);
}

int _OpenFileName(WM_HWIN hReceiver, const char16_t* pTitle, int MaxLen, int Id) {
  return _Open(hReceiver, pTitle, MaxLen, Id, UI_TEXT_NOTIFY_CANCEL + UI_TEXT_FILE_NAME);
}

}  // namespace

int UI_EditUserDesignation(int Index) {
  if (Index < 0 || Index >= TXT_UserDesignations.NumItems) return 0;
  UI_TextEntryParams p = {};
  p.ppTable = const_cast<char16_t**>(TXT_UserDesignations.papText);  // the names themselves are writable
  p.Index = uint16_t(Index);
  p.Mode = UI_TEXT_TO_TABLE;
  p.MaxLen = TXT_USER_DESIGNATION_CHARS + 1;
  return UI_CreateTextEntry(0, &p);
}

void UI_InstallTextEntry(void) {
  UI_pfOpenTextEntry = _OpenForDispatcher;
  UI_pfOpenFileNameEntry = _OpenFileName;
}
