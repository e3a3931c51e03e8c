// BMP headers: the file header, the info header in its published sizes (the 12-byte core header and the
// 40-, 52-, 56-, 108- and 124-byte info headers), colour masks and palette; and the size queries.
#include "GUI_BMP.h"
#include "GUI_BMP_Private.h"

#include <cstdint>
#include <cstring>

namespace {

enum {
  FILE_HEADER_SIZE = 14,
  CORE_HEADER_SIZE = 12,
  MAX_INFO_HEADER_SIZE = 124,
};

// Shift and width of a colour mask; 1 when the mask's bits are not one run or lie beyond the pixel.
int _SetMask(GUI_BMP__INFO* pInfo, int Component, uint32_t Mask, unsigned BitsPerPixel) {
  pInfo->aMask[Component] = Mask;
  pInfo->aShift[Component] = 0;
  pInfo->aWidth[Component] = 0;
  if (!Mask) {
    return 0;
  }
  if (BitsPerPixel < 32 && (Mask >> BitsPerPixel)) {
    return 1;
  }
  unsigned Shift = 0;
  while (!((Mask >> Shift) & 1)) {
    Shift++;
  }
  uint64_t Run = uint64_t(Mask) >> Shift;
  unsigned Width = 0;
  while (Run & 1) {
    Run >>= 1;
    Width++;
  }
  if (Run) {
    return 1;  // a gap in the mask
  }
  pInfo->aShift[Component] = uint8_t(Shift);
  pInfo->aWidth[Component] = uint8_t(Width);
  return 0;
}

int _ReadPalette(GUI_BMP__INFO* pInfo, GUI_GET_DATA_FUNC* pfGetData, void* pParam, uint32_t Off,
                 unsigned EntrySize) {
  uint8_t aBuffer[256 * 4];
  if (pInfo->NumColors && GUI__ReadDataExact(pfGetData, pParam, aBuffer, pInfo->NumColors * EntrySize, Off)) {
    return 1;
  }
  for (unsigned i = 0; i < pInfo->NumColors; i++) {
    const uint8_t* p = aBuffer + i * EntrySize;
    pInfo->aPalette[i] = GUI_COLOR(p[2]) | GUI_COLOR(p[1]) << 8 | GUI_COLOR(p[0]) << 16;
  }
  // Indices beyond the palette show its first colour instead of reading past it.
  GUI_COLOR Fill = pInfo->NumColors ? pInfo->aPalette[0] : 0;
  for (unsigned i = pInfo->NumColors; i < 256; i++) {
    pInfo->aPalette[i] = Fill;
  }
  return 0;
}

}  // namespace

