// Bitmaps: the pixel layouts of every methods record, transparency and draw modes, magnified and scaled or
// mirrored drawing.
#include "image_TestSupport.h"

using namespace image_test;

namespace {

class BitmapTest : public ImageTest {};

TEST_F(BitmapTest, SixteenBitLayoutsPlaceRedAndBlueWhereTheirNamesSay) {
  struct Layout {
    const GUI_BITMAP_METHODS* pMethods;
    uint16_t Red, Blue;
  };
  const Layout aLayout[] = {
      {&GUI_DRAW_BMPM565, 0x001F, 0xF800},     {&GUI_DRAW_BMP565, 0xF800, 0x001F},
      {&GUI_DRAW_BMPM555, 0x001F, 0x7C00},     {&GUI_DRAW_BMP555, 0x7C00, 0x001F},
      {&GUI_DRAW_BMPM444_12, 0x000F, 0x0F00},  {&GUI_DRAW_BMP444_12, 0x0F00, 0x000F},
      {&GUI_DRAW_BMPM444_16, 0x00F0, 0xF000},  {&GUI_DRAW_BMP444_16, 0xF000, 0x00F0},
      {&GUI_DRAW_BMPM444_12_1, 0x001E, 0x7800}, {&GUI_DRAW_BMP444_12_1, 0x7800, 0x001E},
  };
  int n = 0;
  for (const Layout& l : aLayout) {
    EXPECT_EQ(l.pMethods->pfIndex2Color(l.Red), GUI_RED) << n;
    EXPECT_EQ(l.pMethods->pfIndex2Color(l.Blue), GUI_BLUE) << n;
    uint8_t Data[4] = {uint8_t(l.Red), uint8_t(l.Red >> 8), uint8_t(l.Blue), uint8_t(l.Blue >> 8)};
    GUI_BITMAP Bitmap = {2, 1, 4, 16, Data, nullptr, l.pMethods};
    ClearDisplay();
    GUI_DrawBitmap(&Bitmap, 3, 4);
    auto Shown = Read(3, 4, 2, 1);
    EXPECT_EQ(Shown[0], OnDisplay(GUI_RED)) << n;
    EXPECT_EQ(Shown[1], OnDisplay(GUI_BLUE)) << n;
    n++;
  }
}

TEST_F(BitmapTest, TrueColourLayouts) {
  uint8_t Rgb[3] = {0x11, 0x22, 0x33};
  EXPECT_EQ(GUI_DRAW_BMP24.pfIndex2Color(0x332211), 0x332211u);
  GUI_BITMAP Bitmap24 = {1, 1, 3, 24, Rgb, nullptr, &GUI_DRAW_BMP24};
  GUI_DrawBitmap(&Bitmap24, 0, 0);
  EXPECT_EQ(Read(0, 0, 1, 1)[0], OnDisplay(0x332211));
  uint8_t Swapped[4] = {0x33, 0x22, 0x11, 0x00};
  GUI_BITMAP Bitmap32 = {1, 1, 4, 32, Swapped, nullptr, &GUI_DRAW_BMP32_SWAP};
  GUI_DrawBitmap(&Bitmap32, 1, 0);
  EXPECT_EQ(Read(1, 0, 1, 1)[0], OnDisplay(0x332211));
  uint8_t Invisible[4] = {0x11, 0x22, 0x33, 0xFF};
  GUI_BITMAP Bitmap8888 = {1, 1, 4, 32, Invisible, nullptr, &GUI_DRAW_BMP8888};
  GUI_DrawBitmap(&Bitmap8888, 2, 0);
  EXPECT_EQ(Read(2, 0, 1, 1)[0], OnDisplay(kBk));
  // The direct write ignores the alpha byte.
  GUI_DrawBitmapHW(&Bitmap8888, 2, 0);
  EXPECT_EQ(Read(2, 0, 1, 1)[0], OnDisplay(0x332211));
  // A format without direct write draws nothing that way.
  GUI_DrawBitmapHW(&Bitmap24, 5, 0);
  EXPECT_EQ(Read(5, 0, 1, 1)[0], OnDisplay(kBk));
}

TEST_F(BitmapTest, TransparentIndexZeroAndTheCallersDrawModeSurvive) {
  const GUI_COLOR aColors[] = {GUI_RED, GUI_GREEN};
  GUI_PALETTE Pal = {2, 1, aColors};
  uint8_t Data[1] = {0x50};  // 0 1 0 1
  GUI_BITMAP Bitmap = {4, 1, 1, 1, Data, &Pal, nullptr};
  GUI_SetDrawMode(GUI_DRAWMODE_XOR);
  GUI_DrawBitmap(&Bitmap, 0, 0);
  EXPECT_EQ(GUI_GetDrawMode(), GUI_DRAWMODE_XOR);
  GUI_SetDrawMode(0);
  auto Shown = Read(0, 0, 4, 1);
  EXPECT_EQ(Shown[0], OnDisplay(kBk));
  EXPECT_EQ(Shown[2], OnDisplay(kBk));
  // Magnified drawing of the same bitmap is not XORed: the green pixels appear as given.
  ClearDisplay();
  GUI_SetDrawMode(GUI_DRAWMODE_XOR);
  GUI_DrawBitmapMag(&Bitmap, 0, 0, 2, 3);
  EXPECT_EQ(GUI_GetDrawMode(), GUI_DRAWMODE_XOR);
  GUI_SetDrawMode(0);
  auto Mag = Read(0, 0, 8, 3);
  for (int y = 0; y < 3; y++) {
    for (int x = 0; x < 8; x++) {
      EXPECT_EQ(Mag[y * 8 + x], (x / 2) % 2 ? OnDisplay(GUI_GREEN) : OnDisplay(kBk)) << x << "," << y;
    }
  }
}

TEST_F(BitmapTest, OneBitWithoutPaletteDrawsInTheCurrentColours) {
  uint8_t Data[1] = {0xA0};
  GUI_BITMAP Bitmap = {3, 1, 1, 1, Data, nullptr, nullptr};
  GUI_SetColor(GUI_YELLOW);
  GUI_SetBkColor(GUI_BLUE);
  GUI_DrawBitmap(&Bitmap, 0, 0);
  auto Shown = Read(0, 0, 3, 1);
  EXPECT_EQ(Shown[0], OnDisplay(GUI_YELLOW));
  EXPECT_EQ(Shown[1], OnDisplay(GUI_BLUE));
  EXPECT_EQ(Shown[2], OnDisplay(GUI_YELLOW));
}

TEST_F(BitmapTest, ShortPaletteLeavesNoIndexReadingPastIt) {
  const GUI_COLOR aColors[] = {GUI_RED, GUI_GREEN};
  GUI_PALETTE Pal = {2, 0, aColors};
  uint8_t Data[2] = {0x01, 0xFF};
  GUI_BITMAP Bitmap = {2, 1, 2, 8, Data, &Pal, nullptr};
  GUI_DrawBitmap(&Bitmap, 0, 0);
  GUI_DrawBitmapEx(&Bitmap, 0, 1, 0, 0, 1000, 1000);
  auto Shown = Read(0, 0, 2, 2);
  EXPECT_EQ(Shown[0], OnDisplay(GUI_GREEN));
  EXPECT_EQ(Shown[1], OnDisplay(GUI_RED));  // index 255 of two colours
  EXPECT_EQ(Shown[2], OnDisplay(GUI_GREEN));
  EXPECT_EQ(Shown[3], OnDisplay(GUI_RED));
}

// 5 x 4 bitmap whose pixel value is unique per position.
struct Grid {
  GUI_COLOR aColors[20];
  GUI_PALETTE Pal = {20, 0, aColors};
  uint8_t Data[20];
  GUI_BITMAP Bitmap = {5, 4, 5, 8, Data, &Pal, nullptr};
  Grid() {
    for (int i = 0; i < 20; i++) {
      aColors[i] = GUI_COLOR(0x0C0800 * (i + 1) + 0x40 * (i % 3)) & 0xFFFFFF;
      Data[i] = uint8_t(i);
    }
  }
  GUI_COLOR At(int x, int y) const { return aColors[y * 5 + x]; }
};

TEST_F(BitmapTest, ScaledAtOneToOneCoversExactlyTheBitmap) {
  Grid g;
  GUI_DrawBitmapEx(&g.Bitmap, 10, 10, 0, 0, 1000, 1000);
  auto Shown = Read(9, 9, 7, 6);
  for (int y = 0; y < 6; y++) {
    for (int x = 0; x < 7; x++) {
      bool Inside = x >= 1 && x <= 5 && y >= 1 && y <= 4;
      EXPECT_EQ(Shown[y * 7 + x], Inside ? OnDisplay(g.At(x - 1, y - 1)) : OnDisplay(kBk)) << x << "," << y;
    }
  }
}

TEST_F(BitmapTest, MirroredAroundTheMiddleStaysInPlace) {
  Grid g;
  GUI_DrawBitmapEx(&g.Bitmap, 12, 10, 2, 0, -1000, 1000);
  auto Shown = Read(10, 10, 5, 4);
  for (int y = 0; y < 4; y++) {
    for (int x = 0; x < 5; x++) {
      EXPECT_EQ(Shown[y * 5 + x], OnDisplay(g.At(4 - x, y))) << x << "," << y;
    }
  }
}

TEST_F(BitmapTest, HalfHeightTakesRowsZeroOneThreeFive) {
  GUI_COLOR aColors[8];
  uint8_t Data[8];
  for (int i = 0; i < 8; i++) {
    aColors[i] = 0x202020u * (i + 1);
    Data[i] = uint8_t(i);
  }
  GUI_PALETTE Pal = {8, 0, aColors};
  GUI_BITMAP Bitmap = {1, 8, 1, 8, Data, &Pal, nullptr};
  GUI_DrawBitmapEx(&Bitmap, 0, 0, 0, 0, 1000, 500);
  auto Shown = Read(0, 0, 1, 5);
  EXPECT_EQ(Shown[0], OnDisplay(aColors[0]));
  EXPECT_EQ(Shown[1], OnDisplay(aColors[1]));
  EXPECT_EQ(Shown[2], OnDisplay(aColors[3]));
  EXPECT_EQ(Shown[3], OnDisplay(aColors[5]));
}

TEST_F(BitmapTest, DoubleSizeRepeatsEveryPixel) {
  Grid g;
  GUI_DrawBitmapEx(&g.Bitmap, 0, 0, 0, 0, 2000, 2000);
  auto Shown = Read(0, 0, 10, 8);
  for (int y = 0; y < 8; y++) {
    for (int x = 0; x < 10; x++) {
      EXPECT_EQ(Shown[y * 10 + x], OnDisplay(g.At(x / 2, y / 2))) << x << "," << y;
    }
  }
  // Magnified drawing of the same grid gives the same picture.
  ClearDisplay();
  GUI_DrawBitmapMag(&g.Bitmap, 0, 0, 2, 2);
  EXPECT_EQ(Read(0, 0, 10, 8), Shown);
}

TEST_F(BitmapTest, WindowOriginMovesEveryEntry) {
  Grid g;
  GUI_Lock();
  GUI_pContext->xOff = 30;
  GUI_pContext->yOff = 20;
  GUI_Unlock();
  GUI_DrawBitmap(&g.Bitmap, 1, 2);
  GUI_Lock();
  GUI_pContext->xOff = 0;
  GUI_pContext->yOff = 0;
  GUI_Unlock();
  EXPECT_EQ(Read(31, 22, 1, 1)[0], OnDisplay(g.At(0, 0)));
}

TEST_F(BitmapTest, AlphaFormatsMagnifiedBlendBlockByBlock) {
  uint8_t Data[6] = {0x00, 0x00, 0x1F, 0x80, 0x07, 0xE0};  // opaque red, half green
  GUI_BITMAP Bitmap = {2, 1, 6, 24, Data, nullptr, &GUI_DRAW_BMPA565};
  GUI_SetBkColor(GUI_BLACK);
  GUI_Clear();
  GUI_DrawBitmapMag(&Bitmap, 0, 0, 3, 2);
  auto Shown = Read(0, 0, 6, 2);
  for (int y = 0; y < 2; y++) {
    for (int x = 0; x < 6; x++) {
      GUI_COLOR Want = x < 3 ? OnDisplay(GUI_RED) : OnDisplay(GUI__MixColors(GUI_GREEN, GUI_BLACK, 127));
      EXPECT_EQ(Shown[y * 6 + x], Want) << x << "," << y;
    }
  }
}

}  // namespace
