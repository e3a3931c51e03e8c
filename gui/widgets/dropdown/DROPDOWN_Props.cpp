// DROPDOWN: the look, the settings handed to the open list, user data and the module defaults. Indexes
// outside their range are ignored.
#include "DROPDOWN.h"
#include "LISTBOX.h"

DROPDOWN_PROPS DROPDOWN__DefaultProps = {GUI_DEFAULT_FONT,
                                         {0xFFFFFF, 0x808080, 0xFF0000},
                                         {0x000000, 0xFFFFFF, 0xFFFFFF},
                                         {0x000000, 0xC0C0C0},
                                         {WM_NO_COLOR, WM_NO_COLOR, WM_NO_COLOR},
                                         nullptr,
                                         2,
                                         0};

namespace {

using _Access = WIDGET_ACCESS<DROPDOWN_OBJ, &DROPDOWN__Type>;

WM_HWIN _List(WM_HWIN hObj) {
  return DROPDOWN__Obj(hObj)->hListWin;
}

} // namespace

void DROPDOWN_SetAutoScroll(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj)) {
    return;
  }
  DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  pObj->Flags = (U8)(OnOff ? pObj->Flags | DROPDOWN_CF_AUTOSCROLLBAR : pObj->Flags & ~DROPDOWN_CF_AUTOSCROLLBAR);
  LISTBOX_SetAutoScrollV(_List(hObj), OnOff);
}

int DROPDOWN_SetUpMode(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj)) {
    return 0;
  }
  DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  int Old = (pObj->Flags & DROPDOWN_CF_UP) ? 1 : 0;
  pObj->Flags = (U8)(OnOff ? pObj->Flags | DROPDOWN_CF_UP : pObj->Flags & ~DROPDOWN_CF_UP);
  return Old;
}

int DROPDOWN_SetListHeight(WM_HWIN hObj, unsigned Height) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj)) {
    return 0;
  }
  int Old = DROPDOWN__Obj(hObj)->ySizeEx;
  DROPDOWN__Obj(hObj)->ySizeEx = (I16)(Height > 0x7FFF ? 0x7FFF : Height);
  if (WM_HWIN hList = _List(hObj)) {
    WM_SetSize(hList, WM_GetWindowSizeX(hList), DROPDOWN__Obj(hObj)->ySizeEx);
  }
  return Old;
}

void DROPDOWN_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  WM__LockGuard Lock;
  if (!pFont || !DROPDOWN__Valid(hObj)) {
    return;
  }
  int OldDist = GUI_GetYDistOfFont(DROPDOWN__Obj(hObj)->Props.pFont);
  DROPDOWN__Obj(hObj)->Props.pFont = pFont;
  DROPDOWN__AdjustHeight(hObj);
  WM_InvalidateWindow(hObj);
  if (WM_HWIN hList = _List(hObj)) {
    WM__WATCH Watch(hObj); // what the list reports may let the parent delete the drop-down
    LISTBOX_SetFont(hList, pFont);
    if (Watch.Alive() && GUI_GetYDistOfFont(pFont) != OldDist) { // the field moved: the list opens again below it
      DROPDOWN_Collapse(hObj);
      if (Watch.Alive()) {
        DROPDOWN_Expand(hObj);
      }
    }
  }
}

void DROPDOWN_SetTextHeight(WM_HWIN hObj, unsigned Height) {
  WM__LockGuard Lock;
  if (DROPDOWN__Valid(hObj)) {
    DROPDOWN__Obj(hObj)->TextHeight = (I16)(Height > 0x7FFF ? 0x7FFF : Height);
    DROPDOWN__AdjustHeight(hObj);
    WM_InvalidateWindow(hObj);
  }
}

void DROPDOWN_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](DROPDOWN_OBJ* p) {
    p->Props.Align = (I16)Align;
    return true;
  });
}

