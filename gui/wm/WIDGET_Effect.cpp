// The five frame effects of widgets and their colours.
#include "WIDGET.h"

namespace {

GUI_COLOR _a3DColor[5] = {0x000000, 0x555555, 0x808080, 0xC0C0C0, 0xFFFFFF};
GUI_COLOR _aSimpleColor[2] = {0x606060, 0xE7E7E7};
GUI_COLOR _aSoftColor[4] = {0x606060, 0x9A9A9A, 0xD0D0D0, 0xE7E7E7};
GUI_COLOR _aFrameColor[1] = {0x000000};

GUI_COLOR _GetColor(const GUI_COLOR* pColors, unsigned NumColors, unsigned Index) {
  return Index < NumColors ? pColors[Index] : 0;
}

void _SetColor(GUI_COLOR* pColors, unsigned NumColors, unsigned Index, GUI_COLOR Color) {
  if (Index < NumColors) {
    pColors[Index] = Color;
  }
}

void _HLine(GUI_COLOR Color, int y, int x0, int x1) {
  GUI_SetColor(Color);
  GUI_DrawHLine(y, x0, x1);
}

void _VLine(GUI_COLOR Color, int x, int y0, int y1) {
  GUI_SetColor(Color);
  GUI_DrawVLine(x, y0, y1);
}

// Top and left line, then bottom and right line of a one-pixel ring (the simple effect).
void _Ring(const GUI_RECT* r, GUI_COLOR ColorTopLeft, GUI_COLOR ColorBottomRight) {
  int x0 = r->x0, y0 = r->y0, x1 = r->x1, y1 = r->y1;
  _HLine(ColorTopLeft, y0, x0, x1 - 1);
  _VLine(ColorTopLeft, x0, y0 + 1, y1 - 1);
  _HLine(ColorBottomRight, y1, x0, x1);
  _VLine(ColorBottomRight, x1, y0, y1 - 1);
}

void _ClientRect(GUI_RECT* pRect) {
  WM_GetClientRect(pRect);
}

// 3D
void _3D_DrawUpRect(const GUI_RECT* pRect) {
  GUI_RECT r = *pRect;
  GUI_SetColor(_a3DColor[0]);
  GUI_DrawRect(r.x0, r.y0, r.x1, r.y1);
  _HLine(_a3DColor[4], r.y0 + 1, r.x0 + 1, r.x1 - 2);
  _VLine(_a3DColor[4], r.x0 + 1, r.y0 + 1, r.y1 - 2);
  _HLine(_a3DColor[1], r.y1 - 1, r.x0 + 1, r.x1 - 1);
  _VLine(_a3DColor[1], r.x1 - 1, r.y0 + 1, r.y1 - 2);
}

void _3D_DrawDownRect(const GUI_RECT* pRect) {
  GUI_RECT r = *pRect;
  _HLine(_a3DColor[2], r.y0, r.x0, r.x1);
  _VLine(_a3DColor[2], r.x0, r.y0 + 1, r.y1);
  _HLine(_a3DColor[0], r.y0 + 1, r.x0 + 1, r.x1 - 1);
  _VLine(_a3DColor[0], r.x0 + 1, r.y0 + 2, r.y1 - 1);
  _HLine(_a3DColor[4], r.y1, r.x0 + 1, r.x1);
  _VLine(_a3DColor[4], r.x1, r.y0 + 1, r.y1);
  _HLine(_a3DColor[3], r.y1 - 1, r.x0 + 2, r.x1 - 1);
  _VLine(_a3DColor[3], r.x1 - 1, r.y0 + 2, r.y1 - 1);
}

void _3D_DrawUp(void) {
  GUI_RECT r;
  _ClientRect(&r);
  _3D_DrawUpRect(&r);
}

void _3D_DrawDown(void) {
  GUI_RECT r;
  _ClientRect(&r);
  _3D_DrawDownRect(&r);
}

// Simple
void _Simple_DrawUpRect(const GUI_RECT* pRect) {
  _Ring(pRect, _aSimpleColor[1], _aSimpleColor[0]);
}

void _Simple_DrawDownRect(const GUI_RECT* pRect) {
  _Ring(pRect, _aSimpleColor[0], _aSimpleColor[1]);
}

void _Simple_DrawUp(void) {
  GUI_RECT r;
  _ClientRect(&r);
  _Simple_DrawUpRect(&r);
}

void _Simple_DrawDown(void) {
  GUI_RECT r;
  _ClientRect(&r);
  _Simple_DrawDownRect(&r);
}

// Soft: two rings; the inner one is one pixel shorter at its far ends.
void _SoftRings(const GUI_RECT* r, GUI_COLOR OuterTL, GUI_COLOR InnerTL, GUI_COLOR OuterBR, GUI_COLOR InnerBR) {
  _HLine(OuterTL, r->y0, r->x0, r->x1 - 1);
  _VLine(OuterTL, r->x0, r->y0 + 1, r->y1 - 1);
  _HLine(InnerTL, r->y0 + 1, r->x0 + 1, r->x1 - 2);
  _VLine(InnerTL, r->x0 + 1, r->y0 + 2, r->y1 - 2);
  _HLine(OuterBR, r->y1, r->x0, r->x1);
  _VLine(OuterBR, r->x1, r->y0, r->y1 - 1);
  _HLine(InnerBR, r->y1 - 1, r->x0 + 1, r->x1 - 1);
  _VLine(InnerBR, r->x1 - 1, r->y0 + 1, r->y1 - 2);
}

void _Soft_DrawUpRect(const GUI_RECT* pRect) {
  _SoftRings(pRect, _aSoftColor[2], _aSoftColor[3], _aSoftColor[0], _aSoftColor[1]);
}

void _Soft_DrawDownRect(const GUI_RECT* pRect) {
  _SoftRings(pRect, _aSoftColor[1], _aSoftColor[0], _aSoftColor[3], _aSoftColor[2]);
}

void _Soft_DrawUp(void) {
  GUI_RECT r;
  _ClientRect(&r);
  _Soft_DrawUpRect(&r);
}

void _Soft_DrawDown(void) {
  GUI_RECT r;
  _ClientRect(&r);
  _Soft_DrawDownRect(&r);
}

// None
void _None_Draw(void) {
}

void _None_DrawRect(const GUI_RECT*) {
}

// Frame
void _Frame_DrawRect(const GUI_RECT* pRect) {
  GUI_CONTEXT Context;
  GUI_SaveContext(&Context);
  GUI_SetColor(_aFrameColor[0]);
  GUI_DrawRect(pRect->x0, pRect->y0, pRect->x1, pRect->y1);
  GUI_RestoreContext(&Context);
}

void _Frame_Draw(void) {
  GUI_RECT r;
  _ClientRect(&r);
  _Frame_DrawRect(&r);
}

} // namespace

