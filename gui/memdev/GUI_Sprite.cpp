// Sprites: creation, showing and hiding, moving and changing the picture. Every change reads what lies beneath
// the new opaque pixels first (from the saved background where the old picture covered it, else from the
// device behind the sprite), then paints only through that device, in runs of one row.
#include "GUI_SpritePrivate.h"

#include <vector>

namespace {

// Collects pixels of one row into runs and draws each run on the device behind the sprite.
struct _WRITER {
  GUI_DEVICE* pNext;
  int Bpp;
  std::vector<LCD_PIXELINDEX> Run;
  int x0 = 0, y = 0;

  void Flush() {
    if (Run.empty() || !pNext) {
      Run.clear();
      return;
    }
    int n = int(Run.size());
    GUI__CompactPixelIndices(Run.data(), n, Bpp);
    pNext->pDeviceAPI->pfDrawBitmap(pNext, x0, y, n, 1, Bpp, (n * Bpp + 7) / 8,
                                    reinterpret_cast<const U8*>(Run.data()), 0, nullptr);
    Run.clear();
  }
  void Write(int x, int yPos, LCD_PIXELINDEX Index) {
    if (Run.empty() || yPos != y || x != x0 + int(Run.size())) {
      Flush();
      x0 = x;
      y = yPos;
    }
    Run.push_back(Index);
  }
};

int _DriverBpp(int Layer) {
  GUI_DEVICE* pDriver = GUI_DEVICE__GetDriver(Layer);
  int Bpp = pDriver ? pDriver->pDeviceAPI->pfGetDevProp(pDriver, LCD_DEVCAP_BITSPERPIXEL) : 16;
  return Bpp <= 1 ? 1 : Bpp <= 2 ? 2 : Bpp <= 4 ? 4 : Bpp <= 8 ? 8 : Bpp <= 16 ? 16 : 32;
}

// Where the sprite may paint: the device behind it (or the layer's size while several buffers are in use).
GUI_RECT _PaintArea(const GUI_SPRITE* p) {
  int Layer = p->pDevice->LayerIndex;
  GUI_DEVICE* pNext = p->pDevice->pNext;
  GUI_RECT r = {0, 0, I16(LCD_GetXSizeEx(Layer) - 1), I16(LCD_GetYSizeEx(Layer) - 1)};
  if (GUI__aMultiBufState[Layer] < 2 && pNext) {
    pNext->pDeviceAPI->pfGetRect(pNext, &r);
  }
  return r;
}

bool _Inside(const GUI_RECT& r, int x, int y) { return x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1; }

U32 _Pixel(const GUI_BITMAP* pBitmap, const GUI_RECT& r, int x, int y) {
  if (!pBitmap || !_Inside(r, x, y)) {
    return 0;
  }
  return GUI_GetBitmapPixelIndex(pBitmap, unsigned(x - r.x0), unsigned(y - r.y0));
}

// The sprite goes from one state (picture, place, shown or not) to another.
struct _STATE {
  const GUI_BITMAP* pBitmap;
  GUI_RECT Rect;
  bool Shown;
};

void _Change(GUI_HSPRITE hSprite, const _STATE& Old, const _STATE& New) {
  GUI_SPRITE* p = GUI_SPRITE__h2p(hSprite);
  GUI_DEVICE* pNext = p->pDevice->pNext;
  int XSize = New.Rect.x1 - New.Rect.x0 + 1, YSize = New.Rect.y1 - New.Rect.y0 + 1;
  GUI_RECT Area = _PaintArea(p);
  const LCD_PIXELINDEX* pTable = static_cast<const LCD_PIXELINDEX*>(GUI_ALLOC_h2p(p->hColorIndex));
  LCD_PIXELINDEX* pBk = GUI_SPRITE__GetBk(p);
  auto OldOpaque = [&](int x, int y) { return Old.Shown && _Pixel(Old.pBitmap, Old.Rect, x, y) != 0; };
  auto NewOpaque = [&](int x, int y) { return New.Shown && _Pixel(New.pBitmap, New.Rect, x, y) != 0; };
  auto OldBk = [&](int x, int y) { return pBk[(y - Old.Rect.y0) * XSize + (x - Old.Rect.x0)]; };
  // What lies beneath the new opaque pixels, read before anything is painted.
  std::vector<LCD_PIXELINDEX> NewBk;
  if (New.Shown) {
    NewBk.assign(pBk, pBk + size_t(XSize) * YSize);
    for (int y = New.Rect.y0; y <= New.Rect.y1; y++) {
      for (int x = New.Rect.x0; x <= New.Rect.x1; x++) {
        if (!NewOpaque(x, y)) {
          continue;
        }
        LCD_PIXELINDEX& Bk = NewBk[size_t(y - New.Rect.y0) * XSize + (x - New.Rect.x0)];
        if (OldOpaque(x, y)) {
          Bk = OldBk(x, y);
        } else if (_Inside(Area, x, y) && pNext) {
          Bk = pNext->pDeviceAPI->pfGetPixelIndex(pNext, x, y);
        }
      }
    }
  }
  int OldMode = LCD_SetDrawMode(0);
  _WRITER Writer{pNext, _DriverBpp(p->pDevice->LayerIndex), {}};
  // The background comes back where the old picture no longer covers it.
  if (Old.Shown) {
    for (int y = Old.Rect.y0; y <= Old.Rect.y1; y++) {
      for (int x = Old.Rect.x0; x <= Old.Rect.x1; x++) {
        if (OldOpaque(x, y) && !NewOpaque(x, y) && _Inside(Area, x, y)) {
          Writer.Write(x, y, OldBk(x, y));
        }
      }
    }
    Writer.Flush();
  }
  if (New.Shown) {
    for (int y = New.Rect.y0; y <= New.Rect.y1; y++) {
      for (int x = New.Rect.x0; x <= New.Rect.x1; x++) {
        U32 i = _Pixel(New.pBitmap, New.Rect, x, y);
        if (i && _Inside(Area, x, y)) {
          Writer.Write(x, y, pTable[i & 0xFF]);
        }
      }
    }
    Writer.Flush();
    std::copy(NewBk.begin(), NewBk.end(), pBk);
  }
  LCD_SetDrawMode(OldMode);
  p->Rect = New.Rect;
  p->pBitmap = New.pBitmap;
}

// Display indices of the palette's colours (256 entries; those beyond the palette repeat its first).
GUI_HMEM _CreateTable(const GUI_PALETTE* pPal, int Layer) {
  GUI_HMEM h = GUI_ALLOC_AllocZero(256 * sizeof(LCD_PIXELINDEX));
  if (!h) {
    return 0;
  }
  LCD_PIXELINDEX* pTable = static_cast<LCD_PIXELINDEX*>(GUI_ALLOC_h2p(h));
  tLCDDEV_Color2Index pfColor2Index = LCD_GetpfColor2IndexEx(Layer);
  for (int i = 0; i < 256; i++) {
    GUI_COLOR c = pPal->pPalEntries[i < pPal->NumEntries ? i : 0];
    pTable[i] = pfColor2Index ? pfColor2Index(c) : c;
  }
  return h;
}

bool _IsSuitable(const GUI_BITMAP* pBitmap) {
  if (!pBitmap || !pBitmap->XSize || !pBitmap->YSize || !pBitmap->pData || pBitmap->pMethods) {
    return false;
  }
  int Bpp = pBitmap->BitsPerPixel;
  if ((Bpp != 1 && Bpp != 2 && Bpp != 4 && Bpp != 8) || pBitmap->BytesPerLine < (pBitmap->XSize * Bpp + 7) / 8) {
    return false;
  }
  const GUI_PALETTE* pPal = pBitmap->pPal;
  return pPal && pPal->NumEntries > 0 && pPal->pPalEntries;
}

GUI_RECT _RectAt(const GUI_BITMAP* pBitmap, int x, int y) {
  return GUI_RECT{I16(x), I16(y), I16(x + pBitmap->XSize - 1), I16(y + pBitmap->YSize - 1)};
}

bool _Fits(const GUI_BITMAP* pBitmap, int x, int y) {
  return x >= -32768 && y >= -32768 && x + pBitmap->XSize - 1 <= 32767 && y + pBitmap->YSize - 1 <= 32767;
}

void _Show(GUI_HSPRITE hSprite) {
  GUI_SPRITE* p = GUI_SPRITE__h2p(hSprite);
  if (p->Flags & GUI_SPRITE_CF_SHOW) {
    return;
  }
  GUI_DEVICE_Link(p->pDevice);
  _Change(hSprite, {p->pBitmap, p->Rect, false}, {p->pBitmap, p->Rect, true});
  p = GUI_SPRITE__h2p(hSprite);
  p->Flags |= GUI_SPRITE_CF_SHOW;
  if (p->pfCallback) {
    p->pfCallback(p->hContext, GUI_SPRITE_CMD_PAINTED);
  }
}

void _Hide(GUI_HSPRITE hSprite) {
  GUI_SPRITE* p = GUI_SPRITE__h2p(hSprite);
  if (!(p->Flags & GUI_SPRITE_CF_SHOW)) {
    return;
  }
  _Change(hSprite, {p->pBitmap, p->Rect, true}, {p->pBitmap, p->Rect, false});
  p = GUI_SPRITE__h2p(hSprite);
  GUI_DEVICE_Unlink(p->pDevice);
  p->Flags &= U16(~GUI_SPRITE_CF_SHOW);
  if (p->pfCallback) {
    p->pfCallback(p->hContext, GUI_SPRITE_CMD_REMOVED);
  }
}

// Picture and place together; a hidden sprite only takes them over.
int _SetBitmapAndPosition(GUI_HSPRITE hSprite, const GUI_BITMAP* pBitmap, int x, int y) {
  GUI_SPRITE* p = GUI_SPRITE__h2p(hSprite);
  const GUI_BITMAP* pOld = p->pBitmap;
  if (!_IsSuitable(pBitmap) || pBitmap->XSize != pOld->XSize || pBitmap->YSize != pOld->YSize ||
      !_Fits(pBitmap, x, y)) {
    return 1;
  }
  if (pBitmap != pOld) {
    GUI_HMEM hTable = _CreateTable(pBitmap->pPal, p->pDevice->LayerIndex);
    if (!hTable) {
      return 1;
    }
    p = GUI_SPRITE__h2p(hSprite);
    GUI_ALLOC_Free(p->hColorIndex);
    p->hColorIndex = hTable;
  }
  p = GUI_SPRITE__h2p(hSprite);
  GUI_RECT New = _RectAt(pBitmap, x, y);
  if (p->Flags & GUI_SPRITE_CF_SHOW) {
    _Change(hSprite, {pOld, p->Rect, true}, {pBitmap, New, true});
  } else {
    p->Rect = New;
    p->pBitmap = pBitmap;
  }
  return 0;
}

}  // namespace

