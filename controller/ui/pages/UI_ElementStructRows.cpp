// The element windows of the structured pages, their fetchers, the inner window and the row layout.
#include <cstdio>

#include "GUI.h"
#include "UI_Draw.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_ElementPanel.h"
#include "UI_ElementStruct.h"
#include "UI_EntryDispatch.h"
#include "UI_Main.h"
#include "UI_MenuPage.h"
#include "UI_Panel.h"

namespace {

enum {
  _KIND_STRUCTURED_TABS = 13,
  _CONFIRM = 0x80,    // flag of a value line that asks before it writes
  _TIMER_REPEAT = 0,  // value line held: write again
  _TIMER_CHECK = 1,   // value line confirmed: show the page again
  _CHECK_MS = 20,
  _ANSWER_CANCELLED = 6,  // data of a confirmation answer that was cancelled
};
constexpr GUI_COLOR _BOX_TOP = 0xE8CFB5, _BOX_BOTTOM = 0xD2B599, _GREY = 0xD3D3D3;
constexpr int _SHOWN_LEN = int(UI_LINE_TEXT_LEN) + int(UI_STRUCT_LABEL_LEN);

int _ContentHeight;

UI_STRUCT_BLOCK* _Block(WM_HWIN hWin) { return (UI_STRUCT_BLOCK*)UI_GetElementData(hWin); }

// Appends s behind the text in p's buffer of Len characters, always terminated inside it.
void _Append(char16_t* p, int Len, const char16_t* s) {
  int n = 0;
  while (n < Len - 1 && p[n]) n++;
  while (s && *s && n < Len - 1) p[n++] = *s++;
  p[n] = 0;
}

void _Decimal(char16_t* p, int Len, long n) {
  char a[24];
  snprintf(a, sizeof(a), "%ld", n);
  int i = 0;
  for (; a[i] && i < Len - 1; i++) p[i] = char16_t(a[i]);
  p[i] = 0;
}

// The element's text with its generated label behind it.
void _Shown(const UI_STRUCT_BLOCK* p, char16_t* s) {
  s[0] = 0;
  _Append(s, _SHOWN_LEN, p->acText);
  _Append(s, _SHOWN_LEN, p->acLabel);
}

void _TextAt(const char16_t* s, int x, int Width, int h, int Align, int Flags) {
  int Old = GUI_SetTextAlign(Align);
  GUI_GotoXY(x, h / 2);
  UI_DrawTextBlock(s, Width, Flags);
  GUI_SetTextAlign(Old);
}

void _Prepare(GUI_COLOR Color) {
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(Color);
}

// Scroll offset of the panel's inner window, kept when the page is built again.
int _InnerScroll(void) {
  if (!UI_hPanelInner || !UI_hPanelMiddle) return 0;
  return WM_GetWindowPosY(UI_hPanelInner) - WM_GetWindowPosY(UI_hPanelMiddle);
}

int _IsResult(int Id) {
  return Id == UI_MSG_VALUE_DONE || Id == UI_MSG_SELECTION_DONE || Id == UI_MSG_BITS_DONE || Id == UI_MSG_DATE_DONE;
}

// Shows the page again at its scroll position: a kind-13 page is read again, a kind-8 page rebuilt. The
// element's window and block are gone afterwards.
void _Rebuild(void) {
  int Scroll = _InnerScroll();
  UI_MenuStack* s = &UI_MenuStackInstance;
  if (((s->GetPageKind() >> 8) & 0xFF) == _KIND_STRUCTURED_TABS) {
    s->Reload(Scroll);
  } else {
    s->BuildPage(Scroll);
  }
}

// Writes an entry's new value and shows the page again.
void _WriteAndRebuild(uint32_t Address, const WM_MESSAGE* pMsg) {
  UI_SetBusy(1);
  UI_WriteMenuEntry(Address, uint8_t(pMsg->hWinSrc), int32_t(pMsg->Data.v));
  UI_SetBusy(0);
  _Rebuild();
}

// A confirmed value line: the value object is read again for its type and 1 written; the page follows shortly.
void _WriteConfirmed(WM_HWIN hWin, const UI_STRUCT_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE] = {};
  if (UI_ReadObject(p->ValueAddress, a, sizeof(a)) <= 0) return;
  UI_SetBusy(1);
  UI_WriteMenuEntry(p->ValueAddress, a[0], 1);
  UI_SetBusy(0);
  WM_CreateTimer(hWin, _TIMER_CHECK, _CHECK_MS);
}

