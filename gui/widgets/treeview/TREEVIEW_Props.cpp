// TREEVIEW: colours, images, indents, modes, the item drawing routine, user data and the module defaults.
// Indexes outside their tables are ignored.
#include "TREEVIEW.h"

namespace {

using _Access = WIDGET_ACCESS<TREEVIEW_OBJ, &TREEVIEW__Type>;

// Recomputes every item's width (after a change of font or indent) and the layout.
void _Relayout(WM_HWIN hObj) {
  WM__LockGuard Lock;
  TREEVIEW_OBJ* pObj = (TREEVIEW_OBJ*)WIDGET__GetObj(&TREEVIEW__Type, hObj);
  if (!pObj) {
    return;
  }
  for (GUI_HMEM h = pObj->hFirst; h; h = TREEVIEW__Item(h)->hNext) {
    int xSize = TREEVIEW__CalcItemXSize(hObj, h);
    TREEVIEW__Item(h)->xSize = (U16)xSize;
  }
  TREEVIEW__Invalidate(hObj);
}

void _SetFlag(WM_HWIN hObj, U16 Mask, bool On) {
  _Access::Change(hObj, [&](TREEVIEW_OBJ* pObj) {
    return WIDGET__Store(&pObj->Flags, On ? (pObj->Flags | Mask) : (pObj->Flags & ~Mask));
  });
}

void _SetColor(WM_HWIN hObj, GUI_COLOR* (*pfTable)(TREEVIEW_OBJ*), unsigned Index, GUI_COLOR Color) {
  if (Index < 3) {
    WM__LockGuard Lock;
    if (TREEVIEW_OBJ* pObj = (TREEVIEW_OBJ*)WIDGET__GetObj(&TREEVIEW__Type, hObj)) {
      pfTable(pObj)[Index] = Color;
    }
  }
}

void _SetDefault(GUI_COLOR* aColor, unsigned Index, GUI_COLOR Color) {
  if (Index < 3) {
    WIDGET__SetDefault(&aColor[Index], Color);
  }
}

GUI_COLOR _GetDefault(const GUI_COLOR* aColor, unsigned Index) {
  WM__LockGuard Lock;
  return Index < 3 ? aColor[Index] : 0;
}

} // namespace

void TREEVIEW_SetImage(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap) {
  if (Index <= TREEVIEW_BI_MINUS) {
    _Access::Change(hObj, [&](TREEVIEW_OBJ* pObj) { return WIDGET__Store(&pObj->Props.apBm[Index], pBitmap); });
    WM__LockGuard Lock;
    if (WIDGET__GetObj(&TREEVIEW__Type, hObj)) {
      TREEVIEW__Invalidate(hObj);
    }
  }
}

void TREEVIEW_SetBitmapOffset(WM_HWIN hObj, int Index, int xOff, int yOff) {
  if (Index == TREEVIEW_BI_PM) {
    _Access::Change(hObj, [&](TREEVIEW_OBJ* pObj) {
      pObj->xOffButton = (I16)xOff;
      pObj->yOffButton = (I16)yOff;
      return true;
    });
  }
}

void TREEVIEW_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  _SetColor(hObj, [](TREEVIEW_OBJ* p) { return p->Props.aBkColor; }, Index, Color);
}

void TREEVIEW_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  _SetColor(hObj, [](TREEVIEW_OBJ* p) { return p->Props.aTextColor; }, Index, Color);
}

void TREEVIEW_SetLineColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  _SetColor(hObj, [](TREEVIEW_OBJ* p) { return p->Props.aLineColor; }, Index, Color);
}

void TREEVIEW_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  if (pFont) {
    _Access::Change(hObj, [&](TREEVIEW_OBJ* pObj) { return WIDGET__Store(&pObj->Props.pFont, pFont); });
    _Relayout(hObj);
  }
}

