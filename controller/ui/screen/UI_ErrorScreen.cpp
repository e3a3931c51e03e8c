#include "UI_ErrorScreen.h"

#include <cstdio>

#include "GUI.h"
#include "GUI_Private.h"
#include "OS.h"
#include "WM.h"

void UI_ShowErrorScreen(uint32_t Code) {
  OS_Sleep(0); // let the other tasks finish what they draw
  GUI_LockGuard Lock;
  WM_Deactivate();
  GUI_SetBkColor(GUI_WHITE);
  GUI_Clear();
  GUI_SetColor(GUI_RED);
  GUI_DrawRoundedFrame(30, 30, 450, 242, 0, 5);
  char acText[16];
  std::snprintf(acText, sizeof acText, "ERROR %u", unsigned(Code & 0xFF));
  GUI_SetFont(&UI_Font24);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetTextAlign(GUI_TA_HCENTER | GUI_TA_VCENTER);
  GUI_DispStringAt(acText, 240, 120);
}
