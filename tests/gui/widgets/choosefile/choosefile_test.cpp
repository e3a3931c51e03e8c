// The file chooser, driven by a directory routine over a temporary folder tree: browsing into folders and
// back, returning the chosen file's path, cancelling; routines that fail or never end; paths that would
// not fit; size texts and their order; and a golden image.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CHOOSEFILE.h"
#include "DROPDOWN.h"
#include "HEADER.h"
#include "LISTVIEW.h"
#include "widget_support.h"

namespace {

namespace fs = std::filesystem;

// The directory routine of the tests: the entries of the folder named by pRoot, read at "first" and handed
// out one per call, sorted by name.
struct Entry {
  std::string Name, Ext;
  unsigned long long Size;
  bool Folder;
};
std::vector<Entry> _aEntries;
size_t _Next;
int _NumCalls;

int _GetData(CHOOSEFILE_INFO* pInfo) {
  _NumCalls++;
  if (pInfo->Cmd == CHOOSEFILE_FINDFIRST) {
    _aEntries.clear();
    _Next = 0;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(pInfo->pRoot, ec)) {
      bool Folder = e.is_directory();
      fs::path p = e.path().filename();
      _aEntries.push_back({Folder ? p.string() : p.stem().string(), Folder ? "" : p.extension().string(),
                           Folder ? 0 : (unsigned long long)e.file_size(), Folder});
    }
    if (ec) {
      return 1;
    }
    _aEntries.push_back({".", "", 0, true});
    _aEntries.push_back({"..", "", 0, true});
    std::sort(_aEntries.begin(), _aEntries.end(), [](const Entry& a, const Entry& b) { return a.Name < b.Name; });
  }
  if (_Next >= _aEntries.size()) {
    return 1;
  }
  const Entry& e = _aEntries[_Next++];
  pInfo->pName = e.Name.c_str();
  pInfo->pExt = e.Ext.c_str();
  pInfo->pAttrib = e.Folder ? "D" : "";
  pInfo->SizeL = (U32)e.Size;
  pInfo->SizeH = (U32)(e.Size >> 32);
  pInfo->Flags = e.Folder ? CHOOSEFILE_FLAG_DIRECTORY : 0;
  return 0;
}

int _Fails(CHOOSEFILE_INFO*) {
  _NumCalls++;
  return -1;
}

// Never reports the end of its folder.
int _Endless(CHOOSEFILE_INFO* pInfo) {
  _NumCalls++;
  pInfo->pName = "same";
  pInfo->pExt = "";
  pInfo->pAttrib = "";
  pInfo->SizeL = pInfo->SizeH = pInfo->Flags = 0;
  return 0;
}

// A single folder whose name is long.
int _LongFolder(CHOOSEFILE_INFO* pInfo) {
  if (pInfo->Cmd != CHOOSEFILE_FINDFIRST) {
    return 1;
  }
  pInfo->pName = "abcdefghijklmnopqrstuvwxyz";
  pInfo->pExt = "";
  pInfo->pAttrib = "";
  pInfo->SizeL = pInfo->SizeH = 0;
  pInfo->Flags = CHOOSEFILE_FLAG_DIRECTORY;
  return 0;
}

// A fixed folder for the golden image.
int _Fixed(CHOOSEFILE_INFO* pInfo) {
  static const Entry aEntry[] = {{"docs", "", 0, true},
                                 {"report", ".txt", 1234567, false},
                                 {"image", "..png", 5000, false},
                                 {"notes", "", 0, false}};
  static size_t Next;
  Next = pInfo->Cmd == CHOOSEFILE_FINDFIRST ? 0 : Next;
  if (Next >= 4) {
    return 1;
  }
  const Entry& e = aEntry[Next++];
  pInfo->pName = e.Name.c_str();
  pInfo->pExt = e.Ext.c_str();
  pInfo->pAttrib = e.Folder ? "D" : "A";
  pInfo->SizeL = (U32)e.Size;
  pInfo->SizeH = 0;
  pInfo->Flags = e.Folder ? CHOOSEFILE_FLAG_DIRECTORY : 0;
  return 0;
}

std::vector<CHOOSEFILE_INFO*> _aNotified;

void _cbParent(WM_MESSAGE* pMsg) {
  // The chooser's end carries its record; small codes (a child deleted ...) come from the window manager.
  if (pMsg->MsgId == WM_NOTIFY_PARENT && (uintptr_t)pMsg->Data.p > 0xFFFF) {
    _aNotified.push_back((CHOOSEFILE_INFO*)pMsg->Data.p);
    return;
  }
  widgettest::cbParent(pMsg);
}

