// Tooltips: sets of tools per dialog, the pointer hook that times them, and the tooltip window.
#include "WM_Tooltip.h"

#include <cstddef>
#include <cstring>
#include <vector>

#include "WM_Intern.h"

namespace {

struct TOOLTIP_SET {
  WM_HWIN hDlg;
  GUI_ARRAY hTools;
  WM_TOOLTIP_HANDLE hNext; // older set
  WM_TOOLTIP_HANDLE hPrev; // newer set
};

// One item of a set's array: the tool window followed by its zero-terminated text.
struct TOOL_ITEM {
  WM_HWIN hTool;
  char acText[1];
};

// Extra bytes of the tooltip window.
struct TIP_WINDOW_DATA {
  GUI_ARRAY hTools;
  int Index;
  int TextLen;
};

struct TOOLTIP_STATE {
  int Delay;
  WM_CRITICAL_HANDLE CHDlg;       // dialog of the tool under the pointer
  WM_CRITICAL_HANDLE CHTimedTool; // window being timed
  WM_CRITICAL_HANDLE CHTipWin;    // the tooltip window
  GUI_TIMER_HANDLE hTimer;
  GUI_POINTER_STATE Armed;
  GUI_ARRAY hTools;
  int Index;
};

int _aPeriod[3] = {1000, 5000, 50};
GUI_COLOR _aColor[3] = {0xE0FFFF, 0x000000, 0x000000};
const GUI_FONT* _pFont = GUI_DEFAULT_FONT;
constexpr int BORDER_X = 5;
constexpr int BORDER_Y = 2;

WM_TOOLTIP_HANDLE _hFirstSet; // newest set
TOOLTIP_STATE _State = {1000, {}, {}, {}, 0, {}, 0, 0};

TOOLTIP_SET* _Set(WM_TOOLTIP_HANDLE h) {
  return (TOOLTIP_SET*)GUI_ALLOC_h2p(h);
}

// The heap and the window manager go away with GUI_Exit; so does everything that points into them.
void _OnExit(void) {
  _hFirstSet = 0;
  _State = TOOLTIP_STATE{};
  _State.Delay = _aPeriod[WM_TOOLTIP_PI_FIRST];
}
GUI_REGISTER_EXIT _RegExit = {nullptr, _OnExit};

void _Close(void) {
  if (_State.CHTipWin.hWin) {
    WM_HWIN h = _State.CHTipWin.hWin;
    _State.CHTipWin.hWin = 0;
    WM_DeleteWindow(h);
  }
  GUI_TIMER_Delete(_State.hTimer);
  _State.hTimer = 0;
  _State.CHTimedTool.hWin = 0;
}

void _cbTipWindow(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  TIP_WINDOW_DATA Data = {};
  WM__GetUserDataEx(pMsg->hWin, &Data, sizeof(Data), sizeof(WM_OBJ));
  GUI_RECT r;
  WM_GetClientRect(&r);
  GUI_SetColor(_aColor[WM_TOOLTIP_CI_FRAME]);
  GUI_DrawRect(r.x0, r.y0, r.x1, r.y1);
  GUI_SetColor(_aColor[WM_TOOLTIP_CI_BK]);
  GUI_FillRect(r.x0 + 1, r.y0 + 1, r.x1 - 1, r.y1 - 1);
  const TOOL_ITEM* pItem = (const TOOL_ITEM*)GUI_ARRAY_GetpItemLocked(Data.hTools, (U32)Data.Index);
  if (pItem) {
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_SetColor(_aColor[WM_TOOLTIP_CI_TEXT]);
    GUI_SetFont(_pFont);
    GUI_DispStringAt(pItem->acText, BORDER_X, BORDER_Y);
    GUI_ALLOC_UnlockH(&pItem);
  }
}

void _Show(void) {
  const TOOL_ITEM* pItem = (const TOOL_ITEM*)GUI_ARRAY_GetpItemLocked(_State.hTools, (U32)_State.Index);
  if (!pItem) {
    return;
  }
  const GUI_FONT* pOldFont = GUI_SetFont(_pFont);
  int w = GUI_GetStringDistX(pItem->acText) + 2 * BORDER_X;
  int h = GUI_GetFontSizeY() + 2 * BORDER_Y;
  int TextLen = (int)strlen(pItem->acText);
  GUI_SetFont(pOldFont);
  GUI_ALLOC_UnlockH(&pItem);
  int xSize = LCD_GetXSize(), ySize = LCD_GetYSize();
  int x = _State.Armed.x - w / 3;
  if (x < 0) {
    x = 0;
  }
  if (x + w > xSize) {
    x = xSize - w;
  }
  int y = _State.Armed.y + 20;
  if (y < 0) {
    y = 0;
  }
  if (y + h > ySize) {
    y = _State.Armed.y - h - 5;
  }
  WM_HWIN hWin = WM_CreateWindowAsChild(x, y, w, h, WM_GetDesktopWindow(), WM_CF_SHOW | WM_CF_STAYONTOP,
                                        _cbTipWindow, sizeof(TIP_WINDOW_DATA));
  if (hWin) {
    TIP_WINDOW_DATA Data = {_State.hTools, _State.Index, TextLen};
    WM__SetUserDataEx(hWin, &Data, sizeof(Data), sizeof(WM_OBJ));
    _State.CHTipWin.hWin = hWin;
  }
}

void _cbTimer(GUI_TIMER_MSG* pMsg) {
  if (!_State.CHTipWin.hWin) {
    GUI_POINTER_STATE Last;
    GUI_POINTER_GetLastState(&Last);
    if (Last.x == _State.Armed.x && Last.y == _State.Armed.y) {
      _Show();
      GUI_TIMER_SetPeriod(pMsg->hTimer, _aPeriod[WM_TOOLTIP_PI_SHOW]);
      _State.Delay = _aPeriod[WM_TOOLTIP_PI_NEXT];
    }
    GUI_TIMER_Restart(pMsg->hTimer);
  } else {
    // The display time is over.
    WM_HWIN h = _State.CHTipWin.hWin;
    _State.CHTipWin.hWin = 0;
    WM_DeleteWindow(h);
    GUI_TIMER_Delete(_State.hTimer);
    _State.hTimer = 0;
  }
}

void _Arm(const GUI_POINTER_STATE* pState, WM_HWIN hWin) {
  _State.Armed = *pState;
  WM_HWIN hTimed = _State.CHTimedTool.hWin;
  if (hWin != hTimed && hWin != _State.CHTipWin.hWin && !(hTimed && WM__IsAncestor(hWin, hTimed))) {
    _Close();
    hTimed = 0;
  }
  if (!_State.hTimer) {
    if (hWin != hTimed) {
      _State.hTimer = GUI_TIMER_Create(_cbTimer, GUI_GetTime() + _State.Delay, 0, 0);
      GUI_TIMER_SetPeriod(_State.hTimer, _State.Delay);
      _State.CHTimedTool.hWin = hWin;
    }
  } else {
    GUI_TIMER_Restart(_State.hTimer);
  }
}

void _ResetDelay(void) {
  _State.Delay = _aPeriod[WM_TOOLTIP_PI_FIRST];
}

void _OnPointer(GUI_POINTER_STATE* pState, WM_HWIN hWin) {
  if (pState->Pressed) {
    if (hWin && hWin == _State.CHTipWin.hWin && pState->Pressed != 2) {
      // The press belongs to what lies below the tooltip: handle it again once the tooltip is gone.
      GUI_POINTER_STATE Again = *pState;
      Again.Pressed = 2;
      GUI_POINTER_StoreState(&Again);
    }
    _Close();
    _ResetDelay();
    return;
  }
  if (!hWin) {
    return;
  }
  WM_HWIN hTip = _State.CHTipWin.hWin;
  WM_TOOLTIP_HANDLE hSet = _hFirstSet;
  for (; hSet; hSet = _Set(hSet)->hNext) {
    if (WM__IsAncestorOrSelf(hWin, _Set(hSet)->hDlg)) {
      break;
    }
    if (hWin != hTip) {
      _Close();
      _ResetDelay();
    }
  }
  if (!hSet) {
    return;
  }
  TOOLTIP_SET Set = *_Set(hSet);
  if (_State.CHDlg.hWin != WM_GetParent(hWin)) {
    _State.CHDlg.hWin = Set.hDlg;
    if (!WM__IsAncestorOrSelf(hWin, Set.hDlg) && hWin != hTip) {
      _ResetDelay();
    }
  }
  int NumItems = GUI_ARRAY_GetNumItems(Set.hTools);
  for (int i = 0; i < NumItems; i++) {
    const TOOL_ITEM* pItem = (const TOOL_ITEM*)GUI_ARRAY_GetpItemLocked(Set.hTools, (U32)i);
    WM_HWIN hTool = pItem ? pItem->hTool : 0;
    GUI_ALLOC_UnlockH(&pItem);
    if (hTool && WM__IsAncestorOrSelf(hWin, hTool)) {
      _State.hTools = Set.hTools;
      _State.Index = i;
      _Arm(pState, hWin);
      return;
    }
  }
  _Close();
}

void _Install(void) {
  GUI__RegisterExit(&_RegExit);
  WM__AddCriticalHandle(&_State.CHDlg);
  WM__AddCriticalHandle(&_State.CHTimedTool);
  WM__AddCriticalHandle(&_State.CHTipWin);
  WM__pfPointerPostHitHook = _OnPointer;
}

} // namespace

