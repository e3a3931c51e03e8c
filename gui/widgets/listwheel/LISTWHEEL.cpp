// LISTWHEEL: creation, typed locking, and the motion: dragging with the pointer, the free run after a
// flick with constant deceleration, snapping an item's top onto the snap line, and animated moves to an
// item, all stepped by a window timer under the GUI time.
#include "LISTWHEEL.h"
#include "WM_Timer.h"

namespace {

constexpr int SNAP_STEP = 3;
constexpr U32 FLICK_TIMEOUT_MS = 100;

int _Abs(int v) {
  return v < 0 ? -v : v;
}

// Pos brought into 0 .. TotalHeight - 1 (taken wide: a snap line anywhere is added to it).
int _Wrap(WM_HWIN hObj, I64 Pos) {
  int T = LISTWHEEL__Obj(hObj)->TotalHeight;
  if (T <= 0) {
    return WM__ClampInt(Pos);
  }
  Pos %= T;
  return (int)(Pos < 0 ? Pos + T : Pos);
}

void _StartTimer(WM_HWIN hObj) {
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  if (pObj->hTimer) {
    WM_RestartTimer(pObj->hTimer, pObj->Period);
    return;
  }
  GUI_HMEM hTimer = WM_CreateTimer(hObj, 0, pObj->Period, 0);
  LISTWHEEL__Obj(hObj)->hTimer = hTimer;
}

void _StopTimer(WM_HWIN hObj) {
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  GUI_HMEM hTimer = pObj->hTimer;
  pObj->hTimer = 0;
  if (hTimer) {
    WM_DeleteTimer(hTimer);
  }
}

void _StopMotion(WM_HWIN hObj) {
  _StopTimer(hObj);
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  pObj->Velocity = 0;
  pObj->Dest = -1;
}

void _SetPos(WM_HWIN hObj, int Pos) {
  Pos = _Wrap(hObj, Pos);
  if (WIDGET__Store(&LISTWHEEL__Obj(hObj)->Pos, Pos)) {
    WM_InvalidateWindow(hObj);
  }
}

// Resting position of an item: its top on the snap line.
int _RestingPos(WM_HWIN hObj, int Index) {
  int Sum = 0;
  for (int i = 0; i < Index; i++) {
    Sum += LISTWHEEL__ItemHeight(hObj, i);
  }
  const LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  return _Wrap(hObj, (I64)pObj->TotalHeight - Sum + pObj->SnapPos);
}

void _DragStep(WM_HWIN hObj, int y) {
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  if (pObj->Dest >= 0) {
    return;
  }
  U32 Now = (U32)GUI_GetTime();
  int dy = y - pObj->yLast;
  int Velocity = 0;
  if (pObj->tLast > 0 && dy) {
    int dt = (int)(Now - pObj->tLast) + 1;
    Velocity = dt > 9 && _Abs(dy) > 2 ? dy * 100 / dt : 0;
  }
  pObj->tLast = Now;
  pObj->yLast = y;
  pObj->Velocity = Velocity;
  _SetPos(hObj, pObj->Pos + dy);
}

// The drag ends: a flick runs free, a slow release snaps to the nearer item edge.
void _ReleaseStep(WM_HWIN hObj, int Code) {
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  if (pObj->Dest >= 0) {
    return;
  }
  U32 Now = (U32)GUI_GetTime();
  if (Now - pObj->tLast > FLICK_TIMEOUT_MS) {
    pObj->Velocity = 0;
  }
  bool Rests = false;
  if (!pObj->Velocity) {
    int Offset = 0, h = 0;
    if (LISTWHEEL__ItemAt(hObj, pObj->SnapPos, &Offset, &h) < 0 || !Offset) {
      Rests = true;
    } else {
      LISTWHEEL__Obj(hObj)->Velocity = Offset <= h / 2 ? 1 : -1;
      _StartTimer(hObj);
    }
  } else if (!pObj->hTimer) {
    _StartTimer(hObj);
  }
  pObj = LISTWHEEL__Obj(hObj);
  pObj->tLast = 0;
  pObj->tRelease = Now;
  pObj->PosRelease = pObj->Pos;
  pObj->sLast = 0;
  pObj->yLast = 0;
  if (WIDGET__NotifyParent(hObj, Code) && Rests) {
    WIDGET__NotifyParent(hObj, LISTWHEEL_NOTIFICATION_SEL_CHANGED);
  }
}

// One snap step towards the nearer item edge in the direction of travel; true when the wheel rests.
bool _SnapStep(WM_HWIN hObj) {
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  int Dir = pObj->Velocity > 0 ? 1 : -1;
  pObj->Velocity = Dir; // from now on the wheel only snaps
  int Offset = 0, h = 0;
  if (LISTWHEEL__ItemAt(hObj, pObj->SnapPos, &Offset, &h) < 0) {
    return true;
  }
  int Dist = Dir < 0 && Offset ? h - Offset : Offset;
  if (!Dist) {
    return true;
  }
  int Step = Dist <= 2 ? Dist : SNAP_STEP;
  _SetPos(hObj, LISTWHEEL__Obj(hObj)->Pos + Dir * Step);
  return Dist <= 2;
}

void _OnTimerFree(WM_HWIN hObj) {
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  // In 64 bits: a large velocity or a long run must not overflow the distance.
  long long t = (U32)GUI_GetTime() - pObj->tRelease;
  long long V = pObj->Velocity, Decel = pObj->Props.Deceleration > 0 ? pObj->Props.Deceleration : 15;
  if (t < (V < 0 ? -V : V) * 100 / Decel) {
    long long Sign = V > 0 ? 1 : -1;
    long long s = (t * V - (Sign * t * t * Decel) / 200) / 100;
    long long Step = s - pObj->sLast;
    if (Step >= SNAP_STEP || Step <= -SNAP_STEP || !s) { // still running fast enough: no snap yet
      pObj->sLast = s;
      long long T = pObj->TotalHeight > 0 ? pObj->TotalHeight : 1;
      _SetPos(hObj, (int)(((pObj->PosRelease + s) % T + T) % T));
      _StartTimer(hObj);
      return;
    }
  }
  if (_SnapStep(hObj)) {
    _StopTimer(hObj);
    LISTWHEEL__Obj(hObj)->Velocity = 0;
    WIDGET__NotifyParent(hObj, LISTWHEEL_NOTIFICATION_SEL_CHANGED);
  } else {
    _StartTimer(hObj);
  }
}

void _OnTimerMove(WM_HWIN hObj) {
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  int T = pObj->TotalHeight;
  if (pObj->Pos == pObj->Dest || T <= 0) {
    _StopMotion(hObj);
    return;
  }
  if (!pObj->Velocity) { // first step: the shorter way around the wheel
    int d = pObj->Dest - pObj->Pos;
    int Dir = d > 0 ? 1 : -1;
    if (_Abs(d) > T / 2) {
      Dir = -Dir;
    }
    pObj->Velocity = Dir;
  } else {
    int Dir = pObj->Velocity > 0 ? 1 : -1;
    _SetPos(hObj, pObj->Pos + pObj->Velocity);
    pObj = LISTWHEEL__Obj(hObj);
    int Rest = _Wrap(hObj, Dir > 0 ? pObj->Dest - pObj->Pos : pObj->Pos - pObj->Dest);
    int Max = T / 64 > 5 ? T / 64 : 5;
    int Speed = _Abs(pObj->Velocity) + 1;
    Speed = Speed > Max ? Max : Speed;
    Speed = Speed > Rest ? Rest : Speed;
    if (!Speed) { // arrived
      _StopMotion(hObj);
      return;
    }
    pObj->Velocity = Dir * Speed;
  }
  LISTWHEEL__Obj(hObj)->tLast = (U32)GUI_GetTime();
  _StartTimer(hObj);
}

void _OnPointerMsg(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  if ((U32)GUI_GetTime() < pObj->tLast && pObj->hTimer) { // the GUI time went back
    WM_RestartTimer(pObj->hTimer, pObj->Period);
  }
  if (pMsg->MsgId == WM_POINTER_STATE_CHANGED) {
    const WM_POINTER_STATE_CHANGE* pInfo = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    if (!pInfo || !pInfo->Pressed || pInfo->PreviousPressed) {
      return;
    }
    _StopMotion(hObj);
    if (LISTWHEEL__Obj(hObj)->Widget.State & LISTWHEEL_STATE_LOCKED) {
      return;
    }
    pObj = LISTWHEEL__Obj(hObj);
    pObj->tLast = (U32)GUI_GetTime();
    pObj->yLast = pInfo->y;
    WM_SetCapture(hObj, 0);
    _DragStep(hObj, pInfo->y);
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
    return;
  }
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (!WM_HasCaptured(hObj)) {
    if (pState && pState->Pressed) {
      _StopMotion(hObj);
      WM_SetCapture(hObj, 0);
    }
    return;
  }
  int ySize = WM_GetWindowSizeY(hObj);
  if (!pState || !pState->Pressed || pState->y < 0 || pState->y >= ySize) {
    WM_ReleaseCapture();
    _ReleaseStep(hObj, pState && !pState->Pressed ? WM_NOTIFICATION_RELEASED : WM_NOTIFICATION_MOVED_OUT);
    return;
  }
  _DragStep(hObj, pState->y);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_TIMER:
    LISTWHEEL__Obj(hObj)->Dest >= 0 ? _OnTimerMove(hObj) : _OnTimerFree(hObj);
    return 1;
  case WM_POINTER:
    _OnPointerMsg(hObj, pMsg);
    return 1;
  case WM_POINTER_STATE_CHANGED:
    _OnPointerMsg(hObj, pMsg);
    break;
  }
  return 0;
}

