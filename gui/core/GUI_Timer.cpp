// Software timers: records in the GUI heap on two lists, all timers in creation order and the armed ones by
// due time.
#include "GUI.h"

namespace {

struct TIMER_OBJ {
  GUI_TIMER_CALLBACK* cb;
  GUI_TIMER_HANDLE hNextAll;
  GUI_TIMER_HANDLE hNextActive;
  PTR_ADDR Context;
  GUI_TIMER_TIME Due;
  GUI_TIMER_TIME Period;
  U32 ArmRound; // GUI_Exec round in which it was armed, 0 outside GUI_Exec
  U16 Flags;
  U8 Active;
};

GUI_TIMER_HANDLE _hFirstAll;
GUI_TIMER_HANDLE _hFirstActive;
U32 _Round;     // current GUI_Exec round
int _ExecDepth; // nesting of GUI_Exec

// a - b of two wrapping times, without signed overflow.
I32 _Diff(GUI_TIMER_TIME a, GUI_TIMER_TIME b) { return static_cast<I32>(static_cast<U32>(a) - static_cast<U32>(b)); }

// The records live in the GUI heap, so the lists are forgotten when the library exits.
void _OnExit(void) {
  _hFirstAll = _hFirstActive = 0;
  _Round = 0;
  _ExecDepth = 0;
}
GUI_REGISTER_EXIT _RegExit = {nullptr, _OnExit};

TIMER_OBJ* _h2p(GUI_TIMER_HANDLE h) { return static_cast<TIMER_OBJ*>(GUI_ALLOC_h2p(h)); }

void _Unlink(GUI_TIMER_HANDLE* phFirst, GUI_TIMER_HANDLE h, GUI_TIMER_HANDLE TIMER_OBJ::*pNext) {
  for (GUI_TIMER_HANDLE* ph = phFirst; *ph; ph = &(_h2p(*ph)->*pNext)) {
    if (*ph == h) {
      *ph = _h2p(h)->*pNext;
      _h2p(h)->*pNext = 0;
      return;
    }
  }
}

void _Disarm(GUI_TIMER_HANDLE h) {
  if (_h2p(h)->Active) {
    _Unlink(&_hFirstActive, h, &TIMER_OBJ::hNextActive);
    _h2p(h)->Active = 0;
  }
}

// Arms at Due, behind every timer due at the same time or earlier.
void _Arm(GUI_TIMER_HANDLE h, GUI_TIMER_TIME Due) {
  _Disarm(h);
  TIMER_OBJ* p = _h2p(h);
  p->Due = Due;
  p->Active = 1;
  p->ArmRound = _ExecDepth ? _Round : 0;
  GUI_TIMER_HANDLE* ph = &_hFirstActive;
  while (*ph && _Diff(_h2p(*ph)->Due, Due) <= 0) ph = &_h2p(*ph)->hNextActive;
  p->hNextActive = *ph;
  *ph = h;
}

} // namespace

GUI_TIMER_HANDLE GUI_TIMER_Create(GUI_TIMER_CALLBACK* cb, GUI_TIMER_TIME Time, PTR_ADDR Context, U16 Flags) {
  GUI_Lock();
  GUI__RegisterExit(&_RegExit);
  GUI_TIMER_HANDLE h = GUI_ALLOC_AllocZero(sizeof(TIMER_OBJ));
  if (h) {
    TIMER_OBJ* p = _h2p(h);
    p->cb = cb;
    p->Context = Context;
    p->Flags = Flags;
    GUI_TIMER_HANDLE* ph = &_hFirstAll;
    while (*ph) ph = &_h2p(*ph)->hNextAll;
    *ph = h;
    _Arm(h, Time);
  }
  GUI_Unlock();
  return h;
}

void GUI_TIMER_Delete(GUI_TIMER_HANDLE hTimer) {
  if (!hTimer) return;
  GUI_Lock();
  _Disarm(hTimer);
  _Unlink(&_hFirstAll, hTimer, &TIMER_OBJ::hNextAll);
  GUI_ALLOC_Free(hTimer);
  GUI_Unlock();
}

