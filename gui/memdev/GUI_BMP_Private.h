// Library-internal records and routines of the BMP reader.
#pragma once

#include "GUI_ImageRead.h"

#include <cstdint>

// What the reader knows of a file after its headers were checked.
struct GUI_BMP__INFO {
  int32_t XSize;          // pixels, 1 .. GUI_BMP__MAX_SIZE
  int32_t YSize;          // pixels, positive also for top-down files
  int TopDown;            // 1: first stored row is the top row
  unsigned BitsPerPixel;  // 1, 4, 8, 16, 24 or 32
  unsigned Compression;   // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  unsigned NumColors;     // palette entries read (0 .. 256)
  uint32_t DataOff;       // offset of the first pixel row: behind the headers, masks and palette
  uint32_t BytesPerLine;  // stored row pitch (multiple of 4)
  uint32_t aMask[4];      // red, green, blue, alpha masks of 16- and 32-bit pixels
  uint8_t aShift[4];
  uint8_t aWidth[4];
  GUI_COLOR aPalette[256];  // palette colours; entries beyond NumColors repeat entry 0
};

enum { GUI_BMP__MAX_SIZE = 0x7FFF };

// Reads and checks the file's headers, palette and masks. 0 when the file can be drawn, 1 when it is refused
// or cannot be read.
int GUI_BMP__ReadInfo(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_BMP__INFO* pInfo);

// Receives decoded rows: the picture rows Row .. Row + NumRows - 1 (0 = top row) all hold the values at pValue,
// one per column starting at the requested first column: the palette index for files of up to 8 bits per
// pixel, the colour (transparency byte 0xFF - alpha when the file has an alpha mask, else 0) for the others.
// Rows that the file stores one by one come one at a time; rows that run-length codes leave empty come
// together, so that handing them on costs no more than the codes that made them.
typedef void GUI_BMP__ROW_SINK(void* pContext, int Row, int NumRows, const uint32_t* pValue);

// Decodes the rows RowFirst .. RowLast (picture rows, inclusive) over the columns ColFirst .. ColLast in the
// order in which the file stores them and hands each to pfSink. Data that ends early stops the decoding: the rows
// handed on before stay, and the result is 1. 0 done.
int GUI_BMP__DecodeRows(const GUI_BMP__INFO* pInfo, GUI_GET_DATA_FUNC* pfGetData, void* pParam, int RowFirst,
                        int RowLast, int ColFirst, int ColLast, GUI_BMP__ROW_SINK* pfSink, void* pContext);

// Run-length files (compression 1 and 2): decodes the whole picture; pfSink may be null to check only.
int GUI_BMP__DecodeRLE(const GUI_BMP__INFO* pInfo, GUI_GET_DATA_FUNC* pfGetData, void* pParam, int RowFirst,
                       int RowLast, int ColFirst, int ColLast, GUI_BMP__ROW_SINK* pfSink, void* pContext);

// Memory form of the readers: the extent that the file's size fields give bounds every read.
int GUI_BMP__InitMemSource(GUI__MEM_SOURCE* pSrc, const void* pFileData);

// 1 when a picture of this size at x0, y0 (screen) lies within the 16-bit coordinate range.
int GUI_BMP__FitsScreen(int x0, int y0, int XSize, int YSize);
