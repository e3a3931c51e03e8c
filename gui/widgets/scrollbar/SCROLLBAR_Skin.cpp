// SCROLLBAR: the parts along the bar's axis and the built-in look. The skin draws from the bar's state and
// never changes it.
#include "SCROLLBAR.h"

static const SCROLLBAR_OBJ* _Obj(WM_HWIN hObj) {
  return (const SCROLLBAR_OBJ*)WM_H2P(hObj);
}

static int _IsVertical(const SCROLLBAR_OBJ* pObj) {
  return (pObj->Widget.State & WIDGET_STATE_VERTICAL) != 0;
}

void SCROLLBAR__GetAxisRect(const SCROLLBAR_OBJ* pObj, GUI_RECT* pRect) {
  GUI_RECT r;
  WM__GetRelRect(&pObj->Widget.Win, &r);
  if (_IsVertical(pObj)) {
    int W = r.x1 - r.x0 + 1;
    *pRect = {r.y0, (I16)(W - r.x1 - 1), r.y1, (I16)(W - r.x0 - 1)};
  } else {
    *pRect = r;
  }
}

// The far edge on the axis: an attached bar leaves the corner to the partner bar that ends at the same edge.
static int _FarEdge(WM_HWIN hObj, const SCROLLBAR_OBJ* pObj, int* px1) {
  const GUI_RECT& Rect = pObj->Widget.Win.Rect;
  bool Vertical = _IsVertical(pObj);
  *px1 = Vertical ? Rect.y1 - Rect.y0 : Rect.x1 - Rect.x0;
  int Id = pObj->Widget.Id;
  if (Id != GUI_ID_VSCROLL && Id != GUI_ID_HSCROLL) {
    return *px1;
  }
  WM_HWIN hPartner = WM_GetScrollPartner(hObj);
  if (!hPartner || !(WM_H2P(hPartner)->Status & WM_STATUS_VISIBLE)) {
    return *px1;
  }
  const GUI_RECT& P = WM_H2P(hPartner)->Rect;
  if (Id == GUI_ID_HSCROLL && P.x1 == Rect.x1) {
    return P.x0 - 1 - Rect.x0;
  }
  if (Id == GUI_ID_VSCROLL && P.y1 == Rect.y1) {
    return P.y0 - 1 - Rect.y0;
  }
  return *px1;
}

// Lengths and positions on the axis are held to the coordinate range of rectangles. Products of the value
// or page with lengths are formed wide: item counts in the millions times a few hundred pixels pass 32 bits.
void SCROLLBAR__CalcPositions(WM_HWIN hObj, SCROLLBAR_POSITIONS* pPos, int ArrowLen, int ThumbMin) {
  const SCROLLBAR_OBJ* pObj = _Obj(hObj);
  int x1;
  int xEnd = _FarEdge(hObj, pObj, &x1);
  I64 L = (I64)xEnd + 1;
  I64 A = WM__ClampI16(ArrowLen);
  I64 Shaft = L - 2 * A;
  I64 Thumb = GUI__DivideRound64((I64)pObj->PageSize * Shaft, pObj->NumItems);
  if (Thumb < WM__ClampI16(ThumbMin)) {
    Thumb = WM__ClampI16(ThumbMin);
  }
  if (Thumb > Shaft) {
    Thumb = Shaft;
  }
  I64 Moveable = Shaft - Thumb;
  I64 Range = (I64)pObj->NumItems - pObj->PageSize;
  I64 x0Thumb = WM__ClampI16(GUI__DivideRound64((I64)pObj->Value * Moveable, Range) + A);
  pPos->x1 = x1;
  pPos->x0_LeftArrow = 0;
  pPos->x1_LeftArrow = (I32)(A - 1);
  pPos->x0_RightArrow = (I32)(L - A);
  pPos->x1_RightArrow = (I32)(L - 1);
  pPos->ThumbSize = (I32)Thumb;
  pPos->xSizeMoveable = (I32)Moveable;
  pPos->x0_Thumb = (I32)x0Thumb;
  pPos->x1_Thumb = (I32)WM__ClampI16(x0Thumb + Thumb - 1);
}

