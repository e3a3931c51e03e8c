// HEADER: the classic look (raised frames on a plain bar) and the flexible look (an item routine asked for
// each column's background, image, caption and sort arrow). Scrolled columns are drawn first, the fixed
// ones over them.
#include <cstring>

#include "HEADER.h"

namespace {

HEADER_SKINFLEX_PROPS s_FlexProps = {{0x707070, 0xFCFCFC}, {0xF3F3F3, 0xECECEC}, {0xDFDFDF, 0xD0D0D0}, 0x404040};

// A triangle of horizontal lines: the widest (2 x Size + 1) at yWide, narrowing by a pixel on each side per
// line in direction Dir (+1 downwards, -1 upwards).
void _DrawArrow(int xCenter, int yWide, int Size, int Dir) {
  for (int i = 0; i <= Size; i++) {
    GUI_DrawHLine(yWide + Dir * i, xCenter - Size + i, xCenter + Size - i);
  }
}


// Where the column's drawable object goes: by the column's alignment inside r.
void _DrawObj(WM_HWIN hObj, const HEADER_COLUMN* pCol, const GUI_RECT& r) {
  GUI_HMEM hDrawObj = pCol->hDrawObj;
  int Align = pCol->Align;
  int dx = r.x1 - r.x0 + 1 - GUI_DRAWOBJ_GetXSize(hDrawObj);
  int dy = r.y1 - r.y0 + 1 - GUI_DRAWOBJ_GetYSize(hDrawObj);
  int hAlign = Align & 3, vAlign = Align & 12;
  dx = hAlign == 1 ? dx : hAlign == 2 ? dx / 2 : 0;
  dy = vAlign == 4 ? dy : vAlign == 12 ? dy / 2 : 0;
  GUI_DRAWOBJ_Draw(hDrawObj, hObj, r.x0 + dx, r.y0 + dy);
}

// The rest of the bar right of the last column; x1 of the bar when none is left.
int _EndOfColumns(WM_HWIN hObj) {
  int n = GUI_ARRAY_GetNumItems(HEADER__Obj(hObj)->hColumns);
  if (!n) {
    return 0;
  }
  const HEADER_COLUMN* pCol = HEADER__Column(hObj, n - 1);
  return HEADER__GetColumnX(hObj, n - 1) + (pCol ? pCol->Width : 0);
}

// Both looks paint the columns in drawing order, scrolled ones from the left and then the fixed ones:
// fColumn(i, r) for each visible column with the clip set to its visible part; then fRest(r) for the bar
// right of the last column, when any is left.
template <class F, class G> void _PaintColumns(WM_HWIN hObj, const GUI_RECT& rClient, F fColumn, G fRest) {
  int n = GUI_ARRAY_GetNumItems(HEADER__Obj(hObj)->hColumns);
  int Fixed = HEADER__Obj(hObj)->Fixed;
  for (int Pass = 0; Pass < 2; Pass++) {
    for (int i = Pass ? 0 : Fixed; i < (Pass ? Fixed : n) && i < n && WM__IsWindow(hObj); i++) {
      const HEADER_COLUMN* pCol = HEADER__Column(hObj, i);
      int x0 = HEADER__GetColumnX(hObj, i);
      int Width = pCol ? pCol->Width : 0;
      GUI_RECT r = {(I16)x0, rClient.y0, (I16)(x0 + Width - 1), rClient.y1};
      GUI_RECT rClip = r;
      if (!Width || !WM__IntersectRects(&rClip, &r, &rClient)) {
        continue;
      }
      WM_SetUserClipRect(&rClip);
      fColumn(i, r);
      WM_SetUserClipRect(nullptr);
    }
  }
  if (!WM__IsWindow(hObj)) {
    return;
  }
  int xEnd = _EndOfColumns(hObj);
  if (xEnd <= rClient.x1) {
    GUI_RECT r = {(I16)xEnd, rClient.y0, rClient.x1, rClient.y1};
    fRest(r);
  }
}

void _PaintClassic(WM_HWIN hObj) {
  HEADER_OBJ* pObj = HEADER__Obj(hObj);
  GUI_RECT rClient;
  WM_GetClientRect(&rClient);
  GUI_SetBkColor(pObj->Props.BkColor);
  GUI_Clear();
  GUI_SetFont(pObj->Props.pFont);
  GUI_SetTextMode(GUI_TM_TRANS);
  int E = pObj->Widget.pEffect->EffectSize;
  auto Column = [&](int i, GUI_RECT r) {
    const HEADER_OBJ* p = HEADER__Obj(hObj);
    GUI_SetBkColor(p->Props.BkColor);
    GUI_ClearRectEx(&r); // fixed columns cover what scrolled below them
    const HEADER_COLUMN* pCol = HEADER__Column(hObj, i);
    if (pCol->hDrawObj) {
      _DrawObj(hObj, pCol, r);
    }
    p = HEADER__Obj(hObj);
    pCol = HEADER__Column(hObj, i);
    WIDGET__EffectDrawUpRect(&p->Widget, &r);
    GUI_RECT rText = r;
    GUI__ShrinkRect(&rText, &r, E);
    int S = HEADER__ArrowSize(r);
    if (i == p->DirIndicatorColumn) {
      rText.x1 = (I16)(rText.x1 - 2 * S - 1);
    }
    GUI_SetColor(p->Props.TextColor);
    GUI_DispStringInRect(pCol->acText, &rText, pCol->Align);
    if (i == p->DirIndicatorColumn && S > 0) {
      GUI_SetColor(p->Props.ArrowColor);
      int yMid = (r.y1 - r.y0) / 2;
      _DrawArrow(r.x1 - S - 4, p->DirIndicatorReverse ? yMid + S : yMid, S, p->DirIndicatorReverse ? -1 : 1);
    }
  };
  _PaintColumns(hObj, rClient, Column, [&](GUI_RECT r) { WIDGET__EffectDrawUpRect(&HEADER__Obj(hObj)->Widget, &r); });
}

void _PaintFlex(WM_HWIN hObj) {
  GUI_RECT rClient;
  WM_GetClientRect(&rClient);
  GUI_SetFont(HEADER__Obj(hObj)->Props.pFont);
  auto Draw = [&](int Cmd, int i, const GUI_RECT& r, void* p) {
    WIDGET_DRAW_ITEM_FUNC* pfDraw = HEADER__Obj(hObj)->Props.pfDrawSkin;
    WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, i, 0, r.x0, r.y0, r.x1, r.y1, p};
    (pfDraw ? pfDraw : HEADER_DrawSkinFlex)(&Info);
  };
  auto Column = [&](int i, GUI_RECT r) {
    Draw(WIDGET_ITEM_DRAW_BACKGROUND, i, r, nullptr);
    const HEADER_COLUMN* pCol = HEADER__Column(hObj, i);
    if (pCol && pCol->hDrawObj && WM__IsWindow(hObj)) {
      Draw(WIDGET_ITEM_DRAW_BITMAP, i, r, nullptr);
    }
    // The caption is copied: an item routine may allocate and move the column.
    char acText[128] = {};
    if ((pCol = HEADER__Column(hObj, i)) != nullptr) {
      WIDGET__CopyString(pCol->acText, acText, sizeof(acText));
    }
    if (WM__IsWindow(hObj)) {
      Draw(WIDGET_ITEM_DRAW_TEXT, i, r, acText);
    }
    if (WM__IsWindow(hObj) && i == HEADER__Obj(hObj)->DirIndicatorColumn) {
      Draw(HEADER_ITEM_DRAW_ARROW, i, r, nullptr);
    }
  };
  _PaintColumns(hObj, rClient, Column, [&](GUI_RECT r) { Draw(WIDGET_ITEM_DRAW_OVERLAP, -1, r, nullptr); });
}

