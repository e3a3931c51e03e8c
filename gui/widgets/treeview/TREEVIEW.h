// TREEVIEW: a hierarchy of items shown as an indented list with connecting lines, an expand/collapse
// button before every node that has children, and an image and a text per item. The whole tree is one
// doubly linked list of items in display order (a node is followed by its subtree); the structure is
// implied by the items' levels. Items are blocks of GUI memory of their own and can exist detached.
#pragma once
#include "GUI_Bitmap.h"
#include "WIDGET_Type.h"
#include "WM_Timer.h"

constexpr U32 TREEVIEW_ID = 0x54524545; // "TREE"

typedef GUI_HMEM TREEVIEW_ITEM_Handle;

// Create flags (the Flags field).
constexpr int TREEVIEW_CF_HIDELINES = 1;
constexpr int TREEVIEW_CF_ROWSELECT = 2;
constexpr int TREEVIEW_CF_AUTOSCROLLBAR_H = 4;
constexpr int TREEVIEW_CF_AUTOSCROLLBAR_V = 8;

// Colour indexes.
constexpr int TREEVIEW_CI_UNSEL = 0;
constexpr int TREEVIEW_CI_SEL = 1;
constexpr int TREEVIEW_CI_DISABLED = 2;

// Image indexes of the tree (the item's own images use 0-2).
constexpr int TREEVIEW_BI_CLOSED = 0;
constexpr int TREEVIEW_BI_OPEN = 1;
constexpr int TREEVIEW_BI_LEAF = 2;
constexpr int TREEVIEW_BI_PLUS = 3;
constexpr int TREEVIEW_BI_MINUS = 4;
constexpr int TREEVIEW_BI_PM = 5; // TREEVIEW_SetBitmapOffset: the expand/collapse button

// Relations of TREEVIEW_GetItem.
constexpr int TREEVIEW_GET_FIRST = 0;
constexpr int TREEVIEW_GET_LAST = 1;
constexpr int TREEVIEW_GET_NEXT_SIBLING = 2;
constexpr int TREEVIEW_GET_PREV_SIBLING = 3;
constexpr int TREEVIEW_GET_FIRST_CHILD = 4;
constexpr int TREEVIEW_GET_PARENT = 5;

// Positions of TREEVIEW_AttachItem and TREEVIEW_InsertItem relative to the given item.
constexpr int TREEVIEW_INSERT_ABOVE = 0;
constexpr int TREEVIEW_INSERT_BELOW = 1;
constexpr int TREEVIEW_INSERT_FIRST_CHILD = 2;

// Commands of the item drawing routine besides the common ones.
constexpr int TREEVIEW_ITEM_DRAW_LINES = WIDGET_ITEM_DRAW_TICKS; // 20
constexpr int TREEVIEW_ITEM_GET_XSIZE = WIDGET_ITEM_GET_XSIZE;
constexpr int TREEVIEW_ITEM_GET_YSIZE = WIDGET_ITEM_GET_YSIZE;

// Item flags.
constexpr U16 TREEVIEW_ITEM_FLAG_NODE = 1;
constexpr U16 TREEVIEW_ITEM_FLAG_EXPANDED = 2;
constexpr U16 TREEVIEW_ITEM_FLAG_LAST = 4;

struct TREEVIEW_ITEM_OBJ {
  WM_HWIN hTree; // 0 while detached
  GUI_HMEM hNext;
  GUI_HMEM hPrev;
  U32 UserData;
  GUI_HMEM hImages; // three const GUI_BITMAP*: closed node, open node, leaf
  U16 xSize;
  U16 Flags;
  U16 LineMask; // bit k: the vertical line of level k + 1 passes through this row
  U8 Level;
  char acText[1]; // NUL-terminated, the block is as long as the text needs
};

struct TREEVIEW_ITEM_INFO {
  int IsNode;
  int IsExpanded;
  int IsLeaf; // 1 - IsNode
  int IsOpen; // the same as IsExpanded
  int Level;
};

