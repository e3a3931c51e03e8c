// FRAMEWIN: the classic look (flat grey border, raised 3D edge, a plain bar with the title drawn by an
// exchangeable title routine) and the module's skin defaults. The paint reads the state and never changes it.
#include "FRAMEWIN.h"

namespace {

int _GetBorderSizeClassic(WM_HWIN hObj, int) {
  return FRAMEWIN__Obj(hObj)->Props.BorderSize;
}

void _CreateClassic(WM_HWIN hObj) {
  FRAMEWIN__Obj(hObj)->pfOwnerDraw = FRAMEWIN__DrawTitleClassic;
}

void _PaintClassic(WM_HWIN hObj) {
  FRAMEWIN_POS Pos;
  FRAMEWIN__CalcPositions(hObj, &Pos);
  FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
  int xSize = WM_GetWindowSizeX(hObj), ySize = WM_GetWindowSizeY(hObj);
  int Border = pObj->Props.BorderSize;
  const GUI_RECT& c = Pos.rClient;
  if (pObj->pfOwnerDraw && Pos.TitleHeight) {
    GUI_RECT rClip = {c.x0, (I16)(Pos.rTitle.y0 - 1), c.x1, Pos.rTitle.y1};
    WM_SetUserClipRect(&rClip);
    WIDGET_ITEM_DRAW_INFO Info = {};
    Info.hWin = hObj;
    Info.Cmd = WIDGET_ITEM_DRAW;
    Info.x0 = c.x0;
    Info.y0 = Pos.rTitle.y0;
    Info.x1 = c.x1;
    Info.y1 = Pos.rTitle.y1;
    Info.p = &Pos;
    pObj->pfOwnerDraw(&Info);
    WM_SetUserClipRect(nullptr);
  }
  GUI_SetColor(0xAAAAAA);
  GUI_FillRect(0, 0, xSize - 1, Border - 1);
  GUI_FillRect(0, 0, c.x0 - 1, ySize - 1);
  GUI_FillRect(c.x1 + 1, 0, xSize - 1, ySize - 1);
  GUI_FillRect(0, c.y1 + 1, xSize - 1, ySize - 1);
  if (Pos.TitleHeight) {
    int y = Border + Pos.TitleHeight;
    GUI_FillRect(0, y, xSize - 1, y + pObj->Props.IBorderSize - 1);
  }
  if (Border > 1) {
    WIDGET__Effect3D_DrawUp();
  }
}

const FRAMEWIN_SKIN_PRIVATE _ClassicPrivate = {_GetBorderSizeClassic, nullptr};

} // namespace

const WIDGET_SKIN FRAMEWIN__SkinClassic = {_PaintClassic, _CreateClassic, (void*)&_ClassicPrivate};

int FRAMEWIN__DrawTitleClassic(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  WM_HWIN hObj = pInfo->hWin;
  const FRAMEWIN_POS* pPos = (const FRAMEWIN_POS*)pInfo->p;
  const FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
  int Active = (pObj->Flags & FRAMEWIN_SF_ACTIVE) ? 1 : 0;
  const char* s = WIDGET__Text(pObj->hText);
  GUI_RECT rText = {(I16)(pPos->rTitle.x0 + 1), (I16)(pPos->rTitle.y0 + 1), (I16)(pPos->rTitle.x1 - 1),
                    pPos->rTitle.y1};
  GUI_RECT rFill = {(I16)(pPos->rClient.x0 - 1), pPos->rTitle.y0, (I16)(pPos->rClient.x1 + 1), pPos->rTitle.y1};
  GUI_SetFont(pObj->Props.pFont);
  GUI_RECT rExtent;
  GUI__CalcTextRect(s, &rText, &rExtent, pObj->Props.TextAlign);
  GUI_SetBkColor(pObj->Props.aBarColor[Active]);
  GUI_SetColor(pObj->Props.aTextColor[Active]);
  WIDGET__FillStringInRect(s, &rFill, &rText, &rExtent);
  return 0;
}

void FRAMEWIN_SetSkinClassic(WM_HWIN hObj) {
  FRAMEWIN__ChangeLayout(hObj, [](FRAMEWIN_OBJ* pObj) {
    pObj->pSkin = &FRAMEWIN__SkinClassic;
    pObj->pfOwnerDraw = FRAMEWIN__DrawTitleClassic;
  });
}

void FRAMEWIN_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  FRAMEWIN__ChangeLayout(hObj, [&](FRAMEWIN_OBJ* pObj) {
    pObj->pSkin = &FRAMEWIN__SkinFlex;
    pObj->Props.pfDrawSkin = pfDrawSkin;
  });
}

void FRAMEWIN_SetDefaultSkinClassic(void) {
  WIDGET__SetDefaultSkinClassic(&FRAMEWIN__Type, &FRAMEWIN__SkinClassic);
}

WIDGET_DRAW_ITEM_FUNC* FRAMEWIN_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&FRAMEWIN__Type, &FRAMEWIN__SkinFlex, pfDrawSkin);
}
