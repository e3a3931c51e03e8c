// Proportional font types: glyph look-up and drawing of 1-bit and anti-aliased (2, 4, 8 bits) glyphs.
#include "GUI_FontPrivate.h"

namespace {

// Device indices of the 2^bpp coverage levels between background and foreground, kept while the colours,
// the depth and the layer's colour conversion stay the same.
struct AA_TABLE {
  LCD_PIXELINDEX aIndex[256];
  LCD_PIXELINDEX Fg, Bg;
  int Bpp;
  tLCDDEV_Color2Index pfColor2Index;
  bool Valid;
};
AA_TABLE _AATable;

} // namespace

const LCD_PIXELINDEX* GUI__GetAATable(int Bpp, LCD_PIXELINDEX Fg, LCD_PIXELINDEX Bg) {
  tLCDDEV_Color2Index pfColor2Index = LCD__GetpfColor2Index(GUI_pContext->SelLayer);
  AA_TABLE& t = _AATable;
  if (t.Valid && t.Fg == Fg && t.Bg == Bg && t.Bpp == Bpp && t.pfColor2Index == pfColor2Index) return t.aIndex;
  int Max = (1 << Bpp) - 1;
  GUI_COLOR FgColor = LCD_Index2Color(Fg), BgColor = LCD_Index2Color(Bg);
  t.aIndex[0] = Bg;
  t.aIndex[Max] = Fg;
  for (int i = 1; i < Max; ++i)
    t.aIndex[i] = LCD_Color2Index(GUI__MixColors(FgColor, BgColor, static_cast<U8>(i * 255 / Max)));
  t.Fg = Fg, t.Bg = Bg, t.Bpp = Bpp, t.pfColor2Index = pfColor2Index, t.Valid = true;
  return t.aIndex;
}

