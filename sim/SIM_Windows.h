// The host's windows as the start-up and the other host modules see them. Library-internal.
#pragma once
#include "PLAT_Window.h"

extern PLAT_HWIN SIM_hDeviceWnd;     // the main window: owner of the message boxes
extern PLAT_HWIN SIM_hInputSimWnd;   // the input-simulation window, 0 while closed

enum { SIM_MSG_REFRESH_INPUTS = PLAT_MSG_APP + 1 };  // rows re-read their input descriptors

const char* SIM_GetAppName(void);    // "Q7-Simulator": frame titles
const char* SIM_GetTitle(void);      // "MERIDOX Simulator": message-box captions
const char* SIM_GetAboutText(void);  // the About box's text

// Commands of the menus and accelerators.
enum : uint32_t {
  SIM_ID_ABOUT = 104, SIM_ID_EXIT = 105, SIM_ID_CLIPBOARD = 500, SIM_ID_LAYER0 = 510, SIM_ID_COLORS0 = 520,
  SIM_ID_NOTHING = 530, SIM_ID_PAUSE = 540, SIM_ID_RESUME = 550, SIM_ID_SYSINFO = 560, SIM_ID_LOG = 570,
  SIM_ID_INPUTSIM = 580,
};

// The LCD window of a layer, a child of hParent; its size is the layer's size times the host magnification.
PLAT_HWIN SIM_CreateLCDWindow(PLAT_HWIN hParent, int x, int y, int Layer);

int SIM__CheckFrameBuffer(void);        // 1 when a layer's frame buffer would not fit the mapping
int SIM_InitHost(void);                 // time base and layer set-up; 1 on failure (shown in a box)
PLAT_HWIN SIM_CreateMainFrame(void);    // framed main window with its frames; also runs SIM_InitHost

// Shared by the main frame and the device window.
void SIM__OnCommand(PLAT_HWIN hWin, uint32_t Id);   // menu and accelerator commands
void SIM__UpdateMenu(void);                         // before a menu opens: greys what cannot be chosen
void SIM__UpdateMenuItems(PLAT_HMENU hMenu, int Running, int Suspended, int SysInfoOpen, int NumLayers);
PLAT_HMENU SIM__GetMainMenu(void);
// The LCD windows' message hook: a right click opens the popup menu and chooses the clipboard layer.
int SIM__LCDMouseHook(void* hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam, intptr_t* pResult);
int SIM__QuitWithoutApp(void);                      // 20 ms: quits when the application has ended (1)
void SIM__UpdateTitle(PLAT_HWIN hWin);              // the main frame's 20 ms: the same, and its title shows the state
PLAT_HMENU SIM__GetPopupMenu(void);
void SIM__SetAccelerators(void);                    // F3, F4 and F5 of the host's windows
