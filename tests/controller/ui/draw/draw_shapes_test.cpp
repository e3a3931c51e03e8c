// The rounded shapes drawn as runs: the outline of every small and large box is exactly the radius-4 pixel
// pattern, even where the box is too small for its corners, the face never leaves the box, and the corner mask
// gives every corner pixel the colour of its own position.
#include <set>
#include <utility>

#include "GuiTest.h"
#include "UI_Draw.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The outline pixel by pixel: top and bottom rows between the corners, two pixels at 2 and 3 in from the side
// on the second row, one pixel at 1 in on the third and fourth row, the side from the fifth row on.
Pixels OutlineModel(int x0, int y0, int x1, int y1) {
  Pixels p;
  for (int x = x0 + 4; x <= x1 - 4; x++) p.insert({x, y0}), p.insert({x, y1});
  for (int Side = 0; Side < 2; Side++) {
    auto At = [&](int dx, int y) { p.insert({Side == 0 ? x0 + dx : x1 - dx, y}); };
    for (int k = 0; k < 2; k++) {
      int yA = k == 0 ? y0 : y1, dir = k == 0 ? 1 : -1;
      At(2, yA + dir), At(3, yA + dir), At(1, yA + 2 * dir), At(1, yA + 3 * dir);
    }
    for (int y = y0 + 4; y <= y1 - 4; y++) At(0, y);
  }
  return p;
}

Pixels PixelsOf(GUI_COLOR c, int x0, int y0, int x1, int y1) {
  Pixels p;
  LCD_PIXELINDEX Index = LCD_Color2Index(c);
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++)
      if (LCD_GetPixelIndex(x, y) == Index) p.insert({x, y});
  return p;
}

class DrawShapes : public GuiTest {
 protected:
  void Clear() {
    GUI_SetBkColor(GUI_WHITE);
    GUI_Clear();
  }
};

TEST_F(DrawShapes, TheOutlineIsThePixelPatternForEverySize) {
  for (int h = 1; h <= 14; h++)
    for (int w : {1, 2, 3, 5, 7, 8, 9, 12, 40}) {
      Clear();
      GUI_RECT r = {20, 20, I16(20 + w - 1), I16(20 + h - 1)};
      UI_DrawTwoToneBox(&r, GUI_RED, GUI_RED);
      ASSERT_EQ(PixelsOf(GUI_BLACK, 10, 10, 70, 45), OutlineModel(r.x0, r.y0, r.x1, r.y1)) << w << "x" << h;
      // The face stays inside the box, also where the gradient would start above a very low one.
      for (const auto& [x, y] : PixelsOf(GUI_RED, 10, 0, 70, 45))
        ASSERT_TRUE(x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1) << x << "," << y << " in " << w << "x" << h;
    }
}

// A colour that changes every other pixel along a row and from row to row.
GUI_COLOR Striped(int x, int y) { return (x / 2 + y) % 3 == 0 ? GUI_RED : (x / 2 + y) % 3 == 1 ? GUI_BLUE : GUI_GREEN; }

TEST_F(DrawShapes, TheCornerMaskGivesEachCornerPixelTheColourOfItsPlace) {
  for (int w : {3, 8, 180}) {
    Clear();
    GUI_RECT r = {30, 10, I16(30 + w - 1), 49};
    UI_RenderCornerMask(&r, Striped);
    Pixels Corner;
    const int aCorner[4] = {4, 2, 1, 1};
    for (int Row = 0; Row < 4; Row++)
      for (int i = 0; i < aCorner[Row]; i++)
        for (int x : {r.x0 + i, r.x1 - i})
          for (int y : {r.y0 + Row, r.y1 - Row}) Corner.insert({x, y});
    for (int y = 0; y < 60; y++)
      for (int x = 20; x < 220; x++) {
        GUI_COLOR Want = Corner.count({x, y}) ? Striped(x, y) : GUI_WHITE;
        ASSERT_EQ(LCD_GetPixelIndex(x, y), LCD_Color2Index(Want)) << x << "," << y << " w " << w;
      }
  }
}

}  // namespace
