// The own node's object server: answers and writes the objects of the address map (OBJ_Map.h).
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "APP_Hooks.h"
#include "CAN_Node.h"
#include "DAT_File.h"
#include "DAT_Image.h"
#include "FKT_Access.h"
#include "FKT_Registry.h"
#include "IO_Objects.h"
#include "OBJ_Access.h"
#include "OBJ_NodeMenus.h"
#include "OBJ_Pages.h"
#include "PATH.h"
#include "SET_Objects.h"
#include "SYS_Clock.h"
#include "TXT_Current.h"

namespace {

int _aCodeResult[3];  // last result of the code check per level (1 accepted)

// Choice lists get numbers at first use, so items can be read by number.
enum { _MAX_LISTS = 256 };
const FKT_ChoiceList* _apList[_MAX_LISTS];
int _NumLists;

int _ListNumber(const FKT_ChoiceList* p) {
  for (int i = 0; i < _NumLists; i++)
    if (_apList[i] == p) return i;
  if (_NumLists >= _MAX_LISTS) return -1;
  _apList[_NumLists] = p;
  return _NumLists++;
}

struct _Answer {
  uint8_t* p;
  int Size;
  int Pos = 0;
  bool Failed = false;
  void Put8(uint8_t v) {
    if (Pos < Size)
      p[Pos++] = v;
    else
      Failed = true;
  }
  void Put16(uint16_t v) {
    Put8((uint8_t)v);
    Put8((uint8_t)(v >> 8));
  }
  void Put32(uint32_t v) {
    Put16((uint16_t)v);
    Put16((uint16_t)(v >> 16));
  }
  void Text(const std::u16string& s) {
    for (char16_t c : s) Put16(c);
    Put16(0);
  }
  int Result() const { return Failed ? 0 : Pos; }
};

void _AppendAscii(std::u16string& s, const char* a) {
  while (*a) s += (char16_t)(unsigned char)*a++;
}

std::u16string _Str(const char16_t* s) { return s ? std::u16string(s) : std::u16string(); }

// A word of the current language followed by a blank and a number ("Parameter 3", "Output 2").
std::u16string _Numbered(int Group, int Item, int n) {
  std::u16string s = TXT_GetText(Group, Item);
  char b[16];
  snprintf(b, sizeof(b), " %d", n);
  _AppendAscii(s, b);
  return s;
}

// The name of a value as the screens show it; a choice is followed by its current text ("Type: Analog").
std::u16string _ValueName(const FUNKTION_BASIS_PAR* p, int Code, int Number) {
  std::u16string s;
  if (Code == OBJ_VC_NAME) return OBJ_ObjectName(p);
  if (Code == OBJ_VC_USER_TEXT) return FKT_HeaderFieldName(FKT_PAR_DESIGNATION);
  if ((Number >= 0 && Number < FKT_PAR_OUTPUT) || (Number >= FKT_PAR_HEADER_FIRST && Number <= FKT_PAR_HEADER_LAST)) {
    s = FKT_SettingName(p, Number);
    bool Choice = (Number >= FKT_PAR_INPUT)
                      ? (Number - FKT_PAR_INPUT) % FKT_INPUT_FIELDS == FKT_IN_SOURCE_KIND
                      : Number == FKT_PAR_DESIGNATION ||
                            (Number >= 0 && (p->GetParameterFlags(Number) & (FKT_PF_CHOICE | FKT_PF_CHOICE_ALT)));
    if (Choice) {
      if (const char16_t* t = p->GetChoiceText(Number)) {
        _AppendAscii(s, ": ");
        s += t;
      }
    }
    return s;
  }
  if (Number >= FKT_PAR_OUTPUT && Number < FKT_PAR_COMMAND) {
    int j = (Number - FKT_PAR_OUTPUT) / FKT_OUTPUT_FIELDS;
    s = _Str(p->GetOutputName(j));
    // An object whose only output is its own value (an input, a fixed value) names that value after itself.
    if (s.empty() && p->GetOutputCount() <= 1) s = OBJ_ObjectName(p);
    if (s.empty()) s = _Numbered(TXT_GROUP_CLASSES, TXT_CLASSES_OUTPUT, j + 1);
    return s;
  }
  if (Number >= FKT_PAR_COMMAND && Number < FKT_PAR_SPECIAL) return _Str(p->GetStatusText(Number - FKT_PAR_COMMAND));
  if (Number >= FKT_PAR_SPECIAL) return _Numbered(TXT_GROUP_PARAMS, TXT_PARAMS_VALUE, Number - FKT_PAR_SPECIAL + 1);
  return u"";
}

bool _IsChoice(const FUNKTION_BASIS_PAR* p, int Number) {
  const FKT_ChoiceList* l = p->GetChoiceList(Number);
  return l && l->FirstValue == 0 && l->NumItems <= 150 &&
         (p->GetParameterFlags(Number) & (FKT_PF_CHOICE | FKT_PF_CHOICE_ALT));
}

// Value answer, optionally followed by the limits: {0x51, unit, i32 value[, i32 lower, i32 upper]}, for
// choices {0x11, u8 value[, u8 count, u16 list index]}, for time stamps the text {0x18, 0, date and time}.
int _AnswerValue(_Answer& a, const FUNKTION_BASIS_PAR* p, int Number, bool WithLimits) {
  uint16_t fl = p->GetParameterFlags(Number);
  if (fl & FKT_PF_UNUSED) return 0;
  int32_t v = p->GetParameter(Number);
  if (fl & FKT_PF_STAMP) {
    // No unit shows a moment with its date: the answer is the text, read-only (room for no typed characters).
    char t[SYS_STAMP_LEN];
    SYS_FormatStamp((uint32_t)v, t);
    std::u16string s;
    _AppendAscii(s, t);
    a.Put8(0x18);
    a.Put8(0);
    a.Text(s);
    return a.Result();
  }
  if (_IsChoice(p, Number)) {
    int list = _ListNumber(p->GetChoiceList(Number));
    if (list < 0) return 0;
    a.Put8(0x11);
    a.Put8((uint8_t)v);
    if (WithLimits) {
      a.Put8((uint8_t)p->GetChoiceList(Number)->NumItems);
      a.Put16((uint16_t)(OBJ_VIEW_ITEMS | (OBJ_ITEM_LIST_BASE + list)));
    }
    return a.Result();
  }
  int32_t lo = v, hi = v;
  p->GetLimits(Number, &lo, &hi);
  a.Put8(0x51);
  a.Put8(p->GetParameterUnit(Number));
  a.Put32((uint32_t)v);
  if (WithLimits) {
    a.Put32((uint32_t)lo);
    a.Put32((uint32_t)hi);
  }
  return a.Result();
}

// ---- System family: values of the node itself ----

uint32_t _PackedDate() {
  const SYS_TM& t = SYS_ClockTm;
  return (uint32_t)t.Day | (uint32_t)(t.Month + 1) << 8 | (uint32_t)(t.Year + 1900) << 16;
}

int _CountActiveMessages() {
  int n = 0;
  for (int i = 0; FKT_Registry[i]; i++)
    if (FKT_Registry[i]->GetTypeCode() == FKT_TYPE_MESSAGE && FKT_Registry[i]->GetPoolWord(0)) n++;
  return n;
}

// Names of the node's values in the current language; the device name and the version stay as they are.
const char16_t* _SysName(int Code) {
  static const TXT_ID aName[OBJ_SYS_COUNT] = {
      {TXT_GROUP_GENERAL, 2},  // "Date"
      {TXT_GROUP_GENERAL, 3},  // "Time"
      {TXT_GROUP_SERVER, TXT_SERVER_NEW_MESSAGE},
      {TXT_GROUP_SERVER, TXT_SERVER_SAVE_DATA},
      {TXT_GROUP_CAN, 12},  // "Node number"
      {TXT_GROUP_SERVER, TXT_SERVER_ACTIVE_MESSAGES},
      {},
      {},
      {TXT_GROUP_PASSWORD, 0},  // "User"
      {TXT_GROUP_PASSWORD, 1},  // "Technician"
      {TXT_GROUP_PASSWORD, 2},  // "Expert"
      {TXT_GROUP_SERVER, TXT_SERVER_FACTORY_SETTINGS},
      {}};
  static_assert(OBJ_SYS_LEVEL == 8 && OBJ_SYS_COUNT == 13, "the table above follows the system codes");
  if (Code == OBJ_SYS_DEVICE) return CAN_DeviceName16;
  if (Code == OBJ_SYS_VERSION) return u"Software 1.00";
  return (Code >= 0 && Code < OBJ_SYS_COUNT) ? TXT_GetText(aName[Code]) : TXT_EmptyText;
}

// The inputs that service page Sub shows, eight a page: "Inputs 9 - 16".
std::u16string _InputRange(int Sub) {
  std::u16string s = _Str(TXT_GetText(TXT_GROUP_MENUS, TXT_MENUS_INPUTS));
  int First = Sub * 8 + 1;
  _AppendAscii(s, (" " + std::to_string(First) + " - " + std::to_string(First + 7)).c_str());
  return s;
}

int _SystemRead(_Answer& a, int View, int Code, int Sub) {
  if (Code >= OBJ_SYS_COUNT) return 0;
  if (View == OBJ_VIEW_TEXT || View == OBJ_VIEW_TEXT_ABS) {
    a.Put8(0x18);
    a.Put8(0);
    if (Code == OBJ_SYS_INPUT_RANGE) {
      if (Sub < 0 || Sub * 8 >= IO_NUM_INPUTS) return 0;
      a.Text(_InputRange(Sub));
    } else {
      a.Text(_SysName(Code));
    }
    return a.Result();
  }
  if (Code >= OBJ_SYS_DEVICE && Code != OBJ_SYS_FACTORY_RESET) return 0;  // text only
  bool limits = View != OBJ_VIEW_VALUE;
  int32_t v = 0, lo = 0, hi = 0;
  uint8_t unit = 0;
  switch (Code) {
    case OBJ_SYS_DATE: v = (int32_t)_PackedDate(); lo = 1 | 1 << 8 | 1970 << 16; hi = 31 | 12 << 8 | 2099 << 16; unit = 62; break;
    case OBJ_SYS_TIME: v = SYS_ClockTm.Hour * 60 + SYS_ClockTm.Min; hi = 1439; unit = 60; break;  // time of day
    case OBJ_SYS_NEW_MESSAGE: hi = 1; break;
    case OBJ_SYS_SAVE:
    case OBJ_SYS_FACTORY_RESET: hi = 1; break;
    case OBJ_SYS_NODE: v = lo = hi = SET_Can.GetParameter(SET_CAN_PAR_NODE); break;
    case OBJ_SYS_MESSAGES: v = lo = hi = _CountActiveMessages(); break;
  }
  a.Put8(0x51);
  a.Put8(unit);
  a.Put32((uint32_t)v);
  if (limits) {
    a.Put32((uint32_t)lo);
    a.Put32((uint32_t)hi);
  }
  return a.Result();
}

// The level a write of the node's own values needs: a new message function asks for a technician, a factory
// reset for an expert; the rest is open to every user.
int _SystemLevel(int Code) {
  switch (Code) {
    case OBJ_SYS_NEW_MESSAGE: return FKT_LEVEL_TECHNICIAN;
    case OBJ_SYS_FACTORY_RESET: return FKT_LEVEL_EXPERT;
    default: return FKT_LEVEL_USER;
  }
}

int _SystemWrite(int Code, int32_t v) {
  if (FKT_GetOwnAccessLevel() < _SystemLevel(Code)) return 0;
  switch (Code) {
    case OBJ_SYS_DATE: {
      int day = v & 0xFF, month = (v >> 8) & 0xFF, year = (v >> 16) & 0xFFF;
      return SYS_SetLocalTime(year, month, day, SYS_ClockTm.Hour, SYS_ClockTm.Min, SYS_ClockTm.Sec,
                              SYS_ClockSeconds - SYS_ClockOffset);
    }
    case OBJ_SYS_TIME:
      if (v < 0 || v > 1439) return 0;
      return SYS_SetLocalTime(SYS_ClockTm.Year + 1900, SYS_ClockTm.Month + 1, SYS_ClockTm.Day, v / 60, v % 60, 0,
                              SYS_ClockSeconds - SYS_ClockOffset);
    case OBJ_SYS_NEW_MESSAGE: {
      if (v != 1) return 0;
      int slot = FKT_FindFreeSlot();
      return slot >= 0 && FKT_CreateObject(FKT_TYPE_MESSAGE, slot, nullptr) == FKT_OK;
    }
    case OBJ_SYS_SAVE:
      if (v != 1) return 0;
      APP_SaveRequested = 1;
      return 1;
    case OBJ_SYS_FACTORY_RESET:
      if (v != 1) return 0;
      return APP_FactoryReset();
    default: return 0;
  }
}

// ---- Fixed objects of the node ----

int _NodeStatus(_Answer& a) {
  uint8_t b[64] = {};
  uint64_t secs = (uint64_t)(SYS_ClockSeconds + 3600);  // the screens show it through OS_LocalTimeMinusHour
  for (int i = 0; i < 8; i++) b[i] = (uint8_t)(secs >> (8 * i));
  b[8] = (_CountActiveMessages() ? 1 : 0) | (CAN_GetNodeState(&CAN_NodeState) ? 2 : 0);
  b[9] = IO_NUM_OUTPUTS;
  for (int i = 0; i < IO_NUM_OUTPUTS; i++) {
    const IO_OUTPUT_CHANNEL& c = IO_OutputChannels[i];
    uint8_t f = 0;
    if (IO_Outputs[i].GetParameter(0)) f |= c.State ? 1 : 0;
    if (c.State) f |= 2;
    if (c.Mode) f |= 8;  // manual operation
    b[10 + i] = f;
  }
  SYS_TM t;
  OS_LocalTimeMinusHour((int64_t)secs, &t);
  const int32_t fields[7] = {t.Sec, t.Min, t.Hour, t.Day, t.Month, t.Year, t.WeekDay};
  for (int i = 0; i < 7; i++) DAT_Store32(b + 28 + 4 * i, (uint32_t)fields[i]);
  for (uint8_t c : b) a.Put8(c);
  return a.Result();
}

int _AccessTable(_Answer& a) {
  for (int i = 0; i < 24; i++) a.Put8(i == 0 ? 0x60 : 0);
  for (int level = 1; level <= 2; level++) {
    bool open = SET_General.IsLevelOpen(level);
    a.Put8(open ? 0x28 : 0x29);
    a.Put8((uint8_t)level);
    a.Put16(open ? 0 : OBJ_IDX_CODE_CHECK);
  }
  a.Put32(0);
  return a.Result();
}

// 24x24 one-bit picture: a framed "M".
// The 72-byte one-bit pattern as the screens draw it: rows from the bottom row 23 up to row 0, 24 bits a row,
// the leftmost pixel in the least significant bit.
int _Picture(_Answer& a) {
  for (int y = 23; y >= 0; y--) {
    uint32_t row = 0;
    for (int x = 0; x < 24; x++) {
      bool on = x == 0 || x == 23 || y == 0 || y == 23;
      if (y >= 5 && y <= 18 && (x == 5 || x == 18 || (x - 5 == y - 5 && x <= 11) || (18 - x == y - 5 && x >= 12)))
        on = true;
      if (on) row |= 1u << x;
    }
    a.Put8((uint8_t)row);
    a.Put8((uint8_t)(row >> 8));
    a.Put8((uint8_t)(row >> 16));
  }
  return a.Result();
}

int _Listing(_Answer& a);

int _Text(_Answer& a, const std::u16string& s) {
  a.Put8(0x18);
  a.Put8(0);
  a.Text(s);
  return a.Result();
}

int _ReadSpecial(_Answer& a, int Sub, int Index) {
  switch (Index) {
    case OBJ_IDX_NAME8:
      for (const char* s = CAN_DeviceName8;; s++) {
        a.Put8((uint8_t)*s);
        if (!*s) break;
      }
      return a.Result();
    case OBJ_IDX_NAME16:
      a.Put8(0x18);
      a.Put8(0);
      a.Text(CAN_DeviceName16);
      return a.Result();
    case OBJ_IDX_DEVICE_TYPE:
      if (Sub != 1) return 0;
      a.Put32(CAN_OWN_DEVICE_TYPE);
      return a.Result();
    case OBJ_IDX_NODE_STATUS: return _NodeStatus(a);
    case OBJ_IDX_ACCESS_TABLE: return _AccessTable(a);
    case OBJ_IDX_CODE_CHECK:
    case OBJ_IDX_CODE_CHANGE: {
      if (Sub != 1 && Sub != 2) return 0;
      if (a.Size >= 16)
        return _Text(a, std::u16string(TXT_GetText(TXT_GROUP_SERVER, Index == OBJ_IDX_CODE_CHANGE
                                                                         ? TXT_SERVER_CHANGE_CODE
                                                                         : TXT_SERVER_CODE)) +
                            u": " + _SysName(OBJ_SYS_LEVEL + Sub));
      // Answer {sub-index to write to, result of the last check, 0, 0, 0} as far as the reader has room; the
      // result is consumed by a read that takes it.
      const uint8_t answer[5] = {(uint8_t)Sub, (uint8_t)_aCodeResult[Sub], 0, 0, 0};
      for (int i = 0; i < 5 && a.Pos < a.Size; i++) a.Put8(answer[i]);
      if (a.Pos >= 2) _aCodeResult[Sub] = 0;
      return a.Result();
    }
    case OBJ_IDX_PICTURE: return _Picture(a);
    case OBJ_IDX_LISTING: return _Listing(a);
    case OBJ_IDX_LOAD_FILE:
    case OBJ_IDX_SAVE_FILE: return _Text(a, TXT_GetText(TXT_GROUP_FILES, Index == OBJ_IDX_LOAD_FILE ? 4 : 5));  // "Load", "Save"
    default: return -1;  // not a special object
  }
}

// Folder listing of the internal memory: "path?item?item..." after two bytes; items "L<name>" (function data,
// loaded by writing the name to OBJ_IDX_LOAD_FILE) and "N" (a new file, named by a write to OBJ_IDX_SAVE_FILE).
int _Listing(_Answer& a) {
  a.Put8(0x18);
  a.Put8(0);
  std::string s = "M0:\\";
  char path[1024];
  if (PATH_Resolve("M0:", path, sizeof(path))) {
    char target[16];
    snprintf(target, sizeof(target), "?A%08x", OBJ_IDX_LOAD_FILE);
    s += target;
    for (const std::string& name : PATH_ListFiles(path, ".dat")) s += "?L" + name;
  }
  char target[16];
  snprintf(target, sizeof(target), "?A%08x", OBJ_IDX_SAVE_FILE);
  s += target;
  s += "?N";
  for (char c : s) a.Put8((uint8_t)c);
  a.Put8(0);
  return a.Result();
}

int _FileWrite(int Index, const uint8_t* d, int Len) {
  // An 8-bit name with its terminator; the first three characters may carry load options.
  std::string name;
  for (int i = 0; i < Len && d[i]; i++) name += (char)d[i];
  size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  if (name.size() > 3 && name[0] >= '0' && name[0] <= '9' && name[1] >= '0' && name[1] <= '9' && name[2] >= '0' &&
      name[2] <= '9')
    name = name.substr(3);
  if (name.empty() || name.find("..") != std::string::npos) return 0;
  std::string path = "M0:\\" + name;
  if (Index == OBJ_IDX_LOAD_FILE) return DAT_LoadFunctionDataFile(path.c_str(), 0) == DAT_OK;
  if (name.size() < 4 || (name.substr(name.size() - 4) != ".dat" && name.substr(name.size() - 4) != ".DAT"))
    path += ".dat";
  return DAT_SaveFunctionDataFile(path.c_str()) == DAT_OK;
}

// Code record {u8 value, u8 n, n UTF-16 characters[, 0]} of the screens.
bool _ParseCode(const uint8_t* d, int Len, char16_t* pCode, int* pN, int* pUsed) {
  if (Len < 2) return false;
  int n = d[1];
  if (n > SET_CODE_MAX_CHARS || Len < 2 + 2 * n) return false;
  for (int i = 0; i < n; i++) pCode[i] = (char16_t)DAT_Load16(d + 2 + 2 * i);
  *pN = n;
  int used = 2 + 2 * n;
  if (Len >= used + 2 && DAT_Load16(d + used) == 0) used += 2;
  *pUsed = used;
  return true;
}

int _CodeWrite(int Index, int Level, const uint8_t* d, int Len) {
  if (Level != 1 && Level != 2) return 0;
  char16_t code[SET_CODE_MAX_CHARS];
  int n = 0, used = 0;
  if (!_ParseCode(d, Len, code, &n, &used)) return 0;
  _aCodeResult[Level] = SET_General.CheckCode(Level, code, n);
  if (_aCodeResult[Level] && (int)FKT_AccessLevels[0].Level < Level) {
    // An accepted code grants its level on the own node for the grant time.
    FKT_AccessLevels[0].Level = (uint32_t)Level;
    FKT_AccessTimeout = FKT_ACCESS_GRANT_SECONDS;
  }
  // A lone code is only checked, at the change object too (the old code before a change); only a new code
  // followed by the right old one changes it.
  if (Index == OBJ_IDX_CODE_CHANGE && used < Len) {
    // New code followed by the old one: the old must match before the new is taken.
    char16_t old[SET_CODE_MAX_CHARS];
    int n2 = 0, used2 = 0;
    if (!_ParseCode(d + used, Len - used, old, &n2, &used2) || !SET_General.CheckCode(Level, old, n2)) {
      _aCodeResult[Level] = 0;
      return 1;
    }
    uint8_t rec[WHIRL_DIGEST_SIZE];
    SET_MakeCodeRecord(code, n, rec);
    SET_General.SetCodeRecord(Level, rec);
    _aCodeResult[Level] = 1;
  }
  return 1;
}

// The value written, by the class of its type byte; the length must match the class exactly.
bool _DecodeWrite(const uint8_t* d, int Len, int32_t* pValue) {
  if (Len < 1) return false;
  switch (d[0] & 0x70) {
    case 0x10:
      if (Len != 2) return false;
      *pValue = d[1];
      return true;
    case 0x30:
      if (Len != 2) return false;
      *pValue = d[1];
      return true;
    case 0x40:
      if (Len != 3) return false;
      *pValue = (int16_t)DAT_Load16(d + 1);
      return true;
    case 0x20:
    case 0x50:
      if (Len != 5) return false;
      *pValue = (int32_t)DAT_Load32(d + 1);
      return true;
    default: return false;
  }
}

int _RequiredLevel(const FUNKTION_BASIS_PAR* p, int Number) {
  if (Number >= 0 && Number < FKT_PAR_INPUT) {
    const FKT_ParamDesc* d = p->GetParamDesc(Number);
    return d ? d->Access : 0;
  }
  if (Number >= FKT_PAR_INPUT && Number < FKT_PAR_OUTPUT) return FKT_LEVEL_TECHNICIAN;
  return FKT_LEVEL_USER;
}

int _UserTextWrite(FUNKTION_BASIS_PAR* p, const uint8_t* d, int Len) {
  char16_t text[FKT_USER_TEXT_LEN];
  int n = 0, used = 0;
  if (!_ParseCode(d, Len, text, &n, &used) || n > FKT_USER_TEXT_LEN - 1) return 0;
  int slot = p->GetParameter(FKT_PAR_USER_TEXT);
  if (slot < 1 || slot > FKT_NUM_USER_TEXTS) {
    slot = 0;
    for (int i = 0; i < FKT_NUM_USER_TEXTS && !slot; i++)
      if (!FKT_UserDesignations[i][0]) slot = i + 1;
    if (!slot) return 0;
  }
  for (int i = 0; i < n; i++) FKT_UserDesignations[slot - 1][i] = text[i];
  FKT_UserDesignations[slot - 1][n] = 0;
  return p->SetParameter(FKT_PAR_USER_TEXT, n ? slot : 0, FKT_SET_NOTIFY);
}

int _ReadLocal(_Answer& a, int Sub, int Index) {
  int r = _ReadSpecial(a, Sub, Index);
  if (r >= 0) return r;
  int view = Index & 0x7000;
  if ((Index & OBJ_LABEL_FLAG) && view == OBJ_VIEW_VALUE) view = OBJ_VIEW_TEXT;
  if (view == OBJ_VIEW_ITEMS) {
    int list = (Index & 0xFFF) - OBJ_ITEM_LIST_BASE;
    if (list < 0 || list >= _NumLists || Sub >= _apList[list]->NumItems) return 0;
    const FKT_ChoiceList* l = _apList[list];
    a.Put8(0x18);
    a.Put8((uint8_t)(l->FirstValue + Sub));
    a.Text(_Str(FKT_ChoiceItemText(l, Sub)));
    return a.Result();
  }
  if (view == OBJ_VIEW_MENU) {
    if (a.Size < OBJ_MENU_MIN_READ) {
      std::u16string title;
      if (!OBJ_MenuTitle(Sub, Index, &title)) return 0;
      return _Text(a, title);
    }
    return OBJ_MenuDescription(Sub, Index, a.p, a.Size);
  }
  int fam = (Index >> 8) & 15, code = Index & 0xFF;
  if (fam == OBJ_FAM_SYSTEM) return _SystemRead(a, view, code, Sub);  // the node's values answer at any sub-index
  FUNKTION_BASIS_PAR* p = OBJ_FamilyObject(fam, Sub);
  if (!p) return 0;
  bool text = view == OBJ_VIEW_TEXT || view == OBJ_VIEW_TEXT_ABS;
  if (code == OBJ_VC_NAME) return _Text(a, OBJ_ObjectName(p));  // a name has no value: every view gives the text
  if (code == OBJ_VC_USER_TEXT) {
    if (text) return _Text(a, _ValueName(p, code, 0));
    const char16_t* t = p->GetChoiceText(FKT_PAR_USER_TEXT);
    a.Put8(0x18);
    a.Put8(FKT_USER_TEXT_LEN - 1);
    a.Text(_Str(t));
    return a.Result();
  }
  int number = OBJ_ParameterOfCode(code);
  if (number == INT32_MIN || (p->GetParameterFlags(number) & FKT_PF_UNUSED)) return 0;
  if (text) return _Text(a, _ValueName(p, code, number));
  return _AnswerValue(a, p, number, view != OBJ_VIEW_VALUE);
}

int _WriteLocal(int Sub, int Index, const uint8_t* d, int Len) {
  switch (Index) {
    case OBJ_IDX_CODE_CHECK:
    case OBJ_IDX_CODE_CHANGE: return _CodeWrite(Index, Sub, d, Len);
    case OBJ_IDX_LOAD_FILE:
    case OBJ_IDX_SAVE_FILE: return _FileWrite(Index, d, Len);
    default: break;
  }
  int view = Index & 0x7000;
  if (view == OBJ_VIEW_ITEMS || view == OBJ_VIEW_MENU) return 0;
  int fam = (Index >> 8) & 15, code = Index & 0xFF;
  if (fam == OBJ_FAM_SYSTEM) {
    int32_t v;
    return _DecodeWrite(d, Len, &v) && _SystemWrite(code, v);
  }
  FUNKTION_BASIS_PAR* p = OBJ_FamilyObject(fam, Sub);
  if (!p) return 0;
  if (code == OBJ_VC_USER_TEXT) return _UserTextWrite(p, d, Len);
  int number = OBJ_ParameterOfCode(code);
  int32_t v;
  if (number == INT32_MIN || !_DecodeWrite(d, Len, &v)) return 0;
  if (FKT_GetOwnAccessLevel() < _RequiredLevel(p, number)) return 0;
  return p->SetParameter(number, v, FKT_SET_NOTIFY) ? 1 : 0;
}

}  // namespace

