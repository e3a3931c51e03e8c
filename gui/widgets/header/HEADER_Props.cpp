// HEADER: columns, their widths and images, the bar's colours, font, scroll position, sort arrow, user data
// and the module defaults. Bad indexes, negative widths and negative scroll positions are ignored.
#include <cstring>

#include "GUI_ImageDrawObj.h"
#include "HEADER.h"

HEADER_PROPS HEADER__DefaultProps = {GUI_DEFAULT_FONT, 0xAAAAAA, 0x000000, 0x000000, nullptr};
int HEADER__DefaultBorderH = 2;
int HEADER__DefaultBorderV = 0;

namespace {

using _Access = WIDGET_ACCESS<HEADER_OBJ, &HEADER__Type>;

// Widths are cut to this, so that the positions of many columns still add up without overflow; the height,
// which the window manager adds to positions, too.
constexpr int HEADER_MAX_SIZE = 0x7FFF;

int s_DefaultCursor;

bool _Valid(WM_HWIN hObj) {
  return WIDGET__GetObj(&HEADER__Type, hObj) != nullptr;
}

void _InvalidateWithParent(WM_HWIN hObj) {
  WM_InvalidateWindow(hObj);
  if (WM_HWIN hParent = WM_GetParent(hObj)) {
    WM_InvalidateWindow(hParent);
  }
}

void _SetDrawObj(WM_HWIN hObj, unsigned Index, GUI_HMEM hDrawObj) {
  WM__LockGuard Lock;
  HEADER_COLUMN* pCol = _Valid(hObj) ? HEADER__Column(hObj, WIDGET__Index(Index)) : nullptr;
  WIDGET__SetDrawObj(hObj, pCol ? &pCol->hDrawObj : nullptr, hDrawObj);
}

// Makes the object only from a real source for a header, so that a bad call allocates nothing.
template <class F> void _SetPicture(WM_HWIN hObj, unsigned Index, const void* pSource, F fCreate) {
  WM__LockGuard Lock;
  if (pSource && _Valid(hObj)) {
    _SetDrawObj(hObj, Index, fCreate());
  }
}

} // namespace

void HEADER_AddItem(WM_HWIN hObj, int Width, const char* s, int Align) {
  WM__LockGuard Lock;
  if (!_Valid(hObj) || Width < 0) {
    return;
  }
  if (!Width) {
    if (!s || !*s) {
      return;
    }
    const GUI_FONT* pOld = GUI_SetFont(HEADER__Obj(hObj)->Props.pFont);
    Width = GUI_GetStringDistX(s) + 2 * (HEADER__Obj(hObj)->Widget.pEffect->EffectSize + HEADER__DefaultBorderH);
    GUI_SetFont(pOld);
  }
  size_t Len = s ? strlen(s) : 0;
  int Size = (int)(offsetof(HEADER_COLUMN, acText) + Len + 1);
  GUI_ARRAY hColumns = HEADER__Obj(hObj)->hColumns;
  if (GUI_ARRAY_AddItem(hColumns, nullptr, Size)) {
    return;
  }
  HEADER_COLUMN* pCol =
      (HEADER_COLUMN*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hColumns, (U32)GUI_ARRAY_GetNumItems(hColumns) - 1));
  memset(pCol, 0, (size_t)Size);
  pCol->Width = Width > HEADER_MAX_SIZE ? HEADER_MAX_SIZE : Width;
  pCol->Align = (I16)Align;
  if (Len) {
    memcpy(pCol->acText, s, Len);
  }
  _InvalidateWithParent(hObj);
}

void HEADER_DeleteItem(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  HEADER_COLUMN* pCol = _Valid(hObj) ? HEADER__Column(hObj, WIDGET__Index(Index)) : nullptr;
  if (!pCol) {
    return;
  }
  GUI_HMEM hDrawObj = pCol->hDrawObj;
  pCol->hDrawObj = 0;
  GUI_ALLOC_Free(hDrawObj);
  GUI_ARRAY_DeleteItem(HEADER__Obj(hObj)->hColumns, Index);
  HEADER_OBJ* pObj = HEADER__Obj(hObj);
  if (pObj->DirIndicatorColumn == (int)Index) {
    pObj->DirIndicatorColumn = -1;
  } else if (pObj->DirIndicatorColumn > (int)Index) {
    pObj->DirIndicatorColumn--;
  }
  if (pObj->CaptureItem >= (int)Index) { // a drag of a column that moved or went away ends
    pObj->CapturePosX = pObj->CaptureItem = -1;
  }
  _InvalidateWithParent(hObj);
}

