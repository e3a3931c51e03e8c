// Creation with the banding rule, selection and deletion, and the layer's device chain after any mix of
// selecting, deleting, measuring and banded drawing.
#include <random>

#include "memdev_fixture.h"

namespace {

class LifeTest : public MemdevTest {};

TEST_F(LifeTest, RowsAreUnpaddedAndDepthComesFromTheConversion) {
  GUI_HMEM h16 = GUI_MEMDEV_CreateFixed(0, 0, 100, 5, 0, &GUI_MEMDEV_DEVICE_16, &LCD_aColorConvAPI[LCD_CC_BGR565]);
  GUI_HMEM h1 = GUI_MEMDEV_CreateFixed(0, 0, 10, 5, 0, &GUI_MEMDEV_DEVICE_1, &LCD_aColorConvAPI[LCD_CC_1]);
  EXPECT_EQ(Dev(h16)->BytesPerLine, 200u);
  EXPECT_EQ(Dev(h1)->BytesPerLine, 2u);
  EXPECT_EQ(GUI_MEMDEV_GetBitsPerPixel(h16), 16);
  EXPECT_EQ(GUI_MEMDEV_GetBitsPerPixel(h1), 1);
  EXPECT_EQ(GUI_MEMDEV_CreateFixed(0, 0, 10, 5, 0, &GUI_MEMDEV_DEVICE_16, nullptr), 0);
  GUI_MEMDEV_Delete(h16);
  GUI_MEMDEV_Delete(h1);
}

TEST_F(LifeTest, BandingRuleTakesWhatFits) {
  // Cap the heap so that the largest block allowed is known, then ask for at most 1000 rows.
  I32 MaxSize = GUI_ALLOC_GetMaxSize();
  GUI_HMEM h = GUI_MEMDEV_CreateEx(0, 0, 100, -1000, 0);
  ASSERT_NE(h, 0);
  I32 Expect = ((MaxSize / 4) * 3 - GUI_MEMDEV_HEADER_SIZE) / 200;
  EXPECT_EQ(GUI_MEMDEV_GetYSize(h), Expect < 1000 ? Expect : 1000);
  GUI_MEMDEV_Delete(h);
  EXPECT_EQ(GUI_MEMDEV_CreateEx(0, 0, 100, 0, 0), 0);
  ASSERT_FALSE(Warnings().empty());
  EXPECT_EQ(Warnings().back(), "GUIDEV:\nToo little memory in GUI_MEMDEV__CreateFixed()");
}

TEST_F(LifeTest, FailedCreationLeavesNothingAllocated) {
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  I32 Free = GUI_ALLOC_GetNumFreeBytes();
  GUI_ALLOC__FailNth(3);  // device object and usage bitmap succeed, the pixels fail
  EXPECT_EQ(GUI_MEMDEV_Create(0, 0, 50, 50), 0);
  GUI_ALLOC__FailNth(0);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used);
  EXPECT_EQ(GUI_ALLOC_GetNumFreeBytes(), Free);
  EXPECT_EQ(Warnings().back(), "GUIDEV:\nAlloc failed in GUI_MEMDEV__CreateFixed()");
}

TEST_F(LifeTest, CreateExFollowsTheTarget) {
  GUI_HMEM h = GUI_MEMDEV_Create(0, 0, 10, 10);
  EXPECT_EQ(GUI_MEMDEV_GetBitsPerPixel(h), 16);
  EXPECT_NE(Dev(h)->hUsage, 0);
  GUI_HMEM h32 = GUI_MEMDEV_Create32(0, 0, 10, 10);
  EXPECT_EQ(Dev(h32)->hUsage, 0);
  GUI_MEMDEV_Select(h32);
  // A 32-bit target gives a 32-bit device without usage bitmap even with flags 0.
  GUI_HMEM hInner = GUI_MEMDEV_Create(0, 0, 4, 4);
  EXPECT_EQ(GUI_MEMDEV_GetBitsPerPixel(hInner), 32);
  EXPECT_EQ(Dev(hInner)->hUsage, 0);
  GUI_MEMDEV_Select(0);
  for (GUI_HMEM x : {h, h32, hInner}) GUI_MEMDEV_Delete(x);
}

TEST_F(LifeTest, SelectionSwapsTheLinkedDevice) {
  GUI_HMEM a = GUI_MEMDEV_Create(0, 0, 10, 10), b = GUI_MEMDEV_Create(5, 5, 10, 10);
  EXPECT_EQ(GUI_MEMDEV_GetXSize(0), 0);
  GUI_MEMDEV_Select(a);
  EXPECT_EQ(GUI_MEMDEV_Select(b), a);
  EXPECT_EQ(Chain(), (std::vector<int>{DEVICE_CLASS_MEMDEV, DEVICE_CLASS_DRIVER}));
  EXPECT_EQ(GUI_MEMDEV_GetXPos(0), 5);
  EXPECT_EQ(GUI_MEMDEV_Select(0), b);
  GUI_MEMDEV_Select(a);
  GUI_MEMDEV_Delete(a);
  EXPECT_EQ(GUI_GetSelectedDevice(), 0);
  EXPECT_EQ(Chain(), std::vector<int>{DEVICE_CLASS_DRIVER});
  EXPECT_EQ(GUI_pContext->ClipRect.x1, LCD_GetVXSize() - 1);
  GUI_MEMDEV_Delete(b);
}

