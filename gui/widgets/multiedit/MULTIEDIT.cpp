// MULTIEDIT: creation, typed locking, the callback with the key and pointer handling, and the attached
// scroll bars' notifications.
#include "EDIT.h"
#include "MULTIEDIT.h"

namespace {

int _Pos(WM_HWIN hObj) {
  return MULTIEDIT__Obj(hObj)->CursorPosChar;
}

bool _Flag(WM_HWIN hObj, U8 Flag) {
  return MULTIEDIT__Obj(hObj)->Flags & Flag;
}

// Up and down keep the pixel x; 0 and 32767 reach the line's ends.
void _MoveToLine(WM_HWIN hObj, int dLine, int xWanted = -1) {
  int x, y;
  MULTIEDIT__GetCursorXY(hObj, &x, &y);
  int Dist = GUI_GetYDistOfFont(MULTIEDIT__Obj(hObj)->Props.pFont);
  int yNew = y + dLine * Dist;
  if (yNew < 0) {
    return;
  }
  MULTIEDIT__SetCursorAtPixel(hObj, xWanted >= 0 ? xWanted : x, yNew);
}

void _ToNextLineStart(WM_HWIN hObj) {
  std::string Disp = MULTIEDIT__DisplayText(hObj);
  std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(hObj, Disp);
  size_t i = (size_t)MULTIEDIT__LineOf(aLine, _Pos(hObj));
  if (i + 1 < aLine.size()) {
    MULTIEDIT__SetCursor(hObj, aLine[i + 1].Start);
  }
}

// Overwriting removes the character under the cursor first, unless it is a line break (or a blank where
// words wrap) that ends its line.
void _OverwriteDecision(WM_HWIN hObj) {
  int Pos = _Pos(hObj);
  const char* s = MULTIEDIT__Text(hObj);
  if (Pos >= GUI__GetNumChars(s)) {
    return;
  }
  U16 c = GUI_UC_GetCharCode(s + GUI_UC__CountBytes(s, Pos));
  std::string Disp = MULTIEDIT__DisplayText(hObj);
  std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(hObj, Disp);
  bool SameLine = MULTIEDIT__LineOf(aLine, Pos) == MULTIEDIT__LineOf(aLine, Pos + 1);
  bool Ends = c == '\n' || c == '\r' || (MULTIEDIT__Obj(hObj)->WrapMode != GUI_WRAPMODE_CHAR && c == ' ');
  if (SameLine || _Flag(hObj, MULTIEDIT_SF_PASSWORD) || !Ends) {
    MULTIEDIT__DeleteAtCursor(hObj);
  }
}

void _InsertChar(WM_HWIN hObj, U16 c) {
  char ac[4] = {};
  GUI_UC_Encode(ac, c);
  MULTIEDIT__Insert(hObj, ac, 1);
}

void _ScrollV(WM_HWIN hObj, int d) {
  WM_SCROLL_STATE& V = MULTIEDIT__Obj(hObj)->ScrollStateV;
  WM_SetScrollValue(&V, V.Value + d);
  WM_SCROLL_STATE s = V;
  WM__WATCH Watch(hObj); // the bar tells the widget, which tells its parent, which may delete it
  if (WM_HWIN hBar = WM_GetScrollbarV(hObj)) {
    WM_SetScrollState(hBar, &s);
  }
  if (Watch.Alive()) {
    WM_InvalidateWindow(hObj);
  }
}

// The key handling; 1 when the key was consumed.
int _OnKey(WM_HWIN hObj, int Key) {
  if (!WM__IsEnabled(hObj)) {
    if (Key == GUI_KEY_UP || Key == GUI_KEY_DOWN) {
      _ScrollV(hObj, Key == GUI_KEY_UP ? -1 : 1);
      return 1;
    }
    return 0;
  }
  bool ReadOnly = _Flag(hObj, MULTIEDIT_SF_READONLY);
  WM__WATCH Watch(hObj); // changes of the text are notified, scrolling too, and the parent may delete it
  switch (Key) {
  case GUI_KEY_LEFT:
    MULTIEDIT__SetCursor(hObj, _Pos(hObj) - 1);
    return 1;
  case GUI_KEY_RIGHT:
    MULTIEDIT__SetCursor(hObj, _Pos(hObj) + 1);
    return 1;
  case GUI_KEY_UP:
    _MoveToLine(hObj, -1);
    return 1;
  case GUI_KEY_DOWN:
    _MoveToLine(hObj, 1);
    return 1;
  case GUI_KEY_HOME:
    _MoveToLine(hObj, 0, 0);
    return 1;
  case GUI_KEY_END:
    _MoveToLine(hObj, 0, 32767);
    return 1;
  case GUI_KEY_INSERT:
    MULTIEDIT__Obj(hObj)->Flags ^= MULTIEDIT_SF_INSERT;
    WM_InvalidateWindow(hObj);
    return 1;
  case GUI_KEY_BACKSPACE:
    if (ReadOnly) {
      return 0;
    }
    if (_Pos(hObj) > MULTIEDIT__Obj(hObj)->NumCharsPrompt) {
      MULTIEDIT__SetCursor(hObj, _Pos(hObj) - 1);
      if (Watch.Alive()) {
        MULTIEDIT__DeleteAtCursor(hObj);
      }
    }
    return 1;
  case GUI_KEY_DELETE:
    if (ReadOnly) {
      return 0;
    }
    MULTIEDIT__DeleteAtCursor(hObj);
    return 1;
  case GUI_KEY_ENTER:
    if (ReadOnly) {
      _ToNextLineStart(hObj);
    } else {
      MULTIEDIT__Insert(hObj, "\n", 1); // the cursor follows the line feed to the next line's start
    }
    return 1;
  case GUI_KEY_ESCAPE:
    return 0;
  }
  if (Key < 32 || ReadOnly) {
    return 0;
  }
  if (EDIT__IsTypable(Key)) {
    if (!_Flag(hObj, MULTIEDIT_SF_INSERT)) {
      _OverwriteDecision(hObj);
    }
    if (Watch.Alive()) {
      _InsertChar(hObj, (U16)Key);
    }
  }
  return 1;
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (WIDGET__NotifyPointer(hObj, pState)) {
    const MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
    int e = pObj->Widget.pEffect->EffectSize;
    int Dist = GUI_GetYDistOfFont(pObj->Props.pFont);
    int x = pState->x + pObj->ScrollStateH.Value - pObj->Props.HBorder - e;
    int y = pState->y + pObj->ScrollStateV.Value * Dist - e;
    WM__WATCH Watch(hObj);
    MULTIEDIT__SetCursorAtPixel(hObj, x, y);
    if (Watch.Alive()) {
      MULTIEDIT__Refresh(hObj);
    }
    if (Watch.Alive()) {
      WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
    }
  }
}

void _OnDelete(WM_HWIN hObj) {
  GUI_ALLOC_FreePtr(&MULTIEDIT__Obj(hObj)->hText);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_NOTIFY_PARENT: {
    int Id = WM_GetId(pMsg->hWinSrc);
    if (Id != GUI_ID_VSCROLL && Id != GUI_ID_HSCROLL) {
      return 0;
    }
    if (pMsg->Data.v == WM_NOTIFICATION_VALUE_CHANGED) {
      MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
      WIDGET__TakeScrollValue(hObj, pMsg->hWinSrc, &pObj->ScrollStateV, &pObj->ScrollStateH);
    } else if (pMsg->Data.v == WM_NOTIFICATION_SCROLLBAR_ADDED) {
      MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
      WM_SCROLL_STATE V = pObj->ScrollStateV, H = pObj->ScrollStateH;
      WIDGET__SetScrollState(hObj, &V, &H);
    }
    return 1;
  }
  case WM_TIMER: {
    MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
    pObj->CursorShown ^= 1;
    WM_RestartTimer(pObj->hTimer, 0);
    WM_InvalidateWindow(hObj);
    return 1;
  }
  case WM_CLIENT_CHANGED:
  case WM_SIZE:
    MULTIEDIT__Refresh(hObj);
    return pMsg->MsgId == WM_CLIENT_CHANGED;
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (!pKey) {
      return 0;
    }
    if (pKey->PressedCnt > 0) {
      return MULTIEDIT_AddKey(hObj, pKey->Key);
    }
    return !_Flag(hObj, MULTIEDIT_SF_READONLY);
  }
  }
  return 0;
}

} // namespace

