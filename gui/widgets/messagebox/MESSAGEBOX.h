// The message box: a frame window with a caption, a text and an OK button, sized to its contents, centred
// on the display and run modally until it is confirmed (OK or Enter: 0) or left with Escape (1).
#pragma once
#include "WIDGET_Type.h"

constexpr int GUI_MESSAGEBOX_CF_MOVEABLE = 1; // the box can be dragged by its frame
constexpr int GUI_MESSAGEBOX_CF_MODAL = 2;    // pointer input reaches only the box while it is open

constexpr int GUI_ID_OK = 1;
constexpr int GUI_ID_MESSAGEBOX_TEXT = 352;

int GUI_MessageBox(const char* pText, const char* pCaption, int Flags);
WM_HWIN GUI_CreateMessageBox(const char* pText, const char* pCaption, int Flags); // created, placed, not run
