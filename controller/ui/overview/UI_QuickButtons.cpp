// The quick buttons of an overview page: after a long press, two or three 74x74 buttons at the pressed point open
// the main menu or one of two fixed menu pages of the own controller. Any other touch, or five seconds without
// one, removes them. The layer that carries them holds the pointer capture, so every touch reaches it.
#include "UI_Background.h"
#include "UI_Draw.h"
#include "UI_Element.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"
#include "UI_Overview.h"

WM_HWIN UI_hQuickLayer;

namespace {

enum {
  _SIZE = 74,
  _ICON_X = 21,
  _ICON_Y = 21,
  _MAX_X = 406,
  _MAX_Y = 198,
  _TIMEOUT_MS = 5000,
  _TIMER_CLOSE = 0,
  _STEP = 84,
  _PLAIN_DX = 42,
  _PLAIN_DY = 30,
};
constexpr uint32_t _PAGE_A = 0x35A85, _PAGE_B = 0xB5800;

int _ClosingPress;  // a press removed the buttons: the release closes the layer

void _CloseLayer(void) {
  if (UI_hQuickLayer && WM_IsWindow(UI_hQuickLayer)) WM_DeleteWindow(UI_hQuickLayer);
  UI_hQuickLayer = 0;
}

// The button face and its 40x42 icon: a side-button icon of the graphics cache.
void _PaintButton(int Icon) {
  UI_DrawTwoToneButton(0, 0, _SIZE, _SIZE, 0xF0F0F0, 0xC8C8C8);
  GUI_SetColor(0x808080);
  GUI_DrawRoundedRect(0, 0, _SIZE - 1, _SIZE - 1, 8);
  UI_DrawCached(UI_ahMemdevSideIcon[Icon], _ICON_X, _ICON_Y);
}

void _Button(WM_MESSAGE* pMsg, int Icon, void (*pfAction)(void)) {
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintButton(Icon); break;
    case WM_POINTER:
      if (UI_ElementTouched(pMsg->hWin, pMsg)) {
        pfAction();
        _CloseLayer();
      } else if (pMsg->Data.p && !((const GUI_POINTER_STATE*)pMsg->Data.p)->Pressed && UI_hQuickLayer) {
        WM_SetCapture(UI_hQuickLayer, 0);  // released beside it: the layer takes every touch again
      }
      break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

// The button strictly inside which a point of the layer lies, 0 for none.
WM_HWIN _ButtonAt(WM_HWIN hLayer, int x, int y) {
  for (WM_HWIN h = WM_GetFirstChild(hLayer); h; h = WM_GetNextSibling(h)) {
    int x0 = WM_GetWindowPosX(h) - WM_GetWindowPosX(hLayer), y0 = WM_GetWindowPosY(h) - WM_GetWindowPosY(hLayer);
    if (x > x0 && x < x0 + _SIZE && y > y0 && y < y0 + _SIZE) return h;
  }
  return 0;
}

void _MainMenu(void) { UI_ShowMainMenu(); }
// The menu pages open in the menu layout, above the main menu, so that back returns there.
void _OpenPage(uint32_t Address) {
  UI_ShowMainMenu();
  UI_MenuStackInstance.Open(Address, 0);
}
void _PageA(void) { _OpenPage(_PAGE_A); }
void _PageB(void) { _OpenPage(_PAGE_B); }

void _Create(int x, int y, WM_CALLBACK* pfCallback) {
  WM_CreateWindowAsChild(x, y, _SIZE, _SIZE, UI_hQuickLayer, WM_CF_SHOW | WM_CF_HASTRANS | WM_CF_STAYONTOP,
                         pfCallback, 0);
}

}  // namespace

void UI_QuickMainMenuCallback(WM_MESSAGE* pMsg) { _Button(pMsg, UI_ICON_HOME, _MainMenu); }
void UI_QuickPageACallback(WM_MESSAGE* pMsg) { _Button(pMsg, UI_ICON_UP, _PageA); }
void UI_QuickPageBCallback(WM_MESSAGE* pMsg) { _Button(pMsg, UI_ICON_ROOT_BACK, _PageB); }

void UI_QuickLayerCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_CREATE:
      WM_CreateTimer(hWin, _TIMER_CLOSE, _TIMEOUT_MS);
      _ClosingPress = 0;
      break;
    case WM_POINTER: {
      const GUI_POINTER_STATE* p = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (p && p->Pressed) {
        // The layer holds the capture, so it hands a press on a button to that button.
        if (WM_HWIN hButton = _ButtonAt(hWin, p->x, p->y)) {
          GUI_POINTER_STATE State = *p;
          State.x -= WM_GetWindowPosX(hButton) - WM_GetWindowPosX(hWin);
          State.y -= WM_GetWindowPosY(hButton) - WM_GetWindowPosY(hWin);
          WM_MESSAGE Msg = *pMsg;
          Msg.hWin = hButton;
          Msg.Data.p = &State;
          WM_SendMessage(hButton, &Msg);
          break;
        }
        WM_SetCapture(hWin, 0);
        UI_DeleteChildren(hWin);
        _ClosingPress = 1;
      } else {
        WM_ReleaseCapture();
        if (_ClosingPress) _CloseLayer();
      }
      break;
    }
    case WM_TIMER:
      if (WM_GetFirstChild(hWin)) _CloseLayer();
      break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

void UI_CreateQuickButtons(WM_HWIN hParent, int x, int y) {
  _CloseLayer();
  if (x > _MAX_X) x = _MAX_X;
  if (y > _MAX_Y) y = _MAX_Y;
  UI_hQuickLayer = WM_CreateWindowAsChild(0, 0, 0, 0, hParent, WM_CF_SHOW | WM_CF_HASTRANS | WM_CF_STAYONTOP,
                                          UI_QuickLayerCallback, 0);
  if (!UI_hQuickLayer) return;
  WM_SetCapture(UI_hQuickLayer, 0);
  if (!UI_IsDesignLayout()) {
    _Create(x - _PLAIN_DX, y - _PLAIN_DY, UI_QuickPageBCallback);
    _Create(x + _PLAIN_DX, y - _PLAIN_DY, UI_QuickPageACallback);
  } else {
    _Create(x - _STEP, y, UI_QuickMainMenuCallback);
    _Create(x, y, UI_QuickPageBCallback);
    _Create(x + _STEP, y, UI_QuickPageACallback);
  }
}
