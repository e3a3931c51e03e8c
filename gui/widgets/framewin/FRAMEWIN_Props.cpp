// FRAMEWIN: title, colours, font and title height, borders, activity and size flags, user data and the
// module defaults. Indexes of 2 and more are ignored.
#include "FRAMEWIN.h"

namespace {

using _Access = WIDGET_ACCESS<FRAMEWIN_OBJ, &FRAMEWIN__Type>;

bool _Index(unsigned Index) {
  return Index < 2;
}

void _SetFlag(WM_HWIN hObj, U16 Flag, int OnOff, bool Invalidate) {
  _Access::Change(hObj, [&](FRAMEWIN_OBJ* pObj) {
    U16 Old = pObj->Flags;
    pObj->Flags = (U16)(OnOff ? Old | Flag : Old & ~Flag);
    return Invalidate && Old != pObj->Flags;
  });
}

int _GetFlag(WM_HWIN hObj, U16 Flag) {
  return _Access::Read(hObj, 0, [&](FRAMEWIN_OBJ* pObj) { return (pObj->Flags & Flag) ? 1 : 0; });
}

} // namespace

FRAMEWIN_PROPS FRAMEWIN__DefaultProps = {&GUI_Font8, {0x404040, 0xFF0000}, {0xFFFFFF, 0xFFFFFF}, 0xC0C0C0,
                                         nullptr,    0,                     3,                      1,
                                         0};

void FRAMEWIN_SetText(WM_HWIN hObj, const char* s) {
  _Access::Change(hObj, [&](FRAMEWIN_OBJ* pObj) {
    GUI_HMEM hText = pObj->hText;
    bool Changed = GUI__SetText(&hText, s) != 0;
    ((FRAMEWIN_OBJ*)WM_H2P(hObj))->hText = hText;
    return Changed;
  });
}

void FRAMEWIN_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen) {
  _Access::Read(hObj, 0, [&](FRAMEWIN_OBJ* pObj) {
    return pObj->hText ? WIDGET__CopyText(pObj->hText, pBuffer, MaxLen) : 0;
  });
}

void FRAMEWIN_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](FRAMEWIN_OBJ* pObj) { return WIDGET__Store(&pObj->Props.TextAlign, Align); });
}

int FRAMEWIN_GetTextAlign(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](FRAMEWIN_OBJ* pObj) { return (int)pObj->Props.TextAlign; });
}

void FRAMEWIN_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  FRAMEWIN__ChangeLayout(hObj, [&](FRAMEWIN_OBJ* pObj) { pObj->Props.pFont = pFont; });
}

const GUI_FONT* FRAMEWIN_GetFont(WM_HWIN hObj) {
  return _Access::Read(hObj, (const GUI_FONT*)nullptr, [](FRAMEWIN_OBJ* pObj) { return pObj->Props.pFont; });
}

void FRAMEWIN_SetBarColor(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (_Index(Index)) {
    _Access::Change(hObj, [&](FRAMEWIN_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aBarColor[Index], Color); });
  }
}

GUI_COLOR FRAMEWIN_GetBarColor(WM_HWIN hObj, unsigned Index) {
  return _Index(Index) ? _Access::Read(hObj, (GUI_COLOR)0, [&](FRAMEWIN_OBJ* p) { return p->Props.aBarColor[Index]; })
                       : 0;
}

void FRAMEWIN_SetTextColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](FRAMEWIN_OBJ* pObj) {
    bool a = WIDGET__Store(&pObj->Props.aTextColor[0], Color);
    bool b = WIDGET__Store(&pObj->Props.aTextColor[1], Color);
    return a || b;
  });
}

void FRAMEWIN_SetTextColorEx(WM_HWIN hObj, unsigned Index, GUI_COLOR Color) {
  if (_Index(Index)) {
    _Access::Change(hObj, [&](FRAMEWIN_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aTextColor[Index], Color); });
  }
}

void FRAMEWIN_SetClientColor(WM_HWIN hObj, GUI_COLOR Color) {
  WM_HWIN hClient = 0;
  _Access::Change(hObj, [&](FRAMEWIN_OBJ* pObj) {
    if (WIDGET__Store(&pObj->Props.ClientColor, Color)) {
      hClient = pObj->hClient;
    }
    return false;
  });
  if (hClient) {
    WM_InvalidateWindow(hClient);
  }
}

int FRAMEWIN_SetTitleHeight(WM_HWIN hObj, int Height) {
  int Old = 0;
  FRAMEWIN__ChangeLayout(hObj, [&](FRAMEWIN_OBJ* pObj) {
    Old = pObj->Props.TitleHeight;
    pObj->Props.TitleHeight = (I16)(Height < 0 ? 0 : Height);
  });
  return Old;
}

int FRAMEWIN_GetTitleHeight(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](FRAMEWIN_OBJ* pObj) {
    return pObj->Props.TitleHeight ? (int)pObj->Props.TitleHeight
                                   : GUI_GetYSizeOfFont(pObj->Props.pFont) + 2;
  });
}

