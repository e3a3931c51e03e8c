#include <cstdio>
#include <cstring>
#include <string>

#include "APP_Hooks.h"
#include "APP_Host.h"
#include "CAN_Node.h"
#include "CHG_Log.h"
#include "DAT_File.h"
#include "FKT_Access.h"
#include "FKT_Registry.h"
#include "IO_Objects.h"
#include "PATH.h"
#include "SET_Objects.h"
#include "SYS_Clock.h"

APP_UI_HOOKS APP_UiHooks;
OS_MUTEX* APP_hDataMutex;
OS_SEM* APP_hUiSemaphore;
OS_EVENT* APP_hTickEvent;
OS_EVENT* APP_hMenuEvent;
std::atomic<int> APP_StopRequested;
std::atomic<int> APP_SaveRequested;
std::atomic<uint32_t> APP_SavesDone;
std::atomic<int> APP_LastSaveResult;
std::atomic<int> APP_Paused;
std::atomic<int> UI_StartupDone;
volatile uint32_t UI_PendingMessage;
const char APP_FunctionDataPath[] = "M0:\\funktionsdaten.dat";

namespace {

OS_TASK* _hTickTask;
OS_TASK* _hControlTask;
uint32_t _TickCount;
int _TextLanguage = -1;  // language whose texts were built last, -1 none

enum { _TICKS_PER_CYCLE = 10, _LED_GREEN_ON = 0x82 };

template <class T, size_t N>
void _Step(T (&a)[N]) {
  for (auto& o : a) {
    o.PullInputs();
    o.ControlStep();
  }
}

}  // namespace

void APP_InitController() {
  FKT_DeleteAll();
  IO_ResetAll();
  for (auto& r : IO_InputRecords) IO_InitInputRecord(&r);
  memset(IO_OutputChannels, 0, sizeof(IO_OutputChannels));
  memset(FKT_UserDesignations, 0, sizeof(FKT_UserDesignations));
  for (auto& e : FKT_AccessLevels) e.Level = FKT_LEVEL_USER;
  FKT_AccessTimeout = -1;
  _TickCount = 0;
  APP_ResetStatusLED();
  FKT_pfParameterChanged = CHG_ParameterChanged;
}

int APP_FactoryReset() {
  if (DAT_SaveFunctionDataFile("M0:\\_Backup.dat") != DAT_OK) return 0;  // never reset without a backup
  {
    APP_DATA_LOCK Lock;
    FKT_DeleteAll();
    IO_ResetAll();
    memset(FKT_UserDesignations, 0, sizeof(FKT_UserDesignations));
  }
  IO_WriteSimInputDesc();
  return 1;
}

void APP_CreateKernelObjects() {
  if (!APP_hDataMutex) APP_hDataMutex = OS_MutexCreate();
  if (!APP_hUiSemaphore) APP_hUiSemaphore = OS_SemCreate(1, 1);
  if (!APP_hTickEvent) APP_hTickEvent = OS_EventCreate(0, 0);
  if (!APP_hMenuEvent) APP_hMenuEvent = OS_EventCreate(0, 0);
}

// A "tmp.dat" that exists but is refused is moved aside to "tmp.dat.refused": the save at exit would otherwise
// overwrite the user's data with the factory state.
void APP_LoadStartupData() {
  char tmp[PATH_MAX_LEN];
  int r = DAT_ERR_OPEN;
  if (DAT_GetTmpFilePath(tmp, sizeof(tmp))) {
    r = DAT_LoadFunctionDataFile(tmp, 1);
    if (r != DAT_OK && r != DAT_ERR_OPEN) {
      std::string aside = std::string(tmp) + ".refused";
      int Moved = std::rename(tmp, aside.c_str()) == 0;
      // The user learns which file was refused, why, and where it is now.
      std::string Notice = std::string("Function data \"") + tmp + "\" refused: " + DAT_ErrorText(r) + "; " +
                           (Moved ? "moved to \"" + aside + "\"" : std::string("it could not be moved aside")) +
                           "; the controller starts without it.";
      APP_Report(Notice.c_str());
    }
  }
  if (r != DAT_OK) DAT_LoadFunctionDataFile(APP_FunctionDataPath, 1);
  IO_WriteSimInputDesc();
}

void APP_Tick10ms() {
  SYS_MsCounter += 10;
  IO_ReadSimInputs();
  if (++_TickCount % _TICKS_PER_CYCLE == 0 && APP_hTickEvent) OS_EventSet(APP_hTickEvent);
}

// The clock and the access grant are controller data: a change-log time stamp or a screen must never see them half
// written.
void APP_Tick1s() {
  int64_t now = APP_GetPcTime();
  APP_DATA_LOCK Lock;
  SYS_UpdateClock(now);
  FKT_AccessTick1s();
}

