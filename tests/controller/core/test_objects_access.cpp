// Object access of the own node: value and description answers, checked writes, access levels and codes,
// node objects, and reads of other nodes through the SDO client.
#include "CoreTestSupport.h"
#include "OBJ_Access.h"
#include "OBJ_Map.h"
#include "SDO_Client.h"

using namespace coretest;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Read(uint32_t a, int size = 160) {
  Bytes b(size);
  int n = OBJ_Read(a, b.data(), size, 0);
  b.resize(n > 0 ? n : 0);
  return b;
}

int32_t I32(const Bytes& b, size_t at) {
  return (int32_t)((uint32_t)b[at] | (uint32_t)b[at + 1] << 8 | (uint32_t)b[at + 2] << 16 | (uint32_t)b[at + 3] << 24);
}

int Write32(uint32_t a, int32_t v) {
  uint8_t d[5] = {0x51, (uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)};
  return OBJ_Write(a, d, 5);
}

// Input 3 (sub-index 2), correction: parameter 3.
const uint32_t kCorrection = OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, 3));

std::u16string TextOf(const Bytes& b) {
  std::u16string s;
  for (size_t i = 2; i + 1 < b.size() && (b[i] || b[i + 1]); i += 2) s += (char16_t)(b[i] | b[i + 1] << 8);
  return s;
}

Bytes CodeRecord(const std::u16string& code) {
  Bytes r = {0, (uint8_t)code.size()};
  for (char16_t c : code) {
    r.push_back((uint8_t)c);
    r.push_back((uint8_t)(c >> 8));
  }
  r.push_back(0);
  r.push_back(0);
  return r;
}

// The screens' code check: read 4 bytes, write the code record where byte 0 says, read 5 bytes back.
bool TryCode(int level, const std::u16string& code) {
  uint32_t a = OBJ_MakeAddress(0, level, OBJ_IDX_CODE_CHECK);
  Bytes first = Read(a, 4);
  if (first.size() != 4) return false;
  Bytes rec = CodeRecord(code);
  if (!OBJ_Write(OBJ_MakeAddress(0, first[0], OBJ_IDX_CODE_CHECK), rec.data(), (int)rec.size())) return false;
  Bytes back = Read(OBJ_MakeAddress(0, first[0], OBJ_IDX_CODE_CHECK), 5);
  return back.size() == 5 && back[1] != 0;
}

}  // namespace

using ObjectAccess = ControllerTest;

TEST_F(ObjectAccess, ValueDescriptionAndTextAnswers) {
  IO_Inputs[2].SetParameter(IO_IN_PAR_UNIT, 1, 0);
  IO_Inputs[2].SetParameter(IO_IN_PAR_CORRECTION, -15, 0);
  Bytes v = Read(kCorrection);
  ASSERT_EQ(v.size(), 6u);
  EXPECT_EQ(v[0], 0x51);
  EXPECT_EQ(v[1], 1);  // the input's unit
  EXPECT_EQ(I32(v, 2), -15);
  Bytes d = Read(OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_ALIAS, OBJ_FAM_INPUT, 3)));
  ASSERT_EQ(d.size(), 14u);
  EXPECT_EQ(I32(d, 6), -1000);
  EXPECT_EQ(I32(d, 10), 1000);
  // A choice parameter: a list description whose items are read by position.
  IO_Inputs[2].SetParameter(IO_IN_PAR_TYPE, 2, 0);
  Bytes c = Read(OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_ALIAS, OBJ_FAM_INPUT, 0)));
  ASSERT_EQ(c.size(), 5u);
  EXPECT_EQ(c[0], 0x11);
  EXPECT_EQ(c[1], 2);
  EXPECT_EQ(c[2], 3);
  uint16_t items = (uint16_t)(c[3] | c[4] << 8);
  Bytes item = Read(OBJ_MakeAddress(0, 1, items));
  EXPECT_EQ(item[1], 1);
  EXPECT_EQ(TextOf(item), u"Digital");
  EXPECT_TRUE(Read(OBJ_MakeAddress(0, 3, items)).empty());
  EXPECT_EQ(TextOf(Read(OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_TEXT, OBJ_FAM_INPUT, 0)))), u"Type: Analog");
  EXPECT_EQ(TextOf(Read(OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_TEXT, OBJ_FAM_INPUT, OBJ_VC_NAME)))),
            u"Input 3");
  // Unknown objects answer nothing.
  EXPECT_TRUE(Read(OBJ_MakeAddress(0, 16, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, 3))).empty());
  EXPECT_TRUE(Read(OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, 7))).empty());
  EXPECT_TRUE(Read(OBJ_MakeAddress(0, 0, 0x1234)).empty());
}

