// The screens as users watch them: a full repaint of the main screen, a 10-pixel drag step of the Inputs page,
// a drag step of an open selection list and the first paint of the numeric keypad, each into the 16-bit
// display buffer and into the 32-bit one the simulator shows. Every step is compared with a memcpy of one
// 480x272 frame at 2 bytes per pixel, which sits in cache.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "APP_Hooks.h"
#include "BenchRatio.h"
#include "GUI_MEMDEV.h"
#include "LCD_SIMDRV.h"
#include "SYS_Clock.h"
#include "TXT_Language.h"
#include "UI_ElementLine.h"
#include "UI_Main.h"
#include "UI_MainMessages.h"
#include "UI_MenuPage.h"
#include "UI_MenuStack.h"
#include "UI_Startup.h"
#include "WM_Motion.h"

namespace {

constexpr int FRAME_W = 480, FRAME_H = 272;
constexpr uint32_t INPUTS_PAGE = 0x5801;

// Time stands still unless a step moves it, as in the screen tests.
U32 _Now = 1000;
GUI_OS_API _Os;

void _Settle() {
  for (int i = 0; i < 50 && GUI_Exec(); i++) {
  }
}

void _Advance(int ms) {
  _Now += (U32)ms;
  _Settle();
}

void _Pointer(int x, int y, int Pressed) {
  GUI_POINTER_STATE s = {};
  s.x = x;
  s.y = y;
  s.Pressed = U8(Pressed);
  GUI_POINTER_StoreState(&s);
  _Settle();
}

void _Touch(int x, int y) {
  _Pointer(x, y, 1);
  _Advance(50);
  _Pointer(x, y, 0);
  _Advance(200);
}

// The 32-bit frame buffer of the simulator's window; the 16-bit one is the driver's own.
std::vector<U32> _Frame32((size_t)FRAME_W * FRAME_H * 2);
U32 _ChangeCnt;

void _InvalidateScreen() {
  GUI_RECT r = {0, 0, FRAME_W - 1, FRAME_H - 1};
  WM_InvalidateArea(&r);
}

void _UseDisplay(int Bits) {
  if (Bits == 32) {
    LCD_SIMDRV_BUFFER b = {_Frame32.data(), FRAME_W, FRAME_H, FRAME_W, FRAME_H * 2, FRAME_W * 4,
                           &_ChangeCnt,     LCD_SIMDRV_STORAGE_XRGB, 0};
    LCD_SIMDRV_SetBuffer(0, &b);
  } else {
    LCD_SIMDRV_SetBuffer(0, nullptr);
  }
  _InvalidateScreen();
  _Settle();
}

void _Home() {
  UI_MenuStackInstance.Open(UI_ROOT_MENU, 0);
  _Advance(200);
}

WM_HWIN _Child(WM_HWIN h, int i) {
  h = WM_GetFirstChild(h);
  while (h && i--) h = WM_GetNextSibling(h);
  return h;
}

void _TouchCentre(WM_HWIN h) {
  _Touch(WM_GetWindowPosX(h) + WM_GetWindowSizeX(h) / 2, WM_GetWindowPosY(h) + WM_GetWindowSizeY(h) / 2);
}

// The line of the shown page whose label starts with pLabel.
WM_HWIN _Line(const char16_t* pLabel) {
  size_t n = std::char_traits<char16_t>::length(pLabel);
  for (WM_HWIN h = WM_GetFirstChild(WM_GetFirstChild(UI_hPageArea)); h; h = WM_GetNextSibling(h)) {
    const UI_LINE_BLOCK* p = (const UI_LINE_BLOCK*)UI_GetElementData(h);
    if (p && std::char_traits<char16_t>::compare(p->acText, pLabel, n) == 0) return h;
  }
  return 0;
}

void _OpenInput1() {
  _Home();
  UI_MenuStackInstance.Open(INPUTS_PAGE, 0);
  _Advance(200);
  _TouchCentre(_Child(WM_GetFirstChild(UI_hPageArea), 0));
}

void FullRepaint(benchmark::State& State, int Bits) {
  _UseDisplay(Bits);
  _Home();
  for (auto _ : State) {
    _InvalidateScreen();
    _Settle();
  }
}

// Drags with the pointer held at x: ten pixels up, ten pixels down, each step 20 ms after the one before.
void _Drag(benchmark::State& State, int x, int y) {
  _Pointer(x, y, 1);
  _Now += 20;
  _Pointer(x, y - 40, 1);
  int Dir = -1, yNow = y - 40;
  for (auto _ : State) {
    yNow += 10 * Dir;
    Dir = -Dir;
    _Now += 20;
    _Pointer(x, yNow, 1);
  }
  _Now += 20;
  _Pointer(x, yNow, 0);
  _Advance(3000);
}

void InputsDrag(benchmark::State& State, int Bits) {
  _UseDisplay(Bits);
  _Home();
  UI_MenuStackInstance.Open(INPUTS_PAGE, 0);
  _Advance(200);
  _Drag(State, 200, 200);
  _Home();
}

void ListDrag(benchmark::State& State, int Bits) {
  _UseDisplay(Bits);
  _OpenInput1();
  if (WM_HWIN hLine = _Line(u"Designation")) _TouchCentre(hLine);
  if (!UI_hListWin) {
    State.SkipWithError("no selection list");
    return;
  }
  int x = WM_GetWindowPosX(UI_hListWin) + WM_GetWindowSizeX(UI_hListWin) / 2;
  _Drag(State, x, 200);
  WM_SendMessageNoPara(UI_hListWin, UI_MSG_BACK);
  _Advance(200);
  _Home();
}

void KeypadFirstPaint(benchmark::State& State, int Bits) {
  _UseDisplay(Bits);
  _OpenInput1();
  WM_HWIN hLine = _Line(u"Correction"), hBox = WM_GetFirstChild(hLine);
  if (!hBox) {
    State.SkipWithError("no correction line");
    return;
  }
  for (int i = 0; i < 20 && WM_GetWindowPosY(hBox) > 180; i++) {  // wheel the line into view
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_WHEEL;
    Msg.Data.v = -1;
    WM_SendMessage(WM_GetFirstChild(UI_hPageArea), &Msg);
    _Advance(2000);
  }
  int x = WM_GetWindowPosX(hBox) + WM_GetWindowSizeX(hBox) / 2, y = WM_GetWindowPosY(hBox) + 10;
  _Touch(x, y);
  int Opened = UI_hEntryDialog != 0;
  _Touch(460, 90);  // cancel
  if (!Opened) {
    State.SkipWithError("no keypad");
    return;
  }
  for (auto _ : State) {
    State.PauseTiming();
    _Pointer(x, y, 1);
    _Now += 50;
    _Settle();
    State.ResumeTiming();
    _Pointer(x, y, 0);  // opens the keypad and paints it
    State.PauseTiming();
    _Advance(200);
    _Touch(460, 90);
    State.ResumeTiming();
  }
  _Home();
}

void FrameMemcpy(benchmark::State& State) {
  std::vector<U16> Src((size_t)FRAME_W * FRAME_H, 0x5A5A), Dst((size_t)FRAME_W * FRAME_H);
  for (auto _ : State) {
    std::memcpy(Dst.data(), Src.data(), Dst.size() * 2);
    benchmark::DoNotOptimize(Dst.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(FrameMemcpy);
BENCHMARK_CAPTURE(FullRepaint, 16, 16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullRepaint, 32, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(InputsDrag, 16, 16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(InputsDrag, 32, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ListDrag, 16, 16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ListDrag, 32, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeypadFirstPaint, 16, 16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeypadFirstPaint, 32, 32)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "UTC", 1);
  tzset();
  _Os.pfGetTime = [] { return _Now; };
  _Os.pfDelay = [](int ms) { _Now += ms > 0 ? (U32)ms : 0; };
  GUI_OS_SetAPI(&_Os);
  if (GUI_Init()) return 1;
  APP_InitController();
  APP_CreateKernelObjects();
  SYS_ClockSeconds = 1773756300;  // 2026-03-17 14:05:00
  UI_StartupDone = 1;
  TXT_SelectLanguage(TXT_LANG_ENGLISH);
  WM_Init();
  GUI_MEMDEV__Init();
  WM_MOTION_Enable(1);
  UI_InstallMenuPages();
  UI_CreateMainScreen();
  _Settle();
  int r = benchratio::Main(argc, argv, "FrameMemcpy");
  UI_DeleteMainWindows();
  GUI_Exit();
  return r;
}
