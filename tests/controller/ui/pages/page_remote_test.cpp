// Menus of another node on a loopback bus: its value-line page with live values, editing through its own
// description, the node strip, a node that does not answer, and a page larger than the element arena.
#include "CAN_Node.h"
#include "FKT_Access.h"
#include "SDO_Client.h"
#include "UI_Element.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "UI_ValueEntry.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kRoot5 = uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU;

std::vector<uint8_t> Value32(uint8_t Type, uint8_t Unit, int32_t v) {
  return {Type, Unit, uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(uint32_t(v) >> 24)};
}

// A kind-7 description: byte 0 0x60, word 2 = kind 7, records from offset 12.
std::vector<uint8_t> Menu(std::initializer_list<std::array<uint8_t, 4>> Records) {
  std::vector<uint8_t> m = {0x60, 0, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0};
  for (auto& r : Records) m.insert(m.end(), r.begin(), r.end());
  m.insert(m.end(), {0, 0, 0, 0});
  return m;
}

class RemotePageTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    UI_InstallMenuPages();
    fakenode::Install();
    CAN_NodeTable[fakenode::kNode] = {1, 135, 0, {}};
    Serve(0x2512, 0, fakenode::Text(u"Node five"));
  }
  void TearDown() override {
    fakenode::Remove();
    CAN_NodeTable[fakenode::kNode] = {};
    FKT_AccessLevels[fakenode::kNode].Level = 0;
    UI_pfOpenTextEntry = nullptr;
    SDO_TimeoutMs = 1000;
    MainScreenTest::TearDown();
  }
  static void Serve(uint16_t Index, uint8_t Sub, std::vector<uint8_t> v) { fakenode::Objects()[{Index, Sub}] = v; }
  static WM_HWIN Line(int i) {
    WM_HWIN h = WM_GetFirstChild(Page());
    while (h && i--) h = WM_GetNextSibling(h);
    return h;
  }
};

TEST_F(RemotePageTest, AnotherNodesPageShowsItsValuesAndTakesANewValue) {
  Serve(0x5800, 0,
        Menu({{2, 0, 0x01, 0x01}, {0x22, 0, 0x01, 0x00}, {1, 0, 0, 0},  // flow temperature, editable
              {3, 0, 0x02, 0x01}, {0x21, 0, 0x02, 0x00}, {1, 0, 0, 0},  // room sensor, read-only
              {10, 0, 0x03, 0x01}, {0x21, 0, 0x03, 0x00}, {1, 0, 0, 0}}));  // no value
  Serve(0x0101, 0, fakenode::Text(u"Flow"));
  Serve(0x0102, 0, fakenode::Text(u"Room"));
  Serve(0x0103, 0, fakenode::Text(u"Nothing"));
  Serve(0x3001, 0, Value32(0x51, 1, 215));
  Serve(0x3002, 0, Value32(0x51, 46, (-50 & 0x1FF) | 1 << 9));
  Serve(0x3003, 0, {0x00});
  Serve(0x4001, 0, {0x51, 1, 215, 0, 0, 0, 0, 0, 0, 0, 0xE8, 0x03, 0, 0});
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  UI_BOX_BLOCK* pFlow = (UI_BOX_BLOCK*)UI_GetElementData(WM_GetFirstChild(Line(0)));
  UI_BOX_BLOCK* pRoom = (UI_BOX_BLOCK*)UI_GetElementData(WM_GetFirstChild(Line(1)));
  EXPECT_EQ(std::u16string(pFlow->acText), u"21.5 °C");
  EXPECT_EQ(pRoom->acText[0], u'-');  // the negative room temperature keeps its sign
  EXPECT_EQ(WM_GetWindowSizeY(WM_GetFirstChild(Line(1))), 49);  // two-line value
  EXPECT_EQ(WM_GetWindowSizeY(Line(1)), UI_LINE_H + 15);
  EXPECT_EQ(WM_GetWindowPosY(Line(2)), WM_GetWindowPosY(Line(1)) + UI_LINE_H + 15 + 6);
  EXPECT_TRUE(golden::Matches("controller/ui/page_remote", golden::CaptureLCD()));
  WM_HWIN hBox = WM_GetFirstChild(Line(0));
  Touch(WM_GetWindowPosX(hBox) + 80, WM_GetWindowPosY(hBox) + 17);
  ASSERT_TRUE(UI_hEntryDialog);
  for (int k : {3, 0}) {
    const int16_t* r = UI_ValueEntryKeys[k];
    Touch(WM_GetWindowPosX(UI_hEntryDialog) + (r[0] + r[2]) / 2, WM_GetWindowPosY(UI_hEntryDialog) + (r[1] + r[3]) / 2);
  }
  Serve(0x3001, 0, Value32(0x51, 1, 300));  // what the node answers once it took the value
  Touch(460, 205);
  ASSERT_FALSE(fakenode::Writes().empty());
  EXPECT_EQ(fakenode::Writes().back().Index, 0x3001);
  EXPECT_EQ(fakenode::Writes().back().Data, (std::vector<uint8_t>{0x51, 0x2C, 0x01, 0, 0}));
  pFlow = (UI_BOX_BLOCK*)UI_GetElementData(WM_GetFirstChild(Line(0)));
  EXPECT_EQ(std::u16string(pFlow->acText), u"30.0 °C");
}

