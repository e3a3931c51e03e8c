// Usage bitmaps: one bit per pixel of a memory device, set where something was drawn, so that transfers copy
// only drawn pixels. Runs and pixels outside the bitmap are reported and clipped: nothing outside the bits
// is ever written.
#include <cstring>

#include "GUI_MEMDEV_Private.h"

static U32 _BytesPerLine(int xSize) { return (U32)(((xSize + 15) >> 3) & ~1); }

GUI_HMEM GUI_USAGE_BM_Create(int x0, int y0, int xSize, int ySize, int Flags) {
  (void)Flags;
  if (xSize < 0) xSize = 0;
  if (ySize < 0) ySize = 0;
  U32 BytesPerLine = _BytesPerLine(xSize);
  GUI_HMEM hUsage = GUI_ALLOC_AllocZero((I32)(BytesPerLine * (U32)ySize + GUI_USAGE_HEADER_SIZE));
  if (!hUsage) {
    GUI_Warn("GUIDEV_UsageBM:\nToo little memory in GUI_USAGE_BM_Create()");
    return 0;
  }
  GUI_Lock();
  GUI_USAGE* p = (GUI_USAGE*)GUI_ALLOC_h2p(hUsage);
  p->x0 = (I16)x0;
  p->y0 = (I16)y0;
  p->XSize = (I16)xSize;
  p->YSize = (I16)ySize;
  p->pAPI = &GUI_USAGE_BM_API;
  p->UseCnt = 1;
  p->BytesPerLine = BytesPerLine;
  GUI_Unlock();
  return hUsage;
}

void GUI_USAGE_DecUseCnt(GUI_HMEM hUsage) {
  if (!hUsage) return;
  GUI_Lock();
  GUI_USAGE* p = (GUI_USAGE*)GUI_ALLOC_h2p(hUsage);
  if (p && --p->UseCnt == 0) {
    p->pAPI->pfDelete(hUsage);
  }
  GUI_Unlock();
}

void GUI_USAGE_AddRect(GUI_USAGE* pUsage, int x, int y, int xSize, int ySize) {
  for (int i = 0; i < ySize; i++) {
    pUsage->pAPI->pfAddHLine(pUsage, x, y + i, xSize);
  }
}

void GUI_USAGE_BM_AddPixel(GUI_USAGE* p, int x, int y) {
  if (y >= p->y0 + p->YSize || x >= p->x0 + p->XSize || x < p->x0 || y < p->y0) {
    GUI_ErrorOut2("GUIDEV_UsageBM:\nparameters out of bounds in GUI_USAGE_BM_AddPixel()", x, y);
    return;
  }
  int dx = x - p->x0;
  GUI_USAGE__GetBits(p)[(U32)(y - p->y0) * p->BytesPerLine + (U32)(dx >> 3)] |= (U8)(0x80 >> (dx & 7));
}

void GUI_USAGE_BM_AddHLine(GUI_USAGE* p, int x, int y, int Len) {
  if (x < p->x0) {
    GUI_ErrorOut3("GUIDEV_UsageBM:\nNegative x offset, Act= %d, Border= %d, Clip= %d in GUI_USAGE_BM_AddHLine()", x,
                  p->x0, GUI_pContext->ClipRect.x0);
    // The part left of the bitmap has no bits: keep only what lies inside.
    Len -= p->x0 - x;
    x = p->x0;
  }
  int dx = x - p->x0;
  if (dx >= p->XSize || Len <= 0 || y < p->y0 || y >= p->y0 + p->YSize) return;
  if (dx + Len > p->XSize) Len = p->XSize - dx;
  U8* pRow = GUI_USAGE__GetBits(p) + (U32)(y - p->y0) * p->BytesPerLine;
  int Last = dx + Len - 1;
  int Whole = (Last >> 3) - (dx >> 3);
  U8 FirstMask = (U8)(0xFF >> (dx & 7));
  U8 LastMask = (U8)((0xFF << (7 - (Last & 7))) & 0xFF);
  U8* pByte = pRow + (dx >> 3);
  if (Whole == 0) {
    *pByte |= (U8)(FirstMask & LastMask);
  } else {
    *pByte |= FirstMask;
    if (Whole > 1) memset(pByte + 1, 0xFF, (size_t)(Whole - 1));
    pRow[Last >> 3] |= LastMask;
  }
}

void GUI_USAGE_BM_Clear(GUI_USAGE* p) {
  memset(GUI_USAGE__GetBits(p), 0, (size_t)p->YSize * p->BytesPerLine);
}

void GUI_USAGE_BM_Delete(GUI_HMEM hUsage) { GUI_ALLOC_Free(hUsage); }

// Leading set bits of a byte, counted from its most significant bit.
static int _LeadingOnes(U8 b) {
  int n = 0;
  while (b & 0x80) {
    n++;
    b = (U8)(b << 1);
  }
  return n;
}

int GUI_USAGE_BM_GetNextDirty(GUI_USAGE* p, int* px, int y) {
  int x = *px;
  if (y < 0 || x < 0 || y >= p->YSize || x >= p->XSize) return 0;
  const U8* pRow = GUI_USAGE__GetBits(p) + (U32)y * p->BytesPerLine;
  int LastByte = (p->XSize - 1) >> 3;
  int Off = x >> 3;
  U8 b = (U8)(pRow[Off] << (x & 7));
  // Skip empty bytes eight columns at a time.
  while (b == 0) {
    if (Off >= LastByte) return 0;
    Off++;
    b = pRow[Off];
    x = Off << 3;
  }
  while (!(b & 0x80)) {
    b = (U8)(b << 1);
    x++;
  }
  // Count the run: the rest of this byte, then whole 0xFF bytes, then the leading ones of the next byte.
  int Bit = x & 7;
  int n = _LeadingOnes(b);
  if (Bit + n == 8) {
    while (++Off <= LastByte) {
      if (pRow[Off] == 0xFF) {
        n += 8;
      } else {
        n += _LeadingOnes(pRow[Off]);
        break;
      }
    }
  }
  // Padding bits beyond the last column stay 0, but a run never reaches past the bitmap's width.
  if (x + n > p->XSize) n = p->XSize - x;
  *px = x;
  return n;
}

const GUI_USAGE_API GUI_USAGE_BM_API = {
    GUI_USAGE_BM_AddPixel, GUI_USAGE_BM_AddHLine, GUI_USAGE_BM_Clear, nullptr, GUI_USAGE_BM_Delete,
    GUI_USAGE_BM_GetNextDirty,
};
