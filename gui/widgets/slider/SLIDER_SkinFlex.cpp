// SLIDER: the flexible look. The paint routine asks the item routine for the groove, the thumb, the ticks
// and the focus, each clipped to its rectangle; SLIDER_DrawSkinFlex draws a framed groove, a pointed thumb
// with a gradient body and tick lines. Rectangles are in slider coordinates, so a vertical slider gets the
// same shapes turned by a quarter.
#include "SLIDER.h"

namespace {

SLIDER_SKINFLEX_PROPS _aProps[2] = {
    {{0x8B622C, 0xBAB09E}, {0xFCF4E5, 0xDBB368}, {0x959595, 0xF3F3F3, 0xC0C0C0}, 0x404040, 0x000000, 3, 3},
    {{0x707070, 0xFCFCFC}, {0xF2F2F2, 0xBCBCBC}, {0x959595, 0xF3F3F3, 0xC0C0C0}, 0x404040, 0x000000, 3, 3},
};

const SLIDER_OBJ* _Obj(WM_HWIN hObj) {
  return (const SLIDER_OBJ*)WM_H2P(hObj);
}

void _Call(WM_HWIN hObj, int Cmd, const GUI_RECT& r, SLIDER_SKINFLEX_INFO* pInfo) {
  const SLIDER_OBJ* pObj = _Obj(hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDraw = pObj->Props.pfDrawSkin ? pObj->Props.pfDrawSkin : SLIDER_DrawSkinFlex;
  GUI_RECT rClip;
  WIDGET__RotateRect90(&pObj->Widget, &rClip, &r);
  if (!(pObj->Widget.State & WIDGET_STATE_VERTICAL)) {
    rClip = r;
  }
  WM_SetUserClipRect(&rClip);
  WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, 0, 0, r.x0, r.y0, r.x1, r.y1, pInfo};
  pfDraw(&Info);
  WM_SetUserClipRect(nullptr);
}

void _PaintFlex(WM_HWIN hObj) {
  const SLIDER_OBJ* pObj = _Obj(hObj);
  SLIDER_GEOMETRY g = SLIDER__GetGeometry(pObj);
  SLIDER_SKINFLEX_INFO Info = {pObj->Width, g.NumTicks, g.Size, (pObj->Widget.State & SLIDER_STATE_PRESSED) ? 1 : 0,
                               (pObj->Widget.State & WIDGET_STATE_VERTICAL) ? 1 : 0};
  bool Focus = (pObj->Widget.State & WIDGET_STATE_FOCUS) != 0;
  GUI_RECT rClient;
  WIDGET__GetClientRect(&pObj->Widget, &rClient);
  GUI_RECT rThumb = {(I16)g.xThumb, g.r.y0, (I16)(g.xThumb + pObj->Width - 1), g.r.y1};
  // An opaque slider (a background colour was set) clears its background; the items draw no background.
  if (!WM_GetHasTrans(hObj)) {
    GUI_SetBkColor(pObj->Props.BkColor);
    GUI_Clear();
  }
  _Call(hObj, WIDGET_ITEM_DRAW_SHAFT, g.r, &Info);
  if (WM__IsWindow(hObj)) {
    _Call(hObj, WIDGET_ITEM_DRAW_THUMB, rThumb, &Info);
  }
  if (WM__IsWindow(hObj)) {
    _Call(hObj, WIDGET_ITEM_DRAW_TICKS, g.r, &Info);
  }
  if (WM__IsWindow(hObj) && Focus) {
    _Call(hObj, WIDGET_ITEM_DRAW_FOCUS, rClient, &Info);
  }
}

void _CreateFlex(WM_HWIN hObj) {
  GUI_RECT r = {0, 0, -1, -1};
  SLIDER_SKINFLEX_INFO Info = {};
  _Call(hObj, WIDGET_ITEM_CREATE, r, &Info);
}

// Drawing in slider coordinates.
void _HLine(const WIDGET* p, int y, int x0, int x1) {
  if (x0 <= x1) {
    WIDGET__DrawHLine(p, y, x0, x1);
  }
}

void _VLine(const WIDGET* p, int x, int y0, int y1) {
  if (y0 <= y1) {
    WIDGET__DrawVLine(p, x, y0, y1);
  }
}

void _Pixel(const WIDGET* p, int x, int y) {
  WIDGET__DrawHLine(p, y, x, x);
}

// A line of slope 1 from (x0, y0) over n pixels, dx = +1 or -1.
void _Diagonal(const WIDGET* p, int x0, int y0, int dx, int n) {
  for (int i = 0; i < n; i++) {
    _Pixel(p, x0 + i * dx, y0 + i);
  }
}

// A gradient from top (Color0) to bottom (Color1) in slider coordinates.
void _Gradient(const WIDGET* p, int x0, int y0, int x1, int y1, GUI_COLOR Color0, GUI_COLOR Color1) {
  if (x0 > x1 || y0 > y1) {
    return;
  }
  if (!(p->State & WIDGET_STATE_VERTICAL)) {
    GUI_DrawGradientV(x0, y0, x1, y1, Color0, Color1);
    return;
  }
  GUI_RECT r = {(I16)x0, (I16)y0, (I16)x1, (I16)y1};
  WIDGET__RotateRect90(p, &r, &r);
  GUI_DrawGradientH(r.x0, r.y0, r.x1, r.y1, Color1, Color0); // slider top is the window's right
}

void _DrawThumbOutline(const WIDGET* p, int x0, int x1, int yt, int y1, int h) {
  _Diagonal(p, x0 + h - 1, yt, -1, h);
  _Diagonal(p, x1 - h + 1, yt, 1, h);
  _VLine(p, x0, yt + h, y1);
  _VLine(p, x1, yt + h, y1);
  _HLine(p, y1, x0, x1);
}

} // namespace

