// What every widget of the collection shares, checked for each widget type: creation from a dialog record
// and by every create call, the tag check on locking, user data, deletion, invalid handles, running out of
// GUI memory while creating, focus and enable states, and a parent that deletes the widget (or replaces it
// with a new one) in any notification it sends.
#include <cstring>
#include <memory>

#include "LISTBOX.h"
#include "MENU.h"
#include "widget_kinds.h"
#include "widget_support.h"

namespace {

class WidgetConformance : public WidgetTest, public testing::WithParamInterface<WidgetKind> {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    hParent = WM_CreateWindow(0, 0, 200, 100, WM_CF_SHOW, nullptr, 0);
  }
  const WidgetKind& Kind() const { return GetParam(); }
  std::string WrongHandleText() const {
    return "E:" + Kind().Name + ":\nWrong handle type or Object not init'ed in " + Kind().Name + "_LockH()";
  }
  // A window of the same size as a widget record but another type: zeroed extra bytes, no tag.
  WM_HWIN Foreign() { return WM_CreateWindowAsChild(0, 0, 10, 10, hParent, 0, nullptr, 512); }
  WM_HWIN hParent = 0;
};

TEST_P(WidgetConformance, CreatesFromADialogRecord) {
  WIDGET_CREATE_INFO Info = {Kind().pfCreateIndirect, "Item", 77, 3, 4, 50, 20, 0, 0, 6};
  WM_HWIN h = Kind().pfCreateIndirect(&Info, hParent, 10, 20, nullptr);
  ASSERT_NE(h, 0);
  EXPECT_EQ(WM_GetParent(h), hParent);
  EXPECT_EQ(WM_GetId(h), 77);
  EXPECT_EQ(WM_GetWindowPosX(h), 13);
  EXPECT_EQ(WM_GetWindowPosY(h), 24);
  EXPECT_TRUE(Kind().Lock(h));
  char ab[8] = {};
  EXPECT_EQ(Kind().pfGetUserData(h, ab, 8), 6);
  EXPECT_TRUE(wmtest::Errors.empty());
}

TEST_P(WidgetConformance, EveryCreateCallMakesALockableWidget) {
  WM_HWIN h = Kind().CreateUser(hParent, 5, 0);
  ASSERT_NE(h, 0);
  EXPECT_TRUE(Kind().Lock(h));
  EXPECT_EQ(WM_GetId(h), 5);
  int Id = 10;
  for (const auto& Create : Kind().aCreate) {
    WM_HWIN hOther = Create(hParent, Id);
    ASSERT_NE(hOther, 0) << "create call " << Id - 10;
    EXPECT_EQ(WM_GetParent(hOther), hParent);
    EXPECT_EQ(WM_GetId(hOther), Id);
    EXPECT_TRUE(Kind().Lock(hOther));
    Id++;
  }
  EXPECT_TRUE(wmtest::Errors.empty());
}

TEST_P(WidgetConformance, LockRefusesOtherTypes) {
  WM_HWIN hForeign = Foreign();
  EXPECT_FALSE(Kind().Lock(hForeign));
  ASSERT_EQ(wmtest::Errors.size(), 1u);
  EXPECT_EQ(wmtest::Errors[0], WrongHandleText());
  for (const WidgetKind& Other : AllWidgetKinds()) {
    if (Other.Name == Kind().Name) {
      continue;
    }
    wmtest::Errors.clear();
    WM_HWIN hOther = Other.CreateUser(hParent, 1, 0);
    ASSERT_NE(hOther, 0) << Other.Name;
    EXPECT_FALSE(Kind().Lock(hOther)) << Other.Name;
    EXPECT_EQ(wmtest::Errors, std::vector<std::string>{WrongHandleText()}) << Other.Name;
    char ab[4] = {1, 2, 3, 4};
    EXPECT_EQ(Kind().pfSetUserData(hOther, ab, 4), 0) << Other.Name;
  }
}

