// GRAPH: painting. The background, the grid and the borders are the graph's own; data objects and scales
// draw themselves through the routine in their first word, each clipped to its part of the window. Grid
// lines are placed by arithmetic, not by stepping from their offset, so distant offsets cost nothing.
#include "GRAPH_Private.h"

I64 GRAPH__FirstAtLeast(I64 Off, I64 Dist, I64 Min) {
  I64 r = (Off - Min) % Dist;
  if (r < 0) {
    r += Dist;
  }
  return Min + r;
}

namespace {

GRAPH_OBJ* _Obj(WM_HWIN hObj) {
  return (GRAPH_OBJ*)WM_H2P(hObj);
}

void _UserDraw(WM_HWIN hObj, int Stage) {
  if (GRAPH_USER_DRAW_FUNC* pf = _Obj(hObj)->pfUserDraw) {
    pf(hObj, Stage);
  }
}

// One grid line in its style: style 0 with the fast routine, others with the general line routine.
void _GridLine(int x0, int y0, int x1, int y1, int Style) {
  if (!Style) {
    x0 == x1 ? GUI_DrawVLine(x0, y0, y1) : GUI_DrawHLine(y0, x0, x1);
  } else {
    GUI_DrawLine(x0, y0, x1, y1);
  }
}

void _DrawGrid(WM_HWIN hObj, const GRAPH_GEOMETRY& Geo) {
  const GRAPH_OBJ* pObj = _Obj(hObj);
  const GRAPH_PROPS& p = pObj->Props;
  const GUI_RECT& r = Geo.Inside;
  I64 W = r.x1 - r.x0 - p.BorderL - p.BorderR + 1;
  I64 H = r.y1 - r.y0 - p.BorderT - p.BorderB + 1;
  int OldStyle = GUI_GetLineStyle();
  GUI_SetColor(p.aColor[GRAPH_CI_GRID]);
  // A distance below 1 draws no lines (stepping by it would never end).
  if (p.GridDistX > 0) {
    I64 Scroll = (pObj->Flags & GRAPH_CF_GRID_FIXED_X) ? 0 : pObj->ScrollStateH.Value;
    GUI_SetLineStyle(pObj->LineStyleV);
    for (I64 x = GRAPH__FirstAtLeast((I64)p.GridOffX + Scroll, p.GridDistX, 0); x < W; x += p.GridDistX) {
      int xPos = (int)(Geo.EffectSize + p.BorderL + x);
      _GridLine(xPos, Geo.Data.y0, xPos, Geo.Data.y1, pObj->LineStyleV);
    }
  }
  if (p.GridDistY > 0) {
    GUI_SetLineStyle(pObj->LineStyleH);
    for (I64 y = GRAPH__FirstAtLeast((I64)p.GridOffY - pObj->ScrollStateV.Value, p.GridDistY, 0); y < H;
         y += p.GridDistY) {
      int yPos = (int)(r.y1 - p.BorderB - y);
      _GridLine(Geo.Data.x0, yPos, Geo.Data.x1, yPos, pObj->LineStyleH);
    }
  }
  GUI_SetLineStyle(OldStyle);
}

// Border areas in the border colour and the frame line one pixel outside the data area; each side only
// when the invalid rectangle (window coordinates) reaches it.
void _DrawBorders(WM_HWIN hObj, const GRAPH_GEOMETRY& Geo, const GUI_RECT& Invalid) {
  const GRAPH_PROPS& p = _Obj(hObj)->Props;
  if (!p.BorderL && !p.BorderT && !p.BorderR && !p.BorderB) {
    return;
  }
  const GUI_RECT& In = Geo.Inside;
  const GUI_RECT& D = Geo.Data;
  int e = Geo.EffectSize;
  GUI_SetBkColor(p.aColor[GRAPH_CI_BORDER]);
  GUI_SetColor(p.aColor[GRAPH_CI_FRAME]);
  if (p.BorderL > 0 && Invalid.x0 <= e + p.BorderL - 1) {
    GUI_ClearRect(In.x0, e + p.BorderT, e + p.BorderL - 1, D.y1 + 1);
    GUI_DrawVLine(D.x0 - 1, D.y0 - 1, D.y1 + 1);
  }
  if (p.BorderT > 0 && Invalid.y0 <= e + p.BorderT - 1) {
    GUI_ClearRect(In.x0, In.y0, In.x1, e + p.BorderT - 1);
    GUI_DrawHLine(D.y0 - 1, D.x0 - 1, D.x1 + 1);
  }
  if (p.BorderR > 0 && Invalid.x1 >= In.x1 - p.BorderR + 1) {
    GUI_ClearRect(In.x1 - p.BorderR + 1, e + p.BorderT, In.x1, D.y1 + 1);
    GUI_DrawVLine(D.x1 + 1, D.y0 - 1, D.y1 + 1);
  }
  if (p.BorderB > 0 && Invalid.y1 >= In.y1 - p.BorderB + 1) {
    GUI_ClearRect(In.x0, In.y1 - p.BorderB + 1, In.x1, In.y1);
    GUI_DrawHLine(D.y1 + 1, D.x0 - 1, D.x1 + 1);
  }
}

// The draw routine of every object in one list, in attach order. The list is read entry by entry, since a
// routine may allocate and move blocks.
void _DrawObjects(WM_HWIN hObj, bool Scales, const GUI_RECT& Invalid) {
  GUI_ARRAY hArray = Scales ? _Obj(hObj)->hScaleArray : _Obj(hObj)->hDataArray;
  for (int i = 0, n = hArray ? GUI_ARRAY_GetNumItems(hArray) : 0; i < n; i++) {
    GUI_HMEM* ph = (GUI_HMEM*)GUI_ARRAY_GetpItemLocked(hArray, (U32)i);
    GUI_HMEM h = ph ? *ph : 0;
    GUI_ALLOC_UnlockH(&ph);
    const GRAPH_OBJ_HEAD* pHead = h ? (const GRAPH_OBJ_HEAD*)GUI_ALLOC_h2p(h) : nullptr;
    if (pHead && pHead->pfDraw) {
      pHead->pfDraw(h, &Invalid);
    }
  }
}

GUI_RECT _Shrink(const GUI_RECT& r, int l, int t, int rr, int b) {
  return {WM__ClampI16(r.x0 + l), WM__ClampI16(r.y0 + t), WM__ClampI16(r.x1 - rr), WM__ClampI16(r.y1 - b)};
}

} // namespace

