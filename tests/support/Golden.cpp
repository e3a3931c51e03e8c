#include "Golden.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#ifndef SIM_SOURCE_DIR
#define SIM_SOURCE_DIR "."
#endif

namespace golden {

namespace {

struct FileCloser {
  void operator()(FILE* f) const {
    if (f) std::fclose(f);
  }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool UpdateRequested() {
  const char* s = std::getenv("GOLDEN_UPDATE");
  return s && std::string(s) == "1";
}

std::string Hex(std::uint32_t v) {
  char a[16];
  std::snprintf(a, sizeof(a), "0x%06X", (unsigned)v);
  return a;
}

}  // namespace

std::string PathOf(const std::string& Name) { return std::string(SIM_SOURCE_DIR) + "/tests/golden/" + Name + ".png"; }

bool ReadPng(const std::string& Path, Image* pImage, std::string* pError) {
  File f(std::fopen(Path.c_str(), "rb"));
  if (!f) {
    *pError = "cannot open " + Path;
    return false;
  }
  png_image Png = {};
  Png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_stdio(&Png, f.get())) {
    *pError = std::string("not a readable PNG: ") + Png.message;
    return false;
  }
  Png.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> Bytes(PNG_IMAGE_SIZE(Png));
  if (!png_image_finish_read(&Png, nullptr, Bytes.data(), 0, nullptr)) {
    *pError = std::string("PNG read failed: ") + Png.message;
    png_image_free(&Png);
    return false;
  }
  pImage->Width = (int)Png.width;
  pImage->Height = (int)Png.height;
  pImage->Pixels.resize((size_t)Png.width * Png.height);
  for (size_t i = 0; i < pImage->Pixels.size(); i++) {
    pImage->Pixels[i] = ((std::uint32_t)Bytes[3 * i] << 16) | ((std::uint32_t)Bytes[3 * i + 1] << 8) | Bytes[3 * i + 2];
  }
  return true;
}

bool WritePng(const std::string& Path, const Image& Img) {
  std::filesystem::create_directories(std::filesystem::path(Path).parent_path());
  std::vector<std::uint8_t> Bytes(Img.Pixels.size() * 3);
  for (size_t i = 0; i < Img.Pixels.size(); i++) {
    Bytes[3 * i] = (std::uint8_t)(Img.Pixels[i] >> 16);
    Bytes[3 * i + 1] = (std::uint8_t)(Img.Pixels[i] >> 8);
    Bytes[3 * i + 2] = (std::uint8_t)Img.Pixels[i];
  }
  png_image Png = {};
  Png.version = PNG_IMAGE_VERSION;
  Png.width = (png_uint_32)Img.Width;
  Png.height = (png_uint_32)Img.Height;
  Png.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&Png, Path.c_str(), 0, Bytes.data(), 0, nullptr) != 0;
}

namespace {

// Path is the reference, Name how failures call it; the actual image goes beside the reference.
testing::AssertionResult _Matches(const std::string& Path, const std::string& Name, const Image& Actual) {
  std::string ActualPath = Path.substr(0, Path.size() - 4) + ".actual.png";
  if (UpdateRequested()) {
    if (!WritePng(Path, Actual)) {
      return testing::AssertionFailure() << "cannot write reference " << Path;
    }
    std::filesystem::remove(ActualPath);
    return testing::AssertionSuccess();
  }
  Image Expected;
  std::string Error;
  if (!ReadPng(Path, &Expected, &Error)) {
    WritePng(ActualPath, Actual);
    return testing::AssertionFailure() << "reference " << Name << ": " << Error << " (actual image written to "
                                       << ActualPath << "; run with GOLDEN_UPDATE=1 to accept it)";
  }
  std::ostringstream Diff;
  if (Expected.Width != Actual.Width || Expected.Height != Actual.Height) {
    Diff << "size " << Actual.Width << "x" << Actual.Height << " differs from the reference's " << Expected.Width
         << "x" << Expected.Height;
  } else {
    for (size_t i = 0; i < Actual.Pixels.size(); i++) {
      if (Actual.Pixels[i] != Expected.Pixels[i]) {
        Diff << "first differing pixel at x " << (i % (size_t)Actual.Width) << ", y " << (i / (size_t)Actual.Width)
             << ": " << Hex(Actual.Pixels[i]) << " instead of " << Hex(Expected.Pixels[i]);
        break;
      }
    }
  }
  if (Diff.str().empty()) {
    std::filesystem::remove(ActualPath);
    return testing::AssertionSuccess();
  }
  WritePng(ActualPath, Actual);
  return testing::AssertionFailure() << Name << ": " << Diff.str() << " (actual image: " << ActualPath << ")";
}

}  // namespace

testing::AssertionResult Matches(const std::string& Name, const Image& Actual) {
  return _Matches(PathOf(Name), Name, Actual);
}

testing::AssertionResult MatchesFile(const std::string& Path, const Image& Actual) {
  if (Path.size() < 4 || Path.compare(Path.size() - 4, 4, ".png") != 0) {
    return testing::AssertionFailure() << "reference " << Path << " is no .png file";
  }
  return _Matches(std::string(SIM_SOURCE_DIR) + "/" + Path, Path, Actual);
}

}  // namespace golden