void _OnDelete(WM_HWIN hObj) {
  _StopTimer(hObj);
  GUI_ARRAY hItems = LISTWHEEL__Obj(hObj)->hItems;
  LISTWHEEL__Obj(hObj)->hItems = 0;
  GUI_ARRAY_Delete(hItems);
}

} // namespace

LISTWHEEL_PROPS LISTWHEEL__DefaultProps = {&GUI_Font13, {0xFFFFFF, 0xFFFFFF}, {0x000000, 0xFF0000}, 0, 15};

const WIDGET_TYPE LISTWHEEL__Type = {.pName = "LISTWHEEL",
                                     .cb = LISTWHEEL_Callback,
                                     .ObjSize = sizeof(LISTWHEEL_OBJ),
                                     .TagOffset = offsetof(LISTWHEEL_OBJ, DebugId),
                                     .Tag = LISTWHEEL_ID,
                                     .InitialState = WIDGET_STATE_FOCUSABLE,
                                     .pDefaultProps = &LISTWHEEL__DefaultProps,
                                     .PropsOffset = offsetof(LISTWHEEL_OBJ, Props),
                                     .PropsSize = sizeof(LISTWHEEL_PROPS),
                                     .pfOnMessage = _OnMessage,
                                     .pfOnPaint = LISTWHEEL__Paint,
                                     .pfOnDelete = _OnDelete};

