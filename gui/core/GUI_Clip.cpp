// The clip iteration of drawing in window coordinates and the client rectangle: hooks the window manager
// takes over; by default the context's clip rectangle is used once. And the paint passes that group the
// iterations of one paint.
#include "GUI_Private.h"

namespace {

int _ClipBeginDefault(const GUI_RECT* pBounds) {
  return pBounds ? GUI_RectsIntersect(pBounds, GUI_pContext->pClipRect) : 1;
}

int _ClipNextDefault(void) { return 0; }

U32 _Pass, _LastPass;  // the pass open (0: none), the last one given out

void _GetClientRectDefault(GUI_RECT* pRect) {
  pRect->x0 = 0;
  pRect->y0 = 0;
  pRect->x1 = GUI__ClampI16(LCD_GetXSize() - 1);
  pRect->y1 = GUI__ClampI16(LCD_GetYSize() - 1);
}

}  // namespace

int (*GUI__pfClipBegin)(const GUI_RECT* pBounds);
int (*GUI__pfClipNext)(void);
void (*GUI__pfGetClientRect)(GUI_RECT* pRect);

int GUI__ClipBegin(const GUI_RECT* pBounds) {
  return GUI__pfClipBegin ? GUI__pfClipBegin(pBounds) : _ClipBeginDefault(pBounds);
}

int GUI__ClipNext(void) { return GUI__pfClipNext ? GUI__pfClipNext() : _ClipNextDefault(); }

void GUI_GetClientRect(GUI_RECT* pRect) {
  if (!pRect) {
    return;
  }
  GUI_Lock();
  if (GUI__pfGetClientRect) {
    GUI__pfGetClientRect(pRect);
  } else {
    _GetClientRectDefault(pRect);
  }
  GUI_Unlock();
}

// Drawing happens under the GUI lock, so one pass is open at a time.
int GUI__BeginPaintPass(void) {
  if (_Pass) {
    return 0;
  }
  _Pass = ++_LastPass ? _LastPass : ++_LastPass;
  return 1;
}

void GUI__EndPaintPass(int Opened) {
  if (Opened) {
    _Pass = 0;
  }
}

U32 GUI__GetPaintPass(void) { return _Pass; }
