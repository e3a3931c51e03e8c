// Internals of the font and text modules of the GUI core.
#pragma once

#include "GUI_Private.h"

#include <vector>

const GUI_CHARINFO_EXT* GUI__FindCharInfo(const GUI_FONT* pFont, U16 c);
// Foreground and background index of text (exchanged in the reverse text mode).
void GUI__GetTextIndices(LCD_PIXELINDEX* pFg, LCD_PIXELINDEX* pBg);
// Index table of the coverage levels of a depth between Bg (level 0) and Fg (the top level).
const LCD_PIXELINDEX* GUI__GetAATable(int Bpp, LCD_PIXELINDEX Fg, LCD_PIXELINDEX Bg);

// Calls f(col, row, level) for every pixel of the glyph's ink box with a level above 0.
template <class F> void GUI__ForEachInk(const GUI_CHARINFO_EXT* pInfo, int Bpp, F f) {
  if (!pInfo->pData) return;
  int BytesPerLine = (pInfo->XSize * Bpp + 7) / 8;
  int Mask = (1 << Bpp) - 1;
  for (int row = 0; row < pInfo->YSize; ++row) {
    const U8* p = pInfo->pData + row * BytesPerLine;
    for (int col = 0; col < pInfo->XSize; ++col) {
      int Bit = col * Bpp;
      int Level = p[Bit >> 3] >> (8 - Bpp - (Bit & 7)) & Mask;
      if (Level) f(col, row, Level);
    }
  }
}

// Draws a glyph pixel by pixel, each magnified sub-pixel (u, v) of the ink box placed by map(u, v, &x, &y),
// in the context's text mode: XOR inverts the pixels of at least half coverage (the caller sets the XOR
// draw mode), transparent mode blends the coverage into the pixels below, normal mode writes the mixed
// colours (the caller fills the background).
template <class Map>
void GUI__DrawInkPixels(const GUI_CHARINFO_EXT* pInfo, int Bpp, int xMag, int yMag, Map map) {
  LCD_PIXELINDEX Fg, Bg;
  GUI__GetTextIndices(&Fg, &Bg);
  int Mode = GUI_pContext->TextMode;
  int Max = (1 << Bpp) - 1;
  const LCD_PIXELINDEX* pTable = (Mode & (GUI_TM_XOR | GUI_TM_TRANS)) ? nullptr : GUI__GetAATable(Bpp, Fg, Bg);
  GUI_COLOR FgColor = LCD_Index2Color(Fg);
  GUI__ForEachInk(pInfo, Bpp, [&](int col, int row, int Level) {
    for (int my = 0; my < yMag; ++my)
      for (int mx = 0; mx < xMag; ++mx) {
        int x, y;
        map(col * xMag + mx, row * yMag + my, &x, &y);
        if (Mode & GUI_TM_XOR) {
          if (Level * 2 > Max) LCD_DrawPixel(x, y);
        } else if (pTable) {
          LCD__SetPixelIndexClipped(x, y, pTable[Level]);
        } else if (Level == Max) {
          LCD__SetPixelIndexClipped(x, y, Fg);
        } else {
          GUI__SetPixelAlpha(x, y, static_cast<U8>(Level * 255 / Max), FgColor);
        }
      }
  });
}

int GUI__GetUnderlineRow(const GUI_FONT* pFont);
// True while a line is drawn whose background is already filled (glyphs then draw only their ink).
bool GUI__IsLineBkFilled(void);
// Limits text output to a screen rectangle (null: no limit); returns the previous limit.
const GUI_RECT* GUI__SetTextClip(const GUI_RECT* pRect);
int GUI__GetNumLines(const char* s, int MaxNumChars);     // lines separated by LF, CR or CR LF
int GUI__GetMaxLineDistX(const char* s, int MaxNumChars); // width of the widest of those lines
// UTF-16 text in the current 8-bit encoding, terminated.
std::vector<char> GUI__UC2Text(const char16_t* s);
