// RADIO: one window holding a column of round buttons, each with an optional text; one item (or none) is
// selected. Radio widgets that are siblings under one parent form a group by a common group number: one
// selection runs across all of them, and the arrow keys move from one member to the next.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 RADIO_ID = 0x52414449; // "RADI"

// Image indexes.
constexpr unsigned RADIO_BI_INACTIV = 0;
constexpr unsigned RADIO_BI_ACTIV = 1;
constexpr unsigned RADIO_BI_CHECK = 2;

// Flexible skin property sets.
constexpr int RADIO_SKINFLEX_PI_PRESSED = 0; // the selected item
constexpr int RADIO_SKINFLEX_PI_DEFAULT = 1;

struct RADIO_SKINFLEX_PROPS {
  GUI_COLOR aColorButton[4]; // outer ring, second ring, third ring, inside
  I32 ButtonSize;
};

// What a skin keeps beside its paint routine: the button-size query and the item routine.
struct RADIO_SKIN_PRIVATE {
  int (*pfGetButtonSize)(WM_HWIN hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
};

struct RADIO_PROPS {
  GUI_COLOR BkColor; // above 0xFFFFFF: none
  GUI_COLOR TextColor;
  GUI_COLOR FocusColor;
  const GUI_FONT* pFont;
  const GUI_BITMAP* apBmButton[2]; // [0] disabled widget, [1] enabled widget
  const GUI_BITMAP* pBmCheck;
  RADIO_SKIN_PRIVATE SkinPrivate;
};

struct RADIO_OBJ {
  WIDGET Widget;
  RADIO_PROPS Props;
  const WIDGET_SKIN* pSkin;
  GUI_ARRAY hItems; // one text per item
  I16 Sel;          // -1: none
  U16 Spacing;
  U16 NumItems;
  U8 GroupId;       // 0: no group
  U32 DebugId;
};

WM_HWIN RADIO_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                         int NumItems, int Spacing, int NumExtraBytes);
WM_HWIN RADIO_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                       int NumItems, int Spacing);
WM_HWIN RADIO_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags, unsigned Para);
WM_HWIN RADIO_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                             WM_CALLBACK* cb);
void RADIO_Callback(WM_MESSAGE* pMsg);
RADIO_OBJ* RADIO_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

int RADIO_GetValue(WM_HWIN hObj);
void RADIO_SetValue(WM_HWIN hObj, int v);
void RADIO_Inc(WM_HWIN hObj);
void RADIO_Dec(WM_HWIN hObj);
void RADIO_SetGroupId(WM_HWIN hObj, U8 NewGroupId);
int RADIO_GetText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxLen); // -> length copied
void RADIO_SetText(WM_HWIN hObj, const char* pText, unsigned Index);
void RADIO_SetTextColor(WM_HWIN hObj, GUI_COLOR Color);
void RADIO_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
GUI_COLOR RADIO_SetFocusColor(WM_HWIN hObj, GUI_COLOR Color); // -> previous, 0 if unchanged
void RADIO_SetBkColor(WM_HWIN hObj, GUI_COLOR Color);
const GUI_BITMAP* RADIO_GetImage(WM_HWIN hObj, unsigned Index);
void RADIO_SetImage(WM_HWIN hObj, const GUI_BITMAP* pBitmap, unsigned Index);
int RADIO_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int RADIO_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults (affect radio widgets created afterwards).
GUI_COLOR RADIO_SetDefaultFocusColor(GUI_COLOR Color); // -> the previous default
void RADIO_SetDefaultFont(const GUI_FONT* pFont);
void RADIO_SetDefaultTextColor(GUI_COLOR Color);
void RADIO_SetDefaultImage(const GUI_BITMAP* pBitmap, unsigned Index);

// Skins.
WIDGET_DRAW_ITEM_FUNC* RADIO_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin); // -> the previous routine
void RADIO_SetDefaultSkinClassic(void);
void RADIO_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
void RADIO_SetSkinClassic(WM_HWIN hObj);
int RADIO_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void RADIO_GetSkinFlexProps(RADIO_SKINFLEX_PROPS* pProps, int Index);
void RADIO_SetSkinFlexProps(const RADIO_SKINFLEX_PROPS* pProps, int Index);

// Shared by the radio widget's source files.
extern const WIDGET_TYPE RADIO__Type;
extern RADIO_PROPS RADIO__DefaultProps;
extern const WIDGET_SKIN RADIO__SkinClassic;
extern const WIDGET_SKIN RADIO__SkinFlex;
extern const WIDGET_SKIN* RADIO__pDefaultSkin;
// Selects v (clamped to the last item; -1 clears) and notifies 5 when the selection changed.
void RADIO__SetValue(WM_HWIN hObj, int v);
// The focus margin and the font's cap metrics the looks share.
struct RADIO_TEXT_METRICS {
  int Baseline, CapHeight, Margin;
};
RADIO_TEXT_METRICS RADIO__GetTextMetrics(const GUI_FONT* pFont);
// The item whose text carries the focus rectangle: the selected one, in a group the last with a text;
// -1 when none qualifies.
int RADIO__GetFocusItem(const RADIO_OBJ* pObj, char* pBuffer, int MaxLen);
