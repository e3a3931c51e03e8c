// Building text tables from packed blobs: layout, refusals, and hostile blobs.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TXT_Data.h"
#include "TXT_Table.h"
#include "txt_test_util.h"

namespace {

void _PutU32(std::vector<uint8_t>* p, uint32_t v) {
  for (int i = 0; i < 4; i++) {
    p->push_back(uint8_t(v >> 8 * i));
  }
}

// A blob of the packed form: per language a list of groups, each a list of texts.
std::vector<uint8_t> _Blob(const std::vector<std::vector<std::vector<std::u16string>>>& Languages) {
  size_t G = Languages[0].size();
  uint32_t S = 0;
  for (auto& Group : Languages[0]) {
    S += uint32_t(Group.size());
  }
  std::vector<std::vector<uint8_t>> Sections;
  for (auto& Groups : Languages) {
    std::vector<uint8_t> Section, Offsets, Area(4, 0);
    uint32_t First = 0;
    for (auto& Group : Groups) {
      _PutU32(&Section, First);
      Section.push_back(uint8_t(Group.size()));
      Section.push_back(0);
      Section.push_back(uint8_t(First));
      Section.push_back(0); // extra value: the first index, to see it carried
      First += uint32_t(Group.size());
      for (auto& Text : Group) {
        _PutU32(&Offsets, uint32_t(Area.size() / 4));
        for (char16_t c : Text) {
          Area.push_back(uint8_t(c));
          Area.push_back(uint8_t(c >> 8));
        }
        Area.push_back(0);
        Area.push_back(0);
        while (Area.size() % 4) {
          Area.push_back(0);
        }
      }
    }
    uint32_t Words = uint32_t(Area.size() / 4);
    std::memcpy(Area.data(), &Words, 4); // little-endian host
    Section.insert(Section.end(), Offsets.begin(), Offsets.end());
    Section.insert(Section.end(), Area.begin(), Area.end());
    Sections.push_back(Section);
  }
  std::vector<uint8_t> Blob;
  _PutU32(&Blob, uint32_t(Languages.size()));
  _PutU32(&Blob, uint32_t(G));
  _PutU32(&Blob, S);
  uint32_t Pos = uint32_t(3 + Languages.size());
  for (auto& Section : Sections) {
    _PutU32(&Blob, Pos);
    Pos += uint32_t(Section.size() / 4);
  }
  for (auto& Section : Sections) {
    Blob.insert(Blob.end(), Section.begin(), Section.end());
  }
  return Blob;
}

const std::vector<std::vector<std::vector<std::u16string>>> _kTwoLanguages = {
    {{u"Nein", u"Ja"}, {}, {u"AUS", u"EIN", u"Nein"}},
    {{u"No", u"Yes"}, {}, {u"OFF", u"ON", u"No"}},
};

struct Buffer {
  alignas(8) uint8_t a[4096];
  Buffer() { std::memset(a, 0xAB, sizeof a); }
  bool Untouched() const {
    for (uint8_t b : a) {
      if (b != 0xAB) {
        return false;
      }
    }
    return true;
  }
  TXT_TABLE* Table() { return reinterpret_cast<TXT_TABLE*>(a); }
};

TEST(TxtBuildTable, BuildsGroupsAndTextsOfEachLanguage) {
  std::vector<uint8_t> Blob = _Blob(_kTwoLanguages);
  for (int Lang = 0; Lang < 2; Lang++) {
    Buffer B;
    size_t Need = TXT_TableSize(Blob.data(), Blob.size(), Lang);
    // Pointers and records, then the text area: its length word and the texts in whole words.
    const size_t aAreaBytes[] = {4 + 12 + 8 + 8 + 8 + 12, 4 + 8 + 8 + 8 + 8 + 8};
    EXPECT_EQ(Need, 3 * (sizeof(TXT_GROUP*) + sizeof(TXT_GROUP)) + 5 * sizeof(char16_t*) + aAreaBytes[Lang]);
    ASSERT_EQ(TXT_BuildTable(B.a, Need, Blob.data(), Blob.size(), Lang), TXT_BUILD_OK);
    TXT_TABLE* t = B.Table();
    EXPECT_EQ(t[0]->NumItems, 2);
    EXPECT_EQ(t[1]->NumItems, 0);
    EXPECT_EQ(t[2]->NumItems, 3);
    EXPECT_EQ(t[2]->Extra, 2);
    for (size_t g = 0; g < 3; g++) {
      for (size_t i = 0; i < t[g]->NumItems; i++) {
        EXPECT_EQ(std::u16string(t[g]->papText[i]), _kTwoLanguages[Lang][g][i]);
      }
    }
    // The texts live in the destination, not in the blob.
    EXPECT_GE(reinterpret_cast<const uint8_t*>(t[0]->papText[0]), B.a);
    EXPECT_LT(reinterpret_cast<const uint8_t*>(t[2]->papText[2]), B.a + Need);
    // An empty group points at the next group's first string.
    EXPECT_EQ(t[1]->papText, t[2]->papText);
  }
}

TEST(TxtBuildTable, RefusesAMissingLanguageAndLeavesTheDestination) {
  std::vector<uint8_t> Blob = _Blob(_kTwoLanguages);
  Buffer B;
  EXPECT_EQ(TXT_BuildTable(B.a, sizeof B.a, Blob.data(), Blob.size(), 2), TXT_BUILD_NO_LANGUAGE);
  EXPECT_EQ(TXT_BuildTable(B.a, sizeof B.a, Blob.data(), Blob.size(), -1), TXT_BUILD_NO_LANGUAGE);
  EXPECT_TRUE(B.Untouched());
  EXPECT_EQ(TXT_TableSize(Blob.data(), Blob.size(), 2), 0u);
}

TEST(TxtBuildTable, RefusesATooSmallOrMisalignedDestination) {
  std::vector<uint8_t> Blob = _Blob(_kTwoLanguages);
  size_t Need = TXT_TableSize(Blob.data(), Blob.size(), 1);
  Buffer B;
  EXPECT_EQ(TXT_BuildTable(B.a, Need - 1, Blob.data(), Blob.size(), 1), TXT_BUILD_TOO_SMALL);
  EXPECT_EQ(TXT_BuildTable(B.a + 4, sizeof B.a - 4, Blob.data(), Blob.size(), 1), TXT_BUILD_TOO_SMALL);
  EXPECT_EQ(TXT_BuildTable(nullptr, Need, Blob.data(), Blob.size(), 1), TXT_BUILD_TOO_SMALL);
  EXPECT_TRUE(B.Untouched());
  EXPECT_EQ(TXT_BuildTable(B.a, Need, Blob.data(), Blob.size(), 1), TXT_BUILD_OK);
}

TEST(TxtBuildTable, CompiledBlobsBuildEveryLanguageAndNoMore) {
  for (int Lang = 0; Lang < 7; Lang++) {
    struct {
      const uint8_t* pBlob;
      size_t Size;
    } aBlob[] = {{TXT_UiTextBlob, TXT_UiTextBlobSize}, {TXT_KeyboardBlob, TXT_KeyboardBlobSize}};
    for (auto [pBlob, Size] : aBlob) {
      size_t Need = TXT_TableSize(pBlob, Size, Lang);
      ASSERT_GT(Need, 0u) << Lang;
      std::vector<uint64_t> Dest(Need / 8 + 1);
      EXPECT_EQ(TXT_BuildTable(Dest.data(), Need, pBlob, Size, Lang), TXT_BUILD_OK);
    }
  }
  Buffer B;
  EXPECT_EQ(TXT_BuildTable(B.a, sizeof B.a, TXT_UiTextBlob, TXT_UiTextBlobSize, 7), TXT_BUILD_NO_LANGUAGE);
  EXPECT_EQ(TXT_BuildTable(B.a, sizeof B.a, TXT_KeyboardBlob, TXT_KeyboardBlobSize, 7), TXT_BUILD_NO_LANGUAGE);
  EXPECT_TRUE(B.Untouched());
}

// A single table of plain values: {count word 0xFFFFFFFF, G, S, one offset}, records, values.
std::vector<uint8_t> _SingleTable(uint32_t CountWord) {
  std::vector<uint8_t> Blob;
  _PutU32(&Blob, CountWord);
  _PutU32(&Blob, 2);
  _PutU32(&Blob, 3);
  _PutU32(&Blob, 4);
  _PutU32(&Blob, 0);
  _PutU32(&Blob, 1 | 7u << 16); // group 0: first 0, one item, extra 0
  _PutU32(&Blob, 1);
  _PutU32(&Blob, 2); // group 1: first 1, two items
  for (uint32_t v : {11u, 0xDEADBEEFu, 33u}) {
    _PutU32(&Blob, v);
  }
  return Blob;
}

TEST(TxtBuildTable, SingleTableBuildsForAnyLanguage) {
  std::vector<uint8_t> Blob = _SingleTable(TXT_SINGLE_TABLE);
  for (int Lang : {0, 5, 99}) {
    Buffer B;
    ASSERT_EQ(TXT_BuildTable(B.a, sizeof B.a, Blob.data(), Blob.size(), Lang), TXT_BUILD_OK);
    TXT_TABLE* t = B.Table();
    EXPECT_EQ(t[0]->NumItems, 1);
    EXPECT_EQ(t[0]->paValue[0], 11u);
    EXPECT_EQ(t[1]->NumItems, 2);
    EXPECT_EQ(t[1]->paValue[0], 0xDEADBEEFu);
    EXPECT_EQ(t[1]->paValue[1], 33u);
  }
  EXPECT_EQ(TXT_TableSize(Blob.data(), Blob.size(), 0), 2 * (sizeof(TXT_GROUP*) + sizeof(TXT_GROUP)) + 3 * 4);
}

TEST(TxtBuildTable, TruncatedBlobsAreRefused) {
  std::vector<uint8_t> Blob = _Blob(_kTwoLanguages);
  // Every prefix of the blob that cuts into language 1 must be refused without reading past its end.
  for (size_t n = 0; n < Blob.size(); n++) {
    std::vector<uint8_t> Cut(Blob.begin(), Blob.begin() + long(n));
    Buffer B;
    EXPECT_NE(TXT_BuildTable(B.a, sizeof B.a, Cut.data(), Cut.size(), 1), TXT_BUILD_OK) << n;
    EXPECT_TRUE(B.Untouched()) << n;
  }
  std::vector<uint8_t> Single = _SingleTable(TXT_SINGLE_TABLE);
  for (size_t n = 0; n < Single.size(); n++) {
    Buffer B;
    EXPECT_EQ(TXT_BuildTable(B.a, sizeof B.a, Single.data(), n, 0), TXT_BUILD_BAD_BLOB) << n;
  }
}

TEST(TxtBuildTable, OffsetsOutsideTheBlobAreRefused) {
  const std::vector<uint8_t> Good = _Blob(_kTwoLanguages);
  const size_t Section1 = size_t(Good[16]) * 4; // language 1's offset word
  const size_t Strings = Section1 + 3 * 8;
  auto Try = [&](size_t At, uint32_t Value) {
    std::vector<uint8_t> Bad = Good;
    std::memcpy(&Bad[At], &Value, 4);
    Buffer B;
    int r = TXT_BuildTable(B.a, sizeof B.a, Bad.data(), Bad.size(), 1);
    EXPECT_TRUE(B.Untouched() || r == TXT_BUILD_OK);
    return r;
  };
  EXPECT_EQ(Try(16, 0x40000000), TXT_BUILD_BAD_BLOB);           // section beyond the blob
  EXPECT_EQ(Try(4, 0x10000000), TXT_BUILD_BAD_BLOB);            // absurd group count
  EXPECT_EQ(Try(8, 0xFFFFFFFF), TXT_BUILD_BAD_BLOB);            // absurd string count
  EXPECT_EQ(Try(Section1 + 2 * 8, 4), TXT_BUILD_BAD_BLOB);      // group runs past the strings
  EXPECT_EQ(Try(Strings, 0), TXT_BUILD_BAD_BLOB);               // string at the length word
  EXPECT_EQ(Try(Strings, 1000), TXT_BUILD_BAD_BLOB);            // string beyond the text area
  EXPECT_EQ(Try(Strings + 5 * 4, 0x7FFFFFFF), TXT_BUILD_BAD_BLOB); // text area longer than the blob
  EXPECT_EQ(Try(Strings + 5 * 4, 0), TXT_BUILD_BAD_BLOB);       // text area without its length word
  // A text area cut right after a string's characters leaves it without its terminator.
  std::vector<uint8_t> Bad = Good;
  uint32_t Words = 2; // length word and "No" without its NUL
  std::memcpy(&Bad[Strings + 5 * 4], &Words, 4);
  Bad[Strings + 5 * 4 + 8] = 'x';
  Bad[Strings + 5 * 4 + 9] = 0;
  uint32_t Off = 1;
  std::memcpy(&Bad[Strings], &Off, 4);
  Buffer B;
  EXPECT_EQ(TXT_BuildTable(B.a, sizeof B.a, Bad.data(), Bad.size(), 1), TXT_BUILD_BAD_BLOB);
  EXPECT_EQ(TXT_BuildTable(B.a, sizeof B.a, nullptr, 100, 0), TXT_BUILD_BAD_BLOB);
}

TEST(TxtBuildTable, MutatedBlobsNeverReachOutsideBlobOrDestination) {
  // Under the sanitizers any read outside the blob or write outside the destination fails the run.
  const std::vector<uint8_t> Good = _Blob(_kTwoLanguages);
  uint32_t Seed = 12345;
  auto Next = [&Seed] { return Seed = Seed * 1103515245u + 12345u, Seed >> 8; };
  int Built = 0;
  for (int Round = 0; Round < 20000; Round++) {
    std::vector<uint8_t> Bad = Good;
    for (int k = int(Next() % 4); k >= 0; k--) {
      Bad[Next() % Bad.size()] = uint8_t(Next() % 3 == 0 ? 0xFF : Next());
    }
    size_t Cut = Next() % 8;
    Bad.erase(Bad.end() - long(Cut), Bad.end()); // the blob is far longer than 8 bytes
    int Lang = int(Next() % 3);
    size_t Need = TXT_TableSize(Bad.data(), Bad.size(), Lang);
    std::vector<uint64_t> Dest(Need / 8 + 1);
    int r = TXT_BuildTable(Dest.data(), Need, Bad.data(), Bad.size(), Lang);
    ASSERT_EQ(r == TXT_BUILD_OK, Need != 0);
    if (r != TXT_BUILD_OK) {
      continue;
    }
    Built++;
    // Every text of a built table ends inside the destination.
    const uint8_t* pEnd = reinterpret_cast<const uint8_t*>(Dest.data()) + Need;
    TXT_TABLE* t = reinterpret_cast<TXT_TABLE*>(Dest.data());
    for (uint32_t g = 0; g < 3 && g < Bad[4]; g++) {
      for (int i = 0; i < t[g]->NumItems; i++) {
        const char16_t* p = t[g]->papText[i];
        while (*p) {
          p++;
        }
        ASSERT_LT(reinterpret_cast<const uint8_t*>(p), pEnd);
      }
    }
  }
  EXPECT_GT(Built, 1000); // the mutations also reach the building, not only the refusals
}

TEST(TxtCopyCountedString, CopiesWithinTheDestination) {
  std::vector<uint8_t> Src;
  _PutU32(&Src, 3);
  for (char16_t c : u"Abc") {
    Src.push_back(uint8_t(c));
    Src.push_back(uint8_t(c >> 8));
  }
  char16_t ac[4] = {u'#', u'#', u'#', u'#'};
  EXPECT_EQ(TXT_CopyCountedString(Src.data(), Src.size(), ac, 5), -1);
  EXPECT_EQ(ac[0], u'#');
  EXPECT_EQ(TXT_CopyCountedString(Src.data(), 9, ac, 8), -1); // source shorter than its count
  EXPECT_EQ(TXT_CopyCountedString(Src.data(), Src.size(), ac, 6), 0);
  EXPECT_EQ(std::u16string(ac, 4), u"Abc#"); // no terminator is added
  std::vector<uint8_t> Empty;
  _PutU32(&Empty, 0);
  EXPECT_EQ(TXT_CopyCountedString(Empty.data(), Empty.size(), ac, 0), 0);
  EXPECT_EQ(TXT_CopyCountedString(nullptr, 4, ac, 8), -1);
}

} // namespace
