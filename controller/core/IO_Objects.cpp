#include "IO_Objects.h"

#include <cstring>
#include <new>
#include <string>

#include "APP_Host.h"
#include "FKT_ParamMacros.h"
#include "FKT_Registry.h"
#include "SET_Objects.h"
#include "SIM_Input.h"
#include "TXT_Current.h"

IO_INPUT_RECORD IO_InputRecords[IO_NUM_INPUTS];
IO_OUTPUT_CHANNEL IO_OutputChannels[IO_NUM_OUTPUTS];

namespace {

const FKT_ChoiceList _InputTypeList = {nullptr, TXT_INPUT_TYPES_COUNT, 0, 0, 0, TXT_GROUP_INPUT_TYPES};
const FKT_ChoiceList _OutputTypeList = {nullptr, TXT_OUTPUT_TYPES_COUNT, 0, 0, 0, TXT_GROUP_OUTPUT_TYPES};
const FKT_ChoiceList _OutputModeList = {nullptr, TXT_OUTPUT_MODES_COUNT, 0, 0, 0, TXT_GROUP_OUTPUT_MODES};

using IP = FUNKTION_Eingang::PARAMS;
const FKT_ParamDesc _aInputPar[IO_IN_NUM_PARS] = {
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, IP, Type, 0, 2, 0, 0, 1, &_InputTypeList),
    FKT_PAR(FKT_ST_U8, IP, Sensor, 0, 15, 0, 0, 1, nullptr),
    FKT_PAR(FKT_ST_U8, IP, Unit, 0, 67, 1, 0, 1, nullptr),
    FKT_PAR(FKT_ST_I16, IP, Correction, -1000, 1000, 0, 0, 0, nullptr),
    FKT_PAR(FKT_ST_U8, IP, Filter, 0, 100, 0, 0, 1, nullptr),
    FKT_PAR_NONE, FKT_PAR_NONE, FKT_PAR_NONE, FKT_PAR_NONE, FKT_PAR_NONE, FKT_PAR_NONE, FKT_PAR_NONE, FKT_PAR_NONE,
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, IP, ShortSubst, 0, 1, 0, 0, 1, &FKT_NoYesList),
    FKT_PAR_NONE,
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, IP, BreakSubst, 0, 1, 0, 0, 1, &FKT_NoYesList),
    FKT_PAR_NONE,
    FKT_PAR(FKT_ST_I32, IP, ShortValue, -32768, 32767, 0, 0, 1, nullptr),
    FKT_PAR_NONE,
    FKT_PAR(FKT_ST_I32, IP, BreakValue, -32768, 32767, 0, 0, 1, nullptr),
};
// Parameter names: items of text group PARAMS by parameter number, -1 for numbers without a name.
const int8_t _aInputParName[IO_IN_NUM_PARS] = {
    TXT_PARAMS_TYPE, TXT_PARAMS_SENSOR, TXT_PARAMS_UNIT, TXT_PARAMS_CORRECTION, TXT_PARAMS_MEAN_VALUE,
    -1, -1, -1, -1, -1, -1, -1, -1, TXT_PARAMS_SHORT_SUBST, -1, TXT_PARAMS_BREAK_SUBST, -1,
    TXT_PARAMS_SHORT_VALUE, -1, TXT_PARAMS_BREAK_VALUE};

using OP = FUNKTION_Ausgang::PARAMS;
const FKT_ParamDesc _aOutputPar[] = {
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, OP, Type, 0, 2, 0, 0, 1, &_OutputTypeList),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, OP, Mode, 0, 2, 0, 0, 0, &_OutputModeList),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, OP, Inverted, 0, 1, 0, 0, 1, &FKT_NoYesList),
};
const int8_t _aOutputParName[] = {TXT_PARAMS_TYPE, TXT_PARAMS_MODE, TXT_PARAMS_INVERTED};

