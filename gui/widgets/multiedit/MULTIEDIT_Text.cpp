// MULTIEDIT: the text buffer. Insertions grow the buffer (by what is missing plus 16 bytes) and are refused
// at the character limit or when the buffer cannot grow; deletions remove whole characters; the prompt at
// the start is never edited by keys. Copies out never end inside a character or write past the caller's
// buffer.
#include <cstring>

#include "MULTIEDIT.h"

namespace {

using _Access = WIDGET_ACCESS<MULTIEDIT_OBJ, &MULTIEDIT__Type>;

int _Bytes(const char* s, int NumChars) {
  return GUI_UC__CountBytes(s, NumChars);
}

// Room for n more bytes; 0 when the buffer cannot grow (its size is 16 bits).
int _MakeRoom(WM_HWIN hObj, int n) {
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  int Len = pObj->hText ? (int)strlen(MULTIEDIT__Text(hObj)) : 0;
  int Need = Len - pObj->BufferSize + n + 1;
  if (pObj->hText && Need <= 0) {
    return 1;
  }
  int NewSize = pObj->BufferSize + (Need > 0 ? Need : 0) + 16;
  if (NewSize > 0xFFFF) {
    return 0;
  }
  bool Fresh = !pObj->hText;
  GUI_HMEM hNew = GUI_ALLOC_Realloc(pObj->hText, NewSize);
  if (!hNew) {
    return 0;
  }
  pObj = MULTIEDIT__Obj(hObj);
  if (Fresh) {
    *(char*)GUI_ALLOC_h2p(hNew) = 0;
  }
  pObj->hText = hNew;
  pObj->BufferSize = (U16)NewSize;
  return 1;
}

// Copies at most MaxLen - 1 bytes of s, ending on a whole character, and a terminator.
void _CopyOut(const char* s, char* pBuffer, int MaxLen) {
  if (!pBuffer || MaxLen < 1) {
    return;
  }
  int n = 0;
  while (s[n] && n + GUI_UC_GetCharSize(s + n) <= MaxLen - 1) {
    n += GUI_UC_GetCharSize(s + n);
  }
  memcpy(pBuffer, s, (size_t)n);
  pBuffer[n] = 0;
}

// Replaces the characters [From, To) of the whole text by s (cut at the limit); 1 when done.
int _Replace(WM_HWIN hObj, int From, int To, const char* s) {
  int NumNew = GUI__GetNumChars(s);
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  int NumKept = MULTIEDIT__NumChars(hObj) - (To - From);
  if (pObj->MaxNumChars && NumKept + NumNew > pObj->MaxNumChars) {
    NumNew = pObj->MaxNumChars - NumKept;
    if (NumNew < 0) {
      return 0;
    }
  }
  int NewBytes = _Bytes(s, NumNew);
  const char* t = MULTIEDIT__Text(hObj);
  int b0 = _Bytes(t, From), b1 = _Bytes(t, To);
  std::string New(s, (size_t)NewBytes);
  if (NewBytes > b1 - b0 && !_MakeRoom(hObj, NewBytes - (b1 - b0))) {
    return 0;
  }
  char* d = (char*)MULTIEDIT__Text(hObj);
  memmove(d + b0 + NewBytes, d + b1, strlen(d + b1) + 1);
  memcpy(d + b0, New.data(), (size_t)NewBytes);
  return 1;
}

} // namespace

const char* MULTIEDIT__Text(WM_HWIN hObj) {
  const MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  return pObj->hText ? (const char*)GUI_ALLOC_h2p(pObj->hText) : "";
}

int MULTIEDIT__NumChars(WM_HWIN hObj) {
  return GUI__GetNumChars(MULTIEDIT__Text(hObj));
}

int MULTIEDIT__Insert(WM_HWIN hObj, const char* s, int NumChars) {
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  int Total = MULTIEDIT__NumChars(hObj);
  if (pObj->MaxNumChars && Total + NumChars > pObj->MaxNumChars) {
    NumChars = pObj->MaxNumChars - Total;
  }
  if (NumChars <= 0) {
    return 0;
  }
  std::string Part(s, (size_t)_Bytes(s, NumChars));
  int Pos = pObj->CursorPosChar;
  if (!_Replace(hObj, Pos, Pos, Part.c_str())) {
    return 0;
  }
  if (WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED)) {
    MULTIEDIT__SetCursor(hObj, Pos + NumChars);
  }
  return NumChars;
}

void MULTIEDIT__DeleteAtCursor(WM_HWIN hObj) {
  int Pos = MULTIEDIT__Obj(hObj)->CursorPosChar;
  int Total = MULTIEDIT__NumChars(hObj);
  if (Pos >= Total) {
    return;
  }
  // At the end of a line wrapped at a word, the blanks up to the next line go with it.
  int End = Pos + 1;
  std::string Disp = MULTIEDIT__DisplayText(hObj);
  std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(hObj, Disp);
  int i = MULTIEDIT__LineOf(aLine, Pos);
  const MULTIEDIT_LINE& Line = aLine[(size_t)i];
  if (!Line.EndsWithBreak && Pos == Line.Start + Line.NumDisp && Line.Start + Line.NumChars > Pos) {
    End = Line.Start + Line.NumChars;
  }
  _Replace(hObj, Pos, End, "");
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
}

