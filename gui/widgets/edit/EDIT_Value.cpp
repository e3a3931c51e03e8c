// EDIT value modes: the edit keeps a 32-bit value within [Min, Max] and builds its text from it after every
// change; its own key routine works digit by digit in overwrite mode. Binary, hexadecimal and unsigned
// decimal compare without sign, the decimal (and float) mode with sign. Arithmetic that would overflow 32
// bits is done wide and limited, never wrapped silently into another value.
#include <cmath>
#include <cstring>

#include "EDIT.h"

namespace {

EDIT_OBJ* _Obj(WM_HWIN hObj) {
  return (EDIT_OBJ*)WM_H2P(hObj);
}

const char* _Text(WM_HWIN hObj) {
  return EDIT__Text(_Obj(hObj));
}

char _At(WM_HWIN hObj, int Pos) {
  const char* s = _Text(hObj);
  return Pos >= 0 && Pos < (int)strlen(s) ? s[Pos] : 0;
}


void _SetCursor(WM_HWIN hObj, int Pos) {
  EDIT__SetCursorPos(_Obj(hObj), Pos);
}

int _Pos(WM_HWIN hObj) {
  return _Obj(hObj)->CursorPos;
}

int _MaxLen(WM_HWIN hObj) {
  return _Obj(hObj)->MaxLen;
}

bool _IsDigit(int c) {
  return c >= '0' && c <= '9';
}

U32 _Pow(U32 Base, int n) {
  U32 r = 1;
  while (n-- > 0) {
    r *= Base;
  }
  return r;
}

// Common set-up of a mode: key and text routines, the value inside its limits, cursor at 0, overwrite.
void _SetMode(WM_HWIN hObj, EDIT_ADDKEY_FUNC* pfAddKey, EDIT_UPDATE_FUNC* pfUpdate, I32 Value, I32 Min, I32 Max) {
  EDIT_OBJ* pObj = _Obj(hObj);
  pObj->pfAddKey = pfAddKey;
  pObj->pfUpdateBuffer = pfUpdate;
  pObj->Value = Value;
  pObj->Min = Min;
  pObj->Max = Max;
  pObj->CursorPos = 0;
  pObj->SelSize = 0;
  pObj->Overwrite = 1;
  EDIT__UpdateBuffer(hObj);
}

// Moves the cursor by one position within the text of a value mode.
void _Move(WM_HWIN hObj, int Dir) {
  _SetCursor(hObj, _Pos(hObj) + Dir);
}

// The key routine of the modes that work digit by digit: left and right move the cursor, other keys go to
// the mode's own routine, and the text follows every key. A changed value is notified, and the parent may
// delete the edit then: the mode routines, like this one, go on only while it is there.
template <void (*pfModeKey)(WM_HWIN, int)> void _AddKeyDigitwise(WM_HWIN hObj, int Key) {
  WM__WATCH Watch(hObj);
  if (Key == GUI_KEY_LEFT || Key == GUI_KEY_RIGHT) {
    _Move(hObj, Key == GUI_KEY_LEFT ? -1 : 1);
  } else {
    pfModeKey(hObj, Key);
  }
  if (Watch.Alive()) {
    EDIT__UpdateBuffer(hObj);
  }
}

// Stores a value typed at the cursor (through pfSet, which notifies) and moves the cursor on.
template <class T> void _TypeValue(WM_HWIN hObj, void (*pfSet)(WM_HWIN, T), T Value) {
  WM__WATCH Watch(hObj);
  pfSet(hObj, Value);
  if (Watch.Alive()) {
    _Move(hObj, 1);
  }
}

// ---- binary --------------------------------------------------------------------------------------------

void _UpdateBin(WM_HWIN hObj) {
  char ac[40];
  char* p = ac;
  GUI_AddBin((U32)_Obj(hObj)->Value, (U8)_MaxLen(hObj), &p);
  EDIT__SetTextRaw(hObj, ac);
}

void _KeyBin(WM_HWIN hObj, int Key) {
  int Bit = _MaxLen(hObj) - _Pos(hObj) - 1;
  U32 Mask = Bit >= 0 && Bit < 32 ? 1u << Bit : 0;
  U32 v = (U32)_Obj(hObj)->Value;
  switch (Key) {
  case GUI_KEY_UP:
  case GUI_KEY_DOWN:
    EDIT_SetUlongValue(hObj, v ^ Mask);
    break;
  case '0':
  case '1':
    _TypeValue(hObj, EDIT_SetUlongValue, Key == '1' ? v | Mask : v & ~Mask);
    break;
  }
}

// ---- hexadecimal ---------------------------------------------------------------------------------------

void _UpdateHex(WM_HWIN hObj) {
  char ac[16];
  char* p = ac;
  GUI_AddHex((U32)_Obj(hObj)->Value, (U8)_MaxLen(hObj), &p);
  EDIT__SetTextRaw(hObj, ac);
}

int _HexDigit(int Key) {
  if (_IsDigit(Key)) {
    return Key - '0';
  }
  if (Key >= 'a' && Key <= 'f') {
    return Key - 'a' + 10;
  }
  if (Key >= 'A' && Key <= 'F') {
    return Key - 'A' + 10;
  }
  return -1;
}

void _KeyHex(WM_HWIN hObj, int Key) {
  int n = _MaxLen(hObj) - _Pos(hObj) - 1;
  U32 v = (U32)_Obj(hObj)->Value;
  switch (Key) {
  case GUI_KEY_UP:
    EDIT_SetUlongValue(hObj, v + _Pow(16, n));
    break;
  case GUI_KEY_DOWN:
    EDIT_SetUlongValue(hObj, v - _Pow(16, n));
    break;
  default: {
    int d = _HexDigit(Key);
    if (d >= 0 && n >= 0 && n < 8) {
      _TypeValue(hObj, EDIT_SetUlongValue, (v & ~(0xFu << (4 * n))) | ((U32)d << (4 * n)));
    }
    break;
  }
  }
}

// ---- unsigned decimal ----------------------------------------------------------------------------------

void _UpdateUlong(WM_HWIN hObj) {
  char ac[24];
  int MaxLen = _MaxLen(hObj);
  char acNum[16];
  snprintf(acNum, sizeof(acNum), "%u", (unsigned)_Obj(hObj)->Value);
  int Len = (int)strlen(acNum);
  int Pad = MaxLen > Len ? MaxLen - Len : 0;
  memset(ac, '0', (size_t)Pad);
  memcpy(ac + Pad, acNum, (size_t)Len + 1);
  EDIT__SetTextRaw(hObj, ac);
}

void _KeyUlong(WM_HWIN hObj, int Key) {
  int Pos = _Pos(hObj);
  int n = _MaxLen(hObj) - Pos - 1;
  EDIT_OBJ* pObj = _Obj(hObj);
  U32 v = (U32)pObj->Value;
  U32 Step = n >= 0 && n < 10 ? _Pow(10, n) : 0;
  switch (Key) {
  case GUI_KEY_UP:
    EDIT_SetUlongValue(hObj, v + Step < v ? (U32)pObj->Max : v + Step);
    break;
  case GUI_KEY_DOWN:
    EDIT_SetUlongValue(hObj, Step > v ? (U32)pObj->Min : v - Step);
    break;
  default:
    if (_IsDigit(Key)) {
      const char* s = _Text(hObj);
      U64 Sum = 0;
      for (int i = 0; s[i]; i++) {
        int c = i == Pos ? Key : s[i];
        Sum = Sum * 10 + (U64)(_IsDigit(c) ? c - '0' : 0);
      }
      _TypeValue(hObj, EDIT_SetUlongValue, Sum > 0xFFFFFFFFu ? (U32)_Obj(hObj)->Max : (U32)Sum);
    }
    break;
  }
}

// ---- decimal -------------------------------------------------------------------------------------------

// The text of v in MaxLen positions (more when v needs them); -> its length.
int _DecText(const EDIT_OBJ* pObj, I32 v, int MaxLen, char* ac) {
  char* p = ac;
  int Len = MaxLen;
  if (pObj->ValueFlags & GUI_EDIT_SIGNED) {
    if (v >= 0) {
      Len--;
      if (v >= 1) {
        *p++ = '+';
      }
    }
  } else if (v >= 0 && Len > 10) {
    Len = 10;
  }
  Len = Len < 1 ? 1 : Len > 40 ? 40 : Len;
  GUI_AddDecShift(v, (U8)Len, pObj->NumDecs, &p);
  return (int)(p - ac);
}

void _UpdateDec(WM_HWIN hObj) {
  EDIT_OBJ* pObj = _Obj(hObj);
  char ac[48];
  _DecText(pObj, pObj->Value, pObj->MaxLen, ac);
  if (pObj->ValueFlags & GUI_EDIT_SUPPRESS_LEADING_ZEROES) {
    int i = (ac[0] == '+' || ac[0] == '-') ? 1 : 0;
    for (; ac[i] == '0' && _IsDigit(ac[i + 1]); i++) {
      ac[i] = ' ';
    }
  }
  EDIT__SetTextRaw(hObj, ac);
  if (_At(hObj, _Pos(hObj)) == GUI__DecimalSeparator) {
    _Move(hObj, 1);
  }
}

void _ChangeSign(WM_HWIN hObj) {
  I32 v = _Obj(hObj)->Value;
  if (v < 1) {
    if (v < 0) {
      EDIT_SetValue(hObj, v == INT32_MIN ? INT32_MAX : -v);
    }
  } else {
    EDIT_SetValue(hObj, -v);
  }
}

void _StepDigit(WM_HWIN hObj, int Dir) {
  EDIT_OBJ* pObj = _Obj(hObj);
  int MaxLen = pObj->MaxLen, Pos = pObj->CursorPos;
  bool Signed = pObj->ValueFlags & GUI_EDIT_SIGNED;
  I32 v = pObj->Value;
  int n = MaxLen - Pos - 1;
  if (Signed && v == 0 && n > 0) {
    n = MaxLen - Pos - 2;
  }
  if (pObj->NumDecs && pObj->NumDecs < n) {
    n--;
  }
  if (n < 0 || n > 9) {
    return;
  }
  long long Sum = (long long)v + Dir * (long long)_Pow(10, n);
  if (Sum > INT32_MAX || Sum < INT32_MIN) {
    return; // the step would overflow: not taken
  }
  WM__WATCH Watch(hObj);
  EDIT_SetValue(hObj, (I32)Sum);
  if (Signed && Watch.Alive()) {
    int Last = _Obj(hObj)->MaxLen - 1;
    if (v == 0 && Sum != 0 && Pos < Last) {
      _Move(hObj, 1);
    } else if (v != 0 && Sum == 0 && Pos > 0) {
      _Move(hObj, -1);
    }
  }
}

void _SetDigit(WM_HWIN hObj, int Key) {
  const EDIT_OBJ* pObj = _Obj(hObj);
  const char* s = _Text(hObj);
  int Pos = pObj->CursorPos;
  bool Spaces = pObj->ValueFlags & GUI_EDIT_SUPPRESS_LEADING_ZEROES;
  long long Sum = 0, Weight = 1;
  for (int i = (int)strlen(s) - 1; i >= 0; i--) {
    int c = i == Pos ? Key : s[i];
    if (c == ' ' && Spaces) {
      c = '0';
    }
    if (_IsDigit(c)) {
      Sum += (c - '0') * Weight;
      Weight *= 10;
    } else if (c == '-') {
      Sum = -Sum;
    }
  }
  EDIT_SetValue(hObj, WM__ClampInt(Sum));
}

void _AddKeyDec(WM_HWIN hObj, int Key) {
  WM__WATCH Watch(hObj);
  char Sep = GUI__DecimalSeparator;
  int Pos = _Pos(hObj);
  char c = _At(hObj, Pos);
  switch (Key) {
  case GUI_KEY_LEFT:
    _Move(hObj, -1);
    if (_At(hObj, _Pos(hObj)) == Sep) {
      _Move(hObj, _Pos(hObj) == 0 ? 1 : -1);
    }
    break;
  case GUI_KEY_RIGHT:
    _Move(hObj, 1);
    if (_At(hObj, _Pos(hObj)) == Sep) {
      _Move(hObj, _Pos(hObj) >= _MaxLen(hObj) - 1 ? -1 : 1);
    }
    break;
  case GUI_KEY_UP:
  case GUI_KEY_DOWN:
    if (c == '+' || c == '-') {
      _ChangeSign(hObj);
    } else {
      _StepDigit(hObj, Key == GUI_KEY_UP ? 1 : -1);
    }
    break;
  case '+':
  case '-':
    if (Pos == 0) {
      I32 v = _Obj(hObj)->Value;
      if ((Key == '+' && v < 0) || (Key == '-' && v > 0)) {
        _ChangeSign(hObj);
      }
      if (Watch.Alive()) {
        _Move(hObj, 1);
      }
    }
    break;
  default:
    if (_IsDigit(Key) && c != '+' && c != '-') {
      _SetDigit(hObj, Key);
      if (Watch.Alive()) {
        _Move(hObj, 1);
      }
    }
    break;
  }
  if (Watch.Alive()) {
    EDIT__UpdateBuffer(hObj);
  }
}

int _NumBits(U32 v) {
  int n = 1;
  while (n < 32 && (v >> n)) {
    n++;
  }
  return n;
}

// The mode's number of positions: MaxLen, or (below 1) what Max needs; at most Limit.
void _FitMaxLen(WM_HWIN hObj, int Needed, int Limit) {
  int Len = _MaxLen(hObj) < 1 ? Needed : _MaxLen(hObj);
  Len = Len > Limit ? Limit : Len;
  if (Len != _MaxLen(hObj)) {
    EDIT_SetMaxLen(hObj, Len);
  }
}

template <class T> void _Order(T* pMin, T* pMax, T* pValue) {
  if (*pMin > *pMax) { // limits given the wrong way round still make a range
    T t = *pMin;
    *pMin = *pMax;
    *pMax = t;
  }
  *pValue = WIDGET__Limit(*pValue, *pMin, *pMax);
}

EDIT_OBJ* _Get(WM_HWIN hObj) {
  return (EDIT_OBJ*)WIDGET__GetObj(&EDIT__Type, hObj);
}

// Stores the value within the limits, compared as T (signed or unsigned after the mode); the text follows and
// the parent is told when it changed.
template <class T> void _StoreValue(WM_HWIN hObj, T Value) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return;
  }
  Value = WIDGET__Limit(Value, (T)pObj->Min, (T)pObj->Max);
  if ((I32)Value != pObj->Value) {
    pObj->Value = (I32)Value;
    EDIT__UpdateBuffer(hObj);
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
  }
}

} // namespace

