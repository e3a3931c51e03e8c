// Hooks through which the layers above (memory devices, widgets, timers, motion, tooltips) and the host
// extend the window manager. Each is a plain pointer or a small table installed at start-up or first use.
#pragma once
#include <atomic>
#include <cstdint>

#include "WM.h"

// Mouse-wheel notches: the host's device window adds to it (from any thread); the pointer handler delivers
// the steps as WM_WHEEL and takes the delivered ones off again.
extern std::atomic<int32_t> SIM_WheelDelta;

// Memory devices. Without a banding painter, windows with WM_STATUS_MEMDEV are painted directly.
struct WM_MEMDEV_API {
  // Paints pRect band by band: for each band, the band is the context's clip rectangle while pfBand(pData)
  // runs. Flags bit 0 (opaque) is set when the window covers what lies below. NumLines 0 = automatic.
  void (*pfDrawBanded)(const GUI_RECT* pRect, void (*pfBand)(void* pData), void* pData, int NumLines,
                       int Flags);
  // Paints a window with WM_STATUS_STATIC through its own memory device (hMem of the record).
  void (*pfPaintStatic)(WM_HWIN hWin);
  // Deletes a window's memory device (hMem).
  void (*pfDelete)(GUI_HMEM hMem);
};
void WM__SetMemdevAPI(const WM_MEMDEV_API* pAPI);
// The window currently being drawn into its own static device (kept by the memory devices).
extern WM_HWIN WM__hStaticDrawing;
// Deletes hMem of the window (and of its visible descendants when Descs): used when a static window
// must be drawn again.
void WM__DropStaticDevices(WM_HWIN hWin, int Descs);

// Widget collection: attached scroll bars and the dialog background.
struct WM_WIDGET_API {
  WM_HWIN (*pfCreateScrollbarAttached)(WM_HWIN hParent, int Flags);
  GUI_COLOR (*pfGetDialogBkColor)(void);
};
void WM__SetWidgetAPI(const WM_WIDGET_API* pAPI);
WM_HWIN WM__CreateScrollbarAttached(WM_HWIN hParent, int Flags); // 0 without the widget collection
GUI_COLOR WM__GetDialogBkColor(void);                             // 0xC0C0C0 without the widget collection

// Window timers: deletes every timer of a window; installed by the timer module on its first use.
extern void (*WM__pfDeleteWindowTimers)(WM_HWIN hWin);

// Pointer handler hooks: the pre-hook (motion support) sees every new state before the hit test, the
// post-hit hook (tooltips) sees the state with the window found.
typedef void WM_tfPointerPreHook(GUI_POINTER_STATE* pState, int Cmd);
typedef void WM_tfPointerPostHitHook(GUI_POINTER_STATE* pState, WM_HWIN hWin);
extern WM_tfPointerPreHook* WM__pfPointerPreHook;
extern WM_tfPointerPostHitHook* WM__pfPointerPostHitHook;

// Paint bracket: begin before a series of paints, end after it (multi-buffering).
struct WM_PAINT_HOOKS {
  void (*pfBegin)(void);
  void (*pfEnd)(void);
};
extern const WM_PAINT_HOOKS* WM__pPaintHooks;
// Called with each window right after an area of it was marked invalid.
extern void (*WM__pfInvalidateHook)(WM_HWIN hWin);
