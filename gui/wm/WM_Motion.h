// Motion support: drag a window (or what it shows) with the pointer along x or y, let it glide on after a
// fast release with a deceleration (a fling), end movements on multiples of a snap distance, and move a
// window by a distance at a speed. Windows take part through their motion status bits and WM_MOTION.
#pragma once
#include "WM.h"

// WM_MOTION commands (WM_MOTION_INFO::Cmd).
constexpr I32 WM_MOTION_INIT = 0;       // the window may set Flags, Period, SnapX, SnapY
constexpr I32 WM_MOTION_MOVE = 1;       // a step of dx, dy
constexpr I32 WM_MOTION_GETPOS = 2;     // the window reports xPos, yPos
constexpr I32 WM_MOTION_GETCONTEXT = 3; // the window answers its own context in hContext (or nothing)

// WM_MOTION_INFO::Flags.
constexpr U32 WM_MOTION_MANAGE_BY_WINDOW = 0x1; // the window moves its contents itself
constexpr U32 WM_CF_MOTION_X = WM_STATUS_MOTION_X;
constexpr U32 WM_CF_MOTION_Y = WM_STATUS_MOTION_Y;
constexpr U32 WM_CF_MOTION_R = WM_STATUS_MOTION_ROTATE;

struct WM_MOTION_INFO {
  I32 Cmd;
  I32 dx, dy;
  I32 Da;           // a copy of dx made before each WM_MOTION
  I32 xPos, yPos;   // reported for WM_MOTION_GETPOS
  I32 Period;       // ms for a fling to come to rest
  I32 SnapX, SnapY; // 0 = no snapping
  I32 IsFinal;      // 1 while the last step of a movement is delivered
  U32 Flags;
  const GUI_POINTER_STATE* pState; // pointer state of the step, null for timed steps
  GUI_HMEM hContext;               // the window's own context
};

void WM_MOTION_Enable(int OnOff);
void WM_MOTION_SetMoveable(WM_HWIN hWin, U32 Flags, int OnOff);
// Axis 0 = x, 1 = y. Each makes the window movable along the axis first.
void WM_MOTION_SetMotion(WM_HWIN hWin, int Axis, I32 Velocity, I32 Dist);       // timed move by Dist
void WM_MOTION_SetSpeedDecel(WM_HWIN hWin, int Axis, I32 Velocity, I32 Deceleration);
void WM_MOTION_SetSpeed(WM_HWIN hWin, int Axis, I32 Velocity);
void WM_MOTION_SetDeceleration(WM_HWIN hWin, int Axis, I32 Deceleration);
I32 WM_MOTION_SetDefaultPeriod(I32 Period); // -> previous
GUI_HMEM WM_MOTION__CreateContext(void);
void WM_MOTION__DeleteContext(GUI_HMEM hContext);

// Motion arithmetic, 64 bits wide where speeds and distances multiply.
I32 WM_MOTION__Sqrt(I64 v);                                // integer square root (0 for v <= 0)
I32 WM_MOTION__DecelPos(I32 V, I32 A, I32 t);              // distance after t ms: V t - A t^2 / 2
I32 WM_MOTION__Mod(I32 Pos, I32 Snap);                     // Pos reduced into 0..Snap-1
// A fling adjusted to end on a snap multiple: new *pV, *pA for moving in direction Dir from Pos.
void WM_MOTION__SnapFling(I32* pV, I32* pA, I32 Dir, I32 Pos, I32 Snap, I32 Period);
// After a slow release: a short movement to the nearer snap multiple; sets *pV, *pA and *pDir.
void WM_MOTION__SnapRelease(I32* pV, I32* pA, I32* pDir, I32 Pos, I32 Snap, I32 Period);
// The last correction onto a snap multiple once a movement in direction Dir came to rest at Pos.
I32 WM_MOTION__FinalCorrection(I32 Pos, I32 Snap, I32 Dir);
