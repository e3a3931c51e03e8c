#include "hid_FakeBoard.h"

#include <cstring>

std::vector<FAKE_HID_DEVICE> FakeHid_Devices;

static FAKE_HID_DEVICE* _Find(const char* pPath) {
  for (FAKE_HID_DEVICE& Dev : FakeHid_Devices) {
    if (Dev.Path == pPath && !Dev.Unplugged) return &Dev;
  }
  return nullptr;
}

static int _Enumerate(HID_DEVICE_INFO* paInfo, int MaxNum) {
  int n = 0;
  for (const FAKE_HID_DEVICE& Dev : FakeHid_Devices) {
    if (Dev.Unplugged || n >= MaxNum) continue;
    HID_DEVICE_INFO& Info = paInfo[n++];
    memset(&Info, 0, sizeof(Info));
    snprintf(Info.acPath, sizeof(Info.acPath), "%s", Dev.Path.c_str());
    Info.UsagePage = Dev.UsagePage;
    Info.Usage = Dev.Usage;
    Info.InputLength = Dev.InputLength;
  }
  return n;
}

static int _GetProductString(const char* pPath, char16_t* pBuffer, int NumChars) {
  FAKE_HID_DEVICE* pDev = _Find(pPath);
  if (!pDev || pDev->Product.empty()) return 0;
  int n = 0;
  for (; n < int(pDev->Product.size()) && n < NumChars - 1; n++) pBuffer[n] = pDev->Product[n];
  pBuffer[n] = 0;
  return 1;
}

// The handle is the device's index plus one, so that stale handles of a device that went away stay harmless.
static void* _Open(const char* pPath, int) {
  FAKE_HID_DEVICE* pDev = _Find(pPath);
  if (!pDev) return nullptr;
  pDev->NumOpen++;
  return reinterpret_cast<void*>(uintptr_t(pDev - FakeHid_Devices.data()) + 1);
}

static FAKE_HID_DEVICE* _Dev(void* h) { return &FakeHid_Devices[uintptr_t(h) - 1]; }

static void _Close(void* h) { _Dev(h)->NumClose++; }

static int _Read(void* h, uint8_t* pBuffer, int NumBytes) {
  FAKE_HID_DEVICE* pDev = _Dev(h);
  pDev->NumReads++;
  if (pDev->Unplugged) return -1;
  if (pDev->Reports.empty()) return 0;
  std::vector<uint8_t> Report = pDev->Reports.front();
  pDev->Reports.pop_front();
  int n = int(Report.size()) < NumBytes ? int(Report.size()) : NumBytes;
  memcpy(pBuffer, Report.data(), size_t(n));
  return n;
}

static int _Write(void* h, const uint8_t* pBuffer, int NumBytes) {
  FAKE_HID_DEVICE* pDev = _Dev(h);
  if (pDev->Unplugged) return -1;
  pDev->Written.emplace_back(pBuffer, pBuffer + NumBytes);
  return NumBytes;
}

static int _GetFeature(void* h, uint8_t*, int NumBytes) { return _Dev(h)->Unplugged ? -1 : NumBytes; }
static int _SetFeature(void* h, const uint8_t*, int NumBytes) { return _Dev(h)->Unplugged ? -1 : NumBytes; }

const HID_DRIVER FakeHid_Driver = {_Enumerate, _GetProductString, _Open, _Close, _Read, _Write, _GetFeature,
                                   _SetFeature};

void FakeHid_Install(void) {
  HID_SetDriver(&FakeHid_Driver);  // closes what the previous test left open while its device still exists
  FakeHid_Devices.clear();
  FakeHid_Devices.reserve(16);     // handles are indices; the list never moves while a test runs
}

FAKE_HID_DEVICE& FakeHid_AddBoard(const char* pPath) {
  FAKE_HID_DEVICE Dev;
  Dev.Path = pPath;
  Dev.Product = u"MERIDOX Sim-Board";
  FakeHid_Devices.push_back(Dev);
  return FakeHid_Devices.back();
}

std::vector<uint8_t> FakeHid_MakeReport(const uint16_t* paRaw, uint16_t Digital, uint8_t Kind) {
  std::vector<uint8_t> r(36, 0);
  r[1] = Kind;
  for (int i = 0; i < 16; i++) {
    r[2 + 2 * i] = uint8_t(paRaw[i]);
    r[3 + 2 * i] = uint8_t(paRaw[i] >> 8);
  }
  r[34] = uint8_t(Digital);
  r[35] = uint8_t(Digital >> 8);
  return r;
}
