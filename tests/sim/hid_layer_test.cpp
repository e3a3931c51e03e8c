// The simulation board's HID layer over a stand-in driver, and the report-descriptor reader under the system's.
#include <gtest/gtest.h>

#include <cstring>

#include "HID.h"
#include "PLAT_Hid.h"
#include "hid_FakeBoard.h"

namespace {

class HidLayer : public ::testing::Test {
protected:
  void SetUp() override { FakeHid_Install(); }
  void TearDown() override { HID_SetDriver(&FakeHid_Driver); }
};

TEST_F(HidLayer, FindsOnlyVendorDevicesOfUsageOneAndAtMostFour) {
  FakeHid_AddBoard("/dev/keyboard").UsagePage = 0x0001;
  FakeHid_AddBoard("/dev/other-usage").Usage = 2;
  for (int i = 0; i < 5; i++) FakeHid_AddBoard(("/dev/board" + std::to_string(i)).c_str()).InputLength = 30 + i;
  EXPECT_EQ(HID_FindDevices(), 4);
  EXPECT_EQ(HID_GetInputReportLength(0), 30);
  EXPECT_EQ(HID_GetInputReportLength(3), 33);
  EXPECT_EQ(HID_GetInputReportLength(4), 0);   // the fifth is not stored
  EXPECT_EQ(HID_Open(4), 0);
  EXPECT_EQ(HID_Open(-1), 0);
}

TEST_F(HidLayer, ProductStringOfTheSecondDeviceAndUnreadableSlots) {
  FakeHid_AddBoard("/dev/a").Product = u"Something else";
  FakeHid_AddBoard("/dev/b");
  FakeHid_AddBoard("/dev/c").Product.clear();  // cannot be read
  ASSERT_EQ(HID_FindDevices(), 3);
  char16_t ac[50];
  ASSERT_NE(HID_GetProductString(1, ac, sizeof(ac)), 0);
  EXPECT_EQ(std::u16string(ac), u"MERIDOX Sim-Board");
  memcpy(ac, u"kept", 10);
  EXPECT_EQ(HID_GetProductString(2, ac, sizeof(ac)), 0);
  EXPECT_EQ(HID_GetProductString(3, ac, sizeof(ac)), 0);
  EXPECT_EQ(std::u16string(ac), u"kept");  // left as it was
  char16_t Small[4];
  ASSERT_NE(HID_GetProductString(1, Small, sizeof(Small)), 0);
  EXPECT_EQ(std::u16string(Small), u"MER");  // cut to the buffer, terminated
}

TEST_F(HidLayer, ReopeningClosesTheOldDeviceAndFindingKeepsTheSelection) {
  FakeHid_AddBoard("/dev/a");
  FakeHid_AddBoard("/dev/b");
  ASSERT_EQ(HID_FindDevices(), 2);
  ASSERT_EQ(HID_Open(1), 1);
  EXPECT_EQ(HID_GetSelected(), 1);
  // The device in front of the selected one goes away: the selection follows the path.
  FakeHid_Devices[0].Unplugged = true;
  FakeHid_AddBoard("/dev/c");
  ASSERT_EQ(HID_FindDevices(), 2);
  EXPECT_EQ(HID_GetSelected(), 0);
  ASSERT_EQ(HID_Open(1), 1);   // "/dev/c"
  EXPECT_EQ(FakeHid_Devices[1].NumClose, 1);   // "/dev/b" was closed first
  EXPECT_EQ(FakeHid_Devices[2].NumOpen, 1);
  HID_Init();
  EXPECT_EQ(HID_GetInputReportLength(0), 0);   // forgotten
}

TEST_F(HidLayer, ReadsWithoutWaitingAndWritesApart) {
  FAKE_HID_DEVICE& Board = FakeHid_AddBoard("/dev/board");
  ASSERT_EQ(HID_FindDevices(), 1);
  uint8_t Buffer[36];
  int n = -1;
  EXPECT_EQ(HID_Read(Buffer, 36, &n), 0);  // nothing open
  ASSERT_EQ(HID_Open(0), 1);
  for (int Tick = 0; Tick < 3; Tick++) {  // no report yet: 1 with a count of 0, tick after tick
    EXPECT_EQ(HID_Read(Buffer, 36, &n), 1);
    EXPECT_EQ(n, 0);
  }
  uint16_t aRaw[16] = {4093};
  FakeHid_Devices[0].Reports.push_back(FakeHid_MakeReport(aRaw, 0));
  // A write in between does not touch the read.
  const uint8_t Out[3] = {0, 7, 8};
  int Written = 0;
  EXPECT_EQ(HID_Write(Out, 3, &Written), 1);
  EXPECT_EQ(Written, 3);
  EXPECT_EQ(HID_Read(Buffer, 36, &n), 1);
  EXPECT_EQ(n, 36);
  EXPECT_EQ(Buffer[2] | Buffer[3] << 8, 4093);
  Board.Unplugged = true;
  EXPECT_EQ(HID_Read(Buffer, 36, &n), 0);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(HID_Write(Out, 3, &Written), 0);
  EXPECT_EQ(HID_GetFeature(Buffer, 8), 0);
}

// Descriptors of the kind the board and ordinary devices have.
TEST(HidDescriptor, VendorReportWithoutIds) {
  const uint8_t d[] = {
      0x06, 0x00, 0xFF,  // usage page 0xFF00
      0x09, 0x01,        // usage 1
      0xA1, 0x01,        // collection (application)
      0x75, 0x08,        // report size 8
      0x95, 0x23,        // report count 35
      0x09, 0x01, 0x81, 0x02,  // input
      0x95, 0x08, 0x09, 0x01, 0x91, 0x02,  // output, 8 bytes
      0xC0};
  PLAT_HID_CAPS Caps;
  ASSERT_EQ(PLAT_HidParseDescriptor(d, sizeof(d), &Caps), 0);
  EXPECT_EQ(Caps.UsagePage, 0xFF00);
  EXPECT_EQ(Caps.Usage, 1);
  EXPECT_EQ(Caps.InputLength, 36);   // 35 data bytes and the id byte
  EXPECT_EQ(Caps.OutputLength, 9);
  EXPECT_EQ(Caps.FeatureLength, 0);
  EXPECT_EQ(Caps.NumberedReports, 0);
}

TEST(HidDescriptor, NumberedReportsTakeTheLongest) {
  const uint8_t d[] = {
      0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,   // generic desktop, mouse
      0x85, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x01,  // id 1: 8 bits
      0x85, 0x02, 0x75, 0x10, 0x95, 0x02, 0x81, 0x02,  // id 2: 32 bits
      0xA4, 0x85, 0x03, 0x75, 0x08, 0x95, 0x04, 0xB1, 0x02, 0xB4,  // push, id 3 feature 4 bytes, pop
      0xC0};
  PLAT_HID_CAPS Caps;
  ASSERT_EQ(PLAT_HidParseDescriptor(d, sizeof(d), &Caps), 0);
  EXPECT_EQ(Caps.UsagePage, 0x0001);
  EXPECT_EQ(Caps.Usage, 2);
  EXPECT_EQ(Caps.InputLength, 5);
  EXPECT_EQ(Caps.FeatureLength, 5);
  EXPECT_EQ(Caps.NumberedReports, 1);
}

TEST(HidDescriptor, MalformedDescriptorsAreRefused) {
  PLAT_HID_CAPS Caps;
  const uint8_t Cut[] = {0x06, 0x00};   // two data bytes announced, one there
  EXPECT_EQ(PLAT_HidParseDescriptor(Cut, sizeof(Cut), &Caps), 1);
  EXPECT_EQ(Caps.InputLength, 0);
  const uint8_t Pop[] = {0xB4};         // pop without push
  EXPECT_EQ(PLAT_HidParseDescriptor(Pop, sizeof(Pop), &Caps), 1);
  uint8_t Push[17];
  memset(Push, 0xA4, sizeof(Push));     // deeper than the stack
  EXPECT_EQ(PLAT_HidParseDescriptor(Push, sizeof(Push), &Caps), 1);
  const uint8_t Long[] = {0xFE, 0x10, 0x00, 0x01};  // long item longer than the rest
  EXPECT_EQ(PLAT_HidParseDescriptor(Long, sizeof(Long), &Caps), 1);
  const uint8_t Huge[] = {0x77, 0xFF, 0xFF, 0xFF, 0x00, 0x97, 0xFF, 0xFF, 0xFF, 0x00, 0x81, 0x02};
  EXPECT_EQ(PLAT_HidParseDescriptor(Huge, sizeof(Huge), &Caps), 1);
  EXPECT_EQ(PLAT_HidParseDescriptor(nullptr, 0, &Caps), 0);
  EXPECT_EQ(Caps.InputLength, 0);
}

}  // namespace
