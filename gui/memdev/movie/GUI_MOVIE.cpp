// Movie records: reading the header, locating frames through the index (read in pieces of at most 100
// entries), loading one frame at a time into a buffer that grows but never shrinks, creation and deletion,
// and the position, size and period queries.
//
// Every offset comes from the file and is checked before it is used: a frame whose offsets run backwards,
// past the index or past the file is refused (the movie stops), never read outside the file or the buffer.
#include "GUI_MOVIE_Private.h"
#include "GUI_ImageRead.h"

#include <cstring>

namespace {

// Where a movie's bytes come from. Taken from the record before a read, because a get-data routine may
// allocate and so move the record.
struct _SOURCE {
  GUI_GET_DATA_FUNC* pfGetData;
  void* pParam;
  const U8* pFileData;  // memory movies: read within FileSize
  U32 FileSize;
};

_SOURCE _SourceOf(const GUI_MOVIE_OBJ* p) { return {p->pfGetData, p->pParam, p->pFileData, p->FileSize}; }

int _Read(const _SOURCE& Src, void* pDest, U32 NumBytes, U32 Off) {
  if (Src.pFileData) {
    if (Off > Src.FileSize || NumBytes > Src.FileSize - Off) {
      return 1;
    }
    std::memcpy(pDest, Src.pFileData + Off, NumBytes);
    return 0;
  }
  return GUI__ReadDataExact(Src.pfGetData, Src.pParam, pDest, NumBytes, Off);
}

// The identification bytes (0 to 9) are not checked.
void _ParseHeader(GUI_MOVIE_OBJ* p, const U8* pHeader) {
  p->XSize = GUI__Get16(pHeader + 10);
  p->YSize = GUI__Get16(pHeader + 12);
  p->Period = GUI__Get16(pHeader + 14);
  p->NumFrames = GUI__Get32(pHeader + 16);
  p->IndexOff = GUI__Get32(pHeader + 20);
}

// File offset of index entry i, through the cache; 1 when the index cannot be read there.
int _IndexEntry(GUI_MOVIE_HANDLE hMovie, U32 i, U32* pOff) {
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  if (i < p->FirstIndex || i >= p->FirstIndex + p->NumIndex) {
    U32 Count = p->NumFrames - i < MOVIE__INDEX_CACHE ? p->NumFrames - i : MOVIE__INDEX_CACHE;
    U8 aRaw[4 * MOVIE__INDEX_CACHE];
    U64 Off = U64(p->IndexOff) + 4ull * i;
    p->NumIndex = 0;
    if (Off + 4ull * Count > 0xFFFFFFFFull || _Read(_SourceOf(p), aRaw, 4 * Count, U32(Off))) {
      return 1;  // an index outside the file
    }
    p = GUI_MOVIE__h2p(hMovie);
    for (U32 k = 0; k < Count; k++) {
      p->aIndex[k] = GUI__Get32(aRaw + 4 * k);
    }
    p->FirstIndex = i;
    p->NumIndex = Count;
  }
  *pOff = p->aIndex[i - p->FirstIndex];
  return 0;
}

// Offset and size of frame i (header and JPEG data); 1 when it cannot be located.
int _LocateFrame(GUI_MOVIE_HANDLE hMovie, U32 i, U32* pOff, U32* pSize) {
  U32 Off, End;
  if (i >= GUI_MOVIE__h2p(hMovie)->NumFrames || _IndexEntry(hMovie, i, &Off)) {
    return 1;
  }
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  if (i + 1 < p->NumFrames) {
    if (_IndexEntry(hMovie, i + 1, &End)) {
      return 1;
    }
  } else {
    End = p->IndexOff;
  }
  if (End <= Off || End - Off < MOVIE__FRAME_HEADER_SIZE || End - Off > 0x7FFFFFFF) {
    return 1;
  }
  *pOff = Off;
  *pSize = End - Off;
  return 0;
}

GUI_MOVIE_HANDLE _Create(GUI_GET_DATA_FUNC* pfGetData, void* pParam, const U8* pFileData, U32 FileSize,
                         GUI_MOVIE_FUNC* pfNotify) {
  GUI_MOVIE_HANDLE h = GUI_ALLOC_AllocZero(sizeof(GUI_MOVIE_OBJ));
  if (!h) {
    return 0;
  }
  GUI_MOVIE_OBJ* p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(h));
  p->Magic = MOVIE__MAGIC;
  p->pfGetData = pfGetData;
  p->pParam = pParam;
  p->pFileData = pFileData;
  p->FileSize = FileSize;
  p->pfNotify = pfNotify;
  U8 aHeader[MOVIE__HEADER_SIZE];
  if (_Read(_SourceOf(p), aHeader, MOVIE__HEADER_SIZE, 0)) {
    GUI_ALLOC_Free(h);
    return 0;
  }
  _ParseHeader(GUI_MOVIE__h2p(h), aHeader);
  if (GUI_MOVIE__LoadFrame(h)) {
    GUI_MOVIE_OBJ* q = GUI_MOVIE__h2p(h);
    GUI_ALLOC_FreePtr(&q->hFrame);
    GUI_ALLOC_Free(h);
    return 0;
  }
  return h;
}

