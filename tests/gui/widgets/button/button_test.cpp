#include "widget_support.h"

using wmtest::Trace;

namespace {

class ButtonTest : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    hParent = WM_CreateWindow(0, 0, 200, 100, WM_CF_SHOW, wmtest::cbTrace, 0);
    wmtest::SetName(hParent, "parent");
    hButton = BUTTON_Create(10, 10, 60, 30, hParent, 42, WM_CF_SHOW);
    wmtest::SetName(hButton, "btn");
    WM_Exec();
    Trace.clear();
  }
  // The notifications the parent received, in order; with Focus also those of the focus (8, 9).
  std::vector<int> Notifications(bool Focus = false) {
    std::vector<int> v;
    for (const std::string& t : Trace) {
      if (t.rfind("parent WM_NOTIFY_PARENT btn ", 0) == 0) {
        int Code = std::stoi(t.substr(28));
        if (Focus || Code < WM_NOTIFICATION_GOT_FOCUS) {
          v.push_back(Code);
        }
      }
    }
    return v;
  }
  void Key(int Key, int Pressed) {
    WM_OnKey(Key, Pressed);
  }
  WM_HWIN hParent = 0, hButton = 0;
};

TEST_F(ButtonTest, TouchClickNotifiesAndStoresTheId) {
  wmtest::Pointer(20, 20, 1);
  EXPECT_TRUE(BUTTON_IsPressed(hButton));
  wmtest::Pointer(20, 20, 0);
  EXPECT_FALSE(BUTTON_IsPressed(hButton));
  EXPECT_EQ(Notifications(), (std::vector<int>{1, 2}));
  EXPECT_EQ(GUI_GetKey(), 42);
}

TEST_F(ButtonTest, TouchMovedOffAndReleasedElsewhere) {
  wmtest::Pointer(20, 20, 1);
  wmtest::Pointer(150, 80, 1);
  wmtest::Pointer(150, 80, 0);
  EXPECT_EQ(Notifications(), (std::vector<int>{1, 3}));
  EXPECT_FALSE(BUTTON_IsPressed(hButton));
  EXPECT_EQ(GUI_GetKey(), 0);
}

TEST_F(ButtonTest, LevelModeClickAndMoveOut) {
  BUTTON_SetReactOnLevel();
  wmtest::Pointer(20, 20, 1);
  wmtest::Pointer(25, 22, 1);
  wmtest::Pointer(25, 22, 0);
  EXPECT_EQ(Notifications(), (std::vector<int>{1, 2}));
  EXPECT_EQ(GUI_GetKey(), 42);
  Trace.clear();
  wmtest::Pointer(20, 20, 1);
  wmtest::Pointer(150, 80, 1);
  wmtest::Pointer(150, 80, 0);
  EXPECT_EQ(Notifications(), (std::vector<int>{1, 3}));
  EXPECT_EQ(GUI_GetKey(), 0);
}

TEST_F(ButtonTest, EnterClicksOnPressOnly) {
  ASSERT_EQ(WM_SetFocus(hButton), 0);
  Trace.clear();
  Key(GUI_KEY_ENTER, 1);
  EXPECT_EQ(Notifications(), (std::vector<int>{1, 2}));
  EXPECT_EQ(GUI_GetKey(), 42);
  Trace.clear();
  Key(GUI_KEY_ENTER, 0);
  EXPECT_TRUE(Notifications().empty());
}

TEST_F(ButtonTest, SpacePressesAndReleases) {
  WM_SetFocus(hButton);
  Trace.clear();
  Key(GUI_KEY_SPACE, 1);
  EXPECT_TRUE(BUTTON_IsPressed(hButton));
  EXPECT_EQ(Notifications(), std::vector<int>{1});
  Key(GUI_KEY_SPACE, 0);
  EXPECT_EQ(Notifications(), (std::vector<int>{1, 2}));
  EXPECT_FALSE(BUTTON_IsPressed(hButton));
}

TEST_F(ButtonTest, OtherKeysClimbToTheParent) {
  WM_SetFocus(hButton);
  Trace.clear();
  Key('a', 1);
  EXPECT_EQ(Trace, std::vector<std::string>{"parent WM_KEY 97,1"});
}