TEST_F(RemotePageTest, AnExpansionButtonOpensAndClosesItsRowsUnderTheLine) {
  Serve(0x5800, 0, Menu({{3, 0, 0x01, 0x01}, {0x2A, 0, 0x01, 0x58}, {1, 0, 0, 0}, {2, 0, 0x02, 0x01}, {1, 0, 0, 0}}));
  Serve(0x5801, 0, Menu({{0x16, 0, 0x04, 0x00}, {0x16, 0, 0x05, 0x00}, {0x15, 0, 0x06, 0x00}}));
  Serve(0x0101, 0, fakenode::Text(u"Heating circuit"));
  Serve(0x0102, 0, fakenode::Text(u"Next"));
  Serve(0x0004, 0, fakenode::Text(u"Flow"));
  Serve(0x0005, 0, fakenode::Text(u"Return"));
  Serve(0x3004, 0, Value32(0x51, 1, 452));
  Serve(0x3005, 0, Value32(0x51, 1, 318));
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hLine = Line(0);
  int yNext = WM_GetWindowPosY(Line(1));
  WM_HWIN hButton = WM_GetFirstChild(hLine);
  ASSERT_EQ(WM_GetCallback(hButton), UI_ExpansionButtonCallback);
  Touch(WM_GetWindowPosX(hButton) + 20, WM_GetWindowPosY(hButton) + 20);
  EXPECT_EQ(WM_GetWindowSizeY(hLine), UI_LINE_H + 40);  // two rows: the third record makes none
  EXPECT_EQ(WM_GetWindowPosY(Line(1)), yNext + 40);
  EXPECT_TRUE(golden::Matches("controller/ui/page_expansion", golden::CaptureLCD()));
  Touch(WM_GetWindowPosX(hButton) + 20, WM_GetWindowPosY(hButton) + 20);
  EXPECT_EQ(WM_GetWindowSizeY(hLine), UI_LINE_H);
  EXPECT_EQ(WM_GetWindowPosY(Line(1)), yNext);
  // A row reads its name from the text view of its value's object; what cannot be read shows empty.
  WM_HWIN hRows = WM_GetNextSibling(hButton);
  ASSERT_TRUE(hRows);
  UI_ROW_BLOCK* pRow = (UI_ROW_BLOCK*)UI_GetElementData(WM_GetFirstChild(hRows));
  ASSERT_TRUE(pRow);
  EXPECT_EQ(std::u16string(pRow->acLabel), u"Flow");
  EXPECT_EQ(std::u16string(pRow->acValue), u"45.2 °C");
  Serve(0x3004, 0, Value32(0x51, 46, 1 << 9));
  Serve(0x0004, 0, {0x18});
  pRow->ReadDone = 0;
  UI_FetchRowValue(pRow);
  EXPECT_EQ(pRow->ReadDone, 1);
  EXPECT_EQ(pRow->Unit, 46);
  EXPECT_EQ(pRow->acLabel[0], 0);
}

