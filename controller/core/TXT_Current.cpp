#include "TXT_Current.h"

TXT_TABLE* TXT_CurrentTable = nullptr;
const char16_t TXT_EmptyText[1] = {0};

namespace {

const TXT_GROUP* _Group(TXT_TABLE* pTable, int Group) {
  if (pTable == nullptr || Group < 0 || Group >= TXT_UI_NUM_GROUPS) {
    return nullptr;
  }
  return pTable[Group];
}

const char16_t* _Item(const TXT_GROUP* pGroup, int Item) {
  if (pGroup == nullptr || Item < 0 || Item >= pGroup->NumItems || pGroup->papText[Item] == nullptr) {
    return nullptr;
  }
  return pGroup->papText[Item];
}

} // namespace

const TXT_GROUP* TXT_GetGroup(int Group) {
  return _Group(TXT_CurrentTable ? TXT_CurrentTable : TXT_EnglishTable, Group);
}

int TXT_GetItemCount(int Group) {
  const TXT_GROUP* pGroup = TXT_GetGroup(Group);
  return pGroup ? pGroup->NumItems : 0;
}

const char16_t* TXT_GetText(int Group, int Item) {
  const char16_t* pText = _Item(_Group(TXT_CurrentTable, Group), Item);
  if (pText == nullptr) {
    pText = _Item(_Group(TXT_EnglishTable, Group), Item);
  }
  return pText ? pText : TXT_EmptyText;
}
