// SPINBOX: the flexible look. The paint asks the item routine for the background frame, the area around
// the edit, and each button with its arrow, handing the state (0 pressed, 1 focused, 2 normal, 3 disabled)
// in ItemIndex and the button in Col; the library's routine draws them from four property sets.
#include "EDIT.h"
#include "SPINBOX.h"

namespace {

SPINBOX_SKINFLEX_PROPS _aProps[4] = {
    {{0xB17F3C, 0xFBD846}, {0xFCF4E5, 0xF6E5C4}, {0xEFD198, 0xDBB368}, 0xB08820, 0xFFFFFF, 0x000000, 0xAAAAAA},
    {{0xB17F3C, 0xFBD846}, {0xF3F3F3, 0xECECEC}, {0xDFDFDF, 0xD0D0D0}, 0xC6933E, 0xFFFFFF, 0x000000, 0xAAAAAA},
    {{0x707070, 0xFCFCFC}, {0xF3F3F3, 0xECECEC}, {0xDFDFDF, 0xD0D0D0}, 0xC6933E, 0xFFFFFF, 0x000000, 0xAAAAAA},
    {{0x808080, 0xD3D3D3}, {0xC3C3C3, 0xBCBCBC}, {0xAFAFAF, 0xA0A0A0}, 0x96630E, 0xD3D3D3, 0x3F3F3F, 0x999999},
};

int _Request(WM_HWIN hObj, int Cmd, int State, int Button, const GUI_RECT& r) {
  WIDGET_DRAW_ITEM_FUNC* pf = SPINBOX__Obj(hObj)->Props.pfDrawSkin;
  if (!pf) {
    pf = SPINBOX_DrawSkinFlex;
  }
  WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, State, Button, r.x0, r.y0, r.x1, r.y1, nullptr};
  return pf(&Info);
}

void _CreateFlex(WM_HWIN hObj) {
  _Request(hObj, WIDGET_ITEM_CREATE_SPINBOX, 0, 0, GUI_RECT{});
}

void _PaintFlex(WM_HWIN hObj) {
  const SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  int State = SPINBOX_SKINFLEX_PI_ENABLED;
  if (!WM__IsEnabled(hObj)) {
    State = SPINBOX_SKINFLEX_PI_DISABLED;
  } else if (WM_HasFocus(hObj) || (pObj->hEdit && WM_HasFocus(pObj->hEdit))) {
    State = SPINBOX_SKINFLEX_PI_FOCUSED;
  }
  GUI_RECT r = {0, 0, (I16)(WM_GetWindowSizeX(hObj) - 1), (I16)(WM_GetWindowSizeY(hObj) - 1)};
  _Request(hObj, WIDGET_ITEM_DRAW_BACKGROUND, State, 0, r);
  GUI_RECT rUp = SPINBOX__GetButtonRect(hObj, SPINBOX_BUTTON_UP);
  GUI_RECT rDown = SPINBOX__GetButtonRect(hObj, SPINBOX_BUTTON_DOWN);
  GUI_RECT rFrame = r;
  int Edge = SPINBOX__Obj(hObj)->Edge;
  if (Edge != SPINBOX_EDGE_LEFT) {
    rFrame.x1 = (I16)(rUp.x0 - 1);
  }
  if (Edge != SPINBOX_EDGE_RIGHT) {
    rFrame.x0 = (I16)((Edge == SPINBOX_EDGE_CENTER ? rDown.x1 : rUp.x1) + 1);
  }
  _Request(hObj, WIDGET_ITEM_DRAW_FRAME, State, 0, rFrame);
  U8 Mask = SPINBOX__Obj(hObj)->PressedMask;
  int StateUp = State == SPINBOX_SKINFLEX_PI_DISABLED ? State : (Mask & 1) ? SPINBOX_SKINFLEX_PI_PRESSED : State;
  int StateDown = State == SPINBOX_SKINFLEX_PI_DISABLED ? State
                  : (Mask & 2)                          ? SPINBOX_SKINFLEX_PI_PRESSED
                                                        : SPINBOX_SKINFLEX_PI_ENABLED;
  _Request(hObj, WIDGET_ITEM_DRAW_BUTTON_R, StateUp, SPINBOX_BUTTON_UP, rUp);
  _Request(hObj, WIDGET_ITEM_DRAW_ARROW_L, StateUp, SPINBOX_BUTTON_UP, rUp);
  _Request(hObj, WIDGET_ITEM_DRAW_BUTTON_L, StateDown, SPINBOX_BUTTON_DOWN, rDown);
  _Request(hObj, WIDGET_ITEM_DRAW_ARROW_R, StateDown, SPINBOX_BUTTON_DOWN, rDown);
}

