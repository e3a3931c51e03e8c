// MENU: a menu bar (a row of items) or a menu list (a column), each item a text that may carry a submenu,
// itself a MENU. Submenus are detached windows while closed and attached beside their item when opened; a
// menu can also open as a popup anywhere. The menu tells its owner (the window that receives WM_MENU: a
// frame's client, an application window, or the parent menu of a submenu) what happens through one message
// whose data names the event and the item Id. Driven by pointer (press, release, hover) and keys (arrows,
// Enter, Escape). Drawn by the classic skin (flat colour fields) or the flexible skin (gradients, rounded
// selection frames).
#pragma once
#include <string>

#include "WIDGET_Type.h"

constexpr U32 MENU_ID = 0x4D454E55; // "MENU"

// Create flags.
constexpr U16 MENU_CF_VERTICAL = 0x0001;
constexpr U16 MENU_CF_OPEN_ON_POINTER = 0x0002;
constexpr U16 MENU_CF_CLOSE_ON_SECOND_CLICK = 0x0004;
constexpr U16 MENU_CF_HIDE_DISABLED_SEL = 0x0008;
// Internal flags.
constexpr U16 MENU_SF_ACTIVE = 0x0040;
constexpr U16 MENU_SF_POPUP = 0x0080;
constexpr U16 MENU_SF_ARROW = 0x0100;

// Item flags.
constexpr U16 MENU_IF_DISABLED = 0x1;
constexpr U16 MENU_IF_SEPARATOR = 0x2;

// Item states (colour indexes).
constexpr int MENU_CI_ENABLED = 0;
constexpr int MENU_CI_SELECTED = 1;
constexpr int MENU_CI_DISABLED = 2;
constexpr int MENU_CI_DISABLED_SEL = 3;
constexpr int MENU_CI_ACTIVE_SUBMENU = 4;

constexpr int MENU_BI_LEFT = 0;
constexpr int MENU_BI_RIGHT = 1;
constexpr int MENU_BI_TOP = 2;
constexpr int MENU_BI_BOTTOM = 3;

// WM_MENU message types.
constexpr U16 MENU_ON_ITEMSELECT = 0;
constexpr U16 MENU_ON_INITMENU = 1;
constexpr U16 MENU_ON_INITSUBMENU = 2;
constexpr U16 MENU_ON_OPEN = 3;
constexpr U16 MENU_ON_CLOSE = 4;
constexpr U16 MENU_IS_MENU = 5;
constexpr U16 MENU_ON_ITEMACTIVATE = 6;
constexpr U16 MENU_ON_ITEMPRESSED = 7;

struct MENU_MSG_DATA {
  U16 MsgType;
  U16 ItemId;
};

struct MENU_ITEM_DATA {
  const char* pText; // null: empty
  U16 Id;
  U16 Flags;
  WM_HWIN hSubmenu;
};

// One item as kept in the item array: a fixed head and the text with its 0.
struct MENU_ITEM {
  WM_HWIN hSubmenu;
  U16 Id;
  U16 Flags;
  I32 TextWidth;
  char acText[1];
};

struct MENU_SKINFLEX_PROPS {
  GUI_COLOR aBkColorH[2];
  GUI_COLOR BkColorV;
  GUI_COLOR FrameColorH;
  GUI_COLOR FrameColorV;
  GUI_COLOR aSelColorH[2];
  GUI_COLOR aSelColorV[2];
  GUI_COLOR FrameColorSelH;
  GUI_COLOR FrameColorSelV;
  GUI_COLOR aSepColorH[2];
  GUI_COLOR aSepColorV[2];
  GUI_COLOR ArrowColor;
  GUI_COLOR TextColor;
};

struct MENU_PROPS {
  GUI_COLOR aTextColor[5];
  GUI_COLOR aBkColor[5];
  U8 aBorder[4];
  const GUI_FONT* pFont;
  WIDGET_DRAW_ITEM_FUNC* pfDrawSkin;
};

struct MENU_OBJ {
  WIDGET Widget;
  MENU_PROPS Props;
  GUI_ARRAY hItems;
  WM_HWIN hOwner;
  U16 Flags;
  U8 IsSubmenuActive;
  I32 FixedXSize;
  I32 FixedYSize;
  I32 Sel;
  I32 ArrowSize;
  const WIDGET_SKIN* pSkin;
  U32 DebugId;
};

WM_HWIN MENU_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        int NumExtraBytes);
WM_HWIN MENU_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id);
WM_HWIN MENU_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK* cb);
void MENU_Callback(WM_MESSAGE* pMsg);
MENU_OBJ* MENU_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH
int MENU_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int MENU_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

