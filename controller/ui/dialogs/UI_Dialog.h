// The small modal dialogs of the page elements: confirmation (with an optional choice box), progress of a
// transfer to another node, the options of loading function data, and sending a file to a node. Each opens as
// the one entry dialog on a carrier (UI_NewEntryDialog), takes the side buttons as Cancel (upper) and OK
// (lower) and reports to a receiver window; a receiver that went away meanwhile is told nothing.
#pragma once
#include <cstdint>

#include "UI_EntryDispatch.h"
#include "WM.h"

enum { UI_GROUP_DIALOG_TITLES = 69, UI_GROUP_SEND_FILE = 70, UI_GROUP_LOAD_CHOICES = 2, UI_GROUP_LOAD_ROWS = 3 };

// Titles of the confirmation dialog (items of text group 69) that callers name.
enum {
  UI_TITLE_REPLACE = 0,
  UI_TITLE_LOAD_CONFIG = 1,
  UI_TITLE_SUCCESS = 2,
  UI_TITLE_FIRMWARE = 3,
  UI_TITLE_DELETE = 4,
  UI_TITLE_PLEASE_WAIT = 20,
};

// Flags of UI_ConfirmInfo.
enum { UI_CONFIRM_NO_OK = 1, UI_CONFIRM_NO_CANCEL = 2, UI_CONFIRM_NO_TITLE = 4, UI_CONFIRM_UNREAD = 0xFF };
// Title of the result dialog when the node refused a write for the granted access level.
enum { UI_TITLE_LEVEL_TOO_LOW = 22 };

struct UI_ConfirmInfo {
  WM_HWIN Receiver;
  uint32_t Value;      // the result's data when there is no choice box
  uint16_t Flags;      // UI_CONFIRM_*
  int16_t TextIndex;   // title: item of group 69; sent back as the result's source
  union {
    const char16_t* pMessage;  // shown in red below the title (null: none)
    intptr_t Initial;          // with Choices: the choice box's first item
  };
  const UI_ItemTexts* pChoices;  // null: no choice box
};

// A choice box: a one-line drop-down that opens the scrolled list over itself; the parent reads Index.
struct UI_ChoiceBox {
  uint32_t Unused;
  uint32_t Index;
  const UI_ItemTexts* pTexts;
};
enum { UI_CHOICE_BOX_W = 300, UI_CHOICE_BOX_H = 40 };

// Flags of UI_ProgressInfo: side buttons active from the start.
enum { UI_PROGRESS_OK = 2, UI_PROGRESS_CANCEL = 4 };
struct UI_ProgressInfo {
  WM_HWIN Receiver;
  uint32_t Flags;
  uint32_t aUnused[2];
  const void* pFile;         // the caller's transfer record, carried for it
  void (*pfUpdate)(void*);   // the routine that runs the transfer, carried for the caller
  const char16_t* pTitle;    // null: none
};
enum { UI_PROGRESS_PERIOD_MS = 1000, UI_PROGRESS_SOURCE = 1043 };

struct UI_LoadOptionsInfo {
  WM_HWIN Receiver;
  uint32_t aUnused[3];
};
enum { UI_LOAD_ROWS = 3, UI_LOAD_ROW_H = 70, UI_LOAD_ROW_Y = 15 };

struct UI_SendFileInfo {
  WM_HWIN Receiver;
  const char16_t* pTitle;
  const char16_t* pMessage;  // the file's name, shown in red
  int32_t Node;              // the chosen node, 0 none
};
enum { UI_NODE_LABEL_LEN = 160, UI_NODE_TEXT_AREA = 3750, UI_NODE_NAME_BYTES = 300, UI_FILE_HEAD_BYTES = 163 };

// Creators: each replaces the open entry dialog. 0 when the dialog could not be made.
WM_HWIN UI_CreateConfirmDialog(WM_HWIN hReceiver, const UI_ConfirmInfo* pInfo);
WM_HWIN UI_CreateProgressDialog(WM_HWIN hReceiver, const UI_ProgressInfo* pInfo);
WM_HWIN UI_CreateLoadOptions(WM_HWIN hReceiver, const UI_LoadOptionsInfo* pInfo);
// pFileName: 8-bit, three option characters and then the file's controller path (copied).
WM_HWIN UI_CreateSendFileDialog(WM_HWIN hReceiver, const UI_SendFileInfo* pInfo, const char* pFileName);

