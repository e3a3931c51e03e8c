// The error screen: a white display, a red frame 5 pixels wide, the code's low byte in the middle.
#include "GuiTest.h"

#include <vector>

#include "UI_ErrorScreen.h"
#include "WM.h"

namespace {

class ErrorScreen : public GuiTest {
protected:
  static GUI_COLOR Pixel(int x, int y) {
    GUI_Lock();
    GUI_COLOR c = LCD_GetPixelColor(x, y);
    GUI_Unlock();
    return c;
  }
};

TEST_F(ErrorScreen, FrameAndCode) {
  WM_Init();
  GUI_SetBkColor(GUI_BLUE);
  GUI_Clear();
  UI_ShowErrorScreen(0x1234);
  EXPECT_EQ(GUI_pContext->WM_IsActive, 0);
  EXPECT_EQ(Pixel(0, 0), GUI_WHITE);
  EXPECT_EQ(Pixel(479, 271), GUI_WHITE);
  for (int d = 0; d < 5; d++) {
    EXPECT_EQ(Pixel(30 + d, 100), GUI_RED) << d;
    EXPECT_EQ(Pixel(450 - d, 100), GUI_RED) << d;
    EXPECT_EQ(Pixel(100, 30 + d), GUI_RED) << d;
    EXPECT_EQ(Pixel(100, 242 - d), GUI_RED) << d;
  }
  EXPECT_EQ(Pixel(30, 30), GUI_RED); // square corners
  EXPECT_EQ(Pixel(29, 100), GUI_WHITE);
  EXPECT_EQ(Pixel(35, 100), GUI_WHITE);
  EXPECT_EQ(Pixel(451, 100), GUI_WHITE);
  // Inside the frame exactly the code's low byte, centred on (240, 120) in the large font.
  std::vector<GUI_COLOR> Shown;
  for (int y = 35; y <= 237; y++) {
    for (int x = 35; x <= 445; x++) {
      Shown.push_back(Pixel(x, y));
    }
  }
  GUI_SetBkColor(GUI_WHITE);
  GUI_Clear();
  GUI_SetFont(&UI_Font24);
  GUI_SetTextAlign(GUI_TA_HCENTER | GUI_TA_VCENTER);
  GUI_DispStringAt("ERROR 52", 240, 120);
  std::vector<GUI_COLOR> Want;
  for (int y = 35; y <= 237; y++) {
    for (int x = 35; x <= 445; x++) {
      Want.push_back(Pixel(x, y));
    }
  }
  EXPECT_TRUE(Shown == Want);
  EXPECT_TRUE(Errors().empty());
}

} // namespace
