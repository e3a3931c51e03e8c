// MENU: creation, typed locking, the callback, user data, owner, attaching, popups and the looks' settings
// and module defaults. Indexes outside their tables are ignored.
#include "MENU.h"

namespace {

using _Access = WIDGET_ACCESS<MENU_OBJ, &MENU__Type>;

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_MENU:
    MENU__OnMenuMessage(hObj, pMsg);
    return 1;
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    return pKey && pKey->PressedCnt > 0 && MENU__OnKey(hObj, pKey->Key) == 0;
  }
  case WM_POINTER:
  case WM_POINTER_HOVER:
    MENU__OnPointerMessage(hObj, pMsg);
    return 1;
  case WM_DELETE:
    MENU__DeleteItems(hObj);
    return 0;
  }
  return 0;
}

} // namespace

MENU_PROPS MENU__DefaultProps = {{0x000000, 0xFFFFFF, 0x7C7C7C, 0xD3D3D3, 0xFFFFFF},
                                 {0xD3D3D3, 0x980000, 0xD3D3D3, 0x980000, 0x7C7C7C},
                                 {4, 4, 2, 2},
                                 &GUI_Font13,
                                 nullptr};
const WIDGET_SKIN* MENU__pDefaultSkin = &MENU__SkinClassic;
const WIDGET_EFFECT* MENU__pDefaultEffect = &WIDGET_Effect_Simple;

const WIDGET_TYPE MENU__Type = {.pName = "MENU",
                                .cb = MENU_Callback,
                                .ObjSize = sizeof(MENU_OBJ),
                                .TagOffset = offsetof(MENU_OBJ, DebugId),
                                .Tag = MENU_ID,
                                .StyleBits = WM_CF_STAYONTOP | WM_CF_SHOW,
                                .InitialState = WIDGET_STATE_FOCUSABLE,
                                .pDefaultProps = &MENU__DefaultProps,
                                .PropsOffset = offsetof(MENU_OBJ, Props),
                                .PropsSize = sizeof(MENU_PROPS),
                                .ppDefaultSkin = &MENU__pDefaultSkin,
                                .SkinOffset = offsetof(MENU_OBJ, pSkin),
                                .DrawSkinOffset = offsetof(MENU_OBJ, Props.pfDrawSkin),
                                .pfOnMessage = _OnMessage};

MENU_OBJ* MENU__Obj(WM_HWIN hObj) {
  return (MENU_OBJ*)WM_H2P(hObj);
}

void MENU_Callback(WM_MESSAGE* pMsg) {
  WM_HWIN hObj = pMsg->hWin;
  if (!WM__IsWindow(hObj)) {
    return;
  }
  if (pMsg->MsgId == WM_POINTER_STATE_CHANGED) {
    MENU__OnPointerMessage(hObj, pMsg);
    return;
  }
  // The focus messages and what the menu announces may have its owner delete it.
  WM__WATCH Watch(hObj);
  U16 Before = WIDGET_GetState(hObj);
  if (!WIDGET_HandleActive(hObj, pMsg)) {
    U16 After = Watch.Alive() ? WIDGET_GetState(hObj) : Before;
    if ((Before ^ After) & WIDGET_STATE_FOCUS) {
      MENU__OnFocusChanged(hObj, After & WIDGET_STATE_FOCUS);
    }
    return;
  }
  if (_OnMessage(hObj, pMsg)) {
    return;
  }
  if (pMsg->MsgId == WM_PAINT) {
    WIDGET__PaintSkin(&MENU__Type, hObj);
    return;
  }
  if (Watch.Alive()) {
    WM_DefaultProc(pMsg);
  }
}

WM_HWIN MENU_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&MENU__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_ARRAY hItems = GUI_ARRAY_Create();
  if (!hItems) {
    WM_DeleteWindow(hObj);
    GUI_Warn("MENU:\nMENU_CreateUser() failed");
    return 0;
  }
  MENU_OBJ* pObj = MENU__Obj(hObj);
  pObj->hItems = hItems;
  pObj->Flags = (U16)(ExFlags & 0x0F);
  if (ExFlags & MENU_CF_OPEN_ON_POINTER) {
    pObj->Flags |= MENU_SF_ACTIVE;
  }
  pObj->FixedXSize = xSize > 0 ? xSize : 0;
  pObj->FixedYSize = ySize > 0 ? ySize : 0;
  pObj->Sel = -1;
  WIDGET__FinishCreate(&MENU__Type, hObj);
  WIDGET_SetEffect(hObj, MENU__pDefaultEffect);
  WIDGET__FinishCreate(&MENU__Type, hObj);
  MENU__Resize(hObj);
  return hObj;
}

WM_HWIN MENU_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return MENU_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN MENU_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  return WIDGET__CreateIndirect(MENU_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

MENU_OBJ* MENU_LockH(WM_HWIN hObj) {
  return (MENU_OBJ*)WIDGET__LockH(&MENU__Type, hObj);
}

int MENU_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&MENU__Type, hObj, pDest, NumBytes);
}

int MENU_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&MENU__Type, hObj, pSrc, NumBytes);
}