void DROPDOWN_SetItemSpacing(WM_HWIN hObj, unsigned Spacing) {
  WM__LockGuard Lock;
  if (DROPDOWN__Valid(hObj)) {
    DROPDOWN__Obj(hObj)->ItemSpacing = (U16)Spacing;
    LISTBOX_SetItemSpacing(_List(hObj), Spacing);
  }
}

unsigned DROPDOWN_GetItemSpacing(WM_HWIN hObj) {
  return _Access::Read(hObj, 0u, [](DROPDOWN_OBJ* p) { return (unsigned)p->ItemSpacing; });
}

void DROPDOWN_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 3) {
    _Access::Change(hObj, [&](DROPDOWN_OBJ* p) { return WIDGET__Store(&p->Props.aBackColor[Index], Color); });
    WM__LockGuard Lock;
    if (DROPDOWN__Valid(hObj)) {
      LISTBOX_SetBkColor(_List(hObj), Index, Color);
    }
  }
}

void DROPDOWN_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 3) {
    _Access::Change(hObj, [&](DROPDOWN_OBJ* p) { return WIDGET__Store(&p->Props.aTextColor[Index], Color); });
    WM__LockGuard Lock;
    if (DROPDOWN__Valid(hObj)) {
      LISTBOX_SetTextColor(_List(hObj), Index, Color);
    }
  }
}

void DROPDOWN_SetColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    _Access::Change(hObj, [&](DROPDOWN_OBJ* p) { return WIDGET__Store(&p->Props.aColor[Index], Color); });
  }
}

void DROPDOWN_SetScrollbarColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  WM__LockGuard Lock;
  if (Index < 3 && DROPDOWN__Valid(hObj)) {
    DROPDOWN__Obj(hObj)->Props.aScrollbarColor[Index] = Color;
    LISTBOX_SetScrollbarColor(_List(hObj), Index, Color);
  }
}

void DROPDOWN_SetScrollbarWidth(WM_HWIN hObj, unsigned Width) {
  WM__LockGuard Lock;
  if (DROPDOWN__Valid(hObj)) {
    DROPDOWN__Obj(hObj)->ScrollbarWidth = (U8)Width;
    LISTBOX_SetScrollbarWidth(_List(hObj), Width);
  }
}

int DROPDOWN_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&DROPDOWN__Type, hObj, pDest, NumBytes);
}

int DROPDOWN_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&DROPDOWN__Type, hObj, pSrc, NumBytes);
}

const GUI_FONT* DROPDOWN_GetDefaultFont(void) {
  return DROPDOWN__DefaultProps.pFont;
}

const GUI_FONT* DROPDOWN_SetDefaultFont(const GUI_FONT* pFont) {
  return WIDGET__SetDefault(&DROPDOWN__DefaultProps.pFont, pFont);
}

GUI_COLOR DROPDOWN_GetDefaultBkColor(unsigned Index) {
  return Index < 3 ? DROPDOWN__DefaultProps.aBackColor[Index] : 0;
}

GUI_COLOR DROPDOWN_SetDefaultBkColor(unsigned Index, GUI_COLOR Color) {
  return Index < 3 ? WIDGET__SetDefault(&DROPDOWN__DefaultProps.aBackColor[Index], Color) : 0;
}

GUI_COLOR DROPDOWN_GetDefaultColor(unsigned Index) {
  return Index < 2 ? DROPDOWN__DefaultProps.aColor[Index] : 0;
}

GUI_COLOR DROPDOWN_SetDefaultColor(unsigned Index, GUI_COLOR Color) {
  return Index < 2 ? WIDGET__SetDefault(&DROPDOWN__DefaultProps.aColor[Index], Color) : 0;
}

GUI_COLOR DROPDOWN_GetDefaultScrollbarColor(unsigned Index) {
  return Index < 3 ? DROPDOWN__DefaultProps.aScrollbarColor[Index] : 0;
}

GUI_COLOR DROPDOWN_SetDefaultScrollbarColor(unsigned Index, GUI_COLOR Color) {
  return Index < 3 ? WIDGET__SetDefault(&DROPDOWN__DefaultProps.aScrollbarColor[Index], Color) : 0;
}
