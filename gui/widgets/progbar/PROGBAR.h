// PROGBAR: a value in a range shown as a bar split into a filled and an empty part, horizontal or
// vertical, with a text (by default the percentage) drawn over a horizontal bar in one colour per part.
// It takes no input and sends no notifications.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 PROGBAR_ID = 0x50524F47; // "PROG"

constexpr int PROGBAR_CF_VERTICAL = 0x1;
constexpr U8 PROGBAR_FLAG_VERTICAL = 0x1;
constexpr U8 PROGBAR_FLAG_USERTEXT = 0x2;

struct PROGBAR_SKINFLEX_PROPS {
  GUI_COLOR aColorUpperL[2]; // filled part: first half, gradient start and end
  GUI_COLOR aColorLowerL[2]; // filled part: second half
  GUI_COLOR aColorUpperR[2]; // empty part: first half
  GUI_COLOR aColorLowerR[2]; // empty part: second half
  GUI_COLOR ColorFrame;
  GUI_COLOR ColorText;
};

// What the item routine receives in WIDGET_ITEM_DRAW_INFO::p.
struct PROGBAR_SKINFLEX_INFO {
  I32 IsVertical;
  I32 Index; // part: 0 the part before the position, 1 the part after it
  const char* pText;
};

struct PROGBAR_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR aBarColor[2];  // 0 filled part, 1 empty part
  GUI_COLOR aTextColor[2]; // text over the filled / empty part
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
};

// The tag stands between Max and the font here; the user data follows Flags.
struct PROGBAR_OBJ {
  WIDGET Widget;
  I32 Value;
  GUI_HMEM hText;
  I16 XOff, YOff;
  U16 TextAlign;
  I32 Min, Max;
  U32 DebugId;
  PROGBAR_PROPS Props;
  const WIDGET_SKIN* pSkin;
  U8 Flags;
};

WM_HWIN PROGBAR_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                           int NumExtraBytes);
WM_HWIN PROGBAR_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN PROGBAR_Create(int x0, int y0, int xSize, int ySize, int WinFlags);
WM_HWIN PROGBAR_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags);
WM_HWIN PROGBAR_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                               WM_CALLBACK* cb);
void PROGBAR_Callback(WM_MESSAGE* pMsg);
PROGBAR_OBJ* PROGBAR_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

void PROGBAR_SetValue(WM_HWIN hObj, int Value); // limited to Min..Max
int PROGBAR_GetValue(WM_HWIN hObj);
void PROGBAR_SetMinMax(WM_HWIN hObj, int Min, int Max); // only Max > Min
void PROGBAR_SetText(WM_HWIN hObj, const char* pText); // null: the percentage again from the next value
int PROGBAR_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen);
void PROGBAR_SetTextAlign(WM_HWIN hObj, int Align);
void PROGBAR_SetTextPos(WM_HWIN hObj, int XOff, int YOff);
void PROGBAR_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
void PROGBAR_SetBarColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void PROGBAR_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
int PROGBAR_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int PROGBAR_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Skins.
void PROGBAR_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
void PROGBAR_SetSkinClassic(WM_HWIN hObj);
WIDGET_DRAW_ITEM_FUNC* PROGBAR_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin); // -> the previous routine
void PROGBAR_SetDefaultSkinClassic(void);
int PROGBAR_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void PROGBAR_GetSkinFlexProps(PROGBAR_SKINFLEX_PROPS* pProps, int Index);
void PROGBAR_SetSkinFlexProps(const PROGBAR_SKINFLEX_PROPS* pProps, int Index);

// Shared by the progress bar's source files.
extern const WIDGET_TYPE PROGBAR__Type;
extern PROGBAR_PROPS PROGBAR__DefaultProps;
extern const WIDGET_SKIN PROGBAR__SkinClassic;
extern const WIDGET_SKIN PROGBAR__SkinFlex;
extern const WIDGET_SKIN* PROGBAR__pDefaultSkin;
// The position of a value along the bar (window coordinates), the text and its rectangle.
int PROGBAR__GetPos(const PROGBAR_OBJ* pObj, int v);
const char* PROGBAR__GetText(const PROGBAR_OBJ* pObj);
GUI_RECT PROGBAR__GetTextRect(WM_HWIN hObj, const PROGBAR_OBJ* pObj, const char* pText);
