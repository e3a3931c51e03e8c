// Default placement of dialogs that take their size and position from the display.
#include "DIALOG.h"
#include "LCD.h"

void GUI__DialogDefaultRect(int* px0, int* py0, int* pxSize, int* pySize) {
  int xDisplay = LCD_GetXSize(), yDisplay = LCD_GetYSize();
  if (*pxSize < 1) {
    *pxSize = xDisplay / 2;
  }
  if (*px0 < 0) {
    *px0 = (xDisplay - *pxSize) / 2;
  }
  if (*pySize < 1) {
    *pySize = yDisplay / 2;
  }
  if (*py0 < 0) {
    *py0 = (yDisplay - *pySize) / 2;
  }
}
