// The widget base's shared helpers: item lists over GUI_ARRAY with their bounds, text copies, attached scroll
// bars shown on demand, and module default skins.
#include "widget_support.h"

namespace {

class WidgetBaseHelpers : public WidgetTest {};

TEST_F(WidgetBaseHelpers, ItemListsCheckEveryIndex) {
  GUI_ARRAY hItems = WIDGET__CreateItems(3);
  ASSERT_NE(hItems, 0);
  EXPECT_EQ(GUI_ARRAY_GetNumItems(hItems), 3);
  EXPECT_EQ(WIDGET__SetItemText(hItems, 1, "middle"), 0);
  EXPECT_EQ(WIDGET__SetItemText(hItems, 3, "beyond"), 1);
  EXPECT_EQ(WIDGET__SetItemText(hItems, -1, "before"), 1);
  char ab[8] = {'#', '#', '#', '#', '#', '#', '#', '#'};
  EXPECT_EQ(WIDGET__GetItemText(hItems, 1, ab, 4), 3);
  EXPECT_STREQ(ab, "mid");
  EXPECT_EQ(ab[4], '#');
  EXPECT_EQ(WIDGET__GetItemText(hItems, 5, ab, 8), 0);
  EXPECT_STREQ(ab, "") << "a missing item reads as empty";
  EXPECT_EQ(WIDGET__SetItemText(hItems, 1, ""), 0);
  EXPECT_EQ(GUI_ARRAY_GethItem(hItems, 1), 0) << "an empty text is a blank item";
  GUI_ARRAY_Delete(hItems);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(WidgetBaseHelpers, ItemListFailsWholeWhenMemoryRunsOut) {
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  for (int n = 1; n <= 4; n++) {
    GUI_ALLOC__FailNth(n);
    GUI_ARRAY h = WIDGET__CreateItems(3);
    GUI_ALLOC__FailNth(0);
    if (h) {
      GUI_ARRAY_Delete(h);
    }
    EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used) << "allocation " << n << " failing";
  }
}

TEST_F(WidgetBaseHelpers, TextCopiesAreBounded) {
  GUI_HMEM hText = 0;
  GUI__SetText(&hText, "abcdef");
  char ab[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(WIDGET__CopyText(hText, ab, 1), 0);
  EXPECT_EQ(ab[0], 0);
  EXPECT_EQ(ab[1], 'x');
  EXPECT_EQ(WIDGET__CopyText(hText, nullptr, 4), 0);
  EXPECT_EQ(WIDGET__CopyText(0, ab, 4), 0);
  EXPECT_STREQ(WIDGET__Text(0), "");
  GUI_ALLOC_Free(hText);
}

TEST_F(WidgetBaseHelpers, AttachedScrollBarOnDemand) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 100, 60, WM_CF_SHOW, widgettest::cbParent, 0);
  WM_SCROLL_STATE Fits = {5, 0, 10}, TooMany = {40, 3, 10};
  EXPECT_EQ(WIDGET__UpdateScrollbar(hWin, 1, WIDGET_SCROLLBAR_AUTO, &Fits), 0);
  WM_HWIN hBar = WIDGET__UpdateScrollbar(hWin, 1, WIDGET_SCROLLBAR_AUTO, &TooMany);
  ASSERT_NE(hBar, 0);
  EXPECT_EQ(hBar, WM_GetScrollbarV(hWin));
  EXPECT_EQ(SCROLLBAR_GetNumItems(hBar), 40);
  EXPECT_EQ(SCROLLBAR_GetValue(hBar), 3);
  WIDGET__UpdateScrollbar(hWin, 1, WIDGET_SCROLLBAR_AUTO, &Fits);
  WM_Exec();
  EXPECT_EQ(WM_GetScrollbarV(hWin), 0) << "the bar goes once everything fits";
  EXPECT_NE(WIDGET__UpdateScrollbar(hWin, 0, WIDGET_SCROLLBAR_ON, nullptr), 0);
  EXPECT_EQ(WIDGET__UpdateScrollbar(0, 0, WIDGET_SCROLLBAR_ON, nullptr), 0);
}

TEST_F(WidgetBaseHelpers, ArrowSteps) {
  GUI_KEY_MSG Up = {GUI_KEY_UP, 1}, Right = {GUI_KEY_RIGHT, 1}, Released = {GUI_KEY_LEFT, 0};
  EXPECT_EQ(WIDGET__ArrowStep(&Up, 1), -1);
  EXPECT_EQ(WIDGET__ArrowStep(&Up, 0), 0);
  EXPECT_EQ(WIDGET__ArrowStep(&Right, 0), 1);
  EXPECT_EQ(WIDGET__ArrowStep(&Released, 1), 0);
  EXPECT_EQ(WIDGET__ArrowStep(nullptr, 1), 0);
}

TEST_F(WidgetBaseHelpers, DefaultSkinsApplyToWidgetsCreatedLater) {
  WM_HWIN hBefore = SLIDER_CreateEx(0, 0, 50, 20, 0, 0, 0, 1);
  EXPECT_EQ(SLIDER_SetDefaultSkin(SLIDER_DrawSkinFlex), nullptr);
  WM_HWIN hAfter = SLIDER_CreateEx(0, 0, 50, 20, 0, 0, 0, 2);
  SLIDER_OBJ* p = SLIDER_LockH(hBefore);
  EXPECT_EQ(p->pSkin, &SLIDER__SkinClassic);
  GUI_ALLOC_UnlockH(&p);
  p = SLIDER_LockH(hAfter);
  EXPECT_EQ(p->pSkin, &SLIDER__SkinFlex);
  EXPECT_EQ(p->Props.pfDrawSkin, SLIDER_DrawSkinFlex);
  GUI_ALLOC_UnlockH(&p);
  EXPECT_EQ(SLIDER_SetDefaultSkin(nullptr), SLIDER_DrawSkinFlex);
}

} // namespace