void _Edit(WM_HWIN hWin, uint32_t Address, const char16_t* pTitle) {
  UI_EntryOptions o = {{0, 0, 6, 0, (intptr_t)pTitle}};
  UI_SetBusy(1);
  UI_EditMenuEntry(0, Address, hWin, &o, 0);
  UI_SetBusy(0);
}

// An open inline list takes the touch: the list closes itself when touched outside.
int _ListOpen(void) { return UI_hListWin != 0; }

// Reads the element's text again (cleared when the read fails).
void _RefreshText(WM_HWIN hWin, UI_STRUCT_BLOCK* p) {
  UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
  WM_InvalidateWindow(hWin);
}

int _Common(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_WHEEL: WM_SendToParent(pMsg->hWin, pMsg); return 1;
  }
  if (pMsg->MsgId > WM_USER) return 1;  // the screens' own messages end here
  return 0;
}

}  // namespace

void UI_FetchStructValue(UI_STRUCT_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE] = {};
  int n = p->ValueAddress ? UI_ReadObject(p->ValueAddress, a, sizeof(a)) : 0;
  p->HasValue = uint8_t(UI_DecodeValue(a, n, &p->Value, nullptr, p->acText, UI_LINE_TEXT_LEN));
  if (p->TextAddress) UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
  p->ReadDone = 1;
}

void UI_FetchStructEntry(UI_STRUCT_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE] = {};
  int n = p->ValueAddress ? UI_ReadObject(p->ValueAddress, a, sizeof(a)) : 0;
  p->HasValue = uint8_t(UI_DecodeValue(a, n, &p->Value, nullptr, p->acText, UI_LINE_TEXT_LEN));
  if (n > 2 && a[0] == 0x18) UI_TakeTextAnswer(a, n, p->acText, UI_LINE_TEXT_LEN);  // a text entry shows its text
  p->ReadDone = 1;
}

void UI_LayoutStructuredRows(WM_HWIN hInner) {
  int y = 0, T = 0;
  for (WM_HWIN h = WM_GetFirstChild(hInner); h; h = WM_GetNextSibling(h)) {
    if (y + WM_GetWindowSizeY(h) > UI_PAGE_MAX_H) {
      UI_DropElementsFrom(h);
      break;
    }
    WM_MoveChildTo(h, UI_STRUCT_ROW_X, y);
    T = y + WM_GetWindowSizeY(h);
    y = T + UI_STRUCT_ROW_GAP;
  }
  int yInner = WM_GetWindowPosY(hInner), H = T;
  if (T < 254 - yInner) {
    if (T <= 44 - yInner) {
      H = UI_PANEL_MIDDLE_H;
      if (T < H) T = H;
    } else {
      H = 254 - yInner;
    }
  }
  WM_SetYSize(hInner, H);
  WM_MESSAGE Msg = {};
  Msg.MsgId = UI_MSG_CONTENT_HEIGHT;
  Msg.Data.v = T;
  WM_SendMessage(hInner, &Msg);
}

void UI_StructInnerCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case UI_MSG_CONTENT_HEIGHT: _ContentHeight = int(pMsg->Data.v); return;
    case WM_MOVE: {
      // Moved up: the window loses the pixels below its content.
      const WM_MOVE_INFO* m = (const WM_MOVE_INFO*)pMsg->Data.p;
      int H = WM_GetWindowSizeY(hWin);
      if (m && m->dy >= 1 && H > _ContentHeight) {
        int NewH = H - m->dy;
        WM_SetYSize(hWin, NewH < _ContentHeight ? _ContentHeight : NewH);
      }
      break;
    }
  }
  UI_PanelInnerCallback(pMsg);
}

