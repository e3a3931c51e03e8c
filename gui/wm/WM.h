// Window manager: windows with callbacks, messages, invalidation and painting, pointer and key input.
#pragma once
#include <cstdint>

#include "GUI.h"
#include "GUI_Input.h"

typedef GUI_HMEM WM_HWIN;
typedef GUI_HMEM WM_HMEM;

struct WM_MESSAGE;
typedef void WM_CALLBACK(WM_MESSAGE* pMsg);

// Data carries either a pointer or a value; it is pointer-wide so that pointers travel intact.
union WM_MESSAGE_DATA {
  void* p;
  intptr_t v;
};

struct WM_MESSAGE {
  int32_t MsgId;
  WM_HWIN hWin;    // target, written by the delivery routine
  WM_HWIN hWinSrc; // sending window where one exists
  WM_MESSAGE_DATA Data;
};

// The window record. Widget records begin with it; extra bytes requested at creation follow it.
struct WM_OBJ {
  GUI_RECT Rect;        // absolute, inclusive corners
  GUI_RECT InvalidRect; // absolute; meaningful while the window is invalid
  WM_CALLBACK* cb;      // null: WM_DefaultProc answers everything
  WM_HWIN hNextLin;     // next window in the list of all windows
  WM_HWIN hParent;
  WM_HWIN hFirstChild;  // bottom-most child
  WM_HWIN hNext;        // sibling drawn just above this one
  GUI_HMEM hMem;        // memory device of a static window
  uint32_t Status;
};

// Status bits (also the creation style).
constexpr uint32_t WM_STATUS_TRANSPARENT = 0x1;
constexpr uint32_t WM_STATUS_VISIBLE = 0x2;
constexpr uint32_t WM_STATUS_MEMDEV = 0x4;
constexpr uint32_t WM_STATUS_STAYONTOP = 0x8;
constexpr uint32_t WM_STATUS_DISABLED = 0x10;
constexpr uint32_t WM_STATUS_INVALID = 0x20;
constexpr uint32_t WM_STATUS_ANCHOR_RIGHT = 0x80;
constexpr uint32_t WM_STATUS_ANCHOR_BOTTOM = 0x100;
constexpr uint32_t WM_STATUS_ANCHOR_LEFT = 0x200;
constexpr uint32_t WM_STATUS_ANCHOR_TOP = 0x400;
constexpr uint32_t WM_STATUS_PAINT_SELF = 0x800;
constexpr uint32_t WM_STATUS_NO_CLIP_ITERATION = 0x1000;
constexpr uint32_t WM_STATUS_MEMDEV_ON_REDRAW = 0x2000;
constexpr uint32_t WM_STATUS_INVALID_STATIC = 0x4000;
constexpr uint32_t WM_STATUS_DELETE = 0x8000;
constexpr uint32_t WM_STATUS_STATIC = 0x10000;
constexpr uint32_t WM_STATUS_MOTION_X = 0x20000;
constexpr uint32_t WM_STATUS_MOTION_Y = 0x40000;
constexpr uint32_t WM_STATUS_MOTION_ROTATE = 0x200000;
// The window's picture moves with it (it paints relative to itself, like its descendants): a move copies the
// pixels that stay in view and paints only what comes into view, where nothing lies above it.
constexpr uint32_t WM_STATUS_MOVE_COPY = 0x100000;
constexpr uint32_t WM_STATUS_ANCHOR_MASK = 0x780;

// Creation-only style bits.
constexpr uint32_t WM_CREATE_SELECT = 0x20;
constexpr uint32_t WM_CREATE_BOTTOM = 0x40;
// Mask applied to a creation style before it is stored.
constexpr uint32_t WM_CREATE_STORE_MASK = 0x3F3F9F;

// Common style combinations.
constexpr uint32_t WM_CF_HASTRANS = WM_STATUS_TRANSPARENT;
constexpr uint32_t WM_CF_HIDE = 0;
constexpr uint32_t WM_CF_SHOW = WM_STATUS_VISIBLE;
constexpr uint32_t WM_CF_MEMDEV = WM_STATUS_MEMDEV;
constexpr uint32_t WM_CF_STAYONTOP = WM_STATUS_STAYONTOP;
constexpr uint32_t WM_CF_DISABLED = WM_STATUS_DISABLED;
constexpr uint32_t WM_CF_ACTIVATE = WM_CREATE_SELECT;
constexpr uint32_t WM_CF_BGND = WM_CREATE_BOTTOM;
constexpr uint32_t WM_CF_MOVE_COPY = WM_STATUS_MOVE_COPY;

