// SPINBOX: a numeric field with an up and a down button. An edit child in its decimal value mode holds,
// shows and limits the value; the buttons, the up and down keys and auto-repeat while a button is held
// (at once, after 400 ms, then every 50 ms) change it by a step. Drawn by the classic skin (3D buttons with
// arrows) or the flexible skin (framed gradient buttons).
#pragma once
#include "WIDGET_Type.h"
#include "WM_Timer.h"

constexpr U32 SPINBOX_ID = 0x5350494E; // "SPIN"

// Where the buttons stand.
constexpr int SPINBOX_EDGE_RIGHT = 0;
constexpr int SPINBOX_EDGE_LEFT = 1;
constexpr int SPINBOX_EDGE_CENTER = 2; // up right, down left

constexpr int SPINBOX_BUTTON_UP = 0;
constexpr int SPINBOX_BUTTON_DOWN = 1;
constexpr U8 SPINBOX_BUTTON_NONE = 255;

// Indexes of the colour table: five groups of three states (0 disabled, 1 normal, 2 pressed).
constexpr int SPINBOX_CI_FILL = 0;
constexpr int SPINBOX_CI_TOP = 3;
constexpr int SPINBOX_CI_BOTTOM = 6;
constexpr int SPINBOX_CI_SIDES = 9;
constexpr int SPINBOX_CI_ARROW = 12;

// Flexible skin: property sets by state, and the requests of its paint.
constexpr int SPINBOX_SKINFLEX_PI_PRESSED = 0;
constexpr int SPINBOX_SKINFLEX_PI_FOCUSED = 1;
constexpr int SPINBOX_SKINFLEX_PI_ENABLED = 2;
constexpr int SPINBOX_SKINFLEX_PI_DISABLED = 3;
constexpr int WIDGET_ITEM_CREATE_SPINBOX = 29; // the spin box's own create request

struct SPINBOX_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[2];  // outer, inner
  GUI_COLOR aColorUpper[2];  // gradient of a button's upper half
  GUI_COLOR aColorLower[2];  // and of its lower half
  GUI_COLOR ColorArrow;
  GUI_COLOR ColorBk;         // edit background
  GUI_COLOR ColorText;       // edit text
  GUI_COLOR ColorButtonFrame;
};

struct SPINBOX_PROPS {
  GUI_COLOR aColor[15];
  GUI_COLOR aEditBkColor[2];   // [0] disabled, [1] enabled
  GUI_COLOR aEditTextColor[2];
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
};

struct SPINBOX_OBJ {
  WIDGET Widget;
  SPINBOX_PROPS Props;
  I32 Min, Max;
  U16 Step;
  U16 ButtonSize;
  U8 Edge;
  const WIDGET_SKIN* pSkin;
  WM_HWIN hEdit;
  WM_HTIMER hTimer;
  U8 TimerButton;
  U8 PressedButton;
  U8 SkipStep;
  U8 PressedMask;
  U32 DebugId;
};

WM_HWIN SPINBOX_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int Id, int Min,
                           int Max, int NumExtraBytes);
WM_HWIN SPINBOX_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int Id, int Min, int Max);
WM_HWIN SPINBOX_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                               WM_CALLBACK* cb);
void SPINBOX_Callback(WM_MESSAGE* pMsg);
SPINBOX_OBJ* SPINBOX_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

void SPINBOX_SetValue(WM_HWIN hObj, int Value);
int SPINBOX_GetValue(WM_HWIN hObj);
void SPINBOX_SetRange(WM_HWIN hObj, int Min, int Max);
U16 SPINBOX_SetStep(WM_HWIN hObj, U16 Step); // -> the previous step; 0 is ignored
void SPINBOX_SetButtonSize(WM_HWIN hObj, unsigned Size);
void SPINBOX_SetEdge(WM_HWIN hObj, int Edge);
void SPINBOX_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
void SPINBOX_SetButtonColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR SPINBOX_GetButtonColor(WM_HWIN hObj, unsigned Index);
void SPINBOX_SetEditBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR SPINBOX_GetEditBkColor(WM_HWIN hObj, unsigned Index);
void SPINBOX_SetEditTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
WM_HWIN SPINBOX_GetEditHandle(WM_HWIN hObj);
void SPINBOX_EnableBlink(WM_HWIN hObj, int Period, int OnOff);
void SPINBOX_SetEditFocusable(WM_HWIN hObj, int OnOff);
int SPINBOX_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int SPINBOX_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Skins.
void SPINBOX_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
void SPINBOX_SetSkinClassic(WM_HWIN hObj);
WIDGET_DRAW_ITEM_FUNC* SPINBOX_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin); // -> the previous routine
void SPINBOX_SetDefaultSkinClassic(void);
int SPINBOX_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void SPINBOX_GetSkinFlexProps(SPINBOX_SKINFLEX_PROPS* pProps, int Index);
void SPINBOX_SetSkinFlexProps(const SPINBOX_SKINFLEX_PROPS* pProps, int Index);

// Shared by the spin box's source files.
extern const WIDGET_TYPE SPINBOX__Type;
extern SPINBOX_PROPS SPINBOX__DefaultProps;
extern const WIDGET_SKIN SPINBOX__SkinClassic;
extern const WIDGET_SKIN SPINBOX__SkinFlex;
extern const WIDGET_SKIN* SPINBOX__pDefaultSkin;
SPINBOX_OBJ* SPINBOX__Obj(WM_HWIN hObj);
// The rectangle of a button (window coordinates) and the button at a point (SPINBOX_BUTTON_NONE for none).
GUI_RECT SPINBOX__GetButtonRect(WM_HWIN hObj, int Button);
int SPINBOX__ButtonAt(WM_HWIN hObj, int x, int y);
// Places the edit by Edge and ButtonSize; Height 0 keeps its height.
void SPINBOX__LayoutEdit(WM_HWIN hObj);
