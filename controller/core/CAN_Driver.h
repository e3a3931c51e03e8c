// The CAN frame driver under the SDO client. The simulation's driver is empty: without an installed send
// routine frames go nowhere and no node answers. A driver (or a test) installs CAN_pfSendFrame and hands
// received frames to CAN_OnFrame.
#pragma once
#include <cstdint>

struct CAN_FRAME {
  uint32_t Id;
  uint8_t Len;
  uint8_t aData[8];
};

extern int (*CAN_pfSendFrame)(const CAN_FRAME* pFrame);  // 1 sent; null = empty driver
int CAN_SendFrame(const CAN_FRAME* pFrame);               // 0 when no driver takes it
void CAN_OnFrame(const CAN_FRAME* pFrame);                // a received frame
