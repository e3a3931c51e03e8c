// Streamed bitmaps read piecewise through a get-data routine: only the rows inside each visible rectangle are
// read, a few at a time, and drawn with the format's methods (or the palette) exactly as from memory.
// A stream whose header or palette cannot be read draws nothing; one that ends early keeps the rows drawn before
// its end and reports failure.
#include "GUI_BitmapPrivate.h"
#include "GUI_ImageRead.h"
#include "GUI_StreamPrivate.h"
#include "GUI_StreamRLE.h"

#include <algorithm>
#include <vector>

namespace {

GUI_STREAMED_BITMAP_HOOK* _pfHook;

enum { CHUNK_BYTES = 0x8000 };  // rows are read in pieces of about this size

struct _READER {
  GUI_GET_DATA_FUNC* pfGetData;
  void* pParam;
  int x0, y0;  // screen position
  const GUI__STREAM_HEADER* pHeader;
  const GUI_BITMAP_METHODS* pMethods;
  const GUI_PALETTE* pPal;
};

int _ReadHeader(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI__STREAM_HEADER* pHeader) {
  U8 aHeader[GUI_BITMAP_STREAM_HEADER_SIZE];
  if (!pfGetData || GUI__ReadDataExact(pfGetData, pParam, aHeader, sizeof(aHeader), 0)) {
    return 1;
  }
  GUI__ParseStreamHeader(aHeader, pHeader);
  return 0;
}

// Rows of the current clip rectangle.
int _DrawRows(const _READER* r) {
  const GUI__STREAM_HEADER* h = r->pHeader;
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  int Row0 = std::max(0, Clip.y0 - r->y0), Row1 = std::min(int(h->YSize) - 1, Clip.y1 - r->y0);
  if (Row0 > Row1 || r->x0 > Clip.x1 || r->x0 + int(h->XSize) - 1 < Clip.x0) {
    return 0;
  }
  int RowsPerChunk = std::clamp(int(CHUNK_BYTES / h->BytesPerLine), 1, Row1 - Row0 + 1);
  std::vector<U8> Buffer(size_t(RowsPerChunk) * h->BytesPerLine);
  for (int Row = Row0; Row <= Row1; Row += RowsPerChunk) {
    int n = std::min(RowsPerChunk, Row1 - Row + 1);
    uint32_t Off = GUI__GetStreamDataOff(h) + uint32_t(Row) * h->BytesPerLine;
    size_t Want = size_t(n) * h->BytesPerLine;
    size_t Got = GUI__ReadData(r->pfGetData, r->pParam, Buffer.data(), Want, Off);
    int Complete = int(Got / h->BytesPerLine);  // the whole rows that arrived are drawn
    if (Complete) {
      GUI_BITMAP Bitmap = {U16(h->XSize), U16(Complete), U16(h->BytesPerLine), U16(h->BitsPerPixel), Buffer.data(),
                           r->pPal, r->pMethods};
      GUI__DrawBitmap(&Bitmap, r->x0, r->y0 + Row);
    }
    if (Got < Want) {
      return 1;
    }
  }
  return 0;
}

// Palette colours of an indexed stream, in memory of the palette hook or of its own.
struct _PALETTE {
  std::vector<GUI_COLOR> Own;
  GUI_COLOR* pHookMem = nullptr;
  GUI_PALETTE Record = {};
};

int _ReadPalette(GUI_GET_DATA_FUNC* pfGetData, void* pParam, const GUI__STREAM_HEADER* h, _PALETTE* pPal) {
  unsigned n = h->NumColors;
  std::vector<U8> Bytes(4 * size_t(n));
  if (n && GUI__ReadDataExact(pfGetData, pParam, Bytes.data(), Bytes.size(), GUI_BITMAP_STREAM_HEADER_SIZE)) {
    return 1;
  }
  GUI_COLOR* pColors = nullptr;
  if (n && _pfHook) {
    GUI_STREAMED_BITMAP_HOOK_INFO Info = {GUI_BITMAPSTREAM_GET_BUFFER, U32(4 * n), nullptr};
    pPal->pHookMem = static_cast<GUI_COLOR*>(_pfHook(&Info));
    pColors = pPal->pHookMem;
  }
  if (!pColors) {
    pPal->Own.resize(n ? n : 1);
    pColors = pPal->Own.data();
  }
  for (unsigned i = 0; i < n; i++) {
    pColors[i] = GUI__Get32(&Bytes[4 * i]);
  }
  if (n && _pfHook) {
    GUI_STREAMED_BITMAP_HOOK_INFO Info = {GUI_BITMAPSTREAM_MODIFY_PALETTE, U32(n), pColors};
    _pfHook(&Info);
  }
  pPal->Record = GUI_PALETTE{int(n), U8(h->HasTrans), n ? pColors : nullptr};
  return 0;
}

void _ReleasePalette(_PALETTE* pPal) {
  if (pPal->pHookMem && _pfHook) {
    GUI_STREAMED_BITMAP_HOOK_INFO Info = {GUI_BITMAPSTREAM_RELEASE_BUFFER, 0, pPal->pHookMem};
    _pfHook(&Info);
  }
  pPal->pHookMem = nullptr;
}

// Draws a stream whose header was read, with the given format's rules. 0 drawn, 1 failed.
int _Draw(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y, const GUI__STREAM_HEADER* h,
          const GUI__STREAM_FORMAT* pFormat) {
  if (GUI__CheckStreamHeader(h, pFormat)) {
    return 1;
  }
  _PALETTE Palette;
  if (!pFormat->pMethods && _ReadPalette(pfGetData, pParam, h, &Palette)) {
    return 1;
  }
  if (!GUI__WindowToScreen(&x, &y)) {
    _ReleasePalette(&Palette);
    return 0;  // nothing of it can be seen
  }
  _READER Reader = {pfGetData, pParam, x, y, h, pFormat->pMethods, pFormat->pMethods ? nullptr : &Palette.Record};
  GUI_RECT Rect = {I16(std::clamp(x, -32768, 32767)), I16(std::clamp(y, -32768, 32767)),
                   I16(std::clamp(x + int(h->XSize) - 1, -32768, 32767)),
                   I16(std::clamp(y + int(h->YSize) - 1, -32768, 32767))};
  int r = 0;
  GUI_CLIP_ITERATE_START(&Rect)
    r |= _DrawRows(&Reader);
  GUI_CLIP_ITERATE_END()
  _ReleasePalette(&Palette);
  return r;
}

// Fixed-format readers: the header's format code is not looked at, its sizes must suit the named format.
int _DrawFixed(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y, unsigned Code) {
  GUI_Lock();
  GUI__STREAM_HEADER Header;
  int r = _ReadHeader(pfGetData, pParam, &Header) ? 1 : _Draw(pfGetData, pParam, x, y, &Header,
                                                               GUI__GetStreamFormat(Code));
  GUI_Unlock();
  return r;
}

}  // namespace

