// Character encodings of 8-bit texts (UTF-8 or one byte per character) and conversion from and to UTF-16.
#include "GUI.h"

namespace {

bool _IsCont(U8 b) { return (b & 0xC0) == 0x80; }

// UTF-8. Malformed bytes are taken one at a time as Latin-1 characters, so text in the wrong encoding stays
// readable; a sequence is never read past a terminator because 0 is no continuation byte. Four-byte
// sequences lie outside the 16-bit character range and read as U+FFFD.
int _GetCharSizeUTF8(const char* s) {
  const U8* p = reinterpret_cast<const U8*>(s);
  U8 b = p[0];
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return _IsCont(p[1]) ? 2 : 1;
  if (b >= 0xE0 && b <= 0xEF) {
    if (!_IsCont(p[1]) || !_IsCont(p[2])) return 1;
    U16 c = static_cast<U16>((b & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
    return c < 0x800 ? 1 : 3; // overlong forms are not characters
  }
  if (b >= 0xF0 && b <= 0xF4) return _IsCont(p[1]) && _IsCont(p[2]) && _IsCont(p[3]) ? 4 : 1;
  return 1;
}

U16 _GetCharCodeUTF8(const char* s) {
  const U8* p = reinterpret_cast<const U8*>(s);
  switch (_GetCharSizeUTF8(s)) {
  case 2: return static_cast<U16>((p[0] & 0x1F) << 6 | (p[1] & 0x3F));
  case 3: return static_cast<U16>((p[0] & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
  case 4: return 0xFFFD;
  default: return p[0];
  }
}

int _CalcSizeOfCharUTF8(U16 c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : 3; }

int _EncodeUTF8(char* s, U16 c) {
  if (c < 0x80) {
    s[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    s[0] = static_cast<char>(0xC0 | c >> 6);
    s[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  s[0] = static_cast<char>(0xE0 | c >> 12);
  s[1] = static_cast<char>(0x80 | (c >> 6 & 0x3F));
  s[2] = static_cast<char>(0x80 | (c & 0x3F));
  return 3;
}

int _GetCharSizeNone(const char*) { return 1; }
U16 _GetCharCodeNone(const char* s) { return *reinterpret_cast<const U8*>(s); }
int _CalcSizeOfCharNone(U16) { return 1; }
int _EncodeNone(char* s, U16 c) {
  *s = static_cast<char>(c < 0x100 ? c : '?');
  return 1;
}

const GUI_UC_ENC_APILIST _EncUTF8 = {_GetCharCodeUTF8, _GetCharSizeUTF8, _CalcSizeOfCharUTF8, _EncodeUTF8};
const GUI_UC_ENC_APILIST _EncNone = {_GetCharCodeNone, _GetCharSizeNone, _CalcSizeOfCharNone, _EncodeNone};
const GUI_UC_ENC_APILIST* _pEnc = &_EncUTF8;

} // namespace

void GUI_UC_SetEncodeNone(void) { _pEnc = &_EncNone; }
void GUI_UC_SetEncodeUTF8(void) { _pEnc = &_EncUTF8; }

U16 GUI_UC_GetCharCode(const char* s) { return _pEnc->pfGetCharCode(s); }
int GUI_UC_GetCharSize(const char* s) { return _pEnc->pfGetCharSize(s); }
int GUI_UC_GetCodeSize(U16 c) { return _pEnc->pfCalcSizeOfChar(c); }
int GUI_UC_Encode(char* s, U16 c) { return _pEnc->pfEncode(s, c); }

U16 GUI_UC__ReadCharCode(const char** ps) {
  U16 c = _pEnc->pfGetCharCode(*ps);
  if (**ps) *ps += _pEnc->pfGetCharSize(*ps);
  return c;
}

int GUI_UC__CountBytes(const char* s, int NumChars) {
  int n = 0;
  while (NumChars-- > 0 && s[n]) n += _pEnc->pfGetCharSize(s + n);
  return n;
}

int GUI_UC__CountChars(const char* s, int NumBytes) {
  int Chars = 0;
  for (int i = 0; i < NumBytes && s[i];) {
    i += _pEnc->pfGetCharSize(s + i);
    ++Chars;
  }
  return Chars;
}

int GUI_UC_ConvertUC2UTF8(const char16_t* s, int Len, char* pBuffer, int BufferSize) {
  if (!pBuffer || BufferSize <= 0) return 0;
  int n = 0;
  char aTmp[3];
  for (int i = 0; s && i < Len && s[i]; ++i) {
    U16 c = s[i];
    if (c >= 0xD800 && c <= 0xDFFF) { // surrogates: outside the fonts' range
      c = 0xFFFD;
      if (s[i] <= 0xDBFF && i + 1 < Len && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) ++i;
    }
    int Size = GUI_UC_Encode(aTmp, c);
    if (n + Size >= BufferSize) break;
    for (int k = 0; k < Size; ++k) pBuffer[n++] = aTmp[k];
  }
  pBuffer[n] = 0;
  return n;
}

int GUI_UC_ConvertUTF82UC(const char* s, int Len, char16_t* pBuffer, int BufferSize) {
  if (!pBuffer || BufferSize <= 0) return 0;
  int n = 0;
  for (int i = 0; s && i < Len && s[i] && n + 1 < BufferSize;) {
    pBuffer[n++] = GUI_UC_GetCharCode(s + i);
    i += GUI_UC_GetCharSize(s + i);
  }
  pBuffer[n] = 0;
  return n;
}
