// Access levels granted to the user per node (0 user, 1 technician, 2 expert) and their countdown. The tick counts
// them down under the data mutex; whoever else reads or gives a grant does so through the calls below, which take
// it too, so that a grant landing on a tick is neither lost nor cut short.
#pragma once
#include <cstdint>

enum { FKT_LEVEL_USER = 0, FKT_LEVEL_TECHNICIAN = 1, FKT_LEVEL_EXPERT = 2 };
enum { FKT_ACCESS_GRANT_SECONDS = 1800 };

struct FKT_ACCESS_ENTRY {
  uint32_t Level;
  uint32_t Reserved;
};
static_assert(sizeof(FKT_ACCESS_ENTRY) == 8);

extern FKT_ACCESS_ENTRY FKT_AccessLevels[64];  // by node number; node 0 is the own node as the screens address it
extern volatile int32_t FKT_AccessTimeout;     // seconds left of a granted level, -1 = no expiry

// Level granted for writes to the own node (node 0 or the own node number).
int FKT_GetOwnAccessLevel();
// Level granted on a node number 0..63 (0 for any other).
int FKT_GetAccessLevel(int Node);
// Grants Level on a node number 0..63 (others are left alone) and sets the countdown to Timeout seconds (-1: none).
void FKT_GrantAccess(int Node, int Level, int32_t Timeout);
// One second passed: counts the grant down; at 0 every node falls back to the user level.
void FKT_AccessTick1s();
