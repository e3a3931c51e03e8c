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

/*********************************************************************
*
*       Window
*/
struct PLAT_WINDOW;
struct PLAT_CONTROL;
extern int SIM_SimBoardOpen;   // 1 while a simulation board drives the rows (their sliders are disabled)

// Opens the input-simulation window, or shows it when it is open already; returns it (0 when it cannot be
// made). It looks for a simulation board each time it is opened.
PLAT_WINDOW* SIM_OpenInputSim(void);
void SIM_CloseInputSim(void);   // the records and the board stay as they are
// The board's reports waiting now are applied to the records and the rows (the window's 50 ms timer calls it).
// Returns the number of reports applied.
int SIM_PollSimBoard(void);
enum { SIM_BOARD_REPORT_SIZE = 36 };
// The 16 input values of one whole board report: 0 when it is not an input report (first bytes other than 0x00,
// 0x01) or not SIM_BOARD_REPORT_SIZE bytes long; else 1 with the raw readings scaled to each input's range, and
// for inputs 15 and 16, when they are digital, their states from the last two bytes.
int SIM_DecodeBoardReport(const uint8_t* pReport, int NumBytes, int32_t* paValue);
// Applies one 36-byte board report to the 16 records (and the rows while the window is open); 0 when the
// report is not an input report (first bytes other than 0x00, 0x01), else 1.
int SIM_ApplyBoardReport(const uint8_t* pReport);

// Row layout in a client area of xSize x ySize for NumRows configured inputs: columns, rows per column and
// the scroll maximum; *pPos is limited to the maximum.
void SIM__LayoutInputRows(int NumRows, int xSize, int ySize, int* pNumColumns, int* pRowsPerColumn, int* pMaxPos,
                          int* pPos);
// Tests: a row window (0 while closed) and its controls by id (1 minimum, 2 maximum, 3 "UB", 4 "KS",
// 5 room-sensor mode, 6 slider), and the scroll bar of the window.
PLAT_WINDOW* SIM__GetInputRow(int Index);
PLAT_CONTROL* SIM__GetInputControl(int Index, int Id);
PLAT_CONTROL* SIM__GetInputScrollBar(void);
