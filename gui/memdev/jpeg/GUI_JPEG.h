// JPEG images (sequential and progressive Huffman-coded frames, 8-bit samples, grey or YCbCr): size queries
// and drawing, unscaled or scaled by Num / Denom, from memory or through a get-data routine that points the
// pointer it is handed at its own copy of the bytes. Every entry returns 0 on success and 1 on failure.
// A file is never held in memory: it is read forward in pieces of at most 4096 bytes, once per visible
// rectangle (and, for a progressive image that does not fit into GUI memory, once per band).
#pragma once

#include "GUI_Bitmap.h"

struct GUI_JPEG_INFO {
  int XSize;
  int YSize;
};

int GUI_JPEG_GetInfo(const void* pFileData, int DataSize, GUI_JPEG_INFO* pInfo);
int GUI_JPEG_GetInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* p, GUI_JPEG_INFO* pInfo);
int GUI_JPEG_Draw(const void* pFileData, int DataSize, int x0, int y0);
int GUI_JPEG_DrawEx(GUI_GET_DATA_FUNC* pfGetData, void* p, int x0, int y0);
int GUI_JPEG_DrawScaled(const void* pFileData, int DataSize, int x0, int y0, int Num, int Denom);
int GUI_JPEG_DrawScaledEx(GUI_GET_DATA_FUNC* pfGetData, void* p, int x0, int y0, int Num, int Denom);
