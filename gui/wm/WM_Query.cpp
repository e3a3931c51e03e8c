// Sizes, anchors, visibility, user data, positions and the selected window.
#include <cstring>

#include "WM_Intern.h"

int WM_SetSize(WM_HWIN hWin, int xSize, int ySize) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_SetSize");
  if (!pWin) {
    return 0;
  }
  WM__ResizeWindow(hWin, WM__ClampInt((I64)xSize - WM__GetRectSizeX(&pWin->Rect)),
                   WM__ClampInt((I64)ySize - WM__GetRectSizeY(&pWin->Rect)));
  return 0;
}

int WM_SetXSize(WM_HWIN hWin, int xSize) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_SetXSize");
  if (!pWin) {
    return 0;
  }
  WM__ResizeWindow(hWin, WM__ClampInt((I64)xSize - WM__GetRectSizeX(&pWin->Rect)), 0);
  return WM__IsWindow(hWin) ? WM__GetRectSizeX(&WM_H2P(hWin)->Rect) : 0;
}

int WM_SetYSize(WM_HWIN hWin, int ySize) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_SetYSize");
  if (!pWin) {
    return 0;
  }
  WM__ResizeWindow(hWin, 0, WM__ClampInt((I64)ySize - WM__GetRectSizeY(&pWin->Rect)));
  return WM__IsWindow(hWin) ? WM__GetRectSizeY(&WM_H2P(hWin)->Rect) : 0;
}

void WM_SetWindowPos(WM_HWIN hWin, int x, int y, int xSize, int ySize) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_SetWindowPos")) {
    return;
  }
  WM_SetSize(hWin, xSize, ySize);
  WM_MoveTo(hWin, x, y);
}

void WM_SetAnchor(WM_HWIN hWin, uint32_t Flags) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_SetAnchor");
  if (!pWin) {
    return;
  }
  if (Flags & ~WM_STATUS_ANCHOR_MASK) {
    GUI_Warn("WM_SetAnchor:\nWrong anchor flags in WM_SetAnchor()");
  }
  pWin->Status = (pWin->Status & ~WM_STATUS_ANCHOR_MASK) | (Flags & WM_STATUS_ANCHOR_MASK);
}

void WM_ShowWindow(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_ShowWindow");
  if (!pWin || (pWin->Status & WM_STATUS_VISIBLE)) {
    return;
  }
  pWin->Status |= WM_STATUS_VISIBLE;
  WM__InvalidateWindowAndDescsEx(hWin);
}

void WM_HideWindow(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_HideWindow");
  if (!pWin || !(pWin->Status & WM_STATUS_VISIBLE)) {
    return;
  }
  pWin->Status &= ~WM_STATUS_VISIBLE;
  if (pWin->hParent) {
    GUI_RECT r = pWin->Rect;
    WM__InvalidateRectEx(&r, pWin->hParent, hWin);
  }
}

int WM_IsVisible(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_IsVisible");
  return pWin ? (pWin->Status & WM_STATUS_VISIBLE) != 0 : 0;
}

static int _Overlaps(WM_HWIN h, const GUI_RECT* pRect) {
  const WM_OBJ* p = WM_H2P(h);
  GUI_RECT r;
  return (p->Status & WM_STATUS_VISIBLE) && WM__IntersectRects(&r, &p->Rect, pRect);
}

int WM_IsCompletelyVisible(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_IsCompletelyVisible");
  if (!pWin) {
    return 0;
  }
  GUI_RECT r = pWin->Rect;
  if (!WM__ClipAtParentBorders(&r, hWin) || WM__RectIsEmpty(&r)) {
    return 0;
  }
  const GUI_RECT rWin = WM_H2P(hWin)->Rect;
  if (r.x0 != rWin.x0 || r.y0 != rWin.y0 || r.x1 != rWin.x1 || r.y1 != rWin.y1) {
    return 0;
  }
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h; h = WM_H2P(h)->hNext) {
    if (_Overlaps(h, &rWin)) {
      return 0;
    }
  }
  for (WM_HWIN hA = hWin; hA; hA = WM_H2P(hA)->hParent) {
    for (WM_HWIN h = WM_H2P(hA)->hNext; h; h = WM_H2P(h)->hNext) {
      if (_Overlaps(h, &rWin)) {
        return 0;
      }
    }
  }
  return 1;
}

