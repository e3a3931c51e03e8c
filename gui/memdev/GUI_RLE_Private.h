// Library-internal: the byte source and the decoder shared by the run-length methods records.
#pragma once

#include "GUI_RLE.h"

#include <cstddef>

enum GUI__RLE_KIND { GUI__RLE4, GUI__RLE8, GUI__RLE16, GUI__RLEM16, GUI__RLE32, GUI__RLEALPHA };

// Bytes of a memory block or of a get-data routine (read in pieces of at most 500 bytes). Never reads past
// what it was given: a memory block ends after NumBytes, a routine when it delivers nothing.
struct GUI__RLE_SOURCE {
  const U8* pRead = nullptr;
  size_t NumLeft = 0;  // bytes at pRead
  GUI_GET_DATA_FUNC* pfGetData = nullptr;
  void* pParam = nullptr;
  U32 Off = 0;
  int Ended = 0;
  U8 aBuffer[500];

  // Next byte, or -1 when the source has ended.
  int Get() {
    if (NumLeft) {
      NumLeft--;
      return *pRead++;
    }
    return _Refill() ? *pRead++ : -1;
  }

 private:
  int _Refill();
};

void GUI__InitRLEMemSource(GUI__RLE_SOURCE* pSrc, const U8* pData, size_t NumBytes);
void GUI__InitRLEGetDataSource(GUI__RLE_SOURCE* pSrc, GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off);

// Decodes the runs of a XSize x YSize picture at screen position x0, y0 inside the clip rectangle. Palette
// colours (RLE4, RLE8) come from pPal; RLE32 and RLEAlpha are drawn unmagnified. Returns 0 when the source
// held the picture's runs, 1 when it ended early or a run reached past the picture.
int GUI__DecodeRLE(int Kind, GUI__RLE_SOURCE* pSrc, int x0, int y0, int XSize, int YSize, const GUI_PALETTE* pPal,
                   int xMag, int yMag);
