// Tooltips: a small text window that appears when the pointer rests over a registered tool window of a
// dialog, stays for a display time, and appears quickly for the next tool right after one was shown.
#pragma once
#include "WM.h"

typedef GUI_HMEM WM_TOOLTIP_HANDLE;

struct TOOLTIP_INFO {
  int Id;            // Id of a child of the dialog
  const char* pText; // copied
};

// Periods (ms): 0 initial delay, 1 display time, 2 delay of the next tool while one was just shown.
constexpr unsigned WM_TOOLTIP_PI_FIRST = 0;
constexpr unsigned WM_TOOLTIP_PI_SHOW = 1;
constexpr unsigned WM_TOOLTIP_PI_NEXT = 2;
// Colours: 0 background, 1 frame, 2 text.
constexpr unsigned WM_TOOLTIP_CI_BK = 0;
constexpr unsigned WM_TOOLTIP_CI_FRAME = 1;
constexpr unsigned WM_TOOLTIP_CI_TEXT = 2;

WM_TOOLTIP_HANDLE WM_TOOLTIP_Create(WM_HWIN hDlg, const TOOLTIP_INFO* pInfo, unsigned NumItems);
int WM_TOOLTIP_AddTool(WM_TOOLTIP_HANDLE hToolTip, WM_HWIN hTool, const char* pText); // 0 on success
void WM_TOOLTIP_Delete(WM_TOOLTIP_HANDLE hToolTip);
GUI_COLOR WM_TOOLTIP_SetDefaultColor(unsigned Index, GUI_COLOR Color); // -> previous (0 for a bad index)
int WM_TOOLTIP_SetDefaultPeriod(unsigned Index, int Period);          // -> previous (0 for a bad index)
const GUI_FONT* WM_TOOLTIP_SetDefaultFont(const GUI_FONT* pFont);     // -> previous
