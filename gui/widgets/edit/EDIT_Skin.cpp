// EDIT: drawing. The text sits in the inside rectangle narrowed by the border, placed by the alignment; the
// cursor is an inverted rectangle (a thin bar in insert mode, the character under it in overwrite mode or
// the selection) shown while the edit has the focus and, with blinking on, in its visible phase. The paint
// reads the state and never changes it.
#include "EDIT.h"

namespace {

struct _Layout {
  GUI_RECT rInside;
  GUI_RECT rText;    // the text area
  GUI_RECT rExtent;  // where the text itself lands
};

void _CalcLayout(const EDIT_OBJ* pObj, WM_HWIN hObj, const char* s, _Layout* p) {
  WIDGET__GetInsideRect(&pObj->Widget, &p->rInside);
  (void)hObj;
  p->rText = p->rInside;
  p->rText.x0 = (I16)(p->rText.x0 + pObj->Props.Border + 1);
  p->rText.x1 = (I16)(p->rText.x1 - pObj->Props.Border - 1);
  GUI__CalcTextRect(s, &p->rText, &p->rExtent, pObj->Props.Align);
}

// The cursor rectangle; false when there is none to show.
bool _CursorRect(EDIT_OBJ* pObj, const char* s, const _Layout& l, GUI_RECT* pr) {
  int NumChars = GUI__GetNumChars(s);
  int Pos = pObj->CursorPos < NumChars ? pObj->CursorPos : NumChars;
  int x = l.rExtent.x0 + GUI__GetWidthOfChars(s, Pos, NumChars);
  int Width = pObj->CursorWidth ? pObj->CursorWidth : 1;
  if ((pObj->Overwrite || pObj->SelSize) && Pos < NumChars) {
    int n = pObj->SelSize ? pObj->SelSize : 1;
    if (Pos + n > NumChars) {
      n = NumChars - Pos;
    }
    const char* pAt = s + GUI_UC__CountBytes(s, Pos);
    Width = GUI__GetWidthOfChars(pAt, n, NumChars - Pos);
    Width = Width < 1 ? 1 : Width;
  } else if (GUI__BidiEnabled && GUI__pfBidiHook1 && GUI__pfBidiHook1(s, NumChars, Pos)) {
    x -= Width;
  }
  int yh = GUI_GetFontSizeY();
  int y0 = l.rExtent.y0;
  *pr = {(I16)x, (I16)y0, (I16)(x + Width - 1), (I16)(y0 + yh - 1)};
  return true;
}

} // namespace

void EDIT__Paint(WM_HWIN hObj) {
  EDIT_OBJ* pObj = (EDIT_OBJ*)WM_H2P(hObj);
  int Index = WM__IsEnabled(hObj) ? 1 : 0;
  const char* s = EDIT__Text(pObj);
  GUI_SetFont(pObj->Props.pFont);
  GUI_SetBkColor(pObj->Props.aBkColor[Index]);
  GUI_SetColor(pObj->Props.aTextColor[Index]);
  _Layout l;
  _CalcLayout(pObj, hObj, s, &l);
  WM_SetUserClipRect(&l.rInside);
  WIDGET__FillStringInRect(s, &l.rInside, &l.rText, &l.rExtent);
  GUI_RECT rCursor;
  if ((pObj->Widget.State & WIDGET_STATE_FOCUS) && pObj->CursorShown && _CursorRect(pObj, s, l, &rCursor)) {
    GUI_InvertRect(rCursor.x0, rCursor.y0, rCursor.x1, rCursor.y1);
  }
  WM_SetUserClipRect(nullptr);
  WIDGET__EffectDrawDown(&pObj->Widget);
}

void EDIT_GetCursorPixelPos(WM_HWIN hObj, int* pxPos, int* pyPos) {
  WM__LockGuard Lock;
  EDIT_OBJ* pObj = (EDIT_OBJ*)WIDGET__GetObj(&EDIT__Type, hObj);
  if (!pObj || !pObj->hText) {
    return;
  }
  const GUI_FONT* pOld = GUI_SetFont(pObj->Props.pFont);
  const char* s = EDIT__Text(pObj);
  _Layout l;
  _CalcLayout(pObj, hObj, s, &l);
  GUI_RECT r;
  _CursorRect(pObj, s, l, &r);
  GUI_SetFont(pOld);
  if (pxPos) {
    *pxPos = r.x0;
  }
  if (pyPos) {
    *pyPos = r.y0;
  }
}
