// The screens' text routines: blocks, wrapped text and single lines of UTF-16 text.
#include <string>

#include "UI_Draw.h"

namespace {

const char16_t _HYPHEN = u'-';

int _CharWidth(char16_t c) { return GUI_GetCharDistX(c); }

int _Length(const char16_t* s) {
  int n = 0;
  while (s && s[n]) n++;
  return n;
}

// Draws n characters from x, y (window coordinates) as one run; U+00AD is left out when HideSoftHyphen is set.
void _DrawRun(const char16_t* s, int n, int x, int y, bool HideSoftHyphen = false, char16_t Append = 0) {
  std::string Buffer;
  int NumChars = 0;
  char ac[4];
  for (int i = 0; i < n; i++) {
    if (HideSoftHyphen && s[i] == UI_CHAR_SOFT_HYPHEN) continue;
    Buffer.append(ac, GUI_UC_Encode(ac, s[i]));
    NumChars++;
  }
  if (Append) {
    Buffer.append(ac, GUI_UC_Encode(ac, Append));
    NumChars++;
  }
  GUI_Lock();
  GUI_GotoXY(x, y);
  GUI__DispLine(Buffer.c_str(), NumChars, nullptr);
  GUI_Unlock();
}

int _RunWidth(const char16_t* s, int n, bool HideSoftHyphen = false) {
  int w = 0;
  for (int i = 0; i < n; i++) {
    if (HideSoftHyphen && s[i] == UI_CHAR_SOFT_HYPHEN) continue;
    w += _CharWidth(s[i]);
  }
  return w;
}

// x of a line of width w placed by the horizontal alignment at x.
int _AlignX(int x, int w) {
  switch (GUI_GetTextAlign() & GUI_TA_HORIZONTAL) {
  case GUI_TA_RIGHT: return x - w;
  case GUI_TA_HCENTER: return x - w / 2;
  default: return x;
  }
}

// Start of the text for the form flags: after the first U+FFFC with UI_TEXT_LONG_FORM (the whole text when
// it has none).
int _FormStart(const char16_t* s, int Flags) {
  if (!(Flags & UI_TEXT_LONG_FORM)) return 0;
  for (int i = 0; s[i]; i++) {
    if (s[i] == UI_CHAR_FORM_SEPARATOR) return i + 1;
  }
  return 0;
}

// One line of word-wrapped text.
struct _LINE {
  int Start;    // first character drawn
  int Len;      // characters of the line (soft hyphens inside it are not drawn)
  bool Hyphen;  // broken at a soft hyphen: ends with "-"
  int Next;     // where the next line's search begins
};

bool _IsBreak(char16_t c, int Flags) { return c == UI_CHAR_BREAK && !(Flags & UI_TEXT_BREAK_AS_CHAR); }
bool _IsSoftHyphen(char16_t c, int Flags) { return c == UI_CHAR_SOFT_HYPHEN; }
bool _SoftHyphenBreaks(int Flags) { return !(Flags & UI_TEXT_NO_SOFT_HYPHEN); }

// Finds the next line from Pos; false at the end of the text. Leading blanks and breaks are skipped; a line
// ends at a forced break, at the last blank or soft hyphen before the width is exceeded, or at the end; a
// word wider than the width runs on to its next break point.
bool _NextLine(const char16_t* s, int Pos, int Width, int Flags, _LINE* pLine) {
  while (s[Pos] == u' ' || _IsBreak(s[Pos], Flags) || s[Pos] == UI_CHAR_SOFT_HYPHEN) Pos++;
  if (!s[Pos]) return false;
  const int HyphenWidth = _CharWidth(_HYPHEN);
  int w = 0;
  int BreakAt = -1;  // index of the blank or soft hyphen where the line may end
  bool BreakHyphen = false;
  bool Overflow = false;
  int i = Pos;
  for (; s[i]; i++) {
    char16_t c = s[i];
    if (_IsBreak(c, Flags)) break;
    if (_IsSoftHyphen(c, Flags)) {
      if (!_SoftHyphenBreaks(Flags)) continue;  // invisible, no break point
      if (Overflow) {
        *pLine = _LINE{Pos, i - Pos, true, i + 1};
        return true;
      }
      if (w + HyphenWidth <= Width) {
        BreakAt = i;
        BreakHyphen = true;
      }
      continue;
    }
    if (c == u' ') {
      if (Overflow) break;
      BreakAt = i;
      BreakHyphen = false;
    }
    int cw = _CharWidth(c);
    if (w + cw > Width && i > Pos && c != u' ') {
      if (BreakAt > Pos) {
        *pLine = _LINE{Pos, BreakAt - Pos, BreakHyphen, BreakAt + 1};
        return true;
      }
      Overflow = true;  // a word wider than the block stays whole
    } else if (w + cw > Width && c == u' ') {
      *pLine = _LINE{Pos, i - Pos, false, i + 1};
      return true;
    }
    w += cw;
  }
  *pLine = _LINE{Pos, i - Pos, false, s[i] ? i + 1 : i};
  return true;
}

// Characters of a line without its trailing blanks.
int _TrimmedLen(const char16_t* s, const _LINE& Line) {
  int n = Line.Len;
  while (n > 0 && s[Line.Start + n - 1] == u' ') n--;
  return n;
}

int _LineWidth(const char16_t* s, const _LINE& Line) {
  int w = _RunWidth(s + Line.Start, _TrimmedLen(s, Line), true);
  return Line.Hyphen ? w + _CharWidth(_HYPHEN) : w;
}

void _DrawLine(const char16_t* s, const _LINE& Line, int x, int y) {
  _DrawRun(s + Line.Start, _TrimmedLen(s, Line), x, y, true, Line.Hyphen ? _HYPHEN : 0);
}

// Word wrap from the current position: lines placed at x by Place (0 left, 2 centred), optional characters
// before the first and after the last line.
int _WrapWords(const char16_t* s, int Width, int Flags, int Place, char16_t First, char16_t Last) {
  if (!s) return 0;
  int x = GUI_GetDispPosX(), y = GUI_GetDispPosY();
  int yDist = GUI_GetFontDistY();
  _LINE Line;
  int Pos = 0;
  bool FirstLine = true;
  int End = 0;
  int xEnd = x, yEnd = y;
  while (_NextLine(s, Pos, Width, Flags, &Line)) {
    _LINE Probe;
    bool IsLast = !_NextLine(s, Line.Next, Width, Flags, &Probe);
    int w = _LineWidth(s, Line);
    int wFirst = FirstLine && First ? _CharWidth(First) : 0;
    int wLast = IsLast && Last ? _CharWidth(Last) : 0;
    int xLine = Place == GUI_TA_HCENTER ? x - (w + wFirst + wLast) / 2 : x;
    if (wFirst) {
      _DrawRun(&First, 1, xLine, y);
    }
    _DrawLine(s, Line, xLine + wFirst, y);
    if (wLast) _DrawRun(&Last, 1, xLine + wFirst + w, y);
    xEnd = xLine + wFirst + w + wLast;
    yEnd = y;
    End = Line.Next;
    FirstLine = false;
    Pos = Line.Next;
    y += yDist;
  }
  if (FirstLine && (First || Last)) {  // empty text: the extra characters alone
    char16_t ac[2] = {static_cast<char16_t>(First ? First : Last), static_cast<char16_t>(First ? Last : 0)};
    int n = (First ? 1 : 0) + (Last ? 1 : 0);
    int w = _RunWidth(ac, n);
    _DrawRun(ac, n, Place == GUI_TA_HCENTER ? x - w / 2 : x, y);
    return 0;
  }
  GUI_GotoXY(xEnd, yEnd);
  return End;
}

// Character wrap of a UTF-16 text from the current position; ends at Stop.
int _WrapChars(const char16_t* s, int Width, int Indent, char16_t Stop) {
  if (!s) return 0;
  int x0 = GUI_GetDispPosX(), y = GUI_GetDispPosY();
  int yDist = GUI_GetFontDistY();
  int x = x0 + Indent;
  int RunStart = 0, xRun = x;
  int i = 0;
  for (; s[i] && (Stop == 0 || s[i] != Stop); i++) {
    x += _CharWidth(s[i]);
    if (x - x0 > Width) {  // this character made the line too wide: the next one starts a new line
      _DrawRun(s + RunStart, i + 1 - RunStart, xRun, y);
      RunStart = i + 1;
      x = xRun = x0;
      y += yDist;
    }
  }
  if (i > RunStart) {
    _DrawRun(s + RunStart, i - RunStart, xRun, y);
  } else {
    GUI_GotoXY(x, y);
  }
  return i;
}

// One line of n characters placed by the alignment at x, y.
int _DrawAligned(const char16_t* s, int n, int x, int y) {
  _DrawRun(s, n, _AlignX(x, _RunWidth(s, n)), y);
  return n;
}

int _Limit(const char16_t* s, int n) {
  int i = 0;
  while (s && i < n && s[i]) i++;
  return i;
}

}  // namespace

