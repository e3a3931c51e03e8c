// The graphics cache: its 116 devices, the design-independent pictures, branding and handedness.
#include <set>
#include <vector>

#include "GuiTest.h"
#include "UI_Background.h"
#include "UI_Main.h"
#include "UI_GraphicsCache.h"
#include "UI_GraphicsCachePrivate.h"
#include "WM.h"
#include "gfx_test_util.h"

namespace {

class GfxCache : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    DSG_pBranding = nullptr;
    UI_GfxHooks = UI_GFX_HOOKS{};
    UI_DesignHooks = UI_DESIGN_HOOKS{};
  }
  void TearDown() override {
    DSG_pBranding = nullptr;
    UI_GfxHooks = UI_GFX_HOOKS{};
    UI_DesignHooks = UI_DESIGN_HOOKS{};
    GfxTest::TearDown();
  }
  static std::vector<GUI_HMEM> All() {
    std::vector<GUI_HMEM> v;
    int n;
    const UI_CACHE_ENTRY* p = UI__GetCacheEntries(&n);
    for (int i = 0; i < n; i++) {
      for (int k = 0; k < p[i].Count; k++) v.push_back(p[i].phMem[k]);
    }
    return v;
  }
};

TEST_F(GfxCache, CreatesAllPicturesOnceWithTheirSizesAndDepths) {
  ASSERT_EQ(UI_CreateGraphicsCache(), 0);
  std::vector<GUI_HMEM> v = All();
  ASSERT_EQ(int(v.size()), UI_NUM_CACHED_PICTURES);
  std::set<GUI_HMEM> Distinct(v.begin(), v.end());
  EXPECT_EQ(Distinct.size(), v.size());
  EXPECT_EQ(Distinct.count(0), 0u);
  EXPECT_EQ(GUI_MEMDEV_GetXSize(UI_hMemdevPageBg), 480);
  EXPECT_EQ(GUI_MEMDEV_GetBitsPerPixel(UI_hMemdevPageBg), 16);
  EXPECT_EQ(GUI_MEMDEV_GetBitsPerPixel(UI_hMemdevPanel), 32);
  EXPECT_EQ(GUI_MEMDEV_GetXPos(UI_ahMemdevOrangeEnd[1]), 327);
  // A second call makes nothing new.
  GUI_HMEM hOld = UI_hMemdevKey;
  EXPECT_EQ(UI_CreateGraphicsCache(), 0);
  EXPECT_EQ(UI_hMemdevKey, hOld);
  EXPECT_TRUE(Errors().empty());
}

class GfxCacheDefaultHeap : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    WM_Init();
    GUI_MEMDEV__Init();
  }
  void TearDown() override {
    UI_DeleteGraphicsCache();
    GuiTest::TearDown();
  }
};

TEST_F(GfxCacheDefaultHeap, KeepsThePicturesThatScreensCopyAndRoomForTheWindows) {
  EXPECT_EQ(UI_LoadGraphics(), 0);
  EXPECT_TRUE(Errors().empty());  // the spare pictures give way quietly
  for (GUI_HMEM h : {UI_hMemdevPageBg, UI_hMemdevDesignBg, UI_hMemdevTitleStrip, UI_hMemdevPanel,
                     UI_hMemdevDialogBg, UI_hMemdevDialogBgDesign, UI_hMemdevKey47, UI_hMemdevSpaceKeyDown,
                     UI_ahMemdevSideIcon[8], UI_ahMemdevTile[12], UI_hMemdevIcon24b}) {
    EXPECT_NE(h, 0);
  }
  EXPECT_EQ(UI_ahMemdevBar80[5], 0);
  EXPECT_GE(GUI_ALLOC_GetMaxFreeBlockSize(), 400 * 1024);  // room for the windows and their banding
  UI_DrawCached(0, 0, 0);  // a missing picture draws nothing
}

TEST_F(GfxCache, AHeapTooSmallForTheScreensPicturesIsReported) {
  GUI_ALLOC__SetTestLimit(1000000);
  EXPECT_EQ(UI_CreateGraphicsCache(), 1);
  EXPECT_NE(UI_hMemdevPageBg, 0);
  EXPECT_EQ(UI_LoadGraphics(), 1);  // renders what exists
  GUI_ALLOC__SetTestLimit(0);
  ClearMessages();
}

