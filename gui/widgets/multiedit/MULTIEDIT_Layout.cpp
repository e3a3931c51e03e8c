// MULTIEDIT: the layout of the shown text (lines by wrap mode and width), the cursor's place in it, the
// scroll states that keep the cursor in view and the attached scroll bars, and the paint. The paint reads
// the state and never changes it.
#include <cstring>

#include "MULTIEDIT.h"

namespace {

constexpr int _HMargin = 30; // pixels kept visible on either side of the cursor when scrolling sideways

const GUI_FONT* _Select(WM_HWIN hObj) {
  return GUI_SetFont(MULTIEDIT__Obj(hObj)->Props.pFont);
}

int _LineWidth(const std::string& Disp, const MULTIEDIT_LINE& Line) {
  const char* s = Disp.c_str() + GUI_UC__CountBytes(Disp.c_str(), Line.Start);
  return GUI__GetWidthOfChars(s, Line.NumDisp, Line.NumDisp);
}

// Width of the first n characters of a line.
int _WidthTo(const std::string& Disp, const MULTIEDIT_LINE& Line, int n) {
  const char* s = Disp.c_str() + GUI_UC__CountBytes(Disp.c_str(), Line.Start);
  return GUI__GetWidthOfChars(s, n, Line.NumDisp);
}

void _Update(WM_HWIN hObj, bool FollowCursor);

} // namespace

std::string MULTIEDIT__DisplayText(WM_HWIN hObj) {
  const MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  const char* s = MULTIEDIT__Text(hObj);
  if (!(pObj->Flags & MULTIEDIT_SF_PASSWORD)) {
    return s;
  }
  std::string Disp(s, (size_t)GUI_UC__CountBytes(s, pObj->NumCharsPrompt));
  for (const char* p = s + Disp.size(); *p;) {
    U16 c = GUI_UC__ReadCharCode(&p);
    Disp += (c == '\n' || c == '\r') ? (char)c : '*';
  }
  return Disp;
}

std::vector<MULTIEDIT_LINE> MULTIEDIT__GetLines(WM_HWIN hObj, const std::string& Disp) {
  const GUI_FONT* pOld = _Select(hObj);
  int Mode = MULTIEDIT__Obj(hObj)->WrapMode;
  int xSize = MULTIEDIT__VisibleWidth(hObj);
  std::vector<MULTIEDIT_LINE> aLine;
  const char* s = Disp.c_str();
  int Pos = 0;
  for (;;) {
    MULTIEDIT_LINE Line = {Pos, 0, 0, false};
    Line.NumChars = GUI__WrapLineChars(s, xSize, Mode);
    Line.NumDisp = GUI__WrapGetNumCharsDisp(s, xSize, Mode);
    const char* pEnd = s + GUI_UC__CountBytes(s, Line.NumDisp);
    Line.EndsWithBreak = *pEnd == '\n' || *pEnd == '\r';
    aLine.push_back(Line);
    if (Line.NumChars <= 0) {
      break; // the end of the text
    }
    s += GUI_UC__CountBytes(s, Line.NumChars);
    Pos += Line.NumChars;
    if (!*s && !Line.EndsWithBreak) {
      break; // a text ending with a line break has an empty last line
    }
  }
  GUI_SetFont(pOld);
  return aLine;
}

int MULTIEDIT__LineOf(const std::vector<MULTIEDIT_LINE>& aLine, int Pos) {
  int i = 0;
  for (size_t k = 1; k < aLine.size() && aLine[k].Start <= Pos; k++) {
    i = (int)k;
  }
  return i;
}

GUI_RECT MULTIEDIT__InsideRect(WM_HWIN hObj) {
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hObj, &r);
  return r;
}

int MULTIEDIT__VisibleWidth(WM_HWIN hObj) {
  GUI_RECT r = MULTIEDIT__InsideRect(hObj);
  int w = r.x1 - r.x0 + 1 - 2 * MULTIEDIT__Obj(hObj)->Props.HBorder - 1;
  return w > 1 ? w : 1;
}

int MULTIEDIT__VisibleLines(WM_HWIN hObj) {
  GUI_RECT r = MULTIEDIT__InsideRect(hObj);
  int Dist = GUI_GetYDistOfFont(MULTIEDIT__Obj(hObj)->Props.pFont);
  int n = Dist > 0 ? (r.y1 - r.y0 + 1) / Dist : 1;
  return n > 0 ? n : 1;
}

int MULTIEDIT__LineX(WM_HWIN hObj, const std::string& Disp, const MULTIEDIT_LINE& Line) {
  const MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  int x = pObj->Widget.pEffect->EffectSize + pObj->Props.HBorder - pObj->ScrollStateH.Value;
  int Free = MULTIEDIT__VisibleWidth(hObj) - _LineWidth(Disp, Line);
  switch (pObj->TextAlign & GUI_TA_HORIZONTAL) {
  case GUI_TA_RIGHT:
    return x + Free;
  case GUI_TA_HCENTER:
    return x + Free / 2;
  }
  return x;
}

