// The overview page object: where a page comes from (the design's dictionary or a page file), building its
// element windows, and the history of pages to go back to.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "APP_Hooks.h"
#include "DSG_Design.h"
#include "PATH.h"
#include "UI_Background.h"
#include "UI_Main.h"
#include "UI_Overview.h"

UI_OverviewPage UI_OverviewPageInstance;
WM_HWIN UI_hOverviewWin;
WM_HTIMER UI_hTimerOverview, UI_hTimerLongPress;
int UI_RefreshCountdown, UI_RemoteReadBudget, UI_RemoteRound;

namespace {

// Reads page file n + 1 of the pages folder whole; it is checked like a design page before anything is used.
int _ReadPageFile(int n, std::vector<uint8_t>* pData) {
  char acName[32], acPath[PATH_MAX_LEN];
  snprintf(acName, sizeof(acName), "%d.q7f", n + 1);
  const char* sFolder = DSG_pPagesFolder ? DSG_pPagesFolder : "";
  if (!PATH_Join(sFolder, acName, acPath, sizeof(acPath))) return 1;
  FILE* f = fopen(acPath, "rb");
  if (!f) return 1;
  uint8_t aHeader[DSG_PAGE_HEADER_SIZE];
  size_t Got = fread(aHeader, 1, sizeof(aHeader), f);
  pData->assign(aHeader, aHeader + Got);
  if (Got == sizeof(aHeader) && memcmp(aHeader, "q7f", 3) == 0) {
    DSG_PAGE_INFO Info;
    DSG_ReadPageHeader(aHeader, &Info);
    if (Info.PayloadSize <= DSG_PAGE_PAYLOAD_MAX) {
      size_t Want = DSG_PageRecordsSize(Info.NumElements) + Info.PayloadSize - DSG_PAGE_HEADER_SIZE;
      pData->resize(DSG_PAGE_HEADER_SIZE + Want);
      pData->resize(DSG_PAGE_HEADER_SIZE + fread(pData->data() + DSG_PAGE_HEADER_SIZE, 1, Want, f));
    }
  }
  fclose(f);
  return 0;
}

void _CreatePageWindow(void) {
  int Design = UI_IsDesignLayout();
  int w = Design ? UI_SCREEN_W : UI_PAGE_AREA_W, h = Design ? UI_SCREEN_H : UI_PAGE_AREA_H;
  if (UI_hOverviewWin && WM_IsWindow(UI_hOverviewWin)) {
    WM_SetSize(UI_hOverviewWin, w, h);
    return;
  }
  WM_HWIN hParent = UI_hContentWin ? UI_hContentWin : WM_GetDesktopWindow();
  UI_hOverviewWin = WM_CreateWindowAsChild(0, 0, w, h, hParent, WM_CF_SHOW, UI_OverviewPageCallback, 0);
  UI_hTimerOverview = WM_CreateTimer(UI_hOverviewWin, UI_TIMER_ID_OVERVIEW, UI_OVERVIEW_TICK_MS);
  UI_hTimerLongPress = 0;
}

}  // namespace

UI_OverviewPage::UI_OverviewPage()
    : _Previous(0), _Current(0), _aHistory{}, _Head(0), _Tail(0), _NumElements(0), _UserWord(0) {}

void UI_OverviewPage::Reset() {
  _Head = _Tail = 0;
  _aHistory[0] = 0;
}

void UI_OverviewPage::PushHistory() {
  bool WasEmpty = _Head == _Tail;
  _aHistory[_Head] = int16_t(_Previous);
  _Head = (_Head + 1) % UI_OVERVIEW_HISTORY;
  if (_Head == _Tail) _Tail = (_Tail + 1) % UI_OVERVIEW_HISTORY;  // full: the oldest goes
  if (WasEmpty && UI_hBackButton) WM_InvalidateWindow(UI_hBackButton);
}

int UI_OverviewPage::PopHistory() {
  if (_Head == _Tail) return -1;
  _Head = (_Head + UI_OVERVIEW_HISTORY - 1) % UI_OVERVIEW_HISTORY;
  return _aHistory[_Head];
}

int UI_OverviewPage::PeekHistory() {
  return _Head == _Tail ? -1 : _aHistory[(_Head + UI_OVERVIEW_HISTORY - 1) % UI_OVERVIEW_HISTORY];
}

const uint8_t* UI_OverviewPage::GetPicture(size_t* pNumBytes) const {
  *pNumBytes = _Payload.size();
  return _Payload.empty() ? nullptr : _Payload.data();
}

GUI_RECT UI_OverviewPage::GetElementRect(int i) const {
  GUI_RECT r = {};
  if (i < 0 || i >= _NumElements) return r;
  const DSG_ELEMENT& e = _aElement[i];
  r.x0 = int16_t(e.X0()), r.y0 = int16_t(e.Y0()), r.x1 = int16_t(e.X1()), r.y1 = int16_t(e.Y1());
  return r;
}

int UI_OverviewPage::CopyElement(int i, DSG_ELEMENT* pOut) const {
  if (i < 0 || i >= _NumElements) return 1;
  *pOut = _aElement[i];
  return 0;
}

