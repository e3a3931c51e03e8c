// IMAGE: creation, painting (plain or tiled, directly or through the cached memory device), the cache
// across moves and size changes, and the animation timer of GIF sources.
#include "IMAGE.h"

#include "GUI_MEMDEV_Ops.h"

namespace {

void _PaintPlain(WM_HWIN hObj) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  if (pObj->pfDrawImageAt && pObj->pfGetImageSize) {
    pObj->pfDrawImageAt(hObj, 0, 0);
  }
}

// Every tile is drawn: with the cache the tiles are drawn into it once and reused.
void _PaintTiled(WM_HWIN hObj) {
  const IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  if (!pObj->pfDrawImageAt || !pObj->pfGetImageSize) {
    return;
  }
  int w = 0, h = 0;
  pObj->pfGetImageSize(hObj, &w, &h);
  int W = WM_GetWindowSizeX(hObj), H = WM_GetWindowSizeY(hObj);
  if (w <= 0 || h <= 0) {
    return;
  }
  for (int y = 0; y < H && WM__IsWindow(hObj); y += h) {
    for (int x = 0; x < W && WM__IsWindow(hObj); x += w) {
      IMAGE__Obj(hObj)->pfDrawImageAt(hObj, x, y);
    }
  }
}

void _Paint(WM_HWIN hObj) {
  IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  if (pObj->hMem) {
    GUI_MEMDEV_CopyToLCD(pObj->hMem);
    return;
  }
  void (*pfPaint)(WM_HWIN) = pObj->pfPaint;
  if (!(pObj->Flags & IMAGE_CF_MEMDEV)) {
    pfPaint(hObj);
    return;
  }
  int x0 = WM_GetWindowPosX(hObj), y0 = WM_GetWindowPosY(hObj);
  int xSize = WM_GetWindowSizeX(hObj), ySize = WM_GetWindowSizeY(hObj);
  bool Alpha = pObj->Flags & IMAGE_CF_ALPHA;
  GUI_HMEM hMem = Alpha ? GUI_MEMDEV_Create32(x0, y0, xSize, ySize) : GUI_MEMDEV_Create(x0, y0, xSize, ySize);
  if (!hMem) {
    pfPaint(hObj); // without the cache the picture is drawn directly
    return;
  }
  IMAGE__Obj(hObj)->hMem = hMem;
  GUI_RECT rClip = GUI_pContext->ClipRect;
  GUI_HMEM hOld = GUI_MEMDEV_Select(hMem);
  if (Alpha) {
    GUI_SetBkColor(0xFF000000);
    GUI_Clear();
  } else {
    GUI_MEMDEV_Clear(hMem);
  }
  pfPaint(hObj);
  GUI_MEMDEV_Select(hOld);
  GUI_pContext->ClipRect = rClip;
  if (WM__IsWindow(hObj) && IMAGE__Obj(hObj)->hMem == hMem) {
    GUI_MEMDEV_CopyToLCD(hMem);
  }
}

// The cache stays valid across a move when the window's old place lay on the display on the side it moved
// away from; its origin follows the window.
void _OnMove(WM_HWIN hObj, const WM_MOVE_INFO* pInfo) {
  IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  if (!pObj->hMem || !pInfo) {
    return;
  }
  static int s_xDisplay = -1, s_yDisplay = -1;
  if (s_xDisplay < 0) {
    s_xDisplay = LCD_GetXSize();
    s_yDisplay = LCD_GetYSize();
  }
  int dx = pInfo->dx, dy = pInfo->dy;
  int x0 = WM_GetWindowPosX(hObj), y0 = WM_GetWindowPosY(hObj);
  int x1 = x0 + WM_GetWindowSizeX(hObj) - 1, y1 = y0 + WM_GetWindowSizeY(hObj) - 1;
  bool Keep = (dx <= 0 || x0 - dx >= 0) && (dy <= 0 || y0 - dy >= 0) && (dx >= 0 || x1 - dx <= s_xDisplay) &&
              (dy >= 0 || y1 - dy <= s_yDisplay);
  if (Keep) {
    GUI_MEMDEV_SetOrg(pObj->hMem, x0, y0);
  } else {
    IMAGE__DeleteCache(hObj);
  }
}

void _OnDelete(WM_HWIN hObj) {
  IMAGE__DeleteCache(hObj);
  IMAGE__DeleteTimer(hObj);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_MOVE:
    _OnMove(hObj, (const WM_MOVE_INFO*)pMsg->Data.p);
    break;
  case WM_SIZE:
    IMAGE__DeleteCache(hObj);
    break;
  }
  return 0;
}

