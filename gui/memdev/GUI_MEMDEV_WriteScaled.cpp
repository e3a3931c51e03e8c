// Writing a memory device scaled and mirrored: factors in 1/1000, negative mirrors. Each written line is
// turned into runs of equal pixels, each drawn as one horizontal line.
#include "GUI_MEMDEV_Private.h"

namespace {

struct Scaled {
  GUI_MEMDEV* pDev;
  GUI_USAGE* pUsage;
  int x, y, xMul, yMul, Alpha;
  GUI_DEVICE* pHead;
  GUI_HMEM hSelMemdev;  // the selected memory device when the target is one, for the alpha line
  const LCD_COLOR_CONV_API* pDevConv;
  const LCD_COLOR_CONV_API* pTargetConv;
  bool Convert;
};

LCD_PIXELINDEX _ReadIndex(const Scaled& s, int col, int row) {
  return GUI_MEMDEV__ReadIndex(GUI_MEMDEV__GetPixels(s.pDev) + (U32)row * s.pDev->BytesPerLine, col,
                               (int)s.pDev->BitsPerPixel);
}

// The alpha line into the selected memory device: mixes the foreground colour into each pixel.
void _AlphaLine(const Scaled& s, int x0, int x1, int y) {
  GUI_MEMDEV* pTarget = GUI_MEMDEV__h2p(s.hSelMemdev);
  GUI_MEMDEV__MarkHLine(pTarget, x0, y, x1 - x0 + 1);
  int Bytes = (int)pTarget->BitsPerPixel / 8;
  if (Bytes != 1 && Bytes != 2 && Bytes != 4) return;
  const LCD_COLOR_CONV_API* pConv = pTarget->pDevice->pColorConvAPI;
  GUI_COLOR Fg = LCD_Index2Color(*GUI_pContext->LCD_pColorIndex);
  for (int xi = x0; xi <= x1; xi++) {
    U8* p = (U8*)GUI_MEMDEV__XY2PTR(xi, y);
    LCD_PIXELINDEX Old = Bytes == 1 ? *p : (Bytes == 2 ? *(U16*)p : *(U32*)p);
    LCD_PIXELINDEX New = pConv->pfColor2Index(LCD_MixColorsNoAlpha(Fg, pConv->pfIndex2Color(Old), (U8)s.Alpha));
    if (Bytes == 1) {
      *p = (U8)New;
    } else if (Bytes == 2) {
      *(U16*)p = (U16)New;
    } else {
      *(U32*)p = New;
    }
  }
}

void _WriteRun(const Scaled& s, int Start, int End, int y, LCD_PIXELINDEX Index) {
  const GUI_RECT& c = GUI_pContext->ClipRect;
  if (End < c.x0) return;
  if (Start < c.x0) Start = c.x0;
  if (End > c.x1) End = c.x1;
  if (Start > End) return;
  if (s.Convert) Index = s.pTargetConv->pfColor2Index(s.pDevConv->pfIndex2Color(Index));
  *GUI_pContext->LCD_pColorIndex = Index;
  if (s.Alpha != 256 && s.hSelMemdev) {
    _AlphaLine(s, Start, End, y);
  } else {
    s.pHead->pDeviceAPI->pfDrawHLine(s.pHead, Start, y, End);
  }
}

void _WriteLine(const Scaled& s, int xStart, int xOff, int xLen, int r, int ys) {
  const GUI_RECT& c = GUI_pContext->ClipRect;
  int m = s.xMul < 0 ? -s.xMul : s.xMul;
  I64 p = (I64)m * xOff;
  int Col = xStart + (int)(p / 1000);
  int Acc = (int)(p % 1000);
  bool Pending = false;
  int RunStart = 0;
  LCD_PIXELINDEX RunIndex = 0;
  for (int i = 0; i < xLen; i++) {
    Acc += m;
    if (Acc < 1000) continue;
    if (Col > c.x1) break;
    int SrcCol = s.xMul < 0 ? xOff + xLen - 1 - i : xOff + i;
    LCD_PIXELINDEX Index = _ReadIndex(s, SrcCol, r);
    if (!Pending || Index != RunIndex) {
      if (Pending) _WriteRun(s, RunStart, Col - 1, ys, RunIndex);
      Pending = true;
      RunStart = Col;
      RunIndex = Index;
    }
    Col += Acc / 1000;
    Acc %= 1000;
  }
  if (Pending) _WriteRun(s, RunStart, Col - 1, ys, RunIndex);
}

void _WriteBlock(const Scaled& s, int xOff, int xLen, int yOff, int yLen) {
  const GUI_RECT& c = GUI_pContext->ClipRect;
  int XSize = s.pDev->XSize, YSize = s.pDev->YSize;
  int yBase = s.yMul >= 0 ? s.y : s.y + ((YSize - 1) * s.yMul) / -1000;
  int xStart = s.xMul >= 0 ? s.x : s.x + ((XSize - 2 * xOff - xLen) * s.xMul) / -1000;
  int Step = s.yMul >= 0 ? 1 : -1;
  bool First = true;
  int PrevFirstLine = 0;
  for (int r = yOff; r < yOff + yLen; r++) {
    int a = yBase + GUI__DivideRound32(r * s.yMul, 1000);
    int b = yBase + GUI__DivideRound32((r + 1) * s.yMul, 1000);
    if (!First && a == PrevFirstLine) continue;
    First = false;
    PrevFirstLine = a;
    for (int ys = a; ys != b; ys += Step) {
      if (ys < c.y0 || ys > c.y1) continue;
      _WriteLine(s, xStart, xOff, xLen, r, ys);
    }
  }
}

}  // namespace

