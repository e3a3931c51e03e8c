#include "DAT_File.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AES.h"
#include "APP_Hooks.h"
#include "APP_Host.h"
#include "CRC.h"
#include "DAT_Image.h"
#include "FKT_Registry.h"
#include "IO_Objects.h"
#include "OS.h"
#include "PATH.h"
#include "SET_Objects.h"
#include "WHIRL.h"

const char DAT_Signature[] = "ORVALDI_KLIMAREGELWERK_DAT_FILE";

namespace {

// Values of the header keys that this controller writes and reads.
const char* const _apKey[] = {"FILE_FORMAT", "DEVICE", "FIRMWARE", "BOOTSECTOR", "SOFTWARE", "ENCRYPTION", "DATA_SIZE"};
const char* const _apValue[] = {"1", "MERIDOX", "1.00", "1.00", "SIM 1.0", "AES256", "256000"};
enum { _KEY_FORMAT = 0, _KEY_ENCRYPTION = 5, _KEY_SIZE = 6, _NUM_KEYS = 7 };

// Image layout: magic, version, records, and the CRC-32 of everything before it in the last four bytes.
const uint32_t _IMAGE_MAGIC = 0x47414D49;  // "IMAG"
const uint16_t _IMAGE_VERSION = 1;
enum : uint8_t { _REC_END = 0, _REC_FIXED = 1, _REC_FUNCTION = 2, _REC_USER_TEXTS = 3 };
const size_t _CRC_POS = DAT_IMAGE_SIZE - 4;

// Key and vector of the image cipher, derived once from a fixed phrase.
void _CipherKey(uint8_t* pKey, uint8_t* pIV) {
  static const char phrase[] = "MERIDOX function data image";
  uint8_t d[WHIRL_DIGEST_SIZE];
  WHIRL_Hash(phrase, sizeof(phrase) - 1, d);
  memcpy(pKey, d, 32);
  memcpy(pIV, d + 32, 16);
}

void _Crypt(const uint8_t* pIn, uint8_t* pOut, bool Encrypt) {
  uint8_t key[32], iv[16];
  _CipherKey(key, iv);
  AES_CONTEXT ctx;
  AES_Init(&ctx, iv, key, 32, AES_MODE_CBC);
  if (Encrypt)
    AES_Encrypt(&ctx, pIn, pOut, DAT_IMAGE_SIZE);
  else
    AES_Decrypt(&ctx, pIn, pOut, DAT_IMAGE_SIZE);
}

void _StoreObject(DAT_WRITER* w, FUNKTION_BASIS_PAR* p) {
  size_t lenPos = w->Pos;
  w->Put32(0);
  size_t start = w->Pos;
  p->StoreToImage(w);
  if (!w->Failed) DAT_Store32(w->pData + lenPos, (uint32_t)(w->Pos - start));
}

// Walks the records of an image; Apply false only checks them, each loaded into a detached object of its class
// (whose limits then see every value of the record), so that a malformed record refuses the whole file before
// anything changes. Returns DAT_OK or DAT_ERR_CONTENT.
int _WalkImage(const uint8_t* pImage, bool Apply) {
  DAT_READER r(pImage, _CRC_POS);
  if (r.Get32() != _IMAGE_MAGIC || r.Get16() != _IMAGE_VERSION) return DAT_ERR_CONTENT;
  r.Get16();
  bool slotUsed[FKT_NUM_SLOTS] = {};
  int poolWords = 0;
  for (;;) {
    uint8_t kind = r.Get8();
    if (r.Failed) return DAT_ERR_CONTENT;
    if (kind == _REC_END) return DAT_OK;
    if (kind == _REC_USER_TEXTS) {
      uint32_t len = r.Get32();
      if (len != FKT_NUM_USER_TEXTS * FKT_USER_TEXT_LEN * 2 || r.Left() < len) return DAT_ERR_CONTENT;
      for (int i = 0; i < FKT_NUM_USER_TEXTS; i++)
        for (int k = 0; k < FKT_USER_TEXT_LEN; k++) {
          char16_t c = (char16_t)r.Get16();
          if (Apply) FKT_UserDesignations[i][k] = (k == FKT_USER_TEXT_LEN - 1) ? 0 : c;
        }
      continue;
    }
    if (kind != _REC_FIXED && kind != _REC_FUNCTION) return DAT_ERR_CONTENT;
    int16_t type = (int16_t)r.Get16();
    uint16_t index = r.Get16();
    uint32_t len = r.Get32();
    if (r.Failed || len > r.Left()) return DAT_ERR_CONTENT;
    DAT_READER sub(pImage + r.Pos, len);
    r.Pos += len;
    FUNKTION_BASIS_PAR* pObj = nullptr;
    FKT_SLOT scratch;  // the detached object a record is checked in
    if (kind == _REC_FIXED) {
      pObj = Apply ? IO_FindFixedObject(type, index) : IO_ConstructDetached(type, index, &scratch);
      if (!pObj) return DAT_ERR_CONTENT;
    } else {
      if (index >= FKT_NUM_SLOTS || slotUsed[index] || !FKT_IsClassRegistered(type)) return DAT_ERR_CONTENT;
      slotUsed[index] = true;
      if (Apply) {
        if (FKT_CreateObject(type, index, &pObj) != FKT_OK) return DAT_ERR_CONTENT;
      } else {
        pObj = FKT_ConstructDetached(type, &scratch);
        if (!pObj) return DAT_ERR_CONTENT;
        poolWords += pObj->GetPoolWordCount();
      }
    }
    // The record must be exactly what its object reads: shorter or longer means it was altered.
    bool good = pObj->LoadFromImage(&sub, 1) && sub.Pos == sub.Size;
    if (!Apply) pObj->~FUNKTION_BASIS_PAR();
    if (!good || poolWords > FKT_POOL_WORDS) return DAT_ERR_CONTENT;
  }
}

std::string _Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

}  // namespace

