// A clock for tests: GUI time is what the test sets; delays advance it instead of sleeping. Install it
// after the library's test set-up; it keeps the host routines that were installed and replaces the clock.
#pragma once

#include "GUI.h"

class TestClock {
public:
  void Install(U32 Start = 0) {
    s_Now = Start;
    m_Api = {};
    if (const GUI_OS_API* pOld = GUI_OS_GetAPI()) m_Api = *pOld;
    m_Api.pfGetTime = [] { return s_Now; };
    m_Api.pfDelay = [](int ms) { s_Now += ms > 0 ? static_cast<U32>(ms) : 0; };
    GUI_OS_SetAPI(&m_Api);
  }
  void Set(U32 t) { s_Now = t; }
  void Advance(int ms) { s_Now += static_cast<U32>(ms); }
  U32 Now() const { return s_Now; }

private:
  static inline U32 s_Now;
  GUI_OS_API m_Api = {};
};
