// MULTIPAGE: the classic look. The client frame is drawn raised; every tab is a raised field, the selected
// one reaching over the frame so that it merges into it; bitmaps are centred in their tabs. Its hit test
// walks the tabs along the row from the first one shown.
#include <cstring>

#include "MULTIPAGE.h"

namespace {

void _PaintClassic(WM_HWIN hObj) {
  GUI_RECT rFrame;
  MULTIPAGE__GetFrameRect(hObj, &rFrame);
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  MULTIPAGE__DrawUpRect(pObj, rFrame);
  int N = MULTIPAGE__NumPages(pObj);
  if (!N) {
    return;
  }
  bool Rotated = MULTIPAGE__IsRotated(pObj);
  bool Bottom = pObj->Props.Align & MULTIPAGE_ALIGN_BOTTOM;
  int E = pObj->Widget.pEffect->EffectSize;
  I64 Offset = (pObj->Widget.State & MULTIPAGE_STATE_SCROLLMODE) ? -MULTIPAGE__GetScrollOffset(pObj) : 0;
  GUI_RECT rArea, rClip;
  MULTIPAGE__GetTabArea(hObj, &rArea);
  rClip = rArea;
  if (Rotated) {
    rClip.x0--, rClip.x1++;
  } else {
    rClip.y0--, rClip.y1++;
    if (pObj->Props.Align & MULTIPAGE_ALIGN_RIGHT) {
      GUI_MoveRect(&rClip, 1, 0);
    }
  }
  WM_SetUserClipRect(&rClip);
  int H = pObj->FixedTabHeight ? pObj->FixedTabHeight : pObj->MaxBitmapSize;
  int PadX = pObj->Props.PadX, PadY = pObj->Props.PadY;
  for (int n = 0; n < N && WM__IsWindow(hObj); n++) {
    pObj = MULTIPAGE__Obj(hObj);
    const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, n);
    int w = MULTIPAGE__GetTabWidth(pObj, n);
    // Only tabs that reach into the row are drawn: the others of a long row lie beyond the coordinates.
    if (Offset + w < 0 || Offset > (Rotated ? rArea.y1 - rArea.y0 : rArea.x1 - rArea.x0) + 1) {
      Offset += w;
      continue;
    }
    int c = (pPage->Status & MULTIPAGE_STATE_ENABLED) ? 1 : 0;
    GUI_HMEM hDraw = MULTIPAGE__GetDrawObj(pObj, n);
    // The text is copied: drawing may allocate and move the page records.
    char acText[64];
    WIDGET__CopyString(pPage->acText, acText, sizeof(acText));
    if (!hDraw) {
      pObj->pfDrawTab(hObj, acText, n, &rArea, (int)Offset, w, c);
    } else {
      pObj->pfDrawTab(hObj, nullptr, n, &rArea, (int)Offset, w, c);
      pObj = MULTIPAGE__Obj(hObj);
      int bw = GUI_DRAWOBJ_GetXSize(hDraw), bh = GUI_DRAWOBJ_GetYSize(hDraw);
      GUI_RECT rText;
      I64 Along = (Rotated ? rArea.y0 : rArea.x0) + Offset, Across = Rotated ? rArea.x0 : rArea.y0;
      int p = WM__ClampI16(Along + ((I64)w + PadX) / 2 - (Rotated ? bh : bw) / 2 - PadX / 2);
      int q = WM__ClampI16(Across + ((I64)H + PadY) / 2 - (Rotated ? bw : bh) / 2 + (Bottom ? 1 : 0));
      GUI_DRAWOBJ_Draw(hDraw, hObj, Rotated ? q : p, Rotated ? p : q);
      I16 t0 = WM__ClampI16(Along + PadX / 2), t1 = WM__ClampI16(Along + w - PadX / 2);
      I16 c0 = WM__ClampI16(Across + E), c1 = WM__ClampI16(Across + H - E / 2);
      rText = Rotated ? GUI_RECT{c0, t0, c1, t1} : GUI_RECT{t0, c0, t1, c1};
      pObj = MULTIPAGE__Obj(hObj);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_SetColor(pObj->Props.aTextColor[c]);
      GUI_SetFont(pObj->Props.pFont);
      GUI_DispStringInRectEx(acText, &rText, pObj->Props.TextAlign, 0x7FFF, Rotated ? GUI_ROTATE_CW : GUI_ROTATE_0);
    }
    Offset += w;
  }
  WM_SetUserClipRect(nullptr);
}

void _CreateClassic(WM_HWIN hObj) {
  MULTIPAGE__Obj(hObj)->Props.pfGetTabIndex = MULTIPAGE__GetTabIndexClassic;
}

// Fills a tab's field and draws its text in the colours of index c.
void _FillTab(const MULTIPAGE_OBJ* pObj, const GUI_RECT& rFill, GUI_RECT rText, const char* pText, int c,
              const GUI_ROTATION* pRotation) {
  GUI_SetBkColor(pObj->Props.aBkColor[c]);
  GUI_ClearRectEx(&rFill);
  if (pText) {
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_SetColor(pObj->Props.aTextColor[c]);
    GUI_SetFont(pObj->Props.pFont);
    GUI_DispStringInRectEx(pText, &rText, pObj->Props.TextAlign, 0x7FFF, pRotation);
  }
}

} // namespace

