// The LCD window: what the application thread draws appears 1:1 and magnified once the change counter has been
// polled; mouse input becomes pointer states in display coordinates; keys become GUI keys; drops load by type.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "APP_Hooks.h"
#include "DSG_Design.h"
#include "GUI.h"
#include "LCDSIM.h"
#include "PLAT_Thread.h"
#include "SIM.h"
#include "SIM_Log.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"
#include "WM_Hooks.h"

static PLAT_HEVENT _hDrawn;

// Draws a pattern through the GUI library, then idles like an application.
static void _DrawingTask(void) {
  SimTest_DrawOnTheBareDisplay();
  GUI_SetBkColor(GUI_BLACK);
  GUI_Clear();
  GUI_SetColor(GUI_RED);
  GUI_FillRect(10, 20, 109, 69);
  GUI_SetColor(GUI_GREEN);
  GUI_FillRect(200, 100, 201, 101);  // 2 x 2
  GUI_SetColor(GUI_BLUE);
  GUI_DrawPixel(479, 271);           // the last pixel
  GUI_SetColor(0x808040);
  GUI_DrawRect(300, 150, 420, 250);
  PLAT_SetEvent(_hDrawn);
  for (;;) SIM_Delay(10);
}

// Polls twice as the 20 ms timer would, lets the paint happen, and grabs what the window shows.
static std::vector<uint32_t> _PollAndGrab(PLAT_HWIN hLCD, int xSize, int ySize) {
  for (int i = 0; i < 2; i++) {
    PLAT_SendMessage(hLCD, PLAT_MSG_TIMER, 0, 0);
    PLAT_ProcessEvents();
  }
  std::vector<uint32_t> Pixels(size_t(xSize) * ySize);
  EXPECT_EQ(PLAT_GrabWindow(hLCD, Pixels.data(), xSize, ySize), 0);
  return Pixels;
}

static void _ExpectSamePixels(const std::vector<uint32_t>& Grab, int Mag) {
  LCDSIM_LAYER_VIEW View;
  ASSERT_EQ(LCDSIM_GetView(0, &View), 0);
  int Bad = 0;
  for (int y = 0; y < 272 * Mag && Bad < 5; y++) {
    for (int x = 0; x < 480 * Mag && Bad < 5; x++) {
      uint32_t Want = 0xFF000000u | (LCDSIM_GetPixelColor(x / Mag, y / Mag, 0) & 0xFFFFFF);
      uint32_t Got = Grab[size_t(y) * 480 * Mag + x];
      if (Want != Got) {
        ADD_FAILURE() << "zoom " << Mag << " pixel " << x << "," << y << ": " << std::hex << Got << " != " << Want;
        Bad++;
      }
    }
  }
}

TEST(LcdWindow, ShowsWhatTheApplicationDrawsAtZoomOneAndTwo) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_NE(hMain, nullptr);
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  PLAT_ShowWindow(hMain, 1);
  PLAT_ProcessEvents();
  _hDrawn = PLAT_CreateEvent(1, 0);
  SIM_SetDelayHook(SIM__DelayHook);
  SIM_SetIdleHook(SIM__IdleHook);
  SIM_SetAppTask(_DrawingTask);
  SIM_StartApp();
  ASSERT_EQ(PLAT_WaitEvent(_hDrawn, 10000), 0);
  std::vector<uint32_t> Grab = _PollAndGrab(hLCD, 480, 272);
  EXPECT_EQ(Grab[25 * 480 + 15], 0xFFFF0000u);
  EXPECT_EQ(Grab[271 * 480 + 479], 0xFF0000FFu);
  _ExpectSamePixels(Grab, 1);
  SIM_SetMag(2, 2);
  PLAT_MoveWindow(hLCD, 0, 0, 960, 544);
  PLAT_SetClientSize(PLAT_GetParent(hLCD), 960, 544);   // its LCD frame, above the colour frame
  PLAT_RaiseWindow(PLAT_GetParent(hLCD));
  PLAT_SetClientSize(hMain, 1200, 700);
  PLAT_ProcessEvents();
  Grab = _PollAndGrab(hLCD, 960, 544);
  _ExpectSamePixels(Grab, 2);
  EXPECT_EQ(SIM_StopApp(), 0);
  SIM_SetMag(1, 1);
  SIM_SetAppTask(nullptr);
  PLAT_DeleteEvent(_hDrawn);
  SimTest_StopHost();  // the frames were moved, resized and raised: later tests get the host as it starts
}

