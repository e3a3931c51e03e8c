// Threads, kernel objects and the clock over the C++ standard library.
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "PLAT_Thread.h"

uint32_t PLAT_GetTickMs(void) {
  using namespace std::chrono;
  return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void PLAT_Sleep(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  else std::this_thread::yield();
}

/*********************************************************************
*
*       Threads
*/
struct PLAT_THREAD {
  std::thread Thread;
  std::mutex Mutex;
  std::condition_variable Ended;
  bool Done = false;
  bool LetGo = false;  // closed while running: the thread frees its record when it ends
};

PLAT_HTHREAD PLAT_CreateThread(void (*pfRoutine)(void* p), void* p, int Lowest) {
  PLAT_THREAD* pThread = new PLAT_THREAD;
  pThread->Thread = std::thread([pThread, pfRoutine, p, Lowest] {
    if (Lowest) setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 19);
    pfRoutine(p);
    bool Free;
    {
      std::lock_guard<std::mutex> Lock(pThread->Mutex);
      pThread->Done = true;
      pThread->Ended.notify_all();
      Free = pThread->LetGo;
    }
    if (Free) delete pThread;
  });
  return pThread;
}

int PLAT_WaitThread(PLAT_HTHREAD hThread, int TimeoutMs) {
  std::unique_lock<std::mutex> Lock(hThread->Mutex);
  if (TimeoutMs < 0) {
    hThread->Ended.wait(Lock, [hThread] { return hThread->Done; });
    return 0;
  }
  return hThread->Ended.wait_for(Lock, std::chrono::milliseconds(TimeoutMs), [hThread] { return hThread->Done; })
             ? 0 : 1;
}

void PLAT_CloseThread(PLAT_HTHREAD hThread) {
  if (!hThread) return;
  {
    std::lock_guard<std::mutex> Lock(hThread->Mutex);
    if (!hThread->Done) {
      // Still running: it goes on alone and frees its record when it ends.
      hThread->LetGo = true;
      hThread->Thread.detach();
      return;
    }
  }
  hThread->Thread.join();
  delete hThread;
}

int PLAT_IsCurrentThread(PLAT_HTHREAD hThread) {
  return hThread && hThread->Thread.get_id() == std::this_thread::get_id();
}

/*********************************************************************
*
*       Mutex and event
*/
struct PLAT_MUTEX {
  std::recursive_mutex Mutex;
};

PLAT_HMUTEX PLAT_CreateMutex(void) { return new PLAT_MUTEX; }
void PLAT_LockMutex(PLAT_HMUTEX hMutex) { hMutex->Mutex.lock(); }
void PLAT_UnlockMutex(PLAT_HMUTEX hMutex) { hMutex->Mutex.unlock(); }
void PLAT_DeleteMutex(PLAT_HMUTEX hMutex) { delete hMutex; }

struct PLAT_EVENT {
  std::mutex Mutex;
  std::condition_variable Cond;
  bool Manual;
  bool Signalled;
};

PLAT_HEVENT PLAT_CreateEvent(int ManualReset, int Signalled) {
  PLAT_EVENT* p = new PLAT_EVENT;
  p->Manual = ManualReset != 0;
  p->Signalled = Signalled != 0;
  return p;
}

void PLAT_SetEvent(PLAT_HEVENT hEvent) {
  std::lock_guard<std::mutex> Lock(hEvent->Mutex);
  hEvent->Signalled = true;
  if (hEvent->Manual) hEvent->Cond.notify_all(); else hEvent->Cond.notify_one();
}

void PLAT_ResetEvent(PLAT_HEVENT hEvent) {
  std::lock_guard<std::mutex> Lock(hEvent->Mutex);
  hEvent->Signalled = false;
}

int PLAT_WaitEvent(PLAT_HEVENT hEvent, int TimeoutMs) {
  std::unique_lock<std::mutex> Lock(hEvent->Mutex);
  auto IsSet = [hEvent] { return hEvent->Signalled; };
  if (TimeoutMs < 0) hEvent->Cond.wait(Lock, IsSet);
  else if (!hEvent->Cond.wait_for(Lock, std::chrono::milliseconds(TimeoutMs), IsSet)) return 1;
  if (!hEvent->Manual) hEvent->Signalled = false;
  return 0;
}

void PLAT_DeleteEvent(PLAT_HEVENT hEvent) { delete hEvent; }
