// The handle heap: statistics, compaction, locking, realloc and injected failures.
#include <cstring>
#include <random>
#include <vector>

#include "GuiTest.h"

namespace {

class AllocTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    BaseFree = GUI_ALLOC_GetNumFreeBytes();
    BaseUsedBlocks = GUI_ALLOC_GetNumUsedBlocks();
  }
  void TearDown() override {
    EXPECT_EQ(GUI_ALLOC__Check(), 0);
    GUI_ALLOC__SetTestLimit(0);
    GUI_ALLOC__FailNth(0);
    GuiTest::TearDown();
  }
  I32 BaseFree = 0;
  I32 BaseUsedBlocks = 0;
};

// Gross size of a block as the heap books it: payload rounded to 16 plus a 16-byte header.
I32 Gross(I32 Size) { return ((Size + 15) & ~15) + 16; }

TEST_F(AllocTest, StatisticsAreExactAfterFragmentingStress) {
  std::mt19937 Rng(1234);
  std::vector<std::pair<GUI_HMEM, I32>> Live;
  I32 Expected = 0;
  for (int Round = 0; Round < 4000; Round++) {
    if (Live.empty() || Rng() % 3) {
      I32 Size = 1 + (I32)(Rng() % 700);
      GUI_HMEM h = GUI_ALLOC_AllocNoInit(Size);
      ASSERT_NE(h, 0);
      std::memset(GUI_ALLOC_h2p(h), (int)(h & 0xFF), (size_t)Size);
      Live.push_back({h, Size});
      Expected += Gross(Size);
    } else {
      size_t i = Rng() % Live.size();
      GUI_ALLOC_Free(Live[i].first);
      Expected -= Gross(Live[i].second);
      Live[i] = Live.back();
      Live.pop_back();
    }
  }
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), BaseUsedBlocks + (I32)Live.size());
  EXPECT_EQ(BaseFree - GUI_ALLOC_GetNumFreeBytes(), Expected);
  for (auto& [h, Size] : Live) {
    EXPECT_EQ(GUI_ALLOC_GetSize(h), Size);
    const U8* p = static_cast<const U8*>(GUI_ALLOC_h2p(h));
    for (I32 i = 0; i < Size; i++) {
      ASSERT_EQ(p[i], (U8)(h & 0xFF)) << "block " << h << " corrupted at " << i;
    }
    GUI_ALLOC_Free(h);
  }
  EXPECT_EQ(GUI_ALLOC_GetNumFreeBytes(), BaseFree);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), BaseUsedBlocks);
}

