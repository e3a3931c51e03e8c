// Memory devices: off-screen drawing targets of 1, 8, 16 and 32 bits per pixel that take part in a layer's
// device chain while selected, their usage bitmaps, the measuring device, banded and automatic drawing,
// and the transfers of a device into the active drawing target.
#pragma once

#include "GUI.h"

//
// Records
//

// Header of a memory device block; the pixels follow it directly (GUI_MEMDEV_GetDataPtr), YSize rows of
// BytesPerLine bytes, top row first.
struct GUI_MEMDEV {
  GUI_DEVICE* pDevice;  // the device object that stands for this memory device in the chain
  I16 x0, y0;           // position in display coordinates
  U16 XSize, YSize;
  U32 BytesPerLine;     // (BitsPerPixel * XSize + 7) >> 3
  U32 BitsPerPixel;     // 1, 8, 16 or 32
  GUI_HMEM hUsage;      // usage bitmap, 0 = none
};
// Distance of the first pixel from the start of the block.
#define GUI_MEMDEV_HEADER_SIZE ((int)sizeof(GUI_MEMDEV))

struct GUI_USAGE;
typedef GUI_HMEM GUI_USAGE_Handle;

// Routines of a usage bitmap, reached only through this table with the bitmap's block locked.
struct GUI_USAGE_API {
  void (*pfAddPixel)(GUI_USAGE* p, int x, int y);
  void (*pfAddHLine)(GUI_USAGE* p, int x, int y, int Len);
  void (*pfClear)(GUI_USAGE* p);
  void (*pfReserved)(void);
  void (*pfDelete)(GUI_HMEM hUsage);
  int (*pfGetNextDirty)(GUI_USAGE* p, int* px, int y);
};

// One bit per pixel of a memory device: set where something was drawn. Bits follow the record.
struct GUI_USAGE {
  I16 x0, y0;
  I16 XSize, YSize;
  const GUI_USAGE_API* pAPI;
  U16 UseCnt;
  U32 BytesPerLine;  // ((XSize + 15) >> 3) & ~1
};
#define GUI_USAGE_HEADER_SIZE ((int)sizeof(GUI_USAGE))

extern const GUI_USAGE_API GUI_USAGE_BM_API;

// Measuring device: collects the bounding rectangle of everything drawn while it is selected.
struct GUI_MEASDEV {
  GUI_DEVICE* pDevice;
  GUI_RECT rUsed;
};

// Automatic device (caller-owned): redraws only what moving parts touch.
struct GUI_AUTODEV {
  GUI_RECT rView;
  GUI_RECT rPrev;
  U8 FirstCall;
};
struct GUI_AUTODEV_INFO {
  U8 DrawFixed;
  U8 IsMeasurement;
};

typedef void GUI_CALLBACK_VOID_P(void* pData);

// Creation flags.
#define GUI_MEMDEV_HASTRANS 0
#define GUI_MEMDEV_NOTRANS (1 << 0)

// Position marker of the copy and write operations: the device's own position.
#define GUI_POS_AUTO -4095

//
// Device records of the four depths (device class 4) and of the measuring device (class 7)
//
extern const GUI_DEVICE_API GUI_MEMDEV_DEVICE_1;
extern const GUI_DEVICE_API GUI_MEMDEV_DEVICE_8;
extern const GUI_DEVICE_API GUI_MEMDEV_DEVICE_16;
extern const GUI_DEVICE_API GUI_MEMDEV_DEVICE_32;
extern const GUI_DEVICE_API GUI_MEASDEV_DEVICE;

// Installs the memory devices' services in the layers below: banded painting of the window manager, the
// display driver's device records, the alpha hook. The application calls it after WM_Init; the first
// memory device created does it otherwise. Calling it again does no harm.
void GUI_MEMDEV__Init(void);
// Only the GUI core's hooks (device records, alpha hook); plain pointer stores, safe before main.
void GUI_MEMDEV__InstallCoreHooks(void);
// The memory-device record for a storage depth of 1, 8, 16 or 32 bits (null for any other).
const GUI_DEVICE_API* GUI_MEMDEV__GetDeviceAPI(int BitsPerPixel);

//
// Life cycle, selection, getters and setters
//
GUI_HMEM GUI_MEMDEV__CreateFixed(int x0, int y0, int xSize, int ySize, int Flags, const GUI_DEVICE_API* pDeviceAPI,
                                 const LCD_COLOR_CONV_API* pColorConvAPI);
GUI_HMEM GUI_MEMDEV_CreateFixed(int x0, int y0, int xSize, int ySize, int Flags, const GUI_DEVICE_API* pDeviceAPI,
                                const LCD_COLOR_CONV_API* pColorConvAPI);
