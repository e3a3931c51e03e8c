// HEADER: creation, typed locking, column positions, hit tests and the callback with its divider drag.
#include "HEADER.h"

namespace {

constexpr int DIVIDER_REACH = 4;

int _NumColumns(WM_HWIN hObj) {
  return GUI_ARRAY_GetNumItems(HEADER__Obj(hObj)->hColumns);
}

int _Width(WM_HWIN hObj, int Index) {
  const HEADER_COLUMN* pCol = HEADER__Column(hObj, Index);
  return pCol ? pCol->Width : 0;
}

// Right edge of the fixed columns: scrolled columns left of it are hidden behind them.
int _FixedEdge(WM_HWIN hObj) {
  int n = _NumColumns(hObj), Fixed = HEADER__Obj(hObj)->Fixed, x = 0;
  for (int i = 0; i < Fixed && i < n; i++) {
    x += _Width(hObj, i);
  }
  return x;
}

// The column whose divider lies within reach of x, -1 none.
int _DividerAt(WM_HWIN hObj, int x) {
  int n = _NumColumns(hObj), Fixed = HEADER__Obj(hObj)->Fixed, FixedEdge = _FixedEdge(hObj);
  int Hit = -1;
  for (int i = 0; i < n; i++) {
    int Edge = HEADER__GetColumnX(hObj, i) + _Width(hObj, i);
    if (i >= Fixed && Edge < FixedEdge) {
      continue;
    }
    if (x >= Edge - DIVIDER_REACH && x <= Edge + DIVIDER_REACH) {
      Hit = i;
      if (x < Edge && i + 1 < n && _Width(hObj, i + 1) == 0) {
        return i; // a closed column behind it can be dragged open
      }
    }
  }
  return Hit;
}

// The column whose interior, less the divider reach at both edges, holds x; -1 none.
int _ColumnAt(WM_HWIN hObj, int x) {
  int n = _NumColumns(hObj), Fixed = HEADER__Obj(hObj)->Fixed, FixedEdge = _FixedEdge(hObj);
  for (int i = 0; i < n; i++) {
    int x0 = HEADER__GetColumnX(hObj, i);
    if (i >= Fixed && x < FixedEdge) {
      continue;
    }
    if (x > x0 + DIVIDER_REACH && x < x0 + _Width(hObj, i) - DIVIDER_REACH) {
      return i;
    }
  }
  return -1;
}

void _Drag(WM_HWIN hObj, int x) {
  HEADER_OBJ* pObj = HEADER__Obj(hObj);
  int Item = pObj->CaptureItem;
  int Width = _Width(hObj, Item) + x - pObj->CapturePosX;
  int Capture = x;
  if (Width < 0) { // the column closes; the pointer must come back to open it again
    Capture = x - Width;
    Width = 0;
  }
  WM__WATCH Watch(hObj);
  HEADER_SetItemWidth(hObj, (unsigned)Item, Width);
  if (!Watch.Alive()) {
    return;
  }
  pObj = HEADER__Obj(hObj);
  if (pObj->DragLimit) {
    GUI_RECT r;
    WM_GetInsideRectEx(hObj, &r);
    int Limit = r.x1 - r.x0 + 1;
    if (WM_HWIN hBar = WM_GetScrollbarV(WM_GetParent(hObj))) {
      Limit -= WM_GetWindowSizeX(hBar);
    }
    int End = 0;
    for (int i = 0; i <= Item; i++) {
      End += _Width(hObj, i);
    }
    if (End > Limit) {
      HEADER_SetItemWidth(hObj, (unsigned)Item, Width - (End - Limit));
      return; // the pointer stays ahead of the cut edge
    }
  }
  HEADER__Obj(hObj)->CapturePosX = Capture;
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (!pState) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_MOVED_OUT);
    return;
  }
  WM__WATCH Watch(hObj); // a changed width is told to the parent, which may delete the header
  int Hit = _DividerAt(hObj, pState->x);
  HEADER_OBJ* pObj = HEADER__Obj(hObj);
  if (pState->Pressed) {
    if (Hit >= 0 && pObj->CapturePosX < 0) {
      pObj->CapturePosX = pState->x;
      pObj->CaptureItem = Hit;
    }
    if (Hit >= 0) {
      WM_SetCapture(hObj, 1);
    }
    if (HEADER__Obj(hObj)->CapturePosX >= 0 && pState->x != HEADER__Obj(hObj)->CapturePosX) {
      _Drag(hObj, pState->x);
    }
  } else {
    pObj->CapturePosX = -1;
    if (Hit < 0 && WM_HasCaptured(hObj)) {
      WM_ReleaseCapture();
    }
  }
  if (Watch.Alive()) {
    WIDGET__NotifyParent(hObj, pState->Pressed ? WM_NOTIFICATION_CLICKED : WM_NOTIFICATION_RELEASED);
  }
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_POINTER_STATE_CHANGED) {
    const WM_POINTER_STATE_CHANGE* pInfo = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    if (pInfo && !pInfo->Pressed) {
      HEADER__Obj(hObj)->Sel = _ColumnAt(hObj, pInfo->x);
    }
  }
  return 0;
}

