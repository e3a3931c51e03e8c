// Building blocks of the menu pages that objects serve (GetPageDescription), shared by every object class.
#pragma once
#include <cstdint>
#include <string>

#include "OBJ_Map.h"
#include "OBJ_Menu.h"

class FUNKTION_BASIS_PAR;

// Family of an object by its type code (OBJ_FAM_*), -1 when it has none.
int OBJ_FamilyOfType(int TypeCode);
// The object that a family and sub-index name, null when none.
FUNKTION_BASIS_PAR* OBJ_FamilyObject(int Family, int Sub);
// Name of an object as the menus show it: "Input 3", "Message 5: <user designation>".
std::u16string OBJ_ObjectName(const FUNKTION_BASIS_PAR* pObj);
// Value code of a parameter number, -1 when the number has none.
int OBJ_CodeOfParameter(int Number);
// Parameter number of a value code, INT32_MIN when the code names no parameter.
int OBJ_ParameterOfCode(int Code);

// A value line for one parameter of the object shown on the page (records relative to the page's sub-index):
// choice parameters become list lines ('v'), read-only ones a line with a read-only box, others a line with an
// editable box whose code carries the access level the parameter needs. The line of an input's source index sets
// the input's own value while the input is bound to it.
void OBJ_PageParamLine(OBJ_MENU* pMenu, const FUNKTION_BASIS_PAR* pObj, int Family, int Number);
// A line linking to a menu (its text is the menu's title). Faces other than 11 open their link when touched; a
// line that links to the page it stands on shows the page's title and does nothing when touched.
void OBJ_PageLinkLine(OBJ_MENU* pMenu, uint8_t Face, uint8_t Sub, uint16_t MenuIndex);
// Kind-7 page of an object: its name as a text line, then the given parameter lines.
int OBJ_PageParamList(OBJ_MENU* pMenu, const FUNKTION_BASIS_PAR* pObj, const int* pNumbers, int Count);
