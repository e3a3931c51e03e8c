// Streamed bitmaps held in memory: the format table, building GUI_BITMAP and GUI_PALETTE records that point
// into the stream, and drawing them.
#include "GUI_ImageRead.h"
#include "GUI_RLE.h"
#include "GUI_StreamPrivate.h"

#include <iterator>

namespace {

const GUI__STREAM_FORMAT _aFormat[] = {
    {GUI_STREAM_FORMAT_INDEXED, nullptr, 0, 0, 1},
    {GUI_STREAM_FORMAT_RLE4, &GUI_DRAW_RLE4, 4, 0, 0},
    {GUI_STREAM_FORMAT_RLE8, &GUI_DRAW_RLE8, 8, 0, 0},
    {GUI_STREAM_FORMAT_RLE16, &GUI_DRAW_RLE16, 16, 0, 0},
    {GUI_STREAM_FORMAT_RLEM16, &GUI_DRAW_RLEM16, 16, 0, 0},
    {GUI_STREAM_FORMAT_RLE32, &GUI_DRAW_RLE32, 32, 0, 0},
    {GUI_STREAM_FORMAT_RLEALPHA, &GUI_DRAW_RLEALPHA, 8, 0, 0},
    {GUI_STREAM_FORMAT_565, &GUI_DRAW_BMPM565, 16, 2, 1},
    {GUI_STREAM_FORMAT_M565, &GUI_DRAW_BMP565, 16, 2, 1},
    {GUI_STREAM_FORMAT_555, &GUI_DRAW_BMPM555, 16, 2, 1},
    {GUI_STREAM_FORMAT_M555, &GUI_DRAW_BMP555, 16, 2, 1},
    {GUI_STREAM_FORMAT_8888, &GUI_DRAW_BMP8888, 32, 4, 1},
    {GUI_STREAM_FORMAT_24, &GUI_DRAW_BMP24, 24, 3, 1},
    {GUI_STREAM_FORMAT_444_12, &GUI_DRAW_BMPM444_12, 16, 2, 1},
    {GUI_STREAM_FORMAT_M444_12, &GUI_DRAW_BMP444_12, 16, 2, 1},
    {GUI_STREAM_FORMAT_444_16, &GUI_DRAW_BMPM444_16, 16, 2, 1},
    {GUI_STREAM_FORMAT_M444_16, &GUI_DRAW_BMP444_16, 16, 2, 1},
    {GUI_STREAM_FORMAT_444_12_1, &GUI_DRAW_BMPM444_12_1, 16, 2, 1},
    {GUI_STREAM_FORMAT_M444_12_1, &GUI_DRAW_BMP444_12_1, 16, 2, 1},
    {GUI_STREAM_FORMAT_A555, &GUI_DRAW_BMPA555, 24, 3, 0},
    {GUI_STREAM_FORMAT_AM555, &GUI_DRAW_BMPAM555, 24, 3, 0},
    {GUI_STREAM_FORMAT_A565, &GUI_DRAW_BMPA565, 24, 3, 0},
    {GUI_STREAM_FORMAT_AM565, &GUI_DRAW_BMPAM565, 24, 3, 0},
};

int _Create(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream, const GUI__STREAM_FORMAT* pFormat) {
  const U8* p = static_cast<const U8*>(pStream);
  GUI__STREAM_HEADER Header;
  GUI__ParseStreamHeader(p, &Header);
  if (GUI__CheckStreamHeader(&Header, pFormat)) {
    return 1;
  }
  // The palette record points at the colours in place, which therefore must be aligned as colours are.
  if (Header.NumColors && reinterpret_cast<uintptr_t>(p + 16) % alignof(GUI_COLOR)) {
    return 1;
  }
  pBitmap->XSize = U16(Header.XSize);
  pBitmap->YSize = U16(Header.YSize);
  pBitmap->BytesPerLine = U16(Header.BytesPerLine);
  pBitmap->BitsPerPixel = U16(Header.BitsPerPixel);
  pBitmap->pData = p + GUI__GetStreamDataOff(&Header);
  pBitmap->pPal = pPalette;
  pBitmap->pMethods = pFormat->pMethods;
  if (pPalette) {
    pPalette->HasTrans = U8(Header.HasTrans);
    pPalette->NumEntries = int(Header.NumColors);
    // The colours are read in place: a stream is a little-endian byte image, as is this machine's memory.
    pPalette->pPalEntries = Header.NumColors ? reinterpret_cast<const GUI_COLOR*>(p + 16) : nullptr;
  }
  return 0;
}

// Fixed-format creators: the header's format must be the one named.
int _CreateFixed(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream, unsigned Code) {
  const GUI__STREAM_FORMAT* pFormat = GUI__GetStreamFormat(Code);
  if (!pStream || !pBitmap || GUI__Get16(static_cast<const U8*>(pStream) + 2) != Code || !pFormat) {
    GUI_Warn("GUI_StreamCreate:\nFormat of streamed bitmap does not match in _CreateBitmapFromStream()!");
    return 1;
  }
  return _Create(pBitmap, pPalette, pStream, pFormat);
}

}  // namespace