void MULTIEDIT__GetCursorXY(WM_HWIN hObj, int* px, int* py) {
  std::string Disp = MULTIEDIT__DisplayText(hObj);
  std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(hObj, Disp);
  int Pos = MULTIEDIT__Obj(hObj)->CursorPosChar;
  int i = MULTIEDIT__LineOf(aLine, Pos);
  const MULTIEDIT_LINE& Line = aLine[(size_t)i];
  int n = Pos - Line.Start;
  n = n < Line.NumDisp ? n : Line.NumDisp;
  const GUI_FONT* pOld = _Select(hObj);
  *px = _WidthTo(Disp, Line, n);
  *py = i * GUI_GetYDistOfFont(MULTIEDIT__Obj(hObj)->Props.pFont);
  GUI_SetFont(pOld);
}

void MULTIEDIT__SetCursor(WM_HWIN hObj, int Pos) {
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  int Total = MULTIEDIT__NumChars(hObj);
  Pos = Pos > Total ? Total : Pos;
  Pos = Pos < pObj->NumCharsPrompt ? pObj->NumCharsPrompt : Pos;
  if (Pos == pObj->CursorPosChar) {
    return;
  }
  pObj->CursorPosChar = Pos;
  std::string Disp = MULTIEDIT__DisplayText(hObj);
  std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(hObj, Disp);
  int Line = MULTIEDIT__LineOf(aLine, Pos);
  MULTIEDIT__Obj(hObj)->CursorLine = Line;
  _Update(hObj, true);
}

void MULTIEDIT__SetCursorAtPixel(WM_HWIN hObj, int x, int y) {
  if (x < 0 || y < 0) {
    return;
  }
  std::string Disp = MULTIEDIT__DisplayText(hObj);
  std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(hObj, Disp);
  int Dist = GUI_GetYDistOfFont(MULTIEDIT__Obj(hObj)->Props.pFont);
  size_t i = (size_t)(Dist > 0 ? y / Dist : 0);
  if (i >= aLine.size()) {
    i = aLine.size() - 1;
  }
  const MULTIEDIT_LINE& Line = aLine[i];
  const GUI_FONT* pOld = _Select(hObj);
  const char* s = Disp.c_str() + GUI_UC__CountBytes(Disp.c_str(), Line.Start);
  int n = GUI__GetCharsInWidth(s, x, Line.NumDisp);
  GUI_SetFont(pOld);
  n = n < Line.NumDisp ? n : Line.NumDisp;
  // After the last shown character only where the text ends, a line break follows or a word wrap broke
  // at a blank; elsewhere that place is the next line's start.
  bool TextEnds = Line.Start + Line.NumDisp >= (int)GUI__GetNumChars(Disp.c_str());
  bool MayEnd = TextEnds || Line.EndsWithBreak || Line.NumChars > Line.NumDisp;
  if (n == Line.NumDisp && !MayEnd && n > 0) {
    n--;
  }
  MULTIEDIT__SetCursor(hObj, Line.Start + n);
}

namespace {

// Recomputes the scroll states (following the cursor when asked) and the attached scroll bars, laying the
// text out again while a bar that came or went changes the room it has.
void _Update(WM_HWIN hObj, bool FollowCursor) {
  // Adding or removing a scroll bar tells the widget that its client changed; the loop below already
  // lays out again for that, so such a message arriving meanwhile is not followed.
  static int s_Depth;
  if (s_Depth) {
    return;
  }
  struct Guard {
    Guard() { s_Depth++; }
    ~Guard() { s_Depth--; }
  } InRefresh;
  // A bar whose value changes tells the widget, which tells its parent, and that may delete the widget.
  WM__WATCH Watch(hObj);
  for (int Pass = 0; Pass < 3; Pass++) {
    std::string Disp = MULTIEDIT__DisplayText(hObj);
    std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(hObj, Disp);
    const GUI_FONT* pOld = _Select(hObj);
    int TextSizeX = 0;
    for (const MULTIEDIT_LINE& Line : aLine) {
      int w = _LineWidth(Disp, Line);
      TextSizeX = w > TextSizeX ? w : TextSizeX;
    }
    GUI_SetFont(pOld);
    int x, y;
    MULTIEDIT__GetCursorXY(hObj, &x, &y);
    MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
    pObj->CursorLine = MULTIEDIT__LineOf(aLine, pObj->CursorPosChar);
    WM_SCROLL_STATE& V = pObj->ScrollStateV;
    WM_SCROLL_STATE& H = pObj->ScrollStateH;
    V.NumItems = (I32)aLine.size();
    V.PageSize = MULTIEDIT__VisibleLines(hObj);
    H.NumItems = TextSizeX + 1;
    H.PageSize = MULTIEDIT__VisibleWidth(hObj);
    if (FollowCursor) {
      WM_CheckScrollPos(&V, pObj->CursorLine, 0, 0);
      int xCursor = (pObj->TextAlign & GUI_TA_HORIZONTAL) == GUI_TA_RIGHT ? H.PageSize - x : x;
      WM_CheckScrollPos(&H, xCursor, _HMargin, _HMargin);
    } else {
      WM_CheckScrollBounds(&V);
      WM_CheckScrollBounds(&H);
    }
    WM_SCROLL_STATE sV = V, sH = H;
    U8 Flags = pObj->Flags;
    int Width = H.PageSize, Lines = V.PageSize;
    if (Flags & MULTIEDIT_SF_AUTOSCROLLBAR_V) {
      WIDGET__UpdateScrollbar(hObj, 1, WIDGET_SCROLLBAR_AUTO, &sV);
    } else if (WM_HWIN hBar = WM_GetScrollbarV(hObj)) {
      WM_SetScrollState(hBar, &sV);
    }
    if (!Watch.Alive()) {
      return;
    }
    if (Flags & MULTIEDIT_SF_AUTOSCROLLBAR_H) {
      WIDGET__UpdateScrollbar(hObj, 0, WIDGET_SCROLLBAR_AUTO, &sH);
    } else if (WM_HWIN hBar = WM_GetScrollbarH(hObj)) {
      WM_SetScrollState(hBar, &sH);
    }
    if (!Watch.Alive()) {
      return;
    }
    if (MULTIEDIT__VisibleWidth(hObj) == Width && MULTIEDIT__VisibleLines(hObj) == Lines) {
      break; // the room stayed: the layout holds
    }
  }
  WM_InvalidateWindow(hObj);
}

} // namespace