TEST_P(WidgetConformance, UserDataOfEverySize) {
  for (int n : {0, 1, 3, 4, 7, 16, 33, 100}) {
    WM_HWIN h = Kind().CreateUser(hParent, 1, n);
    ASSERT_NE(h, 0);
    std::vector<U8> Zero(n + 8, 0xEE), Src(n + 8), Dst(n + 8, 0xEE);
    EXPECT_EQ(Kind().pfGetUserData(h, Zero.data(), n + 8), n);
    for (int i = 0; i < n; i++) {
      EXPECT_EQ(Zero[i], 0) << "user data starts zeroed, size " << n;
    }
    EXPECT_EQ(Zero[n], 0xEE) << "nothing copied beyond the reserved bytes";
    for (int i = 0; i < n + 8; i++) {
      Src[i] = (U8)(i * 7 + 1);
    }
    EXPECT_EQ(Kind().pfSetUserData(h, Src.data(), n + 8), n);
    EXPECT_EQ(Kind().pfGetUserData(h, Dst.data(), n + 8), n);
    EXPECT_EQ(memcmp(Src.data(), Dst.data(), (size_t)n), 0) << "size " << n;
    EXPECT_EQ(Dst[n], 0xEE);
    EXPECT_TRUE(Kind().Lock(h)) << "user data leaves the record intact";
    WM_DeleteWindow(h);
  }
  EXPECT_TRUE(wmtest::Errors.empty());
}

TEST_P(WidgetConformance, DeleteGivesEveryBlockBack) {
  // The first widget of a type may set up module-wide state once; measure around the second.
  WM_DeleteWindow(Kind().CreateUser(hParent, 1, 0));
  I32 UsedBlocks = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN h = Kind().CreateUser(hParent, 1, 12);
  ASSERT_NE(h, 0);
  WM_InvalidateWindow(h);
  WM_Exec();
  WM_DeleteWindow(h);
  WM_Exec();
  EXPECT_FALSE(WM_IsWindow(h));
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), UsedBlocks);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_P(WidgetConformance, InvalidHandlesAreRefused) {
  EXPECT_FALSE(Kind().Lock(0));
  char ab[4] = {};
  EXPECT_EQ(Kind().pfGetUserData(0, ab, 4), 0);
  EXPECT_EQ(Kind().pfSetUserData(0, ab, 4), 0);
  EXPECT_TRUE(wmtest::Errors.empty()) << "handle 0 is ignored quietly";
  WM_HWIN h = Kind().CreateUser(hParent, 1, 4);
  WM_DeleteWindow(h);
  EXPECT_FALSE(Kind().Lock(h));
  EXPECT_EQ(Kind().pfGetUserData(h, ab, 4), 0);
}

TEST_P(WidgetConformance, RunningOutOfMemoryLeavesNothingAllocated) {
  WM_DeleteWindow(Kind().CreateUser(hParent, 1, 0));
  I32 UsedBlocks = GUI_ALLOC_GetNumUsedBlocks();
  bool Created = false;
  for (int n = 1; n < 40 && !Created; n++) {
    wmtest::Errors.clear();
    GUI_ALLOC__FailNth(n);
    WM_HWIN h = Kind().CreateUser(hParent, 1, 8);
    GUI_ALLOC__FailNth(0);
    if (h) {
      Created = true;
      WM_DeleteWindow(h);
    } else {
      EXPECT_FALSE(wmtest::Errors.empty()) << "failure " << n << " is reported";
    }
    WM_Exec();
    EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), UsedBlocks) << "allocation " << n << " failing";
  }
  EXPECT_TRUE(Created);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_P(WidgetConformance, FocusAndEnableStates) {
  WM_HWIN h = Kind().CreateUser(hParent, 1, 0);
  WM_SetFocus(h);
  EXPECT_EQ(WM_HasFocus(h) != 0, Kind().Focusable);
  EXPECT_EQ((WIDGET_GetState(h) & WIDGET_STATE_FOCUS) != 0, Kind().Focusable);
  WM_HWIN hOther = WM_CreateWindowAsChild(100, 0, 10, 10, hParent, WM_CF_SHOW, nullptr, 0);
  WM_SetFocus(hOther);
  EXPECT_EQ(WIDGET_GetState(h) & WIDGET_STATE_FOCUS, 0);
  WM_DisableWindow(h);
  EXPECT_FALSE(WM_IsEnabled(h));
  WM_InvalidateWindow(h);
  WM_Exec(); // a disabled widget paints
  WM_EnableWindow(h);
  EXPECT_TRUE(WM_IsEnabled(h));
  EXPECT_TRUE(Kind().Lock(h));
}

