// Layout of the framed main window: LCD frames stack downwards and wrap into columns, each column followed by
// room for the colour frames; the log frame lies below them. The main frame grows to hold them, and when the
// desktop is too narrow for that, the frames are pushed together so that each keeps its share of the width.
#include <algorithm>
#include <cstring>
#include <vector>

#include "PLAT_Image.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Frames.h"

static int _Frame(void) { return PLAT_GetSystemMetric(PLAT_SM_CXFRAME); }

void SIM__GetLCDFramePos(const SIM_FRAME_SIZE* paSize, int Layer, int AvailHeight, int* px, int* py) {
  int x = 0, y = 0, xSizeMax = 0;
  for (int i = 0; i < std::max(Layer, 1); i++) {
    const SIM_FRAME_SIZE& Size = paSize[i];
    xSizeMax = std::max(xSizeMax, Size.xSize);
    if (i < Layer) y += Size.ySize;
    if (i >= 1 && Size.ySize + y >= AvailHeight) {  // a next frame as high as this one would not fit
      x += SIM_COLUMN_GAP + xSizeMax;
      y = 0;
    }
  }
  *px = x;
  *py = y;
}

int SIM__SqueezeX(int x, int xSize, int xSizeParent, int Width, int f) {
  if (x == 0) return 0;
  int Room = Width - xSize - 2 * f;
  if (Room <= 0) return x;  // a frame as wide as what was asked for has nowhere to go
  return int(float(x) * float(xSizeParent - xSize) / float(Room));
}

void SIM__GetMainFrameBorder(int* pxBorder, int* pyBorder) {
  *pxBorder = 2 * PLAT_GetSystemMetric(PLAT_SM_CXFRAME);
  *pyBorder = PLAT_GetSystemMetric(PLAT_SM_CYCAPTION) + PLAT_GetSystemMetric(PLAT_SM_CYMENUSIZE) + 1 +
              2 * PLAT_GetSystemMetric(PLAT_SM_CYFRAME);
}

int SIM__HasLayer(int Layer) { return Layer >= 0 && Layer < SIM__GuiGetNumLayers() && SIM__GuiHasLayer(Layer); }

SIM_FRAME_SIZE SIM__GetLCDFrameSize(int Layer) {
  SIM_LAYER_INFO Info;
  SIM__GuiGetLayerInfo(Layer, &Info);
  return {SIM_GetXMag() * Info.XSize * Info.XMag + 2 * _Frame(),
          SIM_GetYMag() * Info.YSize * Info.YMag + PLAT_GetSystemMetric(PLAT_SM_CYCAPTION) +
              2 * PLAT_GetSystemMetric(PLAT_SM_CYFRAME)};
}

// The height that the LCD frames may fill: what a maximised main frame offers, less the log frame.
static int _GetAvailHeight(void) {
  int xDesk, yDesk, xBorder, yBorder;
  PLAT_GetDesktopSize(&xDesk, &yDesk);
  SIM__GetMainFrameBorder(&xBorder, &yBorder);
  return yDesk - yBorder - SIM_LOG_YSIZE;
}

void SIM__GetLCDFramePosOfLayer(int Layer, int* px, int* py) {
  std::vector<SIM_FRAME_SIZE> aSize;
  for (int i = 0; i < std::max(Layer, 1); i++) aSize.push_back(SIM__GetLCDFrameSize(i));
  SIM__GetLCDFramePos(aSize.data(), Layer, _GetAvailHeight(), px, py);
}

void SIM__GetFramesExtent(int* pxRight, int* pyBottom) {
  *pxRight = *pyBottom = 0;
  for (int i = 0; i < SIM__GuiGetNumLayers(); i++) {
    if (!SIM__GuiHasLayer(i)) continue;
    int x, y;
    SIM__GetLCDFramePosOfLayer(i, &x, &y);
    SIM_FRAME_SIZE Size = SIM__GetLCDFrameSize(i);
    *pxRight = std::max(*pxRight, x + Size.xSize);
    *pyBottom = std::max(*pyBottom, y + Size.ySize);
  }
}

void SIM__ArrangeFrames(PLAT_HWIN hMain) {
  int xRight, yBottom, xClient, yClient, xBorder, yBorder, xDesk, yDesk;
  SIM__GetFramesExtent(&xRight, &yBottom);
  PLAT_GetClientSize(hMain, &xClient, &yClient);
  if (yClient >= yBottom + SIM_LOG_YSIZE) return;
  SIM__GetMainFrameBorder(&xBorder, &yBorder);
  PLAT_GetDesktopSize(&xDesk, &yDesk);
  int Width = xRight + SIM_COLUMN_GAP + SIM__GetCompositeFrameSize().xSize + xBorder;
  int Height = yBottom + SIM_LOG_YSIZE + yBorder;
  // The desktop bounds the window, as window systems bound what a window may grow to.
  PLAT_SetClientSize(hMain, std::min(Width, xDesk) - xBorder, std::min(Height, yDesk) - yBorder);
  if (Width <= xDesk) return;
  PLAT_HWIN ahChild[64];
  int NumChildren = std::min(PLAT_GetChildren(hMain, ahChild, 64), 64);
  for (int i = 0; i < NumChildren; i++) SIM__SqueezeFrame(ahChild[i], Width);
}

void SIM__FitFrame(PLAT_HWIN hFrame) {
  int xRight, yBottom, xDesk, yDesk;
  SIM__GetFramesExtent(&xRight, &yBottom);
  PLAT_GetDesktopSize(&xDesk, &yDesk);
  int Width = xRight + SIM_COLUMN_GAP + 2 * _Frame();
  if (Width > xDesk) SIM__SqueezeFrame(hFrame, Width);
}

void SIM__SqueezeFrame(PLAT_HWIN hFrame, int Width) {
  const char* pClass = PLAT_GetClassName(hFrame);
  int IsColor = strcmp(pClass, SIM_CLASS_COLOR_FRAME) == 0;
  if (!IsColor && strcmp(pClass, SIM_CLASS_LCD_FRAME) != 0 && strcmp(pClass, SIM_CLASS_LOG_FRAME) != 0) return;
  PLAT_HWIN hParent = PLAT_GetParent(hFrame);
  if (!hParent) return;
  int x, y, xSize, ySize, xParent, yParent;
  PLAT_GetWindowRect(hFrame, &x, &y, &xSize, &ySize);   // in the parent's client area
  PLAT_GetClientSize(hParent, &xParent, &yParent);
  PLAT_MoveWindow(hFrame, SIM__SqueezeX(x, xSize, xParent, Width, _Frame()), y, xSize, ySize);
  if (!IsColor) PLAT_RaiseWindow(hFrame);
}
