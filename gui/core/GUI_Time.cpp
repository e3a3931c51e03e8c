// GUI time and delays, through the host's clock and delay hooks.
#include "GUI.h"

int GUI_GetTime(void) { return static_cast<int>(GUI_OS_GetTime()); }

namespace {

// Milliseconds from now to End on the wrapping clock.
int _Left(U32 End) { return static_cast<int>(End - GUI_OS_GetTime()); }

} // namespace

void GUI_Delay(int Period) {
  U32 End = GUI_OS_GetTime() + static_cast<U32>(Period);
  while (_Left(End) > 0) {
    if (GUI_Exec()) continue; // work first; the time it took counts
    int Left = _Left(End);
    if (Left > 0) GUI__SleepUnlocked(Left < 5 ? Left : 5);
  }
}
