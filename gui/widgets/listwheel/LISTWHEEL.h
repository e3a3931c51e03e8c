// LISTWHEEL: a touch-scrolled wheel of text items that repeat endlessly. The user drags it and flicks it;
// it coasts with a constant deceleration and always comes to rest with an item's top edge on the snap
// line. The application can turn it to an item with an animated move or jump there at once. Positions are
// pixels: item 0's top lies at window y = Pos, the sequence repeating every TotalHeight pixels.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 LISTWHEEL_ID = 0x4C495357; // "LISW"

// Notification: the wheel came to rest on an item after a drag or a flick.
constexpr int LISTWHEEL_NOTIFICATION_SEL_CHANGED = 4;
// Drawing requests besides drawing an item (1) and the size queries (26, 27).
constexpr int LISTWHEEL_ITEM_DRAW_OVERLAP = 13;
// A widget state bit that keeps the pointer from turning the wheel.
constexpr U16 LISTWHEEL_STATE_LOCKED = 0x100;

struct LISTWHEEL_ITEM {
  void* pData;
  char acText[1];
};

struct LISTWHEEL_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR aBkColor[2];   // other items, the selected item
  GUI_COLOR aTextColor[2];
  I32 TextAlign;
  I32 Deceleration;
};

struct LISTWHEEL_OBJ {
  WIDGET Widget;
  GUI_ARRAY hItems;
  WIDGET_DRAW_ITEM_FUNC* pfDrawItem;
  LISTWHEEL_PROPS Props;
  GUI_HMEM hTimer;
  I32 LBorder, RBorder;
  I32 LineHeight; // 0: the font's height
  I32 Sel;
  U32 tLast;      // GUI time of the last pointer or motion step
  U32 tRelease;   // GUI time at which the free run began
  I32 PosRelease; // Pos at which the free run began
  long long sLast; // distance of the free run at the last step
  I32 Pos;
  I32 Velocity;   // pixels per 100 ms in a free run; +-1 while snapping; pixels per step while moving to Dest
  I32 SnapPos;
  I32 yLast;
  I32 TotalHeight;
  I32 Dest;       // Pos at the end of an animated move, -1 none
  I32 Period;     // milliseconds per motion step
  U32 DebugId;
};

// Creation.
WM_HWIN LISTWHEEL_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                             const char* const* ppText, int NumExtraBytes);
WM_HWIN LISTWHEEL_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                           const char* const* ppText);
WM_HWIN LISTWHEEL_Create(const char* const* ppText, int x0, int y0, int xSize, int ySize, int WinFlags);
WM_HWIN LISTWHEEL_CreateAsChild(const char* const* ppText, WM_HWIN hParent, int x0, int y0, int xSize, int ySize,
                                int WinFlags);
WM_HWIN LISTWHEEL_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                 WM_CALLBACK* cb);
void LISTWHEEL_Callback(WM_MESSAGE* pMsg);
LISTWHEEL_OBJ* LISTWHEEL_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Items.
void LISTWHEEL_AddString(WM_HWIN hObj, const char* s);
void LISTWHEEL_SetText(WM_HWIN hObj, const char* const* ppText);
unsigned LISTWHEEL_GetNumItems(WM_HWIN hObj);
void LISTWHEEL_GetItemText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxSize);
void LISTWHEEL_SetItemData(WM_HWIN hObj, unsigned Index, void* pData);
void* LISTWHEEL_GetItemData(WM_HWIN hObj, unsigned Index);

// Position and motion.
int LISTWHEEL_GetItemFromPos(WM_HWIN hObj, int y); // -1 none
int LISTWHEEL_GetPos(WM_HWIN hObj);                // the item on the snap line, -1 none
void LISTWHEEL_SetPos(WM_HWIN hObj, unsigned Index);
void LISTWHEEL_MoveToPos(WM_HWIN hObj, unsigned Index);
void LISTWHEEL_SetVelocity(WM_HWIN hObj, int Velocity);
void LISTWHEEL_SetSnapPosition(WM_HWIN hObj, int y);
int LISTWHEEL_GetSnapPosition(WM_HWIN hObj);
void LISTWHEEL_SetSel(WM_HWIN hObj, int Sel);
int LISTWHEEL_GetSel(WM_HWIN hObj);
void LISTWHEEL_SetDeceleration(WM_HWIN hObj, unsigned Deceleration); // 0 means 15
void LISTWHEEL_SetTimerPeriod(WM_HWIN hObj, int Period);             // 0 is ignored

// Look.
void LISTWHEEL_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void LISTWHEEL_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void LISTWHEEL_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
const GUI_FONT* LISTWHEEL_GetFont(WM_HWIN hObj);
void LISTWHEEL_SetLineHeight(WM_HWIN hObj, int LineHeight);
int LISTWHEEL_GetLineHeight(WM_HWIN hObj);
void LISTWHEEL_SetLBorder(WM_HWIN hObj, int Border);
void LISTWHEEL_SetRBorder(WM_HWIN hObj, int Border);
int LISTWHEEL_GetLBorder(WM_HWIN hObj);
int LISTWHEEL_GetRBorder(WM_HWIN hObj);
void LISTWHEEL_SetTextAlign(WM_HWIN hObj, int Align);
int LISTWHEEL_GetTextAlign(WM_HWIN hObj);
void LISTWHEEL_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem);
int LISTWHEEL_OwnerDraw(const WIDGET_ITEM_DRAW_INFO* pDrawItemInfo);
int LISTWHEEL_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int LISTWHEEL_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Shared by the list wheel's source files (the caller holds the GUI lock).
extern const WIDGET_TYPE LISTWHEEL__Type;
extern LISTWHEEL_PROPS LISTWHEEL__DefaultProps;
LISTWHEEL_OBJ* LISTWHEEL__Obj(WM_HWIN hObj);
bool LISTWHEEL__Valid(WM_HWIN hObj);
int LISTWHEEL__ItemHeight(WM_HWIN hObj, int Index); // at least 1
void LISTWHEEL__UpdateTotalHeight(WM_HWIN hObj);
// The item holding window y: its index (-1 none), the offset of y into it and its height.
int LISTWHEEL__ItemAt(WM_HWIN hObj, int y, int* pOffset, int* pHeight);
void LISTWHEEL__Paint(WM_HWIN hObj);
