#include "TXT_UserDesignations.h"

#include <array>
#include <utility>

namespace {

template <size_t... I>
constexpr std::array<const char16_t*, sizeof...(I)> _MakePointers(std::index_sequence<I...>) {
  return {FKT_UserDesignations[I]...};
}

// Constant-initialised, so the list is usable from any other start-up code.
constinit std::array<const char16_t*, TXT_NUM_USER_DESIGNATIONS> _apName =
    _MakePointers(std::make_index_sequence<TXT_NUM_USER_DESIGNATIONS>{});

} // namespace

constinit const TXT_GROUP TXT_UserDesignations = {{_apName.data()}, TXT_NUM_USER_DESIGNATIONS, 0};

char16_t* TXT_GetUserDesignation(int Index) {
  if (Index < 0 || Index >= TXT_NUM_USER_DESIGNATIONS) {
    return nullptr;
  }
  return FKT_UserDesignations[Index];
}

int TXT_SetUserDesignation(int Index, const char16_t* pName) {
  char16_t* pSlot = TXT_GetUserDesignation(Index);
  if (pSlot == nullptr) {
    return -1;
  }
  int n = 0;
  for (; pName && pName[n] && n < TXT_USER_DESIGNATION_CHARS; n++) {
    pSlot[n] = pName[n];
  }
  pSlot[n] = 0;
  return 0;
}