using FP = FUNKTION_Festwert::PARAMS;
const FKT_ParamDesc _aFixedPar[] = {
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, FP, Type, 0, 2, 0, 0, 1, &_InputTypeList),
    FKT_PAR(FKT_ST_U8, FP, Unit, 0, 67, 0, 0, 1, nullptr),
    FKT_PAR(FKT_ST_I32, FP, Value, -1000000, 1000000, 0, 0, 0, nullptr),
    FKT_PAR(FKT_ST_I32, FP, Min, -1000000, 1000000, 0, 0, 2, nullptr),
    FKT_PAR(FKT_ST_I32, FP, Max, -1000000, 1000000, 1000, 0, 2, nullptr),
};
const int8_t _aFixedParName[] = {TXT_PARAMS_TYPE, TXT_PARAMS_UNIT, TXT_PARAMS_VALUE, TXT_PARAMS_MINIMUM,
                                 TXT_PARAMS_MAXIMUM};

using BP = FUNKTION_BusIO::PARAMS;
const FKT_ParamDesc _aBusPar[] = {
    FKT_PAR(FKT_ST_U8, BP, Node, 0, 63, 0, 0, 1, nullptr),
    FKT_PAR(FKT_ST_U16, BP, Object, 0, 65535, 0, 0, 1, nullptr),
    FKT_PAR(FKT_ST_U16, BP, Timeout, 0, 600, 60, 0, 1, nullptr),
    FKT_PAR(FKT_ST_U8, BP, Unit, 0, 67, 0, 0, 1, nullptr),
    FKT_PAR(FKT_ST_I32, BP, Substitute, -1000000, 1000000, 0, 0, 1, nullptr),
};
const TXT_ID _aBusParName[] = {{TXT_GROUP_CAN, 1},  // "Node", as the network page says it
                               {TXT_GROUP_PARAMS, TXT_PARAMS_OBJECT},
                               {TXT_GROUP_PARAMS, TXT_PARAMS_TIMEOUT},
                               {TXT_GROUP_PARAMS, TXT_PARAMS_UNIT},
                               {TXT_GROUP_PARAMS, TXT_PARAMS_SUBSTITUTE}};

using LP = FUNKTION_LogKanal::PARAMS;
const FKT_ParamDesc _aLogPar[] = {
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, LP, Active, 0, 1, 0, 0, 1, &FKT_NoYesList),
};

template <int N>
const char16_t* _Name(const int8_t (&a)[N], int n) {
  return (n >= 0 && n < N && a[n] >= 0) ? TXT_GetText(TXT_GROUP_PARAMS, a[n]) : nullptr;
}

// Names shown to the host's input simulation ("Input 1" .. "Input 16") and the designation or user text
// beside them, copied: the host reads them from its own thread, and a language switch rebuilds the texts.
enum { _SIM_NAME_CHARS = 48 };
char16_t _aInputNames[IO_NUM_INPUTS][_SIM_NAME_CHARS];
char16_t _aInputLabels[IO_NUM_INPUTS][_SIM_NAME_CHARS];

void _CopyName(char16_t* pDest, const std::u16string& s) {
  size_t n = s.size() < _SIM_NAME_CHARS - 1 ? s.size() : _SIM_NAME_CHARS - 1;
  for (size_t i = 0; i < n; i++) pDest[i] = s[i];
  pDest[n] = 0;
}

}  // namespace

const FKT_ChoiceList FKT_NoYesList = {nullptr, 2, 0, 0, 0, TXT_GROUP_NO_YES};

void IO_InitInputRecord(IO_INPUT_RECORD* p) {
  memset(p, 0, sizeof(*p));
  p->LimitLow = 0x7FFFFFFF;
  p->LimitHigh = 0x7FFFFFFF;
  p->Flags = 1;
}

uint16_t IO_GetInputMode(const IO_INPUT_RECORD* p) { return p->Mode; }

// ---- Inputs ----

FUNKTION_Eingang::FUNKTION_Eingang(int Index) : FUNKTION_BASIS_PAR(FKT_TYPE_INPUT, Index) { ResetToDefaults(); }

const FKT_ParamDesc* FUNKTION_Eingang::GetParamTable(int* pCount) const {
  *pCount = IO_IN_NUM_PARS;
  return _aInputPar;
}

const char16_t* FUNKTION_Eingang::GetParameterName(int n) const { return _Name(_aInputParName, n); }

