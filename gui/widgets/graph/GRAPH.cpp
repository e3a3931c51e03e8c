// GRAPH: creation, typed locking, the callback, the scroll state and the lists of attached data objects and
// scales.
#include "GRAPH_Private.h"
#include "SCROLLBAR.h"

namespace {

GRAPH_OBJ* _Obj(WM_HWIN hObj) {
  return (GRAPH_OBJ*)WM_H2P(hObj);
}

GRAPH_PROPS _DefaultProps = {{0x00000000, 0x00C0C0C0, 0x00FFFFFF, 0x00404040}, 50, 50, 0, 0, 0, 0, 0, 0};

// Frees what is attached: data objects through their own delete routine, scales directly.
void _OnDelete(WM_HWIN hObj) {
  GUI_ARRAY hData = _Obj(hObj)->hDataArray;
  GUI_ARRAY hScales = _Obj(hObj)->hScaleArray;
  _Obj(hObj)->hDataArray = _Obj(hObj)->hScaleArray = 0;
  for (int i = 0, n = hData ? GUI_ARRAY_GetNumItems(hData) : 0; i < n; i++) {
    GUI_HMEM* ph = (GUI_HMEM*)GUI_ARRAY_GetpItemLocked(hData, (U32)i);
    GUI_HMEM h = ph ? *ph : 0;
    GUI_ALLOC_UnlockH(&ph);
    if (const GRAPH_OBJ_HEAD* pHead = h ? (const GRAPH_OBJ_HEAD*)GUI_ALLOC_h2p(h) : nullptr) {
      GRAPH_DELETE_FUNC* pfDelete = pHead->pfDelete;
      ((GRAPH_OBJ_HEAD*)pHead)->hGraph = 0; // no longer attached: its delete must not look for the graph
      if (pfDelete) {
        pfDelete(h);
      }
    }
  }
  for (int i = 0, n = hScales ? GUI_ARRAY_GetNumItems(hScales) : 0; i < n; i++) {
    GUI_HMEM* ph = (GUI_HMEM*)GUI_ARRAY_GetpItemLocked(hScales, (U32)i);
    GUI_HMEM h = ph ? *ph : 0;
    GUI_ALLOC_UnlockH(&ph);
    GUI_ALLOC_Free(h);
  }
  GUI_ARRAY_Delete(hData);
  GUI_ARRAY_Delete(hScales);
}

void _OnScrollbarChanged(WM_HWIN hObj, WM_HWIN hSrc) {
  int Id = WM_GetId(hSrc);
  if (Id != GUI_ID_VSCROLL && Id != GUI_ID_HSCROLL) {
    return;
  }
  int v = SCROLLBAR_GetValue(hSrc);
  GRAPH_OBJ* pObj = _Obj(hObj);
  (Id == GUI_ID_VSCROLL ? pObj->ScrollStateV : pObj->ScrollStateH).Value = v;
  WM_InvalidateWindow(hObj);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_PAINT:
    GRAPH__Paint(hObj, (const GUI_RECT*)pMsg->Data.p);
    return 1;
  case WM_SIZE:
    GRAPH__RecalcScrollState(hObj);
    return 0;
  case WM_NOTIFY_PARENT:
    if (pMsg->Data.v == WM_NOTIFICATION_VALUE_CHANGED && pMsg->hWinSrc && WM_GetParent(pMsg->hWinSrc) == hObj) {
      _OnScrollbarChanged(hObj, pMsg->hWinSrc);
    }
    return 0;
  }
  return 0;
}

} // namespace

const WIDGET_TYPE GRAPH__Type = {.pName = "GRAPH",
                                 .cb = GRAPH_Callback,
                                 .ObjSize = sizeof(GRAPH_OBJ),
                                 .TagOffset = offsetof(GRAPH_OBJ, DebugId),
                                 .Tag = GRAPH_ID,
                                 .pDefaultProps = &_DefaultProps,
                                 .PropsOffset = offsetof(GRAPH_OBJ, Props),
                                 .PropsSize = sizeof(GRAPH_PROPS),
                                 .pfOnMessage = _OnMessage,
                                 .pfOnDelete = _OnDelete,
                                 .pfOnEffect = GRAPH__RecalcScrollState};

