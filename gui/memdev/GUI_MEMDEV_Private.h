// Internals shared by the memory-device sources; not for the layers above.
#pragma once

#include <cstring>

#include "GUI_MEMDEV.h"

// Holds the GUI lock for a scope.
class GUI_MEMDEV__LockGuard {
 public:
  GUI_MEMDEV__LockGuard() { GUI_Lock(); }
  ~GUI_MEMDEV__LockGuard() { GUI_Unlock(); }
  GUI_MEMDEV__LockGuard(const GUI_MEMDEV__LockGuard&) = delete;
  GUI_MEMDEV__LockGuard& operator=(const GUI_MEMDEV__LockGuard&) = delete;
};

// The record of a memory-device handle (no lock: valid while the GUI lock is held and nothing allocates).
inline GUI_MEMDEV* GUI_MEMDEV__h2p(GUI_HMEM hMem) { return (GUI_MEMDEV*)GUI_ALLOC_h2p(hMem); }
// The record of a handle a caller hands in: null for 0 and for a handle that names no block (the heap
// reports that one), so that such a call does nothing.
inline GUI_MEMDEV* GUI_MEMDEV__Check(GUI_HMEM hMem) { return hMem ? GUI_MEMDEV__h2p(hMem) : nullptr; }
// The same for the operations that work on 32-bit devices only: null for any other depth.
inline GUI_MEMDEV* GUI_MEMDEV__Check32(GUI_HMEM hMem) {
  GUI_MEMDEV* p = GUI_MEMDEV__Check(hMem);
  return (p && p->BitsPerPixel == 32) ? p : nullptr;
}
inline U8* GUI_MEMDEV__GetPixels(GUI_MEMDEV* pDev) { return (U8*)pDev + GUI_MEMDEV_HEADER_SIZE; }
inline U8* GUI_USAGE__GetBits(GUI_USAGE* p) { return (U8*)p + GUI_USAGE_HEADER_SIZE; }
// Keeps a heap block in place while a transfer works on it: any allocation may otherwise move unlocked blocks.
class GUI_MEMDEV__Pin {
 public:
  explicit GUI_MEMDEV__Pin(GUI_HMEM h) : p_(h ? GUI_ALLOC_LockH(h) : nullptr) {}
  ~GUI_MEMDEV__Pin() {
    if (p_) GUI_ALLOC_UnlockH(&p_);
  }
  GUI_MEMDEV__Pin(const GUI_MEMDEV__Pin&) = delete;
  GUI_MEMDEV__Pin& operator=(const GUI_MEMDEV__Pin&) = delete;

 private:
  void* p_;
};

// Bytes a pixel takes in line buffers: 1 up to 8 bits per pixel, 2 up to 16, 4 above.
inline int GUI_MEMDEV__BytesPerPixel(int BitsPerPixel) {
  return BitsPerPixel <= 8 ? 1 : (BitsPerPixel <= 16 ? 2 : 4);
}

// GUI_MEMDEV__Init unless it ran already: the first memory device of a program registers banded painting
// should the application not have done so.
void GUI_MEMDEV__EnsureInit(void);

// Marks a run (rectangle) in a device's usage bitmap; nothing without one. Coordinates in display space.
void GUI_MEMDEV__MarkHLine(GUI_MEMDEV* pDev, int x, int y, int Len);
void GUI_MEMDEV__MarkRect(GUI_MEMDEV* pDev, int x, int y, int xSize, int ySize);
void GUI_MEMDEV__MarkPixel(GUI_MEMDEV* pDev, int x, int y);
// The core's direct access to 16-bit device pixels (GUI__pfPixelRow16).
U16* GUI_MEMDEV__PixelRow16(GUI_DEVICE* pDevice, int x, int y, int n);
// Clears the usage bitmap of a device (nothing drawn yet); nothing without one.
void GUI_MEMDEV__ClearUsage(GUI_MEMDEV* pDev);

// 1 when the handle names a measuring device (its device object is of class 7).
int GUI_MEMDEV__IsMeasDev(GUI_HMEM hMem);

// The colour conversion of the current layer's target (first device of the chain).
const LCD_COLOR_CONV_API* GUI_MEMDEV__GetTargetConv(void);
// Stored value of pixel i of a device row of 1, 8, 16 or 32 bits per pixel.
inline LCD_PIXELINDEX GUI_MEMDEV__ReadIndex(const U8* pRow, int i, int BitsPerPixel) {
  switch (BitsPerPixel) {
    case 1: return (pRow[i >> 3] >> (7 - (i & 7))) & 1;
    case 8: return pRow[i];
    case 16: {
      U16 v;
      memcpy(&v, pRow + 2 * i, 2);
      return v;
    }
    default: {
      U32 v;
      memcpy(&v, pRow + 4 * i, 4);
      return v;
    }
  }
}

// Runs pfWrite(hMem, x, y, pData) for every visible part of the device placed at (x, y) (GUI_POS_AUTO: its
// own position), each part being the context's clip rectangle meanwhile. The caller holds the lock.
void GUI_MEMDEV__ForEachVisiblePart(GUI_HMEM hMem, int x, int y, void (*pfWrite)(GUI_HMEM hMem, int x, int y, void* pData),
                                    void* pData);

// Cuts the rectangle (x0, y0, x1, y1) to the device, reporting sMessage with the first point outside when
// anything had to go (a caller's fault). false: nothing is left.
bool GUI_MEMDEV__ClipToDevice(const GUI_MEMDEV* pDev, int& x0, int& y0, int& x1, int& y1, const char* sMessage);
// The same for a bitmap whose first pixel is source pixel *pDiff at (x0, y0): moves the start, the first
// source pixel and the data to the first row and column inside.
bool GUI_MEMDEV__ClipBitmap(const GUI_MEMDEV* pDev, int& x0, int& y0, int& xSize, int& ySize, int& Diff,
                            const U8*& pData, int BytesPerLine, const char* sMessage);

// Coordinates beyond the 16-bit range of rectangles are held at its ends.
inline I16 GUI_MEMDEV__ToI16(int v) { return (I16)(v < -32768 ? -32768 : (v > 32767 ? 32767 : v)); }
// The rectangle of a device placed with its upper left corner at (x, y).
inline GUI_RECT GUI_MEMDEV__RectAt(const GUI_MEMDEV* pDev, int x, int y) {
  return GUI_RECT{GUI_MEMDEV__ToI16(x), GUI_MEMDEV__ToI16(y), GUI_MEMDEV__ToI16(x + pDev->XSize - 1),
                  GUI_MEMDEV__ToI16(y + pDev->YSize - 1)};
}
// The active clip rectangle of the context.
inline const GUI_RECT* GUI_MEMDEV__GetClip(void) { return &GUI_pContext->ClipRect; }
