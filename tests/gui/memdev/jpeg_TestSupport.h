// Shared helpers of the JPEG and movie tests: pictures made by the test, JPEG files written from them by
// Debian's cjpeg or ImageMagick, djpeg's integer-IDCT decoding as the reference, and our decoding drawn into
// a 32-bit memory device on a GUI whose heap size the test chooses.
#pragma once

#include "image_TestSupport.h"

#include "GUI_JPEG.h"

#include <cmath>
#include <string>
#include <vector>

namespace jpeg_test {

using namespace image_test;

struct Picture {
  int XSize = 0, YSize = 0, NumComps = 3;
  std::vector<uint8_t> Data;  // NumComps bytes per pixel, rows top first
};

// Smooth gradients with edges, text-like strokes and a little noise: what photographs and screens hold.
inline Picture MakePicture(int XSize, int YSize, uint32_t Seed) {
  Picture p;
  p.XSize = XSize;
  p.YSize = YSize;
  p.Data.resize(size_t(XSize) * YSize * 3);
  std::vector<uint8_t> Noise = Bytes(p.Data.size(), Seed);
  for (int y = 0; y < YSize; y++) {
    for (int x = 0; x < XSize; x++) {
      uint8_t* q = &p.Data[(size_t(y) * XSize + x) * 3];
      double fx = double(x) / (XSize > 1 ? XSize - 1 : 1), fy = double(y) / (YSize > 1 ? YSize - 1 : 1);
      int r = int(255 * fx), g = int(255 * fy), b = int(128 + 120 * std::sin((x + 2 * y + Seed % 7) * 0.15));
      if (((x / 13) + (y / 11)) % 5 == 0) {
        r = 255 - r;
        b = 30;
      }
      if ((x + y) % 37 < 2) {
        r = g = b = 0;
      }
      int n = Noise[q - p.Data.data()] % 9 - 4;
      q[0] = uint8_t(std::clamp(r + n, 0, 255));
      q[1] = uint8_t(std::clamp(g + n, 0, 255));
      q[2] = uint8_t(std::clamp(b + n, 0, 255));
    }
  }
  return p;
}

inline std::vector<uint8_t> ToPnm(const Picture& p) {
  std::string Head = (p.NumComps == 1 ? "P5\n" : "P6\n") + std::to_string(p.XSize) + " " +
                     std::to_string(p.YSize) + "\n255\n";
  std::vector<uint8_t> v(Head.begin(), Head.end());
  v.insert(v.end(), p.Data.begin(), p.Data.end());
  return v;
}

// P5 or P6 files as written by djpeg; an empty picture when the file cannot be read.
inline Picture FromPnm(const std::vector<uint8_t>& f) {
  Picture p;
  if (f.size() < 2 || f[0] != 'P' || (f[1] != '5' && f[1] != '6')) {
    return p;
  }
  p.NumComps = f[1] == '5' ? 1 : 3;
  size_t i = 2;
  int aValue[3];
  for (int& v : aValue) {
    while (i < f.size() && std::isspace(f[i])) {
      i++;
    }
    v = 0;
    while (i < f.size() && std::isdigit(f[i])) {
      v = v * 10 + (f[i++] - '0');
    }
  }
  i++;  // the single white-space byte after the maximum value
  p.XSize = aValue[0];
  p.YSize = aValue[1];
  size_t n = size_t(p.XSize) * p.YSize * p.NumComps;
  if (f.size() < i + n) {
    return Picture();
  }
  p.Data.assign(f.begin() + i, f.begin() + i + n);
  return p;
}

inline bool HaveJpegTools() { return Shell("cjpeg -version </dev/null") == 0 || Shell("which cjpeg djpeg") == 0; }

// Encodes a picture. Tool "cjpeg" or "convert"; Sampling "1x1", "2x1", "2x2" or "grey"; Restart every that
// many MCU rows, or (negative) MCUs (cjpeg only, 0 none).
inline std::vector<uint8_t> Encode(const Picture& p, const std::string& Tool, const std::string& Sampling,
                                   int Quality, bool Progressive, int Restart = 0) {
  static int Count;
  std::string Base = TempDir() + "/enc" + std::to_string(Count++);
  WriteFile(Base + ".pnm", ToPnm(p));
  std::string Cmd;
  if (Tool == "cjpeg") {
    Cmd = "cjpeg -quality " + std::to_string(Quality) + (Progressive ? " -progressive" : "") +
          (Sampling == "grey" ? " -grayscale" : " -sample " + Sampling) +
          (Restart > 0 ? " -restart " + std::to_string(Restart) : "") +
          (Restart < 0 ? " -restart " + std::to_string(-Restart) + "B" : "") + " -outfile '" + Base + ".jpg' '" + Base +
          ".pnm'";
  } else {
    std::string Factor = Sampling == "2x2" ? "4:2:0" : Sampling == "2x1" ? "4:2:2" : "4:4:4";
    Cmd = "convert '" + Base + ".pnm' -quality " + std::to_string(Quality) +
          (Sampling == "grey" ? " -colorspace Gray" : " -sampling-factor " + Factor) +
          (Progressive ? " -interlace Plane" : " -interlace None") + " '" + Base + ".jpg'";
  }
  if (Shell(Cmd)) {
    return {};
  }
  return ReadFile(Base + ".jpg");
}

// djpeg's decoding with the integer inverse DCT and chroma repeated, not interpolated.
inline Picture Reference(const std::vector<uint8_t>& Jpeg) {
  static int Count;
  std::string Base = TempDir() + "/ref" + std::to_string(Count++);
  WriteFile(Base + ".jpg", Jpeg);
  if (Shell("djpeg -dct int -nosmooth -pnm -outfile '" + Base + ".pnm' '" + Base + ".jpg'")) {
    return Picture();
  }
  return FromPnm(ReadFile(Base + ".pnm"));
}

// Colours of a 32-bit memory device (0x00BBGGRR), row by row.
inline std::vector<GUI_COLOR> DevicePixels(GUI_HMEM hMem) {
  int XSize = GUI_MEMDEV_GetXSize(hMem), YSize = GUI_MEMDEV_GetYSize(hMem);
  const uint32_t* p = static_cast<const uint32_t*>(GUI_MEMDEV_GetDataPtr(hMem));
  std::vector<GUI_COLOR> v(p, p + size_t(XSize) * YSize);
  for (GUI_COLOR& c : v) {
    c &= 0xFFFFFF;
  }
  return v;
}

// Our decoding of a file into a 32-bit memory device of its size, drawn at 0, 0; Result gets the draw's result.
inline std::vector<GUI_COLOR> Decode(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int XSize, int YSize,
                                     int* pResult = nullptr, GUI_COLOR Fill = 0x00FF00FF) {
  GUI_HMEM hMem = GUI_MEMDEV_Create32(0, 0, XSize, YSize);
  if (!hMem) {
    return {};
  }
  GUI_MEMDEV_Select(hMem);
  GUI_SetBkColor(Fill);
  GUI_Clear();
  int r = GUI_JPEG_DrawEx(pfGetData, pParam, 0, 0);
  if (pResult) {
    *pResult = r;
  }
  GUI_MEMDEV_Select(0);
  std::vector<GUI_COLOR> v = DevicePixels(hMem);
  GUI_MEMDEV_Delete(hMem);
  return v;
}

inline std::vector<GUI_COLOR> Decode(const std::vector<uint8_t>& Jpeg, int XSize, int YSize, int* pResult = nullptr) {
  Source s;
  s.Data = Jpeg;
  s.How = Source::POINT_AT;
  return Decode(GetData, &s, XSize, YSize, pResult);
}

// Largest difference of one colour channel between a reference picture and decoded colours; the mean
// difference goes to *pMean.
inline int MaxDiff(const Picture& Ref, const std::vector<GUI_COLOR>& v, double* pMean = nullptr) {
  if (v.size() != size_t(Ref.XSize) * Ref.YSize) {
    return 256;
  }
  int Max = 0;
  double Sum = 0;
  for (size_t i = 0; i < v.size(); i++) {
    for (int ch = 0; ch < 3; ch++) {
      int a = Ref.Data[i * Ref.NumComps + (Ref.NumComps == 1 ? 0 : ch)];
      int b = (v[i] >> (8 * ch)) & 0xFF;
      int d = std::abs(a - b);
      Max = std::max(Max, d);
      Sum += d;
    }
  }
  if (pMean) {
    *pMean = v.empty() ? 0 : Sum / (3.0 * v.size());
  }
  return Max;
}

inline int MaxDiff(const std::vector<GUI_COLOR>& a, const std::vector<GUI_COLOR>& b) {
  if (a.size() != b.size()) {
    return 256;
  }
  int Max = 0;
  for (size_t i = 0; i < a.size(); i++) {
    for (int ch = 0; ch < 3; ch++) {
      Max = std::max(Max, std::abs(int((a[i] >> (8 * ch)) & 0xFF) - int((b[i] >> (8 * ch)) & 0xFF)));
    }
  }
  return Max;
}

// The GUI with a heap of the test's size (bytes).
inline U32& HeapSize() {
  static U32 n;
  return n;
}
inline void _ConfigHeap() {
  GUI_ALLOC_AssignMemory(nullptr, HeapSize());
  GUI_ALLOC_SetAvBlockSize(GUI_DEFAULT_AV_BLOCK_SIZE);
}

class JpegTest : public ImageTest {
 protected:
  static constexpr U32 kBigHeap = 48u << 20;
  void SetUp() override { SetUpWithHeap(kBigHeap); }
  void SetUpWithHeap(U32 NumBytes) {
    HeapSize() = NumBytes;
    static const GUI_CONFIG_API Config = {_ConfigHeap, GUI_ConfigDefaultLCD};
    GUI_SetConfigAPI(&Config);
    ImageTest::SetUp();
  }
  void TearDown() override {
    ImageTest::TearDown();
    GUI_SetConfigAPI(nullptr);
  }
};

}  // namespace jpeg_test
