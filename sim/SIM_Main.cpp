// Start-up and shutdown of the simulator, and its framed main window: the LCD window of layer 0 and the log
// below it, a menu with pause, resume and exit, and a 20 ms timer that shows the application's state in the
// title and ends the simulator when the application has ended.
#include <cstdio>
#include <cstring>
#include <string>

#include "LCDSIM.h"
#include "WM_Hooks.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Device.h"
#include "SIM_Dump.h"
#include "SIM_InputSim.h"
#include "SIM_Log.h"
#include "SIM_Windows.h"

enum {
  _ID_ABOUT = 104, _ID_EXIT = 105, _ID_NOTHING = 530, _ID_PAUSE = 540, _ID_RESUME = 550, _ID_LOG = 570,
  _ID_INPUTSIM = 580, _ID_CLIPBOARD = 500,
  _TIMER_TITLE = 0, _TITLE_MS = 20, _LOG_HEIGHT = 120,
};

const char* SIM_CommandLine = "";
int SIM_Zoom = 1;
int SIM_WizFlag;
char SIM_PagesFolder[512];
PLAT_HWIN SIM_hDeviceWnd;
PLAT_HWIN SIM_hInputSimWnd;

static std::string _CommandLine;
static char _acTitle[64];
static PLAT_HMENU _hMenu;
static PLAT_HMENU _hPopup;
static int _ClipboardLayer;   // the layer last right-clicked
static int _AppLetGo;   // the application thread did not stop in time and still runs

static const PLAT_ACCEL _aAccel[] = {
    {PLAT_VK_F1 + 2, 0, _ID_NOTHING}, {PLAT_VK_F1 + 3, 0, _ID_PAUSE}, {PLAT_VK_F1 + 4, 0, _ID_RESUME}};

const char* SIM_GetAppName(void) { return "Q7-Simulator"; }
const char* SIM_GetTitle(void) { return "MERIDOX Simulator"; }

/*********************************************************************
*
*       Command line
*/
// "Mag" followed by a number sets the zoom (1 to 8, else 1); "Wiz" anywhere sets the start flag.
void SIM__ParseCommandLine(const char* s) {
  if (const char* p = strstr(s, "Mag")) {
    int Zoom;
    if (sscanf(p + 3, "%d", &Zoom) == 1) SIM_Zoom = (Zoom <= 0 || Zoom > 8) ? 1 : Zoom;
  }
  if (strstr(s, "Wiz")) SIM_WizFlag = 1;
}

/*********************************************************************
*
*       Main frame
*/
void SIM__UpdateTitle(PLAT_HWIN hWin) {
  if (!SIM_IsAppRunning()) {
    PLAT_PostQuit(0);  // the simulator ends with the application
    return;
  }
  char acTitle[64];
  snprintf(acTitle, sizeof(acTitle), "%s%s", SIM_GetAppName(), SIM_IsAppSuspended() ? "(Suspended)" : "(Executing)");
  if (strcmp(acTitle, _acTitle) != 0) {
    snprintf(_acTitle, sizeof(_acTitle), "%s", acTitle);
    PLAT_SetWindowText(hWin, _acTitle);
  }
}

void SIM__UpdateMenu(void) {
  PLAT_EnableMenuItem(_hMenu, _ID_PAUSE, SIM_IsAppRunning() && !SIM_IsAppSuspended());
  PLAT_EnableMenuItem(_hMenu, _ID_RESUME, SIM_IsAppRunning() && SIM_IsAppSuspended());
}

static void _ShowAbout(PLAT_HWIN hWin) {
  char acCaption[64], acText[256];
  snprintf(acCaption, sizeof(acCaption), "\xc3\x9c" "ber %s", SIM_GetAppName());
  snprintf(acText, sizeof(acText), "%s\nVersion: %s\n\n%s", SIM_GetTitle(), "1.18",
           "Simulation of the MERIDOX controller on the PC: its menus, functions and inputs as on the device.");
  PLAT_MessageBox(hWin, acText, acCaption, PLAT_BOX_INFO);
}

// A right click on an LCD window opens the popup menu; "Copy to clipboard" then takes that window's layer.
static int _LCDMouseHook(void* hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam, intptr_t* pResult) {
  if (Msg != PLAT_MSG_RIGHTDOWN || SIM_GetPopupDisabled()) return 1;
  _ClipboardLayer = int(PLAT_GetUserData(static_cast<PLAT_HWIN>(hWin)));
  PLAT_ShowPopupMenu(SIM__GetPopupMenu(), SIM_hDeviceWnd);
  *pResult = 0;
  return 0;
}

