// The GUI heap: blocks reached through handles, kept in one arena.
//
// Each block starts with a 16-byte header {size with the free bit, size of the block before, handle or (free)
// previous free block, next free block}; sizes are gross (header included) and multiples of 16, so payloads
// are 16-byte aligned. Free blocks are coalesced and kept in a list. When no free block is large enough but
// enough bytes are free, the heap is compacted: unlocked blocks slide toward the start; locked and fixed
// blocks stay where they are. Fixed blocks are carved from the top end of the arena to keep them out of the way.
#include "GUI_Private.h"

#include <cstdlib>
#include <cstring>
#include <new>

#define ALLOC_ALIGN 16u
#define ALLOC_HEADER 16u
#define ALLOC_FREE_BIT 1u
#define ALLOC_NONE 0xFFFFFFFFu
#define ALLOC_MIN_HANDLES 64
#define ALLOC_DEFAULT_MAX_PERCENT 90

namespace {

struct BLOCK {
  U32 SizeFlags;  // gross size | ALLOC_FREE_BIT
  U32 PrevSize;   // gross size of the block before, 0 for the first
  U32 Link;       // used: handle; free: previous free block
  U32 NextFree;   // free: next free block
};

struct HANDLE {
  U32 Off;       // offset of the block header
  I32 Size;      // payload size asked for
  U16 LockCnt;
  U8 Fixed;
  U8 Used;
  U8 Tag;
};

U8* _pBase;
void* _pOwnMemory;
U32 _ArenaSize;
HANDLE* _paHandle;  // index 1 .. _NumHandles
I32* _paFreeHandle;
int _NumHandles;
int _NumFreeHandles;
U32 _FirstFree = ALLOC_NONE;
U32 _UsedBytes;
int _NumUsedBlocks;
int _NumFreeBlocks;
int _NumLocks;
U32 _AvBlockSize = GUI_DEFAULT_AV_BLOCK_SIZE;
int _MaxPercent = ALLOC_DEFAULT_MAX_PERCENT;
U32 _TestLimit;
int _FailCountdown;


inline BLOCK* _Block(U32 Off) { return reinterpret_cast<BLOCK*>(_pBase + Off); }
inline U32 _Size(const BLOCK* p) { return p->SizeFlags & ~ALLOC_FREE_BIT; }
inline bool _IsFree(const BLOCK* p) { return (p->SizeFlags & ALLOC_FREE_BIT) != 0; }

void _InsertFree(U32 Off, U32 Size) {
  BLOCK* p = _Block(Off);
  p->SizeFlags = Size | ALLOC_FREE_BIT;
  p->Link = ALLOC_NONE;
  p->NextFree = _FirstFree;
  if (_FirstFree != ALLOC_NONE) {
    _Block(_FirstFree)->Link = Off;
  }
  _FirstFree = Off;
  _NumFreeBlocks++;
}

void _RemoveFree(U32 Off) {
  BLOCK* p = _Block(Off);
  if (p->Link != ALLOC_NONE) {
    _Block(p->Link)->NextFree = p->NextFree;
  } else {
    _FirstFree = p->NextFree;
  }
  if (p->NextFree != ALLOC_NONE) {
    _Block(p->NextFree)->Link = p->Link;
  }
  _NumFreeBlocks--;
}

void _SetPrevSizeOfNext(U32 Off, U32 Size) {
  if (Off + Size < _ArenaSize) {
    _Block(Off + Size)->PrevSize = Size;
  }
}

void _Init(void* p, U32 NumBytes) {
  if (!p) {
    _pOwnMemory = std::malloc(NumBytes + ALLOC_ALIGN);
    p = _pOwnMemory;
    if (!p) {
      GUI_ErrorOut("GUI_ALLOC:\nNo memory for the GUI heap in GUI_ALLOC_AssignMemory()");
      return;
    }
  }
  PTR_ADDR a = reinterpret_cast<PTR_ADDR>(p);
  PTR_ADDR Aligned = (a + ALLOC_ALIGN - 1) & ~(PTR_ADDR)(ALLOC_ALIGN - 1);
  U32 Lost = (U32)(Aligned - a);
  _pBase = reinterpret_cast<U8*>(Aligned);
  _ArenaSize = NumBytes > Lost ? ((NumBytes - Lost) & ~(ALLOC_ALIGN - 1)) : 0;
  _NumHandles = (int)(_ArenaSize / (_AvBlockSize ? _AvBlockSize : GUI_DEFAULT_AV_BLOCK_SIZE));
  if (_NumHandles < ALLOC_MIN_HANDLES) {
    _NumHandles = ALLOC_MIN_HANDLES;
  }
  _paHandle = static_cast<HANDLE*>(std::calloc((size_t)_NumHandles + 1, sizeof(HANDLE)));
  _paFreeHandle = static_cast<I32*>(std::malloc(sizeof(I32) * (size_t)_NumHandles));
  if (!_paHandle || !_paFreeHandle || _ArenaSize < 2 * ALLOC_HEADER) {
    GUI_ErrorOut("GUI_ALLOC:\nNo memory for the GUI heap in GUI_ALLOC_AssignMemory()");
    GUI_ALLOC__Exit();
    return;
  }
  // Handles are handed out lowest first.
  for (int i = 0; i < _NumHandles; i++) {
    _paFreeHandle[i] = _NumHandles - i;
  }
  _NumFreeHandles = _NumHandles;
  _FirstFree = ALLOC_NONE;
  _UsedBytes = 0;
  _NumUsedBlocks = 0;
  _NumFreeBlocks = 0;
  _NumLocks = 0;
  BLOCK* pFirst = _Block(0);
  pFirst->PrevSize = 0;
  _InsertFree(0, _ArenaSize);
}

void _InitDefault(void) {
  if (!_pBase) {
    _Init(nullptr, GUI_DEFAULT_HEAP_SIZE);
  }
}

inline bool _IsValid(GUI_HMEM h) { return _pBase && h > 0 && h <= _NumHandles && _paHandle[h].Used; }

U32 _GrossSize(I32 Size) {
  U64 Gross = (((U64)Size + ALLOC_ALIGN - 1) & ~(U64)(ALLOC_ALIGN - 1)) + ALLOC_HEADER;
  return Gross > 0x7FFFFFFFu ? 0x7FFFFFFFu : (U32)Gross;
}

// Marks the block at Off (free, at least Gross bytes) used, carving Gross bytes from its start or end.
U32 _Take(U32 Off, U32 Gross, bool FromEnd, GUI_HMEM h) {
  BLOCK* p = _Block(Off);
  U32 Size = _Size(p);
  _RemoveFree(Off);
  U32 Rest = Size - Gross;
  U32 UsedOff = Off;
  if (Rest) {
    if (FromEnd) {
      _InsertFree(Off, Rest);
      UsedOff = Off + Rest;
      _Block(UsedOff)->PrevSize = Rest;
    } else {
      U32 RestOff = Off + Gross;
      _Block(RestOff)->PrevSize = Gross;
      _InsertFree(RestOff, Rest);
      _SetPrevSizeOfNext(RestOff, Rest);
    }
  } else {
    Gross = Size;
  }
  BLOCK* pUsed = _Block(UsedOff);
  pUsed->SizeFlags = Gross;
  pUsed->Link = (U32)h;
  pUsed->NextFree = ALLOC_NONE;
  _SetPrevSizeOfNext(UsedOff, Gross);
  _UsedBytes += Gross;
  _NumUsedBlocks++;
  return UsedOff;
}

U32 _FindFree(U32 Gross, bool Highest) {
  U32 Found = ALLOC_NONE;
  for (U32 Off = _FirstFree; Off != ALLOC_NONE; Off = _Block(Off)->NextFree) {
    if (_Size(_Block(Off)) >= Gross) {
      if (!Highest) {
        return Off;
      }
      if (Found == ALLOC_NONE || Off > Found) {
        Found = Off;
      }
    }
  }
  return Found;
}

// Slides every movable block toward the start and rebuilds the free list.
void _Compact(void) {
  U32 Dst = 0;
  U32 Off = 0;
  U32 PrevSize = 0;
  _FirstFree = ALLOC_NONE;
  _NumFreeBlocks = 0;
  while (Off < _ArenaSize) {
    BLOCK* p = _Block(Off);
    U32 Size = _Size(p);
    if (_IsFree(p)) {
      Off += Size;
      continue;
    }
    HANDLE* pHandle = &_paHandle[p->Link];
    if (pHandle->LockCnt || pHandle->Fixed) {
      if (Dst < Off) {
        _Block(Dst)->PrevSize = PrevSize;
        _InsertFree(Dst, Off - Dst);
        PrevSize = Off - Dst;
      }
      p->PrevSize = PrevSize;
      PrevSize = Size;
      Dst = Off + Size;
    } else {
      if (Dst < Off) {
        std::memmove(_pBase + Dst, _pBase + Off, Size);
        p = _Block(Dst);
        pHandle->Off = Dst;
      }
      p->PrevSize = PrevSize;
      PrevSize = Size;
      Dst += Size;
    }
    Off += Size;
  }
  if (Dst < _ArenaSize) {
    _Block(Dst)->PrevSize = PrevSize;
    _InsertFree(Dst, _ArenaSize - Dst);
  }
}

GUI_HMEM _Alloc(I32 Size, bool Fixed) {
  _InitDefault();
  if (!_pBase || Size <= 0) {
    return 0;
  }
  if (_FailCountdown > 0 && --_FailCountdown == 0) {
    return 0;
  }
  U32 Gross = _GrossSize(Size);
  if (Gross > _ArenaSize - _UsedBytes) {
    return 0;
  }
  if (_TestLimit && _UsedBytes + Gross > _TestLimit) {
    return 0;
  }
  if (_NumFreeHandles == 0) {
    return 0;
  }
  U32 Off = _FindFree(Gross, Fixed);
  if (Off == ALLOC_NONE) {
    _Compact();
    Off = _FindFree(Gross, Fixed);
    if (Off == ALLOC_NONE) {
      return 0;
    }
  }
  GUI_HMEM h = _paFreeHandle[--_NumFreeHandles];
  HANDLE* pHandle = &_paHandle[h];
  pHandle->Off = _Take(Off, Gross, Fixed, h);
  pHandle->Size = Size;
  pHandle->LockCnt = 0;
  pHandle->Fixed = Fixed ? 1 : 0;
  pHandle->Used = 1;
  pHandle->Tag = 0;
  return h;
}

void _Free(GUI_HMEM h) {
  HANDLE* pHandle = &_paHandle[h];
  _NumLocks -= pHandle->LockCnt;
  U32 Off = pHandle->Off;
  BLOCK* p = _Block(Off);
  U32 Size = _Size(p);
  _UsedBytes -= Size;
  _NumUsedBlocks--;
  pHandle->Used = 0;
  pHandle->LockCnt = 0;
  pHandle->Fixed = 0;
  pHandle->Tag = 0;
  _paFreeHandle[_NumFreeHandles++] = h;
  // Merge with the free neighbours.
  U32 End = Off + Size;
  if (End < _ArenaSize && _IsFree(_Block(End))) {
    Size += _Size(_Block(End));
    _RemoveFree(End);
  }
  if (Off > 0) {
    U32 PrevOff = Off - p->PrevSize;
    if (_IsFree(_Block(PrevOff))) {
      _RemoveFree(PrevOff);
      Size += Off - PrevOff;
      Off = PrevOff;
    }
  }
  _InsertFree(Off, Size);
  _SetPrevSizeOfNext(Off, Size);
}

// The handle of a payload pointer, 0 when it is not one.
GUI_HMEM _p2h(const void* p) {
  if (!_pBase || !p) {
    return 0;
  }
  const U8* pData = static_cast<const U8*>(p);
  if (pData < _pBase + ALLOC_HEADER || pData >= _pBase + _ArenaSize) {
    return 0;
  }
  U32 Off = (U32)(pData - _pBase) - ALLOC_HEADER;
  if (Off % ALLOC_ALIGN) {
    return 0;
  }
  BLOCK* pBlock = _Block(Off);
  if (_IsFree(pBlock)) {
    return 0;
  }
  GUI_HMEM h = (GUI_HMEM)pBlock->Link;
  return (_IsValid(h) && _paHandle[h].Off == Off) ? h : 0;
}

inline void* _h2p(GUI_HMEM h) { return _pBase + _paHandle[h].Off + ALLOC_HEADER; }

}  // namespace

