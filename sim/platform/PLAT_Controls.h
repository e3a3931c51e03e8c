// Standard controls inside a window: edit fields, sliders, check boxes, drop-down lists and vertical scroll
// bars. A control tells its window what the user did with PLAT_MSG_NOTIFY; what the program sets is never
// reported back. Main thread only.
#pragma once
#include <cstdint>

#include "PLAT_Window.h"

struct PLAT_CONTROL;
typedef PLAT_CONTROL* PLAT_HCTL;

enum { PLAT_CTL_EDIT, PLAT_CTL_SLIDER, PLAT_CTL_CHECKBOX, PLAT_CTL_LIST, PLAT_CTL_VSCROLL };

enum : uint32_t {
  PLAT_MSG_NOTIFY = PLAT_MSG_USER + 0x100,  // wParam = control id | code << 16, lParam = the control (PLAT_HCTL)
};
enum {
  PLAT_NOTIFY_CHANGED = 1,  // slider or scroll bar moved, box clicked, list selection made: see the value
  PLAT_NOTIFY_DONE = 2,     // an edit field was left or confirmed with Enter
};

// Sliders and scroll bars start at 0..100, position 0; edits take pText, boxes show it as their label.
PLAT_HCTL PLAT_CreateControl(PLAT_HWIN hParent, int Kind, uint32_t Id, int x, int y, int xSize, int ySize,
                             const char* pText);
void PLAT_MoveControl(PLAT_HCTL hCtl, int x, int y, int xSize, int ySize);
void PLAT_ShowControl(PLAT_HCTL hCtl, int OnOff);
int PLAT_IsControlVisible(PLAT_HCTL hCtl);   // shown by the program (whether or not its window is)
void PLAT_EnableControl(PLAT_HCTL hCtl, int OnOff);
int PLAT_IsControlEnabled(PLAT_HCTL hCtl);
void PLAT_SetControlText(PLAT_HCTL hCtl, const char* s);
int PLAT_GetControlText(PLAT_HCTL hCtl, char* pBuffer, int BufferSize);  // bytes without the terminator
void PLAT_SetControlRange(PLAT_HCTL hCtl, int Min, int Max);   // sliders and scroll bars
void PLAT_GetControlRange(PLAT_HCTL hCtl, int* pMin, int* pMax);
// Slider or scroll-bar position, box state (0, 1), list selection (-1 none).
void PLAT_SetControlValue(PLAT_HCTL hCtl, int Value);
int PLAT_GetControlValue(PLAT_HCTL hCtl);
void PLAT_SetControlItems(PLAT_HCTL hCtl, const char* const* paItem, int NumItems);  // lists
int PLAT_GetControlItemCount(PLAT_HCTL hCtl);

// A character filter for an edit field: sees every character typed (8 for backspace, 13 for Enter) and the
// caret (the start of the selection when there is one); returns the character to put in, or 0 to refuse it.
typedef int PLAT_CHAR_FILTER(PLAT_HCTL hEdit, int Char, int Caret);
void PLAT_SetCharFilter(PLAT_HCTL hCtl, PLAT_CHAR_FILTER* pfFilter);

// Windows: the keyboard focus, the smallest size the user may give a top-level window, text in a rectangle.
void PLAT_FocusWindow(PLAT_HWIN hWin);
void PLAT_SetMinimumSize(PLAT_HWIN hWin, int xSize, int ySize);   // client size
enum { PLAT_TEXT_RIGHT = 1, PLAT_TEXT_WRAP = 2 };
void PLAT_DrawTextInRect(PLAT_HPAINT hdc, int x0, int y0, int x1, int y1, const char* s, uint32_t Flags);

// Test support: keys and clicks through the same path as the user's.
void PLAT_InjectControlKey(PLAT_HCTL hCtl, uint32_t VirtKey, const char* pText);
void PLAT_InjectControlClick(PLAT_HCTL hCtl);