// Message ids.
constexpr int32_t WM_CREATE = 1;
constexpr int32_t WM_MOVE = 3;
constexpr int32_t WM_SIZE = 5;
constexpr int32_t WM_DELETE = 11;
constexpr int32_t WM_POINTER_CHILD = 13;
constexpr int32_t WM_KEY = 14;
constexpr int32_t WM_PAINT = 15;
constexpr int32_t WM_POINTER_HOVER = 16;
constexpr int32_t WM_POINTER_STATE_CHANGED = 17;
constexpr int32_t WM_POINTER_HOVER_END = 18;
constexpr int32_t WM_GET_INSIDE_RECT = 20;
constexpr int32_t WM_GET_ID = 21;
constexpr int32_t WM_SET_ID = 22;
constexpr int32_t WM_GET_CLIENT_WINDOW = 23;
constexpr int32_t WM_CAPTURE_RELEASED = 24;
constexpr int32_t WM_SET_FOCUS = 30;
constexpr int32_t WM_GET_ACCEPT_FOCUS = 31;
constexpr int32_t WM_CHILD_FOCUS_CHANGED = 32;
constexpr int32_t WM_GET_BKCOLOR = 34;
constexpr int32_t WM_GET_SCROLL_STATE = 35;
constexpr int32_t WM_SET_SCROLL_STATE = 36;
constexpr int32_t WM_NOTIFY_PARENT = 38;
constexpr int32_t WM_NOTIFY_ENABLE = 40;
constexpr int32_t WM_NOTIFY_OVERLAP = 41;
constexpr int32_t WM_WINDOW_DATA = 42;
constexpr int32_t WM_SCREEN_SIZE_CHANGED = 45;
constexpr int32_t WM_PRE_PAINT = 46;
constexpr int32_t WM_POST_PAINT = 47;
constexpr int32_t WM_MOTION = 48;
constexpr int32_t WM_TIMER = 275;
constexpr int32_t WM_POINTER = 576;
constexpr int32_t WIDGET_SET_EFFECT = 768;
constexpr int32_t WM_WHEEL = 1024;
constexpr int32_t WM_USER = 1024;

// Notification codes of WM_NOTIFY_PARENT.
constexpr int32_t WM_NOTIFICATION_CHILD_DELETED = 7;
constexpr int32_t WM_NOTIFICATION_GOT_FOCUS = 8;
constexpr int32_t WM_NOTIFICATION_LOST_FOCUS = 9;

// "No colour" answer of WM_GET_BKCOLOR and the desktop colour.
constexpr GUI_COLOR WM_NO_COLOR = 0xFFFFFFF;

struct WM_POINTER_STATE_CHANGE {
  int32_t x, y; // window-relative
  uint8_t Pressed;
  uint8_t PreviousPressed;
};

struct WM_FOCUS_CHANGE {
  WM_HWIN hOld;
  WM_HWIN hNew;
};

struct WM_MOVE_INFO {
  int32_t dx, dy;
};

struct WM_SCROLL_STATE {
  int32_t NumItems;
  int32_t Value;
  int32_t PageSize;
};

// A handle that the window manager clears when the window it names is deleted.
struct WM_CRITICAL_HANDLE {
  WM_CRITICAL_HANDLE* pNext;
  volatile WM_HWIN hWin;
};

// Initialisation and activation.
void WM_Init(void);
void WM_Activate(void);
void WM_Deactivate(void);

// Creation and deletion.
WM_HWIN WM_CreateWindowAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, uint32_t Style,
                               WM_CALLBACK* cb, int NumExtraBytes);
WM_HWIN WM_CreateWindow(int x0, int y0, int xSize, int ySize, uint32_t Style, WM_CALLBACK* cb,
                        int NumExtraBytes);
