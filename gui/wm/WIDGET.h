// Widget base: the part every widget record shares after the window record (frame effect, Id, state), the
// common message handling each widget callback runs first, drawing in widget coordinates (rotated for
// vertical widgets) and the frame effects. The widget collection above adds the type record that drives
// creation, typed locking and user data of every widget.
#pragma once
#include <cstddef>

#include "WM.h"

// Frame effect: the frame a widget draws around its client area. Slots are called with the widget's
// window selected.
struct WIDGET_EFFECT {
  I32 EffectSize; // frame width in pixels
  void (*pfDrawUp)(void);
  void (*pfDrawUpRect)(const GUI_RECT* pRect);
  void (*pfDrawDown)(void);
  void (*pfDrawDownRect)(const GUI_RECT* pRect);
  void (*pfDrawFlat)(const GUI_RECT* pRect); // optional
  void (*pfReserved)(void);
};

extern const WIDGET_EFFECT WIDGET_Effect_3D;
extern const WIDGET_EFFECT WIDGET_Effect_Simple;
extern const WIDGET_EFFECT WIDGET_Effect_Soft;
extern const WIDGET_EFFECT WIDGET_Effect_None;
extern const WIDGET_EFFECT WIDGET_Effect_Frame;

// Colours of the effects by index; an index out of range reads 0 and writes nothing.
GUI_COLOR WIDGET_EFFECT_3D_GetColor(unsigned Index);
void WIDGET_EFFECT_3D_SetColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR WIDGET_EFFECT_Simple_GetColor(unsigned Index);
void WIDGET_EFFECT_Simple_SetColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR WIDGET_EFFECT_Soft_GetColor(unsigned Index);
void WIDGET_EFFECT_Soft_SetColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR WIDGET_EFFECT_Frame_GetColor(unsigned Index);
void WIDGET_EFFECT_Frame_SetColor(unsigned Index, GUI_COLOR Color);
void WIDGET__Effect3D_DrawUp(void);

// The widget part of every widget record.
struct WIDGET {
  WM_OBJ Win;
  const WIDGET_EFFECT* pEffect;
  I16 Id;
  U16 State;
};

// State bits shared by all widgets; widgets use the bits from 0x100 up for themselves.
constexpr U16 WIDGET_STATE_FOCUS = 0x1;
constexpr U16 WIDGET_STATE_VERTICAL = 0x8;
constexpr U16 WIDGET_STATE_FOCUSABLE = 0x10;

// Notification codes of widgets (WM_NOTIFY_PARENT, Data.v).
constexpr int WM_NOTIFICATION_CLICKED = 1;
constexpr int WM_NOTIFICATION_RELEASED = 2;
constexpr int WM_NOTIFICATION_MOVED_OUT = 3;
constexpr int WM_NOTIFICATION_VALUE_CHANGED = 5;

// Create record of a dialog item (read-only data of the application).
struct WIDGET_CREATE_INFO;
typedef WM_HWIN GUI_WIDGET_CREATE_FUNC(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                       WM_CALLBACK* cb);
struct WIDGET_CREATE_INFO {
  GUI_WIDGET_CREATE_FUNC* pfCreateIndirect;
  const char* pName;
  I16 Id;
  I16 x0, y0, xSize, ySize;
  U16 Flags;
  I32 Para;
  U32 NumExtraBytes;
};

// Item drawing of flexible skins: the request record, the routine answering it, and the skin record.
struct WIDGET_ITEM_DRAW_INFO {
  WM_HWIN hWin;
  int Cmd;
  int ItemIndex;
  int Col;
  int x0, y0, x1, y1;
  void* p;
};
typedef int WIDGET_DRAW_ITEM_FUNC(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
struct WIDGET_SKIN {
  void (*pfPaint)(WM_HWIN hObj);
  void (*pfCreate)(WM_HWIN hObj);
  void* pSkinPrivate;
};

void WIDGET__Init(WIDGET* pWidget, int Id, U16 State);
// The widget base's part of every widget callback. -> 1 when the message goes on to the widget, 0 when it
// was handled here or the widget is gone (a press that gives it the focus may let the parent delete it).
int WIDGET_HandleActive(WM_HWIN hObj, WM_MESSAGE* pMsg);
// Tells the parent Code (WM_NotifyParent). The parent may delete the widget while it handles the
// notification, and a window made then may get its handle: -> 1 when the widget is still there, 0 when it
// is gone and its handle must not be used again. Every widget notifies through it and goes on only with 1.
int WIDGET__NotifyParent(WM_HWIN hObj, int Code);

// State word (GUI lock; invalidates only on a change).
U16 WIDGET_GetState(WM_HWIN hObj);
void WIDGET_OrState(WM_HWIN hObj, U16 Mask);
void WIDGET_AndState(WM_HWIN hObj, U16 Mask);
void WIDGET__SetState(WM_HWIN hObj, U16 State);

// Effects.
void WIDGET_SetEffect(WM_HWIN hObj, const WIDGET_EFFECT* pEffect);
const WIDGET_EFFECT* WIDGET_SetDefaultEffect(const WIDGET_EFFECT* pEffect);
const WIDGET_EFFECT* WIDGET_GetDefaultEffect(void);
int WIDGET_SetWidth(WM_HWIN hObj, int Width);
void WIDGET__SetScrollState(WM_HWIN hObj, const WM_SCROLL_STATE* pVState, const WM_SCROLL_STATE* pHState);

// Drawing in widget coordinates (the widget's window selected).
void WIDGET__RotateRect90(const WIDGET* pWidget, GUI_RECT* pDest, const GUI_RECT* pSrc);
void WIDGET__GetClientRect(const WIDGET* pWidget, GUI_RECT* pRect);
int WIDGET__GetXSize(const WIDGET* pWidget);
int WIDGET__GetYSize(const WIDGET* pWidget);
int WIDGET__GetWindowSizeX(WM_HWIN hWin);
void WIDGET__FillRect(const WIDGET* pWidget, const GUI_RECT* pRect);
void WIDGET__DrawFocusRect(const WIDGET* pWidget, const GUI_RECT* pRect, int Dist);
void WIDGET__DrawHLine(const WIDGET* pWidget, int y, int x0, int x1);
void WIDGET__DrawVLine(const WIDGET* pWidget, int x, int y0, int y1);
void WIDGET__DrawTriangle(const WIDGET* pWidget, int x, int y, int Size, int Inc);
void WIDGET__GetInsideRect(const WIDGET* pWidget, GUI_RECT* pRect);
GUI_COLOR WIDGET__GetBkColor(WM_HWIN hObj);
void WIDGET__EffectDrawDown(const WIDGET* pWidget);
void WIDGET__EffectDrawDownRect(const WIDGET* pWidget, const GUI_RECT* pRect);
void WIDGET__EffectDrawUpRect(const WIDGET* pWidget, const GUI_RECT* pRect);
void WIDGET__FillStringInRect(const char* pText, const GUI_RECT* pFillRect, const GUI_RECT* pTextRect,
                              const GUI_RECT* pTextExtent);
