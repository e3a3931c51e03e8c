// Named shared memory of the current user, created exclusively and removed on every way out of the process.
#pragma once
#include <cstddef>

struct PLAT_SHM {
  void* pData;    // the whole mapping, readable and writable
  size_t Size;
  int Handle;     // -1 when not open
  char acName[96];
};

enum { PLAT_SHM_OK = 0, PLAT_SHM_IN_USE = 1, PLAT_SHM_ERROR = -1 };

// Creates the mapping pName of the current user with Size bytes, zero-filled. PLAT_SHM_IN_USE when a live
// process holds that name; a name left behind by a process that died is taken over.
int PLAT_ShmCreate(const char* pName, size_t Size, PLAT_SHM* pShm);
// Names are "/meridox-<uid>-<name>"; tests give their process a namespace of its own ("" restores the default).
void PLAT_ShmSetNamespace(const char* pNamespace);
// Removes the name and closes; unmaps too unless Unmap is 0 (then the memory stays until the process ends).
// Harmless on a closed record.
void PLAT_ShmClose(PLAT_SHM* pShm, int Unmap = 1);
