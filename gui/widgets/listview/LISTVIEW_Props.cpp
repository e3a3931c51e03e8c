// LISTVIEW: flags, colours, font, grid, borders, alignment, column widths, the header, user data and the
// module defaults. Indexes out of range are ignored.
#include "LISTVIEW.h"

namespace {

using _Access = WIDGET_ACCESS<LISTVIEW_OBJ, &LISTVIEW__Type>;

// Runs f on a valid list view, then lays it out again and redraws it.
template <class F> void _ChangeLayout(WM_HWIN hObj, F f) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj) && f(LISTVIEW__Obj(hObj))) {
    LISTVIEW__UpdateAndInvalidate(hObj);
  }
}

void _SetFlag(WM_HWIN hObj, U8 Mask, int OnOff) {
  _ChangeLayout(hObj,
                [&](LISTVIEW_OBJ* p) { return WIDGET__Store(&p->Flags, OnOff ? p->Flags | Mask : p->Flags & ~Mask); });
}

} // namespace

void LISTVIEW_EnableCellSelect(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, LISTVIEW_FLAG_CELLSELECT, OnOff);
}

void LISTVIEW_SetAutoScrollH(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, LISTVIEW_FLAG_AUTOSCROLL_H, OnOff);
  WM__LockGuard Lock;
  if (!OnOff && LISTVIEW__Valid(hObj)) {
    WM_SetScrollbarH(hObj, 0);
  }
}

void LISTVIEW_SetAutoScrollV(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, LISTVIEW_FLAG_AUTOSCROLL_V, OnOff);
  WM__LockGuard Lock;
  if (!OnOff && LISTVIEW__Valid(hObj)) {
    WM_SetScrollbarV(hObj, 0);
  }
}

void LISTVIEW_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 4) {
    _Access::Change(hObj, [&](LISTVIEW_OBJ* p) { return WIDGET__Store(&p->Props.aBkColor[Index], Color); });
  }
}

void LISTVIEW_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 4) {
    _Access::Change(hObj, [&](LISTVIEW_OBJ* p) { return WIDGET__Store(&p->Props.aTextColor[Index], Color); });
  }
}

GUI_COLOR LISTVIEW_GetBkColor(WM_HWIN hObj, unsigned Index) {
  return Index < 4 ? _Access::Read(hObj, WM_NO_COLOR, [&](LISTVIEW_OBJ* p) { return p->Props.aBkColor[Index]; })
                   : WM_NO_COLOR;
}

GUI_COLOR LISTVIEW_GetTextColor(WM_HWIN hObj, unsigned Index) {
  return Index < 4 ? _Access::Read(hObj, WM_NO_COLOR, [&](LISTVIEW_OBJ* p) { return p->Props.aTextColor[Index]; })
                   : WM_NO_COLOR;
}

int LISTVIEW_SetGridVis(WM_HWIN hObj, int Show) {
  int Old = 0;
  _ChangeLayout(hObj, [&](LISTVIEW_OBJ* p) {
    Old = p->ShowGrid;
    p->ShowGrid = Show;
    return true;
  });
  return Old;
}

void LISTVIEW_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _ChangeLayout(hObj, [&](LISTVIEW_OBJ* p) { return pFont && WIDGET__Store(&p->Props.pFont, pFont); });
}

const GUI_FONT* LISTVIEW_GetFont(WM_HWIN hObj) {
  return _Access::Read(hObj, (const GUI_FONT*)nullptr, [](LISTVIEW_OBJ* p) { return p->Props.pFont; });
}

int LISTVIEW_SetRowHeight(WM_HWIN hObj, int Height) {
  int Old = 0;
  _ChangeLayout(hObj, [&](LISTVIEW_OBJ* p) {
    Old = p->RowDistY;
    return WIDGET__Store(&p->RowDistY, WIDGET__Limit(Height, 0, 0x7FFF)); // sums stay in range
  });
  return Old;
}

void LISTVIEW_SetLBorder(WM_HWIN hObj, int Border) {
  _Access::Change(hObj, [&](LISTVIEW_OBJ* p) { return WIDGET__Store(&p->LBorder, Border); });
}

