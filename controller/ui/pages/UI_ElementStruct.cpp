// The builder of the structured pages: rows, conditional blocks, repetitions and generated labels.
#include "UI_ElementStruct.h"

#include <cstdio>

#include "OBJ_Access.h"
#include "UI_ElementList.h"
#include "UI_ElementPanel.h"
#include "UI_Main.h"
#include "UI_MenuPage.h"

namespace {

enum { _SCRATCH = UI_VALUE_ANSWER_SIZE };

// What one top-level record may still do: the end of the records it may read, the nesting of repetitions, and
// a budget of visited records, so that repetitions inside repetitions stay bounded.
struct _CTX {
  const uint8_t* pEnd;
  int Depth;
  int* pSteps;
};

int _Kind(const uint8_t* r) { return r[0] & 15; }
int _IsEnd(const uint8_t* r, const uint8_t* pEnd) { return r >= pEnd || (!r[0] && !r[1]); }

// Address of a record by the value rule or, for indices that the rule keeps, with the extra offset as well.
uint32_t _Value(uint32_t Menu, const uint8_t* r, int Offset) { return UI_ValueAddress(Menu, r, Offset); }
uint32_t _Text(uint32_t Menu, const uint8_t* r, int Offset) { return UI_PanelTextAddress(_Value(Menu, r, Offset)); }


// Text of a heading record: indices 5 to 0x4FFF by the value rule, the others as they stand (with the offset).
uint32_t _HeadingText(uint32_t Menu, const uint8_t* r, int Offset) {
  uint16_t Index = UI_RecIndex(r);
  if (Index >= 5 && Index < 0x5000) return _Value(Menu, r, Offset);
  return (Menu & 0xFF000000u) | uint32_t(r[1]) << 16 | ((Index + uint32_t(Offset)) & 0xFFFF);
}

uint32_t _LinkAddress(uint32_t Menu, const uint8_t* r, int Offset) {
  uint32_t Index = UI_RecIndex(r);
  if (!(r[0] & 0x10)) Index += Menu & 0xFFC0;  // relative to the current menu's block of 64 pages
  return (Menu & 0xFF000000u) | uint32_t(r[1]) << 16 | ((Index + uint32_t(Offset)) & 0xFFFF);
}

WM_HWIN _Row(WM_HWIN hInner, int h) {
  return WM_CreateWindowAsChild(UI_STRUCT_ROW_X, 0, WM_GetWindowSizeX(hInner) - UI_STRUCT_ROW_LESS, h, hInner,
                                WM_CF_SHOW | WM_CF_HASTRANS, UI_RowContainerCallback, 0);
}
int _W(WM_HWIN hRow) { return hRow ? WM_GetWindowSizeX(hRow) : 0; }

// Takes a block and makes its element window inside the row; null when the arena is full.
UI_STRUCT_BLOCK* _Element(WM_HWIN hRow, int x, int y, int w, int h, WM_CALLBACK* cb, uint32_t Menu,
                          const uint8_t* r, uint8_t** ppFill) {
  if (!hRow) return nullptr;
  UI_STRUCT_BLOCK* p = (UI_STRUCT_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_STRUCT_BLOCK)));
  if (!p) return nullptr;
  WM_HWIN hWin = WM_CreateWindowAsChild(x, y, w, h, hRow, WM_CF_SHOW | WM_CF_HASTRANS, cb, sizeof(p));
  if (!hWin) return nullptr;
  WM_SetUserData(hWin, &p, sizeof(p));
  p->Menu = Menu;
  p->Kind = uint8_t(_Kind(r));
  p->Flags = uint8_t(r[0] & 0xF0);
  p->Level = uint8_t((r[0] >> 4) & 3);
  return p;
}

// The label generator that follows the records an element used, if any.
void _TakeLabel(UI_STRUCT_BLOCK* p, const uint8_t* pNext, const _CTX& c, int Repeat) {
  if (p && !_IsEnd(pNext, c.pEnd)) UI_MakeElementLabel(p->acLabel, pNext, Repeat);
}

