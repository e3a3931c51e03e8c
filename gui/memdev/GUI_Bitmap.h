// Bitmaps: drawing GUI_BITMAP records plain, magnified, scaled and mirrored, and the per-format routine
// records (GUI_BITMAP_METHODS) of the high-colour and true-colour pixel formats.
#pragma once

#include "GUI.h"

// Piecewise reader of images: delivers NumBytes bytes of the source from byte offset Off, either copied into
// the buffer that *ppData points to or by pointing *ppData at its own copy; returns the number delivered.
typedef int GUI_GET_DATA_FUNC(void* pParam, const U8** ppData, unsigned NumBytes, U32 Off);

// Public drawing entries (window coordinates; once per visible rectangle).
void GUI_DrawBitmap(const GUI_BITMAP* pBitmap, int x, int y);
void GUI_DrawBitmapMag(const GUI_BITMAP* pBitmap, int x, int y, int xMul, int yMul);
void GUI_DrawBitmapExp(int x, int y, int XSize, int YSize, int xMul, int yMul, int BitsPerPixel, int BytesPerLine,
                       const U8* pData, const GUI_PALETTE* pPal);
void GUI_DrawBitmapHW(const GUI_BITMAP* pBitmap, int x, int y);
// Scaled by xMag / 1000 and yMag / 1000 (negative factors mirror); bitmap pixel xCenter, yCenter lands on x, y.
void GUI_DrawBitmapEx(const GUI_BITMAP* pBitmap, int x, int y, int xCenter, int yCenter, int xMag, int yMag);
// Screen coordinates, inside the current clip rectangle; the caller holds the lock.
void GUI__DrawBitmap(const GUI_BITMAP* pBitmap, int x, int y);
// Pixel value of a bitmap at x, y as stored: palette index, or the format's raw value (0 outside or for null).
U32 GUI__GetBitmapPixelValue(const GUI_BITMAP* pBitmap, int x, int y);

// Methods records of the pixel formats (the streamed-bitmap format code in brackets).
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPM565;        // BGR565 (8)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP565;         // RGB565 (9)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPM555;        // BGR555 (10)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP555;         // RGB555 (11)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPM444_12;     // BGR444_12 (19)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP444_12;      // RGB444_12 (20)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPM444_16;     // BGR444_16 (21)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP444_16;      // RGB444_16 (22)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPM444_12_1;   // BGR444_12_1 (23)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP444_12_1;    // RGB444_12_1 (24)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP24;          // BGR888 (17)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP8888;        // ABGR8888 (16), with direct write
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPA555;        // A8_BGR555 (25)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPAM555;       // A8_RGB555 (26)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPA565;        // A8_BGR565 (27)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMPAM565;       // A8_RGB565 (28)
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP32;          // 32-bit opaque colours
extern const GUI_BITMAP_METHODS GUI_DRAW_BMP32_SWAP;     // 32-bit, red and blue exchanged
