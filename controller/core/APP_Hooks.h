// The controller application's kernel objects, its run state and the hooks through which the user-interface
// layer joins the main task. controller/core never calls the GUI directly: the UI layer installs APP_UiHooks
// before APP_MainTask runs; without them the main task only runs the controller.
#pragma once
#include <atomic>
#include <cstdint>

#include "OS.h"

struct APP_UI_HOOKS {
  void (*pfInitGui)(void);           // GUI library initialisation
  void (*pfBuildTexts)(int Language);  // text tables of the language (SET_General parameter 0); once the
                                       // screens exist it also shows the page again in the new language
  void (*pfLoadDesign)(void);        // branding and design files, prerendered widget images
  void (*pfCreateMainScreen)(void);  // main windows, message pop-ups; after the controller threads run
  void (*pfExecGui)(void);           // one pass of the GUI loop (messages, timers, repaints); may wait
  void (*pfShowMessages)(void);      // opens pop-ups for active message functions (after APP_hMenuEvent too)
  void (*pfReportLoadError)(int Status, const char* sPath);  // a function-data file was refused
  void (*pfSendBack)(void);          // the back message to the controller window on top (under the GUI lock)
};
extern APP_UI_HOOKS APP_UiHooks;

extern OS_MUTEX* APP_hDataMutex;  // over every controller object
// Holds the data mutex for its scope; before the kernel objects are made (one thread only) it holds nothing.
struct APP_DATA_LOCK {
  APP_DATA_LOCK() : Locked(APP_hDataMutex && OS_MutexLock(APP_hDataMutex, OS_INFINITE) == OS_WAIT_TAKEN) {}
  ~APP_DATA_LOCK() {
    if (Locked) OS_MutexUnlock(APP_hDataMutex);
  }
  APP_DATA_LOCK(const APP_DATA_LOCK&) = delete;
  APP_DATA_LOCK& operator=(const APP_DATA_LOCK&) = delete;
  bool Locked;
};
extern OS_SEM* APP_hUiSemaphore;  // binary: over the screens' object reads and writes
extern OS_EVENT* APP_hTickEvent;  // tick -> control cycle
extern OS_EVENT* APP_hMenuEvent;  // a message was acknowledged from the title bar

// Flags between threads are atomics; a one-shot request is taken with an exchange, so one set between a read and
// a clear is never lost.
extern std::atomic<int> APP_StopRequested;  // set by the host (or a test) to end the threads and the main task
extern std::atomic<int> APP_SaveRequested;  // the control cycle saves the function data when set
// The control cycle's saves: the number finished so far, and the result of the last one (DAT_OK or DAT_ERR_WRITE),
// set before the number moves. A screen that asked for a save waits for the number to move, then reads the result.
extern std::atomic<uint32_t> APP_SavesDone;
extern std::atomic<int> APP_LastSaveResult;
extern std::atomic<int> APP_Paused;         // set by the host while the application is paused: no ticks, no cycles
extern std::atomic<int> UI_StartupDone;  // 1 once the main task's start-up has finished (the host polls it)
extern volatile uint32_t UI_PendingMessage;
extern const char APP_FunctionDataPath[];  // "M0:\funktionsdaten.dat", saved on request

// Start-up pieces, in the order of APP_MainTask; each may be called alone by tests.
void APP_InitController();   // objects to factory state, records initialised
void APP_CreateKernelObjects();
void APP_LoadStartupData();  // the host's "tmp.dat", else the last saved function data; quiet
void APP_StartThreads();
void APP_StopThreads();      // sets APP_StopRequested and joins the threads
// Builds the texts (APP_UiHooks.pfBuildTexts) when the language setting differs from the language built last,
// or always with Force: the main task calls it at start-up and on every pass of its loop, so a language chosen on
// a settings page, written by another node or loaded with function data shows at once.
void APP_FollowLanguage(int Force);
// Saves the function data as "M0:\_Backup.dat", then puts every object back to its factory settings. 1 done.
int APP_FactoryReset();

// One 10-ms tick (system values, input-simulation records, tick event every 10th call), the 1-s part of the tick
// (clock from the PC, access-level countdown), and one control cycle. The threads call them; tests call them
// directly with a test clock instead of waiting.
void APP_Tick10ms();
void APP_Tick1s();
void APP_ControlCycle();

void APP_TickThread(void* pArg);
void APP_ControlThread(void* pArg);
// The application's main task. Before it runs, the host copies its settings into APP_UserFolder and the other
// APP_ settings (APP_Host.h), installs APP_HostHooks, and calls FKT_InstallFunctionModules() (controller/functions)
// so that function data holding function modules can be loaded; the UI layer installs APP_UiHooks.
void APP_MainTask();
// Called by the host for the extra mouse button: passes the back message on through APP_UiHooks.pfSendBack.
void APP_SendBackMessage();
