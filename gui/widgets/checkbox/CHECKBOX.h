// CHECKBOX: a small square box with an optional text beside it. A click or the space key advances its
// state through two (unchecked, checked) or three (unchecked, checked, third state) states. Drawn by the
// classic skin (images in a sunken box) or the flexible skin (frames, gradient and a check mark computed
// for the box size).
#pragma once
#include "WIDGET_Type.h"

constexpr U32 CHECKBOX_ID = 0x43484543; // "CHEC"

// Image indexes: enabled + 2 x state.
constexpr int CHECKBOX_BI_INACTIV_UNCHECKED = 0;
constexpr int CHECKBOX_BI_ACTIV_UNCHECKED = 1;
constexpr int CHECKBOX_BI_INACTIV_CHECKED = 2;
constexpr int CHECKBOX_BI_ACTIV_CHECKED = 3;
constexpr int CHECKBOX_BI_INACTIV_3STATE = 4;
constexpr int CHECKBOX_BI_ACTIV_3STATE = 5;

// Flexible skin property sets.
constexpr int CHECKBOX_SKINFLEX_PI_ENABLED = 0;
constexpr int CHECKBOX_SKINFLEX_PI_DISABLED = 1;

struct CHECKBOX_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[3]; // outer to inner
  GUI_COLOR aColorInner[2]; // gradient top, bottom
  GUI_COLOR ColorCheck;
  I32 ButtonSize;
};

// What a skin keeps beside its paint routine: the default-size query and the item routine.
struct CHECKBOX_SKIN_PRIVATE {
  int (*pfGetDefaultSize)(void);
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
};

struct CHECKBOX_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR aBkColorBox[2]; // box fill: [0] disabled, [1] enabled
  GUI_COLOR BkColor;        // whole window; above 0xFFFFFF: none
  GUI_COLOR TextColor;
  GUI_COLOR FocusColor;
  CHECKBOX_SKIN_PRIVATE SkinPrivate;
  I16 Align;
  U8 Spacing;
  const GUI_BITMAP* apBm[6];
};

struct CHECKBOX_OBJ {
  WIDGET Widget;
  CHECKBOX_PROPS Props;
  const WIDGET_SKIN* pSkin;
  U8 NumStates;
  U8 CurrentState;
  GUI_HMEM hpText;
  I32 FlexButtonSize;
  U32 DebugId;
};

WM_HWIN CHECKBOX_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int NumExtraBytes);
WM_HWIN CHECKBOX_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN CHECKBOX_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags);
WM_HWIN CHECKBOX_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK* cb);
void CHECKBOX_Callback(WM_MESSAGE* pMsg);
CHECKBOX_OBJ* CHECKBOX_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

int CHECKBOX_GetState(WM_HWIN hObj);
int CHECKBOX_IsChecked(WM_HWIN hObj);
int CHECKBOX_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen); // -> bytes copied
void CHECKBOX_SetState(WM_HWIN hObj, unsigned State);         // State below NumStates only; notifies 5
void CHECKBOX_SetNumStates(WM_HWIN hObj, unsigned NumStates); // 2 or 3
void CHECKBOX_SetText(WM_HWIN hObj, const char* pText);
void CHECKBOX_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
void CHECKBOX_SetTextColor(WM_HWIN hObj, GUI_COLOR Color);
void CHECKBOX_SetTextAlign(WM_HWIN hObj, int Align);
void CHECKBOX_SetSpacing(WM_HWIN hObj, unsigned Spacing);
void CHECKBOX_SetBkColor(WM_HWIN hObj, GUI_COLOR Color);
GUI_COLOR CHECKBOX_SetBoxBkColor(WM_HWIN hObj, GUI_COLOR Color, int Index); // -> previous, 0 if unchanged
GUI_COLOR CHECKBOX_SetFocusColor(WM_HWIN hObj, GUI_COLOR Color);           // -> previous, 0 if unchanged
void CHECKBOX_SetImage(WM_HWIN hObj, const GUI_BITMAP* pBitmap, unsigned Index);
int CHECKBOX_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int CHECKBOX_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults (affect check boxes created afterwards).
void CHECKBOX_SetDefaultFont(const GUI_FONT* pFont);
void CHECKBOX_SetDefaultTextColor(GUI_COLOR Color);
void CHECKBOX_SetDefaultBkColor(GUI_COLOR Color);
void CHECKBOX_SetDefaultAlign(int Align);
void CHECKBOX_SetDefaultSpacing(int Spacing);
GUI_COLOR CHECKBOX_SetDefaultFocusColor(GUI_COLOR Color); // -> the previous default
void CHECKBOX_SetDefaultImage(const GUI_BITMAP* pBitmap, unsigned Index);

// Skins.
WIDGET_DRAW_ITEM_FUNC* CHECKBOX_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin); // -> the previous routine
void CHECKBOX_SetDefaultSkinClassic(void);
void CHECKBOX_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
void CHECKBOX_SetSkinClassic(WM_HWIN hObj);
int CHECKBOX_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void CHECKBOX_GetSkinFlexProps(CHECKBOX_SKINFLEX_PROPS* pProps, int Index);
void CHECKBOX_SetSkinFlexProps(const CHECKBOX_SKINFLEX_PROPS* pProps, int Index);
int CHECKBOX_GetSkinFlexButtonSize(WM_HWIN hObj);
void CHECKBOX_SetSkinFlexButtonSize(WM_HWIN hObj, int ButtonSize);

// Shared by the check box's source files.
extern const WIDGET_TYPE CHECKBOX__Type;
extern CHECKBOX_PROPS CHECKBOX__DefaultProps;
extern const WIDGET_SKIN CHECKBOX__SkinClassic;
extern const WIDGET_SKIN CHECKBOX__SkinFlex;
extern const WIDGET_SKIN* CHECKBOX__pDefaultSkin;
extern const GUI_BITMAP CHECKBOX__abmCheck[2]; // built-in marks: [0] disabled, [1] enabled
extern const GUI_BITMAP CHECKBOX__abm3State[2];
// The text rectangle that Align gives a text extent inside r (the focus rectangle's inside).
GUI_RECT CHECKBOX__GetFocusExtent(const CHECKBOX_OBJ* pObj, const GUI_RECT& r, const char* pText);
