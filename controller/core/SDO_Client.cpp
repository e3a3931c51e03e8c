#include "CAN_Driver.h"
#include "SDO_Client.h"

#include <cstring>
#include <mutex>

#include "CAN_Node.h"
#include "OS.h"
#include "PATH.h"

#include <cstdio>
#include <vector>

int (*CAN_pfSendFrame)(const CAN_FRAME*);
int SDO_TimeoutMs = 1000;

int CAN_SendFrame(const CAN_FRAME* p) { return CAN_pfSendFrame ? CAN_pfSendFrame(p) : 0; }

void CAN_OnFrame(const CAN_FRAME* p) {
  if (p && p->Id >= 0x581 && p->Id <= 0x5FF) SDO_ClientOnFrame(p);
}

namespace {

enum { _IDLE, _UPLOAD, _DOWNLOAD };

// One transfer at a time: the transfer semaphore is held for its whole run; the state below is guarded by the
// mutex because answers arrive on the driver's thread.
struct _TRANSFER {
  int Kind = _IDLE;
  int Node = 0;
  uint16_t Index = 0;
  uint8_t Sub = 0;
  uint8_t* pBuf = nullptr;  // upload target
  const uint8_t* pData = nullptr;  // download source
  int Size = 0;  // upload: room; download: length
  int Pos = 0;
  uint8_t Toggle = 0;
  int Done = 0;  // 1 finished, -1 failed
};

std::mutex _Mutex;
_TRANSFER _T;
OS_SEM* _hTransfer;
OS_EVENT* _hDone;
std::once_flag _Once;

void _Init() {
  std::call_once(_Once, [] {
    _hTransfer = OS_SemCreate(1, 1);
    _hDone = OS_EventCreate(0, 0);
  });
}

// A fresh transfer record for one request (the mutex is held).
void _Begin(int Kind, int Node, uint16_t Index, uint8_t Sub) {
  _T = _TRANSFER{};
  _T.Kind = Kind;
  _T.Node = Node;
  _T.Index = Index;
  _T.Sub = Sub;
}

CAN_FRAME _Frame(int Node, uint8_t b0) {
  CAN_FRAME f{};
  f.Id = 0x600u + (uint32_t)Node;
  f.Len = 8;
  f.aData[0] = b0;
  return f;
}

CAN_FRAME _Initiate(uint8_t b0) {
  CAN_FRAME f = _Frame(_T.Node, b0);
  f.aData[1] = (uint8_t)_T.Index;
  f.aData[2] = (uint8_t)(_T.Index >> 8);
  f.aData[3] = _T.Sub;
  return f;
}

// Next download segment of up to 7 bytes; the last one carries the "no more" bit.
CAN_FRAME _Segment() {
  int n = _T.Size - _T.Pos;
  if (n > 7) n = 7;
  CAN_FRAME f = _Frame(_T.Node, (uint8_t)(_T.Toggle << 4 | (7 - n) << 1 | (_T.Pos + n >= _T.Size ? 1 : 0)));
  if (n) memcpy(f.aData + 1, _T.pData + _T.Pos, n);
  _T.Pos += n;
  return f;
}

void _Finish(int Result) {
  _T.Done = Result;
  _T.Kind = _IDLE;
  OS_EventSet(_hDone);
}

// Handles one answer; returns 1 with a frame to send next.
int _Answer(const CAN_FRAME* p, CAN_FRAME* pNext) {
  const uint8_t* d = p->aData;
  uint8_t scs = d[0] >> 5;
  if (d[0] == 0x80 || p->Len < 8) {
    _Finish(-1);
    return 0;
  }
  if (_T.Kind == _UPLOAD) {
    if (scs == 2) {  // initiate upload answer
      if (d[0] & 2) {  // expedited
        int n = (d[0] & 1) ? 4 - ((d[0] >> 2) & 3) : 4;
        if (n > _T.Size) n = _T.Size;
        memcpy(_T.pBuf, d + 4, n);
        _T.Pos = n;
        _Finish(1);
        return 0;
      }
      _T.Toggle = 0;
      *pNext = _Frame(_T.Node, 0x60);
      return 1;
    }
    if (scs == 0 && ((d[0] >> 4) & 1) == _T.Toggle) {  // upload segment
      int n = 7 - ((d[0] >> 1) & 7);
      if (_T.Pos + n > _T.Size) {
        _Finish(-1);  // more than the caller has room for
        return 0;
      }
      memcpy(_T.pBuf + _T.Pos, d + 1, n);
      _T.Pos += n;
      if (d[0] & 1) {
        _Finish(1);
        return 0;
      }
      _T.Toggle ^= 1;
      *pNext = _Frame(_T.Node, (uint8_t)(0x60 | _T.Toggle << 4));
      return 1;
    }
  } else if (_T.Kind == _DOWNLOAD) {
    if (scs == 3) {  // initiate download answer
      if (_T.Size > 0 && _T.Pos >= _T.Size) {
        _Finish(1);
        return 0;
      }
      _T.Toggle = 0;
      *pNext = _Segment();
      return 1;
    }
    if (scs == 1 && ((d[0] >> 4) & 1) == _T.Toggle) {  // download segment answer
      if (_T.Pos >= _T.Size) {
        _Finish(1);
        return 0;
      }
      _T.Toggle ^= 1;
      *pNext = _Segment();
      return 1;
    }
  }
  _Finish(-1);
  return 0;
}

int _Run(const CAN_FRAME& first) {
  OS_EventReset(_hDone);
  if (!CAN_SendFrame(&first)) {
    std::lock_guard<std::mutex> l(_Mutex);
    _T.Kind = _IDLE;
    return 0;
  }
  int r = OS_EventWait(_hDone, SDO_TimeoutMs);
  std::lock_guard<std::mutex> l(_Mutex);
  if (r != OS_WAIT_TAKEN || _T.Done != 1) {
    if (_T.Kind != _IDLE) {
      CAN_FRAME abort = _Initiate(0x80);
      abort.aData[7] = 0x05;  // SDO protocol timed out (0x05040000)
      abort.aData[6] = 0x04;
      _T.Kind = _IDLE;
      CAN_SendFrame(&abort);
    }
    return 0;
  }
  return 1;
}

}  // namespace

