// LISTVIEW: painting. Only the rows from the first visible one that meet the area being painted are
// drawn, so a paint costs the same however many rows the list holds; scrolled columns are drawn first and
// the fixed ones over them.
#include <string>

#include "LISTVIEW.h"

namespace {

struct _PAINT {
  WM_HWIN hObj;
  GUI_RECT Clip;
  int E;        // frame effect size
  int Dist;     // row height
  int nCol;
  int Fixed;
  int xScroll;  // left edge of column 0, scrolled
  int xFixedEnd;
};

int _Width(WM_HWIN hObj, int Column) {
  return HEADER_GetItemWidth(LISTVIEW__Obj(hObj)->hHeader, (unsigned)Column);
}

void _Call(WM_HWIN hObj, int Cmd, int Row, int Col, const GUI_RECT& r, LISTVIEW_ITEM_DRAW_DATA* pData) {
  WIDGET_DRAW_ITEM_FUNC* pfDraw = LISTVIEW__Obj(hObj)->pfDrawItem;
  WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, Row, Col, r.x0, r.y0, r.x1, r.y1, pData};
  (pfDraw ? pfDraw : LISTVIEW_OwnerDraw)(&Info);
}

// One cell: its colours by state (the cell's own when it has them), background, then content.
void _DrawCell(const _PAINT& P, int Row, int StorageRow, int Col, int State, const GUI_RECT& r) {
  WM_HWIN hObj = P.hObj;
  GUI_RECT rClip;
  if (!WM__IntersectRects(&rClip, &r, &P.Clip)) {
    return;
  }
  const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  const LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, Col, StorageRow);
  const LISTVIEW_COLUMN* pCol = LISTVIEW__Column(hObj, Col);
  // The text is copied: a drawing routine may allocate, and the cell may move meanwhile.
  std::string Text = pCell ? pCell->acText : "";
  LISTVIEW_ITEM_DRAW_DATA Data = {};
  Data.pCellInfo = pCell && pCell->hCellInfo ? (const LISTVIEW_CELL_INFO*)GUI_ALLOC_h2p(pCell->hCellInfo) : nullptr;
  Data.WrapMode = pObj->Props.WrapMode;
  Data.State = State;
  Data.TextColor = pObj->Props.aTextColor[State];
  Data.BkColor = pObj->Props.aBkColor[State];
  Data.LBorder = pObj->LBorder;
  Data.RBorder = pObj->RBorder;
  Data.pText = Text.c_str();
  Data.Align = pCol ? pCol->Align : 0;
  WM_SetUserClipRect(&rClip);
  GUI_SetColor(Data.TextColor);
  GUI_SetBkColor(Data.BkColor);
  _Call(hObj, WIDGET_ITEM_DRAW_BACKGROUND, Row, Col, r, &Data);
  if (WM__IsWindow(hObj)) {
    _Call(hObj, WIDGET_ITEM_DRAW, Row, Col, r, &Data);
  }
  WM_SetUserClipRect(nullptr);
}

void _DrawRow(const _PAINT& P, int Row, int y) {
  WM_HWIN hObj = P.hObj;
  int StorageRow = LISTVIEW__StorageRow(hObj, Row);
  const LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, StorageRow);
  if (!pRow) {
    return;
  }
  const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  bool Focus = (pObj->Widget.State & WIDGET_STATE_FOCUS) != 0;
  int State = pRow->Disabled ? 3 : Row == pObj->Sel ? (Focus ? 2 : 1) : 0;
  int CellState = State;
  bool CellMode = (pObj->Flags & LISTVIEW_FLAG_CELLSELECT) && !pRow->Disabled;
  if (CellMode) {
    State = 0;
  }
  int SelCol = pObj->SelCol;
  int y1 = y + P.Dist - 1 - (pObj->ShowGrid ? 1 : 0);
  int Grid = pObj->ShowGrid ? 1 : 0;
  int x = P.xScroll;
  for (int c = 0; c < P.nCol && x <= P.Clip.x1; c++) {
    int w = _Width(hObj, c);
    if (c >= P.Fixed && w > 0) {
      GUI_RECT r = {(I16)(x + (Grid && c ? 1 : 0)), (I16)y, (I16)(x + w - 1), (I16)y1};
      _DrawCell(P, Row, StorageRow, c, CellMode && c == SelCol ? CellState : State, r);
    }
    x += w;
  }
  int xEnd = x;
  if (xEnd <= P.Clip.x1) { // right of the last column
    GUI_RECT r = {(I16)xEnd, (I16)y, P.Clip.x1, (I16)y1};
    _DrawCell(P, Row, StorageRow, -1, State, r);
  }
  x = P.E;
  for (int c = 0; c < P.Fixed && c < P.nCol; c++) {
    int w = _Width(hObj, c);
    if (w > 0) {
      GUI_RECT r = {(I16)(x + (Grid && c ? 1 : 0)), (I16)y, (I16)(x + w - 1), (I16)y1};
      _DrawCell(P, Row, StorageRow, c, CellMode && c == SelCol ? CellState : State, r);
    }
    x += w;
  }
}

