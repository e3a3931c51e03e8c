// FRAMEWIN: title-bar buttons. Square buttons of the title height at either end of the title bar; the close,
// maximise and minimise buttons draw their symbols and act when the frame reflects their release to them.
#include "BUTTON.h"
#include "FRAMEWIN.h"

namespace {

WM_HWIN _FrameOf(WM_HWIN hButton) {
  return WM_GetParent(hButton);
}

void _Inside(GUI_RECT* pRect) {
  WM_GetInsideRect(pRect);
}

void _DrawClose(WM_HWIN) {
  GUI_RECT r;
  _Inside(&r);
  GUI_SetColor(0x000000);
  int Size = r.x1 - r.x0 + 1;
  for (int i = 2; i < Size - 2; i++) {
    GUI_DrawHLine(r.y0 + i, r.x0 + i, r.x0 + i + 1);
    GUI_DrawHLine(r.y0 + i, r.x1 - i - 1, r.x1 - i);
  }
}

void _DrawWindowOutline(int x0, int y0, int x1, int y1) {
  GUI_DrawRect(x0, y0, x1, y1);
  GUI_DrawHLine(y0 + 1, x0, x1);
}

void _DrawMax(WM_HWIN hButton) {
  GUI_RECT r;
  _Inside(&r);
  GUI_SetColor(0x000000);
  int w = r.x1 - r.x0 + 1, h = r.y1 - r.y0 + 1;
  if (FRAMEWIN_IsMaximized(_FrameOf(hButton))) {
    int sw = w * 2 / 3 - 1, sh = h * 2 / 3 - 1;
    _DrawWindowOutline(r.x1 - sw - 1, r.y0 + 1, r.x1 - 1, r.y0 + sh);
    _DrawWindowOutline(r.x0 + 1, r.y1 - sh, r.x0 + sw, r.y1 - 1);
  } else {
    _DrawWindowOutline(r.x0 + 1, r.y0 + 1, r.x1 - 1, r.y1 - 1);
  }
}

void _DrawMin(WM_HWIN hButton) {
  GUI_RECT r;
  _Inside(&r);
  GUI_SetColor(0x000000);
  int h = r.y1 - r.y0 + 1;
  int xm = (r.x0 + r.x1) / 2;
  int yBase = r.y1 - h / 4;
  int n = h / 2;
  bool Down = FRAMEWIN_IsMinimized(_FrameOf(hButton));
  for (int i = 0; i < n; i++) {
    int y = Down ? yBase - n + 1 + i : yBase - i; // rows from the bottom
    int Half = n - 1 - i;
    GUI_DrawHLine(y, xm - Half, xm + Half);
  }
}

// The predefined buttons act on the reflection of their release; all else is the button's.
void _cbTitleButton(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_NOTIFY_REFLECTION) {
    BUTTON_Callback(pMsg);
    return;
  }
  WM_HWIN hFrame = pMsg->hWinSrc;
  switch (WM_GetId(pMsg->hWin)) {
  case GUI_ID_CLOSE:
    GUI_EndDialog(hFrame, 0);
    break;
  case GUI_ID_MAXIMIZE:
    FRAMEWIN_IsMaximized(hFrame) ? FRAMEWIN_Restore(hFrame) : FRAMEWIN_Maximize(hFrame);
    break;
  case GUI_ID_MINIMIZE:
    FRAMEWIN_IsMinimized(hFrame) ? FRAMEWIN_Restore(hFrame) : FRAMEWIN_Minimize(hFrame);
    break;
  }
}

WM_HWIN _AddPredefined(WM_HWIN hObj, int Flags, int Off, int Id, GUI_DRAWOBJ_USER_FUNC* pfDraw) {
  WM_HWIN hButton = FRAMEWIN_AddButton(hObj, Flags, Off, Id);
  if (hButton) {
    BUTTON_SetSelfDraw(hButton, 0, pfDraw);
    WM_SetCallback(hButton, _cbTitleButton);
  }
  return hButton;
}

} // namespace

WM_HWIN FRAMEWIN_AddButton(WM_HWIN hObj, int Flags, int Off, int Id) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&FRAMEWIN__Type, hObj)) {
    return 0;
  }
  FRAMEWIN_POS Pos;
  FRAMEWIN__CalcPositions(hObj, &Pos);
  int Side = FRAMEWIN_GetTitleHeight(hObj);
  int y = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_TOP);
  I64 x;
  U32 Style;
  if (Flags & FRAMEWIN_BUTTON_RIGHT) {
    x = (I64)Pos.rTitle.x1 - Side - Off + 1;
    Style = WM_CF_SHOW | WM_STATUS_ANCHOR_RIGHT;
  } else {
    x = (I64)Pos.rTitle.x0 + Off;
    Style = WM_CF_SHOW | ((Flags & FRAMEWIN_BUTTON_LEFT) ? WM_STATUS_ANCHOR_LEFT : 0);
  }
  x = WIDGET__Limit<I64>(x, -Side, WM_GetWindowSizeX(hObj)); // an offset of any size at most leaves the frame
  WM_HWIN hButton = BUTTON_Create((int)x, y, Side, Side, hObj, Id, (int)Style);
  if (hButton) {
    BUTTON_SetFocusable(hButton, 0);
    if (!(WIDGET_GetState(hObj) & FRAMEWIN_STATE_TITLEVISIBLE)) {
      WM_HideWindow(hButton);
    }
  }
  WM_InvalidateWindow(hObj);
  return hButton;
}

WM_HWIN FRAMEWIN_AddCloseButton(WM_HWIN hObj, int Flags, int Off) {
  return _AddPredefined(hObj, Flags, Off, GUI_ID_CLOSE, _DrawClose);
}

WM_HWIN FRAMEWIN_AddMaxButton(WM_HWIN hObj, int Flags, int Off) {
  return _AddPredefined(hObj, Flags, Off, GUI_ID_MAXIMIZE, _DrawMax);
}

WM_HWIN FRAMEWIN_AddMinButton(WM_HWIN hObj, int Flags, int Off) {
  return _AddPredefined(hObj, Flags, Off, GUI_ID_MINIMIZE, _DrawMin);
}

void FRAMEWIN__UpdateButtons(WM_HWIN hObj) {
  int Visible = WIDGET_GetState(hObj) & FRAMEWIN_STATE_TITLEVISIBLE;
  int T = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_TOP);
  int y0 = WM_GetWindowPosY(hObj);
  for (WM_HWIN h = WM_GetFirstChild(hObj); h; h = WM_GetNextSibling(h)) {
    const FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
    if (h == pObj->hClient || h == pObj->hMenu || WM_GetWindowPosY(h) - y0 != T) {
      continue;
    }
    Visible ? WM_ShowWindow(h) : WM_HideWindow(h);
  }
}
