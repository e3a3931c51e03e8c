// EDIT: creation, typed locking, the callback and the text editing by keys and pointer. Every change of the
// text goes through one insert and one delete routine that work on whole encoded characters, so the text
// stays valid in its encoding and never holds more than MaxLen characters or more bytes than its buffer.
#include "EDIT.h"

#include <cstring>

namespace {

EDIT_OBJ* _Obj(WM_HWIN hObj) {
  return (EDIT_OBJ*)WM_H2P(hObj);
}

// Grows the buffer so that NumBytes more fit beside the text and its terminator: by the missing bytes plus
// 16. 0 when the buffer cannot grow (the text is left as it was).
int _MakeRoom(WM_HWIN hObj, int NumBytes) {
  EDIT_OBJ* pObj = _Obj(hObj);
  int Len = pObj->hText ? (int)strlen(EDIT__Text(pObj)) : 0;
  int Need = Len + NumBytes + 1;
  if (pObj->hText && Need <= pObj->BufferSize) {
    return 1;
  }
  int NewSize = pObj->BufferSize + (Need - pObj->BufferSize) + 16;
  if (NewSize > 0xFFFF) {
    return 0; // the size field is 16 bits: refuse rather than wrap
  }
  GUI_HMEM hNew = GUI_ALLOC_Realloc(pObj->hText, NewSize);
  if (!hNew) {
    return 0;
  }
  pObj = _Obj(hObj);
  if (!pObj->hText) {
    *(char*)GUI_ALLOC_h2p(hNew) = 0;
  }
  pObj->hText = hNew;
  pObj->BufferSize = (U16)NewSize;
  return 1;
}

int _CursorByte(EDIT_OBJ* pObj) {
  return GUI_UC__CountBytes(EDIT__Text(pObj), pObj->CursorPos);
}

// Deletes the character under the cursor; notifies 5. Nothing at the end of the text.
void _DeleteChar(WM_HWIN hObj) {
  EDIT_OBJ* pObj = _Obj(hObj);
  if (!pObj->hText || pObj->CursorPos >= EDIT__NumChars(pObj)) {
    return;
  }
  char* s = EDIT__Text(pObj) + _CursorByte(pObj);
  int Size = GUI_UC_GetCharSize(s);
  memmove(s, s + Size, strlen(s + Size) + 1);
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
}

// Inserts character c at the cursor; 1 when it was inserted (notification 5 sent).
int _InsertChar(WM_HWIN hObj, U16 c) {
  EDIT_OBJ* pObj = _Obj(hObj);
  if (pObj->MaxLen > 0 && EDIT__NumChars(pObj) >= pObj->MaxLen) {
    return 0;
  }
  char acEnc[4];
  int Size = GUI_UC_Encode(acEnc, c);
  if (!_MakeRoom(hObj, Size)) {
    return 0;
  }
  pObj = _Obj(hObj);
  char* s = EDIT__Text(pObj) + _CursorByte(pObj);
  memmove(s + Size, s, strlen(s) + 1);
  memcpy(s, acEnc, (size_t)Size);
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
  return 1;
}

// Up and down: the character under the cursor becomes its neighbour code when that takes as many bytes.
void _StepChar(WM_HWIN hObj, int Dir) {
  EDIT_OBJ* pObj = _Obj(hObj);
  if (!pObj->hText || pObj->CursorPos >= EDIT__NumChars(pObj)) {
    return;
  }
  char* s = EDIT__Text(pObj) + _CursorByte(pObj);
  int Size = GUI_UC_GetCharSize(s);
  int c = GUI_UC_GetCharCode(s) + Dir;
  if (c < 1 || !EDIT__IsTypable(c < 32 ? 32 : c) || GUI_UC_GetCodeSize((U16)c) != Size) {
    return;
  }
  char acEnc[4];
  if (GUI_UC_Encode(acEnc, (U16)c) != Size) {
    return;
  }
  memcpy(s, acEnc, (size_t)Size);
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
}

void _MoveCursor(WM_HWIN hObj, int Delta) {
  EDIT_OBJ* pObj = _Obj(hObj);
  EDIT__SetCursorPos(pObj, pObj->CursorPos + Delta);
}

void _OnTextKey(WM_HWIN hObj, int Key) {
  WM__WATCH Watch(hObj); // each change of the text is notified
  switch (Key) {
  case GUI_KEY_BACKSPACE:
    if (_Obj(hObj)->CursorPos > 0) {
      _MoveCursor(hObj, -1);
      _DeleteChar(hObj);
    }
    break;
  case GUI_KEY_LEFT:
    _MoveCursor(hObj, -1);
    break;
  case GUI_KEY_RIGHT:
    _MoveCursor(hObj, 1);
    break;
  case GUI_KEY_UP:
    _StepChar(hObj, 1);
    break;
  case GUI_KEY_DOWN:
    _StepChar(hObj, -1);
    break;
  case GUI_KEY_INSERT: {
    EDIT_OBJ* pObj = _Obj(hObj);
    pObj->Overwrite ^= 1;
    if (pObj->Overwrite) {
      EDIT__SetCursorPos(pObj, pObj->CursorPos);
    }
    break;
  }
  case GUI_KEY_DELETE:
    _DeleteChar(hObj);
    break;
  default:
    if (EDIT__IsTypable(Key)) {
      if (_Obj(hObj)->Overwrite) {
        _DeleteChar(hObj);
      }
      if (Watch.Alive() && _InsertChar(hObj, (U16)Key) && Watch.Alive()) {
        _MoveCursor(hObj, 1);
      }
    }
    break;
  }
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (WIDGET__NotifyPointer(hObj, pState)) {
    EDIT_SetCursorAtPixel(hObj, pState->x);
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
  }
}

void _OnDelete(WM_HWIN hObj) {
  GUI_ALLOC_FreePtr(&_Obj(hObj)->hText);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (!pKey || pKey->PressedCnt <= 0 || !WM__IsEnabled(hObj)) {
      return 0;
    }
    switch (pKey->Key) {
    case GUI_KEY_TAB:
    case GUI_KEY_BACKTAB:
    case GUI_KEY_ENTER:
    case GUI_KEY_ESCAPE:
      return 0;
    }
    EDIT_AddKey(hObj, pKey->Key);
    return 1;
  }
  case WM_TIMER: {
    EDIT_OBJ* pObj = _Obj(hObj);
    pObj->CursorShown ^= 1;
    WM_RestartTimer(pObj->hTimer, 0);
    WM_InvalidateWindow(hObj);
    return 1;
  }
  }
  return 0;
}

} // namespace

