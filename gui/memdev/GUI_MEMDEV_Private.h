// Internals shared by the memory-device sources; not for the layers above.
#pragma once

#include "GUI_MEMDEV.h"

// The record of a memory-device handle (no lock: valid while the GUI lock is held and nothing allocates).
inline GUI_MEMDEV* GUI_MEMDEV__h2p(GUI_HMEM hMem) { return (GUI_MEMDEV*)GUI_ALLOC_h2p(hMem); }
inline U8* GUI_MEMDEV__GetPixels(GUI_MEMDEV* pDev) { return (U8*)pDev + GUI_MEMDEV_HEADER_SIZE; }
inline U8* GUI_USAGE__GetBits(GUI_USAGE* p) { return (U8*)p + GUI_USAGE_HEADER_SIZE; }
// Bytes a pixel takes in line buffers: 1 up to 8 bits per pixel, 2 up to 16, 4 above.
inline int GUI_MEMDEV__BytesPerPixel(int BitsPerPixel) {
  return BitsPerPixel <= 8 ? 1 : (BitsPerPixel <= 16 ? 2 : 4);
}

// Marks a run (rectangle) in a device's usage bitmap; nothing without one. Coordinates in display space.
void GUI_MEMDEV__MarkHLine(GUI_MEMDEV* pDev, int x, int y, int Len);
void GUI_MEMDEV__MarkRect(GUI_MEMDEV* pDev, int x, int y, int xSize, int ySize);
void GUI_MEMDEV__MarkPixel(GUI_MEMDEV* pDev, int x, int y);
// Clears the usage bitmap of a device (nothing drawn yet); nothing without one.
void GUI_MEMDEV__ClearUsage(GUI_MEMDEV* pDev);

// Takes every memory and measuring device out of the current layer's chain and selects the display, so
// that the chain again holds only the display's devices.
void GUI_MEMDEV__SelectLCD(void);
// 1 when the handle names a measuring device (its device object is of class 7).
int GUI_MEMDEV__IsMeasDev(GUI_HMEM hMem);

// The colour conversion of the current layer's target (first device of the chain).
const LCD_COLOR_CONV_API* GUI_MEMDEV__GetTargetConv(void);
// The active clip rectangle of the context.
inline const GUI_RECT* GUI_MEMDEV__GetClip(void) { return &GUI_pContext->ClipRect; }