TEST_F(ObjectAccess, WritesAreCheckedAndRefusedWritesChangeNothing) {
  IO_Inputs[2].SetParameter(IO_IN_PAR_CORRECTION, 7, 0);
  EXPECT_EQ(Write32(kCorrection, -300), 1);
  EXPECT_EQ(I32(Read(kCorrection), 2), -300);
  EXPECT_EQ(Write32(kCorrection, 1001), 0);  // above the limit
  uint8_t shortWrite[3] = {0x51, 1, 0};
  EXPECT_EQ(OBJ_Write(kCorrection, shortWrite, 3), 0);
  uint8_t wrongClass[5] = {0x61, 1, 0, 0, 0};
  EXPECT_EQ(OBJ_Write(kCorrection, wrongClass, 5), 0);
  EXPECT_EQ(OBJ_Write(kCorrection, nullptr, 0), 0);
  EXPECT_EQ(Write32(OBJ_MakeAddress(0, 40, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, 3)), 1), 0);  // no object
  EXPECT_EQ(Write32(OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, 6)), 1), 0);   // unused
  EXPECT_EQ(Write32(OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, OBJ_VC_OUTPUT)), 1), 0);
  EXPECT_EQ(Write32(OBJ_MakeAddress(0, 0, 0x57C0), 1), 0);
  EXPECT_EQ(IO_Inputs[2].GetParameter(IO_IN_PAR_CORRECTION), -300);
  // A 16-bit write and the write at the description alias reach the same parameter.
  uint8_t w16[3] = {0x41, 0xF6, 0xFF};
  EXPECT_EQ(OBJ_Write(kCorrection, w16, 3), 1);
  EXPECT_EQ(IO_Inputs[2].GetParameter(IO_IN_PAR_CORRECTION), -10);
  EXPECT_EQ(Write32(OBJ_MakeAddress(0, 2, OBJ_ValueIndex(OBJ_VIEW_ALIAS, OBJ_FAM_INPUT, 3)), 12), 1);
  EXPECT_EQ(IO_Inputs[2].GetParameter(IO_IN_PAR_CORRECTION), 12);
  // List writes: type byte and one byte.
  uint8_t list[2] = {0x11, 1};
  EXPECT_EQ(OBJ_Write(OBJ_MakeAddress(0, 5, OBJ_ValueIndex(OBJ_VIEW_TEXT, OBJ_FAM_OUTPUT, 1)), list, 2), 1);
  EXPECT_EQ(IO_Outputs[5].GetParameter(1), 1);
}

TEST_F(ObjectAccess, ProtectedEntriesNeedTheGrantedLevelAndCodesGrantIt) {
  const uint32_t type = OBJ_MakeAddress(0, 0, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, 0));  // level 1
  uint8_t digital[2] = {0x11, 1};
  EXPECT_EQ(OBJ_Write(type, digital, 2), 0);
  EXPECT_EQ(IO_Inputs[0].GetParameter(IO_IN_PAR_TYPE), 0);
  // The table names the check object for both levels (factory codes are set).
  Bytes t = Read(OBJ_MakeAddress(0, 0, OBJ_IDX_ACCESS_TABLE), 4096);
  ASSERT_GE(t.size(), 36u);
  EXPECT_EQ(t[0], 0x60);
  EXPECT_EQ(t[24], 0x29);
  EXPECT_EQ(t[25], 1);
  EXPECT_EQ(t[26] | t[27] << 8, OBJ_IDX_CODE_CHECK);
  EXPECT_EQ(t[32], 0);
  EXPECT_FALSE(TryCode(1, u"4321"));
  EXPECT_EQ(FKT_AccessLevels[0].Level, 0u);
  EXPECT_TRUE(TryCode(1, SET_FactoryCodeTechnician));
  EXPECT_EQ(FKT_AccessLevels[0].Level, 1u);
  EXPECT_EQ(FKT_AccessTimeout, 1800);
  EXPECT_EQ(OBJ_Write(type, digital, 2), 1);
  // An expert entry still needs the expert code; the wrong level's code does not open it.
  const uint32_t fixedMax = OBJ_MakeAddress(0, 0, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_FIXED, 4));
  EXPECT_EQ(Write32(fixedMax, 5), 0);
  EXPECT_FALSE(TryCode(2, SET_FactoryCodeTechnician));
  EXPECT_TRUE(TryCode(2, SET_FactoryCodeExpert));
  EXPECT_EQ(Write32(fixedMax, 5), 1);
  // The grant runs out after 1,800 seconds.
  for (int i = 0; i < 1799; i++) APP_Tick1s();
  EXPECT_EQ(Write32(fixedMax, 6), 1);
  APP_Tick1s();
  EXPECT_EQ(Write32(fixedMax, 7), 0);
  EXPECT_EQ(IO_FixedValues[0].GetParameter(4), 6);
}

