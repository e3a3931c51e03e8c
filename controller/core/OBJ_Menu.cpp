#include "OBJ_Menu.h"

#include <cstring>

#include "DAT_Image.h"

void OBJ_MENU::Begin(int Kind, uint16_t TabWord, int Level) {
  Pos = 0;
  Failed = Size < 24;
  if (Failed) return;
  memset(pBuf, 0, 24);
  pBuf[0] = 0x60;
  uint32_t word = (uint32_t)(Kind & 0xFF) << 8 | (uint32_t)TabWord << 16;
  if (Level > 0) {
    DAT_Store32(pBuf + 4, word);
    DAT_Store32(pBuf + 20, (uint32_t)Level);
    Pos = 24;
  } else {
    DAT_Store32(pBuf + 8, word);
    Pos = 12;
  }
}

void OBJ_MENU::Rec(uint8_t Code, uint8_t Sub, uint16_t Index) {
  if (Failed || Pos + 4 > Size) {
    Failed = true;
    return;
  }
  pBuf[Pos] = Code;
  pBuf[Pos + 1] = Sub;
  DAT_Store16(pBuf + Pos + 2, Index);
  Pos += 4;
}

int OBJ_MENU::End() {
  Rec(0, 0, 0);
  return Failed ? 0 : Pos;
}
