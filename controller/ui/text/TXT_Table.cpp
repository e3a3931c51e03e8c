#include "TXT_Table.h"

#include <bit>
#include <cstring>

namespace {

struct _Layout {
  bool Single;
  uint32_t NumGroups;
  uint32_t NumStrings;
  size_t SectionOff;  // group records, then string offsets
  size_t TextOff;     // text area (plain blobs)
  uint32_t TextWords; // text area length in words, the length word included
  size_t DestSize;
};

uint32_t _ReadU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t _ReadU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// Checks that a string starting at word Off of the text area ends inside it.
bool _StringEnds(const uint8_t* pArea, uint32_t AreaWords, uint32_t Off) {
  if (Off == 0 || Off >= AreaWords) {
    return false; // word 0 is the length word
  }
  for (size_t i = size_t(Off) * 4; i + 1 < size_t(AreaWords) * 4; i += 2) {
    if (_ReadU16(pArea + i) == 0) {
      return true;
    }
  }
  return false;
}

// Locates and validates everything the build will touch, so that a refused build writes nothing.
int _Locate(const uint8_t* pBlob, size_t BlobSize, int Language, _Layout* pL) {
  if (pBlob == nullptr || BlobSize < 16) {
    return TXT_BUILD_BAD_BLOB;
  }
  uint32_t NumLanguages = _ReadU32(pBlob);
  pL->Single = NumLanguages == TXT_SINGLE_TABLE;
  pL->NumGroups = _ReadU32(pBlob + 4);
  pL->NumStrings = _ReadU32(pBlob + 8);
  uint32_t Slot = 0;
  if (!pL->Single) {
    if (Language < 0 || uint32_t(Language) >= NumLanguages) {
      return TXT_BUILD_NO_LANGUAGE;
    }
    Slot = uint32_t(Language);
  }
  if (12 + uint64_t(Slot) * 4 + 4 > BlobSize) {
    return TXT_BUILD_BAD_BLOB;
  }
  uint64_t SectionOff = uint64_t(_ReadU32(pBlob + 12 + Slot * 4)) * 4;
  uint64_t TextOff = SectionOff + uint64_t(pL->NumGroups) * 8 + uint64_t(pL->NumStrings) * 4;
  if (TextOff > BlobSize) {
    return TXT_BUILD_BAD_BLOB;
  }
  pL->SectionOff = size_t(SectionOff);
  pL->TextOff = size_t(TextOff);
  pL->TextWords = 0;
  const uint8_t* pRecords = pBlob + pL->SectionOff;
  for (uint32_t g = 0; g < pL->NumGroups; g++) {
    uint64_t First = _ReadU32(pRecords + size_t(g) * 8);
    if (First + _ReadU16(pRecords + size_t(g) * 8 + 4) > pL->NumStrings) {
      return TXT_BUILD_BAD_BLOB;
    }
  }
  uint64_t Size = uint64_t(pL->NumGroups) * (sizeof(TXT_GROUP*) + sizeof(TXT_GROUP));
  if (pL->Single) {
    Size += uint64_t(pL->NumStrings) * sizeof(uint32_t);
  } else {
    if (TextOff + 4 > BlobSize) {
      return TXT_BUILD_BAD_BLOB;
    }
    pL->TextWords = _ReadU32(pBlob + TextOff);
    if (pL->TextWords == 0 || TextOff + uint64_t(pL->TextWords) * 4 > BlobSize) {
      return TXT_BUILD_BAD_BLOB;
    }
    const uint8_t* pOffsets = pRecords + size_t(pL->NumGroups) * 8;
    for (uint32_t i = 0; i < pL->NumStrings; i++) {
      if (!_StringEnds(pBlob + TextOff, pL->TextWords, _ReadU32(pOffsets + size_t(i) * 4))) {
        return TXT_BUILD_BAD_BLOB;
      }
    }
    Size += uint64_t(pL->NumStrings) * sizeof(char16_t*) + uint64_t(pL->TextWords) * 4;
  }
  if (Size > SIZE_MAX) {
    return TXT_BUILD_BAD_BLOB;
  }
  pL->DestSize = size_t(Size);
  return TXT_BUILD_OK;
}

} // namespace