void UI_StructHeadingCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_STRUCT_BLOCK* p = _Block(hWin);
  if (!p) return WM_DefaultProc(pMsg);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      char16_t s[_SHOWN_LEN];
      _Shown(p, s);
      _Prepare((p->Flags & 0x20) ? _GREY : GUI_BLACK);
      if (!(p->Flags & 0x10)) GUI_SetFont(&UI_Font24);
      int w = WM_GetWindowSizeX(hWin);
      _TextAt(s, w / 2, w - 4, WM_GetWindowSizeY(hWin), GUI_TA_HCENTER, UI_TEXT_NO_SOFT_HYPHEN);
      return;
    }
    case UI_MSG_REFRESH: {
      switch (p->Source) {
        case 1: _Decimal(p->acText, UI_LINE_TEXT_LEN, long(p->Menu >> 24)); break;
        case 2: _Decimal(p->acText, UI_LINE_TEXT_LEN, long(p->Menu & 0xFFFF)); break;
        case 3: _Decimal(p->acText, UI_LINE_TEXT_LEN, long((p->Menu >> 16) & 0xFF)); break;
        default: UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
      }
      if (p->TextAddress2) {
        char16_t s[UI_LINE_TEXT_LEN];
        UI_ReadTextAnswer(p->TextAddress2, s, UI_LINE_TEXT_LEN);
        _Append(p->acText, UI_LINE_TEXT_LEN, s);
      }
      WM_InvalidateWindow(hWin);
      return;
    }
    case WM_POINTER: WM_SendToParent(hWin, pMsg); return;
  }
  if (!_Common(pMsg)) WM_DefaultProc(pMsg);
}

void UI_StructLabelCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_STRUCT_BLOCK* p = _Block(hWin);
  if (!p) return WM_DefaultProc(pMsg);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      char16_t s[_SHOWN_LEN];
      _Shown(p, s);
      _Prepare(GUI_BLACK);
      _TextAt(s, 8, 142, WM_GetWindowSizeY(hWin), GUI_TA_LEFT, UI_TEXT_LONG_FORM);
      return;
    }
    case UI_MSG_REFRESH: _RefreshText(hWin, p); return;
    case WM_POINTER: WM_SendToParent(hWin, pMsg); return;
  }
  if (!_Common(pMsg)) WM_DefaultProc(pMsg);
}

void UI_StructValueCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_STRUCT_BLOCK* p = _Block(hWin);
  if (!p) return WM_DefaultProc(pMsg);
  if (_IsResult(pMsg->MsgId)) return _WriteAndRebuild(p->ValueAddress, pMsg);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      if (UI_GrantedLevel(p->Menu) >= p->Level) UI_DrawTwoToneButton(0, 0, w, h, _BOX_TOP, _BOX_BOTTOM);
      _Prepare(GUI_BLACK);
      _TextAt(p->acText, 8, w - 16, h, GUI_TA_LEFT, 0);
      return;
    }
    case WM_POINTER:
      if (!UI_ElementTouched(hWin, pMsg) || _ListOpen()) return;
      if (p->Level > UI_GrantedLevel(p->Menu)) return;
      _Edit(hWin, p->ValueAddress, p->pTitle);
      return;
    case UI_MSG_TEXT_DONE:
      UI_WriteMenuText(p->ValueAddress, uint8_t(pMsg->hWinSrc), UI_TextBuffer);
      UI_SendLoad(hWin, 0);
      return;
    case UI_MSG_LOAD:
      UI_FetchStructEntry(p);
      UI_SendLoaded(hWin, 0);
      return;
    case UI_MSG_LOADED:
      if (p->ReadDone) WM_InvalidateWindow(hWin);
      p->ReadDone = 0;
      return;
  }
  if (!_Common(pMsg)) WM_DefaultProc(pMsg);
}

void UI_StructLinkCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_STRUCT_BLOCK* p = _Block(hWin);
  if (!p) return WM_DefaultProc(pMsg);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      char16_t s[_SHOWN_LEN];
      _Shown(p, s);
      UI_DrawTwoToneButton(0, 0, w, h, _BOX_TOP, _BOX_BOTTOM);
      _Prepare(GUI_BLACK);
      _TextAt(s, 8, w - 4, h, GUI_TA_LEFT, UI_TEXT_NO_SOFT_HYPHEN);
      return;
    }
    case UI_MSG_REFRESH: _RefreshText(hWin, p); return;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) UI_MenuStackInstance.Open(p->LinkAddress, _InnerScroll());
      return;
  }
  if (!_Common(pMsg)) WM_DefaultProc(pMsg);
}

