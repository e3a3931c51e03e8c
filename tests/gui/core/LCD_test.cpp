// The display layer and the simulation driver: clipping, XOR, bitmaps, read-back, the pixel writer, the
// driver's frame buffers and the device chain.
#include <cstring>
#include <vector>

#include "GuiTest.h"

namespace {

class LcdTest : public GuiTest {
 protected:
  // The whole layer as indices, row by row.
  static std::vector<U32> Snapshot(int x0, int y0, int x1, int y1) {
    std::vector<U32> v;
    for (int y = y0; y <= y1; y++) {
      for (int x = x0; x <= x1; x++) {
        v.push_back(LCD_GetPixelIndex(x, y));
      }
    }
    return v;
  }
  static int CountIndex(U32 Index) {
    int n = 0;
    for (U32 v : Snapshot(0, 0, LCD_GetVXSize() - 1, LCD_GetVYSize() - 1)) {
      n += v == Index;
    }
    return n;
  }
};

TEST_F(LcdTest, DefaultDisplayConfiguration) {
  EXPECT_EQ(LCD_GetXSize(), 480);
  EXPECT_EQ(LCD_GetYSize(), 272);
  EXPECT_EQ(LCD_GetVXSize(), 480);
  EXPECT_EQ(LCD_GetVYSize(), 544);
  EXPECT_EQ(LCD_GetBitsPerPixel(), 16);
  EXPECT_EQ(LCD_GetNumColors(), 65536u);
  EXPECT_EQ(LCD_GetNumLayers(), 1);
  EXPECT_EQ(LCD_GetXMagEx(0), 1);
  EXPECT_EQ(LCD_GetXSizeMax(), 480);
  EXPECT_EQ(GUI_DEVICE__GetDriver(0)->pDeviceAPI, &LCD_SIMDRV_API);
  const LCD_SIMDRV_BUFFER* b = LCD_SIMDRV_GetBuffer(0);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->VXSize, 480);
  EXPECT_EQ(b->VYSize, 544);
  EXPECT_EQ(b->BytesPerLine, 960);
  EXPECT_EQ(GUI__GetScreenXSize(), 480);
  GUI__SetScreenXSize(100);
  EXPECT_EQ(GUI__GetScreenXSize(), 100);
  GUI__SetScreenXSize(0);
  EXPECT_EQ(GUI__GetScreenXSize(), 480);
}

TEST_F(LcdTest, PrimitivesStayInsideTheClipRectangle) {
  GUI_RECT Clip = {10, 20, 19, 29};
  LCD_SetClipRectEx(&Clip);
  LCD_SetColorIndex(0x1234);
  LCD_FillRect(-100, -100, 1000, 1000);
  EXPECT_EQ(CountIndex(0x1234), 100);
  EXPECT_EQ(LCD_GetPixelIndex(10, 20), 0x1234u);
  EXPECT_EQ(LCD_GetPixelIndex(19, 29), 0x1234u);
  EXPECT_EQ(LCD_GetPixelIndex(9, 20), 0u);
  EXPECT_EQ(LCD_GetPixelIndex(20, 29), 0u);
  LCD_SetColorIndex(0x0F0F);
  LCD_DrawHLine(0, 15, 479);   // above: nothing
  LCD_DrawVLine(25, 0, 543);   // right of it: nothing
  LCD_DrawHLine(0, 25, 479);   // across: 10 pixels
  LCD_DrawPixel(9, 25);
  EXPECT_EQ(CountIndex(0x0F0F), 10);
  GUI_RECT Outside = {500, 600, 700, 800};
  LCD_SetClipRectEx(&Outside);
  LCD_FillRect(0, 0, 1000, 1000);
  EXPECT_EQ(CountIndex(0x0F0F), 10);
}

