// The action row of the file list: opened and closed from a line's icon, delete and rename written to the
// listing's objects, a file sent to another node.
#include <string>

#include "APP_Host.h"
#include "CAN_Node.h"
#include "FKT_Access.h"
#include "SDO_Client.h"
#include "UI_Element.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kRoot5 = uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU;

// What the dialogs of other screens were asked.
struct Asked {
  WM_HWIN hReceiver = 0;
  int Title = -1;
  std::u16string Text;
  std::string Name;
  int Node = 0;
  int Flags = -1;
  int Slept = 0;
} g_Asked;
void _Result(WM_HWIN h, int Title, int Flags) { g_Asked.hReceiver = h, g_Asked.Title = Title, g_Asked.Flags = Flags; }
void _Delay(int Ms) { g_Asked.Slept += Ms; }

void _Confirm(WM_HWIN h, int Title, const char16_t* s) { g_Asked.hReceiver = h, g_Asked.Title = Title, g_Asked.Text = s; }
void _LoadOptions(WM_HWIN h, const char16_t* s) { g_Asked.hReceiver = h, g_Asked.Text = s; }
void _SendFile(WM_HWIN h, const char* s) { g_Asked.hReceiver = h, g_Asked.Name = s; }
void _SendFirmware(WM_HWIN h, int Node, const char* s) { g_Asked.hReceiver = h, g_Asked.Node = Node, g_Asked.Name = s; }
int _TextEntry(WM_HWIN h, const char16_t*, int, int) {
  g_Asked.hReceiver = h;
  return 1;
}

std::vector<uint8_t> Listing(const char* s) {
  std::vector<uint8_t> v = {0x18, 0};
  v.insert(v.end(), s, s + strlen(s) + 1);
  return v;
}

std::string Written(uint16_t Index) {
  for (auto it = fakenode::Writes().rbegin(); it != fakenode::Writes().rend(); ++it) {
    if (it->Index == Index) return std::string(it->Data.begin(), it->Data.end());
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
    g_Asked = {};
    // A page of node 5 with one file entry: its listing names a result, action and rename object.
    Serve(0x5800, {0x60, 0, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0, 0x40, 0, 0x10, 0x01, 0, 0, 0, 0});
    Serve(0x0110, Listing("C:\\DATA\\?E00000122?A00000120?R00000121?LHeating.dat?BBoard.bin?XPlant.q7f"));
  }
  void TearDown() override {
    APP_HostHooks.pfDelay = nullptr;
    UI_DialogHooks = {};
    UI_pfOpenTextEntry = nullptr;
    fakenode::Remove();
    CAN_NodeTable[fakenode::kNode] = {};
    MainScreenTest::TearDown();
  }
  static void Serve(uint16_t Index, std::vector<uint8_t> v) { fakenode::Objects()[{Index, 0}] = v; }
  static WM_HWIN Line(int i) {
    WM_HWIN h = WM_GetFirstChild(Page());
    while (h && i--) h = WM_GetNextSibling(h);
    return h;
  }
  void TouchIn(WM_HWIN h, int x, int y) { Touch(WM_GetWindowPosX(h) + x, WM_GetWindowPosY(h) + y); }
  static void Send(WM_HWIN h, int MsgId, int Source, intptr_t v) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = MsgId;
    Msg.hWinSrc = WM_HWIN(Source);
    Msg.Data.v = v;
    WM_SendMessage(h, &Msg);
    Settle();
  }
};

TEST_F(FileListTest, TheIconOpensTheActionRowAndDeleteAndRenameWriteTheirObjects) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  int yNext = WM_GetWindowPosY(Line(1));
  TouchIn(Line(0), 20, 20);
  WM_HWIN hLine = Line(0);
  ASSERT_EQ(WM_GetWindowSizeY(hLine), int(UI_LINE_H) + UI_FILE_ACTION_ROW_H);
  EXPECT_EQ(WM_GetWindowPosY(Line(1)), yNext + UI_FILE_ACTION_ROW_H);
  // A file of another node: delete and rename, no sending on.
  WM_HWIN hDelete = WM_GetFirstChild(hLine), hRename = WM_GetNextSibling(hDelete);
  ASSERT_TRUE(hRename);
  EXPECT_EQ(WM_GetNextSibling(hRename), 0u);
  EXPECT_EQ(WM_GetWindowPosX(hRename) - WM_GetWindowPosX(hLine), 5 + UI_FILE_ACTION_STEP);
  EXPECT_TRUE(golden::Matches("controller/ui/filelist_actions", golden::CaptureLCD()));
  TouchIn(hDelete, 50, 20);
  EXPECT_EQ(g_Asked.hReceiver, hLine);
  EXPECT_EQ(g_Asked.Title, 4);
  EXPECT_EQ(g_Asked.Text, u"Heating.dat");
  Send(hLine, UI_MSG_CONFIRMED, 4, 0);
  EXPECT_EQ(Written(0x0120), std::string("000C:\\DATA\\Heating.dat", 23));
  // The page was read again: the row is closed.
  EXPECT_EQ(WM_GetWindowSizeY(Line(0)), UI_LINE_H);
  TouchIn(Line(0), 20, 20);
  TouchIn(WM_GetNextSibling(WM_GetFirstChild(Line(0))), 50, 20);
  ASSERT_EQ(g_Asked.hReceiver, Line(0));
  EXPECT_EQ(std::u16string(UI_TextBuffer), u"Heating");
  std::u16string Name = u"Plant";
  std::copy(Name.c_str(), Name.c_str() + Name.size() + 1, UI_TextBuffer);
  Send(Line(0), UI_MSG_TEXT_DONE, 0, 0);
  EXPECT_EQ(Written(0x0121), std::string("C:\\DATA\\Plant.dat", 18));
  // The icon closes an open row again; a touch beside the icon asks for the load options.
  TouchIn(Line(0), 20, 20);
  TouchIn(Line(0), 20, 20);
  EXPECT_EQ(WM_GetWindowSizeY(Line(0)), UI_LINE_H);
  EXPECT_EQ(WM_GetFirstChild(Line(0)), 0u);
  g_Asked = {};
  TouchIn(Line(0), 200, 20);
  EXPECT_EQ(g_Asked.hReceiver, Line(0));
  EXPECT_EQ(g_Asked.Text, u"Heating.dat");
}

