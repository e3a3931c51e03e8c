// LISTVIEW: a table of text cells under a header. One row can be selected (and in cell-selection mode one
// cell of it), rows can be disabled, cells can carry their own colours or a bitmap, and the rows can be
// sorted by a column with its compare routine in either direction by clicking the header. Rows have two
// indexes: the storage index (order of adding and inserting) and the display index (order on the screen);
// a sort table maps the one to the other while a sort is active. Functions named ...Unsorted take storage
// indexes, all others display indexes.
#pragma once
#include "HEADER.h"
#include "WIDGET_Type.h"

constexpr U32 LISTVIEW_ID = 0x4C495356; // "LISV"

// Colour indexes (row states).
constexpr unsigned LISTVIEW_CI_UNSEL = 0;
constexpr unsigned LISTVIEW_CI_SEL = 1;
constexpr unsigned LISTVIEW_CI_SELFOCUS = 2;
constexpr unsigned LISTVIEW_CI_DISABLED = 3;

// Flags.
constexpr U8 LISTVIEW_FLAG_AUTOSCROLL_H = 1;
constexpr U8 LISTVIEW_FLAG_AUTOSCROLL_V = 2;
constexpr U8 LISTVIEW_FLAG_CELLSELECT = 4;

// Cell info flags.
constexpr U8 LISTVIEW_CELL_COLORS = 1;
constexpr U8 LISTVIEW_CELL_DRAW = 2;

typedef int LISTVIEW_COMPARE_FUNC(const void* p0, const void* p1);
typedef void LISTVIEW_CELL_DRAW_FUNC(WM_HWIN hObj, int Column, int Row, GUI_RECT* pCellRect);

struct LISTVIEW_COLUMN {
  U8 Align;
  LISTVIEW_COMPARE_FUNC* pfCompare; // null: the column cannot be sorted
};

struct LISTVIEW_ROW {
  GUI_ARRAY hCells;
  U8 Disabled;
  U32 UserData;
};

struct LISTVIEW_CELL {
  GUI_HMEM hCellInfo;
  char acText[1];
};

// A cell's own colours and drawing routine (allocated on first use).
struct LISTVIEW_CELL_INFO {
  LISTVIEW_CELL_DRAW_FUNC* pfDraw;
  const void* pData; // the bitmap of a bitmap cell
  GUI_COLOR aBkColor[4];
  GUI_COLOR aTextColor[4];
  I16 xOff, yOff;
  U8 Flags;
};

// What the drawing routine receives for each cell in WIDGET_ITEM_DRAW_INFO::p.
struct LISTVIEW_ITEM_DRAW_DATA {
  const LISTVIEW_CELL_INFO* pCellInfo;
  int WrapMode;
  GUI_COLOR TextColor;
  GUI_COLOR BkColor;
  int State;
  int LBorder, RBorder;
  const char* pText;
  int Align;
};

// The sort object: a table of storage indexes in display order, the routines that sort and free it, and
// the direction.
struct LISTVIEW_SORT {
  GUI_HMEM hSortTable; // U16 per row
  U32 NumItems;
  int (*pfSort)(WM_HWIN hObj); // 0 done, 1 no memory for the table
  void (*pfFree)(GUI_HMEM hSort);
  U8 Reverse;
};

struct LISTVIEW_PROPS {
  GUI_COLOR aBkColor[4];
  GUI_COLOR aTextColor[4];
  GUI_COLOR GridColor;
  const GUI_FONT* pFont;
  I32 ScrollStepH;
  I32 WrapMode;
};

struct LISTVIEW_OBJ {
  WIDGET Widget;
  WM_HWIN hHeader;
  WIDGET_DRAW_ITEM_FUNC* pfDrawItem;
  GUI_ARRAY hRows;
  GUI_ARRAY hColumns;
  LISTVIEW_PROPS Props;
  I32 Sel;
  I32 SelCol;
  I32 ShowGrid;
  I32 SortIndex;
  I32 RowDistY;
  I32 LBorder, RBorder;
  I32 Fixed;
  WM_SCROLL_STATE ScrollStateV; // rows (at least 1), first visible row, visible rows
  WM_SCROLL_STATE ScrollStateH; // total column width, scroll position, inside width
  GUI_HMEM hSort;
  U8 IsSorted;
  U8 IsPresorted;
  U8 ReverseSort;
  U8 Flags;
  U32 DebugId;
};