GUI_COLOR MULTIPAGE__aEffectColor[2] = {0xFFFFFF, 0x555555};

void MULTIPAGE__DrawTab(WM_HWIN hObj, const char* pText, int Index, const GUI_RECT* pArea, int Offset, int Width,
                        int c) {
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  int E = pObj->Widget.pEffect->EffectSize;
  bool Last = Index == MULTIPAGE__NumPages(pObj) - 1;
  I64 a0 = (I64)pArea->x0 + Offset, a1 = a0 + Width - (Last ? 1 : 0);
  GUI_RECT r = {WM__ClampI16(a0), pArea->y0, WM__ClampI16(a1), pArea->y1};
  MULTIPAGE__DrawUpRect(pObj, r);
  GUI__ShrinkRect(&r, E);
  GUI_RECT rText = {r.x0, r.y0, (I16)(r.x1 + E), (I16)(r.y1 - E)};
  if (Index == pObj->Sel) {
    bool Bottom = pObj->Props.Align & MULTIPAGE_ALIGN_BOTTOM;
    int ya, yb;
    if (!Bottom) {
      r.y1 = (I16)(r.y1 + E + 1);
      ya = r.y1 - 2, yb = r.y1 - 1;
    } else {
      r.y0 = (I16)(r.y0 - E - 1);
      ya = r.y0, yb = r.y0 + 1;
    }
    if (E >= 2) {
      GUI_SetColor(MULTIPAGE__aEffectColor[0]);
      GUI_DrawVLine(r.x0 - 1, ya, yb);
      GUI_SetColor(MULTIPAGE__aEffectColor[1]);
      GUI_DrawVLine(r.x1 + 1, ya, yb);
    }
  }
  _FillTab(pObj, r, rText, pText, c, GUI_ROTATE_0);
}

void MULTIPAGE__DrawTabRotated(WM_HWIN hObj, const char* pText, int Index, const GUI_RECT* pArea, int Offset,
                               int Width, int c) {
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  int E = pObj->Widget.pEffect->EffectSize;
  bool Last = Index == MULTIPAGE__NumPages(pObj) - 1;
  I64 a0 = (I64)pArea->y0 + Offset, a1 = a0 + Width - (Last ? 1 : 0);
  GUI_RECT r = {pArea->x0, WM__ClampI16(a0), pArea->x1, WM__ClampI16(a1)};
  GUI_RECT rText = {(I16)(r.x0 + E / 2), (I16)(r.y0 + E / 2), r.x1, WM__ClampI16(a0 + Width)};
  MULTIPAGE__DrawUpRect(pObj, r);
  GUI__ShrinkRect(&r, E);
  if (Index == pObj->Sel) {
    bool Left = pObj->Props.Align & MULTIPAGE_ALIGN_BOTTOM;
    int xa, xb;
    if (!Left) {
      r.x0 = (I16)(r.x0 - E - 1);
      xa = r.x0, xb = r.x0 + 1;
    } else {
      r.x1 = (I16)(r.x1 + E + 1);
      xa = r.x1 - 2, xb = r.x1 - 1;
    }
    if (E >= 2) {
      GUI_SetColor(MULTIPAGE__aEffectColor[0]);
      GUI_DrawHLine(r.y0 - 1, xa, xb);
      GUI_SetColor(MULTIPAGE__aEffectColor[1]);
      GUI_DrawHLine(r.y1 + 1, xa, xb);
    }
  }
  _FillTab(pObj, r, rText, pText, c, GUI_ROTATE_CW);
}

int MULTIPAGE__GetTabIndexClassic(WM_HWIN hObj, int x, int y) {
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  GUI_RECT a;
  MULTIPAGE__GetTabArea(hObj, &a);
  bool Rotated = MULTIPAGE__IsRotated(pObj);
  if (!Rotated && (pObj->Props.Align & MULTIPAGE_ALIGN_RIGHT)) {
    GUI_MoveRect(&a, 1, 0);
  }
  int u = Rotated ? y : x, u0 = Rotated ? a.y0 : a.x0, u1 = Rotated ? a.y1 : a.x1;
  if (u < u0 || u > u1) {
    return -1;
  }
  I64 Start = u0;
  for (int n = pObj->ScrollState; n < MULTIPAGE__NumPages(pObj) && Start <= u; n++) {
    int w = MULTIPAGE__GetTabWidth(pObj, n);
    if (u <= Start + w - 1) {
      return n;
    }
    Start += w;
  }
  return -1;
}

const WIDGET_SKIN MULTIPAGE__SkinClassic = {_PaintClassic, _CreateClassic, nullptr};
const WIDGET_SKIN* MULTIPAGE__pDefaultSkin = &MULTIPAGE__SkinClassic;

void MULTIPAGE_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&MULTIPAGE__Type, hObj, &MULTIPAGE__SkinClassic);
}

void MULTIPAGE_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&MULTIPAGE__Type, &MULTIPAGE__SkinClassic);
}