void GUI_SetStreamedBitmapHook(GUI_STREAMED_BITMAP_HOOK* pfHook) {
  GUI_Lock();
  _pfHook = pfHook;
  GUI_Unlock();
}

int GUI_GetStreamedBitmapInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_STREAMED_BITMAP_INFO* pInfo) {
  GUI_Lock();
  GUI__STREAM_HEADER Header;
  int r = _ReadHeader(pfGetData, pParam, &Header);
  if (!r && pInfo) {
    *pInfo = GUI_STREAMED_BITMAP_INFO{int(Header.XSize), int(Header.YSize), int(Header.BitsPerPixel),
                                      int(Header.NumColors), int(Header.HasTrans)};
  }
  GUI_Unlock();
  return r;
}

int GUI_DrawStreamedBitmapEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y) {
  GUI_Lock();
  GUI__STREAM_HEADER Header;
  int r = 1;
  if (!_ReadHeader(pfGetData, pParam, &Header)) {
    if (Header.Format != GUI_STREAM_FORMAT_INDEXED) {
      GUI_Warn("GUI_Stream:\nFormat of streamed bitmap not supported in GUI_DrawStreamedBitmapEx()!");
    } else {
      r = _Draw(pfGetData, pParam, x, y, &Header, GUI__GetStreamFormat(GUI_STREAM_FORMAT_INDEXED));
    }
  }
  GUI_Unlock();
  return r;
}

int GUI_DrawStreamedBitmapExAuto(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y) {
  GUI_Lock();
  GUI__STREAM_HEADER Header;
  int r = 1;
  if (!_ReadHeader(pfGetData, pParam, &Header)) {
    const GUI__STREAM_FORMAT* pFormat = GUI__GetStreamFormat(Header.Format);
    if (GUI__IsRLEStreamFormat(Header.Format)) {
      r = GUI__DrawStreamedRLE(pfGetData, pParam, x, y, &Header);
    } else if (!pFormat || !pFormat->LineReader) {
      GUI_Warn("GUI_Stream:\nFormat of streamed bitmap not supported in GUI_DrawStreamedBitmapExAuto()!");
    } else {
      r = _Draw(pfGetData, pParam, x, y, &Header, pFormat);
    }
  }
  GUI_Unlock();
  return r;
}

int GUI_DrawStreamedBitmapBGR565Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y) {
  return _DrawFixed(pfGetData, pParam, x, y, GUI_STREAM_FORMAT_565);
}

int GUI_DrawStreamedBitmapRGB565Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y) {
  return _DrawFixed(pfGetData, pParam, x, y, GUI_STREAM_FORMAT_M565);
}

int GUI_DrawStreamedBitmapBGR555Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y) {
  return _DrawFixed(pfGetData, pParam, x, y, GUI_STREAM_FORMAT_555);
}

int GUI_DrawStreamedBitmapRGB555Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y) {
  return _DrawFixed(pfGetData, pParam, x, y, GUI_STREAM_FORMAT_M555);
}

int GUI_DrawStreamedBitmap24Ex(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y) {
  return _DrawFixed(pfGetData, pParam, x, y, GUI_STREAM_FORMAT_24);
}
