// Shared helpers of the image tests: a GUI on the headless display for each test, captured warnings,
// read-back of the display, streams built in memory, get-data routines of several kinds, and ImageMagick.
#pragma once

#include <gtest/gtest.h>

#include "GUI.h"
#include "GUI_Bitmap.h"
#include "GUI_MEMDEV.h"
#include "GUI_Stream.h"
#include "WM.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace image_test {

inline std::vector<std::string>& Warnings() {
  static std::vector<std::string> v;
  return v;
}

inline void _CaptureWarn(const char* s) { Warnings().push_back(s); }

// The GUI's clock in the tests: moved by the test only.
inline U32& Now() {
  static U32 t = 1000;
  return t;
}
inline U32 _GetTime() { return Now(); }

// Every test starts on a cleared display (background kBk) with default drawing attributes.
class ImageTest : public ::testing::Test {
 protected:
  static constexpr GUI_COLOR kBk = 0x00402010;

  void SetUp() override {
    static GUI_OS_API Api = {};
    Api.pfWarn = _CaptureWarn;
    Api.pfErrorOut = _CaptureWarn;
    Api.pfGetTime = _GetTime;
    GUI_OS_SetAPI(&Api);
    ASSERT_EQ(GUI_Init(), 0);
    WM_Init();
    GUI_MEMDEV__Init();
    ClearDisplay();
    Warnings().clear();
  }

  void TearDown() override {
    GUI_Exit();
    GUI_OS_SetAPI(nullptr);
  }

  static void ClearDisplay() {
    GUI_SetBkColor(kBk);
    GUI_Clear();
    GUI_SetDefault();
  }

  // Colours of a display rectangle, row by row.
  static std::vector<GUI_COLOR> Read(int x0, int y0, int XSize, int YSize) {
    std::vector<GUI_COLOR> v;
    GUI_Lock();
    for (int y = y0; y < y0 + YSize; y++) {
      for (int x = x0; x < x0 + XSize; x++) {
        v.push_back(LCD_GetPixelColor(x, y) & 0xFFFFFF);
      }
    }
    GUI_Unlock();
    return v;
  }

  // The display's rendering of a colour.
  static GUI_COLOR OnDisplay(GUI_COLOR c) {
    GUI_Lock();
    GUI_COLOR r = LCD_Index2Color(LCD_Color2Index(c & 0xFFFFFF)) & 0xFFFFFF;
    GUI_Unlock();
    return r;
  }

  static bool AllBackground(const std::vector<GUI_COLOR>& v) {
    GUI_COLOR Bk = OnDisplay(kBk);
    for (GUI_COLOR c : v) {
      if (c != Bk) {
        return false;
      }
    }
    return true;
  }
};

// A streamed bitmap: header, palette, pixel bytes.
inline std::vector<uint8_t> MakeStream(unsigned Format, unsigned XSize, unsigned YSize, unsigned BytesPerLine,
                                       unsigned BitsPerPixel, const std::vector<GUI_COLOR>& Palette,
                                       unsigned HasTrans, const std::vector<uint8_t>& Pixels) {
  std::vector<uint8_t> s;
  auto Put16 = [&](unsigned v) {
    s.push_back(uint8_t(v));
    s.push_back(uint8_t(v >> 8));
  };
  Put16(0x4D42);
  Put16(Format);
  Put16(XSize);
  Put16(YSize);
  Put16(BytesPerLine);
  Put16(BitsPerPixel);
  Put16(unsigned(Palette.size()));
  Put16(HasTrans);
  for (GUI_COLOR c : Palette) {
    Put16(c & 0xFFFF);
    Put16(c >> 16);
  }
  s.insert(s.end(), Pixels.begin(), Pixels.end());
  return s;
}

// Deterministic pseudo-random bytes.
inline std::vector<uint8_t> Bytes(size_t n, uint32_t Seed) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; i++) {
    Seed = Seed * 1664525u + 1013904223u;
    v[i] = uint8_t(Seed >> 24);
  }
  return v;
}

// A source for get-data routines and the way it delivers.
struct Source {
  enum Kind { POINT_AT, COPY, ONE_BYTE, SHORT_READS, FAIL_AT };
  std::vector<uint8_t> Data;
  Kind How = COPY;
  uint32_t FailOff = 0;  // FAIL_AT: requests touching this offset or beyond deliver nothing
  int NumCalls = 0;
};