void FUNKTION_Eingang::ControlStep() {
  const IO_INPUT_RECORD& r = IO_InputRecords[_TableIndex];
  int32_t target;
  switch (_Par.Type) {
    case IO_IN_TYPE_DIGITAL: target = r.Raw != 0; break;
    case 2: target = (r.Fault != IO_FAULT_NONE) ? r.Raw : r.Raw + _Par.Correction; break;
    default: target = 0; break;
  }
  if (_Par.Type == 2 && _Par.Filter && r.Fault == IO_FAULT_NONE) {
    // Running mean over Filter control cycles; the step always moves at least one unit toward the target.
    int32_t d = (target - _Value) / (_Par.Filter + 1);
    if (!d && target != _Value) d = (target > _Value) ? 1 : -1;
    _Value += d;
  } else {
    _Value = target;
  }
  IO_InputRecords[_TableIndex].Value = _Value;
}

int32_t FUNKTION_Eingang::GetSpecialValue(int Index) const {
  const IO_INPUT_RECORD& r = IO_InputRecords[_TableIndex];
  switch (Index) {
    case 0: return r.Raw;
    case 1: return r.Fault;
    case 2: return IO_GetInputMode(&r);
    default: return 0;
  }
}

uint8_t FUNKTION_Eingang::GetParameterUnit(int Number) const {
  if (Number == IO_IN_PAR_CORRECTION || Number == IO_IN_PAR_SHORT_VALUE || Number == IO_IN_PAR_BREAK_VALUE)
    return _Par.Unit;
  return FUNKTION_BASIS_PAR::GetParameterUnit(Number);
}

void FUNKTION_Eingang::OnParameterChanged(int Number, int32_t OldValue) {
  // The host's input-simulation rows show the type, unit and names (designation or user text).
  if (Number == IO_IN_PAR_TYPE || Number == IO_IN_PAR_SENSOR || Number == IO_IN_PAR_UNIT ||
      Number == FKT_PAR_DESIGNATION || Number == FKT_PAR_USER_TEXT)
    IO_WriteSimInputDesc();
}

// ---- Outputs ----

FUNKTION_Ausgang::FUNKTION_Ausgang(int Index) : FUNKTION_BASIS_PAR(FKT_TYPE_OUTPUT, Index) { ResetToDefaults(); }

const FKT_ParamDesc* FUNKTION_Ausgang::GetParamTable(int* pCount) const {
  *pCount = FKT_COUNT_OF(_aOutputPar);
  return _aOutputPar;
}

const char16_t* FUNKTION_Ausgang::GetParameterName(int n) const { return _Name(_aOutputParName, n); }

void FUNKTION_Ausgang::ControlStep() {
  IO_OUTPUT_CHANNEL& c = IO_OutputChannels[_TableIndex];
  c.Type = _Par.Type;
  c.Mode = _Par.Mode;
  c.Request = _Source.Value;
  uint8_t state = 0;
  int32_t level = 0;
  if (_Par.Type == 1) {
    state = (_Par.Mode == 1) || (_Par.Mode == 0 && ((_Source.Value != 0) != (_Par.Inverted != 0)));
  } else if (_Par.Type == 2) {
    level = (_Par.Mode == 1) ? 1000 : (_Par.Mode == 2) ? 0 : _Source.Value;
    if (level < 0) level = 0;
    if (level > 1000) level = 1000;
    state = level > 0;
  }
  c.Flags = (c.State != state) ? 1 : 0;
  if (state && !c.State) c.SwitchCount++;
  if (state) c.OnTenths++;
  c.State = state;
  c.Level = level;
}

int32_t FUNKTION_Ausgang::GetOutputValue(int Index) const {
  const IO_OUTPUT_CHANNEL& c = IO_OutputChannels[_TableIndex];
  return (_Par.Type == 2) ? c.Level : c.State;
}

int32_t FUNKTION_Ausgang::GetSpecialValue(int Index) const {
  const IO_OUTPUT_CHANNEL& c = IO_OutputChannels[_TableIndex];
  return Index == 0 ? (int32_t)(c.OnTenths / 36000) : Index == 1 ? (int32_t)c.SwitchCount : 0;
}

// ---- Fixed values ----

FUNKTION_Festwert::FUNKTION_Festwert(int Index) : FUNKTION_BASIS_PAR(FKT_TYPE_FIXED_VALUE, Index) {
  ResetToDefaults();
}

const FKT_ParamDesc* FUNKTION_Festwert::GetParamTable(int* pCount) const {
  *pCount = FKT_COUNT_OF(_aFixedPar);
  return _aFixedPar;
}

const char16_t* FUNKTION_Festwert::GetParameterName(int n) const { return _Name(_aFixedParName, n); }

