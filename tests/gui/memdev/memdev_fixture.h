// Shared fixture of the memory-device tests: a fresh GUI per test, direct access to the display's frame
// buffer, and a look at the current layer's device chain.
#pragma once

#include <string>
#include <vector>

#include "GUI_MEMDEV.h"
#include "GuiTest.h"
#include "WM.h"

class MemdevTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    WM_Init();
    GUI_MEMDEV__Init();
  }

  // The display's pixel index at (x, y) as the driver stores it.
  static U16 Display(int x, int y) {
    const LCD_SIMDRV_BUFFER* b = LCD_SIMDRV_GetBuffer(0);
    return *(const U16*)((const U8*)b->pData + (size_t)y * b->BytesPerLine + (size_t)x * 2);
  }
  static void FillDisplay(U16 Index) {
    const LCD_SIMDRV_BUFFER* b = LCD_SIMDRV_GetBuffer(0);
    for (int y = 0; y < b->VYSize; y++) {
      U16* p = (U16*)((U8*)b->pData + (size_t)y * b->BytesPerLine);
      for (int x = 0; x < b->VXSize; x++) p[x] = (U16)(Index ^ (x * 7 + y * 13));
    }
  }
  static std::vector<U16> Snapshot(int x0, int y0, int x1, int y1) {
    std::vector<U16> v;
    for (int y = y0; y <= y1; y++)
      for (int x = x0; x <= x1; x++) v.push_back(Display(x, y));
    return v;
  }
  // Classes of the devices in the current layer's chain, head first.
  static std::vector<int> Chain() {
    std::vector<int> v;
    for (GUI_DEVICE* p = GUI_DEVICE__GetHead(GUI_GetSelLayer()); p; p = p->pNext) v.push_back(p->pDeviceAPI->DeviceClassIndex);
    return v;
  }
  static GUI_MEMDEV* Dev(GUI_HMEM h) { return (GUI_MEMDEV*)GUI_ALLOC_h2p(h); }
  static U8* Pixels(GUI_HMEM h) { return (U8*)GUI_ALLOC_h2p(h) + GUI_MEMDEV_HEADER_SIZE; }
  static GUI_USAGE* Usage(GUI_HMEM h) { return (GUI_USAGE*)GUI_ALLOC_h2p(Dev(h)->hUsage); }
  static bool Marked(GUI_HMEM h, int x, int y) {  // device-relative
    GUI_USAGE* u = Usage(h);
    const U8* bits = (const U8*)u + GUI_USAGE_HEADER_SIZE;
    return bits[(size_t)y * u->BytesPerLine + (x >> 3)] & (0x80 >> (x & 7));
  }
};