// Sends one mouse message and answers the mouse state that the GUI library then holds.
static GUI_POINTER_STATE _Mouse(PLAT_HWIN hLCD, uint32_t Msg, int x, int y, uint32_t Buttons) {
  PLAT_InjectMouse(hLCD, Msg, x, y, Buttons);
  GUI_POINTER_STATE State;
  GUI_MOUSE_GetState(&State);
  return State;
}

TEST(LcdWindow, APixelSetStraightIntoTheWindowShowsUntilTheWindowRepaints) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_NE(hMain, nullptr);
  PLAT_ShowWindow(hMain, 0);  // grabbed, a hidden window is painted afresh
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  // The poll catches up with what was drawn before, so that its next turn, whenever a loaded machine lets it come,
  // finds nothing new to repaint over the pixel.
  PLAT_SendMessage(hLCD, PLAT_MSG_TIMER, 0, 0);
  PLAT_ProcessEvents();
  std::vector<uint32_t> Before(480 * 272), Grab(480 * 272);
  ASSERT_EQ(PLAT_GrabWindow(hLCD, Before.data(), 480, 272), 0);
  ASSERT_NE(Before[34 * 480 + 12], 0xFF123456u);
  SIM_SetPixelLCD(12, 34, 0x123456);
  SIM_SetPixelLCD(480, 0, 0x123456);  // outside: nothing
  PLAT_ProcessEvents();
  ASSERT_EQ(PLAT_GrabWindow(hLCD, Grab.data(), 480, 272), 0);
  EXPECT_EQ(Grab[34 * 480 + 12], 0xFF123456u);
  Grab[34 * 480 + 12] = Before[34 * 480 + 12];
  EXPECT_TRUE(Grab == Before);  // no other pixel changed
  PLAT_Invalidate(hLCD, 0);     // as the poll does when the display changed: the layer is drawn over it
  PLAT_ProcessEvents();
  ASSERT_EQ(PLAT_GrabWindow(hLCD, Grab.data(), 480, 272), 0);
  EXPECT_TRUE(Grab == Before);
}

TEST(LcdWindow, MouseBecomesPointerStatesInDisplayCoordinates) {
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  SIM_SetMag(2, 2);
  GUI_POINTER_STATE s = _Mouse(hLCD, PLAT_MSG_LEFTDOWN, 101, 51, PLAT_BTN_LEFT);
  EXPECT_EQ(s.x, 50);
  EXPECT_EQ(s.y, 25);
  EXPECT_EQ(s.Pressed, 1);
  s = _Mouse(hLCD, PLAT_MSG_MOUSEMOVE, -1, 51, PLAT_BTN_LEFT);  // truncates toward zero
  EXPECT_EQ(s.x, 0);
  s = _Mouse(hLCD, PLAT_MSG_MOUSEMOVE, 965, 51, PLAT_BTN_LEFT);  // right of the display
  EXPECT_EQ(s.x, -1);
  EXPECT_EQ(s.y, -1);
  s = _Mouse(hLCD, PLAT_MSG_LEFTUP, 965, 51, 0);
  EXPECT_EQ(s.Pressed, 0);
  s = _Mouse(hLCD, PLAT_MSG_MOUSEMOVE, 20, 20, PLAT_BTN_LEFT | PLAT_BTN_MIDDLE);
  EXPECT_EQ(s.Pressed, 5);
  s = _Mouse(hLCD, PLAT_MSG_LEFTDOUBLE, 20, 20, PLAT_BTN_LEFT);
  EXPECT_EQ(s.Pressed, 128);
  EXPECT_EQ(s.x, 10);
  SIM_SetMag(1, 1);
  LCDSIM_LAYER_VIEW View;
  ASSERT_EQ(LCDSIM_GetView(0, &View), 0);
  EXPECT_EQ(View.pHeader->PIDButtons, 128);
  EXPECT_EQ(View.pHeader->PIDx, 10);
}

