// Reading a GIF file's structure: the header with the global colour table, the walk over extensions and
// image blocks, and the questions about a file (sizes, number of images, one image's place, comments).
// Every size and count is checked before it is used; each query takes the lock and a context and gives both
// back on every way out.
#include "GUI_GIF_Private.h"

#include <cstring>

namespace {

int _ReadColors(GUI_GIF__CONTEXT* p, GUI_COLOR* pColors, int n) {
  U8 aRGB[3 * 256];
  if (GUI_GIF__Read(p, aRGB, unsigned(3 * n))) {
    return 1;
  }
  for (int i = 0; i < n; i++) {
    pColors[i] = GUI_COLOR(aRGB[3 * i]) | GUI_COLOR(aRGB[3 * i + 1]) << 8 | GUI_COLOR(aRGB[3 * i + 2]) << 16;
  }
  return 0;
}

// The graphic control extension's one 4-byte block and its terminator.
int _ReadControl(GUI_GIF__CONTEXT* p, GUI_GIF__CONTROL* pControl) {
  U8 a[6];
  if (GUI_GIF__Read(p, a, 6) || a[0] != 4 || a[5] != 0) {
    return 1;
  }
  pControl->Disposal = (a[1] >> 2) & 7;
  pControl->Delay = a[2] | a[3] << 8;
  pControl->TransIndex = (a[1] & 1) ? a[4] : -1;
  return 0;
}

// One data context for a query: memory source or the caller's routine.
template <class F>
int _WithContext(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int Failed, F&& f) {
  if (!pfGetData) {
    return Failed;
  }
  GUI_Lock();
  GUI_HMEM hMem;
  GUI_GIF__CONTEXT* p = GUI_GIF__Alloc(pfGetData, pParam, &hMem);
  int r = p ? f(p) : Failed;
  GUI_GIF__Free(&hMem);
  GUI_Unlock();
  return r;
}

struct _INFO_QUERY {
  GUI_GIF_IMAGE_INFO* pInfo;
  int Index;
  int Found;
};

}  // namespace

GUI_GIF__CONTEXT* GUI_GIF__Alloc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_HMEM* phMem) {
  *phMem = GUI_ALLOC_AllocZero(sizeof(GUI_GIF__CONTEXT));
  if (!*phMem) {
    return nullptr;
  }
  GUI_GIF__CONTEXT* p = static_cast<GUI_GIF__CONTEXT*>(GUI_ALLOC_LockH(*phMem));
  p->pfGetData = pfGetData;
  p->pParam = pParam;
  return p;
}

void GUI_GIF__Free(GUI_HMEM* phMem) {
  if (*phMem) {
    void* p = GUI_ALLOC_h2p(*phMem);
    GUI_ALLOC_UnlockH(&p);
    GUI_ALLOC_FreePtr(phMem);
  }
}

int GUI_GIF__ReadHeader(GUI_GIF__CONTEXT* p) {
  U8 a[13];
  p->Off = 0;
  if (GUI_GIF__Read(p, a, sizeof(a)) || std::memcmp(a, "GIF8", 4) || (a[4] != '7' && a[4] != '9') ||
      a[5] != 'a') {
    return 1;
  }
  p->xSize = GUI__Get16(a + 6);
  p->ySize = GUI__Get16(a + 8);
  if (p->xSize > GUI_GIF__MAX_SCREEN || p->ySize > GUI_GIF__MAX_SCREEN) {
    return 1;
  }
  p->NumGlobal = (a[10] & 0x80) ? 2 << (a[10] & 7) : 0;
  return _ReadColors(p, p->aGlobal, p->NumGlobal);
}

