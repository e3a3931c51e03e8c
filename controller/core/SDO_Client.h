// SDO client: reads and writes objects of other nodes (expedited and segmented transfers, one at a time).
#pragma once
#include <cstdint>

#include "CAN_Driver.h"

extern int SDO_TimeoutMs;  // wait for the transfer and for each answer (1000 ms; tests shorten it)

// Upload (read) of node's object into pBuf: bytes received, 0 on failure or time-out.
int SDO_Upload(int Node, uint16_t Index, uint8_t Sub, uint8_t* pBuf, int Size);
// Download (write): 1 done, 0 failed.
int SDO_Download(int Node, uint16_t Index, uint8_t Sub, const uint8_t* pData, int Len);
// Answer frames of the servers (0x580 + node), called by CAN_OnFrame.
void SDO_ClientOnFrame(const CAN_FRAME* pFrame);

// Transfer of a file to another node (firmware update): the whole file as one download to the node's program
// object 0x1F50 sub-index 1. CAN_FirmwareProgress runs 0..100 and ends at 100, or -1 after a failure.
struct SDO_FIRMWARE_JOB {
  int Node;
  char acPath[1024];  // controller path ("M0:\...") or host path
};
void SDO_FirmwareUpdateTask(void* pJob);