WM_TOOLTIP_HANDLE WM_TOOLTIP_Create(WM_HWIN hDlg, const TOOLTIP_INFO* pInfo, unsigned NumItems) {
  WM__LockGuard Lock;
  GUI_ARRAY hTools = GUI_ARRAY_Create();
  if (!hTools) {
    return 0;
  }
  WM_TOOLTIP_HANDLE hSet = GUI_ALLOC_AllocZero(sizeof(TOOLTIP_SET));
  if (!hSet) {
    GUI_ARRAY_Delete(hTools);
    return 0;
  }
  TOOLTIP_SET* pSet = _Set(hSet);
  pSet->hDlg = hDlg;
  pSet->hTools = hTools;
  pSet->hNext = _hFirstSet;
  if (_hFirstSet) {
    _Set(_hFirstSet)->hPrev = hSet;
  }
  _hFirstSet = hSet;
  _Install();
  for (unsigned i = 0; pInfo && i < NumItems; i++) {
    WM_TOOLTIP_AddTool(hSet, WM_FindChildById(hDlg, pInfo[i].Id), pInfo[i].pText);
  }
  return hSet;
}

int WM_TOOLTIP_AddTool(WM_TOOLTIP_HANDLE hToolTip, WM_HWIN hTool, const char* pText) {
  WM__LockGuard Lock;
  if (!hToolTip || !hTool || !pText) {
    return 1;
  }
  size_t Len = strlen(pText);
  std::vector<char> Item(offsetof(TOOL_ITEM, acText) + Len + 1);
  TOOL_ITEM* pItem = (TOOL_ITEM*)Item.data();
  pItem->hTool = hTool;
  memcpy(pItem->acText, pText, Len + 1);
  return GUI_ARRAY_AddItem(_Set(hToolTip)->hTools, Item.data(), (int)Item.size()) ? 1 : 0;
}