TEST_F(LcdTest, XorModeInvertsAndRestores) {
  LCD_SetColorIndex(0x1234);
  LCD_FillRect(0, 0, 9, 9);
  LCD_SetDrawMode(LCD_DRAWMODE_XOR);
  LCD_FillRect(5, 5, 14, 14);
  EXPECT_EQ(LCD_GetPixelIndex(6, 6), 0x1234u ^ 0xFFFF);
  EXPECT_EQ(LCD_GetPixelIndex(12, 12), 0xFFFFu);
  LCD_DrawPixel(0, 0);
  EXPECT_EQ(LCD_GetPixelIndex(0, 0), 0x1234u ^ 0xFFFF);
  LCD_DrawPixel(0, 0);
  LCD_FillRect(5, 5, 14, 14);
  LCD_SetDrawMode(0);
  EXPECT_EQ(LCD_GetPixelIndex(0, 0), 0x1234u);
  EXPECT_EQ(LCD_GetPixelIndex(6, 6), 0x1234u);
  EXPECT_EQ(LCD_GetPixelIndex(12, 12), 0u);
}

TEST_F(LcdTest, ReverseModeSwapsIndices) {
  LCD_SetColorIndex(1);
  LCD_SetBkColorIndex(2);
  LCD_SetDrawMode(LCD_DRAWMODE_REV);
  EXPECT_EQ(LCD_GetColorIndex(), 2u);
  LCD_SetDrawMode(LCD_DRAWMODE_REV | LCD_DRAWMODE_TRANS);
  EXPECT_EQ(LCD_GetColorIndex(), 2u);
  LCD_SetDrawMode(0);
  EXPECT_EQ(LCD_GetColorIndex(), 1u);
}

TEST_F(LcdTest, BitmapsOfEveryDepthWithTableAndTransparency) {
  // Row of 8 pixels with values 0..3 repeating, in each palette depth.
  const LCD_PIXELINDEX aTrans[16] = {0x100, 0x101, 0x102, 0x103, 0x104, 0x105, 0x106, 0x107,
                                     0x108, 0x109, 0x10A, 0x10B, 0x10C, 0x10D, 0x10E, 0x10F};
  const U8 a1[] = {0x55};                     // 0,1,0,1,...
  const U8 a2[] = {0x1B, 0x1B};               // 0,1,2,3,0,1,2,3
  const U8 a4[] = {0x01, 0x23, 0x01, 0x23};
  const U8 a8[] = {0, 1, 2, 3, 0, 1, 2, 3};
  struct Case {
    int Bits;
    const U8* p;
    U32 Mod;
  } aCase[] = {{1, a1, 2}, {2, a2, 4}, {4, a4, 4}, {8, a8, 4}};
  for (const Case& c : aCase) {
    LCD_SetClipRectToDevice();
    LCD_SetColorIndex(0xAAAA);
    LCD_FillRect(0, 0, 20, 0);
    LCD_SetDrawMode(0);
    LCD_DrawBitmap(0, 0, 8, 1, 1, 1, c.Bits, 8, c.p, aTrans);
    for (int x = 0; x < 8; x++) {
      EXPECT_EQ(LCD_GetPixelIndex(x, 0), 0x100u + x % c.Mod) << c.Bits << " bpp, x " << x;
    }
    LCD_FillRect(0, 0, 20, 0);
    LCD_SetDrawMode(LCD_DRAWMODE_TRANS);
    LCD_DrawBitmap(0, 0, 8, 1, 1, 1, c.Bits, 8, c.p, aTrans);
    for (int x = 0; x < 8; x++) {
      EXPECT_EQ(LCD_GetPixelIndex(x, 0), x % c.Mod ? 0x100u + x % c.Mod : 0xAAAAu) << c.Bits << " bpp trans";
    }
    // Clipped on the left: the first visible pixel comes from inside a byte.
    LCD_SetDrawMode(0);
    LCD_FillRect(0, 0, 20, 0);
    GUI_RECT Clip = {3, 0, 5, 0};
    LCD_SetClipRectEx(&Clip);
    LCD_DrawBitmap(0, 0, 8, 1, 1, 1, c.Bits, 8, c.p, aTrans);
    LCD_SetClipRectToDevice();
    for (int x = 0; x < 8; x++) {
      U32 Expect = (x >= 3 && x <= 5) ? 0x100u + x % c.Mod : 0xAAAAu;
      EXPECT_EQ(LCD_GetPixelIndex(x, 0), Expect) << c.Bits << " bpp clipped, x " << x;
    }
  }
  LCD_SetDrawMode(0);
}