// Creation.
WM_HWIN LISTVIEW_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int NumExtraBytes);
WM_HWIN LISTVIEW_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN LISTVIEW_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags, int ExFlags);
WM_HWIN LISTVIEW_CreateAttached(WM_HWIN hParent, int Id, int ExFlags);
WM_HWIN LISTVIEW_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK* cb);
void LISTVIEW_Callback(WM_MESSAGE* pMsg);
LISTVIEW_OBJ* LISTVIEW_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Columns and rows; indexes out of range are ignored (getters answer 0, -1 or an empty text).
int LISTVIEW_AddColumn(WM_HWIN hObj, int Width, const char* pText, int Align); // 0 ok, 1 no memory
void LISTVIEW_DeleteColumn(WM_HWIN hObj, unsigned Index);
int LISTVIEW_AddRow(WM_HWIN hObj, const char* const* ppText); // 0 ok, 1 failure
int LISTVIEW_InsertRow(WM_HWIN hObj, unsigned Index, const char* const* ppText);
void LISTVIEW_DeleteRow(WM_HWIN hObj, int Index);
void LISTVIEW_DeleteRowUnsorted(WM_HWIN hObj, unsigned Index);
void LISTVIEW_DeleteAllRows(WM_HWIN hObj);
unsigned LISTVIEW_GetNumRows(WM_HWIN hObj);
unsigned LISTVIEW_GetNumColumns(WM_HWIN hObj);
void LISTVIEW_SetItemText(WM_HWIN hObj, unsigned Column, unsigned Row, const char* pText);
void LISTVIEW_SetItemTextUnsorted(WM_HWIN hObj, unsigned Column, unsigned Row, const char* pText);
void LISTVIEW_GetItemText(WM_HWIN hObj, unsigned Column, unsigned Row, char* pBuffer, unsigned MaxSize);
void LISTVIEW_GetItemTextUnsorted(WM_HWIN hObj, unsigned Column, unsigned Row, char* pBuffer, unsigned MaxSize);
unsigned LISTVIEW_GetItemTextLen(WM_HWIN hObj, unsigned Column, unsigned Row);
void LISTVIEW_GetItemRect(WM_HWIN hObj, unsigned Column, unsigned Row, GUI_RECT* pRect);
void LISTVIEW_DisableRow(WM_HWIN hObj, unsigned Row);
void LISTVIEW_EnableRow(WM_HWIN hObj, unsigned Row);
void LISTVIEW_SetUserDataRow(WM_HWIN hObj, unsigned Row, U32 Data); // storage row
U32 LISTVIEW_GetUserDataRow(WM_HWIN hObj, unsigned Row);

// Selection.
void LISTVIEW_SetSel(WM_HWIN hObj, int Row);
int LISTVIEW_GetSel(WM_HWIN hObj);
int LISTVIEW_GetSelCol(WM_HWIN hObj);
void LISTVIEW_IncSel(WM_HWIN hObj);
void LISTVIEW_DecSel(WM_HWIN hObj);
void LISTVIEW_EnableCellSelect(WM_HWIN hObj, int OnOff);
void LISTVIEW_SetSelUnsorted(WM_HWIN hObj, int Row);
int LISTVIEW_GetSelUnsorted(WM_HWIN hObj);

// Look and layout.
void LISTVIEW_SetAutoScrollH(WM_HWIN hObj, int OnOff);
void LISTVIEW_SetAutoScrollV(WM_HWIN hObj, int OnOff);
void LISTVIEW_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void LISTVIEW_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR LISTVIEW_GetBkColor(WM_HWIN hObj, unsigned Index);
GUI_COLOR LISTVIEW_GetTextColor(WM_HWIN hObj, unsigned Index);
int LISTVIEW_SetGridVis(WM_HWIN hObj, int Show); // -> previous
void LISTVIEW_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
const GUI_FONT* LISTVIEW_GetFont(WM_HWIN hObj);
int LISTVIEW_SetRowHeight(WM_HWIN hObj, int Height); // -> previous
void LISTVIEW_SetLBorder(WM_HWIN hObj, int Border);
void LISTVIEW_SetRBorder(WM_HWIN hObj, int Border);
int LISTVIEW_GetLBorder(WM_HWIN hObj);
int LISTVIEW_GetRBorder(WM_HWIN hObj);
int LISTVIEW_SetFixed(WM_HWIN hObj, int Fixed); // -> previous
void LISTVIEW_SetWrapMode(WM_HWIN hObj, int WrapMode);
int LISTVIEW_GetWrapMode(WM_HWIN hObj);
void LISTVIEW_SetTextAlign(WM_HWIN hObj, unsigned Column, int Align);
int LISTVIEW_GetTextAlign(WM_HWIN hObj, unsigned Column);
void LISTVIEW_SetColumnWidth(WM_HWIN hObj, unsigned Column, int Width);
void LISTVIEW_SetHeaderHeight(WM_HWIN hObj, int Height);
WM_HWIN LISTVIEW_GetHeader(WM_HWIN hObj);
void LISTVIEW_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem);
int LISTVIEW_OwnerDraw(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
int LISTVIEW_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int LISTVIEW_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);
GUI_COLOR LISTVIEW_SetDefaultBkColor(unsigned Index, GUI_COLOR Color);   // -> previous, 0 for a bad index
GUI_COLOR LISTVIEW_SetDefaultTextColor(unsigned Index, GUI_COLOR Color); // -> previous, 0 for a bad index
const GUI_FONT* LISTVIEW_SetDefaultFont(const GUI_FONT* pFont);
GUI_COLOR LISTVIEW_SetDefaultGridColor(GUI_COLOR Color);

