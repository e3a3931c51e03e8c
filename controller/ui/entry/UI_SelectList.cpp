// The scrolled selection list.
#include "UI_SelectList.h"

#include <cstdio>
#include <cstring>

#include "GUI.h"
#include "UI_Background.h"
#include "UI_Carrier.h"
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "UI_TextEntry.h"
#include "WM_Motion.h"

namespace {

enum { _ROW_TEXT_LEN = 96, _WHEEL_MIN_SPEED = 400 };

int _S;  // scroll position: 0 or negative, -40 x the row under the bar
int _H;  // height of the rows
// The wheel's motion: where it ends while it runs, so that further notches add to it instead of starting over.
int _WheelGoal;
int _WheelMoving;
UI_SIDE_BUTTON_SAVE _SideButtons;

int _GetInfo(WM_HWIN hWin, UI_ListInfo* p) {
  memset(p, 0, sizeof(*p));
  return WM_GetUserData(hWin, p, sizeof(*p)) == int(sizeof(*p));
}

int _NumRows(const UI_ListInfo* p) {
  if (!p->pTexts) return 0;
  if (p->Mode == UI_LIST_TWO_GROUPS) return p->pTexts->Count + (p->pValues ? p->pValues->Count : 0);
  return p->pValues ? p->pValues->Count : p->pTexts->Count;
}

// Value a row stands for.
int _RowValue(const UI_ListInfo* p, int Row) {
  if (p->pValues && p->Mode != UI_LIST_TWO_GROUPS && Row >= 0 && Row < p->pValues->Count)
    return int(p->pValues->pValues[Row]);
  return Row;
}

// A numbered row: "n: " (n the row's value + 1; none for the value -1), then the provider's two parts with a
// blank between them. The record's text pointer is the provider routine itself.
void _NumberedText(const UI_ListInfo* p, int Row, char16_t* pOut, int Len) {
  UI_LIST_TEXT_PROVIDER* pf = reinterpret_cast<UI_LIST_TEXT_PROVIDER*>(p->pTexts->ppTexts);
  int Item = _RowValue(p, Row);
  int n = 0;
  auto Put = [&](const char16_t* t) {
    while (t && *t && n < Len - 1) pOut[n++] = *t++;
  };
  if (Item != -1) {
    char a[16];
    snprintf(a, sizeof(a), "%d: ", Item + 1);
    for (const char* c = a; *c && n < Len - 1; c++) pOut[n++] = char16_t(*c);
  }
  Put(pf ? pf(Item, 0) : nullptr);
  Put(u" ");
  Put(pf ? pf(Item, 1) : nullptr);
  pOut[n] = 0;
}

// Text of a row; never null. Values that lie outside the text table show nothing. Numbered rows are made into
// pBuf.
const char16_t* _RowText(const UI_ListInfo* p, int Row, char16_t* pBuf = nullptr, int Len = 0) {
  const char16_t* s = nullptr;
  if (p->Mode == UI_LIST_NUMBERED) {
    if (!pBuf || Len < 1) return u"";
    _NumberedText(p, Row, pBuf, Len);
    return pBuf;
  }
  if (p->Mode == UI_LIST_TWO_GROUPS) {
    if (Row < p->pTexts->Count) {
      s = p->pTexts->ppTexts[Row];
    } else if (p->pValues) {
      s = (const char16_t*)(uintptr_t)p->pValues->pValues[Row - p->pTexts->Count];
    }
  } else if (p->pValues && p->Mode != UI_LIST_NUMBERED) {
    uint32_t v = Row < p->pValues->Count ? p->pValues->pValues[Row] : 0;
    if (v < p->pTexts->Count && v < UI_MAX_ITEMS) s = p->pTexts->ppTexts[v];
  } else if (Row < p->pTexts->Count && Row < UI_MAX_ITEMS) {
    s = p->pTexts->ppTexts[Row];
  }
  return s ? s : u"";
}

int _Width(const UI_ListInfo* p) {
  GUI_SetFont(&UI_Font15);
  int W = 0;
  char16_t a[_ROW_TEXT_LEN];
  for (int r = 0; r < _NumRows(p); r++) {
    int w = UI_TextWidth(_RowText(p, r, a, _ROW_TEXT_LEN));
    if (w > W) W = w;
  }
  if (p->Mode == UI_LIST_IMAGE_ROW1 && W < 30) W = 30;
  if (p->Mode == UI_LIST_EDIT) W += 30;
  return W;
}

// Moves the column by D within 40 - H .. 0. D may be anything a motion or a wheel asks for: the sums are
// formed in 64 bits, so that a step far out of range stops at the end instead of wrapping round.
void _Scroll(int D) {
  int64_t To = int64_t(_S) + D;
  if (To > 0) To = 0;
  if (To < int64_t(UI_LIST_ROW) - _H) To = int64_t(UI_LIST_ROW) - _H;
  D = int(To - _S);
  if (!D || !UI_hListWin) return;
  _S += D;  // before the move, so that the column's WM_MOVE sees the new offset
  WM_MoveWindow(UI_hListWin, 0, D);
}

void _Choose(WM_HWIN hColumn, int Row) {
  UI_ListInfo Info;
  _GetInfo(hColumn, &Info);
  int R = _RowValue(&Info, Row);
  WM_SendMessageNoPara(hColumn, UI_MSG_CLOSED);
  UI_SendResult(Info.hReceiver, UI_MSG_SELECTION_DONE, Info.Tag, R);
}

void _PaintColumn(WM_HWIN hWin) {
  UI_ListInfo Info;
  if (!_GetInfo(hWin, &Info) || !Info.pTexts) return;
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_SetBkColor(0x808080);
  GUI_Clear();
  GUI_SetColor(GUI_BLACK);
  GUI_DrawRect(0, 0, w - 1, h - 1);
  GUI_SetColor(GUI_WHITE);
  GUI_DrawRect(1, 1, w - 2, h - 2);
  GUI_DrawGradientRoundedV(2, 2 - _S, w - 3, 41 - _S, 4, 0x777777, 0xAAAAAA);
  GUI_SetColor(0xAAAAAA);
  GUI_FillRoundedRect(3, 2 - _S, w - 4, 21 - _S, 4);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  int x = Info.Align == 0 ? Info.Margin : Info.Align == 1 ? w - 1 - Info.Margin : (w - 1) / 2;
  int Align = Info.Align == 0 ? GUI_TA_LEFT : Info.Align == 1 ? GUI_TA_RIGHT : GUI_TA_HCENTER;
  GUI_SetTextAlign(Align);
  int n = _NumRows(&Info);
  int CurrentRow = Info.Current;
  if (Info.pValues && Info.Mode != UI_LIST_TWO_GROUPS) {
    CurrentRow = -1;
    for (int r = n - 1; r >= 0; r--)
      if (int(Info.pValues->pValues[r]) == Info.Current) {
        CurrentRow = r;
        break;
      }
  }
  char16_t a[_ROW_TEXT_LEN];
  for (int k = 0; k < n; k++) {
    int y = 14 + UI_LIST_ROW * k;
    if (Info.Mode == UI_LIST_IMAGE_ROW1 && k == 1) {
      UI_DrawCached(UI_ahMemdevSquare[1], x, y - 6);
    } else {
      // UI_DrawTextAt keeps the alignment, which the GUI core's string output would reset after the shadow.
      const char16_t* s = _RowText(&Info, k, a, _ROW_TEXT_LEN);
      GUI_SetColor(GUI_BLACK);
      UI_DrawTextAt(s, x + 1, y + 1);
      GUI_SetColor(k == CurrentRow ? 0x00FF00 : GUI_WHITE);
      UI_DrawTextAt(s, x, y);
    }
    if (Info.Mode == UI_LIST_EDIT) UI_DrawCached(UI_ahMemdevSquare[0], w - 30, y - 6);
    GUI_SetColor(GUI_WHITE);
    GUI_DrawHLine(y + 28, 1, w - 2);
    if (Info.Mode == UI_LIST_TWO_GROUPS && k + 1 == Info.pTexts->Count) {
      GUI_SetColor(GUI_BLACK);
      GUI_DrawHLine(y + 28, 1, w - 2);
    }
  }
  GUI_SetTextAlign(GUI_TA_LEFT);
}

}  // namespace

