// Fuzz target of the movie reader: every input is opened from memory and through a get-data routine, played
// with looping under a clock the target moves, sought and paused, and deleted.
#include "GUI.h"
#include "GUI_ImageRead.h"
#include "GUI_MOVIE.h"
#include "fuzz_ImageSupport.h"

#include <cstddef>
#include <cstdint>

namespace {

U32 _Now;
U32 _GetTime() { return _Now; }
void _Notify(GUI_MOVIE_HANDLE, int, U32) {}

int _Init() {
  int r = fuzz_image::Init();
  static GUI_OS_API Api = *GUI_OS_GetAPI();
  Api.pfGetTime = _GetTime;
  GUI_OS_SetAPI(&Api);
  return r;
}

void _Play(GUI_MOVIE_HANDLE h) {
  if (!h) {
    return;
  }
  GUI_MOVIE_INFO Info;
  (void)Info;
  GUI_MOVIE_GetPos(h, nullptr, nullptr, nullptr, nullptr);
  GUI_MOVIE_Show(h, 3, 4, 1);
  for (int i = 0; i < 6; i++) {
    _Now += 37;
    // A movie without a period is due again at once: a bounded number of ticks, as GUI_Exec would run.
    for (int k = 0; k < 8 && GUI_TIMER_Exec(); k++) {
    }
  }
  GUI_MOVIE_GotoFrame(h, 1);
  GUI_MOVIE_SetPeriod(h, 0);
  _Now += 5;
  GUI_TIMER_Exec();
  GUI_MOVIE_Pause(h);
  GUI_MOVIE_GotoFrame(h, 0x7FFFFFFF);
  GUI_MOVIE_Delete(h);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t NumBytes) {
  static int Initialized = _Init();
  (void)Initialized;
  GUI_MOVIE_INFO Info;
  GUI_MOVIE_GetInfo(pData, U32(NumBytes), &Info);
  _Play(GUI_MOVIE_Create(pData, U32(NumBytes), _Notify));
  fuzz_image::SlowSource Slow = {pData, NumBytes, 7};
  _Play(GUI_MOVIE_CreateEx(fuzz_image::GetDataSlow, &Slow, _Notify));
  return 0;
}
