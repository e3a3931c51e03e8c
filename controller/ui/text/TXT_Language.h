// The current language: its text table, its keyboard table and text look-up by group and item.
#pragma once
#include "TXT_Current.h"  // TXT_CurrentTable, TXT_GetText and the group numbers
#include "TXT_Data.h"
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

extern TXT_TABLE* TXT_KeyboardTable;               // null until a language was selected
extern const TXT_SYMBOL_SET* TXT_KeyboardSymbols; // always set

// Builds the texts and the keyboard of the language and publishes them (TXT_CurrentTable). Returns 0, or 1 (and
// changes nothing) when the language is unknown. Runs in the application thread. The table shown before stays
// intact until the next switch, so a text fetched just before a switch can still be read.
int TXT_SelectLanguage(int Language);
int TXT_GetLanguage(); // -1 before the first selection
// The main task's text build (APP_UiHooks.pfBuildTexts, language from the general settings): an unknown
// language keeps the current one, or takes German when none was built yet.
void TXT_BuildTexts(int Language);
