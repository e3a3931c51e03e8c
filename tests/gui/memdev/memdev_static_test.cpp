// Static window devices: random window trees (opaque, transparent, overlapping, partly outside their
// parents, some hidden) painted into static devices and composed give the display's pixels of the same tree
// painted directly; the pixel-run composition rule; the window manager painting a static window from its
// cache, moving the cache with the window and painting again after an invalidation.
#include <random>
#include <vector>

#include "GUI_MEMDEV_Static.h"
#include "memdev_fixture.h"

namespace {

int _NumPaints;

void _cbDesktop(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_DrawGradientH(0, 0, 479, 271, 0x102030, 0xC0A080);
}

void _cbWin(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  _NumPaints++;
  WM_HWIN hWin = pMsg->hWin;
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_COLOR c = 0x10203u * (U32)(hWin * 53 % 80) ^ 0x2080C0u;
  GUI_SetColor(c);
  if (WM_GetHasTrans(hWin)) {
    for (int x = 2; x < w - 2; x += 4) GUI_DrawVLine(x, 2, h - 3);
    GUI_SetColor(c ^ 0xFFFFFF);
    GUI_DrawRect(0, 0, w - 1, h - 1);
  } else {
    GUI_DrawGradientV(0, 0, w - 1, h - 1, c, c ^ 0x404040);
    GUI_SetColor(c ^ 0xFFFFFF);
    GUI_DrawLine(0, 0, w - 1, h - 1);
    GUI_FillCircle(w / 2, h / 2, 5);
  }
}

class StaticTest : public MemdevTest {
 protected:
  void SetUp() override {
    MemdevTest::SetUp();
    WM_SetCallback(WM_GetDesktopWindow(), _cbDesktop);
    _NumPaints = 0;
  }
  static void Exec() {
    while (WM_Exec()) {
    }
  }
  static std::vector<U32> Pixels32(GUI_HMEM h) {
    const U32* p = (const U32*)GUI_MEMDEV_GetDataPtr(h);
    return std::vector<U32>(p, p + GUI_MEMDEV_GetXSize(h) * GUI_MEMDEV_GetYSize(h));
  }
};

TEST_F(StaticTest, RandomTreesComposedEqualDirectPainting) {
  for (unsigned Seed = 1; Seed <= 12; Seed++) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    std::mt19937 Rng(Seed);
    std::vector<WM_HWIN> Wins = {WM_GetDesktopWindow()};
    for (int i = 0; i < 10; i++) {
      WM_HWIN hParent = Wins[Rng() % Wins.size()];
      int w = 10 + (int)(Rng() % 180), h = 10 + (int)(Rng() % 120);
      int x = (int)(Rng() % 460) - 30, y = (int)(Rng() % 250) - 30;
      if (hParent != WM_GetDesktopWindow()) {  // relative, often sticking out of the parent
        x = (int)(Rng() % 120) - 20;
        y = (int)(Rng() % 80) - 20;
      }
      U32 Style = (Rng() % 6 ? WM_CF_SHOW : 0) | (Rng() % 3 == 0 ? WM_CF_HASTRANS : 0);
      Wins.push_back(WM_CreateWindowAsChild(x, y, w, h, hParent, Style, _cbWin, 0));
    }
    WM_InvalidateWindow(WM_GetDesktopWindow());
    Exec();
    std::vector<U16> Direct = Snapshot(0, 0, 479, 271);

    GUI_MEMDEV_PaintStaticTree(WM_GetDesktopWindow());
    GUI_HMEM hComposed = GUI_MEMDEV_ComposeStaticTree(WM_GetDesktopWindow());
    ASSERT_NE(hComposed, 0);
    ASSERT_EQ(GUI_MEMDEV_GetXSize(hComposed), 480);  // the desktop is cut to the display first
    ASSERT_EQ(GUI_MEMDEV_GetYSize(hComposed), 272);
    std::vector<U32> Composed = Pixels32(hComposed);
    for (int i = 0; i < 480 * 272; i++) {
      ASSERT_EQ(Composed[i] >> 24, 0u) << "pixel " << i % 480 << "," << i / 480 << " left transparent";
      ASSERT_EQ(LCD_CC_BGR565_Color2Index(Composed[i]), Direct[i]) << "pixel " << i % 480 << "," << i / 480;
    }
    // Composing dropped every device; releasing the tree clears the marks.
    for (WM_HWIN h : Wins) EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(h), 0);
    GUI_MEMDEV_DeleteStaticTree(WM_GetDesktopWindow());
    for (WM_HWIN h : Wins) EXPECT_FALSE(WM_H2P(h)->Status & WM_STATUS_STATIC);
    GUI_MEMDEV_Delete(hComposed);
    for (size_t i = Wins.size() - 1; i > 0; i--) {
      if (WM_IsWindow(Wins[i])) WM_DeleteWindow(Wins[i]);
    }
    EXPECT_TRUE(Warnings().empty());
  }
}

