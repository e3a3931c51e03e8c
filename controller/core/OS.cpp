#include "OS.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <new>
#include <thread>

#include "APP_Host.h"
#include "PATH.h"

struct OS_TASK {
  std::thread Thread;
};

struct OS_EVENT {
  std::mutex Mutex;
  std::condition_variable Cond;
  bool Manual;
  bool Signalled;
};

// Recursive with time-outs, built on a plain mutex and a condition: the library's timed mutexes lock through calls
// that the thread sanitizer does not see, so it would report every unlock as one of an unlocked mutex.
struct OS_MUTEX {
  std::mutex Mutex;
  std::condition_variable Cond;
  std::thread::id Owner;
  int Count = 0;
};

struct OS_SEM {
  std::mutex Mutex;
  std::condition_variable Cond;
  int Count;
  int Max;
};

namespace {

// Waits on a condition with the OS time-out convention; Pred is checked under the lock.
template <class Lock, class Pred>
int _Wait(std::condition_variable& c, Lock& l, int TimeoutMs, Pred pred) {
  if (TimeoutMs < 0) {
    c.wait(l, pred);
    return OS_WAIT_TAKEN;
  }
  return c.wait_for(l, std::chrono::milliseconds(TimeoutMs), pred) ? OS_WAIT_TAKEN : OS_WAIT_TIMEOUT;
}

}  // namespace

OS_TASK* OS_CreateTask(void (*pfTask)(void*), void* pArg, const char* sName) {
  if (!pfTask) return nullptr;
  OS_TASK* p = new (std::nothrow) OS_TASK;
  if (!p) return nullptr;
  try {
    p->Thread = std::thread(pfTask, pArg);
  } catch (...) {
    delete p;
    return nullptr;
  }
  return p;
}

void OS_TaskJoin(OS_TASK* p) {
  if (!p) return;
  if (p->Thread.joinable()) p->Thread.join();
  delete p;
}

void OS_Sleep(int Ms) {
  if (APP_HostHooks.pfDelay) {
    APP_HostHooks.pfDelay(Ms);
    return;
  }
  if (Ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(Ms));
}

OS_EVENT* OS_EventCreate(int ManualReset, int InitialState) {
  OS_EVENT* p = new (std::nothrow) OS_EVENT;
  if (p) {
    p->Manual = ManualReset != 0;
    p->Signalled = InitialState != 0;
  }
  return p;
}

void OS_EventDelete(OS_EVENT* p) { delete p; }

void OS_EventSet(OS_EVENT* p) {
  if (!p) return;
  {
    std::lock_guard<std::mutex> l(p->Mutex);
    p->Signalled = true;
  }
  if (p->Manual)
    p->Cond.notify_all();
  else
    p->Cond.notify_one();
}

void OS_EventReset(OS_EVENT* p) {
  if (!p) return;
  std::lock_guard<std::mutex> l(p->Mutex);
  p->Signalled = false;
}

int OS_EventWait(OS_EVENT* p, int TimeoutMs) {
  if (!p) return OS_WAIT_ERROR;
  std::unique_lock<std::mutex> l(p->Mutex);
  int r = _Wait(p->Cond, l, TimeoutMs, [p] { return p->Signalled; });
  if (r == OS_WAIT_TAKEN && !p->Manual) p->Signalled = false;
  return r;
}

OS_MUTEX* OS_MutexCreate() { return new (std::nothrow) OS_MUTEX; }
void OS_MutexDelete(OS_MUTEX* p) { delete p; }

int OS_MutexLock(OS_MUTEX* p, int TimeoutMs) {
  if (!p) return OS_WAIT_ERROR;
  std::thread::id self = std::this_thread::get_id();
  std::unique_lock<std::mutex> l(p->Mutex);
  if (p->Count && p->Owner == self) {
    p->Count++;
    return OS_WAIT_TAKEN;
  }
  int r = _Wait(p->Cond, l, TimeoutMs, [p] { return p->Count == 0; });
  if (r == OS_WAIT_TAKEN) {
    p->Owner = self;
    p->Count = 1;
  }
  return r;
}

void OS_MutexUnlock(OS_MUTEX* p) {
  if (!p) return;
  {
    std::lock_guard<std::mutex> l(p->Mutex);
    if (!p->Count || p->Owner != std::this_thread::get_id()) return;  // not held by the caller
    if (--p->Count) return;
    p->Owner = std::thread::id();
  }
  p->Cond.notify_one();
}

OS_SEM* OS_SemCreate(int Initial, int Max) {
  if (Max < 1 || Initial < 0 || Initial > Max) return nullptr;
  OS_SEM* p = new (std::nothrow) OS_SEM;
  if (p) {
    p->Count = Initial;
    p->Max = Max;
  }
  return p;
}

void OS_SemDelete(OS_SEM* p) { delete p; }

int OS_SemWait(OS_SEM* p, int TimeoutMs) {
  if (!p) return OS_WAIT_ERROR;
  std::unique_lock<std::mutex> l(p->Mutex);
  int r = _Wait(p->Cond, l, TimeoutMs, [p] { return p->Count > 0; });
  if (r == OS_WAIT_TAKEN) p->Count--;
  return r;
}

void OS_SemSignal(OS_SEM* p) {
  if (!p) return;
  {
    std::lock_guard<std::mutex> l(p->Mutex);
    if (p->Count < p->Max) p->Count++;
  }
  p->Cond.notify_one();
}

int OS_RemoveFile(const char* sPath) {
  char path[PATH_MAX_LEN];
  if (!PATH_Resolve(sPath, path, sizeof(path))) return -1;
  return std::remove(path);
}

void OS_SetTaskFlags(uint32_t Flags, OS_TASK* pTask) {}
