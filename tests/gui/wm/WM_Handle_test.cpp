// The window check by handle: windows of every age are known, deleted ones and handles reused for other heap
// blocks are not and a handle reused for a new window is that window.
#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

class WmHandle : public WmTest {};

TEST_F(WmHandle, DeletedWindowsAndReusedHandlesAreNoWindows) {
  WM_HWIN hParent = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hChild = WM_CreateWindowAsChild(10, 10, 20, 20, hParent, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hOther = WM_CreateWindow(50, 50, 10, 10, WM_CF_SHOW, nullptr, 0);
  ASSERT_TRUE(WM_IsWindow(hParent) && WM_IsWindow(hChild) && WM_IsWindow(hOther));
  EXPECT_TRUE(WM_IsWindow(WM_GetDesktopWindow()));
  EXPECT_FALSE(WM_IsWindow(0));
  EXPECT_FALSE(WM_IsWindow(-5));
  EXPECT_FALSE(WM_IsWindow(0x7FFF));
  GUI_HMEM hBlock = GUI_ALLOC_AllocZero(64);  // a heap block that is no window
  EXPECT_FALSE(WM_IsWindow(hBlock));
  GUI_ALLOC_Free(hBlock);

  // Deleting the parent takes the child with it.
  WM_DeleteWindow(hParent);
  EXPECT_FALSE(WM_IsWindow(hParent));
  EXPECT_FALSE(WM_IsWindow(hChild));
  EXPECT_TRUE(WM_IsWindow(hOther));

  // The freed handles come back for other blocks: they stay no windows.
  std::vector<GUI_HMEM> Blocks;
  bool Reused = false;
  for (int i = 0; i < 8; i++) {
    GUI_HMEM h = GUI_ALLOC_AllocZero(sizeof(WM_OBJ));
    Reused |= (h == hParent || h == hChild);
    EXPECT_FALSE(WM_IsWindow(h));
    Blocks.push_back(h);
  }
  EXPECT_TRUE(Reused);
  EXPECT_FALSE(WM_IsWindow(hParent));
  EXPECT_FALSE(WM_IsWindow(hChild));
  for (GUI_HMEM h : Blocks) GUI_ALLOC_Free(h);

  // A new window on a reused handle is that window; its old name does not revive the old one's children.
  WM_HWIN hNew = WM_CreateWindow(0, 0, 10, 10, WM_CF_SHOW, nullptr, 0);
  EXPECT_TRUE(WM_IsWindow(hNew));
  EXPECT_EQ(WM_IsWindow(hParent), hNew == hParent);
  EXPECT_EQ(WM_IsWindow(hChild), hNew == hChild);
  WM_DeleteWindow(hNew);
  WM_DeleteWindow(hOther);
  EXPECT_FALSE(WM_IsWindow(hNew));
  EXPECT_FALSE(WM_IsWindow(hOther));
}

TEST_F(WmHandle, AThousandWindowsAreEachKnownUntilDeleted) {
  std::vector<WM_HWIN> Wins;
  for (int i = 0; i < 1000; i++) {
    WM_HWIN h = WM_CreateWindow(i % 400, i % 200, 5, 5, 0, nullptr, 0);
    ASSERT_NE(h, 0);
    Wins.push_back(h);
  }
  for (size_t i = 0; i < Wins.size(); i += 2) WM_DeleteWindow(Wins[i]);
  for (size_t i = 0; i < Wins.size(); i++) ASSERT_EQ(WM_IsWindow(Wins[i]), i % 2 == 1) << i;
  for (size_t i = 1; i < Wins.size(); i += 2) WM_DeleteWindow(Wins[i]);
  for (WM_HWIN h : Wins) ASSERT_FALSE(WM_IsWindow(h));
  EXPECT_TRUE(Errors.empty());
}

}  // namespace