TEST(LcdWindow, KeysOfTheMainWindowBecomeGuiKeys) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_NE(hMain, nullptr);
  SimTest_TakeKeys();
  SimTest_Keys.clear();
  PLAT_InjectKey(hMain, PLAT_VK_UP, "", 0, 1);
  PLAT_InjectKey(hMain, PLAT_VK_UP, "", 0, 0);
  PLAT_InjectKey(hMain, PLAT_VK_TAB, "\t", 1, 1);
  PLAT_InjectKey(hMain, PLAT_VK_TAB, "\t", 0, 1);
  PLAT_InjectKey(hMain, PLAT_VK_ENTER, "\r", 0, 1);
  PLAT_InjectKey(hMain, PLAT_VK_F1, "", 0, 1);
  PLAT_InjectKey(hMain, PLAT_VK_CONTROL, "", 0, 1);
  PLAT_InjectKey(hMain, PLAT_VK_ALT, "", 0, 1);
  PLAT_InjectKey(hMain, PLAT_VK_SHIFT, "", 1, 1);
  PLAT_InjectKey(hMain, 'A', "a", 0, 1);
  PLAT_InjectKey(hMain, 0, "\xC3\xA4", 0, 1);  // a-umlaut of a German keyboard: its Latin-1 code
  SimTest_TakeKeys();
  PLAT_InjectKey(hMain, 'A', "``", 0, 1);  // a dead key that gives two characters
  SimTest_TakeKeys();
  // Keys without a character give their own codes.
  for (uint32_t VirtKey : {PLAT_VK_CAPSLOCK, PLAT_VK_NUMLOCK, PLAT_VK_APPS, PLAT_VK_LWIN}) {
    PLAT_InjectKey(hMain, VirtKey, "", 0, 1);
    PLAT_InjectKey(hMain, VirtKey, "", 0, 0);
  }
  SimTest_TakeKeys();
  std::vector<std::pair<int, int>> Want = {{17, 1}, {17, 0}, {10, 1}, {9, 1}, {13, 1}, {112, 1}, {25, 1},
                                           {'a', 1}, {0xE4, 1}, {'A', 1}, {20, 1}, {20, 0}, {144, 1}, {144, 0},
                                           {93, 1}, {93, 0}, {91, 1}, {91, 0}};
  ASSERT_EQ(SimTest_Keys.size(), Want.size());
  for (size_t i = 0; i < Want.size(); i++) {
    EXPECT_EQ(SimTest_Keys[i].Key, Want[i].first) << i;
    EXPECT_EQ(SimTest_Keys[i].Pressed, Want[i].second) << i;
  }
}

