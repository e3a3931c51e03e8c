#include "FKT_Base.h"

#include <atomic>
#include <utility>

#include "DAT_Image.h"
#include "FKT_Registry.h"
#include "TXT_Current.h"

void (*FKT_pfParameterChanged)(FUNKTION_BASIS_PAR*, int, int32_t, int32_t);
char16_t FKT_UserDesignations[FKT_NUM_USER_TEXTS][FKT_USER_TEXT_LEN];

namespace {

constexpr uint8_t _aDecimals[68] = {
    0, 1, 0, 0, 0, 0, 1, 1, 1, 0,  // 0-9
    2, 1, 0, 2, 1, 0, 0, 0, 2, 0,  // 10-19
    0, 2, 0, 2, 2, 0, 0, 0, 0, 5,  // 20-29
    5, 5, 5, 5, 5, 0, 0, 0, 0, 0,  // 30-39
    0, 0, 0, 0, 0, 0, 1, 0, 0, 0,  // 40-49
    2, 2, 1, 5, 1, 0, 6, 1, 1, 0,  // 50-59
    0, 0, 0, 1, 0, 1, 0, 0,        // 60-67
};

bool _InRange(int n, int first, int count) { return n >= first && n < first + count; }

}  // namespace

const FKT_ChoiceList FKT_DesignationList = {nullptr, TXT_DESIGNATION_LIST_COUNT, 0, 0, 0, TXT_GROUP_DESIGNATION_LIST};

const char16_t* FKT_HeaderFieldName(int Number) {
  if (Number == FKT_PAR_DESIGNATION) return TXT_GetText(TXT_GROUP_GENERAL, 11);  // "Designation"
  if (Number == FKT_PAR_USER_TEXT) return TXT_GetText(TXT_GROUP_SERVER, TXT_SERVER_USER_DESIGNATION);
  if (Number == FKT_PAR_ENABLED) return TXT_GetText(TXT_GROUP_SERVER, TXT_SERVER_ENABLED);
  return nullptr;
}

std::u16string FKT_SettingName(const FUNKTION_BASIS_PAR* p, int Number) {
  const char16_t* s = nullptr;
  int Word = -1, n = 0;  // a numbered word for what has no name of its own
  if (Number >= FKT_PAR_HEADER_FIRST && Number <= FKT_PAR_HEADER_LAST) {
    s = FKT_HeaderFieldName(Number);
  } else if (Number >= 0 && Number < FKT_PAR_INPUT) {
    s = p->GetParameterName(Number);
    Word = TXT_SERVER_PARAMETER;
    n = Number;
  } else if (_InRange(Number, FKT_PAR_INPUT, FKT_PAR_OUTPUT - FKT_PAR_INPUT)) {
    int i = (Number - FKT_PAR_INPUT) / FKT_INPUT_FIELDS;
    s = p->GetInputName(i);
    Word = TXT_SERVER_INPUT_VARIABLE;
    n = i + 1;
  }
  if (s && *s) return s;
  if (Word < 0) return std::u16string();
  std::u16string r = TXT_GetText(TXT_GROUP_SERVER, Word);
  for (char c : " " + std::to_string(n)) r += char16_t(c);
  return r;
}

const char16_t* FKT_ChoiceItemText(const FKT_ChoiceList* pList, int Item) {
  if (!pList || Item < 0 || Item >= pList->NumItems) return nullptr;
  if (pList->TextGroup) return TXT_GetText(pList->TextGroup, Item);
  return pList->papText ? pList->papText[Item] : nullptr;
}

int32_t PAR_PowerOfTen(int n) {
  static const int32_t a[7] = {1, 10, 100, 1000, 10000, 100000, 1000000};
  return (n >= 0 && n <= 6) ? a[n] : 1;
}

int PAR_UnitDecimals(int Unit) { return (Unit >= 0 && Unit < 68) ? _aDecimals[Unit] : 0; }

