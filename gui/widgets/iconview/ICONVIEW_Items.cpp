// ICONVIEW: items of both kinds added, inserted, replaced and deleted; their texts and user words; the
// view's colours, alignments, margins and gaps. Indexes outside the items are refused.
#include <cstring>
#include <vector>

#include "GUI_Stream.h"
#include "ICONVIEW.h"

namespace {

using _Access = WIDGET_ACCESS<ICONVIEW_OBJ, &ICONVIEW__Type>;

void _DrawBitmap(const void* pData, int x, int y) {
  GUI_DrawBitmap((const GUI_BITMAP*)pData, x, y);
}

void _GetBitmapSize(const void* pData, int* px, int* py) {
  *px = ((const GUI_BITMAP*)pData)->XSize;
  *py = ((const GUI_BITMAP*)pData)->YSize;
}

void _DrawStreamed(const void* pData, int x, int y) {
  GUI_DrawStreamedBitmap(pData, x, y);
}

void _GetStreamedSize(const void* pData, int* px, int* py) {
  GUI_STREAMED_BITMAP_INFO Info = {};
  GUI_GetStreamedBitmapInfo(pData, &Info);
  *px = Info.XSize;
  *py = Info.YSize;
}

void _DrawText(const ICONVIEW_OBJ* pObj, GUI_RECT* pRect, const char* pText) {
  GUI_DispStringInRectWrap(pText, pRect, pObj->Props.TextAlign, pObj->Props.WrapMode);
}

struct Kind {
  void (*pfDraw)(const void*, int, int);
  void (*pfSize)(const void*, int*, int*);
};
const Kind _Bitmap = {_DrawBitmap, _GetBitmapSize};
const Kind _Streamed = {_DrawStreamed, _GetStreamedSize};

ICONVIEW_OBJ* _Get(WM_HWIN hObj) {
  return hObj ? (ICONVIEW_OBJ*)WIDGET__GetObj(&ICONVIEW__Type, hObj) : nullptr;
}

int _NumItems(const ICONVIEW_OBJ* pObj) {
  return GUI_ARRAY_GetNumItems(pObj->hItems);
}

ICONVIEW_ITEM* _Item(const ICONVIEW_OBJ* pObj, int Index) {
  if (Index < 0 || Index >= _NumItems(pObj)) {
    return nullptr;
  }
  GUI_HMEM h = GUI_ARRAY_GethItem(pObj->hItems, (U32)Index);
  return h ? (ICONVIEW_ITEM*)GUI_ALLOC_h2p(h) : nullptr;
}

std::vector<U8> _Record(const Kind& k, const void* pData, const char* pText, U32 UserData) {
  size_t Len = pText ? strlen(pText) : 0;
  std::vector<U8> v(sizeof(ICONVIEW_ITEM) + Len, 0);
  ICONVIEW_ITEM* p = (ICONVIEW_ITEM*)v.data();
  p->pfDrawImage = k.pfDraw;
  p->pfDrawText = _DrawText;
  p->pfGetImageSize = k.pfSize;
  p->pData = pData;
  p->UserData = UserData;
  if (Len) {
    memcpy(p->acText, pText, Len);
  }
  return v;
}

int _Add(WM_HWIN hObj, const Kind& k, const void* pData, const char* pText) {
  WM__LockGuard Lock;
  ICONVIEW_OBJ* pObj = _Get(hObj);
  if (!pObj || !pData) {
    return 1;
  }
  std::vector<U8> v = _Record(k, pData, pText, 0);
  if (GUI_ARRAY_AddItem(pObj->hItems, v.data(), (int)v.size())) {
    return 1;
  }
  ICONVIEW__UpdateScrollState(hObj);
  return 0;
}

int _Insert(WM_HWIN hObj, const Kind& k, const void* pData, const char* pText, int Index) {
  WM__LockGuard Lock;
  ICONVIEW_OBJ* pObj = _Get(hObj);
  if (!pObj || !pData || !_Item(pObj, Index)) {
    return 1;
  }
  std::vector<U8> v = _Record(k, pData, pText, 0);
  GUI_HMEM h = GUI_ARRAY_InsertItem(pObj->hItems, (U32)Index, (int)v.size());
  if (!h) {
    return 1;
  }
  memcpy(GUI_ALLOC_h2p(h), v.data(), v.size());
  pObj = _Get(hObj);
  if (pObj->Sel >= Index) {
    pObj->Sel++; // the selected item keeps its selection
  }
  ICONVIEW__UpdateScrollState(hObj);
  return 0;
}

int _SetImage(WM_HWIN hObj, const Kind& k, int Index, const void* pData) {
  WM__LockGuard Lock;
  ICONVIEW_OBJ* pObj = _Get(hObj);
  ICONVIEW_ITEM* pItem = pObj ? _Item(pObj, Index) : nullptr;
  if (!pItem || !pData || pItem->pfDrawImage != k.pfDraw) {
    return 1;
  }
  pItem->pData = pData;
  ICONVIEW__UpdateScrollState(hObj);
  return 0;
}

} // namespace

