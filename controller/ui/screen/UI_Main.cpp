// The main screen's windows, its two layouts and the services the screens share.
#include "UI_Main.h"

#include <cstring>

#include "BUTTON.h"
#include "GUI_Sprite.h"
#include "UI_Background.h"
#include "UI_MainImages.h"
#include "UI_Panel.h"
#include "UI_TitleBar.h"

WM_HWIN UI_hBackgroundWin, UI_hTitleBar, UI_hPageArea, UI_hContentWin, UI_hHomeButton, UI_hBackButton;
WM_HWIN UI_hMainWin, UI_hChildScreenArea, UI_hNodeStrip, UI_hPanel, UI_hEntryShield, UI_hEntryDialog,
    UI_hListWin;
WM_HTIMER UI_hTimerHome, UI_hTimerBack, UI_hTimerPage;
GUI_HMEM UI_hSprite;
int UI_ModalDepth;
int UI_SideButtonLatch;
uint32_t UI_ScreenFlags;
UI_ELEMENT_RECT UI_ElementRects[UI_NUM_ELEMENT_RECTS];
UI_OVERVIEW_HOOKS UI_OverviewHooks;
const volatile uint8_t* UI_pPointerMoved;

namespace {

enum { _MAX_OPEN_SCREENS = 8 };

}  // namespace

void UI_ClearElementRects(void) {
  for (UI_ELEMENT_RECT& r : UI_ElementRects) r.x1 = 0;
}

namespace {

// The page area shows white where no page covers it and passes refresh and load messages to its page.
void _cbPageArea(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_PAINT: UI__DrawPageBackground(0, 0, UI_PAGE_AREA_W, UI_PAGE_AREA_H); break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: UI_FanOutMessage(pMsg); break;
    case WM_WHEEL: break;
    default: WM_DefaultProc(pMsg);
  }
}

WM_HWIN _CreateSideButton(int y, int Id) {
  // Transparent: the button's picture has rounded, see-through margins that blend onto what lies below.
  WM_HWIN h = BUTTON_CreateUser(UI_SIDE_BUTTON_X, y, UI_SIDE_BUTTON_W, UI_SIDE_BUTTON_H, UI_hBackgroundWin,
                                WM_CF_SHOW | WM_CF_HASTRANS, 0, Id, 0);
  WM_SetCallback(h, UI_SideButtonCallback);
  // A touch on a side button must leave the keys where they are (with an open keypad or list, on it).
  BUTTON_SetFocusable(h, 0);
  return h;
}

void _Free(WM_HWIN* ph) {
  if (*ph && WM_IsWindow(*ph)) WM_DeleteWindow(*ph);
  *ph = 0;
}

}  // namespace

void UI_CreateMainWindows(void) {
  UI_hMainWin = WM_CreateWindow(0, 0, UI_SCREEN_W, UI_SCREEN_H, WM_CF_HIDE, UI_DesignBackgroundCallback, 0);
  // The client area of the overview layout: the overview pages build into it.
  UI_hContentWin = WM_CreateWindowAsChild(0, UI_TITLE_H, UI_SCREEN_W, UI_PAGE_AREA_H, UI_hMainWin,
                                          WM_CF_HIDE | WM_CF_HASTRANS, UI_ContainerProc, 0);
  UI_hBackgroundWin = WM_CreateWindow(0, 0, UI_SCREEN_W, UI_SCREEN_H, WM_CF_SHOW, UI_BackgroundCallback, 0);
  UI_hTimerPage = WM_CreateTimer(UI_hBackgroundWin, 1, UI_PAGE_TIMER_MS);
  UI_hTitleBar = WM_CreateWindowAsChild(0, 0, UI_SCREEN_W, UI_TITLE_H, UI_hBackgroundWin, WM_CF_SHOW,
                                        UI_TitleBarCallback, 4);
  UI_hPageArea = WM_CreateWindowAsChild(0, UI_TITLE_H, UI_PAGE_AREA_W, UI_PAGE_AREA_H, UI_hBackgroundWin,
                                        WM_CF_SHOW, _cbPageArea, 0);
  UI_hHomeButton = _CreateSideButton(UI_HOME_BUTTON_Y, UI_ID_HOME);
  UI_hBackButton = _CreateSideButton(UI_BACK_BUTTON_Y, UI_ID_BACK);
  UI_hTimerHome = WM_CreateTimer(UI_hHomeButton, 0, UI_SIDE_BUTTON_TIMER_MS);
  UI_hTimerBack = WM_CreateTimer(UI_hBackButton, 0, UI_SIDE_BUTTON_TIMER_MS);
  const GUI_BITMAP* pBusy = UI__GetBusyBitmap();
  UI_hSprite = GUI_SPRITE_Create(pBusy, (UI_PAGE_AREA_W - pBusy->XSize) / 2,
                                 UI_TITLE_H + (UI_PAGE_AREA_H - pBusy->YSize) / 2);
  UI_ShowMainMenu();
}

