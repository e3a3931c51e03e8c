// Windows with procedures and messages over Qt widgets: creation, destruction, the message loop, posting from
// other threads, timers, mouse, keyboard, drops and capture.
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QSocketNotifier>
#include <QWheelEvent>

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <set>
#include <vector>

#include "PLAT_Internal.h"

static QApplication* _pApp;
static int _Argc = 1;
static char _aArg0[] = "meridox-sim";
static char* _apArgv[] = {_aArg0, nullptr};
static std::atomic<bool> _AppAlive;

static std::mutex _LiveMutex;
static std::set<PLAT_WINDOW*> _Live;

static const PLAT_ACCEL* _paAccel;
static int _NumAccel;

static PLAT_WINDOW* _pCapture;

// The key being handled: its characters and modifiers, for PLAT_GetKeyChars and PLAT_IsKeyDown.
static QString _KeyText;
static Qt::KeyboardModifiers _KeyMods;
static std::set<uint32_t> _KeysDown;

/*********************************************************************
*
*       Keys
*/
// The code of a key that types a character of the layout's own: it names no key that lacks a character.
enum : uint32_t { _VK_OF_LAYOUT = 0xDF };

static uint32_t _QtKey2VirtKey(int Key) {
  if (Key >= Qt::Key_A && Key <= Qt::Key_Z) return 0x41 + (Key - Qt::Key_A);
  if (Key >= Qt::Key_0 && Key <= Qt::Key_9) return 0x30 + (Key - Qt::Key_0);
  if (Key >= Qt::Key_F1 && Key <= Qt::Key_F24) return PLAT_VK_F1 + (Key - Qt::Key_F1);
  switch (Key) {
  case Qt::Key_Backspace: return PLAT_VK_BACKSPACE;
  case Qt::Key_Tab: case Qt::Key_Backtab: return PLAT_VK_TAB;
  case Qt::Key_Return: case Qt::Key_Enter: return PLAT_VK_ENTER;
  case Qt::Key_Shift: return PLAT_VK_SHIFT;
  case Qt::Key_Control: return PLAT_VK_CONTROL;
  case Qt::Key_Alt: case Qt::Key_AltGr: return PLAT_VK_ALT;
  case Qt::Key_Pause: return PLAT_VK_PAUSE;
  case Qt::Key_Escape: return PLAT_VK_ESCAPE;
  case Qt::Key_Space: return PLAT_VK_SPACE;
  case Qt::Key_PageUp: return PLAT_VK_PAGEUP;
  case Qt::Key_PageDown: return PLAT_VK_PAGEDOWN;
  case Qt::Key_End: return PLAT_VK_END;
  case Qt::Key_Home: return PLAT_VK_HOME;
  case Qt::Key_Left: return PLAT_VK_LEFT;
  case Qt::Key_Up: return PLAT_VK_UP;
  case Qt::Key_Right: return PLAT_VK_RIGHT;
  case Qt::Key_Down: return PLAT_VK_DOWN;
  case Qt::Key_Insert: return PLAT_VK_INSERT;
  case Qt::Key_Delete: return PLAT_VK_DELETE;
  // Keys without a character: the host sends their own codes.
  case Qt::Key_CapsLock: return PLAT_VK_CAPSLOCK;
  case Qt::Key_NumLock: return PLAT_VK_NUMLOCK;
  case Qt::Key_Menu: return PLAT_VK_APPS;
  case Qt::Key_Meta: case Qt::Key_Super_L: return PLAT_VK_LWIN;
  case Qt::Key_Super_R: return PLAT_VK_RWIN;
  case Qt::Key_Comma: return 0xBC;
  case Qt::Key_Minus: return 0xBD;
  case Qt::Key_Period: return 0xBE;
  case Qt::Key_Plus: return 0xBB;
  default: return 0;
  }
}

static int _VirtKey2QtKey(uint32_t VirtKey) {
  for (int Key : {Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt,
                  Qt::Key_Pause, Qt::Key_Escape, Qt::Key_Space, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End,
                  Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Insert,
                  Qt::Key_Delete, Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_Menu, Qt::Key_Meta, Qt::Key_Super_R,
                  Qt::Key_Comma, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Plus}) {
    if (_QtKey2VirtKey(Key) == VirtKey) return Key;
  }
  if (VirtKey >= 0x41 && VirtKey <= 0x5A) return Qt::Key_A + int(VirtKey - 0x41);
  if (VirtKey >= 0x30 && VirtKey <= 0x39) return Qt::Key_0 + int(VirtKey - 0x30);
  if (VirtKey >= PLAT_VK_F1 && VirtKey < PLAT_VK_F1 + 24) return Qt::Key_F1 + int(VirtKey - PLAT_VK_F1);
  return Qt::Key_unknown;
}