// The room the arena must keep for one more row of two elements; a repetition stops before it runs out.
int _ArenaFull(const uint8_t* pFill) { return UI_ArenaFree(pFill) < int(2 * sizeof(UI_STRUCT_BLOCK) + 16); }

int _Heading(WM_HWIN hInner, uint32_t Menu, const uint8_t* r, uint8_t** ppFill, const _CTX& c, int Offset,
             int Repeat) {
  int h = (r[0] & 0x10) ? 22 : (r[0] & 0x20) ? 38 : 35;
  int Used = !_IsEnd(r + 4, c.pEnd) && r[4] == r[0] ? 2 : 1;
  WM_HWIN hRow = _Row(hInner, h);
  UI_STRUCT_BLOCK* p = _Element(hRow, 0, 0, _W(hRow), h, UI_StructHeadingCallback, Menu, r, ppFill);
  if (!p) return Used;
  uint16_t Index = UI_RecIndex(r);
  if (Index >= 1 && Index <= 3) {
    p->Source = uint8_t(Index);
  } else {
    p->TextAddress = _HeadingText(Menu, r, Offset);
  }
  if (Used == 2) p->TextAddress2 = _HeadingText(Menu, r + 4, Offset);
  _TakeLabel(p, r + 4 * Used, c, Repeat);
  return Used;
}

int _LabelValue(WM_HWIN hInner, uint32_t Menu, const uint8_t* r, const uint8_t* v, uint8_t** ppFill,
                const _CTX& c, int Offset, int Repeat) {
  int Tall = (r[0] & 0xC0) != 0;
  int y = (r[0] & 0x40) ? UI_STRUCT_LOWER : 0;
  WM_HWIN hRow = _Row(hInner, Tall ? UI_STRUCT_TALL_ROW_H : UI_STRUCT_ROW_H);
  UI_STRUCT_BLOCK* pLabel = nullptr;
  int x = 0;
  if (_Kind(r) == UI_STRUCT_LABEL_VALUE) {
    pLabel = _Element(hRow, 0, y, UI_STRUCT_LABEL_W, UI_STRUCT_ROW_H, UI_StructLabelCallback, Menu, r, ppFill);
    if (pLabel) pLabel->TextAddress = _Text(Menu, r, Offset);
    _TakeLabel(pLabel, r + 4, c, Repeat);
    x = UI_STRUCT_LABEL_W;
  }
  UI_STRUCT_BLOCK* p =
      _Element(hRow, x, y, _W(hRow) - x, UI_STRUCT_ROW_H, UI_StructValueCallback, Menu, r, ppFill);
  if (p) {
    p->ValueAddress = _Value(Menu, v, Offset);
    p->pTitle = pLabel ? pLabel->acText : nullptr;
  }
  return 1;
}

int _TwoPart(WM_HWIN hInner, uint32_t Menu, const uint8_t* r, uint8_t** ppFill, const _CTX& c, int Offset) {
  WM_HWIN hRow = _Row(hInner, UI_STRUCT_ROW_H);
  const uint8_t* n = _IsEnd(r + 4, c.pEnd) ? nullptr : r + 4;
  int NextKind = n ? _Kind(n) : 0;
  int Pair = NextKind == UI_STRUCT_LABEL_VALUE || NextKind == UI_STRUCT_LINK;
  UI_STRUCT_BLOCK* p = _Element(hRow, 0, 0, UI_STRUCT_SELECT_W, UI_STRUCT_ROW_H, UI_StructSelectCallback, Menu, r,
                                ppFill);
  if (p) p->TextAddress = _Value(Menu, r, Offset);  // the selection's text stands at its value address
  if (!Pair) return 1;
  if (p) p->NextKind = n[0];
  int w = _W(hRow) - UI_STRUCT_SELECT_W;
  if (NextKind == UI_STRUCT_LINK) {
    uint32_t Link = _LinkAddress(Menu, n, Offset);
    if (p) p->LinkAddress = Link;
    UI_STRUCT_BLOCK* q =
        _Element(hRow, UI_STRUCT_SELECT_W, 0, w, UI_STRUCT_ROW_H, UI_StructLinkCallback, Menu, n, ppFill);
    if (q) q->LinkAddress = q->TextAddress = Link;
    return 2;
  }
  uint32_t Target = _Value(Menu, n, Offset);
  if (p) p->ValueAddress = Target;
  UI_STRUCT_BLOCK* q =
      _Element(hRow, UI_STRUCT_SELECT_W, 0, w, UI_STRUCT_ROW_H, UI_StructValueCallback, Menu, n, ppFill);
  if (q) {
    q->ValueAddress = Target;
    q->pTitle = p ? p->acText : nullptr;
  }
  return 2;
}

