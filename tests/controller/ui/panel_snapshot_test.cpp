// The panel screen standing on a snapshot of the screen below it, and its fallbacks when the heap is short.
#include <cstring>
#include <vector>

#include "GUI_MEMDEV.h"
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "UI_Panel.h"
#include "main_fixture.h"
#include "panel_test_util.h"

namespace {

// The pixels of a device as they are stored.
std::vector<U8> Bytes(GUI_HMEM h) {
  const U8* p = static_cast<const U8*>(GUI_MEMDEV_GetDataPtr(h));
  return std::vector<U8>(p, p + GUI_MEMDEV_GetXSize(h) * GUI_MEMDEV_GetYSize(h) * 2);
}

// A colour as the 16-bit display keeps it.
GUI_COLOR OnDisplay(GUI_COLOR c) { return LCD_CC_BGR565_Index2Color(LCD_CC_BGR565_Color2Index(c & 0xFFFFFF)); }

class PanelSnapshotTest : public MainScreenTest {
 protected:
  void TearDown() override {
    GUI_ALLOC__FailNth(0);
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
  void LoadGraphics() {
    ASSERT_EQ(UI_LoadGraphics(), 0);
    WM_InvalidateWindowAndDescendants(WM_GetDesktopWindow());
    Settle();
  }
  static WM_HWIN OpenPanel() {
    WM_HWIN h = UI_CreatePanel(PanelTestInnerCallback, nullptr, 0, UI_PanelTabsCallback, 0);
    Settle();
    return h;
  }
  // A mark drawn straight onto the display, where the panel frame shows the screen below it.
  static void MarkDisplay(GUI_COLOR Color) {
    GUI_Lock();
    WM_Deactivate();  // drawing goes to the display as it is, past the windows
    GUI_SetColor(Color);
    GUI_FillRect(2, 32, 12, 36);
    WM_Activate();
    GUI_Unlock();
  }
};

TEST_F(PanelSnapshotTest, APanelStandsOnThePageBelowIt) {
  LoadGraphics();
  std::vector<GUI_COLOR> Below;  // the strip above the panel picture, which the frame covers
  for (int x = 0; x < UI_PANEL_W; x++) Below.push_back(LCD_GetPixelColor(x, 37));
  ASSERT_NE(OpenPanel(), 0u);
  EXPECT_NE(UI_hMemdevScreenA, 0);
  // With the image cache loaded the default heap keeps room for one snapshot device only: the display goes
  // straight into A.
  EXPECT_EQ(UI_hMemdevScreenB, 0);
  EXPECT_EQ(UI_hMemdevScreenC, 0);
  EXPECT_GE(GUI_ALLOC_GetMaxFreeBlockSize(), UI_SNAPSHOT_HEAP_RESERVE - 64 * 1024);
  int FromPage = 0;
  for (int x = 0; x < UI_PANEL_W; x++) {
    ASSERT_EQ(LCD_GetPixelColor(x, 37), Below[x]) << x;
    FromPage += Below[x] != OnDisplay(UI_MemdevPixel(UI_hMemdevPageBg, x, 37));
  }
  EXPECT_GT(FromPage, 100);  // the page's first line, not the bare background
  EXPECT_TRUE(golden::Matches("controller/ui/panel_on_snapshot", golden::CaptureLCD()));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(PanelSnapshotTest, TheMenuLayoutKeepsItsSnapshotForTheNextPanel) {
  // Without the image cache the heap has room for all three devices.
  MarkDisplay(0x0000FF);
  OpenPanel();
  ASSERT_NE(UI_hMemdevScreenA, 0);
  ASSERT_NE(UI_hMemdevScreenB, 0);
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevScreenB, 5, 34), 0x0000FFu);
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevScreenA, 5, 34), 0x0000FFu);
  // A second panel over the first (a tab of the same page) stands on the same snapshot.
  std::vector<U8> Before = Bytes(UI_hMemdevScreenA);
  MarkDisplay(0x00FF00);
  OpenPanel();
  EXPECT_EQ(Bytes(UI_hMemdevScreenA), Before);
  // A panel that may reuse the kept snapshot takes it instead of the display.
  UI_DeleteChildren(UI_hPageArea);
  MarkDisplay(0x00FF00);
  UI_SnapshotReuse = 1;
  OpenPanel();
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevScreenA, 5, 34), 0x0000FFu);
  EXPECT_EQ(UI_SnapshotReuse, 0);
  UI_DeleteChildren(UI_hPageArea);
  MarkDisplay(0x00FF00);
  OpenPanel();
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevScreenA, 5, 34), 0x00FF00u);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(PanelSnapshotTest, AReuseWithoutAKeptSnapshotCopiesTheDisplay) {
  MarkDisplay(0x0000FF);
  UI_SnapshotReuse = 1;
  OpenPanel();
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevScreenA, 5, 34), 0x0000FFu);
}

TEST_F(PanelSnapshotTest, TheOverviewSnapshotIsFreedOnceComposed) {
  UI_ApplyLayout();
  Settle();
  MarkDisplay(0xFF0000);
  I32 Free = GUI_ALLOC_GetNumFreeBytes();
  OpenPanel();
  ASSERT_NE(UI_hEntryShield, 0u);
  EXPECT_EQ(UI_hMemdevScreenC, 0);
  EXPECT_EQ(UI_hMemdevScreenB, 0);
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevScreenA, 5, 34), 0xFF0000u);
  EXPECT_GT(GUI_ALLOC_GetNumFreeBytes(), Free - 3 * UI_SCREEN_W * UI_SCREEN_H);  // A only
  EXPECT_TRUE(Errors().empty());
}

TEST_F(PanelSnapshotTest, WithoutRoomForTheSnapshotThePanelStandsOnThePageBackground) {
  LoadGraphics();
  // A heap too full for a snapshot device and its reserve: no device is tried.
  GUI_HMEM hFill = GUI_ALLOC_AllocNoInit(GUI_ALLOC_GetMaxFreeBlockSize() - 2 * UI_SNAPSHOT_HEAP_RESERVE);
  ASSERT_NE(hFill, 0);
  ASSERT_NE(OpenPanel(), 0u);
  EXPECT_EQ(UI_hMemdevScreenA, 0);
  EXPECT_EQ(LCD_GetPixelColor(100, 37), OnDisplay(UI_MemdevPixel(UI_hMemdevPageBg, 100, 37)));
  EXPECT_TRUE(Errors().empty());
  // An allocation that fails although the heap looked big enough: the same.
  GUI_ALLOC_Free(hFill);
  UI_DeleteChildren(UI_hPageArea);
  GUI_ALLOC__FailNth(1);
  ASSERT_NE(OpenPanel(), 0u);
  EXPECT_EQ(UI_hMemdevScreenA, 0);
  EXPECT_EQ(LCD_GetPixelColor(100, 37), OnDisplay(UI_MemdevPixel(UI_hMemdevPageBg, 100, 37)));
  ClearMessages();
}

}  // namespace
