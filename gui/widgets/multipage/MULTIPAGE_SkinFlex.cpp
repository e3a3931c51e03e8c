// MULTIPAGE: the flexible look. The paint routine lays the tabs out (the selected one grown across the whole
// row and along it, its neighbours giving way) and hands the client frame and every part of every tab to the
// item routine; MULTIPAGE_DrawSkinFlex draws two-part gradients from the colours of the tab's state. The hit
// test uses the same geometry.
#include <cstring>

#include "MULTIPAGE.h"

namespace {

MULTIPAGE_SKINFLEX_PROPS _aProps[3] = {
    {0x808080, {0xF2F2F2, 0xEBEBEB}, {0xDDDDDD, 0xCFCFCF}, 0x959595, 0x000000},
    {0xFFFFFF, {0xFFFFFF, 0xFFFFFF}, {0xFFFFFF, 0xFFFFFF}, 0x959595, 0x000000},
    {0x808080, {0xF2F2F2, 0xEBEBEB}, {0xDDDDDD, 0xCFCFCF}, 0x959595, 0x404040},
};

struct Geometry {
  bool Rotated, Right, Bottom;
  int AlongStart, AlongEnd; // the tab area along the row
  int Outer, Inner;         // across the row: the outer edge and the edge on the client side
  U8 EdgeClient, EdgeFar, EdgeNear; // lines: on the client side, towards the next tab, towards the previous
};

Geometry _GetGeometry(WM_HWIN hObj, const GUI_RECT& a) {
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  Geometry g;
  g.Rotated = MULTIPAGE__IsRotated(pObj);
  g.Right = pObj->Props.Align & MULTIPAGE_ALIGN_RIGHT;
  g.Bottom = pObj->Props.Align & MULTIPAGE_ALIGN_BOTTOM;
  g.AlongStart = g.Rotated ? a.y0 : a.x0;
  g.AlongEnd = g.Rotated ? a.y1 : a.x1;
  if (!g.Rotated) {
    g.Outer = g.Bottom ? a.y1 : a.y0;
    g.Inner = g.Bottom ? a.y0 : a.y1;
    g.EdgeClient = g.Bottom ? MULTIPAGE_EDGE_TOP : MULTIPAGE_EDGE_BOTTOM;
    g.EdgeFar = g.Right ? MULTIPAGE_EDGE_LEFT : MULTIPAGE_EDGE_RIGHT;
    g.EdgeNear = g.Right ? MULTIPAGE_EDGE_RIGHT : MULTIPAGE_EDGE_LEFT;
  } else {
    g.Outer = g.Bottom ? a.x0 : a.x1;
    g.Inner = g.Bottom ? a.x1 : a.x0;
    g.EdgeClient = g.Bottom ? MULTIPAGE_EDGE_RIGHT : MULTIPAGE_EDGE_LEFT;
    g.EdgeFar = g.Right ? MULTIPAGE_EDGE_TOP : MULTIPAGE_EDGE_BOTTOM;
    g.EdgeNear = g.Right ? MULTIPAGE_EDGE_BOTTOM : MULTIPAGE_EDGE_TOP;
  }
  return g;
}

// The rectangle and frame lines of tab n. Along the row the tabs are laid from the start of the area (from
// its end for right alignment), shifted back by the tabs scrolled out. A tab far along a long row lies beyond
// the coordinates: its rectangle is held to their end, where nothing shows and no point hits it.
GUI_RECT _GetTabRect(const MULTIPAGE_OBJ* pObj, const Geometry& g, int n, U8* pEdges) {
  I64 u = MULTIPAGE__SumTabWidths(pObj, 0, n) - MULTIPAGE__GetScrollOffset(pObj);
  I64 s = u, e = u + MULTIPAGE__GetTabWidth(pObj, n) - 1;
  int Grow = pObj->FlexSelGrow, Sel = pObj->Sel;
  U8 Edges = 0xF & ~g.EdgeClient;
  if (n == Sel) {
    e += Grow;
    if (n != 0 && n != pObj->ScrollState) {
      s -= Grow;
    }
  } else {
    if (n == Sel - 1) {
      e -= Grow;
      Edges &= (U8)~g.EdgeFar;
    }
    if (n == Sel + 1) {
      s += Grow;
      Edges &= (U8)~g.EdgeNear;
    }
    if (n == 0) {
      s += pObj->FlexOverlap;
    }
    if (n == MULTIPAGE__NumPages(pObj) - 1) {
      e -= Grow;
    }
  }
  I16 a0 = WM__ClampI16(g.Right ? g.AlongEnd - e : g.AlongStart + s);
  I16 a1 = WM__ClampI16(g.Right ? g.AlongEnd - s : g.AlongStart + e);
  int Dir = g.Inner > g.Outer ? 1 : -1;
  int c0 = n == Sel ? g.Outer : g.Outer + Dir * pObj->FlexInset;
  int c1 = n == Sel ? g.Inner : g.Inner - Dir;
  if (c0 > c1) {
    int t = c0;
    c0 = c1, c1 = t;
  }
  *pEdges = Edges;
  return g.Rotated ? GUI_RECT{(I16)c0, a0, (I16)c1, a1} : GUI_RECT{a0, (I16)c0, a1, (I16)c1};
}

WIDGET_DRAW_ITEM_FUNC* _GetDraw(const MULTIPAGE_OBJ* pObj) {
  return pObj->Props.pfDrawSkin ? pObj->Props.pfDrawSkin : MULTIPAGE_DrawSkinFlex;
}

void _DrawTab(WM_HWIN hObj, const Geometry& g, int n) {
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, n);
  U8 Edges;
  GUI_RECT r = _GetTabRect(pObj, g, n, &Edges);
  MULTIPAGE_SKIN_INFO Skin = {g.Rotated ? GUI_ROTATE_CW : GUI_ROTATE_0, pObj->Props.Align, pObj->Sel,
                              pObj->Widget.State, Edges, pPage->Status};
  WIDGET_DRAW_ITEM_FUNC* pf = _GetDraw(pObj);
  WIDGET_ITEM_DRAW_INFO Info = {hObj, WIDGET_ITEM_DRAW_FRAME, n, 0, r.x0, r.y0, r.x1, r.y1, &Skin};
  pf(&Info);
  Info.x0 += (Edges & MULTIPAGE_EDGE_LEFT) ? 1 : 0;
  Info.x1 -= (Edges & MULTIPAGE_EDGE_RIGHT) ? 1 : 0;
  Info.y0 += (Edges & MULTIPAGE_EDGE_TOP) ? 1 : 0;
  Info.y1 -= (Edges & MULTIPAGE_EDGE_BOTTOM) ? 1 : 0;
  Info.Cmd = WIDGET_ITEM_DRAW_BACKGROUND;
  pf(&Info);
  if (!WM__IsWindow(hObj)) {
    return;
  }
  pObj = MULTIPAGE__Obj(hObj);
  int w = MULTIPAGE__GetTabWidth(pObj, n);
  int H = pObj->FixedTabHeight ? pObj->FixedTabHeight : pObj->MaxBitmapSize;
  int PadX = pObj->Props.PadX, PadY = pObj->Props.PadY;
  bool Sel = n == pObj->Sel;
  int Along0 = g.Rotated ? r.y0 : r.x0, Along1 = g.Rotated ? r.y1 : r.x1;
  int Across0 = g.Rotated ? r.x0 : r.y0, Across1 = g.Rotated ? r.x1 : r.y1;
  bool InnerFirst = g.Bottom != g.Rotated; // bottom rows and right-hand rows count from the client side
  if (GUI_HMEM hDraw = MULTIPAGE__GetDrawObj(pObj, n)) {
    int bAlong = g.Rotated ? GUI_DRAWOBJ_GetYSize(hDraw) : GUI_DRAWOBJ_GetXSize(hDraw);
    int bAcross = g.Rotated ? GUI_DRAWOBJ_GetXSize(hDraw) : GUI_DRAWOBJ_GetYSize(hDraw);
    int p = Along0 + w / 2 - bAlong / 2;
    int q = (InnerFirst ? g.Inner + (Sel ? 2 : 0) : g.Outer) + PadY / 2 + H / 2 - bAcross / 2;
    Info.Cmd = WIDGET_ITEM_DRAW_BITMAP;
    Info.x0 = g.Rotated ? q : p;
    Info.y0 = g.Rotated ? p : q;
    pf(&Info);
  }
  int t0 = Along0 + PadX / 2, t1 = Along1 - PadX / 2;
  int c0 = Across0, c1 = Across1;
  if (g.Rotated && !g.Bottom && Sel) {
    c0 += 2, c1 += 2;
  }
  Info.Cmd = WIDGET_ITEM_DRAW_TEXT;
  Info.x0 = g.Rotated ? c0 : t0, Info.x1 = g.Rotated ? c1 : t1;
  Info.y0 = g.Rotated ? t0 : c0, Info.y1 = g.Rotated ? t1 : c1;
  pf(&Info);
}