void GUI_ALLOC_AssignMemory(void* p, U32 NumBytes) {
  GUI_LockGuard Lock;
  if (_pBase && _NumUsedBlocks) {
    GUI_ErrorOut("GUI_ALLOC:\nHeap in use in GUI_ALLOC_AssignMemory()");
    return;
  }
  GUI_ALLOC__Exit();
  _Init(p, NumBytes);
}

void GUI_ALLOC_SetAvBlockSize(U32 BlockSize) {
  GUI_LockGuard Lock;
  _AvBlockSize = BlockSize ? BlockSize : GUI_DEFAULT_AV_BLOCK_SIZE;
}

void GUI_ALLOC_SetMaxPercentage(int Percent) {
  GUI_LockGuard Lock;
  _MaxPercent = (Percent < 0) ? 0 : (Percent > 100 ? 100 : Percent);
}

int GUI_ALLOC_IsInitialized(void) { return _pBase != nullptr; }

GUI_HMEM GUI_ALLOC_AllocNoInit(I32 Size) {
  GUI_LockGuard Lock;
  return _Alloc(Size, false);
}

GUI_HMEM GUI_ALLOC_AllocZero(I32 Size) {
  GUI_LockGuard Lock;
  GUI_HMEM h = _Alloc(Size, false);
  if (h) {
    std::memset(_h2p(h), 0, (size_t)Size);
  }
  return h;
}