int UI_TextWidth(const char16_t* s) { return s ? _RunWidth(s, _Length(s)) : 0; }

int UI_TextWidthN(const char16_t* s, int n) { return _RunWidth(s, _Limit(s, n)); }

int UI_TextWidth8N(const char* s, int n) {
  if (!s || !*s || n <= 0) return 0;
  std::u16string Text(GUI__strlen(s) + 1, u'\0');
  GUI_UC_ConvertUTF82UC(s, GUI__strlen(s), Text.data(), int(Text.size()));
  return UI_TextWidthN(Text.c_str(), n);
}

int UI_TextBlockHeight(const char16_t* s, int Width, int Flags) {
  if (!s) return 0;
  const char16_t* t = s + _FormStart(s, Flags);
  int Lines = 0;
  _LINE Line;
  for (int Pos = 0; _NextLine(t, Pos, Width, Flags, &Line); Pos = Line.Next) Lines++;
  return Lines * GUI_GetFontDistY();
}

int UI_DrawTextBlock(const char16_t* s, int Width, int Flags) {
  if (!s) return 0;
  int Start = _FormStart(s, Flags);
  const char16_t* t = s + Start;
  int Align = GUI_GetTextAlign();
  int x = GUI_GetDispPosX();
  int h = UI_TextBlockHeight(s, Width, Flags);
  int y = (Align & UI_TA_BLOCK_BOTTOM) ? GUI_GetDispPosY() - h : GUI_GetDispPosY() - h / 2;
  int yDist = GUI_GetFontDistY();
  _LINE Line;
  int Pos = 0;
  while (_NextLine(t, Pos, Width, Flags, &Line)) {
    _DrawLine(t, Line, _AlignX(x, _LineWidth(t, Line)), y);
    y += yDist;
    Pos = Line.Next;
  }
  return Start + Pos;
}

