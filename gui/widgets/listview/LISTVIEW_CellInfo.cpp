// LISTVIEW: a cell's own colours and bitmap, kept in a record the cell gets on first use.
#include "GUI_Bitmap.h"
#include "LISTVIEW.h"

namespace {

// The cell's info record, created zero-filled when it has none; null without memory or for a bad cell.
LISTVIEW_CELL_INFO* _Info(WM_HWIN hObj, unsigned Column, unsigned Row) {
  if (!LISTVIEW__Valid(hObj) || Column >= 0x10000 || Row >= 0x10000) {
    return nullptr;
  }
  int StorageRow = LISTVIEW__StorageRow(hObj, (int)Row);
  LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, (int)Column, StorageRow);
  if (!pCell) {
    return nullptr;
  }
  if (!pCell->hCellInfo) {
    GUI_HMEM hInfo = GUI_ALLOC_AllocZero((I32)sizeof(LISTVIEW_CELL_INFO));
    if (!hInfo) {
      return nullptr;
    }
    LISTVIEW__Cell(hObj, (int)Column, StorageRow)->hCellInfo = hInfo;
    pCell = LISTVIEW__Cell(hObj, (int)Column, StorageRow);
  }
  return (LISTVIEW_CELL_INFO*)GUI_ALLOC_h2p(pCell->hCellInfo);
}

// The first own colour of a cell takes the widget's colours of that moment for the other states.
void _SetColor(WM_HWIN hObj, unsigned Column, unsigned Row, unsigned Index, GUI_COLOR Color, bool Bk) {
  WM__LockGuard Lock;
  if (Index >= 4) {
    return;
  }
  LISTVIEW_CELL_INFO* pInfo = _Info(hObj, Column, Row);
  if (!pInfo) {
    return;
  }
  if (!(pInfo->Flags & LISTVIEW_CELL_COLORS)) {
    const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
    for (int i = 0; i < 4; i++) {
      pInfo->aBkColor[i] = pObj->Props.aBkColor[i];
      pInfo->aTextColor[i] = pObj->Props.aTextColor[i];
    }
    pInfo->Flags |= LISTVIEW_CELL_COLORS;
  }
  (Bk ? pInfo->aBkColor : pInfo->aTextColor)[Index] = Color;
  LISTVIEW__InvalidateRow(hObj, (int)Row);
}

void _DrawBitmap(WM_HWIN hObj, int Column, int Row, GUI_RECT* pRect) {
  int StorageRow = LISTVIEW__StorageRow(hObj, Row);
  const LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, Column, StorageRow);
  const LISTVIEW_CELL_INFO* pInfo =
      pCell && pCell->hCellInfo ? (const LISTVIEW_CELL_INFO*)GUI_ALLOC_h2p(pCell->hCellInfo) : nullptr;
  if (!pInfo || !pInfo->pData || !pRect) {
    return;
  }
  const GUI_RECT* pOld = WM_SetUserClipRect(pRect);
  GUI_DrawBitmap((const GUI_BITMAP*)pInfo->pData, pRect->x0 + pInfo->xOff, pRect->y0 + pInfo->yOff);
  WM_SetUserClipRect(pOld);
}

} // namespace

void LISTVIEW_SetItemBkColor(WM_HWIN hObj, unsigned Column, unsigned Row, unsigned Index, GUI_COLOR Color) {
  _SetColor(hObj, Column, Row, Index, Color, true);
}

void LISTVIEW_SetItemTextColor(WM_HWIN hObj, unsigned Column, unsigned Row, unsigned Index, GUI_COLOR Color) {
  _SetColor(hObj, Column, Row, Index, Color, false);
}

void LISTVIEW_SetItemBitmap(WM_HWIN hObj, unsigned Column, unsigned Row, int xOff, int yOff,
                            const GUI_BITMAP* pBitmap) {
  WM__LockGuard Lock;
  LISTVIEW_CELL_INFO* pInfo = _Info(hObj, Column, Row);
  if (!pInfo) {
    return;
  }
  pInfo->pData = pBitmap;
  pInfo->xOff = (I16)xOff;
  pInfo->yOff = (I16)yOff;
  pInfo->Flags |= LISTVIEW_CELL_DRAW;
  pInfo->pfDraw = _DrawBitmap;
  LISTVIEW__InvalidateRow(hObj, (int)Row);
}
