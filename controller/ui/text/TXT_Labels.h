// Labels of the controller's objects for designation requests: which = 0 the designation, 1 the user text,
// any other value null. An index outside the object table also gives null.
#pragma once

const char16_t* TXT_GetInputsLabel(int Index, int Which);
const char16_t* TXT_GetOutputsLabel(int Index, int Which);
const char16_t* TXT_GetDLInputsLabel(int Index, int Which);
const char16_t* TXT_GetDLOutputsLabel(int Index, int Which);
const char16_t* TXT_GetFixwerteLabel(int Index, int Which);
const char16_t* TXT_GetCANAInputsLabel(int Index, int Which);
const char16_t* TXT_GetCANDInputsLabel(int Index, int Which);
const char16_t* TXT_GetCANAOutputsLabel(int Index, int Which);
const char16_t* TXT_GetCANDOutputsLabel(int Index, int Which);
// System-value groups: the designation is item Item of their text group, the user text empty.
const char16_t* TXT_GetSystemValuesLabel(int Item, int Which);
// User functions by slot; slot -1 (and an empty slot) is "unused" without a user text.
const char16_t* TXT_GetFunctionLabel(int Slot, int Which);

class FUNKTION_BASIS_PAR;
// The label of one input, output, fixed value or bus object (the tables' functions above use it).
const char16_t* TXT__GetObjectLabel(const FUNKTION_BASIS_PAR* pObj, int Which);
