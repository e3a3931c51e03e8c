// Access lines (one box per access level) and text lines.
#include <cstring>

#include "FKT_Access.h"
#include "GUI.h"
#include "TXT_Groups.h"
#include "TXT_Language.h"
#include "UI_Draw.h"
#include "UI_ElementLine.h"
#include "UI_Main.h"
#include "UI_MenuPage.h"

namespace {

void _ReadText(uint32_t Address, char16_t* pText) {
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  int n = Address ? UI_ReadObject(Address, a, sizeof(a)) : 0;
  if (n > 2) {
    UI_TakeTextAnswer(a, n, pText, UI_LINE_TEXT_LEN);
  } else {
    pText[0] = 0;
  }
}

void _Grant(const UI_BOX_BLOCK* p, int32_t Timeout) {
  UI_GrantLevel(UI_MenuStackInstance.GetNode(), p->Level, Timeout);
}

// The plain white face of access and text lines.
void _LineCallback(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_PAINT: break;
    case WM_POINTER: UI_ElementTouched(pMsg->hWin, pMsg); break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: {
      WM_MESSAGE m = *pMsg;
      for (WM_HWIN h = WM_GetFirstChild(pMsg->hWin); h; h = WM_GetNextSibling(h)) WM_SendMessage(h, &m);
      break;
    }
    case WM_WHEEL: WM_SendToParent(pMsg->hWin, pMsg); break;
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}

}  // namespace

int UI_BuildAccessLine(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  int Used = 1;
  for (const uint8_t* r = pRec + 4; r < pEnd && (r[0] || r[1]); r += 4) {
    Used++;
    if (r[0] == 1) break;
  }
  WM_HWIN hLine = WM_CreateWindowAsChild(UI_LINE_X, 0, UI_LINE_W, UI_LINE_H, hPage, WM_CF_SHOW | WM_CF_HASTRANS,
                                         _LineCallback, 0);
  if (!hLine) return Used;
  uint32_t TextAddress = 0;
  int Level = 0, NumBoxes = 0;
  for (const uint8_t* r = pRec + 4; r < pRec + 4 * Used; r += 4) {
    if (r[0] == 1) break;
    if (r[0] == 0x20) {
      TextAddress = UI_LinkAddress(Menu, r);
      Level = r[1];
      continue;
    }
    if (r[0] != 0x28 && r[0] != 0x29) continue;
    if (UI_LINE_H + UI_BOX_STEP * (NumBoxes + 1) > UI_PAGE_MAX_H) break;  // no room on a page for it
    UI_BOX_BLOCK* b = (UI_BOX_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_BOX_BLOCK)));
    if (!b) break;
    b->Address = TextAddress;
    b->Level = uint8_t(Level);
    b->HasCode = r[0] == 0x29;
    b->CheckAddress = b->HasCode ? UI_LinkAddress(Menu, r) : 0;
    if (NumBoxes) UI_GrowLine(hLine, UI_BOX_STEP);
    WM_HWIN h = WM_CreateWindowAsChild(UI_ACCESS_BOX_X, 5 + UI_BOX_STEP * NumBoxes, UI_BOX_W, UI_BOX_H, hLine,
                                       WM_CF_SHOW | WM_CF_HASTRANS, UI_AccessBoxCallback, sizeof(b));
    if (h) WM_SetUserData(h, &b, sizeof(b));
    NumBoxes++;
  }
  return Used;
}

void UI_AccessBoxCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_BOX_BLOCK* p = (UI_BOX_BLOCK*)UI_GetElementData(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      int Granted = UI_GrantedLevel(UI_MenuStackInstance.GetNode()) == p->Level;
      if (Granted) {
        UI_DrawTwoToneButton(0, 0, w, h, 0x36F576, 0x29D663);
      } else {
        UI_DrawTwoToneButton(0, 0, w, h, 0xA56308, 0x804008);
      }
      GUI_SetFont(&UI_Font15);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_SetColor(Granted ? GUI_BLACK : GUI_WHITE);
      UI_DrawTextCentredAt(p->acText, w / 2, 9);
      GUI_SetTextAlign(GUI_TA_LEFT);
      break;
    }
    case WM_POINTER:
      if (!UI_ElementTouched(hWin, pMsg) || UI_hListWin) break;
      if (!p->HasCode) {
        _Grant(p, -1);
        UI_ReloadPage();
        break;
      }
      UI_TextBuffer[0] = 0;
      UI_OpenTextEntry(hWin, TXT_GetText(TXT_GROUP_PASSWORD, 7), UI_TEXT_BUFFER_LEN, 0);
      break;
    case UI_MSG_TEXT_DONE:
      if (UI_CheckCode(p->CheckAddress, uint8_t(pMsg->hWinSrc), UI_TextBuffer, nullptr))
        _Grant(p, FKT_ACCESS_GRANT_SECONDS);
      UI_ReloadPage();
      break;
    case UI_MSG_REFRESH:
    case UI_MSG_VALUE_DONE:
    case UI_MSG_SELECTION_DONE:
      _ReadText(p->Address, p->acText);
      WM_InvalidateWindow(hWin);
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

int UI_BuildTextLine(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill) {
  UI_BOX_BLOCK* b = (UI_BOX_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_BOX_BLOCK)));
  if (!b) return 1;
  b->Address = UI_LinkAddress(Menu, pRec);
  b->Code = pRec[0];
  int x = b->Code == '0' ? 15 : 30, w = b->Code == '0' ? 400 : 370;
  int h = b->Code == '0' ? 46 : b->Code == '1' ? 33 : 20;
  WM_HWIN hWin = WM_CreateWindowAsChild(x, 0, w, h, hPage, WM_CF_SHOW | WM_CF_HASTRANS, UI_TextLineCallback,
                                        sizeof(b));
  if (hWin) WM_SetUserData(hWin, &b, sizeof(b));
  return 1;
}

void UI_TextLineCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_BOX_BLOCK* p = (UI_BOX_BLOCK*)UI_GetElementData(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT:
      GUI_SetFont(p->Code == '0' ? &UI_Font20 : p->Code == '1' ? &UI_Font18 : &UI_Font15);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_SetColor(GUI_BLACK);
      GUI_GotoXY(p->Code == '0' ? 15 : 0, WM_GetWindowSizeY(hWin) / 2);
      UI_DrawTextBlock(p->acText, WM_GetWindowSizeX(hWin) - 20, 0);
      break;
    case UI_MSG_REFRESH:
      _ReadText(p->Address, p->acText);
      WM_InvalidateWindow(hWin);
      break;
    case WM_POINTER: UI_ElementTouched(hWin, pMsg); break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_LOAD:
    case UI_MSG_LOADED:
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}

