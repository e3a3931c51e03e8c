// BUTTON: a widget pressed with the pointer or with Enter and space. It notifies its parent (1 pressed,
// 2 released as a click, 3 moved out), stores its Id as the pending key on a click, and paints through an
// exchangeable skin: the classic skin (frame effect, colours per state, image, text, focus rectangle) or the
// flexible skin, which calls a draw routine per drawing step.
#pragma once
#include "WIDGET_Type.h"

// State bit of a pressed button.
constexpr U16 BUTTON_STATE_PRESSED = 0x100;

// Colour and image indexes.
constexpr int BUTTON_CI_UNPRESSED = 0;
constexpr int BUTTON_CI_PRESSED = 1;
constexpr int BUTTON_CI_DISABLED = 2;
constexpr int BUTTON_BI_UNPRESSED = 0;
constexpr int BUTTON_BI_PRESSED = 1;
constexpr int BUTTON_BI_DISABLED = 2;

// State indexes of the flexible skin.
constexpr int BUTTON_SKINFLEX_PI_PRESSED = 0;
constexpr int BUTTON_SKINFLEX_PI_FOCUSSED = 1;
constexpr int BUTTON_SKINFLEX_PI_ENABLED = 2;
constexpr int BUTTON_SKINFLEX_PI_DISABLED = 3;

struct BUTTON_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[3]; // outer, inner, corner
  GUI_COLOR aColorUpper[2]; // upper gradient top, bottom
  GUI_COLOR aColorLower[2]; // lower gradient top, bottom
  I32 Radius;
};

// The defaults every new button copies.
struct BUTTON_PROPS {
  GUI_COLOR aBkColor[3];
  GUI_COLOR aTextColor[3];
  GUI_COLOR FocusColor;
  GUI_COLOR FrameColor;
  const GUI_FONT* pFont;
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
  I16 Align;
  I16 xOffText, yOffText;
};

struct BUTTON_OBJ {
  WIDGET Widget;
  BUTTON_PROPS Props;
  const WIDGET_SKIN* pSkin;
  GUI_HMEM hText;
  GUI_HMEM ahDrawObj[3];
  U32 DebugId; // "BUTT"
};

constexpr U32 BUTTON_ID = 0x42555454;

// Creation.
WM_HWIN BUTTON_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          int NumExtraBytes);
WM_HWIN BUTTON_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN BUTTON_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags);
WM_HWIN BUTTON_CreateDesktop(int x0, int y0, int xSize, int ySize, int Id, int Flags);
WM_HWIN BUTTON_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                              WM_CALLBACK* cb);
void BUTTON_Callback(WM_MESSAGE* pMsg);
BUTTON_OBJ* BUTTON_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH
BUTTON_OBJ* BUTTON__GetObj(WM_HWIN hObj);

// Per-button settings; a zero handle is ignored (getters answer 0 unless said otherwise).
int BUTTON_SetText(WM_HWIN hObj, const char* pText);
int BUTTON_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen); // -> characters written (without the 0)
void BUTTON_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
const GUI_FONT* BUTTON_GetFont(WM_HWIN hObj);
void BUTTON_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR BUTTON_GetBkColor(WM_HWIN hObj, unsigned Index);
void BUTTON_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR BUTTON_GetTextColor(WM_HWIN hObj, unsigned Index);
void BUTTON_SetFrameColor(WM_HWIN hObj, GUI_COLOR Color);
GUI_COLOR BUTTON_GetFrameColor(WM_HWIN hObj);
GUI_COLOR BUTTON_SetFocusColor(WM_HWIN hObj, GUI_COLOR Color); // -> previous colour, 0 when unchanged
void BUTTON_SetTextAlign(WM_HWIN hObj, int Align);
int BUTTON_GetTextAlign(WM_HWIN hObj); // -1 for handle 0
void BUTTON_SetTextOffset(WM_HWIN hObj, int xPos, int yPos);
void BUTTON_SetFocusable(WM_HWIN hObj, int OnOff);
void BUTTON_SetPressed(WM_HWIN hObj, int OnOff);
int BUTTON_IsPressed(WM_HWIN hObj);
int BUTTON_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int BUTTON_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Images per state index (0 unpressed, 1 pressed, 2 disabled).
void BUTTON_SetBitmap(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap);
void BUTTON_SetBitmapEx(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap, int x, int y);
void BUTTON_SetBMP(WM_HWIN hObj, unsigned Index, const void* pBitmap);
void BUTTON_SetBMPEx(WM_HWIN hObj, unsigned Index, const void* pBitmap, int x, int y);
void BUTTON_SetStreamedBitmap(WM_HWIN hObj, unsigned Index, const void* pBitmap);
void BUTTON_SetStreamedBitmapEx(WM_HWIN hObj, unsigned Index, const void* pBitmap, int x, int y);
void BUTTON_SetDrawCallback(WM_HWIN hObj, unsigned Index, GUI_DRAWOBJ_USER_FUNC* pfDraw);
void BUTTON_SetDrawCallbackEx(WM_HWIN hObj, unsigned Index, GUI_DRAWOBJ_USER_FUNC* pfDraw, int x, int y);
void BUTTON_SetSelfDraw(WM_HWIN hObj, unsigned Index, GUI_DRAWOBJ_USER_FUNC* pfDraw);
void BUTTON__SetDrawObj(WM_HWIN hObj, unsigned Index, GUI_HMEM hDrawObj);
const void* BUTTON_GetBitmap(WM_HWIN hObj, unsigned Index);

// Module defaults (affect buttons created afterwards).
void BUTTON_SetDefaultBkColor(GUI_COLOR Color, unsigned Index);
GUI_COLOR BUTTON_GetDefaultBkColor(unsigned Index); // 0xFFFFFFF for an index out of range
void BUTTON_SetDefaultTextColor(GUI_COLOR Color, unsigned Index);
GUI_COLOR BUTTON_GetDefaultTextColor(unsigned Index);
GUI_COLOR BUTTON_SetDefaultFocusColor(GUI_COLOR Color);
void BUTTON_SetDefaultFont(const GUI_FONT* pFont);
void BUTTON_SetDefaultTextAlign(int Align);

// Skins.
void BUTTON_SetSkinClassic(WM_HWIN hObj);
void BUTTON_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDraw);
// New buttons get the flexible skin with pfDraw (null: the classic skin); -> the previous draw routine.
WIDGET_DRAW_ITEM_FUNC* BUTTON_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDraw);
int BUTTON_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void BUTTON_GetSkinFlexProps(BUTTON_SKINFLEX_PROPS* pProps, int Index);
void BUTTON_SetSkinFlexProps(const BUTTON_SKINFLEX_PROPS* pProps, int Index);

// Pointer behaviour of all buttons: react on the touch (default) or on the pointer level.
void BUTTON_SetReactOnLevel(void);
void BUTTON_SetReactOnTouch(void);

// Shared by the button's source files.
extern const WIDGET_TYPE BUTTON__Type;
extern BUTTON_PROPS BUTTON__DefaultProps;
extern const WIDGET_SKIN BUTTON__SkinClassic;
extern const WIDGET_SKIN BUTTON__SkinFlex;
extern const WIDGET_SKIN* BUTTON__pDefaultSkin;
