// The inner window of the panel tests: a white page with one line of text.
#pragma once
#include "GUI.h"
#include "WM.h"

inline void PanelTestInnerCallback(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    GUI_SetBkColor(GUI_WHITE);
    GUI_Clear();
    GUI_SetColor(0x303030);
    GUI_SetFont(&UI_Font15);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringAt("Panel page", 20, 20);
    return;
  }
  if (pMsg->MsgId > WM_USER) return;
  WM_DefaultProc(pMsg);
}