void _DrawGrid(const _PAINT& P, int yRows, int NumVisible) {
  WM_HWIN hObj = P.hObj;
  WM_SetUserClipRect(&P.Clip);
  GUI_SetColor(LISTVIEW__Obj(hObj)->Props.GridColor);
  for (int k = 1; k <= NumVisible + 1; k++) {
    int y = yRows - 1 + k * P.Dist;
    if (y > P.Clip.y1) {
      break;
    }
    GUI_DrawHLine(y, P.Clip.x0, P.Clip.x1);
  }
  int x = P.xScroll;
  for (int c = 0; c < P.nCol; c++) {
    x += _Width(hObj, c);
    if (c >= P.Fixed && x > P.xFixedEnd - 1) {
      GUI_DrawVLine(x, yRows, P.Clip.y1);
    }
  }
  x = P.E;
  for (int c = 0; c < P.Fixed && c < P.nCol; c++) {
    x += _Width(hObj, c);
    GUI_DrawVLine(x, yRows, P.Clip.y1);
  }
  WM_SetUserClipRect(nullptr);
}

} // namespace

int LISTVIEW_OwnerDraw(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (!pInfo) {
    return 0;
  }
  const LISTVIEW_ITEM_DRAW_DATA* pData = (const LISTVIEW_ITEM_DRAW_DATA*)pInfo->p;
  GUI_RECT r = {(I16)pInfo->x0, (I16)pInfo->y0, (I16)pInfo->x1, (I16)pInfo->y1};
  switch (pInfo->Cmd) {
  case WIDGET_ITEM_DRAW_BACKGROUND: {
    const LISTVIEW_CELL_INFO* pCellInfo = pData && pInfo->ItemIndex >= 0 ? pData->pCellInfo : nullptr;
    if (pCellInfo && (pCellInfo->Flags & LISTVIEW_CELL_COLORS)) {
      GUI_COLOR Old = GUI_SetBkColor(pCellInfo->aBkColor[pData->State & 3]);
      GUI_ClearRectEx(&r);
      GUI_SetBkColor(Old);
    } else {
      GUI_ClearRectEx(&r);
    }
    return 0;
  }
  case WIDGET_ITEM_DRAW: {
    if (!pData || !pData->pText) {
      return 0;
    }
    const LISTVIEW_CELL_INFO* pCellInfo = pData->pCellInfo;
    if (pCellInfo && (pCellInfo->Flags & LISTVIEW_CELL_DRAW) && pCellInfo->pfDraw) {
      GUI_RECT rCell = r;
      pCellInfo->pfDraw(pInfo->hWin, pInfo->Col, pInfo->ItemIndex, &rCell);
    }
    r.x0 = WM__ClampI16((I64)r.x0 + pData->LBorder); // margins of any size, held to the coordinates
    r.x1 = WM__ClampI16((I64)r.x1 - pData->RBorder);
    GUI_COLOR Old = GUI_GetColor();
    if (pCellInfo && (pCellInfo->Flags & LISTVIEW_CELL_COLORS)) {
      GUI_SetColor(pCellInfo->aTextColor[pData->State & 3]);
    }
    GUI_DispStringInRectWrap(pData->pText, &r, pData->Align, pData->WrapMode);
    GUI_SetColor(Old);
    return 0;
  }
  case WIDGET_ITEM_GET_XSIZE:
    return pInfo->x1 - pInfo->x0;
  case WIDGET_ITEM_GET_YSIZE:
    return pInfo->y1 - pInfo->y0;
  }
  return 0;
}

