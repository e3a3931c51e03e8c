#include "DAT_Image.h"

#include <cstring>

bool DAT_WRITER::PutBytes(const void* p, size_t n) {
  if (Failed || n > Size - Pos) {
    Failed = true;
    return false;
  }
  if (n) memcpy(pData + Pos, p, n);
  Pos += n;
  return true;
}

bool DAT_WRITER::Put16(uint16_t v) {
  uint8_t b[2];
  DAT_Store16(b, v);
  return PutBytes(b, 2);
}

bool DAT_WRITER::Put32(uint32_t v) {
  uint8_t b[4];
  DAT_Store32(b, v);
  return PutBytes(b, 4);
}

bool DAT_READER::GetBytes(void* p, size_t n) {
  if (Failed || n > Size - Pos) {
    Failed = true;
    if (p && n) memset(p, 0, n);
    return false;
  }
  if (n) memcpy(p, pData + Pos, n);
  Pos += n;
  return true;
}

uint8_t DAT_READER::Get8() {
  uint8_t v = 0;
  GetBytes(&v, 1);
  return v;
}

uint16_t DAT_READER::Get16() {
  uint8_t b[2];
  return GetBytes(b, 2) ? DAT_Load16(b) : 0;
}

uint32_t DAT_READER::Get32() {
  uint8_t b[4];
  return GetBytes(b, 4) ? DAT_Load32(b) : 0;
}
