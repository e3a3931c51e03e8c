// Text layout in the current font: character counts, line widths, line breaking and text rectangles.
// The double-underscore routines expect the caller to hold the lock.
#include "GUI_FontPrivate.h"

U8 GUI__BidiEnabled;
int (*GUI__pfBidiHook1)(const char* s, int NumChars, int CursorPos);

namespace {

int _Dist(U16 c) {
  const GUI_FONT* pFont = GUI_pContext->pAFont;
  return pFont ? pFont->pType->pfGetCharDistX(c, nullptr) : 0;
}

bool _IsLineEnd(U16 c) { return c == 0 || c == '\n' || c == '\r'; }

// Characters of a line break at s (LF, CR or CR LF), 0 when none.
int _LineBreakChars(const char* s) {
  if (*s == '\r') return s[1] == '\n' ? 2 : 1;
  return *s == '\n' ? 1 : 0;
}

int _SkipBlanks(const char* s, int n) {
  const char* p = s + GUI_UC__CountBytes(s, n);
  while (*p == ' ') ++p, ++n;
  return n;
}

// One wrapped line: returns the characters up to the start of the next line; *pNumDisp the characters to
// draw. Word wrap breaks at the last blank run that fits (the blanks are neither drawn nor carried to the
// next line), a word wider than the width is cut by characters; every line takes at least one character.
int _WrapLine(const char* s, int xSize, int WrapMode, int* pNumDisp) {
  int n = 0, w = 0;
  int BlankStart = -1; // first blank of the last blank run, in characters
  bool PrevBlank = false;
  const char* p = s;
  for (;;) {
    U16 c = GUI_UC_GetCharCode(p);
    if (_IsLineEnd(c)) {
      *pNumDisp = n;
      return n + _LineBreakChars(p);
    }
    int cw = _Dist(c);
    if (WrapMode != GUI_WRAPMODE_NONE && n > 0 && w + cw > xSize) {
      if (WrapMode == GUI_WRAPMODE_WORD && (c == ' ' || BlankStart > 0)) {
        int Break = c == ' ' && !PrevBlank ? n : BlankStart;
        *pNumDisp = Break;
        int Next = _SkipBlanks(s, Break);
        return Next + _LineBreakChars(s + GUI_UC__CountBytes(s, Next));
      }
      *pNumDisp = n;
      return n;
    }
    if (c == ' ' && !PrevBlank) BlankStart = n;
    PrevBlank = c == ' ';
    w += cw;
    ++n;
    p += GUI_UC_GetCharSize(p);
  }
}

int _NumLines(const char* s, int MaxNumChars) {
  int Lines = 0;
  while (*s && MaxNumChars > 0) {
    int n = GUI__GetLineNumChars(s, MaxNumChars);
    s += GUI_UC__CountBytes(s, n);
    MaxNumChars -= n;
    ++Lines;
    int b = _LineBreakChars(s);
    if (!b || MaxNumChars <= 0) break;
    s += b;
    MaxNumChars -= b;
  }
  return Lines;
}

int _MaxLineDistX(const char* s, int MaxNumChars) {
  int w = 0;
  while (*s && MaxNumChars > 0) {
    int n = GUI__GetLineNumChars(s, MaxNumChars);
    int d = GUI__GetLineDistX(s, n);
    if (d > w) w = d;
    s += GUI_UC__CountBytes(s, n);
    MaxNumChars -= n;
    int b = _LineBreakChars(s);
    if (!b) break;
    s += b;
    MaxNumChars -= b;
  }
  return w;
}

} // namespace

int GUI__GetNumChars(const char* s) {
  int n = 0;
  if (s)
    while (*s) s += GUI_UC_GetCharSize(s), ++n;
  return n;
}

int GUI__GetLineNumChars(const char* s, int MaxNumChars) {
  int n = 0;
  if (!s) return 0;
  while (n < MaxNumChars && !_IsLineEnd(static_cast<U8>(*s))) s += GUI_UC_GetCharSize(s), ++n;
  return n;
}

int GUI__GetLineDistX(const char* s, int NumChars) {
  const GUI_FONT* pFont = GUI_pContext->pAFont;
  if (!s || !pFont) return 0;
  int w = 0, Overhang = 0;
  for (int i = 0; i < NumChars && *s; ++i) {
    U16 c = GUI_UC__ReadCharCode(&s);
    GUI_CHARINFO_EXT Info;
    if (pFont->pType->pfGetCharInfo(c, &Info)) {
      Overhang = 0;
      continue;
    }
    w += Info.XDist * pFont->XMag;
    int Right = (Info.XPos + Info.XSize - Info.XDist) * pFont->XMag;
    Overhang = Info.XSize && Right > 0 ? Right : 0;
  }
  return w + Overhang;
}

