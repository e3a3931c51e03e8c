#include "FKT_Registry.h"

#include <cstring>
#include <new>

#include "IO_Objects.h"
#include "TXT_Current.h"

FKT_SLOT FKT_FunctionSlots[FKT_NUM_SLOTS];
FUNKTION_BASIS_PAR* FKT_Registry[FKT_NUM_SLOTS + 1];
uint32_t FKT_ValuePool[FKT_POOL_WORDS];

namespace {

struct _CLASS {
  FKT_CONSTRUCT pfConstruct;
  size_t Size;
};

_CLASS _aClass[FKT_TYPE_MAX_FUNCTION + 1];
FUNKTION_BASIS_PAR* _apSlotObject[FKT_NUM_SLOTS];
uint32_t _aPoolScratch[FKT_POOL_WORDS];
int _PoolUsed;

static_assert((int)TXT_SOURCE_KINDS_COUNT == (int)FKT_SRC_COUNT, "one text per source kind");

}  // namespace

const FKT_ChoiceList FKT_SourceKindList = {nullptr, FKT_SRC_COUNT, 0, 0, 0, TXT_GROUP_SOURCE_KINDS};

int FKT_RegisterClass(int TypeCode, size_t Size, FKT_CONSTRUCT pf) {
  if (TypeCode < 1 || TypeCode > FKT_TYPE_MAX_FUNCTION || !pf || Size > FKT_SLOT_SIZE) return 0;
  _aClass[TypeCode] = {pf, Size};
  return 1;
}

int FKT_IsClassRegistered(int TypeCode) {
  return TypeCode >= 1 && TypeCode <= FKT_TYPE_MAX_FUNCTION && _aClass[TypeCode].pfConstruct;
}

int FKT_GetRegistryCount() {
  int n = 0;
  while (FKT_Registry[n]) n++;
  return n;
}

int FKT_PoolWordsUsed() { return _PoolUsed; }

int FKT_AssignPool() {
  int total = 0;
  for (int i = 0; FKT_Registry[i]; i++) total += FKT_Registry[i]->GetPoolWordCount();
  if (total > FKT_POOL_WORDS) return 0;
  // Gather every object's current words first, since blocks may move past each other.
  int pos = 0;
  for (int i = 0; FKT_Registry[i]; i++) {
    FUNKTION_BASIS_PAR* p = FKT_Registry[i];
    int n = p->GetPoolWordCount();
    uint32_t* old = p->GetPoolBlock();
    if (old)
      memcpy(_aPoolScratch + pos, old, n * sizeof(uint32_t));
    else
      memset(_aPoolScratch + pos, 0, n * sizeof(uint32_t));
    pos += n;
  }
  memcpy(FKT_ValuePool, _aPoolScratch, pos * sizeof(uint32_t));
  memset(FKT_ValuePool + pos, 0, (FKT_POOL_WORDS - pos) * sizeof(uint32_t));
  pos = 0;
  for (int i = 0; FKT_Registry[i]; i++) {
    FUNKTION_BASIS_PAR* p = FKT_Registry[i];
    int n = p->GetPoolWordCount();
    p->AssignPool(n ? FKT_ValuePool + pos : nullptr, n);
    pos += n;
  }
  _PoolUsed = pos;
  return 1;
}

FUNKTION_BASIS_PAR* FKT_ConstructDetached(int TypeCode, FKT_SLOT* pMem) {
  if (!FKT_IsClassRegistered(TypeCode) || !pMem) return nullptr;
  memset(pMem->aData, 0, FKT_SLOT_SIZE);
  FUNKTION_BASIS_PAR* p = _aClass[TypeCode].pfConstruct(pMem->aData, 0);
  p->ResetToDefaults();
  return p;
}

int FKT_CreateObject(int TypeCode, int Slot, FUNKTION_BASIS_PAR** ppObj) {
  if (ppObj) *ppObj = nullptr;
  if (TypeCode < 1 || TypeCode > FKT_TYPE_MAX_FUNCTION) return FKT_ERR_TYPE_UNKNOWN;
  if (!_aClass[TypeCode].pfConstruct) return FKT_ERR_TYPE_NOT_BUILT;
  if (Slot < 0 || Slot >= FKT_NUM_SLOTS) return FKT_ERR_SLOT;
  if (_apSlotObject[Slot]) return FKT_ERR_SLOT_BUSY;
  int n = FKT_GetRegistryCount();
  if (n >= FKT_NUM_SLOTS) return FKT_ERR_REGISTRY_FULL;
  memset(FKT_FunctionSlots[Slot].aData, 0, FKT_SLOT_SIZE);
  FUNKTION_BASIS_PAR* p = _aClass[TypeCode].pfConstruct(FKT_FunctionSlots[Slot].aData, Slot);
  if (_PoolUsed + p->GetPoolWordCount() > FKT_POOL_WORDS) {
    p->~FUNKTION_BASIS_PAR();
    return FKT_ERR_POOL;
  }
  p->SetFunctionNumber(Slot + 1);
  p->ResetToDefaults();
  _apSlotObject[Slot] = p;
  FKT_Registry[n] = p;
  FKT_Registry[n + 1] = nullptr;
  FKT_AssignPool();
  if (ppObj) *ppObj = p;
  return FKT_OK;
}