namespace {

// Fills a rectangle with a given index, keeping the context's colours.
void _FillIndex(int x0, int y0, int x1, int y1, LCD_PIXELINDEX Index) {
  LCD_PIXELINDEX Old = LCD_GetColorIndex();
  int OldMode = LCD_SetDrawMode(LCD_DRAWMODE_NORMAL);
  LCD_SetColorIndex(Index);
  LCD_FillRect(x0, y0, x1, y1);
  LCD_SetColorIndex(Old);
  LCD_SetDrawMode(OldMode);
}

// Mixed indices of the foreground over 16-bit background indices at each coverage level: text mostly lies on
// a few background colours, so most edge pixels find their mix here. Valid for one foreground, depth and
// colour conversion.
struct BLEND_CACHE {
  U32 aKey[256];  // 1 << 31 | background << 8 | level; 0: empty
  U16 aIndex[256];
  LCD_PIXELINDEX Fg;
  int Bpp;
  const LCD_COLOR_CONV_API* pConv;
};
BLEND_CACHE _BlendCache;

U16 _BlendIndex(const LCD_COLOR_CONV_API* pConv, GUI_COLOR FgColor, U16 Below, int Level, int Max) {
  U32 Key = 1u << 31 | U32(Below) << 8 | U32(Level);
  unsigned Slot = (Below ^ (Below >> 8) ^ (Level * 37u)) & 255;
  if (_BlendCache.aKey[Slot] != Key) {
    _BlendCache.aKey[Slot] = Key;
    _BlendCache.aIndex[Slot] =
        (U16)pConv->pfColor2Index(LCD_MixColorsNoAlpha(FgColor, pConv->pfIndex2Color(Below), static_cast<U8>(Level * 255 / Max)));
  }
  return _BlendCache.aIndex[Slot];
}

// A smooth glyph blended into what lies below it (transparent text at magnification 1): what
// GUI__DrawInkPixels does pixel by pixel, with the clip rectangle, the device and its rectangle looked up once
// per glyph instead of once per pixel. Full-coverage pixels take the foreground index within the clip
// rectangle; partly covered ones mix the foreground into the pixel below where the device has one.
void _BlendGlyph(const GUI_CHARINFO_EXT* pInfo, int Bpp, int x0, int y0, LCD_PIXELINDEX Fg) {
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (!pDevice || !pInfo->pData) return;
  const GUI_DEVICE_API* pApi = pDevice->pDeviceAPI;
  const GUI_RECT Clip = *GUI_pContext->pClipRect;
  GUI_RECT Dev;
  pApi->pfGetRect(pDevice, &Dev);
  int ya = GUI__Max(y0, Clip.y0), yb = GUI__Min(y0 + pInfo->YSize - 1, Clip.y1);
  int xa = GUI__Max(x0, Clip.x0), xb = GUI__Min(x0 + pInfo->XSize - 1, Clip.x1);
  if (ya > yb || xa > xb) return;
  int BytesPerLine = (pInfo->XSize * Bpp + 7) / 8;
  int Max = (1 << Bpp) - 1;
  const LCD_COLOR_CONV_API* pConv = pDevice->pColorConvAPI;  // the head's: what LCD_Index2Color uses
  GUI_COLOR FgColor = pConv->pfIndex2Color(Fg);
  for (int y = ya; y <= yb; ++y) {
    const U8* p = pInfo->pData + (y - y0) * BytesPerLine;
    bool RowInDevice = y >= Dev.y0 && y <= Dev.y1;
    // Straight into the device's memory where it allows that.
    U16* pRow = (GUI__pfPixelRow16 && RowInDevice && xa >= Dev.x0 && xb <= Dev.x1) ? GUI__pfPixelRow16(pDevice, xa, y, xb - xa + 1) : nullptr;
    if (pRow) {
      if (_BlendCache.Fg != Fg || _BlendCache.Bpp != Bpp || _BlendCache.pConv != pConv) {
        std::memset(_BlendCache.aKey, 0, sizeof(_BlendCache.aKey));
        _BlendCache.Fg = Fg, _BlendCache.Bpp = Bpp, _BlendCache.pConv = pConv;
      }
      for (int x = xa; x <= xb; ++x) {
        int Bit = (x - x0) * Bpp;
        int Level = p[Bit >> 3] >> (8 - Bpp - (Bit & 7)) & Max;
        if (!Level) continue;
        U16* q = pRow + (x - xa);
        *q = Level == Max ? (U16)Fg : _BlendIndex(pConv, FgColor, *q, Level, Max);
      }
      continue;
    }
    for (int x = xa; x <= xb; ++x) {
      int Bit = (x - x0) * Bpp;
      int Level = p[Bit >> 3] >> (8 - Bpp - (Bit & 7)) & Max;
      if (!Level) continue;
      if (Level == Max) {
        pApi->pfSetPixelIndex(pDevice, x, y, Fg);
      } else if (RowInDevice && x >= Dev.x0 && x <= Dev.x1) {
        U8 Intens = static_cast<U8>(Level * 255 / Max);
        GUI_COLOR Below = pConv->pfIndex2Color(pApi->pfGetPixelIndex(pDevice, x, y));
        pApi->pfSetPixelIndex(pDevice, x, y, pConv->pfColor2Index(LCD_MixColorsNoAlpha(FgColor, Below, Intens)));
      }
    }
  }
}

void _DispChar(U16 c) {
  GUI_CONTEXT* pContext = GUI_pContext;
  const GUI_FONT* pFont = pContext->pAFont;
  const GUI_CHARINFO_EXT* pInfo = GUI__FindCharInfo(pFont, c);
  if (!pInfo) return;
  int xMag = pFont->XMag, yMag = pFont->YMag;
  int x = pContext->DispPosX, y = pContext->DispPosY;
  int xDist = pInfo->XDist * xMag;
  LCD_PIXELINDEX Fg, Bg;
  GUI__GetTextIndices(&Fg, &Bg);
  int Mode = pContext->TextMode;
  bool BkFilled = GUI__IsLineBkFilled();
  if (!(Mode & (GUI_TM_TRANS | GUI_TM_XOR)) && xDist > 0 && !BkFilled)
    _FillIndex(x, y, x + xDist - 1, y + pFont->YSize * yMag - 1, Bg);
  if (pInfo->XSize && pInfo->pData) {
    int x0 = x + pInfo->XPos * xMag, y0 = y + pInfo->YPos * yMag;
    int Bpp = pFont->pType->BitsPerPixel;
    int BytesPerLine = (pInfo->XSize * Bpp + 7) / 8;
    if (Mode & GUI_TM_XOR) {
      int OldMode = LCD_SetDrawMode(LCD_DRAWMODE_XOR);
      GUI__DrawInkPixels(pInfo, Bpp, xMag, yMag, [&](int u, int v, int* px, int* py) { *px = x0 + u, *py = y0 + v; });
      LCD_SetDrawMode(OldMode);
    } else if (Bpp == 1) {
      LCD_PIXELINDEX aTrans[2] = {Bg, Fg};
      int OldMode = LCD_SetDrawMode(LCD_DRAWMODE_TRANS);
      LCD_DrawBitmap(x0, y0, pInfo->XSize, pInfo->YSize, xMag, yMag, 1, BytesPerLine, pInfo->pData, aTrans);
      LCD_SetDrawMode(OldMode);
    } else if (!(Mode & GUI_TM_TRANS)) {
      // Uncovered pixels keep what is there (the cell's background): an overhang of the previous glyph
      // survives.
      const LCD_PIXELINDEX* pTrans = GUI__GetAATable(Bpp, Fg, Bg);
      int OldMode = LCD_SetDrawMode(LCD_DRAWMODE_TRANS);
      LCD_DrawBitmap(x0, y0, pInfo->XSize, pInfo->YSize, xMag, yMag, Bpp, BytesPerLine, pInfo->pData, pTrans);
      LCD_SetDrawMode(OldMode);
    } else if (xMag == 1 && yMag == 1) {
      _BlendGlyph(pInfo, Bpp, x0, y0, Fg);
    } else {
      GUI__DrawInkPixels(pInfo, Bpp, xMag, yMag, [&](int u, int v, int* px, int* py) { *px = x0 + u, *py = y0 + v; });
    }
  }
  pContext->DispPosX = static_cast<I16>(x + xDist);
}

int _GetCharDistX(U16 c, int* pSizeX) {
  const GUI_FONT* pFont = GUI_pContext->pAFont;
  const GUI_CHARINFO_EXT* pInfo = GUI__FindCharInfo(pFont, c);
  if (pSizeX) *pSizeX = pInfo ? pInfo->XSize * pFont->XMag : 0;
  return pInfo ? pInfo->XDist * pFont->XMag : 0;
}

template <U16 Flags> void _GetFontInfo(const GUI_FONT* pFont, GUI_FONTINFO* pInfo) {
  pInfo->Flags = GUI_FONTINFO_FLAG_PROP | Flags;
  pInfo->Baseline = pFont->Baseline;
  pInfo->LHeight = pFont->LHeight;
  pInfo->CHeight = pFont->CHeight;
}

char _IsInFont(const GUI_FONT* pFont, U16 c) { return GUI__FindCharInfo(pFont, c) ? 1 : 0; }

int _GetCharInfo(U16 c, GUI_CHARINFO_EXT* pInfo) {
  const GUI_CHARINFO_EXT* p = GUI__FindCharInfo(GUI_pContext->pAFont, c);
  if (!p) return 1;
  *pInfo = *p;
  return 0;
}

} // namespace

