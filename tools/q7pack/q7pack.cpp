// q7pack: packs a design (.q7d), branding (.q7b) or overview-page (.q7f) file from PNG pictures and a
// plain-text description, so that installers can make their own.
//
//   q7pack description.txt output
//
// The description holds one setting per line; '#' starts a comment; picture paths are relative to the
// description. The first word says what is made:
//
//   design                       branding                      page
//   layout 1                     background bg.png [FORMAT]    picture page.png [FORMAT]
//   name Sample                  logo logo.png [FORMAT]        element ...
//   picture design.png [FORMAT]  logomode 2
//   page                         logopos 10,4
//   picture page1.png [FORMAT]
//   element ...
//
// FORMAT is one of png2stream's (BGR565 by default for backgrounds, Indexed is the smallest). An element line
// is "element" and key=value words (texts in double quotes):
//   type=field|display|link|toggle|toggle2|momentary  rect=x0,y0,x1,y1  level=N  address=0xNNSSIIII
//   field, display: color=0xBBGGRR bkcolor=0xBBGGRR font=0..5 align=0..2 mode=N prefix="" suffix=""
//                   decimals=N width=N
//   link:           page=N|none  level=N  password="text" (sets level 3)
//   toggle, momentary: background=0|1 color0= color1= font0= font1= align0= align1= text0="" text1=""
//                   bk0=upper,lower bk1=upper,lower fetch=0|1
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "DSG_Writer.h"
#include "PngStream.h"
#include "WHIRL.h"

namespace {

struct _PAGE {
  DSG_BYTES Picture;
  std::vector<DSG_ELEMENT> Elements;
};

std::string _Folder;
int _Line;

[[noreturn]] void _Fail(const std::string& sWhy) {
  fprintf(stderr, "q7pack: line %d: %s\n", _Line, sWhy.c_str());
  exit(1);
}

// Splits a line into words; a double-quoted part stays one word (quotes removed).
std::vector<std::string> _Words(const std::string& s) {
  std::vector<std::string> Out;
  std::string w;
  bool InQuote = false, Any = false;
  for (char c : s) {
    if (c == '"') {
      InQuote = !InQuote;
      Any = true;
    } else if (!InQuote && c == '#') {
      break;
    } else if (!InQuote && (c == ' ' || c == '\t' || c == '\r')) {
      if (Any) Out.push_back(w);
      w.clear();
      Any = false;
    } else {
      w += c;
      Any = true;
    }
  }
  if (InQuote) _Fail("unterminated quote");
  if (Any) Out.push_back(w);
  return Out;
}

long _Number(const std::string& s) {
  char* pEnd;
  long v = strtol(s.c_str(), &pEnd, 0);
  if (s.empty() || *pEnd) _Fail("not a number: " + s);
  return v;
}

std::vector<long> _Numbers(const std::string& s, size_t n) {
  std::vector<long> v;
  std::stringstream ss(s);
  std::string part;
  while (std::getline(ss, part, ',')) v.push_back(_Number(part));
  if (v.size() != n) _Fail("expected " + std::to_string(n) + " numbers: " + s);
  return v;
}

std::u16string _Utf16(const std::string& s) {
  std::u16string Out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = s[i];
    unsigned cp = c, n = 0;
    if (c >= 0xF0) cp = c & 7, n = 3;
    else if (c >= 0xE0) cp = c & 15, n = 2;
    else if (c >= 0xC0) cp = c & 31, n = 1;
    i++;
    for (; n && i < s.size(); n--, i++) cp = cp << 6 | (s[i] & 63);
    Out += char16_t(cp <= 0xFFFF ? cp : '?');
  }
  return Out;
}

DSG_BYTES _Picture(const std::vector<std::string>& w) {
  if (w.size() < 2) _Fail("a picture needs a file name");
  std::string Path = w[1][0] == '/' ? w[1] : _Folder + w[1];
  PNGS_Image Img;
  DSG_BYTES Out;
  if (!PNGS_ReadPng(Path.c_str(), Img) || !PNGS_Encode(Img, w.size() > 2 ? w[2] : "BGR565", Out)) {
    _Fail("cannot use picture " + Path);
  }
  return Out;
}

