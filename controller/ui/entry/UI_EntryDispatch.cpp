// The menu-entry dispatcher.
#include "UI_EntryDispatch.h"

#include <algorithm>
#include <cstring>

#include "FKT_Access.h"
#include "OBJ_Access.h"
#include "UI_Dialog.h"
#include "UI_Element.h"
#include "UI_ElementFile.h"
#include "UI_Main.h"
#include "UI_SelectList.h"
#include "UI_ValueEntry.h"

uint8_t UI_EntryDesc[UI_ENTRY_DESC_SIZE];
char16_t UI_TextBuffer[UI_TEXT_BUFFER_LEN];
UI_ValueLimits UI_EntryLimits;
UI_TEXT_ENTRY_OPENER* UI_pfOpenTextEntry;
UI_TEXT_ENTRY_OPENER* UI_pfOpenFileNameEntry;
UI_CALENDAR_OPENER* UI_pfOpenCalendar;

static const char16_t* _apTexts[UI_MAX_ITEMS];
static uint32_t _aValues[UI_MAX_ITEMS];
// Room for the item objects; one spare terminator behind the area so that a text read up to its end still ends.
static uint8_t _aItems[UI_ENTRY_ITEM_AREA + 2];
UI_ItemTexts UI_EntryItemTexts = {_apTexts, 0};
UI_ItemValues UI_EntryItemValues = {_aValues, 0};

static const UI_EntryOptions _Defaults = {{0, 0, 6, 0, 0}};

uint32_t UI_EntryDescAddress(uint32_t Address) {
  uint32_t View = (Address >> 12) & 7;
  if (View <= 4) Address = (Address & ~0x7000u) | 0x4000u;
  return Address;
}

uint32_t UI_EntryWriteAddress(uint32_t Address) {
  return ((Address >> 12) & 7) == 2 ? (Address & ~0x7000u) | 0x4000u : Address;
}

int UI_OpenTextEntry(WM_HWIN hReceiver, const char16_t* pTitle, int MaxLen, int Id) {
  if (MaxLen > UI_TEXT_BUFFER_LEN) MaxLen = UI_TEXT_BUFFER_LEN;
  return UI_pfOpenTextEntry ? UI_pfOpenTextEntry(hReceiver, pTitle, MaxLen, Id) : 0;
}

int UI_OpenFileNameEntry(WM_HWIN hReceiver, const char16_t* pTitle, int MaxLen, int Id) {
  if (!UI_pfOpenFileNameEntry) return UI_OpenTextEntry(hReceiver, pTitle, MaxLen, Id);
  if (MaxLen > UI_TEXT_BUFFER_LEN) MaxLen = UI_TEXT_BUFFER_LEN;
  return UI_pfOpenFileNameEntry(hReceiver, pTitle, MaxLen, Id);
}

namespace {

int32_t _I16(const uint8_t* p) { return int16_t(p[0] | p[1] << 8); }
int32_t _I32(const uint8_t* p) { return int32_t(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24); }

// A list shows at most UI_MAX_ITEMS of the items its entry names.
uint16_t _ClampItems(int NumItems) { return uint16_t(std::min<int>(NumItems, UI_MAX_ITEMS)); }

// Reads the items of a selection entry; calls Take(position, item record, text) for each. A failed read ends the
// loop. Every text is terminated inside the item area.
template <class F>
void _ReadItems(uint32_t Address, int Count, uint16_t ItemIndex, int Context, F Take) {
  int Pos = 0;
  _aItems[UI_ENTRY_ITEM_AREA] = _aItems[UI_ENTRY_ITEM_AREA + 1] = 0;
  for (int p = 0; p < Count && p < 256; p++) {
    int Room = UI_ENTRY_ITEM_AREA - Pos;
    if (Room < 4) break;
    uint32_t ItemAddress = (Address & 0xFF000000u) | uint32_t(p) << 16 | ItemIndex;
    int n = OBJ_Read(ItemAddress, _aItems + Pos, Room, Context);
    if (n <= 0) break;
    if (n > Room) n = Room;
    uint8_t* pItem = _aItems + Pos;
    // Terminate the text inside what arrived (a text that fills the area ends at the spare terminator).
    if (n < Room - 1) pItem[n] = pItem[n + 1] = 0;
    if (n < 2) pItem[1] = 0;
    char16_t* pText = (char16_t*)(pItem + 2);
    int Len = 0;
    while (2 + 2 * Len + 1 < Room && pText[Len]) Len++;
    Take(p, pItem, pText);
    Pos += 4 + 2 * Len;
    Pos = (Pos + 1) & ~1;
  }
}

}  // namespace

