// Painting invalid windows: the paint of one window with the transparent windows over it, the paint steps
// of WM_Exec, immediate paints, and the memory-device paths.
#include <cstring>

#include "WM_Intern.h"

static WM_MEMDEV_API _MemdevAPI;
static int _ScreenXSize = -1, _ScreenYSize = -1;

void WM__SetMemdevAPI(const WM_MEMDEV_API* pAPI) {
  WM__LockGuard Lock;
  if (pAPI) {
    _MemdevAPI = *pAPI;
  } else {
    _MemdevAPI = WM_MEMDEV_API{};
  }
}

void WM__DeleteMemdev(GUI_HMEM hMem) {
  if (!hMem) {
    return;
  }
  if (_MemdevAPI.pfDelete) {
    _MemdevAPI.pfDelete(hMem);
  } else {
    GUI_ALLOC_Free(hMem);
  }
}

void WM__DropStaticDevices(WM_HWIN hWin, int Descs) {
  WM_OBJ* pWin = WM_H2P(hWin);
  if (pWin->hMem && hWin != WM__hStaticDrawing) {
    GUI_HMEM hMem = pWin->hMem;
    pWin->hMem = 0;
    WM__DeleteMemdev(hMem);
  }
  if (Descs) {
    for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h; h = WM_H2P(h)->hNext) {
      if (WM_H2P(h)->Status & WM_STATUS_VISIBLE) {
        WM__DropStaticDevices(h, 1);
      }
    }
  }
}

void WM_SetDefault(void) {
  GUI_SetDefault();
  GUI_pContext->pUserClipRect = nullptr;
}

void WM__PaintWindow(WM_HWIN hWin) {
  WM_OBJ* pWin = WM_H2P(hWin);
  if (!pWin->cb || !(pWin->Status & WM_STATUS_VISIBLE)) {
    return;
  }
  WM_SendMessageNoPara(hWin, WM_PRE_PAINT);
  if (!WM__IsWindow(hWin)) {
    return;
  }
  WM__PaintCnt++;
  GUI__PaintPassGuard Pass;  // the rectangles of the paint, when no band or caller opened a pass
  pWin = WM_H2P(hWin);
  GUI_RECT rInvalid = pWin->InvalidRect;
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_PAINT;
  Msg.Data.p = &rInvalid;
  if (pWin->Status & WM_STATUS_NO_CLIP_ITERATION) {
    WM_SetDefault();
    WM__SendMessage(hWin, &Msg);
  } else if (WM__BeginClipIteration(&rInvalid)) {
    do {
      WM_SetDefault();
      rInvalid = WM_H2P(hWin)->InvalidRect;
      Msg.Data.p = &rInvalid;
      WM__SendMessage(hWin, &Msg);
    } while (WM__NextClipRect());
  }
  WM__PaintCnt--;
  WM_SendMessageNoPara(hWin, WM_POST_PAINT);
}

static void _PaintSelf(WM_HWIN hWin) {
  if ((WM_H2P(hWin)->Status & WM_STATUS_STATIC) && _MemdevAPI.pfPaintStatic) {
    _MemdevAPI.pfPaintStatic(hWin);
  } else {
    WM__PaintWindow(hWin);
  }
}

// Paints hT over the part of the selected window's invalid area that hT covers; the visible-rectangle
// search keeps working for the selected window. Returns 1 when hT intersected that area.
static int _PaintOverlay(WM_HWIN hT) {
  WM_HWIN hSel = GUI_pContext->hAWin;
  GUI_RECT r;
  if (!WM__IntersectRects(&r, &WM_H2P(hT)->Rect, &WM_H2P(hSel)->InvalidRect)) {
    return 0;
  }
  WM_OBJ* pT = WM_H2P(hT);
  GUI_RECT SaveInvalid = pT->InvalidRect;
  uint32_t SaveBits = pT->Status & WM__STATUS_ANY_INVALID;
  pT->InvalidRect = r;
  WM_HWIN hSaveOverride = WM__hPaintOverride;
  int32_t xSave = GUI_pContext->xOff, ySave = GUI_pContext->yOff;
  WM__hPaintOverride = hT;
  GUI_pContext->xOff = pT->Rect.x0;
  GUI_pContext->yOff = pT->Rect.y0;
  _PaintSelf(hT);
  WM__hPaintOverride = hSaveOverride;
  GUI_pContext->xOff = xSave;
  GUI_pContext->yOff = ySave;
  if (WM__IsWindow(hT)) {
    pT = WM_H2P(hT);
    // A self-painting transparent window keeps its own invalid area for its own paint.
    if (SaveBits) {
      pT->InvalidRect = SaveInvalid;
    }
  }
  return 1;
}

