// Fuzzes the builder of the structured pages with the element records a node may deliver: conditions, nested
// repetitions, value sources and labels, built into a window and loaded against the own node's objects.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "Controller.h"
#include "FUNKTION_Meldung.h"
#include "GUI.h"
#include "UI_ElementStruct.h"
#include "UI_Main.h"
#include "WM.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t Size) {
  static bool Initialized = [] {
    FKT_InstallFunctionModules();
    APP_InitController();
    FKT_pfParameterChanged = nullptr;
    return GUI_Init() == 0 && (WM_Init(), true);
  }();
  if (!Initialized || Size < 4) return 0;
  // The records as the menu buffer holds them: a multiple of four bytes and an end record behind them.
  static uint8_t aRec[1024 + 4];
  size_t n = Size > 1024 ? 1024 : Size & ~size_t(3);
  memcpy(aRec, pData, n);
  memset(aRec + n, 0, 4);
  uint32_t Menu = 0x5101u | uint32_t(pData[0] & 3) << 16;
  WM_HWIN hInner = WM_CreateWindowAsChild(0, 0, 345, 500, WM_GetDesktopWindow(), 0, UI_StructInnerCallback, 0);
  uint8_t* pFill = UI_MenuStackInstance.GetPageArea();
  const uint8_t* pEnd = aRec + n;
  for (const uint8_t* r = aRec; r < pEnd && (r[0] || r[1]);)
    r += 4 * UI_BuildStructuredPage(hInner, Menu, r, &pFill, pEnd);
  WM_SendMessageNoPara(hInner, UI_MSG_REFRESH);
  UI_SendLoad(hInner, 0);
  UI_LayoutStructuredRows(hInner);
  WM_DeleteWindow(hInner);
  return 0;
}
