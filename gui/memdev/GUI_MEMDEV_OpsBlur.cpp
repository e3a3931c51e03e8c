// Blurred copies of 32-bit memory devices: the ring method scatters every pixel over square rings of falling
// weight, the star method gathers along eight rays.
#include "GUI_MEMDEV_Ops.h"
#include "GUI_MEMDEV_Private.h"

#include <vector>

namespace {

struct _KERNEL_ENTRY {
  int dx, dy;
  U32 Weight;
};

// Centre, then ring r = 1 .. n - 1 from its upper left corner clockwise.
std::vector<_KERNEL_ENTRY> _BuildRingKernel(int n) {
  std::vector<_KERNEL_ENTRY> k;
  k.reserve(4 * n * (n - 1) + 1);
  k.push_back({0, 0, U32(n) << 13});
  for (int r = 1; r < n; r++) {
    U32 w = ((U32(n - r) << 16) / U32(8 * r)) & 0xFFFF;
    int x = -r, y = -r;
    k.push_back({x, y, w});
    for (int i = 0; i < 2 * r; i++) k.push_back({++x, y, w});
    for (int i = 0; i < 2 * r; i++) k.push_back({x, ++y, w});
    for (int i = 0; i < 2 * r; i++) k.push_back({--x, y, w});
    for (int i = 0; i < 2 * r - 1; i++) k.push_back({x, --y, w});
  }
  return k;
}

U32 _Pixel(const U8* pPixels, size_t i) {
  U32 v;
  std::memcpy(&v, pPixels + 4 * i, 4);
  return v;
}

void _SetPixel(U8* pPixels, size_t i, U32 v) { std::memcpy(pPixels + 4 * i, &v, 4); }

U32 _Average(U64 r, U64 g, U64 b, U64 w) { return U32((b / w) << 16 | (g / w) << 8 | (r / w)); }

}  // namespace

GUI_HMEM GUI_MEMDEV__CreateSameSize32(GUI_HMEM hSrc, int* pxSize, int* pySize, int* px0, int* py0) {
  const GUI_MEMDEV* pSrc = hSrc ? GUI_MEMDEV__h2p(hSrc) : nullptr;
  if (!pSrc) {
    return 0;
  }
  int x0 = pSrc->x0, y0 = pSrc->y0, xSize = pSrc->XSize, ySize = pSrc->YSize;
  if (pxSize) *pxSize = xSize;
  if (pySize) *pySize = ySize;
  if (px0) *px0 = x0;
  if (py0) *py0 = y0;
  return GUI_MEMDEV_CreateFixed(x0, y0, xSize, ySize, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_32,
                                &LCD_aColorConvAPI[LCD_CC_888]);
}

GUI_HMEM GUI_MEMDEV__CopyDevice32(GUI_HMEM hSrc) {
  GUI_MEMDEV__LockGuard Lock;
  if (!GUI_MEMDEV__Check32(hSrc)) {
    return 0;
  }
  GUI_HMEM hDst = GUI_MEMDEV__CreateSameSize32(hSrc, nullptr, nullptr, nullptr, nullptr);
  if (hDst) {
    GUI_MEMDEV* pSrc = GUI_MEMDEV__h2p(hSrc);
    std::memcpy(GUI_MEMDEV__GetPixels(GUI_MEMDEV__h2p(hDst)), GUI_MEMDEV__GetPixels(pSrc),
                size_t(pSrc->XSize) * pSrc->YSize * 4);
  }
  return hDst;
}

