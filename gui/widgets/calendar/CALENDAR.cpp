// CALENDAR: creation with its arrow buttons and header text, typed locking, and the callback with its key,
// pointer and button handling. The callback changes the dates and invalidates; painting lives apart.
#include "CALENDAR.h"

#include <cstdio>

#include "BUTTON.h"
#include "TEXT.h"

namespace {

constexpr int YEAR_MIN = 1582;
constexpr int YEAR_MAX = 9999;

CALENDAR_OBJ* _Obj(WM_HWIN hObj) {
  return (CALENDAR_OBJ*)WM_H2P(hObj);
}

bool _IsShown(const CALENDAR_OBJ* pObj, const CALENDAR_DATE& d) {
  return d.Year == pObj->Show.Year && d.Month == pObj->Show.Month;
}

void _InvalidateDay(WM_HWIN hObj, int Day) {
  const CALENDAR_OBJ* pObj = _Obj(hObj);
  if (Day >= 1 && Day <= CALENDAR__GetDaysOfMonth(pObj->Show.Year, pObj->Show.Month)) {
    GUI_RECT r = CALENDAR__DayRect(pObj, Day);
    WM_InvalidateRect(hObj, &r);
  }
}

void _InvalidateGrid(WM_HWIN hObj) {
  const CALENDAR_PROPS& p = _Obj(hObj)->Props;
  GUI_RECT r = {0, (I16)(p.HeaderHeight + p.CellHeight), (I16)(7 * p.CellWidth - 1),
                (I16)(p.HeaderHeight + p.CellHeight - 1 + 7 * p.CellHeight)};
  WM_InvalidateRect(hObj, &r);
}

// Brings the month to 1-12, carrying into the year.
void _NormaliseMonth(CALENDAR_DATE* d) {
  while (d->Month < 1) {
    d->Month += 12;
    d->Year--;
  }
  while (d->Month > 12) {
    d->Month -= 12;
    d->Year++;
  }
}

void _OnKey(WM_HWIN hObj, const GUI_KEY_MSG* pKey) {
  if (!pKey || pKey->PressedCnt <= 0 || !WM__IsEnabled(hObj)) {
    return;
  }
  CALENDAR_OBJ* pObj = _Obj(hObj);
  CALENDAR_DATE Old = pObj->Sel.Year ? pObj->Sel : pObj->Date;
  if (!_IsShown(pObj, Old)) {
    return;
  }
  CALENDAR_DATE d = Old;
  bool Step = true;
  switch (pKey->Key) {
  case GUI_KEY_LEFT: d.Day -= 1; break;
  case GUI_KEY_UP: d.Day -= 7; break;
  case GUI_KEY_RIGHT: d.Day += 1; break;
  case GUI_KEY_DOWN: d.Day += 7; break;
  case GUI_KEY_PGUP: d.Month -= 1; break;
  case GUI_KEY_PGDOWN: d.Month += 1; break;
  default: Step = false; // other keys are told to the parent but move nothing, not even a date without day
  }
  _NormaliseMonth(&d);
  int Len = CALENDAR__GetDaysOfMonth(d.Year, d.Month);
  if (Step && d.Day > Len) {
    d.Day -= Len;
    d.Month++;
    _NormaliseMonth(&d);
  } else if (Step && d.Day < 1) {
    d.Month--;
    _NormaliseMonth(&d);
    d.Day += CALENDAR__GetDaysOfMonth(d.Year, d.Month);
  }
  if (d.Year < YEAR_MIN || d.Year > YEAR_MAX) {
    return; // the first and the last month of the calendar are its ends
  }
  bool SameMonth = _IsShown(pObj, d);
  pObj->Sel = d;
  pObj->Show = {d.Year, d.Month, 1};
  CALENDAR__UpdateHeader(hObj);
  if (SameMonth) {
    _InvalidateDay(hObj, Old.Day);
    _InvalidateDay(hObj, d.Day);
  } else {
    _InvalidateGrid(hObj);
  }
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SEL_CHANGED);
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (!pState) {
    return;
  }
  if (!pState->Pressed) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_RELEASED);
    return;
  }
  CALENDAR_OBJ* pObj = _Obj(hObj);
  const CALENDAR_PROPS& p = pObj->Props;
  // The weekday-name row counts as the first week: the quotient truncates toward zero.
  int d = pState->x / p.CellWidth - CALENDAR__FirstColumn(pObj) + 1 +
          7 * ((pState->y - p.HeaderHeight - p.CellHeight) / p.CellHeight);
  if (pState->x >= 0 && d >= 1 && d <= CALENDAR__GetDaysOfMonth(pObj->Show.Year, pObj->Show.Month)) {
    CALENDAR_DATE New = {pObj->Show.Year, pObj->Show.Month, d};
    CALENDAR_DATE Old = pObj->Sel;
    if (New.Year != Old.Year || New.Month != Old.Month || New.Day != Old.Day) {
      pObj->Sel = New;
      if (_IsShown(pObj, Old)) {
        _InvalidateDay(hObj, Old.Day);
      }
      _InvalidateDay(hObj, d);
    }
    if (!WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SEL_CHANGED)) {
      return;
    }
  }
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
}

