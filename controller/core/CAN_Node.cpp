#include "CAN_Node.h"

#include "TXT_Current.h"

CAN_NODE_ENTRY CAN_NodeTable[CAN_MAX_NODES];
CAN_NODE_STATE CAN_NodeState;
volatile int32_t CAN_FirmwareProgress;
const char CAN_DeviceName8[] = "MERIDOX";
const char16_t CAN_DeviceName16[] = u"MERIDOX";

int CAN_GetNodeState(const CAN_NODE_STATE* p) { return p && p->Running; }

const char16_t* CAN_GetNodeStateText(const CAN_NODE_STATE* p) {
  if (!p) return TXT_EmptyText;
  // The network page's state words (group CAN, items 4 to 6).
  switch (p->State) {
    case CAN_STATE_OPERATIONAL: return TXT_GetText(TXT_GROUP_CAN, 4);
    case CAN_STATE_PREOPERATIONAL: return TXT_GetText(TXT_GROUP_CAN, 5);
    case CAN_STATE_STOPPED: return TXT_GetText(TXT_GROUP_CAN, 6);
    default: return TXT_GetText(TXT_GROUP_SERVER, TXT_SERVER_INITIALISING);
  }
}

void CAN_StartNode() {
  CAN_NodeState.State = CAN_STATE_OPERATIONAL;
  CAN_NodeState.Running = 1;
}
