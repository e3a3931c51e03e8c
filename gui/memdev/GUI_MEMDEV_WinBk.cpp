// The timed fade or blur of the background behind a window: the desktop's picture (with the window in it)
// is blended step by step toward a blurred and/or coloured copy of itself on which the window's own picture
// stays sharp.
#include <algorithm>

#include "GUI_MEMDEV_AnimPrivate.h"
#include "GUI_MEMDEV_Ops.h"
#include "GUI_MEMDEV_Private.h"

namespace {

struct _BK {
  GUI_HMEM hMix, hBk, hOut;
  int Period;
};

void _Frame(int Elapsed, void* pData) {
  const _BK* b = (const _BK*)pData;
  GUI_MEMDEV__BlendDevicesAt(b->hMix, b->hBk, b->hOut, (U8)GUI_MEMDEV__FadeInRamp(b->Period, Elapsed), 0, 0);
  GUI_MEMDEV__ShowFrame(b->hOut);
}

int _BlendWinBk(WM_HWIN hWin, int Period, bool Blur, int BlurLevel, GUI_COLOR Color, U8 Intensity) {
  GUI_MEMDEV__LockGuard Lock;
  if (!WM_IsWindow(hWin) || hWin == WM_GetDesktopWindow()) return 1;
  BlurLevel = std::clamp(BlurLevel, 1, 10);
  GUI_MEMDEV__PICTURES Pics;
  _BK b{0, 0, 0, Period};
  bool Ready = false, Completed = false;
  if (GUI_MEMDEV__TakePictures(hWin, true, &Pics)) {
    b.hBk = Pics.hBk;
    b.hOut = GUI_MEMDEV__CreateFrame(GUI_MEMDEV_GetXPos(b.hBk), GUI_MEMDEV_GetYPos(b.hBk), GUI_MEMDEV_GetXSize(b.hBk),
                                     GUI_MEMDEV_GetYSize(b.hBk), false);
    b.hMix = !b.hOut ? 0 : (Blur ? GUI_MEMDEV__pfBlur(b.hBk, BlurLevel) : GUI_MEMDEV__CopyDevice32(b.hBk));
    if (b.hMix) {
      if (!Blur || Intensity) GUI_MEMDEV_BlendColor32(b.hMix, Color, Intensity);
      GUI_MEMDEV_Select(b.hMix);
      GUI_MEMDEV_CopyToLCDAt(Pics.hWin, GUI_MEMDEV_GetXPos(Pics.hWin), GUI_MEMDEV_GetYPos(Pics.hWin));
      GUI_MEMDEV_Select(0);
      const GUI_MEMDEV__FRAMES Frames = {Period, true, true, false};
      Completed = GUI_MEMDEV__RunFrames(&Frames, _Frame, &b) != 0;
      Ready = true;
    }
  }
  GUI_MEMDEV_Delete(b.hMix);
  GUI_MEMDEV_Delete(b.hOut);
  GUI_MEMDEV__EndPictures(hWin, &Pics, true, Completed, false);
  return Ready ? 0 : 1;
}

}  // namespace

int GUI_MEMDEV_BlendWinBk(WM_HWIN hWin, int Period, GUI_COLOR Color, U8 Intensity) {
  return _BlendWinBk(hWin, Period, false, 1, Color, Intensity);
}

int GUI_MEMDEV_BlurAndBlendWinBk(WM_HWIN hWin, int Period, U8 BlurLevel, GUI_COLOR Color, U8 Intensity) {
  return _BlendWinBk(hWin, Period, true, BlurLevel, Color, Intensity);
}

int GUI_MEMDEV_BlurWinBk(WM_HWIN hWin, int Period, U8 BlurLevel) {
  return _BlendWinBk(hWin, Period, true, BlurLevel, 0, 0);
}
