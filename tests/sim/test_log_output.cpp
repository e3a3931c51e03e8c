// Error, warning and log output: the log keeps its newest 5,000 characters by whole lines, errors are marked
// red and go to "SimError.log", texts are never used as formats, and the log window draws red parts in red.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "SIM.h"
#include "SIM_Log.h"
#include "SIM_Region.h"
#include "SimTestHost.h"

static std::string _Log(void) {
  std::string Text(LOG_MAX_CHARS + 1, '\0');
  Text.resize(size_t(LOG_GetText(Text.data(), int(Text.size()))));
  return Text;
}

TEST(HostLog, EntriesHaveTimeAndMarker) {
  SimTest_InitPlatform();
  LOG_Clear();
  SIM_Log("plain %s %d");
  SIM_Warn("warned");
  std::string Log = _Log();
  EXPECT_NE(Log.find(":   plain %s %d"), std::string::npos);  // data, not a format
  EXPECT_NE(Log.find(":   \x01warned"), std::string::npos);
  EXPECT_EQ(Log[0], '\n');
}

TEST(HostLog, OldLinesMakeRoomForNewEntries) {
  SimTest_InitPlatform();
  LOG_Clear();
  std::string Line(98, 'x');
  for (int i = 0; i < 60; i++) SIM_Log(Line.c_str());
  std::string Log = _Log();
  EXPECT_LE(Log.size(), size_t(LOG_MAX_CHARS));
  EXPECT_EQ(Log.back(), 'x');
  EXPECT_TRUE(isdigit(uint8_t(Log[0])));  // whole lines were removed: an entry's time comes first
}

TEST(HostLog, TrimmingAlwaysEnds) {
  SimTest_InitPlatform();
  LOG_Clear();
  std::string Huge(2 * LOG_MAX_CHARS, 'y');
  Huge.back() = 'z';
  SIM_Log(Huge.c_str());   // longer than the whole log: its end is kept
  std::string Log = _Log();
  EXPECT_EQ(Log.size(), size_t(LOG_MAX_CHARS));
  EXPECT_EQ(Log.back(), 'z');
  SIM_Log("next");          // the log now holds no line break
  Log = _Log();
  EXPECT_LE(Log.size(), size_t(LOG_MAX_CHARS));
  EXPECT_EQ(Log.substr(Log.size() - 4), "next");
}

TEST(HostErrors, GoToTheLogAndAFreshErrorFile) {
  SimTest_InitPlatform();
  std::string Dir = SimTest_MakeTempDir();
  char acOld[512];
  ASSERT_NE(getcwd(acOld, sizeof(acOld)), nullptr);
  ASSERT_EQ(chdir(Dir.c_str()), 0);
  FILE* pOld = fopen("SimError.log", "wb");
  fputs("from an earlier run", pOld);
  fclose(pOld);
  SIM_CloseErrorLog();
  uint8_t Box = SIM_SetErrorBox(0);
  LOG_Clear();
  SIM_ErrorOut("GUI_Alloc:\nBlock already free in _Free().");
  SIM_ErrorOut("second %n");
  EXPECT_EQ(SimTest_ReadFile("SimError.log"), "\r\nGUI_Alloc:\nBlock already free in _Free().\r\nsecond %n");
  SIM_CloseErrorLog();
  EXPECT_NE(_Log().find(":   \x01GUI_Alloc:\nBlock already free in _Free()."), std::string::npos);
  SIM_SetErrorBox(Box);
  ASSERT_EQ(chdir(acOld), 0);
}

// The skin regions report their errors in a box once the simulator is on screen; during start-up, while the main
// window is hidden, only the log has them.
TEST(HostErrors, AnErrorBoxShowsOnlyWhileTheMainWindowIsVisible) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_TRUE(hMain);
  PLAT_ShowWindow(hMain, 0);
  LOG_Clear();
  SimTest_Boxes.clear();
  int aRect[4];
  SIM_GetRegionRect(1000, aRect);
  PLAT_ProcessEvents();
  EXPECT_TRUE(SimTest_Boxes.empty());
  EXPECT_NE(_Log().find("\x01" "Error in SIM_GetRegionRect: Index >= _NumRegions"), std::string::npos) << _Log();
  PLAT_ShowWindow(hMain, 1);
  SIM_GetRegionRect(1000, aRect);
  PLAT_ProcessEvents();
  PLAT_ShowWindow(hMain, 0);
  ASSERT_EQ(SimTest_Boxes.size(), 1u);
  EXPECT_EQ(SimTest_Boxes[0].Text, "Error in SIM_GetRegionRect: Index >= _NumRegions");
  EXPECT_EQ(SimTest_Boxes[0].Caption, "MERIDOX Simulator");
  EXPECT_EQ(SimTest_Boxes[0].Style, uint32_t(PLAT_BOX_WARNING));
  EXPECT_EQ(SimTest_Boxes[0].hOwner, hMain);
}

