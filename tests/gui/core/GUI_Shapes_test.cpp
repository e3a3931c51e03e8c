// Shapes in window coordinates: golden images at every edge of a clip rectangle and of the display, plus the
// properties that pictures do not show (XOR symmetry, exact end colours, the clip-iteration seam).
#include <functional>
#include <vector>

#include "GoldenLCD.h"
#include "GuiTest.h"

namespace {

struct Shape {
  const char* Name;
  std::function<void(int x, int y)> Draw;  // draws into the 60 x 40 box at x, y
};

const GUI_POINT aStar[] = {{30, 0}, {38, 15}, {59, 15}, {42, 25}, {50, 39}, {30, 30}, {10, 39}, {18, 25}, {0, 15}, {22, 15}};
const I16 aGraph[] = {0, 3, 8, 15, 20, 32767, 32767, 18, 10, 5, 30, 39, 2, 0, 25, 25, 25, 12, 7, 1};

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> v = {
      {"FillRect", [](int x, int y) { GUI_FillRect(x, y, x + 59, y + 39); }},
      {"DrawRect", [](int x, int y) { GUI_DrawRect(x, y, x + 59, y + 39); }},
      {"RoundedRect", [](int x, int y) { GUI_DrawRoundedRect(x, y, x + 59, y + 39, 12); }},
      {"RoundedFrame", [](int x, int y) { GUI_DrawRoundedFrame(x, y, x + 59, y + 39, 14, 4); }},
      {"FillRoundedRect", [](int x, int y) { GUI_FillRoundedRect(x, y, x + 59, y + 39, 10); }},
      {"RoundedCorners",
       [](int x, int y) { GUI__FillRoundedCorners(x, y, x + 59, y + 39, 12, GUI_BLUE, GUI_WHITE, GUI_GREEN); }},
      {"RoundedCornersTop",
       [](int x, int y) { GUI__FillRoundedCornersTop(x, x + 59, y, 15, GUI_BLUE, GUI_WHITE, GUI_GREEN); }},
      {"RoundedBox", [](int x, int y) { GUI__FillRoundedBox(x + 10, y, 40, GUI_WHITE, GUI_GRAY, GUI_BLUE, GUI_RED); }},
      {"GradientV", [](int x, int y) { GUI_DrawGradientV(x, y, x + 59, y + 39, GUI_RED, GUI_BLUE); }},
      {"GradientH", [](int x, int y) { GUI_DrawGradientH(x, y, x + 59, y + 39, GUI_YELLOW, GUI_GREEN); }},
      {"GradientRoundedV",
       [](int x, int y) { GUI_DrawGradientRoundedV(x, y, x + 59, y + 39, 10, GUI_WHITE, GUI_BLACK); }},
      {"FillPolygon", [](int x, int y) { GUI_FillPolygon(aStar, 10, x, y); }},
      {"DrawPolygon", [](int x, int y) { GUI_DrawPolygon(aStar, 10, x, y); }},
      {"ThickLines",
       [](int x, int y) {
         GUI_SetPenSize(5);
         GUI_DrawLine(x + 2, y + 2, x + 57, y + 30);
         GUI_SetPenSize(4);
         GUI_MoveTo(x + 2, y + 37);
         GUI_DrawLineTo(x + 30, y + 10);
         GUI_DrawLineTo(x + 57, y + 37);
         GUI_SetPenSize(1);
       }},
      {"StyledLines",
       [](int x, int y) {
         for (int Style = 0; Style <= GUI_LS_DASHDOTDOT; Style++) {
           GUI_SetLineStyle(Style);
           GUI_DrawLine(x, y + 8 * Style, x + 59, y + 8 * Style + 6);
         }
         GUI_SetLineStyle(GUI_LS_SOLID);
       }},
      {"Circles",
       [](int x, int y) {
         GUI_FillCircle(x + 15, y + 20, 14);
         GUI_DrawCircle(x + 45, y + 20, 14);
       }},
      {"FocusRect",
       [](int x, int y) {
         GUI_RECT r = {(I16)x, (I16)y, (I16)(x + 59), (I16)(y + 39)};
         GUI_DrawFocusRect(&r, 0);
         GUI_DrawFocusRect(&r, 5);
       }},
      {"Graph", [](int x, int y) { GUI_DrawGraphEx(aGraph, 20, x, y, 3, 3, 0); GUI_DrawGraphEx(aGraph, 20, x + 30, y, 1, 1, 1); }},
  };
  return v;
}

class ShapeTest : public GuiTest, public testing::WithParamInterface<size_t> {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    GUI_SetBkColor(0x00202020);
    GUI_Clear();
    GUI_SetColor(0x0000C0FF);
  }
};

