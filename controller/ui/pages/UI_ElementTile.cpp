// Icon tiles: building, painting, loading and touch.
#include "UI_ElementTile.h"

#include "GUI.h"
#include "UI_Draw.h"
#include "UI_GraphicsCachePrivate.h"
#include "UI_Main.h"

namespace {

enum {
  _TEXT_X = 50,
  _TEXT_Y = 20,
  _TEXT_W = 130,
  _VALUE_RIGHT = 172,  // right edge of the value badge
  _VALUE_PAD = 4,
};

UI_TILE_BLOCK* _Tile(WM_HWIN hWin) { return (UI_TILE_BLOCK*)UI_GetElementData(hWin); }

// The value stands right in the tile as a small badge: red while it is not 0 (active messages, faults), light
// grey otherwise. Returns the width it takes from the text.
int _PaintValue(const UI_TILE_BLOCK* p) {
  if (!p->ValueAddress || !p->HasValue || !p->acValue[0]) return 0;
  int w = UI_TextWidth(p->acValue) + 2 * _VALUE_PAD;
  int h = GUI_GetFontSizeY() + 2;
  int x0 = _VALUE_RIGHT - w, y0 = _TEXT_Y - h / 2;
  GUI_SetColor(p->Value ? 0x1517E5 : 0xD3D3D3);
  GUI_FillRoundedRect(x0, y0, _VALUE_RIGHT, y0 + h - 1, 4);
  GUI_SetColor(p->Value ? GUI_WHITE : GUI_BLACK);
  int Align = GUI_SetTextAlign(GUI_TA_LEFT);
  UI_DrawTextAt(p->acValue, x0 + _VALUE_PAD, y0 + 1);
  GUI_SetTextAlign(Align);
  return w + 6;
}

// The prerendered tile of the icon; without it (a heap too small for the cache) the same picture drawn
// straight from its parts.
void _PaintPicture(int Icon) {
  GUI_HMEM hTile = UI_ahMemdevTile[Icon - 1];
  if (hTile) {
    UI_DrawCached(hTile, 0, 0);
  } else {
    UI__DrawPicture(UI_PIC_TILE, 0, 0);
    UI__DrawTileSymbol(Icon, 4, 4);
  }
}

void _Paint(WM_HWIN hWin, const UI_TILE_BLOCK* p) {
  _PaintPicture(p->Icon);
  UI_RoundTileCorners(0, 0, 0);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  int ValueW = _PaintValue(p);
  GUI_SetColor(GUI_BLACK);
  int Align = GUI_SetTextAlign(GUI_TA_LEFT);
  GUI_GotoXY(_TEXT_X, _TEXT_Y);
  UI_DrawTextBlock(p->acText, _TEXT_W - ValueW, 0);
  GUI_SetTextAlign(Align);
  (void)hWin;
}

}  // namespace

void UI_FetchTileValue(UI_TILE_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  int n = p->ValueAddress ? UI_ReadObject(p->ValueAddress, a, sizeof(a)) : 0;
  p->HasValue = uint8_t(UI_DecodeValue(a, n, &p->Value, nullptr, p->acValue, UI_VALUE_TEXT_LEN));
  p->ReadDone = 1;
}

int UI_BuildIconTile(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  uint32_t ValueAddress = 0;
  int Used = 1;
  if (pRec[0] == 0x20) {
    const uint8_t* pNext = pRec + 4;
    if (pNext >= pEnd || (!pNext[0] && !pNext[1])) return 1;
    ValueAddress = UI_ValueAddress(Menu, pRec, 0);
    pRec = pNext;
    Used = 2;
  }
  int Icon = pRec[0];
  if (Icon < 1 || Icon > UI_NUM_TILE_ICONS) return Used;  // no tile, but the record is used
  UI_TILE_BLOCK* p = (UI_TILE_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_TILE_BLOCK)));
  if (!p) return Used;
  p->ValueAddress = ValueAddress;
  p->LinkAddress = UI_LinkAddress(Menu, pRec);
  p->Icon = uint8_t(Icon);
  WM_HWIN hTile = WM_CreateWindowAsChild(0, 0, UI_TILE_W, UI_TILE_H, hPage, WM_CF_SHOW | WM_CF_HASTRANS,
                                         UI_IconTileCallback, sizeof(p));
  if (hTile) WM_SetUserData(hTile, &p, sizeof(p));
  return Used;
}

int UI_LayoutIconTiles(WM_HWIN hPage) {
  int i = 0;
  for (WM_HWIN h = WM_GetFirstChild(hPage); h; h = WM_GetNextSibling(h), i++) {
    if (UI_TILE_Y0 + UI_TILE_ROW_STEP * (i / 2 + 1) > UI_PAGE_MAX_H) {
      UI_DropElementsFrom(h);
      break;
    }
    WM_MoveChildTo(h, (i & 1) ? UI_TILE_X_RIGHT : UI_TILE_X_LEFT, UI_TILE_Y0 + UI_TILE_ROW_STEP * (i / 2));
  }
  return UI_TILE_Y0 + UI_TILE_ROW_STEP * ((i + 1) / 2);
}

void UI_IconTileCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_TILE_BLOCK* p = _Tile(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: _Paint(hWin, p); break;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) UI_MenuStackInstance.Open(p->LinkAddress, UI_PageScroll());
      break;
    case UI_MSG_REFRESH:
      UI_ReadTextAnswer(p->LinkAddress, p->acText, UI_LINE_TEXT_LEN);
      WM_InvalidateWindow(hWin);
      break;
    case UI_MSG_LOAD: {
      if (!p->ValueAddress) break;
      int32_t Before = p->Value;
      uint8_t HadValue = p->HasValue;
      UI_FetchTileValue(p);
      UI_SendLoaded(hWin, 0);
      // The page's refresh every second repaints a tile only when its value changed.
      if (!pMsg->Data.v || Before != p->Value || HadValue != p->HasValue) WM_InvalidateWindow(hWin);
      break;
    }
    case UI_MSG_LOADED: p->ReadDone = 0; break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}
