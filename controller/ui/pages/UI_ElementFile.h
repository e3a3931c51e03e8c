// The file entry of value-line pages: one line per item of a folder listing that a node answers (8-bit text:
// the folder path, then items separated by "?"; "A", "E", "H" and "R" items name addresses for the lines after
// them). Touching a folder lists it, a new entry asks for a name; files open the dialogs installed below.
#pragma once
#include <cstdint>

#include "WM.h"

enum { UI_FILE_FOLDER, UI_FILE_DATA, UI_FILE_OTHER, UI_FILE_NEW, UI_FILE_FIRMWARE, UI_FILE_OVERVIEW, UI_FILE_PARENT };
enum { UI_FILE_TEXT_LEN = 64, UI_FILE_NAME_LEN = 520 };

// A line's block in the element arena; its name follows it there, with room for what the line appends to it
// (a node number, or the new entry's name), so that a long listing keeps as many lines as the arena can hold.
struct UI_FILE_BLOCK {
  uint32_t Listing;  // the folder-listing object
  uint32_t Target;   // where the name goes
  uint32_t Help, Result, Rename, Action;
  uint8_t Type;
  uint8_t SendNode;  // node a file is being sent to (1..64), 0 none
  uint16_t PathLen;  // characters of the folder path in pName (after the three option characters)
  uint16_t NameSize; // bytes at pName
  char16_t acText[UI_FILE_TEXT_LEN];
  char* pName;       // "000" (room for the load options), path, item
};

// The confirmation, load-options and send-file dialogs and the firmware transfer belong to other screens; they
// answer the file line (or the confirmed value line) with UI_MSG_CONFIRMED (title item in hWinSrc),
// UI_MSG_DIALOG_RESULT (source UI_MSG_CONFIRMED, the load options in Data.v) or UI_MSG_NODE_CHOSEN (source
// UI_MSG_CONFIRMED, the node in Data.v). Null: the touch does nothing.
struct UI_DIALOG_HOOKS {
  void (*pfConfirm)(WM_HWIN hReceiver, int TitleItem, const char16_t* pText);
  void (*pfLoadOptions)(WM_HWIN hReceiver, const char16_t* pName);
  // pName: the entry's name, three option characters and then the file's path.
  void (*pfSendFile)(WM_HWIN hReceiver, const char* pName);
  // Starts the firmware transfer of the file at pPath to Node and follows it.
  void (*pfSendFirmware)(WM_HWIN hReceiver, int Node, const char* pPath);
  // The result of a file action: a confirmation with the title TextIndex, Value 1 (its OK answers
  // UI_MSG_CONFIRMED with data 1) and Flags (1: only Cancel, 2: only OK).
  void (*pfResult)(WM_HWIN hReceiver, int TextIndex, int Flags);
};
extern UI_DIALOG_HOOKS UI_DialogHooks;

// Titles of the result dialog (items of the dialog titles' text group) for a file action that failed.
enum { UI_FILE_TITLE_SAVING_FAILED = 13, UI_FILE_TITLE_RENAMING_FAILED = 23 };
// Tells the user that saving, renaming or a factory reset failed: the result dialog with that title and only OK.
// It answers nobody, so the page may be built anew meanwhile.
void UI_ReportFileFailure(int TitleItem);

void UI_FileLineCallback(WM_MESSAGE* pMsg);

// The action row of a file line: up to three 116x38 buttons under the line (1 delete, 2 rename, 3 send to a
// node), for lines of function data, firmware and overview files whose listing named a result object ("E").
enum {
  UI_FILE_ACTION_W = 116,
  UI_FILE_ACTION_H = 38,
  UI_FILE_ACTION_STEP = 121,
  UI_FILE_ACTION_ROW_H = 43,
  UI_FILE_ICON_PART_W = 50,  // a release left of it (in the line's first 43 rows) opens or closes the row
};
enum { UI_FILE_ACTION_DELETE = 1, UI_FILE_ACTION_RENAME, UI_FILE_ACTION_SEND };
// Opens the row when it is closed, closes it when it is open; the line grows or shrinks by 43 and the page
// re-stacks. Nothing happens for a line without a result object.
void UI_ToggleFileActions(WM_HWIN hLine);
int UI_FileActionCount(const UI_FILE_BLOCK* p);  // buttons the row of this line has (0 none)
void UI_FileActionCallback(WM_MESSAGE* pMsg);
// The answers that belong to the action buttons, handled for the line: 1 when the message was one of them.
int UI__FileActionAnswer(WM_HWIN hLine, UI_FILE_BLOCK* p, const WM_MESSAGE* pMsg);
// Paints a file line's rounded face (also the action buttons').
void UI__PaintFileFace(int w, int h);
// What file lines and action buttons share: the wheel goes to the parent, the page's load messages are ignored.
void UI__FileElementDefault(WM_MESSAGE* pMsg);
