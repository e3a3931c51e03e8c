// PROGBAR: creation, typed locking, the callback, the value with its percentage text and the settings.
// The percentage is written into the text block with its size as the bound, whatever text was there.
#include "PROGBAR.h"

#include <cstdio>

namespace {

using _Access = WIDGET_ACCESS<PROGBAR_OBJ, &PROGBAR__Type>;

constexpr int PERCENT_BUFFER = 5; // "100%" and its 0

PROGBAR_OBJ* _Obj(WM_HWIN hObj) {
  return (PROGBAR_OBJ*)WM_H2P(hObj);
}

bool _IsVertical(const PROGBAR_OBJ* pObj) {
  return (pObj->Flags & PROGBAR_FLAG_VERTICAL) != 0;
}

// Writes the percentage of the stored value into the text block (the caller made it large enough).
void _MakePercent(WM_HWIN hObj) {
  PROGBAR_OBJ* pObj = _Obj(hObj);
  if (!pObj->hText) {
    return;
  }
  I64 Range = (I64)pObj->Max - pObj->Min;
  int Percent = Range > 0 ? (int)(((I64)pObj->Value - pObj->Min) * 100 / Range) : 0;
  snprintf((char*)GUI_ALLOC_h2p(pObj->hText), (size_t)GUI_ALLOC_GetSize(pObj->hText), "%d%%", Percent);
}

// The strip between two positions along the bar, across its whole thickness (window coordinates).
GUI_RECT _Strip(WM_HWIN hObj, int p0, int p1) {
  GUI_RECT r;
  WM_GetClientRectEx(hObj, &r);
  int a = p0 < p1 ? p0 : p1, b = p0 < p1 ? p1 : p0;
  if (_IsVertical(_Obj(hObj))) {
    r.y0 = (I16)a;
    r.y1 = (I16)b;
  } else {
    r.x0 = (I16)a;
    r.x1 = (I16)b;
  }
  return r;
}

void _OnDelete(WM_HWIN hObj) {
  GUI_ALLOC_FreePtr(&_Obj(hObj)->hText);
}

} // namespace

PROGBAR_PROPS PROGBAR__DefaultProps = {&GUI_Font8, {0x555555, 0xAAAAAA}, {0xFFFFFF, 0x000000}, nullptr};

const WIDGET_TYPE PROGBAR__Type = {.pName = "PROGBAR",
                                   .cb = PROGBAR_Callback,
                                   .ObjSize = sizeof(PROGBAR_OBJ),
                                   .TagOffset = offsetof(PROGBAR_OBJ, DebugId),
                                   .Tag = PROGBAR_ID,
                                   .pDefaultProps = &PROGBAR__DefaultProps,
                                   .PropsOffset = offsetof(PROGBAR_OBJ, Props),
                                   .PropsSize = sizeof(PROGBAR_PROPS),
                                   .ppDefaultSkin = &PROGBAR__pDefaultSkin,
                                   .SkinOffset = offsetof(PROGBAR_OBJ, pSkin),
                                   .DrawSkinOffset = offsetof(PROGBAR_OBJ, Props.pfDrawSkin),
                                   .pfOnDelete = _OnDelete};

int PROGBAR__GetPos(const PROGBAR_OBJ* pObj, int v) {
  int e = pObj->Widget.pEffect->EffectSize;
  const GUI_RECT& Rect = pObj->Widget.Win.Rect;
  int L = _IsVertical(pObj) ? Rect.y1 - Rect.y0 + 1 : Rect.x1 - Rect.x0 + 1;
  I64 Range = (I64)pObj->Max - pObj->Min;
  v = WIDGET__Limit(v, pObj->Min, pObj->Max);
  if (Range <= 0) {
    return e;
  }
  I64 Along = _IsVertical(pObj) ? (I64)pObj->Max - v : (I64)v - pObj->Min;
  return e + (int)(Along * (L - 2 * e) / Range);
}

const char* PROGBAR__GetText(const PROGBAR_OBJ* pObj) {
  return pObj->hText ? WIDGET__Text(pObj->hText) : nullptr;
}

GUI_RECT PROGBAR__GetTextRect(WM_HWIN hObj, const PROGBAR_OBJ* pObj, const char* pText) {
  const GUI_FONT* pOld = GUI_SetFont(pObj->Props.pFont);
  int w = pText ? GUI_GetStringDistX(pText) : 0;
  GUI_SetFont(pOld);
  int h = GUI_GetYSizeOfFont(pObj->Props.pFont);
  int W = WM_GetWindowSizeX(hObj), H = WM_GetWindowSizeY(hObj);
  int e = pObj->Widget.pEffect->EffectSize;
  int x;
  switch (pObj->TextAlign & GUI_TA_HORIZONTAL) {
  case GUI_TA_RIGHT:
    x = W - w - e - 1;
    break;
  case GUI_TA_HCENTER:
    x = (W - w) / 2;
    break;
  default:
    x = e;
    break;
  }
  int y = (H - h) / 2;
  x += pObj->XOff;
  y += pObj->YOff;
  return {(I16)x, (I16)y, (I16)(x + w - 1), (I16)(y + h - 1)};
}

void PROGBAR_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&PROGBAR__Type, pMsg);
}

WM_HWIN PROGBAR_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                           int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&PROGBAR__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_HMEM hText = GUI_ALLOC_AllocZero(PERCENT_BUFFER);
  if (!hText) {
    return WIDGET__CreateFailed(&PROGBAR__Type, hObj);
  }
  PROGBAR_OBJ* pObj = _Obj(hObj);
  pObj->Widget.pEffect = &WIDGET_Effect_None;
  pObj->hText = hText;
  pObj->TextAlign = GUI_TA_HCENTER;
  pObj->Min = 0;
  pObj->Max = 100;
  pObj->Value = 0;
  pObj->Flags = (U8)(ExFlags & PROGBAR_FLAG_VERTICAL);
  _MakePercent(hObj);
  return WIDGET__FinishCreate(&PROGBAR__Type, hObj);
}

