// CHOOSEFILE: creation of the dialog, reading a folder through the caller's routine, and the callback with
// its buttons, keys, drop-down and list-view handling. The dialog's own state lives in the frame window's
// user data beside the pointer to the caller's record.
#include <cstring>

#include "BUTTON.h"
#include "CHOOSEFILE.h"
#include "DROPDOWN.h"
#include "FRAMEWIN.h"
#include "HEADER.h"
#include "LISTBOX.h"
#include "LISTVIEW.h"
#include "WM_Timer.h"

namespace {

constexpr int DOUBLE_CLICK_MS = 300;
constexpr int TIMER_ID = 0x17F;
// A routine that never reports the end of a folder would keep the dialog reading for ever.
constexpr int MAX_ENTRIES = 0x7FFF;

const TOOLTIP_INFO _aDefaultToolTips[] = {{CHOOSEFILE_ID_OK, "Confirm selection"},
                                          {CHOOSEFILE_ID_CANCEL, "Cancel"},
                                          {CHOOSEFILE_ID_UP, "Up one level"},
                                          {CHOOSEFILE_ID_ROOTS, "Select root directory"}};
const TOOLTIP_INFO* _pToolTips = _aDefaultToolTips;
int _NumToolTips = 4;
int _ToolTipsOn = 0;
char _aacDefaultText[3][64];
int _aHasDefaultText[3];

void _SetContext(WM_HWIN hFrame, const CHOOSEFILE_CONTEXT& c) {
  FRAMEWIN_SetUserData(hFrame, &c, sizeof(c));
}

int _ButtonId(int Index) {
  static const int aId[3] = {CHOOSEFILE_ID_CANCEL, CHOOSEFILE_ID_OK, CHOOSEFILE_ID_UP};
  return aId[Index];
}

void _EnableOk(WM_HWIN hFrame, bool OnOff) {
  WM_HWIN hOk = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_OK);
  OnOff ? WM_EnableWindow(hOk) : WM_DisableWindow(hOk);
  BUTTON_SetFocusable(hOk, OnOff);
}

// One entry as a row: "." and ".." are left out, leading dots of the type are skipped. -> false when the
// row could not be added (reading stops).
bool _AddRow(WM_HWIN hList, const CHOOSEFILE_INFO* pInfo) {
  const char* pName = pInfo->pName ? pInfo->pName : "";
  if (!strcmp(pName, ".") || !strcmp(pName, "..")) {
    return true;
  }
  const char* pExt = pInfo->pExt ? pInfo->pExt : "";
  while (*pExt == '.') {
    pExt++;
  }
  if (LISTVIEW_AddRow(hList, nullptr)) {
    return false;
  }
  unsigned Row = LISTVIEW_GetNumRows(hList) - 1;
  char acSize[32];
  CHOOSEFILE__SizeText(pInfo->SizeL, pInfo->SizeH, acSize, sizeof(acSize));
  LISTVIEW_SetItemTextUnsorted(hList, 0, Row, pName);
  LISTVIEW_SetItemTextUnsorted(hList, 1, Row, acSize);
  LISTVIEW_SetItemTextUnsorted(hList, 2, Row, pExt);
  LISTVIEW_SetItemTextUnsorted(hList, 3, Row, pInfo->pAttrib ? pInfo->pAttrib : "");
  LISTVIEW_SetUserDataRow(hList, Row, pInfo->Flags);
  return true;
}

void _ReadFolder(WM_HWIN hFrame, CHOOSEFILE_INFO* pInfo) {
  WM_HWIN hList = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_LIST);
  LISTVIEW_DeleteAllRows(hList);
  pInfo->Cmd = CHOOSEFILE_FINDFIRST;
  for (int n = 0; n < MAX_ENTRIES && pInfo->pfGetData(pInfo) == 0; n++) {
    if (!WM_IsWindow(hList) || !_AddRow(hList, pInfo)) {
      break;
    }
    pInfo->Cmd = CHOOSEFILE_FINDNEXT;
  }
  LISTVIEW_SetAutoScrollV(hList, 1);
}

