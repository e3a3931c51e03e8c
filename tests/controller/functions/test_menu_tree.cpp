// Walks the own node's whole menu tree from the root through object access, reading every record the way the
// screens do, and checks every answer's format; then checks that every element kind the screens know occurs.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Controller.h"
#include "FUNKTION_Meldung.h"
#include "OBJ_Access.h"
#include "OBJ_Map.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Read(uint32_t a, int size) {
  Bytes b(size);
  int n = OBJ_Read(a, b.data(), size, 0);
  b.resize(n > 0 ? n : 0);
  return b;
}

uint16_t L16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }
uint32_t L32(const uint8_t* p) { return (uint32_t)L16(p) | (uint32_t)L16(p + 2) << 16; }

class Walker {
 public:
  std::set<uint32_t> menus;
  std::set<std::pair<int, int>> elements;  // (page kind, code)
  std::set<int> kinds;
  int values = 0, descriptions = 0, texts = 0;

  // Value rule and description rule of the records.
  static uint32_t ValueAddr(uint32_t M, uint8_t sub, uint16_t idx, int off = 0) {
    if ((idx & 0x7000) < 0x5000) {
      sub = (uint8_t)(M >> 16);
      idx = (uint16_t)((idx & ~0x4000) | 0x3000);
    }
    return (M & 0xFF000000) | (uint32_t)sub << 16 | (uint16_t)(idx + off);
  }
  static uint32_t DescAddr(uint32_t M, uint8_t sub, uint16_t idx) {
    if ((idx & 0x7000) < 0x5000) {
      sub = (uint8_t)(M >> 16);
      idx = (uint16_t)((idx & ~0x5000) | 0x2000);
    }
    return (M & 0xFF000000) | (uint32_t)sub << 16 | idx;
  }
  static uint32_t LinkAddr(uint32_t M, uint8_t sub, uint16_t idx) { return (M & 0xFF000000) | sub << 16 | idx; }
  static uint32_t Alias(uint32_t a) {
    uint16_t idx = (uint16_t)a;
    int bits = (idx >> 12) & 7;
    if (bits <= 4) idx = (uint16_t)((idx & 0x0FFF) | 0x4000);
    return (a & 0xFFFF0000) | idx;
  }

  void Text(uint32_t a) {
    Bytes b = Read(a, 160);
    ASSERT_GE(b.size(), 4u) << std::hex << "text " << a;
    int cls = b[0] & 0x70;
    EXPECT_TRUE(cls != 0x30 && cls != 0x40 && cls != 0x50) << std::hex << "a value where a text belongs: " << a;
    bool terminated = false;
    for (size_t i = 2; i + 1 < b.size(); i += 2)
      if (L16(&b[i]) == 0) terminated = true;
    EXPECT_TRUE(terminated) << std::hex << "text not terminated " << a;
    texts++;
  }

  void Value(uint32_t a) {
    Bytes b = Read(a, 160);
    ASSERT_FALSE(b.empty()) << std::hex << "value " << a;
    int cls = b[0] & 0x70;
    size_t need = cls == 0x10 ? 2 : cls == 0x30 ? 3 : cls == 0x40 ? 4 : cls == 0x50 ? 6 : 0;
    ASSERT_NE(need, 0u) << std::hex << "value class " << (int)b[0] << " at " << a;
    EXPECT_GE(b.size(), need) << std::hex << a;
    values++;
  }

  void Description(uint32_t entry) {
    uint32_t a = Alias(entry);
    Bytes b = Read(a, 160);
    ASSERT_FALSE(b.empty()) << std::hex << "description " << a;
    int type = b[0] & 0x7F, cls = b[0] & 0x70;
    if (cls == 0x10 && (type == 0x11 || type == 0x12 || type == 0x13)) {
      ASSERT_GE(b.size(), 5u);
      int count = b[2];
      uint16_t items = L16(&b[3]);
      EXPECT_GT(count, 0);
      for (int p = 0; p < count; p++) {
        Bytes it = Read((entry & 0xFF000000) | (uint32_t)p << 16 | items, 160);
        ASSERT_GE(it.size(), 4u) << std::hex << "item " << p << " of " << a;
        EXPECT_LT(it[1], 150);
      }
      EXPECT_LT(b[1], count);
    } else if (cls == 0x10 && type == 0x18) {
      ASSERT_GE(b.size(), 4u);
      EXPECT_LE(b[1], 24);
    } else if (cls == 0x50) {
      ASSERT_GE(b.size(), 14u) << std::hex << a;
      int32_t v = (int32_t)L32(&b[2]), lo = (int32_t)L32(&b[6]), hi = (int32_t)L32(&b[10]);
      EXPECT_LE(lo, hi) << std::hex << a;
      EXPECT_TRUE(v >= lo && v <= hi) << std::hex << a << " value " << v;
    } else if (cls == 0x30) {
      ASSERT_GE(b.size(), 5u);
    } else {
      ADD_FAILURE() << std::hex << "description class " << (int)b[0] << " at " << a;
    }
    descriptions++;
  }

