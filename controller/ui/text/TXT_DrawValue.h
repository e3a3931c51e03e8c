// Drawing value texts at the current text position with the GUI's text routines (under the GUI lock, as
// every caller of the screens' callbacks holds it).
#pragma once
#include <cstdint>

// The value's presentation as TXT_FormatValue writes it, with these differences: a room-sensor value shows
// its temperature only, two percentages their high one only. Decimals -1 = the unit's, -2 = the integer
// part and a point, 0 or more = that many.
void TXT_DrawValue(int32_t Value, int Unit, int Decimals);
// TXT_DrawValue with the second line of a room-sensor value (the drawing starts half a line higher, the mode
// one line below the temperature) and the second percentage of a two-percentage value.
void TXT_DrawValueLines(int32_t Value, int Unit, int Decimals);
// The value with its unit text ending at the current position; room-sensor values and two percentages take
// two lines like TXT_DrawValueLines.
void TXT_DrawValueRight(int32_t Value, int Unit);
// TXT_DrawValue, then the room-sensor mode or the low percentage right-aligned at the starting x, 21 pixels
// lower. The text alignment is left as it was.
void TXT_DrawValueBelow(int32_t Value, int Unit, int Decimals);
// A number with its natural width.
void TXT_DrawNumber(int32_t Value, int Decimals);

class FUNKTION_BASIS_PAR;
// A parameter of a controller object: the text of its current choice for a choice parameter, else its value
// with its unit; TXT_DrawParameterRight ends the text at the current position.
void TXT_DrawParameter(int Number, const FUNKTION_BASIS_PAR* pObj);
void TXT_DrawParameterRight(int Number, const FUNKTION_BASIS_PAR* pObj);
