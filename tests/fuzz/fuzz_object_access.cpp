// Fuzzes the own node's object server with the bytes that reach it from the screens and from the bus: each input
// is a list of {u8 operation, u8 sub-index, u16 index, u8 length, bytes} reads and writes. Every input starts at
// the user level with the factory access codes, so that it passes the codes itself before technician and expert
// writes take effect. File names written to the load and save objects reach the files: the controller's folders are a
// temporary folder of the target's own.
#include <cstdint>
#include <cstring>

#include "Controller.h"
#include "FUNKTION_Meldung.h"
#include "OBJ_Access.h"
#include "fuzz_TempFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static uint8_t aCode[2][WHIRL_DIGEST_SIZE];
  static bool init = [] {
    fuzz_folder::Enter();
    FKT_InstallFunctionModules();
    APP_InitController();
    FKT_pfParameterChanged = nullptr;  // no change log
    FKT_CreateObject(FKT_TYPE_MESSAGE, 0, nullptr);
    for (int Level = 1; Level <= 2; Level++) memcpy(aCode[Level - 1], SET_General.GetCodeRecord(Level), WHIRL_DIGEST_SIZE);
    return true;
  }();
  (void)init;
  // Every input starts at the user level with the factory codes: it must pass a code itself to write more.
  for (auto& e : FKT_AccessLevels) e.Level = FKT_LEVEL_USER;
  FKT_AccessTimeout = -1;
  for (int Level = 1; Level <= 2; Level++) SET_General.SetCodeRecord(Level, aCode[Level - 1]);
  static uint8_t buf[4096];
  size_t pos = 0;
  // Saving and loading a whole file is slow: such writes are taken only with operation 0x81 and once per input,
  // which keeps the fuzzer quick and the file names within its reach.
  int diskWrites = 0;
  while (pos + 5 <= size) {
    uint8_t op = data[pos];
    uint32_t addr = (uint32_t)data[pos + 1] << 16 | data[pos + 2] | data[pos + 3] << 8;
    size_t len = data[pos + 4];
    pos += 5;
    if (len > size - pos) len = size - pos;
    uint16_t idx = (uint16_t)addr;
    bool disk = idx == OBJ_IDX_LOAD_FILE || idx == OBJ_IDX_SAVE_FILE || idx == 0x3600 + OBJ_SYS_FACTORY_RESET;
    if ((op & 1) && (!disk || (op == 0x81 && !diskWrites++))) {
      OBJ_WriteLocal(addr, data + pos, (int)len);
    } else {
      int room = 1 + (op >> 1) * 17;  // short and long reads
      OBJ_ReadLocal(buf, room < (int)sizeof(buf) ? room : (int)sizeof(buf), addr, 0);
    }
    pos += len;
  }
  APP_SaveRequested = 0;
  return 0;
}