// The value moves within the user's minimum and maximum (0/1 when digital); the limits may not cross.
int FUNKTION_Festwert::GetLimits(int Number, int32_t* pMin, int32_t* pMax) const {
  if (!FUNKTION_BASIS_PAR::GetLimits(Number, pMin, pMax)) return 0;
  if (Number == 2) {
    *pMin = (_Par.Type == 1) ? 0 : _Par.Min;
    *pMax = (_Par.Type == 1) ? 1 : _Par.Max;
  } else if (Number == 3) {
    *pMax = _Par.Max;
  } else if (Number == 4) {
    *pMin = _Par.Min;
  }
  return 1;
}

uint8_t FUNKTION_Festwert::GetParameterUnit(int Number) const {
  return (Number >= 2 && Number <= 4) ? _Par.Unit : FUNKTION_BASIS_PAR::GetParameterUnit(Number);
}

void FUNKTION_Festwert::OnParameterChanged(int Number, int32_t OldValue) {
  int32_t lo, hi;
  GetLimits(2, &lo, &hi);
  if (_Par.Value < lo) _Par.Value = lo;
  if (_Par.Value > hi) _Par.Value = hi;
}

// ---- Bus inputs and outputs ----

FUNKTION_BusIO::FUNKTION_BusIO(int TypeCode, int Index) : FUNKTION_BASIS_PAR(TypeCode, Index) { ResetToDefaults(); }

bool FUNKTION_BusIO::IsOutput() const {
  return _TypeCode == FKT_TYPE_DL_OUTPUT || _TypeCode == FKT_TYPE_CAN_ANALOG_OUTPUT ||
         _TypeCode == FKT_TYPE_CAN_DIGITAL_OUTPUT;
}

const char16_t* FUNKTION_BusIO::GetClassName() const {
  switch (_TypeCode) {
    case FKT_TYPE_DL_INPUT: return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_DL_INPUT);
    case FKT_TYPE_DL_OUTPUT: return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_DL_OUTPUT);
    case FKT_TYPE_CAN_ANALOG_INPUT: return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_CAN_ANALOG_INPUT);
    case FKT_TYPE_CAN_DIGITAL_INPUT: return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_CAN_DIGITAL_INPUT);
    case FKT_TYPE_CAN_ANALOG_OUTPUT: return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_CAN_ANALOG_OUTPUT);
    default: return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_CAN_DIGITAL_OUTPUT);
  }
}

const FKT_ParamDesc* FUNKTION_BusIO::GetParamTable(int* pCount) const {
  *pCount = FKT_COUNT_OF(_aBusPar);
  return _aBusPar;
}

const char16_t* FUNKTION_BusIO::GetParameterName(int n) const {
  return (n >= 0 && n < FKT_COUNT_OF(_aBusParName)) ? TXT_GetText(_aBusParName[n]) : nullptr;
}

FKT_InputVar* FUNKTION_BusIO::GetInputVars(int* pCount) {
  *pCount = IsOutput() ? 1 : 0;
  return IsOutput() ? &_Source : nullptr;
}

void FUNKTION_BusIO::ControlStep() { _Value = IsOutput() ? _Source.Value : _Par.Substitute; }

// ---- Logging channels ----

FUNKTION_LogKanal::FUNKTION_LogKanal(int TypeCode, int Index) : FUNKTION_BASIS_PAR(TypeCode, Index) {
  ResetToDefaults();
}

const FKT_ParamDesc* FUNKTION_LogKanal::GetParamTable(int* pCount) const {
  *pCount = FKT_COUNT_OF(_aLogPar);
  return _aLogPar;
}

// ---- Tables (each object knows its index) ----

