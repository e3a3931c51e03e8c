// MULTIEDIT: a multi-line text field. One growable buffer holds an optional read-only prompt and the text
// after it, with line feeds; lines wrap at the right edge by word or character or not at all; typing inserts
// or overwrites; a password mode shows '*' for every character after the prompt; the cursor blinks; scroll
// bars appear when the text does not fit; a character limit holds for the whole text. Positions count
// characters of the GUI core's encoding; no edit ever splits one.
#pragma once
#include <string>
#include <vector>

#include "WIDGET_Type.h"
#include "WM_Timer.h"

constexpr U32 MULTIEDIT_ID = 0x4D554C45; // "MULE"

// Flags (ExFlags at creation).
constexpr U8 MULTIEDIT_SF_READONLY = 0x01;
constexpr U8 MULTIEDIT_SF_INSERT = 0x04;
constexpr U8 MULTIEDIT_SF_AUTOSCROLLBAR_V = 0x08;
constexpr U8 MULTIEDIT_SF_AUTOSCROLLBAR_H = 0x10;
constexpr U8 MULTIEDIT_SF_PASSWORD = 0x20;
constexpr U8 MULTIEDIT_CF_READONLY = MULTIEDIT_SF_READONLY;
constexpr U8 MULTIEDIT_CF_INSERT = MULTIEDIT_SF_INSERT;
constexpr U8 MULTIEDIT_CF_AUTOSCROLLBAR_V = MULTIEDIT_SF_AUTOSCROLLBAR_V;
constexpr U8 MULTIEDIT_CF_AUTOSCROLLBAR_H = MULTIEDIT_SF_AUTOSCROLLBAR_H;
constexpr U8 MULTIEDIT_CF_PASSWORD = MULTIEDIT_SF_PASSWORD;

constexpr int MULTIEDIT_CI_EDIT = 0;
constexpr int MULTIEDIT_CI_READONLY = 1;


struct MULTIEDIT_PROPS {
  GUI_COLOR aBkColor[2]; // [0] normal, [1] read-only
  GUI_COLOR aColor[2];
  const GUI_FONT* pFont;
  U8 HBorder;
};

struct MULTIEDIT_OBJ {
  WIDGET Widget;
  MULTIEDIT_PROPS Props;
  GUI_HMEM hText;      // prompt, then the text, 0-terminated; 0 = no buffer
  U16 MaxNumChars;     // for the whole text with the prompt; 0 = none
  U16 NumCharsPrompt;
  U16 BufferSize;
  I32 CursorPosChar;
  I32 CursorLine;
  U16 TextAlign;
  WM_SCROLL_STATE ScrollStateV; // lines
  WM_SCROLL_STATE ScrollStateH; // pixels
  U8 Flags;
  U8 CursorShown;      // blink phase
  WM_HTIMER hTimer;
  I32 WrapMode;
  U32 DebugId;
};

// One line of the laid-out text, in characters: where it starts, how many it shows, how many it takes
// (with its line break or the blanks at a word wrap).
struct MULTIEDIT_LINE {
  int Start;
  int NumDisp;
  int NumChars;
  bool EndsWithBreak;
};

WM_HWIN MULTIEDIT_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags,
                             int Id, int BufferSize, const char* pText, int NumExtraBytes);
WM_HWIN MULTIEDIT_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                           int BufferSize, const char* pText);
WM_HWIN MULTIEDIT_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags, int ExFlags,
                         const char* pText, int BufferSize);
WM_HWIN MULTIEDIT_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                 WM_CALLBACK* cb);
void MULTIEDIT_Callback(WM_MESSAGE* pMsg);
MULTIEDIT_OBJ* MULTIEDIT_LockH(WM_HWIN hObj); // unlock with GUI_ALLOC_UnlockH

