// Error, warning and log output of the host: into the log window, into the error log ("SimError.log", another
// name for further simulators running at once) and, for errors, into a message box. Callable from any thread
// (SIM_ErrorBox from the main thread); the main thread shows the box.
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include "SIM.h"
#include "SIM_Log.h"
#include "SIM_Windows.h"

static std::mutex _Mutex;         // guards the error log and the count
static FILE* _pErrorLog;
static bool _ErrorLogLacks;       // a text of this run did not reach the error log
static uint8_t _ErrorBox = 1;
static uint32_t _NumErrors;

static void _WriteErrorLog(const char* s) {
  std::lock_guard<std::mutex> Lock(_Mutex);
  if (!_pErrorLog) {
    _pErrorLog = fopen(SIM_GetErrorLogName(), "wb");  // afresh at the first error of a run
    if (!_pErrorLog) {
      _ErrorLogLacks = true;
      return;
    }
  }
  if (fputs("\r\n", _pErrorLog) < 0 || fputs(s, _pErrorLog) < 0 || fflush(_pErrorLog) != 0) _ErrorLogLacks = true;
}

static void _ShowBox(void* p) {
  std::string* pText = static_cast<std::string*>(p);
  PLAT_MessageBox(SIM_hDeviceWnd, pText->c_str(), SIM_GetTitle(), PLAT_BOX_WARNING);
  delete pText;
}

void SIM_ErrorOut(const char* s) {
  if (!s) s = "";
  LOG_AddEntry(1, s);
  if (_ErrorBox) {
    {
      std::lock_guard<std::mutex> Lock(_Mutex);
      _NumErrors++;
    }
    std::string* pText = new std::string(s);
    if (PLAT_PostCall(_ShowBox, pText)) delete pText;
  }
  _WriteErrorLog(s);
}

void SIM_ErrorBox(const char* s) {
  if (!s) s = "";
  LOG_AddEntry(1, s);
  if (!PLAT_IsWindowVisible(SIM_hDeviceWnd)) return;
  std::string* pText = new std::string(s);
  if (PLAT_PostCall(_ShowBox, pText)) delete pText;
}

void SIM_Warn(const char* s) {
  LOG_AddEntry(1, s ? s : "");
}

void SIM_Notice(const char* s) {
  if (!s) s = "";
  LOG_AddEntry(1, s);
  _WriteErrorLog(s);
}

void SIM_Log(const char* s) {
  if (!s) s = "";
  if (getenv("MERIDOX_DEBUG")) fputs(s, stderr);
  LOG_AddEntry(0, s);
}

uint8_t SIM_SetErrorBox(uint8_t OnOff) {
  uint8_t Old = _ErrorBox;
  _ErrorBox = OnOff;
  return Old;
}

uint32_t SIM_GetErrorCount(void) {
  std::lock_guard<std::mutex> Lock(_Mutex);
  return _NumErrors;
}

const char* SIM_GetErrorLogFile(void) {
  std::lock_guard<std::mutex> Lock(_Mutex);
  return (_pErrorLog && !_ErrorLogLacks) ? SIM_GetErrorLogName() : nullptr;
}

void SIM_CloseErrorLog(void) {
  std::lock_guard<std::mutex> Lock(_Mutex);
  if (_pErrorLog) fclose(_pErrorLog);
  _pErrorLog = nullptr;
  _ErrorLogLacks = false;
}
