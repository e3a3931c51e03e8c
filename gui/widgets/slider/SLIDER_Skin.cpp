// SLIDER: the geometry both looks share and the classic look (sunken groove, ticks, raised thumb, focus
// rectangle), drawn in slider coordinates so that one routine serves both orientations.
#include "SLIDER.h"

SLIDER_GEOMETRY SLIDER__GetGeometry(const SLIDER_OBJ* pObj) {
  SLIDER_GEOMETRY g;
  // From the record alone, so that it holds outside painting too.
  g.r = {1, 1, (I16)(WIDGET__GetXSize(&pObj->Widget) - 2), (I16)(WIDGET__GetYSize(&pObj->Widget) - 2)};
  g.Size = g.r.x1 - g.r.x0 - pObj->Width + 1;
  g.xStart = g.r.x0 + pObj->Width / 2;
  I64 R = (I64)pObj->Max - pObj->Min;
  if (R < 1) {
    R = 1;
  }
  g.NumTicks = pObj->NumTicks;
  if (g.NumTicks < 0) {
    g.NumTicks = (R + 1 > g.Size / 5) ? 11 : (int)(R + 1);
  }
  // Ticks closer than a pixel add nothing: one per pixel of the travel (both ends at least) already marks
  // every pixel that more of them would mark, so no more are drawn.
  int MaxTicks = (g.Size < 0 ? -g.Size : g.Size) + 1;
  MaxTicks = MaxTicks < 2 ? 2 : MaxTicks;
  if (g.NumTicks > MaxTicks) {
    g.NumTicks = MaxTicks;
  }
  g.xThumb = (int)(((I64)pObj->Value - pObj->Min) * g.Size / R) - pObj->Width / 2 + g.xStart;
  return g;
}

static void _PaintClassic(WM_HWIN hObj) {
  const SLIDER_OBJ* pObj = (const SLIDER_OBJ*)WM_H2P(hObj);
  const WIDGET* pWidget = &pObj->Widget;
  SLIDER_GEOMETRY g = SLIDER__GetGeometry(pObj);
  if (!WM_GetHasTrans(hObj)) {
    GUI_SetBkColor(pObj->Props.BkColor);
    GUI_Clear();
  }
  int yGroove = (g.r.y1 + 5) / 2 - 1;
  GUI_RECT rGroove = {(I16)g.xStart, (I16)yGroove, (I16)(g.xStart + g.Size), (I16)(yGroove + 3)};
  WIDGET__EffectDrawDownRect(pWidget, &rGroove);
  if (g.NumTicks > 1) {
    GUI_SetColor(pObj->Props.TickColor);
    for (int i = 0; i < g.NumTicks; i++) {
      int x = (int)((I64)i * g.Size / (g.NumTicks - 1)) + g.xStart;
      WIDGET__DrawVLine(pWidget, x, 1, 3);
    }
  }
  GUI_RECT rThumb = {(I16)g.xThumb, 5, (I16)(g.xThumb + pObj->Width), g.r.y1};
  GUI_SetColor(pObj->Props.BarColor);
  WIDGET__FillRect(pWidget, &rThumb);
  WIDGET__EffectDrawUpRect(pWidget, &rThumb);
  if ((pObj->Props.Flags & SLIDER_FLAG_DRAW_FOCUS_RECT) && (pWidget->State & WIDGET_STATE_FOCUS)) {
    GUI_RECT rClient;
    WIDGET__GetClientRect(pWidget, &rClient);
    GUI_SetColor(pObj->Props.FocusColor);
    WIDGET__DrawFocusRect(pWidget, &rClient, 0);
  }
}

const WIDGET_SKIN SLIDER__SkinClassic = {_PaintClassic, nullptr, nullptr};
const WIDGET_SKIN* SLIDER__pDefaultSkin = &SLIDER__SkinClassic;

void SLIDER_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&SLIDER__Type, hObj, &SLIDER__SkinClassic);
}

void SLIDER_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&SLIDER__Type, &SLIDER__SkinClassic);
}