FUNKTION_BASIS_PAR::FUNKTION_BASIS_PAR(int TypeCode, int TableIndex)
    : _TypeCode((int16_t)TypeCode), _TableIndex((int16_t)TableIndex) {}

const FKT_ParamDesc* FUNKTION_BASIS_PAR::GetParamTable(int* pCount) const {
  *pCount = 0;
  return nullptr;
}

FKT_InputVar* FUNKTION_BASIS_PAR::GetInputVars(int* pCount) {
  *pCount = 0;
  return nullptr;
}

const FKT_ParamDesc* FUNKTION_BASIS_PAR::GetParamDesc(int Number) const {
  int n = 0;
  const FKT_ParamDesc* p = GetParamTable(&n);
  if (!p || Number < 0 || Number >= n || (p[Number].Flags & FKT_PF_UNUSED)) return nullptr;
  return &p[Number];
}

// A stored parameter is one whole field of its block (FKT_PAR checks the size), read and written as one relaxed
// atomic access: the tick reads the inputs' substitute values without the data mutex while a load writes them.
namespace {

template <class T>
T _LoadField(const uint8_t* p) {
  return std::atomic_ref<T>(*reinterpret_cast<T*>(const_cast<uint8_t*>(p))).load(std::memory_order_relaxed);
}

template <class T>
void _StoreField(uint8_t* p, T v) {
  std::atomic_ref<T>(*reinterpret_cast<T*>(p)).store(v, std::memory_order_relaxed);
}

}  // namespace

int32_t FUNKTION_BASIS_PAR::_ReadStored(const FKT_ParamDesc* d) const {
  const uint8_t* p = static_cast<const uint8_t*>(GetParamBlockConst());
  if (!p) return 0;
  p += d->Offset;
  switch (d->Flags & FKT_PF_STORAGE_MASK) {
    case FKT_ST_I8: return _LoadField<int8_t>(p);
    case FKT_ST_U8: return _LoadField<uint8_t>(p);
    case FKT_ST_I16: return _LoadField<int16_t>(p);
    case FKT_ST_U16: return _LoadField<uint16_t>(p);
    default: return _LoadField<int32_t>(p);
  }
}

void FUNKTION_BASIS_PAR::_WriteStored(const FKT_ParamDesc* d, int32_t Value) {
  uint8_t* p = static_cast<uint8_t*>(GetParamBlock());
  if (!p) return;
  p += d->Offset;
  switch (d->Flags & FKT_PF_STORAGE_MASK) {
    case FKT_ST_I8:
    case FKT_ST_U8: _StoreField<uint8_t>(p, (uint8_t)Value); break;
    case FKT_ST_I16:
    case FKT_ST_U16: _StoreField<uint16_t>(p, (uint16_t)Value); break;
    default: _StoreField<int32_t>(p, Value); break;
  }
}

