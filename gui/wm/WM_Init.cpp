// Window-manager state, initialisation and exit, the desktop window, activation and the installed hooks.
#include <cstdio>
#include <cstring>

#include "GUI_Input.h"
#include "WM_Intern.h"

WM_HWIN WM__FirstWin;
WM_HWIN WM__hDesktopWin;
GUI_COLOR WM__DesktopColor = WM_NO_COLOR;
uint16_t WM__NumWindows;
uint16_t WM__NumInvalidWindows;
uint32_t WM__TransWindowCnt;
uint32_t WM__CreateFlags;
WM_HWIN WM__hWinFocus;
WM_HWIN WM__hCapture;
uint8_t WM__CaptureReleaseAuto;
WM_CRITICAL_HANDLE WM__CHWinPressed;
WM_CRITICAL_HANDLE WM__CHWinHovered;
WM_CRITICAL_HANDLE WM__CHWinModal;
int WM__PointerLayer = -1;
uint8_t WM__PaintCnt;
WM_HWIN WM__hPaintResume;
WM_HWIN WM__hPaintOverride;
uint8_t WM__DeletePending;
uint8_t WM__IsInitialized;
int WM__DeleteNesting;
WM_tfExecHook* WM__pfExecHook;

std::atomic<int32_t> SIM_WheelDelta;

WM_HWIN WM__hStaticDrawing;
void (*WM__pfDeleteWindowTimers)(WM_HWIN hWin);
WM_tfPointerPreHook* WM__pfPointerPreHook;
WM_tfPointerPostHitHook* WM__pfPointerPostHitHook;
const WM_PAINT_HOOKS* WM__pPaintHooks;
void (*WM__pfInvalidateHook)(WM_HWIN hWin);

static WM_WIDGET_API _WidgetAPI;

void WM__SetWidgetAPI(const WM_WIDGET_API* pAPI) {
  WM__LockGuard Lock;
  if (pAPI) {
    _WidgetAPI = *pAPI;
  } else {
    _WidgetAPI = WM_WIDGET_API{};
  }
}

WM_HWIN WM__CreateScrollbarAttached(WM_HWIN hParent, int Flags) {
  return _WidgetAPI.pfCreateScrollbarAttached ? _WidgetAPI.pfCreateScrollbarAttached(hParent, Flags) : 0;
}

GUI_COLOR WM__GetDialogBkColor(void) {
  return _WidgetAPI.pfGetDialogBkColor ? _WidgetAPI.pfGetDialogBkColor() : 0xC0C0C0;
}

WM_OBJ* WM__CheckHandle(WM_HWIN hWin, const char* pFunc) {
  if (hWin == 0) {
    return nullptr;
  }
  if (!WM__IsWindow(hWin)) {
    char acText[96];
    snprintf(acText, sizeof(acText), "WM:\nInvalid handle in %s()", pFunc);
    GUI_Warn(acText);
    return nullptr;
  }
  return WM_H2P(hWin);
}

int WM__RectIsEmpty(const GUI_RECT* p) {
  return (p->x0 > p->x1) || (p->y0 > p->y1);
}

int WM__IntersectRects(GUI_RECT* pDest, const GUI_RECT* pA, const GUI_RECT* pB) {
  GUI_RECT r;
  r.x0 = pA->x0 > pB->x0 ? pA->x0 : pB->x0;
  r.y0 = pA->y0 > pB->y0 ? pA->y0 : pB->y0;
  r.x1 = pA->x1 < pB->x1 ? pA->x1 : pB->x1;
  r.y1 = pA->y1 < pB->y1 ? pA->y1 : pB->y1;
  *pDest = r;
  return !WM__RectIsEmpty(&r);
}

void WM__MergeRects(GUI_RECT* pDest, const GUI_RECT* pA, const GUI_RECT* pB) {
  GUI_RECT r;
  r.x0 = pA->x0 < pB->x0 ? pA->x0 : pB->x0;
  r.y0 = pA->y0 < pB->y0 ? pA->y0 : pB->y0;
  r.x1 = pA->x1 > pB->x1 ? pA->x1 : pB->x1;
  r.y1 = pA->y1 > pB->y1 ? pA->y1 : pB->y1;
  *pDest = r;
}

