// The fixed objects of the controller: 16 physical inputs and outputs, fixed values, CAN and DL bus inputs and
// outputs, and logging channels, each in a global table sized at build time.
#pragma once
#include <cstdint>

#include "FKT_Base.h"
#include "SYS_Shared.h"
#include "TXT_Current.h"

enum {
  IO_NUM_INPUTS = 16,
  IO_NUM_OUTPUTS = 16,
  IO_NUM_FIXED_VALUES = 64,
  IO_NUM_CAN_ANALOG_INPUTS = 64,
  IO_NUM_CAN_DIGITAL_INPUTS = 64,
  IO_NUM_CAN_ANALOG_OUTPUTS = 32,
  IO_NUM_CAN_DIGITAL_OUTPUTS = 32,
  IO_NUM_DL_INPUTS = 32,
  IO_NUM_DL_OUTPUTS = 16,
  IO_NUM_LOG_ANALOG = 32,
  IO_NUM_LOG_DIGITAL = 26,
};

// Parameters of an input.
enum {
  IO_IN_PAR_TYPE = 0,         // 0 unused, 1 digital (IO_IN_TYPE_DIGITAL), 2 analog
  IO_IN_PAR_SENSOR = 1,       // sensor or measured quantity
  IO_IN_PAR_UNIT = 2,         // unit index of the value
  IO_IN_PAR_CORRECTION = 3,   // added to an analog value
  IO_IN_PAR_FILTER = 4,       // mean over 0..10 s (0 = none)
  IO_IN_PAR_SHORT_SUBST = 13,    // 1: a short circuit reads as parameter 17
  IO_IN_PAR_BREAK_SUBST = 15,    // 1: an interruption reads as parameter 19
  IO_IN_PAR_SHORT_VALUE = 17,
  IO_IN_PAR_BREAK_VALUE = 19,
  IO_IN_NUM_PARS = 20,
};

// Raw readings for an interrupted or short-circuited sensor without a substitute value.
enum { IO_RAW_INTERRUPTION = 16383, IO_RAW_SHORT_CIRCUIT = -16384 };
enum { IO_FAULT_NONE = 0, IO_FAULT_SHORT = 2, IO_FAULT_INTERRUPTION = 3 };

// The 32-byte per-input measurement record that the tick fills and the input object evaluates. The tick writes
// the reading, its fault and the room mode without a lock while the control cycle and the object access read them.
struct IO_INPUT_RECORD {
  SYS_SHARED<int32_t> Raw;    // raw reading after fault substitution
  int32_t Value;              // last evaluated value
  int32_t LimitLow;           // 0x7FFFFFFF = none
  int32_t LimitHigh;          // 0x7FFFFFFF = none
  int32_t Filter;             // running mean state
  SYS_SHARED<uint16_t> Mode;  // room-sensor mode 0..3
  uint8_t Flags;              // bit 0: record valid
  SYS_SHARED<uint8_t> Fault;  // IO_FAULT_*
  int32_t Reserved[2];
};
static_assert(sizeof(IO_INPUT_RECORD) == 32);

void IO_InitInputRecord(IO_INPUT_RECORD* pRec);
uint16_t IO_GetInputMode(const IO_INPUT_RECORD* pRec);
extern IO_INPUT_RECORD IO_InputRecords[IO_NUM_INPUTS];

// The 44-byte record of one physical output that the output objects drive.
struct IO_OUTPUT_CHANNEL {
  uint8_t Type;    // 0 unused, 1 switching, 2 analog
  uint8_t State;   // switching state 0/1
  uint8_t Mode;    // 0 automatic, 1 manual on, 2 manual off
  uint8_t Flags;   // bit 0: state changed in the last cycle
  int32_t Level;   // analog level in 0.1 %
  int32_t Request;  // value requested by the source
  uint32_t OnTenths;  // run time in 0.1 s
  uint32_t SwitchCount;
  int32_t Reserved[6];
};
static_assert(sizeof(IO_OUTPUT_CHANNEL) == 44);
extern IO_OUTPUT_CHANNEL IO_OutputChannels[IO_NUM_OUTPUTS];

constexpr uint8_t IO_IN_TYPE_DIGITAL = 1;
constexpr uint8_t IO_UNIT_OFF_ON = 43;  // unit index of a switching state: "OFF"/"ON"