void APP_ControlCycle() {
  bool save;
  {
    APP_DATA_LOCK Lock;
    for (auto& in : IO_Inputs) in.ControlStep();
    _Step(IO_CanAnalogInputs);
    _Step(IO_CanDigitalInputs);
    _Step(IO_DlInputs);
    for (int i = 0; FKT_Registry[i]; i++) {
      FUNKTION_BASIS_PAR* p = FKT_Registry[i];
      if (!p->IsEnabled()) continue;
      p->PullInputs();
      p->PreStep();
      p->ControlStep();
      p->PostStep();
      p->ApplyOutputs();
      p->AfterOutput();
    }
    _Step(IO_Outputs);
    _Step(IO_CanAnalogOutputs);
    _Step(IO_CanDigitalOutputs);
    _Step(IO_DlOutputs);
    _Step(LOG_AnalogChannels);
    _Step(LOG_DigitalChannels);
    SET_CheckSettings();
    APP_SetStatusLED(_LED_GREEN_ON);
    save = APP_SaveRequested.exchange(0) != 0;
  }
  if (save) {
    APP_LastSaveResult = DAT_SaveFunctionDataFile(APP_FunctionDataPath);
    APP_SavesDone++;
  }
}

// Two periods, 10 ms and 1 s, kept against the millisecond clock so that a late wake-up does not drift.
void APP_TickThread(void*) {
  uint32_t next10 = APP_GetTime() + 10, next1s = APP_GetTime() + 1000;
  while (!APP_StopRequested) {
    uint32_t now = APP_GetTime();
    if (APP_Paused) {  // the controller stands still; afterwards it starts again from the time it resumes
      next10 = now + 10;
      next1s = now + 1000;
      OS_Sleep(10);
      continue;
    }
    if ((int32_t)(now - next10) >= 0) {
      APP_Tick10ms();
      next10 += 10;
      if ((int32_t)(now - next10) > 1000) next10 = now + 10;  // far behind (paused): start again from now
    }
    if ((int32_t)(now - next1s) >= 0) {
      APP_Tick1s();
      next1s += 1000;
      if ((int32_t)(now - next1s) > 1000) next1s = now + 1000;
    }
    int32_t wait = (int32_t)(next10 - APP_GetTime());
    OS_Sleep(wait > 0 ? wait : 0);
  }
}

// Without its tick event the wait would return at once; the thread then waits out a cycle instead of spinning.
void APP_ControlThread(void*) {
  while (!APP_StopRequested) {
    int r = OS_EventWait(APP_hTickEvent, 100);
    if (r == OS_WAIT_TAKEN && !APP_StopRequested)
      APP_ControlCycle();
    else if (r == OS_WAIT_ERROR)
      OS_Sleep(100);
  }
}

// A stop already requested (during start-up) stands: the threads see it and end at once.
void APP_StartThreads() {
  APP_CreateKernelObjects();
  if (!_hTickTask) _hTickTask = OS_CreateTask(APP_TickThread, nullptr, "Tick");
  if (!_hControlTask) _hControlTask = OS_CreateTask(APP_ControlThread, nullptr, "Control");
}

void APP_StopThreads() {
  APP_StopRequested = 1;
  if (APP_hTickEvent) OS_EventSet(APP_hTickEvent);
  OS_TaskJoin(_hTickTask);
  OS_TaskJoin(_hControlTask);
  _hTickTask = _hControlTask = nullptr;
}

void APP_FollowLanguage(int Force) {
  int language = SET_General.GetParameter(SET_GEN_PAR_LANGUAGE);
  if (language == _TextLanguage && !Force) return;
  _TextLanguage = language;
  if (APP_UiHooks.pfBuildTexts) APP_UiHooks.pfBuildTexts(language);
  IO_WriteSimInputDesc();  // the host's input names are the inputs' names in the new language
}

void APP_MainTask() {
  APP_InitController();
  if (APP_UiHooks.pfInitGui) APP_UiHooks.pfInitGui();
  APP_FollowLanguage(1);
  if (APP_UiHooks.pfLoadDesign) APP_UiHooks.pfLoadDesign();
  APP_LoadStartupData();
  APP_FollowLanguage(0);
  APP_CreateKernelObjects();
  SYS_UpdateClock(APP_GetPcTime());
  CHG_WriteRestart();
  CAN_StartNode();
  APP_StartThreads();
  if (APP_UiHooks.pfCreateMainScreen) APP_UiHooks.pfCreateMainScreen();
  UI_StartupDone = 1;
  while (!APP_StopRequested) {
    if (APP_UiHooks.pfExecGui)
      APP_UiHooks.pfExecGui();
    else
      OS_Sleep(10);
    if (OS_EventWait(APP_hMenuEvent, 0) == OS_WAIT_TAKEN) UI_PendingMessage = 0;
    if (APP_UiHooks.pfShowMessages) APP_UiHooks.pfShowMessages();
    APP_FollowLanguage(0);
  }
  APP_StopThreads();
}

void APP_SendBackMessage() {
  if (APP_UiHooks.pfSendBack) APP_UiHooks.pfSendBack();
}
