// Shorthand for the parameter tables of the object classes.
#pragma once
#include <cstddef>

#include "FKT_Types.h"

// One stored parameter: flags (storage type and FKT_PF_*), field of the class's PARAMS block, limits, default,
// unit index, access level for menu writes, choice list or nullptr.
#define FKT_PAR(flags, block, field, min, max, def, unit, access, choice) \
  {(uint16_t)(flags), (uint16_t)offsetof(block, field), (min), (max), (def), (uint8_t)(unit), (uint8_t)(access), 0, (choice)}
#define FKT_PAR_NONE {FKT_PF_UNUSED, 0, 0, 0, 0, 0, 0, 0, nullptr}
#define FKT_COUNT_OF(a) ((int)(sizeof(a) / sizeof((a)[0])))

// Common choice lists.
extern const FKT_ChoiceList FKT_NoYesList;