// What the item drawing routine gets in WIDGET_ITEM_DRAW_INFO::p for every shown item.
struct TREEVIEW_ITEM_DRAW_RECORD {
  GUI_COLOR ColorBk;     // row background
  GUI_COLOR ColorText;
  GUI_COLOR ColorTextBk; // behind the text
  GUI_COLOR ColorLines;
  GUI_RECT rText;
  const GUI_FONT* pFont;
  const char* pText;
  U8 NumLines; // connecting-line segments
  I16 ax0[3], ay0[3], ax1[3], ay1[3];
  U8 NumConnectors; // pass-through vertical lines
  I16 axConnector[16];
  const GUI_BITMAP* pBmPM;  // expand or collapse button, null none
  const GUI_BITMAP* pBmOCL; // item image, null none
  I16 xPosPM, xPosOCL;      // left edges
  I16 yOffPM;
  U8 IndexPM, IndexOCL;
};

struct TREEVIEW_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR aBkColor[3];
  GUI_COLOR aTextColor[3];
  GUI_COLOR aLineColor[3];
  const GUI_BITMAP* apBm[5];
  I32 Indent;
  I32 TextIndent;
  I32 MinItemHeight;
};

struct TREEVIEW_OBJ {
  WIDGET Widget;
  WIDGET_DRAW_ITEM_FUNC* pfDrawItem;
  WM_SCROLL_STATE ScrollStateV; // Value: first shown index at the top
  WM_SCROLL_STATE ScrollStateH; // Value: horizontal position in pixels
  TREEVIEW_PROPS Props;
  U16 Flags;
  GUI_HMEM hFirst, hLast;
  GUI_HMEM hSel;
  WM_HTIMER hTimer; // double click
  I32 NumItems;
  I32 NumShown;
  I32 MaxWidth; // 0: the layout must be computed again
  I32 TotalHeight;
  I16 xOffButton, yOffButton;
  U32 DebugId;
};

WM_HWIN TREEVIEW_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int NumExtraBytes);
WM_HWIN TREEVIEW_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN TREEVIEW_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK* cb);
void TREEVIEW_Callback(WM_MESSAGE* pMsg);
TREEVIEW_OBJ* TREEVIEW_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Items. Item operations work on attached and detached items alike.
TREEVIEW_ITEM_Handle TREEVIEW_ITEM_Create(int IsNode, const char* pText, U32 UserData); // 0: out of memory
TREEVIEW_ITEM_Handle TREEVIEW_InsertItem(WM_HWIN hObj, int IsNode, TREEVIEW_ITEM_Handle hItemPos, int Position,
                                         const char* pText); // 0: refused or out of memory
int TREEVIEW_AttachItem(WM_HWIN hObj, TREEVIEW_ITEM_Handle hItem, TREEVIEW_ITEM_Handle hItemPos,
                        int Position); // 0 done, 1 refused
void TREEVIEW_ITEM_Detach(TREEVIEW_ITEM_Handle hItem);
void TREEVIEW_ITEM_Delete(TREEVIEW_ITEM_Handle hItem);
TREEVIEW_ITEM_Handle TREEVIEW_GetItem(WM_HWIN hObj, TREEVIEW_ITEM_Handle hItem, int Relation);
void TREEVIEW_ITEM_Expand(TREEVIEW_ITEM_Handle hItem);
void TREEVIEW_ITEM_Collapse(TREEVIEW_ITEM_Handle hItem);
void TREEVIEW_ITEM_ExpandAll(TREEVIEW_ITEM_Handle hItem);
void TREEVIEW_ITEM_CollapseAll(TREEVIEW_ITEM_Handle hItem);
TREEVIEW_ITEM_Handle TREEVIEW_ITEM_SetText(TREEVIEW_ITEM_Handle hItem, const char* pText); // -> the new handle
void TREEVIEW_ITEM_GetText(TREEVIEW_ITEM_Handle hItem, char* pBuffer, int MaxNumBytes);
void TREEVIEW_ITEM_SetUserData(TREEVIEW_ITEM_Handle hItem, U32 UserData);
U32 TREEVIEW_ITEM_GetUserData(TREEVIEW_ITEM_Handle hItem);
void TREEVIEW_ITEM_SetImage(TREEVIEW_ITEM_Handle hItem, unsigned Index, const GUI_BITMAP* pBitmap);
void TREEVIEW_ITEM_GetInfo(TREEVIEW_ITEM_Handle hItem, TREEVIEW_ITEM_INFO* pInfo);

