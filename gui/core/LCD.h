// Display layer: devices and their chains, colour conversion and drawing in screen coordinates.
// The routines here expect the caller to hold the GUI lock.
#pragma once

#include "GUI_Type.h"

//
// Devices
//
GUI_DEVICE* GUI_DEVICE_Create(const GUI_DEVICE_API* pDeviceAPI, const LCD_COLOR_CONV_API* pColorConvAPI,
                              U16 LinkFlag, int LayerIndex);
GUI_DEVICE* GUI_DEVICE_CreateAndLink(const GUI_DEVICE_API* pDeviceAPI, const LCD_COLOR_CONV_API* pColorConvAPI,
                                     U16 LinkFlag, int LayerIndex);
int GUI_DEVICE_Link(GUI_DEVICE* pDevice);  // 0 on success
void GUI_DEVICE_Unlink(GUI_DEVICE* pDevice);
void GUI_DEVICE_Delete(GUI_DEVICE* pDevice);
GUI_DEVICE* GUI_DEVICE__GetByClass(int LayerIndex, int DeviceClass);
GUI_DEVICE* GUI_DEVICE__GetDriver(int LayerIndex);
GUI_DEVICE* GUI_DEVICE__GetHead(int LayerIndex);

//
// Colour conversion
//
enum {
  LCD_CC_1 = 0,    // 1 bit: 0 black, 1 white
  LCD_CC_BGR565,   // the display: red bits 0-4, green 5-10, blue 11-15
  LCD_CC_RGB565,   // red bits 11-15, green 5-10, blue 0-4
  LCD_CC_888,      // index = colour without its transparency byte
  LCD_CC_8888,     // index = colour including the transparency byte
  LCD_CC_GRAY8,    // 8-bit grey level
  LCD_CC_NUM
};
extern const LCD_COLOR_CONV_API LCD_aColorConvAPI[LCD_CC_NUM];
extern const U8 LCD_aExpand5[32];  // 5-bit component to 8 bits
extern const U8 LCD_aExpand6[64];  // 6-bit component to 8 bits
GUI_COLOR LCD_CC_ABGR8888_Index2Color(LCD_PIXELINDEX Index);
LCD_PIXELINDEX LCD_CC_BGR565_Color2Index(GUI_COLOR Color);
GUI_COLOR LCD_CC_BGR565_Index2Color(LCD_PIXELINDEX Index);
LCD_PIXELINDEX LCD_CC_RGB565_Color2Index(GUI_COLOR Color);
GUI_COLOR LCD_CC_RGB565_Index2Color(LCD_PIXELINDEX Index);

typedef LCD_PIXELINDEX (*tLCDDEV_Color2Index)(GUI_COLOR Color);
typedef GUI_COLOR (*tLCDDEV_Index2Color)(LCD_PIXELINDEX Index);

int LCD__GetBPPDevice(LCD_PIXELINDEX IndexMask);
int LCD__GetBPP(LCD_PIXELINDEX IndexMask);  // bits of the mask
// Storage depth (1, 8, 16 or 32) of the current drawing target, taken from its colour conversion: 1- and 8-bit
// memory devices pass the display's depth on as their property, yet take rows of indices only at their own.
int LCD__GetTargetBPP(void);
// Draws n pixel indices of the current target as one row at x, y, packed in place to the target's depth.
void LCD__DrawIndexRow(int x, int y, int n, LCD_PIXELINDEX* pIndices);
tLCDDEV_Color2Index LCD__GetpfColor2Index(int LayerIndex);  // the layer's first device
tLCDDEV_Color2Index LCD_GetpfColor2IndexEx(int LayerIndex); // the layer's display driver
tLCDDEV_Index2Color LCD__GetpfIndex2Color(int LayerIndex);
tLCDDEV_Index2Color LCD_GetpfIndex2ColorEx(int LayerIndex);
const LCD_COLOR_CONV_API* LCD__GetColorConv(int LayerIndex);  // the layer's first device's
LCD_PIXELINDEX LCD_Color2Index(GUI_COLOR Color);
GUI_COLOR LCD_Index2Color(LCD_PIXELINDEX Index);
GUI_COLOR LCD_Index2ColorEx(LCD_PIXELINDEX Index, int LayerIndex);
LCD_PIXELINDEX LCD_Color2IndexEx(GUI_COLOR Color, int LayerIndex);
void LCD_UpdateColorIndices(void);
LCD_PIXELINDEX* LCD_GetPalConvTable(const GUI_PALETTE* pPal);
LCD_PIXELINDEX* LCD_GetPalConvTableEx(const GUI_PALETTE* pPal, int LayerIndex);
extern LCD_PIXELINDEX LCD__pPalConvTable[256];
extern LCD_PIXELINDEX* (*GUI__pfDrawBitmapHook)(const GUI_PALETTE* pPal, const GUI_BITMAP* pBitmap, int LayerIndex);

