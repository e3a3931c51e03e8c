// FRAMEWIN: the geometry (title, menu and client rectangles from the skin's border sizes), the re-layout
// after every change, and the size states: minimised to the title bar, maximised to the parent, restored.
#include "FRAMEWIN.h"

#include "LCD.h"
#include "MENU.h"

namespace {

bool _IsTitleButton(const FRAMEWIN_OBJ* pObj, WM_HWIN hChild, int yTop, int y0Frame) {
  if (hChild == pObj->hClient || hChild == pObj->hMenu) {
    return false;
  }
  return WM_H2P(hChild)->Rect.y0 - y0Frame == yTop;
}

void _SetVisible(WM_HWIN hWin, int OnOff) {
  if (hWin && WM__IsWindow(hWin)) {
    OnOff ? WM_ShowWindow(hWin) : WM_HideWindow(hWin);
  }
}

void _InvalidateSizeButtons(WM_HWIN hObj) {
  for (WM_HWIN h = WM_GetFirstChild(hObj); h; h = WM_GetNextSibling(h)) {
    int Id = WM_GetId(h);
    if (Id == GUI_ID_MAXIMIZE || Id == GUI_ID_MINIMIZE) {
      WM_InvalidateWindow(h);
    }
  }
}

FRAMEWIN_OBJ* _Get(WM_HWIN hObj) {
  return (FRAMEWIN_OBJ*)WIDGET__GetObj(&FRAMEWIN__Type, hObj);
}

} // namespace

int FRAMEWIN__GetBorderSize(WM_HWIN hObj, int Edge) {
  const WIDGET_SKIN* pSkin = FRAMEWIN__Obj(hObj)->pSkin;
  const FRAMEWIN_SKIN_PRIVATE* p = pSkin ? (const FRAMEWIN_SKIN_PRIVATE*)pSkin->pSkinPrivate : nullptr;
  return p && p->pfGetBorderSize ? p->pfGetBorderSize(hObj, Edge) : 0;
}

int FRAMEWIN__CalcTitleHeight(const FRAMEWIN_OBJ* pObj) {
  if (!(pObj->Widget.State & FRAMEWIN_STATE_TITLEVISIBLE)) {
    return 0;
  }
  return pObj->Props.TitleHeight ? pObj->Props.TitleHeight : GUI_GetYSizeOfFont(pObj->Props.pFont) + 2;
}

void FRAMEWIN__CalcPositions(WM_HWIN hObj, FRAMEWIN_POS* pPos) {
  const FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
  int L = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_LEFT);
  int T = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_TOP);
  int R = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_RIGHT);
  int B = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_BOTTOM);
  pObj = FRAMEWIN__Obj(hObj);
  const GUI_RECT& r = pObj->Widget.Win.Rect;
  int xSize = r.x1 - r.x0 + 1, ySize = r.y1 - r.y0 + 1;
  bool TitleVisible = pObj->Widget.State & FRAMEWIN_STATE_TITLEVISIBLE;
  pPos->TitleHeight = (I16)FRAMEWIN__CalcTitleHeight(pObj);
  pPos->MenuHeight = (I16)(pObj->hMenu && WM__IsWindow(pObj->hMenu) ? WM_GetWindowSizeY(pObj->hMenu) : 0);
  pPos->rClient = {(I16)L, (I16)(T + pPos->TitleHeight + pPos->MenuHeight + (TitleVisible ? pObj->Props.IBorderSize : 0)),
                   (I16)(xSize - R - 1), (I16)(ySize - B - 1)};
  pPos->rTitle = {(I16)L, (I16)T, (I16)(xSize - R - 1), (I16)(T + pPos->TitleHeight - 1)};
  for (WM_HWIN h = pObj->Widget.Win.hFirstChild; h; h = WM_H2P(h)->hNext) {
    if (!_IsTitleButton(pObj, h, T, r.y0)) {
      continue;
    }
    const WM_OBJ* pChild = WM_H2P(h);
    int cx0 = pChild->Rect.x0 - r.x0, cx1 = pChild->Rect.x1 - r.x0;
    if (pChild->Status & WM_STATUS_ANCHOR_RIGHT) {
      if (cx0 - 1 < pPos->rTitle.x1) {
        pPos->rTitle.x1 = (I16)(cx0 - 1);
      }
    } else if (cx1 + 1 > pPos->rTitle.x0) {
      pPos->rTitle.x0 = (I16)(cx1 + 1);
    }
  }
}