void LISTVIEW_SetRBorder(WM_HWIN hObj, int Border) {
  _Access::Change(hObj, [&](LISTVIEW_OBJ* p) { return WIDGET__Store(&p->RBorder, Border); });
}

int LISTVIEW_GetLBorder(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTVIEW_OBJ* p) { return (int)p->LBorder; });
}

int LISTVIEW_GetRBorder(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTVIEW_OBJ* p) { return (int)p->RBorder; });
}

int LISTVIEW_SetFixed(WM_HWIN hObj, int Fixed) {
  int Old = 0;
  _Access::Change(hObj, [&](LISTVIEW_OBJ* p) {
    Old = p->Fixed;
    p->Fixed = Fixed < 0 ? 0 : Fixed;
    HEADER_SetFixed(p->hHeader, p->Fixed);
    return true;
  });
  return Old;
}

void LISTVIEW_SetWrapMode(WM_HWIN hObj, int WrapMode) {
  _Access::Change(hObj, [&](LISTVIEW_OBJ* p) { return WIDGET__Store(&p->Props.WrapMode, WrapMode); });
}

int LISTVIEW_GetWrapMode(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTVIEW_OBJ* p) { return (int)p->Props.WrapMode; });
}

void LISTVIEW_SetTextAlign(WM_HWIN hObj, unsigned Column, int Align) {
  WM__LockGuard Lock;
  if (LISTVIEW_COLUMN* pCol =
          LISTVIEW__Valid(hObj) ? LISTVIEW__Column(hObj, WIDGET__Index(Column)) : nullptr) {
    pCol->Align = (U8)Align;
    LISTVIEW__InvalidateInside(hObj);
  }
}

int LISTVIEW_GetTextAlign(WM_HWIN hObj, unsigned Column) {
  WM__LockGuard Lock;
  const LISTVIEW_COLUMN* pCol =
      LISTVIEW__Valid(hObj) ? LISTVIEW__Column(hObj, WIDGET__Index(Column)) : nullptr;
  return pCol ? pCol->Align : -1;
}

void LISTVIEW_SetColumnWidth(WM_HWIN hObj, unsigned Column, int Width) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    HEADER_SetItemWidth(LISTVIEW__Obj(hObj)->hHeader, Column, Width);
  }
}

void LISTVIEW_SetHeaderHeight(WM_HWIN hObj, int Height) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    HEADER_SetHeight(LISTVIEW__Obj(hObj)->hHeader, Height);
    LISTVIEW__UpdateLayout(hObj);
  }
}

WM_HWIN LISTVIEW_GetHeader(WM_HWIN hObj) {
  return _Access::Read(hObj, (WM_HWIN)0, [](LISTVIEW_OBJ* p) { return p->hHeader; });
}

void LISTVIEW_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem) {
  _Access::Change(hObj, [&](LISTVIEW_OBJ* p) {
    p->pfDrawItem = pfDrawItem ? pfDrawItem : LISTVIEW_OwnerDraw;
    return true;
  });
}

int LISTVIEW_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&LISTVIEW__Type, hObj, pDest, NumBytes);
}

int LISTVIEW_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&LISTVIEW__Type, hObj, pSrc, NumBytes);
}

GUI_COLOR LISTVIEW_SetDefaultBkColor(unsigned Index, GUI_COLOR Color) {
  return Index < 4 ? WIDGET__SetDefault(&LISTVIEW__DefaultProps.aBkColor[Index], Color) : 0;
}

GUI_COLOR LISTVIEW_SetDefaultTextColor(unsigned Index, GUI_COLOR Color) {
  return Index < 4 ? WIDGET__SetDefault(&LISTVIEW__DefaultProps.aTextColor[Index], Color) : 0;
}

const GUI_FONT* LISTVIEW_SetDefaultFont(const GUI_FONT* pFont) {
  return WIDGET__SetDefault(&LISTVIEW__DefaultProps.pFont, pFont);
}

GUI_COLOR LISTVIEW_SetDefaultGridColor(GUI_COLOR Color) {
  return WIDGET__SetDefault(&LISTVIEW__DefaultProps.GridColor, Color);
}
