// Drawable objects of the image kinds: a GUI_BITMAP, a BMP file held in memory, a streamed bitmap. The data
// are not copied and must outlive the object; 0 when the data pointer is null or memory runs out.
#pragma once
#include "GUI_DrawObj.h"

GUI_HMEM GUI_DRAWOBJ_CreateBitmap(const GUI_BITMAP* pBitmap, int xOff, int yOff);
GUI_HMEM GUI_DRAWOBJ_CreateBMP(const void* pBMP, int xOff, int yOff);
GUI_HMEM GUI_DRAWOBJ_CreateStreamedBitmap(const void* pStream, int xOff, int yOff);