// ---- A parent that deletes or replaces the widget that notifies it ----------------------------------------

// One run of a workout: the parent counts what it is told (notifications, keys handed on, menu events, keys
// an open list did not use) and at the Target-th deletes the widget; with Replace it then makes a new widget
// of the same kind in its place, which as a rule gets the freed handle, and records what reaches that one.
struct NotifyRun {
  const WidgetKind* pKind = nullptr;
  WM_HWIN hParent = 0, hSink = 0, hObj = 0;
  WM_CRITICAL_HANDLE Life = {}; // cleared by the deletion of the widget
  int Count = 0, Target = -1;
  bool Replace = false;
  WM_HWIN hNew = 0;
  U16 NewState = 0;
  bool NewFocus = false; // a new calendar takes the focus itself
  bool Reused = false;
  std::vector<std::string> aNewHeard;
};
NotifyRun s_Run;
WM_CALLBACK* s_pfNewCallback;

bool _IsOccasion(const WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_NOTIFY_PARENT:
    return pMsg->Data.v != WM_NOTIFICATION_CHILD_DELETED;
  case WM_KEY:
  case LISTBOX_MSG_KEY_UNUSED:
  case WM_CLIENT_CHANGED:
    return pMsg->hWinSrc != s_Run.hSink;
  case WM_MENU: {
    const MENU_MSG_DATA* p = (const MENU_MSG_DATA*)pMsg->Data.p;
    return p && p->MsgType != MENU_IS_MENU && p->MsgType != MENU_ON_OPEN && p->MsgType != MENU_ON_CLOSE;
  }
  }
  return false;
}

// The new widget's callback: what it is sent besides painting, queries and its own children's reports.
void _cbNewWidget(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_PAINT:
  case WM_PRE_PAINT:
  case WM_POST_PAINT:
  case WM_GET_ID:
  case WM_GET_INSIDE_RECT:
  case WM_GET_CLIENT_WINDOW:
  case WM_GET_BKCOLOR:
  case WM_GET_ACCEPT_FOCUS:
  case WM_GET_SCROLL_STATE:
  case WM_GET_RADIOGROUP:
  case WM_NOTIFY_PARENT:
  case WM_CLIENT_CHANGED:
  case WM_DELETE:
    break;
  case WM_MENU:
    if (const MENU_MSG_DATA* p = (const MENU_MSG_DATA*)pMsg->Data.p; p && p->MsgType == MENU_IS_MENU) {
      break;
    }
    [[fallthrough]];
  default:
    s_Run.aNewHeard.push_back("sent " + wmtest::MsgName(pMsg->MsgId));
  }
  s_pfNewCallback(pMsg);
}

void _cbDeletingParent(WM_MESSAGE* pMsg) {
  if (_IsOccasion(pMsg)) {
    if (s_Run.hNew && pMsg->hWinSrc == s_Run.hNew) {
      s_Run.aNewHeard.push_back("told " + wmtest::MsgName(pMsg->MsgId) + " " + std::to_string((int)pMsg->Data.v));
    }
    if (s_Run.Count++ == s_Run.Target && s_Run.Life.hWin) {
      WM_DeleteWindow(s_Run.hObj);
      if (s_Run.Replace && !s_Run.Life.hWin) {
        // The heap hands out the handle freed last first; blocks freed after the widget's own record (its
        // submenus, say) are taken up here, so that the new widget's record gets the widget's handle.
        std::vector<GUI_HMEM> aTaken;
        for (GUI_HMEM h; aTaken.size() < 64 && (h = GUI_ALLOC_AllocZero(1)) != 0;) {
          if (h == s_Run.hObj) {
            GUI_ALLOC_Free(h);
            break;
          }
          aTaken.push_back(h);
        }
        WM_HWIN hNew = s_Run.pKind->CreateUser(s_Run.hParent, 99, 0);
        for (GUI_HMEM h : aTaken) {
          GUI_ALLOC_Free(h);
        }
        // Out of the pointer's reach: what the window manager sends to the window under the pointer is not
        // the old widget's doing.
        WM_MoveChildTo(hNew, 400, 400);
        s_Run.Reused = hNew == s_Run.hObj;
        s_Run.NewState = WIDGET_GetState(hNew);
        s_Run.NewFocus = WM_HasFocus(hNew) != 0;
        s_pfNewCallback = WM_GetCallback(hNew);
        WM_SetCallback(hNew, _cbNewWidget);
        s_Run.hNew = hNew;
      }
    }
    return;
  }
  if (pMsg->MsgId == WM_PAINT) {
    GUI_SetBkColor(0xF0F0F0);
    GUI_Clear();
    return;
  }
  WM_DefaultProc(pMsg);
}

