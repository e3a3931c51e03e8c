// The menus of the host: the main frame's menu bar and the popup menu of the device window and the LCD windows,
// their greying before they open, and the commands they and the accelerators send.
#include <cstdio>

#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Dump.h"
#include "SIM_Frames.h"
#include "SIM_InputSim.h"
#include "SIM_Windows.h"

static PLAT_HMENU _hMenu;
static PLAT_HMENU _hPopup;
static int _ClipboardLayer;   // the layer last right-clicked

static PLAT_HMENU _CreateLayerMenu(uint32_t FirstId) {
  PLAT_HMENU hMenu = PLAT_CreateMenu();
  for (int i = 0; i < SIM_NUM_LAYER_ITEMS; i++) {
    char acText[16];
    snprintf(acText, sizeof(acText), "Layer &%d", i);
    PLAT_AppendMenu(hMenu, acText, FirstId + uint32_t(i), nullptr);
  }
  return hMenu;
}

PLAT_HMENU SIM__GetMainMenu(void) {
  if (_hMenu) return _hMenu;
  PLAT_HMENU hFile = PLAT_CreateMenu();
  PLAT_AppendMenu(hFile, "Pause Application", SIM_ID_PAUSE, "F4");
  PLAT_AppendMenu(hFile, "Resume Application", SIM_ID_RESUME, "F5");
  PLAT_AppendSeparator(hFile);
  PLAT_AppendMenu(hFile, "&View Input Simulation", SIM_ID_INPUTSIM, nullptr);
  PLAT_AppendMenu(hFile, "E&xit", SIM_ID_EXIT, "ALT-F4");
  PLAT_AppendMenu(hFile, "Copy to clipboard", SIM_ID_CLIPBOARD, nullptr);
  PLAT_HMENU hView = PLAT_CreateMenu();
  PLAT_AppendSubMenu(hView, "&Layer", _CreateLayerMenu(SIM_ID_LAYER0));
  PLAT_AppendSubMenu(hView, "&Colors", _CreateLayerMenu(SIM_ID_COLORS0));
  PLAT_AppendMenu(hView, "Log", SIM_ID_LOG, nullptr);
  PLAT_HMENU hHelp = PLAT_CreateMenu();
  PLAT_AppendMenu(hHelp, "&About ...", SIM_ID_ABOUT, nullptr);
  _hMenu = PLAT_CreateMenu();
  PLAT_AppendSubMenu(_hMenu, "&File", hFile);
  PLAT_AppendSubMenu(_hMenu, "&View", hView);
  PLAT_AppendSubMenu(_hMenu, "&Help", hHelp);
  return _hMenu;
}

PLAT_HMENU SIM__GetPopupMenu(void) {
  if (!_hPopup) {
    _hPopup = PLAT_CreateMenu();
    PLAT_AppendMenu(_hPopup, "Eingangs-Simulation ...", SIM_ID_INPUTSIM, nullptr);
    PLAT_AppendMenu(_hPopup, "In Zwischenablage kopieren", SIM_ID_CLIPBOARD, nullptr);
    PLAT_AppendMenu(_hPopup, "\xc3\x9c" "ber ...", SIM_ID_ABOUT, nullptr);
    PLAT_AppendSeparator(_hPopup);
    PLAT_AppendMenu(_hPopup, "Beenden", SIM_ID_EXIT, "ALT-F4");
  }
  return _hPopup;
}

void SIM__UpdateMenuItems(PLAT_HMENU hMenu, int Running, int Suspended, int SysInfoOpen, int NumLayers) {
  PLAT_EnableMenuItem(hMenu, SIM_ID_PAUSE, Running && !Suspended);
  PLAT_EnableMenuItem(hMenu, SIM_ID_RESUME, Running && Suspended);
  PLAT_EnableMenuItem(hMenu, SIM_ID_INPUTSIM, !SysInfoOpen);
  PLAT_EnableMenuItem(hMenu, SIM_ID_LAYER0, NumLayers > 0);
  PLAT_EnableMenuItem(hMenu, SIM_ID_COLORS0, NumLayers > 0);
}

void SIM__UpdateMenu(void) {
  int Running = SIM_IsAppRunning(), Suspended = SIM_IsAppSuspended();
  int SysInfoOpen = PLAT_FindWindow(SIM_CLASS_SYSINFO, nullptr) != nullptr;
  int NumLayers = SIM__GuiGetNumLayers();
  if (_hMenu) SIM__UpdateMenuItems(_hMenu, Running, Suspended, SysInfoOpen, NumLayers);
  if (_hPopup) SIM__UpdateMenuItems(_hPopup, Running, Suspended, SysInfoOpen, NumLayers);
}

// A right click on an LCD window opens the popup menu; "Copy to clipboard" then takes that window's layer.
int SIM__LCDMouseHook(void* hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam, intptr_t* pResult) {
  if (Msg != PLAT_MSG_RIGHTDOWN || SIM_GetPopupDisabled()) return 1;
  _ClipboardLayer = int(PLAT_GetUserData(static_cast<PLAT_HWIN>(hWin)));
  PLAT_ShowPopupMenu(SIM__GetPopupMenu(), SIM_hDeviceWnd);
  *pResult = 0;
  return 0;
}

void SIM__OnCommand(PLAT_HWIN hWin, uint32_t Id) {
  if (Id >= SIM_ID_LAYER0 && Id < SIM_ID_LAYER0 + uint32_t(SIM_NUM_LAYER_ITEMS)) {
    if (PLAT_HWIN hFrame = SIM__CreateLCDFrame(SIM_hDeviceWnd, int(Id - SIM_ID_LAYER0))) SIM__FitFrame(hFrame);
    return;
  }
  if (Id >= SIM_ID_COLORS0 && Id < SIM_ID_COLORS0 + uint32_t(SIM_NUM_LAYER_ITEMS)) {
    if (PLAT_HWIN hFrame = SIM__CreateColorFrame(SIM_hDeviceWnd, int(Id - SIM_ID_COLORS0))) SIM__FitFrame(hFrame);
    return;
  }
  switch (Id) {
  case SIM_ID_PAUSE: SIM_SuspendApp(); break;
  case SIM_ID_RESUME: SIM_ResumeApp(); break;
  case SIM_ID_EXIT: PLAT_DestroyWindow(hWin); break;
  case SIM_ID_INPUTSIM: SIM_OpenInputSim(); break;
  case SIM_ID_CLIPBOARD: SIM_CopyToClipboard(_ClipboardLayer); break;
  case SIM_ID_ABOUT: SIM__ShowAbout(SIM_hDeviceWnd); break;
  case SIM_ID_LOG: SIM__CreateLogFrame(SIM_hDeviceWnd); break;
  case SIM_ID_SYSINFO: SIM__CreateSysInfo(); break;
  default: break;   // SIM_ID_NOTHING (F3) among them
  }
}