int UI_DrawTextBlockEx(const char16_t* s, int Width, int Flags) {
  int Old = GUI_SetTextAlign((GUI_GetTextAlign() & ~GUI_TA_HORIZONTAL) | GUI_TA_HCENTER);
  int r = UI_DrawTextBlock(s, Width, Flags);
  GUI_SetTextAlign(Old);
  return r;
}

int UI_DrawMultilineText(const char16_t* s, int Flags) {
  if (!s) return 0;
  int Start = _FormStart(s, Flags);
  const char16_t* t = s + Start;
  int x = GUI_GetDispPosX(), y = GUI_GetDispPosY();
  int yDist = GUI_GetFontDistY();
  int i = 0;
  for (;;) {
    int LineStart = i;
    while (t[i] && !_IsBreak(t[i], Flags)) i++;
    int n = i - LineStart;
    if (t[i] && n > 0 && t[i - 1] == u' ') n--;  // the blank before a break is dropped
    _DrawAligned(t + LineStart, n, x, y);
    if (!t[i]) break;
    i++;
    y += yDist;
  }
  return Start + i;
}

int UI_DrawWordWrapped(const char16_t* s, int Width) { return _WrapWords(s, Width, 0, GUI_TA_LEFT, 0, 0); }

int UI_DrawWordWrappedCentred(const char16_t* s, int Width, char16_t First, char16_t Last) {
  return _WrapWords(s, Width, 0, GUI_TA_HCENTER, First, Last);
}

int UI_DrawTextWrapChars(const char16_t* s, int Width) { return _WrapChars(s, Width, 0, 0); }

int UI_DrawTextWrapIndent(const char16_t* s, int Width, int Indent) { return _WrapChars(s, Width, Indent, 0); }

int UI_DrawTextWrapIndentStop(const char16_t* s, int Width, int Indent, char16_t Stop) {
  return _WrapChars(s, Width, Indent, Stop);
}

int UI_DrawText8Wrap(const char* s, int Width, int Indent, char Stop) {
  if (!s) return 0;
  int Len = GUI__strlen(s);
  std::u16string Text(Len + 1, u'\0');
  GUI_UC_ConvertUTF82UC(s, Len, Text.data(), int(Text.size()));
  return _WrapChars(Text.c_str(), Width, Indent, char16_t(static_cast<unsigned char>(Stop)));
}

int UI_DrawTextEllipsis(const char16_t* s, int Width) {
  if (!s) return 0;
  int n = _Length(s);
  int x = GUI_GetDispPosX(), y = GUI_GetDispPosY();
  if (_RunWidth(s, n) <= Width) return _DrawAligned(s, n, x, y);
  int Avail = Width - 2 * _CharWidth(u'.');
  int w = 0, i = 0;
  while (i < n && w + _CharWidth(s[i]) <= Avail) w += _CharWidth(s[i++]);
  std::u16string Line(s, i);
  Line += u"..";
  _DrawAligned(Line.c_str(), int(Line.size()), x, y);
  return i;
}

int UI_DrawTextClipped(const char16_t* s, int Width) {
  if (!s) return 0;
  int w = 0, i = 0;
  while (s[i] && w < Width) w += _CharWidth(s[i++]);
  return _DrawAligned(s, i, GUI_GetDispPosX(), GUI_GetDispPosY());
}

int UI_DrawTextN(const char16_t* s, int n) {
  return _DrawAligned(s, _Limit(s, n), GUI_GetDispPosX(), GUI_GetDispPosY());
}

int UI_DrawTextNCentred(const char16_t* s, int x, int y, int n) {
  int Count = _Limit(s, n);
  _DrawRun(s, Count, x - _RunWidth(s, Count) / 2, y);
  return Count;
}

int UI_DrawTextCount(const char16_t* s) { return UI_DrawTextN(s, _Length(s)); }

int UI_DrawTextAt(const char16_t* s, int x, int y) { return _DrawAligned(s, _Length(s), x, y); }

int UI_DrawTextCentredAt(const char16_t* s, int x, int y) {
  GUI_SetTextAlign((GUI_GetTextAlign() & ~GUI_TA_HORIZONTAL) | GUI_TA_HCENTER);
  return UI_DrawTextAt(s, x, y);
}
