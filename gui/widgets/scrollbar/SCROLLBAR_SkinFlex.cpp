// SCROLLBAR: the flexible look. The paint routine asks the bar's item routine to draw each part (rectangles
// along the bar's axis); SCROLLBAR_DrawSkinFlex is the library's item routine: framed buttons with two
// gradient halves, a gradient shaft, arrows and grasp lines.
#include "SCROLLBAR.h"

namespace {

SCROLLBAR_SKINFLEX_PROPS _aProps[2] = {
    {{0xB17F3C, 0xFFFEFD, 0xE0E0E0}, {0xFCF4E3, 0xFBEED6}, {0xF6DBA9, 0xE3CA9C}, {0xE0E0E0, 0xF0F0F0}, 0x000000,
     0xA37D37},
    {{0x959595, 0xF3F3F3, 0xE0E0E0}, {0xF2F2F2, 0xE8E8E8}, {0xD8D8D8, 0xBCBCBC}, {0xE0E0E0, 0xF0F0F0}, 0x404040,
     0x404040},
};

const SCROLLBAR_OBJ* _Obj(WM_HWIN hObj) {
  return (const SCROLLBAR_OBJ*)WM_H2P(hObj);
}

WIDGET_DRAW_ITEM_FUNC* _DrawFunc(const SCROLLBAR_OBJ* pObj) {
  return pObj->Props.pfDrawSkin ? pObj->Props.pfDrawSkin : SCROLLBAR_DrawSkinFlex;
}

void _CalcPositionsFlex(WM_HWIN hObj, SCROLLBAR_POSITIONS* pPos) {
  const SCROLLBAR_OBJ* pObj = _Obj(hObj);
  SCROLLBAR_SKINFLEX_INFO Info = {(pObj->Widget.State & WIDGET_STATE_VERTICAL) ? 1 : 0, pObj->PressedPart};
  WIDGET_ITEM_DRAW_INFO Item = {};
  Item.hWin = hObj;
  Item.Cmd = WIDGET_ITEM_GET_BUTTONSIZE;
  const GUI_RECT& r = pObj->Widget.Win.Rect;
  Item.x0 = r.x0;
  Item.y0 = r.y0;
  Item.x1 = r.x1;
  Item.y1 = r.y1;
  Item.p = &Info;
  int A = _DrawFunc(pObj)(&Item);
  SCROLLBAR__CalcPositions(hObj, pPos, A, SCROLLBAR__ThumbSizeMin + 2);
}

void _CreateFlex(WM_HWIN hObj) {
  SCROLLBAR_OBJ* pObj = (SCROLLBAR_OBJ*)WM_H2P(hObj);
  pObj->pfCalcPositions = _CalcPositionsFlex;
  WIDGET_ITEM_DRAW_INFO Item = {};
  Item.hWin = hObj;
  Item.Cmd = WIDGET_ITEM_CREATE;
  _DrawFunc(pObj)(&Item);
}

void _PaintFlex(WM_HWIN hObj) {
  const SCROLLBAR_OBJ* pObj = _Obj(hObj);
  SCROLLBAR_POSITIONS Pos;
  pObj->pfCalcPositions(hObj, &Pos);
  GUI_RECT rClient;
  WIDGET__GetClientRect(&pObj->Widget, &rClient);
  SCROLLBAR_SKINFLEX_INFO Info = {(pObj->Widget.State & WIDGET_STATE_VERTICAL) ? 1 : 0, pObj->PressedPart};
  WIDGET_DRAW_ITEM_FUNC* pfDraw = _DrawFunc(pObj);
  struct PART {
    int Cmd, x0, x1;
  } aPart[] = {
      {WIDGET_ITEM_DRAW_BUTTON_L, Pos.x0_LeftArrow, Pos.x1_LeftArrow},
      {WIDGET_ITEM_DRAW_SHAFT_L, Pos.x1_LeftArrow + 1, Pos.x0_Thumb - 1},
      {WIDGET_ITEM_DRAW_SHAFT_R, Pos.x1_Thumb + 1, Pos.x0_RightArrow - 1},
      {WIDGET_ITEM_DRAW_THUMB, Pos.x0_Thumb, Pos.x1_Thumb},
      {WIDGET_ITEM_DRAW_BUTTON_R, Pos.x0_RightArrow, Pos.x1_RightArrow},
      {WIDGET_ITEM_DRAW_OVERLAP, Pos.x1_RightArrow + 1, Pos.x1},
  };
  for (const PART& Part : aPart) {
    if (Part.Cmd == WIDGET_ITEM_DRAW_OVERLAP && Pos.x1_RightArrow == Pos.x1) {
      continue;
    }
    if (!WM__IsWindow(hObj)) {
      return;
    }
    WIDGET_ITEM_DRAW_INFO Item = {};
    Item.hWin = hObj;
    Item.Cmd = Part.Cmd;
    Item.x0 = Part.x0;
    Item.x1 = Part.x1;
    Item.y0 = rClient.y0;
    Item.y1 = rClient.y1;
    Item.p = &Info;
    pfDraw(&Item);
  }
}

// Drawing in window coordinates; V: the bar is vertical, so "along" is y and "across" is x.
void _LineAcross(bool V, int a, int c0, int c1) {
  if (c0 > c1) {
    return;
  }
  V ? GUI_DrawHLine(a, c0, c1) : GUI_DrawVLine(a, c0, c1);
}

// Gradient across the bar from Color0 to Color1 over the rectangle.
void _GradientAcross(bool V, int x0, int y0, int x1, int y1, GUI_COLOR Color0, GUI_COLOR Color1) {
  if (x0 > x1 || y0 > y1) {
    return;
  }
  V ? GUI_DrawGradientH(x0, y0, x1, y1, Color0, Color1) : GUI_DrawGradientV(x0, y0, x1, y1, Color0, Color1);
}

void _DrawFace(bool V, const GUI_RECT& r, const SCROLLBAR_SKINFLEX_PROPS& Props) {
  int x0 = r.x0, y0 = r.y0, x1 = r.x1, y1 = r.y1;
  GUI_SetColor(Props.aColorFrame[0]);
  GUI_DrawHLine(y0, x0 + 1, x1 - 1);
  GUI_DrawHLine(y1, x0 + 1, x1 - 1);
  GUI_DrawVLine(x0, y0 + 1, y1 - 1);
  GUI_DrawVLine(x1, y0 + 1, y1 - 1);
  GUI_SetColor(Props.aColorFrame[1]);
  GUI_DrawHLine(y0 + 1, x0 + 2, x1 - 2);
  GUI_DrawHLine(y1 - 1, x0 + 2, x1 - 2);
  GUI_DrawVLine(x0 + 1, y0 + 2, y1 - 2);
  GUI_DrawVLine(x1 - 1, y0 + 2, y1 - 2);
  GUI_SetColor(Props.aColorFrame[2]);
  GUI_DrawPixel(x0, y0);
  GUI_DrawPixel(x1, y0);
  GUI_DrawPixel(x0, y1);
  GUI_DrawPixel(x1, y1);
  int ix0 = x0 + 2, iy0 = y0 + 2, ix1 = x1 - 2, iy1 = y1 - 2;
  if (V) {
    int xm = (ix0 + ix1) / 2;
    _GradientAcross(V, ix0, iy0, xm, iy1, Props.aColorUpper[0], Props.aColorUpper[1]);
    _GradientAcross(V, xm + 1, iy0, ix1, iy1, Props.aColorLower[0], Props.aColorLower[1]);
  } else {
    int ym = (iy0 + iy1) / 2;
    _GradientAcross(V, ix0, iy0, ix1, ym, Props.aColorUpper[0], Props.aColorUpper[1]);
    _GradientAcross(V, ix0, ym + 1, ix1, iy1, Props.aColorLower[0], Props.aColorLower[1]);
  }
}

// Arrow pointing out of the button at the outer end Outer (Dir -1: towards lower coordinates).
void _DrawArrow(bool V, const GUI_RECT& r, int Outer, int Dir, GUI_COLOR Color) {
  int c0 = V ? r.x0 : r.y0, c1 = V ? r.x1 : r.y1;
  int T = c1 - c0 + 1;
  int Size = (T - 4) / 3;
  int Inset = T - ((T - Size) >> 1) - 1;
  int Base = Outer - Dir * Inset;
  int Mid = (c0 + c1) / 2;
  GUI_SetColor(Color);
  for (int i = 0; i <= Size; i++) {
    _LineAcross(V, Base + Dir * i, Mid - (Size - i), Mid + (Size - i));
  }
}

} // namespace

