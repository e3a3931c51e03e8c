// Fuzzes the readers of design, branding and overview-page files with the bytes of a whole file: the imports
// (without storing anything) and the page check with the element upgrade that the overview pages use.
#include <cstddef>
#include <cstdint>

#include "DSG_Design.h"
#include "DSG_Element.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t Size) {
  DSG_REPORT Report;
  if (DSG_ImportDesignBytes(pData, Size, 1, &Report) == DSG_IMPORT_OK) {
    for (int n = 0; n < DSG_GetNumDesignPages(); n++) {
      const uint8_t* pPage;
      size_t NumBytes;
      if (DSG_GetDesignPage(n, &pPage, &NumBytes) != 0) __builtin_trap();
      if (NumBytes < DSG_PAGE_HEADER_SIZE) __builtin_trap();  // the import checked every page
    }
  }
  DSG_ImportBrandingBytes(pData, Size, 1, &Report);
  if (DSG_CheckPage(pData, Size, 0) == DSG_PAGE_OK || (Size >= DSG_PAGE_HEADER_SIZE && pData[0] == 'q')) {
    DSG_PAGE_INFO Info;
    if (Size >= DSG_PAGE_HEADER_SIZE) {
      DSG_ReadPageHeader(pData, &Info);
      DSG_ELEMENT e;
      for (size_t i = 0; i < Info.NumElements && DSG_PageRecordsSize(unsigned(i + 1)) <= Size; i++) {
        DSG_UpgradeElement(Info.Version, &e, pData + DSG_PageRecordsSize(unsigned(i)));
      }
    }
  }
  DSG_Forget();
  return 0;
}
