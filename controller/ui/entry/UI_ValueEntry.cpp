// The numeric value entry: fields, keys and the result.
#include "UI_ValueEntry.h"

#include <cstdlib>
#include <cstring>

#include "TXT_Number.h"
#include "UI_Carrier.h"
#include "UI_Main.h"
#include "UI_ValueEntryPrivate.h"

UI_EntryField UI_EntryFields[4];
WM_HTIMER UI_hTimerValueEntry;
UI_VALUE_ENTRY_STATE UI__ValueEntryState;

const int16_t UI_ValueEntryKeys[UI_VE_KEYS][4] = {
    {238, 175, 285, 212},                                                                    // 0
    {10, 128, 57, 165},  {67, 128, 114, 165}, {124, 128, 171, 165}, {181, 128, 228, 165},    // 1-4
    {238, 128, 285, 165},                                                                    // 5
    {10, 175, 57, 212},  {67, 175, 114, 212}, {124, 175, 171, 212}, {181, 175, 228, 212},    // 6-9
    {299, 128, 346, 165}, {356, 128, 403, 165}, {299, 175, 346, 212}, {356, 175, 403, 212},  // . - <- C
    {10, 62, 57, 99},    {67, 62, 114, 99},   {299, 62, 346, 99},   {356, 62, 403, 99},      // 14-17
    {10, 40, 57, 70},    {67, 40, 114, 70},   {299, 40, 346, 70},   {356, 40, 403, 70},      // 18-21
    {10, 80, 57, 110},   {67, 80, 114, 110},  {299, 80, 346, 110},  {356, 80, 403, 110},     // 22-25
    {251, 40, 291, 99},  {213, 40, 246, 99},  {174, 40, 208, 99},   {129, 40, 169, 99},      // 26-29
};

#define S UI__ValueEntryState
#define F UI_EntryFields

int64_t UI__Pow10(int n) {
  int64_t r = 1;
  for (int i = 0; i < n && i < 18; i++) r *= 10;
  return r;
}

int UI__FieldDecimals(int k) { return TXT_GetUnitDecimals(uint8_t(F[k].Unit)); }

// Factor from the typed value of field k to its true contribution. Values of ten digits times a power of ten
// need 64 bits.
int64_t UI__FieldScale(int k) {
  int n = UI__FieldDecimals(k) - S.aTyped[k];
  return n > 0 ? UI__Pow10(n) : 1;
}

int64_t UI__FieldScaled(int k) { return int64_t(F[k].Value) * UI__FieldScale(k); }

static int _Digits(int64_t v) {
  if (v < 0) v = -v;
  int n = 1;
  while (v >= 10) {
    v /= 10;
    n++;
  }
  return n;
}

static void _ClearField(int k) {
  F[k] = UI_EntryField{};
  S.aTyped[k] = S.aPoint[k] = 0;
}

static void _RenewDecimals(void) {
  for (int k = 0; k < 4; k++) {
    S.aTyped[k] = uint8_t(UI__FieldDecimals(k));
    S.aPoint[k] = S.aTyped[k] != 0;
  }
}

// Time fields: the value split into days, hours, minutes and seconds by the unit.
static void _SetupTimeFields(int u, int32_t V, int32_t U) {
  struct { int Mod0; int32_t aStep[4]; int32_t aMod[4]; int32_t aCap[4]; int n; } t{};
  switch (u) {
    case 4: t = {60, {1, 60, 3600, 86400}, {60, 60, 24, 0}, {59, 59, 23, 0}, 4}; break;
    case 5: t = {60, {1, 60, 1440, 0}, {60, 24, 0, 0}, {59, 23, 0, 0}, 3}; break;
    case 15: t = {24, {1, 24, 0, 0}, {24, 0, 0, 0}, {23, 0, 0, 0}, 2}; break;
    default: t = {600, {1, 600, 36000, 864000}, {600, 60, 24, 0}, {599, 59, 23, 0}, 4}; break;
  }
  for (int k = 0; k < 4; k++) _ClearField(k);
  for (int k = 0; k < t.n; k++) {
    int32_t Step = t.aStep[k];
    int32_t Whole = V / Step;
    F[k].Step = Step;
    F[k].Min = 0;
    F[k].Unit = int8_t(k == 0 ? u : 0);
    F[k].Value = t.aMod[k] ? Whole % t.aMod[k] : Whole;
    int32_t Max = U / Step;
    // A field below the top one holds at most its cap once the upper limit reaches the next field.
    if (k + 1 < t.n && t.aCap[k] && U >= t.aStep[k + 1]) Max = t.aCap[k];
    if (k == 0 && Max > t.aCap[0]) Max = t.aCap[0];
    F[k].Max = Max;
  }
  S.Count = 0;
  for (int k = 0; k < 4; k++)
    if (F[k].Max != F[k].Min) S.Count = k + 1;
  if (!S.Count) S.Count = 1;
}