GUI_HSPRITE GUI_SPRITE__CreateEx(const GUI_BITMAP* pBitmap, int x, int y, int Layer, U16 Flags,
                                 GUI_SPRITE_CALLBACK* pfCallback, GUI_HMEM hContext) {
  if (!_IsSuitable(pBitmap) || Layer != 0 || !_Fits(pBitmap, x, y)) {
    return 0;
  }
  GUI_Lock();
  GUI_HSPRITE h = 0;
  GUI_DEVICE* pDevice = GUI_DEVICE_Create(&GUI_SPRITE_DEVICE, nullptr, Flags & GUI_SPRITE_CF_STAYONTOP, Layer);
  if (pDevice) {
    h = GUI_ALLOC_AllocZero(I32(sizeof(GUI_SPRITE) + sizeof(LCD_PIXELINDEX) * pBitmap->XSize * pBitmap->YSize));
    GUI_HMEM hTable = h ? _CreateTable(pBitmap->pPal, Layer) : 0;
    if (!hTable) {
      GUI_ALLOC_Free(h);
      GUI_DEVICE_Delete(pDevice);
      h = 0;
    } else {
      GUI_SPRITE* p = GUI_SPRITE__h2p(h);
      p->pDevice = pDevice;
      p->Rect = _RectAt(pBitmap, x, y);
      p->hColorIndex = hTable;
      p->Flags = Flags & GUI_SPRITE_CF_STAYONTOP;
      p->pBitmap = pBitmap;
      p->pfCallback = pfCallback;
      p->hContext = hContext;
      pDevice->u.hContext = h;
      if (Flags & GUI_SPRITE_CF_SHOW) {
        _Show(h);
      }
    }
  }
  GUI_Unlock();
  return h;
}

