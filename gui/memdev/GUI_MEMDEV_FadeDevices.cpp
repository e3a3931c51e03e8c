// Cross-fade of two 32-bit devices of the same size and place: every frame blends them by the elapsed part
// of the period and writes the blend to the display.
#include "GUI_MEMDEV_AnimPrivate.h"
#include "GUI_MEMDEV_Private.h"

namespace {

struct _FADE {
  GUI_HMEM hMem0, hMem1, hFrame;
  int Period;
  bool Out;
};

void _Frame(int Elapsed, void* pData) {
  const _FADE* f = (const _FADE*)pData;
  int i = GUI_MEMDEV__FadeInRamp(f->Period, Elapsed);
  GUI_MEMDEV__BlendDevices(f->hMem0, f->hMem1, f->hFrame, (U8)(f->Out ? 255 - i : i));
  GUI_MEMDEV_Write(f->hFrame);
}

int _Fade(GUI_HMEM hMem0, GUI_HMEM hMem1, int Period, bool Out) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV *p0 = GUI_MEMDEV__Check(hMem0), *p1 = GUI_MEMDEV__Check(hMem1);
  if (!p0 || !p1 || p0->BitsPerPixel != 32 || p1->BitsPerPixel != 32) return 1;
  if (p0->XSize != p1->XSize || p0->YSize != p1->YSize || p0->x0 != p1->x0 || p0->y0 != p1->y0) return 1;
  _FADE f{hMem0, hMem1, GUI_MEMDEV__CreateFrame(p0->x0, p0->y0, p0->XSize, p0->YSize, false), Period, Out};
  if (!f.hFrame) return 1;
  const GUI_MEMDEV__FRAMES Frames = {Period, true, true, false};
  GUI_MEMDEV__RunFrames(&Frames, _Frame, &f);
  GUI_MEMDEV_Delete(f.hFrame);
  return 0;
}

}  // namespace

int GUI_MEMDEV_FadeInDevices(GUI_HMEM hMem0, GUI_HMEM hMem1, int Period) { return _Fade(hMem0, hMem1, Period, false); }

int GUI_MEMDEV_FadeOutDevices(GUI_HMEM hMem0, GUI_HMEM hMem1, int Period) { return _Fade(hMem0, hMem1, Period, true); }