// The drop-down's current item becomes the path, which is then read.
void _ShowPath(WM_HWIN hFrame, CHOOSEFILE_INFO* pInfo) {
  WM_HWIN hRoots = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_ROOTS);
  int Sel = DROPDOWN_GetSel(hRoots);
  if (Sel >= 0) {
    DROPDOWN_DeleteItem(hRoots, (unsigned)Sel);
    DROPDOWN_InsertString(hRoots, pInfo->pRoot, (unsigned)Sel);
    DROPDOWN_SetSel(hRoots, Sel);
  }
  _ReadFolder(hFrame, pInfo);
  _EnableOk(hFrame, false);
}

void _Notify(WM_HWIN hFrame, CHOOSEFILE_INFO* pInfo) {
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_NOTIFY_PARENT;
  Msg.hWinSrc = hFrame;
  Msg.Data.p = pInfo;
  WM_SendMessage(WM_GetParent(hFrame), &Msg);
}

void _End(WM_HWIN hFrame, bool Confirmed) {
  CHOOSEFILE_CONTEXT c;
  if (!CHOOSEFILE__GetContext(hFrame, &c) || c.Ended) {
    return;
  }
  c.Ended = 1;
  _SetContext(hFrame, c);
  c.pInfo->Id = Confirmed ? CHOOSEFILE_ID_OK : CHOOSEFILE_ID_CANCEL;
  // A parent that deletes the dialog when told of the choice has ended it already.
  WM__WATCH Watch(hFrame);
  _Notify(hFrame, c.pInfo);
  if (Watch.Alive()) {
    GUI_EndDialog(hFrame, Confirmed ? 0 : 1);
  }
}

void _Up(WM_HWIN hFrame, CHOOSEFILE_INFO* pInfo) {
  if (CHOOSEFILE__Up(pInfo->pRoot, CHOOSEFILE__Delim)) {
    _ShowPath(hFrame, pInfo);
  }
}

// A folder row is entered; a file row ends the dialog with its full path. A path that would not fit in the
// buffer is neither entered nor returned: the dialog stays where it is.
void _Confirm(WM_HWIN hFrame, CHOOSEFILE_INFO* pInfo) {
  WM_HWIN hList = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_LIST);
  int Row = LISTVIEW_GetSelUnsorted(hList);
  if (Row < 0) {
    return;
  }
  char acName[CHOOSEFILE_MAXLEN], acExt[CHOOSEFILE_MAXLEN];
  LISTVIEW_GetItemTextUnsorted(hList, 0, (unsigned)Row, acName, sizeof(acName));
  LISTVIEW_GetItemTextUnsorted(hList, 2, (unsigned)Row, acExt, sizeof(acExt));
  char acDelim[2] = {CHOOSEFILE__Delim, 0};
  if (LISTVIEW_GetUserDataRow(hList, (unsigned)Row) & CHOOSEFILE_FLAG_DIRECTORY) {
    if (CHOOSEFILE__Append(pInfo->pRoot, acName, acDelim, nullptr)) {
      _ShowPath(hFrame, pInfo);
    }
    return;
  }
  if (CHOOSEFILE__Append(pInfo->pRoot, acName, *acExt ? "." : nullptr, acExt)) {
    _End(hFrame, true);
  }
}

// Two presses on the same row within the double-click time, with a release between them, confirm it.
void _OnListClick(WM_HWIN hFrame, CHOOSEFILE_CONTEXT c, int Code) {
  WM_HWIN hList = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_LIST);
  if (Code == WM_NOTIFICATION_RELEASED) {
    c.Released = 1;
    _SetContext(hFrame, c);
    return;
  }
  int Row = LISTVIEW_GetSelUnsorted(hList);
  if (c.hTimer && c.Released) {
    WM_DeleteTimer(c.hTimer);
    c.hTimer = 0;
    _SetContext(hFrame, c);
    if (Row == c.ClickRow) {
      _Confirm(hFrame, c.pInfo);
    }
    return;
  }
  if (c.hTimer) {
    WM_DeleteTimer(c.hTimer);
  }
  c.hTimer = WM_CreateTimer(WM_GetClientWindow(hFrame), TIMER_ID, DOUBLE_CLICK_MS, 0);
  c.ClickRow = Row;
  c.Released = 0;
  _SetContext(hFrame, c);
}

