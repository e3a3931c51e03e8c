// Standard controls over Qt widgets. Each control is a child widget of its window's client area and lives as
// long as that window; the user's actions reach the window procedure as PLAT_MSG_NOTIFY.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include <cstring>

#include "PLAT_Controls.h"
#include "PLAT_Internal.h"

struct PLAT_CONTROL {
  int Kind;
  uint32_t Id;
  PLAT_WINDOW* pParent;
  QWidget* pWidget;
  PLAT_CHAR_FILTER* pfFilter;
  bool Shown;
};

// The filter of an edit field, and the owner of the control record: it goes with the widget.
class PLAT__ControlHook : public QObject {
public:
  PLAT__ControlHook(PLAT_CONTROL* pCtl) : QObject(pCtl->pWidget), pCtl(pCtl) {}
  ~PLAT__ControlHook() override { delete pCtl; }
  PLAT_CONTROL* pCtl;

protected:
  bool eventFilter(QObject* pObj, QEvent* e) override;
};

static void _Notify(PLAT_CONTROL* pCtl, int Code) {
  if (!PLAT_IsWindow(pCtl->pParent)) return;
  PLAT__Dispatch(pCtl->pParent, PLAT_MSG_NOTIFY, pCtl->Id | uintptr_t(Code) << 16, intptr_t(pCtl));
}

bool PLAT__ControlHook::eventFilter(QObject*, QEvent* e) {
  if (e->type() != QEvent::KeyPress || !pCtl->pfFilter) return false;
  QKeyEvent* pKey = static_cast<QKeyEvent*>(e);
  int c;
  if (pKey->key() == Qt::Key_Return || pKey->key() == Qt::Key_Enter) {
    c = 13;
  } else if (pKey->key() == Qt::Key_Backspace) {
    c = 8;
  } else if (pKey->text().size() == 1 && pKey->text().at(0).unicode() >= 32) {
    c = pKey->text().at(0).unicode();
  } else {
    return false;  // keys without a character (arrows, delete ...) keep their own meaning
  }
  QLineEdit* pEdit = static_cast<QLineEdit*>(pCtl->pWidget);
  int Caret = pEdit->hasSelectedText() ? pEdit->selectionStart() : pEdit->cursorPosition();
  int r = pCtl->pfFilter(pCtl, c, Caret);
  if (r == 0) return true;
  if (r == c) return false;
  pEdit->insert(QString(QChar(char16_t(r))));
  return true;
}

PLAT_HCTL PLAT_CreateControl(PLAT_HWIN hParent, int Kind, uint32_t Id, int x, int y, int xSize, int ySize,
                             const char* pText) {
  if (!PLAT_IsWindow(hParent)) return nullptr;
  QWidget* pParentWidget = hParent->pClient;
  QString Text = QString::fromUtf8(pText ? pText : "");
  PLAT_CONTROL* pCtl = new PLAT_CONTROL{Kind, Id, hParent, nullptr, nullptr, true};
  switch (Kind) {
  case PLAT_CTL_EDIT: {
    QLineEdit* p = new QLineEdit(Text, pParentWidget);
    QObject::connect(p, &QLineEdit::editingFinished, [pCtl] { _Notify(pCtl, PLAT_NOTIFY_DONE); });
    pCtl->pWidget = p;
    break;
  }
  case PLAT_CTL_SLIDER: {
    QSlider* p = new QSlider(Qt::Horizontal, pParentWidget);
    p->setTickPosition(QSlider::NoTicks);
    p->setPageStep(1);
    p->setRange(0, 100);
    QObject::connect(p, &QSlider::valueChanged, [pCtl](int) { _Notify(pCtl, PLAT_NOTIFY_CHANGED); });
    pCtl->pWidget = p;
    break;
  }
  case PLAT_CTL_VSCROLL: {
    QScrollBar* p = new QScrollBar(Qt::Vertical, pParentWidget);
    p->setRange(0, 100);
    QObject::connect(p, &QScrollBar::valueChanged, [pCtl](int) { _Notify(pCtl, PLAT_NOTIFY_CHANGED); });
    pCtl->pWidget = p;
    break;
  }
  case PLAT_CTL_CHECKBOX: {
    QCheckBox* p = new QCheckBox(Text, pParentWidget);
    QObject::connect(p, &QCheckBox::clicked, [pCtl](bool) { _Notify(pCtl, PLAT_NOTIFY_CHANGED); });
    pCtl->pWidget = p;
    break;
  }
  case PLAT_CTL_LIST: {
    QComboBox* p = new QComboBox(pParentWidget);
    QObject::connect(p, &QComboBox::activated, [pCtl](int) { _Notify(pCtl, PLAT_NOTIFY_CHANGED); });
    pCtl->pWidget = p;
    break;
  }
  default:
    delete pCtl;
    return nullptr;
  }
  pCtl->pWidget->setGeometry(x, y, xSize, ySize);
  pCtl->pWidget->show();
  PLAT__ControlHook* pHook = new PLAT__ControlHook(pCtl);
  pCtl->pWidget->installEventFilter(pHook);
  return pCtl;
}

