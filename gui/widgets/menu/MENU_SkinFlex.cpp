// MENU: the flexible look. Each part of each item (background, selection, separator, text, submenu arrow)
// is a request to the menu's item routine; the library's routine draws gradients and rounded selection
// frames from one colour record per item state.
#include "MENU.h"

namespace {

MENU_SKINFLEX_PROPS _aProps[5] = {
    {{0xFFFFFF, 0xF6E6E1}, 0xF0F0F0, 0xCCBCB6, 0x979797, {0x000000, 0x000000}, {0x000000, 0x000000}, 0x544E4C,
     0xF7CFAE, {0xA69691, 0xF6F6F1}, {0x808080, 0xF8F8F8}, 0x000000, 0x000000},
    {{0xFFFFFF, 0xF5E5E0}, 0xF0F0F0, 0xCCBCB6, 0x979797, {0xFCF4F4, 0xDCCCC6}, {0xF7EEE7, 0xF7F5F3}, 0x544E4C,
     0xD4A775, {0xA69691, 0xF6F6F1}, {0x505050, 0xF8F8F8}, 0x000000, 0x000000},
    {{0xFFFFFF, 0xF5E5E0}, 0xF0F0F0, 0xCCBCB6, 0x979797, {0x000000, 0x000000}, {0x000000, 0x000000}, 0x544E4C,
     0xF7CFAE, {0xA69691, 0xF6F6F1}, {0x505050, 0xF8F8F8}, 0x808080, 0x808080},
    {{0xFFFFFF, 0xF5E5E0}, 0xF0F0F0, 0xCCBCB6, 0x979797, {0xF7E8E4, 0xE9DAD4}, {0xE0E0E0, 0xF4F4F4}, 0xD3D3D3,
     0xD3D3D3, {0xA69691, 0xF6F6F1}, {0x505050, 0xF8F8F8}, 0x808080, 0x808080},
    {{0xFFFFFF, 0xF5E5E0}, 0xF0F0F0, 0xCCBCB6, 0x979797, {0xC9BAB4, 0xE3D4D0}, {0xF6DDC4, 0xFCECE5}, 0x544E4C,
     0xD4A775, {0xA69691, 0xF6F6F1}, {0x505050, 0xF8F8F8}, 0x000000, 0x000000},
};

int _Request(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pf, int Cmd, int Index, int x0, int y0, int x1, int y1) {
  WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, Index, 0, x0, y0, x1, y1, nullptr};
  return pf ? pf(&Info) : 0;
}

void _PaintFlex(WM_HWIN hObj) {
  WIDGET_DRAW_ITEM_FUNC* pf = MENU__Obj(hObj)->Props.pfDrawSkin;
  if (!pf) {
    pf = MENU_DrawSkinFlex;
  }
  GUI_SetTextMode(GUI_TM_TRANS);
  bool Vertical = MENU__Obj(hObj)->Flags & MENU_CF_VERTICAL;
  int x1Win = WM_GetWindowSizeX(hObj) - 1, y1Win = WM_GetWindowSizeY(hObj) - 1;
  int n = MENU__GetNumItems(hObj);
  int Edge = -1;
  for (int i = 0; i < n; i++) {
    MENU_ITEM Item;
    if (!MENU__GetItem(hObj, i, &Item)) {
      continue;
    }
    int Size = Vertical ? MENU__GetItemHeight(hObj, i) : MENU__GetItemWidth(hObj, i);
    int Start = Edge + 1;
    Edge = Start + Size - 1;
    int x0 = Vertical ? 0 : Start, x1 = Vertical ? x1Win : Edge;
    int y0 = Vertical ? Start : 0, y1 = Vertical ? Edge : y1Win;
    _Request(hObj, pf, WIDGET_ITEM_DRAW_BACKGROUND, i, x0, y0, x1, y1);
    bool Sep = Item.Flags & MENU_IF_SEPARATOR;
    if (Sep) {
      _Request(hObj, pf, WIDGET_ITEM_DRAW_SEP, i, x0, y0, x1, y1);
      continue;
    }
    if (i == MENU__Obj(hObj)->Sel) {
      _Request(hObj, pf, WIDGET_ITEM_DRAW_FRAME, i, x0, y0, x1, y1);
    }
    _Request(hObj, pf, WIDGET_ITEM_DRAW_TEXT, i, x0, y0, x1, y1);
    if (Vertical && (MENU__Obj(hObj)->Flags & MENU_SF_ARROW) && Item.hSubmenu) {
      _Request(hObj, pf, WIDGET_ITEM_DRAW_ARROW, i, x0, y0, x1, y1);
    }
  }
  if (!Vertical && Edge < x1Win) {
    _Request(hObj, pf, WIDGET_ITEM_DRAW_BACKGROUND, -1, Edge + 1, 0, x1Win, y1Win);
  }
}

void _CreateFlex(WM_HWIN hObj) {
  // Sent to the default routine, which new menus take from the default block.
  WIDGET_DRAW_ITEM_FUNC* pf = MENU__DefaultProps.pfDrawSkin;
  _Request(hObj, pf ? pf : MENU_DrawSkinFlex, WIDGET_ITEM_CREATE, 0, 0, 0, 0, 0);
}

} // namespace

const WIDGET_SKIN MENU__SkinFlex = {_PaintFlex, _CreateFlex, nullptr};