void FRAMEWIN_SetBorderSize(WM_HWIN hObj, int Size) {
  WM__LockGuard Lock;
  FRAMEWIN_OBJ* pObj = (FRAMEWIN_OBJ*)WIDGET__GetObj(&FRAMEWIN__Type, hObj);
  if (!pObj || Size < 0) {
    return;
  }
  Size = WM__ClampI16(Size); // held to the coordinate range, as it is stored
  int d = Size - pObj->Props.BorderSize;
  for (WM_HWIN h = WM_GetFirstChild(hObj); h && d; h = WM_GetNextSibling(h)) {
    if (h == FRAMEWIN__Obj(hObj)->hClient || h == FRAMEWIN__Obj(hObj)->hMenu) {
      continue;
    }
    bool Right = WM_H2P(h)->Status & WM_STATUS_ANCHOR_RIGHT;
    WM_MoveWindow(h, Right ? -d : d, d);
  }
  FRAMEWIN__Obj(hObj)->Props.BorderSize = (I16)Size;
  FRAMEWIN__UpdatePositions(hObj);
  WM_InvalidateWindow(hObj);
}

int FRAMEWIN_GetBorderSize(WM_HWIN hObj) {
  return FRAMEWIN_GetBorderSizeEx(hObj, FRAMEWIN_EDGE_TOP);
}

int FRAMEWIN_GetBorderSizeEx(WM_HWIN hObj, int Edge) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&FRAMEWIN__Type, hObj) || Edge < 0 || Edge > 3) {
    return 0;
  }
  return FRAMEWIN__GetBorderSize(hObj, Edge);
}

void FRAMEWIN_SetTitleVisibility(WM_HWIN hObj, int OnOff) {
  WM__LockGuard Lock;
  FRAMEWIN_OBJ* pObj = (FRAMEWIN_OBJ*)WIDGET__GetObj(&FRAMEWIN__Type, hObj);
  if (!pObj) {
    return;
  }
  U16 Old = pObj->Widget.State;
  U16 New = (U16)(OnOff ? Old | FRAMEWIN_STATE_TITLEVISIBLE : Old & ~FRAMEWIN_STATE_TITLEVISIBLE);
  if (Old == New) {
    return;
  }
  pObj->Widget.State = New;
  FRAMEWIN__UpdatePositions(hObj);
  FRAMEWIN__UpdateButtons(hObj);
  if (FRAMEWIN__Obj(hObj)->Flags & FRAMEWIN_SF_MINIMIZED) {
    OnOff ? WM_ShowWindow(hObj) : WM_HideWindow(hObj);
  }
  WM_InvalidateWindow(hObj);
}

void FRAMEWIN_SetActive(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, FRAMEWIN_SF_ACTIVE, OnOff, true);
}

int FRAMEWIN_IsActive(WM_HWIN hObj) {
  return _GetFlag(hObj, FRAMEWIN_SF_ACTIVE);
}

int FRAMEWIN_IsMinimized(WM_HWIN hObj) {
  return _GetFlag(hObj, FRAMEWIN_SF_MINIMIZED);
}

int FRAMEWIN_IsMaximized(WM_HWIN hObj) {
  return _GetFlag(hObj, FRAMEWIN_SF_MAXIMIZED);
}

void FRAMEWIN_SetMoveable(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, FRAMEWIN_SF_MOVEABLE, OnOff, false);
}

void FRAMEWIN_SetResizeable(WM_HWIN hObj, int OnOff) {
  _SetFlag(hObj, FRAMEWIN_SF_RESIZEABLE, OnOff, false);
}

void FRAMEWIN_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem) {
  _Access::Change(hObj, [&](FRAMEWIN_OBJ* pObj) {
    pObj->pfOwnerDraw = pfDrawItem;
    return true;
  });
}

void FRAMEWIN_SetDefaultFont(const GUI_FONT* pFont) {
  WIDGET__SetDefault(&FRAMEWIN__DefaultProps.pFont, pFont);
}

const GUI_FONT* FRAMEWIN_GetDefaultFont(void) {
  return FRAMEWIN__DefaultProps.pFont;
}

void FRAMEWIN_SetDefaultBarColor(unsigned Index, GUI_COLOR Color) {
  if (_Index(Index)) {
    WIDGET__SetDefault(&FRAMEWIN__DefaultProps.aBarColor[Index], Color);
  }
}

GUI_COLOR FRAMEWIN_GetDefaultBarColor(unsigned Index) {
  return _Index(Index) ? FRAMEWIN__DefaultProps.aBarColor[Index] : 0;
}

void FRAMEWIN_SetDefaultTextColor(unsigned Index, GUI_COLOR Color) {
  if (_Index(Index)) {
    WIDGET__SetDefault(&FRAMEWIN__DefaultProps.aTextColor[Index], Color);
  }
}

GUI_COLOR FRAMEWIN_GetDefaultTextColor(unsigned Index) {
  return _Index(Index) ? FRAMEWIN__DefaultProps.aTextColor[Index] : 0;
}

void FRAMEWIN_SetDefaultClientColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&FRAMEWIN__DefaultProps.ClientColor, Color);
}

void FRAMEWIN_SetDefaultBorderSize(int BorderSize) {
  WIDGET__SetDefault(&FRAMEWIN__DefaultProps.BorderSize, BorderSize);
}

void FRAMEWIN_SetDefaultTitleHeight(int Height) {
  WIDGET__SetDefault(&FRAMEWIN__DefaultProps.TitleHeight, Height);
}

int FRAMEWIN_SetDefaultTextAlign(int TextAlign) {
  return WIDGET__SetDefault(&FRAMEWIN__DefaultProps.TextAlign, TextAlign);
}