TEST_F(StaticTest, CompositionSkipsCopiesAndMixesRuns) {
  GUI_HMEM hSrc = GUI_MEMDEV_Create32(10, 10, 4, 1), hDst = GUI_MEMDEV_Create32(9, 10, 6, 1);
  U32* s = (U32*)GUI_MEMDEV_GetDataPtr(hSrc);
  U32* d = (U32*)GUI_MEMDEV_GetDataPtr(hDst);
  const U32 Src[4] = {0xFF123456, 0x00ABCDEF, 0x80FF0000, 0x40102030};
  for (int i = 0; i < 4; i++) s[i] = Src[i];
  for (int i = 0; i < 6; i++) d[i] = 0x00404040;
  d[4] = 0xFF000000;  // a fully transparent destination pixel takes the source pixel as it is
  GUI_MEMDEV__ComposeDevice(hSrc, hDst, nullptr);
  EXPECT_EQ(d[0], 0x00404040u);
  EXPECT_EQ(d[1], 0x00404040u);
  EXPECT_EQ(d[2], 0x00ABCDEFu);
  EXPECT_EQ(d[3], GUI__MixColors(0x80FF0000, 0x00404040, 127) & 0x00FFFFFF);
  EXPECT_EQ(d[4], 0x40102030u);
  EXPECT_EQ(d[5], 0x00404040u);
  EXPECT_EQ(GUI_MEMDEV__CountTransparent(Src, 4), 1);
  EXPECT_EQ(GUI_MEMDEV__CountOpaque(Src + 1, 3), 1);
}

TEST_F(StaticTest, StaticWindowIsPaintedFromItsCacheUntilInvalidated) {
  WM_HWIN hWin = WM_CreateWindowAsChild(40, 30, 100, 60, 0, WM_CF_SHOW, _cbWin, 0);
  Exec();
  std::vector<U16> Before = Snapshot(0, 0, 479, 271);
  GUI_MEMDEV_PaintStaticTree(hWin);
  ASSERT_NE(GUI_MEMDEV__GetStaticDevice(hWin), 0);
  _NumPaints = 0;
  // Covered and uncovered again: shown from the cached picture.
  WM_HWIN hCover = WM_CreateWindowAsChild(60, 40, 30, 30, 0, WM_CF_SHOW, _cbWin, 0);
  Exec();
  WM_DeleteWindow(hCover);
  Exec();
  EXPECT_EQ(_NumPaints, 1);  // only the cover painted itself
  EXPECT_EQ(Snapshot(0, 0, 479, 271), Before);
  // Moved: the cache moves along, nothing is painted again.
  GUI_HMEM hMem = GUI_MEMDEV__GetStaticDevice(hWin);
  _NumPaints = 0;
  WM_MoveTo(hWin, 200, 100);
  Exec();
  EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(hWin), hMem);
  EXPECT_EQ(GUI_MEMDEV_GetXPos(hMem), 200);
  EXPECT_EQ(_NumPaints, 0);
  // Invalidated: the cache goes and the next paint makes it again.
  WM_InvalidateWindow(hWin);
  EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(hWin), 0);
  Exec();
  EXPECT_EQ(_NumPaints, 1);
  EXPECT_NE(GUI_MEMDEV__GetStaticDevice(hWin), 0);
  GUI_MEMDEV_DeleteStaticTree(hWin);
  EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(hWin), 0);
}

