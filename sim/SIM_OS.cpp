// The application thread and the task threads, the sleeps through which they are paused and stopped, the host
// clock and the host lock under the GUI library's lock.
//
// Threads are never killed or frozen from outside: a stop or a pause takes effect when a host thread next passes
// the delay or idle hook while it holds no lock. Leaving is done by unwinding to the thread's routine.
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "PLAT_Thread.h"
#include "PLAT_Window.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Log.h"

namespace {
struct HOST_THREAD {
  PLAT_HTHREAD hThread = nullptr;
  std::atomic<bool> Stop{false};  // stays set for a thread that was let go
  bool LetGo = false;             // the thread frees this record when it ends
  bool IsApp = false;
  void (*pfRoutine)(void) = nullptr;
};
struct THREAD_EXIT {};            // thrown by a sleep step to leave the thread; not an error
}  // namespace

enum { _MAX_TASKS = 100, _STOP_STEPS = 20, _STEP_MS = 10 };

static thread_local HOST_THREAD* _pSelf;

// Never destroyed: further tasks run until the process ends and may still wait on them while statics are torn down.
static std::mutex& _Mutex = *new std::mutex;  // guards the pause and wakes sleepers
static std::condition_variable& _Wake = *new std::condition_variable;
static std::atomic<HOST_THREAD*> _pApp; // cleared by the thread itself when it leaves
static HOST_THREAD* _pAppRec;           // kept until reaped by the main thread
static std::atomic<int> _SuspendCnt;
static std::atomic<bool> _StopFlag;
static std::atomic<int> _NumPaused;     // host threads waiting in a pause
static std::atomic<int> _NumLetGo;      // application threads let go that still run
static bool _EventSignalled;            // a GUI event arrived: an idle step ends early
static HOST_THREAD* _apTask[_MAX_TASKS];
static int _NumTasks;
static void (*_pfAppTask)(void) = SIM__AppMainTask;

// Hooks are read by threads that may outlive the caller's interest in them (a thread let go): atomics.
static std::atomic<void (*)(void)> _pfStepWait;  // replaces the 10 ms wait of a step (tests count the steps)
static std::atomic<SIM_DELAY_HOOK*> _pfDelayHook;
static std::atomic<SIM_IDLE_HOOK*> _pfIdleHook;
static std::atomic<int> _TimeFactor{1};
static std::atomic<uint32_t> _TimeBase;

static PLAT_HMUTEX _hLock;
static std::atomic<int> _LockNest;
static thread_local int _LockHeld;

/*********************************************************************
*
*       Time
*/
// Tests swap the clock while task threads that an earlier test left running still read it.
static std::atomic<uint32_t (*)(void)> _pfClock{PLAT_GetTickMs};

void SIM__SetClock(uint32_t (*pfClock)(void)) {
  _pfClock = pfClock ? pfClock : PLAT_GetTickMs;
  SIM_InitTime();
}

void SIM_InitTime(void) { _TimeBase = _pfClock.load()(); }

int SIM_GetTime(void) {
  return int32_t((_pfClock.load()() - _TimeBase) * uint32_t(_TimeFactor.load()));
}

int SIM_SetTimeFactor(int Factor) {
  if (Factor > 0) _TimeFactor = Factor;
  return _TimeFactor;
}

int SIM_GetTimeFactor(void) { return _TimeFactor; }

/*********************************************************************
*
*       Sleeping
*/
static bool _MustStop(void) {
  return _pSelf && (_StopFlag || _pSelf->Stop) && !_LockHeld;
}

