// EDIT: a single-line text field. It holds an 8-bit text in the GUI core's encoding (a character may take
// several bytes) of at most MaxLen characters and edits it from keys: typing inserts or overwrites, backspace
// and delete remove, left and right move the cursor, up and down step the character under the cursor. A value
// mode (binary, decimal, float, hexadecimal, unsigned) replaces the key handling and keeps a 32-bit value
// within limits, building the text from it. Positions count characters; no edit ever splits one.
#pragma once
#include "WIDGET_Type.h"
#include "WM_Timer.h"

constexpr U32 EDIT_ID = 0x45444954; // "EDIT"

// Flags of the decimal value modes.
constexpr U8 GUI_EDIT_SIGNED = 1;          // a positive value shows a '+'
constexpr U8 GUI_EDIT_SUPPRESS_LEADING_ZEROES = 2;

typedef void EDIT_ADDKEY_FUNC(WM_HWIN hObj, int Key);
typedef void EDIT_UPDATE_FUNC(WM_HWIN hObj);

struct EDIT_PROPS {
  I32 Align;
  I32 Border;              // gap between the frame effect and the text area on each side
  const GUI_FONT* pFont;
  GUI_COLOR aTextColor[2]; // [0] disabled, [1] enabled
  GUI_COLOR aBkColor[2];
};

struct EDIT_OBJ {
  WIDGET Widget;
  EDIT_PROPS Props;
  GUI_HMEM hText;     // NUL-terminated text; 0 = none
  I16 MaxLen;         // characters
  U16 BufferSize;     // bytes of hText
  I32 Min, Max;       // value modes
  U8 NumDecs;
  I32 Value;
  I32 CursorPos;      // characters before the cursor
  I32 SelSize;
  U8 Overwrite;
  U8 CursorWidth;
  U8 ValueFlags;
  U8 AutoLen;         // the decimal mode may size MaxLen to its limits
  U8 CursorShown;     // blink phase: 1 while the cursor shows
  EDIT_ADDKEY_FUNC* pfAddKey;
  EDIT_UPDATE_FUNC* pfUpdateBuffer;
  WM_HTIMER hTimer;
  U32 DebugId;
};

WM_HWIN EDIT_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        int MaxLen, int NumExtraBytes);
WM_HWIN EDIT_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                      int MaxLen);
WM_HWIN EDIT_Create(int x0, int y0, int xSize, int ySize, int Id, int MaxLen, int Flags);
WM_HWIN EDIT_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags, int MaxLen);
WM_HWIN EDIT_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK* cb);
void EDIT_Callback(WM_MESSAGE* pMsg);
EDIT_OBJ* EDIT_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// Text and cursor.
void EDIT_SetText(WM_HWIN hObj, const char* s);
void EDIT_GetText(WM_HWIN hObj, char* sDest, int MaxLen);
void EDIT_SetMaxLen(WM_HWIN hObj, int MaxLen);
void EDIT_SetCursorAtChar(WM_HWIN hObj, int Pos);
void EDIT_SetCursorAtPixel(WM_HWIN hObj, int xPos);
int EDIT_GetCursorCharPos(WM_HWIN hObj);
void EDIT_GetCursorPixelPos(WM_HWIN hObj, int* pxPos, int* pyPos);
int EDIT_GetNumChars(WM_HWIN hObj);
void EDIT_SetSel(WM_HWIN hObj, int FirstChar, int LastChar);
int EDIT_SetInsertMode(WM_HWIN hObj, int OnOff); // -> the previous overwrite flag
void EDIT_SetFocusable(WM_HWIN hObj, int OnOff);
void EDIT_EnableBlink(WM_HWIN hObj, int Period, int OnOff);
void EDIT_AddKey(WM_HWIN hObj, int Key);
void EDIT_SetpfAddKeyEx(WM_HWIN hObj, EDIT_ADDKEY_FUNC* pf);
void EDIT_SetpfUpdateBuffer(WM_HWIN hObj, EDIT_UPDATE_FUNC* pf);
void EDIT_SetTextMode(WM_HWIN hObj);

// Looks.
void EDIT_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
const GUI_FONT* EDIT_GetFont(WM_HWIN hObj);
void EDIT_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR EDIT_GetTextColor(WM_HWIN hObj, unsigned Index);
void EDIT_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
GUI_COLOR EDIT_GetBkColor(WM_HWIN hObj, unsigned Index);
void EDIT_SetTextAlign(WM_HWIN hObj, int Align);
int EDIT_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int EDIT_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults (edits created afterwards).
void EDIT_SetDefaultFont(const GUI_FONT* pFont);
const GUI_FONT* EDIT_GetDefaultFont(void);
void EDIT_SetDefaultTextColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR EDIT_GetDefaultTextColor(unsigned Index);
void EDIT_SetDefaultBkColor(unsigned Index, GUI_COLOR Color);
GUI_COLOR EDIT_GetDefaultBkColor(unsigned Index);
void EDIT_SetDefaultTextAlign(int Align);

// Value modes.
void EDIT_SetBinMode(WM_HWIN hObj, U32 Value, U32 Min, U32 Max);
void EDIT_SetDecMode(WM_HWIN hObj, I32 Value, I32 Min, I32 Max, int Shift, U8 Flags);
void EDIT_SetFloatMode(WM_HWIN hObj, float Value, float Min, float Max, int Shift, U8 Flags);
void EDIT_SetHexMode(WM_HWIN hObj, U32 Value, U32 Min, U32 Max);
void EDIT_SetUlongMode(WM_HWIN hObj, U32 Value, U32 Min, U32 Max);
void EDIT_SetValue(WM_HWIN hObj, I32 Value);
void EDIT_SetUlongValue(WM_HWIN hObj, U32 Value);
I32 EDIT_GetValue(WM_HWIN hObj);
float EDIT_GetFloatValue(WM_HWIN hObj);
void EDIT_SetFloatValue(WM_HWIN hObj, float f);

// Modal editors at the current text position: Enter answers the edited value, Escape the given one.
U32 GUI_EditBin(U32 Value, U32 Min, U32 Max, int Len, int xSize);
I32 GUI_EditDec(I32 Value, I32 Min, I32 Max, int Len, int xSize, int Shift, U8 Flags);
float GUI_EditFloat(float Value, float Min, float Max, int Len, int xSize, int Shift, U8 Flags);
U32 GUI_EditHex(U32 Value, U32 Min, U32 Max, int Len, int xSize);
void GUI_EditString(char* pString, int Len, int xSize);

// Shared by the edit's source files and the widgets built on it.
extern const WIDGET_TYPE EDIT__Type;
extern EDIT_PROPS EDIT__DefaultProps;
// A key that may become a character of a text: printable, encodable in the current encoding, no surrogate.
bool EDIT__IsTypable(int Key);
// The text of the locked record ("" without one) and its number of characters.
char* EDIT__Text(EDIT_OBJ* pObj);
int EDIT__NumChars(EDIT_OBJ* pObj);
// Cursor placement: limited to the text (and to MaxLen - 1 in overwrite mode); clears the selection.
void EDIT__SetCursorPos(EDIT_OBJ* pObj, int Pos);
// Rebuilds the text of a value mode and invalidates.
void EDIT__UpdateBuffer(WM_HWIN hObj);
// Replaces the text without notification (value modes); cut at MaxLen characters.
void EDIT__SetTextRaw(WM_HWIN hObj, const char* s);
void EDIT__Paint(WM_HWIN hObj);