int _Type(const std::string& s) {
  static const std::map<std::string, int> Names = {{"field", DSG_EL_FIELD}, {"display", DSG_EL_DISPLAY},
      {"link", DSG_EL_LINK}, {"toggle", DSG_EL_TOGGLE}, {"toggle2", DSG_EL_TOGGLE_ALT},
      {"momentary", DSG_EL_MOMENTARY}};
  auto It = Names.find(s);
  return It != Names.end() ? It->second : int(_Number(s));
}

DSG_ELEMENT _Element(const std::vector<std::string>& w) {
  DSG_ELEMENT e;
  memset(e.a, 0, sizeof(e.a));
  std::map<std::string, std::string> Kv;
  for (size_t i = 1; i < w.size(); i++) {
    size_t Eq = w[i].find('=');
    if (Eq == std::string::npos) _Fail("expected key=value: " + w[i]);
    Kv[w[i].substr(0, Eq)] = w[i].substr(Eq + 1);
  }
  if (!Kv.count("type") || !Kv.count("rect")) _Fail("an element needs type= and rect=");
  int Type = _Type(Kv["type"]);
  e.SetU32(0, uint32_t(Type));
  std::vector<long> r = _Numbers(Kv["rect"], 4);
  e.SetRect(int(r[0]), int(r[1]), int(r[2]), int(r[3]));
  Kv.erase("type");
  Kv.erase("rect");
  if (Type == DSG_EL_FIELD || Type == DSG_EL_DISPLAY) e.a[105] = uint8_t(int8_t(-1));
  for (const auto& [Key, Value] : Kv) {
    if (Key == "level" && Type == DSG_EL_LINK) e.SetU16(16, uint32_t(_Number(Value)));
    else if (Key == "level") e.SetU32(12, uint32_t(_Number(Value)));
    else if (Key == "address") e.SetAddress(uint32_t(strtoul(Value.c_str(), nullptr, 0)));
    else if (Key == "page") e.SetU32(12, Value == "none" ? 0xFFFFFFFFu : uint32_t(_Number(Value)));
    else if (Key == "password") {
      std::u16string t = _Utf16(Value);
      std::vector<uint8_t> Bytes;
      for (char16_t c : t) Bytes.push_back(uint8_t(c)), Bytes.push_back(uint8_t(c >> 8));
      WHIRL_Hash(Bytes.data(), Bytes.size(), e.a + 18);
      e.SetU16(16, DSG_LEVEL_PASSWORD);
    }
    else if (Key == "color" || Key == "background" || Key == "color0" || Key == "color1" || Key == "bkcolor" ||
             Key == "font" || Key == "align" || Key == "mode") {
      static const std::map<std::string, int> Off = {{"color", 20}, {"background", 20}, {"bkcolor", 24},
          {"color0", 24}, {"color1", 28}, {"font", 28}, {"align", 32}, {"mode", 36}};
      e.SetU32(Off.at(Key), uint32_t(strtoul(Value.c_str(), nullptr, 0)));
    }
    else if (Key == "font0") e.a[32] = uint8_t(_Number(Value));
    else if (Key == "font1") e.a[33] = uint8_t(_Number(Value));
    else if (Key == "align0") e.a[34] = uint8_t(_Number(Value));
    else if (Key == "align1") e.a[35] = uint8_t(_Number(Value));
    else if (Key == "prefix") e.SetText(40, DSG_TEXT_CHARS, _Utf16(Value).c_str());
    else if (Key == "suffix") e.SetText(72, DSG_TEXT_CHARS, _Utf16(Value).c_str());
    else if (Key == "text0") e.SetText(36, DSG_STATE_TEXT_CHARS, _Utf16(Value).c_str());
    else if (Key == "text1") e.SetText(104, DSG_STATE_TEXT_CHARS, _Utf16(Value).c_str());
    else if (Key == "decimals") e.a[104] = uint8_t(_Number(Value));
    else if (Key == "width") e.a[105] = uint8_t(int8_t(_Number(Value)));
    else if (Key == "bk0" || Key == "bk1") {
      std::vector<long> c = _Numbers(Value, 2);
      int Off = Key == "bk0" ? 172 : 180;
      e.SetU32(Off, uint32_t(c[0]));
      e.SetU32(Off + 4, uint32_t(c[1]));
    }
    else if (Key == "fetch") e.a[188] = uint8_t(_Number(Value));
    else _Fail("unknown key " + Key);
  }
  return e;
}