FUNKTION_Eingang IO_Inputs[IO_NUM_INPUTS] = {
    FUNKTION_Eingang(0), FUNKTION_Eingang(1), FUNKTION_Eingang(2), FUNKTION_Eingang(3), FUNKTION_Eingang(4),
    FUNKTION_Eingang(5), FUNKTION_Eingang(6), FUNKTION_Eingang(7), FUNKTION_Eingang(8), FUNKTION_Eingang(9),
    FUNKTION_Eingang(10), FUNKTION_Eingang(11), FUNKTION_Eingang(12), FUNKTION_Eingang(13), FUNKTION_Eingang(14),
    FUNKTION_Eingang(15),
};
FUNKTION_Ausgang IO_Outputs[IO_NUM_OUTPUTS] = {
    FUNKTION_Ausgang(0), FUNKTION_Ausgang(1), FUNKTION_Ausgang(2), FUNKTION_Ausgang(3), FUNKTION_Ausgang(4),
    FUNKTION_Ausgang(5), FUNKTION_Ausgang(6), FUNKTION_Ausgang(7), FUNKTION_Ausgang(8), FUNKTION_Ausgang(9),
    FUNKTION_Ausgang(10), FUNKTION_Ausgang(11), FUNKTION_Ausgang(12), FUNKTION_Ausgang(13), FUNKTION_Ausgang(14),
    FUNKTION_Ausgang(15),
};
FUNKTION_Festwert IO_FixedValues[IO_NUM_FIXED_VALUES] = {
    FUNKTION_Festwert(0), FUNKTION_Festwert(1), FUNKTION_Festwert(2), FUNKTION_Festwert(3), FUNKTION_Festwert(4),
    FUNKTION_Festwert(5), FUNKTION_Festwert(6), FUNKTION_Festwert(7), FUNKTION_Festwert(8), FUNKTION_Festwert(9),
    FUNKTION_Festwert(10), FUNKTION_Festwert(11), FUNKTION_Festwert(12), FUNKTION_Festwert(13), FUNKTION_Festwert(14),
    FUNKTION_Festwert(15), FUNKTION_Festwert(16), FUNKTION_Festwert(17), FUNKTION_Festwert(18), FUNKTION_Festwert(19),
    FUNKTION_Festwert(20), FUNKTION_Festwert(21), FUNKTION_Festwert(22), FUNKTION_Festwert(23), FUNKTION_Festwert(24),
    FUNKTION_Festwert(25), FUNKTION_Festwert(26), FUNKTION_Festwert(27), FUNKTION_Festwert(28), FUNKTION_Festwert(29),
    FUNKTION_Festwert(30), FUNKTION_Festwert(31), FUNKTION_Festwert(32), FUNKTION_Festwert(33), FUNKTION_Festwert(34),
    FUNKTION_Festwert(35), FUNKTION_Festwert(36), FUNKTION_Festwert(37), FUNKTION_Festwert(38), FUNKTION_Festwert(39),
    FUNKTION_Festwert(40), FUNKTION_Festwert(41), FUNKTION_Festwert(42), FUNKTION_Festwert(43), FUNKTION_Festwert(44),
    FUNKTION_Festwert(45), FUNKTION_Festwert(46), FUNKTION_Festwert(47), FUNKTION_Festwert(48), FUNKTION_Festwert(49),
    FUNKTION_Festwert(50), FUNKTION_Festwert(51), FUNKTION_Festwert(52), FUNKTION_Festwert(53), FUNKTION_Festwert(54),
    FUNKTION_Festwert(55), FUNKTION_Festwert(56), FUNKTION_Festwert(57), FUNKTION_Festwert(58), FUNKTION_Festwert(59),
    FUNKTION_Festwert(60), FUNKTION_Festwert(61), FUNKTION_Festwert(62), FUNKTION_Festwert(63),
};
#define T FKT_TYPE_CAN_ANALOG_INPUT
FUNKTION_BusIO IO_CanAnalogInputs[64] = {
    {T, 0}, {T, 1}, {T, 2}, {T, 3}, {T, 4}, {T, 5}, {T, 6}, {T, 7}, {T, 8}, {T, 9}, {T, 10}, {T, 11}, {T, 12},
    {T, 13}, {T, 14}, {T, 15}, {T, 16}, {T, 17}, {T, 18}, {T, 19}, {T, 20}, {T, 21}, {T, 22}, {T, 23}, {T, 24},
    {T, 25}, {T, 26}, {T, 27}, {T, 28}, {T, 29}, {T, 30}, {T, 31}, {T, 32}, {T, 33}, {T, 34}, {T, 35}, {T, 36},
    {T, 37}, {T, 38}, {T, 39}, {T, 40}, {T, 41}, {T, 42}, {T, 43}, {T, 44}, {T, 45}, {T, 46}, {T, 47}, {T, 48},
    {T, 49}, {T, 50}, {T, 51}, {T, 52}, {T, 53}, {T, 54}, {T, 55}, {T, 56}, {T, 57}, {T, 58}, {T, 59}, {T, 60},
    {T, 61}, {T, 62}, {T, 63},
};
#undef T
#define T FKT_TYPE_CAN_DIGITAL_INPUT
FUNKTION_BusIO IO_CanDigitalInputs[64] = {
    {T, 0}, {T, 1}, {T, 2}, {T, 3}, {T, 4}, {T, 5}, {T, 6}, {T, 7}, {T, 8}, {T, 9}, {T, 10}, {T, 11}, {T, 12},
    {T, 13}, {T, 14}, {T, 15}, {T, 16}, {T, 17}, {T, 18}, {T, 19}, {T, 20}, {T, 21}, {T, 22}, {T, 23}, {T, 24},
    {T, 25}, {T, 26}, {T, 27}, {T, 28}, {T, 29}, {T, 30}, {T, 31}, {T, 32}, {T, 33}, {T, 34}, {T, 35}, {T, 36},
    {T, 37}, {T, 38}, {T, 39}, {T, 40}, {T, 41}, {T, 42}, {T, 43}, {T, 44}, {T, 45}, {T, 46}, {T, 47}, {T, 48},
    {T, 49}, {T, 50}, {T, 51}, {T, 52}, {T, 53}, {T, 54}, {T, 55}, {T, 56}, {T, 57}, {T, 58}, {T, 59}, {T, 60},
    {T, 61}, {T, 62}, {T, 63},
};
#undef T
#define T FKT_TYPE_CAN_ANALOG_OUTPUT
FUNKTION_BusIO IO_CanAnalogOutputs[32] = {
    {T, 0}, {T, 1}, {T, 2}, {T, 3}, {T, 4}, {T, 5}, {T, 6}, {T, 7}, {T, 8}, {T, 9}, {T, 10}, {T, 11}, {T, 12},
    {T, 13}, {T, 14}, {T, 15}, {T, 16}, {T, 17}, {T, 18}, {T, 19}, {T, 20}, {T, 21}, {T, 22}, {T, 23}, {T, 24},
    {T, 25}, {T, 26}, {T, 27}, {T, 28}, {T, 29}, {T, 30}, {T, 31},
};
#undef T
#define T FKT_TYPE_CAN_DIGITAL_OUTPUT
FUNKTION_BusIO IO_CanDigitalOutputs[32] = {
    {T, 0}, {T, 1}, {T, 2}, {T, 3}, {T, 4}, {T, 5}, {T, 6}, {T, 7}, {T, 8}, {T, 9}, {T, 10}, {T, 11}, {T, 12},
    {T, 13}, {T, 14}, {T, 15}, {T, 16}, {T, 17}, {T, 18}, {T, 19}, {T, 20}, {T, 21}, {T, 22}, {T, 23}, {T, 24},
    {T, 25}, {T, 26}, {T, 27}, {T, 28}, {T, 29}, {T, 30}, {T, 31},
};
#undef T
#define T FKT_TYPE_DL_INPUT
FUNKTION_BusIO IO_DlInputs[32] = {
    {T, 0}, {T, 1}, {T, 2}, {T, 3}, {T, 4}, {T, 5}, {T, 6}, {T, 7}, {T, 8}, {T, 9}, {T, 10}, {T, 11}, {T, 12},
    {T, 13}, {T, 14}, {T, 15}, {T, 16}, {T, 17}, {T, 18}, {T, 19}, {T, 20}, {T, 21}, {T, 22}, {T, 23}, {T, 24},
    {T, 25}, {T, 26}, {T, 27}, {T, 28}, {T, 29}, {T, 30}, {T, 31},
};
#undef T
#define T FKT_TYPE_DL_OUTPUT
FUNKTION_BusIO IO_DlOutputs[16] = {
    {T, 0}, {T, 1}, {T, 2}, {T, 3}, {T, 4}, {T, 5}, {T, 6}, {T, 7}, {T, 8}, {T, 9}, {T, 10}, {T, 11}, {T, 12},
    {T, 13}, {T, 14}, {T, 15},
};
#undef T
#define T FKT_TYPE_LOG_ANALOG
FUNKTION_LogKanal LOG_AnalogChannels[32] = {
    {T, 0}, {T, 1}, {T, 2}, {T, 3}, {T, 4}, {T, 5}, {T, 6}, {T, 7}, {T, 8}, {T, 9}, {T, 10}, {T, 11}, {T, 12},
    {T, 13}, {T, 14}, {T, 15}, {T, 16}, {T, 17}, {T, 18}, {T, 19}, {T, 20}, {T, 21}, {T, 22}, {T, 23}, {T, 24},
    {T, 25}, {T, 26}, {T, 27}, {T, 28}, {T, 29}, {T, 30}, {T, 31},
};
#undef T
#define T FKT_TYPE_LOG_DIGITAL
FUNKTION_LogKanal LOG_DigitalChannels[26] = {
    {T, 0}, {T, 1}, {T, 2}, {T, 3}, {T, 4}, {T, 5}, {T, 6}, {T, 7}, {T, 8}, {T, 9}, {T, 10}, {T, 11}, {T, 12},
    {T, 13}, {T, 14}, {T, 15}, {T, 16}, {T, 17}, {T, 18}, {T, 19}, {T, 20}, {T, 21}, {T, 22}, {T, 23}, {T, 24},
    {T, 25},
};
#undef T

