#include "TXT_DrawValue.h"

#include "FKT_Base.h"
#include "GUI.h"
#include "GUI_Private.h"
#include "TXT_FormatValue.h"

namespace {

constexpr int _kBelowDistance = 21; // pixels from the value down to the line under it

// The text of the first (or only) line of a value.
bool _FirstLine(int32_t Value, int Unit, int Decimals, char16_t* pText) {
  if (Unit == TXT_UNIT_TWO_PERCENT) {
    Value = Value >> 8 & 0x7F; // the high percentage, written like the one of unit 59
    Unit = TXT_UNIT_PERCENT7;
  }
  return TXT_FormatValue(Value, Unit, pText, TXT_VALUE_TEXT_MAX, 1, 1, Decimals) != 0;
}

// The text of the second line of a room-sensor value or of two percentages; false for other units.
bool _SecondLine(int32_t Value, int Unit, char16_t* pText) {
  if (Unit == TXT_UNIT_ROOM_SENSOR) {
    return TXT_FormatValue(Value >> 9 & 3, TXT_UNIT_ROOM_MODE, pText, TXT_VALUE_TEXT_MAX, 0, 0, -1) != 0;
  }
  if (Unit == TXT_UNIT_TWO_PERCENT) {
    return TXT_FormatValue(Value & 0x7F, TXT_UNIT_PERCENT7, pText, TXT_VALUE_TEXT_MAX, 0, 0, -1) != 0;
  }
  return false;
}

// Right-aligned at x, whatever alignment the caller had, which stays as it was.
void _DispRightAt(const char16_t* pText, int x, int y) {
  int Align = GUI_SetTextAlign(GUI_TA_RIGHT | (GUI_GetTextAlign() & GUI_TA_VERTICAL));
  GUI_UC_DispStringAt(pText, x, y);
  GUI_SetTextAlign(Align);
}

} // namespace

void TXT_DrawValue(int32_t Value, int Unit, int Decimals) {
  GUI_LockGuard Lock; // one hold for all lines of the value
  char16_t acText[TXT_VALUE_TEXT_MAX];
  if (_FirstLine(Value, Unit, Decimals, acText)) {
    GUI_UC_DispString(acText);
  }
}

void TXT_DrawValueLines(int32_t Value, int Unit, int Decimals) {
  GUI_LockGuard Lock; // one hold for all lines of the value
  char16_t acText[TXT_VALUE_TEXT_MAX];
  if (Unit == TXT_UNIT_ROOM_SENSOR) {
    int x0 = GUI_GetDispPosX();
    int y0 = GUI_GetDispPosY() - GUI_GetFontDistY() / 2;
    GUI_GotoY(y0);
    TXT_DrawValue(Value, Unit, Decimals);
    if (_SecondLine(Value, Unit, acText)) {
      GUI_UC_DispStringAt(acText, x0, y0 + GUI_GetFontDistY());
    }
    return;
  }
  TXT_DrawValue(Value, Unit, Decimals);
  // Here the second percentage is the whole low byte, not the 7 bits of the two-line forms.
  if (Unit == TXT_UNIT_TWO_PERCENT && TXT_FormatValue(Value & 0xFF, 0, acText, TXT_VALUE_TEXT_MAX, 0, 0, -1)) {
    GUI_DispChar(u' ');
    GUI_UC_DispString(acText);
    GUI_UC_DispString(u" %");
  }
}

void TXT_DrawValueRight(int32_t Value, int Unit) {
  GUI_LockGuard Lock; // one hold for all lines of the value
  char16_t acText[TXT_VALUE_TEXT_MAX];
  int x = GUI_GetDispPosX();
  int y = GUI_GetDispPosY();
  if (Unit == TXT_UNIT_ROOM_SENSOR || Unit == TXT_UNIT_TWO_PERCENT) {
    if (Unit == TXT_UNIT_ROOM_SENSOR) {
      y -= GUI_GetFontDistY() / 2;
    }
    if (_FirstLine(Value, Unit, -1, acText)) {
      _DispRightAt(acText, x, y);
    }
    if (_SecondLine(Value, Unit, acText)) {
      _DispRightAt(acText, x, y + GUI_GetFontDistY());
    }
    return;
  }
  if (TXT_FormatValue(Value, Unit, acText, TXT_VALUE_TEXT_MAX, 1, 1, -1)) {
    _DispRightAt(acText, x, y);
  }
}

void TXT_DrawValueBelow(int32_t Value, int Unit, int Decimals) {
  GUI_LockGuard Lock; // one hold for all lines of the value
  int x0 = GUI_GetDispPosX();
  int y0 = GUI_GetDispPosY();
  TXT_DrawValue(Value, Unit, Decimals);
  char16_t acText[TXT_VALUE_TEXT_MAX];
  if (_SecondLine(Value, Unit, acText)) {
    _DispRightAt(acText, x0, y0 + _kBelowDistance);
  }
}

void TXT_DrawNumber(int32_t Value, int Decimals) {
  GUI_LockGuard Lock; // one hold for all lines of the value
  if (Decimals < 0) {
    Decimals = 0;
  }
  GUI_DispDecShift(Value, TXT_NumberWidth(Decimals, Value), uint8_t(Decimals > 255 ? 255 : Decimals));
}

void TXT_DrawParameter(int Number, const FUNKTION_BASIS_PAR* pObj) {
  GUI_LockGuard Lock; // one hold for all lines of the value
  if (pObj == nullptr) {
    return;
  }
  if (pObj->GetParameterFlags(Number) & (FKT_PF_CHOICE | FKT_PF_CHOICE_ALT)) {
    GUI_UC_DispString(pObj->GetChoiceText(Number)); // nothing for a value outside the choices
    return;
  }
  TXT_DrawValue(pObj->GetParameter(Number), pObj->GetParameterUnit(Number), TXT_DECIMALS_TABLE);
}

void TXT_DrawParameterRight(int Number, const FUNKTION_BASIS_PAR* pObj) {
  GUI_LockGuard Lock; // one hold for all lines of the value
  if (pObj == nullptr) {
    return;
  }
  if (pObj->GetParameterFlags(Number) & (FKT_PF_CHOICE | FKT_PF_CHOICE_ALT)) {
    if (const char16_t* pText = pObj->GetChoiceText(Number)) {
      _DispRightAt(pText, GUI_GetDispPosX(), GUI_GetDispPosY());
    }
    return;
  }
  TXT_DrawValueRight(pObj->GetParameter(Number), pObj->GetParameterUnit(Number));
}