// A typed character reaches the GUI as itself, whatever code a key without a character has: "%" is no left arrow,
// "&" no up arrow, "#" no End. The keys without a character keep their codes.
TEST(LcdWindow, EveryTypedCharacterReachesTheGuiAsItself) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_NE(hMain, nullptr);
  SimTest_TakeKeys();
  SimTest_Keys.clear();
  std::vector<std::pair<int, int>> Want;
  for (int c = 0x20; c <= 0xFF; c++) {
    if (c >= 0x7F && c < 0xA0) continue;  // no printable character there
    char acText[3];
    if (c < 0x80) {
      acText[0] = char(c);
      acText[1] = 0;
    } else {
      acText[0] = char(0xC0 | (c >> 6));
      acText[1] = char(0x80 | (c & 0x3F));
      acText[2] = 0;
    }
    PLAT_InjectKey(hMain, 0, acText, 0, 1);
    PLAT_InjectKey(hMain, 0, acText, 0, 0);
    SimTest_TakeKeys();  // the key buffer holds a few messages only
    Want.push_back({c, 1});
    Want.push_back({c, 0});
  }
  struct {
    uint32_t VirtKey;
    const char* pText;
    int Key;
  } aNamed[] = {{PLAT_VK_LEFT, "", 16},   {PLAT_VK_UP, "", 17},       {PLAT_VK_RIGHT, "", 18},
                {PLAT_VK_DOWN, "", 19},   {PLAT_VK_HOME, "", 23},     {PLAT_VK_END, "", 24},
                {PLAT_VK_INSERT, "", 29}, {PLAT_VK_DELETE, "\x7f", 30}, {PLAT_VK_PAGEUP, "", 33},
                {PLAT_VK_PAGEDOWN, "", 34}};
  for (auto& Named : aNamed) {
    PLAT_InjectKey(hMain, Named.VirtKey, Named.pText, 0, 1);
    PLAT_InjectKey(hMain, Named.VirtKey, Named.pText, 0, 0);
    SimTest_TakeKeys();
    Want.push_back({Named.Key, 1});
    Want.push_back({Named.Key, 0});
  }
  ASSERT_EQ(SimTest_Keys.size(), Want.size());
  for (size_t i = 0; i < Want.size(); i++) {
    EXPECT_EQ(SimTest_Keys[i].Key, Want[i].first) << "key " << i / 2 << (i % 2 ? " released" : " pressed");
    EXPECT_EQ(SimTest_Keys[i].Pressed, Want[i].second) << i;
  }
}

static void _WriteFile(const std::string& Path, const std::string& Bytes) {
  FILE* pFile = fopen(Path.c_str(), "wb");
  ASSERT_NE(pFile, nullptr);
  fwrite(Bytes.data(), 1, Bytes.size(), pFile);
  fclose(pFile);
}

static std::string _LogText(void) {
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  return acLog;
}

// An overview page without elements and without a payload: its 16-byte header alone.
static const std::string _EmptyPage("q7f\0\0\0\0\0\0\0\xC0\0\0\0\0\0", 16);

TEST(LcdWindow, DroppedOverviewPageSetsThePagesFolder) {
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  std::string Dir = SimTest_MakeTempDir();
  ASSERT_EQ(mkdir((Dir + "/Pages").c_str(), 0755), 0);
  std::string Page = Dir + "/Pages/3.Q7F";
  _WriteFile(Page, _EmptyPage);
  snprintf(SIM_UserFolder, sizeof(SIM_UserFolder), "%s", Dir.c_str());
  LOG_Clear();
  const char* apPath[] = {Page.c_str(), "/data/x.txt"};
  PLAT_InjectDrop(hLCD, apPath, 2);
  EXPECT_EQ(SIM_PagesFolder, Dir + "/Pages");
  EXPECT_EQ(SimTest_ReadFile(Dir + "/q7f.txt"), Dir + "/Pages");
  std::string Log = _LogText();
  EXPECT_NE(Log.find(":   \nOverview page file " + Page + " loaded: 0 elements;"), std::string::npos) << Log;
}

static std::string _Refused;
static void _ReportLoadError(int Status, const char* sPath) { _Refused = sPath; }

