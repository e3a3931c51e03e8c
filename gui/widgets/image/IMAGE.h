// IMAGE: shows one picture from one of several sources: a GUI_BITMAP, a BMP file, a streamed bitmap, a GIF
// (animated by a timer when it holds more than one frame) or a JPEG file, each file either in memory or read
// through a get-data routine. It can tile the picture, paint through a cached memory device, cover its
// parent and size itself to the picture.
#pragma once
#include "GUI_Bitmap.h"
#include "GUI_MEMDEV.h"
#include "WIDGET_Type.h"

constexpr U32 IMAGE_ID = 0x494D4147; // "IMAG"

// ExFlags.
constexpr U32 IMAGE_CF_MEMDEV = 1;   // paint through a memory device kept between paints
constexpr U32 IMAGE_CF_TILE = 2;     // tile the picture over the window
constexpr U32 IMAGE_CF_ALPHA = 4;    // that device 32 bits with alpha instead of the layer's depth
constexpr U32 IMAGE_CF_ATTACHED = 8; // cover the parent's client area and follow its size
constexpr U32 IMAGE_CF_AUTOSIZE = 16; // the window takes the picture's size whenever a source is set

struct IMAGE_OBJ {
  WIDGET Widget;
  U32 Flags;
  const void* pData; // the source in memory
  void (*pfDrawImageAt)(WM_HWIN hObj, int x, int y);
  void (*pfPaint)(WM_HWIN hObj);
  void (*pfGetImageSize)(WM_HWIN hObj, int* pxSize, int* pySize);
  U32 FileSize;
  I32 NumImages;    // frames of a GIF
  I32 CurrentImage; // frame shown
  GUI_TIMER_HANDLE hTimer;
  GUI_BITMAP Bitmap; // built from a streamed bitmap
  GUI_PALETTE Palette;
  void* pVoid;
  GUI_GET_DATA_FUNC* pfGetData;
  GUI_HMEM hMem; // cached memory device
  U32 DebugId;
};

WM_HWIN IMAGE_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                         int NumExtraBytes);
WM_HWIN IMAGE_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN IMAGE_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK* cb);
void IMAGE_Callback(WM_MESSAGE* pMsg);
IMAGE_OBJ* IMAGE__LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Sources. Nothing happens for handle 0, a null source or an in-memory file of size 0. A picture whose size
// cannot be read from its data is refused and the previous source stays: result 1; else 0.
int IMAGE_SetBitmap(WM_HWIN hObj, const GUI_BITMAP* pBitmap);
int IMAGE_SetBMP(WM_HWIN hObj, const void* pData, U32 FileSize);
int IMAGE_SetBMPEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid);
int IMAGE_SetStreamedBitmap(WM_HWIN hObj, const void* pData, U32 FileSize);
int IMAGE_SetStreamedBitmapEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid);
int IMAGE_SetGIF(WM_HWIN hObj, const void* pData, U32 FileSize);
int IMAGE_SetGIFEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid);
int IMAGE_SetJPEG(WM_HWIN hObj, const void* pData, U32 FileSize);
int IMAGE_SetJPEGEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid);
int IMAGE_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int IMAGE_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Shared by the image widget's source files; the caller holds the lock.
extern const WIDGET_TYPE IMAGE__Type;
inline IMAGE_OBJ* IMAGE__Obj(WM_HWIN hObj) {
  return (IMAGE_OBJ*)WM_H2P(hObj);
}
// Drops the cached device and the animation timer.
void IMAGE__DeleteCache(WM_HWIN hObj);
void IMAGE__DeleteTimer(WM_HWIN hObj);
// Starts (or restarts) the animation at the current frame's delay.
void IMAGE__StartAnimation(WM_HWIN hObj);
// How long frame Index of the GIF source is shown, in ms (a stored delay of 0 counts as 100 ms).
int IMAGE__GetFrameDelay(WM_HWIN hObj, int Index);
