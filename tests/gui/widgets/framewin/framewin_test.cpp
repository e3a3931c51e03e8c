// The frame window: its layout from title, borders and skin; title-bar buttons; moving, resizing,
// minimising, maximising and restoring with the client following; activity and focus; the dialog it holds;
// and golden images of both looks.
#include <climits>

#include "EDIT.h"
#include "FRAMEWIN.h"
#include "modal_script.h"
#include "widget_support.h"

namespace {

class FramewinTest : public WidgetParentTest<300, 200> {
protected:
  void SetUp() override {
    WidgetParentTest::SetUp();
    FRAMEWIN_SetDefaultSkinClassic();
    FRAMEWIN_SetDefaultSkin(nullptr);
    FRAMEWIN_SetDefaultSkinClassic();
  }
  static std::string Str(const GUI_RECT& r) {
    return std::to_string(r.x0) + "," + std::to_string(r.y0) + "," + std::to_string(r.x1) + "," + std::to_string(r.y1);
  }
};

TEST_F(FramewinTest, LayoutFromTitleAndBorders) {
  WM_HWIN h = FRAMEWIN_CreateEx(10, 10, 120, 80, hParent, WM_CF_SHOW, 0, 1, "Title", nullptr);
  WM_HWIN hClient = WM_GetClientWindow(h);
  EXPECT_EQ(FRAMEWIN_GetTitleHeight(h), 10) << "the 8-pixel font and 2";
  EXPECT_EQ(Str(Rect(hClient)), "13,24,126,86") << "border 3, title 10, inner line 1";
  FRAMEWIN_SetTitleVisibility(h, 0);
  EXPECT_EQ(Str(Rect(hClient)), "13,13,126,86") << "without title the client starts at the border";
  FRAMEWIN_SetTitleVisibility(h, 1);
  EXPECT_EQ(FRAMEWIN_SetTitleHeight(h, 16), 0);
  EXPECT_EQ(Str(Rect(hClient)), "13,30,126,86");
  FRAMEWIN_SetBorderSize(h, 1);
  EXPECT_EQ(Str(Rect(hClient)), "11,28,128,88");
  char ac[4] = {'x', 0};
  FRAMEWIN_GetText(h, ac, sizeof(ac));
  EXPECT_STREQ(ac, "Tit");
  FRAMEWIN_SetBarColor(h, 2, 0x123456);
  EXPECT_EQ(FRAMEWIN_GetBarColor(h, 2), 0u) << "index 2 is ignored";
  // The largest border is held to the coordinate range; the title buttons move with it, up to its end.
  FRAMEWIN_AddCloseButton(h, FRAMEWIN_BUTTON_RIGHT, 0);
  FRAMEWIN_SetBorderSize(h, INT_MAX);
  EXPECT_EQ(FRAMEWIN_GetBorderSize(h), 32767);
  WM_Exec();
}

TEST_F(FramewinTest, TitleButtonsLineUpAndNarrowTheTitle) {
  WM_HWIN h = FRAMEWIN_CreateEx(10, 10, 120, 80, hParent, WM_CF_SHOW, 0, 1, "Title", nullptr);
  WM_HWIN hClose = FRAMEWIN_AddCloseButton(h, FRAMEWIN_BUTTON_RIGHT, 0);
  WM_HWIN hMax = FRAMEWIN_AddMaxButton(h, FRAMEWIN_BUTTON_RIGHT, 0);
  WM_HWIN hMin = FRAMEWIN_AddMinButton(h, 0, 0);
  EXPECT_EQ(Str(Rect(hClose)), "117,13,126,22") << "square of the title height at the right end";
  EXPECT_EQ(Str(Rect(hMax)), "107,13,116,22") << "the next one left of it";
  EXPECT_EQ(Str(Rect(hMin)), "13,13,22,22");
  FRAMEWIN_POS Pos;
  GUI_Lock();
  FRAMEWIN__CalcPositions(h, &Pos);
  GUI_Unlock();
  EXPECT_EQ(Pos.rTitle.x0, 13);
  EXPECT_EQ(Pos.rTitle.x1, 96) << "the title ends before the leftmost right button";
  FRAMEWIN_SetFont(h, &GUI_Font13);
  EXPECT_EQ(WM_GetWindowSizeX(hClose), 15) << "buttons follow the title height";
  EXPECT_EQ(WM_GetWindowPosX(hClose) + 14, 126) << "and stay at the right end";
  // An offset beyond the coordinates puts the button off the frame, not back into the title.
  WM_HWIN hFar = FRAMEWIN_AddButton(h, FRAMEWIN_BUTTON_RIGHT, INT32_MIN, 9);
  EXPECT_EQ(WM_GetWindowPosX(hFar), 10 + 120) << "just right of the frame";
}

TEST_F(FramewinTest, MovedResizedMinimisedMaximisedAndRestored) {
  WM_HWIN h = FRAMEWIN_CreateEx(20, 20, 120, 80, hParent, WM_CF_SHOW, FRAMEWIN_CF_MOVEABLE, 1, "Move", nullptr);
  FRAMEWIN_SetResizeable(h, 1);
  WM_HWIN hClient = WM_GetClientWindow(h);
  WM_HWIN hEdit = EDIT_CreateEx(2, 2, 50, 16, hClient, WM_CF_SHOW, 0, 5, 8);
  // Drag by the title.
  Press(60, 28);
  Press(70, 38);
  Press(80, 48);
  Release(80, 48);
  EXPECT_EQ(Str(Rect(h)), "40,40,159,119");
  EXPECT_EQ(Str(Rect(hClient)), "43,54,156,116") << "the client moves along";
  EXPECT_EQ(WM_GetWindowPosX(hEdit), 45);
  // Resize at the right edge.
  Press(158, 80);
  Press(178, 80);
  Release(178, 80);
  EXPECT_EQ(Str(Rect(h)), "40,40,179,119");
  EXPECT_EQ(Rect(hClient).x1, 176) << "the client follows the new width";
  // Resize at the left edge below 20 pixels: stops at 20 with the right edge fixed.
  Press(41, 80);
  Press(300, 80);
  Release(300, 80);
  EXPECT_EQ(Str(Rect(h)), "160,40,179,119");
  Press(161, 80);
  Press(41, 80);
  Release(41, 80);
  EXPECT_EQ(Str(Rect(h)), "40,40,179,119");
  // Minimise, maximise, restore.
  FRAMEWIN_Minimize(h);
  EXPECT_TRUE(FRAMEWIN_IsMinimized(h));
  EXPECT_EQ(WM_GetWindowSizeY(h), 10 + 2 * (2 + 1));
  EXPECT_FALSE(WM_IsVisible(hClient));
  FRAMEWIN_Maximize(h);
  EXPECT_FALSE(FRAMEWIN_IsMinimized(h));
  EXPECT_TRUE(FRAMEWIN_IsMaximized(h));
  EXPECT_EQ(Str(Rect(h)), "0,0,299,199") << "the parent's rectangle";
  EXPECT_TRUE(WM_IsVisible(hClient));
  EXPECT_EQ(Str(Rect(hClient)), "3,14,296,196");
  Press(60, 5);
  Press(90, 25);
  Release(90, 25);
  EXPECT_EQ(Rect(h).x0, 0) << "a maximised frame is not dragged";
  FRAMEWIN_Restore(h);
  EXPECT_EQ(Str(Rect(h)), "40,40,179,119") << "back to the size before the minimise";
  EXPECT_EQ(Str(Rect(hClient)), "43,54,176,116");
  // Dragging so far that the frame leaves its parent shrunk by 5 pixels is refused.
  Press(100, 45);
  Press(100 + 300, 45);
  Release(100 + 300, 45);
  EXPECT_EQ(Rect(h).x0, 40);
}

TEST_F(FramewinTest, MaximisedOnTheDesktopFillsTheDisplay) {
  WM_HWIN h = FRAMEWIN_CreateEx(20, 20, 100, 60, 0, WM_CF_SHOW, 0, 1, "Max", nullptr);
  FRAMEWIN_AddMaxButton(h, FRAMEWIN_BUTTON_RIGHT, 0);
  FRAMEWIN_AddMinButton(h, FRAMEWIN_BUTTON_RIGHT, 10);
  Press(110, 27); // the maximise button
  Release(110, 27);
  EXPECT_TRUE(FRAMEWIN_IsMaximized(h));
  EXPECT_EQ(Str(Rect(h)), "0,0," + std::to_string(LCD_GetXSize() - 1) + "," + std::to_string(LCD_GetYSize() - 1));
  int xMax = LCD_GetXSize() - 4 - 5;
  Press(xMax, 7);
  Release(xMax, 7);
  EXPECT_FALSE(FRAMEWIN_IsMaximized(h));
  EXPECT_EQ(Str(Rect(h)), "20,20,119,79");
  WM_DeleteWindow(h);
}

TEST_F(FramewinTest, ActivityFollowsTheFocusAndTabCycles) {
  WM_HWIN a = FRAMEWIN_CreateEx(10, 10, 120, 80, hParent, WM_CF_SHOW, 0, 1, "A", nullptr);
  WM_HWIN b = FRAMEWIN_CreateEx(150, 10, 120, 80, hParent, WM_CF_SHOW, 0, 2, "B", nullptr);
  WM_HWIN e1 = EDIT_CreateEx(2, 2, 50, 16, WM_GetClientWindow(a), WM_CF_SHOW, 0, 5, 8);
  WM_HWIN e2 = EDIT_CreateEx(2, 22, 50, 16, WM_GetClientWindow(a), WM_CF_SHOW, 0, 6, 8);
  WM_HWIN e3 = EDIT_CreateEx(2, 2, 50, 16, WM_GetClientWindow(b), WM_CF_SHOW, 0, 7, 8);
  WM_SetFocus(a);
  EXPECT_TRUE(FRAMEWIN_IsActive(a));
  EXPECT_EQ(WM_GetFocusWindow(), e1) << "the frame hands the focus to its first item";
  Key(GUI_KEY_TAB);
  EXPECT_EQ(WM_GetFocusWindow(), e2);
  Key(GUI_KEY_TAB);
  EXPECT_EQ(WM_GetFocusWindow(), e1) << "tab cycles through the client's items";
  Key(GUI_KEY_TAB);
  Press(160, 40); // an item of the inactive frame
  Release(160, 40);
  EXPECT_TRUE(FRAMEWIN_IsActive(b));
  EXPECT_FALSE(FRAMEWIN_IsActive(a));
  EXPECT_EQ(WM_GetFocusWindow(), e3);
  WM_SetFocus(a);
  EXPECT_EQ(WM_GetFocusWindow(), e2) << "the item that had the focus gets it back";
  WM_DeleteWindow(e2);
  WM_SetFocus(b);
  WM_SetFocus(a);
  EXPECT_EQ(WM_GetFocusWindow(), e1) << "a deleted item's place goes to the next one";
}

int _NumInit;
void _cbDialog(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_INIT_DIALOG) {
    _NumInit++;
    EXPECT_NE(FRAMEWIN_LockH(pMsg->hWin), nullptr) << "the dialog procedure sees the frame";
    FRAMEWIN_OBJ* p = FRAMEWIN_LockH(pMsg->hWin);
    GUI_ALLOC_UnlockH(&p);
    FRAMEWIN_OBJ* p2 = FRAMEWIN_LockH(pMsg->hWin);
    GUI_ALLOC_UnlockH(&p2);
    return;
  }
  WM_DefaultProc(pMsg);
}

