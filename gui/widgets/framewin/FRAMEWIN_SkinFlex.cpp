// FRAMEWIN: the flexible look. Every part (frame, separator, title background, title text) is a request to
// the frame's item routine, which also answers the border sizes and the corner radius; the library's routine
// draws rounded top corners, two frame lines and a gradient title from two property sets (active, inactive).
#include "FRAMEWIN.h"

namespace {

FRAMEWIN_SKINFLEX_PROPS _aProps[2] = {
    {{0x000000, 0xFFFFFF, 0xD2B69A}, {0xD2B69A, 0xEAD1B9}, 5, 0, 5, 5, 2, 4},
    {{0x4C4C4C, 0xFFFFFF, 0xDCCEC0}, {0xDCCEC0, 0xF2E4D7}, 5, 0, 5, 5, 2, 4},
};

const FRAMEWIN_SKINFLEX_PROPS& _Props(WM_HWIN hObj) {
  return _aProps[(FRAMEWIN__Obj(hObj)->Flags & FRAMEWIN_SF_ACTIVE) ? 0 : 1];
}

int _Request(WM_HWIN hObj, int Cmd, int x0 = 0, int y0 = 0, int x1 = 0, int y1 = 0) {
  WIDGET_DRAW_ITEM_FUNC* pf = FRAMEWIN__Obj(hObj)->Props.pfDrawSkin;
  if (!pf) {
    pf = FRAMEWIN_DrawSkinFlex;
  }
  WIDGET_ITEM_DRAW_INFO Info = {};
  Info.hWin = hObj;
  Info.Cmd = Cmd;
  Info.x0 = x0;
  Info.y0 = y0;
  Info.x1 = x1;
  Info.y1 = y1;
  return pf(&Info);
}

int _GetBorderSizeFlex(WM_HWIN hObj, int Edge) {
  static const int aCmd[] = {WIDGET_ITEM_GET_BORDERSIZE_T, WIDGET_ITEM_GET_BORDERSIZE_L,
                             WIDGET_ITEM_GET_BORDERSIZE_B, WIDGET_ITEM_GET_BORDERSIZE_R};
  return Edge >= 0 && Edge < 4 ? _Request(hObj, aCmd[Edge]) : 0;
}

void _CreateFlex(WM_HWIN hObj) {
  _Request(hObj, WIDGET_ITEM_CREATE);
}

void _PaintFlex(WM_HWIN hObj) {
  FRAMEWIN_POS Pos;
  FRAMEWIN__CalcPositions(hObj, &Pos);
  int L = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_LEFT), R = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_RIGHT);
  int T = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_TOP);
  int w = WM_GetWindowSizeX(hObj), h = WM_GetWindowSizeY(hObj);
  int TitleHeight = Pos.TitleHeight;
  _Request(hObj, WIDGET_ITEM_DRAW_FRAME, 0, 0, w - 1, h - 1);
  if (TitleHeight) {
    _Request(hObj, WIDGET_ITEM_DRAW_SEP, L, T + TitleHeight, w - R - 1,
             T + TitleHeight + FRAMEWIN__Obj(hObj)->Props.IBorderSize - 1);
    _Request(hObj, WIDGET_ITEM_DRAW_BACKGROUND, L, T, w - R - 1, T + TitleHeight - 1);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_SetFont(FRAMEWIN__Obj(hObj)->Props.pFont);
    _Request(hObj, WIDGET_ITEM_DRAW_TEXT, Pos.rTitle.x0, Pos.rTitle.y0, Pos.rTitle.x1, Pos.rTitle.y1);
  }
}

void _Fill(GUI_COLOR Color, int x0, int y0, int x1, int y1) {
  if (x1 >= x0 && y1 >= y0) {
    GUI_SetColor(Color);
    GUI_FillRect(x0, y0, x1, y1);
  }
}