namespace {

template <class T, size_t N>
void _Visit(T (&a)[N], void (*pf)(FUNKTION_BASIS_PAR*, void*), void* ctx) {
  for (auto& o : a) pf(&o, ctx);
}

}  // namespace

void IO_ForEachFixedObject(void (*pf)(FUNKTION_BASIS_PAR*, void*), void* ctx) {
  _Visit(IO_Inputs, pf, ctx);
  _Visit(IO_Outputs, pf, ctx);
  _Visit(IO_FixedValues, pf, ctx);
  _Visit(IO_CanAnalogInputs, pf, ctx);
  _Visit(IO_CanDigitalInputs, pf, ctx);
  _Visit(IO_CanAnalogOutputs, pf, ctx);
  _Visit(IO_CanDigitalOutputs, pf, ctx);
  _Visit(IO_DlInputs, pf, ctx);
  _Visit(IO_DlOutputs, pf, ctx);
  _Visit(LOG_AnalogChannels, pf, ctx);
  _Visit(LOG_DigitalChannels, pf, ctx);
  pf(&SET_General, ctx);
  pf(&SET_Can, ctx);
}

namespace {

template <class T, size_t N>
FUNKTION_BASIS_PAR* _Pick(T (&a)[N], int i) {
  return (i >= 0 && i < (int)N) ? &a[i] : nullptr;
}

}  // namespace

