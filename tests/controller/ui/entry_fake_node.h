// A bus node 5 on a loopback CAN bus for the screens' tests: it serves the objects put into its map by SDO
// uploads (expedited or segmented) and records every download. Objects it does not have are refused.
#pragma once
#include <cstring>
#include <deque>
#include <map>
#include <vector>

#include "CAN_Driver.h"

namespace fakenode {

constexpr int kNode = 5;

struct Key {
  uint16_t Index;
  uint8_t Sub;
  bool operator<(const Key& o) const { return Index != o.Index ? Index < o.Index : Sub < o.Sub; }
};

inline std::map<Key, std::vector<uint8_t>>& Objects() {
  static std::map<Key, std::vector<uint8_t>> m;
  return m;
}
struct Write {
  uint16_t Index;
  uint8_t Sub;
  std::vector<uint8_t> Data;
};
inline std::vector<Write>& Writes() {
  static std::vector<Write> w;
  return w;
}
inline std::vector<Key>& Reads() {
  static std::vector<Key> r;
  return r;
}
// While set, the node refuses every download (a write it cannot carry out).
inline bool& RefuseWrites() {
  static bool b;
  return b;
}

inline void Answer(const CAN_FRAME* f);

// The client sends its next request from inside the answer to the last one; the requests are queued and answered
// one after another, so that a long transfer does not nest one call per segment.
inline int Serve(const CAN_FRAME* f) {
  static std::deque<CAN_FRAME> Pending;
  static bool Busy;
  if (f->Id != 0x600u + kNode) return 1;
  Pending.push_back(*f);
  if (Busy) return 1;
  Busy = true;
  while (!Pending.empty()) {
    CAN_FRAME Next = Pending.front();
    Pending.pop_front();
    Answer(&Next);
  }
  Busy = false;
  return 1;
}

inline void Answer(const CAN_FRAME* f) {
  static std::vector<uint8_t> Up;
  static size_t Pos;
  static Write Down;
  const uint8_t* d = f->aData;
  CAN_FRAME a{};
  a.Id = 0x580 + kNode;
  a.Len = 8;
  uint16_t Index = uint16_t(d[1] | d[2] << 8);
  switch (d[0] >> 5) {
    case 2: {  // initiate upload
      Reads().push_back({Index, d[3]});
      auto it = Objects().find({Index, d[3]});
      memcpy(a.aData + 1, d + 1, 3);
      if (it == Objects().end()) {
        a.aData[0] = 0x80;  // abort
        break;
      }
      Up = it->second;
      Pos = 0;
      a.aData[0] = 0x41;
      uint32_t n = uint32_t(Up.size());
      memcpy(a.aData + 4, &n, 4);
      break;
    }
    case 3: {  // upload segment
      size_t n = std::min<size_t>(7, Up.size() - Pos);
      a.aData[0] = uint8_t((d[0] & 0x10) | (7 - n) << 1 | (Pos + n == Up.size()));
      memcpy(a.aData + 1, Up.data() + Pos, n);
      Pos += n;
      break;
    }
    case 1:  // initiate download
      if (RefuseWrites()) {
        memcpy(a.aData + 1, d + 1, 3);
        a.aData[0] = 0x80;  // abort
        break;
      }
      Down = {Index, d[3], {}};
      if (d[0] & 2) {
        Down.Data.assign(d + 4, d + 8 - ((d[0] >> 2) & 3));
        Writes().push_back(Down);
      }
      memcpy(a.aData + 1, d + 1, 3);
      a.aData[0] = 0x60;
      break;
    case 0:  // download segment
      Down.Data.insert(Down.Data.end(), d + 1, d + 8 - ((d[0] >> 1) & 7));
      if (d[0] & 1) Writes().push_back(Down);
      a.aData[0] = uint8_t(0x20 | (d[0] & 0x10));
      break;
    default: return;
  }
  CAN_OnFrame(&a);
}

inline void Install() {
  Objects().clear();
  Writes().clear();
  Reads().clear();
  RefuseWrites() = false;
  CAN_pfSendFrame = Serve;
}
inline void Remove() { CAN_pfSendFrame = nullptr; }

// An item object: byte 0, the value or bit, the UTF-16 text.
inline std::vector<uint8_t> Item(uint8_t Value, const char16_t* s) {
  std::vector<uint8_t> v = {0, Value};
  for (; *s; s++) {
    v.push_back(uint8_t(*s));
    v.push_back(uint8_t(*s >> 8));
  }
  v.push_back(0);
  v.push_back(0);
  return v;
}
inline std::vector<uint8_t> Text(const char16_t* s) { return Item(0, s); }

}  // namespace fakenode
