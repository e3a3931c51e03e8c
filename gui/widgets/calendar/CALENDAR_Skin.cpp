// CALENDAR: the look of the arrow buttons, drawn by the button's flexible skin: a rounded double frame,
// a two-part gradient and an arrow head, the corners in the header colour.
#include "BUTTON.h"
#include "CALENDAR.h"

CALENDAR_SKINFLEX_PROPS CALENDAR__aSkinProps[2] = {
    {{0xB17F3C, 0xFFFEFD, 0xE0E0E0}, {0xFCF4E3, 0xFBEED6}, {0xF6DBA9, 0xE3CA9C}, 0x000000},
    {{0x959595, 0xF3F3F3, 0xE0E0E0}, {0xF2F2F2, 0xE8E8E8}, {0xD8D8D8, 0xBCBCBC}, 0x404040},
};

int CALENDAR__DrawArrow(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (!pInfo || pInfo->Cmd != WIDGET_ITEM_DRAW_BACKGROUND) {
    return 0;
  }
  const CALENDAR_SKINFLEX_PROPS& s = CALENDAR__aSkinProps[pInfo->ItemIndex == BUTTON_SKINFLEX_PI_PRESSED ? 1 : 0];
  int x0 = pInfo->x0, y0 = pInfo->y0, x1 = pInfo->x1, y1 = pInfo->y1;
  int yMid = (y0 + y1) / 2;
  GUI_SetColor(s.aColorFrame[0]);
  GUI_DrawHLine(y0, x0 + 1, x1 - 1);
  GUI_DrawHLine(y1, x0 + 1, x1 - 1);
  GUI_DrawVLine(x0, y0 + 1, y1 - 1);
  GUI_DrawVLine(x1, y0 + 1, y1 - 1);
  GUI_SetColor(s.aColorFrame[1]);
  GUI_DrawRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1);
  GUI_DrawGradientV(x0 + 2, y0 + 2, x1 - 2, yMid, s.aColorUpper[0], s.aColorUpper[1]);
  GUI_DrawGradientV(x0 + 2, yMid + 1, x1 - 2, y1 - 2, s.aColorLower[0], s.aColorLower[1]);
  int Height = y1 - y0 + 1;
  int Size = (Height - 1 - 3) / 3;
  int k = Height - (Height - Size) / 2 - 1;
  GUI_SetColor(s.ColorArrow);
  const WIDGET* pWidget = (const WIDGET*)WM_H2P(pInfo->hWin);
  bool Left = WM_GetId(pInfo->hWin) == CALENDAR_ID_PREV;
  WIDGET__DrawTriangle(pWidget, Left ? x0 + k : x1 - k, yMid, Size, Left ? -1 : 1);
  // The corners take the header's colour so that the button looks rounded on it.
  const CALENDAR_OBJ* pCalendar = (const CALENDAR_OBJ*)WIDGET__GetObj(&CALENDAR__Type, WM_GetParent(pInfo->hWin));
  if (pCalendar && pCalendar->Props.aColor[6] != WM_NO_COLOR) {
    GUI_SetColor(pCalendar->Props.aColor[6]);
    GUI_DrawPixel(x0, y0);
    GUI_DrawPixel(x1, y0);
    GUI_DrawPixel(x0, y1);
    GUI_DrawPixel(x1, y1);
  }
  return 0;
}