int GUI_GIF__Walk(GUI_GIF__CONTEXT* p, GUI_GIF__VISITOR* v) {
  GUI_GIF__CONTROL Control = {0, -1, 0};
  int NumImages = 0, NumComments = 0;
  v->TrailerSeen = 0;
  for (;;) {
    U8 Kind;
    if (GUI_GIF__Read(p, &Kind, 1)) {
      return 1;
    }
    if (Kind == 0x21) {
      U8 Label;
      if (GUI_GIF__Read(p, &Label, 1)) {
        return 1;
      }
      if (Label == 0xF9) {
        if (_ReadControl(p, &Control)) {
          return 1;
        }
        continue;
      }
      if (Label != 0x01 && Label != 0xFE && Label != 0xFF) {
        return 1;
      }
      int Consumed = 0;
      if (Label == 0xFE && v->pfComment) {
        int r = v->pfComment(v->pUser, p, NumComments, &Consumed);
        if (r) {
          return r - 1;
        }
      }
      NumComments += Label == 0xFE;
      if (!Consumed && GUI_GIF__SkipSubBlocks(p)) {
        return 1;
      }
      continue;
    }
    if (Kind != 0x2C) {
      v->TrailerSeen = Kind == 0x3B;
      return 0;
    }
    U8 a[9];
    if (GUI_GIF__Read(p, a, sizeof(a))) {
      return 1;
    }
    GUI_GIF__IMAGE Image = {GUI__Get16(a), GUI__Get16(a + 2), GUI__Get16(a + 4), GUI__Get16(a + 6),
                            (a[8] & 0x40) != 0, 0};
    // An image without a colour table of its own takes the global one, whatever images before it had.
    if (a[8] & 0x80) {
      Image.NumColors = 2 << (a[8] & 7);
      if (_ReadColors(p, p->aColor, Image.NumColors)) {
        return 1;
      }
    } else {
      Image.NumColors = p->NumGlobal;
      std::memcpy(p->aColor, p->aGlobal, sizeof(p->aColor));
    }
    int Consumed = 0;
    if (v->pfImage) {
      int r = v->pfImage(v->pUser, p, &Image, &Control, NumImages, &Consumed);
      if (r) {
        return r - 1;
      }
    }
    if (!Consumed) {
      U8 CodeSize;
      if (GUI_GIF__Read(p, &CodeSize, 1) || GUI_GIF__SkipSubBlocks(p)) {
        return 1;
      }
    }
    NumImages++;
    Control = GUI_GIF__CONTROL{0, -1, 0};  // a control extension is for the one image behind it
  }
}

int GUI_GIF_GetInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_GIF_INFO* pInfo) {
  return _WithContext(pfGetData, pParam, 1, [pInfo](GUI_GIF__CONTEXT* p) {
    if (GUI_GIF__ReadHeader(p)) {
      return 1;
    }
    int NumImages = 0;
    GUI_GIF__VISITOR v = {[](void* pUser, GUI_GIF__CONTEXT*, const GUI_GIF__IMAGE*, const GUI_GIF__CONTROL*, int,
                             int*) {
                            ++*static_cast<int*>(pUser);
                            return 0;
                          },
                          nullptr, &NumImages, 0};
    int r = GUI_GIF__Walk(p, &v);
    if (pInfo) {
      *pInfo = GUI_GIF_INFO{p->xSize, p->ySize, NumImages};
    }
    return (r || !v.TrailerSeen) ? 1 : 0;
  });
}

int GUI_GIF_GetImageInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_GIF_IMAGE_INFO* pInfo, int Index) {
  return _WithContext(pfGetData, pParam, 1, [pInfo, Index](GUI_GIF__CONTEXT* p) {
    _INFO_QUERY q = {pInfo, Index, 0};
    GUI_GIF__VISITOR v = {[](void* pUser, GUI_GIF__CONTEXT*, const GUI_GIF__IMAGE* pImage,
                             const GUI_GIF__CONTROL* pControl, int i, int*) {
                            _INFO_QUERY* pq = static_cast<_INFO_QUERY*>(pUser);
                            if (i != pq->Index) {
                              return 0;
                            }
                            pq->Found = 1;
                            if (pq->pInfo) {
                              *pq->pInfo = GUI_GIF_IMAGE_INFO{pImage->xPos, pImage->yPos, pImage->xSize,
                                                              pImage->ySize, pControl->Delay};
                            }
                            return 1;
                          },
                          nullptr, &q, 0};
    if (GUI_GIF__ReadHeader(p) || Index < 0) {
      return 1;
    }
    return (GUI_GIF__Walk(p, &v) || !q.Found) ? 1 : 0;
  });
}

