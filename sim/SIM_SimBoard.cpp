// The simulation board in front of the input simulation: found by its product string when the window opens,
// its input reports turned into the 16 input values (and slider positions) every 50 ms.
#include <cstring>

#include "HID.h"
#include "SIM_InputSimInternal.h"

int SIM_SimBoardOpen;
static uint8_t _aReport[36];   // one buffer for every read

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
  if (pReport[0] != 0x00 || pReport[1] != 0x01) return 0;
  uint16_t Digital = uint16_t(pReport[34] | pReport[35] << 8);
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    int Raw = pReport[2 + 2 * i] | pReport[3 + 2 * i] << 8;
    int32_t Value;
    if (i >= 14 && SIM_InputDescs[i].Type == SIM_INPUT_DIGITAL) {
      Value = (Digital >> i) & 1;  // bit 14 for input 15, bit 15 for input 16
    } else {
      int32_t Min, Max;
      SIM__GetInputRange(i, &Min, &Max);
      Value = SIM_ScaleBoardValue(Raw, Min, Max);
    }
    SIM_InputValues[i].Value = Value;
    if (PLAT_HWIN hRow = SIM__GetInputRow(i)) SIM__ShowRowValue(hRow, Value);
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
