// The GUI library: the one header every user includes.
//
// Seams to the layers above and to the host (all installed at start-up, all optional):
// - GUI_OS_SetAPI: the host's lock, task id, delay, clock, error/warning/log output and GUI event wait and
//   signal. Entries left null fall back to built-in ones (a mutex, the steady clock, sleeping, stderr), so
//   the library runs headless in tests.
// - GUI_SetConfigAPI: the application's configuration of the heap and of the display layers, run once by
//   GUI__ConfigOnce (GUI_Init runs it too). Without one, the built-in configuration applies: a GUI heap of
//   0x252000 bytes with an average block of 128 bytes and layer 0 driven by LCD_SIMDRV_API at 480x272 with
//   a 480x544 virtual area in 16-bit BGR 5-6-5.
// - Clip iteration: every drawing routine in window coordinates draws once per rectangle produced by
//   GUI__pfClipBegin (first rectangle) and GUI__pfClipNext (each further one); each call that answers
//   nonzero has made GUI_pContext->ClipRect the rectangle to draw in. The window manager installs its
//   visible-rectangle iteration there; without it the context's clip rectangle is used once (and drawing
//   is skipped when the bounds miss it). The iteration must restore the clip rectangle when it ends.
// - GUI__pfGetClientRect: the client rectangle of the selected window (the window manager installs it;
//   without it the display rectangle).
// - GUI__pfMEMDEV_SetAlphaHook: how GUI_EnableAlpha reaches the memory devices' alpha hook.
// - LCD_SIMDRV_SetBuffer / LCD_SIMDRV_SetHostAPI (LCD_SIMDRV.h): the frame buffer and the device routines
//   that the host gives the simulation display driver.
#pragma once

#include "GUI_Type.h"
#include "LCD.h"

//
// Host hooks
//
typedef PTR_ADDR GUI_TASK_ID;

struct GUI_OS_API {
  void (*pfInitLock)(void);   // creates the host lock (once)
  void (*pfLock)(void);       // takes the host lock (not recursive; GUI_Lock counts the nesting)
  void (*pfUnlock)(void);
  GUI_TASK_ID (*pfGetTaskId)(void);
  void (*pfDelay)(int ms);
  U32 (*pfGetTime)(void);     // milliseconds, compared by signed difference
  void (*pfErrorOut)(const char* s);
  void (*pfWarn)(const char* s);
  void (*pfLog)(const char* s);
  void (*pfWaitEvent)(void);  // waits for GUI_OS_SignalEvent (or briefly)
  void (*pfSignalEvent)(void);
};

// Installs the host's routines (null: the built-in ones). The table must outlive its use.
void GUI_OS_SetAPI(const GUI_OS_API* pAPI);
const GUI_OS_API* GUI_OS_GetAPI(void);
void GUI_OS_Delay(int ms);
U32 GUI_OS_GetTime(void);
void GUI_OS_WaitEvent(void);
void GUI_OS_SignalEvent(void);
void GUI_OS_ErrorOut(const char* s);  // texts are passed on as they are, never used as a format
void GUI_OS_Warn(const char* s);
void GUI_OS_Log(const char* s);
GUI_TASK_ID GUI_OS_GetTaskId(void);

//
// Configuration and start-up
//
struct GUI_CONFIG_API {
  void (*pfConfigGUI)(void);  // heap: GUI_ALLOC_AssignMemory, GUI_ALLOC_SetAvBlockSize
  void (*pfConfigLCD)(void);  // layers: GUI_DEVICE_CreateAndLink, LCD_SetSizeEx, LCD_SetVSizeEx
};
void GUI_SetConfigAPI(const GUI_CONFIG_API* pAPI);
void GUI_ConfigDefaultGUI(void);  // the built-in heap configuration
void GUI_ConfigDefaultLCD(void);  // the built-in display configuration
void GUI__ConfigOnce(void);
int GUI_Init(void);  // 0 on success
int GUI_IsInitialized(void);
void GUI_Exit(void);  // runs the exit routines and releases heap, devices and configuration