// Cell data.
void LISTVIEW_SetItemBkColor(WM_HWIN hObj, unsigned Column, unsigned Row, unsigned Index, GUI_COLOR Color);
void LISTVIEW_SetItemTextColor(WM_HWIN hObj, unsigned Column, unsigned Row, unsigned Index, GUI_COLOR Color);
void LISTVIEW_SetItemBitmap(WM_HWIN hObj, unsigned Column, unsigned Row, int xOff, int yOff,
                            const GUI_BITMAP* pBitmap);

// Sorting.
void LISTVIEW_EnableSort(WM_HWIN hObj);
void LISTVIEW_DisableSort(WM_HWIN hObj);
void LISTVIEW_SetCompareFunc(WM_HWIN hObj, unsigned Column, LISTVIEW_COMPARE_FUNC* pfCompare);
int LISTVIEW_SetSort(WM_HWIN hObj, unsigned Column, unsigned Reverse); // 0 ok, 1 refused
int LISTVIEW_CompareText(const void* p0, const void* p1);
int LISTVIEW_CompareDec(const void* p0, const void* p1);

// Shared by the list view's source files (the caller holds the GUI lock).
extern const WIDGET_TYPE LISTVIEW__Type;
extern LISTVIEW_PROPS LISTVIEW__DefaultProps;
LISTVIEW_OBJ* LISTVIEW__Obj(WM_HWIN hObj);
bool LISTVIEW__Valid(WM_HWIN hObj);
int LISTVIEW__NumRows(WM_HWIN hObj);
int LISTVIEW__NumColumns(WM_HWIN hObj);
int LISTVIEW__RowDistY(WM_HWIN hObj);
int LISTVIEW__HeaderHeight(WM_HWIN hObj);
I64 LISTVIEW__RowTop(WM_HWIN hObj, int DisplayRow); // window y of a row's top, formed wide
int LISTVIEW__StorageRow(WM_HWIN hObj, int DisplayRow); // through the sort table while a sort is active
int LISTVIEW__DisplayRow(WM_HWIN hObj, int StorageRow); // -1 when it does not show
bool LISTVIEW__SortActive(WM_HWIN hObj);
LISTVIEW_ROW* LISTVIEW__Row(WM_HWIN hObj, int StorageRow);
LISTVIEW_CELL* LISTVIEW__Cell(WM_HWIN hObj, int Column, int StorageRow);
LISTVIEW_COLUMN* LISTVIEW__Column(WM_HWIN hObj, int Column);
// Rows, header and scroll bars laid out again; -> change of the first visible row. A bar whose value changes
// tells the view, which tells its parent, and that may delete the view: callers that go on watch it.
int LISTVIEW__UpdateLayout(WM_HWIN hObj);
void LISTVIEW__UpdateAndInvalidate(WM_HWIN hObj); // laid out, then redrawn if still there
void LISTVIEW__InvalidateRow(WM_HWIN hObj, int DisplayRow);
void LISTVIEW__InvalidateRowAndBelow(WM_HWIN hObj, int DisplayRow);
void LISTVIEW__InvalidateInside(WM_HWIN hObj);
void LISTVIEW__SelectRow(WM_HWIN hObj, int Row, bool Notify);
int LISTVIEW__Sort(WM_HWIN hObj); // sorts when the order is out of date; 1 when memory was short
void LISTVIEW__OnRowDeleted(WM_HWIN hObj, int StorageRow);  // keeps the sort table in step; -1: all rows
void LISTVIEW__OnRowInserted(WM_HWIN hObj, int StorageRow); // the same after an insert
void LISTVIEW__OnHeaderClick(WM_HWIN hObj);
void LISTVIEW__FreeSort(WM_HWIN hObj);
void LISTVIEW__Paint(WM_HWIN hObj);
