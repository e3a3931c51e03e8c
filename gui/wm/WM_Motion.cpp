// Motion support: the motion contexts, the engine driven by pointer states and timer ticks, the handlers
// that move windows, and the operations that start movements.
#include "WM_Motion.h"

#include <cstdlib>

#include "WM_Intern.h"

namespace {

constexpr U32 AXES = WM_CF_MOTION_X | WM_CF_MOTION_Y;

enum : I32 { IDLE, PRESSED, DRAGGING, DECELERATING, TIMED };

struct SAMPLE {
  I32 x, y;
  U32 t;
};

// What a running movement's timer knows: the window (cleared when it is deleted) and its context.
struct TIMER_OBJ {
  WM_CRITICAL_HANDLE CH;
  GUI_HMEM hContext; // 0: the static context
  U8 InUse;
  TIMER_OBJ* pNextObj;
};

struct MOTION_CONTEXT;
typedef void HANDLER(WM_HWIN hWin, MOTION_CONTEXT* pC);
typedef SAMPLE SAMPLER(WM_HWIN hWin, const GUI_POINTER_STATE* pState);

struct MOTION_CONTEXT {
  SAMPLE Cur, Prev;
  WM_MOTION_INFO Info;
  TIMER_OBJ* pTimerObj;
  HANDLER* pfHandler;
  GUI_TIMER_HANDLE hTimer;
  I32 DirX, DirY;
  I32 State;
  U32 StartTime;
  I32 Vx, Vy; // pixels per second, kept positive (the sign is in Dir)
  I32 Ax, Ay; // pixels per second squared
  I32 DoneX, DoneY;
  I32 TargetX, TargetY;
  SAMPLER* pfSample;
};

I32 _DefaultPeriod = 500;
MOTION_CONTEXT _Static;
WM_CRITICAL_HANDLE _CHWin; // the window the pointer is moving
TIMER_OBJ* _pFirstObj;

// Everything here lives in the GUI heap or names windows: GUI_Exit ends it all.
void _OnExit(void) {
  _Static = MOTION_CONTEXT{};
  _CHWin.hWin = 0;
  _pFirstObj = nullptr;
}
GUI_REGISTER_EXIT _RegExit = {nullptr, _OnExit};

void _Register(void) {
  GUI__RegisterExit(&_RegExit);
  WM__AddCriticalHandle(&_CHWin);
}

//
// Contexts
//
GUI_HMEM _FindContext(const TIMER_OBJ* pObj, WM_HWIN hWin) {
  if (pObj) {
    return pObj->hContext;
  }
  if (!hWin || !WM__IsWindow(hWin)) {
    return 0;
  }
  WM_MOTION_INFO Info = {};
  Info.Cmd = WM_MOTION_GETCONTEXT;
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_MOTION;
  Msg.Data.p = &Info;
  WM__SendMessage(hWin, &Msg);
  return Info.hContext;
}

void _Load(GUI_HMEM h, MOTION_CONTEXT* pC) {
  if (h && GUI_ALLOC_GetSize(h) >= (I32)sizeof(MOTION_CONTEXT)) {
    *pC = *(const MOTION_CONTEXT*)GUI_ALLOC_h2p(h);
    pC->Info.hContext = h;
  } else {
    *pC = _Static;
    pC->Info.hContext = 0;
  }
}

void _Save(GUI_HMEM h, const MOTION_CONTEXT* pC) {
  if (!h) {
    _Static = *pC;
  } else if (GUI_ALLOC_GetSize(h) >= (I32)sizeof(MOTION_CONTEXT)) {
    *(MOTION_CONTEXT*)GUI_ALLOC_h2p(h) = *pC;
  }
}

//
// Handlers and samples
//
void _Send(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  if (!WM__IsWindow(hWin)) {
    return;
  }
  pC->Info.Da = pC->Info.dx;
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_MOTION;
  Msg.Data.p = &pC->Info;
  WM__SendMessage(hWin, &Msg);
}

// A step d along one axis limited so that a window larger than its parent keeps covering it and a smaller
// one stays inside it.
I32 _Limit(I32 d, int w0, int w1, int p0, int p1) {
  int lo, hi;
  if (w1 - w0 > p1 - p0) {
    lo = p1 - w1;
    hi = p0 - w0;
  } else {
    lo = p0 - w0;
    hi = p1 - w1;
  }
  return d < lo ? lo : d > hi ? hi : d;
}

void _HandlerMove(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  if (!WM__IsWindow(hWin)) {
    return;
  }
  WM_MOTION_INFO* pInfo = &pC->Info;
  const WM_OBJ* pWin = WM_H2P(hWin);
  GUI_RECT rParent = {0, 0, 0, 0};
  if (pWin->hParent) {
    rParent = WM_H2P(pWin->hParent)->Rect;
  }
  if (pInfo->Cmd == WM_MOTION_MOVE) {
    if (pWin->hParent) {
      pInfo->dx = _Limit(pInfo->dx, pWin->Rect.x0, pWin->Rect.x1, rParent.x0, rParent.x1);
      pInfo->dy = _Limit(pInfo->dy, pWin->Rect.y0, pWin->Rect.y1, rParent.y0, rParent.y1);
    }
    WM_MoveWindow(hWin, pInfo->dx, pInfo->dy);
  } else if (pInfo->Cmd == WM_MOTION_GETPOS) {
    pInfo->xPos = pWin->Rect.x0 - rParent.x0;
    pInfo->yPos = pWin->Rect.y0 - rParent.y0;
  }
  _Send(hWin, pC);
}

void _HandlerSend(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  _Send(hWin, pC);
}

SAMPLE _SampleXY(WM_HWIN, const GUI_POINTER_STATE* pState) {
  return SAMPLE{pState->x, pState->y, (U32)GUI_GetTime()};
}

// The angle of the pointer around the window's centre in tenths of a degree, counted clockwise.
SAMPLE _SampleAngle(WM_HWIN hWin, const GUI_POINTER_STATE* pState) {
  const GUI_RECT& r = WM_H2P(hWin)->Rect;
  int xc = r.x1 - (r.x1 - r.x0) / 2, yc = r.y1 - (r.y1 - r.y0) / 2;
  I32 Angle = GUI__Atan2((pState->x - xc) * 64, (pState->y - yc) * 64);
  I32 Tenths = (I32)(((I64)Angle * 10) >> 16);
  Tenths = (3600 - Tenths) % 3600;
  if (Tenths < 0) {
    Tenths += 3600;
  }
  return SAMPLE{Tenths, 0, (U32)GUI_GetTime()};
}

// The difference of two angles the short way round when it crosses 0.
I32 _AngleStep(I32 From, I32 To) {
  I32 d = To - From;
  if (To < 900 && From >= 1801) {
    d += 3600;
  } else if (From < 900 && To >= 1801) {
    d -= 3600;
  }
  return d;
}

int _IsRotation(const MOTION_CONTEXT* pC) {
  return pC->pfSample == _SampleAngle;
}

// Step from the previous to the current sample.
void _SampleStep(const MOTION_CONTEXT* pC, I32* pdx, I32* pdy) {
  *pdx = _IsRotation(pC) ? _AngleStep(pC->Prev.x, pC->Cur.x) : pC->Cur.x - pC->Prev.x;
  *pdy = pC->Cur.y - pC->Prev.y;
}

int _Init(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  GUI_HMEM h = pC->Info.hContext;
  pC->Info = WM_MOTION_INFO{};
  pC->Info.hContext = h;
  pC->Info.Period = _DefaultPeriod;
  pC->Info.Cmd = WM_MOTION_INIT;
  pC->pfHandler = nullptr;
  pC->pfSample = _SampleXY;
  _Send(hWin, pC);
  if (!WM__IsWindow(hWin)) {
    return 0;
  }
  U32 Status = WM_H2P(hWin)->Status;
  pC->Info.Flags |= Status & AXES;
  if (!(pC->Info.Flags & AXES)) {
    if (!((pC->Info.Flags | Status) & WM_CF_MOTION_R)) {
      return 0;
    }
    pC->pfHandler = _HandlerSend;
    pC->pfSample = _SampleAngle;
    return 1;
  }
  pC->pfHandler = (pC->Info.Flags & WM_MOTION_MANAGE_BY_WINDOW) ? _HandlerSend : _HandlerMove;
  return 1;
}

void _Deliver(WM_HWIN hWin, MOTION_CONTEXT* pC, I32 dx, I32 dy, const GUI_POINTER_STATE* pState, int IsFinal) {
  WM_MOTION_INFO* pInfo = &pC->Info;
  U32 Axes = pInfo->Flags & AXES;
  if (Axes == WM_CF_MOTION_X) {
    dy = 0;
  } else if (Axes == WM_CF_MOTION_Y) {
    dx = 0;
  }
  pInfo->pState = pState;
  pInfo->Cmd = WM_MOTION_MOVE;
  pInfo->dx = dx;
  pInfo->dy = dy;
  pInfo->IsFinal = IsFinal;
  if (!pC->pfHandler) {
    GUI_Warn("WM_Motion:\nNo motion handler in _ProcessMotion()!");
    return;
  }
  pC->pfHandler(hWin, pC);
  pInfo->IsFinal = 0;
  pInfo->pState = nullptr;
}

void _GetPos(WM_HWIN hWin, MOTION_CONTEXT* pC, I32* px, I32* py) {
  pC->Info.Cmd = WM_MOTION_GETPOS;
  pC->Info.xPos = pC->Info.yPos = 0;
  if (!pC->pfHandler) {
    GUI_Warn("WM_Motion:\nNo motion handler in _GetPos()!");
  } else {
    pC->pfHandler(hWin, pC);
  }
  *px = pC->Info.xPos;
  *py = pC->Info.yPos;
}

//
// Timer
//
void _Exec(TIMER_OBJ* pObj, const GUI_POINTER_STATE* pState);

void _cbTimer(GUI_TIMER_MSG* pMsg) {
  TIMER_OBJ* pObj = (TIMER_OBJ*)pMsg->Context;
  if (!pObj || !pObj->InUse) {
    GUI_TIMER_Delete(pMsg->hTimer);
    return;
  }
  _Exec(pObj, nullptr);
}

TIMER_OBJ* _GetTimerObj(void) {
  for (TIMER_OBJ* p = _pFirstObj; p; p = p->pNextObj) {
    if (!p->InUse) {
      return p;
    }
  }
  TIMER_OBJ* p = (TIMER_OBJ*)GUI_ALLOC_GetFixedBlock(sizeof(TIMER_OBJ));
  if (p) {
    *p = TIMER_OBJ{};
    p->pNextObj = _pFirstObj;
    _pFirstObj = p;
  }
  return p;
}

void _StartTimer(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  if (pC->hTimer || !(pC->Info.Flags & AXES)) {
    return;
  }
  TIMER_OBJ* pObj = _GetTimerObj();
  if (pObj) {
    pObj->InUse = 1;
    pObj->CH.hWin = hWin;
    pObj->hContext = pC->Info.hContext;
    WM__AddCriticalHandle(&pObj->CH);
    pC->hTimer = GUI_TIMER_Create(_cbTimer, GUI_GetTime(), (PTR_ADDR)pObj, 0);
  }
  if (!pC->hTimer) {
    if (pObj) {
      pObj->InUse = 0;
      pObj->CH.hWin = 0;
    }
    pC->State = IDLE;
    return;
  }
  pC->pTimerObj = pObj;
}

void _StopTimer(MOTION_CONTEXT* pC) {
  GUI_TIMER_Delete(pC->hTimer);
  pC->hTimer = 0;
  if (pC->pTimerObj) {
    pC->pTimerObj->InUse = 0;
    pC->pTimerObj->CH.hWin = 0;
    pC->pTimerObj = nullptr;
  }
}

void _Rearm(MOTION_CONTEXT* pC) {
  if (pC->hTimer) {
    GUI_TIMER_Restart(pC->hTimer); // no period: due at once, so one step per execution step
  }
}

//
// Snapping
//
int _SnapsX(const MOTION_CONTEXT* pC) {
  return (pC->Info.Flags & WM_CF_MOTION_X) && pC->Info.SnapX > 0;
}

int _SnapsY(const MOTION_CONTEXT* pC) {
  return (pC->Info.Flags & WM_CF_MOTION_Y) && pC->Info.SnapY > 0;
}

void _SnapFling(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  if (!_SnapsX(pC) && !_SnapsY(pC)) {
    return;
  }
  I32 x, y;
  _GetPos(hWin, pC, &x, &y);
  if (_SnapsX(pC)) {
    WM_MOTION__SnapFling(&pC->Vx, &pC->Ax, pC->DirX, x, pC->Info.SnapX, pC->Info.Period);
  }
  if (_SnapsY(pC)) {
    WM_MOTION__SnapFling(&pC->Vy, &pC->Ay, pC->DirY, y, pC->Info.SnapY, pC->Info.Period);
  }
}

void _SnapRelease(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  if (!_SnapsX(pC) && !_SnapsY(pC)) {
    pC->State = IDLE;
    _StopTimer(pC);
    return;
  }
  I32 x, y;
  _GetPos(hWin, pC, &x, &y);
  pC->Vx = pC->Vy = pC->Ax = pC->Ay = 0;
  if (_SnapsX(pC)) {
    WM_MOTION__SnapRelease(&pC->Vx, &pC->Ax, &pC->DirX, x, pC->Info.SnapX, pC->Info.Period);
  }
  if (_SnapsY(pC)) {
    WM_MOTION__SnapRelease(&pC->Vy, &pC->Ay, &pC->DirY, y, pC->Info.SnapY, pC->Info.Period);
  }
  pC->State = DECELERATING;
  pC->StartTime = (U32)GUI_GetTime();
  pC->DoneX = pC->DoneY = 0;
  _StartTimer(hWin, pC);
}

void _FinalCorrection(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  if (!_SnapsX(pC) && !_SnapsY(pC)) {
    return;
  }
  I32 x, y;
  _GetPos(hWin, pC, &x, &y);
  I32 rx = _SnapsX(pC) ? WM_MOTION__FinalCorrection(x, pC->Info.SnapX, pC->DirX) : 0;
  I32 ry = _SnapsY(pC) ? WM_MOTION__FinalCorrection(y, pC->Info.SnapY, pC->DirY) : 0;
  _Deliver(hWin, pC, rx, ry, nullptr, 1);
}

//
// Engine
//
void _Decelerate(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  I32 t = (I32)((U32)GUI_GetTime() - pC->StartTime);
  if (t <= 0) {
    _Rearm(pC);
    return;
  }
  I32 px = WM_MOTION__DecelPos(pC->Vx, pC->Ax, t), py = WM_MOTION__DecelPos(pC->Vy, pC->Ay, t);
  I32 sx = px - pC->DoneX, sy = py - pC->DoneY;
  int fx = (pC->Info.Flags & WM_CF_MOTION_X) != 0, fy = (pC->Info.Flags & WM_CF_MOTION_Y) != 0;
  if ((fx && sx < 0) || (fy && sy < 0)) {
    // Past the top of the curve: the movement came to rest.
    _StopTimer(pC);
    pC->State = IDLE;
    _FinalCorrection(hWin, pC);
    return;
  }
  if ((fx && sx > 0) || (fy && sy > 0)) {
    pC->DoneX = px;
    pC->DoneY = py;
    _Deliver(hWin, pC, pC->DirX * sx, pC->DirY * sy, nullptr, 0);
  }
  _Rearm(pC);
}

void _MoveTimed(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  I32 t = (I32)((U32)GUI_GetTime() - pC->StartTime);
  if (t < 0) {
    t = 0;
  }
  I32 px = (I32)((I64)pC->Vx * t / 1000), py = (I32)((I64)pC->Vy * t / 1000);
  int fx = (pC->Info.Flags & WM_CF_MOTION_X) != 0, fy = (pC->Info.Flags & WM_CF_MOTION_Y) != 0;
  // Without a speed the target would never be reached: it is reached at once.
  int DoneX = !fx || px >= pC->TargetX || pC->Vx <= 0;
  int DoneY = !fy || py >= pC->TargetY || pC->Vy <= 0;
  if (DoneX && DoneY) {
    I32 dx = (pC->TargetX - pC->DoneX) * pC->DirX, dy = (pC->TargetY - pC->DoneY) * pC->DirY;
    pC->DoneX = pC->TargetX;
    pC->DoneY = pC->TargetY;
    _StopTimer(pC);
    pC->State = IDLE;
    _Deliver(hWin, pC, dx, dy, nullptr, 1);
    return;
  }
  I32 sx = px - pC->DoneX, sy = py - pC->DoneY;
  pC->DoneX = px;
  pC->DoneY = py;
  _Deliver(hWin, pC, pC->DirX * sx, pC->DirY * sy, nullptr, 0);
  _Rearm(pC);
}

void _Step(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  if (pC->State == DECELERATING) {
    _Decelerate(hWin, pC);
  } else if (pC->State == TIMED) {
    _MoveTimed(hWin, pC);
  }
}

// The window a press at (x, y) moves: the nearest of the window there and its ancestors that is movable,
// else the window there.
WM_HWIN _ChooseWindow(int x, int y) {
  WM_HWIN hHit = WM_GetWindowAt(x, y);
  for (WM_HWIN h = hHit; h; h = WM_H2P(h)->hParent) {
    if (WM_H2P(h)->Status & AXES) {
      return h;
    }
  }
  return hHit;
}

void _Release(WM_HWIN hWin, MOTION_CONTEXT* pC) {
  _CHWin.hWin = 0;
  U32 Now = (U32)GUI_GetTime();
  I32 dx, dy;
  _SampleStep(pC, &dx, &dy);
  if ((I32)(Now - pC->Cur.t) > 100 || (std::abs(dx) < 5 && std::abs(dy) < 5)) {
    pC->Prev = pC->Cur; // no speed
  }
  _SampleStep(pC, &dx, &dy);
  I32 dt = (I32)(pC->Cur.t - pC->Prev.t);
  I64 Vx = dt ? (I64)dx * 1000 / dt : 0, Vy = dt ? (I64)dy * 1000 / dt : 0;
  if (_IsRotation(pC)) {
    Vy = 0;
  }
  if ((std::llabs(Vx) > 5 || std::llabs(Vy) > 5) && (pC->Info.Flags & AXES)) {
    pC->State = DECELERATING;
    pC->DirX = Vx < 0 ? -1 : 1;
    pC->DirY = Vy < 0 ? -1 : 1;
    pC->Vx = (I32)std::min<I64>(std::llabs(Vx), INT32_MAX);
    pC->Vy = (I32)std::min<I64>(std::llabs(Vy), INT32_MAX);
    pC->StartTime = Now;
    pC->DoneX = pC->DoneY = 0;
    if (pC->Info.Period) {
      pC->Ax = (I32)((I64)pC->Vx * 1000 / pC->Info.Period);
      pC->Ay = (I32)((I64)pC->Vy * 1000 / pC->Info.Period);
      _SnapFling(hWin, pC);
      _StartTimer(hWin, pC);
      return;
    }
  }
  _SnapRelease(hWin, pC);
}

// Handles a pointer state; may switch to another window (and context) on a press. Returns the context
// handle the working copy belongs to.
GUI_HMEM _OnPointer(WM_HWIN hWin, GUI_HMEM h, MOTION_CONTEXT* pC, const GUI_POINTER_STATE* pState) {
  switch (pC->State) {
  case IDLE: {
    if (pState->Pressed != 1) {
      return h;
    }
    WM_HWIN hNew = _ChooseWindow(pState->x, pState->y);
    if (!hNew) {
      return h;
    }
    _Save(h, pC);
    _CHWin.hWin = hNew;
    h = _FindContext(nullptr, hNew);
    _Load(h, pC);
    if (pC->State == DECELERATING || pC->State == TIMED) {
      _StopTimer(pC);
    }
    pC->State = IDLE;
    if (_Init(hNew, pC)) {
      pC->State = PRESSED;
      pC->Cur = pC->Prev = pC->pfSample(hNew, pState);
    } else {
      _CHWin.hWin = 0;
    }
    return h;
  }
  case PRESSED: {
    if (!pState->Pressed) {
      _CHWin.hWin = 0;
      pC->State = IDLE;
      return h;
    }
    if (!hWin) {
      return h;
    }
    SAMPLE s = pC->pfSample(hWin, pState);
    if (!(pC->Info.Flags & AXES)) {
      I32 dx = _IsRotation(pC) ? _AngleStep(pC->Cur.x, s.x) : s.x - pC->Cur.x, dy = s.y - pC->Cur.y;
      if (std::abs(dx) > std::abs(dy) && std::abs(dx) > 4) {
        pC->Info.Flags |= WM_CF_MOTION_X;
      } else if (std::abs(dy) >= std::abs(dx) && std::abs(dy) > 4) {
        pC->Info.Flags |= WM_CF_MOTION_Y;
      } else {
        return h;
      }
    }
    pC->Prev = pC->Cur;
    pC->Cur = s;
    I32 dx, dy;
    _SampleStep(pC, &dx, &dy);
    pC->State = DRAGGING;
    _Deliver(hWin, pC, dx, dy, pState, 0);
    return h;
  }
  case DRAGGING:
    if (!hWin) {
      pC->State = IDLE;
      return h;
    }
    if (pState->Pressed) {
      SAMPLE s = pC->pfSample(hWin, pState);
      if ((I32)(s.t - pC->Cur.t) >= 10) {
        pC->Prev = pC->Cur;
        pC->Cur = s;
        I32 dx, dy;
        _SampleStep(pC, &dx, &dy);
        _Deliver(hWin, pC, dx, dy, pState, 0);
      }
    } else {
      _Release(hWin, pC);
    }
    return h;
  default: {
    WM_HWIN hMoving = pC->pTimerObj ? pC->pTimerObj->CH.hWin : hWin;
    if (pState->Pressed == 1 && hMoving && _ChooseWindow(pState->x, pState->y) == hMoving) {
      _StopTimer(pC);
      pC->State = DRAGGING;
      pC->Cur = pC->Prev = pC->pfSample(hMoving, pState);
      _CHWin.hWin = hMoving;
      return h;
    }
    _Step(hMoving, pC);
    return h;
  }
  }
}

void _Exec(TIMER_OBJ* pObj, const GUI_POINTER_STATE* pState) {
  WM_HWIN hWin = pObj ? pObj->CH.hWin : _CHWin.hWin;
  GUI_HMEM h = _FindContext(pObj, hWin);
  MOTION_CONTEXT C;
  _Load(h, &C);
  if (pObj && !hWin) {
    // The window went away during its movement.
    _StopTimer(&C);
    C.State = IDLE;
  } else if (pState) {
    h = _OnPointer(hWin, h, &C, pState);
  } else {
    _Step(hWin, &C);
  }
  _Save(h, &C);
}

void _cbPointer(GUI_POINTER_STATE* pState, int) {
  _Exec(nullptr, pState);
}

// The movements the operations start, on hWin along Axis.
enum { CMD_SPEED = 1, CMD_DECEL = 2, CMD_MOVE = 3 };

void _Command(WM_HWIN hWin, int Cmd, int Axis, I32 a, I32 b, I32 c) {
  WM__LockGuard Lock;
  _Register();
  if (!hWin || !WM__IsWindow(hWin) || (Axis != 0 && Axis != 1)) {
    return;
  }
  WM_MOTION_SetMoveable(hWin, Axis ? WM_CF_MOTION_Y : WM_CF_MOTION_X, 1);
  GUI_HMEM h = _FindContext(nullptr, hWin);
  MOTION_CONTEXT C;
  _Load(h, &C);
  if (C.pTimerObj && C.pTimerObj->CH.hWin != hWin) {
    // The static context was moving another window: that movement ends here.
    _StopTimer(&C);
    C.State = IDLE;
  }
  if (!h) {
    _CHWin.hWin = hWin;
  }
  I32* pV = Axis ? &C.Vy : &C.Vx;
  I32* pA = Axis ? &C.Ay : &C.Ax;
  switch (Cmd) {
  case CMD_SPEED:
    C.Vx = C.Vy = C.Ax = C.Ay = 0;
    *pV = a;
    *pA = b > 0 ? b : 0;
    if (a == 0 || !_Init(hWin, &C)) {
      break;
    }
    C.DirX = C.Vx < 0 ? -1 : 1;
    C.DirY = C.Vy < 0 ? -1 : 1;
    C.Vx = std::abs(C.Vx);
    C.Vy = std::abs(C.Vy);
    C.DoneX = C.DoneY = 0;
    C.StartTime = (U32)GUI_GetTime();
    if (*pA) {
      C.Info.Period = (I32)((I64)*pV * 1000 / *pA);
    }
    C.State = DECELERATING;
    _SnapFling(hWin, &C);
    _StartTimer(hWin, &C);
    break;
  case CMD_DECEL:
    if (*pV < 1) {
      break;
    }
    C.Ax = C.Ay = 0;
    *pA = b > 0 ? b : 0;
    if (!*pA) {
      break;
    }
    C.DoneX = C.DoneY = 0;
    C.StartTime = (U32)GUI_GetTime();
    C.Info.Period = (I32)((I64)*pV * 1000 / *pA);
    C.State = DECELERATING;
    _SnapFling(hWin, &C);
    _StartTimer(hWin, &C);
    break;
  case CMD_MOVE:
    C.Vx = C.Vy = C.Ax = C.Ay = 0;
    if (!_Init(hWin, &C)) {
      break;
    }
    C.DirX = C.DirY = ((a < 0) != (c < 0)) ? -1 : 1;
    *pV = std::abs(a);
    C.TargetX = C.TargetY = 0;
    (Axis ? C.TargetY : C.TargetX) = std::abs(c);
    C.DoneX = C.DoneY = 0;
    C.StartTime = (U32)GUI_GetTime();
    C.State = TIMED;
    _StartTimer(hWin, &C);
    break;
  }
  _Save(h, &C);
}

} // namespace

