// TREEVIEW: the built-in images, the item sizes, the drawing record of a shown item and the painting of the
// rows through the item drawing routine.
#include <cstring>
#include <string>

#include "TREEVIEW.h"

namespace {

// Pixel art packed at compile time: one character per pixel, '.' or a digit for the palette index, rows
// of W characters; pixels are packed from the most significant bit on.
template <int W, int H, int BPP> struct Art {
  static constexpr int BytesPerLine = (W * BPP + 7) / 8;
  U8 a[BytesPerLine * H] = {};
  constexpr explicit Art(const char* s) {
    for (int y = 0; y < H; y++) {
      for (int x = 0; x < W; x++) {
        char c = s[y * W + x];
        int v = c == '.' ? 0 : c - '0';
        a[y * BytesPerLine + x * BPP / 8] |= (U8)(v << (8 - BPP - (x * BPP) % 8));
      }
    }
    if (s[W * H] != 0) {
      throw "art of the wrong size";
    }
  }
};

constexpr Art<16, 12, 4> _FolderClosed("..22222........."
                                        ".2444442222222.."
                                        ".233333333333321"
                                        ".244444444444421"
                                        ".244444444444421"
                                        ".244444444444421"
                                        ".244444444444421"
                                        ".244444444444421"
                                        ".244444444444421"
                                        ".244444444444421"
                                        ".222222222222221"
                                        "..11111111111111");
constexpr Art<16, 12, 4> _FolderOpen("..22222........."
                                      ".2444442222222.."
                                      ".244444444444421"
                                      ".242222222222222"
                                      ".224333333333332"
                                      ".224444444444421"
                                      ".224444444444421"
                                      ".224444444444421"
                                      ".224444444444421"
                                      ".224444444444421"
                                      ".222222222222221"
                                      "..11111111111111");
constexpr Art<14, 15, 2> _Leaf("2222222222...."
                               "21111111122..."
                               "211111111212.."
                               "2111111112222."
                               "2111111111112."
                               "2133333331112."
                               "2111111111112."
                               "2133333333112."
                               "2111111111112."
                               "2133333311112."
                               "2111111111112."
                               "2133333333112."
                               "2111111111112."
                               "2111111111112."
                               "2222222222222.");
constexpr Art<9, 9, 1> _Plus("111111111"
                             "100000001"
                             "100010001"
                             "100010001"
                             "101111101"
                             "100010001"
                             "100010001"
                             "100000001"
                             "111111111");
constexpr Art<9, 9, 1> _Minus("111111111"
                              "100000001"
                              "100000001"
                              "100000001"
                              "101111101"
                              "100000001"
                              "100000001"
                              "100000001"
                              "111111111");

const GUI_COLOR _aColorFolder[] = {0x000000, 0x000000, 0x7F7F7F, 0xE0E0E0, 0x60FFFF};
const GUI_COLOR _aColorLeaf[] = {0x000000, 0xF0F0F0, 0x000000, 0x7F7F7F};
const GUI_COLOR _aColorButton[] = {0xFFFFFF, 0x000000};
const GUI_PALETTE _PalFolder = {5, 1, _aColorFolder};
const GUI_PALETTE _PalLeaf = {4, 1, _aColorLeaf};
const GUI_PALETTE _PalButton = {2, 0, _aColorButton};

TREEVIEW_OBJ* _Obj(WM_HWIN hObj) {
  return (TREEVIEW_OBJ*)WM_H2P(hObj);
}

bool _HasChildren(const TREEVIEW_ITEM_OBJ* p) {
  return (p->Flags & TREEVIEW_ITEM_FLAG_NODE) && p->hNext && TREEVIEW__Item(p->hNext)->Level > p->Level;
}

int _ImageIndex(const TREEVIEW_ITEM_OBJ* p) {
  if (!(p->Flags & TREEVIEW_ITEM_FLAG_NODE)) {
    return TREEVIEW_BI_LEAF;
  }
  return ((p->Flags & TREEVIEW_ITEM_FLAG_EXPANDED) && _HasChildren(p)) ? TREEVIEW_BI_OPEN : TREEVIEW_BI_CLOSED;
}

// The item's own image of that index, else the tree's.
const GUI_BITMAP* _Image(const TREEVIEW_OBJ* pObj, const TREEVIEW_ITEM_OBJ* p, int Index) {
  if (p->hImages) {
    if (const GUI_BITMAP* pBm = ((const GUI_BITMAP* const*)GUI_ALLOC_h2p(p->hImages))[Index]) {
      return pBm;
    }
  }
  return pObj->Props.apBm[Index];
}

int _Ask(WM_HWIN hObj, int Cmd, GUI_HMEM hItem) {
  WIDGET_DRAW_ITEM_FUNC* pf = _Obj(hObj)->pfDrawItem;
  WIDGET_ITEM_DRAW_INFO Info = {hObj, Cmd, (int)hItem, 0, 0, 0, 0, 0, nullptr};
  return pf ? pf(&Info) : 0;
}

void _AddLine(TREEVIEW_ITEM_DRAW_RECORD* r, int x0, int y0, int x1, int y1) {
  int i = r->NumLines++;
  r->ax0[i] = WM__ClampI16(x0), r->ay0[i] = WM__ClampI16(y0), r->ax1[i] = WM__ClampI16(x1);
  r->ay1[i] = WM__ClampI16(y1);
}

void _BuildRecord(WM_HWIN hObj, GUI_HMEM hItem, int x0, int y0, int y1, TREEVIEW_ITEM_DRAW_RECORD* r) {
  const TREEVIEW_OBJ* pObj = _Obj(hObj);
  const TREEVIEW_ITEM_OBJ* p = TREEVIEW__Item(hItem);
  *r = {};
  int I = pObj->Props.Indent, L = p->Level;
  int State = !WM__IsEnabled(hObj) ? TREEVIEW_CI_DISABLED : (hItem == pObj->hSel ? TREEVIEW_CI_SEL : 0);
  int RowState = (pObj->Flags & TREEVIEW_CF_ROWSELECT) ? State : (State == TREEVIEW_CI_DISABLED ? State : 0);
  r->ColorBk = pObj->Props.aBkColor[RowState];
  r->ColorText = pObj->Props.aTextColor[State];
  r->ColorTextBk = pObj->Props.aBkColor[State];
  r->ColorLines = pObj->Props.aLineColor[RowState];
  r->pFont = pObj->Props.pFont;
  r->pText = p->acText;
  const GUI_FONT* pOld = GUI_SetFont(r->pFont);
  int wText = GUI_GetStringDistX(p->acText);
  int hFont = GUI_GetFontDistY();
  GUI_SetFont(pOld);
  int xText = (L + 1) * I + pObj->Props.TextIndent + x0;
  int yText = y0 + (y1 - y0 + 1 - hFont) / 2;
  // Deep levels with wide indents lie beyond the coordinate range: positions are held to it, not wrapped.
  r->rText = {WM__ClampI16(xText), WM__ClampI16(yText), WM__ClampI16(xText + wText - 1),
              WM__ClampI16(yText + hFont - 1)};
  int xL = x0 - 1 + L * I, ym = (y0 + y1) / 2;
  bool IsNode = p->Flags & TREEVIEW_ITEM_FLAG_NODE, HasChildren = _HasChildren(p);
  bool Expanded = p->Flags & TREEVIEW_ITEM_FLAG_EXPANDED;
  if (!(pObj->Flags & TREEVIEW_CF_HIDELINES)) {
    if (L > 0) {
      _AddLine(r, xL - I / 2, y0, xL - I / 2, (p->Flags & TREEVIEW_ITEM_FLAG_LAST) ? ym : y1);
      int xEnd = !IsNode ? xL + I - 1 : (HasChildren ? xL + I / 2 : xL + I);
      _AddLine(r, xL - I / 2, ym, xEnd, ym);
    }
    if (IsNode && Expanded && HasChildren) {
      _AddLine(r, xL + I / 2, ym, xL + I / 2, y1);
    }
    for (int k = 0; k < 16; k++) {
      if (p->LineMask & (1u << k)) {
        r->axConnector[r->NumConnectors++] = WM__ClampI16(x0 - 1 + I / 2 + k * I);
      }
    }
  }
  if (HasChildren) {
    r->IndexPM = Expanded ? TREEVIEW_BI_MINUS : TREEVIEW_BI_PLUS;
    r->pBmPM = pObj->Props.apBm[r->IndexPM];
    r->xPosPM = WM__ClampI16(xL + I / 2 - (r->pBmPM ? r->pBmPM->XSize / 2 : 0) + pObj->xOffButton);
    r->yOffPM = pObj->yOffButton;
  }
  r->IndexOCL = (U8)_ImageIndex(p);
  r->pBmOCL = _Image(pObj, p, r->IndexOCL);
  r->xPosOCL = WM__ClampI16(xL + I);
}

void _DrawImage(const GUI_BITMAP* pBm, int x, int y0, int y1, int yOff) {
  if (pBm) {
    GUI_DrawBitmap(pBm, x, y0 + (y1 - y0 + 1 - pBm->YSize) / 2 + yOff);
  }
}

} // namespace

