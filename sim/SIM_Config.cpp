// Host settings that the application's configuration sets once at start-up on the main thread, and the requests
// that the application makes of the host windows from its own threads (posted, never sent).
#include <atomic>

#include "LCDSIM.h"
#include "SIM.h"
#include "SIM_Windows.h"

enum { _MAG_MIN = 1, _MAG_MAX = 8 };

static int _xLCDPos, _yLCDPos;
static int _xMag = 1, _yMag = 1;
static uint32_t _TransColor = 0xFF000000;
static int _DeviceMode;
static int _xDeviceOffset, _yDeviceOffset;
static int _xSizeComposite, _ySizeComposite;
static uint32_t _CompositeColor;
static int _PopupDisabled;
static int _ConfigFlag;
static uint8_t _AppByte;
static SIM_MAINWINDOW_HOOK* _pfMainWindowHook;
static std::atomic<int> _StatusLED;

void SIM_SetLCDPos(int x, int y) { _xLCDPos = x; _yLCDPos = y; }
void SIM_GetLCDPos(int* px, int* py) { *px = _xLCDPos; *py = _yLCDPos; }

// The magnification divides mouse positions and sizes the windows: a value outside 1 to 8 is refused.
int SIM_SetMag(int xMag, int yMag) {
  int r = 0;
  if (xMag >= _MAG_MIN && xMag <= _MAG_MAX) _xMag = xMag; else r = 1;
  if (yMag >= _MAG_MIN && yMag <= _MAG_MAX) _yMag = yMag; else r = 1;
  return r;
}

int SIM_GetXMag(void) { return _xMag; }
int SIM_GetYMag(void) { return _yMag; }

uint32_t SIM_SetTransColor(uint32_t Color) {
  uint32_t Old = _TransColor;
  _TransColor = Color;
  return Old;
}

uint32_t SIM_GetTransColor(void) { return _TransColor; }

void SIM_SetDeviceMode(int OnOff) { _DeviceMode = OnOff ? 1 : 2; }
int SIM_GetDeviceMode(void) { return _DeviceMode; }

void SIM_SetDeviceWindowOffset(int x, int y) { _xDeviceOffset = x; _yDeviceOffset = y; }
void SIM_GetDeviceWindowOffset(int* px, int* py) { *px = _xDeviceOffset; *py = _yDeviceOffset; }

void SIM_SetConfigFlag(void) { _ConfigFlag = 1; }
int SIM_GetConfigFlag(void) { return _ConfigFlag; }

void SIM_SetCompositeSize(uint16_t xSize, int ySize) {
  _xSizeComposite = xSize;
  _ySizeComposite = ySize;
  LCDSIM_SetCompositeSize(xSize, ySize);
}

void SIM_GetCompositeSize(int* pxSize, int* pySize) { *pxSize = _xSizeComposite; *pySize = _ySizeComposite; }

void SIM_SetCompositeColor(uint32_t Color) {
  _CompositeColor = Color;
  LCDSIM_SetCompositeColor(Color);
}

uint32_t SIM_GetCompositeColor(void) { return _CompositeColor; }

int SIM_SetPopupDisabled(int OnOff) {
  _PopupDisabled = OnOff;
  return OnOff;
}

int SIM_GetPopupDisabled(void) { return _PopupDisabled; }

void SIM_SetTransparencyRange(int Layer, uint32_t Min, uint32_t Max) { LCDSIM_SetTransparencyRange(Layer, Min, Max); }
void SIM_SetCompositeMode(int Layer, uint32_t Mode) { LCDSIM_SetCompositeMode(Layer, Mode); }

uint32_t SIM_SetLCDTintDark(int Layer, uint32_t Color) { return Layer == 0 ? LCDSIM_SetTint(0, Color) : 0; }
uint32_t SIM_SetLCDTintLight(int Layer, uint32_t Color) { return Layer == 0 ? LCDSIM_SetTint(1, Color) : 0; }

uint8_t SIM_SetAppByte(uint8_t Value) {
  if (!_AppByte) _AppByte = Value;
  return Value;
}

void SIM_SetMainWindowHook(SIM_MAINWINDOW_HOOK* pfHook) { _pfMainWindowHook = pfHook; }
SIM_MAINWINDOW_HOOK* SIM_GetMainWindowHook(void) { return _pfMainWindowHook; }
void SIM_SetLCDMsgHook(SIM_LCD_MSG_HOOK* pfHook) { SIM_pfLCDMsgHook = pfHook; }

static void _RefreshInputSim(void*) {
  if (SIM_hInputSimWnd) PLAT_SendMessage(SIM_hInputSimWnd, SIM_MSG_REFRESH_INPUTS, 0, 0);
}

void SIM_RefreshInputSim(void) { PLAT_PostCall(_RefreshInputSim, nullptr); }

static void _ShowStatusLED(void*) {
  if (SIM_hDeviceWnd) PLAT_Invalidate(SIM_hDeviceWnd, 0);
}

// The controller's LED byte: bit 7 on, bits 0-1 the colour. The main window paints it.
void SIM_SetStatusLED(int Code) {
  if (_StatusLED.exchange(Code) != Code) PLAT_PostCall(_ShowStatusLED, nullptr);
}

int SIM_GetStatusLED(void) { return _StatusLED; }
