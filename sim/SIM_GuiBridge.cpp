// The host's calls into the GUI library and the controller application: the hooks the host installs under
// them, the layer information it reads, and the application's entry points it calls.
#include <cstdio>
#include <string>

#include "APP_Hooks.h"
#include "APP_Host.h"
#include "DAT_File.h"
#include "DSG_Design.h"
#include "FUNKTION_Meldung.h"
#include "GUI.h"
#include "LCDSIM.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "UI_Main.h"
#include "UI_Startup.h"

/*********************************************************************
*
*       GUI library
*/
static GUI_TASK_ID _GetTaskId(void) {
  static thread_local char _Tag;
  return GUI_TASK_ID(&_Tag);
}

static void _InitLock(void) { SIM_CreateLock(); }
static U32 _GetTime(void) { return U32(SIM_GetTime()); }

static const GUI_OS_API _OSAPI = {_InitLock, SIM_Lock,     SIM_Unlock, _GetTaskId, SIM_Delay,       _GetTime,
                                  SIM_ErrorOut, SIM_Warn, SIM_Log,    SIM_Idle,   SIM__SignalEvent};

static void _SetOrg(int Layer, int x, int y) { LCDSIM_SetOrg(x, y, Layer); }
static void _SetLUTEntry(int Layer, U8 Pos, GUI_COLOR Color) { LCDSIM_SetLUTEntry(Pos, Color, Layer); }
static void _SetPos(int Layer, int x, int y) { LCDSIM_SetLayerPos(x, y, Layer); }
static void _SetVis(int Layer, int OnOff) { LCDSIM_SetLayerVis(OnOff, Layer); }
static void _SetAlpha(int Layer, int Alpha) { LCDSIM_SetAlpha(Alpha, Layer); }

static const LCD_SIMDRV_HOST_API _DriverAPI = {_SetOrg, _SetLUTEntry, _SetPos, _SetVis, LCDSIM_SetLayerSize,
                                               _SetAlpha, LCDSIM_CopyBuffer, LCDSIM_ShowBuffer};

void SIM__GuiConfigOnce(void) { GUI__ConfigOnce(); }
int SIM__GuiGetNumLayers(void) { return LCD_GetNumLayers(); }
int SIM__GuiHasLayer(int Layer) { return (Layer >= 0 && Layer < GUI_NUM_LAYERS && GUI_DEVICE__GetDriver(Layer)) ? 1 : 0; }

void SIM__GuiGetHeapInfo(int* pNumFreeBytes, int* pNumUsedBytes, int* pNumUsedBlocks) {
  *pNumFreeBytes = GUI_ALLOC_GetNumFreeBytes();
  *pNumUsedBytes = GUI_ALLOC_GetNumUsedBytes();
  *pNumUsedBlocks = GUI_ALLOC_GetNumUsedBlocks();
}

void SIM__GuiGetLayerInfo(int Layer, SIM_LAYER_INFO* pInfo) {
  pInfo->XSize = LCD_GetXSizeEx(Layer);
  pInfo->YSize = LCD_GetYSizeEx(Layer);
  pInfo->VXSize = LCD_GetVXSizeEx(Layer);
  pInfo->VYSize = LCD_GetVYSizeEx(Layer);
  pInfo->XMag = LCD_GetXMagEx(Layer);
  pInfo->YMag = LCD_GetYMagEx(Layer);
  pInfo->BitsPerPixel = LCD_GetBitsPerPixelEx(Layer);
  pInfo->NumColors = int(LCD_GetNumColorsEx(Layer));
}

uint32_t SIM__GuiIndex2Color(int Layer, uint32_t Index) {
  GUI_DEVICE* pDevice = GUI_DEVICE__GetDriver(Layer);
  return pDevice ? pDevice->pColorConvAPI->pfIndex2Color(LCD_PIXELINDEX(Index)) : 0;
}