int MENU_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  WM_HWIN hObj = p->hWin;
  const MENU_OBJ* pObj = MENU__Obj(hObj);
  bool Vertical = pObj->Flags & MENU_CF_VERTICAL;
  int Index = p->ItemIndex;
  MENU_ITEM Item = {};
  std::string Text;
  bool HasItem = Index >= 0 && MENU__GetItem(hObj, Index, &Item, &Text);
  const MENU_SKINFLEX_PROPS& c = _aProps[HasItem ? MENU__GetItemState(hObj, Index) : 0];
  pObj = MENU__Obj(hObj);
  const U8* aB = pObj->Props.aBorder;
  int Before = Vertical ? aB[MENU_BI_LEFT] : aB[MENU_BI_TOP];
  int After = Vertical ? aB[MENU_BI_RIGHT] : aB[MENU_BI_BOTTOM];
  int x0 = p->x0, y0 = p->y0, x1 = p->x1, y1 = p->y1;
  int n = MENU__GetNumItems(hObj);
  switch (p->Cmd) {
  case WIDGET_ITEM_CREATE:
    MENU__SetArrowSpace(hObj, 0);
    break;
  case WIDGET_ITEM_DRAW_ARROW: {
    int ArrowSize = MENU__Obj(hObj)->ArrowSize;
    if (!ArrowSize) {
      break;
    }
    GUI_SetColor(c.ArrowColor);
    int Half = ArrowSize >> 1;
    int Lines = Half * 2 - 1;
    if ((y1 - y0) / 3 < Lines) {
      Lines = ((y1 - y0) / 3) | 1;
      Half = (Lines + 1) >> 1;
    }
    if (Half < 3) {
      Lines = 5;
      Half = 3;
    }
    int xl = x1 - Half - After;
    int yt = y0 + 1 + (y1 - y0) / 2 - (Lines >> 1);
    for (int k = 0; k < Lines; k++) {
      GUI_DrawHLine(yt + k, xl, xl + (k < Half ? k : Lines - 1 - k));
    }
    break;
  }
  case WIDGET_ITEM_DRAW_BACKGROUND:
    if (!Vertical) {
      int ym = y1 - (y1 - y0) / 2;
      GUI_DrawGradientV(x0, y0, x1, ym, c.aBkColorH[0], c.aBkColorH[1]);
      GUI_SetColor(c.aBkColorH[1]);
      if (y1 - 1 >= ym + 1) {
        GUI_FillRect(x0, ym + 1, x1, y1 - 1);
      }
      GUI_SetColor(c.FrameColorH);
      GUI_DrawHLine(y1, x0, x1);
    } else {
      GUI_SetColor(c.BkColorV);
      GUI_FillRect(x0 + 1, y0 + 1, x1 - 1, y1 + 1);
      GUI_SetColor(c.FrameColorV);
      if (Index == 0) {
        GUI_DrawHLine(y0, x0, x1);
      }
      if (Index == n - 1) {
        GUI_DrawVLine(x1, y0, y1 + 1);
        GUI_DrawVLine(x0, y0, y1 + 1);
        GUI_DrawHLine(y1 + 2, x0, x1);
      } else {
        GUI_DrawVLine(x1, y0, y1);
        GUI_DrawVLine(x0, y0, y1);
      }
    }
    break;
  case WIDGET_ITEM_DRAW_FRAME:
    if (!Vertical) {
      GUI_DrawGradientRoundedV(x0, y0, x1, y1 - 1, 2, c.aSelColorH[0], c.aSelColorH[1]);
      GUI_SetColor(c.FrameColorSelH);
      GUI_DrawRoundedRect(x0, y0, x1, y1 - 1, 2);
    } else {
      GUI_DrawGradientRoundedV(x0 + 1, y0 + 1, x1 - 1, y1 + 1, 2, c.aSelColorV[0], c.aSelColorV[1]);
      GUI_SetColor(c.FrameColorSelV);
      GUI_DrawRoundedRect(x0 + 1, y0 + 1, x1 - 1, y1 + 1, 2);
    }
    break;
  case WIDGET_ITEM_DRAW_SEP:
    if (!Vertical) {
      int xm = x0 + (x1 - x0) / 2;
      GUI_SetColor(c.aSepColorH[0]);
      GUI_DrawVLine(xm, y0 + Before, y1 - After - 1);
      GUI_SetColor(c.aSepColorH[1]);
      GUI_DrawVLine(xm + 1, y0 + Before, y1 - After - 1);
    } else {
      int ym = y0 + (y1 - y0) / 2 + 1;
      GUI_SetColor(c.aSepColorV[0]);
      GUI_DrawHLine(ym, x0 + Before, x1 - After);
      GUI_SetColor(c.aSepColorV[1]);
      GUI_DrawHLine(ym + 1, x0 + Before, x1 - After);
    }
    break;
  case WIDGET_ITEM_DRAW_TEXT: {
    GUI_SetFont(MENU__Obj(hObj)->Props.pFont);
    GUI_SetColor(c.TextColor);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_RECT r;
    if (!Vertical) {
      r = {(I16)(x0 + 1), (I16)(y0 + Before - 1), (I16)(x1 + 1), (I16)(y1 - After)};
      GUI_DispStringInRect(Text.c_str(), &r, GUI_TA_HCENTER | GUI_TA_TOP);
    } else {
      r = {(I16)(x0 + Before + 1), (I16)(y0 + 1), (I16)(x1 - After), (I16)(y1 + 1)};
      GUI_DispStringInRect(Text.c_str(), &r, GUI_TA_LEFT | GUI_TA_VCENTER);
    }
    break;
  }
  }
  return 0;
}

void MENU_GetSkinFlexProps(MENU_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void MENU_SetSkinFlexProps(const MENU_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aProps, pProps, Index);
}