void _DrawBackground(const WIDGET_ITEM_DRAW_INFO* p, bool Frame) {
  int yMid = (p->y0 + p->y1) / 2;
  int x1 = Frame ? p->x1 - 1 : p->x1;
  if (Frame) {
    GUI_SetColor(s_FlexProps.aColorFrame[0]);
    GUI_DrawVLine(p->x1, p->y0, p->y1 - 1);
  }
  GUI_SetColor(s_FlexProps.aColorFrame[0]);
  GUI_DrawHLine(p->y1, p->x0, p->x1);
  GUI_SetColor(s_FlexProps.aColorFrame[1]);
  GUI_DrawVLine(p->x0, p->y0, p->y1 - 1);
  GUI_DrawGradientV(p->x0 + 1, p->y0, x1, yMid - 1, s_FlexProps.aColorUpper[0], s_FlexProps.aColorUpper[1]);
  GUI_DrawGradientV(p->x0 + 1, yMid, x1, p->y1 - 1, s_FlexProps.aColorLower[0], s_FlexProps.aColorLower[1]);
}

} // namespace

const WIDGET_SKIN HEADER__SkinClassic = {_PaintClassic, nullptr, nullptr};
const WIDGET_SKIN HEADER__SkinFlex = {_PaintFlex, nullptr, nullptr};
const WIDGET_SKIN* HEADER__pDefaultSkin = &HEADER__SkinClassic;