GUI_HMEM GUI_MEMDEV__BlurRing(GUI_HMEM hSrc, int Level) {
  const GUI_MEMDEV* p = GUI_MEMDEV__Check32(hSrc);
  if (!p || Level < 1 || Level > 10 || p->XSize < 20 || p->YSize < 20) {
    return 0;
  }
  int n = Level + 1;
  int xSize = p->XSize, ySize = p->YSize;
  std::vector<_KERNEL_ENTRY> Kernel = _BuildRingKernel(n);
  GUI_HMEM hDst = GUI_MEMDEV__CreateSameSize32(hSrc, nullptr, nullptr, nullptr, nullptr);
  if (!hDst) {
    return 0;
  }
  // Red, green, blue and weight sums per pixel.
  std::vector<U32> Acc(size_t(xSize) * ySize * 4, 0);
  const U8* pSrc = GUI_MEMDEV__GetPixels(GUI_MEMDEV__h2p(hSrc));
  for (int y = 0; y < ySize; y++) {
    // Only pixels within n - 1 of an edge reach beyond it.
    bool RowInside = y >= n - 1 && y <= ySize - n;
    for (int x = 0; x < xSize; x++) {
      U32 c = _Pixel(pSrc, size_t(y) * xSize + x);
      U32 r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      bool Inside = RowInside && x >= n - 1 && x <= xSize - n;
      U32 LastWeight = 0, wr = 0, wg = 0, wb = 0;
      for (const _KERNEL_ENTRY& e : Kernel) {
        int tx = x + e.dx, ty = y + e.dy;
        if (!Inside && (tx < 0 || ty < 0 || tx >= xSize || ty >= ySize)) {
          continue;
        }
        if (e.Weight != LastWeight) {  // the products change only with the weight
          LastWeight = e.Weight;
          wr = r * e.Weight, wg = g * e.Weight, wb = b * e.Weight;
        }
        U32* a = &Acc[(size_t(ty) * xSize + tx) * 4];
        a[0] += wr, a[1] += wg, a[2] += wb, a[3] += e.Weight;
      }
    }
  }
  U8* pDst = GUI_MEMDEV__GetPixels(GUI_MEMDEV__h2p(hDst));
  for (size_t i = 0; i < size_t(xSize) * ySize; i++) {
    const U32* a = &Acc[i * 4];
    _SetPixel(pDst, i, _Average(a[0], a[1], a[2], a[3]));
  }
  return hDst;
}

GUI_HMEM (*GUI_MEMDEV__pfBlur)(GUI_HMEM hSrc, int Level) = GUI_MEMDEV__BlurRing;

GUI_HMEM GUI_MEMDEV_CreateBlurred(GUI_HMEM hSrc, int Level) {
  GUI_MEMDEV__LockGuard Lock;
  return GUI_MEMDEV__pfBlur ? GUI_MEMDEV__pfBlur(hSrc, Level) : 0;
}

GUI_HMEM GUI_MEMDEV_CreateBlurredRing(GUI_HMEM hSrc, int Level) {
  GUI_MEMDEV__LockGuard Lock;
  return GUI_MEMDEV__BlurRing(hSrc, Level);
}

GUI_HMEM GUI_MEMDEV_CreateBlurredStar(GUI_HMEM hSrc, int Level) {
  GUI_MEMDEV__LockGuard Lock;
  if (!GUI_MEMDEV__Check32(hSrc) || Level < 1 || Level > 10) {
    return 0;
  }
  GUI_HMEM hDst = GUI_MEMDEV__CreateSameSize32(hSrc, nullptr, nullptr, nullptr, nullptr);
  if (!hDst) {
    return 0;
  }
  const GUI_MEMDEV* p = GUI_MEMDEV__h2p(hSrc);
  int xSize = p->XSize, ySize = p->YSize;
  const U8* pSrc = GUI_MEMDEV__GetPixels(GUI_MEMDEV__h2p(hSrc));
  U8* pDst = GUI_MEMDEV__GetPixels(GUI_MEMDEV__h2p(hDst));
  // Up, down, left, right, up-left, up-right, down-right, down-left.
  static const int aDir[8][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  for (int y = 0; y < ySize; y++) {
    for (int x = 0; x < xSize; x++) {
      U64 r = 0, g = 0, b = 0, w = 0;
      for (const auto& d : aDir) {
        int ToX = d[0] < 0 ? x : xSize - 1 - x, ToY = d[1] < 0 ? y : ySize - 1 - y;
        int Room = d[0] == 0 ? ToY : d[1] == 0 ? ToX : (ToX < ToY ? ToX : ToY);
        int Count = Room < Level ? Room : Level;
        for (int k = 1; k <= Count; k++) {
          U32 c = _Pixel(pSrc, size_t(y + k * d[1]) * xSize + (x + k * d[0]));
          U32 Weight = U32(Count - k + 1);
          r += (c & 0xFF) * Weight, g += ((c >> 8) & 0xFF) * Weight, b += ((c >> 16) & 0xFF) * Weight;
        }
        w += U64(Count) * (Count + 1) / 2;
      }
      U32 c = _Pixel(pSrc, size_t(y) * xSize + x);
      r += (c & 0xFF) * U64(Level + 1), g += ((c >> 8) & 0xFF) * U64(Level + 1),
          b += ((c >> 16) & 0xFF) * U64(Level + 1);
      w += U64(Level + 1);
      _SetPixel(pDst, size_t(y) * xSize + x, _Average(r, g, b, w));
    }
  }
  return hDst;
}