TEST_F(GfxCache, WidgetFamiliesMatchTheirGoldenImages) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  struct Family {
    const char* Name;
    std::vector<GUI_HMEM> ah;
  };
  std::vector<GUI_HMEM> Seg31;
  for (auto& r : UI_ahMemdevTabSeg31) Seg31.insert(Seg31.end(), r, r + 3);
  const Family aFamily[] = {
      {"bars44", {UI_ahMemdevBar44, UI_ahMemdevBar44 + UI_NUM_BAR44}},
      {"bars65_80_half", {UI_ahMemdevBar65[0], UI_ahMemdevBar65[1], UI_ahMemdevBar65[2], UI_ahMemdevBar80[0],
                          UI_ahMemdevBar80[1], UI_ahMemdevBar80[2], UI_ahMemdevBar80[3], UI_ahMemdevBar80[4],
                          UI_ahMemdevBar80[5], UI_ahMemdevHalfBar[0], UI_ahMemdevHalfBar[1]}},
      {"orange", {UI_hMemdevOrangeTop, UI_hMemdevOrangeUpper, UI_hMemdevOrangeLower, UI_hMemdevOrangeBottom,
                  UI_hMemdevOrangeSides, UI_ahMemdevOrangeHalf[0], UI_ahMemdevOrangeHalf[1],
                  UI_ahMemdevOrangeEnd[0], UI_ahMemdevOrangeEnd[1]}},
      {"tiles", {UI_ahMemdevTile, UI_ahMemdevTile + UI_NUM_TILES}},
      {"buttons", {UI_ahMemdevHalfButton[0], UI_ahMemdevHalfButton[1], UI_ahMemdevRoundButton[0],
                   UI_ahMemdevRoundButton[1], UI_ahMemdevRoundButton[2], UI_ahMemdevRoundButton[3],
                   UI_hMemdevButtonBlue, UI_hMemdevButtonGrey, UI_hMemdevButtonLight}},
      {"tabs", {UI_ahMemdevTabSingle[0], UI_ahMemdevTabSingle[1], UI_ahMemdevTabSeg41[0], UI_ahMemdevTabSeg41[1],
                UI_ahMemdevTabSeg41[2], UI_ahMemdevTabHead[0], UI_ahMemdevTabHead[1], UI_ahMemdevTabHead[2]}},
      {"tab_segments31", Seg31},
      {"icons", {UI_ahMemdevSideIcon, UI_ahMemdevSideIcon + UI_NUM_SIDE_ICONS}},
      {"small_icons", {UI_ahMemdevIcon33[0], UI_ahMemdevIcon33[1], UI_ahMemdevIcon25[0], UI_ahMemdevIcon25[1],
                       UI_ahMemdevSquare[0], UI_ahMemdevSquare[1], UI_hMemdevIcon24, UI_hMemdevIcon24b}},
      {"keys", {UI_hMemdevKey, UI_hMemdevKeyDown, UI_hMemdevKeySelected, UI_hMemdevWideKey, UI_hMemdevWideKeyDown,
                UI_hMemdevSpaceKey, UI_hMemdevSpaceKeyDown, UI_hMemdevLongKey, UI_hMemdevLongKeyDown,
                UI_ahMemdevKey40[0], UI_ahMemdevKey40[1], UI_ahMemdevKey40[2], UI_hMemdevKey47,
                UI_hMemdevKey47Down, UI_hMemdevKey47Row, UI_hMemdevKey47RowDown, UI_ahMemdevTwoToneKey[0],
                UI_ahMemdevTwoToneKey[1], UI_ahMemdevTwoToneKey[2]}},
  };
  for (const Family& f : aFamily) {
    EXPECT_TRUE(golden::Matches(std::string("ui/gfx_") + f.Name, gfxtest::Sheet(f.ah.data(), int(f.ah.size()))));
  }
  EXPECT_TRUE(Errors().empty());
}

TEST_F(GfxCache, DesignPicturesWithoutBrandingMatchTheirGoldenImages) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  const GUI_HMEM a[] = {UI_hMemdevPageBg, UI_hMemdevTitleStrip, UI_hMemdevTitleDesign, UI_hMemdevPageHeader,
                        UI_hMemdevPanel, UI_hMemdevPanelInner, UI_hMemdevPanelFooter, UI_hMemdevDialogBg,
                        UI_hMemdevDialogBgDesign, UI_hMemdevContentBg, UI_hMemdevDesignBg};
  EXPECT_TRUE(golden::Matches("ui/gfx_design_plain", gfxtest::Sheet(a, 11, 900)));
  EXPECT_EQ(GUI_MEMDEV_GetXPos(UI_hMemdevPanel), 16);
  EXPECT_EQ(GUI_MEMDEV_GetXPos(UI_ahMemdevSideIcon[UI_ICON_HOME]), 438);
  EXPECT_EQ(GUI_MEMDEV_GetYPos(UI_ahMemdevSideIcon[UI_ICON_UP]), 72);
  EXPECT_EQ(GUI_MEMDEV_GetYPos(UI_ahMemdevSideIcon[UI_ICON_BACK]), 187);
}

