// Start-up and shutdown: the command line words, the frame-buffer limit, the folders made, what is saved
// at exit (the input simulation always, the function data only after a finished start-up) and the display
// mapping given back.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "APP_Hooks.h"
#include "PLAT_Shm.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Log.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

namespace {

int _Zoom(const char* pCommandLine, int Before = 1) {
  SIM_Zoom = Before;
  SIM__ParseCommandLine(pCommandLine);
  int r = SIM_Zoom;
  SIM_Zoom = 1;
  return r;
}

bool _IsDir(const std::string& Path) {
  struct stat St;
  return stat(Path.c_str(), &St) == 0 && S_ISDIR(St.st_mode);
}

void _EndAtOnce(void) {}   // an application that gives up before its start-up has loaded anything

// Ends the loop once the application has finished its start-up (only then is its function data saved).
void _QuitAfterStartup(void*) {
  if (UI_StartupDone) PLAT_PostQuit(0);
  else PLAT_PostCall(_QuitAfterStartup, nullptr);
}

std::string _PrepareHome(void) {
  SimTest_InitPlatform();
  SimTest_StopHost();
  std::string Home = SimTest_MakeTempDir();
  setenv("HOME", Home.c_str(), 1);
  setenv("APPDATA", (Home + "/appdata").c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  return Home;
}

int _RunSimulator(const char* pArg) {
  char acArg0[] = "meridox-sim";
  std::string Arg = pArg;
  char* apArg[] = {acArg0, Arg.data(), nullptr};
  int r = SIM_Main(2, apArg);
  SIM_SetMag(1, 1);
  SIM_Zoom = 1;
  SIM_WizFlag = 0;
  SIM_SetErrorBox(0);
  return r;
}

// Where the simulator's window stood once it ran; what a test does just before the run ends.
int g_xWindow, g_yWindow;
void (*g_pfBeforeQuit)(void);

void _QuitAfterStartupAndNoteTheWindow(void*) {
  if (!UI_StartupDone) {
    PLAT_PostCall(_QuitAfterStartupAndNoteTheWindow, nullptr);
    return;
  }
  int xSize, ySize;
  PLAT_GetWindowRect(SIM_hDeviceWnd, &g_xWindow, &g_yWindow, &xSize, &ySize);
  if (g_pfBeforeQuit) g_pfBeforeQuit();
  PLAT_PostQuit(0);
}

// A run without command-line words (so errors show boxes), ended once the application has started; the texts of
// the boxes it showed are returned.
std::vector<std::string> _RunUntilStarted(void) {
  // What an earlier run left posted (its window's end asks for a quit) must not end this run's loop at once.
  PLAT_ProcessEvents();
  SimTest_Boxes.clear();
  SIM_SetErrorBox(1);
  PLAT_PostCall(_QuitAfterStartupAndNoteTheWindow, nullptr);
  char acArg0[] = "meridox-sim";
  char* apArg[] = {acArg0, nullptr};
  EXPECT_EQ(SIM_Main(1, apArg), 0);
  PLAT_ProcessEvents();
  SIM_SetErrorBox(0);
  return SimTest_BoxTexts();
}

std::vector<std::string> _Names(const std::string& Folder) {
  std::vector<std::string> v;
  for (const auto& e : std::filesystem::directory_iterator(Folder)) v.push_back(e.path().filename().string());
  std::sort(v.begin(), v.end());
  return v;
}

const char _acUserFolder[] = "/appdata/Orvaldi Klimaregelwerk/MERIDOX-Simulator";

}  // namespace

TEST(StartupCommandLine, MagSetsTheZoomWithinOneToEight) {
  EXPECT_EQ(_Zoom("Mag3"), 3);
  EXPECT_EQ(_Zoom("Mag8"), 8);
  EXPECT_EQ(_Zoom("Mag0"), 1);
  EXPECT_EQ(_Zoom("Mag9", 4), 1);
  EXPECT_EQ(_Zoom("Mag-2", 4), 1);
  EXPECT_EQ(_Zoom("Mag", 5), 5);         // no number: the zoom stays
  EXPECT_EQ(_Zoom("xyMag2abc"), 2);      // found inside a longer word
  EXPECT_EQ(_Zoom("mag2"), 1);           // the word is case-sensitive
}

TEST(StartupCommandLine, WizAnywhereSetsTheFlag) {
  SIM_WizFlag = 0;
  SIM__ParseCommandLine("Mag1 Wiz");
  EXPECT_EQ(SIM_WizFlag, 1);
  SIM_WizFlag = 0;
  SIM__ParseCommandLine("theWizard");
  EXPECT_EQ(SIM_WizFlag, 1);
  SIM_WizFlag = 0;
  SIM__ParseCommandLine("wiz");
  EXPECT_EQ(SIM_WizFlag, 0);
}

TEST(StartupFrameBuffer, LayersUpToTheMappingAreAccepted) {
  SIM_LAYER_INFO Info = {2048, 2048, 0, 0, 1, 1, 32, 0};
  EXPECT_EQ(SIM__GetLayerBufferSize(&Info), 0x1000000LL);   // exactly the frame-buffer area
  Info.YSize = 2049;
  EXPECT_GT(SIM__GetLayerBufferSize(&Info), 0x1000000LL);
  Info.BitsPerPixel = 16;                                    // stored at 4 bytes per pixel as well
  EXPECT_GT(SIM__GetLayerBufferSize(&Info), 0x1000000LL);
  SIM_LAYER_INFO Small = {480, 272, 480, 544, 1, 1, 16, 0};  // the virtual area is what the buffer holds
  EXPECT_EQ(SIM__GetLayerBufferSize(&Small), 480LL * 544 * 4);
  SIM_LAYER_INFO Palette = {301, 10, 0, 0, 1, 1, 8, 256};    // bytes per line padded to 4
  EXPECT_EQ(SIM__GetLayerBufferSize(&Palette), 304LL * 10);
  EXPECT_EQ(SIM__CheckFrameBuffer(), 0);                      // our own display fits
}

TEST(StartupShutdown, FailedStartMakesTheFoldersButKeepsTheFunctionData) {
  std::string Home = _PrepareHome();
  std::string User = Home + "/appdata/Orvaldi Klimaregelwerk/MERIDOX-Simulator";
  ASSERT_EQ(system(("mkdir -p '" + User + "'").c_str()), 0);
  FILE* pFile = fopen((User + "/tmp.dat").c_str(), "wb");
  ASSERT_TRUE(pFile);
  fputs("good data", pFile);
  fclose(pFile);
  SIM_SetAppTask(_EndAtOnce);
  EXPECT_EQ(_RunSimulator("Wiz"), 0);   // the window sees the application gone and ends the loop
  SIM_SetAppTask(nullptr);
  EXPECT_TRUE(_IsDir(Home + "/Documents/MERIDOX-Simulator/SD-Card"));
  EXPECT_TRUE(_IsDir(Home + "/Documents/MERIDOX-Simulator/Intern"));
  EXPECT_EQ(SimTest_ReadFile(User + "/tmp.dat"), "good data");
  EXPECT_EQ(SimTest_ReadFile(User + "/Info1.sim").size(), 1024u);   // 16 records of 64 bytes
}

TEST(StartupShutdown, RunsStopsAndSavesTheFunctionData) {
  std::string Home = _PrepareHome();
  PLAT_PostCall(_QuitAfterStartup, nullptr);
  char acArg0[] = "meridox-sim";
  char acArg1[] = "Mag2";
  char* apArg[] = {acArg0, acArg1, nullptr};
  EXPECT_EQ(SIM_Main(2, apArg), 0);
  EXPECT_STREQ(SIM_CommandLine, "Mag2");
  EXPECT_EQ(SIM_Zoom, 2);
  EXPECT_EQ(SIM_GetXMag(), 2);
  EXPECT_FALSE(SIM_IsAppRunning());
  std::string TmpDat = Home + "/appdata/Orvaldi Klimaregelwerk/MERIDOX-Simulator/tmp.dat";
  EXPECT_EQ(SimTest_ReadFile(TmpDat).size(), 256256u);
  PLAT_SHM Shm;
  EXPECT_EQ(PLAT_ShmCreate("PixraLCDMap", 4096, &Shm), PLAT_SHM_OK);  // the name was given back
  PLAT_ShmClose(&Shm);
  SIM_SetMag(1, 1);
  SIM_Zoom = 1;
  SIM_SetErrorBox(0);
}

// "tmp.dat" that cannot be written at exit (the disk fills up; here a file size limit far below its size): the
// file of the run before stays whole, no temporary is left, and a box says which file kept its old contents. It
// points to the error log for the reason only when there is one: from a working folder that cannot be written
// (here one removed while the simulator runs in it) no error log is made, and the box names none.
TEST(StartupShutdown, ASaveThatFailsAtExitKeepsTheOldFileAndSaysSo) {
  std::string Home = _PrepareHome();
  std::string User = Home + _acUserFolder;
  EXPECT_TRUE(_RunUntilStarted().empty());
  std::string Before = SimTest_ReadFile(User + "/tmp.dat");
  ASSERT_EQ(Before.size(), 256256u);
  std::string Lost = "Saving at exit failed. These files keep what they held before, and what this run changed in "
                     "them is lost:\n\"" + User + "/tmp.dat\" (function data";
  char acWorking[4096];
  ASSERT_TRUE(getcwd(acWorking, sizeof(acWorking)));
  for (bool Writable : {true, false}) {
    if (!Writable) {
      std::string Gone = SimTest_MakeTempDir();
      ASSERT_TRUE(chdir(Gone.c_str()) == 0 && rmdir(Gone.c_str()) == 0);
    }
    static rlimit s_Old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &s_Old), 0);
    auto pfOldSignal = signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of ending the process
    // The limit comes once the display mapping, which it would refuse too, has been made.
    g_pfBeforeQuit = [] {
      rlimit Limit = {64 * 1024, s_Old.rlim_max};
      setrlimit(RLIMIT_FSIZE, &Limit);
    };
    std::vector<std::string> Boxes = _RunUntilStarted();
    g_pfBeforeQuit = nullptr;
    setrlimit(RLIMIT_FSIZE, &s_Old);
    signal(SIGXFSZ, pfOldSignal);
    ASSERT_EQ(chdir(acWorking), 0);
    EXPECT_EQ(SimTest_ReadFile(User + "/tmp.dat"), Before);
    EXPECT_EQ(_Names(User), (std::vector<std::string>{"Info1.sim", "Simulator.lock", "tmp.dat"}));
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], Lost + (Writable ? "; the log file \"SimError.log\" says why)" : ")")) << Writable;
  }
}

