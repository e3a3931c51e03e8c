// JPEG input side: the byte source over the caller's get-data routine, the marker loop and its segments
// (frame, scan, Huffman and quantisation tables, restart interval, colour transform), restart markers, the
// entropy-coded bit reader and the Huffman decoding tables, and the size queries.
//
// Every segment length and every count is checked against what the segment may hold before a byte of it is
// used; a source that ends early fails the reader that needed the byte, and no skip runs past the source's end.
#include "GUI_JPEG_Private.h"
#include "GUI_ImageRead.h"

#include <cstring>

const U8 GUI_JPEG__aZag[64 + 16] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
    63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63};

namespace {

//
// Byte source
//
int _FillBuffer(GUI_JPEG_DCONTEXT* p) {
  if (p->RestartFromZero) {
    p->Off = 0;
    p->RestartFromZero = 0;
  }
  if (p->SourceEnded) {
    return 1;
  }
  const U8* pData = p->aPiece;
  int n = p->pfGetData(p->pParam, &pData, JPEG__PIECE, p->Off);
  if (n <= 0 || !pData) {
    p->SourceEnded = 1;  // nothing more comes; asking again would only repeat the answer
    return 1;
  }
  if (n > JPEG__PIECE) {
    n = JPEG__PIECE;  // never trust a count beyond the request
  }
  p->Off += U32(n);
  p->pBuffer = pData;
  p->NumBytesLeft = n;
  return 0;
}

int _GetByte(GUI_JPEG_DCONTEXT* p, U8* pByte) {
  if (p->NumPushedBack) {
    *pByte = p->aPushedBack[--p->NumPushedBack];
    return 0;
  }
  if (p->NumBytesLeft <= 0 && _FillBuffer(p)) {
    return 1;
  }
  *pByte = *p->pBuffer++;
  p->NumBytesLeft--;
  return 0;
}

int _PushBack(GUI_JPEG_DCONTEXT* p, U8 Byte) {
  if (p->NumPushedBack >= 4) {
    return 1;
  }
  p->aPushedBack[p->NumPushedBack++] = Byte;
  return 0;
}

int _ReadU8(GUI_JPEG_DCONTEXT* p, int* pValue) {
  U8 b;
  if (_GetByte(p, &b)) {
    return 1;
  }
  *pValue = b;
  return 0;
}

int _ReadU16(GUI_JPEG_DCONTEXT* p, int* pValue) {
  U8 b0, b1;
  if (_GetByte(p, &b0) || _GetByte(p, &b1)) {
    return 1;
  }
  *pValue = b0 << 8 | b1;
  return 0;
}

int _ReadBytes(GUI_JPEG_DCONTEXT* p, U8* pDest, int n) {
  for (int i = 0; i < n; i++) {
    if (_GetByte(p, pDest + i)) {
      return 1;
    }
  }
  return 0;
}

// Passes over n bytes; fails when the source ends first (so a length beyond the data ends the skip).
int _SkipBytes(GUI_JPEG_DCONTEXT* p, I32 n) {
  while (n > 0 && p->NumPushedBack) {
    p->NumPushedBack--;
    n--;
  }
  while (n > 0) {
    if (p->NumBytesLeft <= 0 && _FillBuffer(p)) {
      return 1;
    }
    I32 Step = n < p->NumBytesLeft ? n : p->NumBytesLeft;
    p->pBuffer += Step;
    p->NumBytesLeft -= Step;
    n -= Step;
  }
  return 0;
}

//
// Markers and segments
//
int _NextMarker(GUI_JPEG_DCONTEXT* p) {
  for (;;) {
    U8 b;
    do {
      if (_GetByte(p, &b)) {
        return -1;
      }
    } while (b != 0xFF);
    do {
      if (_GetByte(p, &b)) {
        return -1;
      }
    } while (b == 0xFF);
    if (b) {
      return b;  // 0xFF 0x00 is stuffing: search on
    }
  }
}

int _SkipSegment(GUI_JPEG_DCONTEXT* p) {
  int Len;
  return _ReadU16(p, &Len) || _SkipBytes(p, Len - 2);
}

int _ReadDHT(GUI_JPEG_DCONTEXT* p) {
  int Len;
  if (_ReadU16(p, &Len)) {
    return 1;
  }
  int Rest = Len - 2;
  while (Rest > 16) {
    int Byte;
    if (_ReadU8(p, &Byte)) {
      return 1;
    }
    int Slot = 4 * ((Byte >> 4) & 1) + (Byte & 15);
    if (Slot >= JPEG__NUM_SLOTS) {
      return 1;
    }
    U8* pBits = p->aHuffBits[Slot];  // code counts by length 1 to 16
    pBits[0] = 0;
    if (_ReadBytes(p, pBits + 1, 16)) {
      return 1;
    }
    int n = 0;
    for (int i = 1; i <= 16; i++) {
      n += pBits[i];
    }
    if (n > 255 || n > Rest - 17 || _ReadBytes(p, p->aHuffVal[Slot], n)) {
      return 1;
    }
    p->aHuffPresent[Slot] = 1;
    Rest -= 17 + n;
  }
  return 0;  // a remainder too short for a table is passed over by the marker search
}

int _ReadDQT(GUI_JPEG_DCONTEXT* p) {
  int Len;
  if (_ReadU16(p, &Len)) {
    return 1;
  }
  int Rest = Len - 2;
  while (Rest > 0) {
    int Byte;
    if (_ReadU8(p, &Byte)) {
      return 1;
    }
    int Pq = Byte >> 4, Tq = Byte & 15;
    if (Tq > 3) {
      return 1;
    }
    for (int i = 0; i < 64; i++) {
      int v;
      if (Pq ? _ReadU16(p, &v) : _ReadU8(p, &v)) {
        return 1;
      }
      p->aQuant[Tq][i] = U16(v);
    }
    p->aQuantDefined[Tq] = 1;
    Rest -= Pq ? 129 : 65;
  }
  return Rest == 0 ? 0 : 1;
}

int _ReadDRI(GUI_JPEG_DCONTEXT* p) {
  int Len, Interval;
  if (_ReadU16(p, &Len) || Len != 4 || _ReadU16(p, &Interval)) {
    return 1;
  }
  p->RestartInterval = U32(Interval);
  return 0;
}

// Only YCbCr data (transform flag 1) is drawn; RGB and CMYK data are refused.
int _ReadAPP14(GUI_JPEG_DCONTEXT* p) {
  int Len, Transform;
  if (_ReadU16(p, &Len) || Len - 2 < 12 || _SkipBytes(p, 11) || _ReadU8(p, &Transform)) {
    return 1;
  }
  return Transform == 1 ? 0 : 1;
}

int _ReadSOF(GUI_JPEG_DCONTEXT* p) {
  int Len, Precision, YSize, XSize, Nf;
  if (_ReadU16(p, &Len) || _ReadU8(p, &Precision) || _ReadU16(p, &YSize) || _ReadU16(p, &XSize) ||
      _ReadU8(p, &Nf)) {
    return 1;
  }
  // Samples of other than 8 bits would come out as noise while the call reports success: refused.
  if (Precision != 8 || XSize == 0 || YSize == 0 || Nf > JPEG__MAX_COMPS || Len != 8 + 3 * Nf) {
    return 1;
  }
  p->XSize = U16(XSize);
  p->YSize = U16(YSize);
  for (int i = 0; i < Nf; i++) {
    int Id, HV, Tq;
    if (_ReadU8(p, &Id) || _ReadU8(p, &HV) || _ReadU8(p, &Tq)) {
      return 1;
    }
    p->aCompId[i] = U8(Id);
    p->aCompH[i] = U8(HV >> 4);
    p->aCompV[i] = U8(HV & 15);
    p->aCompQuant[i] = U8(Tq);
  }
  p->NumCompsInFrame = U8(Nf);
  return 0;
}

int _ReadSOS(GUI_JPEG_DCONTEXT* p) {
  int Len, Ns;
  if (_ReadU16(p, &Len) || _ReadU8(p, &Ns)) {
    return 1;
  }
  if (Ns < 1 || Ns > JPEG__MAX_COMPS || Len != 6 + 2 * Ns || p->NumCompsInFrame == 0) {
    return 1;
  }
  for (int i = 0; i < Ns; i++) {
    int Cs, Tables;
    if (_ReadU8(p, &Cs) || _ReadU8(p, &Tables)) {
      return 1;
    }
    int c = 0;
    while (c < p->NumCompsInFrame && p->aCompId[c] != Cs) {
      c++;
    }
    if (c == p->NumCompsInFrame) {
      return 1;
    }
    p->aCompList[i] = U8(c);
    p->aCompDCTab[c] = U8(Tables >> 4);
    p->aCompACTab[c] = U8((Tables & 15) + 4);
  }
  int Ss, Se, A;
  if (_ReadU8(p, &Ss) || _ReadU8(p, &Se) || _ReadU8(p, &A)) {
    return 1;
  }
  p->NumCompsInScan = U8(Ns);
  if (p->Progressive) {
    if (Ss > 63 || Se > 63) {
      return 1;  // a spectral band beyond the 64 coefficients of a block
    }
    p->Ss = U8(Ss);
    p->Se = U8(Se);
  } else {
    p->Ss = 0;
    p->Se = 63;
  }
  p->Ah = U8(A >> 4);
  p->Al = U8(A & 15);
  return 0;
}

// Canonical codes of a slot (ITU-T T.81 Annex C). Counts that give a length more codes than it has make the
// table invalid instead of reaching beyond the look-up table.
void _MakeHuffTable(GUI_JPEG_DCONTEXT* p, int Slot) {
  JPEG__HUFF* pHuff = &p->aHuff[Slot];
  std::memset(pHuff->aLook, 0, sizeof(pHuff->aLook));
  std::memset(pHuff->aFastAC, 0, sizeof(pHuff->aFastAC));
  pHuff->Valid = 0;
  for (int L = 0; L < 18; L++) {
    pHuff->aMaxCode[L] = -1;
    pHuff->aValOff[L] = 0;
  }
  if (!p->aHuffPresent[Slot]) {
    return;
  }
  std::memcpy(pHuff->aVal, p->aHuffVal[Slot], 256);
  const U8* pBits = p->aHuffBits[Slot];
  I32 Code = 0;
  int k = 0;
  for (int L = 1; L <= 16; L++) {
    int n = pBits[L];
    if (n) {
      pHuff->aValOff[L] = k - Code;
      if (Code + n > (1 << L)) {
        return;
      }
      for (int j = 0; j < n; j++, Code++, k++) {
        if (L <= JPEG__LOOKUP_BITS) {
          int Shift = JPEG__LOOKUP_BITS - L;
          U16 Entry = U16(L << 8 | pHuff->aVal[k]);
          for (int i = Code << Shift, e = (Code + 1) << Shift; i < e; i++) {
            pHuff->aLook[i] = Entry;
          }
        }
      }
      pHuff->aMaxCode[L] = Code - 1;
    }
    Code <<= 1;
  }
  for (int i = 0; i < (1 << JPEG__LOOKUP_BITS); i++) {
    int Look = pHuff->aLook[i], Len = Look >> 8, r = (Look >> 4) & 15, s = Look & 15;
    pHuff->aFastAC[i] = 0;
    if (Look && s && Len + s <= JPEG__LOOKUP_BITS) {
      unsigned Bits = unsigned(i >> (JPEG__LOOKUP_BITS - Len - s)) & ((1u << s) - 1);
      I32 Value = GUI_JPEG__Extend(Bits, s);
      pHuff->aFastAC[i] = I32(U32(Value) << 16 | U32(r) << 8 | U32(Len + s));
    }
  }
  pHuff->Valid = 1;
}

int _CheckHuffTables(GUI_JPEG_DCONTEXT* p) {
  for (int Slot = 0; Slot < JPEG__NUM_SLOTS; Slot++) {
    _MakeHuffTable(p, Slot);
  }
  for (int i = 0; i < p->NumCompsInScan; i++) {
    int c = p->aCompList[i];
    int DC = p->aCompDCTab[c], AC = p->aCompACTab[c];
    if (DC > JPEG__NUM_SLOTS || AC > JPEG__NUM_SLOTS) {
      return 1;  // a table beyond the defined slots
    }
    if (p->Ss == 0 && (DC == JPEG__NUM_SLOTS || !p->aHuff[DC].Valid)) {
      return 1;
    }
    if (p->Se != 0 && (AC == JPEG__NUM_SLOTS || !p->aHuff[AC].Valid)) {
      return 1;
    }
  }
  return 0;
}

int _CheckQuantTables(GUI_JPEG_DCONTEXT* p) {
  for (int i = 0; i < p->NumCompsInScan; i++) {
    int q = p->aCompQuant[p->aCompList[i]];
    if (q > 3 || !p->aQuantDefined[q]) {
      return 1;
    }
  }
  return 0;
}

// An entropy-coded byte: 0xFF 0x00 is a data byte 0xFF; at a marker (or the source's end) the reader stops
// and feeds 1-bits, leaving the marker to the next marker search.
unsigned _GetOctetSlow(GUI_JPEG_DCONTEXT* p) {
  U8 b, m;
  if (_GetByte(p, &b)) {
    p->AtMarker = p->AtEnd = 1;
    return 0xFF;
  }
  if (b != 0xFF) {
    return b;
  }
  if (_GetByte(p, &m)) {
    p->AtMarker = p->AtEnd = 1;
    return 0xFF;
  }
  if (m == 0) {
    return 0xFF;
  }
  _PushBack(p, m);
  _PushBack(p, 0xFF);
  p->AtMarker = 1;
  return 0xFF;
}

}  // namespace