TEST_F(LcdTest, RawBitmapsAndMagnification) {
  const U16 a16[] = {0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006};
  LCD_DrawBitmap(10, 10, 3, 2, 1, 1, 16, 6, reinterpret_cast<const U8*>(a16), nullptr);
  EXPECT_EQ(Snapshot(10, 10, 12, 11), (std::vector<U32>{1, 2, 3, 4, 5, 6}));
  const U32 a32[] = {0x0007, 0x0008};
  LCD_DrawBitmap(10, 20, 2, 1, 1, 1, 32, 8, reinterpret_cast<const U8*>(a32), nullptr);
  EXPECT_EQ(Snapshot(10, 20, 11, 20), (std::vector<U32>{7, 8}));
  LCD_DrawBitmap(20, 30, 3, 2, 2, 3, 16, 6, reinterpret_cast<const U8*>(a16), nullptr);
  EXPECT_EQ(LCD_GetPixelIndex(20, 30), 1u);
  EXPECT_EQ(LCD_GetPixelIndex(21, 32), 1u);
  EXPECT_EQ(LCD_GetPixelIndex(22, 30), 2u);
  EXPECT_EQ(LCD_GetPixelIndex(25, 35), 6u);
  EXPECT_EQ(LCD_GetPixelIndex(26, 35), 0u);
  EXPECT_EQ(LCD_GetPixelIndex(25, 36), 0u);
  // A magnified 1-bit bitmap in transparent mode leaves the zero pixels alone.
  const U8 a1[] = {0xA0};  // 1,0,1
  const LCD_PIXELINDEX aTrans[2] = {0x11, 0x22};
  LCD_SetColorIndex(0x33);
  LCD_FillRect(40, 40, 60, 60);
  LCD_SetDrawMode(LCD_DRAWMODE_TRANS);
  LCD_DrawBitmap(40, 40, 3, 1, 4, 4, 1, 1, a1, aTrans);
  LCD_SetDrawMode(0);
  EXPECT_EQ(LCD_GetPixelIndex(43, 43), 0x22u);
  EXPECT_EQ(LCD_GetPixelIndex(44, 43), 0x33u);
  EXPECT_EQ(LCD_GetPixelIndex(48, 40), 0x22u);
  EXPECT_EQ(LCD_GetColorIndex(), 0x33u);  // the colour index survives
}

TEST_F(LcdTest, SixteenBitDrawerConvertsForeignLayouts) {
  // RGB565 data on the BGR565 display: converted through colours, magnified or not.
  const U16 aRGB[] = {0xF800, 0x07E0, 0x001F, 0xFFFF};
  GUI_SetColor(GUI_YELLOW);
  GUI__DrawBitmap16bpp(0, 0, 2, 2, reinterpret_cast<const U8*>(aRGB), nullptr, 1, 1, LCD_CC_RGB565_Index2Color,
                       &LCD_aColorConvAPI[LCD_CC_RGB565]);
  EXPECT_EQ(Snapshot(0, 0, 1, 1), (std::vector<U32>{0x001F, 0x07E0, 0xF800, 0xFFFF}));
  GUI__DrawBitmap16bpp(10, 0, 2, 2, reinterpret_cast<const U8*>(aRGB), nullptr, 2, 2, LCD_CC_RGB565_Index2Color,
                       nullptr);
  EXPECT_EQ(LCD_GetPixelIndex(11, 1), 0x001Fu);
  EXPECT_EQ(LCD_GetPixelIndex(13, 3), 0xFFFFu);
  const U16 aBGR[] = {0x1111, 0x2222};
  GUI__DrawBitmap16bpp(20, 0, 2, 1, reinterpret_cast<const U8*>(aBGR), nullptr, 1, 1, LCD_CC_BGR565_Index2Color,
                       nullptr);
  EXPECT_EQ(Snapshot(20, 0, 21, 0), (std::vector<U32>{0x1111, 0x2222}));
  EXPECT_EQ(GUI_GetColor(), GUI_YELLOW);
  EXPECT_EQ(LCD_GetColorIndex(), LCD_Color2Index(GUI_YELLOW));
}