void EDIT_SetValue(WM_HWIN hObj, I32 Value) {
  _StoreValue(hObj, Value);
}

void EDIT_SetUlongValue(WM_HWIN hObj, U32 Value) {
  _StoreValue(hObj, Value);
}

I32 EDIT_GetValue(WM_HWIN hObj) {
  return WIDGET__Read<EDIT_OBJ>(&EDIT__Type, hObj, (I32)0, [](EDIT_OBJ* pObj) { return pObj->Value; });
}

float EDIT_GetFloatValue(WM_HWIN hObj) {
  return WIDGET__Read<EDIT_OBJ>(&EDIT__Type, hObj, 0.0f, [](EDIT_OBJ* pObj) {
    return (float)((double)pObj->Value / std::pow(10.0, pObj->NumDecs));
  });
}

void EDIT_SetFloatValue(WM_HWIN hObj, float f) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return;
  }
  double v = std::round((double)f * std::pow(10.0, pObj->NumDecs)); // half away from zero
  v = v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : v;
  EDIT_SetValue(hObj, (I32)v);
}

void EDIT_SetBinMode(WM_HWIN hObj, U32 Value, U32 Min, U32 Max) {
  WM__LockGuard Lock;
  if (!_Get(hObj)) {
    return;
  }
  _Order(&Min, &Max, &Value);
  _FitMaxLen(hObj, _NumBits(Max), 32);
  _SetMode(hObj, _AddKeyDigitwise<_KeyBin>, _UpdateBin, (I32)Value, (I32)Min, (I32)Max);
}

