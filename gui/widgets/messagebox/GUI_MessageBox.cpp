// The message box: three create records on the stack, the box sized from the measured text and caption
// (never larger than the display) and centred, and a callback that ends the dialog on OK, Enter or Escape.
#include "BUTTON.h"
#include "FRAMEWIN.h"
#include "LCD.h"
#include "MESSAGEBOX.h"
#include "TEXT.h"

namespace {

constexpr int _MaxMeasuredChars = 255;

void _cbMessageBox(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
  case WM_INIT_DIALOG:
    FRAMEWIN_SetClientColor(hWin, 0xFFFFFF);
    return;
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (pKey && pKey->PressedCnt > 0) {
      if (pKey->Key == GUI_KEY_ENTER) {
        GUI_EndDialog(hWin, 0);
      } else if (pKey->Key == GUI_KEY_ESCAPE) {
        GUI_EndDialog(hWin, 1);
      }
    }
    return;
  }
  case WM_NOTIFY_PARENT:
    if (pMsg->Data.v == WM_NOTIFICATION_RELEASED && WM_GetId(pMsg->hWinSrc) == GUI_ID_OK) {
      GUI_EndDialog(hWin, 0);
    }
    return;
  }
  WM_DefaultProc(pMsg);
}

int _Max(int a, int b) {
  return a > b ? a : b;
}

} // namespace

WM_HWIN GUI_CreateMessageBox(const char* pText, const char* pCaption, int Flags) {
  WM__LockGuard Lock;
  pText = pText ? pText : "";
  pCaption = pCaption ? pCaption : "";
  const GUI_FONT* pOld = GUI_SetFont(TEXT_GetDefaultFont());
  GUI_RECT r;
  GUI_GetTextExtent(&r, pText, _MaxMeasuredChars);
  GUI_SetFont(pOld);
  int TextWidth = r.x1 - r.x0 + 1 + 7;
  int TextHeight = r.y1 - r.y0 + 1;
  int TitleFontHeight = GUI_GetYSizeOfFont(FRAMEWIN_GetDefaultFont());
  int CaptionWidth = GUI_GetStringDistX(pCaption);
  const WIDGET_CREATE_INFO aCreate[] = {
      {FRAMEWIN_CreateIndirect, pCaption, 0, 0, 0, 1, 1,
       (U16)((Flags & GUI_MESSAGEBOX_CF_MOVEABLE) ? FRAMEWIN_CF_MOVEABLE : 0), 0, 0},
      {TEXT_CreateIndirect, pText, GUI_ID_MESSAGEBOX_TEXT, 1, 4, (I16)TextWidth, (I16)TextHeight, 0, 0, 0},
      {BUTTON_CreateIndirect, "OK", GUI_ID_OK, 0, 0, 50, 20, 0, 0, 0},
  };
  WM_HWIN hBox = GUI_CreateDialogBox(aCreate, 3, _cbMessageBox, WM_GetDesktopWindow(), 0, 0);
  if (!hBox) {
    return 0;
  }
  int L = FRAMEWIN_GetBorderSizeEx(hBox, FRAMEWIN_EDGE_LEFT);
  int T = FRAMEWIN_GetBorderSizeEx(hBox, FRAMEWIN_EDGE_TOP);
  int B = FRAMEWIN_GetBorderSizeEx(hBox, FRAMEWIN_EDGE_BOTTOM);
  int xDisplay = LCD_GetXSize(), yDisplay = LCD_GetYSize();
  int W = _Max(_Max(2 * L + 58, TextWidth + 12), 2 * L + CaptionWidth);
  int H = B + T + TitleFontHeight + TextHeight + 33;
  W = W < xDisplay ? W : xDisplay;
  H = H < yDisplay ? H : yDisplay;
  int xOrg = 0, yOrg = 0;
  GUI_GetOrg(&xOrg, &yOrg);
  WM_SetWindowPos(hBox, (xDisplay - W) / 2 + xOrg, (yDisplay - H) / 2 + yOrg, W, H);
  WM_HWIN hClient = WM_GetClientWindow(hBox);
  int cx = WM_GetWindowPosX(hClient), cy = WM_GetWindowPosY(hClient);
  WM_HWIN hButton = WM_FindChildById(hClient, GUI_ID_OK);
  WM_HWIN hText = WM_FindChildById(hClient, GUI_ID_MESSAGEBOX_TEXT);
  WM_SetWindowPos(hButton, (W - (2 * L + 50)) / 2 + cx, TextHeight + 8 + cy, 50, 20);
  WM_SetWindowPos(hText, (W - 2 * L - TextWidth) / 2 + cx, cy + 4, TextWidth, TextHeight);
  if (Flags & GUI_MESSAGEBOX_CF_MODAL) {
    WM_MakeModal(hBox);
  }
  return hBox;
}

int GUI_MessageBox(const char* pText, const char* pCaption, int Flags) {
  WM_HWIN hBox = GUI_CreateMessageBox(pText, pCaption, Flags);
  return hBox ? GUI_ExecCreatedDialog(hBox) : -1;
}