const GUI_BITMAP TREEVIEW__abmDefault[5] = {
    {16, 12, 8, 4, _FolderClosed.a, &_PalFolder, nullptr}, {16, 12, 8, 4, _FolderOpen.a, &_PalFolder, nullptr},
    {14, 15, 4, 2, _Leaf.a, &_PalLeaf, nullptr},           {9, 9, 2, 1, _Plus.a, &_PalButton, nullptr},
    {9, 9, 2, 1, _Minus.a, &_PalButton, nullptr}};

int TREEVIEW__CalcItemXSize(WM_HWIN hObj, GUI_HMEM hItem) {
  int n = _Ask(hObj, TREEVIEW_ITEM_GET_XSIZE, hItem);
  if (n > 0) {
    return n;
  }
  const TREEVIEW_OBJ* pObj = _Obj(hObj);
  const TREEVIEW_ITEM_OBJ* p = TREEVIEW__Item(hItem);
  const GUI_FONT* pOld = GUI_SetFont(pObj->Props.pFont);
  int w = GUI_GetStringDistX(p->acText);
  GUI_SetFont(pOld);
  return w + (p->Level + 1) * pObj->Props.Indent + pObj->Props.TextIndent;
}

// An owner-drawn tree may answer the height; otherwise (and never below one pixel) the greatest of the
// font, the item's image and the least row height.
int TREEVIEW__GetItemHeight(WM_HWIN hObj, GUI_HMEM hItem) {
  int n = _Ask(hObj, TREEVIEW_ITEM_GET_YSIZE, hItem);
  if (n > 0) {
    return n;
  }
  const TREEVIEW_OBJ* pObj = _Obj(hObj);
  const TREEVIEW_ITEM_OBJ* p = TREEVIEW__Item(hItem);
  int h = GUI_GetYSizeOfFont(pObj->Props.pFont);
  const GUI_BITMAP* pBm = _Image(pObj, p, _ImageIndex(p));
  h = (pBm && pBm->YSize > h) ? pBm->YSize : h;
  h = pObj->Props.MinItemHeight > h ? pObj->Props.MinItemHeight : h;
  return h > 0 ? h : 1;
}