TEST_F(LcdTest, PixelWriterStreamsRowsInsideTheClip) {
  GUI_RECT Clip = {0, 0, 479, 1};
  LCD_SetClipRectEx(&Clip);
  const LCD_PIXELWRITER_API* w = LCD_GetPixelWriterAPI();
  ASSERT_EQ(w->pfBegin(5, 0, 7, 2), 0);
  for (int y = 0; y < 3; y++) {
    for (int x = 0; x < 3; x++) {
      w->pfWrite((LCD_PIXELINDEX)(10 * y + x + 1));
    }
    w->pfWrite(99);  // beyond the row: ignored
    w->pfNextLine();
  }
  w->pfEnd();
  LCD_SetClipRectToDevice();
  EXPECT_EQ(Snapshot(5, 0, 7, 2), (std::vector<U32>{1, 2, 3, 11, 12, 13, 0, 0, 0}));
  EXPECT_EQ(LCD_GetPixelIndex(8, 0), 0u);
  EXPECT_NE(w->pfBegin(5, 0, 4, 0), 0);
}

TEST_F(LcdTest, ReadRectPacksClippedPixels) {
  for (int x = 0; x < 4; x++) {
    LCD_SetColorIndex(0x100 + x);
    LCD_DrawPixel(x, 0);
  }
  U16 a16[4] = {};
  LCD_ReadRect(0, 0, 3, 0, a16, nullptr);
  EXPECT_EQ(a16[3], 0x103);
  LCD_PIXELINDEX a32[4] = {};
  GUI_RECT Clip = {1, 0, 2, 0};
  LCD_SetClipRectEx(&Clip);
  LCD_ReadRectEx(0, 0, 3, 0, a32, nullptr);
  EXPECT_EQ(a32[0], 0x101u);
  EXPECT_EQ(a32[1], 0x102u);
  EXPECT_EQ(a32[2], 0u);
  LCD_ReadRectFromDriver(2, 0, 2, 0, a32, GUI_aDevice[0]);
  EXPECT_EQ(a32[0], 0x102u);
  EXPECT_EQ(LCD_GetPixelIndex(-1, 0), 0u);
  EXPECT_EQ(LCD_GetPixelIndex(0, 544), 0u);
  EXPECT_EQ(LCD_GetPixelColor(1, 0), LCD_CC_BGR565_Index2Color(0x101));
}

TEST_F(LcdTest, BitmapPixelValues) {
  const U8 a4[] = {0x12, 0x34, 0x56, 0x78};
  GUI_BITMAP b = {4, 2, 2, 4, a4, nullptr, nullptr};
  EXPECT_EQ(GUI_GetBitmapPixelIndex(&b, 0, 0), 1u);
  EXPECT_EQ(GUI_GetBitmapPixelIndex(&b, 3, 0), 4u);
  EXPECT_EQ(GUI_GetBitmapPixelIndex(&b, 2, 1), 7u);
  EXPECT_EQ(GUI_GetBitmapPixelIndex(&b, 4, 0), 0u);
  EXPECT_EQ(GUI_GetBitmapPixelIndex(nullptr, 0, 0), 0u);
  const U8 a16[] = {0x34, 0x12, 0x78, 0x56};
  GUI_BITMAP b16 = {2, 1, 4, 16, a16, nullptr, nullptr};
  EXPECT_EQ(GUI_GetBitmapPixelIndex(&b16, 1, 0), 0x5678u);
}

