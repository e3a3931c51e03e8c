// The design, branding and page files: every check and limit, the import into memory and into the user folder,
// refused files that change nothing, and the design reset.
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

#include "GuiTest.h"
#include "UI_Background.h"
#include "UI_GraphicsCache.h"
#include "dsg_test_files.h"

using namespace dsgtest;

namespace {

class DesignFileTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    DSG_Forget();
  }
  void TearDown() override {
    DSG_Forget();
    GuiTest::TearDown();
  }
  static int ImportDesign(const DSG_BYTES& b, DSG_REPORT* r = nullptr, int NoStore = 0) {
    return DSG_ImportDesignBytes(b.data(), b.size(), NoStore, r);
  }
  static int ImportBranding(const DSG_BYTES& b, DSG_REPORT* r = nullptr) {
    return DSG_ImportBrandingBytes(b.data(), b.size(), 0, r);
  }
  UserFolder Folder;
};

TEST(DesignChecks, BrandingSizeLimits) {
  DSG_BYTES h = DSG_WriteBranding({}, {}, {}, 0, 0, 0);
  DSG_Put32(&h[4], DSG_BRANDING_PART1_MAX);
  DSG_Put32(&h[8], DSG_BRANDING_PART2_MAX);
  DSG_Put32(&h[12], 0xFFFFFFFF);  // part 3 is not limited by the check
  EXPECT_EQ(DSG_CheckBranding(h.data()), 0);
  DSG_Put32(&h[4], DSG_BRANDING_PART1_MAX + 1);
  EXPECT_EQ(DSG_CheckBranding(h.data()), 1);
  DSG_Put32(&h[4], 0);
  DSG_Put32(&h[8], DSG_BRANDING_PART2_MAX + 1);
  EXPECT_EQ(DSG_CheckBranding(h.data()), 1);
  h[2] = 'x';
  DSG_Put32(&h[8], 0);
  EXPECT_EQ(DSG_CheckBranding(h.data()), 1);
}

TEST(DesignChecks, PageChecksRunInOrder) {
  DSG_BYTES p = Page(2);
  uint32_t Crc = DSG_PageCrc(p);
  EXPECT_EQ(DSG_CheckPage(p.data(), p.size(), Crc), DSG_PAGE_OK);
  EXPECT_EQ(DSG_CheckPage(p.data(), p.size(), Crc ^ 1), DSG_PAGE_BAD_CRC);
  for (auto [Off, Value] : {std::pair{3, 2}, std::pair{10, 190}}) {  // version 2, element size 190
    DSG_BYTES q = p;
    q[size_t(Off)] = uint8_t(Value);
    EXPECT_EQ(DSG_CheckPage(q.data(), q.size(), DSG_PageCrc(q)), DSG_PAGE_BAD_LAYOUT) << Off;
  }
  DSG_BYTES q = p;
  DSG_Put32(&q[4], DSG_PAGE_PAYLOAD_MAX + 1);
  EXPECT_EQ(DSG_CheckPage(q.data(), q.size(), DSG_PageCrc(q)), DSG_PAGE_BAD_PAYLOAD);
  q[0] = 'Q';
  EXPECT_EQ(DSG_CheckPage(q.data(), q.size(), DSG_PageCrc(q)), DSG_PAGE_BAD_MAGIC);
  // Records that the bytes do not hold cannot be checked.
  EXPECT_EQ(DSG_CheckPage(p.data(), 100, Crc), DSG_PAGE_BAD_CRC);
  EXPECT_EQ(DSG_IsErased(p.data(), 0), 1);
  const uint8_t ff[3] = {0xFF, 0xFF, 0xFF};
  EXPECT_EQ(DSG_IsErased(ff, 3), 1);
  EXPECT_EQ(DSG_IsErased(p.data(), 3), 0);
}

