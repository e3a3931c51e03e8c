// One row of the input-simulation window: the input's names and value text, a slider between a typed minimum
// and maximum, the interruption and short-circuit boxes and, for room sensors, the mode list. The row writes
// the input's record; the controller's tick reads it.
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "GUI.h"
#include "SIM_InputSimInternal.h"
#include "SIM_Windows.h"
#include "TXT_Number.h"

static const char* const _apMode[SIM_NUM_ROOM_MODES] = {"Zeit/Auto", "Normal", "Abgesenkt", "Standby"};

static SIM_INPUT_ROW* _GetRow(PLAT_HWIN hWin) { return reinterpret_cast<SIM_INPUT_ROW*>(PLAT_GetUserData(hWin)); }


// The slider's range from the edit's text: what is typed counts, even before it was taken into the record.
static int32_t _GetEditLimit(SIM_INPUT_ROW* pRow, int Id) {
  char ac[32];
  PLAT_GetControlText(pRow->ahCtl[Id], ac, sizeof(ac));
  return SIM_ParseLimit(ac, SIM__GetInputDecimals(pRow->Index));
}

/*********************************************************************
*
*       Edit filter
*/
// Digits, one leading minus sign and one decimal point (a comma becomes a point); Enter hands the focus to the
// window, so the edit is left and its value taken.
static int _WndProcEditFilter(PLAT_HCTL hEdit, int Char, int Caret) {
  char ac[64];
  PLAT_GetControlText(hEdit, ac, sizeof(ac));
  if (Char == ',') Char = '.';
  switch (Char) {
  case '-':
    return (Caret == 0 && ac[0] != '-') ? Char : 0;
  case '.':
    return (Caret == 0 || strchr(ac, '.')) ? 0 : Char;
  case 13:
    PLAT_FocusWindow(SIM_hInputSimWnd);
    return Char;
  case 8:
    return Char;
  default:
    return (Char >= '0' && Char <= '9') ? Char : 0;
  }
}

/*********************************************************************
*
*       Row window
*/
static void _Refresh(PLAT_HWIN hWin, SIM_INPUT_ROW* pRow) {
  const SIM_INPUT_DESC& Desc = SIM_InputDescs[pRow->Index];
  const SIM_INPUT_VALUE& Value = SIM_InputValues[pRow->Index];
  PLAT_HCTL* ah = pRow->ahCtl;
  if (Desc.Type == SIM_INPUT_DIGITAL) {
    PLAT_SetControlRange(ah[SIM_ID_SLIDER], 0, 1);
    for (int Id : {SIM_ID_MIN, SIM_ID_MAX, SIM_ID_UB, SIM_ID_KS, SIM_ID_MODE}) PLAT_ShowControl(ah[Id], 0);
  } else {
    PLAT_ShowControl(ah[SIM_ID_MIN], 1);
    PLAT_ShowControl(ah[SIM_ID_MAX], 1);
    PLAT_SetControlRange(ah[SIM_ID_SLIDER], _GetEditLimit(pRow, SIM_ID_MIN), _GetEditLimit(pRow, SIM_ID_MAX));
    PLAT_ShowControl(ah[SIM_ID_UB], 1);
    PLAT_ShowControl(ah[SIM_ID_KS], 1);
    PLAT_SetControlValue(ah[SIM_ID_UB], Value.Fault == SIM_FAULT_INTERRUPTION);
    PLAT_SetControlValue(ah[SIM_ID_KS], Value.Fault == SIM_FAULT_SHORT);
    if (Desc.Unit == SIM_UNIT_ROOM_SENSOR) {
      PLAT_ShowControl(ah[SIM_ID_MODE], 1);
      PLAT_SetControlItems(ah[SIM_ID_MODE], _apMode, SIM_NUM_ROOM_MODES);
      PLAT_SetControlValue(ah[SIM_ID_MODE], Value.RoomMode);
    } else {
      PLAT_ShowControl(ah[SIM_ID_MODE], 0);
    }
  }
  PLAT_SetControlValue(ah[SIM_ID_SLIDER], Value.Value);
  PLAT_Invalidate(hWin, 1);
}

