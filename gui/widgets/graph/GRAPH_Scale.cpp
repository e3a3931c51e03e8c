// GRAPH: scales. Numeric labels every TickDist pixels along the bottom or the side of the data area,
// following the graph's scroll values. Label positions are computed, not stepped to, so that no offset or
// distance makes drawing run long; a distance below 1 draws nothing.
#include <cmath>

#include "GRAPH_Private.h"

namespace {

template <class F> void _Change(GUI_HMEM h, const char* pFunc, F f) {
  GRAPH__ChangeObj<GRAPH_SCALE_OBJ>(h, GRAPH_SCALE_ID, pFunc, f);
}

// The alignment is set for every label: writing a text resets the horizontal alignment.
void _Label(int x, int y, double Value, int NumDecs, int Align) {
  GUI_SetTextAlign(Align);
  GUI_GotoXY(x, y);
  GUI_DispFloatMin((float)Value, (char)WIDGET__Limit(NumDecs, 0, 9));
}

void _DrawHorizontal(const GRAPH_SCALE_OBJ& s, const GRAPH_OBJ& g, const GRAPH_GEOMETRY& Geo, const GUI_RECT& Inv) {
  int y = s.Pos - Geo.EffectSize;
  if (y > Inv.y1 || y + GUI_GetFontSizeY() < Inv.y0) {
    return;
  }
  const GRAPH_PROPS& p = g.Props;
  I64 xs = Geo.Inside.x0 + p.BorderL, xe = Geo.Inside.x1 - p.BorderR;
  I64 Scroll = (g.Flags & GRAPH_CF_GRID_FIXED_X) ? 0 : g.ScrollStateH.Value;
  // No label at the left edge itself: the first lies to its right.
  for (I64 x = GRAPH__FirstAtLeast(s.Off + Scroll + xs, s.TickDist, xs + 1); x <= xe; x += s.TickDist) {
    _Label((int)x, y, (double)(x - s.Off - Scroll - p.BorderL - Geo.EffectSize) * s.Factor, s.NumDecs, s.TextAlign);
  }
}

void _DrawVertical(const GRAPH_SCALE_OBJ& s, const GRAPH_OBJ& g, const GRAPH_GEOMETRY& Geo, const GUI_RECT& Inv) {
  int x = Geo.EffectSize + s.Pos;
  if ((s.TextAlign == 0 && Inv.x1 < x) || (s.TextAlign == 1 && Inv.x0 > x)) {
    return;
  }
  const GRAPH_PROPS& p = g.Props;
  I64 yb = Geo.Inside.y1 - p.BorderB, yt = Geo.Inside.y0 + p.BorderT;
  I64 Scroll = g.ScrollStateV.Value;
  int Half = GUI_GetFontSizeY() / 2;
  // From the bottom edge upwards; a label sits at the bottom edge itself when a tick falls on it.
  for (I64 y = GRAPH__FirstAtLeast(Scroll - s.Off + yb, s.TickDist, yb - s.TickDist + 1); y >= yt; y -= s.TickDist) {
    _Label(x, (int)(y - Half), (double)(Scroll - s.Off - y + yb) * s.Factor, s.NumDecs, s.TextAlign);
  }
}

void _Draw(GUI_HMEM hThis, const GUI_RECT* pInvalid) {
  const GRAPH_SCALE_OBJ* pObj = (const GRAPH_SCALE_OBJ*)GUI_ALLOC_h2p(hThis);
  const GRAPH_OBJ* pGraph = GRAPH__Obj(pObj->Head.hGraph);
  if (!pGraph || pObj->TickDist < 1) {
    return;
  }
  GRAPH_SCALE_OBJ s = *pObj;
  GRAPH_OBJ g = *pGraph;
  GRAPH_GEOMETRY Geo;
  GRAPH__GetGeometry(s.Head.hGraph, &Geo);
  GUI_RECT Inv = pInvalid ? *pInvalid : GUI_RECT{-32768, -32768, 32767, 32767};
  GUI_SetFont(s.pFont);
  GUI_SetColor(s.TextColor);
  GUI_SetTextMode(GUI_TM_TRANS);
  (s.Flags & GRAPH_SCALE_CF_VERTICAL) ? _DrawVertical(s, g, Geo, Inv) : _DrawHorizontal(s, g, Geo, Inv);
}

} // namespace

GRAPH_SCALE_Handle GRAPH_SCALE_Create(int Pos, int TextAlign, U16 Flags, int TickDist) {
  WM__LockGuard Lock;
  GUI_HMEM h = GUI_ALLOC_AllocZero(sizeof(GRAPH_SCALE_OBJ));
  if (GRAPH_SCALE_OBJ* p = h ? (GRAPH_SCALE_OBJ*)GUI_ALLOC_h2p(h) : nullptr) {
    p->Head.pfDraw = _Draw;
    p->Head.Tag = GRAPH_SCALE_ID;
    p->TextColor = 0x00FFFFFF;
    p->pFont = &GUI_Font8;
    p->Pos = Pos;
    p->TextAlign = TextAlign;
    p->TickDist = TickDist;
    p->Flags = Flags;
    p->Factor = 1.0f;
  }
  return h;
}

float GRAPH_SCALE_SetFactor(GRAPH_SCALE_Handle hScale, float Factor) {
  float Old = 0.0f;
  _Change(hScale, "GRAPH_SCALE_SetFactor", [&](GRAPH_SCALE_OBJ* p) {
    Old = p->Factor;
    if (p->Factor == Factor) { // an unordered comparison (NaN) counts as a change
      return false;
    }
    p->Factor = Factor;
    return true;
  });
  return Old;
}

const GUI_FONT* GRAPH_SCALE_SetFont(GRAPH_SCALE_Handle hScale, const GUI_FONT* pFont) {
  const GUI_FONT* pOld = nullptr;
  _Change(hScale, "GRAPH_SCALE_SetFont", [&](GRAPH_SCALE_OBJ* p) {
    pOld = p->pFont;
    return WIDGET__Store(&p->pFont, pFont);
  });
  return pOld;
}

// The integer setters: store, and answer the previous value.
#define GRAPH_SCALE_SETTER(Name, Field)                                                                        \
  int GRAPH_SCALE_##Name(GRAPH_SCALE_Handle hScale, int Value) {                                               \
    int Old = 0;                                                                                               \
    _Change(hScale, "GRAPH_SCALE_" #Name, [&](GRAPH_SCALE_OBJ* p) {                                            \
      Old = p->Field;                                                                                          \
      return WIDGET__Store(&p->Field, Value);                                                                  \
    });                                                                                                        \
    return Old;                                                                                                \
  }

GRAPH_SCALE_SETTER(SetNumDecs, NumDecs)
GRAPH_SCALE_SETTER(SetOff, Off)
GRAPH_SCALE_SETTER(SetPos, Pos)
GRAPH_SCALE_SETTER(SetTickDist, TickDist)

GUI_COLOR GRAPH_SCALE_SetTextColor(GRAPH_SCALE_Handle hScale, GUI_COLOR Color) {
  GUI_COLOR Old = 0;
  _Change(hScale, "GRAPH_SCALE_SetTextColor", [&](GRAPH_SCALE_OBJ* p) {
    Old = p->TextColor;
    return WIDGET__Store(&p->TextColor, Color);
  });
  return Old;
}
