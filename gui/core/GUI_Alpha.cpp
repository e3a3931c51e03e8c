// Alpha blending and colour mixing.
#include "GUI_Private.h"

void (*GUI__pfMEMDEV_SetAlphaHook)(GUI_ALPHA_HOOK pfHook);
const GUI_DEVICE_API* (*GUI__pfGetMemdevAPI)(int BitsPerPixel);

void GUI__AlphaExit(void) {}