const GUI__STREAM_FORMAT* GUI__GetStreamFormat(unsigned Code) {
  for (const GUI__STREAM_FORMAT& f : _aFormat) {
    if (f.Code == Code) {
      return &f;
    }
  }
  return nullptr;
}

void GUI__ParseStreamHeader(const U8* p, GUI__STREAM_HEADER* pHeader) {
  pHeader->Format = GUI__Get16(p + 2);
  pHeader->XSize = GUI__Get16(p + 4);
  pHeader->YSize = GUI__Get16(p + 6);
  pHeader->BytesPerLine = GUI__Get16(p + 8);
  pHeader->BitsPerPixel = GUI__Get16(p + 10);
  pHeader->NumColors = GUI__Get16(p + 12);
  pHeader->HasTrans = GUI__Get16(p + 14) & 0xFF;
}

int GUI__CheckStreamHeader(const GUI__STREAM_HEADER* pHeader, const GUI__STREAM_FORMAT* pFormat) {
  if (!pFormat || !pHeader->XSize || !pHeader->YSize || pHeader->XSize > 0x7FFF || pHeader->YSize > 0x7FFF ||
      pHeader->NumColors > 256) {
    return 1;
  }
  if (!pFormat->pMethods) {
    unsigned Bpp = pHeader->BitsPerPixel;
    if (Bpp != 1 && Bpp != 2 && Bpp != 4 && Bpp != 8) {
      return 1;
    }
    return pHeader->BytesPerLine < (pHeader->XSize * Bpp + 7) / 8;
  }
  // Run-length data (no pixel size) have no rows of fixed length.
  return pHeader->BitsPerPixel != pFormat->BitsPerPixel ||
         (pFormat->BytesPerPixel && pHeader->BytesPerLine != pHeader->XSize * pFormat->BytesPerPixel);
}

int GUI_CreateBitmapFromStream(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream) {
  const GUI__STREAM_FORMAT* pFormat = nullptr;
  if (pStream && pBitmap) {
    pFormat = GUI__GetStreamFormat(GUI__Get16(static_cast<const U8*>(pStream) + 2));
  }
  if (!pFormat) {
    GUI_Warn("GUI_StreamCreate:\nFormat of streamed bitmap not supported in GUI_CreateBitmapFromStream()!");
    return 1;
  }
  return _Create(pBitmap, pPalette, pStream, pFormat);
}

#define GUI__DEFINE_CREATOR(Name, Code)                                                        \
  int GUI_CreateBitmapFromStream##Name(GUI_BITMAP* pBitmap, GUI_PALETTE* pPalette, const void* pStream) { \
    return _CreateFixed(pBitmap, pPalette, pStream, Code);                                    \
  }
