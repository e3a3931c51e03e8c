// The four memory-device drivers against a per-pixel model: every device depth, every source depth, every
// draw mode, devices at several positions and bitmaps crossing each edge of the device. The heap blocks
// around the device and the padding bits of 1-bit rows must stay untouched.
#include <cstring>
#include <random>
#include <vector>

#include "memdev_fixture.h"

namespace {

struct Case {
  int DevBPP, SrcBPP, Mode, ox, oy, Place;
};

const LCD_COLOR_CONV_API* ConvOf(int BPP) {
  switch (BPP) {
    case 1: return &LCD_aColorConvAPI[LCD_CC_1];
    case 8: return &LCD_aColorConvAPI[LCD_CC_GRAY8];
    case 16: return &LCD_aColorConvAPI[LCD_CC_BGR565];
    default: return &LCD_aColorConvAPI[LCD_CC_8888];
  }
}

U32 ReadPixel(const U8* pRow, int x, int BPP) {
  switch (BPP) {
    case 1: return (pRow[x >> 3] >> (7 - (x & 7))) & 1;
    case 2: return (pRow[x >> 2] >> (6 - 2 * (x & 3))) & 3;
    case 4: return (pRow[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
    case 8: return pRow[x];
    case 16: {
      U16 v;
      std::memcpy(&v, pRow + 2 * x, 2);
      return v;
    }
    default: {
      U32 v;
      std::memcpy(&v, pRow + 4 * x, 4);
      return v;
    }
  }
}

void WritePixel(U8* pRow, int x, int BPP, U32 v) {
  switch (BPP) {
    case 1:
      pRow[x >> 3] = (U8)((pRow[x >> 3] & ~(0x80 >> (x & 7))) | ((v & 1) ? (0x80 >> (x & 7)) : 0));
      break;
    case 8: pRow[x] = (U8)v; break;
    case 16: ((U16*)pRow)[x] = (U16)v; break;
    default: ((U32*)pRow)[x] = v; break;
  }
}

class DriverMatrix : public MemdevTest {
 protected:
  static constexpr int XS = 21, YS = 9, BW = 11, BH = 5;

  // What one source pixel v does to the stored value old; false: the pixel is left alone (and unmarked).
  static bool Model(int D, int S, int Mode, U32 v, const std::vector<LCD_PIXELINDEX>& Trans, U32 Mask, U32 old,
                    U32* pNew) {
    bool Xor = Mode & GUI_DRAWMODE_XOR, Tr = Mode & GUI_DRAWMODE_TRANS;
    bool Indexed = S <= 8;
    if (D == 1) {
      if (!Indexed) return false;
      if (Xor) {
        if (S != 1 || !v) return false;
        *pNew = old ^ 1;
        return true;
      }
      if (Tr && !v) return false;
      LCD_PIXELINDEX i = Trans[S == 1 && Tr ? 1 : v];
      *pNew = S == 1 ? (i != 0) : (i & 1);
      return true;
    }
    if (Indexed) {
      if (Xor) {
        if (S == 8 || (Tr && S != 1) || !v) return false;
        *pNew = old ^ Mask;
        return true;
      }
      if (Tr && !v) return false;
      *pNew = Trans[S == 1 && Tr ? 1 : v];
      return true;
    }
    if (D == 8) return false;
    if (S == 16) {
      *pNew = D == 16 ? v : LCD_aColorConvAPI[LCD_CC_8888].pfIndex2Color(v);
      return true;
    }
    if (D == 16) {
      *pNew = LCD_aColorConvAPI[LCD_CC_BGR565].pfColor2Index(v);
      return true;
    }
    U32 a = v >> 24;
    *pNew = a == 0 ? v : (a == 0xFF ? old : GUI__MixColors(v, old, (U8)(255 - a)));
    return true;
  }

  void Run(const Case& c, std::mt19937& Rng) {
    SCOPED_TRACE(testing::Message() << "dev " << c.DevBPP << " src " << c.SrcBPP << " mode " << c.Mode << " at "
                                    << c.ox << "," << c.oy << " place " << c.Place);
    GUI_HMEM hGuard0 = GUI_ALLOC_AllocNoInit(256);
    GUI_HMEM hMem = GUI_MEMDEV_CreateFixed(c.ox, c.oy, XS, YS, 0, GUI_MEMDEV__GetDeviceAPI(c.DevBPP), ConvOf(c.DevBPP));
    GUI_HMEM hGuard1 = GUI_ALLOC_AllocNoInit(256);
    ASSERT_TRUE(hGuard0 && hMem && hGuard1);
    std::memset(GUI_ALLOC_h2p(hGuard0), 0xA5, 256);
    std::memset(GUI_ALLOC_h2p(hGuard1), 0x5A, 256);
    U32 BytesPerLine = Dev(hMem)->BytesPerLine;
    std::vector<U8> Model0((size_t)BytesPerLine * YS);
    for (auto& b : Model0) b = (U8)Rng();
    if (c.DevBPP == 32) {
      // Some target pixels fully transparent: mixing into them takes the source as it is.
      for (size_t i = 3; i < Model0.size(); i += 20) Model0[i] = 0xFF;
    }
    std::memcpy(Pixels(hMem), Model0.data(), Model0.size());
    std::vector<bool> Mark((size_t)XS * YS, false);
    U32 Mask = ConvOf(c.DevBPP)->pfGetIndexMask();

    int S = c.SrcBPP;
    int SrcBytesPerLine = (BW * S + 7) / 8 + 1;
    std::vector<U8> Src((size_t)SrcBytesPerLine * BH);
    for (auto& b : Src) b = (U8)Rng();
    if (S == 32) {
      // Make every kind of transparency appear: opaque, invisible and mixed.
      for (int i = 0; i < BW * BH; i++) {
        U8* p = &Src[(size_t)(i / BW) * SrcBytesPerLine + (i % BW) * 4 + 3];
        *p = (U8)(i % 3 == 0 ? 0 : (i % 3 == 1 ? 0xFF : *p));
      }
    }
    std::vector<LCD_PIXELINDEX> Trans(256);
    for (auto& t : Trans) t = (LCD_PIXELINDEX)(Rng() & Mask);
    Trans[0] = 0;

    const int aPlaceX[] = {5, -4, XS - 6, 5, 5};
    const int aPlaceY[] = {2, 2, 2, -3, YS - 2};
    int bx = c.ox + aPlaceX[c.Place], by = c.oy + aPlaceY[c.Place];

    GUI_Lock();
    GUI_MEMDEV_Select(hMem);
    GUI_SetDrawMode(c.Mode);
    LCD_DrawBitmap(bx, by, BW, BH, 1, 1, S, SrcBytesPerLine, Src.data(), S <= 8 ? Trans.data() : nullptr);
    GUI_SetDrawMode(0);
    GUI_MEMDEV_Select(0);
    GUI_Unlock();

    std::vector<U8> Expect = Model0;
    for (int r = 0; r < BH; r++) {
      for (int k = 0; k < BW; k++) {
        int dx = bx + k - c.ox, dy = by + r - c.oy;
        if (dx < 0 || dy < 0 || dx >= XS || dy >= YS) continue;
        U32 v = ReadPixel(&Src[(size_t)r * SrcBytesPerLine], k, S);
        U8* pRow = &Expect[(size_t)dy * BytesPerLine];
        U32 New;
        bool Wide = S > 8;
        bool Premark = (Wide && c.DevBPP > 8) || (!(c.Mode & 3) && (S <= 8));
        if (Premark) Mark[(size_t)dy * XS + dx] = true;
        if (Model(c.DevBPP, S, c.Mode, v, Trans, Mask, ReadPixel(pRow, dx, c.DevBPP), &New)) {
          WritePixel(pRow, dx, c.DevBPP, New);
          Mark[(size_t)dy * XS + dx] = true;
        }
      }
    }
    const U8* pGot = Pixels(hMem);
    for (int y = 0; y < YS; y++) {
      for (size_t i = 0; i < BytesPerLine; i++) {
        ASSERT_EQ(pGot[y * BytesPerLine + i], Expect[y * BytesPerLine + i]) << "row " << y << " byte " << i;
      }
      for (int x = 0; x < XS; x++) ASSERT_EQ(Marked(hMem, x, y), Mark[(size_t)y * XS + x]) << "usage " << x << "," << y;
    }
    const U8* g0 = (const U8*)GUI_ALLOC_h2p(hGuard0);
    const U8* g1 = (const U8*)GUI_ALLOC_h2p(hGuard1);
    for (int i = 0; i < 256; i++) {
      ASSERT_EQ(g0[i], 0xA5);
      ASSERT_EQ(g1[i], 0x5A);
    }
    GUI_MEMDEV_Delete(hMem);
    GUI_ALLOC_Free(hGuard0);
    GUI_ALLOC_Free(hGuard1);
  }
};

TEST_F(DriverMatrix, EveryDepthModeOffsetAndEdgeMatchesTheModel) {
  std::mt19937 Rng(77);
  const int aOff[][2] = {{0, 0}, {37, 11}, {-6, -4}, {461, 265}};
  for (int D : {1, 8, 16, 32})
    for (int S : {1, 2, 4, 8, 16, 32})
      for (int Mode = 0; Mode < 4; Mode++)
        for (auto& o : aOff)
          for (int Place = 0; Place < 5; Place++) {
            Run({D, S, Mode, o[0], o[1], Place}, Rng);
            if (HasFatalFailure()) return;
          }
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

// Fills, lines and single pixels in every depth: XOR twice restores, every written pixel is marked.
TEST_F(DriverMatrix, FillsAndPixelsHonourXorAndMarkUsage) {
  for (int D : {1, 8, 16, 32}) {
    GUI_HMEM hMem = GUI_MEMDEV_CreateFixed(10, 20, 19, 7, 0, GUI_MEMDEV__GetDeviceAPI(D), ConvOf(D));
    ASSERT_NE(hMem, 0);
    GUI_Lock();
    GUI_MEMDEV_Select(hMem);
    LCD_SetColorIndex(0x5A5A5A5A & ConvOf(D)->pfGetIndexMask());
    LCD_FillRect(12, 21, 25, 24);
    std::vector<U8> After((U8*)Pixels(hMem), (U8*)Pixels(hMem) + Dev(hMem)->BytesPerLine * 7);
    GUI_SetDrawMode(GUI_DRAWMODE_XOR);
    LCD_FillRect(11, 20, 28, 26);
    LCD_FillRect(11, 20, 28, 26);
    GUI_SetDrawMode(0);
    EXPECT_EQ(0, std::memcmp(After.data(), Pixels(hMem), After.size())) << D;
    LCD_DrawVLine(28, 20, 26);
    LCD_SetPixelIndex(10, 26, 1);
    GUI_MEMDEV_Select(0);
    GUI_Unlock();
    for (int y = 0; y < 7; y++)
      for (int x = 0; x < 19; x++) {
        bool Expect = x >= 1 || y == 6;
        EXPECT_EQ(Marked(hMem, x, y), Expect) << D << " " << x << "," << y;
      }
    GUI_MEMDEV_Delete(hMem);
  }
}

}  // namespace