int PLAT_GetKeyChars(char* pBuffer, int BufferSize) {
  int n = 0;
  for (QChar c : _KeyText) {
    if (c.unicode() >= 256) return 0;  // no 8-bit character for this key
    if (n < BufferSize) pBuffer[n] = char(c.unicode());
    n++;
  }
  return n;
}

int PLAT_IsKeyDown(uint32_t VirtKey) {
  switch (VirtKey) {
  case PLAT_VK_SHIFT: return (_KeyMods & Qt::ShiftModifier) ? 1 : 0;
  case PLAT_VK_CONTROL: return (_KeyMods & Qt::ControlModifier) ? 1 : 0;
  case PLAT_VK_ALT: return (_KeyMods & Qt::AltModifier) ? 1 : 0;
  default: return _KeysDown.count(VirtKey) ? 1 : 0;
  }
}

void PLAT_SetAccelerators(const PLAT_ACCEL* pTable, int NumItems) {
  _paAccel = pTable;
  _NumAccel = NumItems;
}

/*********************************************************************
*
*       Dispatch
*/
int PLAT__IsAlive(PLAT_WINDOW* pWin) {
  std::lock_guard<std::mutex> Lock(_LiveMutex);
  return _Live.count(pWin) ? 1 : 0;
}

intptr_t PLAT__Dispatch(PLAT_WINDOW* pWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  if (!pWin || pWin->Destroyed) return 0;
  if (pWin->pfProc) return pWin->pfProc(pWin, Msg, wParam, lParam);
  return PLAT_DefaultProc(pWin, Msg, wParam, lParam);
}

// Default processing: a close request destroys the window; the wheel goes on to the parent.
intptr_t PLAT_DefaultProc(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  if (Msg == PLAT_MSG_CLOSE) PLAT_DestroyWindow(hWin);
  if (Msg == PLAT_MSG_WHEEL) {
    if (PLAT_HWIN hParent = PLAT_GetParent(hWin)) return PLAT_SendMessage(hParent, Msg, wParam, lParam);
  }
  return 0;
}

intptr_t PLAT_SendMessage(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  if (!PLAT__IsAlive(hWin)) return 0;
  return PLAT__Dispatch(hWin, Msg, wParam, lParam);
}

int PLAT_PostCall(void (*pfCall)(void* p), void* p) {
  if (!_AppAlive) return 1;
  QMetaObject::invokeMethod(_pApp, [pfCall, p] { pfCall(p); }, Qt::QueuedConnection);
  return 0;
}

int PLAT_PostMessage(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  if (!_AppAlive) return 1;
  QMetaObject::invokeMethod(
      _pApp, [hWin, Msg, wParam, lParam] { PLAT_SendMessage(hWin, Msg, wParam, lParam); }, Qt::QueuedConnection);
  return 0;
}

// A quit ends the message loop of PLAT_RunLoop. Arriving while that loop does not run, it has nothing to end:
// Qt would keep it until the next main loop and meanwhile end every modal dialog the moment it opened.
static int _RunLoopDepth;

void PLAT_PostQuit(int ExitCode) {
  if (!_AppAlive) return;
  QMetaObject::invokeMethod(
      _pApp,
      [ExitCode] {
        if (_RunLoopDepth > 0) QCoreApplication::exit(ExitCode);
      },
      Qt::QueuedConnection);
}

// A termination request (SIGTERM, SIGINT, SIGHUP) ends the message loop like the exit command, so the normal
// shutdown runs; a second request while that hangs ends the process at once.
static int _aSignalPipe[2] = {-1, -1};
static volatile sig_atomic_t _TermRequested;

void PLAT__ShmUnlinkAll(void);

static void _OnTermSignal(int Sig) {
  if (!_TermRequested) {
    _TermRequested = 1;
    char c = 1;
    ssize_t r = write(_aSignalPipe[1], &c, 1);
    (void)r;
    return;
  }
  PLAT__ShmUnlinkAll();
  signal(Sig, SIG_DFL);
  raise(Sig);
}

