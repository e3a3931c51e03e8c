// CHECKBOX: state, text, colours, images, user data and the module defaults. Indexes outside their range
// are ignored.
#include "CHECKBOX.h"

namespace {

using _Access = WIDGET_ACCESS<CHECKBOX_OBJ, &CHECKBOX__Type>;

} // namespace

int CHECKBOX_GetState(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](CHECKBOX_OBJ* pObj) { return (int)pObj->CurrentState; });
}

int CHECKBOX_IsChecked(WM_HWIN hObj) {
  return CHECKBOX_GetState(hObj) == 1;
}

int CHECKBOX_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen) {
  return _Access::Read(hObj, 0, [&](CHECKBOX_OBJ* pObj) { return WIDGET__CopyText(pObj->hpText, pBuffer, MaxLen); });
}

void CHECKBOX_SetState(WM_HWIN hObj, unsigned State) {
  WM__LockGuard Lock;
  bool Set = false;
  _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) {
    if (State >= pObj->NumStates) {
      return false;
    }
    pObj->CurrentState = (U8)State;
    Set = true;
    return true;
  });
  if (Set) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
  }
}

void CHECKBOX_SetNumStates(WM_HWIN hObj, unsigned NumStates) {
  if (NumStates != 2 && NumStates != 3) {
    return;
  }
  WM__LockGuard Lock;
  for (int i = CHECKBOX_BI_INACTIV_3STATE; i <= CHECKBOX_BI_ACTIV_3STATE; i++) {
    if (!CHECKBOX__DefaultProps.apBm[i]) {
      CHECKBOX__DefaultProps.apBm[i] = &CHECKBOX__abm3State[i - CHECKBOX_BI_INACTIV_3STATE];
    }
  }
  _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) {
    pObj->Props.apBm[CHECKBOX_BI_INACTIV_3STATE] = CHECKBOX__DefaultProps.apBm[CHECKBOX_BI_INACTIV_3STATE];
    pObj->Props.apBm[CHECKBOX_BI_ACTIV_3STATE] = CHECKBOX__DefaultProps.apBm[CHECKBOX_BI_ACTIV_3STATE];
    pObj->NumStates = (U8)NumStates;
    return false;
  });
}

void CHECKBOX_SetText(WM_HWIN hObj, const char* pText) {
  if (!pText) {
    return;
  }
  _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) { return GUI__SetText(&pObj->hpText, pText) != 0; });
}

void CHECKBOX_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) { return WIDGET__Store(&pObj->Props.pFont, pFont); });
}

void CHECKBOX_SetTextColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) { return WIDGET__Store(&pObj->Props.TextColor, Color); });
}

void CHECKBOX_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) { return WIDGET__Store(&pObj->Props.Align, Align); });
}

void CHECKBOX_SetSpacing(WM_HWIN hObj, unsigned Spacing) {
  _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) { return WIDGET__Store(&pObj->Props.Spacing, Spacing); });
}

void CHECKBOX_SetBkColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) {
    if (!WIDGET__Store(&pObj->Props.BkColor, Color)) {
      return false;
    }
    WIDGET__SetTransByColor(hObj, Color);
    return true;
  });
}

GUI_COLOR CHECKBOX_SetBoxBkColor(WM_HWIN hObj, GUI_COLOR Color, int Index) {
  if (Index != 0 && Index != 1) {
    return 0;
  }
  return _Access::SetColorGetOld(hObj, [&](CHECKBOX_OBJ* p) { return &p->Props.aBkColorBox[Index]; }, Color);
}

GUI_COLOR CHECKBOX_SetFocusColor(WM_HWIN hObj, GUI_COLOR Color) {
  return _Access::SetColorGetOld(hObj, [](CHECKBOX_OBJ* p) { return &p->Props.FocusColor; }, Color);
}

void CHECKBOX_SetImage(WM_HWIN hObj, const GUI_BITMAP* pBitmap, unsigned Index) {
  if (Index < 6) {
    _Access::Change(hObj, [&](CHECKBOX_OBJ* pObj) {
      pObj->Props.apBm[Index] = pBitmap;
      return false;
    });
  }
}

int CHECKBOX_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&CHECKBOX__Type, hObj, pDest, NumBytes);
}

int CHECKBOX_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&CHECKBOX__Type, hObj, pSrc, NumBytes);
}

void CHECKBOX_SetDefaultFont(const GUI_FONT* pFont) {
  WIDGET__SetDefault(&CHECKBOX__DefaultProps.pFont, pFont);
}

void CHECKBOX_SetDefaultTextColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&CHECKBOX__DefaultProps.TextColor, Color);
}

void CHECKBOX_SetDefaultBkColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&CHECKBOX__DefaultProps.BkColor, Color);
}

void CHECKBOX_SetDefaultAlign(int Align) {
  WIDGET__SetDefault(&CHECKBOX__DefaultProps.Align, Align);
}

void CHECKBOX_SetDefaultSpacing(int Spacing) {
  WIDGET__SetDefault(&CHECKBOX__DefaultProps.Spacing, Spacing);
}

GUI_COLOR CHECKBOX_SetDefaultFocusColor(GUI_COLOR Color) {
  return WIDGET__SetDefault(&CHECKBOX__DefaultProps.FocusColor, Color);
}

void CHECKBOX_SetDefaultImage(const GUI_BITMAP* pBitmap, unsigned Index) {
  WM__LockGuard Lock;
  if (Index < 6) {
    CHECKBOX__DefaultProps.apBm[Index] = pBitmap;
  }
}