void UI_ConfirmDialogCallback(WM_MESSAGE* pMsg);
void UI_ChoiceBoxCallback(WM_MESSAGE* pMsg);
void UI_ProgressDialogCallback(WM_MESSAGE* pMsg);
void UI_LoadOptionsCallback(WM_MESSAGE* pMsg);
void UI_LoadOptionRowCallback(WM_MESSAGE* pMsg);
void UI_SendFileCallback(WM_MESSAGE* pMsg);
void UI_NodeChooserCallback(WM_MESSAGE* pMsg);

// Creates a choice box child at x, y of hParent (visible, transparent). 0 when it could not be made.
WM_HWIN UI_CreateChoiceBox(WM_HWIN hParent, int x, int y, uint32_t Index, const UI_ItemTexts* pTexts);
// The chosen item of a choice box (0 for a window that is none).
uint32_t UI_ChoiceBoxIndex(WM_HWIN hBox);

// The device type named in a function-data file's header ("DEVICE: " and two hexadecimal digits within its
// first 163 bytes); 0 when the file cannot be read or has no such key. sPath: controller path.
int UI_FileDeviceType(const char* sPath);
// Builds the node list of the chooser into the dispatcher's item tables: the present nodes of device type
// Type (not 0) whose names could be read, "<node>: <name>". Returns the number of nodes listed.
int UI_BuildNodeList(int Type);
// A node's label "<node>: <name>" into p (Len characters, terminated), the name read from the object that
// devices of its Type keep it in; 0 when the name could not be read.
int UI_NodeLabel(int Node, int Type, char16_t* p, int Len);

// Bounded formatted print of UTF-16 text: %d, %ls (UTF-16 text), %hs and %s (8-bit text), %%. Always
// terminated inside Count characters (Count > 0); returns the characters written.
int UI_FormatText(char16_t* pBuf, int Count, const char* sFormat, ...);

// Installs the dialogs as the file list's (UI_DialogHooks).
void UI_InstallDialogs(void);
// Waits for the end of a transfer to another node that the file list started (tests, shutdown).
void UI_WaitFirmwareTransfer(void);

//
// What the dialogs share (one entry dialog at a time, so one record of saved side buttons).
//
// Takes the side buttons for the open dialog: each forwards to it when active, else looks inactive.
void UI__DialogTakeSides(int HomeActive, int BackActive);
void UI__DialogSetSide(WM_HWIN hButton, int Active);
// Closes the dialog: side buttons given back, the carrier told; also clears the home block of UI_ScreenFlags.
void UI__DialogClose(WM_HWIN hWin);
// WM_DELETE of a dialog deleted from outside (a new entry dialog replaces it): the side buttons go back.
void UI__DialogDeleted(WM_HWIN hWin);
// Title (when s is set) in UI_Font24 at (206, 20) of the painted dialog, width 392; returns the y 34 pixels
// below its last line (20 without a title).
int UI__DialogTitle(const char16_t* s);
// Red text in quotes centred at 206, from y; returns the y 34 pixels below its last line.
int UI__DialogQuoted(const char16_t* s, int y);
// Moves a child so that its top lies at y of its parent (nothing when it is there).
void UI__DialogPlaceChild(WM_HWIN hChild, int y);
// Makes the entry dialog with callback cb, copies the record (its first field the receiver) into it and sends
// UI_MSG_OPENED. 0 when it could not be made or closed at once.
WM_HWIN UI__DialogOpen(WM_CALLBACK* cb, const void* pInfo, int Size);
// What the dialogs and their boxes share: a dialog deleted from outside gives the side buttons back, the wheel
// goes to the parent, the page's load messages are ignored.
void UI__DialogDefault(WM_MESSAGE* pMsg);
// The face of a choice box or node chooser: the two-tone button over the box and its text.
void UI__PaintChoiceFace(WM_HWIN hWin, const char16_t* s);
// The scrolled list over a box, which receives the choice.
void UI__OpenChoiceList(WM_HWIN hBox, const UI_ItemTexts* pTexts, const UI_ItemValues* pValues, int Current);