void GRAPH_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&GRAPH__Type, pMsg);
}

WM_HWIN GRAPH_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                         int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&GRAPH__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_ARRAY hData = GUI_ARRAY_Create();
  GUI_ARRAY hScales = hData ? GUI_ARRAY_Create() : 0;
  GRAPH_OBJ* pObj = _Obj(hObj);
  pObj->hDataArray = hData;
  pObj->hScaleArray = hScales;
  if (!hScales) {
    return WIDGET__CreateFailed(&GRAPH__Type, hObj);
  }
  pObj->Flags = (U16)ExFlags;
  return WIDGET__FinishCreate(&GRAPH__Type, hObj);
}

WM_HWIN GRAPH_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return GRAPH_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN GRAPH_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return GRAPH_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN GRAPH_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  return WIDGET__CreateIndirect(GRAPH_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

GRAPH_OBJ* GRAPH_LockH(WM_HWIN hObj) {
  return (GRAPH_OBJ*)WIDGET__LockH(&GRAPH__Type, hObj);
}

GRAPH_OBJ* GRAPH__Obj(WM_HWIN hGraph) {
  // A stale graph handle may by now name another window: only a window with the graph's callback is asked.
  if (!hGraph || !WM__IsWindow(hGraph) || WM_H2P(hGraph)->cb != GRAPH_Callback) {
    return nullptr;
  }
  return (GRAPH_OBJ*)WIDGET__GetObj(&GRAPH__Type, hGraph);
}

void GRAPH__GetGeometry(WM_HWIN hGraph, GRAPH_GEOMETRY* pGeo) {
  WM_GetInsideRectExScrollbar(hGraph, &pGeo->Inside);
  const GRAPH_OBJ* pObj = _Obj(hGraph);
  const GRAPH_PROPS& p = pObj->Props;
  pGeo->Data = {WM__ClampI16(pGeo->Inside.x0 + p.BorderL), WM__ClampI16(pGeo->Inside.y0 + p.BorderT),
                WM__ClampI16(pGeo->Inside.x1 - p.BorderR), WM__ClampI16(pGeo->Inside.y1 - p.BorderB)};
  pGeo->EffectSize = pObj->Widget.pEffect ? pObj->Widget.pEffect->EffectSize : 0;
}

void GRAPH__InvalidateGraph(WM_HWIN hGraph) {
  if (GRAPH__Obj(hGraph)) {
    WM_InvalidateWindow(hGraph);
  }
}

void GRAPH__InvalidateDataArea(WM_HWIN hGraph) {
  if (!GRAPH__Obj(hGraph)) {
    return;
  }
  GRAPH_GEOMETRY Geo;
  GRAPH__GetGeometry(hGraph, &Geo);
  WM_InvalidateRect(hGraph, &Geo.Data);
}

void GRAPH__RecalcScrollState(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (!GRAPH__Obj(hObj)) {
    return;
  }
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hObj, &r);
  GRAPH_OBJ* pObj = _Obj(hObj);
  const GRAPH_PROPS p = pObj->Props;
  int Flags = pObj->Flags;
  int VisibleY = (r.y1 - r.y0) - p.BorderT - p.BorderB;
  if (!(Flags & GRAPH_CF_AVOID_SCROLLBAR_V)) {
    WM_SetScrollbarV(hObj, VisibleY < pObj->VirtualSizeY);
  }
  pObj = _Obj(hObj);
  pObj->ScrollStateV.NumItems = pObj->VirtualSizeY;
  pObj->ScrollStateV.PageSize = VisibleY;
  int VisibleX = (r.x1 - r.x0) - p.BorderL - p.BorderR;
  if (!(Flags & GRAPH_CF_AVOID_SCROLLBAR_H)) {
    WM_SetScrollbarH(hObj, VisibleX < pObj->VirtualSizeX);
  }
  pObj = _Obj(hObj);
  pObj->ScrollStateH.NumItems = pObj->VirtualSizeX;
  pObj->ScrollStateH.PageSize = VisibleX;
  WM_CheckScrollBounds(&pObj->ScrollStateV);
  WM_CheckScrollBounds(&pObj->ScrollStateH);
  WM_SCROLL_STATE V = pObj->ScrollStateV, H = pObj->ScrollStateH;
  WIDGET__SetScrollState(hObj, &V, &H);
}

