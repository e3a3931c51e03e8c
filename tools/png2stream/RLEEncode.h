// Run-length encoders of the streamed-bitmap formats: a picture's pixel values (row after row) become runs
// that go on across row ends. Repeats of three or more equal values become one run, everything else literal
// runs of up to 255 values. Header-only, so that the image tests can build the same streams.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rle_encode {

using std::size_t;

enum Style {
  RLE4,      // n, v / 0, c + (c + 1) / 2 bytes of nibbles, high first
  RLE8,      // n, v / 0, c + c bytes (also the alpha format)
  RLE16,     // n + 16-bit value / 0, c + c values
  RLE32,     // n + 32-bit value / 0, c + c values
};

inline void _PutValue(std::vector<uint8_t>& Out, Style s, uint32_t v) {
  int n = s == RLE16 ? 2 : s == RLE32 ? 4 : 1;
  for (int i = 0; i < n; i++) {
    Out.push_back(uint8_t(v >> (8 * i)));
  }
}

inline std::vector<uint8_t> Encode(const std::vector<uint32_t>& Values, Style s) {
  std::vector<uint8_t> Out;
  size_t N = Values.size(), i = 0;
  auto RunAt = [&](size_t k) {
    size_t r = 1;
    while (k + r < N && r < 255 && Values[k + r] == Values[k]) {
      r++;
    }
    return r;
  };
  while (i < N) {
    size_t r = RunAt(i);
    if (r >= 3) {
      Out.push_back(uint8_t(r));
      _PutValue(Out, s, Values[i]);
      i += r;
      continue;
    }
    size_t j = i;
    while (j < N && j - i < 255 && RunAt(j) < 3) {
      j++;
    }
    size_t c = j - i;
    Out.push_back(0);
    Out.push_back(uint8_t(c));
    if (s == RLE4) {
      for (size_t k = 0; k < c; k += 2) {
        uint8_t Lo = k + 1 < c ? uint8_t(Values[i + k + 1] & 15) : 0;
        Out.push_back(uint8_t((Values[i + k] & 15) << 4 | Lo));
      }
    } else {
      for (size_t k = 0; k < c; k++) {
        _PutValue(Out, s, Values[i + k]);
      }
    }
    i = j;
  }
  return Out;
}

}  // namespace rle_encode
