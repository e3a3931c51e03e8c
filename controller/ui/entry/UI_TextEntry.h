// The text entry: the modal dialog with an edit line and a 32-key on-screen keyboard in which the user types a
// short text (a name, a designation, a file name, an access code). The side buttons serve as Cancel (upper) and
// OK (lower); the host keyboard types into it as well. One dialog at a time; its state is static.
#pragma once
#include <cstdint>

#include "WM.h"

// Modes of UI_TextEntryParams. UI_TEXT_FILE_NAME added to 0..3 asks for a valid file name.
enum {
  UI_TEXT_TO_TABLE = 0,     // the result replaces string Index of the table; no message
  UI_TEXT_NOTIFY = 1,       // the result replaces the buffer; UI_MSG_TEXT_DONE on OK
  UI_TEXT_NOTIFY_CANCEL = 2,  // as 1, and UI_MSG_HOME to the notify window on Cancel
  UI_TEXT_SILENT = 3,       // the result replaces the buffer; no message
  UI_TEXT_FILE_NAME = 16,
};

struct UI_TextEntryParams {
  union {
    char16_t** ppTable;  // mode 0: the table of strings
    char16_t* pBuffer;   // other modes: initial text and result
  };
  uint16_t Index;        // mode 0: the string; sent back as Data.v of UI_MSG_TEXT_DONE
  uint8_t Mode;
  uint16_t Id;           // sent back as hWinSrc of UI_MSG_TEXT_DONE
  WM_HWIN hNotify;
  int32_t MaxLen;        // characters including the terminator; above 25 counts as 25
  const char16_t* pTitle;  // drawn above the edit line; null = none
};

// Keys of the keyboard: 0..25 characters (three rows), then the function keys.
enum {
  UI_TE_KEY_SYMBOLS = 26,
  UI_TE_KEY_EXTRA = 27,
  UI_TE_KEY_SHIFT = 28,
  UI_TE_KEY_BACKSPACE = 29,
  UI_TE_KEY_CLEAR = 30,
  UI_TE_KEY_SPACE = 31,
  UI_TE_KEYS = 32,
  UI_TE_CHAR_KEYS = 26,
  UI_TE_NO_KEY = 0xFF,
  UI_TE_TEXT_LEN = 25,      // the edit buffer: 24 characters and the terminator
  UI_TE_MAX_WIDTH = 344,    // the widest text the edit line takes, in UI_Font24
  UI_TE_HOLD_MS = 600,      // a key held this long starts the repeat timer
  UI_TE_REPEAT_MS = 100,
};

// Keyboard state bits; the states that occur are 0, 1, 2 (letters), 4, 6 (symbols), 8, 9, 10 (extra letters).
enum {
  UI_TE_SHIFT = 1,
  UI_TE_CAPS = 2,     // caps lock; in the symbols: the second page
  UI_TE_SYMBOLS = 4,
  UI_TE_EXTRA = 8,
};

// Key rectangles {x0, y0, x1, y1} in dialog coordinates; a point is on a key strictly inside.
extern const int16_t UI_TextEntryKeys[UI_TE_KEYS][4];

struct UI_TEXT_ENTRY_STATE {
  char16_t acText[UI_TE_TEXT_LEN];
  int8_t Cursor;      // 0..length
  uint8_t Pressed;    // key 0..31, UI_TE_NO_KEY
  uint8_t Keyboard;   // state bits
  uint8_t Repeat;     // the held key repeated (backspace) or was dropped: its release types nothing
};
extern UI_TEXT_ENTRY_STATE UI_TextEntryState;

// Creates the carrier and the dialog for the record (copied). Returns the result of giving the dialog the
// focus, 0 when it could not be made.
int UI_CreateTextEntry(WM_HWIN hParent, const UI_TextEntryParams* pParams);
void UI_TextEntryCallback(WM_MESSAGE* pMsg);
// Installs the dialog as the dispatcher's text entry (UI_pfOpenTextEntry): it edits UI_TextBuffer, sends
// UI_MSG_TEXT_DONE on OK and UI_MSG_HOME on Cancel, so that a code prompt can leave its page.
void UI_InstallTextEntry(void);
// Opens the keyboard on user designation Index (0..99) of TXT_UserDesignations, written there on OK; no title,
// no message. 0 for an index outside the list.
int UI_EditUserDesignation(int Index);

//
// The editing, independent of the window (used by the dialog; tests call it directly).
//
// Resets the state for a text: copied up to its terminator, at most 24 characters and at most MaxChars read;
// the cursor at its end, keyboard state shift.
void UI_TextEntryStart(const char16_t* pText, int MaxChars);
// The character of key 0..25 in the current keyboard state, 0 when the key has none.
char16_t UI_TextEntryKeyChar(int Key);
// Acts on key 0..31 as a touch does; MaxLen is the clamped maximum length (terminator included).
void UI_TextEntryApplyKey(int Key, int MaxLen);
// Inserts c at the cursor when the length and width limits allow: 1 inserted, 0 refused.
int UI_TextEntryInsert(char16_t c, int MaxLen);
void UI_TextEntryBackspace(void);
// The cursor behind the characters whose widths from x 20 stay below x.
void UI_TextEntryPlaceCursor(int x);
// Whether the first MaxLen - 1 characters make a valid file name (printable ASCII without / \ : * ? " < > |).
int UI_TextEntryIsFileName(const char16_t* s, int MaxLen);
// Up to three characters shown on the extra-letters key: its capitals, its small letters when it has no
// capitals; empty when the language has none.
void UI_TextEntryExtraLabel(char16_t* p);
// A maximum length as the dialog uses it: above 25 counts as 25.
int UI_TextEntryClampLength(int MaxLen);
