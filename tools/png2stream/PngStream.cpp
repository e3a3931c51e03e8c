// PNG pictures into streamed bitmaps (16-byte header, optional palette, pixel rows, all little-endian): the
// conversion that png2stream and q7pack share.
#include "PngStream.h"

#include "RLEEncode.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <map>

bool PNGS_ReadPng(const char* pFileName, PNGS_Image& Img) {
  png_image Png;
  std::memset(&Png, 0, sizeof(Png));
  Png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&Png, pFileName)) {
    std::fprintf(stderr, "png2stream: %s: %s\n", pFileName, Png.message);
    return false;
  }
  Png.format = PNG_FORMAT_RGBA;
  if (Png.width == 0 || Png.height == 0 || Png.width > 0xFFFF || Png.height > 0xFFFF) {
    std::fprintf(stderr, "png2stream: %s: size %ux%u does not fit a streamed bitmap\n", pFileName, Png.width,
                 Png.height);
    png_image_free(&Png);
    return false;
  }
  Img.Width = Png.width;
  Img.Height = Png.height;
  Img.Rgba.resize(PNG_IMAGE_SIZE(Png));
  if (!png_image_finish_read(&Png, nullptr, Img.Rgba.data(), 0, nullptr)) {
    std::fprintf(stderr, "png2stream: %s: %s\n", pFileName, Png.message);
    return false;
  }
  return true;
}

namespace {

void _Put16(std::vector<uint8_t>& Out, unsigned v) {
  Out.push_back(uint8_t(v));
  Out.push_back(uint8_t(v >> 8));
}

void _Put32(std::vector<uint8_t>& Out, uint32_t v) {
  _Put16(Out, v & 0xFFFF);
  _Put16(Out, v >> 16);
}

unsigned _To5(unsigned v) { return (v * 31 + 127) / 255; }
unsigned _To6(unsigned v) { return (v * 63 + 127) / 255; }

// The stream's colour word: red in the low byte, transparency on top (0 opaque, 0xFF transparent).
uint32_t _Color(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(255 - p[3]) << 24;
}

unsigned _BGR565(const uint8_t* p) { return _To5(p[0]) | _To6(p[1]) << 5 | _To5(p[2]) << 11; }

void _PutHeader(std::vector<uint8_t>& Out, unsigned Format, const PNGS_Image& Img, unsigned BytesPerLine,
                unsigned Bpp, unsigned NumColors, unsigned HasTrans) {
  _Put16(Out, 0x4D42);
  _Put16(Out, Format);
  _Put16(Out, Img.Width);
  _Put16(Out, Img.Height);
  _Put16(Out, BytesPerLine);
  _Put16(Out, Bpp);
  _Put16(Out, NumColors);
  _Put16(Out, HasTrans);
}

}  // namespace

bool PNGS_EncodePacked(const PNGS_Image& Img, const std::string& Format, std::vector<uint8_t>& Out) {
  unsigned Code, BytesPerPixel;
  if (Format == "A8_BGR565") {
    Code = 27, BytesPerPixel = 3;
  } else if (Format == "ABGR8888") {
    Code = 16, BytesPerPixel = 4;
  } else if (Format == "BGR888") {
    Code = 17, BytesPerPixel = 3;
  } else if (Format == "BGR565") {
    Code = 8, BytesPerPixel = 2;
  } else {
    return false;
  }
  if (Img.Width * BytesPerPixel > 0xFFFF) {
    std::fprintf(stderr, "png2stream: rows of %u pixels are too long for this format\n", Img.Width);
    return false;
  }
  _PutHeader(Out, Code, Img, Img.Width * BytesPerPixel, BytesPerPixel * 8, 0, 0);
  for (size_t i = 0; i < size_t(Img.Width) * Img.Height; i++) {
    const uint8_t* p = &Img.Rgba[i * 4];
    switch (Code) {
    case 27: {
      unsigned v = _BGR565(p);
      Out.push_back(uint8_t(255 - p[3]));
      Out.push_back(uint8_t(v >> 8));
      Out.push_back(uint8_t(v));
      break;
    }
    case 16:
      _Put32(Out, _Color(p));
      break;
    case 17:
      Out.insert(Out.end(), p, p + 3);
      break;
    default:
      _Put16(Out, _BGR565(p));
      break;
    }
  }
  return true;
}

