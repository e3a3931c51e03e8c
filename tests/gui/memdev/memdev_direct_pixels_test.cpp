// Drawing that reads and writes pixel by pixel goes straight into a 16-bit device without a usage bitmap, with
// the mixes of text edges remembered per colour: the pixels equal those the device routines give (a device
// with a usage bitmap takes that way), and only runs wholly inside the device are reached directly.
#include <vector>

#include "GUI_MEMDEV_Private.h"
#include "memdev_fixture.h"

namespace {

class DirectPixelsTest : public MemdevTest {
 protected:
  // Smooth transparent text and alpha pixels over a patterned ground, drawn into a fresh device.
  static std::vector<U16> Draw(int Flags) {
    GUI_HMEM h = GUI_MEMDEV_CreateEx(7, 5, 150, 40, Flags);
    EXPECT_NE(h, 0);
    GUI_MEMDEV_Select(h);
    U16* p = (U16*)GUI_MEMDEV_GetDataPtr(h);
    for (int i = 0; i < 150 * 40; i++) p[i] = i < 150 * 22 ? U16(0xEF7D) : U16(i * 40503u);  // plain, then patterned
    GUI_SetFont(&UI_Font24);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_SetColor(0x3060C0);
    GUI_DispStringAt("Wärme 23,5", 1, 6);
    GUI_DispStringAt("gj", 140, 10);  // cut at the device's right edge
    GUI_SetColor(0xC03010);             // another colour over the same ground: no mix of the first one may stay
    GUI_DispStringAt("Wärme", 3, 9);
    for (int i = 0; i < 40; i++) GUI__SetPixelAlpha(10 + i, 30 + i % 7, U8(i * 6), 0x10E020);
    GUI_MEMDEV_Select(0);
    std::vector<U16> v(p, p + 150 * 40);
    GUI_MEMDEV_Delete(h);
    return v;
  }
};

TEST_F(DirectPixelsTest, DirectWritesEqualTheDeviceRoutines) {
  ASSERT_TRUE(GUI__pfPixelRow16);
  std::vector<U16> Direct = Draw(GUI_MEMDEV_NOTRANS);  // no usage bitmap: the direct way
  std::vector<U16> Routines = Draw(GUI_MEMDEV_HASTRANS);
  EXPECT_EQ(Direct, Routines);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(DirectPixelsTest, OnlyRunsInsideA16BitDeviceWithoutUsageAreReached) {
  GUI_HMEM hPlain = GUI_MEMDEV_CreateEx(10, 10, 20, 5, GUI_MEMDEV_NOTRANS);
  GUI_HMEM hUsage = GUI_MEMDEV_CreateEx(10, 10, 20, 5, GUI_MEMDEV_HASTRANS);
  GUI_HMEM h32 = GUI_MEMDEV_Create32(10, 10, 20, 5);
  GUI_DEVICE* pPlain = Dev(hPlain)->pDevice;
  EXPECT_EQ(GUI__pfPixelRow16(pPlain, 10, 10, 20), (U16*)Pixels(hPlain));
  EXPECT_EQ(GUI__pfPixelRow16(pPlain, 12, 14, 18), (U16*)Pixels(hPlain) + 4 * 20 + 2);
  EXPECT_FALSE(GUI__pfPixelRow16(pPlain, 12, 14, 19));  // one past the right edge
  EXPECT_FALSE(GUI__pfPixelRow16(pPlain, 9, 10, 2));
  EXPECT_FALSE(GUI__pfPixelRow16(pPlain, 10, 15, 1));
  EXPECT_FALSE(GUI__pfPixelRow16(pPlain, 10, 10, 0));
  EXPECT_FALSE(GUI__pfPixelRow16(Dev(hUsage)->pDevice, 10, 10, 1));
  EXPECT_FALSE(GUI__pfPixelRow16(Dev(h32)->pDevice, 10, 10, 1));
  EXPECT_FALSE(GUI__pfPixelRow16(GUI_DEVICE__GetDriver(0), 10, 10, 1));
  GUI_MEMDEV_Delete(hPlain);
  GUI_MEMDEV_Delete(hUsage);
  GUI_MEMDEV_Delete(h32);
}

}  // namespace
