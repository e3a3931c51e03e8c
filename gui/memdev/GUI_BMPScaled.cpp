// Drawing BMP files scaled by Num / Denom (nearest pixel): source pixel i covers the target pixels from
// (i * Num + Denom / 2) / Denom up to the start of pixel i + 1, so shrinking drops pixels and enlarging repeats
// them; runs of equal colour become one filled rectangle.
#include "GUI_BMP.h"
#include "GUI_BMP_Private.h"
#include "GUI_BitmapPrivate.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A source column that reaches the clip rectangle and the target columns u0 .. u1 - 1 it covers.
struct _COLUMN {
  int Col, u0, u1;
};

struct _SCALED {
  const GUI_BMP__INFO* pInfo;
  int ColFirst, ColLast;  // source columns that reach the clip rectangle
  int x0, y0;
  int64_t Num, Denom;
  int XSizeOut, YSizeOut;
  std::vector<_COLUMN> Columns;  // of ColFirst .. ColLast, those that shrinking keeps
};

int _Start(const _SCALED* p, int i) { return int((i * p->Num + p->Denom / 2) / p->Denom); }

// Target rows t0 .. t1 - 1 of a source row (0 = top). Rows are counted in the order the file stores them, so a
// bottom-up file fills the target from the bottom and the rows that shrinking keeps are counted from there.
void _TargetRows(const _SCALED* p, int Row, int* pt0, int* pt1) {
  if (p->pInfo->TopDown) {
    *pt0 = _Start(p, Row);
    *pt1 = std::min(_Start(p, Row + 1), p->YSizeOut);
  } else {
    int FromBottom = p->pInfo->YSize - 1 - Row;
    *pt0 = std::max(p->YSizeOut - _Start(p, FromBottom + 1), 0);
    *pt1 = p->YSizeOut - _Start(p, FromBottom);
  }
}

// Source rows that follow each other cover target rows that follow each other: equal rows are drawn as one.
void _DrawRows(void* pContext, int Row, int NumRows, const uint32_t* pValue) {
  const _SCALED* p = static_cast<const _SCALED*>(pContext);
  int t0, t1, Unused;
  _TargetRows(p, Row, &t0, &Unused);
  _TargetRows(p, Row + NumRows - 1, &Unused, &t1);
  if (t0 >= t1) {
    return;
  }
  int y0 = p->y0 + t0, y1 = p->y0 + t1 - 1;
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  if (y1 < Clip.y0 || y0 > Clip.y1) {
    return;
  }
  int IsPal = p->pInfo->BitsPerPixel <= 8;
  int RunStart = -1, RunEnd = 0;
  GUI_COLOR RunColor = 0;
  for (const _COLUMN& c : p->Columns) {
    uint32_t v = pValue[c.Col - p->ColFirst];
    GUI_COLOR Color = (IsPal ? p->pInfo->aPalette[v & 0xFF] : v) & 0xFFFFFF;
    if (RunStart >= 0 && Color != RunColor) {
      LCD_SetColor(RunColor);
      LCD_FillRect(p->x0 + RunStart, y0, p->x0 + RunEnd - 1, y1);
      RunStart = -1;
    }
    if (RunStart < 0) {
      RunStart = c.u0;
      RunColor = Color;
    }
    RunEnd = c.u1;
  }
  if (RunStart >= 0) {
    LCD_SetColor(RunColor);
    LCD_FillRect(p->x0 + RunStart, y0, p->x0 + RunEnd - 1, y1);
  }
}

int _DrawRect(GUI_GET_DATA_FUNC* pfGetData, void* pParam, _SCALED* p) {
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  // Only the source rows whose target rows meet the clip rectangle are read.
  int RowFirst = -1, RowLast = -1;
  for (int r = 0; r < p->pInfo->YSize; r++) {
    int t0, t1;
    _TargetRows(p, r, &t0, &t1);
    t0 += p->y0;
    t1 += p->y0;
    if (t1 > t0 && t1 - 1 >= Clip.y0 && t0 <= Clip.y1) {
      if (RowFirst < 0) {
        RowFirst = r;
      }
      RowLast = r;
    }
  }
  // Likewise the columns; a row then visits only those of them that it shows.
  p->ColFirst = p->ColLast = -1;
  p->Columns.clear();
  for (int c = 0; c < p->pInfo->XSize; c++) {
    int u0 = _Start(p, c), u1 = _Start(p, c + 1);
    if (u1 > u0 && p->x0 + u1 - 1 >= Clip.x0 && p->x0 + u0 <= Clip.x1) {
      if (p->ColFirst < 0) {
        p->ColFirst = c;
      }
      p->ColLast = c;
      u1 = std::min(u1, p->XSizeOut);
      if (u1 > u0) {
        p->Columns.push_back({c, u0, u1});
      }
    }
  }
  if (RowFirst < 0 || p->ColFirst < 0) {
    return 0;
  }
  return GUI_BMP__DecodeRows(p->pInfo, pfGetData, pParam, RowFirst, RowLast, p->ColFirst, p->ColLast, _DrawRows, p);
}

}  // namespace

int GUI_BMP_DrawScaledEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x0, int y0, int Num, int Denom) {
  if (!pfGetData || Num <= 0 || Denom <= 0) {
    return 1;
  }
  auto pInfo = std::make_unique<GUI_BMP__INFO>();
  if (GUI_BMP__ReadInfo(pfGetData, pParam, pInfo.get())) {
    return 1;
  }
  _SCALED Scaled{pInfo.get(), 0, 0, 0, 0, Num, Denom, 0, 0, {}};
  Scaled.XSizeOut = int(int64_t(pInfo->XSize) * Num / Denom);
  Scaled.YSizeOut = int(int64_t(pInfo->YSize) * Num / Denom);
  if (Scaled.XSizeOut > GUI_BMP__MAX_SIZE || Scaled.YSizeOut > GUI_BMP__MAX_SIZE) {
    return 1;
  }
  GUI_Lock();
  int r = 0;
  if (!GUI__WindowToScreen(&x0, &y0) || !GUI_BMP__FitsScreen(x0, y0, Scaled.XSizeOut, Scaled.YSizeOut)) {
    r = 1;
  } else if (Scaled.XSizeOut > 0 && Scaled.YSizeOut > 0) {
    Scaled.x0 = x0;
    Scaled.y0 = y0;
    LCD_PIXELINDEX SavedIndex = LCD_GetColorIndex();
    GUI_RECT Rect = {I16(Scaled.x0), I16(Scaled.y0), I16(Scaled.x0 + Scaled.XSizeOut - 1),
                     I16(Scaled.y0 + Scaled.YSizeOut - 1)};
    GUI_CLIP_ITERATE_START(&Rect)
      r |= _DrawRect(pfGetData, pParam, &Scaled);
    GUI_CLIP_ITERATE_END()
    LCD_SetColorIndex(SavedIndex);
  }
  GUI_Unlock();
  return r;
}

int GUI_BMP_DrawScaled(const void* pFileData, int x0, int y0, int Num, int Denom) {
  GUI__MEM_SOURCE Src;
  if (GUI_BMP__InitMemSource(&Src, pFileData)) {
    return 1;
  }
  return GUI_BMP_DrawScaledEx(GUI__GetDataMem, &Src, x0, y0, Num, Denom);
}