TEST_F(LcdTest, HostBufferInBitmapOrderAndRefusedWrites) {
  std::vector<U32> Pixels(480 * 544, 0);
  volatile U32 Cnt = 0;
  LCD_SIMDRV_BUFFER Buf = {Pixels.data(), 480, 272, 480, 544, 480 * 4, &Cnt, LCD_SIMDRV_STORAGE_XRGB, 0};
  ASSERT_EQ(LCD_SIMDRV_SetBuffer(0, &Buf), 0);
  GUI_SetColor(GUI_RED);
  GUI_FillRect(0, 0, 1, 0);
  EXPECT_EQ(Pixels[0], 0x00FF0000u);  // red in bits 16-23
  EXPECT_GT(Cnt, 0u);
  EXPECT_EQ(LCD_GetPixelIndex(1, 0), LCD_Color2Index(GUI_RED));
  // Every index survives the trip through the stored colour.
  for (U32 i = 0; i < 0x10000; i += 7) {
    LCD_SetPixelIndex(5, 5, i);
    ASSERT_EQ(LCD_GetPixelIndex(5, 5), i);
  }
  // A buffer smaller than the virtual area: writes beyond it are refused, not performed.
  U32 Before = LCD_SIMDRV_GetNumRefused(0);
  std::vector<U16> Small(480 * 10 + 1, 0xEEEE);
  LCD_SIMDRV_BUFFER SmallBuf = {Small.data(), 480, 272, 480, 544, 960, &Cnt, LCD_SIMDRV_STORAGE_565, 480 * 10 * 2};
  ASSERT_EQ(LCD_SIMDRV_SetBuffer(0, &SmallBuf), 0);
  GUI_SetColor(GUI_BLUE);
  GUI_FillRect(0, 9, 479, 11);
  EXPECT_EQ(Small[480 * 9], 0xF800);
  EXPECT_EQ(Small[480 * 10], 0xEEEE);
  EXPECT_EQ(LCD_SIMDRV_GetNumRefused(0) - Before, 2u);
  LCD_SIMDRV_BUFFER Bad = {nullptr, 480, 272, 480, 544, 960, nullptr, 0, 0};
  EXPECT_EQ(LCD_SIMDRV_SetBuffer(0, &Bad), 1);
  Bad.pData = Small.data();
  Bad.BytesPerLine = 100;
  EXPECT_EQ(LCD_SIMDRV_SetBuffer(0, &Bad), 1);
  ASSERT_EQ(LCD_SIMDRV_SetBuffer(0, nullptr), 0);
  EXPECT_EQ(LCD_GetPixelIndex(0, 9), 0u);  // a fresh private buffer
}

int HostOrgX = -1, HostOrgY = -1, HostVis = -1;
void HostSetOrg(int, int x, int y) {
  HostOrgX = x;
  HostOrgY = y;
}
void HostSetVis(int, int OnOff) { HostVis = OnOff; }

