// Keys: the pending key and the key-message buffer that the window manager empties.
#include "GUI.h"

int (*GUI__pfOnKey)(int Key, int PressedCnt);

namespace {

int _Key; // pending key, 0 none
GUI_KEY_MSG _aMsg[GUI_KEY_MSG_BUFFER_SIZE];
int _ReadPos;
int _Cnt;

void _Clear(void) {
  _Key = 0;
  _Cnt = 0;
  _ReadPos = 0;
}
GUI_REGISTER_EXIT _RegExit = {nullptr, _Clear};

} // namespace

void GUI_SignalEvent(void) { GUI_OS_SignalEvent(); }

void GUI_WaitEvent(void) {
  int n = GUITASK_GetEntranceCnt();
  for (int i = 0; i < n; ++i) GUI_Unlock();
  GUI_OS_WaitEvent();
  for (int i = 0; i < n; ++i) GUI_Lock();
}

void GUI_StoreKey(int Key) {
  GUI_Lock();
  GUI__RegisterExit(&_RegExit);
  if (!_Key) _Key = Key;
  GUI_Unlock();
  GUI_SignalEvent();
}

void GUI_StoreKeyMsg(int Key, int PressedCnt) {
  GUI_Lock();
  GUI__RegisterExit(&_RegExit);
  int Slot = _Cnt < GUI_KEY_MSG_BUFFER_SIZE ? _Cnt++ : GUI_KEY_MSG_BUFFER_SIZE - 1;
  _aMsg[(_ReadPos + Slot) % GUI_KEY_MSG_BUFFER_SIZE] = GUI_KEY_MSG{Key, PressedCnt};
  // Only a press becomes the pending key: a release would make GUI_WaitKey return twice for one stroke.
  if (PressedCnt > 0 && !_Key) _Key = Key;
  GUI_Unlock();
  GUI_SignalEvent();
}

int GUI_GetKey(void) {
  GUI_Lock();
  int Key = _Key;
  _Key = 0;
  GUI_Unlock();
  return Key;
}

void GUI_ClearKeyBuffer(void) {
  GUI_Lock();
  _Clear();
  GUI_Unlock();
}

int GUI_GetKeyMsgCnt(void) {
  GUI_Lock();
  int n = _Cnt;
  GUI_Unlock();
  return n;
}

int GUI_PollKeyMsg(void) {
  int r = 0;
  GUI_Lock();
  if (_Cnt && GUI__pfOnKey) {
    GUI_KEY_MSG Msg = _aMsg[_ReadPos];
    _ReadPos = (_ReadPos + 1) % GUI_KEY_MSG_BUFFER_SIZE;
    --_Cnt;
    GUI__pfOnKey(Msg.Key, Msg.PressedCnt);
    r = 1;
  }
  GUI_Unlock();
  return r;
}

int GUI_WaitKey(void) {
  for (;;) {
    int Key = GUI_GetKey();
    if (Key) return Key;
    if (!GUI_Exec()) GUI_WaitEvent();
  }
}
