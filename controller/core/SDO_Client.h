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
