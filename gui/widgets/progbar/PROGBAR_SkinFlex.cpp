// PROGBAR: the flexible look. The paint routine asks the item routine for the frame, both parts (clipped
// to the inside) and the text; PROGBAR_DrawSkinFlex draws each part as two gradient halves across the bar.
#include "PROGBAR.h"

namespace {

PROGBAR_SKINFLEX_PROPS _aProps[1] = {{{0xCDFFCD, 0xACEE9C},
                                      {0x29D400, 0x33E21C},
                                      {0xFCFCFC, 0xDADADA},
                                      {0xCBCBCB, 0xD5D5D5},
                                      0xA0A0A0,
                                      0x000000}};

void _PaintFlex(WM_HWIN hObj) {
  const PROGBAR_OBJ* pObj = (const PROGBAR_OBJ*)WM_H2P(hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDraw = pObj->Props.pfDrawSkin ? pObj->Props.pfDrawSkin : PROGBAR_DrawSkinFlex;
  bool Vertical = (pObj->Flags & PROGBAR_FLAG_VERTICAL) != 0;
  GUI_RECT rClient, rInside;
  WM_GetClientRect(&rClient);
  GUI__ShrinkRect(&rInside, &rClient, pObj->Widget.pEffect->EffectSize);
  int p = PROGBAR__GetPos(pObj, pObj->Value);
  // The text is copied: the item routine may allocate, and the bar's blocks may move meanwhile.
  char acText[128] = {};
  if (pObj->hText) {
    WIDGET__CopyText(pObj->hText, acText, sizeof(acText));
  }
  bool HasText = pObj->hText && !Vertical;
  GUI_RECT rText = PROGBAR__GetTextRect(hObj, pObj, acText);
  PROGBAR_SKINFLEX_INFO Info = {Vertical ? 1 : 0, 0, acText};
  WIDGET_ITEM_DRAW_INFO Item = {hObj, WIDGET_ITEM_DRAW_FRAME, 0, 0, rClient.x0, rClient.y0, rClient.x1, rClient.y1,
                                &Info};
  pfDraw(&Item);
  WM_SetUserClipRect(&rInside);
  for (int i = 0; i < 2 && WM__IsWindow(hObj); i++) {
    Info.Index = i;
    Item.Cmd = WIDGET_ITEM_DRAW_BACKGROUND;
    Item.ItemIndex = i;
    if (Vertical) {
      Item.x0 = rClient.x0;
      Item.x1 = rClient.x1;
      Item.y0 = i ? rClient.y0 + p + 1 : rClient.y0;
      Item.y1 = i ? rClient.y1 : rClient.y0 + p;
    } else {
      Item.y0 = rClient.y0;
      Item.y1 = rClient.y1;
      Item.x0 = i ? rClient.x0 + p + 1 : rClient.x0;
      Item.x1 = i ? rClient.x1 : rClient.x0 + p;
    }
    pfDraw(&Item);
  }
  if (HasText && WM__IsWindow(hObj)) {
    Item = {hObj, WIDGET_ITEM_DRAW_TEXT, 0, 0, rText.x0, rText.y0, rText.x1, rText.y1, &Info};
    pfDraw(&Item);
  }
  WM_SetUserClipRect(nullptr);
}

void _CreateFlex(WM_HWIN hObj) {
  const PROGBAR_OBJ* pObj = (const PROGBAR_OBJ*)WM_H2P(hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDraw = pObj->Props.pfDrawSkin ? pObj->Props.pfDrawSkin : PROGBAR_DrawSkinFlex;
  WIDGET_ITEM_DRAW_INFO Item = {hObj, WIDGET_ITEM_CREATE, 0, 0, 0, 0, 0, 0, nullptr};
  pfDraw(&Item);
}

} // namespace

const WIDGET_SKIN PROGBAR__SkinFlex = {_PaintFlex, _CreateFlex, nullptr};

int PROGBAR_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  if (!p || !p->p) {
    return 0;
  }
  const PROGBAR_SKINFLEX_INFO* pInfo = (const PROGBAR_SKINFLEX_INFO*)p->p;
  const PROGBAR_SKINFLEX_PROPS& Props = _aProps[0];
  switch (p->Cmd) {
  case WIDGET_ITEM_DRAW_FRAME:
    GUI_SetColor(Props.ColorFrame);
    GUI_DrawRect(p->x0, p->y0, p->x1, p->y1);
    break;
  case WIDGET_ITEM_DRAW_BACKGROUND: {
    bool Filled = pInfo->IsVertical ? pInfo->Index == 1 : pInfo->Index == 0;
    const GUI_COLOR* aUpper = Filled ? Props.aColorUpperL : Props.aColorUpperR;
    const GUI_COLOR* aLower = Filled ? Props.aColorLowerL : Props.aColorLowerR;
    // The parts stay inside the frame line.
    GUI_RECT rFrame;
    WM_GetClientRect(&rFrame);
    GUI_RECT r = {(I16)p->x0, (I16)p->y0, (I16)p->x1, (I16)p->y1};
    GUI__ShrinkRect(&rFrame, 1);
    if (!GUI__IntersectRects(&r, &r, &rFrame)) {
      break;
    }
    if (pInfo->IsVertical) {
      int xm = (r.x0 + r.x1) / 2;
      GUI_DrawGradientH(r.x0, r.y0, xm, r.y1, aUpper[0], aUpper[1]);
      GUI_DrawGradientH(xm + 1, r.y0, r.x1, r.y1, aLower[0], aLower[1]);
    } else {
      int ym = (r.y0 + r.y1) / 2;
      GUI_DrawGradientV(r.x0, r.y0, r.x1, ym, aUpper[0], aUpper[1]);
      GUI_DrawGradientV(r.x0, ym + 1, r.x1, r.y1, aLower[0], aLower[1]);
    }
    break;
  }
  case WIDGET_ITEM_DRAW_TEXT:
    if (!pInfo->IsVertical && pInfo->pText && WM__IsWindow(p->hWin)) {
      GUI_SetFont(((const PROGBAR_OBJ*)WM_H2P(p->hWin))->Props.pFont);
      GUI_SetColor(Props.ColorText);
      int OldMode = GUI_SetTextMode(GUI_TM_TRANS);
      GUI_DispStringAt(pInfo->pText, p->x0, p->y0);
      GUI_SetTextMode(OldMode);
    }
    break;
  }
  return 0;
}

void PROGBAR_GetSkinFlexProps(PROGBAR_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void PROGBAR_SetSkinFlexProps(const PROGBAR_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aProps, pProps, Index);
}

void PROGBAR_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WIDGET__SetSkinFlex(&PROGBAR__Type, hObj, &PROGBAR__SkinFlex, pfDrawSkin);
}

WIDGET_DRAW_ITEM_FUNC* PROGBAR_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&PROGBAR__Type, &PROGBAR__SkinFlex, pfDrawSkin);
}
