#include "SimTestHost.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "GUI.h"
#include "LCDSIM.h"
#include "PLAT_Shm.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Windows.h"
#include "WM.h"

std::vector<SIM_TEST_KEY> SimTest_Keys;
std::vector<SIM_TEST_BOX> SimTest_Boxes;

static PLAT_HWIN _hMain;

static int _OnKey(int Key, int Pressed) {
  SimTest_Keys.push_back({Key, Pressed});
  return 1;
}

void SimTest_TakeKeys(void) {
  GUI__pfOnKey = _OnKey;
  while (GUI_PollKeyMsg()) {
  }
}

static int _OnMessageBox(PLAT_HWIN hOwner, const char* pText, const char* pCaption, uint32_t Style) {
  SimTest_Boxes.push_back({hOwner, pText ? pText : "", pCaption ? pCaption : "", Style});
  return 1;
}

std::vector<std::string> SimTest_BoxTexts(void) {
  std::vector<std::string> v;
  for (const SIM_TEST_BOX& Box : SimTest_Boxes) v.push_back(Box.Text);
  return v;
}

void SimTest_InitPlatform(void) {
  static bool Done;
  if (Done) return;
  Done = true;
  PLAT_Init(nullptr, nullptr);
  PLAT_SetMessageBoxHook(_OnMessageBox);
  // Errors write "SimError.log" into the working folder: a folder of this process keeps the build tree clean.
  std::string Dir = SimTest_MakeTempDir();
  if (!Dir.empty() && chdir(Dir.c_str()) != 0) perror(Dir.c_str());
  char acNamespace[32];
  snprintf(acNamespace, sizeof(acNamespace), "-test%d", int(getpid()));
  PLAT_ShmSetNamespace(acNamespace);
  SIM__GuiInstall();
  SIM_SetErrorBox(0);
}

PLAT_HWIN SimTest_StartHost(void) {
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

int SimTest_DrawOnTheBareDisplay(void) {
  GUI_Init();
  int WasActive = GUI_pContext->WM_IsActive;
  if (WM_HWIN hDesktop = WM_GetDesktopWindow()) WM_SelectWindow(hDesktop);  // the whole display, unclipped
  WM_Deactivate();
  return WasActive;
}

PLAT_HWIN SimTest_GetLCDWindow(void) {
  return PLAT_FindChild(SimTest_StartHost(), "GUI LCD", "LCD window");
}

static std::vector<std::string> _TempDirs;

static void _RemoveTempDirs(void) {
  std::error_code Error;
  for (const std::string& Dir : _TempDirs) std::filesystem::remove_all(Dir, Error);
}

// A fresh folder that is removed when the test process ends.
std::string SimTest_MakeTempDir(void) {
  char acTemplate[] = "/tmp/simtest-XXXXXX";
  const char* p = mkdtemp(acTemplate);
  if (!p) return "";
  if (_TempDirs.empty()) atexit(_RemoveTempDirs);
  _TempDirs.push_back(p);
  return p;
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