int _Build(WM_HWIN hInner, uint32_t Menu, const uint8_t* r, const uint8_t* pSource, uint8_t** ppFill, _CTX c,
           int Offset, int Repeat);

// Skips a hidden block: up to and including the kind-10 record that closes it (nested blocks counted), or to the
// end of the records when none closes it.
int _SkipBlock(const uint8_t* r, const _CTX& c) {
  int Depth = 0, n = 0;
  for (const uint8_t* q = r; !_IsEnd(q, c.pEnd); q += 4) {
    n++;
    if (_Kind(q) == UI_STRUCT_IF && !(q[0] & 0x80)) Depth++;
    if (_Kind(q) == UI_STRUCT_END_IF && Depth-- == 0) return n;
  }
  return n;
}

int _Condition(uint32_t Menu, const uint8_t* r, const _CTX& c, int Offset) {
  uint8_t aScratch[_SCRATCH];
  int Shown = 0, n = 0;
  const uint8_t* q = r;
  for (;;) {
    n++;
    if (UI_EvalCondition(Menu, q, Offset, aScratch)) Shown = 1;
    // Bit 7 chains the next condition as an alternative.
    if (!(q[0] & 0x80) || _IsEnd(q + 4, c.pEnd) || _Kind(q + 4) != UI_STRUCT_IF) break;
    q += 4;
  }
  return Shown ? n : n + _SkipBlock(r + 4 * n, c);
}

int _Repetition(WM_HWIN hInner, uint32_t Menu, const uint8_t* r, uint8_t** ppFill, const _CTX& c, int Offset) {
  const uint8_t* pBody = r + 4;
  const uint8_t* pBodyEnd = pBody;
  while (!_IsEnd(pBodyEnd, c.pEnd) && pBodyEnd[0] != UI_STRUCT_END_REPEAT) pBodyEnd += 4;
  int Closed = !_IsEnd(pBodyEnd, c.pEnd);
  int Used = int(pBodyEnd - pBody) / 4 + 1 + Closed;  // without an end record the body runs to the end
  int32_t Count = UI_RecIndex(r);
  if (r[0] & 0x10) {
    uint8_t aScratch[_SCRATCH];
    UI_ReadCountValue(Menu, r, Offset, &Count, aScratch);
  }
  if (c.Depth >= UI_STRUCT_MAX_NESTING) return Used;  // nested too deep: the body is not built
  _CTX Inner = {pBodyEnd, c.Depth + 1, c.pSteps};
  // Every pass counts as a step, so that a count read from an object cannot spin over an empty body; indices are
  // 16 bits, so the offset wraps with them.
  for (int32_t i = 0; i < Count && (*c.pSteps)-- > 0 && !_ArenaFull(*ppFill); i++) {
    int PassOffset = int((uint32_t(Offset) + uint32_t(r[1]) * uint32_t(i)) & 0xFFFF);
    for (const uint8_t* q = pBody; q < pBodyEnd && *c.pSteps > 0;)
      q += 4 * _Build(hInner, Menu, q, nullptr, ppFill, Inner, PassOffset, int(i));
  }
  return Used;
}