// Arrow length of the built-in look: half the thickness plus 5, but 5 short of the length (compared
// unsigned, so that a bar shorter than 5 keeps the first).
static void _CalcPositionsClassic(WM_HWIN hObj, SCROLLBAR_POSITIONS* pPos) {
  const SCROLLBAR_OBJ* pObj = _Obj(hObj);
  unsigned T = (unsigned)WIDGET__GetYSize(&pObj->Widget);
  unsigned L = (unsigned)WIDGET__GetXSize(&pObj->Widget);
  unsigned a = T / 2 + 5, b = L - 5;
  SCROLLBAR__CalcPositions(hObj, pPos, (int)(a < b ? a : b), SCROLLBAR__ThumbSizeMin);
}

static void _CreateClassic(WM_HWIN hObj) {
  ((SCROLLBAR_OBJ*)WM_H2P(hObj))->pfCalcPositions = _CalcPositionsClassic;
}

static void _FillAxisRect(const WIDGET* pWidget, int x0, int y0, int x1, int y1) {
  if (x0 <= x1) {
    GUI_RECT r = {(I16)x0, (I16)y0, (I16)x1, (I16)y1};
    WIDGET__FillRect(pWidget, &r);
  }
}

static void _PaintClassic(WM_HWIN hObj) {
  const SCROLLBAR_OBJ* pObj = _Obj(hObj);
  const WIDGET* pWidget = &pObj->Widget;
  SCROLLBAR_POSITIONS Pos;
  pObj->pfCalcPositions(hObj, &Pos);
  GUI_RECT rClient;
  WIDGET__GetClientRect(pWidget, &rClient);
  int y0 = rClient.y0, y1 = rClient.y1;
  int S = (y1 - y0) / 3 - 1;
  int D = S + S / 3 + 3;
  int yMid = (y0 + y1) / 2;
  const GUI_COLOR* aColor = pObj->Props.aColor;
  // Near arrow.
  GUI_SetColor(aColor[SCROLLBAR_CI_THUMB]);
  _FillAxisRect(pWidget, Pos.x0_LeftArrow, y0, Pos.x1_LeftArrow, y1);
  GUI_SetColor(aColor[SCROLLBAR_CI_ARROW]);
  WIDGET__DrawTriangle(pWidget, rClient.x0 + D, yMid, S, -1);
  GUI_RECT r = {(I16)Pos.x0_LeftArrow, (I16)y0, (I16)Pos.x1_LeftArrow, (I16)y1};
  WIDGET__EffectDrawUpRect(pWidget, &r);
  // Shaft on both sides of the thumb.
  GUI_SetColor(aColor[SCROLLBAR_CI_SHAFT]);
  _FillAxisRect(pWidget, Pos.x1_LeftArrow + 1, y0, Pos.x0_Thumb - 1, y1);
  _FillAxisRect(pWidget, Pos.x1_Thumb + 1, y0, Pos.x0_RightArrow - 1, y1);
  // Thumb.
  GUI_SetColor(aColor[SCROLLBAR_CI_THUMB]);
  _FillAxisRect(pWidget, Pos.x0_Thumb, y0, Pos.x1_Thumb, y1);
  r = {(I16)Pos.x0_Thumb, (I16)y0, (I16)Pos.x1_Thumb, (I16)y1};
  if (Pos.x0_Thumb <= Pos.x1_Thumb) {
    WIDGET__EffectDrawUpRect(pWidget, &r);
  }
  // Far arrow.
  GUI_SetColor(aColor[SCROLLBAR_CI_THUMB]);
  _FillAxisRect(pWidget, Pos.x0_RightArrow, y0, Pos.x1_RightArrow, y1);
  GUI_SetColor(aColor[SCROLLBAR_CI_ARROW]);
  WIDGET__DrawTriangle(pWidget, Pos.x1_RightArrow - D, yMid, S, 1);
  r = {(I16)Pos.x0_RightArrow, (I16)y0, (I16)Pos.x1_RightArrow, (I16)y1};
  WIDGET__EffectDrawUpRect(pWidget, &r);
  // The corner left free for the partner bar.
  if (Pos.x1_RightArrow != Pos.x1) {
    GUI_SetColor(aColor[SCROLLBAR_CI_THUMB]);
    _FillAxisRect(pWidget, Pos.x1_RightArrow + 1, y0, Pos.x1, y1);
  }
}

const WIDGET_SKIN SCROLLBAR__SkinClassic = {_PaintClassic, _CreateClassic, nullptr};
const WIDGET_SKIN* SCROLLBAR__pDefaultSkin = &SCROLLBAR__SkinClassic;

void SCROLLBAR_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&SCROLLBAR__Type, hObj, &SCROLLBAR__SkinClassic);
}

void SCROLLBAR_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&SCROLLBAR__Type, &SCROLLBAR__SkinClassic);
}