GUI_HMEM GUI_ALLOC_AllocInit(const void* pData, I32 Size) {
  GUI_LockGuard Lock;
  GUI_HMEM h = _Alloc(Size, false);
  if (h) {
    if (pData) {
      std::memcpy(_h2p(h), pData, (size_t)Size);
    } else {
      std::memset(_h2p(h), 0, (size_t)Size);
    }
  }
  return h;
}

GUI_HMEM GUI_ALLOC_Realloc(GUI_HMEM hOld, I32 NewSize) {
  GUI_LockGuard Lock;
  if (hOld == 0) {
    return _Alloc(NewSize, false);
  }
  if (!_IsValid(hOld)) {
    GUI_ErrorOut("GUI_ALLOC:\nInvalid handle in GUI_ALLOC_Realloc()");
    return 0;
  }
  if (_paHandle[hOld].LockCnt || _paHandle[hOld].Fixed) {
    // The caller still holds a pointer into the block; moving it would leave that pointer dangling.
    GUI_ErrorOut("GUI_ALLOC:\nBlock is locked in GUI_ALLOC_Realloc()");
    return 0;
  }
  GUI_HMEM hNew = _Alloc(NewSize, false);
  if (!hNew) {
    return 0;
  }
  I32 OldSize = _paHandle[hOld].Size;
  I32 n = OldSize < NewSize ? OldSize : NewSize;
  U8* pNew = static_cast<U8*>(_h2p(hNew));
  std::memcpy(pNew, _h2p(hOld), (size_t)n);
  if (NewSize > n) {
    std::memset(pNew + n, 0, (size_t)(NewSize - n));
  }
  _Free(hOld);
  return hNew;
}

