// Window transitions: fade, move (turning and growing from a point, or shrinking to it), shift (sliding in
// from beyond the display edge or out over it) and push (sliding in within the window's own place while what
// was there slides out ahead). Each takes the window's picture and the picture of the desktop without it,
// builds every frame off-screen and leaves the window shown or hidden as the transition implies.
#include <algorithm>
#include <cmath>

#include "GUI_MEMDEV_AnimPrivate.h"
#include "GUI_MEMDEV_Private.h"
#include "GUI_MEMDEV_Rotate.h"

namespace {

enum _KIND { _FADE_IN, _FADE_OUT, _MOVE_IN, _MOVE_OUT, _SHIFT_IN, _SHIFT_OUT, _PUSH_IN };

struct _JOB {
  _KIND Kind;
  int Period;
  GUI_MEMDEV__PICTURES Pics;
  GUI_HMEM hFrame;
  GUI_HMEM hOld;           // push: what the window's place showed before
  int x0, y0, w, h;        // the window picture's place
  int Angle, dx, dy;       // move: degrees, distance from the window's centre to the point
  int xStart, yStart;      // shift, push: where the window picture starts
  int xDist, yDist;        // and how far it travels
};

bool _IsIn(_KIND k) { return k == _FADE_IN || k == _MOVE_IN || k == _SHIFT_IN || k == _PUSH_IN; }

// Slow at both ends, fastest at half the period: 0 at the start, 2 at the end.
double _Ease(int Period, int Elapsed) {
  double Half = (double)(Period >> 1);
  if (Half <= 0) return 2.0;
  if (Elapsed < Half) return std::pow(Elapsed / Half, 3);
  return 2.0 - std::pow((Period - Elapsed) / Half, 3);
}

void _FadeFrame(_JOB& j, int Elapsed) {
  int i = j.Kind == _FADE_IN ? GUI_MEMDEV__FadeInRamp(j.Period, Elapsed) : GUI_MEMDEV__FadeOutRamp(j.Period, Elapsed);
  GUI_MEMDEV__BlendDevicesAt(j.Pics.hWin, j.Pics.hBk, j.hFrame, (U8)i, j.x0 - GUI_MEMDEV_GetXPos(j.Pics.hBk),
                             j.y0 - GUI_MEMDEV_GetYPos(j.Pics.hBk));
}

void _MoveFrame(_JOB& j, int E) {
  const I64 A = j.Angle, P = std::max(j.Period, 1);
  I64 Angle, Mag, xo, yo;
  if (j.Kind == _MOVE_IN) {
    Angle = A * 1000 - E * A * 1000 / P;
    Mag = E * 1000 / P;
    xo = j.dx - E * j.dx / P;
    yo = j.dy - E * j.dy / P;
  } else {
    Angle = A * E * 1000 / P;
    Mag = 1000 - E * 1000 / P;
    xo = j.dx * E / P;
    yo = j.dy * E / P;
  }
  GUI_MEMDEV__CopyOverlap32(j.Pics.hBk, j.hFrame);
  GUI_MEMDEV_RotateMasked(j.Pics.hWin, j.hFrame, j.x0 + (int)xo - GUI_MEMDEV_GetXPos(j.hFrame),
                          j.y0 + (int)yo - GUI_MEMDEV_GetYPos(j.hFrame), (int)Angle, (int)Mag, 0x00FFFFFF);
}

void _ShiftFrame(_JOB& j, int E) {
  double f = _Ease(j.Period, E) * 0.5;
  GUI_MEMDEV__CopyOverlap32(j.Pics.hBk, j.hFrame);
  GUI_MEMDEV_Select(j.hFrame);
  GUI_MEMDEV_CopyToLCDAt(j.Pics.hWin, (int)(j.xDist * f + j.xStart), (int)(j.yDist * f + j.yStart));
  GUI_MEMDEV_Select(0);
}

void _PushFrame(_JOB& j, int E) {
  double g = _Ease(j.Period, E) * 0.5;
  // The frame's own place in the background: the background under the window's place.
  GUI_MEMDEV__CopyOverlap32(j.Pics.hBk, j.hFrame);
  GUI_MEMDEV_Select(j.hFrame);
  GUI_MEMDEV_CopyToLCDAt(j.Pics.hWin, (int)(j.xDist * g + j.xStart), (int)(j.yDist * g + j.yStart));
  GUI_MEMDEV_CopyToLCDAt(j.hOld, GUI_MEMDEV_GetXPos(j.hOld) + (int)(j.xDist * g),
                         GUI_MEMDEV_GetYPos(j.hOld) + (int)(j.yDist * g));
  GUI_MEMDEV_Select(0);
}

void _Frame(int Elapsed, void* pData) {
  _JOB& j = *(_JOB*)pData;
  switch (j.Kind) {
    case _FADE_IN:
    case _FADE_OUT: _FadeFrame(j, Elapsed); break;
    case _MOVE_IN:
    case _MOVE_OUT: _MoveFrame(j, Elapsed); break;
    case _SHIFT_IN:
    case _SHIFT_OUT: _ShiftFrame(j, Elapsed); break;
    case _PUSH_IN: _PushFrame(j, Elapsed); break;
  }
  GUI_MEMDEV__ShowFrame(j.hFrame);
}

// Start and distance of the shifts: from beyond the display edge to the window's place, or back.
void _SetShift(_JOB& j, int Direction) {
  const int W = LCD_GetXSize(), H = LCD_GetYSize();
  const bool In = j.Kind == _SHIFT_IN;
  j.xStart = j.x0, j.yStart = j.y0, j.xDist = 0, j.yDist = 0;
  switch (Direction) {
    case 0:
      if (In) j.xStart = -j.w, j.xDist = j.w + j.x0;
      else j.xDist = -(j.x0 + j.w);
      break;
    case 1:
      if (In) j.xStart = W, j.xDist = j.x0 - W;
      else j.xDist = W - j.x0;
      break;
    case 2:
      if (In) j.yStart = -j.h, j.yDist = j.h + j.y0;
      else j.yDist = -(j.h + j.y0);
      break;
    case 3:
      if (In) j.yStart = H, j.yDist = j.y0 - H;
      else j.yDist = H - j.y0;
      break;
  }
}

// Start and distance of the push: from the neighbouring place (or from the display edge when the window
// reaches beyond it) to the window's place.
void _SetPush(_JOB& j, int Direction) {
  const int W = LCD_GetXSize(), H = LCD_GetYSize();
  j.xStart = j.x0, j.yStart = j.y0, j.xDist = 0, j.yDist = 0;
  switch (Direction) {
    case 0:
      j.xStart = j.x0 < 0 ? -j.w : j.x0 - j.w;
      j.xDist = j.x0 < 0 ? j.x0 + j.w : j.w;
      break;
    case 1:
      j.xStart = j.x0 + j.w > W ? W : j.x0 + j.w;
      j.xDist = j.x0 + j.w > W ? j.x0 - W : -j.w;
      break;
    case 2:
      j.yStart = j.y0 < 0 ? -j.h : j.y0 - j.h;
      j.yDist = j.y0 < 0 ? j.y0 + j.h : j.h;
      break;
    case 3:
      j.yStart = j.y0 + j.h > H ? H : j.y0 + j.h;
      j.yDist = j.y0 + j.h > H ? j.y0 - H : -j.h;
      break;
  }
}

// The frame device (and for the push the old content) of a transition; false when it cannot be made.
bool _MakeFrames(_JOB& j) {
  const int W = LCD_GetXSize(), H = LCD_GetYSize();
  switch (j.Kind) {
    case _FADE_IN:
    case _FADE_OUT: j.hFrame = GUI_MEMDEV__CreateFrame(j.x0, j.y0, j.w, j.h, false); break;
    case _PUSH_IN: {
      GUI_RECT r = {GUI_MEMDEV__ToI16(j.x0), GUI_MEMDEV__ToI16(j.y0), GUI_MEMDEV__ToI16(j.x0 + j.w - 1),
                    GUI_MEMDEV__ToI16(j.y0 + j.h - 1)};
      GUI_RECT Screen = {0, 0, (I16)(W - 1), (I16)(H - 1)};
      if (!GUI__IntersectRects(&r, &r, &Screen)) return false;
      const int cw = r.x1 - r.x0 + 1, ch = r.y1 - r.y0 + 1;
      j.hOld = GUI_MEMDEV__CreateFrame(r.x0, r.y0, cw, ch, true);
      j.hFrame = GUI_MEMDEV__CreateFrame(r.x0, r.y0, cw, ch, true);
      if (!j.hOld || !j.hFrame) return false;
      GUI_MEMDEV_Select(j.hOld);
      GUI_MEMDEV_CopyToLCD(j.Pics.hBk);
      GUI_MEMDEV_Select(0);
      break;
    }
    default: j.hFrame = GUI_MEMDEV__CreateFrame(0, 0, W, H, false); break;
  }
  return j.hFrame != 0;
}

int _Run(WM_HWIN hWin, _KIND Kind, int Period, int x, int y, int Angle, int Direction) {
  GUI_MEMDEV__LockGuard Lock;
  // The desktop has no background to come from or go to.
  if (!WM_IsWindow(hWin) || hWin == WM_GetDesktopWindow()) return 1;
  _JOB j{};
  j.Kind = Kind;
  j.Period = Period;
  bool Shown = false, Completed = false;
  if (GUI_MEMDEV__TakePictures(hWin, false, &j.Pics)) {
    j.x0 = GUI_MEMDEV_GetXPos(j.Pics.hWin);
    j.y0 = GUI_MEMDEV_GetYPos(j.Pics.hWin);
    j.w = GUI_MEMDEV_GetXSize(j.Pics.hWin);
    j.h = GUI_MEMDEV_GetYSize(j.Pics.hWin);
    GUI_RECT r;
    WM_GetWindowRect(hWin, &r);
    j.Angle = Angle;
    j.dx = x - ((r.x0 + r.x1) >> 1);
    j.dy = y - ((r.y0 + r.y1) >> 1);
    if (Kind == _SHIFT_IN || Kind == _SHIFT_OUT) _SetShift(j, Direction);
    if (Kind == _PUSH_IN) _SetPush(j, Direction);
    if (_MakeFrames(j)) {
      const bool Slide = Kind == _SHIFT_IN || Kind == _SHIFT_OUT || Kind == _PUSH_IN;
      const GUI_MEMDEV__FRAMES Frames = {Period, !Slide, Kind != _MOVE_IN && Kind != _MOVE_OUT, Slide};
      Completed = GUI_MEMDEV__RunFrames(&Frames, _Frame, &j) != 0;
      Shown = true;
    }
  }
  GUI_MEMDEV_Delete(j.hFrame);
  GUI_MEMDEV_Delete(j.hOld);
  GUI_MEMDEV__EndPictures(hWin, &j.Pics, _IsIn(Kind), Completed, Kind == _MOVE_IN);
  return Shown ? 0 : 1;
}

}  // namespace

