// Text tables: building one language's table of UTF-16 texts from a packed multi-language blob.
#pragma once
#include <cstddef>
#include <cstdint>

#include "TXT_Current.h"  // TXT_GROUP and TXT_TABLE

// Results of TXT_BuildTable.
enum {
  TXT_BUILD_OK = 0,
  TXT_BUILD_NO_LANGUAGE = 1, // the language is not in the blob
  TXT_BUILD_TOO_SMALL = 2,   // the destination is too small or not aligned for pointers
  TXT_BUILD_BAD_BLOB = 3,    // the blob is truncated or its offsets point outside it
};

// Marks a blob that carries one table of plain values instead of languages.
constexpr uint32_t TXT_SINGLE_TABLE = 0xFFFFFFFFu;

// Bytes a built table of the language needs; 0 when the blob is malformed or lacks the language.
size_t TXT_TableSize(const uint8_t* pBlob, size_t BlobSize, int Language);

// Builds the language's table into pDest (DestSize bytes, aligned for pointers). The destination is left
// untouched unless the result is TXT_BUILD_OK. A single-table blob builds for any language.
int TXT_BuildTable(void* pDest, size_t DestSize, const uint8_t* pBlob, size_t BlobSize, int Language);

// Copies a counted string (u32 count n, then n UTF-16 units, little-endian) without adding a terminator.
// Returns 0, or -1 when 2n exceeds DestBytes or the source is shorter than its count says.
int TXT_CopyCountedString(const uint8_t* pSrc, size_t SrcSize, char16_t* pDest, size_t DestBytes);

// Lays a counted list (u32 item count n, u32 slot length L in characters, then n counted strings) out into
// pDest: n item records {u16 first character of the item's slot, u16 length}, then n slots of L characters, each
// item cut to L - 1 characters and terminated. pDest must be aligned for char16_t and hold 4n + 2Ln bytes.
// Returns 0, or -1 when the destination is too small or the source is shorter than its counts say.
int TXT_BuildCountedList(const uint8_t* pSrc, size_t SrcSize, void* pDest, size_t DestBytes);