// The transparent children of hWin (and theirs) that reach into the selected window's invalid area.
static void _PaintTransChildren(WM_HWIN hWin) {
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h;) {
    WM_HWIN hNext = WM_H2P(h)->hNext;
    const WM_OBJ* p = WM_H2P(h);
    if ((p->Status & WM_STATUS_VISIBLE) && (p->Status & WM_STATUS_TRANSPARENT)) {
      if (_PaintOverlay(h) && WM__IsWindow(h)) {
        _PaintTransChildren(h);
      }
    }
    if (!WM__IsWindow(hWin) || (hNext && !WM__IsWindow(hNext))) {
      return;
    }
    h = hNext;
  }
}

// The transparent windows above hWin: later siblings of hWin and of each ancestor, with their transparent
// children.
static void _PaintTransTopSiblings(WM_HWIN hWin) {
  for (WM_HWIN hA = hWin; hA && WM_H2P(hA)->hParent; hA = WM_H2P(hA)->hParent) {
    for (WM_HWIN h = WM_H2P(hA)->hNext; h;) {
      WM_HWIN hNext = WM_H2P(h)->hNext;
      const WM_OBJ* p = WM_H2P(h);
      if ((p->Status & WM_STATUS_VISIBLE) && (p->Status & WM_STATUS_TRANSPARENT)) {
        _PaintOverlay(h);
      }
      if (WM__IsWindow(h) && (WM_H2P(h)->Status & WM_STATUS_VISIBLE)) {
        _PaintTransChildren(h);
      }
      if (!WM__IsWindow(hA) || (hNext && !WM__IsWindow(hNext))) {
        return;
      }
      h = hNext;
    }
  }
}

static void _PaintWithOverlays(WM_HWIN hWin) {
  const WM_OBJ* pWin = WM_H2P(hWin);
  if (!(pWin->Status & WM_STATUS_TRANSPARENT) || (pWin->Status & WM_STATUS_PAINT_SELF)) {
    _PaintSelf(hWin);
  }
  if (WM__TransWindowCnt && WM__IsWindow(hWin)) {
    GUI_RECT SaveInvalid = WM_H2P(hWin)->InvalidRect;
    _PaintTransChildren(hWin);
    if (WM__IsWindow(hWin)) {
      WM_H2P(hWin)->InvalidRect = SaveInvalid;
      _PaintTransTopSiblings(hWin);
    }
  }
}

static void _cbBand(void* pData) {
  WM_HWIN hWin = (WM_HWIN)(intptr_t)pData;
  if (!WM__IsWindow(hWin)) {
    return;
  }
  WM_OBJ* pWin = WM_H2P(hWin);
  GUI_RECT Save = pWin->InvalidRect;
  GUI_RECT Band = GUI_pContext->ClipRect;
  if (!WM__IntersectRects(&pWin->InvalidRect, &Save, &Band)) {
    pWin->InvalidRect = Save;
    return;
  }
  _PaintWithOverlays(hWin);
  if (WM__IsWindow(hWin)) {
    WM_H2P(hWin)->InvalidRect = Save;
  }
}

// Paints one window when it is invalid; returns 1 when it was painted directly (not through banding).
static int _Paint1(WM_HWIN hWin) {
  WM_OBJ* pWin = WM_H2P(hWin);
  if (!(pWin->Status & WM__STATUS_ANY_INVALID)) {
    return 0;
  }
  int Direct = 0;
  GUI_RECT r = pWin->InvalidRect;
  // What opaque windows above hide entirely is not painted (a dialog opened over a page does not repaint the
  // page's windows under it). Windows that keep their picture in a static device are always painted.
  bool Hidden = !(pWin->Status & (WM_STATUS_STATIC | WM_STATUS_INVALID_STATIC)) &&
                WM__ClipAtParentBorders(&r, hWin) && !WM__RectIsEmpty(&r) && WM__IsRectCovered(hWin, &r);
  r = pWin->InvalidRect;
  if (pWin->cb && !Hidden && WM__ClipAtParentBorders(&r, hWin)) {
    GUI__PaintPassGuard Pass;  // every band and rectangle of the window's paint
    WM__SelectWindow(hWin);
    pWin = WM_H2P(hWin);
    if ((pWin->Status & WM_STATUS_MEMDEV) && _MemdevAPI.pfDrawBanded) {
      int Opaque = !pWin->hParent || !(pWin->Status & WM_STATUS_TRANSPARENT);
      _MemdevAPI.pfDrawBanded(&r, _cbBand, (void*)(intptr_t)hWin, 0, Opaque ? 1 : 0);
    } else {
      _PaintWithOverlays(hWin);
      Direct = 1;
    }
  }
  if (WM__IsWindow(hWin)) {
    pWin = WM_H2P(hWin);
    WM__ClearInvalid(pWin, WM__STATUS_ANY_INVALID);
    if (pWin->Status & WM_STATUS_MEMDEV_ON_REDRAW) {
      pWin->Status |= WM_STATUS_MEMDEV;
    }
  }
  return Direct;
}

