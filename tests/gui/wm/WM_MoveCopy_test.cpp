// Moves by copy: a window whose picture moves with it keeps its pixels on a move and paints only the strip
// that comes into view; the uncovered part of the parent is painted; the result is the picture a full repaint
// gives. A window above, something invalid or a window without the style takes the full repaint.
#include <string>
#include <vector>

#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

std::vector<std::string> g_Painted;

// Horizontal stripes that follow the window: a colour per row of the window.
void _cbStripes(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  const GUI_RECT& c = GUI_pContext->ClipRect;
  g_Painted.push_back(std::to_string(c.y0 - WM_GetWindowPosY(pMsg->hWin)) + "-" +
                      std::to_string(c.y1 - WM_GetWindowPosY(pMsg->hWin)));
  for (int y = 0; y < WM_GetWindowSizeY(pMsg->hWin); y++) {
    GUI_SetColor(GUI_COLOR(y * 0x050301) & 0xFFFFFF);
    GUI_DrawHLine(y, 0, WM_GetWindowSizeX(pMsg->hWin) - 1);
  }
}

void _cbGround(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    GUI_SetBkColor(0x204060);
    GUI_Clear();
    return;
  }
  WM_DefaultProc(pMsg);
}

std::vector<unsigned> Screen() {
  std::vector<unsigned> v;
  for (int y = 0; y < 120; y++)
    for (int x = 0; x < 120; x++) v.push_back(PixelIndex(x, y));
  return v;
}

class WmMoveCopy : public WmTest {
 protected:
  void SetUp() override {
    WmTest::SetUp();
    hGround = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, _cbGround, 0);
    hList = WM_CreateWindowAsChild(10, -50, 30, 200, hGround, WM_CF_SHOW | WM_CF_MOVE_COPY, _cbStripes, 0);
    WM_Exec();
    g_Painted.clear();
  }
  // The picture after a full repaint of everything.
  static std::vector<unsigned> Repainted() {
    GUI_RECT All = {0, 0, 479, 271};
    WM_InvalidateArea(&All);
    WM_Exec();
    return Screen();
  }
  WM_HWIN hGround = 0, hList = 0;
};

TEST_F(WmMoveCopy, OnlyTheStripThatComesIntoViewIsPainted) {
  WM_MoveWindow(hList, 0, -10);  // up: ten rows come in at the bottom of the parent
  WM_Exec();
  EXPECT_EQ(g_Painted, (std::vector<std::string>{"150-159"}));
  std::vector<unsigned> Moved = Screen();
  EXPECT_EQ(Moved, Repainted());
  g_Painted.clear();
  WM_MoveWindow(hList, 0, 7);
  WM_Exec();
  EXPECT_EQ(g_Painted, (std::vector<std::string>{"53-59"}));
  Moved = Screen();
  EXPECT_EQ(Moved, Repainted());
}

TEST_F(WmMoveCopy, TheUncoveredParentIsPaintedAndTheResultIsAFullRepaint) {
  WM_MoveWindow(hList, 0, 80);  // the top of the list comes into view and the parent shows above it
  WM_Exec();
  std::vector<unsigned> Moved = Screen();
  EXPECT_EQ(Moved, Repainted());
  WM_MoveWindow(hList, 25, 0);  // sideways, partly out of the parent
  WM_Exec();
  Moved = Screen();
  EXPECT_EQ(Moved, Repainted());
}

TEST_F(WmMoveCopy, AWindowAboveOrSomethingInvalidTakesTheFullRepaint) {
  WM_HWIN hAbove = WM_CreateWindowAsChild(0, 90, 100, 10, hGround, WM_CF_SHOW | WM_CF_HASTRANS, nullptr, 0);
  WM_Exec();
  g_Painted.clear();
  WM_MoveWindow(hList, 0, -10);
  WM_Exec();
  ASSERT_EQ(g_Painted.size(), 1u);
  EXPECT_EQ(g_Painted[0], "60-159");  // everything in view
  WM_DeleteWindow(hAbove);
  WM_Exec();
  g_Painted.clear();
  GUI_RECT r = {0, 0, 0, 0};
  WM_InvalidateRect(hGround, &r);
  WM_MoveWindow(hList, 0, -10);
  WM_Exec();
  EXPECT_EQ(g_Painted, (std::vector<std::string>{"70-169"}));
  std::vector<unsigned> Moved = Screen();
  EXPECT_EQ(Moved, Repainted());
}

}  // namespace