LISTWHEEL_OBJ* LISTWHEEL__Obj(WM_HWIN hObj) {
  return (LISTWHEEL_OBJ*)WM_H2P(hObj);
}

bool LISTWHEEL__Valid(WM_HWIN hObj) {
  return WIDGET__GetObj(&LISTWHEEL__Type, hObj) != nullptr;
}

void LISTWHEEL_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&LISTWHEEL__Type, pMsg);
}

WM_HWIN LISTWHEEL_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int, int Id,
                             const char* const* ppText, int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj =
      WIDGET__CreateUser(&LISTWHEEL__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_ARRAY hItems = GUI_ARRAY_Create();
  if (!hItems) {
    return WIDGET__CreateFailed(&LISTWHEEL__Type, hObj);
  }
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  pObj->hItems = hItems;
  pObj->Widget.pEffect = &WIDGET_Effect_None;
  pObj->pfDrawItem = LISTWHEEL_OwnerDraw;
  pObj->Dest = -1;
  pObj->Period = 25;
  if (ppText) {
    LISTWHEEL_SetText(hObj, ppText);
  }
  return WIDGET__FinishCreate(&LISTWHEEL__Type, hObj);
}

WM_HWIN LISTWHEEL_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                           const char* const* ppText) {
  return LISTWHEEL_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, ppText, 0);
}