void LISTVIEW__Paint(WM_HWIN hObj) {
  _PAINT P = {};
  P.hObj = hObj;
  GUI_RECT Inside;
  WM_GetInsideRectExScrollbar(hObj, &Inside);
  WIDGET__GetPaintClip(hObj, &P.Clip);
  int yRows = LISTVIEW__Obj(hObj)->Widget.pEffect->EffectSize + LISTVIEW__HeaderHeight(hObj);
  if (Inside.y0 < yRows) {
    Inside.y0 = (I16)yRows;
  }
  bool Visible = WM__IntersectRects(&P.Clip, &P.Clip, &Inside);
  if (LISTVIEW__NumRows(hObj) && LISTVIEW__Sort(hObj)) {
    Visible = false; // no memory for the sort table: nothing is painted until there is
  }
  if (Visible && WM__IsWindow(hObj)) {
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_SetFont(LISTVIEW__Obj(hObj)->Props.pFont);
    const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
    P.E = pObj->Widget.pEffect->EffectSize;
    P.Dist = LISTVIEW__RowDistY(hObj);
    P.nCol = LISTVIEW__NumColumns(hObj);
    P.Fixed = pObj->Fixed;
    P.xScroll = P.E - pObj->ScrollStateH.Value;
    P.xFixedEnd = P.E;
    for (int c = 0; c < P.Fixed && c < P.nCol; c++) {
      P.xFixedEnd += _Width(hObj, c);
    }
    int First = LISTVIEW__Obj(hObj)->ScrollStateV.Value, NumVisible = LISTVIEW__Obj(hObj)->ScrollStateV.PageSize;
    int n = LISTVIEW__NumRows(hObj);
    int y = yRows;
    int Row = First;
    for (; Row < n && Row <= First + NumVisible && P.Dist > 0 && y <= P.Clip.y1 && WM__IsWindow(hObj);
         Row++, y += P.Dist) {
      if (y + P.Dist - 1 >= P.Clip.y0) {
        _DrawRow(P, Row, y);
      }
    }
    // Below the last row: bands of the unselected background, cell by cell.
    for (; P.Dist > 0 && y <= P.Clip.y1 && WM__IsWindow(hObj); y += P.Dist) {
      if (y + P.Dist - 1 < P.Clip.y0) {
        continue;
      }
      GUI_SetBkColor(LISTVIEW__Obj(hObj)->Props.aBkColor[0]);
      int x = P.xScroll;
      for (int c = 0; c <= P.nCol && x <= P.Clip.x1; c++) {
        int w = c < P.nCol ? _Width(hObj, c) : 0;
        int x1 = w ? x + w - 1 : P.Clip.x1;
        GUI_RECT r = {(I16)x, (I16)y, (I16)x1, (I16)(y + P.Dist - 1)}, rClip;
        if (WM__IntersectRects(&rClip, &r, &P.Clip)) {
          WM_SetUserClipRect(&rClip);
          _Call(hObj, WIDGET_ITEM_DRAW_BACKGROUND, -1, c < P.nCol ? c : -1, r, nullptr);
          WM_SetUserClipRect(nullptr);
        }
        if (!w) {
          break;
        }
        x += w;
      }
    }
    if (WM__IsWindow(hObj) && LISTVIEW__Obj(hObj)->ShowGrid) {
      _DrawGrid(P, yRows, NumVisible);
    }
  }
  if (WM__IsWindow(hObj)) {
    WIDGET__EffectDrawDown(&LISTVIEW__Obj(hObj)->Widget);
  }
}
