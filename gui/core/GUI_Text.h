// Fonts, text output, character encodings and number output.
//
// Texts are 8-bit strings in the current encoding (UTF-8 unless GUI_UC_SetEncodeNone was called) or
// UTF-16 (char16_t) for the GUI_UC_ routines. Positions are window coordinates: the context's origin
// (xOff, yOff) is added and the output is clipped to the visible parts of the selected window.
#pragma once

#include "GUI_Type.h"

// ---------------------------------------------------------------------------------------------------------
// Fonts
// ---------------------------------------------------------------------------------------------------------

// One glyph of a proportional font: the ink box (XSize x YSize pixels, rows of (XSize * bpp + 7) / 8 bytes,
// the first pixel in the most significant bits) placed at XPos, YPos from the top left of the character
// cell, and the advance XDist. A blank glyph has XSize 0 and no data.
struct GUI_CHARINFO_EXT {
  U8 XSize;
  U8 YSize;
  I8 XPos;
  I8 YPos;
  U8 XDist;
  const U8* pData;
};

// A range of consecutive character codes First..Last with one record each; ranges chain through pNext in
// ascending order.
struct GUI_FONT_PROP_EXT {
  U16 First;
  U16 Last;
  const GUI_CHARINFO_EXT* paCharInfo;
  const GUI_FONT_PROP_EXT* pNext;
};

// Font flags of GUI_FONTINFO.
#define GUI_FONTINFO_FLAG_PROP 0x0001
#define GUI_FONTINFO_FLAG_AA2 0x0010
#define GUI_FONTINFO_FLAG_AA4 0x0020
#define GUI_FONTINFO_FLAG_AA8 0x0040

struct GUI_FONTINFO {
  U16 Flags;
  U8 Baseline;
  U8 LHeight;
  U8 CHeight;
};

// The routines of a font type. DispChar draws at the context's DispPosX/DispPosY, which hold screen
// coordinates while it runs, inside the current clip rectangle, and advances DispPosX; in the normal text
// mode it fills its cell with the background unless the line's background has been filled already. GetCharDistX answers
// the advance (magnified) and, when pSizeX is given, the ink width. GetCharInfo fills a glyph record
// (0 found, 1 not in the font).
struct GUI_FONT_TYPE {
  void (*pfDispChar)(U16 c);
  int (*pfGetCharDistX)(U16 c, int* pSizeX);
  void (*pfGetFontInfo)(const GUI_FONT* pFont, GUI_FONTINFO* pInfo);
  char (*pfIsInFont)(const GUI_FONT* pFont, U16 c);
  int (*pfGetCharInfo)(U16 c, GUI_CHARINFO_EXT* pInfo);
  U8 BitsPerPixel;
};

// Font record: its type, cell height YSize, line distance YDist, magnification, character data, baseline
// (rows from the top of the cell to the baseline), lower-case and capital height.
struct GUI_FONT {
  const GUI_FONT_TYPE* pType;
  U8 YSize;
  U8 YDist;
  U8 XMag;
  U8 YMag;
  const GUI_FONT_PROP_EXT* pProp;
  U8 Baseline;
  U8 LHeight;
  U8 CHeight;
};

// Proportional font types: 1 bit per pixel, anti-aliased with 2, 4 or 8 bits per pixel.
extern const GUI_FONT_TYPE GUI_FONTTYPE_PROP_EXT;
extern const GUI_FONT_TYPE GUI_FONTTYPE_PROP_AA2_EXT;
extern const GUI_FONT_TYPE GUI_FONTTYPE_PROP_AA4_EXT;
extern const GUI_FONT_TYPE GUI_FONTTYPE_PROP_AA8_EXT;

// Compiled fonts (DejaVu Sans). GUI_Font13: the library's default font, 1 bit per pixel. UI_Font*: the
// controller's fonts, anti-aliased with 4 bits per pixel; UI_Font15C has digits of one common width.
extern const GUI_FONT GUI_Font8;  // height 8: small labels (progress bar texts)
extern const GUI_FONT GUI_Font13;
extern const GUI_FONT UI_Font15;
extern const GUI_FONT UI_Font15B;
extern const GUI_FONT UI_Font15C;
extern const GUI_FONT UI_Font18;
extern const GUI_FONT UI_Font20;
extern const GUI_FONT UI_Font24;
#define GUI_DEFAULT_FONT (&GUI_Font13)

// ---------------------------------------------------------------------------------------------------------
// Text attributes
// ---------------------------------------------------------------------------------------------------------

// Text modes (bit values, as the draw modes).
#define GUI_TM_NORMAL 0
#define GUI_TM_XOR 1
#define GUI_TM_TRANS 2
#define GUI_TM_REV 4