// Bytes of the window's block that a copy of Size bytes at Offset may touch; 0 when none.
static int _UserDataSpan(WM_HWIN hWin, int Size, int Offset) {
  if (!WM__IsWindow(hWin) || Size <= 0 || Offset < 0) {
    return 0;
  }
  int Avail = (int)GUI_ALLOC_GetSize(hWin) - Offset;
  int n = Size < Avail ? Size : Avail;
  return n > 0 ? n : 0;
}

int WM__GetUserDataEx(WM_HWIN hWin, void* pDest, int Size, int Offset) {
  if (!hWin) {
    return Size;
  }
  int n = _UserDataSpan(hWin, Size, Offset);
  if (n) {
    memcpy(pDest, (const uint8_t*)WM_H2P(hWin) + Offset, (size_t)n);
  }
  return n;
}

int WM__SetUserDataEx(WM_HWIN hWin, const void* pSrc, int Size, int Offset) {
  if (!hWin) {
    return Size;
  }
  int n = _UserDataSpan(hWin, Size, Offset);
  if (n) {
    memcpy((uint8_t*)WM_H2P(hWin) + Offset, pSrc, (size_t)n);
  }
  return n;
}

int WM_GetUserData(WM_HWIN hWin, void* pDest, int Size) {
  WM__LockGuard Lock;
  if (hWin && !WM__CheckHandle(hWin, "WM_GetUserData")) {
    return 0;
  }
  return WM__GetUserDataEx(hWin, pDest, Size, (int)sizeof(WM_OBJ));
}

int WM_SetUserData(WM_HWIN hWin, const void* pSrc, int Size) {
  WM__LockGuard Lock;
  if (hWin && !WM__CheckHandle(hWin, "WM_SetUserData")) {
    return 0;
  }
  return WM__SetUserDataEx(hWin, pSrc, Size, (int)sizeof(WM_OBJ));
}

int WM__GetRectSizeX(const GUI_RECT* pRect) {
  return pRect->x1 - pRect->x0 + 1;
}

int WM__GetRectSizeY(const GUI_RECT* pRect) {
  return pRect->y1 - pRect->y0 + 1;
}

void WM__GetRelRect(const WM_OBJ* pWin, GUI_RECT* pRect) {
  pRect->x0 = 0;
  pRect->y0 = 0;
  pRect->x1 = WM__ClampI16(pWin->Rect.x1 - pWin->Rect.x0); // a window may span more than the range's half
  pRect->y1 = WM__ClampI16(pWin->Rect.y1 - pWin->Rect.y0);
}

int WM_GetWindowPosX(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetWindowPosX");
  return pWin ? pWin->Rect.x0 : 0;
}

int WM_GetWindowPosY(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetWindowPosY");
  return pWin ? pWin->Rect.y0 : 0;
}

int WM_GetWindowSizeX(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!hWin) {
    hWin = GUI_pContext->hAWin;
  }
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetWindowSizeX");
  return pWin ? WM__GetRectSizeX(&pWin->Rect) : 0;
}

int WM_GetWindowSizeY(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!hWin) {
    hWin = GUI_pContext->hAWin;
  }
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetWindowSizeY");
  return pWin ? WM__GetRectSizeY(&pWin->Rect) : 0;
}

void WM_GetWindowRect(WM_HWIN hWin, GUI_RECT* pRect) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetWindowRect");
  if (pWin && pRect) {
    *pRect = pWin->Rect;
  }
}

void WM_GetWindowRectEx(WM_HWIN hWin, GUI_RECT* pRect) {
  WM_GetWindowRect(hWin, pRect);
}

