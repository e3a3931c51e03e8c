// The framed main window's auxiliary frames (one LCD frame and one colour frame per layer, the composite frame
// and the log frame), the system-information window, the About box, and the layout that places the frames.
// Library-internal.
#pragma once
#include <cstdint>

#include "PLAT_Window.h"

enum {
  SIM_COLUMN_GAP = 170,             // room right of a column of LCD frames: the colour frames lie there
  SIM_LOG_XSIZE = 500, SIM_LOG_YSIZE = 60,
  SIM_NUM_LAYER_ITEMS = 6,          // "Layer &0" to "Layer &5" of the layer and colour menus
};

extern const char SIM_CLASS_LCD_FRAME[];      // "GUI LCD Frame"
extern const char SIM_CLASS_COLOR_FRAME[];    // "GUI LCD InfoFrame"
extern const char SIM_CLASS_LOG_FRAME[];      // "GUI LOG Frame"
extern const char SIM_CLASS_SYSINFO[];        // "GUI SysInfo"

typedef struct {
  int xSize, ySize;
} SIM_FRAME_SIZE;

/*********************************************************************
*
*       Layout (SIM_FrameLayout.cpp)
*/
// Where the LCD frame of a layer goes, given the sizes of the frames of layers 0 to Layer - 1: frames stack
// downwards and start a new column, SIM_COLUMN_GAP right of the widest frame so far, when the next one would
// reach AvailHeight.
void SIM__GetLCDFramePos(const SIM_FRAME_SIZE* paSize, int Layer, int AvailHeight, int* px, int* py);
// The new left edge of a frame of width xSize at x when its parent, xSizeParent wide, should have been Width
// wide (border f): frames keep their share of the room; computed in single precision and truncated.
int SIM__SqueezeX(int x, int xSize, int xSizeParent, int Width, int f);

SIM_FRAME_SIZE SIM__GetLCDFrameSize(int Layer);
void SIM__GetLCDFramePosOfLayer(int Layer, int* px, int* py);
void SIM__GetFramesExtent(int* pxRight, int* pyBottom);   // right and bottom edge of all LCD frames
int SIM__HasLayer(int Layer);                             // the GUI library drives this layer
void SIM__ArrangeFrames(PLAT_HWIN hMain);                 // the main frame grows to hold the frames
void SIM__FitFrame(PLAT_HWIN hFrame);                     // a frame made later is squeezed onto the desktop
void SIM__SqueezeFrame(PLAT_HWIN hFrame, int Width);
void SIM__GetMainFrameBorder(int* pxBorder, int* pyBorder);   // window size less client size of the main frame

/*********************************************************************
*
*       Frames: each is made once; the one that exists is returned (0 for a layer the library lacks)
*/
PLAT_HWIN SIM__CreateLCDFrame(PLAT_HWIN hMain, int Layer);
PLAT_HWIN SIM__CreateColorFrame(PLAT_HWIN hMain, int Layer);
PLAT_HWIN SIM__CreateLogFrame(PLAT_HWIN hMain);           // made again after it was closed
PLAT_HWIN SIM__CreateCompositeFrame(PLAT_HWIN hMain);     // 0 without a composite size
SIM_FRAME_SIZE SIM__GetCompositeFrameSize(void);          // 0 x 0 without a composite size
SIM_FRAME_SIZE SIM__GetColorFrameSize(int NumColors);

/*********************************************************************
*
*       LCD info window (SIM_LCDInfo.cpp): the palette of a layer, or a colour chart for layers without one
*/
PLAT_HWIN SIM__CreateLCDInfo(PLAT_HWIN hParent, int x, int y, int xSize, int ySize, int Layer);
// Paints palette squares (NumColors 1 to 256, paColor GUI colours: red in the low byte) or, for any other
// number, the colour chart stretched over xSize x ySize.
void SIM__PaintLCDInfo(PLAT_HPAINT hdc, int xSize, int ySize, int NumColors, const uint32_t* paColor);
enum { SIM_CHART_XSIZE = 32, SIM_CHART_YSIZE = 16 };
const uint32_t* SIM__GetColorChart(void);   // SIM_CHART_XSIZE x SIM_CHART_YSIZE pixels 0x00RRGGBB, top line first

/*********************************************************************
*
*       System information (SIM_SysInfo.cpp) and About box (SIM_About.cpp)
*/
typedef struct {
  int x, y;
  char acText[48];
} SIM_SYSINFO_TEXT;
enum { SIM_SYSINFO_NUM_TEXTS = 4 };
PLAT_HWIN SIM__CreateSysInfo(void);
void SIM__GetSysInfoTexts(SIM_SYSINFO_TEXT* paText);   // what the window shows now
int SIM__ShowAbout(PLAT_HWIN hOwner);                  // modal; returns the id of the button that ended it
void SIM__FreeLogo(void);
// The logo picture (0x00RRGGBB, top line first); 0 when it cannot be decoded.
const uint32_t* SIM__GetLogo(int* pxSize, int* pySize);
