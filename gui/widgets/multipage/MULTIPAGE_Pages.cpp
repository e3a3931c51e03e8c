// MULTIPAGE: pages added, selected, enabled, deleted and given texts, bitmaps and widths; the widget's
// properties and the module defaults. Page indexes beyond the pages are ignored.
#include <cstring>
#include <vector>

#include "GUI_ImageDrawObj.h"
#include "MULTIPAGE.h"

#include "SCROLLBAR.h"

namespace {

using _Access = WIDGET_ACCESS<MULTIPAGE_OBJ, &MULTIPAGE__Type>;

MULTIPAGE_OBJ* _Get(WM_HWIN hObj) {
  return hObj ? (MULTIPAGE_OBJ*)WIDGET__GetObj(&MULTIPAGE__Type, hObj) : nullptr;
}

// Every child of the client window is hidden except the page's window, which is shown and takes the focus
// unless the focus already lies on one of its children. The window that loses the focus tells its parent,
// which may delete the widget: callers that go on watch it.
void _ShowPage(WM_HWIN hObj, int Index) {
  const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(MULTIPAGE__Obj(hObj), Index);
  WM_HWIN hWin = pPage ? pPage->hWin : 0;
  for (WM_HWIN h = WM_GetFirstChild(MULTIPAGE__Obj(hObj)->hClient); h; h = WM_GetNextSibling(h)) {
    h == hWin ? WM_ShowWindow(h) : WM_HideWindow(h);
  }
  if (hWin) {
    WM_HWIN hFocus = WM_GetFocusWindow();
    if (!hFocus || WM_GetParent(hFocus) != hWin) {
      WM_SetFocus(hWin);
    }
  }
}

bool _IsPage(const MULTIPAGE_OBJ* pObj, WM_HWIN hWin) {
  for (int i = 0; i < MULTIPAGE__NumPages(pObj); i++) {
    if (MULTIPAGE__GetPage(pObj, i)->hWin == hWin) {
      return true;
    }
  }
  return false;
}

// Changes one page record under the lock; f answers whether the layout must run.
template <class F> void _ChangePage(WM_HWIN hObj, unsigned Index, F f) {
  WM__LockGuard Lock;
  MULTIPAGE_OBJ* pObj = _Get(hObj);
  MULTIPAGE_PAGE* pPage = pObj ? MULTIPAGE__GetPage(pObj, (int)Index) : nullptr;
  if (pPage && f(pObj, pPage)) {
    MULTIPAGE__UpdatePositions(hObj);
  }
}

void _AddPage(WM_HWIN hObj, WM_HWIN hWin, const char* pText) {
  if (hWin) {
    WM_AttachWindowAt(hWin, MULTIPAGE__Obj(hObj)->hClient, 0, 0);
  }
  int Len = pText ? (int)strlen(pText) : 0;
  std::vector<U8> Record(sizeof(MULTIPAGE_PAGE) + (size_t)Len, 0);
  MULTIPAGE_PAGE* pNew = (MULTIPAGE_PAGE*)Record.data();
  pNew->hWin = hWin;
  pNew->Status = MULTIPAGE_STATE_ENABLED;
  if (Len) {
    memcpy(pNew->acText, pText, (size_t)Len);
  }
  if (GUI_ARRAY_AddItem(MULTIPAGE__Obj(hObj)->hPages, Record.data(), (int)Record.size())) {
    return;
  }
  MULTIPAGE_SelectPage(hObj, (unsigned)(MULTIPAGE__NumPages(MULTIPAGE__Obj(hObj)) - 1));
}

} // namespace

void MULTIPAGE_AddPage(WM_HWIN hObj, WM_HWIN hWin, const char* pText) {
  WM__LockGuard Lock;
  if (_Get(hObj)) {
    _AddPage(hObj, hWin, pText);
  }
}