void* GUI_ALLOC_LockH(GUI_HMEM hMem) {
  GUI_LockGuard Lock;
  if (hMem == 0) {
    return nullptr;
  }
  if (!_IsValid(hMem)) {
    GUI_ErrorOut("GUI_ALLOC:\nInvalid handle in GUI_ALLOC_LockH()");
    return nullptr;
  }
  HANDLE* pHandle = &_paHandle[hMem];
  if (pHandle->LockCnt == 0xFFFF) {
    GUI_ErrorOut("GUI_ALLOC:\nToo many locks of one block in GUI_ALLOC_LockH()");
    return nullptr;
  }
  pHandle->LockCnt++;
  _NumLocks++;
  return _h2p(hMem);
}

void GUI_ALLOC__UnlockH(void** pp) {
  GUI_LockGuard Lock;
  if (!pp || !*pp) {
    return;
  }
  GUI_HMEM h = _p2h(*pp);
  *pp = nullptr;
  if (!h) {
    GUI_ErrorOut("GUI_ALLOC:\nInvalid pointer in GUI_ALLOC_UnlockH()");
    return;
  }
  if (_NumLocks <= 0) {
    GUI_ErrorOut("GUI_ALLOC:\nUnderflow of locked handles in GUI_ALLOC_UnlockH()");
    return;
  }
  if (_paHandle[h].LockCnt == 0) {
    GUI_ErrorOut("GUI_ALLOC:\nBlock is already unlocked in GUI_ALLOC_UnlockH()");
    return;
  }
  _paHandle[h].LockCnt--;
  _NumLocks--;
}