static void _SplitS(int32_t Value, int32_t Sv) {
  F[0].Value = Value % Sv;
  F[1].Value = Value / Sv;
}

void UI__ValueEntrySetup(const UI_ValueEntryInfo* pInfo) {
  const UI_ValueLimits* L = pInfo->pLimits;
  int u = L->Unit;
  int32_t V = pInfo->Value;
  S.aPoint[0] = S.aPoint[1] = 0;
  S.UpperByTouch = 1;
  S.Current = 0;
  S.Negative = V < 0;
  S.Pressed = -1;
  S.Fresh = 1;
  S.TwoRow = 0;
  S.Count = 1;
  for (int k = 0; k < 4; k++) _ClearField(k);
  if (pInfo->Mode == 1) {
    int32_t Sv = 1;
    int u0 = u, u1 = u;
    if (u == 4) Sv = 60, u0 = 4, u1 = 5;
    else if (u == 5 || u == 60) Sv = 60, u0 = 5, u1 = 15;
    else if (u == 15) Sv = 24, u0 = 15, u1 = 16;
    S.Sv = Sv;
    F[0].Unit = int8_t(u0);
    F[1].Unit = int8_t(u1);
    _SplitS(V, Sv);
    F[0].Step = 1;
    F[0].Min = L->Lower <= -Sv ? 1 - Sv : (L->Lower < 0 ? L->Lower : 0);
    F[0].Max = L->Upper > Sv ? Sv - 1 : (L->Upper > 0 ? L->Upper : 0);
    F[1].Min = L->Lower / Sv;
    F[1].Max = L->Upper / Sv;
    F[1].Step = Sv;
    S.Current = 1;
    S.Count = 2;
    S.TwoRow = Sv != 1;
  } else if (pInfo->Mode == 2) {
    _SetupTimeFields(u, V, L->Upper);
    F[0].Min = L->Lower;
    if (F[0].Min > 0) F[0].Min = 0;
  } else if (u == 46) {
    // The temperature is a signed 9-bit field: its own bit 8 carries the sign, whatever the bits above hold
    // (the mode and the flag of bit 14 share the word), as the value text reads it. Typed digits follow it.
    int32_t t = V & 0x1FF;
    if (t & 0x100) t -= 0x200;
    F[0] = {-256, 255, t, 1, 1};
    S.Negative = t < 0;
    F[1] = {0, 3, (V >> 9) & 3, 1, 45};
    S.Count = 2;
    S.TwoRow = 1;
    S.UpperByTouch = 0;
  } else if (u == 55) {
    F[0] = {L->Lower & 0x7F, L->Upper & 0x7F, V & 0x7F, 1, 59};
    F[1] = {(L->Lower >> 8) & 0x7F, (L->Upper >> 8) & 0x7F, (V >> 8) & 0x7F, 1, 59};
    S.Count = 2;
    S.TwoRow = 1;
  } else if (u == 59) {
    F[0] = {L->Lower & 0x7F, L->Upper & 0x7F, V & 0x7F, 1, 59};
  } else if (u == 61) {
    F[0] = {1, 12, V / 31 + 1, 1, 0};
    F[1] = {1, 31, V % 31 + 1, 1, 0};
    S.Current = 1;
    S.Count = 2;
    S.TwoRow = 1;
  } else {
    F[0] = {L->Lower, L->Upper, V, 1, int8_t(u)};
  }
  _RenewDecimals();
}

// The total of the time fields (mode 2) or of the two fields (mode 1), in 64 bits.
int64_t UI__ValueEntryTotal(int Mode) {
  int64_t T = 0;
  if (Mode == 2) {
    for (int k = 0; k < S.Count; k++) T += UI__FieldScaled(k) * F[k].Step;
  } else {
    T = UI__FieldScaled(1) * F[1].Step + UI__FieldScaled(0);
  }
  return T;
}

static int32_t _Clamp32(int64_t v) { return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : int32_t(v); }

