// Fixture of the widget tests: the clocked window manager with every module-wide widget setting back at its
// start value, so that no test sees what another changed; a parent window that records what its widgets
// tell it (made before every test by WidgetParentTest); pointer and key input; and a light backdrop for
// golden images.
#pragma once
#include <string>
#include <vector>

#include "BUTTON.h"
#include "CHECKBOX.h"
#include "DIALOG.h"
#include "GoldenLCD.h"
#include "PROGBAR.h"
#include "RADIO.h"
#include "SCROLLBAR.h"
#include "SLIDER.h"
#include "TEXT.h"
#include "clocked_wm_test.h"

namespace widgettest {

// What a parent heard: "<Id>:<code>" for notifications, "key <code>" for keys passed on to it,
// "client" for WM_CLIENT_CHANGED.
inline std::vector<std::string> Heard;

inline void cbParent(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_NOTIFY_PARENT:
    Heard.push_back(std::to_string(WM_GetId(pMsg->hWinSrc)) + ":" + std::to_string((int)pMsg->Data.v));
    return;
  case WM_KEY:
    if (const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p) {
      Heard.push_back("key " + std::to_string(pKey->Key));
    }
    return;
  case WM_CLIENT_CHANGED:
    Heard.push_back("client");
    return;
  case WM_PAINT:
    GUI_SetBkColor(0xF0F0F0);
    GUI_Clear();
    return;
  }
  WM_DefaultProc(pMsg);
}

// A 4 x 4 picture for the widgets that show images: a frame in one colour around a middle in the other.
inline const GUI_COLOR aBm4x4Colors[] = {0x0000FF, 0x00C000};
inline const GUI_PALETTE Bm4x4Pal = {2, 0, aBm4x4Colors};
inline const U8 acBm4x4[] = {0xF0, 0x90, 0x90, 0xF0};
inline const GUI_BITMAP Bm4x4 = {4, 4, 1, 1, acBm4x4, &Bm4x4Pal, nullptr};

// The notifications heard with one code, as "<Id>:<code>" strings.
inline std::vector<std::string> HeardCodes(int Code) {
  std::vector<std::string> v;
  std::string Suffix = ":" + std::to_string(Code);
  for (const std::string& s : Heard) {
    if (s.size() > Suffix.size() && s.compare(s.size() - Suffix.size(), Suffix.size(), Suffix) == 0) {
      v.push_back(s);
    }
  }
  return v;
}

} // namespace widgettest

class WidgetTest : public ClockedWmTest {
protected:
  void SetUp() override {
    ClockedWmTest::SetUp();
    widgettest::Heard.clear();
    BUTTON_SetReactOnTouch();
    BUTTON_SetDefaultSkin(nullptr);
    DIALOG_SetBkColor(0xC0C0C0);
    SCROLLBAR_SetDefaultSkinClassic();
    SCROLLBAR_SetDefaultSkin(nullptr);
    SCROLLBAR_SetDefaultSkinClassic();
    CHECKBOX_SetDefaultSkin(nullptr);
    CHECKBOX_SetDefaultSkinClassic();
    RADIO_SetDefaultSkin(nullptr);
    RADIO_SetDefaultSkinClassic();
    SLIDER_SetDefaultSkin(nullptr);
    SLIDER_SetDefaultSkinClassic();
    PROGBAR_SetDefaultSkin(nullptr);
    PROGBAR_SetDefaultSkinClassic();
  }
  // A parent that records what it hears, painted light grey.
  WM_HWIN Parent(int x0 = 0, int y0 = 0, int xSize = 240, int ySize = 120) {
    return WM_CreateWindow(x0, y0, xSize, ySize, WM_CF_SHOW, widgettest::cbParent, 0);
  }
  // Presses, moves and releases the pointer at display coordinates, letting the window manager run.
  static void Press(int x, int y) { wmtest::Pointer(x, y, 1); }
  static void Release(int x, int y) { wmtest::Pointer(x, y, 0); }
  static void Key(int Key) {
    GUI_StoreKeyMsg(Key, 1);
    GUI_StoreKeyMsg(Key, 0);
    GUI_Exec();
  }
  static void Type(const std::vector<int>& aKey) {
    for (int k : aKey) {
      Key(k);
    }
  }
  // Presses only, so that the parent hears the presses that were passed on.
  static void Down(const std::vector<int>& aKey) {
    for (int k : aKey) {
      GUI_StoreKeyMsg(k, 1);
      GUI_Exec();
    }
  }
  static GUI_RECT Rect(WM_HWIN h) {
    GUI_RECT r;
    WM_GetWindowRect(h, &r);
    return r;
  }
  static std::vector<std::string>& Heard() { return widgettest::Heard; }
};

// The widget fixture with a recording parent of XSize x YSize at (0, 0), made before every test.
template <int XSize = 240, int YSize = 160> class WidgetParentTest : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    hParent = Parent(0, 0, XSize, YSize);
  }
  WM_HWIN hParent = 0;
};