// Half-transparent stripes: a picture that darkens whatever it is copied over twice.
void _cbHalf(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_SetColor(0x80000000);
  for (int y = 0; y < 60; y += 2) GUI_DrawHLine(y, 0, 99);
}

TEST_F(StaticTest, PartialRepaintUnderATransparentStaticWindowCopiesOnlyTheInvalidPart) {
  WM_HWIN hT = WM_CreateWindowAsChild(50, 50, 100, 60, 0, WM_CF_SHOW | WM_CF_HASTRANS, _cbHalf, 0);
  Exec();
  GUI_MEMDEV_PaintStaticTree(hT);
  WM_InvalidateWindow(WM_GetDesktopWindow());
  Exec();
  std::vector<U16> Full = Snapshot(0, 0, 479, 271);
  GUI_RECT r = {60, 60, 80, 70};
  WM_InvalidateRect(WM_GetDesktopWindow(), &r);
  Exec();
  EXPECT_EQ(Snapshot(0, 0, 479, 271), Full);
  GUI_MEMDEV_DeleteStaticTree(hT);
}

TEST_F(StaticTest, NoDeviceForEmptyOrHiddenWindows) {
  WM_HWIN hEmpty = WM_CreateWindowAsChild(10, 10, 5, 20, 0, WM_CF_SHOW, _cbWin, 0);
  WM_SetXSize(hEmpty, 0);
  ASSERT_EQ(WM_GetWindowSizeX(hEmpty), 0);
  WM_HWIN hParent = WM_CreateWindowAsChild(50, 50, 80, 80, 0, WM_CF_SHOW, _cbWin, 0);
  WM_HWIN hHidden = WM_CreateWindowAsChild(5, 5, 40, 40, hParent, 0, _cbWin, 0);
  WM_HWIN hGrandChild = WM_CreateWindowAsChild(5, 5, 10, 10, hHidden, WM_CF_SHOW, _cbWin, 0);
  GUI_MEMDEV_PaintStaticTree(hEmpty);
  EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(hEmpty), 0);
  GUI_MEMDEV_PaintStaticTree(hParent);
  EXPECT_NE(GUI_MEMDEV__GetStaticDevice(hParent), 0);
  EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(hHidden), 0);
  EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(hGrandChild), 0);
  GUI_MEMDEV_DeleteStaticTree(hParent);
  EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(0), 0);
}

TEST_F(StaticTest, OutOfMemoryPaintsTheWindowDirectly) {
  WM_HWIN hWin = WM_CreateWindowAsChild(40, 30, 100, 60, 0, WM_CF_SHOW, _cbWin, 0);
  Exec();
  std::vector<U16> Want = Snapshot(0, 0, 479, 271);
  GUI_MEMDEV_PaintStaticTree(hWin);  // marked static
  WM_InvalidateWindow(hWin);         // cache dropped
  FillDisplay(0x1234);
  WM_InvalidateWindow(WM_GetDesktopWindow());
  GUI_ALLOC__SetTestLimit((U32)GUI_ALLOC_GetNumUsedBytes() + 1000);
  Exec();
  GUI_ALLOC__SetTestLimit(0);
  EXPECT_EQ(Snapshot(0, 0, 479, 271), Want);
  ASSERT_FALSE(Warnings().empty());
  EXPECT_EQ(Warnings().back(), "GUIDEV_StaticDevices:\nCreation of static device failed in GUI_MEMDEV_Paint1Static().");
  GUI_MEMDEV_DeleteStaticTree(hWin);
}

}  // namespace
