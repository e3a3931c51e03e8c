// Reading the values of overview elements: local ones on every refresh, remote ones (over the bus) only in one
// refresh of ten or when forced, with a pause after every eight. A read never waits for the screens' semaphore:
// when it is busy, the element is read next time.
#include <cstring>

#include "APP_Hooks.h"
#include "OBJ_Access.h"
#include "TXT_FormatValue.h"
#include "UI_Element.h"
#include "UI_Overview.h"

namespace {

enum { _TEXT_ANSWER_SIZE = 68 };

int _IsRemote(int Node) { return Node != 0 && !OBJ_IsOwnNode(Node); }

// The fetched text of a value element's state (a text answer: type, a byte, UTF-16 text).
void _FetchStateText(uint32_t Address, char16_t* pDest) {
  uint8_t a[_TEXT_ANSWER_SIZE];
  int n = OBJ_Read(Address, a, sizeof(a), 0);
  if (n > 2) UI_TakeTextAnswer(a, n > int(sizeof(a)) ? int(sizeof(a)) : n, pDest, DSG_STATE_TEXT_CHARS + 1);
}

// Takes the semaphore without waiting; skips remote elements outside their round. 0: not this time.
int _BeginRead(int Mode, int Node) {
  if (APP_hUiSemaphore && OS_SemWait(APP_hUiSemaphore, 0) != OS_WAIT_TAKEN) return 0;
  if (_IsRemote(Node)) {
    if (Mode != UI_LOAD_MODE_FORCED && UI_RemoteRound != 0) {
      if (APP_hUiSemaphore) OS_SemSignal(APP_hUiSemaphore);
      return 0;
    }
    if (UI_RemoteReadBudget <= 0) {
      OS_Sleep(UI_REMOTE_PAUSE_MS);
      UI_RemoteReadBudget = UI_REMOTE_BUDGET;
    }
    UI_RemoteReadBudget--;
  }
  return 1;
}

void _EndRead(UI_ElementState* pState) {
  pState->Changed = 1;
  if (APP_hUiSemaphore) OS_SemSignal(APP_hUiSemaphore);
}

}  // namespace

int UI_ReadElementValue(const DSG_ELEMENT* pElement, UI_ElementState* pState, int Forced) {
  pState->Address = pElement->Address();
  memset(pState->aDesc, 0, sizeof(pState->aDesc));
  if (OBJ_Read(pState->Address, pState->aDesc, UI_ELEMENT_DESC_SIZE, 0) <= 0) {
    pState->aDesc[0] = 0;
    return 1;
  }
  uint32_t Type = pElement->Type();
  if (Type >= DSG_EL_TOGGLE && Type <= DSG_EL_MOMENTARY) {
    int32_t Value = 0;
    UI_FormatElementValue(pElement, pState, nullptr, 0, &Value, nullptr);
    for (int s = 0; s < 2; s++) pElement->GetText(pElement->StateTextOffset(s), DSG_STATE_TEXT_CHARS, pState->acState[s]);
    if (pElement->FetchTexts()) {
      uint32_t Text = (pState->Address & ~0x7000u) | 0x3000u;
      if (Value != 1) {
        _FetchStateText(Text, pState->acState[0]);
      } else {
        _FetchStateText(Type == DSG_EL_TOGGLE ? Text + 1 : Text, pState->acState[1]);
      }
    }
  }
  (void)Forced;
  return 0;
}

int UI_FormatElementValue(const DSG_ELEMENT* pElement, const UI_ElementState* pState, char16_t* pText, int TextLen,
                          int32_t* pValue, int* pUnit) {
  const uint8_t* d = pState->aDesc;
  int32_t Value = 0;
  int Unit = 0, Class = d[0] & 0x70;
  if (pText && TextLen > 0) pText[0] = 0;
  switch (Class) {
    case 0x10:
      Value = d[1];
      if (pText) UI_TakeTextAnswer(d, UI_ELEMENT_DESC_SIZE, pText, TextLen);
      break;
    case 0x30: Value = int8_t(d[2]), Unit = d[1]; break;
    case 0x40: Value = int16_t(d[2] | d[3] << 8), Unit = d[1]; break;
    case 0x50: Value = int32_t(uint32_t(d[2]) | uint32_t(d[3]) << 8 | uint32_t(d[4]) << 16 | uint32_t(d[5]) << 24), Unit = d[1]; break;
    default:
      if (pValue) *pValue = 0;
      if (pUnit) *pUnit = 0;
      return 1;
  }
  if (Class != 0x10 && pText && TextLen > 0) {
    // The element's two format bytes: whether the unit follows the number, and the decimals (-1: the unit's).
    uint32_t Type = pElement->Type();
    bool Action = Type == DSG_EL_FIELD || Type == DSG_EL_DISPLAY;
    int WithUnit = Action ? pElement->Decimals() : 1;
    int Decimals = Action ? pElement->Width() : -1;
    TXT_FormatValue(Value, Unit, pText, size_t(TextLen), 0, WithUnit, Decimals);
  }
  if (pValue) *pValue = Value;
  if (pUnit) *pUnit = Unit;
  return 0;
}

void UI_LoadActionElement(WM_HWIN hWin, int Mode, const DSG_ELEMENT* pElement, UI_ElementState* pState) {
  if (pElement->Type() == DSG_EL_DISPLAY && Mode != UI_LOAD_MODE_FORCED) return;
  if (!_BeginRead(Mode, pElement->Node())) return;
  UI_ReadElementValue(pElement, pState, Mode == UI_LOAD_MODE_FORCED);
  UI_FormatElementValue(pElement, pState, pState->acText, UI_ELEMENT_TEXT_LEN, nullptr, nullptr);
  _EndRead(pState);
  (void)hWin;
}

void UI_LoadValueElement(WM_HWIN hWin, int Mode, const DSG_ELEMENT* pElement, UI_ElementState* pState) {
  if (!_BeginRead(Mode, pElement->Node())) return;
  UI_ReadElementValue(pElement, pState, Mode == UI_LOAD_MODE_FORCED);
  UI_FormatElementValue(pElement, pState, nullptr, 0, &pState->Value, nullptr);
  _EndRead(pState);
  (void)hWin;
}
