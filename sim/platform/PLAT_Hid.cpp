// HID devices over hidapi's hidraw backend. The report descriptor comes from sysfs, which any user may read, so
// enumeration needs no access to the device itself; reads never wait.
#include <hidapi/hidapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "PLAT_Hid.h"

struct PLAT_HID {
  hid_device* pDev;
  int NumberedReports;
};

static int _Init(void) {
  static int _Result = hid_init();
  return _Result;
}

// "/dev/hidrawN" -> its descriptor in sysfs.
static int _ReadCaps(const char* pPath, PLAT_HID_CAPS* pCaps) {
  const char* pName = strrchr(pPath, '/');
  pName = pName ? pName + 1 : pPath;
  std::string Sys = std::string("/sys/class/hidraw/") + pName + "/device/report_descriptor";
  FILE* pFile = fopen(Sys.c_str(), "rb");
  if (!pFile) return 1;
  uint8_t aData[4096];  // the kernel's limit for a report descriptor
  size_t n = fread(aData, 1, sizeof(aData), pFile);
  fclose(pFile);
  return PLAT_HidParseDescriptor(aData, n, pCaps);
}

int PLAT_HidEnumerate(PLAT_HID_IFACE* paIface, int MaxNum) {
  if (_Init() != 0) return 0;
  hid_device_info* pList = hid_enumerate(0, 0);
  int n = 0;
  for (hid_device_info* p = pList; p && n < MaxNum; p = p->next) {
    if (!p->path || strlen(p->path) >= sizeof(paIface[n].acPath)) continue;
    bool Seen = false;  // a device with several top-level collections is listed once per collection
    for (int k = 0; k < n; k++) Seen = Seen || strcmp(paIface[k].acPath, p->path) == 0;
    if (Seen) continue;
    PLAT_HID_IFACE& Iface = paIface[n];
    if (_ReadCaps(p->path, &Iface.Caps) != 0) continue;
    snprintf(Iface.acPath, sizeof(Iface.acPath), "%s", p->path);
    n++;
  }
  hid_free_enumeration(pList);
  return n;
}

int PLAT_HidGetProductString(const char* pPath, char16_t* pBuffer, int NumChars) {
  if (_Init() != 0 || NumChars <= 0) return 0;
  hid_device* pDev = hid_open_path(pPath);
  if (!pDev) return 0;
  wchar_t acText[128];
  int r = hid_get_product_string(pDev, acText, sizeof(acText) / sizeof(acText[0]));
  hid_close(pDev);
  if (r != 0) return 0;
  acText[127] = 0;
  int n = 0;
  for (const wchar_t* s = acText; *s && n < NumChars - 1; s++) {
    uint32_t c = uint32_t(*s);
    if (c >= 0x10000) {  // UTF-16: a pair of surrogates
      if (n + 2 > NumChars - 1) break;
      c -= 0x10000;
      pBuffer[n++] = char16_t(0xD800 + (c >> 10));
      pBuffer[n++] = char16_t(0xDC00 + (c & 0x3FF));
    } else {
      pBuffer[n++] = char16_t(c);
    }
  }
  pBuffer[n] = 0;
  return 1;
}

PLAT_HID* PLAT_HidOpen(const char* pPath, int NumberedReports) {
  if (_Init() != 0) return nullptr;
  hid_device* pDev = hid_open_path(pPath);
  if (!pDev) return nullptr;
  return new PLAT_HID{pDev, NumberedReports};
}

void PLAT_HidClose(PLAT_HID* pDev) {
  if (!pDev) return;
  hid_close(pDev->pDev);
  delete pDev;
}

// Without numbered reports the device sends the data alone: the id byte 0 is put in front.
int PLAT_HidRead(PLAT_HID* pDev, uint8_t* pBuffer, int NumBytes) {
  if (!pDev || NumBytes < 1) return -1;
  if (pDev->NumberedReports) return hid_read_timeout(pDev->pDev, pBuffer, size_t(NumBytes), 0);
  int r = hid_read_timeout(pDev->pDev, pBuffer + 1, size_t(NumBytes - 1), 0);
  if (r <= 0) return r;
  pBuffer[0] = 0;
  return r + 1;
}

int PLAT_HidWrite(PLAT_HID* pDev, const uint8_t* pBuffer, int NumBytes) {
  if (!pDev || NumBytes < 1) return -1;
  return hid_write(pDev->pDev, pBuffer, size_t(NumBytes));  // hidapi drops a report id of 0 itself
}

int PLAT_HidGetFeature(PLAT_HID* pDev, uint8_t* pBuffer, int NumBytes) {
  if (!pDev || NumBytes < 1) return -1;
  return hid_get_feature_report(pDev->pDev, pBuffer, size_t(NumBytes));
}

int PLAT_HidSetFeature(PLAT_HID* pDev, const uint8_t* pBuffer, int NumBytes) {
  if (!pDev || NumBytes < 1) return -1;
  return hid_send_feature_report(pDev->pDev, pBuffer, size_t(NumBytes));
}