//
// Attributes
//
void LCD_SetColor(GUI_COLOR Color);
void LCD_SetBkColor(GUI_COLOR Color);
void LCD_SetColorIndex(LCD_PIXELINDEX Index);
void LCD_SetBkColorIndex(LCD_PIXELINDEX Index);
LCD_PIXELINDEX LCD_GetColorIndex(void);
LCD_PIXELINDEX LCD_GetBkColorIndex(void);
int LCD_SetDrawMode(int DrawMode);  // -> previous mode
void LCD_SetClipRectToDevice(void);
void LCD_SetClipRectEx(const GUI_RECT* pRect);
void LCD_GetDeviceRect(int LayerIndex, GUI_RECT* pRect);

//
// Drawing in screen coordinates, clipped to the context's clip rectangle
//
void LCD_DrawHLine(int x0, int y, int x1);
void LCD_DrawVLine(int x, int y0, int y1);
void LCD_FillRect(int x0, int y0, int x1, int y1);
void LCD_DrawRect(int x0, int y0, int x1, int y1);
void LCD_DrawPixel(int x, int y);
void LCD_SetPixelIndex(int x, int y, LCD_PIXELINDEX Index);  // unclipped apart from the device rectangle
void LCD__SetPixelIndexClipped(int x, int y, LCD_PIXELINDEX Index);
void LCD_XorPixel(int x, int y);
void LCD_DrawBitmap(int x0, int y0, int xSize, int ySize, int xMag, int yMag, int BitsPerPixel, int BytesPerLine,
                    const U8* pData, const LCD_PIXELINDEX* pTrans);
void LCD__DrawBitmapEx(int x0, int y0, int xSize, int ySize, int xMag, int yMag, int BitsPerPixel,
                       int BytesPerLine, const U8* pData, const LCD_PIXELINDEX* pTrans, int Diff);
void GUI__DrawBitmap16bpp(int x0, int y0, int xSize, int ySize, const U8* pData, const GUI_PALETTE* pPal, int xMag,
                          int yMag, tLCDDEV_Index2Color pfIndex2Color, const LCD_COLOR_CONV_API* pColorConvAPI);
// Generic bitmap drawing of a device through its own set-pixel routine (for devices without a faster one).
void GUI_DEVICE__DrawBitmapByPixel(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel,
                                   int BytesPerLine, const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans);

struct LCD_PIXELWRITER_API {
  int (*pfBegin)(int x0, int y0, int x1, int y1);  // 0 ok
  void (*pfWrite)(LCD_PIXELINDEX Index);
  void (*pfNextLine)(void);
  void (*pfEnd)(void);
};
const LCD_PIXELWRITER_API* LCD_GetPixelWriterAPI(void);

//
// Read-back
//
LCD_PIXELINDEX LCD_GetPixelIndex(int x, int y);
GUI_COLOR LCD_GetPixelColor(int x, int y);
LCD_PIXELINDEX GUI_GetBitmapPixelIndex(const GUI_BITMAP* pBitmap, unsigned x, unsigned y);
// Rectangles are clipped to the clip rectangle; the buffer receives the clipped rectangle row by row.
void LCD_ReadRect(int x0, int y0, int x1, int y1, void* pBuffer, GUI_DEVICE* pDevice);
void LCD_ReadRectEx(int x0, int y0, int x1, int y1, LCD_PIXELINDEX* pBuffer, GUI_DEVICE* pDevice);
void LCD_ReadRectFromDriver(int x0, int y0, int x1, int y1, LCD_PIXELINDEX* pBuffer, GUI_DEVICE* pDevice);

//
// Sizes and layer properties
//
int LCD_GetXSize(void);
int LCD_GetYSize(void);
int LCD_GetVXSize(void);
int LCD_GetVYSize(void);
int LCD_GetXSizeEx(int LayerIndex);
int LCD_GetYSizeEx(int LayerIndex);
int LCD_GetVXSizeEx(int LayerIndex);
int LCD_GetVYSizeEx(int LayerIndex);
int LCD_GetXSizeMax(void);
int LCD_GetYSizeMax(void);
int LCD_GetBitsPerPixel(void);
int LCD_GetBitsPerPixelEx(int LayerIndex);
int LCD__GetBitsPerPixelEx(int LayerIndex);
U32 LCD_GetNumColorsEx(int LayerIndex);
U32 LCD_GetNumColors(void);
int LCD_GetNumLayers(void);
I32 LCD_GetPropertyDev(int LayerIndex, int Index);
int LCD_GetXMagEx(int LayerIndex);
int LCD_GetYMagEx(int LayerIndex);
int LCD_SetSizeEx(int LayerIndex, int xSize, int ySize);
int LCD_SetVSizeEx(int LayerIndex, int vxSize, int vySize);
int LCD_SetOrg(int x, int y);
int LCD_SetLUTEntryEx(int LayerIndex, U8 Pos, GUI_COLOR Color);
int LCD_SetAlphaEx(int LayerIndex, int Alpha);
int LCD_SetPosEx(int LayerIndex, int xPos, int yPos);
int LCD_SetVisEx(int LayerIndex, int OnOff);
int LCD_CopyBufferEx(int LayerIndex, int IndexSrc, int IndexDst);
int LCD_ShowBufferEx(int LayerIndex, int BufferIndex);
int GUI__GetScreenXSize(void);
int GUI__GetScreenYSize(void);
void GUI__SetScreenXSize(int xSize);
void GUI__SetScreenYSize(int ySize);
