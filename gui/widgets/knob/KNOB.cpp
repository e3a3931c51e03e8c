// KNOB: creation, turning by keys and by the motion support, the value and its range, and painting the
// picture rotated from a memory device.
#include "KNOB.h"

#include "GUI_MEMDEV_Ops.h"
#include "GUI_MEMDEV_Rotate.h"
#include "WM_Motion.h"

namespace {

using _Access = WIDGET_ACCESS<KNOB_OBJ, &KNOB__Type>;

KNOB_OBJ* _Obj(WM_HWIN hObj) {
  return (KNOB_OBJ*)WM_H2P(hObj);
}

bool _HasRange(const KNOB_OBJ* pObj) {
  return pObj->MinRange != pObj->MaxRange;
}

// Tick size times a count of ticks; products are formed wide and stored clamped into 32 bits.
I64 _Ticks(const KNOB_OBJ* pObj, I32 n) {
  return (I64)pObj->TickSize * n;
}

// Holds v to the range in ticks: the upper limit first, then the lower one, so that with a range given the
// wrong way round the lower limit is what stays.
I64 _Limit(const KNOB_OBJ* pObj, I64 v) {
  I64 Max = _Ticks(pObj, pObj->MaxRange), Min = _Ticks(pObj, pObj->MinRange);
  if (v > Max) {
    v = Max;
  }
  if (v < Min) {
    v = Min;
  }
  return v;
}

// An angle beyond a turn taken back into 0..3600 (3600 itself stays; a whole negative turn gives 0).
I32 _Wrap(I64 Angle) {
  if (Angle > 3600) {
    return (I32)((Angle - 1) % 3600 + 1);
  }
  if (Angle < 0) {
    Angle %= 3600;
    return (I32)(Angle < 0 ? Angle + 3600 : Angle);
  }
  return (I32)Angle;
}

// Turns by D tenths of a degree: the angle wraps, the value does not; a range holds both.
void _Turn(WM_HWIN hObj, I64 D) {
  KNOB_OBJ* pObj = _Obj(hObj);
  D %= 3600;
  D = D > 1800 ? D - 3600 : (D < -1800 ? D + 3600 : D);
  I64 Angle = _Wrap((I64)pObj->Angle + D);
  I64 V = (I64)pObj->Value + D;
  if (_HasRange(pObj)) {
    I64 Limited = _Limit(pObj, V);
    if (Limited != V) {
      V = Angle = Limited;
    }
  }
  pObj->Angle = WM__ClampInt(Angle);
  pObj->Value = WM__ClampInt(V);
  if (WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED)) {
    WM_InvalidateWindow(hObj);
  }
}

void _OnMotion(WM_HWIN hObj, WM_MOTION_INFO* pInfo) {
  KNOB_OBJ* pObj = _Obj(hObj);
  switch (pInfo->Cmd) {
  case WM_MOTION_INIT:
    pInfo->Flags = WM_CF_MOTION_R | WM_MOTION_MANAGE_BY_WINDOW;
    pInfo->Period = pObj->Period;
    pInfo->SnapX = pObj->Snap;
    break;
  case WM_MOTION_MOVE:
    _Turn(hObj, pInfo->dx);
    break;
  case WM_MOTION_GETPOS:
    pInfo->xPos = pObj->Angle;
    break;
  case WM_MOTION_GETCONTEXT:
    pInfo->hContext = pObj->hMotionContext;
    break;
  }
}

