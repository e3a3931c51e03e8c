// The menu stack: showing, opening and leaving addresses, the history and its bound, and the rule that the
// shown address changes only when its page was built.
#include <cstring>

#include "GUI_Sprite.h"
#include "UI_MainListPage.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kInputs = 0x5801, kOutputs = 0x5802, kFunctions = 0x5804, kClock = 0xD5800;

using MenuStackTest = MainScreenTest;

UI_MenuStack& Stack() { return UI_MenuStackInstance; }

TEST_F(MenuStackTest, OpenRemembersTheLeftPageAndBackRestoresItsScrollPosition) {
  ASSERT_EQ(Stack().Open(kInputs, -80), UI_SHOW_OK);
  EXPECT_EQ(Stack().GetNode(), kInputs);
  EXPECT_EQ(Stack().GetPreviousNode(), uint32_t(UI_ROOT_MENU));
  ASSERT_EQ(Stack().GetHistoryDepth(), 1);
  EXPECT_EQ(Stack().PeekHistory()->Address, uint32_t(UI_ROOT_MENU));
  EXPECT_EQ(Stack().PeekHistory()->ListPosition, -80);
  EXPECT_EQ(Stack().Back(), UI_SHOW_OK);
  EXPECT_EQ(Stack().GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_EQ(Stack().GetHistoryDepth(), 0);
  EXPECT_EQ(UI_GetPageScrollOffset(), -80);
}

TEST_F(MenuStackTest, ShowOfTheNewestHistoryAddressTakesItsPositionAndPopsIt) {
  Stack().Open(kInputs, -40);
  Stack().Open(kOutputs, 0);
  ASSERT_EQ(Stack().GetHistoryDepth(), 2);
  EXPECT_EQ(Stack().Show(kInputs, 0), UI_SHOW_OK);
  EXPECT_EQ(Stack().GetHistoryDepth(), 1);
  EXPECT_EQ(Stack().PeekHistory()->Address, uint32_t(UI_ROOT_MENU));
}

TEST_F(MenuStackTest, OpenOfTheShownAddressDoesNothing) {
  EXPECT_EQ(Stack().Open(UI_ROOT_MENU, -10), UI_SHOW_OK);
  EXPECT_EQ(Stack().GetHistoryDepth(), 0);
}

TEST_F(MenuStackTest, BackWithAnEmptyHistoryShowsTheNetworkPage) {
  EXPECT_EQ(Stack().Back(), UI_SHOW_OK);
  EXPECT_EQ(Stack().GetNode(), 0u);
  EXPECT_NE(Page(), 0u);
}

TEST_F(MenuStackTest, AnUnreadableMenuLeadsToTheNetworkPageAndIsNotRemembered) {
  EXPECT_EQ(Stack().Open(0x5FF0, -30), UI_SHOW_FAILED);
  EXPECT_EQ(Stack().GetNode(), 0u);
  EXPECT_EQ(Stack().GetHistoryDepth(), 0);
}

TEST_F(MenuStackTest, TheHistoryKeepsOnlyTheNewestAddresses) {
  const uint32_t aCycle[] = {kInputs, kOutputs, kFunctions};  // never the page just left, which Show would pop
  for (int i = 0; i < UI_MENU_HISTORY_MAX + 20; i++) Stack().Open(aCycle[i % 3], -i);
  EXPECT_EQ(Stack().GetHistoryDepth(), int(UI_MENU_HISTORY_MAX));
  EXPECT_EQ(Stack().PeekHistory()->ListPosition, -(UI_MENU_HISTORY_MAX + 19));
  Stack().ClearHistory();
  EXPECT_EQ(Stack().GetHistoryDepth(), 0);
  EXPECT_EQ(Stack().PopHistory(), 0u);
}

TEST_F(MenuStackTest, PageKindIsWordTwoUnlessItIsZero) {
  uint8_t* m = Stack().GetNodeMenu();
  memset(m, 0, 12);
  m[5] = 7;  // word 1: kind 7
  EXPECT_EQ(Stack().GetPageKind(), 0x700u);
  m[9] = 11;
  m[10] = 0xA3;  // word 2: kind 11 with tab word 0x00A3
  EXPECT_EQ(Stack().GetPageKind(), 0xA30B00u);
  Stack().Reload(0);
}

TEST_F(MenuStackTest, ArenaFillPointerStaysInsideTheArena) {
  uint8_t* p0 = Stack().GetPageArea();
  Stack().SetFillPointer(p0 + 100);
  EXPECT_EQ(Stack().GetFreeSpace(), UI_ELEMENT_ARENA_SIZE - 100);
  Stack().SetFillPointer(p0 + UI_ELEMENT_ARENA_SIZE + 1);  // refused
  EXPECT_EQ(Stack().GetFillPointer(), p0 + 100);
}

// A page handler that refuses to build: the previous page, its address and its description stay.
int g_Builds, g_Refuse;
uint32_t g_SeenNode;
uint8_t g_SeenByte;
int _BuildOrRefuse(int) {
  g_Builds++;
  g_SeenNode = Stack().GetNode();
  g_SeenByte = Stack().GetNodeMenu()[0];
  return g_Refuse ? UI_SHOW_FAILED : UI_SHOW_OK;
}
const UI_PAGE_HANDLER kRefusing = {_BuildOrRefuse, nullptr};

TEST_F(MenuStackTest, AFailedBuildKeepsTheShownAddressAndDescription) {
  uint8_t aBefore[UI_MENU_BUFFER_SIZE];
  memcpy(aBefore, Stack().GetNodeMenu(), sizeof(aBefore));
  UI_SetPageHandler(&kRefusing);
  g_Builds = 0;
  g_Refuse = 1;
  EXPECT_EQ(Stack().Open(kClock, -20), UI_SHOW_FAILED);
  EXPECT_EQ(g_Builds, 1);
  EXPECT_EQ(g_SeenNode, kClock);  // the handler builds the new address with its description
  EXPECT_EQ(g_SeenByte, 0x60);
  EXPECT_EQ(Stack().GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_EQ(Stack().GetHistoryDepth(), 0);
  EXPECT_EQ(memcmp(aBefore, Stack().GetNodeMenu(), sizeof(aBefore)), 0);
  g_Refuse = 0;
  EXPECT_EQ(Stack().Open(kClock, -20), UI_SHOW_OK);
  EXPECT_EQ(Stack().GetNode(), kClock);
  EXPECT_EQ(Stack().GetHistoryDepth(), 1);
}

TEST_F(MenuStackTest, AFailedBuildDoesNotTakeTheHistoryNode) {
  Stack().Open(kFunctions, -50);
  UI_SetPageHandler(&kRefusing);
  g_Refuse = 1;
  EXPECT_EQ(Stack().Back(), UI_SHOW_FAILED);
  EXPECT_EQ(Stack().GetNode(), kFunctions);
  ASSERT_EQ(Stack().GetHistoryDepth(), 1);
  g_Refuse = 0;
  UI_SetPageHandler(nullptr);
  EXPECT_EQ(Stack().Back(), UI_SHOW_OK);
  EXPECT_EQ(UI_GetPageScrollOffset(), -50);
}

// UI_ScrollChild never moves a page past either end.
TEST_F(MenuStackTest, ScrollChildStopsExactlyAtTheEnds) {
  WM_HWIN hPage = Page();
  int H = WM_GetWindowSizeY(hPage);
  ASSERT_GT(H, UI_PAGE_AREA_H);
  int Lowest = UI_TITLE_H + UI_PAGE_AREA_H - H;
  EXPECT_EQ(UI_ScrollChild(hPage, -20, 2), -20);
  EXPECT_EQ(WM_GetWindowPosY(hPage), UI_TITLE_H - 20);
  EXPECT_EQ(UI_ScrollChild(hPage, 100, 2), 20);  // stops at the top
  EXPECT_EQ(WM_GetWindowPosY(hPage), UI_TITLE_H);
  EXPECT_EQ(UI_ScrollChild(hPage, -10000, 2), Lowest - UI_TITLE_H);  // stops at the bottom
  EXPECT_EQ(WM_GetWindowPosY(hPage), Lowest);
  EXPECT_EQ(UI_ScrollChild(hPage, -20, 2), 0);
  EXPECT_EQ(WM_GetWindowPosY(hPage), Lowest);
}

TEST_F(MenuStackTest, ScrollChildLeavesAPageShorterThanItsParent) {
  WM_HWIN hSmall = WM_CreateWindowAsChild(0, 0, 100, 100, UI_hPageArea, WM_CF_SHOW, nullptr, 0);
  EXPECT_EQ(UI_ScrollChild(hSmall, -20, 2), -20);
  EXPECT_EQ(WM_GetWindowPosY(hSmall), UI_TITLE_H);
  WM_DeleteWindow(hSmall);
}

}  // namespace

namespace {

int g_BusyWhileBuilding;
int _RecordBusy(int ListPosition) {
  g_BusyWhileBuilding = GUI_SPRITE_IsVisible(UI_hSprite);
  return UI_BuildListPage(ListPosition);
}
const UI_PAGE_HANDLER kRecording = {_RecordBusy, nullptr};

TEST_F(MenuStackTest, TheBusyIndicatorStandsWhileThePageIsBuilt) {
  UI_SetPageHandler(&kRecording);
  g_BusyWhileBuilding = 0;
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5801, 0), UI_SHOW_OK);
  EXPECT_EQ(g_BusyWhileBuilding, 1);
  EXPECT_EQ(GUI_SPRITE_IsVisible(UI_hSprite), 0);
}

}  // namespace
