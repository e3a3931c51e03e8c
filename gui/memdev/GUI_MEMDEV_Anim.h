// Timed animations built from memory devices: the cross-fade of two devices, the seven window transitions
// (fade in and out, move in and out, shift in and out, push in) and the timed fade or blur of the background
// behind a window. Every animation paces itself by the GUI clock, so its duration is its period however long
// a frame takes, waits without holding the GUI lock between frames, and leaves the window manager in the
// state the operation implies.
#pragma once

#include "GUI_MEMDEV.h"
#include "WM.h"

// One routine sees every frame of the animations that honour it: the time left in ms (0 or below on the
// last frame) and the user value; nonzero stops the animation after the frame just shown. Null: none.
typedef int GUI_MEMDEV_ANIMATION_CALLBACK(int TimeRem, void* pVoid);
void GUI_MEMDEV_SetAnimationCallback(GUI_MEMDEV_ANIMATION_CALLBACK* pfHook, void* pVoid);

// Cross-fade of two 32-bit devices of equal size and position: In goes from hMem1 to hMem0, Out from hMem0
// to hMem1. 0 done, 1 refused.
int GUI_MEMDEV_FadeInDevices(GUI_HMEM hMem0, GUI_HMEM hMem1, int Period);
int GUI_MEMDEV_FadeOutDevices(GUI_HMEM hMem0, GUI_HMEM hMem1, int Period);

// Window transitions; 0 when frames were shown, 1 when the pictures could not be made (the window is then
// shown or hidden all the same). Directions: 0 left, 1 right, 2 top, 3 bottom. Angles in degrees.
int GUI_MEMDEV_FadeInWindow(WM_HWIN hWin, int Period);
int GUI_MEMDEV_FadeOutWindow(WM_HWIN hWin, int Period);
int GUI_MEMDEV_MoveInWindow(WM_HWIN hWin, int x, int y, int Angle, int Period);
int GUI_MEMDEV_MoveOutWindow(WM_HWIN hWin, int x, int y, int Angle, int Period);
int GUI_MEMDEV_ShiftInWindow(WM_HWIN hWin, int Period, int Direction);
int GUI_MEMDEV_ShiftOutWindow(WM_HWIN hWin, int Period, int Direction);
int GUI_MEMDEV_PushInWindow(WM_HWIN hWin, int Period, int Direction);

// The background behind a window fades toward a colour, or is blurred (level 1 .. 10) and optionally faded,
// while the window stays sharp; the window is shown. 0 done, 1 when a device could not be made.
int GUI_MEMDEV_BlendWinBk(WM_HWIN hWin, int Period, GUI_COLOR Color, U8 Intensity);
int GUI_MEMDEV_BlurWinBk(WM_HWIN hWin, int Period, U8 BlurLevel);
int GUI_MEMDEV_BlurAndBlendWinBk(WM_HWIN hWin, int Period, U8 BlurLevel, GUI_COLOR Color, U8 Intensity);

//
// Shared by the animations
//
// Intensity ramps: 0 .. 255 over the period (a period of 0 gives the end value).
int GUI_MEMDEV__FadeInRamp(int Period, int Elapsed);
int GUI_MEMDEV__FadeOutRamp(int Period, int Elapsed);
// hDst (at least hFG's size) = hFG's pixels mixed by their opacity times Intensity / 255 over the pixels of
// hBG from (xOff, yOff) on; parts of hFG beside hBG are taken as they are. All three 32-bit.
void GUI_MEMDEV__BlendDevices(GUI_HMEM hFG, GUI_HMEM hBG, GUI_HMEM hDst, U8 Intensity);
void GUI_MEMDEV__BlendDevicesAt(GUI_HMEM hFG, GUI_HMEM hBG, GUI_HMEM hDst, U8 Intensity, int xOff, int yOff);
// The desktop is cut to the display for the duration of an animation and given its size back afterwards.
void GUI_MEMDEV__LimitDesktopSize(I32* pSaved);
void GUI_MEMDEV__RestoreDesktopSize(const I32* pSaved);
