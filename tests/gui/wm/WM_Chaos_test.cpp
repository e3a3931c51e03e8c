// Callbacks that change the tree while messages are delivered: random deletions, creations, moves, capture,
// modal and focus changes from inside callbacks during pointer input, keys and paints. Run under the
// sanitizers this shows that no record is used after it was freed; the bookkeeping is checked after every
// step.
#include <random>
#include <set>

#include "WM_Intern.h"
#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

std::mt19937 _Rng;
std::vector<WM_HWIN> _Wins;
int _Depth;

int _Rand(int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(_Rng);
}

WM_HWIN _AnyWin() {
  return _Wins.empty() ? 0 : _Wins[(size_t)_Rand(0, (int)_Wins.size() - 1)];
}

void _cbChaos(WM_MESSAGE* pMsg);

void _CreateOne(WM_HWIN hParent) {
  uint32_t Style = WM_CF_SHOW | (_Rand(0, 3) == 0 ? WM_CF_HASTRANS : 0) | (_Rand(0, 5) == 0 ? WM_CF_STAYONTOP : 0);
  WM_HWIN h = WM_CreateWindowAsChild(_Rand(-20, 300), _Rand(-20, 200), _Rand(5, 200), _Rand(5, 150), hParent, Style,
                                     _cbChaos, _Rand(0, 16));
  if (h) {
    _Wins.push_back(h);
  }
}

// Something that changes the tree or the input state; the window it names may be the one being called.
void _Disturb(WM_HWIN hSelf) {
  WM_HWIN h = _Rand(0, 2) == 0 ? hSelf : _AnyWin();
  WM_HWIN hParent = WM_GetParent(h);
  switch (_Rand(0, 14)) {
  case 0: WM_DeleteWindow(h != WM_GetDesktopWindow() ? h : 0); break;
  case 1: WM_DeleteWindow(hParent != WM_GetDesktopWindow() ? hParent : 0); break;
  case 2: if (_Wins.size() < 40) _CreateOne(_Rand(0, 1) ? h : 0); break;
  case 3: WM_MoveWindow(h, _Rand(-10, 10), _Rand(-10, 10)); break;
  case 4: WM_SetCapture(h, _Rand(0, 1)); break;
  case 5: WM_ReleaseCapture(); break;
  case 6: WM_MakeModal(_Rand(0, 1) ? h : 0); break;
  case 7: WM_SetFocus(h); break;
  case 8: WM_HideWindow(h); break;
  case 9: WM_ShowWindow(h); break;
  case 10: WM_BringToTop(h); break;
  case 11: WM_AttachWindow(h, _AnyWin()); break;
  case 12: WM_SetSize(h, _Rand(1, 150), _Rand(1, 150)); break;
  case 13: WM__SetEnableState(h, _Rand(0, 3) != 0); break;
  case 14: WM_InvalidateWindow(h); break;
  }
}

void _cbChaos(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  if (pMsg->MsgId == WM_PAINT) {
    GUI_SetBkColor((GUI_COLOR)hWin * 0x10101);
    GUI_Clear();
  }
  if (_Depth < 4 && _Rand(0, 2) == 0) {
    _Depth++;
    _Disturb(hWin);
    _Depth--;
  }
  WM_DefaultProc(pMsg);
}

// The records agree with each other: the list holds every window once, every child names its parent,
// the counts match.
void _CheckBookkeeping() {
  std::set<WM_HWIN> InList;
  unsigned NumInvalid = 0, NumTrans = 0;
  for (WM_HWIN h = WM__FirstWin; h; h = WM_H2P(h)->hNextLin) {
    ASSERT_TRUE(InList.insert(h).second);
    const WM_OBJ* p = WM_H2P(h);
    NumInvalid += (p->Status & WM__STATUS_ANY_INVALID) != 0;
    NumTrans += (p->Status & WM_STATUS_TRANSPARENT) != 0;
    for (WM_HWIN c = p->hFirstChild; c; c = WM_H2P(c)->hNext) {
      ASSERT_EQ(WM_H2P(c)->hParent, h);
    }
    ASSERT_FALSE(WM__IsAncestor(h, h));
  }
  ASSERT_EQ(InList.size(), WM__NumWindows);
  ASSERT_LT(InList.size(), 200u); // no window is lost to the clean-up
  ASSERT_EQ(NumInvalid, WM__NumInvalidWindows);
  ASSERT_EQ(NumTrans, WM__TransWindowCnt);
  const WM_HWIN ah[] = {WM__hWinFocus, WM__hCapture, WM__CHWinPressed.hWin, WM__CHWinHovered.hWin,
                        WM__CHWinModal.hWin};
  for (int i = 0; i < 5; i++) {
    ASSERT_TRUE(ah[i] == 0 || InList.count(ah[i])) << "focus, capture, pressed, hovered, modal: " << i;
  }
}

class WmChaos : public WmTest {};

} // namespace

TEST_F(WmChaos, CallbacksChangingTheTreeLeaveConsistentRecords) {
  for (unsigned Seed = 1; Seed <= 1000; Seed++) {
    _Rng.seed(Seed);
    // Every window but the desktop goes, also those left without a parent by a detach.
    for (;;) {
      WM_HWIN hLeft = 0;
      for (WM_HWIN h = WM__FirstWin; h; h = WM_H2P(h)->hNextLin) {
        if (h != WM_GetDesktopWindow()) {
          hLeft = h;
        }
      }
      if (!hLeft) {
        break;
      }
      WM_DeleteWindow(hLeft);
    }
    WM_MakeModal(0);
    WM_ReleaseCapture();
    _Wins.clear();
    for (int i = 0; i < 15; i++) {
      _CreateOne(_Rand(0, 2) ? 0 : _AnyWin());
    }
    for (int Step = 0; Step < 150; Step++) {
      _Wins.erase(std::remove_if(_Wins.begin(), _Wins.end(), [](WM_HWIN h) { return !WM_IsWindow(h); }),
                  _Wins.end());
      switch (_Rand(0, 4)) {
      case 0: Pointer(_Rand(0, 479), _Rand(0, 271), _Rand(0, 1)); break;
      case 1: SIM_WheelDelta += _Rand(-2, 2); WM_Exec(); break;
      case 2: WM_SetFocus(_AnyWin()); WM_OnKey(_Rand(1, 100), _Rand(0, 1)); break;
      case 3: _Disturb(_AnyWin()); WM_Exec(); break;
      case 4: WM_Exec(); break;
      }
      _CheckBookkeeping();
      if (HasFatalFailure()) {
        FAIL() << "seed " << Seed << " step " << Step;
      }
    }
  }
}