class ChooseFileTest : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    _aNotified.clear();
    _NumCalls = 0;
    CHOOSEFILE_SetDelim('/');
    Root = fs::temp_directory_path() / ("choosefile_" + std::to_string(::getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root / "docs" / "sub");
    fs::create_directories(Root / "empty");
    std::ofstream(Root / "a.bin") << std::string(1500, 'x');
    std::ofstream(Root / "docs" / "report.txt") << "hello";
    std::ofstream(Root / "docs" / "sub" / "deep.dat") << "x";
    hParent = WM_CreateWindow(0, 0, 300, 220, WM_CF_SHOW, _cbParent, 0);
    Info = {};
    Info.pfGetData = _GetData;
  }
  void TearDown() override {
    CHOOSEFILE_SetDelim('\\');
    fs::remove_all(Root);
    WidgetTest::TearDown();
  }
  WM_HWIN Create() {
    std::string s = Root.string();
    const char* apRoot[] = {s.c_str()};
    return CHOOSEFILE_Create(hParent, 0, 0, 300, 220, apRoot, 1, 0, nullptr, 0, &Info);
  }
  static WM_HWIN List(WM_HWIN h) { return CHOOSEFILE__Item(h, CHOOSEFILE_ID_LIST); }
  // The names shown, in the order shown.
  static std::vector<std::string> Names(WM_HWIN h) {
    std::vector<std::string> v;
    for (unsigned i = 0; i < LISTVIEW_GetNumRows(List(h)); i++) {
      char ac[64];
      LISTVIEW_GetItemText(List(h), 0, i, ac, sizeof(ac));
      v.push_back(ac);
    }
    return v;
  }
  // Selects the row shown with a name.
  static int Row(WM_HWIN h, const std::string& Name) {
    std::vector<std::string> v = Names(h);
    auto it = std::find(v.begin(), v.end(), Name);
    return it == v.end() ? -1 : (int)(it - v.begin());
  }
  void DoubleClick(WM_HWIN h, const std::string& Name) {
    int i = Row(h, Name);
    ASSERT_GE(i, 0) << Name;
    GUI_RECT r;
    LISTVIEW_GetItemRect(List(h), 0, (unsigned)i, &r);
    int x = WM_GetWindowPosX(List(h)) + r.x0 + 5, y = WM_GetWindowPosY(List(h)) + r.y0 + 3;
    Press(x, y);
    Release(x, y);
    Advance(100);
    Press(x, y);
    Release(x, y);
  }
  void Click(WM_HWIN h, int Id) {
    WM_HWIN hItem = CHOOSEFILE__Item(h, Id);
    Press(WM_GetWindowPosX(hItem) + 8, WM_GetWindowPosY(hItem) + 8);
    Release(WM_GetWindowPosX(hItem) + 8, WM_GetWindowPosY(hItem) + 8);
  }
  std::string Path(const std::string& s) { return Root.string() + "/" + s; }
  fs::path Root;
  CHOOSEFILE_INFO Info;
  WM_HWIN hParent = 0;
};

TEST_F(ChooseFileTest, BrowsesIntoFoldersAndBackAndReturnsTheChosenPath) {
  WM_HWIN h = Create();
  ASSERT_NE(h, 0);
  EXPECT_EQ(std::string(Info.pRoot), Path(""));
  std::vector<std::string> v = Names(h);
  std::sort(v.begin(), v.end());
  EXPECT_EQ(v, (std::vector<std::string>{"a", "docs", "empty"})) << "no \".\" and no \"..\"";
  EXPECT_FALSE(WM_IsEnabled(CHOOSEFILE__Item(h, CHOOSEFILE_ID_OK))) << "nothing chosen yet";
  DoubleClick(h, "docs");
  EXPECT_EQ(std::string(Info.pRoot), Path("docs/"));
  v = Names(h);
  std::sort(v.begin(), v.end());
  EXPECT_EQ(v, (std::vector<std::string>{"report", "sub"}));
  DoubleClick(h, "sub");
  EXPECT_EQ(std::string(Info.pRoot), Path("docs/sub/"));
  EXPECT_EQ(Names(h), std::vector<std::string>{"deep"});
  Click(h, CHOOSEFILE_ID_UP);
  EXPECT_EQ(std::string(Info.pRoot), Path("docs/"));
  WM_SetFocus(List(h));
  Key(GUI_KEY_BACKSPACE);
  EXPECT_EQ(std::string(Info.pRoot), Path(""));
  DoubleClick(h, "docs");
  LISTVIEW_SetSel(List(h), Row(h, "report"));
  EXPECT_TRUE(WM_IsEnabled(CHOOSEFILE__Item(h, CHOOSEFILE_ID_OK)));
  Click(h, CHOOSEFILE_ID_OK);
  EXPECT_EQ(std::string(Info.pRoot), Path("docs/report.txt"));
  EXPECT_EQ(Info.Id, 1);
  EXPECT_EQ(_aNotified, std::vector<CHOOSEFILE_INFO*>{&Info});
  WM_Exec();
  EXPECT_FALSE(WM_IsWindow(h));
}

