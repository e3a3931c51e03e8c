// Shapes in window coordinates.
#include "GUI_Private.h"

void GUI__DrawExit(void) {}
