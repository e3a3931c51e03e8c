#include "PATH.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <filesystem>
#include <algorithm>
#include <string>

#include "APP_Host.h"

namespace {

const char _acInternalPrefix[] = "M0:";
const char _acInternalFolder[] = "Intern";

}  // namespace

int PATH_Join(const char* sFolder, const char* sName, char* pOut, size_t OutSize) {
  if (!sName || !pOut || !OutSize) return 0;
  std::string s = sFolder ? sFolder : "";
  if (!s.empty() && s.back() != '/') s += '/';
  s += sName;
  if (s.size() + 1 > OutSize) return 0;
  memcpy(pOut, s.c_str(), s.size() + 1);
  return 1;
}

int PATH_Resolve(const char* sPath, char* pOut, size_t OutSize) {
  if (!sPath || !pOut || !OutSize) return 0;
  std::string s;
  if (strncasecmp(sPath, _acInternalPrefix, sizeof(_acInternalPrefix) - 1) == 0) {
    const char* rest = sPath + sizeof(_acInternalPrefix) - 1;
    while (*rest == '\\' || *rest == '/') rest++;
    s = APP_DocumentsFolder;
    if (!s.empty() && s.back() != '/') s += '/';
    s += _acInternalFolder;
    if (*rest) {
      s += '/';
      s += rest;
    }
  } else {
    s = sPath;
  }
  for (char& c : s)
    if (c == '\\') c = '/';
  if (s.size() + 1 > OutSize) return 0;
  memcpy(pOut, s.c_str(), s.size() + 1);
  return 1;
}

int PATH_FileExists(const char* sPath) {
  char Host[PATH_MAX_LEN];
  std::error_code ec;
  return PATH_Resolve(sPath, Host, sizeof(Host)) && std::filesystem::is_regular_file(Host, ec) ? 1 : 0;
}

int PATH_MakeFolder(const char* sHostPath) {
  if (!sHostPath || !*sHostPath) return 0;
  std::error_code ec;
  std::filesystem::create_directories(sHostPath, ec);
  return std::filesystem::is_directory(sHostPath, ec) ? 1 : 0;
}

std::vector<std::string> PATH_ListFiles(const char* sHostFolder, const char* sExtension) {
  std::vector<std::string> names;
  std::error_code ec;
  std::string ext = sExtension ? sExtension : "";
  std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
  for (std::filesystem::directory_iterator it(sHostFolder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    std::string name = it->path().filename().string(), low = name;
    std::transform(low.begin(), low.end(), low.begin(), ::tolower);
    if (low.size() >= ext.size() && low.compare(low.size() - ext.size(), ext.size(), ext) == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

int PATH_WriteFileAtomic(const char* sHostPath, const void* pData, size_t NumBytes) {
  if (!sHostPath || !*sHostPath || (!pData && NumBytes)) {
    errno = EINVAL;
    return 0;
  }
  // The temporary is named after the process and the call: two simulators, or two threads, that save the same
  // file at once never write into one temporary.
  static std::atomic<unsigned> s_Count;
  std::string tmp = std::string(sHostPath) + "." + std::to_string(getpid()) + "-" + std::to_string(s_Count++) + ".part";
  FILE* f = fopen(tmp.c_str(), "wb");
  if (!f) return 0;
  int Error = 0;
  errno = 0;
  if (fwrite(pData, 1, NumBytes, f) != NumBytes) Error = errno ? errno : EIO;
  if (fflush(f) != 0 && !Error) Error = errno;
  if (fsync(fileno(f)) != 0 && !Error) Error = errno;  // on the disk before it takes the old file's place
  if (fclose(f) != 0 && !Error) Error = errno;
  if (!Error && std::rename(tmp.c_str(), sHostPath) != 0) Error = errno;
  if (Error) {
    std::remove(tmp.c_str());
    errno = Error;
    return 0;
  }
  return 1;
}
