// The callbacks of the two main windows: the menu layout's background (UI_hBackgroundWin) and the design window
// of the overview layout (UI_hMainWin). Both route the forwarded side-button messages to the open screen and
// refresh the visible page every second.
#pragma once
#include "WM.h"

void UI_BackgroundCallback(WM_MESSAGE* pMsg);
void UI_DesignBackgroundCallback(WM_MESSAGE* pMsg);

// The loaded design, installed by the design-file module: its layout byte (0 without a design) and a routine
// that draws its picture at 0,0 (null when the design has none).
struct UI_DESIGN_HOOKS {
  int (*pfGetLayout)(void);
  void (*pfDrawPicture)(void);
};
extern UI_DESIGN_HOOKS UI_DesignHooks;
// 0 without a loaded design, else the design header's layout byte (1 = full-screen layout).
int UI_IsDesignLayout(void);