WM_HWIN g_ConfirmReceiver;
void _FakeConfirm(WM_HWIN hReceiver, int, const char16_t*) { g_ConfirmReceiver = hReceiver; }

TEST_F(RemotePageTest, AConfirmedLineSetsItsValue) {
  Serve(0x5800, 0, Menu({{'f', 0, 0x07, 0x01}, {0x20, 0, 0x07, 0x00}, {1, 0, 0, 0}}));
  Serve(0x0107, 0, fakenode::Text(u"Save"));
  Serve(0x3007, 0, {0x31, 0, 0});
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  UI_DialogHooks.pfConfirm = _FakeConfirm;
  g_ConfirmReceiver = 0;
  Touch(WM_GetWindowPosX(Line(0)) + 100, WM_GetWindowPosY(Line(0)) + 20);
  UI_DialogHooks.pfConfirm = nullptr;
  ASSERT_EQ(g_ConfirmReceiver, Line(0));
  WM_MESSAGE Msg = {};
  Msg.MsgId = UI_MSG_CONFIRMED;
  WM_SendMessage(g_ConfirmReceiver, &Msg);
  ASSERT_FALSE(fakenode::Writes().empty());
  EXPECT_EQ(fakenode::Writes().back().Index, 0x3007);
  EXPECT_EQ(fakenode::Writes().back().Data, (std::vector<uint8_t>{0x31, 1}));
}

// The text entry is another screen's: a stand-in remembers who asked and with which title.
WM_HWIN g_TextReceiver;
std::u16string g_TextTitle;
int _FakeTextEntry(WM_HWIN hReceiver, const char16_t* pTitle, int, int) {
  g_TextReceiver = hReceiver;
  g_TextTitle = pTitle ? pTitle : u"";
  return 1;
}

std::vector<uint8_t> CodeRecord(std::u16string Code) {
  std::vector<uint8_t> r = {0, uint8_t(Code.size())};
  for (char16_t c : Code) r.insert(r.end(), {uint8_t(c), uint8_t(c >> 8)});
  r.insert(r.end(), {0, 0});
  return r;
}

TEST_F(RemotePageTest, ThePasswordChangeHandsTheOldCodeOverAsOneRecord) {
  FKT_AccessLevels[fakenode::kNode].Level = 1;  // the change line is built only for a granted level
  Serve(0x5800, 0, Menu({{'S', 1, 0xF1, 0x57}, {1, 0, 0, 0}}));
  Serve(0x57F1, 1, {1, 1, 0, 0});  // the code object of level 1, and "accepted"
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  UI_pfOpenTextEntry = _FakeTextEntry;
  g_TextReceiver = 0;
  Touch(WM_GetWindowPosX(Line(0)) + 100, WM_GetWindowPosY(Line(0)) + 20);
  ASSERT_EQ(g_TextReceiver, Line(0));
  EXPECT_EQ(g_TextTitle, u"Old password");
  fakenode::Writes().clear();
  std::u16string(u"12").copy(UI_TextBuffer, 3);
  UI_TextBuffer[2] = 0;
  WM_SendMessageNoPara(g_TextReceiver, UI_MSG_TEXT_DONE);
  ASSERT_EQ(fakenode::Writes().size(), 1u);
  EXPECT_EQ(fakenode::Writes()[0].Index, 0x57F1);
  EXPECT_EQ(fakenode::Writes()[0].Sub, 1);
  EXPECT_EQ(fakenode::Writes()[0].Data, CodeRecord(u"12"));  // 2n + 4 bytes
  // Accepted: the new code follows, with the old one behind it.
  EXPECT_EQ(g_TextTitle, u"New password");
  std::u16string(u"345").copy(UI_TextBuffer, 4);
  UI_TextBuffer[3] = 0;
  WM_SendMessageNoPara(g_TextReceiver, UI_MSG_TEXT_DONE);
  ASSERT_EQ(fakenode::Writes().size(), 2u);
  std::vector<uint8_t> Both = CodeRecord(u"345"), Old = CodeRecord(u"12");
  Both.insert(Both.end(), Old.begin(), Old.end());
  EXPECT_EQ(fakenode::Writes()[1].Data, Both);
}

