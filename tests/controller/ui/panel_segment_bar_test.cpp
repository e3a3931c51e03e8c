// Bars composed of three segment pictures, their corners rounded against the panel picture.
#include "GoldenLCD.h"
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "UI_Panel.h"
#include "gfx_test_util.h"

namespace {

constexpr GUI_COLOR kMagenta = 0xFF00FF;
const GUI_RECT kBar = {100, 100, 200, 140};
constexpr int kDx = 3, kDy = 2;

GUI_COLOR OnDisplay(GUI_COLOR c) { return LCD_CC_BGR565_Index2Color(LCD_CC_BGR565_Color2Index(c & 0xFFFFFF)); }

void _Paint(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_SetBkColor(kMagenta);
  GUI_Clear();
  UI_DrawSegmentBar(&kBar, kDx, kDy, UI_ahMemdevTabSeg41);
}

class SegmentBarTest : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    ASSERT_EQ(UI_LoadGraphics(), 0);
  }
};

TEST_F(SegmentBarTest, SegmentsTileTheBarAndItsCornersTakeThePanelPicture) {
  WM_HWIN h = WM_CreateWindow(0, 0, 480, 272, WM_CF_SHOW, _Paint, 0);
  WM_Exec();
  const GUI_HMEM* s = UI_ahMemdevTabSeg41;
  int x0 = kBar.x0 + kDx, y = kBar.y0 + kDy + 20;
  auto Seg = [&](int i, int x) { return OnDisplay(UI_MemdevPixel(s[i], x, 20)); };
  EXPECT_EQ(LCD_GetPixelColor(x0 + 2, y), Seg(0, 2));
  for (int x = x0 + 5; x < kBar.x1 - 5 + kDx; x++) ASSERT_EQ(LCD_GetPixelColor(x, y), Seg(1, (x - x0) % 5)) << x;
  for (int i = 0; i < 5; i++) EXPECT_EQ(LCD_GetPixelColor(kBar.x1 - 5 + kDx + i, y), Seg(2, i)) << i;
  EXPECT_EQ(LCD_GetPixelColor(kBar.x1 + kDx, y), kMagenta);  // the bar ends before x1
  EXPECT_EQ(LCD_GetPixelColor(x0, kBar.y0 + kDy + 41), kMagenta);  // as high as the segments
  // The corner pattern (4, 2, 1, 1 pixels) shows the panel picture standing at (16, 40).
  auto Panel = [](int x, int yy) { return OnDisplay(UI_MemdevPixel(UI_hMemdevPanel, x - 16, yy - 40)); };
  int yTop = kBar.y0 + kDy, yBottom = yTop + 40, x1 = kBar.x1 - 1 + kDx;
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(LCD_GetPixelColor(x0 + i, yTop), Panel(x0 + i, yTop)) << i;
    EXPECT_EQ(LCD_GetPixelColor(x1 - i, yBottom), Panel(x1 - i, yBottom)) << i;
  }
  auto Left = [&](int x, int yy) { return OnDisplay(UI_MemdevPixel(s[0], x, yy)); };
  EXPECT_EQ(LCD_GetPixelColor(x0 + 4, yTop), Left(4, 0));
  EXPECT_EQ(LCD_GetPixelColor(x0 + 1, yTop + 1), Panel(x0 + 1, yTop + 1));
  EXPECT_EQ(LCD_GetPixelColor(x0 + 2, yTop + 1), Left(2, 1));
  EXPECT_EQ(LCD_GetPixelColor(x0, yTop + 3), Panel(x0, yTop + 3));
  EXPECT_EQ(LCD_GetPixelColor(x0, yTop + 4), Left(0, 4));
  WM_DeleteWindow(h);
  EXPECT_TRUE(Errors().empty());
}

}  // namespace
