// Text output at the text position: characters, lines with alignment, line breaks and text styles.
#include "GUI_FontPrivate.h"

#include <vector>

namespace {

const GUI_RECT* _pTextClip; // screen rectangle that limits text output (set by the rectangle routines)
bool _LineBkFilled;         // the line's background is drawn: glyphs leave their cells alone

// In the normal text mode the background of the whole line is filled before the glyphs are drawn, so that
// a glyph reaching into its neighbour's cell (the caron of d, the tail of j) is not wiped out by it.
void _FillLineBk(int x, int y, int w) {
  if (w <= 0 || (GUI_pContext->TextMode & (GUI_TM_TRANS | GUI_TM_XOR))) return;
  LCD_PIXELINDEX Fg, Bg;
  GUI__GetTextIndices(&Fg, &Bg);
  LCD_PIXELINDEX Old = LCD_GetColorIndex();
  int OldMode = LCD_SetDrawMode(LCD_DRAWMODE_NORMAL);
  LCD_SetColorIndex(Bg);
  LCD_FillRect(x, y, x + w - 1, y + GUI_GetYSizeOfFont(GUI_pContext->pAFont) - 1);
  LCD_SetColorIndex(Old);
  LCD_SetDrawMode(OldMode);
  _LineBkFilled = true;
}

// Underline, strike-through and overline of a line drawn at screen position x, y, w pixels wide.
void _DrawStyles(int x, int y, int w) {
  const GUI_FONT* pFont = GUI_pContext->pAFont;
  int Style = GUI_pContext->TextStyle;
  if (!Style || w <= 0) return;
  LCD_PIXELINDEX Fg, Bg;
  GUI__GetTextIndices(&Fg, &Bg);
  LCD_PIXELINDEX Old = LCD_GetColorIndex();
  int OldMode = LCD_SetDrawMode((GUI_pContext->TextMode & GUI_TM_XOR) ? LCD_DRAWMODE_XOR : LCD_DRAWMODE_NORMAL);
  LCD_SetColorIndex(Fg);
  int yMag = pFont->YMag;
  auto Line = [&](int Row) { LCD_FillRect(x, y + Row * yMag, x + w - 1, y + (Row + 1) * yMag - 1); };
  if (Style & GUI_TS_UNDERLINE) Line(GUI__GetUnderlineRow(pFont));
  if (Style & GUI_TS_STRIKETHRU) Line(pFont->Baseline - (pFont->LHeight + 1) / 2);
  if (Style & GUI_TS_OVERLINE) Line(0);
  LCD_SetColorIndex(Old);
  LCD_SetDrawMode(OldMode);
}

void _DispLineBreak(const char** ps) {
  GUI_CONTEXT* pContext = GUI_pContext;
  const char* s = *ps;
  bool NewLine = false;
  if (*s == '\r') {
    ++s;
    if (*s == '\n') ++s, NewLine = true;
  } else if (*s == '\n') {
    ++s;
    NewLine = true;
  }
  pContext->DispPosX = pContext->LBorder;
  if (NewLine) pContext->DispPosY = static_cast<I16>(pContext->DispPosY + GUI_GetYDistOfFont(pContext->pAFont));
  *ps = s;
}

} // namespace

bool GUI__IsLineBkFilled(void) { return _LineBkFilled; }

int GUI__GetUnderlineRow(const GUI_FONT* pFont) {
  return pFont->Baseline < pFont->YSize ? pFont->Baseline : pFont->YSize - 1;
}

const GUI_RECT* GUI__SetTextClip(const GUI_RECT* pRect) {
  const GUI_RECT* pOld = _pTextClip;
  _pTextClip = pRect;
  return pOld;
}

void GUI__DispLine(const char* s, int NumChars, const GUI_RECT* pRect) {
  GUI_CONTEXT* pContext = GUI_pContext;
  const GUI_FONT* pFont = pContext->pAFont;
  if (!s || !pFont) return;
  int x = pContext->DispPosX, y = pContext->DispPosY;
  int Width = GUI__GetWidthOfChars(s, NumChars, NumChars);
  int xScreen = x + pContext->xOff, yScreen = y + pContext->yOff;
  GUI_RECT rBounds;
  if (pRect) {
    rBounds = *pRect;
    GUI_MoveRect(&rBounds, pContext->xOff, pContext->yOff);
  } else { // glyphs may reach a little beyond their advance
    int Slack = pFont->YSize * pFont->XMag / 2 + 1;
    rBounds = GUI_RECT{GUI__ClampI16(xScreen - Slack), GUI__ClampI16(yScreen), GUI__ClampI16(xScreen + Width - 1 + Slack),
                       GUI__ClampI16(yScreen + GUI_GetYSizeOfFont(pFont) - 1)};
  }
  GUI_CLIP_ITERATE_START(&rBounds)
    GUI_RECT rSave = pContext->ClipRect;
    if (!_pTextClip || GUI__IntersectRects(&pContext->ClipRect, &rSave, _pTextClip)) {
      pContext->DispPosX = static_cast<I16>(xScreen);
      pContext->DispPosY = static_cast<I16>(yScreen);
      _FillLineBk(xScreen, yScreen, Width);
      const char* p = s;
      for (int i = 0; i < NumChars && *p; ++i) pFont->pType->pfDispChar(GUI_UC__ReadCharCode(&p));
      _LineBkFilled = false;
      _DrawStyles(xScreen, yScreen, Width);
    }
    pContext->ClipRect = rSave;
  GUI_CLIP_ITERATE_END()
  pContext->DispPosX = static_cast<I16>(x + Width);
  pContext->DispPosY = static_cast<I16>(y);
}

