// The shared frame-buffer mapping: names, headers, pixels and their bounds, origin, palette, pointer forwarding.
#include <gtest/gtest.h>

#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

#include "GUI.h"
#include "LCDSIM.h"
#include "PLAT_Shm.h"
#include "SIM.h"
#include "SIM_Log.h"
#include "SimTestHost.h"

static uint32_t _U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

static LCDSIM_LAYER_VIEW _View(void) {
  EXPECT_NE(SimTest_StartHost(), nullptr);
  LCDSIM_LAYER_VIEW View;
  EXPECT_EQ(LCDSIM_GetView(0, &View), 0);
  return View;
}

static std::string _LastLogEntry(void) {
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  std::string Log = acLog;
  return Log.substr(Log.rfind("\n") == std::string::npos ? 0 : Log.rfind(":   ") + 4);
}

TEST(LcdSimMapping, TakesTheNextFreeNameAndFreesItOnExit) {
  SimTest_InitPlatform();
  SimTest_StopHost();
  PLAT_SHM Other, Third;
  ASSERT_EQ(PLAT_ShmCreate("PixraLCDMap", 4096, &Other), PLAT_SHM_OK);  // another simulator
  ASSERT_EQ(LCDSIM_PreInit(), 0);
  EXPECT_STREQ(LCDSIM_GetMapName(), "PixraLCDMap_1");
  EXPECT_EQ(PLAT_ShmCreate("PixraLCDMap_1", 4096, &Third), PLAT_SHM_IN_USE);
  LCDSIM_Exit();
  ASSERT_EQ(PLAT_ShmCreate("PixraLCDMap_1", 4096, &Third), PLAT_SHM_OK);  // the name was removed
  ASSERT_EQ(LCDSIM_PreInit(), 0);
  EXPECT_STREQ(LCDSIM_GetMapName(), "PixraLCDMap_2");
  LCDSIM_Exit();
  PLAT_ShmClose(&Third);
  PLAT_ShmClose(&Other);
}

TEST(LcdSimMapping, RefusesToShareWhenEveryNameIsTaken) {
  SimTest_InitPlatform();
  SimTest_StopHost();
  static PLAT_SHM aShm[100];
  char acName[32];
  for (int n = 0; n < 100; n++) {
    if (n == 0) snprintf(acName, sizeof(acName), "PixraLCDMap");
    else snprintf(acName, sizeof(acName), "PixraLCDMap_%d", n);
    ASSERT_EQ(PLAT_ShmCreate(acName, 4096, &aShm[n]), PLAT_SHM_OK);
  }
  EXPECT_EQ(LCDSIM_PreInit(), 1);
  EXPECT_STREQ(LCDSIM_GetMapName(), "");
  // The start-up's display set-up tells the user why the simulator does not start.
  SimTest_Boxes.clear();
  EXPECT_EQ(SIM_InitDisplay(), 1);
  ASSERT_EQ(SimTest_Boxes.size(), 1u);
  EXPECT_EQ(SimTest_Boxes[0].Text,
            "Every simulated display is in use by other simulators.\nClose one of them and start again.");
  EXPECT_EQ(SimTest_Boxes[0].Caption, "MERIDOX Simulator");
  EXPECT_EQ(SimTest_Boxes[0].Style, uint32_t(PLAT_BOX_WARNING));
  EXPECT_EQ(SimTest_Boxes[0].hOwner, nullptr);
  PLAT_ShmClose(&aShm[7]);
  EXPECT_EQ(SIM_InitDisplay(), 0);
  EXPECT_STREQ(LCDSIM_GetMapName(), "PixraLCDMap_7");
  EXPECT_EQ(LCD_GetNumLayers(), 1);  // the GUI library's configuration has run
  EXPECT_EQ(LCD_GetXSizeEx(0), 480);
  EXPECT_EQ(SimTest_Boxes.size(), 1u);
  LCDSIM_Exit();
  for (PLAT_SHM& Shm : aShm) PLAT_ShmClose(&Shm);
}

