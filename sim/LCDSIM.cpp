// The shared frame-buffer mapping: creation under a free name, the layer header, the bitmap-info header and
// palette, pixel access with bounds checks, the change counters that the windows poll, and the pointer state that
// goes from the windows to the GUI library.
#include <atomic>
#include <cstdio>
#include <cstring>

#include "LCDSIM.h"
#include "PLAT_Shm.h"
#include "PLAT_Thread.h"
#include "SIM.h"
#include "SIM_Bridge.h"

namespace {
struct LAYER {
  LCDSIM_HEADER* pHeader;
  uint8_t* pFrameBuffer;
  int XSize, YSize, VXSize, VYSize;
  int BytesPerLine, BytesPerPixel, BitsPerPixel, NumColors;
  int xOrg, yOrg;
  int xPos, yPos, Visible;
  uint32_t TransMin, TransMax, CompositeMode;
  int LastX, LastY;
  uint8_t LastPressed, LastLayer;
  std::atomic<bool> Ready;  // sizes and storage known
};
}  // namespace

enum { _NUM_LAYERS = 1, _MAX_NAME_SUFFIX = 99, _ORG_WAIT_MS = 2000 };

uint8_t SIM_PointerMoved;

static PLAT_SHM _Shm = {nullptr, 0, -1, {0}};
static char _acMapName[32];
static int _MapNumber;  // n of the name "PixraLCDMap_n", 0 for the first simulator's "PixraLCDMap"
static LAYER _aLayer[_NUM_LAYERS];
static uint32_t _LUTModifyCnt;
static uint32_t _TintDark = 0x000000;
static uint32_t _TintLight;

static uint8_t* _Map(void) { return static_cast<uint8_t*>(_Shm.pData); }

static LAYER* _GetLayer(int Layer) {
  if (Layer < 0 || Layer >= _NUM_LAYERS || !_aLayer[Layer].Ready.load(std::memory_order_acquire)) return nullptr;
  return &_aLayer[Layer];
}

static void _Modified(LAYER* p) {
  __atomic_fetch_add(&p->pHeader->ModifyCnt, 1u, __ATOMIC_RELEASE);
}

static void _PutU32(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}

static uint32_t _SwapRB(uint32_t c) {
  return (c & 0xFF00FF00u) | (c >> 16 & 0xFF) | (c & 0xFF) << 16;
}

/*********************************************************************
*
*       Mapping
*/
int LCDSIM_PreInit(void) {
  if (_Shm.pData) return 0;
  int r = PLAT_SHM_IN_USE;
  for (int n = 0; n <= _MAX_NAME_SUFFIX && r == PLAT_SHM_IN_USE; n++) {
    if (n == 0) snprintf(_acMapName, sizeof(_acMapName), "%s", "PixraLCDMap");
    else snprintf(_acMapName, sizeof(_acMapName), "%s_%d", "PixraLCDMap", n);
    r = PLAT_ShmCreate(_acMapName, LCDSIM_MAP_SIZE, &_Shm);
    _MapNumber = n;
  }
  if (r != PLAT_SHM_OK) {
    _acMapName[0] = 0;
    _MapNumber = 0;
    return r == PLAT_SHM_IN_USE ? 1 : -1;
  }
  memset(_Map(), 0, LCDSIM_FB_OFFSET);
  _PutU32(_Map() + LCDSIM_BMI_OFFSET, 40);
  if (_TintLight == 0) _TintLight = 0xFFFFFF;
  SIM__GuiConfigOnce();
  return 0;
}

const char* LCDSIM_GetMapName(void) { return _acMapName; }
int LCDSIM_GetMapNumber(void) { return _MapNumber; }

void LCDSIM_Exit(void) {
  for (int i = 0; i < _NUM_LAYERS; i++) {
    if (_aLayer[i].Ready) SIM__GuiSetBuffer(i, nullptr, 0, 0, 0, 0, 0, nullptr, 0);
    _aLayer[i].Ready = false;
    _aLayer[i].pHeader = nullptr;
    _aLayer[i].pFrameBuffer = nullptr;
  }
  // A thread that was let go may still draw: its mapping stays in place until the process ends.
  PLAT_ShmClose(&_Shm, SIM__GetNumLetGo() == 0);
  _acMapName[0] = 0;  // the number stays: what is saved and reported after the end still belongs to this run
}