void* GUI_ALLOC_h2p(GUI_HMEM hMem) {
  GUI_LockGuard Lock;
  return GUI_ALLOC__h2pLocked(hMem);
}

void* GUI_ALLOC__h2pLocked(GUI_HMEM hMem) {
  if (hMem == 0) {
    return nullptr;
  }
  if (!_IsValid(hMem)) {
    GUI_ErrorOut("GUI_ALLOC:\nInvalid handle in GUI_ALLOC_h2p()");
    return nullptr;
  }
  return _h2p(hMem);
}

U8 GUI_ALLOC__GetTag(GUI_HMEM hMem) { return _IsValid(hMem) ? _paHandle[hMem].Tag : 0; }

void GUI_ALLOC__SetTag(GUI_HMEM hMem, U8 Tag) {
  if (_IsValid(hMem)) {
    _paHandle[hMem].Tag = Tag;
  }
}

GUI_HMEM GUI_ALLOC_p2h(const void* p) {
  GUI_LockGuard Lock;
  return _p2h(p);
}

void GUI_ALLOC_Free(GUI_HMEM hMem) {
  GUI_LockGuard Lock;
  if (hMem == 0) {
    return;
  }
  if (!_IsValid(hMem)) {
    GUI_ErrorOut("GUI_Alloc:\nBlock already free in _Free().");
    return;
  }
  _Free(hMem);
}

void GUI_ALLOC_FreePtr(GUI_HMEM* phMem) {
  if (phMem) {
    GUI_LockGuard Lock;
    GUI_ALLOC_Free(*phMem);
    *phMem = 0;
  }
}

void GUI_ALLOC_FreePtrArray(GUI_HMEM* pArray, int NumElems) {
  GUI_LockGuard Lock;
  for (int i = 0; pArray && i < NumElems; i++) {
    GUI_ALLOC_FreePtr(&pArray[i]);
  }
}

I32 GUI_ALLOC_GetSize(GUI_HMEM hMem) {
  GUI_LockGuard Lock;
  return _IsValid(hMem) ? _paHandle[hMem].Size : 0;
}

int GUI_ALLOC_GetNumLocks(GUI_HMEM hMem) {
  GUI_LockGuard Lock;
  return _IsValid(hMem) ? _paHandle[hMem].LockCnt : 0;
}

I32 GUI_ALLOC_GetNumFreeBytes(void) {
  GUI_LockGuard Lock;
  _InitDefault();
  return (I32)(_ArenaSize - _UsedBytes);
}

I32 GUI_ALLOC_GetNumUsedBytes(void) {
  GUI_LockGuard Lock;
  return (I32)_UsedBytes;
}

I32 GUI_ALLOC_GetNumUsedBlocks(void) {
  GUI_LockGuard Lock;
  return _NumUsedBlocks;
}

I32 GUI_ALLOC_GetNumFreeBlocks(void) {
  GUI_LockGuard Lock;
  return _NumFreeBlocks;
}

