// Library-internal: the orientation device's state and what its renderer sets share.
#pragma once

#include "GUI_Orient.h"
#include "GUI_Private.h"

struct GUI_ORIENT_CONTEXT {
  void (*pfMap)(const GUI_ORIENT_CONTEXT* pContext, int x, int y, int* pxPhys, int* pyPhys);
  U8* pCache;        // VXSize x VYSize physical pixels, null without cache
  I32 BytesPerLine;  // of a cache line
  U32 Orientation;
  I32 XSize, YSize, VXSize, VYSize;  // physical sizes at set-up
  I32 PixelStep;     // cache pixels from one logical x to the next
  const GUI_ORIENT_RENDERER* pRenderer;
};

inline GUI_ORIENT_CONTEXT* GUI_ORIENT__GetContext(GUI_DEVICE* pDevice) {
  return static_cast<GUI_ORIENT_CONTEXT*>(pDevice->u.pContext);
}

// Maps both corners of a logical rectangle and puts each physical axis in order.
inline void GUI_ORIENT__MapRect(const GUI_ORIENT_CONTEXT* p, int x0, int y0, int x1, int y1, int* px0, int* py0,
                                int* px1, int* py1) {
  int ax, ay, bx, by;
  p->pfMap(p, x0, y0, &ax, &ay);
  p->pfMap(p, x1, y1, &bx, &by);
  *px0 = GUI__Min(ax, bx);
  *px1 = GUI__Max(ax, bx);
  *py0 = GUI__Min(ay, by);
  *py1 = GUI__Max(ay, by);
}

inline LCD_PIXELINDEX GUI_ORIENT__GetIndexMask(GUI_DEVICE* pDevice) {
  const LCD_COLOR_CONV_API* pCC = pDevice->pColorConvAPI;
  return (pCC && pCC->pfGetIndexMask) ? pCC->pfGetIndexMask() : 0xFFFF;
}