void _PaintFlex(WM_HWIN hObj) {
  GUI_RECT rFrame, a;
  MULTIPAGE__GetFrameRect(hObj, &rFrame);
  MULTIPAGE__GetTabArea(hObj, &a);
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  Geometry g = _GetGeometry(hObj, a);
  GUI_SetTextMode(GUI_TM_TRANS);
  MULTIPAGE_SKIN_INFO Skin = {g.Rotated ? GUI_ROTATE_CW : GUI_ROTATE_0, pObj->Props.Align, pObj->Sel,
                              pObj->Widget.State, 0xF, 0};
  WIDGET_ITEM_DRAW_INFO Info = {hObj, WIDGET_ITEM_DRAW_FRAME, -1, 0, rFrame.x0, rFrame.y0, rFrame.x1, rFrame.y1,
                                &Skin};
  _GetDraw(pObj)(&Info);
  if (!WM__IsWindow(hObj) || !MULTIPAGE__NumPages(MULTIPAGE__Obj(hObj))) {
    return;
  }
  pObj = MULTIPAGE__Obj(hObj);
  GUI_RECT rClip = a;
  int Extra = 1 + pObj->FlexSelGrow;
  if (g.Rotated) {
    g.Right ? (rClip.y0 = (I16)(rClip.y0 - Extra)) : (rClip.y1 = (I16)(rClip.y1 + Extra));
  } else {
    g.Right ? (rClip.x0 = (I16)(rClip.x0 - Extra)) : (rClip.x1 = (I16)(rClip.x1 + Extra));
  }
  WM_SetUserClipRect(&rClip);
  int N = MULTIPAGE__NumPages(pObj), Sel = pObj->Sel;
  // The selected tab last: it overlaps its neighbours.
  for (int n = 0; n < N && WM__IsWindow(hObj); n++) {
    if (n != Sel) {
      _DrawTab(hObj, g, n);
    }
  }
  if (Sel >= 0 && Sel < N && WM__IsWindow(hObj)) {
    _DrawTab(hObj, g, Sel);
  }
  WM_SetUserClipRect(nullptr);
}