const GUI_FONT_TYPE GUI_FONTTYPE_PROP_EXT = {_DispChar, _GetCharDistX, _GetFontInfo<0>, _IsInFont, _GetCharInfo, 1};
const GUI_FONT_TYPE GUI_FONTTYPE_PROP_AA2_EXT = {_DispChar,  _GetCharDistX, _GetFontInfo<GUI_FONTINFO_FLAG_AA2>,
                                                 _IsInFont,  _GetCharInfo,  2};
const GUI_FONT_TYPE GUI_FONTTYPE_PROP_AA4_EXT = {_DispChar,  _GetCharDistX, _GetFontInfo<GUI_FONTINFO_FLAG_AA4>,
                                                 _IsInFont,  _GetCharInfo,  4};
const GUI_FONT_TYPE GUI_FONTTYPE_PROP_AA8_EXT = {_DispChar,  _GetCharDistX, _GetFontInfo<GUI_FONTINFO_FLAG_AA8>,
                                                 _IsInFont,  _GetCharInfo,  8};

const GUI_CHARINFO_EXT* GUI__FindCharInfo(const GUI_FONT* pFont, U16 c) {
  if (!pFont) return nullptr;
  for (const GUI_FONT_PROP_EXT* p = pFont->pProp; p; p = p->pNext) {
    if (c < p->First) return nullptr; // ranges ascend
    if (c <= p->Last) {
      return &p->paCharInfo[c - p->First];
    }
  }
  return nullptr;
}

void GUI__GetTextIndices(LCD_PIXELINDEX* pFg, LCD_PIXELINDEX* pBg) {
  LCD_PIXELINDEX Fg = *GUI_pContext->LCD_pColorIndex, Bg = *GUI_pContext->LCD_pBkColorIndex;
  if (GUI_pContext->TextMode & GUI_TM_REV) {
    LCD_PIXELINDEX t = Fg;
    Fg = Bg;
    Bg = t;
  }
  *pFg = Fg;
  *pBg = Bg;
}
