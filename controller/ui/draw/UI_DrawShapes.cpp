// The screens' rounded gradient shapes (boxes, buttons, tabs), the corner masks that blend them into a
// background, and the samplers of the cached backgrounds.
#include <initializer_list>

#include "GUI_MEMDEV.h"
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"
#include "UI_Panel.h"

namespace {

// Pixels cut from a rounded corner on its first four rows (radius 4).
const int _aCorner[4] = {4, 2, 1, 1};

const GUI_COLOR _WHITE_HALF = 0x80FFFFFF;  // half-transparent white of the tabs' light edge

int _Inset(int Row) { return Row < 4 ? _aCorner[Row] : 0; }

int _Channel(GUI_COLOR c, int Shift) { return int((c >> Shift) & 0xFF); }

// Colour of row y of a vertical gradient from Color0 at y0 to Color1 at y1.
GUI_COLOR _Gradient(int y, int y0, int y1, GUI_COLOR Color0, GUI_COLOR Color1) {
  if (y1 <= y0 || y <= y0) return Color0;
  if (y >= y1) return Color1;
  GUI_COLOR c = 0;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    int a = _Channel(Color0, Shift), b = _Channel(Color1, Shift);
    c |= GUI_COLOR(a + (b - a) * (y - y0) / (y1 - y0)) << Shift;
  }
  return c;
}

// One row of a shape whose top corners are rounded from yTop and bottom corners toward yBottom.
void _Row(int x0, int x1, int y, int yTop, int yBottom, bool RoundTop, bool RoundBottom) {
  if (y < yTop || y > yBottom) return;  // a gradient that starts above a very low shape stays inside it
  int Inset = 0;
  if (RoundTop) Inset = _Inset(y - yTop);
  if (RoundBottom && yBottom - y < 4) Inset = Inset > _Inset(yBottom - y) ? Inset : _Inset(yBottom - y);
  if (x0 + Inset <= x1 - Inset) GUI_DrawHLine(y, x0 + Inset, x1 - Inset);
}

// Rows y0..y1 of the rounded shape (x0,yShape0)-(x1,yShape1), each in the colour that a vertical gradient
// from Color0 at yG0 to Color1 at yG1 gives.
void _FillRows(int x0, int x1, int y0, int y1, int yShape0, int yShape1, int yG0, int yG1, GUI_COLOR Color0,
               GUI_COLOR Color1, bool RoundTop = true, bool RoundBottom = true) {
  for (int y = y0; y <= y1; y++) {
    GUI_SetColor(_Gradient(y, yG0, yG1, Color0, Color1));
    _Row(x0, x1, y, yShape0, yShape1, RoundTop, RoundBottom);
  }
}

// Calls Plot for each pixel of the one-pixel outline of the rounded shape (radius 4 by the corner pattern);
// Left / Right say whether its sides are closed.
template <class F> void _ForOutline(int x0, int y0, int x1, int y1, bool Left, bool Right, F Plot) {
  for (int x = x0 + (Left ? 4 : 0); x <= x1 - (Right ? 4 : 0); x++) {
    Plot(x, y0);
    Plot(x, y1);
  }
  for (int Side = 0; Side < 2; Side++) {
    if ((Side == 0 && !Left) || (Side == 1 && !Right)) continue;
    auto PlotSide = [&](int dx, int y) { Plot(Side == 0 ? x0 + dx : x1 - dx, y); };
    for (int k = 0; k < 2; k++) {
      int yA = k == 0 ? y0 : y1, dir = k == 0 ? 1 : -1;
      PlotSide(2, yA + dir);
      PlotSide(3, yA + dir);
      PlotSide(1, yA + 2 * dir);
      PlotSide(1, yA + 3 * dir);
    }
    for (int y = y0 + 4; y <= y1 - 4; y++) PlotSide(0, y);
  }
}

void _HLine(int y, int x0, int x1) {
  if (x0 <= x1) GUI_DrawHLine(y, x0, x1);
}
void _VLine(int x, int y0, int y1) {
  if (y0 <= y1) GUI_DrawVLine(x, y0, y1);
}

