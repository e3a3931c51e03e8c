// The screens' part of the controller's start-up: the routines that the main task calls through APP_UiHooks.
#pragma once

// Installs the screens into APP_UiHooks (the host calls it before the application thread starts).
void UI_InstallStartup(void);

// The hooks, callable alone by tests.
void UI_InitGui(void);           // GUI library, window manager, memory devices, motion
void UI_LoadDesign(void);        // design, branding and the prerendered images
void UI_CreateMainScreen(void);  // create flags 4 (banded painting), fling period 1000 ms, the main windows
void UI_ExecGui(void);           // one pass of the GUI loop, then a short wait
void UI_SendBack(void);          // the back message, as from the back side button
// Switches the screens to a language: the texts are built anew, the shown page is read again at its scroll
// position and every window is painted again. 1 (and nothing changes) for an unknown language.
int UI_SetLanguage(int Language);
// The main task's text build (APP_UiHooks.pfBuildTexts): TXT_BuildTexts, then the same showing of the new texts.
void UI_BuildTexts(int Language);
