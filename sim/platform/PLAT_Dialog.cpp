// Modal dialogs over Qt dialogs: the items of a template placed in dialog units, a dialog procedure that sees
// their commands, and the texts of the items.
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>
#include <vector>

#include "PLAT_Dialog.h"
#include "PLAT_Internal.h"

const char PLAT_DIALOG_CLASS[] = "Dialog";

static const char _acIdProperty[] = "PLAT_DlgItemId";
static std::vector<PLAT_WINDOW*> _apOpen;   // the dialogs open now, innermost last

namespace {

class _Dialog : public QDialog {
public:
  _Dialog(PLAT_WINDOW* pWin, QWidget* pParent) : QDialog(pParent), pWin(pWin) {}
  PLAT_WINDOW* pWin;
  void reject() override {  // closing and Escape are the cancel command, which the procedure may refuse
    if (PLAT__IsAlive(pWin)) PLAT__Dispatch(pWin, PLAT_MSG_COMMAND, PLAT_ID_CANCEL, 0);
  }
};

QWidget* _FindItem(PLAT_HWIN hDlg, uint32_t Id) {
  if (!PLAT_IsWindow(hDlg) || hDlg->Class != PLAT_DIALOG_CLASS) return nullptr;
  for (QWidget* p : hDlg->pClient->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QVariant v = p->property(_acIdProperty);
    if (v.isValid() && v.toUInt() == Id) return p;
  }
  return nullptr;
}

}  // namespace