// The outline in the current colour: the pixels _ForOutline names, drawn as runs (one clip set-up per run).
void _Outline(int x0, int y0, int x1, int y1, bool Left = true, bool Right = true) {
  _HLine(y0, x0 + (Left ? 4 : 0), x1 - (Right ? 4 : 0));
  _HLine(y1, x0 + (Left ? 4 : 0), x1 - (Right ? 4 : 0));
  for (int Side = 0; Side < 2; Side++) {
    if ((Side == 0 && !Left) || (Side == 1 && !Right)) continue;
    int x = Side == 0 ? x0 : x1, d = Side == 0 ? 1 : -1;  // d points inward
    for (int yA : {y0 + 1, y1 - 1}) _HLine(yA, x + d * (d > 0 ? 2 : 3), x + d * (d > 0 ? 3 : 2));
    _VLine(x + d, y0 + 2, y0 + 3);
    _VLine(x + d, y1 - 3, y1 - 2);
    _VLine(x, y0 + 4, y1 - 4);
  }
}

// The outline in a half-transparent colour, mixed with what lies under it (targets without transparency
// would otherwise take the colour as it is).
void _OutlineBlended(int x0, int y0, int x1, int y1, GUI_COLOR Color, bool Left = true, bool Right = true) {
  U8 Intens = U8(255 - (Color >> 24));
  _ForOutline(x0, y0, x1, y1, Left, Right, [&](int x, int y) {
    GUI_COLOR Under = LCD_GetPixelColor(x + GUI_pContext->xOff, y + GUI_pContext->yOff);
    GUI_SetColor(GUI__MixColors(Color & 0xFFFFFF, Under & 0xFFFFFF, Intens));
    GUI_DrawPixel(x, y);
  });
}

// Clears the selected memory device (or window) to a colour, transparency included.
void _ClearTo(int w, int h, GUI_COLOR Color) {
  GUI_SetColor(Color);
  GUI_FillRect(0, 0, w - 1, h - 1);
}

// A tab strip: background Color1, a gradient from the middle to h - 5, the half-transparent white outline one
// pixel lower and the black outline, closed on the sides given.
void _RenderTab(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2, bool Left, bool Right) {
  int x0 = Left ? 0 : -4, x1 = Right ? w - 1 : w + 4;
  _ClearTo(w, h, Color1);
  int yMid = (h - 1) / 2;
  _FillRows(x0 + 1, x1 - 1, yMid, h - 5, 0, h - 2, yMid, h - 5, Color2, Color1);
  _OutlineBlended(x0 + (Left ? 1 : 0), 1, x1, h - 1, _WHITE_HALF, Left, Right);
  GUI_SetColor(GUI_BLACK);
  _Outline(x0, 0, x1, h - 2, Left, Right);
}

// Calls Plot for every pixel of the corner pattern of a rectangle.
template <class F> void _ForCornerPixels(const GUI_RECT& r, F Plot) {
  for (int Row = 0; Row < 4; Row++) {
    for (int i = 0; i < _aCorner[Row]; i++) {
      Plot(r.x0 + i, r.y0 + Row);
      Plot(r.x1 - i, r.y0 + Row);
      Plot(r.x0 + i, r.y1 - Row);
      Plot(r.x1 - i, r.y1 - Row);
    }
  }
}

}  // namespace

int UI_PageFrameX;

void UI_DrawTwoToneBox(const GUI_RECT* pRect, GUI_COLOR Color1, GUI_COLOR Color2) {
  if (!pRect) return;
  GUI_COLOR Old = GUI_GetColor();
  int x0 = pRect->x0, y0 = pRect->y0, x1 = pRect->x1, y1 = pRect->y1;
  int yMid = (y0 + y1) / 2;
  _FillRows(x0, x1, y0, yMid - 5, y0, y1, y0, y0, Color1, Color1);
  // The gradient's top corners would sit at the seam: they are left square.
  _FillRows(x0, x1, yMid - 4, y1, y0, y1, yMid - 4, y1, Color2, Color1, true, true);
  GUI_SetColor(GUI_BLACK);
  _Outline(x0, y0, x1, y1);
  GUI_SetColor(Old);
}