int UI_ScrollListRow(void) { return UI_hListWin ? (20 - _S) / UI_LIST_ROW : -1; }

void UI_ScrollListCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintColumn(hWin); break;
    case WM_MOVE: {
      // The column's pixels move with it, all but the highlight, which stays where it is on the screen: it is
      // painted again there and where its moved pixels went.
      const WM_MOVE_INFO* m = (const WM_MOVE_INFO*)pMsg->Data.p;
      int dy = m ? m->dy : 0;
      GUI_RECT r = {0, I16(2 - _S + (dy < 0 ? dy : 0)), I16(WM_GetWindowSizeX(hWin) - 1), I16(41 - _S + (dy > 0 ? dy : 0))};
      WM_InvalidateRect(hWin, &r);
      break;
    }
    case WM_KEY: {
      const GUI_KEY_MSG* k = (const GUI_KEY_MSG*)pMsg->Data.p;
      if (!k || k->PressedCnt != 1) break;
      if (k->Key == GUI_KEY_ENTER) WM_SendMessageNoPara(hWin, UI_MSG_BACK);
      if (k->Key == GUI_KEY_UP) _Scroll(UI_LIST_ROW);
      if (k->Key == GUI_KEY_DOWN) _Scroll(-UI_LIST_ROW);
      if (k->Key == GUI_KEY_ESCAPE) WM_SendMessageNoPara(hWin, UI_MSG_CLOSED);
      break;
    }
    case UI_MSG_BACK: _Choose(hWin, UI_ScrollListRow()); break;
    case WM_SET_FOCUS: pMsg->Data.v = 0; break;  // takes the keys
    case UI_MSG_CLOSED: {
      WM_HWIN hParent = WM_GetParent(hWin);
      if (UI_hListWin == hWin) UI_hListWin = 0;
      if (hParent) WM_SendMessageNoPara(hParent, UI_MSG_CLOSED);
      break;
    }
    case WM_DELETE:
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