int _GetInfo(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_MOVIE_INFO* pInfo) {
  U8 aHeader[MOVIE__HEADER_SIZE];
  if (!pInfo || GUI__ReadDataExact(pfGetData, pParam, aHeader, sizeof(aHeader), 0)) {
    return 1;
  }
  pInfo->xSize = GUI__Get16(aHeader + 10);
  pInfo->ySize = GUI__Get16(aHeader + 12);
  pInfo->msPerFrame = GUI__Get16(aHeader + 14);
  pInfo->NumFrames = int(GUI__Get32(aHeader + 16));
  return 0;
}

}  // namespace

GUI_MOVIE_OBJ* GUI_MOVIE__h2p(GUI_MOVIE_HANDLE hMovie) {
  if (!hMovie || GUI_ALLOC_GetSize(hMovie) < I32(sizeof(GUI_MOVIE_OBJ))) {
    return nullptr;
  }
  GUI_MOVIE_OBJ* p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  return p && p->Magic == MOVIE__MAGIC && !p->DeletePending ? p : nullptr;
}

int GUI_MOVIE__LoadFrame(GUI_MOVIE_HANDLE hMovie) {
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  U32 Off, Size;
  if (!p || p->CurrentFrame < 0 || _LocateFrame(hMovie, U32(p->CurrentFrame), &Off, &Size)) {
    return 1;
  }
  p = GUI_MOVIE__h2p(hMovie);
  if (!p->hFrame || GUI_ALLOC_GetSize(p->hFrame) < I32(Size)) {
    GUI_ALLOC_FreePtr(&p->hFrame);
    GUI_HMEM hFrame = GUI_ALLOC_AllocNoInit(I32(Size));
    p = GUI_MOVIE__h2p(hMovie);  // the allocation may have moved the record
    p->hFrame = hFrame;
    p->FrameSize = 0;
    if (!hFrame) {
      return 1;
    }
  }
  U8* pFrame = static_cast<U8*>(GUI_ALLOC_LockH(p->hFrame));
  int r = _Read(_SourceOf(p), pFrame, Size, Off);
  GUI_ALLOC_UnlockH(&pFrame);
  p = GUI_MOVIE__h2p(hMovie);
  if (r) {
    GUI_ALLOC_FreePtr(&p->hFrame);
    p->FrameSize = 0;
    return 1;
  }
  p->FrameSize = I32(Size);
  return 0;
}

void GUI_MOVIE__Notify(GUI_MOVIE_HANDLE hMovie, int Notification, U32 Frame) {
  GUI_MOVIE_OBJ* p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  if (p && p->pfNotify) {
    p->pfNotify(hMovie, Notification, Frame);
  }
}