TEST_F(AllocTest, CompactionMovesOnlyUnlockedBlocks) {
  // Fill the heap with alternating blocks, free every other one, then ask for one block larger than any
  // gap: the heap must compact, and the locked block must stay where it is.
  const I32 Size = 4096;
  std::vector<GUI_HMEM> Handles;
  for (;;) {
    GUI_HMEM h = GUI_ALLOC_AllocZero(Size);
    if (!h) {
      break;
    }
    Handles.push_back(h);
  }
  ASSERT_GT(Handles.size(), 100u);
  for (size_t i = 0; i < Handles.size(); i += 2) {
    GUI_ALLOC_Free(Handles[i]);
  }
  GUI_HMEM hLocked = Handles[Handles.size() / 2 | 1];
  U8* pLocked = static_cast<U8*>(GUI_ALLOC_LockH(hLocked));
  std::memset(pLocked, 0x5A, Size);
  GUI_HMEM hMoved = Handles[1];
  std::memset(GUI_ALLOC_h2p(hMoved), 0xA5, Size);
  EXPECT_LT(GUI_ALLOC_GetMaxFreeBlockSize(), 3 * Size);
  GUI_HMEM hBig = GUI_ALLOC_AllocNoInit(20 * Size);
  ASSERT_NE(hBig, 0);
  EXPECT_EQ(GUI_ALLOC_h2p(hLocked), pLocked);
  EXPECT_EQ(pLocked[0], 0x5A);
  EXPECT_EQ(pLocked[Size - 1], 0x5A);
  const U8* pMoved = static_cast<const U8*>(GUI_ALLOC_h2p(hMoved));
  EXPECT_EQ(pMoved[0], 0xA5);
  EXPECT_EQ(pMoved[Size - 1], 0xA5);
  GUI_ALLOC_UnlockH(&pLocked);
  EXPECT_EQ(pLocked, nullptr);
  GUI_ALLOC_Free(hBig);
  for (size_t i = 1; i < Handles.size(); i += 2) {
    GUI_ALLOC_Free(Handles[i]);
  }
  EXPECT_EQ(GUI_ALLOC_GetNumFreeBytes(), BaseFree);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(AllocTest, FixedBlocksNeverMoveAndAreReturned) {
  void* p = GUI_ALLOC_GetFixedBlock(1000);
  ASSERT_NE(p, nullptr);
  std::vector<GUI_HMEM> v;
  for (int i = 0; i < 50; i++) {
    v.push_back(GUI_ALLOC_AllocZero(100 + i));
  }
  GUI_ALLOC_FreePtrArray(v.data(), (int)v.size());
  for (GUI_HMEM h : v) {
    EXPECT_EQ(h, 0);
  }
  GUI_ALLOC_FreeFixedBlock(p);
  GUI_ALLOC_FreeFixedBlock(nullptr);
  EXPECT_EQ(GUI_ALLOC_GetNumFreeBytes(), BaseFree);
}

TEST_F(AllocTest, ReallocKeepsOldBlockOnFailure) {
  GUI_HMEM h = GUI_ALLOC_AllocInit("abcdef", 7);
  ASSERT_NE(h, 0);
  I32 Free = GUI_ALLOC_GetNumFreeBytes();
  EXPECT_EQ(GUI_ALLOC_Realloc(h, 0x7FFFFFF), 0);
  EXPECT_EQ(GUI_ALLOC_GetNumFreeBytes(), Free);
  EXPECT_STREQ(static_cast<const char*>(GUI_ALLOC_h2p(h)), "abcdef");
  GUI_ALLOC__FailNth(1);
  EXPECT_EQ(GUI_ALLOC_Realloc(h, 100), 0);
  EXPECT_STREQ(static_cast<const char*>(GUI_ALLOC_h2p(h)), "abcdef");
  GUI_HMEM h2 = GUI_ALLOC_Realloc(h, 4);
  ASSERT_NE(h2, 0);
  EXPECT_EQ(std::memcmp(GUI_ALLOC_h2p(h2), "abcd", 4), 0);
  EXPECT_EQ(GUI_ALLOC_GetSize(h2), 4);
  GUI_HMEM h3 = GUI_ALLOC_Realloc(h2, 40);
  ASSERT_NE(h3, 0);
  const U8* p = static_cast<const U8*>(GUI_ALLOC_h2p(h3));
  EXPECT_EQ(std::memcmp(p, "abcd", 4), 0);
  for (int i = 4; i < 40; i++) {
    EXPECT_EQ(p[i], 0);
  }
  GUI_ALLOC_Free(h3);
  EXPECT_EQ(GUI_ALLOC_GetNumFreeBytes(), BaseFree);
}

TEST_F(AllocTest, ReallocRefusesLockedBlock) {
  GUI_HMEM h = GUI_ALLOC_AllocZero(16);
  void* p = GUI_ALLOC_LockH(h);
  EXPECT_EQ(GUI_ALLOC_Realloc(h, 32), 0);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0], "GUI_ALLOC:\nBlock is locked in GUI_ALLOC_Realloc()");
  GUI_ALLOC_UnlockH(&p);
  GUI_ALLOC_Free(h);
}

