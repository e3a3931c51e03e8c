// Inside the graphics cache: its table of devices, rendering into one device, and the built-in pictures.
#pragma once

#include "UI_GraphicsCache.h"

struct UI_CACHE_ENTRY {
  GUI_HMEM* phMem;  // first handle of the family
  int Count;        // handles in the family
  int XSize, YSize, Bpp, x0, y0;
  int Used;         // 1: a screen copies it; 0: rendered only when the heap has room to spare
};
// Heap left free for windows and banding devices when the spare pictures are made.
enum { UI_CACHE_HEAP_RESERVE = 512 * 1024 };
const UI_CACHE_ENTRY* UI__GetCacheEntries(int* pNumEntries);
// A fixed device of 16 bits (5-6-5, opaque) or 32 bits (with transparency); 0 when the heap is full.
GUI_HMEM UI__CreateDevice(int x0, int y0, int w, int h, int Bpp);
// Selects the device, draws with pfDraw in the device's own coordinates (0,0 = its top left, default
// attributes) and restores the previous selection and context.
void UI__RenderInto(GUI_HMEM hMem, void (*pfDraw)(int w, int h, const void* p), const void* p);

// Turns the picture of a 32-bit device about its centre by Angle (1/1000 degree), cut round.
void UI__TurnPicture(GUI_HMEM hPicture, int Angle);

// Composes the pixels of hSrc into hDst with hSrc's top left at x, y of hDst (16 or 32 bits each; transparent
// and half-transparent source pixels are blended over what hDst holds).
void UI__BlendInto(GUI_HMEM hDst, GUI_HMEM hSrc, int x, int y);

// Built-in pictures, drawn at x, y of the current target.
enum {
  UI_PIC_BACKGROUND,   // 480x272
  UI_PIC_LOGO,         // 261x239
  UI_PIC_TITLE,        // 480x31 title-bar overlay
  UI_PIC_PLATE,        // 413x42 page header plate
  UI_PIC_PANEL,        // 410x232 panel picture, transparent around its rounded frame
  UI_PIC_DIALOG,       // 412x224 dialog picture
  UI_PIC_TILE,         // 180x40 common tile picture
  UI_NUM_PICS
};
void UI__DrawPicture(int Picture, int x, int y);
// Side-button icon i (UI_ICON_*), 40x42; tile symbol 1..13 (32x32); small icons: 33x33 (0 the footer's
// information sign, 1 next), 25x33 (file, folder), square icons 20x20 (plus, minus), orange bar end 43x43.
void UI__DrawSideIcon(int Icon, int x, int y);
void UI__DrawTileSymbol(int Symbol, int x, int y);
void UI__DrawSmallIcon(int Kind, int Index, int x, int y);
enum { UI_SMALL_ICON33, UI_SMALL_ICON25, UI_SMALL_SQUARE, UI_SMALL_BAR_END };