void _Paint(WM_HWIN hObj) {
  const KNOB_OBJ* pObj = _Obj(hObj);
  I64 A = (I64)pObj->Angle + pObj->Offset;
  if (pObj->TickSize) {
    A = (A + pObj->TickSize / 2) / pObj->TickSize * pObj->TickSize;
  }
  A %= 3600; // whole turns draw the same picture, and thousandths of a degree then fit 32 bits
  int x0 = WM_GetWindowPosX(hObj), y0 = WM_GetWindowPosY(hObj);
  GUI_HMEM hDst = pObj->hMemDst, hSrc = pObj->hMemSrc, hBk = pObj->hMemBk;
  GUI_COLOR BkColor = pObj->BkColor;
  int xSize = pObj->xSize, ySize = pObj->ySize;
  GUI_MEMDEV_SetOrg(hDst, x0, y0);
  GUI_HMEM hOld = GUI_MEMDEV_Select(hDst);
  if (!hBk && BkColor != WM_NO_COLOR) {
    GUI_SetBkColor(BkColor);
    GUI_Clear();
  }
  if (hBk) {
    GUI_MEMDEV_SetOrg(hBk, x0, y0);
    GUI_MEMDEV_CopyToLCD(hBk); // into the selected destination
  }
  GUI_MEMDEV_Select(hOld);
  if (hSrc) {
    GUI_MEMDEV_SetOrg(hSrc, x0, y0);
    int dx = (xSize / 2 - GUI_MEMDEV_GetXSize(hSrc) / 2) * 8, dy = (ySize / 2 - GUI_MEMDEV_GetYSize(hSrc) / 2) * 8;
    GUI_MEMDEV_RotateSmoothSubpixel(hSrc, hDst, dx, dy, (int)A * 100, 1000);
  }
  if (hBk || (BkColor != 0xFF000000 && BkColor != WM_NO_COLOR)) {
    GUI_MEMDEV_MakeOpaque(hDst, 0);
  }
  GUI_MEMDEV_CopyToLCD(hDst); // pixel by pixel over what lies beneath
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  WM__WATCH Watch(hObj); // a turn or a click is told to the parent, which may delete the knob
  switch (pMsg->MsgId) {
  case WM_PAINT:
    _Paint(hObj);
    return 1;
  case WM_MOTION:
    if (pMsg->Data.p) {
      _OnMotion(hObj, (WM_MOTION_INFO*)pMsg->Data.p);
    }
    break;
  case WM_KEY: {
    // Left and up turn forward, right and down back.
    if (int Dir = WIDGET__ArrowStep((const GUI_KEY_MSG*)pMsg->Data.p, 1)) {
      const KNOB_OBJ* pObj = _Obj(hObj);
      I32 Step = pObj->TickSize > 1 ? pObj->TickSize : pObj->KeyValue;
      _Turn(hObj, -(I64)Dir * Step); // wide: the step INT32_MIN has no negative in 32 bits
    }
    break;
  }
  case WM_POINTER: {
    WIDGET__NotifyClicks(hObj, (const GUI_POINTER_STATE*)pMsg->Data.p);
    break;
  }
  case WM_DELETE:
    GUI_MEMDEV_Delete(_Obj(hObj)->hMemDst);
    _Obj(hObj)->hMemDst = 0;
    WM_MOTION__DeleteContext(_Obj(hObj)->hMotionContext);
    _Obj(hObj)->hMotionContext = 0;
    break;
  }
  if (Watch.Alive()) {
    WM_DefaultProc(pMsg);
  }
  return 1;
}

template <class F> void _Set(WM_HWIN hObj, F f) {
  _Access::Change(hObj, [&](KNOB_OBJ* pObj) {
    f(pObj);
    return false;
  });
}

} // namespace

const WIDGET_TYPE KNOB__Type = {.pName = "KNOB",
                                .cb = KNOB_Callback,
                                .ObjSize = sizeof(KNOB_OBJ),
                                .TagOffset = offsetof(KNOB_OBJ, DebugId),
                                .Tag = KNOB_ID,
                                .StyleBits = WM_CF_HASTRANS,
                                .InitialState = WIDGET_STATE_FOCUSABLE,
                                .pfOnMessage = _OnMessage};

void KNOB_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&KNOB__Type, pMsg);
}

WM_HWIN KNOB_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int Id,
                        int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&KNOB__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_HMEM hMem = GUI_MEMDEV_Create32(0, 0, xSize > 0 ? xSize : 1, ySize > 0 ? ySize : 1);
  GUI_HMEM hContext = hMem ? WM_MOTION__CreateContext() : 0;
  if (!hContext) {
    if (hMem) {
      GUI_MEMDEV_Delete(hMem);
    }
    return WIDGET__CreateFailed(&KNOB__Type, hObj);
  }
  KNOB_OBJ* pObj = _Obj(hObj);
  pObj->hMemDst = hMem;
  pObj->hMotionContext = hContext;
  pObj->Period = 1500;
  pObj->BkColor = 0xFF000000;
  pObj->TickSize = 1;
  pObj->KeyValue = 1;
  pObj->xSize = xSize;
  pObj->ySize = ySize;
  WM_MOTION_Enable(1);
  return WIDGET__FinishCreate(&KNOB__Type, hObj);
}

