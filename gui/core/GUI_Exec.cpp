// GUI_Exec: runs due timers and the window manager's work until nothing is left.
#include "GUI.h"

int (*GUI__pfExecWM)(void);

int GUI_Exec1(void) {
  int r = GUI_TIMER_Exec();
  if (GUI__pfExecWM && GUI__pfExecWM()) r = 1;
  return r;
}

int GUI_Exec(void) {
  GUI_TIMER__EnterExec(1);
  int r = 0;
  while (GUI_Exec1()) r = 1;
  GUI_TIMER__EnterExec(0);
  return r;
}
