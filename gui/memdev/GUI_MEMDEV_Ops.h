// Operations on the pixels of whole memory devices: blurred copies, blending toward a colour, clearing the
// usage, making 32-bit devices opaque, error-diffusion dithering, copying the display into a device and
// comparing a device with the display.
#pragma once

#include "GUI_MEMDEV.h"

// Blurred copies of a 32-bit device (level 1 .. 10), as new 32-bit devices at the same place; 0 when refused.
GUI_HMEM GUI_MEMDEV_CreateBlurred(GUI_HMEM hSrc, int Level);      // through GUI_MEMDEV__pfBlur
GUI_HMEM GUI_MEMDEV_CreateBlurredRing(GUI_HMEM hSrc, int Level);  // rings of falling weight; at least 20 x 20
GUI_HMEM GUI_MEMDEV_CreateBlurredStar(GUI_HMEM hSrc, int Level);  // eight rays of falling weight
extern GUI_HMEM (*GUI_MEMDEV__pfBlur)(GUI_HMEM hSrc, int Level);
GUI_HMEM GUI_MEMDEV__BlurRing(GUI_HMEM hSrc, int Level);

// Every pixel of a 32-bit device mixed toward Color by Intensity (255: Color). 0 done, 1 refused.
int GUI_MEMDEV_BlendColor32(GUI_HMEM hMem, GUI_COLOR Color, U8 Intensity);
// Marks every pixel untouched (handle 0: the selected device).
void GUI_MEMDEV_Clear(GUI_HMEM hMem);
// Alpha of every pixel of a 32-bit device becomes opaque, or only where a 1-bit mask device of the same size
// has its bit set. 0 done, 1 refused.
int GUI_MEMDEV_MakeOpaque(GUI_HMEM hMem, GUI_HMEM hMask);
// Quantises a 32-bit device to the colours of a conversion, spreading the error (Floyd-Steinberg).
void GUI_MEMDEV_Dither32(GUI_HMEM hMem, const LCD_COLOR_CONV_API* pColorConvAPI);
// Copies the display's pixels under the device into it (handle 0: the selected device).
void GUI_MEMDEV_CopyFromLCD(GUI_HMEM hMem);
// 0 when the device equals the display under it, else 1 with the first differing position and both values.
int GUI_MEMDEV_CompareWithLCD(GUI_HMEM hMem, int* px, int* py, int* pExp, int* pAct);

// A 32-bit device without transparency at the place and size of hSrc (sizes and position optional out).
GUI_HMEM GUI_MEMDEV__CreateSameSize32(GUI_HMEM hSrc, int* pxSize, int* pySize, int* px0, int* py0);
// A same-size 32-bit device holding a copy of a 32-bit device's pixels.
GUI_HMEM GUI_MEMDEV__CopyDevice32(GUI_HMEM hSrc);
