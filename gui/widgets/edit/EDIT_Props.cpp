// EDIT: the text, the cursor, the looks, user data and the module defaults. Texts given from outside are
// cut at whole characters; copies out never write more than the caller's buffer holds.
#include <cstring>

#include "EDIT.h"

namespace {

using _Access = WIDGET_ACCESS<EDIT_OBJ, &EDIT__Type>;

EDIT_OBJ* _Obj(WM_HWIN hObj) {
  return (EDIT_OBJ*)WM_H2P(hObj);
}

// Puts the first MaxLen characters of s into the buffer, growing it as needed; -> characters copied, -1
// when the buffer could not be had (the text is left as it was).
int _CopyIn(WM_HWIN hObj, const char* s) {
  EDIT_OBJ* pObj = _Obj(hObj);
  int NumChars = GUI__GetNumChars(s);
  if (NumChars > pObj->MaxLen) {
    NumChars = pObj->MaxLen;
  }
  int NumBytes = GUI_UC__CountBytes(s, NumChars);
  if (!pObj->hText || NumBytes + 1 > pObj->BufferSize) {
    int Size = NumBytes + 1;
    if (Size > 0xFFFF) {
      return -1;
    }
    GUI_HMEM hNew = GUI_ALLOC_Realloc(pObj->hText, Size);
    if (!hNew) {
      return -1;
    }
    pObj = _Obj(hObj);
    pObj->hText = hNew;
    pObj->BufferSize = (U16)Size;
  }
  char* d = EDIT__Text(pObj);
  memmove(d, s, (size_t)NumBytes);
  d[NumBytes] = 0;
  return NumChars;
}

bool _Index(unsigned Index) {
  return Index < 2;
}

} // namespace

void EDIT__SetTextRaw(WM_HWIN hObj, const char* s) {
  if (_CopyIn(hObj, s) >= 0 && WM__IsWindow(hObj)) {
    WM_InvalidateWindow(hObj);
  }
}

void EDIT__UpdateBuffer(WM_HWIN hObj) {
  EDIT_OBJ* pObj = _Obj(hObj);
  if (pObj->pfUpdateBuffer) {
    pObj->pfUpdateBuffer(hObj);
  }
  WM_InvalidateWindow(hObj);
}

void EDIT_SetText(WM_HWIN hObj, const char* s) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = (EDIT_OBJ*)WIDGET__GetObj(&EDIT__Type, hObj);
  if (!pObj) {
    return;
  }
  if (!s) {
    GUI_ALLOC_FreePtr(&pObj->hText);
    pObj->BufferSize = 0;
    pObj->CursorPos = 0;
  } else {
    int n = _CopyIn(hObj, s);
    if (n >= 0) {
      pObj = _Obj(hObj);
      pObj->CursorPos = n;
      if (pObj->Overwrite && n == pObj->MaxLen && n > 0) {
        pObj->CursorPos = n - 1;
      }
      pObj->SelSize = 0;
    }
  }
  WM_InvalidateWindow(hObj);
}

void EDIT_GetText(WM_HWIN hObj, char* sDest, int MaxLen) {
  if (!sDest || MaxLen < 1) {
    return;
  }
  *sDest = 0;
  _Access::Read(hObj, 0, [&](EDIT_OBJ* pObj) {
    if (!pObj->hText) {
      return 0;
    }
    // Cut at a whole character so that the copy stays a valid text.
    const char* s = EDIT__Text(pObj);
    int n = 0;
    while (s[n]) {
      int Size = GUI_UC_GetCharSize(s + n);
      if (n + Size > MaxLen - 1) {
        break;
      }
      n += Size;
    }
    memcpy(sDest, s, (size_t)n);
    sDest[n] = 0;
    return n;
  });
}

