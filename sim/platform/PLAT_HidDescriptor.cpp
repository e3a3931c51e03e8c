// HID report descriptors: the top-level usage and the longest input, output and feature report, as the host's
// report framing needs them. Only the items that size reports are followed; every item is bounds-checked.
#include <cstring>
#include <map>

#include "PLAT_Hid.h"

enum {
  _TYPE_MAIN = 0, _TYPE_GLOBAL = 1, _TYPE_LOCAL = 2,
  _MAIN_INPUT = 0x8, _MAIN_OUTPUT = 0x9, _MAIN_COLLECTION = 0xA, _MAIN_FEATURE = 0xB,
  _GLOBAL_USAGE_PAGE = 0x0, _GLOBAL_REPORT_SIZE = 0x7, _GLOBAL_REPORT_ID = 0x8, _GLOBAL_REPORT_COUNT = 0x9,
  _GLOBAL_PUSH = 0xA, _GLOBAL_POP = 0xB, _LOCAL_USAGE = 0x0,
  _MAX_STACK = 16,
};

struct _GLOBALS {
  uint32_t UsagePage, ReportSize, ReportCount, ReportId;
};

int PLAT_HidParseDescriptor(const uint8_t* pData, size_t NumBytes, PLAT_HID_CAPS* pCaps) {
  memset(pCaps, 0, sizeof(*pCaps));
  _GLOBALS G = {}, aStack[_MAX_STACK];
  int NumStack = 0;
  uint32_t FirstUsage = 0;
  bool HaveUsage = false, HaveTop = false;
  std::map<uint32_t, uint64_t> aBits[3];  // bits per report id: input, output, feature
  size_t i = 0;
  while (i < NumBytes) {
    uint8_t Prefix = pData[i++];
    if (Prefix == 0xFE) {  // long item: size byte, tag byte, data; nothing we need
      if (i + 2 > NumBytes) return memset(pCaps, 0, sizeof(*pCaps)), 1;
      size_t n = pData[i];
      i += 2 + n;
      if (i > NumBytes) return memset(pCaps, 0, sizeof(*pCaps)), 1;
      continue;
    }
    size_t Size = (Prefix & 3) == 3 ? 4 : (Prefix & 3);
    if (i + Size > NumBytes) return memset(pCaps, 0, sizeof(*pCaps)), 1;
    uint32_t v = 0;
    for (size_t k = 0; k < Size; k++) v |= uint32_t(pData[i + k]) << (8 * k);
    i += Size;
    int Type = (Prefix >> 2) & 3, Tag = Prefix >> 4;
    if (Type == _TYPE_GLOBAL) {
      switch (Tag) {
      case _GLOBAL_USAGE_PAGE: G.UsagePage = v; break;
      case _GLOBAL_REPORT_SIZE: G.ReportSize = v; break;
      case _GLOBAL_REPORT_COUNT: G.ReportCount = v; break;
      case _GLOBAL_REPORT_ID:
        G.ReportId = v & 0xFF;
        pCaps->NumberedReports = 1;
        break;
      case _GLOBAL_PUSH:
        if (NumStack == _MAX_STACK) return memset(pCaps, 0, sizeof(*pCaps)), 1;
        aStack[NumStack++] = G;
        break;
      case _GLOBAL_POP:
        if (NumStack == 0) return memset(pCaps, 0, sizeof(*pCaps)), 1;
        G = aStack[--NumStack];
        break;
      default: break;
      }
    } else if (Type == _TYPE_LOCAL) {
      if (Tag == _LOCAL_USAGE && !HaveUsage) {
        // A four-byte usage carries its own page in the high half.
        FirstUsage = Size == 4 ? v : (G.UsagePage << 16 | (v & 0xFFFF));
        HaveUsage = true;
      }
    } else if (Type == _TYPE_MAIN) {
      if (Tag == _MAIN_COLLECTION && !HaveTop && HaveUsage) {
        pCaps->UsagePage = uint16_t(FirstUsage >> 16);
        pCaps->Usage = uint16_t(FirstUsage);
        HaveTop = true;
      }
      int Kind = Tag == _MAIN_INPUT ? 0 : Tag == _MAIN_OUTPUT ? 1 : Tag == _MAIN_FEATURE ? 2 : -1;
      if (Kind >= 0) {
        uint64_t& Bits = aBits[Kind][G.ReportId];
        Bits += uint64_t(G.ReportSize) * G.ReportCount;
        if (Bits > (uint64_t(1) << 24)) return memset(pCaps, 0, sizeof(*pCaps)), 1;  // no real report is this long
      }
      if (Tag != _MAIN_COLLECTION) HaveUsage = HaveTop ? HaveUsage : false;
    }
  }
  int* apLength[3] = {&pCaps->InputLength, &pCaps->OutputLength, &pCaps->FeatureLength};
  for (int k = 0; k < 3; k++) {
    for (const auto& Report : aBits[k]) {
      int n = int((Report.second + 7) / 8) + 1;  // the report id byte is always counted
      if (n > *apLength[k]) *apLength[k] = n;
    }
  }
  return 0;
}
