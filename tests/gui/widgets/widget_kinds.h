// Every widget type of the collection, as the conformance test sees it: how to create it (from a create
// record, by CreateUser and by each further create call), lock it, and reach its user data. A new widget
// joins the conformance test with one entry in widget_kinds.cpp.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "WIDGET_Type.h"

// Something done to a widget: giving a new one content, or calling its API.
typedef std::function<void(WM_HWIN hObj)> WidgetAction;

struct WidgetKind {
  std::string Name; // upper-case module name, as in the failure texts
  GUI_WIDGET_CREATE_FUNC* pfCreateIndirect;
  std::function<WM_HWIN(WM_HWIN hParent, int Id, int NumExtraBytes)> CreateUser;
  std::function<bool(WM_HWIN hObj)> Lock; // <W>_LockH gave a record (unlocked again)
  int (*pfGetUserData)(WM_HWIN hObj, void* pDest, int NumBytes);
  int (*pfSetUserData)(WM_HWIN hObj, const void* pSrc, int NumBytes);
  bool Focusable;
  std::vector<std::function<WM_HWIN(WM_HWIN hParent, int Id)>> aCreate; // the other create calls
  // What makes the widget notify, besides the pointer and keys: each fill gives a new widget something to
  // act on (items, pages, a value mode) and is tried on its own; each call sequence uses the widget's API.
  std::vector<WidgetAction> aFill;
  std::vector<std::vector<WidgetAction>> aCalls;
};

// The kind of a widget whose CreateUser has the common signature; each further create call is given as
// a routine (hParent, Id) -> handle.
template <class OBJ>
WidgetKind MakeKind(const char *pName, GUI_WIDGET_CREATE_FUNC *pfCreateIndirect, WIDGET_CREATE_USER_FUNC *pfCreateUser,
                    OBJ *(*pfLockH)(WM_HWIN), int (*pfGet)(WM_HWIN, void *, int),
                    int (*pfSet)(WM_HWIN, const void *, int), bool Focusable,
                    std::vector<std::function<WM_HWIN(WM_HWIN, int)>> aCreate = {}) {
  WidgetKind k;
  k.Name = pName;
  k.pfCreateIndirect = pfCreateIndirect;
  k.CreateUser = [pfCreateUser](WM_HWIN hParent, int Id, int NumExtraBytes) {
    return pfCreateUser(5, 5, 60, 30, hParent, WM_CF_SHOW, 0, Id, NumExtraBytes);
  };
  k.Lock = [pfLockH](WM_HWIN hObj) {
    OBJ* p = pfLockH(hObj);
    if (!p) {
      return false;
    }
    GUI_ALLOC_UnlockH(&p);
    return true;
  };
  k.pfGetUserData = pfGet;
  k.pfSetUserData = pfSet;
  k.Focusable = Focusable;
  k.aCreate = std::move(aCreate);
  return k;
}

const std::vector<WidgetKind>& AllWidgetKinds();