void _OnNotify(WM_HWIN hFrame, WM_HWIN hSrc, int Code) {
  CHOOSEFILE_CONTEXT c;
  if (!CHOOSEFILE__GetContext(hFrame, &c) || c.Ended) {
    return;
  }
  // The drop-down's open list went while the pointer is still down: the frame takes the pointer, so that
  // the release does not land on whatever lies below.
  if (Code == WM_NOTIFICATION_CHILD_DELETED && WM_GetCallback(hSrc) == LISTBOX_Callback && WM__CHWinPressed.hWin) {
    WM_SetCapture(hFrame, 1);
    return;
  }
  switch (WM_GetId(hSrc)) {
  case CHOOSEFILE_ID_UP:
    if (Code == WM_NOTIFICATION_RELEASED) {
      _Up(hFrame, c.pInfo);
    }
    break;
  case CHOOSEFILE_ID_OK:
    if (Code == WM_NOTIFICATION_RELEASED) {
      _Confirm(hFrame, c.pInfo);
    }
    break;
  case CHOOSEFILE_ID_CANCEL:
    if (Code == WM_NOTIFICATION_RELEASED) {
      _End(hFrame, false);
    }
    break;
  case CHOOSEFILE_ID_ROOTS:
    if (Code == WM_NOTIFICATION_SEL_CHANGED) {
      WM_HWIN hRoots = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_ROOTS);
      int Sel = DROPDOWN_GetSel(hRoots);
      if (Sel >= 0 && !DROPDOWN_GetItemText(hRoots, (unsigned)Sel, c.pInfo->pRoot, CHOOSEFILE_MAXLEN)) {
        _ReadFolder(hFrame, c.pInfo);
        _EnableOk(hFrame, false);
      }
    }
    break;
  case CHOOSEFILE_ID_LIST:
    if (Code == WM_NOTIFICATION_SEL_CHANGED) {
      _EnableOk(hFrame, true);
    } else if (Code == WM_NOTIFICATION_CLICKED || Code == WM_NOTIFICATION_RELEASED) {
      _OnListClick(hFrame, c, Code);
    }
    break;
  }
}

void _OnKey(WM_HWIN hFrame, const GUI_KEY_MSG* pKey) {
  CHOOSEFILE_CONTEXT c;
  if (!pKey || pKey->PressedCnt != 1 || !CHOOSEFILE__GetContext(hFrame, &c) || c.Ended) {
    return;
  }
  switch (pKey->Key) {
  case GUI_KEY_BACKSPACE: _Up(hFrame, c.pInfo); break;
  case GUI_KEY_ENTER: _Confirm(hFrame, c.pInfo); break;
  case GUI_KEY_ESCAPE: _End(hFrame, false); break;
  }
}

void _OnDelete(WM_HWIN hFrame) {
  CHOOSEFILE_CONTEXT c;
  if (!CHOOSEFILE__GetContext(hFrame, &c)) {
    return;
  }
  if (c.hTimer) {
    WM_DeleteTimer(c.hTimer);
  }
  if (c.hToolTip) {
    WM_TOOLTIP_Delete(c.hToolTip);
  }
  c.hTimer = c.hToolTip = 0;
  _SetContext(hFrame, c);
}

void _cbChooser(WM_MESSAGE* pMsg) {
  WM_HWIN hFrame = pMsg->hWin;
  switch (pMsg->MsgId) {
  case WM_PAINT:
    return;
  case WM_NOTIFY_PARENT:
    if (pMsg->hWinSrc) {
      _OnNotify(hFrame, pMsg->hWinSrc, (int)pMsg->Data.v);
    }
    return;
  case WM_KEY:
    _OnKey(hFrame, (const GUI_KEY_MSG*)pMsg->Data.p);
    break;
  case WM_TIMER: {
    CHOOSEFILE_CONTEXT c;
    if (CHOOSEFILE__GetContext(hFrame, &c) && c.hTimer == (GUI_HMEM)pMsg->Data.v) {
      WM_DeleteTimer(c.hTimer);
      c.hTimer = 0;
      _SetContext(hFrame, c);
    }
    return;
  }
  case WM_SIZE:
    CHOOSEFILE__Layout(hFrame);
    break;
  case WM_DELETE:
    _OnDelete(hFrame);
    break;
  }
  WM_DefaultProc(pMsg);
}

} // namespace