void GUI_JPEG__FillBits(GUI_JPEG_DCONTEXT* p) {
  while (p->NumBits <= 56) {
    unsigned b;
    if (p->AtMarker) {
      b = 0xFF;
    } else if (p->NumPushedBack == 0 && p->NumBytesLeft >= 2) {
      b = p->pBuffer[0];
      if (b != 0xFF) {
        p->pBuffer++;
        p->NumBytesLeft--;
      } else if (p->pBuffer[1] == 0) {
        p->pBuffer += 2;
        p->NumBytesLeft -= 2;
      } else {
        p->AtMarker = 1;  // the marker stays in the piece
      }
    } else {
      b = _GetOctetSlow(p);
    }
    p->Bits = p->Bits << 8 | b;
    p->NumBits += 8;
    if (p->AtMarker && p->FillBits < (1 << 20)) {
      p->FillBits += 8;  // (once above the 64 bits held, the count need not grow further)
    }
  }
}

void GUI_JPEG__PrimeBits(GUI_JPEG_DCONTEXT* p) {
  p->Bits = 0;
  p->NumBits = 0;
  p->AtMarker = 0;
  p->AtEnd = 0;
  p->FillBits = 0;
}

int GUI_JPEG__ProcessMarkers(GUI_JPEG_DCONTEXT* p) {
  for (;;) {
    int Code = _NextMarker(p);
    int r = 0;
    switch (Code) {
    case -1:
      return -1;
    case 0xC0: case 0xC1: case 0xC2: case 0xC3: case 0xC5: case 0xC6: case 0xC7:
    case 0xC9: case 0xCA: case 0xCB: case 0xCD: case 0xCE: case 0xCF:
    case 0xD8: case 0xD9: case 0xDA:
      return Code;
    case 0xC4:
      r = _ReadDHT(p);
      break;
    case 0xDB:
      r = _ReadDQT(p);
      break;
    case 0xDD:
      r = _ReadDRI(p);
      break;
    case 0xEE:
      r = _ReadAPP14(p);
      break;
    case 0x01: case 0xC8: case 0xCC:
    case 0xD0: case 0xD1: case 0xD2: case 0xD3: case 0xD4: case 0xD5: case 0xD6: case 0xD7:
      return -1;
    default:
      r = _SkipSegment(p);
      break;
    }
    if (r) {
      return -1;
    }
  }
}