TEST_F(ObjectAccess, CodeChangeNeedsTheOldCode) {
  const uint32_t change = OBJ_MakeAddress(0, 1, OBJ_IDX_CODE_CHANGE);
  Bytes rec = CodeRecord(u"777");
  Bytes wrongOld = CodeRecord(u"000");
  Bytes both = rec;
  both.insert(both.end(), wrongOld.begin(), wrongOld.end());
  ASSERT_EQ(OBJ_Write(change, both.data(), (int)both.size()), 1);
  EXPECT_EQ(Read(change, 5)[1], 0);
  EXPECT_FALSE(TryCode(1, u"777"));
  both = rec;
  Bytes old = CodeRecord(SET_FactoryCodeTechnician);
  both.insert(both.end(), old.begin(), old.end());
  ASSERT_EQ(OBJ_Write(change, both.data(), (int)both.size()), 1);
  EXPECT_EQ(Read(change, 5)[1], 1);
  FKT_AccessLevels[0].Level = 0;
  EXPECT_TRUE(TryCode(1, u"777"));
  // A lone code at the change object is the old code's check, even while the level is granted: a wrong one is
  // refused and changes nothing, the right one is accepted.
  FKT_AccessLevels[0].Level = 1;
  Bytes lone = CodeRecord(u"000");
  ASSERT_EQ(OBJ_Write(change, lone.data(), (int)lone.size()), 1);
  EXPECT_EQ(Read(change, 5)[1], 0);
  lone = CodeRecord(u"777");
  ASSERT_EQ(OBJ_Write(change, lone.data(), (int)lone.size()), 1);
  EXPECT_EQ(Read(change, 5)[1], 1);
  FKT_AccessLevels[0].Level = 0;
  EXPECT_FALSE(TryCode(1, u"000"));
  EXPECT_TRUE(TryCode(1, u"777"));
  // Too long a code record is refused.
  Bytes bad = {0, 30};
  bad.resize(64);
  EXPECT_EQ(OBJ_Write(change, bad.data(), (int)bad.size()), 0);
}

TEST_F(ObjectAccess, NodeObjects) {
  Bytes name8 = Read(0x1008);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(name8.data())), "MERIDOX");
  EXPECT_EQ(TextOf(Read(0x2512)), u"MERIDOX");
  Bytes type = Read(0x0123E2, 4);
  ASSERT_EQ(type.size(), 4u);
  EXPECT_EQ(I32(type, 0), CAN_OWN_DEVICE_TYPE);
  setenv("TZ", "UTC", 1);
  tzset();
  SYS_UpdateClock(86400 * 3 + 3600 * 7 + 60 * 5);  // Sunday 4 January 1970, 07:05
  IO_Outputs[1].SetParameter(0, 1, 0);
  IO_Outputs[1].SetParameter(1, 1, 0);  // manual on
  APP_ControlCycle();
  Bytes st = Read(OBJ_MakeAddress(0, 0, OBJ_IDX_NODE_STATUS), 64);
  ASSERT_EQ(st.size(), 64u);
  SYS_TM t;
  OS_LocalTimeMinusHour(I32(st, 0), &t);
  EXPECT_EQ(t.Hour, 7);
  EXPECT_EQ(t.Min, 5);
  EXPECT_EQ(st[9], 16);
  EXPECT_EQ(st[10 + 1] & 1, 1);
  EXPECT_EQ(st[10 + 0] & 1, 0);
  EXPECT_EQ(I32(st, 36), 7);  // hour
  EXPECT_EQ(I32(st, 52), 0);  // Sunday
  // The own node's number answers like node 0.
  SET_Can.SetParameter(SET_CAN_PAR_NODE, 9, 0);
  EXPECT_EQ(Read(0x09001008).size(), 8u);
}