// A stored design or branding that is damaged is refused at start the way a dropped one is: the log (red), the
// error log and a box say which file and why, and the simulator runs without it. The stored copies stay as they
// were, so the next start says so again until another file is dropped.
TEST(StartupShutdown, ADamagedStoredDesignOrBrandingIsReportedAtStart) {
  std::string Home = _PrepareHome();
  std::string User = Home + _acUserFolder;
  ASSERT_EQ(system(("mkdir -p '" + User + "'").c_str()), 0);
  std::string Branding(32, '\0');
  Branding.replace(0, 4, std::string("q7b\0", 4));
  Branding[4] = 100;  // a background of 100 bytes, which the file does not hold
  std::string Design = "q7d damaged";
  for (const auto& File : {std::pair{"/Branding.q7b", Branding}, std::pair{"/Design.q7d", Design}}) {
    FILE* pFile = fopen((User + File.first).c_str(), "wb");
    ASSERT_TRUE(pFile);
    fwrite(File.second.data(), 1, File.second.size(), pFile);
    fclose(pFile);
  }
  SIM_CloseErrorLog();
  remove("SimError.log");  // the test host works in a folder of its own
  std::vector<std::string> Boxes = _RunUntilStarted();
  const std::vector<std::string> Want = {
      "Branding file " + User + "/Branding.q7b refused at start: it ends after 32 of the 132 bytes its header "
      "announces; the simulator runs without it.",
      "Design file " + User + "/Design.q7d refused at start: the file has 11 bytes, fewer than its 256-byte text "
      "header; the simulator runs without it."};
  EXPECT_EQ(Boxes, Want);
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  std::string ErrorLog = SimTest_ReadFile("SimError.log");
  for (const std::string& w : Want) {
    EXPECT_NE(std::string(acLog).find(":   \x01" + w), std::string::npos) << acLog;
    EXPECT_NE(ErrorLog.find("\r\n" + w), std::string::npos) << ErrorLog;
  }
  EXPECT_EQ(SimTest_ReadFile(User + "/Branding.q7b"), Branding);
  EXPECT_EQ(SimTest_ReadFile(User + "/Design.q7d"), Design);
}

