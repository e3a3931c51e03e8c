// Structured pages (kinds 8 and 13) of the own node: the general settings with their tabs at the user and the
// technician level, the row layout, and a touch on a value row that opens its entry and writes back.
#include "CAN_Node.h"
#include "FKT_Access.h"
#include "SET_Objects.h"
#include "UI_Dialog.h"
#include "UI_ElementFile.h"
#include "UI_ElementStruct.h"
#include "UI_GraphicsCache.h"
#include "UI_Panel.h"
#include "entry_fake_node.h"
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
  static int Y(WM_HWIN h) { return WM_GetWindowPosY(h) - WM_GetWindowPosY(UI_hPanelInner); }
  static UI_STRUCT_BLOCK* Block(WM_HWIN h) { return (UI_STRUCT_BLOCK*)UI_GetElementData(h); }
  static std::u16string Text(WM_HWIN h) { return Block(h)->acText; }
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

TEST_F(StructPageTest, TheLanguageRowOpensItsListAndWritesTheChoice) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kGeneral, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hRow = Child(UI_hPanelInner, 1);
  ASSERT_EQ(ChildCount(hRow), 2);  // the selection and the value element of the two-part row
  WM_HWIN hValue = Child(hRow, 1);
  EXPECT_EQ(WM_GetWindowSizeX(Child(hRow, 0)), UI_STRUCT_SELECT_W);
  TouchIn(hValue, 40, 20);
  ASSERT_TRUE(UI_hListWin);
  Touch(WM_GetWindowPosX(UI_hListWin) + 50, WM_GetWindowPosY(UI_hListWin) + 2 + 40 * 1 + 20);  // item 1
  EXPECT_FALSE(UI_hListWin);
  EXPECT_EQ(SET_General.GetParameter(SET_GEN_PAR_LANGUAGE), 1);
  // The page was read again: the row shows the new choice.
  ASSERT_TRUE(UI_hPanelInner);
  EXPECT_EQ(Text(Child(Child(UI_hPanelInner, 1), 1)), u"1");
  // The selection part opens the same list.
  TouchIn(Child(Child(UI_hPanelInner, 1), 0), 40, 20);
  EXPECT_TRUE(UI_hListWin);
}