int ICONVIEW_AddBitmapItem(WM_HWIN hObj, const GUI_BITMAP* pBitmap, const char* pText) {
  return _Add(hObj, _Bitmap, pBitmap, pText);
}

int ICONVIEW_AddStreamedBitmapItem(WM_HWIN hObj, const void* pStreamedBitmap, const char* pText) {
  return _Add(hObj, _Streamed, pStreamedBitmap, pText);
}

int ICONVIEW_InsertBitmapItem(WM_HWIN hObj, const GUI_BITMAP* pBitmap, const char* pText, int Index) {
  return _Insert(hObj, _Bitmap, pBitmap, pText, Index);
}

int ICONVIEW_InsertStreamedBitmapItem(WM_HWIN hObj, const void* pStreamedBitmap, const char* pText, int Index) {
  return _Insert(hObj, _Streamed, pStreamedBitmap, pText, Index);
}

int ICONVIEW_SetBitmapItem(WM_HWIN hObj, int Index, const GUI_BITMAP* pBitmap) {
  return _SetImage(hObj, _Bitmap, Index, pBitmap);
}

int ICONVIEW_SetStreamedBitmapItem(WM_HWIN hObj, int Index, const void* pStreamedBitmap) {
  return _SetImage(hObj, _Streamed, Index, pStreamedBitmap);
}

// The selection follows its item (none when the item goes), and the rows are counted again so that the scroll
// bar never offers rows that are gone.
void ICONVIEW_DeleteItem(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  ICONVIEW_OBJ* pObj = _Get(hObj);
  if (!pObj || !_Item(pObj, (int)Index)) {
    return;
  }
  GUI_ARRAY_DeleteItem(pObj->hItems, Index);
  pObj = _Get(hObj);
  if (pObj->Sel == (int)Index) {
    pObj->Sel = -1;
  } else if (pObj->Sel > (int)Index) {
    pObj->Sel--;
  }
  ICONVIEW__UpdateScrollState(hObj);
}

void ICONVIEW_SetItemText(WM_HWIN hObj, int Index, const char* pText) {
  WM__LockGuard Lock;
  ICONVIEW_OBJ* pObj = _Get(hObj);
  const ICONVIEW_ITEM* pItem = pObj ? _Item(pObj, Index) : nullptr;
  if (!pItem) {
    return;
  }
  Kind k = {pItem->pfDrawImage, pItem->pfGetImageSize};
  std::vector<U8> v = _Record(k, pItem->pData, pText, pItem->UserData);
  if (GUI_ARRAY_SetItem(pObj->hItems, (U32)Index, v.data(), (int)v.size())) {
    WM_InvalidateWindow(hObj);
  }
}