TEST(LcdSimHeader, DescribesA32BitFrameBufferTopDown) {
  LCDSIM_LAYER_VIEW View = _View();
  const LCDSIM_HEADER* h = View.pHeader;
  const uint8_t* pMap = reinterpret_cast<const uint8_t*>(h);
  EXPECT_EQ(h->XSize, 480);
  EXPECT_EQ(h->YSize, 272);
  EXPECT_EQ(h->VXSize, 480);
  EXPECT_EQ(h->VYSize, 544);
  EXPECT_EQ(h->BitsPerPixel, 16);
  EXPECT_EQ(View.BytesPerLine, 1920);
  EXPECT_EQ(View.pFrameBuffer - pMap, 4096);
  const uint8_t* pBmi = pMap + 256;
  EXPECT_EQ(_U32(pBmi), 40u);
  EXPECT_EQ(int32_t(_U32(pBmi + 4)), 480);
  EXPECT_EQ(int32_t(_U32(pBmi + 8)), -544);
  EXPECT_EQ(pBmi[12], 1);
  EXPECT_EQ(pBmi[14], 32);
  EXPECT_EQ(_U32(pBmi + 16), 0u);
}

TEST(LcdSimPixels, WriteReadAndCountChanges) {
  LCDSIM_LAYER_VIEW View = _View();
  uint32_t Cnt = LCDSIM_GetModifyCnt(0);
  LCDSIM_SetPixelIndex(479, 543, 0x001F, 0);    // red in the display's BGR 5-6-5
  EXPECT_EQ(LCDSIM_GetPixelIndex(479, 543, 0), 0x001F);
  EXPECT_EQ(LCDSIM_GetPixelColor(479, 543, 0), 0xFF0000u);  // bitmap order: red in bits 16-23
  const uint8_t* pPixel = View.pFrameBuffer + 543 * 1920 + 479 * 4;
  EXPECT_EQ(pPixel[0], 0x00);  // blue, green, red, transparency
  EXPECT_EQ(pPixel[2], 0xFF);
  for (int Index : {0x0000, 0xFFFF, 0x07E0, 0xF800, 0x1234}) {
    LCDSIM_SetPixelIndex(1, 1, Index, 0);
    EXPECT_EQ(LCDSIM_GetPixelIndex(1, 1, 0), Index);
  }
  LCDSIM_FillRect(10, 10, 2000, 11, 0x07E0, 0);  // clipped at the visible width
  EXPECT_EQ(LCDSIM_GetPixelIndex(479, 11, 0), 0x07E0);
  EXPECT_EQ(LCDSIM_GetModifyCnt(0) - Cnt, 7u);
}

TEST(LcdSimPixels, RefusesAccessOutsideTheFrameBuffer) {
  LCDSIM_LAYER_VIEW View = _View();
  uint32_t Cnt = LCDSIM_GetModifyCnt(0);
  uint8_t After = View.pFrameBuffer[544 * 1920];  // first byte behind the buffer
  LCDSIM_SetPixelIndex(0, 544, 0xFFFF, 0);
  EXPECT_EQ(View.pFrameBuffer[544 * 1920], After);
  EXPECT_EQ(_LastLogEntry(), "\x01LCDSIM:\nIllegal frame buffer address in _XY2PTR_DWORD.");
  LCDSIM_SetPixelIndex(-1, 0, 0xFFFF, 0);
  int Next = LCDSIM_GetPixelIndex(0, 1, 0);
  LCDSIM_SetPixelIndex(480, 0, Next ^ 0xFFFF, 0);  // would wrap into the next line
  EXPECT_EQ(LCDSIM_GetPixelIndex(0, 1, 0), Next);
  LCDSIM_SetPixelIndex(0x7FFFFFFF, 0x7FFFFFFF, 1, 0);
  EXPECT_EQ(LCDSIM_GetModifyCnt(0), Cnt);
  LCDSIM_CopyBuffer(0, 0, 2);  // a third buffer does not exist
  EXPECT_EQ(LCDSIM_GetModifyCnt(0), Cnt);
}