#define GUI_DEFAULT_HEAP_SIZE 0x252000
#define GUI_DEFAULT_AV_BLOCK_SIZE 128
#define GUI_DEFAULT_XSIZE 480
#define GUI_DEFAULT_YSIZE 272
#define GUI_DEFAULT_VXSIZE 480
#define GUI_DEFAULT_VYSIZE 544

//
// Lock, tasks and context
//
void GUI_Lock(void);
void GUI_Unlock(void);
void GUITASK_Init(void);
int GUITASK_GetEntranceCnt(void);
void GUI__SleepUnlocked(int ms);
extern int GUITASK__EntranceCnt;
extern GUI_CONTEXT* GUI_pContext;
extern GUI_DEVICE* GUI_aDevice[GUI_NUM_LAYERS];

void GUI_SaveContext(GUI_CONTEXT* pContext);
void GUI_RestoreContext(const GUI_CONTEXT* pContext);
void GUI_SetDefault(void);
extern const GUI_FONT* GUI__pDefaultFont;  // the font GUI_SetDefault selects
void GUI__RegisterExit(GUI_REGISTER_EXIT* pRegisterExit);

//
// Error and warning output. Texts are plain data; values are appended in decimal (": a, b, c").
//
void GUI_ErrorOut(const char* s);
void GUI_ErrorOut1(const char* s, int p0);
void GUI_ErrorOut2(const char* s, int p0, int p1);
void GUI_ErrorOut3(const char* s, int p0, int p1, int p2);
void GUI_Warn(const char* s);
void GUI_Warn1(const char* s, int p0);
void GUI_Log(const char* s);

//
// Handle heap. Blocks move only while they are not locked; a handle stays valid until it is freed.
//
GUI_HMEM GUI_ALLOC_AllocZero(I32 Size);
GUI_HMEM GUI_ALLOC_AllocNoInit(I32 Size);
GUI_HMEM GUI_ALLOC_AllocInit(const void* pData, I32 Size);
GUI_HMEM GUI_ALLOC_Realloc(GUI_HMEM hOld, I32 NewSize);
void* GUI_ALLOC_LockH(GUI_HMEM hMem);
void GUI_ALLOC__UnlockH(void** pp);
template <class T> inline void GUI_ALLOC_UnlockH(T** pp) {
  void* p = const_cast<void*>(static_cast<const void*>(*pp));
  GUI_ALLOC__UnlockH(&p);
  *pp = nullptr;
}
void* GUI_ALLOC_h2p(GUI_HMEM hMem);
// For callers that already hold the GUI lock on a hot path: h2p without taking it again, and a byte that a
// layer above keeps with a handle (the window manager marks its window records with it). The tag is 0 for
// every fresh block and for a free or unknown handle, so a freed and reused handle never carries an old one.
void* GUI_ALLOC__h2pLocked(GUI_HMEM hMem);
U8 GUI_ALLOC__GetTag(GUI_HMEM hMem);
void GUI_ALLOC__SetTag(GUI_HMEM hMem, U8 Tag);
GUI_HMEM GUI_ALLOC_p2h(const void* p);
void GUI_ALLOC_Free(GUI_HMEM hMem);
void GUI_ALLOC_FreePtr(GUI_HMEM* phMem);
void GUI_ALLOC_FreePtrArray(GUI_HMEM* pArray, int NumElems);
I32 GUI_ALLOC_GetSize(GUI_HMEM hMem);
int GUI_ALLOC_GetNumLocks(GUI_HMEM hMem);
I32 GUI_ALLOC_GetNumFreeBytes(void);
I32 GUI_ALLOC_GetNumUsedBytes(void);
I32 GUI_ALLOC_GetNumUsedBlocks(void);
I32 GUI_ALLOC_GetNumFreeBlocks(void);
I32 GUI_ALLOC_GetMaxFreeBlockSize(void);
I32 GUI_ALLOC_GetMaxSize(void);
void* GUI_ALLOC_GetFixedBlock(I32 Size);
void GUI_ALLOC_FreeFixedBlock(void* p);
void GUI_ALLOC_AssignMemory(void* p, U32 NumBytes);  // p null: the library allocates the memory itself
void GUI_ALLOC_SetAvBlockSize(U32 BlockSize);
void GUI_ALLOC_SetMaxPercentage(int Percent);
int GUI_ALLOC_IsInitialized(void);
// Test hooks: cap the usable heap at NumBytes (0: no cap), fail the n-th allocation from now (0: never).
void GUI_ALLOC__SetTestLimit(U32 NumBytes);
void GUI_ALLOC__FailNth(int n);
// Checks the heap's inner structure; 0 when consistent.
int GUI_ALLOC__Check(void);
void GUI_ALLOC__Exit(void);

