#include "TXT_FormatValue.h"

#include "TXT_Language.h"
#include "TXT_TextOut.h"

namespace {

constexpr char16_t _kLineBreak = 0x0085;

// Item of a text group; false (nothing written) when the group has no such item.
bool _PutItem(TXT_TEXT_OUT* pOut, int Group, int64_t Item) {
  const TXT_GROUP* pGroup = TXT_GetGroup(Group);
  if (pGroup == nullptr || Item < 0 || Item >= pGroup->NumItems) {
    return false;
  }
  TXT__PutString(pOut, pGroup->papText[Item]);
  return true;
}

// A plain number, then, when asked and when the unit has a text, a blank and the unit text.
void _PutPlain(TXT_TEXT_OUT* pOut, int32_t Value, int Unit, int WithUnit, int Decimals) {
  TXT__PutUnitNumber(pOut, Value, Unit, Decimals);
  if (!WithUnit) {
    return;
  }
  const char16_t* pUnitText = TXT_GetText(TXT_GROUP_UNITS, Unit);
  if (pUnitText[0]) {
    TXT__PutChar(pOut, u' ');
    TXT__PutString(pOut, pUnitText);
  }
}

// Durations: days, hours and minutes appear once the value reaches them; the last part has two digits
// when anything (the sign included) precedes it.
void _PutDuration(TXT_TEXT_OUT* pOut, int32_t Value, int Unit) {
  uint64_t Day, Hour, Minute;
  if (Unit == TXT_UNIT_SECONDS) {
    Day = 86400, Hour = 3600, Minute = 60;
  } else if (Unit == TXT_UNIT_MINUTES) {
    Day = 1440, Hour = 60, Minute = 0;
  } else {
    Day = 864000, Hour = 36000, Minute = 600;
  }
  bool Lead = false;
  if (Value < 0) {
    TXT__PutAscii(pOut, "- ");
    Lead = true;
  }
  uint64_t m = TXT__Magnitude(Value);
  if (m >= Day) {
    TXT__PutDigits(pOut, int32_t(m / Day), 1);
    TXT__PutAscii(pOut, "d ");
    Lead = true;
  }
  if (m >= Hour) {
    TXT__PutDigits(pOut, int32_t(m / Hour % 24), 2);
    TXT__PutAscii(pOut, "h ");
    Lead = true;
  }
  if (Minute && m >= Minute) {
    TXT__PutDigits(pOut, int32_t(m / Minute % 60), 2);
    TXT__PutAscii(pOut, "m ");
    Lead = true;
  }
  if (Unit == TXT_UNIT_SECONDS) {
    TXT__PutDigits(pOut, int32_t(m % 60), Lead ? 2 : 1);
    TXT__PutChar(pOut, u's');
  } else if (Unit == TXT_UNIT_MINUTES) {
    TXT__PutDigits(pOut, int32_t(m % 60), Lead ? 2 : 1);
    TXT__PutChar(pOut, u'm');
  } else {
    int32_t Tenths = int32_t(m % 600);
    TXT__PutDecShift(pOut, Tenths, Lead ? 4 : TXT_NumberWidth(1, Tenths), 1);
    TXT__PutChar(pOut, u's');
  }
}

void _PutPercent(TXT_TEXT_OUT* pOut, uint32_t Percent) {
  TXT__PutDigits(pOut, int32_t(Percent), 1);
  TXT__PutAscii(pOut, " %");
}

} // namespace

