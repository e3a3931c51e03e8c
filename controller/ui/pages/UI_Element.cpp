// Shared rules of the page elements.
#include "UI_Element.h"

#include <cstring>

#include "APP_Hooks.h"
#include "OBJ_Access.h"
#include "OS.h"
#include "TXT_FormatValue.h"
#include "UI_Main.h"

static uint32_t _Compose(uint32_t Menu, uint32_t Sub, uint32_t Index) { return (Menu & 0xFF000000u) | Sub << 16 | (Index & 0xFFFF); }

uint32_t UI_ValueAddress(uint32_t Menu, const uint8_t* pRec, int Offset) {
  uint32_t Index = UI_RecIndex(pRec), Sub = pRec[1];
  if ((Index & 0x7000) < 0x5000) {
    Sub = (Menu >> 16) & 0xFF;
    Index = (Index & ~0x4000u) | 0x3000;
  }
  return _Compose(Menu, Sub, Index + uint32_t(Offset));
}

uint32_t UI_DescriptionAddress(uint32_t Menu, const uint8_t* pRec, int Offset) {
  uint32_t Index = UI_RecIndex(pRec), Sub = pRec[1];
  if ((Index & 0x7000) < 0x5000) {
    Sub = (Menu >> 16) & 0xFF;
    Index = (Index & ~0x5000u) | 0x2000;
  }
  return _Compose(Menu, Sub, Index + uint32_t(Offset));
}

uint32_t UI_LinkAddress(uint32_t Menu, const uint8_t* pRec) { return _Compose(Menu, pRec[1], UI_RecIndex(pRec)); }

int UI_DecodeValue(const uint8_t* p, int n, int32_t* pValue, int* pUnit, char16_t* pText, int TextLen) {
  int32_t Value = 0;
  int Unit = 0, Has = 1;
  int Type = n > 0 ? (p[0] & 0x70) : 0;
  if (Type == 0x10 && n >= 2) {
    Value = int8_t(p[1]);
  } else if (Type == 0x30 && n >= 3) {
    Unit = p[1];
    Value = int8_t(p[2]);
  } else if (Type == 0x40 && n >= 4) {
    Unit = p[1];
    Value = int16_t(p[2] | p[3] << 8);
  } else if (Type == 0x50 && n >= 6) {
    Unit = p[1];
    Value = int32_t(p[2] | p[3] << 8 | p[4] << 16 | uint32_t(p[5]) << 24);
  } else {
    Has = 0;
  }
  if (pValue) *pValue = Value;
  if (pUnit) *pUnit = Unit;
  if (pText && TextLen > 0) {
    pText[0] = 0;
    if (Has) TXT_FormatValue(Value, Unit, pText, size_t(TextLen), 0, 1, -1);
    pText[TextLen - 1] = 0;
  }
  return Has;
}

void UI_TakeTextAnswer(const uint8_t* p, int n, char16_t* pDest, int Len) {
  if (Len <= 0) return;
  int i = 0;
  for (int Pos = 2; Pos + 1 < n && i < Len - 1; Pos += 2) {
    char16_t c = char16_t(p[Pos] | p[Pos + 1] << 8);
    if (!c) break;
    pDest[i++] = c;
  }
  pDest[i] = 0;
}

static int _Take(void) {
  if (!APP_hUiSemaphore) return 1;
  return OS_SemWait(APP_hUiSemaphore, OS_INFINITE) != OS_WAIT_TIMEOUT;
}

static void _Give(void) {
  if (APP_hUiSemaphore) OS_SemSignal(APP_hUiSemaphore);
}

int UI_ReadObject(uint32_t Address, void* pBuf, int Size) {
  if (!_Take()) return 0;
  int n = OBJ_Read(Address, pBuf, Size, 0);
  _Give();
  return n > 0 ? (n > Size ? Size : n) : 0;
}

