// Scripted input for modal loops: each time a modal loop would wait for an event, the next step of the
// script runs (a key stroke, a pointer event, a clock step). A loop that outlives its script gets Escape
// and then key 0, so a faulty loop ends the test instead of hanging it.
#pragma once
#include <deque>
#include <functional>

#include "GUI.h"

namespace modalscript {

inline std::deque<std::function<void()>> Steps;
inline int Extra;

inline void _Wait(void) {
  if (!Steps.empty()) {
    auto f = Steps.front();
    Steps.pop_front();
    f();
    return;
  }
  GUI_StoreKeyMsg(++Extra == 1 ? GUI_KEY_ESCAPE : 0, 1);
}

// Installs the script behind GUI_OS_WaitEvent (keeps the other host routines).
class Script {
public:
  Script() {
    Steps.clear();
    Extra = 0;
    GUI_ClearKeyBuffer(); // what an earlier loop left unread does not reach this one
    m_pOld = GUI_OS_GetAPI();
    if (m_pOld) {
      m_Api = *m_pOld;
    }
    m_Api.pfWaitEvent = _Wait;
    GUI_OS_SetAPI(&m_Api);
  }
  ~Script() {
    GUI_OS_SetAPI(m_pOld);
    Steps.clear();
  }
  Script& Key(int k) {
    Steps.push_back([k] {
      GUI_StoreKeyMsg(k, 1);
      GUI_StoreKeyMsg(k, 0);
    });
    return *this;
  }
  Script& Keys(const char* s) {
    for (; *s; ++s) {
      Key((unsigned char)*s);
    }
    return *this;
  }
  Script& Do(std::function<void()> f) {
    Steps.push_back(std::move(f));
    return *this;
  }

private:
  GUI_OS_API m_Api = {};
  const GUI_OS_API* m_pOld = nullptr;
};

} // namespace modalscript
