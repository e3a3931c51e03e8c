// GRAPH: point series. Pairs of x and y relative to an origin in the data area, drawn as point marks
// (crosses or a user routine) and a polyline, marks first.
#include <algorithm>

#include "GRAPH_Private.h"

namespace {

constexpr U8 FLAG_LINE = 1;
constexpr U8 FLAG_POINTS = 2;

GRAPH_POINTS_OBJ* _Get(GUI_HMEM h, const char* pFunc) {
  return (GRAPH_POINTS_OBJ*)GRAPH__GetObj(h, GRAPH_POINTS_ID, pFunc);
}

template <class F> void _Change(GUI_HMEM h, const char* pFunc, F f) {
  GRAPH__ChangeObj<GRAPH_POINTS_OBJ>(h, GRAPH_POINTS_ID, pFunc, f);
}

void _Draw(GUI_HMEM hThis, const GUI_RECT*) {
  GRAPH_POINTS_OBJ* pObj = (GRAPH_POINTS_OBJ*)GUI_ALLOC_h2p(hThis);
  WM_HWIN hGraph = pObj->Data.Head.hGraph;
  if (!pObj->Data.hItems || !GRAPH__Obj(hGraph)) {
    return;
  }
  GRAPH_GEOMETRY Geo;
  GRAPH__GetGeometry(hGraph, &Geo);
  const GRAPH_OBJ* pGraph = GRAPH__Obj(hGraph);
  I64 xOrg = (I64)Geo.Data.x0 + pObj->Data.OffX + pGraph->ScrollStateH.Value;
  I64 yOrg = (I64)Geo.Data.y1 - pObj->Data.OffY + pGraph->ScrollStateV.Value;
  if (!GRAPH__IsNear(xOrg) || !GRAPH__IsNear(yOrg)) {
    return; // every point lies beyond the coordinate range
  }
  int x0 = (int)xOrg, y0 = (int)yOrg;
  GUI_SetColor(pObj->Data.Color);
  GUI_SetPenSize(pObj->PenSize);
  GUI_SetLineStyle(pObj->LineStyle);
  int n = pObj->Data.NumItems;
  auto Point = [&](int i) { return ((const GUI_POINT16*)GUI_ALLOC_h2p(pObj->Data.hItems))[i]; };
  if (pObj->Flags & FLAG_POINTS) {
    if (GRAPH_POINT_DRAW_FUNC* pf = pObj->pfPointDraw) {
      for (int i = 0; i < n; i++) {
        GUI_POINT16 pt = Point(i);
        GRAPH_POINT_INFO Info = {};
        Info.hWin = hGraph;
        Info.Cmd = WIDGET_ITEM_DRAW;
        Info.ItemIndex = i;
        Info.x0 = Info.x1 = x0 + pt.x;
        Info.y0 = Info.y1 = y0 - pt.y;
        GUI_HMEM hCopy = hThis;
        Info.p = &hCopy;
        pf(&Info);
        pObj = (GRAPH_POINTS_OBJ*)GUI_ALLOC_h2p(hThis); // the routine may have allocated
        n = pObj->Data.NumItems;
      }
    } else if (pObj->PointSize >= 1) {
      // A size below 1 has no cross; a huge one is kept within the coordinate range.
      int Half = (std::min(pObj->PointSize, 0x7FFF) - 1) / 2;
      for (int i = 0; i < n; i++) {
        GUI_POINT16 pt = Point(i);
        int x = x0 + pt.x, y = y0 - pt.y;
        GUI_DrawLine(x - Half, y - Half, x + Half, y + Half);
        GUI_DrawLine(x - Half, y + Half, x + Half, y - Half);
      }
    }
  }
  if ((pObj->Flags & FLAG_LINE) && n > 0) {
    GUI_POINT16 pt = Point(0);
    GUI_MoveTo(x0 + pt.x, y0 - pt.y);
    for (int i = 1; i < n; i++) {
      pt = Point(i);
      GUI_DrawLineTo(x0 + pt.x, y0 - pt.y);
    }
  }
  GUI_SetPenSize(1);
  GUI_SetLineStyle(0);
}

void _Delete(GUI_HMEM hThis) {
  GRAPH__DeleteData(hThis, GRAPH_POINTS_ID, "GRAPH_POINTS_Delete");
}

int _SetFlag(GUI_HMEM h, U8 Bit, int OnOff, const char* pFunc) {
  int Old = 0;
  _Change(h, pFunc, [&](GRAPH_POINTS_OBJ* p) {
    Old = (p->Flags & Bit) ? 1 : 0;
    U8 New = OnOff == 1 ? (U8)(p->Flags | Bit) : OnOff == 0 ? (U8)(p->Flags & ~Bit) : p->Flags;
    return WIDGET__Store(&p->Flags, New);
  });
  return Old;
}

int _GetFlag(GUI_HMEM h, U8 Bit, const char* pFunc) {
  WM__LockGuard Lock;
  const GRAPH_POINTS_OBJ* p = _Get(h, pFunc);
  return p && (p->Flags & Bit) ? 1 : 0;
}

} // namespace

