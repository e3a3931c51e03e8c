// CHOOSEFILE: the built-in pictures of the three buttons, drawn at (5, 3) in the button: a cross for Cancel,
// a check mark for OK (grey while the button is disabled) and a folder for "up one level".
#include "BUTTON.h"
#include "CHOOSEFILE.h"

namespace {

constexpr int X0 = 5, Y0 = 3;

// Lines two pixels wide, from one point over the next.
void _Polyline2(const int* p, int NumPoints) {
  for (int d = 0; d < 2; d++) {
    for (int i = 0; i + 1 < NumPoints; i++) {
      GUI_DrawLine(X0 + p[2 * i] + d, Y0 + p[2 * i + 1], X0 + p[2 * i + 2] + d, Y0 + p[2 * i + 3]);
    }
  }
}

void _DrawCancel(WM_HWIN) {
  static const int a0[] = {1, 0, 13, 12}, a1[] = {13, 0, 1, 12};
  GUI_SetColor(0x0000AA);
  _Polyline2(a0, 2);
  _Polyline2(a1, 2);
}

void _DrawOk(WM_HWIN hWin) {
  static const int a[] = {1, 6, 5, 11, 14, 1};
  GUI_SetColor(WM_IsEnabled(hWin) ? 0x00AA00 : 0xBBBBBB);
  _Polyline2(a, 3);
}

void _DrawUp(WM_HWIN) {
  GUI_SetColor(0x00FFFF);
  GUI_FillRect(X0 + 1, Y0 + 4, X0 + 13, Y0 + 11);
  GUI_FillRect(X0 + 1, Y0 + 2, X0 + 5, Y0 + 3);
  GUI_SetColor(0x000000);
  GUI_DrawRect(X0, Y0 + 3, X0 + 14, Y0 + 12);
  GUI_DrawHLine(Y0 + 1, X0 + 1, X0 + 5);
  GUI_DrawVLine(X0, Y0 + 2, Y0 + 3);
  GUI_DrawVLine(X0 + 6, Y0 + 2, Y0 + 3);
}

} // namespace

void CHOOSEFILE__SetImages(WM_HWIN hButton, int Index) {
  static GUI_DRAWOBJ_USER_FUNC* const apfDraw[3] = {_DrawCancel, _DrawOk, _DrawUp};
  for (unsigned i = 0; i < 3; i++) {
    BUTTON_SetDrawCallback(hButton, i, apfDraw[Index]);
  }
}