const WIDGET_EFFECT WIDGET_Effect_3D = {2, _3D_DrawUp, _3D_DrawUpRect, _3D_DrawDown, _3D_DrawDownRect, nullptr,
                                        nullptr};
const WIDGET_EFFECT WIDGET_Effect_Simple = {1,       _Simple_DrawUp, _Simple_DrawUpRect, _Simple_DrawDown,
                                            _Simple_DrawDownRect, nullptr, nullptr};
const WIDGET_EFFECT WIDGET_Effect_Soft = {2,       _Soft_DrawUp, _Soft_DrawUpRect, _Soft_DrawDown, _Soft_DrawDownRect,
                                          nullptr, nullptr};
const WIDGET_EFFECT WIDGET_Effect_None = {0,           _None_Draw,     _None_DrawRect, _None_Draw, _None_DrawRect,
                                          _None_DrawRect, nullptr};
const WIDGET_EFFECT WIDGET_Effect_Frame = {1,       _Frame_Draw, _Frame_DrawRect, _Frame_Draw, _Frame_DrawRect,
                                           nullptr, nullptr};

void WIDGET__Effect3D_DrawUp(void) {
  _3D_DrawUp();
}

GUI_COLOR WIDGET_EFFECT_3D_GetColor(unsigned Index) {
  return _GetColor(_a3DColor, 5, Index);
}

void WIDGET_EFFECT_3D_SetColor(unsigned Index, GUI_COLOR Color) {
  _SetColor(_a3DColor, 5, Index, Color);
}

GUI_COLOR WIDGET_EFFECT_Simple_GetColor(unsigned Index) {
  return _GetColor(_aSimpleColor, 2, Index);
}

void WIDGET_EFFECT_Simple_SetColor(unsigned Index, GUI_COLOR Color) {
  _SetColor(_aSimpleColor, 2, Index, Color);
}

GUI_COLOR WIDGET_EFFECT_Soft_GetColor(unsigned Index) {
  return _GetColor(_aSoftColor, 4, Index);
}

void WIDGET_EFFECT_Soft_SetColor(unsigned Index, GUI_COLOR Color) {
  _SetColor(_aSoftColor, 4, Index, Color);
}

GUI_COLOR WIDGET_EFFECT_Frame_GetColor(unsigned Index) {
  return _GetColor(_aFrameColor, 1, Index);
}

void WIDGET_EFFECT_Frame_SetColor(unsigned Index, GUI_COLOR Color) {
  _SetColor(_aFrameColor, 1, Index, Color);
}
