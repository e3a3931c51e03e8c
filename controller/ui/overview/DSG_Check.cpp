// The checks of the branding, design and page headers and of the design file's text header. Each reads only the
// bytes it is given.
#include <cstdlib>
#include <cstring>

#include "CRC.h"
#include "DSG_Format.h"
#include "WHIRL.h"

void DSG_ReadBrandingHeader(const uint8_t* p, DSG_BRANDING_INFO* pInfo) {
  for (int i = 0; i < 3; i++) pInfo->aPartSize[i] = DSG_Get32(p + 4 + 4 * i);
  pInfo->LogoMode = p[16];
  pInfo->LogoX = int16_t(DSG_Get16(p + 18));
  pInfo->LogoY = int16_t(DSG_Get16(p + 20));
}

void DSG_ReadDesignHeader(const uint8_t* p, DSG_DESIGN_INFO* pInfo) {
  pInfo->ImageSize = DSG_Get32(p + 4);
  pInfo->Layout = p[8];
  pInfo->DictSize = DSG_Get16(p + 10);
}

void DSG_ReadPageHeader(const uint8_t* p, DSG_PAGE_INFO* pInfo) {
  pInfo->Version = p[3];
  pInfo->PayloadSize = DSG_Get32(p + 4);
  pInfo->NumElements = DSG_Get16(p + 8);
  pInfo->ElementSize = DSG_Get16(p + 10);
}

void DSG_MakeKey(uint8_t* pKey) {
  uint8_t aDigest[WHIRL_DIGEST_SIZE];
  WHIRL_Hash(DSG_KEY_TEXT, DSG_KEY_TEXT_LEN, aDigest);
  memcpy(pKey, aDigest, DSG_KEY_SIZE);
}

int DSG_CheckBranding(const uint8_t* p) {
  DSG_BRANDING_INFO Info;
  DSG_ReadBrandingHeader(p, &Info);
  if (memcmp(p, "q7b", 4) != 0) return 1;
  return (Info.aPartSize[0] > DSG_BRANDING_PART1_MAX || Info.aPartSize[1] > DSG_BRANDING_PART2_MAX) ? 1 : 0;
}

int DSG_CheckDesign(const uint8_t* p) {
  if (memcmp(p, "q7d", 4) != 0) return 1;
  return DSG_Get32(p + 4) > DSG_DESIGN_IMAGE_MAX ? 1 : 0;
}

int DSG_CheckPage(const uint8_t* pPage, size_t NumBytes, uint32_t ExpectedCrc) {
  if (NumBytes < DSG_PAGE_HEADER_SIZE || memcmp(pPage, "q7f", 3) != 0) return DSG_PAGE_BAD_MAGIC;
  DSG_PAGE_INFO Info;
  DSG_ReadPageHeader(pPage, &Info);
  if (Info.PayloadSize > DSG_PAGE_PAYLOAD_MAX) return DSG_PAGE_BAD_PAYLOAD;
  if (Info.Version > 1 || Info.ElementSize != DSG_ELEMENT_SIZE) return DSG_PAGE_BAD_LAYOUT;
  size_t n = DSG_PageRecordsSize(Info.NumElements);
  if (n > NumBytes || CRC32_Calc(pPage, n) != ExpectedCrc) return DSG_PAGE_BAD_CRC;
  return DSG_PAGE_OK;
}

int DSG_IsErased(const uint8_t* p, int NumBytes) {
  if (NumBytes < 1) return 1;
  for (int i = 0; i < NumBytes; i++) {
    if (p[i] != 0xFF) return 0;
  }
  return 1;
}

namespace {

// The lines of the text header, each ending in a line feed that lies inside the 256 bytes.
struct _LINES {
  const char* apLine[8];
  int aLen[8];
  int NumLines;
};

void _SplitLines(const uint8_t* pText, _LINES* pLines) {
  const char* s = reinterpret_cast<const char*>(pText);
  int Start = 0;
  pLines->NumLines = 0;
  for (int i = 0; i < DSG_TEXT_HEADER_SIZE && pLines->NumLines < 8; i++) {
    if (s[i] != '\n') continue;
    pLines->apLine[pLines->NumLines] = s + Start;
    pLines->aLen[pLines->NumLines] = i - Start;
    pLines->NumLines++;
    Start = i + 1;
  }
}

// The value of a labelled line ("%11c: value") as a terminated text, empty when the line is shorter.
void _Value(const _LINES& L, int Line, char* pOut, size_t OutSize) {
  pOut[0] = 0;
  if (Line >= L.NumLines || L.aLen[Line] < 13) return;
  size_t n = size_t(L.aLen[Line] - 13);
  if (n >= OutSize) n = OutSize - 1;
  memcpy(pOut, L.apLine[Line] + 13, n);
  pOut[n] = 0;
}

}  // namespace

int DSG_ParseTextHeader(const uint8_t* pText, DSG_TEXT_FIELDS* pFields) {
  if (memcmp(pText, DSG_TEXT_MAGIC, DSG_TEXT_MAGIC_LEN) != 0) return DSG_TEXT_BAD_MAGIC;
  _LINES L;
  _SplitLines(pText, &L);
  char acValue[128];
  _Value(L, 1, acValue, sizeof(acValue));
  char* pEnd;
  long Format = strtol(acValue, &pEnd, 10);
  if (L.NumLines < 2 || pEnd == acValue || Format != 0) return DSG_TEXT_BAD_FORMAT;
  if (L.NumLines < 8) return DSG_TEXT_BAD_END;  // the eighth line must end at offset 255 or before
  if (pFields) {
    memset(pFields, 0, sizeof(*pFields));
    pFields->Format = int(Format);
    _Value(L, 2, acValue, sizeof(acValue));
    pFields->Code = unsigned(strtoul(acValue, nullptr, 16));
    _Value(L, 3, pFields->acText1, sizeof(pFields->acText1));
    _Value(L, 4, pFields->acText2, sizeof(pFields->acText2));
    _Value(L, 5, acValue, sizeof(acValue));
    pFields->Colour = unsigned(strtoul(acValue, nullptr, 16));
    size_t n = size_t(L.aLen[7]) < sizeof(pFields->acNote) ? size_t(L.aLen[7]) : sizeof(pFields->acNote) - 1;
    memcpy(pFields->acNote, L.apLine[7], n);
  }
  return DSG_TEXT_OK;
}