int PLAT_DialogBox(PLAT_HWIN hOwner, const PLAT_DLG_TEMPLATE* pTemplate, PLAT_WINPROC pfDlgProc) {
  if (!QApplication::instance() || !pTemplate) return -1;
  PLAT_WINDOW* pWin = new PLAT_WINDOW;
  pWin->pfProc = pfDlgProc;
  pWin->Class = PLAT_DIALOG_CLASS;
  pWin->BkColor = 0xF0F0F0;
  _Dialog* pDlg = new _Dialog(pWin, PLAT_IsWindow(hOwner) ? hOwner->pOuter->window() : nullptr);
  pWin->pOuter = pDlg;
  pWin->pClient = new PLAT__Client(pWin, pDlg);
  pWin->pClient->setFocusPolicy(Qt::NoFocus);  // the buttons take the keys
  QVBoxLayout* pLayout = new QVBoxLayout(pDlg);
  pLayout->setContentsMargins(0, 0, 0, 0);
  pLayout->addWidget(pWin->pClient);
  // Dialog units from the dialog's font, as the window system measures them.
  QFontMetrics Metrics(pDlg->font());
  int xBase = (Metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") + 26) / 52;
  int yBase = Metrics.height();
  auto X = [xBase](int v) { return (v * xBase + 2) / 4; };
  auto Y = [yBase](int v) { return (v * yBase + 4) / 8; };
  pDlg->setFixedSize(X(pTemplate->xSize), Y(pTemplate->ySize));
  QString Caption = QString::fromUtf8(pTemplate->pCaption ? pTemplate->pCaption : "");
  pDlg->setWindowTitle(Caption);
  pWin->pClient->setWindowTitle(Caption);
  for (int i = 0; i < pTemplate->NumItems; i++) {
    const PLAT_DLG_ITEM& Item = pTemplate->paItem[i];
    QString Text = QString::fromUtf8(Item.pText ? Item.pText : "");
    QWidget* pItem = nullptr;
    switch (Item.Kind) {
    case PLAT_DLG_STATIC:
    case PLAT_DLG_STATIC_CENTER: {
      QLabel* p = new QLabel(Text, pWin->pClient);
      p->setWordWrap(true);
      p->setAlignment((Item.Kind == PLAT_DLG_STATIC ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop);
      pItem = p;
      break;
    }
    case PLAT_DLG_GROUPBOX:
      pItem = new QGroupBox(Text, pWin->pClient);
      break;
    case PLAT_DLG_BUTTON:
    case PLAT_DLG_DEFBUTTON: {
      QPushButton* p = new QPushButton(Text, pWin->pClient);
      p->setDefault(Item.Kind == PLAT_DLG_DEFBUTTON);
      p->setAutoDefault(Item.Kind == PLAT_DLG_DEFBUTTON);
      uint32_t Id = Item.Id;
      QObject::connect(p, &QPushButton::clicked, [pWin, Id] {
        if (PLAT__IsAlive(pWin)) PLAT__Dispatch(pWin, PLAT_MSG_COMMAND, Id, 0);
      });
      if (Item.Kind == PLAT_DLG_DEFBUTTON) p->setFocus();
      pItem = p;
      break;
    }
    case PLAT_DLG_ICON: {
      QLabel* p = new QLabel(pWin->pClient);
      QImage Image = PLAT__WrapDIB(pTemplate->pIcon);
      if (!Image.isNull()) p->setPixmap(QPixmap::fromImage(Image));
      p->setScaledContents(true);
      pItem = p;
      break;
    }
    default:
      continue;
    }
    pItem->setProperty(_acIdProperty, Item.Id);
    pItem->setGeometry(X(Item.x), Y(Item.y), X(Item.xSize), Y(Item.ySize));
  }
  PLAT__AddLive(pWin);
  _apOpen.push_back(pWin);
  PLAT__Dispatch(pWin, PLAT_MSG_INITDIALOG, 0, 0);
  int r = pDlg->exec();
  _apOpen.pop_back();
  PLAT__Dispatch(pWin, PLAT_MSG_DESTROY, 0, 0);
  delete pDlg;   // the client goes with it and takes the window record
  return r;
}

void PLAT_EndDialog(PLAT_HWIN hDlg, int Result) {
  if (PLAT_IsWindow(hDlg) && hDlg->Class == PLAT_DIALOG_CLASS) static_cast<QDialog*>(hDlg->pOuter)->done(Result);
}

void PLAT_SetDlgItemText(PLAT_HWIN hDlg, uint32_t Id, const char* s) {
  QWidget* p = _FindItem(hDlg, Id);
  QString Text = QString::fromUtf8(s ? s : "");
  if (QLabel* pLabel = qobject_cast<QLabel*>(p)) pLabel->setText(Text);
  else if (QAbstractButton* pButton = qobject_cast<QAbstractButton*>(p)) pButton->setText(Text);
  else if (QGroupBox* pBox = qobject_cast<QGroupBox*>(p)) pBox->setTitle(Text);
}

int PLAT_GetDlgItemText(PLAT_HWIN hDlg, uint32_t Id, char* pBuffer, int BufferSize) {
  QWidget* p = _FindItem(hDlg, Id);
  QString Text;
  if (QLabel* pLabel = qobject_cast<QLabel*>(p)) Text = pLabel->text();
  else if (QAbstractButton* pButton = qobject_cast<QAbstractButton*>(p)) Text = pButton->text();
  else if (QGroupBox* pBox = qobject_cast<QGroupBox*>(p)) Text = pBox->title();
  QByteArray Utf8 = Text.toUtf8();
  if (BufferSize <= 0) return 0;
  int n = std::min<int>(Utf8.size(), BufferSize - 1);
  memcpy(pBuffer, Utf8.constData(), size_t(n));
  pBuffer[n] = 0;
  return n;
}

int PLAT_GetDlgItemRect(PLAT_HWIN hDlg, uint32_t Id, int* px, int* py, int* pxSize, int* pySize) {
  QWidget* p = _FindItem(hDlg, Id);
  if (!p) return 1;
  *px = p->x();
  *py = p->y();
  *pxSize = p->width();
  *pySize = p->height();
  return 0;
}

PLAT_HWIN PLAT_GetActiveDialog(void) { return _apOpen.empty() ? nullptr : _apOpen.back(); }

void PLAT_InjectDlgClick(PLAT_HWIN hDlg, uint32_t Id) {
  if (QAbstractButton* p = qobject_cast<QAbstractButton*>(_FindItem(hDlg, Id))) p->click();
}
