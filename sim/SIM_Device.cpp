// The device window: the picture of the controller, shaped by it (every pixel of the key colour is cut away),
// with the LCD window at the display position and the status LED painted on it; it is dragged with the left
// button. Without a picture the generic frame is drawn, whose one hard key closes the simulator.
#include <algorithm>
#include <vector>

#include "PLAT_Image.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Device.h"
#include "SIM_Region.h"
#include "SIM_Windows.h"
#include "WM_Hooks.h"

extern const unsigned char SIM_acDevicePicture1[], SIM_acDevicePicture2[];
extern const unsigned SIM_acDevicePicture1_Size, SIM_acDevicePicture2_Size;

SIM_HARDKEY SIM_Hardkeys[SIM_NUM_HARDKEYS];

namespace {

enum { _TIMER_END = 0, _END_MS = 20, _FRAME = 75, _LABEL = 40, _MAX_REGIONS = 128 };

struct _PICTURE {
  std::vector<uint32_t> aPixel;   // 0x00RRGGBB, top line first
  int xSize = 0, ySize = 0;
  bool IsSet() const { return xSize > 0 && ySize > 0; }
  void Fill(int x0, int y0, int w, int h, uint32_t c) {
    for (int y = std::max(0, y0); y < std::min(ySize, y0 + h); y++)
      for (int x = std::max(0, x0); x < std::min(xSize, x0 + w); x++) aPixel[size_t(y) * xSize + x] = c;
  }
  void Make(int w, int h, uint32_t c) {
    xSize = w;
    ySize = h;
    aPixel.assign(size_t(w) * size_t(h), c);
  }
};

_PICTURE _Skin, _Keys, _TestPicture;
bool _HasTestPicture;
int _NumHardkeys;
int _xDrag, _yDrag;
bool _Dragging;
int _CloseArmed;

PLAT_DIB _Dib(const _PICTURE& p) { return {p.aPixel.data(), p.xSize, p.ySize, p.xSize * 4, 32, nullptr}; }

void _Decode(const unsigned char* pData, unsigned NumBytes, _PICTURE* p) {
  uint32_t* pPixels;
  if (PLAT_DecodeImage(pData, NumBytes, &pPixels, &p->xSize, &p->ySize)) {
    p->xSize = p->ySize = 0;
    return;
  }
  p->aPixel.assign(pPixels, pPixels + size_t(p->xSize) * size_t(p->ySize));
  PLAT_FreeImage(pPixels);
}

// Our generic frame: a grey housing with a dark rim around the display and a label that closes the simulator.
void _CreateFrameSkin(int W, int H, int b) {
  uint32_t Key = SIM_GetTransColor() & 0xFFFFFF;
  int w = W + 2 * b, h = H + 2 * _FRAME;
  _Skin.Make(w, h, Key);
  for (int y = 0; y < h; y++) {
    for (int x = 0; x < w; x++) {
      int dx = std::max({0, 20 - x, x - (w - 21)}), dy = std::max({0, 20 - y, y - (h - 21)});
      if (dx * dx + dy * dy > 400) continue;   // rounded corners stay the key colour
      int Shade = 200 - 60 * y / h;
      _Skin.aPixel[size_t(y) * w + x] = uint32_t(Shade) << 16 | uint32_t(Shade + 2) << 8 | uint32_t(Shade + 6);
    }
  }
  int xLabel = (w - _LABEL) / 2, yLabel = h - _LABEL / 2 - 45;
  _Skin.Fill(xLabel, yLabel, _LABEL, _LABEL, 0x3A4A5C);
  _Skin.Fill(xLabel + 12, yLabel + 18, _LABEL - 24, 4, 0xE0E0E0);
  _Skin.Fill(b, _FRAME, W, H, 0x000000);
  _Skin.Fill(b - 1, _FRAME - 1, W + 2, 1, 0x404040);
  _Skin.Fill(b - 1, H + _FRAME, W + 2, 1, 0x404040);
  _Skin.Fill(b - 1, _FRAME - 1, 1, H + 2, 0x404040);
  _Skin.Fill(b + W, _FRAME - 1, 1, H + 2, 0x404040);
  // The key picture: key colour everywhere but the label, which shows pressed here.
  _Keys.Make(w, h, Key);
  _Keys.Fill(xLabel, yLabel, _LABEL, _LABEL, 0x1E2836);
  _Keys.Fill(xLabel + 12, yLabel + 19, _LABEL - 24, 4, 0xB0B0B0);
}

void _CloseKeyCallback(int Key, int Event) {
  if (Event == 1) _CloseArmed = 1;
  if (Event == 2) {
    _CloseArmed = 0;
    SIM_SetHardkeyState(Key, 0);
  }
  if (Event == 0 && _CloseArmed) PLAT_PostQuit(0);
}

void _PaintLED(PLAT_HPAINT hdc) {
  int Zoom = SIM_Zoom;
  if (Zoom == 1) PLAT_FillRoundRect(hdc, 70, 425, 180, 440, 10, SIM__GetLEDColor(SIM_GetStatusLED()));
  else if (Zoom == 2) PLAT_FillRoundRect(hdc, 140, 850, 360, 880, 20, SIM__GetLEDColor(SIM_GetStatusLED()));
}

intptr_t _WndProcDevice(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  SIM_HandleKeyMsg(Msg, wParam);
  int x = int16_t(lParam & 0xFFFF), y = int16_t((lParam >> 16) & 0xFFFF);
  switch (Msg) {
  case PLAT_MSG_CREATE:
    PLAT_SetTimer(hWin, _TIMER_END, _END_MS);
    return 0;
  case PLAT_MSG_DESTROY:
    PLAT_KillTimer(hWin, _TIMER_END);
    if (SIM_hDeviceWnd == hWin) SIM_hDeviceWnd = nullptr;
    PLAT_PostQuit(0);
    return 0;
  case PLAT_MSG_PAINT: {
    PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
    PLAT_DIB Dib = _Dib(_Skin);
    PLAT_DrawDIB(hdc, 0, 0, _Skin.xSize, _Skin.ySize, &Dib, 0, 0, _Skin.xSize, _Skin.ySize);
    _PaintLED(hdc);  // with the state the controller last reported: a repaint does not switch it off
    PLAT_EndPaint(hWin, hdc);
    return 0;
  }
  case PLAT_MSG_LEFTDOWN:
    PLAT_SetCapture(hWin);
    _Dragging = true;
    _xDrag = x;
    _yDrag = y;
    return 0;
  case PLAT_MSG_MOUSEMOVE:
    if (_Dragging && (x != _xDrag || y != _yDrag)) {
      int x0, y0, w, h;
      PLAT_GetWindowRect(hWin, &x0, &y0, &w, &h);
      PLAT_MoveWindow(hWin, x0 + x - _xDrag, y0 + y - _yDrag, w, h);
    }
    return 0;
  case PLAT_MSG_LEFTUP:
    _Dragging = false;
    PLAT_ReleaseCapture();
    return 0;
  case PLAT_MSG_RIGHTDOWN:
    PLAT_ShowPopupMenu(SIM__GetPopupMenu(), hWin);
    return 0;
  case PLAT_MSG_WHEEL:
    SIM_WheelDelta += int16_t(wParam >> 16) / 120;  // whole notches; the window manager takes them
    return 0;
  case PLAT_MSG_COMMAND:
    SIM__OnCommand(hWin, uint32_t(wParam & 0xFFFF));
    return 0;
  case PLAT_MSG_INITMENU:
    SIM__UpdateMenu();
    return 0;
  case PLAT_MSG_TIMER:
    SIM__QuitWithoutApp();  // the title keeps the simulator's name: only the main frame shows the state
    return 0;
  default:
    return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

void _KeyEvent(int n, int Event) {
  if (SIM_Hardkeys[n].pfCallback) SIM_Hardkeys[n].pfCallback(n, Event);
  PLAT_Invalidate(SIM_Hardkeys[n].hWin, 0);
}

intptr_t _WndProcHardkey(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  int n = int(PLAT_GetUserData(hWin));
  if (n < 0 || n >= SIM_NUM_HARDKEYS - 1) return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  SIM_HARDKEY* pKey = &SIM_Hardkeys[n];
  int x = int16_t(lParam & 0xFFFF), y = int16_t((lParam >> 16) & 0xFFFF);
  switch (Msg) {
  case PLAT_MSG_PAINT: {
    int x0, y0, w, h;
    PLAT_GetWindowRect(hWin, &x0, &y0, &w, &h);
    const _PICTURE& Pic = (pKey->State && _Keys.IsSet()) ? _Keys : _Skin;
    PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
    PLAT_DIB Dib = _Dib(Pic);
    PLAT_DrawDIB(hdc, 0, 0, w, h, &Dib, x0, y0, w, h);
    PLAT_EndPaint(hWin, hdc);
    return 0;
  }
  case PLAT_MSG_LEFTDOWN:
    PLAT_SetCapture(hWin);
    pKey->State = pKey->Toggle ? int8_t(!pKey->State) : 1;
    _KeyEvent(n, 1);
    return 0;
  case PLAT_MSG_LEFTUP:
    PLAT_ReleaseCapture();
    if (!pKey->Toggle) pKey->State = 0;
    _KeyEvent(n, 0);
    return 0;
  case PLAT_MSG_MOUSEMOVE: {
    int w, h;
    PLAT_GetClientSize(hWin, &w, &h);
    if ((wParam & PLAT_BTN_LEFT) && (x < 0 || y < 0 || x >= w || y >= h)) _KeyEvent(n, 2);
    return 0;
  }
  case PLAT_MSG_RIGHTDOWN:
    PLAT_ShowPopupMenu(SIM__GetPopupMenu(), SIM_hDeviceWnd);
    return 0;
  default:
    return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

void _CreateHardkeys(PLAT_HWIN hParent) {
  if (!_Keys.IsSet()) return;
  int NumRegions = SIM_GetRegions(_Keys.aPixel.data(), _Keys.xSize, _Keys.ySize, SIM_GetTransColor(), _MAX_REGIONS);
  for (int n = 0; n < NumRegions && n < SIM_NUM_HARDKEYS; n++) {
    int r[4];
    SIM_GetRegionRect(n, r);
    PLAT_CREATE Create = {"GUI Hardkey", "Hardkey", _WndProcHardkey, hParent, r[0], r[1], r[2] - r[0] + 1,
                          r[3] - r[1] + 1, PLAT_STYLE_CHILD | PLAT_STYLE_VISIBLE, 0xD4D0C8, n};
    PLAT_HWIN hKey = PLAT_CreateWindow(&Create);
    if (!hKey) continue;
    SIM_Hardkeys[n].hWin = hKey;
    SIM__SetWindowRegion(hKey, n, 0, 0);
    _NumHardkeys++;
  }
  SIM_FreeRegions();
}

}  // namespace

uint32_t SIM__GetLEDColor(int Code) {
  switch (Code & ~0x40) {
  case 129: return 0xF00000;
  case 130: return 0x00F000;
  case 131: return 0xF07800;
  default: return 0x191919;
  }
}

void SIM__SetDevicePicture(const uint32_t* pPixels, int xSize, int ySize) {
  _HasTestPicture = xSize >= 0 && ySize >= 0;
  _TestPicture = _PICTURE();
  if (pPixels && xSize > 0 && ySize > 0) {
    _TestPicture.aPixel.assign(pPixels, pPixels + size_t(xSize) * size_t(ySize));
    _TestPicture.xSize = xSize;
    _TestPicture.ySize = ySize;
  }
}

void SIM__FreeDevicePictures(void) {
  _Skin = _PICTURE();
  _Keys = _PICTURE();
}

PLAT_HWIN SIM_CreateDeviceWindow(void) {
  SIM_LAYER_INFO Info;
  SIM__GuiGetLayerInfo(0, &Info);
  int xMag = SIM_GetXMag(), yMag = SIM_GetYMag();
  int W = Info.XSize * Info.XMag * xMag, H = Info.YSize * Info.YMag * yMag;
  SIM__FreeDevicePictures();
  for (SIM_HARDKEY& k : SIM_Hardkeys) k = SIM_HARDKEY();
  _NumHardkeys = 0;
  if (_HasTestPicture) _Skin = _TestPicture;
  else if (xMag == 2) _Decode(SIM_acDevicePicture2, SIM_acDevicePicture2_Size, &_Skin);
  else _Decode(SIM_acDevicePicture1, SIM_acDevicePicture1_Size, &_Skin);
  int xLCD, yLCD;
  SIM_GetLCDPos(&xLCD, &yLCD);
  int xOff = 0, yOff = 0;
  if (_Skin.IsSet() && xMag >= 3) {
    _Skin.Make(W, H, 0x000000);  // no picture of that size: the display alone
  } else if (!_Skin.IsSet()) {
    int b = W < 80 ? (80 - W) / 2 + 35 : 35;
    _CreateFrameSkin(W, H, b);
    SIM_GetDeviceWindowOffset(&xOff, &yOff);
    xLCD = b;
    yLCD = _FRAME;
  }
  int xDesk, yDesk, dx, dy;
  PLAT_GetDesktopSize(&xDesk, &yDesk);
  SIM_GetWindowShift(&dx, &dy);
  PLAT_CREATE Create = {"GUI Device", SIM_GetAppName(), _WndProcDevice, nullptr,
                        std::max(0, (xDesk - _Skin.xSize) / 2 + xOff) + dx,
                        std::max(0, (yDesk - _Skin.ySize) / 3 + yOff) + dy,
                        _Skin.xSize, _Skin.ySize, PLAT_STYLE_POPUP, 0x000000, 0};
  SIM_hDeviceWnd = PLAT_CreateWindow(&Create);
  if (!SIM_hDeviceWnd) return nullptr;
  PLAT_SetClientSize(SIM_hDeviceWnd, _Skin.xSize, _Skin.ySize);
  if (SIM_InitHost()) return nullptr;
  SIM_CreateLCDWindow(SIM_hDeviceWnd, xLCD, yLCD, 0);
  int NumRegions = SIM_GetRegions(_Skin.aPixel.data(), _Skin.xSize, _Skin.ySize, SIM_GetTransColor(), _MAX_REGIONS);
  for (int n = 0; n < NumRegions; n++) {
    const SIM_REGION* p = SIM__GetRegion(n);
    SIM__SetWindowRegion(SIM_hDeviceWnd, n, p->x0, p->y0);
  }
  SIM_FreeRegions();
  if (_Keys.IsSet()) {
    _CreateHardkeys(SIM_hDeviceWnd);
    SIM_Hardkeys[0].pfCallback = _CloseKeyCallback;
  }
  return SIM_hDeviceWnd;
}

int SIM_GetHardkeyState(int n) { return (n >= 0 && n < SIM_NUM_HARDKEYS) ? SIM_Hardkeys[n].State : 0; }

HARDKEY_CB* SIM_SetHardkeyCallback(int n, HARDKEY_CB* pfCallback) {
  if (n < 0 || n >= SIM_NUM_HARDKEYS) return nullptr;
  HARDKEY_CB* pfOld = SIM_Hardkeys[n].pfCallback;
  SIM_Hardkeys[n].pfCallback = pfCallback;
  return pfOld;
}

int SIM_SetHardkeyToggle(int n, int Mode) {
  if (n < 0 || n >= SIM_NUM_HARDKEYS) return 0;
  int Old = SIM_Hardkeys[n].Toggle;
  SIM_Hardkeys[n].Toggle = Mode;
  if (SIM_Hardkeys[n].hWin) PLAT_Invalidate(SIM_Hardkeys[n].hWin, 0);
  return Old;
}

int SIM_SetHardkeyState(int n, int State) {
  if (n < 0 || n >= SIM_NUM_HARDKEYS) return 0;
  int Old = SIM_Hardkeys[n].State;
  SIM_Hardkeys[n].State = int8_t(State);
  if (SIM_Hardkeys[n].hWin) PLAT_Invalidate(SIM_Hardkeys[n].hWin, 0);
  return Old;
}

int SIM_GetNumHardkeys(void) { return _NumHardkeys; }
