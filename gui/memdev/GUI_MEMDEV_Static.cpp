// Static window devices. A window's picture is painted into its own 32-bit device with the window manager
// off, so the window paints all of itself whatever covers it; what it leaves alone stays fully transparent.
// Composing a tree lays every window's picture over its parent's in paint order, each cut to its ancestors'
// borders, which is exactly what painting the tree on the display shows.
#include "GUI_MEMDEV_Static.h"

#include <algorithm>
#include <cstring>

#include "GUI_MEMDEV_Private.h"
#include "WM_Hooks.h"

U8 GUI_MEMDEV__StaticFill = 0xFF;

namespace {

constexpr int _NUM_ATTEMPTS = 5;

// A window that takes part in a tree: visible, with a callback, and not cut away entirely by its ancestors.
bool _TakesPart(WM_HWIN hWin, GUI_RECT* pVisible) {
  const WM_OBJ* p = WM_H2P(hWin);
  if (!(p->Status & WM_STATUS_VISIBLE) || !p->cb) return false;
  GUI_RECT r = p->Rect;
  if (!WM__ClipAtParentBorders(&r, hWin) || r.x1 < r.x0 || r.y1 < r.y0) return false;
  if (pVisible) *pVisible = r;
  return true;
}

// Paints the window into hMem, which lies over it. The selection, the window manager's state and the
// window's invalid area are given back as they were.
void _PaintInto(WM_HWIN hWin, GUI_HMEM hMem) {
  GUI_CONTEXT Saved;
  GUI_SaveContext(&Saved);
  const GUI_HMEM hSel = GUI_pContext->hDevData;
  const U8 WasActive = GUI_pContext->WM_IsActive;
  GUI_MEMDEV_Select(hMem);  // the window manager is off while a device is selected: no obstacle clipping
  const unsigned OldAlphaByte = GUI_EnableAlphaByte(1);
  {
    GUI_MEMDEV__Pin Pin(hMem);
    GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
    std::memset(GUI_MEMDEV__GetPixels(pDev), GUI_MEMDEV__StaticFill, (size_t)pDev->BytesPerLine * pDev->YSize);
  }
  const WM_HWIN hSaveStatic = WM__hStaticDrawing;
  WM__hStaticDrawing = hWin;
  WM__SelectWindow(hWin);
  WM_OBJ* p = WM_H2P(hWin);
  const GUI_RECT SaveInvalid = p->InvalidRect;
  p->InvalidRect = p->Rect;  // the picture is the whole window
  WM__PaintWindow(hWin);
  if (WM__IsWindow(hWin)) WM_H2P(hWin)->InvalidRect = SaveInvalid;
  WM__hStaticDrawing = hSaveStatic;
  GUI_EnableAlphaByte(OldAlphaByte);
  GUI_MEMDEV__SelectAny(hSel);
  GUI_RestoreContext(&Saved);
  GUI_pContext->WM_IsActive = WasActive;
}

GUI_HMEM _CreateStaticDevice(WM_HWIN hWin) {
  WM_OBJ* p = WM_H2P(hWin);
  int w = p->Rect.x1 - p->Rect.x0 + 1, h = p->Rect.y1 - p->Rect.y0 + 1;
  if (w < 1 || h < 1) return 0;
  if (p->hMem) {
    GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(p->hMem);
    if (pDev->x0 != p->Rect.x0 || pDev->y0 != p->Rect.y0) GUI_MEMDEV_SetOrg(p->hMem, p->Rect.x0, p->Rect.y0);
    return p->hMem;
  }
  if (hWin == WM_GetDesktopWindow() && (w > LCD_GetXSize() || h > LCD_GetYSize())) {
    w = std::min(w, LCD_GetXSize());
    h = std::min(h, LCD_GetYSize());
    WM_SetSize(hWin, w, h);
    p = WM_H2P(hWin);
  }
  GUI_HMEM hMem = GUI_MEMDEV__CreateFixed(p->Rect.x0, p->Rect.y0, w, h, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_32,
                                          &LCD_aColorConvAPI[LCD_CC_8888]);
  if (!hMem) {
    GUI_Warn("GUIDEV_StaticDevices:\nNot enough memory to create static memory device in _CreateStaticDevice()!");
    return 0;
  }
  p = WM_H2P(hWin);
  p->hMem = hMem;
  p->Status |= WM_STATUS_STATIC;
  _PaintInto(hWin, hMem);
  // A window may delete itself (and its device with it) while it paints.
  return WM__IsWindow(hWin) ? WM_H2P(hWin)->hMem : 0;
}

void _PaintTree(WM_HWIN hWin) {
  if (!_TakesPart(hWin, nullptr)) return;
  WM_SetDefault();
  WM__SelectWindow(hWin);
  GUI_GotoXY(0, 0);
  _CreateStaticDevice(hWin);
  GUI_MEMDEV__StaticFill = 0xFF;
  if (!WM__IsWindow(hWin)) return;
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h;) {
    WM_HWIN hNext = WM_H2P(h)->hNext;
    _PaintTree(h);
    if (!WM__IsWindow(hWin) || (hNext && !WM__IsWindow(hNext))) return;
    h = hNext;
  }
}