void SIM__OnCommand(PLAT_HWIN hWin, uint32_t Id) {
  switch (Id) {
  case _ID_PAUSE: SIM_SuspendApp(); break;
  case _ID_RESUME: SIM_ResumeApp(); break;
  case _ID_EXIT: PLAT_DestroyWindow(hWin); break;
  case _ID_INPUTSIM: SIM_OpenInputSim(); break;
  case _ID_CLIPBOARD: SIM_CopyToClipboard(_ClipboardLayer); break;
  case _ID_ABOUT: _ShowAbout(hWin); break;
  default: break;
  }
}

static intptr_t _WndProcMainFrame(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  SIM_HandleKeyMsg(Msg, wParam);
  switch (Msg) {
  case PLAT_MSG_CREATE:
    PLAT_SetTimer(hWin, _TIMER_TITLE, _TITLE_MS);
    return 0;
  case PLAT_MSG_DESTROY:
    PLAT_KillTimer(hWin, _TIMER_TITLE);
    if (SIM_hDeviceWnd == hWin) SIM_hDeviceWnd = nullptr;
    PLAT_PostQuit(0);
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

static PLAT_HMENU _CreateMenu(void) {
  PLAT_HMENU hFile = PLAT_CreateMenu();
  PLAT_AppendMenu(hFile, "Pause Application", _ID_PAUSE, "F4");
  PLAT_AppendMenu(hFile, "Resume Application", _ID_RESUME, "F5");
  PLAT_AppendSeparator(hFile);
  PLAT_AppendMenu(hFile, "&View Input Simulation", _ID_INPUTSIM, nullptr);
  PLAT_AppendSeparator(hFile);
  PLAT_AppendMenu(hFile, "E&xit", _ID_EXIT, "ALT-F4");
  PLAT_AppendMenu(hFile, "Copy to clipboard", _ID_CLIPBOARD, nullptr);
  PLAT_HMENU hHelp = PLAT_CreateMenu();
  PLAT_AppendMenu(hHelp, "&About ...", _ID_ABOUT, nullptr);
  PLAT_HMENU hBar = PLAT_CreateMenu();
  PLAT_AppendSubMenu(hBar, "&File", hFile);
  PLAT_AppendSubMenu(hBar, "&Help", hHelp);
  return hBar;
}

// The popup menu of the device window and the LCD window.
PLAT_HMENU SIM__GetPopupMenu(void) {
  if (!_hPopup) {
    _hPopup = PLAT_CreateMenu();
    PLAT_AppendMenu(_hPopup, "Eingangs-Simulation ...", _ID_INPUTSIM, nullptr);
    PLAT_AppendMenu(_hPopup, "In Zwischenablage kopieren", _ID_CLIPBOARD, nullptr);
    PLAT_AppendMenu(_hPopup, "\xc3\x9c" "ber ...", _ID_ABOUT, nullptr);
    PLAT_AppendSeparator(_hPopup);
    PLAT_AppendMenu(_hPopup, "Beenden", _ID_EXIT, "ALT-F4");
  }
  return _hPopup;
}

int SIM_InitHost(void) {
  SIM_InitTime();
  if (const char* pError = LCDSIM_Init()) {
    PLAT_MessageBox(SIM_hDeviceWnd, pError, SIM_GetTitle(), PLAT_BOX_WARNING);
    return 1;
  }
  // The application's configuration ran before the header existed: its composite settings go there now.
  int xSize, ySize;
  SIM_GetCompositeSize(&xSize, &ySize);
  LCDSIM_SetCompositeSize(xSize, ySize);
  LCDSIM_SetCompositeColor(SIM_GetCompositeColor());
  return 0;
}

PLAT_HWIN SIM_CreateMainFrame(void) {
  SIM_LAYER_INFO Info;
  SIM__GuiGetLayerInfo(0, &Info);
  int xSize = Info.XSize * Info.XMag * SIM_GetXMag();
  int ySize = Info.YSize * Info.YMag * SIM_GetYMag();
  PLAT_CREATE Create = {"GUI Simulation Mainframe", SIM_GetAppName(), _WndProcMainFrame, nullptr, PLAT_DEFAULT_POS,
                        PLAT_DEFAULT_POS, xSize, ySize + _LOG_HEIGHT, PLAT_STYLE_FRAME, 0xD4D0C8, 0};
  SIM_hDeviceWnd = PLAT_CreateWindow(&Create);
  if (!SIM_hDeviceWnd) return nullptr;
  if (!_hMenu) _hMenu = _CreateMenu();
  PLAT_SetMenuBar(SIM_hDeviceWnd, _hMenu);
  PLAT_SetClientSize(SIM_hDeviceWnd, xSize, ySize + _LOG_HEIGHT);
  if (SIM_InitHost()) return nullptr;
  SIM_CreateLCDWindow(SIM_hDeviceWnd, 0, 0, 0);
  LOG_Create(SIM_hDeviceWnd, 0, ySize, xSize, _LOG_HEIGHT);
  SIM_CreateCompositeFrame(SIM_hDeviceWnd);
  return SIM_hDeviceWnd;
}

void SIM__SetAccelerators(void) { PLAT_SetAccelerators(_aAccel, int(sizeof(_aAccel) / sizeof(_aAccel[0]))); }

static int _RunWindows(void) {
  if (*SIM_CommandLine) SIM_SetErrorBox(0);  // started with words: errors go to the log and the file only
  SIM__SetAccelerators();
  SIM__AppResetStartup();
  int Mode = SIM_GetDeviceMode();
  int UseDevice = Mode == 1 || (Mode == 0 && SIM__GuiGetNumLayers() == 1);
  if (!(UseDevice ? SIM_CreateDeviceWindow() : SIM_CreateMainFrame())) {
    LCDSIM_Exit();
    return 1;
  }
  if (SIM_MAINWINDOW_HOOK* pfHook = SIM_GetMainWindowHook()) {
    SIM_MAINWINDOW_INFO Info = {SIM_hDeviceWnd, {nullptr, nullptr, nullptr}};
    pfHook(&Info);
  }
  SIM_StartApp();
  PLAT_ShowWindow(SIM_hDeviceWnd, 1);
  int r = PLAT_RunLoop();
  _AppLetGo = SIM_StopApp();
  if (SIM_hDeviceWnd) PLAT_DestroyWindow(SIM_hDeviceWnd);
  SIM__FreeDevicePictures();
  LCDSIM_Exit();
  return r;
}

// Refuses a display whose frame buffer does not fit the mapping. The buffer holds the virtual area, so that is
// what must fit, not only the visible part.
long long SIM__GetLayerBufferSize(const SIM_LAYER_INFO* pInfo) {
  long long xSize = pInfo->VXSize > pInfo->XSize ? pInfo->VXSize : pInfo->XSize;
  long long ySize = pInfo->VYSize > pInfo->YSize ? pInfo->VYSize : pInfo->YSize;
  long long Line = pInfo->BitsPerPixel <= 8 ? (xSize + 3) & ~3LL : xSize * 4;
  return Line * ySize;
}

int SIM__CheckFrameBuffer(void) {
  for (int Layer = SIM__GuiGetNumLayers() - 1; Layer >= 0; Layer--) {
    SIM_LAYER_INFO Info;
    SIM__GuiGetLayerInfo(Layer, &Info);
    if (SIM__GetLayerBufferSize(&Info) > LCDSIM_FB_SIZE) return 1;
  }
  return 0;
}

int SIM_Main(int argc, char** argv) {
  PLAT_Init(&argc, argv);
  _CommandLine.clear();
  for (int i = 1; i < argc; i++) {
    if (i > 1) _CommandLine += ' ';
    _CommandLine += argv[i];
  }
  SIM_CommandLine = _CommandLine.c_str();
  SIM_SetDelayHook(SIM__DelayHook);
  SIM_SetIdleHook(SIM__IdleHook);
  SIM_SetLCDMsgHook(_LCDMouseHook);
  SIM__GuiInstall();
  int r = LCDSIM_PreInit();
  if (r) {
    PLAT_MessageBox(nullptr,
                    r == 1 ? "Every simulated display is in use by other simulators.\n"
                             "Close one of them and start again."
                           : "The simulated display could not be created.",
                    SIM_GetTitle(), PLAT_BOX_WARNING);
    return 1;
  }
  if (SIM__CheckFrameBuffer()) {
    PLAT_MessageBox(nullptr, "Frame buffer exceeds current limits of the simulation!", SIM_GetTitle(),
                    PLAT_BOX_WARNING);
    LCDSIM_Exit();
    return 1;
  }
  SIM_InitFolders();
  SIM__ParseCommandLine(SIM_CommandLine);
  SIM_LoadInputSim(SIM_UserFolder);
  SIM__AppConfig();
  if (SIM_GetTransColor() == 0xFF000000) SIM_SetTransColor(0xFF0000);
  _AppLetGo = 0;
  r = _RunWindows();
  // Function data is saved from a stopped application only: one still running could be changing it.
  if (!_AppLetGo) SIM__AppSaveTmpFile();
  SIM_SaveInputSim(SIM_UserFolder);
  SIM_CloseErrorLog();
  return r;
}
