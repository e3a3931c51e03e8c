// Drawing decoded picture rows as lines of pixel indices.
#include "GUI_ImageDraw.h"

namespace {

LCD_PIXELINDEX* _Prepare(GUI__INDEX_LINE* pLine, int n) {
  if (pLine->Buffer.size() < size_t(n)) {
    pLine->Buffer.resize(n);
  }
  return pLine->Buffer.data();
}

}  // namespace

void GUI__DrawIndices(GUI__INDEX_LINE* pLine, int x, int y, int n) { LCD__DrawIndexRow(x, y, n, pLine->Buffer.data()); }

void GUI__DrawIndexLine(GUI__INDEX_LINE* pLine, int x, int y, const uint32_t* pValue, int n,
                        const LCD_PIXELINDEX* pTable) {
  LCD_PIXELINDEX* p = _Prepare(pLine, n);
  for (int i = 0; i < n; i++) {
    p[i] = pTable[pValue[i] & 0xFF];
  }
  GUI__DrawIndices(pLine, x, y, n);
}

void GUI__DrawColorLine(GUI__INDEX_LINE* pLine, int x, int y, const uint32_t* pColor, int n) {
  LCD_PIXELINDEX* p = _Prepare(pLine, n);
  for (int i = 0; i < n; i++) {
    p[i] = LCD_Color2Index(pColor[i] & 0xFFFFFF);
  }
  GUI__DrawIndices(pLine, x, y, n);
}

void GUI__DrawColorLineAlpha(GUI__INDEX_LINE* pLine, int x, int y, const uint32_t* pColor, int n) {
  int i = 0;
  while (i < n) {
    unsigned Trans = pColor[i] >> 24;
    if (Trans == 0) {  // a run of opaque pixels is one line
      int j = i;
      LCD_PIXELINDEX* p = _Prepare(pLine, n);
      while (j < n && !(pColor[j] >> 24)) {
        p[j - i] = LCD_Color2Index(pColor[j]);
        j++;
      }
      GUI__DrawIndices(pLine, x + i, y, j - i);
      i = j;
      continue;
    }
    if (Trans != 0xFF) {
      GUI__SetPixelAlpha(x + i, y, U8(255 - Trans), pColor[i] & 0xFFFFFF);
    }
    i++;
  }
}
