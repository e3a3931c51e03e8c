// CHOOSECOLOR: a non-modal dialog in a frame window that shows a grid of colour cells from the caller's
// table with "OK" and "Cancel" under it. A cell is selected by pointer or arrow keys; OK or Enter ends the
// dialog with 0 (telling the parent when the selection changed), Cancel or Escape with 1. Its state lives in
// the frame window's user data.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 CHOOSECOLOR_TAG = 0x43484343; // "CHCC": marks a frame window's user data as a chooser's
constexpr int CHOOSECOLOR_ID_OK = 1;
constexpr int CHOOSECOLOR_ID_CANCEL = 2;

// Notifications of the frame window to its parent besides 4 (selection changed).
constexpr int CHOOSECOLOR_NOTIFICATION_CONFIRMED = 5; // confirmed with a selection other than the first

struct CHOOSECOLOR_PROPS {
  I32 aBorder[2]; // margins x, y
  I32 aSpace[2];  // gaps between cells x, y
  I32 aButtonSize[2];
  GUI_COLOR aColor[2]; // [0] frame of every cell, [1] frame of the selected cell
};

struct CHOOSECOLOR_CONTEXT {
  U32 Tag;
  const GUI_COLOR* pColors;
  I32 NumColors;
  I32 NumColorsPerLine;
  I32 SelOld;
  I32 Sel; // -1: none
  WM_HWIN hParent;
  CHOOSECOLOR_PROPS Props;
  I32 Ended; // confirmed or cancelled: later presses and keys do nothing
};

// Creates the dialog; 0 without a colour table, with fewer than one colour per line or more per line than
// colours. xSize or ySize below 1: half the display; x0 or y0 below 0: centred. A Sel outside the table
// selects nothing. sCaption null: "Choose Color".
WM_HWIN CHOOSECOLOR_Create(WM_HWIN hParent, int x0, int y0, int xSize, int ySize, const GUI_COLOR* pColors,
                           unsigned NumColors, unsigned NumColorsPerLine, int Sel, const char* sCaption, int Flags);
int CHOOSECOLOR_GetSel(WM_HWIN hFrame); // -1 without a selection or for a window that is no chooser
void CHOOSECOLOR_SetSel(WM_HWIN hFrame, int Sel);

// Module defaults (choosers created afterwards); Coord 0 x, 1 y, others ignored.
void CHOOSECOLOR_SetDefaultBorder(unsigned Coord, unsigned Value);
void CHOOSECOLOR_SetDefaultSpace(unsigned Coord, unsigned Value);
void CHOOSECOLOR_SetDefaultButtonSize(unsigned Coord, unsigned Value);
void CHOOSECOLOR_SetDefaultColor(unsigned Index, GUI_COLOR Color);

// The grid in client coordinates, computed from the client size.
struct CHOOSECOLOR_GRID {
  int NumRows;
  int CellX, CellY; // cell size; below 1 when the client is too small
  int x0, y0;
};
void CHOOSECOLOR__GetGrid(const CHOOSECOLOR_CONTEXT* pContext, int xSizeClient, int ySizeClient,
                          CHOOSECOLOR_GRID* pGrid);
GUI_RECT CHOOSECOLOR__CellRect(const CHOOSECOLOR_CONTEXT* pContext, const CHOOSECOLOR_GRID& Grid, int Index);
// The index of the cell at (x, y), or -1 for a gap, the outside or a place without a colour.
int CHOOSECOLOR__CellAt(const CHOOSECOLOR_CONTEXT* pContext, const CHOOSECOLOR_GRID& Grid, int x, int y);
void CHOOSECOLOR__Paint(const CHOOSECOLOR_CONTEXT* pContext, int xSizeClient, int ySizeClient);
