// png2stream: turns a PNG picture into a streamed bitmap (16-byte header, optional palette, pixel rows, all
// little-endian), the form in which the controller keeps its images.
//
//   png2stream [-f FORMAT] [-c NAME] input.png output
//
// FORMAT: A8_BGR565 (default, the screens' format: alpha byte plus a 5-6-5 value, most significant byte
// first), ABGR8888, BGR888, BGR565 or Indexed (at most 256 colours; fully transparent pixels become index 0,
// which is then marked transparent), or run-length encoded: RLE4 (at most 16 colours) and RLE8 with the
// palette rules of Indexed, RLE16_BGR565, RLE16_RGB565, RLE32 (colours with transparency) and RLEAlpha (the
// picture's transparency only, drawn in the current colour). With -c the output is a C++ source file that
// defines `const unsigned char NAME[]` instead of the raw bytes.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "PngStream.h"

namespace {

bool _Write(const char* pFileName, const std::vector<uint8_t>& Data, const char* pArrayName) {
  FILE* f = std::fopen(pFileName, pArrayName ? "w" : "wb");
  if (!f) {
    std::perror(pFileName);
    return false;
  }
  bool Ok;
  if (pArrayName) {
    std::fprintf(f, "// Streamed bitmap made by png2stream.\nextern const unsigned char %s[];\n", pArrayName);
    // Aligned so that the palette and 16-bit pixels can be read in place.
    std::fprintf(f, "alignas(4) const unsigned char %s[%zu] = {", pArrayName, Data.size());
    for (size_t i = 0; i < Data.size(); i++) {
      std::fprintf(f, "%s0x%02X,", i % 16 ? " " : "\n  ", Data[i]);
    }
    Ok = std::fprintf(f, "\n};\n") > 0;
  } else {
    Ok = std::fwrite(Data.data(), 1, Data.size(), f) == Data.size();
  }
  Ok = (std::fclose(f) == 0) && Ok;
  if (!Ok) {
    std::fprintf(stderr, "png2stream: cannot write %s\n", pFileName);
  }
  return Ok;
}

int _Usage() {
  std::fprintf(stderr,
               "usage: png2stream [-f A8_BGR565|ABGR8888|BGR888|BGR565|Indexed|RLE4|RLE8|RLE16_BGR565|"
               "RLE16_RGB565|RLE32|RLEAlpha] [-c NAME] in.png out\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string Format = "A8_BGR565";
  const char* pArrayName = nullptr;
  int i = 1;
  for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
    if (!std::strcmp(argv[i], "-f")) {
      Format = argv[i + 1];
    } else if (!std::strcmp(argv[i], "-c")) {
      pArrayName = argv[i + 1];
    } else {
      return _Usage();
    }
  }
  static const char* const apFormats[] = {"A8_BGR565", "ABGR8888",     "BGR888",       "BGR565",
                                          "Indexed",   "RLE4",         "RLE8",         "RLE16_BGR565",
                                          "RLE16_RGB565", "RLE32",     "RLEAlpha"};
  bool Known = false;
  for (const char* pName : apFormats) {
    Known |= Format == pName;
  }
  if (argc - i != 2 || !Known) {
    return _Usage();
  }
  PNGS_Image Img;
  if (!PNGS_ReadPng(argv[i], Img)) {
    return 1;
  }
  std::vector<uint8_t> Out;
  bool Ok = PNGS_Encode(Img, Format, Out);
  if (!Ok) {
    return 1;
  }
  return _Write(argv[i + 1], Out, pArrayName) ? 0 : 1;
}