namespace {

// The array of attached objects of one kind; -> the index of h in it, or -1.
int _Find(GUI_ARRAY hArray, GUI_HMEM h) {
  for (int i = 0, n = hArray ? GUI_ARRAY_GetNumItems(hArray) : 0; i < n; i++) {
    GUI_HMEM* ph = (GUI_HMEM*)GUI_ARRAY_GetpItemLocked(hArray, (U32)i);
    bool Same = ph && *ph == h;
    GUI_ALLOC_UnlockH(&ph);
    if (Same) {
      return i;
    }
  }
  return -1;
}

// Whether the object is in the list of the graph its record names: attaching it again would paint it twice
// and free it twice.
bool _IsAttached(GUI_HMEM h, bool Scale) {
  const GRAPH_OBJ_HEAD* pHead = (const GRAPH_OBJ_HEAD*)GUI_ALLOC_h2p(h);
  const GRAPH_OBJ* pGraph = GRAPH__Obj(pHead->hGraph);
  return pGraph && _Find(Scale ? pGraph->hScaleArray : pGraph->hDataArray, h) >= 0;
}

void _Attach(WM_HWIN hObj, GUI_HMEM h, bool Scale) {
  WM__LockGuard Lock;
  if (!hObj || !h || !WIDGET__GetObj(&GRAPH__Type, hObj)) {
    return;
  }
  bool Ok = Scale ? GRAPH__GetObj(h, GRAPH_SCALE_ID, "GRAPH_AttachScale") != nullptr
                  : (GUI_ALLOC_GetSize(h) >= (I32)sizeof(GRAPH_OBJ_HEAD) &&
                     (((const GRAPH_OBJ_HEAD*)GUI_ALLOC_h2p(h))->Tag == GRAPH_POINTS_ID ||
                      ((const GRAPH_OBJ_HEAD*)GUI_ALLOC_h2p(h))->Tag == GRAPH_VALUES_ID));
  if (!Ok || _IsAttached(h, Scale)) {
    return;
  }
  GUI_ARRAY hArray = Scale ? _Obj(hObj)->hScaleArray : _Obj(hObj)->hDataArray;
  if (GUI_ARRAY_AddItem(hArray, &h, sizeof(h))) {
    return;
  }
  ((GRAPH_OBJ_HEAD*)GUI_ALLOC_h2p(h))->hGraph = hObj;
  WM_InvalidateWindow(hObj);
}

void _Detach(WM_HWIN hObj, GUI_HMEM h, bool Scale) {
  WM__LockGuard Lock;
  if (!hObj || !WIDGET__GetObj(&GRAPH__Type, hObj)) {
    return;
  }
  GUI_ARRAY hArray = Scale ? _Obj(hObj)->hScaleArray : _Obj(hObj)->hDataArray;
  int i = _Find(hArray, h);
  if (i >= 0) {
    GUI_ARRAY_DeleteItem(hArray, (U32)i);
  }
  WM_InvalidateWindow(hObj);
}

} // namespace

void GRAPH_AttachData(WM_HWIN hObj, GRAPH_DATA_Handle hData) {
  _Attach(hObj, hData, false);
}

void GRAPH_DetachData(WM_HWIN hObj, GRAPH_DATA_Handle hData) {
  _Detach(hObj, hData, false);
}

void GRAPH_AttachScale(WM_HWIN hObj, GRAPH_SCALE_Handle hScale) {
  _Attach(hObj, hScale, true);
}

void GRAPH_DetachScale(WM_HWIN hObj, GRAPH_SCALE_Handle hScale) {
  _Detach(hObj, hScale, true);
}
