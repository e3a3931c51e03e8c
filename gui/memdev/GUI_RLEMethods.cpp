// Methods records of the run-length formats: memory records decode the bitmap's own data, get-data records
// decode the stream set by the format's SetFunc, again from its start for every visible rectangle.
#include "GUI_RLE_Private.h"

#include <memory>

namespace {

// What SetFunc stored for the get-data records of one format.
struct _CONTEXT {
  GUI_GET_DATA_FUNC* pfGetData;
  void* pParam;
  U32 Off;
  const GUI_PALETTE* pPalette;
};

_CONTEXT _aContext[GUI__RLEALPHA + 1];
int _Failed;

template <int Kind>
void _DrawMem(int x0, int y0, int XSize, int YSize, const U8* pData, const GUI_PALETTE* pPal, int xMag, int yMag) {
  GUI__RLE_SOURCE Src;
  GUI__InitRLEMemSource(&Src, pData, SIZE_MAX);  // a bitmap in memory holds its runs
  GUI__DecodeRLE(Kind, &Src, x0, y0, XSize, YSize, pPal, xMag, yMag);
}

const char* const _apNoContext[] = {
    "LCD_RLE4:\nNo context available in _DrawBitmap_RLE4Ex()!",
    "LCD_RLE8:\nNo context available in _DrawBitmap_RLE8Ex()!",
    "LCD_RLE16:\nNo context available in _DrawBitmap_Ex()!",
    "LCD_RLE16:\nNo context available in _DrawBitmap_Ex()!",
    "LCD_RLE32:\nNo context available in _DrawBitmap_RLE32Ex()!",
    "LCD_RLEAlpha:\nNo context available in _DrawBitmap_RLEAlphaEx()!",
};

template <int Kind>
void _DrawEx(int x0, int y0, int XSize, int YSize, const U8*, const GUI_PALETTE* pPal, int xMag, int yMag) {
  const _CONTEXT& c = _aContext[Kind];
  if (!c.pfGetData) {
    GUI_Warn(_apNoContext[Kind]);
    _Failed = 1;
    return;
  }
  // The buffer is large: taken from the heap rather than from the caller's stack.
  auto pSrc = std::make_unique<GUI__RLE_SOURCE>();
  GUI__InitRLEGetDataSource(pSrc.get(), c.pfGetData, c.pParam, c.Off);
  if (GUI__DecodeRLE(Kind, pSrc.get(), x0, y0, XSize, YSize, pPal ? pPal : c.pPalette, xMag, yMag)) {
    _Failed = 1;
  }
}

void _SetFunc(int Kind, GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off, const GUI_PALETTE* pPalette) {
  _aContext[Kind] = _CONTEXT{pfGetData, pParam, Off, pPalette};
}

}  // namespace

// Run-length records have no single-pixel access: the index-to-colour slot stays empty so that the scaled
// drawer, which reads pixels in place, leaves them alone.
const GUI_BITMAP_METHODS GUI_DRAW_RLE4 = {_DrawMem<GUI__RLE4>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLE8 = {_DrawMem<GUI__RLE8>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLE16 = {_DrawMem<GUI__RLE16>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLEM16 = {_DrawMem<GUI__RLEM16>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLE32 = {_DrawMem<GUI__RLE32>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLEALPHA = {_DrawMem<GUI__RLEALPHA>, nullptr, nullptr, nullptr};

const GUI_BITMAP_METHODS GUI_DRAW_RLE4_EX = {_DrawEx<GUI__RLE4>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLE8_EX = {_DrawEx<GUI__RLE8>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLE16_EX = {_DrawEx<GUI__RLE16>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLEM16_EX = {_DrawEx<GUI__RLEM16>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLE32_EX = {_DrawEx<GUI__RLE32>, nullptr, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_RLEALPHA_EX = {_DrawEx<GUI__RLEALPHA>, nullptr, nullptr, nullptr};

void LCD__RLE4_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off, const GUI_PALETTE* pPalette) {
  _SetFunc(GUI__RLE4, pfGetData, pParam, Off, pPalette);
}

void LCD__RLE8_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off, const GUI_PALETTE* pPalette) {
  _SetFunc(GUI__RLE8, pfGetData, pParam, Off, pPalette);
}

// Both 16-bit layouts read the same stream.
void LCD__RLE16_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off) {
  _SetFunc(GUI__RLE16, pfGetData, pParam, Off, nullptr);
  _SetFunc(GUI__RLEM16, pfGetData, pParam, Off, nullptr);
}

void LCD__RLE32_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off) {
  _SetFunc(GUI__RLE32, pfGetData, pParam, Off, nullptr);
}

void LCD__RLEALPHA_SetFunc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off) {
  _SetFunc(GUI__RLEALPHA, pfGetData, pParam, Off, nullptr);
}

int LCD__RLE_TakeFailure(void) {
  int r = _Failed;
  _Failed = 0;
  return r;
}

int GUI__DrawRLEBounded(const GUI_BITMAP_METHODS* pMethods, int x0, int y0, int XSize, int YSize,
                        const U8* pData, size_t NumBytes, const GUI_PALETTE* pPal, int xMag, int yMag) {
  static const GUI_BITMAP_METHODS* const apRecord[] = {&GUI_DRAW_RLE4,  &GUI_DRAW_RLE8,  &GUI_DRAW_RLE16,
                                                       &GUI_DRAW_RLEM16, &GUI_DRAW_RLE32, &GUI_DRAW_RLEALPHA};
  for (int Kind = 0; Kind <= GUI__RLEALPHA; Kind++) {
    if (apRecord[Kind] == pMethods) {
      auto pSrc = std::make_unique<GUI__RLE_SOURCE>();
      GUI__InitRLEMemSource(pSrc.get(), pData, NumBytes);
      return GUI__DecodeRLE(Kind, pSrc.get(), x0, y0, XSize, YSize, pPal, xMag, yMag);
    }
  }
  return 1;
}
