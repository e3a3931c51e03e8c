// Golden images of the display: the colours of a rectangle of the current layer, for golden::Matches.
#pragma once

#include "GUI.h"
#include "Golden.h"

namespace golden {

inline Image CaptureLCD(int x0, int y0, int x1, int y1) {
  Image Img;
  Img.Width = x1 - x0 + 1;
  Img.Height = y1 - y0 + 1;
  GUI_Lock();
  for (int y = y0; y <= y1; y++) {
    for (int x = x0; x <= x1; x++) {
      GUI_COLOR c = LCD_GetPixelColor(x, y);  // 0xBBGGRR
      Img.Pixels.push_back(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
    }
  }
  GUI_Unlock();
  return Img;
}

inline Image CaptureLCD(void) { return CaptureLCD(0, 0, LCD_GetXSize() - 1, LCD_GetYSize() - 1); }

}  // namespace golden
