// The host's folders. Paths are joined with '/' by the one path helper, PATH_Join. The per-user folder lies in
// "APPDATA" when that is set, else in the XDG configuration folder ($XDG_CONFIG_HOME or ~/.config); the simulated
// storage lies in the XDG documents folder, else in ~/Documents.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "PATH.h"
#include "SIM.h"

char SIM_HostText[512];
char SIM_UserFolder[512];

static const char _acMaker[] = "Orvaldi Klimaregelwerk";
static const char _acProduct[] = "MERIDOX-Simulator";

static std::string _Home(void) {
  const char* p = getenv("HOME");
  return p ? p : ".";
}

static std::string _ConfigFolder(void) {
  const char* p = getenv("APPDATA");
  if (p && *p) return p;
  p = getenv("XDG_CONFIG_HOME");
  if (p && *p) return p;
  return _Home() + "/.config";
}

// XDG_DOCUMENTS_DIR of the user-dirs file, else ~/Documents. A file of more than 1 MiB is no user-dirs file.
static std::string _DocumentsFolder(void) {
  const char* pXdg = getenv("XDG_CONFIG_HOME");
  std::string File = (pXdg && *pXdg ? std::string(pXdg) : _Home() + "/.config") + "/user-dirs.dirs";
  if (FILE* pFile = fopen(File.c_str(), "r")) {
    std::string Text;
    char acBuffer[4096];
    size_t n;
    while ((n = fread(acBuffer, 1, sizeof(acBuffer), pFile)) > 0 && Text.size() < (1u << 20)) Text.append(acBuffer, n);
    fclose(pFile);
    std::string Found = SIM__DocumentsFromUserDirs(Text.data(), Text.size(), _Home());
    if (!Found.empty()) return Found;
  }
  return _Home() + "/Documents";
}

// 0 made or already there; otherwise errno of the failure.
static int _MakeFolder(const char* pPath) {
  if (mkdir(pPath, 0755) == 0 || errno == EEXIST) return 0;
  return errno;
}

void SIM_InitFolders(void) {
  char acPath[512];
  // Simulated storage: the controller's SD card and internal memory.
  std::string Docs = _DocumentsFolder();
  _MakeFolder(Docs.c_str());
  PATH_Join(Docs.c_str(), _acProduct, SIM_HostText, sizeof(SIM_HostText));
  if (_MakeFolder(SIM_HostText) == ENOENT) SIM_HostText[0] = 0;
  PATH_Join(SIM_HostText, "SD-Card", acPath, sizeof(acPath));
  _MakeFolder(acPath);
  PATH_Join(SIM_HostText, "Intern", acPath, sizeof(acPath));
  _MakeFolder(acPath);
  // Per-user folder, made step by step.
  std::string Base = _ConfigFolder();
  _MakeFolder(Base.c_str());
  PATH_Join(Base.c_str(), _acMaker, SIM_UserFolder, sizeof(SIM_UserFolder));
  int r = _MakeFolder(SIM_UserFolder);
  if (r == 0) {
    std::string Maker = SIM_UserFolder;
    PATH_Join(Maker.c_str(), _acProduct, SIM_UserFolder, sizeof(SIM_UserFolder));
    if (_MakeFolder(SIM_UserFolder) == ENOENT) SIM_UserFolder[0] = 0;
  } else if (r == ENOENT) {
    SIM_UserFolder[0] = 0;
  }
}
