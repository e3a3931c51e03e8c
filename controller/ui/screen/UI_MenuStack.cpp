// The menu stack: showing, opening and leaving menu addresses.
#include "UI_MenuStack.h"

#include <cstring>

#include "APP_Hooks.h"
#include "CAN_Node.h"
#include "OBJ_Access.h"
#include "UI_Main.h"
#include "UI_MainListPage.h"

UI_MenuStack UI_MenuStackInstance;

static const UI_PAGE_HANDLER* _pPageHandler;

void UI_SetPageHandler(const UI_PAGE_HANDLER* pHandler) { _pPageHandler = pHandler; }

UI_MenuStack::UI_MenuStack() : _pFill(_aArena) {
  memset(_aMenu, 0, sizeof(_aMenu));
  memset(_aTitle, 0, sizeof(_aTitle));
  memset(&_NodeRecord, 0, sizeof(_NodeRecord));
}

UI_MenuStack::~UI_MenuStack() { ClearHistory(); }

void UI_MenuStack::SetFillPointer(uint8_t* p) {
  if (p >= _aArena && p <= _aArena + UI_ELEMENT_ARENA_SIZE) _pFill = p;
}

static uint32_t _Word(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

uint32_t UI_MenuStack::GetPageKind() const {
  const uint8_t* p = _aMenu[_MenuIndex];
  uint32_t w2 = _Word(p + 8);
  return w2 ? w2 : _Word(p + 4);
}

void UI_MenuStack::PushHistory(uint32_t Address, int ListPosition) {
  UI_MenuHistoryNode* p = new UI_MenuHistoryNode{Address, ListPosition, _pHistory};
  _pHistory = p;
  // Drop what lies beyond the bound, oldest first.
  int n = 1;
  for (UI_MenuHistoryNode* q = _pHistory; q; q = q->pNext, n++) {
    if (n == UI_MENU_HISTORY_MAX) {
      UI_MenuHistoryNode* pRest = q->pNext;
      q->pNext = nullptr;
      while (pRest) {
        UI_MenuHistoryNode* pNext = pRest->pNext;
        delete pRest;
        pRest = pNext;
      }
      break;
    }
  }
}

uint32_t UI_MenuStack::PopHistory() {
  UI_MenuHistoryNode* p = _pHistory;
  if (!p) return 0;
  uint32_t Address = p->Address;
  _pHistory = p->pNext;
  delete p;
  return Address;
}

void UI_MenuStack::ClearHistory() {
  while (_pHistory) PopHistory();
}

int UI_MenuStack::GetHistoryDepth() const {
  int n = 0;
  for (const UI_MenuHistoryNode* p = _pHistory; p; p = p->pNext) n++;
  return n;
}

// Reads a menu description, a full one of 4096 bytes included. The rest of the buffer is cleared, so that a short
// answer never leaves the records of an earlier description behind it; every walk ends at the buffer's end.
int UI_MenuStack::_ReadMenu(uint32_t Address, uint8_t* pBuf) {
  memset(pBuf, 0, UI_MENU_BUFFER_SIZE);
  int Locked = APP_hUiSemaphore && OS_SemWait(APP_hUiSemaphore, OS_INFINITE) == OS_WAIT_TAKEN;
  int n = OBJ_Read(Address, pBuf, UI_MENU_BUFFER_SIZE, 0);
  if (Locked) OS_SemSignal(APP_hUiSemaphore);
  if (n <= 0 || n > UI_MENU_BUFFER_SIZE || pBuf[0] != 0x60) {
    memset(pBuf, 0, UI_MENU_BUFFER_SIZE);
    return 0;
  }
  return 1;
}

// Title bar and node strip follow the node of the shown address.
void UI_MenuStack::_ApplyNode(uint32_t Address, uint32_t Before) {
  if (WM_IsVisible(UI_hMainWin)) return;
  uint32_t Node = Address >> 24;
  if (Node != Before >> 24 && UI_hTitleBar) WM_SetUserData(UI_hTitleBar, &Node, 4);
  if (!Node) {
    if (UI_hNodeStrip) WM_DeleteWindow(UI_hNodeStrip);
    UI_hNodeStrip = 0;
    return;
  }
  if (!_pPageHandler || !_pPageHandler->pfNodeStripCallback || !UI_hBackgroundWin) return;
  if (!UI_hNodeStrip) {
    UI_hNodeStrip = WM_CreateWindowAsChild(0, WM_GetWindowSizeY(UI_hBackgroundWin) - UI_NODE_STRIP_H, 1,
                                           UI_NODE_STRIP_H, UI_hBackgroundWin,
                                           WM_STATUS_TRANSPARENT | WM_STATUS_VISIBLE | WM_STATUS_STAYONTOP,
                                           _pPageHandler->pfNodeStripCallback, sizeof(UI_NODE_RECORD*));
  }
  memset(&_NodeRecord, 0, sizeof(_NodeRecord));
  _NodeRecord.Node = uint8_t(Node);
  _NodeRecord.DeviceType = Node < CAN_MAX_NODES ? CAN_NodeTable[Node].DeviceType : 0;
  _NodeRecord.Countdown = 2;
  UI_NODE_RECORD* p = &_NodeRecord;
  WM_SetUserData(UI_hNodeStrip, &p, sizeof(p));
  UI_SendLoad(UI_hNodeStrip, 0);
}

int UI_MenuStack::Show(uint32_t Address, int ListPosition) {
  int MenuLayout = WM_IsVisible(UI_hBackgroundWin);
  int FromHistory = _pHistory && _pHistory->Address == Address && MenuLayout;
  if (FromHistory) ListPosition = _pHistory->ListPosition;
  if (MenuLayout) UI_SetBusy(1);
  if (UI_hTimerPage) WM_RestartTimer(UI_hTimerPage, UI_PAGE_REFRESH_MS);
  int Spare = _MenuIndex ^ 1;
  if (Address && !_ReadMenu(Address, _aMenu[Spare])) {
    UI_SetBusy(0);
    if (FromHistory) PopHistory();  // an unreadable page is not offered again by the back button
    Show(0, 0);
    return UI_SHOW_FAILED;
  }
  uint32_t Current = _Current, Previous = _Previous;
  int MenuIndex = _MenuIndex;
  if (Address) _MenuIndex = Spare;
  _Previous = _Current;
  _Current = Address;
  _ApplyNode(Address, Current);
  if (BuildPage(ListPosition) != UI_SHOW_OK) {
    // Nothing was built: the previous page stays, and so do its address and description.
    _Current = Current;
    _Previous = Previous;
    _MenuIndex = MenuIndex;
    _ApplyNode(Current, Address);
    UI_SetBusy(0);
    return UI_SHOW_FAILED;
  }
  if (FromHistory) PopHistory();
  if (UI_hHomeButton) WM_InvalidateWindow(UI_hHomeButton);
  if (UI_hBackButton) WM_InvalidateWindow(UI_hBackButton);
  UI_SetBusy(0);
  return UI_SHOW_OK;
}

int UI_MenuStack::Open(uint32_t Address, int ListPosition) {
  if (Address == _Current && WM_IsVisible(UI_hBackgroundWin)) return UI_SHOW_OK;
  uint32_t Left = _Current;
  int r = Show(Address, 0);
  if (r != UI_SHOW_OK) return r;
  PushHistory(Left, ListPosition);
  return UI_SHOW_OK;
}

int UI_MenuStack::Back() {
  if (!WM_IsVisible(UI_hBackgroundWin)) {
    uint32_t Address = PopHistory();
    if (WM_IsVisible(UI_hMainWin)) _Current = Address;
    return UI_SHOW_OK;
  }
  // Show takes the newest node's scroll position and pops the node once the page stands.
  return Show(_pHistory ? _pHistory->Address : 0, 0);
}

int UI_MenuStack::BuildPage(int ListPosition) {
  if (_pPageHandler && _pPageHandler->pfBuildPage) return _pPageHandler->pfBuildPage(ListPosition);
  return UI_BuildListPage(ListPosition);
}

int UI_GetPageScrollOffset(void) {
  WM_HWIN hPage = WM_GetFirstChild(UI_hPageArea);
  if (!hPage) return 0;
  return WM_GetWindowPosY(hPage) - WM_GetWindowPosY(UI_hPageArea);
}
