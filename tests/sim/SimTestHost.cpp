#include "SimTestHost.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "LCDSIM.h"
#include "PLAT_Shm.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Windows.h"

std::vector<SIM_TEST_POINTER> SimTest_Pointers;
std::vector<SIM_TEST_KEY> SimTest_Keys;

static PLAT_HWND _hMain;

static void _StorePointer(int x, int y, int Pressed, int Layer) { SimTest_Pointers.push_back({x, y, Pressed, Layer}); }
static void _StoreKey(int Key, int Pressed) { SimTest_Keys.push_back({Key, Pressed}); }

void SimTest_InitPlatform(void) {
  static bool Done;
  if (Done) return;
  Done = true;
  PLAT_Init(nullptr, nullptr);
  char acNamespace[32];
  snprintf(acNamespace, sizeof(acNamespace), "-test%d", int(getpid()));
  PLAT_ShmSetNamespace(acNamespace);
  SIM__SetInputSinks(_StorePointer, _StoreKey);
  SIM_SetErrorBox(0);
}

PLAT_HWND SimTest_StartHost(void) {
  if (_hMain) return _hMain;
  SimTest_InitPlatform();
  if (LCDSIM_PreInit() != 0) return nullptr;
  _hMain = SIM_CreateMainFrame();
  return _hMain;
}

void SimTest_StopHost(void) {
  if (_hMain) PLAT_DestroyWindow(_hMain);
  PLAT_ProcessEvents();
  _hMain = nullptr;
  LCDSIM_Exit();
}

PLAT_HWND SimTest_GetLCDWindow(void) {
  return PLAT_FindChild(SimTest_StartHost(), "GUI LCD", "LCD window");
}

std::string SimTest_MakeTempDir(void) {
  char acTemplate[] = "/tmp/simtest-XXXXXX";
  const char* p = mkdtemp(acTemplate);
  return p ? p : "";
}

std::string SimTest_ReadFile(const std::string& Path) {
  std::string Content;
  if (FILE* pFile = fopen(Path.c_str(), "rb")) {
    char acBuffer[4096];
    size_t n;
    while ((n = fread(acBuffer, 1, sizeof(acBuffer), pFile)) > 0) Content.append(acBuffer, n);
    fclose(pFile);
  }
  return Content;
}

// The font configuration library keeps caches for the life of the process; they are not ours to free.
extern "C" const char* __lsan_default_suppressions(void) {
  return "leak:libfontconfig.so\n";
}
