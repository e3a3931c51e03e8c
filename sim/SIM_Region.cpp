// Skin regions. The picture is scanned row by row as runs of pixels that are not the key colour; a run joins
// every region that has a run on the row above overlapping it (sharing an edge, not only a corner), and regions
// joined that way merge.
#include <algorithm>
#include <numeric>

#include "SIM.h"
#include "SIM_Region.h"

static std::vector<SIM_REGION> _aRegion;

static int _Find(std::vector<int>& aParent, int i) {
  while (aParent[i] != i) i = aParent[i] = aParent[aParent[i]];
  return i;
}

int SIM_GetRegions(const uint32_t* pPixels, int xSize, int ySize, uint32_t Key, int Max) {
  SIM_FreeRegions();
  if (!pPixels || xSize <= 0 || ySize <= 0) return 0;
  Key &= 0xFFFFFF;
  std::vector<SIM_LINE> aRun;
  std::vector<int> aParent;
  size_t PrevFirst = 0, PrevEnd = 0;  // the runs of the row above
  for (int y = 0; y < ySize; y++) {
    const uint32_t* pRow = pPixels + size_t(y) * size_t(xSize);
    size_t First = aRun.size();
    for (int x = 0; x < xSize;) {
      if ((pRow[x] & 0xFFFFFF) == Key) {
        x++;
        continue;
      }
      int x0 = x;
      while (x < xSize && (pRow[x] & 0xFFFFFF) != Key) x++;
      int Me = int(aRun.size());
      aRun.push_back({y, x0, x - 1});
      aParent.push_back(Me);
      for (size_t i = PrevFirst; i < PrevEnd; i++) {
        if (aRun[i].x1 < x0 || aRun[i].x0 > x - 1) continue;
        int a = _Find(aParent, int(i)), b = _Find(aParent, Me);
        if (a != b) aParent[std::max(a, b)] = std::min(a, b);
      }
    }
    PrevFirst = First;
    PrevEnd = aRun.size();
  }
  // Group the runs by their root; runs are in row order already.
  std::vector<int> aSlot(aRun.size(), -1);
  for (size_t i = 0; i < aRun.size(); i++) {
    int Root = _Find(aParent, int(i));
    if (aSlot[Root] < 0) {
      if (int(_aRegion.size()) >= Max) {
        SIM_ErrorBox("Error in SIM_GetRegions: Bitmap contains too much buttons!");
        SIM_FreeRegions();
        return 0;
      }
      aSlot[Root] = int(_aRegion.size());
      _aRegion.push_back({aRun[i].x0, aRun[i].y, aRun[i].x1, aRun[i].y, {}, 0});
    }
    SIM_REGION& r = _aRegion[aSlot[Root]];
    r.x0 = std::min(r.x0, aRun[i].x0);
    r.x1 = std::max(r.x1, aRun[i].x1);
    r.y1 = aRun[i].y;
    r.aLine.push_back(aRun[i]);
  }
  std::stable_sort(_aRegion.begin(), _aRegion.end(), [](const SIM_REGION& a, const SIM_REGION& b) {
    return a.y0 != b.y0 ? a.y0 < b.y0 : a.x0 < b.x0;
  });
  for (size_t i = 0; i < _aRegion.size(); i++) _aRegion[i].Index = int32_t(i);
  return int(_aRegion.size());
}

const SIM_REGION* SIM__GetRegion(int n) {
  return (n >= 0 && n < int(_aRegion.size())) ? &_aRegion[n] : nullptr;
}

int SIM_GetRegionRect(int n, int* pRect) {
  const SIM_REGION* p = SIM__GetRegion(n);
  if (!p) {
    SIM_ErrorBox("Error in SIM_GetRegionRect: Index >= _NumRegions");
    return 1;
  }
  pRect[0] = p->x0;
  pRect[1] = p->y0;
  pRect[2] = p->x1;
  pRect[3] = p->y1;
  return 0;
}

PLAT_HREGION SIM_SetBitmapRegion(int n, int x, int y) {
  const SIM_REGION* p = SIM__GetRegion(n);
  if (!p) {
    SIM_ErrorBox("Error in SIM_SetBitmapRegion: Index >= _NumRegions");
    return nullptr;
  }
  if (p->aLine.empty()) return nullptr;
  PLAT_HREGION hRegion = PLAT_CreateRegion(0, 0, 0, 0);
  for (const SIM_LINE& l : p->aLine) {
    PLAT_HREGION hLine = PLAT_CreateRegion(l.x0 - p->x0, l.y - p->y0, l.x1 - p->x0 + 1, l.y - p->y0 + 1);
    if (PLAT_UniteRegion(hRegion, hLine)) SIM_ErrorBox("Error in SIM_SetBitmapRegion: Region not combined");
    PLAT_DeleteRegion(hLine);
  }
  PLAT_MoveRegion(hRegion, x, y);
  return hRegion;
}

int SIM__SetWindowRegion(PLAT_HWIN hWin, int n, int x, int y) {
  PLAT_HREGION hRegion = SIM_SetBitmapRegion(n, x, y);
  if (!hRegion) return 0;
  int r = 0;
  if (PLAT_HREGION hOld = PLAT_GetWindowShape(hWin)) {
    r = PLAT_UniteRegion(hRegion, hOld);
    PLAT_DeleteRegion(hOld);
  }
  if (!r) PLAT_SetWindowShape(hWin, hRegion);
  PLAT_DeleteRegion(hRegion);
  return r;
}

void SIM_FreeRegions(void) { std::vector<SIM_REGION>().swap(_aRegion); }