  void Menu(uint32_t M) {
    if (!menus.insert(M).second) return;
    SCOPED_TRACE(testing::Message() << std::hex << "menu " << M);
    Bytes title = Read(M, 160);
    ASSERT_GE(title.size(), 4u) << "title";
    Bytes d = Read(M, 4096);
    ASSERT_GE(d.size(), 16u);
    ASSERT_EQ(d[0], 0x60);
    uint32_t w1 = L32(&d[4]), w2 = L32(&d[8]);
    uint32_t word = w2 ? w2 : w1;
    ASSERT_EQ(word & 0xFF, 0u);
    int kind = (word >> 8) & 0xFF;
    kinds.insert(kind);
    size_t pos = w2 ? 12 : 24;
    std::vector<std::array<uint8_t, 4>> recs;
    for (;; pos += 4) {
      ASSERT_LE(pos + 4, d.size()) << "record list does not end";
      if (d[pos] == 0 && d[pos + 1] == 0) break;
      recs.push_back({d[pos], d[pos + 1], d[pos + 2], d[pos + 3]});
    }
    ASSERT_FALSE(recs.empty());
    switch (kind) {
      case 1: Kind1(M, recs); break;
      case 2: Kind2(M, recs); break;
      case 3: Kind3(M, recs); break;
      case 7: Kind7(M, recs); break;
      case 8:
      case 13: Structured(M, recs, kind); break;
      case 10:
      case 11: Panel(M, recs, kind); break;
      default: ADD_FAILURE() << "page kind without a builder " << kind;
    }
  }

  static uint16_t Idx(const std::array<uint8_t, 4>& r) { return (uint16_t)(r[2] | r[3] << 8); }

  void Kind1(uint32_t M, const std::vector<std::array<uint8_t, 4>>& recs) {
    for (auto& r : recs) {
      elements.insert({1, r[0] == 0x20 ? 0x20 : 1});
      if (r[0] == 0x20)
        Value(ValueAddr(M, r[1], Idx(r)));
      else if (r[0] >= 1 && r[0] <= 13)
        Menu(LinkAddr(M, r[1], Idx(r)));
    }
  }

  void Kind2(uint32_t M, const std::vector<std::array<uint8_t, 4>>& recs) {
    for (auto& r : recs) {
      elements.insert({2, r[0]});
      switch (r[0]) {
        case 1: Text(LinkAddr(M, r[1], Idx(r))); break;
        case 0x12: Text(LinkAddr(M, r[1], Idx(r))); break;
        case 0x13:
        case 0x14: Menu(LinkAddr(M, r[1], Idx(r))); break;
        case 0x22:
        case 0x23:
        case 0x24:
        case 0xA1: Value(ValueAddr(M, r[1], Idx(r))); break;
        default: break;
      }
    }
  }

  void Kind3(uint32_t M, const std::vector<std::array<uint8_t, 4>>& recs) {
    for (auto& r : recs) {
      elements.insert({3, r[0]});
      if (r[0] == '0' || r[0] == '2') Text(ValueAddr(M, r[1], Idx(r)));
      if (r[0] == 0x51) {
        EXPECT_GE(Read(ValueAddr(M, r[1], Idx(r)), 160).size(), 72u);
      }
    }
  }

