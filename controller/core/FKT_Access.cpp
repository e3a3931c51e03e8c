#include "FKT_Access.h"

#include "SET_Objects.h"

FKT_ACCESS_ENTRY FKT_AccessLevels[64];
volatile int32_t FKT_AccessTimeout = -1;

int FKT_GetOwnAccessLevel() {
  int own = SET_Can.GetParameter(SET_CAN_PAR_NODE);
  uint32_t a = FKT_AccessLevels[0].Level;
  uint32_t b = (own > 0 && own < 64) ? FKT_AccessLevels[own].Level : 0;
  return (int)(a > b ? a : b);
}

void FKT_AccessTick1s() {
  int32_t t = FKT_AccessTimeout;
  if (t <= 0) return;
  FKT_AccessTimeout = --t;
  if (t == 0)
    for (auto& e : FKT_AccessLevels) e.Level = FKT_LEVEL_USER;
}
