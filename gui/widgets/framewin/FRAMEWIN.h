// FRAMEWIN: the usual first window of a dialog. A border, a title bar with a text and optional buttons
// (close, maximise, minimise, own ones), an optional menu under the title and a client window that fills the
// rest and forwards its messages to the dialog's callback. It can be dragged, resized at its edges,
// minimised to its title bar, maximised to its parent and restored. A skin draws it and answers its border
// sizes: the classic one (flat border, raised edge, plain bar) or the flexible one (rounded top corners,
// gradient title).
#pragma once
#include "DIALOG.h"
#include "WIDGET_Type.h"

constexpr U32 FRAMEWIN_ID = 0x4652414D; // "FRAM"

// Flags (ExFlags at creation).
constexpr U16 FRAMEWIN_SF_ACTIVE = 0x8;
constexpr U16 FRAMEWIN_SF_MOVEABLE = 0x10;
constexpr U16 FRAMEWIN_SF_MINIMIZED = 0x40;
constexpr U16 FRAMEWIN_SF_MAXIMIZED = 0x80;
constexpr U16 FRAMEWIN_SF_DRAGGING = 0x100;   // the current press began on the frame itself
constexpr U16 FRAMEWIN_SF_RESIZEABLE = 0x200; // the resize handler sees messages before the frame
constexpr U16 FRAMEWIN_CF_ACTIVE = FRAMEWIN_SF_ACTIVE;
constexpr U16 FRAMEWIN_CF_MOVEABLE = FRAMEWIN_SF_MOVEABLE;

// Widget state: the title is shown.
constexpr U16 FRAMEWIN_STATE_TITLEVISIBLE = 0x20;

// Title-bar buttons.
constexpr int FRAMEWIN_BUTTON_RIGHT = 1;
constexpr int FRAMEWIN_BUTTON_LEFT = 2; // anchored left
constexpr int GUI_ID_CLOSE = 5;
constexpr int GUI_ID_MAXIMIZE = 7;
constexpr int GUI_ID_MINIMIZE = 8;

// Edges of the border sizes.
constexpr int FRAMEWIN_EDGE_TOP = 0;
constexpr int FRAMEWIN_EDGE_LEFT = 1;
constexpr int FRAMEWIN_EDGE_BOTTOM = 2;
constexpr int FRAMEWIN_EDGE_RIGHT = 3;

struct FRAMEWIN_SKINFLEX_PROPS {
  GUI_COLOR aColorFrame[3]; // outer line, inner line, border fill and separator
  GUI_COLOR aColorTitle[2]; // title gradient top, bottom
  int Radius;
  int SpaceX;
  int BorderSizeL, BorderSizeR, BorderSizeT, BorderSizeB;
};

// What a skin keeps beside paint and create: its border sizes and its default item routine.
struct FRAMEWIN_SKIN_PRIVATE {
  int (*pfGetBorderSize)(WM_HWIN hObj, int Edge);
  WIDGET_DRAW_ITEM_FUNC** ppfDefaultDraw; // null for the classic skin
};

struct FRAMEWIN_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR aBarColor[2];  // [0] inactive, [1] active
  GUI_COLOR aTextColor[2];
  GUI_COLOR ClientColor;   // above 0xFFFFFF: the client is not filled
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
  I16 TitleHeight;         // 0: font height + 2
  I16 BorderSize;          // classic skin
  I16 IBorderSize;         // line between title (and menu) and client
  I16 TextAlign;
};

// The frame's geometry, computed on demand from the skin's border sizes (frame coordinates).
struct FRAMEWIN_POS {
  I16 TitleHeight;
  I16 MenuHeight;
  GUI_RECT rClient;
  GUI_RECT rTitle;
};

struct FRAMEWIN_OBJ {
  WIDGET Widget;
  FRAMEWIN_PROPS Props;
  const WIDGET_SKIN* pSkin;
  WIDGET_DRAW_ITEM_FUNC* pfOwnerDraw; // title routine of the classic skin
  WM_CALLBACK* cb;
  WM_HWIN hClient;
  WM_HWIN hMenu;
  GUI_HMEM hText;
  GUI_RECT rRestore;
  U16 Flags;
  WM_HWIN hFocussedChild;
  GUI_DIALOG_STATUS* pDialogStatus;
  U32 DebugId;
};

WM_HWIN FRAMEWIN_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            const char* pTitle, WM_CALLBACK* cb, int NumExtraBytes);
WM_HWIN FRAMEWIN_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          const char* pTitle, WM_CALLBACK* cb);
WM_HWIN FRAMEWIN_Create(const char* pTitle, WM_CALLBACK* cb, int Flags, int x0, int y0, int xSize, int ySize);
WM_HWIN FRAMEWIN_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, const char* pText,
                               WM_CALLBACK* cb, int Flags);
WM_HWIN FRAMEWIN_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK* cb);
void FRAMEWIN_Callback(WM_MESSAGE* pMsg);
FRAMEWIN_OBJ* FRAMEWIN_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH
int FRAMEWIN_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int FRAMEWIN_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

