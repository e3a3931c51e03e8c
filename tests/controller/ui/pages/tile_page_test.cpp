// Kind-1 pages of icon tiles: the own root menu in two columns, a tile opening its page and back returning to
// the scroll position, the tile's value, and the records that make no tile.
#include "CAN_Node.h"
#include "FKT_Registry.h"
#include "FKT_Types.h"
#include "FUNKTION_Meldung.h"
#include "UI_ElementTile.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

constexpr int kBackX = 450, kBackY = 200;
constexpr int kFunctions = 3, kDateTime = 5;
constexpr int kRootTiles = 13;

class TilePageTest : public MainScreenTest {
 protected:
  static UI_TILE_BLOCK* Tile(int i) { return (UI_TILE_BLOCK*)UI_GetElementData(Element(i)); }
  static void Wheel(int Notches) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_WHEEL;
    Msg.Data.v = Notches;
    WM_SendMessage(Page(), &Msg);
  }
};

TEST_F(TilePageTest, TheRootMenuStandsInTwoColumnsWithTheOddTileLeft) {
  ASSERT_EQ(ChildCount(Page()), kRootTiles);
  static const int kIcons[] = {1, 2, 3, 4, 9, 5, 7, 8, 12, 10, 11, 13, 6};
  for (int i = 0; i < kRootTiles; i++) {
    EXPECT_EQ(WM_GetWindowPosX(Element(i)) - WM_GetWindowPosX(Page()), i % 2 ? 220 : 20) << i;
    EXPECT_EQ(WM_GetWindowPosY(Element(i)) - WM_GetWindowPosY(Page()), 10 + 60 * (i / 2)) << i;
    EXPECT_EQ(Tile(i)->Icon, kIcons[i]);
  }
  // Seven rows, the last one holding only the thirteenth tile.
  EXPECT_EQ(WM_GetWindowSizeY(Page()), 430);
  EXPECT_EQ(UI_PageContentHeight, 430);
  EXPECT_EQ(Tile(kFunctions)->LinkAddress, 0x5804u);
  EXPECT_EQ(Tile(kDateTime)->LinkAddress, 0x0D5800u);
  EXPECT_EQ(std::u16string(Tile(0)->acText), u"Inputs");
  Wheel(-20);  // to the end: the page never ends above the page area's bottom
  Settle();
  EXPECT_EQ(UI_GetPageScrollOffset(), 242 - 430);
  EXPECT_TRUE(golden::Matches("controller/ui/tile_root_bottom", golden::CaptureLCD()));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(TilePageTest, ATileOpensItsPageAndBackReturnsToTheScrollPosition) {
  Wheel(-2);
  Settle();
  ASSERT_EQ(UI_GetPageScrollOffset(), -40);
  TouchElement(kDateTime);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x0D5800u);
  Touch(kBackX, kBackY);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_EQ(UI_GetPageScrollOffset(), -40);
  EXPECT_EQ(Tile(kDateTime)->Icon, 5);  // the clock
  // A release beside the tile, in the gap between two rows, opens nothing.
  Touch(ElementX(0), ElementY(0) + 30);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(TilePageTest, TheFunctionsTileShowsTheActiveMessages) {
  UI_TILE_BLOCK* p = Tile(kFunctions);
  ASSERT_NE(p->ValueAddress, 0u);
  EXPECT_EQ(Tile(0)->ValueAddress, 0u);
  EXPECT_EQ(std::u16string(p->acValue), u"0");
  FKT_InstallFunctionModules();
  FUNKTION_BASIS_PAR* pMsg = nullptr;
  ASSERT_EQ(FKT_CreateObject(FKT_TYPE_MESSAGE, 0, &pMsg), FKT_OK);
  pMsg->GetPoolBlock()[0] = 1;  // active
  Advance(1000);                // the page's refresh reads the visible values again
  EXPECT_EQ(p->Value, 1);
  EXPECT_EQ(std::u16string(p->acValue), u"1");
  EXPECT_TRUE(golden::Matches("controller/ui/tile_root_message", golden::CaptureLCD()));
}

// Node 5's tile page: the faulty records of a description.
class RemoteTileTest : public TilePageTest {
 protected:
  void SetUp() override {
    TilePageTest::SetUp();
    fakenode::Install();
    CAN_NodeTable[fakenode::kNode] = {1, 135, 0, {}};
  }
  void TearDown() override {
    fakenode::Remove();
    CAN_NodeTable[fakenode::kNode] = {};
    TilePageTest::TearDown();
  }
  static void Serve(uint16_t Index, uint8_t Sub, std::vector<uint8_t> v) { fakenode::Objects()[{Index, Sub}] = v; }
};

TEST_F(RemoteTileTest, IconsOutOfRangeMakeNoTileAndAValueRecordJoinsTheNextTile) {
  Serve(0x5800, 0,
        {0x60, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0,  // kind 1, records from 12
         0, 1, 0x01, 0x58,                        // icon 0: no tile
         14, 0, 0x02, 0x58,                       // icon 14: no tile
         0x20, 0, 0x05, 0x01,                     // the value of the next tile (relative: 0x3105)
         4, 0, 0x03, 0x58,                        // a tile with a value
         1, 0, 0x04, 0x58,                        // a tile whose text cannot be read
         0x20, 0, 0x06, 0x01,                     // a value record without a tile after it
         0, 0, 0, 0});
  Serve(0x5803, 0, fakenode::Text(u"Heating"));
  Serve(0x3105, 0, {0x10, 7});
  ASSERT_EQ(UI_MenuStackInstance.Open(uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU, 0), UI_SHOW_OK);
  Settle();
  ASSERT_EQ(ChildCount(Page()), 2);
  EXPECT_EQ(Tile(0)->Icon, 4);
  EXPECT_EQ(Tile(0)->ValueAddress, 0x05003105u);
  EXPECT_EQ(Tile(0)->LinkAddress, 0x05005803u);
  EXPECT_EQ(std::u16string(Tile(0)->acText), u"Heating");
  EXPECT_EQ(std::u16string(Tile(0)->acValue), u"7");
  EXPECT_EQ(Tile(1)->Icon, 1);
  EXPECT_EQ(Tile(1)->acText[0], 0);  // a failed read leaves the tile without text
  EXPECT_EQ(WM_GetWindowSizeY(Page()), 70);
}

TEST_F(RemoteTileTest, ATileFindsNoRoomInAFullArenaButItsRecordsAreUsed) {
  WM_HWIN hPage = Page();
  int Before = ChildCount(hPage);
  uint8_t* pEnd = UI_MenuStackInstance.GetPageArea() + UI_MenuStack::GetPageAreaSize();
  uint8_t* pFill = pEnd - 16;
  const uint8_t aRec[] = {0x20, 0, 0x05, 0x01, 3, 0, 0x03, 0x58, 0, 0, 0, 0};
  EXPECT_EQ(UI_BuildIconTile(hPage, UI_ROOT_MENU, aRec, &pFill, aRec + 8), 2);
  EXPECT_EQ(pFill, pEnd - 16);
  EXPECT_EQ(ChildCount(hPage), Before);
  // A value record at the end of the description is used alone.
  EXPECT_EQ(UI_BuildIconTile(hPage, UI_ROOT_MENU, aRec + 4, &pFill, aRec + 8), 1);
  const uint8_t aLast[] = {0x20, 0, 0x05, 0x01};
  EXPECT_EQ(UI_BuildIconTile(hPage, UI_ROOT_MENU, aLast, &pFill, aLast), 1);
}

}  // namespace
