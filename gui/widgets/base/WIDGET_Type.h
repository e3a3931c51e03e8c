// The widget collection's base. A widget describes itself once, in its WIDGET_TYPE record (name, callback,
// record size, tag, style, initial state, default property block, skin); creation, creation from a dialog
// record, typed locking, user data, skins, setter plumbing, item lists and attached scroll bars live here
// once, and a widget module holds only what is its own.
#pragma once
#include <cstddef>

#include "WIDGET.h"
#include "WM_Intern.h"

// Messages between widgets, dialogs and their windows.
constexpr int32_t WM_INIT_DIALOG = 29;
constexpr int32_t WM_CLIENT_CHANGED = 37;
constexpr int32_t WM_NOTIFY_REFLECTION = 39; // a parent hands a child's own release back to it
constexpr int32_t WM_DIALOG_STATUS = WM_WINDOW_DATA; // Data.p non-null: store it; null: answer the stored one
constexpr int32_t WM_GET_RADIOGROUP = 43;
constexpr int32_t WM_MENU = 44;

// Further notification codes (WM_NOTIFY_PARENT, Data.v).
constexpr int WM_NOTIFICATION_SEL_CHANGED = 4;
constexpr int WM_NOTIFICATION_SCROLLBAR_ADDED = 6;
constexpr int WM_NOTIFICATION_SCROLL_CHANGED = 10;

// Requests of flexible skins to their item routine (WIDGET_ITEM_DRAW_INFO::Cmd); each widget says which it
// sends and in which coordinates. Owner-drawn items are asked for their size with GET_XSIZE and GET_YSIZE
// and drawn with WIDGET_ITEM_DRAW.
constexpr int WIDGET_ITEM_CREATE = 0;
constexpr int WIDGET_ITEM_DRAW = 1;
constexpr int WIDGET_ITEM_DRAW_ARROW = 2;
constexpr int WIDGET_ITEM_DRAW_ARROW_R = 3;
constexpr int WIDGET_ITEM_DRAW_ARROW_L = 4;
constexpr int WIDGET_ITEM_DRAW_BACKGROUND = 5;
constexpr int WIDGET_ITEM_DRAW_BITMAP = 6;
constexpr int WIDGET_ITEM_DRAW_BUTTON = 7;
constexpr int WIDGET_ITEM_DRAW_BUTTON_L = 8;
constexpr int WIDGET_ITEM_DRAW_BUTTON_R = 9;
constexpr int WIDGET_ITEM_DRAW_FOCUS = 10;
constexpr int WIDGET_ITEM_DRAW_FRAME = 11;
constexpr int WIDGET_ITEM_DRAW_OVERLAP = 12;
constexpr int WIDGET_ITEM_DRAW_SEP = 14;
constexpr int WIDGET_ITEM_DRAW_SHAFT = 15;
constexpr int WIDGET_ITEM_DRAW_SHAFT_L = 16;
constexpr int WIDGET_ITEM_DRAW_SHAFT_R = 17;
constexpr int WIDGET_ITEM_DRAW_TEXT = 18;
constexpr int WIDGET_ITEM_DRAW_THUMB = 19;
constexpr int WIDGET_ITEM_DRAW_TICKS = 20;
constexpr int WIDGET_ITEM_GET_BORDERSIZE_B = 21;
constexpr int WIDGET_ITEM_GET_BORDERSIZE_L = 22;
constexpr int WIDGET_ITEM_GET_BORDERSIZE_R = 23;
constexpr int WIDGET_ITEM_GET_BORDERSIZE_T = 24;
constexpr int WIDGET_ITEM_GET_BUTTONSIZE = 25;
constexpr int WIDGET_ITEM_GET_XSIZE = 26;
constexpr int WIDGET_ITEM_GET_YSIZE = 27;
constexpr int WIDGET_ITEM_GET_RADIUS = 28;

// The common signature of <W>_CreateUser for widgets without further creation arguments.
typedef WM_HWIN WIDGET_CREATE_USER_FUNC(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags,
                                        int ExFlags, int Id, int NumExtraBytes);

