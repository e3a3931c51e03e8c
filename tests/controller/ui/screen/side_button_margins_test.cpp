// The side buttons' see-through margins show the screen's background on every page, never what a page or an
// earlier window left in memory.
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "main_fixture.h"

namespace {

GUI_COLOR OnDisplay(GUI_COLOR c) { return LCD_CC_BGR565_Index2Color(LCD_CC_BGR565_Color2Index(c & 0xFFFFFF)); }

class SideButtonMarginTest : public MainScreenTest {
  void TearDown() override {
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }

 protected:
  // Points of the margins around the button's face (corners, the strips beside it, the bottom row; the right part lies off the screen).
  void ExpectMarginsShowTheBackground(WM_HWIN hButton, const char* pPage) {
    int x0 = WM_GetWindowPosX(hButton), y0 = WM_GetWindowPosY(hButton);
    static const int aPoint[][2] = {{0, 0}, {49, 0}, {49, 45}, {49, 89}, {0, 89}, {30, 89}, {0, 45}};
    for (const auto& p : aPoint) {
      int x = x0 + p[0], y = y0 + p[1];
      EXPECT_EQ(LCD_GetPixelColor(x, y), OnDisplay(UI_ScreenBgPixel(x, y))) << pPage << " at " << x << "," << y;
    }
  }
};

TEST_F(SideButtonMarginTest, MarginsShowTheBackgroundOnEveryPage) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  UI_ShowMainMenu();
  Settle();
  for (uint32_t Page : {0x5801u, 0x5802u, 0x5803u, 0x5805u}) {  // inputs, outputs, fixed values, service
    ASSERT_EQ(UI_MenuStackInstance.Open(Page, 0), UI_SHOW_OK);
    Settle();
    ExpectMarginsShowTheBackground(UI_hHomeButton, "home");
    ExpectMarginsShowTheBackground(UI_hBackButton, "back");
  }
}

}  // namespace
