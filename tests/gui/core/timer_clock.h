// A clock for tests: GUI time is what the test sets; delays advance it instead of sleeping.
#pragma once

#include "GUI.h"

class TestClock {
public:
  TestClock() {
    s_Now = 0;
    GUI_OS_API Api = {};
    if (const GUI_OS_API* pOld = GUI_OS_GetAPI()) Api = *pOld;
    Api.pfGetTime = [] { return s_Now; };
    Api.pfDelay = [](int ms) { s_Now += ms > 0 ? static_cast<U32>(ms) : 0; };
    m_pOld = GUI_OS_GetAPI();
    m_Api = Api;
    GUI_OS_SetAPI(&m_Api);
    if (!GUI_IsInitialized()) GUI_Init();
  }
  ~TestClock() { GUI_OS_SetAPI(m_pOld); }
  void Set(U32 t) { s_Now = t; }
  void Advance(int ms) { s_Now += static_cast<U32>(ms); }
  U32 Now() const { return s_Now; }

private:
  static inline U32 s_Now;
  GUI_OS_API m_Api;
  const GUI_OS_API* m_pOld;
};