void _DrawFrame(WM_HWIN hObj, const FRAMEWIN_SKINFLEX_PROPS& p, int x0, int y0, int x1, int y1) {
  int r = _Request(hObj, WIDGET_ITEM_GET_RADIUS);
  int L = p.BorderSizeL, R = p.BorderSizeR, T = p.BorderSizeT, B = p.BorderSizeB;
  GUI_COLOR C0 = p.aColorFrame[0], C1 = p.aColorFrame[1], C2 = p.aColorFrame[2];
  if (r < 2) {
    _Fill(C0, x0, y0, x0 + L - 1, y0);
    _Fill(C0, x1 - R + 1, y0, x1, y0);
    _Fill(C0, x0, y0 + 1, x0, y0 + 1);
    _Fill(C0, x1, y0 + 1, x1, y0 + 1);
    _Fill(C1, x0 + 1, y0 + 1, x0 + 1, y0 + 1);
    _Fill(C1, x1 - 1, y0 + 1, x1 - 1, y0 + 1);
  } else {
    GUI__FillRoundedCornersTop(x0, x1, y0, r, C0, C1, C2);
  }
  int m = r < 2 ? 2 : r;
  _Fill(C0, x0 + m, y0, x1 - m, y0);
  _Fill(C1, x0 + m, y0 + 1, x1 - m, y0 + 1);
  if (T >= 3) {
    _Fill(C2, x0 + m, y0 + 2, x1 - m, y0 + T - 1);
  } else {
    // Under each corner, between the arc and a border wider than the radius; each side by its own width,
    // so that a wide left border beside a narrow right one leaves nothing unpainted.
    if (r < L) {
      _Fill(C1, x0 + m, y0 + 2, x0 + L - 1, y0 + m);
    }
    if (r < R) {
      _Fill(C1, x1 - R + 1, y0 + 2, x1 - m, y0 + m);
    }
  }
  _Fill(C0, x0, y0 + m, x0, y1 - 1);
  _Fill(C0, x1, y0 + m, x1, y1 - 1);
  _Fill(C1, x0 + 1, y0 + m, x0 + 1, y1 - 2);
  _Fill(C1, x1 - 1, y0 + m, x1 - 1, y1 - 2);
  if (L > 2 || R > 2) {
    int yb = B <= 2 ? y1 - 2 : y1 - B;
    if (L > 2) {
      _Fill(C2, x0 + 2, y0 + m, x0 + L - 1, yb);
    }
    if (R > 2) {
      _Fill(C2, x1 - R + 1, y0 + m, x1 - 2, yb);
    }
  }
  _Fill(C0, x0, y1, x1, y1);
  _Fill(C1, x0 + 1, y1 - 1, x1 - 1, y1 - 1);
  if (B > 2) {
    _Fill(C2, x0 + 2, y1 - B + 1, x1 - 2, y1 - 2);
  }
}

WIDGET_DRAW_ITEM_FUNC* _pfDefaultDraw = FRAMEWIN_DrawSkinFlex;

const FRAMEWIN_SKIN_PRIVATE _FlexPrivate = {_GetBorderSizeFlex, &_pfDefaultDraw};

} // namespace

const WIDGET_SKIN FRAMEWIN__SkinFlex = {_PaintFlex, _CreateFlex, (void*)&_FlexPrivate};

int FRAMEWIN_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  WM_HWIN hObj = pInfo->hWin;
  const FRAMEWIN_SKINFLEX_PROPS& p = _Props(hObj);
  switch (pInfo->Cmd) {
  case WIDGET_ITEM_CREATE: {
    FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
    pObj->Props.TextAlign = (I16)(pObj->Props.TextAlign | GUI_TA_VCENTER);
    WM_SetHasTrans(hObj);
    return 0;
  }
  case WIDGET_ITEM_DRAW_BACKGROUND:
    GUI_DrawGradientV(pInfo->x0, pInfo->y0, pInfo->x1, pInfo->y1, p.aColorTitle[0], p.aColorTitle[1]);
    return 0;
  case WIDGET_ITEM_DRAW_FRAME:
    _DrawFrame(hObj, p, pInfo->x0, pInfo->y0, pInfo->x1, pInfo->y1);
    return 0;
  case WIDGET_ITEM_DRAW_SEP:
    _Fill(p.aColorFrame[2], pInfo->x0, pInfo->y0, pInfo->x1, pInfo->y1);
    return 0;
  case WIDGET_ITEM_DRAW_TEXT: {
    const FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
    if (!pObj->hText) {
      return 0;
    }
    GUI_RECT r = {(I16)(pInfo->x0 + p.SpaceX), (I16)pInfo->y0, (I16)(pInfo->x1 - p.SpaceX), (I16)pInfo->y1};
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_SetColor(pObj->Props.aTextColor[(pObj->Flags & FRAMEWIN_SF_ACTIVE) ? 1 : 0]);
    GUI_SetFont(pObj->Props.pFont);
    GUI_DispStringInRect(WIDGET__Text(pObj->hText), &r, pObj->Props.TextAlign);
    return 0;
  }
  case WIDGET_ITEM_GET_BORDERSIZE_B:
    return p.BorderSizeB;
  case WIDGET_ITEM_GET_BORDERSIZE_L:
    return p.BorderSizeL;
  case WIDGET_ITEM_GET_BORDERSIZE_R:
    return p.BorderSizeR;
  case WIDGET_ITEM_GET_BORDERSIZE_T:
    return p.BorderSizeT;
  case WIDGET_ITEM_GET_RADIUS:
    return p.Radius;
  }
  return 0;
}

void FRAMEWIN_GetSkinFlexProps(FRAMEWIN_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void FRAMEWIN_SetSkinFlexProps(const FRAMEWIN_SKINFLEX_PROPS* pProps, int Index) {
  if (!pProps || Index < 0 || Index > 1) {
    return;
  }
  FRAMEWIN_SKINFLEX_PROPS p = *pProps;
  for (int* pSize : {&p.BorderSizeL, &p.BorderSizeR, &p.BorderSizeT, &p.BorderSizeB}) {
    *pSize = *pSize < 2 ? 2 : *pSize;
  }
  WIDGET__SetProps(_aProps, &p, Index);
}