int GUI_BMP__ReadInfo(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_BMP__INFO* pInfo) {
  std::memset(pInfo, 0, sizeof(*pInfo));
  uint8_t aHeader[FILE_HEADER_SIZE + MAX_INFO_HEADER_SIZE] = {};
  if (GUI__ReadDataExact(pfGetData, pParam, aHeader, FILE_HEADER_SIZE + 4, 0)) {
    return 1;
  }
  if (GUI__Get16(aHeader) != 0x4D42) {
    return 1;
  }
  uint32_t HeaderSize = GUI__Get32(aHeader + 14);
  if (HeaderSize != CORE_HEADER_SIZE && HeaderSize != 40 && HeaderSize != 52 && HeaderSize != 56 &&
      HeaderSize != 108 && HeaderSize != 124) {
    return 1;
  }
  if (GUI__ReadDataExact(pfGetData, pParam, aHeader + FILE_HEADER_SIZE + 4, HeaderSize - 4, FILE_HEADER_SIZE + 4)) {
    return 1;
  }
  int64_t XSize, YSize;
  unsigned EntrySize;
  uint32_t ClrUsed = 0;
  if (HeaderSize == CORE_HEADER_SIZE) {
    XSize = GUI__Get16(aHeader + 18);
    YSize = GUI__Get16(aHeader + 20);
    pInfo->BitsPerPixel = GUI__Get16(aHeader + 24);
    pInfo->Compression = 0;
    EntrySize = 3;
  } else {
    XSize = int32_t(GUI__Get32(aHeader + 18));
    YSize = int32_t(GUI__Get32(aHeader + 22));
    pInfo->BitsPerPixel = GUI__Get16(aHeader + 28);
    pInfo->Compression = GUI__Get32(aHeader + 30);
    ClrUsed = GUI__Get32(aHeader + 46);
    EntrySize = 4;
  }
  if (YSize < 0) {
    pInfo->TopDown = 1;
    YSize = -YSize;
  }
  if (XSize < 1 || XSize > GUI_BMP__MAX_SIZE || YSize < 1 || YSize > GUI_BMP__MAX_SIZE) {
    return 1;
  }
  pInfo->XSize = int32_t(XSize);
  pInfo->YSize = int32_t(YSize);
  unsigned Bpp = pInfo->BitsPerPixel;
  if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 16 && Bpp != 24 && Bpp != 32) {
    return 1;
  }
  switch (pInfo->Compression) {
  case 0:
    break;
  case 1:  // RLE8
  case 2:  // RLE4
    if (Bpp != (pInfo->Compression == 1 ? 8u : 4u) || pInfo->TopDown) {
      return 1;
    }
    break;
  case 3:
    if (Bpp != 16 && Bpp != 32) {
      return 1;
    }
    break;
  default:
    return 1;
  }
  uint32_t PalOff = FILE_HEADER_SIZE + HeaderSize;
  // Colour masks: the published defaults, those inside the larger headers, or three words behind the 40-byte one.
  if (Bpp == 16) {
    _SetMask(pInfo, 0, 0x7C00, 16), _SetMask(pInfo, 1, 0x03E0, 16), _SetMask(pInfo, 2, 0x001F, 16);
  } else if (Bpp == 32) {
    _SetMask(pInfo, 0, 0xFF0000, 32), _SetMask(pInfo, 1, 0xFF00, 32), _SetMask(pInfo, 2, 0xFF, 32);
    _SetMask(pInfo, 3, 0xFF000000, 32);
  }
  if (pInfo->Compression == 3) {
    const uint8_t* pMasks = aHeader + FILE_HEADER_SIZE + 40;
    if (HeaderSize == 40) {
      if (GUI__ReadDataExact(pfGetData, pParam, aHeader + PalOff, 12, PalOff)) {
        return 1;
      }
      PalOff += 12;
    }
    uint32_t Alpha = HeaderSize >= 56 ? GUI__Get32(pMasks + 12) : 0;
    if (_SetMask(pInfo, 0, GUI__Get32(pMasks), Bpp) || _SetMask(pInfo, 1, GUI__Get32(pMasks + 4), Bpp) ||
        _SetMask(pInfo, 2, GUI__Get32(pMasks + 8), Bpp) || _SetMask(pInfo, 3, Alpha, Bpp)) {
      return 1;
    }
    if (!(pInfo->aMask[0] | pInfo->aMask[1] | pInfo->aMask[2])) {
      return 1;
    }
  }
  if (Bpp <= 8) {
    if (ClrUsed > 256) {
      return 1;
    }
    pInfo->NumColors = ClrUsed ? ClrUsed : 1u << Bpp;
  }
  uint32_t PalEnd = PalOff + pInfo->NumColors * EntrySize;
  if (_ReadPalette(pInfo, pfGetData, pParam, PalOff, EntrySize)) {
    return 1;
  }
  // The pixel rows follow the palette (or the masks) directly. The file header's pixel-data offset is not used:
  // a file may say anything there, and drawing from it would read wherever it points.
  pInfo->DataOff = PalEnd;
  uint64_t BytesPerLine = ((uint64_t(pInfo->XSize) * Bpp + 31) / 32) * 4;
  if (pInfo->Compression != 1 && pInfo->Compression != 2 &&
      PalEnd + BytesPerLine * uint64_t(pInfo->YSize) > 0xFFFFFFFFu) {
    return 1;
  }
  pInfo->BytesPerLine = uint32_t(BytesPerLine);
  return 0;
}

