// Library-internal state and routines of the JPEG decoder. One decoder context lives for one public call, in
// one block of GUI memory; every buffer it needs is a GUI memory block that the context owns and frees.
//
// The rule every routine here keeps: bytes come only through the caller's get-data routine, in pieces of at
// most 4096 bytes, and nothing is read before or beyond the piece delivered last; every table index taken
// from the stream is checked before it is used; every loop is bounded by the frame's size or by the stream's
// end, so a damaged file ends in a failure result, never in a read or write outside a buffer. The work done
// follows the data present, not the size a frame header claims: decoding ends where the entropy-coded data
// end (a marker or the stream's end) or stop decoding, and no line is produced that the data did not reach.
#pragma once

#include "GUI_JPEG.h"

#include <cstdint>

enum {
  JPEG__PIECE = 4096,        // largest request to the get-data routine
  JPEG__NUM_SLOTS = 8,       // Huffman slots: DC tables 0..7 and AC tables 0..3 (slots 4..7)
  JPEG__LOOKUP_BITS = 9,     // codes up to this length are decoded with one look-up
  JPEG__MAX_COMPS = 4,
  JPEG__RESTART_SEARCH = 2000,  // bytes searched for a restart marker
};

// One Huffman table, ready for decoding (canonical codes of ITU-T T.81 Annex C).
struct JPEG__HUFF {
  U16 aLook[1 << JPEG__LOOKUP_BITS];  // code length << 8 | symbol; 0 when the prefix is no short code
  I32 aMaxCode[18];                   // per length: largest code of that length, -1 when none
  I32 aValOff[18];                    // per length: index into aVal minus the first code of that length
  U8 aVal[256];
  // AC codes whose magnitude bits also fit into the look-up bits: value << 16 | run << 8 | bits used; 0 none.
  I32 aFastAC[1 << JPEG__LOOKUP_BITS];
  U8 Valid;  // 0: no table, or counts that assign more codes than a length has
};

// A GUI memory block held locked by the context from its allocation to its release.
struct JPEG__OWNED {
  GUI_HMEM hMem;
  U8* p;
};

// Per-component coefficient store of a progressive frame (DC: one i16 per block; AC: 64 i16 per block).
struct JPEG__COEFF_BUF {
  I32 BlocksAcross, BlocksDown;
  I32 BytesPerBlock;
  JPEG__OWNED Mem;
};

struct GUI_JPEG_DCONTEXT {
  // Byte source.
  GUI_GET_DATA_FUNC* pfGetData;
  void* pParam;
  U32 Off;              // file offset of the next request
  U8 aPiece[JPEG__PIECE];  // handed to the get-data routine, for routines that copy rather than point
  const U8* pBuffer;    // next unread byte of the last piece
  I32 NumBytesLeft;     // unread bytes of that piece
  U8 RestartFromZero;   // the next request starts again at offset 0
  U8 aPushedBack[4];    // last in, first out
  U8 NumPushedBack;
  U8 SourceEnded;       // the get-data routine delivered nothing
  U16 XSize, YSize;
  // Bit reader: NumBits valid bits in the low end of Bits, oldest first.
  U64 Bits;
  I32 NumBits;
  U8 AtMarker;  // a marker (or the stream's end) was reached: further bits are 1s that stand for no data
  U8 AtEnd;     // it was the stream's end
  I32 FillBits; // of NumBits, the 1-bits fed since the marker or the stream's end (lowest bits)
  // Huffman and quantisation tables.
  U8 aHuffPresent[JPEG__NUM_SLOTS];
  U8 aHuffBits[JPEG__NUM_SLOTS][17];
  U8 aHuffVal[JPEG__NUM_SLOTS][256];
  JPEG__HUFF aHuff[JPEG__NUM_SLOTS];
  U16 aQuant[4][64];  // zig-zag order
  U8 aQuantDefined[4];
  // Frame.
  U8 NumCompsInFrame;
  U8 aCompH[4], aCompV[4], aCompQuant[4], aCompId[4];
  U8 Progressive;
  // Scan.
  U8 NumCompsInScan;
  U8 aCompList[4];
  U8 aCompDCTab[4], aCompACTab[4];  // per frame component: Huffman slot (may name no table; checked per scan)
  I32 aLastDCVal[4];
  U8 Ss, Se, Al, Ah;
  I32 EOBRun;
  // Restarts.
  U32 RestartInterval;
  I32 RestartsLeft;
  I32 NextRestartNum;
  // Frame geometry.
  U8 Layout;  // 0 grey, 1 H1V1, 2 H2V1, 3 H1V2, 4 H2V2
  I32 MaxMCUsPerRow, MaxMCUsPerCol;
  I32 BlocksPerMCU, BlocksPerRow;
  I32 MCUXSize, MCUYSize;
  I32 BytesPerPixel, LineBytes;
  // Scan geometry.
  I32 MCUsPerRow, MCUsPerCol;
  I32 BlocksInMCU;
  I32 aMCUOrg[10];
  // Line production.
  I32 TotalLinesLeft, MCULinesLeft;
  U8 Transform, SecondLine;
  I32 RowsCovered;  // progressive: MCU rows of the frame that the DC data of every component reached
  JPEG__OWNED CoeffRow;   // BlocksPerRow x 64 i16, natural order, dequantised
  JPEG__OWNED SampleRow;  // BlocksPerRow x 64 samples
  JPEG__OWNED aLine[2];   // LineBytes each; the second for vertically subsampled layouts
  // Progressive frames.
  JPEG__COEFF_BUF aDCBuffer[4], aACBuffer[4];
  U8 Banded;
  I32 NumBands, BandRows, BandStart;
  I32 aBandFirstRow[4];
  I32 aBlockYMCU[4];
  I32 aDCRows[4];  // per component: block rows that a first DC scan decoded (0x7FFFFFFF: all)
  // Banded mode: per block of the whole image, which coefficients are non-zero, so that refinement scans can
  // be followed through blocks that the band does not store (one bit per coefficient, natural order).
  JPEG__OWNED NZMask;
  I32 aMaskBase[4];
  // Self handle (the context is itself a GUI memory block).
  GUI_HMEM hSelf;
};

