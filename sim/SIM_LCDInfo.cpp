// The LCD info window: the palette of a layer as rows of small squares, or, for a layer without a palette, a
// chart of the colours it can show. It repaints when a palette entry of any layer was written.
#include <cstdint>

#include "LCDSIM.h"
#include "SIM_Frames.h"

enum { _TIMER_POLL = 0, _POLL_MS = 20, _MAX_LAYERS = 16, _SQUARES_PER_ROW = 16, _PITCH = 10, _SQUARE = 8,
       _MARGIN = 2 };

static uint32_t _aLastLUTCnt[_MAX_LAYERS];
static uint32_t _aChart[SIM_CHART_XSIZE * SIM_CHART_YSIZE];
static bool _ChartMade;

static uint32_t _Expand5(int v) { return uint32_t(v << 3 | v >> 2); }

// Eight bands of two lines: the colour of red (bit 0 of the band), green (bit 1) and blue (bit 2), fading to
// black across the first line and to white across the second, in 5 bits per component.
const uint32_t* SIM__GetColorChart(void) {
  if (_ChartMade) return _aChart;
  for (int Band = 0; Band < SIM_CHART_YSIZE / 2; Band++) {
    for (int x = 0; x < SIM_CHART_XSIZE; x++) {
      uint32_t ToBlack = 0, ToWhite = 0;
      for (int Bit = 0; Bit < 3; Bit++) {
        bool On = (Band >> Bit) & 1;
        int Shift = 16 - 8 * Bit;   // red, green, blue
        ToBlack |= _Expand5(On ? 31 - x : 0) << Shift;
        ToWhite |= _Expand5(On ? 31 : x) << Shift;
      }
      _aChart[(2 * Band) * SIM_CHART_XSIZE + x] = ToBlack;
      _aChart[(2 * Band + 1) * SIM_CHART_XSIZE + x] = ToWhite;
    }
  }
  _ChartMade = true;
  return _aChart;
}

static uint32_t _Gui2RGB(uint32_t Color) { return (Color & 0xFF) << 16 | (Color & 0xFF00) | (Color >> 16 & 0xFF); }

void SIM__PaintLCDInfo(PLAT_HPAINT hdc, int xSize, int ySize, int NumColors, const uint32_t* paColor) {
  if (NumColors >= 1 && NumColors <= 256) {
    for (int i = 0; i < NumColors; i++) {
      PLAT_FillRect(hdc, _MARGIN + _PITCH * (i % _SQUARES_PER_ROW), _MARGIN + _PITCH * (i / _SQUARES_PER_ROW),
                    _SQUARE, _SQUARE, _Gui2RGB(paColor[i]));
    }
    return;
  }
  PLAT_DIB Dib = {SIM__GetColorChart(), SIM_CHART_XSIZE, SIM_CHART_YSIZE, SIM_CHART_XSIZE * 4, 32, nullptr};
  PLAT_DrawDIB(hdc, 0, 0, xSize, ySize, &Dib, 0, 0, SIM_CHART_XSIZE, SIM_CHART_YSIZE);
}

static void _Paint(PLAT_HWIN hWin) {
  int Layer = int(PLAT_GetUserData(hWin));
  LCDSIM_LAYER_VIEW View;
  int NumColors = LCDSIM_GetView(Layer, &View) == 0 ? View.pHeader->NumColors : 0;
  uint32_t aColor[256];
  for (int i = 0; i < NumColors && i < 256; i++) aColor[i] = LCDSIM_Index2Color(i, Layer);
  int xSize, ySize;
  PLAT_GetClientSize(hWin, &xSize, &ySize);
  PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
  if (!hdc) return;
  SIM__PaintLCDInfo(hdc, xSize, ySize, NumColors, aColor);
  PLAT_EndPaint(hWin, hdc);
}

static intptr_t _WndProcLCDInfo(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  int Layer = int(PLAT_GetUserData(hWin));
  switch (Msg) {
  case PLAT_MSG_CREATE:
    PLAT_SetTimer(hWin, _TIMER_POLL, _POLL_MS);
    return 0;
  case PLAT_MSG_DESTROY:
    PLAT_KillTimer(hWin, _TIMER_POLL);
    return 0;
  case PLAT_MSG_PAINT:
    _Paint(hWin);
    return 0;
  case PLAT_MSG_TIMER:
    if (Layer >= 0 && Layer < _MAX_LAYERS && LCDSIM_GetLUTModifyCnt() != _aLastLUTCnt[Layer]) {
      _aLastLUTCnt[Layer] = LCDSIM_GetLUTModifyCnt();
      PLAT_Invalidate(hWin, 0);
    }
    return 0;
  default:
    return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

PLAT_HWIN SIM__CreateLCDInfo(PLAT_HWIN hParent, int x, int y, int xSize, int ySize, int Layer) {
  PLAT_CREATE Create = {"GUI LCD Info", "LCD info window", _WndProcLCDInfo, hParent, x, y, xSize, ySize,
                        PLAT_STYLE_CHILD | PLAT_STYLE_VISIBLE, 0xFFFFFF, Layer};
  return PLAT_CreateWindow(&Create);
}
