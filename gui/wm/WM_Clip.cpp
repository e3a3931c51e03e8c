// Clipping to the visible parts of a window: the visible-rectangle search and the clip iteration that every
// drawing operation in window coordinates runs through.
#include "WM_Intern.h"

namespace {

struct CLIP_CONTEXT {
  GUI_RECT ClientRect; // area to cover
  GUI_RECT CurRect;    // rectangle handed out last
  int32_t Cnt;         // rectangles handed out, -1 before the first
  int32_t EntranceCnt; // nesting of clip iterations
  GUI_RECT SaveClip;   // the context's clip rectangle before the outer iteration, restored at its end
  int InactiveOpen;    // an iteration with the window manager inactive is running
};

CLIP_CONTEXT _ClipContext;

constexpr int32_t MAX_RECTS_PAINT = 20001;
constexpr int32_t MAX_RECTS_COVER = 201;

// Calls f(rect) for every opaque area that lies above hWin: its own children and, for hWin and each
// ancestor, the later siblings. A transparent window is no obstacle, but its children are, clipped to it.
template <class F> void _VisitObstacle(WM_HWIN h, const GUI_RECT* pClip, F& f) {
  const WM_OBJ* p = WM_H2P(h);
  if (!(p->Status & WM_STATUS_VISIBLE)) {
    return;
  }
  GUI_RECT r = p->Rect;
  if (pClip && !WM__IntersectRects(&r, &r, pClip)) {
    return;
  }
  if (p->Status & WM_STATUS_TRANSPARENT) {
    for (WM_HWIN hChild = p->hFirstChild; hChild; hChild = WM_H2P(hChild)->hNext) {
      _VisitObstacle(hChild, &r, f);
    }
  } else {
    f(r);
  }
}

template <class F> void _ForEachObstacle(WM_HWIN hWin, F f) {
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h; h = WM_H2P(h)->hNext) {
    _VisitObstacle(h, nullptr, f);
  }
  for (WM_HWIN hA = hWin; hA; hA = WM_H2P(hA)->hParent) {
    for (WM_HWIN h = WM_H2P(hA)->hNext; h; h = WM_H2P(h)->hNext) {
      _VisitObstacle(h, nullptr, f);
    }
  }
}

int _Intersects(const GUI_RECT& a, const GUI_RECT& b) {
  return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

// Hands out the next visible rectangle of ClientRect in horizontal stripes, left to right, top to bottom.
// Within a stripe every obstacle either spans its full height or misses it. The column or row after a
// rectangle is reckoned in int: after one that ends at the end of the coordinate range there is none.
int _FindNextRect(WM_HWIN hWin, CLIP_CONTEXT* pCtx, int32_t MaxRects) {
  const GUI_RECT& Client = pCtx->ClientRect;
  GUI_RECT r;
  if (pCtx->Cnt == 0) {
    r.x0 = Client.x0;
    r.y0 = Client.y0;
    r.y1 = Client.y1;
  } else {
    r.y0 = pCtx->CurRect.y0;
    r.y1 = pCtx->CurRect.y1;
    if (pCtx->CurRect.x1 + 1 > Client.x1) {
      if (pCtx->CurRect.y1 + 1 > Client.y1) {
        return 0;
      }
      r.x0 = Client.x0;
      r.y0 = (int16_t)(pCtx->CurRect.y1 + 1);
    } else {
      r.x0 = (int16_t)(pCtx->CurRect.x1 + 1);
    }
  }
  for (;;) {
    if (r.y0 > Client.y1) {
      return 0;
    }
    if (r.x0 == Client.x0) {
      // New stripe: its height ends above the first obstacle that starts lower, or with the obstacles that
      // reach into its top row.
      r.x1 = Client.x1;
      r.y1 = Client.y1;
      _ForEachObstacle(hWin, [&r](const GUI_RECT& o) {
        if (_Intersects(o, r)) {
          if (o.y0 > r.y0) {
            r.y1 = (int16_t)(o.y0 - 1);
          } else if (o.y1 < r.y1) {
            r.y1 = o.y1;
          }
        }
      });
    }
    // Skip the columns covered by obstacles.
    int Covered = 0; // the obstacles cover the stripe up to its right end
    for (;;) {
      if (r.x0 > Client.x1) {
        break;
      }
      r.x1 = r.x0;
      int Moved = 0;
      _ForEachObstacle(hWin, [&](const GUI_RECT& o) {
        if (!Covered && _Intersects(o, r)) {
          if (o.x1 >= Client.x1) {
            Covered = 1;
          } else {
            r.x0 = (int16_t)(o.x1 + 1);
            r.x1 = r.x0;
            Moved = 1;
          }
        }
      });
      if (Covered || !Moved) {
        break;
      }
    }
    r.x1 = Client.x1;
    if (Covered || r.x1 < r.x0) {
      if (r.y1 + 1 > Client.y1) {
        return 0;
      }
      pCtx->CurRect = r;
      r.x0 = Client.x0;
      r.y0 = (int16_t)(r.y1 + 1);
      continue;
    }
    _ForEachObstacle(hWin, [&r](const GUI_RECT& o) {
      if (_Intersects(o, r) && o.x0 - 1 < r.x1) {
        r.x1 = (int16_t)(o.x0 - 1);
      }
    });
    if (pCtx->Cnt >= MaxRects) {
      return 0;
    }
    pCtx->CurRect = r;
    return 1;
  }
}

// The user clip rectangle is relative to the window being drawn (the paint-target override, else the
// selected window); returns 0 without one.
int _GetUserClipAbs(GUI_RECT* pRect) {
  const GUI_RECT* pUser = GUI_pContext->pUserClipRect;
  if (!pUser) {
    return 0;
  }
  WM_HWIN hOrg = WM__hPaintOverride ? WM__hPaintOverride : GUI_pContext->hAWin;
  *pRect = *pUser;
  if (hOrg && WM__IsWindow(hOrg)) {
    WM__MoveRect(pRect, WM_H2P(hOrg)->Rect.x0, WM_H2P(hOrg)->Rect.y0);
  }
  return 1;
}

void _ApplyClip(const GUI_RECT* pRect) {
  GUI_RECT r = *pRect;
  GUI_RECT User;
  if (_GetUserClipAbs(&User)) {
    WM__IntersectRects(&r, &r, &User);
  }
  LCD_SetClipRectEx(&r);
}

} // namespace

