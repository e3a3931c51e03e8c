// CALENDAR: a month view with the month name and year between two arrow buttons, a row of weekday names and
// the days in a 7-column grid. The current date is framed, the selected date filled; the user selects a day
// by pointer or keys and pages through months. Dates follow the Gregorian calendar for the years 1582 to
// 9999; dates outside it, or days the month does not have, are refused rather than shown.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 CALENDAR_ID = 0x43414C45; // "CALE"

// Children.
constexpr int CALENDAR_ID_PREV = 0x170;
constexpr int CALENDAR_ID_NEXT = 0x171;
constexpr int CALENDAR_ID_HEADER = 0x160;

// Notifications besides 1 (pressed in the grid), 2 (released) and 4 (selection changed).
constexpr int CALENDAR_NOTIFICATION_MONTH_CLICKED = 10; // month changed by an arrow button
constexpr int CALENDAR_NOTIFICATION_MONTH_PRESSED = 11; // header text pressed
constexpr int CALENDAR_NOTIFICATION_MONTH_RELEASED = 12;

// Colour indexes of the default setters.
constexpr int CALENDAR_CI_WEEKEND = 0; // background colours (CALENDAR_SetDefaultBkColor): 0-2 and 3 header
constexpr int CALENDAR_CI_WEEKDAY = 1;
constexpr int CALENDAR_CI_SEL = 2;
constexpr int CALENDAR_CI_HEADER = 3;
constexpr int CALENDAR_CI_WEEKEND_TEXT = 0; // text colours (CALENDAR_SetDefaultColor): 0-2 days, 4-6 below
constexpr int CALENDAR_CI_WEEKDAY_TEXT = 1;
constexpr int CALENDAR_CI_SEL_TEXT = 2;
constexpr int CALENDAR_CI_HEADER_TEXT = 4;
constexpr int CALENDAR_CI_WEEKDAY_NAMES = 5;
constexpr int CALENDAR_CI_FRAME = 6;
constexpr int CALENDAR_SI_HEADER = 0; // sizes (CALENDAR_SetDefaultSize)
constexpr int CALENDAR_SI_CELL_X = 1;
constexpr int CALENDAR_SI_CELL_Y = 2;
constexpr int CALENDAR_FI_CONTENT = 0; // fonts (CALENDAR_SetDefaultFont)
constexpr int CALENDAR_FI_HEADER = 1;

struct CALENDAR_DATE {
  I32 Year, Month, Day; // Day 0: no day
};

// Arrow buttons: [0] released, [1] pressed.
struct CALENDAR_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[3]; // outer, inner, a third (unused)
  GUI_COLOR aColorUpper[2]; // upper gradient top, bottom
  GUI_COLOR aColorLower[2]; // lower gradient top, bottom
  GUI_COLOR ColorArrow;
};

// The block every calendar copies at creation (WM_NO_COLOR: no fill).
struct CALENDAR_PROPS {
  GUI_COLOR aColor[10]; // 0 weekend bk, 1 weekday bk, 2 selected bk, 3 weekend text, 4 weekday text,
                        // 5 selected text, 6 header bk, 7 header text, 8 weekday names and line, 9 today frame
  const GUI_FONT* apFont[2]; // grid, header
  I32 CellWidth, CellHeight, HeaderHeight;
  const char* const* papMonths; // 12 names
  const char* const* papDays;   // 7 abbreviations from Saturday
};

struct CALENDAR_OBJ {
  WIDGET Widget;
  CALENDAR_DATE Date; // framed
  CALENDAR_DATE Show; // month on display (Day 1)
  CALENDAR_DATE Sel;  // selected; Year 0: the current date serves
  CALENDAR_PROPS Props;
  I32 FirstDayOfWeek; // weekday of the first column: 0 Saturday, 1 Sunday, 2 Monday ... 6 Friday
  U32 DebugId;
};

// Creation; nothing (0) unless Month is 1-12 and Year 1582-9999. A day the month does not have marks no
// day. FirstDayOfWeek is taken modulo 7.
WM_HWIN CALENDAR_Create(WM_HWIN hParent, int x0, int y0, unsigned Year, unsigned Month, unsigned Day,
                        unsigned FirstDayOfWeek, int Id, int Flags);
WM_HWIN CALENDAR_CreateUser(WM_HWIN hParent, int x0, int y0, unsigned Year, unsigned Month, unsigned Day,
                            unsigned FirstDayOfWeek, int Id, int Flags, int NumExtraBytes);
// From a dialog record: Para holds the date as Year * 10000 + Month * 100 + Day; a record without a valid
// date shows January 2000 with no day marked. Weeks start on Monday.
WM_HWIN CALENDAR_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK* cb);
void CALENDAR_Callback(WM_MESSAGE* pMsg);
CALENDAR_OBJ* CALENDAR_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Dates. Setters refuse a date outside 1582-9999, a month outside 1-12 or a day the month does not have
// (day 0 stands for none).
void CALENDAR_GetDate(WM_HWIN hObj, CALENDAR_DATE* pDate);
void CALENDAR_SetDate(WM_HWIN hObj, const CALENDAR_DATE* pDate);
void CALENDAR_GetSel(WM_HWIN hObj, CALENDAR_DATE* pDate);
void CALENDAR_SetSel(WM_HWIN hObj, const CALENDAR_DATE* pDate);
void CALENDAR_ShowDate(WM_HWIN hObj, const CALENDAR_DATE* pDate);
int CALENDAR_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int CALENDAR_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults (calendars created afterwards).
void CALENDAR_SetDefaultBkColor(unsigned Index, GUI_COLOR Color);
void CALENDAR_SetDefaultColor(unsigned Index, GUI_COLOR Color);
void CALENDAR_SetDefaultFont(unsigned Index, const GUI_FONT* pFont);
void CALENDAR_SetDefaultSize(unsigned Index, unsigned Value);
void CALENDAR_SetDefaultMonths(const char* const* papMonths);
void CALENDAR_SetDefaultDays(const char* const* papDays);
void CALENDAR_GetSkinFlexProps(CALENDAR_SKINFLEX_PROPS* pProps, int Index);
void CALENDAR_SetSkinFlexProps(const CALENDAR_SKINFLEX_PROPS* pProps, int Index);

// Gregorian date arithmetic.
int CALENDAR__IsLeapYear(int Year);
int CALENDAR__GetDaysOfMonth(int Year, int Month);
int CALENDAR__GetWeekday(int Year, int Month, int Day); // 0 Saturday, 1 Sunday ... 6 Friday
int CALENDAR__IsValidDate(const CALENDAR_DATE& Date);   // year 1582-9999, month 1-12, day 0 to its length

// Shared by the calendar's source files.
extern const WIDGET_TYPE CALENDAR__Type;
extern CALENDAR_PROPS CALENDAR__DefaultProps;
extern CALENDAR_SKINFLEX_PROPS CALENDAR__aSkinProps[2];
int CALENDAR__DrawArrow(const WIDGET_ITEM_DRAW_INFO* pInfo);
void CALENDAR__Paint(WM_HWIN hObj);
void CALENDAR__UpdateHeader(WM_HWIN hObj);
// Column of day 1 of the shown month, and the cell of a day of it in window coordinates.
int CALENDAR__FirstColumn(const CALENDAR_OBJ* pObj);
GUI_RECT CALENDAR__DayRect(const CALENDAR_OBJ* pObj, int Day);
