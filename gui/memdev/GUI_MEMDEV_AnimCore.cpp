// What the memory-device animations share: the per-frame callback, the intensity ramps, the blending of two
// devices into a third, the desktop cut to the display, the frame pacing and the pictures of a window and
// its background. Every pixel access stays inside the devices: a foreground reaching beyond its background
// is blended only where both lie.
#include <algorithm>
#include <cstring>

#include "GUI_MEMDEV_AnimPrivate.h"
#include "GUI_MEMDEV_Private.h"
#include "GUI_MEMDEV_Static.h"

namespace {

constexpr int _FRAME_MS = 10;

GUI_MEMDEV_ANIMATION_CALLBACK* _pfHook;
void* _pHookData;

GUI_MEMDEV* _Get32(GUI_HMEM hMem) {
  GUI_MEMDEV* p = GUI_MEMDEV__Check(hMem);
  return (p && p->BitsPerPixel == 32) ? p : nullptr;
}

U32* _Row(GUI_MEMDEV* p, int y) { return (U32*)(GUI_MEMDEV__GetPixels(p) + (size_t)y * p->BytesPerLine); }

// One run of the blend. The mixing keeps 255/256 of its inputs, so the two ends of a fade are done exactly:
// the end state shown is the pictures' own colours, as a fresh paint gives them.
void _BlendRun(U32* pFG, U32* pBG, U32* pDst, int n, U8 Intensity) {
  if (Intensity == 0) {
    for (int x = 0; x < n; x++) pDst[x] = pBG[x] & 0x00FFFFFF;
  } else if (Intensity == 255) {
    for (int x = 0; x < n; x++) {
      U32 a = pFG[x] >> 24;
      pDst[x] = (a == 0 ? pFG[x] : (a == 255 ? pBG[x] : GUI__MixColors(pFG[x], pBG[x], (U8)(255 - a)))) & 0x00FFFFFF;
    }
  } else {
    GUI__MixColorsBulk(pFG, pBG, pDst, 0, 0, 0, (unsigned)n, 1, Intensity);
  }
}

}  // namespace

void GUI_MEMDEV_SetAnimationCallback(GUI_MEMDEV_ANIMATION_CALLBACK* pfHook, void* pVoid) {
  GUI_MEMDEV__LockGuard Lock;
  _pfHook = pfHook;
  _pHookData = pVoid;
}

int GUI_MEMDEV__FadeInRamp(int Period, int Elapsed) {
  if (Period <= 0) return 255;
  return std::clamp((int)((I64)Elapsed * 255 / Period), 0, 255);
}

int GUI_MEMDEV__FadeOutRamp(int Period, int Elapsed) {
  if (Period <= 0) return 0;
  return std::clamp(255 - (int)((I64)Elapsed * 255 / Period), 0, 255);
}

void GUI_MEMDEV__BlendDevices(GUI_HMEM hFG, GUI_HMEM hBG, GUI_HMEM hDst, U8 Intensity) {
  GUI_MEMDEV__BlendDevicesAt(hFG, hBG, hDst, Intensity, 0, 0);
}

void GUI_MEMDEV__BlendDevicesAt(GUI_HMEM hFG, GUI_HMEM hBG, GUI_HMEM hDst, U8 Intensity, int xOff, int yOff) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV *pF = _Get32(hFG), *pB = _Get32(hBG), *pD = _Get32(hDst);
  if (!pF || !pB || !pD || pD->XSize < pF->XSize || pD->YSize < pF->YSize) return;
  // Columns and rows of the foreground that have background under them.
  const int xa = std::max(0, -xOff), xb = std::min<int>(pF->XSize, pB->XSize - xOff);
  const int ya = std::max(0, -yOff), yb = std::min<int>(pF->YSize, pB->YSize - yOff);
  for (int y = 0; y < pF->YSize; y++) {
    U32 *pFRow = _Row(pF, y), *pDRow = _Row(pD, y);
    if (y < ya || y >= yb || xa >= xb) {
      for (int x = 0; x < pF->XSize; x++) pDRow[x] = pFRow[x] & 0x00FFFFFF;
      continue;
    }
    for (int x = 0; x < xa; x++) pDRow[x] = pFRow[x] & 0x00FFFFFF;
    _BlendRun(pFRow + xa, _Row(pB, y + yOff) + xOff + xa, pDRow + xa, xb - xa, Intensity);
    for (int x = xb; x < pF->XSize; x++) pDRow[x] = pFRow[x] & 0x00FFFFFF;
  }
}

void GUI_MEMDEV__LimitDesktopSize(I32* pSaved) {
  WM_HWIN hDesktop = WM_GetDesktopWindow();
  pSaved[0] = WM_GetWindowSizeX(hDesktop);
  pSaved[1] = WM_GetWindowSizeY(hDesktop);
  if (pSaved[0] > LCD_GetXSize() || pSaved[1] > LCD_GetYSize()) {
    WM_SetSize(hDesktop, std::min<int>(pSaved[0], LCD_GetXSize()), std::min<int>(pSaved[1], LCD_GetYSize()));
  }
}