EDIT_PROPS EDIT__DefaultProps = {GUI_TA_LEFT | GUI_TA_VCENTER, 1, &GUI_Font13, {0x000000, 0x000000},
                                 {0xC0C0C0, 0xFFFFFF}};

const WIDGET_TYPE EDIT__Type = {.pName = "EDIT",
                                .cb = EDIT_Callback,
                                .ObjSize = sizeof(EDIT_OBJ),
                                .TagOffset = offsetof(EDIT_OBJ, DebugId),
                                .Tag = EDIT_ID,
                                .StyleBits = WM_STATUS_NO_CLIP_ITERATION,
                                .InitialState = WIDGET_STATE_FOCUSABLE,
                                .pDefaultProps = &EDIT__DefaultProps,
                                .PropsOffset = offsetof(EDIT_OBJ, Props),
                                .PropsSize = sizeof(EDIT_PROPS),
                                .pfOnMessage = _OnMessage,
                                .pfOnPaint = EDIT__Paint,
                                .pfOnDelete = _OnDelete,
                                .pfOnPointer = _OnPointer};

bool EDIT__IsTypable(int Key) {
  if (Key < 32 || Key > 0xFFFF || (Key >= 0xD800 && Key <= 0xDFFF) || Key == 0xFFFE || Key == 0xFFFF) {
    return false;
  }
  char ac[4];
  // An encoding that cannot hold the character would store a stand-in: refuse it instead.
  return GUI_UC_Encode(ac, (U16)Key) == GUI_UC_GetCodeSize((U16)Key) && GUI_UC_GetCharCode(ac) == (U16)Key;
}

