// Pixel composition between the cache's devices (16-bit 5-6-5 and 32-bit colours with transparency).
#include "GUI_MEMDEV.h"
#include "UI_GraphicsCachePrivate.h"

namespace {

GUI_COLOR _Read(const U8* p, int Bpp) {
  if (Bpp == 16) {
    unsigned v = unsigned(p[0]) | unsigned(p[1]) << 8;
    return GUI_COLOR((v & 31) * 255 / 31) | GUI_COLOR(((v >> 5) & 63) * 255 / 63) << 8 |
           GUI_COLOR((v >> 11) * 255 / 31) << 16;
  }
  return GUI_COLOR(p[0]) | GUI_COLOR(p[1]) << 8 | GUI_COLOR(p[2]) << 16 | GUI_COLOR(p[3]) << 24;
}

void _Write(U8* p, int Bpp, GUI_COLOR c) {
  if (Bpp == 16) {
    unsigned v = LCD_CC_BGR565_Color2Index(c & 0xFFFFFF);
    p[0] = U8(v);
    p[1] = U8(v >> 8);
  } else {
    p[0] = U8(c);
    p[1] = U8(c >> 8);
    p[2] = U8(c >> 16);
    p[3] = U8(c >> 24);
  }
}

// Source over destination; transparency 0 = opaque, 255 = invisible.
GUI_COLOR _Over(GUI_COLOR Src, GUI_COLOR Dst) {
  unsigned t = Src >> 24;
  if (t == 0) return Src;
  if (t == 255) return Dst;
  if ((Dst >> 24) == 255) return Src;
  unsigned a = 255 - t;
  GUI_COLOR r = 0;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    unsigned s = (Src >> Shift) & 0xFF, d = (Dst >> Shift) & 0xFF;
    r |= GUI_COLOR((s * a + d * (255 - a) + 127) / 255) << Shift;
  }
  return r | (Dst & 0xFF000000);
}

}  // namespace

void UI__BlendInto(GUI_HMEM hDst, GUI_HMEM hSrc, int x, int y) {
  if (!hDst || !hSrc) return;
  GUI_Lock();
  int wd = GUI_MEMDEV_GetXSize(hDst), hd = GUI_MEMDEV_GetYSize(hDst), bd = GUI_MEMDEV_GetBitsPerPixel(hDst);
  int ws = GUI_MEMDEV_GetXSize(hSrc), hs = GUI_MEMDEV_GetYSize(hSrc), bs = GUI_MEMDEV_GetBitsPerPixel(hSrc);
  U8* pd = static_cast<U8*>(GUI_MEMDEV_GetDataPtr(hDst));
  const U8* ps = static_cast<const U8*>(GUI_MEMDEV_GetDataPtr(hSrc));
  if (pd && ps && (bd == 16 || bd == 32) && (bs == 16 || bs == 32)) {
    int lineD = (bd * wd + 7) >> 3, lineS = (bs * ws + 7) >> 3;
    for (int sy = 0; sy < hs; sy++) {
      int dy = y + sy;
      if (dy < 0 || dy >= hd) continue;
      for (int sx = 0; sx < ws; sx++) {
        int dx = x + sx;
        if (dx < 0 || dx >= wd) continue;
        GUI_COLOR c = _Read(ps + sy * lineS + sx * (bs / 8), bs);
        U8* q = pd + dy * lineD + dx * (bd / 8);
        if (c >> 24) c = _Over(c, _Read(q, bd));
        _Write(q, bd, c);
      }
    }
  }
  GUI_Unlock();
}