TEST_F(LifeTest, SetOrgMovesTheUsageBitmapWithTheDevice) {
  GUI_HMEM h = GUI_MEMDEV_Create(0, 0, 8, 4);
  GUI_MEMDEV_SetOrg(h, 30, 40);
  EXPECT_EQ(Usage(h)->x0, 30);
  EXPECT_EQ(Usage(h)->y0, 40);
  GUI_MEMDEV_ReduceYSize(h, 9);
  EXPECT_EQ(GUI_MEMDEV_GetYSize(h), 4);
  GUI_MEMDEV_ReduceYSize(h, 2);
  EXPECT_EQ(GUI_MEMDEV_GetYSize(h), 2);
  GUI_MEMDEV_Delete(h);
}

// A handle that names no block (a device deleted before) is reported by the heap and does nothing.
TEST_F(LifeTest, StaleHandlesDoNothing) {
  GUI_HMEM h = GUI_MEMDEV_Create(0, 0, 10, 10);
  GUI_MEMDEV_Delete(h);
  ClearMessages();
  EXPECT_EQ(GUI_MEMDEV_Select(h), 0);
  GUI_MEMDEV_CopyToLCD(h);
  GUI_MEMDEV_WriteAt(h, 0, 0);
  GUI_MEMDEV_WriteAlpha(h, 100);
  GUI_MEMDEV_WriteScaled(h, 2000, 2000, 256);
  GUI_MEMDEV_SetOrg(h, 5, 5);
  EXPECT_EQ(GUI_MEMDEV_GetXSize(h), 0);
  GUI_MEMDEV_Delete(h);
  EXPECT_EQ(GUI_GetSelectedDevice(), 0);
  EXPECT_EQ(Chain(), std::vector<int>{DEVICE_CLASS_DRIVER});
  EXPECT_FALSE(Errors().empty());
}

void DrawSomething(void*) { GUI_FillRect(0, 0, 30, 30); }

// Any order of select, delete, measure and banded drawing: the chain holds exactly the device the context
// names (or only the driver), never a deleted one.
TEST_F(LifeTest, ChainHoldsOnlyWhatTheContextNames) {
  std::mt19937 Rng(5);
  std::vector<GUI_HMEM> Mem, Meas;
  for (int Step = 0; Step < 3000; Step++) {
    int Op = (int)(Rng() % 9);
    if (Op == 0 && Mem.size() < 6) Mem.push_back(GUI_MEMDEV_Create((int)(Rng() % 50), 0, 20, 20));
    if (Op == 1 && Meas.size() < 3) Meas.push_back(GUI_MEASDEV_Create());
    if (Op == 2 && !Mem.empty()) GUI_MEMDEV_Select(Mem[Rng() % Mem.size()]);
    if (Op == 3 && !Meas.empty()) GUI_MEASDEV_Select(Meas[Rng() % Meas.size()]);
    if (Op == 4 && !Mem.empty()) {
      size_t i = Rng() % Mem.size();
      GUI_MEMDEV_Delete(Mem[i]);
      Mem.erase(Mem.begin() + (long)i);
    }
    if (Op == 5 && !Meas.empty()) {
      size_t i = Rng() % Meas.size();
      GUI_MEASDEV_Delete(Meas[i]);
      Meas.erase(Meas.begin() + (long)i);
    }
    if (Op == 6) {
      GUI_HMEM hBefore = GUI_GetSelectedDevice();
      GUI_RECT r = {0, 0, 40, 40};
      GUI_MEMDEV_Draw(&r, DrawSomething, nullptr, 7, 0);
      EXPECT_EQ(GUI_GetSelectedDevice(), hBefore);
    }
    if (Op == 7) GUI_MEMDEV_Select(0);
    if (Op == 8) GUI_FillRect(1, 1, 3, 3);
    GUI_HMEM hSel = GUI_GetSelectedDevice();
    std::vector<int> c = Chain();
    if (!hSel) {
      ASSERT_EQ(c, std::vector<int>{DEVICE_CLASS_DRIVER}) << Step;
    } else {
      ASSERT_EQ(c.size(), 2u) << Step;
      GUI_DEVICE* pHead = GUI_DEVICE__GetHead(0);
      ASSERT_EQ(pHead->u.hContext, hSel) << Step;
    }
  }
  for (GUI_HMEM h : Mem) GUI_MEMDEV_Delete(h);
  for (GUI_HMEM h : Meas) GUI_MEASDEV_Delete(h);
  EXPECT_EQ(Chain(), std::vector<int>{DEVICE_CLASS_DRIVER});
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

}  // namespace
