// The callbacks of the two main windows: the menu layout's background (UI_hBackgroundWin) and the design window
// of the overview layout (UI_hMainWin). Both route the forwarded side-button messages to the open screen and
// refresh the visible page every second.
#pragma once
#include <cstdint>

#include "WM.h"

void UI_BackgroundCallback(WM_MESSAGE* pMsg);
void UI_DesignBackgroundCallback(WM_MESSAGE* pMsg);

// The loaded design, installed by the design-file module: its layout byte (0 without a design) and a routine
// that draws its picture at 0,0 (null when the design has none).
struct UI_DESIGN_HOOKS {
  int (*pfGetLayout)(void);
  void (*pfDrawPicture)(void);
};
extern UI_DESIGN_HOOKS UI_DesignHooks;
// 0 without a loaded design, else the design header's layout byte (1 = full-screen layout).
int UI_IsDesignLayout(void);

// A full-page window that follows the pointer: it paints the page background with a picture, keeps 242 pixels
// of height, and on the first pointer event stores the pointer position (UI_PointerTrack, while it still holds
// 0xFFFF), captures the pointer and deletes its first child; the capture ends when the pointer is up.
struct UI_POINTER_TRACK {
  uint16_t xPointer, yPointer;  // 0xFFFF: nothing stored yet
  uint16_t xMouse, yMouse;
};
extern UI_POINTER_TRACK UI_PointerTrack;
void UI_PointerTrackCallback(WM_MESSAGE* pMsg);

// Fills in the defaults of a parameter record that has none: word 8 becomes 1 and word 10 0x40000 while word 0
// is 0.
void UI_InitParamRecord(uint32_t* pRecord);
