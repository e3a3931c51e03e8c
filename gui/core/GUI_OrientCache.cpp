// Orientation renderers with a cache of the physical frame (8, 16 or 32 bits per cached pixel): drawing is
// composed in the cache and the changed physical rectangle reaches the next device as one bitmap; pixels are
// read back from the cache only. One template serves the three widths.
#include "GUI_OrientPrivate.h"

namespace {

template <class T>
struct _CACHE {
  static T* Entry(const GUI_ORIENT_CONTEXT* p, int xp, int yp) {
    return reinterpret_cast<T*>(p->pCache + (size_t)yp * (size_t)p->BytesPerLine) + xp;
  }

  // Logical coordinates that map into the cache.
  static bool Inside(const GUI_ORIENT_CONTEXT* p, int x, int y) {
    bool Swap = p->Orientation & GUI_SWAP_XY;
    int w = Swap ? p->VYSize : p->VXSize, h = Swap ? p->VXSize : p->VYSize;
    return x >= 0 && y >= 0 && x < w && y < h;
  }

  // The physical rectangle goes from the cache to the next device, as it is (no draw mode applies to it).
  static void Flush(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
    const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
    GUI_DEVICE* pNext = pDevice->pNext;
    if (!pNext) {
      return;
    }
    U8 SavedMode = GUI_pContext->DrawMode;
    GUI_pContext->DrawMode = GUI_DRAWMODE_NORMAL;
    pNext->pDeviceAPI->pfDrawBitmap(pNext, x0, y0, x1 - x0 + 1, y1 - y0 + 1, int(8 * sizeof(T)), p->BytesPerLine,
                                    reinterpret_cast<const U8*>(Entry(p, x0, y0)), 0, nullptr);
    GUI_pContext->DrawMode = SavedMode;
  }

  static LCD_PIXELINDEX GetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
    const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
    if (!Inside(p, x, y)) {
      return 0;
    }
    int xp, yp;
    p->pfMap(p, x, y, &xp, &yp);
    return *Entry(p, xp, yp);
  }

  static void SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
    const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
    if (!Inside(p, x, y)) {
      return;
    }
    int xp, yp;
    p->pfMap(p, x, y, &xp, &yp);
    *Entry(p, xp, yp) = T(Index);
    if (GUI_DEVICE* pNext = pDevice->pNext) {
      pNext->pDeviceAPI->pfSetPixelIndex(pNext, xp, yp, Index);
    }
  }

  static void XorPixel(GUI_DEVICE* pDevice, int x, int y) {
    SetPixelIndex(pDevice, x, y, GetPixelIndex(pDevice, x, y) ^ GUI_ORIENT__GetIndexMask(pDevice));
  }

  static void FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
    const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
    bool Swap = p->Orientation & GUI_SWAP_XY;
    x0 = GUI__Max(x0, 0);
    y0 = GUI__Max(y0, 0);
    x1 = GUI__Min(x1, (Swap ? p->VYSize : p->VXSize) - 1);
    y1 = GUI__Min(y1, (Swap ? p->VXSize : p->VYSize) - 1);
    if (x0 > x1 || y0 > y1) {
      return;
    }
    int a, b, c, d;
    GUI_ORIENT__MapRect(p, x0, y0, x1, y1, &a, &b, &c, &d);
    bool Xor = GUI_pContext->DrawMode & GUI_DRAWMODE_XOR;
    T Value = T(Xor ? GUI_ORIENT__GetIndexMask(pDevice) : *GUI_pContext->LCD_pColorIndex);
    for (int yp = b; yp <= d; yp++) {
      T* e = Entry(p, a, yp);
      for (int xp = a; xp <= c; xp++, e++) {
        *e = Xor ? T(*e ^ Value) : Value;
      }
    }
    Flush(pDevice, a, b, c, d);
  }

  static void DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { FillRect(pDevice, x0, y, x1, y); }
  static void DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) { FillRect(pDevice, x, y0, x, y1); }

  // Rows are written into the cache with the display driver's draw-mode rules, then sent as one bitmap.
  static void DrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel,
                         int BytesPerLine, const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
    const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
    if (xSize <= 0 || ySize <= 0 || !pData) {
      return;
    }
    int DrawMode = GUI_pContext->DrawMode;
    bool Xor = DrawMode & GUI_DRAWMODE_XOR;
    if (BitsPerPixel >= 16) {
      pTrans = nullptr;
    }
    bool Trans = (DrawMode & GUI_DRAWMODE_TRANS) && pTrans;
    T Mask = T(GUI_ORIENT__GetIndexMask(pDevice));
    bool Whole = Inside(p, x0, y0) && Inside(p, x0 + xSize - 1, y0 + ySize - 1);
    for (int y = 0; y < ySize; y++, pData += BytesPerLine) {
      int xp, yp;
      T* e = nullptr;
      if (Whole) {
        p->pfMap(p, x0, y0 + y, &xp, &yp);
        e = Entry(p, xp, yp);
      }
      for (int x = 0; x < xSize; x++) {
        if (Whole) {
          e = x ? e + p->PixelStep : e;
        } else if (Inside(p, x0 + x, y0 + y)) {
          p->pfMap(p, x0 + x, y0 + y, &xp, &yp);
          e = Entry(p, xp, yp);
        } else {
          continue;
        }
        U32 Raw = GUI__ReadPixelRaw(pData, BitsPerPixel, Diff + x);
        if (Xor) {
          if (Raw) {
            *e = T(*e ^ Mask);
          }
        } else if (!(Trans && Raw == 0)) {
          *e = T(pTrans ? pTrans[Raw] : Raw);
        }
      }
    }
    int ax = GUI__Max(x0, 0), ay = GUI__Max(y0, 0);
    int bx = x0 + xSize - 1, by = y0 + ySize - 1;
    bool Swap = p->Orientation & GUI_SWAP_XY;
    bx = GUI__Min(bx, (Swap ? p->VYSize : p->VXSize) - 1);
    by = GUI__Min(by, (Swap ? p->VXSize : p->VYSize) - 1);
    if (ax > bx || ay > by) {
      return;
    }
    int a, b, c, d;
    GUI_ORIENT__MapRect(p, ax, ay, bx, by, &a, &b, &c, &d);
    Flush(pDevice, a, b, c, d);
  }
};

template <class T>
constexpr GUI_ORIENT_RENDERER _Renderer = {
    _CACHE<T>::DrawBitmap,    _CACHE<T>::DrawHLine,     _CACHE<T>::DrawVLine, _CACHE<T>::FillRect,
    _CACHE<T>::GetPixelIndex, _CACHE<T>::SetPixelIndex, _CACHE<T>::XorPixel,  U32(sizeof(T)),
};

}  // namespace

const GUI_ORIENT_RENDERER GUI_OrientRendererCache8 = _Renderer<U8>;
const GUI_ORIENT_RENDERER GUI_OrientRendererCache16 = _Renderer<U16>;
const GUI_ORIENT_RENDERER GUI_OrientRendererCache32 = _Renderer<U32>;
