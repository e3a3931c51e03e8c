// The numeric keypad's prerendered keys, rounded against the screen's background.
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "UI_ValueEntry.h"
#include "main_fixture.h"

namespace {

GUI_COLOR OnDisplay(GUI_COLOR c) { return LCD_CC_BGR565_Index2Color(LCD_CC_BGR565_Color2Index(c & 0xFFFFFF)); }

class KeypadTest : public MainScreenTest {
  void TearDown() override {
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
};

TEST_F(KeypadTest, KeysAreRoundedAgainstTheScreenBackground) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  UI_ValueLimits Limits = {0, 1000, 250, 1};
  UI_ValueEntryInfo Info = {u"Setpoint", &Limits, 0, 0, 0, 250};
  UI_CreateValueEntry(0, &Info);
  Settle();
  ASSERT_TRUE(UI_hEntryDialog);
  for (int k : {0, 1, 13, 17}) {
    int x0 = WM_GetWindowPosX(UI_hEntryDialog) + UI_ValueEntryKeys[k][0];
    int y0 = WM_GetWindowPosY(UI_hEntryDialog) + UI_ValueEntryKeys[k][1];
    for (int i = 0; i < 4; i++) {
      EXPECT_EQ(LCD_GetPixelColor(x0 + i, y0), OnDisplay(UI_ScreenBgPixel(x0 + i, y0))) << k;
      EXPECT_EQ(LCD_GetPixelColor(x0 + 46 - i, y0 + 37), OnDisplay(UI_ScreenBgPixel(x0 + 46 - i, y0 + 37))) << k;
    }
    EXPECT_EQ(LCD_GetPixelColor(x0 + 4, y0), OnDisplay(UI_MemdevPixel(UI_hMemdevKey47, 4, 0))) << k;
  }
  EXPECT_TRUE(golden::Matches("controller/ui/keypad_rounded", golden::CaptureLCD()));
  WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_CLOSED);
}

}  // namespace