void DAT_MakeHeader(uint8_t* pHeader) {
  std::string s = DAT_Signature;
  s += "\r\n";
  char line[80];
  for (int i = 0; i < _NUM_KEYS; i++) {
    snprintf(line, sizeof(line), "%11s:%s\r\n", _apKey[i], _apValue[i]);
    s += line;
  }
  memset(pHeader, 0, DAT_HEADER_SIZE);
  memcpy(pHeader, s.data(), s.size() < (size_t)DAT_HEADER_SIZE ? s.size() : (size_t)DAT_HEADER_SIZE);
}

const char* DAT_ErrorText(int Result) {
  switch (Result) {
    case DAT_OK: return "";
    case DAT_ERR_MAGIC: return "not a function-data file";
    case DAT_ERR_HEADER: return "header not readable by this controller";
    case DAT_ERR_SIZE: return "wrong size";
    case DAT_ERR_CRC: return "checksum wrong (damaged)";
    case DAT_ERR_OPEN: return "cannot be read";
    case DAT_ERR_CONTENT: return "contents malformed or unknown to this controller";
    case DAT_ERR_WRITE: return "cannot be written";
  }
  return "unknown error";
}

int DAT_ParseHeader(const uint8_t* pHeader, size_t NumBytes) {
  if (!pHeader || NumBytes < DAT_HEADER_SIZE) return DAT_ERR_MAGIC;
  std::string text(reinterpret_cast<const char*>(pHeader), DAT_HEADER_SIZE);
  size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t e = text.find('\n', pos);
    std::string l = text.substr(pos, e == std::string::npos ? std::string::npos : e - pos);
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
    if (e == std::string::npos) break;
    pos = e + 1;
  }
  if (lines.empty() || lines[0] != DAT_Signature) return DAT_ERR_MAGIC;
  std::string found[_NUM_KEYS];
  bool have[_NUM_KEYS] = {};
  for (size_t i = 1; i < lines.size(); i++) {
    size_t c = lines[i].find(':');
    if (c == std::string::npos) continue;
    std::string key = _Trim(lines[i].substr(0, c)), value = _Trim(lines[i].substr(c + 1));
    for (int k = 0; k < _NUM_KEYS; k++)
      if (key == _apKey[k]) {
        found[k] = value;
        have[k] = true;
      }
  }
  for (int k = 0; k < _NUM_KEYS; k++)
    if (!have[k]) return DAT_ERR_HEADER;
  if (found[_KEY_FORMAT] != _apValue[_KEY_FORMAT] || found[_KEY_ENCRYPTION] != _apValue[_KEY_ENCRYPTION])
    return DAT_ERR_HEADER;
  if (found[_KEY_SIZE] != _apValue[_KEY_SIZE]) return DAT_ERR_SIZE;
  return DAT_OK;
}

void DAT_SealImage(uint8_t* pImage) {
  DAT_Store32(pImage, _IMAGE_MAGIC);
  DAT_Store16(pImage + 4, _IMAGE_VERSION);
  DAT_Store16(pImage + 6, 0);
  DAT_Store32(pImage + _CRC_POS, CRC32_Calc(pImage, _CRC_POS));
}

int DAT_BuildImage(uint8_t* pImage) {
  memset(pImage, 0, DAT_IMAGE_SIZE);
  DAT_WRITER w(pImage, _CRC_POS);
  w.Pos = DAT_IMAGE_RECORDS;
  IO_ForEachFixedObject(
      [](FUNKTION_BASIS_PAR* p, void* c) {
        DAT_WRITER* pw = static_cast<DAT_WRITER*>(c);
        pw->Put8(_REC_FIXED);
        pw->Put16((uint16_t)p->GetTypeCode());
        pw->Put16((uint16_t)p->GetTableIndex());
        _StoreObject(pw, p);
      },
      &w);
  for (int i = 0; FKT_Registry[i]; i++) {
    FUNKTION_BASIS_PAR* p = FKT_Registry[i];
    w.Put8(_REC_FUNCTION);
    w.Put16((uint16_t)p->GetTypeCode());
    w.Put16((uint16_t)(p->GetFunctionNumber() - 1));
    _StoreObject(&w, p);
  }
  w.Put8(_REC_USER_TEXTS);
  w.Put32(FKT_NUM_USER_TEXTS * FKT_USER_TEXT_LEN * 2);
  for (auto& t : FKT_UserDesignations)
    for (char16_t c : t) w.Put16((uint16_t)c);
  w.Put8(_REC_END);
  if (w.Failed) return 0;
  DAT_SealImage(pImage);
  return 1;
}

