// Panel pages: the inner window, the headings and the picture of kind 3, and the layouts of the panel kinds.
#include "UI_ElementPanel.h"

#include "GUI.h"
#include "OBJ_Access.h"
#include "UI_Draw.h"
#include "UI_ElementList.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"
#include "UI_MainImages.h"
#include "UI_Panel.h"

namespace {

enum { _PATTERN_SIZE = 72, _PICTURE_MAG = 4, _PICTURE_AT = 10 };

UI_PANEL_BLOCK* _Block(WM_HWIN hWin) { return (UI_PANEL_BLOCK*)UI_GetElementData(hWin); }

// Headings wider than their element less 5 pixels grow once by 15 pixels, and the elements below move down.
void _FitHeading(WM_HWIN hWin, UI_PANEL_BLOCK* p) {
  if (p->Grown) return;
  GUI_SetFont(p->Code == '0' ? &UI_Font24 : &UI_Font15);
  const char16_t* s = p->acText;
  for (const char16_t* q = s; *q; q++) {
    if (*q == UI_CHAR_FORM_SEPARATOR) {
      s = q + 1;
      break;
    }
  }
  if (UI_TextWidth(s) <= WM_GetWindowSizeX(hWin) - 5) return;
  p->Grown = 1;
  WM_SetYSize(hWin, WM_GetWindowSizeY(hWin) + UI_PANEL_TEXT_GROWTH);
  for (WM_HWIN h = WM_GetNextSibling(hWin); h; h = WM_GetNextSibling(h)) WM_MoveWindow(h, 0, UI_PANEL_TEXT_GROWTH);
}

void _PaintHeading(WM_HWIN hWin, const UI_PANEL_BLOCK* p) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_SetTextMode(GUI_TM_TRANS);
  if (p->Code == '0') {
    GUI_SetFont(&UI_Font24);
    int Align = GUI_SetTextAlign(GUI_TA_HCENTER);
    GUI_SetColor(0xD3D3D3);  // a grey shadow one pixel right and down
    GUI_GotoXY(w / 2 + 1, h / 2 + 1);
    UI_DrawTextBlock(p->acText, w - 5, UI_TEXT_LONG_FORM);
    GUI_SetColor(GUI_BLACK);
    GUI_GotoXY(w / 2, h / 2);
    UI_DrawTextBlock(p->acText, w - 5, UI_TEXT_LONG_FORM);
    GUI_SetTextAlign(Align);
    return;
  }
  GUI_SetFont(&UI_Font15);
  GUI_SetColor(GUI_BLACK);
  int Align = GUI_SetTextAlign(GUI_TA_LEFT);
  GUI_GotoXY(5, h / 2);
  UI_DrawTextBlock(p->acText, w - 10, UI_TEXT_LONG_FORM);
  GUI_SetTextAlign(Align);
}

// The node's 24x24 picture, drawn four times enlarged from the cached one-bit image.
void _PaintPicture(WM_HWIN hWin) {
  GUI_SetBkColor(GUI_WHITE);
  GUI_Clear();
  for (int y = 0; y < 24; y++) {
    for (int x = 0; x < 24; x++) {
      GUI_SetColor(UI_MemdevPixel(UI_hMemdevIcon24, x, y));
      int x0 = _PICTURE_AT + _PICTURE_MAG * x, y0 = _PICTURE_AT + _PICTURE_MAG * y;
      GUI_FillRect(x0, y0, x0 + _PICTURE_MAG - 1, y0 + _PICTURE_MAG - 1);
    }
  }
  (void)hWin;
}

int _BuildPicture(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec) {
  // Read at build time, under the semaphore that the page handler holds while the builders run.
  uint8_t a[UI_VALUE_ANSWER_SIZE] = {};
  int n = OBJ_Read(UI_ValueAddress(Menu, pRec, 0), a, sizeof(a), 0);
  int Ok = n >= _PATTERN_SIZE;
  UI_RenderIcon24(UI_hMemdevIcon24, Ok ? a : nullptr);  // an unreadable pattern shows a white picture
  WM_CreateWindowAsChild((UI_PANEL_ELEMENT_W - UI_PANEL_PICTURE_SIZE) / 2, 0, UI_PANEL_PICTURE_SIZE,
                         UI_PANEL_PICTURE_SIZE, hInner, WM_CF_SHOW, UI_PanelPictureCallback, 0);
  return Ok;
}

void _SetInnerHeight(WM_HWIN hInner, int Total) {
  WM_HWIN hParent = WM_GetParent(hInner);
  int Min = hParent ? WM_GetWindowSizeY(hParent) : 0;
  WM_SetYSize(hInner, Total > Min ? Total : Min);
}

}  // namespace

uint32_t UI_PanelTextAddress(uint32_t ValueAddress) {
  uint32_t t = UI_TextAddressOf(ValueAddress);
  return t ? t : ValueAddress;
}

