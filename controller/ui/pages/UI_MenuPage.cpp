// The menu-page handler: access check, page windows by kind and their layout.
#include "UI_MenuPage.h"

#include <cstring>

#include "APP_Hooks.h"
#include "FKT_Access.h"
#include "OBJ_Access.h"
#include "OS.h"
#include "SET_Objects.h"
#include "TXT_Groups.h"
#include "TXT_Language.h"
#include "UI_Element.h"
#include "UI_ElementLine.h"
#include "UI_ElementList.h"
#include "UI_ElementPanel.h"
#include "UI_ElementStruct.h"
#include "UI_ElementTile.h"
#include "UI_EntryDispatch.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"
#include "UI_MenuPageNetwork.h"
#include "UI_Panel.h"
#include "WM_Motion.h"

int UI_PageContentHeight;

namespace {

enum {
  _KIND_TILES = 1,
  _KIND_LIST = 2,
  _KIND_PANEL_LINES = 3,
  _KIND_LINES = 7,
  _KIND_STRUCTURED = 8,
  _KIND_PANEL_ROWS = 10,
  _KIND_PANEL_TABS = 11,
  _KIND_STRUCTURED_TABS = 13,
};

// An element builder of a page kind; never reads at or beyond pEnd (the menu buffer's end).
typedef int _BUILDER(WM_HWIN hParent, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);

uint32_t _Word(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

const UI_PAGE_HANDLER _Handler = {UI_BuildMenuPage, UI_NodeStripCallback};

int _TakeSemaphore(void) {
  return !APP_hUiSemaphore || OS_SemWait(APP_hUiSemaphore, OS_INFINITE) != OS_WAIT_TIMEOUT;
}
void _GiveSemaphore(void) {
  if (APP_hUiSemaphore) OS_SemSignal(APP_hUiSemaphore);
}

// Password receiver: the two check objects and the address to open once a code is accepted.
struct _PASSWORD {
  uint32_t aCheck[2];  // level 1, level 2
  uint32_t Target;
};

void _OpenPasswordPrompt(WM_HWIN hReceiver) {
  UI_TextBuffer[0] = 0;
  UI_OpenTextEntry(hReceiver, TXT_GetText(TXT_GROUP_PASSWORD, 7), UI_TEXT_BUFFER_LEN, 0);
}

// Reads the node's access-code table: grants levels open without a code, collects the check objects. Returns
// 1 when the required level still needs a code, 0 when it is granted now, -1 when the table is unreadable.
int _CheckAccessTable(uint32_t Address, int Required, _PASSWORD* pPw) {
  UI_MenuStack* s = &UI_MenuStackInstance;
  uint8_t* p = s->GetFillPointer();
  int Room = s->GetFreeSpace();
  uint32_t Node = Address & 0xFF000000u;
  if (Room < 28) return -1;
  memset(p, 0, 28);
  int n = OBJ_Read(Node | 0x57FF, p, Room, 0);
  if (n <= 0 || p[0] != 0x60) return -1;
  if (n > Room) n = Room;
  int Need = 1;
  for (int Pos = 24; Pos + 4 <= n; Pos += 4) {
    const uint8_t* e = p + Pos;
    if (!e[0] && !e[1]) break;
    int Level = e[1];
    if (Level < Required) continue;
    if (e[0] == 0x28) {
      if (Level > UI_GrantedLevel(Address)) UI_GrantLevel(Address, Level, -1);
      Need = 0;
    } else if (e[0] == 0x29 && (Level == 1 || Level == 2)) {
      pPw->aCheck[Level - 1] = Node | uint32_t(Level) << 16 | uint16_t(e[2] | e[3] << 8);
    }
  }
  return Need;
}

WM_HWIN _CreatePage(WM_CALLBACK* cb, int x, int w) {
  return WM_CreateWindowAsChild(x, 0, w, UI_PAGE_AREA_H, UI_hPageArea, WM_CF_SHOW | WM_STATUS_MOTION_Y, cb, 0);
}

void _SendLoadSequence(WM_HWIN hPage) {
  WM_SendMessageNoPara(hPage, UI_MSG_REFRESH);
  UI_SendLoad(hPage, 0);
  UI_SendLoaded(hPage, 0);
}

// Passes the records of the description one after another to the page kind's builder until the end record.
void _BuildElements(_BUILDER* pfBuild, WM_HWIN hPage, uint32_t Address, const uint8_t* pMenu, int Start) {
  UI_MenuStack* s = &UI_MenuStackInstance;
  uint8_t* pFill = s->GetPageArea();
  const uint8_t* pEnd = pMenu + UI_MenuStack::GetMenuBufferSize();
  for (const uint8_t* r = pMenu + Start; r < pEnd && (r[0] || r[1]);) {
    int n = pfBuild(hPage, Address, r, &pFill, pEnd);
    r += 4 * (n > 0 ? n : 1);
  }
  s->SetFillPointer(pFill);
}

_BUILDER* _PageBuilder(int PageKind) {
  switch (PageKind) {
    case _KIND_TILES: return UI_BuildIconTile;
    case _KIND_LIST: return UI_BuildListElement;
    case _KIND_PANEL_LINES: return UI_BuildPanelLine;
    case _KIND_PANEL_ROWS:
    case _KIND_PANEL_TABS: return UI_BuildPanelRow;
    case _KIND_LINES: return UI_BuildLineElement;
    case _KIND_STRUCTURED:
    case _KIND_STRUCTURED_TABS: return UI_BuildStructuredPage;
  }
  return nullptr;
}

// Panel pages: the element windows of the page shown below go (the panel stands on its picture), the panel screen
// is made, and its inner window takes the elements.
int _BuildPanel(_BUILDER* pfBuild, int PageKind, uint32_t Address, const uint8_t* pMenu, int Start,
                int ListPosition) {
  int Structured = PageKind == _KIND_STRUCTURED || PageKind == _KIND_STRUCTURED_TABS;
  // Structured pages over an overview page leave the page below alone.
  if (!Structured || WM_IsVisible(UI_hBackgroundWin)) UI_DeleteChildren(WM_GetFirstChild(UI_hPageArea));
  WM_HWIN hInner = UI_CreatePanel(Structured ? UI_StructInnerCallback : UI_PanelInnerCallback, nullptr, 0,
                                  UI_PanelTabsCallback, ListPosition);
  if (!hInner) {
    _GiveSemaphore();
    return UI_SHOW_FAILED;
  }
  _BuildElements(pfBuild, hInner, Address, pMenu, Start);
  _GiveSemaphore();
  _SendLoadSequence(hInner);
  if (Structured) {
    UI_LayoutStructuredRows(hInner);
  } else if (PageKind == _KIND_PANEL_LINES) {
    UI_LayoutPanelLines(hInner);
  } else {
    UI_LayoutPanelPairs(hInner);
  }
  return UI_SHOW_OK;
}

}  // namespace

// The grant is the tick's to count down: it is read and given under the data mutex, through the controller.
int UI_GrantedLevel(uint32_t Address) { return FKT_GetAccessLevel(int(Address >> 24)); }

void UI_GrantLevel(uint32_t Address, int Level, int32_t Timeout) {
  FKT_GrantAccess(int(Address >> 24), Level, Timeout);
}

int UI_PageRequiredLevel(uint32_t Address, const uint8_t* pMenu, int* pRecordStart) {
  if (!Address) {
    if (pRecordStart) *pRecordStart = 0;
    return int(SET_General.GetParameter(SET_GEN_PAR_NETWORK_LEVEL));
  }
  int Word2 = _Word(pMenu + 8) != 0;
  if (pRecordStart) *pRecordStart = Word2 ? 12 : 24;
  return Word2 ? 0 : int(_Word(pMenu + 20));
}

void UI_InstallMenuPages(void) { UI_SetPageHandler(&_Handler); }

int UI_BuildMenuPage(int ListPosition) {
  if (!UI_hPageArea) return UI_SHOW_FAILED;
  UI_MenuStack* s = &UI_MenuStackInstance;
  uint32_t Address = s->GetNode();
  const uint8_t* pMenu = s->GetNodeMenu();
  if (!_TakeSemaphore()) return UI_SHOW_FAILED;
  int Start = 0;
  int Required = UI_PageRequiredLevel(Address, pMenu, &Start);
  if (Required > UI_GrantedLevel(Address)) {
    _PASSWORD Pw = {{0, 0}, Address};
    int Need = _CheckAccessTable(Address, Required, &Pw);
    if (Need) {
      _GiveSemaphore();
      if (Need > 0) {
        // Hidden: it only receives the typed code. A size of 0 makes it as large as the page area, and shown it
        // would cover the page with a window that paints nothing.
        WM_HWIN h = WM_CreateWindowAsChild(0, 0, 0, 0, UI_hPageArea, 0, UI_PasswordReceiverCallback,
                                           sizeof(_PASSWORD));
        if (h) {
          WM_SetUserData(h, &Pw, sizeof(Pw));
          _OpenPasswordPrompt(h);
        }
      }
      // Nothing was built: the previous page stays until a code is accepted.
      return UI_SHOW_FAILED;
    }
  }
  if (!Address) {
    UI_DeleteChildren(UI_hPageArea);
    WM_HWIN hPage = _CreatePage(UI_NetworkPageCallback, 0, UI_PAGE_AREA_W);
    if (!hPage) {
      _GiveSemaphore();
      return UI_SHOW_FAILED;
    }
    WM_SendMessageNoPara(hPage, UI_MSG_BUILD_NODE_LIST);
    _GiveSemaphore();
    _SendLoadSequence(hPage);
    UI_LayoutNodeTiles(hPage, ListPosition);
    return UI_SHOW_OK;
  }
  uint32_t Kind = s->GetPageKind();
  if (Kind & 0xFF) {
    _GiveSemaphore();
    return UI_SHOW_FAILED;
  }
  int PageKind = (Kind >> 8) & 0xFF;
  _BUILDER* pfBuild = _PageBuilder(PageKind);
  if (!pfBuild) {
    _GiveSemaphore();
    return UI_SHOW_FAILED;  // a kind without a page: nothing is built and the previous page stays
  }
  int Panel = PageKind == _KIND_PANEL_LINES || PageKind == _KIND_PANEL_ROWS || PageKind == _KIND_PANEL_TABS ||
              PageKind == _KIND_STRUCTURED || PageKind == _KIND_STRUCTURED_TABS;
  if (Panel) return _BuildPanel(pfBuild, PageKind, Address, pMenu, Start, ListPosition);
  if (UI_hPanel) {
    WM_DeleteWindow(UI_hPanel);
    UI_hPanel = 0;
  }
  UI_DeleteChildren(UI_hPageArea);
  int List = PageKind == _KIND_LIST;  // list pages stand 5 pixels in, 10 narrower
  WM_HWIN hPage = _CreatePage(UI_MenuPageCallback, List ? UI_LIST_PAGE_X : 0,
                              UI_PAGE_AREA_W - (List ? 2 * UI_LIST_PAGE_X : 0));
  if (!hPage) {
    _GiveSemaphore();
    return UI_SHOW_FAILED;
  }
  _BuildElements(pfBuild, hPage, Address, pMenu, Start);
  _GiveSemaphore();
  _SendLoadSequence(hPage);
  int Height = 0;
  if (PageKind == _KIND_TILES) {
    Height = UI_LayoutIconTiles(hPage);
    WM_SetYSize(hPage, Height);
  } else {
    WM_SendMessageNoPara(hPage, UI_MSG_RELAYOUT);
  }
  UI_RestoreScrollPosition(hPage, ListPosition);
  WM_MOTION_SetMoveable(hPage, WM_CF_MOTION_Y, 1);
  if (PageKind == _KIND_TILES) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = UI_MSG_CONTENT_HEIGHT;
    Msg.Data.v = Height;
    WM_SendMessage(hPage, &Msg);
  }
  return UI_SHOW_OK;
}