// Constant tables.
extern const U8 GUI_JPEG__aZag[64 + 16];  // natural position of the k-th zig-zag coefficient, 63 behind

//
// Stream and markers (GUI_JPEG_Stream.cpp)
//
// Allocates a zero-filled context in GUI memory, locked; null when there is no memory.
GUI_JPEG_DCONTEXT* GUI_JPEG__AllocContext(GUI_GET_DATA_FUNC* pfGetData, void* p);
void GUI_JPEG__FreeContext(GUI_JPEG_DCONTEXT* pCtx);
// Clears everything but the source and the self handle.
void GUI_JPEG__ClearContext(GUI_JPEG_DCONTEXT* pCtx);
int GUI_JPEG__ReadHeaders(GUI_JPEG_DCONTEXT* pCtx);
int GUI_JPEG__GetInfo(GUI_JPEG_DCONTEXT* pCtx, GUI_JPEG_INFO* pInfo);
int GUI_JPEG__InitScan(GUI_JPEG_DCONTEXT* pCtx);  // 0 ready, 1 bad scan, 2 no further scan
int GUI_JPEG__ProcessMarkers(GUI_JPEG_DCONTEXT* pCtx);  // marker code that stopped it, -1 on failure
int GUI_JPEG__ProcessRestart(GUI_JPEG_DCONTEXT* pCtx);
void GUI_JPEG__PrimeBits(GUI_JPEG_DCONTEXT* pCtx);
void GUI_JPEG__FillBits(GUI_JPEG_DCONTEXT* pCtx);
// 1 when decoding has used bits that the data never delivered (they ended at a marker or the stream's end), or,
// with Damaged set by the caller, stopped at bits that did not decode and reached into those 1-bits.
inline int GUI_JPEG__RanOutOfData(const GUI_JPEG_DCONTEXT* pCtx, int Damaged = 0) {
  return pCtx->NumBits < pCtx->FillBits || (Damaged && pCtx->FillBits && pCtx->NumBits - 16 < pCtx->FillBits);
}

// Bit reader (inline: it runs for every coefficient). Ensures at least 25 bits stand ready.
inline void GUI_JPEG__NeedBits(GUI_JPEG_DCONTEXT* pCtx) {
  if (pCtx->NumBits < 25) {
    GUI_JPEG__FillBits(pCtx);
  }
}
// The next n (1..16) bits, most significant first.
inline unsigned GUI_JPEG__GetBits(GUI_JPEG_DCONTEXT* pCtx, int n) {
  GUI_JPEG__NeedBits(pCtx);
  pCtx->NumBits -= n;
  return unsigned(pCtx->Bits >> pCtx->NumBits) & ((1u << n) - 1);
}
// A received magnitude of category s (1..15) as a signed value.
inline int GUI_JPEG__Extend(unsigned v, int s) { return v < (1u << (s - 1)) ? int(v) + 1 - (1 << s) : int(v); }
// Next symbol of a slot's table; -1 when the bits form no code of the table.
inline int GUI_JPEG__HuffDecode(GUI_JPEG_DCONTEXT* pCtx, const JPEG__HUFF* pHuff) {
  GUI_JPEG__NeedBits(pCtx);
  unsigned Peek = unsigned(pCtx->Bits >> (pCtx->NumBits - 16)) & 0xFFFF;
  unsigned Look = pHuff->aLook[Peek >> (16 - JPEG__LOOKUP_BITS)];
  if (Look) {
    pCtx->NumBits -= int(Look >> 8);
    return int(Look & 0xFF);
  }
  for (int L = JPEG__LOOKUP_BITS + 1; L <= 16; L++) {
    I32 Code = I32(Peek >> (16 - L));
    if (Code <= pHuff->aMaxCode[L]) {
      pCtx->NumBits -= L;
      return pHuff->aVal[(Code + pHuff->aValOff[L]) & 0xFF];
    }
  }
  return -1;
}