  void Kind7(uint32_t M, const std::vector<std::array<uint8_t, 4>>& recs) {
    for (size_t i = 0; i < recs.size(); i++) {
      const auto& h = recs[i];
      uint8_t code = h[0];
      elements.insert({7, code});
      uint32_t link = LinkAddr(M, h[1], Idx(h));
      if (code == '0' || code == '1' || code == '2') {
        Text(link);
        continue;
      }
      if (code == 0x40) {
        Bytes b = Read(LinkAddr(M, h[1], Idx(h)), 4096);
        ASSERT_GE(b.size(), 4u);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(&b[2])).rfind("M0:\\", 0), 0u);
        continue;
      }
      if (code == 'S' || code == 'T') {
        EXPECT_GE(Read(link, 4).size(), 4u);
        Text(link);
        i++;
        continue;
      }
      bool valueLine = (code >= 2 && code <= 20) || code == 'f' || code == 'v' || code == 'Q';
      ASSERT_TRUE(valueLine) << "code " << (int)code;
      if (code == 'v') {
        Text(link);
        Description(link);
      } else if (code == 'f' || code == 11) {
        Text(link);
      } else if (code != 'Q') {
        Menu(link);
      }
      size_t j = i + 1;
      for (; j < recs.size() && recs[j][0] != 1; j++) {
        const auto& s = recs[j];
        uint8_t c = s[0];
        elements.insert({7, c});
        uint32_t va = ValueAddr(M, s[1], Idx(s));
        if (code == 'Q') {
          if (c == 0x20) Text(LinkAddr(M, s[1], Idx(s)));
          if (c == 0x29) {
            EXPECT_GE(Read(LinkAddr(M, s[1], Idx(s)), 4).size(), 4u);
          }
          continue;
        }
        if (c == 0x20 || c == 0xA1 || c == 0x21) Value(va);
        if ((c >= 0x22 && c <= 0x24) || (c >= 0x2B && c <= 0x2D) || (c >= 0x80 && c <= 0x82)) {
          Value(va);
          if (c <= 0x24) Description(va);
        }
        if (c == 0x2A) {
          Bytes e = Read(LinkAddr(M, s[1], Idx(s)), 4096);
          ASSERT_GE(e.size(), 16u);
          ASSERT_EQ(e[0], 0x60);
          for (size_t p = 12; p + 4 <= e.size() && (e[p] || e[p + 1]); p += 4) {
            if ((e[p] & 15) == 6) Value(ValueAddr(LinkAddr(M, s[1], Idx(s)), e[p + 1], L16(&e[p + 2])));
          }
        }
      }
      ASSERT_LT(j, recs.size()) << "value line without its end record";
      i = j;
    }
  }

  void Panel(uint32_t M, const std::vector<std::array<uint8_t, 4>>& recs, int kind) {
    for (auto& r : recs) {
      elements.insert({10, r[0]});
      uint32_t va = ValueAddr(M, r[1], Idx(r));
      switch (r[0]) {
        case 2:
        case 3: Menu((M & 0xFFFF0000) | Idx(r)); break;
        case 4:
        case 7:
        case 8:
        case 10:
        case 11:
        case 12:
        case 14: Value(va); break;
        case 9:
        case 13:
        case 5: EXPECT_FALSE(Read(va, 160).empty()); break;
        case 17: Text(va); break;
        case 15:
        case 16:
          // The label or the selection's text at the value address, the entry by the description rule.
          Text(va);
          Description(DescAddr(M, r[1], Idx(r)));
          break;
        default: break;
      }
    }
  }

  void Structured(uint32_t M, const std::vector<std::array<uint8_t, 4>>& recs, int kind) {
    int depth = 0;
    for (size_t i = 0; i < recs.size(); i++) {
      const auto& r = recs[i];
      int k = r[0] & 15;
      elements.insert({8, k});
      if (k == 11) {  // repetition: expand the body count times
        size_t end = i + 1;
        while (end < recs.size() && recs[end][0] != 13) end++;
        ASSERT_LT(end, recs.size()) << "repetition without end";
        int count = Idx(r);
        for (int pass = 0; pass < count; pass++)
          for (size_t b = i + 1; b < end; b++) StructRecord(M, recs, b, pass * r[1]);
        elements.insert({8, 13});
        i = end;
        continue;
      }
      if (k == 9) depth++;
      if (k == 10) depth--;
      StructRecord(M, recs, i, 0);
    }
    EXPECT_EQ(depth, 0) << "condition blocks do not close";
  }

  void StructRecord(uint32_t M, const std::vector<std::array<uint8_t, 4>>& recs, size_t i, int off) {
    const auto& r = recs[i];
    int k = r[0] & 15;
    elements.insert({8, k});
    uint16_t idx = Idx(r);
    switch (k) {
      case 1: {
        uint32_t a = (idx >= 5 && idx < 0x5000) ? ValueAddr(M, r[1], idx, off) : LinkAddr(M, r[1], (uint16_t)(idx + off));
        Text(a);
        break;
      }
      case 2:
      case 5:
        Value(i > 0 && (recs[i - 1][0] & 15) == 3 ? ValueAddr(M, recs[i - 1][1], Idx(recs[i - 1]), off)
                                                  : ValueAddr(M, r[1], idx, off));
        break;
      case 4: {
        bool src = i > 0 && (recs[i - 1][0] & 15) == 3;
        uint32_t va = src ? ValueAddr(M, recs[i - 1][1], Idx(recs[i - 1]), off) : ValueAddr(M, r[1], idx, off);
        Bytes b = Read(va, 160);
        ASSERT_FALSE(b.empty()) << std::hex << va;
        if (src) Description(va);
        if (src) Text(ValueAddr(M, r[1], idx, off));
        break;
      }
      case 6: Text(ValueAddr(M, r[1], idx, off)); break;
      case 8: Menu(LinkAddr(M, r[1], (r[0] & 0x10) ? idx : (uint16_t)((M & 0xFFC0) + idx))); break;
      case 12: EXPECT_TRUE(i > 0); break;
      default: break;
    }
  }
};

