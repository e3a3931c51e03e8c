// The display layer: colour indices, draw mode, the clip rectangle and the primitives in screen coordinates.
#include "GUI_Private.h"

void LCD_SetColorIndex(LCD_PIXELINDEX Index) { *GUI_pContext->LCD_pColorIndex = Index; }
void LCD_SetBkColorIndex(LCD_PIXELINDEX Index) { *GUI_pContext->LCD_pBkColorIndex = Index; }
LCD_PIXELINDEX LCD_GetColorIndex(void) { return *GUI_pContext->LCD_pColorIndex; }
LCD_PIXELINDEX LCD_GetBkColorIndex(void) { return *GUI_pContext->LCD_pBkColorIndex; }

void LCD_SetColor(GUI_COLOR Color) {
  GUI_pContext->Color = Color;
  LCD_SetColorIndex(LCD_Color2Index(Color));
}

void LCD_SetBkColor(GUI_COLOR Color) {
  GUI_pContext->BkColor = Color;
  LCD_SetBkColorIndex(LCD_Color2Index(Color));
}

int LCD_SetDrawMode(int DrawMode) {
  GUI_CONTEXT* p = GUI_pContext;
  int Old = p->DrawMode;
  if ((Old ^ DrawMode) & LCD_DRAWMODE_REV) {
    LCD_PIXELINDEX t = *p->LCD_pBkColorIndex;
    *p->LCD_pBkColorIndex = *p->LCD_pColorIndex;
    *p->LCD_pColorIndex = t;
  }
  p->DrawMode = (U8)DrawMode;
  return Old;
}

void LCD_GetDeviceRect(int LayerIndex, GUI_RECT* pRect) {
  GUI_DEVICE* pDevice = GUI_DEVICE__GetHead(LayerIndex);
  if (pDevice && pDevice->pDeviceAPI->pfGetRect) {
    pDevice->pDeviceAPI->pfGetRect(pDevice, pRect);
  } else {
    pRect->x0 = pRect->y0 = 0;
    pRect->x1 = pRect->y1 = -1;
  }
}

void LCD_SetClipRectToDevice(void) {
  GUI_CONTEXT* p = GUI_pContext;
  LCD_GetDeviceRect(p->SelLayer, &p->ClipRect);
  p->pClipRect = &p->ClipRect;
}

void LCD_SetClipRectEx(const GUI_RECT* pRect) {
  GUI_CONTEXT* p = GUI_pContext;
  GUI_RECT Device;
  LCD_GetDeviceRect(p->SelLayer, &Device);
  if (pRect) {
    GUI__IntersectRects(&p->ClipRect, pRect, &Device);
  } else {
    p->ClipRect = Device;
  }
  p->pClipRect = &p->ClipRect;
}

void LCD_FillRect(int x0, int y0, int x1, int y1) {
  const GUI_RECT* c = GUI_pContext->pClipRect;
  x0 = GUI__Max(x0, c->x0);
  y0 = GUI__Max(y0, c->y0);
  x1 = GUI__Min(x1, c->x1);
  y1 = GUI__Min(y1, c->y1);
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (x0 > x1 || y0 > y1 || !pDevice) {
    return;
  }
  pDevice->pDeviceAPI->pfFillRect(pDevice, x0, y0, x1, y1);
}

void LCD_DrawHLine(int x0, int y, int x1) {
  const GUI_RECT* c = GUI_pContext->pClipRect;
  if (y < c->y0 || y > c->y1) {
    return;
  }
  x0 = GUI__Max(x0, c->x0);
  x1 = GUI__Min(x1, c->x1);
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (x0 > x1 || !pDevice) {
    return;
  }
  pDevice->pDeviceAPI->pfDrawHLine(pDevice, x0, y, x1);
}

void LCD_DrawVLine(int x, int y0, int y1) {
  const GUI_RECT* c = GUI_pContext->pClipRect;
  if (x < c->x0 || x > c->x1) {
    return;
  }
  y0 = GUI__Max(y0, c->y0);
  y1 = GUI__Min(y1, c->y1);
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (y0 > y1 || !pDevice) {
    return;
  }
  pDevice->pDeviceAPI->pfDrawVLine(pDevice, x, y0, y1);
}

void LCD_DrawRect(int x0, int y0, int x1, int y1) {
  if (x0 > x1 || y0 > y1) {
    return;
  }
  LCD_DrawHLine(x0, y0, x1);
  if (y1 > y0) {
    LCD_DrawHLine(x0, y1, x1);
  }
  if (y1 - y0 > 1) {
    LCD_DrawVLine(x0, y0 + 1, y1 - 1);
    if (x1 > x0) {
      LCD_DrawVLine(x1, y0 + 1, y1 - 1);
    }
  }
}

static inline bool _InClip(int x, int y) {
  const GUI_RECT* c = GUI_pContext->pClipRect;
  return x >= c->x0 && x <= c->x1 && y >= c->y0 && y <= c->y1;
}

void LCD_DrawPixel(int x, int y) {
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (!pDevice || !_InClip(x, y)) {
    return;
  }
  if (GUI_pContext->DrawMode & LCD_DRAWMODE_XOR) {
    pDevice->pDeviceAPI->pfXorPixel(pDevice, x, y);
  } else {
    pDevice->pDeviceAPI->pfSetPixelIndex(pDevice, x, y, *GUI_pContext->LCD_pColorIndex);
  }
}

void LCD_XorPixel(int x, int y) {
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (pDevice && _InClip(x, y)) {
    pDevice->pDeviceAPI->pfXorPixel(pDevice, x, y);
  }
}

void LCD_SetPixelIndex(int x, int y, LCD_PIXELINDEX Index) {
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (!pDevice) {
    return;
  }
  GUI_RECT r;
  pDevice->pDeviceAPI->pfGetRect(pDevice, &r);
  if (x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1) {
    pDevice->pDeviceAPI->pfSetPixelIndex(pDevice, x, y, Index);
  }
}

void LCD__SetPixelIndexClipped(int x, int y, LCD_PIXELINDEX Index) {
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (pDevice && _InClip(x, y)) {
    pDevice->pDeviceAPI->pfSetPixelIndex(pDevice, x, y, Index);
  }
}
