// The composite view of all layers, for the composite window.
#pragma once
#include <cstdint>

#include "PLAT_Window.h"

// Computes the composite view (0x00RRGGBB, top line first) of xSize x ySize pixels.
void LCDSIM__Composite(uint32_t* pDest, int xSize, int ySize);
// On paint of the composite window: the view of the configured size, drawn at 0, 0.
void LCDSIM_PaintComposite(PLAT_HWIN hWin);
