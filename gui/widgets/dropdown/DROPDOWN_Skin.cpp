// DROPDOWN: the classic look (a text field and a raised arrow button) and the flexible look (an item
// routine asked for the background, the text and the arrow, with colour sets for open, focussed, enabled
// and disabled).
#include <cstring>

#include "DROPDOWN.h"

namespace {

DROPDOWN_SKINFLEX_PROPS s_aFlexProps[4] = {
    {{0x8B622C, 0xBAB09E, 0xEFD198}, {0xFCF4E5, 0xF6E5C4}, {0xEFD198, 0xDBB368}, 0x404040, 0x000000, 0x8B622C, 2},
    {{0xB17F3C, 0xFBD846, 0xDFDFDF}, {0xF3F3F3, 0xECECEC}, {0xDFDFDF, 0xD0D0D0}, 0x404040, 0x000000, 0xB17F3C, 2},
    {{0x707070, 0xFCFCFC, 0xDFDFDF}, {0xF3F3F3, 0xECECEC}, {0xDFDFDF, 0xD0D0D0}, 0x404040, 0x000000, 0x707070, 2},
    {{0xB5B2AD, 0xFCFCFC, 0xF4F4F4}, {0xF4F4F4, 0xF4F4F4}, {0xF4F4F4, 0xF4F4F4}, 0x404040, 0x000000, 0xB5B2AD, 2}};

// The selected item's text copied out ("" without a selection).
void _SelText(WM_HWIN hObj, char* pBuffer, int MaxSize) {
  pBuffer[0] = 0;
  const DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  if (pObj->Sel >= 0) {
    WIDGET__GetItemText(pObj->hItems, pObj->Sel, pBuffer, MaxSize);
  }
}

// A downward triangle: the widest line (2 x Half + 1) at y, one pixel narrower on each side per line.
void _DrawTriangle(int xCenter, int y, int Half) {
  for (int i = 0; i <= Half; i++) {
    GUI_DrawHLine(y + i, xCenter - Half + i, xCenter + Half - i);
  }
}

void _PaintClassic(WM_HWIN hObj) {
  const DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  GUI_RECT r;
  WM_GetClientRect(&r);
  int E = pObj->Widget.pEffect->EffectSize;
  GUI__ShrinkRect(&r, E);
  int h = r.y1 - r.y0 + 1;
  GUI_RECT rButton = {(I16)(r.x1 - h + 1), r.y0, r.x1, r.y1};
  GUI_RECT rText = {r.x0, r.y0, (I16)(rButton.x0 - 1), r.y1};
  int ci = (pObj->Widget.State & WIDGET_STATE_FOCUS) ? 2 : 1;
  GUI_SetBkColor(pObj->Props.aBackColor[ci]);
  GUI_ClearRectEx(&rText);
  char acText[128];
  _SelText(hObj, acText, sizeof(acText));
  GUI_RECT rInset = rText;
  rInset.x0 = (I16)(rInset.x0 + pObj->Props.Border);
  rInset.x1 = (I16)(rInset.x1 - pObj->Props.Border);
  GUI_SetFont(pObj->Props.pFont);
  GUI_SetColor(pObj->Props.aTextColor[ci]);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_DispStringInRect(acText, &rInset, pObj->Props.Align);
  WIDGET__EffectDrawDown(&pObj->Widget);
  GUI_SetBkColor(pObj->Props.aColor[1]);
  GUI_ClearRectEx(&rButton);
  GUI_SetColor(pObj->Props.aColor[0]);
  int hb = rButton.y1 - rButton.y0;
  if (hb > 8) {
    _DrawTriangle((rButton.x0 + rButton.x1) / 2, rButton.y0 + 5, (hb - 8) / 2);
  }
  WIDGET__EffectDrawUpRect(&pObj->Widget, &rButton);
}

void _PaintFlex(WM_HWIN hObj) {
  GUI_RECT r;
  WM_GetClientRect(&r);
  auto Draw = [&](int Cmd, void* p) {
    if (!WM__IsWindow(hObj)) {
      return;
    }
    WIDGET_DRAW_ITEM_FUNC* pfDraw = DROPDOWN__Obj(hObj)->Props.pfDrawSkin;
    WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, 0, 0, r.x0, r.y0, r.x1, r.y1, p};
    (pfDraw ? pfDraw : DROPDOWN_DrawSkinFlex)(&Info);
  };
  Draw(WIDGET_ITEM_DRAW_BACKGROUND, nullptr);
  if (WM__IsWindow(hObj) && DROPDOWN__Obj(hObj)->Sel >= 0) {
    char acText[128];
    _SelText(hObj, acText, sizeof(acText));
    Draw(WIDGET_ITEM_DRAW_TEXT, acText);
  }
  Draw(DROPDOWN_ITEM_DRAW_ARROW, nullptr);
}

void _CreateFlex(WM_HWIN hObj) {
  WIDGET_DRAW_ITEM_FUNC* pfDraw = DROPDOWN__Obj(hObj)->Props.pfDrawSkin;
  WIDGET_ITEM_DRAW_INFO Info = {hObj, WIDGET_ITEM_CREATE, 0, 0, 0, 0, 0, 0, nullptr};
  (pfDraw ? pfDraw : DROPDOWN_DrawSkinFlex)(&Info);
}