const WIDGET_SKIN SCROLLBAR__SkinFlex = {_PaintFlex, _CreateFlex, (void*)&SCROLLBAR__DefaultProps.pfDrawSkin};

int SCROLLBAR_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  if (!p) {
    return 0;
  }
  const SCROLLBAR_SKINFLEX_INFO* pInfo = (const SCROLLBAR_SKINFLEX_INFO*)p->p;
  bool V = pInfo && pInfo->IsVertical;
  if (p->Cmd == WIDGET_ITEM_GET_BUTTONSIZE) {
    return V ? p->x1 - p->x0 + 1 : p->y1 - p->y0 + 1;
  }
  if (!pInfo || !WM__IsWindow(p->hWin)) {
    return 0;
  }
  GUI_RECT r = {(I16)p->x0, (I16)p->y0, (I16)p->x1, (I16)p->y1};
  if (V) {
    WIDGET__RotateRect90((const WIDGET*)WM_H2P(p->hWin), &r, &r);
  }
  int Pressed = pInfo->PressedPart;
  switch (p->Cmd) {
  case WIDGET_ITEM_DRAW_BUTTON_L:
  case WIDGET_ITEM_DRAW_BUTTON_R: {
    bool Near = p->Cmd == WIDGET_ITEM_DRAW_BUTTON_L;
    const SCROLLBAR_SKINFLEX_PROPS& Props =
        _aProps[Pressed == (Near ? SCROLLBAR_PRESSED_NEAR : SCROLLBAR_PRESSED_FAR) ? 0 : 1];
    _DrawFace(V, r, Props);
    int Outer = Near ? (V ? r.y0 : r.x0) : (V ? r.y1 : r.x1);
    _DrawArrow(V, r, Outer, Near ? -1 : 1, Props.ColorArrow);
    break;
  }
  case WIDGET_ITEM_DRAW_SHAFT_L:
  case WIDGET_ITEM_DRAW_SHAFT_R:
  case WIDGET_ITEM_DRAW_OVERLAP:
    _GradientAcross(V, r.x0, r.y0, r.x1, r.y1, _aProps[1].aColorShaft[0], _aProps[1].aColorShaft[1]);
    break;
  case WIDGET_ITEM_DRAW_THUMB: {
    const SCROLLBAR_SKINFLEX_PROPS& Props = _aProps[Pressed == SCROLLBAR_PRESSED_THUMB ? 0 : 1];
    _DrawFace(V, r, Props);
    int a0 = V ? r.y0 : r.x0, a1 = V ? r.y1 : r.x1;
    int c0 = V ? r.x0 : r.y0, c1 = V ? r.x1 : r.y1;
    if (a1 - a0 + 1 >= 15) {
      int T = c1 - c0 + 1;
      int Inset = (T + 3) >> 2;
      int Mid = (a0 + a1) / 2;
      GUI_SetColor(Props.ColorGrasp);
      for (int d : {-4, -2, 0, 2, 4}) {
        _LineAcross(V, Mid + d, c0 + Inset, c1 - Inset);
      }
    }
    break;
  }
  }
  return 0;
}

void SCROLLBAR_GetSkinFlexProps(SCROLLBAR_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void SCROLLBAR_SetSkinFlexProps(const SCROLLBAR_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aProps, pProps, Index);
}

void SCROLLBAR_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&SCROLLBAR__Type, hObj)) {
    return;
  }
  WM_SetHasTrans(hObj);
  WIDGET__SetSkinFlex(&SCROLLBAR__Type, hObj, &SCROLLBAR__SkinFlex, pfDrawSkin);
}

WIDGET_DRAW_ITEM_FUNC* SCROLLBAR_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&SCROLLBAR__Type, &SCROLLBAR__SkinFlex, pfDrawSkin);
}
