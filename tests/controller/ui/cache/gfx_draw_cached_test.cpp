// Copying cached pictures in window paints, also through the banding memory devices of the screens.
#include "GoldenLCD.h"
#include "GuiTest.h"
#include "GUI_MEMDEV.h"
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "WM.h"
#include "gfx_test_util.h"

namespace {

class GfxDrawCached : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    ASSERT_EQ(UI_LoadGraphics(), 0);
  }
};

// A device's pixel as the display shows it (16 bits: the display's own widening).
GUI_COLOR _DevColor(GUI_HMEM h, int x, int y) {
  GUI_COLOR c = UI_MemdevPixel(h, x, y);
  return LCD_CC_BGR565_Index2Color(LCD_CC_BGR565_Color2Index(c & 0xFFFFFF));
}

void _Paint(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_SetBkColor(0xFF00FF);
  GUI_Clear();
  UI_DrawCached(UI_hMemdevKey47, 5, 5);
  UI_DrawCached(UI_ahMemdevSideIcon[UI_ICON_HOME], 60, 0);  // 32 bits: blended on the magenta
}

TEST_F(GfxDrawCached, PicturesLandInPlainAndBandedPaints) {
  for (uint32_t Flags : {0u, uint32_t(WM_CF_MEMDEV)}) {
    WM_HWIN h = WM_CreateWindow(100, 50, 110, 50, WM_CF_SHOW | Flags, _Paint, 0);
    WM_Exec();
    EXPECT_EQ(LCD_GetPixelColor(100, 50), 0xFF00FFu) << Flags;  // background
    EXPECT_EQ(LCD_GetPixelColor(100 + 5 + 20, 50 + 5 + 20), _DevColor(UI_hMemdevKey47, 20, 20)) << Flags;
    EXPECT_EQ(LCD_GetPixelColor(160, 50), 0xFF00FFu) << Flags;  // transparent corner of the icon
    ASSERT_EQ(UI_MemdevPixel(UI_ahMemdevSideIcon[0], 10, 30) >> 24, 0u);  // inside the house: opaque
    EXPECT_EQ(LCD_GetPixelColor(160 + 10, 50 + 30), _DevColor(UI_ahMemdevSideIcon[0], 10, 30))
        << Flags;
    WM_DeleteWindow(h);
    WM_Exec();
  }
}

}  // namespace
