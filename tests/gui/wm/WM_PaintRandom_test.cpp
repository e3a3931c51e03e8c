// Randomised window trees painted through WM_Exec compared pixel by pixel with a naive painter, through
// a series of changes (moves, resizes, hiding, order, transparency, re-parenting, deletion).
#include <algorithm>
#include <map>
#include <random>

#include "WM_Intern.h"
#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

constexpr int XSIZE = 480, YSIZE = 272;
constexpr GUI_COLOR DESKTOP = 0x302010;

struct WinInfo {
  GUI_COLOR Color;
};
std::map<WM_HWIN, WinInfo> _Info;

struct PaintRec {
  WM_HWIN hWin;
  GUI_RECT Clip;
};
std::vector<PaintRec> _Paints; // paints of windows in their own right (not as overlays)

// Transparent windows draw every third screen row of their inside (inset by 2); opaque ones fill
// themselves.
bool _IsPatternRow(int yAbs) {
  return yAbs % 3 == 0;
}

void _cbWin(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_RECT r;
  WM_GetWindowRect(hWin, &r);
  int w = r.x1 - r.x0 + 1, h = r.y1 - r.y0 + 1;
  GUI_SetColor(_Info[hWin].Color);
  if (WM_GetHasTrans(hWin)) {
    for (int y = 2; y < h - 2; y++) {
      if (_IsPatternRow(r.y0 + y)) {
        GUI_DrawHLine(y, 2, w - 3);
      }
    }
  } else {
    GUI_FillRect(0, 0, w - 1, h - 1);
  }
  if (hWin == WM_GetActiveWindow()) {
    _Paints.push_back({hWin, GUI_pContext->ClipRect});
  }
}

WM_CALLBACK* _cbDesktopOrig;

void _cbDesktop(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    _Paints.push_back({pMsg->hWin, GUI_pContext->ClipRect});
  }
  _cbDesktopOrig(pMsg);
}

// The expected picture: every window in tree order (parent, then children from the bottom), clipped to
// its ancestors.
void _NaivePaint(WM_HWIN hWin, GUI_RECT Clip, std::vector<unsigned>& Px) {
  for (WM_HWIN h = WM_GetFirstChild(hWin); h; h = WM_GetNextSibling(h)) {
    if (!WM_IsVisible(h)) {
      continue;
    }
    GUI_RECT r;
    WM_GetWindowRect(h, &r);
    GUI_RECT c = {std::max(r.x0, Clip.x0), std::max(r.y0, Clip.y0), std::min(r.x1, Clip.x1),
                  std::min(r.y1, Clip.y1)};
    if (c.x0 > c.x1 || c.y0 > c.y1) {
      continue;
    }
    unsigned Index = ColorIndex(_Info[h].Color);
    bool Trans = WM_GetHasTrans(h);
    for (int y = c.y0; y <= c.y1; y++) {
      if (Trans && (!_IsPatternRow(y) || y < r.y0 + 2 || y > r.y1 - 2)) {
        continue;
      }
      for (int x = c.x0; x <= c.x1; x++) {
        if (Trans && (x < r.x0 + 2 || x > r.x1 - 2)) {
          continue;
        }
        Px[y * XSIZE + x] = Index;
      }
    }
    _NaivePaint(h, c, Px);
  }
}

class WmPaintRandom : public WmTest {
protected:
  std::mt19937 Rng;
  std::vector<WM_HWIN> Wins;
  std::string Log;

  int Rand(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(Rng); }
  bool Chance(int Percent) { return Rand(0, 99) < Percent; }

  WM_HWIN RandomWin() { return Wins.empty() ? 0 : Wins[(size_t)Rand(0, (int)Wins.size() - 1)]; }

  void CreateRandom() {
    WM_HWIN hParent = Chance(40) || Wins.empty() ? WM_GetDesktopWindow() : RandomWin();
    GUI_RECT p;
    WM_GetWindowRect(hParent, &p);
    int pw = std::min(p.x1 - p.x0 + 1, XSIZE), ph = std::min(p.y1 - p.y0 + 1, YSIZE);
    int w = Rand(4, std::max(5, pw * 3 / 4)), h = Rand(4, std::max(5, ph * 3 / 4));
    int x = Rand(-w / 3, pw - w * 2 / 3), y = Rand(-h / 3, ph - h * 2 / 3);
    uint32_t Style = Chance(90) ? WM_CF_SHOW : 0;
    if (Chance(25)) {
      Style |= WM_CF_HASTRANS;
    }
    if (Chance(15)) {
      Style |= WM_CF_STAYONTOP;
    }
    if (Chance(10)) {
      Style |= WM_CF_BGND;
    }
    WM_HWIN hWin = WM_CreateWindowAsChild(x, y, w, h, hParent, Style, _cbWin, 0);
    ASSERT_NE(hWin, 0);
    _Info[hWin] = {(GUI_COLOR)Rand(0, 0xFFFFFF)};
    Wins.push_back(hWin);
  }

  void Forget(WM_HWIN hWin) {
    Wins.erase(std::remove_if(Wins.begin(), Wins.end(), [](WM_HWIN h) { return !WM_IsWindow(h); }), Wins.end());
    (void)hWin;
  }