void GUI_TIMER_Restart(GUI_TIMER_HANDLE hTimer) {
  if (!hTimer) return;
  GUI_Lock();
  _Arm(hTimer, static_cast<GUI_TIMER_TIME>(GUI_OS_GetTime() + static_cast<U32>(_h2p(hTimer)->Period)));
  GUI_Unlock();
}

void GUI_TIMER_SetPeriod(GUI_TIMER_HANDLE hTimer, GUI_TIMER_TIME Period) {
  if (!hTimer) return;
  GUI_Lock();
  _h2p(hTimer)->Period = Period;
  GUI_Unlock();
}

GUI_TIMER_TIME GUI_TIMER_GetPeriod(GUI_TIMER_HANDLE hTimer) {
  if (!hTimer) return 0;
  GUI_Lock();
  GUI_TIMER_TIME Period = _h2p(hTimer)->Period;
  GUI_Unlock();
  return Period;
}

void GUI_TIMER_SetTime(GUI_TIMER_HANDLE hTimer, GUI_TIMER_TIME Time) {
  if (!hTimer) return;
  GUI_Lock();
  _Arm(hTimer, Time);
  GUI_Unlock();
}

void GUI_TIMER_SetDelay(GUI_TIMER_HANDLE hTimer, GUI_TIMER_TIME Delay) {
  if (!hTimer) return;
  GUI_Lock();
  _Arm(hTimer, static_cast<GUI_TIMER_TIME>(GUI_OS_GetTime() + static_cast<U32>(Delay)));
  GUI_Unlock();
}

int GUI_TIMER_GetFlag(GUI_TIMER_HANDLE hTimer, int Mask) {
  if (!hTimer) return 0;
  GUI_Lock();
  int r = (_h2p(hTimer)->Flags & Mask) ? 1 : 0;
  GUI_Unlock();
  return r;
}

int GUI_TIMER_IsActive(GUI_TIMER_HANDLE hTimer) {
  if (!hTimer) return 0;
  GUI_Lock();
  int r = _h2p(hTimer)->Active;
  GUI_Unlock();
  return r;
}

GUI_TIMER_HANDLE GUI_TIMER_GetFirst(PTR_ADDR* pContext) {
  GUI_Lock();
  GUI_TIMER_HANDLE h = _hFirstAll;
  if (h && pContext) *pContext = _h2p(h)->Context;
  GUI_Unlock();
  return h;
}

GUI_TIMER_HANDLE GUI_TIMER_GetNext(GUI_TIMER_HANDLE hTimer, PTR_ADDR* pContext) {
  if (!hTimer) return 0;
  GUI_Lock();
  GUI_TIMER_HANDLE h = _h2p(hTimer)->hNextAll;
  if (h && pContext) *pContext = _h2p(h)->Context;
  GUI_Unlock();
  return h;
}

int GUI_TIMER_Exec(void) {
  int r = 0;
  GUI_Lock();
  GUI_TIMER_TIME t = GUI_GetTime();
  for (GUI_TIMER_HANDLE h = _hFirstActive; h;) {
    TIMER_OBJ* p = _h2p(h);
    if (_Diff(p->Due, t) > 0) break;
    if (_ExecDepth && p->ArmRound == _Round) { // armed during this GUI_Exec: next time
      h = p->hNextActive;
      continue;
    }
    _Disarm(h);
    GUI_TIMER_MSG Msg = {t, p->Context, h};
    GUI_TIMER_CALLBACK* cb = p->cb;
    if (cb) cb(&Msg); // may delete or re-arm the timer
    r = 1;
    break;
  }
  GUI_Unlock();
  return r;
}

void GUI_TIMER__EnterExec(int OnOff) {
  GUI_Lock();
  if (OnOff) {
    ++_ExecDepth;
    if (!++_Round) _Round = 1;
  } else {
    --_ExecDepth;
  }
  GUI_Unlock();
}