// Commands 26 and 27 come with no record (p null): the tree then uses its own sizes.
int TREEVIEW_OwnerDraw(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  const TREEVIEW_ITEM_DRAW_RECORD* r = pInfo ? (const TREEVIEW_ITEM_DRAW_RECORD*)pInfo->p : nullptr;
  if (!r) {
    return 0;
  }
  switch (pInfo->Cmd) {
  case WIDGET_ITEM_DRAW_BACKGROUND: {
    GUI_SetBkColor(r->ColorBk);
    const GUI_RECT& t = r->rText;
    GUI_ClearRect(pInfo->x0, pInfo->y0, pInfo->x1, t.y0 - 1);
    GUI_ClearRect(pInfo->x0, t.y0, t.x0 - 1, t.y1);
    GUI_ClearRect(t.x1 + 1, t.y0, pInfo->x1, t.y1);
    GUI_ClearRect(pInfo->x0, t.y1 + 1, pInfo->x1, pInfo->y1);
    break;
  }
  case WIDGET_ITEM_DRAW_TEXT:
    GUI_SetBkColor(r->ColorTextBk);
    GUI_ClearRectEx(&r->rText);
    GUI_SetColor(r->ColorText);
    GUI_SetFont(r->pFont);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringAt(r->pText, r->rText.x0, r->rText.y0);
    break;
  case TREEVIEW_ITEM_DRAW_LINES:
    GUI_SetColor(r->ColorLines);
    for (int i = 0; i < r->NumLines; i++) {
      if (r->ax0[i] == r->ax1[i]) {
        GUI_DrawVLine(r->ax0[i], r->ay0[i], r->ay1[i]);
      } else {
        GUI_DrawHLine(r->ay0[i], r->ax0[i], r->ax1[i]);
      }
    }
    for (int i = 0; i < r->NumConnectors; i++) {
      GUI_DrawVLine(r->axConnector[i], pInfo->y0, pInfo->y1);
    }
    break;
  case WIDGET_ITEM_DRAW_BITMAP:
    if (pInfo->ItemIndex >= TREEVIEW_BI_PLUS) {
      _DrawImage(r->pBmPM, r->xPosPM, pInfo->y0, pInfo->y1, r->yOffPM);
    } else {
      _DrawImage(r->pBmOCL, r->xPosOCL, pInfo->y0, pInfo->y1, 0);
    }
    break;
  }
  return 0;
}