const WIDGET_SKIN SLIDER__SkinFlex = {_PaintFlex, _CreateFlex, nullptr};

int SLIDER_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (!pInfo || !pInfo->p || !WM__IsWindow(pInfo->hWin)) {
    return 0;
  }
  const SLIDER_OBJ* pObj = _Obj(pInfo->hWin);
  const WIDGET* p = &pObj->Widget;
  const SLIDER_SKINFLEX_INFO* pSlider = (const SLIDER_SKINFLEX_INFO*)pInfo->p;
  const SLIDER_SKINFLEX_PROPS& Props = _aProps[pSlider->IsPressed ? 0 : 1];
  int x0 = pInfo->x0, y0 = pInfo->y0, x1 = pInfo->x1, y1 = pInfo->y1;
  switch (pInfo->Cmd) {
  case WIDGET_ITEM_DRAW_SHAFT: {
    int g0 = y0 + 1 + (y1 - Props.TickSize - y0 - Props.ShaftSize) / 2 + Props.TickSize;
    int g1 = g0 + Props.ShaftSize - 1;
    GUI_SetColor(Props.aColorShaft[0]);
    _VLine(p, x0, g0, g1);
    _HLine(p, g0, x0, x1);
    GUI_SetColor(Props.aColorShaft[1]);
    _VLine(p, x1, g0, g1);
    _HLine(p, g1, x0, x1);
    GUI_SetColor(Props.aColorShaft[2]);
    for (int y = g0 + 1; y < g1; y++) {
      _HLine(p, y, x0 + 1, x1 - 1);
    }
    break;
  }
  case WIDGET_ITEM_DRAW_THUMB: {
    int yt = y0 + Props.TickSize + 1;
    int h = (pSlider->Width + 1) / 2;
    GUI_SetColor(Props.aColorFrame[0]);
    _DrawThumbOutline(p, x0, x1, yt, y1, h);
    GUI_SetColor(Props.aColorFrame[1]);
    _DrawThumbOutline(p, x0 + 1, x1 - 1, yt + 1, y1 - 1, h - 1);
    _Gradient(p, x0 + 2, yt + h - 1, x1 - 2, y1 - 2, Props.aColorInner[0], Props.aColorInner[1]);
    GUI_SetColor(Props.aColorInner[0]);
    for (int i = 2; i < h; i++) {
      _HLine(p, yt + i, x0 + h - i + 1, x1 - h + i - 1);
    }
    break;
  }
  case WIDGET_ITEM_DRAW_TICKS:
    if (pSlider->NumTicks > 1) {
      GUI_SetColor(Props.ColorTick);
      for (int i = 0; i < pSlider->NumTicks; i++) {
        int x = (int)((I64)i * pSlider->Size / (pSlider->NumTicks - 1)) + pSlider->Width / 2 + x0;
        _VLine(p, x, y0, y0 + Props.TickSize - 1);
      }
    }
    break;
  case WIDGET_ITEM_DRAW_FOCUS:
    if (pObj->Props.Flags & SLIDER_FLAG_DRAW_FOCUS_RECT) {
      GUI_RECT r = {(I16)x0, (I16)y0, (I16)x1, (I16)y1};
      GUI_SetColor(Props.ColorFocus);
      WIDGET__DrawFocusRect(p, &r, 0);
    }
    break;
  }
  return 0;
}

void SLIDER_GetSkinFlexProps(SLIDER_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void SLIDER_SetSkinFlexProps(const SLIDER_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aProps, pProps, Index);
}

void SLIDER_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&SLIDER__Type, hObj)) {
    return;
  }
  WM_SetHasTrans(hObj);
  WIDGET__SetSkinFlex(&SLIDER__Type, hObj, &SLIDER__SkinFlex, pfDrawSkin);
}

WIDGET_DRAW_ITEM_FUNC* SLIDER_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&SLIDER__Type, &SLIDER__SkinFlex, pfDrawSkin);
}
