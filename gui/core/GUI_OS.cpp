// Host hooks of the GUI library and their built-in stand-ins.
#include "GUI.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {

std::mutex _Mutex;
std::mutex _EventMutex;
std::condition_variable _Event;
bool _EventSignalled;
std::atomic<GUI_TASK_ID> _NextTaskId{1};
thread_local GUI_TASK_ID _TaskId;

const GUI_OS_API* _pAPI;

void _Lock(void) { _Mutex.lock(); }
void _Unlock(void) { _Mutex.unlock(); }

GUI_TASK_ID _GetTaskId(void) {
  if (_TaskId == 0) {
    _TaskId = _NextTaskId.fetch_add(1);
  }
  return _TaskId;
}

void _Delay(int ms) {
  if (ms > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
}

U32 _GetTime(void) {
  static const auto Start = std::chrono::steady_clock::now();
  auto d = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - Start);
  return (U32)d.count();
}

void _Print(const char* pPrefix, const char* s) { std::fprintf(stderr, "%s%s\n", pPrefix, s ? s : ""); }
void _ErrorOut(const char* s) { _Print("GUI error: ", s); }
void _Warn(const char* s) { _Print("GUI warning: ", s); }
void _LogOut(const char* s) { std::fputs(s ? s : "", stderr); }

void _WaitEvent(void) {
  std::unique_lock<std::mutex> Lock(_EventMutex);
  _Event.wait_for(Lock, std::chrono::milliseconds(1), [] { return _EventSignalled; });
  _EventSignalled = false;
}

void _SignalEvent(void) {
  {
    std::lock_guard<std::mutex> Lock(_EventMutex);
    _EventSignalled = true;
  }
  _Event.notify_all();
}

}  // namespace

void GUI_OS_SetAPI(const GUI_OS_API* pAPI) { _pAPI = pAPI; }
const GUI_OS_API* GUI_OS_GetAPI(void) { return _pAPI; }

void GUI_OS__InitLock(void) {
  if (_pAPI && _pAPI->pfInitLock) {
    _pAPI->pfInitLock();
  }
}

void GUI_OS__Lock(void) {
  if (_pAPI && _pAPI->pfLock) {
    _pAPI->pfLock();
  } else {
    _Lock();
  }
}

void GUI_OS__Unlock(void) {
  if (_pAPI && _pAPI->pfUnlock) {
    _pAPI->pfUnlock();
  } else {
    _Unlock();
  }
}

GUI_TASK_ID GUI_OS_GetTaskId(void) { return (_pAPI && _pAPI->pfGetTaskId) ? _pAPI->pfGetTaskId() : _GetTaskId(); }

void GUI_OS_Delay(int ms) {
  if (_pAPI && _pAPI->pfDelay) {
    _pAPI->pfDelay(ms);
  } else {
    _Delay(ms);
  }
}

U32 GUI_OS_GetTime(void) { return (_pAPI && _pAPI->pfGetTime) ? _pAPI->pfGetTime() : _GetTime(); }

void GUI_OS_ErrorOut(const char* s) {
  if (_pAPI && _pAPI->pfErrorOut) {
    _pAPI->pfErrorOut(s);
  } else {
    _ErrorOut(s);
  }
}

void GUI_OS_Warn(const char* s) {
  if (_pAPI && _pAPI->pfWarn) {
    _pAPI->pfWarn(s);
  } else {
    _Warn(s);
  }
}

void GUI_OS_Log(const char* s) {
  if (_pAPI && _pAPI->pfLog) {
    _pAPI->pfLog(s);
  } else {
    _LogOut(s);
  }
}

void GUI_OS_WaitEvent(void) {
  if (_pAPI && _pAPI->pfWaitEvent) {
    _pAPI->pfWaitEvent();
  } else {
    _WaitEvent();
  }
}

void GUI_OS_SignalEvent(void) {
  if (_pAPI && _pAPI->pfSignalEvent) {
    _pAPI->pfSignalEvent();
  } else {
    _SignalEvent();
  }
}
