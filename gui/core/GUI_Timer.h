// Time, delays and software timers.
//
// Time comes from the host's time hook of the OS hook table (a test installs a clock of its own there);
// it is a millisecond counter that wraps, so times are compared by signed difference.
#pragma once

#include "GUI_Type.h"

typedef I32 GUI_TIMER_TIME;
typedef GUI_HMEM GUI_TIMER_HANDLE;

int GUI_GetTime(void);
void GUI_Delay(int Period); // runs GUI_Exec and sleeps (lock released) until Period ms of GUI time passed

// Software timers. A timer fires once per arming: when its due time has come, GUI_TIMER_Exec takes it off the
// active list and calls its callback; GUI_TIMER_Restart arms it again at now + period. Due timers fire in
// order of their due times (equal times in arming order). A timer armed while GUI_Exec runs (typically by
// its own callback) fires at the earliest in the next GUI_Exec, so a period of 0 cannot keep GUI_Exec busy.
struct GUI_TIMER_MSG {
  GUI_TIMER_TIME Time;  // now
  PTR_ADDR Context;
  GUI_TIMER_HANDLE hTimer;
};
typedef void GUI_TIMER_CALLBACK(GUI_TIMER_MSG* pMsg);

// Timer flags.
#define GUI_TIMER_CF_WINDOW 1 // a window timer of the window manager
#define GUI_TIMER_CF_CURSOR 2

GUI_TIMER_HANDLE GUI_TIMER_Create(GUI_TIMER_CALLBACK* cb, GUI_TIMER_TIME Time, PTR_ADDR Context, U16 Flags);
void GUI_TIMER_Delete(GUI_TIMER_HANDLE hTimer);            // 0 ignored
void GUI_TIMER_Restart(GUI_TIMER_HANDLE hTimer);           // due = now + period
void GUI_TIMER_SetPeriod(GUI_TIMER_HANDLE hTimer, GUI_TIMER_TIME Period);
GUI_TIMER_TIME GUI_TIMER_GetPeriod(GUI_TIMER_HANDLE hTimer); // 0 for handle 0
void GUI_TIMER_SetTime(GUI_TIMER_HANDLE hTimer, GUI_TIMER_TIME Time); // arms it at an absolute due time
void GUI_TIMER_SetDelay(GUI_TIMER_HANDLE hTimer, GUI_TIMER_TIME Delay); // arms it at now + Delay
int GUI_TIMER_GetFlag(GUI_TIMER_HANDLE hTimer, int Mask);  // 1 when flags & mask
int GUI_TIMER_IsActive(GUI_TIMER_HANDLE hTimer);
// Walk every timer (armed or not) in creation order; each gives its context.
GUI_TIMER_HANDLE GUI_TIMER_GetFirst(PTR_ADDR* pContext);
GUI_TIMER_HANDLE GUI_TIMER_GetNext(GUI_TIMER_HANDLE hTimer, PTR_ADDR* pContext);
int GUI_TIMER_Exec(void); // fires the first due timer -> 1 when one fired
void GUI_TIMER__EnterExec(int OnOff); // GUI_Exec brackets its run with it (1 enter, 0 leave)

// Execution: GUI_Exec1 does one step (a due timer, then the window manager's step); GUI_Exec repeats it
// until nothing is left -> 1 when anything was done.
int GUI_Exec(void);
int GUI_Exec1(void);

// Hook of the window manager's execution step (it installs WM_Exec at its start-up): answers 1 when it did
// any work. Null while no window manager runs.
extern int (*GUI__pfExecWM)(void);