void GUI_MEMDEV__RestoreDesktopSize(const I32* pSaved) {
  WM_HWIN hDesktop = WM_GetDesktopWindow();
  if (WM_GetWindowSizeX(hDesktop) != pSaved[0] || WM_GetWindowSizeY(hDesktop) != pSaved[1]) {
    WM_SetSize(hDesktop, pSaved[0], pSaved[1]);
  }
}

int GUI_MEMDEV__RunFrames(const GUI_MEMDEV__FRAMES* pFrames, void (*pfFrame)(int Elapsed, void* pData), void* pData) {
  const int Period = std::max(pFrames->Period, 0);
  const U32 t0 = (U32)GUI_GetTime();
  // Waits never run past the end, so the last frame starts as the period ends when frames are cheap.
  auto Wait = [&](int ms) {
    int Left = Period - (int)((U32)GUI_GetTime() - t0);
    ms = std::min(ms, Left);
    if (ms > 0) GUI__SleepUnlocked(ms);
  };
  if (pFrames->WaitFirst) Wait(_FRAME_MS);
  for (;;) {
    const U32 t = (U32)GUI_GetTime();
    const int Since = (int)(t - t0);
    const int Elapsed = std::clamp(Since, 0, Period);
    if (Elapsed > 0 || !pFrames->SkipZero) pfFrame(Elapsed, pData);
    const bool Last = Since >= Period;
    if (pFrames->UseHook && _pfHook && _pfHook(Period - Since, _pHookData)) return Last ? 1 : 0;
    if (Last) return 1;
    const int Cost = (int)((U32)GUI_GetTime() - t);
    if (Cost < _FRAME_MS) Wait(_FRAME_MS - Cost);
  }
}

GUI_HMEM GUI_MEMDEV__CreateFrame(int x0, int y0, int xSize, int ySize, bool Identity) {
  return GUI_MEMDEV_CreateFixed(x0, y0, xSize, ySize, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_32,
                                &LCD_aColorConvAPI[Identity ? LCD_CC_8888 : LCD_CC_888]);
}

void GUI_MEMDEV__ShowFrame(GUI_HMEM hFrame) {
  WM_Deactivate();
  GUI_MEMDEV_CopyToLCD(hFrame);
  WM_Activate();
}

void GUI_MEMDEV__CopyOverlap32(GUI_HMEM hSrc, GUI_HMEM hDst) {
  GUI_MEMDEV *pS = _Get32(hSrc), *pD = _Get32(hDst);
  if (!pS || !pD) return;
  GUI_RECT r = GUI_MEMDEV__RectAt(pS, pS->x0, pS->y0), rD = GUI_MEMDEV__RectAt(pD, pD->x0, pD->y0);
  if (!GUI__IntersectRects(&r, &r, &rD)) return;
  for (int y = r.y0; y <= r.y1; y++) {
    std::memcpy(_Row(pD, y - pD->y0) + (r.x0 - pD->x0), _Row(pS, y - pS->y0) + (r.x0 - pS->x0),
                (size_t)(r.x1 - r.x0 + 1) * 4);
  }
}

bool GUI_MEMDEV__TakePictures(WM_HWIN hWin, bool WindowInBackground, GUI_MEMDEV__PICTURES* pPics) {
  pPics->hWin = pPics->hBk = 0;
  GUI_MEMDEV__LimitDesktopSize(pPics->aDesktop);
  WM_HWIN hDesktop = WM_GetDesktopWindow();
  WM_ShowWindow(hWin);
  GUI_MEMDEV_PaintStaticTree(hWin);
  pPics->hWin = GUI_MEMDEV_ComposeStaticTree(hWin);
  if (!WindowInBackground) WM_HideWindow(hWin);
  if (pPics->hWin) {
    GUI_MEMDEV_PaintStaticTree(hDesktop);
    WM_SelectWindow(hDesktop);
    pPics->hBk = GUI_MEMDEV_ComposeStaticTree(hDesktop);
  }
  if (!pPics->hBk) {
    GUI_MEMDEV_Delete(pPics->hWin);
    pPics->hWin = 0;
    return false;
  }
  return true;
}

void GUI_MEMDEV__EndPictures(WM_HWIN hWin, GUI_MEMDEV__PICTURES* pPics, bool Show, bool Completed, bool ValidateWin) {
  GUI_MEMDEV_Delete(pPics->hBk);
  GUI_MEMDEV_Delete(pPics->hWin);
  pPics->hBk = pPics->hWin = 0;
  GUI_MEMDEV_DeleteStaticTree(WM_GetDesktopWindow());
  const bool Alive = WM_IsWindow(hWin);  // other tasks ran between the frames
  if (Alive) GUI_MEMDEV_DeleteStaticTree(hWin);
  GUI_MEMDEV__RestoreDesktopSize(pPics->aDesktop);
  if (Alive) {
    if (Show) {
      WM_ShowWindow(hWin);
    } else {
      WM_HideWindow(hWin);
    }
  }
  // Only an end state on the display may stand for the windows: after a stopped or failed animation the
  // window manager paints them again.
  if (Completed) {
    WM_ValidateWindow(WM_GetDesktopWindow());
    if (ValidateWin && Alive) WM_ValidateWindow(hWin);
  }
}
