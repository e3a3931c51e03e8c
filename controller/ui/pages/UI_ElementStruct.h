// Elements of the structured pages (kinds 8 and 13), built into the panel screen's inner window. Their records
// form a small language: rows (headings, value lines, label/value rows, value rows, two-part rows, links),
// conditional blocks, repetitions with shifted object indices and generated labels. Every row is a frame window
// as wide as the inner window less 28 pixels that holds one or two element windows.
#pragma once
#include <cstdint>

#include "UI_Element.h"
#include "WM_Timer.h"

enum {
  UI_STRUCT_ROW_LESS = 28,     // a row is as wide as the inner window less this
  UI_STRUCT_ROW_X = 8,
  UI_STRUCT_ROW_GAP = 3,
  UI_STRUCT_ROW_H = 40,
  UI_STRUCT_TALL_ROW_H = 57,   // label/value and value rows with flag 0x40 or 0x80
  UI_STRUCT_LOWER = 17,        // flag 0x40: the elements start this much lower
  UI_STRUCT_LABEL_W = 150,
  UI_STRUCT_SELECT_W = 160,
  UI_STRUCT_LABEL_LEN = 12,    // a generated label, the terminator included
  UI_STRUCT_MAX_NESTING = 4,   // repetitions inside repetitions
  UI_STRUCT_MAX_STEPS = 4096,  // records a top-level record may make the builder visit, repetitions counted
  UI_STRUCT_REPEAT_MS = 1000,  // a held value line writes again at this period
};

// Record kinds (low nibble of byte 0).
enum {
  UI_STRUCT_HEADING = 1,
  UI_STRUCT_VALUE_LINE = 2,
  UI_STRUCT_SOURCE = 3,
  UI_STRUCT_LABEL_VALUE = 4,
  UI_STRUCT_VALUE_ONLY = 5,
  UI_STRUCT_TWO_PART = 6,
  UI_STRUCT_LINK = 8,
  UI_STRUCT_IF = 9,
  UI_STRUCT_END_IF = 10,
  UI_STRUCT_REPEAT = 11,
  UI_STRUCT_LABEL_GEN = 12,
  UI_STRUCT_END_REPEAT = 13,
};

// Data block of every structured element.
struct UI_STRUCT_BLOCK {
  uint32_t Menu;           // the menu address the page shows
  uint32_t TextAddress;    // text shown (heading, label, link, selection); 0: none
  uint32_t TextAddress2;   // heading: the text appended behind the first
  uint32_t ValueAddress;   // value element, value line, selection target
  uint32_t LinkAddress;    // link, selection before a link
  const char16_t* pTitle;  // value element: the label of its row (null when the element stands first)
  uint8_t Kind;            // kind of the record that made the element
  uint8_t Flags;           // byte 0 & 0xF0 of that record (selection: the kind-6 record's style)
  uint8_t Level;           // access level the element needs for editing
  uint8_t NextKind;        // selection: byte 0 of the record after the kind-6 record
  uint8_t Source;          // heading: 1 node number, 2 menu index, 3 menu sub-index instead of a text
  uint8_t ReadDone;
  uint8_t HasValue;
  uint8_t Held;            // value line: pressed
  int32_t Value;
  WM_HTIMER hTimer;        // value line: the repeat timer while held
  char16_t acLabel[UI_STRUCT_LABEL_LEN];
  char16_t acText[UI_LINE_TEXT_LEN];
};

// The page handler's builder (extra offset and repetition index 0); never reads beyond pEnd.
int UI_BuildStructuredPage(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill,
                           const uint8_t* pEnd);
// One element (or a block, or a repetition) from pRec: records used, at least 1, never past pEnd.
int UI_BuildStructuredElement(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill,
                              const uint8_t* pEnd, int Offset, int Repeat);

// 1 when the conditional block of the kind-9 record is shown.
int UI_EvalCondition(uint32_t Menu, const uint8_t* pRec, int Offset, uint8_t* pScratch);
// The value a record names: sources 0 to 4 answer without a read (4 and 0: zero, 1 node number, 2 menu
// sub-index, 3 the menu index; each plus byte 1 of the record). 1 when a value was obtained, else *pValue = -1.
int UI_ReadCountValue(uint32_t Menu, const uint8_t* pRec, int Offset, int32_t* pValue, uint8_t* pScratch);
int UI_ReadSourceAnswer(uint32_t Menu, const uint8_t* pRec, int Offset, uint8_t* pAnswer, int Size);
// The label a kind-12 record generates for repetition index Repeat; 1 when pRec is a label generator.
int UI_MakeElementLabel(char16_t* pText, const uint8_t* pRec, int Repeat);

// Layout after the load: rows at x 8 from y 0, 3 pixels apart; the inner window's height; the content height.
void UI_LayoutStructuredRows(WM_HWIN hInner);

void UI_FetchStructValue(UI_STRUCT_BLOCK* p);
void UI_FetchStructEntry(UI_STRUCT_BLOCK* p);

void UI_StructInnerCallback(WM_MESSAGE* pMsg);
void UI_StructHeadingCallback(WM_MESSAGE* pMsg);
void UI_StructValueLineCallback(WM_MESSAGE* pMsg);
void UI_StructLabelCallback(WM_MESSAGE* pMsg);
void UI_StructValueCallback(WM_MESSAGE* pMsg);
void UI_StructLinkCallback(WM_MESSAGE* pMsg);
void UI_StructSelectCallback(WM_MESSAGE* pMsg);
