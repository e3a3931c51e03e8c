// The input-simulation records shared by the host and the controller: the host writes the 16 values (and keeps
// them in "Info1.sim", 16 records of 64 bytes, which it reads and writes field by field), the controller's tick
// reads them every 10 ms; the controller writes one row descriptor per input.
#pragma once
#include <cstdint>

#include "SYS_Shared.h"

enum { SIM_NUM_INPUTS = 16, SIM_INPUT_VALUE_FILE_SIZE = 64 };

struct SIM_INPUT_VALUE {
  // Written by the host's window thread while the tick reads them.
  SYS_SHARED<int32_t> Value;     // in the smallest step of the input's unit; the controller uses the low 16 bits
  SYS_SHARED<int32_t> RoomMode;  // 0 "Zeit/Auto", 1 "Normal", 2 "Abgesenkt", 3 "Standby"
  SYS_SHARED<int32_t> Fault;     // 0 none, 2 short circuit, 3 interruption
  char acMin[20];                // minimum as text, NUL-terminated
  char acMax[20];                // maximum as text, NUL-terminated
  uint8_t aReserved[12];
};
static_assert(sizeof(SIM_INPUT_VALUE) == SIM_INPUT_VALUE_FILE_SIZE);

struct SIM_INPUT_DESC {
  uint32_t Type;            // 0 not configured (row hidden), 1 digital, other analog
  uint32_t Param;           // a further input parameter (the sensor)
  uint32_t Unit;            // unit index 0..67
  const char16_t* pName1;   // first name text
  const char16_t* pName2;   // second name text
};

struct SIM_INPUT_TABLE {
  uint32_t Zero;
  uint32_t NumInputs;
  SIM_INPUT_DESC* paDesc;
  SIM_INPUT_VALUE* paValue;
};

extern SIM_INPUT_VALUE SIM_InputValues[SIM_NUM_INPUTS];
extern SIM_INPUT_DESC SIM_InputDescs[SIM_NUM_INPUTS];
extern SIM_INPUT_TABLE SIM_InputTable;