TEST_F(StructPageTest, TheClockTabShowsACentredHeadingAndTheValuesOfTheDate) {
  SYS_UpdateClock(MAIN_TEST_SECONDS);
  ASSERT_EQ(UI_MenuStackInstance.Open(kClock, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hInner = UI_hPanelInner;
  ASSERT_EQ(ChildCount(hInner), 4);  // heading, date, time, save line
  EXPECT_EQ(WM_GetWindowSizeY(Child(hInner, 0)), 22);
  EXPECT_EQ(Text(Child(Child(hInner, 1), 0)), u"Date");
  EXPECT_EQ(Text(Child(Child(hInner, 2), 0)), u"Time");
  EXPECT_EQ(WM_GetWindowSizeY(hInner), UI_PANEL_MIDDLE_H);  // a short page still fills the middle window
  EXPECT_TRUE(golden::Matches("controller/ui/struct_clock", golden::CaptureLCD()));
}

// Structured pages of node 5, described record by record.
class RemoteStructTest : public StructPageTest {
 protected:
  void SetUp() override {
    StructPageTest::SetUp();
    fakenode::Install();
    CAN_NodeTable[fakenode::kNode] = {1, 135, 0, {}};
  }
  void TearDown() override {
    fakenode::Remove();
    CAN_NodeTable[fakenode::kNode] = {};
    FKT_AccessLevels[fakenode::kNode].Level = 0;
    UI_DialogHooks = {};
    StructPageTest::TearDown();
  }
  static void Serve(uint16_t Index, uint8_t Sub, std::vector<uint8_t> v) { fakenode::Objects()[{Index, Sub}] = v; }
  static std::vector<uint8_t> Value(int32_t v) {
    return {0x51, 0, uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  }
  static int Show(uint8_t Kind, std::vector<uint8_t> Records) {
    std::vector<uint8_t> m = {0x60, 0, 0, 0, 0, Kind, 0, 0, 0, Kind, 0, 0};
    m.insert(m.end(), Records.begin(), Records.end());
    m.insert(m.end(), {0, 0, 0, 0});
    Serve(0x5800, 0, m);
    int r = UI_MenuStackInstance.Open(uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU, 0);
    Settle();
    return r;
  }
  static std::vector<uint32_t> ValueAddresses() {
    std::vector<uint32_t> v;
    for (WM_HWIN h = WM_GetFirstChild(UI_hPanelInner); h; h = WM_GetNextSibling(h))
      v.push_back(Block(Child(h, ChildCount(h) - 1))->ValueAddress);
    return v;
  }
};

TEST_F(RemoteStructTest, ARepetitionShiftsItsIndicesAndCountsItsLabels) {
  for (int i = 0; i < 3; i++) {
    Serve(uint16_t(0x3100 + 4 * i), 0, Value(10 * (i + 1)));
    Serve(uint16_t(0x0100 + 4 * i), 0, fakenode::Text(u"Circuit"));
  }
  ASSERT_EQ(Show(8, {0x01, 0, 0x03, 0x00,        // heading: the menu sub-index (0)
                     0x0B, 4, 3, 0,              // three passes, step 4
                     0x04, 0, 0x00, 0x01,        // label/value row of 0x3100 + offset
                     0x2C, 1, 1, 0,              // label: i + 1 and ":"
                     0x8C, 0, 0, 0,              // (a second generator is no label of anything)
                     0x0D, 0, 0, 0,              // end of the repetition
                     0x0B, 1, 0, 0,              // a repetition of none: skipped whole
                     0x04, 0, 0x00, 0x02, 0x0D, 0, 0, 0,
                     0x08, 0, 0x40, 0x00,        // link to 0x5840 + 0 of this node... relative to 0x5800
                     0x9C, 0, 0, 0}),            // label 'A' + 0 for the link
            UI_SHOW_OK);
  WM_HWIN hInner = UI_hPanelInner;
  ASSERT_EQ(ChildCount(hInner), 5);
  EXPECT_EQ(Text(Child(Child(hInner, 0), 0)), u"0");
  const uint32_t Node = uint32_t(fakenode::kNode) << 24;
  for (int i = 0; i < 3; i++) {
    WM_HWIN hRow = Child(hInner, 1 + i);
    EXPECT_EQ(Block(Child(hRow, 1))->ValueAddress, Node | uint32_t(0x3100 + 4 * i)) << i;
    EXPECT_EQ(std::u16string(Block(Child(hRow, 0))->acLabel), i == 0 ? u"1:" : i == 1 ? u"2:" : u"3:");
    EXPECT_EQ(Text(Child(hRow, 1)), i == 0 ? u"10" : i == 1 ? u"20" : u"30");
  }
  UI_STRUCT_BLOCK* pLink = Block(Child(Child(hInner, 4), 0));
  EXPECT_EQ(pLink->LinkAddress, Node | 0x5840);
  EXPECT_EQ(std::u16string(pLink->acLabel), u" A");
  EXPECT_TRUE(golden::Matches("controller/ui/struct_repetition", golden::CaptureLCD()));
  // A text typed for a value element goes back to its object as {tag, n, n characters}.
  fakenode::Writes().clear();
  std::u16string(u"Hall").copy(UI_TextBuffer, 5);
  UI_TextBuffer[4] = 0;
  WM_MESSAGE Msg = {};
  Msg.MsgId = UI_MSG_TEXT_DONE;
  Msg.hWinSrc = 7;
  WM_SendMessage(Child(Child(hInner, 1), 1), &Msg);
  ASSERT_EQ(fakenode::Writes().size(), 1u);
  EXPECT_EQ(fakenode::Writes()[0].Data, (std::vector<uint8_t>{7, 4, 'H', 0, 'a', 0, 'l', 0, 'l', 0}));
}

TEST_F(RemoteStructTest, HeadingsAndSelectionTextsAreReadAtTheirValueAddresses) {
  Serve(0x0110, 0, fakenode::Text(u"own index"));
  Serve(0x0111, 0, fakenode::Text(u"own index"));
  Serve(0x3110, 0, fakenode::Text(u"Heating"));
  Serve(0x3111, 0, fakenode::Text(u"Mode"));
  Serve(0x3112, 0, Value(3));
  ASSERT_EQ(Show(8, {0x01, 0, 0x10, 0x01, 0x06, 0, 0x11, 0x01, 0x04, 0, 0x12, 0x01}), UI_SHOW_OK);
  ASSERT_EQ(ChildCount(UI_hPanelInner), 2);
  EXPECT_EQ(Text(Child(Child(UI_hPanelInner, 0), 0)), u"Heating");
  EXPECT_EQ(Text(Child(Child(UI_hPanelInner, 1), 0)), u"Mode");
  EXPECT_EQ(Text(Child(Child(UI_hPanelInner, 1), 1)), u"3");
}

TEST_F(RemoteStructTest, AStructuredPageOf900RowsKeepsTheRowsThatFit) {
  Serve(0x0100, 0, fakenode::Text(u"Row"));
  ASSERT_EQ(Show(8, {0x0B, 0, 0x84, 0x03, 0x45, 0, 0x00, 0x01, 0x0D, 0, 0, 0}), UI_SHOW_OK);  // 900 tall value rows
  WM_HWIN hInner = UI_hPanelInner;
  int Rows = ChildCount(hInner);
  EXPECT_GT(Rows, 400);
  EXPECT_LT(Rows, 900);
  EXPECT_LE(WM_GetWindowSizeY(hInner), UI_PAGE_MAX_H);
  WM_HWIN hLast = Child(hInner, Rows - 1);
  int yLast = WM_GetWindowPosY(hLast) - WM_GetWindowPosY(hInner);
  EXPECT_GT(yLast, 0);
  EXPECT_LE(yLast + WM_GetWindowSizeY(hLast), WM_GetWindowSizeY(hInner));
}

TEST_F(RemoteStructTest, ConditionsCompareAndHiddenBlocksSkipTheirNestedBlocks) {
  Serve(0x3120, 0, Value(-3));
  ASSERT_EQ(Show(8, {0x39, 1, 0, 0,               // access level >= 1: hidden for the user
                     0x19, 5, 1, 0,               // nested: node number == 5
                     0x02, 0, 0x00, 0x01, 0x0A, 0, 0, 0,
                     0x05, 0, 0x01, 0x01,         // still inside the hidden block
                     0x0A, 0, 0, 0,
                     0x99, 9, 1, 0,               // node number == 9 ... or
                     0x19, 5, 1, 0,               // node number == 5: shown
                     0x05, 0, 0x02, 0x01, 0x0A, 0, 0, 0,
                     0x49, 0, 0x20, 0x01,         // the value -3 < 0: shown
                     0x05, 0, 0x03, 0x01, 0x0A, 0, 0, 0,
                     0x09, 0, 0x21, 0x01,         // an unreadable value: hidden
                     0x05, 0, 0x04, 0x01, 0x0A, 0, 0, 0,
                     0x19, 0, 3, 0,               // source 3 is always false
                     0x05, 0, 0x05, 0x01, 0x0A, 0, 0, 0,
                     0x29, 0, 2, 0,               // menu sub-index 0 > 0: hidden, and its block never closes
                     0x05, 0, 0x06, 0x01}),
            UI_SHOW_OK);
  const uint32_t Node = uint32_t(fakenode::kNode) << 24;
  EXPECT_EQ(ValueAddresses(), (std::vector<uint32_t>{Node | 0x3102, Node | 0x3103}));
  // The technician sees the first block and the nested one.
  FKT_AccessLevels[fakenode::kNode].Level = 1;
  UI_MenuStackInstance.Reload(0);
  Settle();
  EXPECT_EQ(ValueAddresses(), (std::vector<uint32_t>{Node | 0x3100, Node | 0x3101, Node | 0x3102, Node | 0x3103}));
}

TEST_F(RemoteStructTest, RunawayRepetitionsStopAtTheirLimits) {
  std::vector<uint8_t> Long = fakenode::Text(std::u16string(78, u'x').c_str());
  Long.resize(Long.size() - 2);  // no terminator
  Serve(0x0100, 0, Long);
  Serve(0x3131, 0, Value(0x7FFFFFFF));
  ASSERT_EQ(Show(8, {0x1B, 200, 0x31, 0x01, 0x0D, 0, 0, 0,  // a count read from the node over an empty body
                     0x0B, 0, 0xFF, 0xFF,         // 65535 passes of two rows: the arena ends them
                     0x04, 0, 0x00, 0x01, 0x02, 0, 0x00, 0x01, 0x0D, 0, 0, 0,
                     0x1B, 0, 0x30, 0x01,         // a count read from an unreadable object: none
                     0x02, 0, 0x00, 0x01, 0x0D, 0, 0, 0,
                     0x0B, 0, 2, 0, 0x0B, 0, 2, 0, 0x0B, 0, 2, 0, 0x0B, 0, 2, 0, 0x0B, 0, 2, 0,  // too deep
                     0x02, 0, 0x00, 0x01}),       // and never closed
            UI_SHOW_OK);
  int Rows = ChildCount(UI_hPanelInner);
  EXPECT_GT(Rows, 100);
  EXPECT_LT(Rows, 2 * 65535);
  EXPECT_LE(UI_MenuStackInstance.GetFillPointer(),
            UI_MenuStackInstance.GetPageArea() + UI_MenuStack::GetPageAreaSize());
  EXPECT_EQ(Text(Child(Child(UI_hPanelInner, 0), 0)), std::u16string(78, u'x'));
}

}  // namespace

namespace {

TEST_F(RemoteStructTest, AValueLineWritesWhileHeldAndAConfirmedLineAsksFirst) {
  Serve(0x3100, 0, {0x31, 0, 0});
  Serve(0x0100, 0, fakenode::Text(u"Pump test"));
  ASSERT_EQ(Show(8, {0x02, 0, 0x00, 0x01, 0x82, 0, 0x00, 0x01}), UI_SHOW_OK);
  WM_HWIN hLine = Child(Child(UI_hPanelInner, 0), 0);
  EXPECT_EQ(Text(hLine), u"Pump test");
  auto Writes = [] {
    std::vector<std::vector<uint8_t>> v;
    for (const auto& w : fakenode::Writes())
      if (w.Index == 0x3100) v.push_back(w.Data);
    return v;
  };
  int x = WM_GetWindowPosX(hLine) + 50, y = WM_GetWindowPosY(hLine) + 20;
  Pointer(x, y, 1);
  for (int t = 0; t < 5; t++) Advance(500);  // held: written at once and again every second
  Pointer(x, y, 0);
  using B = std::vector<uint8_t>;
  EXPECT_EQ(Writes(), (std::vector<B>{{0x30, 1}, {0x30, 1}, {0x30, 1}, {0x30, 0}}));
  fakenode::Writes().clear();
  UI_InstallDialogs();
  // The second line asks; OK writes 1 with the type the object answers, and the page is shown again.
  hLine = Child(Child(UI_hPanelInner, 1), 0);
  TouchIn(hLine, 50, 20);
  ASSERT_TRUE(UI_hEntryDialog);
  EXPECT_TRUE(Writes().empty());
  Touch(450, 200);  // the lower side button confirms
  EXPECT_EQ(Writes(), (std::vector<B>{{0x31, 1}}));
  Advance(20);
  EXPECT_FALSE(WM_IsWindow(hLine));  // rebuilt
  EXPECT_EQ(ChildCount(UI_hPanelInner), 2);
}

}  // namespace

namespace {

// A confirmation answers a line that asks first with 1044 and 5 (confirmed) or 6 (cancelled), or with the
// dialog's Cancel (1045): a cancel never writes and goes back.
TEST_F(RemoteStructTest, AConfirmationAnswerOfSixCancelsTheLine) {
  Serve(0x3100, 0, {0x31, 0, 0});
  Serve(0x0100, 0, fakenode::Text(u"Reset"));
  for (int Answer : {6, 5}) {
    SCOPED_TRACE(Answer);
    ASSERT_EQ(Show(8, {0x82, 0, 0x00, 0x01}), UI_SHOW_OK);
    fakenode::Writes().clear();
    WM_MESSAGE Msg = {};
    Msg.MsgId = UI_MSG_CONFIRMED;
    Msg.Data.v = Answer;
    WM_SendMessage(Child(Child(UI_hPanelInner, 0), 0), &Msg);
    Settle();
    if (Answer == 6) {
      EXPECT_TRUE(fakenode::Writes().empty());
      EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
    } else {
      ASSERT_EQ(fakenode::Writes().size(), 1u);
      EXPECT_EQ(fakenode::Writes()[0].Data, (std::vector<uint8_t>{0x31, 1}));
    }
  }
}

}  // namespace
