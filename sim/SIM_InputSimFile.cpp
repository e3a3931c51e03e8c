// The 16 simulated input records and their file "Info1.sim": 16 records of 64 bytes, little-endian, read and
// written field by field. A record that was damaged in the file starts with the defaults, so one bad row does
// not carry a fault or a mode the window cannot show into the controller.
#include <cstdio>
#include <cstring>

#include "PATH.h"
#include "SIM_InputSim.h"

enum {
  _OFF_VALUE = 0, _OFF_MODE = 4, _OFF_FAULT = 8, _OFF_MIN = 12, _OFF_MAX = 32, _OFF_RESERVED = 52,
  _TEXT_SIZE = 20,
};
static_assert(_OFF_RESERVED + sizeof(SIM_INPUT_VALUE::aReserved) == SIM_INPUT_VALUE_FILE_SIZE);
static_assert(sizeof(SIM_INPUT_VALUE::acMin) == _TEXT_SIZE && sizeof(SIM_INPUT_VALUE::acMax) == _TEXT_SIZE);

static int32_t _ReadI32(const uint8_t* p) {
  return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

static void _WriteI32(uint8_t* p, int32_t v) {
  for (int i = 0; i < 4; i++) p[i] = uint8_t(uint32_t(v) >> (8 * i));
}

static int _IsTerminated(const uint8_t* p) { return memchr(p, 0, _TEXT_SIZE) != nullptr; }

// The text up to its terminator; the record's bytes behind it stay zero, as the file gets them back.
static void _CopyText(char* pDest, const uint8_t* pSrc) {
  memcpy(pDest, pSrc, strnlen(reinterpret_cast<const char*>(pSrc), _TEXT_SIZE - 1));
}

void SIM_SetInputDefaults(SIM_INPUT_VALUE* pValue) {
  memset(pValue, 0, sizeof(*pValue));
  strcpy(pValue->acMin, "0");
  strcpy(pValue->acMax, "100");
}

// One record from its 64 bytes; 0 when a field holds what no row can show.
static int _DecodeRecord(const uint8_t* p, SIM_INPUT_VALUE* pValue) {
  int32_t Mode = _ReadI32(p + _OFF_MODE);
  int32_t Fault = _ReadI32(p + _OFF_FAULT);
  if (Mode < 0 || Mode >= SIM_NUM_ROOM_MODES) return 0;
  if (Fault != SIM_FAULT_NONE && Fault != SIM_FAULT_SHORT && Fault != SIM_FAULT_INTERRUPTION) return 0;
  if (!_IsTerminated(p + _OFF_MIN) || !_IsTerminated(p + _OFF_MAX)) return 0;
  memset(pValue, 0, sizeof(*pValue));
  pValue->Value = _ReadI32(p + _OFF_VALUE);
  pValue->RoomMode = Mode;
  pValue->Fault = Fault;
  _CopyText(pValue->acMin, p + _OFF_MIN);
  _CopyText(pValue->acMax, p + _OFF_MAX);
  return 1;
}

int SIM__DecodeInputValues(const uint8_t* pData, size_t NumBytes, SIM_INPUT_VALUE* paValue) {
  int NumDefaults = 0;
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    size_t Off = size_t(i) * SIM_INPUT_VALUE_FILE_SIZE;
    bool Complete = pData && NumBytes >= Off + SIM_INPUT_VALUE_FILE_SIZE;
    if (!Complete || !_DecodeRecord(pData + Off, &paValue[i])) {
      SIM_SetInputDefaults(&paValue[i]);
      NumDefaults++;
    }
  }
  return NumDefaults;
}

void SIM__EncodeInputValues(const SIM_INPUT_VALUE* paValue, uint8_t* pData) {
  memset(pData, 0, SIM_INPUTSIM_FILE_SIZE);
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    uint8_t* p = pData + i * SIM_INPUT_VALUE_FILE_SIZE;
    const SIM_INPUT_VALUE& r = paValue[i];
    _WriteI32(p + _OFF_VALUE, r.Value);
    _WriteI32(p + _OFF_MODE, r.RoomMode);
    _WriteI32(p + _OFF_FAULT, r.Fault);
    // The texts up to their terminator only: what lies behind it in memory is not the file's business.
    size_t nMin = strnlen(r.acMin, _TEXT_SIZE - 1);
    size_t nMax = strnlen(r.acMax, _TEXT_SIZE - 1);
    memcpy(p + _OFF_MIN, r.acMin, nMin);
    memcpy(p + _OFF_MAX, r.acMax, nMax);
  }
}

static void _MakePath(const char* pFolder, char* pPath, size_t Size) {
  if (pFolder && *pFolder) {
    snprintf(pPath, Size, "%s/Info1.sim", pFolder);
  } else {
    snprintf(pPath, Size, "Info1.sim");
  }
}

int SIM_LoadInputSim(const char* pFolder) {
  char acPath[600];
  _MakePath(pFolder, acPath, sizeof(acPath));
  uint8_t aData[SIM_INPUTSIM_FILE_SIZE];
  size_t NumBytes = 0;
  if (FILE* pFile = fopen(acPath, "rb")) {
    NumBytes = fread(aData, 1, sizeof(aData), pFile);
    fclose(pFile);
  }
  memset(SIM_InputDescs, 0, sizeof(SIM_InputDescs));  // the application fills them once it runs
  return SIM__DecodeInputValues(aData, NumBytes, SIM_InputValues);
}

int SIM_SaveInputSim(const char* pFolder) {
  char acPath[600];
  _MakePath(pFolder, acPath, sizeof(acPath));
  uint8_t aData[SIM_INPUTSIM_FILE_SIZE];
  SIM__EncodeInputValues(SIM_InputValues, aData);
  return PATH_WriteFileAtomic(acPath, aData, sizeof(aData)) ? 0 : 1;
}
