// Decoding an 800 x 480 4:2:0 quality-85 JPEG (a picture made here, compressed with libjpeg) into a 32-bit
// memory device, against libjpeg-turbo (jpeg_read_scanlines into RGBA) and against stb_image (into RGBA).
// Our decoder runs twice under two names so that each reference gets its own printed ratio.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#include <stb/stb_image.h>

#include "BenchRatio.h"
#include "GUI.h"
#include "GUI_JPEG.h"
#include "GUI_MEMDEV.h"
#include "WM.h"

namespace {

const int kXSize = 800, kYSize = 480;
std::vector<unsigned char> _Jpeg;
GUI_HMEM _hDevice;

// A photograph-like picture: gradients, soft shapes, fine texture.
std::vector<unsigned char> _Picture() {
  std::vector<unsigned char> v(size_t(kXSize) * kYSize * 3);
  for (int y = 0; y < kYSize; y++) {
    for (int x = 0; x < kXSize; x++) {
      unsigned char* p = &v[(size_t(y) * kXSize + x) * 3];
      double d = std::hypot(x - 400.0, y - 240.0);
      p[0] = (unsigned char)(128 + 100 * std::sin(d * 0.05) + ((x * 7 + y * 3) % 11));
      p[1] = (unsigned char)(x * 255 / kXSize);
      p[2] = (unsigned char)(128 + 90 * std::cos(x * 0.03) * std::sin(y * 0.02) + ((x ^ y) & 7));
    }
  }
  return v;
}

void _Compress() {
  std::vector<unsigned char> Rgb = _Picture();
  jpeg_compress_struct c;
  jpeg_error_mgr e;
  c.err = jpeg_std_error(&e);
  jpeg_create_compress(&c);
  unsigned char* pOut = nullptr;
  unsigned long Size = 0;
  jpeg_mem_dest(&c, &pOut, &Size);
  c.image_width = kXSize;
  c.image_height = kYSize;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 85, TRUE);
  c.comp_info[0].h_samp_factor = 2;
  c.comp_info[0].v_samp_factor = 2;
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW Row = &Rgb[size_t(c.next_scanline) * kXSize * 3];
    jpeg_write_scanlines(&c, &Row, 1);
  }
  jpeg_finish_compress(&c);
  _Jpeg.assign(pOut, pOut + Size);
  jpeg_destroy_compress(&c);
  std::free(pOut);
}

void _Setup() {
  GUI_Init();
  WM_Init();
  GUI_MEMDEV__Init();
  _hDevice = GUI_MEMDEV_Create32(0, 0, kXSize, kYSize);
  _Compress();
}

void _DecodeOurs(benchmark::State& State) {
  GUI_MEMDEV_Select(_hDevice);
  for (auto _ : State) {
    if (GUI_JPEG_Draw(_Jpeg.data(), int(_Jpeg.size()), 0, 0)) {
      State.SkipWithError("decoding failed");
      break;
    }
    benchmark::ClobberMemory();
  }
  GUI_MEMDEV_Select(0);
}

void BM_JpegDecode(benchmark::State& State) { _DecodeOurs(State); }
void BM_JpegDecodeVsStb(benchmark::State& State) { _DecodeOurs(State); }

void BM_JpegDecode_Reference(benchmark::State& State) {
  std::vector<unsigned char> Rgba(size_t(kXSize) * kYSize * 4);
  for (auto _ : State) {
    jpeg_decompress_struct d;
    jpeg_error_mgr e;
    d.err = jpeg_std_error(&e);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, _Jpeg.data(), _Jpeg.size());
    jpeg_read_header(&d, TRUE);
    d.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&d);
    while (d.output_scanline < d.output_height) {
      JSAMPROW Row = &Rgba[size_t(d.output_scanline) * kXSize * 4];
      jpeg_read_scanlines(&d, &Row, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    benchmark::ClobberMemory();
  }
}

void BM_JpegDecodeVsStb_Reference(benchmark::State& State) {
  for (auto _ : State) {
    int x, y, n;
    unsigned char* p = stbi_load_from_memory(_Jpeg.data(), int(_Jpeg.size()), &x, &y, &n, 4);
    benchmark::DoNotOptimize(p);
    stbi_image_free(p);
  }
}

BENCHMARK(BM_JpegDecode);
BENCHMARK(BM_JpegDecode_Reference);
BENCHMARK(BM_JpegDecodeVsStb);
BENCHMARK(BM_JpegDecodeVsStb_Reference);

}  // namespace

int main(int argc, char** argv) {
  _Setup();
  return benchratio::Main(argc, argv);
}