GUI_HMEM GUI_MEMDEV_Create32(int x0, int y0, int xSize, int ySize);
GUI_HMEM GUI_MEMDEV_CreateEx(int x0, int y0, int xSize, int ySize, int Flags);
GUI_HMEM GUI_MEMDEV_Create(int x0, int y0, int xSize, int ySize);
GUI_HMEM GUI_MEMDEV_Select(GUI_HMEM hMem);
void GUI_MEMDEV_Delete(GUI_HMEM hMem);
int GUI_MEMDEV_GetXPos(GUI_HMEM hMem);
int GUI_MEMDEV_GetYPos(GUI_HMEM hMem);
int GUI_MEMDEV_GetXSize(GUI_HMEM hMem);
int GUI_MEMDEV_GetYSize(GUI_HMEM hMem);
void* GUI_MEMDEV_GetDataPtr(GUI_HMEM hMem);
int GUI_MEMDEV_GetBitsPerPixel(GUI_HMEM hMem);
const LCD_COLOR_CONV_API* GUI_MEMDEV_GetColorConv(GUI_HMEM hMem);
void GUI_MEMDEV_SetColorConv(GUI_HMEM hMem, const LCD_COLOR_CONV_API* pColorConvAPI);
void GUI_MEMDEV_SetOrg(GUI_HMEM hMem, int x0, int y0);
void GUI_MEMDEV_Write(GUI_HMEM hMem);
void GUI_MEMDEV_WriteAt(GUI_HMEM hMem, int x, int y);
void GUI_MEMDEV__CopyToLCDHook(GUI_HMEM hMem, int x, int y);
void GUI_MEMDEV_MarkRect(GUI_HMEM hMem, int x0, int y0, int x1, int y1);
void GUI_MEMDEV__SetUsage(GUI_HMEM hUsage);
void GUI_MEMDEV_ReduceYSize(GUI_HMEM hMem, int YSize);
// Writes the device as a BMP stream at its own depth, one byte per call of pfSerialize.
void GUI_MEMDEV_SerializeBMP(GUI_HMEM hMem, void (*pfSerialize)(U8 Data, void* pParam), void* pParam);
// Selects a memory device or a measuring device (0: the display), whichever kind the handle names.
void GUI_MEMDEV__SelectAny(GUI_HMEM hMem);

//
// Usage bitmaps
//
GUI_HMEM GUI_USAGE_BM_Create(int x0, int y0, int xSize, int ySize, int Flags);
void GUI_USAGE_DecUseCnt(GUI_HMEM hUsage);
void GUI_USAGE_AddRect(GUI_USAGE* pUsage, int x, int y, int xSize, int ySize);
void GUI_USAGE_BM_AddPixel(GUI_USAGE* p, int x, int y);
void GUI_USAGE_BM_AddHLine(GUI_USAGE* p, int x, int y, int Len);
void GUI_USAGE_BM_Clear(GUI_USAGE* p);
void GUI_USAGE_BM_Delete(GUI_HMEM hUsage);
int GUI_USAGE_BM_GetNextDirty(GUI_USAGE* p, int* px, int y);

//
// Measuring device
//
GUI_HMEM GUI_MEASDEV_Create(void);
void GUI_MEASDEV_Select(GUI_HMEM hMeas);
void GUI_MEASDEV_Delete(GUI_HMEM hMeas);
void GUI_MEASDEV_ClearRect(GUI_HMEM hMeas);
void GUI_MEASDEV_GetRect(GUI_HMEM hMeas, GUI_RECT* pRect);
// The anti-aliasing's factor while it draws in high-resolution units (1 or less: plain pixels); the
// anti-aliasing installs it so that measured anti-aliased polygons come back in pixels.
void GUI_MEASDEV__SetAAFactorHook(int (*pfGetFactor)(void));

//
// Banding, automatic and anti-aliasing devices
//
int GUI_MEMDEV_Draw(const GUI_RECT* pRect, GUI_CALLBACK_VOID_P* pfDraw, void* pData, int NumLines, int Flags);
int GUI_MEMDEV_CreateAuto(GUI_AUTODEV* pAutoDev);
int GUI_MEMDEV_DrawAuto(GUI_AUTODEV* pAutoDev, GUI_AUTODEV_INFO* pAutoInfo, GUI_CALLBACK_VOID_P* pfDraw, void* pData);
void GUI_MEMDEV__SetAlphaHook(GUI_ALPHA_HOOK pfHook);
void GUI_MEMDEV_AA_FillDouble(GUI_HMEM hMem);
void GUI_MEMDEV_AA_WriteHalf(GUI_HMEM hMem);

//
// Transfers into the active target
//
void GUI_MEMDEV_CopyToLCD(GUI_HMEM hMem);
void GUI_MEMDEV_CopyToLCDAt(GUI_HMEM hMem, int x, int y);
void GUI_MEMDEV_WriteAlpha(GUI_HMEM hMem, int Alpha);
void GUI_MEMDEV_WriteAlphaAt(GUI_HMEM hMem, int Alpha, int x, int y);
void GUI_MEMDEV_WriteScaled(GUI_HMEM hMem, int xMul, int yMul, int Alpha);
void GUI_MEMDEV_WriteScaledAt(GUI_HMEM hMem, int x, int y, int xMul, int yMul, int Alpha);
void GUI_MEMDEV__WriteToActiveOpaque(GUI_HMEM hMem, int x, int y);
void GUI_MEMDEV__WriteToActiveAlpha(GUI_HMEM hMem, int x, int y);
void* GUI_MEMDEV__XY2PTR(int x, int y);
void* GUI_MEMDEV__XY2PTREx(GUI_MEMDEV* pDev, int x, int y);

//
// Perspective drawing, punch-out, line read-back
//
void GUI_MEMDEV_DrawPerspective(GUI_HMEM hMem, int x, int y, int h0, int h1, int dx, int dy);
void GUI_MEMDEV_DrawStretched(GUI_HMEM hMem, int x, int y, int w, int h);
int GUI_MEMDEV_PunchOutDevice(GUI_HMEM hMem, GUI_HMEM hMask);
void GUI_MEMDEV__ReadLine(int x0, int y, int x1, LCD_PIXELINDEX* pBuffer);
