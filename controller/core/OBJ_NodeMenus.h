// Menus of the own node: the node's own menus (index 0x5800 and above) and the pages of its objects
// (0x5000 + 64 family + page, sub-index = object), answered as descriptions or, for short reads, as titles.
#pragma once
#include <cstdint>
#include <string>

// Writes the description of menu (Sub, Index) into pBuf. Bytes written, 0 when there is no such menu or no room.
int OBJ_MenuDescription(int Sub, int Index, uint8_t* pBuf, int Size);
// Title of menu (Sub, Index); 0 when there is no such menu.
int OBJ_MenuTitle(int Sub, int Index, std::u16string* pTitle);
