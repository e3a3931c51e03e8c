// The simulation host's operations for the application and the GUI library: the application and task threads,
// delays and time, the lock under GUI_Lock, error, warning and log output, host configuration, keyboard
// translation, and the host globals that the application reads.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

/*********************************************************************
*
*       Host globals
*/
extern const char* SIM_CommandLine;   // the command line as one text (words joined by blanks)
extern char SIM_HostText[512];        // the simulator's folder in the documents folder ("" when not made)
extern char SIM_UserFolder[512];      // the per-user folder ("" when not made)
extern char SIM_PagesFolder[512];     // folder of the overview pages, set by dropping a ".q7f" file
extern int SIM_Zoom;                  // display magnification 1 to 8 from the command line
extern int SIM_WizFlag;               // 1 when the command line holds "Wiz"

/*********************************************************************
*
*       Application and task threads
*/
void SIM_StartApp(void);
int SIM_StopApp(void);      // 0: the thread left within about 200 ms; 1: it was let go (see SIM_StopApp)
void SIM_SuspendApp(void);
void SIM_ResumeApp(void);
int SIM_IsAppRunning(void);
int SIM_IsAppSuspended(void);
int SIM_CreateTask(const char* pReserved, void (*pfRoutine)(void));
void SIM_SetAppTask(void (*pfTask)(void));  // the body of the application thread (APP_MainTask by default)

/*********************************************************************
*
*       Sleeping, waiting, time
*/
typedef int SIM_DELAY_HOOK(int ms);   // waits, returns SIM_GetTime
typedef void SIM_IDLE_HOOK(void);
void SIM_Delay(int ms);
void SIM_DelayMs(int ms);
void SIM_Idle(void);
int SIM_GetTime(void);
void SIM_SetDelayHook(SIM_DELAY_HOOK* pfHook);
void SIM_SetIdleHook(SIM_IDLE_HOOK* pfHook);
int SIM__DelayHook(int ms);   // the application-thread sleeps installed at start-up
void SIM__IdleHook(void);
void SIM_InitTime(void);      // time base: SIM_GetTime counts from here

/*********************************************************************
*
*       GUI lock
*/
void* SIM_CreateLock(void);
void SIM_Lock(void);
void SIM_Unlock(void);
void SIM_InitOS(void);
int SIM__IsLockOwner(void);   // the calling thread holds the host lock

/*********************************************************************
*
*       Outputs. Texts are data: they are shown as they are, never used as a format.
*/
void SIM_ErrorOut(const char* s);
void SIM_Warn(const char* s);
void SIM_Log(const char* s);
void SIM_Notice(const char* s);           // marked in the log and kept in the error log, without a message box
uint8_t SIM_SetErrorBox(uint8_t OnOff);   // returns the previous flag
uint32_t SIM_GetErrorCount(void);
void SIM_CloseErrorLog(void);
// The error log's name (SIM_GetErrorLogName) once this run has made it and every text of the run reached it; else
// null (the working folder cannot be written, the disk is full), so that nobody is sent to a file that does not
// say why.
const char* SIM_GetErrorLogFile(void);
// Errors of the host's own set-up (the skin regions): logged, and shown in a message box while the main window is
// visible, so that errors during start-up stay silent. Main thread.
void SIM_ErrorBox(const char* s);

