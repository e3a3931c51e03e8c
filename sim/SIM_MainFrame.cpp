// The framed main window: a frame with the menu bar whose client area holds one LCD frame and one colour frame
// per layer, the composite frame and the log frame, with our logo centred behind them. Its 20 ms timer shows
// the application's state in the title and ends the simulator when the application has ended.
#include <cstdio>
#include <cstring>

#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Frames.h"
#include "SIM_Windows.h"
#include "WM_Hooks.h"

enum { _TIMER_TITLE = 0, _TITLE_MS = 20, _MARGIN_X = 250, _MARGIN_Y = 150, _COLOR_WORKSPACE = 0xABABAB };

static char _acTitle[64];

static const PLAT_ACCEL _aAccel[] = {
    {PLAT_VK_F1 + 2, 0, SIM_ID_NOTHING}, {PLAT_VK_F1 + 3, 0, SIM_ID_PAUSE}, {PLAT_VK_F1 + 4, 0, SIM_ID_RESUME}};

void SIM__SetAccelerators(void) { PLAT_SetAccelerators(_aAccel, int(sizeof(_aAccel) / sizeof(_aAccel[0]))); }

int SIM__QuitWithoutApp(void) {
  if (SIM_IsAppRunning()) return 0;
  PLAT_PostQuit(0);  // the simulator ends with the application
  return 1;
}

void SIM__UpdateTitle(PLAT_HWIN hWin) {
  if (SIM__QuitWithoutApp()) return;
  const char* pState = SIM_IsAppSuspended() ? "(Suspended)" : SIM_IsAppRunning() ? "(Executing)" : "(Terminated)";
  char acTitle[64];
  snprintf(acTitle, sizeof(acTitle), "%s%s", SIM_GetAppName(), pState);
  if (strcmp(acTitle, _acTitle) != 0) {
    snprintf(_acTitle, sizeof(_acTitle), "%s", acTitle);
    PLAT_SetWindowText(hWin, _acTitle);
  }
}

static void _PaintLogo(PLAT_HWIN hWin) {
  PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
  int xLogo, yLogo, xClient, yClient;
  const uint32_t* pLogo = SIM__GetLogo(&xLogo, &yLogo);
  if (!hdc || !pLogo) return;
  PLAT_GetClientSize(hWin, &xClient, &yClient);
  PLAT_DIB Dib = {pLogo, xLogo, yLogo, xLogo * 4, 32, nullptr};
  PLAT_DrawDIB(hdc, (xClient - xLogo) / 2, (yClient - yLogo) / 2, xLogo, yLogo, &Dib, 0, 0, xLogo, yLogo);
  PLAT_EndPaint(hWin, hdc);
}

static intptr_t _WndProcMainFrame(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  SIM_HandleKeyMsg(Msg, wParam);
  switch (Msg) {
  case PLAT_MSG_CREATE:
    _acTitle[0] = 0;
    PLAT_SetTimer(hWin, _TIMER_TITLE, _TITLE_MS);
    return 0;
  case PLAT_MSG_DESTROY:
    PLAT_KillTimer(hWin, _TIMER_TITLE);
    if (SIM_hDeviceWnd == hWin) SIM_hDeviceWnd = nullptr;
    PLAT_PostQuit(0);
    return 0;
  case PLAT_MSG_PAINT:
    _PaintLogo(hWin);
    return 0;
  case PLAT_MSG_COMMAND:
    SIM__OnCommand(hWin, uint32_t(wParam & 0xFFFF));
    return 0;
  case PLAT_MSG_TIMER:
    SIM__UpdateTitle(hWin);
    return 0;
  case PLAT_MSG_INITMENU:
    SIM__UpdateMenu();
    return 0;
  case PLAT_MSG_WHEEL:
    SIM_WheelDelta += int16_t(wParam >> 16) / 120;  // whole notches; the window manager takes them
    return 0;
  default:
    return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

// The window is as large as layer 0's display with room around it; the frames inside may make it grow.
PLAT_HWIN SIM_CreateMainFrame(void) {
  SIM_LAYER_INFO Info;
  SIM__GuiGetLayerInfo(0, &Info);
  int xBorder, yBorder;
  SIM__GetMainFrameBorder(&xBorder, &yBorder);
  int xSize = Info.XSize * Info.XMag + _MARGIN_X - xBorder;
  int ySize = Info.YSize * Info.YMag + _MARGIN_Y - yBorder;
  // The desktop places the first simulator's window; a further one opens at its own offset instead, so that two
  // started at once do not open one exactly over the other.
  int dx, dy;
  SIM_GetWindowShift(&dx, &dy);
  PLAT_CREATE Create = {"GUI Simulation Mainframe", SIM_GetAppName(), _WndProcMainFrame, nullptr,
                        dx ? dx : PLAT_DEFAULT_POS, dy ? dy : PLAT_DEFAULT_POS, xSize, ySize, PLAT_STYLE_FRAME,
                        _COLOR_WORKSPACE, 0};
  SIM_hDeviceWnd = PLAT_CreateWindow(&Create);
  if (!SIM_hDeviceWnd) return nullptr;
  PLAT_SetMenuBar(SIM_hDeviceWnd, SIM__GetMainMenu());
  PLAT_SetClientSize(SIM_hDeviceWnd, xSize, ySize);
  if (SIM_InitHost()) return nullptr;
  for (int Layer = 0; Layer < SIM__GuiGetNumLayers(); Layer++) {
    SIM__CreateLCDFrame(SIM_hDeviceWnd, Layer);
    SIM__CreateColorFrame(SIM_hDeviceWnd, Layer);
  }
  SIM__CreateCompositeFrame(SIM_hDeviceWnd);
  SIM__CreateLogFrame(SIM_hDeviceWnd);
  SIM__ArrangeFrames(SIM_hDeviceWnd);
  return SIM_hDeviceWnd;
}