void HEADER_SetItemText(WM_HWIN hObj, unsigned Index, const char* s) {
  WM__LockGuard Lock;
  if (!s || !_Valid(hObj) || !HEADER__Column(hObj, WIDGET__Index(Index))) {
    return;
  }
  size_t Len = strlen(s);
  HEADER_COLUMN* pCol = (HEADER_COLUMN*)GUI_ARRAY_ResizeItemLocked(HEADER__Obj(hObj)->hColumns, Index,
                                                                   (int)(offsetof(HEADER_COLUMN, acText) + Len + 1));
  if (pCol) {
    memcpy(pCol->acText, s, Len + 1);
    GUI_ALLOC_UnlockH((void**)&pCol);
  }
}

void HEADER_SetItemWidth(WM_HWIN hObj, unsigned Index, int Width) {
  WM__LockGuard Lock;
  HEADER_COLUMN* pCol = _Valid(hObj) ? HEADER__Column(hObj, WIDGET__Index(Index)) : nullptr;
  if (!pCol || Width < 0) {
    return;
  }
  pCol->Width = Width > HEADER_MAX_SIZE ? HEADER_MAX_SIZE : Width;
  WM__WATCH Watch(hObj); // the parent may delete the header when it hears of the change
  if (WM_HWIN hParent = WM_GetParent(hObj)) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_CLIENT_CHANGED;
    Msg.hWinSrc = hObj;
    WM_SendMessage(hParent, &Msg);
  }
  if (Watch.Alive()) {
    _InvalidateWithParent(hObj);
  }
}

int HEADER_GetItemWidth(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  const HEADER_COLUMN* pCol = _Valid(hObj) ? HEADER__Column(hObj, WIDGET__Index(Index)) : nullptr;
  return pCol ? pCol->Width : 0;
}

void HEADER_SetTextAlign(WM_HWIN hObj, unsigned Index, int Align) {
  WM__LockGuard Lock;
  if (HEADER_COLUMN* pCol = _Valid(hObj) ? HEADER__Column(hObj, WIDGET__Index(Index)) : nullptr) {
    pCol->Align = (I16)Align;
    WM_InvalidateWindow(hObj);
  }
}

int HEADER_GetNumItems(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](HEADER_OBJ* p) { return GUI_ARRAY_GetNumItems(p->hColumns); });
}

void HEADER_SetBitmap(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap) {
  HEADER_SetBitmapEx(hObj, Index, pBitmap, 0, 0);
}

void HEADER_SetBitmapEx(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap, int x, int y) {
  _SetPicture(hObj, Index, pBitmap, [&] { return GUI_DRAWOBJ_CreateBitmap(pBitmap, x, y); });
}

void HEADER_SetBMP(WM_HWIN hObj, unsigned Index, const void* pBMP) {
  HEADER_SetBMPEx(hObj, Index, pBMP, 0, 0);
}

void HEADER_SetBMPEx(WM_HWIN hObj, unsigned Index, const void* pBMP, int x, int y) {
  _SetPicture(hObj, Index, pBMP, [&] { return GUI_DRAWOBJ_CreateBMP(pBMP, x, y); });
}

void HEADER_SetStreamedBitmap(WM_HWIN hObj, unsigned Index, const void* pStream) {
  HEADER_SetStreamedBitmapEx(hObj, Index, pStream, 0, 0);
}

void HEADER_SetStreamedBitmapEx(WM_HWIN hObj, unsigned Index, const void* pStream, int x, int y) {
  _SetPicture(hObj, Index, pStream, [&] { return GUI_DRAWOBJ_CreateStreamedBitmap(pStream, x, y); });
}

int HEADER_GetHeight(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return _Valid(hObj) ? WM_GetWindowSizeY(hObj) : 0;
}

void HEADER_SetHeight(WM_HWIN hObj, int Height) {
  WM__LockGuard Lock;
  if (_Valid(hObj) && Height >= 0) {
    WM_SetSize(hObj, WM_GetWindowSizeX(hObj), Height > HEADER_MAX_SIZE ? HEADER_MAX_SIZE : Height);
    _InvalidateWithParent(hObj);
  }
}

