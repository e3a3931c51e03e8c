// The host's running log of errors, warnings and messages, and the window that shows it.
#pragma once
#include "PLAT_Window.h"

enum { LOG_MAX_CHARS = 5000 };

PLAT_HWIN LOG_Create(PLAT_HWIN hParent, int x, int y, int xSize, int ySize);
PLAT_HWIN LOG_GetWindow(void);
void LOG_Clear(void);
// Appends one entry from any thread: a line break, the time in ms, and the text; Red marks the text red.
void LOG_AddEntry(int Red, const char* s);
int LOG_GetText(char* pBuffer, int BufferSize);  // copy of the log text; returns its length
