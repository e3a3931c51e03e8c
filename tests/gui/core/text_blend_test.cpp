// Transparent smooth text blended a glyph at a time gives the pixels of the pixel-by-pixel drawing: over a
// patterned background, cut by clip rectangles on every side and by the edge of the display.
#include <vector>

#include "GUI_FontPrivate.h"
#include "GuiTest.h"

namespace {

class TextBlend : public GuiTest {
 protected:
  static void Background() {
    for (int y = 0; y < 40; y++)
      for (int x = 0; x < 60; x++) LCD_SetPixelIndex(x, y, LCD_Color2Index(GUI_COLOR(x * 4 | (y * 6) << 8 | ((x + y) * 3) << 16)));
    for (int y = 0; y < 40; y++)
      for (int x = 420; x < 480; x++) LCD_SetPixelIndex(x, y, LCD_Color2Index(GUI_COLOR((x * 5) & 0xFF) << 8));
  }
  static std::vector<LCD_PIXELINDEX> Capture() {
    std::vector<LCD_PIXELINDEX> v;
    for (int y = 0; y < 40; y++)
      for (int x : {0, 420})
        for (int i = 0; i < 60; i++) v.push_back(LCD_GetPixelIndex(x + i, y));
    return v;
  }
};

TEST_F(TextBlend, AGlyphAtATimeEqualsThePixelByPixelDrawing) {
  const GUI_RECT aClip[] = {{0, 0, 479, 271}, {5, 8, 30, 20}, {12, 0, 14, 39}, {0, 15, 479, 15}, {440, 0, 500, 30}};
  const GUI_FONT* apFont[] = {&UI_Font15, &UI_Font24};  // smooth fonts
  GUI_LockGuard Lock;
  for (const GUI_FONT* pFont : apFont) {
    GUI_SetFont(pFont);
    int Bpp = pFont->pType->BitsPerPixel;
    ASSERT_GT(Bpp, 1);
    for (const GUI_RECT& Clip : aClip)
      for (U16 c : {U16('W'), U16('g'), U16(0x00C4), U16('@')})
        for (int x : {3, 20, 470}) {
          const GUI_CHARINFO_EXT* pInfo = GUI__FindCharInfo(pFont, c);
          ASSERT_TRUE(pInfo);
          GUI_SetColor(0x2040E0);
          GUI_SetTextMode(GUI_TM_TRANS);
          // Drawn by the font.
          Background();
          LCD_SetClipRectEx(&Clip);
          GUI_pContext->DispPosX = I16(x);
          GUI_pContext->DispPosY = 10;
          pFont->pType->pfDispChar(c);
          std::vector<LCD_PIXELINDEX> Got = Capture();
          // Drawn pixel by pixel.
          Background();
          LCD_SetClipRectEx(&Clip);
          int x0 = x + pInfo->XPos, y0 = 10 + pInfo->YPos;
          GUI__DrawInkPixels(pInfo, Bpp, 1, 1, [&](int u, int v, int* px, int* py) { *px = x0 + u, *py = y0 + v; });
          ASSERT_EQ(Got, Capture()) << "font " << pFont->YSize << " char " << c << " x " << x << " clip " << Clip.x0 << ","
                                    << Clip.y0;
        }
  }
  GUI_RECT All = {0, 0, 479, 271};
  LCD_SetClipRectEx(&All);
}

}  // namespace