TEST(LcdWindow, DroppedFunctionDataIsLoadedWhateverTheCase) {
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  std::string Dir = SimTest_MakeTempDir();
  std::string Path = Dir + "/Anlage.DAT";
  FILE* pFile = fopen(Path.c_str(), "wb");
  ASSERT_NE(pFile, nullptr);
  fputs("not function data", pFile);
  fclose(pFile);
  auto* pfHostReport = APP_UiHooks.pfReportLoadError;
  APP_UiHooks.pfReportLoadError = _ReportLoadError;
  const char* apPath[] = {Path.c_str()};
  PLAT_InjectDrop(hLCD, apPath, 1);
  APP_UiHooks.pfReportLoadError = pfHostReport;
  EXPECT_EQ(_Refused, Path);  // it reached the loader, which refused it loudly
}

TEST(LcdWindow, ARefusedFunctionDataFileIsReportedWithItsReason) {
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  std::string Path = SimTest_MakeTempDir() + "/Plant.dat";
  FILE* pFile = fopen(Path.c_str(), "wb");
  ASSERT_NE(pFile, nullptr);
  fputs("not function data", pFile);
  fclose(pFile);
  LOG_Clear();
  const char* apPath[] = {Path.c_str()};
  PLAT_InjectDrop(hLCD, apPath, 1);
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  std::string Log = acLog;
  EXPECT_NE(Log.find("Function data file " + Path + " refused: "), std::string::npos) << Log;
  EXPECT_NE(Log.find("; nothing was changed."), std::string::npos) << Log;
}

TEST(LcdWindow, DroppedDesignAndBrandingFilesAreReportedInTheLog) {
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  int Started = UI_StartupDone;
  UI_StartupDone = 0;  // nothing can be drawn yet: nothing is loaded
  LOG_Clear();
  const char* apPath[] = {"/data/Look.Q7D", "/data/Look.q7b"};
  PLAT_InjectDrop(hLCD, apPath, 2);
  UI_StartupDone = Started;
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  std::string Log = acLog;
  size_t Design = Log.find("Design file /data/Look.Q7D refused: the controller is not running; nothing was changed.");
  size_t Branding =
      Log.find("Branding file /data/Look.q7b refused: the controller is not running; nothing was changed.");
  EXPECT_NE(Design, std::string::npos) << Log;
  EXPECT_NE(Branding, std::string::npos) << Log;
  EXPECT_LT(Design, Branding);  // in drop order
}

// Design, branding and page files that are empty, cut short or random bytes: each is reported the way a refused
// function-data file is, in the log (red), in the error log and in a warning box, with the reason; the pages
// folder stays.
TEST(LcdWindow, RefusedDesignBrandingAndPageFilesAreReportedWithTheirReason) {
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  std::string Dir = SimTest_MakeTempDir();
  std::string Empty = Dir + "/Empty.q7d", Cut = Dir + "/Cut.q7b", Noise = Dir + "/3.q7f";
  _WriteFile(Empty, "");
  std::string Branding(32, '\0');
  Branding.replace(0, 4, std::string("q7b\0", 4));
  Branding[4] = 100;  // a background of 100 bytes, which the file does not hold
  _WriteFile(Cut, Branding);
  std::string Random;
  for (uint32_t x = 12345, i = 0; i < 300; i++) Random += char((x = x * 1103515245u + 12345u) >> 24);
  _WriteFile(Noise, Random);
  snprintf(SIM_PagesFolder, sizeof(SIM_PagesFolder), "%s", "/before");
  SIM_CloseErrorLog();
  remove("SimError.log");  // the test host works in a folder of its own
  LOG_Clear();
  SimTest_Boxes.clear();
  uint8_t Box = SIM_SetErrorBox(1);
  int Started = UI_StartupDone;
  UI_StartupDone = 1;
  const char* apPath[] = {Empty.c_str(), Cut.c_str(), Noise.c_str()};
  PLAT_InjectDrop(hLCD, apPath, 3);
  DSG_ServeRequests();   // the application thread's pass, which loads the design and branding files
  PLAT_ProcessEvents();  // the boxes, which are posted to the main thread
  UI_StartupDone = Started;
  SIM_SetErrorBox(Box);
  SIM_CloseErrorLog();
  const std::string Want[] = {
      "Design file " + Empty + " refused: the file has 0 bytes, fewer than its 256-byte text header; nothing was changed.",
      "Branding file " + Cut + " refused: it ends after 32 of the 132 bytes its header announces; nothing was changed.",
      "Overview page file " + Noise + " refused: it is not an overview page; nothing was changed."};
  std::string Log = _LogText(), ErrorLog = SimTest_ReadFile("SimError.log");
  std::vector<std::string> Boxes = SimTest_BoxTexts();
  for (const std::string& w : Want) {
    EXPECT_NE(Log.find(":   \x01" + w), std::string::npos) << Log;
    EXPECT_NE(ErrorLog.find("\r\n" + w), std::string::npos) << ErrorLog;
    EXPECT_EQ(std::count(Boxes.begin(), Boxes.end(), w), 1) << w;
  }
  EXPECT_EQ(Boxes.size(), 3u);
  EXPECT_STREQ(SIM_PagesFolder, "/before");
}

