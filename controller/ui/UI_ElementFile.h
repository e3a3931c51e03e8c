// The file entry of value-line pages: one line per item of a folder listing that a node answers (8-bit text:
// the folder path, then items separated by "?"; "A", "E", "H" and "R" items name addresses for the lines after
// them). Touching a folder lists it, a new entry asks for a name; files open the dialogs installed below.
#pragma once
#include <cstdint>

#include "WM.h"

enum { UI_FILE_FOLDER, UI_FILE_DATA, UI_FILE_OTHER, UI_FILE_NEW, UI_FILE_FIRMWARE, UI_FILE_OVERVIEW, UI_FILE_PARENT };
enum { UI_FILE_TEXT_LEN = 64, UI_FILE_NAME_LEN = 520 };

struct UI_FILE_BLOCK {
  uint32_t Listing;  // the folder-listing object
  uint32_t Target;   // where the name goes
  uint32_t Help, Result, Rename, Action;
  uint8_t Type;
  char16_t acText[UI_FILE_TEXT_LEN];
  char acName[UI_FILE_NAME_LEN];  // "000" (room for the load options), path, item
};

// The confirmation and load-options dialogs belong to other screens; they answer the file line or the
// confirmed value line with UI_MSG_CONFIRMED (title item in hWinSrc) or UI_MSG_DIALOG_RESULT. Null: the touch
// does nothing.
struct UI_DIALOG_HOOKS {
  void (*pfConfirm)(WM_HWIN hReceiver, int TitleItem, const char16_t* pText);
  void (*pfLoadOptions)(WM_HWIN hReceiver, const char16_t* pName);
};
extern UI_DIALOG_HOOKS UI_DialogHooks;

void UI_FileLineCallback(WM_MESSAGE* pMsg);
