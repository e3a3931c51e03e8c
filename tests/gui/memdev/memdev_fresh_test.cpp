// A new memory device never shows what its memory held before: an opaque window's device is copied whole,
// so pixels its window does not draw must not carry another window's old contents.
#include "memdev_fixture.h"

namespace {

class FreshDeviceTest : public MemdevTest {};

TEST_F(FreshDeviceTest, ANewDeviceWithoutTransparencyStartsCleared) {
  for (int Flags : {GUI_MEMDEV_NOTRANS, 0}) {
    GUI_HMEM hOld = GUI_MEMDEV_CreateEx(0, 0, 60, 90, Flags);
    ASSERT_TRUE(hOld);
    GUI_MEMDEV_Select(hOld);
    GUI_SetColor(0x00FF00);
    GUI_FillRect(0, 0, 59, 89);
    GUI_MEMDEV_Select(0);
    GUI_MEMDEV_Delete(hOld);
    // The heap hands the same block out again.
    GUI_HMEM hNew = GUI_MEMDEV_CreateEx(0, 0, 60, 90, Flags);
    ASSERT_TRUE(hNew);
    const U8* p = (const U8*)GUI_MEMDEV_GetDataPtr(hNew);
    int Bytes = 60 * 90 * GUI_MEMDEV_GetBitsPerPixel(hNew) / 8, NonZero = 0;
    for (int i = 0; i < Bytes; i++) NonZero += p[i] != 0;
    EXPECT_EQ(NonZero, 0) << "flags " << Flags;
    GUI_MEMDEV_Delete(hNew);
  }
}

}  // namespace