size_t TXT_TableSize(const uint8_t* pBlob, size_t BlobSize, int Language) {
  _Layout L;
  return _Locate(pBlob, BlobSize, Language, &L) == TXT_BUILD_OK ? L.DestSize : 0;
}

int TXT_BuildTable(void* pDest, size_t DestSize, const uint8_t* pBlob, size_t BlobSize, int Language) {
  _Layout L;
  int r = _Locate(pBlob, BlobSize, Language, &L);
  if (r != TXT_BUILD_OK) {
    return r;
  }
  if (pDest == nullptr || DestSize < L.DestSize || reinterpret_cast<uintptr_t>(pDest) % alignof(TXT_GROUP*)) {
    return TXT_BUILD_TOO_SMALL;
  }
  // Layout of the destination: group pointers, group records, string pointers (or values), text area.
  uint8_t* p = static_cast<uint8_t*>(pDest);
  TXT_GROUP** papGroup = reinterpret_cast<TXT_GROUP**>(p);
  p += size_t(L.NumGroups) * sizeof(TXT_GROUP*);
  TXT_GROUP* paGroup = reinterpret_cast<TXT_GROUP*>(p);
  p += size_t(L.NumGroups) * sizeof(TXT_GROUP);
  const uint8_t* pRecords = pBlob + L.SectionOff;
  const uint8_t* pEntries = pRecords + size_t(L.NumGroups) * 8;
  uint32_t* paValue = nullptr;
  const char16_t** papText = nullptr;
  if (L.Single) {
    // Plain values are copied as they are; there is no text area.
    paValue = reinterpret_cast<uint32_t*>(p);
    for (uint32_t i = 0; i < L.NumStrings; i++) {
      paValue[i] = _ReadU32(pEntries + size_t(i) * 4);
    }
  } else {
    papText = reinterpret_cast<const char16_t**>(p);
    p += size_t(L.NumStrings) * sizeof(char16_t*);
    uint8_t* pArea = p;
    const uint8_t* pSrcArea = pBlob + L.TextOff;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(pArea, pSrcArea, size_t(L.TextWords) * 4);
    } else {
      for (size_t i = 0; i < size_t(L.TextWords) * 4; i += 2) {
        char16_t c = _ReadU16(pSrcArea + i);
        std::memcpy(pArea + i, &c, 2);
      }
    }
    for (uint32_t i = 0; i < L.NumStrings; i++) {
      papText[i] = reinterpret_cast<const char16_t*>(pArea + size_t(_ReadU32(pEntries + size_t(i) * 4)) * 4);
    }
  }
  for (uint32_t g = 0; g < L.NumGroups; g++) {
    const uint8_t* pRecord = pRecords + size_t(g) * 8;
    uint32_t First = _ReadU32(pRecord);
    papGroup[g] = &paGroup[g];
    if (L.Single) {
      paGroup[g].paValue = paValue + First;
    } else {
      paGroup[g].papText = papText + First;
    }
    paGroup[g].NumItems = _ReadU16(pRecord + 4);
    paGroup[g].Extra = _ReadU16(pRecord + 6);
  }
  return TXT_BUILD_OK;
}

int TXT_CopyCountedString(const uint8_t* pSrc, size_t SrcSize, char16_t* pDest, size_t DestBytes) {
  if (pSrc == nullptr || SrcSize < 4) {
    return -1;
  }
  uint64_t n = _ReadU32(pSrc);
  if (2 * n > DestBytes || 4 + 2 * n > SrcSize) {
    return -1;
  }
  for (size_t i = 0; i < n; i++) {
    pDest[i] = _ReadU16(pSrc + 4 + 2 * i);
  }
  return 0;
}
