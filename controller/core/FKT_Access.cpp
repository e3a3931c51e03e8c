#include "FKT_Access.h"

#include "APP_Hooks.h"
#include "SET_Objects.h"

FKT_ACCESS_ENTRY FKT_AccessLevels[64];
volatile int32_t FKT_AccessTimeout = -1;

int FKT_GetOwnAccessLevel() {
  APP_DATA_LOCK Lock;
  int own = SET_Can.GetParameter(SET_CAN_PAR_NODE);
  uint32_t a = FKT_AccessLevels[0].Level;
  uint32_t b = (own > 0 && own < 64) ? FKT_AccessLevels[own].Level : 0;
  return (int)(a > b ? a : b);
}

int FKT_GetAccessLevel(int Node) {
  APP_DATA_LOCK Lock;
  return (Node >= 0 && Node < 64) ? (int)FKT_AccessLevels[Node].Level : 0;
}

void FKT_GrantAccess(int Node, int Level, int32_t Timeout) {
  if (Node < 0 || Node >= 64) return;
  APP_DATA_LOCK Lock;
  FKT_AccessLevels[Node].Level = (uint32_t)Level;
  FKT_AccessTimeout = Timeout;
}

// Called by the tick with the data mutex held.
void FKT_AccessTick1s() {
  int32_t t = FKT_AccessTimeout;
  if (t <= 0) return;
  FKT_AccessTimeout = --t;
  if (t == 0)
    for (auto& e : FKT_AccessLevels) e.Level = FKT_LEVEL_USER;
}
