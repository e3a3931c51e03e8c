// The panel screen standing on a snapshot of the screen below it, and its fallback when the heap is short.
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "UI_Panel.h"
#include "main_fixture.h"
#include "panel_test_util.h"

namespace {

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
  // A mark drawn straight onto the display where the frame shows the screen below; A's colour there.
  static void Mark(GUI_COLOR Color) {
    GUI_Lock();
    WM_Deactivate();
    GUI_SetColor(Color);
    GUI_FillRect(2, 32, 12, 36);
    WM_Activate();
    GUI_Unlock();
  }
  static GUI_COLOR InA() { return UI_MemdevPixel(UI_hMemdevScreenA, 5, 34); }
};

TEST_F(PanelSnapshotTest, APanelStandsOnThePageBelowIt) {
  LoadGraphics();
  GUI_COLOR Below = LCD_GetPixelColor(425, 36);  // the page's first tile, where the frame lies over it
  ASSERT_NE(Below, OnDisplay(UI_MemdevPixel(UI_hMemdevPageBg, 100, 50)));
  ASSERT_NE(OpenPanel(), 0u);
  // With the image cache the default heap has room for A only: the display goes straight into it.
  EXPECT_NE(UI_hMemdevScreenA, 0);
  EXPECT_EQ(UI_hMemdevScreenB, 0);
  EXPECT_EQ(LCD_GetPixelColor(425, 36), Below);
  EXPECT_TRUE(golden::Matches("controller/ui/panel_on_snapshot", golden::CaptureLCD()));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(PanelSnapshotTest, TheMenuLayoutKeepsItsSnapshotForTheNextPanel) {
  Mark(0x0000FF);
  UI_SnapshotReuse = 1;  // nothing kept yet: the display is taken all the same
  OpenPanel();
  ASSERT_NE(UI_hMemdevScreenB, 0);  // without the image cache all devices fit
  EXPECT_EQ(InA(), 0x0000FFu);
  Mark(0x00FF00);
  OpenPanel();  // a further tab of the page stands on the same picture
  EXPECT_EQ(InA(), 0x0000FFu);
  UI_DeleteChildren(UI_hPageArea);
  Mark(0x00FF00);
  UI_SnapshotReuse = 1;
  OpenPanel();  // a new panel that may reuse the kept snapshot
  EXPECT_EQ(InA(), 0x0000FFu);
  UI_DeleteChildren(UI_hPageArea);
  Mark(0x00FF00);
  OpenPanel();
  EXPECT_EQ(InA(), 0x00FF00u);
  // Over the overview the snapshot device is given back once A is composed.
  UI_DeleteChildren(UI_hPageArea);
  UI_ApplyLayout();
  Settle();
  Mark(0xFF0000);
  OpenPanel();
  EXPECT_EQ(InA(), 0xFF0000u);
  EXPECT_EQ(UI_hMemdevScreenC, 0);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(PanelSnapshotTest, AFailedSnapshotLeavesThePanelOnThePageBackground) {
  LoadGraphics();
  GUI_ALLOC__FailNth(1);  // the snapshot device
  ASSERT_NE(OpenPanel(), 0u);
  EXPECT_EQ(UI_hMemdevScreenA, 0);
  EXPECT_EQ(LCD_GetPixelColor(100, 37), OnDisplay(UI_MemdevPixel(UI_hMemdevPageBg, 100, 37)));
  ClearMessages();
}

}  // namespace
