// Value elements: switches (types 4 and 5 write the inverse of the value on a touch) and push buttons (type 6
// writes 1 while held and 0 on release; on another node the 1 is written again every second, as the node
// forgets a push that it does not hear again).
#include "UI_Draw.h"
#include "UI_Element.h"
#include "UI_EntryDispatch.h"
#include "UI_Main.h"
#include "UI_Overview.h"
#include "OBJ_Access.h"

int UI_MomentaryActive;
WM_HTIMER UI_hTimerMomentary;

namespace {

enum {
  _TIMER_REPEAT = 1,
  _TIMER_REREAD = 2,
  _REREAD_LOCAL_MS = 100,
  _REREAD_REMOTE_MS = 200,
  _FORCED_READ_MS = 300,
  _TEXT_MARGIN = 8,
  _WRITE_TYPE = 0x30,
};

void _Paint(WM_HWIN hWin, const DSG_ELEMENT* e, const UI_ElementState* s) {
  if (!s->aDesc[0] || (s->Value != 0 && s->Value != 1)) return;
  int State = s->Value, w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  if (const GUI_FONT* pFont = UI_ElementFont(e->StateFont(State))) GUI_SetFont(pFont);
  if (e->HasBackground()) UI_DrawTwoToneButton(0, 0, w, h, e->StateBk(State, 0), e->StateBk(State, 1));
  GUI_SetColor(e->StateColour(State));
  GUI_SetTextMode(GUI_TM_TRANS);
  static const int s_aAlign[3] = {GUI_TA_LEFT, GUI_TA_RIGHT, GUI_TA_HCENTER};
  int Align = e->StateAlign(State) < 3 ? e->StateAlign(State) : 0;
  int x = Align == 0 ? _TEXT_MARGIN : Align == 1 ? w - _TEXT_MARGIN : w / 2;
  GUI_SetTextAlign(s_aAlign[Align]);
  GUI_GotoXY(x, h / 2);
  UI_DrawTextBlock(s->acState[State], w - 2 * _TEXT_MARGIN, 0);
}

void _Write(const DSG_ELEMENT* e, int32_t Value) { UI_WriteMenuEntry(e->Address(), _WRITE_TYPE, Value); }

void _Press(WM_HWIN hWin, DSG_ELEMENT* e, UI_ElementState* s) {
  WM_SetCapture(hWin, 1);
  if (WM_GetFirstChild(hWin)) {
    UI_DeleteChildren(hWin);
    return;
  }
  if (e->Type() == DSG_EL_MOMENTARY && UI_ElementAllowed(e->Node(), e->Level())) {
    UI_MomentaryActive = 1;
    _Write(e, 1);
    s->Value ^= 1;
    WM_InvalidateWindow(hWin);
    if (!OBJ_IsOwnNode(e->Node())) UI_hTimerMomentary = WM_CreateTimer(hWin, _TIMER_REPEAT, UI_MOMENTARY_REPEAT_MS);
    return;
  }
  UI_StartLongPress();
}

void _Release(WM_HWIN hWin, const WM_MESSAGE* pMsg, DSG_ELEMENT* e, UI_ElementState* s) {
  UI_StopLongPress();
  if (UI_MomentaryActive) {
    WM_ReleaseCapture();
    UI_MomentaryActive = 0;
    _Write(e, 0);
    if (UI_hTimerMomentary) WM_DeleteTimer(UI_hTimerMomentary);
    UI_hTimerMomentary = 0;
    s->Value ^= 1;
    WM_InvalidateWindow(hWin);
    UI_StartForcedRead(_FORCED_READ_MS);
    return;
  }
  if (!UI_ElementTouched(hWin, pMsg)) return;
  if (e->Type() == DSG_EL_MOMENTARY || !UI_ElementAllowed(e->Node(), e->Level())) return;
  UI_ReadElementValue(e, s, 1);
  int32_t Value = 0;
  if (UI_FormatElementValue(e, s, nullptr, 0, &Value, nullptr) != 0) return;  // nothing readable to switch
  _Write(e, Value ? 0 : 1);
  WM_CreateTimer(hWin, _TIMER_REREAD, OBJ_IsOwnNode(e->Node()) ? _REREAD_LOCAL_MS : _REREAD_REMOTE_MS);
  UI_StartForcedRead(_FORCED_READ_MS);
}

}  // namespace

void UI_ValueElementCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_ELEMENT_REF r = UI_GetElementRef(hWin);
  if (!r.pElement) {
    WM_DefaultProc(pMsg);
    return;
  }
  DSG_ELEMENT* e = r.pElement;
  UI_ElementState* s = r.pState;
  switch (pMsg->MsgId) {
    case WM_PAINT: _Paint(hWin, e, s); break;
    case WM_POINTER: {
      const GUI_POINTER_STATE* p = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (!p || ((s->Value != 0 && s->Value != 1) && !UI_MomentaryActive)) break;  // not a switch value
      if (p->Pressed && !WM_HasCaptured(hWin)) {
        _Press(hWin, e, s);
      } else if (!p->Pressed) {
        _Release(hWin, pMsg, e, s);
      }
      break;
    }
    case WM_TIMER: {
      WM_HTIMER hTimer = WM_HTIMER(pMsg->Data.v);
      if (WM_GetTimerId(hTimer) == _TIMER_REPEAT && UI_MomentaryActive) {
        _Write(e, 1);
        WM_RestartTimer(hTimer, UI_MOMENTARY_REPEAT_MS);
      } else if (WM_GetTimerId(hTimer) == _TIMER_REREAD) {
        WM_DeleteTimer(hTimer);
        UI_LoadValueElement(hWin, UI_LOAD_MODE_FORCED, e, s);
        UI_SendLoaded(hWin, 0);
      }
      break;
    }
    case UI_MSG_SELECTION_DONE:
    case UI_MSG_VALUE_DONE:
    case UI_MSG_DATE_DONE:
      UI_WriteEntryResult(e->Address(), pMsg);
      UI_LoadValueElement(hWin, UI_LOAD_MODE_FORCED, e, s);
      WM_InvalidateWindow(hWin);
      break;
    case UI_MSG_LOAD: UI_LoadValueElement(hWin, int(pMsg->Data.v), e, s); break;
    case UI_MSG_LOADED:
      if (!s->Changed) break;
      s->Changed = 0;
      WM_InvalidateWindow(hWin);
      break;
    case WM_DELETE:
      if (WM_HasCaptured(hWin)) {  // a held button goes with its window, and its repeat timer with it
        UI_MomentaryActive = 0;
        UI_hTimerMomentary = 0;
      }
      break;
    case WM_MOTION: UI_ManageMotionByWindow(pMsg); break;
    default: UI_DefaultProc(pMsg);
  }
}
