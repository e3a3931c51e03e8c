// Reading image bytes through a get-data routine, shared by the streamed-bitmap and BMP readers.
#pragma once

#include "GUI_Bitmap.h"

#include <cstdint>

// A block of bytes of known length, read through GUI__GetDataMem.
struct GUI__MEM_SOURCE {
  const uint8_t* pData;
  size_t NumBytes;
};

// Get-data routine over a GUI__MEM_SOURCE: points *ppData at the requested bytes and delivers no byte past
// the end of the block.
int GUI__GetDataMem(void* pParam, const U8** ppData, unsigned NumBytes, uint32_t Off);

// Reads NumBytes bytes at Off into pDest. A get-data routine may copy into the buffer it is handed or point
// the pointer at its own copy, and may deliver fewer bytes than asked: the rest is asked for again. A routine
// that delivers nothing ends the read. Returns the number of bytes read.
size_t GUI__ReadData(GUI_GET_DATA_FUNC* pfGetData, void* pParam, void* pDest, size_t NumBytes, uint32_t Off);

// 0 when all NumBytes bytes could be read, 1 otherwise.
int GUI__ReadDataExact(GUI_GET_DATA_FUNC* pfGetData, void* pParam, void* pDest, size_t NumBytes, uint32_t Off);

// Little-endian fields of a byte buffer.
inline uint16_t GUI__Get16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t GUI__Get32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
