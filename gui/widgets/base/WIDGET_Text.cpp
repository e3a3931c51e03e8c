// Texts of widgets in GUI memory, and the background colour that decides a widget's transparency.
#include <cstring>

#include "WIDGET_Type.h"

const char* WIDGET__Text(GUI_HMEM hText) {
  const char* s = hText ? (const char*)GUI_ALLOC_h2p(hText) : nullptr;
  return s ? s : "";
}

int WIDGET__CopyString(const char* s, char* pBuffer, int MaxLen) {
  if (!pBuffer || MaxLen < 1) {
    return 0;
  }
  int n = (int)strnlen(s, (size_t)MaxLen - 1);
  memcpy(pBuffer, s, (size_t)n);
  pBuffer[n] = 0;
  return n;
}

int WIDGET__CopyText(GUI_HMEM hText, char* pBuffer, int MaxLen) {
  return WIDGET__CopyString(WIDGET__Text(hText), pBuffer, MaxLen);
}

void WIDGET__SetTransByColor(WM_HWIN hObj, GUI_COLOR Color) {
  if (Color > 0xFFFFFF) {
    WM_SetHasTrans(hObj);
  } else {
    WM_ClrHasTrans(hObj);
  }
}
