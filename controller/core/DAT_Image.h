// Bounded little-endian writer and reader over the bytes of the function-data image. Every access is checked;
// running past the end sets the failure flag and writes or reads nothing further.
#pragma once
#include <cstddef>
#include <cstdint>

struct DAT_WRITER {
  uint8_t* pData;
  size_t Size;
  size_t Pos;
  bool Failed;

  DAT_WRITER(uint8_t* p, size_t n) : pData(p), Size(n), Pos(0), Failed(false) {}
  bool PutBytes(const void* p, size_t n);
  bool Put8(uint8_t v) { return PutBytes(&v, 1); }
  bool Put16(uint16_t v);
  bool Put32(uint32_t v);
};

struct DAT_READER {
  const uint8_t* pData;
  size_t Size;
  size_t Pos;
  bool Failed;

  DAT_READER(const uint8_t* p, size_t n) : pData(p), Size(n), Pos(0), Failed(false) {}
  bool GetBytes(void* p, size_t n);
  uint8_t Get8();
  uint16_t Get16();
  uint32_t Get32();
  size_t Left() const { return Failed ? 0 : Size - Pos; }
};

// Plain little-endian helpers for fixed-position fields.
inline void DAT_Store16(uint8_t* p, uint16_t v) {
  p[0] = (uint8_t)v;
  p[1] = (uint8_t)(v >> 8);
}
inline void DAT_Store32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; i++) p[i] = (uint8_t)(v >> (8 * i));
}
inline uint16_t DAT_Load16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }
inline uint32_t DAT_Load32(const uint8_t* p) {
  return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}