TEST(PlatformRegions, OutlineIsTheUnionOfItsRectangles) {
  SimTest_InitPlatform();
  PLAT_HREGION hRegion = PLAT_CreateRegion(0, 0, 10, 1);
  PLAT_HREGION hLine = PLAT_CreateRegion(0, 0, 1, 10);
  EXPECT_EQ(PLAT_UniteRegion(hRegion, hLine), 0);
  PLAT_MoveRegion(hRegion, 5, 5);
  EXPECT_TRUE(PLAT_RegionContains(hRegion, 14, 5));
  EXPECT_TRUE(PLAT_RegionContains(hRegion, 5, 14));
  EXPECT_FALSE(PLAT_RegionContains(hRegion, 6, 6));   // the hole between the two lines
  EXPECT_FALSE(PLAT_RegionContains(hRegion, 15, 5));  // right edges are exclusive
  PLAT_CREATE Create = {"Shaped", "Shaped", nullptr, nullptr, 0, 0, 40, 40, PLAT_STYLE_POPUP, 0, 0};
  PLAT_HWIN hWin = PLAT_CreateWindow(&Create);
  ASSERT_NE(hWin, nullptr);
  EXPECT_EQ(PLAT_GetWindowShape(hWin), nullptr);
  PLAT_SetWindowShape(hWin, hRegion);
  PLAT_HREGION hCopy = PLAT_GetWindowShape(hWin);
  ASSERT_NE(hCopy, nullptr);
  EXPECT_TRUE(PLAT_RegionContains(hCopy, 5, 14));
  EXPECT_FALSE(PLAT_RegionContains(hCopy, 6, 6));
  PLAT_DeleteRegion(hCopy);
  PLAT_DeleteRegion(hLine);
  PLAT_DeleteRegion(hRegion);
  PLAT_DestroyWindow(hWin);
  PLAT_ProcessEvents();
}

TEST(LcdWindow, WheelNotchesOverTheDisplayReachTheWindowManager) {
  PLAT_HWIN hLCD = SimTest_GetLCDWindow();
  ASSERT_NE(hLCD, nullptr);
  SIM_WheelDelta = 0;
  PLAT_InjectMouse(hLCD, PLAT_MSG_WHEEL, 10, 10, uint32_t(120) << 16);
  EXPECT_EQ(SIM_WheelDelta.load(), 1);
  PLAT_InjectMouse(hLCD, PLAT_MSG_WHEEL, 10, 10, uint32_t(uint16_t(-60)) << 16);
  EXPECT_EQ(SIM_WheelDelta.load(), 1);  // less than a notch
  PLAT_InjectMouse(hLCD, PLAT_MSG_WHEEL, 10, 10, uint32_t(uint16_t(-240)) << 16);
  EXPECT_EQ(SIM_WheelDelta.load(), -1);
  SIM_WheelDelta = 0;
}