int GUI__GetWidthOfChars(const char* s, int NumChars, int MaxNumChars) {
  if (!s) return 0;
  if (NumChars > MaxNumChars) NumChars = MaxNumChars;
  int w = 0;
  for (int i = 0; i < NumChars && *s; ++i) w += _Dist(GUI_UC__ReadCharCode(&s));
  return w;
}

int GUI__GetCharsInWidth(const char* s, int xSize, int MaxNumChars) {
  if (!s) return 0;
  int n = 0, w = 0;
  while (n < MaxNumChars && !_IsLineEnd(static_cast<U8>(*s))) {
    w += _Dist(GUI_UC_GetCharCode(s));
    if (w > xSize) break;
    s += GUI_UC_GetCharSize(s);
    ++n;
  }
  return n;
}

U16 GUI__GetCharAtIndex(const char* s, int Index, int NumChars, int* pIsRTL) {
  if (pIsRTL) *pIsRTL = 0;
  if (!s || Index < 0 || Index >= NumChars) return 0;
  if (GUI__BidiEnabled && GUI__pfBidiHook1 && pIsRTL) *pIsRTL = GUI__pfBidiHook1(s, NumChars, Index) ? 1 : 0;
  s += GUI_UC__CountBytes(s, Index);
  return GUI_UC_GetCharCode(s);
}

int GUI__WrapGetNumCharsDisp(const char* s, int xSize, int WrapMode) {
  int NumDisp = 0;
  if (s) _WrapLine(s, xSize, WrapMode, &NumDisp);
  return NumDisp;
}

int GUI__WrapLineChars(const char* s, int xSize, int WrapMode) {
  int NumDisp;
  return s ? _WrapLine(s, xSize, WrapMode, &NumDisp) : 0;
}

int GUI_WrapGetNumLines(const char* s, int xSize, int WrapMode) {
  if (!s) return 0;
  GUI_Lock();
  int Lines = 0;
  while (*s) {
    int n = GUI__WrapLineChars(s, xSize, WrapMode);
    s += GUI_UC__CountBytes(s, n);
    ++Lines;
  }
  GUI_Unlock();
  return Lines;
}

int GUI__GetNumLines(const char* s, int MaxNumChars) { return s ? _NumLines(s, MaxNumChars) : 0; }

int GUI__GetMaxLineDistX(const char* s, int MaxNumChars) { return s ? _MaxLineDistX(s, MaxNumChars) : 0; }

void GUI__CalcTextRect(const char* s, const GUI_RECT* pRect, GUI_RECT* pResult, int Align) {
  if (!pRect || !pResult) return;
  if (!s) {
    *pResult = *pRect;
    return;
  }
  const GUI_FONT* pFont = GUI_pContext->pAFont;
  int w = _MaxLineDistX(s, 0x7FFF);
  int h = _NumLines(s, 0x7FFF) * GUI_GetYDistOfFont(pFont);
  int x0 = pRect->x0, y0 = pRect->y0;
  switch (Align & GUI_TA_HORIZONTAL) {
  case GUI_TA_RIGHT: x0 = pRect->x1 - w + 1; break;
  case GUI_TA_HCENTER: x0 = pRect->x0 + (pRect->x1 - pRect->x0 + 1 - w) / 2; break;
  }
  switch (Align & GUI_TA_VERTICAL) {
  case GUI_TA_BOTTOM: y0 = pRect->y1 - h + 1; break;
  case GUI_TA_VCENTER: y0 = pRect->y0 + (pRect->y1 - pRect->y0 + 1 - h) / 2; break;
  }
  pResult->x0 = GUI__ClampI16(x0);
  pResult->y0 = GUI__ClampI16(y0);
  pResult->x1 = GUI__ClampI16(x0 + w - 1);
  pResult->y1 = GUI__ClampI16(y0 + h - 1);
}

void GUI_GetTextExtent(GUI_RECT* pRect, const char* s, int MaxNumChars) {
  if (!pRect) return;
  GUI_Lock();
  int x0 = GUI_pContext->DispPosX, y0 = GUI_pContext->DispPosY;
  int w = s ? _MaxLineDistX(s, MaxNumChars) : 0;
  int Lines = s ? _NumLines(s, MaxNumChars) : 0;
  if (!Lines) Lines = 1;
  pRect->x0 = GUI__ClampI16(x0);
  pRect->y0 = GUI__ClampI16(y0);
  pRect->x1 = GUI__ClampI16(x0 + w - 1);
  pRect->y1 = GUI__ClampI16(y0 + (Lines - 1) * GUI_GetYDistOfFont(GUI_pContext->pAFont) +
                            GUI_GetYSizeOfFont(GUI_pContext->pAFont) - 1);
  GUI_Unlock();
}

int GUI_GetStringDistX(const char* s) {
  GUI_Lock();
  int w = s ? _MaxLineDistX(s, 0x7FFF) : 0;
  GUI_Unlock();
  return w;
}
