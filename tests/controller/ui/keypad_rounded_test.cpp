// The keypad of the numeric value entry with the prerendered key pictures: rounded against the screen's
// background.
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "UI_ValueEntry.h"
#include "main_fixture.h"

namespace {

GUI_COLOR OnDisplay(GUI_COLOR c) { return LCD_CC_BGR565_Index2Color(LCD_CC_BGR565_Color2Index(c & 0xFFFFFF)); }

class KeypadTest : public MainScreenTest {
 protected:
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
  int X = WM_GetWindowPosX(UI_hEntryDialog), Y = WM_GetWindowPosY(UI_hEntryDialog);
  for (int k : {0, 1, 13, 17}) {
    const int16_t* r = UI_ValueEntryKeys[k];
    int x0 = X + r[0], y0 = Y + r[1], x1 = x0 + 46, y1 = y0 + 37;
    // Four pixels of the top row and one of the fourth row are the background's; inside them the key.
    for (int i = 0; i < 4; i++) {
      EXPECT_EQ(LCD_GetPixelColor(x0 + i, y0), OnDisplay(UI_ScreenBgPixel(x0 + i, y0))) << k;
      EXPECT_EQ(LCD_GetPixelColor(x1 - i, y1), OnDisplay(UI_ScreenBgPixel(x1 - i, y1))) << k;
    }
    EXPECT_EQ(LCD_GetPixelColor(x0, y0 + 3), OnDisplay(UI_ScreenBgPixel(x0, y0 + 3))) << k;
    EXPECT_EQ(LCD_GetPixelColor(x0 + 4, y0), OnDisplay(UI_MemdevPixel(UI_hMemdevKey47, 4, 0))) << k;
    EXPECT_EQ(LCD_GetPixelColor(x0, y0 + 4), OnDisplay(UI_MemdevPixel(UI_hMemdevKey47, 0, 4))) << k;
  }
  EXPECT_TRUE(golden::Matches("controller/ui/keypad_rounded", golden::CaptureLCD()));
  WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_CLOSED);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_TRUE(Errors().empty());
}

}  // namespace
