// PROGBAR: the classic look. A horizontal bar draws its text twice, clipped to each part, so that the text
// takes the colour of the part it lies over; a vertical bar fills from the bottom and shows no text.
#include "PROGBAR.h"

static void _PaintClassic(WM_HWIN hObj) {
  const PROGBAR_OBJ* pObj = (const PROGBAR_OBJ*)WM_H2P(hObj);
  GUI_RECT rInside;
  WM_GetClientRect(&rInside);
  GUI__ShrinkRect(&rInside, pObj->Widget.pEffect->EffectSize);
  int p = PROGBAR__GetPos(pObj, pObj->Value);
  if (pObj->Flags & PROGBAR_FLAG_VERTICAL) {
    GUI_RECT rFilled = {rInside.x0, (I16)p, rInside.x1, rInside.y1};
    GUI_RECT rEmpty = {rInside.x0, rInside.y0, rInside.x1, (I16)(p - 1)};
    WM_SetUserClipRect(&rFilled);
    GUI_SetBkColor(pObj->Props.aBarColor[0]);
    GUI_Clear();
    WM_SetUserClipRect(&rEmpty);
    GUI_SetBkColor(pObj->Props.aBarColor[1]);
    GUI_Clear();
  } else {
    const char* pText = PROGBAR__GetText(pObj);
    GUI_RECT rText = PROGBAR__GetTextRect(hObj, pObj, pText);
    GUI_SetFont(pObj->Props.pFont);
    int OldMode = GUI_SetTextMode(GUI_TM_TRANS);
    GUI_RECT aPart[2] = {{rInside.x0, rInside.y0, (I16)(p - 1), rInside.y1},
                         {(I16)p, rInside.y0, rInside.x1, rInside.y1}};
    for (int i = 0; i < 2; i++) {
      WM_SetUserClipRect(&aPart[i]);
      GUI_SetBkColor(pObj->Props.aBarColor[i]);
      GUI_SetColor(pObj->Props.aTextColor[i]);
      GUI_Clear();
      if (pText) {
        GUI_DispStringAt(pText, rText.x0, rText.y0);
      }
    }
    GUI_SetTextMode(OldMode);
  }
  WM_SetUserClipRect(nullptr);
  WIDGET__EffectDrawDown(&pObj->Widget);
}

const WIDGET_SKIN PROGBAR__SkinClassic = {_PaintClassic, nullptr, nullptr};
const WIDGET_SKIN* PROGBAR__pDefaultSkin = &PROGBAR__SkinClassic;

void PROGBAR_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&PROGBAR__Type, hObj, &PROGBAR__SkinClassic);
}

void PROGBAR_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&PROGBAR__Type, &PROGBAR__SkinClassic);
}
