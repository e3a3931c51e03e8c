// The GIF decoder's byte and code reading and its LZW decoder. Codes are checked against the table before
// they are followed: a code beyond the next free entry, a root code size that would need codes wider than
// 12 bits, a string that would not fit the stack or data that end before the pixels do are bad data, never a
// read or write outside the context.
#include "GUI_GIF_Private.h"

namespace {

void _ResetTable(GUI_GIF__CONTEXT* p) {
  p->Width = p->RootSize + 1;
  p->Limit = 1 << p->Width;
  p->Next = p->Clear + 2;
  p->Prev = -1;
}

// Reads the next data sub-block. 1 at the terminator or when the data end.
int _NextBlock(GUI_GIF__CONTEXT* p) {
  U8 Len;
  if (p->LastBlock || GUI_GIF__Read(p, &Len, 1)) {
    return 1;
  }
  if (!Len) {
    p->LastBlock = 1;
    return 1;
  }
  if (GUI_GIF__Read(p, p->aBlock, Len)) {
    return 1;
  }
  p->BlockLen = Len;
  p->BlockPos = 0;
  return 0;
}

// Hands out up to n pixels from the top of the stack.
int _PopStack(GUI_GIF__CONTEXT* p, U8* pDest, int n) {
  int k = p->NumStack < n ? p->NumStack : n;
  for (int i = 0; i < k; i++) {
    pDest[i] = p->aStack[--p->NumStack];
  }
  return k;
}

}  // namespace

int GUI_GIF__Read(GUI_GIF__CONTEXT* p, void* pDest, unsigned n) {
  if (GUI__ReadDataExact(p->pfGetData, p->pParam, pDest, n, p->Off)) {
    return 1;
  }
  p->Off += n;
  return 0;
}

int GUI_GIF__SkipSubBlocks(GUI_GIF__CONTEXT* p) {
  for (;;) {
    U8 Len;
    if (GUI_GIF__Read(p, &Len, 1)) {
      return 1;
    }
    if (!Len) {
      return 0;
    }
    p->Off += Len;  // a block beyond the end shows at the next read
  }
}

int GUI_GIF__StartLZW(GUI_GIF__CONTEXT* p) {
  U8 Size;
  if (GUI_GIF__Read(p, &Size, 1) || Size < 1 || Size > 11) {
    return 1;  // wider roots would need codes of more than 12 bits
  }
  p->RootSize = Size;
  p->Clear = 1 << Size;
  p->End = p->Clear + 1;
  for (int i = 0; i < p->Clear; i++) {
    p->aPrefix[i] = 0;
    p->aSuffix[i] = U8(i);
    p->aLength[i] = 1;
  }
  _ResetTable(p);
  p->BlockLen = p->BlockPos = 0;
  p->Bits = 0;
  p->NumBits = 0;
  p->LastBlock = 0;
  p->NumStack = 0;
  p->EndSeen = 0;
  p->Bad = 0;
  return 0;
}

// The decoder's state lives in locals while it runs: the pixels are written through a byte pointer, which
// would otherwise make every store reload the context.
int GUI_GIF__DecodePixels(GUI_GIF__CONTEXT* p, U8* pDest, int n) {
  int Got = _PopStack(p, pDest, n);
  if (Got == n || p->EndSeen || p->Bad) {
    return Got;
  }
  U32 Bits = p->Bits;
  int NumBits = p->NumBits, BlockPos = p->BlockPos, BlockLen = p->BlockLen;
  int Width = p->Width, Limit = p->Limit, Next = p->Next, Prev = p->Prev, First = p->First;
  const int Clear = p->Clear;
  U16* aPrefix = p->aPrefix;
  U8* aSuffix = p->aSuffix;
  U16* aLength = p->aLength;
  int Bad = 0;
  while (Got < n) {
    while (NumBits < Width) {
      if (BlockPos >= BlockLen) {
        if (_NextBlock(p)) {
          Bad = 1;  // the pixels need more data than there are
          break;
        }
        BlockPos = 0;
        BlockLen = p->BlockLen;
      }
      Bits |= U32(p->aBlock[BlockPos++]) << NumBits;
      NumBits += 8;
    }
    if (Bad) {
      break;
    }
    int Code = int(Bits & ((1u << Width) - 1));
    Bits >>= Width;
    NumBits -= Width;
    if (Code == Clear) {
      Width = p->RootSize + 1;
      Limit = 1 << Width;
      Next = Clear + 2;
      Prev = -1;
      continue;
    }
    if (Code == Clear + 1) {
      p->EndSeen = 1;
      break;
    }
    if (Prev < 0) {  // first code behind a clear code: a root
      if (Code > Clear) {
        Bad = 1;
        break;
      }
      pDest[Got++] = U8(Code);
      Prev = First = Code;
      // With a root size of 1 the first free code (4) already needs a wider code than the clear code had: the
      // width grows here, before the next code, although no entry was made.
      if (Next >= Limit && Width < 12) {
        Width++;
        Limit <<= 1;
      }
      continue;
    }
    if (Code > Next) {  // not in the table (and not the one about to be made)
      Bad = 1;
      break;
    }
    int Length = Code == Next ? aLength[Prev] + 1 : aLength[Code];
    bool ToStack = Length > n - Got;
    if (ToStack && Length > int(sizeof(p->aStack))) {
      Bad = 1;
      break;
    }
    // The string from its last pixel back; where the row has no room, onto the stack.
    U8* pOut = ToStack ? p->aStack : pDest + Got;
    int Pos = Length - 1, c = Code;
    if (Code == Next) {
      pOut[Pos--] = U8(First);
      c = Prev;
    }
    while (c >= Clear && Pos > 0) {
      pOut[Pos--] = aSuffix[c];
      c = aPrefix[c];
    }
    if (c >= Clear || Pos != 0) {
      Bad = 1;
      break;
    }
    pOut[0] = U8(c);
    First = c;
    if (Next < GUI_GIF__MAX_CODES) {
      aPrefix[Next] = U16(Prev);
      aSuffix[Next] = U8(First);
      aLength[Next] = U16(aLength[Prev] + 1);
      if (++Next >= Limit && Width < 12) {
        Width++;
        Limit <<= 1;
      }
    }
    Prev = Code;
    if (!ToStack) {
      Got += Length;
      continue;
    }
    for (int i = 0, j = Length - 1; i < j; i++, j--) {  // the top of the stack is the first pixel
      U8 t = p->aStack[i];
      p->aStack[i] = p->aStack[j];
      p->aStack[j] = t;
    }
    p->NumStack = Length;
    Got += _PopStack(p, pDest + Got, n - Got);
  }
  p->Bits = Bits;
  p->NumBits = NumBits;
  p->BlockPos = BlockPos;
  p->BlockLen = BlockLen;
  p->Width = Width;
  p->Limit = Limit;
  p->Next = Next;
  p->Prev = Prev;
  p->First = First;
  p->Bad = Bad;
  return Got;
}

int GUI_GIF__FinishImage(GUI_GIF__CONTEXT* p) {
  return p->LastBlock ? 0 : GUI_GIF__SkipSubBlocks(p);
}
