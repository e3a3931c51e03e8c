// Element records of older pages are rebuilt into the current layout, so the screens know only one.
#include "DSG_Element.h"

int DSG_UpgradeElement(int Version, DSG_ELEMENT* pOut, const uint8_t* pIn) {
  if (Version == 1) {
    memcpy(pOut->a, pIn, DSG_ELEMENT_SIZE);
  } else if (Version == 0) {
    memset(pOut->a, 0, DSG_ELEMENT_SIZE);
    memcpy(pOut->a, pIn, 12);  // type and rectangle
    uint32_t Type = DSG_Get32(pIn);
    if (Type == DSG_EL_FIELD || Type == DSG_EL_DISPLAY) {
      memcpy(pOut->a + 12, pIn + 12, 8);    // level and address
      memcpy(pOut->a + 20, pIn + 20, 16);   // colours, font, alignment
      memcpy(pOut->a + 36, pIn + 36, 4);    // text mode
      memcpy(pOut->a + 40, pIn + 40, 64);   // prefix and suffix
      pOut->a[104] = 1;
      pOut->a[105] = uint8_t(int8_t(-1));
    } else if (Type == DSG_EL_LINK) {
      memcpy(pOut->a, pIn, DSG_ELEMENT_SIZE);
    } else if (Type >= DSG_EL_TOGGLE && Type <= DSG_EL_MOMENTARY) {
      memcpy(pOut->a + 12, pIn + 12, 8);
      memcpy(pOut->a + 20, pIn + 20, 12);   // background flag, two text colours
      memcpy(pOut->a + 32, pIn + 32, 4);    // fonts and alignments
      memcpy(pOut->a + 36, pIn + 36, 64);   // state-0 text
      memcpy(pOut->a + 104, pIn + 100, 64); // state-1 text
      memcpy(pOut->a + 172, pIn + 164, 16); // background colours
    }
  } else {
    return -1;
  }
  uint32_t Type = pOut->Type();
  if ((Type == DSG_EL_FIELD && pOut->Font() >= DSG_NUM_FONTS) ||
      (Type >= DSG_EL_TOGGLE && Type <= DSG_EL_MOMENTARY && pOut->StateFont(0) >= DSG_NUM_FONTS)) {
    pOut->SetU32(0, DSG_EL_NONE);
  }
  return 0;
}
