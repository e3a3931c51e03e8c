// ICONVIEW: items shown as a grid of equal cells, each with an image (a bitmap or a streamed bitmap) and a
// text, row by row from the top left; one item can be selected; rows scroll vertically with an optional
// scroll bar.
#pragma once
#include "GUI_Array.h"
#include "GUI_Bitmap.h"
#include "WIDGET_Type.h"

constexpr U32 ICONVIEW_ID = 0x49434F4E; // "ICON"

// Create flag: the vertical scroll bar comes and goes as the rows need it.
constexpr int ICONVIEW_CF_AUTOSCROLLBAR_V = 2;

constexpr int ICONVIEW_CI_BK = 0;
constexpr int ICONVIEW_CI_SEL = 1;
constexpr int ICONVIEW_CI_DISABLED = 2;

// IconAlign bits.
constexpr int ICONVIEW_IA_HCENTER = 0;
constexpr int ICONVIEW_IA_LEFT = 1;
constexpr int ICONVIEW_IA_RIGHT = 2;
constexpr int ICONVIEW_IA_VCENTER = 0;
constexpr int ICONVIEW_IA_BOTTOM = 4;
constexpr int ICONVIEW_IA_TOP = 8;

struct ICONVIEW_OBJ;

// One item: how its image is drawn and measured, the image, the user's word and the text.
struct ICONVIEW_ITEM {
  void (*pfDrawImage)(const void* pData, int x, int y);
  void (*pfDrawText)(const ICONVIEW_OBJ* pObj, GUI_RECT* pRect, const char* pText);
  void (*pfGetImageSize)(const void* pData, int* pxSize, int* pySize);
  const void* pData;
  U32 UserData;
  U32 Spare;
  char acText[1];
};

struct ICONVIEW_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR aBkColor[3];
  GUI_COLOR aTextColor[3];
  I32 FrameX, FrameY;
  I32 SpaceX, SpaceY;
  I32 TextAlign;
  I32 IconAlign;
  I32 WrapMode;
};

struct ICONVIEW_OBJ {
  WIDGET Widget;
  WM_SCROLL_STATE ScrollStateV; // rows: number, first visible, visible
  WM_SCROLL_STATE ScrollStateH; // only its value is kept
  ICONVIEW_PROPS Props;
  GUI_ARRAY hItems;
  I32 xSizeItem, ySizeItem;
  I32 Sel;
  U16 Flags;
  U32 DebugId;
};

WM_HWIN ICONVIEW_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int xSizeItem, int ySizeItem, int NumExtraBytes);
WM_HWIN ICONVIEW_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          int xSizeItem, int ySizeItem);
WM_HWIN ICONVIEW_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK* cb);
void ICONVIEW_Callback(WM_MESSAGE* pMsg);
ICONVIEW_OBJ* ICONVIEW_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Items; the results of the int routines are 0 done, 1 refused.
int ICONVIEW_AddBitmapItem(WM_HWIN hObj, const GUI_BITMAP* pBitmap, const char* pText);
int ICONVIEW_AddStreamedBitmapItem(WM_HWIN hObj, const void* pStreamedBitmap, const char* pText);
int ICONVIEW_InsertBitmapItem(WM_HWIN hObj, const GUI_BITMAP* pBitmap, const char* pText, int Index);
int ICONVIEW_InsertStreamedBitmapItem(WM_HWIN hObj, const void* pStreamedBitmap, const char* pText, int Index);
int ICONVIEW_SetBitmapItem(WM_HWIN hObj, int Index, const GUI_BITMAP* pBitmap);
int ICONVIEW_SetStreamedBitmapItem(WM_HWIN hObj, int Index, const void* pStreamedBitmap);
void ICONVIEW_DeleteItem(WM_HWIN hObj, unsigned Index);
void ICONVIEW_SetItemText(WM_HWIN hObj, int Index, const char* pText);
int ICONVIEW_GetItemText(WM_HWIN hObj, int Index, char* pBuffer, int MaxSize); // -> length, -1 bad index
void ICONVIEW_SetItemUserData(WM_HWIN hObj, int Index, U32 UserData);
U32 ICONVIEW_GetItemUserData(WM_HWIN hObj, int Index);
int ICONVIEW_GetNumItems(WM_HWIN hObj); // -1 for handle 0
int ICONVIEW_GetSel(WM_HWIN hObj);
void ICONVIEW_SetSel(WM_HWIN hObj, int Sel); // -1 or an item

void ICONVIEW_SetBkColor(WM_HWIN hObj, int Index, GUI_COLOR Color);
void ICONVIEW_SetTextColor(WM_HWIN hObj, int Index, GUI_COLOR Color);
void ICONVIEW_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
void ICONVIEW_SetTextAlign(WM_HWIN hObj, int TextAlign);
void ICONVIEW_SetIconAlign(WM_HWIN hObj, int IconAlign);
void ICONVIEW_SetWrapMode(WM_HWIN hObj, int WrapMode);
void ICONVIEW_SetFrame(WM_HWIN hObj, int Coord, int Value); // Coord 0 x, 1 y
void ICONVIEW_SetSpace(WM_HWIN hObj, int Coord, int Value);
int ICONVIEW_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int ICONVIEW_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Shared by the icon view's source files; the caller of the double-underscore routines holds the lock.
extern const WIDGET_TYPE ICONVIEW__Type;
// Rows and visible rows after the inside area; brings the first visible row into range and the scroll bar
// up to date.
void ICONVIEW__UpdateScrollState(WM_HWIN hObj);
void ICONVIEW__SetSel(WM_HWIN hObj, int Sel);
