// The simulated display in a named shared mapping: a layer header, a bitmap-info header with a 256-entry
// palette, and the frame buffer. The GUI library's display driver writes it; the host's windows read it.
#pragma once
#include <cstddef>
#include <cstdint>

enum {
  LCDSIM_MAP_SIZE = 0x1001000,       // 16 MiB frame buffer + 4 KiB of headers
  LCDSIM_FB_OFFSET = 4096,
  LCDSIM_FB_SIZE = 0x1000000,
  LCDSIM_BMI_OFFSET = 256,
  LCDSIM_PAL_OFFSET = 296,
};

// Offsets are part of the format that other processes read.
typedef struct {
  char acId[32];
  int32_t XSize, YSize;              // visible size times the library's magnification
  int32_t VXSize, VYSize;            // frame-buffer size in pixels
  int32_t Reserved48;
  int32_t BitsPerPixel;              // as the GUI library drives the layer
  int32_t NumColors;
  volatile uint32_t ModifyCnt;       // raised by every change of the layer
  volatile uint32_t LUTModifyCnt;
  int32_t aReserved68[3];
  volatile int32_t PIDx, PIDy;       // -1 outside the display
  volatile int32_t PIDButtons;       // bit 0 left, bit 1 right, bit 2 middle, 128 double click
  int32_t xOrg, yOrg;
  int32_t Alpha;
  int32_t xPos, yPos;
  int32_t Visible;
  uint32_t CompositeColor;
  uint16_t xSizeComposite, ySizeComposite;
  uint32_t TransMin, TransMax;       // blue in bits 0-7, green 8-15, red 16-23
  uint32_t CompositeMode;
  uint8_t aReserved136[120];
} LCDSIM_HEADER;

static_assert(sizeof(LCDSIM_HEADER) == 256);
static_assert(offsetof(LCDSIM_HEADER, XSize) == 32 && offsetof(LCDSIM_HEADER, BitsPerPixel) == 52);
static_assert(offsetof(LCDSIM_HEADER, ModifyCnt) == 60 && offsetof(LCDSIM_HEADER, LUTModifyCnt) == 64);
static_assert(offsetof(LCDSIM_HEADER, PIDx) == 80 && offsetof(LCDSIM_HEADER, PIDButtons) == 88);
static_assert(offsetof(LCDSIM_HEADER, xOrg) == 92 && offsetof(LCDSIM_HEADER, Alpha) == 100);
static_assert(offsetof(LCDSIM_HEADER, Visible) == 112 && offsetof(LCDSIM_HEADER, CompositeColor) == 116);
static_assert(offsetof(LCDSIM_HEADER, xSizeComposite) == 120 && offsetof(LCDSIM_HEADER, TransMin) == 124);
static_assert(offsetof(LCDSIM_HEADER, CompositeMode) == 132);

// A layer as the host's windows read it.
typedef struct {
  LCDSIM_HEADER* pHeader;
  uint8_t* pFrameBuffer;
  const uint32_t* pPalette;   // 256 entries 0xAARRGGBB (bitmap order, blue in the low byte)
  int BytesPerLine;
  int BytesPerPixel;          // 1 (palette index) or 4 (colour in bitmap order, 0xTTRRGGBB)
} LCDSIM_LAYER_VIEW;

extern uint8_t SIM_PointerMoved;   // 1 while a pressed pointer has moved since the press

// Mapping and layers.
int LCDSIM_PreInit(void);            // 0; 1 when every name is in use; -1 when no mapping could be made
const char* LCDSIM_Init(void);       // 0, or "Could not alloc Server data ..."
void LCDSIM_Exit(void);
int LCDSIM_GetView(int Layer, LCDSIM_LAYER_VIEW* pView);  // 0 once the layer is initialised
const char* LCDSIM_GetMapName(void);
// The number of this simulator's mapping, the first name that was free when it was made: 0 for "PixraLCDMap",
// n for "PixraLCDMap_n". Simulators running at once have different numbers. It stays after LCDSIM_Exit.
int LCDSIM_GetMapNumber(void);

// Driver operations.
void LCDSIM_SetPixelIndex(int x, int y, int Index, int Layer);
int LCDSIM_GetPixelIndex(int x, int y, int Layer);
uint32_t LCDSIM_GetPixelColor(int x, int y, int Layer);
uint32_t LCDSIM_Index2Color(int Index, int Layer);
void LCDSIM_FillRect(int x0, int y0, int x1, int y1, int Index, int Layer);
void LCDSIM_SetPixelColor(int x, int y, uint32_t Value, int Layer);
void LCDSIM_SetLUTEntry(uint8_t Pos, uint32_t Color, int Layer);
void LCDSIM_CopyBuffer(int Layer, int IndexSrc, int IndexDst);
void LCDSIM_ShowBuffer(int Layer, int Index);
void LCDSIM_SetOrg(int x, int y, int Layer);
void LCDSIM_SetAlpha(int Alpha, int Layer);
int LCDSIM_GetAlpha(int Layer);
void LCDSIM_SetLayerPos(int x, int y, int Layer);
void LCDSIM_SetLayerVis(int OnOff, int Layer);
void LCDSIM_SetLayerSize(int Layer, int xSize, int ySize);
void LCDSIM_SetTransparencyRange(int Layer, uint32_t Min, uint32_t Max);
void LCDSIM_SetCompositeMode(int Layer, uint32_t Mode);
void LCDSIM_SetCompositeColor(uint32_t Color);
void LCDSIM_SetCompositeSize(int xSize, int ySize);
uint32_t LCDSIM_GetModifyCnt(int Layer);
uint32_t LCDSIM_GetLUTModifyCnt(void);
uint32_t LCDSIM_SetTint(int Light, uint32_t Color);  // palette tint ends (0xRRGGBB); returns the previous one

// Pointer.
void LCDSIM_SetPID(int x, int y, int Buttons, int Layer);
void LCDSIM_ForwardPID(int Layer);
