// HEADER: a one-line bar of column captions. Each column has a width, a caption, an alignment and an
// optional drawable object; the user resizes a column by dragging the divider at its right edge, and one
// column can carry a sort arrow. The bar scrolls horizontally with its owner's content while leading fixed
// columns stay in place. The list view uses a header as its column bar.
#pragma once
#include "GUI_DrawObj.h"
#include "WIDGET_Type.h"

constexpr U32 HEADER_ID = 0x48454144; // "HEAD"

// Flexible skin request for the part of the bar right of the last column.
constexpr int HEADER_ITEM_DRAW_ARROW = 2;

struct HEADER_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[2]; // frame, highlight
  GUI_COLOR aColorUpper[2]; // upper gradient top, bottom
  GUI_COLOR aColorLower[2]; // lower gradient top, bottom
  GUI_COLOR ColorArrow;
};

struct HEADER_COLUMN {
  I32 Width;
  I16 Align;
  GUI_HMEM hDrawObj;
  char acText[1];
};

struct HEADER_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR BkColor;
  GUI_COLOR TextColor;
  GUI_COLOR ArrowColor;
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
};

struct HEADER_OBJ {
  WIDGET Widget;
  HEADER_PROPS Props;
  const WIDGET_SKIN* pSkin;
  GUI_ARRAY hColumns;
  I32 CapturePosX; // pointer x where a divider drag started, -1 none
  I32 CaptureItem; // the column being resized
  I32 ScrollPos;
  I32 Sel; // the column last clicked
  I32 DirIndicatorColumn;
  I32 DirIndicatorReverse;
  I32 Fixed;
  U8 DragLimit;
  U32 DebugId;
};

// Creation.
WM_HWIN HEADER_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          int NumExtraBytes);
WM_HWIN HEADER_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN HEADER_CreateIdFirst(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags,
                             int ExFlags);
WM_HWIN HEADER_CreateAttached(WM_HWIN hParent, int Id, int ExFlags);
WM_HWIN HEADER_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                              WM_CALLBACK* cb);
void HEADER_Callback(WM_MESSAGE* pMsg);
HEADER_OBJ* HEADER_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Columns; bad indexes and negative widths are ignored.
void HEADER_AddItem(WM_HWIN hObj, int Width, const char* s, int Align);
void HEADER_DeleteItem(WM_HWIN hObj, unsigned Index);
void HEADER_SetItemText(WM_HWIN hObj, unsigned Index, const char* s);
void HEADER_SetItemWidth(WM_HWIN hObj, unsigned Index, int Width);
int HEADER_GetItemWidth(WM_HWIN hObj, unsigned Index);
void HEADER_SetTextAlign(WM_HWIN hObj, unsigned Index, int Align);
int HEADER_GetNumItems(WM_HWIN hObj);
void HEADER_SetBitmap(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap);
void HEADER_SetBitmapEx(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap, int x, int y);
void HEADER_SetBMP(WM_HWIN hObj, unsigned Index, const void* pBMP);
void HEADER_SetBMPEx(WM_HWIN hObj, unsigned Index, const void* pBMP, int x, int y);
void HEADER_SetStreamedBitmap(WM_HWIN hObj, unsigned Index, const void* pStream);
void HEADER_SetStreamedBitmapEx(WM_HWIN hObj, unsigned Index, const void* pStream, int x, int y);

// Bar.
int HEADER_GetHeight(WM_HWIN hObj);
void HEADER_SetHeight(WM_HWIN hObj, int Height);
void HEADER_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
void HEADER_SetBkColor(WM_HWIN hObj, GUI_COLOR Color);
void HEADER_SetTextColor(WM_HWIN hObj, GUI_COLOR Color);
void HEADER_SetArrowColor(WM_HWIN hObj, GUI_COLOR Color);
GUI_COLOR HEADER_GetBkColor(WM_HWIN hObj);
GUI_COLOR HEADER_GetTextColor(WM_HWIN hObj);
GUI_COLOR HEADER_GetArrowColor(WM_HWIN hObj);
void HEADER_SetScrollPos(WM_HWIN hObj, int Pos);
void HEADER_SetDirIndicator(WM_HWIN hObj, int Column, int Reverse);
int HEADER_GetSel(WM_HWIN hObj);
void HEADER_SetDragLimit(WM_HWIN hObj, unsigned OnOff);
int HEADER_SetFixed(WM_HWIN hObj, int Count); // -> the previous count
int HEADER_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int HEADER_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults; each setter answers the previous value.
const GUI_FONT* HEADER_SetDefaultFont(const GUI_FONT* pFont);
GUI_COLOR HEADER_SetDefaultBkColor(GUI_COLOR Color);
GUI_COLOR HEADER_SetDefaultTextColor(GUI_COLOR Color);
GUI_COLOR HEADER_SetDefaultArrowColor(GUI_COLOR Color);
int HEADER_SetDefaultBorderH(int Border);
int HEADER_SetDefaultBorderV(int Border);
int HEADER_SetDefaultCursor(int Cursor);

// Skins.
void HEADER_SetSkinClassic(WM_HWIN hObj);
void HEADER_SetDefaultSkinClassic(void);
void HEADER_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
WIDGET_DRAW_ITEM_FUNC* HEADER_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
int HEADER_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void HEADER_GetSkinFlexProps(HEADER_SKINFLEX_PROPS* pProps, int Index);
void HEADER_SetSkinFlexProps(const HEADER_SKINFLEX_PROPS* pProps, int Index);

// Shared by the header's source files (the caller holds the GUI lock).
extern const WIDGET_TYPE HEADER__Type;
extern HEADER_PROPS HEADER__DefaultProps;
extern const WIDGET_SKIN HEADER__SkinClassic;
extern const WIDGET_SKIN HEADER__SkinFlex;
extern const WIDGET_SKIN* HEADER__pDefaultSkin;
extern int HEADER__DefaultBorderH;
extern int HEADER__DefaultBorderV;
HEADER_OBJ* HEADER__Obj(WM_HWIN hObj);
HEADER_COLUMN* HEADER__Column(WM_HWIN hObj, int Index); // null for a bad index
int HEADER__GetColumnX(WM_HWIN hObj, int Index);        // left edge in window coordinates, scrolled
int HEADER__ArrowSize(const GUI_RECT& r);               // the sort arrow's size for a column rectangle