MULTIEDIT_PROPS MULTIEDIT__DefaultProps = {{0xFFFFFF, 0xC0C0C0}, {0x000000, 0x000000}, &GUI_Font13, 1};

const WIDGET_TYPE MULTIEDIT__Type = {.pName = "MULTIEDIT",
                                     .cb = MULTIEDIT_Callback,
                                     .ObjSize = sizeof(MULTIEDIT_OBJ),
                                     .TagOffset = offsetof(MULTIEDIT_OBJ, DebugId),
                                     .Tag = MULTIEDIT_ID,
                                     .InitialState = WIDGET_STATE_FOCUSABLE,
                                     .pDefaultProps = &MULTIEDIT__DefaultProps,
                                     .PropsOffset = offsetof(MULTIEDIT_OBJ, Props),
                                     .PropsSize = sizeof(MULTIEDIT_PROPS),
                                     .pfOnMessage = _OnMessage,
                                     .pfOnPaint = MULTIEDIT__Paint,
                                     .pfOnDelete = _OnDelete,
                                     .pfOnPointer = _OnPointer};

MULTIEDIT_OBJ* MULTIEDIT__Obj(WM_HWIN hObj) {
  return (MULTIEDIT_OBJ*)WM_H2P(hObj);
}

void MULTIEDIT_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&MULTIEDIT__Type, pMsg);
}