GUI_HSPRITE GUI_SPRITE_CreateEx(const GUI_BITMAP* pBitmap, int x, int y, int Layer) {
  return GUI_SPRITE__CreateEx(pBitmap, x, y, Layer, 0, nullptr, 0);
}

GUI_HSPRITE GUI_SPRITE_Create(const GUI_BITMAP* pBitmap, int x, int y) {
  return GUI_SPRITE_CreateEx(pBitmap, x, y, GUI_pContext->SelLayer);
}

GUI_HSPRITE GUI_SPRITE_CreateVisibleEx(const GUI_BITMAP* pBitmap, int x, int y, int Layer) {
  return GUI_SPRITE__CreateEx(pBitmap, x, y, Layer, GUI_SPRITE_CF_SHOW, nullptr, 0);
}

GUI_HSPRITE GUI_SPRITE_CreateVisible(const GUI_BITMAP* pBitmap, int x, int y) {
  return GUI_SPRITE_CreateVisibleEx(pBitmap, x, y, GUI_pContext->SelLayer);
}

void GUI_SPRITE_Delete(GUI_HSPRITE hSprite) {
  if (!hSprite) {
    return;
  }
  GUI_Lock();
  _Hide(hSprite);
  GUI_SPRITE* p = GUI_SPRITE__h2p(hSprite);
  if (p->pfCallback) {
    p->pfCallback(p->hContext, GUI_SPRITE_CMD_DELETE);
    p = GUI_SPRITE__h2p(hSprite);
  }
  GUI_DEVICE_Delete(p->pDevice);
  GUI_ALLOC_Free(p->hColorIndex);
  GUI_ALLOC_Free(p->hContext);
  GUI_ALLOC_Free(hSprite);
  GUI_Unlock();
}

