#include "OBJ_Pages.h"

#include <climits>
#include <cstdio>

#include "FKT_Registry.h"
#include "IO_Objects.h"
#include "SET_Objects.h"

namespace {

// Type code of the fixed objects of each family (the function family is reached by slot).
const int _aFamilyType[OBJ_NUM_FAMILIES] = {
    0, FKT_TYPE_INPUT, FKT_TYPE_OUTPUT, FKT_TYPE_FIXED_VALUE, FKT_TYPE_SET_GENERAL, FKT_TYPE_SET_CAN, 0,
    FKT_TYPE_CAN_ANALOG_INPUT, FKT_TYPE_CAN_DIGITAL_INPUT, FKT_TYPE_CAN_ANALOG_OUTPUT, FKT_TYPE_CAN_DIGITAL_OUTPUT,
    FKT_TYPE_DL_INPUT, FKT_TYPE_DL_OUTPUT, FKT_TYPE_LOG_ANALOG, FKT_TYPE_LOG_DIGITAL};

}  // namespace

int OBJ_FamilyOfType(int TypeCode) {
  if (TypeCode > 0) return OBJ_FAM_FUNCTION;
  for (int f = 0; f < OBJ_NUM_FAMILIES; f++)
    if (TypeCode && _aFamilyType[f] == TypeCode) return f;
  return -1;
}

FUNKTION_BASIS_PAR* OBJ_FamilyObject(int Family, int Sub) {
  if (Family == OBJ_FAM_FUNCTION) return FKT_GetSlotObject(Sub);
  if (Family < 0 || Family >= OBJ_NUM_FAMILIES || !_aFamilyType[Family]) return nullptr;
  return IO_FindFixedObject(_aFamilyType[Family], Sub);
}

int OBJ_CodeOfParameter(int n) {
  if (n >= 0 && n < 0x80) return OBJ_VC_PARAM + n;
  if (n >= FKT_PAR_INPUT && n < FKT_PAR_INPUT + 16 * FKT_INPUT_FIELDS) {
    int i = (n - FKT_PAR_INPUT) / FKT_INPUT_FIELDS, f = (n - FKT_PAR_INPUT) % FKT_INPUT_FIELDS;
    if (f == FKT_IN_VALUE) return OBJ_VC_IN_VALUE + i;
    if (f == FKT_IN_SOURCE_KIND) return OBJ_VC_IN_KIND + i;
    if (f == FKT_IN_SOURCE_INDEX) return OBJ_VC_IN_INDEX + i;
    if (f == FKT_IN_OWN_VALUE) return OBJ_VC_IN_OWN + i;
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
  if (c >= OBJ_VC_IN_OWN && c < OBJ_VC_IN_OWN + 16)
    return FKT_PAR_INPUT + (c - OBJ_VC_IN_OWN) * FKT_INPUT_FIELDS + FKT_IN_OWN_VALUE;
  if (c >= OBJ_VC_HEADER && c <= OBJ_VC_HEADER + 6) return FKT_PAR_HEADER_FIRST + c - OBJ_VC_HEADER;
  return INT32_MIN;
}

void OBJ_PageParamLine(OBJ_MENU* m, const FUNKTION_BASIS_PAR* p, int Family, int Number) {
  // A binding to the variable's own value has no table to index: its line sets the own value instead.
  if (Number >= FKT_PAR_INPUT && Number < FKT_PAR_OUTPUT &&
      (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS == FKT_IN_SOURCE_INDEX &&
      p->GetParameter(Number - FKT_IN_SOURCE_INDEX + FKT_IN_SOURCE_KIND) == FKT_SRC_OWN)
    Number += FKT_IN_OWN_VALUE - FKT_IN_SOURCE_INDEX;
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
  const char16_t* label = p->GetChoiceText(FKT_PAR_USER_TEXT);
  if ((!label || !*label) && p->GetParameter(FKT_PAR_DESIGNATION) > 0) label = p->GetChoiceText(FKT_PAR_DESIGNATION);
  if (label && *label) {
    s += u": ";
    s += label;
  }
  return s;
}