const DROPDOWN_SKINFLEX_PROPS& _Props(WM_HWIN hObj) {
  const DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  int i = pObj->hListWin                              ? DROPDOWN_SKINFLEX_PI_EXPANDED
          : (pObj->Widget.State & WIDGET_STATE_FOCUS) ? DROPDOWN_SKINFLEX_PI_FOCUSSED
          : WM__IsEnabled(hObj)                       ? DROPDOWN_SKINFLEX_PI_ENABLED
                                                      : DROPDOWN_SKINFLEX_PI_DISABLED;
  return s_aFlexProps[i];
}

void _DrawBackground(const WIDGET_ITEM_DRAW_INFO* p, const DROPDOWN_SKINFLEX_PROPS& P) {
  int x0 = p->x0, y0 = p->y0, x1 = p->x1, y1 = p->y1, R = P.Radius;
  GUI_SetColor(P.aColorFrame[2]);
  for (int Corner = 0; Corner < 4; Corner++) {
    int cx = Corner & 1 ? x1 - R : x0, cy = Corner & 2 ? y1 - R : y0;
    GUI_FillRect(cx, cy, cx + R, cy + R);
  }
  GUI_SetColor(P.aColorFrame[0]);
  GUI_DrawRoundedRect(x0, y0, x1, y1, R);
  GUI_SetColor(P.aColorFrame[1]);
  GUI_DrawHLine(y0 + 1, x0 + R, x1 - R);
  GUI_DrawHLine(y1 - 1, x0 + R, x1 - R);
  GUI_DrawVLine(x0 + 1, y0 + R, y1 - R);
  GUI_DrawVLine(x1 - 1, y0 + R, y1 - R);
  if (R > 2) {
    GUI_SetColor(P.aColorFrame[2]);
    GUI_FillRect(x0 + 2, y0 + 2, x0 + R, y1 - 2);
    GUI_FillRect(x1 - R, y0 + 2, x1 - 2, y1 - 2);
  }
  int yMid = (y0 + y1) / 2;
  int xa = x0 + (R > 2 ? R : 2), xb = x1 - (R > 2 ? R : 2);
  GUI_DrawGradientV(xa, y0 + 2, xb, yMid, P.aColorUpper[0], P.aColorUpper[1]);
  GUI_DrawGradientV(xa, yMid + 1, xb, y1 - 2, P.aColorLower[0], P.aColorLower[1]);
  GUI_SetColor(P.ColorSep);
  GUI_DrawVLine(x1 - (y1 - y0) + 1, y0 + 4, y1 - 4);
}

} // namespace

const WIDGET_SKIN DROPDOWN__SkinClassic = {_PaintClassic, nullptr, nullptr};
const WIDGET_SKIN DROPDOWN__SkinFlex = {_PaintFlex, _CreateFlex, nullptr};
const WIDGET_SKIN* DROPDOWN__pDefaultSkin = &DROPDOWN__SkinClassic;

int DROPDOWN_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  if (!p || !DROPDOWN__Valid(p->hWin)) {
    return 0;
  }
  WM_HWIN hObj = p->hWin;
  const DROPDOWN_SKINFLEX_PROPS& P = _Props(hObj);
  switch (p->Cmd) {
  case WIDGET_ITEM_CREATE:
    WM_SetHasTrans(hObj);
    break;
  case WIDGET_ITEM_DRAW_BACKGROUND:
    _DrawBackground(p, P);
    break;
  case WIDGET_ITEM_DRAW_TEXT: {
    const DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
    GUI_RECT r = {(I16)(p->x0 + pObj->Props.Border + 2), (I16)(p->y0 + 2),
                  (I16)(p->x1 - (p->y1 - p->y0) - pObj->Props.Border - 3), (I16)(p->y1 - 2)};
    GUI_SetFont(pObj->Props.pFont);
    GUI_SetColor(P.ColorText);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringInRect((const char*)p->p, &r, pObj->Props.Align);
    break;
  }
  case DROPDOWN_ITEM_DRAW_ARROW: {
    int h = p->y1 - p->y0;
    int Half = ((h - 8) >> 1) - 1;
    if (Half > 0) {
      GUI_SetColor(P.ColorArrow);
      _DrawTriangle(p->x1 - (h + 1) / 2, (p->y0 + p->y1) / 2 - Half / 2, Half);
    }
    break;
  }
  }
  return 0;
}

void DROPDOWN_GetSkinFlexProps(DROPDOWN_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(s_aFlexProps, pProps, Index);
}

void DROPDOWN_SetSkinFlexProps(const DROPDOWN_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(s_aFlexProps, pProps, Index);
}

void DROPDOWN_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&DROPDOWN__Type, hObj, &DROPDOWN__SkinClassic);
  WM__LockGuard Lock;
  if (DROPDOWN__Valid(hObj)) {
    WM_ClrHasTrans(hObj);
  }
}

void DROPDOWN_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&DROPDOWN__Type, &DROPDOWN__SkinClassic);
}

void DROPDOWN_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WIDGET__SetSkinFlex(&DROPDOWN__Type, hObj, &DROPDOWN__SkinFlex, pfDrawSkin);
}

WIDGET_DRAW_ITEM_FUNC* DROPDOWN_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&DROPDOWN__Type, &DROPDOWN__SkinFlex, pfDrawSkin);
}
