// The action row of a file line: delete, rename and send the file to another node.
#include <cstdio>
#include <cstring>

#include "GUI.h"
#include "OBJ_Access.h"
#include "TXT_Groups.h"
#include "TXT_Language.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_Main.h"

namespace {

enum {
  _TITLE_DELETE = 4,  // confirmation title: delete the file
  _PATH_MAX = 511,
  _MASK_ROOM = 3,     // the option characters before the path
  _ACTION_X = 5,
};

struct _ACTION {
  UI_FILE_BLOCK* p;
  int32_t Action;  // UI_FILE_ACTION_*
};

const char* _Path(const UI_FILE_BLOCK* p) { return p->pName + _MASK_ROOM; }
const char* _Item(const UI_FILE_BLOCK* p) { return _Path(p) + p->PathLen; }

// The item's extension with its point ("" without one).
const char* _Extension(const UI_FILE_BLOCK* p) {
  const char* s = strrchr(_Item(p), '.');
  return s ? s : "";
}

int _IsFirmware(const UI_FILE_BLOCK* p) {
  const char* e = _Extension(p);
  return e[0] && (e[1] | 0x20) == 'b' && (e[2] | 0x20) == 'i' && (e[3] | 0x20) == 'n' && !e[4];
}

int _PathEndsInSlash(const UI_FILE_BLOCK* p) { return p->PathLen && _Path(p)[p->PathLen - 1] == '\\'; }

// Characters a new name may have: the row's limit, fewer when path, back-slash and extension leave less room.
int _NameRoom(const UI_FILE_BLOCK* p) {
  int Room = _PATH_MAX - p->PathLen - (_PathEndsInSlash(p) ? 0 : 1) - int(strlen(_Extension(p)));
  return Room < UI_TEXT_BUFFER_LEN ? Room : UI_TEXT_BUFFER_LEN;
}

void _Rename(WM_HWIN hLine, const UI_FILE_BLOCK* p) {
  int Room = _NameRoom(p);
  if (Room < 2) return;
  // The text entry starts with the file's name without its extension.
  const char* pItem = _Item(p);
  int n = int(_Extension(p) - pItem);
  if (!*_Extension(p)) n = int(strlen(pItem));
  if (n > Room - 1) n = Room - 1;
  for (int i = 0; i < n; i++) UI_TextBuffer[i] = char16_t(uint8_t(pItem[i]));
  UI_TextBuffer[n] = 0;
  UI_OpenFileNameEntry(hLine, TXT_GetText(TXT_GROUP_FILES, 12), Room, 0);
}

void _Act(WM_HWIN hLine, UI_FILE_BLOCK* p, int Action) {
  p->SendNode = 0;
  switch (Action) {
    case UI_FILE_ACTION_DELETE:
      if (UI_DialogHooks.pfConfirm) UI_DialogHooks.pfConfirm(hLine, _TITLE_DELETE, p->acText);
      break;
    case UI_FILE_ACTION_RENAME: _Rename(hLine, p); break;
    case UI_FILE_ACTION_SEND:
      if (UI_DialogHooks.pfSendFile) UI_DialogHooks.pfSendFile(hLine, p->pName);
      break;
  }
}

// The typed name written as path, back-slash, name and the old extension to the rename object. 0 when the node
// did not take it.
int _Renamed(const UI_FILE_BLOCK* p) {
  char acNew[UI_FILE_NAME_LEN];
  int n = snprintf(acNew, sizeof(acNew), "%.*s%s", int(p->PathLen), _Path(p), _PathEndsInSlash(p) ? "" : "\\");
  int Room = _NameRoom(p);
  int Typed = 0;
  for (int i = 0; UI_TextBuffer[i] && i < Room - 1 && n < int(sizeof(acNew)) - 1; i++, Typed++) {
    char16_t c = UI_TextBuffer[i];
    acNew[n++] = c < 0x100 ? char(c) : '_';
  }
  acNew[n] = 0;
  if (!Typed || !p->Rename) return 1;
  snprintf(acNew + n, sizeof(acNew) - size_t(n), "%s", _Extension(p));
  UI_SetBusy(1);
  int Done = UI_WriteObject(p->Rename, acNew, int(strlen(acNew)) + 1);
  UI_SetBusy(0);
  return Done;
}

void _DrawIcon(int Action, int w, int h) {
  int x = w / 2, y = h / 2;
  GUI_SetColor(0x606060);
  switch (Action) {
    case UI_FILE_ACTION_DELETE:  // a cross
      GUI_SetPenSize(3);
      GUI_DrawLine(x - 9, y - 9, x + 9, y + 9);
      GUI_DrawLine(x - 9, y + 9, x + 9, y - 9);
      GUI_SetPenSize(1);
      break;
    case UI_FILE_ACTION_RENAME: {  // a pencil over a line
      static const GUI_POINT aPencil[] = {{0, 14}, {14, 0}, {18, 4}, {4, 18}, {-1, 19}};
      GUI_FillPolygon(aPencil, 5, x - 9, y - 11);
      GUI_FillRect(x - 12, y + 10, x + 12, y + 11);
      break;
    }
    case UI_FILE_ACTION_SEND: {  // an arrow to the right
      static const GUI_POINT aArrow[] = {{0, 5}, {12, 5}, {12, 0}, {22, 9}, {12, 18}, {12, 13}, {0, 13}};
      GUI_FillPolygon(aArrow, 7, x - 11, y - 9);
      break;
    }
  }
}

}  // namespace

