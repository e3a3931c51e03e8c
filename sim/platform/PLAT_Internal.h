// What the window, painting and menu files of the platform layer share. Not for use above this layer.
#pragma once
#include <QPointer>
#include <QWidget>

#include <map>
#include <string>

#include "PLAT_Window.h"

class QImage;
class QMenuBar;
class QPainter;

class PLAT__Client;

struct PLAT_WINDOW {
  PLAT__Client* pClient = nullptr;  // the client area: receives painting and input
  QWidget* pOuter = nullptr;        // the top-level widget that holds the menu bar, or the client itself
  PLAT_WINPROC pfProc = nullptr;
  std::string Class;
  intptr_t UserData = 0;
  uint32_t Style = 0;
  uint32_t BkColor = 0;
  std::map<uint32_t, int> Timers;   // our id -> toolkit timer id
  std::map<std::pair<int, int>, uint32_t> Pixels;  // set outside painting (PLAT_SetPixel), by x and y
  bool EraseNext = true;
  bool Destroyed = false;
  PLAT_HMENU hMenuBar = nullptr;
  QMenuBar* pMenuBar = nullptr;
};

struct PLAT_PAINTER {
  QPainter* pPainter;
  uint32_t TextColor;
};

class PLAT__Client : public QWidget {
public:
  PLAT__Client(PLAT_WINDOW* pWin, QWidget* pParent);
  ~PLAT__Client() override;
  PLAT_WINDOW* pWin;
  PLAT_PAINTER* pPaint = nullptr;  // set while PLAT_MSG_PAINT is handled

protected:
  void paintEvent(QPaintEvent* e) override;
  void timerEvent(QTimerEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab is a key like any other here
};

// The outer widget of a top-level window: the user's close request becomes PLAT_MSG_CLOSE.
class PLAT__Outer : public QWidget {
public:
  PLAT__Outer(PLAT_WINDOW* pWin, QWidget* pParent, Qt::WindowFlags Flags) : QWidget(pParent, Flags), pWin(pWin) {}
  PLAT_WINDOW* pWin;

protected:
  void closeEvent(QCloseEvent* e) override;
};

// The caption and sizing border of a child frame (PLAT_STYLE_CAPTION) around its client area.
class PLAT__Frame : public QWidget {
public:
  PLAT__Frame(PLAT_WINDOW* pWin, QWidget* pParent);
  PLAT_WINDOW* pWin;
  void PlaceClient(void);   // the client area fills the frame inside border and caption

protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

private:
  int _HitEdges(QPoint Pos) const;   // PLAT__EDGE_... under a point of the border
  QRect _CloseBox(void) const;
  int _Edges = 0;                    // what a held button drags: edges, or 0 with _Moving
  bool _Moving = false;
  bool _ClosePressed = false;
  QPoint _PressGlobal;
  QRect _PressGeometry;
};

void PLAT__AddLive(PLAT_WINDOW* pWin);   // a window made outside PLAT_CreateWindow (dialogs)
intptr_t PLAT__Dispatch(PLAT_WINDOW* pWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam);
int PLAT__IsAlive(PLAT_WINDOW* pWin);
QImage PLAT__WrapDIB(const PLAT_DIB* pDib);