// One way of making the widget notify: actions done one after the other on a new widget.
struct NotifyStep {
  std::string Name;
  std::vector<WidgetAction> aAction;
};

// A point relative to the widget's rectangle as it is when the action runs: fx, fy in quarters of its
// width and height, plus dx, dy pixels.
struct RelPoint {
  int fx, fy, dx, dy;
};

void _PointerAt(WM_HWIN h, RelPoint p, int Pressed) {
  GUI_RECT r;
  WM_GetWindowRect(h, &r);
  wmtest::Pointer(r.x0 + (r.x1 - r.x0) * p.fx / 4 + p.dx, r.y0 + (r.y1 - r.y0) * p.fy / 4 + p.dy, Pressed);
}

WidgetAction _Press(RelPoint p) {
  return [p](WM_HWIN h) { _PointerAt(h, p, 1); };
}

WidgetAction _Release(RelPoint p) {
  return [p](WM_HWIN h) { _PointerAt(h, p, 0); };
}

WidgetAction _KeyDown(int Key) {
  return [Key](WM_HWIN) {
    GUI_StoreKeyMsg(Key, 1);
    GUI_Exec();
  };
}

WidgetAction _KeyUp(int Key) {
  return [Key](WM_HWIN) {
    GUI_StoreKeyMsg(Key, 0);
    GUI_Exec();
  };
}

WidgetAction _Focus() {
  return [](WM_HWIN h) { WM_SetFocus(h); };
}

WidgetAction _Wait(int ms, TestClock* pClock) {
  return [ms, pClock](WM_HWIN) {
    pClock->Advance(ms);
    GUI_Exec();
  };
}