int HEADER_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  if (!p || !WIDGET__GetObj(&HEADER__Type, p->hWin)) {
    return 0;
  }
  WM_HWIN hObj = p->hWin;
  GUI_RECT r = {(I16)p->x0, (I16)p->y0, (I16)p->x1, (I16)p->y1};
  switch (p->Cmd) {
  case WIDGET_ITEM_DRAW_BACKGROUND:
    _DrawBackground(p, true);
    break;
  case WIDGET_ITEM_DRAW_OVERLAP:
    _DrawBackground(p, false);
    break;
  case WIDGET_ITEM_DRAW_BITMAP:
    if (const HEADER_COLUMN* pCol = HEADER__Column(hObj, p->ItemIndex)) {
      _DrawObj(hObj, pCol, r);
    }
    break;
  case WIDGET_ITEM_DRAW_TEXT: {
    const HEADER_OBJ* pObj = HEADER__Obj(hObj);
    const HEADER_COLUMN* pCol = HEADER__Column(hObj, p->ItemIndex);
    GUI_RECT rText;
    GUI__ShrinkRect(&rText, &r, 2);
    if (p->ItemIndex == pObj->DirIndicatorColumn) {
      rText.x1 = (I16)(rText.x1 - 2 * HEADER__ArrowSize(r) - 1);
    }
    GUI_SetColor(pObj->Props.TextColor);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringInRect((const char*)p->p, &rText, pCol ? pCol->Align : 0);
    break;
  }
  case HEADER_ITEM_DRAW_ARROW: {
    int S = HEADER__ArrowSize(r);
    if (S > 0) {
      GUI_SetColor(s_FlexProps.ColorArrow);
      int yTop = (r.y0 + r.y1 - S) / 2;
      bool Up = HEADER__Obj(hObj)->DirIndicatorReverse != 0;
      _DrawArrow(r.x1 - S - 4, Up ? yTop + S : yTop, S, Up ? -1 : 1);
    }
    break;
  }
  }
  return 0;
}

void HEADER_GetSkinFlexProps(HEADER_SKINFLEX_PROPS* pProps, int Index) {
  if (pProps && Index == 0) {
    WM__LockGuard Lock;
    *pProps = s_FlexProps;
  }
}

void HEADER_SetSkinFlexProps(const HEADER_SKINFLEX_PROPS* pProps, int Index) {
  if (pProps && Index == 0) {
    WM__LockGuard Lock;
    s_FlexProps = *pProps;
  }
}

void HEADER_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&HEADER__Type, hObj, &HEADER__SkinClassic);
}

void HEADER_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&HEADER__Type, &HEADER__SkinClassic);
}

void HEADER_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WIDGET__SetSkinFlex(&HEADER__Type, hObj, &HEADER__SkinFlex, pfDrawSkin);
}

WIDGET_DRAW_ITEM_FUNC* HEADER_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&HEADER__Type, &HEADER__SkinFlex, pfDrawSkin);
}