void FRAMEWIN__UpdatePositions(WM_HWIN hObj) {
  FRAMEWIN_POS Pos;
  FRAMEWIN__CalcPositions(hObj, &Pos);
  FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
  WM_HWIN hClient = pObj->hClient, hMenu = pObj->hMenu;
  int w = Pos.rClient.x1 - Pos.rClient.x0 + 1, h = Pos.rClient.y1 - Pos.rClient.y0 + 1;
  if (hClient && WM__IsWindow(hClient)) {
    WM_MoveChildTo(hClient, Pos.rClient.x0, Pos.rClient.y0);
    // A client without room keeps one pixel: a size of 0 would mean the parent's size.
    WM_SetSize(hClient, w > 0 ? w : 1, h > 0 ? h : 1);
  }
  if (hMenu && WM__IsWindow(hMenu)) {
    WM_MoveChildTo(hMenu, Pos.rClient.x0, Pos.rClient.y0 - Pos.MenuHeight);
  }
}

// Children anchored to one side follow a change of title height and borders: resized by the change in
// title height, moved down by the change of the top border and sideways by the change of their border.
void FRAMEWIN__FollowLayout(WM_HWIN hObj, int TitleHeight, int L, int R, int T) {
  FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
  int dH = FRAMEWIN__CalcTitleHeight(pObj) - TitleHeight;
  int dL = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_LEFT) - L;
  int dR = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_RIGHT) - R;
  int dT = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_TOP) - T;
  if (dH || dL || dR || dT) {
    int AccuRight = 0, AccuLeft = 0;
    for (WM_HWIN h = WM_GetFirstChild(hObj); h; h = WM_GetNextSibling(h)) {
      U32 Anchor = WM_H2P(h)->Status & (WM_STATUS_ANCHOR_LEFT | WM_STATUS_ANCHOR_RIGHT);
      if (h == FRAMEWIN__Obj(hObj)->hClient || h == FRAMEWIN__Obj(hObj)->hMenu) {
        continue;
      }
      if (Anchor == WM_STATUS_ANCHOR_RIGHT) {
        WM_SetSize(h, WM_GetWindowSizeX(h) + dH, WM_GetWindowSizeY(h) + dH);
        WM_MoveWindow(h, -dR - AccuRight, dT); // a right-anchored window grows to the left
        AccuRight += dH;
      } else if (Anchor == WM_STATUS_ANCHOR_LEFT) {
        WM_SetSize(h, WM_GetWindowSizeX(h) + dH, WM_GetWindowSizeY(h) + dH);
        WM_MoveWindow(h, dL + AccuLeft, dT);
        AccuLeft += dH;
      }
    }
  }
  FRAMEWIN__UpdatePositions(hObj);
  WM_InvalidateWindow(hObj);
}

// Entering the minimized or maximized state (Flag), leaving the other one first; the size to restore is kept.
// -> the record, or null for no frame window or one in that state already.
static FRAMEWIN_OBJ* _EnterSizeState(WM_HWIN hObj, U16 Flag, U16 Other) {
  FRAMEWIN_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return nullptr;
  }
  if (pObj->Flags & Other) {
    FRAMEWIN_Restore(hObj);
    pObj = FRAMEWIN__Obj(hObj);
  }
  if (pObj->Flags & Flag) {
    return nullptr;
  }
  WM_GetWindowRect(hObj, &pObj->rRestore);
  pObj->Flags |= Flag;
  return pObj;
}