uint32_t SIM__GuiColor2Index(int Layer, uint32_t Color) {
  GUI_DEVICE* pDevice = GUI_DEVICE__GetDriver(Layer);
  return pDevice ? uint32_t(pDevice->pColorConvAPI->pfColor2Index(Color)) : 0;
}

void SIM__GuiSetBuffer(int Layer, void* pData, int XSize, int YSize, int VXSize, int VYSize, int BytesPerLine,
                       volatile uint32_t* pChangeCnt, int BytesPerPixel) {
  if (!pData) {
    LCD_SIMDRV_SetBuffer(Layer, nullptr);
    return;
  }
  LCD_SIMDRV_BUFFER Buffer;
  Buffer.pData = pData;
  Buffer.XSize = XSize;
  Buffer.YSize = YSize;
  Buffer.VXSize = VXSize;
  Buffer.VYSize = VYSize;
  Buffer.BytesPerLine = BytesPerLine;
  Buffer.pChangeCnt = pChangeCnt;
  Buffer.Storage = BytesPerPixel == 4 ? LCD_SIMDRV_STORAGE_XRGB : LCD_SIMDRV_STORAGE_565;
  Buffer.NumBytes = LCDSIM_FB_SIZE;
  if (BytesPerPixel == 4) LCD_SIMDRV_SetBuffer(Layer, &Buffer);  // palette layers stay with the driver's own
}

/*********************************************************************
*
*       Input
*/
// The mouse state as it is, and the touch state, which has no position while nothing is pressed.
void SIM__GuiStorePointer(int x, int y, int Pressed, int Layer) {
  GUI_POINTER_STATE State = {x, y, U8(Pressed), U8(Layer)};
  GUI_MOUSE_StoreState(&State);
  if (!State.Pressed) State.x = State.y = -1;
  GUI_TOUCH_StoreStateEx(&State);
}

void SIM__GuiStoreKeyMsg(int Key, int Pressed) { GUI_StoreKeyMsg(Key, Pressed); }

/*********************************************************************
*
*       Application
*/
static void _SetStatusLED(uint8_t State) { SIM_SetStatusLED(State); }
static void _Delay(int ms) { SIM_Delay(ms); }
static uint32_t _AppGetTime(void) { return uint32_t(SIM_GetTime()); }

// A file the user dropped or chose and that was not taken, whatever its kind: the log window, "SimError.log" and a
// warning box say which file and why. The loaders check a whole file before they take anything, so nothing was
// changed.
static void _ReportRefused(const char* pKind, const char* pPath, const char* pWhy) {
  std::string Text = std::string(pKind) + " file " + (pPath ? pPath : "") + " refused: " + pWhy +
                     "; nothing was changed.";
  SIM_ErrorOut(Text.c_str());
}

static void _ReportLoadError(int Status, const char* pPath) {
  _ReportRefused("Function data", pPath, DAT_ErrorText(Status));
}

static const char* _LookKind(int Kind) { return Kind == DSG_KIND_DESIGN ? "Design" : "Branding"; }

// A stored design or branding that the start-up refused: said like a refused drop, since the user sees only the
// built-in look and would not know why.
static void _ReportStoredLookFile(int Kind, const char* pPath, const DSG_REPORT* pReport) {
  std::string Text = std::string(_LookKind(Kind)) + " file " + pPath + " refused at start: " + pReport->acText +
                     "; the simulator runs without it.";
  SIM_ErrorOut(Text.c_str());
}

void SIM__GuiInstall(void) {
  static bool s_ModulesInstalled;
  if (!s_ModulesInstalled) {  // message functions can be created, and a tmp.dat holding them is accepted
    FKT_InstallFunctionModules();
    s_ModulesInstalled = true;
  }
  GUI_OS_SetAPI(&_OSAPI);
  LCD_SIMDRV_SetHostAPI(&_DriverAPI);
  APP_HostHooks.pfRefreshInputSim = SIM_RefreshInputSim;
  APP_HostHooks.pfSetStatusLED = _SetStatusLED;
  APP_HostHooks.pfDelay = _Delay;
  APP_HostHooks.pfGetTime = _AppGetTime;
  APP_HostHooks.pfReport = SIM_Notice;
  APP_UiHooks.pfReportLoadError = _ReportLoadError;
  UI_InstallStartup();  // the controller's screens join the main task
  UI_pPointerMoved = &SIM_PointerMoved;
  DSG_pPagesFolder = SIM_PagesFolder;
  DSG_pfStoredRefused = _ReportStoredLookFile;
}

