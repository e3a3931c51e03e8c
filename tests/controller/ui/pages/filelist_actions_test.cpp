// The file list of another node: the action row opened from a line's icon, delete and rename written to the
// listing's objects, the node's result shown, and a file sent on to a node.
#include "APP_Host.h"
#include "CAN_Node.h"
#include "FKT_Access.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_MenuPage.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

// What the dialogs of other screens were asked.
struct Asked {
  WM_HWIN hReceiver = 0;
  int Title = -1, Flags = -1, Node = 0, Slept = 0;
  std::u16string Text;
  std::string Name;
} g;
void _Confirm(WM_HWIN h, int Title, const char16_t* s) { g.hReceiver = h, g.Title = Title, g.Text = s; }
void _LoadOptions(WM_HWIN h, const char16_t* s) { g.hReceiver = h, g.Text = s; }
void _SendFile(WM_HWIN h, const char* s) { g.hReceiver = h, g.Name = s; }
void _SendFirmware(WM_HWIN h, int Node, const char* s) { g.hReceiver = h, g.Node = Node, g.Name = s; }
void _Result(WM_HWIN h, int Title, int Flags) { g.hReceiver = h, g.Title = Title, g.Flags = Flags; }
void _Delay(int Ms) { g.Slept += Ms; }
int _TextEntry(WM_HWIN h, const char16_t*, int, int) { return int(g.hReceiver = h); }

std::string Written(uint16_t Index) {
  for (auto it = fakenode::Writes().rbegin(); it != fakenode::Writes().rend(); ++it) {
    if (it->Index == Index) return std::string(it->Data.begin(), it->Data.end() - 1);  // less the terminator
  }
  return "(none)";
}

class FileListTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    UI_InstallMenuPages();
    fakenode::Install();
    fakenode::Writes().clear();
    CAN_NodeTable[fakenode::kNode] = {1, 135, 0, {}};
    UI_DialogHooks = {_Confirm, _LoadOptions, _SendFile, _SendFirmware, _Result};
    UI_pfOpenTextEntry = _TextEntry;
    UI_pfOpenFileNameEntry = nullptr;
    APP_HostHooks.pfDelay = _Delay;
    g = {};
    // Node 5's root page: one file entry whose listing names a result, an action and a rename object.
    fakenode::Objects()[{0x5800, 0}] = {0x60, 0, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0, 0x40, 0, 0x10, 0x01, 0, 0, 0, 0};
    const char s[] = "C:\\DATA\\?E00000122?A00000120?R00000121?LHeating.dat?BBoard.bin";
    std::vector<uint8_t> v = {0x18, 0};
    fakenode::Objects()[{0x0110, 0}] = (v.insert(v.end(), s, s + sizeof(s)), v);
    ASSERT_EQ(UI_MenuStackInstance.Open(uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU, 0), UI_SHOW_OK);
    Settle();
  }
  void TearDown() override {
    APP_HostHooks.pfDelay = nullptr;
    UI_DialogHooks = {};
    UI_pfOpenTextEntry = nullptr;
    UI_pfOpenFileNameEntry = nullptr;
    fakenode::Remove();
    CAN_NodeTable[fakenode::kNode] = {};
    MainScreenTest::TearDown();
  }
  static WM_HWIN Line(int i) {
    WM_HWIN h = WM_GetFirstChild(Page());
    while (h && i--) h = WM_GetNextSibling(h);
    return h;
  }
  static void Send(WM_HWIN h, int MsgId, int Source, intptr_t v) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = MsgId;
    Msg.hWinSrc = WM_HWIN(Source);
    Msg.Data.v = v;
    WM_SendMessage(h, &Msg);
    Settle();
  }
};

TEST_F(FileListTest, TheIconOpensTheActionRowWhoseButtonsDeleteAndRename) {
  int yNext = WM_GetWindowPosY(Line(1));
  TouchIn(Line(0), 20, 20);
  WM_HWIN hLine = Line(0), hDelete = WM_GetFirstChild(hLine), hRename = WM_GetNextSibling(hDelete);
  EXPECT_EQ(WM_GetWindowPosY(Line(1)), yNext + UI_FILE_ACTION_ROW_H);
  ASSERT_TRUE(hRename);
  EXPECT_EQ(WM_GetNextSibling(hRename), 0u);  // a file of another node is not sent on from here
  EXPECT_TRUE(golden::Matches("controller/ui/filelist_actions", golden::CaptureLCD()));
  TouchIn(hDelete, 50, 20);
  EXPECT_EQ(g.Title, 4);
  EXPECT_EQ(g.Text, u"Heating.dat");
  Send(hLine, UI_MSG_CONFIRMED, 4, 0);
  EXPECT_EQ(Written(0x0120), "000C:\\DATA\\Heating.dat");
  EXPECT_EQ(WM_GetWindowSizeY(Line(0)), UI_LINE_H);  // the page was read again
  TouchIn(Line(0), 20, 20);
  TouchIn(WM_GetNextSibling(WM_GetFirstChild(Line(0))), 50, 20);
  EXPECT_EQ(std::u16string(UI_TextBuffer), u"Heating");
  std::copy_n(u"Plant", 6, UI_TextBuffer);
  Send(Line(0), UI_MSG_TEXT_DONE, 0, 0);
  EXPECT_EQ(Written(0x0121), "C:\\DATA\\Plant.dat");
  // The icon closes the row again; beside it the load options are asked for.
  TouchIn(Line(0), 20, 20);
  TouchIn(Line(0), 20, 20);
  EXPECT_EQ(WM_GetFirstChild(Line(0)), 0u);
  g = {};
  TouchIn(Line(0), 200, 20);
  EXPECT_EQ(g.hReceiver, Line(0));
}