// A limit edit was left: its text becomes the record's, the slider's range follows, and a value outside the
// new range is pulled to the limit.
static void _TakeLimit(PLAT_HWIN hWin, SIM_INPUT_ROW* pRow, int Id) {
  SIM_INPUT_VALUE& Value = SIM_InputValues[pRow->Index];
  char* pText = Id == SIM_ID_MIN ? Value.acMin : Value.acMax;
  char ac[sizeof(Value.acMin)];
  PLAT_GetControlText(pRow->ahCtl[Id], ac, sizeof(ac));  // at most 19 characters
  memcpy(pText, ac, sizeof(ac));
  PLAT_HCTL hSlider = pRow->ahCtl[SIM_ID_SLIDER];
  int Min, Max;
  PLAT_GetControlRange(hSlider, &Min, &Max);
  int Pos = PLAT_GetControlValue(hSlider);
  int32_t Limit = _GetEditLimit(pRow, Id);
  bool Outside = Id == SIM_ID_MIN ? Pos < Limit : Pos > Limit;
  if (Id == SIM_ID_MIN) Min = Limit; else Max = Limit;
  PLAT_SetControlRange(hSlider, Min, Max);
  if (Outside) {
    Value.Value = Limit;
    PLAT_SetControlValue(hSlider, Limit);
    PLAT_Invalidate(hWin, 0);
  }
}

static void _OnNotify(PLAT_HWIN hWin, SIM_INPUT_ROW* pRow, int Id, int Code) {
  SIM_INPUT_VALUE& Value = SIM_InputValues[pRow->Index];
  PLAT_HCTL* ah = pRow->ahCtl;
  switch (Id) {
  case SIM_ID_SLIDER:
    Value.Value = PLAT_GetControlValue(ah[SIM_ID_SLIDER]);
    PLAT_Invalidate(hWin, 0);
    break;
  case SIM_ID_MIN:
  case SIM_ID_MAX:
    if (Code == PLAT_NOTIFY_DONE) _TakeLimit(hWin, pRow, Id);
    break;
  case SIM_ID_UB:
  case SIM_ID_KS: {
    // At most one fault at a time: checking one box clears the other.
    int Other = Id == SIM_ID_UB ? SIM_ID_KS : SIM_ID_UB;
    PLAT_SetControlValue(ah[Other], 0);
    int Fault = Id == SIM_ID_UB ? SIM_FAULT_INTERRUPTION : SIM_FAULT_SHORT;
    Value.Fault = PLAT_GetControlValue(ah[Id]) ? Fault : SIM_FAULT_NONE;
    PLAT_Invalidate(hWin, 0);
    break;
  }
  case SIM_ID_MODE: {
    int Mode = PLAT_GetControlValue(ah[SIM_ID_MODE]);
    if (Mode >= 0 && Mode < SIM_NUM_ROOM_MODES) Value.RoomMode = Mode;
    break;
  }
  default: break;
  }
}

static void _Paint(PLAT_HWIN hWin, SIM_INPUT_ROW* pRow) {
  PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
  if (!hdc) return;
  int xSize, ySize;
  PLAT_GetClientSize(hWin, &xSize, &ySize);
  // The border.
  PLAT_FillRect(hdc, 0, 0, xSize, 1, 0x808080);
  PLAT_FillRect(hdc, 0, ySize - 1, xSize, 1, 0x808080);
  PLAT_FillRect(hdc, 0, 0, 1, ySize, 0x808080);
  PLAT_FillRect(hdc, xSize - 1, 0, 1, ySize, 0x808080);
  PLAT_SetTextColor(hdc, 0);
  const SIM_INPUT_DESC& Desc = SIM_InputDescs[pRow->Index];
  char16_t acValue[64];
  char acUtf8[256];
  int x1 = xSize - 6;
  if (Desc.Unit <= 0xFF && SIM_FormatValue(SIM_InputValues[pRow->Index].Value, int(Desc.Unit), acValue, 64)) {
    int n = GUI_UC_ConvertUC2UTF8(acValue, 64, acUtf8, sizeof(acUtf8));
    PLAT_DrawTextInRect(hdc, 5, 5, xSize - 6, ySize - 6, acUtf8, PLAT_TEXT_RIGHT);
    x1 -= PLAT_GetTextWidth(hdc, acUtf8, n) + 4;  // the names wrap before the value
  }
  char acName1[96], acName2[96], acLine[256];
  GUI_UC_ConvertUC2UTF8(Desc.pName1, 48, acName1, sizeof(acName1));
  GUI_UC_ConvertUC2UTF8(Desc.pName2, 48, acName2, sizeof(acName2));
  snprintf(acLine, sizeof(acLine), "%d: %s %s", pRow->Index + 1, acName1, acName2);
  PLAT_DrawTextInRect(hdc, 5, 5, x1, ySize - 6, acLine, PLAT_TEXT_WRAP);
  PLAT_EndPaint(hWin, hdc);
}

