// Window timers over the GUI core's software timers.
#include "WM_Timer.h"

#include "WM_Intern.h"

namespace {

struct TIMER_OBJ {
  GUI_TIMER_HANDLE hTimer;
  WM_HWIN hWin;
  I32 UserId;
};

TIMER_OBJ* _Obj(WM_HTIMER hTimer) {
  return (TIMER_OBJ*)GUI_ALLOC_h2p(hTimer);
}

void _cbTimer(GUI_TIMER_MSG* pMsg) {
  if (!pMsg->Context) {
    return;
  }
  WM_HTIMER hTimer = (WM_HTIMER)pMsg->Context;
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_TIMER;
  Msg.Data.v = (intptr_t)hTimer;
  WM_SendMessage(_Obj(hTimer)->hWin, &Msg);
}

} // namespace

WM_HTIMER WM_CreateTimer(WM_HWIN hWin, int UserId, int Period, int Mode) {
  WM__LockGuard Lock;
  WM__pfDeleteWindowTimers = WM__DeleteWindowTimers;
  WM_HTIMER hObj = GUI_ALLOC_AllocZero(sizeof(TIMER_OBJ));
  if (!hObj) {
    return 0;
  }
  GUI_TIMER_HANDLE hTimer = GUI_TIMER_Create(_cbTimer, GUI_GetTime() + Period, (PTR_ADDR)hObj,
                                             GUI_TIMER_CF_WINDOW);
  if (!hTimer) {
    GUI_ALLOC_Free(hObj);
    return 0;
  }
  TIMER_OBJ* p = _Obj(hObj);
  p->hTimer = hTimer;
  p->hWin = hWin;
  p->UserId = UserId;
  GUI_TIMER_SetPeriod(hTimer, Period);
  return hObj;
}

void WM_DeleteTimer(WM_HTIMER hTimer) {
  WM__LockGuard Lock;
  if (!hTimer) {
    return;
  }
  GUI_TIMER_Delete(_Obj(hTimer)->hTimer);
  GUI_ALLOC_Free(hTimer);
}

void WM_RestartTimer(WM_HTIMER hTimer, int Period) {
  WM__LockGuard Lock;
  if (!hTimer) {
    return;
  }
  GUI_TIMER_HANDLE h = _Obj(hTimer)->hTimer;
  if (Period) {
    GUI_TIMER_SetPeriod(h, Period);
  }
  GUI_TIMER_Restart(h);
}

int WM_GetTimerId(WM_HTIMER hTimer) {
  WM__LockGuard Lock;
  return hTimer ? _Obj(hTimer)->UserId : 0;
}

void WM__DeleteWindowTimers(WM_HWIN hWin) {
  WM__LockGuard Lock;
  PTR_ADDR Context = 0;
  GUI_TIMER_HANDLE h = GUI_TIMER_GetFirst(&Context);
  while (h) {
    PTR_ADDR NextContext = 0;
    GUI_TIMER_HANDLE hNext = GUI_TIMER_GetNext(h, &NextContext);
    if (GUI_TIMER_GetFlag(h, GUI_TIMER_CF_WINDOW) && Context && _Obj((WM_HTIMER)Context)->hWin == hWin) {
      WM_DeleteTimer((WM_HTIMER)Context);
    }
    h = hNext;
    Context = NextContext;
  }
}
