// Value lines: building, painting, loading and touch.
#include "UI_ElementLine.h"

#include <cstring>

#include "APP_Hooks.h"
#include "DAT_File.h"
#include "GUI.h"
#include "OBJ_Access.h"
#include "OBJ_Map.h"
#include "PATH.h"
#include "TXT_Groups.h"
#include "TXT_Language.h"
#include "UI_Draw.h"
#include "UI_ElementFile.h"
#include "UI_Main.h"
#include "UI_MenuPage.h"
#include "WM_Timer.h"

namespace {

int _IsBoxCode(int c) { return (c >= 0x21 && c <= 0x24) || (c >= 0x2B && c <= 0x2D) || (c >= 0x80 && c <= 0x82); }

int _IsLineCode(int c) {
  return (c >= 2 && c <= 11) || (c >= 18 && c <= 20) || c == 23 || c == 'f' || c == 'v' || c == 'S' || c == 'T';
}

void _ReadLineText(UI_LINE_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  int n = p->LinkAddress ? UI_ReadObject(p->LinkAddress, a, sizeof(a)) : 0;
  if (n > 2) {
    UI_TakeTextAnswer(a, n, p->acText, UI_LINE_TEXT_LEN);
  } else {
    p->acText[0] = 0;  // a failed read leaves an empty field
  }
}

UI_LINE_BLOCK* _Line(WM_HWIN hWin) { return (UI_LINE_BLOCK*)UI_GetElementData(hWin); }

void _PaintLine(WM_HWIN hWin, const UI_LINE_BLOCK* p) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_SetBkColor(GUI_WHITE);
  GUI_Clear();
  GUI_COLOR c0, c1;
  if (p->Code == 9) {
    GUI_DrawGradientV(2, 2, w - 3, 19, 0x008FFF, 0x00ADFF);
    if (h > 43) {
      GUI_SetColor(0x00ADFF);
      GUI_FillRect(2, 19, w - 3, h - 25);
    }
    GUI_DrawGradientV(2, h - 24, w - 3, h - 3, 0x00ADFF, 0x00CCFF);
  } else if (UI_LineFace(p->Code, &c0, &c1)) {
    GUI_DrawGradientV(2, 2, w - 3, h - 3, c0, c1);
  }
  if (UI_LineFace(p->Code, &c0, &c1)) {
    GUI_SetColor(p->FlagBits ? 0x1517E5 : 0xE8CFB5);
    GUI_DrawRoundedFrame(0, 0, w - 1, h - 1, 4, 2);
  }
  int White = p->Code == 6 || p->Code == 'f' || p->Code == 'v' || p->Code == 'S' || p->Code == 'T';
  GUI_SetColor(White ? GUI_WHITE : GUI_BLACK);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  int TextW = WM_GetFirstChild(hWin) ? UI_BOX_X - 14 : w - 20;
  GUI_GotoXY(10, GUI_GetFontSizeY() / 2 + 14);
  UI_DrawTextBlock(p->acText, TextW, 0);
}

void _Write(uint32_t Address, const WM_MESSAGE* pMsg) {
  UI_SetBusy(1);
  UI_WriteMenuEntry(Address, uint8_t(pMsg->hWinSrc), int32_t(pMsg->Data.v));
  UI_SetBusy(0);
  UI_ReloadPage();
}

enum { _TIMER_SAVED = 1, _SAVED_POLL_MS = 100 };

uint32_t _SavesBefore;  // the control cycle's count of finished saves when the own node was asked to save

int _Is(const UI_LINE_BLOCK* p, int SystemObject) {
  return (p->MainAddress & 0x0FFF) == OBJ_ValueIndex(0, OBJ_FAM_SYSTEM, SystemObject);
}
int _IsSave(const UI_LINE_BLOCK* p) { return _Is(p, OBJ_SYS_SAVE); }

