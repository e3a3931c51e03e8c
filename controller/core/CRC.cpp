#include "CRC.h"

#include <array>

namespace {

constexpr std::array<uint32_t, 256> _MakeTable32() {
  std::array<uint32_t, 256> t{};
  for (uint32_t i = 0; i < 256; i++) {
    uint32_t c = i;
    for (int k = 0; k < 8; k++) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    t[i] = c;
  }
  return t;
}

constexpr std::array<uint16_t, 256> _MakeTable16() {
  std::array<uint16_t, 256> t{};
  for (uint32_t i = 0; i < 256; i++) {
    uint16_t c = (uint16_t)i;
    for (int k = 0; k < 8; k++) c = (c & 1) ? (uint16_t)((c >> 1) ^ 0xA001u) : (uint16_t)(c >> 1);
    t[i] = c;
  }
  return t;
}

constexpr auto _aCrc32 = _MakeTable32();
constexpr auto _aCrc16 = _MakeTable16();

}  // namespace

uint32_t CRC32_Update(uint32_t Crc, const void* pData, size_t NumBytes) {
  const uint8_t* p = static_cast<const uint8_t*>(pData);
  if (!p) return Crc;
  while (NumBytes--) Crc = _aCrc32[(Crc ^ *p++) & 0xFF] ^ (Crc >> 8);
  return Crc;
}

uint32_t CRC32_Calc(const void* pData, size_t NumBytes) { return CRC32_Update(0xFFFFFFFFu, pData, NumBytes); }

uint16_t CRC16_Calc(uint16_t Start, const void* pData, size_t NumBytes) {
  const uint8_t* p = static_cast<const uint8_t*>(pData);
  uint16_t Crc = Start;
  if (!p) return Crc;
  while (NumBytes--) Crc = (uint16_t)(_aCrc16[(Crc ^ *p++) & 0xFF] ^ (Crc >> 8));
  return Crc;
}
