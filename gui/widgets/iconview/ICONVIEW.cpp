// ICONVIEW: creation, the grid arithmetic, selection and scrolling, keys, pointer and painting.
#include "ICONVIEW.h"

namespace {

ICONVIEW_OBJ* _Obj(WM_HWIN hObj) {
  return (ICONVIEW_OBJ*)WM_H2P(hObj);
}

int _NumItems(const ICONVIEW_OBJ* pObj) {
  return pObj->hItems ? GUI_ARRAY_GetNumItems(pObj->hItems) : 0;
}

// A cell pitch of 0 or less (cells of no size) counts as 1, so that no division fails. Pitches, frames and the
// positions of many rows are formed wide and the grid is held to what a 16-bit screen can show: a row count
// or an item size of any value then neither overflows nor wraps a cell back into view.
I64 _Pitch(int Size, int Space) {
  I64 Pitch = (I64)Size + Space;
  return Pitch > 0 ? Pitch : 1;
}

constexpr I64 GRID_MAX = 0x10000; // more cells across or rows in view than 16-bit coordinates hold

struct Grid {
  GUI_RECT rInside;
  int P; // items per row
  int R; // rows
  int V; // visible rows
};

Grid _GetGrid(WM_HWIN hObj) {
  Grid g;
  WM_GetInsideRectExScrollbar(hObj, &g.rInside);
  const ICONVIEW_OBJ* pObj = _Obj(hObj);
  int w = g.rInside.x1 - g.rInside.x0 + 1, h = g.rInside.y1 - g.rInside.y0 + 1;
  g.P = (int)WIDGET__Limit<I64>(((I64)w + pObj->Props.SpaceX) / _Pitch(pObj->xSizeItem, pObj->Props.SpaceX), 1,
                                 GRID_MAX);
  g.R = (_NumItems(pObj) - 1 + g.P) / g.P;
  g.V = (int)WIDGET__Limit<I64>(((I64)h + pObj->Props.SpaceY) / _Pitch(pObj->ySizeItem, pObj->Props.SpaceY),
                                -GRID_MAX, GRID_MAX);
  return g;
}

GUI_RECT _GetCell(const ICONVIEW_OBJ* pObj, const Grid& g, int Index) {
  int F = pObj->ScrollStateV.Value;
  I64 r = Index / g.P - F, c = Index % g.P;
  I64 x0 = c * ((I64)pObj->xSizeItem + pObj->Props.SpaceX) + pObj->Props.FrameX;
  I64 y0 = r * ((I64)pObj->ySizeItem + pObj->Props.SpaceY) + pObj->Props.FrameY;
  return {WM__ClampI16(x0), WM__ClampI16(y0), WM__ClampI16(x0 + pObj->xSizeItem - 1),
          WM__ClampI16(y0 + pObj->ySizeItem - 1)};
}

// The item under a point, -1 for none.
int _HitTest(WM_HWIN hObj, int x, int y) {
  Grid g = _GetGrid(hObj);
  const ICONVIEW_OBJ* pObj = _Obj(hObj);
  I64 dx = (I64)x - pObj->Props.FrameX, dy = (I64)y - pObj->Props.FrameY;
  if (dx < 0 || dy < 0) {
    return -1;
  }
  I64 c = dx / _Pitch(pObj->xSizeItem, pObj->Props.SpaceX);
  I64 i = (pObj->ScrollStateV.Value + dy / _Pitch(pObj->ySizeItem, pObj->Props.SpaceY)) * g.P + c;
  return (c < g.P && i < _NumItems(pObj)) ? (int)i : -1;
}

bool _InScrollUpdate;

void _OnKey(WM_HWIN hObj, const GUI_KEY_MSG* pKey, WM_MESSAGE* pMsg) {
  if (!pKey || pKey->PressedCnt <= 0) {
    return;
  }
  const ICONVIEW_OBJ* pObj = _Obj(hObj);
  int N = _NumItems(pObj), P = _GetGrid(hObj).P;
  int Base = pObj->Sel >= 0 ? pObj->Sel : 0, New = Base;
  switch (pKey->Key) {
  case GUI_KEY_LEFT:
    New = Base > 0 ? Base - 1 : Base;
    break;
  case GUI_KEY_UP:
    New = Base >= P ? Base - P : Base;
    break;
  case GUI_KEY_RIGHT:
    New = Base < N - 1 ? Base + 1 : Base;
    break;
  case GUI_KEY_DOWN:
    New = Base + P < N ? Base + P : Base;
    break;
  case GUI_KEY_HOME:
    New = 0;
    break;
  case GUI_KEY_END:
    New = N > 0 ? N - 1 : Base;
    break;
  default:
    WM_DefaultProc(pMsg);
    return;
  }
  if (New != Base) {
    ICONVIEW__SetSel(hObj, New);
  }
}

void _Paint(WM_HWIN hObj) {
  Grid g = _GetGrid(hObj);
  const ICONVIEW_OBJ* pObj = _Obj(hObj);
  WM_SetUserClipRect(&g.rInside);
  if (!WM_GetHasTrans(hObj)) {
    GUI_SetBkColor(pObj->Props.aBkColor[ICONVIEW_CI_BK]);
    GUI_ClearRectEx(&g.rInside);
  }
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetFont(pObj->Props.pFont);
  bool Focus = WM_HasFocus(hObj), Enabled = WM__IsEnabled(hObj);
  int N = _NumItems(pObj);
  I64 First = (I64)pObj->ScrollStateV.Value * g.P;
  for (int i = First < N ? (int)First : N; i < N && WM__IsWindow(hObj); i++) {
    pObj = _Obj(hObj);
    GUI_RECT r = _GetCell(pObj, g, i);
    if (r.y0 > g.rInside.y1) {
      break;
    }
    GUI_HMEM hItem = GUI_ARRAY_GethItem(pObj->hItems, (U32)i);
    const ICONVIEW_ITEM* pItem = hItem ? (const ICONVIEW_ITEM*)GUI_ALLOC_h2p(hItem) : nullptr;
    if (!pItem) {
      continue;
    }
    bool Sel = i == pObj->Sel;
    if (Focus && Sel) {
      GUI_COLOR c = pObj->Props.aBkColor[ICONVIEW_CI_SEL];
      GUI_SetColor(c);
      if (c >> 24) {
        unsigned Old = GUI_EnableAlpha(1);
        GUI_FillRectEx(&r);
        GUI_EnableAlpha(Old);
      } else {
        GUI_FillRectEx(&r);
      }
    }
    int w = 0, h = 0;
    pItem->pfGetImageSize(pItem->pData, &w, &h);
    int Align = pObj->Props.IconAlign;
    int x = (Align & 3) == ICONVIEW_IA_LEFT    ? r.x0
            : (Align & 3) == ICONVIEW_IA_RIGHT ? r.x1 - w + 1
                                               : r.x0 + (pObj->xSizeItem - w) / 2;
    int y = (Align & 12) == ICONVIEW_IA_TOP      ? r.y0
            : (Align & 12) == ICONVIEW_IA_BOTTOM ? r.y1 - h + 1
                                                 : r.y0 + (pObj->ySizeItem - h) / 2;
    pItem->pfDrawImage(pItem->pData, x, y);
    pObj = _Obj(hObj);
    pItem = (const ICONVIEW_ITEM*)GUI_ALLOC_h2p(hItem);
    GUI_SetColor(pObj->Props.aTextColor[!Enabled ? ICONVIEW_CI_DISABLED : (Sel ? ICONVIEW_CI_SEL : 0)]);
    pItem->pfDrawText(pObj, &r, pItem->acText);
  }
  WM_SetUserClipRect(nullptr);
}

void _OnDelete(WM_HWIN hObj) {
  GUI_ARRAY_Delete(_Obj(hObj)->hItems);
  _Obj(hObj)->hItems = 0;
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_KEY:
    _OnKey(hObj, (const GUI_KEY_MSG*)pMsg->Data.p, pMsg);
    return 1;
  case WM_POINTER_STATE_CHANGED: {
    const WM_POINTER_STATE_CHANGE* p = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    if (p && p->Pressed && !p->PreviousPressed) {
      int i = _HitTest(hObj, p->x, p->y);
      WM__WATCH Watch(hObj);
      if (i >= 0) {
        ICONVIEW__SetSel(hObj, i);
      }
      if (Watch.Alive()) {
        WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
      }
    } else if (p && !p->Pressed && p->PreviousPressed) {
      WIDGET__NotifyParent(hObj, WM_NOTIFICATION_RELEASED);
    }
    return 1;
  }
  case WM_POINTER:
    if (!pMsg->Data.p) {
      WIDGET__NotifyParent(hObj, WM_NOTIFICATION_MOVED_OUT);
    }
    return 1;
  case WM_NOTIFY_PARENT: {
    int Code = (int)pMsg->Data.v;
    if (Code == WM_NOTIFICATION_SCROLLBAR_ADDED) {
      ICONVIEW__UpdateScrollState(hObj);
    } else if (Code == WM_NOTIFICATION_VALUE_CHANGED) {
      ICONVIEW_OBJ* pObj = _Obj(hObj);
      WIDGET__TakeScrollValue(hObj, pMsg->hWinSrc, &pObj->ScrollStateV, &pObj->ScrollStateH);
    }
    return 1;
  }
  case WM_SIZE:
    ICONVIEW__UpdateScrollState(hObj);
    return 0;
  }
  return 0;
}

} // namespace

