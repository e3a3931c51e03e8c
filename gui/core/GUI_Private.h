// Internals shared by the sources of the GUI core; not for the layers above.
#pragma once

#include "GUI.h"

void GUI_OS__InitLock(void);
void GUI_OS__Lock(void);
void GUI_OS__Unlock(void);
void GUI_OS__ErrorOut(const char* s);
void GUI_OS__Warn(const char* s);

void GUITASK__Exit(void);
void GUI__InitContext(GUI_CONTEXT* pContext);
void GUI_DEVICE__Exit(void);
void GUI__AlphaExit(void);
void GUI__DrawExit(void);

// Draws the clipped part of a bitmap through the chain's head device (coordinates already clipped).
void LCD__DrawBitmapClipped(int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                            const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans);

inline GUI_DEVICE* GUI__GetHead(void) { return GUI_aDevice[GUI_pContext->SelLayer]; }
inline int GUI__Min(int a, int b) { return a < b ? a : b; }
inline int GUI__Max(int a, int b) { return a > b ? a : b; }

// Clamps an int into the I16 coordinate range of rectangles.
inline I16 GUI__ClampI16(int v) { return (I16)(v < -32768 ? -32768 : (v > 32767 ? 32767 : v)); }
