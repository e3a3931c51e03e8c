// The user designation list as the screens see it: the controller's 100 user names (stored with the
// function data) as a group of texts.
#pragma once
#include "FKT_Base.h"
#include "TXT_Table.h"

enum {
  TXT_NUM_USER_DESIGNATIONS = FKT_NUM_USER_TEXTS,
  TXT_USER_DESIGNATION_CHARS = FKT_USER_TEXT_LEN - 1, // characters of a name, the terminator not counted
};

// The list as a group of texts (usable wherever a group of item texts is expected); all 100 items.
extern const TXT_GROUP TXT_UserDesignations;

// The writable name slot i (TXT_USER_DESIGNATION_CHARS + 1 units), null outside 0..99.
char16_t* TXT_GetUserDesignation(int Index);
// Stores a name, cut to TXT_USER_DESIGNATION_CHARS characters; returns 0, or -1 for a bad index.
int TXT_SetUserDesignation(int Index, const char16_t* pName);