//
// Rectangles and small helpers
//
int GUI_RectsIntersect(const GUI_RECT* pA, const GUI_RECT* pB);
void GUI__IntersectRect(GUI_RECT* pDest, const GUI_RECT* pOther);
int GUI__IntersectRects(GUI_RECT* pDest, const GUI_RECT* pA, const GUI_RECT* pB);
void GUI__MergeRect(GUI_RECT* pDest, const GUI_RECT* pA, const GUI_RECT* pB);
void GUI__ShrinkRect(GUI_RECT* pDest, const GUI_RECT* pSrc, int Dist);
inline void GUI__ShrinkRect(GUI_RECT* pRect, int Dist) { GUI__ShrinkRect(pRect, pRect, Dist); }
void GUI_MoveRect(GUI_RECT* pRect, int dx, int dy);
int GUI__RectIsEmpty(const GUI_RECT* pRect);
I32 GUI__DivideRound32(I32 a, I32 b);  // rounded to nearest, halves away from zero; 0 when b is 0
I64 GUI__DivideRound64(I64 a, I64 b);
int GUI__DivideRound(int a, int b);
I32 GUI__Sin1000(I32 Angle);  // angle in 1/1000 degree, result scaled by 65536
I32 GUI__Cos1000(I32 Angle);
I32 GUI__Atan2(I32 x, I32 y);  // 16.16 fixed-point degrees, 0 to 360
U32 GUI__Sqrt32(U32 v);
U16 GUI__Read16(const U8** ppData);
U32 GUI__Read32(const U8** ppData);
void GUI__memset(void* p, U8 Fill, int NumBytes);
void GUI__memset16(U16* p, U16 Fill, int NumItems);
void GUI__memset32(U32* p, U32 Fill, int NumItems);
int GUI__strlen(const char* s);
int GUI__SetText(GUI_HMEM* phText, const char* s);

//
// Colours and drawing attributes (window coordinates; the public routines take the lock)
//
GUI_COLOR GUI_SetColor(GUI_COLOR Color);
GUI_COLOR GUI_SetBkColor(GUI_COLOR Color);
GUI_COLOR GUI_GetColor(void);
GUI_COLOR GUI_GetBkColor(void);
int GUI_SetColorIndex(int Index);
int GUI_SetBkColorIndex(int Index);
int GUI_SetDrawMode(int DrawMode);
int GUI_GetDrawMode(void);
int GUI_SetPenSize(int PenSize);
int GUI_GetPenSize(void);
int GUI_SetLineStyle(int LineStyle);
int GUI_GetLineStyle(void);
GUI_COLOR GUI_Index2Color(int Index);
unsigned GUI_Color2Index(GUI_COLOR Color);
void GUI_SetOrg(int x, int y);
void GUI_GetOrg(int* px, int* py);
void GUI__GetOrg(int* px, int* py);
extern I16 GUI__OrgX, GUI__OrgY;
int GUI_GetLayerPosEx(int LayerIndex, int* pxPos, int* pyPos);
int GUI_SelectLayer(int Index);
int GUI_GetSelLayer(void);
void GUI_SelectLCD(void);
GUI_HMEM GUI_GetSelectedDevice(void);

//
// Clip iteration of window-coordinate drawing (see the top of this file).
//
extern int (*GUI__pfClipBegin)(const GUI_RECT* pBounds);
extern int (*GUI__pfClipNext)(void);
extern void (*GUI__pfGetClientRect)(GUI_RECT* pRect);
int GUI__ClipBegin(const GUI_RECT* pBounds);
int GUI__ClipNext(void);
#define GUI_CLIP_ITERATE_START(pBounds) \
  {                                     \
    if (GUI__ClipBegin(pBounds)) {      \
      do {
#define GUI_CLIP_ITERATE_END() \
  }                            \
  while (GUI__ClipNext())      \
    ;                          \
  }                            \
  }

