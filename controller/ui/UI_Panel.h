// The panel screen in which tabbed menu pages are built: a 426x242 frame (426x257 at y 15 in the full-screen
// design layout) with a 378x210 middle window at 25,14 and, inside it, a 345x500 inner window that scrolls by
// motion and holds the page's element windows. Over an overview page the panel stands on a carrier and
// UI_ModalDepth counts it.
#pragma once
#include <cstdint>

#include "WM.h"

enum {
  UI_PANEL_W = 426,
  UI_PANEL_H = 242,
  UI_PANEL_H_DESIGN = 257,
  UI_PANEL_MIDDLE_X = 25,
  UI_PANEL_MIDDLE_Y = 14,
  UI_PANEL_MIDDLE_W = 378,
  UI_PANEL_MIDDLE_H = 210,
  UI_PANEL_INNER_W = 345,
  UI_PANEL_INNER_H = 500,
  UI_TAB_X = 345,
  UI_TAB_W = 33,
  UI_TAB_H = 37,
  UI_TAB_STEP = 41,
};

extern WM_HWIN UI_hPanelMiddle, UI_hPanelInner;
extern int UI_SnapshotReuse;  // 1 when the screen snapshot may serve the next panel as it is

// Makes the panel (deleting one that is open) and returns its inner window: InnerCallback with UserDataSize
// bytes of pUserData, moved down by ScrollOffset (0 or negative); MiddleCallback serves the middle window
// (UI_PanelTabsCallback for tabbed pages).
WM_HWIN UI_CreatePanel(WM_CALLBACK* InnerCallback, const void* pUserData, int UserDataSize,
                       WM_CALLBACK* MiddleCallback, int ScrollOffset);

void UI_PanelFrameCallback(WM_MESSAGE* pMsg);
// Middle window of tabbed pages: one tab button per bit of the shown page's tab mask.
void UI_PanelTabsCallback(WM_MESSAGE* pMsg);
void UI_PanelTabCallback(WM_MESSAGE* pMsg);

// A tab button's user data.
struct UI_TAB_DATA {
  uint32_t Address;  // the shown menu address with its low 6 bits replaced by the tab number
  uint8_t Tab;
  uint8_t Selected;
};
