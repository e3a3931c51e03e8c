#include "OBJ_Access.h"

#include "SDO_Client.h"

int OBJ_Read(uint32_t Address, void* pBuf, int Size, int Option) {
  int node = (int)(Address >> 24);
  if (!pBuf || Size <= 0) return 0;
  if (OBJ_IsOwnNode(node)) return OBJ_ReadLocal(pBuf, Size, Address & 0xFFFFFF, 0);
  return SDO_Upload(node, (uint16_t)Address, (uint8_t)(Address >> 16), static_cast<uint8_t*>(pBuf), Size);
}

int OBJ_Write(uint32_t Address, const void* pData, int Len) {
  int node = (int)(Address >> 24);
  if (Len < 0) return 0;
  if (OBJ_IsOwnNode(node)) return OBJ_WriteLocal(Address & 0xFFFFFF, pData, Len);
  return SDO_Download(node, (uint16_t)Address, (uint8_t)(Address >> 16), static_cast<const uint8_t*>(pData), Len);
}