namespace {

// The picture's colours as a palette of at most MaxColors (index 0 transparent when any pixel is fully
// transparent) and each pixel's index.
bool _MakePalette(const PNGS_Image& Img, size_t MaxColors, std::vector<uint32_t>& Palette,
                  std::vector<uint32_t>& Pixels, bool& HasTrans) {
  std::map<uint32_t, unsigned> Index;
  size_t n = size_t(Img.Width) * Img.Height;
  HasTrans = false;
  for (size_t i = 0; i < n; i++) {
    HasTrans |= Img.Rgba[i * 4 + 3] == 0;
  }
  if (HasTrans) {
    Palette.push_back(0xFF000000);  // index 0, never drawn
  }
  Pixels.assign(n, 0);
  for (size_t i = 0; i < n; i++) {
    const uint8_t* p = &Img.Rgba[i * 4];
    if (p[3] == 0) {
      continue;
    }
    uint32_t c = _Color(p) & 0xFFFFFF;  // partly transparent pixels are taken as opaque
    auto It = Index.find(c);
    if (It == Index.end()) {
      if (Palette.size() == MaxColors) {
        std::fprintf(stderr, "png2stream: more than %zu colours; choose another format\n", MaxColors);
        return false;
      }
      It = Index.emplace(c, unsigned(Palette.size())).first;
      Palette.push_back(c);
    }
    Pixels[i] = It->second;
  }
  return true;
}

unsigned _RGB565(const uint8_t* p) { return _To5(p[2]) | _To6(p[1]) << 5 | _To5(p[0]) << 11; }

}  // namespace

bool PNGS_EncodeIndexed(const PNGS_Image& Img, std::vector<uint8_t>& Out) {
  std::vector<uint32_t> Palette, Pixels;
  bool HasTrans;
  if (!_MakePalette(Img, 256, Palette, Pixels, HasTrans)) {
    return false;
  }
  unsigned Bpp = Palette.size() <= 2 ? 1 : Palette.size() <= 4 ? 2 : Palette.size() <= 16 ? 4 : 8;
  unsigned BytesPerLine = (Img.Width * Bpp + 7) / 8;
  _PutHeader(Out, 100, Img, BytesPerLine, Bpp, unsigned(Palette.size()), HasTrans ? 1 : 0);
  for (uint32_t c : Palette) {
    _Put32(Out, c);
  }
  for (unsigned y = 0; y < Img.Height; y++) {
    std::vector<uint8_t> Row(BytesPerLine);
    for (unsigned x = 0; x < Img.Width; x++) {
      unsigned Bit = x * Bpp;
      Row[Bit / 8] |= uint8_t(Pixels[size_t(y) * Img.Width + x] << (8 - Bpp - Bit % 8));
    }
    Out.insert(Out.end(), Row.begin(), Row.end());
  }
  return true;
}

bool PNGS_EncodeRLE(const PNGS_Image& Img, const std::string& Format, std::vector<uint8_t>& Out) {
  size_t n = size_t(Img.Width) * Img.Height;
  std::vector<uint32_t> Palette, Values(n);
  bool HasTrans = false;
  unsigned Code, Bpp;
  rle_encode::Style Style;
  if (Format == "RLE4" || Format == "RLE8") {
    bool Four = Format == "RLE4";
    if (!_MakePalette(Img, Four ? 16 : 256, Palette, Values, HasTrans)) {
      return false;
    }
    Code = Four ? 6 : 7, Bpp = Four ? 4 : 8, Style = Four ? rle_encode::RLE4 : rle_encode::RLE8;
  } else if (Format == "RLE16_BGR565" || Format == "RLE16_RGB565") {
    bool Bgr = Format == "RLE16_BGR565";
    for (size_t i = 0; i < n; i++) {
      Values[i] = Bgr ? _BGR565(&Img.Rgba[i * 4]) : _RGB565(&Img.Rgba[i * 4]);
    }
    Code = Bgr ? 12 : 13, Bpp = 16, Style = rle_encode::RLE16;
  } else if (Format == "RLE32") {
    for (size_t i = 0; i < n; i++) {
      Values[i] = _Color(&Img.Rgba[i * 4]);
    }
    Code = 15, Bpp = 32, Style = rle_encode::RLE32;
  } else if (Format == "RLEAlpha") {
    for (size_t i = 0; i < n; i++) {
      Values[i] = 255u - Img.Rgba[i * 4 + 3];
    }
    Code = 18, Bpp = 8, Style = rle_encode::RLE8;
  } else {
    return false;
  }
  // The row pitch of run-length data is not used by readers; it states the unpacked row's size.
  unsigned BytesPerLine = (Img.Width * Bpp + 7) / 8;
  _PutHeader(Out, Code, Img, BytesPerLine <= 0xFFFF ? BytesPerLine : 0, Bpp, unsigned(Palette.size()),
             HasTrans ? 1 : 0);
  for (uint32_t c : Palette) {
    _Put32(Out, c);
  }
  std::vector<uint8_t> Runs = rle_encode::Encode(Values, Style);
  Out.insert(Out.end(), Runs.begin(), Runs.end());
  return true;
}

bool PNGS_Encode(const PNGS_Image& Img, const std::string& Format, std::vector<uint8_t>& Out) {
  return Format == "Indexed"            ? PNGS_EncodeIndexed(Img, Out)
         : Format.rfind("RLE", 0) == 0 ? PNGS_EncodeRLE(Img, Format, Out)
                                       : PNGS_EncodePacked(Img, Format, Out);
}
