// Fuzzes the 8-bit text path with arbitrary bytes: decoding, line breaking and drawing into rectangles.
#include "GUI.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t Size) {
  static bool Initialized = GUI_Init() == 0;
  if (!Initialized || Size < 2) return 0;
  const GUI_FONT* apFont[] = {&GUI_Font13, &UI_Font15, &UI_Font24};
  GUI_SetFont(apFont[pData[0] % 3]);
  int xSize = pData[1];
  std::string Text(reinterpret_cast<const char*>(pData + 2), Size - 2);
  const char* s = Text.c_str();
  GUI_Lock();
  int NumChars = GUI__GetNumChars(s);
  GUI__GetLineDistX(s, NumChars);
  GUI__GetCharsInWidth(s, xSize, NumChars);
  GUI_WrapGetNumLines(s, xSize, GUI_WRAPMODE_WORD);
  GUI_WrapGetNumLines(s, xSize, GUI_WRAPMODE_CHAR);
  char16_t aUC[64];
  GUI_UC_ConvertUTF82UC(s, static_cast<int>(Text.size()), aUC, 64);
  char aBack[64];
  GUI_UC_ConvertUC2UTF8(aUC, 64, aBack, static_cast<int>(sizeof(aBack)));
  GUI_RECT r = {10, 10, static_cast<I16>(10 + xSize), 120};
  GUI_DispStringInRectWrap(s, &r, pData[0] >> 2 & 15, 1 + (pData[0] >> 6 & 1));
  GUI_DispStringInRectEx(s, &r, pData[0] >> 2 & 15, 40, pData[0] & 0x80 ? GUI_ROTATE_CW : GUI_ROTATE_0);
  GUI_DispStringAt(s, xSize - 100, 150);
  GUI_Unlock();
  return 0;
}
