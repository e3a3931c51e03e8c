// IMAGE: the sources and how each is drawn and measured. Files in memory are read only within the size the
// caller gave: a BMP is read through a bounded reader rather than by its own size field, and a streamed
// bitmap whose header asks for more bytes than there are is refused.
#include "GUI_BMP.h"
#include "GUI_GIF.h"
#include "GUI_JPEG.h"
#include "GUI_Stream.h"
#include "IMAGE.h"

namespace {

typedef void DRAW_FUNC(WM_HWIN hObj, int x, int y);
typedef void SIZE_FUNC(WM_HWIN hObj, int* pxSize, int* pySize);

// Reads the in-memory file of the widget whose handle is pParam, never past its size.
int _GetMemData(void* pParam, const U8** ppData, unsigned NumBytes, U32 Off) {
  const IMAGE_OBJ* pObj = IMAGE__Obj((WM_HWIN)(PTR_ADDR)pParam);
  if (!pObj->pData || Off >= pObj->FileSize) {
    return 0;
  }
  U32 n = pObj->FileSize - Off < NumBytes ? pObj->FileSize - Off : NumBytes;
  *ppData = (const U8*)pObj->pData + Off;
  return (int)n;
}

void* _Param(WM_HWIN hObj) {
  return (void*)(PTR_ADDR)hObj;
}

// Bitmaps.
void _DrawBitmap(WM_HWIN hObj, int x, int y) {
  GUI_DrawBitmap((const GUI_BITMAP*)IMAGE__Obj(hObj)->pData, x, y);
}
void _SizeBitmap(WM_HWIN hObj, int* px, int* py) {
  const GUI_BITMAP* pBm = (const GUI_BITMAP*)IMAGE__Obj(hObj)->pData;
  *px = pBm->XSize, *py = pBm->YSize;
}

// BMP files.
void _DrawBMP(WM_HWIN hObj, int x, int y) {
  GUI_BMP_DrawEx(_GetMemData, _Param(hObj), x, y);
}
void _SizeBMP(WM_HWIN hObj, int* px, int* py) {
  *px = GUI_BMP_GetXSizeEx(_GetMemData, _Param(hObj));
  *py = GUI_BMP_GetYSizeEx(_GetMemData, _Param(hObj));
}
void _DrawBMPEx(WM_HWIN hObj, int x, int y) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_BMP_DrawEx(pObj->pfGetData, pObj->pVoid, x, y);
}
void _SizeBMPEx(WM_HWIN hObj, int* px, int* py) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  *px = GUI_BMP_GetXSizeEx(pObj->pfGetData, pObj->pVoid);
  *py = GUI_BMP_GetYSizeEx(pObj->pfGetData, pObj->pVoid);
}

// Streamed bitmaps: in memory the bitmap record is built once; its palette lives in the widget, which may
// move in GUI memory, so it is pointed at again for every drawing.
void _DrawStreamed(WM_HWIN hObj, int x, int y) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_BITMAP Bitmap = pObj->Bitmap;
  GUI_PALETTE Palette = pObj->Palette;
  Bitmap.pPal = &Palette;
  GUI_DrawBitmap(&Bitmap, x, y);
}
void _SizeStreamed(WM_HWIN hObj, int* px, int* py) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  *px = pObj->Bitmap.XSize, *py = pObj->Bitmap.YSize;
}
void _DrawStreamedEx(WM_HWIN hObj, int x, int y) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_DrawStreamedBitmapExAuto(pObj->pfGetData, pObj->pVoid, x, y);
}
void _SizeStreamedEx(WM_HWIN hObj, int* px, int* py) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_STREAMED_BITMAP_INFO Info = {};
  if (GUI_GetStreamedBitmapInfoEx(pObj->pfGetData, pObj->pVoid, &Info)) {
    Info = {};
  }
  *px = Info.XSize, *py = Info.YSize;
}

// GIF files: frame CurrentImage, without the decoder filling restore-to-background areas.
void _DrawGIF(WM_HWIN hObj, int x, int y) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  int Old = GUI_GIF_SetDrawBackground(0);
  GUI_GIF_DrawSub(pObj->pData, pObj->FileSize, x, y, pObj->CurrentImage);
  GUI_GIF_SetDrawBackground(Old);
}
void _SizeGIF(WM_HWIN hObj, int* px, int* py) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_GIF_INFO Info = {};
  if (GUI_GIF_GetInfo(pObj->pData, pObj->FileSize, &Info) && Info.NumImages < 1) {
    Info = {};
  }
  *px = Info.xSize, *py = Info.ySize;
}
void _DrawGIFEx(WM_HWIN hObj, int x, int y) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  int Old = GUI_GIF_SetDrawBackground(0);
  GUI_GIF_DrawSubEx(pObj->pfGetData, pObj->pVoid, x, y, pObj->CurrentImage);
  GUI_GIF_SetDrawBackground(Old);
}
void _SizeGIFEx(WM_HWIN hObj, int* px, int* py) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_GIF_INFO Info = {};
  if (GUI_GIF_GetInfoEx(pObj->pfGetData, pObj->pVoid, &Info) && Info.NumImages < 1) {
    Info = {};
  }
  *px = Info.xSize, *py = Info.ySize;
}

