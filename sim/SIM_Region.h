// Skin regions: the connected areas (4-connected) of a picture's pixels that are not the key colour. They give
// the device window its outline and the generic frame its hard keys. Library-internal.
#pragma once
#include <cstdint>
#include <vector>

#include "PLAT_Window.h"

typedef struct {
  int32_t y, x0, x1;   // one horizontal run, x1 inclusive
} SIM_LINE;

typedef struct {
  int32_t x0, y0, x1, y1;          // bounding box, inclusive
  std::vector<SIM_LINE> aLine;     // in row order
  int32_t Index;                   // position in the table
} SIM_REGION;

// Scans a picture of 0x00RRGGBB pixels (top line first, any width); only the low 24 bits of the key count.
// Returns the number of regions (0 for no picture, or more than Max regions), ordered by top edge, then left edge.
// The table stays filled until SIM_FreeRegions.
int SIM_GetRegions(const uint32_t* pPixels, int xSize, int ySize, uint32_t Key, int Max);
int SIM_GetRegionRect(int n, int* pRect);           // x0, y0, x1, y1; 1 (rectangle unchanged) for a bad index
const SIM_REGION* SIM__GetRegion(int n);
// A region made of one rectangle per line of region n, relative to its top-left corner, moved by (x, y).
PLAT_HREGION SIM_SetBitmapRegion(int n, int x, int y);
// Adds region n at (x, y) to the window's outline; 0 on success.
int SIM__SetWindowRegion(PLAT_HWIN hWin, int n, int x, int y);
void SIM_FreeRegions(void);
