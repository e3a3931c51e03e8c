// Modal value editors: a temporary edit at the current text position takes keys until Enter or Escape and
// answers the edited value (Enter) or the one it was given (Escape). The float editor feeds the keys to the
// edit itself and answers the edited value in either case.
#include <cmath>
#include <cstring>

#include "EDIT.h"

namespace {

constexpr int _EditId = 0x1234;

struct _Modal {
  const GUI_FONT* pOldFont = nullptr;
  WM_HWIN hEdit = 0;
};

// Creates the temporary edit at the text position, Len × 'X' (+ Extra) wide unless xSize is given.
WM_HWIN _Begin(_Modal* p, int Len, int xSize, int Extra) {
  GUI_Lock();
  p->pOldFont = GUI_SetFont(EDIT_GetDefaultFont());
  int x = GUI_GetDispPosX(), y = GUI_GetDispPosY();
  int ySize = GUI_GetFontSizeY();
  if (!xSize) {
    xSize = Len * GUI_GetCharDistX('X') + Extra;
  }
  p->hEdit = EDIT_CreateEx(x, y, xSize, ySize, 0, 0, 0, _EditId, Len);
  return p->hEdit;
}

void _End(_Modal* p) {
  WM_DeleteWindow(p->hEdit);
  GUI_SetFont(p->pOldFont);
  GUI_Unlock();
}

// Waits for Enter (1), Escape or key 0 (0), the keys meanwhile reaching the focused edit.
int _WaitEnterOrEscape(void) {
  for (;;) {
    int Key = GUI_WaitKey();
    if (Key == GUI_KEY_ENTER) {
      return 1;
    }
    if (Key == GUI_KEY_ESCAPE || Key == 0) {
      return 0;
    }
  }
}

template <class T, class SETUP, class GET> T _Run(T Value, int Len, int xSize, SETUP Setup, GET Get) {
  _Modal m;
  T r = Value;
  if (_Begin(&m, Len, xSize, 6)) {
    Setup(m.hEdit);
    WM_SetFocus(m.hEdit);
    if (_WaitEnterOrEscape()) {
      r = Get(m.hEdit);
    }
  }
  _End(&m);
  return r;
}

} // namespace

U32 GUI_EditBin(U32 Value, U32 Min, U32 Max, int Len, int xSize) {
  return _Run(
      Value, Len, xSize, [&](WM_HWIN h) { EDIT_SetBinMode(h, Value, Min, Max); },
      [](WM_HWIN h) { return (U32)EDIT_GetValue(h); });
}

I32 GUI_EditDec(I32 Value, I32 Min, I32 Max, int Len, int xSize, int Shift, U8 Flags) {
  return _Run(
      Value, Len, xSize, [&](WM_HWIN h) { EDIT_SetDecMode(h, Value, Min, Max, Shift, Flags); },
      [](WM_HWIN h) { return EDIT_GetValue(h); });
}

U32 GUI_EditHex(U32 Value, U32 Min, U32 Max, int Len, int xSize) {
  return _Run(
      Value, Len, xSize, [&](WM_HWIN h) { EDIT_SetHexMode(h, Value, Min, Max); },
      [](WM_HWIN h) { return (U32)EDIT_GetValue(h); });
}

void GUI_EditString(char* pString, int Len, int xSize) {
  if (!pString || Len < 1) {
    return;
  }
  _Run(
      0, Len, xSize, [&](WM_HWIN h) { EDIT_SetText(h, pString); },
      [&](WM_HWIN h) {
        EDIT_GetText(h, pString, Len);
        return 0;
      });
}

float GUI_EditFloat(float Value, float Min, float Max, int Len, int xSize, int Shift, U8 Flags) {
  _Modal m;
  float r = Value;
  if (_Begin(&m, Len, xSize, 0)) {
    EDIT_SetFloatMode(m.hEdit, Value, Min, Max, Shift, Flags);
    for (;;) {
      int Key = GUI_WaitKey();
      if (Key == GUI_KEY_ESCAPE) {
        break;
      }
      EDIT_AddKey(m.hEdit, Key);
      if (Key == GUI_KEY_ENTER || Key == 0) {
        break;
      }
    }
    r = EDIT_GetFloatValue(m.hEdit);
  }
  _End(&m);
  return r;
}
