// The graph: series as recorders (the oldest value dropped when full), series created with more items than
// their buffer, attaching and deleting without double frees, scroll values and attached scroll bars, scales
// whose tick distance or offsets could otherwise loop for ever, and golden images of grid, borders, value and
// point series and scales on both axes.
#include <cmath>

#include "GRAPH.h"
#include "GRAPH_Private.h"
#include "widget_support.h"

namespace {

class GraphTest : public WidgetParentTest<> {
protected:
  static std::vector<int> Values(GUI_HMEM h) {
    const GRAPH_DATA_OBJ* p = (const GRAPH_DATA_OBJ*)GUI_ALLOC_h2p(h);
    const I16* pv = (const I16*)GUI_ALLOC_h2p(p->hItems);
    return std::vector<int>(pv, pv + p->NumItems);
  }
  static int NumItems(GUI_HMEM h) { return ((const GRAPH_DATA_OBJ*)GUI_ALLOC_h2p(h))->NumItems; }
};

TEST_F(GraphTest, FullSeriesDropTheOldestValue) {
  WM_HWIN h = GRAPH_CreateEx(0, 0, 100, 60, hParent, WM_CF_SHOW, 0, 1);
  const I16 a[] = {1, 2, 3};
  GUI_HMEM hValues = GRAPH_VALUES_Create(0xFF, 3, a, 3);
  GRAPH_VALUES_AddValue(hValues, 9);
  EXPECT_EQ(Values(hValues), (std::vector<int>{1, 2, 3})) << "a series not attached ignores what is added";
  GRAPH_AttachData(h, hValues);
  GRAPH_VALUES_AddValue(hValues, 4);
  EXPECT_EQ(Values(hValues), (std::vector<int>{2, 3, 4}));
  GRAPH_VALUES_Clear(hValues);
  GRAPH_VALUES_AddValue(hValues, 7);
  EXPECT_EQ(Values(hValues), (std::vector<int>{7}));
}

TEST_F(GraphTest, MoreItemsThanTheBufferKeepTheNewest) {
  const I16 a[] = {1, 2, 3, 4, 5, 6};
  GUI_HMEM hValues = GRAPH_VALUES_Create(0xFF, 4, a, 6);
  ASSERT_NE(hValues, 0);
  EXPECT_EQ(Values(hValues), (std::vector<int>{3, 4, 5, 6}));
  const GUI_POINT16 aPt[] = {{1, 1}, {2, 2}, {3, 3}};
  GUI_HMEM hPoints = GRAPH_POINTS_Create(0xFF, 2, aPt, 3);
  const GRAPH_DATA_OBJ* p = (const GRAPH_DATA_OBJ*)GUI_ALLOC_h2p(hPoints);
  ASSERT_EQ(p->NumItems, 2);
  EXPECT_EQ(((const GUI_POINT16*)GUI_ALLOC_h2p(p->hItems))[0].x, 2);
  GUI_HMEM hHuge = GRAPH_POINTS_Create(0xFF, 0x40000001, aPt, 3); // 4 * 0x40000001 bytes: no block holds it
  ASSERT_NE(hHuge, 0);
  EXPECT_EQ(((const GRAPH_DATA_OBJ*)GUI_ALLOC_h2p(hHuge))->hItems, 0);
  EXPECT_EQ(NumItems(hHuge), 0);
  GRAPH_POINTS_Delete(hHuge);
  GUI_HMEM hNone = GRAPH_VALUES_Create(0xFF, -5, a, 6); // a negative capacity: no buffer, nothing copied
  ASSERT_NE(hNone, 0);
  EXPECT_EQ(NumItems(hNone), 0);
  WM_HWIN h = GRAPH_CreateEx(0, 0, 100, 60, hParent, WM_CF_SHOW, 0, 1);
  GRAPH_AttachData(h, hNone);
  GRAPH_VALUES_AddValue(hNone, 3);
  EXPECT_EQ(NumItems(hNone), 0);
  WM_Exec(); // draws nothing for it
  GRAPH_VALUES_Delete(hValues);
  GRAPH_POINTS_Delete(hPoints);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(GraphTest, AttachedObjectsAreFreedOnceWithTheGraph) {
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN h = GRAPH_CreateEx(0, 0, 100, 60, hParent, WM_CF_SHOW, 0, 1);
  GUI_HMEM hValues = GRAPH_VALUES_Create(0xFF, 10, nullptr, 0);
  GUI_HMEM hPoints = GRAPH_POINTS_Create(0xFF, 10, nullptr, 0);
  GUI_HMEM hScale = GRAPH_SCALE_Create(10, 0, GRAPH_SCALE_CF_VERTICAL, 20);
  GRAPH_AttachData(h, hValues);
  GRAPH_AttachData(h, hValues); // a second attach would paint it twice and free it twice
  GRAPH_AttachData(h, hPoints);
  GRAPH_AttachScale(h, hScale);
  GRAPH_AttachScale(h, hScale);
  GRAPH_AttachData(h, hScale); // a scale is no data object
  EXPECT_EQ(GUI_ARRAY_GetNumItems(GRAPH__Obj(h)->hDataArray), 2);
  EXPECT_EQ(GUI_ARRAY_GetNumItems(GRAPH__Obj(h)->hScaleArray), 1);
  GRAPH_VALUES_Delete(hPoints); // of the wrong kind: refused with a text
  EXPECT_EQ(wmtest::Errors, std::vector<std::string>{"E:GRAPH:\nWrong handle type in GRAPH_VALUES_Delete()"});
  GRAPH_POINTS_Delete(hPoints); // still attached: taken off the graph first
  EXPECT_EQ(GUI_ARRAY_GetNumItems(GRAPH__Obj(h)->hDataArray), 1);
  WM_Exec();
  WM_DeleteWindow(h);
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(GraphTest, DetachedObjectsStayAndCanBeAttachedAgain) {
  WM_HWIN h = GRAPH_CreateEx(0, 0, 100, 60, hParent, WM_CF_SHOW, 0, 1);
  GUI_HMEM hValues = GRAPH_VALUES_Create(0xFF, 10, nullptr, 0);
  GRAPH_AttachData(h, hValues);
  GRAPH_DetachData(h, hValues);
  EXPECT_EQ(GUI_ARRAY_GetNumItems(GRAPH__Obj(h)->hDataArray), 0);
  GRAPH_AttachData(h, hValues);
  EXPECT_EQ(GUI_ARRAY_GetNumItems(GRAPH__Obj(h)->hDataArray), 1);
}

TEST_F(GraphTest, ScrollValuesAndScrollBars) {
  WM_HWIN h = GRAPH_CreateEx(0, 0, 100, 60, hParent, WM_CF_SHOW, 0, 1);
  GRAPH_SetScrollValue(h, 1, 30);
  EXPECT_EQ(GRAPH_GetScrollValue(h, 1), 0) << "nothing to scroll while the plot fits";
  EXPECT_EQ(GRAPH_GetScrollValue(h, 2), -1);
  EXPECT_EQ(GRAPH_GetScrollValue(0, 0), -1);
  GRAPH_SetVirtualSizeY(h, 200);
  WM_HWIN hBar = WM_GetScrollbarV(h);
  ASSERT_NE(hBar, 0);
  EXPECT_EQ(WM_GetId(hBar), GUI_ID_VSCROLL);
  GRAPH_SetScrollValue(h, 1, 0xFFFFFFFFu);
  int Max = GRAPH__Obj(h)->ScrollStateV.NumItems - GRAPH__Obj(h)->ScrollStateV.PageSize;
  EXPECT_GT(Max, 0);
  EXPECT_EQ(GRAPH_GetScrollValue(h, 1), Max) << "-1 becomes the largest value";
  EXPECT_EQ(SCROLLBAR_GetValue(hBar), Max);
  SCROLLBAR_SetValue(hBar, 5); // the bar moves the graph
  EXPECT_EQ(GRAPH_GetScrollValue(h, 1), 5);
  GRAPH_SetAutoScrollbar(h, 1, 0);
  GRAPH_SetVirtualSizeY(h, 300);
  EXPECT_NE(WM_GetScrollbarV(h), 0) << "the flag keeps the bar as it is";
  GRAPH_SetVirtualSizeY(h, 10);
  EXPECT_NE(WM_GetScrollbarV(h), 0);
  GRAPH_SetAutoScrollbar(h, 1, 1);
  GRAPH_SetVirtualSizeY(h, 11);
  WM_Exec(); // the bar goes with the next pass
  EXPECT_EQ(WM_GetScrollbarV(h), 0);
  EXPECT_EQ(GRAPH_SetColor(h, 0x123456, 4), 0u);
  EXPECT_EQ(GRAPH_SetColor(h, 0x123456, 0), 0u);
  EXPECT_EQ(GRAPH_SetColor(h, 0, 0), 0x123456u);
}

// A plot of 10^8 lines scrolls to its end with the thumb at the end of its bar; borders beyond any window and
// the largest virtual size keep scroll values and positions in range.
TEST_F(GraphTest, VirtualSizesOfMillionsAndBordersBeyondTheWindow) {
  WM_HWIN h = GRAPH_CreateEx(0, 0, 100, 60, hParent, WM_CF_SHOW, 0, 1);
  GRAPH_SetVirtualSizeY(h, 100000000);
  GRAPH_SetScrollValue(h, 1, 100000000);
  WM_HWIN hBar = WM_GetScrollbarV(h);
  ASSERT_NE(hBar, 0);
  EXPECT_EQ(SCROLLBAR_GetValue(hBar), 100000000 - GRAPH__Obj(h)->ScrollStateV.PageSize);
  SCROLLBAR_POSITIONS Pos = {};
  SCROLLBAR_OBJ* pBar = SCROLLBAR_LockH(hBar);
  pBar->pfCalcPositions(hBar, &Pos);
  GUI_ALLOC_UnlockH(&pBar);
  EXPECT_EQ(Pos.x1_Thumb, Pos.x0_RightArrow - 1);
  WM_Exec();
  GRAPH_SetBorder(h, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX);
  GRAPH_SetVirtualSizeY(h, INT32_MAX);
  GRAPH_SetScrollValue(h, 1, 0xFFFFFFFFu);
  EXPECT_EQ(GRAPH_GetScrollValue(h, 1), INT32_MAX);
  GRAPH_SetGridVisible(h, 1);
  WM_Exec();
  EXPECT_EQ(wmtest::PixelIndex(150, 5), wmtest::ColorIndex(0xF0F0F0)) << "nothing outside the graph";
}

// Tick distances below 1 and far offsets must neither hang nor draw outside the graph.
TEST_F(GraphTest, ScalesAndGridWithDegenerateSteps) {
  WM_HWIN h = GRAPH_CreateEx(10, 10, 120, 80, hParent, WM_CF_SHOW, 0, 1);
  GRAPH_SetGridVisible(h, 1);
  GRAPH_SetGridDistX(h, -3);
  GRAPH_SetGridDistY(h, 1);
  GRAPH_SetGridOffY(h, 2000000000);
  GUI_HMEM hH = GRAPH_SCALE_Create(70, GUI_TA_HCENTER, GRAPH_SCALE_CF_HORIZONTAL, 0);
  GUI_HMEM hV = GRAPH_SCALE_Create(2, 0, GRAPH_SCALE_CF_VERTICAL, -7);
  GRAPH_AttachScale(h, hH);
  GRAPH_AttachScale(h, hV);
  WM_Exec();
  GRAPH_SCALE_SetTickDist(hH, 1);
  GRAPH_SCALE_SetOff(hH, -2000000000);
  GRAPH_SCALE_SetTickDist(hV, 3);
  GRAPH_SCALE_SetOff(hV, 2000000000);
  EXPECT_EQ(GRAPH_SCALE_SetFactor(hV, 0.0f), 1.0f);
  GRAPH_SCALE_SetFactor(hH, std::nanf(""));
  WM_Exec();
  EXPECT_EQ(wmtest::PixelIndex(5, 5), wmtest::ColorIndex(0xF0F0F0)) << "nothing outside the graph";
  EXPECT_EQ(GRAPH_SCALE_SetFactor(0, 2.0f), 0.0f);
  // Series whose origin lies far off: nothing to draw, no coordinate overflows.
  const GUI_POINT16 aPt[] = {{-32768, 32767}, {32767, -32768}};
  GUI_HMEM hPoints = GRAPH_POINTS_Create(0xFF, 2, aPt, 2);
  const I16 aValue[] = {-32768, 32767, 0};
  GUI_HMEM hValues = GRAPH_VALUES_Create(0xFF00, 3, aValue, 3);
  GRAPH_AttachData(h, hPoints);
  GRAPH_AttachData(h, hValues);
  GRAPH_POINTS_SetPointVisible(hPoints, 1);
  WM_Exec();
  GRAPH_POINTS_SetOffX(hPoints, 0x7FFFFFFF);
  GRAPH_POINTS_SetOffY(hPoints, -0x7FFFFFFF);
  GRAPH_VALUES_SetOffY(hValues, -0x7FFFFFFF);
  WM_Exec();
  EXPECT_EQ(wmtest::PixelIndex(5, 5), wmtest::ColorIndex(0xF0F0F0));
}

// Points and labels where the placement rules put them: the first horizontal label at TickDist, the
// vertical label 0 at the bottom edge, a point series relative to its origin.
TEST_F(GraphTest, LabelsAndPointsArePlacedFromTheDataArea) {
  WIDGET_SetDefaultEffect(&WIDGET_Effect_None);
  WM_HWIN h = GRAPH_CreateEx(0, 0, 200, 100, hParent, WM_CF_SHOW, 0, 1);
  GRAPH_SetBorder(h, 20, 0, 0, 12);
  GUI_HMEM hPoints = GRAPH_POINTS_Create(0x00FF00, 4, nullptr, 0);
  GRAPH_AttachData(h, hPoints);
  GRAPH_POINTS_SetOffX(hPoints, 10);
  GUI_POINT16 pt = {0, 0};
  GRAPH_POINTS_AddPoint(hPoints, &pt);
  pt = {30, 0};
  GRAPH_POINTS_AddPoint(hPoints, &pt);
  WM_Exec();
  // The data area spans x 20..199, y 0..87: the line runs on y 87 from x 30 to 60.
  EXPECT_EQ(wmtest::PixelIndex(30, 87), wmtest::ColorIndex(0x00FF00));
  EXPECT_EQ(wmtest::PixelIndex(60, 87), wmtest::ColorIndex(0x00FF00));
  EXPECT_EQ(wmtest::PixelIndex(61, 87), wmtest::ColorIndex(0x000000));
  EXPECT_EQ(wmtest::PixelIndex(29, 87), wmtest::ColorIndex(0x000000));
  GRAPH_POINTS_SetLineVisible(hPoints, 0);
  EXPECT_EQ(GRAPH_POINTS_GetLineVisible(hPoints), 0);
  EXPECT_EQ(GRAPH_POINTS_SetPointVisible(hPoints, 7), 0) << "other values change nothing";
  EXPECT_EQ(GRAPH_POINTS_GetPointVisible(hPoints), 0);
  WM_Exec();
  EXPECT_EQ(wmtest::PixelIndex(45, 87), wmtest::ColorIndex(0x000000)) << "neither line nor marks";
}

// Two right-aligned value series that have run past their buffers, a point series with marks, grid,
// borders and scales on both axes; and the same graph scrolled by its vertical bar.
TEST_F(GraphTest, GoldenRecorder) {
  WM_HWIN h = GRAPH_CreateEx(5, 5, 230, 150, hParent, WM_CF_SHOW, 0, 1);
  GRAPH_SetBorder(h, 28, 5, 5, 14);
  GRAPH_SetGridVisible(h, 1);
  GRAPH_SetGridDistX(h, 40);
  GRAPH_SetGridDistY(h, 20);
  GRAPH_SetLineStyleH(h, GUI_LS_DOT);
  GUI_HMEM hA = GRAPH_VALUES_Create(0x0000FF, 120, nullptr, 0);
  GUI_HMEM hB = GRAPH_VALUES_Create(0x00FFFF, 150, nullptr, 0);
  GRAPH_AttachData(h, hA);
  GRAPH_AttachData(h, hB);
  for (int i = 0; i < 400; i++) {
    GRAPH_VALUES_AddValue(hA, (I16)(60 + (i % 50) - 25 + ((i / 50) % 2) * 10));
    GRAPH_VALUES_AddValue(hB, (I16)(i % 37 == 0 ? 32767 : 30 + (i * 7) % 40));
  }
  const GUI_POINT16 aPt[] = {{0, 10}, {30, 80}, {60, 40}, {90, 100}, {120, 70}};
  GUI_HMEM hP = GRAPH_POINTS_Create(0x00FF00, 5, aPt, 5);
  GRAPH_POINTS_SetPointVisible(hP, 1);
  GRAPH_POINTS_SetOffX(hP, 10);
  GRAPH_AttachData(h, hP);
  GUI_HMEM hSV = GRAPH_SCALE_Create(24, GUI_TA_RIGHT, GRAPH_SCALE_CF_VERTICAL, 20);
  GUI_HMEM hSH = GRAPH_SCALE_Create(137, GUI_TA_HCENTER, GRAPH_SCALE_CF_HORIZONTAL, 40);
  GRAPH_SCALE_SetTextColor(hSV, 0x000000);
  GRAPH_SCALE_SetTextColor(hSH, 0x800000);
  GRAPH_SCALE_SetFactor(hSV, 0.5f);
  GRAPH_SCALE_SetNumDecs(hSV, 1);
  GRAPH_AttachScale(h, hSV);
  GRAPH_AttachScale(h, hSH);
  EXPECT_EQ(NumItems(hA), 120);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/graph/recorder", golden::CaptureLCD(0, 0, 239, 159)));
  GRAPH_SetVirtualSizeY(h, 200);
  GRAPH_SetScrollValue(h, 1, 30);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/graph/scrolled", golden::CaptureLCD(0, 0, 239, 159)));
}

} // namespace
