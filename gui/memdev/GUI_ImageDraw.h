// Drawing decoded picture rows: one row of palette indices or colours becomes pixel indices of the current
// drawing target and is drawn as one line (screen coordinates, inside the clip rectangle, lock held).
#pragma once

#include "GUI.h"

#include <cstdint>
#include <vector>

struct GUI__INDEX_LINE {
  std::vector<LCD_PIXELINDEX> Buffer;
};

// Values are palette indices (0 .. 255) translated through pTable.
void GUI__DrawIndexLine(GUI__INDEX_LINE* pLine, int x, int y, const uint32_t* pValue, int n,
                        const LCD_PIXELINDEX* pTable);
// Values are colours; their transparency byte is ignored.
void GUI__DrawColorLine(GUI__INDEX_LINE* pLine, int x, int y, const uint32_t* pColor, int n);
// Values are colours with transparency (0 opaque, 0xFF invisible); partly transparent ones are blended.
void GUI__DrawColorLineAlpha(GUI__INDEX_LINE* pLine, int x, int y, const uint32_t* pColor, int n);
// Draws n pixel indices at the target's depth.
void GUI__DrawIndices(GUI__INDEX_LINE* pLine, int x, int y, int n);
