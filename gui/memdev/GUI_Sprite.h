// Sprites: small palette-based pictures (1 to 8 bits per pixel, index 0 transparent) floating above the
// display. While shown, a sprite's device in the layer's chain keeps whatever is drawn beneath its opaque
// pixels in its saved background, so the picture can be moved, changed and hidden without redrawing.
#pragma once

#include "GUI.h"

typedef GUI_HMEM GUI_HSPRITE;

GUI_HSPRITE GUI_SPRITE_Create(const GUI_BITMAP* pBitmap, int x, int y);  // hidden at first
GUI_HSPRITE GUI_SPRITE_CreateEx(const GUI_BITMAP* pBitmap, int x, int y, int Layer);
GUI_HSPRITE GUI_SPRITE_CreateVisible(const GUI_BITMAP* pBitmap, int x, int y);
GUI_HSPRITE GUI_SPRITE_CreateVisibleEx(const GUI_BITMAP* pBitmap, int x, int y, int Layer);
void GUI_SPRITE_Delete(GUI_HSPRITE hSprite);
void GUI_SPRITE_Show(GUI_HSPRITE hSprite);
void GUI_SPRITE_Hide(GUI_HSPRITE hSprite);
int GUI_SPRITE_IsVisible(GUI_HSPRITE hSprite);
void GUI_SPRITE_SetPosition(GUI_HSPRITE hSprite, int x, int y);
// Another picture of the same size: 0 done, 1 refused (the sprite is unchanged).
int GUI_SPRITE_SetBitmap(GUI_HSPRITE hSprite, const GUI_BITMAP* pBitmap);
int GUI_SPRITE_SetBitmapAndPosition(GUI_HSPRITE hSprite, const GUI_BITMAP* pBitmap, int x, int y);

// Animated sprites: one period for all frames (Period) or one per frame (pPeriods), exactly one of them.
GUI_HSPRITE GUI_SPRITE_CreateAnim(const GUI_BITMAP* const* ppBitmaps, int x, int y, unsigned Period,
                                  const unsigned* pPeriods, int NumFrames);
GUI_HSPRITE GUI_SPRITE_CreateAnimEx(const GUI_BITMAP* const* ppBitmaps, int x, int y, unsigned Period,
                                    const unsigned* pPeriods, int NumFrames, int Layer);
int GUI_SPRITE_SetLoop(GUI_HSPRITE hSprite, int OnOff);  // -> previous, -1 without animation
int GUI_SPRITE_StartAnim(GUI_HSPRITE hSprite);           // 0 when a stopped animation was started
int GUI_SPRITE_StopAnim(GUI_HSPRITE hSprite);            // 0 when a running animation was stopped

extern const GUI_DEVICE_API GUI_SPRITE_DEVICE;