// A confirmed line sets its value to 1, in the type its value object answers with. The own node saves its
// function data in its next control cycle: the page, which may list the file, is built again once it is written.
// A save or a factory reset (which saves a backup first and resets nothing without one) that failed is told; a
// write refused for the access level has told why already.
void _WriteConfirmed(WM_HWIN hWin, const UI_LINE_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  if (!p->MainAddress || UI_ReadObject(p->MainAddress, a, sizeof(a)) <= 0) return;
  uint32_t SavesBefore = APP_SavesDone;
  UI_SetBusy(1);
  int Written = UI_WriteMenuEntry(p->MainAddress, a[0], 1);
  UI_SetBusy(0);
  if (Written && _IsSave(p) && OBJ_IsOwnNode(int(p->MainAddress >> 24))) {
    _SavesBefore = SavesBefore;
    WM_CreateTimer(hWin, _TIMER_SAVED, _SAVED_POLL_MS);
    return;
  }
  int Failed = !Written && !UI_hEntryDialog && (_IsSave(p) || _Is(p, OBJ_SYS_FACTORY_RESET));
  UI_ReloadPage();
  if (Failed) UI_ReportFileFailure(UI_FILE_TITLE_SAVING_FAILED);
}

void _OnTimer(WM_HTIMER hTimer) {
  if (WM_GetTimerId(hTimer) != _TIMER_SAVED) return;
  if (APP_SavesDone == _SavesBefore) {
    WM_RestartTimer(hTimer, _SAVED_POLL_MS);
    return;
  }
  int Saved = APP_LastSaveResult == DAT_OK;
  UI_ReloadPage();  // deletes this line and its timer
  if (!Saved) UI_ReportFileFailure(UI_FILE_TITLE_SAVING_FAILED);
}

// Title of the question a confirmed line asks: replacing the file when the line saves function data over an
// existing file (another node's file is taken to exist), else the plain question whether the user is sure: a
// factory reset or a new function replaces no file.
int _ConfirmTitle(const UI_LINE_BLOCK* p) {
  enum { _TITLE_REPLACE = 0, _TITLE_SURE = 5 };
  if (!_IsSave(p)) return _TITLE_SURE;
  if (OBJ_IsOwnNode(int(p->MainAddress >> 24)) && !PATH_FileExists(APP_FunctionDataPath)) return _TITLE_SURE;
  return _TITLE_REPLACE;
}

void _PasswordPrompt(WM_HWIN hWin, int Item) {
  UI_TextBuffer[0] = 0;
  UI_OpenTextEntry(hWin, TXT_GetText(TXT_GROUP_PASSWORD, Item), UI_TEXT_BUFFER_LEN, 0);
}

void _PasswordDone(WM_HWIN hWin, UI_LINE_BLOCK* p) {
  if (p->Stage == 0) {
    // The old code alone, one record: the node checks it and changes nothing.
    if (!UI_CheckCode(p->LinkAddress, 0, UI_TextBuffer, nullptr)) {
      _PasswordPrompt(hWin, 5);  // a refused old code asks again
      return;
    }
    memcpy(p->acOldCode, UI_TextBuffer, sizeof(p->acOldCode));
    p->acOldCode[UI_TEXT_BUFFER_LEN - 1] = 0;
    p->Stage = 1;
    _PasswordPrompt(hWin, 6);
    return;
  }
  p->Stage = 0;
  UI_CheckCode(p->LinkAddress, 0, UI_TextBuffer, p->acOldCode);
  memset(p->acOldCode, 0, sizeof(p->acOldCode));
  UI_ReloadPage();
}

void _OnRelease(WM_HWIN hWin, UI_LINE_BLOCK* p) {
  if (!p->LinkAddress) return;
  switch (p->Code) {
    case 11: return;
    case 'f':
      if (UI_DialogHooks.pfConfirm) UI_DialogHooks.pfConfirm(hWin, _ConfirmTitle(p), p->acText);
      return;
    case 'v': {
      if (UI_hListWin) return;
      UI_EntryOptions o = {{0, 0, 6, 0, (intptr_t)p->acText}};
      UI_EditMenuEntry(0, p->LinkAddress, hWin, &o, 0);
      return;
    }
    case 'S':
    case 'T':
      p->Stage = 0;
      _PasswordPrompt(hWin, 5);
      return;
  }
  UI_MenuStackInstance.Open(p->LinkAddress, UI_PageScroll());
}

}  // namespace