int UI_EditMenuEntry(int ElementIndex, uint32_t Address, WM_HWIN hParent, const UI_EntryOptions* pOptions,
                     int Context) {
  memset(UI_EntryDesc, 0, sizeof(UI_EntryDesc));
  int n = OBJ_Read(UI_EntryDescAddress(Address), UI_EntryDesc, UI_ENTRY_DESC_SIZE, Context);
  if (n <= 0) return 0;
  const UI_EntryOptions* o = pOptions ? pOptions : &_Defaults;
  const uint8_t* d = UI_EntryDesc;
  uint8_t Type = d[0];
  int Class = Type & 0x70, T = Type & 0x7F;
  if (ElementIndex < 0 || ElementIndex >= UI_NUM_ELEMENT_RECTS) ElementIndex = 0;
  if (Class == 0x10 && (T == 0x11 || T == 0x13)) {
    memset(_apTexts, 0, sizeof(_apTexts));
    UI_EntryItemTexts.Count = _ClampItems(d[2]);
    _ReadItems(Address, d[2], uint16_t(d[3] | d[4] << 8), Context, [](int, uint8_t* pItem, char16_t* pText) {
      if (pItem[1] < UI_MAX_ITEMS) _apTexts[pItem[1]] = pText;
    });
    return UI_OpenListSelection(ElementIndex, Type, hParent, d[1], &UI_EntryItemTexts, nullptr, o);
  }
  if (Class == 0x10 && T == 0x12) {
    memset(_apTexts, 0, sizeof(_apTexts));
    UI_EntryItemTexts.Count = 0;
    UI_EntryItemValues.Count = _ClampItems(d[2]);
    _ReadItems(Address, d[2], uint16_t(d[3] | d[4] << 8), Context, [](int p, uint8_t* pItem, char16_t* pText) {
      int v = pItem[1];
      if (v >= UI_MAX_ITEMS || p >= UI_MAX_ITEMS) return;
      if (UI_EntryItemTexts.Count <= v) UI_EntryItemTexts.Count = uint16_t(v + 1);
      _aValues[p] = uint32_t(v);
      _apTexts[v] = pText;
    });
    return UI_OpenListSelection(ElementIndex, Type, hParent, d[1], &UI_EntryItemTexts, &UI_EntryItemValues, o);
  }
  if (Class == 0x10 && T == 0x18) {
    int Max = d[1] < UI_TEXT_BUFFER_LEN - 1 ? d[1] : UI_TEXT_BUFFER_LEN - 1;
    int i = 0;
    for (; i < Max && 2 + 2 * i + 1 < n; i++) {
      char16_t c = char16_t(d[2 + 2 * i] | d[3 + 2 * i] << 8);
      if (!c) break;
      UI_TextBuffer[i] = c;
    }
    UI_TextBuffer[i] = 0;
    return UI_OpenTextEntry(hParent, (const char16_t*)o->aWord[4], d[1], Type);
  }
  if (Class == 0x20 && (T == 0x21 || T == 0x22)) {
    memset(_apTexts, 0, sizeof(_apTexts));
    UI_EntryItemTexts.Count = _ClampItems(d[5]);
    _ReadItems(Address, d[5], uint16_t(d[6] | d[7] << 8), Context, [](int p, uint8_t* pItem, char16_t*) {
      if (p < UI_MAX_ITEMS) _apTexts[p] = (const char16_t*)(void*)pItem;
    });
    uint32_t Bits = uint32_t(_I32(d + 1));
    int Mode = pOptions ? int(pOptions->aWord[0]) : T;
    return UI_OpenBitSelection(ElementIndex, Type, hParent, Mode, Bits, &UI_EntryItemTexts, o);
  }
  if (Class == 0x30 || Class == 0x40 || Class == 0x50) {
    UI_EntryLimits.Unit = d[1];
    if (Class == 0x30) {
      UI_EntryLimits.Value = d[2];
      UI_EntryLimits.Lower = d[3];
      UI_EntryLimits.Upper = d[4];
    } else if (Class == 0x40) {
      UI_EntryLimits.Value = _I16(d + 2);
      UI_EntryLimits.Lower = _I16(d + 4);
      UI_EntryLimits.Upper = _I16(d + 6);
    } else {
      UI_EntryLimits.Value = _I32(d + 2);
      UI_EntryLimits.Lower = _I32(d + 6);
      UI_EntryLimits.Upper = _I32(d + 10);
    }
    return UI_OpenValueEditor(Type, hParent, &UI_EntryLimits, pOptions);
  }
  return 0;
}