FUNKTION_BASIS_PAR* IO_FindFixedObject(int TypeCode, int Index) {
  switch (TypeCode) {
    case FKT_TYPE_INPUT: return _Pick(IO_Inputs, Index);
    case FKT_TYPE_OUTPUT: return _Pick(IO_Outputs, Index);
    case FKT_TYPE_FIXED_VALUE: return _Pick(IO_FixedValues, Index);
    case FKT_TYPE_CAN_ANALOG_INPUT: return _Pick(IO_CanAnalogInputs, Index);
    case FKT_TYPE_CAN_DIGITAL_INPUT: return _Pick(IO_CanDigitalInputs, Index);
    case FKT_TYPE_CAN_ANALOG_OUTPUT: return _Pick(IO_CanAnalogOutputs, Index);
    case FKT_TYPE_CAN_DIGITAL_OUTPUT: return _Pick(IO_CanDigitalOutputs, Index);
    case FKT_TYPE_DL_INPUT: return _Pick(IO_DlInputs, Index);
    case FKT_TYPE_DL_OUTPUT: return _Pick(IO_DlOutputs, Index);
    case FKT_TYPE_LOG_ANALOG: return _Pick(LOG_AnalogChannels, Index);
    case FKT_TYPE_LOG_DIGITAL: return _Pick(LOG_DigitalChannels, Index);
    case FKT_TYPE_SET_GENERAL: return Index == 0 ? &SET_General : nullptr;
    case FKT_TYPE_SET_CAN: return Index == 0 ? &SET_Can : nullptr;
    default: return nullptr;
  }
}

