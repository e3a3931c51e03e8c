// LISTBOX: painting from the first visible item down to the end of the paint area, and the default
// owner-draw routine.
#include "LISTBOX.h"

namespace {

// The colour index of an item as the default routine draws it.
int _ColorIndex(WM_HWIN hObj, int Index, U8 Status) {
  const LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  if (Status & LISTBOX_ITEM_DISABLED) {
    return LISTBOX_CI_DISABLED;
  }
  if (pObj->Flags & LISTBOX_FLAG_MULTISEL) {
    return (Status & LISTBOX_ITEM_SELECTED) ? LISTBOX_CI_SELFOCUS : LISTBOX_CI_UNSEL;
  }
  if (Index != pObj->Sel) {
    return LISTBOX_CI_UNSEL;
  }
  return (pObj->Widget.State & WIDGET_STATE_FOCUS) ? LISTBOX_CI_SELFOCUS : LISTBOX_CI_SEL;
}

void _DrawItem(WM_HWIN hObj, const WIDGET_ITEM_DRAW_INFO* pInfo) {
  GUI_ARRAY hItems = LISTBOX__Obj(hObj)->hItems;
  if (pInfo->ItemIndex < 0 || pInfo->ItemIndex >= GUI_ARRAY_GetNumItems(hItems)) {
    return;
  }
  const LISTBOX_ITEM* pItem = (const LISTBOX_ITEM*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hItems, (U32)pInfo->ItemIndex));
  if (!pItem) {
    return;
  }
  int xSize = LISTBOX__GetItemSizeX(hObj, pInfo->ItemIndex);
  int ySize = LISTBOX__GetItemSizeY(hObj, pInfo->ItemIndex);
  pItem = (const LISTBOX_ITEM*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hItems, (U32)pInfo->ItemIndex));
  const LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  int ci = _ColorIndex(hObj, pInfo->ItemIndex, pItem->Status);
  GUI_RECT Inside, Clip;
  WM_GetInsideRectExScrollbar(hObj, &Inside);
  WIDGET__GetPaintClip(hObj, &Clip);
  GUI_RECT r = {(I16)pInfo->x0, (I16)pInfo->y0, Inside.x1, (I16)(pInfo->y0 + ySize - 1)};
  GUI_SetBkColor(pObj->Props.aBackColor[ci]);
  GUI_ClearRectEx(&r);
  GUI_SetColor(pObj->Props.aTextColor[ci]);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_RECT rText = r;
  rText.x0 = (I16)(pInfo->x0 + 1);
  rText.x1 = (pObj->Props.Align & 3) ? (I16)Inside.x1 : (I16)(pInfo->x0 + xSize - 1);
  GUI_DispStringInRect(pItem->acText, &rText, pObj->Props.Align);
  if ((pObj->Flags & LISTBOX_FLAG_MULTISEL) && pInfo->ItemIndex == pObj->Sel) {
    int h = GUI_GetYDistOfFont(pObj->Props.pFont);
    int Valign = pObj->Props.Align & 12;
    int y0 = Valign == 4 ? r.y1 - h + 1 : Valign == 12 ? r.y0 + (ySize - h) / 2 : r.y0;
    GUI_RECT rFocus = {r.x0, (I16)y0, Inside.x1, (I16)(y0 + h - 1)};
    GUI_SetColor(0xFFFFFF - pObj->Props.aBackColor[ci]);
    GUI_DrawFocusRect(&rFocus, 0);
  }
}

} // namespace

int LISTBOX_OwnerDraw(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (!pInfo || !WIDGET__GetObj(&LISTBOX__Type, pInfo->hWin)) {
    return 0;
  }
  WM_HWIN hObj = pInfo->hWin;
  switch (pInfo->Cmd) {
  case WIDGET_ITEM_GET_XSIZE: {
    GUI_ARRAY hItems = LISTBOX__Obj(hObj)->hItems;
    if (pInfo->ItemIndex < 0 || pInfo->ItemIndex >= GUI_ARRAY_GetNumItems(hItems)) {
      return 0;
    }
    const LISTBOX_ITEM* pItem = (const LISTBOX_ITEM*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hItems, (U32)pInfo->ItemIndex));
    return pItem ? GUI_GetStringDistX(pItem->acText) : 0;
  }
  case WIDGET_ITEM_GET_YSIZE:
    return GUI_GetYDistOfFont(LISTBOX__Obj(hObj)->Props.pFont) + LISTBOX__Obj(hObj)->ItemSpacing;
  case WIDGET_ITEM_DRAW:
    _DrawItem(hObj, pInfo);
    return 0;
  }
  return 0;
}

void LISTBOX__Paint(WM_HWIN hObj) {
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDraw = pObj->pfDrawItem ? pObj->pfDrawItem : LISTBOX_OwnerDraw;
  GUI_SetFont(pObj->Props.pFont);
  GUI_RECT Inside, Clip;
  WM_GetInsideRectExScrollbar(hObj, &Inside);
  WIDGET__GetPaintClip(hObj, &Clip);
  const GUI_RECT* pOldClip = WM_SetUserClipRect(&Inside);
  int n = GUI_ARRAY_GetNumItems(pObj->hItems);
  int y = Inside.y0;
  int x0 = Inside.x0 - pObj->ScrollStateH.Value;
  for (int i = LISTBOX__Obj(hObj)->ScrollStateV.Value; i < n && y <= Inside.y1 && y <= Clip.y1; i++) {
    int h = LISTBOX__GetItemSizeY(hObj, i);
    if (y + h - 1 >= Clip.y0) {
      GUI_RECT rItem = {Inside.x0, (I16)y, Inside.x1, (I16)(y + h - 1)};
      GUI_RECT rClip;
      WM__IntersectRects(&rClip, &rItem, &Inside);
      WM_SetUserClipRect(&rClip);
      WIDGET_ITEM_DRAW_INFO Info = {};
      Info.hWin = hObj;
      Info.Cmd = WIDGET_ITEM_DRAW;
      Info.ItemIndex = i;
      Info.x0 = x0;
      Info.y0 = y;
      Info.x1 = Inside.x1;
      Info.y1 = y + h - 1;
      pfDraw(&Info);
      WM_SetUserClipRect(&Inside);
    }
    y += h;
  }
  if (y <= Inside.y1 && !WM_GetHasTrans(hObj)) {
    GUI_SetBkColor(LISTBOX__Obj(hObj)->Props.aBackColor[LISTBOX_CI_UNSEL]);
    GUI_ClearRect(Inside.x0, y, Inside.x1, Inside.y1);
  }
  WM_SetUserClipRect(pOldClip);
  WIDGET__EffectDrawDown(&LISTBOX__Obj(hObj)->Widget);
}
