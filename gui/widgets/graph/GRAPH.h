// GRAPH: a plotting area with a background, an optional grid, optional borders with a frame line, attached
// data objects (point series and value series) and scales, and a user drawing routine called at three
// stages of every repaint. A plot larger than the window scrolls with scroll bars of the graph's own.
// Plot coordinates: x grows to the right from the data area's left edge, y upwards from its bottom edge; the
// x scroll value is added to x, the y scroll value subtracted from y, for grid, data and scales alike.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 GRAPH_ID = 0x47524150; // "GRAP"

// Creation flags (ExFlags).
constexpr U16 GRAPH_CF_GRID_FIXED_X = 0x01; // vertical grid lines and horizontal scales ignore the x scroll value
constexpr U16 GRAPH_CF_AVOID_SCROLLBAR_H = 0x02;
constexpr U16 GRAPH_CF_AVOID_SCROLLBAR_V = 0x04;

// Colour indexes.
constexpr unsigned GRAPH_CI_BK = 0;     // data area
constexpr unsigned GRAPH_CI_BORDER = 1; // border areas; alpha byte 0xFF: no border areas, no frame line
constexpr unsigned GRAPH_CI_FRAME = 2;  // the line around the data area
constexpr unsigned GRAPH_CI_GRID = 3;

// Stages of the user drawing routine.
constexpr int GRAPH_DRAW_FIRST = 0; // after the background, before the grid
constexpr int GRAPH_DRAW_AFTER_BORDER = 1;
constexpr int GRAPH_DRAW_LAST = 2;

// Scale flags.
constexpr U16 GRAPH_SCALE_CF_HORIZONTAL = 0;
constexpr U16 GRAPH_SCALE_CF_VERTICAL = 1;

typedef GUI_HMEM GRAPH_DATA_Handle;
typedef GUI_HMEM GRAPH_SCALE_Handle;

struct GUI_POINT16 {
  I16 x, y;
};

// What a user point routine receives for one mark: Cmd WIDGET_ITEM_DRAW, (x0, y0) the point in window
// coordinates (x1, y1 the same), ItemIndex the point's index, hWin the graph, p the address of the series' handle.
typedef WIDGET_ITEM_DRAW_INFO GRAPH_POINT_INFO;
typedef void GRAPH_POINT_DRAW_FUNC(const GRAPH_POINT_INFO* pInfo);
typedef void GRAPH_USER_DRAW_FUNC(WM_HWIN hWin, int Stage);

// The twelve words every graph starts with (GRAPH_SetDefault... is not offered; the block is fixed).
struct GRAPH_PROPS {
  GUI_COLOR aColor[4];
  I32 GridDistX, GridDistY;
  I32 GridOffX, GridOffY;
  I32 BorderL, BorderT, BorderR, BorderB;
};

struct GRAPH_OBJ {
  WIDGET Widget;
  GRAPH_PROPS Props;
  GUI_ARRAY hDataArray;  // one GRAPH_DATA_Handle per entry
  GUI_ARRAY hScaleArray; // one GRAPH_SCALE_Handle per entry
  U8 GridVisible;
  I32 VirtualSizeX, VirtualSizeY;
  U16 Flags;
  U8 LineStyleV, LineStyleH;
  WM_SCROLL_STATE ScrollStateV, ScrollStateH;
  GRAPH_USER_DRAW_FUNC* pfUserDraw;
  U32 DebugId;
};

// Creation.
WM_HWIN GRAPH_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                         int NumExtraBytes);
WM_HWIN GRAPH_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN GRAPH_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN GRAPH_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                             WM_CALLBACK* cb);
void GRAPH_Callback(WM_MESSAGE* pMsg);
GRAPH_OBJ* GRAPH_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Data objects and scales. The graph owns what is attached when it is deleted; a detached object is not
// freed. An object already attached to a graph is not attached a second time.
void GRAPH_AttachData(WM_HWIN hObj, GRAPH_DATA_Handle hData);
void GRAPH_DetachData(WM_HWIN hObj, GRAPH_DATA_Handle hData);
void GRAPH_AttachScale(WM_HWIN hObj, GRAPH_SCALE_Handle hScale);
void GRAPH_DetachScale(WM_HWIN hObj, GRAPH_SCALE_Handle hScale);