void UI_StructSelectCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_STRUCT_BLOCK* p = _Block(hWin);
  if (!p) return WM_DefaultProc(pMsg);
  if (_IsResult(pMsg->MsgId)) return _WriteAndRebuild(p->ValueAddress, pMsg);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      GUI_COLOR Text = GUI_BLACK;
      if (p->Flags == 0) {
        UI_DrawTwoToneButton(0, 0, w, h, _BOX_TOP, _BOX_BOTTOM);
      } else if (p->Flags == 0x10) {
        UI_DrawTwoToneButton(0, 0, w, h, 0xB38F6B, 0x8C613F);
        Text = GUI_WHITE;
      } else {
        UI_DrawTwoToneButton(0, 0, w, h, _GREY, 0x808080);
      }
      _Prepare(Text);
      _TextAt(p->acText, 8, w - 16, h, GUI_TA_LEFT, 0);
      return;
    }
    case WM_POINTER: {
      if (!UI_ElementTouched(hWin, pMsg)) return;
      int Next = p->NextKind & 15;
      if (Next == UI_STRUCT_LINK) {
        UI_MenuStackInstance.Open(p->LinkAddress, _InnerScroll());
      } else if (Next == UI_STRUCT_LABEL_VALUE && !_ListOpen()) {
        if (UI_GrantedLevel(p->Menu) >= (p->NextKind >> 4) && (p->Flags == 0 || p->Flags == 0x10))
          _Edit(hWin, p->ValueAddress, p->acText);
      }
      return;
    }
    case UI_MSG_REFRESH: _RefreshText(hWin, p); return;
  }
  if (!_Common(pMsg)) WM_DefaultProc(pMsg);
}

void UI_StructValueLineCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_STRUCT_BLOCK* p = _Block(hWin);
  if (!p) return WM_DefaultProc(pMsg);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      UI_DrawTwoToneButton(0, 0, w, h, p->Held ? _BOX_BOTTOM : _BOX_TOP, p->Held ? _BOX_TOP : _BOX_BOTTOM);
      _Prepare(GUI_BLACK);
      _TextAt(p->acText, 8, w - 16, h, GUI_TA_LEFT, UI_TEXT_LONG_FORM);
      return;
    }
    case WM_POINTER: {
      const GUI_POINTER_STATE* s = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (!s) return;
      int Touched = UI_ElementTouched(hWin, pMsg);  // capture on the press, release on the release
      if (p->Flags & _CONFIRM) {
        if (Touched && UI_DialogHooks.pfConfirm) UI_DialogHooks.pfConfirm(hWin, 0, p->acText);
        return;
      }
      if (s->Pressed && !p->Held) {
        // Held: the line writes 1 now and again every second until it is released.
        p->Held = 1;
        UI_WriteMenuEntry(p->ValueAddress, 0x30, 1);
        p->hTimer = WM_CreateTimer(hWin, _TIMER_REPEAT, UI_STRUCT_REPEAT_MS);
        WM_InvalidateWindow(hWin);
      } else if (!s->Pressed && p->Held) {
        p->Held = 0;
        if (p->hTimer) WM_DeleteTimer(p->hTimer);
        p->hTimer = 0;
        UI_WriteMenuEntry(p->ValueAddress, 0x30, 0);
        WM_InvalidateWindow(hWin);
      }
      return;
    }
    case WM_TIMER:
      if (WM_GetTimerId(WM_HTIMER(pMsg->Data.v)) == _TIMER_CHECK) {
        WM_DeleteTimer(WM_HTIMER(pMsg->Data.v));
        _Rebuild();
      } else if (p->Held) {
        UI_WriteMenuEntry(p->ValueAddress, 0x30, 1);
        WM_RestartTimer(p->hTimer, 0);
      }
      return;
    case UI_MSG_CONFIRMED:
      // A confirmation answer carries 5 for OK and 6 for cancel; the dialog's Cancel comes as UI_MSG_HOME.
      if (pMsg->Data.v == _ANSWER_CANCELLED) {
        UI_MenuStackInstance.Back();
      } else if (pMsg->Data.v != 1) {
        _WriteConfirmed(hWin, p);
      }
      return;
    case UI_MSG_HOME: UI_MenuStackInstance.Back(); return;  // cancelled
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
      UI_FetchStructValue(p);
      WM_InvalidateWindow(hWin);
      return;
  }
  if (!_Common(pMsg)) WM_DefaultProc(pMsg);
}
