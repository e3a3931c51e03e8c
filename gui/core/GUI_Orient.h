// Display orientation: a display mounted mirrored or turned by a multiple of 90 degrees. The library draws in
// logical coordinates; an orientation device directly in front of the display driver maps every pixel to the
// physical ones. Bit 0 mirrors x, bit 1 mirrors y, bit 2 swaps x and y (first, so that the mirror bits act on
// the physical axes). Displays of 8 bits per pixel and more keep a cache of the physical frame: pixels are
// read back from it and whole rectangles reach the driver as one bitmap.
#pragma once

#include "GUI_Type.h"

#define GUI_MIRROR_X 1
#define GUI_MIRROR_Y 2
#define GUI_SWAP_XY 4
#define GUI_ROTATION_0 0
#define GUI_ROTATION_CW (GUI_MIRROR_X | GUI_SWAP_XY)
#define GUI_ROTATION_180 (GUI_MIRROR_X | GUI_MIRROR_Y)
#define GUI_ROTATION_CCW (GUI_MIRROR_Y | GUI_SWAP_XY)

// The seven drawing routines of a renderer set, each taking the orientation device first, and the bytes of
// one cached pixel (0: no cache).
struct GUI_ORIENT_RENDERER {
  void (*pfDrawBitmap)(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                       const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans);
  void (*pfDrawHLine)(GUI_DEVICE* pDevice, int x0, int y, int x1);
  void (*pfDrawVLine)(GUI_DEVICE* pDevice, int x, int y0, int y1);
  void (*pfFillRect)(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1);
  LCD_PIXELINDEX (*pfGetPixelIndex)(GUI_DEVICE* pDevice, int x, int y);
  void (*pfSetPixelIndex)(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index);
  void (*pfXorPixel)(GUI_DEVICE* pDevice, int x, int y);
  U32 BytesPerPixel;
};

extern const GUI_ORIENT_RENDERER GUI_OrientRendererPlain;    // below 8 bits per pixel
extern const GUI_ORIENT_RENDERER GUI_OrientRendererCache8;   // 8 bits
extern const GUI_ORIENT_RENDERER GUI_OrientRendererCache16;  // 9 to 16 bits
extern const GUI_ORIENT_RENDERER GUI_OrientRendererCache32;  // above 16 bits
extern const GUI_DEVICE_API GUI_OrientDeviceAPI;

// 0 success; 1 failure, orientation 0 (which only removes the layer's orientation device) or a value above 7.
// On the simulation's own display driver no device is made: a swapped orientation swaps the layer's sizes.
int GUI_SetOrientation(int Orientation);
int GUI_SetOrientationEx(int Orientation, int LayerIndex);
int GUI_SetOrientationExCached(int Orientation, int LayerIndex, const GUI_ORIENT_RENDERER* pRenderer);
