// Methods records of the 16-bit pixel formats: 5-6-5, 5-5-5 and the three 4-4-4 layouts, each with red in the
// low bits (BGR) or in the high bits (RGB). All draw through the GUI core's 16-bit drawer, which passes rows
// unconverted when the format is the drawing target's own.
#include "GUI_Bitmap.h"

namespace {

GUI_COLOR _Rgb(unsigned r, unsigned g, unsigned b) { return GUI_COLOR(r | g << 8 | b << 16); }
unsigned _E5(unsigned v) { return LCD_aExpand5[v & 31]; }
unsigned _E4(unsigned v) { return (v & 15) * 17; }

GUI_COLOR _BGR555(LCD_PIXELINDEX v) { return _Rgb(_E5(v), _E5(v >> 5), _E5(v >> 10)); }
GUI_COLOR _RGB555(LCD_PIXELINDEX v) { return _Rgb(_E5(v >> 10), _E5(v >> 5), _E5(v)); }
GUI_COLOR _BGR444_12(LCD_PIXELINDEX v) { return _Rgb(_E4(v), _E4(v >> 4), _E4(v >> 8)); }
GUI_COLOR _RGB444_12(LCD_PIXELINDEX v) { return _Rgb(_E4(v >> 8), _E4(v >> 4), _E4(v)); }
GUI_COLOR _BGR444_16(LCD_PIXELINDEX v) { return _Rgb(_E4(v >> 4), _E4(v >> 8), _E4(v >> 12)); }
GUI_COLOR _RGB444_16(LCD_PIXELINDEX v) { return _Rgb(_E4(v >> 12), _E4(v >> 8), _E4(v >> 4)); }
GUI_COLOR _BGR444_12_1(LCD_PIXELINDEX v) { return _Rgb(_E4(v >> 1), _E4(v >> 6), _E4(v >> 11)); }
GUI_COLOR _RGB444_12_1(LCD_PIXELINDEX v) { return _Rgb(_E4(v >> 11), _E4(v >> 6), _E4(v >> 1)); }

template <tLCDDEV_Index2Color pfIndex2Color, int ConvIndex>
void _Draw(int x0, int y0, int XSize, int YSize, const U8* pData, const GUI_PALETTE* pPal, int xMag, int yMag) {
  const LCD_COLOR_CONV_API* pConv = ConvIndex >= 0 ? &LCD_aColorConvAPI[ConvIndex] : nullptr;
  GUI__DrawBitmap16bpp(x0, y0, XSize, YSize, pData, pPal, xMag, yMag, pfIndex2Color, pConv);
}

template <tLCDDEV_Index2Color pfIndex2Color, int ConvIndex = -1>
constexpr GUI_BITMAP_METHODS _Methods() {
  return GUI_BITMAP_METHODS{_Draw<pfIndex2Color, ConvIndex>, pfIndex2Color, nullptr,
                            ConvIndex >= 0 ? &LCD_aColorConvAPI[ConvIndex] : nullptr};
}

}  // namespace

const GUI_BITMAP_METHODS GUI_DRAW_BMPM565 = _Methods<LCD_CC_BGR565_Index2Color, LCD_CC_BGR565>();
const GUI_BITMAP_METHODS GUI_DRAW_BMP565 = _Methods<LCD_CC_RGB565_Index2Color, LCD_CC_RGB565>();
const GUI_BITMAP_METHODS GUI_DRAW_BMPM555 = _Methods<_BGR555>();
const GUI_BITMAP_METHODS GUI_DRAW_BMP555 = _Methods<_RGB555>();
const GUI_BITMAP_METHODS GUI_DRAW_BMPM444_12 = _Methods<_BGR444_12>();
const GUI_BITMAP_METHODS GUI_DRAW_BMP444_12 = _Methods<_RGB444_12>();
const GUI_BITMAP_METHODS GUI_DRAW_BMPM444_16 = _Methods<_BGR444_16>();
const GUI_BITMAP_METHODS GUI_DRAW_BMP444_16 = _Methods<_RGB444_16>();
const GUI_BITMAP_METHODS GUI_DRAW_BMPM444_12_1 = _Methods<_BGR444_12_1>();
const GUI_BITMAP_METHODS GUI_DRAW_BMP444_12_1 = _Methods<_RGB444_12_1>();