int UI_WriteMenuText(uint32_t Address, uint8_t Tag, const char16_t* pText) {
  uint8_t a[2 + 2 * (UI_TEXT_BUFFER_LEN - 1)];
  int n = 0;
  for (; pText && n < UI_TEXT_BUFFER_LEN - 1 && pText[n]; n++) {
    a[2 + 2 * n] = uint8_t(pText[n]);
    a[3 + 2 * n] = uint8_t(pText[n] >> 8);
  }
  a[0] = Tag;
  a[1] = uint8_t(n);
  return UI_WriteObject(UI_EntryWriteAddress(Address), a, 2 + 2 * n);
}

int UI_LineFace(int Code, GUI_COLOR* pTop, GUI_COLOR* pBottom) {
  switch (Code) {
    case 2: case 5: case 7: case 11: case 18: case 23: *pTop = 0x30AA30; *pBottom = 0x60DD30; return 1;
    case 3: case 4: case 8: case 19: case 20: *pTop = 0xE49203; *pBottom = 0xFFCD03; return 1;
    case 6: case 'f': case 'v': case 'S': case 'T': *pTop = 0xA56308; *pBottom = 0x804008; return 1;
    case 9: *pTop = 0x008FFF; *pBottom = 0x00CCFF; return 1;
  }
  *pTop = *pBottom = GUI_WHITE;
  return 0;
}

void UI_BoxColors(int LineCode, GUI_COLOR* pTop, GUI_COLOR* pBottom, GUI_COLOR* pText) {
  *pText = GUI_BLACK;
  switch (LineCode) {
    case 2: case 5: case 7: case 11: case 18: *pTop = 0x99FF99; *pBottom = 0x61F261; return;
    case 3: case 4: case 8: case 19: case 20: *pTop = 0xF9E0C5; *pBottom = 0xBFA58B; return;
    case 6: case 23: case 'f': case 'v': *pTop = 0xA56308; *pBottom = 0x804008; *pText = GUI_WHITE; return;
    case 9: *pTop = 0x008FFF; *pBottom = 0x00CCFF; return;
  }
  *pTop = 0xD3D3D3;
  *pBottom = 0x808080;
}

void UI_GrowLine(WM_HWIN hLine, int dy) {
  int h = WM_GetWindowSizeY(hLine);
  if (h + dy > UI_PAGE_MAX_H) dy = UI_PAGE_MAX_H - h;  // never taller than a page may be
  if (!dy) return;
  WM_SetYSize(hLine, WM_GetWindowSizeY(hLine) + dy);
  for (WM_HWIN h = WM_GetNextSibling(hLine); h; h = WM_GetNextSibling(h)) WM_MoveWindow(h, 0, dy);
}

void UI_FetchLineFlags(UI_LINE_BLOCK* p) {
  for (int i = 0; i < p->NumFlags; i++) {
    uint8_t a[UI_VALUE_ANSWER_SIZE];
    int n = UI_ReadObject(p->aFlagAddress[i], a, sizeof(a));
    int32_t v = 0;
    if (n > 0) UI_DecodeValue(a, n, &v, nullptr, nullptr, 0);
    p->FlagBits |= uint8_t(v);
  }
  p->ReadDone = 1;
}

