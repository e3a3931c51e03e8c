// A folder that the code under test cannot write into, for as long as the object lives, also when the tests run
// as root: the folder is made read-only, and root, which writes into any folder, takes the identity of an
// unprivileged user meanwhile (the effective user id only, so it can take its own back). The folders above it
// must let every user through.
#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <string>

class UnwritableFolder {
 public:
  explicit UnwritableFolder(const std::string& Folder) : _Folder(Folder) {
    chmod(_Folder.c_str(), 0555);
    if (geteuid() == 0) _Root = seteuid(_NOBODY) == 0;
  }
  ~UnwritableFolder() {
    if (_Root) (void)!seteuid(0);
    chmod(_Folder.c_str(), 0755);
  }
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;

 private:
  static constexpr uid_t _NOBODY = 65534;
  std::string _Folder;
  bool _Root = false;
};
