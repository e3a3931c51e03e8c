// The simulation board's HID access over a small driver table: the system's HID devices, or a stand-in that
// tests install.
#include <cstring>

#include "HID.h"
#include "PLAT_Hid.h"

enum { _MAX_INTERFACES = 64 };

/*********************************************************************
*
*       The system's devices
*/
static int _SysEnumerate(HID_DEVICE_INFO* paInfo, int MaxNum) {
  static PLAT_HID_IFACE _aIface[_MAX_INTERFACES];
  int n = PLAT_HidEnumerate(_aIface, MaxNum < _MAX_INTERFACES ? MaxNum : _MAX_INTERFACES);
  for (int i = 0; i < n; i++) {
    HID_DEVICE_INFO& Info = paInfo[i];
    memcpy(Info.acPath, _aIface[i].acPath, sizeof(Info.acPath));
    Info.UsagePage = _aIface[i].Caps.UsagePage;
    Info.Usage = _aIface[i].Caps.Usage;
    Info.InputLength = _aIface[i].Caps.InputLength;
    Info.OutputLength = _aIface[i].Caps.OutputLength;
    Info.FeatureLength = _aIface[i].Caps.FeatureLength;
    Info.NumberedReports = _aIface[i].Caps.NumberedReports;
  }
  return n;
}

static void* _SysOpen(const char* pPath, int NumberedReports) { return PLAT_HidOpen(pPath, NumberedReports); }
static void _SysClose(void* p) { PLAT_HidClose(static_cast<PLAT_HID*>(p)); }
static int _SysRead(void* p, uint8_t* pBuf, int n) { return PLAT_HidRead(static_cast<PLAT_HID*>(p), pBuf, n); }
static int _SysWrite(void* p, const uint8_t* pBuf, int n) {
  return PLAT_HidWrite(static_cast<PLAT_HID*>(p), pBuf, n);
}
static int _SysGetFeature(void* p, uint8_t* pBuf, int n) {
  return PLAT_HidGetFeature(static_cast<PLAT_HID*>(p), pBuf, n);
}
static int _SysSetFeature(void* p, const uint8_t* pBuf, int n) {
  return PLAT_HidSetFeature(static_cast<PLAT_HID*>(p), pBuf, n);
}

static const HID_DRIVER _SysDriver = {_SysEnumerate, PLAT_HidGetProductString, _SysOpen,       _SysClose,
                                      _SysRead,      _SysWrite,                _SysGetFeature, _SysSetFeature};

/*********************************************************************
*
*       State
*/
static const HID_DRIVER* _pDriver = &_SysDriver;
static HID_DEVICE_INFO _aDevice[HID_MAX_DEVICES];
static int _NumDevices;
static int _Selected = -1;
static void* _pOpen;  // the open device; it stays open until another is opened

static int _IsSlot(int Id) { return Id >= 0 && Id < _NumDevices; }

void HID_Init(void) {
  _NumDevices = 0;
  _Selected = -1;
}

void HID_SetDriver(const HID_DRIVER* pDriver) {
  HID_Close();
  HID_Init();
  _pDriver = pDriver ? pDriver : &_SysDriver;
}

int HID_FindDevices(void) {
  static HID_DEVICE_INFO _aAll[_MAX_INTERFACES];
  char acKeep[sizeof(_aAll[0].acPath)] = "";
  if (_IsSlot(_Selected)) memcpy(acKeep, _aDevice[_Selected].acPath, sizeof(acKeep));
  _NumDevices = 0;
  _Selected = -1;
  int n = _pDriver->pfEnumerate(_aAll, _MAX_INTERFACES);
  if (n > _MAX_INTERFACES) n = _MAX_INTERFACES;
  for (int i = 0; i < n && _NumDevices < HID_MAX_DEVICES; i++) {
    HID_DEVICE_INFO& Info = _aAll[i];
    Info.acPath[sizeof(Info.acPath) - 1] = 0;
    if (Info.UsagePage != 0xFF00 || Info.Usage != 1) continue;
    if (acKeep[0] && strcmp(Info.acPath, acKeep) == 0) _Selected = _NumDevices;
    _aDevice[_NumDevices++] = Info;
  }
  return _NumDevices;
}

int HID_GetProductString(int Id, char16_t* pBuffer, int NumBytes) {
  int NumChars = NumBytes / int(sizeof(char16_t));
  if (!_IsSlot(Id) || !pBuffer || NumChars <= 0) return 0;
  char16_t acText[128];
  int Size = NumChars < 128 ? NumChars : 128;
  if (!_pDriver->pfGetProductString(_aDevice[Id].acPath, acText, Size)) return 0;
  acText[Size - 1] = 0;
  int i = 0;
  do {
    pBuffer[i] = acText[i];
  } while (acText[i++]);
  return 1;
}

int HID_GetInputReportLength(int Id) { return _IsSlot(Id) ? _aDevice[Id].InputLength : 0; }
int HID_GetOutputReportLength(int Id) { return _IsSlot(Id) ? _aDevice[Id].OutputLength : 0; }
int HID_GetFeatureReportLength(int Id) { return _IsSlot(Id) ? _aDevice[Id].FeatureLength : 0; }
int HID_GetSelected(void) { return _pOpen ? _Selected : -1; }

void HID_Close(void) {
  if (_pOpen) _pDriver->pfClose(_pOpen);
  _pOpen = nullptr;
}

int HID_Open(int Id) {
  if (!_IsSlot(Id)) return 0;
  HID_Close();
  _pOpen = _pDriver->pfOpen(_aDevice[Id].acPath, _aDevice[Id].NumberedReports);
  _Selected = _pOpen ? Id : -1;
  return _pOpen ? 1 : 0;
}

int HID_Read(uint8_t* pBuffer, int NumBytes, int* pNumRead) {
  *pNumRead = 0;
  if (!_pOpen || !pBuffer || NumBytes <= 0) return 0;
  int r = _pDriver->pfRead(_pOpen, pBuffer, NumBytes);
  if (r < 0) return 0;
  *pNumRead = r > NumBytes ? NumBytes : r;
  return 1;
}

int HID_Write(const uint8_t* pBuffer, int NumBytes, int* pNumWritten) {
  *pNumWritten = 0;
  if (!_pOpen || !pBuffer || NumBytes <= 0) return 0;
  int r = _pDriver->pfWrite(_pOpen, pBuffer, NumBytes);
  if (r < 0) return 0;
  *pNumWritten = r;
  return 1;
}

int HID_GetFeature(uint8_t* pBuffer, int NumBytes) {
  return (_pOpen && pBuffer && NumBytes > 0 && _pDriver->pfGetFeature(_pOpen, pBuffer, NumBytes) >= 0) ? 1 : 0;
}

int HID_SetFeature(const uint8_t* pBuffer, int NumBytes) {
  return (_pOpen && pBuffer && NumBytes > 0 && _pDriver->pfSetFeature(_pOpen, pBuffer, NumBytes) >= 0) ? 1 : 0;
}