// An arrow button released: the month on display moves; the selection stays.
void _StepMonth(WM_HWIN hObj, int Step) {
  CALENDAR_OBJ* pObj = _Obj(hObj);
  CALENDAR_DATE d = {pObj->Show.Year, pObj->Show.Month + Step, 1};
  _NormaliseMonth(&d);
  if (d.Year < YEAR_MIN || d.Year > YEAR_MAX) {
    return;
  }
  pObj->Show = d;
  CALENDAR__UpdateHeader(hObj);
  WM_InvalidateWindow(hObj);
  WIDGET__NotifyParent(hObj, CALENDAR_NOTIFICATION_MONTH_CLICKED);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_NOTIFY_PARENT:
    if (pMsg->Data.v == WM_NOTIFICATION_RELEASED && pMsg->hWinSrc) {
      int Id = WM_GetId(pMsg->hWinSrc);
      if (Id == CALENDAR_ID_PREV || Id == CALENDAR_ID_NEXT) {
        _StepMonth(hObj, Id == CALENDAR_ID_PREV ? -1 : 1);
      }
    }
    return 1;
  }
  return 0;
}

// The header text tells the calendar's parent of presses and releases before it handles them itself.
void _cbHeader(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_POINTER && pMsg->Data.p) {
    const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
    WM_HWIN hCalendar = WM_GetParent(pMsg->hWin);
    // Deleting the calendar on the notification deletes the header, too.
    WM__WATCH Watch(pMsg->hWin);
    WIDGET__NotifyParent(hCalendar, pState->Pressed ? CALENDAR_NOTIFICATION_MONTH_PRESSED
                                                    : CALENDAR_NOTIFICATION_MONTH_RELEASED);
    if (!Watch.Alive()) {
      return;
    }
  }
  TEXT_Callback(pMsg);
}

} // namespace

const WIDGET_TYPE CALENDAR__Type = {.pName = "CALENDAR",
                                    .cb = CALENDAR_Callback,
                                    .ObjSize = sizeof(CALENDAR_OBJ),
                                    .TagOffset = offsetof(CALENDAR_OBJ, DebugId),
                                    .Tag = CALENDAR_ID,
                                    .InitialState = WIDGET_STATE_FOCUSABLE,
                                    .pDefaultProps = &CALENDAR__DefaultProps,
                                    .PropsOffset = offsetof(CALENDAR_OBJ, Props),
                                    .PropsSize = sizeof(CALENDAR_PROPS),
                                    .pfOnMessage = _OnMessage,
                                    .pfOnPaint = CALENDAR__Paint,
                                    .pfOnKey = _OnKey,
                                    .pfOnPointer = _OnPointer};

void CALENDAR_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&CALENDAR__Type, pMsg);
}