I32 GUI_ALLOC_GetMaxFreeBlockSize(void) {
  GUI_LockGuard Lock;
  _InitDefault();
  U32 Max = 0;
  for (U32 Off = _FirstFree; Off != ALLOC_NONE; Off = _Block(Off)->NextFree) {
    U32 Size = _Size(_Block(Off));
    if (Size > Max) {
      Max = Size;
    }
  }
  return Max > ALLOC_HEADER ? (I32)(Max - ALLOC_HEADER) : 0;
}

I32 GUI_ALLOC_GetMaxSize(void) {
  GUI_LockGuard Lock;
  return (I32)((I64)GUI_ALLOC_GetMaxFreeBlockSize() * _MaxPercent / 100);
}

void* GUI_ALLOC_GetFixedBlock(I32 Size) {
  GUI_LockGuard Lock;
  GUI_HMEM h = _Alloc(Size, true);
  return h ? _h2p(h) : nullptr;
}

void GUI_ALLOC_FreeFixedBlock(void* p) {
  GUI_LockGuard Lock;
  if (!p) {
    return;
  }
  GUI_HMEM h = _p2h(p);
  if (!h || !_paHandle[h].Fixed) {
    GUI_ErrorOut("GUI_ALLOC:\nNot a fixed block in GUI_ALLOC_FreeFixedBlock()");
    return;
  }
  _Free(h);
}

void GUI_ALLOC__SetTestLimit(U32 NumBytes) {
  GUI_LockGuard Lock;
  _TestLimit = NumBytes;
}

void GUI_ALLOC__FailNth(int n) {
  GUI_LockGuard Lock;
  _FailCountdown = n > 0 ? n : 0;
}

int GUI_ALLOC__Check(void) {
  GUI_LockGuard Lock;
  if (!_pBase) {
    return 0;
  }
  U32 Off = 0, PrevSize = 0, Used = 0;
  int NumUsed = 0, NumFree = 0, NumLocks = 0;
  bool PrevFree = false;
  while (Off < _ArenaSize) {
    BLOCK* p = _Block(Off);
    U32 Size = _Size(p);
    if (Size < ALLOC_HEADER || Size % ALLOC_ALIGN || Off + Size > _ArenaSize || p->PrevSize != PrevSize) {
      return 1;
    }
    if (_IsFree(p)) {
      if (PrevFree) {
        return 2;  // two free neighbours not merged
      }
      NumFree++;
    } else {
      GUI_HMEM h = (GUI_HMEM)p->Link;
      if (!_IsValid(h) || _paHandle[h].Off != Off || _GrossSize(_paHandle[h].Size) > Size) {
        return 3;
      }
      NumUsed++;
      Used += Size;
      NumLocks += _paHandle[h].LockCnt;
    }
    PrevFree = _IsFree(p);
    PrevSize = Size;
    Off += Size;
  }
  int NumListed = 0;
  for (U32 f = _FirstFree; f != ALLOC_NONE; f = _Block(f)->NextFree) {
    if (!_IsFree(_Block(f)) || ++NumListed > NumFree) {
      return 4;
    }
  }
  if (Off != _ArenaSize || NumListed != NumFree || NumFree != _NumFreeBlocks || NumUsed != _NumUsedBlocks ||
      Used != _UsedBytes || NumLocks != _NumLocks || _NumFreeHandles + NumUsed != _NumHandles) {
    return 5;
  }
  return 0;
}

void GUI_ALLOC__Exit(void) {
  std::free(_pOwnMemory);
  std::free(_paHandle);
  std::free(_paFreeHandle);
  _pOwnMemory = nullptr;
  _paHandle = nullptr;
  _paFreeHandle = nullptr;
  _pBase = nullptr;
  _ArenaSize = 0;
  _NumHandles = 0;
  _NumFreeHandles = 0;
  _FirstFree = ALLOC_NONE;
  _UsedBytes = 0;
  _NumUsedBlocks = 0;
  _NumFreeBlocks = 0;
  _NumLocks = 0;
  _TestLimit = 0;
  _FailCountdown = 0;
}