//
// Paint passes: the calls of drawing routines that together paint one area, rectangle by rectangle and band by
// band (a window's paint, or one routine's own clip iteration). A routine that must read a picture whole to tell
// whether it is sound, though a rectangle shows only part of it, reads it whole once per pass and keeps what it
// found for its other calls of the pass. A pass begun while one is open joins it.
//
int GUI__BeginPaintPass(void);  // -> 1 when it opened the pass (the caller then ends it)
void GUI__EndPaintPass(int Opened);
U32 GUI__GetPaintPass(void);    // the pass open (never 0), 0 when none is
class GUI__PaintPassGuard {
 public:
  GUI__PaintPassGuard() : _Opened(GUI__BeginPaintPass()) {}
  ~GUI__PaintPassGuard() { GUI__EndPaintPass(_Opened); }
  GUI__PaintPassGuard(const GUI__PaintPassGuard&) = delete;
  GUI__PaintPassGuard& operator=(const GUI__PaintPassGuard&) = delete;

 private:
  int _Opened;
};

//
// Shapes in window coordinates
//
void GUI_Clear(void);
void GUI_ClearRect(int x0, int y0, int x1, int y1);
void GUI_ClearRectEx(const GUI_RECT* pRect);
void GUI_FillRect(int x0, int y0, int x1, int y1);
void GUI_FillRectEx(const GUI_RECT* pRect);
void GUI_DrawRect(int x0, int y0, int x1, int y1);
void GUI_DrawRectEx(const GUI_RECT* pRect);
void GUI_InvertRect(int x0, int y0, int x1, int y1);
void GUI_DrawHLine(int y, int x0, int x1);
void GUI_DrawVLine(int x, int y0, int y1);
void GUI_DrawPixel(int x, int y);
void GUI_DrawPoint(int x, int y);  // a dot of the pen size
void GUI_DrawLine(int x0, int y0, int x1, int y1);
void GUI_DrawLineRel(int dx, int dy);
void GUI_DrawLineTo(int x, int y);
void GUI_MoveTo(int x, int y);
void GUI_MoveRel(int dx, int dy);
void GUI__DrawLine(int x0, int y0, int x1, int y1);  // screen coordinates, no lock, no clip iteration
void GUI__DrawLineTo(int x, int y);
void GUI__MoveTo(int x, int y);
void GUI_DrawRoundedRect(int x0, int y0, int x1, int y1, int r);
void GUI_DrawRoundedFrame(int x0, int y0, int x1, int y1, int r, int w);
void GUI_FillRoundedRect(int x0, int y0, int x1, int y1, int r);
void GUI_FillRoundedRectEx(const GUI_RECT* pRect, int r);
void GUI__FillRoundedCorners(int x0, int y0, int x1, int y1, int r, GUI_COLOR ColorOuter, GUI_COLOR ColorInner,
                             GUI_COLOR ColorFill);
void GUI__FillRoundedCornersTop(int x0, int x1, int y0, int r, GUI_COLOR ColorOuter, GUI_COLOR ColorInner,
                                GUI_COLOR ColorFill);
void GUI__FillRoundedBox(int x0, int y0, int Size, GUI_COLOR Color0, GUI_COLOR Color1, GUI_COLOR Color2,
                         GUI_COLOR Color3);
void GUI_DrawCircle(int x0, int y0, int r);
void GUI_FillCircle(int x0, int y0, int r);
void GUI_DrawGradientV(int x0, int y0, int x1, int y1, GUI_COLOR Color0, GUI_COLOR Color1);
void GUI_DrawGradientH(int x0, int y0, int x1, int y1, GUI_COLOR Color0, GUI_COLOR Color1);
void GUI_DrawGradientRoundedV(int x0, int y0, int x1, int y1, int r, GUI_COLOR Color0, GUI_COLOR Color1);
void GUI_DrawGradientRoundedH(int x0, int y0, int x1, int y1, int r, GUI_COLOR Color0, GUI_COLOR Color1);
void GUI_DrawPolygon(const GUI_POINT* pPoints, int NumPoints, int x0, int y0);
void GUI_FillPolygon(const GUI_POINT* pPoints, int NumPoints, int x0, int y0);
void GUI_DrawFocusRect(const GUI_RECT* pRect, int Dist);
void GUI_DrawGraph(const I16* paY, int NumPoints, int x0, int y0);
void GUI_DrawGraphEx(const I16* paY, int NumPoints, int x0, int y0, int Numerator, int Denominator, int MirrorX);
void GUI_GetClientRect(GUI_RECT* pRect);