int GUI_JPEG__ReadHeaders(GUI_JPEG_DCONTEXT* p) {
  p->RestartFromZero = 1;
  p->SourceEnded = 0;
  p->NumPushedBack = 0;
  p->NumBytesLeft = 0;
  U8 b0, b1;
  if (_GetByte(p, &b0) || _GetByte(p, &b1) || b0 != 0xFF || b1 != 0xD8) {
    return 1;
  }
  int Code = GUI_JPEG__ProcessMarkers(p);
  switch (Code) {
  case -1:
    return 1;
  case 0xC0:
  case 0xC1:
    p->Progressive = 0;
    return _ReadSOF(p);
  case 0xC2:
    p->Progressive = 1;
    return _ReadSOF(p);
  default:
    return 0;  // no frame that can be drawn: the sizes stay 0
  }
}

int GUI_JPEG__InitScan(GUI_JPEG_DCONTEXT* p) {
  if (GUI_JPEG__ProcessMarkers(p) != 0xDA) {
    return 2;  // no further scan: the end of a progressive image
  }
  if (_ReadSOS(p)) {
    return 1;
  }
  if (!p->Progressive) {
    // A sequential image is drawn from one scan holding every component in frame order.
    if (p->NumCompsInScan != p->NumCompsInFrame) {
      return 1;
    }
    for (int i = 0; i < p->NumCompsInScan; i++) {
      if (p->aCompList[i] != i) {
        return 1;
      }
    }
  }
  if (GUI_JPEG__CalcMCUBlockOrder(p) || _CheckHuffTables(p) || _CheckQuantTables(p)) {
    return 1;
  }
  for (int i = 0; i < 4; i++) {
    p->aLastDCVal[i] = 0;
  }
  p->EOBRun = 0;
  if (p->RestartInterval) {
    p->NextRestartNum = 0;
    p->RestartsLeft = I32(p->RestartInterval);
  }
  GUI_JPEG__PrimeBits(p);
  return 0;
}

