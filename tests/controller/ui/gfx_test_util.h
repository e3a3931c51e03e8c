// Helpers of the drawing and cache tests: images of memory devices for golden comparison.
#pragma once

#include <vector>

#include "GUI_MEMDEV.h"
#include "Golden.h"
#include "GuiTest.h"
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "WM.h"

namespace gfxtest {

// The whole cache takes about 3.3 MB, more than the default GUI heap holds.
inline void BigHeap(void) {
  GUI_ALLOC_AssignMemory(nullptr, 8u << 20);
  GUI_ALLOC_SetAvBlockSize(GUI_DEFAULT_AV_BLOCK_SIZE);
}
inline const GUI_CONFIG_API BigHeapConfig = {BigHeap, GUI_ConfigDefaultLCD};

// The pixels of a device as an image; transparent pixels show as magenta so that golden images keep them.
inline golden::Image DeviceImage(GUI_HMEM hMem) {
  golden::Image Img;
  Img.Width = GUI_MEMDEV_GetXSize(hMem);
  Img.Height = GUI_MEMDEV_GetYSize(hMem);
  for (int y = 0; y < Img.Height; y++) {
    for (int x = 0; x < Img.Width; x++) {
      GUI_COLOR c = UI_MemdevPixel(hMem, x, y);
      unsigned t = c >> 24;
      unsigned r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      // Half-transparent pixels over magenta, so both colour and transparency are pinned.
      r = (r * (255 - t) + 255 * t) / 255;
      g = (g * (255 - t)) / 255;
      b = (b * (255 - t) + 255 * t) / 255;
      Img.Pixels.push_back(r << 16 | g << 8 | b);
    }
  }
  return Img;
}

// Several devices side by side on a grey sheet (at most Width pixels a row, 2 pixels apart).
inline golden::Image Sheet(const GUI_HMEM* ah, int n, int Width = 480) {
  int x = 0, y = 0, RowH = 0;
  struct Place { int x, y; };
  std::vector<Place> aPlace;
  int W = 0, H = 0;
  for (int i = 0; i < n; i++) {
    int w = GUI_MEMDEV_GetXSize(ah[i]), h = GUI_MEMDEV_GetYSize(ah[i]);
    if (x && x + w > Width) {
      x = 0;
      y += RowH + 2;
      RowH = 0;
    }
    aPlace.push_back({x, y});
    x += w + 2;
    RowH = h > RowH ? h : RowH;
    W = x > W ? x : W;
    H = y + RowH > H ? y + RowH : H;
  }
  golden::Image Img;
  Img.Width = W;
  Img.Height = H;
  Img.Pixels.assign(size_t(W) * H, 0x808080);
  for (int i = 0; i < n; i++) {
    golden::Image d = DeviceImage(ah[i]);
    for (int yy = 0; yy < d.Height; yy++) {
      for (int xx = 0; xx < d.Width; xx++) {
        Img.Pixels[size_t(aPlace[i].y + yy) * W + aPlace[i].x + xx] = d.Pixels[size_t(yy) * d.Width + xx];
      }
    }
  }
  return Img;
}

}  // namespace gfxtest

// A fresh GUI with the window manager, the memory devices and a heap that holds the whole cache.
class GfxTest : public GuiTest {
 protected:
  void SetUp() override {
    GUI_SetConfigAPI(&gfxtest::BigHeapConfig);
    GuiTest::SetUp();
    WM_Init();
    GUI_MEMDEV__Init();
  }
  void TearDown() override {
    UI_DeleteGraphicsCache();
    GuiTest::TearDown();
    GUI_SetConfigAPI(nullptr);
  }
};
