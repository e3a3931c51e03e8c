// Message pop-ups and their common parent. A pop-up reads its message function from the GUI thread while the
// control thread runs it: each value is one 32-bit read, and what the pop-up changes (a command, the
// acknowledgement) it changes under the data mutex. A function that is no longer registered (other function data
// was loaded) closes its pop-up before anything of it is read.
#include <algorithm>
#include <vector>

#include "APP_Hooks.h"
#include "FKT_Registry.h"
#include "FUNKTION_Meldung.h"
#include "SYS_Clock.h"
#include "TXT_TextOut.h"
#include "UI_Draw.h"
#include "UI_Main.h"
#include "UI_MessageScreen.h"

WM_HWIN UI_hMessageStack;

namespace {

enum {
  _NUM_BUTTONS = 4,
  _ACK = 3,
  _TIMER_MS = 1000,
  _TEXT_W = 272,
  _NAME_GAP = 34,
  _TIME_GAP = 44,
  _TIME_X = 130,
  _LABEL_DX = 8,
  _LABEL_DY = 16,
  _LABEL_W = 164,
};

const GUI_RECT _aButton[_NUM_BUTTONS] = {{56, 150, 236, 182}, {56, 190, 236, 222}, {244, 150, 424, 182},
                                          {244, 190, 424, 222}};
int _Pressed = -1;

// The full-screen picture of a kind: 0 information, 1 warning, 2 and 3 fault.
void _DrawKindPicture(int Kind, int y) {
  static const GUI_COLOR s_aTop[3] = {0xFBEBD6, 0xC8F4FF, 0xD0D0FF}, s_aBottom[3] = {0xE0A060, 0x30C0F0, 0x4040E0};
  int i = Kind <= 0 ? 0 : Kind == 1 ? 1 : 2;
  GUI_DrawGradientV(0, y, UI_SCREEN_W - 1, y + UI_SCREEN_H - 1, s_aTop[i], s_aBottom[i]);
}

bool _IsRegistered(const FUNKTION_BASIS_PAR* p) {
  for (int i = 0; p && FKT_Registry[i]; i++) {
    if (FKT_Registry[i] == p) return true;
  }
  return false;
}

// The time stamp of the moment the message arose.
void _TimeText(uint32_t Seconds, char16_t* pOut, size_t Len) {
  char a[SYS_STAMP_LEN];
  SYS_FormatStamp(int64_t(Seconds), a);
  TXT_TEXT_OUT Out = TXT__Out(pOut, Len);
  TXT__PutAscii(&Out, a);
  TXT__Finish(&Out);
}

void _Paint(WM_HWIN hWin, const FUNKTION_BASIS_PAR* p) {
  GUI_SetBkColor(GUI_WHITE);
  GUI_SetColor(GUI_BLACK);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetFont(&UI_Font24);
  int Kind = p->GetParameter(MSG_PAR_KIND);
  _DrawKindPicture(Kind, -WM_GetWindowPosY(hWin) / 2);
  GUI_SetTextAlign(GUI_TA_LEFT);
  GUI_GotoXY(UI_SCREEN_W / 2, 20);
  const char16_t* pKind = p->GetChoiceText(MSG_PAR_KIND);
  UI_DrawWordWrappedCentred(pKind ? pKind : u"", _TEXT_W, 0, ':');
  // The designation and the user's text on one line, centred under the kind.
  const char16_t* pName = p->GetChoiceText(FKT_PAR_DESIGNATION);
  const char16_t* pUser = p->GetChoiceText(FKT_PAR_USER_TEXT);
  char16_t acName[80];
  TXT_TEXT_OUT Out = TXT__Out(acName, 80);
  TXT__PutString(&Out, pName ? pName : p->GetClassName());
  if (pUser && *pUser) {
    TXT__PutChar(&Out, ' ');
    TXT__PutString(&Out, pUser);
  }
  TXT__Finish(&Out);
  GUI_GotoXY(UI_SCREEN_W / 2, GUI_GetDispPosY() + _NAME_GAP);
  UI_DrawWordWrappedCentred(acName, _TEXT_W, 0, 0);
  char16_t acTime[32];
  _TimeText(uint32_t(p->GetParameter(MSG_PAR_TIME)), acTime, 32);
  UI_DrawTextAt(acTime, _TIME_X, GUI_GetDispPosY() + _TIME_GAP);
  GUI_SetFont(&UI_Font15);
  uint32_t Enabled = p->GetPoolWord(MSG_POOL_COMMANDS);
  for (int k = 0; k < _NUM_BUTTONS; k++) {
    bool On = k == _ACK || ((Enabled >> k) & 1);
    const GUI_RECT& r = _aButton[k];
    UI_DrawTwoToneBox(&r, On ? 0xED9A16 : 0xD3D3D3, On ? 0xDC7200 : 0x808080);
    GUI_SetColor(On ? GUI_BLACK : 0x808080);
    const char16_t* pLabel = p->GetStatusText(k);
    GUI_GotoXY(r.x0 + _LABEL_DX, r.y0 + _LABEL_DY);
    UI_DrawTextBlock(pLabel ? pLabel : u"OK", _LABEL_W, 0);
  }
}

int _ButtonAt(int x, int y) {
  for (int k = 0; k < _NUM_BUTTONS; k++) {
    const GUI_RECT& r = _aButton[k];
    if (x > r.x0 && x < r.x1 && y > r.y0 && y < r.y1) return k;
  }
  return -1;
}

bool _IsTopmost(WM_HWIN hWin) { return WM_GetNextSibling(hWin) == 0; }

void _Close(WM_HWIN hWin) {
  WM_DeleteWindow(hWin);
  if (UI_hMessageStack) WM_InvalidateWindowAndDescendants(UI_hMessageStack);  // the next one shows
}

void _Release(WM_HWIN hWin, const GUI_POINTER_STATE* s, FUNKTION_BASIS_PAR* p) {
  WM_ReleaseCapture();
  int k = _Pressed;
  _Pressed = -1;
  if (k < 0 || _ButtonAt(s->x, s->y) != k || !p) {
    WM_InvalidateWindow(hWin);
    return;
  }
  if (k == _ACK) {
    {
      APP_DATA_LOCK Lock;
      p->SetPoolWord(MSG_POOL_PENDING, 0);
    }
    _Close(hWin);
    return;
  }
  if ((p->GetPoolWord(MSG_POOL_COMMANDS) >> k) & 1) {
    APP_DATA_LOCK Lock;
    p->SetCommand(k, 1, 0);
  }
  WM_InvalidateWindow(hWin);
}

// Sort key: kinds 3 to 0, then priorities 1 to 10, then the newest first; other kinds and priorities stay on top.
struct _ENTRY {
  WM_HWIN hWin;
  int Kind, Priority;
  uint32_t Time;
};

}  // namespace