TEST_F(RemotePageTest, TheNetworkPageListsTheOtherNodeAfterTheOwnDevice) {
  Serve(0x5800, 0, Menu({{2, 0, 0x01, 0x01}, {1, 0, 0, 0}}));
  Serve(0x0101, 0, fakenode::Text(u"Flow"));
  ASSERT_EQ(UI_MenuStackInstance.Show(0, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hOwn = WM_GetFirstChild(Page());
  WM_HWIN hOther = WM_GetNextSibling(hOwn);
  ASSERT_TRUE(hOther);
  EXPECT_EQ(((UI_NODE_RECORD*)UI_GetElementData(hOther))->Node, fakenode::kNode);
  Touch(WM_GetWindowPosX(hOther) + 100, WM_GetWindowPosY(hOther) + 40);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kRoot5);
  EXPECT_TRUE(UI_hNodeStrip);
}

TEST_F(RemotePageTest, ANodeThatDoesNotAnswerFailsWithoutHanging) {
  fakenode::Remove();
  SDO_TimeoutMs = 0;
  ASSERT_EQ(UI_MenuStackInstance.Show(UI_ROOT_MENU, 0), UI_SHOW_OK);
  EXPECT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_FAILED);
  EXPECT_NE(UI_MenuStackInstance.GetNode(), kRoot5);
}

TEST_F(RemotePageTest, AFullDescriptionOf4096BytesKeepsItsLastRecord) {
  std::vector<uint8_t> m = {0x60, 0, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0};
  while (m.size() < size_t(UI_MENU_BUFFER_SIZE) - 4) m.insert(m.end(), {12, 0, 0, 0});  // records without element
  m.insert(m.end(), {'1', 0, 0x01, 0x01});  // a text line, the last record, without an end record after it
  ASSERT_EQ(m.size(), size_t(UI_MENU_BUFFER_SIZE));
  Serve(0x5800, 0, m);
  Serve(0x0101, 0, fakenode::Text(u"Last"));
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  ASSERT_EQ(WM_GetFirstChild(Page()) != 0, true);
  EXPECT_EQ(WM_GetNextSibling(WM_GetFirstChild(Page())), 0);
}

TEST_F(RemotePageTest, APageLargerThanTheArenaStopsAtItsEnd) {
  // 45 lines of twenty value boxes each need more blocks than the arena holds.
  std::vector<uint8_t> m = {0x60, 0, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0};
  for (int i = 0; i < 45; i++) {
    m.insert(m.end(), {2, 0, 0x01, 0x01});
    for (int b = 0; b < 20; b++) m.insert(m.end(), {0x21, 0, 0x01, 0});
    m.insert(m.end(), {1, 0, 0, 0});
  }
  m.insert(m.end(), {0, 0, 0, 0});
  ASSERT_LT(m.size(), size_t(UI_MENU_BUFFER_SIZE));
  Serve(0x5800, 0, m);
  Serve(0x0101, 0, fakenode::Text(u"Flow"));
  Serve(0x3001, 0, Value32(0x51, 1, 215));
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  UI_MenuStack* s = &UI_MenuStackInstance;
  EXPECT_LE(s->GetFillPointer(), s->GetPageArea() + UI_MenuStack::GetPageAreaSize());
  int Lines = 0, Boxes = 0;
  for (WM_HWIN h = WM_GetFirstChild(Page()); h; h = WM_GetNextSibling(h), Lines++)
    for (WM_HWIN b = WM_GetFirstChild(h); b; b = WM_GetNextSibling(b)) Boxes++;
  EXPECT_GE(Lines, 40);
  EXPECT_LT(Boxes, 45 * 20);
  EXPECT_LE(WM_GetWindowSizeY(Page()), UI_PAGE_MAX_H);
}

