// What the node chooser of the send-file dialog reads: the device type a file names, the names of the nodes of
// that type, and the list built of them in the dispatcher's item tables.
#include <cstdio>
#include <cstring>

#include "CAN_Node.h"
#include "PATH.h"
#include "UI_Dialog.h"
#include "UI_Element.h"

namespace {

enum { _NAME8 = 0x1008, _NAME16 = 0x2512, _LIST_TEXTS = 64 };

char16_t _acTexts[UI_NODE_TEXT_AREA];

// Devices of these types carry their name as UTF-16 text (after two bytes) in object 0x2512.
int _HasWideName(int Type) { return Type == 0x87 || Type == 0x88 || Type == 0x89 || Type == 0x8B || Type == 0x8C; }

int _Hex(char c) {
  return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

}  // namespace

int UI_FileDeviceType(const char* sPath) {
  char acHost[PATH_MAX_LEN];
  if (!sPath || !PATH_Resolve(sPath, acHost, sizeof(acHost))) return 0;
  FILE* f = fopen(acHost, "rb");
  if (!f) return 0;
  char ac[UI_FILE_HEAD_BYTES + 1] = {};
  size_t n = fread(ac, 1, UI_FILE_HEAD_BYTES, f);
  fclose(f);
  static const char sKey[] = "DEVICE: ";
  const size_t KeyLen = sizeof(sKey) - 1;
  for (size_t i = 0; i + KeyLen + 2 <= n; i++) {
    if (memcmp(ac + i, sKey, KeyLen) != 0) continue;
    int h = _Hex(ac[i + KeyLen]), l = _Hex(ac[i + KeyLen + 1]);
    return h < 0 || l < 0 ? 0 : h << 4 | l;
  }
  return 0;
}

int UI_NodeLabel(int Node, int Type, char16_t* p, int Len) {
  if (!p || Len <= 0) return 0;
  p[0] = 0;
  if (Node < 1 || Node >= CAN_MAX_NODES) return 0;
  int Wide = _HasWideName(Type);
  uint8_t a[UI_NODE_NAME_BYTES + 2] = {};
  int n = UI_ReadObject(uint32_t(Node) << 24 | (Wide ? _NAME16 : _NAME8), a, UI_NODE_NAME_BYTES);
  if (n <= 0) return 0;
  if (n > UI_NODE_NAME_BYTES) n = UI_NODE_NAME_BYTES;
  a[n] = a[n + 1] = 0;  // a name the node sent without its terminator ends here
  if (!Wide) {
    UI_FormatText(p, Len, "%d: %hs", Node, (const char*)a);
    return 1;
  }
  char16_t acName[UI_NODE_NAME_BYTES / 2 + 1] = {};
  for (int i = 2; i + 1 < n; i += 2) acName[(i - 2) / 2] = char16_t(a[i] | a[i + 1] << 8);
  UI_FormatText(p, Len, "%d: %ls", Node, acName);
  return 1;
}

int UI_BuildNodeList(int Type) {
  UI_EntryItemTexts.Count = 0;
  UI_EntryItemValues.Count = 0;
  for (int i = 0; i < _LIST_TEXTS; i++) UI_EntryItemTexts.ppTexts[i] = nullptr;
  int Pos = 0, Found = 0;
  for (int Node = 1; Node < CAN_MAX_NODES && Type; Node++) {
    if (!CAN_NodeTable[Node].Present || CAN_NodeTable[Node].DeviceType != Type) continue;
    int Room = UI_NODE_TEXT_AREA - Pos;
    if (Room < 8) break;  // the text area is full: the nodes after it are not listed
    if (!UI_NodeLabel(Node, Type, _acTexts + Pos, Room)) continue;
    UI_EntryItemTexts.ppTexts[Node] = _acTexts + Pos;
    while (_acTexts[Pos]) Pos++;
    Pos++;
    UI_EntryItemValues.pValues[Found++] = uint32_t(Node);
  }
  UI_EntryItemTexts.Count = _LIST_TEXTS;
  UI_EntryItemValues.Count = uint16_t(Found);
  return Found;
}
