// Golden images of the button in every state, classic and flexible skin, with text and with images.
#include "GoldenLCD.h"
#include "widget_support.h"

namespace {

// A small two-colour image drawn through a draw routine: a blue square with a yellow dot.
void _DrawImage(WM_HWIN) {
  GUI_SetColor(0xC04000);
  GUI_FillRect(4, 4, 13, 13);
  GUI_SetColor(0x00E0E0);
  GUI_FillRect(7, 7, 10, 10);
}

void _DrawImagePressed(WM_HWIN) {
  GUI_SetColor(0x0000C0);
  GUI_FillRect(5, 5, 14, 14);
}

void _cbWhite(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    GUI_SetBkColor(0xFFFFFF);
    GUI_Clear();
    return;
  }
  WM_DefaultProc(pMsg);
}

class ButtonGoldenTest : public WidgetTest {
protected:
  // One row per variant (text, image, both), one column per state: unpressed, pressed, disabled, focused.
  golden::Image Render() {
    WM_HWIN hBack = WM_CreateWindow(0, 0, 300, 130, WM_CF_SHOW, _cbWhite, 0);
    for (int Row = 0; Row < 3; Row++) {
      for (int Col = 0; Col < 4; Col++) {
        WM_HWIN h = BUTTON_Create(4 + Col * 72, 4 + Row * 42, 68, 38, hBack, 100 + Col, WM_CF_SHOW);
        if (Row != 1) {
          BUTTON_SetText(h, Row == 0 ? "Button" : "Img");
        }
        if (Row != 0) {
          BUTTON_SetDrawCallback(h, BUTTON_BI_UNPRESSED, _DrawImage);
          BUTTON_SetDrawCallback(h, BUTTON_BI_PRESSED, _DrawImagePressed);
        }
        if (Row == 2) {
          BUTTON_SetTextAlign(h, GUI_TA_RIGHT | GUI_TA_VCENTER);
          BUTTON_SetTextOffset(h, -4, 0);
        }
        switch (Col) {
        case 1: BUTTON_SetPressed(h, 1); break;
        case 2: WM_DisableWindow(h); break;
        case 3: WM_SetFocus(h); break;
        }
      }
    }
    WM_Exec();
    return golden::CaptureLCD(0, 0, 299, 129);
  }
};

TEST_F(ButtonGoldenTest, Classic) {
  EXPECT_TRUE(golden::Matches("widgets/button/classic", Render()));
}

TEST_F(ButtonGoldenTest, ClassicSimpleEffect) {
  WIDGET_SetDefaultEffect(&WIDGET_Effect_Simple);
  EXPECT_TRUE(golden::Matches("widgets/button/classic_simple", Render()));
}

TEST_F(ButtonGoldenTest, Flex) {
  BUTTON_SetDefaultSkin(BUTTON_DrawSkinFlex);
  EXPECT_TRUE(golden::Matches("widgets/button/flex", Render()));
}

TEST_F(ButtonGoldenTest, FlexSquareCorners) {
  BUTTON_SKINFLEX_PROPS aOld[4];
  for (int i = 0; i < 4; i++) {
    BUTTON_GetSkinFlexProps(&aOld[i], i);
    BUTTON_SKINFLEX_PROPS p = aOld[i];
    p.Radius = i == 0 ? 0 : 6;
    BUTTON_SetSkinFlexProps(&p, i);
  }
  BUTTON_SetDefaultSkin(BUTTON_DrawSkinFlex);
  golden::Image Img = Render();
  for (int i = 0; i < 4; i++) {
    BUTTON_SetSkinFlexProps(&aOld[i], i);
  }
  EXPECT_TRUE(golden::Matches("widgets/button/flex_radius", Img));
}

TEST_F(ButtonGoldenTest, FlexSkinMakesTheButtonTransparent) {
  WM_HWIN h = BUTTON_Create(0, 0, 10, 10, 0, 1, 0);
  EXPECT_FALSE(WM_GetHasTrans(h));
  BUTTON_SetSkin(h, BUTTON_DrawSkinFlex);
  EXPECT_TRUE(WM_GetHasTrans(h));
}

} // namespace
