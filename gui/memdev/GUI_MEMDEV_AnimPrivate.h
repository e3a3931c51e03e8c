// The frame pacing and the window pictures that the animations share. Internal to the memory devices.
#pragma once

#include "GUI_MEMDEV_Anim.h"

// How one animation runs its frames.
struct GUI_MEMDEV__FRAMES {
  int Period;      // ms; the last frame shows Elapsed = Period
  bool WaitFirst;  // wait one frame time before the first frame
  bool UseHook;    // the animation callback is asked after every frame
  bool SkipZero;   // a frame at Elapsed 0 draws nothing
};
// Calls pfFrame(Elapsed, pData) frame after frame, at least 10 ms apart, each at the time it starts, until
// the frame at or past the period; between frames the GUI lock is let go. 1 when the end state was shown,
// 0 when the callback stopped it earlier.
int GUI_MEMDEV__RunFrames(const GUI_MEMDEV__FRAMES* pFrames, void (*pfFrame)(int Elapsed, void* pData), void* pData);

// Pictures of a window animation: the window with its visible descendants, and the desktop's tree behind
// it (with the window in it or without). On failure both are 0 and nothing is left allocated.
struct GUI_MEMDEV__PICTURES {
  GUI_HMEM hWin;     // the window's picture, over its rectangle
  GUI_HMEM hBk;      // the desktop's picture, over the display
  I32 aDesktop[2];   // the desktop's size before the animation
};
bool GUI_MEMDEV__TakePictures(WM_HWIN hWin, bool WindowInBackground, GUI_MEMDEV__PICTURES* pPics);
// Releases the pictures and the static devices, gives the desktop its size back, shows or hides the window
// and, when the animation showed its end state, marks the desktop (and the window when asked) valid.
void GUI_MEMDEV__EndPictures(WM_HWIN hWin, GUI_MEMDEV__PICTURES* pPics, bool Show, bool Completed, bool ValidateWin);
// A frame device over the whole display or over a rectangle, 32-bit, colours without transparency (or with
// it: Identity).
GUI_HMEM GUI_MEMDEV__CreateFrame(int x0, int y0, int xSize, int ySize, bool Identity);
// Shows a frame on the display with window clipping off.
void GUI_MEMDEV__ShowFrame(GUI_HMEM hFrame);
// Copies the pixels of 32-bit hSrc that lie under 32-bit hDst into it (by position).
void GUI_MEMDEV__CopyOverlap32(GUI_HMEM hSrc, GUI_HMEM hDst);