void EDIT_SetHexMode(WM_HWIN hObj, U32 Value, U32 Min, U32 Max) {
  WM__LockGuard Lock;
  if (!_Get(hObj)) {
    return;
  }
  _Order(&Min, &Max, &Value);
  _FitMaxLen(hObj, (_NumBits(Max) + 3) / 4, 8);
  _SetMode(hObj, _AddKeyDigitwise<_KeyHex>, _UpdateHex, (I32)Value, (I32)Min, (I32)Max);
}

void EDIT_SetUlongMode(WM_HWIN hObj, U32 Value, U32 Min, U32 Max) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return;
  }
  _Order(&Min, &Max, &Value);
  // Every value of the range must show in full: the field holds at least the digits of Max, at most 10.
  char ac[16];
  int Digits = snprintf(ac, sizeof(ac), "%u", (unsigned)Max);
  if (pObj->MaxLen > 10) {
    pObj->MaxLen = 10;
  }
  if (pObj->MaxLen < Digits) {
    EDIT_SetMaxLen(hObj, Digits);
  }
  _SetMode(hObj, _AddKeyDigitwise<_KeyUlong>, _UpdateUlong, (I32)Value, (I32)Min, (I32)Max);
}

void EDIT_SetDecMode(WM_HWIN hObj, I32 Value, I32 Min, I32 Max, int Shift, U8 Flags) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return;
  }
  Shift = WIDGET__Limit(Shift, 0, 9);
  _Order(&Min, &Max, &Value);
  pObj->NumDecs = (U8)Shift;
  pObj->ValueFlags = Flags;
  if (pObj->AutoLen) {
    int LenMax = GUI_Long2Len(Max), LenMin = GUI_Long2Len(Min);
    int Len = (LenMax > LenMin ? LenMax : LenMin) + (Shift ? 1 : 0);
    EDIT_SetMaxLen(hObj, Len);
  }
  // Every value of the range must show in full: a field too short for the longest grows to it.
  char ac[48];
  int Needed = _DecText(_Obj(hObj), Min, 1, ac);
  int NeededMax = _DecText(_Obj(hObj), Max, 1, ac);
  Needed = Needed > NeededMax ? Needed : NeededMax;
  if (_MaxLen(hObj) < Needed) {
    EDIT_SetMaxLen(hObj, Needed);
  }
  _SetMode(hObj, _AddKeyDec, _UpdateDec, Value, Min, Max);
}

void EDIT_SetFloatMode(WM_HWIN hObj, float Value, float Min, float Max, int Shift, U8 Flags) {
  Shift = WIDGET__Limit(Shift, 0, 9);
  double F = std::pow(10.0, Shift);
  auto Scale = [F](float v) {
    double d = std::floor(F * v + 0.5);
    return (I32)(d > INT32_MAX ? INT32_MAX : d < INT32_MIN ? INT32_MIN : d);
  };
  EDIT_SetDecMode(hObj, Scale(Value), Scale(Min), Scale(Max), Shift, Flags);
}
