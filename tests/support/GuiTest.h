// Test fixture for everything that draws through the GUI library: a fresh library per test with the
// built-in configuration, and error and warning texts captured instead of printed.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "GUI.h"

namespace guitest {

struct Captured {
  std::mutex Mutex;
  std::vector<std::string> Errors;
  std::vector<std::string> Warnings;
};

inline Captured& Capture() {
  static Captured c;
  return c;
}

inline void CaptureError(const char* s) {
  std::lock_guard<std::mutex> Lock(Capture().Mutex);
  Capture().Errors.push_back(s ? s : "");
}

inline void CaptureWarning(const char* s) {
  std::lock_guard<std::mutex> Lock(Capture().Mutex);
  Capture().Warnings.push_back(s ? s : "");
}

inline const GUI_OS_API* CapturingOS() {
  static GUI_OS_API Api = {};
  Api.pfErrorOut = CaptureError;
  Api.pfWarn = CaptureWarning;
  return &Api;
}

}  // namespace guitest

class GuiTest : public testing::Test {
 protected:
  void SetUp() override {
    GUI_OS_SetAPI(guitest::CapturingOS());
    ClearMessages();
    ASSERT_EQ(GUI_Init(), 0);
  }

  void TearDown() override {
    GUI_Exit();
    GUI_OS_SetAPI(nullptr);
  }

  static void ClearMessages() {
    std::lock_guard<std::mutex> Lock(guitest::Capture().Mutex);
    guitest::Capture().Errors.clear();
    guitest::Capture().Warnings.clear();
  }

  static std::vector<std::string> Errors() {
    std::lock_guard<std::mutex> Lock(guitest::Capture().Mutex);
    return guitest::Capture().Errors;
  }

  static std::vector<std::string> Warnings() {
    std::lock_guard<std::mutex> Lock(guitest::Capture().Mutex);
    return guitest::Capture().Warnings;
  }
};
