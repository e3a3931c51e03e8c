// Shared memory over shm_open and mmap. The owner keeps an exclusive lock on the object for its whole life, so a
// later process can tell a live owner from a name left behind by a crash. The names of every open mapping are
// removed at exit, on the fatal signals and on termination requests.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "PLAT_Shm.h"

enum { _MAX_OPEN = 8 };

static char _aaOpenName[_MAX_OPEN][96];  // plain arrays: read by the signal handler
static volatile sig_atomic_t _aUsed[_MAX_OPEN];
static bool _HandlersInstalled;
static char _acNamespace[32];

void PLAT_ShmSetNamespace(const char* pNamespace) {
  snprintf(_acNamespace, sizeof(_acNamespace), "%s", pNamespace ? pNamespace : "");
}

void PLAT__ShmUnlinkAll(void);

static void _UnlinkAll(void) { PLAT__ShmUnlinkAll(); }

// Async-signal-safe: also called from signal handlers.
void PLAT__ShmUnlinkAll(void) {
  for (int i = 0; i < _MAX_OPEN; i++) {
    if (_aUsed[i]) {
      shm_unlink(_aaOpenName[i]);
      _aUsed[i] = 0;
    }
  }
}

static void _OnSignal(int Sig) {
  _UnlinkAll();
  signal(Sig, SIG_DFL);
  raise(Sig);
}

static void _InstallHandlers(void) {
  if (_HandlersInstalled) return;
  _HandlersInstalled = true;
  atexit(_UnlinkAll);
  for (int Sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGABRT, SIGILL}) {
    struct sigaction Old;
    sigaction(Sig, nullptr, &Old);
    if (Old.sa_handler == SIG_DFL) {  // leave handlers of others (sanitizers, debuggers) alone
      struct sigaction Act;
      memset(&Act, 0, sizeof(Act));
      Act.sa_handler = _OnSignal;
      sigaction(Sig, &Act, nullptr);
    }
  }
}

static void _Remember(const char* pName) {
  for (int i = 0; i < _MAX_OPEN; i++) {
    if (!_aUsed[i]) {
      snprintf(_aaOpenName[i], sizeof(_aaOpenName[i]), "%s", pName);
      _aUsed[i] = 1;
      return;
    }
  }
}

static void _Forget(const char* pName) {
  for (int i = 0; i < _MAX_OPEN; i++) {
    if (_aUsed[i] && strcmp(_aaOpenName[i], pName) == 0) _aUsed[i] = 0;
  }
}

int PLAT_ShmCreate(const char* pName, size_t Size, PLAT_SHM* pShm) {
  memset(pShm, 0, sizeof(*pShm));
  pShm->Handle = -1;
  snprintf(pShm->acName, sizeof(pShm->acName), "/meridox-%u%s-%s", unsigned(getuid()), _acNamespace, pName);
  int fd = shm_open(pShm->acName, O_RDWR | O_CREAT | O_EXCL, 0600);
  if (fd < 0 && errno == EEXIST) {
    // Someone made it: in use while its owner lives and holds the lock, otherwise a leftover to replace.
    int Old = shm_open(pShm->acName, O_RDWR, 0600);
    if (Old < 0) return PLAT_SHM_IN_USE;
    bool Stale = flock(Old, LOCK_EX | LOCK_NB) == 0;
    close(Old);
    if (!Stale) return PLAT_SHM_IN_USE;
    shm_unlink(pShm->acName);
    fd = shm_open(pShm->acName, O_RDWR | O_CREAT | O_EXCL, 0600);
  }
  if (fd < 0) return errno == EEXIST ? PLAT_SHM_IN_USE : PLAT_SHM_ERROR;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, off_t(Size)) != 0) {
    close(fd);
    shm_unlink(pShm->acName);
    return PLAT_SHM_ERROR;
  }
  void* p = mmap(nullptr, Size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (p == MAP_FAILED) {
    close(fd);
    shm_unlink(pShm->acName);
    return PLAT_SHM_ERROR;
  }
  _InstallHandlers();
  _Remember(pShm->acName);
  pShm->pData = p;
  pShm->Size = Size;
  pShm->Handle = fd;
  return PLAT_SHM_OK;
}

void PLAT_ShmClose(PLAT_SHM* pShm, int Unmap) {
  if (pShm->pData && Unmap) munmap(pShm->pData, pShm->Size);
  if (pShm->Handle >= 0) {
    shm_unlink(pShm->acName);
    _Forget(pShm->acName);
    close(pShm->Handle);
  }
  pShm->pData = nullptr;
  pShm->Size = 0;
  pShm->Handle = -1;
}