// The next frame after the current one's delay; the cache holds the old frame and goes.
void _cbTimer(GUI_TIMER_MSG* pMsg) {
  WM__LockGuard Lock;
  WM_HWIN hObj = (WM_HWIN)pMsg->Context;
  IMAGE_OBJ* pObj = (IMAGE_OBJ*)WIDGET__GetObj(&IMAGE__Type, hObj);
  if (!pObj || pObj->hTimer != pMsg->hTimer || pObj->NumImages < 2) {
    return;
  }
  pObj->CurrentImage = pObj->CurrentImage + 1 < pObj->NumImages ? pObj->CurrentImage + 1 : 0;
  IMAGE__StartAnimation(hObj);
  IMAGE__DeleteCache(hObj);
  WM_InvalidateWindow(hObj);
}

} // namespace

const WIDGET_TYPE IMAGE__Type = {.pName = "IMAGE",
                                 .cb = IMAGE_Callback,
                                 .ObjSize = sizeof(IMAGE_OBJ),
                                 .TagOffset = offsetof(IMAGE_OBJ, DebugId),
                                 .Tag = IMAGE_ID,
                                 .StyleBits = WM_CF_HASTRANS,
                                 .pfOnMessage = _OnMessage,
                                 .pfOnPaint = _Paint,
                                 .pfOnDelete = _OnDelete,
                                 .pfOnPointer = WIDGET__NotifyClicks};

void IMAGE_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&IMAGE__Type, pMsg);
}

WM_HWIN IMAGE_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                         int NumExtraBytes) {
  WM__LockGuard Lock;
  if (ExFlags & IMAGE_CF_ATTACHED) {
    GUI_RECT r = {0, 0, 0, 0};
    if (hParent) {
      WM_GetClientRectEx(hParent, &r);
    }
    x0 = r.x0, y0 = r.y0;
    xSize = r.x1 - r.x0 + 1, ySize = r.y1 - r.y0 + 1;
    WinFlags |= (int)WM_STATUS_ANCHOR_MASK;
  }
  xSize = xSize ? xSize : 1;
  ySize = ySize ? ySize : 1;
  WM_HWIN hObj = WIDGET__CreateUser(&IMAGE__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  pObj->Flags = (U32)ExFlags;
  pObj->pfPaint = (ExFlags & IMAGE_CF_TILE) ? _PaintTiled : _PaintPlain;
  return WIDGET__FinishCreate(&IMAGE__Type, hObj);
}

WM_HWIN IMAGE_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return IMAGE_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN IMAGE_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  return IMAGE_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize, hParent,
                          pCreateInfo->Flags, pCreateInfo->Para, pCreateInfo->Id, (int)pCreateInfo->NumExtraBytes);
}

IMAGE_OBJ* IMAGE__LockH(WM_HWIN hObj) {
  return (IMAGE_OBJ*)WIDGET__LockH(&IMAGE__Type, hObj);
}

int IMAGE_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&IMAGE__Type, hObj, pDest, NumBytes);
}

int IMAGE_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&IMAGE__Type, hObj, pSrc, NumBytes);
}

void IMAGE__DeleteCache(WM_HWIN hObj) {
  IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  if (pObj->hMem) {
    GUI_HMEM hMem = pObj->hMem;
    pObj->hMem = 0;
    GUI_MEMDEV_Delete(hMem);
  }
}

void IMAGE__DeleteTimer(WM_HWIN hObj) {
  IMAGE_OBJ* pObj = IMAGE__Obj(hObj);
  if (pObj->hTimer) {
    GUI_TIMER_HANDLE hTimer = pObj->hTimer;
    pObj->hTimer = 0;
    GUI_TIMER_Delete(hTimer);
  }
}

// The first change comes after the first frame's own delay, so that every frame is shown for its time.
void IMAGE__StartAnimation(WM_HWIN hObj) {
  int Period = IMAGE__GetFrameDelay(hObj, IMAGE__Obj(hObj)->CurrentImage);
  GUI_TIMER_HANDLE hTimer = IMAGE__Obj(hObj)->hTimer;
  if (!hTimer) {
    hTimer = GUI_TIMER_Create(_cbTimer, GUI_GetTime() + Period, (PTR_ADDR)hObj, 0);
    if (!hTimer) {
      return; // the picture stays still
    }
    IMAGE__Obj(hObj)->hTimer = hTimer;
  }
  GUI_TIMER_SetPeriod(hTimer, Period);
  GUI_TIMER_Restart(hTimer);
}
