// CHECKBOX: the flexible look. The paint routine asks the item routine for the box, the mark, the text and
// the focus; CHECKBOX_DrawSkinFlex draws framed boxes with a gradient and check marks computed for the box
// size. Marks are built once per box size, enabled/disabled and state, and kept until the library exits.
#include "CHECKBOX.h"

#include <cstring>

#include "GUI_Bitmap.h"

namespace {

CHECKBOX_SKINFLEX_PROPS _aProps[2] = {
    {{0x707070, 0xFCFCFC, 0xB9B3AE}, {0xD2D2D2, 0xF3F3F3}, 0x404040, 15},
    {{0xB5B2AD, 0xFCFCFC, 0xF4F4F4}, {0xF4F4F4, 0xF4F4F4}, 0x8B622C, 15},
};

// One cache entry: the check mark [0] and the third-state mark [1] of one box size, each built on demand.
struct MARKS {
  GUI_BITMAP aBitmap[2];
  GUI_PALETTE aPal[2];
  GUI_COLOR aColor[2]; // 0 and the check colour
  U16 Size;
  U8 aHas[2];
  MARKS* pNext;
};

MARKS* _apFirst[2]; // [0] enabled, [1] disabled

void _FreeMarks(void) {
  for (MARKS*& pFirst : _apFirst) {
    while (pFirst) {
      MARKS* pNext = pFirst->pNext;
      GUI_ALLOC_FreeFixedBlock(pFirst);
      pFirst = pNext;
    }
  }
}

GUI_REGISTER_EXIT _Exit = {nullptr, _FreeMarks};

// Fills the mark's pixels: two strokes three pixels thick, the third state with every other pixel.
void _BuildMark(U8* pData, int w, int BytesPerLine, bool ThirdState) {
  const int t = 3, m = 1, d = w / 5, h = w;
  int y = h / 2 - (h / 2) / 2 - t / 2 + d + m;
  int xTurn = w / 2 - d;
  auto Column = [&](int x) {
    for (int i = 0; i < t; i++) {
      int yy = y + i;
      if ((ThirdState && (i & 1)) || yy < 0 || yy >= h || x < 0 || x >= w) {
        continue;
      }
      pData[yy * BytesPerLine + x / 8] |= (U8)(0x80 >> (x & 7));
    }
  };
  for (int x = m; x < xTurn; x++, y++) {
    Column(x);
  }
  for (int x = xTurn; x < w - m; x++, y--) {
    Column(x);
  }
}

const GUI_BITMAP* _GetMark(int PropIndex, int Size, int Mark) {
  for (MARKS* p = _apFirst[PropIndex]; p; p = p->pNext) {
    if (p->Size == Size && p->aHas[Mark]) {
      return &p->aBitmap[Mark];
    }
  }
  int w = Size - 6;
  if (w <= 0) {
    return nullptr;
  }
  int BytesPerLine = (w + 7) / 8;
  int DataSize = BytesPerLine * w;
  MARKS* p = (MARKS*)GUI_ALLOC_GetFixedBlock((I32)(sizeof(MARKS) + (size_t)DataSize));
  if (!p) {
    // The value follows as ": 80".
    GUI_ErrorOut1("Could not allocate memory for new SKINPROP_BITMAP structure. Size of SKINPROP_BITMAP", 80);
    return nullptr;
  }
  GUI__RegisterExit(&_Exit);
  *p = MARKS{};
  U8* pData = (U8*)(p + 1);
  memset(pData, 0, (size_t)DataSize);
  _BuildMark(pData, w, BytesPerLine, Mark == 1);
  p->aColor[0] = 0;
  p->aColor[1] = _aProps[PropIndex].ColorCheck;
  p->aPal[Mark] = {2, 1, p->aColor};
  p->aBitmap[Mark] = {(U16)w, (U16)w, (U16)BytesPerLine, 1, pData, &p->aPal[Mark], nullptr};
  p->aHas[Mark] = 1;
  p->Size = (U16)Size;
  p->pNext = _apFirst[PropIndex];
  _apFirst[PropIndex] = p;
  return &p->aBitmap[Mark];
}

const CHECKBOX_OBJ* _Obj(WM_HWIN hObj) {
  return (const CHECKBOX_OBJ*)WM_H2P(hObj);
}

WIDGET_DRAW_ITEM_FUNC* _DrawFunc(const CHECKBOX_OBJ* pObj) {
  return pObj->Props.SkinPrivate.pfDrawSkin ? pObj->Props.SkinPrivate.pfDrawSkin : CHECKBOX_DrawSkinFlex;
}

WIDGET_ITEM_DRAW_INFO _ClientInfo(WM_HWIN hObj, int Cmd) {
  WIDGET_ITEM_DRAW_INFO Info = {};
  Info.hWin = hObj;
  Info.Cmd = Cmd;
  GUI_RECT r;
  WM_GetClientRectEx(hObj, &r);
  Info.x0 = r.x0;
  Info.y0 = r.y0;
  Info.x1 = r.x1;
  Info.y1 = r.y1;
  return Info;
}

void _PaintFlex(WM_HWIN hObj) {
  const CHECKBOX_OBJ* pObj = _Obj(hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDraw = _DrawFunc(pObj);
  WIDGET_ITEM_DRAW_INFO Info = _ClientInfo(hObj, WIDGET_ITEM_DRAW_BUTTON);
  Info.ItemIndex = pObj->CurrentState;
  pfDraw(&Info);
  if (!WM__IsWindow(hObj)) {
    return;
  }
  if (_Obj(hObj)->CurrentState) {
    Info.Cmd = WIDGET_ITEM_DRAW_BITMAP;
    pfDraw(&Info);
  }
  if (!WM__IsWindow(hObj) || !_Obj(hObj)->hpText) {
    return;
  }
  void* pText = GUI_ALLOC_LockH(_Obj(hObj)->hpText);
  Info.p = pText;
  Info.Cmd = WIDGET_ITEM_DRAW_TEXT;
  pfDraw(&Info);
  if (WM__IsWindow(hObj) && (_Obj(hObj)->Widget.State & WIDGET_STATE_FOCUS)) {
    Info.Cmd = WIDGET_ITEM_DRAW_FOCUS;
    pfDraw(&Info);
  }
  GUI_ALLOC_UnlockH(&pText);
}

void _CreateFlex(WM_HWIN hObj) {
  WIDGET_ITEM_DRAW_INFO Info = _ClientInfo(hObj, WIDGET_ITEM_CREATE);
  _DrawFunc(_Obj(hObj))(&Info);
}

// The text rectangle: the client area right of the box.
GUI_RECT _TextRect(const WIDGET_ITEM_DRAW_INFO* p, const CHECKBOX_OBJ* pObj) {
  return {(I16)(p->x0 + pObj->Props.Spacing + pObj->FlexButtonSize), (I16)p->y0, (I16)p->x1, (I16)p->y1};
}

} // namespace

int CHECKBOX__GetDefaultSizeFlex(void) {
  WIDGET_ITEM_DRAW_INFO Info = {};
  Info.Cmd = WIDGET_ITEM_GET_BUTTONSIZE;
  WIDGET_DRAW_ITEM_FUNC* pfDraw = CHECKBOX__DefaultProps.SkinPrivate.pfDrawSkin;
  return (pfDraw ? pfDraw : CHECKBOX_DrawSkinFlex)(&Info);
}

const WIDGET_SKIN CHECKBOX__SkinFlex = {_PaintFlex, _CreateFlex, (void*)&CHECKBOX__DefaultProps.SkinPrivate};

int CHECKBOX_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* p) {
  if (!p) {
    return 0;
  }
  if (p->Cmd == WIDGET_ITEM_GET_BUTTONSIZE) {
    return _aProps[CHECKBOX_SKINFLEX_PI_ENABLED].ButtonSize;
  }
  if (!WM__IsWindow(p->hWin)) {
    return 0;
  }
  CHECKBOX_OBJ* pObj = (CHECKBOX_OBJ*)WM_H2P(p->hWin);
  int PropIndex = WM__IsEnabled(p->hWin) ? CHECKBOX_SKINFLEX_PI_ENABLED : CHECKBOX_SKINFLEX_PI_DISABLED;
  const CHECKBOX_SKINFLEX_PROPS& Props = _aProps[PropIndex];
  int S = pObj->FlexButtonSize;
  switch (p->Cmd) {
  case WIDGET_ITEM_CREATE:
    WM_SetHasTrans(p->hWin);
    ((CHECKBOX_OBJ*)WM_H2P(p->hWin))->FlexButtonSize = WM_GetWindowSizeY(p->hWin);
    break;
  case WIDGET_ITEM_DRAW_BUTTON:
    for (int i = 0; i < 3; i++) {
      GUI_SetColor(Props.aColorFrame[i]);
      GUI_DrawRect(p->x0 + i, p->y0 + i, p->x0 - i + S - 1, p->y0 - i + S - 1);
    }
    if (S > 6) {
      GUI_DrawGradientV(p->x0 + 3, p->y0 + 3, p->x0 + S - 4, p->y0 + S - 4, Props.aColorInner[0],
                        Props.aColorInner[1]);
    }
    break;
  case WIDGET_ITEM_DRAW_BITMAP:
    if (p->ItemIndex == 1 || p->ItemIndex == 2) {
      if (const GUI_BITMAP* pBm = _GetMark(PropIndex, S, p->ItemIndex - 1)) {
        GUI_DrawBitmap(pBm, 3, 3);
      }
    }
    break;
  case WIDGET_ITEM_DRAW_FOCUS: {
    GUI_RECT r = _TextRect(p, pObj);
    GUI_RECT rFocus = CHECKBOX__GetFocusExtent(pObj, r, WIDGET__Text(pObj->hpText));
    GUI_SetColor(pObj->Props.FocusColor);
    GUI_DrawFocusRect(&rFocus, -1);
    break;
  }
  case WIDGET_ITEM_DRAW_TEXT: {
    GUI_RECT r = _TextRect(p, pObj);
    GUI_SetFont(pObj->Props.pFont);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_SetColor(pObj->Props.TextColor);
    GUI_DispStringInRect((const char*)p->p, &r, pObj->Props.Align);
    break;
  }
  }
  return 0;
}

