// AES (16-, 24- and 32-byte keys) in ECB or CBC mode, as the controller's files use it.
#pragma once
#include <cstddef>
#include <cstdint>

enum { AES_MODE_ECB = 0, AES_MODE_CBC = 1 };

struct AES_CONTEXT {
  uint32_t aRoundKey[60];  // expanded key, 4 words per round plus one
  int NumRounds;           // 10, 12 or 14
  int Mode;                // AES_MODE_ECB or AES_MODE_CBC
  uint8_t aIV[16];         // running chaining block in CBC mode
};

// Sets up the context; pIV null means an all-zero vector. -1 for a null context or key or a bad key length, else 0.
int AES_Init(AES_CONTEXT* pCtx, const uint8_t* pIV, const uint8_t* pKey, int KeyLen, int Mode);
// Enciphers / deciphers whole 16-byte blocks; in place allowed. -1 when NumBytes is not a multiple of 16 or an
// argument is null, else 0. In CBC mode the chaining block carries over to the next call.
int AES_Encrypt(AES_CONTEXT* pCtx, const uint8_t* pIn, uint8_t* pOut, size_t NumBytes);
int AES_Decrypt(AES_CONTEXT* pCtx, const uint8_t* pIn, uint8_t* pOut, size_t NumBytes);
