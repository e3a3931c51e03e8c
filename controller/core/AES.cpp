#include "AES.h"

#include <array>
#include <cstring>

namespace {

constexpr uint8_t _Mul2(uint8_t x) { return (uint8_t)((x << 1) ^ ((x & 0x80) ? 0x1B : 0)); }

constexpr uint8_t _Mul(uint8_t a, uint8_t b) {
  uint8_t r = 0;
  while (b) {
    if (b & 1) r ^= a;
    a = _Mul2(a);
    b >>= 1;
  }
  return r;
}

struct _Boxes {
  std::array<uint8_t, 256> s{}, inv{};
};

constexpr _Boxes _MakeBoxes() {
  _Boxes b{};
  for (int x = 0; x < 256; x++) {
    // Multiplicative inverse as x^254 (0 stays 0), by square and multiply.
    uint8_t v = 1, base = (uint8_t)x;
    for (int e = 254; e; e >>= 1) {
      if (e & 1) v = _Mul(v, base);
      base = _Mul(base, base);
    }
    uint8_t s = v;
    for (int k = 1; k <= 4; k++) s ^= (uint8_t)((v << k) | (v >> (8 - k)));
    s ^= 0x63;
    b.s[x] = s;
    b.inv[s] = (uint8_t)x;
  }
  return b;
}

constexpr _Boxes _Box = _MakeBoxes();

// Products with the inverse mix-columns coefficients 9, 11, 13 and 14.
struct _MulTables {
  std::array<uint8_t, 256> m9{}, m11{}, m13{}, m14{};
};

constexpr _MulTables _MakeMul() {
  _MulTables t{};
  for (int x = 0; x < 256; x++) {
    t.m9[x] = _Mul((uint8_t)x, 9);
    t.m11[x] = _Mul((uint8_t)x, 11);
    t.m13[x] = _Mul((uint8_t)x, 13);
    t.m14[x] = _Mul((uint8_t)x, 14);
  }
  return t;
}

constexpr _MulTables _MT = _MakeMul();

uint32_t _SubWord(uint32_t w) {
  return (uint32_t)_Box.s[w >> 24] << 24 | (uint32_t)_Box.s[(w >> 16) & 0xFF] << 16 |
         (uint32_t)_Box.s[(w >> 8) & 0xFF] << 8 | _Box.s[w & 0xFF];
}

void _AddRoundKey(uint8_t* s, const uint32_t* k) {
  for (int c = 0; c < 4; c++) {
    s[4 * c + 0] ^= (uint8_t)(k[c] >> 24);
    s[4 * c + 1] ^= (uint8_t)(k[c] >> 16);
    s[4 * c + 2] ^= (uint8_t)(k[c] >> 8);
    s[4 * c + 3] ^= (uint8_t)k[c];
  }
}

void _EncryptBlock(const AES_CONTEXT* pCtx, uint8_t* s) {
  _AddRoundKey(s, pCtx->aRoundKey);
  for (int r = 1; r <= pCtx->NumRounds; r++) {
    uint8_t t[16];
    for (int i = 0; i < 16; i++) t[i] = _Box.s[s[i]];
    // Shift rows: row i moves left by i; byte (row, col) sits at 4*col+row.
    for (int c = 0; c < 4; c++)
      for (int row = 0; row < 4; row++) s[4 * c + row] = t[4 * ((c + row) & 3) + row];
    if (r != pCtx->NumRounds) {
      for (int c = 0; c < 4; c++) {
        uint8_t* p = s + 4 * c;
        uint8_t a0 = p[0], a1 = p[1], a2 = p[2], a3 = p[3];
        p[0] = (uint8_t)(_Mul2(a0) ^ _Mul2(a1) ^ a1 ^ a2 ^ a3);
        p[1] = (uint8_t)(a0 ^ _Mul2(a1) ^ _Mul2(a2) ^ a2 ^ a3);
        p[2] = (uint8_t)(a0 ^ a1 ^ _Mul2(a2) ^ _Mul2(a3) ^ a3);
        p[3] = (uint8_t)(_Mul2(a0) ^ a0 ^ a1 ^ a2 ^ _Mul2(a3));
      }
    }
    _AddRoundKey(s, pCtx->aRoundKey + 4 * r);
  }
}

void _DecryptBlock(const AES_CONTEXT* pCtx, uint8_t* s) {
  _AddRoundKey(s, pCtx->aRoundKey + 4 * pCtx->NumRounds);
  for (int r = pCtx->NumRounds - 1; r >= 0; r--) {
    uint8_t t[16];
    for (int c = 0; c < 4; c++)
      for (int row = 0; row < 4; row++) t[4 * ((c + row) & 3) + row] = s[4 * c + row];
    for (int i = 0; i < 16; i++) s[i] = _Box.inv[t[i]];
    _AddRoundKey(s, pCtx->aRoundKey + 4 * r);
    if (r) {
      for (int c = 0; c < 4; c++) {
        uint8_t* p = s + 4 * c;
        uint8_t a0 = p[0], a1 = p[1], a2 = p[2], a3 = p[3];
        p[0] = (uint8_t)(_MT.m14[a0] ^ _MT.m11[a1] ^ _MT.m13[a2] ^ _MT.m9[a3]);
        p[1] = (uint8_t)(_MT.m9[a0] ^ _MT.m14[a1] ^ _MT.m11[a2] ^ _MT.m13[a3]);
        p[2] = (uint8_t)(_MT.m13[a0] ^ _MT.m9[a1] ^ _MT.m14[a2] ^ _MT.m11[a3]);
        p[3] = (uint8_t)(_MT.m11[a0] ^ _MT.m13[a1] ^ _MT.m9[a2] ^ _MT.m14[a3]);
      }
    }
  }
}

}  // namespace

