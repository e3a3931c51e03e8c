#include "TXT_Language.h"

namespace {

// Each buffer is rounded up to whole pointers, so that the second of a pair is aligned for pointers as well.
constexpr size_t _RoundUp(size_t n) { return (n + alignof(TXT_GROUP*) - 1) / alignof(TXT_GROUP*) * alignof(TXT_GROUP*); }
constexpr size_t _kUiTableBytes = _RoundUp(TXT_UI_NUM_GROUPS * (sizeof(TXT_GROUP*) + sizeof(TXT_GROUP)) +
                                           TXT_UI_NUM_STRINGS * sizeof(char16_t*) + TXT_UI_MAX_TEXT_WORDS * 4);
constexpr size_t _kKbTableBytes = _RoundUp(TXT_KB_NUM_GROUPS * (sizeof(TXT_GROUP*) + sizeof(TXT_GROUP)) +
                                           TXT_KB_NUM_STRINGS * sizeof(char16_t*) + TXT_KB_MAX_TEXT_WORDS * 4);

// Two buffers each: the new language is built beside the shown one, then published.
alignas(alignof(TXT_GROUP*)) uint8_t _aUiTable[2][_kUiTableBytes];
alignas(alignof(TXT_GROUP*)) uint8_t _aKbTable[2][_kKbTableBytes];
int _Spare = 0;
int _Language = -1;

} // namespace

TXT_TABLE* TXT_KeyboardTable = nullptr;
const TXT_SYMBOL_SET* TXT_KeyboardSymbols = &TXT_KeyboardSymbolSet;

int TXT_SelectLanguage(int Language) {
  if (Language < 0 || Language >= TXT_NUM_LANGUAGES) {
    return 1;
  }
  if (TXT_BuildTable(_aUiTable[_Spare], sizeof _aUiTable[_Spare], TXT_UiTextBlob, TXT_UiTextBlobSize,
                     Language) != TXT_BUILD_OK ||
      TXT_BuildTable(_aKbTable[_Spare], sizeof _aKbTable[_Spare], TXT_KeyboardBlob, TXT_KeyboardBlobSize,
                     Language) != TXT_BUILD_OK) {
    return 1;
  }
  TXT_CurrentTable = reinterpret_cast<TXT_TABLE*>(_aUiTable[_Spare]);
  TXT_KeyboardTable = reinterpret_cast<TXT_TABLE*>(_aKbTable[_Spare]);
  _Spare ^= 1;
  _Language = Language;
  return 0;
}

int TXT_GetLanguage() { return _Language; }

void TXT_BuildTexts(int Language) {
  if (TXT_SelectLanguage(Language) != 0 && TXT_CurrentTable == nullptr) {
    TXT_SelectLanguage(TXT_LANG_GERMAN);
  }
}
