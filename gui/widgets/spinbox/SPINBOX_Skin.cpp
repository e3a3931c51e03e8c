// SPINBOX: the classic look (a sunken frame, the area around the edit in the edit's background, two 3D
// buttons with arrows in the colours of their state) and the skin operations. The paint reads the state and
// never changes it.
#include "SPINBOX.h"

namespace {

// The arrow: n + 1 lines centred in the button, the widest (2n + 1 pixels) at its base.
void _DrawArrow(const GUI_RECT& r, int n, bool Up) {
  int xm = (r.x0 + r.x1) / 2;
  int yTop = (r.y0 + r.y1) / 2 - n / 2;
  for (int i = 0; i <= n; i++) {
    int Half = Up ? i : n - i;
    GUI_DrawHLine(yTop + i, xm - Half, xm + Half);
  }
}

void _PaintClassic(WM_HWIN hObj) {
  const SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  bool Enabled = WM__IsEnabled(hObj);
  GUI_RECT rWin;
  WM_GetClientRect(&rWin);
  GUI_SetBkColor(pObj->Props.aEditBkColor[Enabled ? 1 : 0]);
  GUI_Clear();
  int n = WM_GetWindowSizeY(hObj) / (pObj->Edge == SPINBOX_EDGE_CENTER ? 4 : 6) - 1;
  for (int Button = SPINBOX_BUTTON_UP; Button <= SPINBOX_BUTTON_DOWN; Button++) {
    int s = !Enabled ? 0 : (pObj->PressedMask & (1u << Button)) ? 2 : 1;
    GUI_RECT r = SPINBOX__GetButtonRect(hObj, Button);
    GUI_SetColor(pObj->Props.aColor[SPINBOX_CI_SIDES + s]);
    GUI_DrawVLine(r.x0, r.y0, r.y1);
    GUI_DrawVLine(r.x1, r.y0, r.y1);
    GUI_SetColor(pObj->Props.aColor[SPINBOX_CI_TOP + s]);
    GUI_DrawHLine(r.y0, r.x0 + 1, r.x1 - 1);
    GUI_SetColor(pObj->Props.aColor[SPINBOX_CI_BOTTOM + s]);
    GUI_DrawHLine(r.y1, r.x0 + 1, r.x1 - 1);
    GUI_SetColor(pObj->Props.aColor[SPINBOX_CI_FILL + s]);
    GUI_FillRect(r.x0 + 1, r.y0 + 1, r.x1 - 1, r.y1 - 1);
    GUI_SetColor(pObj->Props.aColor[SPINBOX_CI_ARROW + s]);
    if (n >= 0) {
      _DrawArrow(r, n, Button == SPINBOX_BUTTON_UP);
    }
  }
  WIDGET__EffectDrawDown(&pObj->Widget);
}

} // namespace

const WIDGET_SKIN SPINBOX__SkinClassic = {_PaintClassic, nullptr, nullptr};

void SPINBOX_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&SPINBOX__Type, hObj, &SPINBOX__SkinClassic);
}

void SPINBOX_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WIDGET__SetSkinFlex(&SPINBOX__Type, hObj, &SPINBOX__SkinFlex, pfDrawSkin);
}

void SPINBOX_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&SPINBOX__Type, &SPINBOX__SkinClassic);
}

WIDGET_DRAW_ITEM_FUNC* SPINBOX_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&SPINBOX__Type, &SPINBOX__SkinFlex, pfDrawSkin);
}
