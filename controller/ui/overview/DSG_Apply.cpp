// What the screens see of the loaded branding and design (the branding record of the graphics cache and the
// design hooks of the main screen), the design reset, and the loading of dropped and stored files.
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "APP_Host.h"
#include "DSG_Design.h"
#include "DSG_State.h"
#include "GUI_ImageRead.h"
#include "GUI_Stream.h"
#include "PATH.h"
#include "UI_Background.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"

namespace {

UI_BRANDING _Branding;

int _GetLayout(void) { return DSG_GetLayout(); }

void _DrawPicture(void) {
  if (!DSG_IsDesignLoaded()) return;
  uint32_t Size = DSG_Get32(DSG_Loaded.aDesignHeader + 4);
  GUI__MEM_SOURCE Src = {DSG_Loaded.Design.data() + DSG_Loaded.PictureOffset, Size};
  GUI_DrawStreamedBitmapExAuto(GUI__GetDataMem, &Src, 0, 0);
}

int _LoadFile(const char* sPath, int (*pfImport)(FILE*, int, DSG_REPORT*), DSG_REPORT* pReport) {
  DSG_REPORT Report = {};
  FILE* pFile = sPath ? fopen(sPath, "rb") : nullptr;
  if (!pFile) {
    Report.Code = DSG_IMPORT_NO_FILE;
    snprintf(Report.acText, sizeof(Report.acText), "it cannot be opened");
  } else {
    GUI_Lock();  // the screens read the loaded design only under the GUI lock
    pfImport(pFile, 0, &Report);
    fclose(pFile);
    if (Report.Code == DSG_IMPORT_OK) DSG_Redraw();
    GUI_Unlock();
  }
  if (pReport) *pReport = Report;
  return Report.Code;
}

}  // namespace

void DSG__SetBranding(void) {
  const std::vector<uint8_t>& b = DSG_Loaded.Branding;
  if (b.empty()) {
    DSG_pBranding = nullptr;
    return;
  }
  DSG_BRANDING_INFO Info;
  DSG_ReadBrandingHeader(b.data(), &Info);
  _Branding.pBackground = Info.aPartSize[0] ? b.data() + DSG_BRANDING_HEADER_SIZE : nullptr;
  _Branding.BackgroundSize = Info.aPartSize[0];
  _Branding.pLogo = Info.aPartSize[1] ? b.data() + DSG_BRANDING_HEADER_SIZE + Info.aPartSize[0] : nullptr;
  _Branding.LogoSize = Info.aPartSize[1];
  _Branding.LogoMode = Info.LogoMode;
  _Branding.LogoX = Info.LogoX;
  _Branding.LogoY = Info.LogoY;
  DSG_pBranding = &_Branding;
}

void DSG__SetDesign(void) {
  UI_DesignHooks.pfGetLayout = _GetLayout;
  bool HasPicture = DSG_IsDesignLoaded() && DSG_Get32(DSG_Loaded.aDesignHeader + 4) != 0;
  UI_DesignHooks.pfDrawPicture = HasPicture ? _DrawPicture : nullptr;
}

namespace {

void _ClearDesign(void) {
  DSG_Loaded.Design.clear();
  DSG_Loaded.Dict.clear();
  DSG_Loaded.NumPages = 0;
  memset(DSG_Loaded.aDesignHeader, 0, sizeof(DSG_Loaded.aDesignHeader));
  DSG__SetDesign();
}

}  // namespace

void DSG_Forget(void) {
  DSG_Loaded.Branding.clear();
  DSG__SetBranding();
  _ClearDesign();
}

void DSG_ResetDesign(void) {
  char acPath[PATH_MAX_LEN];
  if (PATH_Join(APP_UserFolder, "Design.q7d", acPath, sizeof(acPath))) remove(acPath);
  GUI_Lock();
  _ClearDesign();
  DSG_ApplyBranding();
  UI_RenderDesignGraphics(UI_LeftHanded);
  if (UI_hPageArea) WM_InvalidateWindowAndDescendants(UI_hPageArea);
  GUI_Unlock();
}

void DSG_Redraw(void) {
  GUI_Lock();
  DSG_ApplyBranding();
  UI_RenderDesignGraphics(UI_LeftHanded);
  // A design shows its first overview page at once; the menus show the new branding.
  if (UI_hMainWin && DSG_GetNumDesignPages() > 0) UI_GoHome();
  WM_InvalidateWindowAndDescendants(WM_GetDesktopWindow());
  GUI_Unlock();
}

int DSG_LoadDesignFile(const char* sPath, DSG_REPORT* pReport) { return _LoadFile(sPath, DSG_ImportDesign, pReport); }
int DSG_LoadBrandingFile(const char* sPath, DSG_REPORT* pReport) {
  return _LoadFile(sPath, DSG_ImportBranding, pReport);
}

DSG_DONE_FUNC* DSG_pfStoredRefused;

// A stored copy that is missing is no fault (nothing was ever loaded); one that is there but refused leaves the
// screens without the look the user chose, so the host must say which file and why.
void DSG_LoadStoredFiles(void) {
  static const struct {
    int Kind;
    const char* sName;
    int (*pfImport)(FILE*, int, DSG_REPORT*);
  } s_aFile[] = {{DSG_KIND_BRANDING, "Branding.q7b", DSG_ImportBranding},
                 {DSG_KIND_DESIGN, "Design.q7d", DSG_ImportDesign}};
  DSG__SetDesign();
  for (const auto& f : s_aFile) {
    char acPath[PATH_MAX_LEN];
    if (!PATH_Join(APP_UserFolder, f.sName, acPath, sizeof(acPath))) continue;
    DSG_REPORT Report = {};
    if (FILE* pFile = fopen(acPath, "rb")) {
      f.pfImport(pFile, 1, &Report);
      fclose(pFile);
    } else if (errno == ENOENT) {
      continue;
    } else {
      Report.Code = DSG_IMPORT_NO_FILE;
      snprintf(Report.acText, sizeof(Report.acText), "it cannot be opened (%s)", strerror(errno));
    }
    if (Report.Code != DSG_IMPORT_OK && DSG_pfStoredRefused) DSG_pfStoredRefused(f.Kind, acPath, &Report);
  }
}

namespace {

struct _REQUEST {
  int Kind;
  std::string Path;
  DSG_DONE_FUNC* pfDone;
};
std::mutex _RequestMutex;
std::vector<_REQUEST> _aRequest;

}  // namespace

void DSG_RequestLoad(int Kind, const char* sPath, DSG_DONE_FUNC* pfDone) {
  std::lock_guard<std::mutex> Lock(_RequestMutex);
  _aRequest.push_back({Kind, sPath ? sPath : "", pfDone});
}

void DSG_ServeRequests(void) {
  std::vector<_REQUEST> a;
  {
    std::lock_guard<std::mutex> Lock(_RequestMutex);
    a.swap(_aRequest);
  }
  for (const _REQUEST& r : a) {
    DSG_REPORT Report;
    if (r.Kind == DSG_KIND_DESIGN) {
      DSG_LoadDesignFile(r.Path.c_str(), &Report);
    } else {
      DSG_LoadBrandingFile(r.Path.c_str(), &Report);
    }
    if (r.pfDone) r.pfDone(r.Kind, r.Path.c_str(), &Report);
  }
}