// Every way the workout makes a widget notify: focus, keys and key sequences, clicks over the widget and
// below it (where open lists and submenus lie), a click followed by another, drags, presses held while
// time passes, and the kind's API calls.
std::vector<NotifyStep> _NotifySteps(const WidgetKind& Kind, TestClock* pClock) {
  std::vector<NotifyStep> a;
  a.push_back({"focus", {_Focus(), [](WM_HWIN) { WM_SetFocus(s_Run.hSink); }}});
  a.push_back({"blink", {_Focus(), _Wait(1000, pClock)}});
  const int aKey[] = {GUI_KEY_ENTER, GUI_KEY_SPACE, GUI_KEY_UP, GUI_KEY_DOWN, GUI_KEY_LEFT, GUI_KEY_RIGHT,
                      GUI_KEY_HOME, GUI_KEY_END, GUI_KEY_PGUP, GUI_KEY_PGDOWN, GUI_KEY_TAB, GUI_KEY_ESCAPE,
                      GUI_KEY_DELETE, GUI_KEY_BACKSPACE, GUI_KEY_INSERT, '0', '1', '+', '-', 'a', 'F', 't'};
  for (int Key : aKey) {
    a.push_back({"key " + std::to_string(Key), {_Focus(), _KeyDown(Key), _KeyUp(Key)}});
  }
  for (const std::vector<int>& aKey : std::vector<std::vector<int>>{{GUI_KEY_SPACE, GUI_KEY_DOWN, GUI_KEY_ENTER},
                                                                    {GUI_KEY_DOWN, GUI_KEY_RIGHT, GUI_KEY_ENTER},
                                                                    {GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_DOWN,
                                                                     GUI_KEY_RIGHT, GUI_KEY_DOWN, GUI_KEY_ENTER},
                                                                    {GUI_KEY_RIGHT, GUI_KEY_DOWN, GUI_KEY_LEFT,
                                                                     GUI_KEY_ESCAPE, GUI_KEY_ESCAPE},
                                                                    {GUI_KEY_SPACE, GUI_KEY_TAB, GUI_KEY_UP}}) {
    NotifyStep Step = {"keys", {_Focus()}};
    for (int Key : aKey) {
      Step.Name += " " + std::to_string(Key);
      Step.aAction.push_back(_KeyDown(Key));
      Step.aAction.push_back(_KeyUp(Key));
    }
    a.push_back(Step);
  }
  std::vector<RelPoint> aPoint;
  for (int fy : {0, 2, 4}) {
    for (int fx : {0, 1, 2, 3, 4}) {
      aPoint.push_back({fx, fy, fx == 4 ? -2 : 2, fy == 4 ? -2 : 2});
    }
  }
  for (int fx : {0, 2, 4}) {
    aPoint.push_back({fx, 4, fx == 4 ? -2 : 2, 8});  // just below: an open list, a submenu
    aPoint.push_back({fx, 4, fx == 4 ? -2 : 2, 24});
  }
  for (RelPoint p : aPoint) {
    std::string At = " at " + std::to_string(p.fx) + "," + std::to_string(p.fy) + "+" + std::to_string(p.dy);
    a.push_back({"click" + At, {_Press(p), _Release(p)}});
    RelPoint Mid = {2, 2, 0, 0};
    a.push_back({"click mid, click" + At, {_Press(Mid), _Release(Mid), _Press(p), _Release(p)}});
  }
  RelPoint Left = {0, 2, 2, 0}, Mid = {2, 2, 0, 0}, Right = {4, 2, -2, 0}, Out = {4, 2, 40, 0};
  RelPoint Top = {2, 0, 0, 2}, Bottom = {2, 4, 0, -2}, Below = {2, 4, 0, 40};
  a.push_back({"drag across", {_Press(Left), _Press(Mid), _Press(Right), _Press(Out), _Release(Out)}});
  a.push_back({"drag down", {_Press(Top), _Press(Mid), _Press(Bottom), _Press(Below), _Release(Below)}});
  for (RelPoint p : {Left, Right, RelPoint{4, 0, -2, 2}, RelPoint{4, 4, -2, -2}}) {
    a.push_back({"hold", {_Press(p), _Wait(700, pClock), _Release(p)}});
  }
  int n = 0;
  for (const std::vector<WidgetAction>& aCall : Kind.aCalls) {
    a.push_back({"call " + std::to_string(n++), aCall});
  }
  return a;
}