// A second simulator started while another one holds the per-user folder and the display mapping: it says so in
// the log, the error log and a box, keeps its own files in a folder of its own (the first one's stay as they are)
// and opens its window off the first one's.
TEST(StartupShutdown, ASecondSimulatorOnAHeldFolderSaysSoAndKeepsItsOwnFiles) {
  std::string Home = _PrepareHome();
  std::string User = Home + _acUserFolder;
  EXPECT_TRUE(_RunUntilStarted().empty());
  int xFirst = g_xWindow, yFirst = g_yWindow;
  std::string TmpDat = SimTest_ReadFile(User + "/tmp.dat"), Info = SimTest_ReadFile(User + "/Info1.sim");
  ASSERT_EQ(TmpDat.size(), 256256u);
  // The first simulator still runs: it holds the folder's lock and the first display mapping.
  int hLock = open((User + "/Simulator.lock").c_str(), O_RDWR);
  ASSERT_GE(hLock, 0);
  ASSERT_EQ(flock(hLock, LOCK_EX | LOCK_NB), 0);
  PLAT_SHM Shm;
  ASSERT_EQ(PLAT_ShmCreate("PixraLCDMap", 4096, &Shm), PLAT_SHM_OK);
  SIM_CloseErrorLog();
  std::vector<std::string> Boxes = _RunUntilStarted();
  PLAT_ShmClose(&Shm);
  close(hLock);
  std::string Own = User + "/Instance 2";
  std::string Said = "The folder \"" + User + "\" is in use by another simulator. This one keeps its own \"tmp.dat\", "
                     "\"Info1.sim\" and design files in \"" + Own + "\" (starting from copies of the other one's where "
                     "it has none), so that neither overwrites the other's.";
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0], Said);
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  EXPECT_NE(std::string(acLog).find(":   \x01" + Said), std::string::npos) << acLog;
  EXPECT_EQ(SimTest_ReadFile("SimError_2.log"), "\r\n" + Said);  // the first one's "SimError.log" stays its own
  EXPECT_EQ(SimTest_ReadFile(User + "/tmp.dat"), TmpDat);
  EXPECT_EQ(SimTest_ReadFile(User + "/Info1.sim"), Info);
  EXPECT_EQ(SimTest_ReadFile(Own + "/tmp.dat").size(), 256256u);
  EXPECT_EQ(SimTest_ReadFile(Own + "/Info1.sim").size(), 1024u);
  EXPECT_EQ(g_xWindow, xFirst + 40);
  EXPECT_EQ(g_yWindow, yFirst + 40);
  // Alone again, a simulator takes the folder as its own and says nothing.
  EXPECT_TRUE(_RunUntilStarted().empty());
  EXPECT_STREQ(SIM_UserFolder, User.c_str());
}