TEST_P(ShapeTest, ClippedAtEveryEdgeOfTheClipRectangle) {
  const Shape& s = Shapes()[GetParam()];
  const GUI_RECT Clip = {100, 60, 379, 211};
  GUI_SetColor(GUI_GRAY);
  GUI_DrawRect(Clip.x0 - 1, Clip.y0 - 1, Clip.x1 + 1, Clip.y1 + 1);
  GUI_SetColor(0x0000C0FF);
  LCD_SetClipRectEx(&Clip);
  // Straddling the four corners and the four edge middles.
  const int aX[] = {Clip.x0 - 30, (Clip.x0 + Clip.x1) / 2 - 30, Clip.x1 - 29};
  const int aY[] = {Clip.y0 - 20, (Clip.y0 + Clip.y1) / 2 - 20, Clip.y1 - 19};
  for (int ix = 0; ix < 3; ix++) {
    for (int iy = 0; iy < 3; iy++) {
      if (ix != 1 || iy != 1) {
        s.Draw(aX[ix], aY[iy]);
      }
    }
  }
  s.Draw(Clip.x0 + 40, Clip.y0 + 40);  // and once whole
  LCD_SetClipRectToDevice();
  EXPECT_TRUE(golden::Matches(std::string("core/clip/") + s.Name, golden::CaptureLCD()));
  EXPECT_TRUE(Errors().empty());
}