static void _InstallTermHandlers(void) {
  if (pipe(_aSignalPipe) != 0) return;
  QSocketNotifier* pNotifier = new QSocketNotifier(_aSignalPipe[0], QSocketNotifier::Read, _pApp);
  QObject::connect(pNotifier, &QSocketNotifier::activated, [] {
    char c;
    ssize_t r = read(_aSignalPipe[0], &c, 1);
    (void)r;
    QCoreApplication::exit(0);
  });
  struct sigaction Act;
  memset(&Act, 0, sizeof(Act));
  Act.sa_handler = _OnTermSignal;
  for (int Sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(Sig, &Act, nullptr);
}

int PLAT_Init(int* pArgc, char** argv) {
  if (_pApp) return 0;
  if (pArgc && argv) {
    // The simulator runs on X11 (also under Wayland, through its X server): shaped windows need it. Tests and
    // callers that chose a platform keep theirs.
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    _pApp = new QApplication(*pArgc, argv);
  } else {
    _pApp = new QApplication(_Argc, _apArgv);
  }
  _AppAlive = true;
  if (pArgc && argv) _InstallTermHandlers();  // the simulator itself, not a test
  return 0;
}

int PLAT_RunLoop(void) {
  if (!_pApp) return 1;
  _RunLoopDepth++;
  int r = QApplication::exec();
  _RunLoopDepth--;
  return r;
}

void PLAT_ProcessEvents(void) {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

/*********************************************************************
*
*       Windows
*/
PLAT__Client::PLAT__Client(PLAT_WINDOW* pWin, QWidget* pParent) : QWidget(pParent), pWin(pWin) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette Pal = palette();
  Pal.setColor(QPalette::Window, QColor::fromRgb(pWin->BkColor));
  setPalette(Pal);
  setAcceptDrops((pWin->Style & PLAT_STYLE_ACCEPTFILES) != 0);
  setFocusPolicy((pWin->Style & PLAT_STYLE_CHILD) ? Qt::NoFocus : Qt::StrongFocus);
}

PLAT__Client::~PLAT__Client() {
  if (_pCapture == pWin) _pCapture = nullptr;
  {
    std::lock_guard<std::mutex> Lock(_LiveMutex);
    _Live.erase(pWin);
  }
  delete pWin;
}

void PLAT__AddLive(PLAT_WINDOW* pWin) {
  std::lock_guard<std::mutex> Lock(_LiveMutex);
  _Live.insert(pWin);
}

void PLAT__Outer::closeEvent(QCloseEvent* e) {
  e->ignore();
  if (PLAT__IsAlive(pWin)) PLAT__Dispatch(pWin, PLAT_MSG_CLOSE, 0, 0);
}

PLAT_HWIN PLAT_CreateWindow(const PLAT_CREATE* pCreate) {
  if (!_pApp) return nullptr;
  PLAT_WINDOW* pWin = new PLAT_WINDOW;
  pWin->pfProc = pCreate->pfProc;
  pWin->Class = pCreate->pClass ? pCreate->pClass : "";
  pWin->UserData = pCreate->UserData;
  pWin->Style = pCreate->Style;
  pWin->BkColor = pCreate->BkColor;
  QString Title = QString::fromUtf8(pCreate->pTitle ? pCreate->pTitle : "");
  if ((pCreate->Style & PLAT_STYLE_CHILD) && pCreate->hParent && (pCreate->Style & PLAT_STYLE_CAPTION)) {
    PLAT__Frame* pFrame = new PLAT__Frame(pWin, pCreate->hParent->pClient);
    pWin->pClient = new PLAT__Client(pWin, pFrame);
    pWin->pOuter = pFrame;
    pFrame->setGeometry(pCreate->x, pCreate->y, pCreate->xSize, pCreate->ySize);
    pFrame->PlaceClient();  // known before PLAT_MSG_CREATE, which may fill the client area
  } else if ((pCreate->Style & PLAT_STYLE_CHILD) && pCreate->hParent) {
    pWin->pClient = new PLAT__Client(pWin, pCreate->hParent->pClient);
    pWin->pOuter = pWin->pClient;
    pWin->pClient->setGeometry(pCreate->x, pCreate->y, pCreate->xSize, pCreate->ySize);
  } else {
    // A top-level window: an outer widget that can carry a menu bar above the client area.
    Qt::WindowFlags Flags = Qt::Window;
    if (pCreate->Style & PLAT_STYLE_POPUP) Flags |= Qt::FramelessWindowHint;
    if (pCreate->Style & PLAT_STYLE_TOOL) Flags = Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint;
    QWidget* pOuter = new PLAT__Outer(pWin, pCreate->hParent ? pCreate->hParent->pOuter : nullptr, Flags);
    QVBoxLayout* pLayout = new QVBoxLayout(pOuter);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pWin->pClient = new PLAT__Client(pWin, pOuter);
    pLayout->addWidget(pWin->pClient);
    pWin->pOuter = pOuter;
    pOuter->setWindowTitle(Title);
    pOuter->resize(pCreate->xSize, pCreate->ySize);
    pWin->pClient->resize(pCreate->xSize, pCreate->ySize);
    if (pCreate->Style & PLAT_STYLE_TOOL) pOuter->setFixedSize(pCreate->xSize, pCreate->ySize);
    if (pCreate->x != PLAT_DEFAULT_POS && pCreate->y != PLAT_DEFAULT_POS) pOuter->move(pCreate->x, pCreate->y);
  }
  pWin->pClient->setWindowTitle(Title);
  PLAT__AddLive(pWin);
  PLAT__Dispatch(pWin, PLAT_MSG_CREATE, 0, 0);
  if (PLAT__IsAlive(pWin) && (pCreate->Style & PLAT_STYLE_VISIBLE)) pWin->pOuter->show();
  return PLAT__IsAlive(pWin) ? pWin : nullptr;
}

// The window that a child widget of a client area stands for: a plain child or a child frame.
static PLAT_WINDOW* _Widget2Window(QObject* pObj) {
  if (PLAT__Client* pChild = dynamic_cast<PLAT__Client*>(pObj)) return pChild->pWin;
  if (PLAT__Frame* pFrame = dynamic_cast<PLAT__Frame*>(pObj)) return pFrame->pWin;
  return nullptr;
}

static void _CollectChildren(PLAT_WINDOW* pWin, std::vector<PLAT_WINDOW*>* pList, bool Deep = true) {
  for (QObject* pObj : pWin->pClient->children()) {
    PLAT_WINDOW* pChild = _Widget2Window(pObj);
    if (pChild && !pChild->Destroyed) {
      pList->push_back(pChild);
      if (Deep) _CollectChildren(pChild, pList);
    }
  }
}

void PLAT_DestroyWindow(PLAT_HWIN hWin) {
  if (!PLAT__IsAlive(hWin) || hWin->Destroyed) return;
  std::vector<PLAT_WINDOW*> List{hWin};
  _CollectChildren(hWin, &List);
  for (PLAT_WINDOW* pWin : List) {
    PLAT__Dispatch(pWin, PLAT_MSG_DESTROY, 0, 0);
    pWin->Destroyed = true;
    for (auto& Timer : pWin->Timers) pWin->pClient->killTimer(Timer.second);
    pWin->Timers.clear();
    if (_pCapture == pWin) _pCapture = nullptr;
    std::lock_guard<std::mutex> Lock(_LiveMutex);
    _Live.erase(pWin);
  }
  hWin->pOuter->hide();
  hWin->pOuter->deleteLater();  // the window may be destroyed from inside one of its own handlers
}

int PLAT_IsWindow(PLAT_HWIN hWin) {
  return (hWin && PLAT__IsAlive(hWin) && !hWin->Destroyed) ? 1 : 0;
}

intptr_t PLAT_GetUserData(PLAT_HWIN hWin) { return hWin ? hWin->UserData : 0; }
void PLAT_SetUserData(PLAT_HWIN hWin, intptr_t Data) { if (hWin) hWin->UserData = Data; }
const char* PLAT_GetClassName(PLAT_HWIN hWin) { return hWin ? hWin->Class.c_str() : ""; }

void PLAT_SetWindowText(PLAT_HWIN hWin, const char* s) {
  if (!PLAT_IsWindow(hWin)) return;
  hWin->pClient->setWindowTitle(QString::fromUtf8(s));
  if (hWin->pOuter != hWin->pClient) {
    hWin->pOuter->setWindowTitle(QString::fromUtf8(s));
    hWin->pOuter->update();  // a child frame shows it in its caption
  }
}

int PLAT_GetWindowText(PLAT_HWIN hWin, char* pBuffer, int BufferSize) {
  if (!PLAT_IsWindow(hWin) || BufferSize <= 0) return 0;
  QByteArray Text = hWin->pClient->windowTitle().toUtf8();
  int n = std::min<int>(Text.size(), BufferSize - 1);
  memcpy(pBuffer, Text.constData(), n);
  pBuffer[n] = 0;
  return n;
}

void PLAT_GetClientSize(PLAT_HWIN hWin, int* pxSize, int* pySize) {
  *pxSize = PLAT_IsWindow(hWin) ? hWin->pClient->width() : 0;
  *pySize = PLAT_IsWindow(hWin) ? hWin->pClient->height() : 0;
}

void PLAT_GetWindowRect(PLAT_HWIN hWin, int* px, int* py, int* pxSize, int* pySize) {
  QRect r = PLAT_IsWindow(hWin) ? hWin->pOuter->geometry() : QRect();
  *px = r.x();
  *py = r.y();
  *pxSize = r.width();
  *pySize = r.height();
}

// A hidden widget learns of a new size only when shown: a frame places its client area at once.
static void _PlaceFrameClient(PLAT_WINDOW* pWin) {
  if (PLAT__Frame* pFrame = dynamic_cast<PLAT__Frame*>(pWin->pOuter)) pFrame->PlaceClient();
}

void PLAT_MoveWindow(PLAT_HWIN hWin, int x, int y, int xSize, int ySize) {
  if (!PLAT_IsWindow(hWin)) return;
  hWin->pOuter->setGeometry(x, y, xSize, ySize);
  _PlaceFrameClient(hWin);
}

void PLAT_SetClientSize(PLAT_HWIN hWin, int xSize, int ySize) {
  if (!PLAT_IsWindow(hWin)) return;
  if (hWin->pOuter == hWin->pClient) {
    hWin->pClient->resize(xSize, ySize);
  } else if (hWin->Style & PLAT_STYLE_CHILD) {
    int f = PLAT_GetSystemMetric(PLAT_SM_CXFRAME), Caption = PLAT_GetSystemMetric(PLAT_SM_CYCAPTION);
    hWin->pOuter->resize(xSize + 2 * f, ySize + Caption + 2 * PLAT_GetSystemMetric(PLAT_SM_CYFRAME));
    _PlaceFrameClient(hWin);
  } else {
    int yMenu = hWin->pMenuBar ? hWin->pMenuBar->sizeHint().height() : 0;
    hWin->pOuter->resize(xSize, ySize + yMenu);
    hWin->pClient->resize(xSize, ySize);  // a hidden window lays out only when shown: its size is known now
  }
}

void PLAT_ShowWindow(PLAT_HWIN hWin, int OnOff) {
  if (PLAT_IsWindow(hWin)) hWin->pOuter->setVisible(OnOff != 0);
}

int PLAT_IsWindowVisible(PLAT_HWIN hWin) { return (PLAT_IsWindow(hWin) && hWin->pOuter->isVisible()) ? 1 : 0; }

PLAT_HWIN PLAT_GetParent(PLAT_HWIN hWin) {
  if (!PLAT_IsWindow(hWin) || !(hWin->Style & PLAT_STYLE_CHILD)) return nullptr;
  PLAT__Client* pParent = dynamic_cast<PLAT__Client*>(hWin->pOuter->parentWidget());
  return pParent ? pParent->pWin : nullptr;
}

PLAT_HWIN PLAT_FindChild(PLAT_HWIN hParent, const char* pClass, const char* pTitle) {
  if (!PLAT_IsWindow(hParent)) return nullptr;
  std::vector<PLAT_WINDOW*> List;
  _CollectChildren(hParent, &List);
  for (PLAT_WINDOW* pWin : List) {
    if (pClass && pWin->Class != pClass) continue;
    if (pTitle && pWin->pClient->windowTitle() != QString::fromUtf8(pTitle)) continue;
    return pWin;
  }
  return nullptr;
}

PLAT_HWIN PLAT_FindWindow(const char* pClass, const char* pTitle) {
  std::vector<PLAT_WINDOW*> List;
  {
    std::lock_guard<std::mutex> Lock(_LiveMutex);
    List.assign(_Live.begin(), _Live.end());
  }
  for (PLAT_WINDOW* pWin : List) {
    if (pWin->Destroyed || (pWin->Style & PLAT_STYLE_CHILD)) continue;
    if (pClass && pWin->Class != pClass) continue;
    if (pTitle && pWin->pClient->windowTitle() != QString::fromUtf8(pTitle)) continue;
    return pWin;
  }
  return nullptr;
}

int PLAT_GetChildren(PLAT_HWIN hParent, PLAT_HWIN* pahChild, int MaxNum) {
  if (!PLAT_IsWindow(hParent)) return 0;
  std::vector<PLAT_WINDOW*> List;
  _CollectChildren(hParent, &List, false);
  for (int i = 0; i < int(List.size()) && i < MaxNum; i++) pahChild[i] = List[size_t(i)];
  return int(List.size());
}

void PLAT_RaiseWindow(PLAT_HWIN hWin) {
  if (PLAT_IsWindow(hWin)) hWin->pOuter->raise();
}

void PLAT_Invalidate(PLAT_HWIN hWin, int Erase) {
  if (!PLAT_IsWindow(hWin)) return;
  if (Erase) hWin->EraseNext = true;
  hWin->Pixels.clear();  // the repaint draws over them
  hWin->pClient->update();
}

/*********************************************************************
*
*       Timers and capture
*/
void PLAT_SetTimer(PLAT_HWIN hWin, uint32_t Id, int Period) {
  if (!PLAT_IsWindow(hWin)) return;
  PLAT_KillTimer(hWin, Id);
  hWin->Timers[Id] = hWin->pClient->startTimer(Period < 1 ? 1 : Period, Qt::PreciseTimer);
}

void PLAT_KillTimer(PLAT_HWIN hWin, uint32_t Id) {
  if (!PLAT_IsWindow(hWin)) return;
  auto It = hWin->Timers.find(Id);
  if (It != hWin->Timers.end()) {
    hWin->pClient->killTimer(It->second);
    hWin->Timers.erase(It);
  }
}

void PLAT_SetCapture(PLAT_HWIN hWin) {
  // A pressed button already keeps the mouse with its window; the capture only remembers who asked.
  _pCapture = PLAT_IsWindow(hWin) ? hWin : nullptr;
}

void PLAT_ReleaseCapture(void) { _pCapture = nullptr; }

/*********************************************************************
*
*       Events of the client area
*/
void PLAT__Client::timerEvent(QTimerEvent* e) {
  for (auto& Timer : pWin->Timers) {
    if (Timer.second == e->timerId()) {
      PLAT__Dispatch(pWin, PLAT_MSG_TIMER, Timer.first, 0);
      return;
    }
  }
}

void PLAT__Client::resizeEvent(QResizeEvent*) {
  PLAT__Dispatch(pWin, PLAT_MSG_SIZE, 0, intptr_t(uint32_t(width() & 0xFFFF) | uint32_t(height()) << 16));
}

static uintptr_t _Buttons2MK(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Mods) {
  uintptr_t r = 0;
  if (Buttons & Qt::LeftButton) r |= PLAT_BTN_LEFT;
  if (Buttons & Qt::RightButton) r |= PLAT_BTN_RIGHT;
  if (Buttons & Qt::MiddleButton) r |= PLAT_BTN_MIDDLE;
  if (Buttons & Qt::XButton1) r |= PLAT_BTN_EXTRA1;
  if (Buttons & Qt::XButton2) r |= PLAT_BTN_EXTRA2;
  if (Mods & Qt::ShiftModifier) r |= PLAT_BTN_SHIFT;
  if (Mods & Qt::ControlModifier) r |= PLAT_BTN_CONTROL;
  return r;
}

static intptr_t _Pos2Param(QPointF Pos) {
  int x = int(Pos.x() < 0 ? Pos.x() - 0.999 : Pos.x());  // whole pixels, also left of and above the window
  int y = int(Pos.y() < 0 ? Pos.y() - 0.999 : Pos.y());
  return intptr_t(uint32_t(uint16_t(x)) | uint32_t(uint16_t(y)) << 16);
}

static uint32_t _ButtonMsg(Qt::MouseButton Button, bool Down) {
  switch (Button) {
  case Qt::LeftButton: return Down ? PLAT_MSG_LEFTDOWN : PLAT_MSG_LEFTUP;
  case Qt::RightButton: return Down ? PLAT_MSG_RIGHTDOWN : PLAT_MSG_RIGHTUP;
  case Qt::MiddleButton: return Down ? PLAT_MSG_MIDDLEDOWN : PLAT_MSG_MIDDLEUP;
  case Qt::XButton1: case Qt::XButton2: return Down ? PLAT_MSG_EXTRADOWN : PLAT_MSG_EXTRAUP;
  default: return 0;
  }
}

void PLAT__Client::mousePressEvent(QMouseEvent* e) {
  if (uint32_t Msg = _ButtonMsg(e->button(), true)) {
    PLAT__Dispatch(pWin, Msg, _Buttons2MK(e->buttons(), e->modifiers()), _Pos2Param(e->position()));
  }
}

void PLAT__Client::mouseReleaseEvent(QMouseEvent* e) {
  if (uint32_t Msg = _ButtonMsg(e->button(), false)) {
    PLAT__Dispatch(pWin, Msg, _Buttons2MK(e->buttons(), e->modifiers()), _Pos2Param(e->position()));
  }
}

void PLAT__Client::mouseDoubleClickEvent(QMouseEvent* e) {
  uint32_t Msg = _ButtonMsg(e->button(), true);
  if (Msg == PLAT_MSG_LEFTDOWN && (pWin->Style & PLAT_STYLE_DOUBLECLICKS)) Msg = PLAT_MSG_LEFTDOUBLE;
  if (Msg) PLAT__Dispatch(pWin, Msg, _Buttons2MK(e->buttons(), e->modifiers()), _Pos2Param(e->position()));
}

void PLAT__Client::mouseMoveEvent(QMouseEvent* e) {
  PLAT__Dispatch(pWin, PLAT_MSG_MOUSEMOVE, _Buttons2MK(e->buttons(), e->modifiers()), _Pos2Param(e->position()));
}

void PLAT__Client::wheelEvent(QWheelEvent* e) {
  uintptr_t w = _Buttons2MK(e->buttons(), e->modifiers()) | uintptr_t(uint16_t(int16_t(e->angleDelta().y()))) << 16;
  PLAT__Dispatch(pWin, PLAT_MSG_WHEEL, w, _Pos2Param(e->position()));
}

static void _HandleKey(PLAT_WINDOW* pWin, QKeyEvent* e, bool Down) {
  uint32_t VirtKey = _QtKey2VirtKey(e->key());
  if (!VirtKey && e->text().size() == 1) {
    // Any other key that types a character: a letter or a digit stands for its key, every other character for a
    // key of the layout's own. The character's own code would name a key without one ("%" the left arrow, "&"
    // the up arrow, "#" End), and the host would send that key instead of the character.
    QChar c = e->text().at(0).toUpper();
    bool AlphaNum = (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    VirtKey = AlphaNum ? uint32_t(c.unicode()) : uint32_t(_VK_OF_LAYOUT);
  }
  if (!Down && e->isAutoRepeat()) return;  // a held key repeats its presses only
  QString OldText = _KeyText;
  Qt::KeyboardModifiers OldMods = _KeyMods;
  _KeyText = e->text();
  _KeyMods = e->modifiers();
  if (Down) _KeysDown.insert(VirtKey); else _KeysDown.erase(VirtKey);
  bool Alt = (e->modifiers() & Qt::AltModifier) != 0;
  bool Done = false;
  if (Down) {
    for (int i = 0; i < _NumAccel; i++) {
      if (_paAccel[i].VirtKey == VirtKey && (_paAccel[i].Alt != 0) == Alt) {
        PLAT__Dispatch(pWin, PLAT_MSG_COMMAND, _paAccel[i].Command, 0);
        Done = true;
        break;
      }
    }
  }
  if (!Done && VirtKey) {
    PLAT__Dispatch(pWin, Down ? PLAT_MSG_KEYDOWN : PLAT_MSG_KEYUP, VirtKey, Alt ? intptr_t(1) << 29 : 0);
  }
  _KeyText = OldText;
  _KeyMods = OldMods;
}

void PLAT__Client::keyPressEvent(QKeyEvent* e) { _HandleKey(pWin, e, true); }
void PLAT__Client::keyReleaseEvent(QKeyEvent* e) { _HandleKey(pWin, e, false); }

void PLAT__Client::dragEnterEvent(QDragEnterEvent* e) {
  if ((pWin->Style & PLAT_STYLE_ACCEPTFILES) && e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void PLAT__Client::dragMoveEvent(QDragMoveEvent* e) {
  if ((pWin->Style & PLAT_STYLE_ACCEPTFILES) && e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void PLAT__Client::dropEvent(QDropEvent* e) {
  if (!(pWin->Style & PLAT_STYLE_ACCEPTFILES)) return;
  std::vector<QByteArray> Paths;
  for (const QUrl& Url : e->mimeData()->urls()) {
    if (Url.isLocalFile()) Paths.push_back(Url.toLocalFile().toUtf8());
  }
  std::vector<const char*> Pointers;
  for (const QByteArray& Path : Paths) Pointers.push_back(Path.constData());
  e->acceptProposedAction();
  if (!Pointers.empty()) PLAT__Dispatch(pWin, PLAT_MSG_DROP, Pointers.size(), intptr_t(Pointers.data()));
}

void PLAT__Client::closeEvent(QCloseEvent* e) {
  e->ignore();
  PLAT__Dispatch(pWin, PLAT_MSG_CLOSE, 0, 0);
}

/*********************************************************************
*
*       Test support
*/
void PLAT_InjectKey(PLAT_HWIN hWin, uint32_t VirtKey, const char* pText, int Shift, int Pressed) {
  if (!PLAT_IsWindow(hWin)) return;
  QString Text = QString::fromUtf8(pText ? pText : "");
  int Key = _VirtKey2QtKey(VirtKey);
  if (!VirtKey && Text.size() == 1) {
    // A character key as the toolkit reports it: named by its character, letters by their capital.
    QChar Upper = Text.at(0).toUpper();
    Key = Upper.unicode() < 256 ? Upper.unicode() : Text.at(0).unicode();
  }
  if (Key == Qt::Key_Tab && Shift) Key = Qt::Key_Backtab;
  QKeyEvent Event(Pressed ? QEvent::KeyPress : QEvent::KeyRelease, Key, Shift ? Qt::ShiftModifier : Qt::NoModifier,
                  Text);
  QCoreApplication::sendEvent(hWin->pClient, &Event);
}

static void _InjectMouse(QWidget* pWidget, uint32_t Msg, int x, int y, uint32_t Buttons);

void PLAT_InjectMouse(PLAT_HWIN hWin, uint32_t Msg, int x, int y, uint32_t Buttons) {
  if (PLAT_IsWindow(hWin)) _InjectMouse(hWin->pClient, Msg, x, y, Buttons);
}

void PLAT_InjectFrameMouse(PLAT_HWIN hWin, uint32_t Msg, int x, int y, uint32_t Buttons) {
  if (PLAT_IsWindow(hWin) && hWin->pOuter != hWin->pClient) _InjectMouse(hWin->pOuter, Msg, x, y, Buttons);
}

static void _InjectMouse(QWidget* pWidget, uint32_t Msg, int x, int y, uint32_t Buttons) {
  Qt::MouseButtons State;
  if (Buttons & PLAT_BTN_LEFT) State |= Qt::LeftButton;
  if (Buttons & PLAT_BTN_RIGHT) State |= Qt::RightButton;
  if (Buttons & PLAT_BTN_MIDDLE) State |= Qt::MiddleButton;
  if (Buttons & PLAT_BTN_EXTRA1) State |= Qt::XButton1;
  if (Buttons & PLAT_BTN_EXTRA2) State |= Qt::XButton2;
  QEvent::Type Type = QEvent::MouseMove;
  Qt::MouseButton Button = Qt::NoButton;
  switch (Msg) {
  case PLAT_MSG_LEFTDOWN: Type = QEvent::MouseButtonPress; Button = Qt::LeftButton; break;
  case PLAT_MSG_LEFTUP: Type = QEvent::MouseButtonRelease; Button = Qt::LeftButton; break;
  case PLAT_MSG_LEFTDOUBLE: Type = QEvent::MouseButtonDblClick; Button = Qt::LeftButton; break;
  case PLAT_MSG_RIGHTDOWN: Type = QEvent::MouseButtonPress; Button = Qt::RightButton; break;
  case PLAT_MSG_RIGHTUP: Type = QEvent::MouseButtonRelease; Button = Qt::RightButton; break;
  case PLAT_MSG_MIDDLEDOWN: Type = QEvent::MouseButtonPress; Button = Qt::MiddleButton; break;
  case PLAT_MSG_MIDDLEUP: Type = QEvent::MouseButtonRelease; Button = Qt::MiddleButton; break;
  case PLAT_MSG_EXTRADOWN: Type = QEvent::MouseButtonPress; Button = Qt::XButton1; break;
  case PLAT_MSG_EXTRAUP: Type = QEvent::MouseButtonRelease; Button = Qt::XButton1; break;
  default: break;
  }
  QPointF Local(x, y);
  if (Msg == PLAT_MSG_WHEEL) {
    QWheelEvent Wheel(Local, pWidget->mapToGlobal(Local), QPoint(), QPoint(0, int16_t(Buttons >> 16)), State,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(pWidget, &Wheel);
    return;
  }
  QMouseEvent Event(Type, Local, pWidget->mapToGlobal(Local), Button, State, Qt::NoModifier);
  QCoreApplication::sendEvent(pWidget, &Event);
}

void PLAT_InjectDrop(PLAT_HWIN hWin, const char* const* paPath, int NumPaths) {
  if (!PLAT_IsWindow(hWin)) return;
  QMimeData Mime;
  QList<QUrl> Urls;
  for (int i = 0; i < NumPaths; i++) Urls.push_back(QUrl::fromLocalFile(QString::fromUtf8(paPath[i])));
  Mime.setUrls(Urls);
  QDragEnterEvent Enter(QPoint(1, 1), Qt::CopyAction, &Mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(hWin->pClient, &Enter);
  QDropEvent Event(QPointF(1, 1), Qt::CopyAction, &Mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(hWin->pClient, &Event);
}