void PLAT_MoveControl(PLAT_HCTL hCtl, int x, int y, int xSize, int ySize) {
  if (hCtl) hCtl->pWidget->setGeometry(x, y, xSize, ySize);
}

void PLAT_ShowControl(PLAT_HCTL hCtl, int OnOff) {
  if (!hCtl) return;
  hCtl->Shown = OnOff != 0;
  hCtl->pWidget->setVisible(hCtl->Shown);
}

int PLAT_IsControlVisible(PLAT_HCTL hCtl) { return (hCtl && hCtl->Shown) ? 1 : 0; }
void PLAT_EnableControl(PLAT_HCTL hCtl, int OnOff) { if (hCtl) hCtl->pWidget->setEnabled(OnOff != 0); }
int PLAT_IsControlEnabled(PLAT_HCTL hCtl) { return (hCtl && hCtl->pWidget->isEnabled()) ? 1 : 0; }

void PLAT_SetControlText(PLAT_HCTL hCtl, const char* s) {
  if (!hCtl) return;
  QSignalBlocker Block(hCtl->pWidget);
  QString Text = QString::fromUtf8(s ? s : "");
  if (hCtl->Kind == PLAT_CTL_EDIT) static_cast<QLineEdit*>(hCtl->pWidget)->setText(Text);
  if (hCtl->Kind == PLAT_CTL_CHECKBOX) static_cast<QCheckBox*>(hCtl->pWidget)->setText(Text);
}

int PLAT_GetControlText(PLAT_HCTL hCtl, char* pBuffer, int BufferSize) {
  if (!hCtl || BufferSize <= 0) return 0;
  QString Text;
  if (hCtl->Kind == PLAT_CTL_EDIT) Text = static_cast<QLineEdit*>(hCtl->pWidget)->text();
  if (hCtl->Kind == PLAT_CTL_CHECKBOX) Text = static_cast<QCheckBox*>(hCtl->pWidget)->text();
  QByteArray Utf8 = Text.toUtf8();
  int n = Utf8.size() < BufferSize - 1 ? int(Utf8.size()) : BufferSize - 1;
  while (n > 0 && (uint8_t(Utf8[n]) & 0xC0) == 0x80) n--;  // never cut a character in two
  memcpy(pBuffer, Utf8.constData(), size_t(n));
  pBuffer[n] = 0;
  return n;
}

static QAbstractSlider* _Slider(PLAT_HCTL hCtl) {
  bool IsSlider = hCtl && (hCtl->Kind == PLAT_CTL_SLIDER || hCtl->Kind == PLAT_CTL_VSCROLL);
  return IsSlider ? static_cast<QAbstractSlider*>(hCtl->pWidget) : nullptr;
}

void PLAT_SetControlRange(PLAT_HCTL hCtl, int Min, int Max) {
  if (QAbstractSlider* p = _Slider(hCtl)) {
    QSignalBlocker Block(p);
    p->setRange(Min, Max);
  }
}

void PLAT_GetControlRange(PLAT_HCTL hCtl, int* pMin, int* pMax) {
  QAbstractSlider* p = _Slider(hCtl);
  *pMin = p ? p->minimum() : 0;
  *pMax = p ? p->maximum() : 0;
}

void PLAT_SetControlValue(PLAT_HCTL hCtl, int Value) {
  if (!hCtl) return;
  QSignalBlocker Block(hCtl->pWidget);
  if (QAbstractSlider* p = _Slider(hCtl)) p->setValue(Value);
  if (hCtl->Kind == PLAT_CTL_CHECKBOX) static_cast<QCheckBox*>(hCtl->pWidget)->setChecked(Value != 0);
  if (hCtl->Kind == PLAT_CTL_LIST) static_cast<QComboBox*>(hCtl->pWidget)->setCurrentIndex(Value);
}

int PLAT_GetControlValue(PLAT_HCTL hCtl) {
  if (!hCtl) return 0;
  if (QAbstractSlider* p = _Slider(hCtl)) return p->value();
  if (hCtl->Kind == PLAT_CTL_CHECKBOX) return static_cast<QCheckBox*>(hCtl->pWidget)->isChecked() ? 1 : 0;
  if (hCtl->Kind == PLAT_CTL_LIST) return static_cast<QComboBox*>(hCtl->pWidget)->currentIndex();
  return 0;
}