TEST(DesignChecks, TextHeader) {
  DSG_BYTES d = Design();
  DSG_TEXT_FIELDS f;
  ASSERT_EQ(DSG_ParseTextHeader(d.data(), &f), DSG_TEXT_OK);
  EXPECT_EQ(f.Code, 1u);
  EXPECT_STREQ(f.acText1, "design");
  EXPECT_STREQ(f.acNote, "design");
  DSG_BYTES t = d;
  t[0] = 'X';
  EXPECT_EQ(DSG_ParseTextHeader(t.data(), nullptr), DSG_TEXT_BAD_MAGIC);
  t = d;
  char* pLine2 = reinterpret_cast<char*>(&t[32]);
  ASSERT_EQ(pLine2[13], '0');
  pLine2[13] = '1';
  EXPECT_EQ(DSG_ParseTextHeader(t.data(), nullptr), DSG_TEXT_BAD_FORMAT);
  // The eighth line ending at offset 256 lies outside the header.
  t = d;
  std::fill(t.begin(), t.begin() + 256, 'a');
  memcpy(t.data(), DSG_TEXT_MAGIC, DSG_TEXT_MAGIC_LEN);
  const char Line2[] = "\nFormat     : 0\n";
  memcpy(&t[31], Line2, sizeof(Line2) - 1);
  for (int i = 0; i < 5; i++) t[60 + 10 * i] = '\n';
  EXPECT_EQ(DSG_ParseTextHeader(t.data(), nullptr), DSG_TEXT_BAD_END);
  t[255] = '\n';
  EXPECT_EQ(DSG_ParseTextHeader(t.data(), nullptr), DSG_TEXT_OK);
}

TEST(DesignChecks, VersionZeroElementsAreRebuilt) {
  DSG_ELEMENT Old = Element(DSG_EL_TOGGLE, 1, 2, 3, 4), New;
  Old.a[32] = 3;
  Old.SetText(36, 32, u"off");
  Old.SetText(100, 32, u"on");
  Old.SetU32(164, 0x123456);
  ASSERT_EQ(DSG_UpgradeElement(0, &New, Old.a), 0);
  char16_t ac[33];
  New.GetText(New.StateTextOffset(1), 32, ac);
  EXPECT_EQ(std::u16string(ac), u"on");
  EXPECT_EQ(New.StateBk(0, 0), 0x123456u);
  EXPECT_EQ(New.X1(), 3);
  Old.a[32] = 7;  // font index outside the six: not shown
  ASSERT_EQ(DSG_UpgradeElement(0, &New, Old.a), 0);
  EXPECT_EQ(New.Type(), uint32_t(DSG_EL_NONE));
  DSG_ELEMENT Field = Element(DSG_EL_FIELD, 0, 0, 5, 5);
  ASSERT_EQ(DSG_UpgradeElement(0, &New, Field.a), 0);
  EXPECT_EQ(New.Decimals(), 1);
  EXPECT_EQ(New.Width(), -1);
  EXPECT_EQ(DSG_UpgradeElement(2, &New, Field.a), -1);
}

TEST_F(DesignFileTest, DesignImportsAndIsStored) {
  DSG_BYTES d = Design(3, 1);
  DSG_REPORT r;
  ASSERT_EQ(ImportDesign(d, &r), DSG_IMPORT_OK) << r.acText;
  EXPECT_STREQ(r.acText, "3 overview pages, with a picture");
  EXPECT_EQ(UI_IsDesignLayout(), 1);
  EXPECT_NE(UI_DesignHooks.pfDrawPicture, nullptr);
  ASSERT_EQ(DSG_GetNumDesignPages(), 3);
  const uint8_t* p;
  size_t n;
  ASSERT_EQ(DSG_GetDesignPage(2, &p, &n), 0);
  EXPECT_EQ(DSG_Get16(p + 8), 3);
  EXPECT_EQ(DSG_GetDesignPage(3, &p, &n), 1);
  EXPECT_EQ(Folder.Read("Design.q7d"), d);
  EXPECT_FALSE(std::filesystem::exists(Folder.File("Design.q7d.part")));
  // With the do-not-store flag the user folder is left alone.
  std::filesystem::remove(Folder.File("Design.q7d"));
  ASSERT_EQ(ImportDesign(Design(1, 0), nullptr, 1), DSG_IMPORT_OK);
  EXPECT_FALSE(std::filesystem::exists(Folder.File("Design.q7d")));
  EXPECT_EQ(UI_IsDesignLayout(), 0);  // layout byte 0
}