void WM_MOTION_Enable(int OnOff) {
  WM__LockGuard Lock;
  _Register();
  WM__pfPointerPreHook = OnOff ? _cbPointer : nullptr;
}

void WM_MOTION_SetMoveable(WM_HWIN hWin, U32 Flags, int OnOff) {
  WM__LockGuard Lock;
  Flags &= AXES;
  if (!hWin || !Flags || !WM__IsWindow(hWin)) {
    return;
  }
  WM_OBJ* pWin = WM_H2P(hWin);
  pWin->Status = OnOff ? (pWin->Status | Flags) : (pWin->Status & ~Flags);
}

void WM_MOTION_SetMotion(WM_HWIN hWin, int Axis, I32 Velocity, I32 Dist) {
  _Command(hWin, CMD_MOVE, Axis, Velocity, 0, Dist);
}

void WM_MOTION_SetSpeedDecel(WM_HWIN hWin, int Axis, I32 Velocity, I32 Deceleration) {
  _Command(hWin, CMD_SPEED, Axis, Velocity, Deceleration, 0);
}

void WM_MOTION_SetSpeed(WM_HWIN hWin, int Axis, I32 Velocity) {
  _Command(hWin, CMD_SPEED, Axis, Velocity, 0, 0);
}

void WM_MOTION_SetDeceleration(WM_HWIN hWin, int Axis, I32 Deceleration) {
  _Command(hWin, CMD_DECEL, Axis, 0, Deceleration, 0);
}

I32 WM_MOTION_SetDefaultPeriod(I32 Period) {
  WM__LockGuard Lock;
  I32 Old = _DefaultPeriod;
  _DefaultPeriod = Period;
  return Old;
}

GUI_HMEM WM_MOTION__CreateContext(void) {
  WM__LockGuard Lock;
  _Register();
  return GUI_ALLOC_AllocZero(sizeof(MOTION_CONTEXT));
}

void WM_MOTION__DeleteContext(GUI_HMEM hContext) {
  WM__LockGuard Lock;
  if (!hContext) {
    return;
  }
  const MOTION_CONTEXT* pC = (const MOTION_CONTEXT*)GUI_ALLOC_h2p(hContext);
  if (pC->pTimerObj) {
    pC->pTimerObj->InUse = 0; // its timer deletes itself at its next tick
    pC->pTimerObj->CH.hWin = 0;
  }
  GUI_ALLOC_Free(hContext);
}
