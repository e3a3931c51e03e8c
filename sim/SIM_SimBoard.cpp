// The simulation board in front of the input simulation: found by its product string when the window opens,
// its input reports turned into the 16 input values (and slider positions) every 50 ms.
#include <cstring>

#include "HID.h"
#include "SIM_InputSimInternal.h"

int SIM_SimBoardOpen;
static uint8_t _aReport[SIM_BOARD_REPORT_SIZE];   // one buffer for every read

int SIM__FindSimBoard(void) {
  static const char16_t _acBoard[] = u"MERIDOX Sim-Board";
  SIM_SimBoardOpen = 0;
  HID_Init();
  int NumDevices = HID_FindDevices();
  for (int i = 0; i < NumDevices && i < HID_MAX_DEVICES; i++) {
    char16_t acName[50] = {0};
    if (!HID_GetProductString(i, acName, int(sizeof(acName)))) continue;  // unreadable: no match
    if (memcmp(acName, _acBoard, sizeof(_acBoard)) == 0) {
      SIM_SimBoardOpen = HID_Open(i);
      break;
    }
  }
  if (!SIM_SimBoardOpen) HID_Close();  // a board that is gone is not held open
  return SIM_SimBoardOpen;
}

int SIM_ApplyBoardReport(const uint8_t* pReport) {
  int32_t aValue[SIM_NUM_INPUTS];
  if (!SIM_DecodeBoardReport(pReport, SIM_BOARD_REPORT_SIZE, aValue)) return 0;
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    SIM_InputValues[i].Value = aValue[i];
    if (PLAT_HWIN hRow = SIM__GetInputRow(i)) SIM__ShowRowValue(hRow, aValue[i]);
  }
  return 1;
}

int SIM_PollSimBoard(void) {
  if (!SIM_SimBoardOpen) return 0;
  int NumApplied = 0;
  // Every complete report waiting now; the bound keeps a board that never stops talking from holding the
  // main thread.
  for (int k = 0; k < 64; k++) {
    int NumRead;
    if (!HID_Read(_aReport, int(sizeof(_aReport)), &NumRead) || NumRead != int(sizeof(_aReport))) break;
    NumApplied += SIM_ApplyBoardReport(_aReport);
  }
  return NumApplied;
}