void UI_DrawTwoToneButton(int x, int y, int w, int h, GUI_COLOR Color1, GUI_COLOR Color2) {
  GUI_COLOR Old = GUI_GetColor();
  int x1 = x + w - 1, y1 = y + h - 1;
  _FillRows(x, x1, y, y + (h - 1) / 2, y, y1, y, y, Color1, Color1);
  int yG = y + (h - 1) / 4;
  for (int yy = yG; yy <= y1; yy++) {
    GUI_SetColor(_Gradient(yy, yG, y1, Color2, Color1));
    int Inset = yy - yG < 4 ? _Inset(yy - yG) : 0;
    if (y1 - yy < 4) Inset = Inset > _Inset(y1 - yy) ? Inset : _Inset(y1 - yy);
    GUI_DrawHLine(yy, x + Inset, x1 - Inset);
  }
  GUI_SetColor(GUI_BLACK);
  _Outline(x, y, x1, y1);
  GUI_SetColor(Old);
}

void UI_DrawLabelledButton(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2, const char16_t* pText, int TextWidth,
                           int Flags) {
  UI_DrawTwoToneButton(0, 0, w, h, Color1, Color2);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(GUI_BLACK);
  int Align = GUI_SetTextAlign(GUI_TA_HCENTER);
  GUI_GotoXY(w / 2, h / 2);
  UI_DrawTextBlock(pText, TextWidth, Flags);
  GUI_SetTextAlign(Align);
}

void UI_RenderRoundButton(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2) {
  GUI_COLOR Old = GUI_GetColor();
  _ClearTo(w, h, GUI_TRANSPARENT);
  int yMid = (h - 1) / 2;
  // Lower part: the gradient starts 4 pixels above the middle; the upper half covers its start, so the seam
  // is square (only the outer corners are round).
  _FillRows(0, w - 1, yMid, h - 1, 0, h - 1, yMid - 4, h - 1, Color2, Color1, false, true);
  _FillRows(0, w - 1, 0, yMid - 1, 0, h - 1, 0, 0, Color1, Color1, true, false);
  GUI_SetColor(GUI_BLACK);
  _Outline(0, 0, w - 1, h - 1);
  GUI_SetColor(Old);
}

void UI_RenderTabMiddle(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2) {
  GUI_COLOR Old = GUI_GetColor();
  _RenderTab(w, h, Color1, Color2, false, false);
  GUI_SetColor(Old);
}

void UI_RenderTabLeft(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2) {
  GUI_COLOR Old = GUI_GetColor();
  _RenderTab(w, h, Color1, Color2, true, false);
  GUI_SetColor(Old);
}

void UI_RenderTabRight(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2) {
  GUI_COLOR Old = GUI_GetColor();
  _RenderTab(w, h, Color1, Color2, false, true);
  GUI_SetColor(Old);
}

void UI_RenderTabSingle(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2, GUI_COLOR CornerColor) {
  GUI_COLOR Old = GUI_GetColor();
  _ClearTo(w, h, Color1);
  int yMid = (h - 1) / 2;
  _FillRows(1, w - 2, yMid, h - 2, 0, h - 1, yMid, h - 2, Color2, Color1);
  _OutlineBlended(1, 1, w - 1, h - 1, _WHITE_HALF);
  GUI_SetColor(GUI_BLACK);
  _Outline(0, 0, w - 1, h - 1);
  GUI_SetColor(CornerColor);
  _ForCornerPixels(GUI_RECT{0, 0, I16(w - 1), I16(h - 1)}, [](int x, int y) { GUI_DrawPixel(x, y); });
  GUI_SetColor(Old);
}

void UI_RenderCornerMask(const GUI_RECT* pRect, UI_PIXEL_FUNC* pfPixel) {
  if (!pRect || !pfPixel) return;
  GUI_COLOR Old = GUI_GetColor();
  int xOrg = WM_GetOrgX(), yOrg = WM_GetOrgY();
  // Row by row, neighbours of one colour as one run.
  const GUI_RECT& r = *pRect;
  for (int Row = 0; Row < 4; Row++) {
    int n = _aCorner[Row];
    for (int y : {r.y0 + Row, r.y1 - Row}) {
      for (int xStart : {int(r.x0), r.x1 - n + 1}) {
        GUI_COLOR a[4];
        for (int i = 0; i < n; i++) a[i] = pfPixel(xStart + i + xOrg, y + yOrg);
        for (int i = 0; i < n;) {
          int e = i + 1;
          while (e < n && a[e] == a[i]) e++;
          GUI_SetColor(a[i]);
          GUI_DrawHLine(y, xStart + i, xStart + e - 1);
          i = e;
        }
      }
    }
  }
  GUI_SetColor(Old);
}

