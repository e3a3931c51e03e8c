// RADIO: creation, typed locking, the callback with its key and pointer handling, and selection across a
// group of sibling radio widgets.
#include "RADIO.h"

namespace {

typedef void SET_VALUE_FUNC(WM_HWIN hObj, int v);

RADIO_OBJ* _Obj(WM_HWIN hObj) {
  return (RADIO_OBJ*)WM_H2P(hObj);
}

// The group a window belongs to: what it answers to WM_GET_RADIOGROUP (0: none).
int _GetGroup(WM_HWIN hWin) {
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_GET_RADIOGROUP;
  WM_SendMessage(hWin, &Msg);
  return (int)Msg.Data.v;
}

bool _IsMember(WM_HWIN hWin, int GroupId) {
  return GroupId && WM__IsEnabled(hWin) && _GetGroup(hWin) == GroupId;
}

// The focus and the selection move from hObj to the member h of its group, taking item v there. Each step
// notifies, and the parent may delete either widget meanwhile.
void _MoveToMember(WM_HWIN hObj, WM_HWIN h, int v) {
  WM__WATCH Watch(hObj), WatchMember(h);
  WM_SetFocus(h);
  if (WatchMember.Alive()) {
    RADIO__SetValue(h, v);
  }
  if (Watch.Alive()) {
    RADIO__SetValue(hObj, -1);
  }
}

// Selection across the group: stepping before the first item or after the last moves to the neighbouring
// enabled member; selecting an item clears the selection of every other member.
void _SetValueGroup(WM_HWIN hObj, int v) {
  const RADIO_OBJ* pObj = _Obj(hObj);
  int GroupId = pObj->GroupId;
  if (v < 0) {
    for (WM_HWIN h = WM_GetPrevSibling(hObj); h; h = WM_GetPrevSibling(h)) {
      if (_IsMember(h, GroupId)) {
        _MoveToMember(hObj, h, 32767);
        return;
      }
    }
    return;
  }
  if (v >= pObj->NumItems) {
    for (WM_HWIN h = WM_GetNextSibling(hObj); h; h = WM_GetNextSibling(h)) {
      if (_IsMember(h, GroupId)) {
        _MoveToMember(hObj, h, 0);
        return;
      }
    }
    return;
  }
  if (v == pObj->Sel) {
    return;
  }
  // Every member told of its cleared selection may let the parent delete it, or this widget; the walk goes
  // on from the sibling that came next, as long as that one is still there.
  WM__WATCH Watch(hObj);
  for (WM_HWIN h = WM_GetFirstChild(WM_GetParent(hObj)); h;) {
    WM_HWIN hNext = WM_GetNextSibling(h);
    WM__WATCH WatchNext(hNext);
    if (h != hObj && _GetGroup(h) == GroupId) {
      RADIO__SetValue(h, -1);
      if (!Watch.Alive()) {
        return;
      }
    }
    h = WatchNext.Alive() ? hNext : 0;
  }
  RADIO__SetValue(hObj, v);
}

SET_VALUE_FUNC* _pfSetValueGroup;

void _OnKey(WM_HWIN hObj, const GUI_KEY_MSG* pKey) {
  int Step = WIDGET__ArrowStep(pKey, 1);
  if (Step > 0) {
    RADIO_Inc(hObj);
  } else if (Step < 0) {
    RADIO_Dec(hObj);
  }
}

void _OnDelete(WM_HWIN hObj) {
  RADIO_OBJ* pObj = _Obj(hObj);
  GUI_ARRAY hItems = pObj->hItems;
  pObj->hItems = 0;
  GUI_ARRAY_Delete(hItems);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_GET_RADIOGROUP) {
    return 0;
  }
  pMsg->Data.v = _Obj(hObj)->GroupId;
  return 1;
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  WM__WATCH Watch(hObj);
  if (!WIDGET__NotifyPointer(hObj, pState)) {
    if (pState && Watch.Alive()) { // a release leaves the Id as the pending key
      GUI_StoreKey(_Obj(hObj)->Widget.Id);
    }
    return;
  }
  const RADIO_OBJ* pObj = _Obj(hObj);
  int Spacing = pObj->Spacing ? pObj->Spacing : 1;
  int Row = pState->y / Spacing;
  const RADIO_SKIN_PRIVATE* pPrivate = (const RADIO_SKIN_PRIVATE*)pObj->pSkin->pSkinPrivate;
  int HitHeight = pObj->GroupId ? WM_GetWindowSizeY(hObj) : pPrivate->pfGetButtonSize(hObj) + 4;
  if (Row >= 0 && pState->y - Row * Spacing <= HitHeight) {
    RADIO_SetValue(hObj, Row);
  }
  if (Watch.Alive() && (_Obj(hObj)->Widget.State & WIDGET_STATE_FOCUSABLE)) {
    WM_SetFocus(hObj);
  }
  if (Watch.Alive()) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
  }
}

} // namespace