// Look and geometry; results are previous values.
GUI_COLOR GRAPH_SetColor(WM_HWIN hObj, GUI_COLOR Color, unsigned Index); // index 4 and above: 0, nothing set
void GRAPH_SetBorder(WM_HWIN hObj, int Left, int Top, int Right, int Bottom);
int GRAPH_SetGridDistX(WM_HWIN hObj, int Value);
int GRAPH_SetGridDistY(WM_HWIN hObj, int Value);
int GRAPH_SetGridOffY(WM_HWIN hObj, int Value);
int GRAPH_SetGridVisible(WM_HWIN hObj, U8 OnOff);
int GRAPH_SetGridFixedX(WM_HWIN hObj, int OnOff);
int GRAPH_SetLineStyleV(WM_HWIN hObj, U8 Style);
int GRAPH_SetLineStyleH(WM_HWIN hObj, U8 Style);
int GRAPH_SetLineStyle(WM_HWIN hObj, U8 Style); // both; -> the previous horizontal style
int GRAPH_SetVirtualSizeX(WM_HWIN hObj, int Size);
int GRAPH_SetVirtualSizeY(WM_HWIN hObj, int Size);
void GRAPH_SetAutoScrollbar(WM_HWIN hObj, U8 Coord, U8 OnOff); // Coord 0 horizontal, 1 vertical
void GRAPH_SetScrollValue(WM_HWIN hObj, U8 Coord, U32 Value);  // Coord 0 x, 1 y
int GRAPH_GetScrollValue(WM_HWIN hObj, U8 Coord);              // -1 for another Coord or handle 0
void GRAPH_SetUserDraw(WM_HWIN hObj, GRAPH_USER_DRAW_FUNC* pfUserDraw);
int GRAPH_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int GRAPH_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Point series: pairs of x and y drawn as a polyline and/or marks. A series created with more points than its
// buffer holds keeps the newest that fit.
GRAPH_DATA_Handle GRAPH_POINTS_Create(GUI_COLOR Color, int MaxNumItems, const GUI_POINT16* pPoints, int NumItems);
void GRAPH_POINTS_Delete(GRAPH_DATA_Handle hData); // an attached series is detached first
void GRAPH_POINTS_AddPoint(GRAPH_DATA_Handle hData, const GUI_POINT16* pPoint);
void GRAPH_POINTS_Clear(GRAPH_DATA_Handle hData);
int GRAPH_POINTS_SetLineVisible(GRAPH_DATA_Handle hData, int OnOff);
int GRAPH_POINTS_SetPointVisible(GRAPH_DATA_Handle hData, int OnOff);
int GRAPH_POINTS_GetLineVisible(GRAPH_DATA_Handle hData);
int GRAPH_POINTS_GetPointVisible(GRAPH_DATA_Handle hData);
void GRAPH_POINTS_SetOffX(GRAPH_DATA_Handle hData, int Off);
void GRAPH_POINTS_SetOffY(GRAPH_DATA_Handle hData, int Off);
void GRAPH_POINTS_SetPenSize(GRAPH_DATA_Handle hData, U8 PenSize);
void GRAPH_POINTS_SetLineStyle(GRAPH_DATA_Handle hData, U8 Style);
void GRAPH_POINTS_SetPointSize(GRAPH_DATA_Handle hData, int Size);
void GRAPH_POINTS_SetPointDraw(GRAPH_DATA_Handle hData, GRAPH_POINT_DRAW_FUNC* pfPointDraw);

// Value series: one value per pixel column, scrolling like a recorder once the buffer is full. The value
// 32767 leaves a gap.
GRAPH_DATA_Handle GRAPH_VALUES_Create(GUI_COLOR Color, int MaxNumItems, const I16* pValues, int NumItems);
void GRAPH_VALUES_Delete(GRAPH_DATA_Handle hData); // an attached series is detached first
void GRAPH_VALUES_AddValue(GRAPH_DATA_Handle hData, I16 Value);
void GRAPH_VALUES_Clear(GRAPH_DATA_Handle hData);
void GRAPH_VALUES_SetAlign(GRAPH_DATA_Handle hData, U8 Align); // 0 newest at the right edge, 1 oldest at the left
void GRAPH_VALUES_SetReverse(GRAPH_DATA_Handle hData, U8 OnOff);
void GRAPH_VALUES_SetOffY(GRAPH_DATA_Handle hData, int Off);

// Scales: numeric labels every TickDist pixels along a horizontal or vertical line.
GRAPH_SCALE_Handle GRAPH_SCALE_Create(int Pos, int TextAlign, U16 Flags, int TickDist);
float GRAPH_SCALE_SetFactor(GRAPH_SCALE_Handle hScale, float Factor);
const GUI_FONT* GRAPH_SCALE_SetFont(GRAPH_SCALE_Handle hScale, const GUI_FONT* pFont);
int GRAPH_SCALE_SetNumDecs(GRAPH_SCALE_Handle hScale, int NumDecs);
int GRAPH_SCALE_SetOff(GRAPH_SCALE_Handle hScale, int Off);
int GRAPH_SCALE_SetPos(GRAPH_SCALE_Handle hScale, int Pos);
GUI_COLOR GRAPH_SCALE_SetTextColor(GRAPH_SCALE_Handle hScale, GUI_COLOR Color);
int GRAPH_SCALE_SetTickDist(GRAPH_SCALE_Handle hScale, int TickDist);