void GUI_MEMDEV_WriteScaled(GUI_HMEM hMem, int xMul, int yMul, int Alpha) {
  GUI_MEMDEV_WriteScaledAt(hMem, GUI_POS_AUTO, GUI_POS_AUTO, xMul, yMul, Alpha);
}

void GUI_MEMDEV_WriteScaledAt(GUI_HMEM hMem, int x, int y, int xMul, int yMul, int Alpha) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV__Pin PinDev(hMem), PinUsage(GUI_MEMDEV__h2p(hMem)->hUsage);
  Scaled s;
  s.pDev = GUI_MEMDEV__h2p(hMem);
  if (x == GUI_POS_AUTO) {
    x = s.pDev->x0;
    y = s.pDev->y0;
  }
  s.x = x;
  s.y = y;
  s.xMul = xMul;
  s.yMul = yMul;
  s.Alpha = Alpha;
  int Layer = GUI_pContext->SelLayer;
  s.pHead = GUI_DEVICE__GetHead(Layer);
  GUI_HMEM hSel = GUI_pContext->hDevData;
  s.hSelMemdev = (hSel && !GUI_MEMDEV__IsMeasDev(hSel)) ? hSel : 0;
  s.pDevConv = s.pDev->pDevice->pColorConvAPI;
  s.pTargetConv = s.pHead->pColorConvAPI;
  // Indices go out as stored when both sides share the format, else through colours.
  s.Convert = s.pDevConv->pfIndex2Color != s.pTargetConv->pfIndex2Color;
  s.pUsage = s.pDev->hUsage ? (GUI_USAGE*)GUI_ALLOC_h2p(s.pDev->hUsage) : nullptr;
  GUI_RECT ClipOld = GUI_pContext->ClipRect;
  LCD_PIXELINDEX IndexOld = *GUI_pContext->LCD_pColorIndex;
  LCD_SetClipRectToDevice();
  int XSize = s.pDev->XSize, YSize = s.pDev->YSize;
  if (XSize && YSize) {
    if (!s.pUsage) {
      _WriteBlock(s, 0, XSize, 0, YSize);
    } else {
      bool First = true;
      int PrevTop = 0;
      for (int row = 0; row < YSize; row++) {
        int Top = y + GUI__DivideRound32(row * yMul, 1000);
        if (!First && Top == PrevTop) continue;
        First = false;
        PrevTop = Top;
        int xs = 0;
        int n = s.pUsage->pAPI->pfGetNextDirty(s.pUsage, &xs, row);
        if (n == XSize) {
          int Rows = 1;
          for (;;) {
            int xn = 0;
            if (row + Rows >= YSize || s.pUsage->pAPI->pfGetNextDirty(s.pUsage, &xn, row + Rows) != XSize) break;
            Rows++;
          }
          _WriteBlock(s, 0, XSize, row, Rows);
          row += Rows - 1;
          PrevTop = y + GUI__DivideRound32(row * yMul, 1000);
          continue;
        }
        for (; n; xs += n, n = s.pUsage->pAPI->pfGetNextDirty(s.pUsage, &xs, row)) _WriteBlock(s, xs, n, row, 1);
      }
    }
  }
  *GUI_pContext->LCD_pColorIndex = IndexOld;
  GUI_pContext->ClipRect = ClipOld;
}