// Text alignment: bits 0-1 horizontal, bits 2-3 vertical.
#define GUI_TA_LEFT 0
#define GUI_TA_RIGHT 1
#define GUI_TA_HCENTER 2
#define GUI_TA_CENTER GUI_TA_HCENTER
#define GUI_TA_HORIZONTAL 3
#define GUI_TA_TOP 0
#define GUI_TA_BOTTOM 4
#define GUI_TA_BASELINE 8
#define GUI_TA_VCENTER 12
#define GUI_TA_VERTICAL 12

// Text styles.
#define GUI_TS_NORMAL 0
#define GUI_TS_UNDERLINE 1
#define GUI_TS_STRIKETHRU 2
#define GUI_TS_OVERLINE 4

// Wrap modes.
#define GUI_WRAPMODE_NONE 0
#define GUI_WRAPMODE_WORD 1
#define GUI_WRAPMODE_CHAR 2

const GUI_FONT* GUI_SetFont(const GUI_FONT* pFont); // null keeps the font; returns the previous one
const GUI_FONT* GUI_GetFont(void);
int GUI_SetTextMode(int Mode);                      // returns the previous mode
int GUI_GetTextMode(void);
int GUI_SetTextAlign(int Align);                    // returns the previous alignment
int GUI_GetTextAlign(void);
char GUI_SetTextStyle(char Style);                  // returns the previous style
int GUI_SetLBorder(int x);                          // left border of new lines; returns the previous one

char GUI_GotoXY(int x, int y);
char GUI_GotoX(int x);
char GUI_GotoY(int y);
int GUI_GetDispPosX(void);
int GUI_GetDispPosY(void);

// ---------------------------------------------------------------------------------------------------------
// Text output
// ---------------------------------------------------------------------------------------------------------

// Rotation of text inside a rectangle (GUI_DispStringInRectEx). Map turns a point (u, v) of the unrotated
// text box, whose width and height are those of the target rectangle (exchanged when SwapXY), into a screen
// point of the target rectangle.
struct GUI_ROTATION {
  void (*pfMap)(const GUI_RECT* pRect, int u, int v, int* px, int* py);
  U8 SwapXY;
};
extern const GUI_ROTATION GUI_RotateCCW; // reads from bottom to top
extern const GUI_ROTATION GUI_Rotate180; // upside down
extern const GUI_ROTATION GUI_RotateCW;  // reads from top to bottom (a quarter turn clockwise)
#define GUI_ROTATE_0 ((const GUI_ROTATION*)0)
#define GUI_ROTATE_CCW (&GUI_RotateCCW)
#define GUI_ROTATE_180 (&GUI_Rotate180)
#define GUI_ROTATE_CW (&GUI_RotateCW)

void GUI_DispChar(U16 c);
void GUI_DispChars(U16 c, int Cnt);
void GUI_DispCharAt(U16 c, int x, int y);
void GUI_DispString(const char* s);
void GUI_DispStringAt(const char* s, int x, int y); // x also becomes the left border of further lines
void GUI_DispStringHCenterAt(const char* s, int x, int y);
void GUI_DispStringLen(const char* s, int MaxNumChars);
void GUI_DispStringInRect(const char* s, GUI_RECT* pRect, int Align);
void GUI_DispStringInRectMax(const char* s, GUI_RECT* pRect, int Align, int MaxNumChars);
void GUI_DispStringInRectEx(const char* s, GUI_RECT* pRect, int Align, int MaxNumChars,
                            const GUI_ROTATION* pRotation);
void GUI_DispStringInRectWrap(const char* s, GUI_RECT* pRect, int Align, int WrapMode);
void GUI_DispNextLine(void);
void GUI_UC_DispString(const char16_t* s);
void GUI_UC_DispStringAt(const char16_t* s, int x, int y);
void GUI_UC_DispStringInRect(const char16_t* s, GUI_RECT* pRect, int Align);

// Metrics of the current font (magnified unless said).
int GUI_GetCharDistX(U16 c);
int GUI_GetCharDistXEx(U16 c, int* pSizeX);
int GUI_GetStringDistX(const char* s); // width of the widest line
int GUI_UC_GetStringDistX(const char16_t* s);
int GUI_GetFontDistY(void);            // YDist, not magnified
int GUI_GetFontSizeY(void);            // YSize * YMag
int GUI_GetYSizeOfFont(const GUI_FONT* pFont);
int GUI_GetYDistOfFont(const GUI_FONT* pFont);
void GUI_GetFontInfo(const GUI_FONT* pFont, GUI_FONTINFO* pInfo);
char GUI_IsInFont(const GUI_FONT* pFont, U16 c); // null font: the current one
void GUI_GetTextExtent(GUI_RECT* pRect, const char* s, int MaxNumChars);
int GUI_WrapGetNumLines(const char* s, int xSize, int WrapMode);

