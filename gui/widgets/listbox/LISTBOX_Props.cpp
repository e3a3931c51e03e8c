// LISTBOX: flags, colours, alignment, owner, user data and the module defaults. Colour indexes outside
// their range are ignored.
#include "LISTBOX.h"
#include "SCROLLBAR.h"

namespace {

using _Access = WIDGET_ACCESS<LISTBOX_OBJ, &LISTBOX__Type>;

void _SetFlag(WM_HWIN hObj, U8 Mask, int OnOff, bool Update) {
  WM__LockGuard Lock;
  LISTBOX_OBJ* pObj = (LISTBOX_OBJ*)WIDGET__GetObj(&LISTBOX__Type, hObj);
  if (!pObj) {
    return;
  }
  U8 Flags = (U8)(OnOff ? pObj->Flags | Mask : pObj->Flags & ~Mask);
  if (Flags == pObj->Flags) {
    return;
  }
  pObj->Flags = Flags;
  if (!OnOff && Mask == LISTBOX_FLAG_AUTOSCROLL_V) {
    WM_SetScrollbarV(hObj, 0);
  } else if (!OnOff && Mask == LISTBOX_FLAG_AUTOSCROLL_H) {
    WM_SetScrollbarH(hObj, 0);
  }
  if (Update) {
    LISTBOX__UpdateAndInvalidate(hObj);
  } else {
    WM_InvalidateWindow(hObj);
  }
}

} // namespace

void LISTBOX_SetMulti(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, LISTBOX_FLAG_MULTISEL, OnOff, false);
}

int LISTBOX_GetMulti(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTBOX_OBJ* p) { return (p->Flags & LISTBOX_FLAG_MULTISEL) ? 1 : 0; });
}

void LISTBOX_SetAutoScrollH(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, LISTBOX_FLAG_AUTOSCROLL_H, OnOff, true);
}

void LISTBOX_SetAutoScrollV(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, LISTBOX_FLAG_AUTOSCROLL_V, OnOff, true);
}

void LISTBOX_SetScrollStepH(WM_HWIN hObj, int Step) {
  _Access::Change(hObj, [&](LISTBOX_OBJ* p) {
    p->Props.ScrollStepH = (U16)Step;
    return false;
  });
}

int LISTBOX_GetScrollStepH(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTBOX_OBJ* p) { return (int)p->Props.ScrollStepH; });
}

unsigned LISTBOX_GetItemSpacing(WM_HWIN hObj) {
  return _Access::Read(hObj, 0u, [](LISTBOX_OBJ* p) { return (unsigned)p->ItemSpacing; });
}

const GUI_FONT* LISTBOX_GetFont(WM_HWIN hObj) {
  return _Access::Read(hObj, (const GUI_FONT*)nullptr, [](LISTBOX_OBJ* p) { return p->Props.pFont; });
}

void LISTBOX_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 4) {
    _Access::Change(hObj, [&](LISTBOX_OBJ* p) { return WIDGET__Store(&p->Props.aBackColor[Index], Color); });
  }
}

GUI_COLOR LISTBOX_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index >= 4) {
    return WM_NO_COLOR;
  }
  GUI_COLOR Stored = WM_NO_COLOR;
  _Access::Change(hObj, [&](LISTBOX_OBJ* p) {
    bool Changed = WIDGET__Store(&p->Props.aTextColor[Index], Color);
    Stored = Color;
    return Changed;
  });
  return Stored;
}

void LISTBOX_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](LISTBOX_OBJ* p) { return WIDGET__Store(&p->Props.Align, Align); });
}

int LISTBOX_GetTextAlign(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](LISTBOX_OBJ* p) { return (int)p->Props.Align; });
}

void LISTBOX_SetScrollbarColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  WM__LockGuard Lock;
  LISTBOX_OBJ* pObj = (LISTBOX_OBJ*)WIDGET__GetObj(&LISTBOX__Type, hObj);
  if (Index >= 3 || !pObj || !WIDGET__Store(&pObj->Props.aScrollbarColor[Index], Color)) {
    return;
  }
  for (WM_HWIN hBar : {WM_GetScrollbarV(hObj), WM_GetScrollbarH(hObj)}) {
    if (hBar) {
      SCROLLBAR_SetColor(hBar, Index, Color);
    }
  }
  WM_InvalidateWindow(hObj);
}

void LISTBOX_SetScrollbarWidth(WM_HWIN hObj, unsigned Width) {
  WM__LockGuard Lock;
  LISTBOX_OBJ* pObj = (LISTBOX_OBJ*)WIDGET__GetObj(&LISTBOX__Type, hObj);
  if (!pObj || !WIDGET__Store(&pObj->ScrollbarWidth, Width)) {
    return;
  }
  for (WM_HWIN hBar : {WM_GetScrollbarV(hObj), WM_GetScrollbarH(hObj)}) {
    if (hBar) {
      SCROLLBAR_SetWidth(hBar, Width ? (int)Width : SCROLLBAR_GetDefaultWidth());
    }
  }
  WM_InvalidateWindow(hObj);
}

void LISTBOX_SetOwner(WM_HWIN hObj, WM_HWIN hOwner) {
  _Access::Change(hObj, [&](LISTBOX_OBJ* p) {
    p->hOwner = hOwner;
    return true;
  });
}

int LISTBOX_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&LISTBOX__Type, hObj, pDest, NumBytes);
}

int LISTBOX_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&LISTBOX__Type, hObj, pSrc, NumBytes);
}

const GUI_FONT* LISTBOX_SetDefaultFont(const GUI_FONT* pFont) {
  return WIDGET__SetDefault(&LISTBOX__DefaultProps.pFont, pFont);
}

int LISTBOX_SetDefaultScrollStepH(int Step) {
  return WIDGET__SetDefault(&LISTBOX__DefaultProps.ScrollStepH, Step);
}

int LISTBOX_SetDefaultTextAlign(int Align) {
  return WIDGET__SetDefault(&LISTBOX__DefaultProps.Align, Align);
}

GUI_COLOR LISTBOX_SetDefaultBkColor(unsigned Index, GUI_COLOR Color) {
  return Index < 4 ? WIDGET__SetDefault(&LISTBOX__DefaultProps.aBackColor[Index], Color) : WM_NO_COLOR;
}

GUI_COLOR LISTBOX_SetDefaultTextColor(unsigned Index, GUI_COLOR Color) {
  return Index < 4 ? WIDGET__SetDefault(&LISTBOX__DefaultProps.aTextColor[Index], Color) : WM_NO_COLOR;
}

GUI_COLOR LISTBOX_GetDefaultBkColor(unsigned Index) {
  return Index < 4 ? LISTBOX__DefaultProps.aBackColor[Index] : WM_NO_COLOR;
}

GUI_COLOR LISTBOX_GetDefaultTextColor(unsigned Index) {
  return Index < 4 ? LISTBOX__DefaultProps.aTextColor[Index] : WM_NO_COLOR;
}