static void _SaveColors(GUI_COLOR* pColor, GUI_COLOR* pBkColor) {
  *pColor = GUI_GetColor();
  *pBkColor = GUI_GetBkColor();
}

static void _RestoreColors(GUI_COLOR Color, GUI_COLOR BkColor) {
  LCD_SetColor(Color);
  LCD_SetBkColor(BkColor);
}

// One paint step: from the resume point on, paints windows until one was painted directly.
static void _PaintNext(void) {
  GUI_CONTEXT Context;
  GUI_SaveContext(&Context);
  GUI_COLOR Color, BkColor;
  _SaveColors(&Color, &BkColor);
  WM_HWIN h = WM__hPaintResume ? WM__hPaintResume : WM__FirstWin;
  if (!WM__IsWindow(h)) {
    h = WM__FirstWin;
  }
  while (h) {
    int Direct = _Paint1(h);
    // The resume point is cleared by every deletion; a window deleted by its own paint ends the walk.
    if (!WM__IsWindow(h)) {
      h = 0;
      break;
    }
    h = WM_H2P(h)->hNextLin;
    if (Direct) {
      break;
    }
  }
  WM__hPaintResume = h;
  GUI_RestoreContext(&Context);
  _RestoreColors(Color, BkColor);
  if (!WM__IsWindow(GUI_pContext->hAWin)) {
    WM__SelectWindow(WM__hDesktopWin);
  }
}

static int _ExecStep(void) {
  if (WM__DeletePending) {
    WM__DeleteMarkedWindows();
  }
  if (WM__pfExecHook) {
    WM__pfExecHook();
  }
  if (GUI_pfHandlePointer && GUI_pfHandlePointer()) {
    return 1;
  }
  if (GUI_pContext->WM_IsActive && GUI_PollKeyMsg()) {
    return 1;
  }
  int xSize = GUI__GetScreenXSize(), ySize = GUI__GetScreenYSize();
  if (xSize != _ScreenXSize || ySize != _ScreenYSize) {
    int First = _ScreenXSize < 0;
    _ScreenXSize = xSize;
    _ScreenYSize = ySize;
    if (!First) {
      WM_MESSAGE Msg = {};
      Msg.MsgId = WM_SCREEN_SIZE_CHANGED;
      WM_BroadcastMessage(&Msg);
      return 1;
    }
  }
  return 0;
}

static int _PaintStep(void) {
  WM__LockGuard Lock;
  if (!GUI_pContext->WM_IsActive || !WM__NumInvalidWindows) {
    return 0;
  }
  _PaintNext();
  // Deletions asked for during the paint run now that no paint walks the records.
  WM__RunDeferredDeletions();
  return 1;
}

int WM_Exec1(void) {
  int r;
  {
    WM__LockGuard Lock;
    r = _ExecStep();
  }
  if (!r) {
    r = _PaintStep();
  }
  return r;
}

int WM_Exec(void) {
  int Result = 0;
  int Began = 0;
  {
    WM__LockGuard Lock;
    while (_ExecStep()) {
      Result = 1;
    }
    if (GUI_pContext->WM_IsActive && WM__NumInvalidWindows) {
      Began = 1;
      if (WM__pPaintHooks && WM__pPaintHooks->pfBegin) {
        WM__pPaintHooks->pfBegin();
      } else {
        GUI__ManageCache(1);
      }
    }
  }
  // Every step clears the invalid marks of the windows it walks; a window invalidating others from its
  // paint could keep the count up for ever, so the number of steps is bounded by the windows there are.
  int MaxSteps = 2 * (int)WM__NumWindows + 8;
  while (MaxSteps-- > 0 && _PaintStep()) {
    Result = 1;
  }
  if (Began) {
    WM__LockGuard Lock;
    if (WM__pPaintHooks && WM__pPaintHooks->pfEnd) {
      WM__pPaintHooks->pfEnd();
    } else {
      GUI__ManageCache(0);
    }
  }
  return Result;
}

