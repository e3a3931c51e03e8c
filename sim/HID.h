// The simulation board's HID access: up to four vendor-defined HID devices (usage page 0xFF00, usage 1), their
// product strings and report lengths, one open device, and reports read without waiting. Reports carry their
// id in byte 0. Reads and writes are separate transfers: a write never disturbs a read that is still waiting.
// Main thread only.
#pragma once
#include <cstdint>

enum { HID_MAX_DEVICES = 4 };

void HID_Init(void);                  // forgets the devices found and the selection
int HID_FindDevices(void);            // enumerates; returns the number found, 0 to 4
// The product string (UTF-16, terminated, cut to the buffer); non-zero on success, 0 for an empty slot or a
// device that cannot be opened (the buffer is then left as it was).
int HID_GetProductString(int Id, char16_t* pBuffer, int NumBytes);
int HID_GetInputReportLength(int Id);
int HID_GetOutputReportLength(int Id);
int HID_GetFeatureReportLength(int Id);
// Opens device Id for reading and writing; a device opened before is closed first. 1 on success, 0 for an
// empty slot or when it cannot be opened.
int HID_Open(int Id);
void HID_Close(void);
int HID_GetSelected(void);            // the index of the open device, -1 when none
// One input report into pBuffer: 1 with its byte count, 1 with a count of 0 while none has arrived, 0 when the
// device failed (gone, for example); the next call tries again.
int HID_Read(uint8_t* pBuffer, int NumBytes, int* pNumRead);
int HID_Write(const uint8_t* pBuffer, int NumBytes, int* pNumWritten);  // 1 when written, else 0
int HID_GetFeature(uint8_t* pBuffer, int NumBytes);                     // 1 on success
int HID_SetFeature(const uint8_t* pBuffer, int NumBytes);

/*********************************************************************
*
*       The layer below, replaceable for tests
*/
struct HID_DEVICE_INFO {
  char acPath[256];
  uint16_t UsagePage, Usage;
  int InputLength, OutputLength, FeatureLength;  // bytes, the report id byte included
  int NumberedReports;
};

struct HID_DRIVER {
  int (*pfEnumerate)(HID_DEVICE_INFO* paInfo, int MaxNum);  // every HID interface present
  int (*pfGetProductString)(const char* pPath, char16_t* pBuffer, int NumChars);  // 1 on success
  void* (*pfOpen)(const char* pPath, int NumberedReports);  // 0 on failure
  void (*pfClose)(void* pDev);
  int (*pfRead)(void* pDev, uint8_t* pBuffer, int NumBytes);  // bytes of one report, 0 none waiting, -1 failure
  int (*pfWrite)(void* pDev, const uint8_t* pBuffer, int NumBytes);
  int (*pfGetFeature)(void* pDev, uint8_t* pBuffer, int NumBytes);
  int (*pfSetFeature)(void* pDev, const uint8_t* pBuffer, int NumBytes);
};

// Installs a driver (0: the system's). Closes the open device and forgets what was found.
void HID_SetDriver(const HID_DRIVER* pDriver);
