// MULTIPAGE: a tabbed container. A row of tabs (one per page) and a client window in which every page is
// a child window; only the selected page's window is visible. Tabs sit at the top or bottom, left- or
// right-aligned, or, rotated, on the right or left side; a small scroll bar scrolls a row that does not fit.
// Drawn by the classic skin (raised tabs, the selected one merging into the frame) or the flexible skin
// (an item routine drawing gradients from a colour table per tab state).
#pragma once
#include "GUI_Bitmap.h"
#include "GUI_DrawObj.h"
#include "GUI_Array.h"
#include "WIDGET_Type.h"

constexpr U32 MULTIPAGE_ID = 0x4D554C50; // "MULP"

// Align bits.
constexpr int MULTIPAGE_ALIGN_LEFT = 0;
constexpr int MULTIPAGE_ALIGN_RIGHT = 1;
constexpr int MULTIPAGE_ALIGN_TOP = 0;
constexpr int MULTIPAGE_ALIGN_BOTTOM = 4;

// Create flag and rotation bit: tabs on the side.
constexpr int MULTIPAGE_CF_ROTATE_CW = 8;

// Widget state bits of the multipage.
constexpr U16 MULTIPAGE_STATE_ROTATED = WIDGET_STATE_VERTICAL;
constexpr U16 MULTIPAGE_STATE_SCROLLMODE = 0x100;

constexpr int MULTIPAGE_NO_SEL = 0xFFFF;
constexpr int MULTIPAGE_ID_SCROLLBAR = 255;

// Page status and bitmap slots.
constexpr U8 MULTIPAGE_STATE_ENABLED = 1;
constexpr int MULTIPAGE_BI_NORMAL = 0;
constexpr int MULTIPAGE_BI_SELECTED = 1;
constexpr int MULTIPAGE_BI_DISABLED = 2;

// Frame lines of a tab (MULTIPAGE_SKIN_INFO::Edges).
constexpr U8 MULTIPAGE_EDGE_LEFT = 1;
constexpr U8 MULTIPAGE_EDGE_RIGHT = 2;
constexpr U8 MULTIPAGE_EDGE_TOP = 4;
constexpr U8 MULTIPAGE_EDGE_BOTTOM = 8;

// Flexible skin states.
constexpr int MULTIPAGE_SKINFLEX_PI_ENABLED = 0;
constexpr int MULTIPAGE_SKINFLEX_PI_SELECTED = 1;
constexpr int MULTIPAGE_SKINFLEX_PI_DISABLED = 2;

struct MULTIPAGE_SKINFLEX_PROPS {
  GUI_COLOR BkColor;
  GUI_COLOR aBkUpper[2];
  GUI_COLOR aBkLower[2];
  GUI_COLOR FrameColor;
  GUI_COLOR TextColor;
};

// What the item routine of the flexible skin gets in WIDGET_ITEM_DRAW_INFO::p.
struct MULTIPAGE_SKIN_INFO {
  const GUI_ROTATION* pRotation; // null in the straight layout
  I32 Align;
  I32 Sel;
  U16 State;
  U8 Edges;
  U8 PageStatus;
};

struct MULTIPAGE_PAGE {
  WM_HWIN hWin;
  U8 Status;
  I32 FixedWidth;     // tab width less PadX; 0 automatic
  GUI_HMEM ahDrawObj[3]; // normal, selected, disabled; made by the widget from the bitmaps it is given
  char acText[1];
};

typedef int MULTIPAGE_GET_TAB_INDEX_FUNC(WM_HWIN hObj, int x, int y);
typedef void MULTIPAGE_DRAW_TAB_FUNC(WM_HWIN hObj, const char* pText, int Index, const GUI_RECT* pArea, int Offset,
                                     int Width, int ColorIndex);