// Paint of the scrolled pages: the page background and, when the page is taller than the area, a scroll mark.
void UI__PaintPage(WM_HWIN hWin) {
  GUI_SetBkColor(GUI_WHITE);
  GUI_Clear();
  if (UI_hMemdevPageBg) UI_DrawCachedAtOrigin(UI_hMemdevPageBg);
  int H = WM_GetWindowSizeY(hWin);
  if (H > UI_PAGE_AREA_H) {
    int yPage = WM_GetWindowPosY(hWin);
    int s = UI_TITLE_H - yPage;
    int yTop = 32 + 182 * s / (H - UI_PAGE_AREA_H) - yPage;
    GUI_SetColor(0x808080);
    GUI_DrawRoundedRect(425, yTop, 428, yTop + 55, 1);
  }
}

// What the scrolled pages share: pointer capture, the wheel, shrinking on a move, no scrolling under a dialog.
int UI__PageCommon(WM_MESSAGE* pMsg, int* pContentHeight) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_PAINT: UI__PaintPage(hWin); return 1;
    case WM_POINTER: {
      const GUI_POINTER_STATE* p = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (p && p->Pressed) WM_SetCapture(hWin, 1);
      if (p && !p->Pressed) WM_ReleaseCapture();
      return 1;
    }
    case WM_MOTION: {
      WM_MOTION_INFO* m = (WM_MOTION_INFO*)pMsg->Data.p;
      if (m && m->Cmd == WM_MOTION_INIT && UI_hEntryDialog) m->Flags = 1;
      return 1;
    }
    case WM_WHEEL: UI_ScrollChild(hWin, int(pMsg->Data.v) * UI_WHEEL_STEP, 2); return 1;
    case WM_MOVE: {
      const WM_MOVE_INFO* m = (const WM_MOVE_INFO*)pMsg->Data.p;
      int H = WM_GetWindowSizeY(hWin);
      if (m && m->dy >= 1 && H > *pContentHeight) {
        int NewH = H - m->dy;
        if (NewH < *pContentHeight) NewH = *pContentHeight;
        WM_SetYSize(hWin, NewH);
      }
      WM_InvalidateWindow(hWin);
      return 1;
    }
    case UI_MSG_CONTENT_HEIGHT: *pContentHeight = int(pMsg->Data.v); return 1;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: UI_FanOutMessage(pMsg); return 1;
  }
  return 0;
}

