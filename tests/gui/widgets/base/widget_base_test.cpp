#include "GoldenLCD.h"
#include "widget_support.h"

namespace {

class WidgetBaseTest : public WidgetTest {};

TEST_F(WidgetBaseTest, EffectChangeMovesUnanchoredChildren) {
  WM_HWIN h = BUTTON_Create(10, 10, 100, 50, 0, 1, WM_CF_SHOW);
  WM_HWIN hChild = WM_CreateWindowAsChild(5, 6, 20, 10, h, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hRight = WM_CreateWindowAsChild(50, 6, 20, 10, h, WM_CF_SHOW, nullptr, 0);
  WM_SetAnchor(hRight, WM_STATUS_ANCHOR_RIGHT);
  WIDGET_SetEffect(h, &WIDGET_Effect_Simple);
  EXPECT_EQ(WM_GetWindowPosX(hChild), 14);
  EXPECT_EQ(WM_GetWindowPosY(hChild), 15);
  EXPECT_EQ(WM_GetWindowPosX(hRight), 61);
  GUI_RECT r;
  WM_GetInsideRectEx(h, &r);
  EXPECT_EQ(r.x0, 1);
  EXPECT_EQ(r.x1, 98);
}

TEST_F(WidgetBaseTest, PressOnAChildBringsTheWidgetToTop) {
  WM_HWIN hLow = BUTTON_Create(0, 0, 100, 100, 0, 1, WM_CF_SHOW);
  WM_HWIN hChild = WM_CreateWindowAsChild(10, 10, 20, 20, hLow, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hHigh = BUTTON_Create(50, 50, 100, 100, 0, 2, WM_CF_SHOW);
  (void)hChild;
  EXPECT_EQ(WM_GetNextSibling(hLow), hHigh);
  wmtest::Pointer(15, 15, 1);
  EXPECT_EQ(WM_GetNextSibling(hHigh), hLow);
}

TEST_F(WidgetBaseTest, IdAndStateWord) {
  WM_HWIN h = BUTTON_Create(0, 0, 10, 10, 0, -3, 0);
  EXPECT_EQ(WM_GetId(h), -3);
  WM_SetId(h, 12);
  EXPECT_EQ(WM_GetId(h), 12);
  EXPECT_EQ(WIDGET_GetState(0), 0);
  WM_ValidateWindow(h);
  WIDGET_OrState(h, WIDGET_STATE_FOCUSABLE); // already set: no paint
  GUI_RECT r;
  EXPECT_FALSE(WM_GetInvalidRect(h, &r));
  WIDGET_OrState(h, 0x200);
  EXPECT_EQ(WIDGET_GetState(h), 0x210);
}

TEST_F(WidgetBaseTest, VerticalWidgetsExchangeTheAxes) {
  WM_HWIN h = BUTTON_Create(0, 0, 30, 80, 0, 1, 0);
  WIDGET_OrState(h, WIDGET_STATE_VERTICAL);
  const WIDGET* p = (const WIDGET*)BUTTON__GetObj(h);
  EXPECT_EQ(WIDGET__GetXSize(p), 80);
  EXPECT_EQ(WIDGET__GetYSize(p), 30);
  EXPECT_EQ(WIDGET__GetWindowSizeX(h), 80);
  GUI_RECT Src = {2, 3, 10, 5}, Dst;
  WIDGET__RotateRect90(p, &Dst, &Src);
  EXPECT_EQ(Dst.x0, 29 - 5);
  EXPECT_EQ(Dst.y0, 2);
  EXPECT_EQ(Dst.x1, 29 - 3);
  EXPECT_EQ(Dst.y1, 10);
  EXPECT_EQ(WIDGET_SetWidth(h, 40), 40);
  EXPECT_EQ(WM_GetWindowSizeX(h), 40);
}

TEST_F(WidgetBaseTest, BackgroundFallsBackToTheDialogColour) {
  WM_HWIN hParent = WM_CreateWindow(0, 0, 50, 50, 0, nullptr, 0);
  WM_HWIN h = BUTTON_Create(0, 0, 10, 10, hParent, 1, 0);
  EXPECT_EQ(WIDGET__GetBkColor(h), 0xC0C0C0u);
}

TEST_F(WidgetBaseTest, EffectColoursByIndex) {
  EXPECT_EQ(WIDGET_EFFECT_3D_GetColor(4), 0xFFFFFFu);
  EXPECT_EQ(WIDGET_EFFECT_3D_GetColor(5), 0u);
  EXPECT_EQ(WIDGET_EFFECT_Soft_GetColor(3), 0xE7E7E7u);
  WIDGET_EFFECT_Frame_SetColor(1, 0x123456); // out of range: ignored
  EXPECT_EQ(WIDGET_EFFECT_Frame_GetColor(0), 0u);
}

void _cbEffects(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_SetBkColor(0xFFFFFF);
  GUI_Clear();
  const WIDGET_EFFECT* apEffect[] = {&WIDGET_Effect_3D, &WIDGET_Effect_Simple, &WIDGET_Effect_Soft,
                                     &WIDGET_Effect_None, &WIDGET_Effect_Frame};
  for (int i = 0; i < 5; i++) {
    GUI_RECT Up = {(I16)(4 + i * 24), 4, (I16)(23 + i * 24), 19};
    GUI_RECT Down = {(I16)(4 + i * 24), 24, (I16)(23 + i * 24), 39};
    apEffect[i]->pfDrawUpRect(&Up);
    apEffect[i]->pfDrawDownRect(&Down);
  }
  GUI_SetColor(0x0000FF);
  WIDGET* p = (WIDGET*)WM_H2P(pMsg->hWin);
  p->State = 0;
  WIDGET__DrawTriangle(p, 10, 52, 4, 1);
  p->State = WIDGET_STATE_VERTICAL;
  WIDGET__DrawTriangle(p, 10, 30, 4, -1);
  GUI_RECT Focus = {30, 44, 60, 60};
  WIDGET__DrawFocusRect(p, &Focus, 0);
}

TEST_F(WidgetBaseTest, EffectsRaisedAndSunkenGolden) {
  WM_HWIN h = BUTTON_Create(0, 0, 128, 64, 0, 1, WM_CF_SHOW);
  WM_SetCallback(h, _cbEffects);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("wm/widget_effects", golden::CaptureLCD(0, 0, 127, 63)));
}

} // namespace

namespace {

int g_DownCalls;
void _CountDownRect(const GUI_RECT*) {
  g_DownCalls++;
}
void _NoDraw(void) {
}
void _NoDrawRect(const GUI_RECT*) {
}
const WIDGET_EFFECT _CountingEffect = {3, _NoDraw, _NoDrawRect, _NoDraw, _CountDownRect, nullptr, nullptr};

void _cbSunken(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    WIDGET__EffectDrawDown((const WIDGET*)WM_H2P(pMsg->hWin));
    return;
  }
  WM_DefaultProc(pMsg);
}

TEST_F(WidgetBaseTest, FrameIsDrawnOnlyWhenThePaintReachesIt) {
  WM_HWIN h = BUTTON_Create(10, 10, 100, 60, 0, 1, WM_CF_SHOW);
  WIDGET_SetEffect(h, &_CountingEffect);
  WM_SetCallback(h, _cbSunken);
  WM_Exec();
  g_DownCalls = 0;
  GUI_RECT Inside = {20, 20, 60, 40}; // window-relative, more than 3 pixels from every edge
  WM_InvalidateRect(h, &Inside);
  WM_Exec();
  EXPECT_EQ(g_DownCalls, 0);
  GUI_RECT NearLeft = {2, 20, 60, 40};
  WM_InvalidateRect(h, &NearLeft);
  WM_Exec();
  EXPECT_EQ(g_DownCalls, 1);
}

void _cbFillString(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_SetBkColor(0x00FF00);
  GUI_Clear();
  GUI_SetFont(GUI_DEFAULT_FONT);
  GUI_SetColor(0x000000);
  GUI_RECT Fill = {0, 0, 79, 19}, Text = {10, 3, 60, 16}, Extent = {12, 4, 40, 16};
  GUI_SetBkColor(0xFFFFFF);
  WIDGET__FillStringInRect("Clipped text", &Fill, &Text, &Extent);
  GUI_RECT Fill2 = {0, 24, 79, 43}, Text2 = {0, 24, 79, 43}, Extent2 = {4, 27, 70, 40};
  GUI_SetBkColor(0xFF000000); // transparent background: the green stays
  WIDGET__FillStringInRect("On green", &Fill2, &Text2, &Extent2);
  GUI_RECT Fill3 = {0, 48, 79, 59};
  GUI_SetBkColor(0x0000FF);
  WIDGET__FillStringInRect("", &Fill3, &Fill3, &Fill3);
}

TEST_F(WidgetBaseTest, FillStringInRectGolden) {
  WM_CreateWindow(0, 0, 80, 60, WM_CF_SHOW, _cbFillString, 0);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("wm/widget_fillstring", golden::CaptureLCD(0, 0, 79, 59)));
}

TEST_F(WidgetBaseTest, LockByTagNeverReadsPastASmallerBlock) {
  static const WIDGET_TYPE Type = {"PROBE", nullptr, sizeof(WM_OBJ) + 64, sizeof(WM_OBJ) + 60, 0x50524F42, 0, 0};
  WM_HWIN hSmall = WM_CreateWindow(0, 0, 5, 5, 0, nullptr, 8);
  wmtest::Errors.clear();
  EXPECT_EQ(WIDGET__LockH(&Type, hSmall), nullptr);
  ASSERT_EQ(wmtest::Errors.size(), 1u);
  EXPECT_EQ(wmtest::Errors[0], "E:PROBE:\nWrong handle type or Object not init'ed in PROBE_LockH()");
  WM_HWIN hObj = WIDGET__CreateUser(&Type, 0, 0, 5, 5, 0, 0, 3, 0);
  void* p = WIDGET__LockH(&Type, hObj);
  EXPECT_NE(p, nullptr);
  GUI_ALLOC_UnlockH(&p);
  EXPECT_EQ(WM_GetId(hObj), 0); // no callback: the window manager's default answers
  EXPECT_EQ(((const WIDGET*)WM_H2P(hObj))->Id, 3);
}

} // namespace
