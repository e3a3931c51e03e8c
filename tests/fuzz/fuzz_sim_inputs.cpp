// Fuzzes what the host reads from outside: "Info1.sim", the board's HID report descriptor, whole input reports
// of the board with the typed limits and the board scaling that follows from them, and the user-dirs file.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "PLAT_Hid.h"
#include "SIM.h"
#include "SIM_InputSim.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t Size) {
  SIM_INPUT_VALUE a[SIM_NUM_INPUTS];
  SIM__DecodeInputValues(pData, Size, a);
  uint8_t File[SIM_INPUTSIM_FILE_SIZE];
  SIM__EncodeInputValues(a, File);
  SIM_INPUT_VALUE b[SIM_NUM_INPUTS];
  if (SIM__DecodeInputValues(File, sizeof(File), b) != 0) __builtin_trap();  // what we write we read back
  if (memcmp(a, b, sizeof(a)) != 0) __builtin_trap();
  PLAT_HID_CAPS Caps;
  PLAT_HidParseDescriptor(pData, Size, &Caps);
  // Board reports against the records just read, with units and digital inputs taken from the input too.
  memcpy(SIM_InputValues, a, sizeof(a));
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    SIM_InputDescs[i].Type = i < int(Size) ? pData[i] & 1 : 0;
    SIM_InputDescs[i].Unit = i + 16 < int(Size) ? pData[i + 16] : 0;
  }
  int32_t aValue[SIM_NUM_INPUTS];
  SIM_DecodeBoardReport(pData, int(Size), aValue);
  if (Size >= SIM_BOARD_REPORT_SIZE) SIM_DecodeBoardReport(pData + Size - SIM_BOARD_REPORT_SIZE, SIM_BOARD_REPORT_SIZE, aValue);
  SIM__DocumentsFromUserDirs(reinterpret_cast<const char*>(pData), Size, "/home/user");
  return 0;
}
