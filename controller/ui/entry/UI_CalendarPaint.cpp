// The calendar's painting: the cells from the prerendered key pictures, weekday and day numbers, month, year,
// today's date and the step arrows.
#include "GUI.h"
#include "SYS_Clock.h"
#include "TXT_Current.h"
#include "TXT_Groups.h"
#include "TXT_Number.h"
#include "UI_CalendarPrivate.h"
#include "UI_Draw.h"
#include "UI_EntryDialog.h"
#include "UI_GraphicsCache.h"

namespace {

void _PaintCells(const UI_CalendarParams* p) {
  for (int k = 0; k < UI_CAL_DAY_CELLS; k++) {
    int State = UI_CalendarDayCellState(p, k);
    GUI_HMEM h = State == UI_CAL_SELECTED ? UI_hMemdevKeySelected : UI_hMemdevKey;
    if (State == UI_CAL_INACTIVE || k == UI_CalendarPressed) h = UI_hMemdevKeyDown;
    UI_DrawEntryKey(h, UI_CalendarCells[k]);
  }
  for (int k = UI_CAL_MONTH_BACK; k <= UI_CAL_YEAR_FORWARD; k++) {
    UI_DrawEntryKey(k == UI_CalendarPressed ? UI_hMemdevKeyDown : UI_hMemdevKey, UI_CalendarCells[k]);
  }
  UI_DrawEntryKey(UI_CalendarPressed == UI_CAL_TODAY ? UI_hMemdevLongKeyDown : UI_hMemdevLongKey,
                  UI_CalendarCells[UI_CAL_TODAY]);
}

// A text centred at x, y: black, then white one pixel left and up.
void _Raised(const char16_t* s, int x, int y) {
  GUI_SetColor(GUI_BLACK);
  UI_DrawTextCentredAt(s, x, y);
  GUI_SetColor(GUI_WHITE);
  UI_DrawTextCentredAt(s, x - 1, y - 1);
}

void _PaintTexts(uint32_t Date) {
  int Month = UI_DateMonth(Date), Year = UI_DateYear(Date);
  GUI_SetFont(&UI_Font18);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(GUI_BLACK);
  for (int c = 0; c < 7; c++) {  // Monday (item 1) .. Saturday, then Sunday (item 0)
    UI_DrawTextCentredAt(TXT_GetText(TXT_GROUP_WEEKDAYS, (c + 1) % 7), 26 + 38 * c, 7);
  }
  int First = UI_CalendarFirstColumn(Month, Year), Len = UI_CalendarMonthLength(Month, Year);
  char16_t a[12];
  for (int Day = 1; Day <= Len; Day++) {
    const int16_t* r = UI_CalendarCells[First + Day - 1];
    TXT_PlainNumber(Day, a, 12);
    _Raised(a, r[0] + 18, r[1] + 6);
  }
  GUI_SetColor(GUI_BLACK);
  UI_DrawTextCentredAt(TXT_GetText(TXT_GROUP_MONTHS, Month - 1), 340, 77);
  TXT_FixedDigits(Year, 4, a, 12);
  UI_DrawTextCentredAt(a, 340, 141);
}

// Today's date and the four arrows: a black shadow one pixel right and down, then white.
void _PaintTodayAndArrows(void) {
  static const GUI_POINT aLeft[] = {{0, 10}, {10, 20}, {10, 0}};
  static const GUI_POINT aRight[] = {{0, 0}, {0, 20}, {10, 10}};
  SYS_TM t = SYS_GetClockTm();  // the tick sets the clock meanwhile
  char16_t a[12];
  int n = TXT_FixedDigits(t.Day, 2, a, 12);
  a[n++] = u'.';
  n += TXT_FixedDigits(t.Month + 1, 2, a + n, size_t(12 - n));
  a[n++] = u'.';
  TXT_FixedDigits(t.Year + 1900, 4, a + n, size_t(12 - n));
  GUI_SetFont(&UI_Font15C);
  GUI_SetTextAlign(GUI_TA_LEFT);
  for (int Shadow = 1; Shadow >= 0; Shadow--) {
    GUI_SetColor(Shadow ? GUI_BLACK : GUI_WHITE);
    UI_DrawTextAt(a, 304 + Shadow, 175 + Shadow);
    for (int y = 45; y <= 109; y += 64) {
      GUI_FillPolygon(aLeft, 3, 305 + Shadow, y + Shadow);
      GUI_FillPolygon(aRight, 3, 364 + Shadow, y + Shadow);
    }
  }
}

}  // namespace

void UI__CalendarPaint(const UI_CalendarParams* p) {
  UI_DrawEntryDialogBackground();
  _PaintCells(p);
  _PaintTexts(UI_CalendarShownDate(p->Date));
  _PaintTodayAndArrows();
}