int UI_OverviewPage::Load(int n) {
  std::vector<uint8_t> File;
  const uint8_t* p;
  size_t NumBytes;
  if (DSG_IsDesignLoaded()) {
    if (DSG_GetDesignPage(n, &p, &NumBytes) != 0) return 1;
  } else {
    if (_ReadPageFile(n, &File) != 0) return 1;
    p = File.data();
    NumBytes = File.size();
  }
  return LoadRecord(n, p, NumBytes);
}

int UI_OverviewPage::LoadRecord(int n, const uint8_t* pRecord, size_t NumBytes) {
  _CreatePageWindow();
  _Build(pRecord, NumBytes);
  _Previous = _Current;
  _Current = n;
  return 0;
}

// Builds the elements and takes the payload. A page whose header is broken or whose records and payload are not
// all there shows nothing: no half-read element or picture is ever used.
int UI_OverviewPage::_Build(const uint8_t* p, size_t NumBytes) {
  bool Locked = APP_hUiSemaphore && OS_SemWait(APP_hUiSemaphore, OS_INFINITE) == OS_WAIT_TAKEN;
  UI_DeleteChildren(UI_hOverviewWin);  // the quick buttons too
  UI_hQuickLayer = 0;
  _NumElements = 0;
  _Payload.clear();
  UI_RefreshCountdown = 0;
  UI_RemoteReadBudget = UI_REMOTE_BUDGET;
  UI_RemoteRound = 0;
  WM_InvalidateWindow(UI_hOverviewWin);
  DSG_PAGE_INFO Info = {};
  bool Usable = NumBytes >= DSG_PAGE_HEADER_SIZE && memcmp(p, "q7f", 3) == 0;
  if (Usable) {
    DSG_ReadPageHeader(p, &Info);
    Usable = Info.PayloadSize <= DSG_PAGE_PAYLOAD_MAX &&
             DSG_PageRecordsSize(Info.NumElements) + Info.PayloadSize <= NumBytes;
  }
  int Count = Usable ? std::min<int>(Info.NumElements, DSG_PAGE_MAX_ELEMENTS) : 0;
  for (int i = 0; i < Count; i++) {
    DSG_ELEMENT& e = _aElement[i];
    UI_ElementState& s = _aState[i];
    memset(&s, 0, sizeof(s));
    if (DSG_UpgradeElement(Info.Version, &e, p + DSG_PageRecordsSize(unsigned(i))) != 0) {
      memset(e.a, 0, sizeof(e.a));  // an unknown version: the element is skipped
      continue;
    }
    WM_CALLBACK* pfCallback = nullptr;
    uint32_t Style = WM_CF_SHOW | WM_CF_HASTRANS;
    switch (e.Type()) {
      case DSG_EL_FIELD:
      case DSG_EL_DISPLAY: pfCallback = UI_ActionElementCallback; break;
      case DSG_EL_LINK:
        if (e.LinkedPage() != 0xFFFFFFFFu) pfCallback = UI_PageLinkCallback;
        break;
      case DSG_EL_TOGGLE:
      case DSG_EL_TOGGLE_ALT:
      case DSG_EL_MOMENTARY: pfCallback = UI_ValueElementCallback; break;
    }
    if (!pfCallback) continue;
    UI_ELEMENT_REF Ref = {&e, &s};
    WM_HWIN h = WM_CreateWindowAsChild(e.X0(), e.Y0(), e.X1() - e.X0(), e.Y1() - e.Y0(), UI_hOverviewWin, Style,
                                       pfCallback, int(sizeof(Ref)));
    if (h) WM_SetUserData(h, &Ref, sizeof(Ref));
  }
  _NumElements = Count;
  if (Locked) OS_SemSignal(APP_hUiSemaphore);
  WM_CreateTimer(UI_hOverviewWin, UI_TIMER_ID_FORCED_READ, 0);
  if (UI_hTimerOverview) WM_RestartTimer(UI_hTimerOverview, UI_OVERVIEW_TICK_MS);
  if (Usable) {
    // The payload lies behind all records, also those beyond the 64 that are shown.
    const uint8_t* pPayload = p + DSG_PageRecordsSize(Info.NumElements);
    _Payload.assign(pPayload, pPayload + Info.PayloadSize);
  }
  return Usable ? 0 : 1;
}

UI_ELEMENT_REF UI_GetElementRef(WM_HWIN hWin) {
  UI_ELEMENT_REF Ref = {};
  WM_GetUserData(hWin, &Ref, sizeof(Ref));
  return Ref;
}

namespace {

void _Reset(void) { UI_OverviewPageInstance.Reset(); }
int _Load(int n) { return UI_OverviewPageInstance.Load(n); }
int _Pop(void) { return UI_OverviewPageInstance.PopHistory(); }
int _Peek(void) { return UI_OverviewPageInstance.PeekHistory(); }

}  // namespace

void UI_InstallOverview(void) { UI_OverviewHooks = {_Reset, _Load, _Pop, _Peek}; }

void UI_DeleteOverview(void) {
  if (UI_hOverviewWin && WM_IsWindow(UI_hOverviewWin)) WM_DeleteWindow(UI_hOverviewWin);
  UI_hOverviewWin = 0;
  UI_hTimerOverview = UI_hTimerLongPress = 0;
}