  void Mutate() {
    WM_HWIN h = RandomWin();
    if (!h) {
      CreateRandom();
      return;
    }
    int Op = Rand(0, 13);
    Log += " op" + std::to_string(Op) + "(" + std::to_string(h) + ")";
    switch (Op) {
    case 0: WM_MoveWindow(h, Rand(-40, 40), Rand(-30, 30)); break;
    case 1: WM_SetSize(h, Rand(3, 200), Rand(3, 150)); break;
    case 2: WM_HideWindow(h); break;
    case 3: WM_ShowWindow(h); break;
    case 4: WM_BringToTop(h); break;
    case 5: WM_BringToBottom(h); break;
    case 6: WM_SetHasTrans(h); break;
    case 7: WM_ClrHasTrans(h); break;
    case 8: WM_DeleteWindow(h); Forget(h); break;
    case 9: CreateRandom(); break;
    case 10: {
      WM_HWIN hNew = Chance(50) ? WM_GetDesktopWindow() : RandomWin();
      WM_AttachWindow(h, hNew);
      break;
    }
    case 11: {
      GUI_RECT r = {(I16)Rand(-5, 60), (I16)Rand(-5, 60), (I16)Rand(0, 120), (I16)Rand(0, 120)};
      WM_InvalidateRect(h, &r);
      break;
    }
    case 12: _Info[h].Color = (GUI_COLOR)Rand(0, 0xFFFFFF); WM_InvalidateWindow(h); break;
    case 13:
      WM_SetAnchor(h, (uint32_t)Rand(0, 15) << 7);
      if (WM_GetParent(h) != WM_GetDesktopWindow()) {
        WM_SetSize(WM_GetParent(h), Rand(20, 300), Rand(20, 200));
      }
      break;
    }
  }

  // Paints through WM_Exec and compares; Full: the whole screen was invalid, so the paint rectangles
  // must cover every pixel exactly once.
  void PaintAndCompare(bool Full, int Seed, int Round) {
    _Paints.clear();
    WM_Exec();
    std::vector<unsigned> Expected((size_t)XSIZE * YSIZE, ColorIndex(DESKTOP));
    _NaivePaint(WM_GetDesktopWindow(), GUI_RECT{0, 0, XSIZE - 1, YSIZE - 1}, Expected);
    for (int y = 0; y < YSIZE; y++) {
      for (int x = 0; x < XSIZE; x++) {
        if (PixelIndex(x, y) != Expected[(size_t)y * XSIZE + x]) {
          FAIL() << "seed " << Seed << " round " << Round << ": pixel " << x << "," << y << " is " << std::hex
                 << PixelIndex(x, y) << ", expected " << Expected[(size_t)y * XSIZE + x] << " after" << Log;
        }
      }
    }
    // Paint rectangles of one pass never overlap.
    std::vector<uint8_t> Cover((size_t)XSIZE * YSIZE, 0);
    for (const PaintRec& p : _Paints) {
      for (int y = std::max<int>(p.Clip.y0, 0); y <= std::min<int>(p.Clip.y1, YSIZE - 1); y++) {
        for (int x = std::max<int>(p.Clip.x0, 0); x <= std::min<int>(p.Clip.x1, XSIZE - 1); x++) {
          if (Cover[(size_t)y * XSIZE + x]++) {
            FAIL() << "seed " << Seed << " round " << Round << ": paint rectangles overlap at " << x << "," << y;
          }
        }
      }
    }
    if (Full) {
      for (size_t i = 0; i < Cover.size(); i++) {
        if (Cover[i] != 1) {
          FAIL() << "seed " << Seed << ": pixel " << i % XSIZE << "," << i / XSIZE << " painted " << (int)Cover[i]
                 << " times";
        }
      }
    }
    EXPECT_EQ(WM__NumInvalidWindows, 0u);
  }
};

} // namespace

TEST_F(WmPaintRandom, TreesMatchNaivePainterThroughChanges) {
  _cbDesktopOrig = WM_GetCallback(WM_GetDesktopWindow());
  WM_SetCallback(WM_GetDesktopWindow(), _cbDesktop);
  for (int Seed = 1; Seed <= 150; Seed++) {
    Rng.seed((unsigned)Seed);
    // A fresh tree per seed.
    for (WM_HWIN h : Wins) {
      if (WM_IsWindow(h)) {
        WM_DeleteWindow(h);
      }
    }
    Wins.clear();
    _Info.clear();
    WM_SetDesktopColor(DESKTOP);
    int n = Rand(3, 25);
    for (int i = 0; i < n; i++) {
      CreateRandom();
    }
    WM_InvalidateWindow(WM_GetDesktopWindow());
    for (WM_HWIN h : Wins) {
      WM_InvalidateWindow(h);
    }
    PaintAndCompare(true, Seed, 0);
    if (HasFailure()) {
      return;
    }
    for (int Round = 1; Round <= 12; Round++) {
      int NumChanges = Rand(1, 3);
      Log.clear();
      for (int i = 0; i < NumChanges; i++) {
        Mutate();
      }
      PaintAndCompare(false, Seed, Round);
      if (HasFailure()) {
        return;
      }
    }
  }
  for (const std::string& e : Errors) {
    EXPECT_NE(e.find("descendant"), std::string::npos) << e; // attaching below a descendant is refused
  }
}