/*********************************************************************
*
*       Host configuration
*/
void SIM_SetLCDPos(int x, int y);
void SIM_GetLCDPos(int* px, int* py);
int SIM_SetMag(int xMag, int yMag);       // each axis takes a value of 1 to 8; returns 0, or 1 when one was refused
int SIM_GetXMag(void);
int SIM_GetYMag(void);
uint32_t SIM_SetTransColor(uint32_t Color);
uint32_t SIM_GetTransColor(void);
int SIM_SetTimeFactor(int Factor);
int SIM_GetTimeFactor(void);
void SIM_SetDeviceMode(int OnOff);
int SIM_GetDeviceMode(void);
void SIM_SetDeviceWindowOffset(int x, int y);
void SIM_GetDeviceWindowOffset(int* px, int* py);
void SIM_SetConfigFlag(void);
int SIM_GetConfigFlag(void);
void SIM_SetCompositeSize(uint16_t xSize, int ySize);
void SIM_GetCompositeSize(int* pxSize, int* pySize);
void SIM_SetCompositeColor(uint32_t Color);
uint32_t SIM_GetCompositeColor(void);
int SIM_SetPopupDisabled(int OnOff);
int SIM_GetPopupDisabled(void);
void SIM_SetTransparencyRange(int Layer, uint32_t Min, uint32_t Max);
void SIM_SetCompositeMode(int Layer, uint32_t Mode);
uint32_t SIM_SetLCDTintDark(int Layer, uint32_t Color);
uint32_t SIM_SetLCDTintLight(int Layer, uint32_t Color);
uint8_t SIM_SetAppByte(uint8_t Value);
typedef struct { void* hWndMain; void* apReserved[3]; } SIM_MAINWINDOW_INFO;
typedef void SIM_MAINWINDOW_HOOK(const SIM_MAINWINDOW_INFO* pInfo);
void SIM_SetMainWindowHook(SIM_MAINWINDOW_HOOK* pfHook);
SIM_MAINWINDOW_HOOK* SIM_GetMainWindowHook(void);
// Sees every message of an LCD window first; returns 0 when it handled the message (result in *pResult).
typedef int SIM_LCD_MSG_HOOK(void* hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam, intptr_t* pResult);
extern SIM_LCD_MSG_HOOK* SIM_pfLCDMsgHook;
void SIM_SetLCDMsgHook(SIM_LCD_MSG_HOOK* pfHook);

// Called by the application from any thread; the work is done on the main thread.
void SIM_RefreshInputSim(void);
// One pixel (0xRRGGBB) at x, y of the LCD window, drawn over what it shows until that repaints.
void SIM_SetPixelLCD(int x, int y, uint32_t Color);
void SIM_SetStatusLED(int Code);
int SIM_GetStatusLED(void);

/*********************************************************************
*
*       Keyboard
*/
void SIM_HandleKeyMsg(uint32_t Msg, uintptr_t wParam);
int SIM__GetValueTextWidth(uint8_t Decimals, int32_t Value);

/*********************************************************************
*
*       Folders (see SIM_Paths.cpp)
*/
void SIM_InitFolders(void);
// This simulator's claim on the per-user folder (see SIM_Instance.cpp), after SIM_InitFolders. 0: the folder is
// this simulator's (or no lock can tell simulators apart there); n >= 2: another simulator holds it, and
// SIM_UserFolder is now the folder "Instance n" below it; -1: every instance folder is held too, and this
// simulator must save nothing into the folder. A further simulator says so in the log and a box once the windows
// run.
int SIM_ClaimUserFolder(void);
void SIM_ReleaseUserFolder(void);   // at the end of a run: the folder is free for another simulator
// The offset of this simulator's window from where the first one's opens, so that one does not hide the other.
void SIM_GetWindowShift(int* pdx, int* pdy);
// The error log in the working folder: "SimError.log" for the first simulator, "SimError_2.log" ... for others.
const char* SIM_GetErrorLogName(void);
// The documents folder that the text of a user-dirs file names ("" when none): the last XDG_DOCUMENTS_DIR line
// with an absolute path, $HOME at its start replaced by Home.
std::string SIM__DocumentsFromUserDirs(const char* pText, size_t Size, const std::string& Home);

/*********************************************************************
*
*       Start-up
*/
int SIM_Main(int argc, char** argv);
// The shared frame-buffer mapping and the GUI library's configuration: afterwards the layers, their sizes and
// colour depths are known. 0 on success; 1 when no display could be made, which a message box has said.
int SIM_InitDisplay(void);

// Tests: replaces the 10 ms wait of one sleep step (0 restores it).
void SIM__SetStepWait(void (*pfWait)(void));
void SIM__SetClock(uint32_t (*pfClock)(void));   // the millisecond clock under SIM_GetTime (0: the PC's)
void SIM__ParseCommandLine(const char* s);       // "Mag" and "Wiz"
int SIM__GetNumPaused(void);   // host threads that wait in a pause now
int SIM__GetNumLetGo(void);    // application threads that were let go and still run
void SIM__SignalEvent(void);   // wakes a host thread waiting in SIM_Idle
