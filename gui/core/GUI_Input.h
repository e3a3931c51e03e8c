// Key and pointer input stores.
//
// The host (any thread) stores keys and pointer states here; the window manager takes them out in the
// application thread. Seams toward the window manager, which installs them at its start-up:
//   GUI__pfOnKey                   delivers a stored key message (WM_OnKey) for GUI_PollKeyMsg
//   GUI__pfDefaultPointerHandler   the window manager's pointer handler; GUI_POINTER_StoreState makes it
//                                  the active pointer hook GUI_pfHandlePointer, which WM_Exec calls
#pragma once

#include "GUI_Type.h"

// Key codes.
#define GUI_KEY_BACKSPACE 8
#define GUI_KEY_TAB 9
#define GUI_KEY_BACKTAB 10
#define GUI_KEY_ENTER 13
#define GUI_KEY_LEFT 16
#define GUI_KEY_UP 17
#define GUI_KEY_RIGHT 18
#define GUI_KEY_DOWN 19
#define GUI_KEY_HOME 23
#define GUI_KEY_END 24
#define GUI_KEY_SHIFT 25
#define GUI_KEY_CONTROL 26
#define GUI_KEY_ESCAPE 27
#define GUI_KEY_INSERT 29
#define GUI_KEY_DELETE 30
#define GUI_KEY_SPACE 32
#define GUI_KEY_PGUP 33
#define GUI_KEY_PGDOWN 34

// Keys. The pending key is a single slot for GUI_GetKey/GUI_WaitKey; key messages queue for the window
// manager in a buffer of GUI_KEY_MSG_BUFFER_SIZE slots (when it is full the newest replaces the last slot).
#define GUI_KEY_MSG_BUFFER_SIZE 11
void GUI_StoreKey(int Key);                  // pending unless one is pending; signals
void GUI_StoreKeyMsg(int Key, int PressedCnt); // queues; a press also becomes the pending key; signals
int GUI_GetKey(void);                        // takes the pending key (0 none)
int GUI_WaitKey(void);                       // runs GUI_Exec and waits until a key is pending
void GUI_ClearKeyBuffer(void);
int GUI_PollKeyMsg(void);                    // delivers the oldest key message -> 1 when one was delivered
int GUI_GetKeyMsgCnt(void);
extern int (*GUI__pfOnKey)(int Key, int PressedCnt);

// Events: GUI_SignalEvent wakes a task waiting in GUI_WaitEvent (through the host's event hooks).
void GUI_SignalEvent(void);
void GUI_WaitEvent(void); // waits once with the GUI lock fully released, also when the caller holds it

// Pointer: a ring of GUI_POINTER_NUM_STATES states. When it is full a new state replaces the oldest unread
// one, so the newest states survive.
#define GUI_POINTER_NUM_STATES 6
void GUI_POINTER_StoreState(const GUI_POINTER_STATE* pState);
int GUI_POINTER_GetState(GUI_POINTER_STATE* pState); // oldest unread (the last one again) -> Pressed != 0
int GUI_POINTER_IsEmpty(void);
void GUI_POINTER_GetLastState(GUI_POINTER_STATE* pState);
void GUI_POINTER__Clear(void);
// Mouse and touch: stored only when different from the last state of the same source.
void GUI_MOUSE_StoreState(const GUI_POINTER_STATE* pState);
void GUI_MOUSE_GetState(GUI_POINTER_STATE* pState);
void GUI_TOUCH_StoreStateEx(const GUI_POINTER_STATE* pState);
void GUI_TOUCH_GetState(GUI_POINTER_STATE* pState);

// The pointer hook that WM_Exec calls (null until a state is stored); answers 1 when it did work.
extern int (*GUI_pfHandlePointer)(void);
extern int (*GUI__pfDefaultPointerHandler)(void);

// Multi-touch handler (event record, array of points): nothing installs one in this system.
struct GUI_MTOUCH_EVENT;
struct GUI_MTOUCH_INPUT;
extern void (*GUI_pfStoreMultiTouch)(GUI_MTOUCH_EVENT* pEvent, GUI_MTOUCH_INPUT* pInput);
