// Message pop-ups: every active message function that asks for one raises a full-screen pop-up with its kind,
// names, time and four buttons (its three commands and an acknowledge). The pop-ups lie under one parent, which
// orders them by kind, priority and time; only the topmost is painted. A pop-up closes when its message ends or
// when the user acknowledges it.
#pragma once
#include "FKT_Base.h"
#include "UI_MainMessages.h"
#include "WM.h"

extern WM_HWIN UI_hMessageStack;  // the common parent (0 until the first pop-up)

// Opens a pop-up for every active message function waiting for acknowledgement that has none, and orders them
// (the main task's hook, called on every pass of its loop).
void UI_ShowMessages(void);
// The message function a pop-up stands for, null when it has none.
FUNKTION_BASIS_PAR* UI_GetMessageObject(WM_HWIN hPopup);
// Deletes the parent and every pop-up (tests, shutdown).
void UI_DeleteMessageScreens(void);
void UI_InstallMessageScreens(void);

void UI_FunctionScreenCallback(WM_MESSAGE* pMsg);
void UI_FunctionScreenStackCallback(WM_MESSAGE* pMsg);