char CHOOSEFILE__Delim = '\\';
int CHOOSEFILE__TopMode = 0;

bool CHOOSEFILE__GetContext(WM_HWIN hFrame, CHOOSEFILE_CONTEXT* p) {
  if (!hFrame || FRAMEWIN_GetUserData(hFrame, p, sizeof(*p)) != (int)sizeof(*p)) {
    return false;
  }
  return p->Tag == CHOOSEFILE_TAG && p->pInfo;
}

WM_HWIN CHOOSEFILE__Item(WM_HWIN hFrame, int Id) {
  return WM_FindChildById(WM_GetClientWindow(hFrame), Id);
}

WM_HWIN CHOOSEFILE_Create(WM_HWIN hParent, int x0, int y0, int xSize, int ySize, const char* const* apRoot,
                          int NumRoot, int SelRoot, const char* sCaption, int Flags, CHOOSEFILE_INFO* pInfo) {
  if (!pInfo || !pInfo->pfGetData || !apRoot || NumRoot < 1) {
    return 0;
  }
  WM__LockGuard Lock;
  for (int i = 0; i < NumRoot; i++) { // a root that does not fit could never be shown whole
    size_t n = apRoot[i] ? strlen(apRoot[i]) : 0;
    if (!n || n + (apRoot[i][n - 1] != CHOOSEFILE__Delim) >= CHOOSEFILE_MAXLEN) {
      return 0;
    }
  }
  GUI__DialogDefaultRect(&x0, &y0, &xSize, &ySize);
  const WIDGET_CREATE_INFO aCreate[] = {
      {FRAMEWIN_CreateIndirect, sCaption ? sCaption : "Choose File", 0, (I16)x0, (I16)y0, (I16)xSize, (I16)ySize,
       (U16)Flags, 0, sizeof(CHOOSEFILE_CONTEXT)},
      {DROPDOWN_CreateIndirect, nullptr, CHOOSEFILE_ID_ROOTS, 0, 0, 100, 19, 0, 0, 0},
      {BUTTON_CreateIndirect, nullptr, CHOOSEFILE_ID_UP, 0, 0, 25, 19, 0, 0, 0},
      {BUTTON_CreateIndirect, nullptr, CHOOSEFILE_ID_OK, 0, 0, 25, 19, 0, 0, 0},
      {BUTTON_CreateIndirect, nullptr, CHOOSEFILE_ID_CANCEL, 0, 0, 25, 19, 0, 0, 0},
      {LISTVIEW_CreateIndirect, nullptr, CHOOSEFILE_ID_LIST, 0, 0, 100, 100, 0, 0, 0},
  };
  WM_HWIN hFrame = GUI_CreateDialogBox(aCreate, 6, _cbChooser, hParent, 0, 0);
  if (!hFrame) {
    return 0;
  }
  CHOOSEFILE_CONTEXT c = {};
  for (int i = 0; i < 3; i++) {
    WM_HWIN hButton = CHOOSEFILE__Item(hFrame, _ButtonId(i));
    BUTTON_SetTextColor(hButton, BUTTON_CI_DISABLED, 0xBBBBBB);
    if (_aHasDefaultText[i]) {
      BUTTON_SetText(hButton, _aacDefaultText[i]);
    } else {
      CHOOSEFILE__SetImages(hButton, i);
      c.HasImage[i] = 1;
    }
  }
  WM_HWIN hRoots = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_ROOTS);
  const DROPDOWN_OBJ* pRoots = (const DROPDOWN_OBJ*)WM_H2P(hRoots);
  int FontHeight = pRoots->Props.pFont ? GUI_GetYSizeOfFont(pRoots->Props.pFont) : 13;
  DROPDOWN_SetListHeight(hRoots, (unsigned)((NumRoot < 8 ? NumRoot : 8) * FontHeight + 4));
  for (int i = 0; i < NumRoot; i++) {
    char ac[CHOOSEFILE_MAXLEN];
    size_t n = strlen(apRoot[i]);
    memcpy(ac, apRoot[i], n + 1);
    if (ac[n - 1] != CHOOSEFILE__Delim) {
      ac[n] = CHOOSEFILE__Delim;
      ac[n + 1] = 0;
    }
    DROPDOWN_AddString(hRoots, ac);
  }
  DROPDOWN_SetSel(hRoots, SelRoot);
  WM_HWIN hList = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_LIST);
  LISTVIEW_SetAutoScrollV(hList, 1);
  LISTVIEW_SetAutoScrollH(hList, 1);
  LISTVIEW_SetGridVis(hList, 1);
  LISTVIEW_SetLBorder(hList, 3);
  LISTVIEW_AddColumn(hList, 40, "Name", GUI_TA_LEFT | GUI_TA_VCENTER);
  LISTVIEW_AddColumn(hList, 20, "Size", GUI_TA_RIGHT | GUI_TA_VCENTER);
  LISTVIEW_AddColumn(hList, 20, "Type", GUI_TA_LEFT | GUI_TA_VCENTER);
  LISTVIEW_AddColumn(hList, 20, "Attrib", GUI_TA_LEFT | GUI_TA_VCENTER);
  for (unsigned Col = 0; Col < 4; Col++) {
    LISTVIEW_SetCompareFunc(hList, Col, Col == 1 ? CHOOSEFILE__CompareSize : LISTVIEW_CompareText);
  }
  LISTVIEW_EnableSort(hList);
  LISTVIEW_SetSort(hList, 0, 1);
  HEADER_SetTextAlign(LISTVIEW_GetHeader(hList), 1, GUI_TA_LEFT);
  if (DROPDOWN_GetItemText(hRoots, (unsigned)DROPDOWN_GetSel(hRoots), pInfo->pRoot, CHOOSEFILE_MAXLEN)) {
    pInfo->pRoot[0] = 0;
  }
  c.Tag = CHOOSEFILE_TAG;
  c.pInfo = pInfo;
  c.ClickRow = -1;
  if (_ToolTipsOn) {
    c.hToolTip = WM_TOOLTIP_Create(WM_GetClientWindow(hFrame), _pToolTips, (unsigned)_NumToolTips);
  }
  _SetContext(hFrame, c);
  _ReadFolder(hFrame, pInfo);
  CHOOSEFILE__Layout(hFrame);
  _EnableOk(hFrame, false);
  return WM_IsWindow(hFrame) ? hFrame : 0;
}