static void _Create(PLAT_HWIN hWin, SIM_INPUT_ROW* pRow) {
  const SIM_INPUT_VALUE& Value = SIM_InputValues[pRow->Index];
  PLAT_HCTL* ah = pRow->ahCtl;
  ah[SIM_ID_MIN] = PLAT_CreateControl(hWin, PLAT_CTL_EDIT, SIM_ID_MIN, 5, 25, 55, 20, Value.acMin);
  ah[SIM_ID_SLIDER] = PLAT_CreateControl(hWin, PLAT_CTL_SLIDER, SIM_ID_SLIDER, 63, 25, 100, 25, "Track");
  ah[SIM_ID_MAX] = PLAT_CreateControl(hWin, PLAT_CTL_EDIT, SIM_ID_MAX, 166, 25, 55, 20, Value.acMax);
  ah[SIM_ID_UB] = PLAT_CreateControl(hWin, PLAT_CTL_CHECKBOX, SIM_ID_UB, 5, 50, 40, 20, "UB");
  ah[SIM_ID_KS] = PLAT_CreateControl(hWin, PLAT_CTL_CHECKBOX, SIM_ID_KS, 50, 50, 40, 20, "KS");
  ah[SIM_ID_MODE] = PLAT_CreateControl(hWin, PLAT_CTL_LIST, SIM_ID_MODE, 100, 50, 110, 20, nullptr);
  PLAT_SetCharFilter(ah[SIM_ID_MIN], _WndProcEditFilter);
  PLAT_SetCharFilter(ah[SIM_ID_MAX], _WndProcEditFilter);
  PLAT_EnableControl(ah[SIM_ID_SLIDER], !SIM_SimBoardOpen);
  PLAT_SetControlItems(ah[SIM_ID_MODE], _apMode, SIM_NUM_ROOM_MODES);
  PLAT_SetControlValue(ah[SIM_ID_MODE], Value.RoomMode);
  PLAT_SendMessage(hWin, SIM_MSG_REFRESH_INPUTS, 0, 0);
  PLAT_SetControlValue(ah[SIM_ID_SLIDER], Value.Value);
}

static intptr_t _WndProcInputRow(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  SIM_INPUT_ROW* pRow = _GetRow(hWin);
  if (!pRow) return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  switch (Msg) {
  case PLAT_MSG_CREATE: _Create(hWin, pRow); return 0;
  case SIM_MSG_REFRESH_INPUTS: _Refresh(hWin, pRow); return 0;
  case PLAT_MSG_NOTIFY: _OnNotify(hWin, pRow, int(wParam & 0xFFFF), int(wParam >> 16)); return 0;
  case PLAT_MSG_PAINT: _Paint(hWin, pRow); return 0;
  case PLAT_MSG_DESTROY:
    PLAT_SetUserData(hWin, 0);
    delete pRow;
    return 0;
  default: return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

PLAT_HWIN SIM__CreateInputRow(PLAT_HWIN hParent, int Index) {
  char acTitle[32];
  snprintf(acTitle, sizeof(acTitle), "%s %d", "Eingang", Index + 1);
  SIM_INPUT_ROW* pRow = new SIM_INPUT_ROW{Index, {}};
  PLAT_CREATE Create = {"Eingang", acTitle, _WndProcInputRow, hParent, 0, 0, SIM_ROW_XSIZE, SIM_ROW_YSIZE,
                        PLAT_STYLE_CHILD, 0xF0F0F0, intptr_t(pRow)};
  PLAT_HWIN hRow = PLAT_CreateWindow(&Create);
  if (!hRow) delete pRow;
  return hRow;
}

void SIM__ShowRowValue(PLAT_HWIN hRow, int32_t Value) {
  if (SIM_INPUT_ROW* pRow = _GetRow(hRow)) {
    PLAT_SetControlValue(pRow->ahCtl[SIM_ID_SLIDER], Value);
    PLAT_Invalidate(hRow, 0);
  }
}

PLAT_CONTROL* SIM__GetRowControl(PLAT_HWIN hRow, int Id) {
  SIM_INPUT_ROW* pRow = _GetRow(hRow);
  return (pRow && Id > 0 && Id < SIM_NUM_ROW_CONTROLS) ? pRow->ahCtl[Id] : nullptr;
}