int MULTIEDIT_AddKey(WM_HWIN hObj, int Key);            // 1 when consumed
int MULTIEDIT_AddText(WM_HWIN hObj, const char* pText); // 0 when text was inserted
void MULTIEDIT_SetText(WM_HWIN hObj, const char* pText);
void MULTIEDIT_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen);
int MULTIEDIT_GetTextSize(WM_HWIN hObj);
void MULTIEDIT_SetPrompt(WM_HWIN hObj, const char* pText);
void MULTIEDIT_GetPrompt(WM_HWIN hObj, char* pBuffer, int MaxLen);
void MULTIEDIT_SetBufferSize(WM_HWIN hObj, int Size);
void MULTIEDIT_SetMaxNumChars(WM_HWIN hObj, unsigned MaxNumChars);
void MULTIEDIT_SetCursorOffset(WM_HWIN hObj, int Offset);
int MULTIEDIT_GetCursorCharPos(WM_HWIN hObj);
void MULTIEDIT_GetCursorPixelPos(WM_HWIN hObj, int* pxPos, int* pyPos);
void MULTIEDIT_SetBkColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void MULTIEDIT_SetTextColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color);
void MULTIEDIT_SetFont(WM_HWIN hObj, const GUI_FONT* pFont);
void MULTIEDIT_SetHBorder(WM_HWIN hObj, unsigned HBorder);
void MULTIEDIT_SetTextAlign(WM_HWIN hObj, int Align);
void MULTIEDIT_SetWrapNone(WM_HWIN hObj);
void MULTIEDIT_SetWrapWord(WM_HWIN hObj);
void MULTIEDIT_SetWrapChar(WM_HWIN hObj);
int MULTIEDIT_SetWrapMode(WM_HWIN hObj, int Mode); // -> the previous mode
void MULTIEDIT_SetReadOnly(WM_HWIN hObj, int OnOff);
void MULTIEDIT_SetInsertMode(WM_HWIN hObj, int OnOff);
void MULTIEDIT_SetPasswordMode(WM_HWIN hObj, int OnOff);
void MULTIEDIT_SetAutoScrollV(WM_HWIN hObj, int OnOff);
void MULTIEDIT_SetAutoScrollH(WM_HWIN hObj, int OnOff);
void MULTIEDIT_EnableBlink(WM_HWIN hObj, int Period, int OnOff);
void MULTIEDIT_SetFocusable(WM_HWIN hObj, int OnOff);
int MULTIEDIT_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes);
int MULTIEDIT_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes);

// Shared by the multi-line edit's source files (the caller holds the lock).
extern const WIDGET_TYPE MULTIEDIT__Type;
extern MULTIEDIT_PROPS MULTIEDIT__DefaultProps;
MULTIEDIT_OBJ* MULTIEDIT__Obj(WM_HWIN hObj);
const char* MULTIEDIT__Text(WM_HWIN hObj);
int MULTIEDIT__NumChars(WM_HWIN hObj);
// The text as shown: in password mode every character after the prompt but line breaks as '*'.
std::string MULTIEDIT__DisplayText(WM_HWIN hObj);
// The lines of the shown text in the widget's font and wrap width (at least one line).
std::vector<MULTIEDIT_LINE> MULTIEDIT__GetLines(WM_HWIN hObj, const std::string& Disp);
int MULTIEDIT__LineOf(const std::vector<MULTIEDIT_LINE>& aLine, int Pos);
// Geometry: the inside rectangle without scroll bars, the width text may take, the lines that show.
GUI_RECT MULTIEDIT__InsideRect(WM_HWIN hObj);
int MULTIEDIT__VisibleWidth(WM_HWIN hObj);
int MULTIEDIT__VisibleLines(WM_HWIN hObj);
// The x of a line's first character in window coordinates (alignment and horizontal scroll).
int MULTIEDIT__LineX(WM_HWIN hObj, const std::string& Disp, const MULTIEDIT_LINE& Line);
// Moves the cursor to a character (limited to prompt end .. text end) and scrolls it into view.
void MULTIEDIT__SetCursor(WM_HWIN hObj, int Pos);
// Moves the cursor to the character nearest a point of the text (text coordinates: x from the line's
// start, y from the first line).
void MULTIEDIT__SetCursorAtPixel(WM_HWIN hObj, int x, int y);
// The cursor's position in the text (x from the line's start, y from the first line).
void MULTIEDIT__GetCursorXY(WM_HWIN hObj, int* px, int* py);
// Recomputes the scroll states and bars, keeps the cursor visible, invalidates.
void MULTIEDIT__Refresh(WM_HWIN hObj);
void MULTIEDIT__Paint(WM_HWIN hObj);
// Text changes: 1 when done. Insertion is refused at the limit or when the buffer cannot grow.
int MULTIEDIT__Insert(WM_HWIN hObj, const char* s, int NumChars);
void MULTIEDIT__DeleteAtCursor(WM_HWIN hObj);
