// Bars composed of three segment pictures, their corners rounded against the panel picture.
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "gfx_test_util.h"

namespace {

const GUI_RECT kBar = {100, 100, 200, 140};
constexpr int kDx = 3, kDy = 2;

GUI_COLOR OnDisplay(GUI_COLOR c) { return LCD_CC_BGR565_Index2Color(LCD_CC_BGR565_Color2Index(c & 0xFFFFFF)); }

void _Paint(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) return WM_DefaultProc(pMsg);
  GUI_SetBkColor(0xFF00FF);
  GUI_Clear();
  UI_DrawSegmentBar(&kBar, kDx, kDy, UI_ahMemdevTabSeg41);
}

using SegmentBarTest = GfxTest;

TEST_F(SegmentBarTest, SegmentsTileTheBarAndItsCornersTakeThePanelPicture) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  WM_CreateWindow(0, 0, 480, 272, WM_CF_SHOW, _Paint, 0);
  WM_Exec();
  auto Seg = [](int i, int x, int y) { return OnDisplay(UI_MemdevPixel(UI_ahMemdevTabSeg41[i], x, y)); };
  auto Panel = [](int x, int y) { return OnDisplay(UI_MemdevPixel(UI_hMemdevPanel, x - 16, y - 40)); };
  int x0 = kBar.x0 + kDx, x1 = kBar.x1 - 1 + kDx, y0 = kBar.y0 + kDy, y1 = y0 + 40;
  for (int x = x0; x <= x1; x++) {  // left, middles every 5 pixels, right ending before x1
    int Part = x < x0 + 5 ? 0 : x > x1 - 5 ? 2 : 1;
    ASSERT_EQ(LCD_GetPixelColor(x, y0 + 20), Seg(Part, Part == 2 ? x - (x1 - 4) : (x - x0) % 5, 20)) << x;
  }
  EXPECT_EQ(LCD_GetPixelColor(x1 + 1, y0 + 20), 0xFF00FFu);
  EXPECT_EQ(LCD_GetPixelColor(x0, y1 + 1), 0xFF00FFu);  // as high as the segments
  for (int i = 0; i < 4; i++) {  // the corner pattern: 4, 2, 1, 1 pixels
    EXPECT_EQ(LCD_GetPixelColor(x0 + i, y0), Panel(x0 + i, y0)) << i;
    EXPECT_EQ(LCD_GetPixelColor(x1 - i, y1), Panel(x1 - i, y1)) << i;
  }
  EXPECT_EQ(LCD_GetPixelColor(x0 + 4, y0), Seg(0, 4, 0));
  EXPECT_EQ(LCD_GetPixelColor(x0, y0 + 3), Panel(x0, y0 + 3));
  EXPECT_EQ(LCD_GetPixelColor(x0, y0 + 4), Seg(0, 0, 4));
}

}  // namespace
