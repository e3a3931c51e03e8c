// SLIDER: an integer value in a range shown as the position of a thumb on a groove with tick marks,
// horizontal or vertical; the pointer drags the thumb and the keys left and right step the value.
// Vertical sliders draw through the widget base's turned coordinates, so every look is told horizontally.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 SLIDER_ID = 0x534C4944; // "SLID"

constexpr int SLIDER_CF_VERTICAL = WIDGET_STATE_VERTICAL;
constexpr U16 SLIDER_STATE_PRESSED = 0x100;
constexpr U32 SLIDER_FLAG_DRAW_FOCUS_RECT = 0x1;

// Flexible skin property sets.
constexpr int SLIDER_SKINFLEX_PI_PRESSED = 0;
constexpr int SLIDER_SKINFLEX_PI_UNPRESSED = 1;

struct SLIDER_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[2];  // outer and inner thumb frame
  GUI_COLOR aColorInner[2];  // thumb gradient
  GUI_COLOR aColorShaft[3];  // groove: upper and left edges, lower and right edges, fill
  GUI_COLOR ColorTick;
  GUI_COLOR ColorFocus;
  I32 TickSize;
  I32 ShaftSize;
};

// What the item routine receives in WIDGET_ITEM_DRAW_INFO::p; rectangles are in slider coordinates
// (turned for a vertical slider; draw with the WIDGET__ routines).
struct SLIDER_SKINFLEX_INFO {
  I32 Width;    // thumb width
  I32 NumTicks; // ticks to draw
  I32 Size;     // travel of the thumb's centre
  I32 IsPressed;
  I32 IsVertical;
};

struct SLIDER_PROPS {
  U32 Flags;
  GUI_COLOR BkColor; // 0x0FFFFFFF: transparent
  GUI_COLOR BarColor;
  GUI_COLOR FocusColor;
  GUI_COLOR TickColor;
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
};

struct SLIDER_OBJ {
  WIDGET Widget;
  SLIDER_PROPS Props;
  const WIDGET_SKIN* pSkin;
  I32 NumTicks; // -1: automatic
  I32 Max, Min, Value;
  I16 Width;    // thumb width
  U32 DebugId;
};

WM_HWIN SLIDER_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          int NumExtraBytes);
WM_HWIN SLIDER_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN SLIDER_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags, int ExFlags);
WM_HWIN SLIDER_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                              WM_CALLBACK* cb);
void SLIDER_Callback(WM_MESSAGE* pMsg);
SLIDER_OBJ* SLIDER_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

void SLIDER_Inc(WM_HWIN hObj);
void SLIDER_Dec(WM_HWIN hObj);
void SLIDER_SetValue(WM_HWIN hObj, int Value); // clamped to Min..Max; notifies 5 on a change
int SLIDER_GetValue(WM_HWIN hObj);
void SLIDER_SetRange(WM_HWIN hObj, int Min, int Max);
void SLIDER_SetNumTicks(WM_HWIN hObj, int NumTicks);
void SLIDER_SetWidth(WM_HWIN hObj, int Width);
void SLIDER_EnableFocusRect(WM_HWIN hObj, int OnOff);
U32 SLIDER_GetFlag(WM_HWIN hObj, U32 Mask);
void SLIDER_SetBkColor(WM_HWIN hObj, GUI_COLOR Color);
void SLIDER_SetBarColor(WM_HWIN hObj, GUI_COLOR Color);
void SLIDER_SetTickColor(WM_HWIN hObj, GUI_COLOR Color);
GUI_COLOR SLIDER_SetFocusColor(WM_HWIN hObj, GUI_COLOR Color); // -> previous when changed, else 0
GUI_COLOR SLIDER_GetBkColor(WM_HWIN hObj);
GUI_COLOR SLIDER_GetBarColor(WM_HWIN hObj);
GUI_COLOR SLIDER_GetFocusColor(WM_HWIN hObj);
GUI_COLOR SLIDER_GetTickColor(WM_HWIN hObj);
int SLIDER_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int SLIDER_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults (affect sliders created afterwards).
void SLIDER_SetDefaultBkColor(GUI_COLOR Color);
void SLIDER_SetDefaultBarColor(GUI_COLOR Color);
void SLIDER_SetDefaultTickColor(GUI_COLOR Color);
GUI_COLOR SLIDER_SetDefaultFocusColor(GUI_COLOR Color); // -> the previous default

// Skins.
void SLIDER_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
void SLIDER_SetSkinClassic(WM_HWIN hObj);
WIDGET_DRAW_ITEM_FUNC* SLIDER_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin); // -> the previous routine
void SLIDER_SetDefaultSkinClassic(void);
int SLIDER_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void SLIDER_GetSkinFlexProps(SLIDER_SKINFLEX_PROPS* pProps, int Index);
void SLIDER_SetSkinFlexProps(const SLIDER_SKINFLEX_PROPS* pProps, int Index);

// Shared by the slider's source files.
extern const WIDGET_TYPE SLIDER__Type;
extern SLIDER_PROPS SLIDER__DefaultProps;
extern const WIDGET_SKIN SLIDER__SkinClassic;
extern const WIDGET_SKIN SLIDER__SkinFlex;
extern const WIDGET_SKIN* SLIDER__pDefaultSkin;
// Geometry both looks share, from the client rectangle shrunk by 1 (slider coordinates).
struct SLIDER_GEOMETRY {
  GUI_RECT r;    // client rectangle shrunk by 1
  int Size;      // travel of the thumb's centre
  int xStart;    // position of the minimum
  int NumTicks;  // ticks to draw
  int xThumb;    // left edge of the thumb
};
SLIDER_GEOMETRY SLIDER__GetGeometry(const SLIDER_OBJ* pObj);