// A file in memory has no length of its own: every read stays inside the extent that its size fields give.
// The file-size field bounds the headers, the palette and the pixel rows alike. A file that leaves it 0 is
// taken as its headers, palette and pixel rows laid one behind the other (run-length data as long as the
// image-size field says; a run-length file with neither size is refused, since its runs alone could read on
// forever). A palette or pixel rows outside the extent read as data that end early.
int GUI_BMP__InitMemSource(GUI__MEM_SOURCE* pSrc, const void* pFileData) {
  const uint8_t* p = static_cast<const uint8_t*>(pFileData);
  pSrc->pData = p;
  pSrc->NumBytes = 0;
  if (!p || GUI__Get16(p) != 0x4D42) {
    return 1;
  }
  uint32_t FileSize = GUI__Get32(p + 2);
  GUI__MEM_SOURCE Headers = {p, FileSize ? FileSize : SIZE_MAX};
  GUI_BMP__INFO Info;
  if (GUI_BMP__ReadInfo(GUI__GetDataMem, &Headers, &Info)) {
    return 1;
  }
  int RunLength = Info.Compression == 1 || Info.Compression == 2;
  uint32_t SizeImage = RunLength ? GUI__Get32(p + FILE_HEADER_SIZE + 20) : 0;  // run-length: 40-byte header or more
  uint64_t End;
  if (FileSize) {
    End = FileSize;
    if (SizeImage && uint64_t(Info.DataOff) + SizeImage < End) {
      End = uint64_t(Info.DataOff) + SizeImage;
    }
  } else if (RunLength) {
    if (!SizeImage) {
      return 1;
    }
    End = uint64_t(Info.DataOff) + SizeImage;
  } else {
    End = uint64_t(Info.DataOff) + uint64_t(Info.BytesPerLine) * uint32_t(Info.YSize);
  }
  pSrc->NumBytes = size_t(End);
  return 0;
}

namespace {

// Width and height fields of the file's first 26 bytes (the core header holds them as 16-bit values).
int _GetSize(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int32_t* pXSize, int32_t* pYSize) {
  uint8_t aHeader[26];
  if (GUI__ReadDataExact(pfGetData, pParam, aHeader, 22, 0) || GUI__Get16(aHeader) != 0x4D42) {
    return 1;
  }
  if (GUI__Get32(aHeader + 14) == CORE_HEADER_SIZE) {
    *pXSize = GUI__Get16(aHeader + 18);
    *pYSize = GUI__Get16(aHeader + 20);
    return 0;
  }
  if (GUI__ReadDataExact(pfGetData, pParam, aHeader + 22, 4, 22)) {
    return 1;
  }
  *pXSize = int32_t(GUI__Get32(aHeader + 18));
  int64_t YSize = int32_t(GUI__Get32(aHeader + 22));
  *pYSize = int32_t(YSize < 0 ? (-YSize > 0x7FFFFFFF ? 0x7FFFFFFF : -YSize) : YSize);
  return 0;
}

// The first 26 bytes, within what the file-size field gives when it is set.
int _GetSizeMem(const void* pFileData, int32_t* pXSize, int32_t* pYSize) {
  const uint8_t* p = static_cast<const uint8_t*>(pFileData);
  if (!p || GUI__Get16(p) != 0x4D42) {
    return 1;
  }
  uint32_t FileSize = GUI__Get32(p + 2);
  GUI__MEM_SOURCE Src = {p, FileSize ? FileSize : SIZE_MAX};
  return _GetSize(GUI__GetDataMem, &Src, pXSize, pYSize);
}

}  // namespace

int GUI_BMP_GetXSizeEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam) {
  int32_t x = 0, y = 0;
  GUI_Lock();
  int r = _GetSize(pfGetData, pParam, &x, &y);
  GUI_Unlock();
  return r ? 0 : x;
}

int GUI_BMP_GetYSizeEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam) {
  int32_t x = 0, y = 0;
  GUI_Lock();
  int r = _GetSize(pfGetData, pParam, &x, &y);
  GUI_Unlock();
  return r ? 0 : y;
}

int GUI_BMP_GetXSize(const void* pFileData) {
  int32_t x = 0, y = 0;
  return _GetSizeMem(pFileData, &x, &y) ? 0 : x;
}

int GUI_BMP_GetYSize(const void* pFileData) {
  int32_t x = 0, y = 0;
  return _GetSizeMem(pFileData, &x, &y) ? 0 : y;
}