static void _WriteBitmapInfo(LAYER* p) {
  uint8_t* pBmi = _Map() + LCDSIM_BMI_OFFSET;
  memset(pBmi, 0, 40);
  _PutU32(pBmi + 0, 40);
  _PutU32(pBmi + 4, uint32_t(p->VXSize));
  _PutU32(pBmi + 8, uint32_t(-p->VYSize));    // top-down
  pBmi[12] = 1;                               // planes
  pBmi[14] = uint8_t(p->BytesPerPixel * 8);
}

const char* LCDSIM_Init(void) {
  int NumLayers = SIM__GuiGetNumLayers();
  for (int i = 0; i < NumLayers; i++) {
    if (i >= _NUM_LAYERS || !_Shm.pData) return "Could not alloc Server data ...";
    LAYER* p = &_aLayer[i];
    p->Ready = false;
    SIM_LAYER_INFO Info;
    SIM__GuiGetLayerInfo(i, &Info);
    p->pHeader = reinterpret_cast<LCDSIM_HEADER*>(_Map());
    p->pFrameBuffer = _Map() + LCDSIM_FB_OFFSET;
    p->XSize = Info.XSize * Info.XMag;
    p->YSize = Info.YSize * Info.YMag;
    p->VXSize = Info.VXSize;
    p->VYSize = Info.VYSize;
    p->BitsPerPixel = Info.BitsPerPixel;
    p->NumColors = Info.NumColors;
    if (Info.BitsPerPixel <= 8) {
      p->BytesPerPixel = 1;
      p->BytesPerLine = (Info.VXSize + 3) & ~3;
    } else {
      p->BytesPerPixel = 4;
      p->BytesPerLine = Info.VXSize * 4;
    }
    p->xOrg = p->yOrg = 0;
    size_t Clear = size_t(p->BytesPerLine) * size_t(p->VYSize > 0 ? p->VYSize : 0);
    memset(p->pFrameBuffer, 0, Clear < size_t(LCDSIM_FB_SIZE) ? Clear : size_t(LCDSIM_FB_SIZE));
    LCDSIM_HEADER* h = p->pHeader;
    snprintf(h->acId, sizeof(h->acId), "%s", "MERIDOX LCD simulation");
    h->XSize = p->XSize;
    h->YSize = p->YSize;
    h->VXSize = p->VXSize;
    h->VYSize = p->VYSize;
    h->Reserved48 = 0;
    h->BitsPerPixel = p->BitsPerPixel;
    h->NumColors = p->NumColors;
    h->xOrg = h->yOrg = 0;
    h->PIDx = -1;
    h->PIDy = -1;
    p->LastX = p->LastY = -1;
    _WriteBitmapInfo(p);
    p->Ready.store(true, std::memory_order_release);
    SIM__GuiSetBuffer(i, p->pFrameBuffer, Info.XSize, Info.YSize, p->VXSize, p->VYSize, p->BytesPerLine,
                      &h->ModifyCnt, p->BytesPerPixel);
    if (p->BitsPerPixel <= 8) {
      for (int Index = 0; Index < p->NumColors && Index < 256; Index++) {
        LCDSIM_SetLUTEntry(uint8_t(Index), SIM__GuiIndex2Color(i, uint32_t(Index)), i);
      }
    }
  }
  return nullptr;
}

int LCDSIM_GetView(int Layer, LCDSIM_LAYER_VIEW* pView) {
  LAYER* p = _GetLayer(Layer);
  if (!p) return 1;
  pView->pHeader = p->pHeader;
  pView->pFrameBuffer = p->pFrameBuffer;
  pView->pPalette = reinterpret_cast<const uint32_t*>(_Map() + LCDSIM_PAL_OFFSET);
  pView->BytesPerLine = p->BytesPerLine;
  pView->BytesPerPixel = p->BytesPerPixel;
  return 0;
}