class WidgetNotify : public WidgetConformance {
protected:
  void SetUp() override {
    WidgetConformance::SetUp();
    WM_DeleteWindow(hParent);
    hParent = WM_CreateWindow(0, 0, 240, 160, WM_CF_SHOW, _cbDeletingParent, 0);
    hSink = WM_CreateWindowAsChild(230, 150, 10, 10, hParent, WM_CF_SHOW, nullptr, 0);
  }
  void TearDown() override {
    WM__RemoveCriticalHandle(&s_Run.Life);
    s_Run = NotifyRun();
    WidgetConformance::TearDown();
  }
  // Makes the widget with its fill; -> the windows the fill put beside it.
  std::vector<WM_HWIN> Make(const WidgetAction& Fill) {
    s_Run.hObj = Kind().CreateUser(hParent, 7, 0);
    s_Run.Life.hWin = s_Run.hObj;
    WM__AddCriticalHandle(&s_Run.Life);
    Fill(s_Run.hObj);
    GUI_Exec();
    std::vector<WM_HWIN> aFixture;
    for (WM_HWIN h = WM_GetFirstChild(hParent); h; h = WM_GetNextSibling(h)) {
      if (h != hSink && h != s_Run.hObj) {
        aFixture.push_back(h);
      }
    }
    return aFixture;
  }
  // Ends a run: the pointer up away from everything, no focus, what is left deleted.
  void Clear(const std::vector<WM_HWIN>& aFixture) {
    wmtest::Pointer(235, 155, 0);
    WM_SetFocus(hSink);
    if (s_Run.Life.hWin) {
      WM_DeleteWindow(s_Run.hObj);
    }
    WM__RemoveCriticalHandle(&s_Run.Life);
    if (s_Run.hNew) {
      WM_DeleteWindow(s_Run.hNew);
    }
    for (WM_HWIN h : aFixture) {
      WM_DeleteWindow(h);
    }
    GUI_Exec();
    GUI_ClearKeyBuffer();
    while (GUI_GetKey()) {
    }
  }
  // Runs a step on a new widget, deleting or replacing it at notification Target (-1: never). -> the
  // number of notifications.
  int Run(const WidgetAction& Fill, const NotifyStep& Step, int Target, bool Replace) {
    s_Run.Target = -1;
    s_Run.Replace = Replace;
    s_Run.hNew = 0;
    s_Run.Reused = false;
    s_Run.aNewHeard.clear();
    std::vector<WM_HWIN> aFixture = Make(Fill);
    wmtest::Errors.clear();
    s_Run.Count = 0;
    s_Run.Target = Target;
    for (const WidgetAction& Action : Step.aAction) {
      if (!s_Run.Life.hWin) {
        break; // the rest of the step would act on a widget that is gone
      }
      Action(s_Run.hObj);
    }
    std::string Where = Kind().Name + " " + Step.Name + ", notification " + std::to_string(Target);
    if (Target >= 0) {
      EXPECT_EQ(s_Run.Life.hWin, 0) << Where << ": the widget was deleted";
    }
    if (s_Run.hNew) {
      EXPECT_EQ(s_Run.aNewHeard, std::vector<std::string>{}) << Where << ": the new widget took part";
      EXPECT_EQ(WIDGET_GetState(s_Run.hNew), s_Run.NewState) << Where << ": the new widget's state";
      EXPECT_TRUE(s_Run.NewFocus || !WM_HasFocus(s_Run.hNew)) << Where << ": the new widget got the focus";
      EXPECT_FALSE(WM_HasCaptured(s_Run.hNew)) << Where;
      NumReused += s_Run.Reused;
    }
    int Count = s_Run.Count;
    s_Run.Target = -1;
    Clear(aFixture);
    EXPECT_EQ(wmtest::Errors, std::vector<std::string>{}) << Where;
    EXPECT_EQ(WM_GetFirstChild(hParent), hSink) << Where << ": a window of the widget was left behind";
    EXPECT_EQ(WM_GetNextSibling(hSink), 0) << Where << ": a window of the widget was left behind";
    EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), UsedBlocks) << Where << ": blocks kept";
    return Count;
  }
  void Workout(bool Replace) {
    std::vector<WidgetAction> aFill = Kind().aFill;
    if (aFill.empty()) {
      aFill.push_back([](WM_HWIN) {});
    }
    s_Run.pKind = &Kind();
    s_Run.hParent = hParent;
    s_Run.hSink = hSink;
    int NumRuns = 0;
    for (const WidgetAction& Fill : aFill) {
      Clear(Make(Fill)); // module-wide state a first widget sets up stays
      UsedBlocks = GUI_ALLOC_GetNumUsedBlocks();
      for (const NotifyStep& Step : _NotifySteps(Kind(), &Clock)) {
        int n = Run(Fill, Step, -1, false);
        for (int i = 0; i < n && !HasFailure(); i++) {
          Run(Fill, Step, i, Replace);
          NumRuns++;
        }
      }
    }
    if (Replace && NumRuns) {
      EXPECT_GT(NumReused, 0) << "the new widgets got the freed handles";
    }
    EXPECT_EQ(GUI_ALLOC__Check(), 0);
  }
  WM_HWIN hSink = 0;
  I32 UsedBlocks = 0;
  int NumReused = 0;
};

// Deleted by its parent in any notification it sends: the widget touches its handle no more, leaves no
// window (an open list, a submenu) and no block behind, and no warning is given.
TEST_P(WidgetNotify, DeletedInItsOwnNotifications) {
  Workout(false);
}

// Deleted and replaced by a new widget of the same kind, which gets the freed handle: the new one is told,
// sent and changed nothing of what the old one was doing.
TEST_P(WidgetNotify, ReplacedInItsOwnNotifications) {
  Workout(true);
}

std::string KindName(const testing::TestParamInfo<WidgetKind>& Info) {
  return Info.param.Name;
}

INSTANTIATE_TEST_SUITE_P(AllWidgets, WidgetConformance, testing::ValuesIn(AllWidgetKinds()), KindName);
INSTANTIATE_TEST_SUITE_P(AllWidgets, WidgetNotify, testing::ValuesIn(AllWidgetKinds()), KindName);

} // namespace
