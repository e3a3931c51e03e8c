// GRAPH: colours, grid, borders, line styles, virtual size, scrolling, the user drawing routine and user
// data. Setters answer the previous value and invalidate only when something changed.
#include "GRAPH_Private.h"
#include "SCROLLBAR.h"

namespace {

using _Access = WIDGET_ACCESS<GRAPH_OBJ, &GRAPH__Type>;

// Stores an integer field through pfField; -> its previous value.
template <class F> int _SetInt(WM_HWIN hObj, F pfField, int Value) {
  int Old = 0;
  _Access::Change(hObj, [&](GRAPH_OBJ* pObj) {
    auto* p = pfField(pObj);
    Old = (int)*p;
    return WIDGET__Store(p, Value);
  });
  return Old;
}

} // namespace

GUI_COLOR GRAPH_SetColor(WM_HWIN hObj, GUI_COLOR Color, unsigned Index) {
  if (Index >= 4) {
    return 0;
  }
  GUI_COLOR Old = 0;
  _Access::Change(hObj, [&](GRAPH_OBJ* pObj) {
    Old = pObj->Props.aColor[Index];
    return WIDGET__Store(&pObj->Props.aColor[Index], Color);
  });
  return Old;
}

void GRAPH_SetBorder(WM_HWIN hObj, int Left, int Top, int Right, int Bottom) {
  WM__LockGuard Lock;
  bool Set = false;
  _Access::Change(hObj, [&](GRAPH_OBJ* pObj) {
    // Held to the coordinate range, so that the sums of borders and window positions keep within an int.
    GRAPH_PROPS& p = pObj->Props;
    p.BorderL = WM__ClampI16(Left), p.BorderT = WM__ClampI16(Top);
    p.BorderR = WM__ClampI16(Right), p.BorderB = WM__ClampI16(Bottom);
    Set = true;
    return true;
  });
  if (Set) {
    GRAPH__RecalcScrollState(hObj);
  }
}

int GRAPH_SetGridDistX(WM_HWIN hObj, int Value) {
  return _SetInt(hObj, [](GRAPH_OBJ* p) { return &p->Props.GridDistX; }, Value);
}

int GRAPH_SetGridDistY(WM_HWIN hObj, int Value) {
  return _SetInt(hObj, [](GRAPH_OBJ* p) { return &p->Props.GridDistY; }, Value);
}

int GRAPH_SetGridOffY(WM_HWIN hObj, int Value) {
  WM__LockGuard Lock;
  int Old = 0;
  bool Changed = false;
  _Access::Change(hObj, [&](GRAPH_OBJ* pObj) {
    Old = pObj->Props.GridOffY;
    Changed = WIDGET__Store(&pObj->Props.GridOffY, Value);
    return false;
  });
  if (Changed) {
    GRAPH__InvalidateDataArea(hObj);
  }
  return Old;
}

int GRAPH_SetGridVisible(WM_HWIN hObj, U8 OnOff) {
  return _SetInt(hObj, [](GRAPH_OBJ* p) { return &p->GridVisible; }, OnOff);
}

int GRAPH_SetGridFixedX(WM_HWIN hObj, int OnOff) {
  int Old = 0;
  _Access::Change(hObj, [&](GRAPH_OBJ* pObj) {
    Old = (pObj->Flags & GRAPH_CF_GRID_FIXED_X) ? 1 : 0;
    U16 New = OnOff ? (U16)(pObj->Flags | GRAPH_CF_GRID_FIXED_X) : (U16)(pObj->Flags & ~GRAPH_CF_GRID_FIXED_X);
    return WIDGET__Store(&pObj->Flags, New);
  });
  return Old;
}

int GRAPH_SetLineStyleV(WM_HWIN hObj, U8 Style) {
  return _SetInt(hObj, [](GRAPH_OBJ* p) { return &p->LineStyleV; }, Style);
}

int GRAPH_SetLineStyleH(WM_HWIN hObj, U8 Style) {
  return _SetInt(hObj, [](GRAPH_OBJ* p) { return &p->LineStyleH; }, Style);
}

int GRAPH_SetLineStyle(WM_HWIN hObj, U8 Style) {
  GRAPH_SetLineStyleV(hObj, Style);
  return GRAPH_SetLineStyleH(hObj, Style);
}

namespace {

int _SetVirtualSize(WM_HWIN hObj, bool Y, int Size) {
  WM__LockGuard Lock;
  bool Changed = false;
  int Old = _SetInt(hObj,
                    [&](GRAPH_OBJ* p) {
                      I32* pField = Y ? &p->VirtualSizeY : &p->VirtualSizeX;
                      Changed = *pField != Size;
                      return pField;
                    },
                    Size);
  if (Changed) {
    GRAPH__RecalcScrollState(hObj);
  }
  return Old;
}

} // namespace

int GRAPH_SetVirtualSizeX(WM_HWIN hObj, int Size) {
  return _SetVirtualSize(hObj, false, Size);
}

int GRAPH_SetVirtualSizeY(WM_HWIN hObj, int Size) {
  return _SetVirtualSize(hObj, true, Size);
}

void GRAPH_SetAutoScrollbar(WM_HWIN hObj, U8 Coord, U8 OnOff) {
  if (OnOff > 1 || Coord > 1) {
    return;
  }
  U16 Bit = Coord ? GRAPH_CF_AVOID_SCROLLBAR_V : GRAPH_CF_AVOID_SCROLLBAR_H;
  _Access::Change(hObj, [&](GRAPH_OBJ* pObj) {
    return WIDGET__Store(&pObj->Flags, OnOff ? (U16)(pObj->Flags & ~Bit) : (U16)(pObj->Flags | Bit));
  });
}

void GRAPH_SetScrollValue(WM_HWIN hObj, U8 Coord, U32 Value) {
  WM__LockGuard Lock;
  GRAPH_OBJ* pObj = (GRAPH_OBJ*)WIDGET__GetObj(&GRAPH__Type, hObj);
  if (!pObj || Coord > 1) {
    return;
  }
  WM_SCROLL_STATE& s = Coord ? pObj->ScrollStateV : pObj->ScrollStateH;
  if (s.NumItems > s.PageSize) {
    I64 Max = (I64)s.NumItems - s.PageSize; // a page made negative by the borders lengthens the range
    s.Value = WM__ClampInt(Value > Max ? Max : (I64)Value);
    if (WM_HWIN hBar = Coord ? WM_GetScrollbarV(hObj) : WM_GetScrollbarH(hObj)) {
      SCROLLBAR_SetValue(hBar, s.Value);
    }
  }
  WM_InvalidateWindow(hObj);
}

int GRAPH_GetScrollValue(WM_HWIN hObj, U8 Coord) {
  if (Coord > 1) {
    return -1;
  }
  return _Access::Read(hObj, -1, [&](GRAPH_OBJ* p) { return (int)(Coord ? p->ScrollStateV : p->ScrollStateH).Value; });
}

void GRAPH_SetUserDraw(WM_HWIN hObj, GRAPH_USER_DRAW_FUNC* pfUserDraw) {
  _Access::Change(hObj, [&](GRAPH_OBJ* pObj) {
    pObj->pfUserDraw = pfUserDraw;
    return true;
  });
}

int GRAPH_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&GRAPH__Type, hObj, pDest, NumBytes);
}

int GRAPH_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&GRAPH__Type, hObj, pSrc, NumBytes);
}
