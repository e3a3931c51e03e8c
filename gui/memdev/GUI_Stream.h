// Streamed bitmaps: a 16-byte header ("BM", format, sizes, depth, palette size, transparency), an optional
// palette and the pixel rows, all little-endian; drawn from memory or read piecewise through a get-data routine.
#pragma once

#include "GUI_Bitmap.h"

// Format codes of the header's second word.
enum {
  GUI_STREAM_FORMAT_RLE4 = 6,
  GUI_STREAM_FORMAT_RLE8 = 7,
  GUI_STREAM_FORMAT_565 = 8,  // BGR565, the display's layout
  GUI_STREAM_FORMAT_M565 = 9,
  GUI_STREAM_FORMAT_555 = 10,
  GUI_STREAM_FORMAT_M555 = 11,
  GUI_STREAM_FORMAT_RLE16 = 12,
  GUI_STREAM_FORMAT_RLEM16 = 13,
  GUI_STREAM_FORMAT_RLE32 = 15,
  GUI_STREAM_FORMAT_8888 = 16,
  GUI_STREAM_FORMAT_24 = 17,
  GUI_STREAM_FORMAT_RLEALPHA = 18,
  GUI_STREAM_FORMAT_444_12 = 19,
  GUI_STREAM_FORMAT_M444_12 = 20,
  GUI_STREAM_FORMAT_444_16 = 21,
  GUI_STREAM_FORMAT_M444_16 = 22,
  GUI_STREAM_FORMAT_444_12_1 = 23,
  GUI_STREAM_FORMAT_M444_12_1 = 24,
  GUI_STREAM_FORMAT_A555 = 25,
  GUI_STREAM_FORMAT_AM555 = 26,
  GUI_STREAM_FORMAT_A565 = 27,  // the controller's own images
  GUI_STREAM_FORMAT_AM565 = 28,
  GUI_STREAM_FORMAT_INDEXED = 100,
};

enum { GUI_BITMAP_STREAM_HEADER_SIZE = 16 };

struct GUI_STREAMED_BITMAP_INFO {
  int XSize;
  int YSize;
  int BitsPerPixel;
  int NumColors;
  int HasTrans;
};

// Palette hook: Cmd 1 asks for Value bytes of palette memory (null: the GUI heap is used), Cmd 3 tells that
// Value colours were loaded at pData, Cmd 2 gives back memory pData that the hook handed out.
struct GUI_STREAMED_BITMAP_HOOK_INFO {
  int Cmd;
  U32 Value;
  void* pData;
};
typedef void* GUI_STREAMED_BITMAP_HOOK(GUI_STREAMED_BITMAP_HOOK_INFO* pInfo);
enum { GUI_BITMAPSTREAM_GET_BUFFER = 1, GUI_BITMAPSTREAM_RELEASE_BUFFER = 2, GUI_BITMAPSTREAM_MODIFY_PALETTE = 3 };
void GUI_SetStreamedBitmapHook(GUI_STREAMED_BITMAP_HOOK* pfHook);

// Streams in memory. The stream must stay in place while the records built from it are used.
int GUI_CreateBitmapFromStream(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamIndexed(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRLE4(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRLE8(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamBGR565(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRGB565(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamBGR555(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRGB555(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRLE16_BGR565(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRLE16_RGB565(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRLE32(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamABGR8888(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamBGR888(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRLEAlpha(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamBGR444_12(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRGB444_12(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamBGR444_16(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRGB444_16(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamBGR444_12_1(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamRGB444_12_1(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamA8_BGR555(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamA8_RGB555(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamA8_BGR565(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
int GUI_CreateBitmapFromStreamA8_RGB565(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream);
void GUI_DrawStreamedBitmap(const void* pStream, int x, int y);
void GUI_DrawStreamedBitmapAuto(const void* pStream, int x, int y);
void GUI_GetStreamedBitmapInfo(const void* pStream, GUI_STREAMED_BITMAP_INFO* pInfo);

// Streams read through a get-data routine; 0 drawn, 1 failed.
int GUI_GetStreamedBitmapInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_STREAMED_BITMAP_INFO* pInfo);
int GUI_DrawStreamedBitmapEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y);
int GUI_DrawStreamedBitmapExAuto(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y);
int GUI_DrawStreamedBitmapBGR565Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y);
int GUI_DrawStreamedBitmapRGB565Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y);
int GUI_DrawStreamedBitmapBGR555Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y);
int GUI_DrawStreamedBitmapRGB555Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y);
int GUI_DrawStreamedBitmap24Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y);
