// Writer of a menu description: byte 0 0x60, page-kind words at 4 and 8 (required access level at 20 when word 2
// is 0), then 4-byte element records {code, sub-index, u16 index} ended by a record whose first two bytes are 0.
#pragma once
#include <cstdint>

struct OBJ_MENU {
  uint8_t* pBuf;
  int Size;
  int Pos;
  bool Failed;
  uint8_t Node;      // node part of the address being answered (0 = own node)
  uint8_t SubIndex;  // sub-index of the menu address being answered

  OBJ_MENU(uint8_t* p, int n, uint8_t Sub) : pBuf(p), Size(n), Pos(0), Failed(false), Node(0), SubIndex(Sub) {}
  // Starts a page of a kind (1, 2, 3, 7, 8, 10, 11, 13). TabWord: tab mask << 4 | selected tab (panel kinds).
  // Level > 0 asks for that access level (the description then uses the long form with word 2 = 0).
  void Begin(int Kind, uint16_t TabWord = 0, int Level = 0);
  void Rec(uint8_t Code, uint8_t Sub, uint16_t Index);
  // Ends the list; returns the description's length, 0 when it did not fit.
  int End();
};
