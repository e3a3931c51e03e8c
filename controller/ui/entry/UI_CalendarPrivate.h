// What the calendar's dialog and its painting share.
#pragma once
#include "UI_Calendar.h"

// Paints the dialog for its record into the selected window.
void UI__CalendarPaint(const UI_CalendarParams* p);
