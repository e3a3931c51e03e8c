// Writes the three files in the layout their readers check: sizes in the headers, the page CRCs in the
// dictionary, the design header and the dictionary enciphered with the design key.
#include "DSG_Writer.h"

#include <cstdio>

#include "AES.h"
#include "CRC.h"

DSG_BYTES DSG_WritePage(const std::vector<DSG_ELEMENT>& Elements, const DSG_BYTES& Payload, int Version) {
  DSG_BYTES Out(DSG_PAGE_HEADER_SIZE);
  memcpy(Out.data(), "q7f", 3);
  Out[3] = uint8_t(Version);
  DSG_Put32(&Out[4], uint32_t(Payload.size()));
  DSG_Put16(&Out[8], uint32_t(Elements.size()));
  DSG_Put16(&Out[10], DSG_ELEMENT_SIZE);
  for (const DSG_ELEMENT& e : Elements) Out.insert(Out.end(), e.a, e.a + DSG_ELEMENT_SIZE);
  Out.insert(Out.end(), Payload.begin(), Payload.end());
  return Out;
}

uint32_t DSG_PageCrc(const DSG_BYTES& Page) {
  size_t n = Page.size() < DSG_PAGE_HEADER_SIZE ? 0 : DSG_PageRecordsSize(DSG_Get16(&Page[8]));
  return CRC32_Calc(Page.data(), n <= Page.size() ? n : Page.size());
}

DSG_BYTES DSG_WriteBranding(const DSG_BYTES& Background, const DSG_BYTES& Logo, const DSG_BYTES& Part3,
                            int LogoMode, int LogoX, int LogoY) {
  DSG_BYTES Out(DSG_BRANDING_HEADER_SIZE);
  memcpy(Out.data(), "q7b", 4);
  DSG_Put32(&Out[4], uint32_t(Background.size()));
  DSG_Put32(&Out[8], uint32_t(Logo.size()));
  DSG_Put32(&Out[12], uint32_t(Part3.size()));
  Out[16] = uint8_t(LogoMode);
  DSG_Put16(&Out[18], uint16_t(LogoX));
  DSG_Put16(&Out[20], uint16_t(LogoY));
  for (const DSG_BYTES* p : {&Background, &Logo, &Part3}) Out.insert(Out.end(), p->begin(), p->end());
  return Out;
}

namespace {

void _Encipher(const uint8_t* pIV, uint8_t* p, size_t n) {
  uint8_t aKey[DSG_KEY_SIZE];
  DSG_MakeKey(aKey);
  AES_CONTEXT Ctx;
  AES_Init(&Ctx, pIV, aKey, DSG_KEY_SIZE, AES_MODE_CBC);
  AES_Encrypt(&Ctx, p, p, n);
}

}  // namespace

DSG_BYTES DSG_WriteDesign(const DSG_DESIGN_SPEC& Spec) {
  DSG_BYTES Out(DSG_DESIGN_PICTURE_OFFSET, 0);
  char acText[DSG_TEXT_HEADER_SIZE + 1];
  int n = snprintf(acText, sizeof(acText),
                   "%s\n%-11s: %d\n%-11s: %02X\n%-11s: %s\n%-11s: %s\n%-11s: %06X\nmade by q7pack\n%s\n",
                   DSG_TEXT_MAGIC, "Format", 0, "Code", 1, "Name", Spec.sName, "Device", "MERIDOX", "Colour", 0,
                   Spec.sName);
  memcpy(Out.data(), acText, size_t(n < DSG_TEXT_HEADER_SIZE ? n : DSG_TEXT_HEADER_SIZE));
  memcpy(&Out[DSG_TEXT_HEADER_SIZE], Spec.aIV, DSG_IV_SIZE);
  // The dictionary: "dict", the count, the entries, padded to whole cipher blocks.
  DSG_BYTES Dict(DSG_DICT_HEADER_SIZE + DSG_DICT_ENTRY_SIZE * Spec.Pages.size());
  memcpy(Dict.data(), "dict", 4);
  DSG_Put32(&Dict[4], uint32_t(Spec.Pages.size()));
  uint32_t Off = 0;
  for (size_t i = 0; i < Spec.Pages.size(); i++) {
    uint8_t* e = &Dict[DSG_DICT_HEADER_SIZE + i * DSG_DICT_ENTRY_SIZE];
    DSG_Put32(e, Off);
    DSG_Put32(e + 8, DSG_PageCrc(Spec.Pages[i]));
    Off += uint32_t(Spec.Pages[i].size());
  }
  Dict.resize((Dict.size() + DSG_AES_BLOCK - 1) / DSG_AES_BLOCK * DSG_AES_BLOCK, 0);
  _Encipher(Spec.aIV, Dict.data(), Dict.size());
  uint8_t* h = &Out[DSG_DESIGN_HEADER_OFFSET];
  memcpy(h, "q7d", 4);
  DSG_Put32(h + 4, uint32_t(Spec.Picture.size()));
  h[8] = uint8_t(Spec.Layout);
  DSG_Put16(h + 10, uint32_t(Dict.size()));
  _Encipher(Spec.aIV, h, DSG_DESIGN_HEADER_SIZE);
  Out.insert(Out.end(), Spec.Picture.begin(), Spec.Picture.end());
  Out.insert(Out.end(), Dict.begin(), Dict.end());
  for (const DSG_BYTES& p : Spec.Pages) Out.insert(Out.end(), p.begin(), p.end());
  return Out;
}
