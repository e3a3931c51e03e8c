// Menus (a menu bar on a top-level window, popup menus), message boxes and the beep.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <string>
#include <vector>

#include "PLAT_Internal.h"

struct PLAT_MENU_ITEM {
  std::string Text;
  std::string Shortcut;
  uint32_t Command = 0;
  PLAT_HMENU hSub = nullptr;
  bool Separator = false;
  bool Enabled = true;
};

struct PLAT_MENU {
  std::vector<PLAT_MENU_ITEM> Items;
  std::vector<std::pair<uint32_t, QPointer<QAction>>> Actions;  // built actions, to follow enable changes
};

PLAT_HMENU PLAT_CreateMenu(void) { return new PLAT_MENU; }

void PLAT_AppendMenu(PLAT_HMENU hMenu, const char* pText, uint32_t Command, const char* pShortcut) {
  PLAT_MENU_ITEM Item;
  Item.Text = pText;
  Item.Shortcut = pShortcut ? pShortcut : "";
  Item.Command = Command;
  hMenu->Items.push_back(Item);
}

void PLAT_AppendSubMenu(PLAT_HMENU hMenu, const char* pText, PLAT_HMENU hSub) {
  PLAT_MENU_ITEM Item;
  Item.Text = pText;
  Item.hSub = hSub;
  hMenu->Items.push_back(Item);
}

void PLAT_AppendSeparator(PLAT_HMENU hMenu) {
  PLAT_MENU_ITEM Item;
  Item.Separator = true;
  hMenu->Items.push_back(Item);
}

static bool _SetEnabled(PLAT_HMENU hMenu, uint32_t Command, int OnOff) {
  bool Found = false;
  for (PLAT_MENU_ITEM& Item : hMenu->Items) {
    if (Item.hSub) Found |= _SetEnabled(Item.hSub, Command, OnOff);
    else if (!Item.Separator && Item.Command == Command) { Item.Enabled = OnOff != 0; Found = true; }
  }
  for (auto& Action : hMenu->Actions) {
    if (Action.first == Command && Action.second) Action.second->setEnabled(OnOff != 0);
  }
  return Found;
}

void PLAT_EnableMenuItem(PLAT_HMENU hMenu, uint32_t Command, int OnOff) {
  if (hMenu) _SetEnabled(hMenu, Command, OnOff);
}

static int _IsEnabled(PLAT_HMENU hMenu, uint32_t Command) {
  for (const PLAT_MENU_ITEM& Item : hMenu->Items) {
    if (Item.hSub) {
      if (int r = _IsEnabled(Item.hSub, Command)) return r;
    } else if (!Item.Separator && Item.Command == Command) {
      return Item.Enabled ? 1 : -1;
    }
  }
  return 0;
}

int PLAT_IsMenuItemEnabled(PLAT_HMENU hMenu, uint32_t Command) {
  return (hMenu && _IsEnabled(hMenu, Command) == 1) ? 1 : 0;
}

int PLAT_GetMenuItem(PLAT_HMENU hMenu, int Index, PLAT_MENU_INFO* pInfo) {
  if (!hMenu || Index < 0 || size_t(Index) >= hMenu->Items.size()) return 1;
  const PLAT_MENU_ITEM& Item = hMenu->Items[size_t(Index)];
  pInfo->pText = Item.Text.c_str();
  pInfo->pShortcut = Item.Shortcut.c_str();
  pInfo->Command = Item.Command;
  pInfo->hSub = Item.hSub;
  pInfo->Separator = Item.Separator ? 1 : 0;
  return 0;
}

// The menu texts mark their access key with '&' as the toolkit does; the shortcut text is shown at the right.
static void _Fill(QMenu* pMenu, PLAT_HMENU hMenu, PLAT_HWIN hTarget) {
  for (const PLAT_MENU_ITEM& Item : hMenu->Items) {
    if (Item.Separator) {
      pMenu->addSeparator();
    } else if (Item.hSub) {
      QMenu* pSub = pMenu->addMenu(QString::fromUtf8(Item.Text.c_str()));
      _Fill(pSub, Item.hSub, hTarget);
    } else {
      QString Text = QString::fromUtf8(Item.Text.c_str());
      if (!Item.Shortcut.empty()) Text += "\t" + QString::fromUtf8(Item.Shortcut.c_str());
      QAction* pAction = pMenu->addAction(Text);
      pAction->setEnabled(Item.Enabled);
      uint32_t Command = Item.Command;
      QObject::connect(pAction, &QAction::triggered, [hTarget, Command] {
        PLAT_SendMessage(hTarget, PLAT_MSG_COMMAND, Command, 0);
      });
      hMenu->Actions.emplace_back(Command, pAction);
    }
  }
  QObject::connect(pMenu, &QMenu::aboutToShow, [hTarget] { PLAT_SendMessage(hTarget, PLAT_MSG_INITMENU, 0, 0); });
}

void PLAT_SetMenuBar(PLAT_HWIN hWin, PLAT_HMENU hMenu) {
  if (!PLAT_IsWindow(hWin) || hWin->pOuter == hWin->pClient || hWin->pMenuBar) return;
  QMenuBar* pBar = new QMenuBar(hWin->pOuter);
  for (const PLAT_MENU_ITEM& Item : hMenu->Items) {
    if (!Item.hSub) continue;
    QMenu* pSub = pBar->addMenu(QString::fromUtf8(Item.Text.c_str()));
    _Fill(pSub, Item.hSub, hWin);
  }
  hWin->pOuter->layout()->setMenuBar(pBar);
  hWin->pMenuBar = pBar;
  hWin->hMenuBar = hMenu;
}

void PLAT_ShowPopupMenu(PLAT_HMENU hMenu, PLAT_HWIN hTarget) {
  if (!hMenu || !PLAT_IsWindow(hTarget)) return;
  QMenu Menu;
  _Fill(&Menu, hMenu, hTarget);
  Menu.exec(QCursor::pos());
  hMenu->Actions.clear();
}

static PLAT_MESSAGEBOX_HOOK* _pfMessageBoxHook;

void PLAT_SetMessageBoxHook(PLAT_MESSAGEBOX_HOOK* pfHook) { _pfMessageBoxHook = pfHook; }

int PLAT_MessageBox(PLAT_HWIN hOwner, const char* pText, const char* pCaption, uint32_t Style) {
  if (_pfMessageBoxHook) return _pfMessageBoxHook(hOwner, pText, pCaption, Style);
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  switch (Style & 0xF0) {
  case PLAT_BOX_ERROR: Icon = QMessageBox::Critical; break;
  case PLAT_BOX_WARNING: Icon = QMessageBox::Warning; break;
  case PLAT_BOX_INFO: Icon = QMessageBox::Information; break;
  default: break;
  }
  QWidget* pParent = PLAT_IsWindow(hOwner) ? hOwner->pOuter->window() : nullptr;
  QMessageBox Box(Icon, QString::fromUtf8(pCaption ? pCaption : ""), QString::fromUtf8(pText ? pText : ""),
                  QMessageBox::Ok, pParent);
  Box.exec();
  return 1;
}

void PLAT_Beep(void) { QApplication::beep(); }