void WM_TOOLTIP_Delete(WM_TOOLTIP_HANDLE hToolTip) {
  WM__LockGuard Lock;
  if (!hToolTip) {
    return;
  }
  TOOLTIP_SET Set = *_Set(hToolTip);
  if (Set.hTools == _State.hTools || (_State.CHDlg.hWin && _State.CHDlg.hWin == Set.hDlg)) {
    _Close();
    _State.hTools = 0;
    _State.CHDlg.hWin = 0;
  }
  GUI_ARRAY_Delete(Set.hTools);
  if (Set.hPrev) {
    _Set(Set.hPrev)->hNext = Set.hNext;
  } else {
    _hFirstSet = Set.hNext;
  }
  if (Set.hNext) {
    _Set(Set.hNext)->hPrev = Set.hPrev;
  }
  GUI_ALLOC_Free(hToolTip);
}

GUI_COLOR WM_TOOLTIP_SetDefaultColor(unsigned Index, GUI_COLOR Color) {
  WM__LockGuard Lock;
  if (Index >= 3) {
    return 0;
  }
  GUI_COLOR Old = _aColor[Index];
  _aColor[Index] = Color;
  return Old;
}

int WM_TOOLTIP_SetDefaultPeriod(unsigned Index, int Period) {
  WM__LockGuard Lock;
  if (Index >= 3) {
    return 0;
  }
  int Old = _aPeriod[Index];
  _aPeriod[Index] = Period;
  if (Index == WM_TOOLTIP_PI_FIRST && !_State.hTimer) {
    _State.Delay = Period;
  }
  return Old;
}

const GUI_FONT* WM_TOOLTIP_SetDefaultFont(const GUI_FONT* pFont) {
  WM__LockGuard Lock;
  const GUI_FONT* pOld = _pFont;
  _pFont = pFont;
  return pOld;
}
