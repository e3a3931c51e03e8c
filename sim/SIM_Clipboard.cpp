// Copy of a layer's visible area to the clipboard as a device-independent bitmap: 8 bits with the palette for
// palette layers, 16 bits (5-5-5) up to 16 bits per pixel, 24 bits above; lines padded to 4 bytes, bottom first.
#include "GUI.h"
#include "LCDSIM.h"
#include "PLAT_Image.h"
#include "SIM_Bridge.h"
#include "SIM_Dump.h"

static void _Put32(std::vector<uint8_t>& v, size_t Off, uint32_t x) {
  for (int i = 0; i < 4; i++) v[Off + i] = uint8_t(x >> (8 * i));
}

static unsigned _To5(uint32_t Channel) { return (Channel * 31 + 127) / 255; }

std::vector<uint8_t> SIM__BuildClipboardBlock(int Layer) {
  if (Layer < 0 || Layer >= SIM__GuiGetNumLayers()) return {};
  SIM_LAYER_INFO Info;
  SIM__GuiGetLayerInfo(Layer, &Info);
  int xSize = Info.XSize * Info.XMag, ySize = Info.YSize * Info.YMag;
  if (xSize <= 0 || ySize <= 0) return {};
  int xOrg, yOrg;
  GUI__GetOrg(&xOrg, &yOrg);
  int Bpp = Info.BitsPerPixel <= 8 ? 8 : (Info.BitsPerPixel <= 16 ? 16 : 24);
  int NumColors = Bpp == 8 ? (1 << (Info.BitsPerPixel > 0 ? Info.BitsPerPixel : 1)) : 0;
  size_t BytesPerLine = (size_t(xSize) * Bpp / 8 + 3) & ~size_t(3);
  size_t PixelOff = 40 + 4 * size_t(NumColors);
  std::vector<uint8_t> v(PixelOff + BytesPerLine * size_t(ySize), 0);
  _Put32(v, 0, 40);
  _Put32(v, 4, uint32_t(xSize));
  _Put32(v, 8, uint32_t(ySize));  // positive: bottom line first
  v[12] = 1;
  v[14] = uint8_t(Bpp);
  _Put32(v, 32, uint32_t(NumColors));
  for (int i = 0; i < NumColors; i++) {
    uint32_t c = LCDSIM_Index2Color(i, Layer);  // red in the low byte
    v[40 + 4 * i] = uint8_t(c >> 16);
    v[41 + 4 * i] = uint8_t(c >> 8);
    v[42 + 4 * i] = uint8_t(c);
  }
  for (int y = 0; y < ySize; y++) {
    uint8_t* pLine = v.data() + PixelOff + BytesPerLine * size_t(ySize - 1 - y);
    for (int x = 0; x < xSize; x++) {
      int xs = x + xOrg, ys = y + yOrg;
      if (Bpp == 8) {
        pLine[x] = uint8_t(LCDSIM_GetPixelIndex(xs, ys, Layer));
        continue;
      }
      uint32_t c = LCDSIM_GetPixelColor(xs, ys, Layer);  // 0x00RRGGBB
      if (Bpp == 16) {
        unsigned p = _To5((c >> 16) & 0xFF) << 10 | _To5((c >> 8) & 0xFF) << 5 | _To5(c & 0xFF);
        pLine[2 * x] = uint8_t(p);
        pLine[2 * x + 1] = uint8_t(p >> 8);
      } else {
        pLine[3 * x] = uint8_t(c);
        pLine[3 * x + 1] = uint8_t(c >> 8);
        pLine[3 * x + 2] = uint8_t(c >> 16);
      }
    }
  }
  return v;
}

void SIM_CopyToClipboard(int Layer) {
  std::vector<uint8_t> Block = SIM__BuildClipboardBlock(Layer);
  if (!Block.empty()) PLAT_SetClipboardDIBBlock(Block.data(), Block.size());
}
