// RADIO: the flexible look. The paint routine asks the item routine for each round button, each text and
// the focus; RADIO_DrawSkinFlex draws buttons of four rings.
#include "RADIO.h"

namespace {

RADIO_SKINFLEX_PROPS _aProps[2] = {
    {{0x707070, 0xFCFCFC, 0xB9B3AE, 0x404040}, 12},
    {{0x707070, 0xFCFCFC, 0xB9B3AE, 0xF3F3F3}, 12},
};

const RADIO_OBJ* _Obj(WM_HWIN hObj) {
  return (const RADIO_OBJ*)WM_H2P(hObj);
}

WIDGET_DRAW_ITEM_FUNC* _DrawFunc(const RADIO_OBJ* pObj) {
  return pObj->Props.SkinPrivate.pfDrawSkin ? pObj->Props.SkinPrivate.pfDrawSkin : RADIO_DrawSkinFlex;
}

int _Call(WM_HWIN hObj, int Cmd, int Item, int x0, int y0, int x1, int y1, void* p) {
  WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, Item, 0, x0, y0, x1, y1, p};
  return _DrawFunc(_Obj(hObj))(&Info);
}

void _PaintFlex(WM_HWIN hObj) {
  int S = _Call(hObj, WIDGET_ITEM_GET_BUTTONSIZE, 0, 0, 0, 0, 0, nullptr);
  GUI_RECT rClient;
  WM_GetClientRect(&rClient);
  int NumItems = _Obj(hObj)->NumItems;
  for (int i = 0; i < NumItems && WM__IsWindow(hObj); i++) {
    int x0 = rClient.x0 + 2, y0 = rClient.y0 + 2 + i * _Obj(hObj)->Spacing;
    _Call(hObj, WIDGET_ITEM_DRAW_BUTTON, i, x0, y0, x0 + S - 1, y0 + S - 1, nullptr);
  }
  if (!WM__IsWindow(hObj)) {
    return;
  }
  RADIO_TEXT_METRICS Metrics = RADIO__GetTextMetrics(_Obj(hObj)->Props.pFont);
  int Lead = Metrics.CapHeight > S + 4 ? 0 : (S + 4 - Metrics.CapHeight) / 2;
  int yCell0 = rClient.y0 + Lead - (Metrics.Baseline - Metrics.CapHeight);
  int xText = rClient.x0 + 6 + S;
  GUI_SetFont(_Obj(hObj)->Props.pFont);
  char acText[256];
  for (int i = 0; i < NumItems && WM__IsWindow(hObj); i++) {
    if (*WIDGET__ItemText(_Obj(hObj)->hItems, i, acText, sizeof(acText))) {
      int y = yCell0 + i * _Obj(hObj)->Spacing;
      _Call(hObj, WIDGET_ITEM_DRAW_TEXT, i, xText, y, xText + GUI_GetStringDistX(acText) - 2,
            y + Metrics.Baseline - 1, acText);
    }
  }
  if (!WM__IsWindow(hObj) || !(_Obj(hObj)->Widget.State & WIDGET_STATE_FOCUS)) {
    return;
  }
  int Item = RADIO__GetFocusItem(_Obj(hObj), acText, sizeof(acText));
  if (Item < 0) {
    return;
  }
  int y = yCell0 + Item * _Obj(hObj)->Spacing;
  int m = Metrics.Margin;
  if (y + Metrics.Baseline - Metrics.CapHeight < m) {
    m = y;
  }
  int x1 = xText + GUI_GetStringDistX(acText) - 2;
  _Call(hObj, WIDGET_ITEM_DRAW_FOCUS, Item, xText - m, y, x1 + m, y + Metrics.Baseline - 1 + m, nullptr);
}

void _CreateFlex(WM_HWIN hObj) {
  _Call(hObj, WIDGET_ITEM_CREATE, 0, 0, 0, 0, 0, nullptr);
}

} // namespace

int RADIO__GetButtonSizeFlex(WM_HWIN hObj) {
  WIDGET_ITEM_DRAW_INFO Info = {hObj, WIDGET_ITEM_GET_BUTTONSIZE, 0, 0, 0, 0, 0, 0, nullptr};
  WIDGET_DRAW_ITEM_FUNC* pfDraw = RADIO__DefaultProps.SkinPrivate.pfDrawSkin;
  return (pfDraw ? pfDraw : RADIO_DrawSkinFlex)(&Info);
}

const WIDGET_SKIN RADIO__SkinFlex = {_PaintFlex, _CreateFlex, (void*)&RADIO__DefaultProps.SkinPrivate};

int RADIO_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  if (!p) {
    return 0;
  }
  if (p->Cmd == WIDGET_ITEM_GET_BUTTONSIZE) {
    return _aProps[RADIO_SKINFLEX_PI_DEFAULT].ButtonSize;
  }
  if (!WM__IsWindow(p->hWin)) {
    return 0;
  }
  const RADIO_OBJ* pObj = _Obj(p->hWin);
  const RADIO_SKINFLEX_PROPS& Props =
      _aProps[p->ItemIndex == pObj->Sel ? RADIO_SKINFLEX_PI_PRESSED : RADIO_SKINFLEX_PI_DEFAULT];
  switch (p->Cmd) {
  case WIDGET_ITEM_DRAW_BUTTON:
    GUI__FillRoundedBox(p->x0, p->y0, Props.ButtonSize, Props.aColorButton[0], Props.aColorButton[1],
                        Props.aColorButton[2], Props.aColorButton[3]);
    break;
  case WIDGET_ITEM_DRAW_FOCUS: {
    GUI_RECT r = {(I16)p->x0, (I16)p->y0, (I16)p->x1, (I16)p->y1};
    GUI_SetColor(pObj->Props.FocusColor);
    GUI_DrawFocusRect(&r, 0);
    break;
  }
  case WIDGET_ITEM_DRAW_TEXT:
    if (p->p) {
      GUI_SetFont(pObj->Props.pFont);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_SetColor(pObj->Props.TextColor);
      GUI_DispStringAt((const char*)p->p, p->x0, p->y0);
    }
    break;
  }
  return 0;
}

void RADIO_GetSkinFlexProps(RADIO_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void RADIO_SetSkinFlexProps(const RADIO_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aProps, pProps, Index);
}

void RADIO_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WIDGET__SetSkinFlex(&RADIO__Type, hObj, &RADIO__SkinFlex, pfDrawSkin);
}

WIDGET_DRAW_ITEM_FUNC* RADIO_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&RADIO__Type, &RADIO__SkinFlex, pfDrawSkin);
}
