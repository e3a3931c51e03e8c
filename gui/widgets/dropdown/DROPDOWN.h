// DROPDOWN: the selected one of a list of text items in a one-line field with an arrow button. Opened, it
// creates a list box as a sibling directly below (or above) itself, copies its items and settings into
// it, becomes the list's owner and gives it the focus; choosing an item sets the drop-down's selection,
// and the list goes away again when it loses the focus.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 DROPDOWN_ID = 0x44524F50; // "DROP"

// Creation flags.
constexpr U8 DROPDOWN_CF_AUTOSCROLLBAR = 1;
constexpr U8 DROPDOWN_CF_UP = 2;

// Flexible skin property sets.
constexpr int DROPDOWN_SKINFLEX_PI_EXPANDED = 0;
constexpr int DROPDOWN_SKINFLEX_PI_FOCUSSED = 1;
constexpr int DROPDOWN_SKINFLEX_PI_ENABLED = 2;
constexpr int DROPDOWN_SKINFLEX_PI_DISABLED = 3;

// Flexible skin request for the arrow.
constexpr int DROPDOWN_ITEM_DRAW_ARROW = 2;

struct DROPDOWN_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[3]; // outer, inner, corner fill
  GUI_COLOR aColorUpper[2]; // upper gradient top, bottom
  GUI_COLOR aColorLower[2]; // lower gradient top, bottom
  GUI_COLOR ColorArrow;
  GUI_COLOR ColorText;
  GUI_COLOR ColorSep;
  int Radius;
};

struct DROPDOWN_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR aBackColor[3]; // unselected, selected without focus, selected with focus
  GUI_COLOR aTextColor[3];
  GUI_COLOR aColor[2];     // arrow, button face
  GUI_COLOR aScrollbarColor[3];
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
  I16 Border;
  I16 Align;
};

struct DROPDOWN_OBJ {
  WIDGET Widget;
  DROPDOWN_PROPS Props;
  const WIDGET_SKIN* pSkin;
  I32 Sel; // -1 none; as wide as an item index can be
  I16 ySizeEx;    // height of the open list
  I16 TextHeight; // 0: the font's line distance
  GUI_ARRAY hItems;
  WM_HWIN hListWin;
  U8 Flags;
  U8 ScrollbarWidth;
  U16 ItemSpacing;
  GUI_HMEM hDisabled; // U16 number of bits, then a bit per item
  U32 DebugId;
};

// Creation.
WM_HWIN DROPDOWN_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int NumExtraBytes);
WM_HWIN DROPDOWN_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN DROPDOWN_CreateAsChild(WM_HWIN hParent, int x0, int y0, int xSize, int ySize, int Flags);
WM_HWIN DROPDOWN_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK* cb);
void DROPDOWN_Callback(WM_MESSAGE* pMsg);
DROPDOWN_OBJ* DROPDOWN_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Items; indexes at or beyond the count are ignored.
void DROPDOWN_AddString(WM_HWIN hObj, const char* s);
void DROPDOWN_InsertString(WM_HWIN hObj, const char* s, unsigned Index);
void DROPDOWN_DeleteItem(WM_HWIN hObj, unsigned Index);
int DROPDOWN_GetNumItems(WM_HWIN hObj);
int DROPDOWN_GetItemText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxSize); // 0 done, 1 failure
void DROPDOWN_SetItemDisabled(WM_HWIN hObj, unsigned Index, int OnOff);
int DROPDOWN_GetItemDisabled(WM_HWIN hObj, unsigned Index);

// Selection, of the drop-down and of its open list.
void DROPDOWN_SetSel(WM_HWIN hObj, int Sel);
int DROPDOWN_GetSel(WM_HWIN hObj);
void DROPDOWN_IncSel(WM_HWIN hObj);
void DROPDOWN_DecSel(WM_HWIN hObj);
void DROPDOWN_SetSelExp(WM_HWIN hObj, int Sel);
int DROPDOWN_GetSelExp(WM_HWIN hObj);
void DROPDOWN_IncSelExp(WM_HWIN hObj);
void DROPDOWN_DecSelExp(WM_HWIN hObj);
WM_HWIN DROPDOWN_GetListbox(WM_HWIN hObj);
void DROPDOWN_Expand(WM_HWIN hObj);
void DROPDOWN_Collapse(WM_HWIN hObj);
void DROPDOWN_AddKey(WM_HWIN hObj, int Key);

// Look and the open list.
void DROPDOWN_SetAutoScroll(WM_HWIN hObj, int OnOff);
int DROPDOWN_SetUpMode(WM_HWIN hObj, int OnOff);          // -> previous
int DROPDOWN_SetListHeight(WM_HWIN hObj, unsigned Height); // -> previous
void DROPDOWN_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
void DROPDOWN_SetTextHeight(WM_HWIN hObj, unsigned Height);
void DROPDOWN_SetTextAlign(WM_HWIN hObj, int Align);
void DROPDOWN_SetItemSpacing(WM_HWIN hObj, unsigned Spacing);
unsigned DROPDOWN_GetItemSpacing(WM_HWIN hObj);
void DROPDOWN_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void DROPDOWN_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void DROPDOWN_SetColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void DROPDOWN_SetScrollbarColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void DROPDOWN_SetScrollbarWidth(WM_HWIN hObj, unsigned Width);
int DROPDOWN_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int DROPDOWN_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults; setters answer the previous value, bad indexes 0.
const GUI_FONT* DROPDOWN_GetDefaultFont(void);
const GUI_FONT* DROPDOWN_SetDefaultFont(const GUI_FONT* pFont);
GUI_COLOR DROPDOWN_GetDefaultBkColor(unsigned Index);
GUI_COLOR DROPDOWN_SetDefaultBkColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR DROPDOWN_GetDefaultColor(unsigned Index);
GUI_COLOR DROPDOWN_SetDefaultColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR DROPDOWN_GetDefaultScrollbarColor(unsigned Index);
GUI_COLOR DROPDOWN_SetDefaultScrollbarColor(unsigned Index, GUI_COLOR Color);

// Skins.
void DROPDOWN_SetSkinClassic(WM_HWIN hObj);
void DROPDOWN_SetDefaultSkinClassic(void);
void DROPDOWN_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
WIDGET_DRAW_ITEM_FUNC* DROPDOWN_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
int DROPDOWN_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void DROPDOWN_GetSkinFlexProps(DROPDOWN_SKINFLEX_PROPS* pProps, int Index);
void DROPDOWN_SetSkinFlexProps(const DROPDOWN_SKINFLEX_PROPS* pProps, int Index);

// Shared by the drop-down's source files (the caller holds the GUI lock).
extern const WIDGET_TYPE DROPDOWN__Type;
extern DROPDOWN_PROPS DROPDOWN__DefaultProps;
extern const WIDGET_SKIN DROPDOWN__SkinClassic;
extern const WIDGET_SKIN DROPDOWN__SkinFlex;
extern const WIDGET_SKIN* DROPDOWN__pDefaultSkin;
DROPDOWN_OBJ* DROPDOWN__Obj(WM_HWIN hObj);
bool DROPDOWN__Valid(WM_HWIN hObj);
void DROPDOWN__AdjustHeight(WM_HWIN hObj);
