// Dragging an open selection list moves the column's pixels and paints only the rows that come into view and
// the highlight that stays in its place: after every step the screen is what a full repaint shows.
#include "UI_ElementLine.h"
#include "UI_SelectList.h"
#include "main_fixture.h"

namespace {

class SelectListDragTest : public MainScreenTest {
 protected:
  // The line of the shown page whose label starts with pLabel.
  static WM_HWIN Line(const std::u16string& Label) {
    for (WM_HWIN h = WM_GetFirstChild(Page()); h; h = WM_GetNextSibling(h)) {
      const UI_LINE_BLOCK* p = (const UI_LINE_BLOCK*)UI_GetElementData(h);
      if (p && std::u16string(p->acText).rfind(Label, 0) == 0) return h;
    }
    return 0;
  }
  static golden::Image Repainted() {
    GUI_RECT All = {0, 0, 479, 271};
    WM_InvalidateArea(&All);
    Settle();
    return golden::CaptureLCD();
  }
};

TEST_F(SelectListDragTest, EveryDragStepShowsWhatAFullRepaintShows) {
  TouchElement(0);  // Inputs
  TouchElement(0);  // Input 1
  WM_HWIN hLine = Line(u"Designation");
  ASSERT_TRUE(hLine);
  TouchIn(hLine, WM_GetWindowSizeX(hLine) / 2, WM_GetWindowSizeY(hLine) / 2);
  ASSERT_TRUE(UI_hListWin);
  int yList = WM_GetWindowPosY(UI_hListWin);
  int x = WM_GetWindowPosX(UI_hListWin) + WM_GetWindowSizeX(UI_hListWin) / 2, y = yList + 30;
  Pointer(x, y, 1);
  for (int Step : {-10, -10, -7, 10, 3, 10, -25}) {
    Advance(20);
    y += Step;
    Pointer(x, y, 1);
    golden::Image Moved = golden::CaptureLCD();
    ASSERT_EQ(Moved.Pixels, Repainted().Pixels) << "after a step of " << Step;
  }
  EXPECT_NE(WM_GetWindowPosY(UI_hListWin), yList);  // the list did move
  Advance(20);
  Pointer(x, y, 0);
  Advance(1000);
  EXPECT_TRUE(Errors().empty());
}

}  // namespace
