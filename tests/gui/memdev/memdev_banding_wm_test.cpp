// Windows painted through banding memory devices give the same pixels as windows painted directly, for
// random scenes with nested, overlapping and transparent windows and bands of 1, 7 and 40 rows.
#include <random>
#include <vector>

#include "WM.h"
#include "WM_Hooks.h"
#include "memdev_fixture.h"

namespace {

int _BandLines;
int _NumTransparentBands;  // banded paints through devices with usage bitmap

void _DrawBandedFixed(const GUI_RECT* pRect, void (*pfBand)(void*), void* pData, int, int Flags) {
  if (!(Flags & GUI_MEMDEV_NOTRANS)) _NumTransparentBands++;
  GUI_MEMDEV_Draw(pRect, pfBand, pData, _BandLines, Flags);
}

void _cbDesktop(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_DrawGradientV(0, 0, 479, 271, 0x203040, 0x80A0C0);
}

// Opaque windows fill themselves and draw lines and text across; transparent ones draw only every third
// row, a diagonal and a frame, leaving the rest to what lies beneath.
void _cbWin(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  WM_HWIN hWin = pMsg->hWin;
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_COLOR c = 0x10101u * (U32)(hWin * 37 % 200) ^ 0x3070B0u;
  GUI_SetColor(c);
  if (WM_GetHasTrans(hWin)) {
    for (int y = 1; y < h - 1; y += 3) GUI_DrawHLine(y, 1, w - 2);
    GUI_SetColor(c ^ 0xFFFFFF);
    GUI_DrawLine(0, 0, w - 1, h - 1);
    GUI_DrawRect(0, 0, w - 1, h - 1);
  } else {
    GUI_FillRect(0, 0, w - 1, h - 1);
    GUI_SetColor(c ^ 0xFFFFFF);
    GUI_DrawLine(0, h - 1, w - 1, 0);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringAt("Band", 2, h / 2 - 4);
  }
}

class BandingWmTest : public MemdevTest {
 protected:
  // Builds the scene of the seed, paints it, repaints a part of it, and returns the display.
  std::vector<U16> Paint(unsigned Seed, int Lines) {
    GUI_Exit();
    EXPECT_EQ(GUI_Init(), 0);
    WM_Init();
    static const WM_MEMDEV_API Api = {_DrawBandedFixed, nullptr, GUI_MEMDEV_Delete};
    if (Lines) {
      _BandLines = Lines;
      WM__SetMemdevAPI(&Api);
    } else {
      WM__SetMemdevAPI(nullptr);
    }
    WM_SetCreateFlags(Lines ? WM_CF_MEMDEV : 0);
    WM_SetCallback(WM_GetDesktopWindow(), _cbDesktop);
    std::mt19937 Rng(Seed);
    std::vector<WM_HWIN> Wins = {WM_GetDesktopWindow()};
    for (int i = 0; i < 9; i++) {
      WM_HWIN hParent = Wins[Rng() % Wins.size()];
      int w = 20 + (int)(Rng() % 200), h = 10 + (int)(Rng() % 150);
      int x = (int)(Rng() % 460) - 20, y = (int)(Rng() % 260) - 20;
      if (hParent != WM_GetDesktopWindow()) {
        x = (int)(Rng() % 100) - 10;
        y = (int)(Rng() % 60) - 10;
      }
      unsigned Kind = Rng() % 4;  // opaque, transparent, or transparent painting itself
      U32 Style = WM_CF_SHOW | (Kind >= 2 ? WM_CF_HASTRANS : 0);
      WM_HWIN hWin = WM_CreateWindowAsChild(x, y, w, h, hParent, Style, _cbWin, 0);
      if (Kind == 3) WM_SetTransState(hWin, WM_STATUS_TRANSPARENT | WM_STATUS_PAINT_SELF);
      Wins.push_back(hWin);
    }
    while (WM_Exec()) {
    }
    // A partial repaint: one area invalidated across several windows.
    GUI_RECT r = {(I16)(Rng() % 300), (I16)(Rng() % 150), 0, 0};
    r.x1 = (I16)(r.x0 + 150);
    r.y1 = (I16)(r.y0 + 90);
    WM_InvalidateArea(&r);
    while (WM_Exec()) {
    }
    WM_SetCreateFlags(0);
    EXPECT_EQ(GUI_GetSelectedDevice(), 0);
    EXPECT_EQ(Chain(), std::vector<int>{DEVICE_CLASS_DRIVER});
    return Snapshot(0, 0, 479, 271);
  }
};

TEST_F(BandingWmTest, BandsOf1And7And40RowsEqualDirectPainting) {
  for (unsigned Seed = 1; Seed <= 12; Seed++) {
    std::vector<U16> Direct = Paint(Seed, 0);
    for (int Lines : {1, 7, 40}) {
      std::vector<U16> Banded = Paint(Seed, Lines);
      size_t i = 0;
      while (i < Direct.size() && Direct[i] == Banded[i]) i++;
      ASSERT_EQ(i, Direct.size()) << "seed " << Seed << " bands of " << Lines << ": first difference at "
                                  << i % 480 << "," << i / 480;
    }
  }
  EXPECT_GT(_NumTransparentBands, 0);
  GUI_MEMDEV__Init();
}

// The memory devices' own registration paints through banding as soon as windows ask for it.
TEST_F(BandingWmTest, RegisteredPainterBands) {
  std::vector<U16> Direct = Paint(99, 0);
  GUI_Exit();
  ASSERT_EQ(GUI_Init(), 0);
  WM_Init();
  GUI_MEMDEV__Init();
  WM_SetCreateFlags(WM_CF_MEMDEV);
  WM_SetCallback(WM_GetDesktopWindow(), _cbDesktop);
  WM_HWIN h = WM_CreateWindowAsChild(10, 10, 100, 50, WM_GetDesktopWindow(), WM_CF_SHOW, _cbWin, 0);
  while (WM_Exec()) {
  }
  WM_SetCreateFlags(0);
  GUI_COLOR c = 0x10101u * (U32)(h * 37 % 200) ^ 0x3070B0u;
  EXPECT_EQ(Display(12, 40), (U16)LCD_Color2Index(c));
  EXPECT_EQ(Chain(), std::vector<int>{DEVICE_CLASS_DRIVER});
}

}  // namespace