int _GetTabIndexFlex(WM_HWIN hObj, int x, int y) {
  GUI_RECT a;
  MULTIPAGE__GetTabArea(hObj, &a);
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  Geometry g = _GetGeometry(hObj, a);
  GUI_POINT Pt = {(I16)x, (I16)y};
  int N = MULTIPAGE__NumPages(pObj);
  if (pObj->Sel >= pObj->ScrollState && pObj->Sel < N) { // the grown selected tab first
    U8 Edges;
    GUI_RECT r = _GetTabRect(pObj, g, pObj->Sel, &Edges);
    if (Pt.x >= r.x0 && Pt.x <= r.x1 && Pt.y >= r.y0 && Pt.y <= r.y1) {
      return pObj->Sel;
    }
  }
  for (int n = pObj->ScrollState; n < N; n++) {
    U8 Edges;
    GUI_RECT r = _GetTabRect(pObj, g, n, &Edges);
    if (Pt.x >= r.x0 && Pt.x <= r.x1 && Pt.y >= r.y0 && Pt.y <= r.y1) {
      return n;
    }
  }
  return -1;
}

void _CreateFlex(WM_HWIN hObj) {
  static const MULTIPAGE_SKIN_INFO Zero = {};
  WIDGET_ITEM_DRAW_INFO Info = {hObj, WIDGET_ITEM_CREATE, 0, 0, 0, 0, 0, 0, (void*)&Zero};
  _GetDraw(MULTIPAGE__Obj(hObj))(&Info);
  if (WM__IsWindow(hObj)) {
    WM_SetHasTrans(hObj);
  }
}