void _DropDevice(WM_OBJ* p) {
  GUI_HMEM hMem = p->hMem;
  p->hMem = 0;
  GUI_MEMDEV_Delete(hMem);
}

// Every window that takes part must have its picture: a tree missing one (a device that could not be made)
// gives no picture at all rather than a wrong one. The devices are dropped either way.
void _ComposeTree(WM_HWIN hWin, GUI_HMEM* phComposed, bool* pMissing) {
  GUI_RECT Visible;
  if (!_TakesPart(hWin, &Visible)) return;
  WM_OBJ* p = WM_H2P(hWin);
  if (!p->hMem) {
    *pMissing = true;
  } else {
    if (!*phComposed && !*pMissing) {
      GUI_RECT r = p->Rect;
      GUI_HMEM h = GUI_MEMDEV_CreateFixed(r.x0, r.y0, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1, GUI_MEMDEV_HASTRANS,
                                          &GUI_MEMDEV_DEVICE_32, &LCD_aColorConvAPI[LCD_CC_8888]);
      if (h) {
        GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(h);
        std::memset(GUI_MEMDEV__GetPixels(pDev), 0xFF, (size_t)pDev->BytesPerLine * pDev->YSize);
        *phComposed = h;
      } else {
        *pMissing = true;
      }
    }
    p = WM_H2P(hWin);
    if (*phComposed) GUI_MEMDEV__ComposeDevice(p->hMem, *phComposed, &Visible);
    _DropDevice(WM_H2P(hWin));
  }
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h; h = WM_H2P(h)->hNext) _ComposeTree(h, phComposed, pMissing);
}

void _DeleteTree(WM_HWIN hWin) {
  WM_OBJ* p = WM_H2P(hWin);
  if (p->Status & WM_STATUS_STATIC) {
    _DropDevice(p);
    p->Status &= ~WM_STATUS_STATIC;
  }
  for (WM_HWIN h = p->hFirstChild; h; h = WM_H2P(h)->hNext) _DeleteTree(h);
}

}  // namespace

int GUI_MEMDEV__CountTransparent(const U32* pPixels, int n) {
  int i = 0;
  while (i < n && (pPixels[i] >> 24) == 0xFF) i++;
  return i;
}

int GUI_MEMDEV__CountOpaque(const U32* pPixels, int n) {
  int i = 0;
  while (i < n && (pPixels[i] >> 24) == 0) i++;
  return i;
}

