// MULTIEDIT: cursor, colours, font, border, alignment, wrap mode, flags, blinking, focusability and user
// data. A change that moves text around lays it out again; indexes outside their tables are ignored.
#include "MULTIEDIT.h"

namespace {

using _Access = WIDGET_ACCESS<MULTIEDIT_OBJ, &MULTIEDIT__Type>;

// Runs f on the record and, when it reports a change, lays the text out again.
template <class F> void _Relayout(WM_HWIN hObj, F f) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return;
  }
  if (f(MULTIEDIT__Obj(hObj))) {
    // The cursor keeps its character; its line and the scroll states follow (and the parent, told that the
    // widget scrolled, may delete it).
    int Pos = MULTIEDIT__Obj(hObj)->CursorPosChar;
    MULTIEDIT__Obj(hObj)->CursorPosChar = -1;
    WM__WATCH Watch(hObj);
    MULTIEDIT__SetCursor(hObj, Pos);
    if (Watch.Alive()) {
      MULTIEDIT__Refresh(hObj);
    }
  }
}

void _SetFlag(WM_HWIN hObj, U8 Flag, int OnOff) {
  _Relayout(hObj, [&](MULTIEDIT_OBJ* pObj) {
    pObj->Flags = (U8)(OnOff ? pObj->Flags | Flag : pObj->Flags & ~Flag);
    return true;
  });
}

} // namespace

void MULTIEDIT_SetCursorOffset(WM_HWIN hObj, int Offset) {
  WM__LockGuard Lock;
  if (WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    WM__WATCH Watch(hObj);
    MULTIEDIT__SetCursor(hObj, Offset);
    if (Watch.Alive()) {
      WM_InvalidateWindow(hObj);
    }
  }
}

int MULTIEDIT_GetCursorCharPos(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](MULTIEDIT_OBJ* pObj) { return (int)pObj->CursorPosChar; });
}

void MULTIEDIT_GetCursorPixelPos(WM_HWIN hObj, int* pxPos, int* pyPos) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return;
  }
  int x, y;
  MULTIEDIT__GetCursorXY(hObj, &x, &y);
  const MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  int e = pObj->Widget.pEffect->EffectSize;
  if (pxPos) {
    *pxPos = x + pObj->Props.HBorder - pObj->ScrollStateH.Value + e;
  }
  if (pyPos) {
    *pyPos = y + e - pObj->ScrollStateV.Value * GUI_GetYDistOfFont(pObj->Props.pFont);
  }
}

void MULTIEDIT_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    _Access::Change(hObj, [&](MULTIEDIT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aBkColor[Index], Color); });
  }
}

void MULTIEDIT_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    _Access::Change(hObj, [&](MULTIEDIT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aColor[Index], Color); });
  }
}

void MULTIEDIT_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _Relayout(hObj, [&](MULTIEDIT_OBJ* pObj) { return pFont && WIDGET__Store(&pObj->Props.pFont, pFont); });
}

void MULTIEDIT_SetHBorder(WM_HWIN hObj, unsigned HBorder) {
  _Relayout(hObj, [&](MULTIEDIT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.HBorder, (U8)HBorder); });
}

void MULTIEDIT_SetTextAlign(WM_HWIN hObj, int Align) {
  _Relayout(hObj, [&](MULTIEDIT_OBJ* pObj) {
    int Mask = (pObj->Widget.State & WIDGET_STATE_FOCUSABLE) ? 1 : 3;
    return WIDGET__Store(&pObj->TextAlign, Align & Mask);
  });
}

int MULTIEDIT_SetWrapMode(WM_HWIN hObj, int Mode) {
  int Old = 0;
  if (Mode < GUI_WRAPMODE_NONE || Mode > GUI_WRAPMODE_CHAR) {
    Mode = GUI_WRAPMODE_NONE; // an unknown mode does not wrap
  }
  _Relayout(hObj, [&](MULTIEDIT_OBJ* pObj) {
    Old = pObj->WrapMode;
    return WIDGET__Store(&pObj->WrapMode, Mode);
  });
  return Old;
}

void MULTIEDIT_SetWrapNone(WM_HWIN hObj) {
  MULTIEDIT_SetWrapMode(hObj, GUI_WRAPMODE_NONE);
}

void MULTIEDIT_SetWrapWord(WM_HWIN hObj) {
  MULTIEDIT_SetWrapMode(hObj, GUI_WRAPMODE_WORD);
}

void MULTIEDIT_SetWrapChar(WM_HWIN hObj) {
  MULTIEDIT_SetWrapMode(hObj, GUI_WRAPMODE_CHAR);
}

void MULTIEDIT_SetReadOnly(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, MULTIEDIT_SF_READONLY, OnOff);
}

void MULTIEDIT_SetInsertMode(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, MULTIEDIT_SF_INSERT, OnOff);
}

void MULTIEDIT_SetPasswordMode(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, MULTIEDIT_SF_PASSWORD, OnOff);
}

void MULTIEDIT_SetAutoScrollV(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  WM__WATCH Watch(hObj);
  _SetFlag(hObj, MULTIEDIT_SF_AUTOSCROLLBAR_V, OnOff);
  if (!OnOff && Watch.Alive() && WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    WIDGET__UpdateScrollbar(hObj, 1, WIDGET_SCROLLBAR_OFF, nullptr);
  }
}

void MULTIEDIT_SetAutoScrollH(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  WM__WATCH Watch(hObj);
  _SetFlag(hObj, MULTIEDIT_SF_AUTOSCROLLBAR_H, OnOff);
  if (!OnOff && Watch.Alive() && WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    WIDGET__UpdateScrollbar(hObj, 0, WIDGET_SCROLLBAR_OFF, nullptr);
  }
}

void MULTIEDIT_EnableBlink(WM_HWIN hObj, int Period, int OnOff) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return;
  }
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  if (OnOff && Period > 0) {
    if (pObj->hTimer) {
      WM_RestartTimer(pObj->hTimer, Period);
    } else {
      WM_HTIMER hTimer = WM_CreateTimer(hObj, 0, Period, 0);
      MULTIEDIT__Obj(hObj)->hTimer = hTimer;
    }
  } else if (pObj->hTimer) {
    WM_DeleteTimer(pObj->hTimer);
    MULTIEDIT__Obj(hObj)->hTimer = 0;
  }
  MULTIEDIT__Obj(hObj)->CursorShown = 1;
  WM_InvalidateWindow(hObj);
}

void MULTIEDIT_SetFocusable(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return;
  }
  OnOff ? WIDGET_OrState(hObj, WIDGET_STATE_FOCUSABLE) : WIDGET_AndState(hObj, WIDGET_STATE_FOCUSABLE);
  if (!OnOff && WM_HasFocus(hObj)) {
    WM_HWIN hParent = WM_GetParent(hObj);
    hParent ? (void)WM_SetFocusOnNextChild(hParent) : (void)WM_SetFocus(WM_GetDesktopWindow());
  }
}

int MULTIEDIT_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&MULTIEDIT__Type, hObj, pDest, NumBytes);
}

int MULTIEDIT_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&MULTIEDIT__Type, hObj, pSrc, NumBytes);
}