void MENU_AddItem(WM_HWIN hObj, const MENU_ITEM_DATA* pItemData);
void MENU_InsertItem(WM_HWIN hObj, U16 ItemId, const MENU_ITEM_DATA* pItemData);
void MENU_SetItem(WM_HWIN hObj, U16 ItemId, const MENU_ITEM_DATA* pItemData);
void MENU_DeleteItem(WM_HWIN hObj, U16 ItemId);
void MENU_DisableItem(WM_HWIN hObj, U16 ItemId);
void MENU_EnableItem(WM_HWIN hObj, U16 ItemId);
void MENU_GetItem(WM_HWIN hObj, U16 ItemId, MENU_ITEM_DATA* pItemData);
void MENU_GetItemText(WM_HWIN hObj, U16 ItemId, char* pBuffer, unsigned BufferSize);
unsigned MENU_GetNumItems(WM_HWIN hObj);
int MENU_SetSel(WM_HWIN hObj, int Index); // -> the previous selection
void MENU_SetOwner(WM_HWIN hObj, WM_HWIN hOwner);
WM_HWIN MENU_GetOwner(WM_HWIN hObj);
void MENU_Attach(WM_HWIN hObj, WM_HWIN hDestWin, int x, int y, int xSize, int ySize);
void MENU_Popup(WM_HWIN hObj, WM_HWIN hOwner, int x, int y, int xSize, int ySize);
void MENU_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
void MENU_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void MENU_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void MENU_SetBorderSize(WM_HWIN hObj, unsigned Index, U8 BorderSize);

// Module defaults (menus created afterwards).
void MENU_SetDefaultTextColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR MENU_GetDefaultTextColor(unsigned Index);
void MENU_SetDefaultBkColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR MENU_GetDefaultBkColor(unsigned Index);
void MENU_SetDefaultBorderSize(unsigned Index, U8 BorderSize);
U8 MENU_GetDefaultBorderSize(unsigned Index);
void MENU_SetDefaultFont(const GUI_FONT* pFont);
void MENU_SetDefaultEffect(const WIDGET_EFFECT* pEffect);

// Skins.
void MENU_SetSkinClassic(WM_HWIN hObj);
void MENU_SetSkin(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawSkin);
WIDGET_DRAW_ITEM_FUNC* MENU_SetDefaultSkin(WIDGET_DRAW_ITEM_FUNC* pfDrawSkin); // -> the previous routine
void MENU_SetDefaultSkinClassic(void);
int MENU_DrawSkinFlex(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
void MENU_GetSkinFlexProps(MENU_SKINFLEX_PROPS* pProps, int Index);
void MENU_SetSkinFlexProps(const MENU_SKINFLEX_PROPS* pProps, int Index);
void MENU__SetArrowSpace(WM_HWIN hObj, int OnOff);

// Shared by the menu's source files (the caller holds the lock).
extern const WIDGET_TYPE MENU__Type;
extern MENU_PROPS MENU__DefaultProps;
extern const WIDGET_SKIN MENU__SkinClassic;
extern const WIDGET_SKIN MENU__SkinFlex;
extern const WIDGET_SKIN* MENU__pDefaultSkin;
extern const WIDGET_EFFECT* MENU__pDefaultEffect;
MENU_OBJ* MENU__Obj(WM_HWIN hObj);
// A copy of item Index (its text in *pText when asked); false when there is none.
bool MENU__GetItem(WM_HWIN hObj, int Index, MENU_ITEM* pItem, std::string* pText = nullptr);
int MENU__GetNumItems(WM_HWIN hObj);
// The menu that holds the item with Id (this one or, depth first, a submenu) and its index; 0 when none.
WM_HWIN MENU__FindItem(WM_HWIN hObj, U16 Id, int* pIndex);
// Geometry.
int MENU__GetEffectSize(WM_HWIN hObj);
int MENU__GetItemWidth(WM_HWIN hObj, int Index);
int MENU__GetItemHeight(WM_HWIN hObj, int Index);
int MENU__GetNaturalWidth(WM_HWIN hObj);
int MENU__GetNaturalHeight(WM_HWIN hObj);
void MENU__GetItemPos(WM_HWIN hObj, int Index, int* px, int* py);
void MENU__Resize(WM_HWIN hObj);
int MENU__IsTopLevel(WM_HWIN hObj);
int MENU__GetItemState(WM_HWIN hObj, int Index);
// Sends WM_MENU to hDest from hSrc; -> what the receiver wrote into Data.v.
intptr_t MENU__SendMenuMessage(WM_HWIN hDest, WM_HWIN hSrc, U16 MsgType, U16 ItemId);
// Navigation (MENU_Nav.cpp).
void MENU__OnMenuMessage(WM_HWIN hObj, WM_MESSAGE* pMsg);
int MENU__OnKey(WM_HWIN hObj, int Key); // 0 consumed
int MENU__HandlePointer(WM_HWIN hObj, int x, int y, int Pressed);
void MENU__OnFocusChanged(WM_HWIN hObj, int Focus);
void MENU__OnPointerMessage(WM_HWIN hObj, WM_MESSAGE* pMsg);
void MENU__OnPopup(WM_HWIN hObj, WM_HWIN hOwner, int x, int y);
void MENU__DeleteItems(WM_HWIN hObj);
