// Counted lists in fixed slots: the layout, cut items, and destinations or sources that are too small.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TXT_Table.h"

namespace {

std::vector<uint8_t> List(uint32_t SlotLen, const std::vector<std::u16string>& Items) {
  std::vector<uint8_t> v;
  auto Put32 = [&](uint32_t x) {
    for (int i = 0; i < 4; i++) v.push_back(uint8_t(x >> (8 * i)));
  };
  Put32(uint32_t(Items.size()));
  Put32(SlotLen);
  for (const auto& s : Items) {
    Put32(uint32_t(s.size()));
    for (char16_t c : s) v.push_back(uint8_t(c)), v.push_back(uint8_t(c >> 8));
  }
  return v;
}

TEST(CountedList, ItemsLieInFixedSlotsBehindTheirRecords) {
  std::vector<uint8_t> Src = List(4, {u"ab", u"", u"cdefg"});
  alignas(8) uint8_t Dest[4 * 3 + 2 * 4 * 3];
  ASSERT_EQ(TXT_BuildCountedList(Src.data(), Src.size(), Dest, sizeof(Dest)), 0);
  const char16_t* pSlots = reinterpret_cast<const char16_t*>(Dest + 12);
  EXPECT_EQ(std::u16string(pSlots), u"ab");
  EXPECT_EQ(std::u16string(pSlots + 4), u"");
  EXPECT_EQ(std::u16string(pSlots + 8), u"cde");  // cut to the slot, terminated
  EXPECT_EQ(Dest[8], 8);                          // third record: slot at character 8, 3 characters
  EXPECT_EQ(Dest[10], 3);
  // The destination must hold the last slot too; the source must hold what its counts say.
  EXPECT_EQ(TXT_BuildCountedList(Src.data(), Src.size(), Dest, sizeof(Dest) - 1), -1);
  EXPECT_EQ(TXT_BuildCountedList(Src.data(), Src.size() - 1, Dest, sizeof(Dest)), -1);
  EXPECT_EQ(TXT_BuildCountedList(Src.data(), 7, Dest, sizeof(Dest)), -1);
}

}  // namespace