void SDO_ClientOnFrame(const CAN_FRAME* p) {
  CAN_FRAME next;
  int send;
  {
    std::lock_guard<std::mutex> l(_Mutex);
    if (_T.Kind == _IDLE || p->Id != 0x580u + (uint32_t)_T.Node) return;
    send = _Answer(p, &next);
  }
  if (send && !CAN_SendFrame(&next)) {
    std::lock_guard<std::mutex> l(_Mutex);
    if (_T.Kind != _IDLE) _Finish(-1);
  }
}

int SDO_Upload(int Node, uint16_t Index, uint8_t Sub, uint8_t* pBuf, int Size) {
  if (Node < 1 || Node > 127 || !pBuf || Size <= 0) return 0;
  _Init();
  if (OS_SemWait(_hTransfer, SDO_TimeoutMs) != OS_WAIT_TAKEN) return 0;
  CAN_FRAME f;
  {
    std::lock_guard<std::mutex> l(_Mutex);
    _Begin(_UPLOAD, Node, Index, Sub);
    _T.pBuf = pBuf;
    _T.Size = Size;
    f = _Initiate(0x40);
  }
  int r = _Run(f) ? _T.Pos : 0;
  OS_SemSignal(_hTransfer);
  return r;
}

int SDO_Download(int Node, uint16_t Index, uint8_t Sub, const uint8_t* pData, int Len) {
  if (Node < 1 || Node > 127 || Len < 0 || (Len && !pData)) return 0;
  _Init();
  if (OS_SemWait(_hTransfer, SDO_TimeoutMs) != OS_WAIT_TAKEN) return 0;
  CAN_FRAME f;
  {
    std::lock_guard<std::mutex> l(_Mutex);
    _Begin(_DOWNLOAD, Node, Index, Sub);
    _T.pData = pData;
    _T.Size = Len;
    if (Len > 0 && Len <= 4) {  // expedited, size indicated (its size field cannot say "no bytes")
      f = _Initiate((uint8_t)(0x23 | (4 - Len) << 2));
      memcpy(f.aData + 4, pData, Len);
      _T.Pos = Len;
    } else {  // segmented, size indicated; a length of 0 ends with one empty last segment
      f = _Initiate(0x21);
      for (int i = 0; i < 4; i++) f.aData[4 + i] = (uint8_t)(Len >> (8 * i));
    }
  }
  int r = _Run(f);
  OS_SemSignal(_hTransfer);
  return r;
}

void SDO_FirmwareUpdateTask(void* pArg) {
  const SDO_FIRMWARE_JOB* pJob = static_cast<const SDO_FIRMWARE_JOB*>(pArg);
  CAN_FirmwareProgress = 0;
  char path[PATH_MAX_LEN];
  std::vector<uint8_t> data;
  if (pJob && PATH_Resolve(pJob->acPath, path, sizeof(path))) {
    if (FILE* f = fopen(path, "rb")) {
      uint8_t b[4096];
      size_t n;
      // Firmware files are small; anything beyond 16 MiB is not a firmware file.
      while ((n = fread(b, 1, sizeof(b), f)) > 0 && data.size() < (16u << 20)) data.insert(data.end(), b, b + n);
      fclose(f);
    }
  }
  bool ok = !data.empty() && data.size() < (16u << 20) &&
            SDO_Download(pJob->Node, 0x1F50, 1, data.data(), (int)data.size());
  CAN_FirmwareProgress = ok ? 100 : -1;
}
