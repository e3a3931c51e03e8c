// Reading image bytes through a get-data routine.
#include "GUI_ImageRead.h"

#include <cstring>

int GUI__GetDataMem(void* pParam, const U8** ppData, unsigned NumBytes, uint32_t Off) {
  const GUI__MEM_SOURCE* pSrc = static_cast<const GUI__MEM_SOURCE*>(pParam);
  if (Off >= pSrc->NumBytes) {
    return 0;
  }
  size_t Avail = pSrc->NumBytes - Off;
  *ppData = pSrc->pData + Off;
  return int(NumBytes < Avail ? NumBytes : Avail);
}

size_t GUI__ReadData(GUI_GET_DATA_FUNC* pfGetData, void* pParam, void* pDest, size_t NumBytes, uint32_t Off) {
  uint8_t* pBuffer = static_cast<uint8_t*>(pDest);
  size_t Got = 0;
  while (Got < NumBytes) {
    size_t Ask = NumBytes - Got;
    if (Ask > 0x7FFFFFFF) {
      Ask = 0x7FFFFFFF;
    }
    if (uint64_t(Off) + Got > 0xFFFFFFFF) {
      break;  // beyond what an offset can address
    }
    const uint8_t* p = pBuffer + Got;
    int n = pfGetData(pParam, &p, unsigned(Ask), uint32_t(Off + Got));
    if (n <= 0) {
      break;
    }
    size_t Delivered = size_t(n) < Ask ? size_t(n) : Ask;  // never trust a count beyond the request
    if (!p) {
      break;
    }
    if (p != pBuffer + Got) {
      std::memmove(pBuffer + Got, p, Delivered);
    }
    Got += Delivered;
  }
  return Got;
}

int GUI__ReadDataExact(GUI_GET_DATA_FUNC* pfGetData, void* pParam, void* pDest, size_t NumBytes, uint32_t Off) {
  return GUI__ReadData(pfGetData, pParam, pDest, NumBytes, Off) == NumBytes ? 0 : 1;
}