FUNKTION_BASIS_PAR* IO_ConstructDetached(int TypeCode, int Index, FKT_SLOT* pMem) {
  static_assert(sizeof(FUNKTION_Eingang) <= FKT_SLOT_SIZE && sizeof(FUNKTION_Ausgang) <= FKT_SLOT_SIZE &&
                sizeof(FUNKTION_Festwert) <= FKT_SLOT_SIZE && sizeof(FUNKTION_BusIO) <= FKT_SLOT_SIZE &&
                sizeof(FUNKTION_LogKanal) <= FKT_SLOT_SIZE && sizeof(FUNKTION_GlobalSettings) <= FKT_SLOT_SIZE &&
                sizeof(FUNKTION_GlobalSettingsCAN) <= FKT_SLOT_SIZE);
  if (!pMem || !IO_FindFixedObject(TypeCode, Index)) return nullptr;
  void* p = pMem->aData;
  switch (TypeCode) {
    case FKT_TYPE_INPUT: return new (p) FUNKTION_Eingang(Index);
    case FKT_TYPE_OUTPUT: return new (p) FUNKTION_Ausgang(Index);
    case FKT_TYPE_FIXED_VALUE: return new (p) FUNKTION_Festwert(Index);
    case FKT_TYPE_LOG_ANALOG:
    case FKT_TYPE_LOG_DIGITAL: return new (p) FUNKTION_LogKanal(TypeCode, Index);
    case FKT_TYPE_SET_GENERAL: return new (p) FUNKTION_GlobalSettings();
    case FKT_TYPE_SET_CAN: return new (p) FUNKTION_GlobalSettingsCAN();
    default: return new (p) FUNKTION_BusIO(TypeCode, Index);  // the CAN and DL bus objects
  }
}

void IO_ResetAll() {
  IO_ForEachFixedObject([](FUNKTION_BASIS_PAR* p, void*) { p->ResetToDefaults(); }, nullptr);
}

// The tick reads the host's records and the inputs' substitute parameters without a lock: each field is one
// atomic access.
void IO_ReadSimInputs() {
  for (int i = 0; i < IO_NUM_INPUTS; i++) {
    const SIM_INPUT_VALUE& s = SIM_InputValues[i];
    IO_INPUT_RECORD& r = IO_InputRecords[i];
    const FUNKTION_Eingang& in = IO_Inputs[i];
    int32_t raw = (int16_t)(s.Value & 0xFFFF);
    uint8_t fault = IO_FAULT_NONE;
    if (s.Fault == IO_FAULT_INTERRUPTION) {
      raw = in.GetParameter(IO_IN_PAR_BREAK_SUBST) ? in.GetParameter(IO_IN_PAR_BREAK_VALUE) : IO_RAW_INTERRUPTION;
      fault = IO_FAULT_INTERRUPTION;
    } else if (s.Fault == IO_FAULT_SHORT) {
      raw = in.GetParameter(IO_IN_PAR_SHORT_SUBST) ? in.GetParameter(IO_IN_PAR_SHORT_VALUE) : IO_RAW_SHORT_CIRCUIT;
      fault = IO_FAULT_SHORT;
    }
    r.Raw = raw;
    r.Fault = fault;
    r.Mode = (uint16_t)(s.RoomMode & 3);
  }
}

void IO_WriteSimInputDesc() {
  for (int i = 0; i < IO_NUM_INPUTS; i++) {
    const FUNKTION_Eingang& in = IO_Inputs[i];
    std::u16string name = in.GetClassName();
    name += u' ';
    if (i + 1 >= 10) name += (char16_t)(u'0' + (i + 1) / 10);
    name += (char16_t)(u'0' + (i + 1) % 10);
    _CopyName(_aInputNames[i], name);
    const char16_t* label = in.GetChoiceText(FKT_PAR_USER_TEXT);
    if (!label || !*label) label = in.GetChoiceText(FKT_PAR_DESIGNATION);
    _CopyName(_aInputLabels[i], label ? label : in.GetClassName());
    SIM_InputDescs[i].Type = (uint32_t)in.GetParameter(IO_IN_PAR_TYPE);
    SIM_InputDescs[i].Param = (uint32_t)in.GetParameter(IO_IN_PAR_SENSOR);
    SIM_InputDescs[i].Unit = in.GetOutputUnit(0);  // the unit the screens show the value in
    SIM_InputDescs[i].pName1 = _aInputNames[i];
    SIM_InputDescs[i].pName2 = _aInputLabels[i];
  }
  if (APP_HostHooks.pfRefreshInputSim) APP_HostHooks.pfRefreshInputSim();
}