class MenuTree : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("menu-tree-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "Intern");
    snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", dir.c_str());
    FKT_InstallFunctionModules();
    APP_InitController();
    SYS_UpdateClock(1765000000);
    FUNKTION_BASIS_PAR* p;
    ASSERT_EQ(FKT_CreateObject(FKT_TYPE_MESSAGE, 3, &p), FKT_OK);
    ASSERT_EQ(FKT_CreateObject(FKT_TYPE_MESSAGE, 40, &p), FKT_OK);
    IO_FixedValues[2].SetParameter(0, 1, 0);  // a digital fixed value: its page has a switch
    // A code of its own for the expert, none for the technician: both kinds of access boxes.
    uint8_t rec[WHIRL_DIGEST_SIZE];
    SET_MakeCodeRecord(u"", 0, rec);
    SET_General.SetCodeRecord(1, rec);
    ASSERT_EQ(DAT_SaveFunctionDataFile("M0:\\walk.dat"), DAT_OK);
  }
  void TearDown() override {
    APP_InitController();
    std::filesystem::remove_all(dir);
  }
  std::filesystem::path dir;
};

}  // namespace

TEST_F(MenuTree, WholeTreeAnswersInItsFormats) {
  Walker w;
  w.Menu(0x5800);
  // The addresses the screens open by number.
  for (uint32_t a : {0x45800u, 0x65800u, 0xD5800u, 0x35A85u, 0xB5800u}) w.Menu(a);
  // Every page of the tree also answers under the own node's number.
  w.Menu((uint32_t)SET_Can.GetParameter(SET_CAN_PAR_NODE) << 24 | 0x5800);
  EXPECT_GT(w.menus.size(), 60u);
  EXPECT_GT(w.values, 100);
  EXPECT_GT(w.descriptions, 50);
  EXPECT_EQ(w.kinds, (std::set<int>{1, 2, 3, 7, 10, 11, 13}));
  // Every element kind of the screens occurs.
  std::set<std::pair<int, int>> want;
  want.insert({1, 1});
  want.insert({1, 0x20});
  for (int c : {1, 16, 0x12, 0x13, 0x14, 0x11, 32, 0x22, 0x23, 0x24, 0xA1, 0x21}) want.insert({2, c});
  for (int c : {(int)'0', (int)'2', 0x51}) want.insert({3, c});
  for (int c : std::initializer_list<int>{2, 3, 4, 6, 7, 8, 9, 10, 11, 19, 'f', 'v', 'S', 'T', 'Q', '0', '1', '2',
                                          0x40, 0x20, 0x21, 0x22, 0x23, 0x24, 0x2A, 0x2B, 0x2C, 0x80, 0x81, 0xA1,
                                          0x28, 0x29})
    want.insert({7, c});
  for (int c : {2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17}) want.insert({10, c});
  // Kind 7 is unused; no page of the own node numbers its rows, so label generators (12) come only from others.
  for (int k = 1; k <= 13; k++)
    if (k != 7 && k != 12) want.insert({8, k});
  for (const auto& e : want) EXPECT_TRUE(w.elements.count(e)) << "page kind " << e.first << " code " << e.second;
}

TEST_F(MenuTree, RootTilesCoverEveryIcon) {
  Bytes d = Read(0x5800, 4096);
  std::set<int> icons;
  for (size_t p = 12; p + 4 <= d.size() && (d[p] || d[p + 1]); p += 4)
    if (d[p] >= 1 && d[p] <= 13) icons.insert(d[p]);
  EXPECT_EQ(icons.size(), 13u);
}
