// CALENDAR: the dates, user data and the module defaults. Dates from outside are checked before they are
// stored: a month or day out of range would otherwise pick a month name past the table's end.
#include "CALENDAR.h"

namespace {

const char* const _apMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const _apDays[7] = {"Sa", "Su", "Mo", "Tu", "We", "Th", "Fr"};

using _Access = WIDGET_ACCESS<CALENDAR_OBJ, &CALENDAR__Type>;

void _Read(WM_HWIN hObj, CALENDAR_DATE* pDate, CALENDAR_DATE CALENDAR_OBJ::*pField) {
  if (!pDate) {
    return;
  }
  _Access::Read(hObj, 0, [&](CALENDAR_OBJ* pObj) {
    *pDate = pObj->*pField;
    return 0;
  });
}

// Shows the month of the date (its selection when Select); the header follows.
void _Show(WM_HWIN hObj, const CALENDAR_DATE* pDate, bool Select) {
  if (!pDate || !CALENDAR__IsValidDate(*pDate)) {
    return;
  }
  WM__LockGuard Lock;
  bool Done = false;
  _Access::Change(hObj, [&](CALENDAR_OBJ* pObj) {
    if (Select) {
      pObj->Sel = *pDate;
    }
    pObj->Show = {pDate->Year, pDate->Month, 1};
    Done = true;
    return true;
  });
  if (Done) {
    CALENDAR__UpdateHeader(hObj);
  }
}

} // namespace

CALENDAR_PROPS CALENDAR__DefaultProps = {
    {0xD3D3D3, 0xFFFFFF, 0x0000FF, 0x000000, 0x000000, 0xFFFFFF, 0xFF8080, 0xFFFFFF, 0x000000, 0x008000},
    {&GUI_Font13, &GUI_Font13},
    18,
    13,
    25,
    _apMonths,
    _apDays};

void CALENDAR_GetDate(WM_HWIN hObj, CALENDAR_DATE* pDate) {
  _Read(hObj, pDate, &CALENDAR_OBJ::Date);
}

void CALENDAR_GetSel(WM_HWIN hObj, CALENDAR_DATE* pDate) {
  _Read(hObj, pDate, &CALENDAR_OBJ::Sel);
}

void CALENDAR_SetDate(WM_HWIN hObj, const CALENDAR_DATE* pDate) {
  if (!pDate || !CALENDAR__IsValidDate(*pDate)) {
    return;
  }
  _Access::Change(hObj, [&](CALENDAR_OBJ* pObj) {
    pObj->Date = *pDate;
    return true;
  });
}

void CALENDAR_SetSel(WM_HWIN hObj, const CALENDAR_DATE* pDate) {
  _Show(hObj, pDate, true);
}

void CALENDAR_ShowDate(WM_HWIN hObj, const CALENDAR_DATE* pDate) {
  _Show(hObj, pDate, false);
}

int CALENDAR_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&CALENDAR__Type, hObj, pDest, NumBytes);
}

int CALENDAR_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&CALENDAR__Type, hObj, pSrc, NumBytes);
}

void CALENDAR_SetDefaultBkColor(unsigned Index, GUI_COLOR Color) {
  static const int aSlot[4] = {0, 1, 2, 6};
  if (Index < 4) {
    WIDGET__SetDefault(&CALENDAR__DefaultProps.aColor[aSlot[Index]], Color);
  }
}

void CALENDAR_SetDefaultColor(unsigned Index, GUI_COLOR Color) {
  static const int aSlot[7] = {3, 4, 5, -1, 7, 8, 9};
  if (Index < 7 && aSlot[Index] >= 0) {
    WIDGET__SetDefault(&CALENDAR__DefaultProps.aColor[aSlot[Index]], Color);
  }
}

void CALENDAR_SetDefaultFont(unsigned Index, const GUI_FONT* pFont) {
  if (Index < 2 && pFont) {
    WIDGET__SetDefault(&CALENDAR__DefaultProps.apFont[Index], pFont);
  }
}

// Sizes below 1 are refused: the pointer handling divides by the cell size. Sizes are bounded so that the
// calendar stays inside the coordinate range.
void CALENDAR_SetDefaultSize(unsigned Index, unsigned Value) {
  if (Value < 1 || Value > 1000) {
    return;
  }
  I32* apField[3] = {&CALENDAR__DefaultProps.HeaderHeight, &CALENDAR__DefaultProps.CellWidth,
                     &CALENDAR__DefaultProps.CellHeight};
  if (Index < 3) {
    WIDGET__SetDefault(apField[Index], Value);
  }
}

void CALENDAR_SetDefaultMonths(const char* const* papMonths) {
  WIDGET__SetDefault(&CALENDAR__DefaultProps.papMonths, papMonths ? papMonths : _apMonths);
}

void CALENDAR_SetDefaultDays(const char* const* papDays) {
  WIDGET__SetDefault(&CALENDAR__DefaultProps.papDays, papDays ? papDays : _apDays);
}

void CALENDAR_GetSkinFlexProps(CALENDAR_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(CALENDAR__aSkinProps, pProps, Index);
}

void CALENDAR_SetSkinFlexProps(const CALENDAR_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(CALENDAR__aSkinProps, pProps, Index);
}