int AES_Init(AES_CONTEXT* pCtx, const uint8_t* pIV, const uint8_t* pKey, int KeyLen, int Mode) {
  if (!pCtx || !pKey || (KeyLen != 16 && KeyLen != 24 && KeyLen != 32)) return -1;
  int nk = KeyLen / 4;
  pCtx->NumRounds = nk + 6;
  pCtx->Mode = Mode;
  if (pIV)
    memcpy(pCtx->aIV, pIV, 16);
  else
    memset(pCtx->aIV, 0, 16);
  uint32_t* w = pCtx->aRoundKey;
  for (int i = 0; i < nk; i++)
    w[i] = (uint32_t)pKey[4 * i] << 24 | (uint32_t)pKey[4 * i + 1] << 16 | (uint32_t)pKey[4 * i + 2] << 8 | pKey[4 * i + 3];
  uint8_t rcon = 1;
  int total = 4 * (pCtx->NumRounds + 1);
  for (int i = nk; i < total; i++) {
    uint32_t t = w[i - 1];
    if (i % nk == 0) {
      t = _SubWord((t << 8) | (t >> 24)) ^ ((uint32_t)rcon << 24);
      rcon = _Mul2(rcon);
    } else if (nk > 6 && i % nk == 4) {
      t = _SubWord(t);
    }
    w[i] = w[i - nk] ^ t;
  }
  return 0;
}

int AES_Encrypt(AES_CONTEXT* pCtx, const uint8_t* pIn, uint8_t* pOut, size_t NumBytes) {
  if (!pCtx || !pIn || !pOut || (NumBytes & 15)) return -1;
  for (size_t off = 0; off < NumBytes; off += 16) {
    uint8_t b[16];
    memcpy(b, pIn + off, 16);
    if (pCtx->Mode == AES_MODE_CBC)
      for (int i = 0; i < 16; i++) b[i] ^= pCtx->aIV[i];
    _EncryptBlock(pCtx, b);
    if (pCtx->Mode == AES_MODE_CBC) memcpy(pCtx->aIV, b, 16);
    memcpy(pOut + off, b, 16);
  }
  return 0;
}

int AES_Decrypt(AES_CONTEXT* pCtx, const uint8_t* pIn, uint8_t* pOut, size_t NumBytes) {
  if (!pCtx || !pIn || !pOut || (NumBytes & 15)) return -1;
  for (size_t off = 0; off < NumBytes; off += 16) {
    uint8_t b[16], c[16];
    memcpy(c, pIn + off, 16);
    memcpy(b, c, 16);
    _DecryptBlock(pCtx, b);
    if (pCtx->Mode == AES_MODE_CBC) {
      for (int i = 0; i < 16; i++) b[i] ^= pCtx->aIV[i];
      memcpy(pCtx->aIV, c, 16);
    }
    memcpy(pOut + off, b, 16);
  }
  return 0;
}
