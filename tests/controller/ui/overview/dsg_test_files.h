// Small real design, branding and page files for the tests, written with the file writer.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "AES.h"
#include "APP_Host.h"
#include "DSG_Design.h"
#include "DSG_Writer.h"

namespace dsgtest {

inline DSG_ELEMENT Element(int Type, int x0, int y0, int x1, int y1) {
  DSG_ELEMENT e;
  memset(e.a, 0, sizeof(e.a));
  e.SetU32(0, uint32_t(Type));
  e.SetRect(x0, y0, x1, y1);
  return e;
}

// A 4x2 picture in the display's 16-bit format.
inline DSG_BYTES Picture(int w = 4, int h = 2, uint16_t Pixel = 0x07E0) {
  DSG_BYTES b(16);
  const uint16_t Head[8] = {0x4D42, 8, uint16_t(w), uint16_t(h), uint16_t(2 * w), 16, 0, 0};
  for (int i = 0; i < 8; i++) DSG_Put16(&b[2 * i], Head[i]);
  for (int i = 0; i < w * h; i++) b.push_back(uint8_t(Pixel)), b.push_back(uint8_t(Pixel >> 8));
  return b;
}

inline DSG_BYTES Page(int NumElements, int Version = 1) {
  std::vector<DSG_ELEMENT> v;
  for (int i = 0; i < NumElements; i++) v.push_back(Element(DSG_EL_DISPLAY, 10 * i, 0, 10 * i + 8, 8));
  return DSG_WritePage(v, Picture(), Version);
}

inline DSG_BYTES Design(int NumPages = 2, int Layout = 1) {
  DSG_DESIGN_SPEC s;
  s.Layout = Layout;
  s.Picture = Picture(8, 4);
  for (int i = 0; i < NumPages; i++) s.Pages.push_back(Page(i + 1));
  for (int i = 0; i < DSG_IV_SIZE; i++) s.aIV[i] = uint8_t(17 * i + 3);
  return DSG_WriteDesign(s);
}

inline DSG_BYTES Branding() { return DSG_WriteBranding(Picture(), Picture(2, 2), {1, 2, 3}, 2, 10, 4); }

// Re-enciphers the design header of a design file after Change edited its plain bytes.
template <class F>
void EditDesignHeader(DSG_BYTES& File, F Change) {
  uint8_t aKey[DSG_KEY_SIZE], aHeader[DSG_DESIGN_HEADER_SIZE];
  DSG_MakeKey(aKey);
  AES_CONTEXT c;
  memcpy(aHeader, &File[DSG_DESIGN_HEADER_OFFSET], sizeof(aHeader));
  AES_Init(&c, &File[DSG_TEXT_HEADER_SIZE], aKey, DSG_KEY_SIZE, AES_MODE_CBC);
  AES_Decrypt(&c, aHeader, aHeader, sizeof(aHeader));
  Change(aHeader);
  AES_Init(&c, &File[DSG_TEXT_HEADER_SIZE], aKey, DSG_KEY_SIZE, AES_MODE_CBC);
  AES_Encrypt(&c, aHeader, &File[DSG_DESIGN_HEADER_OFFSET], sizeof(aHeader));
}

// A temporary user folder for the stored copies.
class UserFolder {
 public:
  UserFolder() {
    Path = std::filesystem::temp_directory_path() / ("dsg_test_" + std::to_string(getpid()));
    std::filesystem::remove_all(Path);
    std::filesystem::create_directories(Path);
    snprintf(APP_UserFolder, sizeof(APP_UserFolder), "%s", Path.c_str());
  }
  ~UserFolder() {
    std::filesystem::remove_all(Path);
    APP_UserFolder[0] = 0;
  }
  std::string File(const char* sName) const { return (Path / sName).string(); }
  DSG_BYTES Read(const char* sName) const {
    std::ifstream f(File(sName), std::ios::binary);
    return DSG_BYTES(std::istreambuf_iterator<char>(f), {});
  }
  void Write(const char* sName, const DSG_BYTES& b) const {
    std::ofstream f(File(sName), std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
  }
  std::filesystem::path Path;
};

}  // namespace dsgtest