//
// Frame, lines and drawing (GUI_JPEG_Decode.cpp)
//
int GUI_JPEG__InitDecoder(GUI_JPEG_DCONTEXT* pCtx);
int GUI_JPEG__CalcMCUBlockOrder(GUI_JPEG_DCONTEXT* pCtx);
int GUI_JPEG__DecodeLine(GUI_JPEG_DCONTEXT* pCtx);
int GUI_JPEG__SkipLine(GUI_JPEG_DCONTEXT* pCtx);
// Frees every buffer the context owns (each JPEG__OWNED field), so that clearing the context loses no block.
void GUI_JPEG__FreeDecoder(GUI_JPEG_DCONTEXT* pCtx);
// The decoded line that the last GUI_JPEG__DecodeLine produced (grey bytes or R, G, B, 0 quadruples).
inline const U8* GUI_JPEG__CurrentLine(const GUI_JPEG_DCONTEXT* pCtx) { return pCtx->aLine[pCtx->SecondLine].p; }
int GUI_JPEG__AllocOwned(JPEG__OWNED* pOwned, I32 NumBytes);
void GUI_JPEG__FreeOwned(JPEG__OWNED* pOwned);

// Inverse DCT of one dequantised block (natural order) into 8 x 8 samples, and colour conversion
// (GUI_JPEG_IDCT.cpp, GUI_JPEG_Color.cpp). The plain forms are the reference of the vector forms.
void GUI_JPEG__IDCT(const I16* pCoeff, U8* pOut);
void GUI_JPEG__IDCTPlain(const I16* pCoeff, U8* pOut);
// NumBlocks consecutive blocks (64 coefficients in, 64 samples out each); two at a time where AVX2 runs.
void GUI_JPEG__IDCTBlocks(const I16* pCoeff, U8* pOut, int NumBlocks);
void GUI_JPEG__ConvertLines(GUI_JPEG_DCONTEXT* pCtx, int n);
// YCbCr samples of NumPixels pixels to R, G, B, 0 quadruples; chroma sample i serves pixels Step x i ..
void GUI_JPEG__YCCToRGBPlain(const U8* pY, const U8* pCb, const U8* pCr, U8* pOut, int NumPixels, int ChromaStep);
// One line of an MCU: 8 pixels from the 8 samples at pY0 and 8 chroma samples (ChromaStep 1), or 16 pixels
// from pY0 and pY1 sharing 8 chroma samples (ChromaStep 2); with pY0b (and pY1b) a second line of the same
// chroma goes to pOutB.
void GUI_JPEG__ConvertMCULine(const U8* pY0, const U8* pY1, const U8* pY0b, const U8* pY1b, const U8* pCb,
                              const U8* pCr, U8* pOut, U8* pOutB, int ChromaStep);
void GUI_JPEG__ConvertMCULinePlain(const U8* pY0, const U8* pY1, const U8* pY0b, const U8* pY1b, const U8* pCb,
                                   const U8* pCr, U8* pOut, U8* pOutB, int ChromaStep);

//
// Progressive frames (GUI_JPEG_Progressive.cpp)
//
int GUI_JPEG__CheckMemory(GUI_JPEG_DCONTEXT* pCtx);
int GUI_JPEG__DecodeProgressive(GUI_JPEG_DCONTEXT* pCtx);
void GUI_JPEG__LoadNextRow(GUI_JPEG_DCONTEXT* pCtx);
int GUI_JPEG__AllocBandBuffers(GUI_JPEG_DCONTEXT* pCtx);
int GUI_JPEG__DecodeProgressiveBand(GUI_JPEG_DCONTEXT* pCtx);
void GUI_JPEG__NextBand(GUI_JPEG_DCONTEXT* pCtx);
