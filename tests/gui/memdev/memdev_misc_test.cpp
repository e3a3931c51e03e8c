// Measuring device, automatic device, banding without windows, anti-aliasing devices, perspective drawing
// and punch-out.
#include <cstring>
#include <vector>

#include "memdev_fixture.h"

namespace {

class MiscTest : public MemdevTest {
 protected:
  static U16 C2I(GUI_COLOR c) { return (U16)LCD_aColorConvAPI[LCD_CC_BGR565].pfColor2Index(c); }
};

TEST_F(MiscTest, MeasuringCollectsTheBoundingRectangle) {
  GUI_HMEM h = GUI_MEASDEV_Create();
  GUI_RECT r;
  GUI_MEASDEV_GetRect(h, &r);
  EXPECT_EQ(r.x0, 16383);
  EXPECT_EQ(r.x1, -16383);
  GUI_MEASDEV_Select(h);
  GUI_FillRect(10, 20, 30, 40);
  GUI_DrawPixel(5, 50);
  GUI_MEASDEV_GetRect(h, &r);
  EXPECT_EQ((std::vector<int>{r.x0, r.y0, r.x1, r.y1}), (std::vector<int>{5, 20, 30, 50}));
  GUI_MEASDEV_ClearRect(h);
  static const U8 aBits[4] = {0xFF, 0xFF, 0xFF, 0xFF};
  GUI_Lock();
  LCD_DrawBitmap(100, 100, 8, 4, 1, 1, 1, 1, aBits, nullptr);
  GUI_Unlock();
  GUI_MEASDEV_GetRect(h, &r);
  EXPECT_EQ((std::vector<int>{r.x0, r.y0, r.x1, r.y1}), (std::vector<int>{100, 100, 107, 103}));
  GUI_MEASDEV_GetRect(h, nullptr);
  GUI_MEASDEV_Delete(h);
  EXPECT_EQ(GUI_GetSelectedDevice(), 0);
  EXPECT_EQ(Chain(), std::vector<int>{DEVICE_CLASS_DRIVER});
}

int _Factor3(void) { return 3; }

TEST_F(MiscTest, MeasuredPolygonsComeBackInPixels) {
  GUI_HMEM h = GUI_MEASDEV_Create();
  GUI_DEVICE* pDevice = *(GUI_DEVICE**)GUI_ALLOC_h2p(h);
  static const GUI_POINT aPoints[] = {{7, 7}, {13, 7}, {13, 13}, {7, 13}};
  typedef void tfFill(GUI_DEVICE*, const GUI_POINT*, int, int, int);
  GUI_DEVICE* p = pDevice;
  auto pfPlain = (tfFill*)pDevice->pDeviceAPI->pfGetDevFunc(&p, 17);
  auto pfAA = (tfFill*)pDevice->pDeviceAPI->pfGetDevFunc(&p, 18);
  ASSERT_TRUE(pfPlain && pfAA);
  GUI_RECT r;
  pfPlain(pDevice, aPoints, 4, 100, 0);
  GUI_MEASDEV_GetRect(h, &r);
  EXPECT_EQ((std::vector<int>{r.x0, r.y0, r.x1, r.y1}), (std::vector<int>{107, 7, 113, 13}));
  GUI_MEASDEV_ClearRect(h);
  GUI_MEASDEV__SetAAFactorHook(_Factor3);
  pfAA(pDevice, aPoints, 4, 0, 0);
  GUI_MEASDEV__SetAAFactorHook(nullptr);
  GUI_MEASDEV_GetRect(h, &r);
  EXPECT_EQ((std::vector<int>{r.x0, r.y0, r.x1, r.y1}), (std::vector<int>{2, 2, 5, 5}));
  GUI_MEASDEV_Delete(h);
}

struct Mover {
  GUI_AUTODEV_INFO Info;
  int x;
  int Calls = 0;
};

void DrawMover(void* p) {
  Mover* m = (Mover*)p;
  m->Calls++;
  if (m->Info.DrawFixed) GUI_FillRect(0, 0, 5, 5);
  GUI_FillRect(m->x, 10, m->x + 10, 20);
}

TEST_F(MiscTest, AutoDeviceRedrawsWhatMovingPartsTouched) {
  GUI_AUTODEV Auto;
  Mover m{};
  m.x = 10;
  GUI_MEMDEV_CreateAuto(&Auto);
  EXPECT_EQ(GUI_MEMDEV_DrawAuto(&Auto, &m.Info, DrawMover, &m), 0);
  EXPECT_EQ((std::vector<int>{Auto.rView.x0, Auto.rView.y0, Auto.rView.x1, Auto.rView.y1}),
            (std::vector<int>{0, 0, 20, 20}));
  m.x = 30;
  EXPECT_EQ(GUI_MEMDEV_DrawAuto(&Auto, &m.Info, DrawMover, &m), 0);
  EXPECT_EQ((std::vector<int>{Auto.rView.x0, Auto.rView.y0, Auto.rView.x1, Auto.rView.y1}),
            (std::vector<int>{10, 10, 40, 20}));
  EXPECT_EQ(LCD_GetPixelIndex(35, 15), C2I(GUI_WHITE));
  EXPECT_EQ(Chain(), std::vector<int>{DEVICE_CLASS_DRIVER});
}

struct BandLog {
  std::vector<int> Top, Height;
};

void LogBand(void* p) {
  BandLog* l = (BandLog*)p;
  l->Top.push_back(GUI_MEMDEV_GetYPos(0));
  l->Height.push_back(GUI_MEMDEV_GetYSize(0));
  GUI_FillRect(0, 0, 479, 271);
}

TEST_F(MiscTest, BandsCoverTheAreaAndGiveTheSelectionBack) {
  GUI_RECT r = {0, 0, 99, 99};
  BandLog Log;
  GUI_HMEM hCaller = GUI_MEMDEV_Create(0, 0, 5, 5);
  GUI_MEMDEV_Select(hCaller);
  EXPECT_EQ(GUI_MEMDEV_Draw(&r, LogBand, &Log, 40, 0), 0);
  EXPECT_EQ(Log.Top, (std::vector<int>{0, 40, 80}));
  EXPECT_EQ(Log.Height, (std::vector<int>{40, 40, 20}));
  EXPECT_EQ(GUI_GetSelectedDevice(), hCaller);
  GUI_MEMDEV_Select(0);
  GUI_MEMDEV_Delete(hCaller);
  EXPECT_EQ(Display(99, 99), C2I(GUI_WHITE));
  EXPECT_NE(Display(100, 99), C2I(GUI_WHITE));
  BandLog Left;
  GUI_RECT rLeft = {-50, 0, -1, 10};
  EXPECT_EQ(GUI_MEMDEV_Draw(&rLeft, LogBand, &Left, 0, 0), 0);
  EXPECT_TRUE(Left.Top.empty());
}

TEST_F(MiscTest, BandingWithoutMemoryDrawsDirectly) {
  BandLog Log;
  GUI_ALLOC__FailNth(1);
  GUI_RECT r = {0, 0, 9, 9};
  EXPECT_EQ(GUI_MEMDEV_Draw(&r, LogBand, &Log, 0, 0), 1);
  GUI_ALLOC__FailNth(0);
  EXPECT_EQ(Log.Top.size(), 1u);
  EXPECT_EQ(Warnings().back(), "GUIDEV_Banding:\nNot enough memory in GUI_MEMDEV_Draw()");
}

TEST_F(MiscTest, WriteHalfAveragesBlocks) {
  GUI_HMEM h = GUI_MEMDEV_Create32(20, 30, 4, 4);
  U32* p = (U32*)Pixels(h);
  for (int i = 0; i < 16; i++) p[i] = 0;
  p[0] = p[1] = 0x0000FF;  // two red pixels of the upper left block
  GUI_MEMDEV_AA_WriteHalf(h);
  EXPECT_EQ(Display(20, 30), C2I(0x000080));
  EXPECT_EQ(Display(21, 31), C2I(0));
  GUI_MEMDEV_Delete(h);
}

TEST_F(MiscTest, FillDoubleMagnifiesTheTarget) {
  GUI_SetColor(GUI_RED);
  GUI_FillRect(0, 0, 1, 0);
  GUI_HMEM h = GUI_MEMDEV_Create32(0, 0, 4, 2);
  GUI_MEMDEV_AA_FillDouble(h);
  U32* p = (U32*)Pixels(h);
  EXPECT_EQ(p[0], LCD_Color2Index(GUI_RED));
  EXPECT_EQ(p[3], p[0]);
  EXPECT_EQ(p[7], p[0]);
  GUI_MEMDEV_Delete(h);
}

TEST_F(MiscTest, StretchedDrawRepeatsColumnsAndHonoursTransparency) {
  FillDisplay(0);
  GUI_HMEM h = GUI_MEMDEV_Create32(300, 200, 2, 1);
  U32* p = (U32*)Pixels(h);
  p[0] = GUI_RED;
  p[1] = GUI_TRANSPARENT;
  U16 Under = Display(12, 10);
  GUI_MEMDEV_DrawStretched(h, 10, 10, 4, 2);
  EXPECT_EQ(Display(10, 10), C2I(GUI_RED));
  EXPECT_EQ(Display(11, 11), C2I(GUI_RED));
  EXPECT_EQ(Display(12, 10), Under);
  EXPECT_EQ(GUI_MEMDEV_GetXPos(h), 300);
  GUI_MEMDEV_Delete(h);
}

TEST_F(MiscTest, PerspectiveNarrowsTheShorterEdge) {
  FillDisplay(0);
  GUI_HMEM h = GUI_MEMDEV_Create32(0, 0, 8, 8);
  U32* p = (U32*)Pixels(h);
  for (int i = 0; i < 64; i++) p[i] = GUI_GREEN;
  GUI_MEMDEV_DrawPerspective(h, 100, 100, 40, 20, 30, 10);
  EXPECT_EQ(Display(100, 100), C2I(GUI_GREEN));
  EXPECT_EQ(Display(100, 139), C2I(GUI_GREEN));
  EXPECT_NE(Display(129, 100), C2I(GUI_GREEN));  // the right edge starts 10 lower
  EXPECT_EQ(Display(129, 115), C2I(GUI_GREEN));
  EXPECT_NE(Display(130, 115), C2I(GUI_GREEN));
  GUI_MEMDEV_Delete(h);
}

TEST_F(MiscTest, PunchOutCutsFadesAndRefusesMismatches) {
  GUI_HMEM h = GUI_MEMDEV_Create32(0, 0, 3, 1);
  GUI_HMEM hMask = GUI_MEMDEV_CreateFixed(0, 0, 3, 1, 1, &GUI_MEMDEV_DEVICE_8, &LCD_aColorConvAPI[LCD_CC_GRAY8]);
  GUI_HMEM hWrong = GUI_MEMDEV_CreateFixed(0, 0, 4, 1, 1, &GUI_MEMDEV_DEVICE_8, &LCD_aColorConvAPI[LCD_CC_GRAY8]);
  U32* p = (U32*)Pixels(h);
  p[0] = p[1] = p[2] = 0x00FFFFFF;
  U8* m = Pixels(hMask);
  m[0] = 0;
  m[1] = 255;
  m[2] = 128;
  GUI_SetBkColor(GUI_BLACK);
  EXPECT_EQ(GUI_MEMDEV_PunchOutDevice(h, hWrong), 1);
  EXPECT_EQ(p[0], 0x00FFFFFFu);
  EXPECT_EQ(GUI_MEMDEV_PunchOutDevice(h, hMask), 0);
  EXPECT_EQ(p[0], GUI_TRANSPARENT);
  EXPECT_EQ(p[1], 0x00FFFFFFu);
  EXPECT_EQ(p[2], GUI__MixColors(0x00FFFFFF, GUI_BLACK, 128));
  for (GUI_HMEM x : {h, hMask, hWrong}) GUI_MEMDEV_Delete(x);
}

}  // namespace
