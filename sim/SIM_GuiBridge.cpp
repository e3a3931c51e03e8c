// The host's calls into the GUI library and the application.
#include "LCDSIM.h"
#include "SIM.h"
#include "SIM_Bridge.h"

// Until the GUI library drives the display, the host shows the application's configured display:
// 480 x 272 visible, 480 x 544 virtual, 16-bit 5-6-5 colour.
void SIM__GuiConfigOnce(void) {}
int SIM__GuiGetNumLayers(void) { return 1; }

void SIM__GuiGetLayerInfo(int Layer, SIM_LAYER_INFO* pInfo) {
  *pInfo = SIM_LAYER_INFO{480, 272, 480, 544, 1, 1, 16, 0};
}

uint32_t SIM__GuiIndex2Color(int Layer, uint32_t Index) {
  uint32_t r = (Index >> 11 & 0x1F) * 255 / 31, g = (Index >> 5 & 0x3F) * 255 / 63, b = (Index & 0x1F) * 255 / 31;
  return r | g << 8 | b << 16;
}

uint32_t SIM__GuiColor2Index(int Layer, uint32_t Color) {
  uint32_t r = Color & 0xFF, g = Color >> 8 & 0xFF, b = Color >> 16 & 0xFF;
  return (r * 31 + 127) / 255 << 11 | (g * 63 + 127) / 255 << 5 | (b * 31 + 127) / 255;
}

void SIM__GuiInstall(void) {}

static SIM_POINTER_SINK* _pfPointerSink;
static SIM_KEY_SINK* _pfKeySink;

void SIM__SetInputSinks(SIM_POINTER_SINK* pfPointer, SIM_KEY_SINK* pfKey) {
  _pfPointerSink = pfPointer;
  _pfKeySink = pfKey;
}

void SIM__GuiStorePointer(int x, int y, int Pressed, int Layer) {
  if (_pfPointerSink) _pfPointerSink(x, y, Pressed, Layer);
}

void SIM__GuiStoreKeyMsg(int Key, int Pressed) {
  if (_pfKeySink) _pfKeySink(Key, Pressed);
}

// Stand-in application until the controller runs here: colour bars and a moving block through the display
// operations that the GUI library's driver uses.
void SIM__AppMainTask(void) {
  static const uint16_t aColor[] = {0xF800, 0x07E0, 0x001F, 0xFFE0, 0x07FF, 0xF81F, 0xFFFF, 0x8410};
  for (int i = 0; i < 8; i++) LCDSIM_FillRect(i * 60, 0, i * 60 + 59, 200, aColor[i], 0);
  for (int x = 0;; x = (x + 4) % 440) {
    LCDSIM_FillRect(0, 201, 479, 271, 0x0000, 0);
    LCDSIM_FillRect(x, 216, x + 39, 255, 0xFD20, 0);
    SIM_Delay(40);
  }
}

void SIM__AppConfig(void) {
  SIM_SetConfigFlag();
  SIM_SetMag(SIM_Zoom, SIM_Zoom);
}

void SIM__AppSendBack(void) {}
void SIM__AppLoadFunctionData(const char* pPath) {}
void SIM__AppLoadDesign(const char* pPath) {}
void SIM__AppLoadBranding(const char* pPath) {}
void SIM__AppSaveTmpFile(void) {}