int32_t UI_ValueEntryResult(const UI_ValueEntryInfo* pInfo) {
  int u = pInfo->pLimits->Unit;
  if (pInfo->Mode == 2) return _Clamp32(UI__ValueEntryTotal(2));
  if (pInfo->Mode == 0 && u == 46) {
    // The temperature keeps its sign: its low 9 bits carry it, bit 14 is inverted on the way out.
    int32_t t = _Clamp32(UI__FieldScaled(0));
    int32_t r = (t & ~0x600) | ((F[1].Value & 3) << 9);
    return r ^ 0x4000;
  }
  if (pInfo->Mode == 0 && u == 55) return (F[1].Value & 0xFF) << 8 | (F[0].Value & 0xFF);
  if (pInfo->Mode == 0 && u == 61) return F[0].Value * 31 + F[1].Value - 32;
  return _Clamp32(UI__ValueEntryTotal(1));
}

int UI__FieldOutside(int k) {
  int64_t v = UI__FieldScaled(k);
  return v < F[k].Min || v > F[k].Max;
}

int UI_ValueEntryAcceptable(const UI_ValueEntryInfo* pInfo) {
  if (pInfo->Mode == 1 || pInfo->Mode == 2) {
    int64_t R = pInfo->Mode == 2 ? UI__ValueEntryTotal(2) : UI__ValueEntryTotal(1);
    return R >= pInfo->pLimits->Lower && R <= pInfo->pLimits->Upper;
  }
  for (int k = 0; k < S.Count; k++)
    if (UI__FieldOutside(k)) return 0;
  return 1;
}

static void _Digit(int Digit, const UI_ValueEntryInfo* pInfo) {
  int f = S.Current;
  UI_EntryField* p = &F[f];
  if (S.Fresh) {
    S.Fresh = 0;
    p->Value = 0;
    S.aPoint[f] = S.aTyped[f] = 0;
  }
  int d = UI__FieldDecimals(f);
  if (d > 0 && S.aTyped[f] == d) return;
  int A = (_Digits(p->Max) > _Digits(p->Min) ? _Digits(p->Max) : _Digits(p->Min)) - d;
  int C = _Digits(p->Value) - S.aTyped[f] - S.aPoint[f];
  if (C >= A && p->Value != 0) return;
  int64_t Next = int64_t(p->Value) * 10 + (S.Negative ? -Digit : Digit);
  if (pInfo->Mode == 2 && llabs(Next) > p->Max) return;
  if (Next > INT32_MAX || Next < INT32_MIN) return;
  p->Value = int32_t(Next);
  if (S.aPoint[f]) S.aTyped[f]++;
}

// Mode 0: one step of n units of the field's current precision, held within its limits.
static void _StepField(int k, int n) {
  int64_t Scale = UI__FieldScale(k);
  int64_t Next = int64_t(F[k].Value) + n;
  if (Next * Scale < F[k].Min) Next = F[k].Min / Scale;
  else if (Next * Scale > F[k].Max) Next = F[k].Max / Scale;
  F[k].Value = int32_t(Next);
}

// A field may hold either end of the 32-bit range: a step is compared with the limits in 64 bits before it is
// taken, and the lowest value, which has no positive counterpart, negates to the highest.
static int32_t _Negated(int32_t v) { return v == INT32_MIN ? INT32_MAX : -v; }

static void _StepDown(int Field) {
  int32_t &F0 = F[0].Value, &F1 = F[1].Value;
  int64_t Below0 = int64_t(F0) - 1, Below1 = int64_t(F1) - 1;
  if (Field == 0) {
    if (F0 == 0) {
      if (F1 > 0) {
        F1--;
        F0 = F[0].Max;
      } else if (F1 == 0) {
        if (-1 >= F[0].Min) F0 = -1, S.Negative = 1;
      } else {
        F0 = -1;
      }
    } else if (Below0 >= F[0].Min) {
      F0--;
    } else if (Below1 >= F[1].Min) {
      F0 = 0;
      F1--;
    }
    return;
  }
  if (Below1 < F[1].Min) return;
  if (F1 != 0) {
    F1--;
  } else if (F0 != 0 && !S.Negative) {
    S.Negative = 1;
    F0 = _Negated(F0);
  } else {
    F1 = -1;
  }
}

static void _StepUp(int Field) {
  int32_t &F0 = F[0].Value, &F1 = F[1].Value;
  int64_t Above0 = int64_t(F0) + 1, Above1 = int64_t(F1) + 1;
  if (Field == 0) {
    if (F0 == 0) {
      if (F1 > 0) {
        F0 = 1;
      } else if (F1 == 0) {
        if (1 <= F[0].Max) F0 = 1, S.Negative = 0;
      } else {
        F1++;
        F0 = F[0].Min;
      }
    } else if (Above0 <= F[0].Max) {
      F0++;
    } else if (Above1 <= F[1].Max) {
      F0 = 0;
      F1++;
    }
    return;
  }
  if (Above1 > F[1].Max) return;
  if (F1 != 0) {
    F1++;
  } else if (F0 != 0 && S.Negative) {
    S.Negative = 0;
    F0 = _Negated(F0);
  } else {
    F1 = 1;
  }
}

