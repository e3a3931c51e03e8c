// MENU: geometry. Item sizes from the texts, the borders and the fixed sizes; the natural size of the menu;
// item positions and the item under a point; the item state that picks the colours; whether a menu is a
// top-level one; and the WM_MENU messages between menus and their owners.
#include "MENU.h"

namespace {

bool _Vertical(WM_HWIN hObj) {
  return MENU__Obj(hObj)->Flags & MENU_CF_VERTICAL;
}

int _LineDist(WM_HWIN hObj) {
  return GUI_GetYDistOfFont(MENU__Obj(hObj)->Props.pFont);
}

} // namespace

intptr_t MENU__SendMenuMessage(WM_HWIN hDest, WM_HWIN hSrc, U16 MsgType, U16 ItemId) {
  if (!hDest || !WM__IsWindow(hDest)) {
    return 0;
  }
  MENU_MSG_DATA Data = {MsgType, ItemId};
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_MENU;
  Msg.hWinSrc = hSrc;
  Msg.Data.p = &Data;
  WM_SendMessage(hDest, &Msg);
  return Msg.Data.p == &Data ? 0 : Msg.Data.v;
}

int MENU__IsTopLevel(WM_HWIN hObj) {
  MENU_OBJ* pObj = MENU__Obj(hObj);
  WM_HWIN hOwner = pObj->hOwner ? pObj->hOwner : WM_GetParent(hObj);
  if (!hOwner) {
    return 1;
  }
  return MENU__SendMenuMessage(hOwner, hObj, MENU_IS_MENU, 0) ? 0 : 1;
}

int MENU__GetEffectSize(WM_HWIN hObj) {
  const MENU_OBJ* pObj = MENU__Obj(hObj);
  if (!(pObj->Flags & MENU_SF_POPUP) && MENU__IsTopLevel(hObj)) {
    return 0; // a menu bar draws no frame
  }
  return MENU__Obj(hObj)->Widget.pEffect->EffectSize;
}

int MENU__GetItemWidth(WM_HWIN hObj, int Index) {
  const MENU_OBJ* pObj = MENU__Obj(hObj);
  if (_Vertical(hObj) && pObj->FixedXSize) {
    return pObj->FixedXSize - 2 * MENU__GetEffectSize(hObj);
  }
  MENU_ITEM Item;
  if (!MENU__GetItem(hObj, Index, &Item)) {
    return 0;
  }
  pObj = MENU__Obj(hObj);
  int w = (!_Vertical(hObj) && (Item.Flags & MENU_IF_SEPARATOR)) ? 3 : Item.TextWidth;
  return w + pObj->Props.aBorder[MENU_BI_LEFT] + pObj->Props.aBorder[MENU_BI_RIGHT];
}

int MENU__GetItemHeight(WM_HWIN hObj, int Index) {
  const MENU_OBJ* pObj = MENU__Obj(hObj);
  if (!_Vertical(hObj) && pObj->FixedYSize) {
    return pObj->FixedYSize - 2 * MENU__GetEffectSize(hObj);
  }
  MENU_ITEM Item;
  if (!MENU__GetItem(hObj, Index, &Item)) {
    return 0;
  }
  pObj = MENU__Obj(hObj);
  int h = (_Vertical(hObj) && (Item.Flags & MENU_IF_SEPARATOR)) ? 3 : _LineDist(hObj);
  return h + pObj->Props.aBorder[MENU_BI_TOP] + pObj->Props.aBorder[MENU_BI_BOTTOM];
}

int MENU__GetNaturalWidth(WM_HWIN hObj) {
  int n = MENU__GetNumItems(hObj), w = 0;
  for (int i = 0; i < n; i++) {
    int wi = MENU__GetItemWidth(hObj, i);
    w = _Vertical(hObj) ? (wi > w ? wi : w) : w + wi;
  }
  if (_Vertical(hObj)) {
    MENU_OBJ* pObj = MENU__Obj(hObj);
    pObj->ArrowSize = (pObj->Flags & MENU_SF_ARROW) ? ((_LineDist(hObj) * 2 / 3) | 1) : 0;
    w += pObj->ArrowSize;
  }
  return w + 2 * MENU__GetEffectSize(hObj);
}

