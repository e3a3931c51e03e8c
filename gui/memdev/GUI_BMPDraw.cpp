// Drawing BMP files unscaled: only the rows and columns inside each visible rectangle are read; every row is
// converted to pixel indices of the drawing target and drawn as one line.
#include "GUI_BMP.h"
#include "GUI_BMP_Private.h"
#include "GUI_BitmapPrivate.h"
#include "GUI_ImageDraw.h"

#include <memory>
#include <vector>

namespace {

int _AlphaEnabled;  // 32-bit files blend their alpha channel into the target

struct _UNSCALED {
  const GUI_BMP__INFO* pInfo;
  int x0, y0;     // screen position of the picture
  int ColFirst;   // first visible column
  int NumPixels;  // visible columns
  int Blend;      // rows carry transparency that is blended
  GUI__INDEX_LINE Line;
  LCD_PIXELINDEX aPalIndex[256];
};

// The rows asked for are the visible ones: each is drawn.
void _DrawRows(void* pContext, int Row, int NumRows, const uint32_t* pValue) {
  _UNSCALED* p = static_cast<_UNSCALED*>(pContext);
  int x = p->x0 + p->ColFirst;
  for (int y = p->y0 + Row; y < p->y0 + Row + NumRows; y++) {
    if (p->pInfo->BitsPerPixel <= 8) {
      GUI__DrawIndexLine(&p->Line, x, y, pValue, p->NumPixels, p->aPalIndex);
    } else if (p->Blend) {
      GUI__DrawColorLineAlpha(&p->Line, x, y, pValue, p->NumPixels);
    } else {
      GUI__DrawColorLine(&p->Line, x, y, pValue, p->NumPixels);
    }
  }
}

int _DrawRect(GUI_GET_DATA_FUNC* pfGetData, void* pParam, const GUI_BMP__INFO* pInfo, _UNSCALED* pDraw) {
  GUI_RECT r;
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  GUI_RECT Pic = {I16(pDraw->x0), I16(pDraw->y0), I16(pDraw->x0 + pInfo->XSize - 1),
                  I16(pDraw->y0 + pInfo->YSize - 1)};
  if (!GUI__IntersectRects(&r, &Pic, &Clip)) {
    return 0;
  }
  pDraw->ColFirst = r.x0 - pDraw->x0;
  pDraw->NumPixels = r.x1 - r.x0 + 1;
  return GUI_BMP__DecodeRows(pInfo, pfGetData, pParam, r.y0 - pDraw->y0, r.y1 - pDraw->y0, pDraw->ColFirst,
                             r.x1 - pDraw->x0, _DrawRows, pDraw);
}

}  // namespace

int GUI_BMP__FitsScreen(int x0, int y0, int XSize, int YSize) {
  int64_t x1 = int64_t(x0) + XSize - 1, y1 = int64_t(y0) + YSize - 1;
  return x0 >= -0x8000 && y0 >= -0x8000 && x1 <= 0x7FFF && y1 <= 0x7FFF;
}

int GUI_BMP_DrawEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x0, int y0) {
  auto pInfo = std::make_unique<GUI_BMP__INFO>();
  if (!pfGetData || GUI_BMP__ReadInfo(pfGetData, pParam, pInfo.get())) {
    return 1;
  }
  GUI_Lock();
  int r = 0;
  if (GUI__WindowToScreen(&x0, &y0) && GUI_BMP__FitsScreen(x0, y0, pInfo->XSize, pInfo->YSize)) {
    auto pDraw = std::make_unique<_UNSCALED>();
    pDraw->pInfo = pInfo.get();
    pDraw->x0 = x0;
    pDraw->y0 = y0;
    pDraw->Blend = _AlphaEnabled && pInfo->BitsPerPixel == 32 && pInfo->aWidth[3];
    for (unsigned i = 0; i < 256; i++) {
      pDraw->aPalIndex[i] = LCD_Color2Index(pInfo->aPalette[i]);
    }
    GUI_RECT Rect = {I16(x0), I16(y0), I16(x0 + pInfo->XSize - 1), I16(y0 + pInfo->YSize - 1)};
    GUI_CLIP_ITERATE_START(&Rect)
      r |= _DrawRect(pfGetData, pParam, pInfo.get(), pDraw.get());
    GUI_CLIP_ITERATE_END()
  } else {
    r = 1;
  }
  GUI_Unlock();
  return r;
}

int GUI_BMP_Draw(const void* pFileData, int x0, int y0) {
  GUI__MEM_SOURCE Src;
  if (GUI_BMP__InitMemSource(&Src, pFileData)) {
    return 1;
  }
  return GUI_BMP_DrawEx(GUI__GetDataMem, &Src, x0, y0);
}

void GUI_BMP_EnableAlpha(void) {
  GUI_Lock();
  _AlphaEnabled = 1;
  GUI_Unlock();
}

void GUI_BMP_DisableAlpha(void) {
  GUI_Lock();
  _AlphaEnabled = 0;
  GUI_Unlock();
}
