// LISTWHEEL: items, the item lookup on the repeating wheel, the look, painting and the default drawing
// routine. Item heights are at least one pixel, so every walk over the wheel ends.
#include <cstring>

#include "LISTWHEEL.h"

namespace {

using _Access = WIDGET_ACCESS<LISTWHEEL_OBJ, &LISTWHEEL__Type>;

constexpr int MAX_ITEM_HEIGHT = 0x7FFF;

int _NumItems(WM_HWIN hObj) {
  return GUI_ARRAY_GetNumItems(LISTWHEEL__Obj(hObj)->hItems);
}

LISTWHEEL_ITEM* _Item(WM_HWIN hObj, int Index) {
  if (Index < 0 || Index >= _NumItems(hObj)) {
    return nullptr;
  }
  return (LISTWHEEL_ITEM*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(LISTWHEEL__Obj(hObj)->hItems, (U32)Index));
}

int _Draw(WM_HWIN hObj, int Cmd, int Index, int x0, int y0, int x1, int y1) {
  WIDGET_DRAW_ITEM_FUNC* pfDraw = LISTWHEEL__Obj(hObj)->pfDrawItem;
  const LISTWHEEL_ITEM* pItem = _Item(hObj, Index);
  GUI_HMEM hItem = pItem ? GUI_ARRAY_GethItem(LISTWHEEL__Obj(hObj)->hItems, (U32)Index) : 0;
  void* p = pItem && pItem->pData ? pItem->pData : (void*)&hItem;
  WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, Index, 0, x0, y0, x1, y1, p};
  return (pfDraw ? pfDraw : LISTWHEEL_OwnerDraw)(&Info);
}

template <class F> void _Change(WM_HWIN hObj, F f) {
  _Access::Change(hObj, f);
}

} // namespace

int LISTWHEEL__ItemHeight(WM_HWIN hObj, int Index) {
  int h = _Draw(hObj, WIDGET_ITEM_GET_YSIZE, Index, 0, 0, 0, 0);
  return h < 1 ? 1 : h > MAX_ITEM_HEIGHT ? MAX_ITEM_HEIGHT : h;
}

void LISTWHEEL__UpdateTotalHeight(WM_HWIN hObj) {
  int n = _NumItems(hObj), Sum = 0;
  for (int i = 0; i < n && WM__IsWindow(hObj); i++) {
    Sum += LISTWHEEL__ItemHeight(hObj, i);
  }
  if (WM__IsWindow(hObj)) {
    LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
    pObj->TotalHeight = Sum;
    if (Sum > 0) {
      pObj->Pos = ((pObj->Pos % Sum) + Sum) % Sum;
    }
    WM_InvalidateWindow(hObj);
  }
}

int LISTWHEEL__ItemAt(WM_HWIN hObj, int y, int* pOffset, int* pHeight) {
  const LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  int n = _NumItems(hObj), T = pObj->TotalHeight;
  if (!n || T <= 0) {
    return -1;
  }
  long long p = pObj->Pos;
  if (p > y) {
    p -= ((p - y + T - 1) / T) * (long long)T;
  } else if (y - p >= T) {
    p += ((y - p) / T) * (long long)T;
  }
  for (int k = 0; k <= n; k++) {
    int i = k % n;
    int h = LISTWHEEL__ItemHeight(hObj, i);
    if (y < p + h) {
      if (pOffset) {
        *pOffset = (int)(y - p);
      }
      if (pHeight) {
        *pHeight = h;
      }
      return i;
    }
    p += h;
  }
  return -1;
}

void LISTWHEEL__Paint(WM_HWIN hObj) {
  const LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  int n = _NumItems(hObj);
  if (pObj->TotalHeight <= 0 || !n) {
    return;
  }
  GUI_SetFont(pObj->Props.pFont);
  GUI_RECT r;
  WM_GetInsideRectEx(hObj, &r);
  _Draw(hObj, WIDGET_ITEM_DRAW_BACKGROUND, -1, r.x0, r.y0, r.x1, r.y1);
  int Pos = LISTWHEEL__Obj(hObj)->Pos;
  // Downwards from item 0 at Pos, then upwards from the last item above it.
  int y = Pos;
  for (int k = 0; y <= r.y1 && WM__IsWindow(hObj); k++) {
    int i = k % n, h = LISTWHEEL__ItemHeight(hObj, i);
    if (y + h >= 0) {
      _Draw(hObj, WIDGET_ITEM_DRAW, i, 0, y, r.x1, y + h - 1);
    }
    y += h;
  }
  y = Pos;
  for (int k = 0; y > 0 && WM__IsWindow(hObj); k++) {
    int i = n - 1 - k % n, h = LISTWHEEL__ItemHeight(hObj, i);
    if (y - h <= r.y1) {
      _Draw(hObj, WIDGET_ITEM_DRAW, i, 0, y - h, r.x1, y - 1);
    }
    y -= h;
  }
  if (WM__IsWindow(hObj)) {
    _Draw(hObj, LISTWHEEL_ITEM_DRAW_OVERLAP, -1, r.x0, r.y0, r.x1, r.y1);
  }
}

