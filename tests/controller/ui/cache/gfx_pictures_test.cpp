// The built-in pictures that screens draw straight from their streamed bitmaps, and the 24x24 one-bit icons.
#include "GoldenLCD.h"
#include "GuiTest.h"
#include "UI_GraphicsCache.h"
#include "gfx_test_util.h"

namespace {

class GfxPictures : public GuiTest {};

TEST_F(GfxPictures, MainScreenPicturesMatchTheirGoldenImage) {
  GUI_SetBkColor(0xFF00FF);
  GUI_Clear();
  int x = 0;
  for (int i = 0; i < UI_NUM_PUBLIC_PICTURES; i++) {
    UI_DrawPicture(i, x, 0);
    x += i < 2 ? 62 : 36;
  }
  const int aTab[] = {1, 2, 3, 4, 5, 7, 8, 10, 11};
  for (int k = 0; k < 9; k++) UI_DrawTabSymbol(aTab[k], 30 * k, 95);  // 2 and 11 draw nothing
  UI_DrawPicture(UI_NUM_PUBLIC_PICTURES, 0, 0);                      // unknown: nothing
  EXPECT_EQ(UI_GetPicture(-1), nullptr);
  EXPECT_NE(UI_GetPicture(UI_PICTURE_BUSY), nullptr);
  EXPECT_TRUE(golden::Matches("ui/gfx_main_pictures", golden::CaptureLCD(0, 0, 339, 124)));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(GfxPictures, Icon24TakesItsRowsFromTheBottomAndBitsFromTheLeastSignificant) {
  GUI_HMEM h = GUI_MEMDEV_CreateFixed(0, 0, 24, 24, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_16,
                                      &LCD_aColorConvAPI[LCD_CC_BGR565]);
  U8 aPattern[72] = {};
  aPattern[0] = 0x01;       // first row of the pattern = bottom row 23, bit 0 = x 0
  aPattern[69 + 2] = 0x80;  // last row of the pattern = top row 0, x 23
  UI_RenderIcon24(h, aPattern);
  EXPECT_EQ(UI_MemdevPixel(h, 0, 23), 0x000000u);
  EXPECT_EQ(UI_MemdevPixel(h, 23, 0), 0x000000u);
  EXPECT_EQ(UI_MemdevPixel(h, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(UI_MemdevPixel(h, 1, 23), 0xFFFFFFu);
  UI_RenderIcon24(h, nullptr);  // no pattern: white
  EXPECT_EQ(UI_MemdevPixel(h, 0, 23), 0xFFFFFFu);
  GUI_MEMDEV_Delete(h);
}

}  // namespace
