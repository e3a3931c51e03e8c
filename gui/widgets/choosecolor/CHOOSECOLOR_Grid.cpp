// CHOOSECOLOR: the grid of colour cells: its geometry from the client size, the cell under a point, and
// painting. Cells that come out smaller than a pixel are neither drawn nor hit.
#include "CHOOSECOLOR.h"

void CHOOSECOLOR__GetGrid(const CHOOSECOLOR_CONTEXT* p, int W, int H, CHOOSECOLOR_GRID* pGrid) {
  int n = p->NumColorsPerLine;
  const CHOOSECOLOR_PROPS& q = p->Props;
  pGrid->NumRows = (p->NumColors - 1 + n) / n;
  int R = pGrid->NumRows;
  pGrid->CellX = (W - 2 * q.aBorder[0] - (n - 1) * q.aSpace[0]) / n;
  pGrid->CellY = (H - 3 * q.aBorder[1] - (R - 1) * q.aSpace[1] - q.aButtonSize[1]) / R;
  pGrid->x0 = (W - (n - 1) * q.aSpace[0] - pGrid->CellX * n) / 2;
  pGrid->y0 = q.aBorder[1];
}

GUI_RECT CHOOSECOLOR__CellRect(const CHOOSECOLOR_CONTEXT* p, const CHOOSECOLOR_GRID& g, int Index) {
  int Row = Index / p->NumColorsPerLine, Col = Index % p->NumColorsPerLine;
  int x = g.x0 + Col * (g.CellX + p->Props.aSpace[0]), y = g.y0 + Row * (g.CellY + p->Props.aSpace[1]);
  return {(I16)x, (I16)y, (I16)(x + g.CellX - 1), (I16)(y + g.CellY - 1)};
}

int CHOOSECOLOR__CellAt(const CHOOSECOLOR_CONTEXT* p, const CHOOSECOLOR_GRID& g, int x, int y) {
  int n = p->NumColorsPerLine;
  int PitchX = g.CellX + p->Props.aSpace[0], PitchY = g.CellY + p->Props.aSpace[1];
  if (g.CellX < 1 || g.CellY < 1 || PitchX < 1 || PitchY < 1) {
    return -1;
  }
  int xEnd = g.x0 + n * g.CellX + (n - 1) * p->Props.aSpace[0];
  int yEnd = g.y0 + g.NumRows * g.CellY + (g.NumRows - 1) * p->Props.aSpace[1];
  if (x < g.x0 || x > xEnd || y < g.y0 || y > yEnd) {
    return -1;
  }
  if ((x - g.x0) % PitchX >= g.CellX || (y - g.y0) % PitchY >= g.CellY) {
    return -1; // in a gap
  }
  int Col = (x - g.x0) / PitchX, Row = (y - g.y0) / PitchY;
  int Index = Row * n + Col;
  return Col < n && Index < p->NumColors ? Index : -1;
}

void CHOOSECOLOR__Paint(const CHOOSECOLOR_CONTEXT* p, int W, int H) {
  CHOOSECOLOR_GRID g;
  CHOOSECOLOR__GetGrid(p, W, H, &g);
  if (g.CellX < 1 || g.CellY < 1) {
    return;
  }
  for (int i = 0; i < p->NumColors; i++) {
    GUI_RECT r = CHOOSECOLOR__CellRect(p, g, i);
    GUI_SetColor(p->pColors[i]);
    GUI_FillRectEx(&r);
    GUI_SetColor(p->Props.aColor[0]);
    GUI_DrawRect(r.x0 - 1, r.y0 - 1, r.x1 + 1, r.y1 + 1);
    if (i == p->Sel) {
      GUI_SetColor(p->Props.aColor[1]);
      GUI_DrawRect(r.x0 - 2, r.y0 - 2, r.x1 + 2, r.y1 + 2);
    }
  }
}
