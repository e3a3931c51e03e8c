// The loaded branding and design: their import from a file or from bytes, the copies kept in the user folder,
// the design reset, and the pages of the design. An import first checks the whole file; only a file that passed
// every check replaces what is loaded and the stored copy, so a refused file changes nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "DSG_Format.h"

// What an import did, in words for the log.
struct DSG_REPORT {
  int Code;           // DSG_IMPORT_...
  char acText[400];
  int NotStored;      // imported, but its copy for the next start could not be written (acText says where and why)
};

// Imports from bytes. NoStore 0 also writes the bytes to "Branding.q7b" / "Design.q7d" in the user folder
// (APP_UserFolder), through a temporary file that is renamed. A copy that cannot be written leaves the old copy
// as it was and does not refuse the file: the report's NotStored says so.
int DSG_ImportBrandingBytes(const uint8_t* p, size_t NumBytes, int NoStore, DSG_REPORT* pReport);
int DSG_ImportDesignBytes(const uint8_t* p, size_t NumBytes, int NoStore, DSG_REPORT* pReport);
// The same from an open file, read from its current position to its end.
int DSG_ImportBranding(FILE* pFile, int NoStore, DSG_REPORT* pReport);
int DSG_ImportDesign(FILE* pFile, int NoStore, DSG_REPORT* pReport);

// Removes the loaded design and its stored copy, and draws the built-in look again.
void DSG_ResetDesign(void);
// Forgets the loaded branding and design without touching the stored copies (tests, restart).
void DSG_Forget(void);

int DSG_IsDesignLoaded(void);
int DSG_IsBrandingLoaded(void);
int DSG_GetLayout(void);         // the design header's layout byte, 0 without a design
int DSG_GetNumDesignPages(void);  // dictionary entries of the loaded design, 0 without one
// Page n of the loaded design: its record (header, elements, payload) and the bytes available from its start.
// 0 when found, 1 when there is no design or no such page.
int DSG_GetDesignPage(int n, const uint8_t** ppPage, size_t* pNumBytes);

// A file dropped on the display: imported and stored, then the screens are drawn again (a design shows its
// first overview page). pReport says what was loaded or why the file was refused. Returns the import's result.
int DSG_LoadDesignFile(const char* sPath, DSG_REPORT* pReport);
int DSG_LoadBrandingFile(const char* sPath, DSG_REPORT* pReport);
// The same asked for by another thread (the host's drop): the file is loaded by the GUI thread on its next pass
// (drawing belongs to that thread), in the order asked, and pfDone hears of the result there.
enum { DSG_KIND_DESIGN, DSG_KIND_BRANDING };
typedef void DSG_DONE_FUNC(int Kind, const char* sPath, const DSG_REPORT* pReport);
void DSG_RequestLoad(int Kind, const char* sPath, DSG_DONE_FUNC* pfDone);
void DSG_ServeRequests(void);  // the GUI thread's pass: loads what was asked for
// A stand-alone overview page file ("q7f") dropped on the display: read whole and checked as the overview will
// read it (header, layout, element records and payload all there). DSG_IMPORT_OK, or why it is refused.
int DSG_CheckPageFile(const char* sPath, DSG_REPORT* pReport);
int DSG_CheckPageBytes(const uint8_t* p, size_t NumBytes, DSG_REPORT* pReport);  // the same on the file's bytes
// Start-up: imports the stored copies without storing them again. A stored copy that is there but refused
// (damaged, unreadable) is passed to DSG_pfStoredRefused, which the host points at its report; the screens then
// run without it.
void DSG_LoadStoredFiles(void);
extern DSG_DONE_FUNC* DSG_pfStoredRefused;
// Draws branding and design into the graphics cache again and invalidates every window.
void DSG_Redraw(void);

// Folder of the stand-alone page files "<n + 1>.q7f" used without a design; the host points it at its setting.
// Null or empty: the current folder.
extern const char* DSG_pPagesFolder;
