// CHOOSECOLOR: creation of the dialog, its callback with the key, pointer and button handling, and the
// selection. The context is read from the frame window's user data and written back whole.
#include "CHOOSECOLOR.h"

#include "BUTTON.h"
#include "FRAMEWIN.h"

namespace {

CHOOSECOLOR_PROPS _DefaultProps = {{5, 5}, {4, 4}, {80, 20}, {0x808080, 0x000000}};

bool _GetContext(WM_HWIN hFrame, CHOOSECOLOR_CONTEXT* p) {
  if (!hFrame || FRAMEWIN_GetUserData(hFrame, p, sizeof(*p)) != (int)sizeof(*p)) {
    return false;
  }
  return p->Tag == CHOOSECOLOR_TAG && p->NumColorsPerLine >= 1 && p->NumColors >= 1 && p->pColors;
}

void _SetContext(WM_HWIN hFrame, const CHOOSECOLOR_CONTEXT& c) {
  FRAMEWIN_SetUserData(hFrame, &c, sizeof(c));
}

bool _GetGrid(WM_HWIN hFrame, const CHOOSECOLOR_CONTEXT& c, CHOOSECOLOR_GRID* pGrid, WM_HWIN* phClient) {
  WM_HWIN hClient = WM_GetClientWindow(hFrame);
  if (!hClient) {
    return false;
  }
  CHOOSECOLOR__GetGrid(&c, WM_GetWindowSizeX(hClient), WM_GetWindowSizeY(hClient), pGrid);
  *phClient = hClient;
  return true;
}

void _InvalidateCell(WM_HWIN hClient, const CHOOSECOLOR_CONTEXT& c, const CHOOSECOLOR_GRID& g, int Index) {
  if (Index >= 0 && Index < c.NumColors) {
    GUI_RECT r = CHOOSECOLOR__CellRect(&c, g, Index);
    r = {(I16)(r.x0 - 2), (I16)(r.y0 - 2), (I16)(r.x1 + 2), (I16)(r.y1 + 2)};
    WM_InvalidateRect(hClient, &r);
  }
}

// Stores the selection; Notify: the frame tells its parent.
void _Select(WM_HWIN hFrame, int Sel, bool Notify) {
  CHOOSECOLOR_CONTEXT c;
  CHOOSECOLOR_GRID g;
  WM_HWIN hClient;
  if (!_GetContext(hFrame, &c) || Sel == c.Sel || Sel >= c.NumColors || !_GetGrid(hFrame, c, &g, &hClient)) {
    return;
  }
  _InvalidateCell(hClient, c, g, c.Sel);
  _InvalidateCell(hClient, c, g, Sel);
  c.Sel = Sel;
  _SetContext(hFrame, c);
  if (Notify) {
    WIDGET__NotifyParent(hFrame, WM_NOTIFICATION_SEL_CHANGED);
  }
}

void _End(WM_HWIN hFrame, bool Confirm) {
  CHOOSECOLOR_CONTEXT c;
  if (!_GetContext(hFrame, &c) || c.Ended) {
    return; // Enter on the OK button also releases it: the dialog ends once
  }
  c.Ended = 1;
  _SetContext(hFrame, c);
  // A parent that deletes the dialog when told of the choice has ended it already.
  if (Confirm && c.Sel != c.SelOld && !WIDGET__NotifyParent(hFrame, CHOOSECOLOR_NOTIFICATION_CONFIRMED)) {
    return;
  }
  GUI_EndDialog(hFrame, Confirm ? 0 : 1);
}

void _OnKey(WM_HWIN hFrame, const GUI_KEY_MSG* pKey) {
  CHOOSECOLOR_CONTEXT c;
  if (!pKey || pKey->PressedCnt <= 0 || !_GetContext(hFrame, &c)) {
    return;
  }
  int Sel = c.Sel < 0 ? 0 : c.Sel, n = c.NumColorsPerLine, Last = c.NumColors - 1;
  switch (pKey->Key) {
  case GUI_KEY_ENTER: _End(hFrame, true); return;
  case GUI_KEY_ESCAPE: _End(hFrame, false); return;
  case GUI_KEY_LEFT: Sel = Sel > 0 ? Sel - 1 : Last; break;
  case GUI_KEY_RIGHT: Sel = Sel < Last ? Sel + 1 : 0; break;
  case GUI_KEY_UP: Sel = Sel >= n ? Sel - n : Sel; break;
  case GUI_KEY_DOWN: Sel = Sel < c.NumColors - n ? Sel + n : Sel; break;
  default: return;
  }
  _Select(hFrame, Sel, true);
}

void _OnPress(WM_HWIN hFrame, const WM_POINTER_STATE_CHANGE* pInfo) {
  CHOOSECOLOR_CONTEXT c;
  CHOOSECOLOR_GRID g;
  WM_HWIN hClient;
  if (!pInfo || !pInfo->Pressed || !_GetContext(hFrame, &c) || !_GetGrid(hFrame, c, &g, &hClient)) {
    return;
  }
  int Index = CHOOSECOLOR__CellAt(&c, g, pInfo->x, pInfo->y);
  if (Index >= 0) {
    _Select(hFrame, Index, true);
  }
}

void _cbChooser(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_PAINT: {
    WM_HWIN hClient = pMsg->hWin; // painting comes with the client's handle
    CHOOSECOLOR_CONTEXT c;
    if (_GetContext(WM_GetParent(hClient), &c)) {
      CHOOSECOLOR__Paint(&c, WM_GetWindowSizeX(hClient), WM_GetWindowSizeY(hClient));
    }
    return;
  }
  case WM_KEY:
    _OnKey(pMsg->hWin, (const GUI_KEY_MSG*)pMsg->Data.p);
    return;
  case WM_POINTER_STATE_CHANGED:
    _OnPress(pMsg->hWin, (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p);
    break;
  case WM_NOTIFY_PARENT:
    if (pMsg->Data.v == WM_NOTIFICATION_RELEASED && pMsg->hWinSrc) {
      int Id = WM_GetId(pMsg->hWinSrc);
      if (Id == CHOOSECOLOR_ID_OK || Id == CHOOSECOLOR_ID_CANCEL) {
        _End(pMsg->hWin, Id == CHOOSECOLOR_ID_OK);
      }
    }
    return;
  }
  WM_DefaultProc(pMsg);
}

} // namespace

