// The file entry of value-line pages: the listing of a folder object, one line per item.
#include <cstdio>
#include <cstring>

#include "APP_Hooks.h"
#include "GUI.h"
#include "FKT_Access.h"
#include "OBJ_Access.h"
#include "OS.h"
#include "SET_Objects.h"
#include "TXT_Groups.h"
#include "TXT_Language.h"
#include "UI_Draw.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_Main.h"

UI_DIALOG_HOOKS UI_DialogHooks;

namespace {

enum {
  _PATH_MAX = 511,
  _MASK_ROOM = 3,
  _RESULT_INDEX = 0x4FF5,  // the node's result of a file action: object 0x4FF5, sub-index 6
  _RESULT_SUB = 6,
  _RESULT_SUCCESS = 2,     // the result is an item of the dialog titles; 2 means success
  _ONLY_OK = 2,            // result dialog flags: Cancel inactive, or OK inactive
  _ONLY_CANCEL = 1,
  _REMOTE_RESULT_WAIT_MS = 500,
  _SET_QUIET = 0x80,       // parameter flags of a change the screens make on their own
};

int _Hex(const char* s, int n, uint32_t* pOut) {
  uint32_t v = 0;
  int i = 0;
  for (; i < n && i < 8; i++) {
    char c = s[i];
    int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
    if (d < 0) break;
    v = v << 4 | uint32_t(d);
  }
  *pOut = v;
  return i;
}

int _TypeOf(char c) {
  switch (c) {
    case 'F': return UI_FILE_FOLDER;
    case 'L': return UI_FILE_DATA;
    case 'S': return UI_FILE_OTHER;
    case 'N': return UI_FILE_NEW;
    case 'B': return UI_FILE_FIRMWARE;
    case 'X': return UI_FILE_OVERVIEW;
  }
  return -1;
}

enum {
  _APPEND_ROOM = 8,   // "?NN" of a file sent to a node
  _NEW_NAME_ROOM = 48,  // a new entry's name (up to 40 characters) and ".dat"
};

// Bytes a line's block takes (its name behind it), rounded as the arena hands them out.
int _BlockSize(int Type, int PathLen, int ItemLen) {
  int Size = int(sizeof(UI_FILE_BLOCK)) + _MASK_ROOM + PathLen + ItemLen + 1 +
             (Type == UI_FILE_NEW ? _NEW_NAME_ROOM : _APPEND_ROOM);
  return (Size + int(alignof(void*)) - 1) & ~int(alignof(void*) - 1);
}

// Adds one file line if its block fits below pLimit (0 when it does not); the block keeps the addresses, the
// shown text and the name (mask "000" + path + item).
int _AddLine(WM_HWIN hPage, uint8_t** ppFill, const uint8_t* pLimit, const UI_FILE_BLOCK& Proto, const char* pPath,
              int PathLen, const char* pItem, int ItemLen) {
  int Size = _BlockSize(Proto.Type, PathLen, ItemLen);
  if (pLimit - *ppFill < Size + int(alignof(void*))) return 0;
  UI_FILE_BLOCK* b = (UI_FILE_BLOCK*)UI_ArenaTake(ppFill, Size);
  if (!b) return 0;
  *b = Proto;
  b->PathLen = uint16_t(PathLen);
  b->pName = reinterpret_cast<char*>(b + 1);
  b->NameSize = uint16_t(Size - int(sizeof(UI_FILE_BLOCK)));
  snprintf(b->pName, b->NameSize, "000%.*s%.*s", PathLen, pPath, ItemLen, pItem);
  const char* pShow = pItem;
  int ShowLen = ItemLen;
  if (b->Type == UI_FILE_PARENT) pShow = "..", ShowLen = 2;
  if (b->Type == UI_FILE_NEW) {
    const char16_t* t = TXT_GetText(TXT_GROUP_FILES, 12);
    int i = 0;
    for (; t && t[i] && i < UI_FILE_TEXT_LEN - 1; i++) b->acText[i] = t[i];
    b->acText[i] = 0;
  } else {
    int i = 0;
    for (; i < ShowLen && i < UI_FILE_TEXT_LEN - 1; i++) b->acText[i] = char16_t(uint8_t(pShow[i]));
    b->acText[i] = 0;
  }
  WM_HWIN h = WM_CreateWindowAsChild(UI_LINE_X, 0, UI_LINE_W, UI_LINE_H, hPage, WM_CF_SHOW | WM_CF_HASTRANS,
                                     UI_FileLineCallback, sizeof(b));
  if (h) WM_SetUserData(h, &b, sizeof(b));
  return 1;
}

UI_FILE_BLOCK* _Block(WM_HWIN hWin) { return (UI_FILE_BLOCK*)UI_GetElementData(hWin); }

int _WriteName(const UI_FILE_BLOCK* p) {
  UI_SetBusy(1);
  int r = UI_WriteObject(p->Target, p->pName, int(strlen(p->pName)) + 1);
  UI_SetBusy(0);
  return r;
}

// A new name typed for a new entry: cut at its first ".", ".dat" added, behind the folder path.
void _NewName(WM_HWIN hWin, UI_FILE_BLOCK* p) {
  char Name[64];
  int n = 0;
  for (int i = 0; UI_TextBuffer[i] && i < UI_TEXT_BUFFER_LEN - 1 && n < 40; i++) {
    char16_t c = UI_TextBuffer[i];
    if (c == '.') break;
    Name[n++] = c < 0x100 ? char(c) : '_';
  }
  Name[n] = 0;
  if (!n) return;
  size_t Base = strlen(p->pName);
  snprintf(p->pName + Base, p->NameSize - Base, "%s.dat", Name);
  int Saved = _WriteName(p);
  p->pName[Base] = 0;
  UI_ReloadPage();
  if (!Saved) UI_ReportFileFailure(UI_FILE_TITLE_SAVING_FAILED);
}

void _OnRelease(WM_HWIN hWin, UI_FILE_BLOCK* p, const GUI_POINTER_STATE* pState) {
  p->SendNode = 0;
  int IconPart = pState->x < UI_FILE_ICON_PART_W && pState->y < UI_LINE_H;
  if (IconPart && (p->Type == UI_FILE_DATA || p->Type == UI_FILE_FIRMWARE || p->Type == UI_FILE_OVERVIEW)) {
    UI_ToggleFileActions(hWin);
    return;
  }
  switch (p->Type) {
    case UI_FILE_PARENT:
    case UI_FILE_FOLDER:
      // The node lists the chosen folder from now on: the page is read again.
      if (_WriteName(p)) UI_MenuStackInstance.Show(UI_MenuStackInstance.GetNode(), 0);
      return;
    case UI_FILE_NEW: {
      UI_TextBuffer[0] = 0;
      int Room = _PATH_MAX - int(strlen(p->pName)) - 4;
      UI_OpenFileNameEntry(hWin, TXT_GetText(TXT_GROUP_FILES, 12), Room < UI_TEXT_BUFFER_LEN ? Room : UI_TEXT_BUFFER_LEN,
                       0);
      return;
    }
    case UI_FILE_DATA:
      if (UI_DialogHooks.pfLoadOptions) UI_DialogHooks.pfLoadOptions(hWin, p->acText);
      return;
    default:
      if (UI_DialogHooks.pfConfirm)
        UI_DialogHooks.pfConfirm(hWin, p->Type == UI_FILE_FIRMWARE ? 3 : p->Type == UI_FILE_OVERVIEW ? 0x15 : 0,
                                     p->acText);
      return;
  }
}

// Loaded function data bring their own access codes: the shown node's level starts again from the user level,
// and a level whose code is the program's default stays open without expiry. The settings and the grant are
// controller data that the control cycle and the tick use meanwhile: all of it under the data mutex.
void _RestartAccess(void) {
  int Node = int(UI_MenuStackInstance.GetNode() >> 24) & 63;
  APP_DATA_LOCK Lock;
  SET_General.SetParameter(SET_GEN_PAR_CHANGED, 0, _SET_QUIET);
  int Open = SET_General.IsLevelOpen(FKT_LEVEL_EXPERT)       ? FKT_LEVEL_EXPERT
             : SET_General.IsLevelOpen(FKT_LEVEL_TECHNICIAN) ? FKT_LEVEL_TECHNICIAN
                                                              : FKT_LEVEL_USER;
  FKT_GrantAccess(Node, Open, Open ? -1 : FKT_ACCESS_GRANT_SECONDS);
}

// The answer of a dialog: the name written (with the load options in its first three characters), then the
// node's result read when the listing named a result object.
void _Answered(WM_HWIN hWin, UI_FILE_BLOCK* p, uint32_t Options, int WithOptions) {
  size_t Base = strlen(p->pName);
  if (WithOptions) {
    for (int i = 0; i < 3; i++) p->pName[i] = char('0' + ((Options >> (8 * i)) & 0xFF) % 10);
    // A file sent to another node carries the node behind its path.
    if (p->SendNode) snprintf(p->pName + Base, p->NameSize - Base, "?%02d", p->SendNode);
  }
  p->SendNode = 0;
  _WriteName(p);
  p->pName[Base] = 0;
  if (!p->Result) {
    UI_MenuStackInstance.Back();
    return;
  }
  // The node's result: another node is given time to act on the name first.
  int Node = int(p->Result >> 24);
  UI_SetBusy(1);
  if (Node && !OBJ_IsOwnNode(Node)) OS_Sleep(_REMOTE_RESULT_WAIT_MS);
  uint8_t a[4] = {};
  int n = UI_ReadObject(uint32_t(Node) << 24 | _RESULT_SUB << 16 | _RESULT_INDEX, a, 4);
  UI_SetBusy(0);
  if (n <= 0) {
    UI_MenuStackInstance.Back();
    return;
  }
  if (WithOptions) _RestartAccess();
  uint32_t Result = uint32_t(a[0]) | uint32_t(a[1]) << 8 | uint32_t(a[2]) << 16 | uint32_t(a[3]) << 24;
  if (UI_DialogHooks.pfResult) {
    UI_DialogHooks.pfResult(hWin, int(Result), Result == _RESULT_SUCCESS ? _ONLY_OK : _ONLY_CANCEL);
  }
}

void _Paint(WM_HWIN hWin, const UI_FILE_BLOCK* p) {
  int w = WM_GetWindowSizeX(hWin);
  UI__PaintFileFace(w, UI_LINE_H);  // an open action row lies below the face
  // The type's icon: a folder tab, a sheet, or a plus for a new entry.
  GUI_SetColor(0x606060);
  if (p->Type == UI_FILE_FOLDER || p->Type == UI_FILE_PARENT) {
    GUI_FillRect(12, 14, 20, 16);
    GUI_FillRect(12, 17, 34, 30);
  } else if (p->Type == UI_FILE_NEW) {
    GUI_FillRect(21, 11, 25, 31);
    GUI_FillRect(13, 19, 33, 23);
  } else {
    GUI_DrawRect(15, 9, 31, 33);
    GUI_DrawHLine(16, 18, 28);
    GUI_DrawHLine(21, 18, 28);
    GUI_DrawHLine(26, 18, 28);
  }
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(GUI_BLACK);
  GUI_GotoXY(50, 21);
  UI_DrawTextBlock(p->acText, w - 60, 0);
}

}  // namespace