struct MULTIPAGE_PROPS {
  const GUI_FONT* pFont;
  I32 Align;
  GUI_COLOR aBkColor[2];   // [0] disabled page, [1] enabled page (also the client window)
  GUI_COLOR aTextColor[2];
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
  I32 PadX, PadY;
  I32 TextAlign;
  I32 ScrollbarEnabled;
  MULTIPAGE_GET_TAB_INDEX_FUNC* pfGetTabIndex;
};

struct MULTIPAGE_OBJ {
  WIDGET Widget;
  MULTIPAGE_DRAW_TAB_FUNC* pfDrawTab;
  WM_HWIN hClient;
  GUI_ARRAY hPages;
  I32 Sel;
  I32 ScrollState; // first tab shown
  MULTIPAGE_PROPS Props;
  const WIDGET_SKIN* pSkin;
  U16 FlexOverlap;
  U8 FlexSelGrow;
  U8 FlexInset;
  I32 FixedTabHeight;
  I32 MaxBitmapSize;
  U32 DebugId;
};

WM_HWIN MULTIPAGE_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                             int NumExtraBytes);
WM_HWIN MULTIPAGE_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN MULTIPAGE_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN MULTIPAGE_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags,
                                int ExFlags);
WM_HWIN MULTIPAGE_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                 WM_CALLBACK* cb);
void MULTIPAGE_Callback(WM_MESSAGE* pMsg);
MULTIPAGE_OBJ* MULTIPAGE_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

void MULTIPAGE_AddPage(WM_HWIN hObj, WM_HWIN hWin, const char* pText);
void MULTIPAGE_AddPageEx(WM_HWIN hObj, WM_HWIN hWin, const char* pText);
void MULTIPAGE_DeletePage(WM_HWIN hObj, unsigned Index, int Delete);
void MULTIPAGE_SelectPage(WM_HWIN hObj, unsigned Index);
int MULTIPAGE_GetSelection(WM_HWIN hObj);
void MULTIPAGE_EnablePage(WM_HWIN hObj, unsigned Index);
void MULTIPAGE_DisablePage(WM_HWIN hObj, unsigned Index);
int MULTIPAGE_IsPageEnabled(WM_HWIN hObj, unsigned Index);
WM_HWIN MULTIPAGE_GetWindow(WM_HWIN hObj, unsigned Index);
WM_HWIN MULTIPAGE_SetWindow(WM_HWIN hObj, unsigned Index, WM_HWIN hWin); // -> the previous window
void MULTIPAGE_SetText(WM_HWIN hObj, const char* pText, unsigned Index);
int MULTIPAGE_GetPageText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxLen); // -> characters copied
int MULTIPAGE_SetBitmapEx(WM_HWIN hObj, const GUI_BITMAP* pBitmap, int x, int y, int Index, int State); // 0 done
int MULTIPAGE_SetBitmap(WM_HWIN hObj, const GUI_BITMAP* pBitmap, int Index, int State);
void MULTIPAGE_SetAlign(WM_HWIN hObj, int Align);
void MULTIPAGE_SetRotation(WM_HWIN hObj, unsigned Rotation);
void MULTIPAGE_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
const GUI_FONT* MULTIPAGE_GetFont(WM_HWIN hObj);
void MULTIPAGE_SetBkColor(WM_HWIN hObj, GUI_COLOR Color, int Index);
void MULTIPAGE_SetTextColor(WM_HWIN hObj, GUI_COLOR Color, int Index);
void MULTIPAGE_SetTextAlign(WM_HWIN hObj, int Align);
void MULTIPAGE_SetTabHeight(WM_HWIN hObj, int Height);
void MULTIPAGE_SetTabWidth(WM_HWIN hObj, int Width, int Index);
void MULTIPAGE_EnableScrollbar(WM_HWIN hObj, int OnOff);
int MULTIPAGE_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int MULTIPAGE_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

