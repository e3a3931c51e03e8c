// Message hook lists.
#include "GUI_Hook.h"

void GUI_HOOK_Add(GUI_HOOK** ppFirst, GUI_HOOK* pHook, GUI_HOOK_FUNC* pHookFunc) {
  if (!ppFirst || !pHook) {
    return;
  }
  GUI_HOOK_Remove(ppFirst, pHook); // a node is in a list at most once
  pHook->pHookFunc = pHookFunc;
  pHook->pNext = *ppFirst;
  *ppFirst = pHook;
}

// Takes out the named node only; the other hooks of the list stay.
void GUI_HOOK_Remove(GUI_HOOK** ppFirst, GUI_HOOK* pHook) {
  if (!ppFirst || !pHook) {
    return;
  }
  for (GUI_HOOK** pp = ppFirst; *pp; pp = &(*pp)->pNext) {
    if (*pp == pHook) {
      *pp = pHook->pNext;
      pHook->pNext = nullptr;
      return;
    }
  }
}

int GUI_HOOK__Call(GUI_HOOK* pFirst, WM_MESSAGE* pMsg) {
  for (GUI_HOOK* p = pFirst; p; p = p->pNext) {
    if (p->pHookFunc && p->pHookFunc(pMsg)) {
      return 1;
    }
  }
  return 0;
}
