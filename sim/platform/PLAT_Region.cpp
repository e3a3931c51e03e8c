// Regions for window outlines, and the clipboard copy of a bitmap.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>

#include "PLAT_Internal.h"

struct PLAT_REGION {
  QRegion Region;
};

PLAT_HRGN PLAT_CreateRectRgn(int x0, int y0, int x1, int y1) {
  PLAT_REGION* p = new PLAT_REGION;
  if (x1 > x0 && y1 > y0) p->Region = QRegion(x0, y0, x1 - x0, y1 - y0);
  return p;
}

int PLAT_CombineRgn(PLAT_HRGN hDest, PLAT_HRGN hOther) {
  if (!hDest || !hOther) return 1;
  hDest->Region = hDest->Region.united(hOther->Region);
  return 0;
}

void PLAT_OffsetRgn(PLAT_HRGN hRgn, int dx, int dy) {
  if (hRgn) hRgn->Region.translate(dx, dy);
}

void PLAT_DeleteRgn(PLAT_HRGN hRgn) { delete hRgn; }

int PLAT_PtInRegion(PLAT_HRGN hRgn, int x, int y) { return hRgn && hRgn->Region.contains(QPoint(x, y)) ? 1 : 0; }

PLAT_HRGN PLAT_GetWindowRgn(PLAT_HWND hWnd) {
  if (!PLAT_IsWindow(hWnd) || hWnd->pOuter->mask().isEmpty()) return nullptr;
  PLAT_REGION* p = new PLAT_REGION;
  p->Region = hWnd->pOuter->mask();
  return p;
}

void PLAT_SetWindowRgn(PLAT_HWND hWnd, PLAT_HRGN hRgn) {
  if (!PLAT_IsWindow(hWnd)) return;
  if (hRgn) hWnd->pOuter->setMask(hRgn->Region);
  else hWnd->pOuter->clearMask();
}

int PLAT_SetClipboardDIB(const PLAT_DIB* pDib) {
  QImage Image = PLAT__WrapDIB(pDib);
  QClipboard* pClipboard = QGuiApplication::clipboard();
  if (Image.isNull() || !pClipboard) return 1;
  pClipboard->setImage(Image.copy());  // the clipboard keeps its own pixels
  return 0;
}
