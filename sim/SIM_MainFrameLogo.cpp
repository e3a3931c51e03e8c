// Our logo: compiled in as a picture file, decoded on first use. The main frame shows it centred, the About box
// as its icon.
#include <vector>

#include "PLAT_Image.h"
#include "SIM_Frames.h"

extern const unsigned char SIM_acLogo[];
extern const unsigned SIM_acLogo_Size;

static std::vector<uint32_t> _aLogo;
static int _xSize, _ySize;

const uint32_t* SIM__GetLogo(int* pxSize, int* pySize) {
  if (_aLogo.empty()) {
    uint32_t* pPixels;
    if (PLAT_DecodeImage(SIM_acLogo, SIM_acLogo_Size, &pPixels, &_xSize, &_ySize) == 0) {
      _aLogo.assign(pPixels, pPixels + size_t(_xSize) * size_t(_ySize));
      PLAT_FreeImage(pPixels);
    }
  }
  if (_aLogo.empty()) {
    *pxSize = *pySize = 0;
    return nullptr;
  }
  *pxSize = _xSize;
  *pySize = _ySize;
  return _aLogo.data();
}

void SIM__FreeLogo(void) {
  _aLogo.clear();
  _aLogo.shrink_to_fit();
  _xSize = _ySize = 0;
}