FUNKTION_BASIS_PAR* UI_GetMessageObject(WM_HWIN hPopup) {
  FUNKTION_BASIS_PAR* p = nullptr;
  if (hPopup) WM_GetUserData(hPopup, &p, sizeof(p));
  return _IsRegistered(p) ? p : nullptr;
}

void UI_FunctionScreenCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  FUNKTION_BASIS_PAR* p = UI_GetMessageObject(hWin);
  switch (pMsg->MsgId) {
    case WM_CREATE: WM_CreateTimer(hWin, 0, _TIMER_MS); break;
    case WM_PAINT:
      if (p && _IsTopmost(hWin)) _Paint(hWin, p);
      break;
    case WM_POINTER: {
      const GUI_POINTER_STATE* s = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (!s) break;
      if (s->Pressed) {
        if (WM_HasCaptured(hWin)) break;
        WM_SetCapture(hWin, 0);
        _Pressed = _ButtonAt(s->x, s->y);
      } else {
        _Release(hWin, s, p);
      }
      break;
    }
    case WM_TIMER:
      if (!p || !p->GetPoolWord(MSG_POOL_ACTIVE)) {
        _Close(hWin);
        break;
      }
      WM_RestartTimer(WM_HTIMER(pMsg->Data.v), _TIMER_MS);
      if (_IsTopmost(hWin)) WM_InvalidateWindow(hWin);
      break;
    default: UI_DefaultProc(pMsg);
  }
}