void WM_DeleteWindow(WM_HWIN hWin);
uint32_t WM_SetCreateFlags(uint32_t Flags);

// Tree and sibling order.
void WM_AttachWindow(WM_HWIN hWin, WM_HWIN hParent);
void WM_AttachWindowAt(WM_HWIN hWin, WM_HWIN hParent, int x, int y);
void WM_DetachWindow(WM_HWIN hWin);
void WM_BringToTop(WM_HWIN hWin);
void WM_BringToBottom(WM_HWIN hWin);
void WM_SetStayOnTop(WM_HWIN hWin, int OnOff);
int WM_GetStayOnTop(WM_HWIN hWin);

// Geometry.
void WM_MoveWindow(WM_HWIN hWin, int dx, int dy);
void WM_MoveTo(WM_HWIN hWin, int x, int y);
void WM_MoveChildTo(WM_HWIN hWin, int x, int y);
int WM_SetSize(WM_HWIN hWin, int xSize, int ySize);
int WM_SetXSize(WM_HWIN hWin, int xSize);
int WM_SetYSize(WM_HWIN hWin, int ySize);
void WM_SetWindowPos(WM_HWIN hWin, int x, int y, int xSize, int ySize);
void WM_SetAnchor(WM_HWIN hWin, uint32_t Flags);

// Visibility.
void WM_ShowWindow(WM_HWIN hWin);
void WM_HideWindow(WM_HWIN hWin);
int WM_IsVisible(WM_HWIN hWin);
int WM_IsCompletelyVisible(WM_HWIN hWin);
int WM_IsCompletelyCovered(WM_HWIN hWin);

// User data (the extra bytes after the window record).
int WM_GetUserData(WM_HWIN hWin, void* pDest, int Size);
int WM_SetUserData(WM_HWIN hWin, const void* pSrc, int Size);

// Queries.
WM_HWIN WM_GetParent(WM_HWIN hWin);
WM_HWIN WM_GetFirstChild(WM_HWIN hWin);
WM_HWIN WM_GetNextSibling(WM_HWIN hWin);
WM_HWIN WM_GetPrevSibling(WM_HWIN hWin);
WM_HWIN WM_GetDesktopWindow(void);
WM_HWIN WM_GetDesktopWindowEx(unsigned Layer);
int WM_GetWindowPosX(WM_HWIN hWin);
int WM_GetWindowPosY(WM_HWIN hWin);
int WM_GetWindowSizeX(WM_HWIN hWin);
int WM_GetWindowSizeY(WM_HWIN hWin);
void WM_GetWindowRect(WM_HWIN hWin, GUI_RECT* pRect);
void WM_GetWindowRectEx(WM_HWIN hWin, GUI_RECT* pRect);
void WM_GetClientRectEx(WM_HWIN hWin, GUI_RECT* pRect);
void WM_GetClientRect(GUI_RECT* pRect);
void WM_GetSelectedWindowRect(GUI_RECT* pRect);
int WM_GetSelectedWindowPosX(void);
int WM_GetSelectedWindowPosY(void);
WM_HWIN WM_GetActiveWindow(void);
WM_CALLBACK* WM_GetCallback(WM_HWIN hWin);
WM_CALLBACK* WM_SetCallback(WM_HWIN hWin, WM_CALLBACK* cb);
int WM_IsWindow(WM_HWIN hWin);
int WM_IsChildOf(WM_HWIN hWin, WM_HWIN hParent);
WM_HWIN WM_FindChildById(WM_HWIN hWin, int Id);
int WM_GetOrgX(void);
int WM_GetOrgY(void);
WM_HWIN WM_SelectWindow(WM_HWIN hWin);
GUI_COLOR WM_SetDesktopColor(GUI_COLOR Color);
GUI_COLOR WM_SetDesktopColorEx(GUI_COLOR Color, unsigned Layer);
void WM_ForEachDesc(WM_HWIN hWin, void (*fn)(WM_HWIN hWin, void* pData), void* pData);

