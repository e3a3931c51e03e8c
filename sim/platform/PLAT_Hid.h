// HID devices through hidapi (hidraw): the vendor-defined interfaces present, their product strings and report
// lengths, and non-blocking report transfers. Reports are framed as the host expects them whether or not the
// device numbers its reports: byte 0 is the report id (0 for a device without numbered reports), and every
// length counts that byte.
#pragma once
#include <cstddef>
#include <cstdint>

struct PLAT_HID_CAPS {
  uint16_t UsagePage;     // of the first top-level collection
  uint16_t Usage;
  int InputLength;        // longest report of each kind in bytes, the report id byte included; 0 when none
  int OutputLength;
  int FeatureLength;
  int NumberedReports;    // 1 when the device puts a report id in front of its reports
};

struct PLAT_HID_IFACE {
  char acPath[256];
  PLAT_HID_CAPS Caps;
};

// Reads a report descriptor; 0 on success, 1 when it is malformed (the capabilities are then zero).
int PLAT_HidParseDescriptor(const uint8_t* pData, size_t NumBytes, PLAT_HID_CAPS* pCaps);

// The HID interfaces present, at most MaxNum; returns the number stored. An interface whose descriptor cannot
// be read is left out.
int PLAT_HidEnumerate(PLAT_HID_IFACE* paIface, int MaxNum);
// The product string as UTF-16 (terminated, cut to NumChars); 1 on success, 0 when the device cannot be opened.
int PLAT_HidGetProductString(const char* pPath, char16_t* pBuffer, int NumChars);

struct PLAT_HID;
PLAT_HID* PLAT_HidOpen(const char* pPath, int NumberedReports);  // read and write; 0 on failure
void PLAT_HidClose(PLAT_HID* pDev);
// Non-blocking: the bytes of one input report (0 when none is waiting), -1 on failure.
int PLAT_HidRead(PLAT_HID* pDev, uint8_t* pBuffer, int NumBytes);
int PLAT_HidWrite(PLAT_HID* pDev, const uint8_t* pBuffer, int NumBytes);   // bytes written, -1 on failure
int PLAT_HidGetFeature(PLAT_HID* pDev, uint8_t* pBuffer, int NumBytes);    // byte 0: report id; -1 on failure
int PLAT_HidSetFeature(PLAT_HID* pDev, const uint8_t* pBuffer, int NumBytes);