// A restart marker with the wrong number is passed over like the right one, but the DC predictors keep their
// values; decoding goes on behind it. Any other marker ends the data: it stays for the marker search, and the
// bit reader keeps feeding 1-bits that stand for no data.
int GUI_JPEG__ProcessRestart(GUI_JPEG_DCONTEXT* p) {
  int Count = JPEG__RESTART_SEARCH;
  U8 b;
  do {
    if (Count-- <= 0 || _GetByte(p, &b)) {
      return 1;
    }
  } while (b != 0xFF);
  do {
    if (Count-- <= 0 || _GetByte(p, &b)) {
      return 1;
    }
  } while (b == 0xFF);
  if (b < 0xD0 || b > 0xD7) {
    _PushBack(p, b);
    _PushBack(p, 0xFF);
    return 1;
  }
  int Right = b == 0xD0 + p->NextRestartNum;
  if (Right) {
    for (int i = 0; i < 4; i++) {
      p->aLastDCVal[i] = 0;
    }
  }
  p->EOBRun = 0;
  p->RestartsLeft = I32(p->RestartInterval);
  p->NextRestartNum = (p->NextRestartNum + 1) & 7;
  GUI_JPEG__PrimeBits(p);
  return Right ? 0 : 1;
}

//
// Context
//
GUI_JPEG_DCONTEXT* GUI_JPEG__AllocContext(GUI_GET_DATA_FUNC* pfGetData, void* pParam) {
  GUI_HMEM h = GUI_ALLOC_AllocZero(I32(sizeof(GUI_JPEG_DCONTEXT)));
  if (!h) {
    return nullptr;
  }
  GUI_JPEG_DCONTEXT* p = static_cast<GUI_JPEG_DCONTEXT*>(GUI_ALLOC_LockH(h));
  p->hSelf = h;
  p->pfGetData = pfGetData;
  p->pParam = pParam;
  return p;
}

