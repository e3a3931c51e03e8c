#include "CAN_Node.h"

CAN_NODE_ENTRY CAN_NodeTable[CAN_MAX_NODES];
CAN_NODE_STATE CAN_NodeState;
volatile int32_t CAN_FirmwareProgress;
const char CAN_DeviceName8[] = "MERIDOX";
const char16_t CAN_DeviceName16[] = u"MERIDOX";

int CAN_GetNodeState(const CAN_NODE_STATE* p) { return p && p->Running; }

const char16_t* CAN_GetNodeStateText(const CAN_NODE_STATE* p) {
  if (!p) return u"";
  switch (p->State) {
    case CAN_STATE_OPERATIONAL: return u"Operational";
    case CAN_STATE_PREOPERATIONAL: return u"Pre-operational";
    case CAN_STATE_STOPPED: return u"Stopped";
    default: return u"Initialising";
  }
}

void CAN_StartNode() {
  CAN_NodeState.State = CAN_STATE_OPERATIONAL;
  CAN_NodeState.Running = 1;
}