void UI_FunctionScreenStackCallback(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case UI_MSG_SORT_MESSAGES: {
      std::vector<_ENTRY> v;
      for (WM_HWIN h = WM_GetFirstChild(pMsg->hWin); h; h = WM_GetNextSibling(h)) {
        const FUNKTION_BASIS_PAR* p = UI_GetMessageObject(h);
        if (!p) continue;
        _ENTRY e = {h, p->GetParameter(MSG_PAR_KIND), p->GetParameter(MSG_PAR_PRIORITY),
                    uint32_t(p->GetParameter(MSG_PAR_TIME))};
        if (e.Kind >= 0 && e.Kind <= 3 && e.Priority >= 1 && e.Priority <= 10) v.push_back(e);
      }
      std::stable_sort(v.begin(), v.end(), [](const _ENTRY& a, const _ENTRY& b) {
        if (a.Kind != b.Kind) return a.Kind > b.Kind;
        if (a.Priority != b.Priority) return a.Priority < b.Priority;
        return a.Time > b.Time;
      });
      for (const _ENTRY& e : v) WM_BringToBottom(e.hWin);  // each below the one before: the first ends on top
      WM_InvalidateWindowAndDescendants(pMsg->hWin);
      break;
    }
    case WM_PAINT: break;  // the pop-ups cover it
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

void UI_ShowMessages(void) {
  GUI_Lock();
  bool Added = false;
  {
    APP_DATA_LOCK Lock;
    for (int i = 0; FKT_Registry[i]; i++) {
      FUNKTION_BASIS_PAR* p = FKT_Registry[i];
      if (p->GetTypeCode() != FKT_TYPE_MESSAGE || !p->GetPoolWord(MSG_POOL_ACTIVE) ||
          !p->GetPoolWord(MSG_POOL_PENDING)) {
        continue;
      }
      bool Shown = false;
      for (WM_HWIN h = UI_hMessageStack ? WM_GetFirstChild(UI_hMessageStack) : 0; h && !Shown; h = WM_GetNextSibling(h))
        Shown = UI_GetMessageObject(h) == p;
      if (Shown) continue;
      if (!UI_hMessageStack) {
        UI_hMessageStack = WM_CreateWindow(0, 0, UI_SCREEN_W, UI_SCREEN_H, WM_CF_HIDE | WM_CF_STAYONTOP,
                                           UI_FunctionScreenStackCallback, 0);
      }
      WM_HWIN h = WM_CreateWindowAsChild(0, 0, UI_SCREEN_W, UI_SCREEN_H, UI_hMessageStack, WM_CF_SHOW,
                                         UI_FunctionScreenCallback, int(sizeof(p)));
      if (h) WM_SetUserData(h, &p, sizeof(p));
      Added = true;
    }
  }
  if (UI_hMessageStack) {
    // An empty parent would take the touches meant for the screens below it.
    if (WM_GetFirstChild(UI_hMessageStack)) {
      WM_ShowWindow(UI_hMessageStack);
    } else {
      WM_HideWindow(UI_hMessageStack);
    }
    if (Added) WM_SendMessageNoPara(UI_hMessageStack, UI_MSG_SORT_MESSAGES);
  }
  GUI_Unlock();
}

void UI_DeleteMessageScreens(void) {
  if (UI_hMessageStack && WM_IsWindow(UI_hMessageStack)) WM_DeleteWindow(UI_hMessageStack);
  UI_hMessageStack = 0;
  _Pressed = -1;
}

void UI_InstallMessageScreens(void) { APP_UiHooks.pfShowMessages = UI_ShowMessages; }
