// Internals shared by the sources of the GUI core; not for the layers above.
#pragma once

#include "GUI.h"

#include <cstring>

void GUI_OS__InitLock(void);
void GUI_OS__Lock(void);
void GUI_OS__Unlock(void);

void GUITASK__Exit(void);
// Marks the calling task's context as set up; answers whether it was before. Called with the lock held.
int GUITASK__MarkContextReady(void);
void GUI__InitContext(GUI_CONTEXT* pContext);
void GUI_DEVICE__Exit(void);
void GUI__AlphaExit(void);

// Draws the clipped part of a bitmap through the chain's head device (coordinates already clipped).
void LCD__DrawBitmapClipped(int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                            const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans);

// A GUI colour as a 5-6-5 index and back, as LCD_CC_BGR565_* (RedHigh: LCD_CC_RGB565_*) convert them.
inline U16 GUI__ColorTo565(U32 c, int RedHigh) {
  U32 G = (c >> 5) & 0x07E0;
  return RedHigh ? (U16)(((c & 0xF8) << 8) | G | ((c >> 19) & 0x1F)) : (U16)(((c >> 3) & 0x1F) | G | ((c >> 8) & 0xF800));
}
inline GUI_COLOR GUI__565ToColor(U32 v, int RedHigh) {
  U32 Hi = LCD_aExpand5[(v >> 11) & 0x1F], G = LCD_aExpand6[(v >> 5) & 0x3F], Lo = LCD_aExpand5[v & 0x1F];
  return RedHigh ? (Hi | G << 8 | Lo << 16) : (Lo | G << 8 | Hi << 16);
}

// A row of 5-6-5 values as 32-bit XRGB (0x00RRGGBB); SwapRB: the low 5 bits are red. The SIMD paths give what
// the plain one gives; the Ex form picks one for tests (a path the processor lacks falls back to a lesser one).
enum { GUI_SIMD_BEST, GUI_SIMD_PLAIN, GUI_SIMD_SSE2, GUI_SIMD_AVX2 };
void GUI__ConvertRow565ToXRGB(const U16* pSrc, U32* pDst, int NumPixels, int SwapRB);
void GUI__ConvertRow565ToXRGBEx(const U16* pSrc, U32* pDst, int NumPixels, int SwapRB, int Path);
int GUI__ConvertRow565Supported(int Path);
// GUI colours as 5-6-5 indices (RedHigh: red in the top bits, the RGB order); pDst may start where pColors does.
void GUI__ConvertColorsTo565Ex(const U32* pColors, U16* pDst, int NumPixels, int RedHigh, int Path);

inline GUI_DEVICE* GUI__GetHead(void) { return GUI_aDevice[GUI_pContext->SelLayer]; }
inline int GUI__Min(int a, int b) { return a < b ? a : b; }
inline int GUI__Max(int a, int b) { return a > b ? a : b; }

// Clamps an int into the I16 coordinate range of rectangles.
inline I16 GUI__ClampI16(int v) { return (I16)(v < -32768 ? -32768 : (v > 32767 ? 32767 : v)); }

// Holds the GUI lock for a scope.
class GUI_LockGuard {
 public:
  GUI_LockGuard() { GUI_Lock(); }
  ~GUI_LockGuard() { GUI_Unlock(); }
  GUI_LockGuard(const GUI_LockGuard&) = delete;
  GUI_LockGuard& operator=(const GUI_LockGuard&) = delete;
};

// The raw value of pixel Pos of a bitmap row (1, 2, 4 bits: most significant first; 16, 24, 32: little-endian).
inline U32 GUI__ReadPixelRaw(const U8* pRow, int BitsPerPixel, int Pos) {
  switch (BitsPerPixel) {
    case 1:
      return (pRow[Pos >> 3] >> (7 - (Pos & 7))) & 1;
    case 2:
      return (pRow[Pos >> 2] >> (6 - 2 * (Pos & 3))) & 3;
    case 4:
      return (pRow[Pos >> 1] >> ((Pos & 1) ? 0 : 4)) & 15;
    case 8:
      return pRow[Pos];
    case 16:
      return (U32)pRow[2 * Pos] | ((U32)pRow[2 * Pos + 1] << 8);
    case 24:
      return (U32)pRow[3 * Pos] | ((U32)pRow[3 * Pos + 1] << 8) | ((U32)pRow[3 * Pos + 2] << 16);
    default: {
      U32 v;
      std::memcpy(&v, pRow + 4 * Pos, 4);
      return v;
    }
  }
}

// Circle geometry shared by the round shapes: pExt[k] (k = 0 .. r) is the horizontal extent of a circle of
// radius r at vertical distance k from its centre. pExt must hold r + 1 entries.
void GUI__CalcCircleExtents(int r, int* pExt);
// The span of row y of a rounded rectangle (screen coordinates); false when the row lies outside it.
struct GUI_ROUNDED_SHAPE {
  int x0, y0, x1, y1, r;
  int aExt[256];
};
void GUI__InitRoundedShape(GUI_ROUNDED_SHAPE* p, int x0, int y0, int x1, int y1, int r);
bool GUI__GetRoundedSpan(const GUI_ROUNDED_SHAPE* p, int y, int* pxl, int* pxr);
// A window rectangle in screen coordinates; false when it is empty.
bool GUI__RectToScreen(int x0, int y0, int x1, int y1, GUI_RECT* pRect);
// Fills one row span in the given colour, keeping the context's colour index.
void GUI__FillSpanColor(int x0, int y, int x1, GUI_COLOR Color);