TEST_F(ObjectAccess, DateAndTimeAreWrittenThroughTheSystemValues) {
  setenv("TZ", "UTC", 1);
  tzset();
  SYS_UpdateClock(1000000000);
  const uint32_t date = OBJ_MakeAddress(0, 13, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_SYSTEM, OBJ_SYS_DATE));
  const uint32_t time = OBJ_MakeAddress(0, 13, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_SYSTEM, OBJ_SYS_TIME));
  ASSERT_EQ(Write32(date, 24 | 12 << 8 | 2030 << 16), 1);
  ASSERT_EQ(Write32(time, 18 * 60 + 45), 1);
  EXPECT_EQ(SYS_ClockTm.Year, 130);
  EXPECT_EQ(SYS_ClockTm.Month, 11);
  EXPECT_EQ(SYS_ClockTm.Day, 24);
  EXPECT_EQ(SYS_ClockTm.Hour, 18);
  EXPECT_EQ(SYS_ClockTm.Min, 45);
  EXPECT_EQ(I32(Read(date), 2), 24 | 12 << 8 | 2030 << 16);
  EXPECT_EQ(Write32(date, 31 | 2 << 8 | 2030 << 16), 0);  // 31 February
  EXPECT_EQ(Write32(time, 1440), 0);
}

TEST_F(ObjectAccess, OtherNodesFailAfterTheirTimeOut) {
  SDO_TimeoutMs = 0;
  uint8_t buf[16];
  EXPECT_EQ(OBJ_Read(0x05001008, buf, sizeof(buf), 0), 0);
  uint8_t v[2] = {0x31, 1};
  EXPECT_EQ(OBJ_Write(0x05003000, v, 2), 0);
  SDO_TimeoutMs = 1000;
}

namespace {

// A node 5 on a loopback bus that serves one 20-byte object (segmented) and one 4-byte object (expedited).
uint8_t gServed[20] = {'S', 'e', 'r', 'v', 'e', 'd', ' ', 'b', 'y', ' ', 'n', 'o', 'd', 'e', ' ', 'f', 'i', 'v', 'e', 0};
std::vector<uint8_t> gReceived;
size_t gPos;

int FakeNode(const CAN_FRAME* f) {
  if (f->Id != 0x605) return 1;
  const uint8_t* d = f->aData;
  CAN_FRAME a{};
  a.Id = 0x585;
  a.Len = 8;
  uint16_t idx = (uint16_t)(d[1] | d[2] << 8);
  switch (d[0] >> 5) {
    case 2:  // initiate upload
      a.aData[1] = d[1];
      a.aData[2] = d[2];
      a.aData[3] = d[3];
      if (idx == 0x2000) {
        a.aData[0] = 0x4F;  // expedited, 1 byte
        a.aData[4] = 0x5A;
      } else {
        a.aData[0] = 0x41;
        a.aData[4] = sizeof(gServed);
        gPos = 0;
      }
      break;
    case 3: {  // upload segment
      size_t n = std::min<size_t>(7, sizeof(gServed) - gPos);
      a.aData[0] = (uint8_t)((d[0] & 0x10) | (7 - n) << 1 | (gPos + n == sizeof(gServed)));
      memcpy(a.aData + 1, gServed + gPos, n);
      gPos += n;
      break;
    }
    case 1:  // initiate download
      gReceived.clear();
      if (d[0] & 2) gReceived.assign(d + 4, d + 8 - ((d[0] >> 2) & 3));
      a.aData[0] = 0x60;
      break;
    case 0: {  // download segment
      gReceived.insert(gReceived.end(), d + 1, d + 8 - ((d[0] >> 1) & 7));
      a.aData[0] = (uint8_t)(0x20 | (d[0] & 0x10));
      break;
    }
    default: return 1;
  }
  CAN_OnFrame(&a);
  return 1;
}

}  // namespace