// Stacks the element windows from y 6 with 6 pixels between them and sizes the page.
void UI__RelayoutPage(WM_HWIN hWin) {
  int y = 6;
  for (WM_HWIN h = WM_GetFirstChild(hWin); h; h = WM_GetNextSibling(h)) {
    if (y + WM_GetWindowSizeY(h) + 6 + UI_NODE_STRIP_H > UI_PAGE_MAX_H) {
      UI_DropElementsFrom(h);
      break;
    }
    WM_MoveChildTo(h, WM_GetWindowPosX(h) - WM_GetWindowPosX(hWin), y);
    y += WM_GetWindowSizeY(h) + 6;
  }
  if (UI_MenuStackInstance.GetNode() >> 24) y += UI_NODE_STRIP_H;
  UI_PageContentHeight = y;
  int Room = UI_SCREEN_H - WM_GetWindowPosY(hWin);
  int H = y;
  if (y < Room) {
    if (y > Room - 210) {
      H = Room;
    } else if (H < 210) {
      H = 210;
      UI_PageContentHeight = 210;
    }
  }
  WM_SetYSize(hWin, H);
}

void UI_MenuPageCallback(WM_MESSAGE* pMsg) {
  if (UI__PageCommon(pMsg, &UI_PageContentHeight)) return;
  if (pMsg->MsgId == UI_MSG_RELAYOUT) {
    UI__RelayoutPage(pMsg->hWin);
    return;
  }
  WM_DefaultProc(pMsg);
}