// Every broken check: the previous design and its stored copy stay as they were.
TEST_F(DesignFileTest, BrokenDesignsAreRefusedAndChangeNothing) {
  DSG_BYTES Good = Design(2);
  ASSERT_EQ(ImportDesign(Good), DSG_IMPORT_OK);
  struct Case {
    const char* sWhat;
    int Code;
    std::function<void(DSG_BYTES&)> Break;
  };
  const Case aCase[] = {
      {"text magic", DSG_IMPORT_BAD_HEADER, [](DSG_BYTES& b) { b[3] = 'x'; }},
      {"design magic", DSG_IMPORT_BAD_HEADER, [](DSG_BYTES& b) { EditDesignHeader(b, [](uint8_t* h) { h[1] = 'x'; }); }},
      {"picture too large", DSG_IMPORT_BAD_HEADER,
       [](DSG_BYTES& b) { EditDesignHeader(b, [](uint8_t* h) { DSG_Put32(h + 4, DSG_DESIGN_IMAGE_MAX + 1); }); }},
      {"picture beyond the file", DSG_IMPORT_TRUNCATED,
       [](DSG_BYTES& b) { EditDesignHeader(b, [](uint8_t* h) { DSG_Put32(h + 4, 200000); }); }},
      {"page list too large", DSG_IMPORT_BAD_HEADER,
       [](DSG_BYTES& b) { EditDesignHeader(b, [](uint8_t* h) { DSG_Put16(h + 10, DSG_DICT_AREA + 8); }); }},
      {"page list moved", DSG_IMPORT_BAD_DICT,
       [](DSG_BYTES& b) { EditDesignHeader(b, [](uint8_t* h) { DSG_Put32(h + 4, DSG_Get32(h + 4) + 16); }); }},
      {"page CRC", DSG_IMPORT_BAD_PAGE, [](DSG_BYTES& b) { b[b.size() - 32 - 100] ^= 1; }},
      // The cipher takes whole blocks only: a page list of 4 bytes more than its blocks is not deciphered at all.
      {"page list not in whole blocks", DSG_IMPORT_BAD_DICT,
       [](DSG_BYTES& b) {
         size_t DictEnd = 0;
         EditDesignHeader(b, [&](uint8_t* h) {
           DictEnd = DSG_DESIGN_PICTURE_OFFSET + DSG_Get32(h + 4) + DSG_Get16(h + 10);
           DSG_Put16(h + 10, uint16_t(DSG_Get16(h + 10) + 4));
         });
         b.insert(b.begin() + long(DictEnd), 4, 0);
       }},
  };
  for (const Case& c : aCase) {
    DSG_BYTES b = Good;
    c.Break(b);
    DSG_REPORT r;
    EXPECT_EQ(ImportDesign(b, &r), c.Code) << c.sWhat << ": " << r.acText;
    EXPECT_EQ(DSG_GetNumDesignPages(), 2) << c.sWhat;
    EXPECT_EQ(Folder.Read("Design.q7d"), Good) << c.sWhat;
  }
}

// A dictionary whose count or offsets point past what it holds is refused before anything is read there.
TEST_F(DesignFileTest, DictionaryCountsAndOffsetsAreBounded) {
  DSG_DESIGN_SPEC s;
  s.Pages = {Page(1)};
  DSG_BYTES Good = DSG_WriteDesign(s);
  auto Rewrite = [&](uint32_t Count, uint32_t Offset) {
    DSG_BYTES b = Good;
    uint8_t aDict[16];
    size_t At = DSG_DESIGN_PICTURE_OFFSET;
    AES_CONTEXT c;
    DSG_InitCipher(&c, &b[DSG_TEXT_HEADER_SIZE]);
    AES_Decrypt(&c, &b[At], aDict, 16);
    DSG_Put32(aDict + 4, Count);
    DSG_Put32(aDict + 8, Offset);
    DSG_InitCipher(&c, &b[DSG_TEXT_HEADER_SIZE]);
    AES_Encrypt(&c, aDict, &b[At], 16);
    return b;
  };
  DSG_REPORT r;
  EXPECT_EQ(ImportDesign(Rewrite(1, 0), &r), DSG_IMPORT_OK) << r.acText;
  EXPECT_EQ(ImportDesign(Rewrite(3, 0), &r), DSG_IMPORT_BAD_DICT);  // 20 bytes padded to 32: room for two
  EXPECT_STREQ(r.acText, "its page list names 3 pages but holds at most 2");
  EXPECT_EQ(ImportDesign(Rewrite(1, 0x7FFFFFF0), &r), DSG_IMPORT_BAD_PAGE);
  EXPECT_STREQ(r.acText, "page 1 lies outside the file");
}

