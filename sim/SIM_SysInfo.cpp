// The system-information window: a small window above all others that shows the GUI heap's free and used bytes
// and its used blocks, refreshed every 100 ms.
#include <cstdio>
#include <cstring>

#include "SIM_Bridge.h"
#include "SIM_Frames.h"
#include "SIM_Windows.h"

const char SIM_CLASS_SYSINFO[] = "GUI SysInfo";

enum { _TIMER_REFRESH = 0, _REFRESH_MS = 100, _XSIZE = 300, _YSIZE = 75 };

void SIM__GetSysInfoTexts(SIM_SYSINFO_TEXT* paText) {
  int NumFreeBytes, NumUsedBytes, NumUsedBlocks;
  SIM__GuiGetHeapInfo(&NumFreeBytes, &NumUsedBytes, &NumUsedBlocks);
  paText[0] = {5, 5, "Bytes [Free / Used]:"};
  paText[1] = {5, 25, "Used memory blocks:"};
  paText[2] = {150, 5, ""};
  snprintf(paText[2].acText, sizeof(paText[2].acText), "%d / %d", NumFreeBytes, NumUsedBytes);
  paText[3] = {150, 25, ""};
  snprintf(paText[3].acText, sizeof(paText[3].acText), "%d", NumUsedBlocks);
}

static void _Paint(PLAT_HWIN hWin) {
  SIM_SYSINFO_TEXT aText[SIM_SYSINFO_NUM_TEXTS];
  SIM__GetSysInfoTexts(aText);
  PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
  if (!hdc) return;
  PLAT_SetTextColor(hdc, 0x000000);
  for (const SIM_SYSINFO_TEXT& Text : aText) {
    PLAT_DrawText(hdc, Text.x, Text.y, Text.acText, int(strlen(Text.acText)));
  }
  PLAT_EndPaint(hWin, hdc);
}

static intptr_t _WndProcSysInfo(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  switch (Msg) {
  case PLAT_MSG_CREATE:
    PLAT_SetTimer(hWin, _TIMER_REFRESH, _REFRESH_MS);
    break;
  case PLAT_MSG_DESTROY:
    PLAT_KillTimer(hWin, _TIMER_REFRESH);
    break;
  case PLAT_MSG_TIMER:
    PLAT_Invalidate(hWin, 1);
    break;
  case PLAT_MSG_PAINT:
    _Paint(hWin);
    break;
  default:
    break;
  }
  return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
}

// At the top left of the desktop; its size is that of a dialog-framed window of 300 x 75 with a caption.
PLAT_HWIN SIM__CreateSysInfo(void) {
  char acTitle[64];
  snprintf(acTitle, sizeof(acTitle), "%s System Info", SIM_GetTitle());
  if (PLAT_HWIN hWin = PLAT_FindWindow(SIM_CLASS_SYSINFO, acTitle)) {
    PLAT_RaiseWindow(hWin);
    return hWin;
  }
  int xFrame = PLAT_GetSystemMetric(PLAT_SM_CXDLGFRAME), yFrame = PLAT_GetSystemMetric(PLAT_SM_CYDLGFRAME);
  PLAT_CREATE Create = {SIM_CLASS_SYSINFO, acTitle, _WndProcSysInfo, nullptr, 0, 0, _XSIZE - 2 * xFrame,
                        _YSIZE - PLAT_GetSystemMetric(PLAT_SM_CYCAPTION) - 2 * yFrame,
                        PLAT_STYLE_TOOL | PLAT_STYLE_VISIBLE, 0xFFFFFF, 0};
  return PLAT_CreateWindow(&Create);
}
