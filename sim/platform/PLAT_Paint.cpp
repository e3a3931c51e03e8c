// Painting of a window: device-independent bitmaps 1:1 or stretched, filled rectangles and text; and the grab
// of what a window shows.
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <cstring>

#include "PLAT_Internal.h"

void PLAT__Client::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  PLAT_PAINTER Paint{&Painter, 0};
  pPaint = &Paint;
  uintptr_t Erase = pWin->EraseNext ? 1 : 0;
  pWin->EraseNext = false;
  PLAT__Dispatch(pWin, PLAT_MSG_PAINT, Erase, 0);
  pPaint = nullptr;
  if (!PLAT__IsAlive(pWin)) return;
  for (const auto& Pixel : pWin->Pixels) {
    Painter.fillRect(Pixel.first.first, Pixel.first.second, 1, 1, QColor::fromRgb(Pixel.second));
  }
}

// Only pixels inside the client area are kept, so there are never more than it has.
void PLAT_SetPixel(PLAT_HWIN hWin, int x, int y, uint32_t Color) {
  if (!PLAT_IsWindow(hWin) || x < 0 || y < 0 || x >= hWin->pClient->width() || y >= hWin->pClient->height()) return;
  hWin->Pixels[{x, y}] = Color & 0xFFFFFF;
  hWin->pClient->update(x, y, 1, 1);
}

PLAT_HPAINT PLAT_BeginPaint(PLAT_HWIN hWin) {
  return PLAT_IsWindow(hWin) ? hWin->pClient->pPaint : nullptr;
}

void PLAT_EndPaint(PLAT_HWIN, PLAT_HPAINT) {}

// Wraps the caller's pixels without copying them; a null image for a bitmap that cannot be shown.
QImage PLAT__WrapDIB(const PLAT_DIB* pDib) {
  if (!pDib || !pDib->pBits || pDib->xSize <= 0 || pDib->ySize <= 0) return QImage();
  QImage::Format Format;
  switch (pDib->BitsPerPixel) {
  case 8: Format = QImage::Format_Indexed8; break;
  case 16: Format = QImage::Format_RGB16; break;
  case 32: Format = QImage::Format_RGB32; break;
  default: return QImage();
  }
  int MinLine = pDib->xSize * pDib->BitsPerPixel / 8;
  if (pDib->BytesPerLine < MinLine) return QImage();
  QImage Image(static_cast<const uchar*>(pDib->pBits), pDib->xSize, pDib->ySize, pDib->BytesPerLine, Format);
  if (Format == QImage::Format_Indexed8) {
    QList<QRgb> Colors(256);
    for (int i = 0; i < 256; i++) Colors[i] = pDib->pPalette ? (pDib->pPalette[i] | 0xFF000000u) : qRgb(i, i, i);
    Image.setColorTable(Colors);
  }
  return Image;
}

void PLAT_DrawDIB(PLAT_HPAINT hdc, int xDst, int yDst, int xSizeDst, int ySizeDst, const PLAT_DIB* pDib, int xSrc,
                  int ySrc, int xSizeSrc, int ySizeSrc) {
  QImage Image = PLAT__WrapDIB(pDib);
  if (!hdc || Image.isNull()) return;
  hdc->pPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
  hdc->pPainter->drawImage(QRect(xDst, yDst, xSizeDst, ySizeDst), Image, QRect(xSrc, ySrc, xSizeSrc, ySizeSrc));
}

void PLAT_SetAppIcon(const PLAT_DIB* pDib) {
  QImage Image = PLAT__WrapDIB(pDib);
  if (!Image.isNull() && QApplication::instance()) QApplication::setWindowIcon(QIcon(QPixmap::fromImage(Image.copy())));
}

void PLAT_FillRect(PLAT_HPAINT hdc, int x, int y, int xSize, int ySize, uint32_t Color) {
  if (hdc) hdc->pPainter->fillRect(x, y, xSize, ySize, QColor::fromRgb(Color & 0xFFFFFF));
}

void PLAT_SetTextColor(PLAT_HPAINT hdc, uint32_t Color) {
  if (hdc) hdc->TextColor = Color & 0xFFFFFF;
}

void PLAT_DrawText(PLAT_HPAINT hdc, int x, int y, const char* s, int NumBytes) {
  if (!hdc || NumBytes <= 0) return;
  QPainter* p = hdc->pPainter;
  p->setPen(QColor::fromRgb(hdc->TextColor));
  p->drawText(x, y + p->fontMetrics().ascent(), QString::fromUtf8(s, NumBytes));
}

int PLAT_GetTextWidth(PLAT_HPAINT hdc, const char* s, int NumBytes) {
  if (!hdc || NumBytes <= 0) return 0;
  return hdc->pPainter->fontMetrics().horizontalAdvance(QString::fromUtf8(s, NumBytes));
}

int PLAT_GetTextHeight(PLAT_HPAINT hdc, const char* s) {
  if (!hdc) return 0;
  return hdc->pPainter->fontMetrics().boundingRect(QString::fromUtf8(s)).height();
}

// A shown window gives what the screen holds for it (what was last painted); a hidden one is painted afresh.
int PLAT_GrabWindow(PLAT_HWIN hWin, uint32_t* pDest, int xSize, int ySize) {
  if (!PLAT_IsWindow(hWin)) return 1;
  QWidget* pWidget = hWin->pClient;
  QImage Image;
  if (pWidget->isVisible() && pWidget->window()->screen()) {
    QWidget* pTop = pWidget->window();
    QPoint Off = pWidget->mapTo(pTop, QPoint(0, 0));
    Image = pTop->screen()->grabWindow(pTop->winId(), Off.x(), Off.y(), xSize, ySize).toImage();
  } else {
    Image = pWidget->grab().toImage();
  }
  Image = Image.convertToFormat(QImage::Format_ARGB32);
  if (Image.width() < xSize || Image.height() < ySize) return 1;
  for (int y = 0; y < ySize; y++) memcpy(pDest + y * xSize, Image.constScanLine(y), size_t(xSize) * 4);
  return 0;
}