/*********************************************************************
*
*       Pixels
*/
// Address of a pixel, or null (reported) when it lies outside the frame buffer.
static uint8_t* _XY2PTR(LAYER* p, int x, int y) {
  static const char* const apError[] = {"LCDSIM:\nIllegal frame buffer address in _XY2PTR.",
                                        "LCDSIM:\nIllegal frame buffer address in _XY2PTR_DWORD."};
  long long Off = (long long)y * p->BytesPerLine + (long long)x * p->BytesPerPixel;
  if (x < 0 || y < 0 || x >= p->VXSize || y >= p->VYSize || Off + p->BytesPerPixel > LCDSIM_FB_SIZE) {
    SIM_ErrorOut(apError[p->BytesPerPixel == 1 ? 0 : 1]);
    return nullptr;
  }
  return p->pFrameBuffer + Off;
}

static void _Store(LAYER* p, uint8_t* pPixel, int Index, int Layer) {
  if (p->BytesPerPixel == 1) {
    *pPixel = uint8_t(Index);
  } else {
    uint32_t v = _SwapRB(SIM__GuiIndex2Color(Layer, uint32_t(Index)));
    memcpy(pPixel, &v, 4);
  }
}

void LCDSIM_SetPixelIndex(int x, int y, int Index, int Layer) {
  LAYER* p = _GetLayer(Layer);
  if (!p) return;
  if (uint8_t* pPixel = _XY2PTR(p, x, y)) {
    _Store(p, pPixel, Index, Layer);
    _Modified(p);
  }
}

// The stored value of a pixel as it lies in the frame buffer; false outside it or before initialisation.
static bool _Read(int x, int y, int Layer, LAYER** pp, uint32_t* pValue) {
  LAYER* p = _GetLayer(Layer);
  uint8_t* pPixel = p ? _XY2PTR(p, x, y) : nullptr;
  if (!pPixel) return false;
  *pValue = 0;
  memcpy(pValue, pPixel, size_t(p->BytesPerPixel));
  *pp = p;
  return true;
}

int LCDSIM_GetPixelIndex(int x, int y, int Layer) {
  LAYER* p;
  uint32_t v;
  if (!_Read(x, y, Layer, &p, &v)) return 0;
  return p->BytesPerPixel == 1 ? int(v) : int(SIM__GuiColor2Index(Layer, _SwapRB(v)));
}

uint32_t LCDSIM_GetPixelColor(int x, int y, int Layer) {
  LAYER* p;
  uint32_t v;
  if (!_Read(x, y, Layer, &p, &v)) return 0;
  return p->BytesPerPixel == 1 ? LCDSIM_Index2Color(int(v), Layer) : v;
}

uint32_t LCDSIM_Index2Color(int Index, int Layer) {
  LAYER* p = _GetLayer(Layer);
  if (!p || p->BitsPerPixel > 8 || Index < 0 || Index > 255) return 0;
  const uint8_t* pEntry = _Map() + LCDSIM_PAL_OFFSET + 4 * Index;
  return uint32_t(pEntry[2]) | uint32_t(pEntry[1]) << 8 | uint32_t(pEntry[0]) << 16 | uint32_t(pEntry[3]) << 24;
}

void LCDSIM_FillRect(int x0, int y0, int x1, int y1, int Index, int Layer) {
  LAYER* p = _GetLayer(Layer);
  if (!p) return;
  if (x1 > p->XSize - 1) x1 = p->XSize - 1;
  if (y1 > p->YSize - 1) y1 = p->YSize - 1;
  for (int y = y0; y <= y1; y++) {
    for (int x = x0; x <= x1; x++) {
      uint8_t* pPixel = _XY2PTR(p, x, y);
      if (!pPixel) break;  // reported once per line
      _Store(p, pPixel, Index, Layer);
    }
  }
  _Modified(p);
}

void LCDSIM_SetPixelColor(int x, int y, uint32_t Value, int Layer) {
  LAYER* p = _GetLayer(Layer);
  if (!p || p->BytesPerPixel != 4) return;
  if (uint8_t* pPixel = _XY2PTR(p, x, y)) {
    memcpy(pPixel, &Value, 4);
    _Modified(p);
  }
}

/*********************************************************************
*
*       Palette
*/
uint32_t LCDSIM_SetTint(int Light, uint32_t Color) {
  uint32_t* p = Light ? &_TintLight : &_TintDark;
  uint32_t Old = *p;
  *p = Color & 0xFFFFFF;
  return Old;
}

