// Counted lists laid out into fixed slots: a table of item records, then one slot of L characters per item.
// The destination must hold every slot whole, the last one included, and the source is read only within its
// size.
#include "TXT_Table.h"

namespace {

uint32_t _U32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

}  // namespace

int TXT_BuildCountedList(const uint8_t* pSrc, size_t SrcSize, void* pDest, size_t DestBytes) {
  if (!pSrc || !pDest || SrcSize < 8) return -1;
  uint64_t n = _U32(pSrc), L = _U32(pSrc + 4);
  if (L == 0 || L > 0xFFFF || n > 0xFFFF || 4 * n + 2 * L * n > DestBytes) return -1;
  uint8_t* pTable = static_cast<uint8_t*>(pDest);
  char16_t* pSlots = reinterpret_cast<char16_t*>(pTable + 4 * n);
  size_t Off = 8;
  for (uint64_t i = 0; i < n; i++) {
    if (Off + 4 > SrcSize) return -1;
    uint64_t m = _U32(pSrc + Off);
    if (m > (SrcSize - Off - 4) / 2) return -1;
    uint64_t Len = m < L ? m : L - 1;  // cut to the slot, which keeps its terminator
    char16_t* pSlot = pSlots + i * L;
    for (uint64_t k = 0; k < Len; k++) {
      const uint8_t* c = pSrc + Off + 4 + 2 * k;
      pSlot[k] = char16_t(c[0] | c[1] << 8);
    }
    for (uint64_t k = Len; k < L; k++) pSlot[k] = 0;
    uint32_t Slot = uint32_t(i * L);
    pTable[4 * i] = uint8_t(Slot), pTable[4 * i + 1] = uint8_t(Slot >> 8);
    pTable[4 * i + 2] = uint8_t(Len), pTable[4 * i + 3] = uint8_t(Len >> 8);
    Off += 4 + 2 * size_t(m);
  }
  return 0;
}
