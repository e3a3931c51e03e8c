// Window timers: one-shot GUI timers that deliver WM_TIMER to a window. A window that wants periodic
// messages restarts its timer from its WM_TIMER handling. Deleting a window deletes its timers.
#pragma once
#include "WM.h"

typedef GUI_HMEM WM_HTIMER;

// WM_TIMER carries the WM_HTIMER in Data.v. Mode is accepted for callers that pass one and is not used.
WM_HTIMER WM_CreateTimer(WM_HWIN hWin, int UserId, int Period, int Mode = 0);
void WM_DeleteTimer(WM_HTIMER hTimer);
void WM_RestartTimer(WM_HTIMER hTimer, int Period); // Period 0 keeps the current period
int WM_GetTimerId(WM_HTIMER hTimer);
void WM__DeleteWindowTimers(WM_HWIN hWin);
