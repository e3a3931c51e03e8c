// Start-up and shut-down of the library and its configuration.
#include "GUI_Private.h"

namespace {

const GUI_CONFIG_API* _pConfig;
bool _Configured;
bool _Initialized;
GUI_REGISTER_EXIT* _pFirstExit;

}  // namespace

void GUI_SetConfigAPI(const GUI_CONFIG_API* pAPI) { _pConfig = pAPI; }

void GUI_ConfigDefaultGUI(void) {
  GUI_ALLOC_SetAvBlockSize(GUI_DEFAULT_AV_BLOCK_SIZE);
  GUI_ALLOC_AssignMemory(nullptr, GUI_DEFAULT_HEAP_SIZE);
}

void GUI_ConfigDefaultLCD(void) {
  if (GUI_DEVICE_CreateAndLink(&LCD_SIMDRV_API, &LCD_aColorConvAPI[LCD_CC_BGR565], 0, 0)) {
    LCD_SetSizeEx(0, GUI_DEFAULT_XSIZE, GUI_DEFAULT_YSIZE);
    LCD_SetVSizeEx(0, GUI_DEFAULT_VXSIZE, GUI_DEFAULT_VYSIZE);
  }
}

void GUI__ConfigOnce(void) {
  GUITASK_Init();
  GUI_Lock();
  if (!_Configured) {
    _Configured = true;
    if (_pConfig && _pConfig->pfConfigGUI) {
      _pConfig->pfConfigGUI();
    } else {
      GUI_ConfigDefaultGUI();
    }
    if (_pConfig && _pConfig->pfConfigLCD) {
      _pConfig->pfConfigLCD();
    } else {
      GUI_ConfigDefaultLCD();
    }
  }
  GUI_Unlock();
}

// The calling task's drawing context with the defaults, on the display.
static void _SetUpContext(void) {
  GUI__InitContext(GUI_pContext);
  GUI_SetDefault();
  GUI_SelectLCD();
}

int GUI_Init(void) {
  GUI__ConfigOnce();
  GUI_Lock();
  int r = 0;
  if (!_Initialized) {
    _SetUpContext();
    if (!GUI_ALLOC_IsInitialized() || !GUI_aDevice[0]) {
      GUI_ErrorOut("GUI_Init:\nNo heap or no display in GUI_Init()");
      r = 1;
    }
    _Initialized = true;
    GUITASK__MarkContextReady();
  } else if (!GUITASK__MarkContextReady()) {
    // Another task initialised the library after this one had taken the lock (while configuring, say): this
    // task's context never got the defaults, and drawing through it would use null index pointers.
    _SetUpContext();
  }
  GUI_Unlock();
  return r;
}

int GUI_IsInitialized(void) { return _Initialized; }

void GUI__RegisterExit(GUI_REGISTER_EXIT* pRegisterExit) {
  if (!pRegisterExit) {
    return;
  }
  GUI_Lock();
  for (GUI_REGISTER_EXIT* p = _pFirstExit; p; p = p->pNext) {
    if (p == pRegisterExit) {
      GUI_Unlock();
      return;
    }
  }
  pRegisterExit->pNext = _pFirstExit;
  _pFirstExit = pRegisterExit;
  GUI_Unlock();
}

void GUI_Exit(void) {
  GUI_Lock();
  while (_pFirstExit) {
    GUI_REGISTER_EXIT* p = _pFirstExit;
    _pFirstExit = p->pNext;
    p->pNext = nullptr;
    if (p->pfVoid) {
      p->pfVoid();
    }
  }
  GUI__AlphaExit();
  GUI_DEVICE__Exit();
  LCD_SIMDRV__Exit();
  GUI_ALLOC__Exit();
  GUITASK__Exit();
  GUI__InitContext(GUI_pContext);
  _Configured = false;
  _Initialized = false;
  GUI_Unlock();
}
