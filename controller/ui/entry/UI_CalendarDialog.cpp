// The calendar's dialog: opening on the carrier, touches on its cells, OK and Cancel.
#include <cstring>

#include "GUI.h"
#include "UI_Calendar.h"
#include "UI_CalendarPrivate.h"
#include "UI_EntryDialog.h"
#include "UI_Main.h"

namespace {

UI_SIDE_BUTTON_SAVE _SideButtons;
int _SideButtonsTaken;

int _GetParams(WM_HWIN hWin, UI_CalendarParams* p) {
  memset(p, 0, sizeof(*p));
  if (WM_GetUserData(hWin, p, sizeof(*p)) < int(sizeof(*p))) {
    memset(p, 0, sizeof(*p));  // a record that did not arrive whole: nobody to tell
    return 0;
  }
  return 1;
}

int _CellAt(int x, int y) {
  for (int k = 0; k < UI_CAL_CELLS; k++) {
    if (UI_PointOnKey(UI_CalendarCells[k], x, y)) return k;
  }
  return UI_CAL_NO_CELL;
}

void _Opened(WM_HWIN hWin, UI_CalendarParams* p) {
  UI_TakeSideButtons(&_SideButtons, 1);
  _SideButtonsTaken = 1;
  UI_CalendarPressed = UI_CAL_NO_CELL;
  p->Date = UI_CalendarStartDate(p->Date);
  WM_SetUserData(hWin, p, sizeof(*p));
  WM_ShowWindow(hWin);
  WM_BringToTop(hWin);
}

void _Close(WM_HWIN hWin) {
  _SideButtonsTaken = 0;
  UI_CalendarPressed = UI_CAL_NO_CELL;
  UI_CloseEntryDialog(hWin, &_SideButtons);
}

// OK: a date outside the limits keeps the dialog open.
void _Confirm(WM_HWIN hWin, const UI_CalendarParams* p) {
  uint32_t Date = UI_CalendarShownDate(p->Date);
  if (!UI_CalendarDateAllowed(p, Date)) return;
  _Close(hWin);
  UI_SendResult(p->hParent, UI_MSG_DATE_DONE, p->Type, intptr_t(Date));
}

void _OnPointer(WM_HWIN hWin, UI_CalendarParams* p, const GUI_POINTER_STATE* pState) {
  if (!pState) return;
  if (pState->Pressed) {
    WM_SetCapture(hWin, 0);
    int k = _CellAt(pState->x, pState->y);
    if (k != UI_CalendarPressed) WM_InvalidateWindow(hWin);
    UI_CalendarPressed = uint8_t(k);
    return;
  }
  WM_ReleaseCapture();
  int k = UI_CalendarPressed;
  UI_CalendarPressed = UI_CAL_NO_CELL;
  if (k != UI_CAL_NO_CELL && UI_PointOnKey(UI_CalendarCells[k], pState->x, pState->y)) {
    p->Date = UI_CalendarApplyCell(p, k);
    WM_SetUserData(hWin, p, sizeof(*p));
  }
  WM_InvalidateWindow(hWin);
}

}  // namespace

// Day cells 36 x 30 at a pitch of 38 x 32 from (8, 25); then the arrows and the today key.
#define D(k) {8 + 38 * ((k) % 7), 25 + 32 * ((k) / 7), 8 + 38 * ((k) % 7) + 36, 25 + 32 * ((k) / 7) + 30}
const int16_t UI_CalendarCells[UI_CAL_CELLS][4] = {
    D(0),  D(1),  D(2),  D(3),  D(4),  D(5),  D(6),  D(7),  D(8),  D(9),  D(10), D(11), D(12), D(13),
    D(14), D(15), D(16), D(17), D(18), D(19), D(20), D(21), D(22), D(23), D(24), D(25), D(26), D(27),
    D(28), D(29), D(30), D(31), D(32), D(33), D(34), D(35), D(36), D(37), D(38), D(39), D(40), D(41),
    {295, 40, 331, 70},   {349, 40, 385, 70},   {295, 104, 331, 134}, {349, 104, 385, 134},
    {295, 168, 385, 198}};
#undef D
uint8_t UI_CalendarPressed = UI_CAL_NO_CELL;

void UI_CalendarCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_CalendarParams Params;
  _GetParams(hWin, &Params);
  switch (pMsg->MsgId) {
    case WM_DELETE:
      // Deleted from outside (a new entry screen replaces it): the side buttons go back all the same.
      if (UI_hEntryDialog == hWin) {
        if (_SideButtonsTaken) UI_GiveSideButtons(&_SideButtons);
        _SideButtonsTaken = 0;
        UI_hEntryDialog = 0;
      }
      WM_DefaultProc(pMsg);
      break;
    case UI_MSG_OPENED: _Opened(hWin, &Params); break;
    case UI_MSG_CLOSED: _Close(hWin); break;
    case UI_MSG_BACK: _Confirm(hWin, &Params); break;
    case WM_PAINT: UI__CalendarPaint(&Params); break;
    case WM_POINTER: _OnPointer(hWin, &Params, (const GUI_POINTER_STATE*)pMsg->Data.p); break;
    case WM_POINTER_STATE_CHANGED:
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

int UI_CreateCalendar(WM_HWIN, const UI_CalendarParams* pParams) {
  if (!pParams) return 0;
  WM_HWIN hWin = UI_NewEntryDialog(UI_CalendarCallback, sizeof(UI_CalendarParams));
  if (!hWin) return 0;
  WM_SetUserData(hWin, pParams, sizeof(*pParams));
  WM_SendMessageNoPara(hWin, UI_MSG_OPENED);
  return WM_IsWindow(hWin) ? 1 : 0;
}

namespace {

int _OpenForDispatcher(WM_HWIN hReceiver, uint8_t Type, int32_t Value, int32_t Lower, int32_t Upper) {
  UI_CalendarParams p = {hReceiver, Type, uint32_t(Value), uint32_t(Lower), uint32_t(Upper)};
  return UI_CreateCalendar(hReceiver, &p);
}

}  // namespace

void UI_InstallCalendar(void) { UI_pfOpenCalendar = _OpenForDispatcher; }