void FRAMEWIN_Minimize(WM_HWIN hObj) {
  WM__LockGuard Lock;
  FRAMEWIN_OBJ* pObj = _EnterSizeState(hObj, FRAMEWIN_SF_MINIMIZED, FRAMEWIN_SF_MAXIMIZED);
  if (!pObj) {
    return;
  }
  _SetVisible(pObj->hClient, 0);
  _SetVisible(FRAMEWIN__Obj(hObj)->hMenu, 0);
  pObj = FRAMEWIN__Obj(hObj);
  int Height = FRAMEWIN__CalcTitleHeight(pObj) + 2 * (pObj->Widget.pEffect->EffectSize + 1);
  WM__ResizeWindow(hObj, 0, Height - WM_GetWindowSizeY(hObj));
  FRAMEWIN__UpdatePositions(hObj);
  _InvalidateSizeButtons(hObj);
  WM_InvalidateWindow(hObj);
}

void FRAMEWIN_Maximize(WM_HWIN hObj) {
  WM__LockGuard Lock;
  FRAMEWIN_OBJ* pObj = _EnterSizeState(hObj, FRAMEWIN_SF_MAXIMIZED, FRAMEWIN_SF_MINIMIZED);
  if (!pObj) {
    return;
  }
  WM_HWIN hParent = WM_GetParent(hObj);
  if (hParent) {
    GUI_RECT r;
    WM_GetWindowRect(hParent, &r);
    if (!WM_GetParent(hParent)) { // a top window reaches to the display's last column and row
      r.x1 = (I16)(LCD_GetXSize() - 1);
      r.y1 = (I16)(LCD_GetYSize() - 1);
    }
    WM_SetWindowPos(hObj, r.x0, r.y0, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1);
  }
  FRAMEWIN__UpdatePositions(hObj);
  _InvalidateSizeButtons(hObj);
  WM_InvalidateWindow(hObj);
}

void FRAMEWIN_Restore(WM_HWIN hObj) {
  WM__LockGuard Lock;
  FRAMEWIN_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return;
  }
  if (pObj->Flags & FRAMEWIN_SF_MINIMIZED) {
    int Height = pObj->rRestore.y1 - pObj->rRestore.y0 + 1;
    pObj->Flags &= (U16)~FRAMEWIN_SF_MINIMIZED;
    WM__ResizeWindow(hObj, 0, Height - WM_GetWindowSizeY(hObj));
    _SetVisible(FRAMEWIN__Obj(hObj)->hClient, 1);
    _SetVisible(FRAMEWIN__Obj(hObj)->hMenu, 1);
    FRAMEWIN__UpdatePositions(hObj);
  }
  pObj = FRAMEWIN__Obj(hObj);
  if (pObj->Flags & FRAMEWIN_SF_MAXIMIZED) {
    GUI_RECT r = pObj->rRestore;
    pObj->Flags &= (U16)~FRAMEWIN_SF_MAXIMIZED;
    WM_SetWindowPos(hObj, r.x0, r.y0, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1);
    FRAMEWIN__UpdatePositions(hObj);
  }
  _InvalidateSizeButtons(hObj);
  WM_InvalidateWindow(hObj);
}

void FRAMEWIN_AddMenu(WM_HWIN hObj, WM_HWIN hMenu) {
  WM__LockGuard Lock;
  FRAMEWIN_OBJ* pObj = (FRAMEWIN_OBJ*)WIDGET__GetObj(&FRAMEWIN__Type, hObj);
  if (!pObj || !hMenu || !WM__IsWindow(hMenu)) {
    return;
  }
  pObj->hMenu = hMenu;
  if (pObj->cb) {
    MENU_SetOwner(hMenu, pObj->hClient); // menu messages reach the dialog procedure
  }
  int L = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_LEFT), R = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_RIGHT);
  int T = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_TOP);
  pObj = FRAMEWIN__Obj(hObj);
  bool TitleVisible = pObj->Widget.State & FRAMEWIN_STATE_TITLEVISIBLE;
  int y = T + (TitleVisible ? pObj->Props.IBorderSize : 0) + FRAMEWIN__CalcTitleHeight(pObj);
  MENU_Attach(hMenu, hObj, L, y, WM_GetWindowSizeX(hObj) - L - R, 0);
  WM_SetStayOnTop(hMenu, 0);
  WM_SetAnchor(hMenu, WM_STATUS_ANCHOR_LEFT | WM_STATUS_ANCHOR_RIGHT);
  FRAMEWIN__UpdatePositions(hObj);
  WM_InvalidateWindow(hObj);
}
