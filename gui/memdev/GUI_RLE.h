// Run-length-encoded bitmaps: methods records whose draw routine expands runs straight onto the drawing
// target, from memory (the bitmap's data) or from a stream read piecewise through a get-data routine.
//
// Encodings (runs go on across row ends):
//   RLE4      n, v: n > 0 n pixels of index v; n = 0, v > 0: v indices packed two per byte, high nibble first
//   RLE8      n, v: n > 0 n pixels of index v; n = 0: v index bytes follow
//   RLE16     n: n > 0 one 16-bit value (low byte first) for n pixels; n = 0: count c, then c values
//   RLE32     n: n > 0 one 32-bit colour for n pixels; n = 0: count c, then c colours (top byte 0xFF: none)
//   RLEAlpha  n, v: as RLE8 with transparency values (0 opaque, 0xFF none) of the current colour
//
// A bitmap in memory is trusted as far as its data go; everything read through a get-data routine is
// checked: a stream that ends early or whose runs reach past the picture draws what it had decoded and is
// reported as failed.
#pragma once

#include "GUI_Bitmap.h"

// Memory records (the bitmap's data pointer holds the runs).
extern const GUI_BITMAP_METHODS GUI_DRAW_RLE4;
extern const GUI_BITMAP_METHODS GUI_DRAW_RLE8;
extern const GUI_BITMAP_METHODS GUI_DRAW_RLE16;     // BGR565 values, the display's layout
extern const GUI_BITMAP_METHODS GUI_DRAW_RLEM16;    // RGB565 values
extern const GUI_BITMAP_METHODS GUI_DRAW_RLE32;
extern const GUI_BITMAP_METHODS GUI_DRAW_RLEALPHA;

// Get-data records: the runs come from the routine set by the matching SetFunc, read from offset Off on for
// every visible rectangle. RLE4 and RLE8 take the colours of the bitmap's palette, else those given here.
extern const GUI_BITMAP_METHODS GUI_DRAW_RLE4_EX;
extern const GUI_BITMAP_METHODS GUI_DRAW_RLE8_EX;
extern const GUI_BITMAP_METHODS GUI_DRAW_RLE16_EX;
extern const GUI_BITMAP_METHODS GUI_DRAW_RLEM16_EX;
extern const GUI_BITMAP_METHODS GUI_DRAW_RLE32_EX;
extern const GUI_BITMAP_METHODS GUI_DRAW_RLEALPHA_EX;

void LCD__RLE4_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off, const GUI_PALETTE* pPalette);
void LCD__RLE8_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off, const GUI_PALETTE* pPalette);
void LCD__RLE16_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off);
void LCD__RLE32_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off);
void LCD__RLEALPHA_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off);

// 1 when a get-data draw since the last call met a stream that ended early or did not fit the picture;
// the flag is cleared by the call.
int LCD__RLE_TakeFailure(void);

// Draws the runs of a block of known length (bounds every read), as the memory record of the format would.
// Returns 0 when the data held the whole picture, 1 otherwise. For checkers of untrusted data.
int GUI__DrawRLEBounded(const GUI_BITMAP_METHODS* pMethods, int x0, int y0, int XSize, int YSize,
                        const U8* pData, size_t NumBytes, const GUI_PALETTE* pPal, int xMag, int yMag);