// What a widget module tells the generic routines about its records. Modules fill it with designated
// initialisers; what a widget does not have stays 0.
struct WIDGET_TYPE {
  const char* pName;   // upper-case module name used in the failure texts ("BUTTON")
  WM_CALLBACK* cb;     // the module's callback
  U32 ObjSize;         // offset of the user data: sizeof the record as a rule
  U32 TagOffset;       // offset of the 32-bit tag; 0 for widgets without a tag
  U32 Tag;
  U32 StyleBits;       // window style bits the widget always adds
  U16 InitialState;
  // Default property block: PropsSize bytes copied from pDefaultProps to PropsOffset at creation.
  void* pDefaultProps;
  U32 PropsOffset;
  U32 PropsSize;
  // Skin: the module's default skin variable and where the record keeps its skin pointer (0: no skin).
  const WIDGET_SKIN** ppDefaultSkin;
  U32 SkinOffset;
  // Where the record keeps its item routine of the flexible skin (0: none); it lies in the default block.
  U32 DrawSkinOffset;
  // The callback skeleton's handlers (WIDGET__Callback); each may be null. OnMessage sees every message
  // first and answers 1 when it consumed it; OnPaint (else the skin) answers WM_PAINT; OnDelete, OnKey and
  // OnPointer run before the default handling.
  int (*pfOnMessage)(WM_HWIN hObj, WM_MESSAGE* pMsg);
  void (*pfOnPaint)(WM_HWIN hObj); // paints a widget without a skin
  void (*pfOnDelete)(WM_HWIN hObj);
  void (*pfOnKey)(WM_HWIN hObj, const GUI_KEY_MSG* pKey);
  void (*pfOnPointer)(WM_HWIN hObj, const GUI_POINTER_STATE* pState);
  // Runs after the widget base has changed the frame effect (widgets whose geometry follows it).
  void (*pfOnEffect)(WM_HWIN hObj);
  // A widget with a failure text of its own for a window that could not be made sends it to the error
  // output instead of the common warning.
  const char* pNoWindowText;
};

// The callback skeleton every widget shares: the widget base's handling first, then the type's handlers,
// WM_PAINT through OnPaint or the skin, and everything not consumed to WM_DefaultProc (keys thus reach the parent).
void WIDGET__Callback(const WIDGET_TYPE* pType, WM_MESSAGE* pMsg);
// The pointer notifications every widget sends: WM_NOTIFICATION_MOVED_OUT when the pointer has left (no
// state) and WM_NOTIFICATION_RELEASED on a release. -> true for a press, which the widget handles itself.
bool WIDGET__NotifyPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState);
// The whole pointer handling of a widget that a press changes nothing in: those notifications, and
// WM_NOTIFICATION_CLICKED for a press.
void WIDGET__NotifyClicks(WM_HWIN hObj, const GUI_POINTER_STATE* pState);
// Arrow keys as a step: -1 for left (and up when UpDown), +1 for right (and down), 0 otherwise or for a
// release.
int WIDGET__ArrowStep(const GUI_KEY_MSG* pKey, int UpDown);

// Generic creation: installs the layer's hooks, creates the window with room for the record and
// NumExtraBytes of zeroed user data, sets the widget part, the tag, the default block and the default skin.
// Failure: "<W>:\n<W>_CreateUser() failed" as a warning (or the type's own text as an error), result 0. The
// caller holds the GUI lock, fills its own fields and then calls WIDGET__FinishCreate.
WM_HWIN WIDGET__CreateUser(const WIDGET_TYPE* pType, int x0, int y0, int xSize, int ySize, WM_HWIN hParent,
                           U32 WinFlags, int Id, int NumExtraBytes);
// Runs the create operation of the record's skin; returns hObj.
WM_HWIN WIDGET__FinishCreate(const WIDGET_TYPE* pType, WM_HWIN hObj);
// A buffer of a new widget could not be had: "<W>:\nFailed to alloc buffer in <W>_CreateUser()" as an error,
// the window is deleted (its WM_DELETE frees what was already had); result 0.
WM_HWIN WIDGET__CreateFailed(const WIDGET_TYPE* pType, WM_HWIN hObj);
// Creation from a dialog record through the widget's CreateUser: position relative to (x0, y0), ExFlags
// from the record's Flags, Id and extra bytes from the record.
WM_HWIN WIDGET__CreateIndirect(WIDGET_CREATE_USER_FUNC* pfCreateUser, const WIDGET_CREATE_INFO* pCreateInfo,
                               WM_HWIN hParent, int x0, int y0, int WinFlags);

