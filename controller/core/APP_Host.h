// What the controller needs of the host that runs it. The controller never includes host headers: the host
// installs these hooks and fills these settings at start-up, before it starts APP_MainTask.
#pragma once
#include <cstdint>

struct APP_HOST_HOOKS {
  void (*pfRefreshInputSim)(void);    // the input descriptors changed: rebuild the input-simulation rows
  void (*pfSetStatusLED)(uint8_t State);  // bit 7 on, bits 0-1 colour (1 red, 2 green, 3 orange), bit 6 flag
  void (*pfDelay)(int Ms);            // waits; the host may stop or pause the calling thread here
  uint32_t (*pfGetTime)(void);        // millisecond counter
  int64_t (*pfGetPcTime)(void);       // the PC clock: seconds since 1970-01-01 UTC
  // A notice for the user about the controller's data (a file set aside, say): the host shows it in its log and
  // keeps it in its error log. The text is data, never a format.
  void (*pfReport)(const char* s);
};
extern APP_HOST_HOOKS APP_HostHooks;

enum { APP_PATH_MAX = 512 };
// Copies of the host's settings (its per-user folder, its folder in the documents folder, command line and start
// flag), filled by the host before APP_MainTask starts; tests point the folders at temporary folders.
extern char APP_UserFolder[APP_PATH_MAX];       // per-user folder ("tmp.dat"); empty = current folder
extern char APP_DocumentsFolder[APP_PATH_MAX];  // "MERIDOX-Simulator" in the documents folder ("Intern" below it)
extern const char* APP_CommandLine;
extern int APP_WizFlag;

// Millisecond counter and PC clock through the hooks (steady clock and system clock when none is set).
uint32_t APP_GetTime();
int64_t APP_GetPcTime();
// Passes a notice to the host (APP_HOST_HOOKS::pfReport); without a host it goes to stderr.
void APP_Report(const char* s);
// Sets the status LED; the host hears of it only when the state changes.
void APP_SetStatusLED(uint8_t State);
uint8_t APP_GetStatusLED();
void APP_ResetStatusLED();  // forgets the state (start-up), without telling the host
