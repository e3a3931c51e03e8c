// The three files that change the screens' look: branding ("q7b": background and logo of the menu screens),
// design ("q7d": full-screen picture, layout flag, a dictionary of overview pages) and overview page ("q7f").
// Their sizes, limits and fixed texts, the little-endian field access, and the cipher key of the design file.
// Every size or count a file states is checked against the bytes actually there before anything is copied.
#pragma once
#include <cstddef>
#include <cstdint>

enum {
  DSG_BRANDING_HEADER_SIZE = 32,
  DSG_BRANDING_PART1_MAX = 261136,   // 480x272 at 16 bpp and a stream header
  DSG_BRANDING_PART2_MAX = 391696,   // 480x272 at 24 bpp and a stream header
  DSG_BRANDING_AREA = 3860240,       // header and all three parts together
  DSG_TEXT_HEADER_SIZE = 256,
  DSG_IV_SIZE = 16,
  DSG_DESIGN_HEADER_SIZE = 16,
  DSG_DESIGN_HEADER_OFFSET = DSG_TEXT_HEADER_SIZE + DSG_IV_SIZE,                  // 272
  DSG_DESIGN_PICTURE_OFFSET = DSG_DESIGN_HEADER_OFFSET + DSG_DESIGN_HEADER_SIZE,  // 288
  DSG_DESIGN_IMAGE_MAX = 261136,
  DSG_DICT_AREA = 1928,
  DSG_DICT_HEADER_SIZE = 8,          // "dict" and the entry count
  DSG_DICT_ENTRY_SIZE = 12,
  DSG_DICT_MAX_ENTRIES = (DSG_DICT_AREA - DSG_DICT_HEADER_SIZE) / DSG_DICT_ENTRY_SIZE,  // 160
  DSG_PAGE_HEADER_SIZE = 16,
  DSG_PAGE_PAYLOAD_MAX = 391696,
  DSG_ELEMENT_SIZE = 192,
  DSG_PAGE_MAX_ELEMENTS = 64,
  DSG_KEY_SIZE = 32,
  DSG_AES_BLOCK = 16,
};
constexpr size_t DSG_PAGE_AREA = 174936064;  // page records of one design
// The largest design file there can be: everything up to the dictionary, the dictionary and the page area.
constexpr size_t DSG_DESIGN_FILE_MAX =
    DSG_DESIGN_PICTURE_OFFSET + DSG_DESIGN_IMAGE_MAX + DSG_DICT_AREA + DSG_PAGE_AREA;

// The first line of a design file's text header (compared over its 31 characters).
constexpr char DSG_TEXT_MAGIC[] = "ORVALDI_KLIMAREGELWERK_Q7D_FILE";
constexpr int DSG_TEXT_MAGIC_LEN = 31;
// The text whose Whirlpool digest (its first 32 bytes) is the design cipher's key; the key is never stored.
constexpr char DSG_KEY_TEXT[] = "MERIDOX";
constexpr int DSG_KEY_TEXT_LEN = 7;

// Results of DSG_CheckPage, in the order the checks run.
enum {
  DSG_PAGE_OK = 0,
  DSG_PAGE_BAD_PAYLOAD = 1,  // payload size above DSG_PAGE_PAYLOAD_MAX
  DSG_PAGE_BAD_LAYOUT = 2,   // version not 0 or 1, or element size not 192
  DSG_PAGE_BAD_CRC = 3,      // CRC-32 over header and element records differs
  DSG_PAGE_BAD_MAGIC = 4,
};

// Results of DSG_ParseTextHeader.
enum { DSG_TEXT_OK = 0, DSG_TEXT_BAD_END = 2, DSG_TEXT_BAD_FORMAT = 3, DSG_TEXT_BAD_MAGIC = 4 };

// Results of the imports.
enum {
  DSG_IMPORT_OK = 0,
  DSG_IMPORT_BAD_HEADER = 1,  // text header, design header or branding header broken
  DSG_IMPORT_BAD_PAGE = 3,    // a page failed its check or lies outside the file
  DSG_IMPORT_BAD_DICT = 5,    // the dictionary does not begin with "dict" or does not hold its entries
  DSG_IMPORT_NO_FILE = 6,     // the file could not be opened or read
  DSG_IMPORT_TRUNCATED = 7,   // the file ends before a part its header announces
};

inline uint16_t DSG_Get16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t DSG_Get32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline void DSG_Put16(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}
inline void DSG_Put32(uint8_t* p, uint32_t v) {
  DSG_Put16(p, v);
  DSG_Put16(p + 2, v >> 16);
}

// The fields of a branding header.
struct DSG_BRANDING_INFO {
  uint32_t aPartSize[3];
  uint8_t LogoMode;
  int16_t LogoX, LogoY;
};
void DSG_ReadBrandingHeader(const uint8_t* pHeader, DSG_BRANDING_INFO* pInfo);

// The fields of a (deciphered) design header.
struct DSG_DESIGN_INFO {
  uint32_t ImageSize;
  uint8_t Layout;
  uint16_t DictSize;
};
void DSG_ReadDesignHeader(const uint8_t* pHeader, DSG_DESIGN_INFO* pInfo);

// The fields of a page header.
struct DSG_PAGE_INFO {
  uint8_t Version;
  uint32_t PayloadSize;
  uint16_t NumElements, ElementSize;
};
void DSG_ReadPageHeader(const uint8_t* pHeader, DSG_PAGE_INFO* pInfo);

// The fields of a text header that its lines carry (only the magic, the format and the length are enforced).
struct DSG_TEXT_FIELDS {
  int Format;
  unsigned Code;       // line 3, two hexadecimal digits
  char acText1[64];    // line 4
  char acText2[64];    // line 5
  unsigned Colour;     // line 6, six hexadecimal digits
  char acNote[128];    // line 8
};

// The cipher key: the first 32 bytes of the Whirlpool digest of DSG_KEY_TEXT.
void DSG_MakeKey(uint8_t* pKey);

// Checks (pointers to at least the header's size).
int DSG_CheckBranding(const uint8_t* pHeader);  // 0 valid, 1 magic or a size limit broken
int DSG_CheckDesign(const uint8_t* pHeader);    // 0 valid, 1 magic or image size broken
// Checks a page header and the CRC over header and element records; NumBytes is what lies at pPage, and a
// page whose records do not fit in it fails as a bad CRC (it cannot be checked).
int DSG_CheckPage(const uint8_t* pPage, size_t NumBytes, uint32_t ExpectedCrc);
int DSG_IsErased(const uint8_t* p, int NumBytes);  // 1 when NumBytes < 1 or every byte is 0xFF
int DSG_ParseTextHeader(const uint8_t* pText, DSG_TEXT_FIELDS* pFields);  // pText: 256 bytes; pFields may be null
// Size of the CRC-covered part of a page with NumElements records.
inline size_t DSG_PageRecordsSize(unsigned NumElements) {
  return DSG_PAGE_HEADER_SIZE + size_t(DSG_ELEMENT_SIZE) * NumElements;
}