int UI_BuildValueLine(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  // Count the records first: an element that finds no room still consumes its records.
  int Used = 1;
  const uint8_t* r = pRec + 4;
  for (; r < pEnd && (r[0] || r[1]); r += 4) {
    Used++;
    if (r[0] == 1) break;
  }
  uint8_t Code = pRec[0];
  if ((Code == 'S' || Code == 'T') && UI_GrantedLevel(Menu) == 0) return 2;
  UI_LINE_BLOCK* p = (UI_LINE_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_LINE_BLOCK)));
  if (!p) return Used;
  p->Code = Code;
  p->LinkAddress = UI_LinkAddress(Menu, pRec);
  WM_HWIN hLine = WM_CreateWindowAsChild(UI_LINE_X, 0, UI_LINE_W, UI_LINE_H, hPage, WM_CF_SHOW | WM_CF_HASTRANS,
                                         UI_ValueLineCallback, sizeof(p));
  if (!hLine) return Used;
  WM_SetUserData(hLine, &p, sizeof(p));
  int NumBoxes = 0;
  for (r = pRec + 4; r < pRec + 4 * Used; r += 4) {
    int c = r[0];
    if (c == 1) break;
    if (c == 0x20) {
      p->MainAddress = UI_ValueAddress(Menu, r, 0);
    } else if (c == 0x2A) {
      UI_CreateExpansionButton(hLine, UI_LinkAddress(Menu, r), ppFill);
    } else if (c == 0xA1) {
      if (p->NumFlags < 2) p->aFlagAddress[p->NumFlags++] = UI_ValueAddress(Menu, r, 0);
    } else if (_IsBoxCode(c)) {
      if (UI_LINE_H + UI_BOX_STEP * (NumBoxes + 1) > UI_PAGE_MAX_H) continue;  // no room on a page for it
      UI_BOX_BLOCK* b = (UI_BOX_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_BOX_BLOCK)));
      if (!b) continue;
      b->Address = UI_ValueAddress(Menu, r, 0);
      b->Code = uint8_t(c);
      b->LineCode = Code;
      int L = UI_GrantedLevel(Menu);
      int Need = (c == 0x23 || c == 0x2C || c == 0x81) ? 1 : (c == 0x24 || c == 0x2D || c == 0x82) ? 2 : 0;
      int Editable = c != 0x21 && L >= Need;
      b->Kind = !Editable ? UI_BOX_READONLY
                : (c >= 0x2B && c <= 0x2D) ? UI_BOX_PUSH
                : (c >= 0x80) ? UI_BOX_SWITCH
                              : UI_BOX_EDIT;
      if (NumBoxes) UI_GrowLine(hLine, UI_BOX_STEP);
      WM_HWIN hBox = WM_CreateWindowAsChild(UI_BOX_X, 5 + UI_BOX_STEP * NumBoxes, UI_BOX_W, UI_BOX_H, hLine,
                                            WM_CF_SHOW | WM_CF_HASTRANS, UI_ValueBoxCallback, sizeof(b));
      if (hBox) WM_SetUserData(hBox, &b, sizeof(b));
      NumBoxes++;
    }
  }
  return Used;
}

int UI_BuildLineElement(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  int c = pRec[0];
  if (c == 'Q') return UI_BuildAccessLine(hPage, Menu, pRec, ppFill, pEnd);
  if (c == '0' || c == '1' || c == '2') return UI_BuildTextLine(hPage, Menu, pRec, ppFill);
  if (c == 0x40) return UI_BuildFileEntry(hPage, Menu, pRec, ppFill);
  if (_IsLineCode(c)) return UI_BuildValueLine(hPage, Menu, pRec, ppFill, pEnd);
  return 1;  // a record without a builder
}

void UI_ValueLineCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_LINE_BLOCK* p = _Line(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintLine(hWin, p); break;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) _OnRelease(hWin, p);
      break;
    case UI_MSG_LOAD: {
      WM_MESSAGE m = *pMsg;
      for (WM_HWIN h = WM_GetFirstChild(hWin); h; h = WM_GetNextSibling(h)) WM_SendMessage(h, &m);
      if (p->NumFlags) {
        p->FlagBits = 0;
        UI_FetchLineFlags(p);
        UI_SendLoaded(hWin, 0);
        WM_InvalidateWindow(hWin);
      }
      break;
    }
    case UI_MSG_REFRESH: {
      _ReadLineText(p);
      WM_MESSAGE m = *pMsg;
      for (WM_HWIN h = WM_GetFirstChild(hWin); h; h = WM_GetNextSibling(h)) WM_SendMessage(h, &m);
      WM_InvalidateWindow(hWin);
      break;
    }
    case UI_MSG_SELECTION_DONE:
    case UI_MSG_VALUE_DONE:
    case UI_MSG_BITS_DONE:
    case UI_MSG_DATE_DONE: _Write(p->LinkAddress, pMsg); break;
    case UI_MSG_TEXT_DONE:
      if (p->Code == 'S' || p->Code == 'T') {
        _PasswordDone(hWin, p);
      } else {
        UI_SetBusy(1);
        UI_WriteMenuText(p->LinkAddress, uint8_t(pMsg->hWinSrc), UI_TextBuffer);
        UI_SetBusy(0);
        UI_ReloadPage();
      }
      break;
    case UI_MSG_CONFIRMED:
      if (p->Code == 'f' && pMsg->Data.v != 1) _WriteConfirmed(hWin, p);
      break;
    case WM_TIMER: _OnTimer(WM_HTIMER(pMsg->Data.v)); break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_LOADED:
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}
