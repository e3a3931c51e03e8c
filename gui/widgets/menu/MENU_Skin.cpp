// MENU: the classic look (item texts on flat colour fields by item state, grey separator lines, the frame
// of submenus and popups) and the skin operations. The paint reads the state and never changes it.
#include "MENU.h"

namespace {

void _PaintClassic(WM_HWIN hObj) {
  int e = MENU__GetEffectSize(hObj);
  int NatW = MENU__GetNaturalWidth(hObj), NatH = MENU__GetNaturalHeight(hObj);
  const MENU_OBJ* pObj = MENU__Obj(hObj);
  bool Vertical = pObj->Flags & MENU_CF_VERTICAL;
  int xSize = WM_GetWindowSizeX(hObj), ySize = WM_GetWindowSizeY(hObj);
  GUI_RECT rInside = {(I16)e, (I16)e, (I16)(xSize - e - 1), (I16)(ySize - e - 1)};
  GUI_SetFont(pObj->Props.pFont);
  int LineDist = GUI_GetFontDistY();
  int n = MENU__GetNumItems(hObj);
  int Pos = Vertical ? rInside.y0 : rInside.x0;
  int xEnd = rInside.x0 - 1, yEnd = rInside.y0 - 1;
  for (int i = 0; i < n; i++) {
    MENU_ITEM Item;
    std::string Text;
    if (!MENU__GetItem(hObj, i, &Item, &Text)) {
      continue;
    }
    GUI_RECT r;
    if (Vertical) {
      r = {rInside.x0, (I16)Pos, (I16)(NatW - e - 1), (I16)(Pos + MENU__GetItemHeight(hObj, i) - 1)};
    } else {
      r = {(I16)Pos, rInside.y0, (I16)(Pos + MENU__GetItemWidth(hObj, i) - 1), (I16)(NatH - e - 1)};
    }
    Pos = (Vertical ? r.y1 : r.x1) + 1;
    xEnd = r.x1 > xEnd ? r.x1 : xEnd;
    yEnd = r.y1 > yEnd ? r.y1 : yEnd;
    pObj = MENU__Obj(hObj);
    int State = MENU__GetItemState(hObj, i);
    GUI_SetBkColor(pObj->Props.aBkColor[State]);
    GUI_SetColor(pObj->Props.aTextColor[State]);
    const U8* aB = pObj->Props.aBorder;
    if (Item.Flags & MENU_IF_SEPARATOR) {
      GUI_ClearRectEx(&r);
      GUI_SetColor(0x7C7C7C);
      if (Vertical) {
        GUI_DrawHLine(r.y0 + aB[MENU_BI_TOP] + 1, rInside.x0 + 2, r.x1 - 2);
      } else {
        GUI_DrawVLine(r.x0 + aB[MENU_BI_LEFT] + 1, rInside.y0 + 2, r.y1 - 2);
      }
      continue;
    }
    GUI_RECT rText = {(I16)(r.x0 + aB[MENU_BI_LEFT]), (I16)(r.y0 + aB[MENU_BI_TOP]),
                      (I16)(r.x0 + aB[MENU_BI_LEFT] + Item.TextWidth - 1),
                      (I16)(r.y0 + aB[MENU_BI_TOP] + LineDist - 1)};
    WIDGET__FillStringInRect(Text.c_str(), &r, &rText, &rText);
  }
  pObj = MENU__Obj(hObj);
  if (pObj->FixedXSize || pObj->FixedYSize) {
    GUI_SetBkColor(pObj->Props.aBkColor[MENU_CI_ENABLED]);
    if (xEnd < rInside.x1) {
      GUI_ClearRect(xEnd + 1, rInside.y0, rInside.x1, yEnd);
    }
    if (yEnd < rInside.y1) {
      GUI_ClearRect(rInside.x0, yEnd + 1, rInside.x1, rInside.y1);
    }
  }
  if (e) {
    pObj->Widget.pEffect->pfDrawUp();
  }
}

void _CreateClassic(WM_HWIN) {}

} // namespace

const WIDGET_SKIN MENU__SkinClassic = {_PaintClassic, _CreateClassic, nullptr};

void MENU_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&MENU__Type, hObj, &MENU__SkinClassic);
}

void MENU_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&MENU__Type, &MENU__SkinClassic);
}

void MENU__SetArrowSpace(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  if (MENU_OBJ* pObj = (MENU_OBJ*)WIDGET__GetObj(&MENU__Type, hObj)) {
    pObj->Flags = (U16)(OnOff ? pObj->Flags | MENU_SF_ARROW : pObj->Flags & ~MENU_SF_ARROW);
  }
}

// The menu and every submenu named by its items take the flexible look with arrow space.
void MENU_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WM__LockGuard Lock;
  MENU_OBJ* pObj = (MENU_OBJ*)WIDGET__GetObj(&MENU__Type, hObj);
  if (!pObj) {
    return;
  }
  pObj->pSkin = &MENU__SkinFlex;
  pObj->Props.pfDrawSkin = pfDrawSkin;
  pObj->Flags |= MENU_SF_ARROW;
  int n = MENU__GetNumItems(hObj);
  for (int i = 0; i < n; i++) {
    MENU_ITEM Item;
    if (MENU__GetItem(hObj, i, &Item) && Item.hSubmenu && Item.hSubmenu != hObj) {
      MENU_SetSkin(Item.hSubmenu, pfDrawSkin);
    }
  }
  MENU__Resize(hObj);
}

WIDGET_DRAW_ITEM_FUNC* MENU_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&MENU__Type, &MENU__SkinFlex, pfDrawSkin);
}
