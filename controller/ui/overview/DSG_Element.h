// One element record of an overview page (192 bytes, little-endian), read and written field by field. The same
// bytes mean different fields by the element's type: action fields (1 editable, 2 display only), page links (3)
// and value elements (4 and 5 toggle, 6 momentary).
#pragma once
#include <cstdint>
#include <cstring>

#include "DSG_Format.h"

enum {
  DSG_EL_NONE = 0,
  DSG_EL_FIELD = 1,
  DSG_EL_DISPLAY = 2,
  DSG_EL_LINK = 3,
  DSG_EL_TOGGLE = 4,
  DSG_EL_TOGGLE_ALT = 5,
  DSG_EL_MOMENTARY = 6,
  DSG_NUM_FONTS = 6,
  DSG_TEXT_CHARS = 16,        // prefix and suffix of an action element
  DSG_STATE_TEXT_CHARS = 32,  // state texts of a value element
  DSG_NO_PAGE = -1,           // linked page 0xFFFFFFFF
  DSG_LEVEL_PASSWORD = 3,
};

struct DSG_ELEMENT {
  uint8_t a[DSG_ELEMENT_SIZE];

  uint32_t U32(int Off) const { return DSG_Get32(a + Off); }
  uint16_t U16(int Off) const { return DSG_Get16(a + Off); }
  void SetU32(int Off, uint32_t v) { DSG_Put32(a + Off, v); }
  void SetU16(int Off, uint32_t v) { DSG_Put16(a + Off, v); }

  // Every type.
  uint32_t Type() const { return U32(0); }
  int X0() const { return int16_t(U16(4)); }
  int Y0() const { return int16_t(U16(6)); }
  int X1() const { return int16_t(U16(8)); }
  int Y1() const { return int16_t(U16(10)); }
  void SetRect(int x0, int y0, int x1, int y1) {
    SetU16(4, uint16_t(x0));
    SetU16(6, uint16_t(y0));
    SetU16(8, uint16_t(x1));
    SetU16(10, uint16_t(y1));
  }
  // Types 1, 2, 4-6: required access level and the object address (node, sub-index, index).
  uint32_t Level() const { return U32(12); }
  uint32_t Address() const { return uint32_t(a[16]) << 24 | uint32_t(a[17]) << 16 | U16(18); }
  int Node() const { return a[16]; }
  void SetAddress(uint32_t Addr) {
    a[16] = uint8_t(Addr >> 24);
    a[17] = uint8_t(Addr >> 16);
    SetU16(18, Addr & 0xFFFF);
  }
  // Types 1 and 2.
  uint32_t TextColour() const { return U32(20); }
  uint32_t BkColour() const { return U32(24); }
  uint32_t Font() const { return U32(28); }
  uint32_t Align() const { return U32(32); }
  uint32_t TextMode() const { return U32(36); }
  const uint8_t* Prefix() const { return a + 40; }
  const uint8_t* Suffix() const { return a + 72; }
  int Decimals() const { return a[104]; }
  int Width() const { return int8_t(a[105]); }
  // Type 3.
  uint32_t LinkedPage() const { return U32(12); }
  uint16_t LinkLevel() const { return U16(16); }
  const uint8_t* Digest() const { return a + 18; }  // 64 bytes
  // Types 4-6, by state 0 or 1.
  uint32_t HasBackground() const { return U32(20); }
  uint32_t StateColour(int s) const { return U32(s ? 28 : 24); }
  int StateFont(int s) const { return a[32 + (s ? 1 : 0)]; }
  int StateAlign(int s) const { return a[34 + (s ? 1 : 0)]; }
  int StateTextOffset(int s) const { return s ? 104 : 36; }
  uint32_t StateBk(int s, int Lower) const { return U32(172 + 8 * (s ? 1 : 0) + 4 * (Lower ? 1 : 0)); }
  int FetchTexts() const { return a[188]; }

  // A UTF-16 text field of MaxChars units into pOut (MaxChars + 1 units), always terminated.
  void GetText(int Off, int MaxChars, char16_t* pOut) const {
    int i = 0;
    for (; i < MaxChars; i++) {
      char16_t c = char16_t(U16(Off + 2 * i));
      if (!c) break;
      pOut[i] = c;
    }
    pOut[i] = 0;
  }
  void SetText(int Off, int MaxChars, const char16_t* s) {
    memset(a + Off, 0, size_t(2 * MaxChars));
    for (int i = 0; i < MaxChars && s && s[i]; i++) SetU16(Off + 2 * i, s[i]);
  }
};

// Takes record pIn of a page of the given version into *pOut: version 1 as it is, version 0 rebuilt into the
// version-1 layout. An element whose font index is not one of the six becomes type 0 (not shown).
// 0 when usable, -1 for an unknown version.
int DSG_UpgradeElement(int Version, DSG_ELEMENT* pOut, const uint8_t* pIn);