// Messages.
void WM_DefaultProc(WM_MESSAGE* pMsg);
void WM_SendMessage(WM_HWIN hWin, WM_MESSAGE* pMsg);
void WM_SendMessageNoPara(WM_HWIN hWin, int MsgId);
void WM_SendToParent(WM_HWIN hWin, WM_MESSAGE* pMsg);
void WM_NotifyParent(WM_HWIN hWin, int Code);
int WM_BroadcastMessage(WM_MESSAGE* pMsg);
int WM_GetId(WM_HWIN hWin);
void WM_SetId(WM_HWIN hWin, int Id);
void WM_GetInsideRectEx(WM_HWIN hWin, GUI_RECT* pRect);
void WM_GetInsideRect(GUI_RECT* pRect);
WM_HWIN WM_GetClientWindow(WM_HWIN hWin);
GUI_COLOR WM_GetBkColor(WM_HWIN hWin);
int WM_IsFocusable(WM_HWIN hWin);
void WM_GetScrollState(WM_HWIN hObj, WM_SCROLL_STATE* pScrollState);
void WM_SetScrollState(WM_HWIN hWin, const WM_SCROLL_STATE* pState);

// Scroll bars attached to a window (Id 254 vertical, 255 horizontal).
constexpr int GUI_ID_VSCROLL = 254;
constexpr int GUI_ID_HSCROLL = 255;
WM_HWIN WM_GetScrollbarV(WM_HWIN hWin);
WM_HWIN WM_GetScrollbarH(WM_HWIN hWin);
WM_HWIN WM_GetScrollPartner(WM_HWIN hWin);
int WM_SetScrollbarV(WM_HWIN hWin, int OnOff);
int WM_SetScrollbarH(WM_HWIN hWin, int OnOff);
int WM_GetScrollPosV(WM_HWIN hWin);
int WM_GetScrollPosH(WM_HWIN hWin);
void WM_SetScrollPosV(WM_HWIN hWin, unsigned ScrollPos);
void WM_SetScrollPosH(WM_HWIN hWin, unsigned ScrollPos);
void WM_GetInsideRectExScrollbar(WM_HWIN hWin, GUI_RECT* pRect);
void WM_CheckScrollBounds(WM_SCROLL_STATE* pScrollState);
int WM_SetScrollValue(WM_SCROLL_STATE* pScrollState, int v);
int WM_CheckScrollPos(WM_SCROLL_STATE* pScrollState, int Pos, int LowerDist, int UpperDist);

// Invalidation and painting.
void WM_InvalidateRect(WM_HWIN hWin, const GUI_RECT* pRect);
void WM_InvalidateWindow(WM_HWIN hWin);
void WM_InvalidateWindowAndDescendants(WM_HWIN hWin);
void WM_InvalidateArea(const GUI_RECT* pRect);
void WM_ValidateWindow(WM_HWIN hWin);
void WM_ValidateRect(WM_HWIN hWin, const GUI_RECT* pRect);
int WM_GetInvalidRect(WM_HWIN hWin, GUI_RECT* pRect);
int WM_Exec(void);
int WM_Exec1(void);
const GUI_RECT* WM_SetUserClipRect(const GUI_RECT* pRect);
void WM_SetDefault(void);
void WM_Update(WM_HWIN hWin);
void WM_Paint(WM_HWIN hWin);
void WM_UpdateWindowAndDescs(WM_HWIN hWin);
void WM_PaintWindowAndDescs(WM_HWIN hWin);
void WM_SetHasTrans(WM_HWIN hWin);
void WM_ClrHasTrans(WM_HWIN hWin);
int WM_GetHasTrans(WM_HWIN hWin);
void WM_SetTransState(WM_HWIN hWin, unsigned State);
void WM_EnableMemdev(WM_HWIN hWin);
void WM_DisableMemdev(WM_HWIN hWin);
int WM_SetMultiBufferPaint(int OnOff);
int WM_SetShowInvalid(int OnOff);
typedef void WM_tfExecHook(void);
WM_tfExecHook* WM_SetExecHook(WM_tfExecHook* pfHook);
void WM_SetScreenSize(int xSize, int ySize);

