// Key and pointer stores: order, overflow, pending key and the hooks toward the window manager.
#include <gtest/gtest.h>

#include "GuiTest.h"

#include <cstdint>
#include <vector>

namespace {

std::vector<GUI_KEY_MSG> g_Delivered;
int _OnKey(int Key, int PressedCnt) {
  g_Delivered.push_back(GUI_KEY_MSG{Key, PressedCnt});
  return 1;
}

class Input : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    g_Delivered.clear();
    GUI__pfOnKey = _OnKey;
  }
  void TearDown() override {
    GUI__pfOnKey = nullptr;
    GuiTest::TearDown();
  }
  static std::vector<int> PollAllKeys() {
    std::vector<int> Keys;
    while (GUI_PollKeyMsg()) Keys.push_back(g_Delivered.back().Key);
    return Keys;
  }
};

TEST_F(Input, KeyMessagesComeOutInOrder) {
  GUI_StoreKeyMsg(GUI_KEY_UP, 1);
  GUI_StoreKeyMsg(GUI_KEY_UP, 0);
  GUI_StoreKeyMsg('a', 1);
  EXPECT_EQ(GUI_GetKeyMsgCnt(), 3);
  EXPECT_EQ(PollAllKeys(), (std::vector<int>{GUI_KEY_UP, GUI_KEY_UP, 'a'}));
  EXPECT_EQ(g_Delivered[1].PressedCnt, 0);
  EXPECT_EQ(GUI_PollKeyMsg(), 0);
}

TEST_F(Input, AFullKeyBufferReplacesItsLastSlot) {
  for (int k = 1; k <= GUI_KEY_MSG_BUFFER_SIZE + 3; ++k) GUI_StoreKeyMsg(100 + k, 1);
  std::vector<int> Expected;
  for (int k = 1; k < GUI_KEY_MSG_BUFFER_SIZE; ++k) Expected.push_back(100 + k);
  Expected.push_back(100 + GUI_KEY_MSG_BUFFER_SIZE + 3); // the newest
  EXPECT_EQ(PollAllKeys(), Expected);
}

TEST_F(Input, KeyMessagesWaitForTheWindowManager) {
  GUI__pfOnKey = nullptr;
  GUI_StoreKeyMsg('x', 1);
  EXPECT_EQ(GUI_PollKeyMsg(), 0);
  GUI__pfOnKey = _OnKey;
  EXPECT_EQ(PollAllKeys(), (std::vector<int>{'x'}));
}

TEST_F(Input, PendingKeyKeepsTheFirstPress) {
  GUI_StoreKey(GUI_KEY_ENTER);
  GUI_StoreKey(GUI_KEY_ESCAPE);
  EXPECT_EQ(GUI_GetKey(), GUI_KEY_ENTER);
  EXPECT_EQ(GUI_GetKey(), 0);
  GUI_StoreKeyMsg('q', 1);
  GUI_StoreKeyMsg('q', 0);
  EXPECT_EQ(GUI_GetKey(), 'q');
  GUI_StoreKeyMsg('r', 0);
  EXPECT_EQ(GUI_GetKey(), 0) << "a release is no key stroke";
  GUI_StoreKey(GUI_KEY_DOWN);
  EXPECT_EQ(GUI_WaitKey(), GUI_KEY_DOWN);
}

GUI_POINTER_STATE State(int x, int y, int Pressed) { return GUI_POINTER_STATE{x, y, static_cast<U8>(Pressed), 0}; }

TEST_F(Input, PointerStatesComeOutInOrder) {
  EXPECT_EQ(GUI_POINTER_IsEmpty(), 1);
  for (int i = 0; i < 3; ++i) {
    GUI_POINTER_STATE s = State(10 * i, 20 * i, i & 1);
    GUI_POINTER_StoreState(&s);
  }
  GUI_POINTER_STATE s;
  GUI_POINTER_GetLastState(&s);
  EXPECT_EQ(s.x, 20);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(GUI_POINTER_IsEmpty(), 0);
    EXPECT_EQ(GUI_POINTER_GetState(&s), i & 1);
    EXPECT_EQ(s.x, 10 * i);
    EXPECT_EQ(s.y, 20 * i);
  }
  EXPECT_EQ(GUI_POINTER_IsEmpty(), 1);
  EXPECT_EQ(GUI_POINTER_GetState(&s), 0);
  EXPECT_EQ(s.x, 20) << "with nothing unread the last state comes again";
}

TEST_F(Input, PointerRingOverflowKeepsTheNewestStates) {
  for (int i = 1; i <= GUI_POINTER_NUM_STATES + 2; ++i) {
    GUI_POINTER_STATE s = State(i, i, 1);
    GUI_POINTER_StoreState(&s);
  }
  std::vector<int> Read;
  GUI_POINTER_STATE s;
  while (!GUI_POINTER_IsEmpty()) {
    GUI_POINTER_GetState(&s);
    Read.push_back(s.x);
  }
  EXPECT_EQ(Read, (std::vector<int>{3, 4, 5, 6, 7, 8}));
}

int g_Handled;
int _Handler(void) { return ++g_Handled, 0; }

// Positions from outside are kept to the coordinate range, so later sums with window positions cannot overflow.
TEST_F(Input, PointerPositionsAreKeptToTheCoordinateRange) {
  GUI_POINTER_STATE In = {INT32_MIN, INT32_MAX, 1, 0}, Out = {};
  GUI_MOUSE_StoreState(&In);
  GUI_POINTER_GetState(&Out);
  EXPECT_EQ(Out.x, -0x8000);
  EXPECT_EQ(Out.y, 0x7FFF);
  In = {-1, 40000, 0, 0};
  GUI_POINTER_StoreState(&In);
  GUI_POINTER_GetState(&Out);
  EXPECT_EQ(Out.x, -1);
  EXPECT_EQ(Out.y, 0x7FFF);
}

TEST_F(Input, StoringAStateInstallsTheWindowManagersHandler) {
  GUI_pfHandlePointer = nullptr;
  GUI__pfDefaultPointerHandler = _Handler;
  GUI_POINTER_STATE s = State(1, 2, 1);
  GUI_POINTER_StoreState(&s);
  ASSERT_EQ(GUI_pfHandlePointer, _Handler);
  GUI_pfHandlePointer = nullptr;
  GUI__pfDefaultPointerHandler = nullptr;
}

TEST_F(Input, MouseAndTouchStoreOnlyChanges) {
  GUI_POINTER_STATE a = State(5, 6, 1), b = State(7, 6, 1);
  GUI_MOUSE_StoreState(&a);
  GUI_MOUSE_StoreState(&a);
  GUI_MOUSE_StoreState(&b);
  GUI_POINTER_STATE Released = State(-1, -1, 0);
  GUI_TOUCH_StoreStateEx(&Released);
  GUI_TOUCH_StoreStateEx(&Released);
  std::vector<int> Read;
  GUI_POINTER_STATE s;
  while (!GUI_POINTER_IsEmpty()) {
    GUI_POINTER_GetState(&s);
    Read.push_back(s.x);
  }
  EXPECT_EQ(Read, (std::vector<int>{5, 7, -1}));
  GUI_MOUSE_GetState(&s);
  EXPECT_EQ(s.x, 7);
  EXPECT_EQ(GUI_pfStoreMultiTouch, nullptr);
}

} // namespace
