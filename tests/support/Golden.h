// Golden-image comparison: a rendered image is compared pixel for pixel with a PNG reference under
// tests/golden/ (or another file of the source tree). On a mismatch the actual image is written beside the reference as <name>.actual.png and the
// first differing pixel is named. References are written only when GOLDEN_UPDATE=1 is set; without it a
// missing reference is a failure.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace golden {

struct Image {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // 0x00RRGGBB, row by row
};

bool ReadPng(const std::string& Path, Image* pImage, std::string* pError);
bool WritePng(const std::string& Path, const Image& Image);
std::string PathOf(const std::string& Name);  // tests/golden/<Name>.png

// Name may contain '/' to group references in folders.
testing::AssertionResult Matches(const std::string& Name, const Image& Actual);
// The same for a picture kept elsewhere in the source tree, such as the documentation's: Path is relative to the
// source folder and names the PNG file.
testing::AssertionResult MatchesFile(const std::string& Path, const Image& Actual);

}  // namespace golden
