// Fixture of the overview-page tests: the main screen with the overview pages installed, a design loaded from
// bytes (nothing stored), and the elements of a page with every kind.
#pragma once
#include "../main_fixture.h"
#include "DSG_Design.h"
#include "APP_Host.h"
#include "IO_Objects.h"
#include "SDO_Client.h"
#include "UI_GraphicsCache.h"
#include "UI_Overview.h"
#include "dsg_test_files.h"

namespace ovtest {

constexpr uint32_t kDate = 0x00003600, kTime = 0x00003601, kInput1 = 0x000031B0, kFixed1 = 0x00003302, kFixed2 = 0x00013302,
                   kMode1 = 0x00003300;

inline DSG_ELEMENT Action(int Type, int x0, int y0, int x1, int y1, uint32_t Address, const char16_t* pPrefix,
                          int Font = 3, int Align = 0) {
  DSG_ELEMENT e = dsgtest::Element(Type, x0, y0, x1, y1);
  e.SetAddress(Address);
  e.SetU32(20, 0x000000);
  e.SetU32(24, 0xE0FFFF);
  e.SetU32(28, uint32_t(Font));
  e.SetU32(32, uint32_t(Align));
  e.SetU32(36, 0);  // normal text mode: the background colour behind the text
  e.SetText(40, DSG_TEXT_CHARS, pPrefix);
  e.SetText(72, DSG_TEXT_CHARS, u" !");
  e.a[104] = 1;
  e.a[105] = uint8_t(int8_t(-1));
  return e;
}

inline DSG_ELEMENT Value(int Type, int x0, int y0, int x1, int y1, uint32_t Address, const char16_t* p0,
                         const char16_t* p1) {
  DSG_ELEMENT e = dsgtest::Element(Type, x0, y0, x1, y1);
  e.SetAddress(Address);
  e.SetU32(20, 1);
  e.SetU32(24, 0x000000);
  e.SetU32(28, 0xFFFFFF);
  e.a[32] = 3, e.a[33] = 3, e.a[34] = 2, e.a[35] = 2;
  e.SetText(36, DSG_STATE_TEXT_CHARS, p0);
  e.SetText(104, DSG_STATE_TEXT_CHARS, p1);
  e.SetU32(172, 0xE0E0E0), e.SetU32(176, 0xA0A0A0), e.SetU32(180, 0x40C040), e.SetU32(184, 0x208020);
  return e;
}

inline DSG_ELEMENT Link(int x0, int y0, int x1, int y1, uint32_t Page, int Level = 0) {
  DSG_ELEMENT e = dsgtest::Element(DSG_EL_LINK, x0, y0, x1, y1);
  e.SetU32(12, Page);
  e.SetU16(16, uint32_t(Level));
  return e;
}

// Page 0: every kind of element; page 1: a link back.
inline std::vector<DSG_ELEMENT> EveryKind() {
  return {Action(DSG_EL_DISPLAY, 10, 10, 200, 34, kInput1, u"Input "),
          Action(DSG_EL_FIELD, 10, 50, 200, 74, kMode1, u"Mode ", 5),
          Action(DSG_EL_FIELD, 250, 50, 470, 74, kInput1, u"T1 ", 1, 1),
          Action(DSG_EL_DISPLAY, 250, 10, 470, 34, 0x05003601, u"Remote ", 3, 2),  // fails: stays blank
          Link(440, 230, 470, 262, 1),
          Value(DSG_EL_TOGGLE, 10, 110, 160, 160, kFixed1, u"Off", u"On"),
          Value(DSG_EL_TOGGLE_ALT, 170, 110, 320, 160, kFixed2, u"Pump stopped", u"Pump running"),
          Value(DSG_EL_MOMENTARY, 330, 110, 470, 160, kFixed1, u"Push", u"Pushed")};
}

inline DSG_BYTES PagePicture(uint16_t Pixel) { return dsgtest::Picture(480, 272, Pixel); }

class OverviewTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    UI_LoadGraphics();
    UI_InstallOverview();
    DSG_Forget();
    SDO_TimeoutMs = 0;
    APP_HostHooks.pfDelay = [](int) {};  // the pause between remote reads takes no real time here
  }
  void TearDown() override {
    UI_DeleteOverview();
    UI_hQuickLayer = 0;
    DSG_Forget();
    SDO_TimeoutMs = 1000;
    APP_HostHooks.pfDelay = nullptr;
    UI_OverviewPageInstance.Reset();
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
  // Loads a design of these pages (nothing stored) and shows page 0.
  void ShowDesign(const std::vector<std::vector<DSG_ELEMENT>>& Pages, int Layout = 1) {
    DSG_DESIGN_SPEC s;
    s.Layout = Layout;
    uint16_t aPixel[] = {0xEF5D, 0xDEFB};
    int i = 0;
    for (const auto& p : Pages) s.Pages.push_back(DSG_WritePage(p, PagePicture(aPixel[i++ % 2])));
    DSG_BYTES b = DSG_WriteDesign(s);
    DSG_REPORT r;
    ASSERT_EQ(DSG_ImportDesignBytes(b.data(), b.size(), 1, &r), DSG_IMPORT_OK) << r.acText;
    GUI_Lock();
    ASSERT_EQ(UI_GoHome(), 1);
    GUI_Unlock();
    Advance(10);
  }
  static int Elements() { return ChildCount(UI_hOverviewWin); }
  dsgtest::UserFolder Folder;
};

}  // namespace ovtest
