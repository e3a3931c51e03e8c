// What the text entry's dialog and its painting share.
#pragma once
#include "UI_TextEntry.h"

// The mode without the file-name request, and whether a file name is asked for.
inline int UI_TextEntryBaseMode(int Mode) { return Mode >= UI_TEXT_FILE_NAME ? Mode - UI_TEXT_FILE_NAME : Mode; }
inline int UI_TextEntryWantsFileName(int Mode) { return Mode >= UI_TEXT_FILE_NAME; }
// Characters in the edit buffer.
int UI_TextEntryLength(void);
// Paints the dialog for its record into the selected window.
void UI__TextEntryPaint(const UI_TextEntryParams* p);