int MULTIEDIT_AddText(WM_HWIN hObj, const char* pText) {
  WM__LockGuard Lock;
  if (!pText || !WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return 1;
  }
  if (!MULTIEDIT__Obj(hObj)->hText) {
    MULTIEDIT_SetText(hObj, pText);
    return 1;
  }
  WM__WATCH Watch(hObj);
  int n = MULTIEDIT__Insert(hObj, pText, GUI__GetNumChars(pText));
  if (Watch.Alive()) {
    MULTIEDIT__Refresh(hObj);
  }
  return n > 0 ? 0 : 1;
}

void MULTIEDIT_SetText(WM_HWIN hObj, const char* pText) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return;
  }
  int Prompt = MULTIEDIT__Obj(hObj)->NumCharsPrompt;
  WM__WATCH Watch(hObj); // laying the text out scrolls, which the parent hears of and may delete the widget on
  if (_Replace(hObj, Prompt, MULTIEDIT__NumChars(hObj), pText ? pText : "")) {
    MULTIEDIT__Obj(hObj)->CursorPosChar = -1; // placed again below
    MULTIEDIT__SetCursor(hObj, Prompt);
  }
  if (Watch.Alive()) {
    MULTIEDIT__Refresh(hObj);
  }
}

void MULTIEDIT_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen) {
  _Access::Read(hObj, 0, [&](MULTIEDIT_OBJ* pObj) {
    const char* s = MULTIEDIT__Text(hObj);
    _CopyOut(s + _Bytes(s, pObj->NumCharsPrompt), pBuffer, MaxLen);
    return 0;
  });
}

int MULTIEDIT_GetTextSize(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [&](MULTIEDIT_OBJ* pObj) {
    if (!pObj->hText) {
      return 0;
    }
    const char* s = MULTIEDIT__Text(hObj);
    return (int)strlen(s + _Bytes(s, pObj->NumCharsPrompt)) + 1;
  });
}

void MULTIEDIT_SetPrompt(WM_HWIN hObj, const char* pText) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return;
  }
  pText = pText ? pText : "";
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  int Old = pObj->NumCharsPrompt, New = GUI__GetNumChars(pText);
  if (pObj->MaxNumChars && MULTIEDIT__NumChars(hObj) - Old + New > pObj->MaxNumChars) {
    return;
  }
  WM__WATCH Watch(hObj);
  if (_Replace(hObj, 0, Old, pText)) {
    MULTIEDIT__Obj(hObj)->NumCharsPrompt = (U16)New;
    MULTIEDIT__Obj(hObj)->CursorPosChar = -1;
    MULTIEDIT__SetCursor(hObj, New);
  }
  if (Watch.Alive()) {
    MULTIEDIT__Refresh(hObj);
  }
}

void MULTIEDIT_GetPrompt(WM_HWIN hObj, char* pBuffer, int MaxLen) {
  _Access::Read(hObj, 0, [&](MULTIEDIT_OBJ* pObj) {
    const char* s = MULTIEDIT__Text(hObj);
    std::string Prompt(s, (size_t)_Bytes(s, pObj->NumCharsPrompt));
    _CopyOut(Prompt.c_str(), pBuffer, MaxLen);
    return 0;
  });
}

void MULTIEDIT_SetBufferSize(WM_HWIN hObj, int Size) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj) || Size < 0 || Size > 0xFFFF) {
    return;
  }
  GUI_HMEM hNew = Size ? GUI_ALLOC_AllocZero(Size) : 0;
  if (Size && !hNew) {
    GUI_ErrorOut("MULTIEDIT:\nFailed to alloc buffer in MULTIEDIT_SetBufferSize()");
    return;
  }
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  GUI_ALLOC_FreePtr(&pObj->hText);
  pObj->hText = hNew;
  pObj->BufferSize = (U16)Size;
  pObj->NumCharsPrompt = 0;
  pObj->CursorPosChar = 0;
  pObj->CursorLine = 0;
  MULTIEDIT__Refresh(hObj);
}

void MULTIEDIT_SetMaxNumChars(WM_HWIN hObj, unsigned MaxNumChars) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&MULTIEDIT__Type, hObj)) {
    return;
  }
  MaxNumChars = MaxNumChars > 0xFFFF ? 0xFFFF : MaxNumChars;
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  pObj->MaxNumChars = (U16)MaxNumChars;
  if (MaxNumChars && pObj->NumCharsPrompt > MaxNumChars) {
    pObj->NumCharsPrompt = (U16)MaxNumChars;
  }
  // Every character counts, those after a line feed too: the text never holds more than the limit.
  int Total = MULTIEDIT__NumChars(hObj);
  WM__WATCH Watch(hObj);
  if (MaxNumChars && Total > (int)MaxNumChars && pObj->hText) {
    char* s = (char*)MULTIEDIT__Text(hObj);
    s[_Bytes(s, (int)MaxNumChars)] = 0;
    pObj->CursorPosChar = -1;
    MULTIEDIT__SetCursor(hObj, (int)MaxNumChars);
  } else if (pObj->CursorPosChar < pObj->NumCharsPrompt) {
    MULTIEDIT__SetCursor(hObj, pObj->NumCharsPrompt);
  }
  if (Watch.Alive()) {
    MULTIEDIT__Refresh(hObj);
  }
}
