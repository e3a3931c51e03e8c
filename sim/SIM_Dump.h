// Getting the simulated display out: file dumps of the current layer (BMP and the run-length "SB" format) and a
// copy of a layer to the clipboard.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// 0 success; 1 when the file cannot be created; 2 when a write or closing the file failed.
int SIM_SaveBMP(const char* pFileName);
int SIM_SaveBMPEx(const char* pFileName, int x0, int y0, int xSize, int ySize);
int SIM_SaveSBMP(const char* pFileName);
int SIM_SaveSBMPEx(const char* pFileName, int x0, int y0, int xSize, int ySize);

void SIM_CopyToClipboard(int Layer);
// The clipboard's bitmap block of a layer: 40-byte info header, palette, pixels bottom line first.
// Empty when the layer does not exist.
std::vector<uint8_t> SIM__BuildClipboardBlock(int Layer);
