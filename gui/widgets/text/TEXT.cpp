// TEXT: creation, the callback with its painting, and the settings.
#include "TEXT.h"

namespace {

TEXT_PROPS _DefaultProps = {GUI_DEFAULT_FONT, 0x000000, WM_NO_COLOR, 0};

void _Paint(WM_HWIN hObj) {
  const TEXT_OBJ* pObj = (const TEXT_OBJ*)WM_H2P(hObj);
  GUI_SetColor(pObj->Props.TextColor);
  GUI_SetFont(pObj->Props.pFont);
  if (!WM_GetHasTrans(hObj)) {
    GUI_SetBkColor(pObj->Props.BkColor);
    GUI_Clear();
  }
  if (pObj->hText) {
    GUI_RECT r;
    WM_GetClientRect(&r);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringInRectWrap(WIDGET__Text(pObj->hText), &r, pObj->Align, pObj->Props.WrapMode);
  }
}

void _OnDelete(WM_HWIN hObj) {
  GUI_ALLOC_FreePtr(&((TEXT_OBJ*)WM_H2P(hObj))->hText);
}

// A label has no exchangeable look: it paints itself.
int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    return 0;
  }
  _Paint(hObj);
  return 1;
}

const WIDGET_TYPE _Type = {.pName = "TEXT",
                           .cb = TEXT_Callback,
                           .ObjSize = sizeof(TEXT_OBJ),
                           .TagOffset = offsetof(TEXT_OBJ, DebugId),
                           .Tag = TEXT_ID,
                           .StyleBits = WM_CF_HASTRANS,
                           .pDefaultProps = &_DefaultProps,
                           .PropsOffset = offsetof(TEXT_OBJ, Props),
                           .PropsSize = sizeof(TEXT_PROPS),
                           .pfOnMessage = _OnMessage,
                           .pfOnDelete = _OnDelete,
                           .pfOnPointer = WIDGET__NotifyClicks};

using _Access = WIDGET_ACCESS<TEXT_OBJ, &_Type>;

} // namespace

void TEXT_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&_Type, pMsg);
}

WM_HWIN TEXT_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        const char* pText, int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&_Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_HMEM hText = 0;
  if (pText) {
    GUI__SetText(&hText, pText); // a failed copy leaves the label without text
  }
  TEXT_OBJ* pObj = (TEXT_OBJ*)WM_H2P(hObj);
  pObj->hText = hText;
  pObj->Align = (U16)ExFlags;
  return WIDGET__FinishCreate(&_Type, hObj);
}

WM_HWIN TEXT_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                      const char* pText) {
  return TEXT_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, pText, 0);
}

WM_HWIN TEXT_Create(int x0, int y0, int xSize, int ySize, int Id, int Flags, const char* s, int Align) {
  return TEXT_CreateEx(x0, y0, xSize, ySize, 0, Flags, Align, Id, s);
}

WM_HWIN TEXT_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags, const char* s,
                           int Align) {
  return TEXT_CreateEx(x0, y0, xSize, ySize, hParent, Flags, Align, Id, s);
}

WM_HWIN TEXT_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  return TEXT_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                         hParent, WM_CF_SHOW, pCreateInfo->Flags, pCreateInfo->Id, pCreateInfo->pName,
                         (int)pCreateInfo->NumExtraBytes);
}

TEXT_OBJ* TEXT_LockH(WM_HWIN hObj) {
  return (TEXT_OBJ*)WIDGET__LockH(&_Type, hObj);
}

int TEXT_SetText(WM_HWIN hObj, const char* s) {
  int r = 1;
  _Access::Change(hObj, [&](TEXT_OBJ* pObj) {
    GUI_HMEM hText = pObj->hText;
    bool Changed = GUI__SetText(&hText, s) != 0;
    ((TEXT_OBJ*)WM_H2P(hObj))->hText = hText;
    r = Changed ? 0 : 1;
    return Changed;
  });
  return r;
}

int TEXT_GetText(WM_HWIN hObj, char* pBuffer, int MaxLen) {
  return _Access::Read(hObj, 0, [&](TEXT_OBJ* pObj) { return WIDGET__CopyText(pObj->hText, pBuffer, MaxLen); });
}

void TEXT_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _Access::Change(hObj, [&](TEXT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.pFont, pFont); });
}

const GUI_FONT* TEXT_GetFont(WM_HWIN hObj) {
  return _Access::Read(hObj, (const GUI_FONT*)nullptr, [](TEXT_OBJ* pObj) { return pObj->Props.pFont; });
}

void TEXT_SetTextColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](TEXT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.TextColor, Color); });
}

void TEXT_SetBkColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](TEXT_OBJ* pObj) {
    if (!WIDGET__Store(&pObj->Props.BkColor, Color)) {
      return false;
    }
    WIDGET__SetTransByColor(hObj, Color);
    return true;
  });
}

void TEXT_SetTextAlign(WM_HWIN hObj, int Align) {
  _Access::Change(hObj, [&](TEXT_OBJ* pObj) {
    pObj->Align = (U16)Align;
    return true;
  });
}

void TEXT_SetWrapMode(WM_HWIN hObj, int WrapMode) {
  _Access::Change(hObj, [&](TEXT_OBJ* pObj) { return WIDGET__Store(&pObj->Props.WrapMode, WrapMode); });
}

int TEXT_GetNumLines(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [&](TEXT_OBJ* pObj) {
    if (!pObj->hText) {
      return 0;
    }
    GUI_RECT r;
    WM_GetClientRectEx(hObj, &r);
    const GUI_FONT* pOld = GUI_SetFont(pObj->Props.pFont);
    int n = GUI_WrapGetNumLines(WIDGET__Text(pObj->hText), r.x1 - r.x0 + 1, pObj->Props.WrapMode);
    GUI_SetFont(pOld);
    return n;
  });
}

int TEXT_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&_Type, hObj, pDest, NumBytes);
}

int TEXT_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&_Type, hObj, pSrc, NumBytes);
}

void TEXT_SetDefaultFont(const GUI_FONT* pFont) {
  WIDGET__SetDefault(&_DefaultProps.pFont, pFont);
}

const GUI_FONT* TEXT_GetDefaultFont(void) {
  return _DefaultProps.pFont;
}

void TEXT_SetDefaultTextColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&_DefaultProps.TextColor, Color);
}

int TEXT_SetDefaultWrapMode(int WrapMode) {
  return WIDGET__SetDefault(&_DefaultProps.WrapMode, WrapMode);
}