int TREEVIEW_SetIndent(WM_HWIN hObj, int Indent) {
  int Old = 0;
  _Access::Change(hObj, [&](TREEVIEW_OBJ* pObj) {
    Old = pObj->Props.Indent;
    pObj->Props.Indent = WM__ClampI16(Indent) & ~1; // held to the coordinate range, as every indent
    return true;
  });
  _Relayout(hObj);
  return Old;
}

int TREEVIEW_SetTextIndent(WM_HWIN hObj, int TextIndent) {
  int Old = 0;
  _Access::Change(hObj, [&](TREEVIEW_OBJ* pObj) {
    Old = pObj->Props.TextIndent;
    pObj->Props.TextIndent = WM__ClampI16(TextIndent);
    return true;
  });
  _Relayout(hObj);
  return Old;
}

void TREEVIEW_SetHasLines(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, TREEVIEW_CF_HIDELINES, !OnOff);
}

void TREEVIEW_SetSelMode(WM_HWIN hObj, int Mode) {
  _SetFlag(hObj, TREEVIEW_CF_ROWSELECT, Mode == 1);
}

static void _SetAutoScroll(WM_HWIN hObj, U16 Mask, int Vertical, int OnOff) {
  _SetFlag(hObj, Mask, OnOff != 0);
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&TREEVIEW__Type, hObj)) {
    return;
  }
  if (!OnOff) {
    WIDGET__UpdateScrollbar(hObj, Vertical, WIDGET_SCROLLBAR_OFF, nullptr);
  }
  TREEVIEW__Invalidate(hObj);
  TREEVIEW__UpdateLayout(hObj);
}

void TREEVIEW_SetAutoScrollH(WM_HWIN hObj, int OnOff) {
  _SetAutoScroll(hObj, TREEVIEW_CF_AUTOSCROLLBAR_H, 0, OnOff);
}

void TREEVIEW_SetAutoScrollV(WM_HWIN hObj, int OnOff) {
  _SetAutoScroll(hObj, TREEVIEW_CF_AUTOSCROLLBAR_V, 1, OnOff);
}

void TREEVIEW_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem) {
  _Access::Change(hObj, [&](TREEVIEW_OBJ* pObj) {
    return WIDGET__Store(&pObj->pfDrawItem, pfDrawItem ? pfDrawItem : TREEVIEW_OwnerDraw);
  });
  _Relayout(hObj);
}

int TREEVIEW_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&TREEVIEW__Type, hObj, pDest, NumBytes);
}

int TREEVIEW_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&TREEVIEW__Type, hObj, pSrc, NumBytes);
}

void TREEVIEW_SetDefaultBkColor(unsigned Index, GUI_COLOR Color) {
  _SetDefault(TREEVIEW__DefaultProps.aBkColor, Index, Color);
}

void TREEVIEW_SetDefaultTextColor(unsigned Index, GUI_COLOR Color) {
  _SetDefault(TREEVIEW__DefaultProps.aTextColor, Index, Color);
}

void TREEVIEW_SetDefaultLineColor(unsigned Index, GUI_COLOR Color) {
  _SetDefault(TREEVIEW__DefaultProps.aLineColor, Index, Color);
}

GUI_COLOR TREEVIEW_GetDefaultBkColor(unsigned Index) {
  return _GetDefault(TREEVIEW__DefaultProps.aBkColor, Index);
}

GUI_COLOR TREEVIEW_GetDefaultTextColor(unsigned Index) {
  return _GetDefault(TREEVIEW__DefaultProps.aTextColor, Index);
}

GUI_COLOR TREEVIEW_GetDefaultLineColor(unsigned Index) {
  return _GetDefault(TREEVIEW__DefaultProps.aLineColor, Index);
}

void TREEVIEW_SetDefaultFont(const GUI_FONT* pFont) {
  if (pFont) {
    WIDGET__SetDefault(&TREEVIEW__DefaultProps.pFont, pFont);
  }
}