WM_HWIN CALENDAR_CreateUser(WM_HWIN hParent, int x0, int y0, unsigned Year, unsigned Month, unsigned Day,
                            unsigned FirstDayOfWeek, int Id, int Flags, int NumExtraBytes) {
  if (Month < 1 || Month > 12 || Year < (unsigned)YEAR_MIN || Year > (unsigned)YEAR_MAX) {
    return 0;
  }
  WM__LockGuard Lock;
  const CALENDAR_PROPS& p = CALENDAR__DefaultProps;
  int W = 7 * p.CellWidth, HH = p.HeaderHeight;
  // A dialog is shown once made, whatever flags it was given; it takes the focus below.
  WM_HWIN hObj = WIDGET__CreateUser(&CALENDAR__Type, x0, y0, W, HH + 7 * p.CellHeight, hParent,
                                    (U32)Flags | WM_CF_SHOW, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  CALENDAR_OBJ* pObj = _Obj(hObj);
  CALENDAR_DATE Date = {(I32)Year, (I32)Month, Day <= 31 ? (I32)Day : 0};
  if (!CALENDAR__IsValidDate(Date)) {
    Date.Day = 0; // a day the month does not have marks none
  }
  pObj->Date = pObj->Sel = Date;
  pObj->Show = {Date.Year, Date.Month, 1};
  pObj->FirstDayOfWeek = (I32)(FirstDayOfWeek % 7);
  if (pObj->Props.aColor[0] == WM_NO_COLOR || pObj->Props.aColor[1] == WM_NO_COLOR ||
      pObj->Props.aColor[6] == WM_NO_COLOR) {
    WM_SetHasTrans(hObj);
  }
  int Size = HH - 10, xNext = W - HH + 7;
  WM_HWIN hPrev = BUTTON_CreateEx(3, 5, Size, Size, hObj, WM_CF_SHOW, 0, CALENDAR_ID_PREV);
  WM_HWIN hNext = hPrev ? BUTTON_CreateEx(xNext, 5, Size, Size, hObj, WM_CF_SHOW, 0, CALENDAR_ID_NEXT) : 0;
  WM_HWIN hText = hNext ? TEXT_CreateEx(HH - 7, 5, xNext - (HH - 7), Size, hObj, WM_CF_SHOW, 0, CALENDAR_ID_HEADER,
                                        nullptr)
                        : 0;
  if (!hText) {
    return WIDGET__CreateFailed(&CALENDAR__Type, hObj);
  }
  for (WM_HWIN hButton : {hPrev, hNext}) {
    BUTTON_SetFocusable(hButton, 0);
    BUTTON_SetSkin(hButton, CALENDAR__DrawArrow);
  }
  WM_SetCallback(hText, _cbHeader);
  const CALENDAR_PROPS& q = _Obj(hObj)->Props;
  TEXT_SetTextAlign(hText, GUI_TA_HCENTER | GUI_TA_VCENTER);
  TEXT_SetFont(hText, q.apFont[1]);
  TEXT_SetTextColor(hText, q.aColor[7]);
  TEXT_SetBkColor(hText, q.aColor[6]);
  CALENDAR__UpdateHeader(hObj);
  WM_SetFocus(hObj);
  return WIDGET__FinishCreate(&CALENDAR__Type, hObj);
}

WM_HWIN CALENDAR_Create(WM_HWIN hParent, int x0, int y0, unsigned Year, unsigned Month, unsigned Day,
                        unsigned FirstDayOfWeek, int Id, int Flags) {
  return CALENDAR_CreateUser(hParent, x0, y0, Year, Month, Day, FirstDayOfWeek, Id, Flags, 0);
}

WM_HWIN CALENDAR_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  I32 v = pCreateInfo->Para;
  CALENDAR_DATE d = {v / 10000, v / 100 % 100, v % 100};
  if (v <= 0 || !CALENDAR__IsValidDate(d)) {
    d = {2000, 1, 0};
  }
  return CALENDAR_CreateUser(hParent, x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, (unsigned)d.Year,
                             (unsigned)d.Month, (unsigned)d.Day, 2, pCreateInfo->Id, WM_CF_SHOW,
                             (int)pCreateInfo->NumExtraBytes);
}

CALENDAR_OBJ* CALENDAR_LockH(WM_HWIN hObj) {
  return (CALENDAR_OBJ*)WIDGET__LockH(&CALENDAR__Type, hObj);
}

void CALENDAR__UpdateHeader(WM_HWIN hObj) {
  const CALENDAR_OBJ* pObj = _Obj(hObj);
  char ac[64];
  const char* pMonth = pObj->Props.papMonths ? pObj->Props.papMonths[pObj->Show.Month - 1] : nullptr;
  if (pObj->Show.Year) {
    snprintf(ac, sizeof(ac), "%s %d", pMonth ? pMonth : "", (int)pObj->Show.Year);
  } else {
    snprintf(ac, sizeof(ac), "%s", pMonth ? pMonth : "");
  }
  TEXT_SetText(WM_FindChildById(hObj, CALENDAR_ID_HEADER), ac);
}

int CALENDAR__FirstColumn(const CALENDAR_OBJ* pObj) {
  return (CALENDAR__GetWeekday(pObj->Show.Year, pObj->Show.Month, 1) + 7 - pObj->FirstDayOfWeek) % 7;
}

GUI_RECT CALENDAR__DayRect(const CALENDAR_OBJ* pObj, int Day) {
  const CALENDAR_PROPS& p = pObj->Props;
  int i = CALENDAR__FirstColumn(pObj) + Day - 1;
  int x = (i % 7) * p.CellWidth, y = p.HeaderHeight + p.CellHeight + (i / 7) * p.CellHeight;
  return {(I16)x, (I16)y, (I16)(x + p.CellWidth - 1), (I16)(y + p.CellHeight - 1)};
}
