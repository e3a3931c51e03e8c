// The own CAN node's state and what it knows of the other nodes. The frame driver of the simulation is empty:
// no other node ever answers.
#pragma once
#include <cstdint>

enum { CAN_MAX_NODES = 64 };

// One entry per node number: byte 0 non-zero = present, byte 1 device type, byte 2 further information.
struct CAN_NODE_ENTRY {
  uint8_t Present;
  uint8_t DeviceType;
  uint8_t Info;
  uint8_t aReserved[5];
};
static_assert(sizeof(CAN_NODE_ENTRY) == 8);
extern CAN_NODE_ENTRY CAN_NodeTable[CAN_MAX_NODES];

enum { CAN_STATE_INIT = 0, CAN_STATE_STOPPED = 4, CAN_STATE_OPERATIONAL = 5, CAN_STATE_PREOPERATIONAL = 127 };
struct CAN_NODE_STATE {
  uint8_t State;
  uint8_t Running;  // 1 while the own node takes part in the bus
  uint8_t aReserved[2];
  uint32_t ErrorCount;
};
extern CAN_NODE_STATE CAN_NodeState;
int CAN_GetNodeState(const CAN_NODE_STATE* pState);  // non-zero while the node runs
const char16_t* CAN_GetNodeStateText(const CAN_NODE_STATE* pState);
void CAN_StartNode();  // start-up: the node becomes operational

// Written by the node-transfer task: 0..100 % while a transfer runs, -1 after a failure.
extern volatile int32_t CAN_FirmwareProgress;

// Device type that this controller reports (object 0x23E2 sub-index 1 and the network page).
enum { CAN_OWN_DEVICE_TYPE = 135 };
extern const char CAN_DeviceName8[];        // object 0x1008
extern const char16_t CAN_DeviceName16[];   // object 0x2512
