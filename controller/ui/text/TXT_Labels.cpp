#include "TXT_Labels.h"

#include <cstddef>

#include "FKT_Registry.h"
#include "IO_Objects.h"
#include "TXT_Language.h"

namespace {

template <class T, size_t N>
FUNKTION_BASIS_PAR* _At(T (&aObj)[N], int Index) {
  return Index >= 0 && size_t(Index) < N ? &aObj[Index] : nullptr;
}

const char16_t* _Unused() { return TXT_GetText(TXT_GROUP_DESIGNATIONS, 0); }

} // namespace

// Inputs, outputs, fixed values and bus objects: a designation from their list, else "unused"; the user
// text only for objects that carry a designation list.
const char16_t* TXT__GetObjectLabel(const FUNKTION_BASIS_PAR* pObj, int Which) {
  if (pObj == nullptr || (Which != 0 && Which != 1)) {
    return nullptr;
  }
  bool HasList = pObj->GetChoiceList(FKT_PAR_DESIGNATION) != nullptr;
  const char16_t* pText = nullptr;
  if (HasList) {
    pText = pObj->GetChoiceText(Which == 0 ? FKT_PAR_DESIGNATION : FKT_PAR_USER_TEXT);
  }
  if (pText) {
    return pText;
  }
  return Which == 0 ? _Unused() : TXT_EmptyText;
}

const char16_t* TXT_GetInputsLabel(int Index, int Which) { return TXT__GetObjectLabel(_At(IO_Inputs, Index), Which); }
const char16_t* TXT_GetOutputsLabel(int Index, int Which) { return TXT__GetObjectLabel(_At(IO_Outputs, Index), Which); }
const char16_t* TXT_GetDLInputsLabel(int Index, int Which) { return TXT__GetObjectLabel(_At(IO_DlInputs, Index), Which); }
const char16_t* TXT_GetDLOutputsLabel(int Index, int Which) {
  return TXT__GetObjectLabel(_At(IO_DlOutputs, Index), Which);
}
const char16_t* TXT_GetFixwerteLabel(int Index, int Which) {
  return TXT__GetObjectLabel(_At(IO_FixedValues, Index), Which);
}
const char16_t* TXT_GetCANAInputsLabel(int Index, int Which) {
  return TXT__GetObjectLabel(_At(IO_CanAnalogInputs, Index), Which);
}
const char16_t* TXT_GetCANDInputsLabel(int Index, int Which) {
  return TXT__GetObjectLabel(_At(IO_CanDigitalInputs, Index), Which);
}
const char16_t* TXT_GetCANAOutputsLabel(int Index, int Which) {
  return TXT__GetObjectLabel(_At(IO_CanAnalogOutputs, Index), Which);
}
const char16_t* TXT_GetCANDOutputsLabel(int Index, int Which) {
  return TXT__GetObjectLabel(_At(IO_CanDigitalOutputs, Index), Which);
}

const char16_t* TXT_GetSystemValuesLabel(int Item, int Which) {
  if (Which == 0) {
    return TXT_GetText(TXT_GROUP_SYSTEM_VALUES, Item);
  }
  return Which == 1 ? TXT_EmptyText : nullptr;
}

const char16_t* TXT_GetFunctionLabel(int Slot, int Which) {
  const FUNKTION_BASIS_PAR* pObj = Slot >= 0 && Slot < FKT_NUM_SLOTS ? FKT_GetSlotObject(Slot) : nullptr;
  if (Which != 0 && Which != 1) {
    return nullptr;
  }
  if (pObj == nullptr) {
    return Which == 0 ? TXT_GetText(TXT_GROUP_GENERAL, 1) : nullptr;
  }
  if (Which == 0) {
    const char16_t* pText = pObj->GetChoiceText(FKT_PAR_DESIGNATION);
    return pText && pText[0] ? pText : _Unused();
  }
  const char16_t* pText = pObj->GetChoiceText(FKT_PAR_USER_TEXT);
  return pText ? pText : TXT_EmptyText;
}
