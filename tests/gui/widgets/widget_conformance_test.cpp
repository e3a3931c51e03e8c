// What every widget of the collection shares, checked for each widget type: creation from a dialog record
// and by every create call, the tag check on locking, user data, deletion, invalid handles, running out of
// GUI memory while creating, focus and enable states.
#include <cstring>

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

std::string KindName(const testing::TestParamInfo<WidgetKind>& Info) {
  return Info.param.Name;
}

INSTANTIATE_TEST_SUITE_P(AllWidgets, WidgetConformance, testing::ValuesIn(AllWidgetKinds()), KindName);

} // namespace
