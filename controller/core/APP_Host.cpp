#include "APP_Host.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "SIM_Input.h"

APP_HOST_HOOKS APP_HostHooks;
char APP_UserFolder[APP_PATH_MAX];
char APP_DocumentsFolder[APP_PATH_MAX];
const char* APP_CommandLine = "";
int APP_WizFlag;

SIM_INPUT_VALUE SIM_InputValues[SIM_NUM_INPUTS];
SIM_INPUT_DESC SIM_InputDescs[SIM_NUM_INPUTS];
SIM_INPUT_TABLE SIM_InputTable = {0, SIM_NUM_INPUTS, SIM_InputDescs, SIM_InputValues};

static uint8_t _LedState;

uint32_t APP_GetTime() {
  if (APP_HostHooks.pfGetTime) return APP_HostHooks.pfGetTime();
  using namespace std::chrono;
  static const auto t0 = steady_clock::now();
  return (uint32_t)duration_cast<milliseconds>(steady_clock::now() - t0).count();
}

int64_t APP_GetPcTime() {
  if (APP_HostHooks.pfGetPcTime) return APP_HostHooks.pfGetPcTime();
  return (int64_t)std::time(nullptr);
}

void APP_Report(const char* s) {
  if (!s) return;
  if (APP_HostHooks.pfReport) {
    APP_HostHooks.pfReport(s);
  } else {
    std::fputs(s, stderr);
    std::fputc('\n', stderr);
  }
}

void APP_SetStatusLED(uint8_t State) {
  if (State == _LedState) return;
  _LedState = State;
  if (APP_HostHooks.pfSetStatusLED) APP_HostHooks.pfSetStatusLED(State);
}

uint8_t APP_GetStatusLED() { return _LedState; }

void APP_ResetStatusLED() { _LedState = 0; }
