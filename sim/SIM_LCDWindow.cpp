// The LCD window: shows one layer of the shared frame buffer 1:1 or magnified, repaints when the layer's change
// counter moved (polled every 20 ms), turns the mouse into pointer states, sends the first extra button to the
// controller as its back command, and loads files dropped on it by their extension.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "LCDSIM.h"
#include "PATH.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Windows.h"

enum { _TIMER_POLL = 0, _POLL_MS = 20, _MAX_LAYERS = 16 };

SIM_LCD_MSG_HOOK* SIM_pfLCDMsgHook;

static uint32_t _aLastModifyCnt[_MAX_LAYERS];

static int _GetLayer(PLAT_HWIN hWin) { return int(PLAT_GetUserData(hWin)); }

static void _Paint(PLAT_HWIN hWin, int Erase) {
  PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
  LCDSIM_LAYER_VIEW View;
  if (!hdc || LCDSIM_GetView(_GetLayer(hWin), &View)) return;
  if (Erase) {
    int xSize, ySize;
    PLAT_GetClientSize(hWin, &xSize, &ySize);
    PLAT_FillRect(hdc, 0, 0, xSize, ySize, 0x000000);
  }
  const LCDSIM_HEADER* h = View.pHeader;
  // Only what lies inside the frame buffer is shown, whatever the header says.
  int xOrg = h->xOrg, yOrg = h->yOrg;
  if (xOrg < 0 || yOrg < 0 || xOrg >= h->VXSize || yOrg >= h->VYSize) return;
  int xSize = std::min(h->XSize, h->VXSize - xOrg);
  int ySize = std::min(h->YSize, h->VYSize - yOrg);
  if (xSize <= 0 || ySize <= 0 || (long long)(yOrg + ySize) * View.BytesPerLine > LCDSIM_FB_SIZE) return;
  PLAT_DIB Dib;
  Dib.pBits = View.pFrameBuffer + size_t(yOrg) * View.BytesPerLine + size_t(xOrg) * View.BytesPerPixel;
  Dib.xSize = xSize;
  Dib.ySize = ySize;
  Dib.BytesPerLine = View.BytesPerLine;
  Dib.BitsPerPixel = View.BytesPerPixel * 8;
  Dib.pPalette = View.pPalette;
  PLAT_DrawDIB(hdc, 0, 0, xSize * SIM_GetXMag(), ySize * SIM_GetYMag(), &Dib, 0, 0, xSize, ySize);
  PLAT_EndPaint(hWin, hdc);
}

static void _OnTimer(PLAT_HWIN hWin) {
  int Layer = _GetLayer(hWin);
  LCDSIM_ForwardPID(Layer);
  if (Layer == 0) {
    uint32_t Cnt = LCDSIM_GetModifyCnt(Layer);
    if (Cnt != _aLastModifyCnt[Layer] && PLAT_IsWindow(hWin)) {
      PLAT_Invalidate(hWin, 0);
      _aLastModifyCnt[Layer] = Cnt;
    }
  }
}

static void _StoreMouseState(PLAT_HWIN hWin, uintptr_t wParam, intptr_t lParam, int DoubleClick) {
  int Layer = _GetLayer(hWin);
  LCDSIM_LAYER_VIEW View;
  if (LCDSIM_GetView(Layer, &View)) return;
  int x = int16_t(lParam & 0xFFFF) / SIM_GetXMag();
  int y = int16_t(lParam >> 16 & 0xFFFF) / SIM_GetYMag();
  int Buttons = 0;
  if (DoubleClick) {
    Buttons = 128;
  } else {
    if (wParam & PLAT_BTN_LEFT) Buttons |= 1;
    if (wParam & PLAT_BTN_MIDDLE) Buttons |= 4;
    if (wParam & PLAT_BTN_RIGHT) Buttons |= 2;
  }
  if (x < 0 || x >= View.pHeader->XSize || y < 0 || y >= View.pHeader->YSize) x = y = -1;
  LCDSIM_SetPID(x, y, Buttons, Layer);
}

