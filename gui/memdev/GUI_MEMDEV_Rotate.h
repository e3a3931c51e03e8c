// Rotation and scaling of one 32-bit memory device into another about the source's centre. Angles in 1/1000
// degree (counter-clockwise on the display), magnification in 1/1000, positions of the source's upper left
// corner (before rotation) in destination pixels or, for the sub-pixel variants, in 1/8 pixel. The device
// positions play no part: pixels are addressed relative to each device.
#pragma once

#include "GUI_MEMDEV.h"

// Nearest sampling; the written value is ANDed with AndMask (0x00FFFFFF: written pixels come out opaque).
void GUI_MEMDEV_Rotate(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag);
void GUI_MEMDEV_RotateMasked(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, U32 AndMask);
void GUI_MEMDEV_RotateSubpixel(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag);
void GUI_MEMDEV_RotateSubpixelMasked(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, U32 AndMask);
// Nearest sampling with a global transparency (0 keeps the source's own, 255 makes it invisible).
void GUI_MEMDEV_RotateAlpha(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, U8 Alpha);
// Area-average sampling (smooth).
void GUI_MEMDEV_RotateSmooth(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag);
void GUI_MEMDEV_RotateSmoothAlpha(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, U8 Alpha);
void GUI_MEMDEV_RotateSmoothSubpixel(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag);
// Area-average sampling that leaves the destination alone wherever the source pixel under the sample is
// fully transparent.
void GUI_MEMDEV_RotateSmoothSparse(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag);

// Selects the plain (portable) inner loops instead of the vector ones; 1 plain. Returns the previous setting.
int GUI_MEMDEV__RotatePlainOnly(int OnOff);
