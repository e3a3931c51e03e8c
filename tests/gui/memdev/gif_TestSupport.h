// GIF files for the decoder's tests and benchmark, written and read by giflib: a writer of files with exactly
// the structure a test asks for, and giflib's own decoding of a file (every image with its colours, control
// block and pixels, interlaced images in picture order).
#pragma once

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace gif_test {

struct Frame {
  int x = 0, y = 0, w = 1, h = 1;
  std::vector<uint32_t> LocalColors;  // 0xBBGGRR; empty: the global table
  bool Interlaced = false;
  int Disposal = -1;  // -1: no control extension
  int Trans = -1;
  int Delay = 0;
  std::vector<uint8_t> Pixels;  // w x h, top row first
};

struct File {
  int w = 1, h = 1;
  std::vector<uint32_t> GlobalColors;
  std::vector<std::string> Comments;  // written in front of the first image
  std::vector<Frame> Frames;
};

inline ColorMapObject* _Map(const std::vector<uint32_t>& Colors) {
  if (Colors.empty()) {
    return nullptr;
  }
  std::vector<GifColorType> v;
  for (uint32_t c : Colors) {
    v.push_back(GifColorType{uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
  }
  return GifMakeMapObject(int(v.size()), v.data());  // sizes are powers of two
}

inline int _Write(GifFileType* g, const GifByteType* p, int n) {
  auto* pOut = static_cast<std::vector<uint8_t>*>(g->UserData);
  pOut->insert(pOut->end(), p, p + n);
  return n;
}

inline std::vector<uint8_t> Write(const File& f) {
  std::vector<uint8_t> Out;
  int Error = 0;
  GifFileType* g = EGifOpen(&Out, _Write, &Error);
  if (!g) {
    return {};
  }
  EGifSetGifVersion(g, true);
  ColorMapObject* pGlobal = _Map(f.GlobalColors);
  EGifPutScreenDesc(g, f.w, f.h, 8, 0, pGlobal);
  for (const std::string& c : f.Comments) {
    EGifPutComment(g, c.c_str());
  }
  for (const Frame& fr : f.Frames) {
    if (fr.Disposal >= 0) {
      GraphicsControlBlock Gcb = {fr.Disposal, false, fr.Delay, fr.Trans};
      GifByteType aExt[4];
      EGifGCBToExtension(&Gcb, aExt);
      EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, 4, aExt);
    }
    ColorMapObject* pLocal = _Map(fr.LocalColors);
    if (!pLocal && g->Image.ColorMap) {  // the writer forgets its copy of the previous image's table otherwise
      GifFreeMapObject(g->Image.ColorMap);
      g->Image.ColorMap = nullptr;
    }
    EGifPutImageDesc(g, fr.x, fr.y, fr.w, fr.h, fr.Interlaced, pLocal);
    std::vector<uint8_t> Rows = fr.Pixels;
    if (fr.Interlaced) {  // the writer takes rows in the order in which they are stored
      static const int aStart[] = {0, 4, 2, 1}, aStep[] = {8, 8, 4, 2};
      for (int Pass = 0; Pass < 4; Pass++) {
        for (int r = aStart[Pass]; r < fr.h; r += aStep[Pass]) {
          EGifPutLine(g, &Rows[size_t(r) * fr.w], fr.w);
        }
      }
    } else {
      for (int r = 0; r < fr.h; r++) {
        EGifPutLine(g, &Rows[size_t(r) * fr.w], fr.w);
      }
    }
    GifFreeMapObject(pLocal);
  }
  EGifCloseFile(g, &Error);
  GifFreeMapObject(pGlobal);
  return Out;
}

// giflib's reading of one image.
struct Image {
  int x, y, w, h;
  std::vector<uint32_t> Colors;  // 0xBBGGRR of the table the image uses
  int Disposal, Trans, Delay;
  std::vector<uint8_t> Pixels;
};

struct _Reader {
  const std::vector<uint8_t>* pData;
  size_t Off;
};

inline int _Read(GifFileType* g, GifByteType* p, int n) {
  auto* r = static_cast<_Reader*>(g->UserData);
  size_t k = std::min<size_t>(size_t(n), r->pData->size() - r->Off);
  std::memcpy(p, r->pData->data() + r->Off, k);
  r->Off += k;
  return int(k);
}

// Empty when giflib refuses the file.
inline std::vector<Image> Read(const std::vector<uint8_t>& Data, int* pW = nullptr, int* pH = nullptr) {
  _Reader r = {&Data, 0};
  int Error = 0;
  GifFileType* g = DGifOpen(&r, _Read, &Error);
  std::vector<Image> v;
  if (!g) {
    return v;
  }
  if (DGifSlurp(g) == GIF_OK) {
    if (pW) {
      *pW = g->SWidth, *pH = g->SHeight;
    }
    for (int i = 0; i < g->ImageCount; i++) {
      const SavedImage& s = g->SavedImages[i];
      Image im = {s.ImageDesc.Left, s.ImageDesc.Top, s.ImageDesc.Width, s.ImageDesc.Height, {}, 0, -1, 0, {}};
      const ColorMapObject* pMap = s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : g->SColorMap;
      for (int k = 0; pMap && k < pMap->ColorCount; k++) {
        const GifColorType& c = pMap->Colors[k];
        im.Colors.push_back(uint32_t(c.Red) | uint32_t(c.Green) << 8 | uint32_t(c.Blue) << 16);
      }
      GraphicsControlBlock Gcb;
      if (DGifSavedExtensionToGCB(g, i, &Gcb) == GIF_OK) {
        im.Disposal = Gcb.DisposalMode, im.Trans = Gcb.TransparentColor, im.Delay = Gcb.DelayTime;
      }
      im.Pixels.assign(s.RasterBits, s.RasterBits + size_t(im.w) * im.h);
      v.push_back(std::move(im));
    }
  }
  DGifCloseFile(g, &Error);
  return v;
}

}  // namespace gif_test
