// The snapshot of the screen under a panel and the picture the panel frame paints from it.
#include "GUI_MEMDEV.h"
#include "GUI_MEMDEV_Ops.h"
#include "UI_Background.h"
#include "UI_GraphicsCache.h"
#include "UI_GraphicsCachePrivate.h"
#include "UI_Main.h"
#include "UI_MainImages.h"
#include "UI_Panel.h"

GUI_HMEM UI_hMemdevScreenA, UI_hMemdevScreenB, UI_hMemdevScreenC;
int UI_SnapshotReuse;

namespace {

int _AComposed;  // A holds a snapshot with the panel picture
int _BFilled;    // B holds a copy of the display

// A full-screen device, only while the heap keeps its reserve after it; 0 otherwise.
GUI_HMEM _Create(void) {
  I32 Need = I32(UI_SCREEN_W) * UI_SCREEN_H * 2 + GUI_MEMDEV_HEADER_SIZE;
  if (GUI_ALLOC_GetMaxFreeBlockSize() < Need + UI_SNAPSHOT_HEAP_RESERVE) return 0;
  return UI__CreateDevice(0, 0, UI_SCREEN_W, UI_SCREEN_H, 16);
}

void _Delete(GUI_HMEM* ph) {
  if (*ph) GUI_MEMDEV_Delete(*ph);
  *ph = 0;
}

// The panel picture with its top left at screen x, y less the origin of the target.
void _DrawPanelPicture(int xOrg, int yOrg) {
  int x = UI_PANEL_PICTURE_X - xOrg, y = UI_PanelPictureY() - yOrg;
  if (UI_hMemdevPanel) {
    UI_DrawCached(UI_hMemdevPanel, x, y);
  } else {
    UI__DrawPanelPicture(x, y);
  }
}

// The snapshot (none: A already holds the display), then the panel picture over it.
void _Compose(int, int, const void* p) {
  GUI_HMEM hSnapshot = *static_cast<const GUI_HMEM*>(p);
  if (hSnapshot) UI_DrawCached(hSnapshot, 0, 0);
  _DrawPanelPicture(0, 0);
}

}  // namespace

int UI_PanelPictureY(void) { return WM_IsVisible(UI_hMainWin) && UI_IsDesignLayout() ? 25 : 40; }

void UI_TakePanelSnapshot(void) {
  GUI_Lock();
  if (!UI_hMemdevScreenA) UI_hMemdevScreenA = _Create();
  GUI_HMEM hSnapshot = 0;
  if (WM_IsVisible(UI_hBackgroundWin)) {
    if (UI_hMemdevScreenA && !UI_hMemdevScreenB) UI_hMemdevScreenB = _Create();
    // A kept snapshot serves only when B ever received one.
    if (UI_hMemdevScreenB && (!UI_SnapshotReuse || !_BFilled)) {
      GUI_MEMDEV_CopyFromLCD(UI_hMemdevScreenB);
      _BFilled = 1;
    }
    UI_SnapshotReuse = 0;
    hSnapshot = UI_hMemdevScreenB;
  } else if (UI_hMemdevScreenA) {
    UI_hMemdevScreenC = _Create();
    GUI_MEMDEV_CopyFromLCD(UI_hMemdevScreenC);
    hSnapshot = UI_hMemdevScreenC;
  }
  _AComposed = 0;
  if (UI_hMemdevScreenA) {
    if (!hSnapshot) GUI_MEMDEV_CopyFromLCD(UI_hMemdevScreenA);
    UI__RenderInto(UI_hMemdevScreenA, _Compose, &hSnapshot);
    _AComposed = 1;
  }
  // C has served: its room goes back to the heap.
  _Delete(&UI_hMemdevScreenC);
  GUI_Unlock();
}

void UI_DeletePanelSnapshots(void) {
  GUI_Lock();
  _Delete(&UI_hMemdevScreenA);
  _Delete(&UI_hMemdevScreenB);
  _Delete(&UI_hMemdevScreenC);
  _AComposed = _BFilled = 0;
  UI_SnapshotReuse = 0;
  GUI_Unlock();
}

// The frame's picture: the composed snapshot, else the page background with the panel picture.
void UI__PaintPanelFrame(WM_HWIN hWin) {
  if (UI_hMemdevScreenA && _AComposed) {
    UI_DrawCachedAtOrigin(UI_hMemdevScreenA);
    return;
  }
  GUI_RECT r;
  WM_GetWindowRectEx(hWin, &r);
  UI__DrawPageBackground(0, 0, WM_GetWindowSizeX(hWin), WM_GetWindowSizeY(hWin));
  // The picture stands at a fixed place of the screen, wherever the frame lies.
  _DrawPanelPicture(r.x0, r.y0);
}