void UI_DeleteMainWindows(void) {
  // The side buttons and the title bar may hang below either main window: delete them first.
  if (UI_hSprite) GUI_SPRITE_Delete(UI_hSprite);
  UI_hSprite = 0;
  _Free(&UI_hEntryShield);
  _Free(&UI_hHomeButton);
  _Free(&UI_hBackButton);
  _Free(&UI_hTitleBar);
  _Free(&UI_hBackgroundWin);
  _Free(&UI_hMainWin);
  UI_hPageArea = UI_hContentWin = UI_hChildScreenArea = UI_hNodeStrip = UI_hPanel = 0;
  UI_DeletePanelSnapshots();
  UI_hEntryDialog = UI_hListWin = 0;
  UI_hTimerHome = UI_hTimerBack = UI_hTimerPage = 0;
  UI_ModalDepth = 0;
  UI_SideButtonLatch = 0;
  UI_ScreenFlags = 0;
  UI_ClearElementRects();
  UI_MenuStackInstance.ClearHistory();
}

void UI_ShowMainMenu(void) {
  WM_HideWindow(UI_hMainWin);
  WM_HideWindow(UI_hContentWin);  // its visibility tells the screens that an overview page is shown
  WM_ShowWindow(UI_hBackgroundWin);
  WM_AttachWindow(UI_hTitleBar, UI_hBackgroundWin);
  WM_AttachWindowAt(UI_hHomeButton, UI_hBackgroundWin, UI_SIDE_BUTTON_X, UI_HOME_BUTTON_Y);
  WM_AttachWindowAt(UI_hBackButton, UI_hBackgroundWin, UI_SIDE_BUTTON_X, UI_BACK_BUTTON_Y);
  WM_SetWindowPos(UI_hContentWin, 0, UI_TITLE_H, UI_SCREEN_W, UI_PAGE_AREA_H);
  WM_ShowWindow(UI_hTitleBar);
  WM_ShowWindow(UI_hHomeButton);
  WM_ShowWindow(UI_hBackButton);
  UI_MenuStackInstance.ClearHistory();
  UI_MenuStackInstance.Show(UI_ROOT_MENU, 0);
}

void UI_ApplyLayout(void) {
  WM_HideWindow(UI_hBackgroundWin);
  WM_ShowWindow(UI_hMainWin);
  WM_ShowWindow(UI_hContentWin);
  UI_SetSideButtonCallbacks(UI_SideButtonCallback);
  if (UI_IsDesignLayout()) {
    WM_HideWindow(UI_hHomeButton);
    WM_HideWindow(UI_hBackButton);
    WM_HideWindow(UI_hTitleBar);
    WM_AttachWindowAt(UI_hHomeButton, UI_hMainWin, UI_SIDE_BUTTON_X, UI_HOME_BUTTON_Y_DESIGN);
    WM_AttachWindowAt(UI_hBackButton, UI_hMainWin, UI_SIDE_BUTTON_X, UI_BACK_BUTTON_Y_DESIGN);
    WM_SetWindowPos(UI_hContentWin, 0, 0, UI_SCREEN_W, UI_SCREEN_H);
    return;
  }
  WM_ShowWindow(UI_hHomeButton);
  WM_ShowWindow(UI_hBackButton);
  WM_AttachWindow(UI_hTitleBar, UI_hMainWin);
  WM_ShowWindow(UI_hTitleBar);
  WM_AttachWindowAt(UI_hHomeButton, UI_hMainWin, UI_SIDE_BUTTON_X, UI_HOME_BUTTON_Y);
  WM_AttachWindowAt(UI_hBackButton, UI_hMainWin, UI_SIDE_BUTTON_X, UI_BACK_BUTTON_Y);
  WM_SetWindowPos(UI_hContentWin, 0, UI_TITLE_H, UI_SCREEN_W, UI_PAGE_AREA_H);
}

// Closes one open panel or carrier level over an overview page.
void UI__CloseModalLevel(void) {
  _Free(&UI_hPanel);
  UI_MenuStackInstance.Back();
  UI_ModalDepth--;
  if (UI_hEntryShield && WM_IsWindow(UI_hEntryShield)) WM_SendMessageNoPara(UI_hEntryShield, UI_MSG_CLOSED);
  if (UI_IsDesignLayout()) {
    WM_HideWindow(UI_hHomeButton);
    WM_HideWindow(UI_hBackButton);
  }
}

WM_HWIN UI_GetOpenScreen(void) {
  if (UI_hListWin && WM_IsWindow(UI_hListWin)) return UI_hListWin;
  if (UI_hEntryDialog && WM_IsWindow(UI_hEntryDialog)) return UI_hEntryDialog;
  return 0;
}

