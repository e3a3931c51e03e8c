// The input-simulation window: the rows of the configured inputs in columns of 230 x 80 pixels, scrolled
// vertically when they do not fit, rebuilt when the controller announces new input descriptors, and moved by
// the simulation board's reports every 50 ms while a board is open.
#include <cstring>

#include "SIM_InputSimInternal.h"
#include "SIM_Windows.h"

enum { _TIMER_BOARD = 0, _BOARD_MS = 50, _ID_SCROLL = 1 };

static struct {
  PLAT_HWIN ahRow[SIM_NUM_INPUTS];
  PLAT_HCTL hScroll;
  int xSize, ySize;   // client area
  int Pos, MaxPos;    // scroll position and maximum in rows
} _Sim;

static int _IsConfigured(int Index) { return SIM_InputDescs[Index].Type != SIM_INPUT_UNUSED; }

static int _CountConfigured(void) {
  int n = 0;
  for (int i = 0; i < SIM_NUM_INPUTS; i++) n += _IsConfigured(i);
  return n;
}

void SIM__LayoutInputRows(int NumRows, int xSize, int ySize, int* pNumColumns, int* pRowsPerColumn, int* pMaxPos,
                          int* pPos) {
  int NumColumns = xSize / SIM_ROW_XSIZE;
  if (NumColumns < 1) NumColumns = 1;
  int RowsPerColumn = NumRows > 0 ? (NumRows + NumColumns - 1) / NumColumns : 0;
  int MaxPos = 0;
  if (RowsPerColumn * SIM_ROW_YSIZE > ySize) MaxPos = RowsPerColumn - (ySize > 0 ? ySize : 0) / SIM_ROW_YSIZE;
  if (*pPos > MaxPos) *pPos = MaxPos;
  if (*pPos < 0) *pPos = 0;
  *pNumColumns = NumColumns;
  *pRowsPerColumn = RowsPerColumn;
  *pMaxPos = MaxPos;
}

// Places the rows of the configured inputs column by column; the others are hidden. The columns count the whole
// client width (the scroll bar, when shown, lies over the right edge of the last column).
static void _PlaceRows(void) {
  int NumColumns, RowsPerColumn;
  SIM__LayoutInputRows(_CountConfigured(), _Sim.xSize, _Sim.ySize, &NumColumns, &RowsPerColumn, &_Sim.MaxPos,
                       &_Sim.Pos);
  PLAT_SetControlRange(_Sim.hScroll, 0, _Sim.MaxPos);
  PLAT_SetControlValue(_Sim.hScroll, _Sim.Pos);
  PLAT_ShowControl(_Sim.hScroll, _Sim.MaxPos > 0);
  int k = 0;
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    if (!_Sim.ahRow[i]) continue;
    if (!_IsConfigured(i)) {
      PLAT_ShowWindow(_Sim.ahRow[i], 0);
      continue;
    }
    int Column = k / RowsPerColumn, Row = k % RowsPerColumn;
    PLAT_MoveWindow(_Sim.ahRow[i], SIM_ROW_XSIZE * Column, (Row - _Sim.Pos) * SIM_ROW_YSIZE, SIM_ROW_XSIZE,
                    SIM_ROW_YSIZE);
    PLAT_ShowWindow(_Sim.ahRow[i], 1);
    k++;
  }
}

static void _Refresh(void) {
  _PlaceRows();
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    if (_Sim.ahRow[i] && _IsConfigured(i)) PLAT_SendMessage(_Sim.ahRow[i], SIM_MSG_REFRESH_INPUTS, 0, 0);
  }
}

static void _Scroll(int Pos) {
  _Sim.Pos = Pos < 0 ? 0 : Pos > _Sim.MaxPos ? _Sim.MaxPos : Pos;
  _PlaceRows();
}

