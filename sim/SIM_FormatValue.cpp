// The value text of an input-simulation row: the value in its unit as the controller's screens would show it,
// with the unit text, the word of a word list, a duration, a time of day or a date.
#include <cstdio>
#include <cstdlib>

#include "GUI.h"
#include "SIM.h"
#include "SIM_InputSim.h"
#include "TXT_Language.h"
#include "TXT_Number.h"

enum {
  _GROUP_NO_YES = 10, _GROUP_OFF_ON = 11, _GROUP_UNITS = 12, _GROUP_WEEKDAYS = 29, _GROUP_MODES = 61,
  _GROUP_LIST135 = 135, _GROUP_LIST136 = 136, _GROUP_COUNT_OF_29 = 232,
};

// The text under construction: characters beyond the buffer are dropped, the terminator always fits.
typedef struct {
  char16_t* p;
  int Size;
  int Len;
} _OUT;

static void _PutChar(_OUT* pOut, char16_t c) {
  if (pOut->Len < pOut->Size - 1) pOut->p[pOut->Len++] = c;
}

static void _PutAscii(_OUT* pOut, const char* s) {
  for (; *s; s++) _PutChar(pOut, char16_t(uint8_t(*s)));
}

static void _PutText(_OUT* pOut, const char16_t* s) {
  for (; s && *s; s++) _PutChar(pOut, *s);
}

static void _PutNumber(_OUT* pOut, long long v, int Digits) {
  char ac[32];
  snprintf(ac, sizeof(ac), "%0*lld", Digits, v);
  _PutAscii(pOut, ac);
}

static void _PutUnit(_OUT* pOut, int Unit) {
  _PutChar(pOut, u' ');
  _PutText(pOut, TXT_GetText(_GROUP_UNITS, Unit));
}

// Item Value of a word list when the value is below the item count of CountGroup; 0 when nothing is written.
static int _PutItem(_OUT* pOut, int Group, int32_t Value, int CountGroup) {
  if (Value < 0 || Value >= TXT_GetItemCount(CountGroup) || Value >= TXT_GetItemCount(Group)) return 0;
  _PutText(pOut, TXT_GetText(Group, Value));
  return 1;
}

static void _PutDecimal(_OUT* pOut, int32_t Value, int Unit) {
  int Decimals = TXT_GetUnitDecimals(Unit);
  char ac[40];
  char* p = ac;
  GUI_AddDecShift(Value, uint8_t(SIM__GetValueTextWidth(uint8_t(Decimals), Value)), uint8_t(Decimals), &p);
  _PutAscii(pOut, ac);
  _PutUnit(pOut, Unit);
}

// Days, hours, minutes and seconds: days without padding, hours and minutes with two digits, the last part with
// two digits only when something precedes it. Leading parts that are 0 are left out.
static void _PutDuration(_OUT* pOut, long long v, const long long* paSize, const long long* paModulo, int NumParts) {
  bool Any = false;
  for (int i = 0; i < NumParts; i++) {
    bool Last = i == NumParts - 1;
    if (v >= paSize[i] || Last) {
      long long Part = v / paSize[i];
      if (i > 0) Part %= paModulo[i];
      _PutNumber(pOut, Part, (i == 0 || (Last && !Any)) ? 1 : 2);
      if (!Last) _PutChar(pOut, u':');
      Any = true;
    }
  }
}

int SIM_FormatValue(int32_t Value, int Unit, char16_t* pBuffer, int NumChars) {
  if (!pBuffer || NumChars <= 0) return 0;
  pBuffer[0] = 0;
  if (Unit == TXT_UNIT_NONE_ALIAS) Unit = 0;
  if (Unit < 0 || Unit >= TXT_NUM_UNITS) return 0;
  _OUT Out = {pBuffer, NumChars, 0};
  int Written = 1;
  switch (Unit) {
  case 4:
  case 5: {
    // Seconds (days, hours, minutes, seconds) or minutes (days, hours, minutes); a negative duration shows its
    // sign before the amount.
    static const long long aSec[] = {86400, 3600, 60, 1}, aSecMod[] = {0, 24, 60, 60};
    static const long long aMin[] = {1440, 60, 1}, aMinMod[] = {0, 24, 60};
    long long v = llabs(int64_t(Value));
    if (Value < 0) _PutChar(&Out, u'-');
    if (Unit == 4) _PutDuration(&Out, v, aSec, aSecMod, 4); else _PutDuration(&Out, v, aMin, aMinMod, 3);
    _PutUnit(&Out, Unit);
    break;
  }
  case 55:
  case 59:
    _PutNumber(&Out, Unit == 55 ? (Value >> 8) & 0x7F : Value & 0x7F, 1);
    _PutAscii(&Out, " %");
    break;
  case 60: {
    long long v = llabs(int64_t(Value));
    if (Value < 0) _PutChar(&Out, u'-');
    _PutNumber(&Out, v / 60, 2);
    _PutChar(&Out, u':');
    _PutNumber(&Out, v % 60, 2);
    break;
  }
  case 61:
    _PutNumber(&Out, Value % 31 + 1, 1);
    _PutChar(&Out, u'.');
    _PutNumber(&Out, Value / 31 + 1, 1);
    _PutChar(&Out, u'.');
    break;
  case 62:
    _PutNumber(&Out, Value & 0xFF, 2);
    _PutChar(&Out, u'.');
    _PutNumber(&Out, (Value >> 8) & 0xFF, 2);
    _PutChar(&Out, u'.');
    _PutNumber(&Out, (Value >> 16) & 0xFFF, 4);
    break;
  case 43: _PutText(&Out, TXT_GetText(_GROUP_OFF_ON, Value & 1)); break;
  case 44: _PutText(&Out, TXT_GetText(_GROUP_NO_YES, Value & 1)); break;
  case 45: Written = _PutItem(&Out, _GROUP_MODES, Value, _GROUP_MODES); break;
  case 48: Written = _PutItem(&Out, _GROUP_LIST135, Value, _GROUP_LIST135); break;
  case 49: Written = _PutItem(&Out, _GROUP_LIST136, Value, _GROUP_LIST136); break;
  case 47: Written = _PutItem(&Out, _GROUP_WEEKDAYS, Value, _GROUP_COUNT_OF_29); break;
  default: _PutDecimal(&Out, Value, Unit); break;
  }
  pBuffer[Out.Len] = 0;
  return Written ? Out.Len + 1 : 0;
}
