// SPINBOX: value and range (held by the edit child), step, button size and place, font, colours, the
// edit's blinking and focusability, and user data. Indexes outside their tables are ignored.
#include "EDIT.h"
#include "SPINBOX.h"

namespace {

using _Access = WIDGET_ACCESS<SPINBOX_OBJ, &SPINBOX__Type>;

WM_HWIN _Edit(WM_HWIN hObj) {
  return _Access::Read(hObj, (WM_HWIN)0, [](SPINBOX_OBJ* pObj) { return pObj->hEdit; });
}

} // namespace

SPINBOX_PROPS SPINBOX__DefaultProps = {
    {0xAAAAAA, 0xD3D3D3, 0xFFFFFF, 0xC8C8C8, 0xFFFFFF, 0xD3D3D3, 0x505050, 0x808080, 0xD3D3D3, 0x3F3F3F, 0x000000,
     0x404040, 0x3F3F3F, 0x000000, 0x404040},
    {0xC0C0C0, 0xFFFFFF},
    {0x3F3F3F, 0x000000},
    nullptr};

void SPINBOX_SetValue(WM_HWIN hObj, int Value) {
  WM__LockGuard Lock;
  if (WM_HWIN hEdit = _Edit(hObj)) {
    EDIT_SetValue(hEdit, Value);
  }
}

int SPINBOX_GetValue(WM_HWIN hObj) {
  WM__LockGuard Lock;
  WM_HWIN hEdit = _Edit(hObj);
  return hEdit ? EDIT_GetValue(hEdit) : 0;
}

void SPINBOX_SetRange(WM_HWIN hObj, int Min, int Max) {
  WM__LockGuard Lock;
  if (Min >= Max) {
    return; // no range to step in: the old one stays
  }
  bool Found = false;
  _Access::Change(hObj, [&](SPINBOX_OBJ* pObj) {
    pObj->Min = Min;
    pObj->Max = Max;
    Found = true;
    return true;
  });
  WM_HWIN hEdit = Found ? _Edit(hObj) : 0;
  if (hEdit) {
    int Len = GUI_Long2Len(Min) > GUI_Long2Len(Max) ? GUI_Long2Len(Min) : GUI_Long2Len(Max);
    EDIT_SetMaxLen(hEdit, Len);
    EDIT_SetDecMode(hEdit, EDIT_GetValue(hEdit), Min, Max, 0, 0);
    EDIT_SetCursorAtChar(hEdit, Max - 1);
  }
}

U16 SPINBOX_SetStep(WM_HWIN hObj, U16 Step) {
  U16 Old = 0;
  _Access::Change(hObj, [&](SPINBOX_OBJ* pObj) {
    Old = pObj->Step;
    if (Step) {
      pObj->Step = Step;
    }
    return false;
  });
  return Old;
}

void SPINBOX_SetButtonSize(WM_HWIN hObj, unsigned Size) {
  WM__LockGuard Lock;
  bool Found = false;
  _Access::Change(hObj, [&](SPINBOX_OBJ* pObj) {
    pObj->ButtonSize = (U16)Size;
    Found = true;
    return true;
  });
  if (Found) {
    SPINBOX__LayoutEdit(hObj);
  }
}

void SPINBOX_SetEdge(WM_HWIN hObj, int Edge) {
  if (Edge < SPINBOX_EDGE_RIGHT || Edge > SPINBOX_EDGE_CENTER) {
    return;
  }
  WM__LockGuard Lock;
  bool Changed = false;
  _Access::Change(hObj, [&](SPINBOX_OBJ* pObj) { return Changed = WIDGET__Store(&pObj->Edge, Edge); });
  if (Changed) {
    SPINBOX__LayoutEdit(hObj);
  }
}

void SPINBOX_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  WM__LockGuard Lock;
  WM_HWIN hEdit = _Edit(hObj);
  if (!hEdit || !pFont) {
    return;
  }
  EDIT_SetFont(hEdit, pFont);
  int ySize = WM_GetWindowSizeY(hObj);
  int Inside = ySize - 2 * SPINBOX__Obj(hObj)->Widget.pEffect->EffectSize;
  int y0 = WM_GetWindowPosY(hObj);
  if (WM_GetWindowSizeY(hEdit) < Inside) {
    int Height = GUI_GetYDistOfFont(pFont);
    Height = Height < Inside ? Height : Inside;
    WM_SetYSize(hEdit, Height);
    WM_MoveTo(hEdit, WM_GetWindowPosX(hEdit), y0 + (ySize - Height) / 2);
  } else {
    WM_SetYSize(hEdit, Inside);
    WM_MoveTo(hEdit, WM_GetWindowPosX(hEdit), y0 + (ySize - Inside) / 2);
  }
  SPINBOX__LayoutEdit(hObj);
  WM_InvalidateWindow(hObj);
}

void SPINBOX_SetButtonColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 15) {
    _Access::Change(hObj, [&](SPINBOX_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aColor[Index], Color); });
  }
}

GUI_COLOR SPINBOX_GetButtonColor(WM_HWIN hObj, unsigned Index) {
  return Index < 15 ? _Access::Read(hObj, (GUI_COLOR)0, [&](SPINBOX_OBJ* pObj) { return pObj->Props.aColor[Index]; })
                    : 0;
}

void SPINBOX_SetEditBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index >= 2) {
    return;
  }
  WM__LockGuard Lock;
  _Access::Change(hObj, [&](SPINBOX_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aEditBkColor[Index], Color); });
  if (WM_HWIN hEdit = _Edit(hObj)) {
    EDIT_SetBkColor(hEdit, Index, Color);
  }
}

GUI_COLOR SPINBOX_GetEditBkColor(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  WM_HWIN hEdit = _Edit(hObj);
  return hEdit ? EDIT_GetBkColor(hEdit, Index) : 0;
}

void SPINBOX_SetEditTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  WM__LockGuard Lock;
  if (WM_HWIN hEdit = _Edit(hObj)) {
    EDIT_SetTextColor(hEdit, Index, Color);
  }
}

WM_HWIN SPINBOX_GetEditHandle(WM_HWIN hObj) {
  return _Edit(hObj);
}

void SPINBOX_EnableBlink(WM_HWIN hObj, int Period, int OnOff) {
  WM__LockGuard Lock;
  if (WM_HWIN hEdit = _Edit(hObj)) {
    EDIT_EnableBlink(hEdit, Period, OnOff);
  }
}

void SPINBOX_SetEditFocusable(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  if (WM_HWIN hEdit = _Edit(hObj)) {
    EDIT_SetFocusable(hEdit, OnOff);
  }
}

int SPINBOX_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&SPINBOX__Type, hObj, pDest, NumBytes);
}

int SPINBOX_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&SPINBOX__Type, hObj, pSrc, NumBytes);
}
