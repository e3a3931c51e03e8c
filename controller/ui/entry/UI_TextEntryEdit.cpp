// The text entry's editing: the keyboard pages, the keys' characters and actions, the length and width limits.
#include "GUI.h"
#include "TXT_Language.h"
#include "UI_Draw.h"
#include "UI_TextEntryPrivate.h"

#define S UI_TextEntryState

UI_TEXT_ENTRY_STATE UI_TextEntryState;

// Three rows of character keys under the edit line, the function keys in the fourth row and beside the third.
const int16_t UI_TextEntryKeys[UI_TE_KEYS][4] = {
    {8, 80, 44, 110},    {48, 80, 84, 110},   {88, 80, 124, 110},  {128, 80, 164, 110},  {168, 80, 204, 110},
    {208, 80, 244, 110}, {248, 80, 284, 110}, {288, 80, 324, 110}, {328, 80, 364, 110},  {368, 80, 404, 110},
    {28, 114, 64, 144},  {68, 114, 104, 144}, {108, 114, 144, 144}, {148, 114, 184, 144}, {188, 114, 224, 144},
    {228, 114, 264, 144}, {268, 114, 304, 144}, {308, 114, 344, 144}, {348, 114, 384, 144},
    {68, 148, 104, 178}, {108, 148, 144, 178}, {148, 148, 184, 178}, {188, 148, 224, 178}, {228, 148, 264, 178},
    {268, 148, 304, 178}, {308, 148, 344, 178},
    {8, 182, 64, 212},     // symbols
    {68, 182, 124, 212},   // extra letters
    {8, 148, 64, 178},     // shift
    {348, 148, 404, 178},  // backspace
    {348, 182, 404, 212},  // clear
    {144, 182, 322, 212},  // space
};

namespace {

// String i of a keyboard group, 0 when the group has no such item.
char16_t _GroupChar(int Group, int i) {
  if (!TXT_KeyboardTable) return 0;
  const TXT_GROUP* g = TXT_KeyboardTable[Group];
  if (!g || i < 0 || i >= g->NumItems || !g->papText[i]) return 0;
  return g->papText[i][0];
}

int _GroupCount(int Group) {
  if (!TXT_KeyboardTable || !TXT_KeyboardTable[Group]) return 0;
  return TXT_KeyboardTable[Group]->NumItems;
}

int _CharWidth(char16_t c) {
  const char16_t a[2] = {c, 0};
  return UI_TextWidth(a);
}

}  // namespace

int UI_TextEntryLength(void) {
  int n = 0;
  while (n < UI_TE_TEXT_LEN - 1 && S.acText[n]) n++;
  return n;
}

int UI_TextEntryClampLength(int MaxLen) {
  if (MaxLen > UI_TE_TEXT_LEN) return UI_TE_TEXT_LEN;
  return MaxLen < 0 ? 0 : MaxLen;
}

void UI_TextEntryStart(const char16_t* pText, int MaxChars) {
  int n = 0;
  if (MaxChars > UI_TE_TEXT_LEN - 1) MaxChars = UI_TE_TEXT_LEN - 1;
  for (; pText && n < MaxChars && pText[n]; n++) S.acText[n] = pText[n];
  for (int i = n; i < UI_TE_TEXT_LEN; i++) S.acText[i] = 0;
  S.Cursor = int8_t(n);
  S.Pressed = UI_TE_NO_KEY;
  S.Keyboard = UI_TE_SHIFT;
  S.Repeat = 0;
}

char16_t UI_TextEntryKeyChar(int Key) {
  if (Key < 0 || Key >= UI_TE_CHAR_KEYS) return 0;
  int k = S.Keyboard;
  if (k & UI_TE_SYMBOLS) {
    int i = Key + ((k & (UI_TE_SHIFT | UI_TE_CAPS)) ? UI_TE_CHAR_KEYS : 0);
    const TXT_SYMBOL_SET* p = TXT_KeyboardSymbols;
    int n = p ? int(p->NumChars) : 0;
    if (n > int(sizeof(p->acChar) / sizeof(p->acChar[0]))) n = int(sizeof(p->acChar) / sizeof(p->acChar[0]));
    return i < n ? p->acChar[i] : 0;
  }
  if (k & UI_TE_EXTRA) return _GroupChar((k & (UI_TE_SHIFT | UI_TE_CAPS)) ? TXT_KB_EXTRA_UPPER : TXT_KB_EXTRA_LOWER, Key);
  return _GroupChar(TXT_KB_LETTERS, Key + ((k & (UI_TE_SHIFT | UI_TE_CAPS)) ? UI_TE_CHAR_KEYS : 0));
}

