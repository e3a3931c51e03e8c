// Fuzzes the own node's object server with the bytes that reach it from the screens and from the bus: each
// input is a list of {u8 operation, u8 sub-index, u16 index, u8 length, bytes} reads and writes.
#include <cstdint>
#include <cstring>

#include "Controller.h"
#include "FUNKTION_Meldung.h"
#include "OBJ_Access.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool init = [] {
    FKT_InstallFunctionModules();
    APP_InitController();
    FKT_pfParameterChanged = nullptr;  // no change log on disk
    FKT_CreateObject(FKT_TYPE_MESSAGE, 0, nullptr);
    return true;
  }();
  (void)init;
  static uint8_t buf[4096];
  size_t pos = 0;
  while (pos + 5 <= size) {
    uint8_t op = data[pos];
    uint32_t addr = (uint32_t)data[pos + 1] << 16 | data[pos + 2] | data[pos + 3] << 8;
    size_t len = data[pos + 4];
    pos += 5;
    if (len > size - pos) len = size - pos;
    if (op & 1) {
      // Writes that would touch files are left out: they reach the disk, not the parser.
      uint16_t idx = (uint16_t)addr;
      if (idx != 0x57D1 && idx != 0x57D2) OBJ_WriteLocal(addr, data + pos, (int)len);
    } else {
      int room = 1 + (op >> 1) * 17;  // short and long reads
      OBJ_ReadLocal(buf, room < (int)sizeof(buf) ? room : (int)sizeof(buf), addr, 0);
    }
    pos += len;
  }
  return 0;
}