void TREEVIEW__Paint(WM_HWIN hObj) {
  TREEVIEW__UpdateLayout(hObj);
  GUI_RECT rIn;
  WM_GetInsideRectExScrollbar(hObj, &rIn);
  TREEVIEW_OBJ* pObj = _Obj(hObj);
  int w = rIn.x1 - rIn.x0 + 1;
  int x0 = rIn.x0 - pObj->ScrollStateH.Value;
  int x1 = x0 + (w > pObj->MaxWidth ? w : pObj->MaxWidth) - 1;
  int y = rIn.y0;
  GUI_HMEM hItem = pObj->hFirst;
  for (int i = 0; hItem && i < pObj->ScrollStateV.Value; i++) {
    hItem = TREEVIEW__NextShown(hItem);
  }
  for (; hItem && y <= rIn.y1; hItem = TREEVIEW__NextShown(hItem)) {
    int h = TREEVIEW__GetItemHeight(hObj, hItem);
    GUI_RECT rRow = {(I16)x0, (I16)y, (I16)x1, (I16)(y + h - 1)};
    GUI_RECT rClip;
    if (GUI__IntersectRects(&rClip, &rRow, &rIn)) {
      WM_SetUserClipRect(&rClip);
      TREEVIEW_ITEM_DRAW_RECORD Rec;
      _BuildRecord(hObj, hItem, x0, rRow.y0, rRow.y1, &Rec);
      // The text is copied: an item routine may allocate, and the item's block may move meanwhile.
      std::string Text = Rec.pText;
      Rec.pText = Text.c_str();
      WIDGET_ITEM_DRAW_INFO Info = {hObj, 0, 0, 0, x0, rRow.y0, x1, rRow.y1, &Rec};
      WIDGET_DRAW_ITEM_FUNC* pf = _Obj(hObj)->pfDrawItem;
      for (int Cmd : {WIDGET_ITEM_DRAW_BACKGROUND, WIDGET_ITEM_DRAW_TEXT, TREEVIEW_ITEM_DRAW_LINES}) {
        Info.Cmd = Cmd;
        pf(&Info);
      }
      Info.Cmd = WIDGET_ITEM_DRAW_BITMAP;
      if (Rec.pBmPM) {
        Info.ItemIndex = Rec.IndexPM;
        pf(&Info);
      }
      if (Rec.pBmOCL) {
        Info.ItemIndex = Rec.IndexOCL;
        pf(&Info);
      }
    }
    y += h;
  }
  WM_SetUserClipRect(nullptr);
  pObj = _Obj(hObj);
  if (y <= rIn.y1 && pObj->Props.aBkColor[0] != WM_NO_COLOR) {
    GUI_SetBkColor(pObj->Props.aBkColor[0]);
    GUI_ClearRect(rIn.x0, y, rIn.x1, rIn.y1);
  }
  WIDGET__EffectDrawDown(&pObj->Widget);
}
