// The input simulation: the 16 simulated input records and their file "Info1.sim", the input-simulation window
// (one row per configured input) and the value texts of its rows. Everything here runs on the main thread,
// except SIM_RefreshInputSim (SIM.h), which any thread may call.
#pragma once
#include <cstddef>
#include <cstdint>

#include "SIM_Input.h"

enum {
  SIM_INPUTSIM_FILE_SIZE = SIM_NUM_INPUTS * SIM_INPUT_VALUE_FILE_SIZE,  // "Info1.sim": 1,024 bytes
  SIM_FAULT_NONE = 0,
  SIM_FAULT_SHORT = 2,         // "KS"
  SIM_FAULT_INTERRUPTION = 3,  // "UB"
  SIM_NUM_ROOM_MODES = 4,      // "Zeit/Auto", "Normal", "Abgesenkt", "Standby"
  SIM_UNIT_ROOM_SENSOR = 46,   // the unit whose rows offer the room-sensor mode
};

/*********************************************************************
*
*       Records and "Info1.sim"
*/
// A record as it is when nothing was saved: value, mode and fault 0, range "0" to "100".
void SIM_SetInputDefaults(SIM_INPUT_VALUE* pValue);
// Reads the records from the file's bytes. Rows that are missing (short file) or damaged (a text without its
// terminator, a mode outside 0..3, a fault other than 0, 2 or 3) get the defaults. Returns the number of rows
// that got the defaults (0: every row was taken from the bytes).
int SIM__DecodeInputValues(const uint8_t* pData, size_t NumBytes, SIM_INPUT_VALUE* paValue);
// Writes the records field by field, little-endian: SIM_INPUTSIM_FILE_SIZE bytes.
void SIM__EncodeInputValues(const SIM_INPUT_VALUE* paValue, uint8_t* pData);
// "Info1.sim" in the per-user folder (pFolder "" or null: the working folder). Load: SIM_InputValues from the
// file, defaults for what is missing or damaged, the descriptors cleared; returns the number of rows that got
// the defaults (16 when the file is missing). Save: returns 0 on success, 1 when the file could not be written.
int SIM_LoadInputSim(const char* pFolder);
int SIM_SaveInputSim(const char* pFolder);

/*********************************************************************
*
*       Values
*/
// A minimum or maximum text as a value in the unit's smallest step: the decimal number (a comma counts as a
// point) times 10 to the power of Decimals, truncated toward zero and computed without rounding, so "1.15" with
// two decimals is 115. A text that does not start with a number counts as 0; the result is clamped to 32 bits.
int32_t SIM_ParseLimit(const char* s, int Decimals);
// The value of a board's raw reading (4093 full scale) between a minimum and a maximum, computed in 64 bits and
// clamped to 32 bits.
int32_t SIM_ScaleBoardValue(int Raw, int32_t Min, int32_t Max);
// The value text of a value in its unit: returns the characters written including the terminator, 0 when
// nothing was written (units 68 and above, except 255, which counts as 0; a word list without the item). The
// text is cut to fit NumChars characters; the buffer is always terminated when NumChars > 0.
int SIM_FormatValue(int32_t Value, int Unit, char16_t* pBuffer, int NumChars);
