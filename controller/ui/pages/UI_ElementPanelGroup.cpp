// Value groups of the panel rows (code 5 up to a code-6 record): a framed group of labels and value boxes.
#include "GUI.h"
#include "UI_Draw.h"
#include "UI_ElementList.h"
#include "UI_ElementPanel.h"
#include "UI_Main.h"

namespace {

enum {
  _LABEL_H = 20,
  _BOX_H = 35,
  _GAP = 5,
  _FIRST_Y = 5,
  _CAPTION_Y = 22,
  _FLOW_Y = 45,  // below the caption
  _MAX_CHILDREN = 64,
  _LABEL_ROOM = 120,  // width a group gives each of its labels
};

struct _CHILD {
  const uint8_t* pRec;
  int w, h, Label;
};

int _Width(int Code) {
  switch (Code) {
    case 7:
    case 11: return 35;
    case 8:
    case 12: return 45;
  }
  return 110;
}

// The first row of a group with a code-7 box holds four children at these offsets from (group width - 180) / 2,
// else two from (group width - 110) / 2; a child wider than its slot lets the whole group flow instead.
const int _aOffset4[] = {0, 35, 100, 135, 180};
const int _aOffset2[] = {0, 65, 110};

int _FirstRowFits(const _CHILD* a, int n, const int* pOffset, int Slots) {
  int Placed = n < Slots ? n : Slots;
  for (int i = 0; i < Placed; i++) {
    int Right = i + 1 < Placed ? pOffset[i + 1] : pOffset[Slots];  // the next child's place, or the row's end
    if (pOffset[i] + a[i].w > Right) return 0;
  }
  return 1;
}

// Places children from the first one on in rows centred in the group, wrapping at its width; returns the bottom.
int _Flow(_CHILD* a, int n, int W, int y, int* px, int* py) {
  int i = 0, Bottom = y;
  while (i < n) {
    int RowW = a[i].w, k = 1, RowH = a[i].h;
    while (i + k < n && RowW + _GAP + a[i + k].w <= W - 2 * _GAP) {
      RowW += _GAP + a[i + k].w;
      if (a[i + k].h > RowH) RowH = a[i + k].h;
      k++;
    }
    int x = (W - RowW) / 2;
    for (int j = 0; j < k; j++) {
      px[i + j] = x;
      py[i + j] = y;
      x += a[i + j].w + _GAP;
    }
    Bottom = y + RowH;
    y += RowH + _GAP;
    i += k;
  }
  return Bottom;
}

UI_PANEL_BLOCK* _Block(WM_HWIN hWin) { return (UI_PANEL_BLOCK*)UI_GetElementData(hWin); }

}  // namespace

int UI_BuildValueGroup(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  int Used = 1, n = 0, Has7 = 0, Labels = 0;
  _CHILD a[_MAX_CHILDREN];
  for (const uint8_t* r = pRec + 4; r < pEnd && (r[0] || r[1]); r += 4) {
    Used++;
    int c = r[0];
    if (c == 6) break;
    if (c < 7 || c > 14 || n >= _MAX_CHILDREN) continue;
    int Label = c == 9 || c == 13;
    a[n++] = {r, _Width(c), Label ? _LABEL_H : _BOX_H, Label};
    Has7 |= c == 7;
    Labels += Label;
  }
  // 190 wide with a code-7 box, else 120, and at least 120 per label, but never wider than the panel.
  int W = Has7 ? 190 : 120;
  if (W < _LABEL_ROOM * Labels) W = _LABEL_ROOM * Labels;
  if (W > UI_PANEL_ELEMENT_W) W = UI_PANEL_ELEMENT_W;
  int H = Labels ? 140 : 45;
  int ax[_MAX_CHILDREN], ay[_MAX_CHILDREN];
  const int* pOffset = Has7 ? _aOffset4 : _aOffset2;
  int Slots = Has7 ? 4 : 2, First = 0, Bottom = 0;
  if (_FirstRowFits(a, n, pOffset, Slots)) {
    int x0 = (W - pOffset[Slots]) / 2;
    for (; First < Slots && First < n; First++) {
      ax[First] = x0 + pOffset[First];
      ay[First] = _FIRST_Y;
      if (_FIRST_Y + a[First].h > Bottom) Bottom = _FIRST_Y + a[First].h;
    }
  }
  if (First < n) Bottom = _Flow(a + First, n - First, W, _FLOW_Y, ax + First, ay + First);
  if (Bottom + _GAP > H) H = Bottom + _GAP;  // children never stand outside their frame
  UI_PANEL_BLOCK* p;
  WM_HWIN hGroup = UI_CreatePanelElement(hInner, 0, 0, W, H, UI_GroupFrameCallback, &p, ppFill);
  if (!hGroup) return Used;
  p->Code = 5;
  p->TextAddress = UI_PanelTextAddress(UI_ValueAddress(Menu, pRec, 0));
  for (int i = 0; i < n; i++) {
    const uint8_t* r = a[i].pRec;
    WM_CALLBACK* cb = a[i].Label ? UI_GroupLabelCallback : UI_GroupValueCallback;
    if (!UI_CreatePanelElement(hGroup, ax[i], ay[i], a[i].w, a[i].h, cb, &p, ppFill)) break;
    p->Code = r[0];
    if (a[i].Label) {
      p->TextAddress = UI_PanelTextAddress(UI_ValueAddress(Menu, r, 0));
    } else {
      p->ValueAddress = UI_ValueAddress(Menu, r, 0);
      p->EntryAddress = UI_DescriptionAddress(Menu, r, 0);
    }
  }
  return Used;
}

void UI_GroupFrameCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_PANEL_BLOCK* p = _Block(hWin);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      GUI_SetColor(0xB0B0B0);
      GUI_FillRoundedRect(0, 0, w - 1, h - 1, 4);
      if (!p) return;
      GUI_SetFont(&UI_Font15);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_SetColor(GUI_BLACK);
      int Align = GUI_SetTextAlign(GUI_TA_HCENTER);
      GUI_GotoXY(w / 2, _CAPTION_Y);
      UI_DrawTextBlock(p->acText, w - 10, UI_TEXT_LONG_FORM);
      GUI_SetTextAlign(Align);
      return;
    }
    case UI_MSG_REFRESH:
      if (p) {
        UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
        WM_InvalidateWindow(hWin);
      }
      break;
  }
  UI_ListContainerCommon(pMsg);
}