TEST_F(GfxCache, BrandingAndLeftHandedLayoutChangeTheDesignPictures) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  GUI_COLOR Plain = UI_MemdevPixel(UI_hMemdevPageBg, 240, 200);
  // A branding without pictures and logo mode 1: the built-in background without the logo.
  static const UI_BRANDING Branding = {nullptr, 0, nullptr, 0, 1, 0, 0};
  DSG_pBranding = &Branding;
  DSG_ApplyBranding();
  UI_RenderDesignGraphics(1);
  const GUI_HMEM a[] = {UI_hMemdevPageBg, UI_hMemdevTitleStrip, UI_hMemdevPageHeader, UI_hMemdevDialogBg};
  EXPECT_TRUE(golden::Matches("ui/gfx_design_branded_left", gfxtest::Sheet(a, 4, 900)));
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevPageBg, 240, 200), Plain);  // same background, no logo
  EXPECT_EQ(GUI_MEMDEV_GetXPos(UI_hMemdevPanel), 66);
  EXPECT_EQ(GUI_MEMDEV_GetXPos(UI_ahMemdevSideIcon[UI_ICON_BACK]), 8);
  EXPECT_EQ(UI_PageFrameX, 50);
  // The screen sampler follows the shown layout.
  UI_hMainWin = WM_CreateWindow(0, 0, 480, 272, WM_CF_SHOW, nullptr, 0);
  UI_DesignHooks.pfDrawPicture = [] {
    GUI_SetColor(0x00FF00);
    GUI_FillRect(0, 0, 479, 271);
  };
  UI_RenderDesignGraphics(0);
  EXPECT_EQ(UI_ScreenBgPixel(5, 100), 0x00FF00u);
  // The design dialog background lies on the design picture (its rounded corner shows it), the other not.
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevDialogBgDesign, 0, 0), 0x00FF00u);
  EXPECT_NE(UI_MemdevPixel(UI_hMemdevDialogBg, 0, 0), 0x00FF00u);
  WM_HideWindow(UI_hMainWin);
  EXPECT_EQ(UI_ScreenBgPixel(5, 100), UI_MemdevPixel(UI_hMemdevPageBg, 5, 100));
  WM_DeleteWindow(UI_hMainWin);
  UI_hMainWin = 0;
  UI_DesignHooks = UI_DESIGN_HOOKS{};
}

// A streamed bitmap of w x h pixels in one 5-6-5 colour.
std::vector<U8> _Stream565(int w, int h, U16 Pixel) {
  std::vector<U8> v = {'B', 'M'};
  for (int Word : {8, w, h, 2 * w, 16, 0, 0}) {
    v.push_back(U8(Word));
    v.push_back(U8(Word >> 8));
  }
  for (int i = 0; i < w * h; i++) {
    v.push_back(U8(Pixel));
    v.push_back(U8(Pixel >> 8));
  }
  return v;
}

TEST_F(GfxCache, BrandingPicturesAreDrawnAndDamagedOnesGiveWayToTheBuiltInOnes) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  GUI_COLOR Plain = UI_MemdevPixel(UI_hMemdevPageBg, 200, 100);
  std::vector<U8> Red = _Stream565(480, 272, 0x001F), Blue = _Stream565(20, 10, 0xF800);
  UI_BRANDING b = {Red.data(), U32(Red.size()), Blue.data(), U32(Blue.size()), 2, 100, 50};
  DSG_pBranding = &b;
  DSG_ApplyBranding();
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevPageBg, 200, 100), 0x0000FFu);
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevPageBg, 105, 55), 0xFF0000u);    // the logo at its place
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevTitleStrip, 200, 29), UI_MemdevPixel(UI_hMemdevPageBg, 200, 29));
  // A logo cut short: no half logo, the built-in one at its place instead.
  b.LogoSize = U32(Blue.size() - 100);
  DSG_ApplyBranding();
  EXPECT_NE(UI_MemdevPixel(UI_hMemdevPageBg, 105, 55), 0xFF0000u);
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevPageBg, 400, 200), 0x0000FFu);
  // A background cut short: the built-in background.
  b.BackgroundSize = 1000;
  b.LogoMode = 1;
  DSG_ApplyBranding();
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevPageBg, 200, 100), Plain);
  b.BackgroundSize = 3;  // shorter than a header
  DSG_ApplyBranding();
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevPageBg, 200, 100), Plain);
  EXPECT_TRUE(Errors().empty());
}

}  // namespace
