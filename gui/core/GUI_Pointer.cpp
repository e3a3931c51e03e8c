// Pointer input: the ring of states between the host and the window manager's pointer handler.
#include "GUI.h"

int (*GUI_pfHandlePointer)(void);
int (*GUI__pfDefaultPointerHandler)(void);
void (*GUI_pfStoreMultiTouch)(GUI_MTOUCH_EVENT* pEvent, GUI_MTOUCH_INPUT* pInput);

namespace {

GUI_POINTER_STATE _aState[GUI_POINTER_NUM_STATES];
int _ReadPos;  // oldest unread
int _NumUnread;
GUI_POINTER_STATE _Last;     // most recently stored
GUI_POINTER_STATE _LastRead; // given again while nothing is unread
GUI_POINTER_STATE _LastMouse, _LastTouch;

bool _Equal(const GUI_POINTER_STATE& a, const GUI_POINTER_STATE& b) {
  return a.x == b.x && a.y == b.y && a.Pressed == b.Pressed && a.Layer == b.Layer;
}

void _Clear(void) {
  _ReadPos = _NumUnread = 0;
  _Last = _LastRead = _LastMouse = _LastTouch = GUI_POINTER_STATE{};
}
GUI_REGISTER_EXIT _RegExit = {nullptr, _Clear};

void _StoreIfChanged(GUI_POINTER_STATE* pLast, const GUI_POINTER_STATE* pState) {
  if (!pState) return;
  GUI_Lock();
  bool Changed = !_Equal(*pState, *pLast);
  *pLast = *pState;
  GUI_Unlock();
  if (Changed) GUI_POINTER_StoreState(pState);
}

void _Get(const GUI_POINTER_STATE* pLast, GUI_POINTER_STATE* pState) {
  if (!pState) return;
  GUI_Lock();
  *pState = *pLast;
  GUI_Unlock();
}


} // namespace

void GUI_POINTER_StoreState(const GUI_POINTER_STATE* pState) {
  if (!pState) return;
  // Positions come from outside (a host, another process's shared mapping): they are kept to the coordinate
  // range, so that the window manager's sums with window positions stay within int.
  GUI_POINTER_STATE State = *pState;
  State.x = State.x < -0x8000 ? -0x8000 : State.x > 0x7FFF ? 0x7FFF : State.x;
  State.y = State.y < -0x8000 ? -0x8000 : State.y > 0x7FFF ? 0x7FFF : State.y;
  pState = &State;
  GUI_Lock();
  GUI__RegisterExit(&_RegExit);
  if (_NumUnread == GUI_POINTER_NUM_STATES) { // full: drop the oldest so the newest survive
    _ReadPos = (_ReadPos + 1) % GUI_POINTER_NUM_STATES;
    --_NumUnread;
  }
  _aState[(_ReadPos + _NumUnread) % GUI_POINTER_NUM_STATES] = *pState;
  ++_NumUnread;
  _Last = *pState;
  if (GUI__pfDefaultPointerHandler) GUI_pfHandlePointer = GUI__pfDefaultPointerHandler;
  GUI_Unlock();
  GUI_SignalEvent();
}

int GUI_POINTER_GetState(GUI_POINTER_STATE* pState) {
  GUI_Lock();
  if (_NumUnread) {
    _LastRead = _aState[_ReadPos];
    _ReadPos = (_ReadPos + 1) % GUI_POINTER_NUM_STATES;
    --_NumUnread;
  }
  if (pState) *pState = _LastRead;
  int Pressed = _LastRead.Pressed != 0;
  GUI_Unlock();
  return Pressed;
}

int GUI_POINTER_IsEmpty(void) {
  GUI_Lock();
  int r = _NumUnread == 0;
  GUI_Unlock();
  return r;
}

void GUI_POINTER_GetLastState(GUI_POINTER_STATE* pState) { _Get(&_Last, pState); }

void GUI_POINTER__Clear(void) {
  GUI_Lock();
  _Clear();
  GUI_Unlock();
}


void GUI_MOUSE_StoreState(const GUI_POINTER_STATE* pState) { _StoreIfChanged(&_LastMouse, pState); }
void GUI_MOUSE_GetState(GUI_POINTER_STATE* pState) { _Get(&_LastMouse, pState); }
void GUI_TOUCH_StoreStateEx(const GUI_POINTER_STATE* pState) { _StoreIfChanged(&_LastTouch, pState); }
void GUI_TOUCH_GetState(GUI_POINTER_STATE* pState) { _Get(&_LastTouch, pState); }