// One 10 ms step of a host thread: leaves the thread when a stop is asked, waits while paused, sleeps. An idle
// step also ends when a GUI event (a key, a pointer state) is signalled.
static void _Step(bool Idle) {
  std::unique_lock<std::mutex> Lock(_Mutex);
  if (_MustStop()) throw THREAD_EXIT{};
  if (_pSelf && _SuspendCnt > 0 && !_LockHeld) {
    _NumPaused++;
    _Wake.wait(Lock, [] { return _SuspendCnt == 0 || _MustStop(); });
    _NumPaused--;
  }
  if (_MustStop()) throw THREAD_EXIT{};
  if (void (*pfWait)(void) = _pfStepWait) {
    Lock.unlock();
    pfWait();
    Lock.lock();
  } else {
    auto Done = [Idle] { return _MustStop() || (Idle && _EventSignalled); };
    _Wake.wait_for(Lock, std::chrono::milliseconds(_STEP_MS), Done);
    if (Idle) _EventSignalled = false;
  }
  if (_MustStop()) throw THREAD_EXIT{};
}

void SIM__SetStepWait(void (*pfWait)(void)) { _pfStepWait = pfWait; }
int SIM__GetNumPaused(void) { return _NumPaused; }
int SIM__GetNumLetGo(void) { return _NumLetGo; }

static void _AppSleep(int ms, bool Idle) {
  for (int t = ms; t > 0; t -= _STEP_MS) _Step(Idle);
}

int SIM__DelayHook(int ms) {
  _AppSleep(ms, false);
  return SIM_GetTime();
}

void SIM__IdleHook(void) { _AppSleep(1, true); }

void SIM__SignalEvent(void) {
  std::lock_guard<std::mutex> Lock(_Mutex);
  _EventSignalled = true;
  _Wake.notify_all();
}

void SIM_SetDelayHook(SIM_DELAY_HOOK* pfHook) { _pfDelayHook = pfHook; }
void SIM_SetIdleHook(SIM_IDLE_HOOK* pfHook) { _pfIdleHook = pfHook; }

void SIM_Delay(int ms) {
  int t = ms / _TimeFactor;
  if (SIM_DELAY_HOOK* pf = _pfDelayHook) pf(t);
  else PLAT_Sleep(t);
}

void SIM_DelayMs(int ms) { SIM_Delay(ms); }

void SIM_Idle(void) {
  if (SIM_IDLE_HOOK* pf = _pfIdleHook) pf();
  else PLAT_Sleep(1);
}

/*********************************************************************
*
*       Threads
*/
static void _AppThreadProc(void* p) {
  HOST_THREAD* pRec = static_cast<HOST_THREAD*>(p);
  _pSelf = pRec;
  try {
    pRec->pfRoutine();  // the task it was started with, whatever is set for the next start
    SIM_Log("\nApplication terminated.");
  } catch (const THREAD_EXIT&) {
    // Left at a sleep: the application's own threads are ended here, so that what is saved at exit is
    // consistent.
    try {
      if (pRec->pfRoutine == SIM__AppMainTask) SIM__AppCleanUp();
    } catch (const THREAD_EXIT&) {
    }
  }
  std::lock_guard<std::mutex> Lock(_Mutex);
  HOST_THREAD* pExpected = pRec;
  _pApp.compare_exchange_strong(pExpected, nullptr);
  if (pRec->LetGo) {
    _NumLetGo--;
    delete pRec;
  }
}

static void _TaskThreadProc(void* p) {
  HOST_THREAD* pRec = static_cast<HOST_THREAD*>(p);
  _pSelf = pRec;
  try {
    pRec->pfRoutine();
  } catch (const THREAD_EXIT&) {
  }
}

// Joins an application thread that has ended. The thread clears _pApp under the mutex and still reads its record
// there, so the record is taken under the mutex too, never freed under the thread's feet.
static void _ReapApp(void) {
  HOST_THREAD* pRec;
  {
    std::lock_guard<std::mutex> Lock(_Mutex);
    if (!_pAppRec || _pApp) return;
    pRec = _pAppRec;
    _pAppRec = nullptr;
  }
  PLAT_CloseThread(pRec->hThread);
  delete pRec;
}

void SIM_SetAppTask(void (*pfTask)(void)) { _pfAppTask = pfTask ? pfTask : SIM__AppMainTask; }