void GUI_SPRITE_Show(GUI_HSPRITE hSprite) {
  if (hSprite) {
    GUI_Lock();
    _Show(hSprite);
    GUI_Unlock();
  }
}

void GUI_SPRITE_Hide(GUI_HSPRITE hSprite) {
  if (hSprite) {
    GUI_Lock();
    _Hide(hSprite);
    GUI_Unlock();
  }
}

int GUI_SPRITE_IsVisible(GUI_HSPRITE hSprite) {
  if (!hSprite) {
    return 0;
  }
  GUI_Lock();
  int r = (GUI_SPRITE__h2p(hSprite)->Flags & GUI_SPRITE_CF_SHOW) ? 1 : 0;
  GUI_Unlock();
  return r;
}

void GUI_SPRITE_SetPosition(GUI_HSPRITE hSprite, int x, int y) {
  if (!hSprite) {
    return;
  }
  GUI_Lock();
  GUI_SPRITE* p = GUI_SPRITE__h2p(hSprite);
  if (x != p->Rect.x0 || y != p->Rect.y0) {
    _SetBitmapAndPosition(hSprite, p->pBitmap, x, y);
  }
  GUI_Unlock();
}

int GUI_SPRITE_SetBitmap(GUI_HSPRITE hSprite, const GUI_BITMAP* pBitmap) {
  if (!hSprite) {
    return 1;
  }
  GUI_Lock();
  GUI_SPRITE* p = GUI_SPRITE__h2p(hSprite);
  int r = _SetBitmapAndPosition(hSprite, pBitmap, p->Rect.x0, p->Rect.y0);
  GUI_Unlock();
  return r;
}

int GUI_SPRITE_SetBitmapAndPosition(GUI_HSPRITE hSprite, const GUI_BITMAP* pBitmap, int x, int y) {
  if (!hSprite) {
    return 1;
  }
  GUI_Lock();
  int r = _SetBitmapAndPosition(hSprite, pBitmap, x, y);
  GUI_Unlock();
  return r;
}