void UI__FileElementDefault(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_WHEEL: WM_SendToParent(pMsg->hWin, pMsg); break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED:
    case UI_MSG_HIGHLIGHT: break;  // the listing is read when the page is built
    default: WM_DefaultProc(pMsg);
  }
}

void UI__PaintFileFace(int w, int h) {
  GUI_DrawGradientRoundedV(0, 0, w - 1, h - 1, 4, 0xE8CFB5, 0xD2B599);
  GUI_DrawGradientRoundedV(2, 2, w - 3, h - 3, 4, 0xC6C6C6, 0xE9E9E9);
}

int UI_FileActionCount(const UI_FILE_BLOCK* p) {
  if (!p || !p->Result) return 0;
  if (p->Type != UI_FILE_DATA && p->Type != UI_FILE_FIRMWARE && p->Type != UI_FILE_OVERVIEW) return 0;
  // A file of another node cannot be sent on from here.
  if (p->Type == UI_FILE_OVERVIEW || !OBJ_IsOwnNode(int(p->Target >> 24))) return 2;
  return 3;
}

void UI_ToggleFileActions(WM_HWIN hLine) {
  UI_FILE_BLOCK* p = (UI_FILE_BLOCK*)UI_GetElementData(hLine);
  int n = UI_FileActionCount(p);
  if (!n) return;
  if (WM_GetFirstChild(hLine)) {
    UI_DeleteChildren(hLine);
    UI_GrowLine(hLine, -UI_FILE_ACTION_ROW_H);
  } else {
    for (int i = 0; i < n; i++) {
      _ACTION a = {p, i + 1};
      WM_HWIN h = WM_CreateWindowAsChild(_ACTION_X + UI_FILE_ACTION_STEP * i, UI_LINE_H, UI_FILE_ACTION_W,
                                         UI_FILE_ACTION_H, hLine, WM_CF_SHOW | WM_CF_HASTRANS,
                                         UI_FileActionCallback, sizeof(a));
      if (h) WM_SetUserData(h, &a, sizeof(a));
    }
    UI_GrowLine(hLine, UI_FILE_ACTION_ROW_H);
  }
  WM_HWIN hPage = WM_GetParent(hLine);
  if (hPage) WM_SendMessageNoPara(hPage, UI_MSG_RELAYOUT);
}

void UI_FileActionCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  _ACTION a = {};
  WM_GetUserData(hWin, &a, sizeof(a));
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      UI__PaintFileFace(w, h);
      _DrawIcon(a.Action, w, h);
      break;
    }
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg) && a.p) _Act(WM_GetParent(hWin), a.p, a.Action);
      break;
    default: UI__FileElementDefault(pMsg);
  }
}

int UI__FileActionAnswer(WM_HWIN hLine, UI_FILE_BLOCK* p, const WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case UI_MSG_CONFIRMED:
      if (int(pMsg->hWinSrc) != _TITLE_DELETE || pMsg->Data.v == 1) return 0;  // data 1: a result dialog's OK
      if (p->Action) {
        UI_SetBusy(1);
        UI_WriteObject(p->Action, p->pName, int(strlen(p->pName)) + 1);
        UI_SetBusy(0);
      }
      UI_ReloadPage();
      return 1;
    case UI_MSG_TEXT_DONE: {
      if (p->Type == UI_FILE_NEW) return 0;
      int Done = _Renamed(p);
      UI_ReloadPage();
      if (!Done) UI_ReportFileFailure(UI_FILE_TITLE_RENAMING_FAILED);
      return 1;
    }
    case UI_MSG_NODE_CHOSEN: {
      int Node = int(pMsg->Data.v);
      if (int(pMsg->hWinSrc) != UI_MSG_CONFIRMED || Node < 1 || Node > 64) return 1;
      if (_IsFirmware(p)) {
        if (UI_DialogHooks.pfSendFirmware) UI_DialogHooks.pfSendFirmware(hLine, Node, _Path(p));
        return 1;
      }
      // The load options come next; their answer writes the name with the node behind it.
      p->SendNode = uint8_t(Node);
      if (UI_DialogHooks.pfLoadOptions) UI_DialogHooks.pfLoadOptions(hLine, p->acText);
      return 1;
    }
  }
  return 0;
}
