// A controller object for the label and parameter-drawing tests: parameter 0 a value with a unit,
// parameter 1 a choice, a designation list of its own.
#pragma once
#include <new>

#include "FKT_Registry.h"

class TxtTestObject : public FUNKTION_BASIS_PAR {
public:
  static constexpr int kType = 40;
  explicit TxtTestObject(int Slot = 0) : FUNKTION_BASIS_PAR(kType, Slot) {}
  static FUNKTION_BASIS_PAR* Construct(void* pMem, int Slot) { return new (pMem) TxtTestObject(Slot); }

  const char16_t* GetClassName() const override { return u"Test object"; }
  int32_t GetParameter(int Number) const override {
    return Number == 0 ? Value : Number == 1 ? Choice : FUNKTION_BASIS_PAR::GetParameter(Number);
  }
  uint16_t GetParameterFlags(int Number) const override {
    return Number == 0 ? 0 : Number == 1 ? FKT_PF_CHOICE : FUNKTION_BASIS_PAR::GetParameterFlags(Number);
  }
  uint8_t GetParameterUnit(int Number) const override { return Number == 0 ? Unit : 0; }
  const FKT_ChoiceList* GetChoiceList(int Number) const override {
    if (Number == FKT_PAR_DESIGNATION) {
      return HasList ? &List : nullptr;
    }
    return FUNKTION_BASIS_PAR::GetChoiceList(Number);
  }
  const char16_t* GetChoiceText(int Number) const override {
    if (Number == 1) {
      return Choice == 0 ? u"Auto" : Choice == 1 ? u"Manual" : nullptr;
    }
    if (Number == FKT_PAR_DESIGNATION) {
      return Designation;
    }
    if (Number == FKT_PAR_USER_TEXT) {
      return UserText;
    }
    return FUNKTION_BASIS_PAR::GetChoiceText(Number);
  }

  int32_t Value = 215;
  uint8_t Unit = 1;
  int32_t Choice = 1;
  bool HasList = true;
  const char16_t* Designation = u"Collector";
  const char16_t* UserText = u"Roof";
  FKT_ChoiceList List{};
};
