// The documents folder named by the user-dirs file: XDG_DOCUMENTS_DIR="..." lines, a quoted path that may begin
// with $HOME; the last absolute one counts. The file's text comes from outside, so it is read as bytes of a known
// length, line by line, without limits on a line's length.
#include <cstring>
#include <string>

#include "SIM.h"

std::string SIM__DocumentsFromUserDirs(const char* pText, size_t Size, const std::string& Home) {
  static const char acKey[] = "XDG_DOCUMENTS_DIR=\"";
  const size_t KeyLen = sizeof(acKey) - 1;
  std::string Found;
  size_t Pos = 0;
  while (pText && Pos < Size) {
    const char* pLine = pText + Pos;
    const void* pEnd = memchr(pLine, '\n', Size - Pos);
    size_t Len = pEnd ? size_t(static_cast<const char*>(pEnd) - pLine) : Size - Pos;
    Pos += Len + 1;
    if (Len < KeyLen || memcmp(pLine, acKey, KeyLen) != 0) continue;
    std::string Value(pLine + KeyLen, Len - KeyLen);
    size_t Quote = Value.find('"');
    if (Quote == std::string::npos) continue;
    Value.resize(Quote);
    Value.resize(strnlen(Value.c_str(), Value.size()));  // a path ends at a zero byte
    if (Value.compare(0, 5, "$HOME") == 0) Value = Home + Value.substr(5);
    if (!Value.empty() && Value[0] == '/') Found = Value;
  }
  return Found;
}