void UI_ReportFileFailure(int TitleItem) {
  if (UI_DialogHooks.pfResult) UI_DialogHooks.pfResult(0, TitleItem, _ONLY_OK);
}

int UI_BuildFileEntry(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill) {
  // The listing object: indices below 0x5000 take the menu's sub-index.
  uint32_t Index = UI_RecIndex(pRec), Sub = pRec[1];
  if ((Index & 0x7000) < 0x5000) Sub = (Menu >> 16) & 0xFF;
  uint32_t Listing = (Menu & 0xFF000000u) | Sub << 16 | Index;
  // The answer is read with the whole free arena and then moved to its end; the lines' blocks grow from the
  // front and may take what has been parsed already, never the items still to come. The answer is terminated
  // inside the room it was given, whatever the node sent.
  uint8_t* pFree = *ppFill;
  int Free = UI_ArenaFree(pFree);
  if (Free < 8) return 1;
  // The page handler holds the semaphore while the builders run.
  int n = OBJ_Read(Listing, pFree, Free - 1, 0);
  if (n > Free - 1) n = Free - 1;
  if (n < 2 || pFree[1] == 0xFF) return 1;
  char* pAnswer = reinterpret_cast<char*>(pFree + Free - (n + 1));
  memmove(pAnswer, pFree, size_t(n));
  pAnswer[n] = 0;
  const char* s = pAnswer + 2;
  const char* pEnd = s + strnlen(s, size_t(n - 2));
  const char* q = (const char*)memchr(s, '?', size_t(pEnd - s));
  int PathLen = int((q ? q : pEnd) - s);
  if (PathLen > _PATH_MAX) return 1;  // a folder path beyond its limit lists nothing
  char acPath[_PATH_MAX + 1];  // every line's name begins with it, and the blocks may run over it in the answer
  memcpy(acPath, s, size_t(PathLen));
  acPath[PathLen] = 0;
  UI_FILE_BLOCK Proto = {};
  Proto.Listing = Listing;
  Proto.Target = Listing;
  uint8_t* pFill = *ppFill;
  // A further back-slash after the drive leads to the parent folder.
  const char* pLast = nullptr;
  for (const char* c = acPath + 3; c < acPath + PathLen; c++)
    if (*c == '\\') pLast = c;
  if (pLast && pLast < acPath + PathLen - 1) {
    UI_FILE_BLOCK Up = Proto;
    Up.Type = UI_FILE_PARENT;
    _AddLine(hPage, &pFill, reinterpret_cast<const uint8_t*>(q ? q : pEnd), Up, acPath, int(pLast - acPath), "", 0);
  }
  for (const char* it = q; it && it < pEnd;) {
    const char* pItem = it + 1;
    const char* pNext = (const char*)memchr(pItem, '?', size_t(pEnd - pItem));
    int Len = int((pNext ? pNext : pEnd) - pItem);
    it = pNext;
    if (Len < 1) continue;
    char c = pItem[0];
    if (c == 'A' || c == 'E' || c == 'H' || c == 'R') {
      uint32_t v = 0;
      _Hex(pItem + 1, Len - 1, &v);
      uint32_t a = (Menu & 0xFF000000u) | (v & 0x00FFFFFFu);
      if (c == 'A') Proto.Target = Proto.Action = a;
      if (c == 'E') Proto.Result = a;
      if (c == 'H') Proto.Help = a;
      if (c == 'R') Proto.Rename = a;
      continue;
    }
    int Type = _TypeOf(c);
    if (Type < 0) continue;
    int Max = (Type == UI_FILE_DATA || Type == UI_FILE_OTHER || Type == UI_FILE_OVERVIEW) ? 512
              : Type == UI_FILE_NEW                                                    ? 502
                                                                                       : 505;
    int NameLen = Type == UI_FILE_NEW ? 0 : Len - 1;
    if (PathLen + NameLen > Max) continue;
    UI_FILE_BLOCK b = Proto;
    b.Type = uint8_t(Type);
    // The lines stay in the listing's order: the first one without room ends the list.
    if (!_AddLine(hPage, &pFill, reinterpret_cast<const uint8_t*>(pItem), b, acPath, PathLen, pItem + 1, NameLen))
      break;
  }
  *ppFill = pFill;
  return 1;
}

void UI_FileLineCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_FILE_BLOCK* p = _Block(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  if (UI__FileActionAnswer(hWin, p, pMsg)) return;
  switch (pMsg->MsgId) {
    case WM_PAINT: _Paint(hWin, p); break;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) _OnRelease(hWin, p, (const GUI_POINTER_STATE*)pMsg->Data.p);
      break;
    case UI_MSG_TEXT_DONE:
      if (p->Type == UI_FILE_NEW) _NewName(hWin, p);
      break;
    case UI_MSG_CONFIRMED: {
      int Title = int(pMsg->hWinSrc);
      if (pMsg->Data.v == 1) {
        UI_MenuStackInstance.Back();  // the result dialog's OK
      } else if (Title == 0 || Title == 3 || Title == 21) {
        _Answered(hWin, p, 0, 0);
      }
      break;
    }
    case UI_MSG_DIALOG_RESULT:
      if (int(pMsg->hWinSrc) == UI_MSG_CONFIRMED) _Answered(hWin, p, uint32_t(pMsg->Data.v), 1);
      break;
    default: UI__FileElementDefault(pMsg);
  }
}
