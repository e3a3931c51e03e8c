// The GUI lock: recursive per task over one host lock, and one drawing context per task.
//
// A task that takes the lock at the first level gets its own context made current and its own selected
// memory devices put back on top of each layer's device chain. Memory and measuring devices (class 4 and
// above) belong to the task that selected them; the devices below them (driver, orientation, alpha, sprites)
// are shared by all tasks.
#include "GUI_Private.h"

#include <atomic>
#include <cstring>

#define GUITASK_MAX_NESTING 10000

namespace {

struct TASK_SLOT {
  GUI_TASK_ID TaskId;  // 0: free
  GUI_CONTEXT Context;
  GUI_DEVICE* apPrivate[GUI_NUM_LAYERS];  // the task's own devices while it is switched out
  bool Ready;                              // the context holds the defaults, not zeros
};

TASK_SLOT _aSlot[GUI_MAX_TASK];
int _CurrentSlot;
std::atomic<GUI_TASK_ID> _Owner{0};
std::atomic<bool> _LockInitialized{false};

bool _IsPrivate(const GUI_DEVICE* pDevice) {
  return pDevice && pDevice->pDeviceAPI->DeviceClassIndex >= DEVICE_CLASS_MEMDEV;
}

void _AnchorIndices(GUI_CONTEXT* pContext) {
  pContext->LCD_pBkColorIndex = &pContext->aColorIndex[0];
  pContext->LCD_pColorIndex = &pContext->aColorIndex[1];
  pContext->LCD_pAColorIndex = pContext->aColorIndex;
  pContext->pClipRect = &pContext->ClipRect;
}

void _SwitchOut(TASK_SLOT* pSlot) {
  for (int i = 0; i < GUI_NUM_LAYERS; i++) {
    GUI_DEVICE* pHead = GUI_aDevice[i];
    if (_IsPrivate(pHead)) {
      GUI_DEVICE* pLast = pHead;
      while (_IsPrivate(pLast->pNext)) {
        pLast = pLast->pNext;
      }
      GUI_aDevice[i] = pLast->pNext;
      pLast->pNext = nullptr;
      pSlot->apPrivate[i] = pHead;
    } else {
      pSlot->apPrivate[i] = nullptr;
    }
  }
}

void _SwitchIn(TASK_SLOT* pSlot) {
  for (int i = 0; i < GUI_NUM_LAYERS; i++) {
    GUI_DEVICE* pHead = pSlot->apPrivate[i];
    if (pHead) {
      GUI_DEVICE* pLast = pHead;
      while (pLast->pNext) {
        pLast = pLast->pNext;
      }
      pLast->pNext = GUI_aDevice[i];
      GUI_aDevice[i] = pHead;
      pSlot->apPrivate[i] = nullptr;
    }
  }
}

int _FindSlot(GUI_TASK_ID TaskId) {
  int Free = -1;
  for (int i = 0; i < GUI_MAX_TASK; i++) {
    if (_aSlot[i].TaskId == TaskId) {
      return i;
    }
    if (Free < 0 && _aSlot[i].TaskId == 0) {
      Free = i;
    }
  }
  if (Free < 0) {
    GUI_ErrorOut("GUI_Task:\nNo more task contexts in GUI_Lock()");
    return GUI_MAX_TASK - 1;
  }
  TASK_SLOT* pSlot = &_aSlot[Free];
  pSlot->TaskId = TaskId;
  if (Free != 0) {
    // A new task starts from the first task's attributes, drawing on the display.
    pSlot->Context = _aSlot[0].Context;
    pSlot->Context.hDevData = 0;
    _AnchorIndices(&pSlot->Context);
    std::memset(pSlot->apPrivate, 0, sizeof(pSlot->apPrivate));
    pSlot->Ready = _aSlot[0].Ready;
  }
  return Free;
}

// Called with the host lock held, on the first nesting level.
void _Enter(GUI_TASK_ID TaskId) {
  int Slot = _FindSlot(TaskId);
  if (Slot != _CurrentSlot) {
    _SwitchOut(&_aSlot[_CurrentSlot]);
    _CurrentSlot = Slot;
    GUI_pContext = &_aSlot[Slot].Context;
    _SwitchIn(&_aSlot[Slot]);
  }
}

// The calling task's id; 0 marks "no owner" and free slots, so a host id of 0 is moved out of the way.
GUI_TASK_ID _CurrentTask(void) {
  GUI_TASK_ID Id = GUI_OS_GetTaskId();
  return Id ? Id : ~(GUI_TASK_ID)0;
}

}  // namespace

int GUITASK__EntranceCnt;
GUI_CONTEXT* GUI_pContext = &_aSlot[0].Context;
GUI_DEVICE* GUI_aDevice[GUI_NUM_LAYERS];

void GUITASK_Init(void) {
  bool Expected = false;
  if (_LockInitialized.compare_exchange_strong(Expected, true)) {
    GUI_OS__InitLock();
  }
}

void GUI_Lock(void) {
  GUI_TASK_ID TaskId = _CurrentTask();
  if (_Owner.load() != TaskId) {
    GUI_OS__Lock();
    _Owner.store(TaskId);
    _Enter(TaskId);
  }
  if (++GUITASK__EntranceCnt > GUITASK_MAX_NESTING) {
    GUI_ErrorOut("GUI_Task:\nGUI_Lock() GUITASK__EntranceCnt overflow in GUI_Lock()");
  }
}

void GUI_Unlock(void) {
  if (GUITASK__EntranceCnt <= 0 || _Owner.load() != _CurrentTask()) {
    GUI_ErrorOut("GUI_Task:\nGUI_Unlock() GUITASK__EntranceCnt underflow in GUI_Unlock()");
    return;
  }
  if (--GUITASK__EntranceCnt == 0) {
    _Owner.store(0);
    GUI_OS__Unlock();
  }
}

int GUITASK_GetEntranceCnt(void) { return (_Owner.load() == _CurrentTask()) ? GUITASK__EntranceCnt : 0; }

void GUI__SleepUnlocked(int ms) {
  GUI_TASK_ID TaskId = _CurrentTask();
  if (_Owner.load() != TaskId || GUITASK__EntranceCnt <= 0) {
    GUI_OS_Delay(ms);
    return;
  }
  int Cnt = GUITASK__EntranceCnt;
  GUITASK__EntranceCnt = 0;
  _Owner.store(0);
  GUI_OS__Unlock();
  GUI_OS_Delay(ms);
  GUI_OS__Lock();
  _Owner.store(TaskId);
  _Enter(TaskId);
  GUITASK__EntranceCnt = Cnt;
}

int GUITASK__MarkContextReady(void) {
  bool Was = _aSlot[_CurrentSlot].Ready;
  _aSlot[_CurrentSlot].Ready = true;
  return Was ? 1 : 0;
}

void GUI__InitContext(GUI_CONTEXT* pContext) {
  std::memset(pContext, 0, sizeof(*pContext));
  _AnchorIndices(pContext);
}

// Forgets every task; the calling task keeps slot 0. Called with the lock held or before any task runs.
void GUITASK__Exit(void) {
  for (int i = 0; i < GUI_MAX_TASK; i++) {
    _aSlot[i].TaskId = 0;
    std::memset(_aSlot[i].apPrivate, 0, sizeof(_aSlot[i].apPrivate));
    _aSlot[i].Ready = false;
  }
  _CurrentSlot = 0;
  GUI_pContext = &_aSlot[0].Context;
  if (_Owner.load() != 0) {
    _aSlot[0].TaskId = _Owner.load();
  }
}