void MULTIPAGE_SetDefaultAlign(int Align);
void MULTIPAGE_SetDefaultFont(const GUI_FONT* pFont);
void MULTIPAGE_SetDefaultBkColor(GUI_COLOR Color, unsigned Index);
void MULTIPAGE_SetDefaultTextColor(GUI_COLOR Color, unsigned Index);
GUI_COLOR MULTIPAGE_GetDefaultBkColor(unsigned Index);
GUI_COLOR MULTIPAGE_GetDefaultTextColor(unsigned Index);
void MULTIPAGE_SetDefaultBorderSizeX(int Size);
void MULTIPAGE_SetDefaultBorderSizeY(int Size);
void MULTIPAGE_SetEffectColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR MULTIPAGE_GetEffectColor(unsigned Index);

// Skins.
void MULTIPAGE_SetSkinClassic(WM_HWIN hObj);
void MULTIPAGE_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
WIDGET_DRAW_ITEM_FUNC* MULTIPAGE_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin); // -> the previous routine
void MULTIPAGE_SetDefaultSkinClassic(void);
int MULTIPAGE_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void MULTIPAGE_GetSkinFlexProps(MULTIPAGE_SKINFLEX_PROPS* pProps, int Index);
void MULTIPAGE_SetSkinFlexProps(const MULTIPAGE_SKINFLEX_PROPS* pProps, int Index);

// Shared by the multipage's source files; the caller of the double-underscore routines holds the lock.
extern const WIDGET_TYPE MULTIPAGE__Type;
extern MULTIPAGE_PROPS MULTIPAGE__DefaultProps;
extern const WIDGET_SKIN MULTIPAGE__SkinClassic;
extern const WIDGET_SKIN MULTIPAGE__SkinFlex;
extern const WIDGET_SKIN* MULTIPAGE__pDefaultSkin;
extern GUI_COLOR MULTIPAGE__aEffectColor[2];
MULTIPAGE_DRAW_TAB_FUNC MULTIPAGE__DrawTab;
MULTIPAGE_DRAW_TAB_FUNC MULTIPAGE__DrawTabRotated;
MULTIPAGE_GET_TAB_INDEX_FUNC MULTIPAGE__GetTabIndexClassic;
inline MULTIPAGE_OBJ* MULTIPAGE__Obj(WM_HWIN hObj) {
  return (MULTIPAGE_OBJ*)WM_H2P(hObj);
}
int MULTIPAGE__NumPages(const MULTIPAGE_OBJ* pObj);
MULTIPAGE_PAGE* MULTIPAGE__GetPage(const MULTIPAGE_OBJ* pObj, int Index); // null beyond the pages
int MULTIPAGE__IsRotated(const MULTIPAGE_OBJ* pObj);
int MULTIPAGE__GetTabHeight(const MULTIPAGE_OBJ* pObj); // TH
int MULTIPAGE__GetTabWidth(const MULTIPAGE_OBJ* pObj, int Index);
// Widths of the tabs First .. End - 1, and of the tabs scrolled out of the row; wide, as a row of many tabs
// passes the int range.
I64 MULTIPAGE__SumTabWidths(const MULTIPAGE_OBJ* pObj, int First, int End);
I64 MULTIPAGE__GetScrollOffset(const MULTIPAGE_OBJ* pObj);
void MULTIPAGE__GetFrameRect(WM_HWIN hObj, GUI_RECT* pRect);
void MULTIPAGE__GetClientRect(WM_HWIN hObj, GUI_RECT* pRect);
void MULTIPAGE__GetTabArea(WM_HWIN hObj, GUI_RECT* pRect);
// The bitmap of a page for its state: disabled pages slot 2, the selected page slot 1 when it has one, else 0.
GUI_HMEM MULTIPAGE__GetDrawObj(const MULTIPAGE_OBJ* pObj, int Index);
void MULTIPAGE__UpdatePositions(WM_HWIN hObj);
// The frame effect raised around a rectangle as it stands: the rotated layout is not a vertical widget
// whose rectangles the widget base would turn.
inline void MULTIPAGE__DrawUpRect(const MULTIPAGE_OBJ* pObj, const GUI_RECT& r) {
  pObj->Widget.pEffect->pfDrawUpRect(&r);
}
