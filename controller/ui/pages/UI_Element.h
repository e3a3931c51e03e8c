// Shared rules of the page elements: how a 4-byte element record names an object, how a value answer is decoded,
// how an element takes its data block from the menu stack's element arena, and the touch rule.
#pragma once
#include <cstdint>

#include "WM.h"

enum {
  UI_VALUE_ANSWER_SIZE = 160,  // a value or text answer is read with room for 160 bytes
  UI_LINE_TEXT_LEN = 80,       // characters of a line text, the terminator included
  UI_VALUE_TEXT_LEN = 48,      // characters of a formatted value, the terminator included
  // The tallest a page, a panel's inner window or one element may grow. Window coordinates are 16 bits: what
  // would stand beyond is not built, so that a huge description never wraps a size or a position.
  UI_PAGE_MAX_H = 30000,
};

// Builder contract of the page handler: parent window, current menu address, the record, the arena fill pointer
// -> records used (at least 1). A builder takes its block at the fill pointer and advances it; it never takes
// more than the arena holds.
typedef int UI_ELEMENT_BUILDER(WM_HWIN hParent, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill);

// Object addresses named by a record within the menu Menu.
uint32_t UI_ValueAddress(uint32_t Menu, const uint8_t* pRec, int Offset);        // 0x3xxx view for relative
uint32_t UI_DescriptionAddress(uint32_t Menu, const uint8_t* pRec, int Offset);  // 0x2xxx view for relative
uint32_t UI_LinkAddress(uint32_t Menu, const uint8_t* pRec);                     // taken unchanged
inline uint16_t UI_RecIndex(const uint8_t* pRec) { return uint16_t(pRec[2] | pRec[3] << 8); }

// Decodes a value answer of n bytes. Any pointer may be null. The text (formatted with its unit and the table's
// decimals) is always terminated inside TextLen characters; "no value" gives value 0 and an empty text.
// Returns 1 when the answer carried a value.
int UI_DecodeValue(const uint8_t* pAnswer, int n, int32_t* pValue, int* pUnit, char16_t* pText, int TextLen);
// Copies the UTF-16 text of a text answer (type byte, a byte, text from offset 2) of n bytes, terminated inside
// the destination of Len characters.
void UI_TakeTextAnswer(const uint8_t* pAnswer, int n, char16_t* pDest, int Len);
// Reads the text answer of an object (160 bytes) into pDest of Len characters, terminated inside it; a failed
// read leaves it empty. Returns 1 when a text was read.
int UI_ReadTextAnswer(uint32_t Address, char16_t* pDest, int Len);
// Reads an object under APP_hUiSemaphore: the bytes delivered, 0 when the read failed or the semaphore could not
// be taken.
int UI_ReadObject(uint32_t Address, void* pBuf, int Size);
int UI_WriteObject(uint32_t Address, const void* pData, int Len);

// Takes Size bytes (rounded up to pointer alignment, zero-filled) from the arena at *ppFill: null when the arena
// has not that much left, so that a page never writes beyond it.
void* UI_ArenaTake(uint8_t** ppFill, int Size);
int UI_ArenaFree(const uint8_t* pFill);

// Deletes hFrom and the siblings after it: the elements that a layout finds beyond UI_PAGE_MAX_H.
void UI_DropElementsFrom(WM_HWIN hFrom);

// Pointer block of an element window's user data.
void* UI_GetElementData(WM_HWIN hWin);

// The touch rule: a press captures the pointer; the answer is 1 for a release strictly inside the window without
// movement since the press (the capture is released), else 0.
int UI_ElementTouched(WM_HWIN hWin, const WM_MESSAGE* pMsg);
// Scroll position handed on to Open: y of the page window minus y of the page area.
int UI_PageScroll(void);
// Reloads the shown page at its scroll position.
void UI_ReloadPage(void);

// Hands a code to a code-check object of a node: reads 4 bytes from CheckAddress, writes the code record
// {Id, n, n UTF-16 characters, 0} (followed by a second record of pSecond when given) to
// node << 24 | (answer byte 0) << 16 | index, and reads 5 bytes back. 1 when the node accepted the code.
int UI_CheckCode(uint32_t CheckAddress, uint8_t Id, const char16_t* pCode, const char16_t* pSecond);