// Immediate paint of a window (and of its descendants), outside WM_Exec.
void WM__UpdateNow(WM_HWIN hWin, int Descs) {
  if (WM__PaintCnt) {
    GUI_ErrorOut("Function may not be called from within a paint event");
  }
  if (!GUI_pContext->WM_IsActive) {
    return;
  }
  GUI_CONTEXT Context;
  GUI_SaveContext(&Context);
  GUI_COLOR Color, BkColor;
  _SaveColors(&Color, &BkColor);
  _Paint1(hWin);
  if (Descs && WM__IsWindow(hWin)) {
    for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h;) {
      WM_HWIN hNext = WM_H2P(h)->hNext;
      WM__UpdateNow(h, 1);
      if (!WM__IsWindow(hWin) || (hNext && !WM__IsWindow(hNext))) {
        break;
      }
      h = hNext;
    }
  }
  GUI_RestoreContext(&Context);
  _RestoreColors(Color, BkColor);
  if (!WM__IsWindow(GUI_pContext->hAWin)) {
    WM__SelectWindow(WM__hDesktopWin);
  }
  if (!WM__PaintCnt) {
    WM__RunDeferredDeletions();
  }
}

void WM_Update(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (WM__CheckHandle(hWin, "WM_Update")) {
    WM__UpdateNow(hWin, 0);
  }
}

void WM_Paint(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (WM__CheckHandle(hWin, "WM_Paint")) {
    WM_InvalidateWindow(hWin);
    WM__UpdateNow(hWin, 0);
  }
}

void WM_UpdateWindowAndDescs(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (WM__CheckHandle(hWin, "WM_UpdateWindowAndDescs")) {
    WM__UpdateNow(hWin, 1);
  }
}

void WM_PaintWindowAndDescs(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (WM__CheckHandle(hWin, "WM_PaintWindowAndDescs")) {
    WM__InvalidateWindowAndDescsEx(hWin);
    WM__UpdateNow(hWin, 1);
  }
}

void WM_EnableMemdev(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_EnableMemdev");
  if (pWin) {
    pWin->Status |= WM_STATUS_MEMDEV;
  }
}

void WM_DisableMemdev(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_DisableMemdev");
  if (pWin) {
    pWin->Status &= ~(WM_STATUS_MEMDEV | WM_STATUS_MEMDEV_ON_REDRAW);
  }
}

WM_tfExecHook* WM_SetExecHook(WM_tfExecHook* pfHook) {
  WM__LockGuard Lock;
  WM_tfExecHook* pOld = WM__pfExecHook;
  WM__pfExecHook = pfHook;
  return pOld;
}

void WM_SetScreenSize(int xSize, int ySize) {
  WM__LockGuard Lock;
  GUI__SetScreenXSize(xSize);
  GUI__SetScreenYSize(ySize);
}

static void _ShowInvalid(WM_HWIN hWin) {
  if (!WM__IsWindow(hWin)) {
    return;
  }
  GUI_CONTEXT Context;
  GUI_SaveContext(&Context);
  WM_HWIN hOld = WM__SelectWindow(hWin);
  GUI_RECT r = WM_H2P(hWin)->InvalidRect;
  LCD_SetColor(0x00FF00);
  LCD_SetBkColor(0x00FF00);
  LCD_SetClipRectEx(&r);
  LCD_FillRect(r.x0, r.y0, r.x1, r.y1);
  WM__SelectWindow(hOld);
  GUI_RestoreContext(&Context);
  GUI_OS_Delay(20); // the host's delay
}

int WM_SetShowInvalid(int OnOff) {
  WM__LockGuard Lock;
  int Old = WM__pfInvalidateHook == _ShowInvalid;
  WM__pfInvalidateHook = OnOff ? _ShowInvalid : nullptr;
  return Old;
}

static void _MultiBufBegin(void) {
  if (GUI__pfMultiBufBegin) {
    GUI__pfMultiBufBegin();
  }
}

static void _MultiBufEnd(void) {
  if (GUI__pfMultiBufEnd) {
    GUI__pfMultiBufEnd();
  }
}

static const WM_PAINT_HOOKS _MultiBufHooks = {_MultiBufBegin, _MultiBufEnd};

int WM_SetMultiBufferPaint(int OnOff) {
  WM__LockGuard Lock;
  int Old = WM__pPaintHooks == &_MultiBufHooks;
  WM__pPaintHooks = OnOff ? &_MultiBufHooks : nullptr;
  return Old;
}
