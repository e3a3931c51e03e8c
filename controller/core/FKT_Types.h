// Records and numbers shared by every controller object: the parameter-number address space, the parameter
// descriptor, the input-variable binding and choice lists.
#pragma once
#include <cstddef>
#include <cstdint>

// Parameter numbers of FUNKTION_BASIS_PAR::GetParameter / SetParameter.
constexpr int FKT_PAR_TYPE = -16;         // type code (read-only)
constexpr int FKT_PAR_TABLE_INDEX = -15;  // index of the object in its table or slot (read-only)
constexpr int FKT_PAR_DESIGNATION = -14;  // designation choice (text via GetChoiceText)
constexpr int FKT_PAR_USER_TEXT = -13;    // user designation 0 = none, 1..100 = entry of FKT_UserDesignations
constexpr int FKT_PAR_POOL_WORDS = -12;   // words of the value pool held (read-only)
constexpr int FKT_PAR_NUMBER = -11;       // function number, -1 = none (read-only)
constexpr int FKT_PAR_ENABLED = -10;      // 1 while the object takes part in the control cycle
constexpr int FKT_PAR_HEADER_FIRST = -16;
constexpr int FKT_PAR_HEADER_LAST = -10;
constexpr int FKT_PAR_INPUT = 1024;    // input variable i, field f: 1024 + 6 i + f
constexpr int FKT_INPUT_FIELDS = 6;
constexpr int FKT_PAR_OUTPUT = 2048;   // output variable j: 2048 + 2 j value, + 1 unit
constexpr int FKT_OUTPUT_FIELDS = 2;
constexpr int FKT_PAR_COMMAND = 2560;  // command k: 2560 + k (read: enabled, write: execute)
constexpr int FKT_PAR_SPECIAL = 3328;  // class-specific read-only values
constexpr int FKT_PAR_END = 4096;
// Fields of an input variable, parameter 1024 + 6 i + field.
constexpr int FKT_IN_SOURCE_KIND = 0;
constexpr int FKT_IN_SOURCE_INDEX = 1;
constexpr int FKT_IN_SOURCE_OUTPUT = 2;
constexpr int FKT_IN_OWN_VALUE = 3;
constexpr int FKT_IN_VALUE = 4;  // read-only: the cached value
constexpr int FKT_IN_UNIT = 5;   // read-only

// Where an input variable takes its value from.
enum {
  FKT_SRC_NONE = 0,
  FKT_SRC_OWN = 1,          // the variable's own fixed value
  FKT_SRC_INPUT = 2,        // IO_Inputs[index]
  FKT_SRC_CAN_ANALOG = 3,   // IO_CanAnalogInputs[index]
  FKT_SRC_CAN_DIGITAL = 4,  // IO_CanDigitalInputs[index]
  FKT_SRC_DL = 5,           // IO_DlInputs[index]
  FKT_SRC_FIXED = 6,        // IO_FixedValues[index]
  FKT_SRC_FUNCTION = 7,     // output variable 'output' of function number 'index'
  FKT_SRC_COUNT = 8,
};

// Storage type in bits 0-2 of FKT_ParamDesc::Flags.
constexpr uint16_t FKT_ST_I8 = 0, FKT_ST_I16 = 1, FKT_ST_I32 = 2, FKT_ST_U8 = 3, FKT_ST_U16 = 4, FKT_ST_U32 = 5;

// Further flag bits of FKT_ParamDesc::Flags.
constexpr uint16_t FKT_PF_STORAGE_MASK = 0x0007;
constexpr uint16_t FKT_PF_READONLY = 0x0008;    // not writable through SetParameter
constexpr uint16_t FKT_PF_NOSTORE = 0x0010;     // not part of the function-data image
constexpr uint16_t FKT_PF_CHOICE = 0x0020;      // the value has a choice text
constexpr uint16_t FKT_PF_CHOICE_ALT = 0x0040;  // the value has a choice text (second text set)
constexpr uint16_t FKT_PF_UNUSED = 0x0100;      // number not in use: reads and writes fail
constexpr uint16_t FKT_PF_LIST_UNIT = 0x0200;   // the unit comes from the list value
constexpr uint16_t FKT_PF_STAMP = 0x0400;       // a moment in controller-clock seconds: pages show its date and time

// Flags of SetParameter.
enum {
  FKT_SET_NOTIFY = 0x01,  // log the change and mark the function data as changed
  FKT_SET_LOAD = 0x80,    // value comes from a file or a reset: no change notification
};

// A choice list: texts of the values FirstValue .. FirstValue + NumItems - 1. Byte 12 is the unit. The texts are
// items 0 .. NumItems - 1 of text group TextGroup in the current language; a list without a group (0) has fixed
// texts in papText (names that stay the same in every language). Read them with FKT_ChoiceItemText.
struct FKT_ChoiceList {
  const char16_t* const* papText;
  uint16_t NumItems;
  uint16_t FirstValue;
  uint8_t Unit;
  uint8_t Reserved;
  uint16_t TextGroup;
};
static_assert(offsetof(FKT_ChoiceList, Unit) == 12);

// The 32-byte parameter descriptor.
struct FKT_ParamDesc {
  uint16_t Flags;   // storage type and FKT_PF_* bits
  uint16_t Offset;  // byte offset in the object's parameter block
  int32_t Min;
  int32_t Max;
  int32_t Default;
  uint8_t Unit;     // unit index (values are integers in the unit's smallest step)
  uint8_t Access;   // access level needed to write through the menus: 0 user, 1 technician, 2 expert
  uint16_t Reserved;
  const FKT_ChoiceList* pChoice;  // texts of a choice parameter, else null
};
static_assert(sizeof(FKT_ParamDesc) == 32);

// The 24-byte record that binds one input variable of an object to its source and caches the value.
struct FKT_InputVar {
  uint8_t SourceKind;     // FKT_SRC_*
  uint8_t Unit;           // unit index of the cached value
  uint16_t SourceIndex;   // table index, or function number for FKT_SRC_FUNCTION
  uint16_t SourceOutput;  // output variable of the source function
  uint16_t Flags;         // bit 0: the last pull found no valid source
  int32_t OwnValue;       // value used for FKT_SRC_OWN
  int32_t Value;          // cached value of the last pull
  int32_t Default;        // value used while the source is missing
  int32_t Reserved;
};
static_assert(sizeof(FKT_InputVar) == 24);

// Type codes of the fixed objects (function modules are 1..41, 0 an empty slot).
enum {
  FKT_TYPE_EMPTY = 0,
  FKT_TYPE_MESSAGE = 24,
  FKT_TYPE_MAX_FUNCTION = 41,
  FKT_TYPE_INPUT = -2,
  FKT_TYPE_OUTPUT = -3,
  FKT_TYPE_FIXED_VALUE = -4,
  FKT_TYPE_DL_INPUT = -5,
  FKT_TYPE_DL_OUTPUT = -6,
  FKT_TYPE_CAN_ANALOG_INPUT = -7,
  FKT_TYPE_CAN_DIGITAL_INPUT = -8,
  FKT_TYPE_CAN_ANALOG_OUTPUT = -9,
  FKT_TYPE_CAN_DIGITAL_OUTPUT = -10,
  FKT_TYPE_LOG_ANALOG = -11,
  FKT_TYPE_LOG_DIGITAL = -12,
  FKT_TYPE_SET_GENERAL = -13,
  FKT_TYPE_SET_CAN = -14,
  FKT_TYPE_ANTI_SEIZE = -21,
};

// 10 to the power n for n 0..6, else 1.
int32_t PAR_PowerOfTen(int n);
