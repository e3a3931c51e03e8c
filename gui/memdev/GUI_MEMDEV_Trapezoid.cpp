// Perspective drawing of a 32-bit device as a trapezoid (left and right edges of different heights) with a
// perspective correction of the horizontal sampling, honouring each pixel's transparency.
#include <cmath>

#include "GUI_MEMDEV_Private.h"
#include "WM.h"

namespace {

// Source column for column i of a picture W wide whose edges are h0 and h1 high.
int _CorrectColumn(int i, int h0, int h1, int W) {
  if (h0 == h1) return i;
  int A = h0 > h1 ? h0 : h1;
  int B = h0 > h1 ? h1 : h0;
  bool Mirrored = h0 > h1;
  int ip = Mirrored ? W - i : i;
  int d = A - B;
  int k = (int)((I64)A * W / d);
  if (k == 0) return ip;
  double L1 = std::sqrt((double)d * d + (double)W * W);
  double L2 = std::sqrt((double)(k - W) * (k - W) + (double)B * B);
  float q0 = (float)A / (float)k;
  float q1 = (float)(std::trunc(L2 * W / L1) + A + ip) / (float)k;
  if (q1 == q0) return ip;
  int ipp = (int)std::trunc((float)ip / (q1 - q0));
  if (Mirrored) ipp = W - ipp;
  if (ipp >= W) ipp = W - 1;
  if (ipp < 0) ipp = 0;
  return ipp;
}

// Spreads Size source items over n > 0 target items with an integer error accumulator: each step takes the
// next source item to keep (skipping some when shrinking) and tells over how many target items it goes
// (more than one when growing).
struct Spread {
  int Size, n, Acc, Thr, Src;
  Spread(int Size_, int n_) : Size(Size_), n(n_), Acc(Size_ / 2), Thr(Size_), Src(0) {}
  // false when every source item is used; else *pIndex = the source item, *pCount = its target items.
  bool Next(int* pIndex, int* pCount) {
    if (Src >= Size) return false;
    Acc += n;
    int Skipped = 0;
    while (Acc < Thr) {
      Acc += n;
      Skipped++;
    }
    Thr += Size;
    Src += 1 + Skipped;
    int Count = 1;
    while (Thr <= Acc) {
      Thr += Size;
      Count++;
    }
    *pIndex = Src - 1;
    *pCount = Count;
    return true;
  }
};

// One target column: the device's rows spread over n pixels from (x, y) down.
void _DrawColumn(GUI_MEMDEV* pDev, tLCDDEV_Color2Index pfColor2Index, int x, int y, int n, int c) {
  int YSize = pDev->YSize;
  if (n <= 0 || YSize <= 0) return;
  Spread Rows(YSize, n);
  int yCur = y, r, Cnt;
  while (Rows.Next(&r, &Cnt)) {
    int SrcRow = r < YSize ? r : YSize - 1;
    // Sampled relative to the device, so the read stays inside its pixels wherever the device lies.
    GUI_COLOR Color = *(const U32*)(GUI_MEMDEV__GetPixels(pDev) + (U32)SrcRow * pDev->BytesPerLine + (U32)c * 4);
    U32 a = Color >> 24;
    for (int k = Cnt - 1; k >= 0; k--) {
      if (a == 255) break;
      if (a == 0) {
        LCD__SetPixelIndexClipped(x, yCur + k, pfColor2Index(Color));
      } else {
        GUI__SetPixelAlpha(x, yCur + k, (U8)(255 - a), Color);
      }
    }
    yCur += Cnt;
  }
}

void _DrawPerspective(GUI_MEMDEV* pDev, int x, int y, int h0, int h1, int dx, int dy) {
  tLCDDEV_Color2Index pfColor2Index = LCD__GetpfColor2Index(GUI_pContext->SelLayer);
  if (!pfColor2Index) return;
  int W = pDev->XSize;
  Spread Columns(W, dx);
  int cx = x, s, Cols;
  while (Columns.Next(&s, &Cols)) {
    int Off = cx - x;
    int Top = (Off * dy + dx / 2) / dx;
    int Bottom = h0 - ((h0 - h1 - dy) * Off + dx / 2) / dx;
    int c = _CorrectColumn(s, h0, h1, W);
    if (c > W - 1) c = W - 1;
    for (int k = 0; k < Cols; k++) _DrawColumn(pDev, pfColor2Index, cx + k, y + Top, Bottom - Top, c);
    cx += Cols;
  }
}

}  // namespace

void GUI_MEMDEV_DrawPerspective(GUI_HMEM hMem, int x, int y, int h0, int h1, int dx, int dy) {
  if (!GUI_MEMDEV__Check(hMem) || dx <= 0) return;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV__Pin PinDev(hMem);
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  if (pDev->BitsPerPixel != 32 || !pDev->XSize || !pDev->YSize) return;
  x += GUI_pContext->xOff;
  y += GUI_pContext->yOff;
  // The area both edges cover: the right edge may reach lower than the left one.
  int yTop = y + (dy < 0 ? dy : 0);
  int yBottom = y + h0 > y + dy + h1 ? y + h0 : y + dy + h1;
  GUI_RECT r = {GUI_MEMDEV__ToI16(x), GUI_MEMDEV__ToI16(yTop), GUI_MEMDEV__ToI16(x + dx - 1), GUI_MEMDEV__ToI16(yBottom - 1)};
  if (WM__BeginClipIteration(&r)) {
    do {
      _DrawPerspective(pDev, x, y, h0, h1, dx, dy);
    } while (WM__NextClipRect());
  }
}

void GUI_MEMDEV_DrawStretched(GUI_HMEM hMem, int x, int y, int w, int h) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  int x0 = pDev->x0, y0 = pDev->y0;
  GUI_MEMDEV_SetOrg(hMem, 0, 0);
  GUI_MEMDEV_DrawPerspective(hMem, x, y, h, h, w, 0);
  GUI_MEMDEV_SetOrg(hMem, x0, y0);
}