void WM__MoveRect(GUI_RECT* p, int dx, int dy) {
  p->x0 = WM__ClampI16((I64)p->x0 + dx);
  p->x1 = WM__ClampI16((I64)p->x1 + dx);
  p->y0 = WM__ClampI16((I64)p->y0 + dy);
  p->y1 = WM__ClampI16((I64)p->y1 + dy);
}

// The desktop: stores a pressed key that nobody consumed as the pending key, fills itself with the desktop
// colour when one is set.
void WM__cbDesktop(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (pKey && pKey->PressedCnt == 1) {
      GUI_StoreKey(pKey->Key);
    }
    return;
  }
  case WM_PAINT:
    if (WM__DesktopColor != WM_NO_COLOR) {
      GUI_SetBkColor(WM__DesktopColor);
      GUI_Clear();
    }
    break;
  }
  WM_DefaultProc(pMsg);
}

void WM_Activate(void) {
  WM__LockGuard Lock;
  GUI_pContext->WM_IsActive = 1;
}

void WM_Deactivate(void) {
  WM__LockGuard Lock;
  GUI_pContext->WM_IsActive = 0;
  LCD_SetClipRectToDevice();
}

static void _OnExit(void) {
  WM__IsInitialized = 0;
  WM__DeletePending = 0;
  WM__hWinFocus = 0;
  WM__hCapture = 0;
  WM__CaptureReleaseAuto = 0;
  WM__TransWindowCnt = 0;
  WM__hPaintOverride = 0;
  WM__CreateFlags = 0;
  WM__pPaintHooks = nullptr;
  WM__pfInvalidateHook = nullptr;
  WM__ResetCriticalHandles();
  WM__InstallCoreHooks(0);
  WM__ResetPointer();
  WM__FirstWin = 0;
  WM__hDesktopWin = 0;
  WM__NumWindows = 0;
  WM__NumInvalidWindows = 0;
  WM__hPaintResume = 0;
  WM__PaintCnt = 0;
  WM__DeleteNesting = 0;
  WM__DesktopColor = WM_NO_COLOR;
}

static int _OnKey(int Key, int PressedCnt) {
  return WM_OnKey(Key, PressedCnt);
}

// The GUI core reaches the window manager through these: clipping of window drawing, the client
// rectangle, key delivery, the pointer handler and the execution step.
void WM__InstallCoreHooks(int OnOff) {
  GUI__pfClipBegin = OnOff ? WM__BeginClipIteration : nullptr;
  GUI__pfClipNext = OnOff ? WM__NextClipRect : nullptr;
  GUI__pfGetClientRect = OnOff ? WM_GetClientRect : nullptr;
  GUI__pfOnKey = OnOff ? _OnKey : nullptr;
  GUI__pfDefaultPointerHandler = OnOff ? WM__HandlePointer : nullptr;
  GUI__pfExecWM = OnOff ? WM_Exec : nullptr;
  if (!OnOff) {
    GUI_pfHandlePointer = nullptr;
  }
}

static GUI_REGISTER_EXIT _RegisterExit = {nullptr, _OnExit};

void WM_Init(void) {
  WM__LockGuard Lock;
  if (WM__IsInitialized) {
    return;
  }
  WM__FirstWin = 0;
  GUI_pContext->pUserClipRect = nullptr;
  WM__NumWindows = 0;
  WM__NumInvalidWindows = 0;
  WM__hPaintResume = 0;
  WM__hDesktopWin = WM_CreateWindow(0, 0, 16383, 16383, WM_STATUS_VISIBLE, WM__cbDesktop, 0);
  WM__DesktopColor = WM_NO_COLOR;
  WM_InvalidateWindow(WM__hDesktopWin);
  WM__AddCriticalHandle(&WM__CHWinHovered);
  WM__AddCriticalHandle(&WM__CHWinPressed);
  WM__AddCriticalHandle(&WM__CHWinModal);
  WM__InstallCoreHooks(1);
  WM_SelectWindow(WM__hDesktopWin);
  WM_Activate();
  WM__IsInitialized = 1;
  GUI__RegisterExit(&_RegisterExit);
}