int OBJ_GetCodeCheckResult(int Level) { return (Level == 1 || Level == 2) ? _aCodeResult[Level] : 0; }

int OBJ_IsOwnNode(int Node) { return Node == 0 || Node == SET_Can.GetParameter(SET_CAN_PAR_NODE); }

int OBJ_WriteLevel(uint32_t Address) {
  if (!OBJ_IsOwnNode(int(Address >> 24))) return 0;
  int Index = int(Address & 0xFFFF), view = Index & 0x7000;
  if (view == OBJ_VIEW_ITEMS || view == OBJ_VIEW_MENU) return 0;
  int fam = (Index >> 8) & 15, code = Index & 0xFF;
  if (fam == OBJ_FAM_SYSTEM) return _SystemLevel(code);
  if (code == OBJ_VC_USER_TEXT) return 0;
  APP_DATA_LOCK lock;
  const FUNKTION_BASIS_PAR* p = OBJ_FamilyObject(fam, int(Address >> 16) & 0xFF);
  int number = OBJ_ParameterOfCode(code);
  return (p && number != INT32_MIN) ? _RequiredLevel(p, number) : 0;
}

int OBJ_ReadLocal(void* pBuf, int Size, uint32_t SubIndexAndIndex, int Flags) {
  if (!pBuf || Size <= 0) return 0;
  APP_DATA_LOCK lock;
  _Answer a{static_cast<uint8_t*>(pBuf), Size};
  int r = _ReadLocal(a, (SubIndexAndIndex >> 16) & 0xFF, SubIndexAndIndex & 0xFFFF);
  return r > 0 ? r : 0;
}

int OBJ_WriteLocal(uint32_t SubIndexAndIndex, const void* pData, int Len) {
  if (Len < 0 || (Len > 0 && !pData)) return 0;
  APP_DATA_LOCK lock;
  return _WriteLocal((SubIndexAndIndex >> 16) & 0xFF, SubIndexAndIndex & 0xFFFF, static_cast<const uint8_t*>(pData),
                     Len);
}
