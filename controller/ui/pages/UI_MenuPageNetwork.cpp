// The network page, its node tiles and the node strip.
#include "UI_MenuPageNetwork.h"

#include <cstring>

#include "APP_Hooks.h"
#include "CAN_Node.h"
#include "GUI.h"
#include "OBJ_Access.h"
#include "OS.h"
#include "SET_Objects.h"
#include "TXT_Groups.h"
#include "TXT_Language.h"
#include "UI_Draw.h"
#include "UI_Element.h"
#include "UI_Main.h"
#include "UI_MainListPage.h"
#include "UI_MenuPage.h"
#include "WM_Motion.h"

int UI_NodeListContentHeight;

namespace {

int _IsUtf16Type(int Type) { return (Type >= 135 && Type <= 137) || Type == 139 || Type == 140; }

// The name of a node record as UTF-16, terminated inside Len characters.
void _NodeName(const UI_NODE_RECORD* p, char16_t* pOut, int Len) {
  int i = 0;
  if (_IsUtf16Type(p->DeviceType)) {
    for (int Pos = 2; Pos + 1 < UI_NODE_NAME_SIZE && i < Len - 1; Pos += 2) {
      char16_t c = char16_t(p->aName[Pos] | p->aName[Pos + 1] << 8);
      if (!c) break;
      pOut[i++] = c;
    }
  } else {
    for (int Pos = 0; Pos < UI_NODE_NAME_SIZE && i < Len - 1 && p->aName[Pos]; Pos++) pOut[i++] = p->aName[Pos];
  }
  pOut[i] = 0;
}

UI_NODE_RECORD* _Record(WM_HWIN hWin) { return (UI_NODE_RECORD*)UI_GetElementData(hWin); }

void _PaintTile(WM_HWIN hWin, const UI_NODE_RECORD* p) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  int Own = p->Node == 0;
  GUI_SetBkColor(GUI_WHITE);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetFont(&UI_Font15);
  GUI_DrawGradientRoundedV(0, 0, w - 1, h - 1, 4, 0xE8CFB5, 0xD2B599);
  if (Own) {
    GUI_DrawGradientRoundedV(2, 2, w - 3, h - 3, 4, 0x404040, 0x505050);
  } else {
    GUI_DrawGradientRoundedV(2, 2, w - 3, h - 3, 4, 0xB0B0B0, 0xE0E0E0);
  }
  GUI_SetColor(Own ? GUI_WHITE : GUI_BLACK);
  int y = 14, dy = GUI_GetFontDistY();
  UI_DrawTextAt(TXT_GetText(TXT_GROUP_CAN, 12), 80, y);
  int Node = Own ? int(SET_Can.GetParameter(SET_CAN_PAR_NODE)) : p->Node;
  GUI_DispDecAt(Node, 200, y, Node > 9 ? 2 : 1);
  UI_DrawTextAt(TXT_GetText(TXT_GROUP_GENERAL, 11), 80, y + dy);
  char16_t aName[UI_NODE_NAME_SIZE];
  _NodeName(p, aName, UI_NODE_NAME_SIZE);
  UI_DrawTextAt(aName, 200, y + dy);
  // The device picture: a framed screen for controllers, a plain box for other devices.
  GUI_SetColor(Own ? GUI_WHITE : 0x404040);
  GUI_DrawRoundedRect(10, 10, 60, 60, 4);
  if (p->DeviceType == 128 || (p->DeviceType >= 135 && p->DeviceType <= 140)) GUI_DrawRect(18, 20, 52, 44);
  if (Own) {
    GUI_SetColor(GUI_WHITE);
    UI_DrawTextAt(TXT_GetText(TXT_GROUP_CAN, 3), 80, y + 2 * dy);
    UI_DrawTextAt(CAN_GetNodeStateText(&CAN_NodeState), 200, y + 2 * dy);
  }
}

void _TileTouched(WM_HWIN hWin, const UI_NODE_RECORD* p) {
  int t = p->DeviceType;
  if (t < 135 || t > 143 || t == 138) return;
  UI_MenuStackInstance.Open(uint32_t(p->Node) << 24 | UI_ROOT_MENU, UI_PageScroll());
}

void _BuildNodeList(WM_HWIN hPage) {
  UI_MenuStack* s = &UI_MenuStackInstance;
  uint8_t* pFill = s->GetPageArea();
  auto Tile = [&](int Node, int Type, int Info, int Countdown) {
    UI_NODE_RECORD* r = (UI_NODE_RECORD*)UI_ArenaTake(&pFill, int(sizeof(UI_NODE_RECORD)));
    if (!r) return;
    r->Node = uint8_t(Node);
    r->DeviceType = uint8_t(Type);
    r->Zero = uint8_t(Info);
    r->Countdown = uint8_t(Countdown);
    WM_HWIN h = WM_CreateWindowAsChild(30, 6, UI_NODE_TILE_W, UI_NODE_TILE_H, hPage, WM_CF_SHOW | WM_CF_HASTRANS,
                                       UI_NodeTileCallback, sizeof(r));
    if (h) WM_SetUserData(h, &r, sizeof(r));
  };
  Tile(0, 0, 0, 0);
  for (int n = 0; n < CAN_MAX_NODES; n++)
    if (CAN_NodeTable[n].Present) Tile(n, CAN_NodeTable[n].DeviceType, CAN_NodeTable[n].Info, 2);
  s->SetFillPointer(pFill);
  WM_SetYSize(hPage, 440);
}

}  // namespace

