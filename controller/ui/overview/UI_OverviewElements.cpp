// Action elements (a value with prefix and suffix; type 1 opens the entry screen that fits the value) and page
// links (to another page, with an access level or a password).
#include <cstring>

#include "FKT_Access.h"
#include "TXT_Current.h"
#include "TXT_Groups.h"
#include "UI_Draw.h"
#include "UI_Element.h"
#include "UI_EntryDispatch.h"
#include "UI_Main.h"
#include "UI_Overview.h"
#include "WHIRL.h"

namespace {

enum { _MIN_WIDTH = 10, _FORCED_READ_MS = 300, _PASSWORD_ITEM = 7 };

struct _TEXTS {
  char16_t acPrefix[DSG_TEXT_CHARS + 1], acSuffix[DSG_TEXT_CHARS + 1];
};

_TEXTS _Texts(const DSG_ELEMENT* e) {
  _TEXTS t;
  e->GetText(40, DSG_TEXT_CHARS, t.acPrefix);
  e->GetText(72, DSG_TEXT_CHARS, t.acSuffix);
  return t;
}

void _PaintAction(const DSG_ELEMENT* e, const UI_ElementState* s) {
  if (!s->aDesc[0]) return;  // nothing read: the element stays blank
  _TEXTS t = _Texts(e);
  GUI_SetColor(e->TextColour());
  GUI_SetBkColor(e->BkColour());
  if (const GUI_FONT* pFont = UI_ElementFont(int(e->Font()))) GUI_SetFont(pFont);
  GUI_SetTextMode(int(e->TextMode()));
  GUI_SetTextAlign(GUI_TA_LEFT);
  int x = 0;
  for (const char16_t* p : {(const char16_t*)t.acPrefix, (const char16_t*)s->acText, (const char16_t*)t.acSuffix}) {
    UI_DrawTextAt(p, x, 0);
    x += UI_TextWidth(p);
  }
}

// Fits the window to its text as the alignment asks: right-aligned elements keep their right edge, centred
// ones their centre, left-aligned ones their left edge.
void _Fit(WM_HWIN hWin, DSG_ELEMENT* e, const UI_ElementState* s) {
  _TEXTS t = _Texts(e);
  const GUI_FONT* pOld = GUI_SetFont(UI_ElementFont(int(e->Font())));
  int W = UI_TextWidth(t.acPrefix) + UI_TextWidth(s->acText) + UI_TextWidth(t.acSuffix);
  GUI_SetFont(pOld);
  if (W < _MIN_WIDTH) W = _MIN_WIDTH;
  int x0 = e->X0(), x1 = e->X1();
  switch (e->Align()) {
    case 0: x1 = x0 + W; break;
    case 1:
      WM_MoveWindow(hWin, (x1 - W) - x0, 0);
      x0 = x1 - W;
      break;
    case 2: {
      int d = ((x1 - x0) - W) / 2;
      x0 += d;
      x1 -= d;
      WM_MoveWindow(hWin, d, 0);
      break;
    }
    default: W = x1 - x0; break;
  }
  e->SetRect(x0, e->Y0(), x1, e->Y1());
  WM_SetSize(hWin, W, WM_GetWindowSizeY(hWin));
  WM_InvalidateWindow(hWin);
}

void _WriteBack(WM_HWIN hWin, const DSG_ELEMENT* e, UI_ElementState* s, const WM_MESSAGE* pMsg) {
  UI_WriteEntryResult(e->Address(), pMsg);
  UI_ReadElementValue(e, s, 1);
  UI_FormatElementValue(e, s, s->acText, UI_ELEMENT_TEXT_LEN, nullptr, nullptr);
  s->Changed = 1;
  UI_SendLoaded(hWin, 0);
  UI_StartForcedRead(_FORCED_READ_MS);
}

// A pointer message on an element: a press starts the long press, every release ends it. 1 for a touch.
int _Touched(WM_HWIN hWin, const WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* p = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (p && p->Pressed) UI_StartLongPress();
  int Touched = UI_ElementTouched(hWin, pMsg);
  if (p && !p->Pressed) UI_StopLongPress();
  return Touched;
}

void _OpenLinked(uint32_t Page) {
  if (UI_OverviewPageInstance.Load(int(Page)) == 0) UI_OverviewPageInstance.PushHistory();
}

}  // namespace

void UI_ActionElementCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_ELEMENT_REF r = UI_GetElementRef(hWin);
  if (!r.pElement) {
    WM_DefaultProc(pMsg);
    return;
  }
  DSG_ELEMENT* e = r.pElement;
  UI_ElementState* s = r.pState;
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintAction(e, s); break;
    case WM_POINTER:
      if (!_Touched(hWin, pMsg) || e->Type() != DSG_EL_FIELD || !UI_ElementAllowed(e->Node(), e->Level())) break;
      if (WM_GetFirstChild(hWin)) {
        UI_DeleteChildren(hWin);
        break;
      }
      {
        GUI_RECT Rect;
        WM_GetWindowRectEx(hWin, &Rect);
        UI_ElementRects[0] = {Rect.x0, Rect.y0, Rect.x1, Rect.y1};
        UI_EntryOptions Options = {{0, intptr_t(e->Align()), 6, 1, 0}};
        UI_EditMenuEntry(0, e->Address(), hWin, &Options, 0);
      }
      break;
    case UI_MSG_SELECTION_DONE:
    case UI_MSG_VALUE_DONE:
    case UI_MSG_DATE_DONE: _WriteBack(hWin, e, s, pMsg); break;
    case UI_MSG_LOAD:
      UI_LoadActionElement(hWin, int(pMsg->Data.v), e, s);
      UI_SendLoaded(hWin, 0);
      break;
    case UI_MSG_LOADED:
      if (!s->Changed) break;
      s->Changed = 0;
      _Fit(hWin, e, s);
      break;
    case WM_MOTION: UI_ManageMotionByWindow(pMsg); break;
    default: UI_DefaultProc(pMsg);
  }
}

void UI_PageLinkCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_ELEMENT_REF r = UI_GetElementRef(hWin);
  if (!r.pElement) {
    WM_DefaultProc(pMsg);
    return;
  }
  const DSG_ELEMENT* e = r.pElement;
  switch (pMsg->MsgId) {
    case WM_PAINT: break;  // the page picture shows the link
    case WM_POINTER:
      if (!_Touched(hWin, pMsg)) break;
      if (e->LinkLevel() == DSG_LEVEL_PASSWORD) {
        UI_TextBuffer[0] = 0;
        UI_OpenTextEntry(hWin, TXT_GetText(TXT_GROUP_PASSWORD, _PASSWORD_ITEM), UI_TEXT_BUFFER_LEN, 0);
      } else if (uint32_t(FKT_GetAccessLevel(0)) >= e->LinkLevel()) {
        _OpenLinked(e->LinkedPage());  // this window is gone afterwards
      }
      break;
    case UI_MSG_TEXT_DONE: {
      uint8_t aDigest[WHIRL_DIGEST_SIZE];
      size_t n = 0;
      while (n < UI_TEXT_BUFFER_LEN && UI_TextBuffer[n]) n++;
      DSG_HashPassword(UI_TextBuffer, n, aDigest);
      if (memcmp(aDigest, e->Digest(), sizeof(aDigest)) == 0) _OpenLinked(e->LinkedPage());
      break;
    }
    case WM_MOTION: UI_ManageMotionByWindow(pMsg); break;
    default: UI_DefaultProc(pMsg);
  }
}
