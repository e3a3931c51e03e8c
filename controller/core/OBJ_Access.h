// Object access by node and address (OBJ_Map.h): the own node (node 0 or the own node number) is answered
// locally, other nodes through SDO transfers. The screens hold APP_hUiSemaphore around their calls; the local
// handlers take APP_hDataMutex themselves.
#pragma once
#include <cstdint>

// Reads the object at Address into pBuf (at most Size bytes). Returns the number of bytes delivered, 0 on failure
// (the buffer is then not to be used).
int OBJ_Read(uint32_t Address, void* pBuf, int Size, int Option);
// Writes Len bytes to the object at Address: 1 written, 0 refused or failed.
int OBJ_Write(uint32_t Address, const void* pData, int Len);
// The own node's handlers; SubIndexAndIndex = sub-index << 16 | 16-bit index.
int OBJ_ReadLocal(void* pBuf, int Size, uint32_t SubIndexAndIndex, int Flags);
int OBJ_WriteLocal(uint32_t SubIndexAndIndex, const void* pData, int Len);
// 1 when a node number means the own node (0 or the own node number).
int OBJ_IsOwnNode(int Node);
// The access level a write to the own node's object at Address needs (0 when the object asks for none or the
// address names no value of the own node).
int OBJ_WriteLevel(uint32_t Address);

// Results of the access-code check objects, for tests and the screens.
int OBJ_GetCodeCheckResult(int Level);