int DAT_CheckImage(const uint8_t* pImage) {
  if (CRC32_Calc(pImage, _CRC_POS) != DAT_Load32(pImage + _CRC_POS)) return DAT_ERR_CRC;
  return _WalkImage(pImage, false);
}

int DAT_ApplyImage(const uint8_t* pImage) {
  int r = DAT_CheckImage(pImage);
  if (r != DAT_OK) return r;
  FKT_DeleteAll();
  IO_ResetAll();
  memset(FKT_UserDesignations, 0, sizeof(FKT_UserDesignations));
  r = _WalkImage(pImage, true);
  FKT_AssignPool();
  SET_General.SetParameterRaw(SET_GEN_PAR_CHANGED, 0);
  IO_WriteSimInputDesc();
  return r;
}

void DAT_EncodeImage(const uint8_t* pImage, uint8_t* pFile) {
  DAT_MakeHeader(pFile);
  _Crypt(pImage, pFile + DAT_HEADER_SIZE, true);
}

int DAT_EncodeFile(uint8_t* pFile) {
  std::vector<uint8_t> image(DAT_IMAGE_SIZE);
  if (!DAT_BuildImage(image.data())) return 0;
  DAT_EncodeImage(image.data(), pFile);
  return 1;
}

int DAT_LoadFunctionDataBytes(const uint8_t* pFile, size_t NumBytes) {
  if (!pFile) return DAT_ERR_OPEN;
  int r = DAT_ParseHeader(pFile, NumBytes);
  if (r != DAT_OK) return r;
  if (NumBytes != DAT_FILE_SIZE) return DAT_ERR_SIZE;
  std::vector<uint8_t> image(DAT_IMAGE_SIZE);
  _Crypt(pFile + DAT_HEADER_SIZE, image.data(), false);
  r = DAT_CheckImage(image.data());
  if (r != DAT_OK) return r;
  APP_DATA_LOCK Lock;
  return DAT_ApplyImage(image.data());
}

int DAT_LoadFunctionDataFile(const char* sPath, int Quiet) {
  char path[PATH_MAX_LEN];
  int r = DAT_ERR_OPEN;
  if (PATH_Resolve(sPath, path, sizeof(path))) {
    if (FILE* f = fopen(path, "rb")) {
      // One byte more than a valid file, so that an over-long file is seen as such.
      std::vector<uint8_t> data(DAT_FILE_SIZE + 1);
      size_t n = fread(data.data(), 1, data.size(), f);
      // A folder opens but cannot be read: that is a file that cannot be read, not a foreign one.
      bool readFailed = ferror(f) != 0;
      fclose(f);
      if (!readFailed) r = DAT_LoadFunctionDataBytes(data.data(), n);
    }
  }
  if (r != DAT_OK && !Quiet && APP_UiHooks.pfReportLoadError) APP_UiHooks.pfReportLoadError(r, sPath);
  return r;
}

int DAT_SaveFunctionDataFile(const char* sPath) {
  char path[PATH_MAX_LEN];
  if (!PATH_Resolve(sPath, path, sizeof(path))) return DAT_ERR_WRITE;
  std::vector<uint8_t> file(DAT_FILE_SIZE);
  int ok;
  {
    APP_DATA_LOCK Lock;
    ok = DAT_EncodeFile(file.data());
  }
  if (!ok) return DAT_ERR_WRITE;
  std::string folder = path;
  size_t slash = folder.find_last_of('/');
  if (slash != std::string::npos && slash > 0) PATH_MakeFolder(folder.substr(0, slash).c_str());
  if (PATH_WriteFileAtomic(path, file.data(), file.size())) return DAT_OK;
  // The screens only say that saving failed; the host's log keeps which file and why.
  std::string Notice = std::string("Function data not saved as \"") + path + "\": " + strerror(errno) +
                       "; a file of that name keeps what it held.";
  APP_Report(Notice.c_str());
  return DAT_ERR_WRITE;
}

int DAT_GetTmpFilePath(char* pOut, size_t OutSize) { return PATH_Join(APP_UserFolder, "tmp.dat", pOut, OutSize); }

int DAT_SaveTmpFile() {
  char path[PATH_MAX_LEN];
  return DAT_GetTmpFilePath(path, sizeof(path)) ? DAT_SaveFunctionDataFile(path) : DAT_ERR_WRITE;
}