void EDIT_SetMaxLen(WM_HWIN hObj, int MaxLen) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = (EDIT_OBJ*)WIDGET__GetObj(&EDIT__Type, hObj);
  if (!pObj || MaxLen == pObj->MaxLen || MaxLen < 0 || MaxLen > 0x7FFE) {
    return;
  }
  int NumBytes = 0;
  if (pObj->hText) {
    char* s = EDIT__Text(pObj);
    NumBytes = GUI_UC__CountBytes(s, MaxLen);
    s[NumBytes] = 0;
  }
  // MaxLen + 1 bytes, or more when the kept characters take several bytes each: nothing kept is lost.
  int Size = NumBytes + 1 > MaxLen + 1 ? NumBytes + 1 : MaxLen + 1;
  GUI_HMEM hNew = GUI_ALLOC_Realloc(pObj->hText, Size);
  pObj = _Obj(hObj);
  if (hNew) {
    if (!pObj->hText) {
      *(char*)GUI_ALLOC_h2p(hNew) = 0;
    }
    pObj->hText = hNew;
    pObj->BufferSize = (U16)Size;
  }
  pObj->MaxLen = (I16)MaxLen;
  EDIT__SetCursorPos(pObj, pObj->CursorPos);
  WM_InvalidateWindow(hObj);
}

void EDIT_SetCursorAtChar(WM_HWIN hObj, int Pos) {
  _Access::Change(hObj, [&](EDIT_OBJ* pObj) {
    EDIT__SetCursorPos(pObj, Pos);
    return true;
  });
}

void EDIT_SetCursorAtPixel(WM_HWIN hObj, int xPos) {
  _Access::Change(hObj, [&](EDIT_OBJ* pObj) {
    if (!pObj->hText) {
      return false;
    }
    const char* s = EDIT__Text(pObj);
    const GUI_FONT* pOld = GUI_SetFont(pObj->Props.pFont);
    int W = WM_GetWindowSizeX(hObj);
    int TW = GUI_GetStringDistX(s);
    I64 x; // formed wide: a pixel position anywhere in int lands before the first or after the last character
    switch (pObj->Props.Align & GUI_TA_HORIZONTAL) {
    case GUI_TA_RIGHT:
      x = (I64)xPos + 1 + TW + pObj->Props.Border - W;
      break;
    case GUI_TA_HCENTER:
      x = (I64)xPos - (W - TW + 1) / 2;
      break;
    default:
      x = (I64)xPos - 1 - pObj->Widget.pEffect->EffectSize - pObj->Props.Border;
      break;
    }
    int Pos = x < 0 ? 0 : x > TW ? GUI__GetNumChars(s) : GUI__GetCharsInWidth(s, (int)x, GUI__GetNumChars(s));
    GUI_SetFont(pOld);
    EDIT__SetCursorPos(pObj, Pos);
    return true;
  });
}

int EDIT_GetCursorCharPos(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](EDIT_OBJ* pObj) { return (int)pObj->CursorPos; });
}

int EDIT_GetNumChars(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](EDIT_OBJ* pObj) { return EDIT__NumChars(pObj); });
}

void EDIT_SetSel(WM_HWIN hObj, int FirstChar, int LastChar) {
  _Access::Read(hObj, 0, [&](EDIT_OBJ* pObj) {
    if (FirstChar == -1) {
      pObj->SelSize = 0;
      return 0;
    }
    int NumChars = EDIT__NumChars(pObj);
    int Limit = pObj->BufferSize ? pObj->BufferSize - 1 : 0;
    if (LastChar == -1) {
      LastChar = NumChars - 1;
    }
    // Positions beyond the text would select bytes that are no characters: keep them inside.
    Limit = Limit < NumChars ? Limit : NumChars;
    FirstChar = FirstChar < Limit ? FirstChar : Limit;
    LastChar = LastChar < Limit - 1 ? LastChar : Limit - 1;
    if (FirstChar >= 0 && FirstChar <= LastChar) {
      pObj->CursorPos = FirstChar;
      pObj->SelSize = LastChar - FirstChar + 1;
    }
    return 0;
  });
}

int EDIT_SetInsertMode(WM_HWIN hObj, int OnOff) {
  int Old = 0;
  _Access::Change(hObj, [&](EDIT_OBJ* pObj) {
    Old = pObj->Overwrite;
    pObj->Overwrite = OnOff ? 0 : 1;
    EDIT__SetCursorPos(pObj, pObj->CursorPos);
    return Old != pObj->Overwrite;
  });
  return Old;
}

void EDIT_SetFocusable(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  if (WIDGET__GetObj(&EDIT__Type, hObj)) {
    OnOff ? WIDGET_OrState(hObj, WIDGET_STATE_FOCUSABLE) : WIDGET_AndState(hObj, WIDGET_STATE_FOCUSABLE);
  }
}

