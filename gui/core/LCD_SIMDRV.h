// Simulation display driver (device class 0). It keeps each layer's pixels in a frame buffer that the host
// hands it; without one, a private buffer of the layer's virtual size stands in, so drawing works headless.
#pragma once

#include "GUI_Type.h"

extern const GUI_DEVICE_API LCD_SIMDRV_API;

// Pixel storage of a frame buffer.
#define LCD_SIMDRV_STORAGE_565 0    // 2 bytes per pixel: the layer's pixel index (BGR 5-6-5)
#define LCD_SIMDRV_STORAGE_XRGB 32  // 4 bytes per pixel: the colour in bitmap order, 0xTTRRGGBB

struct LCD_SIMDRV_BUFFER {
  void* pData;                // pixel (x, y) at pData + y * BytesPerLine + x * bytes per pixel
  int XSize, YSize;           // visible size
  int VXSize, VYSize;         // virtual size: the buffer holds VYSize lines
  int BytesPerLine;
  volatile U32* pChangeCnt;   // raised by one for every change; may be null
  int Storage;                // LCD_SIMDRV_STORAGE_*
  U32 NumBytes;               // size of the buffer; writes at or beyond it are refused (0: BytesPerLine * VYSize)
};

// Routines the host implements for the driver's device functions; every entry may be null.
struct LCD_SIMDRV_HOST_API {
  void (*pfSetOrg)(int LayerIndex, int x, int y);
  void (*pfSetLUTEntry)(int LayerIndex, U8 Pos, GUI_COLOR Color);
  void (*pfSetPos)(int LayerIndex, int x, int y);
  void (*pfSetVis)(int LayerIndex, int OnOff);
  void (*pfSetSize)(int LayerIndex, int xSize, int ySize);
  void (*pfSetAlpha)(int LayerIndex, int Alpha);
  void (*pfCopyBuffer)(int LayerIndex, int IndexSrc, int IndexDst);
  void (*pfShowBuffer)(int LayerIndex, int Index);
};

// Hands the driver the host's frame buffer of a layer (null: back to the private buffer). The descriptor is
// copied. Returns 0 on success, 1 for a bad layer or descriptor.
int LCD_SIMDRV_SetBuffer(int LayerIndex, const LCD_SIMDRV_BUFFER* pBuffer);
void LCD_SIMDRV_SetHostAPI(const LCD_SIMDRV_HOST_API* pAPI);
// The frame buffer the driver writes for a layer (the private one when the host gave none); null before the
// layer has a size.
const LCD_SIMDRV_BUFFER* LCD_SIMDRV_GetBuffer(int LayerIndex);
// The run of n pixels from (x, y) of a layer whose buffer holds 5-6-5 pixels, for reading; null when the
// buffer holds another format or the run does not lie wholly inside it.
const U16* LCD_SIMDRV__GetRow565(int LayerIndex, int x, int y, int n);
// Moves the pixels of the rectangle by (dx, dy) within a layer's buffer (overlap allowed). Returns 0 when
// done, 1 when either rectangle does not lie wholly inside the buffer (then nothing is moved).
int LCD_SIMDRV__MoveRect(int LayerIndex, const GUI_RECT* pRect, int dx, int dy);
// Number of writes refused because they fell outside the buffer.
U32 LCD_SIMDRV_GetNumRefused(int LayerIndex);
void LCD_SIMDRV__Exit(void);