int MENU_SetSel(WM_HWIN hObj, int Index) {
  int Old = -1;
  _Access::Change(hObj, [&](MENU_OBJ* pObj) {
    Old = pObj->Sel;
    if (Index < MENU__GetNumItems(hObj)) {
      pObj->Sel = Index;
      return true;
    }
    return false;
  });
  return Old;
}

void MENU_SetOwner(WM_HWIN hObj, WM_HWIN hOwner) {
  _Access::Change(hObj, [&](MENU_OBJ* pObj) { return WIDGET__Store(&pObj->hOwner, hOwner) && false; });
}

WM_HWIN MENU_GetOwner(WM_HWIN hObj) {
  return _Access::Read(hObj, (WM_HWIN)0,
                       [&](MENU_OBJ* pObj) { return pObj->hOwner ? pObj->hOwner : WM_GetParent(hObj); });
}

void MENU_Attach(WM_HWIN hObj, WM_HWIN hDestWin, int x, int y, int xSize, int ySize) {
  WM__LockGuard Lock;
  MENU_OBJ* pObj = (MENU_OBJ*)WIDGET__GetObj(&MENU__Type, hObj);
  if (!pObj) {
    return;
  }
  pObj->FixedXSize = xSize > 0 ? xSize : 0;
  pObj->FixedYSize = ySize > 0 ? ySize : 0;
  WM_AttachWindowAt(hObj, hDestWin, x, y);
  MENU__Resize(hObj);
}

void MENU_Popup(WM_HWIN hObj, WM_HWIN hOwner, int x, int y, int xSize, int ySize) {
  WM__LockGuard Lock;
  MENU_OBJ* pObj = (MENU_OBJ*)WIDGET__GetObj(&MENU__Type, hObj);
  if (!pObj || !hOwner || !WM__IsWindow(hOwner)) {
    return;
  }
  pObj->Flags |= MENU_SF_POPUP;
  pObj->FixedXSize = xSize > 0 ? xSize : 0;
  pObj->FixedYSize = ySize > 0 ? ySize : 0;
  pObj->hOwner = hOwner;
  MENU__OnPopup(hObj, hOwner, x, y);
}

void MENU_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  WM__LockGuard Lock;
  MENU_OBJ* pObj = (MENU_OBJ*)WIDGET__GetObj(&MENU__Type, hObj);
  if (!pObj || !pFont || pObj->Props.pFont == pFont) {
    return;
  }
  pObj->Props.pFont = pFont;
  const GUI_FONT* pOld = GUI_SetFont(pFont);
  for (int i = 0; i < MENU__GetNumItems(hObj); i++) {
    MENU_ITEM* pItem = (MENU_ITEM*)GUI_ARRAY_GetpItemLocked(MENU__Obj(hObj)->hItems, (U32)i);
    if (pItem) {
      pItem->TextWidth = GUI_GetStringDistX(pItem->acText);
      GUI_ALLOC_UnlockH(&pItem);
    }
  }
  GUI_SetFont(pOld);
  MENU__Resize(hObj);
}

void MENU_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 5) {
    _Access::Change(hObj, [&](MENU_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aTextColor[Index], Color); });
  }
}

void MENU_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 5) {
    _Access::Change(hObj, [&](MENU_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aBkColor[Index], Color); });
  }
}

void MENU_SetBorderSize(WM_HWIN hObj, unsigned Index, U8 BorderSize) {
  if (Index >= 4) {
    return;
  }
  WM__LockGuard Lock;
  bool Changed = false;
  _Access::Change(hObj, [&](MENU_OBJ* pObj) { return Changed = WIDGET__Store(&pObj->Props.aBorder[Index], BorderSize); });
  if (Changed) {
    MENU__Resize(hObj);
  }
}

void MENU_SetDefaultTextColor(unsigned Index, GUI_COLOR Color) {
  if (Index < 5) {
    WIDGET__SetDefault(&MENU__DefaultProps.aTextColor[Index], Color);
  }
}

GUI_COLOR MENU_GetDefaultTextColor(unsigned Index) {
  return Index < 5 ? MENU__DefaultProps.aTextColor[Index] : WM_NO_COLOR;
}

void MENU_SetDefaultBkColor(unsigned Index, GUI_COLOR Color) {
  if (Index < 5) {
    WIDGET__SetDefault(&MENU__DefaultProps.aBkColor[Index], Color);
  }
}

GUI_COLOR MENU_GetDefaultBkColor(unsigned Index) {
  return Index < 5 ? MENU__DefaultProps.aBkColor[Index] : WM_NO_COLOR;
}

void MENU_SetDefaultBorderSize(unsigned Index, U8 BorderSize) {
  if (Index < 4) {
    WIDGET__SetDefault(&MENU__DefaultProps.aBorder[Index], BorderSize);
  }
}

U8 MENU_GetDefaultBorderSize(unsigned Index) {
  return Index < 4 ? MENU__DefaultProps.aBorder[Index] : 0;
}

void MENU_SetDefaultFont(const GUI_FONT* pFont) {
  if (pFont) {
    WIDGET__SetDefault(&MENU__DefaultProps.pFont, pFont);
  }
}

void MENU_SetDefaultEffect(const WIDGET_EFFECT* pEffect) {
  if (pEffect) {
    WIDGET__SetDefault(&MENU__pDefaultEffect, pEffect);
  }
}
