// Operating-system glue of the controller over the standard library: tasks, sleeping, events, mutexes and
// semaphores. Waits take a time-out in milliseconds (0 = try once, -1 = wait for ever) and answer
// OS_WAIT_TAKEN, OS_WAIT_TIMEOUT or OS_WAIT_ERROR.
#pragma once
#include <cstdint>

enum { OS_WAIT_TAKEN = 0, OS_WAIT_TIMEOUT = 1, OS_WAIT_ERROR = 255 };
enum { OS_INFINITE = -1 };

struct OS_TASK;
struct OS_EVENT;
struct OS_MUTEX;
struct OS_SEM;

// Starts a task running pfTask(pArg); null when it cannot be started. OS_TaskJoin waits for its end and frees it.
OS_TASK* OS_CreateTask(void (*pfTask)(void*), void* pArg, const char* sName);
void OS_TaskJoin(OS_TASK* pTask);
// Suspends the caller: through the host's delay hook when one is installed, else by sleeping.
void OS_Sleep(int Ms);

// Events: auto-reset (a wait consumes the signal) or manual-reset.
OS_EVENT* OS_EventCreate(int ManualReset, int InitialState);
void OS_EventDelete(OS_EVENT* p);
void OS_EventSet(OS_EVENT* p);
void OS_EventReset(OS_EVENT* p);
int OS_EventWait(OS_EVENT* p, int TimeoutMs);

// Recursive mutexes.
OS_MUTEX* OS_MutexCreate();
void OS_MutexDelete(OS_MUTEX* p);
int OS_MutexLock(OS_MUTEX* p, int TimeoutMs);
void OS_MutexUnlock(OS_MUTEX* p);

// Counting semaphores (binary with Max 1).
OS_SEM* OS_SemCreate(int Initial, int Max);
void OS_SemDelete(OS_SEM* p);
int OS_SemWait(OS_SEM* p, int TimeoutMs);
void OS_SemSignal(OS_SEM* p);

// Deletes a file; the result is not looked at by the callers.
int OS_RemoveFile(const char* sPath);
// Event flags of a task: kept for callers, without effect.
void OS_SetTaskFlags(uint32_t Flags, OS_TASK* pTask);