// Every window under h lies inside its parent, with a size above 0: nothing wrapped around 16 bits.
void ExpectInside(WM_HWIN h) {
  int H = WM_GetWindowSizeY(h);
  EXPECT_GT(H, 0);
  EXPECT_LE(H, UI_PAGE_MAX_H);
  for (WM_HWIN c = WM_GetFirstChild(h); c; c = WM_GetNextSibling(c)) {
    int y = WM_GetWindowPosY(c) - WM_GetWindowPosY(h);
    EXPECT_GE(y, 0);
    EXPECT_LE(y + WM_GetWindowSizeY(c), H);
    ExpectInside(c);
  }
}

// A listing larger than half the arena is read whole, and its lines fill what the arena holds.
TEST_F(RemotePageTest, AListingOf6000FilesShowsAsManyLinesAsTheArenaHolds) {
  std::string Listing = std::string(2, '\0') + "M0:\\";
  for (int i = 0; i < 6000; i++) {
    char ac[24];  // room for any int: no truncation for the compiler to warn about
    snprintf(ac, sizeof(ac), "?Lf%04d.dat", i);
    Listing += ac;
  }
  ASSERT_GT(Listing.size(), size_t(UI_ELEMENT_ARENA_SIZE / 2 - 20000));
  Serve(0x57D0, 0, std::vector<uint8_t>(Listing.begin(), Listing.end()));
  Serve(0x5800, 0, Menu({{0x40, 0, 0xD0, 0x57}}));
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  int Lines = 0;
  for (WM_HWIN h = WM_GetFirstChild(Page()); h; h = WM_GetNextSibling(h)) Lines++;
  EXPECT_GT(Lines, 400);
  const UI_FILE_BLOCK* p = (const UI_FILE_BLOCK*)UI_GetElementData(WM_GetFirstChild(Page()));
  ASSERT_TRUE(p);
  EXPECT_EQ(std::u16string(p->acText), u"f0000.dat");
  EXPECT_STREQ(p->pName, "000M0:\\f0000.dat");
  const UI_FILE_BLOCK* pLast = (const UI_FILE_BLOCK*)UI_GetElementData(Line(Lines - 1));
  char acWant[32];
  snprintf(acWant, sizeof(acWant), "000M0:\\f%04d.dat", Lines - 1);
  EXPECT_STREQ(pLast->pName, acWant);  // the blocks never ran over the items still to come
  EXPECT_LE(UI_MenuStackInstance.GetFillPointer(), UI_MenuStackInstance.GetPageArea() + UI_ELEMENT_ARENA_SIZE);
}

TEST_F(RemotePageTest, AHugeLineKeepsTheBoxesThatFitAPage) {
  std::vector<uint8_t> m = {0x60, 0, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0, 2, 0, 0x01, 0x01};
  while (m.size() < size_t(UI_MENU_BUFFER_SIZE) - 8) m.insert(m.end(), {0x21, 0, 0x01, 0});  // 1,019 boxes
  m.insert(m.end(), {1, 0, 0, 0, 2, 0, 0x01, 0x01});  // and a line after it
  Serve(0x5800, 0, m);
  Serve(0x0101, 0, fakenode::Text(u"Flow"));
  Serve(0x3001, 0, Value32(0x51, 1, 215));
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  int Boxes = 0;
  for (WM_HWIN b = WM_GetFirstChild(Line(0)); b; b = WM_GetNextSibling(b)) Boxes++;
  EXPECT_GT(Boxes, 800);
  EXPECT_LT(Boxes, 1019);
  ExpectInside(Page());
  // The page scrolls to its end and no further.
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_WHEEL;
  Msg.Data.v = -10000;
  WM_SendMessage(Page(), &Msg);
  EXPECT_EQ(WM_GetWindowPosY(Page()) + WM_GetWindowSizeY(Page()), UI_SCREEN_H);
}

}  // namespace