void MULTIPAGE_AddPageEx(WM_HWIN hObj, WM_HWIN hWin, const char* pText) {
  WM__LockGuard Lock;
  MULTIPAGE_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return;
  }
  if (!hWin) {
    for (WM_HWIN h = WM_GetFirstChild(pObj->hClient); h && !hWin; h = WM_GetNextSibling(h)) {
      hWin = _IsPage(MULTIPAGE__Obj(hObj), h) ? 0 : h;
    }
    if (!hWin) {
      return;
    }
  }
  WM__WATCH Watch(hObj);
  _AddPage(hObj, hWin, pText);
  if (!Watch.Alive()) {
    return;
  }
  pObj = MULTIPAGE__Obj(hObj);
  pObj->ScrollState = (pObj->Props.Align & MULTIPAGE_ALIGN_RIGHT) ? MULTIPAGE__NumPages(pObj) - 1 : 0;
  MULTIPAGE__UpdatePositions(hObj);
}

void MULTIPAGE_DeletePage(WM_HWIN hObj, unsigned Index, int Delete) {
  WM__LockGuard Lock;
  MULTIPAGE_OBJ* pObj = _Get(hObj);
  MULTIPAGE_PAGE* pPage = pObj ? MULTIPAGE__GetPage(pObj, (int)Index) : nullptr;
  if (!pPage) {
    return;
  }
  WM_HWIN hWin = pPage->hWin;
  GUI_ALLOC_FreePtrArray(pPage->ahDrawObj, 3);
  int n = (int)Index, Num = MULTIPAGE__NumPages(pObj);
  WM__WATCH Watch(hObj);
  if (n == pObj->Sel) {
    _ShowPage(hObj, n == Num - 1 ? n - 1 : n + 1);
    if (Watch.Alive() && n == Num - 1) {
      // The last page leaving leaves no selection at all.
      MULTIPAGE__Obj(hObj)->Sel = n > 0 ? n - 1 : MULTIPAGE_NO_SEL;
    }
  } else if (n < pObj->Sel && pObj->Sel != MULTIPAGE_NO_SEL) {
    pObj->Sel--;
  }
  if (Watch.Alive()) {
    GUI_ARRAY_DeleteItem(MULTIPAGE__Obj(hObj)->hPages, Index);
    MULTIPAGE__UpdatePositions(hObj);
  }
  if (Delete && hWin) {
    WM_DeleteWindow(hWin);
  }
}

void MULTIPAGE_SelectPage(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  MULTIPAGE_OBJ* pObj = _Get(hObj);
  const MULTIPAGE_PAGE* pPage = pObj ? MULTIPAGE__GetPage(pObj, (int)Index) : nullptr;
  if (!pPage || !(pPage->Status & MULTIPAGE_STATE_ENABLED)) {
    return;
  }
  if ((int)Index == pObj->Sel) {
    WM_SetFocus(pPage->hWin);
    return;
  }
  WM__WATCH Watch(hObj);
  _ShowPage(hObj, (int)Index);
  if (Watch.Alive()) {
    MULTIPAGE__Obj(hObj)->Sel = (int)Index;
    MULTIPAGE__UpdatePositions(hObj);
  }
}

// Page up and down: the nearest enabled page in that direction; without one, the tab row scrolls.
void MULTIPAGE__MoveSel(WM_HWIN hObj, int Dir) {
  MULTIPAGE_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return;
  }
  int Num = MULTIPAGE__NumPages(pObj);
  WM_HWIN hBar = 0;
  for (WM_HWIN h = WM_GetFirstChild(hObj); h; h = WM_GetNextSibling(h)) {
    hBar = WM_GetId(h) == MULTIPAGE_ID_SCROLLBAR ? h : hBar;
  }
  int Sel = pObj->Sel == MULTIPAGE_NO_SEL ? (Dir > 0 ? -1 : Num) : pObj->Sel;
  for (int i = Sel + Dir; i >= 0 && i < Num; i += Dir) {
    if (MULTIPAGE__GetPage(MULTIPAGE__Obj(hObj), i)->Status & MULTIPAGE_STATE_ENABLED) {
      WM__WATCH Watch(hObj);
      MULTIPAGE_SelectPage(hObj, (unsigned)i);
      if (hBar && Watch.Alive()) {
        SCROLLBAR_SetValue(hBar, i);
      }
      return;
    }
  }
  int v = MULTIPAGE__Obj(hObj)->ScrollState + Dir;
  if (hBar && v >= 0 && v < Num) {
    SCROLLBAR_SetValue(hBar, v);
  }
}