int MENU__GetNaturalHeight(WM_HWIN hObj) {
  int n = MENU__GetNumItems(hObj), h = 0;
  for (int i = 0; i < n; i++) {
    int hi = MENU__GetItemHeight(hObj, i);
    h = _Vertical(hObj) ? h + hi : (hi > h ? hi : h);
  }
  return h + 2 * MENU__GetEffectSize(hObj);
}

void MENU__GetItemPos(WM_HWIN hObj, int Index, int* px, int* py) {
  int e = MENU__GetEffectSize(hObj);
  int Sum = 0;
  for (int i = 0; i < Index; i++) {
    Sum += _Vertical(hObj) ? MENU__GetItemHeight(hObj, i) : MENU__GetItemWidth(hObj, i);
  }
  *px = _Vertical(hObj) ? e : e + Sum;
  *py = _Vertical(hObj) ? e + Sum : e;
}

void MENU__Resize(WM_HWIN hObj) {
  const MENU_OBJ* pObj = MENU__Obj(hObj);
  int xSize = pObj->FixedXSize ? pObj->FixedXSize : MENU__GetNaturalWidth(hObj);
  int ySize = MENU__Obj(hObj)->FixedYSize ? MENU__Obj(hObj)->FixedYSize : MENU__GetNaturalHeight(hObj);
  // A size of 0 would stand for the parent's size: an empty menu keeps one pixel.
  WM_SetSize(hObj, xSize > 0 ? xSize : 1, ySize > 0 ? ySize : 1);
  WM_InvalidateWindow(hObj);
}

int MENU__HitTest(WM_HWIN hObj, int x, int y);
int MENU__HitTest(WM_HWIN hObj, int x, int y) {
  const MENU_OBJ* pObj = MENU__Obj(hObj);
  int NatW = MENU__GetNaturalWidth(hObj), NatH = MENU__GetNaturalHeight(hObj);
  pObj = MENU__Obj(hObj);
  int w = pObj->FixedXSize && pObj->FixedXSize < NatW ? pObj->FixedXSize : NatW;
  int h = pObj->FixedYSize && pObj->FixedYSize < NatH ? pObj->FixedYSize : NatH;
  int e = MENU__GetEffectSize(hObj);
  x -= e;
  y -= e;
  if (x < 0 || y < 0 || x >= w - 2 * e || y >= h - 2 * e) {
    return -1;
  }
  int n = MENU__GetNumItems(hObj), Sum = 0;
  for (int i = 0; i < n; i++) {
    Sum += _Vertical(hObj) ? MENU__GetItemHeight(hObj, i) : MENU__GetItemWidth(hObj, i);
    if (Sum > (_Vertical(hObj) ? y : x)) {
      return i;
    }
  }
  return -1;
}

int MENU__GetItemState(WM_HWIN hObj, int Index) {
  const MENU_OBJ* pObj = MENU__Obj(hObj);
  MENU_ITEM Item;
  if (!MENU__GetItem(hObj, Index, &Item)) {
    return MENU_CI_ENABLED;
  }
  pObj = MENU__Obj(hObj);
  int State;
  if (pObj->IsSubmenuActive && Index == pObj->Sel) {
    State = MENU_CI_ACTIVE_SUBMENU;
  } else if (Item.Flags & MENU_IF_SEPARATOR) {
    State = MENU_CI_ENABLED;
  } else {
    State = Index == pObj->Sel ? MENU_CI_SELECTED : MENU_CI_ENABLED;
  }
  if (Item.Flags & MENU_IF_DISABLED) {
    State = (pObj->Flags & MENU_CF_HIDE_DISABLED_SEL) ? MENU_CI_DISABLED : (State & 1) + MENU_CI_DISABLED;
  }
  return State;
}
