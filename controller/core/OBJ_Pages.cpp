#include "OBJ_Pages.h"

#include <climits>
#include <cstdio>

#include "FKT_Registry.h"
#include "IO_Objects.h"
#include "SET_Objects.h"

int OBJ_FamilyOfType(int TypeCode) {
  if (TypeCode > 0) return OBJ_FAM_FUNCTION;
  switch (TypeCode) {
    case FKT_TYPE_INPUT: return OBJ_FAM_INPUT;
    case FKT_TYPE_OUTPUT: return OBJ_FAM_OUTPUT;
    case FKT_TYPE_FIXED_VALUE: return OBJ_FAM_FIXED;
    case FKT_TYPE_SET_GENERAL: return OBJ_FAM_GENERAL;
    case FKT_TYPE_SET_CAN: return OBJ_FAM_CAN;
    case FKT_TYPE_CAN_ANALOG_INPUT: return OBJ_FAM_CAN_AI;
    case FKT_TYPE_CAN_DIGITAL_INPUT: return OBJ_FAM_CAN_DI;
    case FKT_TYPE_CAN_ANALOG_OUTPUT: return OBJ_FAM_CAN_AO;
    case FKT_TYPE_CAN_DIGITAL_OUTPUT: return OBJ_FAM_CAN_DO;
    case FKT_TYPE_DL_INPUT: return OBJ_FAM_DL_IN;
    case FKT_TYPE_DL_OUTPUT: return OBJ_FAM_DL_OUT;
    case FKT_TYPE_LOG_ANALOG: return OBJ_FAM_LOG_A;
    case FKT_TYPE_LOG_DIGITAL: return OBJ_FAM_LOG_D;
    default: return -1;
  }
}

namespace {

template <class T, size_t N>
FUNKTION_BASIS_PAR* _At(T (&a)[N], int i) {
  return (i >= 0 && i < (int)N) ? &a[i] : nullptr;
}

}  // namespace

FUNKTION_BASIS_PAR* OBJ_FamilyObject(int Family, int Sub) {
  switch (Family) {
    case OBJ_FAM_FUNCTION: return FKT_GetSlotObject(Sub);
    case OBJ_FAM_INPUT: return _At(IO_Inputs, Sub);
    case OBJ_FAM_OUTPUT: return _At(IO_Outputs, Sub);
    case OBJ_FAM_FIXED: return _At(IO_FixedValues, Sub);
    case OBJ_FAM_GENERAL: return Sub == 0 ? &SET_General : nullptr;
    case OBJ_FAM_CAN: return Sub == 0 ? &SET_Can : nullptr;
    case OBJ_FAM_CAN_AI: return _At(IO_CanAnalogInputs, Sub);
    case OBJ_FAM_CAN_DI: return _At(IO_CanDigitalInputs, Sub);
    case OBJ_FAM_CAN_AO: return _At(IO_CanAnalogOutputs, Sub);
    case OBJ_FAM_CAN_DO: return _At(IO_CanDigitalOutputs, Sub);
    case OBJ_FAM_DL_IN: return _At(IO_DlInputs, Sub);
    case OBJ_FAM_DL_OUT: return _At(IO_DlOutputs, Sub);
    case OBJ_FAM_LOG_A: return _At(LOG_AnalogChannels, Sub);
    case OBJ_FAM_LOG_D: return _At(LOG_DigitalChannels, Sub);
    default: return nullptr;
  }
}

int OBJ_CodeOfParameter(int n) {
  if (n >= 0 && n < 0x80) return OBJ_VC_PARAM + n;
  if (n >= FKT_PAR_INPUT && n < FKT_PAR_INPUT + 16 * FKT_INPUT_FIELDS) {
    int i = (n - FKT_PAR_INPUT) / FKT_INPUT_FIELDS, f = (n - FKT_PAR_INPUT) % FKT_INPUT_FIELDS;
    if (f == FKT_IN_VALUE) return OBJ_VC_IN_VALUE + i;
    if (f == FKT_IN_SOURCE_KIND) return OBJ_VC_IN_KIND + i;
    if (f == FKT_IN_SOURCE_INDEX) return OBJ_VC_IN_INDEX + i;
    return -1;
  }
  if (n >= FKT_PAR_OUTPUT && n < FKT_PAR_OUTPUT + 16 * FKT_OUTPUT_FIELDS && (n - FKT_PAR_OUTPUT) % 2 == 0)
    return OBJ_VC_OUTPUT + (n - FKT_PAR_OUTPUT) / 2;
  if (n >= FKT_PAR_COMMAND && n < FKT_PAR_COMMAND + 8) return OBJ_VC_COMMAND + n - FKT_PAR_COMMAND;
  if (n >= FKT_PAR_SPECIAL && n < FKT_PAR_SPECIAL + 8) return OBJ_VC_SPECIAL + n - FKT_PAR_SPECIAL;
  if (n >= FKT_PAR_HEADER_FIRST && n <= FKT_PAR_HEADER_LAST) return OBJ_VC_HEADER + n - FKT_PAR_HEADER_FIRST;
  return -1;
}