int GUI_GIF_GetCommentEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U8* pBuffer, int MaxSize, int Index) {
  return _WithContext(pfGetData, pParam, 1, [=](GUI_GIF__CONTEXT* p) {
    struct _Q {
      int Index;
      U8* pBuffer;
      int MaxSize;
      int Found;
    } Q = {Index, pBuffer, MaxSize, 0};
    GUI_GIF__VISITOR v = {nullptr,
                          [](void* pUser, GUI_GIF__CONTEXT* pc, int i, int* pConsumed) {
                            _Q* pq = static_cast<_Q*>(pUser);
                            if (i != pq->Index) {
                              return 0;
                            }
                            U8 Len;
                            U8 aData[255];
                            if (GUI_GIF__Read(pc, &Len, 1) || (Len && GUI_GIF__Read(pc, aData, Len))) {
                              return 2;
                            }
                            int n = Len < pq->MaxSize ? Len : pq->MaxSize;
                            if (n > 0 && pq->pBuffer) {
                              std::memcpy(pq->pBuffer, aData, size_t(n));
                            }
                            pq->Found = 1;
                            *pConsumed = 1;
                            return 1;
                          },
                          &Q, 0};
    if (GUI_GIF__ReadHeader(p) || Index < 0) {
      return 1;
    }
    return (GUI_GIF__Walk(p, &v) || !Q.Found) ? 1 : 0;
  });
}

static int _GetSize(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int Y) {
  return _WithContext(pfGetData, pParam, 0, [Y](GUI_GIF__CONTEXT* p) {
    U8 a[10];
    if (GUI_GIF__Read(p, a, sizeof(a))) {
      return 0;
    }
    return int(GUI__Get16(a + (Y ? 8 : 6)));
  });
}

int GUI_GIF_GetXSizeEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam) { return _GetSize(pfGetData, pParam, 0); }
int GUI_GIF_GetYSizeEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam) { return _GetSize(pfGetData, pParam, 1); }

int GUI_GIF_GetXSize(const void* pGIF) {
  GUI__MEM_SOURCE Src = {static_cast<const U8*>(pGIF), 10};
  return pGIF ? GUI_GIF_GetXSizeEx(GUI__GetDataMem, &Src) : 0;
}

int GUI_GIF_GetYSize(const void* pGIF) {
  GUI__MEM_SOURCE Src = {static_cast<const U8*>(pGIF), 10};
  return pGIF ? GUI_GIF_GetYSizeEx(GUI__GetDataMem, &Src) : 0;
}

int GUI_GIF_GetInfo(const void* pGIF, U32 NumBytes, GUI_GIF_INFO* pInfo) {
  GUI__MEM_SOURCE Src = {static_cast<const U8*>(pGIF), NumBytes};
  return pGIF ? GUI_GIF_GetInfoEx(GUI__GetDataMem, &Src, pInfo) : 1;
}

int GUI_GIF_GetImageInfo(const void* pGIF, U32 NumBytes, GUI_GIF_IMAGE_INFO* pInfo, int Index) {
  GUI__MEM_SOURCE Src = {static_cast<const U8*>(pGIF), NumBytes};
  return pGIF ? GUI_GIF_GetImageInfoEx(GUI__GetDataMem, &Src, pInfo, Index) : 1;
}

int GUI_GIF_GetComment(const void* pGIF, U32 NumBytes, U8* pBuffer, int MaxSize, int Index) {
  GUI__MEM_SOURCE Src = {static_cast<const U8*>(pGIF), NumBytes};
  return pGIF ? GUI_GIF_GetCommentEx(GUI__GetDataMem, &Src, pBuffer, MaxSize, Index) : 1;
}
