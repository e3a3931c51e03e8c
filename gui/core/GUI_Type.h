// Basic types and records of the GUI library: integers, colours, rectangles, bitmaps, devices and the
// drawing context. Everything above the GUI core reaches these through "GUI.h".
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::int8_t I8;
typedef std::uint8_t U8;
typedef std::int16_t I16;
typedef std::uint16_t U16;
typedef std::int32_t I32;
typedef std::uint32_t U32;
typedef std::int64_t I64;
typedef std::uint64_t U64;
typedef std::intptr_t PTR_ADDR;

// 0xTTBBGGRR: red in the low byte, the top byte is the transparency (0 opaque, 0xFF fully transparent).
typedef U32 GUI_COLOR;
// A pixel value of a device in its own format (5-6-5 on the display, a colour on 32-bit devices).
typedef U32 LCD_PIXELINDEX;
// Handle of a block in the GUI heap; 0 is "none". Handles are small numbers, not pointers.
typedef I32 GUI_HMEM;
// Window handles are heap handles; the window manager gives them meaning.
typedef GUI_HMEM WM_HWIN;

#define GUI_INVALID_COLOR 0x0FFFFFFFu
#define GUI_TRANSPARENT 0xFF000000u

#define GUI_MAKE_COLOR(x) ((GUI_COLOR)(x))
#define GUI_BLACK 0x00000000u
#define GUI_WHITE 0x00FFFFFFu
#define GUI_RED 0x000000FFu
#define GUI_GREEN 0x0000FF00u
#define GUI_BLUE 0x00FF0000u
#define GUI_GRAY 0x00808080u
#define GUI_YELLOW 0x0000FFFFu

// Number of display layers the library can drive, and of tasks that may hold their own drawing context.
#define GUI_NUM_LAYERS 16
#define GUI_MAX_TASK 128

// Draw modes (bit values of GUI_CONTEXT::DrawMode).
#define GUI_DRAWMODE_NORMAL 0
#define GUI_DRAWMODE_XOR 1
#define GUI_DRAWMODE_TRANS 2
#define GUI_DRAWMODE_REV 4
#define LCD_DRAWMODE_NORMAL GUI_DRAWMODE_NORMAL
#define LCD_DRAWMODE_XOR GUI_DRAWMODE_XOR
#define LCD_DRAWMODE_TRANS GUI_DRAWMODE_TRANS
#define LCD_DRAWMODE_REV GUI_DRAWMODE_REV

// Line styles.
#define GUI_LS_SOLID 0
#define GUI_LS_DASH 1
#define GUI_LS_DOT 2
#define GUI_LS_DASHDOT 3
#define GUI_LS_DASHDOTDOT 4

// Rectangle with inclusive corners.
struct GUI_RECT {
  I16 x0, y0, x1, y1;
};
typedef GUI_RECT LCD_RECT;

struct GUI_POINT {
  I16 x, y;
};

// Pointer state as the host and the window manager exchange it.
struct GUI_POINTER_STATE {
  int x, y;
  U8 Pressed;
  U8 Layer;
};
typedef GUI_POINTER_STATE GUI_PID_STATE;

// Key message: PressedCnt > 0 pressed, 0 released.
struct GUI_KEY_MSG {
  int Key;
  int PressedCnt;
};

// Palette: HasTrans nonzero makes pixel index 0 transparent.
struct GUI_PALETTE {
  int NumEntries;
  U8 HasTrans;
  const GUI_COLOR* pPalEntries;
};
typedef GUI_PALETTE GUI_LOGPALETTE;
typedef GUI_PALETTE LCD_LOGPALETTE;

struct LCD_COLOR_CONV_API;

// Pixel-format routines of a bitmap; the draw routine paints at screen position inside the context's clip.
struct GUI_BITMAP_METHODS {
  void (*pfDraw)(int x0, int y0, int XSize, int YSize, const U8* pData, const GUI_PALETTE* pPal, int xMag, int yMag);
  GUI_COLOR (*pfIndex2Color)(LCD_PIXELINDEX Index);
  void (*pfDrawHW)(int x0, int y0, int XSize, int YSize, const U8* pData, const GUI_PALETTE* pPal, int xMag, int yMag);
  const LCD_COLOR_CONV_API* pColorConvAPI;
};

struct GUI_BITMAP {
  U16 XSize;
  U16 YSize;
  U16 BytesPerLine;
  U16 BitsPerPixel;
  const U8* pData;
  const GUI_PALETTE* pPal;
  const GUI_BITMAP_METHODS* pMethods;
};

typedef struct GUI_FONT GUI_FONT;

// Colour conversion of a pixel format. The bulk routines may be null (Flags bit 0 tells they exist).
// Bulk routines move NumItems pixels stored BytesPerPixel bytes apart (1, 2 or 4; native byte order).
struct LCD_COLOR_CONV_API {
  LCD_PIXELINDEX (*pfColor2Index)(GUI_COLOR Color);
  GUI_COLOR (*pfIndex2Color)(LCD_PIXELINDEX Index);
  LCD_PIXELINDEX (*pfGetIndexMask)(void);
  int Flags;
  void (*pfColor2IndexBulk)(const GUI_COLOR* pColors, void* pDst, U32 NumItems, U8 BytesPerPixel);
  void (*pfIndex2ColorBulk)(const void* pSrc, GUI_COLOR* pColors, U32 NumItems, U8 BytesPerPixel);
};
typedef LCD_COLOR_CONV_API LCD_API_COLOR_CONV;
#define LCD_CC_FLAG_BULK 1

struct GUI_DEVICE;
typedef void (*GUI_DEVICE_FUNC)(void);