TEST_F(LcdTest, DeviceRoutinesReachTheHost) {
  static const LCD_SIMDRV_HOST_API Host = {HostSetOrg, nullptr, nullptr, HostSetVis};
  LCD_SIMDRV_SetHostAPI(&Host);
  GUI_SetOrg(0, 272);
  EXPECT_EQ(HostOrgY, 272);
  int x, y;
  GUI_GetOrg(&x, &y);
  EXPECT_EQ(y, 272);
  EXPECT_EQ(LCD_SetVisEx(0, 1), 0);
  EXPECT_EQ(HostVis, 1);
  EXPECT_EQ(LCD_SetPosEx(0, 3, 4), 0);
  GUI_GetLayerPosEx(0, &x, &y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(LCD_SetSizeEx(5, 10, 10), 1);  // no driver on that layer
  LCD_SIMDRV_SetHostAPI(nullptr);
}

const GUI_DEVICE_API* FakeApi(int Class) {
  static GUI_DEVICE_API a[8];
  a[Class] = LCD_SIMDRV_API;
  a[Class].DeviceClassIndex = Class;
  return &a[Class];
}

TEST_F(LcdTest, ChainOrderByClass) {
  GUI_DEVICE* pDriver = GUI_aDevice[0];
  GUI_DEVICE* pMem = GUI_DEVICE_Create(FakeApi(DEVICE_CLASS_MEMDEV), nullptr, 0, 0);
  GUI_DEVICE* pSprite = GUI_DEVICE_Create(FakeApi(DEVICE_CLASS_SPRITE), nullptr, 0, 0);
  GUI_DEVICE* pOrient = GUI_DEVICE_Create(FakeApi(DEVICE_CLASS_DRIVER), nullptr, 1, 0);
  GUI_DEVICE_Link(pMem);
  GUI_DEVICE_Link(pOrient);
  GUI_DEVICE_Link(pSprite);
  GUI_DEVICE_Link(pSprite);  // twice: no change
  EXPECT_EQ(GUI_aDevice[0], pMem);
  EXPECT_EQ(pMem->pNext, pSprite);
  EXPECT_EQ(pSprite->pNext, pOrient);
  EXPECT_EQ(pOrient->pNext, pDriver);
  EXPECT_EQ(pSprite->pColorConvAPI, pDriver->pColorConvAPI);  // takes the conversion below it
  EXPECT_EQ(GUI_DEVICE__GetDriver(0), pDriver);
  EXPECT_EQ(GUI_DEVICE__GetByClass(0, DEVICE_CLASS_DRIVER), pOrient);
  EXPECT_EQ(GUI_DEVICE__GetByClass(0, DEVICE_CLASS_MEASDEV), nullptr);
  GUI_SelectLCD();  // drops the memory device
  EXPECT_EQ(GUI_aDevice[0], pSprite);
  GUI_DEVICE_Delete(pSprite);
  GUI_DEVICE_Delete(pOrient);
  GUI_DEVICE_Delete(pMem);
  EXPECT_EQ(GUI_aDevice[0], pDriver);
  EXPECT_EQ(pDriver->pNext, nullptr);
}

TEST_F(LcdTest, AlphaDeviceBlendsIntoTheDisplay) {
  GUI_SetColor(GUI_BLUE);
  GUI_FillRect(0, 0, 9, 9);
  GUI_EnableAlpha(1);
  GUI_SetColor(0x80FFFFFF);  // half transparent white
  GUI_FillRect(0, 0, 4, 9);
  GUI_SetColor(0xFF00FF00);  // fully transparent
  GUI_FillRect(5, 0, 9, 9);
  GUI_EnableAlpha(0);
  GUI_COLOR Mixed = LCD_MixColorsNoAlpha(0xFFFFFF, LCD_CC_BGR565_Index2Color(0xF800), 0x7F);
  EXPECT_EQ(LCD_GetPixelIndex(2, 2), LCD_Color2Index(Mixed));
  EXPECT_EQ(LCD_GetPixelIndex(7, 7), 0xF800u);
  int Flags = 0;
  const GUI_COLOR aLine[3] = {0x000000FF, 0xFF000000, 0x80FFFFFF};
  LCD_PIXELINDEX* p = GUI__DoAlphaBlending(7, 7, aLine, 3, LCD_CC_BGR565_Index2Color, &Flags);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(Flags, 1);
  EXPECT_EQ(p[0], 0x000000FFu);
  EXPECT_EQ(p[1], LCD_CC_BGR565_Index2Color(0xF800));
  GUI__SetPixelAlpha(7, 7, 255, GUI_WHITE);
  EXPECT_EQ(LCD_GetPixelIndex(7, 7), 0xFFFFu);  // full intensity: the colour itself
  GUI__SetPixelAlpha(7, 7, 0, GUI_RED);
  EXPECT_EQ(LCD_GetPixelIndex(7, 7), LCD_Color2Index(LCD_MixColorsNoAlpha(GUI_RED, GUI_WHITE, 0)));
  GUI_RECT Clip = {0, 0, 5, 5};
  LCD_SetClipRectEx(&Clip);
  GUI__SetPixelAlpha(7, 7, 255, GUI_BLUE);  // outside the clip rectangle: nothing
  LCD_SetClipRectToDevice();
  EXPECT_NE(LCD_GetPixelIndex(7, 7), 0xF800u);
}

TEST_F(LcdTest, CompactPixelIndices) {
  LCD_PIXELINDEX a[10] = {1, 0, 1, 1, 0, 0, 0, 1, 1, 0};
  GUI__CompactPixelIndices(a, 10, 1);
  const U8* p = reinterpret_cast<const U8*>(a);
  EXPECT_EQ(p[0], 0xB1);
  EXPECT_EQ(p[1], 0x80);
  LCD_PIXELINDEX b[3] = {0x1, 0xF, 0x7};
  GUI__CompactPixelIndices(b, 3, 4);
  p = reinterpret_cast<const U8*>(b);
  EXPECT_EQ(p[0], 0x1F);
  EXPECT_EQ(p[1], 0x70);
  LCD_PIXELINDEX c[2] = {GUI_RED, GUI_BLUE};
  EXPECT_EQ(GUI__CompactPixelIndicesEx(c, 2, 16, &LCD_aColorConvAPI[LCD_CC_BGR565]), 1);
  EXPECT_EQ(reinterpret_cast<const U16*>(c)[1], 0xF800);
  EXPECT_EQ(GUI__CompactPixelIndicesEx(c, 2, 32, &LCD_aColorConvAPI[LCD_CC_8888]), 0);
}

}  // namespace
