// The device window: our picture of the controller as a window shaped by it, with the LCD window at the
// display position and the status LED; without a picture, a generic frame with a hard key that closes the
// simulator. Hard keys report presses to callbacks. Library-internal except the hard-key operations.
#pragma once
#include <cstdint>

#include "PLAT_Window.h"

typedef void HARDKEY_CB(int Key, int Event);   // Event: 1 pressed, 0 released, 2 the pointer left the key

typedef struct {
  int8_t State;          // 0 released, 1 pressed
  HARDKEY_CB* pfCallback;
  int32_t Toggle;        // 0: push key
  PLAT_HWIN hWin;
} SIM_HARDKEY;

enum { SIM_NUM_HARDKEYS = 129 };
extern SIM_HARDKEY SIM_Hardkeys[SIM_NUM_HARDKEYS];

PLAT_HWIN SIM_CreateDeviceWindow(void);   // also runs SIM_InitHost; 0 on failure
void SIM__FreeDevicePictures(void);       // at the end of the run

int SIM_GetHardkeyState(int n);
HARDKEY_CB* SIM_SetHardkeyCallback(int n, HARDKEY_CB* pfCallback);
int SIM_SetHardkeyToggle(int n, int Mode);
int SIM_SetHardkeyState(int n, int State);
int SIM_GetNumHardkeys(void);

// The LED colour (0xRRGGBB) that a controller LED code shows.
uint32_t SIM__GetLEDColor(int Code);
// Test support: builds the device window from a picture given here instead of our own (0: the generic frame;
// a negative size goes back to our own).
void SIM__SetDevicePicture(const uint32_t* pPixels, int xSize, int ySize);
