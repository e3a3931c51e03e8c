// Import of branding and design files, and the check of a dropped overview page file: every size and count is
// checked against the bytes that are there, the design header and dictionary are deciphered in a copy, and only
// a file that passed everything replaces the loaded one. The stored copy is written whole or not at all, and a
// copy that could not be written is said in the report.
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <utility>
#include <vector>

#include "AES.h"
#include "APP_Host.h"
#include "DSG_Design.h"
#include "DSG_State.h"
#include "PATH.h"

DSG_LOADED DSG_Loaded;
const char* DSG_pPagesFolder;

namespace {

int _Report(DSG_REPORT* pReport, int Code, const char* sFormat, ...) {
  if (pReport) {
    pReport->Code = Code;
    pReport->NotStored = 0;
    va_list Args;
    va_start(Args, sFormat);
    vsnprintf(pReport->acText, sizeof(pReport->acText), sFormat, Args);
    va_end(Args);
  }
  return Code;
}

// Keeps an imported file for the next start. A copy that cannot be written does not undo the import, but the
// user must hear of it: the report says where and why, and that the old copy (or none) is loaded next time.
void _Store(const char* sName, const uint8_t* p, size_t NumBytes, DSG_REPORT* pReport) {
  char acPath[PATH_MAX_LEN];
  const char* sWhy = nullptr;
  if (!APP_UserFolder[0] || !PATH_Join(APP_UserFolder, sName, acPath, sizeof(acPath))) {
    snprintf(acPath, sizeof(acPath), "%s", sName);
    sWhy = "there is no user folder";
  } else if (!PATH_MakeFolder(APP_UserFolder)) {
    sWhy = "its folder cannot be made";
  } else if (!PATH_WriteFileAtomic(acPath, p, NumBytes)) {
    sWhy = strerror(errno);
  }
  if (!sWhy || !pReport) return;
  size_t n = strlen(pReport->acText);
  snprintf(pReport->acText + n, sizeof(pReport->acText) - n,
           "; but it could not be kept as \"%s\" (%s), so the next start does not load it", acPath, sWhy);
  pReport->NotStored = 1;
}

// Deciphers n bytes in place with the design key and the file's vector; 0 when the cipher refuses them (n not a
// whole number of 16-byte blocks), which leaves the bytes as they were.
int _Decipher(const uint8_t* pIV, uint8_t* p, size_t n) {
  AES_CONTEXT Ctx;
  DSG_InitCipher(&Ctx, pIV);
  return AES_Decrypt(&Ctx, p, p, n) == 0;
}

// Reads a file from its current position to its end, refusing one larger than Max.
int _ReadAll(FILE* pFile, size_t Max, std::vector<uint8_t>* pData) {
  if (!pFile) return 1;
  uint8_t aBuf[65536];
  size_t n;
  while ((n = fread(aBuf, 1, sizeof(aBuf), pFile)) > 0) {
    if (pData->size() + n > Max) return 2;
    pData->insert(pData->end(), aBuf, aBuf + n);
  }
  return ferror(pFile) ? 1 : 0;
}

}  // namespace