inline int GetData(void* pParam, const U8** ppData, unsigned NumBytes, U32 Off) {
  Source* s = static_cast<Source*>(pParam);
  s->NumCalls++;
  if (Off >= s->Data.size()) {
    return 0;
  }
  size_t n = std::min<size_t>(NumBytes, s->Data.size() - Off);
  switch (s->How) {
  case Source::POINT_AT:
    *ppData = s->Data.data() + Off;
    return int(n);
  case Source::ONE_BYTE:
    n = 1;
    break;
  case Source::SHORT_READS:
    n = n > 1 ? n / 2 : n;
    break;
  case Source::FAIL_AT:
    if (Off + n > s->FailOff) {
      return 0;
    }
    break;
  default:
    break;
  }
  std::memcpy(const_cast<U8*>(*ppData), s->Data.data() + Off, n);
  return int(n);
}

// ImageMagick, when installed.
inline bool HaveConvert() { return std::system("convert -version >/dev/null 2>&1") == 0; }

inline std::string TempDir() {
  static std::string Dir = [] {
    char Template[] = "/tmp/image-test-XXXXXX";
    const char* p = mkdtemp(Template);
    return std::string(p ? p : "/tmp");
  }();
  return Dir;
}

inline std::vector<uint8_t> ReadFile(const std::string& Name) {
  std::vector<uint8_t> v;
  if (FILE* f = std::fopen(Name.c_str(), "rb")) {
    uint8_t Buffer[4096];
    size_t n;
    while ((n = std::fread(Buffer, 1, sizeof(Buffer), f)) > 0) {
      v.insert(v.end(), Buffer, Buffer + n);
    }
    std::fclose(f);
  }
  return v;
}

inline void WriteFile(const std::string& Name, const std::vector<uint8_t>& Data) {
  FILE* f = std::fopen(Name.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(Data.data(), 1, Data.size(), f);
  std::fclose(f);
}

inline int Shell(const std::string& Command) { return std::system((Command + " >/dev/null 2>&1").c_str()); }

// ImageMagick's own reading of a picture as 8-bit RGBA (alpha 255 opaque).
inline std::vector<uint8_t> MagickRGBA(const std::string& File) {
  std::string Raw = File + ".rgba";
  if (Shell("convert '" + File + "' -depth 8 RGBA:'" + Raw + "'")) {
    return {};
  }
  return ReadFile(Raw);
}

// A small picture in colours that differ in a 1-bit and a grey device too, row by row (4 x 2).
inline const std::vector<GUI_COLOR>& MemdevPicture() {
  static const std::vector<GUI_COLOR> v = {GUI_WHITE, GUI_BLACK, GUI_RED,   GUI_GREEN,
                                           GUI_BLUE,  GUI_WHITE, GUI_BLACK, GUI_YELLOW};
  return v;
}

// Draws through Draw into a memory device of 1 bit (two-level conversion) or 8 bits (grey conversion) at (0, 0)
// cleared in mid grey, the picture at (2, 2); every pixel must hold the device's index of the colour in Want.
inline void ExpectInMemdev(int Bpp, int XSize, int YSize, const std::vector<GUI_COLOR>& Want,
                           int (*Draw)(const void* p), const void* pArg, const std::string& What) {
  const LCD_COLOR_CONV_API* pConv = &LCD_aColorConvAPI[Bpp == 1 ? LCD_CC_1 : LCD_CC_GRAY8];
  GUI_HMEM hMem = GUI_MEMDEV_CreateFixed(0, 0, XSize + 4, YSize + 4, 0, GUI_MEMDEV__GetDeviceAPI(Bpp), pConv);
  ASSERT_NE(hMem, 0) << What;
  GUI_MEMDEV_Select(hMem);
  GUI_SetBkColor(0x808080);
  GUI_Clear();
  EXPECT_EQ(Draw(pArg), 0) << What;
  GUI_Lock();
  for (int y = 0; y < YSize; y++) {
    for (int x = 0; x < XSize; x++) {
      EXPECT_EQ(LCD_GetPixelIndex(2 + x, 2 + y), LCD_Color2Index(Want[y * XSize + x]))
          << What << ", " << Bpp << "-bit device, pixel " << x << "," << y;
    }
  }
  GUI_Unlock();
  GUI_MEMDEV_Select(0);
  GUI_MEMDEV_Delete(hMem);
}

}  // namespace image_test
