// Threads, kernel objects and the clock.
#pragma once
#include <cstdint>

uint32_t PLAT_GetTickMs(void);  // milliseconds of a monotonic clock
void PLAT_Sleep(int ms);

struct PLAT_THREAD;
typedef PLAT_THREAD* PLAT_HTHREAD;
PLAT_HTHREAD PLAT_CreateThread(void (*pfRoutine)(void* p), void* p, int Lowest);  // Lowest: lowest priority
int PLAT_WaitThread(PLAT_HTHREAD hThread, int TimeoutMs);  // 0 ended, 1 time-out; -1 waits for ever
void PLAT_CloseThread(PLAT_HTHREAD hThread);  // waits for an ended thread, or lets a running one go
int PLAT_IsCurrentThread(PLAT_HTHREAD hThread);

// Recursive mutex.
struct PLAT_MUTEX;
typedef PLAT_MUTEX* PLAT_HMUTEX;
PLAT_HMUTEX PLAT_CreateMutex(void);
void PLAT_LockMutex(PLAT_HMUTEX hMutex);
void PLAT_UnlockMutex(PLAT_HMUTEX hMutex);
void PLAT_DeleteMutex(PLAT_HMUTEX hMutex);

// Event: manual reset stays signalled until reset; automatic reset releases one waiter.
struct PLAT_EVENT;
typedef PLAT_EVENT* PLAT_HEVENT;
PLAT_HEVENT PLAT_CreateEvent(int ManualReset, int Signalled);
void PLAT_SetEvent(PLAT_HEVENT hEvent);
void PLAT_ResetEvent(PLAT_HEVENT hEvent);
int PLAT_WaitEvent(PLAT_HEVENT hEvent, int TimeoutMs);  // 0 signalled, 1 time-out; -1 waits for ever
void PLAT_DeleteEvent(PLAT_HEVENT hEvent);
