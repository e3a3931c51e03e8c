// File dumps of the current layer: a BMP file through the GUI library's serializer, and the run-length "SB"
// format: 'S', 'B', width, height, palette size N (16 bits each, little-endian), N colours as red, green, blue,
// then runs of a 16-bit count and the value (a palette position, or red, green, blue when N is 0).
#include <cstdio>
#include <vector>

#include "GUI.h"
#include "GUI_BMP.h"
#include "SIM_Dump.h"

namespace {

struct _OUT {
  FILE* pFile;
  int Failed;
};

void _Put(uint8_t Byte, _OUT* pOut) {
  if (!pOut->Failed && fputc(Byte, pOut->pFile) == EOF) pOut->Failed = 1;
}

void _Put16(int v, _OUT* pOut) {
  _Put(uint8_t(v), pOut);
  _Put(uint8_t(v >> 8), pOut);
}

void _PutRGB(uint32_t Color, _OUT* pOut) {  // GUI colour: red in the low byte
  _Put(uint8_t(Color), pOut);
  _Put(uint8_t(Color >> 8), pOut);
  _Put(uint8_t(Color >> 16), pOut);
}

void _Serialize(U8 Byte, void* p) { _Put(Byte, static_cast<_OUT*>(p)); }

// A write error, or one that only shows when the buffered bytes reach the disk, fails the dump.
int _Close(_OUT* pOut) {
  int r = fclose(pOut->pFile);
  return (pOut->Failed || r != 0) ? 2 : 0;
}

void _WriteRun(int Count, uint32_t Value, int NumColors, _OUT* pOut) {
  _Put16(Count, pOut);
  if (NumColors) _Put(uint8_t(Value), pOut);
  else _PutRGB(Value, pOut);
}

void _WriteSB(int x0, int y0, int xSize, int ySize, _OUT* pOut) {
  int UsePalette = LCD_GetBitsPerPixel() <= 8;
  std::vector<int> aPos(256, -1);
  int NumColors = 0;
  if (UsePalette) {
    std::vector<uint8_t> aUsed(256, 0);
    for (int y = 0; y < ySize; y++)
      for (int x = 0; x < xSize; x++) aUsed[LCD_GetPixelIndex(x0 + x, y0 + y) & 0xFF] = 1;
    for (int i = 0; i < 256; i++)
      if (aUsed[i]) aPos[i] = NumColors++;
  }
  _Put('S', pOut);
  _Put('B', pOut);
  _Put16(xSize, pOut);
  _Put16(ySize, pOut);
  _Put16(NumColors, pOut);
  for (int i = 0; i < 256; i++)
    if (aPos[i] >= 0) _PutRGB(GUI_Index2Color(i), pOut);
  uint32_t RunValue = 0;
  int Count = 0;
  for (int y = 0; y < ySize; y++) {
    for (int x = 0; x < xSize; x++) {
      uint32_t v = UsePalette ? uint32_t(aPos[LCD_GetPixelIndex(x0 + x, y0 + y) & 0xFF])
                              : (LCD_GetPixelColor(x0 + x, y0 + y) & 0xFFFFFF);
      if (Count && (v != RunValue || Count == 0xFFFF)) {
        _WriteRun(Count, RunValue, NumColors, pOut);
        Count = 0;
      }
      RunValue = v;
      Count++;
    }
  }
  _WriteRun(Count, RunValue, NumColors, pOut);  // an empty area ends with a run of 0 pixels of value 0
}

}  // namespace

int SIM_SaveBMPEx(const char* pFileName, int x0, int y0, int xSize, int ySize) {
  _OUT Out = {fopen(pFileName, "wb"), 0};
  if (!Out.pFile) return 1;
  GUI_BMP_SerializeEx(_Serialize, x0, y0, xSize, ySize, &Out);
  return _Close(&Out);
}

int SIM_SaveBMP(const char* pFileName) {
  GUI_Lock();
  int xSize = LCD_GetXSize(), ySize = LCD_GetYSize();
  GUI_Unlock();
  return SIM_SaveBMPEx(pFileName, 0, 0, xSize, ySize);
}

int SIM_SaveSBMPEx(const char* pFileName, int x0, int y0, int xSize, int ySize) {
  _OUT Out = {fopen(pFileName, "wb"), 0};
  if (!Out.pFile) return 1;
  if (xSize < 0) xSize = 0;
  if (ySize < 0) ySize = 0;
  GUI_Lock();
  _WriteSB(x0, y0, xSize, ySize, &Out);
  GUI_Unlock();
  return _Close(&Out);
}

int SIM_SaveSBMP(const char* pFileName) {
  GUI_Lock();
  int xSize = LCD_GetXSize(), ySize = LCD_GetYSize();
  GUI_Unlock();
  return SIM_SaveSBMPEx(pFileName, 0, 0, xSize, ySize);
}