TEST_F(ChooseFileTest, EnterConfirmsAndEscapeCancels) {
  WM_HWIN h = Create();
  LISTVIEW_SetSel(List(h), Row(h, "a"));
  WM_SetFocus(List(h));
  GUI_StoreKeyMsg(GUI_KEY_ENTER, 1);
  GUI_StoreKeyMsg(GUI_KEY_ENTER, 0);
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 0);
  EXPECT_EQ(std::string(Info.pRoot), Path("a.bin"));
  h = Create();
  WM_SetFocus(List(h));
  GUI_StoreKeyMsg(GUI_KEY_ESCAPE, 1);
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 1);
  EXPECT_EQ(Info.Id, 2);
  EXPECT_EQ(_aNotified.size(), 2u);
}

TEST_F(ChooseFileTest, FailingAndEndlessRoutines) {
  Info.pfGetData = _Fails;
  WM_HWIN h = Create();
  ASSERT_NE(h, 0);
  EXPECT_EQ(LISTVIEW_GetNumRows(List(h)), 0u);
  EXPECT_FALSE(WM_IsEnabled(CHOOSEFILE__Item(h, CHOOSEFILE_ID_OK)));
  Click(h, CHOOSEFILE_ID_OK);
  EXPECT_TRUE(WM_IsWindow(h)) << "nothing to confirm";
  WM_DeleteWindow(h);
  Info.pfGetData = _Endless;
  _NumCalls = 0;
  h = Create();
  ASSERT_NE(h, 0);
  EXPECT_LE(_NumCalls, 0x8000) << "reading ends";
  EXPECT_GT(LISTVIEW_GetNumRows(List(h)), 0u);
  WM_DeleteWindow(h);
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
  Info.pfGetData = nullptr;
  EXPECT_EQ(Create(), 0);
  EXPECT_EQ(CHOOSEFILE_Create(hParent, 0, 0, 300, 220, nullptr, 1, 0, nullptr, 0, &Info), 0);
}

TEST_F(ChooseFileTest, PathsThatWouldNotFitAreNotEntered) {
  std::string Long(240, 'r');
  const char* apRoot[] = {Long.c_str()};
  Info.pfGetData = _LongFolder;
  WM_HWIN h = CHOOSEFILE_Create(hParent, 0, 0, 300, 220, apRoot, 1, 0, nullptr, 0, &Info);
  ASSERT_NE(h, 0);
  EXPECT_EQ(std::string(Info.pRoot), Long + "/");
  LISTVIEW_SetSel(List(h), 0);
  WM_SetFocus(List(h));
  Key(GUI_KEY_ENTER);
  EXPECT_EQ(std::string(Info.pRoot), Long + "/") << "240 + 27 characters do not fit in 255";
  EXPECT_TRUE(WM_IsWindow(h));
  std::string TooLong(255, 'r');
  const char* apTooLong[] = {TooLong.c_str()};
  EXPECT_EQ(CHOOSEFILE_Create(hParent, 0, 0, 300, 220, apTooLong, 1, 0, nullptr, 0, &Info), 0);
  char ac[CHOOSEFILE_MAXLEN] = "C:/";
  EXPECT_FALSE(CHOOSEFILE__Up(ac, '/')) << "a drive root stays";
  EXPECT_STREQ(ac, "C:/");
  snprintf(ac, sizeof(ac), "C:/a/bc/");
  EXPECT_TRUE(CHOOSEFILE__Up(ac, '/'));
  EXPECT_STREQ(ac, "C:/a/");
}

