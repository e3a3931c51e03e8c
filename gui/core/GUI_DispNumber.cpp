// Number output at the text position.
#include "GUI.h"

#include <cmath>

void GUI_DispDecShift(I32 v, U8 Len, U8 Shift) {
  char ac[16];
  char* s = ac;
  GUI_AddDecShift(v, Len, Shift, &s);
  GUI_DispString(ac);
}

void GUI_DispDec(I32 v, U8 Len) { GUI_DispDecShift(v, Len, 0); }

void GUI_DispDecMin(I32 v) { GUI_DispDecShift(v, 0, 0); }

void GUI_DispDecAt(I32 v, int x, int y, U8 Len) {
  GUI_Lock();
  GUI_GotoXY(x, y);
  GUI_DispDec(v, Len);
  GUI_Unlock();
}

// Rounds half away from zero to Fract decimals; a value that rounds to zero shows no minus sign. Values beyond
// the 32-bit range are shown at its limit; NaN shows as 0.
void GUI_DispFloatMin(float v, char Fract) {
  int Shift = Fract < 0 ? 0 : Fract > 9 ? 9 : Fract;
  double Scaled = std::round(static_cast<double>(v) * std::pow(10.0, Shift));
  if (std::isnan(Scaled)) Scaled = 0;
  if (Scaled > 2147483647.0) Scaled = 2147483647.0;
  if (Scaled < -2147483647.0) Scaled = -2147483647.0;
  GUI_DispDecShift(static_cast<I32>(Scaled), 0, static_cast<U8>(Shift));
}

void GUI_DispHex(U32 v, U8 Len) {
  char ac[12];
  char* s = ac;
  GUI_AddHex(v, Len, &s);
  GUI_DispString(ac);
}

void GUI_DispBin(U32 v, U8 Len) {
  char ac[40];
  char* s = ac;
  GUI_AddBin(v, Len, &s);
  GUI_DispString(ac);
}
