// The menu stack: which menu address the screens show, the history of addresses and scroll positions that the
// back button walks, the buffer of the shown menu description and the arena in which page elements keep their
// data. One instance for the whole run; everything runs in the GUI thread under the GUI lock.
//
// Menu address: node number in bits 24-31, sub-index in bits 16-23, 16-bit menu object below; 0x5800 is every
// node's root menu and address 0 the network page (the list of nodes).
#pragma once
#include <cstdint>

enum {
  UI_ROOT_MENU = 0x5800,
  UI_MENU_BUFFER_SIZE = 4096,
  UI_ELEMENT_ARENA_SIZE = 168000,
  UI_TITLE_RECORD_SIZE = 64,
  UI_NODE_NAME_SIZE = 160,
  // The history keeps the newest addresses only: a user who keeps opening links never runs the heap dry.
  UI_MENU_HISTORY_MAX = 64,
};

// Result of Show, Open, Back and Reload, and of a page handler's build.
enum { UI_SHOW_OK = 0, UI_SHOW_FAILED = 1 };

struct UI_MenuHistoryNode {
  uint32_t Address;
  int32_t ListPosition;  // vertical scroll offset of the page, 0 or negative
  UI_MenuHistoryNode* pNext;  // next older node
};

// Node record of the node strip and of the network page's tiles.
struct UI_NODE_RECORD {
  uint8_t Node;
  uint8_t DeviceType;
  uint8_t Zero;
  uint8_t Countdown;  // name refresh countdown
  uint8_t aName[UI_NODE_NAME_SIZE];  // the node's name answer
};

// The seam through which the menu-page handler builds pages. BuildPage calls pfBuildPage while the new address
// is already the current one (GetNode) and its description is in GetNodeMenu; the handler builds the page into
// UI_hPageArea (or a panel), restores ListPosition and answers UI_SHOW_OK. Any other answer means that nothing
// was built and the previous page stays: the menu stack then goes back to the previous address and description.
// A handler that asks for a password answers UI_SHOW_FAILED and opens the address again (UI_MenuStack::Open)
// once the code is accepted. pfNodeStripCallback, when set, is the callback of the node strip that stands at
// the bottom of the screen while a menu of another node is shown.
struct UI_PAGE_HANDLER {
  int (*pfBuildPage)(int ListPosition);
  void (*pfNodeStripCallback)(struct WM_MESSAGE* pMsg);
};
// Installs the page handler (null: the plain list page of this library).
void UI_SetPageHandler(const UI_PAGE_HANDLER* pHandler);

class UI_MenuStack {
 public:
  UI_MenuStack();
  ~UI_MenuStack();
  UI_MenuStack(const UI_MenuStack&) = delete;
  UI_MenuStack& operator=(const UI_MenuStack&) = delete;

  uint32_t GetNode() const { return _Current; }
  uint32_t GetPreviousNode() const { return _Previous; }
  uint8_t* GetNodeMenu() { return _aMenu[_MenuIndex]; }
  static int GetMenuBufferSize() { return UI_MENU_BUFFER_SIZE; }
  uint8_t* GetPageArea() { return _aArena; }
  static int GetPageAreaSize() { return UI_ELEMENT_ARENA_SIZE; }
  uint8_t* GetFillPointer() { return _pFill; }
  void SetFillPointer(uint8_t* p);  // a pointer outside the arena is refused
  int GetFreeSpace() const { return int(_aArena + UI_ELEMENT_ARENA_SIZE - _pFill); }
  uint8_t* GetTitleRecord() { return _aTitle; }
  static int GetTitleRecordSize() { return UI_TITLE_RECORD_SIZE; }
  UI_NODE_RECORD* GetNodeRecord() { return &_NodeRecord; }
  // Word 2 of the description when it is not 0, else word 1.
  uint32_t GetPageKind() const;

  int Show(uint32_t Address, int ListPosition);
  // Shows Address and remembers the address shown before with ListPosition, the scroll offset of the page the
  // user leaves. The address already shown: nothing happens while the menu layout is visible.
  int Open(uint32_t Address, int ListPosition);
  // Shows the newest address of the history at its scroll position (the network page when there is none).
  int Back();
  int Reload(int ListPosition) { return Show(_Current, ListPosition); }
  int BuildPage(int ListPosition);

  void PushHistory(uint32_t Address, int ListPosition);
  uint32_t PopHistory();  // address of the newest node, 0 when empty
  void ClearHistory();
  int GetHistoryDepth() const;
  const UI_MenuHistoryNode* PeekHistory() const { return _pHistory; }

 private:
  int _ReadMenu(uint32_t Address, uint8_t* pBuf);
  void _ApplyNode(uint32_t Address, uint32_t Before);

  uint32_t _Previous = 0;
  uint32_t _Current = 0;
  UI_MenuHistoryNode* _pHistory = nullptr;
  uint8_t* _pFill;
  int _MenuIndex = 0;
  // Two description buffers: a new description is read into the spare one, so that the shown page keeps its
  // own until the new page was built.
  uint8_t _aMenu[2][UI_MENU_BUFFER_SIZE];
  uint8_t _aTitle[UI_TITLE_RECORD_SIZE];
  UI_NODE_RECORD _NodeRecord;
  alignas(16) uint8_t _aArena[UI_ELEMENT_ARENA_SIZE];
};

extern UI_MenuStack UI_MenuStackInstance;

// Scroll offset of the page shown in UI_hPageArea: y of the page window minus y of the page area (0 or negative).
int UI_GetPageScrollOffset(void);