// Selection.
TREEVIEW_ITEM_Handle TREEVIEW_GetSel(WM_HWIN hObj);
void TREEVIEW_SetSel(WM_HWIN hObj, TREEVIEW_ITEM_Handle hItem);
void TREEVIEW_IncSel(WM_HWIN hObj);
void TREEVIEW_DecSel(WM_HWIN hObj);
void TREEVIEW_ScrollToSel(WM_HWIN hObj);

// Properties.
void TREEVIEW_SetImage(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap);
void TREEVIEW_SetBitmapOffset(WM_HWIN hObj, int Index, int xOff, int yOff);
void TREEVIEW_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void TREEVIEW_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void TREEVIEW_SetLineColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void TREEVIEW_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
int TREEVIEW_SetIndent(WM_HWIN hObj, int Indent);         // -> previous
int TREEVIEW_SetTextIndent(WM_HWIN hObj, int TextIndent); // -> previous
void TREEVIEW_SetHasLines(WM_HWIN hObj, int OnOff);
void TREEVIEW_SetSelMode(WM_HWIN hObj, int Mode);
void TREEVIEW_SetAutoScrollH(WM_HWIN hObj, int OnOff);
void TREEVIEW_SetAutoScrollV(WM_HWIN hObj, int OnOff);
void TREEVIEW_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem);
int TREEVIEW_OwnerDraw(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
int TREEVIEW_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int TREEVIEW_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults (trees created afterwards).
void TREEVIEW_SetDefaultBkColor(unsigned Index, GUI_COLOR Color);
void TREEVIEW_SetDefaultTextColor(unsigned Index, GUI_COLOR Color);
void TREEVIEW_SetDefaultLineColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR TREEVIEW_GetDefaultBkColor(unsigned Index);
GUI_COLOR TREEVIEW_GetDefaultTextColor(unsigned Index);
GUI_COLOR TREEVIEW_GetDefaultLineColor(unsigned Index);
void TREEVIEW_SetDefaultFont(const GUI_FONT* pFont);

// Shared by the tree view's source files. The caller of the double-underscore routines holds the lock.
extern const WIDGET_TYPE TREEVIEW__Type;
extern TREEVIEW_PROPS TREEVIEW__DefaultProps;
extern const GUI_BITMAP TREEVIEW__abmDefault[5];
inline TREEVIEW_ITEM_OBJ* TREEVIEW__Item(GUI_HMEM hItem) {
  return hItem ? (TREEVIEW_ITEM_OBJ*)GUI_ALLOC_h2p(hItem) : nullptr;
}
// The last item of the subtree that begins with hItem (hItem itself for a leaf or a node without children).
GUI_HMEM TREEVIEW__GetSubtreeEnd(GUI_HMEM hItem);
// The shown item after hItem (skipping a collapsed node's subtree), 0 at the end.
GUI_HMEM TREEVIEW__NextShown(GUI_HMEM hItem);
GUI_HMEM TREEVIEW__PrevShown(GUI_HMEM hItem);
int TREEVIEW__IsShown(GUI_HMEM hItem); // every ancestor expanded
// hItem when it is shown, else the shown item whose collapsed subtree holds it: the nearest shown item at or
// before hItem.
GUI_HMEM TREEVIEW__NearestShown(GUI_HMEM hItem);
// The shown item before / after any item, also one hidden by a collapse (the keys and the selection steps start
// from the selection, which a collapse may have hidden); 0 when there is none.
GUI_HMEM TREEVIEW__PrevShownFrom(GUI_HMEM hItem);
GUI_HMEM TREEVIEW__NextShownFrom(GUI_HMEM hItem);
// Marks the layout stale and invalidates the tree.
void TREEVIEW__Invalidate(WM_HWIN hObj);
// Computes the layout and the scroll bars when they are stale.
void TREEVIEW__UpdateLayout(WM_HWIN hObj);
// Text width plus the indents of the item's level, in the tree's font.
int TREEVIEW__CalcItemXSize(WM_HWIN hObj, GUI_HMEM hItem);
int TREEVIEW__GetItemHeight(WM_HWIN hObj, GUI_HMEM hItem);
// Makes hItem the selected item and scrolls it into view; Notify sends code 4.
void TREEVIEW__Select(WM_HWIN hObj, GUI_HMEM hItem, int Notify);
void TREEVIEW__Toggle(GUI_HMEM hItem);
void TREEVIEW__Paint(WM_HWIN hObj);
