#include "WHIRL.h"

#include <array>
#include <cstring>

namespace {

// The S-box is built from three 4-bit mini-boxes, as the cipher's design describes it.
constexpr uint8_t _aE[16] = {0x1, 0xB, 0x9, 0xC, 0xD, 0x6, 0xF, 0x3, 0xE, 0x8, 0x7, 0x4, 0xA, 0x2, 0x5, 0x0};
constexpr uint8_t _aR[16] = {0x7, 0xC, 0xB, 0xD, 0xE, 0x4, 0x9, 0xF, 0x6, 0x3, 0x8, 0xA, 0x2, 0x5, 0x1, 0x0};

constexpr std::array<uint8_t, 256> _MakeSBox() {
  uint8_t einv[16]{};
  for (int i = 0; i < 16; i++) einv[_aE[i]] = (uint8_t)i;
  std::array<uint8_t, 256> s{};
  for (int u = 0; u < 256; u++) {
    uint8_t a = _aE[u >> 4], b = einv[u & 15];
    uint8_t r = _aR[a ^ b];
    s[u] = (uint8_t)(_aE[a ^ r] << 4 | einv[b ^ r]);
  }
  return s;
}

constexpr auto _S = _MakeSBox();

constexpr uint8_t _Mul(uint8_t a, uint8_t b) {  // GF(2^8) modulo x^8 + x^4 + x^3 + x^2 + 1
  uint8_t r = 0;
  while (b) {
    if (b & 1) r ^= a;
    a = (uint8_t)((a << 1) ^ ((a & 0x80) ? 0x1D : 0));
    b >>= 1;
  }
  return r;
}

constexpr uint8_t _aC[8] = {1, 1, 4, 1, 8, 5, 2, 9};

// Products of every byte with the eight matrix coefficients, row by coefficient position.
constexpr std::array<std::array<uint8_t, 256>, 8> _MakeMulC() {
  std::array<std::array<uint8_t, 256>, 8> t{};
  for (int k = 0; k < 8; k++)
    for (int x = 0; x < 256; x++) t[k][x] = _Mul((uint8_t)x, _aC[k]);
  return t;
}

constexpr auto _MulC = _MakeMulC();

using _State = uint8_t[8][8];

// One round function: substitute, shift columns down, mix rows, add the key.
void _Round(_State& a, const _State& k) {
  _State t;
  for (int i = 0; i < 8; i++)
    for (int j = 0; j < 8; j++) t[i][j] = _S[a[(i - j + 8) & 7][j]];
  for (int i = 0; i < 8; i++)
    for (int j = 0; j < 8; j++) {
      uint8_t v = 0;
      for (int x = 0; x < 8; x++) v ^= _MulC[(j - x + 8) & 7][t[i][x]];
      a[i][j] = v ^ k[i][j];
    }
}

void _Compress(uint8_t* pHash, const uint8_t* pBlock) {
  _State h, k, s, rc = {};
  for (int i = 0; i < 64; i++) {
    h[i / 8][i % 8] = pHash[i];
    k[i / 8][i % 8] = pHash[i];
    s[i / 8][i % 8] = (uint8_t)(pBlock[i] ^ pHash[i]);
  }
  for (int r = 1; r <= 10; r++) {
    for (int j = 0; j < 8; j++) rc[0][j] = _S[8 * (r - 1) + j];
    _Round(k, rc);
    _Round(s, k);
  }
  for (int i = 0; i < 64; i++) pHash[i] = (uint8_t)(s[i / 8][i % 8] ^ h[i / 8][i % 8] ^ pBlock[i]);
}

}  // namespace

void WHIRL_Hash(const void* pData, size_t NumBytes, uint8_t* pDigest) {
  if (!pDigest) return;
  const uint8_t* p = static_cast<const uint8_t*>(pData);
  if (!p) NumBytes = 0;
  uint8_t hash[64] = {};
  size_t n = NumBytes;
  while (n >= 64) {
    _Compress(hash, p);
    p += 64;
    n -= 64;
  }
  // Padding: a one bit, zeros up to 32 bytes before a block end, then the 256-bit bit length, big-endian.
  uint8_t tail[128] = {};
  if (n) memcpy(tail, p, n);  // an empty input may come as a null pointer
  tail[n] = 0x80;
  size_t total = (n + 1 + 32 <= 64) ? 64 : 128;
  uint64_t bits = (uint64_t)NumBytes * 8;
  for (int i = 0; i < 8; i++) tail[total - 1 - i] = (uint8_t)(bits >> (8 * i));
  for (size_t off = 0; off < total; off += 64) _Compress(hash, tail + off);
  memcpy(pDigest, hash, 64);
}
