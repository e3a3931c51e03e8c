// Library-internal record of a sprite.
#pragma once

#include "GUI_Sprite.h"

// Told after the sprite was painted, after it was removed, and before it is deleted.
enum { GUI_SPRITE_CMD_PAINTED = 0, GUI_SPRITE_CMD_REMOVED = 1, GUI_SPRITE_CMD_DELETE = 2 };
typedef void GUI_SPRITE_CALLBACK(GUI_HMEM hContext, int Cmd);

struct GUI_SPRITE {
  GUI_DEVICE* pDevice;  // class 3; its user data is the sprite handle
  GUI_RECT Rect;        // screen rectangle of the picture
  GUI_HMEM hColorIndex; // 256 display indices of the palette colours
  U16 Flags;            // GUI_SPRITE_CF_*
  const GUI_BITMAP* pBitmap;
  GUI_SPRITE_CALLBACK* pfCallback;
  GUI_HMEM hContext;    // handed to the callback, freed with the sprite
  // XSize * YSize display indices follow: what lies beneath each pixel (meaningful under opaque pixels).
};

#define GUI_SPRITE_CF_STAYONTOP 1
#define GUI_SPRITE_CF_SHOW 2

inline GUI_SPRITE* GUI_SPRITE__h2p(GUI_HMEM h) { return static_cast<GUI_SPRITE*>(GUI_ALLOC_h2p(h)); }
inline LCD_PIXELINDEX* GUI_SPRITE__GetBk(GUI_SPRITE* p) {
  return reinterpret_cast<LCD_PIXELINDEX*>(reinterpret_cast<U8*>(p) + sizeof(GUI_SPRITE));
}
// Bitmap pixel under a screen point (0 outside the picture).
inline U32 GUI_SPRITE__GetPixel(const GUI_SPRITE* p, int x, int y) {
  if (x < p->Rect.x0 || x > p->Rect.x1 || y < p->Rect.y0 || y > p->Rect.y1) {
    return 0;
  }
  return GUI_GetBitmapPixelIndex(p->pBitmap, unsigned(x - p->Rect.x0), unsigned(y - p->Rect.y0));
}
// 1 when the screen point lies on an opaque pixel of the sprite.
int GUI_SPRITE__HitTest(int x, int y, const GUI_SPRITE* pSprite);
// Creation with a callback and its data (the animation's record); Flags GUI_SPRITE_CF_*.
GUI_HSPRITE GUI_SPRITE__CreateEx(const GUI_BITMAP* pBitmap, int x, int y, int Layer, U16 Flags,
                                 GUI_SPRITE_CALLBACK* pfCallback, GUI_HMEM hContext);
