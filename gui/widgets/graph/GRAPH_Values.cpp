// GRAPH: value series. One value per pixel column like a recorder: right-aligned series end at the data
// area's right edge and scroll left as values arrive, left-aligned series grow from the left edge.
#include "GRAPH_Private.h"

namespace {

template <class F> void _Change(GUI_HMEM h, const char* pFunc, F f) {
  GRAPH__ChangeObj<GRAPH_VALUES_OBJ>(h, GRAPH_VALUES_ID, pFunc, f);
}

void _Draw(GUI_HMEM hThis, const GUI_RECT*) {
  const GRAPH_VALUES_OBJ* pObj = (const GRAPH_VALUES_OBJ*)GUI_ALLOC_h2p(hThis);
  const GRAPH_OBJ* pGraph = GRAPH__Obj(pObj->Data.Head.hGraph);
  if (!pObj->Data.hItems || !pGraph) {
    return;
  }
  GRAPH_GEOMETRY Geo;
  GRAPH__GetGeometry(pObj->Data.Head.hGraph, &Geo);
  I64 yOrg = (I64)Geo.Data.y1 - pObj->Data.OffY + pGraph->ScrollStateV.Value;
  if (!GRAPH__IsNear(yOrg)) {
    return; // every value lies beyond the coordinate range
  }
  int yBase = (int)yOrg;
  int n = pObj->Data.NumItems - pGraph->ScrollStateH.Value;
  int Skip = 0;
  int xStart = Geo.Data.x0;
  if (pObj->Align != 1) {
    xStart = Geo.Data.x1 - n + 1;
    if (xStart < Geo.Data.x0) {
      Skip = Geo.Data.x0 - xStart;
      n -= Skip;
      xStart = Geo.Data.x0;
    }
  }
  if (n > 0) {
    GUI_SetColor(pObj->Data.Color);
    const I16* pValues = (const I16*)GUI_ALLOC_h2p(pObj->Data.hItems);
    GUI_DrawGraphEx(pValues + Skip, n, xStart, yBase, -1, 1, pObj->Reverse);
  }
}

// Left-aligned series repaint only the strip of the new value; right-aligned ones move as a whole.
void _OnAdd(GRAPH_DATA_OBJ* pData) {
  const GRAPH_VALUES_OBJ* pObj = (const GRAPH_VALUES_OBJ*)pData;
  WM_HWIN hGraph = pObj->Data.Head.hGraph;
  const GRAPH_OBJ* pGraph = GRAPH__Obj(hGraph);
  if (!pGraph) {
    return;
  }
  if (pObj->Align != 1) {
    GRAPH__InvalidateDataArea(hGraph);
    return;
  }
  GRAPH_GEOMETRY Geo;
  GRAPH__GetGeometry(hGraph, &Geo);
  const GRAPH_PROPS& p = pGraph->Props;
  I64 x = (I64)Geo.Inside.x0 + p.BorderL - 2 + pObj->Data.NumItems;
  GUI_RECT r = {WM__ClampI16(x), Geo.Data.y0, WM__ClampI16(x + 1), Geo.Data.y1};
  WM_InvalidateRect(hGraph, &r);
}

void _Delete(GUI_HMEM hThis) {
  GRAPH__DeleteData(hThis, GRAPH_VALUES_ID, "GRAPH_VALUES_Delete");
}

} // namespace

GRAPH_DATA_Handle GRAPH_VALUES_Create(GUI_COLOR Color, int MaxNumItems, const I16* pValues, int NumItems) {
  WM__LockGuard Lock;
  GUI_HMEM h = GRAPH__CreateData(GRAPH_VALUES_ID, sizeof(GRAPH_VALUES_OBJ), sizeof(I16), Color, MaxNumItems, pValues,
                                 NumItems);
  if (GRAPH_VALUES_OBJ* p = h ? (GRAPH_VALUES_OBJ*)GUI_ALLOC_h2p(h) : nullptr) {
    p->Data.Head.pfDraw = _Draw;
    p->Data.Head.pfDelete = _Delete;
    p->Data.pfOnAdd = _OnAdd;
  }
  return h;
}

void GRAPH_VALUES_Delete(GRAPH_DATA_Handle hData) {
  _Delete(hData);
}

void GRAPH_VALUES_AddValue(GRAPH_DATA_Handle hData, I16 Value) {
  GRAPH__AddItem(hData, GRAPH_VALUES_ID, &Value, sizeof(I16), "GRAPH_VALUES_AddValue");
}

void GRAPH_VALUES_Clear(GRAPH_DATA_Handle hData) {
  _Change(hData, "GRAPH_VALUES_Clear", [](GRAPH_VALUES_OBJ* p) {
    p->Data.NumItems = 0;
    return true;
  });
}

void GRAPH_VALUES_SetAlign(GRAPH_DATA_Handle hData, U8 Align) {
  _Change(hData, "GRAPH_VALUES_SetAlign", [&](GRAPH_VALUES_OBJ* p) { return WIDGET__Store(&p->Align, Align); });
}

void GRAPH_VALUES_SetReverse(GRAPH_DATA_Handle hData, U8 OnOff) {
  _Change(hData, "GRAPH_VALUES_SetReverse", [&](GRAPH_VALUES_OBJ* p) { return WIDGET__Store(&p->Reverse, OnOff); });
}

void GRAPH_VALUES_SetOffY(GRAPH_DATA_Handle hData, int Off) {
  _Change(hData, "GRAPH_VALUES_SetOffY", [&](GRAPH_VALUES_OBJ* p) { return WIDGET__Store(&p->Data.OffY, Off); });
}