const WIDGET_TYPE ICONVIEW__Type = {.pName = "ICONVIEW",
                                    .cb = ICONVIEW_Callback,
                                    .ObjSize = sizeof(ICONVIEW_OBJ),
                                    .TagOffset = offsetof(ICONVIEW_OBJ, DebugId),
                                    .Tag = ICONVIEW_ID,
                                    .InitialState = WIDGET_STATE_FOCUSABLE,
                                    .pfOnMessage = _OnMessage,
                                    .pfOnPaint = _Paint,
                                    .pfOnDelete = _OnDelete};

void ICONVIEW_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&ICONVIEW__Type, pMsg);
}

WM_HWIN ICONVIEW_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int xSizeItem, int ySizeItem, int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj =
      WIDGET__CreateUser(&ICONVIEW__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  ICONVIEW_OBJ* pObj = _Obj(hObj);
  pObj->Widget.pEffect = &WIDGET_Effect_None;
  pObj->Props = {GUI_DEFAULT_FONT, {0xFFFFFF, 0xFF0000, 0xC0C0C0}, {0xFFFFFF, 0xFFFFFF, 0x808080}, 5, 5, 5, 5,
                 GUI_TA_HCENTER | GUI_TA_BOTTOM, 0, 0};
  pObj->xSizeItem = xSizeItem;
  pObj->ySizeItem = ySizeItem;
  pObj->Flags = (U16)ExFlags;
  pObj->Sel = -1;
  GUI_ARRAY hItems = GUI_ARRAY_Create();
  if (!hItems) {
    return WIDGET__CreateFailed(&ICONVIEW__Type, hObj);
  }
  _Obj(hObj)->hItems = hItems;
  WIDGET__FinishCreate(&ICONVIEW__Type, hObj);
  ICONVIEW__SetSel(hObj, 0); // item 0, whenever it comes
  return WM__IsWindow(hObj) ? hObj : 0;
}