//
// Alpha blending and colour mixing
//
typedef unsigned (*GUI_ALPHA_HOOK)(unsigned OnOff);
extern void (*GUI__pfMEMDEV_SetAlphaHook)(GUI_ALPHA_HOOK pfHook);
// The memory-device operations record for a storage depth (1, 8, 16, 32); installed by the memory devices,
// answered by the display driver's get-data routine with code LCD_DEVDATA_MEMDEV.
extern const GUI_DEVICE_API* (*GUI__pfGetMemdevAPI)(int BitsPerPixel);
// Direct access to the run of n 16-bit pixels from (x, y) of a device, for drawing that reads and writes pixel
// by pixel: null unless the device keeps its pixels in plain memory and nothing else must learn of a write
// (the memory devices install it and answer for their 16-bit devices without a usage bitmap).
extern U16* (*GUI__pfPixelRow16)(GUI_DEVICE* pDevice, int x, int y, int n);
unsigned GUI_EnableAlpha(unsigned OnOff);  // -> previous state
unsigned GUI_EnableAlphaByte(unsigned OnOff);
GUI_COLOR GUI__MixColors(GUI_COLOR Color0, GUI_COLOR Color1, U8 Intens);
GUI_COLOR LCD_MixColorsNoAlpha(GUI_COLOR Color0, GUI_COLOR Color1, U8 Intens);
typedef void (*GUI_MIX_COLORS_BULK)(U32* pFG, U32* pBG, U32* pDst, unsigned OffFG, unsigned OffBG, unsigned OffDest,
                                    unsigned xSize, unsigned ySize, U8 Intens);
extern GUI_MIX_COLORS_BULK GUI__MixColorsBulk;
void GUI__MixColorsBulkDefault(U32* pFG, U32* pBG, U32* pDst, unsigned OffFG, unsigned OffBG, unsigned OffDest,
                               unsigned xSize, unsigned ySize, U8 Intens);
LCD_PIXELINDEX* GUI__DoAlphaBlending(int x, int y, const GUI_COLOR* pColors, int NumPixels,
                                     GUI_COLOR (*pfIndex2Color)(LCD_PIXELINDEX), int* pFlags);
int GUI__AllocAlphaBuffer(void);
int GUI__GetAlphaBuffer(int NumPixels);  // 0 when both line buffers hold at least NumPixels
U32* GUI__GetAlphaLine(int Index);       // line buffer 0 or 1 (valid after a successful GUI__GetAlphaBuffer)
void GUI__SetPixelAlpha(int x, int y, U8 Intens, GUI_COLOR Color);
void GUI__CompactPixelIndices(LCD_PIXELINDEX* pBuffer, int NumPixels, int BitsPerPixel);
// Blends a row of colours (transparency in the top byte) over a row of 5-6-5 pixels in place: invisible
// pixels keep theirs, opaque ones take the colour, the others the mix that GUI__DoAlphaBlending gives.
// RedHigh: the RGB order of the 5-6-5 pixels.
void GUI__BlendColorsOver565(const GUI_COLOR* pSrc, U16* pRow, int NumPixels, int RedHigh);
int GUI__CompactPixelIndicesEx(LCD_PIXELINDEX* pBuffer, int NumPixels, int BitsPerPixel,
                               const LCD_COLOR_CONV_API* pColorConvAPI);

//
// Multiple buffering and display cache
//
extern U8 GUI__aMultiBufState[GUI_NUM_LAYERS];
void GUI__ManageCache(int Cmd);
extern void (*GUI__pfMultiBufBegin)(void);
extern void (*GUI__pfMultiBufEnd)(void);

#include "LCD_SIMDRV.h"
#include "GUI_Text.h"
#include "GUI_Timer.h"
#include "GUI_Input.h"