int UI_WriteObject(uint32_t Address, const void* pData, int Len) {
  if (!_Take()) return 0;
  int r = OBJ_Write(Address, pData, Len);
  _Give();
  return r;
}

int UI_ReadTextAnswer(uint32_t Address, char16_t* pDest, int Len) {
  if (Len <= 0) return 0;
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  int n = Address ? UI_ReadObject(Address, a, sizeof(a)) : 0;
  if (n <= 2) {
    pDest[0] = 0;
    return 0;
  }
  UI_TakeTextAnswer(a, n, pDest, Len);
  return 1;
}

static uint8_t* _ArenaEnd(void) { return UI_MenuStackInstance.GetPageArea() + UI_MenuStack::GetPageAreaSize(); }

void* UI_ArenaTake(uint8_t** ppFill, int Size) {
  uint8_t* p = *ppFill;
  uintptr_t Misalign = uintptr_t(p) % alignof(void*);
  if (Misalign) p += alignof(void*) - Misalign;
  Size = (Size + int(alignof(void*)) - 1) & ~int(alignof(void*) - 1);
  if (Size <= 0 || p > _ArenaEnd() || _ArenaEnd() - p < Size) return nullptr;
  memset(p, 0, size_t(Size));
  *ppFill = p + Size;
  return p;
}

int UI_ArenaFree(const uint8_t* pFill) { return int(_ArenaEnd() - pFill); }

void UI_DropElementsFrom(WM_HWIN hFrom) {
  while (hFrom) {
    WM_HWIN hNext = WM_GetNextSibling(hFrom);
    WM_DeleteWindow(hFrom);
    hFrom = hNext;
  }
}

void* UI_GetElementData(WM_HWIN hWin) {
  void* p = nullptr;
  WM_GetUserData(hWin, &p, sizeof(p));
  return p;
}

int UI_ElementTouched(WM_HWIN hWin, const WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (!pState) return 0;
  if (pState->Pressed) {
    WM_SetCapture(hWin, 1);
    return 0;
  }
  WM_ReleaseCapture();
  return pState->x > 0 && pState->x < WM_GetWindowSizeX(hWin) && pState->y > 0 &&
         pState->y < WM_GetWindowSizeY(hWin) && !UI_PointerMoved();
}

int UI_PageScroll(void) { return UI_GetPageScrollOffset(); }

void UI_ReloadPage(void) { UI_MenuStackInstance.Reload(UI_PageScroll()); }

static int _PutCode(uint8_t* p, int Room, uint8_t Id, const char16_t* s) {
  int n = 0;
  while (s && s[n] && n < 127) n++;
  int Len = 2 * n + 4;
  if (Len > Room) return 0;
  p[0] = Id;
  p[1] = uint8_t(n);
  for (int i = 0; i < n; i++) {
    p[2 + 2 * i] = uint8_t(s[i]);
    p[3 + 2 * i] = uint8_t(s[i] >> 8);
  }
  p[2 + 2 * n] = p[3 + 2 * n] = 0;
  return Len;
}

int UI_CheckCode(uint32_t CheckAddress, uint8_t Id, const char16_t* pCode, const char16_t* pSecond) {
  uint8_t aAnswer[5] = {};
  if (UI_ReadObject(CheckAddress, aAnswer, 4) <= 0) return 0;
  uint8_t aRecord[2 * 260 + 8];
  int Len = _PutCode(aRecord, int(sizeof(aRecord)), Id, pCode);
  if (pSecond) Len += _PutCode(aRecord + Len, int(sizeof(aRecord)) - Len, 0, pSecond);
  uint32_t Target = (CheckAddress & 0xFF000000u) | uint32_t(aAnswer[0]) << 16 | (CheckAddress & 0xFFFF);
  if (!UI_WriteObject(Target, aRecord, Len)) return 0;
  memset(aAnswer, 0, sizeof(aAnswer));
  if (UI_ReadObject(Target, aAnswer, 5) < 2) return 0;
  return aAnswer[1] != 0;
}
