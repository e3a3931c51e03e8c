// The bit selection: one toggle button per bit of a bit-set value.
#include <cstring>

#include "GUI.h"
#include "UI_Draw.h"
#include "UI_EntryDialog.h"
#include "UI_SelectList.h"

namespace {

struct _BUTTON {
  uint32_t Kind;
  uint32_t Checked;
  const uint8_t* pItem;
};

UI_SIDE_BUTTON_SAVE _SideButtons;

_BUTTON _Get(WM_HWIN hWin) {
  _BUTTON b = {};
  WM_GetUserData(hWin, &b, sizeof(b));
  return b;
}

int _GetInfo(WM_HWIN hWin, UI_BitSelectionInfo* p) {
  memset(p, 0, sizeof(*p));
  return WM_GetUserData(hWin, p, sizeof(*p)) == int(sizeof(*p));
}

void _Close(WM_HWIN hWin) { UI_CloseEntryDialog(hWin, &_SideButtons); }

void _Ok(WM_HWIN hWin) {
  UI_BitSelectionInfo Info;
  _GetInfo(hWin, &Info);
  uint32_t Bits = 0;
  for (WM_HWIN h = WM_GetFirstChild(hWin); h; h = WM_GetNextSibling(h)) {
    _BUTTON b = _Get(h);
    if (b.Checked && b.pItem && b.pItem[1] < 32) Bits |= 1u << b.pItem[1];
  }
  _Close(hWin);
  UI_SendResult(Info.hReceiver, UI_MSG_BITS_DONE, Info.Tag, intptr_t(Bits));
}

}  // namespace

void UI_BitButtonCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  _BUTTON b = _Get(hWin);
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
      GUI_SetColor(GUI_BLACK);
      GUI_FillRoundedRect(0, 0, w - 1, h - 1, 4);
      if (b.Checked) {
        GUI_DrawGradientRoundedV(0, 0, w - 2, h - 2, 4, 0x606060, 0x404040);
        GUI_SetColor(0x00FF00);
        GUI_DrawRoundedRect(0, 0, w - 3, h - 3, 4);
      } else {
        GUI_DrawGradientRoundedV(0, 0, w - 2, h - 2, 4, 0xA0A0A0, 0x808080);
      }
      if (!b.pItem) break;
      const char16_t* s = (const char16_t*)(const void*)(b.pItem + 2);
      GUI_SetFont(&UI_Font24);
      if (UI_TextWidth(s) > w - 10) GUI_SetFont(&UI_Font18);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_SetColor(GUI_BLACK);
      GUI_GotoXY(w / 2 + 1, h / 2 + 1);
      UI_DrawTextBlockEx(s, 1, 0);
      GUI_SetColor(GUI_WHITE);
      GUI_GotoXY(w / 2, h / 2);
      UI_DrawTextBlockEx(s, 1, 0);
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
      if (p->x < 0 || p->y < 0 || p->x >= WM_GetWindowSizeX(hWin) || p->y >= WM_GetWindowSizeY(hWin)) break;
      b.Checked ^= 1;
      WM_SetUserData(hWin, &b, sizeof(b));
      WM_InvalidateWindow(hWin);
      if (b.Checked && b.Kind == UI_BITS_EXCLUSIVE) {
        for (WM_HWIN h = WM_GetFirstChild(WM_GetParent(hWin)); h; h = WM_GetNextSibling(h))
          if (h != hWin) WM_SendMessageNoPara(h, UI_MSG_UNCHECK);
      }
      break;
    }
    case UI_MSG_UNCHECK:
      if (b.Checked && b.Kind == UI_BITS_EXCLUSIVE) {
        b.Checked = 0;
        WM_SetUserData(hWin, &b, sizeof(b));
        WM_InvalidateWindow(hWin);
      }
      break;
    default: WM_DefaultProc(pMsg);
  }
}

void UI_BitSelectionCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED:
      UI_TakeSideButtons(&_SideButtons, 1);
      WM_ShowWindow(hWin);
      WM_BringToTop(hWin);
      WM_InvalidateWindow(hWin);
      break;
    case WM_PAINT: {
      UI_DrawEntryDialogBackground();
      UI_BitSelectionInfo Info;
      _GetInfo(hWin, &Info);
      if (Info.pTitle) {
        GUI_SetColor(GUI_BLACK);
        GUI_SetFont(&UI_Font24);
        GUI_SetTextMode(GUI_TM_TRANS);
        GUI_GotoXY(206, 20);
        UI_DrawWordWrappedCentred(Info.pTitle, 392, 0, 0);
      }
      break;
    }
    case UI_MSG_BACK: _Ok(hWin); break;
    case UI_MSG_CLOSED: _Close(hWin); break;
    case WM_DELETE:
      // Deleted from outside (a new entry screen replaces it): the side buttons go back all the same.
      if (UI_hEntryDialog == hWin) {
        UI_GiveSideButtons(&_SideButtons);
        UI_hEntryDialog = 0;
      }
      WM_DefaultProc(pMsg);
      break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

void UI_CreateBitSelection(WM_HWIN hReceiver, const UI_BitSelectionInfo* pInfo) {
  if (!pInfo) return;
  WM_HWIN hWin = UI_NewEntryDialog(UI_BitSelectionCallback, sizeof(UI_BitSelectionInfo));
  if (!hWin) return;
  UI_BitSelectionInfo Info = *pInfo;
  Info.hReceiver = hReceiver ? hReceiver : pInfo->hReceiver;
  int n = pInfo->pItems ? pInfo->pItems->Count : 0;
  if (n > UI_BIT_BUTTONS) n = UI_BIT_BUTTONS;  // sixteen buttons fit
  for (int i = 0; i < n; i++) {
    const uint8_t* pItem = (const uint8_t*)(const void*)pInfo->pItems->ppTexts[i];
    if (!pItem) continue;  // an item that could not be read
    int k = i % 8;
    int x = 15 + (326 * k) / 8 + 8 * k;
    int yb = i < 8 ? 112 : 160;
    _BUTTON b = {Info.Kind, pItem[1] < 32 && (Info.Bits >> pItem[1] & 1) ? 1u : 0u, pItem};
    WM_HWIN hb = WM_CreateWindowAsChild(x, yb, 40, 40, hWin, WM_CF_SHOW | WM_CF_HASTRANS | WM_CF_STAYONTOP,
                                        UI_BitButtonCallback, sizeof(_BUTTON));
    if (hb) WM_SetUserData(hb, &b, sizeof(b));
  }
  WM_SetUserData(hWin, &Info, sizeof(Info));
  WM_SendMessageNoPara(hWin, UI_MSG_OPENED);
}

int UI_OpenBitSelection(int, uint8_t Type, WM_HWIN hParent, int Mode, uint32_t Bits, const UI_ItemTexts* pTexts,
                        const UI_EntryOptions* pOptions) {
  UI_BitSelectionInfo Info = {};
  Info.hReceiver = hParent;
  Info.pTitle = pOptions ? (const char16_t*)pOptions->aWord[4] : nullptr;
  Info.Bits = Bits;
  Info.Kind = uint32_t(Mode);
  Info.Tag = Type;
  Info.pItems = pTexts;
  UI_CreateBitSelection(hParent, &Info);
  return UI_hEntryDialog != 0;
}