void CHECKBOX_GetSkinFlexProps(CHECKBOX_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__GetProps(_aProps, pProps, Index);
}

void CHECKBOX_SetSkinFlexProps(const CHECKBOX_SKINFLEX_PROPS* pProps, int Index) {
  WIDGET__SetProps(_aProps, pProps, Index);
}

int CHECKBOX_GetSkinFlexButtonSize(WM_HWIN hObj) {
  return WIDGET__Read<CHECKBOX_OBJ>(&CHECKBOX__Type, hObj, 0,
                                    [](CHECKBOX_OBJ *pObj) { return (int)pObj->FlexButtonSize; });
}

void CHECKBOX_SetSkinFlexButtonSize(WM_HWIN hObj, int ButtonSize) {
  WIDGET__Change<CHECKBOX_OBJ>(&CHECKBOX__Type, hObj, [&](CHECKBOX_OBJ* pObj) {
    pObj->FlexButtonSize = ButtonSize;
    return true;
  });
}

void CHECKBOX_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  WIDGET__SetSkinFlex(&CHECKBOX__Type, hObj, &CHECKBOX__SkinFlex, pfDrawSkin);
}

WIDGET_DRAW_ITEM_FUNC* CHECKBOX_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin) {
  return WIDGET__SetDefaultSkinFlex(&CHECKBOX__Type, &CHECKBOX__SkinFlex, pfDrawSkin);
}