WM_HWIN PROGBAR_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return PROGBAR_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN PROGBAR_Create(int x0, int y0, int xSize, int ySize, int WinFlags) {
  return PROGBAR_CreateEx(x0, y0, xSize, ySize, 0, WinFlags, 0, 0);
}

WM_HWIN PROGBAR_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags) {
  return PROGBAR_CreateEx(x0, y0, xSize, ySize, hParent, WinFlags, 0, Id);
}

WM_HWIN PROGBAR_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                               WM_CALLBACK*) {
  return WIDGET__CreateIndirect(PROGBAR_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

PROGBAR_OBJ* PROGBAR_LockH(WM_HWIN hObj) {
  return (PROGBAR_OBJ*)WIDGET__LockH(&PROGBAR__Type, hObj);
}

void PROGBAR_SetValue(WM_HWIN hObj, int Value) {
  WM__LockGuard Lock;
  PROGBAR_OBJ* pObj = (PROGBAR_OBJ*)WIDGET__GetObj(&PROGBAR__Type, hObj);
  if (!pObj) {
    return;
  }
  Value = WIDGET__Limit(Value, pObj->Min, pObj->Max);
  if (Value == pObj->Value) {
    return;
  }
  int pOld = PROGBAR__GetPos(pObj, pObj->Value), pNew = PROGBAR__GetPos(pObj, Value);
  GUI_RECT r = _Strip(hObj, pOld, pNew);
  if (_IsVertical(pObj) || (pObj->Flags & PROGBAR_FLAG_USERTEXT)) {
    pObj->Value = Value;
  } else {
    if (!pObj->hText || GUI_ALLOC_GetSize(pObj->hText) < PERCENT_BUFFER) {
      GUI_HMEM hNew = GUI_ALLOC_Realloc(pObj->hText, PERCENT_BUFFER);
      pObj = _Obj(hObj);
      if (hNew) {
        pObj->hText = hNew;
      }
    }
    GUI_RECT rOld = PROGBAR__GetTextRect(hObj, pObj, PROGBAR__GetText(pObj));
    GUI__MergeRect(&r, &r, &rOld);
    pObj->Value = Value;
    _MakePercent(hObj);
    GUI_RECT rNew = PROGBAR__GetTextRect(hObj, pObj, PROGBAR__GetText(pObj));
    GUI__MergeRect(&r, &r, &rNew);
  }
  WM_InvalidateRect(hObj, &r);
}

int PROGBAR_GetValue(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](PROGBAR_OBJ* pObj) { return (int)pObj->Value; });
}

void PROGBAR_SetMinMax(WM_HWIN hObj, int Min, int Max) {
  if (Max <= Min) {
    return;
  }
  _Access::Change(hObj, [&](PROGBAR_OBJ* pObj) {
    bool a = WIDGET__Store(&pObj->Min, Min);
    bool b = WIDGET__Store(&pObj->Max, Max);
    return a || b;
  });
}

void PROGBAR_SetText(WM_HWIN hObj, const char* pText) {
  WM__LockGuard Lock;
  PROGBAR_OBJ* pObj = (PROGBAR_OBJ*)WIDGET__GetObj(&PROGBAR__Type, hObj);
  if (!pObj) {
    return;
  }
  GUI_RECT rOld = PROGBAR__GetTextRect(hObj, pObj, PROGBAR__GetText(pObj));
  WM_InvalidateRect(hObj, &rOld);
  if (!pText) {
    _Obj(hObj)->Flags &= (U8)~PROGBAR_FLAG_USERTEXT;
    return;
  }
  GUI_HMEM hText = pObj->hText;
  GUI__SetText(&hText, pText);
  pObj = _Obj(hObj);
  pObj->hText = hText;
  pObj->Flags |= PROGBAR_FLAG_USERTEXT;
  GUI_RECT rNew = PROGBAR__GetTextRect(hObj, pObj, PROGBAR__GetText(pObj));
  WM_InvalidateRect(hObj, &rNew);
}

int PROGBAR_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen) {
  return _Access::Read(hObj, 0, [&](PROGBAR_OBJ* pObj) { return WIDGET__CopyText(pObj->hText, pBuffer, MaxLen); });
}

void PROGBAR_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](PROGBAR_OBJ* pObj) {
    pObj->TextAlign = (U16)Align;
    return true;
  });
}

void PROGBAR_SetTextPos(WM_HWIN hObj, int XOff, int YOff) {
  _Access::Change(hObj, [&](PROGBAR_OBJ* pObj) {
    pObj->XOff = (I16)XOff;
    pObj->YOff = (I16)YOff;
    return true;
  });
}

void PROGBAR_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _Access::Change(hObj, [&](PROGBAR_OBJ* pObj) {
    pObj->Props.pFont = pFont;
    return true;
  });
}

void PROGBAR_SetBarColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    _Access::Change(hObj, [&](PROGBAR_OBJ* pObj) {
      pObj->Props.aBarColor[Index] = Color;
      return true;
    });
  }
}

void PROGBAR_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    _Access::Change(hObj, [&](PROGBAR_OBJ* pObj) {
      pObj->Props.aTextColor[Index] = Color;
      return true;
    });
  }
}

int PROGBAR_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&PROGBAR__Type, hObj, pDest, NumBytes);
}

int PROGBAR_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&PROGBAR__Type, hObj, pSrc, NumBytes);
}