int LISTWHEEL_OwnerDraw(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (!pInfo || !LISTWHEEL__Valid(pInfo->hWin)) {
    return 0;
  }
  WM_HWIN hObj = pInfo->hWin;
  const LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  switch (pInfo->Cmd) {
  case WIDGET_ITEM_GET_XSIZE:
    return WM_GetWindowSizeX(hObj);
  case WIDGET_ITEM_GET_YSIZE:
    return pObj->LineHeight ? pObj->LineHeight : GUI_GetYSizeOfFont(pObj->Props.pFont);
  case WIDGET_ITEM_DRAW: {
    const LISTWHEEL_ITEM* pItem = _Item(hObj, pInfo->ItemIndex);
    if (!pItem) {
      return 0;
    }
    int ci = pInfo->ItemIndex == pObj->Sel ? 1 : 0;
    // Margins of any size, held to the coordinate range.
    GUI_RECT r = {WM__ClampI16((I64)pInfo->x0 + pObj->LBorder), (I16)pInfo->y0,
                  WM__ClampI16((I64)pInfo->x1 - pObj->RBorder), (I16)pInfo->y1};
    bool Trans = WM_GetHasTrans(hObj) != 0;
    GUI_SetBkColor(pObj->Props.aBkColor[ci]);
    GUI_SetColor(pObj->Props.aTextColor[ci]);
    if (!Trans) {
      GUI_ClearRectEx(&r);
    }
    GUI_SetTextMode(Trans ? GUI_TM_TRANS : GUI_TM_NORMAL);
    GUI_DispStringInRectMax(pItem->acText, &r, pObj->Props.TextAlign, (int)strlen(pItem->acText));
    if (!Trans) {
      pObj = LISTWHEEL__Obj(hObj);
      if (pObj->LBorder > 0) {
        GUI_ClearRect(pInfo->x0, pInfo->y0, r.x0 - 1, pInfo->y1);
      }
      if (pObj->RBorder > 0) {
        GUI_ClearRect(r.x1 + 1, pInfo->y0, pInfo->x1, pInfo->y1);
      }
    }
    return 0;
  }
  }
  return 0;
}

void LISTWHEEL_AddString(WM_HWIN hObj, const char* s) {
  WM__LockGuard Lock;
  if (!s || !LISTWHEEL__Valid(hObj)) {
    return;
  }
  size_t Len = strlen(s);
  int Size = (int)(offsetof(LISTWHEEL_ITEM, acText) + Len + 1);
  GUI_ARRAY hItems = LISTWHEEL__Obj(hObj)->hItems;
  if (GUI_ARRAY_AddItem(hItems, nullptr, Size)) {
    return;
  }
  int Index = GUI_ARRAY_GetNumItems(hItems) - 1;
  LISTWHEEL_ITEM* pItem = (LISTWHEEL_ITEM*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hItems, (U32)Index));
  memset(pItem, 0, (size_t)Size);
  memcpy(pItem->acText, s, Len);
  LISTWHEEL__Obj(hObj)->TotalHeight += LISTWHEEL__ItemHeight(hObj, Index);
  WM_InvalidateWindow(hObj);
}

void LISTWHEEL_SetText(WM_HWIN hObj, const char* const* ppText) {
  WM__LockGuard Lock;
  if (!LISTWHEEL__Valid(hObj)) {
    return;
  }
  if (ppText) {
    GUI_ARRAY hItems = LISTWHEEL__Obj(hObj)->hItems;
    while (GUI_ARRAY_GetNumItems(hItems)) {
      GUI_ARRAY_DeleteItem(hItems, 0);
    }
    LISTWHEEL__Obj(hObj)->TotalHeight = 0;
    for (; *ppText; ppText++) {
      LISTWHEEL_AddString(hObj, *ppText);
    }
  }
  WM_InvalidateWindow(hObj);
}

unsigned LISTWHEEL_GetNumItems(WM_HWIN hObj) {
  return _Access::Read(hObj, 0u, [](LISTWHEEL_OBJ* p) { return (unsigned)GUI_ARRAY_GetNumItems(p->hItems); });
}

void LISTWHEEL_GetItemText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxSize) {
  WM__LockGuard Lock;
  if (!pBuffer || MaxSize < 1) {
    return;
  }
  pBuffer[0] = 0;
  const LISTWHEEL_ITEM* pItem = LISTWHEEL__Valid(hObj) ? _Item(hObj, WIDGET__Index(Index)) : nullptr;
  if (pItem) {
    strncpy(pBuffer, pItem->acText, (size_t)MaxSize - 1);
    pBuffer[MaxSize - 1] = 0;
  }
}

