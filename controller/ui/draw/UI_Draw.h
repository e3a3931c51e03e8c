// Text and shape routines that the controller's screens share.
//
// Texts are UTF-16 with three conventions of the screens: U+0085 forces a line break, U+00AD is a soft hyphen
// (a possible break that shows "-" when the line breaks there), U+FFFC separates a short from a long form.
// Every routine draws with the current GUI context (font, colours, text alignment and position; callers hold
// the GUI lock or let the routines take it) and restores the colours it changes. Text routines return the
// number of characters consumed; the width routines return pixels.
#pragma once

#include "GUI.h"
#include "WM.h"

// The screens' special characters.
constexpr char16_t UI_CHAR_BREAK = 0x0085;
constexpr char16_t UI_CHAR_SOFT_HYPHEN = 0x00AD;
constexpr char16_t UI_CHAR_FORM_SEPARATOR = 0xFFFC;

// Flags of the text-block routines.
enum {
  UI_TEXT_LONG_FORM = 1,       // start after the first U+FFFC (the long form)
  UI_TEXT_BREAK_AS_CHAR = 2,   // U+0085 is an ordinary character, not a break
  UI_TEXT_NO_SOFT_HYPHEN = 4,  // U+00AD is no break point and is not drawn
};
// Bit 4 of the text alignment: the current y is the bottom of a text block (UI_DrawTextBlock).
#define UI_TA_BLOCK_BOTTOM 0x10

//
// Text blocks and wrapped text. Lines advance by the font's line distance.
//
// Word-wrapped block centred vertically on the current y (or ending there with UI_TA_BLOCK_BOTTOM), each line
// placed by the horizontal alignment at the current x. A word wider than the width stays whole.
int UI_DrawTextBlock(const char16_t* s, int Width, int Flags);
int UI_DrawTextBlockEx(const char16_t* s, int Width, int Flags);  // centred, alignment restored
int UI_TextBlockHeight(const char16_t* s, int Width, int Flags);  // lines x line distance, 0 when empty
// Lines separated by U+0085 (a blank before it dropped), each placed by the alignment at the starting x.
// Flags: UI_TEXT_LONG_FORM, UI_TEXT_BREAK_AS_CHAR.
int UI_DrawMultilineText(const char16_t* s, int Flags);
// Word wrap at blanks, U+0085 and U+00AD from the starting x; a line broken at U+00AD ends with "-".
int UI_DrawWordWrapped(const char16_t* s, int Width);
// The same with every line centred on the starting x; First (0 = none) is drawn before the first line, Last
// (0 = none) after the text and counted in the width of the last line.
int UI_DrawWordWrappedCentred(const char16_t* s, int Width, char16_t First, char16_t Last);
// Character wrap: after the character that makes a line wider than Width the next line starts at the
// starting x; Indent moves the first line right; the text ends at Stop (0 = at the end).
int UI_DrawTextWrapChars(const char16_t* s, int Width);
int UI_DrawTextWrapIndent(const char16_t* s, int Width, int Indent);
int UI_DrawTextWrapIndentStop(const char16_t* s, int Width, int Indent, char16_t Stop);
int UI_DrawText8Wrap(const char* s, int Width, int Indent, char Stop);  // 8-bit (Latin-1) text

//
// Single lines, placed by the horizontal alignment at the current (or given) position.
//
int UI_DrawTextEllipsis(const char16_t* s, int Width);  // whole when it fits, else cut and ".."
int UI_DrawTextClipped(const char16_t* s, int Width);   // characters while the width used is below Width
int UI_DrawTextN(const char16_t* s, int n);             // at most n characters
int UI_DrawTextNCentred(const char16_t* s, int x, int y, int n);
int UI_DrawTextCount(const char16_t* s);
int UI_DrawTextAt(const char16_t* s, int x, int y);
int UI_DrawTextCentredAt(const char16_t* s, int x, int y);  // sets the alignment to centred
int UI_TextWidth(const char16_t* s);
int UI_TextWidthN(const char16_t* s, int n);
int UI_TextWidth8N(const char* s, int n);  // 0 for an empty text

//
// Shapes. Colours are 0xBBGGRR; the render routines fill a whole w x h picture of the selected memory device
// at 0,0.
//
void UI_DrawTwoToneBox(const GUI_RECT* pRect, GUI_COLOR Color1, GUI_COLOR Color2);
void UI_DrawTwoToneButton(int x, int y, int w, int h, GUI_COLOR Color1, GUI_COLOR Color2);
// A w x h two-tone button at 0,0 with a black text block centred on it (UI_Font15, TextWidth wide).
void UI_DrawLabelledButton(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2, const char16_t* pText, int TextWidth,
                           int Flags);
void UI_RenderRoundButton(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2);
void UI_RenderTabMiddle(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2);
void UI_RenderTabLeft(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2);
void UI_RenderTabRight(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2);
void UI_RenderTabSingle(int w, int h, GUI_COLOR Color1, GUI_COLOR Color2, GUI_COLOR CornerColor);

// A colour per point; the point is given in screen coordinates (window position plus the window's origin).
typedef GUI_COLOR UI_PIXEL_FUNC(int x, int y);
// Repaints the rounded-corner pattern of a rectangle (4, 2, 1 and 1 pixels on the first and last four rows
// of each corner) with the colours the pixel function gives.
void UI_RenderCornerMask(const GUI_RECT* pRect, UI_PIXEL_FUNC* pfPixel);
// The same pattern for a 180x40 tile at x, y of the window, coloured from the page background.
void UI_RoundTileCorners(WM_HWIN hWin, int x, int y);
// A bar composed of three 5-pixel-wide segment pictures (pSegments: left, middle, right; each may be 0) over
// x0 .. x1 - 1 of the rectangle, moved by dx, dy: the left segment at x0, the middle one every 5 pixels from
// x0 + 5 while below x1 - 5, the right one at x1 - 5; its corners then take the panel picture's colours. The
// bar is as high as the segments.
void UI_DrawSegmentBar(const GUI_RECT* pRect, int dx, int dy, const GUI_HMEM* pSegments);

//
// Background samplers (the colour of a cached background picture at a point; white without the picture).
//
extern int UI_PageFrameX;  // screen x of the page windows' frame (the page area: 0, or 50 left-handed)
GUI_COLOR UI_PageBgPixel(int x, int yOffset, int y);  // page background at (x + UI_PageFrameX, yOffset + y)
GUI_COLOR UI_ScreenBgPixel(int x, int y);             // full-screen background of the shown layout
GUI_COLOR UI_PanelBgPixel(int x, int y, int y0);      // panel picture at (x + 9, y0 - 40 + y)
// The colour of a cached memory device's pixel at x, y of its own area (white outside or for handle 0).
GUI_COLOR UI_MemdevPixel(GUI_HMEM hMem, int x, int y);
