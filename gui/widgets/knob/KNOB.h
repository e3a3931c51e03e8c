// KNOB: a rotary control. A picture supplied by the application as a 32-bit memory device is drawn rotated
// by the knob's angle over a background colour or a background memory device. It is turned by dragging
// around its centre (the window manager's motion support delivers the rotation) or with the arrow keys.
// Angles are tenths of a degree (3600 one turn); the value may be limited to a range and is reported to the
// parent on every change.
#pragma once
#include "GUI_MEMDEV.h"
#include "WIDGET_Type.h"

constexpr U32 KNOB_ID = 0x4B4E4F42; // "KNOB"

struct KNOB_OBJ {
  WIDGET Widget;
  I32 Snap;          // motion snap distance, tenths of a degree (TickSize x the given snap)
  I32 Period;        // motion period, ms
  GUI_COLOR BkColor; // 0xFF000000 transparent; WM_NO_COLOR no fill at all
  I32 Offset;        // added to the angle when drawing
  I32 MinRange, MaxRange; // equal: no limits
  I32 TickSize;      // never 0
  I32 KeyValue;      // step of an arrow key while TickSize is 1 or less
  GUI_HMEM hMotionContext;
  I32 Angle; // 0..3600
  I32 Value; // not wrapped
  I32 xSize, ySize;
  GUI_HMEM hMemSrc; // the picture (the application's)
  GUI_HMEM hMemDst; // the knob's own, of the window's size
  GUI_HMEM hMemBk;  // the background (the application's), 0 none
  U32 DebugId;
};

WM_HWIN KNOB_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int Id,
                        int NumExtraBytes);
WM_HWIN KNOB_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int Id);
WM_HWIN KNOB_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK* cb);
void KNOB_Callback(WM_MESSAGE* pMsg);
KNOB_OBJ* KNOB_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// These setters do not redraw.
void KNOB_SetDevice(WM_HWIN hObj, GUI_HMEM hMem);
void KNOB_SetBkDevice(WM_HWIN hObj, GUI_HMEM hMem);
void KNOB_SetBkColor(WM_HWIN hObj, GUI_COLOR Color);
void KNOB_SetOffset(WM_HWIN hObj, I32 Offset);
void KNOB_SetPeriod(WM_HWIN hObj, I32 Period); // ms; 0 ends a drag on the snap at once, below 0 refused
void KNOB_SetSnap(WM_HWIN hObj, I32 Snap);
void KNOB_SetKeyValue(WM_HWIN hObj, I32 KeyValue);
void KNOB_SetTickSize(WM_HWIN hObj, I32 TickSize); // 0 refused
void KNOB_SetRange(WM_HWIN hObj, I32 MinRange, I32 MaxRange);
// These notify the parent (5) and redraw.
void KNOB_SetPos(WM_HWIN hObj, I32 Pos);
void KNOB_AddValue(WM_HWIN hObj, I32 Steps);
I32 KNOB_GetValue(WM_HWIN hObj);
int KNOB_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int KNOB_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

extern const WIDGET_TYPE KNOB__Type;