int FKT_DeleteObject(int Slot) {
  if (Slot < 0 || Slot >= FKT_NUM_SLOTS || !_apSlotObject[Slot]) return 0;
  FUNKTION_BASIS_PAR* p = _apSlotObject[Slot];
  int n = FKT_GetRegistryCount();
  for (int i = 0; i < n; i++)
    if (FKT_Registry[i] == p) {
      memmove(&FKT_Registry[i], &FKT_Registry[i + 1], (n - i) * sizeof(FKT_Registry[0]));
      break;
    }
  p->AssignPool(nullptr, 0);
  p->~FUNKTION_BASIS_PAR();
  _apSlotObject[Slot] = nullptr;
  FKT_AssignPool();
  return 1;
}

void FKT_DeleteAll() {
  for (int s = 0; s < FKT_NUM_SLOTS; s++)
    if (_apSlotObject[s]) {
      _apSlotObject[s]->~FUNKTION_BASIS_PAR();
      _apSlotObject[s] = nullptr;
    }
  FKT_Registry[0] = nullptr;
  memset(FKT_ValuePool, 0, sizeof(FKT_ValuePool));
  _PoolUsed = 0;
}

int FKT_FindFreeSlot() {
  for (int s = 0; s < FKT_NUM_SLOTS; s++)
    if (!_apSlotObject[s]) return s;
  return -1;
}

FUNKTION_BASIS_PAR* FKT_GetSlotObject(int Slot) {
  return (Slot >= 0 && Slot < FKT_NUM_SLOTS) ? _apSlotObject[Slot] : nullptr;
}

FUNKTION_BASIS_PAR* FKT_GetFunction(int Number) { return FKT_GetSlotObject(Number - 1); }

int FKT_SourceTableSize(int Kind) {
  switch (Kind) {
    case FKT_SRC_NONE:
    case FKT_SRC_OWN: return 1;
    case FKT_SRC_INPUT: return IO_NUM_INPUTS;
    case FKT_SRC_CAN_ANALOG: return IO_NUM_CAN_ANALOG_INPUTS;
    case FKT_SRC_CAN_DIGITAL: return IO_NUM_CAN_DIGITAL_INPUTS;
    case FKT_SRC_DL: return IO_NUM_DL_INPUTS;
    case FKT_SRC_FIXED: return IO_NUM_FIXED_VALUES;
    case FKT_SRC_FUNCTION: return FKT_NUM_SLOTS + 1;  // function numbers 1..128
    default: return 0;
  }
}

static int _FromObject(const FUNKTION_BASIS_PAR* p, int Output, int32_t* pValue, uint8_t* pUnit) {
  if (!p || Output < 0 || Output >= p->GetOutputCount()) return 0;
  *pValue = p->GetOutputValue(Output);
  *pUnit = p->GetOutputUnit(Output);
  return 1;
}

int FKT_ResolveSource(int Kind, int Index, int Output, int32_t* pValue, uint8_t* pUnit) {
  if (Index < 0 || Index >= FKT_SourceTableSize(Kind)) return 0;
  switch (Kind) {
    case FKT_SRC_INPUT: return _FromObject(&IO_Inputs[Index], 0, pValue, pUnit);
    case FKT_SRC_CAN_ANALOG: return _FromObject(&IO_CanAnalogInputs[Index], 0, pValue, pUnit);
    case FKT_SRC_CAN_DIGITAL: return _FromObject(&IO_CanDigitalInputs[Index], 0, pValue, pUnit);
    case FKT_SRC_DL: return _FromObject(&IO_DlInputs[Index], 0, pValue, pUnit);
    case FKT_SRC_FIXED: return _FromObject(&IO_FixedValues[Index], 0, pValue, pUnit);
    case FKT_SRC_FUNCTION: return _FromObject(FKT_GetFunction(Index), Output, pValue, pUnit);
    default: return 0;
  }
}
