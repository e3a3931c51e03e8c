// BUTTON: per-button settings and the module defaults.
#include <cstring>

#include "BUTTON.h"
#include "WM_Intern.h"

namespace {

using _Access = WIDGET_ACCESS<BUTTON_OBJ, &BUTTON__Type>;

} // namespace

int BUTTON_SetText(WM_HWIN hObj, const char* pText) {
  int r = 1;
  _Access::Change(hObj, [&](BUTTON_OBJ* pObj) {
    int Changed = GUI__SetText(&pObj->hText, pText);
    r = (pText && !pObj->hText) ? 1 : 0;
    return Changed != 0;
  });
  return r;
}

int BUTTON_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen) {
  if (!pBuffer || MaxLen <= 0) {
    return 0;
  }
  return _Access::Read(hObj, 0, [&](BUTTON_OBJ* pObj) { return WIDGET__CopyText(pObj->hText, pBuffer, MaxLen); });
}

void BUTTON_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _Access::Change(hObj, [&](BUTTON_OBJ* pObj) { return WIDGET__Store(&pObj->Props.pFont, pFont); });
}

const GUI_FONT* BUTTON_GetFont(WM_HWIN hObj) {
  return _Access::Read(hObj, (const GUI_FONT*)nullptr, [](BUTTON_OBJ* pObj) { return pObj->Props.pFont; });
}

void BUTTON_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 3) {
    _Access::Change(hObj, [&](BUTTON_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aBkColor[Index], Color); });
  }
}

GUI_COLOR BUTTON_GetBkColor(WM_HWIN hObj, unsigned Index) {
  return Index < 3 ? _Access::Read(hObj, (GUI_COLOR)0, [&](BUTTON_OBJ *pObj) { return pObj->Props.aBkColor[Index]; })
                   : 0;
}

void BUTTON_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 3) {
    _Access::Change(hObj, [&](BUTTON_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aTextColor[Index], Color); });
  }
}

GUI_COLOR BUTTON_GetTextColor(WM_HWIN hObj, unsigned Index) {
  return Index < 3 ? _Access::Read(hObj, (GUI_COLOR)0, [&](BUTTON_OBJ* pObj) { return pObj->Props.aTextColor[Index]; })
                   : 0;
}

void BUTTON_SetFrameColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](BUTTON_OBJ* pObj) { return WIDGET__Store(&pObj->Props.FrameColor, Color); });
}

GUI_COLOR BUTTON_GetFrameColor(WM_HWIN hObj) {
  return _Access::Read(hObj, (GUI_COLOR)0, [](BUTTON_OBJ* pObj) { return pObj->Props.FrameColor; });
}

// -> the previous colour, 0 when nothing changed.
GUI_COLOR BUTTON_SetFocusColor(WM_HWIN hObj, GUI_COLOR Color) {
  return _Access::SetColorGetOld(hObj, [](BUTTON_OBJ* p) { return &p->Props.FocusColor; }, Color);
}

void BUTTON_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](BUTTON_OBJ* pObj) { return WIDGET__Store(&pObj->Props.Align, (I16)Align); });
}

int BUTTON_GetTextAlign(WM_HWIN hObj) {
  return _Access::Read(hObj, -1, [](BUTTON_OBJ* pObj) { return (int)pObj->Props.Align; });
}

void BUTTON_SetTextOffset(WM_HWIN hObj, int xPos, int yPos) {
  _Access::Change(hObj, [&](BUTTON_OBJ* pObj) {
    bool x = WIDGET__Store(&pObj->Props.xOffText, (I16)xPos);
    bool y = WIDGET__Store(&pObj->Props.yOffText, (I16)yPos);
    return x || y;
  });
}

void BUTTON_SetFocusable(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  if (BUTTON__GetObj(hObj)) {
    OnOff ? WIDGET_OrState(hObj, WIDGET_STATE_FOCUSABLE) : WIDGET_AndState(hObj, WIDGET_STATE_FOCUSABLE);
  }
}

void BUTTON_SetPressed(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  if (BUTTON__GetObj(hObj)) {
    OnOff ? WIDGET_OrState(hObj, BUTTON_STATE_PRESSED) : WIDGET_AndState(hObj, BUTTON_STATE_PRESSED);
  }
}

int BUTTON_IsPressed(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](BUTTON_OBJ* pObj) { return (pObj->Widget.State & BUTTON_STATE_PRESSED) ? 1 : 0; });
}

int BUTTON_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&BUTTON__Type, hObj, pDest, NumBytes);
}

int BUTTON_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&BUTTON__Type, hObj, pSrc, NumBytes);
}

void BUTTON_SetDefaultBkColor(GUI_COLOR Color, unsigned Index) {
  WM__LockGuard Lock;
  if (Index < 3) {
    BUTTON__DefaultProps.aBkColor[Index] = Color;
  }
}

GUI_COLOR BUTTON_GetDefaultBkColor(unsigned Index) {
  return Index < 3 ? BUTTON__DefaultProps.aBkColor[Index] : WM_NO_COLOR;
}

void BUTTON_SetDefaultTextColor(GUI_COLOR Color, unsigned Index) {
  WM__LockGuard Lock;
  if (Index < 3) {
    BUTTON__DefaultProps.aTextColor[Index] = Color;
  }
}

GUI_COLOR BUTTON_GetDefaultTextColor(unsigned Index) {
  return Index < 3 ? BUTTON__DefaultProps.aTextColor[Index] : WM_NO_COLOR;
}

GUI_COLOR BUTTON_SetDefaultFocusColor(GUI_COLOR Color) {
  return WIDGET__SetDefault(&BUTTON__DefaultProps.FocusColor, Color);
}

void BUTTON_SetDefaultFont(const GUI_FONT* pFont) {
  WIDGET__SetDefault(&BUTTON__DefaultProps.pFont, pFont);
}

void BUTTON_SetDefaultTextAlign(int Align) {
  WIDGET__SetDefault(&BUTTON__DefaultProps.Align, Align);
}
