// Shorthand for the parameter tables of the object classes.
#pragma once
#include <cstddef>
#include <cstdint>

#include "FKT_Types.h"

constexpr size_t FKT_StorageSize(uint16_t Flags) {
  switch (Flags & FKT_PF_STORAGE_MASK) {
    case FKT_ST_I8:
    case FKT_ST_U8: return 1;
    case FKT_ST_I16:
    case FKT_ST_U16: return 2;
    default: return 4;
  }
}

// The offset of a parameter's field, which must have the size of the parameter's storage type: each read and write
// of a stored parameter is then one whole, aligned value (one atomic access).
template <size_t Offset, size_t FieldSize, size_t StorageSize>
constexpr uint16_t FKT__FieldOffset() {
  static_assert(FieldSize == StorageSize, "the storage type of a parameter must match the size of its field");
  static_assert(Offset <= UINT16_MAX);
  return (uint16_t)Offset;
}

// One stored parameter: flags (storage type and FKT_PF_*), field of the class's PARAMS block, limits, default,
// unit index, access level for menu writes, choice list or nullptr.
#define FKT_PAR(flags, block, field, min, max, def, unit, access, choice)                                    \
  {(uint16_t)(flags), FKT__FieldOffset<offsetof(block, field), sizeof(block::field), FKT_StorageSize(flags)>(), \
   (min), (max), (def), (uint8_t)(unit), (uint8_t)(access), 0, (choice)}
#define FKT_PAR_NONE {FKT_PF_UNUSED, 0, 0, 0, 0, 0, 0, 0, nullptr}
#define FKT_COUNT_OF(a) ((int)(sizeof(a) / sizeof((a)[0])))

// Common choice lists.
extern const FKT_ChoiceList FKT_NoYesList;
