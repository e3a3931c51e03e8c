// The screens' start-up.
#include "UI_Startup.h"

#include "UI_Calendar.h"
#include "UI_Dialog.h"
#include "UI_MenuPage.h"
#include "UI_TextEntry.h"

#include "APP_Hooks.h"
#include "DSG_Design.h"
#include "GUI_MEMDEV.h"
#include "TXT_Language.h"
#include "UI_GraphicsCache.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"
#include "UI_MessageScreen.h"
#include "UI_Overview.h"
#include "WM_Motion.h"

namespace {

enum { _FLING_PERIOD_MS = 1000, _EXEC_WAIT_MS = 10 };

}  // namespace

void UI_InitGui(void) {
  GUI_Init();
  WM_Init();
  GUI_MEMDEV__Init();
  WM_MOTION_Enable(1);
}

// The stored branding and design, then the prerendered images that follow them.
void UI_LoadDesign(void) {
  DSG_LoadStoredFiles();
  UI_LoadGraphics();
}

void UI_CreateMainScreen(void) {
  GUI_Lock();
  WM_SetCreateFlags(WM_CF_MEMDEV);
  WM_MOTION_SetDefaultPeriod(_FLING_PERIOD_MS);
  UI_CreateMainWindows();
  GUI_Unlock();
}

void UI_ExecGui(void) {
  // The back button looks darker until the start-up has finished: paint it once more when it has.
  static int s_StartupSeen;
  if (UI_StartupDone && !s_StartupSeen) {
    s_StartupSeen = 1;
    GUI_Lock();
    if (UI_hBackButton) WM_InvalidateWindow(UI_hBackButton);
    GUI_Unlock();
  }
  DSG_ServeRequests();  // design and branding files dropped on the display
  GUI_Delay(_EXEC_WAIT_MS);
}

void UI_SendBack(void) {
  if (!UI_hBackButton) return;  // the screens are not up yet
  GUI_Lock();
  if (UI_hBackButton) {
    if (WM_GetCallback(UI_hBackButton) == UI_SideButtonCallback) {
      UI_SideButtonBack();
    } else {
      WM_SendMessageNoPara(WM_IsVisible(UI_hMainWin) ? UI_hMainWin : UI_hBackgroundWin, UI_MSG_BACK);
    }
  }
  GUI_Unlock();
}

namespace {

// Shows the texts of a newly built language: the shown page is read again (its titles and names come from the
// controller in the current language) at its scroll position, and every window is painted again.
void _ShowNewTexts(void) {
  if (!UI_hBackgroundWin) return;  // the screens are not up yet: they are made in the new language
  GUI_Lock();
  if (UI_hBackgroundWin && WM_IsVisible(UI_hBackgroundWin)) {
    UI_MenuStackInstance.Reload(UI_GetPageScrollOffset());
  }
  WM_InvalidateWindowAndDescendants(WM_GetDesktopWindow());
  GUI_Unlock();
}

}  // namespace

int UI_SetLanguage(int Language) {
  if (TXT_SelectLanguage(Language) != 0) return 1;
  _ShowNewTexts();
  return 0;
}

void UI_BuildTexts(int Language) {
  TXT_BuildTexts(Language);
  _ShowNewTexts();
}

void UI_InstallStartup(void) {
  APP_UiHooks.pfInitGui = UI_InitGui;
  APP_UiHooks.pfBuildTexts = UI_BuildTexts;
  APP_UiHooks.pfLoadDesign = UI_LoadDesign;
  APP_UiHooks.pfCreateMainScreen = UI_CreateMainScreen;
  UI_InstallMenuPages();
  UI_InstallTextEntry();
  UI_InstallCalendar();
  UI_InstallDialogs();
  UI_InstallOverview();
  UI_InstallMessageScreens();
  APP_UiHooks.pfExecGui = UI_ExecGui;
  APP_UiHooks.pfSendBack = UI_SendBack;
}