WM_HWIN UI_CreatePanelElement(WM_HWIN hParent, int x, int y, int w, int h, WM_CALLBACK* cb,
                              UI_PANEL_BLOCK** ppBlock, uint8_t** ppFill) {
  UI_PANEL_BLOCK* p = (UI_PANEL_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_PANEL_BLOCK)));
  *ppBlock = p;
  if (!p) return 0;
  WM_HWIN hWin = WM_CreateWindowAsChild(x, y, w, h, hParent, WM_CF_SHOW | WM_CF_HASTRANS, cb, sizeof(p));
  if (hWin) WM_SetUserData(hWin, &p, sizeof(p));
  return hWin;
}

void UI_FetchPanelValue(UI_PANEL_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  int n = p->ValueAddress ? UI_ReadObject(p->ValueAddress, a, sizeof(a)) : 0;
  p->HasValue = uint8_t(UI_DecodeValue(a, n, &p->Value, nullptr, p->acText, UI_LINE_TEXT_LEN));
}

int UI_BuildPanelLine(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t*) {
  int Code = pRec[0];
  if (Code == 0x51) return _BuildPicture(hInner, Menu, pRec);
  if (Code != '0' && Code != '2') return 1;
  UI_PANEL_BLOCK* p;
  int h = Code == '0' ? UI_PANEL_HEADING_H : UI_PANEL_SUBHEADING_H;
  if (!UI_CreatePanelElement(hInner, 0, 0, UI_PANEL_ELEMENT_W, h, UI_PanelTextCallback, &p, ppFill)) return 1;
  p->Code = uint8_t(Code);
  p->TextAddress = UI_ValueAddress(Menu, pRec, 0);
  return 1;
}

void UI_LayoutPanelLines(WM_HWIN hInner) {
  int y = 0;
  for (WM_HWIN h = WM_GetFirstChild(hInner); h; h = WM_GetNextSibling(h)) {
    if (y + WM_GetWindowSizeY(h) + 5 > UI_PAGE_MAX_H) {
      UI_DropElementsFrom(h);
      break;
    }
    WM_MoveChildTo(h, WM_GetWindowPosX(h) - WM_GetWindowPosX(hInner), y);
    y += WM_GetWindowSizeY(h);
  }
  _SetInnerHeight(hInner, y + 5);
}

void UI_LayoutPanelPairs(WM_HWIN hInner) {
  int W = WM_GetWindowSizeX(hInner), y = 0;
  for (WM_HWIN h = WM_GetFirstChild(hInner); h;) {
    WM_HWIN h2 = WM_GetNextSibling(h);
    int w1 = WM_GetWindowSizeX(h), h1 = WM_GetWindowSizeY(h);
    int Pair = h2 && W - UI_PANEL_PAIR_GAP - w1 - WM_GetWindowSizeX(h2) >= 0;
    int Tallest = Pair && WM_GetWindowSizeY(h2) > h1 ? WM_GetWindowSizeY(h2) : h1;
    if (y + Tallest + UI_PANEL_PAIR_GAP > UI_PAGE_MAX_H) {
      UI_DropElementsFrom(h);
      break;
    }
    if (Pair) {
      int w2 = WM_GetWindowSizeX(h2), hh2 = WM_GetWindowSizeY(h2);
      int Margin = (W - w1 - w2 - UI_PANEL_PAIR_GAP) / 2;
      WM_MoveChildTo(h, Margin, y);
      WM_MoveChildTo(h2, Margin + w1 + UI_PANEL_PAIR_GAP, y);
      y += (h1 > hh2 ? h1 : hh2) + UI_PANEL_PAIR_GAP;
      h = WM_GetNextSibling(h2);
    } else {
      WM_MoveChildTo(h, (W - w1) / 2, y);  // alone: the second one starts the next pair
      y += h1 + UI_PANEL_PAIR_GAP;
      h = h2;
    }
  }
  _SetInnerHeight(hInner, y);
}

void UI_PanelInnerCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      GUI_SetBkColor(GUI_WHITE);
      GUI_Clear();
      // The panel's picture stays where the middle window is while the inner window scrolls.
      WM_HWIN hMiddle = WM_GetParent(hWin);
      int y = hMiddle ? WM_GetWindowPosY(hMiddle) - WM_GetWindowPosY(hWin) : 0;
      UI__DrawPanelTabsBackground(0, y, UI_PANEL_MIDDLE_W, UI_PANEL_MIDDLE_H);
      break;
    }
    case WM_POINTER: {
      const GUI_POINTER_STATE* s = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (s && s->Pressed) WM_SetCapture(hWin, 1);
      if (s && !s->Pressed) WM_ReleaseCapture();
      break;
    }
    case WM_WHEEL: UI_ScrollChild(hWin, int(pMsg->Data.v) * UI_WHEEL_STEP, 2); break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: UI_FanOutMessage(pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}

void UI_PanelTextCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_PANEL_BLOCK* p = _Block(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintHeading(hWin, p); break;
    case UI_MSG_REFRESH:
      UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
      _FitHeading(hWin, p);
      WM_InvalidateWindow(hWin);
      break;
    case WM_POINTER:
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}

void UI_PanelPictureCallback(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintPicture(pMsg->hWin); break;
    case WM_POINTER:
    case WM_WHEEL: WM_SendToParent(pMsg->hWin, pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}