int TXT_FormatValue(int32_t Value, int Unit, char16_t* pOut, size_t OutLen, int FirstPartOnly, int WithUnit,
                    int Decimals) {
  if (Unit == TXT_UNIT_NONE_ALIAS) {
    Unit = TXT_UNIT_NONE;
  }
  TXT_TEXT_OUT Out = TXT__Out(pOut, OutLen);
  if (Unit < 0 || Unit >= TXT_NUM_UNITS || Out.Cap == 0) {
    return 0;
  }
  const uint32_t Bits = uint32_t(Value);
  bool Written = true;
  switch (Unit) {
  case TXT_UNIT_OFF_ON:
    Written = _PutItem(&Out, TXT_GROUP_OFF_ON, Value & 1);
    break;
  case TXT_UNIT_NO_YES:
    Written = _PutItem(&Out, TXT_GROUP_NO_YES, Value & 1);
    break;
  case TXT_UNIT_ROOM_MODE:
    Written = _PutItem(&Out, TXT_GROUP_ROOM_MODES, Value);
    break;
  case TXT_UNIT_MIXER:
    Written = _PutItem(&Out, TXT_GROUP_MIXER, Value);
    break;
  case TXT_UNIT_OPERATING_MODE:
    Written = _PutItem(&Out, TXT_GROUP_OPERATING_MODES, Value);
    break;
  case TXT_UNIT_MODE_SOURCE:
    Written = _PutItem(&Out, TXT_GROUP_MODE_SOURCES, Value);
    break;
  case TXT_UNIT_TEMPERATURE:
    if (Value == TXT_SENSOR_OPEN) {
      Value = 99999;
    } else if (Value == TXT_SENSOR_SHORT) {
      Value = -99999;
    }
    _PutPlain(&Out, Value, Unit, WithUnit, Decimals);
    break;
  case TXT_UNIT_ROOM_SENSOR: {
    int32_t t = int32_t(Bits & 0x1FF) - int32_t(Bits & 0x100) * 2; // low 9 bits, sign-extended
    if (Value > 0 && (Bits & 0x7FF) == 0x7FF) {
      t = 99999; // the sensor code of an interrupted sensor
    }
    _PutPlain(&Out, t, TXT_UNIT_TEMPERATURE, 1, -1);
    if (!FirstPartOnly) {
      TXT__PutChar(&Out, u' ');
      TXT__PutChar(&Out, _kLineBreak);
      _PutItem(&Out, TXT_GROUP_ROOM_MODES, Bits >> 9 & 3);
    }
    break;
  }
  case TXT_UNIT_TWO_PERCENT:
    _PutPercent(&Out, Bits >> 8 & 0x7F);
    TXT__PutChar(&Out, _kLineBreak);
    TXT__PutChar(&Out, u' ');
    _PutPercent(&Out, Bits & 0x7F);
    break;
  case TXT_UNIT_PERCENT7:
    _PutPercent(&Out, Bits & 0x7F);
    break;
  case TXT_UNIT_TIME_OF_DAY: {
    if (Value < 0) {
      TXT__PutChar(&Out, u'-');
    }
    uint64_t m = TXT__Magnitude(Value);
    TXT__PutDigits(&Out, int32_t(m / 60), 2);
    TXT__PutChar(&Out, u':');
    TXT__PutDigits(&Out, int32_t(m % 60), 2);
    break;
  }
  case TXT_UNIT_DAY_MONTH:
    // Negative values keep the formula's truncating division and remainder: -1 gives "0.1.".
    TXT__PutDigits(&Out, Value % 31 + 1, 1);
    TXT__PutChar(&Out, u'.');
    TXT__PutDigits(&Out, Value / 31 + 1, 1);
    TXT__PutChar(&Out, u'.');
    break;
  case TXT_UNIT_DATE:
    TXT__PutDigits(&Out, int32_t(Bits & 0xFF), 2);
    TXT__PutChar(&Out, u'.');
    TXT__PutDigits(&Out, int32_t(Bits >> 8 & 0xFF), 2);
    TXT__PutChar(&Out, u'.');
    TXT__PutDigits(&Out, int32_t(Bits >> 16 & 0xFFF), 4);
    break;
  case TXT_UNIT_MONTH_YEAR:
    TXT__PutDigits(&Out, Value % 12 + 1, 2);
    TXT__PutChar(&Out, u'.');
    TXT__PutDigits(&Out, Value / 12, 4);
    break;
  case TXT_UNIT_SECONDS:
  case TXT_UNIT_MINUTES:
  case TXT_UNIT_TENTHS:
    _PutDuration(&Out, Value, Unit);
    break;
  default:
    _PutPlain(&Out, Value, Unit, WithUnit, Decimals);
    break;
  }
  if (!Written) {
    return 0;
  }
  return TXT__Finish(&Out) + 1;
}

// The converters limit a value only when it lies above the bound: a full 60 minutes or 24 hours stays.
void TXT_SecondsToMinutes(TXT_VALUE_RECORD* pRec) {
  pRec->FieldA = 0;
  pRec->Value = pRec->Value / 60 > 60 ? 59 : pRec->Value / 60;
  pRec->Unit = TXT_UNIT_MINUTES;
}

void TXT_LimitSeconds(TXT_VALUE_RECORD* pRec) {
  pRec->FieldA = 0;
  if (pRec->Value > 60) {
    pRec->Value = 59;
  }
  pRec->Unit = TXT_UNIT_SECONDS;
}

void TXT_SecondsToHours(TXT_VALUE_RECORD* pRec) {
  pRec->FieldA = 0;
  pRec->Value = pRec->Value / 3600 > 24 ? 23 : pRec->Value / 3600;
  pRec->Unit = TXT_UNIT_HOURS;
}

void TXT_SecondsToDays(TXT_VALUE_RECORD* pRec) {
  pRec->FieldA = 0;
  pRec->Value /= 86400;
  pRec->Unit = TXT_UNIT_DAYS;
}