GRAPH_DATA_Handle GRAPH_POINTS_Create(GUI_COLOR Color, int MaxNumItems, const GUI_POINT16* pPoints, int NumItems) {
  WM__LockGuard Lock;
  GUI_HMEM h = GRAPH__CreateData(GRAPH_POINTS_ID, sizeof(GRAPH_POINTS_OBJ), sizeof(GUI_POINT16), Color, MaxNumItems,
                                 pPoints, NumItems);
  if (GRAPH_POINTS_OBJ* p = h ? (GRAPH_POINTS_OBJ*)GUI_ALLOC_h2p(h) : nullptr) {
    p->Data.Head.pfDraw = _Draw;
    p->Data.Head.pfDelete = _Delete;
    p->PointSize = 5;
    p->Flags = FLAG_LINE;
    p->PenSize = 1;
  }
  return h;
}

void GRAPH_POINTS_Delete(GRAPH_DATA_Handle hData) {
  _Delete(hData);
}

void GRAPH_POINTS_AddPoint(GRAPH_DATA_Handle hData, const GUI_POINT16* pPoint) {
  GRAPH__AddItem(hData, GRAPH_POINTS_ID, pPoint, sizeof(GUI_POINT16), "GRAPH_POINTS_AddPoint");
}

void GRAPH_POINTS_Clear(GRAPH_DATA_Handle hData) {
  _Change(hData, "GRAPH_POINTS_Clear", [](GRAPH_POINTS_OBJ* p) {
    p->Data.NumItems = 0;
    return true;
  });
}

int GRAPH_POINTS_SetLineVisible(GRAPH_DATA_Handle hData, int OnOff) {
  return _SetFlag(hData, FLAG_LINE, OnOff, "GRAPH_POINTS_SetLineVisible");
}

int GRAPH_POINTS_SetPointVisible(GRAPH_DATA_Handle hData, int OnOff) {
  return _SetFlag(hData, FLAG_POINTS, OnOff, "GRAPH_POINTS_SetPointVisible");
}

int GRAPH_POINTS_GetLineVisible(GRAPH_DATA_Handle hData) {
  return _GetFlag(hData, FLAG_LINE, "GRAPH_POINTS_GetLineVisible");
}

int GRAPH_POINTS_GetPointVisible(GRAPH_DATA_Handle hData) {
  return _GetFlag(hData, FLAG_POINTS, "GRAPH_POINTS_GetPointVisible");
}

void GRAPH_POINTS_SetOffX(GRAPH_DATA_Handle hData, int Off) {
  _Change(hData, "GRAPH_POINTS_SetOffX", [&](GRAPH_POINTS_OBJ* p) { return WIDGET__Store(&p->Data.OffX, Off); });
}

void GRAPH_POINTS_SetOffY(GRAPH_DATA_Handle hData, int Off) {
  _Change(hData, "GRAPH_POINTS_SetOffY", [&](GRAPH_POINTS_OBJ* p) { return WIDGET__Store(&p->Data.OffY, Off); });
}

void GRAPH_POINTS_SetPenSize(GRAPH_DATA_Handle hData, U8 PenSize) {
  _Change(hData, "GRAPH_POINTS_SetPenSize", [&](GRAPH_POINTS_OBJ* p) { return WIDGET__Store(&p->PenSize, PenSize); });
}

void GRAPH_POINTS_SetLineStyle(GRAPH_DATA_Handle hData, U8 Style) {
  _Change(hData, "GRAPH_POINTS_SetLineStyle", [&](GRAPH_POINTS_OBJ* p) { return WIDGET__Store(&p->LineStyle, Style); });
}

void GRAPH_POINTS_SetPointSize(GRAPH_DATA_Handle hData, int Size) {
  _Change(hData, "GRAPH_POINTS_SetPointSize", [&](GRAPH_POINTS_OBJ* p) {
    p->PointSize = Size;
    return true;
  });
}

void GRAPH_POINTS_SetPointDraw(GRAPH_DATA_Handle hData, GRAPH_POINT_DRAW_FUNC* pfPointDraw) {
  _Change(hData, "GRAPH_POINTS_SetPointDraw", [&](GRAPH_POINTS_OBJ* p) {
    p->pfPointDraw = pfPointDraw;
    return true;
  });
}