TEST_F(ObjectAccess, SdoTransfersWithAnAnsweringNode) {
  CAN_pfSendFrame = FakeNode;
  uint8_t buf[64] = {};
  EXPECT_EQ(OBJ_Read(0x05002000, buf, sizeof(buf), 0), 1);
  EXPECT_EQ(buf[0], 0x5A);
  EXPECT_EQ(OBJ_Read(0x05001008, buf, sizeof(buf), 0), 20);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buf)), "Served by node five");
  EXPECT_EQ(OBJ_Read(0x05001008, buf, 10, 0), 0);  // no room for the whole object
  const uint8_t small[3] = {0x41, 0x34, 0x12};
  EXPECT_EQ(OBJ_Write(0x05004345, small, 3), 1);
  EXPECT_EQ(gReceived, std::vector<uint8_t>(small, small + 3));
  uint8_t big[17];
  for (int i = 0; i < 17; i++) big[i] = (uint8_t)(i * 3);
  EXPECT_EQ(OBJ_Write(0x05004345, big, 17), 1);
  EXPECT_EQ(gReceived, std::vector<uint8_t>(big, big + 17));
  // A write of nothing reaches the node as the address alone: the node stores no bytes.
  EXPECT_EQ(OBJ_Write(0x05004345, nullptr, 0), 1);
  EXPECT_EQ(gReceived, std::vector<uint8_t>());
  CAN_pfSendFrame = nullptr;
}

TEST_F(ObjectAccess, FirmwareTransferFailsWithoutAnAnsweringNode) {
  SDO_TimeoutMs = 0;
  std::string path = Path("fw.bin");
  FILE* f = fopen(path.c_str(), "wb");
  fputs("firmware", f);
  fclose(f);
  SDO_FIRMWARE_JOB job = {7, {}};
  snprintf(job.acPath, sizeof(job.acPath), "%s", path.c_str());
  SDO_FirmwareUpdateTask(&job);
  EXPECT_EQ(CAN_FirmwareProgress, -1);
  // With a node that takes the download, the transfer completes.
  CAN_pfSendFrame = [](const CAN_FRAME* fr) {
    CAN_FRAME a{};
    a.Id = 0x580 + (fr->Id - 0x600);
    a.Len = 8;
    a.aData[0] = (fr->aData[0] >> 5) == 1 ? 0x60 : (uint8_t)(0x20 | (fr->aData[0] & 0x10));
    CAN_OnFrame(&a);
    return 1;
  };
  SDO_FirmwareUpdateTask(&job);
  EXPECT_EQ(CAN_FirmwareProgress, 100);
  CAN_pfSendFrame = nullptr;
  SDO_TimeoutMs = 1000;
}

TEST_F(ObjectAccess, ADigitalInputReadsOffAndOnOnThePagesAndInTheInputSimulation) {
  const uint32_t Value = OBJ_MakeAddress(0, 3, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, OBJ_VC_OUTPUT));
  IO_Inputs[3].SetParameter(IO_IN_PAR_UNIT, 1, 0);  // a unit chosen while the input was analog stays stored
  IO_Inputs[3].SetParameter(IO_IN_PAR_TYPE, IO_IN_TYPE_DIGITAL, 0);
  Bytes v = Read(Value);
  ASSERT_EQ(v.size(), 6u);
  EXPECT_EQ(v[1], IO_UNIT_OFF_ON);
  EXPECT_EQ(SIM_InputDescs[3].Unit, IO_UNIT_OFF_ON);
  // Analog again: the stored unit counts.
  IO_Inputs[3].SetParameter(IO_IN_PAR_TYPE, 2, 0);
  EXPECT_EQ(Read(Value)[1], 1);
  EXPECT_EQ(SIM_InputDescs[3].Unit, 1u);
  EXPECT_EQ(IO_Inputs[3].GetParameter(IO_IN_PAR_UNIT), 1);
}
