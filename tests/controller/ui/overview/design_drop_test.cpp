// A design or branding file dropped on the display: loaded, stored and drawn, or refused with the reason and
// nothing changed.
#include <functional>

#include "FKT_Access.h"
#include "OBJ_Map.h"
#include "SET_Objects.h"
#include "UI_Carrier.h"
#include "UI_Dialog.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_EntryDispatch.h"
#include "UI_TextEntry.h"
#include "Unwritable.h"
#include "overview_test_util.h"

using namespace ovtest;

namespace {

class DesignDropTest : public OverviewTest {
 protected:
  std::string Write(const char* sName, const DSG_BYTES& b) {
    Folder.Write(sName, b);
    return Folder.File(sName);
  }
  static DSG_BYTES Sample(int Layout = 1) {
    DSG_DESIGN_SPEC s;
    s.Layout = Layout;
    s.Pages = {DSG_WritePage(EveryKind(), PagePicture(0xEF5D)), DSG_WritePage({Link(0, 0, 50, 50, 0)}, PagePicture(0))};
    return DSG_WriteDesign(s);
  }
};

TEST_F(DesignDropTest, ADroppedDesignShowsItsFirstPageAndIsStored) {
  ASSERT_TRUE(WM_IsVisible(UI_hBackgroundWin));  // the menus before
  DSG_BYTES b = Sample();
  std::string Path = Write("drop.q7d", b);
  DSG_REPORT r;
  ASSERT_EQ(DSG_LoadDesignFile(Path.c_str(), &r), DSG_IMPORT_OK) << r.acText;
  EXPECT_STREQ(r.acText, "2 overview pages, without a picture");
  Settle();
  EXPECT_TRUE(WM_IsVisible(UI_hMainWin));
  EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 0);
  EXPECT_EQ(Elements(), 8);
  EXPECT_EQ(Folder.Read("Design.q7d"), b);
}

TEST_F(DesignDropTest, ARefusedDesignSaysWhyAndChangesNothing) {
  DSG_BYTES Good = Sample();
  std::string Path = Write("good.q7d", Good);
  ASSERT_EQ(DSG_LoadDesignFile(Path.c_str(), nullptr), DSG_IMPORT_OK);
  Settle();
  DSG_BYTES Bad = Good;
  Bad.resize(Bad.size() - 7);
  DSG_REPORT r;
  EXPECT_EQ(DSG_LoadDesignFile(Write("bad.q7d", Bad).c_str(), &r), DSG_IMPORT_TRUNCATED);
  EXPECT_STREQ(r.acText, "page 2 ends beyond the end of the file");
  EXPECT_EQ(DSG_LoadDesignFile(Folder.File("missing.q7d").c_str(), &r), DSG_IMPORT_NO_FILE);
  EXPECT_STREQ(r.acText, "it cannot be opened");
  EXPECT_EQ(DSG_GetNumDesignPages(), 2);
  EXPECT_EQ(Folder.Read("Design.q7d"), Good);
  EXPECT_EQ(Elements(), 8);  // the shown page stays
}

// A design whose copy for the next start cannot be written (a full disk alike) is still loaded, the copy kept
// before stays whole, and the report says that the file will not be loaded again.
TEST_F(DesignDropTest, ADesignWhoseCopyCannotBeKeptIsLoadedAndSaysSo) {
  DSG_BYTES Old = Sample(0);
  ASSERT_EQ(DSG_LoadDesignFile(Write("old.q7d", Old).c_str(), nullptr), DSG_IMPORT_OK);
  Settle();
  std::string Path = Write("new.q7d", Sample(1));
  DSG_REPORT r;
  {
    UnwritableFolder ReadOnly(Folder.Path.string());
    ASSERT_EQ(DSG_LoadDesignFile(Path.c_str(), &r), DSG_IMPORT_OK) << r.acText;
  }
  Settle();
  EXPECT_EQ(r.NotStored, 1);
  EXPECT_EQ(std::string(r.acText), "2 overview pages, without a picture; but it could not be kept as \"" +
                                       Folder.File("Design.q7d") +
                                       "\" (Permission denied), so the next start does not load it");
  EXPECT_EQ(DSG_GetLayout(), 1);  // the new design is shown
  EXPECT_EQ(Folder.Read("Design.q7d"), Old);
  // A copy that could be written says nothing of it.
  ASSERT_EQ(DSG_LoadDesignFile(Path.c_str(), &r), DSG_IMPORT_OK);
  Settle();
  EXPECT_EQ(r.NotStored, 0);
  EXPECT_STREQ(r.acText, "2 overview pages, without a picture");
}