// A new name the node does not take: the user is told that renaming failed, in a result dialog with only OK.
TEST_F(FileListTest, ARenameTheNodeRefusesIsReported) {
  TouchIn(Line(0), 20, 20);
  TouchIn(WM_GetNextSibling(WM_GetFirstChild(Line(0))), 50, 20);
  std::copy_n(u"Plant", 6, UI_TextBuffer);
  g = {};
  fakenode::RefuseWrites() = true;
  Send(Line(0), UI_MSG_TEXT_DONE, 0, 0);
  fakenode::RefuseWrites() = false;
  EXPECT_EQ(g.Title, 23);  // "Renaming failed."
  EXPECT_EQ(g.Flags, 2);
  EXPECT_EQ(Written(0x0121), "(none)");
  // One the node takes says nothing.
  g = {};
  TouchIn(Line(0), 20, 20);
  TouchIn(WM_GetNextSibling(WM_GetFirstChild(Line(0))), 50, 20);
  std::copy_n(u"Plant", 6, UI_TextBuffer);
  Send(Line(0), UI_MSG_TEXT_DONE, 0, 0);
  EXPECT_EQ(Written(0x0121), "C:\\DATA\\Plant.dat");
  EXPECT_EQ(g.Title, -1);
}

TEST_F(FileListTest, LoadedDataShowTheNodesResultAndRestartTheAccessLevel) {
  fakenode::Objects()[{0x4FF5, 6}] = {2, 0, 0, 0};
  FKT_AccessLevels[fakenode::kNode].Level = FKT_LEVEL_EXPERT;
  Send(Line(0), UI_MSG_DIALOG_RESULT, UI_MSG_CONFIRMED, 0x000102);  // the load options' answer
  EXPECT_EQ(Written(0x0120), "210C:\\DATA\\Heating.dat");
  EXPECT_EQ(g.Slept, 500);  // another node is given time before its result is read
  EXPECT_EQ(g.Title, 2);
  EXPECT_EQ(g.Flags, 2);  // success: only OK
  EXPECT_EQ(FKT_AccessLevels[fakenode::kNode].Level, uint32_t(FKT_LEVEL_USER));
  EXPECT_EQ(FKT_AccessTimeout, FKT_ACCESS_GRANT_SECONDS);
  fakenode::Objects()[{0x4FF5, 6}] = {18, 0, 0, 0};
  Send(Line(0), UI_MSG_CONFIRMED, 0, 0);  // replacing the file confirmed
  EXPECT_EQ(g.Flags, 1);                  // a failure: only Cancel
  Send(Line(0), UI_MSG_CONFIRMED, 18, 1);  // the result's OK goes back
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(FileListTest, AFileOfTheOwnCardIsSentToANode) {
  UI_FILE_BLOCK* pData = (UI_FILE_BLOCK*)UI_GetElementData(Line(0));
  UI_FILE_BLOCK* pFirmware = (UI_FILE_BLOCK*)UI_GetElementData(Line(1));
  pFirmware->Target &= 0xFFFFFF;  // as the own controller lists it: three actions
  EXPECT_EQ(UI_FileActionCount(pFirmware), 3);
  UI_ToggleFileActions(Line(1));
  Settle();
  TouchIn(WM_GetNextSibling(WM_GetNextSibling(WM_GetFirstChild(Line(1)))), 50, 20);
  EXPECT_EQ(g.Name, "000C:\\DATA\\Board.bin");
  Send(Line(1), UI_MSG_NODE_CHOSEN, UI_MSG_CONFIRMED, 12);
  EXPECT_EQ(g.Node, 12);
  EXPECT_EQ(g.Name, "C:\\DATA\\Board.bin");
  // Function data: the load options first, then the name with the node behind it, which is not kept. The node
  // answers a result, so that the page stays (going back would build the root page over the line's block).
  fakenode::Objects()[{0x4FF5, 6}] = {2, 0, 0, 0};
  Send(Line(0), UI_MSG_NODE_CHOSEN, UI_MSG_CONFIRMED, 7);
  Send(Line(0), UI_MSG_DIALOG_RESULT, UI_MSG_CONFIRMED, 0x020100);
  EXPECT_EQ(Written(0x0120), "012C:\\DATA\\Heating.dat?07");
  EXPECT_STREQ(pData->pName + 3, "C:\\DATA\\Heating.dat");
}

}  // namespace
