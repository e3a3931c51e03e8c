// CALENDAR: painting the month: header background, weekday columns, weekday names and the day cells with
// the selected day filled and the current date framed. It reads the calendar's state and never changes it.
#include "CALENDAR.h"

namespace {

bool _IsWeekend(int Weekday) {
  return Weekday == 0 || Weekday == 1; // Saturday, Sunday
}

void _Fill(GUI_COLOR Color, int x0, int y0, int x1, int y1) {
  if (Color != WM_NO_COLOR) {
    GUI_SetColor(Color);
    GUI_FillRect(x0, y0, x1, y1);
  }
}

} // namespace

void CALENDAR__Paint(WM_HWIN hObj) {
  const CALENDAR_OBJ Obj = *(const CALENDAR_OBJ*)WM_H2P(hObj);
  const CALENDAR_PROPS& p = Obj.Props;
  int W = WM_GetWindowSizeX(hObj), H = WM_GetWindowSizeY(hObj);
  int CW = p.CellWidth, CH = p.CellHeight, HH = p.HeaderHeight;
  _Fill(p.aColor[6], 0, 0, W - 1, HH - 1);
  for (int c = 0; c < 7; c++) {
    int Weekday = (Obj.FirstDayOfWeek + c) % 7;
    _Fill(p.aColor[_IsWeekend(Weekday) ? 0 : 1], c * CW, HH, c * CW + CW - 1, H - 1);
  }
  GUI_SetFont(p.apFont[0]);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(p.aColor[8]);
  for (int c = 0; c < 7 && p.papDays; c++) {
    GUI_RECT r = {(I16)(c * CW), (I16)HH, (I16)(c * CW + CW - 1), (I16)(HH + CH - 1)};
    if (const char* s = p.papDays[(Obj.FirstDayOfWeek + c) % 7]) {
      GUI_DispStringInRect(s, &r, GUI_TA_HCENTER | GUI_TA_VCENTER);
    }
  }
  GUI_DrawHLine(HH + CH - 1, 2, W - 3);
  int NumDays = CALENDAR__GetDaysOfMonth(Obj.Show.Year, Obj.Show.Month);
  int First = CALENDAR__FirstColumn(&Obj);
  for (int d = 1; d <= NumDays; d++) {
    GUI_RECT r = CALENDAR__DayRect(&Obj, d);
    bool Selected = Obj.Sel.Year == Obj.Show.Year && Obj.Sel.Month == Obj.Show.Month && Obj.Sel.Day == d;
    GUI_COLOR TextColor;
    if (Selected) {
      _Fill(p.aColor[2], r.x0, r.y0, r.x1, r.y1);
      TextColor = p.aColor[5];
    } else {
      TextColor = p.aColor[_IsWeekend((Obj.FirstDayOfWeek + (First + d - 1) % 7) % 7) ? 3 : 4];
    }
    if (Obj.Date.Year == Obj.Show.Year && Obj.Date.Month == Obj.Show.Month && Obj.Date.Day == d) {
      GUI_SetColor(p.aColor[9]);
      GUI_DrawRectEx(&r);
    }
    char ac[3] = {(char)(d < 10 ? '0' + d : '0' + d / 10), (char)(d < 10 ? 0 : '0' + d % 10), 0};
    GUI_SetColor(TextColor);
    GUI_DispStringInRect(ac, &r, GUI_TA_HCENTER | GUI_TA_VCENTER);
  }
}