TEST_F(FramewinTest, CloseButtonEndsTheModalDialog) {
  static const WIDGET_CREATE_INFO aDialog[] = {
      {FRAMEWIN_CreateIndirect, "Dialog", 0, 20, 20, 140, 90, FRAMEWIN_CF_MOVEABLE, 0, 0},
      {EDIT_CreateIndirect, "", 4, 5, 5, 60, 16, 0, 8, 0},
  };
  _NumInit = 0;
  WM_HWIN h = GUI_CreateDialogBox(aDialog, 2, _cbDialog, 0, 0, 0);
  ASSERT_NE(h, 0);
  EXPECT_EQ(_NumInit, 1);
  WM_HWIN hClose = FRAMEWIN_AddCloseButton(h, FRAMEWIN_BUTTON_RIGHT, 0);
  GUI_RECT r = Rect(hClose);
  modalscript::Script s;
  s.Do([&] { Press(r.x0 + 2, r.y0 + 2); }).Do([&] { Release(r.x0 + 2, r.y0 + 2); });
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 0);
  EXPECT_FALSE(WM_IsWindow(h));
}

TEST_F(FramewinTest, FlexibleSkinBordersAndProps) {
  WM_HWIN h = FRAMEWIN_CreateEx(10, 10, 120, 80, hParent, WM_CF_SHOW, 0, 1, "Flex", nullptr);
  FRAMEWIN_SetTextAlign(h, GUI_TA_HCENTER);
  FRAMEWIN_SetSkin(h, FRAMEWIN_DrawSkinFlex);
  EXPECT_EQ(FRAMEWIN_GetBorderSizeEx(h, FRAMEWIN_EDGE_LEFT), 5);
  EXPECT_EQ(FRAMEWIN_GetBorderSizeEx(h, FRAMEWIN_EDGE_RIGHT), 5);
  EXPECT_EQ(FRAMEWIN_GetBorderSizeEx(h, FRAMEWIN_EDGE_TOP), 2);
  EXPECT_EQ(FRAMEWIN_GetBorderSizeEx(h, FRAMEWIN_EDGE_BOTTOM), 4);
  EXPECT_EQ(Str(Rect(WM_GetClientWindow(h))), "15,23,124,85");
  EXPECT_EQ(FRAMEWIN_GetTextAlign(h), GUI_TA_HCENTER) << "switching skins keeps the alignment";
  EXPECT_FALSE(WM_GetHasTrans(h)) << "and the frame stays opaque";
  FRAMEWIN_SKINFLEX_PROPS p;
  FRAMEWIN_GetSkinFlexProps(&p, 1);
  EXPECT_EQ(p.aColorFrame[0], 0x4C4C4Cu);
  p.BorderSizeT = 0;
  FRAMEWIN_SetSkinFlexProps(&p, 1);
  FRAMEWIN_GetSkinFlexProps(&p, 1);
  EXPECT_EQ(p.BorderSizeT, 2);
  FRAMEWIN_SetDefaultSkin(FRAMEWIN_DrawSkinFlex);
  WM_HWIN h2 = FRAMEWIN_CreateEx(10, 100, 120, 80, hParent, WM_CF_SHOW, 0, 2, "Flex", nullptr);
  EXPECT_EQ(FRAMEWIN_GetTextAlign(h2), GUI_TA_VCENTER);
  EXPECT_TRUE(WM_GetHasTrans(h2));
}

