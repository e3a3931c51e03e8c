// Value boxes of the value lines: read-only, editable, push and switch boxes.
#include <cstring>

#include "GUI.h"
#include "UI_Draw.h"
#include "UI_ElementLine.h"
#include "UI_Main.h"

namespace {

UI_BOX_BLOCK* _Box(WM_HWIN hWin) { return (UI_BOX_BLOCK*)UI_GetElementData(hWin); }

void _Paint(WM_HWIN hWin, const UI_BOX_BLOCK* p) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_COLOR Text = GUI_BLACK;
  if (p->Kind != UI_BOX_READONLY) {
    GUI_COLOR c0, c1;
    UI_BoxColors(p->LineCode, &c0, &c1, &Text);
    UI_DrawTwoToneButton(0, 0, w, h, c0, c1);
  }
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(Text);
  int Align = GUI_SetTextAlign(GUI_TA_RIGHT);
  GUI_GotoXY(w - 6, 9);
  UI_DrawMultilineText(p->acText, 0);
  GUI_SetTextAlign(Align);
}

// Wanted height after a read: two-line values (room sensors, percentage pairs) need 49 pixels.
void _AdaptHeight(WM_HWIN hWin, UI_BOX_BLOCK* p) {
  if (!p->ReadDone) return;
  p->ReadDone = 0;
  int Want = (p->Unit == 46 || p->Unit == 55) ? 49 : UI_BOX_H;
  int dy = Want - WM_GetWindowSizeY(hWin);
  if (!dy) return;
  WM_SetYSize(hWin, Want);
  WM_HWIN hLine = WM_GetParent(hWin);
  for (WM_HWIN h = WM_GetNextSibling(hWin); h; h = WM_GetNextSibling(h)) WM_MoveWindow(h, 0, dy);
  UI_GrowLine(hLine, dy);
  WM_HWIN hPage = WM_GetParent(hLine);
  if (hPage) WM_SendMessageNoPara(hPage, UI_MSG_RELAYOUT);
}

void _Load(WM_HWIN hWin, UI_BOX_BLOCK* p) {
  UI_FetchBoxValue(p);
  UI_SendLoaded(hWin, 0);
  WM_InvalidateWindow(hWin);
}

void _WriteDirect(WM_HWIN hWin, UI_BOX_BLOCK* p, int Value) {
  UI_WriteMenuEntry(p->Address, 0x30, Value);
  _Load(hWin, p);
}

// Read-only boxes pass the pointer to their line, in the line's coordinates.
void _ToLine(WM_HWIN hWin, WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* s = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (!s) return;
  WM_HWIN hLine = WM_GetParent(hWin);
  GUI_POINTER_STATE t = *s;
  t.x += WM_GetWindowPosX(hWin) - WM_GetWindowPosX(hLine);
  t.y += WM_GetWindowPosY(hWin) - WM_GetWindowPosY(hLine);
  WM_MESSAGE m = *pMsg;
  m.Data.p = &t;
  WM_SendMessage(hLine, &m);
}

void _OnPointer(WM_HWIN hWin, UI_BOX_BLOCK* p, WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* s = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (!s) return;
  if (p->Kind == UI_BOX_READONLY) {
    _ToLine(hWin, pMsg);
    return;
  }
  if (p->Kind == UI_BOX_PUSH) {
    if (s->Pressed) {
      WM_SetCapture(hWin, 1);
      _WriteDirect(hWin, p, 1);
    } else {
      WM_ReleaseCapture();
      _WriteDirect(hWin, p, 0);
    }
    return;
  }
  if (!UI_ElementTouched(hWin, pMsg)) return;
  if (p->Kind == UI_BOX_SWITCH) {
    p->State ^= 1;
    _WriteDirect(hWin, p, p->State);
    return;
  }
  if (UI_hListWin) return;
  UI_LINE_BLOCK* pLine = (UI_LINE_BLOCK*)UI_GetElementData(WM_GetParent(hWin));
  UI_EntryOptions o = {{0, 0, 6, 0, (intptr_t)(pLine ? pLine->acText : nullptr)}};
  UI_SetBusy(1);
  UI_EditMenuEntry(0, p->Address, hWin, &o, 0);
  UI_SetBusy(0);
}

}  // namespace

void UI_FetchBoxValue(UI_BOX_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  int n = UI_ReadObject(p->Address, a, sizeof(a));
  int Unit = 0;
  if (!UI_DecodeValue(a, n, &p->Value, &Unit, p->acText, UI_LINE_TEXT_LEN)) p->Value = 0;
  if (n > 2 && a[0] == 0x18) UI_TakeTextAnswer(a, n, p->acText, UI_LINE_TEXT_LEN);  // a text entry shows its text
  p->Unit = uint8_t(Unit);
  if (p->Kind == UI_BOX_SWITCH) p->State = p->Value != 0;
  p->ReadDone = 1;
}

void UI_ValueBoxCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_BOX_BLOCK* p = _Box(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: _Paint(hWin, p); break;
    case WM_POINTER: _OnPointer(hWin, p, pMsg); break;
    case UI_MSG_LOAD: _Load(hWin, p); break;
    case UI_MSG_LOADED: _AdaptHeight(hWin, p); break;
    case UI_MSG_SELECTION_DONE:
    case UI_MSG_VALUE_DONE:
    case UI_MSG_BITS_DONE:
    case UI_MSG_DATE_DONE:
    case UI_MSG_TEXT_DONE:
      UI_SetBusy(1);
      if (pMsg->MsgId == UI_MSG_TEXT_DONE) {
        UI_WriteMenuText(p->Address, uint8_t(pMsg->hWinSrc), UI_TextBuffer);
      } else {
        UI_WriteEntryResult(p->Address, pMsg);
      }
      UI_SetBusy(0);
      UI_ReloadPage();
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_REFRESH:
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}