// pSource: the kind-3 record just before r, whose value a kind-2, -4, -5 or -8 element shows instead of its own.
int _Build(WM_HWIN hInner, uint32_t Menu, const uint8_t* r, const uint8_t* pSource, uint8_t** ppFill, _CTX c,
           int Offset, int Repeat) {
  if (_IsEnd(r, c.pEnd)) return 1;
  (*c.pSteps)--;
  const uint8_t* v = pSource ? pSource : r;
  int n = 1;
  switch (_Kind(r)) {
    case UI_STRUCT_SOURCE: {
      // A value source goes with the record after it.
      const uint8_t* q = r + 4;
      int k = _IsEnd(q, c.pEnd) ? 0 : _Kind(q);
      if (k == UI_STRUCT_VALUE_LINE || k == UI_STRUCT_LABEL_VALUE || k == UI_STRUCT_VALUE_ONLY || k == UI_STRUCT_LINK)
        n = 1 + _Build(hInner, Menu, q, r, ppFill, c, Offset, Repeat);
      break;
    }
    case UI_STRUCT_HEADING: n = _Heading(hInner, Menu, r, ppFill, c, Offset, Repeat); break;
    case UI_STRUCT_VALUE_LINE: {
      WM_HWIN hRow = _Row(hInner, UI_STRUCT_ROW_H);
      UI_STRUCT_BLOCK* p =
          _Element(hRow, 0, 0, _W(hRow), UI_STRUCT_ROW_H, UI_StructValueLineCallback, Menu, r, ppFill);
      if (!p) break;
      p->ValueAddress = _Value(Menu, v, Offset);
      p->TextAddress = UI_PanelTextAddress(p->ValueAddress);
      break;
    }
    case UI_STRUCT_LABEL_VALUE:
    case UI_STRUCT_VALUE_ONLY: n = _LabelValue(hInner, Menu, r, v, ppFill, c, Offset, Repeat); break;
    case UI_STRUCT_TWO_PART: n = _TwoPart(hInner, Menu, r, ppFill, c, Offset); break;
    case UI_STRUCT_LINK: {
      WM_HWIN hRow = _Row(hInner, UI_STRUCT_ROW_H);
      UI_STRUCT_BLOCK* p = _Element(hRow, 0, 0, _W(hRow), UI_STRUCT_ROW_H, UI_StructLinkCallback, Menu, r, ppFill);
      if (!p) break;
      p->LinkAddress = _LinkAddress(Menu, r, Offset);
      p->TextAddress = v != r ? _Text(Menu, v, Offset) : p->LinkAddress;
      _TakeLabel(p, r + 4, c, Repeat);
      break;
    }
    case UI_STRUCT_IF: n = _Condition(Menu, r, c, Offset); break;
    case UI_STRUCT_REPEAT: n = _Repetition(hInner, Menu, r, ppFill, c, Offset); break;
    default: break;  // value sources, block ends, label generators and unused kinds make no window
  }
  return n > 0 ? n : 1;
}

void _Decimal(uint8_t* p, int Size, int32_t n) {
  char a[16];
  int Len = snprintf(a, sizeof(a), "%d", int(n));
  int i = 0;
  for (; i < Len && 2 + 2 * i + 3 < Size; i++) {
    p[2 + 2 * i] = uint8_t(a[i]);
    p[3 + 2 * i] = 0;
  }
  p[2 + 2 * i] = p[3 + 2 * i] = 0;
}

}  // namespace

int UI_BuildStructuredElement(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill,
                              const uint8_t* pEnd, int Offset, int Repeat) {
  int Steps = UI_STRUCT_MAX_STEPS;
  _CTX c = {pEnd, 0, &Steps};
  return _Build(hInner, Menu, pRec, nullptr, ppFill, c, Offset, Repeat);
}

