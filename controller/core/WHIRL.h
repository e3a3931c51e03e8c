// Whirlpool hash (ISO/IEC 10118-3), 64-byte digest; used for access-code records and file signatures.
#pragma once
#include <cstddef>
#include <cstdint>

enum { WHIRL_DIGEST_SIZE = 64 };

void WHIRL_Hash(const void* pData, size_t NumBytes, uint8_t* pDigest);