void GUI_MOVIE__Free(GUI_MOVIE_HANDLE hMovie) {
  GUI_MOVIE_OBJ* p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  // From here on no entry sees the movie: whatever the handler of notification 4 asks of it (deleting it again,
  // playing, seeking) finds nothing, so it neither recurses nor leaves a timer or a frame buffer behind.
  p->DeletePending = 1;
  GUI_TIMER_Delete(p->hTimer);
  p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  p->hTimer = 0;
  GUI_ALLOC_FreePtr(&p->hFrame);
  GUI_MOVIE__Notify(hMovie, GUI_MOVIE_NOTIFICATION_DELETE, 0);
  p = static_cast<GUI_MOVIE_OBJ*>(GUI_ALLOC_h2p(hMovie));
  p->Magic = 0;
  GUI_ALLOC_Free(hMovie);
}

GUI_MOVIE_HANDLE GUI_MOVIE_CreateEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_MOVIE_FUNC* pfNotify) {
  if (!pfGetData) {
    return 0;
  }
  GUI_Lock();
  GUI_MOVIE_HANDLE h = _Create(pfGetData, pParam, nullptr, 0, pfNotify);
  GUI_Unlock();
  return h;
}

GUI_MOVIE_HANDLE GUI_MOVIE_Create(const void* pFileData, U32 FileSize, GUI_MOVIE_FUNC* pfNotify) {
  if (!pFileData) {
    return 0;
  }
  GUI_Lock();
  GUI_MOVIE_HANDLE h = _Create(nullptr, nullptr, static_cast<const U8*>(pFileData), FileSize, pfNotify);
  GUI_Unlock();
  return h;
}

int GUI_MOVIE_Delete(GUI_MOVIE_HANDLE hMovie) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  int r = 1;
  if (p) {
    r = 0;
    if (p->InTick) {
      p->DeletePending = 1;  // its own notification deletes it: the tick frees it when it ends
    } else {
      GUI_MOVIE__Free(hMovie);
    }
  }
  GUI_Unlock();
  return r;
}

int GUI_MOVIE_GetInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_MOVIE_INFO* pInfo) {
  if (!pfGetData) {
    return 1;
  }
  GUI_Lock();
  int r = _GetInfo(pfGetData, pParam, pInfo);
  GUI_Unlock();
  return r;
}

int GUI_MOVIE_GetInfo(const void* pFileData, U32 FileSize, GUI_MOVIE_INFO* pInfo) {
  GUI__MEM_SOURCE Src = {static_cast<const uint8_t*>(pFileData), pFileData ? FileSize : 0};
  return GUI_MOVIE_GetInfoEx(GUI__GetDataMem, &Src, pInfo);
}

int GUI_MOVIE_GetFrameIndex(GUI_MOVIE_HANDLE hMovie) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  int r = p ? p->CurrentFrame : -1;
  GUI_Unlock();
  return r;
}

int GUI_MOVIE_GetPos(GUI_MOVIE_HANDLE hMovie, int* pxPos, int* pyPos, int* pxSize, int* pySize) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  if (p) {
    if (pxPos) *pxPos = p->xPos;
    if (pyPos) *pyPos = p->yPos;
    if (pxSize) *pxSize = p->XSize;
    if (pySize) *pySize = p->YSize;
  }
  GUI_Unlock();
  return p ? 0 : 1;
}

int GUI_MOVIE_SetPos(GUI_MOVIE_HANDLE hMovie, int xPos, int yPos) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  if (p) {
    p->xPos = xPos;
    p->yPos = yPos;
  }
  GUI_Unlock();
  return p ? 0 : 1;
}

int GUI_MOVIE_SetPeriod(GUI_MOVIE_HANDLE hMovie, unsigned Period) {
  GUI_Lock();
  GUI_MOVIE_OBJ* p = GUI_MOVIE__h2p(hMovie);
  int r = 0;
  if (p) {
    r = p->Period;
    p->Period = U16(Period);
  }
  GUI_Unlock();
  return r;
}