int WM__ClipAtParentBorders(GUI_RECT* pRect, WM_HWIN hWin) {
  while (hWin) {
    const WM_OBJ* p = WM_H2P(hWin);
    if (!(p->Status & WM_STATUS_VISIBLE)) {
      return 0;
    }
    WM__IntersectRects(pRect, pRect, &p->Rect);
    if (!p->hParent) {
      return hWin == WM__hDesktopWin;
    }
    hWin = p->hParent;
  }
  return 0;
}

int WM__NextClipRect(void) {
  CLIP_CONTEXT* pCtx = &_ClipContext;
  if (!GUI_pContext->WM_IsActive) {
    if (pCtx->InactiveOpen) {
      pCtx->InactiveOpen = 0;
      GUI_pContext->ClipRect = pCtx->SaveClip;
    }
    return 0;
  }
  if (pCtx->EntranceCnt > 1) {
    pCtx->EntranceCnt--;
    return 0;
  }
  if (pCtx->EntranceCnt < 1) {
    return 0;
  }
  pCtx->Cnt++;
  WM_HWIN hWin = GUI_pContext->hAWin;
  if (WM__IsWindow(hWin) && _FindNextRect(hWin, pCtx, MAX_RECTS_PAINT)) {
    _ApplyClip(&pCtx->CurRect);
    return 1;
  }
  pCtx->EntranceCnt--;
  GUI_pContext->ClipRect = pCtx->SaveClip;
  return 0;
}

int WM__BeginClipIteration(const GUI_RECT* pMaxRect) {
  WM_HWIN hWin = GUI_pContext->hAWin;
  if (!WM__IsWindow(hWin)) {
    return 0;
  }
  CLIP_CONTEXT* pCtx = &_ClipContext;
  if (!GUI_pContext->WM_IsActive) {
    if (!pCtx->InactiveOpen) {
      pCtx->InactiveOpen = 1;
      pCtx->SaveClip = GUI_pContext->ClipRect;
    }
    GUI_RECT r = WM_H2P(hWin)->Rect;
    if (WM__hPaintOverride) {
      WM__ClipAtParentBorders(&r, WM__hPaintOverride);
    }
    LCD_SetClipRectEx(&r);
    return 1;
  }
  if (++pCtx->EntranceCnt > 1) {
    return 1;
  }
  pCtx->Cnt = -1;
  pCtx->SaveClip = GUI_pContext->ClipRect;
  const WM_OBJ* pWin = WM_H2P(hWin);
  GUI_RECT r;
  if (WM__PaintCnt) {
    r = pWin->InvalidRect;
  } else {
    if (!(pWin->Status & WM_STATUS_VISIBLE)) {
      pCtx->EntranceCnt--;
      return 0;
    }
    r = pWin->Rect;
  }
  if (pMaxRect) {
    WM__IntersectRects(&r, &r, pMaxRect);
  }
  GUI_RECT User;
  if (_GetUserClipAbs(&User)) {
    WM__IntersectRects(&r, &r, &User);
  }
  if (WM__hPaintOverride && (!WM__ClipAtParentBorders(&r, WM__hPaintOverride) || WM__RectIsEmpty(&r))) {
    pCtx->EntranceCnt--;
    return 0;
  }
  if (!WM__ClipAtParentBorders(&r, hWin) || WM__RectIsEmpty(&r)) {
    pCtx->EntranceCnt--;
    return 0;
  }
  pCtx->ClientRect = r;
  return WM__NextClipRect();
}

const GUI_RECT* WM_SetUserClipRect(const GUI_RECT* pRect) {
  WM__LockGuard Lock;
  const GUI_RECT* pOld = GUI_pContext->pUserClipRect;
  GUI_pContext->pUserClipRect = pRect;
  CLIP_CONTEXT* pCtx = &_ClipContext;
  if (GUI_pContext->WM_IsActive && pCtx->EntranceCnt > 0 && pCtx->Cnt >= 0) {
    _ApplyClip(&pCtx->CurRect);
  }
  return pOld;
}

int WM__IsRectCovered(WM_HWIN hWin, const GUI_RECT* pRect) {
  CLIP_CONTEXT Ctx = {};
  Ctx.ClientRect = *pRect;
  Ctx.Cnt = 0;
  return _FindNextRect(hWin, &Ctx, MAX_RECTS_COVER) ? 0 : 1;
}

int WM_IsCompletelyCovered(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_IsCompletelyCovered")) {
    return 1;
  }
  CLIP_CONTEXT Ctx = {};
  GUI_RECT r = WM_H2P(hWin)->Rect;
  GUI_RECT Screen = {0, 0, (int16_t)(LCD_GetVXSizeEx(0) - 1), (int16_t)(LCD_GetVYSizeEx(0) - 1)};
  if (!WM__IntersectRects(&r, &r, &Screen) || !WM__ClipAtParentBorders(&r, hWin) || WM__RectIsEmpty(&r)) {
    return 1;
  }
  Ctx.ClientRect = r;
  Ctx.Cnt = 0;
  return _FindNextRect(hWin, &Ctx, MAX_RECTS_COVER) ? 0 : 1;
}
