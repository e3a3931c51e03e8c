// Drawable objects: a small handle record that draws an image (bitmap, BMP file in memory, streamed bitmap
// or a user routine) at a position without its owner knowing which kind it holds.
#pragma once
#include "GUI.h"

typedef GUI_HMEM GUI_DRAWOBJ_HANDLE;

struct GUI_DRAWOBJ_API {
  void (*pfDraw)(GUI_HMEM hObj, WM_HWIN hWin, int x, int y);
  int (*pfGetXSize)(GUI_HMEM hObj);
  int (*pfGetYSize)(GUI_HMEM hObj);
};

struct GUI_DRAWOBJ {
  const GUI_DRAWOBJ_API* pConsts;
  const void* pData; // not copied: it must outlive the object
  I16 xOff, yOff;
};

typedef void GUI_DRAWOBJ_USER_FUNC(WM_HWIN hWin);

GUI_HMEM GUI_DRAWOBJ_CreateBitmap(const GUI_BITMAP* pBitmap, int xOff, int yOff);
GUI_HMEM GUI_DRAWOBJ_CreateBMP(const void* pBMP, int xOff, int yOff);
GUI_HMEM GUI_DRAWOBJ_CreateStreamedBitmap(const void* pStream, int xOff, int yOff);
GUI_HMEM GUI_DRAWOBJ_CreateCallback(GUI_DRAWOBJ_USER_FUNC* pfDraw, int xOff, int yOff);
void GUI_DRAWOBJ_Draw(GUI_HMEM hObj, WM_HWIN hWin, int x, int y);
int GUI_DRAWOBJ_GetXSize(GUI_HMEM hObj);
int GUI_DRAWOBJ_GetYSize(GUI_HMEM hObj);

// The image code sits above the window manager: it installs the routines that draw and measure its
// formats. Kinds whose routine is missing draw nothing (and a BMP measures 0).
struct GUI_DRAWOBJ_IMAGE_API {
  void (*pfDrawBitmap)(const GUI_BITMAP* pBitmap, int x, int y);
  void (*pfDrawBMP)(const void* pBMP, int x, int y);
  int (*pfGetBMPXSize)(const void* pBMP);
  int (*pfGetBMPYSize)(const void* pBMP);
  void (*pfDrawStreamedBitmap)(const void* pStream, int x, int y);
};
void GUI_DRAWOBJ__SetImageAPI(const GUI_DRAWOBJ_IMAGE_API* pAPI);
