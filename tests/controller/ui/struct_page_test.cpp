// Structured pages (kinds 8 and 13) of the own node: the general settings with their tabs at the user and the
// technician level, the row layout, and a touch on a value row that opens its entry and writes back.
#include "FKT_Access.h"
#include "SET_Objects.h"
#include "UI_ElementStruct.h"
#include "UI_GraphicsCache.h"
#include "UI_Panel.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kGeneral = 0x5101, kClock = 0x5103;

class StructPageTest : public MainScreenTest {
 protected:
  void TearDown() override {
    UI_DeletePanelSnapshots();
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
  static WM_HWIN Child(WM_HWIN h, int i) {
    h = WM_GetFirstChild(h);
    while (h && i--) h = WM_GetNextSibling(h);
    return h;
  }
  static int ChildCount(WM_HWIN h) {
    int n = 0;
    for (WM_HWIN c = WM_GetFirstChild(h); c; c = WM_GetNextSibling(c)) n++;
    return n;
  }
  static int Y(WM_HWIN h) { return WM_GetWindowPosY(h) - WM_GetWindowPosY(UI_hPanelInner); }
  static UI_STRUCT_BLOCK* Block(WM_HWIN h) { return (UI_STRUCT_BLOCK*)UI_GetElementData(h); }
  static std::u16string Text(WM_HWIN h) { return Block(h)->acText; }
  void TouchIn(WM_HWIN h, int x, int y) { Touch(WM_GetWindowPosX(h) + x, WM_GetWindowPosY(h) + y); }
};

TEST_F(StructPageTest, GeneralSettingsAtTheUserLevel) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kGeneral, 0), UI_SHOW_OK);
  Settle();
  ASSERT_TRUE(UI_hPanel);
  WM_HWIN hInner = UI_hPanelInner;
  // Heading, language, brightness, screen saver, node number, two links; the technician's block is hidden.
  ASSERT_EQ(ChildCount(hInner), 7);
  EXPECT_EQ(WM_GetWindowSizeX(Child(hInner, 0)), 345 - 28);
  EXPECT_EQ(WM_GetWindowPosX(Child(hInner, 0)) - WM_GetWindowPosX(hInner), 8);
  EXPECT_EQ(Y(Child(hInner, 1)), 35 + 3);
  EXPECT_EQ(Y(Child(hInner, 2)), 35 + 3 + 40 + 3);
  EXPECT_TRUE(golden::Matches("controller/ui/struct_general_user", golden::CaptureLCD()));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(StructPageTest, GeneralSettingsAtTheTechnicianLevelShowTheBlock) {
  UI_GrantLevel(0, 1, -1);
  ASSERT_EQ(UI_MenuStackInstance.Open(kGeneral, 0), UI_SHOW_OK);
  Settle();
  ASSERT_EQ(ChildCount(UI_hPanelInner), 9);
  EXPECT_TRUE(golden::Matches("controller/ui/struct_general_technician", golden::CaptureLCD()));
}

}  // namespace