static void _Create(PLAT_HWIN hWin) {
  memset(&_Sim, 0, sizeof(_Sim));
  PLAT_SetUserData(hWin, intptr_t(&SIM_InputTable));
  if (SIM__FindSimBoard()) PLAT_SetTimer(hWin, _TIMER_BOARD, _BOARD_MS);
  PLAT_GetClientSize(hWin, &_Sim.xSize, &_Sim.ySize);
  _Sim.hScroll = PLAT_CreateControl(hWin, PLAT_CTL_VSCROLL, _ID_SCROLL, _Sim.xSize - SIM_SCROLL_XSIZE, 0,
                                    SIM_SCROLL_XSIZE, _Sim.ySize, nullptr);
  for (int i = 0; i < SIM_NUM_INPUTS; i++) _Sim.ahRow[i] = SIM__CreateInputRow(hWin, i);
  _PlaceRows();
}

static intptr_t _WndProcInputSim(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  switch (Msg) {
  case PLAT_MSG_CREATE:
    _Create(hWin);
    return 0;
  case PLAT_MSG_SIZE:
    _Sim.xSize = int(lParam & 0xFFFF);
    _Sim.ySize = int((lParam >> 16) & 0xFFFF);
    PLAT_MoveControl(_Sim.hScroll, _Sim.xSize - SIM_SCROLL_XSIZE, 0, SIM_SCROLL_XSIZE, _Sim.ySize);
    _PlaceRows();
    return 0;
  case SIM_MSG_REFRESH_INPUTS:
    _Refresh();
    return 0;
  case PLAT_MSG_NOTIFY:
    if ((wParam & 0xFFFF) == _ID_SCROLL) _Scroll(PLAT_GetControlValue(_Sim.hScroll));
    return 0;
  case PLAT_MSG_WHEEL:
    _Scroll(_Sim.Pos - int16_t(wParam >> 16) / 120);
    return 0;
  case PLAT_MSG_TIMER:
    if (wParam == _TIMER_BOARD) SIM_PollSimBoard();
    return 0;
  case PLAT_MSG_DESTROY:
    PLAT_KillTimer(hWin, _TIMER_BOARD);
    memset(&_Sim, 0, sizeof(_Sim));
    if (SIM_hInputSimWnd == hWin) SIM_hInputSimWnd = nullptr;
    return 0;
  default:
    return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

PLAT_HWIN SIM_OpenInputSim(void) {
  if (PLAT_IsWindow(SIM_hInputSimWnd)) {
    PLAT_ShowWindow(SIM_hInputSimWnd, 1);
    return SIM_hInputSimWnd;
  }
  int NumRows = 1 + _CountConfigured();
  PLAT_CREATE Create = {"Input-Simulation", "Eingangs-Simulation", _WndProcInputSim, nullptr, 0, 0,
                        2 * SIM_ROW_XSIZE + 20, (NumRows / 2) * SIM_ROW_YSIZE + 40, PLAT_STYLE_FRAME, 0xF0F0F0, 0};
  PLAT_HWIN hWin = PLAT_CreateWindow(&Create);
  if (!hWin) return nullptr;
  SIM_hInputSimWnd = hWin;
  PLAT_SetMinimumSize(hWin, SIM_ROW_XSIZE + SIM_SCROLL_XSIZE, SIM_ROW_YSIZE + 40);
  PLAT_ShowWindow(hWin, 1);
  return hWin;
}

void SIM_CloseInputSim(void) {
  if (PLAT_IsWindow(SIM_hInputSimWnd)) PLAT_DestroyWindow(SIM_hInputSimWnd);
  SIM_hInputSimWnd = nullptr;
}

PLAT_WINDOW* SIM__GetInputRow(int Index) {
  return (PLAT_IsWindow(SIM_hInputSimWnd) && Index >= 0 && Index < SIM_NUM_INPUTS) ? _Sim.ahRow[Index] : nullptr;
}

PLAT_CONTROL* SIM__GetInputControl(int Index, int Id) { return SIM__GetRowControl(SIM__GetInputRow(Index), Id); }
PLAT_CONTROL* SIM__GetInputScrollBar(void) { return PLAT_IsWindow(SIM_hInputSimWnd) ? _Sim.hScroll : nullptr; }