int UI_ReadSourceAnswer(uint32_t Menu, const uint8_t* pRec, int Offset, uint8_t* pAnswer, int Size) {
  if (Size < 8) return 0;
  uint16_t Source = UI_RecIndex(pRec);
  if (Source < 5) {
    int32_t n = pRec[1];
    switch (Source) {
      case 1: n += int32_t(Menu >> 24); break;
      case 2: n += int32_t((Menu >> 16) & 0xFF); break;
      case 3: n += int32_t(Menu & 0xFFFF); break;
    }
    pAnswer[0] = 31;  // a decimal text answer whose byte 1 carries the value
    pAnswer[1] = uint8_t(n);
    _Decimal(pAnswer, Size, n);
    return 1;
  }
  // Read while the page is built, under the semaphore that the page handler holds.
  return OBJ_Read(UI_ValueAddress(Menu, pRec, Offset), pAnswer, Size, 0) > 0;
}

int UI_ReadCountValue(uint32_t Menu, const uint8_t* pRec, int Offset, int32_t* pValue, uint8_t* pScratch) {
  *pValue = -1;
  for (int i = 0; i < 8; i++) pScratch[i] = 0;  // short answers read as zeros, never as stale bytes
  if (!UI_ReadSourceAnswer(Menu, pRec, Offset, pScratch, _SCRATCH)) return 0;
  const uint8_t* a = pScratch;
  int Type = a[0];
  if (Type < 0x20) {
    *pValue = a[1];
  } else if (Type >= 0x30 && Type <= 0x3F) {
    *pValue = int8_t(a[2]);
  } else if (Type >= 0x40 && Type <= 0x4F) {
    *pValue = int16_t(a[2] | a[3] << 8);
  } else if (Type >= 0x50 && Type <= 0x5F) {
    *pValue = int32_t(a[2] | a[3] << 8 | a[4] << 16 | uint32_t(a[5]) << 24);
  } else {
    return 0;  // texts and unknown types carry no value
  }
  return 1;
}

int UI_EvalCondition(uint32_t Menu, const uint8_t* pRec, int Offset, uint8_t* pScratch) {
  int32_t V = 0;
  switch (UI_RecIndex(pRec)) {
    case 0: V = (UI_hMainWin && WM_IsVisible(UI_hMainWin)) ? 0 : UI_GrantedLevel(Menu); break;
    case 1: V = int32_t(Menu >> 24); break;
    case 2: V = int32_t((Menu >> 16) & 0xFF); break;
    case 3: return 0;
    default:
      if (!UI_ReadCountValue(Menu, pRec, Offset, &V, pScratch)) return 0;  // unreadable: the block is hidden
  }
  int v = int8_t(uint8_t(V)), K = pRec[1];
  switch (pRec[0] & 0x70) {
    case 0x00: return v != K;
    case 0x10: return v == K;
    case 0x20: return v > K;
    case 0x30: return v >= K;
    case 0x40: return v < K;
    case 0x50: return v <= K;
  }
  return 0;
}

int UI_MakeElementLabel(char16_t* pText, const uint8_t* pRec, int Repeat) {
  pText[0] = 0;
  if (_Kind(pRec) != UI_STRUCT_LABEL_GEN) return 0;
  char a[UI_STRUCT_LABEL_LEN + 8];
  int n = 0;
  if (pRec[0] & 0x10) a[n++] = ' ';
  if (pRec[0] >= 128) {
    a[n++] = char('A' + Repeat % 26);
  } else {
    n += snprintf(a + n, sizeof(a) - size_t(n), "%ld", long(pRec[1]) * Repeat + UI_RecIndex(pRec));
  }
  if (pRec[0] & 0x20) a[n++] = ':';
  if (pRec[0] & 0x40) a[n++] = ' ';
  int i = 0;
  for (; i < n && i < UI_STRUCT_LABEL_LEN - 1; i++) pText[i] = char16_t(a[i]);
  pText[i] = 0;
  return 1;
}

int UI_BuildStructuredPage(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill,
                           const uint8_t* pEnd) {
  return UI_BuildStructuredElement(hInner, Menu, pRec, ppFill, pEnd, 0, 0);
}