int MULTIPAGE_GetSelection(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](MULTIPAGE_OBJ* pObj) { return (int)pObj->Sel; });
}

void MULTIPAGE_EnablePage(WM_HWIN hObj, unsigned Index) {
  _ChangePage(hObj, Index, [&](MULTIPAGE_OBJ*, MULTIPAGE_PAGE* pPage) {
    pPage->Status |= MULTIPAGE_STATE_ENABLED;
    WM_InvalidateWindow(hObj);
    return false;
  });
}

void MULTIPAGE_DisablePage(WM_HWIN hObj, unsigned Index) {
  _ChangePage(hObj, Index, [&](MULTIPAGE_OBJ*, MULTIPAGE_PAGE* pPage) {
    pPage->Status &= (U8)~MULTIPAGE_STATE_ENABLED;
    WM_InvalidateWindow(hObj);
    return false;
  });
}

int MULTIPAGE_IsPageEnabled(WM_HWIN hObj, unsigned Index) {
  return _Access::Read(hObj, 0, [&](MULTIPAGE_OBJ* pObj) {
    const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, (int)Index);
    return pPage ? (pPage->Status & MULTIPAGE_STATE_ENABLED) : 0;
  });
}

WM_HWIN MULTIPAGE_GetWindow(WM_HWIN hObj, unsigned Index) {
  return _Access::Read(hObj, (WM_HWIN)0, [&](MULTIPAGE_OBJ* pObj) {
    const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, (int)Index);
    return pPage ? pPage->hWin : (WM_HWIN)0;
  });
}

WM_HWIN MULTIPAGE_SetWindow(WM_HWIN hObj, unsigned Index, WM_HWIN hWin) {
  WM_HWIN hOld = 0;
  if (!hWin) {
    return 0;
  }
  _ChangePage(hObj, Index, [&](MULTIPAGE_OBJ* pObj, MULTIPAGE_PAGE* pPage) {
    hOld = pPage->hWin;
    pPage->hWin = hWin;
    WM_AttachWindowAt(hWin, pObj->hClient, 0, 0);
    return false;
  });
  return hOld;
}

void MULTIPAGE_SetText(WM_HWIN hObj, const char* pText, unsigned Index) {
  WM__LockGuard Lock;
  MULTIPAGE_OBJ* pObj = _Get(hObj);
  const MULTIPAGE_PAGE* pPage = pObj ? MULTIPAGE__GetPage(pObj, (int)Index) : nullptr;
  if (!pPage) {
    return;
  }
  int Len = pText ? (int)strlen(pText) : 0;
  std::vector<U8> Record(sizeof(MULTIPAGE_PAGE) + (size_t)Len, 0);
  memcpy(Record.data(), pPage, offsetof(MULTIPAGE_PAGE, acText));
  if (Len) {
    memcpy(((MULTIPAGE_PAGE*)Record.data())->acText, pText, (size_t)Len);
  }
  if (GUI_ARRAY_SetItem(pObj->hPages, Index, Record.data(), (int)Record.size())) {
    MULTIPAGE__UpdatePositions(hObj);
  }
}

int MULTIPAGE_GetPageText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxLen) {
  return _Access::Read(hObj, 0, [&](MULTIPAGE_OBJ* pObj) {
    const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, (int)Index);
    return pPage ? WIDGET__CopyString(pPage->acText, pBuffer, MaxLen) : 0;
  });
}

