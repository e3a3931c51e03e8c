// The calendar: the modal dialog in which the user picks a date (entries of unit 62). A month grid of 6 x 7 day
// cells from Monday to Sunday on the left; month and year with step arrows and a key for today's date on the
// right. The side buttons serve as Cancel (upper) and OK (lower). On OK the date goes to the receiver as
// UI_MSG_DATE_DONE with the entry's type byte in hWinSrc and the packed date in Data.v.
//
// Packed date: day of month in bits 0-7, month 1-12 in bits 8-15, full year in bits 16-27. Packed dates compare
// as numbers in date order.
#pragma once
#include <cstdint>

#include "WM.h"

// The dialog's user data and working state.
struct UI_CalendarParams {
  WM_HWIN hParent;  // receives the result
  uint32_t Type;    // the entry's type byte, sent back as the message source
  uint32_t Date;    // the date being edited
  uint32_t Lower;   // earlier dates are shown inactive and cannot be chosen or confirmed
  uint32_t Upper;   // later dates likewise; an upper limit below the lower one (0 among them) is none
};

enum {
  UI_CAL_DAY_CELLS = 42,  // 0..41: row r, column c at index 7r + c
  UI_CAL_MONTH_BACK = 42,
  UI_CAL_MONTH_FORWARD = 43,
  UI_CAL_YEAR_BACK = 44,
  UI_CAL_YEAR_FORWARD = 45,
  UI_CAL_TODAY = 46,
  UI_CAL_CELLS = 47,
  UI_CAL_NO_CELL = 0xFF,
  UI_CAL_YEAR_MIN = 1900,
  UI_CAL_YEAR_MAX = 2200,
};

// Cell rectangles {x0, y0, x1, y1} in dialog coordinates; a point is on a cell strictly inside.
extern const int16_t UI_CalendarCells[UI_CAL_CELLS][4];
// The pressed cell while the pointer is down (UI_CAL_NO_CELL: none).
extern uint8_t UI_CalendarPressed;

// Creates the carrier and the dialog for the record (copied) and opens it. 0 when it could not be made.
int UI_CreateCalendar(WM_HWIN hParent, const UI_CalendarParams* pParams);
void UI_CalendarCallback(WM_MESSAGE* pMsg);
// Installs the dialog as the dispatcher's calendar (UI_pfOpenCalendar).
void UI_InstallCalendar(void);

//
// Dates, independent of the window (the dialog and its painting use them; tests call them directly).
//
inline int UI_DateDay(uint32_t d) { return int(d & 0xFF); }
inline int UI_DateMonth(uint32_t d) { return int((d >> 8) & 0xFF); }
inline int UI_DateYear(uint32_t d) { return int((d >> 16) & 0xFFF); }
inline uint32_t UI_PackDate(int Day, int Month, int Year) {
  return uint32_t(Day & 0xFF) | uint32_t(Month & 0xFF) << 8 | uint32_t(Year & 0xFFF) << 16;
}
// Days of month 1-12 of a year (Gregorian leap years); 0 for any other month.
int UI_CalendarMonthLength(int Month, int Year);
// Column (Monday 0 .. Sunday 6) of the first of the month.
int UI_CalendarFirstColumn(int Month, int Year);
// The date as the grid shows it: its day limited to 1 .. the month's length.
uint32_t UI_CalendarShownDate(uint32_t Date);
// The date a dialog opens on: a date without a valid month opens on the controller's today, others as shown.
uint32_t UI_CalendarStartDate(uint32_t Date);
// Whether a date lies within the record's limits.
int UI_CalendarDateAllowed(const UI_CalendarParams* p, uint32_t Date);
// The date after a release on a cell: month and year steps (the month steps across the year, both stay within
// 1900..2200), today, or a day of the shown month that the limits allow. Other cells change nothing.
uint32_t UI_CalendarApplyCell(const UI_CalendarParams* p, int Cell);
// How day cell k of the shown month is drawn.
enum { UI_CAL_INACTIVE, UI_CAL_NORMAL, UI_CAL_SELECTED };
int UI_CalendarDayCellState(const UI_CalendarParams* p, int k);