WM_HWIN LISTWHEEL_Create(const char* const* ppText, int x0, int y0, int xSize, int ySize, int WinFlags) {
  return LISTWHEEL_CreateUser(x0, y0, xSize, ySize, 0, WinFlags, 0, 0, ppText, 0);
}

WM_HWIN LISTWHEEL_CreateAsChild(const char* const* ppText, WM_HWIN hParent, int x0, int y0, int xSize, int ySize,
                                int WinFlags) {
  return LISTWHEEL_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, 0, 0, ppText, 0);
}

WM_HWIN LISTWHEEL_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                 WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  return LISTWHEEL_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                              hParent, pCreateInfo->Flags, 0, pCreateInfo->Id, nullptr,
                              (int)pCreateInfo->NumExtraBytes);
}

LISTWHEEL_OBJ* LISTWHEEL_LockH(WM_HWIN hObj) {
  return (LISTWHEEL_OBJ*)WIDGET__LockH(&LISTWHEEL__Type, hObj);
}

int LISTWHEEL_GetPos(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return LISTWHEEL__Valid(hObj) ? LISTWHEEL__ItemAt(hObj, LISTWHEEL__Obj(hObj)->SnapPos, nullptr, nullptr) : -1;
}

void LISTWHEEL_SetPos(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  if (LISTWHEEL__Valid(hObj) && Index < LISTWHEEL_GetNumItems(hObj)) {
    _SetPos(hObj, _RestingPos(hObj, (int)Index));
  }
}

void LISTWHEEL_MoveToPos(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  if (!LISTWHEEL__Valid(hObj) || Index >= LISTWHEEL_GetNumItems(hObj)) {
    return;
  }
  _StopMotion(hObj);
  int Dest = _RestingPos(hObj, (int)Index);
  if (Dest != LISTWHEEL__Obj(hObj)->Pos) {
    _StartTimer(hObj);
    LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
    pObj->Dest = Dest;
    pObj->tLast = (U32)GUI_GetTime();
  }
}

void LISTWHEEL_SetVelocity(WM_HWIN hObj, int Velocity) {
  WM__LockGuard Lock;
  if (!LISTWHEEL__Valid(hObj) || LISTWHEEL__Obj(hObj)->Dest >= 0) {
    return;
  }
  if (!LISTWHEEL__Obj(hObj)->hTimer) {
    _StartTimer(hObj);
  }
  LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
  pObj->Velocity = Velocity;
  pObj->tLast = pObj->tRelease = (U32)GUI_GetTime();
  pObj->PosRelease = pObj->Pos; // the run starts where the wheel stands
  pObj->sLast = 0;
}

void LISTWHEEL_SetSnapPosition(WM_HWIN hObj, int y) {
  WM__LockGuard Lock;
  if (LISTWHEEL__Valid(hObj)) {
    LISTWHEEL_OBJ* pObj = LISTWHEEL__Obj(hObj);
    pObj->SnapPos = y;
    pObj->Pos = _Wrap(hObj, y);
  }
}
