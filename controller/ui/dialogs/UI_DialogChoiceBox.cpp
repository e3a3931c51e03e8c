// The choice box of the dialogs: a one-line drop-down showing its chosen item; a touch opens the scrolled list
// over it, whose choice the box keeps for its parent to read.
#include <cstring>

#include "GUI.h"
#include "UI_Dialog.h"
#include "UI_Draw.h"
#include "UI_Element.h"
#include "UI_Main.h"

namespace {

int _Get(WM_HWIN hWin, UI_ChoiceBox* p) {
  memset(p, 0, sizeof(*p));
  return WM_GetUserData(hWin, p, sizeof(*p)) == int(sizeof(*p));
}

// The item's text; an index outside the texts shows nothing.
const char16_t* _ChoiceText(const UI_ChoiceBox* p) {
  if (!p->pTexts || !p->pTexts->ppTexts || p->Index >= p->pTexts->Count || p->Index >= UI_MAX_ITEMS) return u"";
  const char16_t* s = p->pTexts->ppTexts[p->Index];
  return s ? s : u"";
}

}  // namespace

void UI_ChoiceBoxCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_ChoiceBox Box;
  _Get(hWin, &Box);
  switch (pMsg->MsgId) {
    case WM_PAINT: UI__PaintChoiceFace(hWin, _ChoiceText(&Box)); break;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg) && Box.pTexts) UI__OpenChoiceList(hWin, Box.pTexts, nullptr, int(Box.Index));
      break;
    case UI_MSG_SELECTION_DONE:
      Box.Index = uint32_t(pMsg->Data.v);
      WM_SetUserData(hWin, &Box, sizeof(Box));
      WM_InvalidateWindow(hWin);
      break;
    default: UI__DialogDefault(pMsg);
  }
}

WM_HWIN UI_CreateChoiceBox(WM_HWIN hParent, int x, int y, uint32_t Index, const UI_ItemTexts* pTexts) {
  UI_ChoiceBox Box = {0, Index, pTexts};
  WM_HWIN h = WM_CreateWindowAsChild(x, y, UI_CHOICE_BOX_W, UI_CHOICE_BOX_H, hParent, WM_CF_SHOW | WM_CF_HASTRANS,
                                     UI_ChoiceBoxCallback, sizeof(Box));
  if (h) WM_SetUserData(h, &Box, sizeof(Box));
  return h;
}

uint32_t UI_ChoiceBoxIndex(WM_HWIN hBox) {
  UI_ChoiceBox Box;
  if (!hBox || WM_GetCallback(hBox) != UI_ChoiceBoxCallback || !_Get(hBox, &Box)) return 0;
  return Box.Index;
}