void GUI_MEMDEV__ComposeDevice(GUI_HMEM hSrc, GUI_HMEM hDst, const GUI_RECT* pClip) {
  GUI_MEMDEV* pS = GUI_MEMDEV__Check(hSrc);
  GUI_MEMDEV* pD = GUI_MEMDEV__Check(hDst);
  if (!pS || !pD || pS->BitsPerPixel != 32 || pD->BitsPerPixel != 32) return;
  GUI_RECT r = GUI_MEMDEV__RectAt(pS, pS->x0, pS->y0), rD = GUI_MEMDEV__RectAt(pD, pD->x0, pD->y0);
  if (!GUI__IntersectRects(&r, &r, &rD)) return;
  if (pClip && !GUI__IntersectRects(&r, &r, pClip)) return;
  const int Width = r.x1 - r.x0 + 1;
  for (int y = r.y0; y <= r.y1; y++) {
    const U32* s = (const U32*)(GUI_MEMDEV__GetPixels(pS) + (size_t)(y - pS->y0) * pS->BytesPerLine) + (r.x0 - pS->x0);
    U32* d = (U32*)(GUI_MEMDEV__GetPixels(pD) + (size_t)(y - pD->y0) * pD->BytesPerLine) + (r.x0 - pD->x0);
    for (int n = Width; n > 0;) {
      int k = GUI_MEMDEV__CountTransparent(s, n);
      s += k, d += k, n -= k;
      if (!n) break;
      k = GUI_MEMDEV__CountOpaque(s, n);
      std::memcpy(d, s, (size_t)k * 4);
      s += k, d += k, n -= k;
      for (; n > 0; s++, d++, n--) {
        U32 a = *s >> 24;
        if (a == 0 || a == 0xFF) break;
        if ((*d >> 24) < 0xFF) {
          *d = (GUI__MixColors(*s, *d, (U8)(255 - a)) & 0x00FFFFFF) | (*d & 0xFF000000);
        } else {
          *d = *s;
        }
      }
    }
  }
}

void GUI_MEMDEV_Paint1Static(WM_HWIN hWin) {
  GUI_MEMDEV__LockGuard Lock;
  if (!WM__IsWindow(hWin)) return;
  GUI_HMEM hMem = 0;
  for (int i = 0; i < _NUM_ATTEMPTS && !hMem && WM__IsWindow(hWin); i++) hMem = _CreateStaticDevice(hWin);
  if (hMem) {
    // Only the invalid part is copied: a picture with half-transparent pixels copied again over itself
    // would darken. The window is the one being drawn, so the user clip is relative to it.
    const WM_OBJ* p = WM_H2P(hWin);
    GUI_RECT r = p->InvalidRect;
    GUI_MoveRect(&r, -p->Rect.x0, -p->Rect.y0);
    const GUI_RECT* pOld = WM_SetUserClipRect(&r);
    GUI_MEMDEV_CopyToLCD(hMem);
    WM_SetUserClipRect(pOld);
  } else if (WM__IsWindow(hWin)) {
    // Shown all the same, painted directly.
    GUI_Warn("GUIDEV_StaticDevices:\nCreation of static device failed in GUI_MEMDEV_Paint1Static().");
    WM__PaintWindow(hWin);
  }
}

void GUI_MEMDEV_PaintStaticTree(WM_HWIN hWin) {
  GUI_MEMDEV__LockGuard Lock;
  if (!WM__IsWindow(hWin)) return;
  GUI_MEMDEV__StaticFill = 0xFF;
  GUI_CONTEXT Saved;
  GUI_SaveContext(&Saved);
  _PaintTree(hWin);
  GUI_RestoreContext(&Saved);
}

GUI_HMEM GUI_MEMDEV_ComposeStaticTree(WM_HWIN hWin) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_HMEM hComposed = 0;
  bool Missing = false;
  if (WM__IsWindow(hWin)) _ComposeTree(hWin, &hComposed, &Missing);
  if (Missing) {
    GUI_MEMDEV_Delete(hComposed);
    hComposed = 0;
  }
  return hComposed;
}

void GUI_MEMDEV_DeleteStaticTree(WM_HWIN hWin) {
  GUI_MEMDEV__LockGuard Lock;
  if (hWin && WM__IsWindow(hWin)) _DeleteTree(hWin);
}

GUI_HMEM GUI_MEMDEV__GetStaticDevice(WM_HWIN hWin) {
  GUI_MEMDEV__LockGuard Lock;
  return (hWin && WM__IsWindow(hWin)) ? WM_H2P(hWin)->hMem : 0;
}
