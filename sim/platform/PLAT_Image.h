// Pictures, shapes and the clipboard's bitmap beyond what PLAT_Window.h offers: decoding a compressed picture,
// rounded rectangles, the desktop size, and putting a device-independent bitmap block on the clipboard.
#pragma once
#include <cstddef>
#include <cstdint>

#include "PLAT_Window.h"

// Decodes a picture file held in memory (PNG, BMP ...) into 32-bit pixels 0x00RRGGBB, top line first.
// Returns 0 on success; the caller frees *ppPixels with PLAT_FreeImage.
int PLAT_DecodeImage(const void* pData, size_t NumBytes, uint32_t** ppPixels, int* pxSize, int* pySize);
void PLAT_FreeImage(uint32_t* pPixels);

// Fills a rectangle (x1, y1 inclusive) with rounded corners of the given ellipse size, outlined by a black pen.
void PLAT_FillRoundRect(PLAT_HPAINT hdc, int x0, int y0, int x1, int y1, int Corner, uint32_t Color);

void PLAT_GetDesktopSize(int* pxSize, int* pySize);

// The clipboard takes a device-independent bitmap block: a 40-byte info header, the palette and the pixels,
// bottom line first. 0 on success.
int PLAT_SetClipboardDIBBlock(const void* pBlock, size_t NumBytes);
// Test support: the clipboard's picture as 0x00RRGGBB pixels (xSize * ySize); 0 when one of that size is there.
int PLAT_GetClipboardImage(uint32_t* pDest, int xSize, int ySize);
