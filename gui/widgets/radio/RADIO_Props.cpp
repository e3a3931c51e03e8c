// RADIO: item texts, colours, images, user data and the module defaults. Item and image indexes outside
// their range are ignored.
#include "RADIO.h"

namespace {

using _Access = WIDGET_ACCESS<RADIO_OBJ, &RADIO__Type>;

} // namespace

int RADIO_GetText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxLen) {
  return _Access::Read(hObj, 0, [&](RADIO_OBJ* pObj) {
    if (Index >= pObj->NumItems) {
      return 0;
    }
    return WIDGET__GetItemText(pObj->hItems, (int)Index, pBuffer, MaxLen);
  });
}

void RADIO_SetText(WM_HWIN hObj, const char* pText, unsigned Index) {
  _Access::Change(hObj, [&](RADIO_OBJ* pObj) {
    return Index < pObj->NumItems && WIDGET__SetItemText(pObj->hItems, (int)Index, pText) == 0;
  });
}

void RADIO_SetTextColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj,
                  [&](RADIO_OBJ *pObj) { return WIDGET__Store(&pObj->Props.TextColor, Color) && pObj->NumItems; });
}

void RADIO_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _Access::Change(hObj, [&](RADIO_OBJ* pObj) { return WIDGET__Store(&pObj->Props.pFont, pFont) && pObj->NumItems; });
}

GUI_COLOR RADIO_SetFocusColor(WM_HWIN hObj, GUI_COLOR Color) {
  return _Access::SetColorGetOld(hObj, [](RADIO_OBJ* p) { return &p->Props.FocusColor; }, Color);
}

void RADIO_SetBkColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](RADIO_OBJ* pObj) {
    if (!WIDGET__Store(&pObj->Props.BkColor, Color)) {
      return false;
    }
    WIDGET__SetTransByColor(hObj, Color);
    return true;
  });
}

static const GUI_BITMAP** _Image(RADIO_PROPS* pProps, unsigned Index) {
  return Index < 2 ? &pProps->apBmButton[Index] : Index == RADIO_BI_CHECK ? &pProps->pBmCheck : nullptr;
}

const GUI_BITMAP* RADIO_GetImage(WM_HWIN hObj, unsigned Index) {
  return _Access::Read(hObj, (const GUI_BITMAP*)nullptr, [&](RADIO_OBJ* pObj) {
    const GUI_BITMAP** pp = _Image(&pObj->Props, Index);
    return pp ? *pp : nullptr;
  });
}

void RADIO_SetImage(WM_HWIN hObj, const GUI_BITMAP* pBitmap, unsigned Index) {
  _Access::Change(hObj, [&](RADIO_OBJ* pObj) {
    const GUI_BITMAP** pp = _Image(&pObj->Props, Index);
    if (pp) {
      *pp = pBitmap;
    }
    return pp != nullptr;
  });
}

int RADIO_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&RADIO__Type, hObj, pDest, NumBytes);
}

int RADIO_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&RADIO__Type, hObj, pSrc, NumBytes);
}

GUI_COLOR RADIO_SetDefaultFocusColor(GUI_COLOR Color) {
  return WIDGET__SetDefault(&RADIO__DefaultProps.FocusColor, Color);
}

void RADIO_SetDefaultFont(const GUI_FONT* pFont) {
  WIDGET__SetDefault(&RADIO__DefaultProps.pFont, pFont);
}

void RADIO_SetDefaultTextColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&RADIO__DefaultProps.TextColor, Color);
}

void RADIO_SetDefaultImage(const GUI_BITMAP* pBitmap, unsigned Index) {
  WM__LockGuard Lock;
  if (const GUI_BITMAP** pp = _Image(&RADIO__DefaultProps, Index)) {
    *pp = pBitmap;
  }
}
