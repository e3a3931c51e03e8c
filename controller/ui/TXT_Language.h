// The current language: its text table, its keyboard table and text look-up by group and item.
#pragma once
#include "TXT_Data.h"
#include "TXT_Groups.h"
#include "TXT_Table.h"

enum {
  TXT_LANG_GERMAN = 0,
  TXT_LANG_ENGLISH = 1,
  TXT_LANG_FRENCH = 2,
  TXT_LANG_ITALIAN = 3,
  TXT_LANG_SPANISH = 4,
  TXT_LANG_DUTCH = 5,
  TXT_LANG_CZECH = 6,
  TXT_NUM_LANGUAGES = 7,
};

// Keyboard table groups: 26 lower-case letters then their 26 capitals in key order; up to 4 extra
// lower-case letters; up to 3 extra capitals.
enum { TXT_KB_LETTERS = 0, TXT_KB_EXTRA_LOWER = 1, TXT_KB_EXTRA_UPPER = 2 };

extern TXT_TABLE* TXT_CurrentTable;                // null until a language was selected
extern TXT_TABLE* TXT_KeyboardTable;               // likewise
extern const TXT_SYMBOL_SET* TXT_KeyboardSymbols; // always set
extern const char16_t TXT_EmptyText[1];            // the shared empty text

// Builds the texts and the keyboard of the language and publishes them. Returns 0, or 1 (and changes
// nothing) when the language is unknown. Runs in the application thread.
int TXT_SelectLanguage(int Language);
int TXT_GetLanguage(); // -1 before the first selection
// The main task's text build (APP_UiHooks.pfBuildTexts, language from the general settings): an unknown
// language keeps the current one, or takes German when none was built yet.
void TXT_BuildTexts(int Language);

// Group g of the current table, null when there is no such group.
const TXT_GROUP* TXT_GetGroup(int Group);
int TXT_GetItemCount(int Group); // 0 for a missing group
// Item i of group g of the current table; the shared empty text when either is missing.
const char16_t* TXT_GetText(int Group, int Item);