void UI_ScrollListTouchCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_POINTER: {
      const GUI_POINTER_STATE* p = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (!p) break;
      if (p->Pressed) {
        _WheelMoving = 0;  // a press stops a running motion
        WM_SetCapture(hWin, 1);
        break;
      }
      WM_ReleaseCapture();
      if (UI_PointerMoved() || p->y < 0 || p->y >= WM_GetWindowSizeY(hWin)) break;
      WM_HWIN hColumn = WM_GetParent(hWin);
      UI_ListInfo Info;
      _GetInfo(hColumn, &Info);
      int Row = p->y / UI_LIST_ROW;
      int Edit = Info.Mode == UI_LIST_EDIT && p->x >= WM_GetWindowSizeX(hWin) - 30;
      _Choose(hColumn, Row);
      // The name is typed once the list has closed, so that the keyboard takes the side buttons from the page.
      if (Edit) UI_EditUserDesignation(_RowValue(&Info, Row));
      break;
    }
    case WM_MOTION: {
      WM_MOTION_INFO* m = (WM_MOTION_INFO*)pMsg->Data.p;
      if (!m) break;
      if (m->Cmd == WM_MOTION_INIT) {
        _WheelMoving = 0;  // a new motion (a drag or the next wheel motion) replaces the wheel's
        m->Flags = 0x40001;
        m->SnapY = UI_LIST_ROW;
        m->Period = 300;
      } else if (m->Cmd == WM_MOTION_MOVE) {
        _Scroll(m->dy);
        if (m->IsFinal) _WheelMoving = 0;
      } else if (m->Cmd == WM_MOTION_GETPOS) {
        m->yPos = _S;
      }
      break;
    }
    case WM_WHEEL: {
      // Each notch moves the column by one row. The motion heads for a goal inside the column (notches beyond
      // its ends are dropped) and lasts about a tenth of a second whatever its length, so the thread is busy
      // only while something moves.
      int64_t Goal = int64_t(_WheelMoving ? _WheelGoal : _S) + int64_t(UI_LIST_ROW) * int32_t(pMsg->Data.v);
      if (Goal > 0) Goal = 0;
      if (Goal < int64_t(UI_LIST_ROW) - _H) Goal = int64_t(UI_LIST_ROW) - _H;
      int D = int(Goal - _S);
      if (!D) break;
      int Speed = D < 0 ? -D * 10 : D * 10;  // pixels per second: 100 ms for the whole way
      WM_MOTION_SetMotion(hWin, 1, Speed < _WHEEL_MIN_SPEED ? _WHEEL_MIN_SPEED : Speed, D);
      _WheelGoal = int(Goal);
      _WheelMoving = 1;
      break;
    }
    default: break;
  }
}

void UI_ScrollListBackCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED: {
      int Design = 0;
      WM_GetUserData(hWin, &Design, sizeof(Design));
      UI_TakeSideButtons(&_SideButtons, 0);
      WM_AttachWindow(UI_hHomeButton, hWin);
      WM_AttachWindow(UI_hBackButton, hWin);
      if (Design) {
        WM_HideWindow(UI_hHomeButton);
        WM_HideWindow(UI_hBackButton);
      } else {
        WM_ShowWindow(UI_hHomeButton);
        WM_ShowWindow(UI_hBackButton);
      }
      break;
    }
    case WM_POINTER: {
      const GUI_POINTER_STATE* p = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (!p) break;
      if (p->Pressed) {
        WM_SetCapture(hWin, 1);
        break;
      }
      WM_ReleaseCapture();
      WM_SendMessageNoPara(hWin, UI_MSG_CLOSED);  // a touch outside the column cancels
      break;
    }
    case UI_MSG_HOME: WM_SendMessageNoPara(hWin, UI_MSG_CLOSED); break;
    case UI_MSG_BACK:
      if (UI_hListWin) WM_SendMessageNoPara(UI_hListWin, UI_MSG_BACK);
      break;
    case UI_MSG_CLOSED: {
      UI_GiveSideButtons(&_SideButtons);
      UI_hListWin = 0;
      WM_HWIN hParent = WM_GetParent(hWin);
      if (hParent) WM_SendMessageNoPara(hParent, UI_MSG_CLOSED);
      break;
    }
    default: break;
  }
}