TEST_F(ChooseFileTest, LayoutButtonTextsAndToolTips) {
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  CHOOSEFILE_EnableToolTips(1);
  CHOOSEFILE_SetTopMode(1);
  WM_HWIN h = Create();
  CHOOSEFILE_SetTopMode(0);
  CHOOSEFILE_EnableToolTips(0);
  ASSERT_NE(h, 0);
  CHOOSEFILE_CONTEXT c;
  ASSERT_TRUE(CHOOSEFILE__GetContext(h, &c));
  EXPECT_NE(c.hToolTip, 0);
  WM_HWIN hClient = WM_GetClientWindow(h);
  EXPECT_EQ(WM_GetWindowPosY(List(h)) - WM_GetWindowPosY(hClient), 25) << "controls on top";
  WM_HWIN hCancel = CHOOSEFILE__Item(h, CHOOSEFILE_ID_CANCEL), hOk = CHOOSEFILE__Item(h, CHOOSEFILE_ID_OK);
  WM_HWIN hUp = CHOOSEFILE__Item(h, CHOOSEFILE_ID_UP);
  EXPECT_EQ(WM_GetWindowPosY(hCancel) - WM_GetWindowPosY(hClient), 3);
  EXPECT_EQ(WM_GetWindowSizeX(hCancel), 25);
  int R = WM_GetWindowSizeX(hClient) - 1; // the client's right edge
  EXPECT_EQ(WM_GetWindowPosX(hCancel), WM_GetWindowPosX(hClient) + R - 25 - 4);
  EXPECT_EQ(WM_GetWindowPosX(hOk) + 25 + 5, WM_GetWindowPosX(hCancel));
  CHOOSEFILE_SetButtonText(h, CHOOSEFILE_BI_CANCEL, "Abbrechen");
  int w = WM_GetWindowSizeX(hCancel);
  GUI_SetFont(BUTTON_GetFont(hCancel));
  EXPECT_EQ(w, GUI_GetStringDistX("Abbrechen") + 12);
  EXPECT_EQ(WM_GetWindowSizeX(hUp), 25) << "buttons with a picture keep their width";
  EXPECT_EQ(WM_GetWindowPosX(hUp) + 25 + 5, WM_GetWindowPosX(hOk));
  // The columns fill the list less the dividers and a scroll bar.
  WM_HWIN hHeader = LISTVIEW_GetHeader(List(h));
  int Sum = 0;
  for (unsigned i = 0; i < 4; i++) {
    Sum += HEADER_GetItemWidth(hHeader, i);
  }
  int Space = R - 4 - SCROLLBAR_GetDefaultWidth();
  EXPECT_LE(Sum, Space);
  EXPECT_GE(Sum, Space - 4);
  WM_DeleteWindow(h);
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used) << "timer, tooltips and rows go with the dialog";
}

TEST(ChooseFileSizes, TextsAndOrder) {
  char ac[32];
  auto Text = [&](U32 L, U32 H) {
    CHOOSEFILE__SizeText(L, H, ac, sizeof(ac));
    return std::string(ac);
  };
  EXPECT_EQ(Text(1048576, 0), "1.048.576 B");
  EXPECT_EQ(Text(1048577, 0), "1.024 K");
  EXPECT_EQ(Text(1234, 0), "1.234 B");
  EXPECT_EQ(Text(0x40000001, 0), "1.024 M");
  EXPECT_EQ(Text(0, 1), "4.096 M");
  EXPECT_EQ(Text(5, 256), "???");
  EXPECT_EQ(Text(0, 0), "");
  CHOOSEFILE__SizeText(1048576, 0, ac, 4); // a short buffer gets a cut text, never more
  EXPECT_STREQ(ac, "1.0");
  EXPECT_EQ(CHOOSEFILE__CompareSize("1.205 K", "900 B"), -1);
  EXPECT_EQ(CHOOSEFILE__CompareSize("900 B", "1.205 K"), 1);
  EXPECT_EQ(CHOOSEFILE__CompareSize("1.205 K", "1.205 K"), 0);
  EXPECT_EQ(CHOOSEFILE__CompareSize("12 K", "1.100 K"), 1);
  EXPECT_EQ(CHOOSEFILE__CompareSize("", "1 B"), 1);
  EXPECT_EQ(CHOOSEFILE__CompareSize("???", "4.096 M"), -1);
}

TEST_F(ChooseFileTest, Golden) {
  CHOOSEFILE_SetDefaultButtonText(CHOOSEFILE_BI_OK, "Open");
  Info.pfGetData = _Fixed;
  const char* apRoot[] = {"/data", "/media/card/"};
  WM_HWIN h = CHOOSEFILE_Create(hParent, 0, 0, 300, 220, apRoot, 2, 1, nullptr, 0, &Info);
  CHOOSEFILE_SetDefaultButtonText(CHOOSEFILE_BI_OK, nullptr);
  ASSERT_NE(h, 0);
  EXPECT_EQ(std::string(Info.pRoot), "/media/card/");
  std::vector<std::string> aType;
  for (const char* pName : {"report", "image", "notes"}) {
    char ac[16];
    LISTVIEW_GetItemText(List(h), 2, (unsigned)Row(h, pName), ac, sizeof(ac));
    aType.push_back(ac);
  }
  EXPECT_EQ(aType, (std::vector<std::string>{"txt", "png", ""})) << "leading dots skipped";
  LISTVIEW_SetSel(List(h), Row(h, "docs"));
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/choosefile/folder", golden::CaptureLCD(0, 0, 299, 219)));
}

} // namespace
