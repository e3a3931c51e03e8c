// Sending a file to another CAN node: the dialog asks for confirmation, shows the file's name and lets the user
// pick the target in a node chooser that lists the nodes of the file's device type. OK tells the receiver the
// node (UI_MSG_NODE_CHOSEN, source UI_MSG_CONFIRMED).
#include <cstring>

#include "GUI.h"
#include "TXT_Current.h"
#include "UI_Dialog.h"
#include "UI_Draw.h"
#include "UI_Element.h"
#include "UI_EntryDialog.h"
#include "UI_Main.h"

namespace {

enum { _OPTION_CHARS = 3, _NAME_LEN = 520, _MAX_NODE = 64 };

// The chooser's state; it starts empty at every opening.
struct _CHOOSER {
  int Node;
  char16_t acLabel[UI_NODE_LABEL_LEN + 1];
  char acFile[_NAME_LEN];  // the file's name as the caller gave it, copied: the caller's page may be rebuilt
} _Chooser;

void _GetInfo(WM_HWIN hWin, UI_SendFileInfo* p) {
  memset(p, 0, sizeof(*p));
  if (WM_GetUserData(hWin, p, sizeof(*p)) < int(sizeof(*p))) memset(p, 0, sizeof(*p));
}

void _TellParent(WM_HWIN hWin, int Node) {
  UI_SendResult(WM_GetParent(hWin), UI_MSG_NODE_CHOSEN, UI_MSG_CONFIRMED, Node);
}

void _Chosen(WM_HWIN hWin, UI_SendFileInfo* p, int Node) {
  p->Node = Node;
  WM_SetUserData(hWin, p, sizeof(*p));
  UI__DialogSetSide(UI_hBackButton, Node != 0);
}

void _Paint(WM_HWIN hWin, const UI_SendFileInfo* p) {
  UI_DrawEntryDialogBackground();
  int y = UI__DialogTitle(p->pTitle);
  GUI_SetFont(&UI_Font24);
  y = UI__DialogQuoted(p->pMessage, y);
  UI__DialogPlaceChild(WM_GetFirstChild(hWin), y);
}

void _Ok(WM_HWIN hWin, const UI_SendFileInfo* p) {
  WM_SendMessageNoPara(hWin, UI_MSG_CLOSED);
  if (p->Node >= 1 && p->Node <= _MAX_NODE) UI_SendResult(p->Receiver, UI_MSG_NODE_CHOSEN, UI_MSG_CONFIRMED, p->Node);
}

void _OpenList(WM_HWIN hWin) {
  UI_BuildNodeList(UI_FileDeviceType(_Chooser.acFile + _OPTION_CHARS));
  UI__OpenChoiceList(hWin, &UI_EntryItemTexts, &UI_EntryItemValues, _Chooser.Node);
}

void _NodePicked(WM_HWIN hWin, int Node) {
  _Chooser.Node = Node;
  _Chooser.acLabel[0] = 0;
  uint8_t aType[4] = {};
  uint32_t Type = 0;
  if (Node >= 1 && Node < _MAX_NODE &&
      UI_ReadObject(uint32_t(Node) << 24 | 1u << 16 | 0x23E2, aType, sizeof(aType)) == int(sizeof(aType))) {
    Type = uint32_t(aType[0]) | uint32_t(aType[1]) << 8 | uint32_t(aType[2]) << 16 | uint32_t(aType[3]) << 24;
  }
  if (Type) UI_NodeLabel(Node, int(Type), _Chooser.acLabel, UI_NODE_LABEL_LEN + 1);
  _TellParent(hWin, Node);
  WM_InvalidateWindow(hWin);
}

}  // namespace

void UI_SendFileCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_SendFileInfo Info;
  _GetInfo(hWin, &Info);
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED:
      UI__DialogTakeSides(1, 1);
      WM_ShowWindow(hWin);
      WM_BringToTop(hWin);
      WM_InvalidateWindow(hWin);
      break;
    case WM_PAINT: _Paint(hWin, &Info); break;
    case UI_MSG_NODE_CHOSEN: _Chosen(hWin, &Info, int(pMsg->Data.v)); break;
    case UI_MSG_BACK: _Ok(hWin, &Info); break;
    case UI_MSG_HOME: WM_SendMessageNoPara(hWin, UI_MSG_CLOSED); break;
    case UI_MSG_CLOSED:
      if (WM_IsWindow(hWin)) UI__DialogClose(hWin);
      break;
    default: UI__DialogDefault(pMsg);
  }
}

void UI_NodeChooserCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_CREATE:
      _Chooser.Node = 0;
      _Chooser.acLabel[0] = 0;
      _TellParent(hWin, 0);
      break;
    case WM_PAINT:
      UI__PaintChoiceFace(hWin, _Chooser.acLabel[0] ? _Chooser.acLabel : TXT_GetText(UI_GROUP_SEND_FILE, 1));
      break;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) _OpenList(hWin);
      break;
    case UI_MSG_SELECTION_DONE: _NodePicked(hWin, int(pMsg->Data.v)); break;
    default: UI__DialogDefault(pMsg);
  }
}

WM_HWIN UI_CreateSendFileDialog(WM_HWIN hReceiver, const UI_SendFileInfo* pInfo, const char* pFileName) {
  if (!pInfo) return 0;
  UI_SendFileInfo Info = *pInfo;
  if (hReceiver) Info.Receiver = hReceiver;
  Info.Node = 0;
  memset(_Chooser.acFile, 0, sizeof(_Chooser.acFile));
  if (pFileName) strncpy(_Chooser.acFile, pFileName, sizeof(_Chooser.acFile) - 1);
  WM_HWIN hWin = UI__DialogOpen(UI_SendFileCallback, &Info, sizeof(Info));
  if (!hWin) return 0;
  WM_CreateWindowAsChild(WM_GetWindowSizeX(hWin) / 2 - UI_CHOICE_BOX_W / 2, 0, UI_CHOICE_BOX_W, UI_CHOICE_BOX_H,
                         hWin, WM_CF_SHOW | WM_CF_HASTRANS, UI_NodeChooserCallback, 0);
  return hWin;
}
