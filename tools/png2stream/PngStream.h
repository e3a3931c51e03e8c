// PNG pictures into streamed bitmaps, shared by png2stream and q7pack.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct PNGS_Image {
  unsigned Width = 0, Height = 0;
  std::vector<uint8_t> Rgba;  // PNG sense: alpha 255 = opaque
};

// Reads a PNG file as RGBA; false (with a message on stderr) when it cannot.
bool PNGS_ReadPng(const char* pFileName, PNGS_Image& Img);
// FORMAT: A8_BGR565, ABGR8888, BGR888, BGR565 or Indexed (at most 256 colours; fully transparent pixels become
// index 0, which is then marked transparent), or run-length encoded: RLE4 (at most 16 colours) and RLE8 with
// the palette rules of Indexed, RLE16_BGR565, RLE16_RGB565, RLE32 (colours with transparency) and RLEAlpha
// (the picture's transparency only, drawn in the current colour). False (with a message) for an unknown format
// or a picture that does not fit it.
bool PNGS_EncodePacked(const PNGS_Image& Img, const std::string& Format, std::vector<uint8_t>& Out);
bool PNGS_EncodeIndexed(const PNGS_Image& Img, std::vector<uint8_t>& Out);
bool PNGS_EncodeRLE(const PNGS_Image& Img, const std::string& Format, std::vector<uint8_t>& Out);
bool PNGS_Encode(const PNGS_Image& Img, const std::string& Format, std::vector<uint8_t>& Out);