void LCDSIM_SetLUTEntry(uint8_t Pos, uint32_t Color, int Layer) {
  LAYER* p = _GetLayer(Layer);
  if (!p) return;
  SIM_LAYER_INFO Info;
  SIM__GuiGetLayerInfo(Layer, &Info);
  p->pHeader->NumColors = Info.NumColors;
  p->pHeader->BitsPerPixel = Info.BitsPerPixel;
  uint8_t* pEntry = _Map() + LCDSIM_PAL_OFFSET + 4 * Pos;
  for (int Shift = 0; Shift < 24; Shift += 8) {  // red, green, blue of the GUI colour
    int c = int(Color >> Shift & 0xFF);
    int Dark = int(_TintDark >> (16 - Shift) & 0xFF);   // tint colours are 0xRRGGBB
    int Light = int(_TintLight >> (16 - Shift) & 0xFF);
    pEntry[2 - Shift / 8] = uint8_t((Light - Dark) * c / 255 + Dark);
  }
  pEntry[3] = uint8_t(Color >> 24);
  _LUTModifyCnt++;
  p->pHeader->LUTModifyCnt = _LUTModifyCnt;
  _Modified(p);
}

uint32_t LCDSIM_GetLUTModifyCnt(void) { return _LUTModifyCnt; }

uint32_t LCDSIM_GetModifyCnt(int Layer) {
  LAYER* p = _GetLayer(Layer);
  return p ? __atomic_load_n(&p->pHeader->ModifyCnt, __ATOMIC_ACQUIRE) : 0;
}

/*********************************************************************
*
*       Buffers, origin and layer properties
*/
void LCDSIM_CopyBuffer(int Layer, int IndexSrc, int IndexDst) {
  LAYER* p = _GetLayer(Layer);
  if (!p) return;
  long long Lines = p->YSize;
  long long Last = (IndexSrc > IndexDst ? IndexSrc : IndexDst) + 1LL;
  if (IndexSrc < 0 || IndexDst < 0 || Last * Lines > p->VYSize ||
      Last * Lines * p->BytesPerLine > LCDSIM_FB_SIZE) {
    SIM_ErrorOut("LCDSIM:\nIllegal buffer index in LCDSIM_CopyBuffer.");
    return;
  }
  if (IndexSrc != IndexDst) {
    size_t Size = size_t(Lines * p->BytesPerLine);
    memcpy(p->pFrameBuffer + size_t(IndexDst) * Size, p->pFrameBuffer + size_t(IndexSrc) * Size, Size);
  }
  _Modified(p);
}

void LCDSIM_SetOrg(int x, int y, int Layer) {
  if (Layer < 0 || Layer >= _NUM_LAYERS) return;
  if (!_GetLayer(Layer)) {
    // Asked before the main thread has set the layer up: wait for it, but not for ever.
    for (int t = 0; t < _ORG_WAIT_MS && !_GetLayer(Layer); t++) PLAT_Sleep(1);
    PLAT_Sleep(10);
  }
  LAYER* p = _GetLayer(Layer);
  if (!p) return;
  char acText[200];
  bool Ok = true;
  if (x + p->XSize > p->VXSize) {
    snprintf(acText, sizeof(acText),
             "LCDSIM - GUI_SetOrg() failed.\n\nThe desired X position of %d exceeds the maximum\n"
             "value of LDC_VXSIZE - LCD_XSIZE = %d", x, p->VXSize - p->XSize);
    SIM_ErrorOut(acText);
    Ok = false;
  }
  if (y + p->YSize > p->VYSize) {
    snprintf(acText, sizeof(acText),
             "LCDSIM - GUI_SetOrg() failed.\n\nThe desired Y position of %d exceeds the maximum\n"
             "value of LDC_VYSIZE - LCD_YSIZE = %d", y, p->VYSize - p->YSize);
    SIM_ErrorOut(acText);
    Ok = false;
  }
  if (Ok && (x < 0 || y < 0)) {
    SIM_ErrorOut("LCDSIM - GUI_SetOrg() failed.\n\nA negative position is not possible.");
    Ok = false;
  }
  if (Ok) {
    p->xOrg = p->pHeader->xOrg = x;
    p->yOrg = p->pHeader->yOrg = y;
    _Modified(p);
  }
}

