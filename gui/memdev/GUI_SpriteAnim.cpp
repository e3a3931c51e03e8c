// Animated sprites: a GUI timer steps through a list of pictures. Hiding the sprite stops the timer, showing
// it starts the animation again from the first picture.
#include "GUI_SpritePrivate.h"

namespace {

struct _ANIM {
  const GUI_BITMAP* const* ppBitmaps;
  const unsigned* pPeriods;  // one per frame, or null
  unsigned Period;           // one for all frames, or 0
  int NumFrames;
  int CurrentFrame;
  GUI_TIMER_HANDLE hTimer;
  GUI_HSPRITE hSprite;
  U16 Flags;  // bit 0: loop
};

enum { ANIM_LOOP = 1 };

_ANIM* _h2p(GUI_HMEM hAnim) { return static_cast<_ANIM*>(GUI_ALLOC_h2p(hAnim)); }

unsigned _FirstPeriod(const _ANIM* a) { return a->Period ? a->Period : a->pPeriods[0]; }

void _OnTimer(GUI_TIMER_MSG* pMsg) {
  GUI_HMEM hAnim = GUI_HMEM(pMsg->Context);
  _ANIM* a = _h2p(hAnim);
  if (!GUI_SPRITE_IsVisible(a->hSprite)) {
    GUI_TIMER_Restart(a->hTimer);
    return;
  }
  int Frame = a->CurrentFrame + 1 < a->NumFrames ? a->CurrentFrame + 1 : 0;
  a->CurrentFrame = Frame;
  GUI_TIMER_TIME Period = a->pPeriods ? GUI_TIMER_TIME(a->pPeriods[Frame]) : GUI_TIMER_GetPeriod(a->hTimer);
  if (Frame == a->NumFrames - 1 && !(a->Flags & ANIM_LOOP)) {
    Period = 0;  // the animation ends on its last picture
  }
  if (Period == 0) {
    GUI_TIMER_Delete(a->hTimer);
    a->hTimer = 0;
  } else if (Period != GUI_TIMER_GetPeriod(a->hTimer)) {
    GUI_TIMER_SetPeriod(a->hTimer, Period);
  }
  GUI_HSPRITE hSprite = a->hSprite;
  GUI_SPRITE_SetBitmap(hSprite, a->ppBitmaps[Frame]);
  a = _h2p(hAnim);
  if (a->hTimer) {
    GUI_TIMER_Restart(a->hTimer);
  }
}

// 0 when the timer runs.
int _Start(GUI_HMEM hAnim) {
  _ANIM* a = _h2p(hAnim);
  GUI_TIMER_TIME Period = GUI_TIMER_TIME(_FirstPeriod(a));
  GUI_TIMER_HANDLE hTimer = GUI_TIMER_Create(_OnTimer, GUI_GetTime() + Period, PTR_ADDR(hAnim), 0);
  if (!hTimer) {
    return 1;
  }
  GUI_TIMER_SetPeriod(hTimer, Period);
  _h2p(hAnim)->hTimer = hTimer;
  return 0;
}

void _Stop(_ANIM* a) {
  GUI_TIMER_Delete(a->hTimer);
  a->hTimer = 0;
}

// The sprite tells: painted (resume from the first picture), removed (stop), deleted (stop).
void _OnSprite(GUI_HMEM hAnim, int Cmd) {
  _ANIM* a = _h2p(hAnim);
  if (Cmd != GUI_SPRITE_CMD_PAINTED) {
    _Stop(a);
    return;
  }
  if (a->hTimer) {
    return;
  }
  if (a->CurrentFrame != 0) {
    a->CurrentFrame = 0;
    GUI_SPRITE_SetBitmap(a->hSprite, a->ppBitmaps[0]);
  }
  _Start(hAnim);
}

GUI_HMEM _GetAnim(GUI_HSPRITE hSprite) {
  GUI_SPRITE* p = hSprite ? GUI_SPRITE__h2p(hSprite) : nullptr;
  return (p && p->pfCallback == _OnSprite) ? p->hContext : 0;
}

}  // namespace

GUI_HSPRITE GUI_SPRITE_CreateAnimEx(const GUI_BITMAP* const* ppBitmaps, int x, int y, unsigned Period,
                                    const unsigned* pPeriods, int NumFrames, int Layer) {
  if (!ppBitmaps || NumFrames < 1 || (Period != 0) == (pPeriods != nullptr)) {
    return 0;
  }
  if (pPeriods) {
    for (int i = 0; i < NumFrames; i++) {
      if (pPeriods[i] > 0x7FFFFFFF) {
        return 0;
      }
    }
  }
  GUI_Lock();
  GUI_HSPRITE hSprite = 0;
  GUI_HMEM hAnim = GUI_ALLOC_AllocZero(sizeof(_ANIM));
  if (hAnim) {
    *_h2p(hAnim) = _ANIM{ppBitmaps, pPeriods, Period, NumFrames, 0, 0, 0, ANIM_LOOP};
    hSprite = GUI_SPRITE__CreateEx(ppBitmaps[0], x, y, Layer, 0, _OnSprite, hAnim);
    if (!hSprite) {
      GUI_ALLOC_Free(hAnim);
    } else {
      _h2p(hAnim)->hSprite = hSprite;
      GUI_SPRITE_Show(hSprite);  // starts the timer
      if (!_h2p(hAnim)->hTimer) {
        GUI_SPRITE_Delete(hSprite);
        hSprite = 0;
      }
    }
  }
  GUI_Unlock();
  return hSprite;
}

GUI_HSPRITE GUI_SPRITE_CreateAnim(const GUI_BITMAP* const* ppBitmaps, int x, int y, unsigned Period,
                                  const unsigned* pPeriods, int NumFrames) {
  return GUI_SPRITE_CreateAnimEx(ppBitmaps, x, y, Period, pPeriods, NumFrames, GUI_pContext->SelLayer);
}

int GUI_SPRITE_SetLoop(GUI_HSPRITE hSprite, int OnOff) {
  GUI_Lock();
  GUI_HMEM hAnim = _GetAnim(hSprite);
  int r = -1;
  if (hAnim) {
    _ANIM* a = _h2p(hAnim);
    r = a->Flags & ANIM_LOOP;
    a->Flags = U16(OnOff ? (a->Flags | ANIM_LOOP) : (a->Flags & ~ANIM_LOOP));
  }
  GUI_Unlock();
  return r;
}

int GUI_SPRITE_StartAnim(GUI_HSPRITE hSprite) {
  GUI_Lock();
  GUI_HMEM hAnim = _GetAnim(hSprite);
  int r = (hAnim && !_h2p(hAnim)->hTimer) ? _Start(hAnim) : 1;
  GUI_Unlock();
  return r;
}

int GUI_SPRITE_StopAnim(GUI_HSPRITE hSprite) {
  GUI_Lock();
  GUI_HMEM hAnim = _GetAnim(hSprite);
  int r = 1;
  if (hAnim && _h2p(hAnim)->hTimer) {
    _Stop(_h2p(hAnim));
    r = 0;
  }
  GUI_Unlock();
  return r;
}
