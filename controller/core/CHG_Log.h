// The change log "M0:\change.log": UTF-16 text lines with date, time and the change ("old -> new"), and a line
// at every controller start.
#pragma once
#include <cstdint>

class FUNKTION_BASIS_PAR;

extern const char CHG_LogPath[];  // "M0:\change.log"
enum { CHG_MAX_FILE_BYTES = 256 * 1024 };  // a longer log is moved to "change.bak" and started afresh

// Appends "<date> <time> <what>: <old> -> <new>".
int CHG_WriteChange(const char16_t* sWhat, const char16_t* sOld, const char16_t* sNew);
// Appends "<date> <time> -- Regler Neustart".
int CHG_WriteRestart();
// Hook for FKT_pfParameterChanged: logs a parameter change and marks the function data as changed.
void CHG_ParameterChanged(FUNKTION_BASIS_PAR* pObj, int Number, int32_t OldValue, int32_t NewValue);
// Text of a parameter value: its choice text, else the number with the unit's decimals.
void CHG_FormatValue(const FUNKTION_BASIS_PAR* pObj, int Number, int32_t Value, char16_t* pBuf, int BufLen);