TEST(HostErrors, ANoticeGoesToTheLogAndTheErrorFileWithoutABox) {
  SimTest_InitPlatform();
  std::string Dir = SimTest_MakeTempDir();
  char acOld[512];
  ASSERT_NE(getcwd(acOld, sizeof(acOld)), nullptr);
  ASSERT_EQ(chdir(Dir.c_str()), 0);
  SIM_CloseErrorLog();
  LOG_Clear();
  uint32_t Errors = SIM_GetErrorCount();
  uint8_t Box = SIM_SetErrorBox(1);
  SIM_Notice("Function data \"tmp.dat\" refused: checksum wrong (damaged); moved to \"tmp.dat.refused\"");
  SIM_SetErrorBox(Box);
  SIM_CloseErrorLog();
  EXPECT_EQ(SIM_GetErrorCount(), Errors);  // no message box
  EXPECT_NE(SimTest_ReadFile("SimError.log").find("moved to \"tmp.dat.refused\""), std::string::npos);
  EXPECT_NE(_Log().find(":   \x01" "Function data \"tmp.dat\" refused"), std::string::npos) << _Log();
  ASSERT_EQ(chdir(acOld), 0);
}

static uint32_t _Now;
static uint32_t _Clock(void) { return _Now; }

// One band of text lines, scanned from the bottom: the rows with ink, and where red and dark ink lie.
struct INK_BAND {
  int yTop = -1, yBottom = -1;
  int NumRed = 0, NumDark = 0;
  int xFirstRed = 1 << 30, xFirstDark = 1 << 30;
};

static INK_BAND _NextBand(const std::vector<uint32_t>& Pixels, int xSize, int yStart, bool StopAtGap) {
  INK_BAND Band;
  for (int y = yStart; y >= 0; y--) {
    bool Ink = false;
    for (int x = 0; x < xSize; x++) {
      uint32_t c = Pixels[size_t(y) * xSize + x];
      int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
      bool Red = r > 150 && g < 110 && b < 110;
      bool Dark = r < 110 && g < 110 && b < 110;
      if (Red) { Band.NumRed++; Band.xFirstRed = std::min(Band.xFirstRed, x); }
      if (Dark) { Band.NumDark++; Band.xFirstDark = std::min(Band.xFirstDark, x); }
      Ink |= Red || Dark;
    }
    if (Ink && Band.yBottom < 0) Band.yBottom = y;
    if (Ink) Band.yTop = y;
    if (!Ink && Band.yBottom >= 0 && StopAtGap) break;
  }
  return Band;
}

TEST(HostLog, WindowShowsTheNewestLineAtTheBottomWithItsRedPart) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_NE(hMain, nullptr);
  PLAT_HWIN hLog = LOG_GetWindow();
  ASSERT_NE(hLog, nullptr);
  _Now = 0;
  SIM__SetClock(_Clock);
  _Now = 1200;
  std::string Dir = SimTest_MakeTempDir();
  char acOld[512];
  ASSERT_NE(getcwd(acOld, sizeof(acOld)), nullptr);
  ASSERT_EQ(chdir(Dir.c_str()), 0);
  uint8_t Box = SIM_SetErrorBox(0);
  LOG_Clear();
  SIM_ErrorOut("GUI_Alloc:\nBlock already free in _Free().");
  SIM_SetErrorBox(Box);
  SIM__SetClock(nullptr);
  SIM_CloseErrorLog();
  ASSERT_EQ(chdir(acOld), 0);
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  EXPECT_STREQ(acLog, "\n1200:   \x01GUI_Alloc:\nBlock already free in _Free().");
  int xSize, ySize;
  PLAT_GetClientSize(hLog, &xSize, &ySize);
  std::vector<uint32_t> Pixels(size_t(xSize) * ySize);
  ASSERT_EQ(PLAT_GrabWindow(hLog, Pixels.data(), xSize, ySize), 0);
  INK_BAND Last = _NextBand(Pixels, xSize, ySize - 1, true);
  ASSERT_GE(Last.yBottom, ySize * 3 / 4);  // the newest line ends at the bottom
  EXPECT_EQ(Last.NumRed, 0);                // "Block already free ..." in black
  EXPECT_GT(Last.NumDark, 20);
  INK_BAND First = _NextBand(Pixels, xSize, Last.yTop - 1, false);  // all above the last line
  EXPECT_GT(First.NumRed, 20);              // "GUI_Alloc:" in red
  EXPECT_LT(First.xFirstDark, First.xFirstRed);  // after the time prefix in black
}
