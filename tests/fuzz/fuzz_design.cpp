// Fuzzes the readers of design, branding and overview-page files with the bytes of a whole file: the imports
// (without storing anything), the check of a dropped page file, and the bytes taken as a page record that the
// overview page builds, reads and paints.
#include <cstddef>
#include <cstdint>

#include "APP_Host.h"
#include "Controller.h"
#include "DSG_Design.h"
#include "FUNKTION_Meldung.h"
#include "GUI.h"
#include "UI_Main.h"
#include "UI_Overview.h"
#include "WM.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t Size) {
  static bool Initialized = [] {
    FKT_InstallFunctionModules();
    APP_InitController();
    FKT_pfParameterChanged = nullptr;
    APP_HostHooks.pfDelay = [](int) {};  // the pause between remote reads
    return GUI_Init() == 0 && (WM_Init(), true);
  }();
  DSG_REPORT Report;
  if (DSG_ImportDesignBytes(pData, Size, 1, &Report) == DSG_IMPORT_OK) {
    for (int n = 0; n < DSG_GetNumDesignPages(); n++) {
      const uint8_t* pPage;
      size_t NumBytes;
      if (DSG_GetDesignPage(n, &pPage, &NumBytes) != 0 || NumBytes < DSG_PAGE_HEADER_SIZE) __builtin_trap();
    }
  }
  DSG_ImportBrandingBytes(pData, Size, 1, &Report);
  DSG_CheckPageBytes(pData, Size, &Report);  // a dropped page file
  DSG_Forget();
  if (!Initialized) return 0;
  // The same bytes as a page: elements built, read from the own node and painted.
  UI_OverviewPageInstance.LoadRecord(0, pData, Size);
  if (UI_hOverviewWin) {
    UI_SendLoad(UI_hOverviewWin, UI_LOAD_MODE_FORCED);
    UI_SendLoaded(UI_hOverviewWin, UI_LOAD_MODE_REFRESH);
    WM_InvalidateWindowAndDescendants(UI_hOverviewWin);
    WM_Exec();
  }
  return 0;
}