GUI__DEFINE_CREATOR(Indexed, GUI_STREAM_FORMAT_INDEXED)
GUI__DEFINE_CREATOR(RLE4, GUI_STREAM_FORMAT_RLE4)
GUI__DEFINE_CREATOR(RLE8, GUI_STREAM_FORMAT_RLE8)
GUI__DEFINE_CREATOR(BGR565, GUI_STREAM_FORMAT_565)
GUI__DEFINE_CREATOR(RGB565, GUI_STREAM_FORMAT_M565)
GUI__DEFINE_CREATOR(BGR555, GUI_STREAM_FORMAT_555)
GUI__DEFINE_CREATOR(RGB555, GUI_STREAM_FORMAT_M555)
GUI__DEFINE_CREATOR(RLE16_BGR565, GUI_STREAM_FORMAT_RLE16)
GUI__DEFINE_CREATOR(RLE16_RGB565, GUI_STREAM_FORMAT_RLEM16)
GUI__DEFINE_CREATOR(RLE32, GUI_STREAM_FORMAT_RLE32)
GUI__DEFINE_CREATOR(ABGR8888, GUI_STREAM_FORMAT_8888)
GUI__DEFINE_CREATOR(BGR888, GUI_STREAM_FORMAT_24)
GUI__DEFINE_CREATOR(RLEAlpha, GUI_STREAM_FORMAT_RLEALPHA)
GUI__DEFINE_CREATOR(BGR444_12, GUI_STREAM_FORMAT_444_12)
GUI__DEFINE_CREATOR(RGB444_12, GUI_STREAM_FORMAT_M444_12)
GUI__DEFINE_CREATOR(BGR444_16, GUI_STREAM_FORMAT_444_16)
GUI__DEFINE_CREATOR(RGB444_16, GUI_STREAM_FORMAT_M444_16)
GUI__DEFINE_CREATOR(BGR444_12_1, GUI_STREAM_FORMAT_444_12_1)
GUI__DEFINE_CREATOR(RGB444_12_1, GUI_STREAM_FORMAT_M444_12_1)
GUI__DEFINE_CREATOR(A8_BGR555, GUI_STREAM_FORMAT_A555)
GUI__DEFINE_CREATOR(A8_RGB555, GUI_STREAM_FORMAT_AM555)
GUI__DEFINE_CREATOR(A8_BGR565, GUI_STREAM_FORMAT_A565)
GUI__DEFINE_CREATOR(A8_RGB565, GUI_STREAM_FORMAT_AM565)

void GUI_GetStreamedBitmapInfo(const void* pStream, GUI_STREAMED_BITMAP_INFO* pInfo) {
  if (!pStream || !pInfo) {
    return;
  }
  GUI__STREAM_HEADER Header;
  GUI__ParseStreamHeader(static_cast<const U8*>(pStream), &Header);
  pInfo->XSize = int(Header.XSize);
  pInfo->YSize = int(Header.YSize);
  pInfo->BitsPerPixel = int(Header.BitsPerPixel);
  pInfo->NumColors = int(Header.NumColors);
  pInfo->HasTrans = int(Header.HasTrans);
}

void GUI_DrawStreamedBitmap(const void* pStream, int x, int y) {
  GUI_Lock();
  GUI_BITMAP Bitmap;
  GUI_PALETTE Palette;
  if (!pStream || GUI__Get16(static_cast<const U8*>(pStream) + 2) != GUI_STREAM_FORMAT_INDEXED) {
    GUI_Warn("GUI_Stream:\nFormat of streamed bitmap does not match in GUI_DrawStreamedBitmap()!");
  } else if (!_Create(&Bitmap, &Palette, pStream, GUI__GetStreamFormat(GUI_STREAM_FORMAT_INDEXED))) {
    GUI_DrawBitmap(&Bitmap, x, y);
  }
  GUI_Unlock();
}

void GUI_DrawStreamedBitmapAuto(const void* pStream, int x, int y) {
  GUI_Lock();
  GUI_BITMAP Bitmap;
  GUI_PALETTE Palette;
  if (GUI_CreateBitmapFromStream(&Bitmap, &Palette, pStream)) {
    GUI_Warn("GUI_Stream:\nError on initializing bitmap and palette structure in GUI_DrawStreamedBitmapAuto()!");
  } else {
    GUI_DrawBitmap(&Bitmap, x, y);
  }
  GUI_Unlock();
}