int UI_GoHome(void) {
  // Home is reached from outside the screens too (a design applied while the user types a code): what is open
  // is cancelled first, as its Cancel button would, so that no dialog stays on its carrier over the new screen
  // holding the side buttons. A cancelled screen may open the one under it again; the count bounds that.
  for (int i = 0; i < _MAX_OPEN_SCREENS; i++) {
    WM_HWIN hOpen = UI_GetOpenScreen();
    if (!hOpen) break;
    WM_SendMessageNoPara(hOpen, UI_MSG_CLOSED);
  }
  UI_DeleteChildren(UI_hChildScreenArea);
  if (UI_ModalDepth) UI__CloseModalLevel();
  if (UI_OverviewHooks.pfReset) UI_OverviewHooks.pfReset();
  if (UI_OverviewHooks.pfLoad && UI_OverviewHooks.pfLoad(0) == 0) {
    WM_InvalidateWindowAndDescendants(UI_hMainWin);
    UI_ApplyLayout();
    WM_InvalidateWindow(UI_hBackButton);
    return 1;
  }
  UI_ShowMainMenu();
  return 0;
}

int UI_ScrollChild(WM_HWIN hWin, int Delta, int Mode) {
  WM_HWIN hParent = WM_GetParent(hWin);
  if (!hWin || !hParent) return Delta;
  int Vertical = Mode == 2;
  int p = Vertical ? WM_GetWindowPosY(hWin) : WM_GetWindowPosX(hWin);
  int s = Vertical ? WM_GetWindowSizeY(hWin) : WM_GetWindowSizeX(hWin);
  int P = Vertical ? WM_GetWindowPosY(hParent) : WM_GetWindowPosX(hParent);
  int S = Vertical ? WM_GetWindowSizeY(hParent) : WM_GetWindowSizeX(hParent);
  int Lowest = P + S - s;
  int Move;
  if (P > p + Delta && p + Delta > Lowest) {
    Move = Delta;
  } else if (Lowest <= p && p <= P) {
    Move = (Delta < 1 ? Lowest : P) - p;
  } else {
    return Delta;
  }
  if (Move) WM_MoveWindow(hWin, Vertical ? 0 : Move, Vertical ? Move : 0);
  return Move;
}

void UI_RestoreScrollPosition(WM_HWIN hPage, int ListPosition) {
  WM_HWIN hParent = WM_GetParent(hPage);
  int Lowest = WM_GetWindowSizeY(hParent) - WM_GetWindowSizeY(hPage);
  int dy = ListPosition > Lowest ? ListPosition : Lowest;
  if (dy > 0) dy = 0;  // a page never starts below the top of its parent
  WM_MoveChildTo(hPage, WM_GetWindowPosX(hPage) - WM_GetWindowPosX(hParent), dy);
}

static void _SendValue(WM_HWIN hWin, int MsgId, int Value) {
  if (!hWin) return;
  WM_MESSAGE Msg = {};
  Msg.MsgId = MsgId;
  Msg.Data.v = Value;
  WM_SendMessage(hWin, &Msg);
}

void UI_SendLoad(WM_HWIN hWin, int Value) { _SendValue(hWin, UI_MSG_LOAD, Value); }
void UI_SendLoaded(WM_HWIN hWin, int Value) { _SendValue(hWin, UI_MSG_LOADED, Value); }

void UI_FanOutMessage(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  intptr_t v = pMsg->Data.v;
  if (v == 0 || v == 2 || v == 3) {
    for (WM_HWIN h = WM_GetFirstChild(hWin); h;) {
      WM_HWIN hNext = WM_GetNextSibling(h);  // a child may delete itself
      WM_MESSAGE Msg = *pMsg;
      WM_SendMessage(h, &Msg);
      h = hNext;
    }
    return;
  }
  if (v != 1 || !WM_IsVisible(hWin) || !UI_hPageArea) return;
  GUI_RECT Area;
  WM_GetWindowRectEx(UI_hPageArea, &Area);
  WM_HWIN h = WM_GetFirstChild(hWin);
  GUI_RECT r;
  for (; h; h = WM_GetNextSibling(h)) {  // skip the children above the page area
    WM_GetWindowRectEx(h, &r);
    if (r.y1 >= Area.y0) break;
  }
  while (h) {
    WM_GetWindowRectEx(h, &r);
    if (r.y0 > Area.y1) break;
    WM_HWIN hNext = WM_GetNextSibling(h);
    WM_MESSAGE Msg = *pMsg;
    WM_SendMessage(h, &Msg);
    h = hNext;
  }
}

void UI_DefaultProc(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId > WM_USER) return;
  WM_DefaultProc(pMsg);
}

void UI_ContainerProc(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: UI_FanOutMessage(pMsg); break;
    default: UI_DefaultProc(pMsg);
  }
}

void UI_DeleteChildren(WM_HWIN hWin) {
  if (!hWin) return;
  while (WM_HWIN h = WM_GetFirstChild(hWin)) {
    if (h == UI_hNodeStrip) UI_hNodeStrip = 0;
    if (h == UI_hPanel) UI_hPanel = 0;
    WM_DeleteWindow(h);
  }
}

void UI_SetBusy(int OnOff) {
  if (!UI_hSprite) return;
  if (OnOff) {
    GUI_SPRITE_Show(UI_hSprite);
  } else {
    GUI_SPRITE_Hide(UI_hSprite);
  }
}
