// The loaded branding and design as the import leaves them (private to the design-file module).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "DSG_Format.h"

struct DSG_LOADED {
  std::vector<uint8_t> Branding;  // header and parts; empty: none
  std::vector<uint8_t> Design;    // the file as imported (header and dictionary still enciphered); empty: none
  uint8_t aDesignHeader[DSG_DESIGN_HEADER_SIZE];  // deciphered
  std::vector<uint8_t> Dict;      // deciphered dictionary
  size_t PictureOffset, PageOffset;
  uint32_t NumPages;
};
extern DSG_LOADED DSG_Loaded;

// Hand the loaded state to the screens (branding record, design hooks).
void DSG__SetBranding(void);
void DSG__SetDesign(void);
