// Regions for window outlines, and the clipboard copy of a bitmap.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>

#include "PLAT_Internal.h"

struct PLAT_REGION {
  QRegion Region;
};

PLAT_HREGION PLAT_CreateRegion(int x0, int y0, int x1, int y1) {
  PLAT_REGION* p = new PLAT_REGION;
  if (x1 > x0 && y1 > y0) p->Region = QRegion(x0, y0, x1 - x0, y1 - y0);
  return p;
}

int PLAT_UniteRegion(PLAT_HREGION hDest, PLAT_HREGION hOther) {
  if (!hDest || !hOther) return 1;
  hDest->Region = hDest->Region.united(hOther->Region);
  return 0;
}

void PLAT_MoveRegion(PLAT_HREGION hRegion, int dx, int dy) {
  if (hRegion) hRegion->Region.translate(dx, dy);
}

void PLAT_DeleteRegion(PLAT_HREGION hRegion) { delete hRegion; }

int PLAT_RegionContains(PLAT_HREGION hRegion, int x, int y) {
  return hRegion && hRegion->Region.contains(QPoint(x, y)) ? 1 : 0;
}

PLAT_HREGION PLAT_GetWindowShape(PLAT_HWIN hWin) {
  if (!PLAT_IsWindow(hWin) || hWin->pOuter->mask().isEmpty()) return nullptr;
  PLAT_REGION* p = new PLAT_REGION;
  p->Region = hWin->pOuter->mask();
  return p;
}

void PLAT_SetWindowShape(PLAT_HWIN hWin, PLAT_HREGION hRegion) {
  if (!PLAT_IsWindow(hWin)) return;
  if (hRegion) hWin->pOuter->setMask(hRegion->Region);
  else hWin->pOuter->clearMask();
}

int PLAT_SetClipboardDIB(const PLAT_DIB* pDib) {
  QImage Image = PLAT__WrapDIB(pDib);
  QClipboard* pClipboard = QGuiApplication::clipboard();
  if (Image.isNull() || !pClipboard) return 1;
  pClipboard->setImage(Image.copy());  // the clipboard keeps its own pixels
  return 0;
}
