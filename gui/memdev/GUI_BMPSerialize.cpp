// Writing an area of the drawing target as a BMP file (40-byte info header, bottom-up rows padded to four
// bytes), one byte at a time through the caller's routine.
#include "GUI_BMP.h"

namespace {

struct _WRITER {
  GUI_CALLBACK_VOID_U8_P* pfWrite;
  void* pParam;
};

void _Put8(const _WRITER* w, unsigned v) { w->pfWrite(U8(v), w->pParam); }
void _Put16(const _WRITER* w, unsigned v) {
  _Put8(w, v & 0xFF);
  _Put8(w, (v >> 8) & 0xFF);
}
void _Put32(const _WRITER* w, U32 v) {
  _Put16(w, v & 0xFFFF);
  _Put16(w, v >> 16);
}

unsigned _To5(unsigned c) { return (c * 31 + 127) / 255; }

}  // namespace

void GUI_BMP_SerializeExBpp(GUI_CALLBACK_VOID_U8_P* pfSerialize, int x0, int y0, int xSize, int ySize, void* pParam,
                            int BitsPerPixel) {
  if (!pfSerialize || xSize <= 0 || ySize <= 0 || BitsPerPixel <= 0 || BitsPerPixel > 32) {
    return;
  }
  _WRITER w{pfSerialize, pParam};
  // Bytes per pixel; a depth between two byte sizes is written at the larger one.
  int BytesPerPixel = (BitsPerPixel + 7) / 8;
  int NumColors = BitsPerPixel <= 8 ? 1 << BitsPerPixel : 0;
  U32 RowBytes = U32(xSize) * BytesPerPixel;
  U32 Padding = (4 - RowBytes % 4) % 4;
  U32 DataOff = 54 + 4 * NumColors;
  GUI_Lock();
  _Put16(&w, 0x4D42);
  _Put32(&w, DataOff + (RowBytes + Padding) * U32(ySize));
  _Put32(&w, 0);
  _Put32(&w, DataOff);
  _Put32(&w, 40);
  _Put32(&w, U32(xSize));
  _Put32(&w, U32(ySize));
  _Put16(&w, 1);
  _Put16(&w, 8 * BytesPerPixel);
  _Put32(&w, 0);  // no compression
  _Put32(&w, 0);
  _Put32(&w, 0);
  _Put32(&w, 0);
  _Put32(&w, U32(NumColors));
  _Put32(&w, 0);
  for (int i = 0; i < NumColors; i++) {
    GUI_COLOR c = GUI_Index2Color(i);
    _Put8(&w, (c >> 16) & 0xFF);
    _Put8(&w, (c >> 8) & 0xFF);
    _Put8(&w, c & 0xFF);
    _Put8(&w, 0);
  }
  for (int y = y0 + ySize - 1; y >= y0; y--) {
    for (int x = x0; x < x0 + xSize; x++) {
      if (BytesPerPixel == 1) {
        _Put8(&w, LCD_GetPixelIndex(x, y) & 0xFF);
        continue;
      }
      GUI_COLOR c = LCD_GetPixelColor(x, y);
      unsigned r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      if (BytesPerPixel == 2) {
        _Put16(&w, _To5(r) << 10 | _To5(g) << 5 | _To5(b));
        continue;
      }
      _Put8(&w, b);
      _Put8(&w, g);
      _Put8(&w, r);
      if (BytesPerPixel == 4) {
        _Put8(&w, 255 - (c >> 24));
      }
    }
    for (U32 i = 0; i < Padding; i++) {
      _Put8(&w, 0);
    }
  }
  GUI_Unlock();
}

void GUI_BMP_SerializeEx(GUI_CALLBACK_VOID_U8_P* pfSerialize, int x0, int y0, int xSize, int ySize, void* pParam) {
  GUI_Lock();
  int Bpp = LCD_GetBitsPerPixel();
  GUI_BMP_SerializeExBpp(pfSerialize, x0, y0, xSize, ySize, pParam, Bpp > 24 ? 24 : Bpp);
  GUI_Unlock();
}

void GUI_BMP_Serialize(GUI_CALLBACK_VOID_U8_P* pfSerialize, void* pParam) {
  GUI_Lock();
  GUI_BMP_SerializeEx(pfSerialize, 0, 0, LCD_GetXSize(), LCD_GetYSize(), pParam);
  GUI_Unlock();
}
