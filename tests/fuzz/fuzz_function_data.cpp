// Fuzzes the function-data reader: whole files (header parser, size and CRC checks) and, with a valid CRC put in
// place, the image's record walker that re-initialises the objects.
#include <cstdint>
#include <cstring>
#include <vector>

#include "Controller.h"
#include "FUNKTION_Meldung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool init = [] {
    FKT_InstallFunctionModules();
    APP_InitController();
    return true;
  }();
  (void)init;
  if (size && (data[0] & 1)) {
    DAT_LoadFunctionDataBytes(data + 1, size - 1);
  } else {
    std::vector<uint8_t> image(DAT_IMAGE_SIZE);
    if (size > 1) memcpy(image.data(), data + 1, size - 1 < image.size() - 4 ? size - 1 : image.size() - 4);
    DAT_Store32(image.data() + DAT_IMAGE_SIZE - 4, CRC32_Calc(image.data(), DAT_IMAGE_SIZE - 4));
    DAT_ApplyImage(image.data());
  }
  return 0;
}