// Pointer, keys, focus and capture.
WM_HWIN WM_GetWindowAt(int x, int y);
WM_HWIN WM_GetWindowAtEx(WM_HWIN hStop, int x, int y);
void WM_SetCapture(WM_HWIN hWin, int AutoRelease);
void WM_ReleaseCapture(void);
int WM_HasCaptured(WM_HWIN hWin);
void WM_MakeModal(WM_HWIN hWin);
int WM_SetPointerLayer(int Layer);
int WM_OnKey(int Key, int PressedCnt);
int WM_SetFocus(WM_HWIN hWin);
WM_HWIN WM_GetFocusWindow(void);
int WM_HasFocus(WM_HWIN hWin);
WM_HWIN WM_SetFocusOnNextChild(WM_HWIN hParent);
WM_HWIN WM_SetFocusOnPrevChild(WM_HWIN hParent);
void WM_EnableWindow(WM_HWIN hWin);
void WM_DisableWindow(WM_HWIN hWin);
int WM_IsEnabled(WM_HWIN hWin);

// Library-internal operations (the caller holds the GUI lock unless said otherwise).
WM_OBJ* WM_H2P(WM_HWIN hWin);
int WM__IsWindow(WM_HWIN hWin);
void WM__MarkForDeletion(WM_HWIN hWin);
void WM__DeleteMarkedWindows(void);
void WM__ResizeWindow(WM_HWIN hWin, int dx, int dy);
int WM__GetUserDataEx(WM_HWIN hWin, void* pDest, int Size, int Offset);
int WM__SetUserDataEx(WM_HWIN hWin, const void* pSrc, int Size, int Offset);
WM_HWIN WM__GetFirstSibling(WM_HWIN hWin);
WM_HWIN WM__GetPrevSibling(WM_HWIN hWin);
WM_HWIN WM__GetLastSibling(WM_HWIN hWin);
int WM__IsAncestor(WM_HWIN hChild, WM_HWIN hParent);
int WM__IsAncestorOrSelf(WM_HWIN hChild, WM_HWIN hParent);
void WM__GetRelRect(const WM_OBJ* pWin, GUI_RECT* pRect);
int WM__GetRectSizeX(const GUI_RECT* pRect);
int WM__GetRectSizeY(const GUI_RECT* pRect);
void WM__AddCriticalHandle(WM_CRITICAL_HANDLE* pCH);
void WM__RemoveCriticalHandle(WM_CRITICAL_HANDLE* pCH);
void WM__SendMessage(WM_HWIN hWin, WM_MESSAGE* pMsg);
void WM__SendMessageIfEnabled(WM_HWIN hWin, WM_MESSAGE* pMsg);
void WM__SendMessageNoPara(WM_HWIN hWin, int MsgId);
void WM__NotifyOverlapping(WM_HWIN hWin, const GUI_RECT* pRect);
int WM__BeginClipIteration(const GUI_RECT* pMaxRect);
int WM__NextClipRect(void);
int WM__ClipAtParentBorders(GUI_RECT* pRect, WM_HWIN hWin);
void WM__InvalidateRectEx(const GUI_RECT* pInvalid, WM_HWIN hParent, WM_HWIN hStop);
void WM__PaintWindow(WM_HWIN hWin);
WM_HWIN WM__SelectWindow(WM_HWIN hWin);  // without the paint-time check
int WM__HandlePointer(void);
WM_HWIN WM__GetPointerWindow(const GUI_POINTER_STATE* pState);
int WM__IsInModalArea(WM_HWIN hWin);
void WM__SendPointerMessage(WM_HWIN hWin, WM_MESSAGE* pMsg);
void WM__SendPointerMessageRel(WM_HWIN hWin, WM_MESSAGE* pMsg);
void WM__SetPointerWindows(WM_HWIN hWin);
void WM__GetLastPointerState(GUI_POINTER_STATE* pState, int Index);
void WM__SetLastPointerState(const GUI_POINTER_STATE* pState, int Index);
void WM__SetEnableState(WM_HWIN hWin, int Enable);
int WM__IsEnabled(WM_HWIN hWin);
void WM__MoveByPointer(WM_HWIN hWin, const GUI_POINTER_STATE* pState, int Margin, int Rows);

#include "GUI_Array.h"
#include "GUI_DrawObj.h"
#include "GUI_Hook.h"
