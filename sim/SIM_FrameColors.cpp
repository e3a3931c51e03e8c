// The colour frame of a layer: right of the layer's LCD frame, it holds the LCD info window with the layer's
// palette or, for a layer without one, the colour chart.
#include <cstdio>

#include "SIM_Bridge.h"
#include "SIM_Frames.h"

const char SIM_CLASS_COLOR_FRAME[] = "GUI LCD InfoFrame";

enum { _SQUARES_PER_ROW = 16, _SQUARE_PITCH = 10, _CHART_SIZE = 128 };

SIM_FRAME_SIZE SIM__GetColorFrameSize(int NumColors) {
  int f = PLAT_GetSystemMetric(PLAT_SM_CXFRAME), Caption = PLAT_GetSystemMetric(PLAT_SM_CYCAPTION);
  if (NumColors >= 1 && NumColors <= 256) {
    int NumRows = (NumColors + _SQUARES_PER_ROW - 1) / _SQUARES_PER_ROW;
    return {SIM_COLUMN_GAP, NumRows * _SQUARE_PITCH + 29};
  }
  return {2 * f + _CHART_SIZE, Caption + 2 * (PLAT_GetSystemMetric(PLAT_SM_CYFRAME) + _CHART_SIZE / 2)};
}

PLAT_HWIN SIM__CreateColorFrame(PLAT_HWIN hMain, int Layer) {
  if (!SIM__HasLayer(Layer)) return nullptr;
  char acTitle[32];
  snprintf(acTitle, sizeof(acTitle), "Colors #%d", Layer);
  if (PLAT_HWIN hFrame = PLAT_FindChild(hMain, SIM_CLASS_COLOR_FRAME, acTitle)) return hFrame;
  SIM_LAYER_INFO Info;
  SIM__GuiGetLayerInfo(Layer, &Info);
  SIM_FRAME_SIZE Size = SIM__GetColorFrameSize(Info.NumColors);
  int x, y;
  SIM__GetLCDFramePosOfLayer(Layer, &x, &y);
  x += SIM__GetLCDFrameSize(Layer).xSize;
  PLAT_CREATE Create = {SIM_CLASS_COLOR_FRAME, acTitle, nullptr, hMain, x, y, Size.xSize, Size.ySize,
                        PLAT_STYLE_CHILD | PLAT_STYLE_CAPTION | PLAT_STYLE_VISIBLE, 0xFFFFFF, 0};
  PLAT_HWIN hFrame = PLAT_CreateWindow(&Create);
  if (!hFrame) return nullptr;
  int xClient, yClient;
  PLAT_GetClientSize(hFrame, &xClient, &yClient);
  SIM__CreateLCDInfo(hFrame, 0, 0, xClient, yClient, Layer);
  return hFrame;
}