const MULTIPAGE_SKINFLEX_PROPS& _StateProps(const MULTIPAGE_OBJ* pObj, const WIDGET_ITEM_DRAW_INFO* pInfo,
                                            const MULTIPAGE_SKIN_INFO* pSkin) {
  if (pInfo->ItemIndex < 0 || pInfo->ItemIndex == pObj->Sel) {
    return _aProps[MULTIPAGE_SKINFLEX_PI_SELECTED];
  }
  return _aProps[(pSkin && !(pSkin->PageStatus & MULTIPAGE_STATE_ENABLED)) ? MULTIPAGE_SKINFLEX_PI_DISABLED
                                                                           : MULTIPAGE_SKINFLEX_PI_ENABLED];
}

void _FillBackground(const WIDGET_ITEM_DRAW_INFO* p, const MULTIPAGE_SKINFLEX_PROPS& c, const MULTIPAGE_SKIN_INFO* s,
                     bool Selected) {
  if (Selected) {
    GUI_SetColor(c.BkColor);
    GUI_FillRect(p->x0, p->y0, p->x1, p->y1);
    return;
  }
  bool Rotated = s && s->pRotation, Far = s && (s->Align & MULTIPAGE_ALIGN_BOTTOM);
  if (!Rotated) {
    int ym = p->y0 + (p->y1 - p->y0) / 2;
    if (!Far) {
      GUI_DrawGradientV(p->x0, p->y0, p->x1, ym, c.aBkUpper[0], c.aBkUpper[1]);
      GUI_DrawGradientV(p->x0, ym + 1, p->x1, p->y1, c.aBkLower[0], c.aBkLower[1]);
    } else {
      GUI_DrawGradientV(p->x0, p->y0, p->x1, ym, c.aBkLower[1], c.aBkLower[0]);
      GUI_DrawGradientV(p->x0, ym + 1, p->x1, p->y1, c.aBkUpper[1], c.aBkUpper[0]);
    }
  } else {
    int xm = p->x0 + (p->x1 - p->x0) / 2;
    if (!Far) { // tabs on the right
      GUI_DrawGradientH(p->x0, p->y0, xm, p->y1, c.aBkLower[1], c.aBkLower[0]);
      GUI_DrawGradientH(xm + 1, p->y0, p->x1, p->y1, c.aBkUpper[1], c.aBkUpper[0]);
    } else {
      GUI_DrawGradientH(p->x0, p->y0, xm, p->y1, c.aBkUpper[0], c.aBkUpper[1]);
      GUI_DrawGradientH(xm + 1, p->y0, p->x1, p->y1, c.aBkLower[0], c.aBkLower[1]);
    }
  }
}

} // namespace

const WIDGET_SKIN MULTIPAGE__SkinFlex = {_PaintFlex, _CreateFlex, nullptr};

