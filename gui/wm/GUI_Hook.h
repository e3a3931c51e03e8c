// Message hook lists: extra handlers that see a widget's messages before its own callback.
#pragma once
#include "WM.h"

typedef int GUI_HOOK_FUNC(WM_MESSAGE* pMsg); // non-zero: consumed

struct GUI_HOOK {
  GUI_HOOK* pNext;
  GUI_HOOK_FUNC* pHookFunc;
};

void GUI_HOOK_Add(GUI_HOOK** ppFirst, GUI_HOOK* pHook, GUI_HOOK_FUNC* pHookFunc);
void GUI_HOOK_Remove(GUI_HOOK** ppFirst, GUI_HOOK* pHook);
// Calls the hooks from the head until one consumes the message -> 1 when one did.
int GUI_HOOK__Call(GUI_HOOK* pFirst, WM_MESSAGE* pMsg);