void WM_GetClientRectEx(WM_HWIN hWin, GUI_RECT* pRect) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetClientRectEx");
  if (pWin && pRect) {
    WM__GetRelRect(pWin, pRect);
  }
}

void WM_GetClientRect(GUI_RECT* pRect) {
  WM__LockGuard Lock;
  WM_HWIN hWin = WM__hPaintOverride ? WM__hPaintOverride : GUI_pContext->hAWin;
  if (pRect && WM__IsWindow(hWin)) {
    WM__GetRelRect(WM_H2P(hWin), pRect);
  }
}

void WM_GetSelectedWindowRect(GUI_RECT* pRect) {
  WM__LockGuard Lock;
  if (pRect && WM__IsWindow(GUI_pContext->hAWin)) {
    *pRect = WM_H2P(GUI_pContext->hAWin)->Rect;
  }
}

int WM_GetSelectedWindowPosX(void) {
  WM__LockGuard Lock;
  return WM__IsWindow(GUI_pContext->hAWin) ? WM_H2P(GUI_pContext->hAWin)->Rect.x0 : 0;
}

int WM_GetSelectedWindowPosY(void) {
  WM__LockGuard Lock;
  return WM__IsWindow(GUI_pContext->hAWin) ? WM_H2P(GUI_pContext->hAWin)->Rect.y0 : 0;
}

WM_HWIN WM_GetActiveWindow(void) {
  return GUI_pContext->hAWin;
}

WM_CALLBACK* WM_GetCallback(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetCallback");
  return pWin ? pWin->cb : nullptr;
}

WM_CALLBACK* WM_SetCallback(WM_HWIN hWin, WM_CALLBACK* cb) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_SetCallback");
  if (!pWin) {
    return nullptr;
  }
  WM_CALLBACK* pOld = pWin->cb;
  pWin->cb = cb;
  WM_InvalidateWindow(hWin);
  return pOld;
}

// The drawing origin, in the scaled coordinates of the context when it scales.
static int _Scaled(int v) {
  return (GUI_pContext->ScaleEnable && GUI_pContext->ScaleFactor) ? v * GUI_pContext->ScaleFactor : v;
}

int WM_GetOrgX(void) {
  WM__LockGuard Lock;
  return _Scaled(GUI_pContext->xOff);
}

int WM_GetOrgY(void) {
  WM__LockGuard Lock;
  return _Scaled(GUI_pContext->yOff);
}

WM_HWIN WM__SelectWindow(WM_HWIN hWin) {
  WM_HWIN hOld = GUI_pContext->hAWin;
  if (hWin == 0 || !WM__IsWindow(hWin)) {
    hWin = WM__FirstWin;
  }
  GUI_pContext->hAWin = hWin;
  LCD_SetClipRectToDevice();
  if (hWin) {
    const WM_OBJ* pWin = WM_H2P(hWin);
    GUI_pContext->xOff = pWin->Rect.x0;
    GUI_pContext->yOff = pWin->Rect.y0;
  } else {
    GUI_pContext->xOff = 0;
    GUI_pContext->yOff = 0;
  }
  return hOld;
}

WM_HWIN WM_SelectWindow(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (WM__PaintCnt) {
    GUI_ErrorOut("Function may not be called from within a paint event");
  }
  if (hWin && !WM__IsWindow(hWin)) {
    GUI_Warn("WM:\nInvalid handle in WM_SelectWindow()");
    return GUI_pContext->hAWin;
  }
  return WM__SelectWindow(hWin);
}

GUI_COLOR WM_SetDesktopColorEx(GUI_COLOR Color, unsigned Layer) {
  WM__LockGuard Lock;
  if (Layer != 0) {
    return WM_NO_COLOR;
  }
  GUI_COLOR Old = WM__DesktopColor;
  WM__DesktopColor = Color;
  WM_InvalidateWindow(WM__hDesktopWin);
  return Old;
}

GUI_COLOR WM_SetDesktopColor(GUI_COLOR Color) {
  return WM_SetDesktopColorEx(Color, 0);
}