// Mode 2: the total stepped by n steps of field f, held within the limits, split again into the fields.
void UI__SplitTotal(int64_t T) {
  int64_t Rest = T;
  for (int k = S.Count - 1; k >= 0; k--) {
    int64_t Unit = int64_t(F[k].Step) * UI__FieldScale(k);
    if (!Unit) Unit = 1;
    int64_t Part = Rest / Unit;
    F[k].Value = int32_t(Part);
    Rest -= Part * Unit;
  }
}

static void _StepTotal(int n, int f, const UI_ValueLimits* L) {
  int64_t T = UI__ValueEntryTotal(2);
  int64_t D = int64_t(n < 0 ? -n : n) * F[f].Step * UI__FieldScale(f);
  int64_t Next;
  if (n < 0) {
    Next = T - D;
    if (Next < L->Lower) Next = L->Lower;
    if (T >= 0 && Next < 0) S.Negative = 1;
  } else {
    Next = T + D;
    if (Next > L->Upper) Next = L->Upper;
    if (T < 0 && Next >= 0) S.Negative = 0;
  }
  UI__SplitTotal(Next);
}

void UI_ValueEntryApplyKey(int Key, const UI_ValueEntryInfo* pInfo) {
  if (Key < 0 || Key >= UI_VE_KEYS || !pInfo || !pInfo->pLimits) return;
  int f = S.Current;
  if (Key <= 9) {
    _Digit(Key, pInfo);
    return;
  }
  switch (Key) {
    case UI_VE_KEY_POINT:
      S.Fresh = 0;
      if (UI__FieldDecimals(f)) S.aPoint[f] = 1;
      return;
    case UI_VE_KEY_SIGN: {
      S.Negative ^= 1;
      int n = pInfo->Mode == 0 ? 1 : pInfo->Mode == 1 ? 2 : S.Count;
      for (int k = 0; k < n; k++) F[k].Value = _Negated(F[k].Value);
      return;
    }
    case UI_VE_KEY_BACKSPACE:
      S.Fresh = 0;
      if (S.aTyped[f]) {
        S.aTyped[f]--;
        F[f].Value /= 10;
      } else if (S.aPoint[f]) {
        S.aPoint[f] = 0;
      } else {
        F[f].Value /= 10;
      }
      return;
    case UI_VE_KEY_CLEAR:
      S.UpperByTouch = 1;
      S.aPoint[0] = S.aPoint[1] = S.aTyped[0] = S.aTyped[1] = 0;
      S.Negative = 0;
      S.Current = 0;
      S.Fresh = 1;
      for (auto& x : F) x.Value = 0;
      return;
  }
  if (Key >= 26) return;  // value areas of the time fields act on press
  static const int aN[4] = {-10, -1, 1, 10};
  int n = aN[(Key - 14) % 4];
  if (pInfo->Mode == 2) {
    _StepTotal(n, S.Current, pInfo->pLimits);
    return;
  }
  int Field = (Key >= 18 && Key <= 21) ? 1 : 0;
  if (pInfo->Mode == 1) {
    for (int i = 0; i < (n == 10 || n == -10 ? 10 : 1); i++) n < 0 ? _StepDown(Field) : _StepUp(Field);
  } else {
    _StepField(Field, n);
  }
  if (!S.UpperByTouch) S.Current = Field;
}

// Sets the fields to a limit (a touch on the minimum or maximum of the title line).
void UI__ValueEntrySetLimit(const UI_ValueEntryInfo* pInfo, int Upper) {
  S.Fresh = 0;
  int32_t Limit = Upper ? pInfo->pLimits->Upper : pInfo->pLimits->Lower;
  if (pInfo->Mode == 0) {
    for (int k = 0; k < S.Count; k++) F[k].Value = Upper ? F[k].Max : F[k].Min;
    _RenewDecimals();
    for (int k = 0; k < S.Count; k++) F[k].Value = int32_t((Upper ? F[k].Max : F[k].Min) / UI__FieldScale(k));
  } else if (pInfo->Mode == 1) {
    _RenewDecimals();
    _SplitS(Limit, S.Sv ? S.Sv : 1);
  } else {
    S.Negative = Limit < 0;
    _RenewDecimals();
    UI__SplitTotal(Limit);
  }
}

#undef S
#undef F
