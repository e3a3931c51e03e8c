// CHOOSEFILE: the layout of the dialog's controls in the client area: a row of drop-down and buttons at the
// bottom (or the top), the list view filling the rest with its columns rescaled to its width, and buttons
// with a text as wide as the widest text.
#include "BUTTON.h"
#include "CHOOSEFILE.h"
#include "DROPDOWN.h"
#include "HEADER.h"
#include "LISTVIEW.h"
#include "SCROLLBAR.h"

namespace {

const int _aButtonId[3] = {CHOOSEFILE_ID_CANCEL, CHOOSEFILE_ID_OK, CHOOSEFILE_ID_UP};

// Buttons without an image: the widest text (each in its button's font) and 12 pixels.
int _TextButtonWidth(WM_HWIN hFrame) {
  int Widest = 0;
  for (int i = 0; i < 3; i++) {
    WM_HWIN h = CHOOSEFILE__Item(hFrame, _aButtonId[i]);
    char ac[64];
    BUTTON_GetText(h, ac, sizeof(ac));
    const GUI_FONT* pOld = GUI_SetFont(BUTTON_GetFont(h));
    int w = GUI_GetStringDistX(ac);
    GUI_SetFont(pOld);
    Widest = w > Widest ? w : Widest;
  }
  return Widest + 12;
}

void _ScaleColumns(WM_HWIN hList, int Width) {
  WM_HWIN hHeader = LISTVIEW_GetHeader(hList);
  int n = (int)LISTVIEW_GetNumColumns(hList);
  long long Total = 0;
  for (int i = 0; i < n; i++) {
    Total += HEADER_GetItemWidth(hHeader, (unsigned)i);
  }
  int Space = Width - n - SCROLLBAR_GetDefaultWidth();
  if (Total <= 0 || Space <= 0) {
    return;
  }
  for (int i = 0; i < n; i++) {
    LISTVIEW_SetColumnWidth(hList, (unsigned)i, (int)(HEADER_GetItemWidth(hHeader, (unsigned)i) * Space / Total));
  }
}

} // namespace

void CHOOSEFILE__Layout(WM_HWIN hFrame) {
  CHOOSEFILE_CONTEXT c;
  WM_HWIN hClient = WM_GetClientWindow(hFrame);
  if (!CHOOSEFILE__GetContext(hFrame, &c) || !hClient) {
    return;
  }
  int R = WM_GetWindowSizeX(hClient) - 1, B = WM_GetWindowSizeY(hClient) - 1;
  int y = CHOOSEFILE__TopMode ? 3 : B - 21;
  int TextWidth = _TextButtonWidth(hFrame);
  int x = R;
  for (int i = 0; i < 3; i++) { // Cancel at the right, then OK, then up, 5 pixels apart
    WM_HWIN h = CHOOSEFILE__Item(hFrame, _aButtonId[i]);
    int w = c.HasImage[i] ? 25 : TextWidth;
    x -= (i ? 5 : 4) + w;
    WM_SetSize(h, w, 19);
    WM_MoveChildTo(h, x, y);
  }
  WM_HWIN hRoots = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_ROOTS);
  WM_SetSize(hRoots, x - 10 - 5 > 1 ? x - 10 - 5 : 1, 19);
  WM_MoveChildTo(hRoots, 5, y);
  DROPDOWN_SetUpMode(hRoots, !CHOOSEFILE__TopMode);
  WM_HWIN hList = CHOOSEFILE__Item(hFrame, CHOOSEFILE_ID_LIST);
  WM_MoveChildTo(hList, 0, CHOOSEFILE__TopMode ? 25 : 0);
  WM_SetSize(hList, R + 1, B - 24 > 1 ? B - 24 : 1);
  _ScaleColumns(hList, R);
}
