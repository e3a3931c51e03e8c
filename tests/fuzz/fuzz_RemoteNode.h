// A bus node for fuzz targets: every upload the controller asks of another node is answered, over the SDO
// client's own protocol, with the next answer of a list taken from the fuzzer's bytes ({u16 length, bytes} each);
// when the list is spent the node aborts the transfer. Downloads are taken and acknowledged.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "CAN_Driver.h"
#include "SDO_Client.h"

namespace fuzz_node {

struct NODE {
  std::vector<std::vector<uint8_t>> Answers;
  size_t Next = 0;
  const std::vector<uint8_t>* pSending = nullptr;
  size_t Pos = 0;
  int Requests = 0;
};

inline NODE& Node() {
  static NODE n;
  return n;
}

// Splits Data into answers; returns the bytes used.
inline size_t Load(const uint8_t* pData, size_t Size) {
  NODE& n = Node();
  n = NODE();
  size_t Pos = 0;
  while (Pos + 2 <= Size) {
    size_t Len = pData[Pos] | pData[Pos + 1] << 8;
    Pos += 2;
    if (Len > Size - Pos) Len = Size - Pos;
    if (Len > 4096) Len = 4096;  // a larger answer than any object of a node; each segment nests one call deeper
    n.Answers.emplace_back(pData + Pos, pData + Pos + Len);
    Pos += Len;
  }
  return Pos;
}

inline void _Reply(uint32_t Id, const uint8_t* p8) {
  CAN_FRAME a{};
  a.Id = 0x580 + (Id - 0x600);
  a.Len = 8;
  memcpy(a.aData, p8, 8);
  CAN_OnFrame(&a);
}

// The node's side of the SDO protocol, answering at once (the client's wait then finds its answer waiting).
inline int SendFrame(const CAN_FRAME* f) {
  NODE& n = Node();
  if (f->Id < 0x601 || f->Id > 0x67F) return 1;
  const uint8_t* d = f->aData;
  uint8_t r[8] = {};
  switch (d[0] >> 5) {
  case 2: {  // initiate upload: the next answer, expedited when it fits in four bytes
    memcpy(r + 1, d + 1, 3);
    if (++n.Requests > 400 || n.Next >= n.Answers.size()) {
      r[0] = 0x80;
      break;
    }
    n.pSending = &n.Answers[n.Next++];
    n.Pos = 0;
    size_t Len = n.pSending->size();
    if (Len && Len <= 4) {
      r[0] = uint8_t(0x43 | (4 - Len) << 2);
      memcpy(r + 4, n.pSending->data(), Len);
    } else {
      r[0] = 0x41;
      for (int i = 0; i < 4; i++) r[4 + i] = uint8_t(Len >> (8 * i));
    }
    break;
  }
  case 3: {  // upload segment
    if (!n.pSending) {
      r[0] = 0x80;
      break;
    }
    size_t Left = n.pSending->size() - n.Pos, k = Left < 7 ? Left : 7;
    r[0] = uint8_t((d[0] & 0x10) | (7 - k) << 1 | (k == Left ? 1 : 0));
    if (k) memcpy(r + 1, n.pSending->data() + n.Pos, k);
    n.Pos += k;
    break;
  }
  case 1: r[0] = 0x60; break;                             // initiate download
  case 0: r[0] = uint8_t(0x20 | (d[0] & 0x10)); break;  // download segment
  default: return 1;                                      // an abort needs no answer
  }
  _Reply(f->Id, r);
  return 1;
}

inline void Install() { CAN_pfSendFrame = SendFrame; }

}  // namespace fuzz_node