char* EDIT__Text(EDIT_OBJ* pObj) {
  static char s_acEmpty[1];
  s_acEmpty[0] = 0;
  return pObj->hText ? (char*)GUI_ALLOC_h2p(pObj->hText) : s_acEmpty;
}

int EDIT__NumChars(EDIT_OBJ* pObj) {
  return pObj->hText ? GUI__GetNumChars(EDIT__Text(pObj)) : 0;
}

void EDIT__SetCursorPos(EDIT_OBJ* pObj, int Pos) {
  int NumChars = EDIT__NumChars(pObj);
  int Limit = pObj->Overwrite ? pObj->MaxLen - 1 : pObj->MaxLen;
  if (Pos > NumChars) {
    Pos = NumChars;
  }
  if (Pos > Limit) {
    Pos = Limit;
  }
  if (Pos < 0) {
    Pos = 0;
  }
  pObj->CursorPos = Pos;
  pObj->SelSize = 0;
}

void EDIT_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&EDIT__Type, pMsg);
}

void EDIT_AddKey(WM_HWIN hObj, int Key) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = (EDIT_OBJ*)WIDGET__GetObj(&EDIT__Type, hObj);
  if (!pObj) {
    return;
  }
  WM__WATCH Watch(hObj);
  if (pObj->pfAddKey) {
    pObj->pfAddKey(hObj, Key);
  } else {
    _OnTextKey(hObj, Key);
  }
  if (Watch.Alive()) {
    WM_InvalidateWindow(hObj);
  }
}

WM_HWIN EDIT_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        int MaxLen, int NumExtraBytes) {
  (void)ExFlags;
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&EDIT__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  int AutoLen = MaxLen != -1;
  if (MaxLen < 1) {
    MaxLen = 8;
  }
  if (MaxLen > 0x7FFE) {
    MaxLen = 0x7FFE; // the buffer size is 16 bits
  }
  GUI_HMEM hText = GUI_ALLOC_AllocZero(MaxLen + 1);
  if (!hText) {
    return WIDGET__CreateFailed(&EDIT__Type, hObj);
  }
  EDIT_OBJ* pObj = _Obj(hObj);
  pObj->hText = hText;
  pObj->MaxLen = (I16)MaxLen;
  pObj->BufferSize = (U16)(MaxLen + 1);
  pObj->CursorWidth = 1;
  pObj->CursorShown = 1;
  pObj->AutoLen = (U8)AutoLen;
  return WIDGET__FinishCreate(&EDIT__Type, hObj);
}

WM_HWIN EDIT_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                      int MaxLen) {
  return EDIT_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, MaxLen, 0);
}

WM_HWIN EDIT_Create(int x0, int y0, int xSize, int ySize, int Id, int MaxLen, int Flags) {
  return EDIT_CreateEx(x0, y0, xSize, ySize, 0, Flags, 0, Id, MaxLen);
}

WM_HWIN EDIT_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags, int MaxLen) {
  return EDIT_CreateEx(x0, y0, xSize, ySize, hParent, Flags, 0, Id, MaxLen);
}

WM_HWIN EDIT_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  WM_HWIN hObj = EDIT_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize,
                                 pCreateInfo->ySize, hParent, 0, pCreateInfo->Flags, pCreateInfo->Id,
                                 (int)pCreateInfo->Para, (int)pCreateInfo->NumExtraBytes);
  if (hObj) {
    EDIT_SetTextAlign(hObj, pCreateInfo->Flags);
  }
  return hObj;
}

EDIT_OBJ* EDIT_LockH(WM_HWIN hObj) {
  return (EDIT_OBJ*)WIDGET__LockH(&EDIT__Type, hObj);
}
