// LISTBOX: a vertical list of text items with one current selection, or with every item marked on its own
// in multi-selection mode. Items may be disabled; their sizes come from an owner-draw routine the
// application may replace. The list scrolls item by item vertically and by pixels horizontally, with
// attached scroll bars on demand. A drop-down uses a list box as its open list, with itself as the owner.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 LISTBOX_ID = 0x4C495342; // "LISB"

// Colour indexes.
constexpr unsigned LISTBOX_CI_UNSEL = 0;
constexpr unsigned LISTBOX_CI_SEL = 1;
constexpr unsigned LISTBOX_CI_SELFOCUS = 2;
constexpr unsigned LISTBOX_CI_DISABLED = 3;

// Notification codes of lists.
constexpr int LISTBOX_NOTIFICATION_FOCUS = 11;
// A key the list did not use, sent to its owner (or parent) before the default handling.
constexpr int32_t LISTBOX_MSG_KEY_UNUSED = 33;

// Flags.
constexpr U8 LISTBOX_FLAG_AUTOSCROLL_H = 1;
constexpr U8 LISTBOX_FLAG_AUTOSCROLL_V = 2;
constexpr U8 LISTBOX_FLAG_MULTISEL = 4;

// Item status bits.
constexpr U8 LISTBOX_ITEM_SELECTED = 1;
constexpr U8 LISTBOX_ITEM_DISABLED = 2;

// One item: cached sizes (0 unknown), status, then the text.
struct LISTBOX_ITEM {
  U16 xSize;
  U16 ySize;
  U8 Status;
  char acText[1];
};

struct LISTBOX_PROPS {
  const GUI_FONT* pFont;
  U16 ScrollStepH;
  GUI_COLOR aBackColor[4];
  GUI_COLOR aTextColor[4];
  GUI_COLOR aScrollbarColor[3]; // WM_NO_COLOR: the bar keeps its own
  I16 Align;
};

struct LISTBOX_OBJ {
  WIDGET Widget;
  GUI_ARRAY hItems;
  WIDGET_DRAW_ITEM_FUNC* pfDrawItem;
  WM_SCROLL_STATE ScrollStateV; // items: count, first visible, items that fit
  WM_SCROLL_STATE ScrollStateH; // pixels: content width, offset, inside width
  LISTBOX_PROPS Props;
  WM_HWIN hOwner;
  U32 DebugId;
  I32 Sel; // -1 none; as wide as an item index can be
  U8 Flags;
  U8 ScrollbarWidth;
  U16 ItemSpacing;
  U16 ContentSizeX; // widest item, 0 = to be computed
};

// Creation.
WM_HWIN LISTBOX_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                           const char* const* ppText, int NumExtraBytes);
WM_HWIN LISTBOX_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                       const char* const* ppText);
WM_HWIN LISTBOX_CreateSimple(const char* const* ppText, int x0, int y0, int xSize, int ySize, int Flags);
WM_HWIN LISTBOX_CreateAsChild(const char* const* ppText, WM_HWIN hParent, int x0, int y0, int xSize, int ySize,
                              int Flags);
WM_HWIN LISTBOX_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                               WM_CALLBACK* cb);
void LISTBOX_Callback(WM_MESSAGE* pMsg);
LISTBOX_OBJ* LISTBOX_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Items; indexes at or beyond the count are ignored.
void LISTBOX_AddString(WM_HWIN hObj, const char* s);
void LISTBOX_AddStringH(WM_HWIN hObj, GUI_HMEM hString);
void LISTBOX_InsertString(WM_HWIN hObj, const char* s, unsigned Index);
void LISTBOX_SetString(WM_HWIN hObj, const char* s, unsigned Index);
void LISTBOX_SetText(WM_HWIN hObj, const char* const* ppText);
void LISTBOX_DeleteItem(WM_HWIN hObj, unsigned Index);
int LISTBOX_GetItemText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxSize); // -> bytes copied
int LISTBOX_GetNumItems(WM_HWIN hObj);
void LISTBOX_InvalidateItem(WM_HWIN hObj, int Index); // below 0: every item