void GUI_DispNextLine(void) {
  GUI_Lock();
  GUI_pContext->DispPosX = GUI_pContext->LBorder;
  GUI_pContext->DispPosY = static_cast<I16>(GUI_pContext->DispPosY + GUI_GetYDistOfFont(GUI_pContext->pAFont));
  GUI_Unlock();
}

void GUI_DispChar(U16 c) {
  if (c == '\n') {
    GUI_DispNextLine();
    return;
  }
  char ac[4];
  int n = GUI_UC_Encode(ac, c);
  ac[n] = 0;
  GUI_Lock();
  GUI__DispLine(ac, 1, nullptr);
  GUI_Unlock();
}

void GUI_DispChars(U16 c, int Cnt) {
  GUI_Lock();
  while (Cnt-- > 0) GUI_DispChar(c);
  GUI_Unlock();
}

void GUI_DispCharAt(U16 c, int x, int y) {
  GUI_Lock();
  GUI_GotoXY(x, y);
  GUI_DispChar(c);
  GUI_Unlock();
}

void GUI_DispString(const char* s) {
  GUI_Lock();
  GUI_CONTEXT* pContext = GUI_pContext;
  const GUI_FONT* pFont = pContext->pAFont;
  if (s && pFont) {
    int yAdjust = 0;
    switch (pContext->TextAlign & GUI_TA_VERTICAL) {
    case GUI_TA_VCENTER: yAdjust = GUI_GetYSizeOfFont(pFont) / 2; break;
    case GUI_TA_BOTTOM: yAdjust = GUI_GetYSizeOfFont(pFont) - 1; break;
    case GUI_TA_BASELINE: yAdjust = pFont->Baseline * pFont->YMag; break;
    }
    pContext->DispPosY = static_cast<I16>(pContext->DispPosY - yAdjust);
    while (*s) {
      int n = GUI__GetLineNumChars(s, 0x7FFF);
      int w = GUI__GetLineDistX(s, n);
      int xAdjust = 0;
      switch (pContext->TextAlign & GUI_TA_HORIZONTAL) {
      case GUI_TA_RIGHT: xAdjust = w; break;
      case GUI_TA_HCENTER: xAdjust = w / 2; break;
      }
      pContext->DispPosX = static_cast<I16>(pContext->DispPosX - xAdjust);
      GUI__DispLine(s, n, nullptr);
      s += GUI_UC__CountBytes(s, n);
      if (*s) _DispLineBreak(&s);
    }
    pContext->DispPosY = static_cast<I16>(pContext->DispPosY + yAdjust);
    pContext->TextAlign = static_cast<I16>(pContext->TextAlign & ~GUI_TA_HORIZONTAL);
  }
  GUI_Unlock();
}

// Further lines of the text start below x: x becomes the left border.
void GUI_DispStringAt(const char* s, int x, int y) {
  GUI_Lock();
  GUI_GotoXY(x, y);
  GUI_pContext->LBorder = static_cast<I16>(x);
  GUI_DispString(s);
  GUI_Unlock();
}

void GUI_DispStringHCenterAt(const char* s, int x, int y) {
  GUI_Lock();
  int Align = GUI_pContext->TextAlign;
  GUI_pContext->TextAlign = static_cast<I16>((Align & ~GUI_TA_HORIZONTAL) | GUI_TA_HCENTER);
  GUI_DispStringAt(s, x, y);
  GUI_pContext->TextAlign = static_cast<I16>(Align);
  GUI_Unlock();
}

// At most MaxNumChars characters of the first line, padded with blanks to MaxNumChars.
void GUI_DispStringLen(const char* s, int MaxNumChars) {
  GUI_Lock();
  int n = s ? GUI__GetLineNumChars(s, MaxNumChars) : 0;
  if (n) GUI__DispLine(s, n, nullptr);
  for (; n < MaxNumChars; ++n) GUI__DispLine(" ", 1, nullptr);
  GUI_Unlock();
}

std::vector<char> GUI__UC2Text(const char16_t* s) {
  int Len = 0;
  while (s && s[Len]) ++Len;
  std::vector<char> Text(static_cast<size_t>(Len) * 3 + 1);
  GUI_UC_ConvertUC2UTF8(s, Len, Text.data(), static_cast<int>(Text.size()));
  return Text;
}

void GUI_UC_DispString(const char16_t* s) {
  if (!s) return;
  GUI_DispString(GUI__UC2Text(s).data());
}

void GUI_UC_DispStringAt(const char16_t* s, int x, int y) {
  if (!s) return;
  GUI_DispStringAt(GUI__UC2Text(s).data(), x, y);
}

void GUI_UC_DispStringInRect(const char16_t* s, GUI_RECT* pRect, int Align) {
  if (!s) return;
  GUI_DispStringInRect(GUI__UC2Text(s).data(), pRect, Align);
}

int GUI_UC_GetStringDistX(const char16_t* s) {
  if (!s) return 0;
  return GUI_GetStringDistX(GUI__UC2Text(s).data());
}
