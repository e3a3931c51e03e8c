// Static window devices: a 32-bit device per window that caches the window's complete painted picture with
// its transparency, so that the window is shown again by a copy, and so that the pictures of a window tree
// can be composed into one device for the window animations.
#pragma once

#include "GUI_MEMDEV.h"
#include "WM.h"

// The window manager's paint entry for a window marked static: paints through (and, when needed, into) its
// device.
void GUI_MEMDEV_Paint1Static(WM_HWIN hWin);
// Creates (or moves to the window's place) the static devices of the window and its visible descendants.
void GUI_MEMDEV_PaintStaticTree(WM_HWIN hWin);
// Composes the static devices of the window's visible tree into one new 32-bit device over the window and
// deletes them; 0 when nothing could be composed or a window of the tree has no picture. Every window adds
// only what lies inside its ancestors.
GUI_HMEM GUI_MEMDEV_ComposeStaticTree(WM_HWIN hWin);
// Deletes the static devices of a window and all its descendants and clears their static mark.
void GUI_MEMDEV_DeleteStaticTree(WM_HWIN hWin);
// The window's static device (0 for none or for window 0).
GUI_HMEM GUI_MEMDEV__GetStaticDevice(WM_HWIN hWin);

// Pixel runs of 32-bit pictures (n >= 1): leading pixels that are fully transparent, and that are opaque.
int GUI_MEMDEV__CountTransparent(const U32* pPixels, int n);
int GUI_MEMDEV__CountOpaque(const U32* pPixels, int n);
// Composes the part of 32-bit device hSrc that lies inside pClip (display coordinates; null: no limit) over
// 32-bit device hDst: transparent runs are skipped, opaque runs copied, the rest mixed keeping the
// destination's transparency (a fully transparent destination pixel takes the source pixel).
void GUI_MEMDEV__ComposeDevice(GUI_HMEM hSrc, GUI_HMEM hDst, const GUI_RECT* pClip);

// Fill byte of a new static device before the window paints into it (0xFF: every pixel fully transparent).
extern U8 GUI_MEMDEV__StaticFill;
