// A widget test fixture with a GUI heap of many more blocks than the built-in one: lists of tens of
// thousands of items need a block or more each.
#pragma once
#include "widget_support.h"

namespace widgettest {

inline void ConfigLargeHeap(void) {
  GUI_ALLOC_SetAvBlockSize(32);
  GUI_ALLOC_AssignMemory(nullptr, 16 << 20);
}
inline const GUI_CONFIG_API LargeHeap = {ConfigLargeHeap, nullptr};

} // namespace widgettest

template <class BASE> class WithLargeHeap : public BASE {
protected:
  void SetUp() override {
    GUI_SetConfigAPI(&widgettest::LargeHeap);
    BASE::SetUp();
  }
  void TearDown() override {
    BASE::TearDown();
    GUI_SetConfigAPI(nullptr);
  }
};
