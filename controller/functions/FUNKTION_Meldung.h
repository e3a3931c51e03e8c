// The message function (type code 24): raises a message from its trigger input, keeps it until it is reset, and
// lets the screens show and acknowledge it.
//   parameter 0  time the message became active (controller clock, seconds)
//   parameter 1  kind 0-3 (choice with texts)
//   parameter 2  pop-up 0/1: whether the screens open a pop-up
//   parameter 3  priority 1-10
//   pool word 0  non-zero while the message is active
//   pool word 8  non-zero while the pop-up waits for the user's acknowledgement
//   pool word 11 set to 1 by the title bar: acknowledge at the next control step
//   pool word 12 bits 0-2: commands 0-2 enabled
//   command 0 "Acknowledge" (the pop-up), 1 "Reset" (ends the message), 2 "Hide" (pop-up away, message stays)
#pragma once
#include "FKT_Base.h"
#include "TXT_Current.h"

constexpr int MSG_PAR_TIME = 0;
constexpr int MSG_PAR_KIND = 1;
constexpr int MSG_PAR_POPUP = 2;
constexpr int MSG_PAR_PRIORITY = 3;
constexpr int MSG_POOL_ACTIVE = 0;
constexpr int MSG_POOL_PENDING = 8;
constexpr int MSG_POOL_ACK_REQUEST = 11;
constexpr int MSG_POOL_COMMANDS = 12;
constexpr int MSG_POOL_WORDS = 16;
constexpr int MSG_CMD_ACKNOWLEDGE = 0;
constexpr int MSG_CMD_RESET = 1;
constexpr int MSG_CMD_HIDE = 2;

class FUNKTION_Meldung : public FUNKTION_BASIS_PAR {
 public:
  explicit FUNKTION_Meldung(int Slot);
  const char16_t* GetClassName() const override { return TXT_GetText(TXT_GROUP_CLASSES, TXT_CLASSES_MESSAGE); }
  int GetPoolWordCount() const override { return MSG_POOL_WORDS; }
  const FKT_ParamDesc* GetParamTable(int* pCount) const override;
  void* GetParamBlock() override { return &_Par; }
  const char16_t* GetParameterName(int Number) const override;
  FKT_InputVar* GetInputVars(int* pCount) override {
    *pCount = 1;
    return &_Trigger;
  }
  const char16_t* GetInputName(int Index) const override {
    return Index == 0 ? TXT_GetText(TXT_GROUP_SERVER, TXT_SERVER_TRIGGER) : nullptr;
  }
  int GetLimits(int Number, int32_t* pMin, int32_t* pMax) const override;
  void ControlStep() override;
  int GetOutputCount() const override { return 1; }
  int32_t GetOutputValue(int Index) const override { return Index == 0 ? (GetPoolWord(MSG_POOL_ACTIVE) != 0) : 0; }
  const char16_t* GetOutputName(int Index) const override {
    return Index == 0 ? TXT_GetText(TXT_GROUP_SERVER, TXT_SERVER_MESSAGE_ACTIVE) : nullptr;
  }
  int GetCommandCount() const override { return 3; }
  int IsCommandEnabled(int Command) const override;
  const char16_t* GetStatusText(int Command) const override;
  int SetCommand(int Command, int32_t Value, int Flags) override;
  int GetPageDescription(int Page, OBJ_MENU* pMenu) override;
  struct PARAMS {
    uint32_t Time;
    uint8_t Kind, Popup, Priority, Reserved;
  };

 private:
  void _UpdateCommandBits();
  PARAMS _Par{};
  FKT_InputVar _Trigger{};
  int32_t _LastTrigger = 0;
};

// Registers the function classes of this controller with the factory (call once at start-up, before data loads).
void FKT_InstallFunctionModules();