int OBJ_ParameterOfCode(int c) {
  if (c < 0x80) return c;
  if (c < OBJ_VC_IN_KIND) return FKT_PAR_INPUT + (c - OBJ_VC_IN_VALUE) * FKT_INPUT_FIELDS + FKT_IN_VALUE;
  if (c < OBJ_VC_IN_INDEX) return FKT_PAR_INPUT + (c - OBJ_VC_IN_KIND) * FKT_INPUT_FIELDS + FKT_IN_SOURCE_KIND;
  if (c < OBJ_VC_OUTPUT) return FKT_PAR_INPUT + (c - OBJ_VC_IN_INDEX) * FKT_INPUT_FIELDS + FKT_IN_SOURCE_INDEX;
  if (c < OBJ_VC_COMMAND) return FKT_PAR_OUTPUT + (c - OBJ_VC_OUTPUT) * FKT_OUTPUT_FIELDS;
  if (c < OBJ_VC_SPECIAL) return FKT_PAR_COMMAND + c - OBJ_VC_COMMAND;
  if (c < OBJ_VC_NAME) return FKT_PAR_SPECIAL + c - OBJ_VC_SPECIAL;
  if (c >= OBJ_VC_HEADER && c <= OBJ_VC_HEADER + 6) return FKT_PAR_HEADER_FIRST + c - OBJ_VC_HEADER;
  return INT32_MIN;
}

void OBJ_PageParamLine(OBJ_MENU* m, const FUNKTION_BASIS_PAR* p, int Family, int Number) {
  int code = OBJ_CodeOfParameter(Number);
  uint16_t fl = p->GetParameterFlags(Number);
  if (code < 0 || (fl & FKT_PF_UNUSED)) return;
  int level = 0;
  if (Number >= 0 && Number < FKT_PAR_INPUT) level = p->GetParamDesc(Number)->Access;
  if (Number >= FKT_PAR_INPUT && Number < FKT_PAR_OUTPUT) level = 1;
  const FKT_ChoiceList* list = p->GetChoiceList(Number);
  bool choice = list && list->FirstValue == 0 && (fl & (FKT_PF_CHOICE | FKT_PF_CHOICE_ALT));
  if (choice && !(fl & FKT_PF_READONLY)) {
    // A list line: its text shows name and choice, a touch opens the list (at any level; the write checks it).
    m->Rec('v', m->SubIndex, OBJ_ValueIndex(OBJ_VIEW_TEXT, Family, code));
    m->Rec(1, 0, 0);
    return;
  }
  // Code 11: a white line that does nothing when touched; its text names the value.
  m->Rec(11, m->SubIndex, OBJ_ValueIndex(OBJ_VIEW_TEXT, Family, code));
  uint8_t box = (fl & FKT_PF_READONLY) ? 0x21 : (uint8_t)(0x22 + level);
  m->Rec(box, 0, OBJ_ValueIndex(OBJ_VIEW_VALUE, Family, code));
  m->Rec(1, 0, 0);
}

void OBJ_PageLinkLine(OBJ_MENU* m, uint8_t Face, uint8_t Sub, uint16_t MenuIndex) {
  m->Rec(Face, Sub, MenuIndex);
  m->Rec(1, 0, 0);
}

int OBJ_PageParamList(OBJ_MENU* m, const FUNKTION_BASIS_PAR* p, const int* pNumbers, int Count) {
  int fam = OBJ_FamilyOfType(p->GetTypeCode());
  m->Begin(7);
  m->Rec('1', m->SubIndex, OBJ_ValueIndex(OBJ_VIEW_TEXT, fam, OBJ_VC_NAME));
  for (int i = 0; i < Count; i++) OBJ_PageParamLine(m, p, fam, pNumbers[i]);
  return m->End();
}

std::u16string OBJ_ObjectName(const FUNKTION_BASIS_PAR* p) {
  std::u16string s = std::u16string(p->GetClassName());
  char b[16];
  int n = p->GetFunctionNumber() > 0 ? p->GetFunctionNumber() : p->GetTableIndex() + 1;
  if (p->GetTypeCode() != FKT_TYPE_SET_GENERAL && p->GetTypeCode() != FKT_TYPE_SET_CAN) {
    snprintf(b, sizeof(b), " %d", n);
    for (const char* c = b; *c; c++) s += (char16_t)*c;
  }
  if (const char16_t* user = p->GetChoiceText(FKT_PAR_USER_TEXT)) {
    if (*user) {
      s += u": ";
      s += user;
    }
  }
  return s;
}