TEST_F(ButtonTest, FocusNotificationsAndRefusal) {
  EXPECT_EQ(WM_SetFocus(hButton), 0);
  EXPECT_EQ(Notifications(true), std::vector<int>{WM_NOTIFICATION_GOT_FOCUS});
  EXPECT_TRUE(WIDGET_GetState(hButton) & WIDGET_STATE_FOCUS);
  WM_HWIN hOther = BUTTON_Create(100, 10, 60, 30, hParent, 43, WM_CF_SHOW);
  BUTTON_SetFocusable(hOther, 0);
  Trace.clear();
  EXPECT_EQ(WM_SetFocus(hOther), 1);
  EXPECT_FALSE(WIDGET_GetState(hOther) & WIDGET_STATE_FOCUS);
  // The old focus window was told it lost the focus before the new one refused.
  EXPECT_EQ(WM_GetFocusWindow(), hButton);
}

TEST_F(ButtonTest, PressFocusesAFocusableButton) {
  wmtest::Pointer(20, 20, 1);
  EXPECT_EQ(WM_GetFocusWindow(), hButton);
}

TEST_F(ButtonTest, DisablingAPressedButtonReleasesItSilently) {
  wmtest::Pointer(20, 20, 1);
  Trace.clear();
  WM_DisableWindow(hButton);
  EXPECT_FALSE(BUTTON_IsPressed(hButton));
  EXPECT_TRUE(Notifications().empty());
  wmtest::Pointer(20, 20, 0);
  wmtest::Pointer(20, 20, 1);
  wmtest::Pointer(20, 20, 0);
  EXPECT_TRUE(Notifications().empty());
  EXPECT_EQ(GUI_GetKey(), 0);
}

TEST_F(ButtonTest, HiddenButtonChangesStateWithoutNotifying) {
  WM_SetFocus(hButton);
  WM_HideWindow(hButton);
  Trace.clear();
  Key(GUI_KEY_SPACE, 1);
  EXPECT_TRUE(BUTTON_IsPressed(hButton));
  EXPECT_TRUE(Notifications().empty());
}

TEST_F(ButtonTest, GetTextBoundsTheBuffer) {
  char Buf[8] = "xxxxxxx";
  EXPECT_EQ(BUTTON_GetText(hButton, Buf, sizeof(Buf)), 0);
  EXPECT_STREQ(Buf, "");
  EXPECT_EQ(BUTTON_SetText(hButton, "Hello world"), 0);
  EXPECT_EQ(BUTTON_GetText(hButton, Buf, 6), 5);
  EXPECT_STREQ(Buf, "Hello");
  memcpy(Buf, "zzzzzzz", 8);
  EXPECT_EQ(BUTTON_GetText(hButton, Buf, 0), 0);
  EXPECT_EQ(BUTTON_GetText(hButton, Buf, -5), 0);
  EXPECT_STREQ(Buf, "zzzzzzz");
}

TEST_F(ButtonTest, WrongHandleIsReportedAndChangesNothing) {
  WM_HWIN hSmall = WM_CreateWindow(0, 0, 5, 5, 0, nullptr, 0); // smaller than a button record
  WM_HWIN hLarge = WM_CreateWindow(0, 0, 5, 5, 0, nullptr, 200);
  wmtest::Errors.clear();
  EXPECT_EQ(BUTTON_LockH(hSmall), nullptr);
  EXPECT_EQ(BUTTON_LockH(hLarge), nullptr);
  BUTTON_SetText(hLarge, "x");
  ASSERT_EQ(wmtest::Errors.size(), 3u);
  EXPECT_EQ(wmtest::Errors[0], "E:BUTTON:\nWrong handle type or Object not init'ed in BUTTON_LockH()");
  EXPECT_EQ(GUI_ALLOC_GetNumLocks(hSmall), 0);
}