TEST_F(AllocTest, InjectedFailuresReturnFailureAndLeakNothing) {
  // Every allocating routine is run with its n-th allocation failing, for each n that it reaches.
  struct Op {
    const char* Name;
    bool (*Run)();  // true when it reported success
  };
  static const Op aOp[] = {
      {"AllocZero", [] {
         GUI_HMEM h = GUI_ALLOC_AllocZero(64);
         GUI_ALLOC_Free(h);
         return h != 0;
       }},
      {"AllocInit", [] {
         GUI_HMEM h = GUI_ALLOC_AllocInit("x", 2);
         GUI_ALLOC_Free(h);
         return h != 0;
       }},
      {"FixedBlock", [] {
         void* p = GUI_ALLOC_GetFixedBlock(64);
         GUI_ALLOC_FreeFixedBlock(p);
         return p != nullptr;
       }},
      {"SetText", [] {
         GUI_HMEM h = 0;
         int r1 = GUI__SetText(&h, "first");
         int r2 = GUI__SetText(&h, "second text");
         bool Ok = r1 == 1 && r2 == 1 && h && std::strcmp((const char*)GUI_ALLOC_h2p(h), "second text") == 0;
         if (!r2 && h) {
           // A failed replacement keeps the old text.
           Ok = false;
           EXPECT_STREQ((const char*)GUI_ALLOC_h2p(h), "first");
         }
         GUI_ALLOC_Free(h);
         return Ok;
       }},
      {"DeviceCreate", [] {
         GUI_DEVICE* p = GUI_DEVICE_Create(&LCD_SIMDRV_API, &LCD_aColorConvAPI[LCD_CC_BGR565], 0, 1);
         GUI_DEVICE_Delete(p);
         return p != nullptr;
       }},
  };
  for (const Op& o : aOp) {
    for (int n = 1; n <= 3; n++) {
      I32 Free = GUI_ALLOC_GetNumFreeBytes();
      I32 Blocks = GUI_ALLOC_GetNumUsedBlocks();
      GUI_ALLOC__FailNth(n);
      bool Ok = o.Run();
      GUI_ALLOC__FailNth(0);
      EXPECT_EQ(GUI_ALLOC_GetNumFreeBytes(), Free) << o.Name << " n=" << n;
      EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Blocks) << o.Name << " n=" << n;
      EXPECT_EQ(GUI_ALLOC__Check(), 0);
      if (n == 1) {
        EXPECT_FALSE(Ok) << o.Name << " reported success although its first allocation failed";
      }
    }
  }
}

TEST_F(AllocTest, CappedHeapFailsCleanly) {
  I32 Used = GUI_ALLOC_GetNumUsedBytes();
  GUI_ALLOC__SetTestLimit((U32)Used + 1024);
  std::vector<GUI_HMEM> v;
  for (;;) {
    GUI_HMEM h = GUI_ALLOC_AllocZero(100);
    if (!h) {
      break;
    }
    v.push_back(h);
  }
  EXPECT_EQ(v.size(), 1024u / Gross(100));
  EXPECT_EQ(GUI_ALLOC_GetFixedBlock(100), nullptr);
  for (GUI_HMEM h : v) {
    GUI_ALLOC_Free(h);
  }
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBytes(), Used);
}

TEST_F(AllocTest, MisuseIsReportedNotFatal) {
  GUI_HMEM h = GUI_ALLOC_AllocZero(8);
  GUI_ALLOC_Free(h);
  GUI_ALLOC_Free(h);
  GUI_ALLOC_Free(0);
  EXPECT_EQ(GUI_ALLOC_LockH(12345), nullptr);
  int Local = 0;
  int* p = &Local;
  GUI_ALLOC_UnlockH(&p);
  EXPECT_EQ(p, nullptr);
  GUI_HMEM h2 = GUI_ALLOC_AllocZero(8);
  void* q = GUI_ALLOC_LockH(h2);
  void* q2 = q;
  GUI_ALLOC_UnlockH(&q);
  GUI_ALLOC_UnlockH(&q2);
  GUI_ALLOC_Free(h2);
  std::vector<std::string> e = Errors();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0], "GUI_Alloc:\nBlock already free in _Free().");
  EXPECT_EQ(e[1], "GUI_ALLOC:\nInvalid handle in GUI_ALLOC_LockH()");
  EXPECT_EQ(e[2], "GUI_ALLOC:\nInvalid pointer in GUI_ALLOC_UnlockH()");
  EXPECT_EQ(e[3], "GUI_ALLOC:\nUnderflow of locked handles in GUI_ALLOC_UnlockH()");
  EXPECT_EQ(GUI_ALLOC_AllocZero(0), 0);
  EXPECT_EQ(GUI_ALLOC_AllocNoInit(-5), 0);
  EXPECT_EQ(GUI_ALLOC_GetSize(0), 0);
}

TEST_F(AllocTest, DefaultHeapMatchesConfiguration) {
  EXPECT_EQ(GUI_ALLOC_GetNumFreeBytes() + GUI_ALLOC_GetNumUsedBytes(), GUI_DEFAULT_HEAP_SIZE);
  EXPECT_EQ(GUI_ALLOC_GetMaxSize(), (I32)((I64)GUI_ALLOC_GetMaxFreeBlockSize() * 90 / 100));
}

}  // namespace
