// Library-internal helpers of the bitmap drawing code.
#pragma once

#include "GUI_Bitmap.h"

inline I16 GUI__ClampCoord(int v) { return I16(v < -32768 ? -32768 : (v > 32767 ? 32767 : v)); }

// 1 when palette-based data of this width, depth and pitch can be drawn (1, 2, 4 or 8 bits, rows long enough).
int GUI__CheckPaletteData(int XSize, int BitsPerPixel, int BytesPerLine);
// Turns a window position into a screen position, adding the window origin in a wide sum so that a position
// near the limits of int never overflows. 0 when it lies so far out that nothing drawn there can be seen.
int GUI__WindowToScreen(int* px, int* py);

// Colour-index translation table of palette-based data (null: the data are device indices). A palette
// shorter than the data's depth can reach is completed in pScratch (256 entries) with its first colour.
const LCD_PIXELINDEX* GUI__GetBitmapTable(const GUI_PALETTE* pPal, const GUI_BITMAP* pBitmap, int BitsPerPixel,
                                          LCD_PIXELINDEX* pScratch);

// Bytes per pixel of a format drawn by a methods record (2, 3 or 4); 0 for palette-based bitmaps.
int GUI__GetBytesPerPixel(const GUI_BITMAP* pBitmap);
// Pixel value as the format's index-to-colour routine takes it.
U32 GUI__GetBitmapPixelValue(const GUI_BITMAP* pBitmap, int x, int y);

// Colour of one pixel of a packed format: the colour word with its transparency byte.
typedef GUI_COLOR GUI__GET_PIXEL_COLOR(const U8* p);
// Draws a packed colour bitmap (rows XSize * BytesPerPixel bytes apart) inside the clip rectangle.
// Alpha: pixels with a transparency byte are blended (0xFF: left out); otherwise every pixel is opaque.
void GUI__DrawColorBitmap(int x0, int y0, int XSize, int YSize, const U8* pData, int BytesPerPixel,
                          GUI__GET_PIXEL_COLOR* pfGetColor, int xMag, int yMag, int Alpha);