void HEADER_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  WM__LockGuard Lock;
  if (!pFont || !_Valid(hObj)) {
    return;
  }
  HEADER__Obj(hObj)->Props.pFont = pFont;
  HEADER_SetHeight(hObj, GUI_GetYDistOfFont(pFont) + 2 * HEADER__Obj(hObj)->Widget.pEffect->EffectSize);
}

void HEADER_SetBkColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](HEADER_OBJ* p) { return WIDGET__Store(&p->Props.BkColor, Color); });
}

void HEADER_SetTextColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](HEADER_OBJ* p) { return WIDGET__Store(&p->Props.TextColor, Color); });
}

void HEADER_SetArrowColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](HEADER_OBJ* p) { return WIDGET__Store(&p->Props.ArrowColor, Color); });
}

GUI_COLOR HEADER_GetBkColor(WM_HWIN hObj) {
  return _Access::Read(hObj, (GUI_COLOR)0, [](HEADER_OBJ* p) { return p->Props.BkColor; });
}

GUI_COLOR HEADER_GetTextColor(WM_HWIN hObj) {
  return _Access::Read(hObj, (GUI_COLOR)0, [](HEADER_OBJ* p) { return p->Props.TextColor; });
}

GUI_COLOR HEADER_GetArrowColor(WM_HWIN hObj) {
  return _Access::Read(hObj, (GUI_COLOR)0, [](HEADER_OBJ* p) { return p->Props.ArrowColor; });
}

void HEADER_SetScrollPos(WM_HWIN hObj, int Pos) {
  WM__LockGuard Lock;
  if (Pos >= 0 && _Valid(hObj) && WIDGET__Store(&HEADER__Obj(hObj)->ScrollPos, Pos)) {
    _InvalidateWithParent(hObj);
  }
}

void HEADER_SetDirIndicator(WM_HWIN hObj, int Column, int Reverse) {
  _Access::Change(hObj, [&](HEADER_OBJ* p) {
    bool a = WIDGET__Store(&p->DirIndicatorColumn, Column);
    bool b = WIDGET__Store(&p->DirIndicatorReverse, Reverse ? 1 : 0);
    return a || b;
  });
}

int HEADER_GetSel(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](HEADER_OBJ* p) { return (int)p->Sel; });
}

void HEADER_SetDragLimit(WM_HWIN hObj, unsigned OnOff) {
  _Access::Change(hObj, [&](HEADER_OBJ* p) {
    p->DragLimit = OnOff ? 1 : 0;
    return false;
  });
}

int HEADER_SetFixed(WM_HWIN hObj, int Count) {
  int Old = 0;
  _Access::Change(hObj, [&](HEADER_OBJ* p) {
    Old = p->Fixed;
    return WIDGET__Store(&p->Fixed, Count < 0 ? 0 : Count);
  });
  return Old;
}

int HEADER_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&HEADER__Type, hObj, pDest, NumBytes);
}

int HEADER_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&HEADER__Type, hObj, pSrc, NumBytes);
}

const GUI_FONT* HEADER_SetDefaultFont(const GUI_FONT* pFont) {
  return WIDGET__SetDefault(&HEADER__DefaultProps.pFont, pFont);
}

GUI_COLOR HEADER_SetDefaultBkColor(GUI_COLOR Color) {
  return WIDGET__SetDefault(&HEADER__DefaultProps.BkColor, Color);
}

GUI_COLOR HEADER_SetDefaultTextColor(GUI_COLOR Color) {
  return WIDGET__SetDefault(&HEADER__DefaultProps.TextColor, Color);
}

GUI_COLOR HEADER_SetDefaultArrowColor(GUI_COLOR Color) {
  return WIDGET__SetDefault(&HEADER__DefaultProps.ArrowColor, Color);
}

int HEADER_SetDefaultBorderH(int Border) {
  return WIDGET__SetDefault(&HEADER__DefaultBorderH, Border);
}

int HEADER_SetDefaultBorderV(int Border) {
  return WIDGET__SetDefault(&HEADER__DefaultBorderV, Border);
}

int HEADER_SetDefaultCursor(int Cursor) {
  return WIDGET__SetDefault(&s_DefaultCursor, Cursor);
}