class FUNKTION_Eingang : public FUNKTION_BASIS_PAR {
 public:
  int GetPageDescription(int Page, OBJ_MENU* pMenu) override;
  explicit FUNKTION_Eingang(int Index);
  const char16_t* GetClassName() const override { return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_INPUT); }
  const FKT_ParamDesc* GetParamTable(int* pCount) const override;
  void* GetParamBlock() override { return &_Par; }
  const char16_t* GetParameterName(int Number) const override;
  void ControlStep() override;
  int GetOutputCount() const override { return 1; }
  int32_t GetOutputValue(int Index) const override { return Index == 0 ? _Value : 0; }
  // A digital input is 0 or 1 whatever unit was chosen for it: it reads "OFF"/"ON" on the screens and in the
  // host's input simulation alike.
  uint8_t GetOutputUnit(int Index) const override { return _Par.Type == IO_IN_TYPE_DIGITAL ? IO_UNIT_OFF_ON : _Par.Unit; }
  int GetSpecialCount() const override { return 3; }
  int32_t GetSpecialValue(int Index) const override;  // 0 raw reading, 1 fault state, 2 room-sensor mode
  void OnParameterChanged(int Number, int32_t OldValue) override;
  uint8_t GetParameterUnit(int Number) const override;
  struct PARAMS {
    uint8_t Type, Sensor, Unit, ShortSubst, BreakSubst, Filter;
    int16_t Correction;
    int32_t ShortValue, BreakValue;
  };

 private:
  PARAMS _Par{};
  int32_t _Value = 0;
};

class FUNKTION_Ausgang : public FUNKTION_BASIS_PAR {
 public:
  int GetPageDescription(int Page, OBJ_MENU* pMenu) override;
  explicit FUNKTION_Ausgang(int Index);
  const char16_t* GetClassName() const override { return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_OUTPUT); }
  const FKT_ParamDesc* GetParamTable(int* pCount) const override;
  void* GetParamBlock() override { return &_Par; }
  const char16_t* GetParameterName(int Number) const override;
  FKT_InputVar* GetInputVars(int* pCount) override {
    *pCount = 1;
    return &_Source;
  }
  void ControlStep() override;
  int GetOutputCount() const override { return 1; }
  int32_t GetOutputValue(int Index) const override;
  int GetSpecialCount() const override { return 2; }
  int32_t GetSpecialValue(int Index) const override;  // 0 run time in hours, 1 switch-ons
  int GetCommandCount() const override { return 1; }
  const char16_t* GetStatusText(int Command) const override;
  int SetCommand(int Command, int32_t Value, int Flags) override;  // 0: reset run time and switch-ons
  struct PARAMS {
    uint8_t Type, Mode, Inverted, Reserved;
  };

 private:
  PARAMS _Par{};
  FKT_InputVar _Source{};
};

class FUNKTION_Festwert : public FUNKTION_BASIS_PAR {
 public:
  int GetPageDescription(int Page, OBJ_MENU* pMenu) override;
  explicit FUNKTION_Festwert(int Index);
  const char16_t* GetClassName() const override { return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_FIXED_VALUE); }
  const FKT_ParamDesc* GetParamTable(int* pCount) const override;
  void* GetParamBlock() override { return &_Par; }
  const char16_t* GetParameterName(int Number) const override;
  int GetLimits(int Number, int32_t* pMin, int32_t* pMax) const override;
  void OnParameterChanged(int Number, int32_t OldValue) override;
  uint8_t GetParameterUnit(int Number) const override;
  int GetOutputCount() const override { return 1; }
  int32_t GetOutputValue(int Index) const override { return Index == 0 ? _Par.Value : 0; }
  uint8_t GetOutputUnit(int Index) const override { return (uint8_t)_Par.Unit; }
  struct PARAMS {
    uint8_t Type, Unit, Reserved[2];
    int32_t Value, Min, Max;
  };

 private:
  PARAMS _Par{};
};

