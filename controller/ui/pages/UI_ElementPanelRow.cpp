// Panel rows of kinds 10 and 11: tab rows, rows of direct-write buttons, label/value rows, selection boxes and
// label lines.
#include <cstdio>

#include "GUI.h"
#include "UI_Draw.h"
#include "UI_ElementList.h"
#include "UI_ElementPanel.h"
#include "UI_EntryDispatch.h"
#include "UI_Main.h"

namespace {

enum {
  _TAB_GAP = 1,
  _TAB_TOP = 5,  // the tabs stand clear of the panel's top edge, so that their rounded tops show whole
  _WRITE_GAP = 5,
  _LABEL_X = 20,
  _LABEL_W = 130,
  _BOX_X = 150,
  _BOX_W = 150,
};

UI_PANEL_BLOCK* _Block(WM_HWIN hWin) { return (UI_PANEL_BLOCK*)UI_GetElementData(hWin); }

// Records of a run of consecutive records whose codes pass Match, from pRec on.
template <class MATCH> int _Run(const uint8_t* pRec, const uint8_t* pEnd, MATCH Match) {
  int n = 0;
  for (const uint8_t* r = pRec; r < pEnd && (r[0] || r[1]) && Match(r[0]); r += 4) n++;
  return n;
}

// A row of n equal buttons, centred with Gap pixels between them.
WM_HWIN _CreateRow(WM_HWIN hInner, int h) {
  return WM_CreateWindowAsChild(0, 0, UI_PANEL_ELEMENT_W, h, hInner, WM_CF_SHOW | WM_CF_HASTRANS,
                                UI_RowContainerCallback, 0);
}
int _RowX(int i, int n, int w, int Gap) { return (UI_PANEL_ELEMENT_W - (n * w + (n - 1) * Gap)) / 2 + i * (w + Gap); }

int _BuildTabs(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  int n = _Run(pRec, pEnd, [](int c) { return c == 2 || c == 3; });
  WM_HWIN hRow = _CreateRow(hInner, int(_TAB_TOP) + UI_PANEL_TAB_H);
  for (int i = 0; i < n && hRow; i++) {
    const uint8_t* r = pRec + 4 * i;
    UI_PANEL_BLOCK* p;
    if (!UI_CreatePanelElement(hRow, _RowX(i, n, UI_PANEL_TAB_W, _TAB_GAP), _TAB_TOP, UI_PANEL_TAB_W, UI_PANEL_TAB_H,
                               UI_TabButtonCallback, &p, ppFill))
      break;
    p->Code = r[0];
    p->Own = r[1];
    p->Selected = r[0] == 3;  // the tab of the page being shown
    p->ValueAddress = (Menu & 0xFFFF0000u) | UI_RecIndex(r);
  }
  return n;
}

int _BuildWriteButtons(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  int n = _Run(pRec, pEnd, [](int c) { return c == 4; });
  WM_HWIN hRow = _CreateRow(hInner, UI_WRITE_BUTTON_H);
  for (int i = 0; i < n && hRow; i++) {
    const uint8_t* r = pRec + 4 * i;
    UI_PANEL_BLOCK* p;
    if (!UI_CreatePanelElement(hRow, _RowX(i, n, UI_WRITE_BUTTON_W, _WRITE_GAP), 0, UI_WRITE_BUTTON_W,
                               UI_WRITE_BUTTON_H, UI_WriteButtonCallback, &p, ppFill))
      break;
    p->Code = 4;
    p->Own = r[1];
    p->ValueAddress = UI_ValueAddress(Menu, r, 0);
  }
  return n;
}

void _PaintRoundedGradient(WM_HWIN hWin, int Selected) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_COLOR c0 = Selected ? 0x99FF99 : 0xB0B0B0, c1 = Selected ? 0x13BF13 : 0x606060;
  GUI_DrawGradientRoundedV(0, 0, w - 1, h - 1, 4, c0, c1);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(Selected ? GUI_BLACK : GUI_WHITE);
}

void _PaintNumber(WM_HWIN hWin, int Number) {
  char16_t s[8];
  int n = 0;
  char a[8];
  snprintf(a, sizeof(a), "%d", Number);
  for (; a[n]; n++) s[n] = char16_t(a[n]);
  s[n] = 0;
  UI_DrawTextCentredAt(s, WM_GetWindowSizeX(hWin) / 2, (WM_GetWindowSizeY(hWin) - GUI_GetFontSizeY()) / 2);
}

void _Edit(WM_HWIN hWin, const UI_PANEL_BLOCK* p, const UI_EntryOptions* pOptions) {
  if (UI_hListWin) return;
  UI_SetBusy(1);
  UI_EditMenuEntry(0, p->EntryAddress, hWin, pOptions, 0);
  UI_SetBusy(0);
}

int _IsResult(int Id) {
  return Id == UI_MSG_VALUE_DONE || Id == UI_MSG_SELECTION_DONE || Id == UI_MSG_BITS_DONE || Id == UI_MSG_DATE_DONE;
}

}  // namespace