void PLAT_SetControlItems(PLAT_HCTL hCtl, const char* const* paItem, int NumItems) {
  if (!hCtl || hCtl->Kind != PLAT_CTL_LIST) return;
  QComboBox* p = static_cast<QComboBox*>(hCtl->pWidget);
  QSignalBlocker Block(p);
  p->clear();
  for (int i = 0; i < NumItems; i++) p->addItem(QString::fromUtf8(paItem[i]));
}

int PLAT_GetControlItemCount(PLAT_HCTL hCtl) {
  return (hCtl && hCtl->Kind == PLAT_CTL_LIST) ? static_cast<QComboBox*>(hCtl->pWidget)->count() : 0;
}

void PLAT_SetCharFilter(PLAT_HCTL hCtl, PLAT_CHAR_FILTER* pfFilter) {
  if (hCtl && hCtl->Kind == PLAT_CTL_EDIT) hCtl->pfFilter = pfFilter;
}

/*********************************************************************
*
*       Windows
*/
void PLAT_FocusWindow(PLAT_HWIN hWin) {
  if (!PLAT_IsWindow(hWin)) return;
  QWidget* pFocus = QApplication::focusWidget();
  hWin->pClient->setFocusPolicy(Qt::StrongFocus);
  hWin->pClient->setFocus(Qt::OtherFocusReason);
  // A window that is not active takes no focus events: the edit that had the focus is told it lost it.
  if (pFocus && pFocus != hWin->pClient && QApplication::focusWidget() == pFocus) pFocus->clearFocus();
}

void PLAT_SetMinimumSize(PLAT_HWIN hWin, int xSize, int ySize) {
  if (PLAT_IsWindow(hWin)) hWin->pClient->setMinimumSize(xSize, ySize);
}

void PLAT_DrawTextInRect(PLAT_HPAINT hdc, int x0, int y0, int x1, int y1, const char* s, uint32_t Flags) {
  if (!hdc || !s || x1 < x0 || y1 < y0) return;
  QPainter* p = hdc->pPainter;
  p->setPen(QColor::fromRgb(hdc->TextColor));
  int Align = Qt::AlignTop | ((Flags & PLAT_TEXT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft);
  if (Flags & PLAT_TEXT_WRAP) Align |= Qt::TextWordWrap; else Align |= Qt::TextSingleLine;
  p->drawText(QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1), Align, QString::fromUtf8(s));
}

/*********************************************************************
*
*       Test support
*/
void PLAT_InjectControlKey(PLAT_HCTL hCtl, uint32_t VirtKey, const char* pText) {
  if (!hCtl) return;
  int Key = Qt::Key_unknown;
  switch (VirtKey) {
  case PLAT_VK_ENTER: Key = Qt::Key_Return; break;
  case PLAT_VK_BACKSPACE: Key = Qt::Key_Backspace; break;
  case PLAT_VK_LEFT: Key = Qt::Key_Left; break;
  case PLAT_VK_RIGHT: Key = Qt::Key_Right; break;
  case PLAT_VK_UP: Key = Qt::Key_Up; break;
  case PLAT_VK_DOWN: Key = Qt::Key_Down; break;
  case PLAT_VK_HOME: Key = Qt::Key_Home; break;
  case PLAT_VK_END: Key = Qt::Key_End; break;
  case PLAT_VK_PAGEUP: Key = Qt::Key_PageUp; break;
  case PLAT_VK_PAGEDOWN: Key = Qt::Key_PageDown; break;
  case PLAT_VK_SPACE: Key = Qt::Key_Space; break;
  default:
    if (pText && pText[0] && !pText[1]) Key = QChar(pText[0]).toUpper().unicode();
    break;
  }
  QString Text = QString::fromUtf8(pText ? pText : "");
  if (Key == Qt::Key_Return) Text = "\r";
  if (Key == Qt::Key_Backspace) Text = "\b";
  QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
  QCoreApplication::sendEvent(hCtl->pWidget, &Press);
  QKeyEvent Release(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
  QCoreApplication::sendEvent(hCtl->pWidget, &Release);
}

void PLAT_InjectControlClick(PLAT_HCTL hCtl) {
  if (!hCtl) return;
  QWidget* p = hCtl->pWidget;
  QPointF Pos(4, p->height() / 2);
  QMouseEvent Press(QEvent::MouseButtonPress, Pos, p->mapToGlobal(Pos), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(p, &Press);
  QMouseEvent Release(QEvent::MouseButtonRelease, Pos, p->mapToGlobal(Pos), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(p, &Release);
}