void LCDSIM_ShowBuffer(int Layer, int Index) {
  LAYER* p = _GetLayer(Layer);
  if (p) LCDSIM_SetOrg(p->xOrg, Index * p->YSize, Layer);
}

void LCDSIM_SetAlpha(int Alpha, int Layer) {
  if (LAYER* p = _GetLayer(Layer)) {
    p->pHeader->Alpha = Alpha;
    _Modified(p);
  }
}

int LCDSIM_GetAlpha(int Layer) {
  LAYER* p = _GetLayer(Layer);
  return p ? p->pHeader->Alpha : 0;
}

void LCDSIM_SetLayerPos(int x, int y, int Layer) {
  if (LAYER* p = _GetLayer(Layer)) {
    p->xPos = p->pHeader->xPos = x;
    p->yPos = p->pHeader->yPos = y;
    _Modified(p);
  }
}

void LCDSIM_SetLayerVis(int OnOff, int Layer) {
  if (LAYER* p = _GetLayer(Layer)) {
    p->Visible = p->pHeader->Visible = OnOff;
    _Modified(p);
  }
}

void LCDSIM_SetLayerSize(int Layer, int xSize, int ySize) {
  LAYER* p = _GetLayer(Layer);
  if (!p) return;
  if (xSize < 0 || ySize < 0 || xSize > p->VXSize || ySize > p->VYSize) return;  // must stay inside the buffer
  p->XSize = p->pHeader->XSize = xSize;
  p->YSize = p->pHeader->YSize = ySize;
  _Modified(p);
}

void LCDSIM_SetTransparencyRange(int Layer, uint32_t Min, uint32_t Max) {
  if (Layer != 0) return;
  if (LAYER* p = _GetLayer(Layer)) {
    p->TransMin = p->pHeader->TransMin = _SwapRB(Min);
    p->TransMax = p->pHeader->TransMax = _SwapRB(Max);
    _Modified(p);
  }
}

void LCDSIM_SetCompositeMode(int Layer, uint32_t Mode) {
  LAYER* p0 = _GetLayer(0);
  if (Layer == 0 && p0) p0->CompositeMode = p0->pHeader->CompositeMode = Mode;
  if (LAYER* p = _GetLayer(Layer)) _Modified(p);
}

void LCDSIM_SetCompositeColor(uint32_t Color) {
  if (LAYER* p = _GetLayer(0)) {
    p->pHeader->CompositeColor = Color;
    _Modified(p);
  }
}

void LCDSIM_SetCompositeSize(int xSize, int ySize) {
  if (LAYER* p = _GetLayer(0)) {
    p->pHeader->xSizeComposite = uint16_t(xSize);
    p->pHeader->ySizeComposite = uint16_t(ySize);
    _Modified(p);
  }
}

/*********************************************************************
*
*       Pointer
*/
void LCDSIM_SetPID(int x, int y, int Buttons, int Layer) {
  LAYER* p = _GetLayer(Layer);
  if (!p) return;
  p->pHeader->PIDx = x;
  p->pHeader->PIDy = y;
  p->pHeader->PIDButtons = Buttons;
  LCDSIM_ForwardPID(Layer);
}

void LCDSIM_ForwardPID(int Layer) {
  LAYER* p = _GetLayer(Layer);
  if (!p) return;
  int x = p->pHeader->PIDx;
  int y = p->pHeader->PIDy;
  uint8_t Pressed = uint8_t(p->pHeader->PIDButtons);
  bool Moved = x != p->LastX || y != p->LastY;
  if (Moved && p->LastPressed && Pressed) {
    SIM_PointerMoved = 1;
  } else if (Pressed && !p->LastPressed) {
    SIM_PointerMoved = 0;
  }
  if (Moved || Pressed != p->LastPressed) {
    p->LastX = x;
    p->LastY = y;
    p->LastPressed = Pressed;
    p->LastLayer = uint8_t(Layer);
    SIM__GuiStorePointer(x, y, Pressed, Layer);
  }
}