void UI_RefreshNodeName(UI_NODE_RECORD* p) {
  if (APP_hUiSemaphore && OS_SemWait(APP_hUiSemaphore, OS_INFINITE) == OS_WAIT_TIMEOUT) return;
  if (p->Node == 0) {
    p->DeviceType = 135;
    memset(p->aName, 0, sizeof(p->aName));
    OBJ_ReadLocal(p->aName, UI_NODE_NAME_SIZE - 2, 0x2512, 0);
    p->Countdown = 1;
  } else {
    if (p->Countdown == 0) {
      p->Countdown = 5;
    } else {
      p->Countdown--;
    }
    if (p->Countdown == 1 && CAN_GetNodeState(&CAN_NodeState)) {
      uint32_t Index = _IsUtf16Type(p->DeviceType) ? 0x2512 : 0x1008;
      memset(p->aName, 0, sizeof(p->aName));
      if (!p->DeviceType || OBJ_Read(uint32_t(p->Node) << 24 | Index, p->aName, UI_NODE_NAME_SIZE - 2, 0) <= 0)
        memset(p->aName, 0, sizeof(p->aName));
    }
  }
  // The name stays terminated inside its buffer whatever the node answered.
  p->aName[UI_NODE_NAME_SIZE - 2] = p->aName[UI_NODE_NAME_SIZE - 1] = 0;
  if (APP_hUiSemaphore) OS_SemSignal(APP_hUiSemaphore);
}

void UI_LayoutNodeTiles(WM_HWIN hPage, int ListPosition) {
  int y = 6;
  for (WM_HWIN h = WM_GetFirstChild(hPage); h; h = WM_GetNextSibling(h)) {
    WM_MoveChildTo(h, 30, y);
    y += WM_GetWindowSizeY(h) + 6;
  }
  int Min = UI_SCREEN_H - WM_GetWindowPosY(hPage);
  int H = y > Min ? y : Min;
  WM_SetYSize(hPage, H);
  UI_RestoreScrollPosition(hPage, ListPosition);
  WM_MOTION_SetMoveable(hPage, WM_CF_MOTION_Y, 1);
  WM_MESSAGE Msg = {};
  Msg.MsgId = UI_MSG_CONTENT_HEIGHT;
  Msg.Data.v = H;
  WM_SendMessage(hPage, &Msg);
}

void UI_NetworkPageCallback(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == UI_MSG_BUILD_NODE_LIST) {
    _BuildNodeList(pMsg->hWin);
    return;
  }
  if (UI__PageCommon(pMsg, &UI_NodeListContentHeight)) return;
  WM_DefaultProc(pMsg);
}

void UI_NodeTileCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_NODE_RECORD* p = _Record(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintTile(hWin, p); break;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) _TileTouched(hWin, p);
      break;
    case UI_MSG_LOAD:
      UI_RefreshNodeName(p);
      UI_SendLoaded(hWin, 0);
      break;
    case UI_MSG_LOADED:
      if (p->Countdown == 1) {
        p->Countdown = 0;
        WM_InvalidateWindow(hWin);
      }
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_REFRESH: break;
    default: WM_DefaultProc(pMsg);
  }
}

void UI_NodeStripCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_NODE_RECORD* p = _Record(hWin);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      if (!p) break;
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      GUI_SetFont(&UI_Font15);
      GUI_SetColor(GUI_WHITE);
      GUI_FillRoundedRect(-4, 0, w - 1, h / 2 + 8, 4);
      GUI_DrawGradientV(0, h / 2, w - 1, h - 1, GUI_WHITE, 0xC6C6C6);
      GUI_SetColor(GUI_BLACK);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_DispDecAt(p->Node, 4, 1, p->Node > 9 ? 2 : 1);
      GUI_DispString(": ");
      char16_t aName[UI_NODE_NAME_SIZE];
      _NodeName(p, aName, UI_NODE_NAME_SIZE);
      GUI_UC_DispString(aName);
      break;
    }
    case UI_MSG_LOAD:
      if (p) UI_RefreshNodeName(p);
      UI_SendLoaded(hWin, 0);
      break;
    case UI_MSG_LOADED: {
      if (!p) break;
      GUI_SetFont(&UI_Font15);
      char16_t aName[UI_NODE_NAME_SIZE];
      _NodeName(p, aName, UI_NODE_NAME_SIZE);
      int w = 8 + GUI_GetStringDistX(p->Node > 9 ? "00" : "0") + GUI_GetStringDistX(": ") + UI_TextWidth(aName);
      WM_SetXSize(hWin, w);
      WM_InvalidateWindow(hWin);
      break;
    }
    case UI_MSG_BUILD_NODE_LIST: WM_InvalidateWindow(hWin); break;
    case WM_POINTER: UI_ElementTouched(hWin, pMsg); break;
    case WM_WHEEL:
    case UI_MSG_REFRESH: break;
    default: WM_DefaultProc(pMsg);
  }
}