// Selection and marks.
void LISTBOX_SetSel(WM_HWIN hObj, int Index);
int LISTBOX_GetSel(WM_HWIN hObj);
void LISTBOX_IncSel(WM_HWIN hObj);
void LISTBOX_DecSel(WM_HWIN hObj);
void LISTBOX_SetItemDisabled(WM_HWIN hObj, unsigned Index, int OnOff);
int LISTBOX_GetItemDisabled(WM_HWIN hObj, unsigned Index);
void LISTBOX_SetMulti(WM_HWIN hObj, int OnOff);
int LISTBOX_GetMulti(WM_HWIN hObj);
void LISTBOX_SetItemSel(WM_HWIN hObj, unsigned Index, int OnOff);
int LISTBOX_GetItemSel(WM_HWIN hObj, unsigned Index);
int LISTBOX_AddKey(WM_HWIN hObj, int Key); // 1 when used

// Scrolling and look.
void LISTBOX_SetAutoScrollH(WM_HWIN hObj, int OnOff);
void LISTBOX_SetAutoScrollV(WM_HWIN hObj, int OnOff);
void LISTBOX_SetScrollStepH(WM_HWIN hObj, int Step);
int LISTBOX_GetScrollStepH(WM_HWIN hObj);
void LISTBOX_SetItemSpacing(WM_HWIN hObj, unsigned Spacing);
unsigned LISTBOX_GetItemSpacing(WM_HWIN hObj);
void LISTBOX_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
const GUI_FONT* LISTBOX_GetFont(WM_HWIN hObj);
void LISTBOX_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR LISTBOX_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color); // -> stored, WM_NO_COLOR if bad
void LISTBOX_SetTextAlign(WM_HWIN hObj, int Align);
int LISTBOX_GetTextAlign(WM_HWIN hObj);
void LISTBOX_SetScrollbarColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void LISTBOX_SetScrollbarWidth(WM_HWIN hObj, unsigned Width);
void LISTBOX_SetOwner(WM_HWIN hObj, WM_HWIN hOwner);
void LISTBOX_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem);
int LISTBOX_OwnerDraw(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
int LISTBOX_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int LISTBOX_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults.
const GUI_FONT* LISTBOX_SetDefaultFont(const GUI_FONT* pFont);
int LISTBOX_SetDefaultScrollStepH(int Step);
int LISTBOX_SetDefaultTextAlign(int Align);
GUI_COLOR LISTBOX_SetDefaultBkColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR LISTBOX_SetDefaultTextColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR LISTBOX_GetDefaultBkColor(unsigned Index);
GUI_COLOR LISTBOX_GetDefaultTextColor(unsigned Index);

// Shared by the list box's source files (the caller holds the GUI lock).
extern const WIDGET_TYPE LISTBOX__Type;
extern LISTBOX_PROPS LISTBOX__DefaultProps;
LISTBOX_OBJ* LISTBOX__Obj(WM_HWIN hObj);
int LISTBOX__GetItemSizeX(WM_HWIN hObj, int Index);
int LISTBOX__GetItemSizeY(WM_HWIN hObj, int Index);
int LISTBOX__GetContentSizeX(WM_HWIN hObj);
// Scroll bars and states; -> non-zero when the first visible item changed. A bar whose value changes tells the
// list, which tells its owner or parent, and that may delete the list: callers that go on watch it.
int LISTBOX__Update(WM_HWIN hObj);
void LISTBOX__UpdateAndInvalidate(WM_HWIN hObj); // the whole list redrawn after the update, if still there
void LISTBOX__InvalidateItem(WM_HWIN hObj, int Index);
int LISTBOX__ItemAt(WM_HWIN hObj, int x, int y); // -1 none
int LISTBOX__Notify(WM_HWIN hObj, int Code);     // to the owner, else the parent; -> 0 when that deleted the list
void LISTBOX__Paint(WM_HWIN hObj);