// Operations of one device of a layer's chain. Coordinates are screen coordinates already clipped by the
// caller to the context's clip rectangle. Draw modes (XOR, transparency) are read from GUI_pContext.
// DrawBitmap: pData points at the first byte of the first row, Diff is the number of the first pixel within
// that byte for formats below 8 bits per pixel, pTrans translates raw values into indices (null: the data
// are indices already; 16 and 32 bits per pixel are always indices).
struct GUI_DEVICE_API {
  int DeviceClassIndex;
  void (*pfDrawBitmap)(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                       const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans);
  void (*pfDrawHLine)(GUI_DEVICE* pDevice, int x0, int y, int x1);
  void (*pfDrawVLine)(GUI_DEVICE* pDevice, int x, int y0, int y1);
  void (*pfFillRect)(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1);
  LCD_PIXELINDEX (*pfGetPixelIndex)(GUI_DEVICE* pDevice, int x, int y);
  void (*pfSetPixelIndex)(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index);
  void (*pfXorPixel)(GUI_DEVICE* pDevice, int x, int y);
  void (*pfSetOrg)(GUI_DEVICE* pDevice, int x, int y);
  GUI_DEVICE_FUNC (*pfGetDevFunc)(GUI_DEVICE** ppDevice, int Index);
  I32 (*pfGetDevProp)(GUI_DEVICE* pDevice, int Index);
  void* (*pfGetDevData)(GUI_DEVICE* pDevice, int Index);
  void (*pfGetRect)(GUI_DEVICE* pDevice, LCD_RECT* pRect);
};

// Device classes: a higher class stands nearer the head of the chain.
#define DEVICE_CLASS_DRIVER 0
#define DEVICE_CLASS_DRIVER_MODIFIER 1
#define DEVICE_CLASS_ALPHA 2
#define DEVICE_CLASS_SPRITE 3
#define DEVICE_CLASS_MEMDEV 4
#define DEVICE_CLASS_MEASDEV 7

// Property codes (pfGetDevProp).
#define LCD_DEVCAP_XSIZE 1
#define LCD_DEVCAP_YSIZE 2
#define LCD_DEVCAP_VXSIZE 3
#define LCD_DEVCAP_VYSIZE 4
#define LCD_DEVCAP_BITSPERPIXEL 8
#define LCD_DEVCAP_NUMCOLORS 9
#define LCD_DEVCAP_XMAG 10
#define LCD_DEVCAP_YMAG 11
#define LCD_DEVCAP_MIRROR_X 12
#define LCD_DEVCAP_MIRROR_Y 13
#define LCD_DEVCAP_SWAP_XY 14

// Device routine codes (pfGetDevFunc).
#define LCD_DEVFUNC_SET_RECT 1
#define LCD_DEVFUNC_SETLUTENTRY 2
#define LCD_DEVFUNC_SETPOS 3
#define LCD_DEVFUNC_SETALPHA 4
#define LCD_DEVFUNC_SETVIS 5
#define LCD_DEVFUNC_SETSIZE 6
#define LCD_DEVFUNC_SETVSIZE 7
#define LCD_DEVFUNC_COPYBUFFER 8
#define LCD_DEVFUNC_SHOWBUFFER 9
#define LCD_DEVFUNC_GETPOS 10
#define LCD_DEVFUNC_READRECT 11
#define LCD_DEVFUNC_MEMDEV_TRANSFER 22

// Data codes (pfGetDevData).
#define LCD_DEVDATA_MEMDEV 1

struct GUI_DEVICE {
  GUI_DEVICE* pNext;  // toward the display driver
  const GUI_DEVICE_API* pDeviceAPI;
  const LCD_COLOR_CONV_API* pColorConvAPI;
  union {
    GUI_HMEM hContext;  // memory device or sprite handle
    void* pContext;     // driver or orientation state
  } u;
  U16 LinkFlag;
  int LayerIndex;
};

// Per-task drawing state. Positions in windows get the origin xOff, yOff added; the clip rectangle and
// everything below are in screen coordinates.
struct GUI_CONTEXT {
  GUI_RECT ClipRect;
  const GUI_RECT* pClipRect;  // the clip rectangle in use (ClipRect)
  U8 DrawMode;
  U8 SelLayer;
  U8 TextMode;
  U8 TextStyle;
  U8 PenSize;
  U8 LineStyle;
  U8 WM_IsActive;
  U8 ScaleFactor;
  U8 ScaleEnable;
  LCD_PIXELINDEX aColorIndex[2];        // background index, foreground index
  LCD_PIXELINDEX* LCD_pBkColorIndex;    // -> aColorIndex[0]
  LCD_PIXELINDEX* LCD_pColorIndex;      // -> aColorIndex[1]
  LCD_PIXELINDEX* LCD_pAColorIndex;     // -> aColorIndex: the pair, a 1-bit translation table
  GUI_COLOR Color;
  GUI_COLOR BkColor;
  // Text output.
  const GUI_FONT* pAFont;
  I16 LBorder;
  I16 DispPosX, DispPosY;
  I16 TextAlign;
  // Line drawing position (screen coordinates).
  I32 DrawPosX, DrawPosY;
  // Window origin added to every public drawing position.
  I32 xOff, yOff;
  WM_HWIN hAWin;
  const GUI_RECT* pUserClipRect;
  GUI_HMEM hDevData;  // selected memory device, 0 = the display
};

// Registered exit routine.
struct GUI_REGISTER_EXIT {
  GUI_REGISTER_EXIT* pNext;
  void (*pfVoid)(void);
};
