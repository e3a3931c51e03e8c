// Deleting windows: the cascade over the children, notifications, and deletions that must wait.
#include "WM_Intern.h"

static void _RemoveFromList(WM_HWIN hWin) {
  GUI_ALLOC__SetTag(hWin, 0);
  WM_OBJ* pWin = WM_H2P(hWin);
  if (WM__FirstWin == hWin) {
    WM__FirstWin = pWin->hNextLin;
    return;
  }
  for (WM_HWIN h = WM__FirstWin; h;) {
    WM_OBJ* p = WM_H2P(h);
    if (p->hNextLin == hWin) {
      p->hNextLin = pWin->hNextLin;
      return;
    }
    h = p->hNextLin;
  }
}

// Deletes hWin and its descendants. Callbacks that ask for further deletions meanwhile are deferred until
// the outermost deletion is done, so no record is freed while a caller up the stack still walks it.
void WM__DeleteWindowNow(WM_HWIN hWin) {
  if (!WM__IsWindow(hWin)) {
    return;
  }
  WM_OBJ* pWin = WM_H2P(hWin);
  if (pWin->Status & WM__STATUS_DELETING) {
    return;
  }
  pWin->Status |= WM__STATUS_DELETING;
  WM__DeleteNesting++;
  WM__SendMessageNoPara(hWin, WM_DELETE);
  if (WM__pfDeleteWindowTimers) {
    WM__pfDeleteWindowTimers(hWin);
  }
  pWin = WM_H2P(hWin);
  if (pWin->hMem) {
    GUI_HMEM hMem = pWin->hMem;
    pWin->hMem = 0;
    WM__DeleteMemdev(hMem);
  }
  WM__hPaintResume = 0;
  WM__ForgetWindow(hWin);
  WM_NotifyParent(hWin, WM_NOTIFICATION_CHILD_DELETED);
  // Children: deleting a child unlinks it, so the first child changes every round. A child that could not
  // be deleted (already being deleted further up) is unlinked here so that the loop ends.
  for (;;) {
    WM_HWIN hChild = WM_H2P(hWin)->hFirstChild;
    if (!hChild) {
      break;
    }
    WM__DeleteWindowNow(hChild);
    if (WM_H2P(hWin)->hFirstChild == hChild) {
      WM__Unlink(hChild);
    }
  }
  pWin = WM_H2P(hWin);
  if (pWin->hParent) {
    WM_HWIN hParent = pWin->hParent;
    GUI_RECT r = pWin->Rect;
    int Visible = (pWin->Status & WM_STATUS_VISIBLE) != 0;
    WM_HWIN hNext = pWin->hNext;
    WM__Unlink(hWin);
    if (Visible) {
      WM__InvalidateRectEx(&r, hParent, hNext);
    }
  }
  _RemoveFromList(hWin);
  pWin = WM_H2P(hWin);
  if (pWin->Status & WM_STATUS_TRANSPARENT) {
    WM__TransWindowCnt--;
  }
  WM__ClearInvalid(pWin, WM__STATUS_ANY_INVALID);
  WM__NumWindows--;
  if (WM__hDesktopWin == hWin) {
    WM__hDesktopWin = 0;
  }
  // Callbacks run during the deletion may have made the window the focus or capture window again.
  WM__ForgetWindow(hWin);
  WM__ClearCriticalHandles(hWin);
  GUI_ALLOC_Free(hWin);
  if (GUI_pContext->hAWin == hWin || !WM__IsWindow(GUI_pContext->hAWin)) {
    WM__SelectWindow(WM__hDesktopWin);
  }
  WM__DeleteNesting--;
}

void WM_DeleteWindow(WM_HWIN hWin) {
  if (hWin == 0) {
    return;
  }
  WM__LockGuard Lock;
  if (!WM__IsWindow(hWin)) {
    GUI_Warn("WM:\nInvalid handle in WM_DeleteWindow()");
    return;
  }
  if (WM__PaintCnt) {
    // Painting code still walks the records: the deletion is carried out right after the paint.
    GUI_ErrorOut("Function may not be called from within a paint event");
    WM__MarkForDeletion(hWin);
    return;
  }
  if (WM__DeleteNesting) {
    WM__MarkForDeletion(hWin);
    return;
  }
  WM__DeleteWindowNow(hWin);
  WM__RunDeferredDeletions();
}

void WM__MarkForDeletion(WM_HWIN hWin) {
  if (!WM__IsWindow(hWin)) {
    return;
  }
  WM_H2P(hWin)->Status |= WM_STATUS_DELETE;
  WM__DeletePending = 1;
}

// Each deletion may delete or mark further windows, so the list is walked again from its head after each.
void WM__DeleteMarkedWindows(void) {
  if (!WM__DeletePending || WM__DeleteNesting || WM__PaintCnt) {
    return;
  }
  WM__DeletePending = 0;
  for (;;) {
    WM_HWIN hMarked = 0;
    for (WM_HWIN h = WM__FirstWin; h; h = WM_H2P(h)->hNextLin) {
      if (WM_H2P(h)->Status & WM_STATUS_DELETE) {
        hMarked = h;
        break;
      }
    }
    if (!hMarked) {
      break;
    }
    WM_H2P(hMarked)->Status &= ~WM_STATUS_DELETE;
    WM__DeleteWindowNow(hMarked);
  }
  WM__DeletePending = 0;
}

void WM__RunDeferredDeletions(void) {
  if (WM__DeletePending) {
    WM__DeleteMarkedWindows();
  }
}