int UI_OpenValueEditor(uint8_t Type, WM_HWIN hParent, const UI_ValueLimits* pLimits, const UI_EntryOptions* pOptions) {
  if (pLimits->Unit == 62) {
    return UI_pfOpenCalendar ? UI_pfOpenCalendar(hParent, Type, pLimits->Value, pLimits->Lower, pLimits->Upper) : 0;
  }
  if (WM_GetFirstChild(hParent)) return 0;  // an entry screen is already open
  UI_ValueEntryInfo Info = {};
  Info.pTitle = pOptions ? (const char16_t*)pOptions->aWord[4] : nullptr;
  Info.pLimits = pLimits;
  Info.hReceiver = hParent;
  Info.Tag = Type;
  int u = pLimits->Unit;
  Info.Mode = (u == 57 || u == 4 || u == 5) ? 2 : u == 60 ? 1 : pOptions ? int32_t(pOptions->aWord[0]) : 0;
  Info.Value = pLimits->Value;
  return UI_CreateValueEntry(hParent, &Info);
}

int UI_WriteMenuEntry(uint32_t Address, uint8_t Type, int32_t Value) {
  static uint8_t aRecord[5];
  aRecord[0] = Type;
  for (int i = 0; i < 4; i++) aRecord[1 + i] = uint8_t(uint32_t(Value) >> (8 * i));
  int Class = Type & 0x70;
  int Len = (Class == 0x10 || Class == 0x30) ? 2 : Class == 0x40 ? 3 : (Class == 0x20 || Class == 0x50) ? 5 : 0;
  uint32_t To = UI_EntryWriteAddress(Address);
  int r = OBJ_Write(To, aRecord, Len);
  // A value the granted level may not change is refused by the node: the user is told why, instead of seeing
  // the old value come back without a word.
  if (!r && FKT_GetOwnAccessLevel() < OBJ_WriteLevel(To) && UI_DialogHooks.pfResult)
    UI_DialogHooks.pfResult(0, UI_TITLE_LEVEL_TOO_LOW, UI_CONFIRM_NO_CANCEL);
  return r;
}

void UI_TakeSideButtons(UI_SIDE_BUTTON_SAVE* p, int Show) {
  if (UI_hHomeButton && UI_hBackButton) {
    p->pfHome = WM_SetCallback(UI_hHomeButton, UI_SideButtonForwardCallback);
    p->pfBack = WM_SetCallback(UI_hBackButton, UI_SideButtonForwardCallback);
  }
  p->HomeVisible = WM_IsVisible(UI_hHomeButton);
  if (Show && WM_IsVisible(UI_hMainWin)) {
    WM_ShowWindow(UI_hHomeButton);
    WM_ShowWindow(UI_hBackButton);
  }
}

void UI_GiveSideButtons(UI_SIDE_BUTTON_SAVE* p) {
  if (UI_hHomeButton && p->pfHome) WM_SetCallback(UI_hHomeButton, p->pfHome);
  if (UI_hBackButton && p->pfBack) WM_SetCallback(UI_hBackButton, p->pfBack);
  p->pfHome = p->pfBack = nullptr;
  if (WM_IsVisible(UI_hMainWin) && !p->HomeVisible) {
    WM_HideWindow(UI_hHomeButton);
    WM_HideWindow(UI_hBackButton);
  }
}

int UI_WriteEntryResult(uint32_t Address, const WM_MESSAGE* pMsg) {
  return UI_WriteMenuEntry(Address, uint8_t(uintptr_t(pMsg->hWinSrc)), int32_t(pMsg->Data.v));
}

void UI_SendResult(WM_HWIN hReceiver, int MsgId, uint32_t Tag, intptr_t Value) {
  WM_MESSAGE Msg = {};
  Msg.MsgId = MsgId;
  Msg.hWinSrc = WM_HWIN(Tag);
  Msg.Data.v = Value;
  if (WM_IsWindow(hReceiver)) WM_SendMessage(hReceiver, &Msg);
}