bool _Write(const char* sPath, const DSG_BYTES& Data) {
  FILE* f = fopen(sPath, "wb");
  bool Ok = f && fwrite(Data.data(), 1, Data.size(), f) == Data.size();
  Ok = f && fclose(f) == 0 && Ok;
  if (!Ok) fprintf(stderr, "q7pack: cannot write %s\n", sPath);
  return Ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: q7pack description.txt output\n");
    return 2;
  }
  std::ifstream In(argv[1]);
  if (!In) {
    fprintf(stderr, "q7pack: cannot read %s\n", argv[1]);
    return 1;
  }
  _Folder = argv[1];
  size_t Slash = _Folder.find_last_of('/');
  _Folder = Slash == std::string::npos ? "" : _Folder.substr(0, Slash + 1);
  std::string Kind, Line, Name = "design";
  DSG_BYTES Picture, Background, Logo;
  int Layout = 1, LogoMode = 0, LogoX = 0, LogoY = 0;
  std::vector<_PAGE> Pages;
  while (std::getline(In, Line)) {
    _Line++;
    std::vector<std::string> w = _Words(Line);
    if (w.empty()) continue;
    const std::string& k = w[0];
    if (Kind.empty()) {
      if (k != "design" && k != "branding" && k != "page") _Fail("the first word is design, branding or page");
      Kind = k;
      if (k == "page") Pages.emplace_back();
    } else if (k == "page" && Kind == "design") {
      Pages.emplace_back();
    } else if (k == "picture" && !Pages.empty()) {
      Pages.back().Picture = _Picture(w);
    } else if (k == "picture") {
      Picture = _Picture(w);
    } else if (k == "element" && !Pages.empty()) {
      if (Pages.back().Elements.size() >= DSG_PAGE_MAX_ELEMENTS) _Fail("a page holds at most 64 elements");
      Pages.back().Elements.push_back(_Element(w));
    } else if (k == "layout" && w.size() == 2) {
      Layout = int(_Number(w[1]));
    } else if (k == "name" && w.size() == 2) {
      Name = w[1];
    } else if (k == "background") {
      Background = _Picture(w);
    } else if (k == "logo") {
      Logo = _Picture(w);
    } else if (k == "logomode" && w.size() == 2) {
      LogoMode = int(_Number(w[1]));
    } else if (k == "logopos" && w.size() == 2) {
      std::vector<long> p = _Numbers(w[1], 2);
      LogoX = int(p[0]), LogoY = int(p[1]);
    } else {
      _Fail("unexpected: " + Line);
    }
  }
  if (Kind.empty()) _Fail("empty description");
  DSG_BYTES Out;
  if (Kind == "branding") {
    if (Background.size() > DSG_BRANDING_PART1_MAX || Logo.size() > DSG_BRANDING_PART2_MAX) {
      _Fail("background or logo too large (use BGR565 and at most 480x272)");
    }
    Out = DSG_WriteBranding(Background, Logo, {}, LogoMode, LogoX, LogoY);
  } else {
    std::vector<DSG_BYTES> Records;
    for (const _PAGE& p : Pages) {
      if (p.Picture.size() > DSG_PAGE_PAYLOAD_MAX) _Fail("a page picture is too large");
      Records.push_back(DSG_WritePage(p.Elements, p.Picture));
    }
    if (Kind == "page") {
      Out = Records[0];
    } else {
      if (Picture.size() > DSG_DESIGN_IMAGE_MAX) _Fail("the design picture is too large");
      if (Records.size() > 159) _Fail("a design holds at most 159 pages");
      DSG_DESIGN_SPEC Spec;
      Spec.Layout = Layout;
      Spec.Picture = Picture;
      Spec.Pages = Records;
      Spec.sName = Name.c_str();
      for (int i = 0; i < DSG_IV_SIZE; i++) Spec.aIV[i] = uint8_t(rand());
      Out = DSG_WriteDesign(Spec);
    }
  }
  return _Write(argv[2], Out) ? 0 : 1;
}