void CHOOSEFILE_SetButtonText(WM_HWIN hFrame, unsigned Index, const char* pText) {
  WM__LockGuard Lock;
  CHOOSEFILE_CONTEXT c;
  if (Index > 2 || !pText || !CHOOSEFILE__GetContext(hFrame, &c)) {
    return;
  }
  WM_HWIN hButton = CHOOSEFILE__Item(hFrame, _ButtonId((int)Index));
  for (unsigned i = 0; i < 3; i++) {
    BUTTON_SetDrawCallback(hButton, i, nullptr);
  }
  BUTTON_SetText(hButton, pText);
  c.HasImage[Index] = 0;
  _SetContext(hFrame, c);
  CHOOSEFILE__Layout(hFrame);
}

void CHOOSEFILE_SetDefaultButtonText(unsigned Index, const char* pText) {
  WM__LockGuard Lock;
  if (Index > 2) {
    return;
  }
  _aHasDefaultText[Index] = pText != nullptr;
  snprintf(_aacDefaultText[Index], sizeof(_aacDefaultText[Index]), "%s", pText ? pText : "");
}

char CHOOSEFILE_SetDelim(char Delim) {
  return WIDGET__SetDefault(&CHOOSEFILE__Delim, Delim);
}

void CHOOSEFILE_SetToolTips(const TOOLTIP_INFO* pTable, int NumItems) {
  WM__LockGuard Lock;
  bool Own = pTable && NumItems > 0;
  _pToolTips = Own ? pTable : _aDefaultToolTips;
  _NumToolTips = Own ? NumItems : 4;
}

void CHOOSEFILE_SetTopMode(int OnOff) {
  WIDGET__SetDefault(&CHOOSEFILE__TopMode, OnOff ? 1 : 0);
}

void CHOOSEFILE_EnableToolTips(int OnOff) {
  WIDGET__SetDefault(&_ToolTipsOn, OnOff ? 1 : 0);
}
