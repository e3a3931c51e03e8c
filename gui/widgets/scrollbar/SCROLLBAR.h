// SCROLLBAR: a position Value inside NumItems of which PageSize are visible, drawn as two arrow buttons, a
// shaft and a thumb whose length follows the page. Free bars notify their parent; attached bars (Ids 254
// vertical and 255 horizontal) sit at the inside edge of their parent and are driven by scroll states.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 SCROLLBAR_ID = 0x5343524F; // "SCRO"

// Creation flags and state bits.
constexpr int SCROLLBAR_CF_VERTICAL = WIDGET_STATE_VERTICAL;
constexpr int SCROLLBAR_CF_FOCUSSABLE = WIDGET_STATE_FOCUSABLE;
constexpr U16 SCROLLBAR_STATE_PRESSED = 0x100;

// Colour indexes.
constexpr unsigned SCROLLBAR_CI_THUMB = 0;
constexpr unsigned SCROLLBAR_CI_SHAFT = 1;
constexpr unsigned SCROLLBAR_CI_ARROW = 2;

// Pressed parts.
constexpr int SCROLLBAR_PRESSED_NONE = 0;
constexpr int SCROLLBAR_PRESSED_FAR = 1;   // right or down arrow
constexpr int SCROLLBAR_PRESSED_NEAR = 2;  // left or up arrow
constexpr int SCROLLBAR_PRESSED_THUMB = 3;

// Parts along the bar's axis (a vertical bar is turned so that its length lies on x).
struct SCROLLBAR_POSITIONS {
  I32 x0_LeftArrow, x1_LeftArrow;
  I32 x0_Thumb, x1_Thumb;
  I32 x0_RightArrow, x1_RightArrow;
  I32 x1;            // far edge of the window before a partner bar's corner is left free
  I32 xSizeMoveable; // shaft length less the thumb
  I32 ThumbSize;
};

// Flexible skin colours; set 0 for a pressed part, set 1 for the others (the shaft always uses set 1).
struct SCROLLBAR_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[3]; // outer, inner, corner pixels
  GUI_COLOR aColorUpper[2]; // upper gradient top, bottom
  GUI_COLOR aColorLower[2]; // lower gradient top, bottom
  GUI_COLOR aColorShaft[2]; // shaft gradient start, end
  GUI_COLOR ColorArrow;
  GUI_COLOR ColorGrasp;
};

// What the item routine of the flexible skin receives in WIDGET_ITEM_DRAW_INFO::p.
struct SCROLLBAR_SKINFLEX_INFO {
  I32 IsVertical;
  I32 PressedPart;
};

struct SCROLLBAR_PROPS {
  GUI_COLOR aColor[3];
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
};

struct SCROLLBAR_OBJ {
  WIDGET Widget;
  SCROLLBAR_PROPS Props;
  const WIDGET_SKIN* pSkin;
  void (*pfCalcPositions)(WM_HWIN hObj, SCROLLBAR_POSITIONS* pPos);
  I32 NumItems, Value, PageSize;
  I32 PressedPart;
  I32 RepeatStep;  // value change per repeat tick; 0 while nothing repeats
  I32 TargetValue; // value under the pointer, where repeating stops
  GUI_HMEM hTimer;
  U32 DebugId;
};

// Creation.
WM_HWIN SCROLLBAR_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags,
                             int Id, int NumExtraBytes);
WM_HWIN SCROLLBAR_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN SCROLLBAR_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN SCROLLBAR_CreateIdFirst(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags,
                                int ExFlags);
WM_HWIN SCROLLBAR_CreateAttached(WM_HWIN hParent, int ExFlags);
WM_HWIN SCROLLBAR_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                 WM_CALLBACK* cb);
void SCROLLBAR_Callback(WM_MESSAGE* pMsg);
SCROLLBAR_OBJ* SCROLLBAR_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Value and range; a zero handle is ignored (getters answer 0).
void SCROLLBAR_SetValue(WM_HWIN hObj, int Value); // clamped to 0 .. NumItems - PageSize
void SCROLLBAR_AddValue(WM_HWIN hObj, int Add);
void SCROLLBAR_Inc(WM_HWIN hObj);
void SCROLLBAR_Dec(WM_HWIN hObj);
void SCROLLBAR_SetNumItems(WM_HWIN hObj, int NumItems);
void SCROLLBAR_SetPageSize(WM_HWIN hObj, int PageSize);
void SCROLLBAR_SetState(WM_HWIN hObj, const WM_SCROLL_STATE* pState);
int SCROLLBAR_GetValue(WM_HWIN hObj);
int SCROLLBAR_GetNumItems(WM_HWIN hObj);
int SCROLLBAR_GetPageSize(WM_HWIN hObj);

// Look.
GUI_COLOR SCROLLBAR_SetColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color); // -> previous; 0 for a bad index
GUI_COLOR SCROLLBAR_GetColor(WM_HWIN hObj, unsigned Index);
int SCROLLBAR_SetWidth(WM_HWIN hObj, int Width);
GUI_COLOR SCROLLBAR_SetDefaultColor(GUI_COLOR Color, unsigned Index);
int SCROLLBAR_GetDefaultWidth(void);
int SCROLLBAR_SetDefaultWidth(int Width);
int SCROLLBAR_GetThumbSizeMin(void);
int SCROLLBAR_SetThumbSizeMin(int Size);
int SCROLLBAR_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int SCROLLBAR_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Skins.
void SCROLLBAR_SetSkinClassic(WM_HWIN hObj);
void SCROLLBAR_SetDefaultSkinClassic(void);
void SCROLLBAR_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
WIDGET_DRAW_ITEM_FUNC* SCROLLBAR_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
int SCROLLBAR_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void SCROLLBAR_GetSkinFlexProps(SCROLLBAR_SKINFLEX_PROPS* pProps, int Index);
void SCROLLBAR_SetSkinFlexProps(const SCROLLBAR_SKINFLEX_PROPS* pProps, int Index);

// Shared by the scroll bar's source files.
extern const WIDGET_TYPE SCROLLBAR__Type;
extern SCROLLBAR_PROPS SCROLLBAR__DefaultProps;
extern const WIDGET_SKIN SCROLLBAR__SkinClassic;
extern const WIDGET_SKIN SCROLLBAR__SkinFlex;
extern const WIDGET_SKIN* SCROLLBAR__pDefaultSkin;
extern int SCROLLBAR__DefaultWidth;
extern int SCROLLBAR__ThumbSizeMin;
// Fills the parts for an arrow length and a smallest thumb (the caller holds the lock).
void SCROLLBAR__CalcPositions(WM_HWIN hObj, SCROLLBAR_POSITIONS* pPos, int ArrowLen, int ThumbMin);
// The bar's window rectangle turned onto its axis, and the thickness across it.
void SCROLLBAR__GetAxisRect(const SCROLLBAR_OBJ* pObj, GUI_RECT* pRect);
// Invalidates the partner bar and tells the parent that its client area changed.
void SCROLLBAR__InformOthers(WM_HWIN hObj);
