// One pixel drawn straight into the main window's LCD window, past the frame buffer: it shows until the LCD
// window next repaints that layer. Callable from any thread; the main thread draws it.
#include "SIM.h"
#include "SIM_Windows.h"

typedef struct {
  int x, y;
  uint32_t Color;
} PIXEL;

static PLAT_HWIN _hLCD;          // found once under the main window, then remembered
static PLAT_HWIN _hLCDOwner;     // the main window it was found under

static void _SetPixel(void* p) {
  PIXEL* pPixel = static_cast<PIXEL*>(p);
  if (_hLCDOwner != SIM_hDeviceWnd || !PLAT_IsWindow(_hLCD)) {
    _hLCD = PLAT_FindChild(SIM_hDeviceWnd, "GUI LCD", "LCD window");
    _hLCDOwner = SIM_hDeviceWnd;
  }
  if (_hLCD) PLAT_SetPixel(_hLCD, pPixel->x, pPixel->y, pPixel->Color);
  delete pPixel;
}

void SIM_SetPixelLCD(int x, int y, uint32_t Color) {
  PIXEL* pPixel = new PIXEL{x, y, Color};
  if (PLAT_PostCall(_SetPixel, pPixel)) delete pPixel;
}
