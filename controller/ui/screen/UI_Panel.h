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

// The panel stands on a snapshot of the screen below it. Full-screen 16-bit (5-6-5) devices at 0,0, made when a
// panel first needs them and only while the GUI heap keeps UI_SNAPSHOT_HEAP_RESERVE bytes free for the windows
// and their banded paints; a handle stays 0 when its device does not fit:
//   A  the snapshot with the panel picture over it, which the panel frame paints (without A the frame paints
//      the page background and the panel picture, as without any snapshot);
//   B  the snapshot of the menu layout, kept so that the next panel may stand on it again (UI_SnapshotReuse);
//   C  the snapshot of the overview layout, made and deleted while the panel is made.
// Without B or C the display is copied straight into A. With the graphics cache loaded the default heap has
// room for A only.
extern GUI_HMEM UI_hMemdevScreenA, UI_hMemdevScreenB, UI_hMemdevScreenC;
extern int UI_SnapshotReuse;  // 1 when the snapshot in B may serve the next panel as it is
enum { UI_SNAPSHOT_HEAP_RESERVE = 192 * 1024 };
// Takes the snapshot for a new panel and composes A (the panel's creation calls it).
void UI_TakePanelSnapshot(void);
// Frees the three devices (tests, shutdown); a panel then paints without its snapshot.
void UI_DeletePanelSnapshots(void);
// The screen y of the panel picture: 25 in the full-screen design layout with the main window visible, else 40
// (x is always 16).
int UI_PanelPictureY(void);
enum { UI_PANEL_PICTURE_X = 16 };
// The panel frame's paint: A when it holds a snapshot, else the page background and the panel picture.
void UI__PaintPanelFrame(WM_HWIN hFrame);

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
