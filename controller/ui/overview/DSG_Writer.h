// Writing branding, design and page files: the other half of the readers, used by the packing tool
// (tools/q7pack) and by the tests that need real files.
#pragma once
#include <cstdint>
#include <vector>

#include "DSG_Element.h"

typedef std::vector<uint8_t> DSG_BYTES;

// A page record: header, element records and payload (a streamed bitmap first).
DSG_BYTES DSG_WritePage(const std::vector<DSG_ELEMENT>& Elements, const DSG_BYTES& Payload, int Version = 1);
// CRC-32 of a page record's header and element records (what a dictionary entry holds).
uint32_t DSG_PageCrc(const DSG_BYTES& Page);

DSG_BYTES DSG_WriteBranding(const DSG_BYTES& Background, const DSG_BYTES& Logo, const DSG_BYTES& Part3,
                            int LogoMode, int LogoX, int LogoY);

struct DSG_DESIGN_SPEC {
  int Layout = 1;
  DSG_BYTES Picture;              // full-screen streamed bitmap, may be empty
  std::vector<DSG_BYTES> Pages;   // page records
  uint8_t aIV[DSG_IV_SIZE] = {};
  const char* sName = "design";   // lines 4 and 8 of the text header
};
DSG_BYTES DSG_WriteDesign(const DSG_DESIGN_SPEC& Spec);
