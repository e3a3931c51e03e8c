// FUNKTION_BASIS_PAR: the base class of every configurable controller object (function modules, inputs,
// outputs, fixed values, bus inputs and outputs, logging channels, settings). Every value of an object is reached
// by one parameter number (FKT_Types.h); the control cycle calls the hooks in the order
// PullInputs, PreStep, ControlStep, PostStep, ApplyOutputs, AfterOutput.
#pragma once
#include <cstdint>
#include <string>

#include "FKT_Types.h"

struct DAT_WRITER;
struct DAT_READER;
struct OBJ_MENU;

class FUNKTION_BASIS_PAR {
 public:
  FUNKTION_BASIS_PAR(int TypeCode, int TableIndex);
  virtual ~FUNKTION_BASIS_PAR() = default;
  FUNKTION_BASIS_PAR(const FUNKTION_BASIS_PAR&) = delete;
  FUNKTION_BASIS_PAR& operator=(const FUNKTION_BASIS_PAR&) = delete;

  // Value pool and control cycle.
  virtual int GetPoolWordCount() const { return 0; }
  virtual void ControlStep() {}
  virtual void PreStep() {}
  virtual void PostStep() {}
  virtual void ApplyOutputs() {}
  virtual void AfterOutput() {}
  virtual void OnPoolAssigned() {}  // after a (new) pool block was handed out

  // Parameters by number.
  virtual int32_t GetParameter(int Number) const;
  // Checked write: number in use and writable, value within the (dynamic) limits. 1 written, 0 refused.
  virtual int SetParameter(int Number, int32_t Value, int Flags);
  // Unchecked write of the stored value (module parameters and the writable header fields), 1 done, 0 no such field.
  virtual int SetParameterRaw(int Number, int32_t Value);
  virtual uint16_t GetParameterFlags(int Number) const;
  virtual int GetLimits(int Number, int32_t* pMin, int32_t* pMax) const;  // 1 when Number has limits
  virtual uint8_t GetParameterUnit(int Number) const;
  virtual const FKT_ChoiceList* GetChoiceList(int Number) const;
  virtual const char16_t* GetChoiceText(int Number) const;  // text of the current value, null when none
  virtual const char16_t* GetParameterName(int Number) const;
  virtual const char16_t* GetClassName() const = 0;
  virtual const char16_t* GetStatusText(int Command) const;  // label of command k
  virtual int SetCommand(int Command, int32_t Value, int Flags);  // 1 executed, 0 refused
  virtual int IsCommandEnabled(int Command) const;
  virtual int32_t GetSpecialValue(int Index) const;
  virtual uint8_t GetSpecialUnit(int Index) const { return 0; }
  virtual void OnParameterChanged(int Number, int32_t OldValue) {}

  // Parameter table, input and output variables of the class.
  virtual const FKT_ParamDesc* GetParamTable(int* pCount) const;
  virtual void* GetParamBlock() { return nullptr; }
  const void* GetParamBlockConst() const { return const_cast<FUNKTION_BASIS_PAR*>(this)->GetParamBlock(); }
  virtual FKT_InputVar* GetInputVars(int* pCount);
  virtual const char16_t* GetInputName(int Index) const;
  virtual int GetOutputCount() const { return 0; }
  virtual int32_t GetOutputValue(int Index) const { return 0; }
  virtual uint8_t GetOutputUnit(int Index) const { return 0; }
  virtual const char16_t* GetOutputName(int Index) const;
  virtual int GetCommandCount() const { return 0; }
  virtual int GetSpecialCount() const { return 0; }

  // Menu pages that the object serves (page number within its menu family). Returns bytes written, 0 = none.
  virtual int GetPageDescription(int Page, OBJ_MENU* pMenu);
  // Title of one of the object's pages; null when the page goes by the object's name.
  virtual const char16_t* GetPageTitle(int /*Page*/) const { return nullptr; }

