// State and helpers shared by the window manager's source files.
#pragma once
#include "WM.h"
#include "WM_Hooks.h"

// Set while a window is being deleted, so that a second deletion of it from one of its own callbacks does
// nothing. Never part of a creation style (outside WM_CREATE_STORE_MASK).
constexpr uint32_t WM__STATUS_DELETING = 0x80000000u;
// Heap tag of the handles of window records (see WM__IsWindow).
constexpr U8 WM__HANDLE_TAG = 0x57;
// Either invalid mark; a window carrying one counts once in WM__NumInvalidWindows.
constexpr uint32_t WM__STATUS_ANY_INVALID = WM_STATUS_INVALID | WM_STATUS_INVALID_STATIC;

extern WM_HWIN WM__FirstWin;      // head of the list of all windows (the desktop)
extern WM_HWIN WM__hDesktopWin;   // desktop of layer 0
extern GUI_COLOR WM__DesktopColor;
extern uint16_t WM__NumWindows;
extern uint16_t WM__NumInvalidWindows;
extern uint32_t WM__TransWindowCnt;
extern uint32_t WM__CreateFlags;
extern WM_HWIN WM__hWinFocus;
extern WM_HWIN WM__hCapture;
extern uint8_t WM__CaptureReleaseAuto;
extern WM_CRITICAL_HANDLE WM__CHWinPressed;
extern WM_CRITICAL_HANDLE WM__CHWinHovered;
extern WM_CRITICAL_HANDLE WM__CHWinModal;
extern int WM__PointerLayer;
extern uint8_t WM__PaintCnt;        // non-zero while WM_PAINT messages are delivered
extern WM_HWIN WM__hPaintResume;    // window at which the next paint step starts
extern WM_HWIN WM__hPaintOverride;  // transparent window being painted over the selected one
extern uint8_t WM__DeletePending;
extern uint8_t WM__IsInitialized;
extern int WM__DeleteNesting;       // non-zero while a deletion runs
extern WM_tfExecHook* WM__pfExecHook;

// Takes the GUI lock for the lifetime of the guard.
struct WM__LockGuard {
  WM__LockGuard() { GUI_Lock(); }
  ~WM__LockGuard() { GUI_Unlock(); }
  WM__LockGuard(const WM__LockGuard&) = delete;
  WM__LockGuard& operator=(const WM__LockGuard&) = delete;
};

// A window watched across calls that may delete it. A callback may delete the window that sent it a message
// (a parent deleting the widget that notifies it), and a window made right after gets the freed handle
// again, so the handle alone cannot tell. The watch is a critical handle: deleting the window clears it, and
// Alive() then stays false whatever the handle names later. Made on the stack under the GUI lock, before the
// first call that may delete the window.
struct WM__WATCH {
  explicit WM__WATCH(WM_HWIN hWin) {
    if (WM__IsWindow(hWin)) {
      CH.hWin = hWin;
      WM__AddCriticalHandle(&CH);
    }
  }
  ~WM__WATCH() { WM__RemoveCriticalHandle(&CH); }
  WM__WATCH(const WM__WATCH&) = delete;
  WM__WATCH& operator=(const WM__WATCH&) = delete;
  bool Alive() const { return CH.hWin != 0; }
  WM_CRITICAL_HANDLE CH = {};
};

// Validity of a handle for a public operation: 0 is ignored quietly, a handle that names no window is
// reported as "WM:\nInvalid handle in <Func>()". Returns the record or null.
WM_OBJ* WM__CheckHandle(WM_HWIN hWin, const char* pFunc);

// A sum or product formed wide (scroll positions over large item counts, values times tick sizes), brought
// back into the int range.
inline int WM__ClampInt(I64 v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : (int)v;
}
// The same into the 16-bit coordinate range of rectangles.
inline I16 WM__ClampI16(I64 v) {
  return (I16)(v > 0x7FFF ? 0x7FFF : v < -0x8000 ? -0x8000 : v);
}

// Rectangle helpers.
int WM__RectIsEmpty(const GUI_RECT* p);
int WM__IntersectRects(GUI_RECT* pDest, const GUI_RECT* pA, const GUI_RECT* pB); // 1 when not empty
void WM__MergeRects(GUI_RECT* pDest, const GUI_RECT* pA, const GUI_RECT* pB);
void WM__MoveRect(GUI_RECT* p, int dx, int dy); // edges that would leave the coordinate range stop at its ends

// Invalid marks; the only places that change the invalid bits, so the count cannot drift.
void WM__MarkInvalid(WM_HWIN hWin, const GUI_RECT* pRect, uint32_t Mark);
void WM__ClearInvalid(WM_OBJ* pWin, uint32_t Bits);

// Sibling linking under a parent (stay-on-top rule) and unlinking.
void WM__LinkUnderParent(WM_HWIN hWin, WM_HWIN hParent);
void WM__Unlink(WM_HWIN hWin);
void WM__InvalidateWindowAndDescsEx(WM_HWIN hWin);

// 1 when the opaque windows above hWin (its children, later siblings of it and of its ancestors) hide all of
// pRect (screen coordinates, inside the window).
int WM__IsRectCovered(WM_HWIN hWin, const GUI_RECT* pRect);
// The invalidation of a move of hWin (already moved by dx, dy from rOld) when its pixels can be moved on the
// display instead: moves them and marks only what comes into view and what the window uncovered. Returns 0
// when the move must invalidate the old and the new rectangle as usual.
int WM__MoveByCopy(WM_HWIN hWin, const GUI_RECT* pOld, int dx, int dy);
// Focus bookkeeping of a window that goes away (no messages).
void WM__ForgetWindow(WM_HWIN hWin);
// Carries out deletions that were asked for while they could not run (during a paint or a deletion).
void WM__RunDeferredDeletions(void);
void WM__DeleteWindowNow(WM_HWIN hWin);
// Critical handles, pointer state and the hooks in the GUI core.
void WM__ResetCriticalHandles(void);
void WM__ClearCriticalHandles(WM_HWIN hWin);
void WM__ResetPointer(void);
void WM__InstallCoreHooks(int OnOff);
void WM__DeleteMemdev(GUI_HMEM hMem);
// Desktop callback.
void WM__cbDesktop(WM_MESSAGE* pMsg);
// Paints hWin directly now if invalid (immediate paint); Descs: also each descendant.
void WM__UpdateNow(WM_HWIN hWin, int Descs);
