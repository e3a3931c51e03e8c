// Overview pages: full-screen pictures of the design (or stand-alone page files) with touch elements over them
// that show live values of the own controller and of other nodes, switch and push values, link to other pages
// and open the entry screens. A long press opens the quick buttons. Everything runs in the GUI thread.
#pragma once
#include <cstdint>
#include <vector>

#include "DSG_Element.h"
#include "WM.h"
#include "WM_Timer.h"

enum {
  UI_OVERVIEW_HISTORY = 20,     // ring slots; at most 19 pages are kept
  UI_ELEMENT_DESC_SIZE = 160,
  UI_ELEMENT_TEXT_LEN = 64,
  UI_OVERVIEW_TICK_MS = 100,
  UI_LONG_PRESS_MS = 3000,
  UI_REMOTE_BUDGET = 8,         // remote reads between two pauses
  UI_REMOTE_PAUSE_MS = 200,
  UI_MOMENTARY_REPEAT_MS = 1000,
  UI_TIMER_ID_OVERVIEW = 1,
  UI_TIMER_ID_LONG_PRESS = 2,
  UI_TIMER_ID_FORCED_READ = 3,
  UI_LOAD_MODE_REFRESH = 2,
  UI_LOAD_MODE_FORCED = 3,
};

// Run-time state of one element.
struct UI_ElementState {
  uint8_t aDesc[UI_ELEMENT_DESC_SIZE];  // the entry description as read; type byte 0 after a failed read
  char16_t acText[UI_ELEMENT_TEXT_LEN];  // action elements: prefix-less value text
  char16_t acState[2][DSG_STATE_TEXT_CHARS + 1];  // value elements: the texts of state 0 and 1
  int32_t Value;     // value elements: the switch state 0 or 1
  uint8_t Changed;   // set after every read, cleared when the element shows it
};

// What an element window holds in its user data.
struct UI_ELEMENT_REF {
  DSG_ELEMENT* pElement;
  UI_ElementState* pState;
};

class UI_OverviewPage {
 public:
  UI_OverviewPage();
  // Loads page n (dictionary entry n of the design, else file n + 1 of the pages folder) and builds its element
  // windows: 0 when loaded (also for a page whose header is broken: it shows nothing), 1 when not found.
  int Load(int n);
  // The same for a page record at hand (NumBytes bytes from its start), checked like a page file.
  int LoadRecord(int n, const uint8_t* pRecord, size_t NumBytes);
  void Reset();
  void PushHistory();
  int PopHistory();   // -1 when empty
  int PeekHistory();  // -1 when empty
  const uint8_t* GetPicture(size_t* pNumBytes) const;
  GUI_RECT GetElementRect(int i) const;
  int CopyElement(int i, DSG_ELEMENT* pOut) const;  // 0 done, 1 no such element
  void SetUserWord(uint32_t w) { _UserWord = w; }
  int GetCurrentPage() const { return _Current; }
  int GetPreviousPage() const { return _Previous; }
  int GetElementCount() const { return _NumElements; }
  UI_ElementState* GetState(int i) { return (i >= 0 && i < _NumElements) ? &_aState[i] : nullptr; }

 private:
  int _Build(const uint8_t* p, size_t NumBytes);
  int _Previous, _Current;
  int16_t _aHistory[UI_OVERVIEW_HISTORY];
  uint32_t _Head, _Tail;
  int _NumElements;
  uint32_t _UserWord;
  std::vector<uint8_t> _Payload;
  DSG_ELEMENT _aElement[DSG_PAGE_MAX_ELEMENTS];
  UI_ElementState _aState[DSG_PAGE_MAX_ELEMENTS];
};
extern UI_OverviewPage UI_OverviewPageInstance;

extern WM_HWIN UI_hOverviewWin;        // the page window (child of the overview layout's content window)
extern WM_HTIMER UI_hTimerOverview;    // refresh tick of the page, id 1
extern WM_HTIMER UI_hTimerLongPress;   // long press on the page, id 2
extern int UI_RefreshCountdown, UI_RemoteReadBudget, UI_RemoteRound;
extern int UI_MomentaryActive;  // a push button is held
extern WM_HTIMER UI_hTimerMomentary;  // a held push button of another node writes 1 again on it (id 1), else 0

// Installs the overview pages into the main screen (UI_OverviewHooks).
void UI_InstallOverview(void);
// Deletes the page window (tests, shutdown).
void UI_DeleteOverview(void);

// Callbacks of the page and of its elements.
void UI_OverviewPageCallback(WM_MESSAGE* pMsg);
void UI_ActionElementCallback(WM_MESSAGE* pMsg);
void UI_PageLinkCallback(WM_MESSAGE* pMsg);
void UI_ValueElementCallback(WM_MESSAGE* pMsg);
// The long-press timer of the page, started by a press on the page or on an element.
void UI_StartLongPress(void);
void UI_StopLongPress(void);
// Starts the page's forced re-read (timer id 3) after Period ms.
void UI_StartForcedRead(int Period);

// Reading and formatting of element values.
int UI_ReadElementValue(const DSG_ELEMENT* pElement, UI_ElementState* pState, int Forced);
int UI_FormatElementValue(const DSG_ELEMENT* pElement, const UI_ElementState* pState, char16_t* pText, int TextLen,
                          int32_t* pValue, int* pUnit);
void UI_LoadActionElement(WM_HWIN hWin, int Mode, const DSG_ELEMENT* pElement, UI_ElementState* pState);
void UI_LoadValueElement(WM_HWIN hWin, int Mode, const DSG_ELEMENT* pElement, UI_ElementState* pState);
// Whether the user's access level allows an element of the given level on its node.
int UI_ElementAllowed(int Node, uint32_t Level);
// The font of an element's font index (2: null, the current font stays).
const GUI_FONT* UI_ElementFont(int Index);
UI_ELEMENT_REF UI_GetElementRef(WM_HWIN hWin);
// Answers WM_MOTION: motion support leaves the page and its elements where they are and sends them the moves.
void UI_ManageMotionByWindow(WM_MESSAGE* pMsg);

// Quick buttons (a long press on an overview page).
extern WM_HWIN UI_hQuickLayer;
void UI_CreateQuickButtons(WM_HWIN hParent, int x, int y);
void UI_QuickLayerCallback(WM_MESSAGE* pMsg);
void UI_QuickMainMenuCallback(WM_MESSAGE* pMsg);
void UI_QuickPageACallback(WM_MESSAGE* pMsg);
void UI_QuickPageBCallback(WM_MESSAGE* pMsg);
