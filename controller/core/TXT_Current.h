// The current language's text table and the look-up of a text by group and item. The screens build the table
// of the chosen language and publish it in TXT_CurrentTable; the controller's own texts (menu titles, object,
// parameter and choice names) are looked up here as well, so everything the controller serves follows the
// language. Before a table is built (a controller without screens) the look-up answers the English texts.
#pragma once
#include <cstdint>

#include "TXT_Groups.h"

// One group of a built table. A text table holds texts; a single table of plain values holds numbers.
struct TXT_GROUP {
  union {
    const char16_t** papText;
    const uint32_t* paValue;
  };
  uint16_t NumItems;
  uint16_t Extra;
};

// A built table starts with one pointer per group: pTable[g] is group g.
typedef TXT_GROUP* TXT_TABLE;

// A text by number: item Item of group Group.
struct TXT_ID {
  int16_t Group;
  int16_t Item;
};

extern TXT_TABLE* TXT_CurrentTable;          // the current language's table, null until one was built
extern TXT_TABLE* const TXT_EnglishTable;    // the English texts compiled into the controller (generated)
extern const char16_t TXT_EmptyText[1];      // the shared empty text

// Group g of the current table (of the English table while none is built), null when there is no such group.
const TXT_GROUP* TXT_GetGroup(int Group);
int TXT_GetItemCount(int Group);  // 0 for a missing group
// Item i of group g of the current table; the English text when the current table lacks it; the shared empty
// text when neither has it. Never null.
const char16_t* TXT_GetText(int Group, int Item);
inline const char16_t* TXT_GetText(TXT_ID Id) { return TXT_GetText(Id.Group, Id.Item); }