void UI_PasswordReceiverCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  _PASSWORD Pw = {};
  WM_GetUserData(hWin, &Pw, sizeof(Pw));
  switch (pMsg->MsgId) {
    case UI_MSG_TEXT_DONE: {
      for (int Level = 2; Level >= 1; Level--) {
        if (!Pw.aCheck[Level - 1]) continue;
        if (UI_CheckCode(Pw.aCheck[Level - 1], 0, UI_TextBuffer, nullptr)) {
          UI_GrantLevel(Pw.Target, Level, FKT_ACCESS_GRANT_SECONDS);
          WM_DeleteWindow(hWin);
          UI_MenuStackInstance.Open(Pw.Target, UI_GetPageScrollOffset());
          return;
        }
      }
      _OpenPasswordPrompt(hWin);  // refused: ask again, empty
      break;
    }
    case UI_MSG_HOME:
      // Cancelled. The page the user came from still stands (nothing was built for the prompt's page), so there
      // is nowhere to go back to; only the own root menu, which has nothing before it, leads home, and a page
      // that asks again for the level it is shown with (a reload after the grant ran out) is left.
      WM_DeleteWindow(hWin);
      if (Pw.Target == UI_ROOT_MENU) {
        UI_GoHome();
      } else if (Pw.Target == UI_MenuStackInstance.GetNode()) {
        UI_MenuStackInstance.Back();
      }
      break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED:
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}
