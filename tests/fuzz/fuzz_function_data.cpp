// Fuzzes the function-data reader the whole way through: the fuzzed bytes become the records of a plain image
// that gets its magic and its CRC, so every input reaches the checksum, the record walk and the applying of a
// file; inputs whose first byte has bit 1 set are enciphered into a whole file first and loaded as one, through
// deciphering. An input whose first byte is odd is taken as a file of its own instead (header parser, size
// checks).
#include <cstdint>
#include <cstring>
#include <vector>

#include "Controller.h"
#include "FUNKTION_Meldung.h"
#include "fuzz_TempFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool init = [] {
    fuzz_folder::Enter();
    FKT_InstallFunctionModules();
    APP_InitController();
    FKT_pfParameterChanged = nullptr;
    return true;
  }();
  (void)init;
  if (!size) return 0;
  if (data[0] & 1) {
    DAT_LoadFunctionDataBytes(data + 1, size - 1);
    return 0;
  }
  static std::vector<uint8_t> image(DAT_IMAGE_SIZE), file(DAT_FILE_SIZE);
  std::fill(image.begin(), image.end(), 0);
  size_t room = DAT_IMAGE_SIZE - 4 - DAT_IMAGE_RECORDS, n = size > 1 ? size - 1 : 0;
  if (n) memcpy(image.data() + DAT_IMAGE_RECORDS, data + 1, n < room ? n : room);
  DAT_SealImage(image.data());
  if (data[0] & 2) {
    // The whole way, cipher included; slow (the whole image is enciphered and deciphered), so only for some.
    DAT_EncodeImage(image.data(), file.data());
    DAT_LoadFunctionDataBytes(file.data(), file.size());
  } else {
    DAT_ApplyImage(image.data());
  }
  return 0;
}
