// The one path helper of the controller: turns the controller's paths ("M0:\folder\file", back-slashes) into
// host paths. "M0:" is the internal memory, the "Intern" folder under APP_DocumentsFolder.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

enum { PATH_MAX_LEN = 1024 };

// Resolves sPath into pOut; other paths only have their back-slashes turned into '/'. 1 done, 0 too long or null.
int PATH_Resolve(const char* sPath, char* pOut, size_t OutSize);
// Joins a folder and a name with '/' (the folder may be empty). 1 done, 0 too long.
int PATH_Join(const char* sFolder, const char* sName, char* pOut, size_t OutSize);
// 1 when the controller path names an existing file.
int PATH_FileExists(const char* sPath);
// Creates a folder and its parents when missing. 1 when the folder exists afterwards.
int PATH_MakeFolder(const char* sHostPath);
// Writes a whole file through a temporary file beside it that is renamed over it, so that a write that fails
// part-way (disk full, size limit, a kill) leaves the old file or the new one whole, never a torn one. 1 written,
// 0 failed: the old file is untouched, the temporary is removed, errno tells why (a missing folder is not
// created).
int PATH_WriteFileAtomic(const char* sHostPath, const void* pData, size_t NumBytes);
// Names of the files in a host folder whose names end in Extension (any case), sorted.
std::vector<std::string> PATH_ListFiles(const char* sHostFolder, const char* sExtension);
