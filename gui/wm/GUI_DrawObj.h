// Drawable objects: a small handle record that draws an image (bitmap, BMP file in memory, streamed bitmap
// or a user routine) at a position without its owner knowing which kind it holds. Each kind is a table of
// routines in the layer that can draw it.
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

// The user-routine kind; the image kinds (bitmap, BMP file, streamed bitmap) are made by the image code above
// this layer, which draws them (GUI_ImageDrawObj.h).
GUI_HMEM GUI_DRAWOBJ_CreateCallback(GUI_DRAWOBJ_USER_FUNC* pfDraw, int xOff, int yOff);
void GUI_DRAWOBJ_Draw(GUI_HMEM hObj, WM_HWIN hWin, int x, int y);
int GUI_DRAWOBJ_GetXSize(GUI_HMEM hObj);
int GUI_DRAWOBJ_GetYSize(GUI_HMEM hObj);

// For the code that defines a kind: makes an object of the kind (0 when out of memory), and reads an object's
// data pointer and offsets (pxOff and pyOff may be null) for the kind's routines, so that the record is not
// kept locked while they draw.
GUI_HMEM GUI_DRAWOBJ__Create(const GUI_DRAWOBJ_API* pConsts, const void* pData, int xOff, int yOff);
const void* GUI_DRAWOBJ__GetData(GUI_HMEM hObj, int* pxOff, int* pyOff);