int _OwnTitle(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  GUI_SetColor(0x00FF00);
  GUI_FillRect(pInfo->x0, pInfo->y0, pInfo->x1, pInfo->y1);
  return 0;
}

class FramewinGolden : public FramewinTest {};

TEST_F(FramewinGolden, ClassicAndFlexible) {
  for (int Flex = 0; Flex < 2; Flex++) {
    WM_HWIN aFrame[3];
    for (int i = 0; i < 3; i++) {
      aFrame[i] = FRAMEWIN_CreateEx(4 + i * 98, 4 + Flex * 96, 94, 90, hParent, WM_CF_SHOW, 0, i, "Frame", nullptr);
      if (Flex) {
        FRAMEWIN_SetSkin(aFrame[i], FRAMEWIN_DrawSkinFlex);
      }
      FRAMEWIN_SetClientColor(aFrame[i], 0xE0E0E0);
      EDIT_CreateEx(4, 4, 60, 18, WM_GetClientWindow(aFrame[i]), WM_CF_SHOW, 0, 9, 8);
    }
    FRAMEWIN_SetFont(aFrame[0], &GUI_Font13);
    FRAMEWIN_AddCloseButton(aFrame[0], FRAMEWIN_BUTTON_RIGHT, 0);
    FRAMEWIN_AddMaxButton(aFrame[0], FRAMEWIN_BUTTON_RIGHT, 0);
    FRAMEWIN_AddMinButton(aFrame[0], FRAMEWIN_BUTTON_RIGHT, 0);
    if (Flex) {
      FRAMEWIN_SetActive(aFrame[0], 1);
    } else {
      WM_SetFocus(aFrame[0]);
    }
    FRAMEWIN_SetTitleHeight(aFrame[1], 16);
    FRAMEWIN_SetTextAlign(aFrame[1], GUI_TA_HCENTER | GUI_TA_VCENTER);
    FRAMEWIN_AddMinButton(aFrame[2], FRAMEWIN_BUTTON_RIGHT, 0);
    FRAMEWIN_Minimize(aFrame[2]);
    if (!Flex) {
      WM_HWIN hOwn = FRAMEWIN_CreateEx(200, 60, 94, 30, hParent, WM_CF_SHOW, 0, 4, "Own", nullptr);
      FRAMEWIN_SetOwnerDraw(hOwn, _OwnTitle);
    }
  }
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/framewin/looks", golden::CaptureLCD(0, 0, 299, 195)));
}

} // namespace