TEST(LcdSimBuffers, CopyAndShowBuffers) {
  _View();
  LCDSIM_FillRect(0, 0, 479, 271, 0x001F, 0);
  LCDSIM_CopyBuffer(0, 0, 1);
  EXPECT_EQ(LCDSIM_GetPixelIndex(5, 272 + 5, 0), 0x001F);
  LCDSIM_ShowBuffer(0, 1);
  LCDSIM_LAYER_VIEW View = _View();
  EXPECT_EQ(View.pHeader->yOrg, 272);
  LCDSIM_SetOrg(0, 0, 0);
}

TEST(LcdSimOrigin, AcceptsTheLastBufferAndReportsBeyond) {
  LCDSIM_LAYER_VIEW View = _View();
  LCDSIM_SetOrg(0, 272, 0);
  EXPECT_EQ(View.pHeader->yOrg, 272);
  uint32_t Cnt = LCDSIM_GetModifyCnt(0);
  LCDSIM_SetOrg(0, 273, 0);
  EXPECT_EQ(View.pHeader->yOrg, 272);
  EXPECT_EQ(LCDSIM_GetModifyCnt(0), Cnt);
  EXPECT_EQ(_LastLogEntry(), "\x01LCDSIM - GUI_SetOrg() failed.\n\nThe desired Y position of 273 exceeds the maximum\n"
                             "value of LDC_VYSIZE - LCD_YSIZE = 272");
  LCDSIM_SetOrg(1, 0, 0);
  EXPECT_EQ(View.pHeader->xOrg, 0);
  LCDSIM_SetOrg(0, 0, 0);
}

// Through the GUI library's driver: each palette, alpha, visibility, position and buffer-copy operation raises the
// change counter by one, and a refused origin leaves it.
TEST(LcdSimOrigin, EachAcceptedOperationCountsOnce) {
  LCDSIM_LAYER_VIEW View = _View();
  auto Step = [](const char* What, auto f, uint32_t Expected) {
    uint32_t Cnt = LCDSIM_GetModifyCnt(0);
    f();
    EXPECT_EQ(LCDSIM_GetModifyCnt(0) - Cnt, Expected) << What;
  };
  Step("palette", [] { LCD_SetLUTEntryEx(0, 3, 0x123456); }, 1);
  Step("alpha", [] { LCD_SetAlphaEx(0, 40); }, 1);
  Step("visibility", [] { LCD_SetVisEx(0, 1); }, 1);
  Step("position", [] { LCD_SetPosEx(0, 0, 0); }, 1);
  Step("buffer copy", [] { LCD_CopyBufferEx(0, 0, 1); }, 1);
  Step("origin", [] { GUI_SetOrg(0, 272); }, 1);
  Step("refused origin", [] { GUI_SetOrg(0, 273); }, 0);
  EXPECT_EQ(View.pHeader->yOrg, 272);
  GUI_SetOrg(0, 0);
  LCD_SetAlphaEx(0, 0);
}

TEST(LcdSimPalette, TintsBetweenTheDarkAndTheLightEnd) {
  LCDSIM_LAYER_VIEW View = _View();
  const uint8_t* pEntry = reinterpret_cast<const uint8_t*>(View.pHeader) + 296 + 4 * 20;
  uint32_t Lut = LCDSIM_GetLUTModifyCnt();
  LCDSIM_SetLUTEntry(20, 0x123456, 0);
  EXPECT_EQ(pEntry[0], 0x12);  // blue, green, red
  EXPECT_EQ(pEntry[1], 0x34);
  EXPECT_EQ(pEntry[2], 0x56);
  EXPECT_EQ(View.pHeader->LUTModifyCnt, Lut + 1);
  EXPECT_EQ(SIM_SetLCDTintDark(1, 0x202020), 0u);  // other layers: no change
  SIM_SetLCDTintDark(0, 0x202020);
  SIM_SetLCDTintLight(0, 0xE0E0E0);
  LCDSIM_SetLUTEntry(20, 0xFFFFFF, 0);
  EXPECT_EQ(pEntry[0], 224);
  EXPECT_EQ(pEntry[2], 224);
  LCDSIM_SetLUTEntry(20, 0x000000, 0);
  EXPECT_EQ(pEntry[1], 32);
  EXPECT_EQ(SIM_SetLCDTintDark(0, 0), 0x202020u);
  EXPECT_EQ(SIM_SetLCDTintLight(0, 0xFFFFFF), 0xE0E0E0u);
}