// JPEG files.
void _DrawJPEG(WM_HWIN hObj, int x, int y) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_JPEG_Draw(pObj->pData, (int)pObj->FileSize, x, y);
}
void _SizeJPEG(WM_HWIN hObj, int* px, int* py) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_JPEG_INFO Info = {};
  if (GUI_JPEG_GetInfo(pObj->pData, (int)pObj->FileSize, &Info)) {
    Info = {};
  }
  *px = Info.XSize, *py = Info.YSize;
}
void _DrawJPEGEx(WM_HWIN hObj, int x, int y) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_JPEG_DrawEx(pObj->pfGetData, pObj->pVoid, x, y);
}
void _SizeJPEGEx(WM_HWIN hObj, int* px, int* py) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_JPEG_INFO Info = {};
  if (GUI_JPEG_GetInfoEx(pObj->pfGetData, pObj->pVoid, &Info)) {
    Info = {};
  }
  *px = Info.XSize, *py = Info.YSize;
}

enum Kind { PLAIN, STREAMED, GIF };

// The bytes a streamed bitmap needs by its header, 0 for a header that cannot be sized (run-length data,
// or fewer bytes than a header).
U32 _StreamNeeds(const U8* p, U32 FileSize) {
  if (FileSize < GUI_BITMAP_STREAM_HEADER_SIZE) {
    return 0;
  }
  auto Get16 = [p](int Off) { return (U32)p[Off] | ((U32)p[Off + 1] << 8); };
  U32 Format = Get16(2), YSize = Get16(6), BytesPerLine = Get16(8), NumColors = Get16(12);
  switch (Format) {
  case GUI_STREAM_FORMAT_RLE4:
  case GUI_STREAM_FORMAT_RLE8:
  case GUI_STREAM_FORMAT_RLE16:
  case GUI_STREAM_FORMAT_RLEM16:
  case GUI_STREAM_FORMAT_RLE32:
  case GUI_STREAM_FORMAT_RLEALPHA:
    return 0;
  }
  return GUI_BITMAP_STREAM_HEADER_SIZE + NumColors * 4 + BytesPerLine * YSize;
}

// Stores a source; a picture without a size is refused and the previous source stays.
int _SetSource(WM_HWIN hObj, const void* pData, U32 FileSize, GUI_GET_DATA_FUNC* pfGetData, void* pVoid,
               DRAW_FUNC* pfDraw, SIZE_FUNC* pfSize, Kind k) {
  WM__LockGuard Lock;
  IMAGE_OBJ* pObj = hObj ? (IMAGE_OBJ*)WIDGET__GetObj(&IMAGE__Type, hObj) : nullptr;
  if (!pObj || (!pData && !pfGetData)) {
    return 1;
  }
  struct {
    const void* pData;
    U32 FileSize;
    GUI_GET_DATA_FUNC* pfGetData;
    void* pVoid;
    DRAW_FUNC* pfDraw;
    SIZE_FUNC* pfSize;
    I32 NumImages, CurrentImage;
    GUI_BITMAP Bitmap;
    GUI_PALETTE Palette;
  } Old = {pObj->pData,         pObj->FileSize,       pObj->pfGetData,    pObj->pVoid,  pObj->pfDrawImageAt,
           pObj->pfGetImageSize, pObj->NumImages,      pObj->CurrentImage, pObj->Bitmap, pObj->Palette};
  pObj->pData = pData;
  pObj->FileSize = FileSize;
  pObj->pfGetData = pfGetData;
  pObj->pVoid = pVoid;
  pObj->pfDrawImageAt = pfDraw;
  pObj->pfGetImageSize = pfSize;
  pObj->CurrentImage = 0;
  pObj->NumImages = 1;
  if (k == STREAMED) {
    U32 Needs = _StreamNeeds((const U8*)pData, FileSize);
    if (!Needs || Needs > FileSize || GUI_CreateBitmapFromStream(&pObj->Bitmap, &pObj->Palette, pData)) {
      pObj->Bitmap = {};
    }
  }
  int w = 0, h = 0;
  pfSize(hObj, &w, &h);
  pObj = IMAGE__Obj(hObj);
  if (w <= 0 || h <= 0) {
    pObj->pData = Old.pData, pObj->FileSize = Old.FileSize, pObj->pfGetData = Old.pfGetData;
    pObj->pVoid = Old.pVoid, pObj->pfDrawImageAt = Old.pfDraw, pObj->pfGetImageSize = Old.pfSize;
    pObj->NumImages = Old.NumImages, pObj->CurrentImage = Old.CurrentImage;
    pObj->Bitmap = Old.Bitmap, pObj->Palette = Old.Palette;
    return 1;
  }
  if (k == GIF) {
    GUI_GIF_INFO Info = {};
    pfGetData ? GUI_GIF_GetInfoEx(pfGetData, pVoid, &Info) : GUI_GIF_GetInfo(pData, FileSize, &Info);
    IMAGE__Obj(hObj)->NumImages = Info.NumImages > 0 ? Info.NumImages : 1;
  }
  IMAGE__DeleteCache(hObj);
  IMAGE__DeleteTimer(hObj);
  if (IMAGE__Obj(hObj)->Flags & IMAGE_CF_AUTOSIZE) {
    WM_SetSize(hObj, w, h);
  }
  if (WM__IsWindow(hObj) && IMAGE__Obj(hObj)->NumImages > 1) {
    IMAGE__StartAnimation(hObj);
  }
  if (WM__IsWindow(hObj)) {
    WM_InvalidateWindow(hObj);
  }
  return 0;
}

