// A stand-in for the system's HID devices: interfaces with product strings, a queue of input reports per
// device, and a switch that unplugs them. Installed with HID_SetDriver.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "HID.h"

struct FAKE_HID_DEVICE {
  std::string Path;
  std::u16string Product;       // empty: the product string cannot be read
  uint16_t UsagePage = 0xFF00, Usage = 1;
  int InputLength = 36;
  std::deque<std::vector<uint8_t>> Reports;  // what the next reads deliver
  std::vector<std::vector<uint8_t>> Written;
  bool Unplugged = false;
  int NumOpen = 0, NumClose = 0, NumReads = 0;
};

extern std::vector<FAKE_HID_DEVICE> FakeHid_Devices;
extern const HID_DRIVER FakeHid_Driver;
void FakeHid_Install(void);   // clears the devices and installs the driver
FAKE_HID_DEVICE& FakeHid_AddBoard(const char* pPath);   // a "MERIDOX Sim-Board"
// An input report: raw values of inputs 1 to 16 and the digital-state word.
std::vector<uint8_t> FakeHid_MakeReport(const uint16_t* paRaw, uint16_t Digital, uint8_t Kind = 1);