int MULTIPAGE_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (!pInfo || !WIDGET__GetObj(&MULTIPAGE__Type, pInfo->hWin)) {
    return 0;
  }
  WM_HWIN hObj = pInfo->hWin;
  MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  const MULTIPAGE_SKIN_INFO* pSkin = (const MULTIPAGE_SKIN_INFO*)pInfo->p;
  const MULTIPAGE_SKINFLEX_PROPS& c = _StateProps(pObj, pInfo, pSkin);
  switch (pInfo->Cmd) {
  case WIDGET_ITEM_CREATE:
    pObj->Props.aBkColor[1] = _aProps[MULTIPAGE_SKINFLEX_PI_SELECTED].BkColor;
    pObj->FlexOverlap = 2;
    pObj->FlexSelGrow = 2;
    pObj->FlexInset = 2;
    pObj->Props.pfGetTabIndex = _GetTabIndexFlex;
    if (pObj->hClient) {
      WM_InvalidateWindow(pObj->hClient);
    }
    break;
  case WIDGET_ITEM_DRAW_BACKGROUND:
    _FillBackground(pInfo, c, pSkin, pInfo->ItemIndex == pObj->Sel);
    break;
  case WIDGET_ITEM_DRAW_BITMAP:
    if (GUI_HMEM hDraw = MULTIPAGE__GetDrawObj(pObj, pInfo->ItemIndex)) {
      GUI_DRAWOBJ_Draw(hDraw, hObj, pInfo->x0, pInfo->y0);
    }
    break;
  case WIDGET_ITEM_DRAW_FRAME:
    GUI_SetColor(c.FrameColor);
    if (pInfo->ItemIndex < 0) {
      GUI_DrawRect(pInfo->x0, pInfo->y0, pInfo->x1, pInfo->y1);
      GUI_SetColor(c.BkColor);
      GUI_FillRect(pInfo->x0 + 1, pInfo->y0 + 1, pInfo->x1 - 1, pInfo->y1 - 1);
      break;
    }
    if (pSkin && (pSkin->Edges & MULTIPAGE_EDGE_BOTTOM)) {
      GUI_DrawHLine(pInfo->y1, pInfo->x0, pInfo->x1);
    }
    if (pSkin && (pSkin->Edges & MULTIPAGE_EDGE_TOP)) {
      GUI_DrawHLine(pInfo->y0, pInfo->x0, pInfo->x1);
    }
    if (pSkin && (pSkin->Edges & MULTIPAGE_EDGE_LEFT)) {
      GUI_DrawVLine(pInfo->x0, pInfo->y0, pInfo->y1);
    }
    if (pSkin && (pSkin->Edges & MULTIPAGE_EDGE_RIGHT)) {
      GUI_DrawVLine(pInfo->x1, pInfo->y0, pInfo->y1);
    }
    break;
  case WIDGET_ITEM_DRAW_TEXT: {
    const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, pInfo->ItemIndex);
    if (!pPage) {
      break;
    }
    char acText[64];
    WIDGET__CopyString(pPage->acText, acText, sizeof(acText));
    GUI_RECT r = {(I16)pInfo->x0, (I16)pInfo->y0, (I16)pInfo->x1, (I16)pInfo->y1};
    GUI_SetFont(pObj->Props.pFont);
    GUI_SetColor(c.TextColor);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringInRectEx(acText, &r, pObj->Props.TextAlign, 0x7FFF, pSkin ? pSkin->pRotation : GUI_ROTATE_0);
    break;
  }
  }
  return 0;
}

void MULTIPAGE_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WIDGET__SetSkinFlex(&MULTIPAGE__Type, hObj, &MULTIPAGE__SkinFlex, pfDrawSkin);
}

WIDGET_DRAW_ITEM_FUNC* MULTIPAGE_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&MULTIPAGE__Type, &MULTIPAGE__SkinFlex, pfDrawSkin);
}

void MULTIPAGE_GetSkinFlexProps(MULTIPAGE_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void MULTIPAGE_SetSkinFlexProps(const MULTIPAGE_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aProps, pProps, Index);
}