void LISTWHEEL_SetItemData(WM_HWIN hObj, unsigned Index, void* pData) {
  WM__LockGuard Lock;
  if (LISTWHEEL_ITEM* pItem = LISTWHEEL__Valid(hObj) ? _Item(hObj, WIDGET__Index(Index)) : nullptr) {
    pItem->pData = pData;
  }
}

void* LISTWHEEL_GetItemData(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  const LISTWHEEL_ITEM* pItem = LISTWHEEL__Valid(hObj) ? _Item(hObj, WIDGET__Index(Index)) : nullptr;
  return pItem ? pItem->pData : nullptr;
}

int LISTWHEEL_GetItemFromPos(WM_HWIN hObj, int y) {
  WM__LockGuard Lock;
  return LISTWHEEL__Valid(hObj) ? LISTWHEEL__ItemAt(hObj, y, nullptr, nullptr) : -1;
}

int LISTWHEEL_GetSnapPosition(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTWHEEL_OBJ* p) { return (int)p->SnapPos; });
}

void LISTWHEEL_SetSel(WM_HWIN hObj, int Sel) {
  _Change(hObj, [&](LISTWHEEL_OBJ* p) { return WIDGET__Store(&p->Sel, Sel); });
}

int LISTWHEEL_GetSel(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTWHEEL_OBJ* p) { return (int)p->Sel; });
}

void LISTWHEEL_SetDeceleration(WM_HWIN hObj, unsigned Deceleration) {
  _Change(hObj, [&](LISTWHEEL_OBJ* p) {
    p->Props.Deceleration = Deceleration ? (int)(Deceleration > 0x7FFF ? 0x7FFF : Deceleration) : 15;
    return false;
  });
}

void LISTWHEEL_SetTimerPeriod(WM_HWIN hObj, int Period) {
  _Change(hObj, [&](LISTWHEEL_OBJ* p) {
    if (Period > 0) {
      p->Period = Period;
    }
    return false;
  });
}

void LISTWHEEL_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    _Change(hObj, [&](LISTWHEEL_OBJ* p) { return WIDGET__Store(&p->Props.aBkColor[Index], Color); });
  }
}

void LISTWHEEL_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    _Change(hObj, [&](LISTWHEEL_OBJ* p) { return WIDGET__Store(&p->Props.aTextColor[Index], Color); });
  }
}

void LISTWHEEL_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  WM__LockGuard Lock;
  if (pFont && LISTWHEEL__Valid(hObj)) {
    LISTWHEEL__Obj(hObj)->Props.pFont = pFont;
    LISTWHEEL__UpdateTotalHeight(hObj);
  }
}

const GUI_FONT* LISTWHEEL_GetFont(WM_HWIN hObj) {
  return _Access::Read(hObj, (const GUI_FONT*)nullptr, [](LISTWHEEL_OBJ* p) { return p->Props.pFont; });
}

void LISTWHEEL_SetLineHeight(WM_HWIN hObj, int LineHeight) {
  WM__LockGuard Lock;
  if (LISTWHEEL__Valid(hObj) && WIDGET__Store(&LISTWHEEL__Obj(hObj)->LineHeight, LineHeight < 0 ? 0 : LineHeight)) {
    LISTWHEEL__UpdateTotalHeight(hObj);
  }
}

int LISTWHEEL_GetLineHeight(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTWHEEL_OBJ* p) { return (int)p->LineHeight; });
}

void LISTWHEEL_SetLBorder(WM_HWIN hObj, int Border) {
  _Change(hObj, [&](LISTWHEEL_OBJ* p) { return WIDGET__Store(&p->LBorder, Border); });
}

void LISTWHEEL_SetRBorder(WM_HWIN hObj, int Border) {
  _Change(hObj, [&](LISTWHEEL_OBJ* p) { return WIDGET__Store(&p->RBorder, Border); });
}

int LISTWHEEL_GetLBorder(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTWHEEL_OBJ* p) { return (int)p->LBorder; });
}

int LISTWHEEL_GetRBorder(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTWHEEL_OBJ* p) { return (int)p->RBorder; });
}

void LISTWHEEL_SetTextAlign(WM_HWIN hObj, int Align) {
  _Change(hObj, [&](LISTWHEEL_OBJ* p) {
    p->Props.TextAlign = Align;
    return true;
  });
}

int LISTWHEEL_GetTextAlign(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTWHEEL_OBJ* p) { return (int)p->Props.TextAlign; });
}

void LISTWHEEL_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem) {
  WM__LockGuard Lock;
  if (LISTWHEEL__Valid(hObj)) {
    LISTWHEEL__Obj(hObj)->pfDrawItem = pfDrawItem ? pfDrawItem : LISTWHEEL_OwnerDraw;
    LISTWHEEL__UpdateTotalHeight(hObj);
  }
}

int LISTWHEEL_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&LISTWHEEL__Type, hObj, pDest, NumBytes);
}

int LISTWHEEL_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&LISTWHEEL__Type, hObj, pSrc, NumBytes);
}