void MULTIEDIT__Refresh(WM_HWIN hObj) {
  _Update(hObj, false);
}

void MULTIEDIT__Paint(WM_HWIN hObj) {
  MULTIEDIT_OBJ* pObj = MULTIEDIT__Obj(hObj);
  int Index = (pObj->Flags & MULTIEDIT_SF_READONLY) ? 1 : 0;
  GUI_SetFont(pObj->Props.pFont);
  GUI_SetBkColor(pObj->Props.aBkColor[Index]);
  GUI_SetColor(pObj->Props.aColor[Index]);
  GUI_Clear();
  int e = pObj->Widget.pEffect->EffectSize;
  int HB = pObj->Props.HBorder;
  GUI_RECT rClip = {(I16)(e + HB), (I16)e, (I16)(WM_GetWindowSizeX(hObj) - HB - e - 1),
                    (I16)(WM_GetWindowSizeY(hObj) - e - 1)};
  WM_SetUserClipRect(&rClip);
  std::string Disp = MULTIEDIT__DisplayText(hObj);
  std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(hObj, Disp);
  pObj = MULTIEDIT__Obj(hObj);
  int Dist = GUI_GetYDistOfFont(pObj->Props.pFont);
  int First = pObj->ScrollStateV.Value;
  int NumVisible = MULTIEDIT__VisibleLines(hObj) + 1;
  GUI_SetTextMode(GUI_TM_TRANS);
  for (int i = First; i < (int)aLine.size() && i < First + NumVisible; i++) {
    const MULTIEDIT_LINE& Line = aLine[(size_t)i];
    const char* s = Disp.c_str() + GUI_UC__CountBytes(Disp.c_str(), Line.Start);
    std::string Part(s, (size_t)GUI_UC__CountBytes(s, Line.NumDisp));
    GUI_DispStringAt(Part.c_str(), MULTIEDIT__LineX(hObj, Disp, Line), e + (i - First) * Dist);
  }
  pObj = MULTIEDIT__Obj(hObj);
  if (WM__IsEnabled(hObj) && (pObj->Widget.State & WIDGET_STATE_FOCUS) && pObj->CursorShown) {
    int Pos = pObj->CursorPosChar;
    int i = MULTIEDIT__LineOf(aLine, Pos);
    const MULTIEDIT_LINE& Line = aLine[(size_t)i];
    int x, y;
    MULTIEDIT__GetCursorXY(hObj, &x, &y);
    x += MULTIEDIT__LineX(hObj, Disp, Line);
    y += e - First * Dist;
    int Width = 2;
    bool Insert = pObj->Flags & MULTIEDIT_SF_INSERT;
    if (!Insert && Pos - Line.Start < Line.NumDisp) {
      const char* s = Disp.c_str() + GUI_UC__CountBytes(Disp.c_str(), Pos);
      Width = GUI_GetCharDistX(GUI_UC_GetCharCode(s));
    }
    GUI_InvertRect(x, y, x + Width - 1, y + GUI_GetFontSizeY() - 1);
  }
  WM_SetUserClipRect(nullptr);
  WIDGET__EffectDrawDown(&MULTIEDIT__Obj(hObj)->Widget);
}