void EDIT_EnableBlink(WM_HWIN hObj, int Period, int OnOff) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = (EDIT_OBJ*)WIDGET__GetObj(&EDIT__Type, hObj);
  if (!pObj) {
    return;
  }
  if (pObj->hTimer) {
    WM_DeleteTimer(pObj->hTimer);
    _Obj(hObj)->hTimer = 0;
  }
  if (OnOff && Period > 0) {
    WM_HTIMER hTimer = WM_CreateTimer(hObj, 0, Period, 0);
    _Obj(hObj)->hTimer = hTimer;
  }
  _Obj(hObj)->CursorShown = 1;
  WM_InvalidateWindow(hObj);
}

void EDIT_SetpfAddKeyEx(WM_HWIN hObj, EDIT_ADDKEY_FUNC* pf) {
  _Access::Change(hObj, [&](EDIT_OBJ* pObj) { return WIDGET__Store(&pObj->pfAddKey, pf) && false; });
}

void EDIT_SetpfUpdateBuffer(WM_HWIN hObj, EDIT_UPDATE_FUNC* pf) {
  _Access::Change(hObj, [&](EDIT_OBJ* pObj) { return WIDGET__Store(&pObj->pfUpdateBuffer, pf) && false; });
}

void EDIT_SetTextMode(WM_HWIN hObj) {
  _Access::Change(hObj, [&](EDIT_OBJ* pObj) {
    pObj->pfAddKey = nullptr;
    pObj->pfUpdateBuffer = nullptr;
    pObj->Value = pObj->Min = pObj->Max = 0;
    pObj->CursorPos = pObj->SelSize = 0;
    pObj->NumDecs = pObj->ValueFlags = pObj->Overwrite = 0;
    if (pObj->hText) {
      *EDIT__Text(pObj) = 0;
    }
    return true;
  });
}

void EDIT_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _Access::Change(hObj, [&](EDIT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.pFont, pFont); });
}

const GUI_FONT* EDIT_GetFont(WM_HWIN hObj) {
  return _Access::Read(hObj, (const GUI_FONT*)nullptr, [](EDIT_OBJ* pObj) { return pObj->Props.pFont; });
}

void EDIT_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (_Index(Index)) {
    _Access::Change(hObj, [&](EDIT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aTextColor[Index], Color); });
  }
}

GUI_COLOR EDIT_GetTextColor(WM_HWIN hObj, unsigned Index) {
  return _Index(Index) ? _Access::Read(hObj, (GUI_COLOR)0, [&](EDIT_OBJ* p) { return p->Props.aTextColor[Index]; })
                       : 0;
}

void EDIT_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (_Index(Index)) {
    _Access::Change(hObj, [&](EDIT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aBkColor[Index], Color); });
  }
}

GUI_COLOR EDIT_GetBkColor(WM_HWIN hObj, unsigned Index) {
  return _Index(Index) ? _Access::Read(hObj, (GUI_COLOR)0, [&](EDIT_OBJ* p) { return p->Props.aBkColor[Index]; })
                       : 0;
}

void EDIT_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](EDIT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.Align, Align); });
}

int EDIT_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&EDIT__Type, hObj, pDest, NumBytes);
}

int EDIT_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&EDIT__Type, hObj, pSrc, NumBytes);
}

void EDIT_SetDefaultFont(const GUI_FONT* pFont) {
  WIDGET__SetDefault(&EDIT__DefaultProps.pFont, pFont);
}

const GUI_FONT* EDIT_GetDefaultFont(void) {
  return EDIT__DefaultProps.pFont;
}

void EDIT_SetDefaultTextColor(unsigned Index, GUI_COLOR Color) {
  if (_Index(Index)) {
    WIDGET__SetDefault(&EDIT__DefaultProps.aTextColor[Index], Color);
  }
}

GUI_COLOR EDIT_GetDefaultTextColor(unsigned Index) {
  return _Index(Index) ? EDIT__DefaultProps.aTextColor[Index] : 0;
}

void EDIT_SetDefaultBkColor(unsigned Index, GUI_COLOR Color) {
  if (_Index(Index)) {
    WIDGET__SetDefault(&EDIT__DefaultProps.aBkColor[Index], Color);
  }
}

GUI_COLOR EDIT_GetDefaultBkColor(unsigned Index) {
  return _Index(Index) ? EDIT__DefaultProps.aBkColor[Index] : 0;
}

void EDIT_SetDefaultTextAlign(int Align) {
  WIDGET__SetDefault(&EDIT__DefaultProps.Align, Align);
}
