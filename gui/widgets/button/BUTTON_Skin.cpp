// BUTTON: the classic and the flexible skin.
#include <algorithm>
#include <string>

#include "BUTTON.h"
#include "WM_Intern.h"

namespace {

BUTTON_SKINFLEX_PROPS _aFlexProps[4] = {
    {{0x8B622C, 0xBAB09E, 0xEFD198}, {0xFCF4E5, 0xF6E5C4}, {0xEFD198, 0xDBB368}, 4},
    {{0xB17F3C, 0xFBD846, 0xDFDFDF}, {0xF3F3F3, 0xECECEC}, {0xDFDFDF, 0xD0D0D0}, 4},
    {{0x707070, 0xFCFCFC, 0xDFDFDF}, {0xF3F3F3, 0xECECEC}, {0xDFDFDF, 0xD0D0D0}, 4},
    {{0xB5B2AD, 0xFCFCFC, 0xF4F4F4}, {0xF4F4F4, 0xF4F4F4}, {0xF4F4F4, 0xF4F4F4}, 4},
};

WIDGET_DRAW_ITEM_FUNC* _pfDefaultDrawSkin = nullptr;

// What a paint needs of the record, copied out so that no pointer into the heap is held while user
// routines (image callbacks, skin routines) run.
struct PAINT_INFO {
  BUTTON_PROPS Props;
  const WIDGET_EFFECT* pEffect;
  U16 State;
  int Enabled;
  std::string Text;
  int HasText;
  GUI_HMEM ahDrawObj[3];
};

PAINT_INFO _GetPaintInfo(WM_HWIN hObj) {
  PAINT_INFO Info = {};
  const BUTTON_OBJ* pObj = (const BUTTON_OBJ*)WM_H2P(hObj);
  Info.Props = pObj->Props;
  Info.pEffect = pObj->Widget.pEffect;
  Info.State = pObj->Widget.State;
  Info.Enabled = WM__IsEnabled(hObj);
  Info.HasText = pObj->hText != 0;
  if (pObj->hText) {
    Info.Text = (const char*)GUI_ALLOC_h2p(pObj->hText);
  }
  for (int i = 0; i < 3; i++) {
    Info.ahDrawObj[i] = pObj->ahDrawObj[i];
  }
  return Info;
}

void _PaintClassic(WM_HWIN hObj) {
  PAINT_INFO Info = _GetPaintInfo(hObj);
  int Pressed = (Info.State & BUTTON_STATE_PRESSED) != 0;
  int Index = !Info.Enabled ? BUTTON_CI_DISABLED : Pressed ? BUTTON_CI_PRESSED : BUTTON_CI_UNPRESSED;
  GUI_SetFont(Info.Props.pFont);
  GUI_RECT r;
  WM_GetClientRect(&r);
  GUI_RECT Inner = r;
  int EffectSize = Info.pEffect->EffectSize;
  if (!Pressed) {
    Info.pEffect->pfDrawUp();
    GUI__ShrinkRect(&Inner, EffectSize);
  } else if (Info.pEffect->pfDrawFlat) {
    Info.pEffect->pfDrawFlat(&r);
    GUI__ShrinkRect(&Inner, EffectSize);
  } else {
    GUI_SetColor(Info.Props.FrameColor);
    GUI_DrawRect(r.x0, r.y0, r.x1, r.y1);
    GUI__ShrinkRect(&Inner, 1);
  }
  GUI_SetBkColor(Info.Props.aBkColor[Index]);
  GUI_SetColor(Info.Props.aTextColor[Index]);
  WM_SetUserClipRect(&Inner);
  GUI_Clear();
  GUI_HMEM hImage = Info.ahDrawObj[0];
  if (Info.Enabled) {
    if (Pressed && Info.ahDrawObj[1]) {
      hImage = Info.ahDrawObj[1];
    }
  } else if (Info.ahDrawObj[2]) {
    hImage = Info.ahDrawObj[2];
  }
  GUI_DRAWOBJ_Draw(hImage, hObj, 0, 0);
  if (Info.HasText) {
    GUI_RECT rText = Inner;
    if (Pressed) {
      GUI_MoveRect(&rText, 1, 1);
    }
    GUI_MoveRect(&rText, Info.Props.xOffText, Info.Props.yOffText);
    GUI_SetColor(Info.Props.aTextColor[Index]);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringInRect(Info.Text.c_str(), &rText, Info.Props.Align);
  }
  if (Info.State & WIDGET_STATE_FOCUS) {
    GUI_SetColor(Info.Props.FocusColor);
    GUI_DrawFocusRect(&r, std::max(2, EffectSize));
  }
  WM_SetUserClipRect(nullptr);
}

void _PaintFlex(WM_HWIN hObj) {
  const BUTTON_OBJ* pObj = (const BUTTON_OBJ*)WM_H2P(hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDraw = pObj->Props.pfDrawSkin;
  U16 State = pObj->Widget.State;
  if (!pfDraw) {
    return;
  }
  WIDGET_ITEM_DRAW_INFO Info = {};
  Info.hWin = hObj;
  Info.ItemIndex = !WM__IsEnabled(hObj)              ? BUTTON_SKINFLEX_PI_DISABLED
                   : (State & BUTTON_STATE_PRESSED)  ? BUTTON_SKINFLEX_PI_PRESSED
                   : (State & WIDGET_STATE_FOCUS)    ? BUTTON_SKINFLEX_PI_FOCUSSED
                                                     : BUTTON_SKINFLEX_PI_ENABLED;
  GUI_RECT r;
  WM_GetClientRect(&r);
  Info.x0 = r.x0;
  Info.y0 = r.y0;
  Info.x1 = r.x1;
  Info.y1 = r.y1;
  for (int Cmd : {WIDGET_ITEM_DRAW_BACKGROUND, WIDGET_ITEM_DRAW_BITMAP, WIDGET_ITEM_DRAW_TEXT,
                  WIDGET_ITEM_DRAW_FOCUS}) {
    if (!WM__IsWindow(hObj)) {
      return;
    }
    Info.Cmd = Cmd;
    pfDraw(&Info);
  }
}

void _CreateFlex(WM_HWIN hObj) {
  const BUTTON_OBJ* pObj = (const BUTTON_OBJ*)WM_H2P(hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDraw = pObj->Props.pfDrawSkin;
  if (pfDraw) {
    WIDGET_ITEM_DRAW_INFO Info = {};
    Info.hWin = hObj;
    Info.Cmd = WIDGET_ITEM_CREATE;
    pfDraw(&Info);
  }
}

void _Line(GUI_COLOR Color, int x0, int y0, int x1, int y1) {
  GUI_SetColor(Color);
  GUI_FillRect(x0, y0, x1, y1);
}

void _DrawFlexBackground(const WIDGET_ITEM_DRAW_INFO* p, const BUTTON_SKINFLEX_PROPS* pProps) {
  int x0 = p->x0, y0 = p->y0, x1 = p->x1, y1 = p->y1;
  int r = pProps->Radius;
  GUI_COLOR Outer = pProps->aColorFrame[0], Inner = pProps->aColorFrame[1], Corner = pProps->aColorFrame[2];
  if (r <= 0) {
    GUI_SetColor(Outer);
    GUI_DrawRect(x0, y0, x1, y1);
    GUI_SetColor(Inner);
    GUI_DrawRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1);
    r = 2;
  } else {
    // The core routine fills outside the arc, the arc and inside it; outside stays untouched (the button is
    // transparent), the outer arc gets the outer colour, the arc one pixel in the inner colour.
    GUI__FillRoundedCorners(x0, y0, x1, y1, r, GUI_INVALID_COLOR, Outer, Inner);
    GUI__FillRoundedCorners(x0 + 1, y0 + 1, x1 - 1, y1 - 1, r - 1, GUI_INVALID_COLOR, Inner, Corner);
    _Line(Outer, x0 + r, y0, x1 - r, y0);
    _Line(Inner, x0 + r, y0 + 1, x1 - r, y0 + 1);
    _Line(Outer, x0 + r, y1, x1 - r, y1);
    _Line(Inner, x0 + r, y1 - 1, x1 - r, y1 - 1);
    _Line(Outer, x0, y0 + r, x0, y1 - r);
    _Line(Inner, x0 + 1, y0 + r, x0 + 1, y1 - r);
    _Line(Outer, x1, y0 + r, x1, y1 - r);
    _Line(Inner, x1 - 1, y0 + r, x1 - 1, y1 - r);
    if (r > 2) {
      _Line(Corner, x0 + 2, y0 + r, x0 + r - 1, y1 - r);
      _Line(Corner, x1 - r + 1, y0 + r, x1 - 2, y1 - r);
    }
  }
  int yMid = (y0 + y1) / 2;
  GUI_DrawGradientV(x0 + r, y0 + 2, x1 - r, yMid, pProps->aColorUpper[0], pProps->aColorUpper[1]);
  GUI_DrawGradientV(x0 + r, yMid + 1, x1 - r, y1 - 2, pProps->aColorLower[0], pProps->aColorLower[1]);
}

} // namespace

const WIDGET_SKIN BUTTON__SkinClassic = {_PaintClassic, nullptr, nullptr};
const WIDGET_SKIN BUTTON__SkinFlex = {_PaintFlex, _CreateFlex, (void*)&_pfDefaultDrawSkin};
const WIDGET_SKIN* BUTTON__pDefaultSkin = &BUTTON__SkinClassic;

int BUTTON_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  const BUTTON_SKINFLEX_PROPS* pProps = &_aFlexProps[p->ItemIndex & 3];
  switch (p->Cmd) {
  case WIDGET_ITEM_CREATE:
    WM_SetHasTrans(p->hWin);
    break;
  case WIDGET_ITEM_DRAW_BACKGROUND:
    _DrawFlexBackground(p, pProps);
    break;
  case WIDGET_ITEM_DRAW_BITMAP: {
    const BUTTON_OBJ* pObj = BUTTON__GetObj(p->hWin);
    if (!pObj) {
      break;
    }
    int i = p->ItemIndex == BUTTON_SKINFLEX_PI_DISABLED ? 2 : p->ItemIndex == BUTTON_SKINFLEX_PI_PRESSED ? 1 : 0;
    GUI_HMEM h = pObj->ahDrawObj[i] ? pObj->ahDrawObj[i] : pObj->ahDrawObj[0];
    GUI_DRAWOBJ_Draw(h, p->hWin, 0, 0);
    break;
  }
  case WIDGET_ITEM_DRAW_TEXT: {
    const BUTTON_OBJ* pObj = BUTTON__GetObj(p->hWin);
    if (!pObj || !pObj->hText) {
      break;
    }
    std::string Text = (const char*)GUI_ALLOC_h2p(pObj->hText);
    int i = p->ItemIndex == BUTTON_SKINFLEX_PI_PRESSED ? 1 : p->ItemIndex == BUTTON_SKINFLEX_PI_DISABLED ? 2 : 0;
    GUI_RECT r = {(I16)(p->x0 + pProps->Radius), (I16)(p->y0 + 2), (I16)(p->x1 - pProps->Radius), (I16)(p->y1 - 2)};
    GUI_MoveRect(&r, pObj->Props.xOffText, pObj->Props.yOffText);
    GUI_SetColor(pObj->Props.aTextColor[i]);
    GUI_SetFont(pObj->Props.pFont);
    int Align = pObj->Props.Align;
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringInRect(Text.c_str(), &r, Align);
    break;
  }
  }
  return 0;
}

void BUTTON_GetSkinFlexProps(BUTTON_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aFlexProps, pProps, Index);
}

void BUTTON_SetSkinFlexProps(const BUTTON_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aFlexProps, pProps, Index);
}

void BUTTON_SetSkinClassic(WM_HWIN hObj) {
  WIDGET__SetSkinClassic(&BUTTON__Type, hObj, &BUTTON__SkinClassic);
}

void BUTTON_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDraw) {
  WIDGET__SetSkinFlex(&BUTTON__Type, hObj, &BUTTON__SkinFlex, pfDraw);
}

WIDGET_DRAW_ITEM_FUNC* BUTTON_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDraw) {
  WM__LockGuard Lock;
  WIDGET_DRAW_ITEM_FUNC* pOld = _pfDefaultDrawSkin;
  _pfDefaultDrawSkin = pfDraw;
  BUTTON__DefaultProps.pfDrawSkin = pfDraw;
  BUTTON__pDefaultSkin = pfDraw ? &BUTTON__SkinFlex : &BUTTON__SkinClassic;
  return pOld;
}