// The extension test looks at the last five characters of the path, ignoring case.
static int _HasExtension(const std::string& Lower, const char* pExt) {
  if (Lower.size() < 5) return 0;
  return Lower.find(pExt, Lower.size() - 5) != std::string::npos;
}

static void _RememberPagesFolder(const char* pPath) {
  std::string Folder = pPath;
  size_t Pos = Folder.rfind('/');
  Folder = Pos == std::string::npos ? std::string() : Folder.substr(0, Pos);
  snprintf(SIM_PagesFolder, sizeof(SIM_PagesFolder), "%s", Folder.c_str());
  char acFile[600];
  if (!PATH_Join(SIM_UserFolder, "q7f.txt", acFile, sizeof(acFile))) return;
  if (FILE* pFile = fopen(acFile, "wb")) {
    fputs(SIM_PagesFolder, pFile);
    fclose(pFile);
  }
}

static void _OnDrop(int NumFiles, const char* const* paPath) {
  for (int i = 0; i < NumFiles; i++) {
    const char* pPath = paPath[i];
    if (!pPath) continue;
    std::string Lower = pPath;
    for (char& c : Lower) c = char(tolower(uint8_t(c)));
    if (_HasExtension(Lower, ".dat")) SIM__AppLoadFunctionData(pPath);
    else if (_HasExtension(Lower, ".q7f")) {
      if (SIM__AppCheckPageFile(pPath) == 0) _RememberPagesFolder(pPath);
    }
    else if (_HasExtension(Lower, ".q7d")) SIM__AppLoadDesign(pPath);
    else if (_HasExtension(Lower, ".q7b")) SIM__AppLoadBranding(pPath);
  }
}

static intptr_t _WndProcLCD(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  intptr_t Result = 0;
  if (SIM_pfLCDMsgHook && SIM_pfLCDMsgHook(hWin, Msg, wParam, lParam, &Result) == 0) return Result;
  switch (Msg) {
  case PLAT_MSG_CREATE:
    PLAT_SetTimer(hWin, _TIMER_POLL, _POLL_MS);
    return 0;
  case PLAT_MSG_PAINT:
    _Paint(hWin, int(wParam));
    return 0;
  case PLAT_MSG_TIMER:
    _OnTimer(hWin);
    return 0;
  case PLAT_MSG_MOUSEMOVE:
  case PLAT_MSG_LEFTDOWN:
  case PLAT_MSG_LEFTUP:
  case PLAT_MSG_LEFTDOUBLE:
  case PLAT_MSG_RIGHTDOWN:
  case PLAT_MSG_RIGHTUP:
    if (Msg == PLAT_MSG_LEFTDOWN) PLAT_SetCapture(hWin);
    if (Msg == PLAT_MSG_LEFTUP) PLAT_ReleaseCapture();
    _StoreMouseState(hWin, wParam, lParam, Msg == PLAT_MSG_LEFTDOUBLE);
    return 0;
  case PLAT_MSG_EXTRADOWN:
    if (wParam & PLAT_BTN_EXTRA1) SIM__AppSendBack();
    return 0;
  case PLAT_MSG_DROP:
    _OnDrop(int(wParam), reinterpret_cast<const char* const*>(lParam));
    return 0;
  default:
    return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

PLAT_HWIN SIM_CreateLCDWindow(PLAT_HWIN hParent, int x, int y, int Layer) {
  LCDSIM_LAYER_VIEW View;
  int xSize = 0, ySize = 0;
  if (LCDSIM_GetView(Layer, &View) == 0) {
    xSize = View.pHeader->XSize * SIM_GetXMag();
    ySize = View.pHeader->YSize * SIM_GetYMag();
  }
  PLAT_CREATE Create = {"GUI LCD", "LCD window", _WndProcLCD, hParent, x, y, xSize, ySize,
                        PLAT_STYLE_CHILD | PLAT_STYLE_VISIBLE | PLAT_STYLE_ACCEPTFILES | PLAT_STYLE_DOUBLECLICKS,
                        0xFFFFFF,
                        Layer};
  return PLAT_CreateWindow(&Create);
}
