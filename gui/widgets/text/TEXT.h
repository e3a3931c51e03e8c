// TEXT: a static label showing an 8-bit text in its rectangle with an alignment, optional line wrapping, a
// font, a text colour and an optional background. It takes no keys and no focus; presses and releases on it
// are reported to the parent.
#pragma once
#include "WIDGET_Type.h"

constexpr U32 TEXT_ID = 0x54455854; // "TEXT"

struct TEXT_PROPS {
  const GUI_FONT* pFont;
  GUI_COLOR TextColor;
  GUI_COLOR BkColor; // above 0xFFFFFF: none, the window is transparent
  I32 WrapMode;
};

struct TEXT_OBJ {
  WIDGET Widget;
  TEXT_PROPS Props;
  GUI_HMEM hText; // the text with its 0; 0 = no text
  U16 Align;
  U32 DebugId;
};

WM_HWIN TEXT_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        const char* pText, int NumExtraBytes);
WM_HWIN TEXT_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                      const char* pText);
WM_HWIN TEXT_Create(int x0, int y0, int xSize, int ySize, int Id, int Flags, const char* s, int Align);
WM_HWIN TEXT_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags, const char* s,
                           int Align);
WM_HWIN TEXT_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                            WM_CALLBACK* cb);
void TEXT_Callback(WM_MESSAGE* pMsg);
TEXT_OBJ* TEXT_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

// -> 0 when the text was replaced, 1 otherwise (same text, no memory, handle 0).
int TEXT_SetText(WM_HWIN hObj, const char* s);
// Copies at most MaxLen - 1 bytes and a 0; -> bytes copied. Handle 0 leaves the buffer untouched.
int TEXT_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen);
void TEXT_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
const GUI_FONT* TEXT_GetFont(WM_HWIN hObj);
void TEXT_SetTextColor(WM_HWIN hObj, GUI_COLOR Color);
void TEXT_SetBkColor(WM_HWIN hObj, GUI_COLOR Color);
void TEXT_SetTextAlign(WM_HWIN hObj, int Align);
void TEXT_SetWrapMode(WM_HWIN hObj, int WrapMode);
int TEXT_GetNumLines(WM_HWIN hObj);
int TEXT_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int TEXT_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Module defaults (affect labels created afterwards).
void TEXT_SetDefaultFont(const GUI_FONT* pFont);
const GUI_FONT* TEXT_GetDefaultFont(void);
void TEXT_SetDefaultTextColor(GUI_COLOR Color);
int TEXT_SetDefaultWrapMode(int WrapMode); // -> the previous mode
