// Fuzzes what the input simulation reads from outside: "Info1.sim", the board's HID report descriptor and the
// typed limits with the board scaling that follows from them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "PLAT_Hid.h"
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
  for (const SIM_INPUT_VALUE& v : a) {
    for (int Decimals = 0; Decimals <= 6; Decimals++) {
      int32_t Min = SIM_ParseLimit(v.acMin, Decimals), Max = SIM_ParseLimit(v.acMax, Decimals);
      SIM_ScaleBoardValue(v.Value & 0xFFFF, Min, Max);
    }
  }
  return 0;
}