TEST_F(FileListTest, LoadedDataShowTheNodesResultAndRestartTheAccessLevel) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
  Settle();
  APP_HostHooks.pfDelay = _Delay;
  fakenode::Objects()[{0x4FF5, 6}] = {2, 0, 0, 0};
  FKT_AccessLevels[fakenode::kNode].Level = FKT_LEVEL_EXPERT;
  WM_HWIN hLine = Line(0);
  Send(hLine, UI_MSG_DIALOG_RESULT, UI_MSG_CONFIRMED, 0x000102);  // the load options' answer
  EXPECT_EQ(Written(0x0120), std::string("210C:\\DATA\\Heating.dat", 23));
  EXPECT_EQ(g_Asked.Slept, 500);  // another node is given time before its result is read
  EXPECT_EQ(g_Asked.hReceiver, hLine);
  EXPECT_EQ(g_Asked.Title, 2);
  EXPECT_EQ(g_Asked.Flags, 2);  // success: only OK
  // The factory codes are set: the node starts again from the user level, which expires as usual.
  EXPECT_EQ(FKT_AccessLevels[fakenode::kNode].Level, uint32_t(FKT_LEVEL_USER));
  EXPECT_EQ(FKT_AccessTimeout, FKT_ACCESS_GRANT_SECONDS);
  fakenode::Objects()[{0x4FF5, 6}] = {18, 0, 0, 0};
  Send(hLine, UI_MSG_CONFIRMED, 0, 0);  // replace the file: confirmed
  EXPECT_EQ(g_Asked.Title, 18);
  EXPECT_EQ(g_Asked.Flags, 1);  // a failure: only Cancel
  // The result dialog's OK goes back to the page before.
  Send(hLine, UI_MSG_CONFIRMED, 18, 1);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(FileListTest, AFileSentToANodeCarriesTheNodeAndFirmwareGoesToTheTransfer) {
  // A listing of the own controller's card: three actions.
  UI_FILE_BLOCK Data = {};
  Data.Type = UI_FILE_DATA;
  Data.Target = Data.Action = 0x0120;
  Data.Result = 0x0122;
  snprintf(Data.acName, sizeof(Data.acName), "000C:\\DATA\\Heating.dat");
  Data.PathLen = 8;
  UI_FILE_BLOCK Firmware = Data;
  Firmware.Type = UI_FILE_FIRMWARE;
  snprintf(Firmware.acName, sizeof(Firmware.acName), "000C:\\DATA\\Board.BIN");
  UI_FILE_BLOCK* ap[] = {&Data, &Firmware};
  WM_HWIN ah[2];
  for (int i = 0; i < 2; i++) {
    ah[i] = WM_CreateWindowAsChild(UI_LINE_X, 50 * i, UI_LINE_W, UI_LINE_H, UI_hPageArea, WM_CF_SHOW,
                                   UI_FileLineCallback, sizeof(UI_FILE_BLOCK*));
    WM_SetUserData(ah[i], &ap[i], sizeof(ap[i]));
    UI_ToggleFileActions(ah[i]);
    EXPECT_EQ(UI_FileActionCount(ap[i]), 3);
  }
  WM_HWIN hSend = WM_GetNextSibling(WM_GetNextSibling(WM_GetFirstChild(ah[1])));
  ASSERT_TRUE(hSend);
  Settle();
  TouchIn(hSend, 50, 20);
  EXPECT_EQ(g_Asked.Name, "000C:\\DATA\\Board.BIN");
  Send(ah[1], UI_MSG_NODE_CHOSEN, UI_MSG_CONFIRMED, 12);
  EXPECT_EQ(g_Asked.Node, 12);
  EXPECT_EQ(g_Asked.Name, "C:\\DATA\\Board.BIN");
  // Function data: the load options come first, then the name goes out with the node behind it.
  g_Asked = {};
  Send(ah[0], UI_MSG_NODE_CHOSEN, UI_MSG_CONFIRMED, 65);  // no such node: nothing
  EXPECT_EQ(g_Asked.hReceiver, 0u);
  Send(ah[0], UI_MSG_NODE_CHOSEN, UI_MSG_CONFIRMED, 7);
  EXPECT_EQ(g_Asked.hReceiver, ah[0]);
  Data.Target = Data.Action = uint32_t(fakenode::kNode) << 24 | 0x0120;  // where the test can see the write
  Send(ah[0], UI_MSG_DIALOG_RESULT, UI_MSG_CONFIRMED, 0x020100);
  EXPECT_EQ(Written(0x0120), std::string("012C:\\DATA\\Heating.dat?07", 26));
  EXPECT_STREQ(Data.acName + 3, "C:\\DATA\\Heating.dat");  // the node is not kept
  // Without a result object there is no row.
  Data.Result = 0;
  EXPECT_EQ(UI_FileActionCount(&Data), 0);
  WM_DeleteWindow(ah[0]);
  WM_DeleteWindow(ah[1]);
}

}  // namespace
