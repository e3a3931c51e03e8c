// The host's windows as the start-up and the other host modules see them. Library-internal.
#pragma once
#include "PLAT_Window.h"

extern PLAT_HWIN SIM_hDeviceWnd;     // the main window: owner of the message boxes
extern PLAT_HWIN SIM_hInputSimWnd;   // the input-simulation window, 0 while closed

enum { SIM_MSG_REFRESH_INPUTS = PLAT_MSG_APP + 1 };  // rows re-read their input descriptors

const char* SIM_GetAppName(void);    // "Q7-Simulator": frame titles
const char* SIM_GetTitle(void);      // "MERIDOX Simulator": message-box captions

// The LCD window of a layer, a child of hParent; its size is the layer's size times the host magnification.
PLAT_HWIN SIM_CreateLCDWindow(PLAT_HWIN hParent, int x, int y, int Layer);

int SIM__CheckFrameBuffer(void);        // 1 when a layer's frame buffer would not fit the mapping
int SIM_InitHost(void);                 // time base and layer set-up; 1 on failure (shown in a box)
PLAT_HWIN SIM_CreateMainFrame(void);    // framed main window with the LCD window and the log

// Shared by the main frame and the device window.
void SIM__OnCommand(PLAT_HWIN hWin, uint32_t Id);   // menu and accelerator commands
void SIM__UpdateMenu(void);                         // before a menu opens
void SIM__UpdateTitle(PLAT_HWIN hWin);              // 20 ms: title; quits when the application has ended
PLAT_HMENU SIM__GetPopupMenu(void);
void SIM__SetAccelerators(void);                    // F3, F4 and F5 of the host's windows
// The composite view in a frame of its own, made only when the host configuration set a composite size.
PLAT_HWIN SIM_CreateCompositeFrame(PLAT_HWIN hOwner);