int DSG_ImportBrandingBytes(const uint8_t* p, size_t NumBytes, int NoStore, DSG_REPORT* pReport) {
  if (NumBytes < DSG_BRANDING_HEADER_SIZE) {
    return _Report(pReport, DSG_IMPORT_TRUNCATED, "the file has %zu bytes, fewer than the 32 of its header",
                   NumBytes);
  }
  if (memcmp(p, "q7b", 4) != 0) return _Report(pReport, DSG_IMPORT_BAD_HEADER, "it is not a branding file");
  DSG_BRANDING_INFO Info;
  DSG_ReadBrandingHeader(p, &Info);
  if (DSG_CheckBranding(p)) {
    return _Report(pReport, DSG_IMPORT_BAD_HEADER,
                   "its pictures are too large (background %u of at most %u bytes, logo %u of at most %u)",
                   unsigned(Info.aPartSize[0]), unsigned(DSG_BRANDING_PART1_MAX), unsigned(Info.aPartSize[1]),
                   unsigned(DSG_BRANDING_PART2_MAX));
  }
  uint64_t Total = uint64_t(DSG_BRANDING_HEADER_SIZE) + Info.aPartSize[0] + Info.aPartSize[1] + Info.aPartSize[2];
  if (Total > DSG_BRANDING_AREA) {
    return _Report(pReport, DSG_IMPORT_BAD_HEADER, "its parts need %llu bytes, more than the %u there is room for",
                   (unsigned long long)Total, unsigned(DSG_BRANDING_AREA));
  }
  if (Total > NumBytes) {
    return _Report(pReport, DSG_IMPORT_TRUNCATED, "it ends after %zu of the %llu bytes its header announces",
                   NumBytes, (unsigned long long)Total);
  }
  DSG_Loaded.Branding.assign(p, p + Total);
  DSG__SetBranding();
  _Report(pReport, DSG_IMPORT_OK, "background %u bytes, logo %u bytes", unsigned(Info.aPartSize[0]),
          unsigned(Info.aPartSize[1]));
  if (!NoStore) _Store("Branding.q7b", p, size_t(Total), pReport);
  return DSG_IMPORT_OK;
}

