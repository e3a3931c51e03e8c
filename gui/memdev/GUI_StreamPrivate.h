// Library-internal: the header of a streamed bitmap and the table of its formats.
#pragma once

#include "GUI_Stream.h"

struct GUI__STREAM_HEADER {
  unsigned Format;
  unsigned XSize, YSize;
  unsigned BytesPerLine;
  unsigned BitsPerPixel;
  unsigned NumColors;
  unsigned HasTrans;
};

// One stream format: its methods record (null for palette-based data) and how its rows are stored.
struct GUI__STREAM_FORMAT {
  unsigned Code;
  const GUI_BITMAP_METHODS* pMethods;
  unsigned BitsPerPixel;   // depth the header must state; 0 for palette-based data
  unsigned BytesPerPixel;  // row pitch per pixel of packed formats; 0 for palette-based and run-length data
  int LineReader;          // 1 when the get-data line reader draws it (in pieces of rows)
};

// The format of a code, or null when no methods record is at hand for it.
const GUI__STREAM_FORMAT* GUI__GetStreamFormat(unsigned Code);

// Reads the 16-byte header.
void GUI__ParseStreamHeader(const U8* p, GUI__STREAM_HEADER* pHeader);

// 0 when a header of this format describes data that can be drawn safely: a size, a depth the format knows,
// rows long enough for the width (packed formats: exactly the pixel size times the width), at most 256
// palette colours.
int GUI__CheckStreamHeader(const GUI__STREAM_HEADER* pHeader, const GUI__STREAM_FORMAT* pFormat);

// Offset of the first pixel row (behind the header and the palette).
inline unsigned GUI__GetStreamDataOff(const GUI__STREAM_HEADER* pHeader) {
  return GUI_BITMAP_STREAM_HEADER_SIZE + 4 * pHeader->NumColors;
}