int ICONVIEW_GetItemText(WM_HWIN hObj, int Index, char* pBuffer, int MaxSize) {
  return _Access::Read(hObj, -1, [&](ICONVIEW_OBJ* pObj) {
    const ICONVIEW_ITEM* pItem = _Item(pObj, Index);
    if (!pItem) {
      return -1;
    }
    return WIDGET__CopyString(pItem->acText, pBuffer, MaxSize);
  });
}

void ICONVIEW_SetItemUserData(WM_HWIN hObj, int Index, U32 UserData) {
  _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) {
    if (ICONVIEW_ITEM* pItem = _Item(pObj, Index)) {
      pItem->UserData = UserData;
    }
    return false;
  });
}

U32 ICONVIEW_GetItemUserData(WM_HWIN hObj, int Index) {
  return _Access::Read(hObj, 0u, [&](ICONVIEW_OBJ* pObj) {
    const ICONVIEW_ITEM* pItem = _Item(pObj, Index);
    return pItem ? pItem->UserData : 0u;
  });
}

int ICONVIEW_GetNumItems(WM_HWIN hObj) {
  return _Access::Read(hObj, -1, [](ICONVIEW_OBJ* pObj) { return _NumItems(pObj); });
}

int ICONVIEW_GetSel(WM_HWIN hObj) {
  return _Access::Read(hObj, -1, [](ICONVIEW_OBJ* pObj) { return (int)pObj->Sel; });
}

void ICONVIEW_SetSel(WM_HWIN hObj, int Sel) {
  WM__LockGuard Lock;
  ICONVIEW_OBJ* pObj = _Get(hObj);
  if (pObj && Sel >= -1 && Sel < _NumItems(pObj)) {
    ICONVIEW__SetSel(hObj, Sel);
  }
}

void ICONVIEW_SetBkColor(WM_HWIN hObj, int Index, GUI_COLOR Color) {
  if (Index >= 0 && Index < 3) {
    _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aBkColor[Index], Color); });
  }
}

void ICONVIEW_SetTextColor(WM_HWIN hObj, int Index, GUI_COLOR Color) {
  if (Index >= 0 && Index < 3) {
    _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) { return WIDGET__Store(&pObj->Props.aTextColor[Index], Color); });
  }
}

void ICONVIEW_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) { return WIDGET__Store(&pObj->Props.pFont, pFont); });
}

void ICONVIEW_SetTextAlign(WM_HWIN hObj, int TextAlign) {
  _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) { return WIDGET__Store(&pObj->Props.TextAlign, TextAlign); });
}

void ICONVIEW_SetIconAlign(WM_HWIN hObj, int IconAlign) {
  _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) { return WIDGET__Store(&pObj->Props.IconAlign, IconAlign); });
}

void ICONVIEW_SetWrapMode(WM_HWIN hObj, int WrapMode) {
  _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) { return WIDGET__Store(&pObj->Props.WrapMode, WrapMode); });
}

void ICONVIEW_SetFrame(WM_HWIN hObj, int Coord, int Value) {
  if (Coord == 0 || Coord == 1) {
    _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) {
      return WIDGET__Store(Coord ? &pObj->Props.FrameY : &pObj->Props.FrameX, Value);
    });
  }
}

void ICONVIEW_SetSpace(WM_HWIN hObj, int Coord, int Value) {
  if (Coord == 0 || Coord == 1) {
    _Access::Change(hObj, [&](ICONVIEW_OBJ* pObj) {
      return WIDGET__Store(Coord ? &pObj->Props.SpaceY : &pObj->Props.SpaceX, Value);
    });
    WM__LockGuard Lock;
    if (_Get(hObj)) {
      ICONVIEW__UpdateScrollState(hObj);
    }
  }
}

int ICONVIEW_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&ICONVIEW__Type, hObj, pDest, NumBytes);
}

int ICONVIEW_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&ICONVIEW__Type, hObj, pSrc, NumBytes);
}
