// RADIO: the built-in images, the module defaults and the classic look (button images, the mark on the
// selected one, texts beside them, a dotted focus rectangle). The skin draws from the state and never
// changes it.
#include "RADIO.h"

#include "GUI_Bitmap.h"

namespace {

const U8 _acButton[] = {0x00, 0x55, 0x00, 0x05, 0xAA, 0x50, 0x1A, 0xFF, 0xAC, 0x1B, 0xFF, 0xCC,
                        0x6F, 0xFF, 0xF3, 0x6F, 0xFF, 0xF3, 0x6F, 0xFF, 0xF3, 0x6F, 0xFF, 0xF3,
                        0x1B, 0xFF, 0xCC, 0x10, 0xFF, 0x0C, 0x0F, 0x00, 0xF0, 0x00, 0xFF, 0x00};
const GUI_COLOR _aColorDisabled[] = {0xC0C0C0, 0x808080, 0x000000, 0xC0C0C0};
const GUI_COLOR _aColorEnabled[] = {0xC0C0C0, 0x808080, 0x000000, 0xFFFFFF};
const GUI_PALETTE _PalDisabled = {4, 1, _aColorDisabled};
const GUI_PALETTE _PalEnabled = {4, 1, _aColorEnabled};
const U8 _acCheck[] = {0x60, 0xF0, 0xF0, 0x60};
const GUI_COLOR _aColorCheck[] = {0xFFFFFF, 0x000000};
const GUI_PALETTE _PalCheck = {2, 1, _aColorCheck};

const GUI_BITMAP _bmButtonDisabled = {12, 12, 3, 2, _acButton, &_PalDisabled, nullptr};
const GUI_BITMAP _bmButtonEnabled = {12, 12, 3, 2, _acButton, &_PalEnabled, nullptr};
const GUI_BITMAP _bmCheck = {4, 4, 1, 1, _acCheck, &_PalCheck, nullptr};

int _GetButtonSizeClassic(WM_HWIN hObj) {
  const GUI_BITMAP* pBm = ((const RADIO_OBJ*)WM_H2P(hObj))->Props.apBmButton[RADIO_BI_ACTIV];
  return pBm ? pBm->YSize : 0;
}

const RADIO_SKIN_PRIVATE _ClassicPrivate = {_GetButtonSizeClassic, nullptr};

int _Width(const GUI_BITMAP* pBm) {
  return pBm ? pBm->XSize : 0;
}

int _Height(const GUI_BITMAP* pBm) {
  return pBm ? pBm->YSize : 0;
}

void _PaintClassic(WM_HWIN hObj) {
  const RADIO_OBJ* pObj = (const RADIO_OBJ*)WM_H2P(hObj);
  const RADIO_PROPS& Props = pObj->Props;
  const GUI_BITMAP* pBm = Props.apBmButton[WM__IsEnabled(hObj) ? 1 : 0];
  int H = _Height(Props.apBmButton[RADIO_BI_ACTIV]) + 4;
  int Bw = _Width(pBm), Bh = _Height(pBm);
  const GUI_FONT* pFont = Props.pFont;
  int CapHeight = pFont->CHeight;
  int t = CapHeight > H ? 0 : (H - CapHeight) / 2;
  int m = pFont->YDist > 12 ? 3 : 2;
  if (m > t) {
    m = t;
  }
  if (!WM_GetHasTrans(hObj)) {
    GUI_SetBkColor(Props.BkColor == WM_NO_COLOR ? 0xC0C0C0 : Props.BkColor);
    GUI_Clear();
  }
  GUI_SetFont(pFont);
  GUI_SetTextMode(GUI_TM_TRANS);
  int xText = Bw + 6;
  char acText[256];
  for (int i = 0; i < pObj->NumItems; i++) {
    int y = i * pObj->Spacing;
    if (pBm) {
      GUI_DrawBitmap(pBm, 2, y + 2);
    }
    if (i == pObj->Sel && Props.pBmCheck) {
      GUI_DrawBitmap(Props.pBmCheck, (Bw - Props.pBmCheck->XSize) / 2 + 2, (Bh - Props.pBmCheck->YSize) / 2 + 2 + y);
    }
    if (*WIDGET__ItemText(pObj->hItems, i, acText, sizeof(acText))) {
      GUI_SetColor(Props.TextColor);
      GUI_DispStringAt(acText, xText, y + t - (pFont->Baseline - CapHeight));
    }
  }
  if (!(pObj->Widget.State & WIDGET_STATE_FOCUS)) {
    return;
  }
  GUI_RECT r;
  int Item = RADIO__GetFocusItem(pObj, acText, sizeof(acText));
  if (Item >= 0) {
    int y = Item * pObj->Spacing + t;
    r = {(I16)(xText - m), (I16)(y - m), (I16)(xText + GUI_GetStringDistX(acText) - 2 + m),
         (I16)(y + CapHeight - 1 + m)};
  } else {
    GUI_RECT rClient;
    WM_GetClientRect(&rClient);
    r = {rClient.x0, rClient.y0, (I16)(Bw + 3), (I16)((pObj->NumItems - 1) * pObj->Spacing + H - 1)};
  }
  GUI_SetColor(Props.FocusColor);
  GUI_DrawFocusRect(&r, 0);
}

} // namespace

int RADIO__GetButtonSizeFlex(WM_HWIN hObj);

RADIO_PROPS RADIO__DefaultProps = {0xC0C0C0,
                                   0x000000,
                                   0x000000,
                                   GUI_DEFAULT_FONT,
                                   {&_bmButtonDisabled, &_bmButtonEnabled},
                                   &_bmCheck,
                                   {RADIO__GetButtonSizeFlex, nullptr}};

const WIDGET_SKIN RADIO__SkinClassic = {_PaintClassic, nullptr, (void*)&_ClassicPrivate};
const WIDGET_SKIN* RADIO__pDefaultSkin = &RADIO__SkinClassic;

RADIO_TEXT_METRICS RADIO__GetTextMetrics(const GUI_FONT* pFont) {
  return {pFont->Baseline, pFont->CHeight, pFont->YDist > 12 ? 3 : 2};
}

int RADIO__GetFocusItem(const RADIO_OBJ* pObj, char* pBuffer, int MaxLen) {
  if (pObj->GroupId) {
    for (int i = pObj->NumItems - 1; i >= 0; i--) {
      if (*WIDGET__ItemText(pObj->hItems, i, pBuffer, MaxLen)) {
        return i;
      }
    }
    return -1;
  }
  if (pObj->Sel >= 0 && *WIDGET__ItemText(pObj->hItems, pObj->Sel, pBuffer, MaxLen)) {
    return pObj->Sel;
  }
  return -1;
}

void RADIO_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&RADIO__Type, hObj, &RADIO__SkinClassic);
}

void RADIO_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&RADIO__Type, &RADIO__SkinClassic);
}
