// A prerendered picture turned about its centre: the spare 33x33 sign is the "next" sign turned by 210
// degrees at start-up, smoothly, and cut round with a soft-edged mask so that the turn leaves no stray corner
// pixels.
#include <cstring>

#include "GUI_MEMDEV_Rotate.h"
#include "UI_GraphicsCachePrivate.h"

void UI__TurnPicture(GUI_HMEM hPicture, int Angle) {
  if (!hPicture || GUI_MEMDEV_GetBitsPerPixel(hPicture) != 32) return;
  GUI_Lock();
  const int w = GUI_MEMDEV_GetXSize(hPicture), h = GUI_MEMDEV_GetYSize(hPicture);
  GUI_HMEM hTurned = UI__CreateDevice(0, 0, w, h, 32);
  GUI_HMEM hMask = GUI_MEMDEV_CreateFixed(0, 0, w, h, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_8,
                                          &LCD_aColorConvAPI[LCD_CC_GRAY8]);
  if (hTurned && hMask) {
    U32* pTurned = (U32*)GUI_MEMDEV_GetDataPtr(hTurned);
    for (int i = 0; i < w * h; i++) pTurned[i] = GUI_TRANSPARENT;
    // The same size at the same place: the centre stays where it is.
    GUI_MEMDEV_RotateSmoothSubpixel(hPicture, hTurned, 0, 0, Angle, 1000);
    UI__RenderInto(
        hMask,
        [](int w, int h, const void*) {
          GUI_SetColor(GUI_BLACK);
          GUI_FillRect(0, 0, w - 1, h - 1);
          GUI_SetColor(GUI_WHITE);
          GUI_FillCircle(w / 2, h / 2, (w < h ? w : h) / 2 - 1);
        },
        nullptr);
    // Pixels the mask only partly keeps become partly transparent.
    int OldMode = GUI_SetDrawMode(GUI_DRAWMODE_TRANS);
    GUI_MEMDEV_PunchOutDevice(hTurned, hMask);
    GUI_SetDrawMode(OldMode);
    std::memcpy(GUI_MEMDEV_GetDataPtr(hPicture), GUI_MEMDEV_GetDataPtr(hTurned), (size_t)w * h * 4);
  }
  GUI_MEMDEV_Delete(hMask);
  GUI_MEMDEV_Delete(hTurned);
  GUI_Unlock();
}
