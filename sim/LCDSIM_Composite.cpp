// The composite view: every layer at its position, with its visibility, transparency and alpha, blended from
// the top layer down over the background colour. Computed per pixel on every paint of the composite window.
#include <vector>

#include "LCDSIM.h"
#include "LCDSIM_Composite.h"
#include "SIM_Bridge.h"

namespace {

enum { _MODE_RANGE = 1, _MODE_INDEX0 = 2 };

struct _SCENE {
  int NumLayers;
  LCDSIM_LAYER_VIEW aView[8];
  bool aHasView[8];
  uint32_t Background;       // bitmap order
  uint32_t Mode, TransMin, TransMax;
};

bool _InRange(uint32_t c, uint32_t Min, uint32_t Max) {
  for (int Shift = 0; Shift < 24; Shift += 8) {
    uint32_t v = (c >> Shift) & 0xFF;
    if (v < ((Min >> Shift) & 0xFF) || v > ((Max >> Shift) & 0xFF)) return false;
  }
  return true;
}

uint32_t _Pixel(const _SCENE& s, int Layer, int x, int y) {
  for (;; Layer--) {
    if (Layer < 0) return s.Background;
    if (!s.aHasView[Layer]) return s.Background;
    const LCDSIM_LAYER_VIEW& v = s.aView[Layer];
    const LCDSIM_HEADER* h = v.pHeader;
    int xl = x - h->xPos, yl = y - h->yPos;
    if (!h->Visible || xl < 0 || yl < 0 || xl >= h->XSize || yl >= h->YSize) continue;
    int xb = xl + h->xOrg, yb = yl + h->yOrg;
    if (xb < 0 || yb < 0 || xb >= h->VXSize || yb >= h->VYSize) continue;
    const uint8_t* p = v.pFrameBuffer + size_t(yb) * size_t(v.BytesPerLine) + size_t(xb) * size_t(v.BytesPerPixel);
    uint32_t c, a;
    if (v.BytesPerPixel == 1) {
      c = v.pPalette[*p];
      if ((s.Mode == _MODE_RANGE && _InRange(c, s.TransMin, s.TransMax)) ||
          (s.Mode == _MODE_INDEX0 && Layer > 0 && *p == 0))
        continue;
      a = uint32_t(h->Alpha) & 0xFF;
    } else {
      c = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
      if (s.Mode == _MODE_RANGE && _InRange(c, s.TransMin, s.TransMax)) continue;
      a = c >> 24;
    }
    if (!a) return c & 0xFFFFFF;
    uint32_t Beneath = _Pixel(s, Layer - 1, x, y), r = 0;
    for (int Shift = 0; Shift < 24; Shift += 8) {
      uint32_t Own = (c >> Shift) & 0xFF, Below = (Beneath >> Shift) & 0xFF;
      r |= ((Own * (256 - a) + Below * a) >> 8) << Shift;
    }
    return r;
  }
}

std::vector<uint32_t> _aBuffer;
int _xBuffer, _yBuffer;

}  // namespace

void LCDSIM__Composite(uint32_t* pDest, int xSize, int ySize) {
  _SCENE s = {};
  s.NumLayers = SIM__GuiGetNumLayers();
  if (s.NumLayers > 8) s.NumLayers = 8;
  for (int i = 0; i < s.NumLayers; i++) s.aHasView[i] = LCDSIM_GetView(i, &s.aView[i]) == 0;
  if (s.NumLayers > 0 && s.aHasView[0]) {
    const LCDSIM_HEADER* h = s.aView[0].pHeader;
    uint32_t Bk = h->CompositeColor;   // a GUI colour: red in the low byte
    s.Background = (Bk & 0xFF) << 16 | (Bk & 0xFF00) | ((Bk >> 16) & 0xFF);
    s.Mode = h->CompositeMode;
    s.TransMin = h->TransMin;
    s.TransMax = h->TransMax;
  }
  for (int y = 0; y < ySize; y++)
    for (int x = 0; x < xSize; x++) pDest[size_t(y) * xSize + x] = _Pixel(s, s.NumLayers - 1, x, y);
}

void LCDSIM_PaintComposite(PLAT_HWIN hWin) {
  int xSize = 0, ySize = 0;
  LCDSIM_LAYER_VIEW View;
  if (LCDSIM_GetView(0, &View) == 0) {
    xSize = View.pHeader->xSizeComposite;
    ySize = View.pHeader->ySizeComposite;
  }
  PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
  if (xSize > 0 && ySize > 0) {
    if (xSize != _xBuffer || ySize != _yBuffer) {   // follows a size set after the first paint
      _aBuffer.assign(size_t(xSize) * size_t(ySize), 0);
      _xBuffer = xSize;
      _yBuffer = ySize;
    }
    LCDSIM__Composite(_aBuffer.data(), xSize, ySize);
    PLAT_DIB Dib = {_aBuffer.data(), xSize, ySize, xSize * 4, 32, nullptr};
    PLAT_DrawDIB(hdc, 0, 0, xSize, ySize, &Dib, 0, 0, xSize, ySize);
  }
  PLAT_EndPaint(hWin, hdc);
}