void FRAMEWIN_SetText(WM_HWIN hObj, const char* s);
void FRAMEWIN_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen);
void FRAMEWIN_SetTextAlign(WM_HWIN hObj, int Align);
int FRAMEWIN_GetTextAlign(WM_HWIN hObj);
void FRAMEWIN_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
const GUI_FONT* FRAMEWIN_GetFont(WM_HWIN hObj);
void FRAMEWIN_SetBarColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR FRAMEWIN_GetBarColor(WM_HWIN hObj, unsigned Index);
void FRAMEWIN_SetTextColor(WM_HWIN hObj, GUI_COLOR Color);
void FRAMEWIN_SetTextColorEx(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void FRAMEWIN_SetClientColor(WM_HWIN hObj, GUI_COLOR Color);
int FRAMEWIN_SetTitleHeight(WM_HWIN hObj, int Height); // -> the previous set value
int FRAMEWIN_GetTitleHeight(WM_HWIN hObj);
void FRAMEWIN_SetBorderSize(WM_HWIN hObj, int Size);
int FRAMEWIN_GetBorderSize(WM_HWIN hObj);
int FRAMEWIN_GetBorderSizeEx(WM_HWIN hObj, int Edge);
void FRAMEWIN_SetTitleVisibility(WM_HWIN hObj, int OnOff);
void FRAMEWIN_SetActive(WM_HWIN hObj, int OnOff);
int FRAMEWIN_IsActive(WM_HWIN hObj);
int FRAMEWIN_IsMinimized(WM_HWIN hObj);
int FRAMEWIN_IsMaximized(WM_HWIN hObj);
void FRAMEWIN_SetMoveable(WM_HWIN hObj, int OnOff);
void FRAMEWIN_SetResizeable(WM_HWIN hObj, int OnOff);
void FRAMEWIN_Minimize(WM_HWIN hObj);
void FRAMEWIN_Maximize(WM_HWIN hObj);
void FRAMEWIN_Restore(WM_HWIN hObj);
void FRAMEWIN_AddMenu(WM_HWIN hObj, WM_HWIN hMenu);
WM_HWIN FRAMEWIN_AddButton(WM_HWIN hObj, int Flags, int Off, int Id);
WM_HWIN FRAMEWIN_AddCloseButton(WM_HWIN hObj, int Flags, int Off);
WM_HWIN FRAMEWIN_AddMaxButton(WM_HWIN hObj, int Flags, int Off);
WM_HWIN FRAMEWIN_AddMinButton(WM_HWIN hObj, int Flags, int Off);
void FRAMEWIN_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem);

// Module defaults (frames created afterwards).
void FRAMEWIN_SetDefaultFont(const GUI_FONT* pFont);
const GUI_FONT* FRAMEWIN_GetDefaultFont(void);
void FRAMEWIN_SetDefaultBarColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR FRAMEWIN_GetDefaultBarColor(unsigned Index);
void FRAMEWIN_SetDefaultTextColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR FRAMEWIN_GetDefaultTextColor(unsigned Index);
void FRAMEWIN_SetDefaultClientColor(GUI_COLOR Color);
void FRAMEWIN_SetDefaultBorderSize(int BorderSize);
void FRAMEWIN_SetDefaultTitleHeight(int Height);
int FRAMEWIN_SetDefaultTextAlign(int TextAlign); // -> the previous value

// Skins.
void FRAMEWIN_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
void FRAMEWIN_SetSkinClassic(WM_HWIN hObj);
WIDGET_DRAW_ITEM_FUNC* FRAMEWIN_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin); // -> the previous routine
void FRAMEWIN_SetDefaultSkinClassic(void);
int FRAMEWIN_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void FRAMEWIN_GetSkinFlexProps(FRAMEWIN_SKINFLEX_PROPS* pProps, int Index);
void FRAMEWIN_SetSkinFlexProps(const FRAMEWIN_SKINFLEX_PROPS* pProps, int Index);

// Shared by the frame window's source files.
extern const WIDGET_TYPE FRAMEWIN__Type;
extern FRAMEWIN_PROPS FRAMEWIN__DefaultProps;
extern const WIDGET_SKIN FRAMEWIN__SkinClassic;
extern const WIDGET_SKIN FRAMEWIN__SkinFlex;
extern const WIDGET_SKIN* FRAMEWIN__pDefaultSkin;
int FRAMEWIN__DrawTitleClassic(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
FRAMEWIN_OBJ* FRAMEWIN__Obj(WM_HWIN hObj);
int FRAMEWIN__GetBorderSize(WM_HWIN hObj, int Edge);
void FRAMEWIN__CalcPositions(WM_HWIN hObj, FRAMEWIN_POS* pPos);
int FRAMEWIN__CalcTitleHeight(const FRAMEWIN_OBJ* pObj);
void FRAMEWIN__UpdatePositions(WM_HWIN hObj);
// Runs a change of skin, font or title height and moves the title-bar buttons after it.
template <class F> void FRAMEWIN__ChangeLayout(WM_HWIN hObj, F f);
void FRAMEWIN__FollowLayout(WM_HWIN hObj, int TitleHeight, int L, int R, int T);
// The resize handler: 1 when it consumed the message.
int FRAMEWIN__HandleResize(WM_HWIN hObj, WM_MESSAGE* pMsg);
void FRAMEWIN__UpdateButtons(WM_HWIN hObj);

template <class F> void FRAMEWIN__ChangeLayout(WM_HWIN hObj, F f) {
  WM__LockGuard Lock;
  FRAMEWIN_OBJ* pObj = (FRAMEWIN_OBJ*)WIDGET__GetObj(&FRAMEWIN__Type, hObj);
  if (!pObj) {
    return;
  }
  int TitleHeight = FRAMEWIN__CalcTitleHeight(pObj);
  int L = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_LEFT);
  int R = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_RIGHT);
  int T = FRAMEWIN__GetBorderSize(hObj, FRAMEWIN_EDGE_TOP);
  f(FRAMEWIN__Obj(hObj));
  FRAMEWIN__FollowLayout(hObj, TitleHeight, L, R, T);
}