int UI_TextEntryInsert(char16_t c, int MaxLen) {
  int n = UI_TextEntryLength();
  if (!c || n >= MaxLen - 1 || n >= UI_TE_TEXT_LEN - 1) return 0;
  const GUI_FONT* pOld = GUI_SetFont(&UI_Font24);
  int Fits = _CharWidth(c) + UI_TextWidth(S.acText) <= UI_TE_MAX_WIDTH;
  GUI_SetFont(pOld);
  if (!Fits) return 0;
  int Cursor = S.Cursor < 0 ? 0 : S.Cursor > n ? n : S.Cursor;
  for (int i = n; i > Cursor; i--) S.acText[i] = S.acText[i - 1];
  S.acText[Cursor] = c;
  S.acText[n + 1] = 0;
  S.Cursor = int8_t(Cursor + 1);
  return 1;
}

void UI_TextEntryBackspace(void) {
  int n = UI_TextEntryLength();
  int Cursor = S.Cursor > n ? n : S.Cursor;
  if (Cursor <= 0) return;
  for (int i = Cursor - 1; i < n; i++) S.acText[i] = S.acText[i + 1];
  S.Cursor = int8_t(Cursor - 1);
}

void UI_TextEntryPlaceCursor(int x) {
  const GUI_FONT* pOld = GUI_SetFont(&UI_Font24);
  int Sum = 20, i = 0, n = UI_TextEntryLength();
  while (i < n && Sum < x) Sum += _CharWidth(S.acText[i++]);
  GUI_SetFont(pOld);
  S.Cursor = int8_t(i);
}

void UI_TextEntryApplyKey(int Key, int MaxLen) {
  uint8_t& k = S.Keyboard;
  switch (Key) {
    case UI_TE_KEY_SYMBOLS: k = (k & UI_TE_SYMBOLS) ? 0 : UI_TE_SYMBOLS; return;
    case UI_TE_KEY_EXTRA: k = (k & UI_TE_EXTRA) ? 0 : UI_TE_EXTRA; return;
    case UI_TE_KEY_SHIFT:
      if (k & UI_TE_SYMBOLS) {
        k ^= UI_TE_CAPS;  // the other symbol page
      } else if (k & UI_TE_SHIFT) {
        k = uint8_t((k & ~UI_TE_SHIFT) | UI_TE_CAPS);
      } else if (k & UI_TE_CAPS) {
        k &= uint8_t(~UI_TE_CAPS);
      } else {
        k |= UI_TE_SHIFT;
      }
      return;
    case UI_TE_KEY_BACKSPACE: UI_TextEntryBackspace(); return;
    case UI_TE_KEY_CLEAR:
      for (char16_t& c : S.acText) c = 0;
      S.Cursor = 0;
      return;
    default: break;
  }
  if (Key < 0 || Key > UI_TE_KEY_SPACE) return;
  char16_t c = Key == UI_TE_KEY_SPACE ? char16_t(' ') : UI_TextEntryKeyChar(Key);
  if (!UI_TextEntryInsert(c, MaxLen)) return;
  if (Key != UI_TE_KEY_SPACE && (k & UI_TE_SHIFT)) k = 0;  // one capital, then small letters again
}

int UI_TextEntryIsFileName(const char16_t* s, int MaxLen) {
  for (int i = 0; s && i < MaxLen - 1 && s[i]; i++) {
    char16_t c = s[i];
    if (c < 0x20 || c > 0x7F) return 0;
    for (const char* p = "/\\:*?\"<>|"; *p; p++) {
      if (c == char16_t(*p)) return 0;
    }
  }
  return 1;
}

void UI_TextEntryExtraLabel(char16_t* p) {
  int Group = _GroupCount(TXT_KB_EXTRA_UPPER) ? TXT_KB_EXTRA_UPPER : TXT_KB_EXTRA_LOWER;
  int n = 0;
  for (int i = 0; i < 3; i++) {
    char16_t c = _GroupChar(Group, i);
    if (c) p[n++] = c;
  }
  p[n] = 0;
}