// A design dropped while a screen is open over the menus closes it as its Cancel would, and only then shows its
// first page: no keyboard, keypad, list or dialog is left over the design, and the side buttons serve the pages.
TEST_F(DesignDropTest, ADesignDroppedOverAnOpenScreenClosesItFirst) {
  struct Restore {
    int32_t NetworkLevel = SET_General.GetParameter(SET_GEN_PAR_NETWORK_LEVEL);
    ~Restore() {
      UI_pfOpenTextEntry = UI_pfOpenFileNameEntry = nullptr;
      UI_DialogHooks = {};
      SET_General.SetParameterRaw(SET_GEN_PAR_NETWORK_LEVEL, NetworkLevel);
    }
  } Restore;
  UI_InstallTextEntry();
  UI_InstallDialogs();
  SET_General.SetParameterRaw(SET_GEN_PAR_NETWORK_LEVEL, FKT_LEVEL_EXPERT);  // the network page asks for a code
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
  auto Open = [&](uint32_t Address) {
    UI_MenuStackInstance.Open(Address, 0);
    Settle();
  };
  // Touches the i-th element of the page, or of its lines, that has this callback.
  auto TouchElement = [&](WM_CALLBACK* cb, int i) {
    for (WM_HWIN hLine = WM_GetFirstChild(Page()); hLine; hLine = WM_GetNextSibling(hLine))
      for (WM_HWIN h : {hLine, WM_GetFirstChild(hLine), Child(hLine, 1), Child(hLine, 2)})
        if (h && WM_GetCallback(h) == cb && i-- == 0) return TouchIn(h, 60, 17);
    ADD_FAILURE() << "no such element";
  };
  const struct {
    const char* Name;
    std::function<void()> OpenScreen;
  } aCase[] = {
      {"the keyboard of an access code",
       [&] {
         Open(OBJ_MenuIndex(OBJ_FAM_GENERAL, 5));
         TouchElement(UI_AccessBoxCallback, 1);  // the technician's box
       }},
      {"the password prompt of a page link", [&] { Open(0x5803), Open(0); }},
      {"the keypad of a value", [&] { Open(0x5803), Touch(30 + UI_BOX_X + 80, 36 + 5 + 17); }},
      {"a selection list", [&] { Open(0x50C0), TouchIn(Child(Page(), 1), 100, 20); }},
      {"a confirmation dialog", [&] { Open(0x5808), TouchElement(UI_ValueLineCallback, 0); }},
  };
  std::string Path = Write("drop.q7d", Sample());
  for (const auto& c : aCase) {
    SCOPED_TRACE(c.Name);
    UI_ShowMainMenu();
    Settle();
    c.OpenScreen();
    ASSERT_TRUE(UI_hEntryDialog || UI_hListWin);
    ASSERT_EQ(DSG_LoadDesignFile(Path.c_str(), nullptr), DSG_IMPORT_OK);
    Settle();
    EXPECT_FALSE(UI_hEntryDialog);
    EXPECT_FALSE(UI_hListWin);
    EXPECT_FALSE(UI_hEntryShield);
    for (WM_HWIN h = WM_GetFirstChild(WM_GetDesktopWindow()); h; h = WM_GetNextSibling(h))
      EXPECT_NE(WM_GetCallback(h), UI_ScreenShieldCallback) << "a carrier is left on the screen";
    EXPECT_TRUE(WM_IsVisible(UI_hMainWin));
    EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 0);
    EXPECT_EQ(WM_GetCallback(UI_hHomeButton), UI_SideButtonCallback);
    EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonCallback);
  }
}

TEST_F(DesignDropTest, ADroppedBrandingIsDrawnIntoTheMenus) {
  DSG_BYTES b = DSG_WriteBranding(PagePicture(0x001F), {}, {}, 1, 0, 0);  // a red background, no logo
  DSG_REPORT r;
  ASSERT_EQ(DSG_LoadBrandingFile(Write("drop.q7b", b).c_str(), &r), DSG_IMPORT_OK) << r.acText;
  Settle();
  GUI_Lock();
  EXPECT_EQ(LCD_GetPixelColor(5, 260), 0x0000FFu);
  GUI_Unlock();  // below the page area: the branding's background
  EXPECT_EQ(Folder.Read("Branding.q7b"), b);
}

}  // namespace

namespace {

std::vector<std::string> g_Done;
void _Done(int Kind, const char* sPath, const DSG_REPORT* pReport) {
  g_Done.push_back(std::to_string(Kind) + " " + std::to_string(pReport->Code) + " " + pReport->acText);
}

// The host's drop asks from its own thread; the GUI thread loads the files on its next pass, in order.
TEST_F(DesignDropTest, LoadsAskedForByTheHostAreDoneInTheGuiPassInOrder) {
  g_Done.clear();
  std::string Good = Write("a.q7d", Sample()), Bad = Write("b.q7b", {'x'});
  DSG_RequestLoad(DSG_KIND_DESIGN, Good.c_str(), _Done);
  DSG_RequestLoad(DSG_KIND_BRANDING, Bad.c_str(), _Done);
  EXPECT_TRUE(g_Done.empty());
  DSG_ServeRequests();
  EXPECT_EQ(g_Done, (std::vector<std::string>{"0 0 2 overview pages, without a picture",
                                              "1 7 the file has 1 bytes, fewer than the 32 of its header"}));
  DSG_ServeRequests();
  EXPECT_EQ(g_Done.size(), 2u);
}

}  // namespace