void _OnDelete(WM_HWIN hObj) {
  int n = _NumColumns(hObj);
  for (int i = 0; i < n; i++) {
    if (HEADER_COLUMN* pCol = HEADER__Column(hObj, i)) {
      GUI_HMEM hDrawObj = pCol->hDrawObj;
      pCol->hDrawObj = 0;
      GUI_ALLOC_Free(hDrawObj);
    }
  }
  GUI_ARRAY hColumns = HEADER__Obj(hObj)->hColumns;
  HEADER__Obj(hObj)->hColumns = 0;
  GUI_ARRAY_Delete(hColumns);
}

} // namespace

const WIDGET_TYPE HEADER__Type = {.pName = "HEADER",
                                  .cb = HEADER_Callback,
                                  .ObjSize = sizeof(HEADER_OBJ),
                                  .TagOffset = offsetof(HEADER_OBJ, DebugId),
                                  .Tag = HEADER_ID,
                                  .StyleBits = WM_STATUS_ANCHOR_LEFT | WM_STATUS_ANCHOR_RIGHT,
                                  .pDefaultProps = &HEADER__DefaultProps,
                                  .PropsOffset = offsetof(HEADER_OBJ, Props),
                                  .PropsSize = sizeof(HEADER_PROPS),
                                  .ppDefaultSkin = &HEADER__pDefaultSkin,
                                  .SkinOffset = offsetof(HEADER_OBJ, pSkin),
                                  .DrawSkinOffset = offsetof(HEADER_OBJ, Props.pfDrawSkin),
                                  .pfOnMessage = _OnMessage,
                                  .pfOnDelete = _OnDelete,
                                  .pfOnPointer = _OnPointer};

HEADER_OBJ* HEADER__Obj(WM_HWIN hObj) {
  return (HEADER_OBJ*)WM_H2P(hObj);
}

HEADER_COLUMN* HEADER__Column(WM_HWIN hObj, int Index) {
  GUI_ARRAY hColumns = HEADER__Obj(hObj)->hColumns;
  if (Index < 0 || Index >= GUI_ARRAY_GetNumItems(hColumns)) {
    return nullptr;
  }
  return (HEADER_COLUMN*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hColumns, (U32)Index));
}

int HEADER__GetColumnX(WM_HWIN hObj, int Index) {
  int x = 0;
  for (int i = 0; i < Index; i++) {
    x += _Width(hObj, i);
  }
  const HEADER_OBJ* pObj = HEADER__Obj(hObj);
  return Index < pObj->Fixed ? x : x - pObj->ScrollPos;
}

int HEADER__ArrowSize(const GUI_RECT& r) {
  return (r.y1 - r.y0 - 4) / 3 - 1;
}

void HEADER_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&HEADER__Type, pMsg);
}

WM_HWIN HEADER_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int, int Id,
                          int NumExtraBytes) {
  WM__LockGuard Lock;
  if (!x0 && !y0 && !xSize && hParent) {
    GUI_RECT r;
    WM_GetInsideRectEx(hParent, &r);
    x0 = r.x0;
    y0 = r.y0;
    xSize = r.x1 - r.x0 + 1;
  }
  if (!ySize) {
    ySize = GUI_GetYDistOfFont(HEADER__DefaultProps.pFont) +
            2 * (WIDGET_GetDefaultEffect()->EffectSize + HEADER__DefaultBorderV);
  }
  WM_HWIN hObj = WIDGET__CreateUser(&HEADER__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_ARRAY hColumns = GUI_ARRAY_Create();
  if (!hColumns) {
    return WIDGET__CreateFailed(&HEADER__Type, hObj);
  }
  HEADER_OBJ* pObj = HEADER__Obj(hObj);
  pObj->hColumns = hColumns;
  pObj->CapturePosX = pObj->CaptureItem = pObj->DirIndicatorColumn = -1;
  pObj->Sel = -1;
  return WIDGET__FinishCreate(&HEADER__Type, hObj);
}

WM_HWIN HEADER_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return HEADER_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN HEADER_CreateIdFirst(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags,
                             int ExFlags) {
  return HEADER_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN HEADER_CreateAttached(WM_HWIN hParent, int Id, int ExFlags) {
  return HEADER_CreateUser(0, 0, 0, 0, hParent, WM_CF_SHOW, ExFlags, Id, 0);
}

WM_HWIN HEADER_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                              WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  return HEADER_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                           hParent, pCreateInfo->Flags, 0, pCreateInfo->Id, (int)pCreateInfo->NumExtraBytes);
}

HEADER_OBJ* HEADER_LockH(WM_HWIN hObj) {
  return (HEADER_OBJ*)WIDGET__LockH(&HEADER__Type, hObj);
}