void GRAPH__Paint(WM_HWIN hObj, const GUI_RECT* pInvalid) {
  GRAPH_GEOMETRY Geo;
  GRAPH__GetGeometry(hObj, &Geo);
  const WM_OBJ* pWin = WM_H2P(hObj);
  GUI_RECT Invalid = pInvalid ? *pInvalid : pWin->Rect;
  Invalid = {(I16)(Invalid.x0 - pWin->Rect.x0), (I16)(Invalid.y0 - pWin->Rect.y0), (I16)(Invalid.x1 - pWin->Rect.x0),
             (I16)(Invalid.y1 - pWin->Rect.y0)};
  GUI_RECT Client;
  WIDGET__GetClientRect(&_Obj(hObj)->Widget, &Client);
  WIDGET__EffectDrawDownRect(&_Obj(hObj)->Widget, &Client);
  const GRAPH_PROPS p = _Obj(hObj)->Props;
  int e = Geo.EffectSize;
  GUI_RECT Inner = _Shrink(Client, e, e, e, e);
  GUI_RECT DataRect = _Shrink(Inner, p.BorderL, p.BorderT, p.BorderR, p.BorderB);
  const GUI_RECT* pOldClip = WM_SetUserClipRect(&DataRect);
  GUI_SetBkColor(p.aColor[GRAPH_CI_BK]);
  GUI_Clear();
  _UserDraw(hObj, GRAPH_DRAW_FIRST);
  if (_Obj(hObj)->GridVisible) {
    _DrawGrid(hObj, Geo);
  }
  WM_SetUserClipRect(&Inner);
  if ((p.aColor[GRAPH_CI_BORDER] >> 24) != 0xFF) {
    _DrawBorders(hObj, Geo, Invalid);
  }
  _UserDraw(hObj, GRAPH_DRAW_AFTER_BORDER);
  WM_SetUserClipRect(&DataRect);
  _DrawObjects(hObj, false, Invalid);
  WM_SetUserClipRect(&Inner);
  _DrawObjects(hObj, true, Invalid);
  WM_SetUserClipRect(pOldClip);
  _UserDraw(hObj, GRAPH_DRAW_LAST);
}