const WIDGET_TYPE RADIO__Type = {.pName = "RADIO",
                                 .cb = RADIO_Callback,
                                 .ObjSize = sizeof(RADIO_OBJ),
                                 .TagOffset = offsetof(RADIO_OBJ, DebugId),
                                 .Tag = RADIO_ID,
                                 .StyleBits = WM_CF_HASTRANS,
                                 .InitialState = WIDGET_STATE_FOCUSABLE,
                                 .pDefaultProps = &RADIO__DefaultProps,
                                 .PropsOffset = offsetof(RADIO_OBJ, Props),
                                 .PropsSize = sizeof(RADIO_PROPS),
                                 .ppDefaultSkin = &RADIO__pDefaultSkin,
                                 .SkinOffset = offsetof(RADIO_OBJ, pSkin),
                                 .DrawSkinOffset = offsetof(RADIO_OBJ, Props.SkinPrivate.pfDrawSkin),
                                 .pfOnMessage = _OnMessage,
                                 .pfOnDelete = _OnDelete,
                                 .pfOnKey = _OnKey,
                                 .pfOnPointer = _OnPointer};

void RADIO__SetValue(WM_HWIN hObj, int v) {
  RADIO_OBJ* pObj = (RADIO_OBJ*)WIDGET__GetObj(&RADIO__Type, hObj);
  if (!pObj) {
    return;
  }
  if (v >= pObj->NumItems) {
    v = pObj->NumItems - 1;
  }
  if (v < -1) {
    v = -1;
  }
  if (v == pObj->Sel) {
    return;
  }
  pObj->Sel = (I16)v;
  WM_InvalidateWindow(hObj);
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
}

void RADIO_SetValue(WM_HWIN hObj, int v) {
  WM__LockGuard Lock;
  RADIO_OBJ* pObj = (RADIO_OBJ*)WIDGET__GetObj(&RADIO__Type, hObj);
  if (!pObj) {
    return;
  }
  if (!pObj->GroupId || !_pfSetValueGroup) {
    RADIO__SetValue(hObj, v < 0 ? 0 : v);
  } else {
    _pfSetValueGroup(hObj, v);
  }
}

int RADIO_GetValue(WM_HWIN hObj) {
  return WIDGET__Read<RADIO_OBJ>(&RADIO__Type, hObj, 0, [](RADIO_OBJ* pObj) { return (int)pObj->Sel; });
}

void RADIO_Inc(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (RADIO_OBJ* pObj = (RADIO_OBJ*)WIDGET__GetObj(&RADIO__Type, hObj)) {
    RADIO_SetValue(hObj, pObj->Sel + 1);
  }
}

void RADIO_Dec(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (RADIO_OBJ* pObj = (RADIO_OBJ*)WIDGET__GetObj(&RADIO__Type, hObj)) {
    RADIO_SetValue(hObj, pObj->Sel - 1);
  }
}