void _DrawButton(const WIDGET_ITEM_DRAW_INFO* p, const SPINBOX_SKINFLEX_PROPS& c, int Edge) {
  int ym = (p->y0 + p->y1) / 2;
  GUI_DrawGradientV(p->x0 + 1, p->y0 + 1, p->x1 - 1, ym, c.aColorUpper[0], c.aColorUpper[1]);
  GUI_DrawGradientV(p->x0 + 1, ym + 1, p->x1 - 1, p->y1 - 1, c.aColorLower[0], c.aColorLower[1]);
  GUI_SetColor(c.ColorButtonFrame);
  GUI_DrawVLine(p->x0, p->y0, p->y1);
  GUI_DrawVLine(p->x1, p->y0, p->y1);
  if (p->Col == SPINBOX_BUTTON_UP || Edge == SPINBOX_EDGE_CENTER) {
    GUI_DrawHLine(p->y0, p->x0, p->x1);
  }
  GUI_DrawHLine(p->y1, p->x0, p->x1);
}

void _DrawArrow(const WIDGET_ITEM_DRAW_INFO* p, const SPINBOX_SKINFLEX_PROPS& c, int Edge, int WinHeight) {
  int n = WinHeight / (Edge == SPINBOX_EDGE_CENTER ? 5 : 7) + 1;
  int xm = (p->x0 + p->x1) / 2;
  int yTop = (p->y0 + p->y1) / 2 - n / 2;
  GUI_SetColor(c.ColorArrow);
  for (int i = 0; i < n; i++) {
    int Half = p->Cmd == WIDGET_ITEM_DRAW_ARROW_L ? i : n - 1 - i;
    GUI_DrawHLine(yTop + i, xm - Half, xm + Half);
  }
}

} // namespace

const WIDGET_SKIN SPINBOX__SkinFlex = {_PaintFlex, _CreateFlex, nullptr};

int SPINBOX_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  WM_HWIN hObj = p->hWin;
  int Index = p->ItemIndex >= 0 && p->ItemIndex < 4 ? p->ItemIndex : SPINBOX_SKINFLEX_PI_ENABLED;
  const SPINBOX_SKINFLEX_PROPS& c = _aProps[Index];
  int Edge = SPINBOX__Obj(hObj)->Edge;
  switch (p->Cmd) {
  case WIDGET_ITEM_CREATE:
  case WIDGET_ITEM_CREATE_SPINBOX:
    if (WM_HWIN hEdit = SPINBOX__Obj(hObj)->hEdit) {
      EDIT_SetBkColor(hEdit, 0, _aProps[SPINBOX_SKINFLEX_PI_DISABLED].ColorBk);
      EDIT_SetBkColor(hEdit, 1, _aProps[SPINBOX_SKINFLEX_PI_ENABLED].ColorBk);
      EDIT_SetTextColor(hEdit, 0, _aProps[SPINBOX_SKINFLEX_PI_DISABLED].ColorText);
      EDIT_SetTextColor(hEdit, 1, _aProps[SPINBOX_SKINFLEX_PI_ENABLED].ColorText);
    }
    WM_SetHasTrans(hObj);
    return 0;
  case WIDGET_ITEM_DRAW_BACKGROUND: {
    // A double frame with cut corners: the outer line with a dot inside each corner, the inner line.
    int x0 = p->x0, y0 = p->y0, x1 = p->x1, y1 = p->y1;
    GUI_SetColor(c.aColorFrame[0]);
    GUI_DrawHLine(y0, x0 + 1, x1 - 1);
    GUI_DrawHLine(y1, x0 + 1, x1 - 1);
    GUI_DrawVLine(x0, y0 + 1, y1 - 1);
    GUI_DrawVLine(x1, y0 + 1, y1 - 1);
    GUI_DrawPixel(x0 + 1, y0 + 1);
    GUI_DrawPixel(x1 - 1, y0 + 1);
    GUI_DrawPixel(x0 + 1, y1 - 1);
    GUI_DrawPixel(x1 - 1, y1 - 1);
    GUI_SetColor(c.aColorFrame[1]);
    GUI_DrawHLine(y0 + 1, x0 + 2, x1 - 2);
    GUI_DrawHLine(y1 - 1, x0 + 2, x1 - 2);
    GUI_DrawVLine(x0 + 1, y0 + 2, y1 - 2);
    GUI_DrawVLine(x1 - 1, y0 + 2, y1 - 2);
    return 0;
  }
  case WIDGET_ITEM_DRAW_FRAME:
    GUI_SetColor(c.ColorBk);
    GUI_FillRect(p->x0 + 2, p->y0 + 2, p->x1 - (Edge == SPINBOX_EDGE_LEFT ? 2 : 0), p->y1 - 2);
    return 0;
  case WIDGET_ITEM_DRAW_BUTTON_L:
  case WIDGET_ITEM_DRAW_BUTTON_R:
    _DrawButton(p, c, Edge);
    return 0;
  case WIDGET_ITEM_DRAW_ARROW_L:
  case WIDGET_ITEM_DRAW_ARROW_R:
    _DrawArrow(p, c, Edge, WM_GetWindowSizeY(hObj));
    return 0;
  }
  return 0;
}

void SPINBOX_GetSkinFlexProps(SPINBOX_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void SPINBOX_SetSkinFlexProps(const SPINBOX_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aProps, pProps, Index);
}