int MULTIPAGE_SetBitmapEx(WM_HWIN hObj, const GUI_BITMAP* pBitmap, int x, int y, int Index, int State) {
  WM__LockGuard Lock;
  MULTIPAGE_OBJ* pObj = _Get(hObj);
  if (!pObj || !MULTIPAGE__GetPage(pObj, Index) || State < 0 || State > 2 || !pBitmap) {
    return 1;
  }
  GUI_HMEM hDraw = GUI_DRAWOBJ_CreateBitmap(pBitmap, x, y);
  if (!hDraw) {
    return 1;
  }
  pObj = MULTIPAGE__Obj(hObj);
  MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, Index);
  // The widget made the drawable object, so it also gives back the one it replaces.
  GUI_ALLOC_FreePtr(&pPage->ahDrawObj[State]);
  pPage->ahDrawObj[State] = hDraw;
  int Size = MULTIPAGE__IsRotated(pObj) ? pBitmap->XSize : pBitmap->YSize;
  pObj->MaxBitmapSize = Size > pObj->MaxBitmapSize ? Size : pObj->MaxBitmapSize;
  MULTIPAGE__UpdatePositions(hObj);
  return 0;
}

int MULTIPAGE_SetBitmap(WM_HWIN hObj, const GUI_BITMAP* pBitmap, int Index, int State) {
  return MULTIPAGE_SetBitmapEx(hObj, pBitmap, 0, 0, Index, State);
}

static void _Relayout(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (_Get(hObj)) {
    MULTIPAGE__UpdatePositions(hObj);
  }
}

void MULTIPAGE_SetAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](MULTIPAGE_OBJ* pObj) { return WIDGET__Store(&pObj->Props.Align, Align); });
  _Relayout(hObj);
}

void MULTIPAGE_SetRotation(WM_HWIN hObj, unsigned Rotation) {
  WM__LockGuard Lock;
  MULTIPAGE_OBJ* pObj = _Get(hObj);
  if (!pObj) {
    return;
  }
  bool On = Rotation & MULTIPAGE_CF_ROTATE_CW;
  pObj->Widget.State = On ? (U16)(pObj->Widget.State | MULTIPAGE_STATE_ROTATED)
                          : (U16)(pObj->Widget.State & ~MULTIPAGE_STATE_ROTATED);
  pObj->pfDrawTab = On ? MULTIPAGE__DrawTabRotated : MULTIPAGE__DrawTab;
  for (WM_HWIN h = WM_GetFirstChild(hObj); h; h = WM_GetNextSibling(h)) {
    if (WM_GetId(h) == MULTIPAGE_ID_SCROLLBAR) {
      WM_DeleteWindow(h);
      break;
    }
  }
  MULTIPAGE__Obj(hObj)->Widget.State &= (U16)~MULTIPAGE_STATE_SCROLLMODE;
  MULTIPAGE__UpdatePositions(hObj);
}

void MULTIPAGE_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  if (pFont) {
    _Access::Change(hObj, [&](MULTIPAGE_OBJ* pObj) { return WIDGET__Store(&pObj->Props.pFont, pFont); });
    _Relayout(hObj);
  }
}

const GUI_FONT* MULTIPAGE_GetFont(WM_HWIN hObj) {
  return _Access::Read(hObj, (const GUI_FONT*)nullptr, [](MULTIPAGE_OBJ* pObj) { return pObj->Props.pFont; });
}

void MULTIPAGE_SetBkColor(WM_HWIN hObj, GUI_COLOR Color, int Index) {
  if (Index == 0 || Index == 1) {
    _Access::Change(hObj, [&](MULTIPAGE_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aBkColor[Index], Color); });
    WM__LockGuard Lock;
    if (MULTIPAGE_OBJ* pObj = _Get(hObj)) {
      WM_InvalidateWindow(pObj->hClient);
    }
  }
}