// CAN and DL bus inputs and outputs: bound to a node and an object there. The frame driver of the simulation
// is empty, so bus inputs keep their substitute value.
class FUNKTION_BusIO : public FUNKTION_BASIS_PAR {
 public:
  int GetPageDescription(int Page, OBJ_MENU* pMenu) override;
  FUNKTION_BusIO(int TypeCode, int Index);
  const char16_t* GetClassName() const override;
  const FKT_ParamDesc* GetParamTable(int* pCount) const override;
  void* GetParamBlock() override { return &_Par; }
  const char16_t* GetParameterName(int Number) const override;
  FKT_InputVar* GetInputVars(int* pCount) override;
  void ControlStep() override;
  int GetOutputCount() const override { return 1; }
  int32_t GetOutputValue(int Index) const override { return Index == 0 ? _Value : 0; }
  uint8_t GetOutputUnit(int Index) const override { return (uint8_t)_Par.Unit; }
  bool IsOutput() const;
  struct PARAMS {
    uint8_t Node, Unit, Reserved[2];
    uint16_t Object, Timeout;
    int32_t Substitute;
  };

 private:
  PARAMS _Par{};
  FKT_InputVar _Source{};
  int32_t _Value = 0;
};

// A data-logging channel: records the value of its source.
class FUNKTION_LogKanal : public FUNKTION_BASIS_PAR {
 public:
  int GetPageDescription(int Page, OBJ_MENU* pMenu) override;
  FUNKTION_LogKanal(int TypeCode, int Index);
  const char16_t* GetClassName() const override { return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_LOG_CHANNEL); }
  const FKT_ParamDesc* GetParamTable(int* pCount) const override;
  // Its one setting says whether the channel records: it goes by the word of the enable flag.
  const char16_t* GetParameterName(int Number) const override {
    return Number == 0 ? TXT_GetText(TXT_GROUP_SERVER, TXT_SERVER_ENABLED) : nullptr;
  }
  void* GetParamBlock() override { return &_Par; }
  FKT_InputVar* GetInputVars(int* pCount) override {
    *pCount = 1;
    return &_Source;
  }
  int GetOutputCount() const override { return 1; }
  int32_t GetOutputValue(int Index) const override { return _Source.Value; }
  uint8_t GetOutputUnit(int Index) const override { return _Source.Unit; }
  struct PARAMS {
    uint8_t Active, Reserved[3];
  };

 private:
  PARAMS _Par{};
  FKT_InputVar _Source{};
};

extern FUNKTION_Eingang IO_Inputs[IO_NUM_INPUTS];
extern FUNKTION_Ausgang IO_Outputs[IO_NUM_OUTPUTS];
extern FUNKTION_Festwert IO_FixedValues[IO_NUM_FIXED_VALUES];
extern FUNKTION_BusIO IO_CanAnalogInputs[IO_NUM_CAN_ANALOG_INPUTS];
extern FUNKTION_BusIO IO_CanDigitalInputs[IO_NUM_CAN_DIGITAL_INPUTS];
extern FUNKTION_BusIO IO_CanAnalogOutputs[IO_NUM_CAN_ANALOG_OUTPUTS];
extern FUNKTION_BusIO IO_CanDigitalOutputs[IO_NUM_CAN_DIGITAL_OUTPUTS];
extern FUNKTION_BusIO IO_DlInputs[IO_NUM_DL_INPUTS];
extern FUNKTION_BusIO IO_DlOutputs[IO_NUM_DL_OUTPUTS];
extern FUNKTION_LogKanal LOG_AnalogChannels[IO_NUM_LOG_ANALOG];
extern FUNKTION_LogKanal LOG_DigitalChannels[IO_NUM_LOG_DIGITAL];

// Visits every fixed object (inputs, outputs, fixed values, bus objects, logging channels, settings) in a fixed
// order: the order of the function-data image.
void IO_ForEachFixedObject(void (*pfVisit)(FUNKTION_BASIS_PAR* pObj, void* pContext), void* pContext);
// Finds a fixed object by its type code and table index, null when none.
FUNKTION_BASIS_PAR* IO_FindFixedObject(int TypeCode, int Index);
// Builds the class of a fixed object in pMem, apart from its table and at its factory settings, so that a stored
// record can be checked in it; the caller destroys it. Null when IO_FindFixedObject knows no such object.
struct FKT_SLOT;
FUNKTION_BASIS_PAR* IO_ConstructDetached(int TypeCode, int Index, FKT_SLOT* pMem);
// Tick part of the inputs: reads the 16 input-simulation records into IO_InputRecords with the fault rules.
void IO_ReadSimInputs();
// Writes one SIM_INPUT_DESC per input and asks the host to rebuild its rows.
void IO_WriteSimInputDesc();
// Puts every fixed object back to its factory settings.
void IO_ResetAll();