int DSG_ImportDesignBytes(const uint8_t* p, size_t NumBytes, int NoStore, DSG_REPORT* pReport) {
  if (NumBytes < DSG_TEXT_HEADER_SIZE) {
    return _Report(pReport, DSG_IMPORT_TRUNCATED, "the file has %zu bytes, fewer than its 256-byte text header",
                   NumBytes);
  }
  switch (DSG_ParseTextHeader(p, nullptr)) {
    case DSG_TEXT_BAD_MAGIC: return _Report(pReport, DSG_IMPORT_BAD_HEADER, "it is not a design file");
    case DSG_TEXT_BAD_FORMAT: return _Report(pReport, DSG_IMPORT_BAD_HEADER, "its format number is not 0");
    case DSG_TEXT_BAD_END:
      return _Report(pReport, DSG_IMPORT_BAD_HEADER, "its text header does not end within 256 bytes");
  }
  if (NumBytes < DSG_DESIGN_PICTURE_OFFSET) {
    return _Report(pReport, DSG_IMPORT_TRUNCATED, "it ends inside its design header (%zu bytes)", NumBytes);
  }
  const uint8_t* pIV = p + DSG_TEXT_HEADER_SIZE;
  uint8_t aHeader[DSG_DESIGN_HEADER_SIZE];
  memcpy(aHeader, p + DSG_DESIGN_HEADER_OFFSET, sizeof(aHeader));
  _Decipher(pIV, aHeader, sizeof(aHeader));
  DSG_DESIGN_INFO Info;
  DSG_ReadDesignHeader(aHeader, &Info);
  if (memcmp(aHeader, "q7d", 4) != 0) return _Report(pReport, DSG_IMPORT_BAD_HEADER, "its design header is damaged");
  if (DSG_CheckDesign(aHeader)) {
    return _Report(pReport, DSG_IMPORT_BAD_HEADER, "its picture of %u bytes is larger than %u",
                   unsigned(Info.ImageSize), unsigned(DSG_DESIGN_IMAGE_MAX));
  }
  if (Info.DictSize > DSG_DICT_AREA) {
    return _Report(pReport, DSG_IMPORT_BAD_HEADER, "its page list of %u bytes is larger than %u",
                   unsigned(Info.DictSize), unsigned(DSG_DICT_AREA));
  }
  size_t DictOffset = DSG_DESIGN_PICTURE_OFFSET + size_t(Info.ImageSize);
  size_t PageOffset = DictOffset + Info.DictSize;
  if (PageOffset > NumBytes) {
    return _Report(pReport, DSG_IMPORT_TRUNCATED, "it ends after %zu bytes, inside its picture or page list",
                   NumBytes);
  }
  std::vector<uint8_t> Dict(p + DictOffset, p + PageOffset);
  // A page list that is not whole cipher blocks stays enciphered, so it does not begin with "dict".
  if (!_Decipher(pIV, Dict.data(), Dict.size()) || Dict.size() < DSG_DICT_HEADER_SIZE ||
      memcmp(Dict.data(), "dict", 4) != 0) {
    return _Report(pReport, DSG_IMPORT_BAD_DICT, "its page list is damaged");
  }
  size_t NumSlots = (Dict.size() - DSG_DICT_HEADER_SIZE) / DSG_DICT_ENTRY_SIZE;
  uint32_t NumPages = DSG_Get32(&Dict[4]);
  if (NumPages > NumSlots) {
    return _Report(pReport, DSG_IMPORT_BAD_DICT, "its page list names %u pages but holds at most %zu",
                   unsigned(NumPages), NumSlots);
  }
  const uint8_t* pArea = p + PageOffset;
  size_t AreaSize = NumBytes - PageOffset;
  if (AreaSize > DSG_PAGE_AREA) return _Report(pReport, DSG_IMPORT_BAD_PAGE, "its pages exceed %zu bytes", DSG_PAGE_AREA);
  static const char* const s_apPageError[] = {"", "its payload is too large", "its layout is unknown",
                                               "its checksum is wrong", "it is not a page"};
  for (uint32_t i = 0; i < NumPages; i++) {
    const uint8_t* pEntry = &Dict[DSG_DICT_HEADER_SIZE + i * DSG_DICT_ENTRY_SIZE];
    uint32_t Off = DSG_Get32(pEntry);
    if (Off >= AreaSize) {
      return _Report(pReport, DSG_IMPORT_BAD_PAGE, "page %u lies outside the file", unsigned(i + 1));
    }
    int r = DSG_CheckPage(pArea + Off, AreaSize - Off, DSG_Get32(pEntry + 8));
    if (r != DSG_PAGE_OK) {
      return _Report(pReport, DSG_IMPORT_BAD_PAGE, "page %u is damaged: %s", unsigned(i + 1), s_apPageError[r]);
    }
    DSG_PAGE_INFO Page;
    DSG_ReadPageHeader(pArea + Off, &Page);
    if (DSG_PageRecordsSize(Page.NumElements) + Page.PayloadSize > AreaSize - Off) {
      return _Report(pReport, DSG_IMPORT_TRUNCATED, "page %u ends beyond the end of the file", unsigned(i + 1));
    }
  }
  DSG_Loaded.Design.assign(p, p + NumBytes);
  memcpy(DSG_Loaded.aDesignHeader, aHeader, sizeof(aHeader));
  DSG_Loaded.Dict = std::move(Dict);
  DSG_Loaded.PictureOffset = DSG_DESIGN_PICTURE_OFFSET;
  DSG_Loaded.PageOffset = PageOffset;
  DSG_Loaded.NumPages = NumPages;
  DSG__SetDesign();
  _Report(pReport, DSG_IMPORT_OK, "%u overview page%s, %s", unsigned(NumPages), NumPages == 1 ? "" : "s",
          Info.ImageSize ? "with a picture" : "without a picture");
  if (!NoStore) _Store("Design.q7d", p, NumBytes, pReport);
  return DSG_IMPORT_OK;
}

int DSG_ImportBranding(FILE* pFile, int NoStore, DSG_REPORT* pReport) {
  std::vector<uint8_t> Data;
  int r = _ReadAll(pFile, DSG_BRANDING_AREA, &Data);
  if (r == 2) return _Report(pReport, DSG_IMPORT_BAD_HEADER, "it is larger than %u bytes", unsigned(DSG_BRANDING_AREA));
  if (r) return _Report(pReport, DSG_IMPORT_NO_FILE, "it cannot be read");
  return DSG_ImportBrandingBytes(Data.data(), Data.size(), NoStore, pReport);
}

int DSG_ImportDesign(FILE* pFile, int NoStore, DSG_REPORT* pReport) {
  std::vector<uint8_t> Data;
  int r = _ReadAll(pFile, DSG_DESIGN_FILE_MAX, &Data);
  if (r == 2) return _Report(pReport, DSG_IMPORT_BAD_PAGE, "it is larger than %zu bytes", DSG_DESIGN_FILE_MAX);
  if (r) return _Report(pReport, DSG_IMPORT_NO_FILE, "it cannot be read");
  return DSG_ImportDesignBytes(Data.data(), Data.size(), NoStore, pReport);
}