void MULTIPAGE_SetTextColor(WM_HWIN hObj, GUI_COLOR Color, int Index) {
  if (Index == 0 || Index == 1) {
    _Access::Change(hObj, [&](MULTIPAGE_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aTextColor[Index], Color); });
  }
}

void MULTIPAGE_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](MULTIPAGE_OBJ* pObj) { return WIDGET__Store(&pObj->Props.TextAlign, Align); });
  _Relayout(hObj);
}

void MULTIPAGE_SetTabHeight(WM_HWIN hObj, int Height) {
  if (Height >= 0) {
    _Access::Change(hObj, [&](MULTIPAGE_OBJ* pObj) {
      return WIDGET__Store(&pObj->FixedTabHeight, WM__ClampI16((I64)Height - pObj->Props.PadY));
    });
    _Relayout(hObj);
  }
}

void MULTIPAGE_SetTabWidth(WM_HWIN hObj, int Width, int Index) {
  if (Width >= 0 && Index >= 0) {
    _ChangePage(hObj, (unsigned)Index, [&](MULTIPAGE_OBJ* pObj, MULTIPAGE_PAGE* pPage) {
      pPage->FixedWidth = WM__ClampI16((I64)Width - pObj->Props.PadX);
      return true;
    });
  }
}

void MULTIPAGE_EnableScrollbar(WM_HWIN hObj, int OnOff) {
  _Access::Change(hObj, [&](MULTIPAGE_OBJ* pObj) { return WIDGET__Store(&pObj->Props.ScrollbarEnabled, OnOff); });
  _Relayout(hObj);
}

int MULTIPAGE_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&MULTIPAGE__Type, hObj, pDest, NumBytes);
}

int MULTIPAGE_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&MULTIPAGE__Type, hObj, pSrc, NumBytes);
}

void MULTIPAGE_SetDefaultAlign(int Align) {
  WIDGET__SetDefault(&MULTIPAGE__DefaultProps.Align, Align);
}

void MULTIPAGE_SetDefaultFont(const GUI_FONT* pFont) {
  if (pFont) {
    WIDGET__SetDefault(&MULTIPAGE__DefaultProps.pFont, pFont);
  }
}

void MULTIPAGE_SetDefaultBkColor(GUI_COLOR Color, unsigned Index) {
  if (Index < 2) {
    WIDGET__SetDefault(&MULTIPAGE__DefaultProps.aBkColor[Index], Color);
  }
}

void MULTIPAGE_SetDefaultTextColor(GUI_COLOR Color, unsigned Index) {
  if (Index < 2) {
    WIDGET__SetDefault(&MULTIPAGE__DefaultProps.aTextColor[Index], Color);
  }
}

GUI_COLOR MULTIPAGE_GetDefaultBkColor(unsigned Index) {
  WM__LockGuard Lock;
  return Index < 2 ? MULTIPAGE__DefaultProps.aBkColor[Index] : WM_NO_COLOR;
}

GUI_COLOR MULTIPAGE_GetDefaultTextColor(unsigned Index) {
  WM__LockGuard Lock;
  return Index < 2 ? MULTIPAGE__DefaultProps.aTextColor[Index] : WM_NO_COLOR;
}

void MULTIPAGE_SetDefaultBorderSizeX(int Size) {
  WIDGET__SetDefault(&MULTIPAGE__DefaultProps.PadX, WM__ClampI16(Size));
}

void MULTIPAGE_SetDefaultBorderSizeY(int Size) {
  WIDGET__SetDefault(&MULTIPAGE__DefaultProps.PadY, WM__ClampI16(Size));
}

void MULTIPAGE_SetEffectColor(unsigned Index, GUI_COLOR Color) {
  if (Index < 2) {
    WIDGET__SetDefault(&MULTIPAGE__aEffectColor[Index], Color);
  }
}

GUI_COLOR MULTIPAGE_GetEffectColor(unsigned Index) {
  WM__LockGuard Lock;
  return Index < 2 ? MULTIPAGE__aEffectColor[Index] : 0;
}