  // Stored form in the function-data image and loading back. Load must leave the object valid on any input. A
  // record is malformed when it is cut short or a value lies outside its limits. Apply 0 only reads the record
  // through, checking its form and each value against its static range, and leaves the object as it is; the limits
  // that values set for one another (a minimum above its maximum) show once they are in place, so a file is checked
  // whole by loading it into detached objects of its classes before anything changes. 1 well-formed (and loaded),
  // 0 malformed.
  virtual void StoreToImage(DAT_WRITER* pWriter) const;
  virtual int LoadFromImage(DAT_READER* pReader, int Apply);
  virtual void ResetToDefaults();

  // Retained values survive a reload of the function data (counters, states).
  virtual void SaveRetained() {}
  virtual void RestoreRetained() {}

  // Pulls every input variable from its source (start of the object's control step).
  void PullInputs();

  int GetTypeCode() const { return _TypeCode; }
  int GetTableIndex() const { return _TableIndex; }
  int GetFunctionNumber() const { return _Number; }
  void SetFunctionNumber(int Number) { _Number = (int16_t)Number; }
  uint32_t* GetPoolBlock() const { return _pPool; }
  uint32_t GetPoolWord(int i) const { return (_pPool && i >= 0 && i < _PoolWords) ? _pPool[i] : 0; }
  void SetPoolWord(int i, uint32_t v) {
    if (_pPool && i >= 0 && i < _PoolWords) _pPool[i] = v;
  }
  void AssignPool(uint32_t* pBlock, int Words) {
    _pPool = pBlock;
    _PoolWords = pBlock ? Words : 0;
    OnPoolAssigned();
  }
  bool IsEnabled() const { return _Enabled != 0; }
  const FKT_ParamDesc* GetParamDesc(int Number) const;

 protected:
  int32_t _ReadStored(const FKT_ParamDesc* pDesc) const;
  // 1 when every stored value lies within the limits GetLimits states for it now.
  int _WithinLimits() const;
  void _WriteStored(const FKT_ParamDesc* pDesc, int32_t Value);

  int16_t _TypeCode;
  int16_t _TableIndex;
  int16_t _Designation = 0;
  int16_t _UserText = 0;
  int16_t _Number = -1;
  uint8_t _Enabled = 1;
  uint32_t* _pPool = nullptr;
  int _PoolWords = 0;
};

// Called for every accepted SetParameter with FKT_SET_NOTIFY; the change log installs itself here.
extern void (*FKT_pfParameterChanged)(FUNKTION_BASIS_PAR* pObj, int Number, int32_t OldValue, int32_t NewValue);

// The user designation list: 100 names of up to 24 UTF-16 characters, stored with the function data.
enum { FKT_NUM_USER_TEXTS = 100, FKT_USER_TEXT_LEN = 25 };
extern char16_t FKT_UserDesignations[FKT_NUM_USER_TEXTS][FKT_USER_TEXT_LEN];

// Designations that header field -14 chooses from; 0 is none (GetChoiceText answers null).
extern const FKT_ChoiceList FKT_DesignationList;
// Text of item i (value FirstValue + i) of a choice list in the current language; null when i lies outside.
const char16_t* FKT_ChoiceItemText(const FKT_ChoiceList* pList, int Item);
// Name of the header fields that every object has and the user sets: "Designation" (-14), "User designation"
// (-13), "Enabled" (-10), in the current language; null for other numbers.
const char16_t* FKT_HeaderFieldName(int Number);
// Name of a value that the user sets, in the current language and without the value: a parameter's own name (else
// "Parameter n"), a header field's name, or for every field of an input binding the input variable's name (else
// "Input variable i"). Empty for the other numbers.
std::u16string FKT_SettingName(const FUNKTION_BASIS_PAR* pObj, int Number);

// Decimals of each unit index (0..67); unknown units have 0.
int PAR_UnitDecimals(int Unit);
