// Child frames: windows inside another window's client area with a caption that shows the title and moves the
// frame, a close box, and a border that resizes it. The decorations are drawn here with the fixed sizes that
// PLAT_GetSystemMetric reports, so that the host's layout arithmetic matches what is shown.
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "PLAT_Internal.h"

enum {
  _FRAME = 4, _CAPTION = 19, _MENU = 19, _DLGFRAME = 3,
  _MIN_CLIENT_X = 40,
  _EDGE_LEFT = 1, _EDGE_RIGHT = 2, _EDGE_TOP = 4, _EDGE_BOTTOM = 8,
  _COLOR_FACE = 0xD4D0C8, _COLOR_SHADOW = 0x404040, _COLOR_CAPTION = 0x0A246A, _COLOR_TITLE = 0xFFFFFF,
};

int PLAT_GetSystemMetric(int Index) {
  switch (Index) {
  case PLAT_SM_CXFRAME:
  case PLAT_SM_CYFRAME: return _FRAME;
  case PLAT_SM_CYCAPTION: return _CAPTION;
  case PLAT_SM_CYMENUSIZE: return _MENU;
  case PLAT_SM_CXDLGFRAME:
  case PLAT_SM_CYDLGFRAME: return _DLGFRAME;
  default: return 0;
  }
}

PLAT__Frame::PLAT__Frame(PLAT_WINDOW* pWin, QWidget* pParent) : QWidget(pParent), pWin(pWin) {
  setMouseTracking(true);  // the cursor shows what the border does
}

void PLAT__Frame::PlaceClient(void) {
  if (pWin->pClient) {
    pWin->pClient->setGeometry(_FRAME, _FRAME + _CAPTION, std::max(0, width() - 2 * _FRAME),
                               std::max(0, height() - 2 * _FRAME - _CAPTION));
  }
}

QRect PLAT__Frame::_CloseBox(void) const {
  int Size = _CAPTION - 4;
  return QRect(width() - _FRAME - 2 - Size, _FRAME + 2, Size, Size);
}

int PLAT__Frame::_HitEdges(QPoint Pos) const {
  int Edges = 0;
  if (Pos.x() < _FRAME) Edges |= _EDGE_LEFT;
  if (Pos.x() >= width() - _FRAME) Edges |= _EDGE_RIGHT;
  if (Pos.y() < _FRAME) Edges |= _EDGE_TOP;
  if (Pos.y() >= height() - _FRAME) Edges |= _EDGE_BOTTOM;
  return Edges;
}

static Qt::CursorShape _EdgeCursor(int Edges) {
  switch (Edges) {
  case _EDGE_LEFT: case _EDGE_RIGHT: return Qt::SizeHorCursor;
  case _EDGE_TOP: case _EDGE_BOTTOM: return Qt::SizeVerCursor;
  case _EDGE_LEFT | _EDGE_TOP: case _EDGE_RIGHT | _EDGE_BOTTOM: return Qt::SizeFDiagCursor;
  case _EDGE_RIGHT | _EDGE_TOP: case _EDGE_LEFT | _EDGE_BOTTOM: return Qt::SizeBDiagCursor;
  default: return Qt::ArrowCursor;
  }
}

void PLAT__Frame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  int w = width(), h = height();
  p.fillRect(0, 0, w, h, QColor::fromRgb(_COLOR_FACE));
  p.setPen(QColor::fromRgb(_COLOR_SHADOW));
  p.drawRect(0, 0, w - 1, h - 1);
  QRect Caption(_FRAME, _FRAME, w - 2 * _FRAME, _CAPTION - 1);
  p.fillRect(Caption, QColor::fromRgb(_COLOR_CAPTION));
  QRect Box = _CloseBox();
  p.setPen(QColor::fromRgb(_COLOR_TITLE));
  QFont Font = p.font();
  Font.setBold(true);
  p.setFont(Font);
  QRect TitleRect = Caption.adjusted(4, 0, -(Box.width() + 6), 0);
  QString Title = p.fontMetrics().elidedText(pWin->pClient->windowTitle(), Qt::ElideRight, TitleRect.width());
  p.drawText(TitleRect, Qt::AlignLeft | Qt::AlignVCenter, Title);
  p.fillRect(Box, QColor::fromRgb(_COLOR_FACE));
  p.setPen(QColor::fromRgb(_ClosePressed ? _COLOR_SHADOW : _COLOR_TITLE));
  p.drawLine(Box.topLeft(), Box.topRight());
  p.drawLine(Box.topLeft(), Box.bottomLeft());
  p.setPen(QColor::fromRgb(_ClosePressed ? _COLOR_TITLE : _COLOR_SHADOW));
  p.drawLine(Box.bottomLeft(), Box.bottomRight());
  p.drawLine(Box.topRight(), Box.bottomRight());
  p.setPen(QPen(Qt::black, 1.5));
  QRect Cross = Box.adjusted(4, 4, -4, -4);
  p.drawLine(Cross.topLeft(), Cross.bottomRight());
  p.drawLine(Cross.topRight(), Cross.bottomLeft());
}

void PLAT__Frame::resizeEvent(QResizeEvent*) { PlaceClient(); }

void PLAT__Frame::mousePressEvent(QMouseEvent* e) {
  raise();
  if (e->button() != Qt::LeftButton) return;
  QPoint Pos = e->position().toPoint();
  _PressGlobal = e->globalPosition().toPoint();
  _PressGeometry = geometry();
  if (_CloseBox().contains(Pos)) {
    _ClosePressed = true;
    update();
  } else if ((_Edges = _HitEdges(Pos)) == 0) {
    _Moving = Pos.y() < _FRAME + _CAPTION;
  }
}

void PLAT__Frame::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton)) {
    setCursor(_EdgeCursor(_HitEdges(e->position().toPoint())));
    return;
  }
  QPoint d = e->globalPosition().toPoint() - _PressGlobal;
  QRect r = _PressGeometry;
  if (_Moving) {
    r.translate(d);
    r.moveTop(std::max(0, r.top()));  // the caption stays within reach
  } else if (_Edges) {
    int xMin = 2 * _FRAME + _MIN_CLIENT_X, yMin = 2 * _FRAME + _CAPTION;
    if (_Edges & _EDGE_LEFT) r.setLeft(std::min(r.left() + d.x(), r.right() - xMin));
    if (_Edges & _EDGE_RIGHT) r.setRight(std::max(r.right() + d.x(), r.left() + xMin));
    if (_Edges & _EDGE_TOP) r.setTop(std::min(r.top() + d.y(), r.bottom() - yMin));
    if (_Edges & _EDGE_BOTTOM) r.setBottom(std::max(r.bottom() + d.y(), r.top() + yMin));
  } else {
    return;
  }
  setGeometry(r);
  PlaceClient();
}

void PLAT__Frame::mouseReleaseEvent(QMouseEvent* e) {
  bool Close = _ClosePressed && _CloseBox().contains(e->position().toPoint());
  _ClosePressed = _Moving = false;
  _Edges = 0;
  update();
  if (Close && PLAT__IsAlive(pWin)) PLAT__Dispatch(pWin, PLAT_MSG_CLOSE, 0, 0);
}