void SIM__AppMainTask(void) {
  snprintf(APP_UserFolder, sizeof(APP_UserFolder), "%s", SIM_UserFolder);
  snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", SIM_HostText);
  APP_CommandLine = SIM_CommandLine;
  APP_WizFlag = SIM_WizFlag;
  APP_MainTask();
}

void SIM__AppClearStop(void) { APP_StopRequested = 0; }
void SIM__AppRequestStop(void) { APP_StopRequested = 1; }
void SIM__AppCleanUp(void) { APP_StopThreads(); }

// The display's place in the device picture of each magnification; other magnifications have no picture.
void SIM__AppConfig(void) {
  SIM_SetConfigFlag();
  if (SIM_Zoom == 1) {
    SIM_SetLCDPos(124, 71);
    SIM_SetTransColor(0xFF0000);
  } else if (SIM_Zoom == 2) {
    SIM_SetLCDPos(247, 141);
    SIM_SetTransColor(0xFF0000);
  } else {
    SIM_SetLCDPos(0, 0);
    SIM_SetTransColor(0xFF0100);
  }
  SIM_SetMag(SIM_Zoom, SIM_Zoom);
}

void SIM__AppSendBack(void) { APP_SendBackMessage(); }

void SIM__AppLoadFunctionData(const char* pPath) { DAT_LoadFunctionDataFile(pPath, 0); }

// A dropped design or branding file: the controller loads and draws it in its own thread and says what it
// loaded, or why it refused the file. A loaded file goes to the log; a refused one, or one loaded but not kept for
// the next start, is reported like a refused function-data file. Before the controller's screens are up nothing
// can be drawn, so nothing is loaded.
static void _ReportLookFile(int Kind, const char* pPath, const DSG_REPORT* pReport) {
  if (pReport->Code != DSG_IMPORT_OK) {
    _ReportRefused(_LookKind(Kind), pPath, pReport->acText);
    return;
  }
  std::string Text = std::string(_LookKind(Kind)) + " file " + pPath + " loaded: " + pReport->acText + ".";
  if (pReport->NotStored) SIM_ErrorOut(Text.c_str());
  else SIM_Log(("\n" + Text).c_str());
}

static void _LoadLookFile(int Kind, const char* pPath) {
  if (!UI_StartupDone) {
    _ReportRefused(_LookKind(Kind), pPath, "the controller is not running");
    return;
  }
  DSG_RequestLoad(Kind, pPath, _ReportLookFile);
}

void SIM__AppLoadDesign(const char* pPath) { _LoadLookFile(DSG_KIND_DESIGN, pPath); }
void SIM__AppLoadBranding(const char* pPath) { _LoadLookFile(DSG_KIND_BRANDING, pPath); }

int SIM__AppCheckPageFile(const char* pPath) {
  DSG_REPORT Report;
  if (DSG_CheckPageFile(pPath, &Report) != DSG_IMPORT_OK) {
    _ReportRefused("Overview page", pPath, Report.acText);
    return 1;
  }
  std::string Text = std::string("\nOverview page file ") + pPath + " loaded: " + Report.acText +
                     "; the overview pages are read from its folder.";
  SIM_Log(Text.c_str());
  return 0;
}

// Only an application that ran through its start-up holds the data it loaded: a start that failed or was
// never made would otherwise replace good function data by empty objects.
void SIM__AppResetStartup(void) { UI_StartupDone = 0; }

int SIM__AppSaveTmpFile(void) {
  if (!UI_StartupDone) return 1;
  return DAT_SaveTmpFile() == DAT_OK ? 0 : -1;
}
