// Start-up and shutdown of the simulator: the command line, the display, the folders (and this simulator's claim on
// the per-user folder) and the saved inputs, the choice between the device window and the framed main window,
// the message loop, and what is saved at exit.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "LCDSIM.h"
#include "PATH.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Device.h"
#include "SIM_Frames.h"
#include "SIM_InputSim.h"
#include "SIM_Windows.h"

const char* SIM_CommandLine = "";
int SIM_Zoom = 1;
int SIM_WizFlag;
char SIM_PagesFolder[512];
PLAT_HWIN SIM_hDeviceWnd;
PLAT_HWIN SIM_hInputSimWnd;

static std::string _CommandLine;
static int _AppLetGo;   // the application thread did not stop in time and still runs

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

static int _RunWindows(void) {
  if (*SIM_CommandLine) SIM_SetErrorBox(0);  // started with words: errors go to the log and the file only
  SIM__SetAccelerators();
  int xLogo, yLogo;
  if (const uint32_t* pLogo = SIM__GetLogo(&xLogo, &yLogo)) {
    PLAT_DIB Icon = {pLogo, xLogo, yLogo, xLogo * 4, 32, nullptr};
    PLAT_SetAppIcon(&Icon);
  }
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
  SIM__FreeLogo();
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

int SIM_InitDisplay(void) {
  int r = LCDSIM_PreInit();
  if (r == 0) return 0;
  PLAT_MessageBox(nullptr,
                  r == 1 ? "Every simulated display is in use by other simulators.\n"
                           "Close one of them and start again."
                         : "The simulated display could not be created.",
                  SIM_GetTitle(), PLAT_BOX_WARNING);
  return 1;
}

// Function data is saved from a stopped application only: one still running could be changing it. A file that
// cannot be written keeps what it held; the user is told before the simulator is gone, since the changes of this
// run to that file are lost.
static void _SaveAtExit(void) {
  char acPath[600];
  std::string Lost;
  if (!_AppLetGo && SIM__AppSaveTmpFile() < 0 && PATH_Join(SIM_UserFolder, "tmp.dat", acPath, sizeof(acPath))) {
    Lost += std::string("\n\"") + acPath + "\" (function data";
    if (const char* pLog = SIM_GetErrorLogFile()) Lost += std::string("; the log file \"") + pLog + "\" says why";
    Lost += ")";
  }
  if (SIM_SaveInputSim(SIM_UserFolder)) {
    int Error = errno;
    if (PATH_Join(SIM_UserFolder, "Info1.sim", acPath, sizeof(acPath))) {
      Lost += std::string("\n\"") + acPath + "\" (input simulation: " + strerror(Error) + ")";
    }
  }
  if (Lost.empty()) return;
  std::string Text = "Saving at exit failed. These files keep what they held before, and what this run changed in "
                     "them is lost:" + Lost;
  SIM_ErrorOut(Text.c_str());
  PLAT_ProcessEvents();  // the message loop has ended: its box is shown now
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
  SIM_SetLCDMsgHook(SIM__LCDMouseHook);
  SIM__GuiInstall();
  if (SIM_InitDisplay()) return 1;
  if (SIM__CheckFrameBuffer()) {
    PLAT_MessageBox(nullptr, "Frame buffer exceeds current limits of the simulation!", SIM_GetTitle(),
                    PLAT_BOX_WARNING);
    LCDSIM_Exit();
    return 1;
  }
  SIM_InitFolders();
  int Claim = SIM_ClaimUserFolder();
  SIM__ParseCommandLine(SIM_CommandLine);
  SIM_LoadInputSim(SIM_UserFolder);
  SIM__AppConfig();
  if (SIM_GetTransColor() == 0xFF000000) SIM_SetTransColor(0xFF0000);
  _AppLetGo = 0;
  int r = _RunWindows();
  if (Claim >= 0) _SaveAtExit();
  SIM_ReleaseUserFolder();
  SIM_CloseErrorLog();
  return r;
}
