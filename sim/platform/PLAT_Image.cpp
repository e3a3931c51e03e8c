// Picture decoding, rounded rectangles, the desktop size and the clipboard's bitmap block.
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QScreen>

#include <cstring>
#include <vector>

#include "PLAT_Image.h"
#include "PLAT_Internal.h"

int PLAT_DecodeImage(const void* pData, size_t NumBytes, uint32_t** ppPixels, int* pxSize, int* pySize) {
  *ppPixels = nullptr;
  *pxSize = *pySize = 0;
  if (!pData || !NumBytes || NumBytes > 0x7FFFFFFF) return 1;
  QImage Image;
  if (!Image.loadFromData(static_cast<const uchar*>(pData), int(NumBytes))) return 1;
  Image = Image.convertToFormat(QImage::Format_RGB32);
  int xSize = Image.width(), ySize = Image.height();
  if (xSize <= 0 || ySize <= 0) return 1;
  uint32_t* p = new uint32_t[size_t(xSize) * size_t(ySize)];
  for (int y = 0; y < ySize; y++) {
    const uint32_t* pLine = reinterpret_cast<const uint32_t*>(Image.constScanLine(y));
    for (int x = 0; x < xSize; x++) p[size_t(y) * xSize + x] = pLine[x] & 0xFFFFFF;
  }
  *ppPixels = p;
  *pxSize = xSize;
  *pySize = ySize;
  return 0;
}

void PLAT_FreeImage(uint32_t* pPixels) { delete[] pPixels; }

void PLAT_FillRoundRect(PLAT_HPAINT hdc, int x0, int y0, int x1, int y1, int Corner, uint32_t Color) {
  if (!hdc) return;
  QPainter* p = hdc->pPainter;
  p->save();
  p->setRenderHint(QPainter::Antialiasing, true);
  p->setPen(QPen(Qt::black, 1));
  p->setBrush(QColor::fromRgb(Color & 0xFFFFFF));
  p->drawRoundedRect(QRectF(x0 + 0.5, y0 + 0.5, x1 - x0, y1 - y0), Corner / 2.0, Corner / 2.0);
  p->restore();
}

void PLAT_GetDesktopSize(int* pxSize, int* pySize) {
  QScreen* pScreen = QGuiApplication::primaryScreen();
  QRect r = pScreen ? pScreen->availableGeometry() : QRect(0, 0, 1024, 768);
  *pxSize = r.width();
  *pySize = r.height();
}

// The block becomes a BMP file (a 14-byte file header in front) that the toolkit decodes; the raw block is
// offered as well for programs that read device-independent bitmaps.
int PLAT_SetClipboardDIBBlock(const void* pBlock, size_t NumBytes) {
  if (!pBlock || NumBytes < 40 || NumBytes > 0x7FFFFFF0) return 1;
  const uint8_t* p = static_cast<const uint8_t*>(pBlock);
  uint32_t HeaderSize = p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
  uint32_t NumColors = p[32] | p[33] << 8 | p[34] << 16 | uint32_t(p[35]) << 24;
  if (HeaderSize != 40 || NumColors > 256 || 40 + 4 * size_t(NumColors) > NumBytes) return 1;
  uint32_t FileSize = uint32_t(14 + NumBytes), Offset = 14 + 40 + 4 * NumColors;
  std::vector<uint8_t> File(14 + NumBytes);
  File[0] = 'B';
  File[1] = 'M';
  for (int i = 0; i < 4; i++) {
    File[2 + i] = uint8_t(FileSize >> (8 * i));
    File[10 + i] = uint8_t(Offset >> (8 * i));
  }
  memcpy(File.data() + 14, p, NumBytes);
  QImage Image;
  if (!Image.loadFromData(File.data(), int(File.size()), "BMP")) return 1;
  QClipboard* pClipboard = QGuiApplication::clipboard();
  if (!pClipboard) return 1;
  QMimeData* pMime = new QMimeData;
  pMime->setImageData(Image);
  pMime->setData("image/bmp", QByteArray(reinterpret_cast<const char*>(File.data()), int(File.size())));
  pClipboard->setMimeData(pMime);
  return 0;
}

int PLAT_GetClipboardImage(uint32_t* pDest, int xSize, int ySize) {
  QClipboard* pClipboard = QGuiApplication::clipboard();
  if (!pClipboard) return 1;
  QImage Image = pClipboard->image();
  if (Image.isNull() || Image.width() != xSize || Image.height() != ySize) return 1;
  Image = Image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < ySize; y++) {
    const uint32_t* pLine = reinterpret_cast<const uint32_t*>(Image.constScanLine(y));
    for (int x = 0; x < xSize; x++) pDest[size_t(y) * xSize + x] = pLine[x] & 0xFFFFFF;
  }
  return 0;
}
