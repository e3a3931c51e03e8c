// What sets this simulator apart from others of the same user running at once: its claim on the per-user folder,
// the offset of its window and the name of its error log. No simulator overwrites what another one keeps.
//
// The first simulator that uses the per-user folder keeps its files there ("tmp.dat", "Info1.sim", the design and
// branding copies, "q7f.txt"). A further one finds the folder held and takes the first free folder "Instance 2",
// "Instance 3" ... below it as its own per-user folder; when that folder has none of the files yet, it starts
// from copies of the first one's. A claim is an advisory lock on "Simulator.lock" in the folder, held for the
// life of the process: the system drops it when the process ends, however it ends.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "LCDSIM.h"
#include "PATH.h"
#include "PLAT_Window.h"
#include "SIM.h"

enum { _MAX_INSTANCES = 100, _WINDOW_STEP = 40, _WINDOW_STEPS = 8 };

static const char _acLockName[] = "Simulator.lock";
// The files of the per-user folder that a further simulator starts from.
static const char* const _apStartFile[] = {"tmp.dat", "Info1.sim", "Design.q7d", "Branding.q7b", "q7f.txt"};

static int _hLock = -1;
static std::string _ClaimText;  // what this simulator says at start about its folder

// Said once the windows run: the application's start empties the log before.
static void _ReportClaim(void*) {
  if (!_ClaimText.empty()) SIM_ErrorOut(_ClaimText.c_str());
}

static int _Claimed(int Claim, const std::string& Main) {
  if (Claim > 0) {
    _ClaimText = "The folder \"" + Main + "\" is in use by another simulator. This one keeps its own \"tmp.dat\", " +
                 "\"Info1.sim\" and design files in \"" + SIM_UserFolder + "\" (starting from copies of the other one's " +
                 "where it has none), so that neither overwrites the other's.";
  } else {
    _ClaimText = "The folder \"" + Main + "\" and its instance folders are in use by other simulators. This one " +
                 "saves nothing at exit.";
  }
  PLAT_PostCall(_ReportClaim, nullptr);
  return Claim;
}

// 1 when this process now holds the folder's lock, 0 when another process holds it, -1 when the folder cannot be
// locked at all (it cannot be written, or the file system keeps no locks).
static int _TryLock(const std::string& Folder) {
  char acPath[600];
  if (!PATH_Join(Folder.c_str(), _acLockName, acPath, sizeof(acPath))) return -1;
  int h = open(acPath, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (h < 0) return -1;
  if (flock(h, LOCK_EX | LOCK_NB) == 0) {
    _hLock = h;
    return 1;
  }
  int Error = errno;
  close(h);
  return Error == EWOULDBLOCK ? 0 : -1;
}

static int _ReadFile(const std::string& Path, std::vector<uint8_t>* pData) {
  FILE* pFile = fopen(Path.c_str(), "rb");
  if (!pFile) return 1;
  uint8_t aBuffer[65536];
  size_t n;
  while ((n = fread(aBuffer, 1, sizeof(aBuffer), pFile)) > 0) pData->insert(pData->end(), aBuffer, aBuffer + n);
  int Error = ferror(pFile);
  fclose(pFile);
  return Error ? 1 : 0;
}

// Copies of the first simulator's files into a further one's folder that does not have them yet. The copies are
// only read from the first one's folder; one that cannot be made leaves this simulator without that file.
static void _CopyStartFiles(const std::string& From, const std::string& To) {
  for (const char* pName : _apStartFile) {
    char acFrom[600], acTo[600];
    if (!PATH_Join(From.c_str(), pName, acFrom, sizeof(acFrom)) || !PATH_Join(To.c_str(), pName, acTo, sizeof(acTo))) {
      continue;
    }
    if (access(acTo, F_OK) == 0) continue;
    std::vector<uint8_t> Data;
    if (_ReadFile(acFrom, &Data) == 0) PATH_WriteFileAtomic(acTo, Data.data(), Data.size());
  }
}

int SIM_ClaimUserFolder(void) {
  SIM_ReleaseUserFolder();
  _ClaimText.clear();
  if (!SIM_UserFolder[0]) return 0;
  std::string Main = SIM_UserFolder;
  int r = _TryLock(Main);
  if (r != 0) return 0;  // free, or nothing can be told apart: the folder is this simulator's as always
  for (int n = 2; n <= _MAX_INSTANCES; n++) {
    char acName[32], acFolder[sizeof(SIM_UserFolder)];
    snprintf(acName, sizeof(acName), "Instance %d", n);
    if (!PATH_Join(Main.c_str(), acName, acFolder, sizeof(acFolder)) || !PATH_MakeFolder(acFolder)) break;
    r = _TryLock(acFolder);
    if (r < 0) break;
    if (r == 0) continue;
    _CopyStartFiles(Main, acFolder);
    snprintf(SIM_UserFolder, sizeof(SIM_UserFolder), "%s", acFolder);
    return _Claimed(n, Main);
  }
  return _Claimed(-1, Main);
}

void SIM_ReleaseUserFolder(void) {
  if (_hLock >= 0) close(_hLock);  // closing drops the lock
  _hLock = -1;
}

void SIM_GetWindowShift(int* pdx, int* pdy) {
  int Step = _WINDOW_STEP * (LCDSIM_GetMapNumber() % _WINDOW_STEPS);
  *pdx = Step;
  *pdy = Step;
}

const char* SIM_GetErrorLogName(void) {
  static char s_acName[32];
  int n = LCDSIM_GetMapNumber();
  if (n == 0) snprintf(s_acName, sizeof(s_acName), "SimError.log");
  else snprintf(s_acName, sizeof(s_acName), "SimError_%d.log", n + 1);
  return s_acName;
}