// Locks a handle and checks that the block is a record of this type (large enough and carrying the tag);
// otherwise "<W>:\nWrong handle type or Object not init'ed in <W>_LockH()" and null. Unlock with
// GUI_ALLOC_UnlockH.
void* WIDGET__LockH(const WIDGET_TYPE* pType, WM_HWIN hObj);
// Locks, checks and unlocks: a pointer valid until the next allocation (null on failure).
void* WIDGET__GetObj(const WIDGET_TYPE* pType, WM_HWIN hObj);
// User data after the record; results are the byte counts copied (GUI lock taken here).
int WIDGET__GetUserData(const WIDGET_TYPE* pType, WM_HWIN hObj, void* pDest, int NumBytes);
int WIDGET__SetUserData(const WIDGET_TYPE* pType, WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module default skins: the classic one, or the flexible one with its item routine (stored in the default
// block); -> the previous default item routine.
void WIDGET__SetDefaultSkinClassic(const WIDGET_TYPE* pType, const WIDGET_SKIN* pSkin);
WIDGET_DRAW_ITEM_FUNC* WIDGET__SetDefaultSkinFlex(const WIDGET_TYPE* pType, const WIDGET_SKIN* pSkin,
                                                  WIDGET_DRAW_ITEM_FUNC* pfDraw);
// Skins: store the skin (the flexible one with its item routine), run the skin's create and invalidate.
void WIDGET__SetSkinClassic(const WIDGET_TYPE* pType, WM_HWIN hObj, const WIDGET_SKIN* pSkin);
void WIDGET__SetSkinFlex(const WIDGET_TYPE* pType, WM_HWIN hObj, const WIDGET_SKIN* pSkin,
                         WIDGET_DRAW_ITEM_FUNC* pfDraw);
// The record's skin and item routine (the caller holds the lock; null when the type has none).
const WIDGET_SKIN* WIDGET__GetSkin(const WIDGET_TYPE* pType, WM_HWIN hObj);
WIDGET_DRAW_ITEM_FUNC* WIDGET__GetDrawSkin(const WIDGET_TYPE* pType, WM_HWIN hObj);
// Paints through the record's skin: the body of every widget's WM_PAINT.
void WIDGET__PaintSkin(const WIDGET_TYPE* pType, WM_HWIN hObj);

// Copies at most MaxLen - 1 bytes of s and a 0 into pBuffer; -> bytes copied. Nothing is written for a null
// buffer or MaxLen below 1.
int WIDGET__CopyString(const char* s, char* pBuffer, int MaxLen);
// The same for a text in GUI memory (an empty string without text).
int WIDGET__CopyText(GUI_HMEM hText, char* pBuffer, int MaxLen);
// The text of a handle, "" without one (valid until the next allocation).
const char* WIDGET__Text(GUI_HMEM hText);
// Puts a picture object into a widget's slot (the caller holds the lock): the old one is freed and the widget
// redrawn. Without a slot (null: no such widget or index) the new object is freed, as nobody would own it.
void WIDGET__SetDrawObj(WM_HWIN hObj, GUI_HMEM* phSlot, GUI_HMEM hDrawObj);
// While a widget paints: the rectangle the current paint step may touch, in window coordinates.
void WIDGET__GetPaintClip(WM_HWIN hObj, GUI_RECT* pRect);
// Switches the window's transparency after a background colour: none (above 0xFFFFFF) is transparent.
void WIDGET__SetTransByColor(WM_HWIN hObj, GUI_COLOR Color);

// An unsigned item or column index of the API as an int: one beyond 16 bits (a negative number passed in by
// mistake) stands for no item, -1.
inline int WIDGET__Index(unsigned Index) {
  return Index < 0x10000 ? (int)Index : -1;
}

// Item lists over GUI_ARRAY: one 8-bit text (or a blank item) per entry.
GUI_ARRAY WIDGET__CreateItems(int NumItems); // NumItems blank items; 0 (nothing left) on failure
int WIDGET__SetItemText(GUI_ARRAY hItems, int Index, const char* pText); // 0 done; 1 bad index or no memory
int WIDGET__GetItemText(GUI_ARRAY hItems, int Index, char* pBuffer, int MaxLen); // -> bytes copied
// Writes the item's text into a caller buffer of MaxLen and answers it ("" for a blank or missing item).
const char* WIDGET__ItemText(GUI_ARRAY hItems, int Index, char* pBuffer, int MaxLen);

// Attached scroll bars: Mode 0 removes the bar, 1 shows it, 2 shows it only while NumItems > PageSize; then
// the bar gets the state. -> the bar's handle (0 without one).
constexpr int WIDGET_SCROLLBAR_OFF = 0;
constexpr int WIDGET_SCROLLBAR_ON = 1;
constexpr int WIDGET_SCROLLBAR_AUTO = 2;
WM_HWIN WIDGET__UpdateScrollbar(WM_HWIN hObj, int Vertical, int Mode, const WM_SCROLL_STATE* pState);
// A child reported a new value (WM_NOTIFICATION_VALUE_CHANGED): when hSrc is an attached bar (by its Id), its
// value goes into *pV (vertical bar) or *pH (horizontal), the widget is redrawn and its parent told
// WM_NOTIFICATION_SCROLL_CHANGED. -> false for any other sender, which changes nothing.
bool WIDGET__TakeScrollValue(WM_HWIN hObj, WM_HWIN hSrc, WM_SCROLL_STATE* pV, WM_SCROLL_STATE* pH);

// Installs the widget collection's hooks into the window manager (attached scroll bars, dialog background).
void WIDGET__InstallHooks(void);

// Setter and getter plumbing. Change runs f on the locked record and invalidates when f reports a visible
// change; Read answers f of the locked record, Default for handle 0 or a handle of another type.
template <class OBJ, class F> void WIDGET__Change(const WIDGET_TYPE* pType, WM_HWIN hObj, F f) {
  WM__LockGuard Lock;
  OBJ* pObj = (OBJ*)WIDGET__LockH(pType, hObj);
  if (!pObj) {
    return;
  }
  bool Changed = f(pObj);
  GUI_ALLOC_UnlockH(&pObj);
  if (Changed && WM__IsWindow(hObj)) {
    WM_InvalidateWindow(hObj);
  }
}

template <class OBJ, class T, class F> T WIDGET__Read(const WIDGET_TYPE* pType, WM_HWIN hObj, T Default, F f) {
  WM__LockGuard Lock;
  OBJ* pObj = (OBJ*)WIDGET__LockH(pType, hObj);
  if (!pObj) {
    return Default;
  }
  T r = f(pObj);
  GUI_ALLOC_UnlockH(&pObj);
  return r;
}

// The plumbing of one widget type: WIDGET_ACCESS<SLIDER_OBJ, &SLIDER__Type>::Change(hObj, f).
template <class OBJ, const WIDGET_TYPE* pType> struct WIDGET_ACCESS {
  template <class F> static void Change(WM_HWIN hObj, F f) { WIDGET__Change<OBJ>(pType, hObj, f); }
  template <class T, class F> static T Read(WM_HWIN hObj, T Default, F f) {
    return WIDGET__Read<OBJ>(pType, hObj, Default, f);
  }
  // Stores Color in the field that pfField picks; -> the previous colour when it changed, else 0.
  template <class F> static GUI_COLOR SetColorGetOld(WM_HWIN hObj, F pfField, GUI_COLOR Color) {
    GUI_COLOR Old = 0;
    Change(hObj, [&](OBJ* pObj) {
      GUI_COLOR* p = pfField(pObj);
      GUI_COLOR Prev = *p;
      bool Changed = Prev != Color;
      *p = Color;
      Old = Changed ? Prev : 0;
      return Changed;
    });
    return Old;
  }
};

// v within [Min, Max]; a value below Min gives Min first, so Min wins where Max lies below it.
template <class T> T WIDGET__Limit(T v, T Min, T Max) {
  return v < Min ? Min : v > Max ? Max : v;
}

// Stores Value; true when it differed.
template <class T, class V> bool WIDGET__Store(T* pField, V Value) {
  if (*pField == (T)Value) {
    return false;
  }
  *pField = (T)Value;
  return true;
}

// Writes a module default (under the lock); -> the previous value.
template <class T, class V> T WIDGET__SetDefault(T* pField, V Value) {
  WM__LockGuard Lock;
  T Old = *pField;
  *pField = (T)Value;
  return Old;
}

// Copies a module-wide property record by index out of or into the module (index out of range: nothing).
template <class T, size_t N> void WIDGET__GetProps(const T (&aProps)[N], T* pDest, int Index) {
  if (pDest && Index >= 0 && (size_t)Index < N) {
    WM__LockGuard Lock;
    *pDest = aProps[Index];
  }
}
template <class T, size_t N> void WIDGET__SetProps(T (&aProps)[N], const T* pSrc, int Index) {
  if (pSrc && Index >= 0 && (size_t)Index < N) {
    WM__LockGuard Lock;
    aProps[Index] = *pSrc;
  }
}