void UI_CreateScrollList(WM_HWIN hReceiver, const UI_ListInfo* pInfo, const UI_ELEMENT_RECT* pRect, int Fit) {
  if (!pInfo || !pInfo->pTexts) return;
  UI_ListInfo Info = *pInfo;
  Info.hReceiver = hReceiver;
  int N = _NumRows(&Info);
  if (!N) return;
  _H = UI_LIST_ROW * N;
  int O = 0;
  if (Info.pValues && Info.Mode != UI_LIST_TWO_GROUPS) {
    for (int r = Info.pValues->Count - 1; r >= 0; r--)
      if (int(Info.pValues->pValues[r]) == Info.Current) {
        O = UI_LIST_ROW * r;
        break;
      }
  } else if (Info.Current > 0 && Info.Current < N) {
    O = UI_LIST_ROW * Info.Current;
  }
  int x0, x1, y;
  if (Fit == 0 || !pRect) {
    WM_HWIN hPage = WM_IsVisible(UI_hMainWin) ? UI_hMainWin : UI_hPageArea;
    x0 = WM_GetWindowPosX(hReceiver) - WM_GetWindowPosX(hPage);
    y = WM_GetWindowPosY(hReceiver) - WM_GetWindowPosY(hPage);
    x1 = x0 + WM_GetWindowSizeX(hReceiver);
  } else {
    int W = _Width(&Info) + 2 * Info.Margin;
    if (Info.Align == 0) {
      x0 = pRect->x0;
      x1 = x0 + W;
    } else if (Info.Align == 1) {
      x1 = pRect->x1;
      x0 = x1 - W;
    } else {
      x0 = (pRect->x0 + pRect->x1 - W) / 2;
      x1 = x0 + W;
    }
    y = pRect->y0;
  }
  WM_HWIN hCarrier = UI_CreateCarrier();
  if (!hCarrier) return;
  int Design = WM_IsVisible(UI_hMainWin) && UI_IsDesignLayout();
  WM_HWIN hBack = WM_CreateWindowAsChild(0, 0, UI_SCREEN_W, UI_SCREEN_H, hCarrier,
                                         WM_CF_SHOW | WM_CF_HASTRANS | WM_CF_STAYONTOP, UI_ScrollListBackCallback,
                                         sizeof(int));
  if (!hBack) {
    WM_SendMessageNoPara(hCarrier, UI_MSG_CLOSED);
    return;
  }
  WM_SetUserData(hBack, &Design, sizeof(Design));
  WM_SendMessageNoPara(hBack, UI_MSG_OPENED);
  int yCol = Design ? y - O - 1 : y - O + 29;
  UI_hListWin = WM_CreateWindowAsChild(x0, yCol, x1 - x0, _H + 4, hBack, WM_CF_SHOW | WM_CF_STAYONTOP | WM_CF_MOVE_COPY,
                                       UI_ScrollListCallback, sizeof(UI_ListInfo));
  if (!UI_hListWin) {
    WM_SendMessageNoPara(hBack, UI_MSG_CLOSED);
    return;
  }
  _S = -O;
  _WheelMoving = 0;
  WM_HWIN hTouch = WM_CreateWindowAsChild(0, 2, x1 - x0, _H, UI_hListWin, WM_CF_SHOW | WM_CF_HASTRANS,
                                          UI_ScrollListTouchCallback, sizeof(int));
  if (hTouch) WM_MOTION_SetMoveable(hTouch, WM_CF_MOTION_Y, 1);
  WM_SetUserData(UI_hListWin, &Info, sizeof(Info));
  WM_SetFocus(UI_hListWin);
}

int UI_OpenListSelection(int ElementIndex, uint8_t Type, WM_HWIN hParent, int Current, const UI_ItemTexts* pTexts,
                         const UI_ItemValues* pValues, const UI_EntryOptions* pOptions) {
  UI_ListInfo Info = {};
  Info.pTexts = pTexts;
  Info.pValues = pValues;
  Info.Tag = Type;
  Info.Mode = int16_t(pOptions ? pOptions->aWord[0] : 0);
  Info.Current = int16_t(Current);
  Info.Align = uint8_t(pOptions ? pOptions->aWord[1] : 0);
  Info.Margin = uint8_t(pOptions ? pOptions->aWord[2] : 6);
  if (ElementIndex < 0 || ElementIndex >= UI_NUM_ELEMENT_RECTS) ElementIndex = 0;
  UI_CreateScrollList(hParent, &Info, &UI_ElementRects[ElementIndex], pOptions ? int(pOptions->aWord[3]) : 0);
  return UI_hListWin != 0;
}