TEST_F(DesignFileTest, TruncatedDesignsAreRefusedAtEveryOffset) {
  DSG_BYTES Good = Design(2);
  ASSERT_EQ(ImportDesign(Good), DSG_IMPORT_OK);
  for (size_t n = 0; n < Good.size(); n++) {
    DSG_BYTES Cut(Good.begin(), Good.begin() + long(n));
    ASSERT_NE(ImportDesign(Cut), DSG_IMPORT_OK) << n;
  }
  EXPECT_EQ(DSG_GetNumDesignPages(), 2);
  EXPECT_EQ(Folder.Read("Design.q7d"), Good);
}

TEST_F(DesignFileTest, BrandingImportsAndRefusesBrokenFiles) {
  DSG_BYTES Good = Branding();
  DSG_REPORT r;
  ASSERT_EQ(ImportBranding(Good, &r), DSG_IMPORT_OK) << r.acText;
  ASSERT_NE(DSG_pBranding, nullptr);
  EXPECT_EQ(DSG_pBranding->LogoMode, 2);
  EXPECT_EQ(DSG_pBranding->LogoX, 10);
  EXPECT_EQ(DSG_pBranding->BackgroundSize, Picture().size());
  EXPECT_EQ(Folder.Read("Branding.q7b"), Good);
  for (size_t n = 0; n < Good.size(); n++) {
    EXPECT_NE(ImportBranding(DSG_BYTES(Good.begin(), Good.begin() + long(n))), DSG_IMPORT_OK) << n;
  }
  DSG_BYTES Big = Good;
  DSG_Put32(&Big[4], DSG_BRANDING_PART1_MAX + 1);
  EXPECT_EQ(ImportBranding(Big, &r), DSG_IMPORT_BAD_HEADER);
  Big = Good;
  DSG_Put32(&Big[12], DSG_BRANDING_AREA);  // part 3 passes the check but not the room there is
  EXPECT_EQ(ImportBranding(Big, &r), DSG_IMPORT_BAD_HEADER);
  Big[0] = 'x';
  EXPECT_EQ(ImportBranding(Big, &r), DSG_IMPORT_BAD_HEADER);
  EXPECT_STREQ(r.acText, "it is not a branding file");
  EXPECT_EQ(Folder.Read("Branding.q7b"), Good);
  EXPECT_EQ(DSG_pBranding->LogoX, 10);
}

TEST_F(DesignFileTest, ResetRemovesDesignAndStoredCopy) {
  ASSERT_EQ(ImportDesign(Design()), DSG_IMPORT_OK);
  ASSERT_TRUE(std::filesystem::exists(Folder.File("Design.q7d")));
  DSG_ResetDesign();
  EXPECT_EQ(UI_IsDesignLayout(), 0);
  EXPECT_EQ(UI_DesignHooks.pfDrawPicture, nullptr);
  EXPECT_EQ(DSG_GetNumDesignPages(), 0);
  EXPECT_FALSE(std::filesystem::exists(Folder.File("Design.q7d")));
}

TEST_F(DesignFileTest, StoredFilesLoadAtStartUp) {
  Folder.Write("Design.q7d", Design(2));
  Folder.Write("Branding.q7b", Branding());
  DSG_LoadStoredFiles();
  EXPECT_EQ(DSG_GetNumDesignPages(), 2);
  EXPECT_NE(DSG_pBranding, nullptr);
}

}  // namespace