TEST_P(ShapeTest, ClippedAtEveryEdgeOfTheDisplay) {
  const Shape& s = Shapes()[GetParam()];
  int w = LCD_GetVXSize(), h = LCD_GetVYSize();
  const int aX[] = {-30, w / 2 - 30, w - 30};
  const int aY[] = {-20, h / 2 - 20, h - 20};
  for (int x : aX) {
    for (int y : aY) {
      s.Draw(x, y);
    }
  }
  EXPECT_TRUE(golden::Matches(std::string("core/display/") + s.Name, golden::CaptureLCD(0, 0, w - 1, h - 1)));
  EXPECT_EQ(LCD_SIMDRV_GetNumRefused(0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Core, ShapeTest, testing::Range<size_t>(0, 18), [](const testing::TestParamInfo<size_t>& i) {
  return std::string(Shapes()[i.param].Name);
});

TEST(ShapeList, CoversEveryShape) { EXPECT_EQ(Shapes().size(), 18u); }

class ShapePropertyTest : public GuiTest {
 protected:
  static int Count(U32 Index, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; y++) {
      for (int x = x0; x <= x1; x++) {
        n += LCD_GetPixelIndex(x, y) == Index;
      }
    }
    return n;
  }
  static bool AllZero(int x0, int y0, int x1, int y1) { return Count(0, x0, y0, x1, y1) == (x1 - x0 + 1) * (y1 - y0 + 1); }
};

TEST_F(ShapePropertyTest, XorTwiceRestoresEveryShape) {
  GUI_SetDrawMode(GUI_DRAWMODE_XOR);
  for (int Pass = 0; Pass < 2; Pass++) {
    for (const Shape& s : Shapes()) {
      if (std::string(s.Name).find("Styled") != std::string::npos ||
          std::string(s.Name).find("Thick") != std::string::npos || std::string(s.Name) == "DrawPolygon" ||
          std::string(s.Name) == "FillPolygon") {
        continue;  // these legitimately overlap themselves
      }
      s.Draw(50, 50);
    }
  }
  GUI_SetDrawMode(0);
  EXPECT_TRUE(AllZero(0, 0, 200, 150));
}

TEST_F(ShapePropertyTest, GradientEndsAreExact) {
  GUI_DrawGradientV(0, 0, 9, 99, GUI_RED, GUI_BLUE);
  EXPECT_EQ(LCD_GetPixelIndex(5, 0), LCD_Color2Index(GUI_RED));
  EXPECT_EQ(LCD_GetPixelIndex(5, 99), LCD_Color2Index(GUI_BLUE));
  GUI_DrawGradientH(0, 0, 0, 0, GUI_GREEN, GUI_BLUE);  // one column: the first colour
  EXPECT_EQ(LCD_GetPixelIndex(0, 0), LCD_Color2Index(GUI_GREEN));
}

TEST_F(ShapePropertyTest, RoundedShapesAreSymmetric) {
  GUI_SetColor(GUI_WHITE);
  GUI_FillRoundedRect(10, 10, 69, 49, 15);
  U32 White = LCD_Color2Index(GUI_WHITE);
  for (int y = 10; y <= 49; y++) {
    for (int x = 10; x <= 69; x++) {
      ASSERT_EQ(LCD_GetPixelIndex(x, y), LCD_GetPixelIndex(79 - x, y)) << x << "," << y;
      ASSERT_EQ(LCD_GetPixelIndex(x, y), LCD_GetPixelIndex(x, 59 - y)) << x << "," << y;
    }
  }
  EXPECT_NE(LCD_GetPixelIndex(10, 10), White);
  EXPECT_EQ(LCD_GetPixelIndex(10, 30), White);
  EXPECT_EQ(LCD_GetPixelIndex(40, 10), White);
  // A radius larger than the rectangle allows is reduced, never drawn outside.
  GUI_Clear();
  GUI_FillRoundedRect(100, 100, 109, 103, 50);
  EXPECT_EQ(Count(White, 95, 95, 115, 110), Count(White, 100, 100, 109, 103));
  EXPECT_GT(Count(White, 100, 100, 109, 103), 20);
}

TEST_F(ShapePropertyTest, PolygonFillIncludesItsOutline) {
  const GUI_POINT aTri[] = {{0, 0}, {20, 0}, {0, 20}};
  GUI_SetColor(GUI_WHITE);
  GUI_FillPolygon(aTri, 3, 5, 5);
  U32 White = LCD_Color2Index(GUI_WHITE);
  EXPECT_EQ(LCD_GetPixelIndex(5, 5), White);
  EXPECT_EQ(LCD_GetPixelIndex(25, 5), White);
  EXPECT_EQ(LCD_GetPixelIndex(5, 25), White);
  EXPECT_EQ(LCD_GetPixelIndex(16, 16), 0u);
  int n = Count(White, 0, 0, 30, 30);
  EXPECT_GE(n, 21 * 22 / 2);
  EXPECT_LE(n, 21 * 22 / 2 + 21);
}

TEST_F(ShapePropertyTest, GraphGapsAndMirroring) {
  const I16 a[] = {0, 5, 32767, 5, 0};
  GUI_SetColor(GUI_WHITE);
  GUI_DrawGraphEx(a, 5, 10, 10, 2, 1, 0);
  U32 White = LCD_Color2Index(GUI_WHITE);
  EXPECT_EQ(Count(White, 11, 10, 11, 20), 11);  // joined from 10 down to 20
  EXPECT_EQ(Count(White, 12, 0, 12, 30), 0);    // the gap
  EXPECT_EQ(Count(White, 13, 0, 13, 30), 1);    // not joined over the gap
}

TEST_F(ShapePropertyTest, WindowOriginAndPenSize) {
  GUI_pContext->xOff = 100;
  GUI_pContext->yOff = 50;
  GUI_SetColor(GUI_WHITE);
  GUI_DrawPixel(1, 2);
  EXPECT_EQ(LCD_GetPixelIndex(101, 52), LCD_Color2Index(GUI_WHITE));
  GUI_SetPenSize(3);
  GUI_DrawPoint(10, 10);
  EXPECT_EQ(Count(LCD_Color2Index(GUI_WHITE), 105, 55, 115, 65), 9);
  GUI_pContext->xOff = GUI_pContext->yOff = 0;
  GUI_SetPenSize(0);
  EXPECT_EQ(GUI_GetPenSize(), 1);
}

// A clip iteration that hands out two rectangles, as a window manager would for a partly covered window.
const GUI_RECT aVisible[] = {{0, 0, 9, 9}, {20, 0, 29, 9}};
int VisibleIndex;
GUI_RECT SavedClip;
int TwoRectBegin(const GUI_RECT* pBounds) {
  SavedClip = GUI_pContext->ClipRect;
  VisibleIndex = 0;
  GUI_pContext->ClipRect = aVisible[0];
  return 1;
}
int TwoRectNext(void) {
  if (++VisibleIndex < 2) {
    GUI_pContext->ClipRect = aVisible[VisibleIndex];
    return 1;
  }
  GUI_pContext->ClipRect = SavedClip;
  return 0;
}

TEST_F(ShapePropertyTest, ClipIterationHookDrivesEveryShape) {
  GUI__pfClipBegin = TwoRectBegin;
  GUI__pfClipNext = TwoRectNext;
  GUI_SetColor(GUI_WHITE);
  GUI_FillRect(0, 0, 100, 100);
  GUI_DrawGradientH(0, 20, 100, 30, GUI_WHITE, GUI_WHITE);
  GUI__pfClipBegin = nullptr;
  GUI__pfClipNext = nullptr;
  U32 White = LCD_Color2Index(GUI_WHITE);
  EXPECT_EQ(Count(White, 0, 0, 479, 271), 200);
  EXPECT_EQ(GUI_pContext->ClipRect.x1, 479);
}

}  // namespace