WM_HWIN KNOB_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int Id) {
  return KNOB_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, Id, 0);
}

WM_HWIN KNOB_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  return KNOB_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize, hParent,
                         WM_CF_SHOW, pCreateInfo->Id, (int)pCreateInfo->NumExtraBytes);
}

KNOB_OBJ* KNOB_LockH(WM_HWIN hObj) {
  return (KNOB_OBJ*)WIDGET__LockH(&KNOB__Type, hObj);
}

void KNOB_SetDevice(WM_HWIN hObj, GUI_HMEM hMem) {
  _Set(hObj, [&](KNOB_OBJ* pObj) { pObj->hMemSrc = hMem; });
}

void KNOB_SetBkDevice(WM_HWIN hObj, GUI_HMEM hMem) {
  _Set(hObj, [&](KNOB_OBJ* pObj) { pObj->hMemBk = hMem; });
}

void KNOB_SetBkColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Set(hObj, [&](KNOB_OBJ* pObj) { pObj->BkColor = Color; });
}

void KNOB_SetOffset(WM_HWIN hObj, I32 Offset) {
  _Set(hObj, [&](KNOB_OBJ* pObj) { pObj->Offset = Offset; });
}

void KNOB_SetPeriod(WM_HWIN hObj, I32 Period) {
  if (Period >= 0) {
    _Set(hObj, [&](KNOB_OBJ* pObj) { pObj->Period = Period; });
  }
}

void KNOB_SetSnap(WM_HWIN hObj, I32 Snap) {
  _Set(hObj, [&](KNOB_OBJ* pObj) { pObj->Snap = WM__ClampInt(_Ticks(pObj, Snap)); });
}

void KNOB_SetKeyValue(WM_HWIN hObj, I32 KeyValue) {
  _Set(hObj, [&](KNOB_OBJ* pObj) { pObj->KeyValue = WM__ClampInt(_Ticks(pObj, KeyValue)); });
}

void KNOB_SetTickSize(WM_HWIN hObj, I32 TickSize) {
  if (TickSize) {
    _Set(hObj, [&](KNOB_OBJ* pObj) { pObj->TickSize = TickSize; });
  }
}

void KNOB_SetRange(WM_HWIN hObj, I32 MinRange, I32 MaxRange) {
  _Set(hObj, [&](KNOB_OBJ* pObj) {
    pObj->MinRange = MinRange;
    pObj->MaxRange = MaxRange;
  });
}

void KNOB_SetPos(WM_HWIN hObj, I32 Pos) {
  WM__LockGuard Lock;
  bool Done = false;
  _Set(hObj, [&](KNOB_OBJ* pObj) {
    pObj->Angle = WM__ClampInt(_Ticks(pObj, Pos));
    pObj->Value = pObj->Angle;
    Done = true;
  });
  if (Done && WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED)) {
    WM_InvalidateWindow(hObj);
  }
}

// The range holds the angle in the same units as when turning (TickSize x the range).
void KNOB_AddValue(WM_HWIN hObj, I32 Steps) {
  WM__LockGuard Lock;
  bool Done = false;
  _Set(hObj, [&](KNOB_OBJ* pObj) {
    I64 Angle = pObj->Angle + _Ticks(pObj, Steps);
    if (_HasRange(pObj)) {
      Angle = _Limit(pObj, Angle);
    }
    pObj->Angle = WM__ClampInt(Angle);
    pObj->Value = pObj->Angle;
    Done = true;
  });
  if (Done && WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED)) {
    WM_InvalidateWindow(hObj);
  }
}

I32 KNOB_GetValue(WM_HWIN hObj) {
  return _Access::Read(hObj, (I32)0, [](KNOB_OBJ* pObj) {
    return (I32)WM__ClampInt(GUI__DivideRound64(pObj->Value, pObj->TickSize) * pObj->TickSize - pObj->MinRange);
  });
}

int KNOB_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&KNOB__Type, hObj, pDest, NumBytes);
}

int KNOB_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&KNOB__Type, hObj, pSrc, NumBytes);
}