int DSG_CheckPageBytes(const uint8_t* p, size_t NumBytes, DSG_REPORT* pReport) {
  if (NumBytes < DSG_PAGE_HEADER_SIZE) {
    return _Report(pReport, DSG_IMPORT_TRUNCATED, "the file has %zu bytes, fewer than the %d of its header", NumBytes,
                   int(DSG_PAGE_HEADER_SIZE));
  }
  if (memcmp(p, "q7f", 3) != 0) return _Report(pReport, DSG_IMPORT_BAD_HEADER, "it is not an overview page");
  DSG_PAGE_INFO Info;
  DSG_ReadPageHeader(p, &Info);
  if (Info.PayloadSize > DSG_PAGE_PAYLOAD_MAX) {
    return _Report(pReport, DSG_IMPORT_BAD_HEADER, "its payload of %u bytes is larger than %u",
                   unsigned(Info.PayloadSize), unsigned(DSG_PAGE_PAYLOAD_MAX));
  }
  if (Info.Version > 1 || Info.ElementSize != DSG_ELEMENT_SIZE) {
    return _Report(pReport, DSG_IMPORT_BAD_HEADER, "its layout is unknown (version %u, elements of %u bytes)",
                   unsigned(Info.Version), unsigned(Info.ElementSize));
  }
  size_t Need = DSG_PageRecordsSize(Info.NumElements) + Info.PayloadSize;
  if (Need > NumBytes) {
    return _Report(pReport, DSG_IMPORT_TRUNCATED, "it ends after %zu of the %zu bytes its header announces",
                   NumBytes, Need);
  }
  return _Report(pReport, DSG_IMPORT_OK, "%u element%s", unsigned(Info.NumElements),
                 Info.NumElements == 1 ? "" : "s");
}

int DSG_CheckPageFile(const char* sPath, DSG_REPORT* pReport) {
  // The largest page there can be: every element record a count can name, and the largest payload.
  const size_t Max = DSG_PageRecordsSize(0xFFFF) + DSG_PAGE_PAYLOAD_MAX;
  std::vector<uint8_t> Data;
  FILE* pFile = sPath ? fopen(sPath, "rb") : nullptr;
  if (!pFile) return _Report(pReport, DSG_IMPORT_NO_FILE, "it cannot be opened");
  int r = _ReadAll(pFile, Max, &Data);
  fclose(pFile);
  if (r == 2) return _Report(pReport, DSG_IMPORT_BAD_HEADER, "it is larger than %zu bytes", Max);
  if (r) return _Report(pReport, DSG_IMPORT_NO_FILE, "it cannot be read");
  return DSG_CheckPageBytes(Data.data(), Data.size(), pReport);
}

int DSG_IsDesignLoaded(void) { return DSG_Loaded.Design.empty() ? 0 : 1; }
int DSG_IsBrandingLoaded(void) { return DSG_Loaded.Branding.empty() ? 0 : 1; }
int DSG_GetLayout(void) { return DSG_IsDesignLoaded() ? DSG_Loaded.aDesignHeader[8] : 0; }
int DSG_GetNumDesignPages(void) { return DSG_IsDesignLoaded() ? int(DSG_Loaded.NumPages) : 0; }

int DSG_GetDesignPage(int n, const uint8_t** ppPage, size_t* pNumBytes) {
  if (!DSG_IsDesignLoaded() || n < 0 || uint32_t(n) >= DSG_Loaded.NumPages) return 1;
  uint32_t Off = DSG_Get32(&DSG_Loaded.Dict[DSG_DICT_HEADER_SIZE + size_t(n) * DSG_DICT_ENTRY_SIZE]);
  *ppPage = DSG_Loaded.Design.data() + DSG_Loaded.PageOffset + Off;
  *pNumBytes = DSG_Loaded.Design.size() - DSG_Loaded.PageOffset - Off;
  return 0;
}
