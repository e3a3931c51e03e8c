// Movie playback: a GUI timer whose tick draws the loaded frame straight to the display and loads the next
// one, keeping to the time per frame; frames whose time has already passed are dropped undrawn. Play, pause,
// show and seeking.
//
// The tick may run application code (the notifications) at several points; it takes the record afresh after
// each, and a movie deleted by its own notification is freed when the tick ends.
#include "GUI_MOVIE_Private.h"
#include "GUI_ImageRead.h"
#include "GUI_JPEG.h"
#include "WM.h"

namespace {

const I32 kMaxLate = 60000;  // ms: later than this, playback resumes at the frame reached

// The loaded frame's header: it must carry the frame tag, and its byte count must lie within the frame.
// 0 when it may be drawn; *pNumBytes gets the JPEG data's size.
int _CheckFrame(const GUI_MOVIE_OBJ* p, U32* pNumBytes) {
  const U8* pFrame = p->hFrame ? static_cast<const U8*>(GUI_ALLOC_h2p(p->hFrame)) : nullptr;
  if (!pFrame || p->FrameSize < I32(MOVIE__FRAME_HEADER_SIZE)) {
    return 1;
  }
  *pNumBytes = GUI__Get32(pFrame + 8);
  return GUI__Get32(pFrame + 4) != MOVIE__FRAME_TAG || *pNumBytes > U32(p->FrameSize - MOVIE__FRAME_HEADER_SIZE);
}

// Ends the tick: a deletion asked for during it happens now.
void _EndTick(GUI_MOVIE_HANDLE hMovie) {
  GUI_MOVIE_OBJ* p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  p->InTick = 0;
  if (p->DeletePending) {
    GUI_MOVIE__Free(hMovie);
  }
}

void _Tick(GUI_TIMER_MSG* pMsg) {
  GUI_MOVIE_HANDLE hMovie = GUI_MOVIE_HANDLE(pMsg->Context);
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  if (!p) {
    return;
  }
  p->InTick = 1;
  p->DueTime += p->Period;
  U32 NumBytes;
  if (_CheckFrame(p, &NumBytes)) {
    GUI_MOVIE__Stop(hMovie);
    _EndTick(hMovie);
    return;
  }
  U32 Frame = U32(p->CurrentFrame);
  GUI_MOVIE__Notify(hMovie, GUI_MOVIE_NOTIFICATION_PREDRAW, Frame);
  p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  if (p->DeletePending) {
    _EndTick(hMovie);
    return;
  }
  // The notification may have sought another frame: the buffer is checked again before it is drawn.
  int r = _CheckFrame(p, &NumBytes);
  if (!r) {
    int x = p->xPos, y = p->yPos;
    const U8* pData = static_cast<const U8*>(GUI_ALLOC_LockH(p->hFrame));
    WM_Deactivate();
    r = GUI_JPEG_Draw(pData + MOVIE__FRAME_HEADER_SIZE, int(NumBytes), x, y);
    WM_Activate();
    GUI_ALLOC_UnlockH(&pData);
  }
  GUI_MOVIE__Notify(hMovie, GUI_MOVIE_NOTIFICATION_POSTDRAW, Frame);
  p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  if (r || p->DeletePending || !p->hTimer) {
    if (r) {
      GUI_MOVIE__Stop(hMovie);
    }
    _EndTick(hMovie);
    return;
  }
  // The next frame that is still due; the ones whose time has passed are dropped.
  for (;;) {
    p->CurrentFrame++;
    if (U32(p->CurrentFrame) >= p->NumFrames) {
      if (!p->DoLoop) {
        p->CurrentFrame = I32(p->NumFrames) - 1;
        GUI_MOVIE__Stop(hMovie);
        break;
      }
      p->CurrentFrame = 0;
      p->NumIndex = 0;
    }
    I32 Late = I32(U32(GUI_GetTime()) - p->DueTime);
    if (Late > 0 && p->Period && Late < kMaxLate) {
      p->DueTime += p->Period;  // this frame's time has passed: dropped
      continue;
    }
    if (Late > 0) {
      // Without a period nothing would ever be due again, and after a long stall (the clock jumped) the
      // dropping would run for ever: the frame reached is shown at once and the timing starts afresh.
      p->DueTime = U32(GUI_GetTime());
      Late = 0;
    }
    if (GUI_MOVIE__LoadFrame(hMovie)) {
      GUI_MOVIE__Stop(hMovie);
      break;
    }
    p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
    GUI_TIMER_SetPeriod(p->hTimer, -Late);
    GUI_TIMER_Restart(p->hTimer);
    break;
  }
  _EndTick(hMovie);
}

}  // namespace

void GUI_MOVIE__Stop(GUI_MOVIE_HANDLE hMovie) {
  GUI_MOVIE_OBJ* p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  GUI_TIMER_HANDLE hTimer = p->hTimer;
  p->hTimer = 0;
  GUI_TIMER_Delete(hTimer);
  p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  GUI_MOVIE__Notify(hMovie, GUI_MOVIE_NOTIFICATION_STOP, U32(p->CurrentFrame));
}

int GUI_MOVIE_Play(GUI_MOVIE_HANDLE hMovie) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  int r = p ? 0 : 1;
  if (p && !p->hTimer) {
    GUI_TIMER_HANDLE hTimer = GUI_TIMER_Create(_Tick, GUI_GetTime(), PTR_ADDR(hMovie), 0);
    p = GUI_MOVIE__h2p(hMovie);
    if (!hTimer) {
      r = 1;  // no timer: the movie stays as it was
    } else {
      p->hTimer = hTimer;
      p->DueTime = U32(GUI_GetTime());
      GUI_MOVIE__Notify(hMovie, GUI_MOVIE_NOTIFICATION_START, U32(p->CurrentFrame));
    }
  }
  GUI_Unlock();
  return r;
}

int GUI_MOVIE_Show(GUI_MOVIE_HANDLE hMovie, int xPos, int yPos, int DoLoop) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  if (p) {
    p->xPos = xPos;
    p->yPos = yPos;
    p->DoLoop = DoLoop ? 1 : 0;
  }
  int r = p ? GUI_MOVIE_Play(hMovie) : 1;
  GUI_Unlock();
  return r;
}

int GUI_MOVIE_Pause(GUI_MOVIE_HANDLE hMovie) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  int r = 1;
  if (p && p->hTimer) {
    GUI_MOVIE__Stop(hMovie);
    r = 0;
  }
  GUI_Unlock();
  return r;
}

int GUI_MOVIE_GotoFrame(GUI_MOVIE_HANDLE hMovie, U32 Index) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  int r = 0;
  if (p && Index < p->NumFrames) {
    p->CurrentFrame = I32(Index);
    p->NumIndex = 0;
    if (GUI_MOVIE__LoadFrame(hMovie)) {
      r = 1;
      if (GUI_MOVIE__h2p(hMovie)->hTimer) {
        GUI_MOVIE__Stop(hMovie);
      }
    }
  } else if (!p) {
    r = 1;
  }
  GUI_Unlock();
  return r;
}