void RADIO_SetGroupId(WM_HWIN hObj, U8 NewGroupId) {
  WM__LockGuard Lock;
  RADIO_OBJ* pObj = (RADIO_OBJ*)WIDGET__GetObj(&RADIO__Type, hObj);
  if (!pObj || pObj->GroupId == NewGroupId) {
    return;
  }
  if (NewGroupId) {
    _pfSetValueGroup = _SetValueGroup;
  }
  int OldGroupId = pObj->GroupId;
  WM__WATCH Watch(hObj);
  if (OldGroupId && pObj->Sel >= 0) {
    // The group keeps a selection: its first enabled remaining member takes item 0.
    pObj->GroupId = 0;
    for (WM_HWIN h = WM_GetFirstChild(WM_GetParent(hObj)); h; h = WM_GetNextSibling(h)) {
      if (h != hObj && _IsMember(h, OldGroupId)) {
        RADIO__SetValue(h, 0);
        break;
      }
    }
    if (!Watch.Alive()) {
      return;
    }
  }
  bool Taken = false;
  for (WM_HWIN h = WM_GetFirstChild(WM_GetParent(hObj)); h && !Taken; h = WM_GetNextSibling(h)) {
    Taken = h != hObj && _IsMember(h, NewGroupId);
  }
  if (Taken) {
    RADIO__SetValue(hObj, -1);
  } else if (_Obj(hObj)->Sel < 0) {
    RADIO__SetValue(hObj, 0);
  }
  if (Watch.Alive()) {
    _Obj(hObj)->GroupId = NewGroupId;
  }
}

void RADIO_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&RADIO__Type, pMsg);
}

WM_HWIN RADIO_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                         int NumItems, int Spacing, int NumExtraBytes) {
  WM__LockGuard Lock;
  if (Spacing < 1) {
    Spacing = 20;
  }
  if (NumItems < 1) {
    NumItems = 2;
  }
  const GUI_BITMAP* pBm = RADIO__DefaultProps.apBmButton[RADIO_BI_INACTIV];
  if (!ySize) {
    ySize = (pBm ? pBm->YSize : 0) + 4 + (NumItems - 1) * Spacing;
  }
  if (!xSize) {
    xSize = (pBm ? pBm->XSize : 0) + 4;
  }
  WM_HWIN hObj = WIDGET__CreateUser(&RADIO__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_ARRAY hItems = WIDGET__CreateItems(NumItems);
  if (!hItems) {
    return WIDGET__CreateFailed(&RADIO__Type, hObj);
  }
  RADIO_OBJ* pObj = _Obj(hObj);
  pObj->Props.BkColor = WM_GetBkColor(WM_GetParent(hObj));
  pObj->Widget.State = (U16)(WIDGET_STATE_FOCUSABLE | (ExFlags & 0x100));
  pObj->hItems = hItems;
  pObj->NumItems = (U16)NumItems;
  pObj->Spacing = (U16)Spacing;
  pObj->Sel = 0;
  return WIDGET__FinishCreate(&RADIO__Type, hObj);
}

WM_HWIN RADIO_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                       int NumItems, int Spacing) {
  return RADIO_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, NumItems, Spacing, 0);
}

WM_HWIN RADIO_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags, unsigned Para) {
  return RADIO_CreateEx(x0, y0, xSize, ySize, hParent, Flags, 0, Id, (int)(Para & 0xFF), (int)((Para >> 8) & 0xFF));
}

WM_HWIN RADIO_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  return RADIO_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                          hParent, pCreateInfo->Flags, 0, pCreateInfo->Id, (int)(pCreateInfo->Para & 0xFF),
                          (int)((pCreateInfo->Para >> 8) & 0xFF), (int)pCreateInfo->NumExtraBytes);
}

RADIO_OBJ* RADIO_LockH(WM_HWIN hObj) {
  return (RADIO_OBJ*)WIDGET__LockH(&RADIO__Type, hObj);
}
