// What the input-simulation window, its rows and the board polling share. Library-internal.
#pragma once
#include "PLAT_Controls.h"
#include "SIM_InputSim.h"

enum {
  SIM_ROW_XSIZE = 230, SIM_ROW_YSIZE = 80, SIM_SCROLL_XSIZE = 17,
  SIM_ID_MIN = 1, SIM_ID_MAX = 2, SIM_ID_UB = 3, SIM_ID_KS = 4, SIM_ID_MODE = 5, SIM_ID_SLIDER = 6,
  SIM_NUM_ROW_CONTROLS = 7,
  SIM_INPUT_DIGITAL = 1, SIM_INPUT_UNUSED = 0,
};

struct SIM_INPUT_ROW {
  int Index;                                 // input 0..15
  PLAT_HCTL ahCtl[SIM_NUM_ROW_CONTROLS];     // by control id
};

PLAT_HWIN SIM__CreateInputRow(PLAT_HWIN hParent, int Index);   // hidden
// The row shows a value set from outside (the board): slider position and text, repainted without erasing.
void SIM__ShowRowValue(PLAT_HWIN hRow, int32_t Value);
// The range of a row from the record's minimum and maximum texts in the input's unit, and the unit's decimals.
void SIM__GetInputRange(int Index, int32_t* pMin, int32_t* pMax);
int SIM__GetInputDecimals(int Index);
int SIM__FindSimBoard(void);   // looks for the board and opens it; the result is SIM_SimBoardOpen
PLAT_CONTROL* SIM__GetRowControl(PLAT_HWIN hRow, int Id);
