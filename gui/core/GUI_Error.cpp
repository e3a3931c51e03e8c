// Error, warning and log output of the library. Texts are passed on as data, never as a format.
#include "GUI_Private.h"

#include <string>

static std::string _Compose(const char* s, int NumValues, const int* pValues) {
  std::string Text = s ? s : "";
  for (int i = 0; i < NumValues; i++) {
    Text += i ? ", " : ": ";
    Text += std::to_string(pValues[i]);
  }
  return Text;
}

void GUI_ErrorOut(const char* s) { GUI_OS_ErrorOut(s ? s : ""); }

void GUI_ErrorOut1(const char* s, int p0) {
  int a[] = {p0};
  GUI_OS_ErrorOut(_Compose(s, 1, a).c_str());
}

void GUI_ErrorOut2(const char* s, int p0, int p1) {
  int a[] = {p0, p1};
  GUI_OS_ErrorOut(_Compose(s, 2, a).c_str());
}

void GUI_ErrorOut3(const char* s, int p0, int p1, int p2) {
  int a[] = {p0, p1, p2};
  GUI_OS_ErrorOut(_Compose(s, 3, a).c_str());
}

void GUI_Warn(const char* s) { GUI_OS_Warn(s ? s : ""); }

void GUI_Warn1(const char* s, int p0) {
  int a[] = {p0};
  GUI_OS_Warn(_Compose(s, 1, a).c_str());
}

void GUI_Log(const char* s) { GUI_OS_Log(s ? s : ""); }