void GUI_JPEG__FreeContext(GUI_JPEG_DCONTEXT* p) {
  if (!p) {
    return;
  }
  GUI_JPEG__FreeDecoder(p);
  GUI_HMEM h = p->hSelf;
  GUI_ALLOC_UnlockH(&p);
  GUI_ALLOC_Free(h);
}

void GUI_JPEG__ClearContext(GUI_JPEG_DCONTEXT* p) {
  GUI_JPEG__FreeDecoder(p);
  GUI_GET_DATA_FUNC* pfGetData = p->pfGetData;
  void* pParam = p->pParam;
  GUI_HMEM h = p->hSelf;
  std::memset(static_cast<void*>(p), 0, sizeof(*p));
  p->pfGetData = pfGetData;
  p->pParam = pParam;
  p->hSelf = h;
}

int GUI_JPEG__GetInfo(GUI_JPEG_DCONTEXT* p, GUI_JPEG_INFO* pInfo) {
  int r = GUI_JPEG__ReadHeaders(p);
  if (pInfo) {
    pInfo->XSize = p->XSize;
    pInfo->YSize = p->YSize;
  }
  return r;
}

int GUI_JPEG_GetInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_JPEG_INFO* pInfo) {
  if (!pfGetData) {
    return 1;
  }
  GUI_Lock();
  int r = 1;
  if (GUI_JPEG_DCONTEXT* p = GUI_JPEG__AllocContext(pfGetData, pParam)) {
    r = GUI_JPEG__GetInfo(p, pInfo);
    GUI_JPEG__FreeContext(p);
  }
  GUI_Unlock();
  return r;
}

int GUI_JPEG_GetInfo(const void* pFileData, int DataSize, GUI_JPEG_INFO* pInfo) {
  GUI__MEM_SOURCE Src = {static_cast<const uint8_t*>(pFileData), pFileData && DataSize > 0 ? size_t(DataSize) : 0};
  return GUI_JPEG_GetInfoEx(GUI__GetDataMem, &Src, pInfo);
}
