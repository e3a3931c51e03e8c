// WINDOW: a client window for dialogs and screens: a background colour, a user callback for what the
// widget does not handle itself, Tab and back-Tab focus cycling among its children, and memory of the child
// that last had the focus (the WINDOW itself never keeps the focus; it hands it to a child).
#pragma once
#include "WIDGET_Type.h"

struct WINDOW_OBJ {
  WIDGET Widget;
  WM_CALLBACK* cb;        // user callback, may be null
  WM_HWIN hFocusedChild;  // the child that last had the focus
  intptr_t DialogData;    // the word of WM_WINDOW_DATA (a dialog's status record travels in it)
  GUI_COLOR BkColor;      // WM_NO_COLOR: no background
};

WM_HWIN WINDOW_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          WM_CALLBACK* cb, int NumExtraBytes);
WM_HWIN WINDOW_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        WM_CALLBACK* cb);
WM_HWIN WINDOW_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                              WM_CALLBACK* cb);
void WINDOW_Callback(WM_MESSAGE* pMsg);
void WINDOW_SetBkColor(WM_HWIN hObj, GUI_COLOR Color);
void WINDOW_SetDefaultBkColor(GUI_COLOR Color);
int WINDOW_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int WINDOW_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);
