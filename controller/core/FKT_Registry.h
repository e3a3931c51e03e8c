// User function objects: 128 slots of 2,048 bytes in which the factory builds a class in place by its type code,
// the registry of the built objects in run order, and the value pool handed out to them in that order.
#pragma once
#include <cstddef>
#include <cstdint>

#include "FKT_Base.h"

enum {
  FKT_NUM_SLOTS = 128,
  FKT_SLOT_SIZE = 2048,
  FKT_POOL_WORDS = 4608,
  FKT_MAX_OUTPUTS = 64,  // output variables a source binding may name
};

// Results of the factory.
enum {
  FKT_OK = 0,
  FKT_ERR_TYPE_UNKNOWN = -1,    // not a function type code (outside 1..41)
  FKT_ERR_TYPE_NOT_BUILT = -2,  // a function type this controller does not provide
  FKT_ERR_SLOT = -3,            // slot number outside 0..127
  FKT_ERR_SLOT_BUSY = -4,       // the slot already holds an object
  FKT_ERR_POOL = -5,            // the value pool has no room for the object's words
  FKT_ERR_REGISTRY_FULL = -6,
};

struct FKT_SLOT {
  alignas(16) uint8_t aData[FKT_SLOT_SIZE];
};

extern FKT_SLOT FKT_FunctionSlots[FKT_NUM_SLOTS];
extern FUNKTION_BASIS_PAR* FKT_Registry[FKT_NUM_SLOTS + 1];  // null-terminated, in run order
extern uint32_t FKT_ValuePool[FKT_POOL_WORDS];

// A class constructor that the function layer registers: builds the object in pMem for the slot.
typedef FUNKTION_BASIS_PAR* (*FKT_CONSTRUCT)(void* pMem, int Slot);
// Registers the class of a function type code; refuses classes larger than a slot. 1 done, 0 refused.
int FKT_RegisterClass(int TypeCode, size_t Size, FKT_CONSTRUCT pfConstruct);
int FKT_IsClassRegistered(int TypeCode);

// Builds the class of TypeCode in pMem without registering it or giving it a pool block, so that a stored record
// can be checked against its class; the caller destroys it. Null when the type has no registered class.
FUNKTION_BASIS_PAR* FKT_ConstructDetached(int TypeCode, FKT_SLOT* pMem);
// Builds the class of TypeCode in place in Slot, appends it to the registry and gives it its pool block.
int FKT_CreateObject(int TypeCode, int Slot, FUNKTION_BASIS_PAR** ppObj);
int FKT_DeleteObject(int Slot);  // 1 deleted, 0 the slot was empty
void FKT_DeleteAll();
int FKT_FindFreeSlot();  // -1 when every slot is used
FUNKTION_BASIS_PAR* FKT_GetSlotObject(int Slot);
FUNKTION_BASIS_PAR* FKT_GetFunction(int Number);  // function number 1..128, null when none
int FKT_GetRegistryCount();
// Hands the pool out again in registry order, keeping each object's words. 1 done, 0 does not fit.
int FKT_AssignPool();
int FKT_PoolWordsUsed();

// Input-variable sources.
int FKT_ResolveSource(int Kind, int Index, int Output, int32_t* pValue, uint8_t* pUnit);
int FKT_SourceTableSize(int Kind);
extern const FKT_ChoiceList FKT_SourceKindList;