WM_HWIN CHOOSECOLOR_Create(WM_HWIN hParent, int x0, int y0, int xSize, int ySize, const GUI_COLOR* pColors,
                           unsigned NumColors, unsigned NumColorsPerLine, int Sel, const char* sCaption, int Flags) {
  // No colour per line would divide by zero; more colours than a 16-bit grid can place are refused too.
  if (!pColors || NumColorsPerLine < 1 || NumColorsPerLine > NumColors || NumColors > 0x7FFF) {
    return 0;
  }
  WM__LockGuard Lock;
  const CHOOSECOLOR_PROPS Props = _DefaultProps;
  GUI__DialogDefaultRect(&x0, &y0, &xSize, &ySize);
  I16 bx = (I16)Props.aButtonSize[0], by = (I16)Props.aButtonSize[1];
  const WIDGET_CREATE_INFO aCreate[] = {
      {FRAMEWIN_CreateIndirect, sCaption ? sCaption : "Choose Color", 0, (I16)x0, (I16)y0, (I16)xSize, (I16)ySize,
       (U16)Flags, 0, sizeof(CHOOSECOLOR_CONTEXT)},
      {BUTTON_CreateIndirect, "OK", CHOOSECOLOR_ID_OK, 0, 0, bx, by, 0, 0, 0},
      {BUTTON_CreateIndirect, "Cancel", CHOOSECOLOR_ID_CANCEL, 0, 0, bx, by, 0, 0, 0},
  };
  WM_HWIN hFrame = GUI_CreateDialogBox(aCreate, 3, _cbChooser, hParent, 0, 0);
  if (!hFrame) {
    return 0;
  }
  WM_HWIN hClient = WM_GetClientWindow(hFrame);
  int x1 = WM_GetWindowSizeX(hClient) - 1, y1 = WM_GetWindowSizeY(hClient) - 1;
  int yButtons = y1 - Props.aBorder[1] - Props.aButtonSize[1];
  WM_MoveChildTo(WM_FindChildById(hClient, CHOOSECOLOR_ID_OK), (x1 - 2 * Props.aButtonSize[0] - Props.aBorder[0]) / 2,
                 yButtons);
  WM_MoveChildTo(WM_FindChildById(hClient, CHOOSECOLOR_ID_CANCEL),
                 (x1 - 2 * Props.aButtonSize[0] - Props.aSpace[0]) / 2 + Props.aBorder[0] + Props.aButtonSize[0],
                 yButtons);
  CHOOSECOLOR_CONTEXT c = {};
  c.Tag = CHOOSECOLOR_TAG;
  c.pColors = pColors;
  c.NumColors = (I32)NumColors;
  c.NumColorsPerLine = (I32)NumColorsPerLine;
  c.Sel = c.SelOld = (Sel >= 0 && Sel < (int)NumColors) ? Sel : -1;
  c.hParent = hParent;
  c.Props = Props;
  _SetContext(hFrame, c);
  WM_InvalidateWindow(hClient);
  return hFrame;
}

int CHOOSECOLOR_GetSel(WM_HWIN hFrame) {
  WM__LockGuard Lock;
  CHOOSECOLOR_CONTEXT c;
  return _GetContext(hFrame, &c) ? c.Sel : -1;
}

void CHOOSECOLOR_SetSel(WM_HWIN hFrame, int Sel) {
  WM__LockGuard Lock;
  _Select(hFrame, Sel < 0 ? -1 : Sel, false);
}

// Sizes stay within the 16-bit coordinate range, so that the grid arithmetic cannot overflow.
void CHOOSECOLOR_SetDefaultBorder(unsigned Coord, unsigned Value) {
  if (Coord < 2 && Value <= 0x7FFF) {
    WIDGET__SetDefault(&_DefaultProps.aBorder[Coord], Value);
  }
}

void CHOOSECOLOR_SetDefaultSpace(unsigned Coord, unsigned Value) {
  if (Coord < 2 && Value <= 0x7FFF) {
    WIDGET__SetDefault(&_DefaultProps.aSpace[Coord], Value);
  }
}

void CHOOSECOLOR_SetDefaultButtonSize(unsigned Coord, unsigned Value) {
  if (Coord < 2 && Value <= 0x7FFF) {
    WIDGET__SetDefault(&_DefaultProps.aButtonSize[Coord], Value);
  }
}

void CHOOSECOLOR_SetDefaultColor(unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    WIDGET__SetDefault(&_DefaultProps.aColor[Index], Color);
  }
}