TEST(LcdSimPointer, ForwardsChangesAndTracksSwipes) {
  _View();
  LCDSIM_SetPID(-1, -1, 0, 0);
  GUI_POINTER__Clear();
  LCDSIM_SetPID(10, 20, 1, 0);  // press
  EXPECT_EQ(SIM_PointerMoved, 0);
  LCDSIM_ForwardPID(0);         // nothing new
  LCDSIM_SetPID(12, 20, 1, 0);  // move while pressed
  EXPECT_EQ(SIM_PointerMoved, 1);
  LCDSIM_SetPID(12, 20, 0, 0);  // release
  EXPECT_EQ(SIM_PointerMoved, 1);
  GUI_POINTER_STATE Mouse, Touch;
  GUI_MOUSE_GetState(&Mouse);
  GUI_TOUCH_GetState(&Touch);
  EXPECT_EQ(Mouse.x, 12);
  EXPECT_EQ(Mouse.Pressed, 0);
  EXPECT_EQ(Touch.x, -1);  // a released touch has no position
  LCDSIM_SetPID(12, 20, 1, 0);  // next press
  EXPECT_EQ(SIM_PointerMoved, 0);
  int NumStates = 0;
  GUI_POINTER_STATE State;
  while (!GUI_POINTER_IsEmpty()) {
    GUI_POINTER_GetState(&State);
    NumStates++;
  }
  EXPECT_EQ(NumStates, 6);  // the ring keeps the newest six of the mouse's and the touch's eight states
  EXPECT_EQ(State.x, 12);
  EXPECT_EQ(State.Pressed, 1);
  LCDSIM_SetPID(-1, -1, 0, 0);
}

TEST(LcdSimMapping, TakesOverANameLeftBehindByADeadProcess) {
  SimTest_InitPlatform();
  pid_t Child = fork();
  ASSERT_GE(Child, 0);
  if (Child == 0) {
    PLAT_SHM Shm;
    _exit(PLAT_ShmCreate("Leftover", 4096, &Shm) == PLAT_SHM_OK ? 0 : 1);  // dies without cleaning up
  }
  int Status = 0;
  ASSERT_EQ(waitpid(Child, &Status, 0), Child);
  ASSERT_EQ(WEXITSTATUS(Status), 0);
  PLAT_SHM Shm;
  EXPECT_EQ(PLAT_ShmCreate("Leftover", 4096, &Shm), PLAT_SHM_OK);
  PLAT_SHM Second;
  EXPECT_EQ(PLAT_ShmCreate("Leftover", 4096, &Second), PLAT_SHM_IN_USE);  // a live owner keeps it
  PLAT_ShmClose(&Shm);
}

TEST(LcdSimHeader, CompositeSettingsMadeBeforeTheLayerExistReachTheHeader) {
  SimTest_InitPlatform();
  SimTest_StopHost();
  SIM_SetCompositeSize(320, 200);
  SIM_SetCompositeColor(0x123456);
  LCDSIM_LAYER_VIEW View = _View();
  EXPECT_EQ(View.pHeader->xSizeComposite, 320);
  EXPECT_EQ(View.pHeader->ySizeComposite, 200);
  EXPECT_EQ(View.pHeader->CompositeColor, 0x123456u);
  SIM_SetCompositeSize(0, 0);
  SIM_SetCompositeColor(0);
}
