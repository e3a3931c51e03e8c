// Transfers of memory devices into the display or a selected device: plain and alpha copies, usage
// bitmaps, format conversion, constant-alpha and scaled writes.
#include <cstring>

#include "memdev_fixture.h"

namespace {

class CopyTest : public MemdevTest {
 protected:
  static U16 C2I(GUI_COLOR c) { return (U16)LCD_aColorConvAPI[LCD_CC_BGR565].pfColor2Index(c); }
  static GUI_COLOR I2C(U32 i) { return LCD_aColorConvAPI[LCD_CC_BGR565].pfIndex2Color(i); }
  // A device of the display's format with a filled rectangle drawn into it.
  static GUI_HMEM Drawn(int x0, int y0, int xs, int ys, GUI_COLOR c, const GUI_RECT& r, int Flags = 0) {
    GUI_HMEM h = GUI_MEMDEV_CreateEx(x0, y0, xs, ys, Flags);
    GUI_MEMDEV_Select(h);
    GUI_SetColor(c);
    GUI_FillRect(r.x0, r.y0, r.x1, r.y1);
    GUI_MEMDEV_Select(0);
    return h;
  }
};

TEST_F(CopyTest, OnlyDrawnPixelsReachTheDisplayAtTheOwnPosition) {
  FillDisplay(0x1234);
  std::vector<U16> Before = Snapshot(0, 0, 60, 60);
  GUI_HMEM h = Drawn(10, 20, 30, 30, GUI_RED, {15, 25, 19, 29});
  GUI_MEMDEV_CopyToLCDAt(h, GUI_POS_AUTO, 100);
  for (int y = 0; y <= 60; y++)
    for (int x = 0; x <= 60; x++) {
      bool In = x >= 15 && x <= 19 && y >= 25 && y <= 29;
      ASSERT_EQ(Display(x, y), In ? C2I(GUI_RED) : Before[(size_t)y * 61 + x]) << x << "," << y;
    }
  GUI_MEMDEV_Delete(h);
}

TEST_F(CopyTest, FullRowsAndOpaqueDevicesCopyWhole) {
  FillDisplay(0);
  GUI_HMEM h = Drawn(0, 0, 16, 8, GUI_BLUE, {0, 0, 15, 7});
  GUI_HMEM hOpaque = Drawn(0, 0, 16, 8, GUI_GREEN, {0, 0, 15, 7}, GUI_MEMDEV_NOTRANS);
  GUI_MEMDEV_CopyToLCDAt(h, 100, 100);
  GUI_MEMDEV_CopyToLCDAt(hOpaque, 200, 100);
  EXPECT_EQ(Display(100, 100), C2I(GUI_BLUE));
  EXPECT_EQ(Display(115, 107), C2I(GUI_BLUE));
  EXPECT_EQ(Display(215, 107), C2I(GUI_GREEN));
  EXPECT_NE(Display(116, 107), C2I(GUI_BLUE));
  GUI_MEMDEV_Delete(h);
  GUI_MEMDEV_Delete(hOpaque);
}

// Devices of another format are converted into the display's format on every path, with and without
// usage bitmap, and 32-bit pixels are read as 32 bits.
TEST_F(CopyTest, OtherFormatsAreConverted) {
  FillDisplay(0);
  struct {
    int Flags;
    const GUI_DEVICE_API* pAPI;
    int Conv;
  } aCase[] = {{0, &GUI_MEMDEV_DEVICE_8, LCD_CC_GRAY8},  {1, &GUI_MEMDEV_DEVICE_8, LCD_CC_GRAY8},
               {0, &GUI_MEMDEV_DEVICE_1, LCD_CC_1},      {1, &GUI_MEMDEV_DEVICE_1, LCD_CC_1},
               {0, &GUI_MEMDEV_DEVICE_32, LCD_CC_8888},  {0, &GUI_MEMDEV_DEVICE_16, LCD_CC_RGB565},
               {1, &GUI_MEMDEV_DEVICE_16, LCD_CC_RGB565}};
  int x = 0;
  for (auto& c : aCase) {
    SCOPED_TRACE(x);
    const LCD_COLOR_CONV_API* pConv = &LCD_aColorConvAPI[c.Conv];
    GUI_HMEM h = GUI_MEMDEV_CreateFixed(x, 0, 8, 4, c.Flags, c.pAPI, pConv);
    ASSERT_NE(h, 0);
    GUI_COLOR Color = c.Conv == LCD_CC_1 ? GUI_WHITE : (c.Conv == LCD_CC_GRAY8 ? 0x606060u : 0x3080C0u);
    GUI_MEMDEV_Select(h);
    GUI_SetColor(Color);
    GUI_FillRect(x, 0, x + 7, 3);
    GUI_MEMDEV_Select(0);
    GUI_MEMDEV_CopyToLCD(h);
    GUI_COLOR Stored = pConv->pfIndex2Color(pConv->pfColor2Index(Color));
    EXPECT_EQ(Display(x + 3, 2), C2I(Stored));
    GUI_MEMDEV_WriteAt(h, x, 10);
    EXPECT_EQ(Display(x + 7, 13), C2I(Stored));
    GUI_MEMDEV_Delete(h);
    x += 10;
  }
}

TEST_F(CopyTest, AlphaDevicePixelsBlendByTheirOwnTransparency) {
  FillDisplay(0);
  GUI_HMEM h = GUI_MEMDEV_Create32(50, 60, 3, 1);
  U32* p = (U32*)Pixels(h);
  p[0] = 0x000000FF;  // opaque red
  p[1] = 0xFF00FF00;  // invisible
  p[2] = 0x80FF0000;  // half blue
  U16 Under1 = Display(51, 60), Under2 = Display(52, 60);
  GUI_MEMDEV_CopyToLCD(h);
  EXPECT_EQ(Display(50, 60), C2I(GUI_RED));
  EXPECT_EQ(Display(51, 60), Under1);
  GUI_COLOR Mixed = I2C(Display(52, 60));
  GUI_COLOR Was = I2C(Under2);
  EXPECT_NEAR((int)((Mixed >> 16) & 0xFF), (0xFF + (int)((Was >> 16) & 0xFF)) / 2, 12);
  GUI_MEMDEV_Delete(h);
}

// Runs of opaque, invisible and mixed pixels in one row, each pixel as if blended alone.
TEST_F(CopyTest, AlphaRowsMixRunByRun) {
  FillDisplay(0x7777);
  const U8 aT[] = {0, 0, 0x80, 0xFF, 0xFF, 0, 0x40, 0x41, 0, 0xFF, 0x10};
  const int n = (int)sizeof(aT);
  GUI_HMEM h = GUI_MEMDEV_Create32(10, 5, n, 1);
  U32* p = (U32*)Pixels(h);
  std::vector<U16> Before = Snapshot(10, 5, 10 + n - 1, 5);
  for (int i = 0; i < n; i++) p[i] = (U32)aT[i] << 24 | (0x00305070u * (U32)(i + 1) & 0xFFFFFF);
  GUI_MEMDEV_CopyToLCD(h);
  for (int i = 0; i < n; i++) {
    GUI_COLOR c = p[i], Below = I2C(Before[(size_t)i]);
    U32 t = c >> 24;
    U16 Expect = t == 0xFF ? Before[(size_t)i] : C2I(t == 0 ? c : GUI__MixColors(c, Below, (U8)(255 - t)) & 0xFFFFFF);
    EXPECT_EQ(Display(10 + i, 5), Expect) << i;
  }
  EXPECT_TRUE(Errors().empty());
  GUI_MEMDEV_Delete(h);
}

// Onto the display a row is blended at once; into a 16-bit device the same rows go run by run through the
// pixels read back: both give the same pixels for every mix of invisible, opaque and translucent runs.
TEST_F(CopyTest, AlphaRowsOntoTheDisplayEqualTheRunByRunBlend) {
  const int W = 71, H = 9;
  FillDisplay(0x1234);
  GUI_HMEM hTarget = GUI_MEMDEV_CreateEx(100, 50, W, H, GUI_MEMDEV_NOTRANS);
  U16* pT = (U16*)Pixels(hTarget);
  for (int y = 0; y < H; y++)
    for (int x = 0; x < W; x++) pT[y * W + x] = Display(100 + x, 50 + y);
  GUI_HMEM h = GUI_MEMDEV_Create32(100, 50, W, H);
  U32* p = (U32*)Pixels(h);
  U32 Seed = 1;
  for (int i = 0; i < W * H; i++) {
    Seed = Seed * 1103515245u + 12345u;
    U32 Kind = (Seed >> 16) % 8, t = Kind < 3 ? 0xFF : Kind < 6 ? 0 : (Seed >> 8) & 0xFF;
    if (i / W == 4) t = 0xFF;  // a row with nothing to draw
    p[i] = t << 24 | (Seed * 2654435761u & 0xFFFFFF);
  }
  GUI_MEMDEV_CopyToLCD(h);
  GUI_MEMDEV_Select(hTarget);
  GUI_MEMDEV_CopyToLCD(h);
  GUI_MEMDEV_Select(0);
  for (int y = 0; y < H; y++)
    for (int x = 0; x < W; x++) ASSERT_EQ(Display(100 + x, 50 + y), pT[y * W + x]) << x << "," << y;
  EXPECT_TRUE(Errors().empty());
  GUI_MEMDEV_Delete(h);
  GUI_MEMDEV_Delete(hTarget);
}

TEST_F(CopyTest, TransferGoesToTheSelectedDevice) {
  GUI_HMEM hTarget = GUI_MEMDEV_CreateEx(0, 0, 40, 40, 0);
  GUI_HMEM hSrc = Drawn(5, 5, 10, 10, GUI_YELLOW, {5, 5, 14, 14});
  GUI_MEMDEV_Select(hTarget);
  GUI_MEMDEV_CopyToLCD(hSrc);
  EXPECT_EQ(LCD_GetPixelIndex(9, 9), C2I(GUI_YELLOW));
  EXPECT_TRUE(Marked(hTarget, 9, 9));
  EXPECT_FALSE(Marked(hTarget, 20, 20));
  GUI_MEMDEV_Select(0);
  GUI_MEMDEV_Delete(hSrc);
  GUI_MEMDEV_Delete(hTarget);
}

TEST_F(CopyTest, ConstantAlphaMixesDrawnPixelsOnly) {
  FillDisplay(0);
  GUI_HMEM hNoUsage = Drawn(0, 0, 4, 4, GUI_WHITE, {0, 0, 3, 3}, GUI_MEMDEV_NOTRANS);
  std::vector<U16> Before = Snapshot(0, 0, 3, 3);
  GUI_MEMDEV_WriteAlpha(hNoUsage, 128);
  EXPECT_EQ(Snapshot(0, 0, 3, 3), Before);
  GUI_HMEM h = Drawn(100, 100, 4, 4, GUI_WHITE, {100, 100, 101, 103});
  U16 Right = Display(102, 100);
  GUI_COLOR Under = I2C(Display(100, 100));
  GUI_MEMDEV_WriteAlpha(h, 128);
  EXPECT_EQ(Display(100, 100), C2I(LCD_MixColorsNoAlpha(GUI_WHITE, Under, 128)));
  EXPECT_EQ(Display(102, 100), Right);
  GUI_MEMDEV_Delete(h);
  GUI_MEMDEV_Delete(hNoUsage);
}

TEST_F(CopyTest, ScaledWriteMagnifiesDropsAndMirrors) {
  FillDisplay(0);
  GUI_HMEM h = GUI_MEMDEV_CreateEx(0, 0, 4, 2, GUI_MEMDEV_NOTRANS);
  U16* p = (U16*)Pixels(h);
  for (int i = 0; i < 8; i++) p[i] = (U16)(0x100 + i);
  GUI_MEMDEV_WriteScaledAt(h, 10, 10, 4000, 4000, 256);
  for (int y = 0; y < 8; y++)
    for (int x = 0; x < 16; x++) ASSERT_EQ(Display(10 + x, 10 + y), 0x100 + (y / 4) * 4 + x / 4) << x << "," << y;
  GUI_MEMDEV_WriteScaledAt(h, 50, 10, 500, 1000, 256);
  EXPECT_EQ(Display(50, 10), 0x100 + 1);
  EXPECT_EQ(Display(51, 10), 0x100 + 3);
  GUI_MEMDEV_WriteScaledAt(h, 60, 10, -1000, 1000, 256);
  for (int x = 0; x < 4; x++) EXPECT_EQ(Display(60 + x, 11), 0x100 + 4 + 3 - x);
  GUI_MEMDEV_Delete(h);
}

TEST_F(CopyTest, ScaledWriteMixesIntoASelectedDeviceUnlessOpaque) {
  GUI_HMEM hSrc = GUI_MEMDEV_CreateEx(0, 0, 2, 2, GUI_MEMDEV_NOTRANS);
  U16* p = (U16*)Pixels(hSrc);
  for (int i = 0; i < 4; i++) p[i] = C2I(GUI_WHITE);
  GUI_HMEM hTarget = GUI_MEMDEV_CreateEx(0, 0, 10, 10, GUI_MEMDEV_NOTRANS);
  std::memset(Pixels(hTarget), 0, 200);
  GUI_MEMDEV_Select(hTarget);
  GUI_MEMDEV_WriteScaledAt(hSrc, 0, 0, 1000, 1000, 256);
  GUI_MEMDEV_WriteScaledAt(hSrc, 4, 0, 1000, 1000, 128);
  GUI_MEMDEV_Select(0);
  U16* t = (U16*)Pixels(hTarget);
  EXPECT_EQ(t[0], C2I(GUI_WHITE));
  EXPECT_EQ(t[4], C2I(LCD_MixColorsNoAlpha(GUI_WHITE, GUI_BLACK, 128)));
  GUI_MEMDEV_Delete(hSrc);
  GUI_MEMDEV_Delete(hTarget);
}

void _Collect(U8 Data, void* p) { ((std::vector<U8>*)p)->push_back(Data); }

TEST_F(CopyTest, SerializedDeviceIsABmpOfItsOwnRectangleAndDepth) {
  GUI_HMEM h = GUI_MEMDEV_Create32(300, 200, 3, 2);
  U32* p = (U32*)Pixels(h);
  for (int i = 0; i < 6; i++) p[i] = 0x00102030u * (U32)(i + 1);
  GUI_HMEM hSel = GUI_MEMDEV_Create(0, 0, 4, 4);
  GUI_MEMDEV_Select(hSel);
  std::vector<U8> Bmp;
  GUI_MEMDEV_SerializeBMP(h, _Collect, &Bmp);
  EXPECT_EQ(GUI_GetSelectedDevice(), hSel);
  ASSERT_EQ(Bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(Bmp[0], 'B');
  EXPECT_EQ(Bmp[18], 3);   // width
  EXPECT_EQ(Bmp[22], 2);   // height
  EXPECT_EQ(Bmp[28], 32);  // bits per pixel
  // Bottom row first, blue, green, red, opacity.
  EXPECT_EQ(Bmp[54], 0x10 * 4 & 0xFF);
  EXPECT_EQ(Bmp[55], 0x20 * 4 & 0xFF);
  EXPECT_EQ(Bmp[56], 0x30 * 4 & 0xFF);
  EXPECT_EQ(Bmp[57], 255);
  GUI_MEMDEV_Select(0);
  GUI_MEMDEV_Delete(hSel);
  GUI_MEMDEV_Delete(h);
}

}  // namespace