int GUI_MEMDEV_FadeInWindow(WM_HWIN hWin, int Period) { return _Run(hWin, _FADE_IN, Period, 0, 0, 0, 0); }
int GUI_MEMDEV_FadeOutWindow(WM_HWIN hWin, int Period) { return _Run(hWin, _FADE_OUT, Period, 0, 0, 0, 0); }

int GUI_MEMDEV_MoveInWindow(WM_HWIN hWin, int x, int y, int Angle, int Period) {
  return _Run(hWin, _MOVE_IN, Period, x, y, Angle, 0);
}

int GUI_MEMDEV_MoveOutWindow(WM_HWIN hWin, int x, int y, int Angle, int Period) {
  return _Run(hWin, _MOVE_OUT, Period, x, y, Angle, 0);
}

int GUI_MEMDEV_ShiftInWindow(WM_HWIN hWin, int Period, int Direction) {
  return _Run(hWin, _SHIFT_IN, Period, 0, 0, 0, Direction);
}

int GUI_MEMDEV_ShiftOutWindow(WM_HWIN hWin, int Period, int Direction) {
  return _Run(hWin, _SHIFT_OUT, Period, 0, 0, 0, Direction);
}

int GUI_MEMDEV_PushInWindow(WM_HWIN hWin, int Period, int Direction) {
  return _Run(hWin, _PUSH_IN, Period, 0, 0, 0, Direction);
}