int UI_BuildPanelRow(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  UI_PANEL_BLOCK* p;
  switch (pRec[0]) {
    case 2:
    case 3: return _BuildTabs(hInner, Menu, pRec, ppFill, pEnd);
    case 4: return _BuildWriteButtons(hInner, Menu, pRec, ppFill, pEnd);
    case 5: return UI_BuildValueGroup(hInner, Menu, pRec, ppFill, pEnd);
    case 15: {
      WM_HWIN hRow = _CreateRow(hInner, UI_PANEL_ROW_H);
      if (!hRow) return 1;
      // One record names both: the label's text at its value address, the box's entry by the description rule.
      // The value address holds the text, so the box shows the value that the entry's description carries.
      if (UI_CreatePanelElement(hRow, _LABEL_X, 0, _LABEL_W, UI_PANEL_ROW_H, UI_GroupLabelCallback, &p, ppFill)) {
        p->Code = 15;
        p->TextAddress = UI_ValueAddress(Menu, pRec, 0);
      }
      if (UI_CreatePanelElement(hRow, _BOX_X, 3, _BOX_W, UI_PANEL_ROW_H - 6, UI_GroupValueCallback, &p, ppFill)) {
        p->Code = 15;
        p->EntryAddress = UI_DescriptionAddress(Menu, pRec, 0);
        p->ValueAddress = UI_EntryDescAddress(p->EntryAddress);
      }
      return 1;
    }
    case 16:
      if (UI_CreatePanelElement(hInner, 0, 0, UI_SELECT_BOX_W, UI_PANEL_ROW_H, UI_SelectBoxCallback, &p, ppFill)) {
        p->Code = 16;
        p->TextAddress = UI_ValueAddress(Menu, pRec, 0);
        p->EntryAddress = UI_DescriptionAddress(Menu, pRec, 0);
      }
      return 1;
    case 17:
      if (UI_CreatePanelElement(hInner, 0, 0, UI_PANEL_ELEMENT_W, UI_PANEL_LABEL_LINE_H, UI_GroupLabelCallback, &p,
                                ppFill)) {
        p->Code = 17;
        p->TextAddress = UI_ValueAddress(Menu, pRec, 0);
      }
      return 1;
  }
  return 1;  // a record without an element
}

void UI_RowContainerCallback(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) return;  // the rows are transparent
  UI_ListContainerCommon(pMsg);
}

void UI_TabButtonCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_PANEL_BLOCK* p = _Block(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT:
      _PaintRoundedGradient(hWin, p->Selected);
      _PaintNumber(hWin, p->Own);
      break;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) UI_MenuStackInstance.Show(p->ValueAddress, 0);
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}

// Direct-write buttons act as a group of radio buttons: each writes its own value to the object, and the row
// reads the object again.
void UI_WriteButtonCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_PANEL_BLOCK* p = _Block(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT:
      _PaintRoundedGradient(hWin, p->Selected);
      _PaintNumber(hWin, p->Own);
      break;
    case WM_POINTER:
      if (!UI_ElementTouched(hWin, pMsg)) break;
      UI_SetBusy(1);
      UI_WriteMenuEntry(p->ValueAddress, 0x30, p->Own);
      UI_SetBusy(0);
      if (WM_HWIN hRow = WM_GetParent(hWin)) UI_SendLoad(hRow, 0);
      break;
    case UI_MSG_LOAD: {
      UI_FetchPanelValue(p);
      uint8_t Selected = p->HasValue && p->Value == p->Own;
      if (Selected != p->Selected || !pMsg->Data.v) WM_InvalidateWindow(hWin);
      p->Selected = Selected;
      break;
    }
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}

void UI_GroupLabelCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_PANEL_BLOCK* p = _Block(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      GUI_SetFont(&UI_Font15);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_SetColor(p->Code == 9 ? 0xD3D3D3 : GUI_BLACK);
      // Group labels are centred; the labels of rows and label lines start at the left.
      int Centred = p->Code == 9 || p->Code == 13;
      int Align = GUI_SetTextAlign(Centred ? GUI_TA_HCENTER : GUI_TA_LEFT);
      GUI_GotoXY(Centred ? w / 2 : 5, h / 2);
      UI_DrawTextBlock(p->acText, w - 10, UI_TEXT_LONG_FORM);
      GUI_SetTextAlign(Align);
      break;
    }
    case UI_MSG_REFRESH:
      UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
      WM_InvalidateWindow(hWin);
      break;
    case WM_POINTER:
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}

void UI_GroupValueCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_PANEL_BLOCK* p = _Block(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  if (_IsResult(pMsg->MsgId)) {
    UI_SetBusy(1);
    UI_WriteMenuEntry(p->EntryAddress, uint8_t(pMsg->hWinSrc), int32_t(pMsg->Data.v));
    UI_SetBusy(0);
    UI_SendLoad(hWin, 0);  // the box shows what the node holds now
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      UI_DrawLabelledButton(w, h, 0xE8CFB5, 0xD2B599, p->acText, w - 4, 0);
      break;
    }
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) _Edit(hWin, p, nullptr);
      break;
    case UI_MSG_LOAD:
      UI_FetchPanelValue(p);
      WM_InvalidateWindow(hWin);
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}

void UI_SelectBoxCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_PANEL_BLOCK* p = _Block(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  if (_IsResult(pMsg->MsgId)) {
    // The choice is written without reloading the page; the box reads its text again.
    UI_SetBusy(1);
    UI_WriteMenuEntry(p->EntryAddress, uint8_t(pMsg->hWinSrc), int32_t(pMsg->Data.v));
    UI_SetBusy(0);
    WM_SendMessageNoPara(hWin, UI_MSG_REFRESH);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      UI_DrawLabelledButton(w, h, 0xE8CFB5, 0xD2B599, p->acText, w - 6, UI_TEXT_LONG_FORM);
      break;
    }
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) {
        UI_EntryOptions o = {{0, 0, 6, 0, (intptr_t)p->acText}};
        _Edit(hWin, p, &o);
      }
      break;
    case UI_MSG_REFRESH:
      UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
      WM_InvalidateWindow(hWin);
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}