namespace {

TEST_F(FramewinTest, ResizingAtCornersAndTheTopEdge) {
  WM_HWIN h = FRAMEWIN_CreateEx(40, 40, 100, 80, hParent, WM_CF_SHOW, 0, 1, "Size", nullptr);
  FRAMEWIN_SetResizeable(h, 1);
  Press(139, 119); // bottom-right corner
  Press(159, 139);
  Release(159, 139);
  EXPECT_EQ(Str(Rect(h)), "40,40,159,139");
  Press(80, 40); // top edge
  Press(80, 20);
  Release(80, 20);
  EXPECT_EQ(Str(Rect(h)), "40,20,159,139") << "the top moves up, the bottom stays";
  EXPECT_EQ(Rect(WM_GetClientWindow(h)).y1, 136) << "the client follows";
  FRAMEWIN_SetResizeable(h, 0);
  Press(159, 100);
  Press(189, 100);
  Release(189, 100);
  EXPECT_EQ(Rect(h).x1, 159) << "no longer resizeable";
}

TEST_F(FramewinTest, MinimisedFrameHidesWithItsTitle) {
  WM_HWIN h = FRAMEWIN_CreateEx(10, 10, 100, 60, hParent, WM_CF_SHOW, 0, 1, "Min", nullptr);
  FRAMEWIN_Minimize(h);
  FRAMEWIN_SetTitleVisibility(h, 0);
  EXPECT_FALSE(WM_IsVisible(h));
  FRAMEWIN_SetTitleVisibility(h, 1);
  EXPECT_TRUE(WM_IsVisible(h));
  FRAMEWIN_Restore(h);
  EXPECT_EQ(WM_GetWindowSizeY(h), 60);
  EXPECT_TRUE(WM_IsVisible(WM_GetClientWindow(h)));
}

TEST_F(FramewinTest, FlexibleBordersOfEachSide) {
  FRAMEWIN_SKINFLEX_PROPS Old, p;
  FRAMEWIN_GetSkinFlexProps(&Old, 1);
  p = Old;
  p.BorderSizeL = 8;
  p.BorderSizeR = 3;
  FRAMEWIN_SetSkinFlexProps(&p, 1);
  WM_HWIN h = FRAMEWIN_CreateEx(10, 10, 100, 60, hParent, WM_CF_SHOW, 0, 1, "Sides", nullptr);
  FRAMEWIN_SetSkin(h, FRAMEWIN_DrawSkinFlex);
  EXPECT_EQ(Str(Rect(WM_GetClientWindow(h))), "18,23,106,65") << "an inactive frame takes the second set";
  WM_Exec();
  EXPECT_EQ(LCD_GetPixelColor(10 + 6, 10 + 3), 0xFFFFFFu) << "beside the corner of the wide border: painted";
  EXPECT_TRUE(golden::Matches("widgets/framewin/sides", golden::CaptureLCD(10, 10, 109, 69)));
  FRAMEWIN_SetSkinFlexProps(&Old, 1);
}

} // namespace

namespace {

TEST_F(FramewinTest, AFrameDeletedWhileResizingLeavesOthersAlone) {
  WM_HWIN a = FRAMEWIN_CreateEx(10, 10, 100, 80, hParent, WM_CF_SHOW, 0, 1, "A", nullptr);
  WM_HWIN b = FRAMEWIN_CreateEx(150, 10, 100, 80, hParent, WM_CF_SHOW, FRAMEWIN_CF_MOVEABLE, 2, "B", nullptr);
  FRAMEWIN_SetResizeable(a, 1);
  FRAMEWIN_SetResizeable(b, 1);
  Press(109, 50); // a's right edge
  WM_DeleteWindow(a);
  Release(109, 50);
  Press(200, 15); // b's title: a drag, no resize
  Press(190, 25);
  Release(190, 25);
  EXPECT_EQ(Str(Rect(b)), "140,20,239,99");
}

} // namespace
