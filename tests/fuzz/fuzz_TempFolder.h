// Every fuzz target of the controller works in a folder of its own under the system's temporary folder: what the
// controller writes (backups, the change log, saved files) lands there and is removed at exit, never in the
// checkout the fuzzer was started from.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "APP_Host.h"

namespace fuzz_folder {

inline std::string& Dir() {
  static std::string s;
  return s;
}

inline void _Remove() {
  std::error_code e;
  if (!Dir().empty()) std::filesystem::remove_all(Dir(), e);
}

// Points the controller's user and documents folders at a fresh temporary folder (once per process).
inline void Enter() {
  if (!Dir().empty()) return;
  char acTemplate[] = "/tmp/meridox-fuzz-XXXXXX";
  const char* p = mkdtemp(acTemplate);
  if (!p) std::abort();  // never fall back to the working folder
  Dir() = p;
  snprintf(APP_UserFolder, sizeof(APP_UserFolder), "%s", p);
  snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", p);
  std::atexit(_Remove);
}

}  // namespace fuzz_folder