void SIM_StartApp(void) {
  LOG_Clear();
  SIM_Log("Application started");
  SIM_StopApp();
  HOST_THREAD* pRec = new HOST_THREAD;
  pRec->IsApp = true;
  _SuspendCnt = 0;
  pRec->pfRoutine = _pfAppTask;
  if (_pfAppTask == SIM__AppMainTask) SIM__AppClearStop();
  _pAppRec = pRec;
  _pApp = pRec;
  pRec->hThread = PLAT_CreateThread(_AppThreadProc, pRec, 0);
}

int SIM_StopApp(void) {
  int r = 0;
  if (_pApp && _pfAppTask == SIM__AppMainTask) SIM__AppRequestStop();
  {
    std::lock_guard<std::mutex> Lock(_Mutex);
    _StopFlag = true;
    _Wake.notify_all();
  }
  if (_pAppRec) {
    for (int i = 0; i < _STOP_STEPS && _pApp; i++) PLAT_WaitThread(_pAppRec->hThread, _STEP_MS);
    std::unique_lock<std::mutex> Lock(_Mutex);
    if (_pApp) {
      // It did not pass a sleep step in time. It cannot be killed safely, so it is let go: it leaves at its next
      // step without a lock, and is otherwise ended with the process.
      HOST_THREAD* pRec = _pAppRec;
      pRec->Stop = true;
      pRec->LetGo = true;
      _NumLetGo++;
      _pApp = nullptr;
      _pAppRec = nullptr;
      PLAT_HTHREAD hThread = pRec->hThread;
      Lock.unlock();
      PLAT_CloseThread(hThread);
      r = 1;
    } else {
      Lock.unlock();
      _ReapApp();
    }
  }
  std::lock_guard<std::mutex> Lock(_Mutex);
  _StopFlag = false;
  _SuspendCnt = 0;
  return r;
}

int SIM_IsAppRunning(void) {
  if (!_pApp) _ReapApp();
  return _pApp ? 1 : 0;
}

int SIM_IsAppSuspended(void) { return _SuspendCnt != 0; }

void SIM_SuspendApp(void) {
  SIM_Log("\nApplication suspended");
  if (_SuspendCnt != 0 || !_pApp) {
    PLAT_Beep();
    return;
  }
  std::lock_guard<std::mutex> Lock(_Mutex);
  _SuspendCnt = _SuspendCnt + 1;
}

void SIM_ResumeApp(void) {
  SIM_Log("\nApplication continued");
  if (_SuspendCnt == 0 || !_pApp) {
    PLAT_Beep();
    return;
  }
  std::lock_guard<std::mutex> Lock(_Mutex);
  _SuspendCnt = _SuspendCnt - 1;
  _Wake.notify_all();
}

int SIM_CreateTask(const char* pReserved, void (*pfRoutine)(void)) {
  if (_NumTasks >= _MAX_TASKS) return _NumTasks;
  HOST_THREAD* pRec = new HOST_THREAD;
  pRec->pfRoutine = pfRoutine;
  _apTask[_NumTasks++] = pRec;
  pRec->hThread = PLAT_CreateThread(_TaskThreadProc, pRec, 1);
  return 1;  // the resume count a started task reports
}

/*********************************************************************
*
*       Host lock
*/
void* SIM_CreateLock(void) {
  if (!_hLock) _hLock = PLAT_CreateMutex();
  return _hLock;
}

void SIM_Lock(void) {
  SIM_CreateLock();
  PLAT_LockMutex(_hLock);
  _LockHeld++;
  if (++_LockNest > 1) SIM_ErrorOut("Error in GUITASK module ...");
}

void SIM_Unlock(void) {
  _LockNest--;
  _LockHeld--;
  PLAT_UnlockMutex(_hLock);
}

void SIM_InitOS(void) {}

int SIM__IsLockOwner(void) { return _LockHeld > 0; }
