// The controller's main screen: the top-level windows (background, title bar, page area, side buttons, the
// overview window), the two layouts between which the screen switches, the side buttons' behaviour, and the
// small services that the page, dialog and overview screens share. Everything runs in the GUI thread.
#pragma once
#include <cstdint>

#include "UI_MainMessages.h"
#include "UI_MenuStack.h"
#include "WM.h"
#include "WM_Timer.h"

// Display and window geometry.
enum {
  UI_SCREEN_W = 480,
  UI_SCREEN_H = 272,
  UI_TITLE_H = 30,
  UI_PAGE_AREA_W = 430,
  UI_PAGE_AREA_H = 242,
  UI_SIDE_BUTTON_X = 430,
  UI_SIDE_BUTTON_W = 60,
  UI_SIDE_BUTTON_H = 90,
  UI_HOME_BUTTON_Y = 45,
  UI_BACK_BUTTON_Y = 160,
  UI_HOME_BUTTON_Y_DESIGN = 30,  // full-screen design layout
  UI_BACK_BUTTON_Y_DESIGN = 145,
  UI_ID_HOME = 373,
  UI_ID_BACK = 374,
  UI_SIDE_BUTTON_DEBOUNCE_MS = 150,
  UI_SIDE_BUTTON_TIMER_MS = 300,
  UI_PAGE_TIMER_MS = 10000,
  UI_PAGE_REFRESH_MS = 1000,
  UI_NUM_ELEMENT_RECTS = 100,
  UI_NODE_STRIP_H = 17,
  UI_WHEEL_STEP = 20,  // pixels a page scrolls per wheel notch
};

// Bit 20 of UI_ScreenFlags: the home button does nothing. Bit 9: a panel screen was made.
constexpr uint32_t UI_SCREEN_NO_HOME = 1u << 20;
constexpr uint32_t UI_SCREEN_PANEL = 1u << 9;

extern WM_HWIN UI_hBackgroundWin;   // 480x272, parent of the menu layout
extern WM_HWIN UI_hTitleBar;        // 480x30 at 0,0; user data: node number of the shown menu
extern WM_HWIN UI_hPageArea;        // 430x242 at 0,30: parent of the page windows
extern WM_HWIN UI_hContentWin;      // client area of the overview layout
extern WM_HWIN UI_hHomeButton;      // 60x90, id 373
extern WM_HWIN UI_hBackButton;      // 60x90, id 374
extern WM_HWIN UI_hMainWin;         // 480x272 design/overview background, visible only in the overview layout
extern WM_HWIN UI_hChildScreenArea; // parent of child screens over an overview page (0 while there is none)
extern WM_HWIN UI_hNodeStrip;       // node status strip while a menu of another node is shown
extern WM_HWIN UI_hPanel;           // the panel screen of tabbed pages
extern WM_HWIN UI_hEntryShield;     // the carrier under an open entry dialog or panel
extern WM_HWIN UI_hEntryDialog;     // the open entry dialog on the carrier
extern WM_HWIN UI_hListWin;         // the open selection list
extern WM_HTIMER UI_hTimerHome, UI_hTimerBack;  // side-button debounce timers
extern WM_HTIMER UI_hTimerPage;     // refresh timer of the shown page (id 1 of the background window)

extern int UI_ModalDepth;        // open full-screen carriers that a side button may close
extern int UI_SideButtonLatch;   // 1 while a side-button release is being debounced
extern uint32_t UI_ScreenFlags;

// Touch rectangles of the elements of an overview page; a cleared record has x1 = 0.
struct UI_ELEMENT_RECT {
  int16_t x0, y0, x1, y1;
};
extern UI_ELEMENT_RECT UI_ElementRects[UI_NUM_ELEMENT_RECTS];
void UI_ClearElementRects(void);

// The overview pages, installed by their module; without it there are no overview pages and home shows the
// main menu.
struct UI_OVERVIEW_HOOKS {
  void (*pfReset)(void);
  int (*pfLoad)(int Page);      // 0 when the page was loaded and shown in UI_hMainWin
  int (*pfPopHistory)(void);    // page to return to, negative when there is none
  int (*pfPeekHistory)(void);   // the same without taking it
};
extern UI_OVERVIEW_HOOKS UI_OverviewHooks;

// Whether the pressed pointer moved since the press (a swipe): the host points it at its flag. Null: never.
extern const volatile uint8_t* UI_pPointerMoved;
inline int UI_PointerMoved(void) { return UI_pPointerMoved && *UI_pPointerMoved; }

// Creates the top-level windows and shows the own device's root menu (the main task's start-up).
void UI_CreateMainWindows(void);
// Deletes the top-level windows and clears every handle (tests, shutdown).
void UI_DeleteMainWindows(void);

void UI_ShowMainMenu(void);  // menu layout, own root menu, history cleared
void UI_ApplyLayout(void);   // overview layout
// Cancels an open list or entry dialog, then shows overview page 0: 1 when it was shown, 0 when the main menu
// was shown instead.
int UI_GoHome(void);
// The open screen that the side buttons serve (a selection list before the entry dialog under it), 0 when none.
WM_HWIN UI_GetOpenScreen(void);

// Side-button callbacks; the screens exchange them with WM_SetCallback.
void UI_SideButtonCallback(WM_MESSAGE* pMsg);          // menu navigation
void UI_SideButtonForwardCallback(WM_MESSAGE* pMsg);   // sends UI_MSG_HOME / UI_MSG_BACK to the screen
void UI_SideButtonInactiveCallback(WM_MESSAGE* pMsg);  // darker, ignores the pointer
void UI_SideButtonLockedCallback(WM_MESSAGE* pMsg);    // locked picture, releases do nothing
void UI_SetSideButtonCallbacks(WM_CALLBACK* cb);       // both buttons
// What the back side button does in the menu layout (also the host's extra mouse button).
void UI_SideButtonBack(void);

// Scrolls a page window: mode 2 vertically (1 and 3 horizontally). Returns the distance applied.
int UI_ScrollChild(WM_HWIN hWin, int Delta, int Mode);
// Restores a page's scroll position: places it max(ListPosition, parent height - page height) pixels above
// the top of its parent (ListPosition 0 or negative), so that it never ends above the parent's bottom.
void UI_RestoreScrollPosition(WM_HWIN hPage, int ListPosition);
// Sends UI_MSG_LOAD or UI_MSG_LOADED with Data.v = Value and no source window.
void UI_SendLoad(WM_HWIN hWin, int Value);
void UI_SendLoaded(WM_HWIN hWin, int Value);
// Passes UI_MSG_REFRESH, UI_MSG_LOAD and UI_MSG_LOADED of a page or panel window on to its children: Data.v
// 0, 2 or 3 to all of them; 1 only while the window is visible and only to the children that overlap the page
// area vertically; other values to none.
void UI_FanOutMessage(WM_MESSAGE* pMsg);
// The end of a screen window's callback: the screens' own messages (above WM_USER) that it does not handle stop
// here; every other message goes to WM_DefaultProc.
void UI_DefaultProc(WM_MESSAGE* pMsg);
// The same for a window that holds pages or elements: UI_MSG_REFRESH, UI_MSG_LOAD and UI_MSG_LOADED go on to its
// children (UI_FanOutMessage).
void UI_ContainerProc(WM_MESSAGE* pMsg);
// Deletes every child of a window (0 ignored).
void UI_DeleteChildren(WM_HWIN hWin);

// Busy indicator (a sprite over the page area) shown while a menu description is read.
extern GUI_HMEM UI_hSprite;
void UI_SetBusy(int OnOff);
