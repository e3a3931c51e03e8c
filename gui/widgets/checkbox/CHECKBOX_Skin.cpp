// CHECKBOX: the built-in marks, the module defaults and the classic look (an image in a sunken box, the
// text beside it, a dotted focus rectangle around the text). The skin draws from the state and never
// changes it.
#include "CHECKBOX.h"

#include "GUI_Bitmap.h"

namespace {

const U8 _acCheck[] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x01, 0x80, 0x23, 0x80, 0x37, 0x00,
                       0x3E, 0x00, 0x1C, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00};
const U8 _ac3State[] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x01, 0x00, 0x22, 0x80, 0x15, 0x00,
                        0x2A, 0x00, 0x14, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00};
const GUI_COLOR _aColorDisabled[] = {0x808080, 0x101010};
const GUI_COLOR _aColorEnabled[] = {0x808080, 0x000000};
const GUI_PALETTE _PalDisabled = {2, 1, _aColorDisabled};
const GUI_PALETTE _PalEnabled = {2, 1, _aColorEnabled};

int _GetDefaultSizeClassic(void) {
  const GUI_BITMAP* pBm = CHECKBOX__DefaultProps.apBm[CHECKBOX_BI_ACTIV_CHECKED];
  return (pBm ? pBm->XSize : 0) + 2 * WIDGET_GetDefaultEffect()->EffectSize;
}

const CHECKBOX_SKIN_PRIVATE _ClassicPrivate = {_GetDefaultSizeClassic, nullptr};

void _PaintClassic(WM_HWIN hObj) {
  const CHECKBOX_OBJ* pObj = (const CHECKBOX_OBJ*)WM_H2P(hObj);
  const WIDGET* pWidget = &pObj->Widget;
  int Enabled = WM__IsEnabled(hObj) ? 1 : 0;
  if (!WM_GetHasTrans(hObj)) {
    GUI_SetBkColor(pObj->Props.BkColor == WM_NO_COLOR ? WIDGET__GetBkColor(hObj) : pObj->Props.BkColor);
    GUI_Clear();
  }
  const GUI_BITMAP* pBm3 = pObj->Props.apBm[CHECKBOX_BI_ACTIV_CHECKED];
  int E = pWidget->pEffect->EffectSize;
  GUI_RECT rBox = {0, 0, (I16)((pBm3 ? pBm3->XSize : 0) + 2 * E - 1), (I16)((pBm3 ? pBm3->YSize : 0) + 2 * E - 1)};
  WM_SetUserClipRect(&rBox);
  GUI_SetBkColor(pObj->Props.aBkColorBox[Enabled]);
  GUI_ClearRectEx(&rBox);
  const GUI_BITMAP* pBm = pObj->Props.apBm[Enabled + 2 * pObj->CurrentState];
  if (pBm) {
    GUI_DrawBitmap(pBm, E, E);
  }
  WIDGET__EffectDrawDownRect(pWidget, &rBox);
  WM_SetUserClipRect(nullptr);
  if (!pObj->hpText) {
    return;
  }
  const char* pText = WIDGET__Text(pObj->hpText);
  GUI_RECT r;
  WM_GetClientRect(&r);
  r.x0 = (I16)(rBox.x1 + pObj->Props.Spacing + 1);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(pObj->Props.TextColor);
  GUI_SetFont(pObj->Props.pFont);
  GUI_DispStringInRect(pText, &r, pObj->Props.Align);
  if (pWidget->State & WIDGET_STATE_FOCUS) {
    GUI_RECT rFocus = CHECKBOX__GetFocusExtent(pObj, r, pText);
    GUI_SetColor(pObj->Props.FocusColor);
    GUI_DrawFocusRect(&rFocus, -1);
  }
}

} // namespace

const GUI_BITMAP CHECKBOX__abmCheck[2] = {{11, 11, 2, 1, _acCheck, &_PalDisabled, nullptr},
                                          {11, 11, 2, 1, _acCheck, &_PalEnabled, nullptr}};
const GUI_BITMAP CHECKBOX__abm3State[2] = {{11, 11, 2, 1, _ac3State, &_PalDisabled, nullptr},
                                           {11, 11, 2, 1, _ac3State, &_PalEnabled, nullptr}};

int CHECKBOX__GetDefaultSizeFlex(void);

CHECKBOX_PROPS CHECKBOX__DefaultProps = {
    GUI_DEFAULT_FONT,
    {0x808080, 0xFFFFFF},
    0xC0C0C0,
    0x000000,
    0x000000,
    {CHECKBOX__GetDefaultSizeFlex, nullptr},
    GUI_TA_LEFT | GUI_TA_VCENTER,
    4,
    {nullptr, nullptr, &CHECKBOX__abmCheck[0], &CHECKBOX__abmCheck[1], nullptr, nullptr},
};

const WIDGET_SKIN CHECKBOX__SkinClassic = {_PaintClassic, nullptr, (void*)&_ClassicPrivate};
const WIDGET_SKIN* CHECKBOX__pDefaultSkin = &CHECKBOX__SkinClassic;

GUI_RECT CHECKBOX__GetFocusExtent(const CHECKBOX_OBJ* pObj, const GUI_RECT& r, const char* pText) {
  const GUI_FONT* pOld = GUI_SetFont(pObj->Props.pFont);
  int w = GUI_GetStringDistX(pText);
  int h = GUI_GetYSizeOfFont(pObj->Props.pFont);
  GUI_SetFont(pOld);
  int Align = pObj->Props.Align;
  int y0 = r.y0;
  if ((Align & GUI_TA_VERTICAL) == GUI_TA_BOTTOM) {
    y0 = r.y1 - h;
  } else if ((Align & GUI_TA_VERTICAL) == GUI_TA_VCENTER) {
    y0 = (r.y1 - h + 1) / 2;
  }
  int x0 = r.x0;
  if ((Align & GUI_TA_HORIZONTAL) == GUI_TA_RIGHT) {
    x0 = r.x1 - w;
  } else if ((Align & GUI_TA_HORIZONTAL) == GUI_TA_HCENTER) {
    x0 = r.x0 + (r.x1 - r.x0 - w) / 2;
  }
  return {(I16)x0, (I16)y0, (I16)(x0 + w - 1), (I16)(y0 + h - 1)};
}

void CHECKBOX_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&CHECKBOX__Type, hObj, &CHECKBOX__SkinClassic);
}

void CHECKBOX_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&CHECKBOX__Type, &CHECKBOX__SkinClassic);
}