WM_HWIN ICONVIEW_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          int xSizeItem, int ySizeItem) {
  return ICONVIEW_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, xSizeItem, ySizeItem, 0);
}

WM_HWIN ICONVIEW_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  U32 Para = (U32)pCreateInfo->Para;
  return ICONVIEW_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                             hParent, pCreateInfo->Flags, 0, pCreateInfo->Id, (int)(Para & 0xFFFF), (int)(Para >> 16),
                             (int)pCreateInfo->NumExtraBytes);
}

ICONVIEW_OBJ* ICONVIEW_LockH(WM_HWIN hObj) {
  return (ICONVIEW_OBJ*)WIDGET__LockH(&ICONVIEW__Type, hObj);
}

void ICONVIEW__UpdateScrollState(WM_HWIN hObj) {
  if (_InScrollUpdate || !WM__IsWindow(hObj)) {
    return;
  }
  _InScrollUpdate = true;
  WM__WATCH Watch(hObj); // a bar whose value changes is told to the parent, which may delete the view
  Grid g = _GetGrid(hObj);
  ICONVIEW_OBJ* pObj = _Obj(hObj);
  bool Need = g.V < g.R;
  int MaxF = Need ? g.R - g.V : 0;
  pObj->ScrollStateV = {g.R, pObj->ScrollStateV.Value > MaxF ? MaxF : pObj->ScrollStateV.Value, g.V};
  WM_SCROLL_STATE State = pObj->ScrollStateV;
  if (pObj->Flags & ICONVIEW_CF_AUTOSCROLLBAR_V) {
    WIDGET__UpdateScrollbar(hObj, 1, Need ? WIDGET_SCROLLBAR_ON : WIDGET_SCROLLBAR_OFF, &State);
  } else if (WM_HWIN hBar = WM_GetScrollbarV(hObj)) {
    const WM_SCROLL_STATE None = {1, 0, 1};
    WM_SetScrollState(hBar, Need ? &State : &None);
  }
  _InScrollUpdate = false;
  if (Watch.Alive()) {
    WM_InvalidateWindow(hObj);
  }
}

void ICONVIEW__SetSel(WM_HWIN hObj, int Sel) {
  ICONVIEW_OBJ* pObj = _Obj(hObj);
  if (pObj->Sel == Sel) {
    return;
  }
  pObj->Sel = Sel;
  if (Sel >= 0) {
    Grid g = _GetGrid(hObj);
    pObj = _Obj(hObj);
    int r = Sel / g.P, F = pObj->ScrollStateV.Value;
    F = r >= F + g.V ? r - g.V + 1 : (r < F ? r : F);
    pObj->ScrollStateV.Value = F > 0 ? F : 0;
    WM_SCROLL_STATE V = pObj->ScrollStateV;
    WM__WATCH Watch(hObj); // the scrolled view is told to the parent, which may delete it
    WIDGET__SetScrollState(hObj, &V, nullptr);
    if (!Watch.Alive()) {
      return;
    }
  }
  WM_InvalidateWindow(hObj);
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SEL_CHANGED);
}