int32_t FUNKTION_BASIS_PAR::GetParameter(int Number) const {
  switch (Number) {
    case FKT_PAR_TYPE: return _TypeCode;
    case FKT_PAR_TABLE_INDEX: return _TableIndex;
    case FKT_PAR_DESIGNATION: return _Designation;
    case FKT_PAR_USER_TEXT: return _UserText;
    case FKT_PAR_POOL_WORDS: return _PoolWords;
    case FKT_PAR_NUMBER: return _Number;
    case FKT_PAR_ENABLED: return _Enabled;
    default: break;
  }
  if (Number >= 0 && Number < FKT_PAR_INPUT) {
    const FKT_ParamDesc* d = GetParamDesc(Number);
    return d ? _ReadStored(d) : 0;
  }
  if (_InRange(Number, FKT_PAR_INPUT, FKT_PAR_OUTPUT - FKT_PAR_INPUT)) {
    int n = 0;
    FKT_InputVar* pv = const_cast<FUNKTION_BASIS_PAR*>(this)->GetInputVars(&n);
    int i = (Number - FKT_PAR_INPUT) / FKT_INPUT_FIELDS, f = (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS;
    if (!pv || i >= n) return 0;
    const FKT_InputVar& v = pv[i];
    switch (f) {
      case FKT_IN_SOURCE_KIND: return v.SourceKind;
      case FKT_IN_SOURCE_INDEX: return v.SourceIndex;
      case FKT_IN_SOURCE_OUTPUT: return v.SourceOutput;
      case FKT_IN_OWN_VALUE: return v.OwnValue;
      case FKT_IN_VALUE: return v.Value;
      default: return v.Unit;
    }
  }
  if (_InRange(Number, FKT_PAR_OUTPUT, FKT_PAR_COMMAND - FKT_PAR_OUTPUT)) {
    int j = (Number - FKT_PAR_OUTPUT) / FKT_OUTPUT_FIELDS;
    if (j >= GetOutputCount()) return 0;
    return ((Number - FKT_PAR_OUTPUT) % FKT_OUTPUT_FIELDS) ? GetOutputUnit(j) : GetOutputValue(j);
  }
  if (_InRange(Number, FKT_PAR_COMMAND, FKT_PAR_SPECIAL - FKT_PAR_COMMAND))
    return IsCommandEnabled(Number - FKT_PAR_COMMAND);
  if (_InRange(Number, FKT_PAR_SPECIAL, FKT_PAR_END - FKT_PAR_SPECIAL)) return GetSpecialValue(Number - FKT_PAR_SPECIAL);
  return 0;
}

uint16_t FUNKTION_BASIS_PAR::GetParameterFlags(int Number) const {
  if (Number >= FKT_PAR_HEADER_FIRST && Number <= FKT_PAR_HEADER_LAST) {
    if (Number == FKT_PAR_DESIGNATION || Number == FKT_PAR_USER_TEXT) return FKT_ST_I16 | FKT_PF_CHOICE;
    if (Number == FKT_PAR_ENABLED) return FKT_ST_U8;
    return FKT_ST_I16 | FKT_PF_READONLY;
  }
  if (Number >= 0 && Number < FKT_PAR_INPUT) {
    const FKT_ParamDesc* d = GetParamDesc(Number);
    return d ? d->Flags : (uint16_t)FKT_PF_UNUSED;
  }
  if (_InRange(Number, FKT_PAR_INPUT, FKT_PAR_OUTPUT - FKT_PAR_INPUT)) {
    int n = 0;
    const_cast<FUNKTION_BASIS_PAR*>(this)->GetInputVars(&n);
    int i = (Number - FKT_PAR_INPUT) / FKT_INPUT_FIELDS, f = (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS;
    if (i >= n) return FKT_PF_UNUSED;
    if (f == FKT_IN_SOURCE_KIND) return FKT_ST_U8 | FKT_PF_CHOICE;
    return FKT_ST_I32 | ((f >= FKT_IN_VALUE) ? FKT_PF_READONLY : 0);
  }
  if (_InRange(Number, FKT_PAR_OUTPUT, FKT_PAR_COMMAND - FKT_PAR_OUTPUT))
    return ((Number - FKT_PAR_OUTPUT) / FKT_OUTPUT_FIELDS < GetOutputCount()) ? FKT_ST_I32 | FKT_PF_READONLY
                                                                               : FKT_PF_UNUSED;
  if (_InRange(Number, FKT_PAR_COMMAND, FKT_PAR_SPECIAL - FKT_PAR_COMMAND))
    return (Number - FKT_PAR_COMMAND < GetCommandCount()) ? FKT_ST_U8 : FKT_PF_UNUSED;
  if (_InRange(Number, FKT_PAR_SPECIAL, FKT_PAR_END - FKT_PAR_SPECIAL))
    return (Number - FKT_PAR_SPECIAL < GetSpecialCount()) ? FKT_ST_I32 | FKT_PF_READONLY : FKT_PF_UNUSED;
  return FKT_PF_UNUSED;
}

int FUNKTION_BASIS_PAR::GetLimits(int Number, int32_t* pMin, int32_t* pMax) const {
  int32_t lo = 0, hi = 0;
  int ok = 1;
  if (Number >= 0 && Number < FKT_PAR_INPUT) {
    const FKT_ParamDesc* d = GetParamDesc(Number);
    if (!d) return 0;
    lo = d->Min;
    hi = d->Max;
  } else if (Number == FKT_PAR_DESIGNATION) {
    hi = FKT_DesignationList.NumItems - 1;
  } else if (Number == FKT_PAR_USER_TEXT) {
    hi = FKT_NUM_USER_TEXTS;
  } else if (Number == FKT_PAR_ENABLED) {
    hi = 1;
  } else if (_InRange(Number, FKT_PAR_INPUT, FKT_PAR_OUTPUT - FKT_PAR_INPUT)) {
    int f = (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS;
    int i = (Number - FKT_PAR_INPUT) / FKT_INPUT_FIELDS;
    int n = 0;
    FKT_InputVar* pv = const_cast<FUNKTION_BASIS_PAR*>(this)->GetInputVars(&n);
    if (!pv || i >= n) return 0;
    switch (f) {
      case FKT_IN_SOURCE_KIND: hi = FKT_SRC_COUNT - 1; break;
      case FKT_IN_SOURCE_INDEX: hi = FKT_SourceTableSize(pv[i].SourceKind) - 1; break;
      case FKT_IN_SOURCE_OUTPUT: hi = FKT_MAX_OUTPUTS - 1; break;
      case FKT_IN_OWN_VALUE: lo = INT32_MIN; hi = INT32_MAX; break;
      default: ok = 0; break;
    }
  } else if (_InRange(Number, FKT_PAR_COMMAND, FKT_PAR_SPECIAL - FKT_PAR_COMMAND)) {
    hi = 1;
  } else {
    ok = 0;
  }
  if (ok) {
    if (pMin) *pMin = lo;
    if (pMax) *pMax = hi;
  }
  return ok;
}

uint8_t FUNKTION_BASIS_PAR::GetParameterUnit(int Number) const {
  if (Number >= 0 && Number < FKT_PAR_INPUT) {
    const FKT_ParamDesc* d = GetParamDesc(Number);
    if (!d) return 0;
    if ((d->Flags & FKT_PF_LIST_UNIT) && d->pChoice) return d->pChoice->Unit;
    return d->Unit;
  }
  if (_InRange(Number, FKT_PAR_INPUT, FKT_PAR_OUTPUT - FKT_PAR_INPUT)) {
    int n = 0;
    FKT_InputVar* pv = const_cast<FUNKTION_BASIS_PAR*>(this)->GetInputVars(&n);
    int i = (Number - FKT_PAR_INPUT) / FKT_INPUT_FIELDS, f = (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS;
    return (pv && i < n && (f == FKT_IN_OWN_VALUE || f == FKT_IN_VALUE)) ? pv[i].Unit : 0;
  }
  if (_InRange(Number, FKT_PAR_OUTPUT, FKT_PAR_COMMAND - FKT_PAR_OUTPUT)) {
    int j = (Number - FKT_PAR_OUTPUT) / FKT_OUTPUT_FIELDS;
    return ((Number - FKT_PAR_OUTPUT) % FKT_OUTPUT_FIELDS == 0 && j < GetOutputCount()) ? GetOutputUnit(j) : 0;
  }
  if (_InRange(Number, FKT_PAR_SPECIAL, FKT_PAR_END - FKT_PAR_SPECIAL)) return GetSpecialUnit(Number - FKT_PAR_SPECIAL);
  return 0;
}

int FUNKTION_BASIS_PAR::SetParameterRaw(int Number, int32_t Value) {
  switch (Number) {
    case FKT_PAR_DESIGNATION: _Designation = (int16_t)Value; return 1;
    case FKT_PAR_USER_TEXT: _UserText = (int16_t)Value; return 1;
    case FKT_PAR_ENABLED: _Enabled = Value ? 1 : 0; return 1;
    default: break;
  }
  if (Number >= 0 && Number < FKT_PAR_INPUT) {
    const FKT_ParamDesc* d = GetParamDesc(Number);
    if (!d) return 0;
    _WriteStored(d, Value);
    return 1;
  }
  if (_InRange(Number, FKT_PAR_INPUT, FKT_PAR_OUTPUT - FKT_PAR_INPUT)) {
    int n = 0;
    FKT_InputVar* pv = GetInputVars(&n);
    int i = (Number - FKT_PAR_INPUT) / FKT_INPUT_FIELDS, f = (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS;
    if (!pv || i >= n) return 0;
    switch (f) {
      case FKT_IN_SOURCE_KIND: pv[i].SourceKind = (uint8_t)Value; return 1;
      case FKT_IN_SOURCE_INDEX: pv[i].SourceIndex = (uint16_t)Value; return 1;
      case FKT_IN_SOURCE_OUTPUT: pv[i].SourceOutput = (uint16_t)Value; return 1;
      case FKT_IN_OWN_VALUE: pv[i].OwnValue = Value; return 1;
      default: return 0;
    }
  }
  return 0;
}

int FUNKTION_BASIS_PAR::SetParameter(int Number, int32_t Value, int Flags) {
  if (_InRange(Number, FKT_PAR_COMMAND, FKT_PAR_SPECIAL - FKT_PAR_COMMAND)) {
    int k = Number - FKT_PAR_COMMAND;
    return (k < GetCommandCount()) ? SetCommand(k, Value, Flags) : 0;
  }
  uint16_t fl = GetParameterFlags(Number);
  if (fl & (FKT_PF_UNUSED | FKT_PF_READONLY)) return 0;
  int32_t lo, hi;
  if (!GetLimits(Number, &lo, &hi) || Value < lo || Value > hi) return 0;
  int32_t old = GetParameter(Number);
  if (!SetParameterRaw(Number, Value)) return 0;
  if (old != Value) {
    // A new source kind starts at its first entry, so the binding never points outside the new table.
    if (_InRange(Number, FKT_PAR_INPUT, FKT_PAR_OUTPUT - FKT_PAR_INPUT) &&
        (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS == FKT_IN_SOURCE_KIND)
      SetParameterRaw(Number + 1, 0);
    OnParameterChanged(Number, old);
    if ((Flags & FKT_SET_NOTIFY) && !(Flags & FKT_SET_LOAD) && FKT_pfParameterChanged)
      FKT_pfParameterChanged(this, Number, old, Value);
  }
  return 1;
}

const FKT_ChoiceList* FUNKTION_BASIS_PAR::GetChoiceList(int Number) const {
  if (Number == FKT_PAR_DESIGNATION) return &FKT_DesignationList;
  if (Number >= 0 && Number < FKT_PAR_INPUT) {
    const FKT_ParamDesc* d = GetParamDesc(Number);
    return d ? d->pChoice : nullptr;
  }
  if (_InRange(Number, FKT_PAR_INPUT, FKT_PAR_OUTPUT - FKT_PAR_INPUT) &&
      (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS == FKT_IN_SOURCE_KIND)
    return &FKT_SourceKindList;
  return nullptr;
}

const char16_t* FUNKTION_BASIS_PAR::GetChoiceText(int Number) const {
  if (Number == FKT_PAR_DESIGNATION)  // 0: no designation chosen
    return _Designation > 0 ? FKT_ChoiceItemText(&FKT_DesignationList, _Designation) : nullptr;
  if (Number == FKT_PAR_USER_TEXT)
    return (_UserText >= 1 && _UserText <= FKT_NUM_USER_TEXTS) ? FKT_UserDesignations[_UserText - 1] : nullptr;
  const FKT_ChoiceList* pList = GetChoiceList(Number);
  if (!pList) return nullptr;
  int64_t i = (int64_t)GetParameter(Number) - pList->FirstValue;
  return (i >= 0 && i < pList->NumItems) ? FKT_ChoiceItemText(pList, (int)i) : nullptr;
}

const char16_t* FUNKTION_BASIS_PAR::GetParameterName(int Number) const { return nullptr; }
const char16_t* FUNKTION_BASIS_PAR::GetInputName(int Index) const { return nullptr; }
const char16_t* FUNKTION_BASIS_PAR::GetOutputName(int Index) const { return nullptr; }
const char16_t* FUNKTION_BASIS_PAR::GetStatusText(int Command) const { return nullptr; }
int FUNKTION_BASIS_PAR::SetCommand(int Command, int32_t Value, int Flags) { return 0; }
int FUNKTION_BASIS_PAR::IsCommandEnabled(int Command) const { return Command >= 0 && Command < GetCommandCount(); }
int32_t FUNKTION_BASIS_PAR::GetSpecialValue(int Index) const { return 0; }
int FUNKTION_BASIS_PAR::GetPageDescription(int Page, OBJ_MENU* pMenu) { return 0; }

void FUNKTION_BASIS_PAR::PullInputs() {
  int n = 0;
  FKT_InputVar* pv = GetInputVars(&n);
  for (int i = 0; pv && i < n; i++) {
    FKT_InputVar& v = pv[i];
    int32_t value = v.Default;
    uint8_t unit = v.Unit;
    if (v.SourceKind == FKT_SRC_OWN) {
      value = v.OwnValue;
      v.Flags &= ~1u;
    } else if (FKT_ResolveSource(v.SourceKind, v.SourceIndex, v.SourceOutput, &value, &unit)) {
      v.Flags &= ~1u;
      v.Unit = unit;
    } else {
      value = v.Default;
      v.Flags |= 1u;
    }
    v.Value = value;
  }
}

// Stored form: header fields, then every stored module parameter as (number, value), then the input bindings.
void FUNKTION_BASIS_PAR::StoreToImage(DAT_WRITER* w) const {
  w->Put16((uint16_t)_Designation);
  w->Put16((uint16_t)_UserText);
  w->Put8(_Enabled);
  int n = 0;
  const FKT_ParamDesc* t = GetParamTable(&n);
  uint16_t count = 0;
  for (int i = 0; t && i < n; i++)
    if (!(t[i].Flags & (FKT_PF_UNUSED | FKT_PF_NOSTORE))) count++;
  w->Put16(count);
  for (int i = 0; t && i < n; i++)
    if (!(t[i].Flags & (FKT_PF_UNUSED | FKT_PF_NOSTORE))) {
      w->Put16((uint16_t)i);
      w->Put32((uint32_t)_ReadStored(&t[i]));
    }
  int ni = 0;
  const FKT_InputVar* pv = const_cast<FUNKTION_BASIS_PAR*>(this)->GetInputVars(&ni);
  w->Put8((uint8_t)ni);
  for (int i = 0; pv && i < ni; i++) {
    w->Put8(pv[i].SourceKind);
    w->Put16(pv[i].SourceIndex);
    w->Put16(pv[i].SourceOutput);
    w->Put32((uint32_t)pv[i].OwnValue);
  }
}

// A record is malformed when a value lies outside its limits: first its static range (before it is stored, so that
// nothing is cut to its field's width), then, once every value is in, the limits the object states for it, which
// the other values may narrow (a fixed value's minimum above its maximum, its value outside them or other than 0
// and 1 while digital, an input's own value outside its entry's range). The checked writes hold every value within
// these same limits, so whatever the screens leave saves and loads again. Numbers the class does not store (a
// later program's additions) are passed over.
int FUNKTION_BASIS_PAR::LoadFromImage(DAT_READER* r, int Apply) {
  if (Apply) ResetToDefaults();
  int16_t des = (int16_t)r->Get16();
  int16_t user = (int16_t)r->Get16();
  uint8_t enabled = r->Get8();
  int32_t lo, hi;
  for (auto [Number, Value] : {std::pair<int, int32_t>{FKT_PAR_DESIGNATION, des}, {FKT_PAR_USER_TEXT, user},
                               {FKT_PAR_ENABLED, enabled}})
    if (!GetLimits(Number, &lo, &hi) || Value < lo || Value > hi) return 0;
  if (Apply) {
    _Designation = des;
    _UserText = user;
    _Enabled = enabled;
  }
  uint16_t count = r->Get16();
  for (uint16_t k = 0; k < count && !r->Failed; k++) {
    int num = r->Get16();
    int32_t v = (int32_t)r->Get32();
    const FKT_ParamDesc* d = GetParamDesc(num);
    if (!d || (d->Flags & FKT_PF_NOSTORE)) continue;
    if (v < d->Min || v > d->Max) return 0;
    if (Apply) _WriteStored(d, v);
  }
  int ni = 0;
  FKT_InputVar* pv = GetInputVars(&ni);
  uint8_t stored = r->Get8();
  for (int i = 0; i < stored && !r->Failed; i++) {
    uint8_t kind = r->Get8();
    uint16_t index = r->Get16();
    uint16_t output = r->Get16();
    int32_t own = (int32_t)r->Get32();
    if (!pv || i >= ni) continue;
    if (kind >= FKT_SRC_COUNT || index >= FKT_SourceTableSize(kind) || output >= FKT_MAX_OUTPUTS) return 0;
    if (!Apply) continue;
    pv[i].SourceKind = kind;
    pv[i].SourceIndex = index;
    pv[i].SourceOutput = output;
    pv[i].OwnValue = own;
  }
  if (r->Failed) return 0;
  return Apply ? _WithinLimits() : 1;
}

int FUNKTION_BASIS_PAR::_WithinLimits() const {
  auto Within = [this](int Number) {
    int32_t lo, hi, v = GetParameter(Number);
    return !GetLimits(Number, &lo, &hi) || (v >= lo && v <= hi);
  };
  for (int n : {FKT_PAR_DESIGNATION, FKT_PAR_USER_TEXT, FKT_PAR_ENABLED})
    if (!Within(n)) return 0;
  int n = 0;
  const FKT_ParamDesc* t = GetParamTable(&n);
  for (int i = 0; t && i < n; i++)
    if (!(t[i].Flags & (FKT_PF_UNUSED | FKT_PF_NOSTORE)) && !Within(i)) return 0;
  int ni = 0;
  const_cast<FUNKTION_BASIS_PAR*>(this)->GetInputVars(&ni);
  for (int i = 0; i < ni; i++)
    for (int f : {FKT_IN_SOURCE_KIND, FKT_IN_SOURCE_INDEX, FKT_IN_SOURCE_OUTPUT, FKT_IN_OWN_VALUE})
      if (!Within(FKT_PAR_INPUT + i * FKT_INPUT_FIELDS + f)) return 0;
  return 1;
}

void FUNKTION_BASIS_PAR::ResetToDefaults() {
  int n = 0;
  const FKT_ParamDesc* t = GetParamTable(&n);
  for (int i = 0; t && i < n; i++)
    if (!(t[i].Flags & FKT_PF_UNUSED)) _WriteStored(&t[i], t[i].Default);
  _Designation = 0;
  _UserText = 0;
  _Enabled = 1;
  int ni = 0;
  FKT_InputVar* pv = GetInputVars(&ni);
  for (int i = 0; pv && i < ni; i++) {
    pv[i].SourceKind = FKT_SRC_NONE;
    pv[i].SourceIndex = 0;
    pv[i].SourceOutput = 0;
    pv[i].OwnValue = 0;
    pv[i].Value = pv[i].Default;
    pv[i].Flags = 0;
  }
}
