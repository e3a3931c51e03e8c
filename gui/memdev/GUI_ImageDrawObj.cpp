// Drawable objects of the image kinds. Their routines sit here, beside the image code they call, so that an
// object draws and measures from its creation on, whatever the program made or installed before it.
#include "GUI_ImageDrawObj.h"

#include "GUI_BMP.h"
#include "GUI_Bitmap.h"
#include "GUI_Stream.h"

namespace {

void _DrawBitmap(GUI_HMEM hObj, WM_HWIN, int x, int y) {
  int xOff, yOff;
  const void* pData = GUI_DRAWOBJ__GetData(hObj, &xOff, &yOff);
  GUI_DrawBitmap((const GUI_BITMAP*)pData, x + xOff, y + yOff);
}

int _GetBitmapXSize(GUI_HMEM hObj) {
  return ((const GUI_BITMAP*)GUI_DRAWOBJ__GetData(hObj, nullptr, nullptr))->XSize;
}

int _GetBitmapYSize(GUI_HMEM hObj) {
  return ((const GUI_BITMAP*)GUI_DRAWOBJ__GetData(hObj, nullptr, nullptr))->YSize;
}

void _DrawBMP(GUI_HMEM hObj, WM_HWIN, int x, int y) {
  int xOff, yOff;
  const void* pData = GUI_DRAWOBJ__GetData(hObj, &xOff, &yOff);
  GUI_BMP_Draw(pData, x + xOff, y + yOff);
}

int _GetBMPXSize(GUI_HMEM hObj) {
  return GUI_BMP_GetXSize(GUI_DRAWOBJ__GetData(hObj, nullptr, nullptr));
}

int _GetBMPYSize(GUI_HMEM hObj) {
  return GUI_BMP_GetYSize(GUI_DRAWOBJ__GetData(hObj, nullptr, nullptr));
}

void _DrawStreamed(GUI_HMEM hObj, WM_HWIN, int x, int y) {
  int xOff, yOff;
  const void* pData = GUI_DRAWOBJ__GetData(hObj, &xOff, &yOff);
  GUI_DrawStreamedBitmapAuto(pData, x + xOff, y + yOff);
}

// The stream header holds the sizes as little-endian u16 at bytes 4 and 6.
int _GetStreamedSize(GUI_HMEM hObj, int Offset) {
  const U8* p = (const U8*)GUI_DRAWOBJ__GetData(hObj, nullptr, nullptr) + Offset;
  return p[0] | (p[1] << 8);
}

int _GetStreamedXSize(GUI_HMEM hObj) {
  return _GetStreamedSize(hObj, 4);
}

int _GetStreamedYSize(GUI_HMEM hObj) {
  return _GetStreamedSize(hObj, 6);
}

const GUI_DRAWOBJ_API _APIBitmap = {_DrawBitmap, _GetBitmapXSize, _GetBitmapYSize};
const GUI_DRAWOBJ_API _APIBMP = {_DrawBMP, _GetBMPXSize, _GetBMPYSize};
const GUI_DRAWOBJ_API _APIStreamed = {_DrawStreamed, _GetStreamedXSize, _GetStreamedYSize};

} // namespace

GUI_HMEM GUI_DRAWOBJ_CreateBitmap(const GUI_BITMAP* pBitmap, int xOff, int yOff) {
  return pBitmap ? GUI_DRAWOBJ__Create(&_APIBitmap, pBitmap, xOff, yOff) : 0;
}

GUI_HMEM GUI_DRAWOBJ_CreateBMP(const void* pBMP, int xOff, int yOff) {
  return pBMP ? GUI_DRAWOBJ__Create(&_APIBMP, pBMP, xOff, yOff) : 0;
}

GUI_HMEM GUI_DRAWOBJ_CreateStreamedBitmap(const void* pStream, int xOff, int yOff) {
  return pStream ? GUI_DRAWOBJ__Create(&_APIStreamed, pStream, xOff, yOff) : 0;
}