int _SetMem(WM_HWIN hObj, const void* pData, U32 FileSize, DRAW_FUNC* pfDraw, SIZE_FUNC* pfSize, Kind k) {
  return (pData && FileSize) ? _SetSource(hObj, pData, FileSize, nullptr, nullptr, pfDraw, pfSize, k) : 1;
}

int _SetEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid, DRAW_FUNC* pfDraw, SIZE_FUNC* pfSize, Kind k) {
  return pfGetData ? _SetSource(hObj, nullptr, 0, pfGetData, pVoid, pfDraw, pfSize, k) : 1;
}

} // namespace

int IMAGE_SetBitmap(WM_HWIN hObj, const GUI_BITMAP* pBitmap) {
  return pBitmap ? _SetSource(hObj, pBitmap, 0, nullptr, nullptr, _DrawBitmap, _SizeBitmap, PLAIN) : 1;
}

int IMAGE_SetBMP(WM_HWIN hObj, const void* pData, U32 FileSize) {
  return _SetMem(hObj, pData, FileSize, _DrawBMP, _SizeBMP, PLAIN);
}

int IMAGE_SetBMPEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid) {
  return _SetEx(hObj, pfGetData, pVoid, _DrawBMPEx, _SizeBMPEx, PLAIN);
}

int IMAGE_SetStreamedBitmap(WM_HWIN hObj, const void* pData, U32 FileSize) {
  return _SetMem(hObj, pData, FileSize, _DrawStreamed, _SizeStreamed, STREAMED);
}

int IMAGE_SetStreamedBitmapEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid) {
  return _SetEx(hObj, pfGetData, pVoid, _DrawStreamedEx, _SizeStreamedEx, PLAIN);
}

int IMAGE_SetGIF(WM_HWIN hObj, const void* pData, U32 FileSize) {
  return _SetMem(hObj, pData, FileSize, _DrawGIF, _SizeGIF, GIF);
}

int IMAGE_SetGIFEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid) {
  return _SetEx(hObj, pfGetData, pVoid, _DrawGIFEx, _SizeGIFEx, GIF);
}

int IMAGE_SetJPEG(WM_HWIN hObj, const void* pData, U32 FileSize) {
  return _SetMem(hObj, pData, FileSize, _DrawJPEG, _SizeJPEG, PLAIN);
}

int IMAGE_SetJPEGEx(WM_HWIN hObj, GUI_GET_DATA_FUNC* pfGetData, void* pVoid) {
  return _SetEx(hObj, pfGetData, pVoid, _DrawJPEGEx, _SizeJPEGEx, PLAIN);
}

int IMAGE__GetFrameDelay(WM_HWIN hObj, int Index) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  GUI_GIF_IMAGE_INFO Info = {};
  int r = pObj->pfGetData ? GUI_GIF_GetImageInfoEx(pObj->pfGetData, pObj->pVoid, &Info, Index)
                          : GUI_GIF_GetImageInfo(pObj->pData, pObj->FileSize, &Info, Index);
  return (r == 0 && Info.Delay > 0) ? Info.Delay * 10 : 100;
}