// Layout helpers (lock held by the caller; current font).
int GUI__GetNumChars(const char* s);
int GUI__GetLineNumChars(const char* s, int MaxNumChars);     // up to the end, LF or CR
int GUI__GetLineDistX(const char* s, int NumChars);           // width including the last glyph's overhang
int GUI__GetCharsInWidth(const char* s, int xSize, int MaxNumChars);
int GUI__GetWidthOfChars(const char* s, int NumChars, int MaxNumChars);
U16 GUI__GetCharAtIndex(const char* s, int Index, int NumChars, int* pIsRTL);
int GUI__WrapGetNumCharsDisp(const char* s, int xSize, int WrapMode); // characters drawn on the line
int GUI__WrapLineChars(const char* s, int xSize, int WrapMode);       // characters up to the next line
void GUI__CalcTextRect(const char* s, const GUI_RECT* pRect, GUI_RECT* pResult, int Align);
void GUI__DispLine(const char* s, int NumChars, const GUI_RECT* pRect); // draws at DispPos, advances it

// Bidirectional text: off by default. When GUI__BidiEnabled is 1 and the hook is installed, the hook tells
// whether the character at CursorPos of a text of NumChars characters stands in a right-to-left run.
extern U8 GUI__BidiEnabled;
extern int (*GUI__pfBidiHook1)(const char* s, int NumChars, int CursorPos);

// ---------------------------------------------------------------------------------------------------------
// Character encodings
// ---------------------------------------------------------------------------------------------------------

// An 8-bit text encoding. GetCharCode never reads past a terminating 0.
struct GUI_UC_ENC_APILIST {
  U16 (*pfGetCharCode)(const char* s);
  int (*pfGetCharSize)(const char* s);
  int (*pfCalcSizeOfChar)(U16 c);
  int (*pfEncode)(char* s, U16 c);
};

void GUI_UC_SetEncodeNone(void); // one byte per character (Latin-1)
void GUI_UC_SetEncodeUTF8(void); // the default
U16 GUI_UC_GetCharCode(const char* s);
int GUI_UC_GetCharSize(const char* s);
int GUI_UC_GetCodeSize(U16 c);
int GUI_UC_Encode(char* s, U16 c);
U16 GUI_UC__ReadCharCode(const char** ps); // code at *ps; advances *ps past it (not past a terminator)
int GUI_UC__CountBytes(const char* s, int NumChars);
int GUI_UC__CountChars(const char* s, int NumBytes);
// UTF-16 <-> current encoding; the results are terminated and never overrun BufferSize (bytes or units).
// Return the number of bytes / units written without the terminator.
int GUI_UC_ConvertUC2UTF8(const char16_t* s, int Len, char* pBuffer, int BufferSize);
int GUI_UC_ConvertUTF82UC(const char* s, int Len, char16_t* pBuffer, int BufferSize);

// ---------------------------------------------------------------------------------------------------------
// Number output
// ---------------------------------------------------------------------------------------------------------

// Decimal separator of GUI_AddDecShift and the decimal output ('.' by default).
extern char GUI__DecimalSeparator;

// The Add routines write at *ps, terminate the text and leave *ps at the terminator. Len counts every
// character (sign and separator included); digits are zero-padded to fill it and never cut: a number that
// needs more characters gets them.
void GUI_AddDecShift(I32 v, U8 Len, U8 Shift, char** ps);
void GUI_AddDec(I32 v, U8 Len, char** ps);
void GUI_AddDecMin(I32 v, char** ps);
void GUI_AddHex(U32 v, U8 Len, char** ps); // at most 8 upper-case digits
void GUI_AddBin(U32 v, U8 Len, char** ps); // at most 32 digits
I32 GUI_AddPlusSign(I32 v, char** ps);     // '+' when v >= 1; returns v
int GUI_Long2Len(I32 v);                   // characters of v in decimal, sign included

void GUI_DispDec(I32 v, U8 Len);
void GUI_DispDecAt(I32 v, int x, int y, U8 Len);
void GUI_DispDecMin(I32 v);
void GUI_DispDecShift(I32 v, U8 Len, U8 Shift);
void GUI_DispFloatMin(float v, char Fract);
void GUI_DispHex(U32 v, U8 Len);
void GUI_DispBin(U32 v, U8 Len);
