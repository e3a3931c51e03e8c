#include "CHG_Log.h"

#include <cstdio>
#include <string>

#include "FKT_Base.h"
#include "PATH.h"
#include "SET_Objects.h"
#include "SYS_Clock.h"

const char CHG_LogPath[] = "M0:\\change.log";

namespace {

void _Append(std::u16string& s, const char* a) {
  while (*a) s += (char16_t)(unsigned char)*a++;
}

void _Append(std::u16string& s, const char16_t* a) {
  if (a)
    while (*a) s += *a++;
}

std::u16string _Stamp() {
  char b[40];
  const SYS_TM& t = SYS_ClockTm;
  snprintf(b, sizeof(b), "%02d.%02d.%04d %02d:%02d:%02d ", (int)t.Day, (int)t.Month + 1, (int)t.Year + 1900,
           (int)t.Hour, (int)t.Min, (int)t.Sec);
  std::u16string s;
  _Append(s, b);
  return s;
}

int _WriteLine(const std::u16string& line) {
  char path[PATH_MAX_LEN];
  if (!PATH_Resolve(CHG_LogPath, path, sizeof(path))) return 0;
  std::string folder(path);
  size_t slash = folder.find_last_of('/');
  if (slash != std::string::npos) PATH_MakeFolder(folder.substr(0, slash).c_str());
  if (FILE* f = fopen(path, "rb")) {
    fseek(f, 0, SEEK_END);
    long size = ftell(f);
    fclose(f);
    if (size > CHG_MAX_FILE_BYTES) {
      std::string bak = folder.substr(0, slash + 1) + "change.bak";
      std::rename(path, bak.c_str());
    }
  }
  FILE* f = fopen(path, "ab");
  if (!f) return 0;
  std::string bytes;
  if (ftell(f) == 0) bytes += "\xFF\xFE";  // UTF-16 little-endian byte-order mark
  for (char16_t c : line) {
    bytes += (char)(c & 0xFF);
    bytes += (char)(c >> 8);
  }
  bytes += std::string("\r\0\n\0", 4);
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return (fclose(f) == 0) && ok;
}

}  // namespace

int CHG_WriteChange(const char16_t* sWhat, const char16_t* sOld, const char16_t* sNew) {
  std::u16string s = _Stamp();
  _Append(s, sWhat);
  _Append(s, ": ");
  _Append(s, sOld);
  _Append(s, " -> ");
  _Append(s, sNew);
  return _WriteLine(s);
}

int CHG_WriteRestart() {
  std::u16string s = _Stamp();
  _Append(s, "-- Regler Neustart");
  return _WriteLine(s);
}

void CHG_FormatValue(const FUNKTION_BASIS_PAR* p, int Number, int32_t Value, char16_t* pBuf, int BufLen) {
  if (!pBuf || BufLen < 1) return;
  pBuf[0] = 0;
  const FKT_ChoiceList* pList = p->GetChoiceList(Number);
  std::u16string s;
  const char16_t* pChoice = pList ? FKT_ChoiceItemText(pList, (int)((int64_t)Value - pList->FirstValue)) : nullptr;
  if (pChoice) {
    _Append(s, pChoice);
  } else {
    int dec = PAR_UnitDecimals(p->GetParameterUnit(Number));
    int64_t v = Value, scale = PAR_PowerOfTen(dec);
    char b[32];
    if (dec)
      snprintf(b, sizeof(b), "%s%lld.%0*lld", v < 0 ? "-" : "", (long long)((v < 0 ? -v : v) / scale), dec,
               (long long)((v < 0 ? -v : v) % scale));
    else
      snprintf(b, sizeof(b), "%lld", (long long)v);
    _Append(s, b);
  }
  int n = 0;
  for (; n < (int)s.size() && n < BufLen - 1; n++) pBuf[n] = s[n];
  pBuf[n] = 0;
}

void CHG_ParameterChanged(FUNKTION_BASIS_PAR* p, int Number, int32_t OldValue, int32_t NewValue) {
  if (p != &SET_General || Number != SET_GEN_PAR_CHANGED) SET_General.SetParameterRaw(SET_GEN_PAR_CHANGED, 1);
  std::u16string what;
  _Append(what, p->GetClassName());
  char b[24];
  int idx = p->GetFunctionNumber() > 0 ? p->GetFunctionNumber() : p->GetTableIndex() + 1;
  snprintf(b, sizeof(b), " %d ", idx);
  _Append(what, b);
  std::u16string name = FKT_SettingName(p, Number);
  if (!name.empty()) {
    what += name;
  } else {  // a number the user does not set: kept by number rather than lost
    snprintf(b, sizeof(b), "#%d", Number);
    _Append(what, b);
  }
  char16_t o[40], n[40];
  CHG_FormatValue(p, Number, OldValue, o, 40);
  CHG_FormatValue(p, Number, NewValue, n, 40);
  CHG_WriteChange(what.c_str(), o, n);
}
