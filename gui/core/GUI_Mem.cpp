// Byte helpers: little-endian reads, fills, string length and texts held in the heap.
#include "GUI_Private.h"

#include <cstring>

U16 GUI__Read16(const U8** ppData) {
  const U8* p = *ppData;
  *ppData = p + 2;
  return (U16)(p[0] | (p[1] << 8));
}

U32 GUI__Read32(const U8** ppData) {
  const U8* p = *ppData;
  *ppData = p + 4;
  return (U32)p[0] | ((U32)p[1] << 8) | ((U32)p[2] << 16) | ((U32)p[3] << 24);
}

void GUI__memset(void* p, U8 Fill, int NumBytes) {
  if (p && NumBytes > 0) {
    std::memset(p, Fill, (size_t)NumBytes);
  }
}

void GUI__memset16(U16* p, U16 Fill, int NumItems) {
  if (!p || NumItems <= 0) {
    return;
  }
  if ((Fill >> 8) == (Fill & 0xFF)) {
    std::memset(p, Fill & 0xFF, (size_t)NumItems * 2);
    return;
  }
  // Items up to an 8-byte boundary, then four at a time.
  while (NumItems && (reinterpret_cast<PTR_ADDR>(p) & 7)) {
    *p++ = Fill;
    NumItems--;
  }
  U64 Pattern = Fill * 0x0001000100010001ull;
  for (; NumItems >= 4; NumItems -= 4, p += 4) {
    std::memcpy(p, &Pattern, 8);
  }
  while (NumItems--) {
    *p++ = Fill;
  }
}

void GUI__memset32(U32* p, U32 Fill, int NumItems) {
  if (!p || NumItems <= 0) {
    return;
  }
  if (NumItems && (reinterpret_cast<PTR_ADDR>(p) & 7)) {
    *p++ = Fill;
    NumItems--;
  }
  U64 Pattern = Fill * 0x0000000100000001ull;
  for (; NumItems >= 2; NumItems -= 2, p += 2) {
    std::memcpy(p, &Pattern, 8);
  }
  if (NumItems) {
    *p = Fill;
  }
}

int GUI__strlen(const char* s) { return s ? (int)std::strlen(s) : 0; }

int GUI__SetText(GUI_HMEM* phText, const char* s) {
  if (!phText) {
    return 0;
  }
  GUI_Lock();
  int r = 0;
  GUI_HMEM hOld = *phText;
  const char* pOld = hOld ? static_cast<const char*>(GUI_ALLOC_h2p(hOld)) : nullptr;
  if (!s) {
    if (hOld) {
      GUI_ALLOC_Free(hOld);
      *phText = 0;
      r = 1;
    }
  } else if (!pOld || std::strcmp(pOld, s) != 0) {
    I32 Size = (I32)std::strlen(s) + 1;
    if (hOld && GUI_ALLOC_GetSize(hOld) == Size) {
      std::memcpy(GUI_ALLOC_h2p(hOld), s, (size_t)Size);
      r = 1;
    } else {
      GUI_HMEM hNew = GUI_ALLOC_AllocInit(s, Size);
      if (hNew) {
        GUI_ALLOC_Free(hOld);
        *phText = hNew;
        r = 1;
      }
    }
  }
  GUI_Unlock();
  return r;
}
