// SCROLLBAR: value, range, colours, thickness, user data and the module defaults.
#include "SCROLLBAR.h"

namespace {

using _Access = WIDGET_ACCESS<SCROLLBAR_OBJ, &SCROLLBAR__Type>;

} // namespace

void SCROLLBAR_SetValue(WM_HWIN hObj, int Value) {
  WM__LockGuard Lock;
  bool Changed = false;
  _Access::Change(hObj, [&](SCROLLBAR_OBJ* pObj) {
    I64 Max = (I64)pObj->NumItems - pObj->PageSize;
    if (Max < 0) {
      Max = 0;
    }
    Value = (int)WIDGET__Limit<I64>(Value, 0, Max);
    Changed = WIDGET__Store(&pObj->Value, Value);
    return Changed;
  });
  if (Changed) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
  }
}

void SCROLLBAR_AddValue(WM_HWIN hObj, int Add) {
  WM__LockGuard Lock;
  if (SCROLLBAR_OBJ* pObj = (SCROLLBAR_OBJ*)WIDGET__GetObj(&SCROLLBAR__Type, hObj)) {
    SCROLLBAR_SetValue(hObj, WM__ClampInt((I64)pObj->Value + Add));
  }
}

void SCROLLBAR_Inc(WM_HWIN hObj) {
  SCROLLBAR_AddValue(hObj, 1);
}

void SCROLLBAR_Dec(WM_HWIN hObj) {
  SCROLLBAR_AddValue(hObj, -1);
}

void SCROLLBAR_SetNumItems(WM_HWIN hObj, int NumItems) {
  _Access::Change(hObj, [&](SCROLLBAR_OBJ* pObj) { return WIDGET__Store(&pObj->NumItems, NumItems); });
}

void SCROLLBAR_SetPageSize(WM_HWIN hObj, int PageSize) {
  _Access::Change(hObj, [&](SCROLLBAR_OBJ* pObj) { return WIDGET__Store(&pObj->PageSize, PageSize); });
}

void SCROLLBAR_SetState(WM_HWIN hObj, const WM_SCROLL_STATE* pState) {
  if (!pState) {
    return;
  }
  WM__LockGuard Lock;
  SCROLLBAR_SetPageSize(hObj, pState->PageSize);
  SCROLLBAR_SetNumItems(hObj, pState->NumItems);
  SCROLLBAR_SetValue(hObj, pState->Value);
}

int SCROLLBAR_GetValue(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](SCROLLBAR_OBJ* pObj) { return (int)pObj->Value; });
}

int SCROLLBAR_GetNumItems(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](SCROLLBAR_OBJ* pObj) { return (int)pObj->NumItems; });
}

int SCROLLBAR_GetPageSize(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](SCROLLBAR_OBJ* pObj) { return (int)pObj->PageSize; });
}

GUI_COLOR SCROLLBAR_SetColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  GUI_COLOR Old = 0;
  if (Index < 3) {
    _Access::Change(hObj, [&](SCROLLBAR_OBJ* pObj) {
      Old = pObj->Props.aColor[Index];
      return WIDGET__Store(&pObj->Props.aColor[Index], Color);
    });
  }
  return Old;
}

GUI_COLOR SCROLLBAR_GetColor(WM_HWIN hObj, unsigned Index) {
  return Index < 3 ? _Access::Read(hObj, (GUI_COLOR)0, [&](SCROLLBAR_OBJ *pObj) { return pObj->Props.aColor[Index]; })
                   : 0;
}

int SCROLLBAR_SetWidth(WM_HWIN hObj, int Width) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&SCROLLBAR__Type, hObj)) {
    return 0;
  }
  int r = WIDGET_SetWidth(hObj, Width);
  SCROLLBAR__InformOthers(hObj);
  return r;
}

GUI_COLOR SCROLLBAR_SetDefaultColor(GUI_COLOR Color, unsigned Index) {
  WM__LockGuard Lock;
  if (Index >= 3) {
    return 0;
  }
  GUI_COLOR Old = SCROLLBAR__DefaultProps.aColor[Index];
  SCROLLBAR__DefaultProps.aColor[Index] = Color;
  return Old;
}

int SCROLLBAR_GetDefaultWidth(void) {
  return SCROLLBAR__DefaultWidth;
}

int SCROLLBAR_SetDefaultWidth(int Width) {
  return WIDGET__SetDefault(&SCROLLBAR__DefaultWidth, Width);
}

int SCROLLBAR_GetThumbSizeMin(void) {
  return SCROLLBAR__ThumbSizeMin;
}

int SCROLLBAR_SetThumbSizeMin(int Size) {
  return WIDGET__SetDefault(&SCROLLBAR__ThumbSizeMin, Size);
}

int SCROLLBAR_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&SCROLLBAR__Type, hObj, pDest, NumBytes);
}

int SCROLLBAR_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&SCROLLBAR__Type, hObj, pSrc, NumBytes);
}
