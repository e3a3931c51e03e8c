// Area-average sampling of the rotation: the square that one destination pixel covers in the source is cut
// at pixel borders into cells weighted in 1/4096 of a pixel, and the covered pixels are averaged by their
// weights and transparency. Internal to the rotation.
#pragma once

#include "GUI.h"

// The average under the square of side Box (16.16) centred on (sx, sy); cells beyond the source count as
// fully transparent. GUI_TRANSPARENT when no visible colour lies under the square.
U32 GUI_MEMDEV__SampleArea(const U32* pSrc, int W, int H, I64 sx, I64 sy, I64 Box);

// The plain rule: an opaque sample replaces the pixel, a fully transparent one leaves it, anything between
// is mixed over it.
inline void GUI_MEMDEV__PutPlain(U32* pDst, U32 q) {
  U32 a = q >> 24;
  if (a == 0) {
    *pDst = q;
  } else if (a != 255) {
    *pDst = GUI__MixColors(q, *pDst, (U8)(255 - a));
  }
}

// One destination row x0 .. x1 sampled by area and written by the plain rule, the sample of x0 being at
// (sx, sy) and moving by (c, s) per pixel. Plain 1: no vector code (the reference the vector code is tested
// against).
void GUI_MEMDEV__RotateAreaRow(const U32* pSrc, int W, int H, U32* pDstRow, int x0, int x1, I64 sx, I64 sy, I64 c,
                               I64 s, I64 Box, bool Plain);