int MULTIEDIT_AddKey(WM_HWIN hObj, int Key) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return 0;
  }
  WM__WATCH Watch(hObj);
  int r = _OnKey(hObj, Key);
  if (r && Watch.Alive()) {
    MULTIEDIT__Refresh(hObj);
  }
  return r;
}

WM_HWIN MULTIEDIT_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags,
                             int Id, int BufferSize, const char* pText, int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj =
      WIDGET__CreateUser(&MULTIEDIT__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  pObj->Flags = (U8)ExFlags;
  pObj->CursorShown = 1;
  BufferSize = WIDGET__Limit(BufferSize, 0, 0xFFFF);
  if (BufferSize > 0) {
    GUI_HMEM hText = GUI_ALLOC_AllocZero(BufferSize);
    if (!hText) {
      GUI_ErrorOut("MULTIEDIT:\nMULTIEDIT_CreateUser() failed to alloc buffer");
      WM_DeleteWindow(hObj);
      return 0;
    }
    pObj = MULTIEDIT__Obj(hObj);
    pObj->hText = hText;
    pObj->BufferSize = (U16)BufferSize;
  }
  if (pText) {
    MULTIEDIT_SetText(hObj, pText);
  }
  MULTIEDIT__Refresh(hObj);
  return WIDGET__FinishCreate(&MULTIEDIT__Type, hObj);
}

WM_HWIN MULTIEDIT_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                           int BufferSize, const char* pText) {
  return MULTIEDIT_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, BufferSize, pText, 0);
}

WM_HWIN MULTIEDIT_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags, int ExFlags,
                         const char* pText, int BufferSize) {
  return MULTIEDIT_CreateEx(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, BufferSize, pText);
}

WM_HWIN MULTIEDIT_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                 WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  return MULTIEDIT_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                              hParent, 0, pCreateInfo->Flags, pCreateInfo->Id, (int)pCreateInfo->Para, nullptr,
                              (int)pCreateInfo->NumExtraBytes);
}

MULTIEDIT_OBJ* MULTIEDIT_LockH(WM_HWIN hObj) {
  return (MULTIEDIT_OBJ*)WIDGET__LockH(&MULTIEDIT__Type, hObj);
}