TEST_F(ButtonTest, SettersAndDefaults) {
  EXPECT_EQ(BUTTON_GetBkColor(hButton, 0), 0xAAAAAAu);
  EXPECT_EQ(BUTTON_GetTextColor(hButton, 2), 0x404040u);
  EXPECT_EQ(BUTTON_GetBkColor(hButton, 3), 0u);
  EXPECT_EQ(BUTTON_GetDefaultBkColor(3), WM_NO_COLOR);
  EXPECT_EQ(BUTTON_GetTextAlign(0), -1);
  EXPECT_EQ(BUTTON_GetTextAlign(hButton), GUI_TA_HCENTER | GUI_TA_VCENTER);
  EXPECT_EQ(BUTTON_SetFocusColor(hButton, 0x123456), 0u); // the previous colour was black
  EXPECT_EQ(BUTTON_SetFocusColor(hButton, 0x123456), 0u); // unchanged
  EXPECT_EQ(BUTTON_SetFocusColor(hButton, 0x000001), 0x123456u);
  EXPECT_EQ(BUTTON_GetFont(hButton), GUI_DEFAULT_FONT);
  GUI_COLOR Old = BUTTON_GetDefaultBkColor(1);
  BUTTON_SetDefaultBkColor(0x010203, 1);
  WM_HWIN h2 = BUTTON_Create(0, 0, 10, 10, hParent, 2, 0);
  EXPECT_EQ(BUTTON_GetBkColor(h2, 1), 0x010203u);
  EXPECT_EQ(BUTTON_GetBkColor(hButton, 1), Old);
  BUTTON_SetDefaultBkColor(Old, 1);
}

TEST_F(ButtonTest, UserDataFollowsTheRecord) {
  WM_HWIN h = BUTTON_CreateUser(0, 0, 10, 10, hParent, 0, 0, 5, 6);
  const char In[8] = "abcdefg";
  char Out[8] = {};
  EXPECT_EQ(BUTTON_SetUserData(h, In, 8), 6);
  EXPECT_EQ(BUTTON_GetUserData(h, Out, 8), 6);
  EXPECT_EQ(std::string(Out, 6), "abcdef");
  EXPECT_EQ(BUTTON_GetText(h, Out, 8), 0); // the user data does not touch the record
}

void _DrawNothing(WM_HWIN) {
}

TEST_F(ButtonTest, ImagesAreFreedWithTheButton) {
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN h = BUTTON_Create(0, 0, 10, 10, hParent, 2, 0);
  BUTTON_SetText(h, "t");
  BUTTON_SetDrawCallback(h, 0, _DrawNothing);
  BUTTON_SetDrawCallback(h, 0, _DrawNothing); // replaces and frees the first
  BUTTON_SetDrawCallback(h, 2, _DrawNothing);
  BUTTON_SetDrawCallback(h, 3, _DrawNothing); // out of range: nothing kept
  EXPECT_EQ(BUTTON_GetBitmap(h, 0), (const void*)_DrawNothing);
  EXPECT_EQ(BUTTON_GetBitmap(h, 1), nullptr);
  WM_DeleteWindow(h);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used);
}

TEST_F(ButtonTest, PicturesDrawInAProgramThatMadeNoHeader) {
  WM_HWIN h = BUTTON_Create(100, 10, 30, 30, hParent, 3, WM_CF_SHOW);
  BUTTON_SetBitmapEx(h, BUTTON_BI_UNPRESSED, &widgettest::Bm4x4, 8, 8);
  WM_Exec();
  EXPECT_EQ(LCD_GetPixelIndex(108, 18), LCD_Color2Index(0x00C000)) << "the picture's frame";
  EXPECT_EQ(LCD_GetPixelIndex(109, 19), LCD_Color2Index(0x0000FF)) << "the picture's middle";
}

TEST_F(ButtonTest, CreateIndirectUsesTheRecord) {
  WIDGET_CREATE_INFO Info = {BUTTON_CreateIndirect, "OK", 77, 5, 6, 40, 20, 0, 0, 4};
  WM_HWIN h = BUTTON_CreateIndirect(&Info, hParent, 10, 20, nullptr);
  char Buf[4];
  BUTTON_GetText(h, Buf, sizeof(Buf));
  EXPECT_STREQ(Buf, "OK");
  EXPECT_EQ(WM_GetId(h), 77);
  EXPECT_EQ(WM_GetWindowPosX(h), 15);
  EXPECT_EQ(WM_GetWindowPosY(h), 26);
  EXPECT_EQ(WM_GetWindowSizeX(h), 40);
}

TEST_F(ButtonTest, CreationFailureWarns) {
  GUI_ALLOC__FailNth(1);
  EXPECT_EQ(BUTTON_Create(0, 0, 10, 10, hParent, 1, 0), 0u);
  GUI_ALLOC__FailNth(0);
  ASSERT_FALSE(wmtest::Errors.empty());
  EXPECT_EQ(wmtest::Errors.back(), "W:BUTTON:\nBUTTON_CreateUser() failed");
}

} // namespace