namespace {
GUI_COLOR _PageBgAtScreen(int x, int y) { return UI_MemdevPixel(UI_hMemdevPageBg, x, y); }
}  // namespace

void UI_RoundTileCorners(WM_HWIN hWin, int x, int y) {
  GUI_RECT r = {I16(x), I16(y), I16(x + 179), I16(y + 39)};
  if (hWin) {
    WM_HWIN hOld = WM_SelectWindow(hWin);
    UI_RenderCornerMask(&r, _PageBgAtScreen);
    WM_SelectWindow(hOld);
  } else {
    UI_RenderCornerMask(&r, _PageBgAtScreen);
  }
}

namespace {
// The panel picture's colour at a screen point; UI_PanelBgPixel counts x from the panel's middle window (9
// pixels right of the picture) and y from 40 less its y0.
GUI_COLOR _PanelBgAtScreen(int x, int y) {
  return UI_PanelBgPixel(x - UI_PANEL_PICTURE_X - 9, y, 40 - UI_PanelPictureY());
}
}  // namespace

void UI_DrawSegmentBar(const GUI_RECT* pRect, int dx, int dy, const GUI_HMEM* pSegments) {
  enum { _SEG_W = 5 };
  if (!pRect || !pSegments) return;
  GUI_Lock();
  int x0 = pRect->x0, x1 = pRect->x1, y = pRect->y0 + dy;
  UI_DrawCached(pSegments[0], x0 + dx, y);
  for (int x = x0 + _SEG_W; x < x1 - _SEG_W; x += _SEG_W) UI_DrawCached(pSegments[1], x + dx, y);
  UI_DrawCached(pSegments[2], x1 - _SEG_W + dx, y);
  int h = 0;
  for (int i = 0; i < 3; i++) {
    if (pSegments[i] && GUI_MEMDEV_GetYSize(pSegments[i]) > h) h = GUI_MEMDEV_GetYSize(pSegments[i]);
  }
  if (h && x1 - 1 > x0) {
    GUI_RECT r = {I16(x0 + dx), I16(y), I16(x1 - 1 + dx), I16(y + h - 1)};
    UI_RenderCornerMask(&r, _PanelBgAtScreen);
  }
  GUI_Unlock();
}

GUI_COLOR UI_MemdevPixel(GUI_HMEM hMem, int x, int y) {
  if (!hMem) return GUI_WHITE;
  GUI_Lock();
  GUI_COLOR c = GUI_WHITE;
  int w = GUI_MEMDEV_GetXSize(hMem), h = GUI_MEMDEV_GetYSize(hMem);
  const U8* p = static_cast<const U8*>(GUI_MEMDEV_GetDataPtr(hMem));
  if (p && x >= 0 && y >= 0 && x < w && y < h) {
    int Bpp = GUI_MEMDEV_GetBitsPerPixel(hMem);
    int BytesPerLine = (Bpp * w + 7) >> 3;
    const U8* q = p + y * BytesPerLine + x * (Bpp / 8);
    if (Bpp == 16) {
      unsigned v = unsigned(q[0]) | unsigned(q[1]) << 8;
      // Each 5-6-5 field widened to eight bits; the low field becomes the low byte.
      c = GUI_COLOR((v & 31) * 255 / 31) | GUI_COLOR(((v >> 5) & 63) * 255 / 63) << 8 |
          GUI_COLOR((v >> 11) * 255 / 31) << 16;
    } else if (Bpp == 32) {
      c = GUI_COLOR(q[0]) | GUI_COLOR(q[1]) << 8 | GUI_COLOR(q[2]) << 16 | GUI_COLOR(q[3]) << 24;
    }
  }
  GUI_Unlock();
  return c;
}

GUI_COLOR UI_PageBgPixel(int x, int yOffset, int y) {
  return UI_MemdevPixel(UI_hMemdevPageBg, x + UI_PageFrameX, yOffset + y);
}

GUI_COLOR UI_ScreenBgPixel(int x, int y) {
  bool Overview = UI_hMainWin && WM_IsVisible(UI_hMainWin);
  return UI_MemdevPixel(Overview ? UI_hMemdevDesignBg : UI_hMemdevPageBg, x, y);
}

GUI_COLOR UI_PanelBgPixel(int x, int y, int y0) { return UI_MemdevPixel(UI_hMemdevPanel, x + 9, y0 - 40 + y); }
