// The LCD frame of a layer: a child frame of the main frame titled with the layer's size and depth, holding the
// layer's LCD window.
#include <cstdio>

#include "SIM_Bridge.h"
#include "SIM_Frames.h"
#include "SIM_Windows.h"

const char SIM_CLASS_LCD_FRAME[] = "GUI LCD Frame";

PLAT_HWIN SIM__CreateLCDFrame(PLAT_HWIN hMain, int Layer) {
  if (!SIM__HasLayer(Layer)) return nullptr;   // a frame of nothing helps no one
  SIM_LAYER_INFO Info;
  SIM__GuiGetLayerInfo(Layer, &Info);
  char acTitle[64];
  snprintf(acTitle, sizeof(acTitle), "LCD #%d %d*%d %dbpp", Layer, Info.XSize * Info.XMag, Info.YSize * Info.YMag,
           Info.BitsPerPixel);
  if (PLAT_HWIN hFrame = PLAT_FindChild(hMain, SIM_CLASS_LCD_FRAME, acTitle)) return hFrame;
  int x, y;
  SIM__GetLCDFramePosOfLayer(Layer, &x, &y);
  SIM_FRAME_SIZE Size = SIM__GetLCDFrameSize(Layer);
  PLAT_CREATE Create = {SIM_CLASS_LCD_FRAME, acTitle, nullptr, hMain, x, y, Size.xSize, Size.ySize,
                        PLAT_STYLE_CHILD | PLAT_STYLE_CAPTION | PLAT_STYLE_VISIBLE, 0xFFFFFF, 0};
  PLAT_HWIN hFrame = PLAT_CreateWindow(&Create);
  if (hFrame) SIM_CreateLCDWindow(hFrame, 0, 0, Layer);   // fills the client area
  return hFrame;
}
